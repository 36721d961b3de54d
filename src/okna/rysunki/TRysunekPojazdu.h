#pragma once
// Widok pojazdu nienormatywnego z boku w oknie pojazdu: maluje figury, które wylicza
// RysunekPojazdu (przebieg/RysunekPojazdu.h) na szerokość kontrolki i wysokość jej czcionki.
#include <QWidget>

#include "common/Figury.h"
#include "wspprzec/PojazdNienormatywny.h"

class TRysunekPojazdu : public QWidget {
    Q_OBJECT
public:
    explicit TRysunekPojazdu(QWidget* rodzic);

    void Ustaw(const tPojazd& pojazd);
    const tFigury& Figury() const { return figury_; }
    QSize sizeHint() const override;

protected:
    void changeEvent(QEvent* zdarzenie) override;
    void paintEvent(QPaintEvent* zdarzenie) override;
    void resizeEvent(QResizeEvent* zdarzenie) override;

private:
    void Odswiez();

    tPojazd pojazd_;
    tFigury figury_;
};
