#pragma once
// Okno narzędziowe z rysunkiem wymiarowym wybranego rodzaju przekroju poprzecznego.
#include <QWidget>

#include "ui/qt/RysunkiPrzekrojow.h"

class TObrazekPrzekroju : public QWidget {
    Q_OBJECT
public:
    explicit TObrazekPrzekroju(QWidget* rodzic = nullptr);

    // Rysunek i tytuł rodzaju 0..6, okno pokazane bez blokowania; inny numer: nic.
    void PokazPrzekroj(int typ);
    int Typ() const { return typ_; }

protected:
    void paintEvent(QPaintEvent* zdarzenie) override;

private:
    int typ_ = 0;
    tRysunek rysunek_;
};
