#pragma once
// Okno "O programie": ikona, nazwa, wersja i opis na granatowym tle; zamyka się
// kliknięciem w tło.
#include <QWidget>

class QLabel;
class QPushButton;

class TAboutBox : public QWidget {
    Q_OBJECT
public:
    explicit TAboutBox(QWidget* rodzic = nullptr);
    QPushButton* Zamknij = nullptr;

    QLabel* Ikona;
    QLabel* Nazwa;
    QLabel* Wersja;
    QLabel* Opis;

protected:
    void showEvent(QShowEvent* zdarzenie) override;
    void mousePressEvent(QMouseEvent* zdarzenie) override;
};
