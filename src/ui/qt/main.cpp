// Program okienkowy: okno główne z przeliczeniem przy każdej zmianie danych.
#include <QApplication>
#include <QLocale>

#include "ui/qt/IkonaProgramu.h"
#include "ui/qt/RegionalneQt.h"
#include "ui/qt/TGlowneOkno.h"

int main(int argc, char* argv[])
{
    QApplication aplikacja(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Pontiva"));
    // Magazyn ustawień systemu (QSettings) dla ustawień okna, nigdy PT.INI.
    if (QApplication::organizationName().isEmpty()) QApplication::setOrganizationName(QStringLiteral("Pontiva"));
    QApplication::setWindowIcon(IkonaProgramu());
    // QApplication przełączyło locale biblioteki C; liczby formatujemy sami.
    UstawRegionalne(QLocale::system());

    TGlowneOkno okno;
    okno.show();
    return aplikacja.exec();
}
