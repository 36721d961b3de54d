#include "okna/rejestr/TOknoRejestru.h"

#include <QCheckBox>
#include <QDate>
#include <QDir>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QProgressBar>
#include <QPushButton>
#include <QSpinBox>
#include <QTableView>
#include <QTimer>
#include <QVBoxLayout>
#include <algorithm>

#include "common/Formatowanie.h"
#include "common/Regionalne.h"
#include "persistence/Katalogi.h"
#include "rejestr/Zestawienie.h"
#include "okna/wspolne/IkonaProgramu.h"
#include "okna/wspolne/KolorOdmowy.h"
#include "okna/wspolne/SkrotyOkna.h"
#include "okna/rejestr/TModelRejestru.h"
#include "okna/rejestr/TPrzegladKatalogu.h"
#include "okna/wspolne/TUstawieniaOkna.h"
#include "okna/rejestr/TWykresKategorii.h"
#include "okna/wspolne/Tekst.h"

namespace {
const char* const Tytul = "Rejestr obiektów";
const char* const PodpisKatalogu = "Katalog:";
const char* const PrzyciskKatalog = "Inny katalog…";
const char* const DymekKatalogu = "Katalog z plikami roboczymi obiektów (domyślnie JNI, do którego zapisuje „Zapisz”)";
const char* const PodpisSzukaj = "Szukaj:";
const char* const PodpowiedzSzukaj = "JNI, NrP, droga, km, miejscowość albo przeszkoda";
const char* const DymekSzukaj = "Pokazuje obiekty, których dane identyfikacyjne zawierają ten tekst";
const char* const PodpisPonizej = "nośność poniżej";
const char* const DymekPonizej = "Pokazuje obiekty o KATEGORII mniejszej od podanej i wszystkie odrzucone";
const char* const JednostkaProgu = " t";
const char* const DymekTabeli = "Dwuklik albo Enter wczytuje obiekt w oknie głównym";
const char* const PrzyciskPrzerwij = "Przerwij";
const char* const WzorPostepu = "Ocena plików: %v z %m";
const char* const PrzyciskZestawienie = "Zapisz zestawienie…";
const char* const DymekZestawienia = "Zapis pokazanych wierszy w pokazanej kolejności jako CSV albo RTF";
const char* const PrzyciskZamknij = "Zamknij";
const char* const TytulKatalogu = "Katalog rejestru obiektów";
const char* const TytulZestawienia = "Zapisz zestawienie";
const char* const FiltrCsv = "Arkusz CSV (*.csv)";
const char* const FiltrRtf = "Dokument RTF (*.rtf)";
const char* const NazwaZestawienia = "Zestawienie";
const char* const TytulBledu = "BŁĄD";
const char* const WzorStanu = "%d z %d %s";
const char* const WzorOdrzuconych = ", w tym odrzuconych: %d";
const char* const WzorPominietych = "; przerwano: nieocenionych plików %d";
const char* const WzorBrakuKatalogu = "Katalogu %s nie ma albo nie da się go odczytać: tabela jest pusta.";

constexpr int Szerokosc = 1300;
constexpr int Wysokosc = 560;
constexpr int DomyslnyProg = 24;
constexpr int NajwiekszyProg = 100;
constexpr int ZwlokaFiltra = 150;       // [ms] od ostatniego klawisza do nowego filtra
constexpr int NajszerszaKolumna = 24;   // [znaki] kolumny dopasowanej do treści (reszta w dymku)
constexpr int WierszeDopasowania = 200;

std::string Dzis()
{
    const QDate d = QDate::currentDate();
    return FormatujDate(d.year(), d.month(), d.day());
}

}  // namespace

TOknoRejestru::TOknoRejestru(QWidget* rodzic) : QWidget(rodzic, Qt::Window)
{
    ZamykanieEsc(*this);
    PamietajPolozenie(*this);
    setObjectName(QStringLiteral("OknoRejestru"));
    setWindowTitle(Tekst(Tytul));
    setWindowIcon(IkonaProgramu());
    WybierzKatalog = [this](const QString& katalog) {
        return QFileDialog::getExistingDirectory(this, Tekst(TytulKatalogu), katalog);
    };
    WybierzPlik = [this](const QString& tytul, const QString& nazwa, const QString& filtry, QString* wybrany) {
        return QFileDialog::getSaveFileName(this, tytul, nazwa, filtry, wybrany);
    };

    model_ = new TModelRejestru(this);
    przeglad_ = new TPrzegladKatalogu(*model_, this);

    auto* gora = new QHBoxLayout;
    gora->addWidget(new QLabel(Tekst(PodpisKatalogu), this));
    katalog_ = new QLabel(this);
    katalog_->setObjectName(QStringLiteral("lbKatalog"));
    katalog_->setToolTip(Tekst(DymekKatalogu));
    katalog_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    katalog_->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    gora->addWidget(katalog_, 1);
    auto* inny = new QPushButton(Tekst(PrzyciskKatalog), this);
    inny->setObjectName(QStringLiteral("btInnyKatalog"));
    connect(inny, &QPushButton::clicked, this, &TOknoRejestru::InnyKatalog);
    gora->addWidget(inny);

    auto* filtr = new QHBoxLayout;
    auto* szukaj = new QLabel(Tekst(PodpisSzukaj), this);
    filtr->addWidget(szukaj);
    tekst_ = new QLineEdit(this);
    tekst_->setObjectName(QStringLiteral("edSzukaj"));
    tekst_->setPlaceholderText(Tekst(PodpowiedzSzukaj));
    tekst_->setToolTip(Tekst(DymekSzukaj));
    tekst_->setClearButtonEnabled(true);
    szukaj->setBuddy(tekst_);
    filtr->addWidget(tekst_, 1);
    filtr->addSpacing(fontMetrics().height());
    ponizej_ = new QCheckBox(Tekst(PodpisPonizej), this);
    ponizej_->setObjectName(QStringLiteral("cbPonizej"));
    ponizej_->setToolTip(Tekst(DymekPonizej));
    filtr->addWidget(ponizej_);
    prog_ = new QSpinBox(this);
    prog_->setObjectName(QStringLiteral("sbPonizej"));
    prog_->setRange(1, NajwiekszyProg);
    prog_->setValue(DomyslnyProg);
    prog_->setSuffix(Tekst(JednostkaProgu));
    prog_->setToolTip(Tekst(DymekPonizej));
    filtr->addWidget(prog_);
    zwlokaFiltra_ = new QTimer(this);
    zwlokaFiltra_->setSingleShot(true);
    zwlokaFiltra_->setInterval(ZwlokaFiltra);
    connect(zwlokaFiltra_, &QTimer::timeout, this, &TOknoRejestru::ZmienFiltr);
    connect(tekst_, &QLineEdit::textChanged, zwlokaFiltra_, qOverload<>(&QTimer::start));
    connect(ponizej_, &QCheckBox::toggled, this, &TOknoRejestru::ZmienFiltr);
    connect(prog_, &QSpinBox::valueChanged, this, [this] {
        if (ponizej_->isChecked()) ZmienFiltr();
    });

    tabela_ = new QTableView(this);
    tabela_->setObjectName(QStringLiteral("TabelaRejestru"));
    tabela_->setToolTip(Tekst(DymekTabeli));
    tabela_->setModel(model_);
    tabela_->setSelectionBehavior(QAbstractItemView::SelectRows);
    tabela_->setSelectionMode(QAbstractItemView::SingleSelection);
    tabela_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    tabela_->setWordWrap(false);
    tabela_->verticalHeader()->hide();
    tabela_->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    tabela_->verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 4);
    tabela_->horizontalHeader()->setHighlightSections(false);
    tabela_->horizontalHeader()->setResizeContentsPrecision(WierszeDopasowania);
    // KATEGORIA i element rozstrzygający zaraz po identyfikacji: na ekranie 1366 × 768 tabela
    // w kolejności zestawienia pokazałaby nośność dopiero po przewinięciu w bok. Kolumny można
    // przestawiać przeciąganiem nagłówka.
    QHeaderView* naglowek = tabela_->horizontalHeader();
    naglowek->setSectionsMovable(true);
    naglowek->moveSection(naglowek->visualIndex(rKategoria), naglowek->visualIndex(rPrzeszkoda) + 1);
    naglowek->moveSection(naglowek->visualIndex(rNajgorszy), naglowek->visualIndex(rKategoria) + 1);
    tabela_->setSortingEnabled(true);
    tabela_->sortByColumn(rPlik, Qt::AscendingOrder);
    connect(tabela_, &QTableView::activated, this, &TOknoRejestru::Otworz);

    wykres_ = new TWykresKategorii(this);
    wykres_->setObjectName(QStringLiteral("WykresKategorii"));
    auto* prawa = new QVBoxLayout;
    prawa->addWidget(wykres_);
    prawa->addStretch(1);
    auto* srodek = new QHBoxLayout;
    srodek->addWidget(tabela_, 1);
    srodek->addLayout(prawa);

    auto* dol = new QHBoxLayout;
    stan_ = new QLabel(this);
    stan_->setObjectName(QStringLiteral("lbStan"));
    stan_->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    dol->addWidget(stan_, 1);
    postep_ = new QProgressBar(this);
    postep_->setObjectName(QStringLiteral("pbPostep"));
    postep_->setFormat(Tekst(WzorPostepu));
    postep_->hide();
    dol->addWidget(postep_);
    przerwij_ = new QPushButton(Tekst(PrzyciskPrzerwij), this);
    przerwij_->setObjectName(QStringLiteral("btPrzerwij"));
    przerwij_->hide();
    connect(przerwij_, &QPushButton::clicked, przeglad_, &TPrzegladKatalogu::Przerwij);
    dol->addWidget(przerwij_);
    zapisz_ = new QPushButton(Tekst(PrzyciskZestawienie), this);
    zapisz_->setObjectName(QStringLiteral("btZestawienie"));
    zapisz_->setToolTip(Tekst(DymekZestawienia));
    connect(zapisz_, &QPushButton::clicked, this, &TOknoRejestru::ZapiszZestawienie);
    dol->addWidget(zapisz_);
    auto* zamknij = new QPushButton(Tekst(PrzyciskZamknij), this);
    zamknij->setObjectName(QStringLiteral("btZamknij"));
    connect(zamknij, &QPushButton::clicked, this, &QWidget::close);
    dol->addWidget(zamknij);

    auto* uklad = new QVBoxLayout(this);
    uklad->addLayout(gora);
    uklad->addLayout(filtr);
    uklad->addLayout(srodek, 1);
    uklad->addLayout(dol);

    connect(model_, &TModelRejestru::Zmieniono, this, &TOknoRejestru::OdswiezStan);
    connect(przeglad_, &TPrzegladKatalogu::Zmieniono, this, &TOknoRejestru::OdswiezStan);
    resize(Szerokosc, Wysokosc);
    OdswiezStan();
}

void TOknoRejestru::Pokaz()
{
    if (przeglad_->Katalog().isEmpty()) OtworzKatalog(QString::fromStdString(KatalogJNI()));
    show();
    raise();
    activateWindow();
}

void TOknoRejestru::OtworzKatalog(const QString& katalog)
{
    katalog_->setText(QDir::toNativeSeparators(katalog));
    szerokosci_ = false;
    przeglad_->Otworz(katalog);
}

void TOknoRejestru::InnyKatalog()
{
    const QString katalog = WybierzKatalog(przeglad_->Katalog());
    if (!katalog.isEmpty()) OtworzKatalog(katalog);
}

void TOknoRejestru::Otworz(const QModelIndex& indeks)
{
    if (!indeks.isValid() || !OtworzPlik) return;
    OtworzPlik(QString::fromStdString(model_->Pokazane()[indeks.row()]->Sciezka));
}

void TOknoRejestru::ZmienFiltr()
{
    zwlokaFiltra_->stop();
    tFiltrRejestru f;
    f.Tekst = tekst_->text().trimmed().toStdString();
    f.ZPonizej = ponizej_->isChecked();
    f.Ponizej = prog_->value();
    model_->UstawFiltr(f);
}

void TOknoRejestru::OdswiezStan()
{
    const std::array<int, LiczbaKategoriiRejestru> liczby = Podsumowanie(model_->Pokazane());
    wykres_->Ustaw(liczby);
    const int pokazane = static_cast<int>(model_->Pokazane().size()), wszystkie = model_->Wszystkie();
    QString stan;
    if (!przeglad_->Dostepny()) {
        stan = Tekst(Format(WzorBrakuKatalogu, {QDir::toNativeSeparators(przeglad_->Katalog()).toStdString()}));
    } else {
        stan = Tekst(Format(WzorStanu, {pokazane, wszystkie, wszystkie == 1 ? "obiektu" : "obiektów"}));
        if (liczby.back() > 0) stan += Tekst(Format(WzorOdrzuconych, {liczby.back()}));
        if (przeglad_->Pominiete() > 0) stan += Tekst(Format(WzorPominietych, {przeglad_->Pominiete()}));
    }
    stan_->setText(stan);
    stan_->setToolTip(stan);
    QPalette p = stan_->palette();
    p.setColor(QPalette::WindowText, przeglad_->Dostepny() ? palette().color(QPalette::WindowText) : KolorOdmowy);
    stan_->setPalette(p);
    postep_->setVisible(przeglad_->Trwa());
    przerwij_->setVisible(przeglad_->Trwa());
    if (przeglad_->Trwa()) {
        postep_->setRange(0, przeglad_->DoOceny());
        postep_->setValue(przeglad_->Ocenione());
    }
    zapisz_->setEnabled(pokazane > 0);
    // Kolumny dopasowane raz do pierwszych wierszy katalogu (potem szerokości użytkownika).
    if (!szerokosci_ && wszystkie > 0) {
        szerokosci_ = true;
        tabela_->resizeColumnsToContents();
        const int najwiecej = NajszerszaKolumna * fontMetrics().averageCharWidth();
        for (int k = 0; k < LiczbaKolumnRejestru; ++k)
            tabela_->setColumnWidth(k, std::min(tabela_->columnWidth(k), najwiecej));
    }
}

void TOknoRejestru::ZapiszZestawienie()
{
    const QString csv = Tekst(FiltrCsv), rtf = Tekst(FiltrRtf);
    QString wybrany = csv;
    const QString poczatek = QString::fromStdString(KatalogRaportow()) + '/' +
                             QString::fromLatin1(NazwaZestawienia) + QStringLiteral(".csv");
    QString plik = WybierzPlik(Tekst(TytulZestawienia), poczatek, csv + QStringLiteral(";;") + rtf, &wybrany);
    if (plik.isEmpty()) return;
    // Format według wybranego filtra okna: nazwa bez jego rozszerzenia je dostaje.
    const QString rozszerzenie = wybrany == rtf ? QStringLiteral(".rtf") : QStringLiteral(".csv");
    if (!plik.endsWith(rozszerzenie, Qt::CaseInsensitive)) plik += rozszerzenie;
    std::string blad;
    if (!::ZapiszZestawienie(plik.toStdString(), model_->Pokazane(),
                             QDir::toNativeSeparators(przeglad_->Katalog()).toStdString(), Dzis(),
                             model_->Filtr(), blad))
        QMessageBox(QMessageBox::Warning, Tekst(TytulBledu), Tekst(blad), QMessageBox::Ok, this).exec();
}
