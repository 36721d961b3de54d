#include "common/Slad.h"

#include <charconv>

#include "common/Formatowanie.h"
#include "common/Regionalne.h"
#include "common/TekstySladu.h"

namespace {
std::function<void()>& ZamykanieOkna()
{
    static std::function<void()> f;
    return f;
}

void DopiszEtykiete(std::string& w, std::string_view etykieta)
{
    w += "  [";
    w += etykieta;
    w += "] = ";
}
}  // namespace

void tSlad::Wyczysc()
{
    bufor_.clear();
    konce_.clear();
    odroczone_.clear();
    otwarty_ = false;
}

void tSlad::DopiszLiczbe(double wartosc, int miejsca)
{
    if (!otwarty_) NowyWiersz();
    odroczone_.push_back({static_cast<std::uint32_t>(bufor_.size()), static_cast<std::uint32_t>(konce_.size()),
                          wartosc, static_cast<std::uint8_t>(miejsca), Regionalne().SeparatorDziesietny});
}

void tSlad::Rozwin() const
{
    if (odroczone_.empty()) return;
    std::string nowy;
    nowy.reserve(bufor_.size() + odroczone_.size() * 14);
    std::uint32_t skopiowane = 0;
    size_t wiersz = 0;
    std::uint32_t przesuniecie = 0;
    for (const tOdroczona& o : odroczone_) {
        // Końce wierszy zamkniętych przed tą liczbą przesuwają się o to, co już wstawiono.
        for (; wiersz < konce_.size() && wiersz < o.wiersz; ++wiersz) konce_[wiersz] += przesuniecie;
        nowy.append(bufor_, skopiowane, o.pozycja - skopiowane);
        skopiowane = o.pozycja;
        const size_t przed = nowy.size();
        DopiszLiczbeStala(nowy, o.wartosc, o.miejsca, o.separator);
        przesuniecie += static_cast<std::uint32_t>(nowy.size() - przed);
    }
    for (; wiersz < konce_.size(); ++wiersz) konce_[wiersz] += przesuniecie;
    nowy.append(bufor_, skopiowane, std::string::npos);
    bufor_.swap(nowy);
    odroczone_.clear();
}

void tSlad::ZakonczWiersz()
{
    if (otwarty_) {
        konce_.push_back(static_cast<std::uint32_t>(bufor_.size()));
        otwarty_ = false;
    }
}

std::string& tSlad::NowyWiersz()
{
    ZakonczWiersz();
    otwarty_ = true;
    return bufor_;
}

void tSlad::Dodaj(std::string_view linia)
{
    NowyWiersz() += linia;
    ZakonczWiersz();
}

std::string_view tSlad::Linia(size_t i) const
{
    Rozwin();
    std::uint32_t poczatek = i == 0 ? 0 : konce_[i - 1];
    return std::string_view(bufor_).substr(poczatek, konce_[i] - poczatek);
}

std::vector<std::string> tSlad::Linie() const
{
    Rozwin();
    std::vector<std::string> wynik;
    wynik.reserve(konce_.size());
    for (size_t i = 0; i < konce_.size(); ++i) wynik.emplace_back(Linia(i));
    return wynik;
}

tSlad& Slad()
{
    static tSlad slad;
    return slad;
}

void SladWyczysc() { Slad().Wyczysc(); }

void SladDodaj(std::string_view linia) { Slad().Dodaj(linia); }

static void WierszWartosci(std::string_view etykieta, double wartosc, int miejsca)
{
    std::string& w = Slad().NowyWiersz();
    DopiszEtykiete(w, etykieta);
    if (wartosc == NieDotyczy) w += TekstSladuNieDotyczy;
    else Slad().DopiszLiczbe(wartosc, miejsca);
    Slad().ZakonczWiersz();
}

void SladWartosc(std::string_view etykieta, double wartosc) { WierszWartosci(etykieta, wartosc, 7); }

void SladUstaw(std::string_view etykieta, double& cel, double wartosc)
{
    cel = wartosc;
    WierszWartosci(etykieta, wartosc, 5);
}

void SladCalkowita(std::string_view etykieta, int wartosc)
{
    std::string w = "  [";
    w += etykieta;
    w += "] = ";
    w += std::to_string(wartosc);
    SladDodaj(w);
}

void SladKopiuj(std::vector<std::string>& cel) { cel = Slad().Linie(); }

void SladUstawZamykanieOkna(std::function<void()> zamknij) { ZamykanieOkna() = std::move(zamknij); }

void SladZamknijOkno()
{
    if (ZamykanieOkna()) ZamykanieOkna()();
}
