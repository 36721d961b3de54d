#include "okna/wspolne/TlumaczenieQt.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

bool ZainstalujTlumaczenieQt(QCoreApplication& aplikacja)
{
    auto* tlumaczenie = new QTranslator(&aplikacja);
    // Cały program mówi po polsku, niezależnie od języka systemu.
    if (!tlumaczenie->load(QLocale(QLocale::Polish, QLocale::Poland), QStringLiteral("qtbase"), QStringLiteral("_"),
                           QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        delete tlumaczenie;
        return false;
    }
    return QCoreApplication::installTranslator(tlumaczenie);
}
