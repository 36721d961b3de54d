#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "reports/SprawdzRaport.h"

namespace {

std::string Zamien(std::string t, const std::string& co, const std::string& na)
{
    for (size_t p = 0; (p = t.find(co, p)) != std::string::npos; p += na.size()) t.replace(p, co.size(), na);
    return t;
}

// Raporty zapisane bez jawnego wyrównania do lewej (\ql) w wierszach tabel nadal
// dają się sprawdzić: kod kontrolny zależy od treści, nie od formatowania akapitów.
TEST(SprawdzRaportu, RaportBezJawnegoWyrownaniaDoLewej)
{
    std::ifstream plik(std::filesystem::path(PONTIVA_DANE_TESTOWE) / "raporty" / "12345678@2.RTF", std::ios::binary);
    std::stringstream s;
    s << plik.rdbuf();
    const std::string wzorzec = s.str();
    ASSERT_NE(wzorzec.find("\\ql\\widctlpar\\intbl"), std::string::npos);
    EXPECT_EQ(SprawdzRaport(wzorzec).Stan, tStanRaportu::Zgodny);

    const std::string starszy = Zamien(Zamien(wzorzec, "\\ql\\widctlpar", "\\widctlpar"), "\\pard \\ql", "\\pard ");
    ASSERT_EQ(starszy.find("\\ql"), std::string::npos);
    const auto wynik = SprawdzRaport(starszy);
    EXPECT_EQ(wynik.Stan, tStanRaportu::Zgodny);
    EXPECT_EQ(wynik.KodObliczony, SprawdzRaport(wzorzec).KodObliczony);
}

}  // namespace
