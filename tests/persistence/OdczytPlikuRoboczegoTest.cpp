// Plik roboczy z dysku: co jest plikiem roboczym, ostrzeżenia odczytu, pamięć czytnika INI
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
    };
    for (const auto& p : przypadki) {
        if (!p.bajty.empty()) ZapiszPlik(k / p.nazwa, p.bajty);
        tPlikIni ini;
        std::string komunikat;
        EXPECT_EQ(WczytajPlikRoboczy(k / p.nazwa, ini, komunikat), p.komunikat.empty()) << p.nazwa;
        EXPECT_EQ(komunikat, p.komunikat.empty() ? "" : p.komunikat + k / p.nazwa);
    }
}

// Plik jak zapisany przez program (belka ciągła, 3 przęsła: wiersze L1…L5) z podmianami
// tekstu; pusta pierwsza część podmiany dopisuje drugą na końcu pliku.
std::string PlikZPodmianami(const std::vector<std::pair<std::string, std::string>>& podmiany)
{
    std::string t = "[INFO]\nJNI=12345678\nNRP=1\nDro=7\nKm=\nNajblizsza=\nPrzeszkoda=\n[OBIEKT]\nSCHEM=2\nPRZES=3\n"
                    "NORMA=5\nKLASA=1\nRODZA=0\n[PP]\nA1=0,5\nA2=0,5\nB=7\nBB=8,4\nC1=1,5\nC2=1,5\nE1=1,3\nE2=1,3\n"
                    "K1=0\nK2=0\nP=0\nG=0\nG2=0\nN=5\n[PD]\nL1=0\nL2=12\nL3=15\nL4=12\nL5=0\n[CALC]\nPTV=42\n";
    for (const auto& [z, na] : podmiany) z.empty() ? (void)(t += na) : (void)t.replace(t.find(z), z.size(), na);
    return t;
}

// Odczyt niczego nie dopowiada bez słowa: tekst, który nie jest liczbą, pusta wartość i brak
// klucza, który zapis zawsze pisze, klucz i sekcja podane drugi raz, wiersze PD niezgodne
// z liczbą przęseł. INFO jest opcjonalna, a klucze i sekcje, których odczyt nie czyta, obojętne.
TEST(PlikRoboczy, OdczytOstrzegaOWszystkimCoDopowiada)
{
    const struct {
        std::vector<std::pair<std::string, std::string>> podmiany;
        std::vector<std::string> ostrzezenia;
    } przypadki[] = {
        {{}, {}},
        {{{"L2=12", "L2=18 m"}, {"A1=0,5", "A1=1e999"}, {"N=5", "N=4,7"}, {"B=7\n", "B=7.5\n"}},
         {"[PP] A1 = \"1e999\": to nie liczba, przyjęto 0", "[PD] L2 = \"18 m\": to nie liczba, przyjęto 0"}},
        {{{"PRZES=3", "PRZES=trzy"}}, {"[OBIEKT] PRZES = \"trzy\": to nie liczba, przyjęto 1"}},
        {{{"KLASA=1", "KLASA="}, {"B=7\n", "B= \n"}},
         {"[OBIEKT] KLASA = \"\": pusta wartość, przyjęto 0", "[PP] B = \"\": pusta wartość, przyjęto 0"}},
        {{{"KLASA=1\n", ""}, {"L5=0\n", ""}}, {"[OBIEKT] KLASA: brak klucza, przyjęto 0", "[PD] L5: brak klucza, przyjęto 0"}},
        {{{"NORMA=5\n", "NORMA=5\nnorma=3\n"}, {"JNI=12345678\n", "JNI=12345678\nJNI=87654321\n"}},
         {"[INFO] JNI = \"87654321\": klucz podany drugi raz, przyjęto \"12345678\"",
          "[OBIEKT] NORMA = \"3\": klucz podany drugi raz, przyjęto 5"}},
        {{{"", "[OBIEKT]\nKLASA=2\n"}}, {"[OBIEKT]: sekcja podana drugi raz, przyjęto pierwszą"}},
        {{{"", PlikZPodmianami({})}},  // dwa pliki sklejone w jeden
         {"[INFO]: sekcja podana drugi raz, przyjęto pierwszą", "[OBIEKT]: sekcja podana drugi raz, przyjęto pierwszą",
          "[PP]: sekcja podana drugi raz, przyjęto pierwszą", "[PD]: sekcja podana drugi raz, przyjęto pierwszą"}},
        {{{"PRZES=3", "PRZES=2"}}, {"[PD] L5 = \"0\": wiersz poza schematem (L1…L4), pominięty"}},
        {{{"SCHEM=2", "SCHEM=0"}},  // belka: trzy wiersze
         {"[PD] L4 = \"12\": wiersz poza schematem (L1…L3), pominięty",
          "[PD] L5 = \"0\": wiersz poza schematem (L1…L3), pominięty"}},
        // Schemat spoza listy: o wierszach decyduje dopiero okno (i odmawia samego schematu).
        {{{"SCHEM=2", "SCHEM=7"}}, {}},
        {{{"Km=\n", ""}, {"[INFO]", "[Inne]"}, {"", "[OBIEKT]\nObcy=1\n[CALC]\nPTV=1\n"}}, {}},
    };
    for (const auto& p : przypadki) {
        tPlikIni ini;
        ini.UstawZawartosc(PlikZPodmianami(p.podmiany));
        std::vector<tNieczytelnaLiczba> n;
        CzytajDanePliku(ini, &n);
        std::vector<std::string> opisy;
        for (const auto& x : n) opisy.push_back(OpisNieczytelnej(x));
        EXPECT_EQ(opisy, p.ostrzezenia) << PlikZPodmianami(p.podmiany);
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
        std::vector<tNieczytelnaLiczba> ostrzezenia;
        CzytajDanePliku(ini, &ostrzezenia);
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
    // 1 MiB (największy przyjmowany plik) samych końców wierszy albo powtórzeń jednego klucza.
    ZapiszPlik(k / "puste.PTV", std::string(LimitPlikuRoboczego - 6, '\n') + "[PD]\r\n");
    std::string klucze = "[PD]\n";
    while (klucze.size() + 5 < LimitPlikuRoboczego) klucze += "L1=0\n";
    ZapiszPlik(k / "klucze.PTV", klucze);
    for (const char* plik : {"puste.PTV", "klucze.PTV"}) {
        const long kb = PamiecWczytania(k / plik);
        EXPECT_TRUE(kb > 0 && kb < 50 * 1024) << plik << ": " << kb << " kB";
    }
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
