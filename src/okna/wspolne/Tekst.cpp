#include "okna/wspolne/Tekst.h"

QString Tekst(const std::string& napis)
{
    QString t = QString::fromUtf8(napis.data(), static_cast<qsizetype>(napis.size()));
    t.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    t.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return t;
}

QString Tekst(const char* napis) { return Tekst(std::string(napis)); }
