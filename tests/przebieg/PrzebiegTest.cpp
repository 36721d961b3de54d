// Przebieg przeliczenia okna na widoku w pamięci: komunikaty i barwy każdego etapu,
// teksty wyników, wypełnienie obiektu z pól, zdarzenia, lista klas, widoczność pól
// i tablica pól liczbowych.
#include <cmath>

#include "PomocPrzebiegu.h"
#include "common/Slad.h"

namespace {

std::string Razem(const tTekstyWynikow& t) { return t.M1N + "|" + t.TN + "|" + t.MP + "|" + t.TP + "|" + t.Kategoria; }

tOpisObiektu Zmieniony(void (*zmiana)(tOpisObiektu&))
{
    tOpisObiektu o;
    zmiana(o);
    return o;
}

TEST(Przelicz, KomunikatyBarwyIWynikiKazdegoEtapu)
{
    const struct {
        tOpisObiektu obiekt;
        tEtap etap;
        std::vector<std::string> linie;
        bool pusteTN;  // płyta: siła poprzeczna nie dotyczy
    } przypadki[] = {
        {{}, tEtap::Brak, {"", "OBLICZENIA POPRAWNE"}, false},
        {{4, 0, 3, 0, 1, {0.25, 0.25, 6, 0, 0.75, 0.75, 0, 0, 0, 0, 8, 0, 0, 0}, {0, 12, 0}}, tEtap::Brak,
         {"", "OBLICZENIA POPRAWNE"}, true},
        {Zmieniony([](tOpisObiektu& o) { o.Szerokosci[13] = 1; }), tEtap::Parametry,
         {"BŁĄD PRZEKROJU POPRZECZNEGO", "Parametr \"Liczba dźwigarów\" ma za małą wartość. (1,00)"}, false},
        {Zmieniony([](tOpisObiektu& o) { o.Szerokosci[2] = 7.5; }), tEtap::Sumy,
         {"BŁĄD WYMIARÓW PRZEKROJU POPRZECZNEGO", "", "Niezgodna suma wymiarów dolnych z górnymi",
          "         c1+a1+b+a2+c2 <> e1+B+e2"}, false},
        {Zmieniony([](tOpisObiektu& o) { o.Dlugosci = {0, 2.5, 0}; }), tEtap::Dlugosci,
         {"BŁĄD PRZEKROJU PODŁUŻNEGO", "Przęsło: rozpiętość mniejsza niż 3 m"}, false},
        {{1, 0, 4, 0, 1, {0.5, 0.5, 7, 0, 0, 0, 0, 0, 0, 0, 8, 0, 0, 0}}, tEtap::Oblicz,
         {"BŁĄD OBLICZEŃ :", "Element Przęsło: Brak algorytmu"}, false},
    };
    for (const auto& p : przypadki) {
        SCOPED_TRACE(p.linie.back());
        tOkno o(p.obiekt);
        o.w->Wyniki = {"x", "x", "x", "x", "x"};  // stare wyniki muszą zniknąć
        EXPECT_EQ(o.p->Przelicz().Etap, p.etap);
        EXPECT_EQ(o.w->Komunikaty, p.linie);
        EXPECT_TRUE(o.w->KomunikatyWidoczne);
        EXPECT_EQ(o.w->KomunikatyBledu, p.etap != tEtap::Brak);
        EXPECT_EQ(o.w->Przerysowania, 1);  // szkic także przy odrzuconych danych
        EXPECT_EQ(Razem(o.w->Wyniki), p.etap == tEtap::Brak ? Razem(TekstyWynikow(o.p->Obiekt())) : "||||");
        EXPECT_EQ(o.w->Wyniki.TN.empty(), p.pusteTN || p.etap != tEtap::Brak);
        EXPECT_EQ(o.w->Wyniki.M1N.empty(), p.etap != tEtap::Brak);
    }
}

TEST(Przelicz, TekstyWynikow)
{
    const struct {
        double M1N, TN, MP, TP, Masa;
        char separator;
        const char* teksty;  // M1N|TN|MP|TP|KATEGORIA
    } przypadki[] = {
        {12.34567, NieDotyczy, 0.5, NieDotyczy, 31.6, ',', " 12,3457|| 0,5000|| 32 [T]"},
        {12.34567, 7.25, 0.5, 1e19, 31.4, '.', " 12.3457| 7.2500| 0.5000| 10000000000000000000.0000| 31 [T]"},
        {0, 0.00004, 1234.5, 0.99994, 0.4, ',', " 0,0000| 0,0000| 1234,5000| 0,9999| 0 [T]"},
    };
    for (const auto& p : przypadki) {
        tSeparator s(p.separator);
        tObiektMostowy o;
        o.M1N = p.M1N, o.TN = p.TN, o.MP = p.MP, o.TP = p.TP, o.MasaGraniczna = p.Masa;
        EXPECT_EQ(Razem(TekstyWynikow(o)), p.teksty);
    }
}

TEST(Przelicz, ZdarzeniaPrzeliczajaTylkoGdyWlaczone)
{
    for (auto zdarzenie : {&tGlownyPrzebieg::ZmianaPrzekroju, &tGlownyPrzebieg::ZmianaSchematu,
                           &tGlownyPrzebieg::ZmianaLiczbyPrzesel, &tGlownyPrzebieg::ZmianaDlugosci,
                           &tGlownyPrzebieg::ZmianaNormatywu, &tGlownyPrzebieg::ZmianaKlasy,
                           &tGlownyPrzebieg::ZmianaSzerokosci}) {
        tOkno o(tOpisObiektu{});
        EXPECT_FALSE(o.p->PrzeliczanieWlaczone());  // od utworzenia okna do wczytania stanu
        ((*o.p).*zdarzenie)();
        EXPECT_EQ(o.w->Przerysowania + o.w->KomunikatyWidoczne, 0);
        o.p->WlaczPrzeliczanie(true);
        ((*o.p).*zdarzenie)();
        EXPECT_EQ(o.w->Przerysowania, 1);
        EXPECT_EQ(o.w->Komunikaty, (std::vector<std::string>{"", "OBLICZENIA POPRAWNE"}));
    }
}

// Każde pole trafia do swojego parametru (pomyłka strony lewej z prawą zmienia wynik),
// liczby całkowite wpisane z częścią ułamkową są obcinane, elementy tylko z wierszy w użyciu.
TEST(PobierzDane, PolaIWierszeWSwoichMiejscachObiektu)
{
    tOkno o({3, 2, 5, 2, 1, {0.11, 0.12, 7.03, 8.04, 1.05, 1.06, -0.07, 0.08, 0.09, 0.1, 9.11, 0.14, 0.13},
             {2, 20, 16, 20, 0, 33}});  // wiersz 5 pusty, wiersz 6 nie w użyciu
    o.w->Pola[RxSE_N] = 4.7;  // tekst wpisany w polu, nie ustawiony przez program
    o.w->Pola[IlePrzesel] = 3.9;
    tObiektMostowy ob;
    PobierzDane(*o.w, ob);
    EXPECT_EQ((std::vector<double>{ob.a1, ob.a2, ob.b, ob.B, ob.c1, ob.c2, ob.e1, ob.e2, ob.k1, ob.k2, ob.P, ob.g1, ob.g2}),
              (std::vector<double>{0.11, 0.12, 7.03, 8.04, 1.05, 1.06, -0.07, 0.08, 0.09, 0.1, 9.11, 0.14, 0.13}));
    EXPECT_EQ((std::vector<int>{ob.n, ob.Schemat, ob.Normatyw, ob.Klasa, ob.Przekroj}), (std::vector<int>{4, 2, 3, 2, 5}));
    std::vector<double> elementy;
    for (int i = 1; i <= ob.LiczbaElementow; ++i) elementy.push_back(ob.Elementy[i].Dlugosc);
    EXPECT_EQ(elementy, (std::vector<double>{2, 20, 16, 20}));
}

TEST(ListaKlas, RegulaWObuKierunkach)
{
    const struct {
        int z, na, klasaPrzed, pozycji, klasaPo;
        bool przebudowana;
    } przypadki[] = {
        {0, 3, 2, 3, 2, false}, {4, 6, 1, 3, 1, false},  // między starymi normatywami klasa zostaje
        {3, 5, 2, 5, 0, true},  {5, 5, 4, 5, 4, false},  // na PN-85: pięć klas, pierwsza wybrana
        {5, 4, 3, 3, 0, true},                           // z PN-85: trzy klasy, pierwsza wybrana
    };
    for (const auto& p : przypadki) {
        SCOPED_TRACE(std::to_string(p.z) + " -> " + std::to_string(p.na));
        tOkno o;
        o.w->UstawWybor(tLista::CBNormatyw, p.z);
        o.p->ZmianaNormatywu();
        o.w->UstawWybor(tLista::CBKlasa, p.klasaPrzed);
        o.w->UstawWybor(tLista::CBNormatyw, p.na);
        EXPECT_EQ(RegulaListyKlas(*o.w), p.przebudowana);
        EXPECT_EQ(o.w->LiczbaPozycjiListy(tLista::CBKlasa), p.pozycji);
        EXPECT_EQ(o.w->Wybor(tLista::CBKlasa), p.klasaPo);
    }
}

TEST(Widocznosc, PolaIPodpisyWedlugPrzekroju)
{
    const char* nazwy[] = {"A1", "A2", "B", "BB", "C1", "C2", "E1", "E2", "K1", "K2", "P", "G1", "G2", "N"};
    const char* oczekiwane[] = {
        "A1 A2 B BB C1 C2 E1 E2 N ",  "A1 A2 B BB E1 E2 N ", "A1 A2 B BB C1 C2 K1 K2 G1 ", "A1 A2 B C1 C2 E1 E2 P ",
        "A1 A2 B P ", "A1 A2 B BB C1 C2 E1 E2 K1 K2 G1 G2 N ", "A1 A2 B BB C1 C2 E1 E2 K1 K2 P G1 G2 ",
    };
    tOkno o;
    for (int t : {6, 0, 1, 2, 3, 4, 5}) {  // od przekroju z prawie wszystkimi polami
        o.w->UstawWybor(tLista::CBPrzeslo, t);
        o.p->ZmianaPrzekroju();
        std::string widoczne;
        for (int i = 0; i < LiczbaPolSzerokosci; ++i) widoczne += o.w->PoleWidoczne[i] ? std::string(nazwy[i]) + " " : "";
        EXPECT_EQ(widoczne, oczekiwane[t]) << "przekrój " << t;
        for (int r = 0; r < wLiczbaPrzesel; ++r)  // podpis wiersza razem z pierwszym polem
            EXPECT_EQ(o.w->PodpisWidoczny[r], o.w->PoleWidoczne[OpisWiersza(static_cast<tWierszPol>(r)).Lewe]) << r;
    }
}

TEST(BudujPrzesla, PoleLiczbyPrzeselIWierszeWUzyciu)
{
    const bool liczbaPrzesel[] = {false, false, true, false, true, true, true};
    tOkno o;
    o.w->UstawWartosc(IlePrzesel, 3);
    for (int s : {2, 0, 1, 3, 4, 5, 6}) {
        o.w->UstawWybor(tLista::CBSchemat, s);
        o.p->ZmianaSchematu();  // edytor przebudowany także przy wyłączonym przeliczaniu
        EXPECT_EQ(o.w->PoleWidoczne[IlePrzesel], liczbaPrzesel[s]) << s;
        EXPECT_EQ(o.w->PodpisWidoczny[wLiczbaPrzesel], liczbaPrzesel[s]) << s;
        EXPECT_EQ(o.w->WierszePrzesel.size(), static_cast<size_t>(WierszeWUzyciu(*o.w))) << s;
    }
    o.w->Pola[IlePrzesel] = 2.9;  // liczba przęseł obcięta: dwa przęsła
    o.p->ZmianaLiczbyPrzesel();
    EXPECT_EQ(o.w->WierszePrzesel.size(), 5u);
}

TEST(PolaLiczbowe, WartoscUstawianaPrzycietaIZaokraglona)
{
    const struct {
        tPole pole;
        double wartosc, wynik;
    } przypadki[] = {
        {RxSE_A1, -1, 0},       {RxSE_A1, 100.5, 100},   {RxSE_A1, 1.234, 1.23},   {RxSE_A1, 1.236, 1.24},
        {RxSE_A1, 0.125, 0.13}, {RxSE_E1, -150, -100},   {RxSE_E2, -0.35, -0.35},  {RxSE_E1, -0.001, 0},
        {RxSE_N, 40.4, 40},     {RxSE_N, 4.7, 5},        {RxSE_N, 41, 40},         {IlePrzesel, 0, 1},
        {IlePrzesel, 46, 45},   {RxSE_A1, NAN, 0},       {RxSE_E1, NAN, -100},     {RxSE_A1, INFINITY, 100},
        {RxSE_P, 99.996, 100},  {RxSE_C2, 0.004, 0},     {PoleDlugosci(1), 200, 150}, {PoleDlugosci(7), -3, 0},
        {PoleDlugosci(91), 12.345678, 12.35},
    };
    for (const auto& p : przypadki) EXPECT_EQ(WartoscUstawiana(p.pole, p.wartosc), p.wynik) << p.pole << " " << p.wartosc;
}

// Wpisana liczba spoza zakresu pola nie jest przycinana: pole oznaczone, komunikat podaje
// zakres, wyniku nie ma. Pole ukryte dla przekroju (P przy przekroju 0) nie jest w użyciu.
// Po utracie fokusu pole pokazuje liczbę w swoim formacie, nieprzyciętą.
TEST(PolaLiczbowe, WpisaneSpozaZakresuOznaczoneZZakresem)
{
    const struct {
        tPole pole;
        double wartosc;
        const char* komunikat;  // pusty: obliczenia poprawne
    } przypadki[] = {
        {PoleDlugosci(2), 500, "Rozpiętość przęsła: dozwolone od 0 do 150"},
        {PoleDlugosci(1), -5, "Długość lewego skrajnego wspornika: dozwolone od 0 do 150"},
        {RxSE_A1, -0.5, "Szerokość lewej opaski nawierzchni (a1): dozwolone od 0 do 100"},
        {RxSE_E2, -100.5, "Wysięg prawego wspornika chodnikowego (e2): dozwolone od -100 do 100"},
        {RxSE_N, 41, "Liczba dźwigarów głównych (n): dozwolone od 0 do 40"},
        {RxSE_P, 500, ""},
    };
    for (const auto& p : przypadki) {
        tOkno o(tOpisObiektu{});
        o.w->UstawWartoscWpisana(p.pole, p.wartosc);
        o.p->Przelicz();
        EXPECT_EQ(o.w->Komunikaty.back(), *p.komunikat ? p.komunikat : "OBLICZENIA POPRAWNE");
        EXPECT_EQ(o.w->Oznaczone[p.pole], *p.komunikat != 0);
        EXPECT_EQ(o.w->Wartosc(p.pole), p.wartosc);
    }
    EXPECT_EQ(WartoscPola(PoleDlugosci(2), 500.004) + WartoscPola(RxSE_N, 40.6), 500 + 41);
    EXPECT_EQ(TekstWpisanej(PoleDlugosci(2), 18) + TekstWpisanej(PoleDlugosci(2), 18.125) + TekstWpisanej(RxSE_N, 4.7),
              "18,0018,1254,7");
}

}  // namespace
