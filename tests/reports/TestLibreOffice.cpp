#include <gtest/gtest.h>

#include <cstdlib>

#include "Pomoc.h"

namespace {

bool JestProgram(const char* nazwa) { return std::system((std::string("command -v ") + nazwa + " >/dev/null 2>&1").c_str()) == 0; }

// Wzorcowy raport otwarty w edytorze tekstu: przekształcenie do PDF i tekst strony.
TEST(RaportWEdytorze, LibreOfficeOtwieraWzorcowyRaport)
{
    if (!JestProgram("soffice")) GTEST_SKIP() << "brak soffice (pakiet libreoffice-writer-nogui)";
    if (!JestProgram("pdftotext")) GTEST_SKIP() << "brak pdftotext (pakiet poppler-utils)";

    const auto katalog = testy::KatalogTymczasowy("LibreOffice");
    const auto rtf = katalog / "raport.rtf";
    std::filesystem::copy_file(std::filesystem::path(PONTIVA_DANE_TESTOWE) / "raporty" / "12345678@2.RTF", rtf);
    // Własny profil, by nie zależeć od katalogu domowego ani od innego uruchomienia.
    const std::string polecenie = "timeout 300 soffice -env:UserInstallation=file://" + (katalog / "profil").string() +
                                  " --headless --convert-to pdf --outdir '" + katalog.string() + "' '" +
                                  rtf.string() + "' >/dev/null 2>&1";
    ASSERT_EQ(std::system(polecenie.c_str()), 0);
    const auto pdf = katalog / "raport.pdf";
    ASSERT_TRUE(std::filesystem::exists(pdf));
    ASSERT_EQ(std::system(("pdftotext -enc UTF-8 '" + pdf.string() + "' '" + (katalog / "raport.txt").string() + "'")
                              .c_str()),
              0);
    const std::string tekst = testy::Wczytaj(katalog / "raport.txt");
    for (const char* oczekiwany : {"RAPORT", "z określenia nośności użytkowej", "drogowego obiektu mostowego",
                                   "Łomianki", "ZAŁĄCZNIK DO RAPORTU", "MAC [528cd8ee6450783783029bfe8071752d]",
                                   "[KONIEC ŚLADU OBLICZEŃ]"})
        EXPECT_NE(tekst.find(oczekiwany), std::string::npos) << oczekiwany;
}

}  // namespace
