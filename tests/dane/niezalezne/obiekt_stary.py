"""Niezależne przeliczenie elementów obiektów normatywów 1926, 1945, 1952, 1956 i DIN 1072.

Odtwarza wprost z opisu obliczeń: rozpiętości zastępcze przęseł (mnożniki rodzajów 0–6),
modele obciążeń (modele_stare.py), współczynniki przeciążenia obu stron i przeliczenie
na pojazd umowny. Arytmetyka dokładna. Używają go przypadki.py i jednostkowe.py.
"""
from fractions import Fraction as F

import modele_stare as m
from modele_stare import f, etaG, Bs, liczba_pasm

# Mnożniki (cM, cT) rodzajów 1..6: grupa 1926/1945/DIN, grupa 1952 oraz 1956 klas II i III,
# grupa 1956 klasy I.
MNOZNIKI = {
    "stare": {1: ("0.863", "1.135"), 2: ("0.855", "1.143"), 3: ("0.754", "1.006"),
              4: ("0.787", "1.217"), 5: ("0.806", "1.197"), 6: ("0.618", "1.012")},
    "1952": {1: ("0.858", "1.125"), 2: ("0.85", "1.113"), 3: ("0.751", "1.0"),
             4: ("0.783", "1.2"), 5: ("0.801", "1.182"), 6: ("0.625", "1.0")},
    "1956I": {1: ("0.856", "1.152"), 2: ("0.847", "1.176"), 3: ("0.742", "1.016"),
              4: ("0.778", "1.237"), 5: ("0.797", "1.214"), 6: ("0.616", "1.032")},
}


def rozpietosci(normatyw, klasa, rodzaj, L):
    L = f(L)
    if rodzaj == 0:
        return L, L
    if normatyw in (0, 1, 6): g = "stare"
    elif normatyw == 2: g = "1952"
    else: g = "1956I" if klasa == 0 else "1952"
    cm, ct = MNOZNIKI[g][rodzaj]
    return f(cm) * L, f(ct) * L


def rzedne_plyty(P, L):
    P = f(P)
    a = min(F(2), max(f("0.4"), Bs(P) / f(L)))
    if a <= f("1.2"):
        e1 = f("0.949865") / P + (f("0.000460234") * P * P - f("0.017379792") * P + f("0.275194604")) * a
    elif a <= f("1.6"):
        e1 = f("1.147905") / P + (f("0.000248798") * P * P - f("0.011106999") * P + f("0.216635487")) * a
    else:
        e1 = f("1.45105757") / P + (f("0.147563681") - f("0.003690531") * P) * a
    if a <= f("0.8"):
        en = f("1.01507") / P - (f("0.0006222222") * P * P - f("0.019983547") * P + f("0.210695943")) * a
    elif a <= f("1.2"):
        en = f("0.843520087") / P - (f("0.0004888889") * P * P - f("0.015273264") * P + f("0.155975557")) * a
    elif a <= f("1.6"):
        en = f("0.584460963") / P - (f("0.0001854431") * P * P - f("0.006610225") * P + f("0.077988915")) * a
    else:
        en = f("0.316531875") / P - (f("0.021965934") - f("0.000861416") * P) * a
    return e1, en


def gamma(o, s, LT):
    """Większy z dwóch współczynników przeciążenia strony s (Gamma1, Gamma2)."""
    t, n = o["Przekroj"], o["n"]
    a, c, e, k = (f(o[x + str(s)]) for x in "acek")
    b, B, g = f(o["b"]), f(o["B"]), f(o["g1"])
    if t in (0, 1):
        x0 = (c - e + a) if t == 0 else (a - e)
        return max(etaG(n, B, x0 + f("1.5")), 2 * etaG(n, B, x0 + f("0.75") + f("0.375") * b))
    if t == 2:
        x0 = g / 2 + k + a
        return max(1 - (x0 + f("1.5")) / B, 2 - (x0 + f("0.75") + f("0.375") * b) / (B / 2))
    P = f(o["P"]); Bp = Bs(P)
    x0 = (c - e - P / (2 * n) + a) if t == 3 else (a - P / (2 * n))
    x1, x2 = x0 + f("1.5"), x0 + f("0.75") * b
    e1, en = rzedne_plyty(P, LT)
    eta = lambda x: e1 - (e1 - en) * x * (2 * Bp - x) / (Bp * Bp)
    return max(eta(x1), eta(x1) + eta(x2))


def model(o, s, L, Dl):
    """(M1N, TN) modelu normatywu i przekroju obiektu dla strony s i rozpiętości L."""
    N, t, K = o["Normatyw"], o["Przekroj"], o["Klasa"] + 1
    g = lambda x: f(o[x])
    a, c, e, k = (o[x + str(s)] for x in "acek")
    a1a2, c1c2, k1k2 = g("a1") + g("a2"), g("c1") + g("c2"), g("k1") + g("k2")
    B, b, P, g1, n = o["B"], o["b"], o["P"], o["g1"], o["n"]
    if N == 3:
        if t == 0: return m.n1956_p0(K, B, c, e, L, n, Dl)
        if t == 1: return m.n1956_p1(K, B, e, L, n, Dl)
        if t == 2: return m.n1956_p2(K, B, c, g1, k, k1k2, L, Dl)
        if t == 3: return m.n1956_p3(K, a1a2, b, c1c2, L, P, Dl)
        if t == 4: return m.n1956_p4(K, a1a2, b, L, P, Dl)
    if N == 2:
        if t == 0: return m.n1952_p0(K, B, c, e, L, n, Dl)
        if t == 2: return m.n1952_p2(K, B, c, g1, k, k1k2, L, Dl)
        if t == 3: return m.n1952_p3(K, b, a1a2, c1c2, L, P, Dl)
    if N == 1:
        if t == 0 and n == 2: return m.n1945_p0n2(K, a1a2, b, c, L, Dl)
        if t == 0: return m.n1945_p0(K, n, B, c1c2, L, Dl)
        if t == 2: return m.n1945_p2(K, B, c, g1, k1k2, L, Dl)
        if t == 3: return m.n1945_p3(K, L)
    if N == 0:
        if t == 0 and n == 2: return m.n1926_p0n2(K, a1a2, b, c, L)
        if t == 0: return m.n1926_p0(K, n, B, c1c2, L)
        if t == 2: return m.n1926_p2(K, B, c, g1, k1k2, L)
        if t == 3: return m.n1926_p3(K, L)
    if N == 6:
        if t == 0: return m.din_p0(K, n, B, c, e, L, Dl)
        if t == 2: return m.din_p2(K, B, c, g1, k, k1k2, L, Dl)
        if t == 3: return m.din_p3(K, L)
    raise ValueError("Brak algorytmu")


MASY = [42, 32, 24, 16, 10, 0]


def pojazd(k, L):
    L = f(L)
    if k == 1:
        M = f("0.625") * L + (60 - 112 / L if L <= f("12.64") else 85 - 428 / L if L <= f("16.8") else 105 - 764 / L)
        T = f("2.5") * L + (240 - 336 / L if L <= 8 else 340 - 1136 / L if L <= f("11.2") else 420 - 2032 / L)
    elif k == 2:
        if L <= f("10.66"): M = (50 * L * L - 100 * L + 50) / (L * L) + L / 2
        elif L <= f("16.8"): M = (f("67.5") * L - 282) / L + L / 2
        else: M = (80 * L - 492) / L + L / 2
        T = (200 - 200 / L if L <= f("7.2") else 270 - 704 / L if L <= f("10.4") else 320 - 1224 / L) + 2 * L
    elif k == 3:
        M = ((40 * L - 56) / L if L <= f("8.4") else (60 * L - 224) / L) + L / 2
        T = (160 - 112 / L if L <= f("5.6") else 240 - 560 / L) + 2 * L
    elif k == 4:
        M = f("0.375") * L + 25 if L <= 9 else (40 * L - 135) / L + f("0.375") * L
        T = f("1.5") * L + 100 if L <= f("4.5") else 160 - 270 / L + f("1.5") * L
    elif k == 5:
        M = L / 4 + 15 if L <= 8 else (25 * L - 80) / L + L / 4
        T = 100 - 160 / L + L
    else:
        M = T = F(0)
    return M, T


def masa(wartosc, efekty):
    if wartosc is None or wartosc >= efekty[0]: return F(42)
    if wartosc < efekty[5]: return F(0)
    for k in range(5):
        if efekty[k] >= wartosc >= efekty[k + 1]:
            x1, y1, x2, y2 = efekty[k + 1], MASY[k + 1], efekty[k], MASY[k]
            return y1 + F(y2 - y1) / (x2 - x1) * (wartosc - x1)
    return F(0)


def obiekt(**kw):
    o = dict(Normatyw=0, Klasa=0, Przekroj=0, a1=0, a2=0, b=0, B=0, c1=0, c2=0, e1=0, e2=0,
             k1=0, k2=0, P=0, g1=0, g2=0, n=0)
    o.update(kw)
    if o["Przekroj"] == 2: o["n"] = 2
    if o["Przekroj"] in (3, 4, 6): o["n"] = liczba_pasm(F(str(o["P"])) + f("0.00001") - f("0.000001"))
    return o

