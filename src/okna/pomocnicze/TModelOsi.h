#pragma once
// Model tabeli osi okna pojazdu: numer osi, nacisk i rozstaw do następnej osi z edycji pojazdu
// (przebieg/EdycjaPojazdu.h). Wpis, którego edycja nie przyjmuje, nie zmienia komórki, a jej
// komunikat idzie sygnałem Odrzucono.
#include <QAbstractTableModel>

class tEdycjaPojazdu;

enum tKolumnaOsi { oNumer, oNacisk, oRozstaw, LiczbaKolumnOsi };

class TModelOsi : public QAbstractTableModel {
    Q_OBJECT
public:
    TModelOsi(tEdycjaPojazdu& edycja, QObject* rodzic);

    // Po zmianie liczby albo kolejności osi.
    void Odswiez();

    int rowCount(const QModelIndex& rodzic = {}) const override;
    int columnCount(const QModelIndex& rodzic = {}) const override;
    QVariant data(const QModelIndex& indeks, int rola) const override;
    QVariant headerData(int sekcja, Qt::Orientation kierunek, int rola) const override;
    Qt::ItemFlags flags(const QModelIndex& indeks) const override;
    bool setData(const QModelIndex& indeks, const QVariant& wartosc, int rola) override;

signals:
    void Zmieniono();
    void Odrzucono(const QString& komunikat);

private:
    tEdycjaPojazdu& edycja_;
};
