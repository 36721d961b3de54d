#pragma once
// Wykres porównania norm na QPainter: te same figury i napisy co w zapisie SVG,
// przeskalowane do pola okna z zachowaniem proporcji; dymki z opisami słupków.
#include <QImage>
#include <QWidget>

#include "reports/WykresPorownania.h"

class QPainter;

// Rysuje wykres w jego własnym układzie (piksele obrazu o szerokości Wykres.Szerokosc).
void RysujWykres(QPainter& malarz, const tWykresPorownania& wykres);

class TWykres : public QWidget {
    Q_OBJECT
public:
    explicit TWykres(QWidget* rodzic = nullptr);
    void UstawWykres(const tWykresPorownania& wykres);
    const tWykresPorownania& Wykres() const { return wykres_; }
    // Wykres w jego własnym rozmiarze jako obraz (zapis PNG).
    QImage Obraz() const;
    // Opis figury pod punktem pola (dymek); pusty, gdy żadna.
    QString OpisW(QPointF punkt) const;
    // Punkt pola, na który trafia punkt układu wykresu.
    QPointF NaEkranie(QPointF punkt) const { return Przeksztalcenie().map(punkt); }
    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* zdarzenie) override;
    bool event(QEvent* zdarzenie) override;

private:
    QTransform Przeksztalcenie() const;
    tWykresPorownania wykres_;
};
