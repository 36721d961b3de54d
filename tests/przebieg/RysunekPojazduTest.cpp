// Widok pojazdu z boku: osie w skali, strzałka i koło na każdej osi, napisy w obrysie rysunku
// i nienakładające się także przy gęstych osiach.
#include <gtest/gtest.h>

#include "common/Formatowanie.h"
#include "przebieg/RysunekPojazdu.h"

namespace {

double Miara(const std::string& t) { return 0.6 * 3.5 * static_cast<double>(t.size()); }

TEST(RysunekPojazdu, OsieWSkaliINapisyBezNakladania)
{
    const tPojazd pojazdy[] = {
        {"żuraw", {12, 12, 12, 12, 12}, {1.65, 2.4, 1.65, 1.65}},
        {"jedna oś", {11.5}, {}},
        {"100 osi", std::vector<double>(100, 10.25), std::vector<double>(99, 0.3)},
        {"łopata", {7, 11, 11, 9, 9}, {3.6, 1.35, 38, 1.36}},
    };
    for (const auto& p : pojazdy) {
        const tFigury f = RysunekPojazdu(p, 160, 3.5, Miara);
        const size_t n = p.Naciski.size();
        ASSERT_EQ(f.Kola.size(), n) << p.Nazwa;
        ASSERT_EQ(f.Wielokaty.size(), n) << p.Nazwa;
        // Odstęp kół w skali: rozstaw i przez rozstaw skrajnych osi jak na rysunku.
        for (size_t i = 1; i < n; ++i)
            EXPECT_NEAR((f.Kola[i].Srodek.X - f.Kola[i - 1].Srodek.X) * p.Dlugosc(),
                        p.Rozstawy[i - 1] * (f.Kola.back().Srodek.X - f.Kola.front().Srodek.X), 1e-9) << p.Nazwa;
        auto wObrysie = [&](tPunkt a) { return a.X >= 0 && a.X <= f.Szerokosc && a.Y >= 0 && a.Y <= f.Wysokosc; };
        for (const auto& o : f.Odcinki) EXPECT_TRUE(wObrysie(o.A) && wObrysie(o.B)) << p.Nazwa;
        for (const auto& k : f.Kola) EXPECT_TRUE(wObrysie({k.Srodek.X, k.Srodek.Y + k.Promien}) && k.Srodek.Y - k.Promien >= 0);
        for (size_t i = 0; i < n; ++i) {  // grot strzałki symetryczny, ostrzem w osi koła
            const auto& g = f.Wielokaty[i].Punkty;
            EXPECT_DOUBLE_EQ(g[2].X, f.Kola[i].Srodek.X);
            EXPECT_DOUBLE_EQ(g[0].X + g[1].X, 2 * g[2].X);
        }
        EXPECT_EQ(f.Napisy[1].Tekst, LiczbaOgolna(p.Naciski[0]));  // po jednostce "[t]"
        for (size_t i = 0; i < f.Napisy.size(); ++i) {
            const auto& a = f.Napisy[i];
            const double wa = Miara(a.Tekst);
            const double la = a.Wyrownanie == tFigury::tWyrownanie::DoLewej ? a.Punkt.X : a.Punkt.X - wa / 2;
            EXPECT_GE(la, 0) << a.Tekst;
            EXPECT_LE(la + wa, f.Szerokosc + 1e-9) << a.Tekst;
            EXPECT_LE(a.Punkt.Y + 3.5, f.Wysokosc) << a.Tekst;
            for (size_t j = 0; j < i; ++j) {
                const auto& b = f.Napisy[j];
                const double lb = b.Wyrownanie == tFigury::tWyrownanie::DoLewej ? b.Punkt.X : b.Punkt.X - Miara(b.Tekst) / 2;
                const bool rozne = la + wa <= lb || lb + Miara(b.Tekst) <= la || std::abs(a.Punkt.Y - b.Punkt.Y) >= 3.5;
                EXPECT_TRUE(rozne) << p.Nazwa << ": " << a.Tekst << " na " << b.Tekst;
            }
        }
    }
    std::string napisy;
    for (const auto& n : RysunekPojazdu(pojazdy[0], 160, 3.5, Miara).Napisy) napisy += n.Tekst + " ";
    EXPECT_EQ(napisy, "[t] 12 12 12 12 12 [m] 1,65 2,4 1,65 1,65 ");
    const tFigury pusty = RysunekPojazdu(tPojazd{}, 160, 3.5, Miara);
    EXPECT_TRUE(pusty.Napisy.empty() && pusty.Odcinki.empty() && pusty.Kola.empty() && pusty.Prostokaty.empty());
}

}  // namespace
