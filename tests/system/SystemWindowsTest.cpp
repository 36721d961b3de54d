// Czytnik i zapis na Windows: polskie litery w ścieżkach, plik trzymany otwarty przez inny
// program (arkusz z otwartym zestawieniem), nazwa dłuższa niż 260 znaków ścieżki.
#include <windows.h>

#include <gtest/gtest.h>

#include "Wspolne.h"
#include "system/Pliki.h"
#include "system/SciezkaUtf8.h"

namespace {

using namespace testy;

std::string Czytaj(const std::string& sciezka) { return testy::CzytajPlik(SciezkaUtf8(sciezka)); }

TEST(SystemWindows, PolskieLiteryIDlugieSciezki)
{
    tKatalogTymczasowy k;
    const std::string katalog = k / "Łódź";
    ASSERT_TRUE(fs::create_directory(SciezkaUtf8(katalog)));
    for (const std::string& plik : {katalog + "/Most żółty.PTV", katalog + "/" + std::string(200, 'd') + "/" + std::string(120, 'n')}) {
        fs::create_directories(SciezkaUtf8(plik).parent_path());
        std::string komunikat;
        EXPECT_TRUE(ZapiszPlik(plik, "zażółć", komunikat)) << komunikat;
        EXPECT_EQ(Czytaj(plik), "zażółć") << plik.size();
    }
}

TEST(SystemWindows, PlikOtwartyWInnymProgramieZostajeNietkniety)
{
    tKatalogTymczasowy k;
    const std::string cel = k / "zestawienie.csv";
    ZapiszPlik(SciezkaUtf8(cel), "stary");
    HANDLE h = CreateFileW(SciezkaUtf8(cel).wstring().c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING,
                           FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(h, INVALID_HANDLE_VALUE);
    std::string komunikat;
    EXPECT_FALSE(ZapiszPlik(cel, "nowy", komunikat));
    EXPECT_EQ(komunikat, "Nie można zapisać pliku: " + cel + " (plik jest otwarty w innym programie)");
    CloseHandle(h);
    EXPECT_EQ(Czytaj(cel), "stary");
    EXPECT_EQ(std::distance(fs::directory_iterator(SciezkaUtf8(k.Sciezka())), fs::directory_iterator()), 1)
        << "plik tymczasowy po nieudanym zapisie";
    EXPECT_TRUE(ZapiszPlik(cel, "nowy", komunikat)) << komunikat;
    EXPECT_EQ(Czytaj(cel), "nowy");
}

}  // namespace
