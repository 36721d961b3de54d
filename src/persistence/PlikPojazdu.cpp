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

bool Odmowa(const std::string& klucz, const std::string& tekst, const std::string& powod, std::string& komunikat)
{
    komunikat = Format(WzorWartosci, {klucz, tekst, powod});
    return false;
}

// Klucz P albo S o numerze ponad liczbę osi z wartością: pomyłka w OSIE albo w numerach.
bool BezNadmiarowych(const tPlikIni& ini, int osi, std::string& komunikat)
{
    for (int i = 1; i <= MaksOsiPojazdu; ++i)
        for (bool nacisk : {true, false}) {
            if (i <= osi - (nacisk ? 0 : 1)) continue;
            const std::string klucz = nacisk ? KluczNacisku(i) : KluczRozstawu(i);
            const std::string tekst = ini.CzytajTekst(Sekcja, klucz);
            if (tekst.find_first_not_of(" \t") == std::string::npos) continue;
            return Odmowa(klucz, tekst, Format(WzorNadmiarowy, {osi}), komunikat);
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

bool WartoscPojazdu(const std::string& klucz, const std::string& tekst, double& v, std::string& komunikat)
{
    if (tekst.find_first_not_of(" \t") == std::string::npos) {
        komunikat = Format(WzorBrak, {klucz});
        return false;
    }
    if (!NaLiczbe(tekst, v)) return Odmowa(klucz, tekst, NieLiczba, komunikat);
    if (klucz == KluczOsi) {
        if (v != std::floor(v)) return Odmowa(klucz, tekst, NieCalkowita, komunikat);
        if (v < 1 || v > MaksOsiPojazdu) return Odmowa(klucz, tekst, Format(WzorZakresOsi, {MaksOsiPojazdu}), komunikat);
    } else if (klucz[0] == 'P') {
        if (!(v > 0 && v <= MaksNaciskOsi))
            return Odmowa(klucz, tekst, Format(WzorZakresNacisku, {LiczbaOgolna(MaksNaciskOsi)}), komunikat);
    } else if (!(v >= MinRozstawOsi && v <= MaksRozstawOsi)) {
        return Odmowa(klucz, tekst,
                      Format(WzorZakresRozstawu, {LiczbaOgolna(MinRozstawOsi), LiczbaOgolna(MaksRozstawOsi)}), komunikat);
    }
    return true;
}

bool CzytajPojazd(const tPlikIni& ini, const std::string& nazwaDomyslna, tPojazd& pojazd, std::string& komunikat)
{
    tPojazd p;
    p.Nazwa = ini.CzytajTekst(Sekcja, "NAZWA");
    if (p.Nazwa.find_first_not_of(" \t") == std::string::npos) p.Nazwa = nazwaDomyslna;
    double osi = 0;
    if (!WartoscPojazdu(KluczOsi, ini.CzytajTekst(Sekcja, KluczOsi), osi, komunikat)) return false;
    const int n = static_cast<int>(osi);
    // Naciski P1..Pn, potem rozstawy S1..Sn−1: pierwszy zły klucz w tej kolejności.
    for (int i = 1; i < 2 * n; ++i) {
        const std::string klucz = i <= n ? KluczNacisku(i) : KluczRozstawu(i - n);
        double v = 0;
        if (!WartoscPojazdu(klucz, ini.CzytajTekst(Sekcja, klucz), v, komunikat)) return false;
        (i <= n ? p.Naciski : p.Rozstawy).push_back(v);
    }
    if (!BezNadmiarowych(ini, n, komunikat)) return false;
    pojazd = std::move(p);
    return true;
}

bool WczytajPojazd(const std::string& sciezka, tPojazd& pojazd, std::string& komunikat, std::string* zawartosc)
{
    tPlikIni ini;
    if (ini.Wczytaj(sciezka, komunikat) != tStanOdczytu::Przeczytany) return false;
    if (!ini.MaSekcje(Sekcja)) {
        komunikat = KomNiePojazd + sciezka;
        return false;
    }
    if (CzytajPojazd(ini, NazwaBezRozszerzenia(sciezka), pojazd, komunikat)) {
        if (zawartosc) *zawartosc = ini.Zawartosc();
        return true;
    }
    komunikat = Format(WzorPliku, {sciezka, komunikat});
    return false;
}

std::string KluczNacisku(int os) { return "P" + std::to_string(os); }
std::string KluczRozstawu(int os) { return "S" + std::to_string(os); }

bool ZapiszPojazd(const std::string& sciezka, const tPojazd& pojazd, std::string& komunikat)
{
    tPlikIni ini;
    ini.Zapisz(Sekcja, "NAZWA", pojazd.Nazwa);
    ini.ZapiszCalkowita(Sekcja, KluczOsi, static_cast<int>(pojazd.Naciski.size()));
    for (size_t i = 0; i < pojazd.Naciski.size(); ++i)
        ini.Zapisz(Sekcja, KluczNacisku(static_cast<int>(i) + 1), LiczbaOgolna(pojazd.Naciski[i]));
    for (size_t i = 0; i < pojazd.Rozstawy.size(); ++i)
        ini.Zapisz(Sekcja, KluczRozstawu(static_cast<int>(i) + 1), LiczbaOgolna(pojazd.Rozstawy[i]));
    return ini.ZapiszPlik(sciezka, komunikat);
}
