#include "przebieg/Przebieg.h"

#include <algorithm>
#include <array>
#include <cmath>

#include "common/Formatowanie.h"
#include "common/Slad.h"
#include "core/Nazwy.h"
#include "przebieg/SprawdzPola.h"

namespace {

const char* const ObliczeniaPoprawne = "OBLICZENIA POPRAWNE";
const char* const TytulProgramu = "Pontiva obiektów mostowych ";
const char* const WzorIdentyfikacji = "[JNI: %s NrP: %s](dr:%s km: %s)";
const char* const WzorWyniku = " %0.4f";
const char* const WzorKategorii = " %0.0f [T]";
const char* const ZnakZmian = "*";
const char* const ZnakPrzykladu = " – przykład";

int CalkowitaCzesc(double v) { return static_cast<int>(std::trunc(v)); }

}  // namespace

int WierszeWUzyciu(const Widok& widok)
{
    return LiczbaWierszy(widok.Wybor(tLista::CBSchemat), CalkowitaCzesc(widok.Wartosc(IlePrzesel)));
}

void PobierzDane(Widok& w, tObiektMostowy& obiekt)
{
    const int przekroj = w.Wybor(tLista::CBPrzeslo);
    const int schemat = w.Wybor(tLista::CBSchemat);
    const int N = CalkowitaCzesc(w.Wartosc(IlePrzesel));
    std::array<double, MaksWierszy> dlugosci{};
    const int k = LiczbaWierszy(schemat, N);
    for (int i = 1; i <= k; ++i) dlugosci[i - 1] = w.Wartosc(PoleDlugosci(i));

    obiekt.UstawDane(w.Wybor(tLista::CBNormatyw), w.Wybor(tLista::CBKlasa), przekroj, w.Wartosc(RxSE_A1),
                     w.Wartosc(RxSE_A2), w.Wartosc(RxSE_B), w.Wartosc(RxSE_BB), w.Wartosc(RxSE_C1),
                     w.Wartosc(RxSE_C2), w.Wartosc(RxSE_E1), w.Wartosc(RxSE_E2), w.Wartosc(RxSE_K1),
                     w.Wartosc(RxSE_K2), w.Wartosc(RxSE_P), w.Wartosc(RxSE_G1), w.Wartosc(RxSE_G2),
                     CalkowitaCzesc(w.Wartosc(RxSE_N)), schemat);
    DodajElementy(obiekt, schemat, N, dlugosci);
}

std::vector<std::string> LinieKomunikatow(const tWynikPrzeliczenia& wynik)
{
    if (wynik.Poprawne()) return {"", ObliczeniaPoprawne};
    if (wynik.Etap != tEtap::Sumy) return {NaglowekBledu(wynik.Etap), wynik.Komunikat};
    // Komunikat sum dzielony na wiersze przy każdym CR.
    std::vector<std::string> linie = {NaglowekBledu(tEtap::Sumy), ""};
    std::string reszta = wynik.Komunikat + '\r';
    for (size_t cr; (cr = reszta.find('\r')) != std::string::npos; reszta.erase(0, cr + 1))
        linie.push_back(reszta.substr(0, cr));
    return linie;
}

tTekstyWynikow TekstyWynikow(const tObiektMostowy& o)
{
    auto wynik = [](double v) { return Format(WzorWyniku, {v}); };
    auto opcjonalny = [&](double v) { return v == NieDotyczy ? std::string() : wynik(v); };
    return {wynik(o.PodajM1N()), opcjonalny(o.PodajTN()), wynik(o.PodajMP()), opcjonalny(o.PodajTP()),
            Format(WzorKategorii, {o.PodajMase()})};
}

std::string TytulOkna(const tInfoObiektu& info)
{
    std::string tytul = TytulProgramu;
    if (!info.JNI.empty()) tytul += Format(WzorIdentyfikacji, {info.JNI, info.NrP, info.Droga, info.Km});
    return tytul;
}

bool RegulaListyKlas(Widok& widok)
{
    const int p = widok.Wybor(tLista::CBNormatyw);
    const int ile = widok.LiczbaPozycjiListy(tLista::CBKlasa);
    if ((p == nPN85 && ile == 5) || (p != nPN85 && ile == 3)) return false;
    widok.UstawPozycjeListy(tLista::CBKlasa, KlasyNormatywu(p));
    widok.UstawWybor(tLista::CBKlasa, 0);
    return true;
}

void UstawWidocznosc(Widok& widok)
{
    const int przekroj = widok.Wybor(tLista::CBPrzeslo);
    for (int p = 0; p < LiczbaPolSzerokosci; ++p)
        widok.PokazPole(static_cast<tPole>(p), PoleWidoczne(static_cast<tPole>(p), przekroj));
    for (int r = 0; r < LiczbaWierszyPol; ++r) {
        const tOpisWiersza& o = OpisWiersza(static_cast<tWierszPol>(r));
        if (o.Lewe < LiczbaPolSzerokosci)
            widok.PokazPodpisWiersza(static_cast<tWierszPol>(r), PoleWidoczne(o.Lewe, przekroj));
    }
}

void BudujPrzesla(Widok& widok)
{
    const int schemat = widok.Wybor(tLista::CBSchemat);
    const bool pokaz = PokazLiczbePrzesel(schemat);
    widok.PokazPole(IlePrzesel, pokaz);
    widok.PokazPodpisWiersza(wLiczbaPrzesel, pokaz);
    widok.UstawWierszePrzesel(WierszePrzesel(schemat, CalkowitaCzesc(widok.Wartosc(IlePrzesel))));
}

// ---------------------------------------------------------------- okno główne

tGlownyPrzebieg::tGlownyPrzebieg(Widok& widok) : widok_(widok)
{
    std::vector<std::string> pozycje;
    for (int i = 0; i < LiczbaPrzekrojow; ++i) pozycje.push_back(NazwaPrzekroju(i));
    widok_.UstawPozycjeListy(tLista::CBPrzeslo, pozycje);
    widok_.UstawWybor(tLista::CBPrzeslo, 0);
    pozycje.clear();
    for (int i = 0; i < LiczbaSchematow; ++i) pozycje.push_back(NazwaSchematu(i));
    widok_.UstawPozycjeListy(tLista::CBSchemat, pozycje);
    widok_.UstawWybor(tLista::CBSchemat, 0);
    pozycje.clear();
    for (int i = 0; i < LiczbaNormatywow; ++i) pozycje.push_back(NazwaNormatywuNaLiscie(i));
    widok_.UstawPozycjeListy(tLista::CBNormatyw, pozycje);
    widok_.UstawWybor(tLista::CBNormatyw, 0);
    widok_.UstawPozycjeListy(tLista::CBKlasa, KlasyNormatywu(0));
    widok_.UstawWybor(tLista::CBKlasa, 0);
    UstawWidocznosc(widok_);
    BudujPrzesla(widok_);
    zapisane_ = ZapisDanych();
    UstawTytul();
}

void tGlownyPrzebieg::ZmianaPrzekroju()
{
    UstawWidocznosc(widok_);
    PrzeliczDane();
}

void tGlownyPrzebieg::ZmianaSchematu()
{
    BudujPrzesla(widok_);
    PrzeliczDane();
}

void tGlownyPrzebieg::ZmianaLiczbyPrzesel() { ZmianaSchematu(); }
void tGlownyPrzebieg::ZmianaDlugosci() { ZmianaSchematu(); }

void tGlownyPrzebieg::ZmianaNormatywu()
{
    RegulaListyKlas(widok_);
    PrzeliczDane();
}

void tGlownyPrzebieg::ZmianaKlasy() { PrzeliczDane(); }
void tGlownyPrzebieg::ZmianaSzerokosci() { PrzeliczDane(); }

void tGlownyPrzebieg::PrzeliczDane()
{
    if (!przeliczanie_) return;
    // Krok historii przed przeliczeniem: okno odświeża po nim "Cofnij" i "Ponów".
    if (tStanPol stan; StanPol(widok_, stan)) historia_.Zapamietaj(stan);
    Przelicz();
    UstawTytul();
}

bool tGlownyPrzebieg::Cofnij()
{
    const tStanPol* stan = historia_.Cofnij();
    PrzywrocStan(stan);
    return stan;
}

bool tGlownyPrzebieg::Ponow()
{
    const tStanPol* stan = historia_.Ponow();
    PrzywrocStan(stan);
    return stan;
}

void tGlownyPrzebieg::PrzywrocStan(const tStanPol* stan)
{
    if (!stan) return;
    przeliczanie_ = false;
    UstawStanPol(widok_, *stan);
    UstawWidocznosc(widok_);
    BudujPrzesla(widok_);
    przeliczanie_ = true;
    Przelicz();
    UstawTytul();
}

tWynikPrzeliczenia tGlownyPrzebieg::Przelicz()
{
    widok_.UstawWyniki({});
    widok_.UkryjKomunikaty();
    PobierzDane(widok_, obiekt_);
    widok_.OdswiezSzkic();
    // Tekst, który nie jest liczbą, kończy przeliczenie jak błąd sprawdzenia: pole oznaczone.
    const tBladPol bledne = SprawdzPola(widok_);
    ostatni_ = bledne.Pola.empty() ? SprawdzIOblicz(obiekt_) : bledne.Wynik;
    for (int p = 0; p < LiczbaPol; ++p)
        widok_.OznaczBlad(static_cast<tPole>(p), std::find(bledne.Pola.begin(), bledne.Pola.end(), p) != bledne.Pola.end());
    tabela_ = TabelaElementow(obiekt_, ostatni_);
    if (ostatni_.Poprawne()) widok_.UstawWyniki(TekstyWynikow(obiekt_));
    widok_.PokazKomunikaty(LinieKomunikatow(ostatni_), !ostatni_.Poprawne());
    widok_.OdswiezElementy();
    return ostatni_;
}

bool tGlownyPrzebieg::PolaPoprawne(const std::string& tytul)
{
    const tBladPol bledne = SprawdzPola(widok_);
    if (bledne.Pola.empty()) return true;
    Przelicz();  // pola oznaczone, obszar komunikatów z błędem
    widok_.PokazKomunikat(tytul, std::string(NaglowekBledu(bledne.Wynik.Etap)) + '\r' + bledne.Wynik.Komunikat,
                          tIkona::Ostrzezenie);
    return false;
}

void tGlownyPrzebieg::UstawTytul()
{
    widok_.UstawTytul((Zmieniony() ? ZnakZmian : "") + TytulOkna(info_) + (przyklad_ ? ZnakPrzykladu : ""));
}
