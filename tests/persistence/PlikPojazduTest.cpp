// Plik pojazdu *.PJZ: każda wartość przeczytana dokładnie tak, jak ją zapisano, albo odmowa
// z nazwą pliku i klucza; zapis w Windows-1250 z CR LF czytany z powrotem bez zmian.
#include <gtest/gtest.h>

#include "Wspolne.h"
#include "common/Cp1250.h"
#include "persistence/PlikPojazdu.h"
#include "system/SciezkaUtf8.h"

namespace {

using namespace testy;

TEST(PlikPojazdu, OdczytAlboOdmowaZKluczem)
{
    tKatalogTymczasowy kat;
    const std::string plik = kat / "Dźwig.PJZ";
    const std::string wzor = "[POJAZD]\r\nOSIE=3\r\nP1=12\r\nP2=%P2\r\nP3=7.5\r\nS1=1,65\r\nS2=%S2\r\n";
    const struct {
        std::string P2, S2, dopisek, komunikat;  // pusty komunikat: odczyt się udaje
    } przypadki[] = {
        {"100", "50", "", ""},
        {" 0,5 ", "0.3", "NAZWA=Żuraw\r\n", ""},
        {"12t", "2", "", "[POJAZD] P2 = \"12t\": to nie jest liczba"},
        {"", "2", "", "[POJAZD] P2: brak wartości"},
        {"0", "2", "", "[POJAZD] P2 = \"0\": nacisk osi poza zakresem od 0 (bez 0) do 100 t"},
        {"100,01", "2", "", "[POJAZD] P2 = \"100,01\": nacisk osi poza zakresem od 0 (bez 0) do 100 t"},
        {"12", "0,29", "", "[POJAZD] S2 = \"0,29\": rozstaw osi poza zakresem od 0,3 do 50 m"},
        {"12", "nan", "", "[POJAZD] S2 = \"nan\": to nie jest liczba"},
        {"12", "2", "P4=5\r\n", "[POJAZD] P4 = \"5\": klucz ponad liczbę osi OSIE = 3"},
        {"12", "2", "S3=5\r\n", "[POJAZD] S3 = \"5\": klucz ponad liczbę osi OSIE = 3"},
    };
    for (const auto& p : przypadki) {
        std::string tresc = wzor;
        tresc.replace(tresc.find("%P2"), 3, p.P2);
        tresc.replace(tresc.find("%S2"), 3, p.S2);
        ZapiszPlik(SciezkaUtf8(plik), Utf8DoCp1250(tresc + p.dopisek));
        tPojazd v;
        std::string kom;
        const bool ok = WczytajPojazd(plik, v, kom);
        EXPECT_EQ(ok, p.komunikat.empty()) << p.P2 << " " << p.S2 << ": " << kom;
        if (!ok) {
            EXPECT_EQ(kom, "Plik pojazdu " + plik + ": " + p.komunikat);
            continue;
        }
        EXPECT_EQ(v.Nazwa, p.dopisek.empty() ? "Dźwig" : "Żuraw");
        EXPECT_EQ(v.Rozstawy, (std::vector<double>{1.65, std::stod(p.S2)}));
    }
    for (const auto& [osie, komunikat] : std::vector<std::pair<std::string, std::string>>{
             {"0", "[POJAZD] OSIE = \"0\": liczba osi poza zakresem od 1 do 100"},
             {"2,5", "[POJAZD] OSIE = \"2,5\": to nie liczba całkowita"},
             {"101", "[POJAZD] OSIE = \"101\": liczba osi poza zakresem od 1 do 100"},
             {"1\r\nP1=5\r\nS1=2", "[POJAZD] S1 = \"2\": klucz ponad liczbę osi OSIE = 1"}}) {
        ZapiszPlik(SciezkaUtf8(plik), "[Pojazd]\r\nOSIE=" + osie + "\r\n");
        tPojazd v;
        std::string kom;
        EXPECT_FALSE(WczytajPojazd(plik, v, kom));
        EXPECT_EQ(kom, "Plik pojazdu " + plik + ": " + komunikat);
    }
    ZapiszPlik(SciezkaUtf8(plik), "[OBIEKT]\r\nOSIE=1\r\n");
    tPojazd v;
    std::string kom;
    EXPECT_FALSE(WczytajPojazd(plik, v, kom));
    EXPECT_EQ(kom, "To nie jest plik pojazdu (brak sekcji POJAZD): " + plik);
    ZapiszPlik(SciezkaUtf8(plik), "[POJAZD]\r\nOSIE=1\r\nP1=1\r\n" + std::string(1 << 20, ';'));
    EXPECT_FALSE(WczytajPojazd(plik, v, kom));
    EXPECT_EQ(kom, "Plik jest za duży (ponad 1 MiB): " + plik);
}

TEST(PlikPojazdu, ZapisIOdczyt)
{
    tKatalogTymczasowy kat;
    const tPojazd p{"Żuraw 5-osiowy", {12, 12.5, 12, 12, 12}, {1.65, 2.4, 1.65, 1.65}};
    std::string kom;
    ASSERT_TRUE(ZapiszPojazd(kat / "z.PJZ", p, kom)) << kom;
    EXPECT_EQ(CzytajPlik(kat / "z.PJZ"),
              "[POJAZD]\r\nNAZWA=\xAFuraw 5-osiowy\r\nOSIE=5\r\nP1=12\r\nP2=12,5\r\nP3=12\r\nP4=12\r\nP5=12\r\nS1=1,65\r\n"
              "S2=2,4\r\nS3=1,65\r\nS4=1,65\r\n");
    tPojazd q;
    ASSERT_TRUE(WczytajPojazd(kat / "z.PJZ", q, kom)) << kom;
    EXPECT_EQ(q.Nazwa, p.Nazwa);
    EXPECT_EQ(q.Naciski, p.Naciski);
    EXPECT_EQ(q.Rozstawy, p.Rozstawy);
}

}  // namespace
