#include <gtest/gtest.h>

#include "ui/SprawdzDaneJNI.h"

namespace {

const std::string Dlugosc = "Za mała ilość znaków w polu JNI\rJNI musi mieć 8 znaków.";
const std::string FormatJNI = "Zły format danych w polu JNI\rTo musi być liczba.";
const std::string FormatNrP = "Zły format danych w polu \"numer przęsła\"\rTo musi być liczba.";
const std::string ZaDuzy = "Za duży numer przęsła (>45).";
const std::string Rzeka = "Rzeka pisze się przez \"rz\".";
const std::string Row = "Rów pisze się przez \"ó\".";

struct tPrzypadek {
    const char* opis;
    tInfoObiektu dane;
    std::string komunikat;  // pusty: dane poprawne
    std::string plik;
};

void PrintTo(const tPrzypadek& p, std::ostream* os) { *os << p.opis; }

tInfoObiektu Info(std::string jni, std::string nrp, std::string przeszkoda = "potok")
{
    return {std::move(jni), std::move(nrp), "DK 7", "12+300", "Kraków", std::move(przeszkoda)};
}

class SprawdzDaneJNITabela : public ::testing::TestWithParam<tPrzypadek> {};

TEST_P(SprawdzDaneJNITabela, KomunikatIKolejnosc)
{
    const tPrzypadek& p = GetParam();
    const tWynikSprawdzeniaJNI w = SprawdzDaneJNI(p.dane);
    EXPECT_EQ(w.Poprawne, p.komunikat.empty()) << p.opis;
    EXPECT_EQ(w.Komunikat, p.komunikat) << p.opis;
    EXPECT_EQ(w.NazwaPliku, p.plik) << p.opis;
}

INSTANTIATE_TEST_SUITE_P(
    Przyklady, SprawdzDaneJNITabela,
    ::testing::Values(
        tPrzypadek{"poprawne", Info("12345678", "1"), "", "12345678_1.PTV"},
        tPrzypadek{"siedem cyfr", Info("1234567", "1"), Dlugosc, ""},
        tPrzypadek{"pusty JNI", Info("", "1"), Dlugosc, ""},
        tPrzypadek{"dziewięć cyfr", Info("123456789", "1"), Dlugosc, ""},
        tPrzypadek{"osiem liter", Info("ABCDEFGH", "1"), FormatJNI, ""},
        tPrzypadek{"osiem zer", Info("00000000", "1"), FormatJNI, ""},
        tPrzypadek{"liczba ujemna", Info("-1234567", "1"), FormatJNI, ""},
        tPrzypadek{"odstęp na końcu JNI", Info("1234567 ", "1"), FormatJNI, ""},
        // długość liczona w znakach: osiem liter z polskimi też jest ośmioma znakami
        tPrzypadek{"polskie litery", Info("ŻÓŁWIĄCE", "1"), FormatJNI, ""},
        // kolejność: błędny JNI zgłaszany przed błędnym numerem przęsła
        tPrzypadek{"oba błędne", Info("1234567", "0"), Dlugosc, ""},
        tPrzypadek{"przęsło 0", Info("12345678", "0"), FormatNrP, ""},
        tPrzypadek{"przęsło litera", Info("12345678", "A"), FormatNrP, ""},
        tPrzypadek{"przęsło puste", Info("12345678", ""), FormatNrP, ""},
        tPrzypadek{"przęsło 45", Info("12345678", "45"), "", "12345678_45.PTV"},
        tPrzypadek{"przęsło 46", Info("12345678", "46"), ZaDuzy, ""},
        tPrzypadek{"przęsło z odstępami", Info("12345678", " 7 "), FormatNrP, ""},
        tPrzypadek{"przęsło z odstępem z przodu", Info("12345678", " 7"), "", "12345678_7.PTV"},
        // błąd przęsła zgłaszany przed przeszkodą
        tPrzypadek{"przęsło i rzeka", Info("12345678", "46", "żeka"), ZaDuzy, ""},
        tPrzypadek{"żeka wisła", Info("12345678", "1", "  żeka wisła"), Rzeka, ""},
        tPrzypadek{"ŻEKA", Info("12345678", "1", "ŻEKA"), Rzeka, ""},
        tPrzypadek{"Żeka", Info("12345678", "1", "\tŻeka Odra"), Rzeka, ""},
        tPrzypadek{"rzeka poprawna", Info("12345678", "1", "rzeka Wisła"), "", "12345678_1.PTV"},
        tPrzypadek{"Rów", Info("12345678", "1", "Rów melioracyjny"), "", "12345678_1.PTV"},
        tPrzypadek{"ruw", Info("12345678", "1", "ruw"), Row, ""},
        tPrzypadek{"RUW", Info("12345678", "1", " RUW"), Row, ""},
        tPrzypadek{"rUw", Info("12345678", "1", "rUw przydrożny"), Row, ""},
        tPrzypadek{"przeszkoda pusta", Info("12345678", "3", ""), "", "12345678_3.PTV"}),
    [](const ::testing::TestParamInfo<tPrzypadek>& info) { return "p" + std::to_string(info.index); });

TEST(SprawdzDaneJNI, PozostalePolaNieSaBadane)
{
    tInfoObiektu d{"87654321", "2", "", "", "", ""};
    const tWynikSprawdzeniaJNI w = SprawdzDaneJNI(d);
    EXPECT_TRUE(w.Poprawne);
    EXPECT_EQ(w.NazwaPliku, "87654321_2.PTV");
}

TEST(WielkieLitery, PolskieIAscii)
{
    EXPECT_EQ(WielkieLitery("żeka wisła"), "ŻEKA WISŁA");
    EXPECT_EQ(WielkieLitery("ąćęłńóśźż"), "ĄĆĘŁŃÓŚŹŻ");
    EXPECT_EQ(WielkieLitery("ĄĆĘ abc 123 ü"), "ĄĆĘ ABC 123 ü");
    EXPECT_EQ(WielkieLitery(""), "");
}

TEST(Przytnij, ZnakiSterujaceIOdstepy)
{
    EXPECT_EQ(Przytnij("  a b \t\r\n"), "a b");
    EXPECT_EQ(Przytnij("   "), "");
    EXPECT_EQ(Przytnij("ż"), "ż");
}

} // namespace
