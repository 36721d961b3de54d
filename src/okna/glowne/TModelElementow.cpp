#include "okna/glowne/TModelElementow.h"

#include <QBrush>
#include <algorithm>

#include "okna/wspolne/Tekst.h"

namespace {
const QColor TloNajgorszego(255, 236, 179);
}

TModelElementow::TModelElementow(const tTabelaElementow& tabela, QObject* rodzic)
    : QAbstractTableModel(rodzic), tabela_(tabela)
{
}

void TModelElementow::Odswiez()
{
    // Wiersze dodane albo usunięte na końcu, nie nowy model: nagłówek kolumn zostaje
    // nietknięty, a dane odrzucone i poprawione na przemian nie przebudowują tabeli.
    const std::vector<tWierszElementu>& nowe = tabela_.Wiersze;
    const int stare = static_cast<int>(wiersze_.size()), n = static_cast<int>(nowe.size());
    std::vector<std::pair<int, int>> zakresy;  // kolejne zmienione wiersze wspólnej części
    for (int w = 0; w < std::min(stare, n); ++w) {
        if (nowe[w] == wiersze_[w] && (w == najgorszy_) == (w == tabela_.Najgorszy)) continue;
        if (!zakresy.empty() && zakresy.back().second == w - 1)
            zakresy.back().second = w;
        else
            zakresy.push_back({w, w});
    }
    if (n < stare) {
        beginRemoveRows({}, n, stare - 1);
        wiersze_.resize(n);
        endRemoveRows();
    } else if (n > stare) {
        beginInsertRows({}, stare, n - 1);
        wiersze_.insert(wiersze_.end(), nowe.begin() + stare, nowe.end());
        endInsertRows();
    }
    wiersze_ = nowe;
    najgorszy_ = tabela_.Najgorszy;
    for (auto [od, doW] : zakresy) emit dataChanged(index(od, 0), index(doW, LiczbaKolumnElementow - 1));
}

int TModelElementow::rowCount(const QModelIndex& rodzic) const
{
    return rodzic.isValid() ? 0 : static_cast<int>(wiersze_.size());
}

int TModelElementow::columnCount(const QModelIndex& rodzic) const
{
    return rodzic.isValid() ? 0 : LiczbaKolumnElementow;
}

QVariant TModelElementow::data(const QModelIndex& indeks, int rola) const
{
    const int w = indeks.row(), k = indeks.column();
    if (!indeks.isValid() || w >= static_cast<int>(wiersze_.size()) || w >= static_cast<int>(tabela_.Wiersze.size()))
        return {};
    switch (rola) {
    case Qt::DisplayRole:
        return Tekst(TekstKomorki(tabela_, w, k));
    case Qt::TextAlignmentRole:
        return QVariant::fromValue(Qt::AlignVCenter | (KolumnaLiczbowa(k) ? Qt::AlignRight : Qt::AlignLeft));
    case Qt::ToolTipRole:  // nazwa i rodzaj mogą być skrócone w wąskiej kolumnie
        return k == kElement || k == kRodzaj ? Tekst(TekstKomorki(tabela_, w, k)) : QVariant();
    case Qt::BackgroundRole:
        return w == najgorszy_ ? QVariant(QBrush(TloNajgorszego)) : QVariant();
    default:
        return {};
    }
}

QVariant TModelElementow::headerData(int sekcja, Qt::Orientation kierunek, int rola) const
{
    if (kierunek != Qt::Horizontal) return {};
    if (rola == Qt::DisplayRole) return Tekst(NaglowekKolumny(sekcja));
    if (rola == Qt::TextAlignmentRole)
        return QVariant::fromValue(Qt::AlignVCenter | (KolumnaLiczbowa(sekcja) ? Qt::AlignRight : Qt::AlignLeft));
    return {};
}
