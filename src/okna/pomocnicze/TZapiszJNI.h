#pragma once
// Okno "Informacje o moście": wprowadzanie i sprawdzanie danych identyfikacyjnych.
// Wywołujący wypełnia pola (UstawDane), nadaje napis przyciskowi bbOK ("OK" albo
// "Zapisz") i pokazuje okno modalnie; po zatwierdzeniu czyta Dane() i NazwaPliku().
#include <QDialog>
#include <QString>
#include <functional>

#include "core/InfoObiektu.h"

class QLineEdit;
class QPushButton;

class TZapiszJNI : public QDialog {
    Q_OBJECT
public:
    explicit TZapiszJNI(QWidget* rodzic = nullptr);

    void UstawDane(const tInfoObiektu& info);
    // Sześć pól po obcięciu odstępów z obu końców.
    tInfoObiektu Dane() const;
    // Sprawdzenia kolejno; przy błędzie komunikat w okienku "Błąd" i false.
    bool SprawdzDane();
    const QString& NazwaPliku() const { return nazwaPliku_; }

    // Pokazanie komunikatu błędu (tytuł, treść z CR między wierszami); testy
    // podstawiają własne, by nie czekać na okienko modalne.
    std::function<void(const QString& tytul, const QString& tresc)> PokazBlad;

    QLineEdit* edJNI;
    QLineEdit* edNrP;
    QLineEdit* edDroga;
    QLineEdit* edKm;
    QLineEdit* edNajblizsza;
    QLineEdit* edPrzeszkoda;
    QPushButton* bbOK;
    QPushButton* bbAnuluj;

private:
    void ZamienNaWielkie(const QString& tekst);

    QString nazwaPliku_;
};
