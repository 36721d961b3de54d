// Wzorcowy raport otwarty w edytorze tekstu: przekształcenie do PDF i tekst strony. Osobny
// program testów z etykietą "libreoffice", bo to najwolniejszy test (ctest -LE libreoffice).
#include <gtest/gtest.h>

#include <cstdlib>

#include "Wspolne.h"

namespace {

using namespace testy;

bool JestProgram(const std::string& nazwa) { return std::system(("command -v " + nazwa + " >/dev/null 2>&1").c_str()) == 0; }

TEST(RaportWEdytorze, LibreOfficeOtwieraWzorcowyRaport)
{
    if (!JestProgram("soffice")) GTEST_SKIP() << "brak soffice (pakiet libreoffice-writer-nogui)";
    if (!JestProgram("pdftotext")) GTEST_SKIP() << "brak pdftotext (pakiet poppler-utils)";

    tKatalogTymczasowy kat;
    ZapiszPlik(kat / "raport.rtf", CzytajPlik(DaneTestowe("raporty/12345678@2.RTF")));
    // Własny profil, by nie zależeć od katalogu domowego ani od innego uruchomienia.
    const std::string polecenie = "timeout 300 soffice -env:UserInstallation=file://" + kat / "profil" +
                                  " --headless --convert-to pdf --outdir " + WCudzyslowie(kat.Sciezka()) + " " +
                                  WCudzyslowie(kat / "raport.rtf") + " >/dev/null 2>&1 && pdftotext -enc UTF-8 " +
                                  WCudzyslowie(kat / "raport.pdf") + " " + WCudzyslowie(kat / "raport.txt");
    ASSERT_EQ(std::system(polecenie.c_str()), 0);
    const std::string tekst = CzytajPlik(kat / "raport.txt");
    for (const char* oczekiwany : {"RAPORT", "z określenia nośności użytkowej", "drogowego obiektu mostowego",
                                   "Łomianki", "ZAŁĄCZNIK DO RAPORTU", "MAC [528cd8ee6450783783029bfe8071752d]",
                                   "[KONIEC ŚLADU OBLICZEŃ]"})
        EXPECT_NE(tekst.find(oczekiwany), std::string::npos) << oczekiwany;
}

}  // namespace
