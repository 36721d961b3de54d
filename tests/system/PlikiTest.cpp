// Jedyny czytnik i jedyny zapis plików: czego nie przyjmują i co zostaje po błędzie.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include "PelnyDysk.h"
#include "Wspolne.h"
#include "system/Pliki.h"

namespace {

using namespace testy;

// Zapis przerwany jak przez kill -9: plik tymczasowy zapisany, brak zatwierdzenia. Stary:
// sprzed godziny; świeży wygląda jak plik innego zapisu tuż po utworzeniu, przed blokadą.
void PrzerwanyZapis(const std::string& cel, bool stary = true)
{
    if (fork() == 0) {
        auto* z = new tZapisAtomowy;
        z->Otworz(cel);
        z->Dopisz("niedokończony");
        _exit(0);
    }
    int stan = 0;
    wait(&stan);
    for (const auto& p : fs::directory_iterator(fs::path(cel).parent_path()))
        if (stary && p.path().filename().string().starts_with(".pontiva-"))
            fs::last_write_time(p.path(), fs::file_time_type::clock::now() - std::chrono::hours(1));
}

TEST(Czytnik, OdrzucaTeZKtorychNieDaSieCzytacPlikuISaZaDuze)
{
    tKatalogTymczasowy k;
    ZapiszPlik(k / "zwykly", "abc");
    ZapiszPlik(k / "duzy", std::string(LimitPlikuRoboczego + 1, 'x'));
    ASSERT_EQ(mkfifo((k / "fifo").c_str(), 0600), 0);
    const struct {
        std::string sciezka;
        tStanOdczytu stan;
        std::string komunikat;  // pusty: bez komunikatu
    } przypadki[] = {
        {k / "zwykly", tStanOdczytu::Przeczytany, ""},
        {k / "brak", tStanOdczytu::Brak, "Nie można odczytać pliku: " + k / "brak"},
        {k / "fifo", tStanOdczytu::Blad, "To nie jest zwykły plik: " + k / "fifo"},
        {k.Sciezka(), tStanOdczytu::Blad, "To nie jest zwykły plik: " + k.Sciezka()},
        {"/dev/zero", tStanOdczytu::Blad, "To nie jest zwykły plik: /dev/zero"},
        {k / "duzy", tStanOdczytu::Blad, "Plik jest za duży (ponad 1 MiB): " + k / "duzy"},
    };
    for (const auto& p : przypadki) {
        std::string bajty = "z poprzedniego odczytu", komunikat;
        alarm(10);  // kolejka FIFO bez piszącego nie może zawiesić czytania
        EXPECT_EQ(CzytajPlik(p.sciezka, LimitPlikuRoboczego, bajty, komunikat), p.stan) << p.sciezka;
        alarm(0);
        EXPECT_EQ(komunikat, p.komunikat);
        EXPECT_EQ(bajty, p.stan == tStanOdczytu::Przeczytany ? "abc" : "");
    }
}

// Wejście czytane wierszami: zwykły plik i kolejka FIFO, której piszący przychodzi później;
// CR LF, pusty wiersz, ostatni bez końca wiersza; wiersz ponad limit to błąd, nie ucięcie.
TEST(Czytnik, WierszeZPlikuIPotokuZGranicaDlugosci)
{
    tKatalogTymczasowy k;
    const std::string tresc = "a\r\nbb\n\nccc", dlugi(1024, 'x');
    ZapiszPlik(k / "plik", tresc);
    ZapiszPlik(k / "dlugi", "a\n" + dlugi + "\r\n" + dlugi + "y\nb\n");
    ASSERT_EQ(mkfifo((k / "fifo").c_str(), 0600), 0);
    if (fork() == 0) {
        usleep(100000);
        ZapiszPlik(k / "fifo", tresc);
        _exit(0);
    }
    const std::pair<std::string, std::vector<std::string>> przypadki[] = {
        {k / "plik", {"a", "bb", "", "ccc"}},
        {k / "fifo", {"a", "bb", "", "ccc"}},
        {k / "dlugi", {"a", dlugi, "!Wiersz dłuższy niż 1 KiB w pliku: " + k / "dlugi"}},
        {k / "brak", {"!Nie można odczytać pliku: " + k / "brak"}},
        {"/dev/zero", {"!To nie jest zwykły plik: /dev/zero"}},
    };
    for (const auto& [sciezka, oczekiwane] : przypadki) {
        tCzytnikWierszy c(1024);
        std::vector<std::string> wiersze;
        std::string w;
        auto stan = c.Otworz(sciezka) ? c.Nastepny(w) : tCzytnikWierszy::tStan::Blad;
        for (; stan == tCzytnikWierszy::tStan::Wiersz; stan = c.Nastepny(w)) wiersze.push_back(w);
        if (stan == tCzytnikWierszy::tStan::Blad) wiersze.push_back("!" + c.Komunikat());
        EXPECT_EQ(wiersze, oczekiwane) << sciezka;
    }
    wait(nullptr);
}

TEST(Zapis, ZastepujeCelAtomowoIOdmawiaTamGdzieNiePowinienPisac)
{
    tKatalogTymczasowy k;
    ZapiszPlik(k / "cel", "stary");
    ASSERT_EQ(symlink("cel", (k / "dowiazanie").c_str()), 0);
    ASSERT_EQ(symlink("petla", (k / "petla").c_str()), 0);
    ZapiszPlik(k / "tylko", "stary");
    chmod((k / "tylko").c_str(), 0444);
    const std::string dluga = std::string(250, 'n');
    const struct {
        std::string sciezka, czytany;  // zapisywany i plik, który ma dostać "nowy"
        bool zapisany;
        std::string komunikat;
    } przypadki[] = {
        {k / "nowy", k / "nowy", true, ""},
        {k / dluga, k / dluga, true, ""},
        {k / "dowiazanie", k / "cel", true, ""},
        {k / "tylko", k / "tylko", false, "Plik jest tylko do odczytu: " + k / "tylko"},
        {k.Sciezka(), "", false, "Nie można zapisać pliku: " + k.Sciezka() + " (to jest katalog)"},
        {"/dev/full", "", false, "To nie jest zwykły plik: /dev/full"},
        {k / "petla", "", false, "To nie jest zwykły plik: " + k / "petla" + " (pętla dowiązań symbolicznych)"},
        {k / "brak/plik", "", false, "Nie można zapisać pliku: " + k / "brak/plik" + " (nie ma takiego katalogu)"},
    };
    for (const auto& p : przypadki) {
        std::string komunikat;
        EXPECT_EQ(ZapiszPlik(p.sciezka, "nowy", komunikat), p.zapisany) << p.sciezka;
        EXPECT_EQ(komunikat, p.komunikat);
        if (!p.czytany.empty()) EXPECT_EQ(CzytajPlik(p.czytany), p.zapisany ? "nowy" : "stary") << p.czytany;
    }
    EXPECT_TRUE(fs::is_symlink(k / "dowiazanie"));
    EXPECT_TRUE(fs::is_symlink(k / "petla"));
    // Same pliki celów: żaden zapis nie zostawił pliku tymczasowego.
    EXPECT_EQ(std::distance(fs::directory_iterator(k.Sciezka()), fs::directory_iterator()), 6);
}

TEST(Zapis, PrzerwanyZapisZostawiaStaryPlikANastepnySprzata)
{
    tKatalogTymczasowy k;
    ZapiszPlik(k / "cel", "stary");
    PrzerwanyZapis(k / "cel");
    PrzerwanyZapis(k / "cel", false);
    EXPECT_EQ(CzytajPlik(k / "cel"), "stary");
    EXPECT_EQ(std::distance(fs::directory_iterator(k.Sciezka()), fs::directory_iterator()), 3);
    tZapisAtomowy trwajacy;  // zapis tego samego celu w toku (drugie okno): jego plik zostaje
    ASSERT_TRUE(trwajacy.Otworz(k / "cel"));
    trwajacy.Dopisz("równoległy");
    std::string komunikat;
    ASSERT_TRUE(ZapiszPlik(k / "cel", "nowy", komunikat));
    // Znika tylko stary porzucony plik; świeży i trwający zostają.
    EXPECT_EQ(std::distance(fs::directory_iterator(k.Sciezka()), fs::directory_iterator()), 3);
    EXPECT_TRUE(trwajacy.Zatwierdz());
    EXPECT_EQ(CzytajPlik(k / "cel"), "równoległy");
    EXPECT_EQ(std::distance(fs::directory_iterator(k.Sciezka()), fs::directory_iterator()), 2);
    // Plik tymczasowy usunięty mimo to (inny program): późniejszy zapis mówi dlaczego.
    tZapisAtomowy ofiara;
    ASSERT_TRUE(ofiara.Otworz(k / "cel"));
    for (const auto& p : fs::directory_iterator(k.Sciezka()))
        if (p.path().filename() != "cel") fs::remove(p.path());
    EXPECT_FALSE(ofiara.Zatwierdz());
    EXPECT_EQ(ofiara.Komunikat(), "Nie można zapisać pliku: " + k / "cel" + " (plik tymczasowy usunął w trakcie zapisu inny program)");
}

// Plik dopisywany kawałkami, razem większy niż porcja zapisu: każdy bajt raz, w kolejności.
TEST(Zapis, PlikWiekszyNizPorcjaZapisuBajtWBajt)
{
    tKatalogTymczasowy k;
    tZapisAtomowy z;
    ASSERT_TRUE(z.Otworz(k / "cel"));
    std::string calosc;
    for (char c : {'a', 'b', 'c', 'd'}) {
        z.Dopisz(std::string(40000, c));
        calosc += std::string(40000, c);
    }
    ASSERT_TRUE(z.Zatwierdz());
    EXPECT_EQ(CzytajPlik(k / "cel"), calosc);
}

TEST(Zapis, PelnyDyskZostawiaStaryPlikBezPlikuTymczasowego)
{
    tPelnyDysk dysk;
    if (!dysk.Powod().empty()) GTEST_SKIP() << dysk.Powod();
    ZapiszPlik(dysk / "cel", "stary");
    std::string komunikat;
    EXPECT_FALSE(ZapiszPlik(dysk / "cel", std::string(64 * 1024, 'x'), komunikat));
    EXPECT_EQ(komunikat, "Nie można zapisać pliku: " + dysk / "cel" + " (brak miejsca na dysku)");
    EXPECT_EQ(CzytajPlik(dysk / "cel"), "stary");
    EXPECT_EQ(dysk.Pliki(), std::vector<std::string>{"cel"});
}

}  // namespace
