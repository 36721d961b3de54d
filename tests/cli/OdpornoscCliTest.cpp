// pontiva-cli wobec złego wejścia i wyjścia: pełne standardowe wyjście, pliki, które nie
// są plikami roboczymi, pusty katalog, wyjście na plik wejściowy, formuły w CSV.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/ioctl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "Wspolne.h"

namespace {

using namespace testy;

const std::string Przyklady = std::string(PONTIVA_KATALOG_ZRODEL) + "/przyklady";
const std::string Belka = Przyklady + "/belka.PTV";

// Kod wyjścia i wyjście błędów pontiva-cli ze standardowym wyjściem na /dev/full.
tWynikCli NaPelneWyjscie(const std::vector<std::string>& argumenty)
{
    tKatalogTymczasowy tmp;
    std::string polecenie = WCudzyslowie(PONTIVA_CLI);
    for (const auto& a : argumenty) polecenie += " " + WCudzyslowie(a);
    const int stan = std::system((polecenie + " </dev/null >/dev/full 2>" + WCudzyslowie(tmp / "bl")).c_str());
    return {WIFEXITED(stan) ? WEXITSTATUS(stan) : -1, "", CzytajPlik(tmp / "bl")};
}

TEST(Cli, BladZapisuStandardowegoWyjsciaToKod2)
{
    for (const auto& polecenie : {std::vector<std::string>{"oblicz", Przyklady}, {"slad", Belka}, {"normy", Belka}}) {
        const auto w = NaPelneWyjscie(polecenie);
        EXPECT_EQ(w.Kod, 2) << polecenie[0];
        EXPECT_EQ(w.Bledy, "pontiva-cli: błąd zapisu na standardowe wyjście\n") << polecenie[0];
    }
}

// Program zabity w trakcie zapisu na pełny potok zostawia tylko całe rekordy: wiersze JSON
// oblicz i wiersze CSV rejestru (każdy krótszy niż 4 KiB, więc zapis rekordu na potok jest
// niepodzielny), każdy taki sam jak w pełnym wyjściu.
TEST(Cli, ZabityWTrakcieZapisuZostawiaCaleRekordy)
{
    tKatalogTymczasowy k;
    for (int i = 0; i < 200; ++i) fs::copy_file(Belka, k / ("m" + std::to_string(1000 + i) + ".PTV"));
    for (const auto& argumenty : {std::vector<std::string>{"oblicz", "--format", "json", k.Sciezka()}, {"rejestr", k.Sciezka()}}) {
        int potok[2];
        ASSERT_EQ(pipe(potok), 0);
        fcntl(potok[1], F_SETPIPE_SZ, 4096);
        const pid_t dziecko = fork();
        if (dziecko == 0) {
            dup2(potok[1], 1);
            close(potok[0]);
            std::vector<char*> a{const_cast<char*>(PONTIVA_CLI)};
            for (const auto& s : argumenty) a.push_back(const_cast<char*>(s.c_str()));
            a.push_back(nullptr);
            execv(PONTIVA_CLI, a.data());
            _exit(127);
        }
        close(potok[1]);
        // Czekamy, aż potok się zapełni i program stanie na zapisie, wtedy go zabijamy.
        int w = 0, poprzednio = -1;
        for (int i = 0; i < 2000 && (w == 0 || w != poprzednio); ++i) {
            poprzednio = w;
            usleep(5000);
            ioctl(potok[0], FIONREAD, &w);
        }
        kill(dziecko, SIGKILL);
        waitpid(dziecko, nullptr, 0);
        std::string wyjscie;
        char bufor[4096];
        for (ssize_t n; (n = read(potok[0], bufor, sizeof bufor)) > 0;) wyjscie.append(bufor, static_cast<size_t>(n));
        close(potok[0]);
        ASSERT_FALSE(wyjscie.empty()) << argumenty[0];
        EXPECT_EQ(wyjscie.back(), '\n') << argumenty[0];
        const auto pelne = Wiersze(UruchomCli(argumenty).Wyjscie);
        for (const auto& wiersz : Wiersze(wyjscie))
            EXPECT_NE(std::find(pelne.begin(), pelne.end(), wiersz), pelne.end()) << wiersz;
    }
}

// Zapis ponad limit wielkości pliku (ulimit -f): polski komunikat i kod 2 zamiast śmierci od
// sygnału, bez pliku tymczasowego.
TEST(Cli, LimitWielkosciPlikuToBladZapisu)
{
    tKatalogTymczasowy k;
    for (int i = 0; i < 20; ++i) fs::copy_file(Belka, k / ("m" + std::to_string(i) + ".PTV"));
    const std::pair<std::string, std::string> przypadki[] = {
        {"rejestr . -o z.csv", "pontiva-cli: Nie można zapisać pliku: z.csv (plik przekroczyłby największą wielkość "
                               "dozwoloną w systemie)\n"},
        {"oblicz --format json . > z.json", "pontiva-cli: błąd zapisu na standardowe wyjście\n"},
    };
    for (const auto& [polecenie, bledy] : przypadki) {
        const std::string skrypt = "cd " + WCudzyslowie(k.Sciezka()) + " && ulimit -f 1 && exec " +
                                   WCudzyslowie(PONTIVA_CLI) + " " + polecenie + " 2>" + WCudzyslowie(k / "bl");
        const int stan = std::system(("sh -c " + WCudzyslowie(skrypt)).c_str());
        EXPECT_EQ(WIFEXITED(stan) ? WEXITSTATUS(stan) : -1, 2) << polecenie;
        EXPECT_EQ(CzytajPlik(k / "bl"), bledy);
    }
    for (const auto& p : fs::directory_iterator(k.Sciezka()))
        EXPECT_FALSE(p.path().filename().string().starts_with(".pontiva-")) << p.path();
}

// Wyjątek nie wychodzi z programu: przy braku pamięci polski komunikat i kod 2. Granica
// pamięci to najmniejsza, przy której sprawdz małego pliku kończy się normalnie.
TEST(Cli, BrakPamieciToPolskiKomunikatIKod2)
{
    tKatalogTymczasowy k;
    ZapiszPlik(k / "maly.rtf", "{\\rtf1\n}");
    ZapiszPlik(k / "duzy.rtf", std::string(std::size_t{7} << 20, '\n'));
    auto sprawdz = [&](long kb, const char* plik) {
        const std::string polecenie = "ulimit -v " + std::to_string(kb) + "; exec " + WCudzyslowie(PONTIVA_CLI) +
                                      " sprawdz " + WCudzyslowie(k / plik) + " >/dev/null 2>" + WCudzyslowie(k / "bl");
        const int stan = std::system(("sh -c " + WCudzyslowie(polecenie)).c_str());
        return tWynikCli{WIFEXITED(stan) ? WEXITSTATUS(stan) : -1, "", CzytajPlik(k / "bl")};
    };
    long kb = 2000;
    while (kb < 400000 && sprawdz(kb, "maly.rtf").Bledy.find("czytelny raport") == std::string::npos) kb += 1000;
    ASSERT_LT(kb, 400000);
    const auto w = sprawdz(kb, "duzy.rtf");
    EXPECT_EQ(w.Kod, 2);
    EXPECT_EQ(w.Bledy, "pontiva-cli: za mało pamięci, polecenie przerwane\n");
}

TEST(Cli, WejscieKtoreNieJestPlikiemRoboczymAlboKatalogBezPlikow)
{
    tKatalogTymczasowy k;
    ZapiszPlik(k / "README.md", "# Opis\n");
    fs::create_directory(k / "pusty");
    fs::create_directory(k / "dziwne");
    fs::copy_file(Belka, k / "dziwne/a.PTV");
    fs::create_symlink("nie-ma.PTV", k / "dziwne/b.PTV");
    mkfifo((k / "dziwne/c.PTV").c_str(), 0600);
    const struct {
        std::vector<std::string> argumenty;
        int kod;
        size_t wierszeCsv;  // z nagłówkiem
        std::string bledy;
    } przypadki[] = {
        {{"README.md", Belka}, 2, 2,
         "pontiva-cli: To nie jest plik roboczy programu (brak sekcji INFO, OBIEKT, PP, PD i CALC): README.md\n"},
        {{"pusty"}, 2, 1, "pontiva-cli: w katalogu nie ma plików roboczych *.PTV: pusty\n"},
        // Wpis, którego nie da się przeczytać, nie znika z oceny po cichu; pozostałe są ocenione.
        {{"dziwne"}, 2, 2,
         "pontiva-cli: Nie można odczytać pliku: dziwne/b.PTV\npontiva-cli: To nie jest zwykły plik: dziwne/c.PTV\n"},
    };
    for (const auto& p : przypadki) {
        std::vector<std::string> a = {"oblicz", "--format", "csv"};
        a.insert(a.end(), p.argumenty.begin(), p.argumenty.end());
        const auto w = UruchomCli(a, k.Sciezka());
        EXPECT_EQ(w.Kod, p.kod) << p.argumenty[0];
        EXPECT_EQ(Wiersze(w.Wyjscie).size(), p.wierszeCsv) << p.argumenty[0];
        EXPECT_EQ(w.Bledy, p.bledy);
    }
}

// Każde polecenie, które pisze plik, odmawia pliku wejściowego, także przez dowiązanie
// (zestawienie na dowiązaniu do pliku roboczego katalogu).
TEST(Cli, WyjscieNaPlikWejsciowyOdrzucone)
{
    tKatalogTymczasowy k;
    ZapiszPlik(k / "most.PTV", CzytajPlik(Belka));
    fs::create_symlink("most.PTV", k / "z.csv");
    const std::vector<std::string> polecenia[] = {
        {"raport", "most.PTV", "-o", "./most.PTV"}, {"normy", "most.PTV", "--wykres", "z.csv"}, {"rejestr", ".", "-o", "z.csv"}};
    for (const auto& a : polecenia) {
        const auto w = UruchomCli(a, k.Sciezka());
        EXPECT_EQ(w.Kod, 2) << a[0];
        EXPECT_EQ(w.Bledy, std::string(a[0] == "rejestr" ? "pontiva-cli: " : "") + "Plik wyjściowy jest plikiem wejściowym: " + a.back() + "\n");
        EXPECT_EQ(CzytajPlik(k / "most.PTV"), CzytajPlik(Belka));
    }
}

// roznice czyta ocenę z potoku (podstawienie procesu powłoki), nie tylko ze zwykłego pliku.
TEST(Cli, RozniceZPotoku)
{
    tKatalogTymczasowy k;
    const std::string cli = WCudzyslowie(PONTIVA_CLI), przyklady = WCudzyslowie(Przyklady);
    const std::string skrypt = cli + " roznice <(" + cli + " oblicz --format json " + przyklady + ") " + przyklady + " >" +
                               WCudzyslowie(k / "wy") + " 2>" + WCudzyslowie(k / "bl");
    const int stan = std::system(("bash -c " + WCudzyslowie(skrypt)).c_str());
    EXPECT_EQ(WIFEXITED(stan) ? WEXITSTATUS(stan) : -1, 0) << CzytajPlik(k / "bl");
    EXPECT_EQ(CzytajPlik(k / "wy"), "Różnice: zmienione 0, tylko w starym 0, tylko w nowym 0, bez zmian 8\n");
}

// Ścieżki i opcje z wiersza poleceń trafiają do komunikatów każdego polecenia oczyszczone jedną
// regułą: znaki sterujące jako "?", bajty spoza UTF-8 jako U+FFFD.
TEST(Cli, SciezkiWKomunikatachBezZnakowSterujacych)
{
    tKatalogTymczasowy k;
    const std::string zla = "x\x1b[2J\x07\xff", czysta = "x?[2J?\xEF\xBF\xBD";
    fs::create_directory(k / zla);
    fs::copy_file(Belka, k / (zla + "/m.PTV"));
    const std::pair<std::vector<std::string>, std::string> przypadki[] = {
        {{"oblicz", "b" + zla}, "pontiva-cli: nie można odczytać pliku ani katalogu: b" + czysta + "\n"},
        {{"rejestr", "b" + zla}, "pontiva-cli: nie można odczytać katalogu: b" + czysta + "\n"},
        {{"rejestr", "--" + zla, zla}, "pontiva-cli: nieznana opcja \"--" + czysta + "\"\nUżycie: pontiva-cli rejestr KATALOG "
                                       "[-o ZESTAWIENIE.rtf|.csv] [--ponizej T] [--separator ,|.]\n"},
        {{"rejestr", zla, "-o", "b" + zla + "/z.csv"}, "pontiva-cli: Nie można zapisać pliku: b" + czysta + "/z.csv (nie ma takiego katalogu)\n"},
        {{"rejestr", zla, "-o", zla + "/z.csv"}, "Zestawienie zapisane: " + czysta + "/z.csv (obiektów: 1)\n"},
        {{"roznice", "b" + zla, zla}, "pontiva-cli: Nie można odczytać pliku: b" + czysta + "\n"},
        {{"sprawdz", "b" + zla}, "Nie można odczytać pliku: b" + czysta + "\n"},
    };
    for (const auto& [argumenty, komunikat] : przypadki) {
        const auto w = UruchomCli(argumenty, k.Sciezka());
        EXPECT_EQ(w.Wyjscie + w.Bledy, komunikat) << argumenty[0];
    }
}

// Raport i porównanie stoją na danych, jak je zapisano: plik, którego wartość wczytanie
// zmieniło, jest odrzucany bez zapisu pliku, a komunikat nazywa klucz.
TEST(Cli, RaportINormyOdmawiajaPlikuZmienionegoPrzyWczytaniu)
{
    tKatalogTymczasowy k;
    // Zmienioną wartość wykrywa i nazywa czytnik (testy przebiegu); tu: oba polecenia odmawiają.
    std::string most = CzytajPlik(Belka);
    ZapiszPlik(k / "litera.PTV", most.replace(most.find("L2=18"), 5, "L2=18m"));
    const std::string bledy = "pontiva-cli: litera.PTV: [PD] L2 = \"18m\": to nie liczba, przyjęto 0\n"
                              "pontiva-cli: Plik nie jest podstawą oceny: wczytanie zmieniło wartość [PD] L2\n";
    for (const auto& a : {std::vector<std::string>{"raport", "litera.PTV", "-o", "r.rtf"},
                          {"normy", "litera.PTV", "--wykres", "w.svg"}}) {
        const auto w = UruchomCli(a, k.Sciezka());
        EXPECT_EQ(w.Kod, 1) << a[0];
        EXPECT_EQ(w.Wyjscie, "");
        EXPECT_EQ(w.Bledy, bledy);
        EXPECT_FALSE(fs::exists(k / a[3])) << a[3];
    }
}

TEST(Cli, TekstZFormulaArkuszaZApostrofemLiczbyBezZmian)
{
    tKatalogTymczasowy k;
    std::string most = CzytajPlik(Belka);
    most.replace(most.find("JNI=12010001"), 12, "JNI=@SUMA(A1)");
    most.replace(most.find("NRP=1"), 5, "NRP=-1+2");
    ZapiszPlik(k / "=HIPERLACZE.PTV", most);
    const auto w = UruchomCli({"oblicz", "--format", "csv", "--separator", ",", "=HIPERLACZE.PTV"}, k.Sciezka());
    const std::string oczekiwany = "'=HIPERLACZE.PTV;'@SUMA(A1);'-1+2;5;1;0;0;64,6228741496599;";
    EXPECT_EQ(Wiersze(w.Wyjscie).at(1).substr(0, oczekiwany.size()), oczekiwany);
}

}  // namespace
