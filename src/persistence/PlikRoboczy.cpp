#include "persistence/PlikRoboczy.h"

#include <string>

#include "common/Formatowanie.h"
#include "common/Pomocnicze.h"

namespace {

const char* const KomNieRoboczy = "To nie jest plik roboczy programu (brak sekcji INFO, OBIEKT, PP, PD i CALC): ";
const char* const WzorNieczytelnej = "[%s] %s = \"%s\": %s, przyjęto %s";
const char* const SekcjePliku[] = {"INFO", "OBIEKT", "PP", "PD", "CALC"};

constexpr const char* Parametry[LiczbaParametrow] = {"A1", "A2", "B",  "BB", "C1", "C2", "E1",
                                                     "E2", "K1", "K2", "P",  "G",  "G2", "N"};

using tNieczytelne = std::vector<tNieczytelnaLiczba>;

double Liczba(const tPlikIni& ini, const char* sekcja, const std::string& klucz, tNieczytelne* n)
{
    const std::string tekst = ini.CzytajTekst(sekcja, klucz);
    double v = 0;
    if (!NaLiczbe(tekst, v) && n) n->push_back({sekcja, klucz, tekst, v});
    return v;
}

int Calkowita(const tPlikIni& ini, const char* klucz, int domyslna, tNieczytelne* n)
{
    const int v = ini.CzytajCalkowita("OBIEKT", klucz, domyslna);
    // Tekst, który nie jest liczbą całkowitą, daje każdą podaną wartość domyślną.
    const std::string tekst = ini.CzytajTekst("OBIEKT", klucz);
    if (n && tekst.find_first_not_of(" \t") != std::string::npos && v == domyslna &&
        ini.CzytajCalkowita("OBIEKT", klucz, domyslna + 1) == domyslna + 1)
        n->push_back({"OBIEKT", klucz, tekst, static_cast<double>(domyslna)});
    return v;
}

}  // namespace

std::string OpisNieczytelnej(const tNieczytelnaLiczba& n)
{
    return Format(WzorNieczytelnej, {n.Sekcja, n.Klucz, n.Tekst, n.Powod, LiczbaOgolna(n.Przyjeto)});
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
    d.Schemat = Calkowita(ini, "SCHEM", 0, n);
    d.Przesla = Calkowita(ini, "PRZES", 1, n);
    d.Normatyw = Calkowita(ini, "NORMA", 0, n);
    d.Klasa = Calkowita(ini, "KLASA", 0, n);
    d.Przekroj = Calkowita(ini, "RODZA", 0, n);

    d.Info.JNI = ini.CzytajTekst("INFO", "JNI");
    d.Info.NrP = ini.CzytajTekst("INFO", "NRP");
    d.Info.Droga = ini.CzytajTekst("INFO", "Dro");
    d.Info.Km = ini.CzytajTekst("INFO", "Km");
    d.Info.Najblizsza = ini.CzytajTekst("INFO", "Najblizsza");
    d.Info.Przeszkoda = ini.CzytajTekst("INFO", "Przeszkoda");

    for (int i = 0; i < LiczbaParametrow; ++i) d.Parametry[i] = Liczba(ini, "PP", Parametry[i], n);
    for (int i = 0; i < MaksWierszy; ++i) d.Dlugosci[i] = Liczba(ini, "PD", KluczDlugosci(i + 1), n);
    d.LiczbaDlugosci = MaksWierszy;
    return d;
}

void ZapiszDanePliku(tPlikIni& ini, const tDanePliku& d, const tWynikiPliku* wyniki)
{
    if (!d.Info.JNI.empty()) {
        ini.Zapisz("INFO", "JNI", d.Info.JNI);
        ini.Zapisz("INFO", "NRP", d.Info.NrP);
        ini.Zapisz("INFO", "Dro", d.Info.Droga);
        ini.Zapisz("INFO", "Km", d.Info.Km);
        ini.Zapisz("INFO", "Najblizsza", d.Info.Najblizsza);
        ini.Zapisz("INFO", "Przeszkoda", d.Info.Przeszkoda);
    }
    ini.ZapiszCalkowita("OBIEKT", "SCHEM", d.Schemat);
    ini.ZapiszCalkowita("OBIEKT", "PRZES", d.Przesla);
    ini.ZapiszCalkowita("OBIEKT", "NORMA", d.Normatyw);
    ini.ZapiszCalkowita("OBIEKT", "KLASA", d.Klasa);
    ini.ZapiszCalkowita("OBIEKT", "RODZA", d.Przekroj);

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
