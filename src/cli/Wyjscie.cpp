#include "cli/Wyjscie.h"

#include <algorithm>
#include <cstdio>

#include "common/Regionalne.h"
#include "common/Utf8.h"
#include "common/Slad.h"
#include "system/System.h"

namespace {

const char* const Przedrostek = "pontiva-cli: ";

}  // namespace

void tWyjscie::Oproznij()
{
    if (bufor_.empty()) return;
    // Nic z bufora biblioteki C przed rekordem (tam pisze tylko reszta programu).
    os::tBlad blad = os::tBlad::Brak;
    if (!blad_ && (std::fflush(stdout) != 0 || !os::Pisz(os::StandardoweWyjscie, bufor_, blad))) blad_ = true;
    bufor_.clear();
}

char SeparatorUzytkownika()
{
    const char s = os::SeparatorDziesietnyUzytkownika();
    return s ? s : SeparatorZeSrodowiska();
}

std::string Wiersze(std::string_view tekst)
{
    std::string w;
    for (size_t i = 0; i <= tekst.size();) {
        const size_t koniec = std::min(tekst.find_first_of("\r\n", i), tekst.size());
        if (i > 0) w += '\n';
        w += TekstWidoczny(tekst.substr(i, koniec - i));
        i = koniec + 1;
    }
    return w;
}

void Pisz(std::FILE* plik, std::string_view tekst)
{
    const std::string w = Wiersze(tekst) + "\n";
    std::fwrite(w.data(), 1, w.size(), plik);
}

void PokazOdmowe(const std::string& komunikat) { Pisz(stderr, Przedrostek + komunikat); }

void PokazNieczytelne(const std::string& plik, const std::vector<tNieczytelnaLiczba>& nieczytelne)
{
    for (const auto& n : nieczytelne) Pisz(stderr, Przedrostek + plik + ": " + OpisNieczytelnej(n));
}
