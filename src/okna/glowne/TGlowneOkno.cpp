#include "okna/glowne/TGlowneOkno.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QFrame>
#include <QScrollArea>
#include <QStatusBar>
#include <QToolTip>
#include <QVBoxLayout>

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
const char* const OpisPrzeslo = "Rodzaj przekroju poprzecznego przęsła";

// Obszar przewijania, który chce pokazać całą treść, a sam nie wymaga więcej niż paski.
class TPrzewijanePanele : public QScrollArea {
public:
    QSize sizeHint() const override { return widget()->minimumSize() + QSize(2, 2) * frameWidth(); }
};
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
        OdswiezEdycje();
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
        connect(k_.Pola[p], &QAbstractSpinBox::editingFinished, this, [this] { przebieg_->ZakonczEdycjePola(); });
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
