#include "okna/pomocnicze/TModelOsi.h"

#include "przebieg/EdycjaPojazdu.h"
#include "okna/wspolne/Tekst.h"

namespace {
const char* const Naglowki[LiczbaKolumnOsi] = {"Oś", "Nacisk P [t]", "Rozstaw S do następnej osi [m]"};
}  // namespace

TModelOsi::TModelOsi(tEdycjaPojazdu& edycja, QObject* rodzic) : QAbstractTableModel(rodzic), edycja_(edycja) {}

void TModelOsi::Odswiez()
{
    beginResetModel();
    endResetModel();
}

int TModelOsi::rowCount(const QModelIndex& rodzic) const { return rodzic.isValid() ? 0 : edycja_.LiczbaOsi(); }

int TModelOsi::columnCount(const QModelIndex& rodzic) const { return rodzic.isValid() ? 0 : LiczbaKolumnOsi; }

QVariant TModelOsi::data(const QModelIndex& indeks, int rola) const
{
    const int w = indeks.row();
    if (!indeks.isValid() || w >= edycja_.LiczbaOsi()) return {};
    if (rola == Qt::TextAlignmentRole) return QVariant::fromValue(Qt::AlignVCenter | Qt::AlignRight);
    if (rola != Qt::DisplayRole && rola != Qt::EditRole) return {};
    switch (indeks.column()) {
    case oNumer: return w + 1;
    case oNacisk: return Tekst(edycja_.TekstNacisku(w));
    default: return Tekst(edycja_.TekstRozstawu(w));
    }
}

QVariant TModelOsi::headerData(int sekcja, Qt::Orientation kierunek, int rola) const
{
    if (kierunek != Qt::Horizontal || rola != Qt::DisplayRole || sekcja < 0 || sekcja >= LiczbaKolumnOsi) return {};
    return Tekst(Naglowki[sekcja]);
}

// Ostatnia oś nie ma rozstawu do następnej.
Qt::ItemFlags TModelOsi::flags(const QModelIndex& indeks) const
{
    Qt::ItemFlags f = QAbstractTableModel::flags(indeks);
    const bool edytowalna = indeks.column() == oNacisk || (indeks.column() == oRozstaw && indeks.row() < edycja_.LiczbaOsi() - 1);
    return edytowalna ? f | Qt::ItemIsEditable : f;
}

bool TModelOsi::setData(const QModelIndex& indeks, const QVariant& wartosc, int rola)
{
    if (rola != Qt::EditRole || !(flags(indeks) & Qt::ItemIsEditable)) return false;
    const std::string tekst = wartosc.toString().toStdString();
    std::string komunikat;
    const bool przyjety = indeks.column() == oNacisk ? edycja_.UstawNacisk(indeks.row(), tekst, komunikat)
                                                     : edycja_.UstawRozstaw(indeks.row(), tekst, komunikat);
    if (!przyjety) {
        emit Odrzucono(Tekst(komunikat));
        return false;
    }
    emit dataChanged(indeks, indeks);
    emit Zmieniono();
    return true;
}
