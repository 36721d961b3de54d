#include "okna/rejestr/TModelRejestru.h"

#include <QBrush>
#include <QCollatorSortKey>
#include <algorithm>
#include <numeric>
#include <unordered_map>

#include "common/Formatowanie.h"
#include "wspprzec/Pojazdy.h"
#include "okna/wspolne/KolorOdmowy.h"
#include "okna/wspolne/Tekst.h"

namespace {
const char* const Naglowki[LiczbaKolumnRejestru] = {
    "plik", "JNI", "NrP", "Droga", "Km", "Najbliższa miejscowość", "Przeszkoda", "normatyw", "klasa", "przekrój",
    "schemat", "przęsła", "najdłuższe [m]", "KATEGORIA [t]", "element rozstrzygający",
};
const char* const Odrzucony = "odrzucony";

bool Liczbowa(int k) { return k == rPrzesla || k == rNajdluzsze || k == rKategoria; }

// Liczba kolumny liczbowej do sortowania; -1 bez wartości (plik nieczytelny, dane odrzucone),
// więc rosnąco odrzucone stoją przed najsłabszymi obiektami.
double Liczba(const tWierszRejestru& w, int k)
{
    switch (k) {
    case rPrzesla: return w.Wczytany ? w.Przesla : -1;
    case rNajdluzsze: return w.Wczytany ? w.Najdluzsze : -1;
    default: return w.Poprawny ? w.Masa : -1;
    }
}

std::string TekstKolumny(const tWierszRejestru& w, int k)
{
    switch (k) {
    case rPlik: return w.Plik;
    case rJNI: return w.Info.JNI;
    case rNrP: return w.Info.NrP;
    case rDroga: return w.Info.Droga;
    case rKm: return w.Info.Km;
    case rMiejscowosc: return w.Info.Najblizsza;
    case rPrzeszkoda: return w.Info.Przeszkoda;
    case rNormatyw: return w.Normatyw;
    case rKlasa: return w.Klasa;
    case rPrzekroj: return w.Przekroj;
    case rSchemat: return w.Schemat;
    case rPrzesla: return w.Wczytany ? std::to_string(w.Przesla) : std::string();
    case rNajdluzsze: return w.Wczytany ? LiczbaStala(w.Najdluzsze, 2) : std::string();
    case rKategoria: return w.Poprawny ? w.KategoriaTekst : Odrzucony;
    default: return w.Poprawny ? w.NazwaNajgorszego : JedenWiersz(w.Komunikat);
    }
}

// Tekst czytelny na tle barwy skali: czarny na jasnym, biały na ciemnym.
QColor TekstNaTle(const QColor& tlo) { return qGray(tlo.rgb()) < 128 ? Qt::white : Qt::black; }
}  // namespace

TModelRejestru::TModelRejestru(QObject* rodzic)
    : QAbstractTableModel(rodzic), porzadek_(QLocale(QLocale::Polish, QLocale::Poland)),
      skala_{MasyPojazdow[1], MasyPojazdow[1]}
{
    porzadek_.setNumericMode(true);  // "DW 2" przed "DW 10", "km 5+100" przed "km 12+300"
    porzadek_.setCaseSensitivity(Qt::CaseInsensitive);
}

TModelRejestru::~TModelRejestru() = default;

void TModelRejestru::Wyczysc()
{
    beginResetModel();
    pokazane_.clear();
    wiersze_.clear();
    endResetModel();
    OdswiezSkale();
    emit Zmieniono();
}

void TModelRejestru::Ustaw(std::vector<tWierszRejestru> wiersze)
{
    std::vector<const tWierszRejestru*> nowe;
    for (tWierszRejestru& w : wiersze) {
        std::unique_ptr<tWierszRejestru>& p = wiersze_[w.Plik];
        if (p) {
            Wyjmij(p.get());
            nowe.erase(std::remove(nowe.begin(), nowe.end(), p.get()), nowe.end());
            *p = std::move(w);
        } else {
            p = std::make_unique<tWierszRejestru>(std::move(w));
        }
        if (filtr_.Przyjmuje(*p)) nowe.push_back(p.get());
    }
    // Kolejne nowe wiersze, które trafiają w to samo miejsce tabeli, wstawiane razem (przy
    // pierwszym przeglądzie katalogu zwykle cała porcja na końcu); od końca, by wcześniejsze
    // miejsca się nie przesuwały.
    auto przed = [this](const tWierszRejestru* a, const tWierszRejestru* b) { return Przed(*a, *b); };
    std::sort(nowe.begin(), nowe.end(), przed);
    for (size_t koniec = nowe.size(); koniec > 0;) {
        const auto miejsce = std::upper_bound(pokazane_.begin(), pokazane_.end(), nowe[koniec - 1], przed);
        size_t poczatek = koniec - 1;
        while (poczatek > 0 && (miejsce == pokazane_.begin() || !Przed(*nowe[poczatek - 1], **(miejsce - 1)))) --poczatek;
        const int r = static_cast<int>(miejsce - pokazane_.begin());
        beginInsertRows({}, r, r + static_cast<int>(koniec - poczatek) - 1);
        pokazane_.insert(miejsce, nowe.begin() + poczatek, nowe.begin() + koniec);
        endInsertRows();
        koniec = poczatek;
    }
    OdswiezSkale();
    emit Zmieniono();
}

void TModelRejestru::Usun(const std::string& plik)
{
    const auto i = wiersze_.find(plik);
    if (i == wiersze_.end()) return;
    Wyjmij(i->second.get());
    wiersze_.erase(i);
    OdswiezSkale();
    emit Zmieniono();
}

void TModelRejestru::UstawFiltr(const tFiltrRejestru& filtr)
{
    filtr_ = filtr;
    beginResetModel();
    pokazane_.clear();
    for (const auto& [nazwa, w] : wiersze_)
        if (filtr_.Przyjmuje(*w)) pokazane_.push_back(w.get());
    Uporzadkuj();
    endResetModel();
    OdswiezSkale();
    emit Zmieniono();
}

bool TModelRejestru::Przed(const tWierszRejestru& a, const tWierszRejestru& b) const
{
    int c = 0;
    if (Liczbowa(kolumna_)) {
        const double x = Liczba(a, kolumna_), y = Liczba(b, kolumna_);
        c = x < y ? -1 : (y < x ? 1 : 0);
    } else {
        c = porzadek_.compare(Tekst(TekstKolumny(a, kolumna_)), Tekst(TekstKolumny(b, kolumna_)));
    }
    if (c != 0) return kierunek_ == Qt::AscendingOrder ? c < 0 : c > 0;
    return a.Plik < b.Plik;  // równe: w kolejności nazw, jak w katalogu
}

void TModelRejestru::Wyjmij(const tWierszRejestru* w)
{
    const auto i = std::find(pokazane_.begin(), pokazane_.end(), w);
    if (i == pokazane_.end()) return;
    const int r = static_cast<int>(i - pokazane_.begin());
    beginRemoveRows({}, r, r);
    pokazane_.erase(i);
    endRemoveRows();
}

void TModelRejestru::OdswiezSkale()
{
    tSkalaMas s{MasyPojazdow[1], MasyPojazdow[1]};
    for (const tWierszRejestru* w : pokazane_)
        if (w->Poprawny) s.Od = std::min(s.Od, w->Kategoria);
    if (s == skala_) return;
    skala_ = s;
    if (!pokazane_.empty()) emit dataChanged(index(0, rKategoria), index(rowCount() - 1, rKategoria));
}

// Klucze porządku liczone raz na wiersz, nie przy każdym porównaniu.
void TModelRejestru::Uporzadkuj()
{
    const size_t n = pokazane_.size();
    std::vector<size_t> kolejnosc(n);
    std::iota(kolejnosc.begin(), kolejnosc.end(), 0);
    const bool rosnaco = kierunek_ == Qt::AscendingOrder;
    auto rozstrzygnij = [&](int c, size_t a, size_t b) {
        if (c != 0) return rosnaco ? c < 0 : c > 0;
        return pokazane_[a]->Plik < pokazane_[b]->Plik;
    };
    if (Liczbowa(kolumna_)) {
        std::vector<double> liczby;
        liczby.reserve(n);
        for (const tWierszRejestru* w : pokazane_) liczby.push_back(Liczba(*w, kolumna_));
        std::sort(kolejnosc.begin(), kolejnosc.end(), [&](size_t a, size_t b) {
            return rozstrzygnij(liczby[a] < liczby[b] ? -1 : (liczby[b] < liczby[a] ? 1 : 0), a, b);
        });
    } else {
        std::vector<QCollatorSortKey> klucze;
        klucze.reserve(n);
        for (const tWierszRejestru* w : pokazane_) klucze.push_back(porzadek_.sortKey(Tekst(TekstKolumny(*w, kolumna_))));
        std::sort(kolejnosc.begin(), kolejnosc.end(),
                  [&](size_t a, size_t b) { return rozstrzygnij(klucze[a].compare(klucze[b]), a, b); });
    }
    std::vector<const tWierszRejestru*> nowe(n);
    for (size_t i = 0; i < n; ++i) nowe[i] = pokazane_[kolejnosc[i]];
    pokazane_ = std::move(nowe);
}

void TModelRejestru::sort(int kolumna, Qt::SortOrder kierunek)
{
    if (kolumna < 0 || kolumna >= LiczbaKolumnRejestru) return;
    kolumna_ = kolumna;
    kierunek_ = kierunek;
    emit layoutAboutToBeChanged({}, QAbstractItemModel::VerticalSortHint);
    const QModelIndexList trwale = persistentIndexList();
    std::vector<const tWierszRejestru*> przed;
    for (const QModelIndex& i : trwale) przed.push_back(pokazane_[i.row()]);
    Uporzadkuj();
    std::unordered_map<const tWierszRejestru*, int> miejsca;
    for (size_t i = 0; i < pokazane_.size(); ++i) miejsca[pokazane_[i]] = static_cast<int>(i);
    QModelIndexList po;
    for (size_t i = 0; i < przed.size(); ++i) po.push_back(index(miejsca[przed[i]], trwale[static_cast<int>(i)].column()));
    changePersistentIndexList(trwale, po);
    emit layoutChanged({}, QAbstractItemModel::VerticalSortHint);
}

int TModelRejestru::rowCount(const QModelIndex& rodzic) const
{
    return rodzic.isValid() ? 0 : static_cast<int>(pokazane_.size());
}

int TModelRejestru::columnCount(const QModelIndex& rodzic) const { return rodzic.isValid() ? 0 : LiczbaKolumnRejestru; }

QVariant TModelRejestru::data(const QModelIndex& indeks, int rola) const
{
    if (!indeks.isValid() || indeks.row() >= rowCount()) return {};
    const tWierszRejestru& w = *pokazane_[indeks.row()];
    const int k = indeks.column();
    const bool barwa = k == rKategoria && w.Poprawny;
    switch (rola) {
    case Qt::DisplayRole:
        return Tekst(TekstKolumny(w, k));
    case Qt::TextAlignmentRole:
        return QVariant::fromValue(Qt::AlignVCenter | (Liczbowa(k) ? Qt::AlignRight : Qt::AlignLeft));
    case Qt::BackgroundRole:
        if (!barwa) return {};
        {
            const tKolor c = KolorMasy(skala_, w.Kategoria);
            return QBrush(QColor(c.R, c.G, c.B));
        }
    case Qt::ForegroundRole:
        if (barwa) {
            const tKolor c = KolorMasy(skala_, w.Kategoria);
            return QBrush(TekstNaTle(QColor(c.R, c.G, c.B)));
        }
        return w.Poprawny ? QVariant() : QVariant(QBrush(KolorOdmowy));
    case Qt::ToolTipRole:
        if (!w.Poprawny) return Tekst(w.Komunikat);
        return k == rPlik || k == rNajgorszy || (k >= rMiejscowosc && k <= rSchemat) ? Tekst(TekstKolumny(w, k)) : QVariant();
    default:
        return {};
    }
}

QVariant TModelRejestru::headerData(int sekcja, Qt::Orientation kierunek, int rola) const
{
    if (kierunek != Qt::Horizontal || sekcja < 0 || sekcja >= LiczbaKolumnRejestru) return {};
    if (rola == Qt::DisplayRole || rola == Qt::ToolTipRole) return Tekst(Naglowki[sekcja]);
    if (rola == Qt::TextAlignmentRole)
        return QVariant::fromValue(Qt::AlignVCenter | (Liczbowa(sekcja) ? Qt::AlignRight : Qt::AlignLeft));
    return {};
}
