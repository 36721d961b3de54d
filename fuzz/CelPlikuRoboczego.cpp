// Cel fuzzingu: dowolne bajty jako plik roboczy. Czytnik INI, wczytanie jak "Wczytaj"
// z przeliczeniem, zapis i ponowne wczytanie muszą przejść bez awarii, a pola okna
// po ponownym wczytaniu zapisanego pliku muszą być te same, a plik zapisany przez program
// wczytuje się bez żadnej zmienionej wartości.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>
#include <vector>

#include "common/Regionalne.h"
#include "persistence/PlikIni.h"
#include "przebieg/Przebieg.h"
#include "przebieg/WidokPamieci.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* dane, std::size_t rozmiar)
{
    const std::string_view bajty(reinterpret_cast<const char*>(dane), rozmiar);
    // Pierwszy bajt wybiera separator dziesiętny, żeby oba były sprawdzane.
    Regionalne().SeparatorDziesietny = rozmiar > 0 && (dane[0] & 1) ? '.' : ',';

    tPlikIni ini;
    ini.UstawZawartosc(bajty);
    ini.CzytajTekst("INFO", "JNI");
    ini.CzytajCalkowita("OBIEKT", "SCHEM", 0);

    static tWidokPamieci widok;
    static tGlownyPrzebieg przebieg(widok);
    przebieg.WczytajIni(ini);

    tPlikIni zapis;
    zapis.UstawZawartosc(bajty);
    przebieg.ZapiszIni(zapis);

    tWidokPamieci drugi;
    tGlownyPrzebieg ponownie(drugi);
    tPlikIni odczyt;
    odczyt.UstawZawartosc(zapis.Zawartosc());
    std::vector<tNieczytelnaLiczba> zmienione;
    ponownie.WczytajIni(odczyt, &zmienione);
    if (!zmienione.empty()) std::abort();

    for (int l = 0; l < 4; ++l)
        if (widok.Listy[l].Wybor != drugi.Listy[l].Wybor) std::abort();
    const int k = WierszeWUzyciu(widok);
    for (int p = 0; p < PierwszePoleDlugosci + k; ++p)
        if (widok.Pola[p] != drugi.Pola[p]) std::abort();
    if (widok.Komunikaty != drugi.Komunikaty) std::abort();
    return 0;
}
