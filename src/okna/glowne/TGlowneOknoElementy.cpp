// Panel "Elementy" w oknie głównym: zadokowany pod panelami, pokazany dokłada oknu wysokości.
#include <QAction>
#include <QMenu>
#include <QStyle>
#include <algorithm>

#include "okna/glowne/TGlowneOkno.h"
#include "okna/glowne/TPanelElementow.h"
#include "okna/wspolne/TUstawieniaOkna.h"

namespace {
const char* const DymekElementow = "Wyniki wszystkich elementów i widok podłużny";
}  // namespace

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
