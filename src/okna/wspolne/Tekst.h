#pragma once
// Tekst Qt z napisu UTF-8 przebiegu i warstw niżej; "\r\n" i samotne CR jako nowe wiersze.
#include <QString>
#include <string>

QString Tekst(const std::string& napis);
QString Tekst(const char* napis);
