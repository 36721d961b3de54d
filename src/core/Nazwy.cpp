#include "core/Nazwy.h"

#include <array>

#include "common/Wyliczenia.h"

namespace {

const std::array<const char*, LiczbaPrzekrojow> Przekroje = {
    "Wielodźwigarowe - jezdnia z krawężnikami",
    "Wielodźwigarowe - jezdnia bez krawężników",
    "Dwudźwigarowe - jezdnia dolna",
    "Płytowe - jezdnia z krawężnikami",
    "Płytowe - jezdnia bez krawężników",
    "Wielodźwigarowe - jezdnia z barierami ochronnymi",
    "Płytowe - jezdnia z barierami ochronnymi",
};

const std::array<const char*, LiczbaSchematow> Schematy = {
    "Belka swobodnie podparta",
    "Belka ciągła dwuprzęsłowa",
    "Belka ciągła wieloprzęsłowa",
    "Rama dwuprzęsłowa",
    "Rama wieloprzęsłowa",
    "Belka ciągła przegubowa (przegub w 1 przęśle)",
    "Belka ciągła przegubowa (bez przeg. w 1 przęśle)",
};

const std::array<const char*, LiczbaNormatywow> NormatywyRaport = {
    "Normatyw-1926r.", "Normatyw-1945r.", "Normatyw-1952r.", "Normatyw-1956r.",
    "PN-66/B-02015",   "PN-85/S-10030",   "DIN 1072 (1931r.)",
};

const std::array<const char*, LiczbaNormatywow> NormatywyLista = {
    "Normatyw - 1926", "Normatyw - 1945", "Normatyw - 1952", "Normatyw - 1956",
    "PN-66/B-02015",   "PN-85/S-10030",   "DIN-1072 (1931)",
};

const std::array<const char*, LiczbaRodzajow> Rodzaje = {
    "belka swobodnie podparta",
    "belka ciągła dwuprzęsłowa",
    "belka ciągła wieloprzęsłowa - przęsło skrajne",
    "belka ciągła wieloprzęsłowa - przęsło środkowe",
    "rama dwuprzęsłowa",
    "rama wieloprzęsłowa - przęsło skrajne",
    "rama wieloprzęsłowa - przęsło środkowe",
    "swobodny wspornik",
    "lewy wspornik",
    "prawy wspornik",
};

const std::array<const char*, 5> Rzymskie = {"I", "II", "III", "IV", "V"};

template <size_t N>
std::string Z(const std::array<const char*, N>& tablica, int i)
{
    return i >= 0 && i < static_cast<int>(N) ? tablica[i] : "";
}

}  // namespace

std::string NazwaPrzekroju(int przekroj) { return Z(Przekroje, przekroj); }
std::string NazwaSchematu(int schemat) { return Z(Schematy, schemat); }
std::string NazwaNormatywu(int normatyw) { return Z(NormatywyRaport, normatyw); }
std::string NazwaNormatywuNaLiscie(int normatyw) { return Z(NormatywyLista, normatyw); }
std::string NazwaRodzaju(int rodzaj) { return Z(Rodzaje, rodzaj); }

std::string NazwaKlasy(int normatyw, int klasa)
{
    if (klasa < 0 || klasa > 4) return "";
    if (normatyw == nPN85) return std::string(1, static_cast<char>('A' + klasa));
    return Z(Rzymskie, klasa);
}

std::vector<std::string> KlasyNormatywu(int normatyw)
{
    if (normatyw == nPN85) {
        std::vector<std::string> klasy;
        for (char c = 'A'; c <= 'E'; ++c) klasy.push_back(std::string("Klasa \"") + c + "\"");
        return klasy;
    }
    return {"Klasa I", "Klasa II", "Klasa III"};
}
