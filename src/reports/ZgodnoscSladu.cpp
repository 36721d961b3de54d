#include "reports/ZgodnoscSladu.h"

#include <charconv>
#include <cmath>
#include <optional>
#include <string_view>
#include <system_error>
#include <vector>

#include "common/Formatowanie.h"
#include "common/Slad.h"
#include "common/TekstySladu.h"

namespace {

const char* const PrzyrostkiWariantu[] = {": M1N", ": TN ", ": MP ", ": TP ", ": PTV"};

const char* const WzorUkladu = "wiersz %d śladu obliczeń („%s”) nie stoi tam, gdzie pisze go obliczenie";
const char* const WzorNiezgodnosci = "wiersz %d śladu obliczeń („%s”) nie zgadza się z %s";
const char* const WzorPunktu = "punktem %s raportu („%s”)";
const char* const WzorWiersza = "wierszem %d śladu („%s”)";
const char* const WzorMniejszej = "mniejszą z wartości w wierszach %d i %d";
const char* const WzorMas = "masami pojazdu elementów (najmniejsza w wierszu %d)";
const char* const KomBrakPozycji = "w tabeli danych wyjściowych brak pozycji 2.3, 2.4 albo 2.5";
constexpr std::size_t NajdluzszyCytat = 120;

// Liczba wiersza wartości: siedem miejsc z dowolnym separatorem albo "NIE DOTYCZY" (1e20).
std::optional<double> Liczba(std::string_view t)
{
    if (t == TekstSladuNieDotyczy) return NieDotyczy;
    std::string s(t);
    for (char& z : s)
        if (z == ',') z = '.';
    double v = 0;
    const auto [koniec, blad] = std::from_chars(s.data(), s.data() + s.size(), v);
    if (s.empty() || blad != std::errc() || koniec != s.data() + s.size() || !std::isfinite(v)) return std::nullopt;
    return v;
}

// Ta sama wartość zapisana dwa razy z różną liczbą miejsc: przedziały zaokrągleń się stykają.
bool TaSamaWartosc(double a, int miejscaA, double b, int miejscaB)
{
    const double tolerancja = 0.5 * (std::pow(10.0, -miejscaA) + std::pow(10.0, -miejscaB));
    return std::fabs(a - b) <= tolerancja * (1 + 1e-9) + 1e-12 * std::fabs(b);
}

// Komórka k (od 0) tekstu komórek wiersza tabeli ("a;b;c;d;").
std::string_view Komorka(std::string_view komorki, int k)
{
    for (int i = 0; i < k && komorki.find(';') != std::string_view::npos; ++i) komorki.remove_prefix(komorki.find(';') + 1);
    return komorki.substr(0, komorki.find(';'));
}

class tSprawdzenie {
public:
    tSprawdzenie(const tTrescRaportu& t) : t_(t), l_(t.Slad) {}

    std::string Wykonaj()
    {
        std::optional<std::string_view> przekroj, schemat, dlugosci;
        for (const auto& w : t_.Dane) {
            if (w.Komorki.starts_with("2.3.;")) schemat = Komorka(w.Komorki, 3);
            if (w.Komorki.starts_with("2.4.;")) przekroj = Komorka(w.Komorki, 3);
            if (w.Komorki.starts_with("2.5.;")) dlugosci = Komorka(w.Komorki, 3);
        }
        if (!przekroj || !schemat || !dlugosci) return KomBrakPozycji;
        std::vector<std::string_view> rozpietosci;
        for (std::string_view d = *dlugosci; !d.empty();) {
            const size_t p = d.find_first_not_of(' ');
            if (p == std::string_view::npos) break;
            d.remove_prefix(p);
            rozpietosci.push_back(d.substr(0, d.find(' ')));
            d.remove_prefix(rozpietosci.back().size());
        }
        const int n = static_cast<int>(rozpietosci.size());

        if (Tekst(0) != "<<" + std::string(*przekroj) + ">>") return ZPunktem(0, "2.4", *przekroj);
        if (Tekst(1) != std::string(TekstSladuSchemat) + std::string(*schemat)) return ZPunktem(1, "2.3", *schemat);
        i_ = 2;
        if (n > 1 && Tekst(i_++) != std::string(TekstSladuLiczbaElementow) + std::to_string(n)) return ZPunktem(2, "2.5", *dlugosci);
        if (!Pusty(i_++)) return Uklad(i_ - 1);
        elementy_.resize(static_cast<size_t>(n));
        for (int e = 1; e <= n; ++e)
            if (std::string b = Element(e, rozpietosci[static_cast<size_t>(e) - 1]); !b.empty()) return b;
        return Wariant();
    }

private:
    struct tWiersz {
        size_t Nr = 0;  // indeks wiersza w śladzie
        double Liczba = 0;
    };
    struct tElementSladu {
        tWiersz Strony[2][4];  // M1N momentu, TN siły, MP, TP
        tWiersz Masa;
    };

    std::string_view Tekst(size_t k) const { return k < l_.size() ? std::string_view(l_[k]) : std::string_view(); }
    bool Pusty(size_t k) const { return k < l_.size() && l_[k].empty(); }

    std::string Cytat(size_t k) const
    {
        std::string_view t = Tekst(k);
        const size_t p = t.find_first_not_of(' ');
        t.remove_prefix(p == std::string_view::npos ? t.size() : p);
        return std::string(t.substr(0, NajdluzszyCytat)) + (t.size() > NajdluzszyCytat ? "…" : "");
    }
    std::string Uklad(size_t k) const
    {
        return Format(WzorUkladu, {static_cast<int>(std::min(k, l_.size())) + 1, k < l_.size() ? Cytat(k) : ""});
    }
    std::string Niezgodny(size_t k, const std::string& zCzym) const
    {
        return Format(WzorNiezgodnosci, {static_cast<int>(k) + 1, Cytat(k), zCzym});
    }
    std::string ZWierszem(size_t k, size_t inny) const
    {
        return Niezgodny(k, Format(WzorWiersza, {static_cast<int>(inny) + 1, Cytat(inny)}));
    }
    std::string ZPunktem(size_t k, const char* punkt, std::string_view tekst) const
    {
        return Niezgodny(k, Format(WzorPunktu, {punkt, tekst.substr(0, NajdluzszyCytat)}));
    }

    // Wiersz wartości "  [etykieta] = liczba" w wierszu k.
    bool Wartosc(size_t k, std::string_view etykieta, tWiersz& w) const
    {
        const std::string poczatek = "  [" + std::string(etykieta) + "] = ";
        const std::string_view t = Tekst(k);
        if (!t.starts_with(poczatek)) return false;
        const auto v = Liczba(t.substr(poczatek.size()));
        if (!v) return false;
        w = {k, *v};
        return true;
    }

    size_t Znajdz(std::string_view tekst, size_t od, size_t koniec) const
    {
        for (size_t k = od; k < koniec; ++k)
            if (l_[k] == tekst) return k;
        return koniec;
    }

    // Strona elementu od wiersza "Obliczenia dla siły" w s: M1N przejścia dla momentu stoi dwa
    // wiersze wyżej, TN przejścia dla siły nad wierszem N przed współczynnikami przeciążenia,
    // MP i TP pod wierszem GAMMA. Indeks pierwszego wiersza nie na swoim miejscu; brak przy zgodności.
    std::optional<size_t> Strona(size_t s, size_t koniec, tWiersz (&w)[4]) const
    {
        tWiersz pomin;
        if (s < 2 || !Wartosc(s - 2, "M1N", w[0])) return s;
        const size_t p = Znajdz(TekstSladuPrzeciazenia, s + 1, koniec);
        if (p >= koniec || p < s + 5 || !Pusty(p - 1) || !Wartosc(p - 2, "N", pomin) || !Wartosc(p - 3, "TN ", w[1]))
            return p;
        size_t g = p + 1;
        while (g < koniec && !Tekst(g).starts_with("  [GAMMA] = ")) ++g;
        if (!Wartosc(g, "GAMMA", pomin) || !Wartosc(g + 1, "MP", w[2]) || !Wartosc(g + 2, "TP", w[3])) return g;
        return std::nullopt;
    }

    // Tekst liczby wiersza wartości.
    std::string_view Liczbowy(const tWiersz& w) const
    {
        const std::string_view t = l_[w.Nr];
        return t.substr(t.find("] = ") + 4);
    }

    // Wiersz w, który powinien mieć mniejszą z wartości a i b.
    std::string Mniejsza(const tWiersz& w, const tWiersz& a, const tWiersz& b) const
    {
        if (Liczbowy(w) == Liczbowy(b.Liczba < a.Liczba ? b : a)) return {};
        return Niezgodny(w.Nr, Format(WzorMniejszej, {static_cast<int>(a.Nr) + 1, static_cast<int>(b.Nr) + 1}));
    }

    std::string Element(int e, std::string_view rozpietosc)
    {
        const std::string naglowek = std::string(TekstSladuElement) + std::to_string(e) + ": ";
        if (!Tekst(i_).starts_with(naglowek)) return Uklad(i_);
        size_t koniec = i_ + 1;
        while (koniec < l_.size() && !l_[koniec].starts_with(TekstSladuElement) && l_[koniec] != TekstSladuWariantu) ++koniec;
        tWiersz dlugosc;
        if (!Wartosc(i_ + 2, "Długość", dlugosc)) return Uklad(i_ + 2);
        const auto r = Liczba(rozpietosc);
        if (!r || !TaSamaWartosc(dlugosc.Liczba, 7, *r, 2)) return ZPunktem(i_ + 2, "2.5", rozpietosc);
        tElementSladu& el = elementy_[static_cast<size_t>(e) - 1];
        int strony = 0;
        for (size_t s = i_; s < koniec; ++s) {
            if (l_[s] != TekstSladuDlaSily) continue;
            if (strony == 2) return Uklad(s);
            if (const auto blad = Strona(s, koniec, el.Strony[strony++])) return Uklad(*blad);
        }
        if (strony != 2) return Uklad(koniec);
        const size_t a = Znajdz(TekstSladuAproksymacji, i_, koniec);
        tWiersz moment, sila;
        if (!Wartosc(a + 2, "Dla momentu ", moment) || !Wartosc(a + 3, "Dla siły    ", sila) ||
            !Wartosc(a + 4, "MASA POJAZDU", el.Masa))
            return Uklad(std::min(a + 2, koniec));
        if (std::string b = Mniejsza(el.Masa, moment, sila); !b.empty()) return b;
        i_ = koniec;
        return {};
    }

    std::string Wariant()
    {
        if (Tekst(i_) != TekstSladuWariantu || !Pusty(i_ + 1)) return Uklad(i_);
        i_ += 2;
        const tWiersz* najmniejsza = nullptr;
        std::vector<tWiersz> ptv;
        for (size_t e = 1; e <= elementy_.size(); ++e) {
            const tElementSladu& el = elementy_[e - 1];
            for (int k = 0; k < 5; ++k, ++i_) {
                tWiersz w;
                if (!Wartosc(i_, std::to_string(e) + PrzyrostkiWariantu[k], w)) return Uklad(i_);
                if (k == 4 && Liczbowy(w) != Liczbowy(el.Masa)) return ZWierszem(i_, el.Masa.Nr);
                if (k == 4) ptv.push_back(w);
                else if (std::string b = Mniejsza(w, el.Strony[0][k], el.Strony[1][k]); !b.empty()) return b;
            }
        }
        for (const auto& w : ptv)
            if (!najmniejsza || w.Liczba < najmniejsza->Liczba) najmniejsza = &w;
        tWiersz nosnosc;
        const std::string najgorszy = std::string("  [") + TekstSladuNajgorszy + "] = ";
        if (!Pusty(i_) || !Tekst(i_ + 1).starts_with(najgorszy)) return Uklad(i_);
        const std::string_view numer = Tekst(i_ + 1).substr(najgorszy.size());
        if (!Wartosc(i_ + 2, "NOŚNOŚĆ", nosnosc) || i_ + 3 != l_.size()) return Uklad(i_ + 2);
        int k = 0;
        const auto [koniec, blad] = std::from_chars(numer.data(), numer.data() + numer.size(), k);
        if (blad != std::errc() || koniec != numer.data() + numer.size()) return Uklad(i_ + 1);
        const bool bezElementow = ptv.empty() && k == -1 && Liczbowy(nosnosc) == TekstSladuNieDotyczy;
        if (!bezElementow) {
            if (k < 1 || k > static_cast<int>(ptv.size()) || najmniejsza->Liczba < ptv[static_cast<size_t>(k) - 1].Liczba)
                return Niezgodny(i_ + 1, Format(WzorMas, {static_cast<int>(najmniejsza ? najmniejsza->Nr : i_) + 1}));
            const tWiersz& rozstrzygajacy = ptv[static_cast<size_t>(k) - 1];
            if (Liczbowy(nosnosc) != Liczbowy(rozstrzygajacy)) return ZWierszem(i_ + 2, rozstrzygajacy.Nr);
        }
        const auto wPunkcie5 = Liczba(t_.Nosnosc);
        if (!wPunkcie5 || !TaSamaWartosc(nosnosc.Liczba, 7, *wPunkcie5, 2)) return ZPunktem(i_ + 2, "5", t_.Nosnosc);
        return {};
    }

    const tTrescRaportu& t_;
    const std::vector<std::string>& l_;
    size_t i_ = 0;
    std::vector<tElementSladu> elementy_;
};

}  // namespace

std::string NiezgodnoscSladu(const tTrescRaportu& Tresc) { return tSprawdzenie(Tresc).Wykonaj(); }
