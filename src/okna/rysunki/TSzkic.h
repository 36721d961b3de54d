#pragma once
// Szkic przekroju podłużnego: elementy obiektu w skali na jednej linii, z podporami
// i przegubami, w kolorach według rodzaju elementu.
#include <QSize>
#include <QWidget>

class QPainter;
class tObiektMostowy;
struct tTabelaElementow;

// Rysuje szkic obiektu na obszarze (0, 0)–obszar. Czyta tylko obiekt: rodzaje
// i długości elementów oraz NajgorszyElement().
void RysujSzkic(QPainter& p, QSize obszar, const tObiektMostowy& obiekt);

// Pole szkicu pod edytorem rozpiętości (313 × 20 pikseli).
class TSzkic : public QWidget {
    Q_OBJECT
public:
    explicit TSzkic(QWidget* rodzic = nullptr);
    void UstawObiekt(const tObiektMostowy* obiekt);
    // Wyniki elementów do dymka nad elementem (nazwa, długość, masa pojazdu).
    void UstawTabele(const tTabelaElementow* tabela);

protected:
    bool event(QEvent* zdarzenie) override;
    void paintEvent(QPaintEvent* zdarzenie) override;

private:
    const tObiektMostowy* obiekt_ = nullptr;
    const tTabelaElementow* tabela_ = nullptr;
};
