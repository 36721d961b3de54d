// Okno główne jak program na pulpicie: plik roboczy z wiersza poleceń i upuszczony na
// okno, podmenu "Ostatnio otwierane", położenie okna między uruchomieniami.
#include <QDir>
#include <QDropEvent>
#include <QFile>
#include <QFileInfo>
#include <QMenu>
#include <QMimeData>
#include <QUrl>

#include "ui/OstatniePliki.h"
#include "ui/qt/TGlowneOkno.h"
#include "ui/qt/UstawieniaOkna.h"

namespace {
const char* const TytulBledu = "Błąd";
const char* const NieMoznaOdczytac = "Nie można odczytać pliku\r";

// Ścieżka jedynego przeciąganego pliku roboczego (*.PTV, *.ptv); pusta dla innych danych.
QString PrzeciaganyPlik(const QMimeData* dane)
{
    if (!dane || dane->urls().size() != 1 || !dane->urls().first().isLocalFile()) return {};
    const QString plik = dane->urls().first().toLocalFile();
    return QFileInfo(plik).suffix().compare(QLatin1String("ptv"), Qt::CaseInsensitive) == 0 ? plik : QString();
}

// Filtr okna i jego pól: plik roboczy upuszczony gdziekolwiek w oknie jest wczytywany,
// inne pliki są odrzucane, także przez pola, które wkleiłyby ich ścieżkę jako tekst;
// przeciąganie zwykłego tekstu do pola działa jak dotąd.
class tFiltrUpuszczania : public QObject {
public:
    explicit tFiltrUpuszczania(TGlowneOkno* okno) : QObject(okno), okno_(okno) {}

    bool eventFilter(QObject* obiekt, QEvent* zdarzenie) override
    {
        const QEvent::Type t = zdarzenie->type();
        if (t != QEvent::DragEnter && t != QEvent::DragMove && t != QEvent::Drop) return false;
        auto* e = static_cast<QDropEvent*>(zdarzenie);
        if (obiekt != okno_ && !e->mimeData()->hasUrls()) return false;
        const QString plik = PrzeciaganyPlik(e->mimeData());
        if (plik.isEmpty()) {
            e->ignore();
            return true;
        }
        e->acceptProposedAction();
        // Wczytanie (i ewentualny komunikat) dopiero po zakończeniu przeciągania.
        if (t == QEvent::Drop)
            QMetaObject::invokeMethod(okno_, [o = okno_, plik] { o->OtworzPlik(plik); }, Qt::QueuedConnection);
        return true;
    }

private:
    TGlowneOkno* okno_;
};
}  // namespace

void TGlowneOkno::PrzygotujPulpit()
{
    auto* filtr = new tFiltrUpuszczania(this);
    setAcceptDrops(true);
    installEventFilter(filtr);
    for (QWidget* w : findChildren<QWidget*>())
        if (w->acceptDrops()) w->installEventFilter(filtr);
    OdswiezOstatnie();
    TUstawieniaOkna().PrzywrocGeometrie(*this);
}

bool TGlowneOkno::OtworzPlik(const QString& sciezka)
{
    QFile plik(sciezka);
    if (!QFileInfo(sciezka).isFile() || !plik.open(QIODevice::ReadOnly)) {
        Komunikat(TytulBledu, NieMoznaOdczytac + sciezka.toStdString(), true);
        return false;
    }
    plik.close();
    przebieg_->WczytajDane(sciezka.toStdString());
    ZapamietajPlik(sciezka);
    return true;
}

void TGlowneOkno::OtworzArgumenty(const QStringList& argumenty)
{
    if (argumenty.size() > 1) OtworzPlik(argumenty.at(1));
}

void TGlowneOkno::ZapamietajPlik(const QString& sciezka)
{
    TUstawieniaOkna u;
    u.DodajOstatni(sciezka);
    u.UstawOstatniKatalog(QFileInfo(sciezka).absolutePath());
}

// Pliki, których już nie ma, zostają na liście wyszarzone.
void TGlowneOkno::OdswiezOstatnie()
{
    menuOstatnie_->clear();
    const QStringList pliki = TUstawieniaOkna().OstatniePliki();
    for (int i = 0; i < pliki.size(); ++i) {
        const QString plik = pliki[i];
        QString napis = QDir::toNativeSeparators(plik);
        QAction* a = menuOstatnie_->addAction(QStringLiteral("&%1 ").arg(i + 1) + napis.replace('&', "&&"));
        a->setEnabled(tOstatniePliki::Dostepny(plik.toStdString()));
        connect(a, &QAction::triggered, this, [this, plik] { OtworzPlik(plik); });
    }
    menuOstatnie_->setEnabled(!pliki.isEmpty());
}
