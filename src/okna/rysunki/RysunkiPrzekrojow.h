#pragma once
// Rysunki wymiarowe siedmiu rodzajów przekroju poprzecznego. Rysunek jest opisem
// (wielokąty, osie, wymiary, napisy) w umownym układzie 426 × 300, rozciąganym przy
// rysowaniu na dowolny prostokąt; napisy zachowują proporcje.
#include <QColor>
#include <QLineF>
#include <QPolygonF>
#include <QRectF>
#include <QString>
#include <QStringList>
#include <vector>

class QPainter;

// Barwy materiałów i osi, wspólne dla rysunków wymiarowych i przekroju w skali.
inline const QColor BarwaBetonu(226, 226, 220);
inline const QColor BarwaNawierzchni(120, 120, 120);
inline const QColor BarwaStali(170, 176, 186);
inline const QColor BarwaOsi(90, 90, 90);

constexpr double SzerokoscRysunku = 426.0;
constexpr double WysokoscRysunku = 300.0;

// Wymiar poziomy od x1 do x2 na wysokości y, z kreskami na końcach i opisem nad linią.
struct tWymiar {
    double x1, x2, y;
    QString Etykieta;
};

struct tNapis {
    QPointF Srodek;
    QString Tekst;
};

struct tRysunek {
    std::vector<QPolygonF> Beton;         // płyty, dźwigary, chodniki
    std::vector<QPolygonF> Nawierzchnia;  // warstwa jezdni
    std::vector<QPolygonF> Stal;          // krawężniki kamienne, bariery, dźwigary stalowe
    std::vector<QLineF> Linie;            // balustrady, pomocnicze linie wymiarowe
    std::vector<QLineF> Osie;             // osie dźwigarów, podziały pasm płyty
    std::vector<tWymiar> Wymiary;
    std::vector<tNapis> Napisy;
};

// Opis rysunku rodzaju 0..6; poza zakresem pusty.
tRysunek OpisPrzekroju(int typ);
// Prostokąt zajęty przez rysunek w układzie umownym (z opisami); przy rysowaniu
// trafia na środek okna.
QRectF ObrysRysunku(const tRysunek& rysunek);
// Wszystkie opisy rysunku: etykiety wymiarów, potem napisy.
QStringList EtykietyRysunku(const tRysunek& rysunek);
// Rysunek rozciągnięty na prostokąt cel.
void RysujPrzekroj(QPainter& malarz, const tRysunek& rysunek, const QRectF& cel);
