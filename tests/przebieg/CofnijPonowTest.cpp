// Polecenia "Cofnij" i "Ponów" na przebiegu: kroki całego obiektu, wpisywanie w jednym polu
// jednym krokiem, lista klas przywracana z normatywem, wartość spoza zakresu wraca wpisana,
// głębokość historii i znak "*" w tytule.
#include "PomocPrzebiegu.h"

namespace {

// Okno z wczytanym przykładem: początek historii, przeliczanie włączone.
struct tOknoZHistoria : tOkno {
    tOknoZHistoria() : tOkno(std::string(PONTIVA_KATALOG_ZRODEL) + "/przyklady/belka.PTV") {}
    // Zmiana pola tak, jak wpisuje ją użytkownik (zdarzenie okna).
    void Wpisz(tPole pole, double v)
    {
        w->UstawWartoscWpisana(pole, v);
        JestPolemDlugosci(pole) ? p->ZmianaDlugosci() : p->ZmianaSzerokosci();
    }
    double L2() const { return w->Wartosc(PoleDlugosci(2)); }
};

TEST(CofnijPonow, KrokiCalegoObiektu)
{
    tOknoZHistoria o;
    EXPECT_FALSE(o.p->Cofnij());
    for (double v : {0.0, 2.0, 20.0}) o.Wpisz(PoleDlugosci(2), v);  // "", "2", "20": jeden krok
    EXPECT_EQ(o.w->Tytul[0], '*');
    o.p->ZakonczEdycjePola();
    o.Wpisz(PoleDlugosci(2), 500);  // nowy krok po utracie fokusu, spoza zakresu
    for (auto [lista, pozycja] : {std::pair{tLista::CBNormatyw, 3}, {tLista::CBSchemat, 2}, {tLista::CBPrzeslo, 1}}) {
        o.w->UstawWybor(lista, pozycja);  // każda lista osobnym krokiem; lista klas przebudowana z normatywem
        lista == tLista::CBNormatyw ? o.p->ZmianaNormatywu() : lista == tLista::CBSchemat ? o.p->ZmianaSchematu() : o.p->ZmianaPrzekroju();
    }
    ASSERT_TRUE(o.p->Cofnij() && o.p->Cofnij() && o.p->Cofnij());
    EXPECT_EQ(o.Wybory(), (std::vector<int>{0, 0, 5, 1}));
    EXPECT_EQ(o.w->LiczbaPozycjiListy(tLista::CBKlasa), 5);
    EXPECT_EQ(o.L2(), 500);  // wpisana, nieprzycięta, znów oznaczona
    EXPECT_TRUE(o.w->Oznaczone[PoleDlugosci(2)]);
    ASSERT_TRUE(o.p->Cofnij() && o.p->Cofnij());
    EXPECT_EQ(o.L2(), 18);
    EXPECT_EQ(o.w->Tytul[0], 'P');  // z powrotem jak w pliku: bez "*"
    EXPECT_EQ(o.w->Komunikaty.back(), "OBLICZENIA POPRAWNE");
    EXPECT_FALSE(o.p->Cofnij());
    ASSERT_TRUE(o.p->Ponow());
    EXPECT_EQ(o.L2(), 20);
    o.Wpisz(RxSE_A1, 0.75);  // nowa zmiana usuwa kroki do ponowienia
    EXPECT_FALSE(o.p->Ponow());
    o.Wpisz(RxSE_A1, 0.5);  // pole wpisane z powrotem: krok znika
    ASSERT_TRUE(o.p->Cofnij());
    EXPECT_EQ(o.L2(), 18);
}

TEST(CofnijPonow, StoKrokowWstecz)
{
    tOknoZHistoria o;
    for (int i = 1; i <= 150; ++i) {
        o.Wpisz(PoleDlugosci(2), i);
        o.p->ZakonczEdycjePola();
    }
    for (int i = 0; i < 100; ++i) ASSERT_TRUE(o.p->Cofnij()) << i;
    EXPECT_EQ(o.L2(), 50);
    EXPECT_FALSE(o.p->Cofnij());
}

}  // namespace
