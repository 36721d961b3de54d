#pragma once
// Model tabeli panelu "Elementy": czyta tabelę wyników elementów przebiegu; teksty
// komórek daje warstwa bez Qt.
#include <QAbstractTableModel>
#include <vector>

#include "przebieg/TabelaElementow.h"

class TModelElementow : public QAbstractTableModel {
    Q_OBJECT
public:
    TModelElementow(const tTabelaElementow& tabela, QObject* rodzic);

    // Po przeliczeniu zmieniają się tylko wiersze o nowych wartościach (zaznaczenie zostaje,
    // reszta tabeli nie jest odmalowywana); wierszy dochodzi albo ubywa na końcu.
    void Odswiez();

    int rowCount(const QModelIndex& rodzic = {}) const override;
    int columnCount(const QModelIndex& rodzic = {}) const override;
    QVariant data(const QModelIndex& indeks, int rola) const override;
    QVariant headerData(int sekcja, Qt::Orientation kierunek, int rola) const override;

private:
    const tTabelaElementow& tabela_;
    std::vector<tWierszElementu> wiersze_;  // wiersze, które zna widok
    int najgorszy_ = -1;                    // wiersz wyróżniony w widoku
};
