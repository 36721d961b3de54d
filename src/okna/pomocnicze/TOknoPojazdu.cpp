#include "okna/pomocnicze/TOknoPojazdu.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QTableView>
#include <QVBoxLayout>

#include "common/Formatowanie.h"
#include "persistence/Katalogi.h"
#include "okna/pomocnicze/TModelOsi.h"
#include "okna/rysunki/TRysunekPojazdu.h"
#include "okna/wspolne/IkonaProgramu.h"
#include "okna/wspolne/KolorOdmowy.h"
#include "okna/wspolne/Pytanie.h"
#include "okna/wspolne/SkrotyOkna.h"
#include "okna/wspolne/TUstawieniaOkna.h"
#include "okna/wspolne/Tekst.h"

namespace {
const char* const PodpisNazwy = "Nazwa:";
const char* const DymekNazwy = "Nazwa pojazdu w wynikach i raportach (bez nazwy: nazwa pliku)";
const char* const DymekTabeli = "Naciski osi i rozstawy osi: wpis, którego plik *.PJZ by nie przyjął, jest odrzucany";
const char* const PrzyciskDodaj = "Dodaj oś";
const char* const DymekDodaj = "Nowa oś za zaznaczoną, z jej naciskiem i rozstawem";
const char* const PrzyciskUsun = "Usuń oś";
const char* const PrzyciskWGore = "W górę";
const char* const PrzyciskWDol = "W dół";
const char* const DymekPrzesun = "Oś z rozstawem do następnej osi o jedno miejsce";
const char* const PodpisObciazenia = "Obciążenie:";
const char* const WzorZRuchem = "z ruchem (q = %s kN/m)";
const char* const PodpisSam = "pojazd sam na obiekcie (q = 0)";
const char* const PodpisOceny = "Oceniaj przejazd: okno główne i rejestr obiektów";
const char* const DymekOceny =
    "Z zaznaczeniem okno wynikowe podaje przejazd tego pojazdu przez obiekt na ekranie,\n"
    "panel „Elementy” wykorzystanie elementów, a rejestr obiektów przejazd przez każdy obiekt";
const char* const PrzyciskOtworz = "Otwórz…";
const char* const PrzyciskZapisz = "Zapisz";
const char* const PrzyciskZapiszJako = "Zapisz jako…";
const char* const PrzyciskZamknij = "Zamknij";
const char* const TytulOtworz = "Otwórz pojazd";
const char* const TytulZapisz = "Zapisz pojazd";
const char* const FiltrPliku = "Pojazd nienormatywny (*.PJZ *.pjz)";
const char* const WzorZapisano = "Zapisano: %s";
const char* const TytulBledu = "Błąd";
const char* const TytulUwagi = "UWAGA";
const char* const Rozszerzenie = ".PJZ";

constexpr int WierszeTabeli = 8;
}  // namespace

TOknoPojazdu::TOknoPojazdu(QWidget* rodzic) : QWidget(rodzic, Qt::Window)
{
    ZamykanieEsc(*this);
    PamietajPolozenie(*this);
    setObjectName(QStringLiteral("OknoPojazdu"));
    setWindowIcon(IkonaProgramu());
    WybierzPlikOtwarcia = [this](const QString& tytul, const QString& poczatek, const QString& filtr) {
        return QFileDialog::getOpenFileName(this, tytul, poczatek, filtr);
    };
    WybierzPlikZapisu = [this](const QString& tytul, const QString& poczatek, const QString& filtr) {
        return QFileDialog::getSaveFileName(this, tytul, poczatek, filtr);
    };

    auto* gora = new QHBoxLayout;
    auto* podpis = new QLabel(Tekst(PodpisNazwy), this);
    gora->addWidget(podpis);
    nazwa_ = new QLineEdit(this);
    nazwa_->setObjectName(QStringLiteral("edNazwa"));
    nazwa_->setToolTip(Tekst(DymekNazwy));
    podpis->setBuddy(nazwa_);
    connect(nazwa_, &QLineEdit::textEdited, this, [this](const QString& t) {
        edycja_.UstawNazwe(t.toStdString());
        setWindowTitle(Tekst(edycja_.Tytul()));
        emit Zmieniono();
    });
    gora->addWidget(nazwa_, 1);

    auto* srodek = new QHBoxLayout;
    srodek->addWidget(BudujTabele(), 1);
    srodek->addWidget(BudujPrzyciski());

    opis_ = new QLabel(this);
    opis_->setObjectName(QStringLiteral("lbOpis"));
    komunikat_ = new QLabel(this);
    komunikat_->setObjectName(QStringLiteral("lbKomunikat"));
    komunikat_->setWordWrap(true);
    komunikat_->hide();
    rysunek_ = new TRysunekPojazdu(this);
    rysunek_->setObjectName(QStringLiteral("RysunekPojazdu"));

    auto* obciazenie = new QHBoxLayout;
    obciazenie->addWidget(new QLabel(Tekst(PodpisObciazenia), this));
    zRuchem_ = new QRadioButton(Tekst(Format(WzorZRuchem, {LiczbaOgolna(ObciazenieZRuchem)})), this);
    zRuchem_->setObjectName(QStringLiteral("rbZRuchem"));
    zRuchem_->setToolTip(Tekst(OpisObciazenia(ObciazenieZRuchem)));
    zRuchem_->setChecked(true);
    sam_ = new QRadioButton(Tekst(PodpisSam), this);
    sam_->setObjectName(QStringLiteral("rbSam"));
    sam_->setToolTip(Tekst(OpisObciazenia(0)));
    auto* grupa = new QButtonGroup(this);
    grupa->addButton(zRuchem_);
    grupa->addButton(sam_);
    connect(sam_, &QRadioButton::toggled, this, [this](bool sam) {
        edycja_.UstawQ(sam ? 0 : ObciazenieZRuchem);
        emit Zmieniono();
    });
    obciazenie->addWidget(zRuchem_);
    obciazenie->addWidget(sam_);
    obciazenie->addStretch(1);
    ocena_ = new QCheckBox(Tekst(PodpisOceny), this);
    ocena_->setObjectName(QStringLiteral("cbOcena"));
    ocena_->setToolTip(Tekst(DymekOceny));
    ocena_->setChecked(edycja_.Ocena());
    connect(ocena_, &QCheckBox::toggled, this, [this](bool ocena) {
        edycja_.UstawOcene(ocena);
        emit Zmieniono();
    });

    auto* dol = new QHBoxLayout;
    auto przycisk = [this, dol](const char* nazwa, const char* podpis, auto polecenie) {
        auto* p = new QPushButton(Tekst(podpis), this);
        p->setObjectName(QString::fromLatin1(nazwa));
        connect(p, &QPushButton::clicked, this, polecenie);
        dol->addWidget(p);
    };
    przycisk("btOtworz", PrzyciskOtworz, [this] { OtworzZPliku(); });
    przycisk("btZapisz", PrzyciskZapisz, [this] { Zapisz(); });
    przycisk("btZapiszJako", PrzyciskZapiszJako, [this] { ZapiszJako(); });
    dol->addStretch(1);
    przycisk("btZamknij", PrzyciskZamknij, [this] { close(); });

    auto* uklad = new QVBoxLayout(this);
    uklad->addLayout(gora);
    uklad->addLayout(srodek, 1);
    uklad->addWidget(opis_);
    uklad->addWidget(komunikat_);
    uklad->addWidget(rysunek_);
    uklad->addLayout(obciazenie);
    uklad->addWidget(ocena_);
    uklad->addLayout(dol);
    Odswiez();
}

QWidget* TOknoPojazdu::BudujTabele()
{
    model_ = new TModelOsi(edycja_, this);
    tabela_ = new QTableView(this);
    tabela_->setObjectName(QStringLiteral("TabelaOsi"));
    tabela_->setToolTip(Tekst(DymekTabeli));
    tabela_->setModel(model_);
    tabela_->setSelectionBehavior(QAbstractItemView::SelectRows);
    tabela_->setSelectionMode(QAbstractItemView::SingleSelection);
    tabela_->setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed |
                             QAbstractItemView::AnyKeyPressed);
    tabela_->verticalHeader()->hide();
    tabela_->verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 6);
    tabela_->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    tabela_->horizontalHeader()->setStretchLastSection(true);
    tabela_->setMinimumHeight(tabela_->horizontalHeader()->sizeHint().height() +
                              WierszeTabeli * tabela_->verticalHeader()->defaultSectionSize() + 2 * tabela_->frameWidth());
    connect(model_, &TModelOsi::Zmieniono, this, [this] { Odswiez(BiezacaOs()); });
    connect(model_, &TModelOsi::Odrzucono, this, [this](const QString& k) { PokazKomunikat(k, true); });
    connect(tabela_->selectionModel(), &QItemSelectionModel::currentRowChanged, this, &TOknoPojazdu::UstawPrzyciski);
    return tabela_;
}

QWidget* TOknoPojazdu::BudujPrzyciski()
{
    auto* kolumna = new QWidget(this);
    auto* uklad = new QVBoxLayout(kolumna);
    uklad->setContentsMargins({});
    auto przycisk = [&](const char* nazwa, const char* podpis, const char* dymek, auto polecenie) {
        auto* p = new QPushButton(Tekst(podpis), kolumna);
        p->setObjectName(QString::fromLatin1(nazwa));
        if (dymek) p->setToolTip(Tekst(dymek));
        connect(p, &QPushButton::clicked, this, polecenie);
        uklad->addWidget(p);
        return p;
    };
    dodaj_ = przycisk("btDodajOs", PrzyciskDodaj, DymekDodaj, [this] { DodajOs(); });
    usun_ = przycisk("btUsunOs", PrzyciskUsun, nullptr, [this] { UsunOs(); });
    wGore_ = przycisk("btWGore", PrzyciskWGore, DymekPrzesun, [this] { PrzesunOs(-1); });
    wDol_ = przycisk("btWDol", PrzyciskWDol, DymekPrzesun, [this] { PrzesunOs(1); });
    uklad->addStretch(1);
    return kolumna;
}

void TOknoPojazdu::Pokaz()
{
    show();
    raise();
    activateWindow();
}

int TOknoPojazdu::BiezacaOs() const
{
    const QModelIndex i = tabela_->currentIndex();
    return i.isValid() ? i.row() : -1;
}

void TOknoPojazdu::Odswiez(int os)
{
    if (nazwa_->text() != Tekst(edycja_.Pojazd().Nazwa)) nazwa_->setText(Tekst(edycja_.Pojazd().Nazwa));
    setWindowTitle(Tekst(edycja_.Tytul()));
    opis_->setText(Tekst(edycja_.Opis()));
    rysunek_->Ustaw(edycja_.Pojazd());
    if (os >= 0 && os < edycja_.LiczbaOsi()) tabela_->setCurrentIndex(model_->index(os, oNacisk));
    UstawPrzyciski();
    emit Zmieniono();
}

void TOknoPojazdu::UstawPrzyciski()
{
    const int os = BiezacaOs(), n = edycja_.LiczbaOsi();
    dodaj_->setEnabled(n < MaksOsiPojazdu);
    usun_->setEnabled(os >= 0);
    wGore_->setEnabled(os > 0);
    wDol_->setEnabled(os >= 0 && os < n - 1);
}

void TOknoPojazdu::PokazKomunikat(const QString& tekst, bool blad)
{
    QPalette p = palette();
    if (blad) p.setColor(QPalette::WindowText, KolorOdmowy);
    komunikat_->setPalette(p);
    komunikat_->setText(tekst);
    komunikat_->setVisible(!tekst.isEmpty());
}

void TOknoPojazdu::Blad(const std::string& tekst)
{
    QMessageBox(QMessageBox::Warning, Tekst(TytulBledu), Tekst(tekst), QMessageBox::Ok, this).exec();
}

void TOknoPojazdu::DodajOs()
{
    const int os = edycja_.DodajOs(BiezacaOs());
    model_->Odswiez();
    PokazKomunikat({}, false);
    Odswiez(os);
}

void TOknoPojazdu::UsunOs()
{
    const int os = BiezacaOs();
    edycja_.UsunOs(os);
    model_->Odswiez();
    PokazKomunikat({}, false);
    Odswiez(std::min(os, edycja_.LiczbaOsi() - 1));
}

void TOknoPojazdu::PrzesunOs(int kierunek)
{
    const int os = edycja_.PrzesunOs(BiezacaOs(), kierunek);
    model_->Odswiez();
    Odswiez(os);
}

bool TOknoPojazdu::Otworz(const QString& sciezka)
{
    auto pytaj = [this](const std::string& t, bool zAnuluj) { return Zapytaj(this, TytulUwagi, t, zAnuluj); };
    if (!edycja_.PorzucZmiany(pytaj, [this] { return Zapisz(); })) return false;
    std::string blad;
    if (!edycja_.Wczytaj(sciezka.toStdString(), blad)) {
        Blad(blad);
        return false;
    }
    ocena_->setChecked(edycja_.Ocena());
    model_->Odswiez();
    PokazKomunikat({}, false);
    Odswiez(0);
    return true;
}

void TOknoPojazdu::OtworzZPliku()
{
    UtworzKatalog(KatalogPojazdow());
    const QString poczatek = edycja_.Plik().empty() ? QString::fromStdString(KatalogPojazdow())
                                                    : QFileInfo(QString::fromStdString(edycja_.Plik())).absolutePath();
    const QString plik = WybierzPlikOtwarcia(Tekst(TytulOtworz), poczatek, Tekst(FiltrPliku));
    if (!plik.isEmpty()) Otworz(plik);
}

bool TOknoPojazdu::Zapisz()
{
    return edycja_.Plik().empty() ? ZapiszJako() : ZapiszDo(QString::fromStdString(edycja_.Plik()));
}

bool TOknoPojazdu::ZapiszJako()
{
    UtworzKatalog(KatalogPojazdow());
    QString plik = WybierzPlikZapisu(Tekst(TytulZapisz), QString::fromStdString(edycja_.PlikDoZapisu(KatalogPojazdow())),
                                     Tekst(FiltrPliku));
    if (plik.isEmpty()) return false;
    if (!plik.endsWith(QLatin1String(Rozszerzenie), Qt::CaseInsensitive)) plik += QLatin1String(Rozszerzenie);
    return ZapiszDo(plik);
}

bool TOknoPojazdu::ZapiszDo(const QString& sciezka)
{
    auto pytaj = [this](const std::string& t, bool zAnuluj) { return Zapytaj(this, TytulUwagi, t, zAnuluj); };
    std::string blad;
    if (!edycja_.Zapisz(sciezka.toStdString(), pytaj, blad)) {
        if (!blad.empty()) Blad(blad);
        return false;
    }
    PokazKomunikat(Tekst(Format(WzorZapisano, {QDir::toNativeSeparators(sciezka).toStdString()})), false);
    setWindowTitle(Tekst(edycja_.Tytul()));
    return true;
}
