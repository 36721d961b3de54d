#include "przebieg/KopiaElementow.h"

#include "przebieg/TabelaElementow.h"

namespace {
template <typename F>
void DopiszWiersz(std::string& cel, int kolumny, F komorka)
{
    for (int k = 0; k < kolumny; ++k) {
        if (k) cel += '\t';
        cel += komorka(k);
    }
    cel += '\n';
}
}  // namespace

std::string TekstDoArkusza(const tTabelaElementow& tabela, const std::vector<int>& wiersze)
{
    std::string tekst;
    const int kolumny = LiczbaKolumn(tabela);
    DopiszWiersz(tekst, kolumny, [](int k) { return NaglowekKolumny(k); });
    auto dopisz = [&](int w) { DopiszWiersz(tekst, kolumny, [&](int k) { return TekstKomorki(tabela, w, k); }); };
    if (wiersze.empty())
        for (int w = 0; w < static_cast<int>(tabela.Wiersze.size()); ++w) dopisz(w);
    else
        for (int w : wiersze) dopisz(w);
    return tekst;
}
