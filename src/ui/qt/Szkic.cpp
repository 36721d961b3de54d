#include "ui/qt/Szkic.h"

#include <QPainter>
#include <cmath>
#include <vector>

#include "core/ObiektMostowy.h"

namespace {
const char* const DymekSzkicu =
    "Szkic przekroju podłużnego.\n"
    "1. czerwony - wspornik skrajny lub belka zawieszona\n"
    "2. granatowy - wspornik lewy lub prawy\n"
    "3. niebieski - przęsło";

constexpr int SzerokoscSzkicu = 313;
constexpr int WysokoscSzkicu = 20;
const QColor Granatowy(0, 0, 128);

struct tOdcinek {
    int Rodzaj;
    double Dlugosc;
};

void Podpora(QPainter& p, int x, int y)
{
    const QPoint rogi[3] = {{x - 3, y + 12}, {x, y + 5}, {x + 3, y + 12}};
    p.setPen(QPen(Qt::black, 1));
    p.setBrush(Qt::black);
    p.drawPolygon(rogi, 3);
}

void Przegub(QPainter& p, int x, int y)
{
    p.setPen(QPen(Qt::black, 1));
    p.setBrush(Qt::white);
    p.drawEllipse(QRect(QPoint(x - 3, y - 3), QPoint(x + 3, y + 3)));
}
}  // namespace

void RysujSzkic(QPainter& p, QSize obszar, const tObiektMostowy& obiekt)
{
    std::vector<tOdcinek> el;
    double T = 0;
    for (int i = 1; i <= obiekt.LiczbaElementow; ++i) {
        const tElement& e = obiekt.Elementy[i];
        if (e.Dlugosc > 0.001) {
            el.push_back({e.Rodzaj, e.Dlugosc});
            T += e.Dlugosc;
        }
    }
    if (T < 0.01) return;

    p.save();
    p.setRenderHint(QPainter::Antialiasing, false);
    p.fillRect(QRect(QPoint(0, 0), obszar), Qt::white);
    const int x0 = 5, x1 = obszar.width() - 5, W = x1 - x0, y = 5;
    const int m = static_cast<int>(el.size());
    const int najgorszy = obiekt.NajgorszyElement();
    auto rodzaj = [&](int i) { return i >= 1 && i <= m ? el[i - 1].Rodzaj : -1; };

    // Zawieszona belka (między prawym a lewym wspornikiem) jest czerwona jak wspornik swobodny.
    // Linia belki jest pozioma, więc odcinek o grubości pióra to prostokąt wokół y: tak samo
    // wygląda, a rysuje się wielokrotnie szybciej niż obrys grubym piórem.
    std::vector<int> x(m + 1, x0);
    double C = 0;
    for (int i = 1; i <= m; ++i) {
        C += el[i - 1].Dlugosc;
        x[i] = static_cast<int>(std::lround(x0 + C / T * W));
        QColor kolor = Qt::blue;
        if ((rodzaj(i - 1) == rWspornikPrawy && rodzaj(i + 1) == rWspornikLewy) || rodzaj(i) == rWspornikSwobodny)
            kolor = Qt::red;
        else if (rodzaj(i) == rWspornikLewy || rodzaj(i) == rWspornikPrawy)
            kolor = Granatowy;
        const int polowa = i == najgorszy ? 2 : 1;  // pióro 5 albo 3
        p.fillRect(QRect(QPoint(x[i - 1] - polowa, y - polowa), QPoint(x[i] + polowa, y + polowa)), kolor);
    }

    if (!JestWspornikiem(rodzaj(1))) Podpora(p, x0, y);
    for (int i = 1; i < m; ++i) {
        if (rodzaj(i) == rWspornikPrawy || rodzaj(i + 1) == rWspornikLewy)
            Przegub(p, x[i], y);
        else
            Podpora(p, x[i], y);
    }
    if (!JestWspornikiem(rodzaj(m))) Podpora(p, x1, y);
    p.restore();
}

TSzkic::TSzkic(QWidget* rodzic) : QWidget(rodzic)
{
    setFixedSize(SzerokoscSzkicu, WysokoscSzkicu);
    setToolTip(QString::fromUtf8(DymekSzkicu));
}

void TSzkic::UstawObiekt(const tObiektMostowy* obiekt)
{
    obiekt_ = obiekt;
    update();
}

void TSzkic::paintEvent(QPaintEvent*)
{
    if (!obiekt_) return;
    QPainter p(this);
    RysujSzkic(p, size(), *obiekt_);
}
