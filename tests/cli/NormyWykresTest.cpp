// pontiva-cli normy --wykres: wykres SVG obok niezmienionego porównania, brak wartości
// opcji i plik, którego nie da się zapisać.
#include <gtest/gtest.h>

#include "Wspolne.h"
#include "common/Cp1250.h"

namespace {

using namespace testy;

TEST(CliNormy, WykresSvgObokPorownania)
{
    tKatalogTymczasowy tmp;
    const std::string most = DaneTestowe("raporty/most.ptv");
    const std::string wzorzec = CzytajPlik(DaneTestowe("raporty/PTU.TXT"));

    auto w = UruchomCli({"normy", most, "-o", "PTU.TXT", "--wykres", "w.svg", "--separator", ","}, tmp.Sciezka());
    EXPECT_EQ(w.Kod, 0) << w.Bledy;
    EXPECT_EQ(w.Wyjscie, "");
    EXPECT_EQ(CzytajPlik(tmp / "PTU.TXT"), wzorzec);
    const std::string svg = CzytajPlik(tmp / "w.svg");
    EXPECT_EQ(svg, CzytajPlik(DaneTestowe("raporty/wykres.svg")));  // wzorzec obejrzany

    // Porównanie na wyjściu: ten sam tekst co zawsze i ten sam wykres.
    w = UruchomCli({"normy", most, "--separator", ",", "--wykres", "w2.svg"}, tmp.Sciezka());
    EXPECT_EQ(w.Kod, 0);
    EXPECT_EQ(Wiersze(w.Wyjscie), Wiersze(Cp1250DoUtf8(wzorzec)));
    EXPECT_EQ(CzytajPlik(tmp / "w2.svg"), svg);

    w = UruchomCli({"normy", most, "--wykres"}, tmp.Sciezka());
    EXPECT_EQ(w.Kod, 2);
    EXPECT_NE(w.Bledy.find("Użycie: pontiva-cli normy PLIK.PTV [-o PLIK.TXT] [--wykres WYKRES.SVG]"), std::string::npos);

    w = UruchomCli({"normy", most, "-o", "PTU2.TXT", "--wykres", "brak/w.svg"}, tmp.Sciezka());
    EXPECT_EQ(w.Kod, 2);
    EXPECT_EQ(w.Bledy, "Błąd zapisu pliku.\nNie można zapisać pliku: brak/w.svg (nie ma takiego katalogu)\n");
    EXPECT_TRUE(fs::exists(tmp / "PTU2.TXT"));
}

}  // namespace
