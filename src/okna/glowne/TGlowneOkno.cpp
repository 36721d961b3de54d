#include "okna/glowne/TGlowneOkno.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QFrame>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QScrollArea>
#include <QScrollBar>
#include <QStatusBar>
#include <QStyle>
#include <QTextEdit>
#include <QToolBar>
#include <QToolButton>
#include <QToolTip>
#include <QVBoxLayout>
#include <algorithm>

#include "reports/VanRTF.h"
#include "okna/wspolne/OtworzPlikSystemu.h"
#include "okna/glowne/TPoleLiczbowe.h"
#include "okna/pomocnicze/TOknoPomocy.h"
#include "okna/glowne/TPanelElementow.h"
#include "okna/rysunki/TSzkic.h"
#include "okna/pomocnicze/TAboutBox.h"
#include "okna/pomocnicze/TObrazekPrzekroju.h"
#include "okna/pomocnicze/TOknoHelp.h"
#include "okna/pomocnicze/TZapiszJNI.h"
#include "okna/wspolne/TUstawieniaOkna.h"

namespace {
const char* const DymekPaneli = "Wszystkie wymiary podawaj w metrach";
const char* const PodpisPrzeslo = "Przęsło";
const char* const DymekPodpisuPrzeslo = "Rodzaj przekroju poprzecznego przęsła";
const char* const DymekPrzeslo = "Wybierz rodzaj przęsła z rozwijalnej listy";
const char* const OpisPrzeslo = "Rodzaj przekroju poprzecznego przęsła";
const char* const DymekPrzycisku = "Wyświetlenie okna ze schematem przekroju poprzecznego";
const char* const StronaLewa = "Strona lewa";
const char* const StronaPrawa = "Strona prawa";
const char* const PodpisSchemat = "Schemat";
const char* const DymekPodpisuSchemat = "Schemat statyczny obiektu mostowego";
const char* const DymekSchemat = "Wybierz schemat statyczny obiektu\r\nz rozwijalnej listy.";
const char* const DymekIlePrzesel = "Wprowadź tutaj liczbę przęseł obiektu";
const char* const DymekEdytora = "Okno rozpiętości przęseł i wsporników";
const char* const PodpisNormatyw = "Normatyw";
const char* const DymekNormatyw =
    "Normatyw na jaki zaprojektowano kontrukcję obiektu.\r\nJeśli obiekt był modernizowany, podaj normatyw "
    "ostatnio\r\ndokonanej modernizacji";
const char* const PodpisKlasa = "Klasa obciążeń";
const char* const DymekKlasa =
    "Klasa na jaką zaprojektowano kontrukcję obiektu.\r\nJeśli obiekt był modernizowany, podaj klasę "
    "ostatnio\r\ndokonanej modernizacji";
const char* const DymekWynikow = "OKNO WYNIKOWE";
const char* const DymekKomunikatow = "Tutaj wyświetlane są uwagi na temat\r\npoprawności danych";
const char* const PodpisyWynikow[5] = {"M1N", "TN", "MP", "TP", "KATEGORIA"};
const char* const NazwyWynikow[5] = {"edM1N", "edTN", "edMP", "edTP", "edKategoria"};
const char* const DymkiWynikow[5] = {
    "Jednostkowy moment zginający w skrajnym\r\ndźwigarze (paśmie płytowym) przy obciążeniu normowym",
    "Jednostkowy siła poprzeczna w skrajnym\r\ndźwigarze (paśmie płytowym) przy obciążeniu normowym",
    "Jednostkowy moment zginający w skrajnym\r\ndźwigarze (paśmie płytowym) przy obciążeniu normowym\r\n"
    "podzielony przez współczynnik przeciążenia",
    "Jednostkowy siła poprzeczna w skrajnym\r\ndźwigarze (paśmie płytowym) przy obciążeniu normowym\r\n"
    "podzielony przez współczynnik przeciążenia",
    "Tutaj wyświetlana jest nośność użytkowa obiektu w tonach,\r\njeśli udało się ją wyznaczyć",
};
// Symbole parametrów wierszy pól szerokości, w kolejności tWierszPol.
const char* const DymkiWierszy[LiczbaWierszyPol] = {
    "c1, c2", "g1, g2", "k1, k2", "a1, a2", "b", "e1, e2\r\ne = z - d",
    "B - rozstaw osiowy skrajnych dźwigarów", "P", "n", "",
};
// Nazwy pól w kolejności tPole (bez pól długości).
const char* const NazwyPol[PierwszePoleDlugosci] = {
    "RxSE_A1", "RxSE_A2", "RxSE_B",  "RxSE_BB", "RxSE_C1", "RxSE_C2", "RxSE_E1",    "RxSE_E2",
    "RxSE_K1", "RxSE_K2", "RxSE_P",  "RxSE_G1", "RxSE_G2", "RxSE_N",  "IlePrzesel",
};
const char* const NazwyList[4] = {"CBPrzeslo", "CBSchemat", "CBNormatyw", "CBKlasa"};

const char* const DymekElementow = "Wyniki wszystkich elementów i widok podłużny";

constexpr int CzasDymka = 10000;
constexpr int SzerokoscPola = 90;
const char* const WzorPola = "999,99";
const char* const WzorWyniku = "9999,9999";
constexpr int WierszeEdytoraNaEkranie = 11;

// Przy czcionce większej niż domyślna pole rośnie ponad swój rozmiar: na tekst wzoru i zapas
// (strzałki pola liczbowego, ramka) liczony w wysokościach wiersza tekstu.
int Szerokosc(const QWidget* w, const char* wzor, int najmniej, int wierszeZapasu)
{
    const QFontMetrics fm = w->fontMetrics();
    return std::max(najmniej, fm.horizontalAdvance(QString::fromLatin1(wzor)) + wierszeZapasu * fm.height());
}

QLabel* Podpis(const char* tekst, const char* dymek, QWidget* rodzic)
{
    auto* l = new QLabel(Tekst(tekst), rodzic);
    if (dymek && *dymek) l->setToolTip(Tekst(dymek));
    return l;
}

QFrame* Panel(const char* nazwa, const char* dymek)
{
    auto* panel = new QFrame;
    panel->setObjectName(QString::fromLatin1(nazwa));
    panel->setFrameShape(QFrame::StyledPanel);
    panel->setToolTip(Tekst(dymek));
    return panel;
}

// Obszar przewijania, który chce pokazać całą treść, a sam nie wymaga więcej niż paski.
class TPrzewijanePanele : public QScrollArea {
public:
    QSize sizeHint() const override { return widget()->minimumSize() + QSize(2, 2) * frameWidth(); }
};

// Ukryte pole zostawia swoje miejsce: pozostałe pola nie przeskakują przy zmianie przekroju.
void ZachowajMiejsce(QWidget* w)
{
    QSizePolicy sp = w->sizePolicy();
    sp.setRetainSizeWhenHidden(true);
    w->setSizePolicy(sp);
}
}  // namespace

TGlowneOkno::TGlowneOkno(QWidget* rodzic) : QMainWindow(rodzic)
{
    k_.Okno = this;
    OtworzRaport = [this](const QString& plik, std::function<void()> nieWyswietlono) {
        OtworzProgramemSystemu(this, plik, std::move(nieWyswietlono));
    };
    QPalette dymki = QToolTip::palette();
    dymki.setColor(QPalette::ToolTipBase, Qt::yellow);
    dymki.setColor(QPalette::ToolTipText, Qt::black);
    QToolTip::setPalette(dymki);

    BudujAkcje();
    // Panele danych przewijane razem, gdy okno jest mniejsze od nich (mały albo skalowany
    // ekran, panel "Elementy"); panel wyników pod nimi zawsze widoczny.
    auto* srodek = new QWidget(this);
    auto* uklad = new QVBoxLayout(srodek);
    auto* dane = new QWidget(srodek);
    auto* panele = new QHBoxLayout(dane);
    panele->setContentsMargins({});
    QWidget* przekroj = BudujPanelPrzekroju();
    QWidget* schemat = BudujPanelSchematu();
    QWidget* wyniki = BudujPanelWynikow();
    panele->addWidget(przekroj, 0, Qt::AlignTop);
    panele->addWidget(schemat, 1);
    auto* przewijane = new TPrzewijanePanele;
    przewijane->setObjectName(QStringLiteral("PaneleDanych"));
    przewijane->setFrameShape(QFrame::NoFrame);
    przewijane->setWidgetResizable(true);
    uklad->addWidget(przewijane);
    uklad->addWidget(wyniki);
    setCentralWidget(srodek);
    UstawDymki();

    // Otwarte okno przekroju rysuje w skali obiekt wypełniony przy każdym przeliczeniu.
    k_.OdswiezSzkic = [this] {
        szkic_->update();
        if (oknoPrzekroju_) oknoPrzekroju_->Odswiez();
    };
    k_.OdswiezElementy = [this] {
        if (elementy_) elementy_->Odswiez();
    };
    widok_ = std::make_unique<TWidokQt>(k_);
    przebieg_ = std::make_unique<tGlownyPrzebieg>(*widok_);
    Polacz();
    UstawKomunikatyRtf([this](const std::string& tytul, const std::string& tekst) {
        widok_->PokazKomunikat(tytul, tekst, tIkona::Ostrzezenie);
    });
    // Okna pomocnicze po oknie głównym, w stałej kolejności.
    oknoTekstu_ = std::make_unique<TOknoHelp>();
    oknoAbout_ = new TAboutBox(this);
    oknoPrzekroju_ = new TObrazekPrzekroju(this);
    oknoPrzekroju_->UstawObiekt(&przebieg_->Obiekt());
    oknoJNI_ = new TZapiszJNI(this);
    oknoPomocy_ = new TOknoPomocy(this);
    // Rozmiary z listami już wypełnionymi (lista zapamiętuje rozmiar z pierwszego pytania).
    // Większe okno: panel przekroju zostaje jak jest, szerokość dostaje prawa kolumna
    // (obszar komunikatów, edytor przęseł), a wysokość edytor przęseł i obszar komunikatów
    // w proporcji do swoich wierszy (rozmiary wierszy są proporcjonalne do współczynników).
    przekroj->setMinimumHeight(schemat->sizeHint().height());
    uklad->setStretch(0, schemat->sizeHint().height());
    uklad->setStretch(1, wyniki->minimumSizeHint().height());
    // Panele danych nie ściskają się poniżej rozmiaru przy wszystkich polach widocznych:
    // mniejsze okno je przewija.
    // Obszar pyta o rozmiar treści od razu: dopiero tu, z wypełnionymi listami.
    dane->setMinimumSize(dane->sizeHint());
    przewijane->setWidget(dane);
    resize(sizeHint());
    rozmiar_ = size();
    BudujPanelElementow();
    PrzygotujPulpit();
}

TGlowneOkno::~TGlowneOkno()
{
    UstawKomunikatyRtf(nullptr);
    // Panel niszczony razem z oknem nie zmienia już jego rozmiaru.
    elementy_->disconnect(this);
}

QAction* TGlowneOkno::Akcja(const char* nazwa, const char* podpis, const char* dymek, int ikona, const char* skrot)
{
    auto* a = new QAction(style()->standardIcon(static_cast<QStyle::StandardPixmap>(ikona)), Tekst(podpis), this);
    a->setObjectName(QString::fromLatin1(nazwa));
    if (dymek) a->setToolTip(Tekst(dymek));
    if (skrot) a->setShortcut(QKeySequence(QString::fromLatin1(skrot)));
    return a;
}

void TGlowneOkno::BudujAkcje()
{
    QAction* acInfo = Akcja("acInfo", "Informacje", "Informacje o obiekcie", QStyle::SP_FileDialogInfoView, "Ctrl+I");
    QAction* acWczytaj = Akcja("acWczytaj", "Wczytaj", "Wczytanie danych", QStyle::SP_DialogOpenButton, "Ctrl+C");
    QAction* acRaport = Akcja("acRaport", "Raport", "Wyświetlenie raportu", QStyle::SP_FileDialogDetailedView, "Ctrl+R");
    QAction* acZapisz = Akcja("acZapisz", "Zapisz", "Zapisanie danych", QStyle::SP_DialogSaveButton, "Ctrl+Z");
    QAction* acNormy =
        Akcja("acNormy", "Różne normy", "Przeliczenia dla różnych norm", QStyle::SP_FileDialogListView, "Ctrl+N");
    QAction* acSlad =
        Akcja("acSlad", "Ślad obliczeń", "Szczegółowy ślad obliczeń", QStyle::SP_FileDialogContentsView, nullptr);
    QAction* acNaTemat = Akcja("acNaTemat", "Pomoc na temat", "Pomoc do programu", QStyle::SP_DialogHelpButton, nullptr);
    QAction* acAbout = Akcja("acAbout", "O programie", "O programie", QStyle::SP_MessageBoxInformation, nullptr);
    QAction* acKoniec = Akcja("acKoniec", "Koniec", nullptr, QStyle::SP_DialogCloseButton, "Ctrl+K");
    QAction* acRejestr = Akcja("acRejestr", "Rejestr obiektów…", "Wszystkie obiekty katalogu JNI z nośnością",
                               QStyle::SP_FileDialogDetailedView, "Ctrl+O");

    connect(acInfo, &QAction::triggered, this, &TGlowneOkno::Informacje);
    connect(acWczytaj, &QAction::triggered, this, &TGlowneOkno::Wczytaj);
    connect(acRaport, &QAction::triggered, this, &TGlowneOkno::Raport);
    connect(acZapisz, &QAction::triggered, this, &TGlowneOkno::Zapisz);
    connect(acNormy, &QAction::triggered, this, &TGlowneOkno::RozneNormy);
    connect(acSlad, &QAction::triggered, this, &TGlowneOkno::SladObliczen);
    connect(acNaTemat, &QAction::triggered, this, &TGlowneOkno::PomocNaTemat);
    connect(acAbout, &QAction::triggered, this, &TGlowneOkno::OProgramie);
    connect(acKoniec, &QAction::triggered, this, &QWidget::close);
    connect(acRejestr, &QAction::triggered, this, &TGlowneOkno::Rejestr);
    auto* acPomocKontekstowa = new QAction(this);
    acPomocKontekstowa->setShortcut(QKeySequence::HelpContents);
    acPomocKontekstowa->setShortcutContext(Qt::WindowShortcut);
    connect(acPomocKontekstowa, &QAction::triggered, this, &TGlowneOkno::PomocKontekstowa);
    addAction(acPomocKontekstowa);

    QToolBar* pasek = addToolBar(QStringLiteral("Pasek"));
    pasek->setObjectName(QStringLiteral("PasekNarzedzi"));
    pasek->setMovable(false);
    pasek->setFloatable(false);
    pasek->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    pasek->setContextMenuPolicy(Qt::PreventContextMenu);
    pasek->addActions({acInfo, acWczytaj, acRaport, acZapisz});
    pasek->addSeparator();
    pasek->addActions({acNormy, acSlad});
    pasek->addSeparator();
    pasek->addActions({acNaTemat, acAbout});

    QMenu* dane = menuBar()->addMenu(Tekst("&Dane"));
    dane->addActions({acInfo, acRaport, acZapisz, acWczytaj});
    menuOstatnie_ = dane->addMenu(Tekst("Ostatnio otwierane"));
    connect(dane, &QMenu::aboutToShow, this, &TGlowneOkno::OdswiezOstatnie);
    dane->addAction(acRejestr);
    dane->addSeparator();
    dane->addAction(acKoniec);
    protokoly_ = menuBar()->addMenu(Tekst("P&rotokoły"));
    protokoly_->addActions({acNormy, acSlad});
    menuBar()->addMenu(Tekst("&Pomoc"))->addActions({acNaTemat, acAbout});
}

// Panel "Elementy" pod oknem, domyślnie ukryty; jego widoczność pamięta magazyn
// ustawień systemu (nie PT.INI ani plik roboczy). Pokazany dokłada oknu wysokości.
void TGlowneOkno::BudujPanelElementow()
{
    elementy_ = new TPanelElementow(przebieg_->Tabela(), this);
    for (QWidget* w : elementy_->findChildren<QWidget*>()) w->setToolTipDuration(CzasDymka);
    elementy_->hide();
    addDockWidget(Qt::BottomDockWidgetArea, elementy_);
    QAction* acElementy = elementy_->toggleViewAction();
    acElementy->setObjectName(QStringLiteral("acElementy"));
    acElementy->setToolTip(Tekst(DymekElementow));
    acElementy->setShortcut(QKeySequence(QStringLiteral("Ctrl+E")));
    addAction(acElementy);
    protokoly_->addSeparator();
    protokoly_->addAction(acElementy);
    // Zapis tylko przy widocznym oknie: niszczone okno chowa panel, a to nie jest wybór użytkownika.
    connect(acElementy, &QAction::toggled, this, [this](bool widoczny) {
        if (isVisible()) TUstawieniaOkna().UstawPanelElementow(widoczny);
    });
    // Akcja zmienia stan przed pokazaniem panelu: rozmiar dopiero przy zmianie widoczności.
    connect(elementy_, &QDockWidget::visibilityChanged, this, &TGlowneOkno::DopasujRozmiar);
    connect(elementy_, &QDockWidget::topLevelChanged, this, &TGlowneOkno::DopasujRozmiar);
    // Wysokość, którą panel ma zadokowany (także ustawiona przez użytkownika), wraca z nim.
    elementy_->installEventFilter(this);
    if (TUstawieniaOkna().PanelElementow(false)) elementy_->show();
}

// Zadokowany panel dokłada oknu wysokość, którą miał ostatnio (za pierwszym razem tyle, ile
// potrzebuje) i poszerza okno do całej tabeli, ale tylko tyle, ile zmieści ekran; gdy się
// nie mieści, panele danych się przewijają. Schowany albo odłączony oddaje oknu rozmiar sprzed
// pokazania, jeśli użytkownik nie zmienił go w międzyczasie, a inaczej wysokość panelu
// (szerokość ustawiona przez użytkownika zostaje).
void TGlowneOkno::DopasujRozmiar()
{
    const bool zPanelem = elementy_->isVisibleTo(this) && !elementy_->isFloating();
    if (zPanelem == zPanelem_) return;
    zPanelem_ = zPanelem;
    if (isMaximized() || isFullScreen()) return;
    const int separator = style()->pixelMetric(QStyle::PM_DockWidgetSeparatorExtent, nullptr, this);
    if (!zPanelem) {
        // Panele danych wracają przynajmniej do wysokości sprzed pokazania panelu.
        const QSize cel = size() == zPanelemRozmiar_
                              ? rozmiar_
                              : QSize(width(), std::max(rozmiar_.height(), height() - wysokoscPanelu_ - separator));
        // Najmniejszy rozmiar okna jeszcze liczy schowany panel: zmiana dopiero po nowym układzie.
        QMetaObject::invokeMethod(this, [this, cel] { resize(cel); }, Qt::QueuedConnection);
        return;
    }
    if (uruchomione_) rozmiar_ = size();
    const int najmniej = elementy_->minimumSizeHint().height();
    const bool pierwszy = wysokoscPanelu_ == 0;
    const int chce = pierwszy ? elementy_->sizeHint().height() : wysokoscPanelu_;
    resize(std::max(width(), elementy_->sizeHint().width()), height() + std::max(chce, najmniej) + separator);
    NaEkranie(*this);
    // Pierwszy raz na niskim ekranie panel dostaje tyle, ile zostaje pod panelami danych, ale
    // nie mniej niż w swoim najmniejszym układzie; potem wysokość, którą miał.
    const int panel = pierwszy ? std::max(najmniej, std::min(chce, height() - rozmiar_.height() - separator))
                               : std::max(najmniej, chce);
    resizeDocks({elementy_}, {panel}, Qt::Vertical);
    zPanelemRozmiar_ = size();
}

QWidget* TGlowneOkno::BudujPanelPrzekroju()
{
    QFrame* panel = Panel("PanelPrzekroju", DymekPaneli);
    auto* uklad = new QVBoxLayout(panel);

    auto* gora = new QHBoxLayout;
    gora->addWidget(Podpis(PodpisPrzeslo, DymekPodpisuPrzeslo, panel));
    auto* cb = new QComboBox(panel);
    cb->setToolTip(Tekst(DymekPrzeslo));
    k_.Listy[static_cast<int>(tLista::CBPrzeslo)] = cb;
    gora->addWidget(cb, 1);
    auto* przycisk = new QToolButton(panel);
    przycisk->setObjectName(QStringLiteral("btPrzekroj"));
    przycisk->setText(QStringLiteral("..."));
    przycisk->setToolTip(Tekst(DymekPrzycisku));
    connect(przycisk, &QToolButton::clicked, this, &TGlowneOkno::PokazPrzekroj);
    gora->addWidget(przycisk);
    uklad->addLayout(gora);
    uklad->addSpacing(6);

    auto* siatka = new QGridLayout;
    siatka->setHorizontalSpacing(10);
    auto* lewa = Podpis(StronaLewa, nullptr, panel);
    auto* prawa = Podpis(StronaPrawa, nullptr, panel);
    lewa->setAlignment(Qt::AlignCenter);
    prawa->setAlignment(Qt::AlignCenter);
    siatka->addWidget(lewa, 0, 1);
    siatka->addWidget(prawa, 0, 2);
    for (int w = wChodnik; w <= wLiczbaDzwigarow; ++w) {
        const tOpisWiersza& opis = OpisWiersza(static_cast<tWierszPol>(w));
        QLabel* podpis = Podpis(opis.Podpis, DymkiWierszy[w], panel);
        ZachowajMiejsce(podpis);
        k_.PodpisyWierszy[w] = podpis;
        siatka->addWidget(podpis, w + 1, 0);
        for (int kolumna = 1; kolumna <= 2; ++kolumna) {
            const int p = kolumna == 1 ? opis.Lewe : opis.Prawe;
            if (p < 0) continue;
            auto* pole = new TPoleLiczbowe(static_cast<tPole>(p), panel);
            pole->setFixedWidth(Szerokosc(panel, WzorPola, SzerokoscPola, 2));
            ZachowajMiejsce(pole);
            k_.Pola[p] = pole;
            siatka->addWidget(pole, w + 1, kolumna);
        }
    }
    uklad->addLayout(siatka);
    uklad->addStretch(1);

    status_ = new QStatusBar(panel);
    status_->setObjectName(QStringLiteral("LiniaStatusu"));
    status_->setSizeGripEnabled(false);
    uklad->addWidget(status_);
    return panel;
}

QWidget* TGlowneOkno::BudujPanelSchematu()
{
    QFrame* panel = Panel("PanelSchematu", DymekPaneli);
    panelSchematu_ = panel;
    auto* uklad = new QVBoxLayout(panel);

    auto* gora = new QGridLayout;
    gora->addWidget(Podpis(PodpisSchemat, DymekPodpisuSchemat, panel), 0, 0);
    auto* schemat = new QComboBox(panel);
    schemat->setToolTip(Tekst(DymekSchemat));
    k_.Listy[static_cast<int>(tLista::CBSchemat)] = schemat;
    gora->addWidget(schemat, 0, 1, 1, 2);
    QLabel* podpisIle = Podpis(OpisWiersza(wLiczbaPrzesel).Podpis, nullptr, panel);
    ZachowajMiejsce(podpisIle);
    k_.PodpisyWierszy[wLiczbaPrzesel] = podpisIle;
    gora->addWidget(podpisIle, 1, 0);
    auto* ile = new TPoleLiczbowe(IlePrzesel, panel);
    ile->setToolTip(Tekst(DymekIlePrzesel));
    ile->setFixedWidth(Szerokosc(panel, WzorPola, SzerokoscPola, 2));
    ZachowajMiejsce(ile);
    k_.Pola[IlePrzesel] = ile;
    gora->addWidget(ile, 1, 1);
    gora->setColumnStretch(2, 1);
    uklad->addLayout(gora);

    uklad->addWidget(BudujEdytorPrzesel());
    szkic_ = new TSzkic(panel);
    szkic_->setObjectName(QStringLiteral("Szkic"));
    uklad->addWidget(szkic_, 0, Qt::AlignHCenter);

    auto* dol = new QGridLayout;
    dol->addWidget(Podpis(PodpisNormatyw, nullptr, panel), 0, 0);
    auto* normatyw = new QComboBox(panel);
    normatyw->setToolTip(Tekst(DymekNormatyw));
    k_.Listy[static_cast<int>(tLista::CBNormatyw)] = normatyw;
    dol->addWidget(normatyw, 0, 1);
    dol->addWidget(Podpis(PodpisKlasa, nullptr, panel), 1, 0);
    auto* klasa = new QComboBox(panel);
    klasa->setToolTip(Tekst(DymekKlasa));
    k_.Listy[static_cast<int>(tLista::CBKlasa)] = klasa;
    dol->addWidget(klasa, 1, 1);
    dol->setColumnStretch(1, 1);
    uklad->addLayout(dol);
    return panel;
}

QWidget* TGlowneOkno::BudujEdytorPrzesel()
{
    auto* obszar = new QScrollArea;
    obszar->setObjectName(QStringLiteral("EdytorPrzesel"));
    obszar->setToolTip(Tekst(DymekEdytora));
    obszar->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    obszar->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    // Sam obszar nie jest przystankiem Tab: fokus idzie od razu do pól długości, a obszar
    // przewija się do pola z fokusem.
    obszar->setFocusPolicy(Qt::NoFocus);
    auto* edytor = new QWidget;
    const QFontMetrics fm(edytor->font());
    int szerokoscPodpisu = 0;
    for (const char* wzor : {"Długość prawego skrajnego wspornika", "Rozpiętość prawego przęsła",
                             "Rozpiętość przęsła nr 45", "Długość wspornika nr 44"})
        szerokoscPodpisu = std::max(szerokoscPodpisu, fm.horizontalAdvance(Tekst(wzor)));
    // Wiersze co 20 pikseli, przy większej czcionce wyższe; pole 80 × 19, podpis 20 pikseli za nim.
    const int wysokoscPola = std::max(19, fm.height() + 4), szerokoscPola = Szerokosc(edytor, WzorPola, 80, 2);
    const int xPodpisu = szerokoscPola + 20;
    k_.WierszEdytora = wysokoscPola + 1;
    for (int i = 1; i <= MaksWierszy; ++i) {
        const int gora = (i - 1) * k_.WierszEdytora;
        auto* pole = new TPoleLiczbowe(PoleDlugosci(i), edytor);
        pole->setObjectName(QStringLiteral("RxSE_L%1").arg(i));
        pole->setGeometry(5, gora + 5, szerokoscPola, wysokoscPola);
        k_.Pola[PoleDlugosci(i)] = pole;
        auto* podpis = new QLabel(QString::number(i), edytor);
        podpis->setObjectName(QStringLiteral("Podpis%1").arg(i));
        podpis->setGeometry(xPodpisu, gora + 6 + (wysokoscPola - fm.height()) / 2, szerokoscPodpisu + 4, fm.height());
        k_.PodpisyPrzesel[i - 1] = podpis;
    }
    edytor->setFixedSize(xPodpisu + szerokoscPodpisu + 10, MaksWierszy * k_.WierszEdytora + 10);
    obszar->setWidget(edytor);
    // Najmniej 11 wierszy; w większym oknie widać ich więcej (obszar nie zgłasza większej
    // potrzeby niż to minimum, więc rośnie tylko z oknem).
    const int ramka = 2 * obszar->frameWidth();
    obszar->setMinimumSize(edytor->width() + obszar->verticalScrollBar()->sizeHint().width() + ramka,
                           WierszeEdytoraNaEkranie * k_.WierszEdytora + 10 + ramka);
    obszar->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Ignored);
    return obszar;
}

QWidget* TGlowneOkno::BudujPanelWynikow()
{
    QFrame* panel = Panel("PanelWynikow", DymekWynikow);
    auto* uklad = new QGridLayout(panel);
    for (int i = 0; i < 5; ++i) {
        auto* podpis = Podpis(PodpisyWynikow[i], nullptr, panel);
        podpis->setAlignment(Qt::AlignCenter);
        uklad->addWidget(podpis, 1, i);
        auto* pole = new QLineEdit(panel);
        pole->setObjectName(QString::fromLatin1(NazwyWynikow[i]));
        pole->setReadOnly(true);
        pole->setFocusPolicy(Qt::NoFocus);
        pole->setFixedWidth(Szerokosc(pole, WzorWyniku, i == 4 ? 110 : SzerokoscPola, 1));
        pole->setToolTip(Tekst(DymkiWynikow[i]));
        k_.Wyniki[i] = pole;
        uklad->addWidget(pole, 2, i);
    }
    auto* komunikaty = new QTextEdit(panel);
    komunikaty->setObjectName(QStringLiteral("Komunikaty"));
    komunikaty->setReadOnly(true);
    komunikaty->setFocusPolicy(Qt::NoFocus);
    komunikaty->setToolTip(Tekst(DymekKomunikatow));
    komunikaty->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    komunikaty->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    komunikaty->document()->setDefaultTextOption(QTextOption(Qt::AlignHCenter));
    komunikaty->setMinimumHeight(4 * komunikaty->fontMetrics().lineSpacing() + 12);
    komunikaty->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Ignored);
    ZachowajMiejsce(komunikaty);
    k_.Komunikaty = komunikaty;
    uklad->addWidget(komunikaty, 0, 5, 4, 1);
    uklad->setColumnStretch(5, 1);
    // Podpisy tuż nad polami, oba wiersze na środku wysokości obszaru komunikatów.
    uklad->setRowStretch(0, 1);
    uklad->setRowStretch(3, 1);
    return panel;
}

void TGlowneOkno::UstawDymki()
{
    for (int i = 0; i < 4; ++i) k_.Listy[i]->setObjectName(QString::fromLatin1(NazwyList[i]));
    for (int p = 0; p < PierwszePoleDlugosci; ++p) k_.Pola[p]->setObjectName(QString::fromLatin1(NazwyPol[p]));
    setToolTipDuration(CzasDymka);
    for (QWidget* w : findChildren<QWidget*>()) w->setToolTipDuration(CzasDymka);
}

// Zmiany wprowadzone przez przebieg (wczytanie, lista klas) nie wracają do niego jako
// zdarzenia: przebieg sam wykonuje potrzebne kroki, tak jak przy widoku w pamięci.
void TGlowneOkno::Polacz()
{
    auto lista = [this](tLista l, void (tGlownyPrzebieg::*zdarzenie)()) {
        connect(k_.Listy[static_cast<int>(l)], &QComboBox::currentIndexChanged, this, [this, zdarzenie] {
            if (!widok_->Ustawia()) ((*przebieg_).*zdarzenie)();
        });
    };
    lista(tLista::CBPrzeslo, &tGlownyPrzebieg::ZmianaPrzekroju);
    connect(k_.Listy[static_cast<int>(tLista::CBPrzeslo)], &QComboBox::currentIndexChanged, this, [this](int typ) {
        if (oknoPrzekroju_ && oknoPrzekroju_->isVisible()) oknoPrzekroju_->PokazPrzekroj(typ);
    });
    lista(tLista::CBSchemat, &tGlownyPrzebieg::ZmianaSchematu);
    lista(tLista::CBNormatyw, &tGlownyPrzebieg::ZmianaNormatywu);
    lista(tLista::CBKlasa, &tGlownyPrzebieg::ZmianaKlasy);
    for (int p = 0; p < LiczbaPol; ++p) {
        const tPole pole = static_cast<tPole>(p);
        void (tGlownyPrzebieg::*zdarzenie)() = &tGlownyPrzebieg::ZmianaSzerokosci;
        if (pole == IlePrzesel) zdarzenie = &tGlownyPrzebieg::ZmianaLiczbyPrzesel;
        if (JestPolemDlugosci(pole)) zdarzenie = &tGlownyPrzebieg::ZmianaDlugosci;
        connect(k_.Pola[p], &TPoleLiczbowe::Zmieniono, this, [this, zdarzenie] {
            if (!widok_->Ustawia()) ((*przebieg_).*zdarzenie)();
        });
    }
    k_.Listy[static_cast<int>(tLista::CBPrzeslo)]->installEventFilter(this);
    for (int p = 0; p < LiczbaPolSzerokosci; ++p) k_.Pola[p]->installEventFilter(this);
    szkic_->UstawObiekt(&przebieg_->Obiekt());
    szkic_->UstawTabele(&przebieg_->Tabela());
}

bool TGlowneOkno::eventFilter(QObject* obiekt, QEvent* zdarzenie)
{
    if (obiekt == elementy_) {
        if (zdarzenie->type() == QEvent::Resize && zPanelem_ && elementy_->isVisible() && !elementy_->isFloating())
            wysokoscPanelu_ = elementy_->height();
        return QMainWindow::eventFilter(obiekt, zdarzenie);
    }
    // Linia statusu opisuje pole, w którym jest fokus.
    if (zdarzenie->type() == QEvent::FocusIn) {
        const char* opis = OpisPrzeslo;
        if (auto* pole = qobject_cast<TPoleLiczbowe*>(obiekt)) opis = OpisPola(pole->Pole()).Opis;
        status_->showMessage(QLatin1Char(' ') + Tekst(opis));
    } else if (zdarzenie->type() == QEvent::FocusOut &&
               static_cast<QFocusEvent*>(zdarzenie)->reason() != Qt::PopupFocusReason) {
        status_->clearMessage();
    }
    return QMainWindow::eventFilter(obiekt, zdarzenie);
}

void TGlowneOkno::showEvent(QShowEvent* zdarzenie)
{
    QMainWindow::showEvent(zdarzenie);
    if (uruchomione_) return;
    uruchomione_ = true;
    przebieg_->Uruchom();
}

void TGlowneOkno::closeEvent(QCloseEvent* zdarzenie)
{
    if (!zamkniete_) {
        zamkniete_ = true;
        przebieg_->Zamknij();
    }
    TUstawieniaOkna().ZapiszGeometrie(*this);
    // Zamknięcie okna głównego kończy program razem z oknami pomocniczymi.
    oknoTekstu_->close();
    oknoPomocy_->close();
    zdarzenie->accept();
}
