// Sprawdzenie danych okna "Informacje o moście": komunikat pierwszego błędu w stałej
// kolejności sprawdzeń i nazwa pliku roboczego.
#include <gtest/gtest.h>

#include "przebieg/SprawdzDaneJNI.h"

namespace {

const std::string Dlugosc = "Za mała ilość znaków w polu JNI\rJNI musi mieć 8 znaków.";
const std::string FormatJNI = "Zły format danych w polu JNI\rTo musi być liczba.";
const std::string FormatNrP = "Zły format danych w polu \"numer przęsła\"\rTo musi być liczba.";
const std::string ZaDuzy = "Za duży numer przęsła (>45).";
const std::string Rzeka = "Rzeka pisze się przez \"rz\".";
const std::string Row = "Rów pisze się przez \"ó\".";

TEST(SprawdzDaneJNI, KomunikatPierwszegoBleduINazwaPliku)
{
    const struct {
        const char *jni, *nrp, *przeszkoda;
        std::string wynik;  // komunikat albo nazwa pliku poprawnych danych
    } przypadki[] = {
        {"12345678", "1", "potok", "12345678_1.PTV"},
        {"1234567", "1", "", Dlugosc},
        {"", "1", "", Dlugosc},
        {"00000000", "1", "", FormatJNI},
        {"-1234567", "1", "", FormatJNI},
        {"1234567 ", "1", "", FormatJNI},
        {"ŻÓŁWIĄCE", "1", "", FormatJNI},  // osiem znaków, choć więcej bajtów
        {"1234567", "0", "", Dlugosc},     // JNI sprawdzany przed numerem przęsła
        {"12345678", "0", "", FormatNrP},
        {"12345678", "A", "", FormatNrP},
        {"12345678", "45", "", "12345678_45.PTV"},
        {"12345678", "46", "", ZaDuzy},
        {"12345678", "46", "żeka", ZaDuzy},  // numer przęsła sprawdzany przed przeszkodą
        {"12345678", "1", "  żeka wisła", Rzeka},
        {"12345678", "1", "\tŻeka Odra", Rzeka},
        {"12345678", "1", "rzeka Wisła", "12345678_1.PTV"},
        {"12345678", "1", "Rów melioracyjny", "12345678_1.PTV"},
        {"12345678", "1", "ruw", Row},
        {"12345678", "1", "rUw przydrożny", Row},
    };
    for (const auto& p : przypadki) {
        const tWynikSprawdzeniaJNI w = SprawdzDaneJNI({p.jni, p.nrp, "", "", "", p.przeszkoda});
        EXPECT_EQ(w.Poprawne ? w.NazwaPliku : w.Komunikat, p.wynik) << p.jni << "|" << p.nrp << "|" << p.przeszkoda;
        EXPECT_EQ(w.Poprawne ? w.Komunikat : w.NazwaPliku, "") << p.jni << "|" << p.nrp << "|" << p.przeszkoda;
    }
}

}  // namespace
