#pragma once
// Ustawienia samego okna, nie obiektu mostowego: ostatnio otwierane pliki, ostatni
// katalog okien wyboru pliku, położenie i rozmiar okna głównego, widoczność panelu
// "Elementy". Leżą w magazynie ustawień systemu (QSettings organizacji i programu
// z QCoreApplication, w programie "Pontiva"), nigdy w PT.INI ani w pliku roboczym,
// których bajty nie zależą od okna.
#include <QMargins>
#include <QSettings>
#include <QStringList>

class QWidget;

class TUstawieniaOkna {
public:
    TUstawieniaOkna();  // organizacja i program z QCoreApplication

    // Najnowszy pierwszy, najwyżej osiem (tOstatniePliki).
    QStringList OstatniePliki() const;
    void DodajOstatni(const QString& sciezka);

    // Katalog, w którym startują okna wyboru pliku; pierwszy raz (albo gdy zapamiętanego
    // już nie ma) katalog JNI.
    QString OstatniKatalog() const;
    void UstawOstatniKatalog(const QString& katalog);

    void ZapiszGeometrie(const QWidget& okno);
    // Okno zapisane na innym (większym) ekranie wraca dopasowane do bieżącego (NaEkranie);
    // false, gdy nic nie zapisano.
    bool PrzywrocGeometrie(QWidget& okno) const;

    bool PanelElementow(bool domyslnie) const;
    void UstawPanelElementow(bool widoczny);

private:
    QSettings s_;
};

// Ramka okna od menedżera okien (pasek tytułu, brzegi); zerowa, dopóki okno się nie pokazało.
QMargins Ramka(const QWidget& okno);
// Okno razem z ramką i paskiem tytułu w dostępnym obszarze swojego ekranu (bez paska zadań):
// za duże się zmniejsza, wystające się przesuwa; nigdy poniżej swojego minimum. Ramka, gdy
// okno nie ma jeszcze własnej: podana (zapamiętana), a bez niej szacowana, i wtedy okno
// tylko się zmniejsza.
void NaEkranie(QWidget& okno, QMargins ramka = {});
// Okno pomocnicze przy pierwszym pokazaniu na środku okna rodzica (bez rodzica: aktywnego okna, z którego je
// otwarto), w całości na ekranie; potem wraca tam, gdzie je użytkownik zostawił.
void PamietajPolozenie(QWidget& okno);
