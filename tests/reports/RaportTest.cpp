#include <gtest/gtest.h>

#include <algorithm>

#include "MostTestowy.h"
#include "common/Cp1250.h"
#include "common/Slad.h"
#include "core/Nazwy.h"
#include "reports/SprawdzRaport.h"
#include "reports/VanRTF.h"

namespace {

using namespace testy;

const std::string Dzis = "06.12.2026";

class RaportTest : public ::testing::Test {
protected:
    std::string Raport(const tObiektMostowy& o, const tInfoObiektu& i, const std::string& dzis = Dzis)
    {
        EXPECT_TRUE(UtworzRaport(o, i.JNI, i.NrP, i.Droga, i.Km, i.Najblizsza, i.Przeszkoda, kat / "r.rtf", dzis));
        return CzytajPlik(kat / "r.rtf");
    }

    tKatalogTymczasowy kat;
    tMost most;
    tKomunikatyRtf komunikatyRtf;
};

TEST_F(RaportTest, WzorcowyRaportBajtPoBajcie)
{
    tInfoObiektu info = most.Info;
    const auto wynik = RaportDoPliku(info, most.Wypelnianie(), kat / "12345678@2.RTF", Dzis);
    ASSERT_TRUE(wynik.Zapisany) << wynik.Komunikat;
    EXPECT_EQ(wynik.Plik, kat / "12345678@2.RTF");
    EXPECT_EQ(CzytajPlik(wynik.Plik), CzytajPlik(DaneTestowe("raporty/12345678@2.RTF")));
}

TEST_F(RaportTest, KodKontrolnyZalezyOdDanychTabelIdentyfikacjiIWyniku)
{
    const tObiektMostowy bazowy = most.Policzony();
    const std::string kod = SprawdzRaport(Raport(bazowy, most.Info)).KodWydrukowany;
    ASSERT_EQ(kod.size(), 32u);
    using tZmiana = std::function<void(tObiektMostowy&, tInfoObiektu&, std::string&)>;
    const std::tuple<const char*, tZmiana, bool> przypadki[] = {
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
        // Razem: droga, kilometraż, miejscowość, przeszkoda, data, ślad, niedrukowane P i g1, tysięczne nośności.
        {"poza kodem", [](auto& o, auto& i, auto& d) {
             i.Droga = "DK8", i.Km = "1+000", i.Najblizsza = "Kraków", i.Przeszkoda = "{rów}\\", d = "07.12.2026";
             SladDodaj("dopisany wiersz śladu");
             o.P = 3, o.g1 = 1, o.MasaGraniczna += 0.001;
         }, false},
    };
    for (const auto& [co, zmiana, zmieniaKod] : przypadki) {
        tObiektMostowy o = bazowy;
        tInfoObiektu info = most.Info;
        std::string dzis = Dzis;
        zmiana(o, info, dzis);
        const auto sprawdzenie = SprawdzRaport(Raport(o, info, dzis));
        EXPECT_EQ(sprawdzenie.Stan, tStanRaportu::Zgodny) << co;
        EXPECT_EQ(sprawdzenie.KodWydrukowany != kod, zmieniaKod) << co;
    }
}

TEST_F(RaportTest, SprawdzenieOdrzucaZmienionaTresc)
{
    const std::string raport = Raport(most.Policzony(), most.Info);
    const std::tuple<std::string, std::string, tStanRaportu> podmiany[] = {
        {"\\ql", "", tStanRaportu::Zgodny},  // raporty zapisane przed jawnym wyrównaniem do lewej
        // Poza tekstem kontrolnym też bajt po bajcie: nagłówek strony, ukryta grupa z nośnością.
        {"JNI: 12345678\\par", "JNI: 12345670\\par", tStanRaportu::Niezgodny},
        {"{\\f11\\fs20\\b\\cf1 42,00\\par }", "{\\*{\\f11\\fs20\\b\\cf1 42,00\\par }}{\\f11\\fs20\\b\\cf1 99,00\\par }",
         tStanRaportu::Niezgodny},
        {"\\b\\cf1 42,00\\par }", "\\b\\cf1 43,00\\par }", tStanRaportu::Niezgodny},
        {"JNI                : 12345678", "JNI                : 12345670", tStanRaportu::Niezgodny},
        {"przęsła : 2\\par", "przęsła : 3\\par", tStanRaportu::Niezgodny},
        {"{\\f11\\fs20\\cf1 0,50 / 0,50 \\cell}", "{\\f11\\fs20\\cf1 0,50 / 0,60 \\cell}", tStanRaportu::Niezgodny},
        {" 12,00 15,00 12,00\\cell}", " 12,00 15,00\\cell}", tStanRaportu::Niezgodny},
        {"1.1. Numer JNI", "1.1. Numer XYZ", tStanRaportu::Nieczytelny},
        {"1.2. Numer pierwszego", "1.2. Numer drugiego", tStanRaportu::Nieczytelny},
        {"2.5.\\cell", "2.6.\\cell", tStanRaportu::Nieczytelny},
        {"Obliczona Pontiva", "Obliczona masa", tStanRaportu::Nieczytelny},
        {"MAC [", "MAK [", tStanRaportu::Nieczytelny},
        {"{\\rtf1", "{\\rtf2", tStanRaportu::Nieczytelny},
        {"{\\rtf1", "{\\rtf1\r\nx\\ 1.1. Numer JNI                : 99999999\\par }\r\n", tStanRaportu::Niezgodny},
    };
    for (const auto& [z, na, stan] : podmiany) {
        std::string zmieniony = raport;
        const std::string z1250 = Utf8DoCp1250(z), na1250 = Utf8DoCp1250(na);
        ASSERT_NE(zmieniony.find(z1250), std::string::npos) << z;
        for (size_t p = 0; (p = zmieniony.find(z1250, p)) != std::string::npos; p += na1250.size())
            zmieniony.replace(p, z1250.size(), na1250);
        EXPECT_EQ(SprawdzRaport(zmieniony).Stan, stan) << z << " -> " << na;
    }
}

TEST_F(RaportTest, WierszeTabelWedlugPrzekrojuISeparatora)
{
    const char* const symbole[] = {"abBcen", "abBen", "abBcgk", "abceP", "abP", "abBcegkn", "abBcegkP"};
    tObiektMostowy o = most.Policzony();
    o.a1 = 0.6, o.a2 = 0.4, o.c2 = 1.25, o.e1 = 1.1, o.e2 = 0.9, o.g1 = 0.3, o.g2 = 0.2, o.k1 = 0.15, o.k2 = 0.05, o.P = 8;
    for (int typ = 0; typ < 7; ++typ) {
        o.Przekroj = static_cast<std::uint8_t>(typ);
        std::string s;
        for (const auto& w : WierszeWymiarow(o)) s += w.Komorki[1];
        EXPECT_EQ(s, symbole[typ]) << "przekrój " << typ;
    }
    tSeparator kropka('.');
    std::string wartosci;
    for (const auto& w : WierszeWymiarow(o)) wartosci += w.Komorki.substr(w.Komorki.rfind(":;") + 2);
    EXPECT_EQ(wartosci, "0.60 / 0.40 ;7.00;9.00;1.50 / 1.25 ;1.10 / 0.90 ;0.30 / 0.20 ;0.15 / 0.05 ;8.00;");
    EXPECT_EQ(WierszeDanychWyjsciowych(o).at(4).Komorki, "2.5.;Rozpiętość teoretyczna przęseł [m];:; 12.00 15.00 12.00;");
}

TEST_F(RaportTest, IdentyfikacjaPustaPozaJNIIZnakiSterujaceUzytkownika)
{
    const tObiektMostowy o = most.Policzony();
    // Sekcja 1 ma zawsze sześć wierszy; puste kończą się dwukropkiem i odstępem.
    const auto wiersze = Wiersze(Raport(o, {"12345678", "", "", "", "", ""}));
    EXPECT_EQ(std::count_if(wiersze.begin(), wiersze.end(), [](const auto& w) { return w.ends_with(" : \\par }"); }), 5);
    // Tekst użytkownika trafia do raportu dosłownie; kod liczony z postaci niezamienionej.
    // Postać nadmiarowa C1 BD ("}") i znaki sterujące to "?", w dokumencie i w kodzie.
    EXPECT_EQ(SprawdzRaport(Raport(o, {"12345678", "1\x01", "\r\n", "", "", ""}, "07\xc1\xbd\xc1\xbd")).Stan,
              tStanRaportu::Zgodny);
    EXPECT_NE(Raport(o, most.Info, "7\xc1\xbd").find("Data 7?\\par }"), std::string::npos);
    const tInfoObiektu info = {"12{4}6\\8", "", "", "", "", "rów {A}\\B"};
    const std::string raport = Raport(o, info, "1{2}\\");
    for (const char* t : {"przeszkody         : rów \\{A\\}\\\\B\\par }", "lang1045 JNI: 12\\{4\\}6\\\\8\\par",
                          "Data 1\\{2\\}\\\\\\par }", "\\tx9072 1\\{2\\}\\\\\\par}"})
        EXPECT_NE(raport.find(Utf8DoCp1250(t)), std::string::npos) << t;
    std::vector<std::string> komorki;
    for (const auto& w : WierszeDanychWyjsciowych(o)) komorki.push_back(w.Komorki);
    for (const auto& w : WierszeWymiarow(o)) komorki.push_back(w.Komorki);
    const auto s = SprawdzRaport(raport);
    EXPECT_EQ(s.Stan, tStanRaportu::Zgodny);
    EXPECT_EQ(s.KodWydrukowany, KodKontrolny(TekstKontrolny("12{4}6\\8", "", 3, komorki, "42,00")));
}

// Wrogie teksty identyfikacji (znaki sterujące z NUL i DEL, bajty spoza UTF-8, samotne CR,
// postać nadmiarowa, także w JNI, którego polecenie by nie przyjęło): zapisany raport
// jest zgodny, a w dokumencie nie zostaje żaden znak sterujący z tekstu.
TEST_F(RaportTest, WrogaIdentyfikacjaDajeRaportZgodny)
{
    const tObiektMostowy o = most.Policzony();
    using namespace std::string_literals;
    const std::string smieci = "123\x7f\xff\xff\0\0\0\x01\0\0\x06?\xc1\xbd?(1"s;
    const tInfoObiektu przypadki[] = {
        {"12345678", "\r", "\xff\xbb\xc5", "\xfe\0?"s, "a\rb\x1b[2J", "\xc0\xaf\xed\xa0\x80\xf4\x90\x80\x80"},
        {smieci, "\r", "\xff\xbb\xc5", "\xfe\0?"s, "", ""},
    };
    for (const tInfoObiektu& info : przypadki) {
        const std::string raport = Raport(o, info);
        EXPECT_EQ(SprawdzRaport(raport).Stan, tStanRaportu::Zgodny) << info.JNI;
        EXPECT_EQ(raport.find_first_of("\x01\x06\x1b\x7f"s + '\0'), std::string::npos);
    }
}

// Polecenie "Raport": odmowy bez pliku, numer przęsła w nazwie pliku, katalog z nadrzędnymi.
TEST_F(RaportTest, PolecenieRaportOdmowyINazwaPliku)
{
    const std::string brakJNI = "BRAK JNI\rOkreśl JNI obiektu i ponownie wywołaj to polecenie.";
    const std::string zlyJNI = "Nieprawidłowy JNI\rJNI musi mieć 8 znaków i być liczbą.\rPopraw dane";
    const std::string bledne = "Błędne dane\rUsuń przyczynę błędu i ponownie wywołaj to polecenie.";
    const std::tuple<std::string, std::string, double, std::string, std::string> przypadki[] = {
        // JNI, NrP, B, komunikat (pusty: raport zapisany), NrP po poleceniu
        {"12345678", "2", 9, "", "2"},          {"12345678", "abc", 9, "", "1"},
        {"12345678", "-1", 9, "", "1"},         {"12345678", "2147483647", 9, "", "2147483647"},
        {"12345678", "2147483648", 9, "", "1"}, {"", "2", 9, brakJNI, "2"},
        {"../12345", "2", 9, zlyJNI, "2"},      {"1234567", "2", 9, zlyJNI, "2"},
        {"12345678", "-2147483649", 9, "", "1"}, {"12345678", "abc", 8, bledne, "1"},
    };
    int numer = 0;
    for (const auto& [jni, nrp, B, komunikat, nrpPo] : przypadki) {
        const std::string katalog = kat / (std::to_string(++numer) + "/a/b");
        most.Info.JNI = jni, most.Info.NrP = nrp, most.B = B;
        tInfoObiektu info = most.Info;
        const auto w = PolecenieRaport(info, most.Wypelnianie(), katalog, Dzis);
        EXPECT_EQ(w.Zapisany, komunikat.empty()) << jni << "@" << nrp;
        EXPECT_EQ(w.Komunikat.substr(0, komunikat.size()), komunikat) << jni << "@" << nrp;
        EXPECT_EQ(info.NrP, nrpPo) << jni << "@" << nrp;
        EXPECT_EQ(w.Plik, w.Zapisany ? katalog + "/" + jni + "@" + nrpPo + ".RTF" : "");
        EXPECT_EQ(fs::exists(katalog) && !fs::is_empty(katalog), w.Zapisany) << jni << "@" << nrp;
    }
    EXPECT_TRUE(komunikatyRtf.empty());
}

TEST_F(RaportTest, PolecenieRaportBledyZapisu)
{
    ZapiszPlik(kat / "plik", "to nie katalog");
    const std::string bladZapisu = "Błąd zapisu pliku.\rZamknij wszytkie kopie tego pliku i ponownie wywołaj to polecenie.";
    tInfoObiektu info = most.Info;
    const auto w = PolecenieRaport(info, most.Wypelnianie(), kat / "plik/Raporty", Dzis);
    EXPECT_EQ(w.Komunikat, bladZapisu);
    EXPECT_EQ(komunikatyRtf, (std::vector<std::string>{"Błąd [moduł VanRTF]|Nieprawidłowa nazwa zbioru. \rBrak kartoteki " +
                                                       kat / "plik/Raporty/"}));
    EXPECT_EQ(RaportDoPliku(info, most.Wypelnianie(), "/dev/full", Dzis).Komunikat, bladZapisu);
}

// Raport o tej nazwie z inną treścią (choćby z inną datą) nie znika bez pytania: pytanie
// z nazwą dla obu, "Zachowaj oba" pisze pierwszą wolną _2, _3, "Anuluj" nic; ta sama treść
// bez pytania i bez zapisu.
TEST_F(RaportTest, IstniejacyRaportZInnaTrescia)
{
    using enum tIstniejacyRaport;
    const struct {
        const char* dzis;
        tIstniejacyRaport odpowiedz;
        const char *plik, *obok;  // zapisany (pusty: anulowany); nazwa dla obu w pytaniu (pusta: bez pytania)
    } kroki[] = {
        {"01.02.2025", Anuluj, "@2.RTF", ""},           {"01.02.2025", Anuluj, "@2.RTF", ""},
        {"02.02.2025", ZachowajOba, "@2_2.RTF", "@2_2.RTF"}, {"03.02.2025", ZachowajOba, "@2_3.RTF", "@2_3.RTF"},
        {"04.02.2025", Anuluj, "", "@2_4.RTF"},         {"04.02.2025", Zastap, "@2.RTF", "@2_4.RTF"},
    };
    const std::string rdzen = kat / "12345678";
    for (const auto& k : kroki) {
        std::string pytanie;
        tInfoObiektu info = most.Info;
        const auto w = PolecenieRaport(info, most.Wypelnianie(), kat.Sciezka(), k.dzis, [&](const std::string& p, const std::string& obok) {
            pytanie = p + "|" + obok;
            return k.odpowiedz;
        });
        EXPECT_EQ(pytanie, *k.obok ? rdzen + "@2.RTF|" + rdzen + k.obok : "") << k.dzis;
        EXPECT_EQ(w.Plik + (w.Anulowany ? "anulowany" : ""), *k.plik ? rdzen + k.plik : "anulowany");
        if (*k.plik) EXPECT_TRUE(CzytajPlik(w.Plik).find(k.dzis) != std::string::npos &&
                                 SprawdzRaport(CzytajPlik(w.Plik)).Stan == tStanRaportu::Zgodny);
    }
    EXPECT_NE(CzytajPlik(rdzen + "@2_2.RTF").find("02.02.2025"), std::string::npos);
    EXPECT_FALSE(fs::exists(rdzen + "@2_4.RTF"));
}

}  // namespace
