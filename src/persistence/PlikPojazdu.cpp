#include "persistence/PlikPojazdu.h"

#include <cmath>

#include "common/Formatowanie.h"
#include "common/Pomocnicze.h"
#include "system/System.h"

namespace {

const char* const Sekcja = "POJAZD";
const char* const KomNiePojazd = "To nie jest plik pojazdu (brak sekcji POJAZD): ";
const char* const WzorPliku = "Plik pojazdu %s: %s";
const char* const WzorBrak = "[POJAZD] %s: brak wartości";
const char* const WzorWartosci = "[POJAZD] %s = \"%s\": %s";
const char* const NieLiczba = "to nie jest liczba";
const char* const NieCalkowita = "to nie liczba całkowita";
const char* const WzorZakresOsi = "liczba osi poza zakresem od 1 do %d";
const char* const WzorZakresNacisku = "nacisk osi poza zakresem od 0 (bez 0) do %s t";
const char* const WzorZakresRozstawu = "rozstaw osi poza zakresem od %s do %s m";
const char* const WzorNadmiarowy = "klucz ponad liczbę osi OSIE = %d";

// Liczba klucza; false i komunikat, gdy jej nie ma albo to nie liczba.
bool Liczba(const tPlikIni& ini, const std::string& klucz, double& v, std::string& komunikat)
{
    const std::string tekst = ini.CzytajTekst(Sekcja, klucz);
    if (tekst.find_first_not_of(" \t") == std::string::npos) {
        komunikat = Format(WzorBrak, {klucz});
        return false;
    }
    if (!NaLiczbe(tekst, v)) {
        komunikat = Format(WzorWartosci, {klucz, tekst, NieLiczba});
        return false;
    }
    return true;
}

bool WZakresie(const tPlikIni& ini, const std::string& klucz, bool dobra, const std::string& powod, std::string& komunikat)
{
    if (!dobra) komunikat = Format(WzorWartosci, {klucz, ini.CzytajTekst(Sekcja, klucz), powod});
    return dobra;
}

// Klucz P albo S o numerze ponad liczbę osi z wartością: pomyłka w OSIE albo w numerach.
bool BezNadmiarowych(const tPlikIni& ini, int osi, std::string& komunikat)
{
    for (int i = 1; i <= MaksOsiPojazdu; ++i)
        for (const char* litera : {"P", "S"}) {
            if (i <= osi - (litera[0] == 'S')) continue;
            const std::string klucz = litera + std::to_string(i);
            if (ini.CzytajTekst(Sekcja, klucz).find_first_not_of(" \t") == std::string::npos) continue;
            return WZakresie(ini, klucz, false, Format(WzorNadmiarowy, {osi}), komunikat);
        }
    return true;
}

std::string NazwaBezRozszerzenia(const std::string& sciezka)
{
    const size_t k = sciezka.find_last_of(os::SeparatoryKatalogow());
    std::string n = k == std::string::npos ? sciezka : sciezka.substr(k + 1);
    if (const size_t r = n.rfind('.'); r != std::string::npos && r > 0) n.erase(r);
    return n;
}

}  // namespace

bool CzytajPojazd(const tPlikIni& ini, const std::string& nazwaDomyslna, tPojazd& pojazd, std::string& komunikat)
{
    tPojazd p;
    p.Nazwa = ini.CzytajTekst(Sekcja, "NAZWA");
    if (p.Nazwa.find_first_not_of(" \t") == std::string::npos) p.Nazwa = nazwaDomyslna;
    double osi = 0;
    if (!Liczba(ini, "OSIE", osi, komunikat) || !WZakresie(ini, "OSIE", osi == std::floor(osi), NieCalkowita, komunikat) ||
        !WZakresie(ini, "OSIE", osi >= 1 && osi <= MaksOsiPojazdu, Format(WzorZakresOsi, {MaksOsiPojazdu}), komunikat))
        return false;
    const int n = static_cast<int>(osi);
    const std::string zakresP = Format(WzorZakresNacisku, {LiczbaOgolna(MaksNaciskOsi)});
    const std::string zakresS = Format(WzorZakresRozstawu, {LiczbaOgolna(MinRozstawOsi), LiczbaOgolna(MaksRozstawOsi)});
    for (int i = 1; i <= n; ++i) {
        const std::string klucz = "P" + std::to_string(i);
        double v = 0;
        if (!Liczba(ini, klucz, v, komunikat) || !WZakresie(ini, klucz, v > 0 && v <= MaksNaciskOsi, zakresP, komunikat))
            return false;
        p.Naciski.push_back(v);
    }
    for (int i = 1; i < n; ++i) {
        const std::string klucz = "S" + std::to_string(i);
        double v = 0;
        if (!Liczba(ini, klucz, v, komunikat) ||
            !WZakresie(ini, klucz, v >= MinRozstawOsi && v <= MaksRozstawOsi, zakresS, komunikat))
            return false;
        p.Rozstawy.push_back(v);
    }
    if (!BezNadmiarowych(ini, n, komunikat)) return false;
    pojazd = std::move(p);
    return true;
}

bool WczytajPojazd(const std::string& sciezka, tPojazd& pojazd, std::string& komunikat)
{
    tPlikIni ini;
    if (ini.Wczytaj(sciezka, komunikat) != tStanOdczytu::Przeczytany) return false;
    if (!ini.MaSekcje(Sekcja)) {
        komunikat = KomNiePojazd + sciezka;
        return false;
    }
    if (CzytajPojazd(ini, NazwaBezRozszerzenia(sciezka), pojazd, komunikat)) return true;
    komunikat = Format(WzorPliku, {sciezka, komunikat});
    return false;
}

bool ZapiszPojazd(const std::string& sciezka, const tPojazd& pojazd, std::string& komunikat)
{
    tPlikIni ini;
    ini.Zapisz(Sekcja, "NAZWA", pojazd.Nazwa);
    ini.ZapiszCalkowita(Sekcja, "OSIE", static_cast<int>(pojazd.Naciski.size()));
    for (size_t i = 0; i < pojazd.Naciski.size(); ++i)
        ini.Zapisz(Sekcja, "P" + std::to_string(i + 1), LiczbaOgolna(pojazd.Naciski[i]));
    for (size_t i = 0; i < pojazd.Rozstawy.size(); ++i)
        ini.Zapisz(Sekcja, "S" + std::to_string(i + 1), LiczbaOgolna(pojazd.Rozstawy[i]));
    return ini.ZapiszPlik(sciezka, komunikat);
}
