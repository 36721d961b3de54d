"""Obiekty PN-66/B-02015 testu tests/loads/PN66ObiektTest.cpp: po jednym na rodzaj
przekroju. Wynik: M1N, TN, MP, TP i masa pojazdu elementu najgorszego."""
from obiekt import drukuj
from pn85 import ZERO


def obiekt(**kw):
    o = dict(ZERO, norma=4)
    o.update(kw)
    return o


OBIEKTY = {
    # belka swobodnie podparta 25 m, klasa I
    'typ0': obiekt(klasa=0, typ=0, a1=0.5, a2=0.5, b=7.0, B=8, c1=1.5, c2=1.5, e1=1.5, e2=1.5, n=5,
                   elementy=[(0, 25)]),
    # rama wieloprzeslowa 15 + 20 + 15 (schemat 4, N = 3), klasa II
    'typ1': obiekt(klasa=1, typ=1, a1=0.5, a2=0.5, b=7.0, B=7.5, e1=0.25, e2=0.25, n=4,
                   elementy=[(5, 15), (6, 20), (5, 15)]),
    # dwudzwigarowy 36 m z jezdnia dolna, chodniki 1,5 i 0,4 m, klasa III
    'typ2': obiekt(klasa=2, typ=2, a1=0.5, a2=0.5, b=7.4, B=9.6, c1=1.5, c2=0.4, g1=0.6, k1=0.3, k2=0.3,
                   n=2, elementy=[(0, 36)]),
    # plyta, belka ciagla dwuprzeslowa 14 + 14 (schemat 1), klasa III
    'typ3': obiekt(klasa=2, typ=3, a1=0.5, a2=0.5, b=7.0, c1=1.0, c2=1.0, P=10.0,
                   elementy=[(1, 14), (1, 14)]),
    # plyta bez kraweznikow 8 m ze wspornikami 1,5 m (schemat 0), klasa II
    'typ4': obiekt(klasa=1, typ=4, a1=0.5, a2=0.5, b=7.0, P=8.0,
                   elementy=[(7, 1.5), (0, 8), (7, 1.5)]),
    # bariery, belka ciagla czteroprzeslowa 20 + 25 + 25 + 20 (schemat 2, N = 4), klasa III
    'typ5': obiekt(klasa=2, typ=5, a1=0.5, a2=0.5, b=7.5, B=10, c1=1.0, c2=0.4, e1=1.0, e2=0.8,
                   g1=0.5, g2=0.4, k1=0.2, k2=0.2, n=6, elementy=[(2, 20), (3, 25), (3, 25), (2, 20)]),
    # plyta z barierami 12 m, chodniki 1,0 i 0,4 m, klasa II
    'typ6': obiekt(klasa=1, typ=6, a1=0.5, a2=0.5, b=7.0, c1=1.0, c2=0.4, e1=0.3, e2=0.3, g1=0.4,
                   g2=0.4, k1=0.2, k2=0.2, P=11.0, elementy=[(0, 12)]),
}

if __name__ == '__main__':
    for nazwa, o in OBIEKTY.items():
        drukuj(nazwa, o)
