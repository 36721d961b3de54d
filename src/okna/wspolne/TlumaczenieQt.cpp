#include "okna/wspolne/TlumaczenieQt.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

bool ZainstalujTlumaczenieQt(QCoreApplication& aplikacja)
{
    auto* tlumaczenie = new QTranslator(&aplikacja);
    // Cały program mówi po polsku, niezależnie od języka systemu. Tłumaczenie wbudowane
    // w program (budowa dla Windows, gdzie Qt nie ma katalogu tłumaczeń), inaczej z Qt systemu.
    const QLocale polski(QLocale::Polish, QLocale::Poland);
    if (!tlumaczenie->load(polski, QStringLiteral("qtbase"), QStringLiteral("_"), QStringLiteral(":/tlumaczenia")) &&
        !tlumaczenie->load(polski, QStringLiteral("qtbase"), QStringLiteral("_"),
                           QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        delete tlumaczenie;
        return false;
    }
    return QCoreApplication::installTranslator(tlumaczenie);
}
