// Rysunek jako metaplik w RTF: nagłówek zgodny z rekordami (edytor odrzuca metaplik o złej
// długości), rekord na figurę, napis w Windows-1250, rozmiar obrazu w setnych mm i twipach.
#include <gtest/gtest.h>

#include <map>

#include "common/Cp1250.h"
#include "reports/ObrazWmf.h"

namespace {

TEST(ObrazWmf, RekordyNaglowekIRozmiar)
{
    tFigury f;
    f.Szerokosc = 160, f.Wysokosc = 30, f.WysokoscTekstu = 3.5;
    f.Odcinki = {{{0, 0}, {160, 30}}};
    f.Wielokaty = {{{{1, 1}, {2, 2}, {3, 1}}}};
    f.Kola = {{{10, 10}, 2}};
    f.Prostokaty = {{1, 2, 3, 4}};
    f.Napisy = {{"Łódź", {80, 5}, tFigury::tWyrownanie::DoSrodka}};
    const std::string b = MetaplikWmf(f);
    auto slowo = [&](size_t i) { return static_cast<unsigned char>(b[i]) | static_cast<unsigned char>(b[i + 1]) << 8; };
    auto dword = [&](size_t i) { return static_cast<size_t>(slowo(i) | slowo(i + 2) << 16); };
    ASSERT_EQ(b.size() % 2, 0u);
    EXPECT_EQ(dword(6) * 2, b.size());
    std::map<int, int> rekordy;  // funkcja → liczba
    size_t i = 18, maks = 0, okno = 0;
    for (; i + 6 <= b.size(); i += 2 * dword(i)) {
        maks = std::max(maks, dword(i));
        ++rekordy[slowo(i + 4)];
        if (slowo(i + 4) == 0) break;
        if (slowo(i + 4) == 0x020C) okno = dword(i + 6);  // SetWindowExt: y, x
    }
    EXPECT_EQ(okno, 3000u | 16000u << 16);
    EXPECT_EQ(i + 6, b.size());
    EXPECT_EQ(dword(12), maks);
    EXPECT_EQ(rekordy[0x0213], 1);  // LineTo
    EXPECT_EQ(rekordy[0x0324], 1);  // Polygon
    EXPECT_EQ(rekordy[0x0418], 1);  // Ellipse
    EXPECT_EQ(rekordy[0x041B], 2);  // Rectangle: niewidoczna ramka obrazu i prostokąt
    EXPECT_EQ(rekordy[0x0521], 1);  // TextOut
    EXPECT_NE(b.find(Utf8DoCp1250("Łódź")), std::string::npos);
    EXPECT_TRUE(ObrazRtf(f).starts_with("{\\pict\\wmetafile8\\picw16000\\pich3000\\picwgoal9071\\pichgoal1701\r\n0100"));
}

}  // namespace
