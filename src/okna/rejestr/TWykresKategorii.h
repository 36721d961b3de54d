#pragma once
// Podsumowanie rejestru obok tabeli: liczba pokazanych obiektów w każdej kategorii (42, 32,
// 24, 16, 10, poniżej 10 t, odrzucone) jako mały wykres słupkowy, słupki poziome w barwach
// skali mas (odrzucone w barwie odmowy).
#include <QWidget>
#include <array>

#include "rejestr/Zestawienie.h"

class TWykresKategorii : public QWidget {
    Q_OBJECT
public:
    explicit TWykresKategorii(QWidget* rodzic = nullptr);

    void Ustaw(const std::array<int, LiczbaKategoriiRejestru>& liczby);
    const std::array<int, LiczbaKategoriiRejestru>& Liczby() const { return liczby_; }

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent* zdarzenie) override;

private:
    int SzerokoscPodpisow() const;
    std::array<int, LiczbaKategoriiRejestru> liczby_{};
};
