// Zestawienie rejestru: filtr, podsumowanie według kategorii, CSV i RTF.
#include <gtest/gtest.h>

#include "Wspolne.h"
#include "common/Cp1250.h"
#include "rejestr/Zestawienie.h"

using namespace testy;

namespace {

// Wiersz obiektu o nośności masa: KATEGORIA obcięta do pełnych ton, jak w oknie.
tWierszRejestru Obiekt(const std::string& droga, const std::string& miejscowosc, double masa)
{
    return {.Plik = "12345678_1.PTV", .Info = {"12345678", "1", droga, "12+300", miejscowosc, "rzeka"},
            .Normatyw = "PN-85/S-10030", .Klasa = "A", .Przekroj = "płytowy", .Schemat = "belka", .Przesla = 2,
            .Najdluzsze = 12.5, .Wczytany = true, .Poprawny = true, .Masa = masa, .Kategoria = std::trunc(masa),
            .KategoriaTekst = std::to_string(static_cast<int>(masa)), .NazwaNajgorszego = "dźwigar"};
}

tWierszRejestru Odrzucony(const std::string& etap, const std::string& komunikat, bool wczytany)
{
    tWierszRejestru w = wczytany ? Obiekt("DK1", "Kraków", 0) : tWierszRejestru{};
    if (!wczytany) w.Plik = "zly.PTV";
    w.Poprawny = false;
    w.Etap = etap;
    w.Komunikat = komunikat;
    return w;
}

}  // namespace

TEST(Zestawienie, FiltrTekstuBezWielkosciLiterIPonizej)
{
    // Nośność 23,5 t: KATEGORIA 23, zaokrąglona byłaby 24.
    const tWierszRejestru w24 = Obiekt("DW791", "ŁÓDŹ ŚWIĘTĄ", 24), w23 = Obiekt("DK1", "Gdańsk", 23.5);
    const tWierszRejestru odrzucony = Odrzucony("sumy", "Błąd", true), nieczytelny = Odrzucony("odczyt", "x", false);
    struct tPrzypadek {
        std::string tekst;
        bool zPonizej;
        double ponizej;
        std::vector<bool> przyjete;  // w24, w23 (23,5 t), odrzucony, nieczytelny
        std::string opis;
    };
    const tPrzypadek przypadki[] = {
        {"", false, 0, {true, true, true, true}, "bez filtra"},
        {"dw79", false, 0, {true, false, false, false}, "tekst „dw79”"},
        {"łódź świętą", false, 0, {true, false, false, false}, "tekst „łódź świętą”"},
        {"GDAŃ", false, 0, {false, true, false, false}, "tekst „GDAŃ”"},
        {"gdan", false, 0, {false, false, false, false}, "tekst „gdan”"},
        {"12+3", false, 0, {true, true, true, false}, "tekst „12+3”"},
        {"", true, 24, {false, true, true, true}, "nośność poniżej 24 t"},
        {"", true, 24.5, {true, true, true, true}, "nośność poniżej 24,5 t"},
        {"", true, 23.2, {false, false, true, true}, "nośność poniżej 23,2 t"},  // nośność, nie KATEGORIA 23
        {"dk1", true, 23, {false, false, true, false}, "tekst „dk1”, nośność poniżej 23 t"},
    };
    for (const auto& p : przypadki) {
        tFiltrRejestru f;
        f.Tekst = p.tekst;
        f.ZPonizej = p.zPonizej;
        f.Ponizej = p.ponizej;
        const tWierszRejestru* wiersze[] = {&w24, &w23, &odrzucony, &nieczytelny};
        for (int i = 0; i < 4; ++i) EXPECT_EQ(f.Przyjmuje(*wiersze[i]), p.przyjete[i]) << p.opis << " wiersz " << i;
        EXPECT_EQ(f.Opis(), p.opis);
    }
}

TEST(Zestawienie, PodsumowanieWedlugKategorii)
{
    std::vector<tWierszRejestru> w;
    for (double k : {60.0, 42.0, 41.99, 32.0, 24.0, 16.0, 15.0, 10.0, 9.99, 0.0}) w.push_back(Obiekt("DK1", "", k));
    w.push_back(Odrzucony("oblicz", "Błąd", true));
    w.push_back(Odrzucony("odczyt", "x", false));
    std::vector<const tWierszRejestru*> wsk;
    for (const auto& x : w) wsk.push_back(&x);
    const std::array<int, LiczbaKategoriiRejestru> oczekiwane = {2, 2, 1, 1, 2, 2, 2};
    EXPECT_EQ(Podsumowanie(wsk), oczekiwane);
    // Barwy kategorii stałe, w równych krokach: 42 t koniec niebieski, poniżej 10 t czerwony.
    EXPECT_EQ(BarwaKategoriiRejestru(0), BarwySkali()[2]);
    EXPECT_EQ(BarwaKategoriiRejestru(5), BarwySkali()[0]);
    for (int k = 0; k < 5; ++k) EXPECT_NE(BarwaKategoriiRejestru(k), BarwaKategoriiRejestru(k + 1)) << k;
}

TEST(Zestawienie, CsvNaglowekKomorkiISeparator)
{
    tWierszRejestru a = Obiekt("=DW791", "Nowa; Wieś", 24.25);
    a.Info.Przeszkoda = "rzeka\x01 \"Wisła\"";
    a.Plik = "z\xFFle.PTV";
    const tWierszRejestru b = Odrzucony("sumy", "Błędne dane\r  Popraw \"sumę\"", true);
    const tWierszRejestru c = Odrzucony("odczyt", "-nie plik roboczy", false);
    const std::string naglowek =
        "plik;JNI;NrP;Droga;Km;Najblizsza;Przeszkoda;normatyw;klasa;przekroj;schemat;przesla;najdluzsze;KATEGORIA;"
        "najgorszy;etap;komunikat;nosnosc\n";
    const std::string wiersze[] = {
        "z\xEF\xBF\xBDle.PTV;12345678;1;'=DW791;12+300;\"Nowa; Wieś\";\"rzeka? \"\"Wisła\"\"\";PN-85/S-10030;A;płytowy;"
        "belka;2;12#5;24;dźwigar;;;24#25\n",
        "12345678_1.PTV;12345678;1;DK1;12+300;Kraków;rzeka;PN-85/S-10030;A;płytowy;belka;2;12#5;;;sumy;"
        "\"Błędne dane Popraw \"\"sumę\"\"\";\n",
        "zly.PTV;;;;;;;;;;;;;;;odczyt;'-nie plik roboczy;\n",
    };
    for (char sep : {',', '.'}) {
        tSeparator s(sep);
        std::string oczekiwany = naglowek;
        for (std::string w : wiersze) {
            std::replace(w.begin(), w.end(), '#', sep);
            oczekiwany += w;
        }
        EXPECT_EQ(ZestawienieCsv({&a, &b, &c}), oczekiwany);
    }
}

TEST(Zestawienie, ZapisCsvZeZnacznikiemIRtfZWierszemNaObiekt)
{
    tKatalogTymczasowy kat;
    const tWierszRejestru a = Obiekt("DW791", "Łódź", 24), b = Odrzucony("sumy", "Błędne {dane}\rPopraw", true);
    std::string blad;
    ASSERT_TRUE(ZapiszZestawienie(kat / "z.CSV", {&a}, "JNI", "07.12.2026", {}, blad)) << blad;
    EXPECT_EQ(CzytajPlik(kat / "z.CSV"), ZnacznikUtf8 + ZestawienieCsv({&a}));

    tFiltrRejestru f;
    f.ZPonizej = true;
    f.Ponizej = 30;
    ASSERT_TRUE(ZapiszZestawienie(kat / "z.rtf", {&a, &b}, "/dane/JNI", "07.12.2026", f, blad)) << blad;
    const std::string rtf = Cp1250DoUtf8(CzytajPlik(kat / "z.rtf"));
    EXPECT_EQ(rtf.rfind("{\\rtf1", 0), 0u);
    size_t wierszy = 0;
    for (size_t p = 0; (p = rtf.find("\\row", p)) != std::string::npos; ++p) ++wierszy;
    EXPECT_EQ(wierszy, 3u);  // nagłówek tabeli i dwa obiekty
    for (const char* t : {"Zestawienie nośności obiektów", "/dane/JNI", "07.12.2026", "nośność poniżej 30 t", "Łódź",
                          "dźwigar", "odrzucony (sumy): Błędne \\{dane\\} Popraw", "Liczba obiektów: 2"})
        EXPECT_NE(rtf.find(t), std::string::npos) << t;

    EXPECT_FALSE(ZapiszZestawienie(kat / "z.txt", {&a}, "JNI", "", {}, blad));
    EXPECT_NE(blad.find("z.txt"), std::string::npos);
    EXPECT_FALSE(fs::exists(kat / "z.txt"));
}

// Przejazd pojazdu okna rejestru: oś 10 t sama na obiekcie, element LM = LT = 8 m: M = 100 kN/4 = 25,
// T = 100 kN; przy MP = 25 u = 1 (dopuszczalny), przy MP = 20 u = 1,25.
TEST(Zestawienie, KolumnyIFiltrPrzejazduPojazdu)
{
    const tWybranyPojazd os{{"oś", {10}, {}}, 0};
    tWierszRejestru a = Obiekt("DK1", "Łódź", 24), b = Obiekt("DK2", "Ełk", 24);
    a.Nosnosci = {{1, "dźwigar", 8, 8, 25, 200}};
    b.Nosnosci = {{1, "dźwigar", 8, 8, 20, 200}};
    const tWierszRejestru c = Odrzucony("sumy", "Błąd", true);
    const std::vector<const tWierszRejestru*> wiersze = {&a, &b, &c};
    tPrzejazdZestawienia p{&os, {}};
    std::vector<tOcenaPrzejazdu> oceny;
    for (const auto* w : wiersze) oceny.push_back(w->Poprawny ? OcenPrzejazd(w->Nosnosci, os.Pojazd, os.Q) : tOcenaPrzejazdu{});
    for (const auto& o : oceny) p.Oceny.push_back(&o);
    tFiltrRejestru f;
    f.TylkoNiedopuszczalne = true;
    EXPECT_EQ(f.Opis(), "tylko przejazd niedopuszczalny");
    const char* const teksty[] = {"1,00 – dopuszczalny", "1,25 – niedopuszczalny", "niedopuszczalny"};
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(TekstPrzejazdu(*wiersze[i], oceny[i]), teksty[i]);
        EXPECT_EQ(f.Przyjmuje(*wiersze[i], &oceny[i]), i > 0);
        EXPECT_TRUE(f.Przyjmuje(*wiersze[i]));  // bez pojazdu filtr przejazdu nie działa
    }
    const auto csv = Wiersze(ZestawienieCsv(wiersze, &p));
    EXPECT_TRUE(csv[0].ends_with(";etap;komunikat;nosnosc;wykorzystanie;dopuszczalny"));
    EXPECT_TRUE(csv[1].ends_with(";dźwigar;;;24,00;1,00;TAK") && csv[2].ends_with(";1,25;NIE") && csv[3].ends_with(";Błąd;;;NIE"))
        << csv[1] << "\n" << csv[3];
    const std::string rtf = Cp1250DoUtf8(ZestawienieRtf(wiersze, "JNI", "07.12.2026", f, &p));
    for (const char* t : {"Pojazd: oś", "Masa całkowita: 10 t; liczba osi: 1", "Przypadek obciążenia: pojazd sam na obiekcie",
                          "Element rozstrzygający\\cell", "Przejazd\\cell", "1,25 – niedopuszczalny\\cell",
                          "odrzucony (sumy): Błąd\\cell}\r\n{\\f4\\fs14\\cf1 niedopuszczalny\\cell"})
        EXPECT_NE(rtf.find(t), std::string::npos) << t;
}
