// Zapis RTF. Ramkę z nagłówkiem, stopką i numerem strony oraz akapity, przebiegi i wiersze
// tabel raportu przypina wzorcowy raport; tu reszta zachowania zapisu.
#include <gtest/gtest.h>

#include "MostTestowy.h"

namespace {

using namespace testy;

class RtfTest : public ::testing::Test {
protected:
    // Wiersze dokumentu bez tekstu nagłówka i stopki, z ciałem zapisanym przez cialo(doc).
    std::vector<std::string> Dokument(const std::function<void(TRtfDoc&)>& cialo, bool numery = false)
    {
        TRtfDoc doc;
        EXPECT_TRUE(doc.Open(plik, "", "", numery));
        cialo(doc);
        EXPECT_TRUE(doc.Close());
        return Wiersze(CzytajPlik(plik));
    }

    tKatalogTymczasowy kat;
    const std::string plik = kat / "doc.rtf";
    tKomunikatyRtf komunikaty;
};

TEST_F(RtfTest, RamkaBezNaglowkaIStopki)
{
    // Bez tekstów nie ma stylów ani grup nagłówka i stopki; numer strony ma trzy wiersze stopki.
    auto w = Dokument([](TRtfDoc&) {}, true);
    ASSERT_EQ(w.size(), 6u + 3 + 9 + 1 + 1);
    EXPECT_EQ(w[2].find("header"), w[2].find("footer")) << "żadnego: " << w[2];
    EXPECT_NE(w[2].find("page number;}}"), std::string::npos);
    EXPECT_TRUE(w[6].starts_with("{\\footer") && w[8].ends_with("\\tx9072 \\par}"));
    w = Dokument([](TRtfDoc&) {});
    ASSERT_EQ(w.size(), 6u + 9 + 1 + 1);
    EXPECT_EQ(w[2].find("page number"), std::string::npos);
    EXPECT_TRUE(w[6].starts_with("{\\*\\pnseclvl1"));
}

TEST_F(RtfTest, OpenPrzywracaStanFormatowania)
{
    TRtfDoc doc;
    doc.SetFixedFont(), doc.SetBold(), doc.SetFontSize(8), doc.Italic = doc.Underline = true, doc.Colour = 6;
    EXPECT_EQ(doc.PrzedrostekPrzebiegu(), "\\f11\\fs16\\b\\i\\ul\\cf6 ");
    ASSERT_TRUE(doc.Open(plik, "", "", false));
    EXPECT_EQ(doc.PrzedrostekPrzebiegu(), "\\f4\\fs24\\cf1 ");
}

// Prawe krawędzie komórek z wierszy "\cellxN \pard".
std::vector<long> Krawedzie(const std::vector<std::string>& w)
{
    std::vector<long> x;
    for (const auto& l : w)
        if (auto p = l.find("\\cellx"); p != std::string::npos) x.push_back(std::stol(l.substr(p + 6)));
    return x;
}

TEST_F(RtfTest, SzerokosciKolumnObcinaneDoTwipow)
{
    const std::pair<const char*, std::vector<long>> przypadki[] = {
        {"1;8.5;0.05;6.5;", {567, 5386, 5414, 9099}},
        {"0.3;1;11;0.05;4;", {170, 737, 6974, 7002, 9270}},
        {"0.05;", {28}},
        {"8.5;", {4819}},
        {"1;8.5", {567}},  // bez końcowego ";" ostatnia szerokość odpada
        {"1;x;2;", {567}},  // szerokość nieliczbowa kończy listę
        {"1; 2 ;+3;", {567, 1701, 3402}},
        {"1;1e6;2;", {567}},  // od 1e6 cm to nie szerokość
        {"1;inf;2;", {567}},
        {"", {}},
    };
    for (char sep : {',', '.'}) {
        tSeparator s(sep);
        for (const auto& [szerokosci, krawedzie] : przypadki)
            EXPECT_EQ(Krawedzie(Dokument([&](TRtfDoc& d) { d.WriteTableRow(szerokosci, "a;"); })), krawedzie)
                << szerokosci << " separator " << sep;
        // Przecinek to tylko separator regionalny.
        EXPECT_EQ(Krawedzie(Dokument([&](TRtfDoc& d) { d.WriteTableRow("1,5;", "a;"); })),
                  std::vector<long>(sep == ',' ? 1 : 0, 850));
    }
}

TEST_F(RtfTest, BrakujacaKomorkaJestPusta)
{
    const auto w = Dokument([](TRtfDoc& d) { d.WriteTableRow("2;2;", "jedna;"); });
    EXPECT_EQ(std::vector<std::string>(w.end() - 4, w.end() - 2),
              (std::vector<std::string>{"{\\f4\\fs24\\cf1 jedna\\cell}", "{\\f4\\fs24\\cf1 \\cell}"}));
}

TEST_F(RtfTest, BledyOtwarcia)
{
    const std::string brak = kat / "brak/", tylko = kat / "tylko.rtf";
    ZapiszPlik(tylko, "stary");
    fs::permissions(tylko, fs::perms::owner_read);
    const std::pair<std::string, std::string> przypadki[] = {
        {"", "Pusta nazwa zbioru."},
        {brak + "x.rtf", "Nieprawidłowa nazwa zbioru. \rBrak kartoteki " + brak},
        // Przyczyna z warstwy plików.
        {kat.Sciezka(), "Błąd otwarcia zbioru.\rNie można zapisać pliku: " + kat.Sciezka() + " (to jest katalog)"},
        {tylko, "Błąd otwarcia zbioru.\rPlik jest tylko do odczytu: " + tylko},
    };
    for (const auto& [nazwa, komunikat] : przypadki) {
        TRtfDoc doc;
        komunikaty.clear();
        EXPECT_FALSE(doc.Open(nazwa, "n", "s", true));
        EXPECT_EQ(komunikaty, std::vector<std::string>{"Błąd [moduł VanRTF]|" + komunikat});
    }
    EXPECT_FALSE(fs::exists(brak)) << "katalogów się tu nie tworzy";
    ZapiszPlik(plik, std::string(100000, 'x'));
    EXPECT_LT(Dokument([](TRtfDoc&) {}).size(), 20u) << "otwarcie zastępuje plik";
}

}  // namespace
