#include "przebieg/RysunekPojazdu.h"

#include <algorithm>
#include <cmath>

#include "common/Formatowanie.h"

namespace {

const char* const JednostkaNaciskow = "[t]";
const char* const JednostkaRozstawow = "[m]";

// Proporcje rysunku w wysokościach tekstu (h).
constexpr double WierszNapisow = 1.2;
constexpr double DlugoscStrzalki = 1.5, GrotStrzalki = 0.5;
constexpr double WysokoscNadwozia = 1.2;
constexpr double PromienKola = 0.9;
constexpr double OdstepNapisow = 0.3;
// Nadwozie wystaje poza skrajne osie o tyle metrów, ale nie mniej niż część długości.
constexpr double ZwisNadwozia = 0.8, ZwisWzgledny = 0.1;

using tWyr = tFigury::tWyrownanie;

// Napisy wyśrodkowane w punktach x: jeden wiersz, gdy się mieszczą, inaczej na przemian
// w dwóch, a nakładające się w swoim wierszu pominięte. Zwraca liczbę wierszy.
int UlozNapisy(tFigury& f, const std::vector<double>& x, const std::vector<std::string>& teksty, double y, double lewy,
               const tMiaraNapisu& miara)
{
    const double h = f.WysokoscTekstu;
    std::vector<double> szer;
    for (const auto& t : teksty) szer.push_back(miara(t));
    auto srodek = [&](size_t j) { return std::clamp(x[j], lewy + szer[j] / 2, std::max(lewy, f.Szerokosc - szer[j] / 2)); };
    bool mieszcza = true;
    for (size_t j = 1; j < x.size(); ++j)
        mieszcza = mieszcza && srodek(j) - szer[j] / 2 >= srodek(j - 1) + szer[j - 1] / 2 + OdstepNapisow * h;
    const int wierszy = mieszcza || x.size() < 2 ? 1 : 2;
    std::vector<double> koniec(wierszy, -1e300);
    for (size_t j = 0; j < x.size(); ++j) {
        const int w = static_cast<int>(j) % wierszy;
        const double c = srodek(j);
        if (c - szer[j] / 2 < koniec[w] + OdstepNapisow * h) continue;
        koniec[w] = c + szer[j] / 2;
        f.Napisy.push_back({teksty[j], {c, y + w * WierszNapisow * h}, tWyr::DoSrodka});
    }
    return wierszy;
}

void Strzalka(tFigury& f, double x, double y0, double y1)
{
    const double g = GrotStrzalki * f.WysokoscTekstu;
    f.Odcinki.push_back({{x, y0}, {x, y1 - g}});
    f.Wielokaty.push_back({{{x - g / 2, y1 - g}, {x + g / 2, y1 - g}, {x, y1}}});
}

}  // namespace

tFigury RysunekPojazdu(const tPojazd& pojazd, double szerokosc, double h, const tMiaraNapisu& miara)
{
    tFigury f;
    f.Szerokosc = szerokosc;
    f.WysokoscTekstu = h;
    const size_t n = pojazd.Naciski.size();
    if (n == 0) return f;

    const double lewy = std::max(miara(JednostkaNaciskow), miara(JednostkaRozstawow)) + h / 2;
    const double dlugosc = pojazd.Dlugosc();
    const double zwis = std::max(ZwisNadwozia, ZwisWzgledny * dlugosc);
    const double skala = std::max(0.0, szerokosc - lewy - h / 2) / (dlugosc + 2 * zwis);
    std::vector<double> x(n), srodkiRozstawow;
    std::vector<std::string> naciski, rozstawy;
    double najkrotszy = dlugosc + 2 * zwis, od = 0;
    for (size_t i = 0; i < n; ++i) {
        if (i > 0) od += pojazd.Rozstawy[i - 1];
        x[i] = lewy + (zwis + od) * skala;
        naciski.push_back(LiczbaOgolna(pojazd.Naciski[i]));
        if (i == 0) continue;
        srodkiRozstawow.push_back((x[i - 1] + x[i]) / 2);
        rozstawy.push_back(LiczbaOgolna(pojazd.Rozstawy[i - 1]));
        najkrotszy = std::min(najkrotszy, pojazd.Rozstawy[i - 1]);
    }

    f.Napisy.push_back({JednostkaNaciskow, {0, 0}, tWyr::DoLewej});
    const int wierszeNaciskow = UlozNapisy(f, x, naciski, 0, lewy, miara);
    const double yStrzalki = wierszeNaciskow * WierszNapisow * h + 0.2 * h;
    const double yNadwozia = yStrzalki + DlugoscStrzalki * h;
    for (double xi : x) Strzalka(f, xi, yStrzalki, yNadwozia);
    const double yPodwozia = yNadwozia + WysokoscNadwozia * h;
    f.Prostokaty.push_back({lewy, yNadwozia, (dlugosc + 2 * zwis) * skala, WysokoscNadwozia * h});
    const double r = std::min(PromienKola * h, 0.45 * najkrotszy * skala);
    for (double xi : x) f.Kola.push_back({{xi, yPodwozia + r}, r});

    double y = yPodwozia + 2 * r + 0.8 * h;
    if (n > 1) {
        f.Odcinki.push_back({{x.front(), y}, {x.back(), y}});
        for (double xi : x) f.Odcinki.push_back({{xi, y - 0.4 * h}, {xi, y + 0.4 * h}});
        f.Napisy.push_back({JednostkaRozstawow, {0, y - 0.5 * h}, tWyr::DoLewej});
        y += 0.5 * h + UlozNapisy(f, srodkiRozstawow, rozstawy, y + 0.5 * h, lewy, miara) * WierszNapisow * h;
    }
    f.Wysokosc = y + 0.2 * h;
    return f;
}
