#include "cli/ArgumentyPolecenia.h"

#include <algorithm>

#include "cli/KomendaOblicz.h"
#include "cli/Wyjscie.h"
#include "common/Formatowanie.h"

namespace {

const char* const BladOpcji = "pontiva-cli: nieznana opcja \"%s\"";
const char* const BladBrakWartosci = "pontiva-cli: opcja %s wymaga wartości";
const char* const BladPowtorzona = "pontiva-cli: opcja %s podana dwa razy";
const char* const BladPrzelacznika = "pontiva-cli: opcja %s nie przyjmuje wartości";
const char* const BladSeparatora = "pontiva-cli: separator dziesiętny to \",\" albo \".\", nie \"%s\"";

bool Blad(const char* wzor, const std::string& arg)
{
    Pisz(stderr, Format(wzor, {arg}));
    return false;
}

}  // namespace

bool RozbierzArgumenty(const std::vector<std::string>& argumenty, std::initializer_list<const char*> opcje,
                       tArgumentyPolecenia& wynik, std::initializer_list<const char*> przelaczniki)
{
    auto jest = [](std::initializer_list<const char*> lista, const std::string& a) {
        return std::any_of(lista.begin(), lista.end(), [&](const char* o) { return a == o; });
    };
    bool koniecOpcji = false;
    for (size_t i = 0; i < argumenty.size(); ++i) {
        std::string a = argumenty[i];
        if (koniecOpcji || a.size() < 2 || a[0] != '-') {
            wynik.Pozycyjne.push_back(a);
            continue;
        }
        if (a == "--") {
            koniecOpcji = true;
            continue;
        }
        std::string wartosc;
        const auto rownasie = a.rfind("--", 0) == 0 ? a.find('=') : std::string::npos;
        if (rownasie != std::string::npos) {
            wartosc = a.substr(rownasie + 1);
            a.resize(rownasie);
        }
        const bool przelacznik = jest(przelaczniki, a);
        if (!przelacznik && !jest(opcje, a)) return Blad(BladOpcji, argumenty[i]);
        if (przelacznik && rownasie != std::string::npos) return Blad(BladPrzelacznika, a);
        if (!przelacznik && rownasie == std::string::npos) {
            if (i + 1 >= argumenty.size()) return Blad(BladBrakWartosci, a);
            wartosc = argumenty[++i];
        }
        if (!wynik.Opcje.emplace(a, wartosc).second) return Blad(BladPowtorzona, a);
    }
    return true;
}

bool SeparatorZOpcji(const tArgumentyPolecenia& a)
{
    const auto s = a.Opcje.find("--separator");
    const std::string separator = s == a.Opcje.end() ? "" : s->second;
    return UstawSeparator(separator) || Blad(BladSeparatora, separator);
}
