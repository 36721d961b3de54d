// Cel fuzzingu: raport RTF z wrogimi danymi identyfikacyjnymi (sześć tekstów rozdzielonych
// LF). Dokument nie może dać się rozszczepić znacznikami z tekstu (nawiasy klamrowe RTF
// zbalansowane), a dla JNI i numeru przęsła, które przyjmuje polecenie, "sprawdz" musi
// uznać raport za zgodny.
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include "core/InfoObiektu.h"
#include "core/Przeliczenie.h"
#include "persistence/PlikIni.h"
#include "reports/Raport.h"
#include "reports/SprawdzRaport.h"
#include "reports/VanRTF.h"
#include "system/Pliki.h"
#include "przebieg/Przebieg.h"
#include "przebieg/WidokPamieci.h"

namespace {

const char* const Most = "[OBIEKT]\nSCHEM=2\nPRZES=3\nNORMA=5\nKLASA=1\nRODZA=0\n"
                         "[PP]\nA1=0,5\nA2=0,5\nB=7\nBB=8,4\nC1=1,5\nC2=1,5\nE1=1,3\nE2=1,3\nN=5\n"
                         "[PD]\nL1=2\nL2=15\nL3=18\nL4=15\nL5=2\n";

const tObiektMostowy& Policzony()
{
    static tWidokPamieci widok;
    static tGlownyPrzebieg przebieg(widok);
    static tObiektMostowy obiekt;
    static const bool gotowy = [] {
        UstawKomunikatyRtf([](const std::string&, const std::string&) {});
        tPlikIni ini;
        ini.UstawZawartosc(Most);
        przebieg.WczytajIni(ini);
        PobierzDane(widok, obiekt);
        return SprawdzIOblicz(obiekt).Poprawne();
    }();
    if (!gotowy) std::abort();
    return obiekt;
}

// Nawiasy klamrowe bez "\" przed nimi (znaczniki RTF) muszą się zamykać w kolejności.
bool Zbalansowany(const std::string& rtf)
{
    long poziom = 0;
    for (size_t i = 0; i < rtf.size(); ++i) {
        if (rtf[i] == '\\') {
            ++i;
            continue;
        }
        if (rtf[i] == '{') ++poziom;
        if (rtf[i] == '}' && --poziom < 0) return false;
    }
    return poziom == 0;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* dane, std::size_t rozmiar)
{
    const tObiektMostowy& obiekt = Policzony();
    std::vector<std::string> pola(1);
    for (std::size_t i = 0; i < rozmiar; ++i) {
        if (dane[i] == '\n' && pola.size() < 6)
            pola.emplace_back();
        else
            pola.back() += static_cast<char>(dane[i]);
    }
    pola.resize(6);
    static const struct tPlik {
        std::string Sciezka = std::string(std::getenv("TMPDIR") ? std::getenv("TMPDIR") : "/tmp") + "/pontiva-fuzz-" +
                              std::to_string(getpid()) + ".rtf";
        ~tPlik() { unlink(Sciezka.c_str()); }
    } raport;
    const std::string& plik = raport.Sciezka;
    if (!UtworzRaport(obiekt, pola[0], pola[1], pola[2], pola[3], pola[4], pola[5], plik, "06.12.2026")) std::abort();
    std::string bajty, komunikat;
    if (CzytajPlik(plik, LimitRaportu, bajty, komunikat) != tStanOdczytu::Przeczytany) std::abort();
    if (!Zbalansowany(bajty)) std::abort();
    long long nrP = 0;
    if (PoprawnyJNI(pola[0]) && CzytajCalkowita(pola[1], nrP) && SprawdzRaport(bajty).Stan != tStanRaportu::Zgodny)
        std::abort();
    return 0;
}
