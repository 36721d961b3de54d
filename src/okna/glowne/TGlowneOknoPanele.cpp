// Panele danych okna głównego: przekrój poprzeczny z polami szerokości i linią statusu,
// schemat z edytorem rozpiętości i szkicem, normatyw i klasa, wyniki z obszarem komunikatów.
#include <QComboBox>
#include <QFrame>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QScrollArea>
#include <QScrollBar>
#include <QStatusBar>
#include <QTextEdit>
#include <QToolButton>
#include <QVBoxLayout>
#include <algorithm>

#include "okna/glowne/TGlowneOkno.h"
#include "okna/glowne/TPoleLiczbowe.h"
#include "okna/rysunki/TSzkic.h"

namespace {
const char* const DymekPaneli = "Wszystkie wymiary podawaj w metrach";
const char* const PodpisPrzeslo = "Przęsło";
const char* const DymekPodpisuPrzeslo = "Rodzaj przekroju poprzecznego przęsła";
const char* const DymekPrzeslo = "Wybierz rodzaj przęsła z rozwijalnej listy";
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

// Ukryte pole zostawia swoje miejsce: pozostałe pola nie przeskakują przy zmianie przekroju.
void ZachowajMiejsce(QWidget* w)
{
    QSizePolicy sp = w->sizePolicy();
    sp.setRetainSizeWhenHidden(true);
    w->setSizePolicy(sp);
}
}  // namespace

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
