// Wywołania systemu POSIX (Linux) dla całego programu.
#include <dirent.h>
#include <fcntl.h>
#include <pwd.h>
#include <signal.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <fstream>

#include "system/System.h"

namespace os {

namespace {

tBlad Przyczyna(int e)
{
    switch (e) {
    case ENOENT:
    case ENOTDIR: return tBlad::NieMa;
    case ENOSPC:
    case EDQUOT: return tBlad::BrakMiejsca;
    case EFBIG: return tBlad::ZaDuzyPlik;
    case EACCES:
    case EPERM:
    case EROFS: return tBlad::BrakUprawnien;
    case ENAMETOOLONG: return tBlad::ZaDlugaNazwa;
    default: return tBlad::Inny;
    }
}

bool Porazka(tBlad& blad)
{
    blad = Przyczyna(errno);
    return false;
}

}  // namespace

tOdczyt CzytajZwykly(const std::string& sciezka, std::size_t limit, std::string& bajty, tBlad& blad)
{
    bajty.clear();
    blad = tBlad::Brak;
    const int fd = ::open(sciezka.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK | O_NOCTTY);
    if (fd < 0) {
        blad = Przyczyna(errno);
        return blad == tBlad::NieMa ? tOdczyt::NieMa : tOdczyt::Blad;
    }
    struct stat st {};
    tOdczyt wynik = tOdczyt::Przeczytany;
    if (::fstat(fd, &st) != 0) {
        blad = Przyczyna(errno);
        wynik = tOdczyt::Blad;
    } else if (!S_ISREG(st.st_mode)) {
        wynik = tOdczyt::NieZwykly;
    } else if (static_cast<std::uint64_t>(st.st_size) > limit) {
        wynik = tOdczyt::ZaDuzy;
    } else {
        bajty.reserve(static_cast<std::size_t>(st.st_size));
        char bufor[65536];
        for (;;) {
            const ssize_t n = ::read(fd, bufor, sizeof bufor);
            if (n < 0 && errno == EINTR) continue;
            if (n < 0) {
                blad = Przyczyna(errno);
                wynik = tOdczyt::Blad;
                break;
            }
            if (n == 0) break;
            // Plik mógł urosnąć od fstat.
            if (bajty.size() + static_cast<std::size_t>(n) > limit) {
                wynik = tOdczyt::ZaDuzy;
                break;
            }
            bajty.append(bufor, static_cast<std::size_t>(n));
        }
    }
    ::close(fd);
    if (wynik != tOdczyt::Przeczytany) std::string().swap(bajty);
    return wynik;
}

int OtworzStrumien(const std::string& sciezka, tOdczyt& stan, tBlad& blad)
{
    blad = tBlad::Brak;
    stan = tOdczyt::Przeczytany;
    // Kolejka FIFO czeka na piszącego jak przy cat; inny plik nie czeka (urządzenie, którego
    // otwarcie się wiesza, odrzuci dopiero rodzaj).
    struct stat st {};
    const bool kolejka = ::stat(sciezka.c_str(), &st) == 0 && S_ISFIFO(st.st_mode);
    int fd = -1;
    do fd = ::open(sciezka.c_str(), O_RDONLY | O_CLOEXEC | O_NOCTTY | (kolejka ? 0 : O_NONBLOCK));
    while (fd < 0 && errno == EINTR);
    if (fd < 0) {
        blad = Przyczyna(errno);
        stan = blad == tBlad::NieMa ? tOdczyt::NieMa : tOdczyt::Blad;
        return -1;
    }
    if (::fstat(fd, &st) != 0 || (!S_ISREG(st.st_mode) && !S_ISFIFO(st.st_mode))) {
        stan = tOdczyt::NieZwykly;
        ::close(fd);
        return -1;
    }
    ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK);
    return fd;
}

long long CzytajKawalek(int plik, char* bufor, std::size_t rozmiar, tBlad& blad)
{
    for (;;) {
        const ssize_t n = ::read(plik, bufor, rozmiar);
        if (n >= 0) return n;
        if (errno != EINTR) {
            blad = Przyczyna(errno);
            return -1;
        }
    }
}

tOpis Opis(const std::string& sciezka)
{
    tOpis o;
    struct stat st {};
    if (::stat(sciezka.c_str(), &st) != 0) return o;
    o.Rodzaj = S_ISREG(st.st_mode) ? tRodzaj::Zwykly : S_ISDIR(st.st_mode) ? tRodzaj::Katalog : tRodzaj::Inny;
    o.Tryb = st.st_mode & 07777;
    o.TylkoDoOdczytu = (st.st_mode & 0222) == 0 || ::access(sciezka.c_str(), W_OK) != 0;
    return o;
}

bool Dowiazanie(const std::string& sciezka, std::string& cel)
{
    struct stat st {};
    if (::lstat(sciezka.c_str(), &st) != 0 || !S_ISLNK(st.st_mode)) return false;
    std::string bufor(4096, '\0');
    const ssize_t n = ::readlink(sciezka.c_str(), bufor.data(), bufor.size());
    if (n <= 0 || static_cast<std::size_t>(n) >= bufor.size()) return false;
    cel.assign(bufor.data(), static_cast<std::size_t>(n));
    return true;
}

bool TenSamPlik(const std::string& a, const std::string& b)
{
    struct stat sa {}, sb {};
    return ::stat(a.c_str(), &sa) == 0 && ::stat(b.c_str(), &sb) == 0 && sa.st_dev == sb.st_dev &&
           sa.st_ino == sb.st_ino;
}

int UtworzTymczasowy(std::string& wzor, tBlad& blad)
{
    const int fd = ::mkostemp(wzor.data(), O_CLOEXEC);
    if (fd < 0)
        blad = Przyczyna(errno);
    else
        ::flock(fd, LOCK_EX | LOCK_NB);  // znak trwającego zapisu dla UsunPorzucony
    return fd;
}

bool Pisz(int plik, std::string_view bajty, tBlad& blad)
{
    while (!bajty.empty()) {
        const ssize_t n = ::write(plik, bajty.data(), bajty.size());
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) return Porazka(blad);
        if (n == 0) {
            blad = tBlad::BrakMiejsca;
            return false;
        }
        bajty.remove_prefix(static_cast<std::size_t>(n));
    }
    return true;
}

bool Synchronizuj(int plik, tBlad& blad) { return ::fsync(plik) == 0 || Porazka(blad); }
bool Zamknij(int plik, tBlad& blad) { return ::close(plik) == 0 || Porazka(blad); }
bool UstawTryb(int plik, unsigned tryb) { return ::fchmod(plik, static_cast<mode_t>(tryb)) == 0; }

unsigned TrybNowegoPliku()
{
    // Maska procesu z /proc bez jej zmiany: umask(0) na chwilę wyścigowałby z innymi
    // wątkami tworzącymi pliki. Bez /proc (starsze jądro) – zmiana i powrót.
    unsigned maska = 0;
    std::ifstream status("/proc/self/status");
    for (std::string wiersz; std::getline(status, wiersz);)
        if (wiersz.rfind("Umask:", 0) == 0 && std::sscanf(wiersz.c_str() + 6, "%o", &maska) == 1)
            return 0666u & ~maska;
    const mode_t m = ::umask(0);
    ::umask(m);
    return 0666u & ~static_cast<unsigned>(m);
}

bool ZmienNazwe(const std::string& z, const std::string& na, tBlad& blad)
{
    return ::rename(z.c_str(), na.c_str()) == 0 || Porazka(blad);
}

void SynchronizujKatalog(const std::string& katalog)
{
    const int fd = ::open(katalog.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return;
    ::fsync(fd);
    ::close(fd);
}

void Usun(const std::string& sciezka) { ::unlink(sciezka.c_str()); }

void UsunPorzucony(const std::string& sciezka)
{
    const int fd = ::open(sciezka.c_str(), O_RDONLY | O_CLOEXEC | O_NOFOLLOW | O_NONBLOCK | O_NOCTTY);
    if (fd < 0) return;
    // Utworzenie i blokada to dwa wywołania: plik młodszy niż WiekPorzuconego może być plikiem
    // zapisu, który go właśnie utworzył i jeszcze nie zablokował.
    struct stat st {};
    const bool stary = ::fstat(fd, &st) == 0 && std::time(nullptr) - st.st_mtime >= WiekPorzuconego;
    if (stary && ::flock(fd, LOCK_EX | LOCK_NB) == 0) ::unlink(sciezka.c_str());
    ::close(fd);
}

std::vector<std::string> NazwyWKatalogu(const std::string& katalog)
{
    std::vector<std::string> nazwy;
    DIR* d = ::opendir(katalog.c_str());
    if (!d) return nazwy;
    while (const dirent* w = ::readdir(d)) nazwy.emplace_back(w->d_name);
    ::closedir(d);
    return nazwy;
}

bool KatalogZapisywalny(const std::string& katalog)
{
    return !katalog.empty() && ::access(katalog.c_str(), W_OK | X_OK) == 0;
}

std::string SciezkaProgramu()
{
    std::string bufor(4096, '\0');
    const ssize_t n = ::readlink("/proc/self/exe", bufor.data(), bufor.size());
    if (n <= 0 || static_cast<std::size_t>(n) >= bufor.size()) return {};
    bufor.resize(static_cast<std::size_t>(n));
    return bufor;
}

std::string KatalogDomowy()
{
    const char* dom = std::getenv("HOME");
    if (dom && *dom == '/') return dom;
    const passwd* p = ::getpwuid(::getuid());
    if (p && p->pw_dir && *p->pw_dir == '/') return p->pw_dir;
    return {};
}

std::string KatalogDanychUzytkownika()
{
    const char* xdg = std::getenv("XDG_DATA_HOME");
    if (xdg && *xdg == '/') return std::string(xdg) + "/pontiva";
    const std::string dom = KatalogDomowy();
    return dom.empty() ? std::string() : dom + "/.local/share/pontiva";
}

char SeparatorDziesietnyUzytkownika() { return '\0'; }

std::tm CzasLokalny(std::time_t t)
{
    std::tm czas {};
    ::localtime_r(&t, &czas);
    return czas;
}

std::string_view SeparatoryKatalogow() { return "/"; }

std::vector<std::string> Argumenty(int argc, char** argv) { return {argv + 1, argv + argc}; }

void PrzygotujWyjscie() {}

void BledyZapisuBezSygnalow() { ::signal(SIGXFSZ, SIG_IGN); }

}  // namespace os
