#!/usr/bin/env python3
"""Generator tablic rozpiętości zastępczych wsporników z przęsłem podwieszonym.

Wypisuje na standardowe wyjście plik src/common/TabliceWspornikow.cpp:
    python3 tools/tablice_wspornikow.py > src/common/TabliceWspornikow.cpp
Metodę opisuje tools/README.md. Wynik zależy tylko od tego pliku i od tablicy
wspornika swobodnego w src/common/TabliceJednokierunkowe.cpp (czytanej stąd),
a arytmetyka to zwykłe podwójne IEEE, więc każde uruchomienie daje te same bajty.
"""
import math
import os
import re
import sys

KATALOG = os.path.dirname(os.path.abspath(__file__))
PLIK_JEDNOKIERUNKOWY = os.path.join(KATALOG, "..", "src", "common", "TabliceJednokierunkowe.cpp")

W_SIATKA = [1.5 + 0.5 * i for i in range(32)]  # 1,5 … 17,0
ALFA = [0.1, 0.2, 0.3, 0.4, 0.5, 0.6, 0.7, 0.8, 0.9, 1.0]
WEZLY = [0.1, 0.3, 0.5, 0.7, 0.9, 1.0]  # węzły wzorów PN-85

# Wiersze znane tablic 1926 / DIN 1072: kotwice, przez które tablice przechodzą dokładnie.
ZNANE_MOMENT = {
    1.5: [8.5, 7, 6.5, 6, 5.5, 5.5, 5.5, 5.5, 5.5, 5.5],
    6.0: [36.5, 28, 24.5, 23, 21.5, 21, 20, 19.5, 19, 18.5],
    17.0: [109, 81.5, 70.5, 64, 60, 57, 55, 53.5, 52, 51],
}
ZNANE_SILA = {
    1.5: [18, 10.5, 8, 6.5, 5.5, 4.5, 4, 3.5, 3, 2],
    6.0: [69, 39.5, 29.5, 24.5, 21.5, 20, 18.5, 17.5, 17, 16],
    17.0: [200.5, 116, 87.5, 73.5, 65, 59.5, 55.5, 52.5, 50, 48],
}
# Znany wiersz siły PN-66/B-02015 klas II–III przy W = 5,0 (Alfa 0,5 / 0,6 / 0,7);
# 16,0 przy 0,6 to nieregularność danych, zachowana tak, jak jest.
PN66_W = 5.0
PN66_ZNANE = {4: 20.0, 5: 16.0, 6: 17.0}  # indeks kolumny Alfa -> wartość
PN66_REGULARNE = (4, 6)  # komórki zgodne z resztą tablicy: z nich współczynnik k


# ---------------------------------------------------------------- wzory PN-85
def wezly_moment(W):
    c = [
        math.sqrt(44 * W * W + 533.333333 * W + 4668.44444) - 66.66666,
        math.sqrt(17.33333 * W * W + 533.333333 * W + 4476.44444) - 66.66666,
        math.sqrt(12 * W * W + 533.333333 * W + 4364.44444) - 66.66666,
        math.sqrt(9.7142857 * W * W + 533.333333 * W + 4268.44444) - 66.66666,
        math.sqrt(8.44444 * W * W + 533.333333 * W + 4172.44444) - 66.66666,
    ]
    if W < 2.4:
        c.append(math.sqrt(8 * W * W + 400 * W + 4444.44444) - 66.66666)
    else:
        c.append(math.sqrt(8 * W * W + 533.333333 * W + 4124.44444) - 66.66666)
    return c


# (współczynnik przy W², (b, c) pasma 1, (b, c) pasma 2, (b, c) pasma 3)
TERMY_SILY = [
    (0.36, (4.2, -0.6), (4.1, -0.36), (4, 0)),
    (0.16, (4.6, -1.8), (4.3, -1.08), (4, 0)),
    (0.12, (5, -3), (4.5, -1.8), (4, 0)),
    (0.102857, (5.4, -4.2), (4.7, -2.52), (4, 0)),
    (0.093333, (5.8, -5.4), (4.9, -3.24), (4, 0)),
    (0.09, (6, -6), (5, -3.6), (4, 0)),
]


def wezly_sila(W):
    pasmo = 1 if W < 2.4 else (2 if W < 3.6 else 3)
    c = []
    for a, *pasma in TERMY_SILY:
        b, d = pasma[pasmo - 1]
        t = (a * W * W + b * W + d) / W
        x = 16.66666 * (4 - t)
        c.append(math.sqrt(x * x + 240) - x)
    return c


def wiersz_pn85(wezly):
    """Wartości wzoru PN-85 w dziesięciu kolumnach Alfa (między węzłami liniowo)."""
    w = dict(zip(WEZLY, wezly))
    return [w[a] if a in w else (w[round(a - 0.1, 1)] + w[round(a + 0.1, 1)]) / 2 for a in ALFA]


# ---------------------------------------------------------------- tablica wspornika swobodnego
def czytaj_jednokierunkowa():
    with open(PLIK_JEDNOKIERUNKOWY, encoding="utf-8") as f:
        tekst = f.read()
    srodek = tekst.split("TABLICA-JEDNOKIERUNKOWA-POCZATEK")[1].split("TABLICA-JEDNOKIERUNKOWA-KONIEC")[0]
    wiersze = [[float(x) for x in m.split(",")] for m in re.findall(r"\{([^{}]*)\}", srodek)]
    assert len(wiersze) == 28 and all(len(w) == 13 for w in wiersze)
    return wiersze


def prosta(wiersze, kolumna):
    """Prosta najmniejszych kwadratów a + b·W przez kolumnę tablicy wspornika swobodnego."""
    xs = [w[0] for w in wiersze]
    ys = [w[kolumna] for w in wiersze]
    sx, sy = sum(xs) / len(xs), sum(ys) / len(ys)
    b = sum((x - sx) * (y - sy) for x, y in zip(xs, ys)) / sum((x - sx) ** 2 for x in xs)
    return sy - b * sx, b


# Kolumny (LM, LT) grup tablicy wspornika swobodnego.
KOL_1926, KOL_1945, KOL_1952, KOL_KLASA_I, KOL_KLASY_II_III = (1, 2), (3, 4), (5, 6), (7, 8), (9, 10)


# ---------------------------------------------------------------- budowa tablic
def tablica_bazowa(znane, wezly):
    """1926 / DIN: wiersze znane bez zmian, między nimi kształt wzrostu z wzorów PN-85."""
    kotwice = sorted(znane)
    pn85 = {W: wiersz_pn85(wezly(W)) for W in W_SIATKA}
    wynik = []
    for W in W_SIATKA:
        if W in znane:
            wynik.append([float(v) for v in znane[W]])
            continue
        w0 = max(k for k in kotwice if k < W)
        w1 = min(k for k in kotwice if k > W)
        wiersz = []
        for j in range(10):
            # Postęp wzoru PN-85 tej kolumny od wiersza znanego w0 do w1.
            lam = (pn85[W][j] - pn85[w0][j]) / (pn85[w1][j] - pn85[w0][j])
            wiersz.append(znane[w0][j] + lam * (znane[w1][j] - znane[w0][j]))
        wynik.append(wiersz)
    return wynik


def przeskaluj(baza, prosta_grupy, prosta_1926):
    (ag, bg), (a0, b0) = prosta_grupy, prosta_1926
    return [[v * (ag + bg * W) / (a0 + b0 * W) for v in wiersz] for W, wiersz in zip(W_SIATKA, baza)]


def razy(tablica, k):
    return [[v * k for v in wiersz] for wiersz in tablica]


def zaokraglij(tablica):
    """Do 0,5 m, połówki w górę (jak wiersze znane)."""
    return [[math.floor(2 * v + 0.5) / 2 for v in wiersz] for wiersz in tablica]


def wstaw_nieregularnosc(t):
    i = W_SIATKA.index(PN66_W)
    for j, v in PN66_ZNANE.items():
        t[i][j] = v
    # Komórka 16,0 leży poniżej gładkiej powierzchni: niżej w tej kolumnie najwyżej
    # 16,0 − 0,5 na wiersz (wzrost z W), a na prawo od obniżonej komórki nie więcej niż ona.
    j = 5
    for r in range(i):
        limit = PN66_ZNANE[j] - 0.5 * (i - r)
        if t[r][j] > limit:
            t[r][j] = limit
            for jj in range(j + 1, 10):
                t[r][jj] = min(t[r][jj], t[r][jj - 1])


def sprawdz(nazwa, t, wyjatek=None):
    assert len(t) == 32 and all(len(w) == 10 for w in t), nazwa
    for i in range(32):
        for j in range(10):
            assert t[i][j] * 2 == int(t[i][j] * 2), (nazwa, i, j)
            if i > 0:
                assert t[i][j] >= t[i - 1][j], (nazwa, "W", W_SIATKA[i], j)
            if j > 0 and (i, j) != wyjatek:
                assert t[i][j] <= t[i][j - 1], (nazwa, "Alfa", W_SIATKA[i], j)


def zbuduj():
    jedn = czytaj_jednokierunkowa()
    baza_m = tablica_bazowa(ZNANE_MOMENT, wezly_moment)
    baza_s = tablica_bazowa(ZNANE_SILA, wezly_sila)

    def grupa(kolumny):
        m0, s0 = prosta(jedn, KOL_1926[0]), prosta(jedn, KOL_1926[1])
        return (przeskaluj(baza_m, prosta(jedn, kolumny[0]), m0), przeskaluj(baza_s, prosta(jedn, kolumny[1]), s0))

    m1945, s1945 = grupa(KOL_1945)
    m1952, s1952 = grupa(KOL_1952)
    m_kl1, s1956_kl1 = grupa(KOL_KLASA_I)
    m1956_kl23, s1956_kl23 = grupa(KOL_KLASY_II_III)

    # PN-66: tablice 1956 razy jeden współczynnik k dopasowany do dwóch regularnych
    # komórek znanego wiersza (najmniejsze kwadraty); moment klasy I bez zmian.
    i = W_SIATKA.index(PN66_W)
    b = [s1956_kl23[i][j] for j in PN66_REGULARNE]
    a = [PN66_ZNANE[j] for j in PN66_REGULARNE]
    k = sum(x * y for x, y in zip(a, b)) / sum(x * x for x in b)
    s_pn66_kl1 = razy(s1956_kl1, k)
    m_pn66_kl23 = razy(m1956_kl23, k)
    s_pn66_kl23 = zaokraglij(razy(s1956_kl23, k))
    for j in PN66_REGULARNE:  # wartości znane mają wyjść z metody, nie z wpisania
        assert s_pn66_kl23[i][j] == PN66_ZNANE[j], (j, s_pn66_kl23[i][j])
    wstaw_nieregularnosc(s_pn66_kl23)

    tablice = {
        "M1926DIN": zaokraglij(baza_m),
        "S1926DIN": zaokraglij(baza_s),
        "M1945": zaokraglij(m1945),
        "S1945": zaokraglij(s1945),
        "M1952": zaokraglij(m1952),
        "S1952": zaokraglij(s1952),
        "MKlasaI": zaokraglij(m_kl1),
        "S1956KlasaI": zaokraglij(s1956_kl1),
        "M1956KlasyII_III": zaokraglij(m1956_kl23),
        "SPN66KlasaI": zaokraglij(s_pn66_kl1),
        "MPN66KlasyII_III": zaokraglij(m_pn66_kl23),
        "SPN66KlasyII_III": s_pn66_kl23,
    }
    # Siła 1956 klas II–III to ta sama tablica co siła 1952: te same kolumny
    # wspornika swobodnego dają tę samą prostą.
    assert zaokraglij(s1956_kl23) == tablice["S1952"]
    for nazwa, t in tablice.items():
        sprawdz(nazwa, t, (i, 6) if nazwa == "SPN66KlasyII_III" else None)
    for W, znane in ZNANE_MOMENT.items():
        assert tablice["M1926DIN"][W_SIATKA.index(W)] == znane
    for W, znane in ZNANE_SILA.items():
        assert tablice["S1926DIN"][W_SIATKA.index(W)] == znane
    return tablice, k


# Sloty: grupa tGrupaWspornikow -> (moment, siła).
SLOTY = [
    ("gw1926DIN", "M1926DIN", "S1926DIN"),
    ("gw1945", "M1945", "S1945"),
    ("gw1952", "M1952", "S1952"),
    ("gw1956KlasaI", "MKlasaI", "S1956KlasaI"),
    ("gw1956KlasyII_III", "M1956KlasyII_III", "S1952"),
    ("gwPN66KlasaI", "MKlasaI", "SPN66KlasaI"),
    ("gwPN66KlasyII_III", "MPN66KlasyII_III", "SPN66KlasyII_III"),
]


def liczba(v):
    return "%.1f" % v


def wypisz(tablice, k, wyj):
    p = wyj.write
    p("// Plik wygenerowany przez tools/tablice_wspornikow.py; nie edytować ręcznie.\n")
    p("// Metoda: tools/README.md. Współczynnik PN-66 względem 1956: k = %.6f.\n" % k)
    p('#include "common/TabliceWspornikow.h"\n\n')
    p('#include "common/Asercja.h"\n\n')
    p("namespace {\n")
    for nazwa, t in tablice.items():
        p("\nconstexpr tTablicaWspornika %s = {{\n" % nazwa)
        for W, wiersz in zip(W_SIATKA, t):
            p("    {%s},\n" % ", ".join(liczba(v) for v in [W] + wiersz))
        p("}};\n")
    p("\n// Dwanaście różnych tablic w czternastu miejscach (moment, siła) grup.\n")
    p("constexpr const tTablicaWspornika* Tablice[LiczbaGrupWspornikow][2] = {\n")
    for grupa, m, s in SLOTY:
        p("    {&%s, &%s},  // %s\n" % (m, s, grupa))
    p("};\n\n}  // namespace\n\n")
    p("const tTablicaWspornika& TablicaWspornika(int grupa, bool sila)\n{\n")
    p('    Asercja(grupa >= 0 && grupa < LiczbaGrupWspornikow, "TablicaWspornika: zła grupa");\n')
    p("    return *Tablice[grupa][sila ? 1 : 0];\n}\n")


if __name__ == "__main__":
    tablice, k = zbuduj()
    wypisz(tablice, k, sys.stdout)
