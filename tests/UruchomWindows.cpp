// Uruchomienie programu w testach na Windows: CreateProcessW z wierszem poleceń według
// reguł CommandLineToArgvW i uchwytami plików jako standardowe wyjścia.
#include <windows.h>

#include "Wspolne.h"
#include "system/SciezkaUtf8.h"

namespace testy {

namespace {

std::wstring Szerokie(const std::string& s) { return SciezkaUtf8(s).wstring(); }

// Argument w cudzysłowach: ukośniki wsteczne przed cudzysłowem i na końcu podwojone.
void DopiszArgument(std::wstring& wiersz, const std::wstring& a)
{
    wiersz += L'"';
    size_t ukosniki = 0;
    for (wchar_t c : a) {
        if (c == L'\\') {
            ++ukosniki;
            continue;
        }
        wiersz.append(c == L'"' ? 2 * ukosniki + 1 : ukosniki, L'\\');
        ukosniki = 0;
        wiersz += c;
    }
    wiersz.append(2 * ukosniki, L'\\');
    wiersz += L'"';
}

HANDLE OtworzDziedziczony(const std::string& sciezka, DWORD dostep, DWORD tworzenie)
{
    SECURITY_ATTRIBUTES sa{sizeof(sa), nullptr, TRUE};
    return CreateFileW(Szerokie(sciezka).c_str(), dostep, FILE_SHARE_READ | FILE_SHARE_WRITE, &sa, tworzenie,
                       FILE_ATTRIBUTE_NORMAL, nullptr);
}

// Jedno uruchomienie. Zwraca false, gdy program nie ruszył albo nie skończył się zwykłym
// kodem (powód w przyczyna); wtedy kod to -1.
bool UruchomRaz(const std::wstring& wiersz, const std::string& katalog, const std::string& wyjscie,
                const std::string& bledy, int& kod, std::string& przyczyna)
{
    kod = -1;
    HANDLE we = OtworzDziedziczony("NUL", GENERIC_READ, OPEN_EXISTING);
    HANDLE wy = OtworzDziedziczony(wyjscie, GENERIC_WRITE, CREATE_ALWAYS);
    HANDLE bl = OtworzDziedziczony(bledy, GENERIC_WRITE, CREATE_ALWAYS);
    bool ruszyl = false;
    if (we == INVALID_HANDLE_VALUE || wy == INVALID_HANDLE_VALUE || bl == INVALID_HANDLE_VALUE) {
        przyczyna = "nie można otworzyć wejścia ani wyjść (GetLastError " + std::to_string(GetLastError()) + ")";
    } else {
        STARTUPINFOW si{};
        si.cb = sizeof(si);
        si.dwFlags = STARTF_USESTDHANDLES;
        si.hStdInput = we;
        si.hStdOutput = wy;
        si.hStdError = bl;
        PROCESS_INFORMATION pi{};
        std::wstring w = wiersz;
        const std::wstring kat = katalog.empty() ? std::wstring() : Szerokie(katalog);
        if (CreateProcessW(nullptr, w.data(), nullptr, nullptr, TRUE, 0, nullptr, kat.empty() ? nullptr : kat.c_str(),
                           &si, &pi)) {
            WaitForSingleObject(pi.hProcess, INFINITE);
            DWORD wynik = 0;
            if (GetExitCodeProcess(pi.hProcess, &wynik) && wynik != 0xFFFFFFFFu) {
                kod = static_cast<int>(wynik);
                ruszyl = true;
            } else {
                przyczyna = "proces skończył się bez kodu wyjścia programu";
            }
            CloseHandle(pi.hThread);
            CloseHandle(pi.hProcess);
        } else {
            przyczyna = "CreateProcessW: GetLastError " + std::to_string(GetLastError());
        }
    }
    for (HANDLE h : {we, wy, bl})
        if (h != INVALID_HANDLE_VALUE) CloseHandle(h);
    return ruszyl;
}

}  // namespace

// Program nigdy nie kończy się kodem -1 (0xFFFFFFFF): taki koniec albo nieudany start to
// zakłócenie środowiska (zdarzyło się pod Wine na obciążonej maszynie budowy), nie
// zachowanie programu, więc start jest powtarzany. Gdy zawiedzie każda próba, powód trafia
// do wyjścia błędów, żeby test go pokazał.
int Uruchom(const std::string& program, const std::vector<std::string>& argumenty, const std::string& katalog,
            const std::string& wyjscie, const std::string& bledy)
{
    std::wstring wiersz;
    DopiszArgument(wiersz, Szerokie(program));
    for (const auto& a : argumenty) {
        wiersz += L' ';
        DopiszArgument(wiersz, Szerokie(a));
    }
    int kod = -1;
    std::string przyczyny;
    for (int proba = 1; proba <= 3; ++proba) {
        std::string przyczyna;
        if (UruchomRaz(wiersz, katalog, wyjscie, bledy, kod, przyczyna)) return kod;
        przyczyny += "[uruchomienie testu, próba " + std::to_string(proba) + "] " + przyczyna + "\n";
        Sleep(200);
    }
    ZapiszPlik(SciezkaUtf8(bledy), CzytajPlik(SciezkaUtf8(bledy)) + przyczyny);
    return kod;
}

void UstawZmienna(const char* nazwa, const char* wartosc)
{
    // Pusta wartość usuwa zmienną: dla czytających środowisko to to samo co brak.
    _putenv_s(nazwa, wartosc ? wartosc : "");
}

}  // namespace testy
