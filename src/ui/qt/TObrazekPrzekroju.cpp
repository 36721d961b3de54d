#include "ui/qt/TObrazekPrzekroju.h"

#include <QPainter>

#include "core/Nazwy.h"

namespace {
constexpr int Szerokosc = 426;
constexpr int Wysokosc = 300;
constexpr int LiczbaRodzajow = 7;
} // namespace

TObrazekPrzekroju::TObrazekPrzekroju(QWidget* rodzic) : QWidget(rodzic, Qt::Tool)
{
    setObjectName("ObrazekPrzekroju");
    resize(Szerokosc, Wysokosc);
    setAutoFillBackground(false);
    rysunek_ = OpisPrzekroju(typ_);
    setWindowTitle(QString::fromStdString(NazwaPrzekroju(typ_)));
}

void TObrazekPrzekroju::PokazPrzekroj(int typ)
{
    if (typ < 0 || typ >= LiczbaRodzajow) return;
    typ_ = typ;
    rysunek_ = OpisPrzekroju(typ);
    setWindowTitle(QString::fromStdString(NazwaPrzekroju(typ)));
    update();
    show();
}

void TObrazekPrzekroju::paintEvent(QPaintEvent*)
{
    QPainter malarz(this);
    malarz.fillRect(rect(), Qt::white);
    RysujPrzekroj(malarz, rysunek_, QRectF(rect()));
}
