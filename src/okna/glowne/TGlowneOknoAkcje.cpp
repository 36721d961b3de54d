// Akcje okna głównego: pasek narzędzi, menu "Dane", "Edycja", "Protokoły" i "Pomoc", pomoc
// kontekstowa (F1).
#include <QAction>
#include <QMenuBar>
#include <QStyle>
#include <QToolBar>

#include "okna/glowne/TGlowneOkno.h"

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
    QAction* acZapiszJako = Akcja("acZapiszJako", "Zapisz jako…", "Zapisanie danych w wybranym pliku",
                                  QStyle::SP_DialogSaveButton, "Ctrl+Shift+S");
    // Ctrl+Z to "Zapisz": cofanie pod Alt+Backspace.
    acCofnij_ = Akcja("acCofnij", "Cofnij", "Cofnięcie ostatniej zmiany danych", QStyle::SP_ArrowBack, "Alt+Backspace");
    acPonow_ = Akcja("acPonow", "Ponów", "Ponowienie cofniętej zmiany danych", QStyle::SP_ArrowForward, "Ctrl+Y");
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
    connect(acZapiszJako, &QAction::triggered, this, &TGlowneOkno::ZapiszJako);
    connect(acCofnij_, &QAction::triggered, this, [this] { przebieg_->Cofnij(); });
    connect(acPonow_, &QAction::triggered, this, [this] { przebieg_->Ponow(); });
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
    dane->addActions({acInfo, acRaport, acZapisz, acZapiszJako, acWczytaj});
    menuOstatnie_ = dane->addMenu(Tekst("Ostatnio otwierane"));
    connect(dane, &QMenu::aboutToShow, this, &TGlowneOkno::OdswiezOstatnie);
    dane->addAction(acRejestr);
    dane->addSeparator();
    dane->addAction(acKoniec);
    menuBar()->addMenu(Tekst("&Edycja"))->addActions({acCofnij_, acPonow_});
    OdswiezEdycje();
    protokoly_ = menuBar()->addMenu(Tekst("P&rotokoły"));
    protokoly_->addActions({acNormy, acSlad});
    menuBar()->addMenu(Tekst("&Pomoc"))->addActions({acNaTemat, acAbout});
}

// Po każdym przeliczeniu: "Cofnij" i "Ponów" dostępne, gdy jest krok.
void TGlowneOkno::OdswiezEdycje()
{
    acCofnij_->setEnabled(przebieg_ && przebieg_->Historia().MoznaCofnac());
    acPonow_->setEnabled(przebieg_ && przebieg_->Historia().MoznaPonowic());
}
