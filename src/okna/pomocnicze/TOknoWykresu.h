#pragma once
// Okno wykresu "Różnych norm": wykres słupkowy nośności z zapisem do PNG (obraz
// wykresu okna) i SVG (ten sam tekst co pontiva-cli normy --wykres).
#include <QWidget>
#include <functional>

#include "reports/WykresPorownania.h"

class TWykres;

class TOknoWykresu : public QWidget {
    Q_OBJECT
public:
    explicit TOknoWykresu(QWidget* rodzic = nullptr);

    void Pokaz(const tWykresPorownania& wykres);
    TWykres& Wykres() { return *wykres_; }

    // Wybór pliku do zapisu (tytuł, nazwa domyślna, filtr); pusty: rezygnacja. Testy
    // podstawiają własny, by nie otwierać okna dialogowego.
    std::function<QString(const QString&, const QString&, const QString&)> WybierzPlik;

    void ZapiszPng();
    void ZapiszSvg();

private:
    // Plik wybrany do zapisu; katalog wyboru zapamiętany dla następnych okien.
    QString Wybierz(const char* rozszerzenie, const char* filtr);
    void Blad(const std::string& komunikat);
    TWykres* wykres_ = nullptr;
};
