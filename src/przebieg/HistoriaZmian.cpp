#include "przebieg/HistoriaZmian.h"

#include "przebieg/Przebieg.h"

namespace {

constexpr tLista Listy[] = {tLista::CBPrzeslo, tLista::CBSchemat, tLista::CBNormatyw, tLista::CBKlasa};

// Indeks jedynego pola, którym różnią się stany o tych samych listach; -1 w innym przypadku.
int JedynePole(const tStanPol& a, const tStanPol& b)
{
    if (a.Listy != b.Listy) return -1;
    int pole = -1;
    for (int p = 0; p < LiczbaPol; ++p) {
        if (a.Pola[p] == b.Pola[p]) continue;
        if (pole >= 0) return -1;
        pole = p;
    }
    return pole;
}

}  // namespace

bool StanPol(const Widok& w, tStanPol& stan)
{
    for (tLista l : Listy) stan.Listy[static_cast<int>(l)] = w.Wybor(l);
    for (int p = 0; p < LiczbaPol; ++p) {
        if (!w.JestLiczba(static_cast<tPole>(p))) return false;
        stan.Pola[p] = w.Wartosc(static_cast<tPole>(p));
    }
    return true;
}

void UstawStanPol(Widok& w, const tStanPol& stan)
{
    auto wybor = [&](tLista l) { w.UstawWybor(l, stan.Listy[static_cast<int>(l)]); };
    wybor(tLista::CBSchemat);
    wybor(tLista::CBNormatyw);
    RegulaListyKlas(w);
    wybor(tLista::CBKlasa);
    wybor(tLista::CBPrzeslo);
    for (int p = 0; p < LiczbaPol; ++p) w.UstawWartoscWpisana(static_cast<tPole>(p), stan.Pola[p]);
}

void tHistoriaZmian::Poczatek(const tStanPol& stan)
{
    stany_.assign(1, stan);
    biezacy_ = 0;
    scalaj_ = false;
}

void tHistoriaZmian::Zapamietaj(const tStanPol& stan)
{
    if (stany_.empty()) return Poczatek(stan);
    if (stan == stany_[biezacy_]) return;
    stany_.erase(stany_.begin() + static_cast<std::ptrdiff_t>(biezacy_) + 1, stany_.end());  // bez kroków do ponowienia
    const bool scal = scalaj_ && biezacy_ > 0 && JedynePole(stany_[biezacy_ - 1], stany_[biezacy_]) >= 0 &&
                      JedynePole(stany_[biezacy_ - 1], stany_[biezacy_]) == JedynePole(stany_[biezacy_], stan);
    scalaj_ = true;
    if (scal) {
        stany_[biezacy_] = stan;
        if (stan == stany_[biezacy_ - 1]) {  // pole wpisane z powrotem: krok znika
            stany_.pop_back();
            --biezacy_;
            scalaj_ = false;
        }
        return;
    }
    stany_.push_back(stan);
    ++biezacy_;
    if (stany_.size() > Glebokosc + 1) {
        stany_.pop_front();
        --biezacy_;
    }
}

const tStanPol* tHistoriaZmian::Cofnij()
{
    if (!MoznaCofnac()) return nullptr;
    scalaj_ = false;
    return &stany_[--biezacy_];
}

const tStanPol* tHistoriaZmian::Ponow()
{
    if (!MoznaPonowic()) return nullptr;
    scalaj_ = false;
    return &stany_[++biezacy_];
}
