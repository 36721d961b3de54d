#pragma once
// Wspólne narzędzia testów przebiegu: obiekt opisany polami okna, katalog tymczasowy,
// separator dziesiętny na czas testu.
#include <gtest/gtest.h>
#include <stdlib.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "common/Regionalne.h"
#include "ui/Przebieg.h"
#include "ui/WidokPamieci.h"

struct tSeparator {
    explicit tSeparator(char s) { Regionalne().SeparatorDziesietny = s; }
    ~tSeparator() { Regionalne().SeparatorDziesietny = ','; }
};

// Obiekt tak, jak go opisuje okno: listy, czternaście pól szerokości, długości wierszy.
struct tOpisObiektu {
    int Normatyw = 5, Klasa = 1, Przekroj = 0, Schemat = 0, Przesla = 1;
    // A1 A2 B BB C1 C2 E1 E2 K1 K2 P G1 G2 N
    std::vector<double> Szerokosci = {0.5, 0.5, 7.0, 8.4, 1.5, 1.5, 1.3, 1.3, 0, 0, 0, 0, 0, 5};
    std::vector<double> Dlugosci = {0, 18, 0};
};

inline void UstawOkno(tWidokPamieci& w, const tOpisObiektu& o)
{
    w.UstawWybor(tLista::CBSchemat, o.Schemat);
    w.UstawWartosc(IlePrzesel, o.Przesla);
    w.UstawWybor(tLista::CBNormatyw, o.Normatyw);
    RegulaListyKlas(w);
    w.UstawWybor(tLista::CBKlasa, o.Klasa);
    w.UstawWybor(tLista::CBPrzeslo, o.Przekroj);
    for (size_t i = 0; i < o.Szerokosci.size(); ++i) w.UstawWartosc(static_cast<tPole>(i), o.Szerokosci[i]);
    for (int i = 1; i <= MaksWierszy; ++i)
        w.UstawWartosc(PoleDlugosci(i), i <= static_cast<int>(o.Dlugosci.size()) ? o.Dlugosci[i - 1] : 0.0);
    BudujPrzesla(w);
    UstawWidocznosc(w);
}

class tKatalogTestu {
public:
    tKatalogTestu()
    {
        std::string wzor = ::testing::TempDir() + "pontiva-przebieg-XXXXXX";
        sciezka_ = mkdtemp(wzor.data());
    }
    ~tKatalogTestu() { std::filesystem::remove_all(sciezka_); }
    const std::string& Sciezka() const { return sciezka_; }
    std::string operator/(const std::string& nazwa) const { return sciezka_ + "/" + nazwa; }

private:
    std::string sciezka_;
};

inline std::string CzytajPlik(const std::string& sciezka)
{
    std::ifstream f(sciezka, std::ios::binary);
    std::stringstream s;
    s << f.rdbuf();
    return s.str();
}

inline void ZapiszPlik(const std::string& sciezka, const std::string& bajty)
{
    std::ofstream(sciezka, std::ios::binary) << bajty;
}
