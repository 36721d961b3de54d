#include "core/UkladElementow.h"

#include <algorithm>

#include "common/Formatowanie.h"
#include "core/ObiektMostowy.h"

namespace {
int Przesla(int N) { return std::clamp(N, 1, MaksPrzesel); }
bool Przegubowa(int schemat) { return schemat == sPrzegubowaZPrzegubemW1 || schemat == sPrzegubowaBezPrzegubuW1; }
bool Wieloprzeslowa(int schemat) { return schemat == sCiaglaWieloprzeslowa || schemat == sRamaWieloprzeslowa; }
}  // namespace

int LiczbaWierszy(int schemat, int N)
{
    if (Wieloprzeslowa(schemat)) return Przesla(N) + 2;
    if (Przegubowa(schemat)) return 2 * Przesla(N) + 1;
    if (schemat == sCiaglaDwuprzeslowa || schemat == sRamaDwuprzeslowa) return 4;
    return 3;
}

bool PokazLiczbePrzesel(int schemat) { return Wieloprzeslowa(schemat) || Przegubowa(schemat); }

std::vector<tWierszPrzesla> WierszePrzesel(int schemat, int N)
{
    const int k = LiczbaWierszy(schemat, N);
    std::vector<tWierszPrzesla> w(k);
    for (int r = 2; r < k; ++r) {
        if (schemat == sBelkaSwobodnie || schemat < 0 || schemat >= LiczbaSchematow) {
            w[r - 1] = {"Rozpiętość przęsła", "Przęsło"};
        } else if (schemat == sCiaglaDwuprzeslowa || schemat == sRamaDwuprzeslowa) {
            w[r - 1] = r == 2 ? tWierszPrzesla{"Rozpiętość lewego przęsła", "Lewe przęsło"}
                              : tWierszPrzesla{"Rozpiętość prawego przęsła", "Prawe przęsło"};
        } else if (Wieloprzeslowa(schemat)) {
            w[r - 1] = {Format("Rozpiętość przęsła nr %d", {r - 1}), Format("Przęsło nr %d", {r - 1})};
        } else if (r % 2 == 0) {
            w[r - 1] = {Format("Rozpiętość przęsła nr %d", {r / 2}), Format("Przęsło nr %d", {r / 2})};
        } else {
            w[r - 1] = {Format("Długość wspornika nr %d", {r / 2}), Format("Wspornik nr %d", {r / 2})};
        }
    }
    w.front() = {"Długość lewego skrajnego wspornika", "Lewy skrajny wspornik"};
    w.back() = {"Długość prawego skrajnego wspornika", "Prawy skrajny wspornik"};
    return w;
}

std::vector<tPozycjaElementu> UkladElementow(int schemat, int N)
{
    std::vector<tPozycjaElementu> u;
    const int n = Przesla(N);
    u.push_back({1, rWspornikSwobodny});
    switch (schemat) {
    case sCiaglaDwuprzeslowa:
    case sRamaDwuprzeslowa: {
        auto r = schemat == sCiaglaDwuprzeslowa ? rCiaglaDwuprzeslowa : rRamaDwuprzeslowa;
        u.push_back({2, r});
        u.push_back({3, r});
        u.push_back({4, rWspornikSwobodny});
        break;
    }
    case sCiaglaWieloprzeslowa:
    case sRamaWieloprzeslowa: {
        auto skrajne = schemat == sCiaglaWieloprzeslowa ? rCiaglaSkrajne : rRamaSkrajne;
        auto srodkowe = schemat == sCiaglaWieloprzeslowa ? rCiaglaSrodkowe : rRamaSrodkowe;
        u.push_back({2, skrajne});
        for (int w = 3; w <= n; ++w) u.push_back({w, srodkowe});
        if (n > 1) u.push_back({n + 1, skrajne});  // jedno przęsło: jeden element, odmowa w SprawdzPrzesla
        u.push_back({n + 2, rWspornikSwobodny});
        break;
    }
    case sPrzegubowaZPrzegubemW1:
    case sPrzegubowaBezPrzegubuW1: {
        bool lewy = schemat == sPrzegubowaZPrzegubemW1;
        for (int w = 2; w <= 2 * n; ++w) {
            if (w % 2 == 0) {
                u.push_back({w, rBelkaSwobodnie});
            } else {
                u.push_back({w, lewy ? rWspornikLewy : rWspornikPrawy});
                lewy = !lewy;
            }
        }
        u.push_back({2 * n + 1, rWspornikSwobodny});
        break;
    }
    default:
        u.push_back({2, rBelkaSwobodnie});
        u.push_back({3, rWspornikSwobodny});
        break;
    }
    return u;
}

void DodajElementy(tObiektMostowy& obiekt, int schemat, int N, const std::array<double, MaksWierszy>& dlugosci)
{
    const auto wiersze = WierszePrzesel(schemat, N);
    const auto uklad = UkladElementow(schemat, N);
    for (const tPozycjaElementu& p : uklad) obiekt.DodajElement(wiersze[p.Wiersz - 1].Nazwa, p.Rodzaj, dlugosci[p.Wiersz - 1]);
}
