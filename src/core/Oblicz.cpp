// Obliczenie całego obiektu: rozpiętości zastępcze, modele obciążenia obu stron,
// współczynniki przeciążenia, pojazd graniczny każdego elementu i element najgorszy.
#include <algorithm>
#include <charconv>
#include <cmath>
#include <string_view>

#include "common/Asercja.h"
#include "common/Formatowanie.h"
#include "common/RozpietosciZastepcze.h"
#include "common/Slad.h"
#include "core/Nazwy.h"
#include "core/ObiektMostowy.h"
#include "common/TekstySladu.h"
#include "core/Rozdzial.h"
#include "wspprzec/Pojazdy.h"
#include "wspprzec/Przeciazenie.h"

namespace {

const char* const TekstRodzaj = "RODZAJ : ";
const char* const TekstStrona = "STRONA ";
const char* const TekstDlaMomentu = "Obliczenia dla momentu";
const char* const TekstPrefiksElementu = "Element %s: ";
const char* const TekstBrakGammy = "Nie mogę obliczyć rozpiętości zastępczych";
const char* const TekstBladWewnetrzny = "błąd wewnętrzny obliczeń (%s)";
const char* const TekstNosnosc = "NOŚNOŚĆ";

// Współczynnik praktycznie zerowy: MP i TP przestają mieć sens (1e20 zamiast nieskończoności).
constexpr double ZerowaGamma = 1e-10;

void DopiszCalkowita(std::string& w, int x)
{
    char bufor[16];
    auto wynik = std::to_chars(bufor, bufor + sizeof bufor, x);
    w.append(bufor, wynik.ptr);
}

// Wiersz złożony z tekstu i liczby całkowitej, dopisany wprost do bufora śladu.
void SladTekstLiczba(std::string_view tekst, int x, std::string_view dalej = {})
{
    std::string& w = Slad().NowyWiersz();
    w += tekst;
    DopiszCalkowita(w, x);
    w += dalej;
    Slad().ZakonczWiersz();
}

// Etykieta wiersza wariantu: numer elementu i przyrostek ("3: TN ").
void SladWariantu(std::string& etykieta, int i, std::string_view przyrostek, double wartosc)
{
    etykieta.clear();
    DopiszCalkowita(etykieta, i);
    etykieta += przyrostek;
    SladWartosc(etykieta, wartosc);
}

void Naglowek(const tObiektMostowy& o)
{
    std::string& w = Slad().NowyWiersz();
    w += "<<";
    w += NazwaPrzekroju(o.Przekroj);
    w += ">>";
    Slad().ZakonczWiersz();
    std::string& s = Slad().NowyWiersz();
    s += TekstSladuSchemat;
    s += NazwaSchematu(o.Schemat);
    Slad().ZakonczWiersz();
    if (o.LiczbaElementow > 1) SladTekstLiczba(TekstSladuLiczbaElementow, o.LiczbaElementow);
    SladDodaj("");
}

// L i W rozpiętości zastępczych według rodzaju elementu. Prawy wspornik na końcu listy
// czyta wyzerowany rekord za sobą (L = 0).
void DaneRozpietosci(const tObiektMostowy& o, int i, double& L, double& W)
{
    const tElement& el = o.Elementy[i];
    L = 0;
    W = 0;
    switch (el.Rodzaj) {
    case rWspornikSwobodny: W = el.Dlugosc; break;
    case rWspornikLewy:
        L = o.Elementy[i - 1].Dlugosc;
        W = el.Dlugosc;
        break;
    case rWspornikPrawy:
        L = o.Elementy[i + 1].Dlugosc;
        W = el.Dlugosc;
        break;
    default: L = el.Dlugosc; break;
    }
}

// Jedna strona elementu: przejście dla momentu i dla siły, potem współczynnik przeciążenia.
bool ObliczStrone(tObiektMostowy& o, tElement& el, int s, const tModeleObciazenia& modele, std::string& Err)
{
    SladDodaj("");
    SladTekstLiczba(TekstStrona, s);
    tDaneModelu d = DaneStrony(o, s);
    d.Dl = el.Dlugosc;

    for (bool moment : {true, false}) {
        SladDodaj(moment ? TekstDlaMomentu : TekstSladuDlaSily);
        d.Leq = moment ? el.LM : el.LT;
        double M1N = 0, TN = 0;
        if (!WywolajModel(modele, o.Normatyw, o.Przekroj, d, M1N, TN, Err)) {
            Err = Format(TekstPrefiksElementu, {el.Nazwa}) + Err;
            return false;
        }
        SladWartosc("M1N", M1N);
        SladWartosc("TN ", TN);
        if (moment) el.M1NStrona[s] = M1N;
        else el.TNStrona[s] = TN;
    }

    SladWartosc("N", o.n);
    double G1 = 0, G2 = 0;
    if (!WspolczynnikiPrzeciazenia(o.Przekroj, o.n, G1, d.a, o.b, o.B, d.c, d.e, d.g, d.k, o.P, d.Leq, G2, Err)) {
        Err = std::string(TekstBrakGammy) + '\r' + Err;
        return false;
    }
    const double gamma = std::max(G1, G2);
    const bool zerowa = std::fabs(gamma) < ZerowaGamma;
    el.Gamma[s] = gamma;
    el.MPStrona[s] = zerowa ? NieDotyczy : el.M1NStrona[s] / gamma;
    if (zerowa || el.TNStrona[s] >= NieDotyczy) el.TPStrona[s] = NieDotyczy;
    else el.TPStrona[s] = el.TNStrona[s] / gamma;
    SladWartosc("GAMMA", el.Gamma[s]);
    SladWartosc("MP", el.MPStrona[s]);
    SladWartosc("TP", el.TPStrona[s]);
    return true;
}

bool ObliczElement(tObiektMostowy& o, int i, const tModeleObciazenia& modele, std::string& Err)
{
    tElement& el = o.Elementy[i];
    {
        std::string& w = Slad().NowyWiersz();
        w += TekstSladuElement;
        DopiszCalkowita(w, i);
        w += ": ";
        w += el.Nazwa;
        Slad().ZakonczWiersz();
    }
    {
        std::string& w = Slad().NowyWiersz();
        w += TekstRodzaj;
        w += NazwaRodzaju(el.Rodzaj);
        Slad().ZakonczWiersz();
    }
    SladWartosc("Długość", el.Dlugosc);

    double L, W;
    DaneRozpietosci(o, i, L, W);
    el.LM = el.LT = 0;
    RozpietosciZastepcze(o.Normatyw, o.Klasa, el.Rodzaj, L, W, el.LM, el.LT);

    for (int s = 1; s <= 2; ++s)
        if (!ObliczStrone(o, el, s, modele, Err)) return false;

    el.M1N = std::min(el.M1NStrona[1], el.M1NStrona[2]);
    el.TN = std::min(el.TNStrona[1], el.TNStrona[2]);
    el.MP = std::min(el.MPStrona[1], el.MPStrona[2]);
    el.TP = std::min(el.TPStrona[1], el.TPStrona[2]);
    el.MasaGraniczna = PrzeliczPojazdy(el.MPojazdy, el.TPojazdy, el.LM, el.LT, el.MP, el.TP);
    return true;
}

// Element o najmniejszej masie pojazdu rządzi obiektem; przy remisie zostaje wcześniejszy.
void WyznaczNajgorszy(tObiektMostowy& o)
{
    o.M1N = o.TN = o.MP = o.TP = o.MasaGraniczna = NieDotyczy;
    o.Najgorszy = -1;
    SladDodaj("");
    SladDodaj(TekstSladuWariantu);
    SladDodaj("");
    std::string etykieta;
    for (int i = 1; i <= o.LiczbaElementow; ++i) {
        const tElement& el = o.Elementy[i];
        if (el.MasaGraniczna < o.MasaGraniczna) {
            o.M1N = el.M1N;
            o.TN = el.TN;
            o.MP = el.MP;
            o.TP = el.TP;
            o.MasaGraniczna = el.MasaGraniczna;
            o.Najgorszy = i;
        }
        SladWariantu(etykieta, i, ": M1N", el.M1N);
        SladWariantu(etykieta, i, ": TN ", el.TN);
        SladWariantu(etykieta, i, ": MP ", el.MP);
        SladWariantu(etykieta, i, ": TP ", el.TP);
        SladWariantu(etykieta, i, ": PTV", el.MasaGraniczna);
    }
    SladDodaj("");
    SladCalkowita(TekstSladuNajgorszy, o.Najgorszy);
    SladWartosc(TekstNosnosc, o.MasaGraniczna);
}

}  // namespace

bool ObliczObiekt(tObiektMostowy& o, const tModeleObciazenia& modele, std::string& Err)
{
    SladZamknijOkno();
    SladWyczysc();
    o.Najgorszy = -1;
    Naglowek(o);

    for (int i = 1; i <= o.LiczbaElementow; ++i) {
        try {
            if (!ObliczElement(o, i, modele, Err)) return false;
        } catch (const BladAsercji& blad) {
            // Naruszony warunek wewnętrzny (np. równe efekty sąsiednich pojazdów) nie może
            // zamknąć programu: obliczenie kończy się błędem z nazwą elementu.
            Err = Format(TekstPrefiksElementu, {o.Elementy[i].Nazwa}) + Format(TekstBladWewnetrzny, {blad.what()});
            return false;
        }
    }

    WyznaczNajgorszy(o);
    return true;
}

bool tObiektMostowy::Oblicz(std::string& Err)
{
    static const tModeleObciazenia Modele;
    return ObliczObiekt(*this, Modele, Err);
}
