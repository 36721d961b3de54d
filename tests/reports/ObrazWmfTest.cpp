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
    f.Napisy = {{"Łódź", {80, 5}, tFigury::tWyrownanie::DoSrodka}, {"[t]", {0, 0}, tFigury::tWyrownanie::DoLewej}};
    const std::string b = MetaplikWmf(f);
    auto slowo = [&](size_t i) { return static_cast<unsigned char>(b[i]) | static_cast<unsigned char>(b[i + 1]) << 8; };
    auto dword = [&](size_t i) { return static_cast<size_t>(slowo(i) | slowo(i + 2) << 16); };
    ASSERT_EQ(b.size() % 2, 0u);
    EXPECT_EQ(dword(6) * 2, b.size());
    std::map<int, std::vector<int>> rekordy;  // funkcja → pierwsze słowo parametrów każdego rekordu
    size_t i = 18, maks = 0, okno = 0;
    std::vector<int> elipsa;  // dół, prawo, góra, lewo
    for (; i + 6 <= b.size(); i += 2 * dword(i)) {
        maks = std::max(maks, dword(i));
        rekordy[slowo(i + 4)].push_back(dword(i) > 3 ? slowo(i + 6) : -1);
        if (slowo(i + 4) == 0) break;
        if (slowo(i + 4) == 0x020C) okno = dword(i + 6);  // SetWindowExt: y, x
        if (slowo(i + 4) == 0x0418) elipsa = {slowo(i + 6), slowo(i + 8), slowo(i + 10), slowo(i + 12)};
    }
    EXPECT_EQ(okno, 3000u | 16000u << 16);
    EXPECT_EQ(elipsa, (std::vector<int>{1200, 1200, 800, 800}));
    // Pióro puste i pędzel pusty do ramki, pióro i czcionka, pędzel czarny do grotów, pusty do obrysów;
    // napis do środka (TA_CENTER), potem do lewej.
    EXPECT_EQ(rekordy[0x012D], (std::vector<int>{1, 3, 0, 4, 2, 3}));
    EXPECT_EQ(rekordy[0x012E], (std::vector<int>{6, 0}));
    EXPECT_EQ(rekordy[0x02FA].size() + rekordy[0x02FC].size(), 4u);  // dwa pióra, dwa pędzle
    EXPECT_EQ(i + 6, b.size());
    EXPECT_EQ(dword(12), maks);
    EXPECT_EQ(rekordy[0x0213].size(), 1u);  // LineTo
    EXPECT_EQ(rekordy[0x0324], std::vector<int>{3});  // Polygon o trzech wierzchołkach
    EXPECT_EQ(rekordy[0x041B].size(), 2u);  // Rectangle: niewidoczna ramka obrazu i prostokąt
    EXPECT_EQ(rekordy[0x0521], (std::vector<int>{4, 3}));  // TextOut: długości napisów w bajtach
    EXPECT_NE(b.find(Utf8DoCp1250("Łódź")), std::string::npos);
    EXPECT_TRUE(ObrazRtf(f).starts_with("{\\pict\\wmetafile8\\picw16000\\pich3000\\picwgoal9071\\pichgoal1701\r\n0100"));
}

}  // namespace
