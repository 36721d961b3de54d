#include "persistence/StanOkna.h"

#include "common/Cp1250.h"

namespace {
const char* const Sekcja = "STAN";
}  // namespace

void ZapiszStanOkna(tPlikIni& ini, const tStanOkna& stan)
{
    ini.UsunSekcje(Sekcja);
    if (stan.Zmieniony) ini.ZapiszCalkowita(Sekcja, "ZMIENIONY", 1);
    if (stan.Przyklad) ini.ZapiszCalkowita(Sekcja, "PRZYKLAD", 1);
    if (!stan.Plik.empty() && Cp1250DoUtf8(Utf8DoCp1250(stan.Plik)) == stan.Plik) ini.Zapisz(Sekcja, "PLIK", stan.Plik);
}

tStanOkna CzytajStanOkna(const tPlikIni& ini)
{
    return {ini.CzytajCalkowita(Sekcja, "ZMIENIONY", 0) == 1, ini.CzytajCalkowita(Sekcja, "PRZYKLAD", 0) == 1,
            ini.CzytajTekst(Sekcja, "PLIK")};
}
