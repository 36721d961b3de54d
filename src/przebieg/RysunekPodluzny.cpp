#include "przebieg/RysunekPodluzny.h"

#include <algorithm>

#include "common/Formatowanie.h"
#include "przebieg/TabelaElementow.h"

namespace {

const char* const PodpisSkali = "Masa pojazdu:";
const char* const OpisNajgorszego = "▼ element decydujący o nośności";
const char* const Metry = " m";

constexpr int Margines = 12;   // z boków: napisy skrajnych elementów mieszczą się w oknie
constexpr int Gora = 4;
constexpr int WysokoscBelki = 12;
constexpr int PolowaPodpory = 5;
constexpr int WysokoscPodpory = 8;
constexpr int PromienPrzegubu = 4;
constexpr int OdstepWiersza = 2;
constexpr int OdstepLegendy = 8;
constexpr int DlugoscLegendy = 140;
constexpr int OdstepNapisow = 6;
constexpr int OdstepNumerow = 2;

struct tWiersze {
    int Numery, Belka, Dlugosci, Legenda, Razem;
};

tWiersze Wiersze(int h)
{
    tWiersze w{};
    w.Numery = Gora;
    w.Belka = w.Numery + h + OdstepWiersza;
    w.Dlugosci = w.Belka + WysokoscBelki + WysokoscPodpory + OdstepWiersza;
    w.Legenda = w.Dlugosci + h + OdstepLegendy;
    w.Razem = w.Legenda + h + Gora;
    return w;
}

tProstokat NadElementem(const tProstokat& el, int y, int szer, int h) { return {el.X + (el.Szer - szer) / 2, y, szer, h}; }

// Długość: pierwszy wariant, który mieści się pod samym elementem (wystający mógłby
// wyglądać na długość sąsiada); żaden – długość jest tylko w dymku.
void PodpiszDlugosc(tRysunekPodluzny& r, const tProstokat& el, int y, int h, double dlugosc, const tMiaraTekstu& miara)
{
    const std::string d = LiczbaStala(dlugosc, 2);
    for (const std::string& t : {d + Metry, d}) {
        const int szer = miara(t);
        if (szer <= el.Szer - 2) {
            r.Napisy.push_back({t, NadElementem(el, y, szer, h)});
            return;
        }
    }
}

// Numery: najpierw te, które mieszczą się nad swoim elementem, potem pozostałe od
// najszerszego elementu, jeśli nie zachodzą na już postawione (numery rosną, więc
// wystający numer się nie myli).
void PodpiszNumery(tRysunekPodluzny& r, const tTabelaElementow& tabela, int y, int h, const tMiaraTekstu& miara)
{
    std::vector<tProstokat> zajete;
    for (const tRysunekPodluzny::tNapis& n : r.Napisy) zajete.push_back(n.Pole);  // znak najgorszego
    auto wolne = [&](const tProstokat& p) {
        if (p.X < 0 || p.X + p.Szer > r.Belka.X * 2 + r.Belka.Szer) return false;
        for (const tProstokat& z : zajete)
            if (p.X < z.X + z.Szer + OdstepNumerow && z.X < p.X + p.Szer + OdstepNumerow) return false;
        return true;
    };
    std::vector<tProstokat> pola(r.Elementy.size());
    auto kolejnosc = r.Elementy;
    std::stable_sort(kolejnosc.begin(), kolejnosc.end(), [](const auto& a, const auto& b) { return a.Pole.Szer > b.Pole.Szer; });
    for (int przebieg = 0; przebieg < 2; ++przebieg)
        for (const auto& el : kolejnosc) {
            if (el.Najgorszy || pola[el.Wiersz].Szer > 0) continue;
            const std::string t = std::to_string(tabela.Wiersze[el.Wiersz].Numer);
            const tProstokat p = NadElementem(el.Pole, y, miara(t), h);
            if ((przebieg == 1 || p.Szer <= el.Pole.Szer - 2) && wolne(p)) {
                pola[el.Wiersz] = p;
                zajete.push_back(p);
            }
        }
    for (const auto& el : r.Elementy)
        if (pola[el.Wiersz].Szer > 0)
            r.Napisy.push_back({std::to_string(tabela.Wiersze[el.Wiersz].Numer), pola[el.Wiersz]});
}

// Legenda: podpis, masa najmniejsza, pasek barw, 42 t, opis znaku elementu decydującego.
void Legenda(tRysunekPodluzny& r, int szerokosc, int y, int h, const tMiaraTekstu& miara)
{
    int x = Margines;
    auto napis = [&](const std::string& t) {
        const int s = miara(t);
        r.Napisy.push_back({t, {x, y, s, h}});
        x += s + OdstepNapisow;
    };
    napis(PodpisSkali);
    if (!r.Skala.Jednolita()) napis(PodpisMasy(r.Skala.Od));
    const int pasek = r.Skala.Jednolita() ? h : DlugoscLegendy;
    r.Legenda = {x, y + 2, pasek, h - 4};
    x += pasek + OdstepNapisow;
    napis(PodpisMasy(r.Skala.Do));
    if (x + miara(OpisNajgorszego) <= szerokosc - Margines) napis(OpisNajgorszego);
}

}  // namespace

int WysokoscWidokuPodluznego(int wysokoscTekstu) { return Wiersze(wysokoscTekstu).Razem; }

tRysunekPodluzny RysunekPodluzny(const tTabelaElementow& tabela, int szerokosc, int h, const tMiaraTekstu& miara)
{
    tRysunekPodluzny r;
    const tWiersze w = Wiersze(h);
    r.Belka = {Margines, w.Belka, szerokosc - 2 * Margines, WysokoscBelki};
    r.PasElementow = {Margines, w.Numery, szerokosc - 2 * Margines, w.Dlugosci + h - w.Numery};
    r.PodporaWzor = {-PolowaPodpory, w.Belka + WysokoscBelki, 2 * PolowaPodpory, WysokoscPodpory};
    r.PromienPrzegubu = PromienPrzegubu;
    std::vector<double> dlugosci;
    for (const tWierszElementu& e : tabela.Wiersze) dlugosci.push_back(e.Dlugosc);
    const std::vector<int> x = KonceOdcinkow(dlugosci, r.Belka.X, r.Belka.Szer);
    if (x.empty()) return r;
    r.Skala = SkalaMas(tabela);

    const int m = static_cast<int>(dlugosci.size());
    auto rodzaj = [&](int i) { return i >= 0 && i < m ? tabela.Wiersze[i].Rodzaj : -1; };
    for (int i = 0; i < m; ++i)
        r.Elementy.push_back({i, {x[i], w.Belka, x[i + 1] - x[i], WysokoscBelki},
                              KolorMasy(r.Skala, tabela.Wiersze[i].Masa), i == tabela.Najgorszy});
    for (int i = 0; i <= m; ++i) {
        const tWezel wezel = WezelMiedzy(rodzaj(i - 1), rodzaj(i));
        if (wezel != tWezel::Brak) r.Wezly.push_back({x[i], wezel});
    }

    // Znak elementu decydującego zawsze, nawet nad elementem węższym od znaku.
    if (tabela.Najgorszy >= 0) {
        const tProstokat& el = r.Elementy[tabela.Najgorszy].Pole;
        const std::string t = std::string(ZnakNajgorszego) + std::to_string(tabela.Wiersze[tabela.Najgorszy].Numer);
        const std::string tekst = miara(t) <= el.Szer - 2 ? t : ZnakNajgorszego;
        r.Napisy.push_back({tekst, NadElementem(el, w.Numery, miara(tekst), h), true});
    }
    PodpiszNumery(r, tabela, w.Numery, h, miara);
    for (const auto& el : r.Elementy) PodpiszDlugosc(r, el.Pole, w.Dlugosci, h, tabela.Wiersze[el.Wiersz].Dlugosc, miara);
    Legenda(r, szerokosc, w.Legenda, h, miara);
    return r;
}

int ElementPodPunktem(const tRysunekPodluzny& r, int x, int y)
{
    if (y < r.PasElementow.Y || y >= r.PasElementow.Y + r.PasElementow.Wys) return -1;
    for (const auto& el : r.Elementy)
        if (x >= el.Pole.X && x <= el.Pole.X + el.Pole.Szer) return el.Wiersz;
    return -1;
}
