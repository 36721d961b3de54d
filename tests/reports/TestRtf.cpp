#include <gtest/gtest.h>

#include "Pomoc.h"
#include "reports/VanRTF.h"

namespace {

using testy::Wiersze;

// Ramka z nagłówkiem, stopką i numerami stron, przepisana z opisu formatu dokumentu.
const std::vector<std::string> PelnaRamka = {
    "{\\rtf1\\ansi \\deff4\\deflang1033{\\fonttbl{\\f1\\froman\\fcharset2\\fprq2 Symbol;}{\\f4\\froman\\fcharset238\\fprq2 "
    "Times New Roman CE;}{\\f5\\fswiss\\fcharset238\\fprq2 Arial CE;}{\\f11\\fmodern\\fcharset238\\fprq1 Courier New CE;}}",
    "{\\colortbl;\\red0\\green0\\blue0;\\red0\\green0\\blue255;\\red0\\green255\\blue255;\\red0\\green255\\blue0;"
    "\\red255\\green0\\blue255;\\red255\\green0\\blue0;\\red255\\green255\\blue0;\\red255\\green255\\blue255;"
    "\\red0\\green0\\blue128;\\red0\\green128\\blue128;\\red0\\green128\\blue0;\\red128\\green0\\blue128;"
    "\\red128\\green0\\blue0;\\red128\\green128\\blue0;\\red128\\green128\\blue128;\\red192\\green192\\blue192;}",
    "{\\stylesheet{\\qc\\widctlpar\\f4\\fs20\\lang1045\\snext0 Normal;}{\\*\\cs10\\additive Default Paragraph Font;}"
    "{\\s15\\qc\\widctlpar\\tqc\\tx4536\\tqr\\tx9072\\f4\\fs20\\lang1045\\sbasedon0\\snext15 header;}"
    "{\\s16\\qc\\widctlpar\\tqc\\tx4536\\tqr\\tx9072\\f4\\fs20\\lang1045\\sbasedon0\\snext16 footer;}"
    "{\\*\\cs17\\additive\\sbasedon10 page number;}}",
    " \\paperw11906\\paperh16838\\margl1417\\margr1417\\margt1417\\margb1417",
    " \\deftab708\\widowctrl\\ftnbj\\aenddoc\\hyphhotz425\\formshade \\fet0\\sectd",
    " \\linex0\\headery709\\footery879\\colsx709\\endnhere",
    "{\\header\\pard\\plain\\s15\\qc\\widctlpar\\tqc\\tx4536\\tqr\\tx9072\\f4\\fs20\\lang1045 JNI: 12345678\\par",
    "}",
    "{\\footer\\pard\\plain\\s16\\qc\\widctlpar\\tqc\\tx4536\\tqr\\tx9072\\pvpara\\phmrg\\posxr\\posy0\\f4\\fs20\\lang1045",
    "{\\field{\\*\\fldinst{\\cs17 PAGE}}{\\fldrslt{\\cs17\\lang1024 1}}}{\\cs17\\par}",
    "\\pard\\s16\\qc\\widctlpar\\tqc\\tx4536\\tqr\\tx9072 06.12.2026\\par}",
    "{\\*\\pnseclvl1\\pnucrm\\pnstart1\\pnindent720\\pnhang{\\pntxta .}}",
    "{\\*\\pnseclvl2\\pnucltr\\pnstart1\\pnindent720\\pnhang{\\pntxta .}}",
    "{\\*\\pnseclvl3\\pndec\\pnstart1\\pnindent720\\pnhang{\\pntxta .}}",
    "{\\*\\pnseclvl4\\pnlcltr\\pnstart1\\pnindent720\\pnhang{\\pntxta )}}",
    "{\\*\\pnseclvl5\\pndec\\pnstart1\\pnindent720\\pnhang{\\pntxtb (}{\\pntxta )}}",
    "{\\*\\pnseclvl6\\pnlcltr\\pnstart1\\pnindent720\\pnhang{\\pntxtb (}{\\pntxta )}}",
    "{\\*\\pnseclvl7\\pnlcrm\\pnstart1\\pnindent720\\pnhang{\\pntxtb (}{\\pntxta )}}",
    "{\\*\\pnseclvl8\\pnlcltr\\pnstart1\\pnindent720\\pnhang{\\pntxtb (}{\\pntxta )}}",
    "{\\*\\pnseclvl9\\pnlcrm\\pnstart1\\pnindent720\\pnhang{\\pntxtb (}{\\pntxta )}}",
    " \\pard\\plain \\ql\\widctlpar \\f4\\fs20\\lang1045 ",
};

class RtfTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        katalog = testy::KatalogTymczasowy(::testing::UnitTest::GetInstance()->current_test_info()->name());
        plik = (katalog / "doc.rtf").string();
        UstawKomunikatyRtf([this](const std::string& t, const std::string& k) {
            tytul = t;
            komunikat = k;
        });
    }
    void TearDown() override { UstawKomunikatyRtf(nullptr); }

    // Dokument z ciałem zapisanym przez cialo(doc); zwraca wiersze pliku.
    template <class F>
    std::vector<std::string> Dokument(const std::string& nagl, const std::string& stopka, bool numery, F cialo)
    {
        TRtfDoc doc;
        EXPECT_TRUE(doc.Open(plik, nagl, stopka, numery));
        cialo(doc);
        EXPECT_TRUE(doc.Close());
        return Wiersze(testy::Wczytaj(plik));
    }
    std::vector<std::string> Cialo(std::function<void(TRtfDoc&)> cialo)
    {
        auto w = Dokument("", "", false, cialo);
        // Ciało bez ramki (16 wierszy bez nagłówka i stopki) i bez wiersza zamknięcia.
        return std::vector<std::string>(w.begin() + 16, w.end() - 1);
    }

    std::filesystem::path katalog;
    std::string plik, tytul, komunikat;
};

TEST_F(RtfTest, PelnaRamkaIZamkniecie)
{
    std::string bajty;
    auto w = Dokument("JNI: 12345678", "06.12.2026", true, [](TRtfDoc&) {});
    ASSERT_EQ(w.size(), PelnaRamka.size() + 1);
    for (size_t i = 0; i < PelnaRamka.size(); ++i) EXPECT_EQ(w[i], PelnaRamka[i]) << "wiersz " << i + 1;
    EXPECT_EQ(w.back(), " \\par }");
    // Każdy wiersz kończy CR LF, także ostatni.
    bajty = testy::Wczytaj(plik);
    EXPECT_EQ(bajty.substr(bajty.size() - 9), " \\par }\r\n");
}

struct WariantRamki {
    const char* naglowek;
    const char* stopka;
    bool numery;
    std::vector<std::string> oczekiwane;  // wiersze między układem strony a poziomami list
    bool styl15, styl16, styl17;
};

TEST_F(RtfTest, WariantyRamki)
{
    const std::string st = "\\s16\\qc\\widctlpar\\tqc\\tx4536\\tqr\\tx9072";
    const WariantRamki warianty[] = {
        {"", "", false, {}, false, false, false},
        {"", "stopka", false,
         {"{\\footer\\pard\\plain" + st + "\\f4\\fs20\\lang1045 stopka\\par", "}"}, false, true, false},
        {"", "", true, {PelnaRamka[8], PelnaRamka[9], "\\pard" + st + " \\par}"}, false, false, true},
        {"nagłówek", "", false, {"{\\header\\pard\\plain\\s15\\qc\\widctlpar\\tqc\\tx4536\\tqr\\tx9072\\f4\\fs20\\lang1045 "
                                  "nag\xb3\xf3wek\\par", "}"}, true, false, false},
    };
    for (const auto& wr : warianty) {
        auto w = Dokument(wr.naglowek, wr.stopka, wr.numery, [](TRtfDoc&) {});
        SCOPED_TRACE(std::string(wr.naglowek) + "|" + wr.stopka + "|" + (wr.numery ? "numery" : ""));
        ASSERT_EQ(w.size(), 6 + wr.oczekiwane.size() + 9 + 1 + 1);
        EXPECT_EQ(std::vector<std::string>(w.begin() + 6, w.begin() + 6 + wr.oczekiwane.size()), wr.oczekiwane);
        EXPECT_EQ(w[6 + wr.oczekiwane.size()], PelnaRamka[11]);
        EXPECT_EQ(w[2].find("snext15 header") != std::string::npos, wr.styl15);
        EXPECT_EQ(w[2].find("snext16 footer") != std::string::npos, wr.styl16);
        EXPECT_EQ(w[2].find("page number") != std::string::npos, wr.styl17);
        EXPECT_EQ(w[2].substr(w[2].size() - 3), ";}}") << "zamknięcie arkusza stylów";
    }
}

TEST_F(RtfTest, AkapityPrzebiegiIStanFormatowania)
{
    auto w = Cialo([](TRtfDoc& d) {
        d.WriteText("zwykły");
        d.SetFixedFont();
        d.SetFontSize(10);
        d.WriteParagraph("RAPORT");
        d.SetBold();
        d.Italic = d.Underline = true;
        d.WriteParagraph("x");
        d.SetPlain();  // zostawia czcionkę i rozmiar
        d.WriteCell("k");
        d.WriteRaw("\\sect");
        d.WriteParBreak();
        d.AlignLeft();
        d.AlignRight();
        d.AlignCenter();
    });
    const std::vector<std::string> oczekiwane = {
        "{\\f4\\fs24\\cf1 zwyk\xb3y}",
        "{\\f11\\fs20\\cf1 RAPORT\\par }",
        "{\\f11\\fs20\\b\\i\\ul\\cf1 x\\par }",
        "{\\f11\\fs20\\cf1 k\\cell}",
        "\\sect",
        "\\par",
        "\\pard \\ql\\widctlpar",
        "\\pard \\qr\\widctlpar",
        "\\pard \\qc\\widctlpar",
    };
    EXPECT_EQ(w, oczekiwane);
}

TEST_F(RtfTest, OpenPrzywracaStanFormatowania)
{
    TRtfDoc doc;
    doc.SetFixedFont();
    doc.SetBold();
    doc.SetFontSize(8);
    doc.Colour = 6;
    ASSERT_TRUE(doc.Open(plik, "", "", false));
    EXPECT_EQ(doc.PrzedrostekPrzebiegu(), "\\f4\\fs24\\cf1 ");
    doc.Close();
}

// Prawe krawędzie komórek z wiersza "\cellxN \pard".
std::vector<long> Krawedzie(const std::vector<std::string>& w)
{
    std::vector<long> x;
    for (const auto& l : w)
        if (auto p = l.find("\\cellx"); p != std::string::npos) x.push_back(std::stol(l.substr(p + 6)));
    return x;
}

TEST_F(RtfTest, SzerokosciKolumnObcinaneDoTwipow)
{
    struct Przypadek {
        const char* szerokosci;
        std::vector<long> krawedzie;
    };
    const Przypadek przypadki[] = {
        {"1;8.5;0.05;6.5;", {567, 5386, 5414, 9099}},
        {"0.3;1;11;0.05;4;", {170, 737, 6974, 7002, 9270}},
        {"0.05;", {28}},
        {"8.5;", {4819}},
        {"1;8.5", {567}},        // bez końcowego ";" ostatnia szerokość odpada
        {"1;x;2;", {567}},       // szerokość nieliczbowa kończy listę
        {"", {}},
        {"1,5;", {850}},         // przecinek też jest separatorem regionalnym
    };
    for (char sep : {',', '.'}) {
        testy::Separator s(sep);
        for (const auto& p : przypadki) {
            if (sep == '.' && std::string(p.szerokosci) == "1,5;") continue;
            auto w = Cialo([&](TRtfDoc& d) { d.WriteTableRow(p.szerokosci, "a;b;c;d;e;f;"); });
            EXPECT_EQ(Krawedzie(w), p.krawedzie) << p.szerokosci << " separator " << sep;
        }
    }
}

TEST_F(RtfTest, WierszTabeli)
{
    auto w = Cialo([](TRtfDoc& d) {
        d.SetFixedFont();
        d.SetFontSize(10);
        d.WriteTableRow("1;8.5;0.05;", ";a -;:;nadmiar;");
        d.WriteTableRow("2;2;", "jedna;");
        d.WriteTableRow("1;", "x;", "brdrw10");
    });
    const std::vector<std::string> oczekiwane = {
        "\\trowd \\trgaph70\\trleft-70",
        "\\cellx567 \\pard",
        "\\cellx5386 \\pard",
        "\\cellx5414 \\pard",
        "\\ql\\widctlpar\\intbl",
        "{\\f11\\fs20\\cf1 \\cell}",
        "{\\f11\\fs20\\cf1 a -\\cell}",
        "{\\f11\\fs20\\cf1 :\\cell}",
        "\\pard\\widctlpar\\intbl\\row\\pard\\ql\\widctlpar",
        "\\trowd \\trgaph70\\trleft-70",
        "\\cellx1134 \\pard",
        "\\cellx2268 \\pard",
        "\\ql\\widctlpar\\intbl",
        "{\\f11\\fs20\\cf1 jedna\\cell}",
        "{\\f11\\fs20\\cf1 \\cell}",
        "\\pard\\widctlpar\\intbl\\row\\pard\\ql\\widctlpar",
        "\\trowd \\trgaph70\\trleft-70",
        "\\clbrdrt\\brdrs\\brdrw10 \\clbrdrl\\brdrs\\brdrw10 \\clbrdrb\\brdrs\\brdrw10 \\clbrdrr\\brdrs\\brdrw10"
        "\\cellx567 \\pard",
        "\\ql\\widctlpar\\intbl",
        "{\\f11\\fs20\\cf1 x\\cell}",
        "\\pard\\widctlpar\\intbl\\row\\pard\\ql\\widctlpar",
    };
    EXPECT_EQ(w, oczekiwane);
}

TEST_F(RtfTest, BledyOtwarcia)
{
    struct Przypadek {
        std::string nazwa;
        std::string komunikat;
    };
    const std::string brak = (katalog / "brak").string() + "/";
    const Przypadek przypadki[] = {
        {"", "Pusta nazwa zbioru."},
        {brak + "x.rtf", "Nieprawidłowa nazwa zbioru. \rBrak kartoteki " + brak},
        {katalog.string(), "Błąd otwarcia zbioru.\r" + katalog.string()},
    };
    for (const auto& p : przypadki) {
        TRtfDoc doc;
        komunikat.clear();
        EXPECT_FALSE(doc.Open(p.nazwa, "n", "s", true));
        EXPECT_EQ(komunikat, p.komunikat);
        EXPECT_EQ(tytul, "Błąd [moduł VanRTF]");
    }
    EXPECT_FALSE(std::filesystem::exists(brak)) << "katalogów się tu nie tworzy";
}

TEST_F(RtfTest, OtwarcieZastepujePlikIZglaszaBladZapisu)
{
    testy::Zapisz(plik, std::string(100000, 'x'));
    Dokument("", "", false, [](TRtfDoc&) {});
    EXPECT_LT(testy::Wczytaj(plik).size(), 3000u);

    TRtfDoc doc;
    EXPECT_FALSE(doc.Open("/dev/full", "", "", false)) << "urządzenie nie jest zwykłym plikiem";
}

TEST(TekstRtf, ZnakiSterujaceUzytkownikaSaDoslowne)
{
    EXPECT_EQ(TekstRtf("a\\b{c}d"), "a\\\\b\\{c\\}d");
    EXPECT_EQ(TekstRtf("Łódź 12"), "Łódź 12");
}

}  // namespace
