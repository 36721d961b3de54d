#include "persistence/KompletnoscPliku.h"

#include <string>
#include <unordered_map>

#include "common/Cp1250.h"
#include "common/Formatowanie.h"
#include "core/UkladElementow.h"

namespace {

const char* const PustaWartosc = "pusta wartość";
const char* const BrakKlucza = "brak klucza";
const char* const PowtorzonyKlucz = "klucz podany drugi raz";
const char* const PowtorzonaSekcja = "sekcja podana drugi raz";
const char* const PierwszaSekcja = "pierwszą";
const char* const PozaSchematem = "wiersz poza schematem (L1…L%d), pominięty";

// Klucz, który odczyt czyta: jak go przyjął (z pierwszego wystąpienia) i czy zapis zawsze go pisze.
struct tKlucz {
    std::string Nazwa, Przyjety;
    bool Wymagany = true;
};

std::string Male(std::string s)
{
    for (char& c : s)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    return s;
}

bool Pusta(const std::string& s) { return s.find_first_not_of(" \t") == std::string::npos; }

// Wiersze edytora, które zapis pisze (k); -1, gdy schemat albo liczba przęseł nie są pewne
// (wtedy odmowę daje już ich własny wpis).
int WierszeSchematu(const tPlikIni& ini, const tDanePliku& d)
{
    const bool pewne = ini.CzytajCalkowita("OBIEKT", "SCHEM", -1) == d.Schemat && d.Schemat >= 0 &&
                       d.Schemat < LiczbaSchematow && ini.CzytajCalkowita("OBIEKT", "PRZES", -1) == d.Przesla &&
                       d.Przesla >= 1 && d.Przesla <= MaksPrzesel;
    return pewne ? LiczbaWierszy(d.Schemat, d.Przesla) : -1;
}

void SprawdzSekcje(const tPlikIni& ini, const char* sekcja, const std::vector<tKlucz>& klucze, int wierszy,
                   std::vector<tNieczytelnaLiczba>& lista)
{
    std::unordered_map<std::string, size_t> indeksy;  // klucz małymi literami → pozycja w klucze
    for (size_t i = 0; i < klucze.size(); ++i) indeksy[Male(klucze[i].Nazwa)] = i;
    // Dwie pierwsze wartości każdego klucza z pierwszego wystąpienia sekcji (dość, by wskazać powtórzenie).
    std::vector<std::vector<std::string>> wartosci(klucze.size());
    bool powtorzona = false;
    ini.DlaWpisow(sekcja, [&](std::string_view klucz, std::string_view wartosc, int kopia) {
        const auto it = indeksy.find(Male(std::string(klucz)));
        if (it == indeksy.end()) return;  // klucz, którego odczyt nie czyta, niczego nie zmienia
        powtorzona |= kopia > 0;
        if (kopia == 0 && wartosci[it->second].size() < 2) wartosci[it->second].push_back(Cp1250DoUtf8(wartosc));
    });
    if (powtorzona) lista.push_back({sekcja, "", "", PierwszaSekcja, PowtorzonaSekcja});
    for (size_t i = 0; i < klucze.size(); ++i) {
        const tKlucz& k = klucze[i];
        const std::vector<std::string>& w = wartosci[i];
        if (w.empty()) {
            if (k.Wymagany) lista.push_back({sekcja, k.Nazwa, "", k.Przyjety, BrakKlucza, true});
            continue;
        }
        if (k.Wymagany && Pusta(w[0])) lista.push_back({sekcja, k.Nazwa, w[0], k.Przyjety, PustaWartosc});
        if (wierszy >= 0 && static_cast<int>(i) >= wierszy)
            lista.push_back({sekcja, k.Nazwa, w[0], "", Format(PozaSchematem, {wierszy})});
        if (w.size() > 1) lista.push_back({sekcja, k.Nazwa, w[1], k.Przyjety, PowtorzonyKlucz});
    }
}

}  // namespace

void DopiszNiekompletne(const tPlikIni& ini, const tDanePliku& d, std::vector<tNieczytelnaLiczba>& lista)
{
    std::vector<tKlucz> info, obiekt, pp, pd;
    const std::string* teksty[LiczbaKluczyInfo] = {&d.Info.JNI, &d.Info.NrP, &d.Info.Droga, &d.Info.Km,
                                                   &d.Info.Najblizsza, &d.Info.Przeszkoda};
    for (int i = 0; i < LiczbaKluczyInfo; ++i) info.push_back({KluczeInfo[i], "\"" + *teksty[i] + "\"", false});
    const int wartosci[LiczbaKluczyObiektu] = {d.Schemat, d.Przesla, d.Normatyw, d.Klasa, d.Przekroj};
    for (int i = 0; i < LiczbaKluczyObiektu; ++i) obiekt.push_back({KluczeObiektu[i], std::to_string(wartosci[i])});
    for (int i = 0; i < LiczbaParametrow; ++i) pp.push_back({KluczParametru(i), LiczbaOgolna(d.Parametry[i])});
    const int k = WierszeSchematu(ini, d);
    for (int i = 0; i < MaksWierszy; ++i) pd.push_back({KluczDlugosci(i + 1), LiczbaOgolna(d.Dlugosci[i]), i < k});

    SprawdzSekcje(ini, "INFO", info, -1, lista);
    SprawdzSekcje(ini, "OBIEKT", obiekt, -1, lista);
    SprawdzSekcje(ini, "PP", pp, -1, lista);
    SprawdzSekcje(ini, "PD", pd, k, lista);
}
