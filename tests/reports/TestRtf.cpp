// Zapis RTF. Pełną ramkę (nagłówek, stopka z numerem strony) przypina wzorcowy raport;
// tu warianty ramki i operacje, których raport nie używa.
#include <gtest/gtest.h>

#include <algorithm>

#include "Wspolne.h"
#include "reports/VanRTF.h"

namespace {

using namespace testy;

class RtfTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        UstawKomunikatyRtf([this](const std::string& t, const std::string& k) { komunikaty.push_back(t + "|" + k); });
    }
    void TearDown() override { UstawKomunikatyRtf(nullptr); }

    // Wiersze dokumentu z ciałem zapisanym przez cialo(doc).
    std::vector<std::string> Dokument(const std::string& nagl, const std::string& stopka, bool numery,
                                      const std::function<void(TRtfDoc&)>& cialo)
    {
        TRtfDoc doc;
        EXPECT_TRUE(doc.Open(plik, nagl, stopka, numery));
        cialo(doc);
        EXPECT_TRUE(doc.Close());
        return Wiersze(CzytajPlik(plik));
    }
    // Ciało bez ramki (16 wierszy bez nagłówka i stopki) i bez wiersza zamknięcia.
    std::vector<std::string> Cialo(const std::function<void(TRtfDoc&)>& cialo)
    {
        auto w = Dokument("", "", false, cialo);
        return std::vector<std::string>(w.begin() + 16, w.end() - 1);
    }

    tKatalogTymczasowy kat;
    const std::string plik = kat / "doc.rtf";
    std::vector<std::string> komunikaty;
};

TEST_F(RtfTest, WariantyRamki)
{
    const struct {
        const char *naglowek, *stopka;
        bool numery;
        size_t wierszeNaglowkaIStopki;
        const char* koniecStopki;  // koniec ostatniego wiersza stopki z numerem strony
    } warianty[] = {
        {"", "", false, 0, ""},
        {"", "stopka", false, 2, ""},
        {"", "", true, 3, "\\tqc\\tx4536\\tqr\\tx9072 \\par}"},
        {"nagłówek", "", false, 2, ""},
        {"nagłówek", "stopka", true, 5, "\\tqc\\tx4536\\tqr\\tx9072 stopka\\par}"},
    };
    for (const auto& wr : warianty) {
        SCOPED_TRACE(std::string(wr.naglowek) + "|" + wr.stopka + "|" + (wr.numery ? "numery" : ""));
        const auto w = Dokument(wr.naglowek, wr.stopka, wr.numery, [](TRtfDoc&) {});
        ASSERT_EQ(w.size(), 6 + wr.wierszeNaglowkaIStopki + 9 + 1 + 1);
        EXPECT_EQ(w.back(), " \\par }");
        EXPECT_EQ(w[2].find("snext15 header;}") != std::string::npos, *wr.naglowek != 0);
        EXPECT_EQ(w[2].find("snext16 footer;}") != std::string::npos, *wr.stopka != 0);
        EXPECT_EQ(w[2].find("page number;}") != std::string::npos, wr.numery);
        EXPECT_TRUE(w[2].ends_with(";}}")) << "zamknięcie arkusza stylów";
        const size_t h = wr.wierszeNaglowkaIStopki;
        if (*wr.naglowek) {
            EXPECT_TRUE(w[6].starts_with("{\\header") && w[6].ends_with("\\lang1045 nag\xB3\xF3wek\\par") && w[7] == "}");
        }
        if (*wr.stopka && !wr.numery) {
            EXPECT_TRUE(w[6].starts_with("{\\footer") && w[6].ends_with("\\lang1045 stopka\\par") && w[7] == "}");
        }
        if (wr.numery) {
            EXPECT_TRUE(w[3 + h].starts_with("{\\footer") && w[4 + h].find("PAGE") != std::string::npos &&
                        w[5 + h].ends_with(wr.koniecStopki));
        }
        EXPECT_TRUE(w[6 + wr.wierszeNaglowkaIStopki].starts_with("{\\*\\pnseclvl1"));
    }
    // Każdy wiersz kończy CR LF, także ostatni.
    EXPECT_TRUE(CzytajPlik(plik).ends_with("\\lang1045 \r\n \\par }\r\n"));
}

TEST_F(RtfTest, AkapityPrzebiegiIStanFormatowania)
{
    TRtfDoc brudny;  // Open przywraca stan formatowania
    brudny.SetFixedFont(), brudny.SetBold(), brudny.SetFontSize(8), brudny.Colour = 6;
    brudny.Italic = brudny.Underline = true;
    ASSERT_TRUE(brudny.Open(kat / "b.rtf", "", "", false));
    EXPECT_EQ(brudny.PrzedrostekPrzebiegu(), "\\f4\\fs24\\cf1 ");
    brudny.Close();

    const auto w = Cialo([](TRtfDoc& d) {
        d.WriteText("zwykły");
        d.SetFixedFont(), d.SetFontSize(10);
        d.WriteParagraph("RAPORT");
        d.SetBold(), d.Italic = d.Underline = true, d.Colour = 6;
        d.WriteParagraph("x");
        d.SetPlain();  // zostawia czcionkę i rozmiar
        d.WriteCell("k");
        d.WriteRaw("\\sect");
        d.WriteParBreak();
        d.AlignLeft(), d.AlignRight(), d.AlignCenter();
    });
    const std::vector<std::string> oczekiwane = {
        "{\\f4\\fs24\\cf1 zwyk\xb3y}",    "{\\f11\\fs20\\cf1 RAPORT\\par }", "{\\f11\\fs20\\b\\i\\ul\\cf6 x\\par }",
        "{\\f11\\fs20\\cf1 k\\cell}",     "\\sect",                          "\\par",
        "\\pard \\ql\\widctlpar",         "\\pard \\qr\\widctlpar",          "\\pard \\qc\\widctlpar",
    };
    EXPECT_EQ(w, oczekiwane);
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
        {"1;1e7;2;", {567}},
        {"", {}},
    };
    for (char sep : {',', '.'}) {
        tSeparator s(sep);
        for (const auto& [szerokosci, krawedzie] : przypadki) {
            const auto w = Cialo([&](TRtfDoc& d) { d.WriteTableRow(szerokosci, "a;b;c;d;e;f;"); });
            EXPECT_EQ(Krawedzie(w), krawedzie) << szerokosci << " separator " << sep;
        }
        // Przecinek czytany tylko jako separator regionalny.
        const auto w = Cialo([&](TRtfDoc& d) { d.WriteTableRow("1,5;", "a;"); });
        EXPECT_EQ(Krawedzie(w), std::vector<long>(sep == ',' ? 1 : 0, 850)) << "1,5 separator " << sep;
    }
}

TEST_F(RtfTest, KomorkiWierszaTabeliIRamka)
{
    const auto w = Cialo([](TRtfDoc& d) {
        d.WriteTableRow("1;8.5;0.05;", ";a -;:;nadmiar;");
        d.WriteTableRow("2;2;", "jedna;");
        d.WriteTableRow("1;", "x;", "brdrw10");
    });
    std::vector<std::string> komorki;
    for (const auto& l : w)
        if (l.ends_with("\\cell}")) komorki.push_back(l.substr(l.find(' ') + 1));
    EXPECT_EQ(komorki, (std::vector<std::string>{"\\cell}", "a -\\cell}", ":\\cell}", "jedna\\cell}", "\\cell}",
                                                 "x\\cell}"}));
    EXPECT_EQ(std::count(w.begin(), w.end(), "\\trowd \\trgaph70\\trleft-70"), 3);
    EXPECT_EQ(std::count(w.begin(), w.end(), "\\ql\\widctlpar\\intbl"), 3);
    EXPECT_EQ(std::count(w.begin(), w.end(), "\\pard\\widctlpar\\intbl\\row\\pard\\ql\\widctlpar"), 3);
    EXPECT_EQ(w[w.size() - 4], "\\clbrdrt\\brdrs\\brdrw10 \\clbrdrl\\brdrs\\brdrw10 \\clbrdrb\\brdrs\\brdrw10 "
                               "\\clbrdrr\\brdrs\\brdrw10\\cellx567 \\pard");
}

TEST_F(RtfTest, BledyOtwarciaIZapisu)
{
    const std::string brak = kat / "brak/";
    const std::pair<std::string, std::string> przypadki[] = {
        {"", "Pusta nazwa zbioru."},
        {brak + "x.rtf", "Nieprawidłowa nazwa zbioru. \rBrak kartoteki " + brak},
        {kat.Sciezka(), "Błąd otwarcia zbioru.\r" + kat.Sciezka()},
    };
    for (const auto& [nazwa, komunikat] : przypadki) {
        TRtfDoc doc;
        komunikaty.clear();
        EXPECT_FALSE(doc.Open(nazwa, "n", "s", true));
        EXPECT_EQ(komunikaty, std::vector<std::string>{"Błąd [moduł VanRTF]|" + komunikat});
    }
    EXPECT_FALSE(fs::exists(brak)) << "katalogów się tu nie tworzy";

    // Otwarcie zastępuje stary plik.
    ZapiszPlik(plik, std::string(100000, 'x'));
    Dokument("", "", false, [](TRtfDoc&) {});
    EXPECT_LT(CzytajPlik(plik).size(), 3000u);

    if (!fs::exists("/dev/full")) GTEST_SKIP() << "brak /dev/full do symulacji pełnego dysku";
    TRtfDoc doc;
    ASSERT_TRUE(doc.Open("/dev/full", "", "", false));
    for (int i = 0; i < 2000; ++i) doc.WriteParagraph("wiersz, który nie zmieści się na dysku");
    EXPECT_TRUE(doc.BladZapisu());
    EXPECT_FALSE(doc.Close());
}

TEST(TekstRtf, ZnakiSterujaceUzytkownikaSaDoslowne)
{
    EXPECT_EQ(TekstRtf("a\\b{c}d"), "a\\\\b\\{c\\}d");
    EXPECT_EQ(TekstRtf("Łódź 12"), "Łódź 12");
}

}  // namespace
