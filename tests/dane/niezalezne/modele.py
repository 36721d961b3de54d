"""Niezalezne przeliczenie modeli obciazen PN-85/S-10030 i PN-66/B-02015,
rozpietosci zastepczych, wspolczynnikow przeciazenia i pojazdow umownych.

Napisane wprost ze wzorow normowych, bez zagladania do kodu C++: sluzy do
sprawdzania wartosci oczekiwanych w testach (jednostkowe.py, przypadki.py)."""
import math


# ---------------------------------------------------------------- rozklad poprzeczny
def eta_dzw(n, B, x):
    """Rzedna linii wplywu skrajnego dzwigara (n dzwigarow, rozstaw skrajnych B)."""
    return 2.0 / (n * n + n) * (2 * n - 1 - 3 * (n - 1) * x / B)


def pasma(P):
    """Liczba pasm plyty (round-half-even z P + 1e-6, co najmniej 1) i rozstaw skrajnych."""
    N = max(round(P + 0.000001), 1)
    return N, (N - 1) * P / N


def rzedne_plyty(P, L):
    N, Bs = pasma(P)
    a = min(2.0, max(0.4, Bs / L))
    if a <= 1.2:
        e1 = 0.949865 / P + (0.000460234 * P**2 - 0.017379792 * P + 0.275194604) * a
    elif a <= 1.6:
        e1 = 1.147905 / P + (0.000248798 * P**2 - 0.011106999 * P + 0.216635487) * a
    else:
        e1 = 1.45105757 / P + (0.147563681 - 0.003690531 * P) * a
    if a <= 0.8:
        en = 1.01507 / P - (0.0006222222 * P**2 - 0.019983547 * P + 0.210695943) * a
    elif a <= 1.2:
        en = 0.843520087 / P - (0.0004888889 * P**2 - 0.015273264 * P + 0.155975557) * a
    elif a <= 1.6:
        en = 0.584460963 / P - (0.0001854431 * P**2 - 0.006610225 * P + 0.077988915) * a
    else:
        en = 0.316531875 / P - (0.021965934 - 0.000861416 * P) * a
    return e1, en


def parabola(e1, en, B, x):
    return e1 - (e1 - en) * x * (2 * B - x) / B**2


def fi(Dl):
    return 1.35 - 0.005 * Dl if Dl <= 70 else 1.0


# ---------------------------------------------------------------- PN-85/S-10030
PN85_F = {'A': 200, 'B': 150, 'C': 100, 'D': 80, 'E': 60}
PN85_q = {'A': 4.0, 'B': 3.0, 'C': 2.0, 'D': 1.6, 'E': 1.2}   # kN/m2 jezdni


def pn85_ms(k, L):
    if k == 'C':
        return 60 - 72 / L if L < 7.2 else 75 - 180 / L
    if k == 'D':
        return 30 if L < 7.2 else 50 - 144 / L
    if k == 'E':
        return 25 if L < 7.2 else 37.5 - 90 / L
    return None


def pn85_ts(k, L):
    if k == 'C':
        return 240 - 144 / L if L < 4.8 else 300 - 432 / L
    if k == 'D':
        return 120 if L < 3.6 else 200 - 288 / L
    if k == 'E':
        return 100 if L < 3.6 else 150 - 180 / L
    return None


def pn85_laczenie(k, L, f, etaK, etaS, pole_q, pole_c):
    """Pojazd K + jezdnia q/8, q/2 + chodnik 2,5/8, 2,5/2, albo sam pojazd S + chodnik."""
    F, q = PN85_F[k], PN85_q[k]
    M = F * (1 - 2.4 / L) * etaK + (q / 8 * pole_q + 2.5 / 8 * pole_c) / f
    T = F * (4 - 7.2 / L) * etaK + (q / 2 * pole_q + 2.5 / 2 * pole_c) / f
    if k in 'CDE':
        M = max(M, pn85_ms(k, L) * etaS + 2.5 / 8 * pole_c / f)
        T = max(T, pn85_ts(k, L) * etaS + 2.5 / 2 * pole_c / f)
    return M, T


def pn85_0(k, n, B, c, e, L, Dl):
    x0 = c - e
    w = (2 * n - 1) * B / (3 * (n - 1)) - x0
    return pn85_laczenie(k, L, fi(Dl), eta_dzw(n, B, x0 + 2), 2 * eta_dzw(n, B, x0 + 2.8),
                         w * L * eta_dzw(n, B, x0) / 2, c * L * eta_dzw(n, B, c / 2 - e))


def pn85_5(k, n, B, c, e, g, kk, L, Dl):
    x0 = c + g + kk - e
    w = (2 * n - 1) * B / (3 * (n - 1)) - x0
    cc = c if c >= 0.5 else 0.0
    return pn85_laczenie(k, L, fi(Dl), eta_dzw(n, B, x0 + 2), 2 * eta_dzw(n, B, x0 + 2.8),
                         w * L * eta_dzw(n, B, x0) / 2, cc * L * eta_dzw(n, B, 0.5 * c + g + kk - e))


def pn85_1(k, n, B, e, L, Dl):
    S = (2 * n - 1) * B / (3 * (n - 1)) + e - 0.5
    return pn85_laczenie(k, L, fi(Dl), eta_dzw(n, B, 2.5 - e), 2 * eta_dzw(n, B, 3.625 - e),
                         S * L * eta_dzw(n, B, 0.5 - e) / 2, 0.0)


def pn85_2(k, B, c, g, kk, L, k1k2, Dl):
    return pn85_laczenie(k, L, fi(Dl), 1 - (0.5 * g + 2 + kk) / B, 2 - (5.6 + g + 2 * kk) / B,
                         (B - g - k1k2) * L * 0.5, c * L * (1 + 0.5 * (c + g) / B))


def pn85_plyta(k, P, Dl, L, polozenie_x0, W, pole_c_szer):
    N, Bs = pasma(P)
    e1, en = rzedne_plyty(P, Dl)
    RP = lambda x: parabola(e1, en, Bs, x)
    x0 = polozenie_x0 - P / (2 * N)
    M, _ = pn85_laczenie(k, L, fi(Dl), RP(x0 + 2), RP(x0 + 1.175) + RP(x0 + 4.425),
                         W * L * RP(x0 + W / 2), pole_c_szer * L * e1)
    return M, 1e20


def pn85_3(k, a1a2, b, c, e, L, P, Dl):
    return pn85_plyta(k, P, Dl, L, c - e, b + a1a2, c)


def pn85_6(k, a1a2, b, c, e, L, P, g, kk, Dl):
    return pn85_plyta(k, P, Dl, L, c + g + kk - e, b + a1a2, c if c >= 0.5 else 0.0)


def pn85_4(k, a1a2, b, L, P, Dl):
    N, Bs = pasma(P)
    e1, en = rzedne_plyty(P, Dl)
    RP = lambda x: parabola(e1, en, Bs, x)
    W = b + a1a2 - 1.0
    h = P / (2 * N)
    M, _ = pn85_laczenie(k, L, fi(Dl), RP(2.5 - h), RP(2.0 - h) + RP(5.25 - h),
                         W * L * RP((W - P / N + 1.0) / 2), 0.0)
    return M, 1e20


# ---------------------------------------------------------------- PN-66/B-02015
def pn66_pas(kl, L):
    """Moment i sila jednego pasa, naddatek d, odsuniecie wypadkowej o."""
    if kl == 1:
        return 0.6 * L - 38.4 / L + 24, 2.4 * L - 76.8 / L + 96, 0.9, 0.45
    if kl == 2:
        return 0.5 * L + 10, 2 * L + 40, 1.0, 0.5
    return 0.3 * L + 6, 1.2 * L + 24, 1.2, 0.6


def pn66_r(m):
    return 1.0 if m <= 3 else 0.9 if m == 4 else 0.8 if m <= 6 else 0.7


def ile_pasow(szer):
    return math.floor(szer / 1.5 + 1e-10) if szer >= 0 else math.ceil(szer / 1.5 + 1e-10)


def pn66_0(kl, B, c, e, L, n, Dl):
    Mp, Tp, d, o = pn66_pas(kl, L)
    m = ile_pasow((2 * n - 1) * B / (3 * (n - 1)) + e - c + d)
    assert m >= 2
    er = eta_dzw(n, B, c - e + 0.75 * m - o)
    ec = eta_dzw(n, B, 0.5 * c - e - 0.25)
    A = L * ec / fi(Dl)
    r = pn66_r(m)
    return Mp * m * r * er + 0.375 * (c - 0.5) * A, Tp * m * r * er + 1.5 * (c - 0.5) * A


def pn66_1(kl, B, e, L, n, Dl):
    Mp, Tp, d, o = pn66_pas(kl, L)
    m = ile_pasow((2 * n - 1) * B / (3 * (n - 1)) + e + d - 0.5)
    assert m >= 2
    er = eta_dzw(n, B, 0.75 * m - e + 0.5 - o)
    return Mp * m * pn66_r(m) * er, Tp * m * pn66_r(m) * er


def pn66_2(kl, B, c, g, kk, k1k2, L, Dl):
    Mp, Tp, d, o = pn66_pas(kl, L)
    m = ile_pasow(B - g - k1k2 + d)
    assert m >= 2
    er = 1 - (0.75 * m + kk + 0.5 * g - o) / B
    A2 = c * L * (1 + 0.5 * (c + g) / B) / fi(Dl)
    return Mp * m * pn66_r(m) * er + 0.375 * A2, Tp * m * pn66_r(m) * er + 1.5 * A2


def pn66_5(kl, B, c, g, kk, e, L, n, Dl):
    Mp, Tp, d, o = pn66_pas(kl, L)
    x0 = c + g + kk - e
    m = ile_pasow((2 * n - 1) * B / (3 * (n - 1)) - x0 + d)
    assert m >= 2
    er = eta_dzw(n, B, x0 + 0.75 * m - o)
    ec = eta_dzw(n, B, 0.5 * c + g + kk - e - 0.25)
    x = c if c >= 0.5 else 0.0
    f = fi(Dl)
    return (Mp * m * pn66_r(m) * er + 0.375 * x * L * ec / f,
            Tp * m * pn66_r(m) * er + 1.5 * x * L * ec / f)


def pn66_3(kl, a1a2, b, c1c2, P, L, Dl):
    Mp, Tp, d, o = pn66_pas(kl, L)
    _, Bs = pasma(P)
    m = ile_pasow(b + a1a2 + d)
    return (Mp * m * pn66_r(m) + 0.375 * (c1c2 - 1.0) * L / fi(Dl)) / Bs, 1e20


def pn66_4(kl, b, a1a2, L, P, Dl):
    Mp, Tp, d, o = pn66_pas(kl, L)
    _, Bs = pasma(P)
    m = ile_pasow(b + a1a2 + d - 1.0)
    return Mp * m * pn66_r(m) / Bs, 1e20


def pn66_6(kl, a1a2, b, C1, C2, P, L, Dl):
    Mp, Tp, d, o = pn66_pas(kl, L)
    _, Bs = pasma(P)
    X = (C1 if C1 >= 0.5 else 0.0) + (C2 if C2 >= 0.5 else 0.0)
    m = ile_pasow(b + a1a2 + d)
    return (Mp * m * pn66_r(m) + 0.375 * X * L / fi(Dl)) / Bs, 1e20
