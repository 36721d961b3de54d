#pragma once
// Szkic przekroju podłużnego: elementy obiektu w skali na jednej linii, z podporami
// i przegubami, w kolorach według rodzaju elementu.
#include <QSize>
#include <QWidget>

class QPainter;
class tObiektMostowy;
struct tTabelaElementow;

// Rysuje szkic obiektu na obszarze (0, 0)–obszar: rodzaje i długości elementów obiektu,
// element wyrozniony (numer od 1, -1: żaden) grubszym piórem.
void RysujSzkic(QPainter& p, QSize obszar, const tObiektMostowy& obiekt, int wyrozniony);

// Pole szkicu pod edytorem rozpiętości (313 × 20 pikseli).
class TSzkic : public QWidget {
    Q_OBJECT
public:
    explicit TSzkic(QWidget* rodzic = nullptr);
    void UstawObiekt(const tObiektMostowy* obiekt);
    // Wyniki elementów do dymka nad elementem (nazwa, długość, masa pojazdu); element
    // decydujący tabeli jest wyróżniony, a po odrzuceniu danych tabela nie ma żadnego.
    void UstawTabele(const tTabelaElementow* tabela);

protected:
    bool event(QEvent* zdarzenie) override;
    void paintEvent(QPaintEvent* zdarzenie) override;

private:
    const tObiektMostowy* obiekt_ = nullptr;
    const tTabelaElementow* tabela_ = nullptr;
};
