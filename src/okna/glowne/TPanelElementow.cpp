#include "okna/glowne/TPanelElementow.h"

#include <QAction>
#include <QClipboard>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QPainter>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QTableView>
#include <QVBoxLayout>
#include <algorithm>

#include "common/Wyliczenia.h"
#include "core/Nazwy.h"
#include "przebieg/KopiaElementow.h"
#include "przebieg/TabelaElementow.h"
#include "okna/wspolne/KolorOdmowy.h"
#include "okna/glowne/TKomorkaElementow.h"
#include "okna/glowne/TModelElementow.h"
#include "okna/wspolne/SkrotyOkna.h"
#include "okna/rysunki/TWidokPodluzny.h"
#include "okna/wspolne/Tekst.h"

namespace {
const char* const TytulPanelu = "Elementy";
const char* const PodpisKopiuj = "Kopiuj";
const char* const DymekKopiuj =
    "Kopiuj zaznaczone wiersze (bez zaznaczenia całą tabelę)\ndo schowka jako tekst dla arkusza kalkulacyjnego";
const char* const DymekTabeli = "Wyniki wszystkich elementów ostatniego poprawnego przeliczenia";
// Wzorce najszerszych tekstów kolumn: szerokości ustawiane raz, nie przy każdym przeliczeniu.
// Rodzaj mieści najdłuższą nazwę rodzaju (UstawSzerokosciKolumn). Siły poprzeczne
// krótkich wsporników mają cztery cyfry przed przecinkiem, TP przy małym GAMMA pięć.
const char* const WzorceKolumn[LiczbaKolumnElementow] = {
    "▼ 99", "Prawy skrajny wspornik", "", "150,00", "999,99", "999,99", "9999,9999", "9999,9999", "9999,9999",
    "99999,9999", "42,00", "moment",
};
constexpr int OdstepKolumny = 8;
constexpr int WierszeTabeli = 7;
constexpr int NajmniejWierszy = 3;

// Węższy panel przewija treść w poziomie; w pionie panel nie schodzi poniżej treści w jej
// najmniejszym układzie (tabela z trzema wierszami, widok podłużny, "Kopiuj").
class TPrzewijanaTresc : public QScrollArea {
public:
    using QScrollArea::QScrollArea;
    QSize sizeHint() const override
    {
        const int ramka = 2 * frameWidth();
        return widget()->sizeHint() + QSize(ramka, ramka);
    }
    QSize minimumSizeHint() const override
    {
        return {QScrollArea::minimumSizeHint().width(),
                widget()->minimumSizeHint().height() + horizontalScrollBar()->sizeHint().height() + 2 * frameWidth()};
    }
};

// Ctrl+C w tabeli to "Wczytaj" jak w całym oknie, nie kopiowanie bieżącej komórki.
// Tabela chce pokazać WierszeTabeli wierszy, a w niższym panelu oddaje miejsce pierwsza,
// do NajmniejWierszy.
class TTabelaElementow : public QTableView {
public:
    using QTableView::QTableView;
    int Wysokosc(int wiersze) const
    {
        return horizontalHeader()->sizeHint().height() + wiersze * verticalHeader()->defaultSectionSize() +
               horizontalScrollBar()->sizeHint().height() + 2 * frameWidth();
    }
    // Szerokość: wszystkie kolumny bez przewijania.
    QSize sizeHint() const override
    {
        return {horizontalHeader()->length() + verticalScrollBar()->sizeHint().width() + 2 * frameWidth(),
                Wysokosc(WierszeTabeli)};
    }
    QSize minimumSizeHint() const override { return {QTableView::minimumSizeHint().width(), Wysokosc(NajmniejWierszy)}; }

protected:
    bool event(QEvent* zdarzenie) override { return OddajSkrotOknu(zdarzenie) || QTableView::event(zdarzenie); }
};
}  // namespace

// Wiersz stanu rysowany wprost: nowy tekst etykiety (QLabel) to nowy układ całego panelu
// przy każdym przeliczeniu, a ten wiersz ma stałą wysokość dwóch linii (długi powód
// odrzucenia łamie się w słowach) i tylko się odmalowuje.
class TWierszStanu : public QWidget {
public:
    explicit TWierszStanu(QWidget* rodzic) : QWidget(rodzic)
    {
        setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Fixed);
        QFont f = font();
        f.setBold(true);
        setFixedHeight(QFontMetrics(f).lineSpacing() * 2 + 4);
    }
    void Ustaw(const QString& tekst, bool blad)
    {
        if (tekst == tekst_ && blad == blad_) return;
        tekst_ = tekst;
        blad_ = blad;
        setToolTip(tekst);
        update();
    }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter p(this);
        QFont f = font();
        f.setBold(blad_);
        p.setFont(f);
        p.setPen(blad_ ? KolorOdmowy : palette().color(QPalette::WindowText));
        // Tekst dłuższy niż dwie linie przycina dolny brzeg; pełny jest w dymku.
        p.drawText(rect(), Qt::AlignLeft | Qt::AlignVCenter | Qt::TextWordWrap, tekst_);
    }

private:
    QString tekst_;
    bool blad_ = false;
};

TPanelElementow::TPanelElementow(const tTabelaElementow& tabela, QWidget* rodzic)
    : QDockWidget(Tekst(TytulPanelu), rodzic), dane_(tabela)
{
    setObjectName(QStringLiteral("PanelElementow"));
    setAllowedAreas(Qt::BottomDockWidgetArea);
    setFeatures(QDockWidget::DockWidgetClosable | QDockWidget::DockWidgetFloatable);
    auto* tresc = new QWidget(this);
    auto* uklad = new QVBoxLayout(tresc);

    stan_ = new TWierszStanu(tresc);
    stan_->setObjectName(QStringLiteral("StanElementow"));
    uklad->addWidget(stan_);

    model_ = new TModelElementow(dane_, this);
    tabela_ = new TTabelaElementow(tresc);
    tabela_->setObjectName(QStringLiteral("TabelaElementow"));
    tabela_->setToolTip(Tekst(DymekTabeli));
    tabela_->setModel(model_);
    tabela_->setItemDelegate(new TKomorkaElementow(tabela_));
    tabela_->setSelectionBehavior(QAbstractItemView::SelectRows);
    tabela_->setSelectionMode(QAbstractItemView::ExtendedSelection);
    tabela_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    tabela_->setWordWrap(false);
    // Pasek przewijania "w razie potrzeby" pojawiał się i znikał przy każdym przeliczeniu,
    // za każdym razem z nowym układem tabeli.
    tabela_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    tabela_->verticalHeader()->hide();
    tabela_->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    tabela_->verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 4);
    tabela_->horizontalHeader()->setHighlightSections(false);
    UstawSzerokosciKolumn();
    auto* kopiujMenu = new QAction(Tekst(PodpisKopiuj), tabela_);
    kopiujMenu->setObjectName(QStringLiteral("acKopiujElementy"));
    connect(kopiujMenu, &QAction::triggered, this, &TPanelElementow::Kopiuj);
    tabela_->addAction(kopiujMenu);
    tabela_->setContextMenuPolicy(Qt::ActionsContextMenu);
    uklad->addWidget(tabela_);

    podluzny_ = new TWidokPodluzny(dane_, tresc);
    podluzny_->setObjectName(QStringLiteral("WidokPodluzny"));
    uklad->addWidget(podluzny_);

    auto* dol = new QHBoxLayout;
    dol->addStretch(1);
    kopiuj_ = new QPushButton(Tekst(PodpisKopiuj), tresc);
    kopiuj_->setObjectName(QStringLiteral("btKopiujElementy"));
    kopiuj_->setToolTip(Tekst(DymekKopiuj));
    kopiuj_->setFocusPolicy(Qt::NoFocus);
    connect(kopiuj_, &QPushButton::clicked, this, &TPanelElementow::Kopiuj);
    dol->addWidget(kopiuj_);
    uklad->addLayout(dol);
    auto* przewijana = new TPrzewijanaTresc(this);
    przewijana->setFrameShape(QFrame::NoFrame);
    przewijana->setWidgetResizable(true);
    przewijana->setWidget(tresc);
    setWidget(przewijana);
}

void TPanelElementow::UstawSzerokosciKolumn()
{
    const QFontMetrics fm(tabela_->font());
    for (int k = 0; k < LiczbaKolumnElementow; ++k)
        tabela_->setColumnWidth(k, std::max(fm.horizontalAdvance(Tekst(NaglowekKolumny(k))),
                                            fm.horizontalAdvance(Tekst(WzorceKolumn[k]))) +
                                       OdstepKolumny);
    // Rodzaj mieści najdłuższą nazwę; szerszej tabeli resztę bierze ostatnia kolumna.
    int rodzaj = 0;
    for (int r = 0; r < LiczbaRodzajow; ++r) rodzaj = std::max(rodzaj, fm.horizontalAdvance(Tekst(NazwaRodzaju(r))));
    tabela_->setColumnWidth(kRodzaj, rodzaj + OdstepKolumny);
    tabela_->horizontalHeader()->setStretchLastSection(true);
}

void TPanelElementow::Odswiez()
{
    if (!isVisible()) {
        nieaktualny_ = true;
        return;
    }
    nieaktualny_ = false;
    stan_->Ustaw(Tekst(WierszStanu(dane_)), !dane_.Odmowa.empty());
    model_->Odswiez();
    kopiuj_->setEnabled(!dane_.Wiersze.empty());
    podluzny_->Odswiez();
}

void TPanelElementow::showEvent(QShowEvent* zdarzenie)
{
    QDockWidget::showEvent(zdarzenie);
    if (nieaktualny_) Odswiez();
}


void TPanelElementow::Kopiuj()
{
    std::vector<int> wiersze;
    for (const QModelIndex& i : tabela_->selectionModel()->selectedRows()) wiersze.push_back(i.row());
    std::sort(wiersze.begin(), wiersze.end());
    QGuiApplication::clipboard()->setText(Tekst(TekstDoArkusza(dane_, wiersze)));
}
