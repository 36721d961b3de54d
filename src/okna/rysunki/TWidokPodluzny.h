#pragma once
// Widok podłużny panelu "Elementy": rysuje figury, które wylicza RysunekPodluzny,
// a nad elementem pokazuje w dymku jego wiersz tabeli.
#include <QPixmap>
#include <QStaticText>
#include <QWidget>
#include <string>
#include <unordered_map>

#include "przebieg/RysunekPodluzny.h"

struct tTabelaElementow;

class TWidokPodluzny : public QWidget {
    Q_OBJECT
public:
    TWidokPodluzny(const tTabelaElementow& tabela, QWidget* rodzic);

    // Rysunek od nowa po przeliczeniu albo zmianie szerokości.
    void Odswiez();
    const tRysunekPodluzny& Rysunek() const { return rysunek_; }
    QSize sizeHint() const override;

protected:
    bool event(QEvent* zdarzenie) override;
    void changeEvent(QEvent* zdarzenie) override;
    void paintEvent(QPaintEvent* zdarzenie) override;
    void resizeEvent(QResizeEvent* zdarzenie) override;

private:
    const QPixmap& ZnakWezla(tWezel rodzaj);
    const QStaticText& Napis(const std::string& tekst, bool pogrubiony);

    const tTabelaElementow& tabela_;
    tRysunekPodluzny rysunek_;
    std::unordered_map<std::string, int> szerokosci_;  // szerokość napisu w pikselach
    std::unordered_map<std::string, QStaticText> napisy_, napisyGrube_;
    QPixmap podpora_, przegub_;
};
