// Model obciążenia PN-85/S-10030: pojazd K, obciążenie jezdni, tłum na chodniku
// i w klasach C, D, E pojazd S działający sam (z chodnikiem).
#include <algorithm>

#include "common/Pomocnicze.h"
#include "common/Slad.h"
#include "loads/ModeleObciazenia.h"
#include "loads/Wspolne.h"
#include "wspprzec/Rozklad.h"

namespace {
const char* const KomZlaKlasa = "Zła klasa ";

// Obciążenie tłumem chodnika 2,5 kN/m²: współczynniki dla momentu i ścinania.
constexpr double ChodnikM = 0.3125;
constexpr double ChodnikT = 1.25;

// Wartości kandydujące: K z jezdnią i chodnikiem albo sam pojazd S z chodnikiem.
// Obciążenia rozłożone (Aq jezdni, Ac chodnika) dzieli się przez Fi, pojazdy nie.
struct tKandydaci {
    double MK, TK, MS, TS;
};

tKandydaci Kandydaci(char Klasa, double L, double fi, double EtaK, double EtaS, double Aq, double Ac)
{
    const tKlasaPN85& k = KlasaPN85(Klasa);
    return {PojazdKMoment(Klasa, L) * EtaK + (k.qM * Aq + ChodnikM * Ac) / fi,
            PojazdKSila(Klasa, L) * EtaK + (k.qT * Aq + ChodnikT * Ac) / fi,
            PojazdSMoment(Klasa, L) * EtaS + ChodnikM * Ac / fi,
            PojazdSSila(Klasa, L) * EtaS + ChodnikT * Ac / fi};
}

void UstawWynik(char Klasa, const tKandydaci& w, double& M1N, double& TN)
{
    const bool s = KlasaPN85(Klasa).PojazdS;
    M1N = s ? std::max(w.MK, w.MS) : w.MK;
    TN = s ? std::max(w.TK, w.TS) : w.TK;
}

bool KlasaPoprawna(char Klasa, std::string& Err)
{
    Err.clear();
    return SprawdzKlasePN85(Klasa, Err);
}

// Pomost wielodźwigarowy z krawężnikiem w odległości x0 od osi skrajnego dźwigara
// (typy 0 i 5): jezdnia od krawężnika do zera linii wpływu, chodnik o szerokości
// cE i rzędnej w jego środku EtaC.
void Wielodzwigarowy(char Klasa, int n, double B, double x0, double cE, double EtaC, double L, double Dl,
                     double& M1N, double& TN)
{
    auto eta = [&](double x) { return RzednaDzwigara(n, B, x); };
    const double w = ZasiegLiniiWplywu(n, B) - x0;
    const double EtaK = eta(x0 + 2.0);
    const double Aq = w * L * eta(x0) / 2;
    const double Ac = cE * L * EtaC;
    const double EtaS = 2 * eta(x0 + 2.8);
    const double fi = Fi(Dl);
    UstawWynik(Klasa, Kandydaci(Klasa, L, fi, EtaK, EtaS, Aq, Ac), M1N, TN);
}

// Rzędne płyty: rozstaw skrajnych pasm, liczba pasm i rzędne dla długości elementu,
// w kolejności, w jakiej trafiają do śladu.
struct tPlyta {
    double Bs, Eta1, EtaN;
    int N;
    double RP(double x) const { return RzednaParaboliczna(Eta1, EtaN, Bs, x); }
};

tPlyta Plyta(double P, double Dl)
{
    tPlyta p;
    p.Bs = RozstawSkrajnychPasm(P);
    p.N = LiczbaPasmPlyty(P);
    ObliczRzedne(P, Dl, p.Eta1, p.EtaN);
    return p;
}
}  // namespace

bool SprawdzKlasePN85(char Klasa, std::string& Err)
{
    if (Klasa >= 'A' && Klasa <= 'E') return true;
    Err = KomZlaKlasa;
    Err += Klasa;
    return false;
}

bool PN85Przekroj0(char Klasa, int n, double& M1N, double B, double c, double e, double L, double& TN,
                   std::string& Err, double Dl)
{
    if (!KlasaPoprawna(Klasa, Err)) return false;
    Wielodzwigarowy(Klasa, n, B, c - e, c, RzednaDzwigara(n, B, c / 2 - e), L, Dl, M1N, TN);
    return true;
}

bool PN85Przekroj5(char Klasa, int n, double& M1N, double e, double B, double c, double g, double k, double,
                   double, double L, double& TN, std::string& Err, double Dl)
{
    if (!KlasaPoprawna(Klasa, Err)) return false;
    Wielodzwigarowy(Klasa, n, B, c + g + k - e, SzerokoscChodnika(c), RzednaDzwigara(n, B, 0.5 * c + g + k - e), L,
                    Dl, M1N, TN);
    return true;
}

bool PN85Przekroj1(char Klasa, int n, double& M1N, double B, double e, double L, double& TN, std::string& Err,
                   double Dl)
{
    if (!KlasaPoprawna(Klasa, Err)) return false;
    auto eta = [&](double x) { return RzednaDzwigara(n, B, x); };
    // Jezdnia bez krawężników zaczyna się 0,5 m od krawędzi pomostu.
    double S, EtaK, EtaQ, fi, EtaS;
    SladUstaw("S", S, ZasiegLiniiWplywu(n, B) + e - 0.5);
    SladUstaw("Gamma k", EtaK, eta(2.5 - e));
    SladUstaw("Gamma q", EtaQ, eta(0.5 - e) / 2);
    SladUstaw("Fi", fi, Fi(Dl));
    SladUstaw("Gamma s", EtaS, 2 * eta(3.625 - e));
    tKandydaci w = Kandydaci(Klasa, L, fi, EtaK, EtaS, S * L * EtaQ, 0.0);
    if (Klasa == 'C' || Klasa == 'E') {
        SladUstaw("Mn", w.MK, w.MK);
        SladUstaw("Ms", w.MS, w.MS);
        SladUstaw("Tn", w.TK, w.TK);
        SladUstaw("Ts", w.TS, w.TS);
    } else if (Klasa == 'D') {
        SladUstaw("M1n", w.MK, w.MK);
        SladUstaw("M1s", w.MS, w.MS);
        SladUstaw("Tn", w.TK, w.TK);
        SladWartosc("Ts", w.TS);
    }
    UstawWynik(Klasa, w, M1N, TN);
    return true;
}

bool PN85Przekroj2(char Klasa, double& M1N, double& TN, double B, double c, double g, double k, double L,
                   double k1k2, std::string& Err, double Dl)
{
    if (!KlasaPoprawna(Klasa, Err)) return false;
    if (SprawdzL270(Err, L)) return false;
    // Prosta linia wpływu dwóch dźwigarów; chodnik leży na zewnątrz dźwigara.
    const double EtaK = 1 - (0.5 * g + 2.0 + k) / B;
    const double Aq = (B - g - k1k2) * L * 0.5;
    const double Ac = c * L * (1 + 0.5 * (c + g) / B);
    const double EtaS = 2 - (5.6 + g + 2 * k) / B;
    const double fi = Fi(Dl);
    UstawWynik(Klasa, Kandydaci(Klasa, L, fi, EtaK, EtaS, Aq, Ac), M1N, TN);
    return true;
}

// Płyty: ścinania się nie liczy (TN nie dotyczy), moment na skrajne pasmo płyty.
bool PN85Przekroj3(char Klasa, double& M1N, double& TN, double a1a2, double b, double c, double e, double L,
                   double P, std::string& Err, double Dl)
{
    if (!KlasaPoprawna(Klasa, Err)) return false;
    const tPlyta p = Plyta(P, Dl);
    const double W = b + a1a2;
    const double x0 = c - e - P / (2 * p.N);
    const double EtaK = p.RP(x0 + 2.0);
    const double EtaQ = p.RP(x0 + W / 2);
    const double EtaS = p.RP(x0 + 1.175) + p.RP(x0 + 4.425);
    const double fi = Fi(Dl);
    double T;
    UstawWynik(Klasa, Kandydaci(Klasa, L, fi, EtaK, EtaS, W * L * EtaQ, c * L * p.Eta1), M1N, T);
    TN = NieDotyczy;
    return true;
}

bool PN85Przekroj4(char Klasa, double& M1N, double& TN, double a1a2, double b, double L, double P, std::string& Err,
                   double Dl)
{
    if (!KlasaPoprawna(Klasa, Err)) return false;
    const tPlyta p = Plyta(P, Dl);
    // Bez krawężników jezdnia jest o 1 m węższa od płyty, bez chodników.
    const double W4 = b + a1a2 - 1.0;
    const double pol = P / (2 * p.N);
    const double EtaK = p.RP(2.5 - pol);
    const double EtaQ = p.RP((W4 - P / p.N + 1.0) / 2);
    const double EtaS = p.RP(2.0 - pol) + p.RP(5.25 - pol);
    const double fi = Fi(Dl);
    double T;
    UstawWynik(Klasa, Kandydaci(Klasa, L, fi, EtaK, EtaS, W4 * L * EtaQ, 0.0), M1N, T);
    TN = NieDotyczy;
    return true;
}

bool PN85Przekroj6(char Klasa, double& M1N, double& TN, double a1a2, double b, double c, double e, double L,
                   double P, double g, double k, std::string& Err, double Dl)
{
    if (!KlasaPoprawna(Klasa, Err)) return false;
    const double S = b + a1a2;
    SladWartosc("S", S);
    const tPlyta p = Plyta(P, Dl);
    const double x0 = c + g + k - e - P / (2 * p.N);
    const double EtaK = p.RP(x0 + 2.0);
    const double EtaQ = p.RP(x0 + S / 2);
    const double EtaS = p.RP(x0 + 1.175) + p.RP(x0 + 4.425);
    const double cE = SzerokoscChodnika(c);
    SladWartosc("L", L);
    SladWartosc("Gamma k", EtaK);
    SladWartosc("S", S);
    SladWartosc("Gamma q", EtaQ);
    SladWartosc("X1", cE);
    SladWartosc("Gamma c", p.Eta1);
    const double fi = Fi(Dl);
    SladWartosc("FI", fi);
    double T;
    const tKandydaci w = Kandydaci(Klasa, L, fi, EtaK, EtaS, S * L * EtaQ, cE * L * p.Eta1);
    UstawWynik(Klasa, w, M1N, T);
    if (Klasa == 'A') {
        SladWartosc("M1N", M1N);
    } else if (KlasaPN85(Klasa).PojazdS) {
        SladWartosc("M1N", w.MK);
        SladWartosc("M1S", w.MS);
        SladWartosc("Końcowe M1N", M1N);
    }
    TN = NieDotyczy;
    return true;
}
