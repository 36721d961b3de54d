"""Wartosci oczekiwane testow jednostkowych warstw obliczeniowych, niezaleznie od kodu C++.

Zapisuje jednostkowe.txt obok siebie; testy tests/common, tests/wspprzec i tests/loads czytaja
wiersze swojego rodzaju. Wiersz: rodzaj, argumenty w kolejnosci procedury C++, '=', wyniki
("ND" = nie dotyczy). Modele licza tu modele.py (PN-85, PN-66) i modele_stare.py (pozostale
normatywy), rozpietosci zastepcze i pojazdy obiekt.py i obiekt_stary.py.

    python3 tests/dane/niezalezne/jednostkowe.py
"""
import os
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import modele as m  # noqa: E402
import modele_stare as s  # noqa: E402
import obiekt as ob  # noqa: E402
import obiekt_stary as obs  # noqa: E402

ND = 1e20
wiersze = []


def liczba(x):
    return 'ND' if x is None or float(x) >= ND else repr(float(x))


def wiersz(rodzaj, argumenty, wyniki):
    wiersze.append(' '.join([rodzaj] + [str(a) for a in argumenty] + ['='] + [liczba(w) for w in wyniki]))


# ------------------------------------------------------------------ modele obciazen
# Nazwa procedury -> funkcja liczaca z argumentow w kolejnosci C++ (bez wyjsc i komunikatu).
MODELE = {
    'PN85Przekroj0': m.pn85_0,
    'PN85Przekroj1': m.pn85_1,
    'PN85Przekroj2': m.pn85_2,
    'PN85Przekroj3': m.pn85_3,
    'PN85Przekroj4': m.pn85_4,
    'PN85Przekroj5': lambda k, n, e, B, c, g, kk, a, b, L, Dl: m.pn85_5(k, n, B, c, e, g, kk, L, Dl),
    'PN85Przekroj6': m.pn85_6,
    'PN66Przekroj0': m.pn66_0,
    'PN66Przekroj1': m.pn66_1,
    'PN66Przekroj2': m.pn66_2,
    'PN66Przekroj3': m.pn66_3,
    'PN66Przekroj4': m.pn66_4,
    'PN66Przekroj5': lambda k, B, c, g, kk, a, e, L, n, Dl: m.pn66_5(k, B, c, g, kk, e, L, n, Dl),
    'PN66Przekroj6': lambda k, g, kk, a1a2, b, C1, C2, P, L, Dl: m.pn66_6(k, a1a2, b, C1, C2, P, L, Dl),
    'N1956Przekroj0': s.n1956_p0,
    'N1956Przekroj1': s.n1956_p1,
    'N1956Przekroj2': s.n1956_p2,
    'N1956Przekroj3': s.n1956_p3,
    'N1956Przekroj4': s.n1956_p4,
    'N1952Przekroj0': s.n1952_p0,
    'N1952Przekroj2': s.n1952_p2,
    'N1952Przekroj3': s.n1952_p3,
    'N1945Przekroj0': lambda k, n, B, c1c2, e, L, Dl: s.n1945_p0(k, n, B, c1c2, L, Dl),
    'N1945Przekroj0N2': lambda k, a1a2, a, b, c, L, Dl: s.n1945_p0n2(k, a1a2, b, c, L, Dl),
    'N1945Przekroj2': s.n1945_p2,
    'N1945Przekroj3': lambda k, L, Dl: s.n1945_p3(k, L),
    'N1926Przekroj0': lambda k, n, B, c1c2, L, Dl: s.n1926_p0(k, n, B, c1c2, L),
    'N1926Przekroj0N2': lambda k, a1a2, b, c, L, Dl: s.n1926_p0n2(k, a1a2, b, c, L),
    'N1926Przekroj2': lambda k, B, c, g1, k1k2, L, Dl: s.n1926_p2(k, B, c, g1, k1k2, L),
    'N1926Przekroj3': lambda k, L, Dl: s.n1926_p3(k, L),
    'DINPrzekroj0': s.din_p0,
    'DINPrzekroj2': s.din_p2,
    'DINPrzekroj3': lambda k, L, Dl: s.din_p3(k, L),
}

# Rozpietosc zastepcza rozna od dlugosci elementu: pomylenie L z Dl zmienia wynik.
L, Dl = 15.72, 20.0
# Pomost kazdej procedury: argumenty C++ z miejscami 'L' i 'Dl'; wartosci rozne od siebie,
# by zamiana dwoch argumentow tez zmieniala wynik.
POMOSTY = {
    'PN85Przekroj0': [5, 8, 1.5, 1.0, 'L', 'Dl'],
    'PN85Przekroj1': [4, 7.5, 0.75, 'L', 'Dl'],
    'PN85Przekroj2': [9.6, 1.5, 0.6, 0.3, 'L', 0.7, 'Dl'],
    'PN85Przekroj3': [1.0, 7.0, 1.2, 0.5, 'L', 9.0, 'Dl'],
    'PN85Przekroj4': [1.1, 7.0, 'L', 8.0, 'Dl'],
    'PN85Przekroj5': [5, 1.2, 9, 1.0, 0.4, 0.2, 0.5, 7.0, 'L', 'Dl'],
    'PN85Przekroj6': [1.0, 7.0, 1.1, 0.5, 'L', 10.0, 0.4, 0.2, 'Dl'],
    'PN66Przekroj0': [8, 1.5, 1.0, 'L', 5, 'Dl'],
    'PN66Przekroj1': [7.5, 0.75, 'L', 4, 'Dl'],
    'PN66Przekroj2': [9.6, 1.5, 0.6, 0.3, 0.7, 'L', 'Dl'],
    'PN66Przekroj3': [1.0, 7.0, 2.1, 9.0, 'L', 'Dl'],
    'PN66Przekroj4': [7.0, 1.1, 'L', 8.0, 'Dl'],
    'PN66Przekroj5': [9, 1.0, 0.4, 0.2, 0.5, 1.2, 'L', 5, 'Dl'],
    'PN66Przekroj6': [0.4, 0.2, 1.0, 7.0, 1.1, 0.6, 10.0, 'L', 'Dl'],
    'N1956Przekroj0': [8, 1.5, 1.0, 'L', 5, 'Dl'],
    'N1956Przekroj1': [8, 1.0, 'L', 5, 'Dl'],
    'N1956Przekroj2': [6, 1.0, 0.5, 0.25, 0.6, 'L', 'Dl'],
    'N1956Przekroj3': [1.0, 7.0, 3.1, 'L', 10, 'Dl'],
    'N1956Przekroj4': [1.1, 7.0, 'L', 9, 'Dl'],
    'N1952Przekroj0': [8, 1.5, 1.0, 'L', 5, 'Dl'],
    'N1952Przekroj2': [6, 1.0, 0.5, 0.25, 0.6, 'L', 'Dl'],
    'N1952Przekroj3': [7.0, 1.1, 3.1, 'L', 10, 'Dl'],
    'N1945Przekroj0': [5, 8, 3.1, 99.0, 'L', 'Dl'],
    'N1945Przekroj0N2': [1.1, 99.0, 7.0, 1.5, 'L', 'Dl'],
    'N1945Przekroj2': [8, 1.2, 0.5, 0.6, 'L', 'Dl'],
    'N1945Przekroj3': ['L', 'Dl'],
    'N1926Przekroj0': [5, 8, 3.1, 'L', 'Dl'],
    'N1926Przekroj0N2': [1.1, 7.0, 1.5, 'L', 'Dl'],
    'N1926Przekroj2': [8, 1.2, 0.5, 0.6, 'L', 'Dl'],
    'N1926Przekroj3': ['L', 'Dl'],
    'DINPrzekroj0': [5, 8, 1.5, 1.0, 'L', 'Dl'],
    'DINPrzekroj2': [6, 1.0, 0.5, 0.25, 0.6, 'L', 'Dl'],
    'DINPrzekroj3': ['L', 'Dl'],
}


def model(nazwa, klasa, argumenty):
    wiersz('Model', [nazwa, klasa] + argumenty, MODELE[nazwa](klasa, *argumenty))


def w_pomoscie(nazwa, zmiany=None, **LDl):
    """Pomost procedury z L, Dl i wybranymi argumentami (indeks -> wartosc) podmienionymi."""
    a = [LDl.get('L', L) if x == 'L' else LDl.get('Dl', Dl) if x == 'Dl' else x for x in POMOSTY[nazwa]]
    for i, v in (zmiany or {}).items():
        a[i] = v
    return a


for nazwa in MODELE:
    for klasa in ('ABCDE' if nazwa.startswith('PN85') else (1, 2, 3)):
        model(nazwa, klasa, w_pomoscie(nazwa))

# PN-85: pojazd S klasy C na krotkim przesle (L < 4,8 i 4,8 .. 7,2), klasy D i E ponizej 3,6 m
# i miedzy 3,6 a 7,2 m; przeslo dwudzwigarowe tuz ponizej 270 m.
for klasa, Lk in (('C', 4.0), ('C', 5.0), ('D', 3.0), ('D', 5.0), ('E', 3.0), ('E', 5.0)):
    model('PN85Przekroj0', klasa, w_pomoscie('PN85Przekroj0', L=Lk, Dl=Lk))
model('PN85Przekroj2', 'A', w_pomoscie('PN85Przekroj2', L=269.9999, Dl=120))
# Chodnik: w typach 5 i 6 liczy sie od 0,5 m wlacznie, w typach 0, 2 i 3 takze wezszy.
for c in (0.5, 0.4):
    model('PN85Przekroj5', 'B', w_pomoscie('PN85Przekroj5', {3: c}))
    model('PN85Przekroj6', 'B', w_pomoscie('PN85Przekroj6', {2: c}))
    model('PN66Przekroj5', 2, w_pomoscie('PN66Przekroj5', {1: c}))
    model('PN66Przekroj6', 2, w_pomoscie('PN66Przekroj6', {4: c, 5: c}))
model('PN85Przekroj0', 'B', w_pomoscie('PN85Przekroj0', {2: 0.4}))
# 1956: dokładnie dwa pasy ruchu (najmniejsza liczba, którą model przyjmuje).
model('N1956Przekroj0', 2, w_pomoscie('N1956Przekroj0', {0: 4.0}))
model('PN85Przekroj2', 'B', w_pomoscie('PN85Przekroj2', {1: 0.4}))
model('PN85Przekroj3', 'B', w_pomoscie('PN85Przekroj3', {2: 0.4}))
model('PN66Przekroj0', 2, w_pomoscie('PN66Przekroj0', {1: 0.4}))
model('PN66Przekroj2', 2, w_pomoscie('PN66Przekroj2', {1: 0.4}))
# PN-66: siedem pasow (r = 0,7), typy 1 i 4 przyjmuja 270 m, plyta z jednym pasem (bez minimum).
model('PN66Przekroj3', 3, w_pomoscie('PN66Przekroj3', {1: 9.5}))
model('PN66Przekroj1', 1, w_pomoscie('PN66Przekroj1', L=270))
model('PN66Przekroj4', 1, w_pomoscie('PN66Przekroj4', L=270))
# Kontrola zera przepuszcza wartosci ujemne.
model('PN66Przekroj4', 1, w_pomoscie('PN66Przekroj4', L=-15.72))
model('PN66Przekroj6', 2, w_pomoscie('PN66Przekroj6', {3: 0.0, 4: 1.0, 5: 1.0}))
# 1956: jeden pas w typach 1 i 2, jedenascie w typie 1, 10,5/1,5 z marginesem Obetnij (7 pasow),
# osiem pasow (r = 0,7), plyty i typ 1 przyjmuja 270 m.
model('N1956Przekroj1', 2, w_pomoscie('N1956Przekroj1', {0: 4, 1: -1.5}))
model('N1956Przekroj1', 2, w_pomoscie('N1956Przekroj1', {0: 17, 1: 0.0, 3: 2}))
model('N1956Przekroj2', 2, w_pomoscie('N1956Przekroj2', {0: 2, 1: 0.0, 2: 0.5, 3: 0.0, 4: 0.5}))
model('N1956Przekroj3', 3, w_pomoscie('N1956Przekroj3', {0: 2.3, 1: 7.1}))
model('N1956Przekroj3', 1, w_pomoscie('N1956Przekroj3', {0: 2.5, 1: 9.6}))
for nazwa in ('N1956Przekroj1', 'N1956Przekroj3', 'N1956Przekroj4', 'N1952Przekroj3'):
    model(nazwa, 2, w_pomoscie(nazwa, L=270, Dl=30))
# 1945, 1926, DIN: wiersze wielomianow rozpietosci (wartosc na granicy nalezy do nizszego
# wiersza), zakresy rozpietosci na granicach, mnoznik 16/3 przekroju 2 powyzej 100 m.
for Lk in (3, 4.5, 6, 9, 50, 60, 100, 110, 120):
    for nazwa in ('N1945Przekroj0', 'N1945Przekroj0N2', 'N1945Przekroj2', 'N1926Przekroj0',
                  'N1926Przekroj0N2', 'N1926Przekroj2'):
        model(nazwa, 1, w_pomoscie(nazwa, L=Lk))
# Procedury "n rozne od 2" same przyjmuja n = 2 (odmawiaja ponizej).
model('N1945Przekroj0', 1, w_pomoscie('N1945Przekroj0', {0: 2}))
model('N1926Przekroj0', 1, w_pomoscie('N1926Przekroj0', {0: 2}))
for Lk in (3, 5, 6, 7, 9, 10, 50, 100):
    for nazwa in ('N1945Przekroj3', 'N1926Przekroj3', 'DINPrzekroj3'):
        model(nazwa, 2, w_pomoscie(nazwa, L=Lk))
for Lk in (3, 4.5, 5, 6, 9, 25, 30, 91.5):
    for nazwa in ('DINPrzekroj0', 'DINPrzekroj2'):
        model(nazwa, 1, w_pomoscie(nazwa, L=Lk, Dl=Lk))

# ------------------------------------------------------------------ rozpietosci zastepcze
# Mnozniki przesel kazdej grupy normatywu i klasy.
for norma in range(7):
    for klasa in (0, 2):
        for rodzaj in range(7):
            if norma in (4, 5):
                wynik = ob.rozpietosci(norma, klasa, rodzaj, 12.5, 0)
            else:
                wynik = obs.rozpietosci(norma, klasa, rodzaj, 12.5)
            wiersz('Rozpietosci', [norma, klasa, rodzaj, 12.5, 0], wynik)
# Wspornik swobodny PN-85 i PN-66 (obie pary kolumn): koniec tablicy, miedzy wierszami, poza nia.
for norma, klasa in ((5, 0), (4, 0), (4, 1)):
    for W in (1.0, 1.5, 2.25, 3.75, 14.8, 15.0, 16.0):
        wiersz('Rozpietosci', [norma, klasa, 7, 0, W], ob.rozpietosci(norma, klasa, 7, 0, W))
# Ramiona PN-85 (rodzaje 8 i 9): pasma wysiegu 2,4 i 3,6 na granicach, przedzialy Alfa,
# ekstrapolacja ponizej 0,1 i powyzej 1,0, przeslo tuz ponad 0,01 m i do 0,01 m.
for W, Lp in ((2.0, 2.0), (2.3999, 24), (2.4, 24), (2.4, 3.0), (2.4, 2.4), (2.5, 2.5), (2.5, 5.0), (3.5999, 36), (3.6, 7.2),
              (3.6, 36), (6, 10), (6, 5), (6, 120), (6, 20), (6, 0.0105), (6, 0.01), (6, 0)):
    for rodzaj in (8, 9):
        wiersz('Rozpietosci', [5, 0, rodzaj, Lp, W], ob.rozpietosci(5, 0, rodzaj, Lp, W))

# ------------------------------------------------------------------ pojazdy umowne
GRANICE = {1: (12.64, 16.8, 8.0, 11.2), 2: (10.66, 16.8, 7.2, 10.4), 3: (8.4, 5.6), 4: (9.0, 4.5),
           5: (8.0,), 6: ()}
for k, granice in GRANICE.items():
    for Lp in sorted({3.0, 10.0, 30.0} | set(granice) | {g + 0.01 for g in granice}):
        wiersz('Pojazd', [k, Lp], ob.pojazd(k, Lp))


# ------------------------------------------------------------------ wspolczynniki przeciazenia
def gammy(typ, n, a, b, B, c, e, g, k, P, Lp):
    """Gamma 1 i Gamma 2 strony: rzedne dzwigara albo paraboli plyty w dwoch polozeniach."""
    if typ in (3, 4, 6):
        _, Bs = m.pasma(P)
        e1, en = m.rzedne_plyty(P, Lp)
        x0 = {3: c - e, 4: 0.0, 6: c + g + k - e}[typ] - P / (2 * n) + a
        x1, x2 = x0 + 1.5, x0 + 0.75 * b
        S = lambda x: m.parabola(e1, en, Bs, x)
        return S(x1), S(x1) + S(x2)
    if typ == 2:
        x0 = 0.5 * g + k + a
        return 1 - (x0 + 1.5) / B, 2 - (x0 + 0.75 + 0.375 * b) / (0.5 * B)
    x0 = {0: c - e + a, 1: a - e, 5: c + g + k - e + a}[typ]
    return m.eta_dzw(n, B, x0 + 1.5), 2 * m.eta_dzw(n, B, x0 + 0.75 + 0.375 * b)


# typ n a b B c e g k P L: kazdy typ z innymi wartosciami wszystkich szerokosci.
for argumenty in ((0, 5, 0.5, 7, 8, 1.5, 1.0, 0.3, 0.2, 9.5, 10), (0, 2, -1.5, 0, 6, 1, 1, 0, 0, 0, 10),
                  (1, 5, 0.6, 7, 8, 1.5, 1.1, 0.3, 0.2, 9.5, 10), (2, 7, 0.5, 6, 10, 5, 4, 0.6, 0.3, 9.5, 10),
                  (3, 10, 0.5, 7, 0, 1.5, 1.1, 0.3, 0.2, 10, 12), (4, 10, 0.6, 8, 3, 7, 7, 7, 7, 10, 10),
                  (5, 4, 0.5, 7, 9, 1.0, 0.75, 0.5, 0.25, 9.5, 10), (6, 10, 0.5, 7, 3, 1.0, 0.75, 0.5, 0.25, 10, 25),
                  (6, 11, 0.4, 8, 3, 0.7, 0.2, 0.3, 0.15, 11, 6), (1, 2, 0.2, 1.5, 0.9, 0, 0.3, 0, 0, 0, 8)):
    wiersz('Gamma', argumenty, gammy(*argumenty))

# ------------------------------------------------------------------ rzedne plyty
# Pasma Eta1 i EtaN, Alfa obciete do 0,4 i 2,0, Alfa dokladnie na granicach 0,8, 1,2 i 1,6.
for P, Lp in ((10, 10), (8, 20), (12, 6), (10, 7.5), (10, 11.25), (10, 5.625), (10, 4), (3, 1)):
    wiersz('Rzedne', [P, Lp], m.rzedne_plyty(P, Lp))

with open(os.path.join(os.path.dirname(os.path.abspath(__file__)), 'jednostkowe.txt'), 'w') as plik:
    plik.write('# Wygenerowane przez jednostkowe.py (niezalezne przeliczenie); nie edytowac recznie.\n')
    plik.write('\n'.join(wiersze) + '\n')
print(len(wiersze), 'wierszy')
