#include <gtest/gtest.h>

#include <memory>

#include "PomocPrzebiegu.h"
#include "common/Formatowanie.h"
#include "core/Nazwy.h"
#include "persistence/Katalogi.h"
#include "persistence/PlikIni.h"

namespace {

const tInfoObiektu InfoTestowe = {"12345678", "2", "DK 7", "412+350", "Jędrzejów", "rzeka Nida – Żółw"};

// Okno po wczytaniu pliku przez "Wczytaj".
struct tWczytane {
    std::unique_ptr<tWidokPamieci> w = std::make_unique<tWidokPamieci>();
    std::unique_ptr<tGlownyPrzebieg> p = std::make_unique<tGlownyPrzebieg>(*w);
    explicit tWczytane(const std::string& sciezka) { p->WczytajDane(sciezka); }
};

// Belka przegubowa na 45 przęsłach: każde pole ma inną wartość z dwoma miejscami.
tOpisObiektu ObiektWszystkichPol()
{
    tOpisObiektu o;
    o.Normatyw = 5;
    o.Klasa = 4;
    o.Przekroj = 6;
    o.Schemat = 5;
    o.Przesla = 45;
    o.Szerokosci = {0.25, 0.35, 6.45, 9.15, 1.05, 1.15, -0.45, 0.55, 0.21, 0.22, 9.95, 0.41, 0.42, 7};
    o.Dlugosci.clear();
    for (int i = 1; i <= MaksWierszy; ++i) o.Dlugosci.push_back(i % 2 ? 2.5 + i / 100.0 : 10 + i / 4.0);
    return o;
}

void PorownajOkna(const tWidokPamieci& a, const tWidokPamieci& b)
{
    for (int l = 0; l < 4; ++l) {
        EXPECT_EQ(a.Listy[l].Wybor, b.Listy[l].Wybor) << "lista " << l;
        EXPECT_EQ(a.Listy[l].Pozycje, b.Listy[l].Pozycje) << "lista " << l;
    }
    for (int p = 0; p < LiczbaPol; ++p) EXPECT_DOUBLE_EQ(a.Pola[p], b.Pola[p]) << "pole " << p;
}

TEST(PlikRoboczy, KazdePolePrzechodziZapisIOdczytPrzyObuSeparatorach)
{
    tKatalogTestu kat;
    for (char zapis : {',', '.'}) {
        for (char odczyt : {',', '.'}) {
            SCOPED_TRACE(std::string("zapis ") + zapis + " odczyt " + odczyt);
            const std::string sciezka = kat / "A.PTV";
            tWidokPamieci w;
            tGlownyPrzebieg p(w);
            UstawOkno(w, ObiektWszystkichPol());
            p.UstawInfo(InfoTestowe);
            {
                tSeparator s(zapis);
                ASSERT_TRUE(p.ZapiszDane(sciezka));
            }
            tSeparator s(odczyt);
            tWczytane z(sciezka);
            PorownajOkna(w, *z.w);
            EXPECT_EQ(z.p->Info().JNI, InfoTestowe.JNI);
            EXPECT_EQ(z.p->Info().NrP, InfoTestowe.NrP);
            EXPECT_EQ(z.p->Info().Droga, InfoTestowe.Droga);
            EXPECT_EQ(z.p->Info().Km, InfoTestowe.Km);
            EXPECT_EQ(z.p->Info().Najblizsza, InfoTestowe.Najblizsza);
            // "–" nie istnieje w Windows-1250? Istnieje (0x96); cała reszta też.
            EXPECT_EQ(z.p->Info().Przeszkoda, InfoTestowe.Przeszkoda);
            EXPECT_EQ(z.w->Tytul, TytulOkna(InfoTestowe));
            EXPECT_TRUE(z.p->PrzeliczanieWlaczone());
            EXPECT_TRUE(z.w->KomunikatyWidoczne);  // wczytanie kończy się przeliczeniem
            const std::string bajty = CzytajPlik(sciezka);
            EXPECT_NE(bajty.find("L91="), std::string::npos);
            EXPECT_EQ(bajty.find("L92="), std::string::npos);
            EXPECT_NE(bajty.find(std::string("E1=-0") + zapis + "45\r\n"), std::string::npos);
        }
    }
}

TEST(PlikRoboczy, ZawartoscPlikuBajtPoBajcie)
{
    tSeparator przecinek(',');
    tKatalogTestu kat;
    tWidokPamieci w;
    tGlownyPrzebieg p(w);
    tOpisObiektu o;
    o.Szerokosci[11] = 0.35;  // g1 zapisywane pod kluczem "G"
    o.Szerokosci[12] = 0.45;
    o.Dlugosci = {1.5, 18.25, 0};
    UstawOkno(w, o);
    p.UstawInfo({"12010001", "1", "7", "412+350", "Łódź", "rzeka Nida"});
    ASSERT_TRUE(p.ZapiszDane(kat / "B.PTV"));

    // Wynik z osobnego przeliczenia tych samych danych.
    tObiektMostowy ob;
    PobierzDane(w, ob);
    ASSERT_TRUE(SprawdzIOblicz(ob).Poprawne());
    const std::string oczekiwane =
        "[INFO]\r\nJNI=12010001\r\nNRP=1\r\nDro=7\r\nKm=412+350\r\nNajblizsza=\xA3\xF3\x64\x9F\r\nPrzeszkoda=rzeka Nida\r\n"
        "[OBIEKT]\r\nSCHEM=0\r\nPRZES=1\r\nNORMA=5\r\nKLASA=1\r\nRODZA=0\r\n"
        "[PP]\r\nA1=0,5\r\nA2=0,5\r\nB=7\r\nBB=8,4\r\nC1=1,5\r\nC2=1,5\r\nE1=1,3\r\nE2=1,3\r\nK1=0\r\nK2=0\r\n"
        "P=0\r\nG=0,35\r\nG2=0,45\r\nN=5\r\n"
        "[PD]\r\nL1=1,5\r\nL2=18,25\r\nL3=0\r\n"
        "[CALC]\r\nM1N=" + LiczbaOgolna(ob.PodajM1N()) + "\r\nTN=" + LiczbaOgolna(ob.PodajTN()) +
        "\r\nTP=" + LiczbaOgolna(ob.PodajTP()) + "\r\nPTV=" + LiczbaOgolna(ob.PodajMase()) + "\r\n";
    EXPECT_EQ(CzytajPlik(kat / "B.PTV"), oczekiwane);
}

TEST(PlikRoboczy, PustyJNIZostawiaStaraSekcjeINFO)
{
    tKatalogTestu kat;
    const std::string sciezka = kat / "C.PTV";
    ZapiszPlik(sciezka, "[INFO]\r\nJNI=11112222\r\nNRP=3\r\nWlasny=zostaje\r\n[OBIEKT]\r\nSCHEM=1\r\n");
    tWidokPamieci w;
    tGlownyPrzebieg p(w);
    UstawOkno(w, tOpisObiektu{});
    ASSERT_TRUE(p.ZapiszDane(sciezka));
    const std::string bajty = CzytajPlik(sciezka);
    EXPECT_EQ(bajty.rfind("[INFO]\r\nJNI=11112222\r\nNRP=3\r\nWlasny=zostaje\r\n[OBIEKT]\r\nSCHEM=0\r\n", 0), 0u);
    tWczytane z(sciezka);
    EXPECT_EQ(z.p->Info().JNI, "11112222");
    EXPECT_EQ(z.p->Info().NrP, "3");
}

TEST(PlikRoboczy, BezSekcjiCALCPoOdrzuconychDanych)
{
    tKatalogTestu kat;
    const std::string sciezka = kat / "D.PTV";
    tWidokPamieci w;
    tGlownyPrzebieg p(w);
    UstawOkno(w, tOpisObiektu{});
    ASSERT_TRUE(p.ZapiszDane(sciezka));
    ASSERT_NE(CzytajPlik(sciezka).find("[CALC]"), std::string::npos);
    const int przerysowania = w.Przerysowania;
    w.UstawWartosc(RxSE_B, 9);  // niezgodne sumy
    ASSERT_TRUE(p.ZapiszDane(sciezka));
    EXPECT_EQ(CzytajPlik(sciezka).find("[CALC]"), std::string::npos);
    // Zapis nie dotyka obiektu ani widoku okna.
    EXPECT_EQ(w.Przerysowania, przerysowania);
    EXPECT_EQ(p.Obiekt().LiczbaElementow, 0);
}

TEST(PlikRoboczy, WartosciZPlikuPrzycinanePrzezPola)
{
    const struct {
        const char* klucz;  // "SEKCJA/KLUCZ"
        const char* wartosc;
        tPole pole;
        double wynik;
    } przypadki[] = {
        {"PP/N", "4,7", RxSE_N, 4},        {"PP/N", "5", RxSE_N, 5},           {"PP/N", "-0.9", RxSE_N, 0},
        {"PD/L2", "200", PoleDlugosci(2), 150}, {"PD/L50", "7.5", PoleDlugosci(50), 7.5},
        {"PP/A1", "-1", RxSE_A1, 0},       {"PP/E1", "-150", RxSE_E1, -100},   {"PP/E2", "-0,5", RxSE_E2, -0.5},
        {"PP/BB", "8,456", RxSE_BB, 8.46}, {"PP/B", "nan", RxSE_B, 0},         {"PP/B", "1e999", RxSE_B, 0},
        {"PP/B", "7,5 m", RxSE_B, 0},      {"PP/B", "\"7.5\"", RxSE_B, 7.5},   {"PP/B", "1E1", RxSE_B, 10},
        {"OBIEKT/PRZES", "50", IlePrzesel, 45}, {"OBIEKT/PRZES", "0", IlePrzesel, 1},
        {"OBIEKT/PRZES", "2,5", IlePrzesel, 1},
    };
    tKatalogTestu kat;
    for (const auto& p : przypadki) {
        const std::string k = p.klucz;
        const std::string sekcja = k.substr(0, k.find('/')), klucz = k.substr(k.find('/') + 1);
        ZapiszPlik(kat / "E.PTV", "[" + sekcja + "]\n" + klucz + "=" + p.wartosc + "\n");
        tWczytane z(kat / "E.PTV");
        EXPECT_EQ(z.w->Wartosc(p.pole), p.wynik) << k << "=" << p.wartosc;
    }
}

TEST(PlikRoboczy, PozycjeListSpozaZakresuDajaDomyslne)
{
    const struct {
        const char* obiekt;
        int schemat, normatyw, klasa, przekroj;
    } przypadki[] = {
        {"SCHEM=9\nNORMA=-1\nKLASA=3\nRODZA=7\n", 0, 0, 0, 0},
        {"SCHEM=x\nNORMA=6\nKLASA=2\nRODZA=6\n", 0, 6, 2, 6},
        {"NORMA=5\nKLASA=4\n", 0, 5, 4, 0},  // klasa E przeżywa przebudowę listy klas
        {"NORMA=4\nKLASA=4\n", 0, 4, 0, 0},
    };
    tKatalogTestu kat;
    for (const auto& p : przypadki) {
        ZapiszPlik(kat / "F.PTV", std::string("[OBIEKT]\n") + p.obiekt);
        tWczytane z(kat / "F.PTV");
        EXPECT_EQ(z.w->Wybor(tLista::CBSchemat), p.schemat) << p.obiekt;
        EXPECT_EQ(z.w->Wybor(tLista::CBNormatyw), p.normatyw) << p.obiekt;
        EXPECT_EQ(z.w->Wybor(tLista::CBKlasa), p.klasa) << p.obiekt;
        EXPECT_EQ(z.w->Wybor(tLista::CBPrzeslo), p.przekroj) << p.obiekt;
        EXPECT_EQ(z.w->Listy[3].Pozycje, KlasyNormatywu(p.normatyw)) << p.obiekt;
    }
}

TEST(PlikRoboczy, KlasaZPlikuPoPrzebudowieListyWOknieZInnaLista)
{
    // Okno ma listę klas PN-85, plik – normatyw 1956 z klasą III.
    tKatalogTestu kat;
    ZapiszPlik(kat / "G.PTV", "[OBIEKT]\r\nNORMA=3\r\nKLASA=2\r\n");
    tWidokPamieci w;
    tGlownyPrzebieg p(w);
    w.UstawWybor(tLista::CBNormatyw, 5);
    p.ZmianaNormatywu();
    w.UstawWybor(tLista::CBKlasa, 4);
    p.WczytajDane(kat / "G.PTV");
    EXPECT_EQ(w.Listy[3].Pozycje.size(), 3u);
    EXPECT_EQ(w.Wybor(tLista::CBKlasa), 2);
}

TEST(PlikRoboczy, MniejKluczyLNizWymagaSchemat)
{
    tKatalogTestu kat;
    ZapiszPlik(kat / "H.PTV",
               "[OBIEKT]\r\nSCHEM=2\r\nPRZES=3\r\nNORMA=5\r\n[PP]\r\nA1=0,5\r\nA2=0,5\r\nB=7\r\nBB=8,4\r\nC1=1,5\r\n"
               "C2=1,5\r\nE1=1,3\r\nE2=1,3\r\nN=5\r\n[PD]\r\nL1=2\r\nL2=15\r\nL3=18\r\n");
    tWczytane z(kat / "H.PTV");
    for (int i = 4; i <= MaksWierszy; ++i) EXPECT_EQ(z.w->Wartosc(PoleDlugosci(i)), 0) << i;
    // Wiersze 4 (przęsło nr 3) i 5 (wspornik) mają 0 m: nie są elementami obiektu.
    ASSERT_EQ(z.p->Obiekt().LiczbaElementow, 3);
    EXPECT_EQ(z.p->Obiekt().Elementy[3].Nazwa, "Przęsło nr 2");
}

TEST(PlikRoboczy, PlikNieczytelnyAlboDziwnyDajeWartosciDomyslne)
{
    tKatalogTestu kat;
    const std::string zawartosci[] = {
        "",
        std::string("\0\xFF\xFE[OBIEKT]\0SCHEM=3", 17),
        "\xEF\xBB\xBF[OBIEKT]\nRODZA=0\n[PP]\nB=nan\nBB=inf\nN=1e999\n",
        std::string(1 << 20, '['),
        "[PP]" + std::string(100000, 'x') + "\rA1=5",
    };
    for (const auto& z : zawartosci) {
        ZapiszPlik(kat / "I.PTV", z);
        tWczytane w(kat / "I.PTV");
        EXPECT_EQ(w.w->Wybor(tLista::CBSchemat), 0);
        EXPECT_EQ(w.w->Wartosc(IlePrzesel), 1);
        for (int p = 0; p < LiczbaPolSzerokosci; ++p) EXPECT_EQ(w.w->Wartosc(static_cast<tPole>(p)), 0) << p;
        EXPECT_TRUE(w.w->KomunikatyBledu);
    }
    tWczytane brak(kat / "nie-ma.PTV");
    EXPECT_EQ(brak.w->Wartosc(IlePrzesel), 1);
}

class Zapisz : public ::testing::Test {
protected:
    void SetUp() override { UstawKatalogDanych(kat.Sciezka()); }
    void TearDown() override { UstawKatalogDanych(""); }
    tKatalogTestu kat;
};

TEST_F(Zapisz, SciezkaZIdentyfikacjiIKomunikatPierwszegoZapisu)
{
    tWidokPamieci w;
    tGlownyPrzebieg p(w);
    UstawOkno(w, tOpisObiektu{});
    EXPECT_EQ(tGlownyPrzebieg::SciezkaZapisu({" 99999999 ", " 1 ", "", "", "", ""}),
              kat.Sciezka() + "/JNI/99999999_1.PTV");
    ASSERT_TRUE(p.Zapisz({" 99999999 ", "1", "DK 7", "1+000", "", ""}));
    EXPECT_FALSE(CzytajPlik(kat / "JNI/99999999_1.PTV").empty());
    ASSERT_EQ(w.OknaKomunikatow.size(), 1u);
    EXPECT_EQ(w.OknaKomunikatow[0].Tytul, "INFO");
    EXPECT_EQ(w.OknaKomunikatow[0].Tekst,
              "Dane o obiekcie zostały zapisane\rdo podkatalogu o nazwie JNI\r" + kat.Sciezka() + "/JNI/99999999_1.PTV");
    EXPECT_EQ(w.OknaKomunikatow[0].Ikona, tIkona::Informacja);
    EXPECT_EQ(w.Tytul, "Pontiva obiektów mostowych [JNI: 99999999 NrP: 1](dr:DK 7 km: 1+000)");
    ASSERT_TRUE(p.Zapisz({"99999999", "2", "", "", "", ""}));
    EXPECT_EQ(w.OknaKomunikatow.size(), 1u);  // tylko pierwszy udany zapis
    EXPECT_FALSE(CzytajPlik(kat / "JNI/99999999_2.PTV").empty());
}

TEST_F(Zapisz, BladZapisuPokazanyIStanBezZmian)
{
    ZapiszPlik(kat / "JNI", "to plik, nie katalog");
    tWidokPamieci w;
    tGlownyPrzebieg p(w);
    EXPECT_FALSE(p.Zapisz({"99999999", "1", "", "", "", ""}));
    ASSERT_EQ(w.OknaKomunikatow.size(), 1u);
    EXPECT_EQ(w.OknaKomunikatow[0].Tytul, "INFO");
    EXPECT_EQ(w.OknaKomunikatow[0].Tekst, "Błąd zapisu danych.\r");
    EXPECT_EQ(p.Info().JNI, "99999999");                  // dane z okna zostają
    EXPECT_EQ(w.Tytul, "Pontiva obiektów mostowych ");   // tytuł nie zmieniony
    EXPECT_TRUE(p.KomunikatPierwszegoZapisu());
    // Nazwa wychodząca poza katalog JNI jest odrzucana.
    std::filesystem::remove(kat / "JNI");
    EXPECT_FALSE(p.Zapisz({"../x", "1", "", "", "", ""}));
    EXPECT_FALSE(std::filesystem::exists(kat / "x_1.PTV"));
}

TEST_F(Zapisz, PierwszeUruchomienieIPlikStanu)
{
    {
        tWidokPamieci w;
        tGlownyPrzebieg p(w);
        p.Uruchom();
        EXPECT_TRUE(std::filesystem::is_directory(kat / "JNI"));
        EXPECT_TRUE(p.PrzeliczanieWlaczone());
        EXPECT_EQ(w.Wybor(tLista::CBSchemat), 0);
        EXPECT_EQ(w.Wybor(tLista::CBKlasa), 0);
        EXPECT_EQ(w.Wartosc(IlePrzesel), 1);
        EXPECT_EQ(w.Wartosc(RxSE_B), 0);
        EXPECT_TRUE(w.KomunikatyBledu);
        UstawOkno(w, tOpisObiektu{});
        p.UstawInfo({"12345678", "1", "", "", "", ""});
        ASSERT_TRUE(p.Zamknij());
    }
    tWidokPamieci w;
    tGlownyPrzebieg p(w);
    p.Uruchom();
    EXPECT_EQ(w.Wybor(tLista::CBNormatyw), 5);
    EXPECT_EQ(w.Wartosc(PoleDlugosci(2)), 18);
    EXPECT_EQ(p.Info().JNI, "12345678");
    EXPECT_EQ(w.Komunikaty.back(), "OBLICZENIA POPRAWNE");

    // Nieudany zapis pliku stanu przy zamknięciu jest pokazany, nie gubiony.
    std::filesystem::remove(kat / "PT.INI");
    std::filesystem::create_directory(kat / "PT.INI");
    EXPECT_FALSE(p.Zamknij());
    ASSERT_EQ(w.OknaKomunikatow.size(), 1u);
    EXPECT_EQ(w.OknaKomunikatow[0].Tekst, "Błąd zapisu danych.\r" + kat.Sciezka() + "/PT.INI");
}

}  // namespace
