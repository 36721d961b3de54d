// Program okienkowy: okno główne z przeliczeniem przy każdej zmianie danych.
// "pontiva PLIK.PTV" otwiera okno z tym plikiem wczytanym.
#include <QApplication>
#include <QLocale>

#include "okna/wspolne/IkonaProgramu.h"
#include "okna/wspolne/RegionalneQt.h"
#include "okna/glowne/TGlowneOkno.h"
#include "okna/wspolne/TlumaczenieQt.h"

int main(int argc, char* argv[])
{
    QApplication aplikacja(argc, argv);
    // Nazwy magazynu ustawień okna (QSettings) i wpisu programu na pulpicie.
    QApplication::setOrganizationName(QStringLiteral("Pontiva"));
    QApplication::setApplicationName(QStringLiteral("Pontiva"));
    QApplication::setDesktopFileName(QStringLiteral("pontiva"));
    QApplication::setWindowIcon(IkonaProgramu());
    ZainstalujTlumaczenieQt(aplikacja);
    // QApplication przełączyło locale biblioteki C; liczby formatujemy sami.
    UstawRegionalne(QLocale::system());

    TGlowneOkno okno;
    okno.show();  // wczytuje PT.INI, więc plik z wiersza poleceń ma pierwszeństwo
    okno.OtworzArgumenty(QApplication::arguments());
    return aplikacja.exec();
}
