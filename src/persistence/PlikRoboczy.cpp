#include "persistence/PlikRoboczy.h"

#include <string>

#include "common/Formatowanie.h"
#include "common/Pomocnicze.h"

namespace {

constexpr const char* Parametry[LiczbaParametrow] = {"A1", "A2", "B",  "BB", "C1", "C2", "E1",
                                                     "E2", "K1", "K2", "P",  "G",  "G2", "N"};

std::string KluczL(int i) { return "L" + std::to_string(i); }

double Liczba(const tPlikIni& ini, const char* sekcja, const std::string& klucz)
{
    return NaLiczbe(ini.CzytajTekst(sekcja, klucz));
}

}  // namespace

const char* KluczParametru(int i) { return i >= 0 && i < LiczbaParametrow ? Parametry[i] : ""; }

tDanePliku CzytajDanePliku(const tPlikIni& ini)
{
    tDanePliku d;
    d.Schemat = ini.CzytajCalkowita("OBIEKT", "SCHEM", 0);
    d.Przesla = ini.CzytajCalkowita("OBIEKT", "PRZES", 1);
    d.Normatyw = ini.CzytajCalkowita("OBIEKT", "NORMA", 0);
    d.Klasa = ini.CzytajCalkowita("OBIEKT", "KLASA", 0);
    d.Przekroj = ini.CzytajCalkowita("OBIEKT", "RODZA", 0);

    d.Info.JNI = ini.CzytajTekst("INFO", "JNI");
    d.Info.NrP = ini.CzytajTekst("INFO", "NRP");
    d.Info.Droga = ini.CzytajTekst("INFO", "Dro");
    d.Info.Km = ini.CzytajTekst("INFO", "Km");
    d.Info.Najblizsza = ini.CzytajTekst("INFO", "Najblizsza");
    d.Info.Przeszkoda = ini.CzytajTekst("INFO", "Przeszkoda");

    for (int i = 0; i < LiczbaParametrow; ++i) d.Parametry[i] = Liczba(ini, "PP", Parametry[i]);
    for (int i = 0; i < MaksWierszy; ++i) d.Dlugosci[i] = Liczba(ini, "PD", KluczL(i + 1));
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
    for (int i = 0; i < k; ++i) ini.Zapisz("PD", KluczL(i + 1), LiczbaOgolna(d.Dlugosci[i]));

    ini.UsunSekcje("CALC");
    if (wyniki) {
        ini.Zapisz("CALC", "M1N", LiczbaOgolna(wyniki->M1N));
        ini.Zapisz("CALC", "TN", LiczbaOgolna(wyniki->TN));
        ini.Zapisz("CALC", "TP", LiczbaOgolna(wyniki->TP));
        ini.Zapisz("CALC", "PTV", LiczbaOgolna(wyniki->PTV));
    }
}
