#pragma once
// Pole liczbowe ze strzałkami, opisane tablicą pól przebiegu (zakres, krok, miejsca).
// Wpisany tekst czyta się tak, jak go wpisano, i każda zmiana tekstu jest zmianą pola; przy
// utracie fokusu liczba jest pokazywana w formacie pola (18 → 18,00), ale nigdy nie jest
// przycinana do zakresu: liczbę spoza zakresu oznacza przeliczenie (SprawdzPola). Wartość
// ustawiana przez program (wczytanie, strzałki) przechodzi przez WartoscUstawiana.
// Kółko myszy zmienia wartość tylko pola z fokusem; nad innym przewija panel pod nim.
#include <QAbstractSpinBox>

#include "przebieg/PolaLiczbowe.h"

class TPoleLiczbowe : public QAbstractSpinBox {
    Q_OBJECT
public:
    TPoleLiczbowe(tPole pole, QWidget* rodzic = nullptr);

    tPole Pole() const { return pole_; }
    // Wartość odczytana z tekstu; tekst nieliczbowy daje minimum pola.
    double Wartosc() const;
    // Tekst pusty albo liczba; inny tekst to błąd danych, który pokazuje przeliczenie.
    bool JestLiczba() const;
    // Barwy błędu (czerwone tło, biały tekst) albo zwykłe.
    void OznaczBlad(bool blad);
    bool Oznaczone() const { return blad_; }
    void UstawWartosc(double v);
    // Wartość wpisana (cofnięcie zmiany, plik stanu): bez przycięcia, czytana potem bez zmian.
    void UstawWartoscWpisana(double v);
    QString Tekst() const;

    // Koniec edycji jak przy utracie fokusu: liczba w formacie pola.
    void ZakonczEdycje() { PoEdycji(); }

    void stepBy(int kroki) override;
    QValidator::State validate(QString& tekst, int& pozycja) const override;

signals:
    // Zmienił się tekst pola (wpisywanie, strzałki, ustawienie przez program).
    void Zmieniono();

protected:
    StepEnabled stepEnabled() const override;
    bool event(QEvent* zdarzenie) override;
    void wheelEvent(QWheelEvent* zdarzenie) override;

private:
    void PoEdycji();

    tPole pole_;
    bool blad_ = false;
};

// Tekst jako liczba: "," i "." jako separator; false dla tekstu nieliczbowego.
bool CzytajLiczbe(const QString& tekst, double& wynik);
