#include "przebieg/EdycjaPojazdu.h"

#include <algorithm>

#include "common/Formatowanie.h"
#include "common/Pomocnicze.h"
#include "persistence/PlikPojazdu.h"
#include "system/System.h"

namespace {
const char* const ZapisacZmiany = "Zapisać zmiany w pojeździe %s?";
const char* const ZapisacZmianyBezNazwy = "Zapisać zmiany w pojeździe?";
const char* const TytulOkna = "Pojazd nienormatywny";
const char* const NazwaDomyslna = "Pojazd";
const char* const RozszerzeniePliku = ".PJZ";
const char* const ZnakiNiedozwolone = "/\\:*?\"<>|";
const char* const PlikZmienionyNaDysku = "Plik %s zmienił się na dysku od wczytania albo zapisu tego pojazdu.\rZastąpić go?";
}  // namespace

std::string tEdycjaPojazdu::TekstNacisku(int os) const { return LiczbaOgolna(pojazd_.Naciski[os]); }

std::string tEdycjaPojazdu::TekstRozstawu(int os) const
{
    return os < static_cast<int>(pojazd_.Rozstawy.size()) ? LiczbaOgolna(pojazd_.Rozstawy[os]) : std::string();
}

bool tEdycjaPojazdu::Ustaw(std::vector<double>& wartosci, int os, const std::string& klucz, const std::string& tekst,
                           std::string& komunikat)
{
    double v = 0;
    if (!WartoscPojazdu(klucz, tekst, v, komunikat)) return false;
    // Pojazd trzyma liczbę tak, jak ją pokazuje tabela i zapisze plik (15 cyfr znaczących): ocena
    // w oknie i ocena z zapisanego pliku są te same także dla wpisu z większą liczbą cyfr.
    NaLiczbe(LiczbaOgolna(v), wartosci[os]);
    return true;
}

bool tEdycjaPojazdu::UstawNacisk(int os, const std::string& tekst, std::string& komunikat)
{
    return Ustaw(pojazd_.Naciski, os, KluczNacisku(os + 1), tekst, komunikat);
}

bool tEdycjaPojazdu::UstawRozstaw(int os, const std::string& tekst, std::string& komunikat)
{
    return Ustaw(pojazd_.Rozstawy, os, KluczRozstawu(os + 1), tekst, komunikat);
}

int tEdycjaPojazdu::DodajOs(int os)
{
    auto& P = pojazd_.Naciski;
    auto& S = pojazd_.Rozstawy;
    const int n = LiczbaOsi();
    if (n >= MaksOsiPojazdu) return -1;
    if (n == 0) {
        P.push_back(NaciskNowejOsi);
        return 0;
    }
    if (os < 0 || os >= n) os = n - 1;
    P.insert(P.begin() + os + 1, P[os]);
    if (os < n - 1)
        S.insert(S.begin() + os, S[os]);
    else
        S.push_back(S.empty() ? RozstawNowejOsi : S.back());
    return os + 1;
}

void tEdycjaPojazdu::UsunOs(int os)
{
    auto& P = pojazd_.Naciski;
    auto& S = pojazd_.Rozstawy;
    const int n = LiczbaOsi();
    if (os < 0 || os >= n) return;
    P.erase(P.begin() + os);
    if (!S.empty()) S.erase(S.begin() + std::min(os, n - 2));
}

int tEdycjaPojazdu::PrzesunOs(int os, int kierunek)
{
    const int n = LiczbaOsi(), cel = os + kierunek;
    if (os < 0 || os >= n || cel < 0 || cel >= n) return os;
    const int a = std::min(os, cel);
    std::swap(pojazd_.Naciski[a], pojazd_.Naciski[a + 1]);
    if (a + 1 < n - 1) std::swap(pojazd_.Rozstawy[a], pojazd_.Rozstawy[a + 1]);
    return cel;
}

std::string tEdycjaPojazdu::Opis() const { return pojazd_.Naciski.empty() ? std::string() : OpisPojazdu(pojazd_); }

std::string tEdycjaPojazdu::Tytul() const
{
    std::string t = TytulOkna;
    if (!plik_.empty()) t += " – " + plik_.substr(plik_.find_last_of(os::SeparatoryKatalogow()) + 1);
    return Zmieniony() ? t + " *" : t;
}

std::string tEdycjaPojazdu::PlikDoZapisu(const std::string& katalog) const
{
    if (!plik_.empty()) return plik_;
    std::string nazwa = pojazd_.Nazwa;
    for (char& z : nazwa)
        if (static_cast<unsigned char>(z) < ' ' || std::string_view(ZnakiNiedozwolone).find(z) != std::string_view::npos) z = '_';
    if (nazwa.find_first_not_of(" ._") == std::string::npos) nazwa = NazwaDomyslna;
    return katalog + "/" + nazwa + RozszerzeniePliku;
}

std::optional<tWybranyPojazd> tEdycjaPojazdu::Wybrany() const
{
    if (!ocena_ || pojazd_.Naciski.empty()) return std::nullopt;
    return tWybranyPojazd{pojazd_, q_};
}

bool tEdycjaPojazdu::Zmieniony() const { return !(pojazd_ == zapisany_); }

bool tEdycjaPojazdu::PorzucZmiany(const tPytanie& pytaj, const std::function<bool()>& zapisz) const
{
    if (!Zmieniony()) return true;
    const std::string nazwa = pojazd_.Nazwa.empty() ? zapisany_.Nazwa : pojazd_.Nazwa;
    switch (pytaj(nazwa.empty() ? ZapisacZmianyBezNazwy : Format(ZapisacZmiany, {nazwa}), true)) {
    case tOdpowiedz::Tak: return zapisz();
    case tOdpowiedz::Nie: return true;
    default: return false;
    }
}

bool tEdycjaPojazdu::Wczytaj(const std::string& sciezka, std::string& komunikat)
{
    tPojazd p;
    std::string zawartosc;
    if (!WczytajPojazd(sciezka, p, komunikat, &zawartosc)) return false;
    pojazd_ = zapisany_ = std::move(p);
    plik_ = sciezka;
    zawartosc_ = std::move(zawartosc);
    ocena_ = true;
    return true;
}

// Plik, którego nie da się przeczytać, też mógł się zmienić: lepiej zapytać.
bool tEdycjaPojazdu::ZmienionyNaDysku() const
{
    tPlikIni ini;
    std::string komunikat;
    switch (ini.Wczytaj(plik_, komunikat)) {
    case tStanOdczytu::Brak: return false;
    case tStanOdczytu::Przeczytany: return ini.Zawartosc() != zawartosc_;
    default: return true;
    }
}

bool tEdycjaPojazdu::Zapisz(const std::string& sciezka, const tPytanie& pytaj, std::string& komunikat)
{
    komunikat.clear();
    double osi = 0;
    if (!WartoscPojazdu(KluczOsi, std::to_string(LiczbaOsi()), osi, komunikat)) return false;
    if (!plik_.empty() && os::TenSamPlik(sciezka, plik_) && ZmienionyNaDysku() &&
        pytaj(Format(PlikZmienionyNaDysku, {sciezka}), false) != tOdpowiedz::Tak)
        return false;
    if (!ZapiszPojazd(sciezka, pojazd_, komunikat)) return false;
    tPlikIni ini;
    std::string blad;
    ini.Wczytaj(sciezka, blad);
    zapisany_ = pojazd_;
    plik_ = sciezka;
    zawartosc_ = ini.Zawartosc();
    return true;
}
