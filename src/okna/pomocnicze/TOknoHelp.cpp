#include "okna/pomocnicze/TOknoHelp.h"

#include "okna/wspolne/SkrotyOkna.h"

#include <QAbstractTextDocumentLayout>
#include <QAction>
#include <QFileDialog>
#include <QFileInfo>
#include <QFontDatabase>
#include <QFontDialog>
#include <QFontInfo>
#include <QKeyEvent>
#include <QMenuBar>
#include <QMessageBox>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPrintDialog>
#include <QPrinter>
#include <QStyle>
#include <QTextDocument>
#include <QToolBar>
#include <algorithm>
#include <memory>

#include "common/Cp1250.h"
#include "common/Slad.h"
#include "system/Pliki.h"
#include "okna/wspolne/TUstawieniaOkna.h"

namespace {

const char* const TytulSladu = "Ślad obliczeń";
const char* const TytulUwagi = "UWAGA";
const char* const TrescUwagi = "To nie jest okno edycyjne !\rMożesz w nim tylko przeglądać raporty.";
const char* const MenuZbior = "&Zbiór";
const char* const MenuParametry = "Parametry";
const char* const FiltrTxt = "Zbiory tekstowe (*.TXT)";
const char* const RozszerzenieTxt = "txt";
const char* const TytulBledu = "Błąd";
const char* const KomBrakZapisu = "Nie można zapisać zbioru\r";
const char* const NaglowekJNI = "JNI: ";
const char* const NaglowekStrony = "strona %1 z %2";

struct tOpisAkcji {
    const char* napis;
    const char* podpowiedz;
    const char* skrot;
    const char* ikona;  // nazwa z motywu ikon; brak: ikona standardowa stylu
    QStyle::StandardPixmap zastepcza;
};
const tOpisAkcji OpisZapisz{"Zapisz jako ...", "Zapisanie do zbioru", "Ctrl+Z", "document-save-as",
                            QStyle::SP_DialogSaveButton};
const tOpisAkcji OpisDrukuj{"Drukuj", "Wydruk", "Ctrl+D", "document-print", QStyle::SP_FileDialogContentsView};
const tOpisAkcji OpisCzcionka{"Czcionka", "Zmiana czcionki", "Ctrl+C", "preferences-desktop-font",
                              QStyle::SP_FileDialogDetailedView};
const tOpisAkcji OpisKoniec{"Zamknij okno", "Zamknięcie okna", "Ctrl+K", "window-close",
                            QStyle::SP_DialogCloseButton};

// Klawisz, który w polu edycyjnym zmieniłby tekst: znak drukowalny, Backspace, Delete,
// wklejenie i wycięcie. Strzałki, Enter, Esc i skróty z Ctrl tylko przeglądają.
bool ZmieniaTekst(const QKeyEvent& k)
{
    if (k.matches(QKeySequence::Paste) || k.matches(QKeySequence::Cut)) return true;
    if (k.key() == Qt::Key_Backspace || k.key() == Qt::Key_Delete) return true;
    if (k.modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)) return false;
    return !k.text().isEmpty() && k.text().at(0).isPrint();
}

constexpr int Szerokosc = 711;
constexpr int Wysokosc = 475;
constexpr int RozmiarCzcionki = 10;

// Okno zarejestrowane do zamykania przed obliczeniem (ostatnio utworzone).
TOknoHelp* zarejestrowane = nullptr;

// Courier New, a gdy jej nie ma, najbliższa czcionka o stałej szerokości znaków.
QFont CzcionkaStala()
{
    QFont f(QStringLiteral("Courier New"), RozmiarCzcionki);
    f.setStyleHint(QFont::TypeWriter);
    if (QFontInfo(f).fixedPitch()) return f;
    QFont z = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    z.setPointSize(RozmiarCzcionki);
    return z;
}

} // namespace

TOknoHelp::TOknoHelp(QWidget* rodzic) : QMainWindow(rodzic)
{
    ZamykanieEsc(*this);
    PamietajPolozenie(*this);
    setObjectName("OknoHelp");
    resize(Szerokosc, Wysokosc);

    Memo = new QPlainTextEdit(this);
    Memo->setObjectName("Memo");
    Memo->setReadOnly(true);
    // Tylko do odczytu, ale z kursorem i zaznaczaniem z klawiatury jak w polu edycji.
    Memo->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    Memo->setLineWrapMode(QPlainTextEdit::NoWrap);
    Memo->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    Memo->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    Memo->setFont(CzcionkaStala());
    Memo->installEventFilter(this);
    setCentralWidget(Memo);

    auto akcja = [this](const tOpisAkcji& o) {
        auto* a = new QAction(QIcon::fromTheme(QString::fromLatin1(o.ikona), style()->standardIcon(o.zastepcza)),
                              QString::fromUtf8(o.napis), this);
        a->setToolTip(QString::fromUtf8(o.podpowiedz));
        a->setShortcut(QKeySequence(QString::fromLatin1(o.skrot)));
        return a;
    };
    acZapisz = akcja(OpisZapisz);
    acDrukuj = akcja(OpisDrukuj);
    acCzcionka = akcja(OpisCzcionka);
    acKoniec = akcja(OpisKoniec);
    connect(acZapisz, &QAction::triggered, this, &TOknoHelp::ZapiszJako);
    connect(acDrukuj, &QAction::triggered, this, &TOknoHelp::DrukujZOknem);
    connect(acCzcionka, &QAction::triggered, this, &TOknoHelp::ZmienCzcionke);
    connect(acKoniec, &QAction::triggered, this, &QWidget::close);

    QMenu* zbior = menuBar()->addMenu(QString::fromUtf8(MenuZbior));
    zbior->addAction(acZapisz);
    zbior->addAction(acDrukuj);
    zbior->addSeparator();
    zbior->addAction(acKoniec);
    menuBar()->addMenu(QString::fromUtf8(MenuParametry))->addAction(acCzcionka);

    QToolBar* pasek = addToolBar(QString());
    pasek->setObjectName("PasekNarzedzi");
    pasek->setMovable(false);
    pasek->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    pasek->addAction(acDrukuj);
    pasek->addAction(acZapisz);
    pasek->addSeparator();
    pasek->addAction(acCzcionka);
    pasek->addSeparator();
    pasek->addAction(acKoniec);
    // Przy większej czcionce pasek narzędzi jest szerszy niż okno o zwykłym rozmiarze.
    resize(size().expandedTo(sizeHint()));

    PokazUwage = [this](const QString& tytul, const QString& tresc) {
        QString t = tresc;
        t.replace('\r', '\n');
        QMessageBox::information(this, tytul, t);
    };

    // Każde obliczenie zamyka okno, by nie pokazywało nieaktualnego śladu.
    zarejestrowane = this;
    SladUstawZamykanieOkna([this] { close(); });
}

TOknoHelp::~TOknoHelp()
{
    if (zarejestrowane == this) {
        zarejestrowane = nullptr;
        SladUstawZamykanieOkna({});
    }
}

bool TOknoHelp::eventFilter(QObject* obiekt, QEvent* zdarzenie)
{
    if (obiekt != Memo) return QMainWindow::eventFilter(obiekt, zdarzenie);
    auto* k = static_cast<QKeyEvent*>(zdarzenie);
    // Kopiowanie i zaznaczenie całości należą do tekstu; Ctrl+C bez zaznaczenia to "Czcionka".
    if (zdarzenie->type() == QEvent::ShortcutOverride &&
        (k->matches(QKeySequence::SelectAll) || (k->key() == Qt::Key_Insert && k->modifiers() == Qt::ControlModifier) ||
         (k->matches(QKeySequence::Copy) && Memo->textCursor().hasSelection()))) {
        zdarzenie->accept();
        return true;
    }
    if (zdarzenie->type() == QEvent::KeyPress && ZmieniaTekst(*k)) {
        if (PokazUwage) PokazUwage(QString::fromUtf8(TytulUwagi), QString::fromUtf8(TrescUwagi));
        return true;
    }
    return QMainWindow::eventFilter(obiekt, zdarzenie);
}

void TOknoHelp::Pokaz(const QString& tytul, const QString& tekst)
{
    setWindowTitle(tytul);
    Memo->clear();
    Memo->setPlainText(tekst);
    show();
    raise();
    activateWindow();
}

void TOknoHelp::PokazPlik(const QString& tytul, const QString& sciezka)
{
    std::string bajty, komunikat;
    if (CzytajPlik(sciezka.toStdString(), LimitRaportu, bajty, komunikat) != tStanOdczytu::Przeczytany) return;
    QString tekst = QString::fromStdString(Cp1250DoUtf8(bajty));
    tekst.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    tekst.replace('\r', '\n');
    // Końcowy koniec wiersza nie tworzy pustego wiersza na dole okna.
    if (tekst.endsWith('\n')) tekst.chop(1);
    Pokaz(tytul, tekst);
}

void TOknoHelp::PokazSlad()
{
    const tSlad& slad = Slad();
    QStringList linie;
    linie.reserve(static_cast<int>(slad.Rozmiar()));
    for (size_t i = 0; i < slad.Rozmiar(); ++i) {
        const std::string_view l = slad.Linia(i);
        linie << QString::fromUtf8(l.data(), static_cast<qsizetype>(l.size()));
    }
    Pokaz(QString::fromUtf8(TytulSladu), linie.join('\n'));
}

QString TOknoHelp::Tekst() const { return Memo->toPlainText(); }

bool TOknoHelp::ZapiszDoPliku(const QString& sciezka, std::string& komunikat) const
{
    std::string bajty;
    const QStringList linie = Memo->toPlainText().split('\n');
    for (const QString& l : linie) bajty += Utf8DoCp1250(l.toStdString()) + "\r\n";
    return ZapiszPlik(sciezka.toStdString(), bajty, komunikat);
}

void TOknoHelp::Drukuj(QPrinter& drukarka) const
{
    drukarka.setDocName(windowTitle());
    // Układ stron liczony dla drukarki, na kopii tekstu, by nie ruszać okna.
    std::unique_ptr<QTextDocument> dokument(Memo->document()->clone());
    dokument->setDefaultFont(Memo->font());
    dokument->documentLayout()->setPaintDevice(&drukarka);
    QPainter p;
    if (!p.begin(&drukarka)) return;
    p.setFont(Memo->font());
    const QSizeF strona = drukarka.pageLayout().paintRectPixels(drukarka.resolution()).size();
    const qreal wiersz = QFontMetricsF(Memo->font(), &drukarka).lineSpacing();
    const QSizeF tresc(strona.width(), strona.height() - 2 * wiersz);
    dokument->setPageSize(tresc);
    const int stron = dokument->pageCount();
    const int od = std::max(1, drukarka.fromPage());
    const int doStrony = drukarka.toPage() > 0 ? std::min(stron, drukarka.toPage()) : stron;
    const QString jni = JNI.isEmpty() ? QString() : QString::fromUtf8(NaglowekJNI) + JNI;
    for (int n = od; n <= doStrony; ++n) {
        if (n > od) drukarka.newPage();
        const QRectF naglowek(0, 0, strona.width(), wiersz);
        p.drawText(naglowek, Qt::AlignLeft | Qt::AlignVCenter, jni);
        p.drawText(naglowek, Qt::AlignHCenter | Qt::AlignVCenter, windowTitle());
        p.drawText(naglowek, Qt::AlignRight | Qt::AlignVCenter, QString::fromUtf8(NaglowekStrony).arg(n).arg(stron));
        p.drawLine(QPointF(0, 1.5 * wiersz), QPointF(strona.width(), 1.5 * wiersz));
        p.save();
        p.translate(0, 2 * wiersz - (n - 1) * tresc.height());
        dokument->drawContents(&p, QRectF(QPointF(0, (n - 1) * tresc.height()), tresc));
        p.restore();
    }
}

void TOknoHelp::ZapiszJako()
{
    QFileDialog okno(this);
    okno.setAcceptMode(QFileDialog::AcceptSave);
    okno.setFileMode(QFileDialog::AnyFile);
    okno.setNameFilter(QString::fromUtf8(FiltrTxt));
    okno.setDefaultSuffix(QString::fromLatin1(RozszerzenieTxt));
    TUstawieniaOkna ustawienia;
    okno.setDirectory(ustawienia.OstatniKatalog());
    // Pytanie przed nadpisaniem zadaje samo okno wyboru (domyślna opcja).
    if (okno.exec() != QDialog::Accepted || okno.selectedFiles().isEmpty()) return;
    const QString sciezka = okno.selectedFiles().first();
    ustawienia.UstawOstatniKatalog(QFileInfo(sciezka).absolutePath());
    std::string komunikat;
    if (!ZapiszDoPliku(sciezka, komunikat)) {
        QString t = QString::fromUtf8(KomBrakZapisu) + QString::fromStdString(komunikat);  // komunikat nazywa plik
        QMessageBox::warning(this, QString::fromUtf8(TytulBledu), t.replace('\r', '\n'));
    }
}

void TOknoHelp::DrukujZOknem()
{
    QPrinter drukarka;
    QPrintDialog okno(&drukarka, this);
    if (okno.exec() == QDialog::Accepted) Drukuj(drukarka);
}

void TOknoHelp::ZmienCzcionke()
{
    // Okno czcionki zaczyna od czcionki, którą tekst jest naprawdę pokazany (np. zamiennik
    // niezainstalowanej Courier New), a nie od pierwszej rodziny z listy.
    QFont pokazana = Memo->font();
    pokazana.setFamily(QFontInfo(pokazana).family());
    bool wybrano = false;
    const QFont f = QFontDialog::getFont(&wybrano, pokazana, this);
    if (wybrano) Memo->setFont(f);
}
