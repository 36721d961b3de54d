// Całe obiekty jako przypadki: każdy katalog tests/dane/przypadki/<przypadek>/ trzyma plik
// roboczy obiekt.PTV, ślad (slad.txt) i wynik JSON (wynik.json), jakie wypisuje pontiva-cli,
// oraz wyniki elementów z niezależnego przeliczenia (niezalezne.txt). Nowy przypadek to nowy
// katalog; oczekiwane pliki odtwarza tests/dane/przypadki/odswiez (opis w README.md obok).
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <map>

#include "Wspolne.h"

namespace {

using namespace testy;

// Pierwszy wiersz, którym tekst różni się od wzorca (czytelniej niż cały plik w komunikacie).
void PorownajWiersze(const std::string& tekst, const std::string& wzorzec, const std::string& plik)
{
    const auto w = Wiersze(tekst), o = Wiersze(wzorzec);
    for (size_t i = 0; i < std::min(w.size(), o.size()); ++i)
        ASSERT_EQ(w[i], o[i]) << plik << ", wiersz " << i + 1;
    ASSERT_EQ(w.size(), o.size()) << plik;
    EXPECT_EQ(tekst, wzorzec) << plik;
}

// Wiersze najgorszego wariantu śladu: "  [3: TN ] = 12,3456789" -> {"3: TN", "12,3456789"}.
std::map<std::string, std::string> WartosciElementow(const std::string& slad)
{
    std::map<std::string, std::string> m;
    for (const auto& w : Wiersze(slad)) {
        const auto otw = w.find('['), zam = w.find("] = ");
        if (otw != 2 || zam == std::string::npos || w.find(": ") > zam) continue;
        std::string etykieta = w.substr(3, zam - 3);
        while (!etykieta.empty() && etykieta.back() == ' ') etykieta.pop_back();
        m[etykieta] = w.substr(zam + 4);
    }
    return m;
}

class Przypadek : public testing::TestWithParam<std::string> {};

TEST_P(Przypadek, SladIWynikJakWzorzecIZgodneZNiezaleznym)
{
    const std::string k = DaneTestowe("przypadki/" + GetParam());
    const auto slad = UruchomCli({"slad", "--separator", ",", "obiekt.PTV"}, k);
    PorownajWiersze(slad.Wyjscie, CzytajPlik(k + "/slad.txt"), "slad.txt");
    const auto json = UruchomCli({"oblicz", "--format", "json", "--separator", ",", "obiekt.PTV"}, k);
    PorownajWiersze(json.Wyjscie, CzytajPlik(k + "/wynik.json"), "wynik.json");

    // Niezależne przeliczenie: "2: MP 91.589..." albo "2: TN NIE DOTYCZY".
    const auto wartosci = WartosciElementow(slad.Wyjscie);
    for (const auto& w : Wiersze(CzytajPlik(k + "/niezalezne.txt"))) {
        if (w.empty()) continue;
        const auto spacja = w.find(' ', w.find(": ") + 2);
        const std::string etykieta = w.substr(0, spacja), oczekiwana = w.substr(spacja + 1);
        const auto it = wartosci.find(etykieta);
        ASSERT_NE(it, wartosci.end()) << etykieta;
        if (oczekiwana == "NIE DOTYCZY" || it->second == "NIE DOTYCZY") {
            EXPECT_EQ(it->second, oczekiwana) << etykieta;
            continue;
        }
        std::string liczba = it->second;
        std::replace(liczba.begin(), liczba.end(), ',', '.');
        const double o = std::stod(oczekiwana);
        EXPECT_NEAR(std::stod(liczba), o, 1e-6 + 1e-9 * std::fabs(o)) << etykieta;
    }
}

// Przejazd pojazdu pojazd.PJZ (w części przypadków) jak wzorzec przejazd.json.
TEST(PrzypadekPrzejazdu, JakWzorzec)
{
    int ile = 0;
    for (const auto& p : Przypadki()) {
        const std::string k = DaneTestowe("przypadki/" + p);
        if (!fs::exists(k + "/pojazd.PJZ")) continue;
        ++ile;
        const auto w = UruchomCli({"przejazd", "--pojazd", "pojazd.PJZ", "--format", "json", "--separator", ",", "obiekt.PTV"}, k);
        PorownajWiersze(w.Wyjscie, CzytajPlik(k + "/przejazd.json"), p + "/przejazd.json");
    }
    EXPECT_GE(ile, 4);
}

INSTANTIATE_TEST_SUITE_P(, Przypadek, testing::ValuesIn(Przypadki()),
                         [](const testing::TestParamInfo<std::string>& i) { return i.param; });

}  // namespace
