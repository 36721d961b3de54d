"""Niezalezne przeliczenie przejazdu pojazdu nienormatywnego, bez kodu C++.

Zapisuje przejazd.txt obok siebie. Liczby dokladne (Fraction), inna droga niz w programie:
kandydatami na polozenie pojazdu d (os i w d + x_i) sa wjazdy i zjazdy osi (d = -x_i,
d = L - x_i) oraz wierzcholki paraboli momentu pod osia k dla kazdego ciagu osi a..b, ktory
miesci sie na przesle; w kazdym kandydacie moment pod kazda osia i obie reakcje liczy sie
wprost z rownowagi wszystkich osi stojacych wtedy na przesle (os na podporze w calosci).

Wiersze:
  Pociag P[t],... S[m],... L = Mmax[kNm] Rmax[kN]
  Obiekt q P[t],... S[m],... LM,LT,MP,TP;... = nosnosc U najgorszy efekt lambda
    (ND = nie dotyczy 1e20; nosnosc 0/1; najgorszy od 1, -1 bez; efekt M/T/-; lambda 'inf' bez
    ograniczenia; U 0 bez nosnosci)

    python3 tests/dane/niezalezne/przejazd.py
"""
import os
import random
from fractions import Fraction as F

ND = F(10) ** 20


def polozenia(S):
    x = [F(0)]
    for s in S:
        x.append(x[-1] + s)
    return x


def na_przesle(P, x, d, L):
    return [(p, d + xi) for p, xi in zip(P, x) if 0 <= d + xi <= L]


def moment_pod(osie, L, s):
    ra = sum(p * (L - a) for p, a in osie) / L
    return ra * s - sum(p * (s - a) for p, a in osie if a < s)


def kandydaci(P, x, L):
    d = {-xi for xi in x} | {L - xi for xi in x}
    n = len(P)
    for a in range(n):
        for b in range(a, n):
            if x[b] - x[a] > L:
                break
            W = sum(P[a:b + 1])
            xr = sum(p * xi for p, xi in zip(P[a:b + 1], x[a:b + 1])) / W
            for k in range(a, b + 1):
                d.add((L - xr - x[k]) / 2)
    return d


def efekty(Pt, S, L):
    P = [10 * p for p in Pt]
    x = polozenia(S)
    mmax = rmax = F(0)
    for d in kandydaci(P, x, L):
        osie = na_przesle(P, x, d, L)
        if not osie:
            continue
        for _, a in osie:
            mmax = max(mmax, moment_pod(osie, L, a))
        ra = sum(p * (L - a) for p, a in osie) / L
        rmax = max(rmax, ra, sum(p for p, _ in osie) - ra)
    return mmax, rmax


def element(Pt, S, q, LM, LT, MP, TP):
    """(nosnosc, u, efekt, lambda) jednego elementu."""
    nosnosc, u, efekt, lam = True, None, None, None
    for nazwa, L, C in (('M', LM, MP), ('T', LT, TP)):
        if C >= ND or L >= ND:
            continue
        m, r = efekty(Pt, S, L)
        osie, qc = (m / L, q * L / 8) if nazwa == 'M' else (r, q * L / 2)
        l = max(F(0), (C - qc) / osie)
        lam = l if lam is None else min(lam, l)
        if C <= 0:
            if nosnosc:
                efekt = nazwa
            nosnosc = False
        elif nosnosc and (u is None or (osie + qc) / C > u):
            u, efekt = (osie + qc) / C, nazwa
    return nosnosc, u, efekt, lam


def obiekt(Pt, S, q, elementy):
    U, naj, efekt, lam = None, -1, '-', None
    for i, e in enumerate(elementy, 1):
        n, u, ef, l = element(Pt, S, q, *e)
        if l is not None:
            lam = l if lam is None else min(lam, l)
        if ef is None:
            continue
        if not n:
            if U != 'brak':
                U, naj, efekt = 'brak', i, ef
            continue
        if U is None or (U != 'brak' and u > U):
            U, naj, efekt = u, i, ef
    if U is None or U == 'brak':
        return 0, F(0), naj, efekt, lam
    return 1, U, naj, efekt, lam


def dziesietna(los, od, do, krok):
    return F(los.randint(round(od / krok), round(do / krok))) * F(krok).limit_denominator(1000)


def tekst(x):
    if x is None:
        return 'inf'
    return 'ND' if x >= ND else repr(float(x))


def lista(v):
    return ','.join(tekst(x) for x in v)


def pociag_losowy(los):
    n = los.choice([1, 1, 2, 2, 3, 4, 5, 6, 8, 12])
    Pt = [dziesietna(los, 1, 30, 0.5) for _ in range(n)]
    S = [dziesietna(los, 0.3, 12, 0.05) for _ in range(n - 1)]
    return Pt, S


def main():
    los = random.Random(28)
    wiersze = ['# Wygenerowane przez przejazd.py (niezalezne przeliczenie); nie edytowac recznie.']
    for _ in range(150):
        Pt, S = pociag_losowy(los)
        L = dziesietna(los, 1.5, 60, 0.1)
        m, r = efekty(Pt, S, L)
        wiersze.append(' '.join(['Pociag', lista(Pt), lista(S) or '-', tekst(L), '=', tekst(m), tekst(r)]))
    for _ in range(60):
        Pt, S = pociag_losowy(los)
        q = los.choice([F(0), F(5)])
        elementy = []
        for _ in range(los.randint(1, 6)):
            LM, LT = dziesietna(los, 1.5, 50, 0.5), dziesietna(los, 1.5, 50, 0.5)
            # Nosnosc wokol efektu pojazdu (wykorzystanie od 0,5 do 2), zaokraglona do 0,01.
            m, r = efekty(Pt, S, LM)[0], efekty(Pt, S, LT)[1]
            MP = F(round((m / LM + q * LM / 8) * dziesietna(los, 0.5, 2, 0.01) * 100), 100)
            TP = F(round((r + q * LT / 2) * dziesietna(los, 0.5, 2, 0.01) * 100), 100)
            los_ = los.random()
            if los_ < 0.15:
                TP = ND
            elif los_ < 0.2:
                MP = -MP / 10
            elif los_ < 0.25:
                TP = F(0)
            elementy.append((LM, LT, MP, TP))
        nos, U, naj, ef, lam = obiekt(Pt, S, q, elementy)
        wiersze.append(' '.join(['Obiekt', tekst(q), lista(Pt), lista(S) or '-',
                                 ';'.join(lista(e) for e in elementy), '=',
                                 str(nos), tekst(U), str(naj), ef, tekst(lam)]))
    with open(os.path.join(os.path.dirname(os.path.abspath(__file__)), 'przejazd.txt'), 'w') as f:
        f.write('\n'.join(wiersze) + '\n')


if __name__ == '__main__':
    main()
