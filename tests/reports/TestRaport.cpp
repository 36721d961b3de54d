#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <functional>

#include "MostTestowy.h"
#include "common/Slad.h"
#include "core/InfoObiektu.h"
#include "core/Nazwy.h"
#include "core/Przeliczenie.h"
#include "reports/Raport.h"
#include "reports/SprawdzRaport.h"
#include "reports/VanRTF.h"

namespace {

using testy::Wczytaj;
using testy::Wiersze;

const std::string Dzis = "06.12.2026";
const std::filesystem::path Wzorce = std::filesystem::path(PONTIVA_DANE_TESTOWE) / "raporty";

class RaportTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        katalog = testy::KatalogTymczasowy(::testing::UnitTest::GetInstance()->current_test_info()->name());
        UstawKomunikatyRtf([this](const std::string& t, const std::string& k) { komunikatyRtf.push_back(t + "|" + k); });
        okno = testy::Most(katalog);
    }
    void TearDown() override { UstawKomunikatyRtf(nullptr); }

    std::function<void(tObiektMostowy&)> Wypelnij()
    {
        return [this](tObiektMostowy& o) { PobierzDane(okno->Widok, o); };
    }
    std::unique_ptr<tObiektMostowy> Policzony()
    {
        auto o = std::make_unique<tObiektMostowy>();
        PobierzDane(okno->Widok, *o);
        EXPECT_TRUE(SprawdzIOblicz(*o).Poprawne());
        return o;
    }
    std::string Raport(const tObiektMostowy& o, const tInfoObiektu& i, const std::string& dzis = Dzis)
    {
        const auto plik = (katalog / "r.rtf").string();
        EXPECT_TRUE(UtworzRaport(o, i.JNI, i.NrP, i.Droga, i.Km, i.Najblizsza, i.Przeszkoda, plik, dzis));
        return Wczytaj(plik);
    }

    testy::Separator separator{','};
    std::filesystem::path katalog;
    std::vector<std::string> komunikatyRtf;
    std::unique_ptr<testy::tOknoTestowe> okno;
};

TEST_F(RaportTest, WzorcowyRaportBajtPoBajcie)
{
    tInfoObiektu info = okno->Przebieg.Info();
    const auto plik = (katalog / "12345678@2.RTF").string();
    auto wynik = RaportDoPliku(info, Wypelnij(), plik, Dzis);
    ASSERT_TRUE(wynik.Zapisany) << wynik.Komunikat;
    const auto wzorzec = Wzorce / "12345678@2.RTF";
    if (std::getenv("PONTIVA_NOWE_WZORCE")) testy::Zapisz(wzorzec, Wczytaj(plik));
    EXPECT_EQ(Wczytaj(plik), Wczytaj(wzorzec)) << "różnica z " << wzorzec;

    // Wynik raportu to wynik okna dla tego samego mostu.
    const std::string nosnosc = "{\\f11\\fs20\\b\\cf1 " + TekstNosnosci(okno->Przebieg.Obiekt()) + "\\par }";
    const auto w = Wiersze(Wczytaj(plik));
    auto etykieta = std::find(w.begin(), w.end(), "{\\f11\\fs20\\cf1 Obliczona Pontiva obiektu mostowego  [T] :  }");
    ASSERT_NE(etykieta, w.end());
    EXPECT_EQ(*(etykieta + 1), nosnosc);
    EXPECT_EQ(okno->Widok.Wyniki.Kategoria, " 42 [T]");
}

TEST_F(RaportTest, KodKontrolnyZalezyOdDanychTabelIdentyfikacjiIWyniku)
{
    const auto bazowy = Policzony();
    const tInfoObiektu bazoweInfo = okno->Przebieg.Info();
    const std::string kod = SprawdzRaport(Raport(*bazowy, bazoweInfo)).KodWydrukowany;
    ASSERT_EQ(kod.size(), 32u);

    using tZmiana = std::function<void(tObiektMostowy&, tInfoObiektu&, std::string&)>;
    struct Przypadek {
        const char* co;
        tZmiana zmiana;
        bool zmieniaKod;
    };
    const Przypadek przypadki[] = {
        {"a1", [](auto& o, auto&, auto&) { o.a1 = 0.6; }, true},
        {"a2", [](auto& o, auto&, auto&) { o.a2 = 0.4; }, true},
        {"b", [](auto& o, auto&, auto&) { o.b = 7.01; }, true},
        {"B", [](auto& o, auto&, auto&) { o.B = 9.1; }, true},
        {"c1", [](auto& o, auto&, auto&) { o.c1 = 1.4; }, true},
        {"c2", [](auto& o, auto&, auto&) { o.c2 = 1.6; }, true},
        {"e1", [](auto& o, auto&, auto&) { o.e1 = 0.9; }, true},
        {"e2", [](auto& o, auto&, auto&) { o.e2 = 1.1; }, true},
        {"n", [](auto& o, auto&, auto&) { o.n = 6; }, true},
        {"normatyw", [](auto& o, auto&, auto&) { o.Normatyw = nNormatyw1952; }, true},
        {"klasa", [](auto& o, auto&, auto&) { o.Klasa = 1; }, true},
        {"schemat", [](auto& o, auto&, auto&) { o.Schemat = sRamaWieloprzeslowa; }, true},
        {"przekrój", [](auto& o, auto&, auto&) { o.Przekroj = pWielodzwigaroweZBarierami; }, true},
        {"rozpiętość", [](auto& o, auto&, auto&) { o.Elementy[2].Dlugosc = 15.01; }, true},
        {"liczba elementów", [](auto& o, auto&, auto&) { o.LiczbaElementow = 2; }, true},
        {"nośność", [](auto& o, auto&, auto&) { o.MasaGraniczna = 41.99; }, true},
        {"JNI", [](auto&, auto& i, auto&) { i.JNI = "12345679"; }, true},
        {"pierwsze przęsło", [](auto&, auto& i, auto&) { i.NrP = "3"; }, true},
        {"nośność poniżej setnych", [](auto& o, auto&, auto&) { o.MasaGraniczna += 0.001; }, false},
        {"droga", [](auto&, auto& i, auto&) { i.Droga = "DK8"; }, false},
        {"kilometraż", [](auto&, auto& i, auto&) { i.Km = "1+000"; }, false},
        {"miejscowość", [](auto&, auto& i, auto&) { i.Najblizsza = "Kraków"; }, false},
        {"przeszkoda", [](auto&, auto& i, auto&) { i.Przeszkoda = "{rów}\\"; }, false},
        {"data", [](auto&, auto&, auto& d) { d = "07.12.2026"; }, false},
        {"ślad", [](auto&, auto&, auto&) { SladDodaj("dopisany wiersz śladu"); }, false},
        {"niedrukowane P i g1", [](auto& o, auto&, auto&) { o.P = 3; o.g1 = 1; }, false},
    };
    for (const auto& p : przypadki) {
        auto o = std::make_unique<tObiektMostowy>(*bazowy);
        tInfoObiektu info = bazoweInfo;
        std::string dzis = Dzis;
        p.zmiana(*o, info, dzis);
        const auto sprawdzenie = SprawdzRaport(Raport(*o, info, dzis));
        EXPECT_EQ(sprawdzenie.Stan, tStanRaportu::Zgodny) << p.co;
        EXPECT_EQ(sprawdzenie.KodWydrukowany != kod, p.zmieniaKod) << p.co;
    }
    // Sama liczba elementów, przy tych samych wierszach tabel.
    EXPECT_NE(KodKontrolny(TekstKontrolny("12345678", "2", 3, {"x;"}, "42,00")),
              KodKontrolny(TekstKontrolny("12345678", "2", 4, {"x;"}, "42,00")));
}

TEST_F(RaportTest, SprawdzenieOdrzucaZmienionaTresc)
{
    const std::string raport = Raport(*Policzony(), okno->Przebieg.Info());
    ASSERT_EQ(SprawdzRaport(raport).Stan, tStanRaportu::Zgodny);
    struct Podmiana {
        std::string z, na;
        tStanRaportu stan;
    };
    const Podmiana podmiany[] = {
        {"\\b\\cf1 42,00\\par }", "\\b\\cf1 43,00\\par }", tStanRaportu::Niezgodny},
        {"JNI                : 12345678", "JNI                : 12345670", tStanRaportu::Niezgodny},
        {"JNI: 12345678\\par", "JNI: 12345670\\par", tStanRaportu::Zgodny},  // nagłówek strony
        {"{\\f11\\fs20\\cf1 0,50 / 0,50 \\cell}", "{\\f11\\fs20\\cf1 0,50 / 0,60 \\cell}", tStanRaportu::Niezgodny},
        {" 12,00 15,00 12,00\\cell}", " 12,00 15,00\\cell}", tStanRaportu::Niezgodny},
        {"DK7\\par", "DK8\\par", tStanRaportu::Zgodny},
        {"MAC [", "MAK [", tStanRaportu::Nieczytelny},
        {"{\\rtf1", "{\\rtf2", tStanRaportu::Nieczytelny},
    };
    for (const auto& p : podmiany) {
        std::string zmieniony = raport;
        const size_t gdzie = zmieniony.find(p.z);
        ASSERT_NE(gdzie, std::string::npos) << p.z;
        zmieniony.replace(gdzie, p.z.size(), p.na);
        EXPECT_EQ(SprawdzRaport(zmieniony).Stan, p.stan) << p.z << " -> " << p.na;
    }
}

// Symbole wierszy sekcji 3 dla każdego rodzaju przekroju.
TEST_F(RaportTest, WierszeWymiarowWedlugPrzekroju)
{
    const std::vector<std::string> symbole[] = {
        {"a -", "b -", "B -", "c -", "e -", "n -"},
        {"a -", "b -", "B -", "e -", "n -"},
        {"a -", "b -", "B -", "c -", "g -", "k -"},
        {"a -", "b -", "c -", "e -", "P -"},
        {"a -", "b -", "P -"},
        {"a -", "b -", "B -", "c -", "e -", "g -", "k -", "n -"},
        {"a -", "b -", "B -", "c -", "e -", "g -", "k -", "P -"},
    };
    auto o = Policzony();
    for (int typ = 0; typ < 7; ++typ) {
        o->Przekroj = static_cast<std::uint8_t>(typ);
        std::vector<std::string> s;
        for (const auto& w : WierszeWymiarow(*o)) {
            EXPECT_EQ(w.Szerokosci, "0.3;1;11;0.05;4;");
            s.push_back(w.Komorki.substr(1, w.Komorki.find(';', 1) - 1));
        }
        EXPECT_EQ(s, symbole[typ]) << "przekrój " << typ;
    }
    o->Przekroj = 0;
    const auto w = WierszeWymiarow(*o);
    EXPECT_EQ(w[0].Komorki, ";a -;szer. opaski zewnętrznej lub pobocza (L/P);:;0,50 / 0,50 ;");
    EXPECT_EQ(w[1].Komorki, ";b -;szer. użytkowa jezdni;:;7,00;");
    EXPECT_EQ(w[5].Komorki, ";n -;liczba dźwigarów głównych lub pasm płytowych;:;5;");
    testy::Separator kropka('.');
    EXPECT_EQ(WierszeWymiarow(*o)[0].Komorki, ";a -;szer. opaski zewnętrznej lub pobocza (L/P);:;0.50 / 0.50 ;");
    const auto d = WierszeDanychWyjsciowych(*o);
    ASSERT_EQ(d.size(), 5u);
    EXPECT_EQ(d[0].Komorki, "2.1.;Normatyw projektowania;:;Normatyw-1956r.;");
    EXPECT_EQ(d[1].Komorki, "2.2.;Klasa obciążenia normowego;:;I;");
    EXPECT_EQ(d[3].Komorki, "2.4.;Model przekroju poprzecznego przesła ;:;Wielodźwigarowe - jezdnia z krawężnikami;");
    EXPECT_EQ(d[4].Komorki, "2.5.;Rozpiętość teoretyczna przęseł [m];:; 12.00 15.00 12.00;");
    EXPECT_EQ(d[4].Szerokosci, "1;8.5;0.05;6.5;");
}

TEST_F(RaportTest, IdentyfikacjaPustaPozaJNIIZnakiSterujaceUzytkownika)
{
    const auto o = Policzony();
    tInfoObiektu info;
    info.JNI = "12345678";
    auto w = Wiersze(Raport(*o, info));
    const char* etykiety[] = {"1.1. Numer JNI                : 12345678", "1.2. Numer pierwszego przęsła : ",
                              "1.3. Numer drogi              : ", "1.4. Kilometraż               : ",
                              "1.5. Najbliższa miejscowość   : ", "1.6  Nazwa przeszkody         : "};
    auto l = std::find(w.begin(), w.end(), "{\\f11\\fs20\\cf1 " + Utf8DoCp1250(etykiety[0]) + "\\par }");
    ASSERT_NE(l, w.end());
    for (const char* e : etykiety) EXPECT_EQ(*l++, "{\\f11\\fs20\\cf1 " + Utf8DoCp1250(e) + "\\par }");

    info.Przeszkoda = "rów {A}\\B";
    const std::string raport = Raport(*o, info);
    EXPECT_NE(raport.find(Utf8DoCp1250("przeszkody         : rów \\{A\\}\\\\B\\par }")), std::string::npos);
    EXPECT_EQ(SprawdzRaport(raport).Stan, tStanRaportu::Zgodny);

    // JNI w nagłówku strony i w sekcji 1 jako tekst; kod liczony z postaci niezamienionej.
    info.JNI = "12{4}6\\8";
    const std::string zJNI = Raport(*o, info);
    EXPECT_NE(zJNI.find("lang1045 JNI: 12\\{4\\}6\\\\8\\par"), std::string::npos);
    const auto s = SprawdzRaport(zJNI);
    EXPECT_EQ(s.Stan, tStanRaportu::Zgodny);
    std::vector<std::string> komorki;
    for (const auto& w : WierszeDanychWyjsciowych(*o)) komorki.push_back(w.Komorki);
    for (const auto& w : WierszeWymiarow(*o)) komorki.push_back(w.Komorki);
    EXPECT_EQ(s.KodWydrukowany, KodKontrolny(TekstKontrolny("12{4}6\\8", "", 3, komorki, "42,00")));
}

TEST_F(RaportTest, PolecenieRaportOdmowyIKomunikaty)
{
    const std::string katalogRaportow = (katalog / "Raporty").string();
    struct Przypadek {
        const char* co;
        testy::tZmiany zmiany;
        std::string komunikat;  // pusty: raport zapisany
        std::string plik;       // nazwa pliku w katalogu raportów
        std::string nrp;        // NrP po poleceniu
    };
    const Przypadek przypadki[] = {
        {"poprawny", {}, "", "12345678@2.RTF", "2"},
        {"przęsło z liter", {{"NRP", "abc"}}, "", "12345678@1.RTF", "1"},
        {"brak JNI", {{"JNI", ""}}, "BRAK JNI\rOkreśl JNI obiektu i ponownie wywołaj to polecenie.", "", "2"},
        {"JNI ze ścieżką", {{"JNI", "../12345"}}, "Nieprawidłowy JNI", "", "2"},
        {"JNI za krótki", {{"JNI", "1234567"}}, "Nieprawidłowy JNI", "", "2"},
        {"JNI zerowy", {{"JNI", "00000000"}}, "Nieprawidłowy JNI", "", "2"},
        {"złe sumy", {{"BB", "8"}}, "Błędne dane\rUsuń przyczynę błędu i ponownie wywołaj to polecenie.", "", "2"},
    };
    for (const auto& p : przypadki) {
        std::filesystem::remove_all(katalogRaportow);
        okno = testy::Most(katalog, p.zmiany);
        tInfoObiektu info = okno->Przebieg.Info();
        const auto w = PolecenieRaport(info, Wypelnij(), katalogRaportow, Dzis);
        EXPECT_EQ(w.Zapisany, p.komunikat.empty()) << p.co;
        EXPECT_EQ(w.Komunikat.substr(0, p.komunikat.size()), p.komunikat) << p.co;
        EXPECT_EQ(info.NrP, p.nrp) << p.co;
        if (w.Zapisany) {
            EXPECT_EQ(w.Plik, katalogRaportow + "/" + p.plik);
            EXPECT_TRUE(std::filesystem::is_regular_file(w.Plik)) << p.co;
        } else {
            EXPECT_TRUE(!std::filesystem::exists(katalogRaportow) || std::filesystem::is_empty(katalogRaportow))
                << p.co;
        }
    }
    EXPECT_TRUE(komunikatyRtf.empty());
    EXPECT_STREQ(TytulBleduRaportu, "BŁĄD");
}

TEST_F(RaportTest, PolecenieRaportBledyZapisu)
{
    const std::string zablokowany = (katalog / "plik").string();
    testy::Zapisz(zablokowany, "to nie katalog");
    tInfoObiektu info = okno->Przebieg.Info();
    const std::string bladZapisu =
        "Błąd zapisu pliku.\rZamknij wszytkie kopie tego pliku i ponownie wywołaj to polecenie.";

    auto w = PolecenieRaport(info, Wypelnij(), zablokowany + "/Raporty", Dzis);
    EXPECT_FALSE(w.Zapisany);
    EXPECT_EQ(w.Komunikat, bladZapisu);
    ASSERT_EQ(komunikatyRtf.size(), 1u);
    EXPECT_EQ(komunikatyRtf[0],
              "Błąd [moduł VanRTF]|Nieprawidłowa nazwa zbioru. \rBrak kartoteki " + zablokowany + "/Raporty/");

    if (std::filesystem::exists("/dev/full")) {
        w = RaportDoPliku(info, Wypelnij(), "/dev/full", Dzis);
        EXPECT_FALSE(w.Zapisany);
        EXPECT_EQ(w.Komunikat, bladZapisu);
    }

    // Drugi raport tego samego mostu zastępuje pierwszy.
    const std::string katalogRaportow = (katalog / "R").string();
    w = PolecenieRaport(info, Wypelnij(), katalogRaportow, Dzis);
    ASSERT_TRUE(w.Zapisany);
    const std::string pierwszy = Wczytaj(w.Plik);
    w = PolecenieRaport(info, Wypelnij(), katalogRaportow, Dzis);
    EXPECT_EQ(Wczytaj(w.Plik), pierwszy);
}

// Tylko JNI przyjmowany przez okno identyfikacji trafia do nazwy pliku raportu.
TEST(PoprawnyJNI, TakJakOknoIdentyfikacji)
{
    const std::pair<const char*, bool> przypadki[] = {
        {"12345678", true}, {"00000001", true}, {"  123456", true}, {"+1234567", true}, {"00000000", false},
        {"-1234567", false}, {"1234567", false}, {"123456789", false}, {"1234567a", false}, {"../12345", false},
        {"", false},        {"1234 678", false},
    };
    for (const auto& [jni, dobry] : przypadki) EXPECT_EQ(PoprawnyJNI(jni), dobry) << '"' << jni << '"';
}

}  // namespace
