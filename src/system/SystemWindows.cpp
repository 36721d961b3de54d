// Wywołania systemu Windows (Win32) dla całego programu. Ścieżki są w programie w UTF-8;
// na UTF-16 zamienia je dopiero ten plik, tuż przed wywołaniem systemu.
#include <fcntl.h>
#include <io.h>
#include <windows.h>
#include <shellapi.h>
#include <shlobj.h>

#include <cstdio>
#include <cstdlib>

#include "system/System.h"

namespace os {

namespace {

std::wstring Szeroki(const std::string& s)
{
    if (s.empty()) return {};
    const int n = ::MultiByteToWideChar(CP_UTF8, 0, s.data(), static_cast<int>(s.size()), nullptr, 0);
    std::wstring w(static_cast<std::size_t>(n), L'\0');
    ::MultiByteToWideChar(CP_UTF8, 0, s.data(), static_cast<int>(s.size()), w.data(), n);
    return w;
}

std::string Waski(const wchar_t* w, std::size_t dlugosc)
{
    if (dlugosc == 0) return {};
    const int d = static_cast<int>(dlugosc);
    const int n = ::WideCharToMultiByte(CP_UTF8, 0, w, d, nullptr, 0, nullptr, nullptr);
    std::string s(static_cast<std::size_t>(n), '\0');
    ::WideCharToMultiByte(CP_UTF8, 0, w, d, s.data(), n, nullptr, nullptr);
    return s;
}

std::string Waski(const std::wstring& w) { return Waski(w.data(), w.size()); }

// Ścieżka dla wywołań W. Długa (ponad MAX_PATH) dostaje przedrostek \\?\ pełnej ścieżki,
// bo inaczej system odrzuca ją bez względu na ustawienia.
std::wstring Sciezka(const std::string& s)
{
    std::wstring w = Szeroki(s);
    if (w.size() < MAX_PATH - 12 || w.rfind(L"\\\\?\\", 0) == 0) return w;
    const DWORD n = ::GetFullPathNameW(w.c_str(), 0, nullptr, nullptr);
    if (n == 0) return w;
    std::wstring pelna(n, L'\0');
    const DWORD m = ::GetFullPathNameW(w.c_str(), n, pelna.data(), nullptr);
    if (m == 0 || m >= n) return w;
    pelna.resize(m);
    if (pelna.rfind(L"\\\\", 0) == 0) return L"\\\\?\\UNC\\" + pelna.substr(2);
    return L"\\\\?\\" + pelna;
}

// Jedno miejsce, w którym kody GetLastError stają się przyczyną z komunikatu.
tBlad Przyczyna(DWORD e)
{
    switch (e) {
    case ERROR_FILE_NOT_FOUND:
    case ERROR_PATH_NOT_FOUND:
    case ERROR_INVALID_DRIVE:
    case ERROR_BAD_NETPATH:
    case ERROR_BAD_NET_NAME: return tBlad::NieMa;
    case ERROR_DISK_FULL:
    case ERROR_HANDLE_DISK_FULL: return tBlad::BrakMiejsca;
    case ERROR_FILE_TOO_LARGE: return tBlad::ZaDuzyPlik;
    case ERROR_ACCESS_DENIED:
    case ERROR_WRITE_PROTECT:
    case ERROR_PRIVILEGE_NOT_HELD: return tBlad::BrakUprawnien;
    case ERROR_FILENAME_EXCED_RANGE: return tBlad::ZaDlugaNazwa;
    case ERROR_SHARING_VIOLATION:
    case ERROR_LOCK_VIOLATION:
    case ERROR_USER_MAPPED_FILE: return tBlad::Zajety;
    case ERROR_INVALID_NAME:
    case ERROR_BAD_PATHNAME:
    case ERROR_DIRECTORY: return tBlad::NiedozwolonaNazwa;
    default: return tBlad::Inny;
    }
}

bool Porazka(tBlad& blad)
{
    blad = Przyczyna(::GetLastError());
    return false;
}

HANDLE Uchwyt(int plik) { return reinterpret_cast<HANDLE>(::_get_osfhandle(plik)); }

// Otwarcie bez czekania i bez zmian: tylko do opisu (atrybuty, rodzaj), także katalogu.
HANDLE OtworzDoOpisu(const std::string& sciezka)
{
    return ::CreateFileW(Sciezka(sciezka).c_str(), 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                         nullptr, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
}

tRodzaj Rodzaj(HANDLE h, BY_HANDLE_FILE_INFORMATION& info)
{
    if (::GetFileType(h) != FILE_TYPE_DISK || !::GetFileInformationByHandle(h, &info)) return tRodzaj::Inny;
    if (info.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) return tRodzaj::Katalog;
    return tRodzaj::Zwykly;
}

// Ostatni człon ścieżki kończący się kropką albo odstępem: Windows po cichu by je obciął
// i zapisał inny plik niż nazwany.
bool NazwaObcinana(const std::string& sciezka)
{
    if (sciezka.rfind("\\\\?\\", 0) == 0) return false;
    const auto u = sciezka.find_last_of("/\\");
    const std::string nazwa = u == std::string::npos ? sciezka : sciezka.substr(u + 1);
    return !nazwa.empty() && nazwa != "." && nazwa != ".." && (nazwa.back() == '.' || nazwa.back() == ' ');
}

}  // namespace

tOdczyt CzytajZwykly(const std::string& sciezka, std::size_t limit, std::string& bajty, tBlad& blad)
{
    bajty.clear();
    blad = tBlad::Brak;
    if (NazwaObcinana(sciezka)) {
        blad = tBlad::NiedozwolonaNazwa;
        return tOdczyt::Blad;
    }
    // Inni mogą czytać, pisać i przemianować plik w trakcie; katalog też się otwiera
    // (FILE_FLAG_BACKUP_SEMANTICS), żeby odmówić mu jak na Linuksie.
    HANDLE h = ::CreateFileW(Sciezka(sciezka).c_str(), GENERIC_READ,
                             FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr, OPEN_EXISTING,
                             FILE_FLAG_BACKUP_SEMANTICS, nullptr);
    if (h == INVALID_HANDLE_VALUE) {
        blad = Przyczyna(::GetLastError());
        return blad == tBlad::NieMa ? tOdczyt::NieMa : tOdczyt::Blad;
    }
    BY_HANDLE_FILE_INFORMATION info {};
    tOdczyt wynik = tOdczyt::Przeczytany;
    if (Rodzaj(h, info) != tRodzaj::Zwykly) {
        wynik = tOdczyt::NieZwykly;
    } else if ((static_cast<std::uint64_t>(info.nFileSizeHigh) << 32 | info.nFileSizeLow) > limit) {
        wynik = tOdczyt::ZaDuzy;
    } else {
        char bufor[65536];
        for (;;) {
            DWORD n = 0;
            if (!::ReadFile(h, bufor, sizeof bufor, &n, nullptr)) {
                blad = Przyczyna(::GetLastError());
                wynik = tOdczyt::Blad;
                break;
            }
            if (n == 0) break;
            if (bajty.size() + n > limit) {
                wynik = tOdczyt::ZaDuzy;
                break;
            }
            bajty.append(bufor, n);
        }
    }
    ::CloseHandle(h);
    if (wynik != tOdczyt::Przeczytany) std::string().swap(bajty);
    return wynik;
}

int OtworzStrumien(const std::string& sciezka, tOdczyt& stan, tBlad& blad)
{
    blad = tBlad::Brak;
    stan = tOdczyt::Przeczytany;
    if (NazwaObcinana(sciezka)) {
        blad = tBlad::NiedozwolonaNazwa;
        stan = tOdczyt::Blad;
        return -1;
    }
    HANDLE h = ::CreateFileW(Sciezka(sciezka).c_str(), GENERIC_READ,
                             FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr, OPEN_EXISTING,
                             FILE_FLAG_BACKUP_SEMANTICS, nullptr);
    if (h == INVALID_HANDLE_VALUE) {
        blad = Przyczyna(::GetLastError());
        stan = blad == tBlad::NieMa ? tOdczyt::NieMa : tOdczyt::Blad;
        return -1;
    }
    BY_HANDLE_FILE_INFORMATION info {};
    const DWORD typ = ::GetFileType(h);
    if (typ != FILE_TYPE_PIPE && Rodzaj(h, info) != tRodzaj::Zwykly) {
        ::CloseHandle(h);
        stan = tOdczyt::NieZwykly;
        return -1;
    }
    const int fd = ::_open_osfhandle(reinterpret_cast<intptr_t>(h), _O_BINARY | _O_RDONLY);
    if (fd < 0) {
        ::CloseHandle(h);
        blad = tBlad::Inny;
        stan = tOdczyt::Blad;
    }
    return fd;
}

long long CzytajKawalek(int plik, char* bufor, std::size_t rozmiar, tBlad& blad)
{
    DWORD n = 0;
    const DWORD porcja = rozmiar > (1u << 30) ? (1u << 30) : static_cast<DWORD>(rozmiar);
    if (::ReadFile(Uchwyt(plik), bufor, porcja, &n, nullptr)) return n;
    // Potok, którego piszący skończył, to koniec danych, nie błąd.
    if (::GetLastError() == ERROR_BROKEN_PIPE) return 0;
    Porazka(blad);
    return -1;
}

tOpis Opis(const std::string& sciezka)
{
    tOpis o;
    HANDLE h = OtworzDoOpisu(sciezka);
    if (h == INVALID_HANDLE_VALUE) {
        // Plik otwarty bez współdzielenia też istnieje: atrybuty da się przeczytać.
        const DWORD a = ::GetFileAttributesW(Sciezka(sciezka).c_str());
        if (a == INVALID_FILE_ATTRIBUTES) return o;
        o.Rodzaj = a & FILE_ATTRIBUTE_DIRECTORY ? tRodzaj::Katalog : tRodzaj::Zwykly;
        o.TylkoDoOdczytu = (a & FILE_ATTRIBUTE_READONLY) != 0;
        o.Tryb = o.TylkoDoOdczytu ? 0444 : 0666;
        return o;
    }
    BY_HANDLE_FILE_INFORMATION info {};
    o.Rodzaj = Rodzaj(h, info);
    ::CloseHandle(h);
    o.TylkoDoOdczytu = o.Rodzaj == tRodzaj::Zwykly && (info.dwFileAttributes & FILE_ATTRIBUTE_READONLY) != 0;
    o.Tryb = o.TylkoDoOdczytu ? 0444 : 0666;
    return o;
}

// Dowiązania Windows (punkty ponownej analizy) system rozwiązuje sam przy otwarciu.
bool Dowiazanie(const std::string&, std::string&) { return false; }

bool TenSamPlik(const std::string& a, const std::string& b)
{
    BY_HANDLE_FILE_INFORMATION ia {}, ib {};
    HANDLE ha = OtworzDoOpisu(a), hb = OtworzDoOpisu(b);
    const bool oba = ha != INVALID_HANDLE_VALUE && hb != INVALID_HANDLE_VALUE &&
                     ::GetFileInformationByHandle(ha, &ia) && ::GetFileInformationByHandle(hb, &ib);
    if (ha != INVALID_HANDLE_VALUE) ::CloseHandle(ha);
    if (hb != INVALID_HANDLE_VALUE) ::CloseHandle(hb);
    return oba && ia.dwVolumeSerialNumber == ib.dwVolumeSerialNumber && ia.nFileIndexHigh == ib.nFileIndexHigh &&
           ia.nFileIndexLow == ib.nFileIndexLow;
}

int UtworzTymczasowy(std::string& wzor, tBlad& blad)
{
    static const char znaki[] = "abcdefghijklmnopqrstuvwxyz0123456789";
    static unsigned licznik = 0;
    const std::size_t x = wzor.size() - 6;
    for (int proba = 0; proba < 100; ++proba) {
        LARGE_INTEGER t {};
        ::QueryPerformanceCounter(&t);
        std::uint64_t v = static_cast<std::uint64_t>(t.QuadPart) ^ (std::uint64_t{::GetCurrentProcessId()} << 32) ^
                          (++licznik * 0x9E3779B97F4A7C15ull);
        for (std::size_t i = 0; i < 6; ++i, v /= 36) wzor[x + i] = znaki[v % 36];
        // Bez FILE_SHARE_DELETE: póki zapis trwa, nikt nie usunie ani nie podmieni pliku
        // (UsunPorzucony otwiera go z prawem usunięcia i wyłącznie, więc zawodzi).
        HANDLE h = ::CreateFileW(Sciezka(wzor).c_str(), GENERIC_WRITE, FILE_SHARE_READ, nullptr, CREATE_NEW,
                                 FILE_ATTRIBUTE_NORMAL, nullptr);
        if (h == INVALID_HANDLE_VALUE) {
            if (::GetLastError() == ERROR_FILE_EXISTS) continue;
            Porazka(blad);
            return -1;
        }
        const int fd = ::_open_osfhandle(reinterpret_cast<intptr_t>(h), _O_BINARY);
        if (fd < 0) {
            ::CloseHandle(h);
            ::DeleteFileW(Sciezka(wzor).c_str());
            blad = tBlad::Inny;
        }
        return fd;
    }
    blad = tBlad::Inny;
    return -1;
}

bool Pisz(int plik, std::string_view bajty, tBlad& blad)
{
    while (!bajty.empty()) {
        const DWORD porcja = bajty.size() > (1u << 30) ? (1u << 30) : static_cast<DWORD>(bajty.size());
        DWORD n = 0;
        if (!::WriteFile(Uchwyt(plik), bajty.data(), porcja, &n, nullptr)) return Porazka(blad);
        if (n == 0) {
            blad = tBlad::BrakMiejsca;
            return false;
        }
        bajty.remove_prefix(n);
    }
    return true;
}

bool Synchronizuj(int plik, tBlad& blad) { return ::FlushFileBuffers(Uchwyt(plik)) || Porazka(blad); }

bool Zamknij(int plik, tBlad& blad)
{
    if (::_close(plik) == 0) return true;
    blad = tBlad::Inny;
    return false;
}

// Windows nie zna praw dostępu w bitach; nowy plik dziedziczy uprawnienia katalogu.
bool UstawTryb(int, unsigned) { return true; }
unsigned TrybNowegoPliku() { return 0666; }

bool ZmienNazwe(const std::string& z, const std::string& na, tBlad& blad)
{
    if (NazwaObcinana(na)) {
        blad = tBlad::NiedozwolonaNazwa;
        return false;
    }
    const std::wstring cel = Sciezka(na);
    if (::MoveFileExW(Sciezka(z).c_str(), cel.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
        return true;
    const DWORD e = ::GetLastError();
    blad = Przyczyna(e);
    if (e == ERROR_ACCESS_DENIED) {
        // Odmowa bywa też skutkiem pliku otwartego w innym programie (arkusz trzyma CSV):
        // wtedy nawet samo otwarcie z prawem usunięcia zawodzi na współdzieleniu.
        HANDLE h = ::CreateFileW(cel.c_str(), DELETE, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                 nullptr, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
        if (h == INVALID_HANDLE_VALUE && ::GetLastError() == ERROR_SHARING_VIOLATION) blad = tBlad::Zajety;
        if (h != INVALID_HANDLE_VALUE) ::CloseHandle(h);
    }
    return false;
}

// MOVEFILE_WRITE_THROUGH wraca dopiero po zapisaniu zmiany nazwy na dysku.
void SynchronizujKatalog(const std::string&) {}

void Usun(const std::string& sciezka) { ::DeleteFileW(Sciezka(sciezka).c_str()); }

void UsunPorzucony(const std::string& sciezka)
{
    // Otwarcie wyłączne z usunięciem przy zamknięciu udaje się tylko, gdy nikt pliku nie
    // trzyma: trwający zapis ma go otwartego, więc zostaje.
    HANDLE h = ::CreateFileW(Sciezka(sciezka).c_str(), DELETE, 0, nullptr, OPEN_EXISTING,
                             FILE_FLAG_DELETE_ON_CLOSE | FILE_FLAG_OPEN_REPARSE_POINT, nullptr);
    if (h != INVALID_HANDLE_VALUE) ::CloseHandle(h);
}

std::vector<std::string> NazwyWKatalogu(const std::string& katalog)
{
    std::vector<std::string> nazwy;
    WIN32_FIND_DATAW w {};
    HANDLE h = ::FindFirstFileW(Sciezka(katalog + "\\*").c_str(), &w);
    if (h == INVALID_HANDLE_VALUE) return nazwy;
    do nazwy.push_back(Waski(w.cFileName, wcslen(w.cFileName)));
    while (::FindNextFileW(h, &w));
    ::FindClose(h);
    return nazwy;
}

bool KatalogZapisywalny(const std::string& katalog)
{
    // Atrybut "tylko do odczytu" katalogu nic nie znaczy: próbny plik mówi prawdę.
    if (katalog.empty()) return false;
    std::string wzor = katalog + "\\.pontiva-proba-XXXXXX";
    tBlad blad = tBlad::Brak;
    const int fd = UtworzTymczasowy(wzor, blad);
    if (fd < 0) return false;
    ::_close(fd);
    ::DeleteFileW(Sciezka(wzor).c_str());
    return true;
}

std::string SciezkaProgramu()
{
    std::wstring bufor(32768, L'\0');
    const DWORD n = ::GetModuleFileNameW(nullptr, bufor.data(), static_cast<DWORD>(bufor.size()));
    if (n == 0 || n >= bufor.size()) return {};
    bufor.resize(n);
    return Waski(bufor);
}

std::string KatalogDomowy()
{
    const wchar_t* dom = ::_wgetenv(L"USERPROFILE");
    return dom && *dom ? Waski(dom, wcslen(dom)) : std::string();
}

std::string KatalogDanychUzytkownika()
{
    PWSTR dane = nullptr;
    std::string wynik;
    // Dokumenty użytkownika: widoczne w Eksploratorze i objęte kopiami zapasowymi urzędu
    // (folder ukrytych danych programów nie jest ani jednym, ani drugim).
    if (::SHGetKnownFolderPath(FOLDERID_Documents, 0, nullptr, &dane) == S_OK && dane && *dane)
        wynik = Waski(dane, wcslen(dane)) + "\\Pontiva";
    ::CoTaskMemFree(dane);
    return wynik;
}

char SeparatorDziesietnyUzytkownika()
{
    wchar_t s[8] {};
    if (::GetLocaleInfoEx(LOCALE_NAME_USER_DEFAULT, LOCALE_SDECIMAL, s, 8) < 2) return '\0';
    return s[0] == L',' || s[0] == L'.' ? static_cast<char>(s[0]) : '\0';
}

std::vector<std::string> Argumenty(int, char**)
{
    // argv w kodowaniu strony ANSI gubi polskie litery: argumenty prosto z UTF-16.
    std::vector<std::string> a;
    int n = 0;
    wchar_t** w = ::CommandLineToArgvW(::GetCommandLineW(), &n);
    if (!w) return a;
    for (int i = 1; i < n; ++i) a.push_back(Waski(w[i], wcslen(w[i])));
    ::LocalFree(w);
    return a;
}

void PrzygotujWyjscie()
{
    // Bajty UTF-8 i same "\n", jak na Linuksie: przekierowane wyjście jest identyczne,
    // a konsola z UTF-8 pokazuje polskie litery.
    ::_setmode(::_fileno(stdout), _O_BINARY);
    ::_setmode(::_fileno(stderr), _O_BINARY);
    ::SetConsoleOutputCP(CP_UTF8);
}

// Windows nie zabija procesu za wielkość pliku: błąd zapisu przychodzi sam.
void BledyZapisuBezSygnalow() {}

std::tm CzasLokalny(std::time_t t)
{
    std::tm czas {};
    ::localtime_s(&czas, &t);
    return czas;
}

std::string_view SeparatoryKatalogow() { return "/\\"; }

}  // namespace os
