#pragma once
// Okno "Pojazd nienormatywny": nazwa, tabela osi (nacisk, rozstaw do następnej osi; dodawanie,
// usuwanie, przesuwanie), masa i długość, widok pojazdu z boku w skali, przypadek obciążenia,
// wybór do oceny przejazdu oraz pliki *.PJZ (domyślnie katalog Pojazdy obok JNI). Okno niczego
// nie liczy: reguły tabeli, pliki i teksty daje edycja pojazdu (przebieg/EdycjaPojazdu.h),
// a ocenę przejazdu okno główne i rejestr.
#include <QWidget>
#include <functional>

#include "przebieg/EdycjaPojazdu.h"

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QTableView;
class TModelOsi;
class TRysunekPojazdu;

class TOknoPojazdu : public QWidget {
    Q_OBJECT
public:
    explicit TOknoPojazdu(QWidget* rodzic = nullptr);

    void Pokaz();
    // Plik pojazdu jak "Otwórz…": przy niezapisanych zmianach pytanie; pliku, którego nie da się
    // przyjąć, nie wczytuje (okno komunikatu, pojazd bez zmian) i zwraca false.
    bool Otworz(const QString& sciezka);
    void OtworzZPliku();
    // "Zapisz": do wczytanego albo zapisanego pliku (bez niego jak "Zapisz jako…").
    bool Zapisz();
    bool ZapiszJako();

    const tEdycjaPojazdu& Edycja() const { return edycja_; }

    // Wybór pliku do otwarcia i do zapisu (tytuł, ścieżka początkowa, filtr); pusty: rezygnacja.
    // Testy podstawiają własne, by nie otwierać okien dialogowych.
    std::function<QString(const QString&, const QString&, const QString&)> WybierzPlikOtwarcia;
    std::function<QString(const QString&, const QString&, const QString&)> WybierzPlikZapisu;

    QLineEdit* PoleNazwy() const { return nazwa_; }
    QTableView* TabelaOsi() const { return tabela_; }
    TRysunekPojazdu* Rysunek() const { return rysunek_; }
    QLabel* Opis() const { return opis_; }
    QLabel* Komunikat() const { return komunikat_; }
    QRadioButton* Sam() const { return sam_; }
    QCheckBox* Ocena() const { return ocena_; }

signals:
    // Pojazd, przypadek obciążenia albo wybór do oceny: okno główne i rejestr oceniają od nowa.
    void Zmieniono();

private:
    QWidget* BudujTabele();
    QWidget* BudujPrzyciski();
    // Tabela, rysunek, opis, tytuł i przyciski z edycji, zaznaczona oś; sygnał Zmieniono.
    void Odswiez(int os = -1);
    void UstawPrzyciski();
    void PokazKomunikat(const QString& tekst, bool blad);
    void Blad(const std::string& tekst);
    int BiezacaOs() const;
    void DodajOs();
    void UsunOs();
    void PrzesunOs(int kierunek);
    bool ZapiszDo(const QString& sciezka);

    tEdycjaPojazdu edycja_;
    TModelOsi* model_ = nullptr;
    QLineEdit* nazwa_ = nullptr;
    QTableView* tabela_ = nullptr;
    QPushButton *dodaj_ = nullptr, *usun_ = nullptr, *wGore_ = nullptr, *wDol_ = nullptr;
    QLabel* opis_ = nullptr;
    QLabel* komunikat_ = nullptr;
    TRysunekPojazdu* rysunek_ = nullptr;
    QRadioButton* zRuchem_ = nullptr;
    QRadioButton* sam_ = nullptr;
    QCheckBox* ocena_ = nullptr;
};
