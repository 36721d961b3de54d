// Plik roboczy z dysku: co jest plikiem roboczym, nieczytelne liczby, pamięć czytnika INI
// i katalog danych użytkownika bez HOME.
#include <gtest/gtest.h>
#include <pwd.h>
#include <sys/resource.h>
#include <unistd.h>

#include "Wspolne.h"
#include "persistence/Katalogi.h"
#include "persistence/PlikRoboczy.h"

namespace {

using namespace testy;

TEST(PlikRoboczy, PlikBezSekcjiPlikuRoboczegoJestOdrzucany)
{
    tKatalogTymczasowy k;
    const struct {
        const char* nazwa;
        std::string bajty;  // pusty: pliku nie ma
        std::string komunikat;
    } przypadki[] = {
        {"README.md", "# Pontiva\n\nOpis programu.\n", "To nie jest plik roboczy programu (brak sekcji INFO, OBIEKT, PP, PD i CALC): "},
        {"obraz.png", std::string("\x89PNG\r\n\x1a\n\0\0\0\rIHDR", 16), "To nie jest plik roboczy programu (brak sekcji INFO, OBIEKT, PP, PD i CALC): "},
        {"inny.ini", "[Ustawienia]\nJNI=1\n", "To nie jest plik roboczy programu (brak sekcji INFO, OBIEKT, PP, PD i CALC): "},
        {"brak.PTV", "", "Nie można odczytać pliku: "},
        {"wynik.PTV", "[calc]\nPTV=42\n", ""},
        {"pusty_pd.PTV", "[PD]\n", ""},
    };
    for (const auto& p : przypadki) {
        if (!p.bajty.empty()) ZapiszPlik(k / p.nazwa, p.bajty);
        tPlikIni ini;
        std::string komunikat;
        EXPECT_EQ(WczytajPlikRoboczy(k / p.nazwa, ini, komunikat), p.komunikat.empty()) << p.nazwa;
        EXPECT_EQ(komunikat, p.komunikat.empty() ? "" : p.komunikat + k / p.nazwa);
    }
}

TEST(PlikRoboczy, NieczytelneLiczbyJakWidziJeUzytkownik)
{
    const struct {
        const char* wiersze;
        std::vector<std::string> ostrzezenia;
    } przypadki[] = {
        {"[PD]\nL1=0\nL2=18 m\nL3=\n", {"[PD] L2 = \"18 m\": to nie liczba, przyjęto 0"}},
        {"[OBIEKT]\nPRZES=trzy\nSCHEM=2,0\nNORMA=99999999999\n",
         {"[OBIEKT] SCHEM = \"2,0\": to nie liczba, przyjęto 0", "[OBIEKT] PRZES = \"trzy\": to nie liczba, przyjęto 1",
          "[OBIEKT] NORMA = \"99999999999\": to nie liczba, przyjęto 0"}},
        {"[PP]\nN=4,7\nB=7.5\nA1=1e999\nG2=\n", {"[PP] A1 = \"1e999\": to nie liczba, przyjęto 0"}},
        {"[PP]\n[PD]\n", {}},
    };
    for (const auto& p : przypadki) {
        tPlikIni ini;
        ini.UstawZawartosc(p.wiersze);
        std::vector<tNieczytelnaLiczba> n;
        CzytajDanePliku(ini, &n);
        std::vector<std::string> opisy;
        for (const auto& x : n) opisy.push_back(OpisNieczytelnej(x));
        EXPECT_EQ(opisy, p.ostrzezenia) << p.wiersze;
    }
}

// Szczytowa pamięć procesu potomnego, który wczytuje plik jak "Wczytaj" (w kB).
long PamiecWczytania(const std::string& sciezka)
{
    const pid_t dziecko = fork();
    if (dziecko == 0) {
        tPlikIni ini;
        std::string komunikat;
        const bool wczytany = WczytajPlikRoboczy(sciezka, ini, komunikat);
        CzytajDanePliku(ini);
        _exit(wczytany ? 0 : 1);
    }
    int stan = 0;
    rusage zuzycie{};
    wait4(dziecko, &stan, 0, &zuzycie);
    return WIFEXITED(stan) && WEXITSTATUS(stan) == 0 ? zuzycie.ru_maxrss : -1;
}

TEST(PlikRoboczy, PamiecCzytnikaRosnieZPlikiemNieZLiczbaWierszy)
{
    tKatalogTymczasowy k;
    // 1 MiB samych końców wierszy (największy przyjmowany plik) i sekcja na końcu.
    ZapiszPlik(k / "puste.PTV", std::string(LimitPlikuRoboczego - 6, '\n') + "[PD]\r\n");
    const long kb = PamiecWczytania(k / "puste.PTV");
    ASSERT_GT(kb, 0);
    EXPECT_LT(kb, 50 * 1024);
}

TEST(Katalogi, BezHomeKatalogDomowyZBazyUzytkownikowNigdyWspolny)
{
    const passwd* uzytkownik = getpwuid(getuid());
    ASSERT_NE(uzytkownik, nullptr);
    const char* zmienne[] = {"HOME", "XDG_DATA_HOME"};
    std::string dawne[2];
    for (int i = 0; i < 2; ++i) dawne[i] = std::getenv(zmienne[i]) ? std::getenv(zmienne[i]) : "", UstawZmienna(zmienne[i], nullptr);
    EXPECT_EQ(KatalogDanychUzytkownika(), std::string(uzytkownik->pw_dir) + "/.local/share/pontiva");
    for (int i = 0; i < 2; ++i)
        if (!dawne[i].empty()) UstawZmienna(zmienne[i], dawne[i].c_str());
}

}  // namespace
