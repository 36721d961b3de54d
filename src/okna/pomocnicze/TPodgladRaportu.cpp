#include "okna/pomocnicze/TPodgladRaportu.h"

#include <QAction>
#include <QBuffer>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QLabel>
#include <QMessageBox>
#include <QPdfWriter>
#include <QPrintDialog>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QStatusBar>
#include <QStyle>
#include <QToolBar>

#include "okna/rysunki/RysunekRaportu.h"
#include "okna/wspolne/IkonaProgramu.h"
#include "okna/wspolne/SkrotyOkna.h"
#include "okna/wspolne/TUstawieniaOkna.h"
#include "okna/wspolne/Tekst.h"
#include "system/Pliki.h"

namespace {
const char* const Tytul = "Podgląd raportu";
const char* const TytulZapisu = "Zapisz raport jako PDF";
const char* const FiltrPdf = "Dokument PDF (*.pdf)";
const char* const TytulBledu = "BŁĄD";
const char* const KomBladPdf = "Nie zapisano pliku PDF.\r";
const char* const KomBladRysunku = "nie udało się narysować raportu";
const char* const WzorStanu = "%1; stron: %2";
const char* const WzorZapisanego = "; PDF zapisano w pliku %1";

struct tOpisAkcji {
    const char* nazwa;
    const char* napis;
    const char* podpowiedz;
    QKeySequence skrot;
    QStyle::StandardPixmap ikona;
};

constexpr int Szerokosc = 760;
constexpr int Wysokosc = 640;
}  // namespace

TPodgladRaportu::TPodgladRaportu(QWidget* rodzic) : QMainWindow(rodzic, Qt::Window)
{
    ZamykanieEsc(*this);
    PamietajPolozenie(*this);
    setObjectName(QStringLiteral("PodgladRaportu"));
    setWindowTitle(Tekst(Tytul));
    setWindowIcon(IkonaProgramu());
    resize(Szerokosc, Wysokosc);
    WybierzPlik = [this](const QString& tytul, const QString& nazwa, const QString& filtr) {
        return QFileDialog::getSaveFileName(this, tytul, nazwa, filtr);
    };

    // Podgląd rysuje na drukarce w pamięci, jak wydruk i PDF: ten sam rysunek stron.
    drukarkaPodgladu_ = std::make_unique<QPrinter>(QPrinter::HighResolution);
    UstawStroneRaportu(*drukarkaPodgladu_);
    podglad_ = new QPrintPreviewWidget(drukarkaPodgladu_.get(), this);
    podglad_->setObjectName(QStringLiteral("Podglad"));
    podglad_->setZoomMode(QPrintPreviewWidget::FitToWidth);
    connect(podglad_, &QPrintPreviewWidget::paintRequested, this,
            [this](QPrinter* drukarka) { RysujRaport(*drukarka, uklad_); });
    setCentralWidget(podglad_);

    const tOpisAkcji opisy[] = {
        {"acDrukuj", "Drukuj", "Wydruk raportu", QKeySequence(QStringLiteral("Ctrl+D")), QStyle::SP_FileDialogContentsView},
        {"acZapiszPdf", "Zapisz jako PDF", "Zapis raportu do pliku PDF", QKeySequence(QStringLiteral("Ctrl+Z")),
         QStyle::SP_DialogSaveButton},
        {"acPowieksz", "Powiększ", "Powiększenie strony", QKeySequence::ZoomIn, QStyle::SP_ArrowUp},
        {"acPomniejsz", "Pomniejsz", "Pomniejszenie strony", QKeySequence::ZoomOut, QStyle::SP_ArrowDown},
        {"acCalaStrona", "Cała strona", "Cała strona w oknie", QKeySequence(QStringLiteral("Ctrl+0")),
         QStyle::SP_TitleBarMaxButton},
        {"acKoniec", "Zamknij okno", "Zamknięcie okna", QKeySequence(QStringLiteral("Ctrl+K")), QStyle::SP_DialogCloseButton},
    };
    QToolBar* pasek = addToolBar(QString());
    pasek->setObjectName(QStringLiteral("PasekNarzedzi"));
    pasek->setMovable(false);
    pasek->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    std::vector<QAction*> akcje;
    for (const tOpisAkcji& o : opisy) {
        auto* a = new QAction(style()->standardIcon(o.ikona), Tekst(o.napis), this);
        a->setObjectName(QString::fromLatin1(o.nazwa));
        a->setToolTip(Tekst(o.podpowiedz));
        a->setShortcut(o.skrot);
        pasek->addAction(a);
        akcje.push_back(a);
        if (akcje.size() == 2 || akcje.size() == 5) pasek->addSeparator();
    }
    acDrukuj = akcje[0], acZapiszPdf = akcje[1], acKoniec = akcje[5];
    connect(acDrukuj, &QAction::triggered, this, &TPodgladRaportu::DrukujZOknem);
    connect(acZapiszPdf, &QAction::triggered, this, &TPodgladRaportu::ZapiszJakoPdf);
    connect(akcje[2], &QAction::triggered, podglad_, [this] { podglad_->zoomIn(); });
    connect(akcje[3], &QAction::triggered, podglad_, [this] { podglad_->zoomOut(); });
    connect(akcje[4], &QAction::triggered, podglad_, &QPrintPreviewWidget::fitInView);
    connect(acKoniec, &QAction::triggered, this, &QWidget::close);

    stan_ = new QLabel(this);
    stan_->setObjectName(QStringLiteral("lbStan"));
    statusBar()->addWidget(stan_, 1);
}

// Podgląd przed swoją drukarką (okno niszczy dzieci dopiero po polach).
TPodgladRaportu::~TPodgladRaportu() { delete podglad_; }

void TPodgladRaportu::Pokaz(const tUkladRaportu& uklad, const QString& nazwa, const QString& opis)
{
    uklad_ = uklad;
    nazwa_ = nazwa;
    podglad_->updatePreview();
    opis_ = QString::fromUtf8(WzorStanu).arg(opis).arg(podglad_->pageCount());
    stan_->setText(opis_);
    show();
    raise();
    activateWindow();
}

bool TPodgladRaportu::ZapiszPdf(const QString& sciezka, std::string& komunikat) const
{
    // Dokument w pamięci, na dysk zapisem atomowym jak każdy plik programu.
    QByteArray pdf;
    QBuffer bufor(&pdf);
    bufor.open(QIODevice::WriteOnly);
    {
        QPdfWriter pisarz(&bufor);
        pisarz.setTitle(windowTitle() + QStringLiteral(" ") + nazwa_);
        pisarz.setCreator(QStringLiteral("Pontiva"));
        UstawStroneRaportu(pisarz);
        if (!RysujRaport(pisarz, uklad_)) {
            komunikat = std::string(KomBladPdf) + KomBladRysunku;
            return false;
        }
    }
    if (ZapiszPlik(sciezka.toStdString(), std::string_view(pdf.constData(), static_cast<size_t>(pdf.size())), komunikat))
        return true;
    komunikat = KomBladPdf + komunikat;  // komunikat zapisu nazywa plik i przyczynę
    return false;
}

void TPodgladRaportu::Drukuj(QPrinter& drukarka) const
{
    drukarka.setDocName(windowTitle() + QStringLiteral(" ") + nazwa_);
    UstawStroneRaportu(drukarka);
    RysujRaport(drukarka, uklad_, drukarka.fromPage(), drukarka.toPage());
}

void TPodgladRaportu::ZapiszJakoPdf()
{
    TUstawieniaOkna ustawienia;
    const QString plik = WybierzPlik(Tekst(TytulZapisu), ustawienia.OstatniKatalog() + '/' + nazwa_ + QStringLiteral(".pdf"),
                                     Tekst(FiltrPdf));
    if (plik.isEmpty()) return;
    ustawienia.UstawOstatniKatalog(QFileInfo(plik).absolutePath());
    std::string komunikat;
    if (!ZapiszPdf(plik, komunikat)) {
        QMessageBox(QMessageBox::Warning, Tekst(TytulBledu), Tekst(komunikat), QMessageBox::Ok, this).exec();
        return;
    }
    stan_->setText(opis_ + QString::fromUtf8(WzorZapisanego).arg(QDir::toNativeSeparators(plik)));
}

void TPodgladRaportu::DrukujZOknem()
{
    QPrinter drukarka(QPrinter::HighResolution);
    UstawStroneRaportu(drukarka);
    QPrintDialog okno(&drukarka, this);
    okno.setOption(QAbstractPrintDialog::PrintPageRange);
    if (okno.exec() == QDialog::Accepted) Drukuj(drukarka);
}
