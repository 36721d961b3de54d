#include <gtest/gtest.h>

#include "common/Cp1250.h"
#include "common/Formatowanie.h"
#include "common/Regionalne.h"

namespace {

struct Separator {
    explicit Separator(char s) { Regionalne().SeparatorDziesietny = s; }
    ~Separator() { Regionalne().SeparatorDziesietny = ','; }
};

TEST(Format, WzorceLiczbIKomunikatow)
{
    Separator przecinek(',');
    EXPECT_EQ(Format("Parametr \"%s\" ma za małą wartość. (%f)", {"Liczba dźwigarów", 1.0}),
              "Parametr \"Liczba dźwigarów\" ma za małą wartość. (1,00)");
    EXPECT_EQ(Format(" %0.4f", {78.3875}), " 78,3875");
    EXPECT_EQ(Format(" %0.0f [T]", {23.5}), " 24 [T]");
    EXPECT_EQ(Format(" %2d. Szer : %7.4f", {3, 1.5}), "  3. Szer :  1,5000");
    EXPECT_EQ(Format(" %8.4f  %5.2f t", {-12.5, 7.0}), " -12,5000   7,00 t");
    EXPECT_EQ(Format("%3s|%-4s|%d%%", {"A", "II", 7}), "  A|II  |7%");
    EXPECT_EQ(Format("Zła klasa %s", {'F'}), "Zła klasa F");
    EXPECT_EQ(Format("Zła ilość dźwigarów : %d", {0}), "Zła ilość dźwigarów : 0");
    EXPECT_EQ(Format("brak argumentu %d.", {}), "brak argumentu .");
}

TEST(Format, SeparatorKropka)
{
    Separator kropka('.');
    EXPECT_EQ(Format("  Fi(%0.2f)=%0.5f", {20.0, 1.25}), "  Fi(20.00)=1.25000");
    EXPECT_EQ(LiczbaStala(0.125, 2), "0.13");  // dokładna połówka: od zera
    EXPECT_EQ(LiczbaStala(2.675, 2), "2.67");  // 2,675 jest w dwójkowym nieco mniejsze
}

TEST(LiczbaStala, ZaokraglenieIZakresy)
{
    Separator przecinek(',');
    struct Przypadek {
        double wartosc;
        int miejsca;
        const char* tekst;
    } przypadki[] = {
        {32.5, 0, "33"},          {-0.125, 2, "-0,13"},         {0.005, 2, "0,01"},
        {1.005, 2, "1,00"},       {9.995, 2, "9,99"},           {9.9951, 2, "10,00"},
        {99.999999996, 7, "100,0000000"}, {0, 7, "0,0000000"}, {-4e-8, 7, "-0,0000000"},
        {1e19, 7, "10000000000000000000,0000000"}, {0.00390625, 7, "0,0039063"}, {123456.789, 0, "123457"},
        {1.0 / 3, 5, "0,33333"},  {2.5e-320, 2, "0,00"},        {1e20, 0, "100000000000000000000"},
    };
    for (auto p : przypadki) EXPECT_EQ(LiczbaStala(p.wartosc, p.miejsca), p.tekst) << p.wartosc;
}

TEST(LiczbaOgolna, ZapisWPlikuRoboczym)
{
    Separator przecinek(',');
    EXPECT_EQ(LiczbaOgolna(9.5), "9,5");
    EXPECT_EQ(LiczbaOgolna(0.25), "0,25");
    EXPECT_EQ(LiczbaOgolna(5), "5");
    EXPECT_EQ(LiczbaOgolna(-100), "-100");
    EXPECT_EQ(LiczbaOgolna(1e20), "1E20");
    EXPECT_EQ(LiczbaOgolna(0.1 + 0.2), "0,3");
    EXPECT_EQ(LiczbaOgolna(78.3875), "78,3875");
    Separator kropka('.');
    EXPECT_EQ(LiczbaOgolna(12.75), "12.75");
}

TEST(Regionalne, KrotkaData)
{
    Regionalne().FormatDatyKrotkiej = "dd.MM.yyyy";
    EXPECT_EQ(FormatujDate(2026, 3, 7), "07.03.2026");
    Regionalne().FormatDatyKrotkiej = "yyyy-MM-dd";
    EXPECT_EQ(FormatujDate(2026, 12, 6), "2026-12-06");
    Regionalne().FormatDatyKrotkiej = "d/M/yy";
    EXPECT_EQ(FormatujDate(2026, 12, 6), "6/12/26");
    Regionalne().FormatDatyKrotkiej = "dd.MM.yyyy";
}

TEST(Cp1250, PolskieLiteryWObieStrony)
{
    const std::string polskie = "ąćęłńóśźżĄĆĘŁŃÓŚŹŻ";
    const std::string bajty = Utf8DoCp1250(polskie);
    EXPECT_EQ(bajty, "\xB9\xE6\xEA\xB3\xF1\xF3\x9C\x9F\xBF\xA5\xC6\xCA\xA3\xD1\xD3\x8C\x8F\xAF");
    EXPECT_EQ(Cp1250DoUtf8(bajty), polskie);
}

TEST(Cp1250, ZnakiBezOdpowiednika)
{
    EXPECT_EQ(Utf8DoCp1250("a€b"), "a\x80" "b");
    EXPECT_EQ(Utf8DoCp1250("ñ漢😀"), "???");
    EXPECT_EQ(Utf8DoCp1250("x\xC3"), "x?");         // ucięta sekwencja
    EXPECT_EQ(Utf8DoCp1250("\xFF\xFE" "a"), "??a");  // bajty spoza UTF-8
    EXPECT_EQ(Cp1250DoUtf8("\x81\x83\x88\x90\x98"), "?????");
    std::string wszystkie;
    for (int b = 0x20; b < 0x100; ++b) wszystkie += static_cast<char>(b);
    std::string powrot = Utf8DoCp1250(Cp1250DoUtf8(wszystkie));
    for (int b = 0x20; b < 0x100; ++b) {
        bool nieprzypisany = b == 0x81 || b == 0x83 || b == 0x88 || b == 0x90 || b == 0x98;
        EXPECT_EQ(static_cast<unsigned char>(powrot[b - 0x20]), nieprzypisany ? '?' : b) << b;
    }
}

}  // namespace
