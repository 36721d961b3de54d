"""Niezalezne przeliczenie przypadkow tests/dane/przypadki/<przypadek>/obiekt.PTV.

Czyta plik roboczy (sekcje OBIEKT, PP, PD), buduje liste elementow ze schematu tak jak
okno, liczy kazdy element modelami z obiekt.py (PN-85/S-10030, PN-66/B-02015) albo
obiekt_stary.py (pozostale normatywy) i zapisuje niezalezne.txt obok pliku: wiersze
"i: M1N wartosc" (M1N, TN, MP, TP, PTV) dla elementow, ktore te modele obejmuja
(pomija wsporniki dawnych normatywow i ramiona 8/9 poza PN-85/S-10030). Test przypadkow
porownuje je z wierszami najgorszego wariantu sladu programu.

    python3 tests/dane/niezalezne/przypadki.py tests/dane/przypadki
"""
import os
import sys
from fractions import Fraction

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import obiekt as nowe  # noqa: E402
import obiekt_stary as stare  # noqa: E402

ND = 1e20
KLUCZE = {'A1': 'a1', 'A2': 'a2', 'B': 'b', 'BB': 'B', 'C1': 'c1', 'C2': 'c2', 'E1': 'e1', 'E2': 'e2',
          'K1': 'k1', 'K2': 'k2', 'P': 'P', 'G': 'g1', 'G2': 'g2', 'N': 'n'}


def czytaj_ini(sciezka):
    sekcje, biezaca = {}, None
    for w in open(sciezka, 'rb').read().decode('cp1250').splitlines():
        w = w.strip()
        if w.startswith('[') and w.endswith(']'):
            biezaca = sekcje.setdefault(w[1:-1].upper(), {})
        elif '=' in w and biezaca is not None:
            k, v = w.split('=', 1)
            biezaca[k.upper()] = v
    return sekcje


def liczba(t):
    try:
        return float(t.replace(',', '.'))
    except (ValueError, AttributeError):
        return 0.0


def rodzaje(schemat, N):
    """Rodzaje pol edytora 1..k w kolejnosci (jak PobierzDane)."""
    if schemat == 0: return [7, 0, 7]
    if schemat in (1, 3): s = 1 if schemat == 1 else 4; return [7, s, s, 7]
    if schemat in (2, 4):
        skr, sr = (2, 3) if schemat == 2 else (5, 6)
        if N == 1: return [7, skr, skr, 7]
        return [7, skr] + [sr] * (N - 2) + [skr, 7]
    r, ramie = [7], (8 if schemat == 5 else 9)
    for i in range(2, 2 * N + 1):
        if i % 2 == 0:
            r.append(0)
        else:
            r.append(ramie); ramie = 17 - ramie
    return r + [7]


def elementy_obiektu(ini):
    ob, pd = ini.get('OBIEKT', {}), ini.get('PD', {})
    schemat, N = int(ob.get('SCHEM', 0)), int(ob.get('PRZES', 1))
    pola = [liczba(pd.get('L%d' % i, '0')) for i in range(1, 92)]
    if schemat in (2, 4) and N == 1:
        pola = [pola[0], pola[1], pola[1], pola[2]]
    return [(r, d) for r, d in zip(rodzaje(schemat, N), pola) if d > 0.1]


def dane(ini):
    ob, pp = ini.get('OBIEKT', {}), ini.get('PP', {})
    o = {v: liczba(pp.get(k, '0')) for k, v in KLUCZE.items()}
    o['n'] = int(o['n'])
    o['norma'], o['klasa'], o['typ'] = int(ob.get('NORMA', 0)), int(ob.get('KLASA', 0)), int(ob.get('RODZA', 0))
    if o['norma'] != 5: o['klasa'] = min(o['klasa'], 2)
    if o['typ'] == 2: o['n'] = 2
    if o['typ'] in (3, 4, 6): o['n'] = round(o['P'] + 0.00001)
    return o


def element_nowy(o, el, i):
    rodzaj, Dl = el[i]
    if o['norma'] == 4 and rodzaj > 7: return None
    L, W = Dl, 0.0
    if rodzaj == 7: L, W = 0.0, Dl
    elif rodzaj == 8: L, W = el[i - 1][1], Dl
    elif rodzaj == 9: L, W = el[i + 1][1], Dl
    LM, LT = nowe.rozpietosci(o['norma'], o['klasa'], rodzaj, L, W)
    strony = []
    for s in (1, 2):
        M1N, TN = nowe.model(o, s, LM, Dl)[0], nowe.model(o, s, LT, Dl)[1]
        a, c, e, k = (o[x + str(s)] for x in 'acek')
        g = o['g2'] if s == 2 and o['typ'] in (5, 6) else o['g1']
        G = nowe.gamma(o['typ'], o['n'], a, o['b'], o['B'], c, e, g, k, o['P'], LT)
        strony.append((M1N, TN, M1N / G, ND if TN >= ND else TN / G))
    M1N, TN, MP, TP = (min(x[j] for x in strony) for j in range(4))
    return M1N, TN, MP, TP, nowe.masa_pojazdu(max(LM, 3), max(LT, 3), MP, TP)


def element_stary(o, el, i):
    rodzaj, Dl = el[i]
    if rodzaj > 6: return None
    s_o = stare.obiekt(Normatyw=o['norma'], Klasa=o['klasa'], Przekroj=o['typ'],
                       **{k: o[k] for k in ('a1', 'a2', 'b', 'B', 'c1', 'c2', 'e1', 'e2', 'k1', 'k2', 'P',
                                            'g1', 'g2', 'n')})
    LM, LT = stare.rozpietosci(o['norma'], o['klasa'], rodzaj, Dl)
    strony = []
    for s in (1, 2):
        M1N, TN = stare.model(s_o, s, LM, stare.f(Dl))[0], stare.model(s_o, s, LT, stare.f(Dl))[1]
        G = stare.gamma(s_o, s, LT)
        strony.append((M1N, TN, M1N / G, None if TN is None else TN / G))
    M1N, MP = min(x[0] for x in strony), min(x[2] for x in strony)
    TN = None if strony[0][1] is None else min(x[1] for x in strony)
    TP = None if TN is None else min(x[3] for x in strony)
    Me = [stare.pojazd(k, LM)[0] for k in range(1, 7)]
    Te = [stare.pojazd(k, LT)[1] for k in range(1, 7)]
    masa = min(stare.masa(MP, Me), stare.masa(TP, Te))
    return tuple(ND if x is None else float(x) for x in (M1N, TN, MP, TP, masa))


def przelicz(katalog):
    ini = czytaj_ini(os.path.join(katalog, 'obiekt.PTV'))
    # Plik, ktorego wczytanie zmienilo wartosci, program odrzuca (etap "odczyt"): nic do porownania.
    wynik = os.path.join(katalog, 'wynik.json')
    if os.path.isfile(wynik) and '"etap":"odczyt"' in open(wynik, encoding='utf-8').read():
        open(os.path.join(katalog, 'niezalezne.txt'), 'w').write('\n')
        return 0, 0
    o, el = dane(ini), elementy_obiektu(ini)
    # Bez przesla (same wsporniki, rodzaje 7-9, albo nic) obiekt nie jest liczony.
    if all(r >= 7 for r, _ in el): el = []
    licz = element_nowy if o['norma'] in (4, 5) else element_stary
    wiersze = []
    for i in range(len(el)):
        w = licz(o, el, i)
        if w is None: continue
        for etykieta, v in zip(('M1N', 'TN', 'MP', 'TP', 'PTV'), w):
            wiersze.append('%d: %s %s' % (i + 1, etykieta, 'NIE DOTYCZY' if v >= ND else repr(float(v))))
    with open(os.path.join(katalog, 'niezalezne.txt'), 'w') as f:
        f.write('\n'.join(wiersze) + '\n')
    return len(wiersze) // 5, len(el)


if __name__ == '__main__':
    korzen = sys.argv[1]
    for nazwa in sorted(os.listdir(korzen)):
        k = os.path.join(korzen, nazwa)
        if os.path.isfile(os.path.join(k, 'obiekt.PTV')):
            ile, wszystkie = przelicz(k)
            print('%-32s %d z %d elementów' % (nazwa, ile, wszystkie))
