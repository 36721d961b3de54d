#include "common/Json.h"

#include <charconv>
#include <cmath>
#include <cstdint>

#include "common/Slad.h"
#include "common/Utf8.h"

namespace {

constexpr int NajwiekszeZagniezdzenie = 64;

class tParser {
public:
    explicit tParser(std::string_view t) : t_(t) {}

    bool Dokument(tJson& w)
    {
        Odstepy();
        if (!Wartosc(w, 0)) return false;
        Odstepy();
        return i_ == t_.size() || Blad("nadmiarowy tekst po wartości");
    }
    const std::string& Komunikat() const { return blad_; }

private:
    bool Blad(const char* opis)
    {
        if (blad_.empty()) blad_ = "znak " + std::to_string(i_ + 1) + ": " + opis;
        return false;
    }
    void Odstepy()
    {
        while (i_ < t_.size() && (t_[i_] == ' ' || t_[i_] == '\t' || t_[i_] == '\n' || t_[i_] == '\r')) ++i_;
    }
    bool Slowo(std::string_view s)
    {
        if (t_.substr(i_, s.size()) != s) return Blad("niepoprawna wartość");
        i_ += s.size();
        return true;
    }

    bool Wartosc(tJson& w, int glebokosc)
    {
        if (i_ >= t_.size()) return Blad("brak wartości");
        switch (t_[i_]) {
        case '{': return Obiekt(w, glebokosc + 1);
        case '[': return Tablica(w, glebokosc + 1);
        case '"': w.Typ = tJson::tTyp::Napis; return Napis(w.Napis);
        case 't': w.Typ = tJson::tTyp::Logiczna; w.Logiczna = true; return Slowo("true");
        case 'f': w.Typ = tJson::tTyp::Logiczna; return Slowo("false");
        case 'n': w.Typ = tJson::tTyp::Null; return Slowo("null");
        default: w.Typ = tJson::tTyp::Liczba; return Liczba(w.Liczba);
        }
    }

    bool Obiekt(tJson& w, int glebokosc)
    {
        if (glebokosc > NajwiekszeZagniezdzenie) return Blad("za głębokie zagnieżdżenie");
        w.Typ = tJson::tTyp::Obiekt;
        ++i_;
        Odstepy();
        if (i_ < t_.size() && t_[i_] == '}') return ++i_, true;
        for (;;) {
            Odstepy();
            std::string klucz;
            const size_t poczatekKlucza = i_;
            if (i_ >= t_.size() || t_[i_] != '"') return Blad("oczekiwano klucza w cudzysłowie");
            if (!Napis(klucz)) return false;
            if (w.Pole(klucz)) {
                i_ = poczatekKlucza;
                return Blad("powtórzony klucz");
            }
            Odstepy();
            if (i_ >= t_.size() || t_[i_] != ':') return Blad("oczekiwano \":\"");
            ++i_;
            Odstepy();
            w.Pola.push_back({std::move(klucz), tJson{}});
            if (!Wartosc(w.Pola.back().Wartosc, glebokosc)) return false;
            Odstepy();
            if (i_ < t_.size() && t_[i_] == ',') {
                ++i_;
                continue;
            }
            if (i_ < t_.size() && t_[i_] == '}') return ++i_, true;
            return Blad("oczekiwano \",\" albo \"}\"");
        }
    }

    bool Tablica(tJson& w, int glebokosc)
    {
        if (glebokosc > NajwiekszeZagniezdzenie) return Blad("za głębokie zagnieżdżenie");
        w.Typ = tJson::tTyp::Tablica;
        ++i_;
        Odstepy();
        if (i_ < t_.size() && t_[i_] == ']') return ++i_, true;
        for (;;) {
            Odstepy();
            w.Elementy.emplace_back();
            if (!Wartosc(w.Elementy.back(), glebokosc)) return false;
            Odstepy();
            if (i_ < t_.size() && t_[i_] == ',') {
                ++i_;
                continue;
            }
            if (i_ < t_.size() && t_[i_] == ']') return ++i_, true;
            return Blad("oczekiwano \",\" albo \"]\"");
        }
    }

    bool Cyfry()
    {
        const size_t p = i_;
        while (i_ < t_.size() && t_[i_] >= '0' && t_[i_] <= '9') ++i_;
        return i_ > p;
    }

    bool Liczba(double& v)
    {
        const size_t p = i_;
        if (i_ < t_.size() && t_[i_] == '-') ++i_;
        if (i_ < t_.size() && t_[i_] == '0')
            ++i_;
        else if (!Cyfry())
            return Blad("niepoprawna wartość");
        if (i_ < t_.size() && t_[i_] == '.' && (++i_, !Cyfry())) return Blad("niepoprawna liczba");
        if (i_ < t_.size() && (t_[i_] == 'e' || t_[i_] == 'E')) {
            ++i_;
            if (i_ < t_.size() && (t_[i_] == '+' || t_[i_] == '-')) ++i_;
            if (!Cyfry()) return Blad("niepoprawna liczba");
        }
        auto [koniec, blad] = std::from_chars(t_.data() + p, t_.data() + i_, v);
        if (blad != std::errc() || koniec != t_.data() + i_ || !std::isfinite(v)) {
            i_ = p;
            return Blad("liczba poza zakresem");
        }
        return true;
    }

    bool Hex4(std::uint32_t& z)
    {
        if (i_ + 4 > t_.size()) return Blad("niepełna sekwencja \\u");
        z = 0;
        for (int k = 0; k < 4; ++k) {
            const char c = t_[i_++];
            const int d = c >= '0' && c <= '9' ? c - '0' : c >= 'a' && c <= 'f' ? c - 'a' + 10 : c >= 'A' && c <= 'F' ? c - 'A' + 10 : -1;
            if (d < 0) return Blad("niepoprawna sekwencja \\u");
            z = z * 16 + static_cast<std::uint32_t>(d);
        }
        return true;
    }

    bool Ucieczka(std::string& s)
    {
        if (i_ >= t_.size()) return Blad("niedokończony napis");
        const char c = t_[i_++];
        const std::string_view zwykle = "\"\\/bfnrt", znaczenie = "\"\\/\b\f\n\r\t";
        if (const auto k = zwykle.find(c); k != std::string_view::npos) {
            s += znaczenie[k];
            return true;
        }
        if (c != 'u') return Blad("niepoprawna sekwencja ucieczki");
        std::uint32_t z = 0;
        if (!Hex4(z)) return false;
        if (z >= 0xDC80 && z <= 0xDCFF) {  // bajt spoza UTF-8 (nazwa pliku)
            s += static_cast<char>(z - 0xDC00);
            return true;
        }
        if (z >= 0xDC00 && z < 0xE000) return Blad("samotny surogat");
        if (z >= 0xD800 && z < 0xDC00) {
            std::uint32_t dolny = 0;
            if (t_.substr(i_, 2) != "\\u") return Blad("samotny surogat");
            i_ += 2;
            if (!Hex4(dolny)) return false;
            if (dolny < 0xDC00 || dolny >= 0xE000) return Blad("samotny surogat");
            z = 0x10000 + ((z - 0xD800) << 10) + (dolny - 0xDC00);
        }
        DopiszZnakUtf8(s, z);
        return true;
    }

    bool Napis(std::string& s)
    {
        ++i_;  // cudzysłów
        for (;;) {
            if (i_ >= t_.size()) return Blad("niedokończony napis");
            const auto c = static_cast<unsigned char>(t_[i_]);
            if (c == '"') return ++i_, true;
            if (c == '\\') {
                ++i_;
                if (!Ucieczka(s)) return false;
                continue;
            }
            if (c < 0x20) return Blad("znak sterujący w napisie");
            const size_t p = i_;
            std::uint32_t z = 0;
            if (!CzytajZnakUtf8(t_, i_, z)) {
                i_ = p;
                return Blad("błędna sekwencja UTF-8");
            }
            s.append(t_.substr(p, i_ - p));
        }
    }

    std::string_view t_;
    size_t i_ = 0;
    std::string blad_;
};

}  // namespace

void DopiszJsonNapis(std::string& cel, std::string_view s)
{
    static const char* const hex = "0123456789abcdef";
    cel += '"';
    for (std::size_t i = 0; i < s.size();) {
        const std::size_t poczatek = i;
        std::uint32_t z = 0;
        if (!CzytajZnakUtf8(s, i, z)) {
            const auto bajt = static_cast<unsigned char>(s[poczatek]);
            i = poczatek + 1;
            cel += "\\udc";
            cel += hex[bajt >> 4];
            cel += hex[bajt & 0xF];
        } else if (z == '"' || z == '\\') {
            cel += '\\';
            cel += static_cast<char>(z);
        } else if (z == '\n') {
            cel += "\\n";
        } else if (z == '\r') {
            cel += "\\r";
        } else if (z == '\t') {
            cel += "\\t";
        } else if (ZnakSterujacy(z)) {
            cel += "\\u00";
            cel += hex[z >> 4];
            cel += hex[z & 0xF];
        } else {
            cel.append(s.substr(poczatek, i - poczatek));
        }
    }
    cel += '"';
}

void DopiszJsonLiczbe(std::string& cel, double v)
{
    if (v == NieDotyczy || !std::isfinite(v)) {
        cel += "null";
        return;
    }
    char bufor[64];
    auto [koniec, blad] = std::to_chars(bufor, bufor + sizeof bufor, v);
    if (blad != std::errc()) {
        cel += "null";
        return;
    }
    cel.append(bufor, koniec);
}

const tJson* tJson::Pole(std::string_view nazwa) const
{
    for (const auto& [klucz, wartosc] : Pola)
        if (klucz == nazwa) return &wartosc;
    return nullptr;
}

bool CzytajJson(std::string_view tekst, tJson& wynik, std::string& blad)
{
    wynik = tJson{};
    tParser p(tekst);
    if (p.Dokument(wynik)) return true;
    blad = p.Komunikat();
    return false;
}
