// Raport RTF i porównanie norm na pełnym dysku: poprzedni plik zostaje cały, bez
// fragmentu i bez pliku tymczasowego, a błąd jest zgłoszony.
#include <gtest/gtest.h>

#include <functional>

#include "PelnyDysk.h"
#include "reports/Porownanie.h"
#include "reports/VanRTF.h"

namespace {

using namespace testy;

TEST(PelnyDysk, RaportIPorownanieZostawiajaPoprzedniPlik)
{
    tPelnyDysk dysk;
    if (!dysk.Powod().empty()) GTEST_SKIP() << dysk.Powod();
    std::string komunikatRtf;
    UstawKomunikatyRtf([&](const std::string&, const std::string& t) { komunikatRtf = t; });
    const struct {
        const char* nazwa;
        std::function<bool(const std::string&)> zapisz;
    } zapisy[] = {
        {"R.RTF",
         [](const std::string& plik) {
             TRtfDoc doc;
             if (!doc.Open(plik, "JNI: 12345678", "06.12.2026", true)) return false;
             for (int i = 0; i < 2000; ++i) doc.WriteParagraph("wiersz śladu obliczeń");
             return doc.Close();
         }},
        {"PTU.TXT",
         [](const std::string& plik) {
             tObiektMostowy naglowek, obliczany;
             std::string komunikat;
             return ZapiszPorownanie(naglowek, obliczany, {"12345678", "1", std::string(9000, 'd'), "", "", ""}, plik,
                                     komunikat);
         }},
    };
    for (const auto& z : zapisy) {
        ZapiszPlik(dysk / z.nazwa, "poprzedni");
        EXPECT_FALSE(z.zapisz(dysk / z.nazwa)) << z.nazwa;
        EXPECT_EQ(CzytajPlik(dysk / z.nazwa), "poprzedni") << z.nazwa;
    }
    EXPECT_EQ(komunikatRtf, "Nie można zapisać pliku: " + dysk / "R.RTF" + " (brak miejsca na dysku)");
    EXPECT_EQ(dysk.Pliki().size(), 2u);
    UstawKomunikatyRtf(nullptr);
}

}  // namespace
