#include "przebieg/OdmowaPliku.h"

#include <algorithm>
#include <cmath>

#include "common/Formatowanie.h"

namespace {

const char* const WzorOdmowy = "Plik nie jest podstawą oceny: wczytanie zmieniło %s %s";
const char* const PozaZakresem = "poza zakresem od %s do %s";
const char* const NieCalkowita = "to nie liczba całkowita";
const char* const ZaokraglonaDoPola = "pole ma %d miejsca po przecinku";

class tPorownanie {
public:
    tPorownanie(const tPlikIni& ini, std::vector<tNieczytelnaLiczba>& lista) : ini_(ini), lista_(lista), stare_(lista.size()) {}

    void Wybor(const char* klucz, int przeczytany, int przyjety, int pozycji)
    {
        if (przeczytany != przyjety) Dodaj("OBIEKT", klucz, przyjety, Zakres(0, pozycji - 1));
    }

    void Pole(const char* sekcja, const std::string& klucz, tPole pole, double przeczytana, double przyjeta)
    {
        if (przeczytana == przyjeta) return;
        const tOpisPola& o = OpisPola(pole);
        std::string powod = przeczytana < o.Min || przeczytana > o.Max ? Zakres(o.Min, o.Max)
                            : o.Calkowite                               ? std::string(NieCalkowita)
                                                                        : Format(ZaokraglonaDoPola, {o.Miejsca});
        Dodaj(sekcja, klucz, przyjeta, powod);
    }

    void Porzadkuj()
    {
        std::stable_sort(lista_.begin(), lista_.end(),
                         [](const auto& a, const auto& b) { return KolejnoscWpisu(a) < KolejnoscWpisu(b); });
    }

private:
    static std::string Zakres(double od, double do_) { return Format(PozaZakresem, {LiczbaOgolna(od), LiczbaOgolna(do_)}); }

    void Dodaj(const char* sekcja, const std::string& klucz, double przyjeta, const std::string& powod)
    {
        const std::string tekst = ini_.CzytajTekst(sekcja, klucz);
        if (tekst.find_first_not_of(" \t") == std::string::npos) return;  // brak klucza albo pusty: wpis odczytu
        // Tekst, który nie jest liczbą, pole zawsze "zmienia": dość jednego wpisu.
        for (size_t i = 0; i < stare_; ++i)
            if (lista_[i].Sekcja == sekcja && lista_[i].Klucz == klucz && lista_[i].Powod == tNieczytelnaLiczba{}.Powod)
                return;
        lista_.push_back({sekcja, klucz, tekst, LiczbaOgolna(przyjeta), powod});
    }

    const tPlikIni& ini_;
    std::vector<tNieczytelnaLiczba>& lista_;
    size_t stare_;
};

}  // namespace

void DopiszZmienione(const tPlikIni& ini, const tDanePliku& d, const Widok& w, std::vector<tNieczytelnaLiczba>& lista)
{
    tPorownanie p(ini, lista);
    p.Wybor("SCHEM", d.Schemat, w.Wybor(tLista::CBSchemat), w.LiczbaPozycjiListy(tLista::CBSchemat));
    p.Pole("OBIEKT", "PRZES", IlePrzesel, d.Przesla, w.Wartosc(IlePrzesel));
    p.Wybor("NORMA", d.Normatyw, w.Wybor(tLista::CBNormatyw), w.LiczbaPozycjiListy(tLista::CBNormatyw));
    p.Wybor("KLASA", d.Klasa, w.Wybor(tLista::CBKlasa), w.LiczbaPozycjiListy(tLista::CBKlasa));
    p.Wybor("RODZA", d.Przekroj, w.Wybor(tLista::CBPrzeslo), w.LiczbaPozycjiListy(tLista::CBPrzeslo));
    for (int i = 0; i < LiczbaParametrow; ++i) {
        const tPole pole = static_cast<tPole>(RxSE_A1 + i);
        p.Pole("PP", KluczParametru(i), pole, d.Parametry[i], w.Wartosc(pole));
    }
    for (int i = 0; i < MaksWierszy; ++i)
        p.Pole("PD", KluczDlugosci(i + 1), PoleDlugosci(i + 1), d.Dlugosci[i], w.Wartosc(PoleDlugosci(i + 1)));
    p.Porzadkuj();
}

std::string OdmowaPliku(const std::vector<tNieczytelnaLiczba>& zmienione)
{
    std::string klucze;
    int ile = 0;
    for (size_t i = 0; i < zmienione.size(); ++i) {
        const auto& n = zmienione[i];
        // Dwa wpisy jednego klucza (np. powtórzony i spoza zakresu) to jeden klucz odmowy.
        if (i > 0 && n.Sekcja == zmienione[i - 1].Sekcja && n.Klucz == zmienione[i - 1].Klucz) continue;
        klucze += (klucze.empty() ? "[" : ", [") + n.Sekcja + "]" + (n.Klucz.empty() ? "" : " " + n.Klucz);
        ++ile;
    }
    return klucze.empty() ? "" : Format(WzorOdmowy, {ile == 1 ? "wartość" : "wartości", klucze});
}
