"""Niezalezne przeliczenie elementu obiektu PN-85/S-10030 i PN-66/B-02015: rozpietosci
zastepcze, modele obciazen obu stron (modele.py), wspolczynniki przeciazenia i pojazdy
umowne. Elementy rodzajow 0..7 oraz ramiona 8 i 9 wedlug wzorow PN-85/S-10030.
Uzywaja go przypadki.py i jednostkowe.py."""
import math
from modele import *

# rodzaj -> (cM, cT)
WSP_PN85 = {0: (1, 1), 1: (0.846, 1.212), 2: (0.837, 1.228), 3: (0.726, 1.053),
            4: (0.768, 1.355), 5: (0.786, 1.318), 6: (0.6, 1.11)}
WSP_PN66_I = {0: (1, 1), 1: (0.856, 1.152), 2: (0.847, 1.176), 3: (0.742, 1.016),
              4: (0.778, 1.237), 5: (0.797, 1.214), 6: (0.616, 1.032)}
WSP_PN66_II = {0: (1, 1), 1: (0.858, 1.125), 2: (0.85, 1.113), 3: (0.751, 1.0),
               4: (0.783, 1.2), 5: (0.801, 1.182), 6: (0.625, 1.0)}

# swobodny wspornik: W -> (LM, LT); W = 1.5 .. 15 co 0.5
_W = [1.5 + 0.5 * i for i in range(28)]
_PN85_LM = [4.5, 5.5, 6.5, 8, 9.5, 11, 13, 14.5, 16.5, 18, 20, 21.5, 23, 25, 26.5, 28, 29.5,
            31.5, 33, 34.5, 36, 37.5, 39, 40.5, 42, 43.5, 45, 46.5]
_PN85_LT = [7, 7, 7, 7, 7.5, 20, 21, 21.5, 22, 23, 23.5, 24, 25, 25.5, 26.5, 27, 28, 28.5,
            29.5, 30, 31, 32, 32.5, 33.5, 34.5, 35, 36, 37]
_PN66_I_LM = [4, 6, 7.5, 9, 10.5, 12, 13.5, 15, 16.5, 18, 19.5, 20.5, 22, 23.5, 24.5, 26, 27,
              28.5, 29.5, 31, 32, 33, 34.5, 35.5, 37, 38, 39, 40.5]
_PN66_I_LT = [7.5, 8, 8.5, 9.5, 10, 11, 11.5, 12.5, 13.5, 14, 15, 16, 17, 18, 18.5, 19.5, 20.5,
              21.5, 22.5, 23.5, 24.5, 25.5, 26, 27, 28, 29, 30, 31]
_PN66_II_LM = [5, 6.5, 8, 9.5, 10.5, 12, 13.5, 14.5, 15.5, 17, 18, 19, 20.5, 21.5, 22.5, 24,
               24.5, 26, 27, 28, 29, 30.5, 31.5, 32.5, 33.5, 34.5, 36, 36.5]
_PN66_II_LT = [3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17, 18, 19, 20, 21, 22, 23, 24,
               25, 26, 27, 28, 29, 30]


def tablica1(W, kol):
    if W <= _W[0]:
        return kol[0]
    if W >= _W[-1]:
        return kol[-1]
    k = next(i for i in range(1, 28) if W <= _W[i])
    return kol[k - 1] + (kol[k] - kol[k - 1]) * (W - _W[k - 1]) / (_W[k] - _W[k - 1])


def _przedzial(W, L):
    a = W / L
    for a0, a1, g in ((0.1, 0.3, 0.3), (0.3, 0.5, 0.5), (0.5, 0.7, 0.7), (0.7, 0.9, 0.9)):
        if a <= g:
            return a, a0, a1
    return a, 0.9, 1.0


def lz_moment_pn85(W, L):
    if L <= 0.01:
        return 0.0
    def C(al):
        k = {0.1: (44, 4668.44444), 0.3: (17.33333, 4476.44444), 0.5: (12, 4364.44444),
             0.7: (9.7142857, 4268.44444), 0.9: (8.44444, 4172.44444)}
        if al == 1.0:
            if W < 2.4:
                return math.sqrt(8 * W * W + 400 * W + 4444.44444) - 66.66666
            return math.sqrt(8 * W * W + 533.333333 * W + 4124.44444) - 66.66666
        a, c = k[al]
        return math.sqrt(a * W * W + 533.333333 * W + c) - 66.66666
    a, a0, a1 = _przedzial(W, L)
    return C(a0) + (a - a0) * (C(a1) - C(a0)) / (a1 - a0)


def lz_sila_pn85(W, L):
    if L <= 0.01:
        return 0.0
    wsp = {0.1: (0.36, (4.2, -0.6), (4.1, -0.36)), 0.3: (0.16, (4.6, -1.8), (4.3, -1.08)),
           0.5: (0.12, (5, -3), (4.5, -1.8)), 0.7: (0.102857, (5.4, -4.2), (4.7, -2.52)),
           0.9: (0.093333, (5.8, -5.4), (4.9, -3.24)), 1.0: (0.09, (6, -6), (5, -3.6))}
    def C(al):
        a2, p1, p2 = wsp[al]
        b1, b0 = p1 if W < 2.4 else p2 if W < 3.6 else (4, 0)
        t = (a2 * W * W + b1 * W + b0) / W
        u = 16.66666 * (4 - t)
        return math.sqrt(u * u + 240) - u
    a, a0, a1 = _przedzial(W, L)
    return C(a0) + (a - a0) * (C(a1) - C(a0)) / (a1 - a0)


def rozpietosci(norma, klasa, rodzaj, L, W):
    if norma == 5:
        if rodzaj <= 6:
            cM, cT = WSP_PN85[rodzaj]
            return cM * L, cT * L
        if rodzaj == 7:
            return tablica1(W, _PN85_LM), tablica1(W, _PN85_LT)
        return lz_moment_pn85(W, L), lz_sila_pn85(W, L)
    assert norma == 4 and rodzaj <= 7
    if rodzaj <= 6:
        cM, cT = (WSP_PN66_I if klasa == 0 else WSP_PN66_II)[rodzaj]
        return cM * L, cT * L
    if klasa == 0:
        return tablica1(W, _PN66_I_LM), tablica1(W, _PN66_I_LT)
    return tablica1(W, _PN66_II_LM), tablica1(W, _PN66_II_LT)


# ---------------------------------------------------------------- przeciazenie
def gamma(typ, n, a, b, B, c, e, g, k, P, L):
    if typ in (3, 4, 6):
        _, B = pasma(P)
        e1, en = rzedne_plyty(P, L)
        h = P / (2 * n)
        x0 = {3: c - e - h + a, 4: a - h, 6: c + g + k - e - h + a}[typ]
        x1, x2 = x0 + 1.5, x0 + 0.75 * b
        S = lambda x: parabola(e1, en, B, x)
        return max(S(x1), S(x1) + S(x2))
    if typ == 2:
        x1 = 0.5 * g + k + a + 1.5
        x2 = 0.5 * g + k + a + 0.75 + 0.375 * b
        return max(1 - x1 / B, 2 - x2 / (0.5 * B))
    x0 = {0: c - e + a, 1: a - e, 5: c + g + k - e + a}[typ]
    return max(eta_dzw(n, B, x0 + 1.5), 2 * eta_dzw(n, B, x0 + 0.75 + 0.375 * b))


# ---------------------------------------------------------------- pojazdy umowne
MASY = [42, 32, 24, 16, 10, 0]


def pojazd(k, L):
    if k == 1:
        M = 0.625 * L + (60 - 112 / L if L <= 12.64 else 85 - 428 / L if L <= 16.8 else 105 - 764 / L)
        T = 2.5 * L + (240 - 336 / L if L <= 8 else 340 - 1136 / L if L <= 11.2 else 420 - 2032 / L)
    elif k == 2:
        M = 0.5 * L + ((50 * L * L - 100 * L + 50) / L**2 if L <= 10.66 else
                       (67.5 * L - 282) / L if L <= 16.8 else (80 * L - 492) / L)
        T = 2 * L + (200 - 200 / L if L <= 7.2 else 270 - 704 / L if L <= 10.4 else 320 - 1224 / L)
    elif k == 3:
        M = 0.5 * L + ((40 * L - 56) / L if L <= 8.4 else (60 * L - 224) / L)
        T = 2 * L + (160 - 112 / L if L <= 5.6 else 240 - 560 / L)
    elif k == 4:
        M = 0.375 * L + (25 if L <= 9 else (40 * L - 135) / L)
        T = 1.5 * L + (100 if L <= 4.5 else 160 - 270 / L)
    elif k == 5:
        M = 0.25 * L + (15 if L <= 8 else (25 * L - 80) / L)
        T = 100 - 160 / L + L
    else:
        M = T = 0.0
    return M, T


def masa(efekty, wartosc):
    if wartosc >= efekty[0]:
        return 42.0
    if wartosc < efekty[5]:
        return 0.0
    for k in range(5):
        hi, lo = efekty[k], efekty[k + 1]
        if hi >= wartosc >= lo:
            return MASY[k + 1] + (MASY[k] - MASY[k + 1]) / (hi - lo) * (wartosc - lo)
    return 0.0


def masa_pojazdu(LM, LT, MP, TP):
    assert LM >= 3 and LT >= 3
    Ms = [pojazd(k, LM)[0] for k in range(1, 7)]
    Ts = [pojazd(k, LT)[1] for k in range(1, 7)]
    return min(masa(Ms, MP), masa(Ts, TP))


# ---------------------------------------------------------------- caly obiekt
def model(o, s, L, Dl):
    """M1N i TN strony s (1 lewa, 2 prawa) dla rozpietosci L i dlugosci Dl."""
    a, c, cin, e, k = ((o['a1'], o['c1'], o['c2'], o['e1'], o['k1']) if s == 1 else
                       (o['a2'], o['c2'], o['c1'], o['e2'], o['k2']))
    typ, n, B, b, P = o['typ'], o['n'], o['B'], o['b'], o['P']
    g = o['g2'] if s == 2 and typ in (5, 6) else o['g1']
    a12, k12, c12 = o['a1'] + o['a2'], o['k1'] + o['k2'], o['c1'] + o['c2']
    if o['norma'] == 5:
        kl = 'ABCDE'[o['klasa']]
        return {0: lambda: pn85_0(kl, n, B, c, e, L, Dl), 1: lambda: pn85_1(kl, n, B, e, L, Dl),
                2: lambda: pn85_2(kl, B, c, o['g1'], k, L, k12, Dl),
                3: lambda: pn85_3(kl, a12, b, c, e, L, P, Dl), 4: lambda: pn85_4(kl, a12, b, L, P, Dl),
                5: lambda: pn85_5(kl, n, B, c, e, g, k, L, Dl),
                6: lambda: pn85_6(kl, a12, b, c, e, L, P, g, k, Dl)}[typ]()
    kl = o['klasa'] + 1
    return {0: lambda: pn66_0(kl, B, c, e, L, n, Dl), 1: lambda: pn66_1(kl, B, e, L, n, Dl),
            2: lambda: pn66_2(kl, B, c, o['g1'], k, k12, L, Dl),
            3: lambda: pn66_3(kl, a12, b, c12, P, L, Dl), 4: lambda: pn66_4(kl, b, a12, L, P, Dl),
            5: lambda: pn66_5(kl, B, c, g, k, e, L, n, Dl),
            6: lambda: pn66_6(kl, a12, b, c, cin, P, L, Dl)}[typ]()

