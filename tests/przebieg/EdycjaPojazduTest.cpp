// Pojazd okna pojazdu bez Qt: tabela osi z regułami pliku *.PJZ (odmowa bez zmiany pojazdu),
// dodawanie, usuwanie i przesuwanie osi z rozstawami, zapis z pytaniem o plik zmieniony na
// dysku i o niezapisane zmiany.
#include <gtest/gtest.h>

#include "Wspolne.h"
#include "przebieg/EdycjaPojazdu.h"

namespace {

using namespace testy;

// Wiersze tabeli osi: "nacisk/rozstaw" po spacji (ostatnia oś bez rozstawu).
std::string Osie(const tEdycjaPojazdu& e)
{
    std::string t;
    for (int i = 0; i < e.LiczbaOsi(); ++i) t += (i ? " " : "") + e.TekstNacisku(i) + "/" + e.TekstRozstawu(i);
    return t;
}

TEST(EdycjaPojazdu, TabelaOsi)
{
    tEdycjaPojazdu e;
    std::string kom;
    EXPECT_EQ(e.DodajOs(-1), 0);
    EXPECT_EQ(e.DodajOs(0), 1);  // za ostatnią: rozstaw domyślny, bo nie ma czego powtórzyć
    EXPECT_EQ(Osie(e), "10/1,5 10/");
    // Liczba trzymana tak, jak ją pokaże tabela i zapisze plik (15 cyfr znaczących).
    EXPECT_TRUE(e.UstawNacisk(0, "8.0000000000000018", kom) && e.UstawNacisk(1, " 12.5 ", kom));
    EXPECT_EQ(e.Pojazd().Naciski[0], 8.0);
    EXPECT_EQ(e.DodajOs(0), 1);  // w środku: nacisk i rozstaw osi 1
    EXPECT_TRUE(e.UstawRozstaw(1, "2,4", kom) && e.UstawNacisk(1, "9", kom));
    EXPECT_EQ(Osie(e), "8/1,5 9/2,4 12,5/");
    EXPECT_EQ(e.DodajOs(5), 3);  // poza tabelą: na końcu z rozstawem poprzedniej
    EXPECT_EQ(Osie(e), "8/1,5 9/2,4 12,5/2,4 12,5/");
    e.UsunOs(3);
    // Wpis odrzucony komunikatem pliku; tabela bez zmian.
    for (auto [nacisk, os, tekst, komunikat] : std::vector<std::tuple<bool, int, std::string, std::string>>{
             {true, 1, "12t", "[POJAZD] P2 = \"12t\": to nie jest liczba"},
             {false, 0, "0,29", "[POJAZD] S1 = \"0,29\": rozstaw osi poza zakresem od 0,3 do 50 m"}}) {
        EXPECT_FALSE(nacisk ? e.UstawNacisk(os, tekst, kom) : e.UstawRozstaw(os, tekst, kom));
        EXPECT_EQ(kom, komunikat);
    }
    EXPECT_EQ(Osie(e), "8/1,5 9/2,4 12,5/");
    EXPECT_EQ(e.Opis(), "Masa całkowita: 29,5 t; liczba osi: 3; rozstaw skrajnych osi: 3,9 m");
    // Oś z rozstawem do następnej; para z ostatnią zamienia tylko naciski.
    EXPECT_EQ(e.PrzesunOs(0, 1), 1);
    EXPECT_EQ(Osie(e), "9/2,4 8/1,5 12,5/");
    EXPECT_EQ(e.PrzesunOs(2, -1), 1);
    EXPECT_EQ(Osie(e), "9/2,4 12,5/1,5 8/");
    EXPECT_EQ(e.PrzesunOs(0, -1), 0);
    e.UsunOs(1);  // z rozstawem do następnej
    EXPECT_EQ(Osie(e), "9/2,4 8/");
    e.UsunOs(1);  // ostatnia: z rozstawem od poprzedniej
    EXPECT_EQ(Osie(e), "9/");
    while (e.LiczbaOsi() < MaksOsiPojazdu) e.DodajOs(-1);
    EXPECT_EQ(e.DodajOs(-1), -1);
    EXPECT_TRUE(e.Wybrany().has_value());
    e.UstawOcene(false);
    EXPECT_FALSE(e.Wybrany().has_value());
    EXPECT_FALSE(tEdycjaPojazdu().Wybrany().has_value());  // bez osi nie ma czego oceniać
}

TEST(EdycjaPojazdu, PlikiIPytania)
{
    tKatalogTymczasowy kat;
    const std::string plik = kat / "z.PJZ";
    std::vector<std::string> pytania;
    tOdpowiedz odpowiedz = tOdpowiedz::Nie;
    const tPytanie pytaj = [&](const std::string& p, bool) { return pytania.push_back(p), odpowiedz; };
    tEdycjaPojazdu e;
    std::string kom;
    EXPECT_FALSE(e.Zapisz(plik, pytaj, kom));
    EXPECT_EQ(kom, "[POJAZD] OSIE = \"0\": liczba osi poza zakresem od 1 do 100");
    e.DodajOs(-1);
    e.UstawNazwe("Żuraw: 5/osi");
    EXPECT_EQ(e.PlikDoZapisu(kat.Sciezka()), kat / "Żuraw_ 5_osi.PJZ");
    odpowiedz = tOdpowiedz::Anuluj;
    EXPECT_FALSE(e.PorzucZmiany(pytaj, [] { return true; }));
    ASSERT_TRUE(e.Zapisz(plik, pytaj, kom)) << kom;
    EXPECT_EQ(e.Tytul(), "Pojazd nienormatywny – z.PJZ");
    EXPECT_TRUE(e.PorzucZmiany(pytaj, [] { return false; }));  // bez zmian bez pytania
    // Inny program zmienia plik: zastąpienie tylko po Tak.
    const std::string obcy = "[POJAZD]\r\nOSIE=1\r\nP1=7\r\n";
    ZapiszPlik(plik, obcy);
    e.UstawNazwe("Żuraw");
    EXPECT_EQ(e.Tytul(), "Pojazd nienormatywny – z.PJZ *");
    odpowiedz = tOdpowiedz::Nie;
    EXPECT_FALSE(e.Zapisz(plik, pytaj, kom));
    EXPECT_EQ(kom, "");
    EXPECT_EQ(CzytajPlik(plik), obcy);
    odpowiedz = tOdpowiedz::Tak;
    ASSERT_TRUE(e.Zapisz(plik, pytaj, kom));
    EXPECT_EQ(pytania, (std::vector<std::string>{"Zapisać zmiany w pojeździe Żuraw: 5/osi?",
                                                 "Plik " + plik + " zmienił się na dysku od wczytania albo zapisu "
                                                                  "tego pojazdu.\rZastąpić go?",
                                                 "Plik " + plik + " zmienił się na dysku od wczytania albo zapisu "
                                                                  "tego pojazdu.\rZastąpić go?"}));
    // Odczyt: odmowa zostawia pojazd, wczytany pojazd jest wybrany do oceny.
    tEdycjaPojazdu w;
    w.UstawOcene(false);
    ZapiszPlik(kat / "zly.PJZ", "[POJAZD]\r\nOSIE=1\r\nP1=0\r\n");
    EXPECT_FALSE(w.Wczytaj(kat / "zly.PJZ", kom));
    EXPECT_EQ(w.LiczbaOsi(), 0);
    ASSERT_TRUE(w.Wczytaj(plik, kom));
    EXPECT_EQ(w.Pojazd(), e.Pojazd());
    EXPECT_TRUE(w.Ocena() && !w.Zmieniony());
    EXPECT_EQ(w.PlikDoZapisu(kat.Sciezka()), plik);
}

}  // namespace
