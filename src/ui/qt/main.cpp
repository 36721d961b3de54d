// Program okienkowy: okno główne z przeliczeniem przy każdej zmianie danych.
#include <QApplication>
#include <QLocale>

#include "ui/qt/IkonaProgramu.h"
#include "ui/qt/RegionalneQt.h"
#include "ui/qt/TGlowneOkno.h"
#include "ui/qt/TlumaczenieQt.h"

int main(int argc, char* argv[])
{
    QApplication aplikacja(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Pontiva"));
    QApplication::setWindowIcon(IkonaProgramu());
    ZainstalujTlumaczenieQt(aplikacja);
    // QApplication przełączyło locale biblioteki C; liczby formatujemy sami.
    UstawRegionalne(QLocale::system());

    TGlowneOkno okno;
    okno.show();
    return aplikacja.exec();
}
