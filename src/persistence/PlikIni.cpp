#include "persistence/PlikIni.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <charconv>

#include "common/Cp1250.h"

namespace {

constexpr std::string_view BomUtf8 = "\xEF\xBB\xBF";

bool Bialy(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\v' || c == '\f'; }

std::string_view Przytnij(std::string_view s)
{
    while (!s.empty() && Bialy(s.front())) s.remove_prefix(1);
    while (!s.empty() && Bialy(s.back())) s.remove_suffix(1);
    return s;
}

char Mala(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

bool RowneBezWielkosci(std::string_view a, std::string_view b)
{
    if (a.size() != b.size()) return false;
    for (size_t i = 0; i < a.size(); ++i)
        if (Mala(a[i]) != Mala(b[i])) return false;
    return true;
}

// Wartość bez otaczającej pary cudzysłowów, jak ją oddaje odczyt profilu.
std::string_view BezCudzyslowow(std::string_view v)
{
    if (v.size() >= 2 && (v.front() == '"' || v.front() == '\'') && v.back() == v.front())
        return v.substr(1, v.size() - 2);
    return v;
}

std::string BezKoncowLinii(std::string_view s)
{
    std::string w(s);
    for (char& c : w)
        if (c == '\r' || c == '\n') c = ' ';
    return w;
}

bool ZapiszWszystko(int fd, const std::string& dane)
{
    size_t zapisane = 0;
    while (zapisane < dane.size()) {
        ssize_t n = ::write(fd, dane.data() + zapisane, dane.size() - zapisane);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return false;
        zapisane += static_cast<size_t>(n);
    }
    return true;
}

}  // namespace

bool tPlikIni::Wczytaj(const std::string& sciezka)
{
    sekcje_.assign(1, tSekcja{});
    int fd = ::open(sciezka.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) return errno == ENOENT || errno == ENOTDIR;
    struct stat st {};
    std::string bajty;
    if (::fstat(fd, &st) == 0 && S_ISREG(st.st_mode) && st.st_size > 0) bajty.reserve(static_cast<size_t>(st.st_size));
    char bufor[65536];
    bool dobrze = true;
    for (;;) {
        ssize_t n = ::read(fd, bufor, sizeof bufor);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) dobrze = false;
        if (n <= 0) break;
        bajty.append(bufor, static_cast<size_t>(n));
    }
    ::close(fd);
    if (!dobrze) return false;
    UstawZawartosc(bajty);
    return true;
}

void tPlikIni::UstawZawartosc(std::string_view bajty)
{
    sekcje_.assign(1, tSekcja{});
    std::string przekodowane;
    if (bajty.substr(0, BomUtf8.size()) == BomUtf8) {
        przekodowane = Utf8DoCp1250(bajty.substr(BomUtf8.size()));
        bajty = przekodowane;
    }
    size_t poczatek = 0;
    while (poczatek < bajty.size()) {
        size_t koniec = bajty.find('\n', poczatek);
        if (koniec == std::string_view::npos) koniec = bajty.size();
        std::string_view linia = bajty.substr(poczatek, koniec - poczatek);
        poczatek = koniec + 1;
        if (!linia.empty() && linia.back() == '\r') linia.remove_suffix(1);

        std::string_view t = Przytnij(linia);
        if (!t.empty() && t.front() == '[') {
            if (size_t z = t.find(']'); z != std::string_view::npos) {
                sekcje_.push_back({std::string(Przytnij(t.substr(1, z - 1))), std::string(linia), {}});
                continue;
            }
        }
        tWiersz w{std::string(linia), {}, {}};
        if (size_t r = t.find('='); r != std::string_view::npos && t.front() != ';') {
            w.Klucz = Przytnij(t.substr(0, r));
            w.Wartosc = BezCudzyslowow(Przytnij(t.substr(r + 1)));
        }
        sekcje_.back().Wiersze.push_back(std::move(w));
    }
}

const tPlikIni::tSekcja* tPlikIni::ZnajdzSekcje(std::string_view nazwa) const
{
    for (size_t i = 1; i < sekcje_.size(); ++i)
        if (RowneBezWielkosci(sekcje_[i].Nazwa, nazwa)) return &sekcje_[i];
    return nullptr;
}

const tPlikIni::tWiersz* tPlikIni::ZnajdzKlucz(const tSekcja& s, std::string_view klucz)
{
    for (const auto& w : s.Wiersze)
        if (!w.Klucz.empty() && RowneBezWielkosci(w.Klucz, klucz)) return &w;
    return nullptr;
}

bool tPlikIni::MaSekcje(std::string_view sekcja) const { return ZnajdzSekcje(sekcja) != nullptr; }

std::string tPlikIni::CzytajTekst(std::string_view sekcja, std::string_view klucz, std::string_view domyslny) const
{
    const tSekcja* s = ZnajdzSekcje(sekcja);
    const tWiersz* w = s ? ZnajdzKlucz(*s, klucz) : nullptr;
    return w ? Cp1250DoUtf8(w->Wartosc) : std::string(domyslny);
}

int tPlikIni::CzytajCalkowita(std::string_view sekcja, std::string_view klucz, int domyslna) const
{
    const tSekcja* s = ZnajdzSekcje(sekcja);
    const tWiersz* w = s ? ZnajdzKlucz(*s, klucz) : nullptr;
    if (!w) return domyslna;
    std::string_view t = w->Wartosc;
    if (!t.empty() && t.front() == '+') t.remove_prefix(1);
    int wynik = 0;
    auto [koniec, blad] = std::from_chars(t.data(), t.data() + t.size(), wynik);
    if (t.empty() || blad != std::errc() || koniec != t.data() + t.size()) return domyslna;
    return wynik;
}

void tPlikIni::Zapisz(std::string_view sekcja, std::string_view klucz, std::string_view wartosc)
{
    const std::string k = Utf8DoCp1250(klucz);
    const std::string v = BezKoncowLinii(Utf8DoCp1250(wartosc));
    tWiersz nowy{k + "=" + v, k, std::string(BezCudzyslowow(Przytnij(v)))};
    auto* s = const_cast<tSekcja*>(ZnajdzSekcje(sekcja));
    if (!s) {
        const std::string n = Utf8DoCp1250(sekcja);
        sekcje_.push_back({n, "[" + n + "]", {std::move(nowy)}});
        return;
    }
    if (auto* w = const_cast<tWiersz*>(ZnajdzKlucz(*s, k))) {
        *w = std::move(nowy);
        return;
    }
    // Nowy klucz za ostatnim niepustym wierszem sekcji, przed pustymi odstępami.
    auto gdzie = s->Wiersze.end();
    while (gdzie != s->Wiersze.begin() && Przytnij((gdzie - 1)->Tekst).empty()) --gdzie;
    s->Wiersze.insert(gdzie, std::move(nowy));
}

void tPlikIni::ZapiszCalkowita(std::string_view sekcja, std::string_view klucz, int wartosc)
{
    Zapisz(sekcja, klucz, std::to_string(wartosc));
}

void tPlikIni::UsunSekcje(std::string_view sekcja)
{
    sekcje_.erase(std::remove_if(sekcje_.begin() + 1, sekcje_.end(),
                                 [&](const tSekcja& s) { return RowneBezWielkosci(s.Nazwa, sekcja); }),
                  sekcje_.end());
}

std::string tPlikIni::Zawartosc() const
{
    std::string wynik;
    for (size_t i = 0; i < sekcje_.size(); ++i) {
        if (i > 0) wynik += sekcje_[i].Naglowek + "\r\n";
        for (const auto& w : sekcje_[i].Wiersze) wynik += w.Tekst + "\r\n";
    }
    return wynik;
}

bool tPlikIni::ZapiszPlik(const std::string& sciezka) const
{
    const std::string dane = Zawartosc();
    std::string wzor = sciezka + ".tmp-XXXXXX";
    int fd = ::mkstemp(wzor.data());
    if (fd < 0) return false;
    // Uprawnienia jak dla zwykłego nowego pliku (mkstemp daje 0600).
    mode_t maska = ::umask(0);
    ::umask(maska);
    struct stat stary {};
    mode_t tryb = ::stat(sciezka.c_str(), &stary) == 0 ? (stary.st_mode & 07777) : (0666 & ~maska);
    bool dobrze = ::fchmod(fd, tryb) == 0 && ZapiszWszystko(fd, dane) && ::fsync(fd) == 0;
    dobrze = ::close(fd) == 0 && dobrze;
    if (dobrze) dobrze = ::rename(wzor.c_str(), sciezka.c_str()) == 0;
    if (!dobrze) ::unlink(wzor.c_str());
    return dobrze;
}
