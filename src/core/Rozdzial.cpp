#include "core/Rozdzial.h"

#include "common/Wyliczenia.h"
#include "core/ObiektMostowy.h"

namespace {
const char* const TekstBrakAlgorytmu = "Brak algorytmu";

// Jeden klucz wyboru z normatywu i przekroju (oba w zakresie 0..6).
constexpr int Kod(int Normatyw, int Przekroj) { return Normatyw * 10 + Przekroj; }
}  // namespace

tDaneModelu DaneStrony(const tObiektMostowy& o, int s)
{
    tDaneModelu d;
    d.KlasaNr = o.Klasa + 1;
    d.KlasaLit = static_cast<char>('A' + o.Klasa);
    d.n = o.n;
    d.a1 = o.a1;
    d.a2 = o.a2;
    d.b = o.b;
    d.B = o.B;
    d.c1 = o.c1;
    d.c2 = o.c2;
    d.g1 = o.g1;
    d.k1 = o.k1;
    d.k2 = o.k2;
    d.P = o.P;
    const bool lewa = s == 1;
    d.a = lewa ? o.a1 : o.a2;
    d.c = lewa ? o.c1 : o.c2;
    d.cInna = lewa ? o.c2 : o.c1;
    d.e = lewa ? o.e1 : o.e2;
    // Osobna bariera prawej strony istnieje tylko w przekrojach z barierami.
    const bool bariery = o.Przekroj == pWielodzwigaroweZBarierami || o.Przekroj == pPlytoweZBarierami;
    d.g = lewa || !bariery ? o.g1 : o.g2;
    d.k = lewa ? o.k1 : o.k2;
    return d;
}

bool WywolajModel(const tModeleObciazenia& m, int Normatyw, int Przekroj, const tDaneModelu& d, double& M1N,
                  double& TN, std::string& Err)
{
    const int K = d.KlasaNr;
    const char Lit = d.KlasaLit;
    const double nD = d.n;
    const double a1a2 = d.a1 + d.a2, c1c2 = d.c1 + d.c2, k1k2 = d.k1 + d.k2;
    const double L = d.Leq, Dl = d.Dl;

    const bool znane = Normatyw >= 0 && Normatyw < LiczbaNormatywow && Przekroj >= 0 && Przekroj < LiczbaPrzekrojow;
    switch (znane ? Kod(Normatyw, Przekroj) : -1) {
    case Kod(nNormatyw1926, 0):
        if (d.n == 2) return m.N1926Przekroj0N2(K, M1N, TN, a1a2, d.b, d.c, L, Err, Dl);
        return m.N1926Przekroj0(K, d.n, M1N, d.B, c1c2, L, TN, Err, Dl);
    case Kod(nNormatyw1926, 2): return m.N1926Przekroj2(K, M1N, TN, d.B, d.c, d.g1, k1k2, L, Err, Dl);
    case Kod(nNormatyw1926, 3): return m.N1926Przekroj3(K, M1N, TN, L, Err, Dl);

    case Kod(nNormatyw1945, 0):
        if (d.n == 2) return m.N1945Przekroj0N2(K, M1N, TN, a1a2, d.a, d.b, d.c, L, Err, Dl);
        return m.N1945Przekroj0(K, d.n, M1N, d.B, c1c2, d.e, L, TN, Err, Dl);
    case Kod(nNormatyw1945, 2): return m.N1945Przekroj2(K, M1N, TN, d.B, d.c, d.g1, k1k2, L, Err, Dl);
    case Kod(nNormatyw1945, 3): return m.N1945Przekroj3(K, M1N, TN, L, Err, Dl);

    case Kod(nNormatyw1952, 0): return m.N1952Przekroj0(K, M1N, TN, d.B, d.c, d.e, L, nD, Err, Dl);
    case Kod(nNormatyw1952, 2): return m.N1952Przekroj2(K, M1N, TN, d.B, d.c, d.g1, d.k, k1k2, L, Err, Dl);
    case Kod(nNormatyw1952, 3): return m.N1952Przekroj3(K, M1N, TN, d.b, a1a2, c1c2, L, d.P, Err, Dl);

    case Kod(nNormatyw1956, 0): return m.N1956Przekroj0(K, M1N, TN, d.B, d.c, d.e, L, nD, Err, Dl);
    case Kod(nNormatyw1956, 1): return m.N1956Przekroj1(K, M1N, TN, d.B, d.e, L, nD, Err, Dl);
    case Kod(nNormatyw1956, 2): return m.N1956Przekroj2(K, M1N, TN, d.B, d.c, d.g1, d.k, k1k2, L, Err, Dl);
    case Kod(nNormatyw1956, 3): return m.N1956Przekroj3(K, M1N, TN, a1a2, d.b, c1c2, L, d.P, Err, Dl);
    case Kod(nNormatyw1956, 4): return m.N1956Przekroj4(K, M1N, TN, a1a2, d.b, L, d.P, Err, Dl);

    case Kod(nPN66, 0): return m.PN66Przekroj0(K, M1N, TN, d.B, d.c, d.e, L, nD, Err, Dl);
    case Kod(nPN66, 1): return m.PN66Przekroj1(K, M1N, TN, d.B, d.e, L, nD, Err, Dl);
    case Kod(nPN66, 2): return m.PN66Przekroj2(K, M1N, TN, d.B, d.c, d.g1, d.k, k1k2, L, Err, Dl);
    case Kod(nPN66, 3): return m.PN66Przekroj3(K, M1N, TN, a1a2, d.b, c1c2, d.P, L, Err, Dl);
    case Kod(nPN66, 4): return m.PN66Przekroj4(K, M1N, TN, d.b, a1a2, L, d.P, Err, Dl);
    case Kod(nPN66, 5): return m.PN66Przekroj5(K, M1N, TN, d.B, d.c, d.g, d.k, d.a, d.e, L, nD, Err, Dl);
    case Kod(nPN66, 6): return m.PN66Przekroj6(K, M1N, TN, d.g, d.k, a1a2, d.b, d.c, d.cInna, d.P, L, Err, Dl);

    case Kod(nPN85, 0): return m.PN85Przekroj0(Lit, d.n, M1N, d.B, d.c, d.e, L, TN, Err, Dl);
    case Kod(nPN85, 1): return m.PN85Przekroj1(Lit, d.n, M1N, d.B, d.e, L, TN, Err, Dl);
    case Kod(nPN85, 2): return m.PN85Przekroj2(Lit, M1N, TN, d.B, d.c, d.g1, d.k, L, k1k2, Err, Dl);
    case Kod(nPN85, 3): return m.PN85Przekroj3(Lit, M1N, TN, a1a2, d.b, d.c, d.e, L, d.P, Err, Dl);
    case Kod(nPN85, 4): return m.PN85Przekroj4(Lit, M1N, TN, a1a2, d.b, L, d.P, Err, Dl);
    case Kod(nPN85, 5): return m.PN85Przekroj5(Lit, d.n, M1N, d.e, d.B, d.c, d.g, d.k, d.a, d.b, L, TN, Err, Dl);
    case Kod(nPN85, 6): return m.PN85Przekroj6(Lit, M1N, TN, a1a2, d.b, d.c, d.e, L, d.P, d.g, d.k, Err, Dl);

    case Kod(nDIN1072, 0): return m.DINPrzekroj0(K, d.n, M1N, d.B, d.c, d.e, L, TN, Err, Dl);
    case Kod(nDIN1072, 2): return m.DINPrzekroj2(K, M1N, TN, d.B, d.c, d.g1, d.k, k1k2, L, Err, Dl);
    case Kod(nDIN1072, 3): return m.DINPrzekroj3(K, M1N, TN, L, Err, Dl);

    default:
        Err = TekstBrakAlgorytmu;
        return false;
    }
}
