// Plik roboczy przez przebieg okna: zapis i odczyt każdego pola, bajty pliku, przypadki
// brzegowe odczytu, polecenie "Zapisz" i plik stanu PT.INI przy starcie i zamknięciu.
#include "PomocPrzebiegu.h"
#include "common/Formatowanie.h"
#include "core/Nazwy.h"
#include "persistence/Katalogi.h"

namespace {

// Belka przegubowa na 45 przęsłach: każde pole ma inną wartość z dwoma miejscami.
tOpisObiektu ObiektWszystkichPol()
{
    tOpisObiektu o{5, 4, 6, 5, 45, {0.25, 0.35, 6.45, 9.15, 1.05, 1.15, -0.45, 0.55, 0.21, 0.22, 9.95, 0.41, 0.42, 7}, {}};
    for (int i = 1; i <= MaksWierszy; ++i) o.Dlugosci.push_back(i % 2 ? 2.5 + i / 100.0 : 10 + i / 4.0);
    return o;
}

TEST(PlikRoboczy, KazdePolePrzechodziZapisIOdczytPrzyObuSeparatorach)
{
    tKatalogTymczasowy kat;
    const std::string sciezka = kat / "A.PTV";
    tOkno zrodlo(ObiektWszystkichPol());
    zrodlo.p->UstawInfo({"12345678", "2", "DK 7", "412+350", "Jędrzejów", "rzeka Nida – Żółw"});
    for (char zapis : {',', '.'}) {
        for (char odczyt : {',', '.'}) {
            SCOPED_TRACE(std::string("zapis ") + zapis + " odczyt " + odczyt);
            {
                tSeparator s(zapis);
                ASSERT_TRUE(zrodlo.p->ZapiszDane(sciezka));
            }
            EXPECT_NE(CzytajPlik(sciezka).find(std::string("\r\nE1=-0") + zapis + "45\r\n"), std::string::npos);
            tSeparator s(odczyt);
            const tOkno z(sciezka);
            EXPECT_EQ(z.Wybory(), zrodlo.Wybory());
            for (int p = 0; p < LiczbaPol; ++p) EXPECT_EQ(z.w->Pola[p], zrodlo.w->Pola[p]) << "pole " << p;
            EXPECT_EQ(z.w->Tytul, "Pontiva obiektów mostowych [JNI: 12345678 NrP: 2](dr:DK 7 km: 412+350)");
            EXPECT_EQ(z.p->Info().Najblizsza + "|" + z.p->Info().Przeszkoda, "Jędrzejów|rzeka Nida – Żółw");
            EXPECT_TRUE(z.p->PrzeliczanieWlaczone());
            EXPECT_EQ(z.w->Przerysowania, 1);  // wczytanie kończy jedno przeliczenie
        }
    }
}

TEST(PlikRoboczy, ZawartoscPlikuBajtPoBajcie)
{
    tKatalogTymczasowy kat;
    // g1 zapisywane pod kluczem "G"; wiersz 4 nie jest w użyciu.
    tOkno o({5, 1, 0, 0, 1, {0.5, 0.5, 7, 8.4, 1.5, 1.5, 1.3, 1.3, 0, 0, 0, 0.35, 0.45, 5}, {1.5, 18.25, 0, 7}});
    o.p->UstawInfo({"12010001", "1", "7", "412+350", "Łódź", "rzeka Nida"});
    ASSERT_TRUE(o.p->ZapiszDane(kat / "B.PTV"));

    // Wyniki z osobnego przeliczenia tych samych danych.
    tObiektMostowy ob;
    PobierzDane(*o.w, ob);
    ASSERT_TRUE(SprawdzIOblicz(ob).Poprawne());
    EXPECT_EQ(CzytajPlik(kat / "B.PTV"),
              "[INFO]\r\nJNI=12010001\r\nNRP=1\r\nDro=7\r\nKm=412+350\r\nNajblizsza=\xA3\xF3\x64\x9F\r\n"
              "Przeszkoda=rzeka Nida\r\n[OBIEKT]\r\nSCHEM=0\r\nPRZES=1\r\nNORMA=5\r\nKLASA=1\r\nRODZA=0\r\n"
              "[PP]\r\nA1=0,5\r\nA2=0,5\r\nB=7\r\nBB=8,4\r\nC1=1,5\r\nC2=1,5\r\nE1=1,3\r\nE2=1,3\r\nK1=0\r\nK2=0\r\n"
              "P=0\r\nG=0,35\r\nG2=0,45\r\nN=5\r\n[PD]\r\nL1=1,5\r\nL2=18,25\r\nL3=0\r\n[CALC]\r\nM1N=" +
                  LiczbaOgolna(ob.PodajM1N()) + "\r\nTN=" + LiczbaOgolna(ob.PodajTN()) + "\r\nTP=" +
                  LiczbaOgolna(ob.PodajTP()) + "\r\nPTV=" + LiczbaOgolna(ob.PodajMase()) + "\r\n");
}

// Zapis do istniejącego pliku: pusty JNI zostawia starą sekcję INFO (wczytanie ją
// przywraca), dane odrzucone przez sprawdzenia nie zostawiają starej sekcji CALC, a okno
// i jego obiekt zostają nietknięte.
TEST(PlikRoboczy, ZapisDoIstniejacegoPliku)
{
    tKatalogTymczasowy kat;
    const std::string sciezka = kat / "C.PTV";
    ZapiszPlik(sciezka, "[INFO]\r\nJNI=11112222\r\nNRP=3\r\nWlasny=zostaje\r\n[OBIEKT]\r\nSCHEM=1\r\n[CALC]\r\nPTV=42\r\n");
    tOkno o(tOpisObiektu{});
    o.w->UstawWartosc(RxSE_B, 9);  // niezgodne sumy
    ASSERT_TRUE(o.p->ZapiszDane(sciezka));
    const std::string bajty = CzytajPlik(sciezka);
    EXPECT_EQ(bajty.rfind("[INFO]\r\nJNI=11112222\r\nNRP=3\r\nWlasny=zostaje\r\n[OBIEKT]\r\nSCHEM=0\r\n", 0), 0u);
    EXPECT_EQ(bajty.find("[CALC]"), std::string::npos);
    EXPECT_EQ(o.w->Przerysowania + o.p->Obiekt().LiczbaElementow, 0);
    const tOkno z(sciezka);
    EXPECT_EQ(z.p->Info().JNI + "_" + z.p->Info().NrP, "11112222_3");
}

// Klasa z pliku należy do listy normatywu z pliku i przeżywa przebudowę listy klas,
// także gdy okno miało przed wczytaniem listę innego rodzaju.
TEST(PlikRoboczy, PozycjeListIKlasaPoPrzebudowieListy)
{
    const struct {
        const char* obiekt;
        int normatywOkna, schemat, normatyw, klasa, przekroj;
    } przypadki[] = {
        {"SCHEM=9\nNORMA=-1\nKLASA=3\nRODZA=7\n", 0, 0, 0, 0, 0},  // spoza list: pozycje domyślne
        {"SCHEM=x\nNORMA=6\nKLASA=2\nRODZA=6\n", 0, 0, 6, 2, 6},
        {"SCHEM=4\nNORMA=5\nKLASA=4\n", 0, 4, 5, 4, 0},  // klasa E
        {"NORMA=4\nKLASA=4\n", 0, 0, 4, 0, 0},
        {"NORMA=3\r\nKLASA=2\r\n", 5, 0, 3, 2, 0},  // okno z listą klas PN-85
    };
    tKatalogTymczasowy kat;
    for (const auto& p : przypadki) {
        SCOPED_TRACE(p.obiekt);
        ZapiszPlik(kat / "F.PTV", std::string("[OBIEKT]\n") + p.obiekt);
        tOkno o;
        o.w->UstawWybor(tLista::CBNormatyw, p.normatywOkna);
        o.p->ZmianaNormatywu();
        o.w->UstawWybor(tLista::CBKlasa, 4);
        o.p->WczytajDane(kat / "F.PTV");
        EXPECT_EQ(o.Wybory(), (std::vector<int>{p.przekroj, p.schemat, p.normatyw, p.klasa}));
        EXPECT_EQ(o.w->Listy[3].Pozycje, KlasyNormatywu(p.normatyw));
    }
}

// Wczytanie ustawia wszystkie pola długości: brakujące klucze L dają 0 także tam, gdzie
// okno miało wcześniej wartości; elementy o długości 0 nie wchodzą do obiektu.
TEST(PlikRoboczy, MniejKluczyLNizWymagaSchemat)
{
    tKatalogTymczasowy kat;
    ZapiszPlik(kat / "H.PTV", "[OBIEKT]\r\nSCHEM=2\r\nPRZES=3\r\n[PD]\r\nL1=2\r\nL2=15\r\nL3=18\r\n");
    tOkno o(ObiektWszystkichPol());
    o.p->WczytajDane(kat / "H.PTV");
    const double zPliku[] = {2, 15, 18};
    for (int i = 1; i <= MaksWierszy; ++i) EXPECT_EQ(o.w->Wartosc(PoleDlugosci(i)), i <= 3 ? zPliku[i - 1] : 0) << i;
    EXPECT_EQ(o.p->Obiekt().LiczbaElementow, 3);
}

class Zapisz : public ::testing::Test {
protected:
    void SetUp() override { UstawKatalogDanych(kat.Sciezka()); }
    void TearDown() override { UstawKatalogDanych(""); }
    tKatalogTymczasowy kat;
};

// Ścieżka i tytuł z przyciętej identyfikacji, komunikat tylko przy pierwszym zapisie.
TEST_F(Zapisz, SciezkaTytulIKomunikatPierwszegoZapisu)
{
    tOkno o(tOpisObiektu{});
    o.p->UstawInfo({"", "1", "DK 7", "1", "", ""});  // bez JNI tytuł bez identyfikacji, "*": niezapisany
    EXPECT_EQ(o.w->Tytul, "*Pontiva obiektów mostowych ");
    EXPECT_EQ(tGlownyPrzebieg::SciezkaZapisu({" 99999999 ", " 1 ", "", "", "", ""}), kat / "JNI/99999999_1.PTV");
    ASSERT_TRUE(o.p->Zapisz({" 99999999 ", "1", "DK 7", "1+000", "", ""}));
    EXPECT_NE(CzytajPlik(kat / "JNI/99999999_1.PTV").find("JNI=99999999\r\n"), std::string::npos);
    EXPECT_EQ(o.w->Tytul, "Pontiva obiektów mostowych [JNI: 99999999 NrP: 1](dr:DK 7 km: 1+000)");
    ASSERT_TRUE(o.p->Zapisz({"99999999", "2", "", "", "", ""}));
    EXPECT_FALSE(CzytajPlik(kat / "JNI/99999999_2.PTV").empty());
    EXPECT_EQ(o.Okienka(), "INFO|Dane o obiekcie zostały zapisane\rdo podkatalogu o nazwie JNI\r" + kat / "JNI/99999999_1.PTV" +
                               "|I;");  // tylko raz, z nazwą zapisanego pliku
}

TEST_F(Zapisz, BladZapisuPokazanyIStanBezZmian)
{
    ZapiszPlik(kat / "JNI", "to plik, nie katalog");
    tOkno o;
    EXPECT_FALSE(o.p->Zapisz({"99999999", "1", "", "", "", ""}));
    EXPECT_EQ(o.Okienka(), "INFO|Błąd zapisu danych.\r|I;");
    EXPECT_EQ(o.p->Info().JNI + "|" + o.w->Tytul, "99999999|Pontiva obiektów mostowych ");  // dane zostają, tytuł nie
    EXPECT_TRUE(o.p->KomunikatPierwszegoZapisu());
    fs::remove(kat / "JNI");  // nazwa wychodząca poza katalog JNI jest odrzucana
    EXPECT_FALSE(o.p->Zapisz({"../x", "1", "", "", "", ""}));
    EXPECT_FALSE(fs::exists(kat / "x_1.PTV"));
}

// Pierwsze uruchomienie w pustym katalogu pokazuje wbudowany przykład (bajt w bajt
// przyklady/belka.PTV) oznaczony w tytule; zamknięcie zapisuje PT.INI z sekcją STAN, a następne
// uruchomienie odtwarza zmieniony most z niezapisanymi zmianami i wartością wpisaną spoza
// zakresu; PT.INI, którego nie da się czytać, jest odkładany z jednym komunikatem i powstaje nowy.
TEST_F(Zapisz, PierwszeUruchomienieIPlikStanu)
{
    const std::string tytul = "Pontiva obiektów mostowych [JNI: 12010001 NrP: 1](dr:7 km: 412+350) – przykład";
    {
        tOkno o;
        o.p->Uruchom();
        EXPECT_TRUE(fs::is_directory(kat / "JNI") && o.p->PrzeliczanieWlaczone());
        EXPECT_EQ(o.w->Tytul + "|" + o.w->Wyniki.Kategoria + "|" + o.w->Komunikaty.back(), tytul + "| 42 [T]|OBLICZENIA POPRAWNE");
        ASSERT_TRUE(o.p->ZapiszDane(kat / "b.PTV"));
        EXPECT_EQ(CzytajPlik(kat / "b.PTV"), CzytajPlik(std::string(PONTIVA_KATALOG_ZRODEL) + "/przyklady/belka.PTV"));
        EXPECT_FALSE(o.p->Zmieniony());
        o.w->UstawWartoscWpisana(PoleDlugosci(3), 200);
        ASSERT_TRUE(o.p->Zamknij());
        EXPECT_TRUE(CzytajPlik(kat / "PT.INI").ends_with("\r\nL3=200\r\n[STAN]\r\nZMIENIONY=1\r\nPRZYKLAD=1\r\n"));
    }
    tOkno o;
    o.p->Uruchom();
    EXPECT_EQ(o.Wybory(), (std::vector<int>{0, 0, 5, 1}));
    EXPECT_EQ(o.w->Wartosc(PoleDlugosci(3)), 200);
    EXPECT_EQ(o.w->Komunikaty.back(), "Długość prawego skrajnego wspornika: dozwolone od 0 do 150");
    EXPECT_EQ(o.w->Tytul, "*" + tytul);
    o.p->UstawInfo(tInfoObiektu(o.p->Info()));  // ta sama identyfikacja: dalej przykład
    EXPECT_TRUE(o.p->Przyklad());
    o.p->UstawInfo({"12010001", "2", "7", "412+350", "", ""});  // własny numer przęsła: już nie przykład
    EXPECT_FALSE(o.p->Przyklad());
    o.w->UstawWartosc(PoleDlugosci(3), 0);
    EXPECT_TRUE(o.p->Zmieniony());  // zmiany sprzed zamknięcia dalej niezapisane
    o.p->Zamknij();
    tOkno wczytany(kat / "PT.INI");  // czytnik pliku roboczego nie widzi sekcji STAN
    EXPECT_TRUE(wczytany.w->OknaKomunikatow.empty() && wczytany.w->Wartosc(PoleDlugosci(3)) == 0);

    const std::string stan = kat / "PT.INI";
    for (const auto& [zepsuj, przyczyna] : {std::pair{"katalog", "To nie jest zwykły plik: " + stan},
                                            {"duzy", "Plik jest za duży (ponad 1 MiB): " + stan}}) {
        fs::remove(stan);
        zepsuj == std::string("katalog") ? (void)fs::create_directory(stan) : ZapiszPlik(stan, std::string(1 << 21, ';'));
        o.w->OknaKomunikatow.clear();
        EXPECT_TRUE(o.p->Zamknij());
        const std::string okna = o.Okienka();
        EXPECT_TRUE(okna.starts_with("UWAGA|Pliku stanu nie dało się użyć: " + przyczyna + "\rOdłożono go jako " + stan + ".2") &&
                    okna.ends_with(" i zapisano nowy.|O;"))
            << okna;
        EXPECT_NE(CzytajPlik(stan).find("[OBIEKT]"), std::string::npos);
    }
    EXPECT_EQ(std::distance(fs::directory_iterator(kat.Sciezka()), fs::directory_iterator()), 5);  // JNI, PT.INI, b.PTV, 2 odłożone
}

// Pytanie o niezapisane zmiany: bez zmian nie pada; Tak zapisuje (odmowa zapisu zatrzymuje),
// Nie porzuca zmiany, Anuluj zatrzymuje. Wczytany plik to znowu obiekt bez zmian.
TEST_F(Zapisz, PytanieONiezapisaneZmiany)
{
    const struct {
        bool zmiana;
        tOdpowiedz odpowiedz;
        bool zapisano, wynik;
        const char* okienka;
    } przypadki[] = {
        {false, tOdpowiedz::Anuluj, true, true, ""},
        {true, tOdpowiedz::Tak, true, true, "UWAGA|Zapisać zmiany w obiekcie 12345678_1?|O;"},
        {true, tOdpowiedz::Tak, false, false, "UWAGA|Zapisać zmiany w obiekcie 12345678_1?|O;"},
        {true, tOdpowiedz::Nie, true, true, "UWAGA|Zapisać zmiany w obiekcie 12345678_1?|O;"},
        {true, tOdpowiedz::Anuluj, true, false, "UWAGA|Zapisać zmiany w obiekcie 12345678_1?|O;"},
    };
    for (const auto& c : przypadki) {
        tOkno o;
        o.p->Uruchom();
        o.p->UstawInfo({"12345678", "1", "", "", "", ""});
        ASSERT_TRUE(o.p->ZapiszDane(kat / "A.PTV"));
        o.p->WczytajDane(kat / "A.PTV");
        if (c.zmiana) o.w->UstawWartosc(PoleDlugosci(2), 17);
        o.w->Odpowiedz = c.odpowiedz;
        int zapisy = 0;
        EXPECT_EQ(o.p->PorzucZmiany([&] { return ++zapisy, c.zapisano; }), c.wynik) << c.okienka;
        EXPECT_EQ(zapisy, c.odpowiedz == tOdpowiedz::Tak && c.zmiana);
        EXPECT_EQ(o.Okienka(), c.okienka);
    }
}

// Plik innego obiektu albo błędne dane nad plikiem: pytanie, a Nie zostawia plik bez zmian.
// Własny plik z poprawnymi danymi zastępuje się bez pytania; pole spoza edytora nie zapisuje.
TEST_F(Zapisz, PytaniePrzedZastapieniemPliku)
{
    const tInfoObiektu id{"99999999", "1", "", "", "", ""};
    const std::string plik = kat / "JNI/99999999_1.PTV";
    tOkno a(tOpisObiektu{});
    ASSERT_TRUE(a.p->Zapisz(id));
    const std::string zA = CzytajPlik(plik);
    tOpisObiektu inny;
    inny.Dlugosci = {0, 12, 0};
    tOkno b(inny);
    const std::string pytanie = "UWAGA|Plik " + plik + " zawiera inne dane.\rZastąpić je danymi tego obiektu?|O;";
    b.p->UstawInfo({"11111111", "1", "", "", "", ""});
    b.w->Odpowiedz = tOdpowiedz::Nie;
    EXPECT_FALSE(b.p->Zapisz(id));
    EXPECT_EQ(b.Okienka(), pytanie);
    EXPECT_EQ(CzytajPlik(plik), zA);
    EXPECT_EQ(b.p->Info().JNI, "11111111");  // odmowa zostawia identyfikację sprzed zapisu
    b.w->Odpowiedz = tOdpowiedz::Tak;
    EXPECT_TRUE(b.p->Zapisz(id));
    EXPECT_NE(CzytajPlik(plik), zA);

    b.w->OknaKomunikatow.clear();
    b.w->UstawWartosc(PoleDlugosci(2), 13);  // własny plik: bez pytania
    EXPECT_TRUE(b.p->Zapisz(id));
    b.w->UstawWartosc(RxSE_BB, 0);  // dane odrzucone przez sprawdzenia
    b.w->Odpowiedz = tOdpowiedz::Nie;
    EXPECT_FALSE(b.p->Zapisz(id));
    EXPECT_EQ(b.Okienka(), "UWAGA|Dane obiektu nie przechodzą sprawdzeń: plik " + plik +
                               " zostanie zapisany bez wyników.\rZapisać mimo to?|O;");
    EXPECT_NE(CzytajPlik(plik).find("[CALC]"), std::string::npos);

    b.w->OknaKomunikatow.clear();
    b.w->UstawWybor(tLista::CBSchemat, 2);
    b.w->Pola[IlePrzesel] = 46;  // wpisane, nieprzycięte
    b.p->Przelicz();
    EXPECT_EQ(b.w->Komunikaty, (std::vector<std::string>{"BŁĄD PRZEKROJU PODŁUŻNEGO", "Liczba przęseł: dozwolone od 1 do 45"}));
    EXPECT_TRUE(b.w->Oznaczone[IlePrzesel] && b.w->Wyniki.M1N.empty());
    EXPECT_FALSE(b.p->Zapisz(id));
    EXPECT_EQ(b.Okienka(), "INFO|Dane nie zostały zapisane.\rLiczba przęseł: dozwolone od 1 do 45|O;");
}

// "Zapisz jako" pisze pod dowolną ścieżką i od tej chwili "Zapisz" pisze tam wprost, także po
// ponownym uruchomieniu; plik z katalogu JNI zapisuje się jak dotąd pod nazwą z identyfikacji.
TEST_F(Zapisz, ZapiszJakoIZapisDoWczytanegoPliku)
{
    const std::string most = kat / "most.PTV";
    tOkno o(tOpisObiektu{});
    EXPECT_EQ(o.p->PlikDoZapisu(), "");
    ASSERT_TRUE(o.p->ZapiszJako(most));
    EXPECT_EQ(o.p->PlikDoZapisu() + "|" + o.w->Tytul, most + "|Pontiva obiektów mostowych ");
    ASSERT_TRUE(o.p->Zapisz({"99999999", "1", "", "", "", ""}));
    EXPECT_EQ(o.p->PlikDoZapisu(), "");
    o.p->WczytajDane(most);
    o.w->UstawWartoscWpisana(PoleDlugosci(2), 500);
    EXPECT_FALSE(o.p->ZapiszJako(most));
    EXPECT_EQ(o.Okienka(), "INFO|Dane o obiekcie zostały zapisane\rdo podkatalogu o nazwie JNI\r" + kat / "JNI/99999999_1.PTV" +
                               "|I;INFO|Dane nie zostały zapisane.\rRozpiętość przęsła: dozwolone od 0 do 150|O;");
    ASSERT_TRUE(o.p->Zamknij());
    tOkno po;
    po.p->Uruchom();
    EXPECT_EQ(po.p->PlikDoZapisu(), most);
}

}  // namespace
