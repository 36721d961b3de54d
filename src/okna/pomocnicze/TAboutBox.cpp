#include "okna/pomocnicze/TAboutBox.h"

#include "okna/wspolne/SkrotyOkna.h"

#include <QCoreApplication>
#include <QFontInfo>
#include <QHBoxLayout>
#include <QAction>
#include <QLabel>
#include <QPushButton>
#include <QMouseEvent>
#include <QVBoxLayout>
#include <algorithm>

#include "okna/wspolne/IkonaProgramu.h"

namespace {
const char* const NapisZamknij = "Zamknij";

const char* const Tytul = "O programie";
const char* const NazwaProduktu = "Pontiva";
const char* const PrzedWersja = "Wersja: ";
const char* const TekstOpisu = "Program służy do wyznaczania nośności\r\nużytkowej standardowych obiektów mostowych.";

const QColor Granat(0, 0, 128);
const QColor Zolty(255, 255, 0);
constexpr int RozmiarIkony = 64;

// Wersja pliku programu: ustawiona przez main.cpp albo wpisana przy budowie.
QString WersjaProgramu()
{
    const QString w = QCoreApplication::applicationVersion();
    if (!w.isEmpty()) return w;
#ifdef PONTIVA_WERSJA
    return QStringLiteral(PONTIVA_WERSJA);
#else
    return {};
#endif
}

// Wielkości napisów są dla czcionki programu 9 pt; przy większej rosną w tej samej proporcji.
constexpr qreal PunktyCzcionkiProgramu = 9;

QLabel* Napis(QWidget* rodzic, const QString& tekst, const QColor& kolor, int punkty, bool gruby)
{
    auto* l = new QLabel(tekst, rodzic);
    QFont f = l->font();
    f.setPointSizeF(punkty * std::max<qreal>(1, QFontInfo(f).pointSizeF() / PunktyCzcionkiProgramu));
    f.setBold(gruby);
    l->setFont(f);
    QPalette p = l->palette();
    p.setColor(QPalette::WindowText, kolor);
    l->setPalette(p);
    return l;
}

} // namespace

TAboutBox::TAboutBox(QWidget* rodzic) : QWidget(rodzic, Qt::Tool)
{
    setObjectName("AboutBox");
    setWindowTitle(QString::fromUtf8(Tytul));
    QPalette tlo = palette();
    tlo.setColor(QPalette::Window, Granat);
    setPalette(tlo);
    setAutoFillBackground(true);

    Ikona = new QLabel(this);
    Ikona->setPixmap(RysunekIkony(RozmiarIkony));
    Ikona->setFixedSize(RozmiarIkony, RozmiarIkony);
    Nazwa = Napis(this, QString::fromUtf8(NazwaProduktu), Qt::white, 20, true);
    Wersja = Napis(this, QString::fromUtf8(PrzedWersja), Qt::white, 10, false);
    // CR LF opisu to podział wiersza.
    Opis = Napis(this, QString::fromUtf8(TekstOpisu).replace(QStringLiteral("\r\n"), QStringLiteral("\n")), Zolty,
                 10, false);
    Opis->setAlignment(Qt::AlignHCenter);

    auto* gora = new QHBoxLayout;
    gora->addWidget(Ikona, 0, Qt::AlignTop);
    gora->addSpacing(16);
    auto* nazwy = new QVBoxLayout;
    nazwy->addWidget(Nazwa);
    nazwy->addWidget(Wersja);
    gora->addLayout(nazwy);
    gora->addStretch();
    auto* uklad = new QVBoxLayout(this);
    uklad->setContentsMargins(24, 20, 24, 24);
    uklad->addLayout(gora);
    uklad->addSpacing(18);
    uklad->addWidget(Opis, 0, Qt::AlignHCenter);
    uklad->addSpacing(12);
    Zamknij = new QPushButton(QString::fromUtf8(NapisZamknij), this);
    Zamknij->setObjectName(QStringLiteral("btZamknij"));
    connect(Zamknij, &QPushButton::clicked, this, &QWidget::close);
    uklad->addWidget(Zamknij, 0, Qt::AlignHCenter);
    uklad->setSizeConstraint(QLayout::SetFixedSize);
    // Esc i Enter zamykają okno jak przycisk (okno nie jest dialogiem z przyciskiem domyślnym).
    ZamykanieEsc(*this);
    auto* enter = new QAction(this);
    enter->setShortcuts({QKeySequence(Qt::Key_Return), QKeySequence(Qt::Key_Enter)});
    enter->setShortcutContext(Qt::WidgetWithChildrenShortcut);
    connect(enter, &QAction::triggered, this, &QWidget::close);
    addAction(enter);
}

void TAboutBox::showEvent(QShowEvent* zdarzenie)
{
    const QString w = WersjaProgramu();
    if (!w.isEmpty()) Wersja->setText(QString::fromUtf8(PrzedWersja) + w);
    // Na środku okna głównego.
    if (QWidget* glowne = parentWidget() ? parentWidget()->window() : nullptr) {
        adjustSize();
        move(glowne->frameGeometry().center() - rect().center());
    }
    QWidget::showEvent(zdarzenie);
    Zamknij->setFocus();
}

void TAboutBox::mousePressEvent(QMouseEvent* zdarzenie)
{
    // Tylko tło: kliknięcie w napis lub ikonę nie zamyka okna.
    if (!childAt(zdarzenie->position().toPoint())) close();
    QWidget::mousePressEvent(zdarzenie);
}
