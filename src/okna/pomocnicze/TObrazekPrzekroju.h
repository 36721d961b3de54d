#pragma once
// Okno narzędziowe z rysunkiem wymiarowym wybranego rodzaju przekroju poprzecznego
// i, gdy zna obiekt mostowy okna, z przekrojem w skali z bieżących wymiarów (zakładki).
#include <QWidget>

#include "przebieg/PrzekrojWSkali.h"
#include "okna/rysunki/RysunkiPrzekrojow.h"

class QTabBar;

class TObrazekPrzekroju : public QWidget {
    Q_OBJECT
public:
    explicit TObrazekPrzekroju(QWidget* rodzic = nullptr);

    // Rysunek i tytuł rodzaju 0..6, okno pokazane bez blokowania; inny numer: nic.
    void PokazPrzekroj(int typ);
    int Typ() const { return typ_; }

    // Obiekt mostowy okna głównego: odtąd zakładka "W skali" (domyślna) rysuje go.
    void UstawObiekt(const tObiektMostowy* obiekt);
    // Po każdym wypełnieniu obiektu: otwarte okno przelicza rysunek w skali, zamknięte nic.
    void Odswiez();
    bool WSkali() const;
    void PokazWSkali(bool wSkali);
    const tPrzekrojWSkali& RysunekWSkali() const { return wSkali_; }

protected:
    void paintEvent(QPaintEvent* zdarzenie) override;

private:
    int typ_ = 0;
    tRysunek rysunek_;
    const tObiektMostowy* obiekt_ = nullptr;
    tPrzekrojWSkali wSkali_;
    QTabBar* zakladki_ = nullptr;
};
