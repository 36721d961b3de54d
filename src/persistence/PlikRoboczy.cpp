#include "persistence/PlikRoboczy.h"

#include <string>

#include "common/Formatowanie.h"
#include "common/Pomocnicze.h"
#include "persistence/KompletnoscPliku.h"

const char* const KluczeInfo[LiczbaKluczyInfo] = {"JNI", "NRP", "Dro", "Km", "Najblizsza", "Przeszkoda"};
const char* const KluczeObiektu[LiczbaKluczyObiektu] = {"SCHEM", "PRZES", "NORMA", "KLASA", "RODZA"};

namespace {

const char* const KomNieRoboczy = "To nie jest plik roboczy programu (brak sekcji INFO, OBIEKT, PP, PD i CALC): ";
const char* const WzorNieczytelnej = "[%s] %s = \"%s\": %s, przyjęto %s";
const char* const WzorBrakuKlucza = "[%s] %s: %s, przyjęto %s";
const char* const WzorSekcji = "[%s]: %s, przyjęto %s";
const char* const WzorPominietej = "[%s] %s = \"%s\": %s";
const char* const SekcjePliku[] = {"INFO", "OBIEKT", "PP", "PD", "CALC"};

constexpr const char* Parametry[LiczbaParametrow] = {"A1", "A2", "B",  "BB", "C1", "C2", "E1",
                                                     "E2", "K1", "K2", "P",  "G",  "G2", "N"};

using tNieczytelne = std::vector<tNieczytelnaLiczba>;

double Liczba(const tPlikIni& ini, const char* sekcja, const std::string& klucz, tNieczytelne* n)
{
    const std::string tekst = ini.CzytajTekst(sekcja, klucz);
    double v = 0;
    if (!NaLiczbe(tekst, v) && n) n->push_back({sekcja, klucz, tekst, LiczbaOgolna(v)});
    return v;
}

int Calkowita(const tPlikIni& ini, const char* klucz, int domyslna, tNieczytelne* n)
{
    const int v = ini.CzytajCalkowita("OBIEKT", klucz, domyslna);
    // Tekst, który nie jest liczbą całkowitą, daje każdą podaną wartość domyślną.
    const std::string tekst = ini.CzytajTekst("OBIEKT", klucz);
    if (n && tekst.find_first_not_of(" \t") != std::string::npos && v == domyslna &&
        ini.CzytajCalkowita("OBIEKT", klucz, domyslna + 1) == domyslna + 1)
        n->push_back({"OBIEKT", klucz, tekst, std::to_string(domyslna)});
    return v;
}

}  // namespace

std::string OpisNieczytelnej(const tNieczytelnaLiczba& n)
{
    if (n.Klucz.empty()) return Format(WzorSekcji, {n.Sekcja, n.Powod, n.Przyjeto});
    if (n.BrakKlucza) return Format(WzorBrakuKlucza, {n.Sekcja, n.Klucz, n.Powod, n.Przyjeto});
    if (n.Przyjeto.empty()) return Format(WzorPominietej, {n.Sekcja, n.Klucz, n.Tekst, n.Powod});
    return Format(WzorNieczytelnej, {n.Sekcja, n.Klucz, n.Tekst, n.Powod, n.Przyjeto});
}

int KolejnoscWpisu(const tNieczytelnaLiczba& n)
{
    int sekcja = 0, klucz = 0;
    for (const char* s : SekcjePliku) {
        if (n.Sekcja == s) break;
        ++sekcja;
    }
    for (int i = 0; i < LiczbaKluczyInfo; ++i)
        if (n.Sekcja == "INFO" && n.Klucz == KluczeInfo[i]) klucz = i + 1;
    for (int i = 0; i < LiczbaKluczyObiektu; ++i)
        if (n.Sekcja == "OBIEKT" && n.Klucz == KluczeObiektu[i]) klucz = i + 1;
    for (int i = 0; i < LiczbaParametrow; ++i)
        if (n.Sekcja == "PP" && n.Klucz == Parametry[i]) klucz = i + 1;
    if (n.Sekcja == "PD" && n.Klucz.size() > 1) klucz = std::atoi(n.Klucz.c_str() + 1);
    return sekcja * 1000 + klucz;
}

const char* KluczParametru(int i) { return i >= 0 && i < LiczbaParametrow ? Parametry[i] : ""; }

std::string KluczDlugosci(int wiersz) { return "L" + std::to_string(wiersz); }

bool WczytajPlikRoboczy(const std::string& sciezka, tPlikIni& ini, std::string& komunikat)
{
    if (ini.Wczytaj(sciezka, komunikat) != tStanOdczytu::Przeczytany) return false;
    for (const char* s : SekcjePliku)
        if (ini.MaSekcje(s)) return true;
    komunikat = KomNieRoboczy + sciezka;
    return false;
}

tDanePliku CzytajDanePliku(const tPlikIni& ini, tNieczytelne* n)
{
    tDanePliku d;
    int* obiekt[LiczbaKluczyObiektu] = {&d.Schemat, &d.Przesla, &d.Normatyw, &d.Klasa, &d.Przekroj};
    for (int i = 0; i < LiczbaKluczyObiektu; ++i) *obiekt[i] = Calkowita(ini, KluczeObiektu[i], i == 1 ? 1 : 0, n);

    std::string* info[LiczbaKluczyInfo] = {&d.Info.JNI, &d.Info.NrP, &d.Info.Droga, &d.Info.Km, &d.Info.Najblizsza,
                                            &d.Info.Przeszkoda};
    for (int i = 0; i < LiczbaKluczyInfo; ++i) *info[i] = ini.CzytajTekst("INFO", KluczeInfo[i]);

    for (int i = 0; i < LiczbaParametrow; ++i) d.Parametry[i] = Liczba(ini, "PP", Parametry[i], n);
    for (int i = 0; i < MaksWierszy; ++i) d.Dlugosci[i] = Liczba(ini, "PD", KluczDlugosci(i + 1), n);
    d.LiczbaDlugosci = MaksWierszy;
    if (n) DopiszNiekompletne(ini, d, *n);
    return d;
}

void ZapiszDanePliku(tPlikIni& ini, const tDanePliku& d, const tWynikiPliku* wyniki)
{
    ini.UsunNiewidoczne("INFO");
    ini.UsunNiewidoczne("OBIEKT");
    const std::string* info[LiczbaKluczyInfo] = {&d.Info.JNI, &d.Info.NrP, &d.Info.Droga, &d.Info.Km, &d.Info.Najblizsza,
                                                  &d.Info.Przeszkoda};
    for (int i = 0; !d.Info.JNI.empty() && i < LiczbaKluczyInfo; ++i) ini.Zapisz("INFO", KluczeInfo[i], *info[i]);
    const int obiekt[LiczbaKluczyObiektu] = {d.Schemat, d.Przesla, d.Normatyw, d.Klasa, d.Przekroj};
    for (int i = 0; i < LiczbaKluczyObiektu; ++i) ini.ZapiszCalkowita("OBIEKT", KluczeObiektu[i], obiekt[i]);

    ini.UsunSekcje("PP");
    for (int i = 0; i < LiczbaParametrow; ++i) ini.Zapisz("PP", Parametry[i], LiczbaOgolna(d.Parametry[i]));

    ini.UsunSekcje("PD");
    const int k = d.LiczbaDlugosci < MaksWierszy ? d.LiczbaDlugosci : MaksWierszy;
    for (int i = 0; i < k; ++i) ini.Zapisz("PD", KluczDlugosci(i + 1), LiczbaOgolna(d.Dlugosci[i]));

    ini.UsunSekcje("CALC");
    if (wyniki) {
        ini.Zapisz("CALC", "M1N", LiczbaOgolna(wyniki->M1N));
        ini.Zapisz("CALC", "TN", LiczbaOgolna(wyniki->TN));
        ini.Zapisz("CALC", "TP", LiczbaOgolna(wyniki->TP));
        ini.Zapisz("CALC", "PTV", LiczbaOgolna(wyniki->PTV));
    }
}
