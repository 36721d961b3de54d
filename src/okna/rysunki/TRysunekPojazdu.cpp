#include "okna/rysunki/TRysunekPojazdu.h"

#include <QEvent>
#include <QPainter>
#include <cmath>

#include "przebieg/RysunekPojazdu.h"
#include "okna/rysunki/MalujFigury.h"
#include "okna/wspolne/Tekst.h"

namespace {
constexpr int SzerokoscWzorcowa = 480;
constexpr int Margines = 4;
}  // namespace

TRysunekPojazdu::TRysunekPojazdu(QWidget* rodzic) : QWidget(rodzic)
{
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    Odswiez();
}

QSize TRysunekPojazdu::sizeHint() const { return {SzerokoscWzorcowa, minimumHeight()}; }

void TRysunekPojazdu::Ustaw(const tPojazd& pojazd)
{
    pojazd_ = pojazd;
    Odswiez();
}

// Wysokość rysunku zależy od szerokości (napisy w jednym albo dwóch wierszach) i czcionki;
// pusty pojazd zostawia miejsce na jeden wiersz tekstu.
void TRysunekPojazdu::Odswiez()
{
    const QFontMetrics fm = fontMetrics();
    auto miara = [&fm](const std::string& t) { return static_cast<double>(fm.horizontalAdvance(Tekst(t))); };
    figury_ = RysunekPojazdu(pojazd_, std::max(0, width() - 2 * Margines), fm.height(), miara);
    setFixedHeight(static_cast<int>(std::ceil(std::max<double>(figury_.Wysokosc, fm.height()))) + 2 * Margines);
    update();
}

void TRysunekPojazdu::changeEvent(QEvent* zdarzenie)
{
    if (zdarzenie->type() == QEvent::FontChange) Odswiez();
    QWidget::changeEvent(zdarzenie);
}

void TRysunekPojazdu::resizeEvent(QResizeEvent*) { Odswiez(); }

void TRysunekPojazdu::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.fillRect(rect(), Qt::white);
    p.setRenderHint(QPainter::Antialiasing);
    p.translate(Margines, (height() - figury_.Wysokosc) / 2);
    MalujFigury(p, figury_);
}
