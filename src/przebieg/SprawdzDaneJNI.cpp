#include "przebieg/SprawdzDaneJNI.h"

#include <charconv>

namespace {

const char* const KomJNIDlugosc = "Za mała ilość znaków w polu JNI\rJNI musi mieć 8 znaków.";
const char* const KomJNIFormat = "Zły format danych w polu JNI\rTo musi być liczba.";
const char* const KomNrPFormat = "Zły format danych w polu \"numer przęsła\"\rTo musi być liczba.";
const char* const KomNrPZaDuzy = "Za duży numer przęsła (>45).";
const char* const KomRzeka = "Rzeka pisze się przez \"rz\".";
const char* const KomRow = "Rów pisze się przez \"ó\".";

// Pary małej i wielkiej litery polskiej w UTF-8.
constexpr std::string_view PolskieMale[] = {"ą", "ć", "ę", "ł", "ń", "ó", "ś", "ź", "ż"};
constexpr std::string_view PolskieWielkie[] = {"Ą", "Ć", "Ę", "Ł", "Ń", "Ó", "Ś", "Ź", "Ż"};

bool ZaczynaSieOd(std::string_view t, std::string_view poczatek)
{
    return t.substr(0, poczatek.size()) == poczatek;
}

} // namespace

std::string WielkieLitery(std::string_view utf8)
{
    std::string w;
    w.reserve(utf8.size());
    size_t i = 0;
    while (i < utf8.size()) {
        const char z = utf8[i];
        if (z >= 'a' && z <= 'z') {
            w += static_cast<char>(z - 'a' + 'A');
            ++i;
            continue;
        }
        bool zamieniono = false;
        for (size_t k = 0; k < std::size(PolskieMale); ++k) {
            if (ZaczynaSieOd(utf8.substr(i), PolskieMale[k])) {
                w += PolskieWielkie[k];
                i += PolskieMale[k].size();
                zamieniono = true;
                break;
            }
        }
        if (!zamieniono) w += utf8[i++];
    }
    return w;
}

std::string Przytnij(std::string_view tekst)
{
    auto bialy = [](char z) { return static_cast<unsigned char>(z) <= ' '; };
    while (!tekst.empty() && bialy(tekst.front())) tekst.remove_prefix(1);
    while (!tekst.empty() && bialy(tekst.back())) tekst.remove_suffix(1);
    return std::string(tekst);
}

tWynikSprawdzeniaJNI SprawdzDaneJNI(const tInfoObiektu& dane)
{
    tWynikSprawdzeniaJNI w;
    // Długość liczona w znakach, nie bajtach: JNI z polską literą też ma 8 znaków.
    if (LiczbaZnakow(dane.JNI) != DlugoscJNI) {
        w.Komunikat = KomJNIDlugosc;
        return w;
    }
    long long liczba = 0;
    if (!CzytajCalkowita(dane.JNI, liczba) || liczba <= 0) {
        w.Komunikat = KomJNIFormat;
        return w;
    }
    if (!CzytajCalkowita(dane.NrP, liczba) || liczba < 1) {
        w.Komunikat = KomNrPFormat;
        return w;
    }
    if (liczba > NajwiekszyNrP) {
        w.Komunikat = KomNrPZaDuzy;
        return w;
    }
    const std::string przeszkoda = WielkieLitery(Przytnij(dane.Przeszkoda));
    if (ZaczynaSieOd(przeszkoda, "ŻEKA")) {
        w.Komunikat = KomRzeka;
        return w;
    }
    if (ZaczynaSieOd(przeszkoda, "RUW")) {
        w.Komunikat = KomRow;
        return w;
    }
    w.Poprawne = true;
    w.NazwaPliku = Przytnij(dane.JNI) + "_" + Przytnij(dane.NrP) + ".PTV";
    return w;
}
