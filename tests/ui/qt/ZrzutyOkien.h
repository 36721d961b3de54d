#pragma once
// Wspólne dla testów okien pomocniczych: sprawdzenie czcionek i zrzuty do PNG.
#include <QDir>
#include <QFontDatabase>
#include <QString>
#include <QWidget>
#include <QtTest>

#ifndef PONTIVA_KATALOG_BUDOWY
#define PONTIVA_KATALOG_BUDOWY "."
#endif

// Bez czcionek każdy znak jest pustym prostokątem, a testy i tak by przechodziły.
inline void SprawdzCzcionki()
{
    QVERIFY2(!QFontDatabase::families().isEmpty(), "brak czcionek w systemie");
}

// Zrzut okna do katalogu budowy (zrzuty/NAZWA.png); zwraca ścieżkę.
inline QString ZapiszZrzut(QWidget& okno, const QString& nazwa)
{
    const QString katalog = QStringLiteral(PONTIVA_KATALOG_BUDOWY "/zrzuty");
    QDir().mkpath(katalog);
    const QString sciezka = katalog + '/' + nazwa + QStringLiteral(".png");
    okno.grab().save(sciezka);
    return sciezka;
}
