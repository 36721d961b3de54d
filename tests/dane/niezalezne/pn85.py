"""Obiekty PN-85/S-10030 testu tests/loads/PN85ObiektTest.cpp: po jednym na rodzaj
przekroju. Wynik: M1N, TN, MP, TP i masa pojazdu elementu najgorszego."""
from obiekt import drukuj

ZERO = dict(a1=0, a2=0, b=0, B=0, c1=0, c2=0, e1=0, e2=0, k1=0, k2=0, P=0, g1=0, g2=0, n=0)


def obiekt(**kw):
    o = dict(ZERO, norma=5)
    o.update(kw)
    return o


OBIEKTY = {
    # belka ciagla trzyprzeslowa 18 + 24 + 18 (schemat 2, N = 3), klasa E
    'typ0': obiekt(klasa=4, typ=0, a1=0.5, a2=0.5, b=7.5, B=10, c1=1.5, c2=1.0, e1=0.5, e2=0.5, n=6,
                   elementy=[(2, 18), (3, 24), (2, 18)]),
    # belka swobodnie podparta 15 m, klasa D
    'typ1': obiekt(klasa=3, typ=1, a1=0.5, a2=0.5, b=7.0, B=7.5, e1=0.25, e2=0.25, n=4,
                   elementy=[(0, 15)]),
    # dwudzwigarowy 30 m z jezdnia dolna, klasa C
    'typ2': obiekt(klasa=2, typ=2, a1=0.5, a2=0.5, b=7.4, B=9.6, c1=1.5, c2=1.5, g1=0.6, k1=0.3, k2=0.3,
                   n=7, elementy=[(0, 30)]),
    # plyta, rama dwuprzeslowa 12 + 12 (schemat 3), klasa D
    'typ3': obiekt(klasa=3, typ=3, a1=0.5, a2=0.5, b=7.0, c1=1.0, c2=1.0, P=10.0, n=3,
                   elementy=[(4, 12), (4, 12)]),
    # plyta bez kraweznikow 9 m ze wspornikami 2 m (schemat 0), klasa E
    'typ4': obiekt(klasa=4, typ=4, a1=1.0, a2=1.0, b=7.0, P=9.0,
                   elementy=[(7, 2.0), (0, 9), (7, 2.0)]),
    # bariery, belka przegubowa (schemat 5, N = 2): przesla 20 i 16, ramie 4 m, klasa C
    'typ5': obiekt(klasa=2, typ=5, a1=0.5, a2=0.5, b=7.0, B=9, c1=1.0, c2=0.4, e1=1.2, e2=1.0,
                   g1=0.5, g2=0.4, k1=0.2, k2=0.2, n=3, elementy=[(0, 20), (8, 4), (0, 16)]),
    # plyta z barierami, belka ciagla dwuprzeslowa 10 + 10 (schemat 1), klasa D
    'typ6': obiekt(klasa=3, typ=6, a1=0.5, a2=0.5, b=7.0, c1=1.0, c2=0.3, e1=0.3, e2=0.3, g1=0.4,
                   g2=0.4, k1=0.2, k2=0.2, P=11.0, elementy=[(1, 10), (1, 10)]),
    # przegubowa bez przegubu w 1. przesle (schemat 6, N = 3): wsporniki 2 m, przesla 20, 18, 20,
    # ramiona 4,5 m (prawe przy przesle 18 m, potem lewe), klasa A
    'typ0A': obiekt(klasa=0, typ=0, a1=0.5, a2=0.5, b=7.5, B=10, c1=1.5, c2=1.0, e1=0.5, e2=0.5, n=6,
                    elementy=[(7, 2.0), (0, 20), (9, 4.5), (0, 18), (8, 4.5), (0, 20), (7, 2.0)]),
    # plyta bez kraweznikow, rama wieloprzeslowa 10 + 12 + 10 (schemat 4, N = 3), klasa B
    'typ4B': obiekt(klasa=1, typ=4, a1=1.0, a2=1.0, b=7.0, P=9.0,
                    elementy=[(5, 10), (6, 12), (5, 10)]),
}

if __name__ == '__main__':
    for nazwa, o in OBIEKTY.items():
        drukuj(nazwa, o)
