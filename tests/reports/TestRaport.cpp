#include <gtest/gtest.h>

#include <functional>

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
    void SetUp() override
    {
        UstawKomunikatyRtf([this](const std::string& t, const std::string& k) { komunikatyRtf.push_back(t + "|" + k); });
    }
    void TearDown() override { UstawKomunikatyRtf(nullptr); }

    std::string Raport(const tObiektMostowy& o, const tInfoObiektu& i, const std::string& dzis = Dzis)
    {
        EXPECT_TRUE(UtworzRaport(o, i.JNI, i.NrP, i.Droga, i.Km, i.Najblizsza, i.Przeszkoda, kat / "r.rtf", dzis));
        return CzytajPlik(kat / "r.rtf");
    }

    tKatalogTymczasowy kat;
    tMost most;
    std::vector<std::string> komunikatyRtf;
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
        {"nośność poniżej setnych", [](auto& o, auto&, auto&) { o.MasaGraniczna += 0.001; }, false},
        {"droga", [](auto&, auto& i, auto&) { i.Droga = "DK8"; }, false},
        {"kilometraż", [](auto&, auto& i, auto&) { i.Km = "1+000"; }, false},
        {"miejscowość", [](auto&, auto& i, auto&) { i.Najblizsza = "Kraków"; }, false},
        {"przeszkoda", [](auto&, auto& i, auto&) { i.Przeszkoda = "{rów}\\"; }, false},
        {"data", [](auto&, auto&, auto& d) { d = "07.12.2026"; }, false},
        {"ślad", [](auto&, auto&, auto&) { SladDodaj("dopisany wiersz śladu"); }, false},
        {"niedrukowane P i g1", [](auto& o, auto&, auto&) { o.P = 3, o.g1 = 1; }, false},
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
    // Sama liczba elementów, przy tych samych wierszach tabel.
    EXPECT_NE(KodKontrolny(TekstKontrolny("12345678", "2", 3, {"x;"}, "42,00")),
              KodKontrolny(TekstKontrolny("12345678", "2", 4, {"x;"}, "42,00")));
}

TEST_F(RaportTest, SprawdzenieOdrzucaZmienionaTresc)
{
    const std::string raport = Raport(most.Policzony(), most.Info);
    const std::tuple<std::string, std::string, tStanRaportu> podmiany[] = {
        {"", "", tStanRaportu::Zgodny},
        {"\\ql", "", tStanRaportu::Zgodny},  // raporty zapisane przed jawnym wyrównaniem do lewej
        {"JNI: 12345678\\par", "JNI: 12345670\\par", tStanRaportu::Zgodny},  // nagłówek strony
        {"DK7\\par", "DK8\\par", tStanRaportu::Zgodny},
        {"\\b\\cf1 42,00\\par }", "\\b\\cf1 43,00\\par }", tStanRaportu::Niezgodny},
        {"JNI                : 12345678", "JNI                : 12345670", tStanRaportu::Niezgodny},
        {"przęsła : 2\\par", "przęsła : 3\\par", tStanRaportu::Niezgodny},
        {"{\\f11\\fs20\\cf1 0,50 / 0,50 \\cell}", "{\\f11\\fs20\\cf1 0,50 / 0,60 \\cell}", tStanRaportu::Niezgodny},
        {" 12,00 15,00 12,00\\cell}", " 12,00 15,00\\cell}", tStanRaportu::Niezgodny},
        {"MAC [5", "MAC [6", tStanRaportu::Niezgodny},
        {"1.1. Numer JNI", "1.1. Numer XYZ", tStanRaportu::Nieczytelny},
        {"1.2. Numer pierwszego", "1.2. Numer drugiego", tStanRaportu::Nieczytelny},
        {"2.5.\\cell", "2.6.\\cell", tStanRaportu::Nieczytelny},
        {"Obliczona Pontiva", "Obliczona masa", tStanRaportu::Nieczytelny},
        {"MAC [", "MAK [", tStanRaportu::Nieczytelny},
        {"{\\rtf1", "{\\rtf2", tStanRaportu::Nieczytelny},
    };
    for (const auto& [z, na, stan] : podmiany) {
        std::string zmieniony = raport;
        const std::string z1250 = Utf8DoCp1250(z), na1250 = Utf8DoCp1250(na);
        ASSERT_NE(zmieniony.find(z1250), std::string::npos) << z;
        for (size_t p = 0; !z.empty() && (p = zmieniony.find(z1250, p)) != std::string::npos; p += na1250.size())
            zmieniony.replace(p, z1250.size(), na1250);
        EXPECT_EQ(SprawdzRaport(zmieniony).Stan, stan) << z << " -> " << na;
    }
    EXPECT_EQ(SprawdzRaport("").Stan, tStanRaportu::Nieczytelny);
}

TEST_F(RaportTest, WierszeTabelWedlugPrzekrojuISeparatora)
{
    const char* const symbole[] = {"a b B c e n", "a b B e n", "a b B c g k", "a b c e P",
                                   "a b P",       "a b B c e g k n", "a b B c e g k P"};
    tObiektMostowy o = most.Policzony();
    o.a1 = 0.6, o.a2 = 0.4, o.c2 = 1.25, o.e1 = 1.1, o.e2 = 0.9, o.g1 = 0.3, o.g2 = 0.2, o.k1 = 0.15, o.k2 = 0.05;
    o.P = 8;
    for (int typ = 0; typ < 7; ++typ) {
        o.Przekroj = static_cast<std::uint8_t>(typ);
        std::string s;
        for (const auto& w : WierszeWymiarow(o)) {
            EXPECT_EQ(w.Szerokosci, "0.3;1;11;0.05;4;");
            s += (s.empty() ? "" : " ") + w.Komorki.substr(1, w.Komorki.find(" -") - 1);
        }
        EXPECT_EQ(s, symbole[typ]) << "przekrój " << typ;
    }
    for (char sep : {',', '.'}) {
        tSeparator separator(sep);
        std::vector<std::string> wartosci;
        for (const auto& w : WierszeWymiarow(o)) wartosci.push_back(w.Komorki.substr(w.Komorki.rfind(":;") + 2));
        std::vector<std::string> oczekiwane = {"0,60 / 0,40 ;", "7,00;",        "9,00;",        "1,50 / 1,25 ;",
                                               "1,10 / 0,90 ;", "0,30 / 0,20 ;", "0,15 / 0,05 ;", "8,00;"};
        for (auto& w : oczekiwane) std::replace(w.begin(), w.end(), ',', sep);
        EXPECT_EQ(wartosci, oczekiwane) << "separator " << sep;
    }
    tSeparator kropka('.');
    const auto d = WierszeDanychWyjsciowych(o);
    ASSERT_EQ(d.size(), 5u);
    EXPECT_EQ(d[4].Komorki, "2.5.;Rozpiętość teoretyczna przęseł [m];:; 12.00 15.00 12.00;");
    EXPECT_EQ(d[4].Szerokosci, "1;8.5;0.05;6.5;");
}

TEST_F(RaportTest, IdentyfikacjaPustaPozaJNIIZnakiSterujaceUzytkownika)
{
    const tObiektMostowy o = most.Policzony();
    tInfoObiektu info;
    info.JNI = "12345678";
    const auto w = Wiersze(Cp1250DoUtf8(Raport(o, info)));
    const char* etykiety[] = {"1.1. Numer JNI                : 12345678", "1.2. Numer pierwszego przęsła : ",
                              "1.3. Numer drogi              : ", "1.4. Kilometraż               : ",
                              "1.5. Najbliższa miejscowość   : ", "1.6  Nazwa przeszkody         : "};
    auto l = std::find(w.begin(), w.end(), std::string("{\\f11\\fs20\\cf1 ") + etykiety[0] + "\\par }");
    ASSERT_NE(l, w.end());
    for (const char* e : etykiety) EXPECT_EQ(*l++, std::string("{\\f11\\fs20\\cf1 ") + e + "\\par }");

    // Tekst użytkownika trafia do raportu dosłownie; kod liczony z postaci niezamienionej.
    info = {"12{4}6\\8", "", "", "", "", "rów {A}\\B"};
    const std::string raport = Cp1250DoUtf8(Raport(o, info, "1{2}\\"));
    for (const char* t : {"przeszkody         : rów \\{A\\}\\\\B\\par }", "lang1045 JNI: 12\\{4\\}6\\\\8\\par",
                                  "Data 1\\{2\\}\\\\\\par }", "\\tx9072 1\\{2\\}\\\\\\par}"})
        EXPECT_NE(raport.find(t), std::string::npos) << t;
    const auto s = SprawdzRaport(Utf8DoCp1250(raport));
    EXPECT_EQ(s.Stan, tStanRaportu::Zgodny);
    std::vector<std::string> komorki;
    for (const auto& w : WierszeDanychWyjsciowych(o)) komorki.push_back(w.Komorki);
    for (const auto& w : WierszeWymiarow(o)) komorki.push_back(w.Komorki);
    EXPECT_EQ(s.KodWydrukowany, KodKontrolny(TekstKontrolny("12{4}6\\8", "", 3, komorki, "42,00")));
}

// Polecenie "Raport": odmowy, numer przęsła w nazwie pliku, tylko JNI przyjmowany przez okno
// identyfikacji.
TEST_F(RaportTest, PolecenieRaportOdmowyINazwaPliku)
{
    const std::string brakJNI = "BRAK JNI\rOkreśl JNI obiektu i ponownie wywołaj to polecenie.";
    const std::string zlyJNI = "Nieprawidłowy JNI\r";
    const std::string bledne = "Błędne dane\rUsuń przyczynę błędu i ponownie wywołaj to polecenie.";
    const struct {
        std::string jni, nrp;
        double B;
        std::string komunikat, nrpPo;  // pusty komunikat: raport zapisany
    } przypadki[] = {
        {"12345678", "2", 9, "", "2"},          {"00000001", "2", 9, "", "2"},
        {"  123456", "2", 9, "", "2"},          {"+1234567", "2", 9, "", "2"},
        {"12345678", "abc", 9, "", "1"},        {"12345678", "-1", 9, "", "1"},
        {"12345678", "-2", 9, "", "-2"},        {"12345678", "2147483647", 9, "", "2147483647"},
        {"12345678", "2147483648", 9, "", "1"}, {"12345678", "-2147483649", 9, "", "1"},
        {"", "2", 9, brakJNI, "2"},             {"00000000", "2", 9, zlyJNI, "2"},
        {"-1234567", "2", 9, zlyJNI, "2"},      {"1234567", "2", 9, zlyJNI, "2"},
        {"123456789", "2", 9, zlyJNI, "2"},     {"1234567a", "2", 9, zlyJNI, "2"},
        {"../12345", "2", 9, zlyJNI, "2"},      {"1234 678", "2", 9, zlyJNI, "2"},
        {"12345678", "abc", 8, bledne, "1"},
    };
    int numer = 0;
    for (const auto& p : przypadki) {
        const std::string katalog = kat / ("R" + std::to_string(++numer));
        most.Info.JNI = p.jni, most.Info.NrP = p.nrp, most.B = p.B;
        tInfoObiektu info = most.Info;
        const auto w = PolecenieRaport(info, most.Wypelnianie(), katalog + "/a/b", Dzis);
        const std::string opis = p.jni + "@" + p.nrp;
        EXPECT_EQ(w.Zapisany, p.komunikat.empty()) << opis;
        EXPECT_EQ(w.Komunikat.substr(0, p.komunikat.size()), p.komunikat) << opis;
        EXPECT_EQ(info.NrP, p.nrpPo) << opis;
        if (w.Zapisany) {
            EXPECT_EQ(w.Plik, katalog + "/a/b/" + p.jni + "@" + p.nrpPo + ".RTF");
            EXPECT_EQ(SprawdzRaport(CzytajPlik(w.Plik)).Stan, tStanRaportu::Zgodny) << opis;
        } else {
            EXPECT_FALSE(fs::exists(katalog + "/a/b") && !fs::is_empty(katalog + "/a/b")) << opis;
        }
    }
    EXPECT_TRUE(komunikatyRtf.empty());
    EXPECT_STREQ(TytulBleduRaportu, "BŁĄD");
}

TEST_F(RaportTest, PolecenieRaportBledyZapisu)
{
    const std::string zablokowany = kat / "plik";
    ZapiszPlik(zablokowany, "to nie katalog");
    const std::string bladZapisu = "Błąd zapisu pliku.\rZamknij wszytkie kopie tego pliku i ponownie wywołaj to polecenie.";
    tInfoObiektu info = most.Info;
    auto w = PolecenieRaport(info, most.Wypelnianie(), zablokowany + "/Raporty", Dzis);
    EXPECT_FALSE(w.Zapisany);
    EXPECT_EQ(w.Komunikat, bladZapisu);
    EXPECT_EQ(komunikatyRtf,
              std::vector<std::string>{"Błąd [moduł VanRTF]|Nieprawidłowa nazwa zbioru. \rBrak kartoteki " +
                                       zablokowany + "/Raporty/"});
    if (fs::exists("/dev/full")) {
        w = RaportDoPliku(info, most.Wypelnianie(), "/dev/full", Dzis);
        EXPECT_FALSE(w.Zapisany);
        EXPECT_EQ(w.Komunikat, bladZapisu);
    }
    // Drugi raport tego samego mostu zastępuje pierwszy.
    ZapiszPlik(kat / "12345678@2.RTF", std::string(100000, 'x'));
    w = PolecenieRaport(info, most.Wypelnianie(), kat.Sciezka(), Dzis);
    ASSERT_TRUE(w.Zapisany);
    EXPECT_LT(CzytajPlik(w.Plik).size(), 100000u);
    EXPECT_EQ(SprawdzRaport(CzytajPlik(w.Plik)).Stan, tStanRaportu::Zgodny);
}

}  // namespace
