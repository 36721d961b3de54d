#include "cli/Wyjscie.h"

#include <charconv>
#include <cmath>
#include <cstdio>

#include "common/Regionalne.h"
#include "common/Slad.h"
#include "system/System.h"

namespace {

const char* const Przedrostek = "pontiva-cli: ";
const std::string_view PoczatekFormuly = "=+-@\t\r";

// Długość poprawnej sekwencji UTF-8 na początku s albo 0.
size_t DlugoscZnaku(std::string_view s)
{
    const auto b0 = static_cast<unsigned char>(s[0]);
    size_t n = b0 < 0x80 ? 1 : (b0 >> 5) == 0x6 ? 2 : (b0 >> 4) == 0xE ? 3 : (b0 >> 3) == 0x1E ? 4 : 0;
    if (n == 0 || n > s.size()) return 0;
    for (size_t i = 1; i < n; ++i)
        if ((static_cast<unsigned char>(s[i]) >> 6) != 0x2) return 0;
    if (n == 2 && b0 < 0xC2) return 0;  // postać nadmiarowa
    return n;
}

}  // namespace

void DopiszJsonNapis(std::string& cel, std::string_view s)
{
    static const char* const hex = "0123456789abcdef";
    cel += '"';
    while (!s.empty()) {
        const auto c = static_cast<unsigned char>(s[0]);
        if (c == '"' || c == '\\') {
            cel += '\\';
            cel += static_cast<char>(c);
        } else if (c == '\n') {
            cel += "\\n";
        } else if (c == '\r') {
            cel += "\\r";
        } else if (c == '\t') {
            cel += "\\t";
        } else if (c < 0x20) {
            cel += "\\u00";
            cel += hex[c >> 4];
            cel += hex[c & 0xF];
        } else if (c >= 0x80) {
            const size_t n = DlugoscZnaku(s);
            if (n == 0) {
                cel += "\xEF\xBF\xBD";
                s.remove_prefix(1);
                continue;
            }
            cel.append(s.substr(0, n));
            s.remove_prefix(n);
            continue;
        } else {
            cel += static_cast<char>(c);
        }
        s.remove_prefix(1);
    }
    cel += '"';
}

void DopiszJsonLiczbe(std::string& cel, double v)
{
    if (v == NieDotyczy || !std::isfinite(v)) {
        cel += "null";
        return;
    }
    char bufor[64];
    auto [koniec, blad] = std::to_chars(bufor, bufor + sizeof bufor, v);
    if (blad != std::errc()) {
        cel += "null";
        return;
    }
    cel.append(bufor, koniec);
}

void DopiszKomorkeCsv(std::string& cel, std::string_view t)
{
    const std::string_view apostrof = !t.empty() && PoczatekFormuly.find(t.front()) != std::string_view::npos ? "'" : "";
    if (t.find_first_of(";\"\r\n") == std::string_view::npos) {
        cel.append(apostrof).append(t);
        return;
    }
    cel += '"';
    cel += apostrof;
    for (char c : t) {
        if (c == '"') cel += '"';
        cel += c;
    }
    cel += '"';
}

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

void PokazOdmowe(const std::string& komunikat)
{
    std::string t = Przedrostek + komunikat + "\n";
    for (char& z : t)
        if (z == '\r') z = '\n';
    std::fputs(t.c_str(), stderr);
}

void PokazNieczytelne(const std::string& plik, const std::vector<tNieczytelnaLiczba>& nieczytelne)
{
    for (const auto& n : nieczytelne) std::fputs((Przedrostek + plik + ": " + OpisNieczytelnej(n) + "\n").c_str(), stderr);
}
