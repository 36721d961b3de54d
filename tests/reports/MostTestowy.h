#pragma once
// Most testowy raportów: belka ciągła trójprzęsłowa 12 + 15 + 12 m, przekrój
// wielodźwigarowy z krawężnikami, Normatyw 1956 klasy I. Wczytywany tak jak w oknie:
// plik roboczy przez przebieg do widoku w pamięci. Klucze można podmienić.
#include <map>
#include <memory>
#include <string>

#include "Pomoc.h"
#include "common/Cp1250.h"
#include "ui/Przebieg.h"
#include "ui/WidokPamieci.h"

namespace testy {

struct tOknoTestowe {
    tWidokPamieci Widok;
    tGlownyPrzebieg Przebieg{Widok};
};

using tZmiany = std::map<std::string, std::string>;

inline std::string TekstMostu(const tZmiany& zmiany = {})
{
    const std::pair<const char*, std::vector<std::pair<std::string, std::string>>> sekcje[] = {
        {"INFO",
         {{"JNI", "12345678"}, {"NRP", "2"}, {"Dro", "DK7"}, {"Km", "123+450"}, {"Najblizsza", "Łomianki"},
          {"Przeszkoda", "rzeka Wisła"}}},
        {"OBIEKT", {{"SCHEM", "2"}, {"PRZES", "3"}, {"NORMA", "3"}, {"KLASA", "0"}, {"RODZA", "0"}}},
        {"PP",
         {{"A1", "0,5"}, {"A2", "0,5"}, {"B", "7"}, {"BB", "9"}, {"C1", "1,5"}, {"C2", "1,5"}, {"E1", "1"},
          {"E2", "1"}, {"K1", "0"}, {"K2", "0"}, {"P", "0"}, {"G", "0"}, {"G2", "0"}, {"N", "5"}}},
        {"PD", {{"L1", "0"}, {"L2", "12"}, {"L3", "15"}, {"L4", "12"}, {"L5", "0"}}},
    };
    std::string t;
    for (const auto& [sekcja, klucze] : sekcje) {
        t += "[" + std::string(sekcja) + "]\r\n";
        for (const auto& [k, v] : klucze) {
            auto z = zmiany.find(k);
            t += k + "=" + (z == zmiany.end() ? v : z->second) + "\r\n";
        }
    }
    return Utf8DoCp1250(t);
}

// Okno z wczytanym mostem testowym (plik zapisany w katalogu tymczasowym).
inline std::unique_ptr<tOknoTestowe> Most(const std::filesystem::path& katalog, const tZmiany& zmiany = {})
{
    const auto plik = katalog / "most.ptv";
    Zapisz(plik, TekstMostu(zmiany));
    auto okno = std::make_unique<tOknoTestowe>();
    okno->Przebieg.WczytajDane(plik.string());
    return okno;
}

}  // namespace testy
