#pragma once
// Rysowanie komórki tabeli panelu "Elementy": tło i jeden napis. Styl rysuje komórkę
// widoku z trzykrotnym składem tekstu (rozmiar, skracanie, rysowanie); przy 91 elementach
// kosztowało to więcej niż samo przeliczenie. Teksty opisowe (nazwy, rodzaje) są więc
// składane raz i pamiętane, a liczby układane z zapamiętanych glifów znaków.
#include <QFont>
#include <QHash>
#include <QRawFont>
#include <QStaticText>
#include <QStyledItemDelegate>

class TKomorkaElementow : public QStyledItemDelegate {
    Q_OBJECT
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    void paint(QPainter* p, const QStyleOptionViewItem& opcja, const QModelIndex& indeks) const override;

private:
    struct tGlif {
        quint32 Indeks = 0;  // 0: znaku nie ma w czcionce
        qreal Szerokosc = 0;
    };
    // Pamięć czyszczona przy zmianie czcionki.
    void Czcionka(const QFont& czcionka) const;
    const QStaticText& Opis(const QString& tekst, int szerokosc, const QFontMetrics& fm) const;
    bool RysujLiczbe(QPainter* p, const QString& tekst, const QRect& r) const;

    mutable QFont czcionka_;
    mutable QRawFont surowa_;
    mutable QHash<QString, QStaticText> opisy_;
    mutable QHash<QChar, tGlif> glify_;
};
