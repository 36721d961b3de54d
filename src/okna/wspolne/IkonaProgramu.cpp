#include "okna/wspolne/IkonaProgramu.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

QPixmap RysunekIkony(int rozmiar)
{
    QPixmap obraz(rozmiar, rozmiar);
    obraz.fill(Qt::transparent);
    QPainter p(&obraz);
    p.setRenderHint(QPainter::Antialiasing);
    // Układ 64 × 64 przeskalowany na rozmiar.
    p.scale(rozmiar / 64.0, rozmiar / 64.0);

    QLinearGradient niebo(0, 0, 0, 64);
    niebo.setColorAt(0, QColor(120, 180, 235));
    niebo.setColorAt(1, QColor(225, 240, 250));
    p.setPen(QPen(QColor(20, 40, 90), 1.5));
    p.setBrush(niebo);
    p.drawRoundedRect(QRectF(1, 1, 62, 62), 9, 9);

    // Woda pod mostem.
    QPainterPath woda;
    woda.moveTo(2, 50);
    woda.cubicTo(14, 47, 20, 53, 32, 50);
    woda.cubicTo(44, 47, 50, 53, 62, 50);
    woda.lineTo(62, 54);
    woda.quadTo(62, 62, 54, 62);
    woda.lineTo(10, 62);
    woda.quadTo(2, 62, 2, 54);
    woda.closeSubpath();
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(40, 100, 170));
    p.drawPath(woda);

    // Łuk z przyczółkami i pomost ze słupkami nadłuczowymi.
    const QColor beton(235, 232, 222);
    const QPen kontur(QColor(20, 30, 60), 1.6);
    QPainterPath luk;
    luk.moveTo(4, 52);
    luk.lineTo(4, 30);
    luk.lineTo(60, 30);
    luk.lineTo(60, 52);
    luk.lineTo(54, 52);
    luk.cubicTo(50, 36, 14, 36, 10, 52);
    luk.closeSubpath();
    p.setPen(kontur);
    p.setBrush(beton);
    p.drawPath(luk);
    p.setPen(QPen(QColor(20, 30, 60), 1.2));
    for (double x : {17.0, 25.0, 32.0, 39.0, 47.0}) p.drawLine(QPointF(x, 34), QPointF(x, x < 20 || x > 44 ? 44 : 40));
    // Nawierzchnia pomostu.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(60, 60, 60));
    p.drawRect(QRectF(4, 28, 56, 3));

    // Ciężarówka: naczepa, kabina i koła.
    p.setPen(QPen(QColor(20, 30, 60), 1));
    p.setBrush(QColor(240, 160, 30));
    p.drawRect(QRectF(16, 15, 22, 11));
    p.setBrush(QColor(200, 40, 40));
    QPainterPath kabina;
    kabina.moveTo(39, 26);
    kabina.lineTo(39, 17);
    kabina.lineTo(45, 17);
    kabina.lineTo(48, 21);
    kabina.lineTo(48, 26);
    kabina.closeSubpath();
    p.drawPath(kabina);
    p.setBrush(QColor(180, 220, 250));
    p.drawRect(QRectF(42, 18.5, 3, 3));
    p.setBrush(QColor(30, 30, 30));
    for (double x : {20.0, 27.0, 44.0}) p.drawEllipse(QPointF(x, 26.5), 2.4, 2.4);
    return obraz;
}

QIcon IkonaProgramu()
{
    QIcon ikona;
    for (int r : {16, 24, 32, 48, 64, 128, 256}) ikona.addPixmap(RysunekIkony(r));
    return ikona;
}
