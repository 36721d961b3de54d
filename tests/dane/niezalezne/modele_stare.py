"""Niezależne przeliczenie modeli obciążeń normatywów 1926, 1945, 1952, 1956 i DIN 1072.

Arytmetyka dokładna (ułamki), stałe wpisane wprost z tablic normatywów, bez zaglądania
do kodu C++. Każda funkcja zwraca (M1N, TN); None w miejscu TN = nie dotyczy (płyty).
Wartości dla testów zapisuje jednostkowe.py.
"""
from fractions import Fraction as F


def f(x):
    return F(str(x))


def fi(L):
    L = f(L)
    return f("1.35") - f("0.005") * L if L <= 70 else F(1)


def trunc(x):
    # liczba pasów: część całkowita x + 1e-10
    import math
    return int(math.trunc(x + f("1e-10")))


def etaG(n, B, x):
    n, B, x = f(n), f(B), f(x)
    return F(2) / (n * n + n) * (2 * n - 1 - 3 * (n - 1) * x / B)


def liczba_pasm(P):
    P = f(P) + f("0.000001")
    fl = int(P)
    r = P - fl
    N = fl + 1 if r > F(1, 2) else fl if r < F(1, 2) else (fl if fl % 2 == 0 else fl + 1)
    return max(N, 1)


def Bs(P):
    N = liczba_pasm(P)
    return (N - 1) * f(P) / N


# ------------------------------------------------------------------ 1956
def r1956(m):
    if m <= 2: return F(1)
    if m <= 4: return f("0.9")
    if m <= 6: return f("0.8")
    if m <= 8: return f("0.7")
    return f("0.6")


def vm1956(k, L):
    L = f(L)
    return {1: f("0.6") * L - f("38.4") / L + 24, 2: f("0.6") * L + 12, 3: f("0.4") * L + 8}[k]


def vt1956(k, L):
    L = f(L)
    return {1: f("2.4") * L - f("76.8") / L + 96, 2: f("2.4") * L + 48, 3: f("1.6") * L + 32}[k]


U1956 = {1: (f("0.9"), f("0.45")), 2: (f("0.9"), f("0.45")), 3: (f("1.1"), f("0.55"))}


def n1956_p0(k, B, c, e, L, n, Dl):
    B, c, e, n = f(B), f(c), f(e), f(n)
    u, s = U1956[k]
    w = (2 * n - 1) * B / (3 * (n - 1)) + e - c
    m = trunc((w + u) / f("1.5"))
    assert m >= 2, "Zła liczba pasm płyty"
    psi = etaG(n, B, c - e + f("0.75") * m - s)
    psic = etaG(n, B, c / 2 - e - f("0.25"))
    q = f(L) * psic / fi(Dl)
    fm = m * r1956(m)
    return (vm1956(k, L) * fm * psi + f("0.375") * (c - f("0.5")) * q,
            vt1956(k, L) * fm * psi + f("1.5") * (c - f("0.5")) * q)


def n1956_p1(k, B, e, L, n, Dl):
    B, e, n = f(B), f(e), f(n)
    A = (2 * n - 1) * B / (3 * (n - 1))
    if k in (1, 2):
        m = trunc((A + e + f("0.4")) / f("1.5")); psi = etaG(n, B, f("0.75") * m - e + f("0.05"))
    else:
        m = trunc((A + e + f("0.6")) / f("1.5")); psi = etaG(n, B, f("0.75") * m - e - f("0.05"))
    assert 1 <= m <= 11
    return vm1956(k, L) * m * r1956(m) * psi, vt1956(k, L) * m * r1956(m) * psi


def n1956_p2(k, B, c, g1, kk, k1k2, L, Dl):
    B, c, g1, kk, k1k2 = map(f, (B, c, g1, kk, k1k2))
    u, s = U1956[k]
    m = trunc((B - g1 - k1k2 + u) / f("1.5"))
    assert 1 <= m <= 11
    psi = 1 - (f("0.75") * m + kk + g1 / 2 - s) / B
    beta = 1 + (c + g1) / 2 / B
    q = c * f(L) * beta / fi(Dl)
    return (vm1956(k, L) * m * r1956(m) * psi + f("0.375") * q,
            vt1956(k, L) * m * r1956(m) * psi + f("1.5") * q)


def n1956_p3(k, a1a2, b, c1c2, L, P, Dl):
    W = f(b) + f(a1a2)
    m = trunc((W + U1956[k][0]) / f("1.5"))
    return (m * r1956(m) * vm1956(k, L) + f("0.375") * (f(c1c2) - 1) * f(L) / fi(Dl)) / Bs(P), None


def n1956_p4(k, a1a2, b, L, P, Dl):
    W = f(b) + f(a1a2)
    m = trunc((W + (f("0.1") if k == 3 else f("-0.1"))) / f("1.5"))
    return m * r1956(m) * vm1956(k, L) / Bs(P), None


# ------------------------------------------------------------------ 1952
def vm1952(k, L):
    return {1: f("0.5"), 2: f("0.375"), 3: f("0.25")}[k] * f(L) + {1: 10, 2: f("7.5"), 3: 5}[k]


def n1952_p0(k, B, c, e, L, n, Dl):
    B, c, e, n = map(f, (B, c, e, n))
    S = (2 * n - 1) * B / (3 * (n - 1)) + e - c + f("0.5")
    lam = (1 + f("4.5") / S) / 2
    V = S * lam * etaG(n, B, c - e - f("0.5")) / 2
    q = f(L) * etaG(n, B, c / 2 - e - f("0.25")) / fi(Dl)
    return (vm1952(k, L) * V + f("0.375") * (c - f("0.5")) * q,
            4 * vm1952(k, L) * V + f("1.5") * (c - f("0.5")) * q)


def n1952_p2(k, B, c, g1, kk, k1k2, L, Dl):
    B, c, g1, k1k2 = map(f, (B, c, g1, k1k2))
    S = B - g1 - k1k2 + f("0.5")
    lam = (1 + f("4.5") / S) / 2
    psi = 1 - (B - f("0.5")) / (2 * B)
    beta = 1 + (c + g1) / 2 / B
    V = S * lam * psi
    q = c * f(L) * beta / fi(Dl)
    return vm1952(k, L) * V + f("0.375") * q, 4 * vm1952(k, L) * V + f("1.5") * q


def n1952_p3(k, b, a1a2, c1c2, L, P, Dl):
    W = f(b) + f(a1a2)
    lam = (1 + f("4.5") / W) / 2
    return (W * lam * vm1952(k, L) + f("0.375") * (f(c1c2) - 1) * f(L) / fi(Dl)) / Bs(P), None


# ------------------------------------------------------------------ 1945 i 1926
INF = None


def wiel(rows, L):
    L = f(L)
    for g, a3, a2, a1, a0 in rows:
        if g is None or L <= f(g):
            return f(a3) * L ** 3 + f(a2) * L ** 2 + f(a1) * L + f(a0)


PM45H = [(6, 0, "0.1875", "3.875", "1.6875"), (9, 0, "0.1875", "7.20833", "-18.3125"),
         (50, 0, "0.375", "3.83333", "-3.125"), (100, "-0.0025", "0.53", "2.22083", "2.5"),
         (None, 0, "0.25", "5.33333", "-8.75")]
PM45H2 = PM45H[:4] + [(None, 0, "0.25", F(16, 3), "-8.75")]
PM45F = [(6, 0, "0.375", "7.75", "3.375"), (9, 0, "0.375", "14.41666", "-36.625"),
         (50, 0, "0.75", "7.66666", "-6.25"), (100, "-0.005", "1.06", "4.44166", "5"),
         (None, 0, "0.5", "10.66666", "-17.5")]
PT45H = [("4.5", 0, 0, "33.33333", "-40"), (50, 0, "1.5", "19.83333", "-9.625"),
         (100, "-0.01", "2.09", "15.13083", "0.5"), (None, 0, "1.0", "24.33333", "-19.75")]
PT45F = [("4.5", 0, 0, "66.66666", "-79.99999"), (50, 0, "3", "39.66666", "-19.25"),
         (100, "-0.02", "4.18", "30.26166", "1"), (None, 0, "2", "48.66666", "-39.5")]
CM45 = [(50, 0, 0, "0.75", 0), (100, 0, "-0.005", 1, 0), (None, 0, 0, "0.5", 0)]
CT45 = [(50, 0, 0, 3, 0), (100, 0, "-0.02", 4, 0), (None, 0, 0, 2, 0)]
PM26H = [(6, 0, "0.15625", "5.0625", "1.40625"), (9, 0, "0.15625", "9.0625", "-22.59375"),
         (50, 0, "0.3125", "6.25", "-9.9375"), (100, "-0.00125", "0.39", "5.44375", "-7.125"),
         (None, 0, "0.25", 7, "-12.75")]
PT26H = [("4.5", 0, 0, 40, -48), (50, 0, "1.25", "28.75", "-22.6875"),
         (100, "-0.005", "1.545", "26.39875", "-17.625"), (None, 0, 1, 31, "-27.75")]
CM26 = [(50, 0, 0, "0.625", 0), (100, 0, "-0.0025", "0.75", 0), (None, 0, 0, "0.5", 0)]
CT26 = [(50, 0, 0, "2.5", 0), (100, 0, "-0.01", 3, 0), (None, 0, 0, 2, 0)]
KL45 = {1: F(1), 2: f("0.75"), 3: f("0.5")}
KL26 = {1: F(1), 2: f("0.8"), 3: f("0.4")}


def zakres(L, Lmax):
    assert 3 <= f(L) <= Lmax, "zakres L"


def n1945_p0(k, n, B, c1c2, L, Dl):
    zakres(L, 120); assert n > 1
    rho = f(B) / (n - 1) / f(L)
    Fn = fi(Dl) * n
    M = wiel(PM45F, L) * rho + (f(c1c2) - 1) * wiel(CM45, L) / Fn
    T = wiel(PT45F, L) * rho + (f(c1c2) - 1) * wiel(CT45, L) / Fn
    return M * KL45[k], T * KL45[k]


def n1945_p0n2(k, a1a2, b, c, L, Dl):
    zakres(L, 120)
    rho = ((f(b) + f(a1a2)) / 2 + 3) / f(L)
    M = wiel(PM45H, L) * rho + (f(c) - f("0.5")) * wiel(CM45, L) / fi(Dl)
    T = wiel(PT45H, L) * rho + (f(c) - f("0.5")) * wiel(CT45, L) / fi(Dl)
    return M * KL45[k], T * KL45[k]


def n1945_p2(k, B, c, g1, k1k2, L, Dl):
    zakres(L, 120)
    rho = ((f(B) - f(g1) - f(k1k2)) / 2 + 3) / f(L)
    M = wiel(PM45H2, L) * rho + f(c) * wiel(CM45, L) / fi(Dl)
    T = wiel(PT45H, L) * rho + f(c) * wiel(CT45, L) / fi(Dl)
    return M * KL45[k], T * KL45[k]


def plyta(q, A1, A2, B2, L):
    L = f(L); d = L - 3
    if L <= 6: return (q * d * d + A1 * L) / L
    if L <= 9: return (q * d * d + A2 * L - B2) / L
    return (2 * q * (L * L - 12 * L + 45) + A2 * L - B2) / L


def n1945_p3(k, L):
    zakres(L, 100)
    return plyta(f("0.375"), 10, f("16.66666"), 40, L) * KL45[k], None


def razy5(rows):
    return [(g, 5 * f(a3), 5 * f(a2), 5 * f(a1), 5 * f(a0)) for g, a3, a2, a1, a0 in rows]


def n1926_p0(k, n, B, c1c2, L):
    assert f(L) != 270; zakres(L, 120); assert n >= 2
    rho = f("0.4") * f(B) / ((n - 1) * f(L))
    w = (f(c1c2) - f("0.8")) / n
    return ((wiel(razy5(PM26H), L) * rho + wiel(CM26, L) * w) * KL26[k],
            (wiel(razy5(PT26H), L) * rho + wiel(CT26, L) * w) * KL26[k])


def n1926_p0n2(k, a1a2, b, c, L):
    zakres(L, 120)
    rho = ((f(b) + f(a1a2)) / 2 + f("2.5")) / f(L)
    M = wiel(PM26H, L) * rho + (f(c) - f("0.4")) * wiel(CM26, L)
    T = wiel(PT26H, L) * rho + (f(c) - f("0.4")) * wiel(CT26, L)
    return M * KL26[k], T * KL26[k]


def n1926_p2(k, B, c, g1, k1k2, L):
    zakres(L, 120)
    rho = ((f(B) - f(g1) - f(k1k2)) / 2 + f("2.5")) / f(L)
    M = wiel(PM26H, L) * rho + f(c) * wiel(CM26, L)
    T = wiel(PT26H, L) * rho + f(c) * wiel(CT26, L)
    return M * KL26[k], T * KL26[k]


def n1926_p3(k, L):
    zakres(L, 100)
    return plyta(f("0.3125"), 12, 20, 48, L) * KL26[k], None


# ------------------------------------------------------------------ DIN 1072
DIN = {  # q, h, s, A<=6, (A>6), B<=6, (B>6), TA, TB, tłum M, tłum T
    1: ("0.3125", "5.25", "2.5", 14, (24, 60), 8, (12, 24), (96, 120), (48, 48), "0.625", "2.5"),
    2: ("0.28125", "4.75", "2.25", 9, (16, 42), 6, (9, 18), (64, 84), (36, 36), "0.5625", "2.25"),
    3: ("0.25", "4.25", "2.0", 5, (7, 12), "4.5", (6, 9), (28, 24), (24, 18), "0.5", "2.0"),
}


def din_poly(k, L):
    q, h, s, A1, A2, B1, B2, TA, TB, cm, ct = DIN[k]
    q, h, s, L = f(q), f(h), f(s), f(L)
    if L <= 9: QM = q * (L - 3) ** 2
    elif L <= 25: QM = q * (2 * L * L - 24 * L + 90)
    else: QM = (h - f("0.01") * L) * (2 * L * L - 24 * L + 90) / 16
    if L <= f("4.5"): QT = 0
    elif L <= 25: QT = s * (L - f("4.5")) ** 2
    else: QT = (h - f("0.01") * L) / 2 * (L - f("4.5")) ** 2
    PA = QM + (f(A1) * L if L <= 6 else A2[0] * L - A2[1])
    PB = QM + (f(B1) * L if L <= 6 else B2[0] * L - B2[1])
    return PA, PB, QT + TA[0] * L - TA[1], QT + TB[0] * L - TB[1], f(cm), f(ct)


def din_p0(k, n, B, c, e, L, Dl):
    zakres(L, f("91.5"))
    B, c, e, L = map(f, (B, c, e, L))
    S = (2 * n - 1) * B / (3 * (n - 1)) + e - c
    gp = etaG(n, B, c - e + f("1.25")); gs = etaG(n, B, S / 2 + c - e + f("1.25")); gc = etaG(n, B, c / 2 - e)
    A = f("2.5") * gp / L; Bq = (S - f("2.5")) * gs / L; C = gc * c * L / fi(Dl)
    PA, PB, TA, TB, cm, ct = din_poly(k, L)
    return PA * A + PB * Bq + cm * C, TA * A + TB * Bq + ct * C


def din_p2(k, B, c, g1, kk, k1k2, L, Dl):
    zakres(L, f("91.5"))
    B, c, g1, kk, k1k2, L = map(f, (B, c, g1, kk, k1k2, L))
    S = B - k1k2 - g1
    gp = 1 - (g1 / 2 + kk + f("1.25")) / B
    gs = 1 - (S / 2 + kk + g1 / 2 + f("1.25")) / B
    gc = 1 + (c + g1) / 2 / B
    A = f("2.5") * gp / L; Bq = (S - f("2.5")) * gs / L; C = gc * c * L / fi(Dl)
    PA, PB, TA, TB, cm, ct = din_poly(k, L)
    return PA * A + PB * Bq + cm * C, TA * A + TB * Bq + ct * C


def din_p3(k, L):
    zakres(L, 100)
    q, h, s, A1, A2 = DIN[k][:5]
    return plyta(f(q), f(A1), A2[0], A2[1], L), None

