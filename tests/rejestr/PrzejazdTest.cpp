// Raport oceny przejazdu: obiekt oceniony i odrzucony, pojazd z tabelą osi i rysunkiem,
// podsumowanie i założenia, w bajtach Windows-1250.
#include <gtest/gtest.h>

#include "Wspolne.h"
#include "common/Cp1250.h"
#include "rejestr/Przejazd.h"

using namespace testy;

TEST(Przejazd, RaportZObiektemOcenionymIOdrzuconym)
{
    const std::string przyklady = std::string(PONTIVA_KATALOG_ZRODEL) + "/przyklady/";
    const tPojazd zuraw{"Żuraw", {12, 12, 12, 12, 12}, {1.65, 2.4, 1.65, 1.65}};
    tOceniacz oceniacz;
    const tWierszPrzejazdu a = OcenPrzejazdPliku(oceniacz, przyklady + "przegubowa.PTV", "p", zuraw, 0);
    const tWierszPrzejazdu b = OcenPrzejazdPliku(oceniacz, DaneTestowe("cli/sumy.PTV"), "s", zuraw, 0);
    ASSERT_TRUE(a.Dopuszczalny());
    EXPECT_FALSE(b.Dopuszczalny());
    EXPECT_TRUE(b.Ocena.Elementy.empty());
    const std::string rtf = RaportPrzejazdu({&a, &b}, zuraw, 0, "07.12.2026");
    for (const char* t : {"Ocena przejazdu pojazdu nienormatywnego", "Data: 07.12.2026", "Pojazd: Żuraw",
                          "Masa całkowita: 60 t; liczba osi: 5; rozstaw skrajnych osi: 7,35 m", " 2,4\\cell}",
                          "{\\pict\\wmetafile8", "Przypadek obciążenia: pojazd sam na obiekcie",
                          " 12010008\\cell}", " dopuszczalny\\cell}", " niedopuszczalny\\cell}", " odrzucony (sumy): Niezgodna suma",
                          "Przejazd dopuszczalny przez 1 z 2 obiektów", "Przyjęto, jak przy przeliczeniu na pojazdy umowne"})
        EXPECT_NE(rtf.find(Utf8DoCp1250(t)), std::string::npos) << t;
    // Pierwsza i ostatnia oś w tabeli (ostatnia bez rozstawu), dokument zamknięty.
    EXPECT_NE(rtf.find("1\\cell}\r\n{\\f4\\fs20\\cf1 12\\cell}\r\n{\\f4\\fs20\\cf1 1,65\\cell}"), std::string::npos);
    EXPECT_NE(rtf.find("5\\cell}\r\n{\\f4\\fs20\\cf1 12\\cell}\r\n{\\f4\\fs20\\cf1 \\cell}"), std::string::npos);
    EXPECT_TRUE(rtf.ends_with(" \\par }\r\n"));
}
