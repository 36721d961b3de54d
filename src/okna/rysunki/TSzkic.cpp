#include "okna/rysunki/TSzkic.h"

#include <QHelpEvent>
#include <QPainter>
#include <QToolTip>
#include <vector>

#include "core/ObiektMostowy.h"
#include "przebieg/TabelaElementow.h"
#include "przebieg/UkladPodluzny.h"
#include "okna/wspolne/Tekst.h"

namespace {
const char* const DymekSzkicu =
    "Szkic przekroju podłużnego.\n"
    "1. czerwony - wspornik skrajny lub belka zawieszona\n"
    "2. granatowy - wspornik lewy lub prawy\n"
    "3. niebieski - przęsło";

constexpr int SzerokoscSzkicu = 313;
constexpr int WysokoscSzkicu = 20;
const QColor Granatowy(0, 0, 128);

constexpr int Margines = 5;  // x0 = 5, x1 = szerokość − 5

// Końce elementów w pikselach szkicu o podanej szerokości; puste, gdy nie ma czego rysować.
std::vector<int> Konce(const std::vector<tOdcinekUkladu>& el, int szerokosc)
{
    std::vector<double> d;
    for (const auto& e : el) d.push_back(e.Dlugosc);
    return KonceOdcinkow(d, Margines, szerokosc - 2 * Margines);
}

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
    const std::vector<tOdcinekUkladu> el = OdcinkiObiektu(obiekt);
    const std::vector<int> x = Konce(el, obszar.width());
    if (x.empty()) return;
    const int y = 5;

    p.save();
    p.setRenderHint(QPainter::Antialiasing, false);
    p.fillRect(QRect(QPoint(0, 0), obszar), Qt::white);
    const int m = static_cast<int>(el.size());
    const int najgorszy = obiekt.NajgorszyElement();
    auto rodzaj = [&](int i) { return i >= 1 && i <= m ? el[i - 1].Rodzaj : -1; };

    // Zawieszona belka (między prawym a lewym wspornikiem) jest czerwona jak wspornik swobodny.
    // Linia belki jest pozioma, więc odcinek o grubości pióra to prostokąt wokół y: tak samo
    // wygląda, a rysuje się wielokrotnie szybciej niż obrys grubym piórem.
    for (int i = 1; i <= m; ++i) {
        QColor kolor = Qt::blue;
        if ((rodzaj(i - 1) == rWspornikPrawy && rodzaj(i + 1) == rWspornikLewy) || rodzaj(i) == rWspornikSwobodny)
            kolor = Qt::red;
        else if (rodzaj(i) == rWspornikLewy || rodzaj(i) == rWspornikPrawy)
            kolor = Granatowy;
        const int polowa = i == najgorszy ? 2 : 1;  // pióro 5 albo 3
        p.fillRect(QRect(QPoint(x[i - 1] - polowa, y - polowa), QPoint(x[i] + polowa, y + polowa)), kolor);
    }
    for (int i = 0; i <= m; ++i) {
        const tWezel w = WezelMiedzy(rodzaj(i), rodzaj(i + 1));
        if (w == tWezel::Podpora) Podpora(p, x[i], y);
        if (w == tWezel::Przegub) Przegub(p, x[i], y);
    }
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

void TSzkic::UstawTabele(const tTabelaElementow* tabela) { tabela_ = tabela; }

// Nad elementem dymek ogólny i pod nim nazwa, długość i masa pojazdu elementu.
bool TSzkic::event(QEvent* zdarzenie)
{
    if (zdarzenie->type() != QEvent::ToolTip || !obiekt_ || !tabela_) return QWidget::event(zdarzenie);
    auto* pomoc = static_cast<QHelpEvent*>(zdarzenie);
    const std::vector<tOdcinekUkladu> el = OdcinkiObiektu(*obiekt_);
    const int i = OdcinekPodX(Konce(el, width()), pomoc->pos().x());
    if (i < 0) return QWidget::event(zdarzenie);
    QToolTip::showText(pomoc->globalPos(),
                       toolTip() + QStringLiteral("\n\n") + Tekst(OpisElementuSzkicu(*obiekt_, el[i].Element, *tabela_)),
                       this, QRect(), toolTipDuration());
    return true;
}

void TSzkic::paintEvent(QPaintEvent*)
{
    if (!obiekt_) return;
    QPainter p(this);
    RysujSzkic(p, size(), *obiekt_);
}
