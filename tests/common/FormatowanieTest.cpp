// Formatowanie liczb i komunikatów z separatorem regionalnym, daty, separator ze środowiska
// i strona kodowa Windows-1250.
#include <gtest/gtest.h>

#include "Wspolne.h"
#include "common/Cp1250.h"
#include "common/Formatowanie.h"

namespace {

using namespace testy;

TEST(Format, WzorceKomunikatowIWierszy)
{
    EXPECT_EQ(Format("Parametr \"%s\" ma za małą wartość. (%f)", {"Liczba dźwigarów", 1.0}),
              "Parametr \"Liczba dźwigarów\" ma za małą wartość. (1,00)");
    EXPECT_EQ(Format(" %0.4f", {78.3875}), " 78,3875");
    EXPECT_EQ(Format(" %0.0f [T]", {23.5}), " 24 [T]");
    EXPECT_EQ(Format(" %2d. Szer : %7.4f", {3, 1.5}), "  3. Szer :  1,5000");
    EXPECT_EQ(Format(" %8.4f  %5.2f t", {-12.5, 7.0}), " -12,5000   7,00 t");
    EXPECT_EQ(Format("%3s|%-4s|%d%%|%.2s", {"A", "II", 7, "abc"}), "  A|II  |7%|ab");
    EXPECT_EQ(Format("Zła klasa %s|%0.9f|%0.12f", {'F', 1.0 / 3, 1.0 / 3}), "Zła klasa F|0,333333333|0,333333333333");
    EXPECT_EQ(Format("brak argumentu %d.", {}), "brak argumentu .");
    EXPECT_EQ(Format("%x|%c|100%|5%5", {1}), "%x|%c|100%|5%5");  // nieznane i niedokończone pola dosłownie
    tSeparator kropka('.');
    EXPECT_EQ(Format("  Fi(%0.2f)=%0.5f %f", {20.0, 1.25, -0.005}), "  Fi(20.00)=1.25000 -0.01");
}

// Połówki od zera na 17 cyfrach znaczących; 2,675 i 1,005 są w zapisie dwójkowym nieco mniejsze.
TEST(LiczbaStala, ZaokraglenieIZakresy)
{
    const struct {
        double wartosc;
        int miejsca;
        const char* tekst;
    } przypadki[] = {
        {0.125, 2, "0,13"},   {32.5, 0, "33"},      {2.675, 2, "2,67"},   {-0.125, 2, "-0,13"},
        {0.005, 2, "0,01"},   {1.005, 2, "1,00"},   {9.995, 2, "9,99"},   {9.9951, 2, "10,00"},
        {0, 7, "0,0000000"},  {-4e-8, 7, "-0,0000000"}, {0.00390625, 7, "0,0039063"}, {123456.789, 0, "123457"},
        {1.0 / 3, 5, "0,33333"}, {2.5e-320, 2, "0,00"}, {99.999999996, 7, "100,0000000"},
        {1e19, 7, "10000000000000000000,0000000"}, {1e20, 0, "100000000000000000000"},
    };
    for (const auto& p : przypadki) EXPECT_EQ(LiczbaStala(p.wartosc, p.miejsca), p.tekst) << p.wartosc;
    tSeparator kropka('.');
    EXPECT_EQ(LiczbaStala(0.125, 2), "0.13");
    std::string s = "x";
    DopiszLiczbeStala(s, 2.5, 1, ';');
    EXPECT_EQ(s, "x2;5");
}

TEST(LiczbaOgolna, ZapisWPlikuRoboczym)
{
    const std::pair<double, const char*> przypadki[] = {{9.5, "9,5"},   {0.25, "0,25"}, {5, "5"}, {-100, "-100"},
                                                          {1e20, "1E20"}, {0.1 + 0.2, "0,3"}, {78.3875, "78,3875"}};
    for (auto [x, tekst] : przypadki) EXPECT_EQ(LiczbaOgolna(x), tekst) << x;
    tSeparator kropka('.');
    EXPECT_EQ(LiczbaOgolna(12.75), "12.75");
}

TEST(Regionalne, KrotkaDataISeparatorZeSrodowiska)
{
    const std::string poprzedni = Regionalne().FormatDatyKrotkiej;
    for (auto [wzor, data] : {std::pair{"dd.MM.yyyy", "07.03.2026"}, {"yyyy-MM-dd", "2026-03-07"}, {"d/M/yy", "7/3/26"}}) {
        Regionalne().FormatDatyKrotkiej = wzor;
        EXPECT_EQ(FormatujDate(2026, 3, 7), data) << wzor;
    }
    Regionalne().FormatDatyKrotkiej = poprzedni;

    // LC_ALL przed LC_NUMERIC przed LANG; puste pomija się; C i POSIX to kropka.
    const struct {
        const char *lcAll, *lcNumeric, *lang;
        char separator;
    } srodowiska[] = {
        {"", "", "", '.'},           {"", "", "pl_PL.UTF-8", ','}, {"", "en_US.UTF-8", "pl_PL", '.'},
        {"de_DE", "en_GB", "", ','}, {"C", "pl_PL", "", '.'},      {"", "", "C.UTF-8", '.'},
        {"POSIX", "", "", '.'},      {"", "", "ja_JP", '.'},       {"", "", "cs", ','},
    };
    for (const auto& s : srodowiska) {
        UstawZmienna("LC_ALL", s.lcAll);
        UstawZmienna("LC_NUMERIC", s.lcNumeric);
        UstawZmienna("LANG", s.lang);
        EXPECT_EQ(SeparatorZeSrodowiska(), s.separator) << s.lcAll << "|" << s.lcNumeric << "|" << s.lang;
    }
}

TEST(Cp1250, PolskieLiteryIZnakiBezOdpowiednika)
{
    const std::string polskie = "ąćęłńóśźżĄĆĘŁŃÓŚŹŻ";
    EXPECT_EQ(Utf8DoCp1250(polskie), "\xB9\xE6\xEA\xB3\xF1\xF3\x9C\x9F\xBF\xA5\xC6\xCA\xA3\xD1\xD3\x8C\x8F\xAF");
    EXPECT_EQ(Cp1250DoUtf8(Utf8DoCp1250(polskie)), polskie);
    EXPECT_EQ(Utf8DoCp1250("a€b"), "a\x80" "b");
    EXPECT_EQ(Utf8DoCp1250("ñ漢😀"), "???");
    EXPECT_EQ(Utf8DoCp1250("x\xC3"), "x?");         // ucięta sekwencja
    EXPECT_EQ(Utf8DoCp1250("\xFF\xFE" "a"), "??a");  // bajty spoza UTF-8
    EXPECT_EQ(Cp1250DoUtf8("\x81\x83\x88\x90\x98"), "?????");
    // Każdy przypisany bajt 0x20..0xFF wraca po obu przekształceniach.
    std::string wszystkie;
    for (int b = 0x20; b < 0x100; ++b) wszystkie += static_cast<char>(b);
    const std::string powrot = Utf8DoCp1250(Cp1250DoUtf8(wszystkie));
    for (int b = 0x20; b < 0x100; ++b) {
        const bool nieprzypisany = b == 0x81 || b == 0x83 || b == 0x88 || b == 0x90 || b == 0x98;
        EXPECT_EQ(static_cast<unsigned char>(powrot[b - 0x20]), nieprzypisany ? '?' : b) << b;
    }
}

}  // namespace
