#include "okna/pomocnicze/TOknoPomocy.h"

#include "okna/wspolne/SkrotyOkna.h"
#include "okna/wspolne/TUstawieniaOkna.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QScrollBar>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

#include "okna/wspolne/IkonaProgramu.h"

namespace {

const char* const Tytul = "Pontiva – pomoc";
const char* const BrakPomocy = "<p>Nie znaleziono pliku pomocy <b>pontiva.html</b>.</p>";
const char* const Zasob = ":/pomoc/pontiva.html";
const char* const PlikPomocy = "pontiva.html";
const char* const KotwicaTematu[] = {"temat1", "temat2"};

constexpr int Szerokosc = 760;
constexpr int Wysokosc = 620;

} // namespace

QString TOknoPomocy::AdresPomocy()
{
    if (QFileInfo::exists(QString::fromLatin1(Zasob))) return QStringLiteral("qrc") + QString::fromLatin1(Zasob);
    const QString program = QCoreApplication::applicationDirPath();
    // Katalog help/ drzewa źródeł, z którego program zbudowano (ścieżka bezwzględna z CMake,
    // nie __FILE__: pamięć podręczna kompilacji może ją zapisać względnie).
    const QString zrodla = QStringLiteral(PONTIVA_KATALOG_POMOCY);
    // Program zainstalowany: PREFIKS/bin/pontiva i PREFIKS/share/pontiva/Help.
    const QString zainstalowany = program + QStringLiteral("/../share/pontiva/Help");
    for (const QString& katalog :
         {program + QStringLiteral("/Help"), program + QStringLiteral("/help"), zainstalowany, zrodla}) {
        const QFileInfo plik(QDir(katalog).filePath(QString::fromLatin1(PlikPomocy)));
        if (plik.exists()) return QUrl::fromLocalFile(plik.canonicalFilePath()).toString();
    }
    return {};
}

TOknoPomocy::TOknoPomocy(QWidget* rodzic) : QWidget(rodzic, Qt::Window)
{
    ZamykanieEsc(*this);
    PamietajPolozenie(*this);
    setObjectName("TOknoPomocy");
    setWindowTitle(QString::fromUtf8(Tytul));
    setWindowIcon(IkonaProgramu());
    resize(Szerokosc, Wysokosc);
    Tekst = new QTextBrowser(this);
    Tekst->setOpenLinks(true);
    Tekst->setOpenExternalLinks(false);
    auto* uklad = new QVBoxLayout(this);
    uklad->setContentsMargins(0, 0, 0, 0);
    uklad->addWidget(Tekst);
}

void TOknoPomocy::Pokaz(const QString& kotwica)
{
    const QString adres = AdresPomocy();
    if (adres.isEmpty()) {
        Tekst->setHtml(QString::fromUtf8(BrakPomocy));
    } else {
        QUrl url(adres);
        url.setFragment(kotwica.isEmpty() ? QString() : kotwica);
        if (Tekst->source().adjusted(QUrl::RemoveFragment) != url.adjusted(QUrl::RemoveFragment))
            Tekst->setSource(url.adjusted(QUrl::RemoveFragment));
        if (kotwica.isEmpty())
            Tekst->verticalScrollBar()->setValue(0);
        else
            Tekst->scrollToAnchor(kotwica);
    }
    show();
    raise();
    activateWindow();
}

void TOknoPomocy::PokazSpis() { Pokaz(QString()); }

void TOknoPomocy::PokazTemat(int temat)
{
    if (temat == 1 || temat == 2)
        Pokaz(QString::fromLatin1(KotwicaTematu[temat - 1]));
    else
        PokazSpis();
}
