// Okno główne jak program na pulpicie: plik roboczy z wiersza poleceń i upuszczony na
// okno, podmenu "Ostatnio otwierane", położenie okna między uruchomieniami.
#include <QDir>
#include <QDropEvent>
#include <QFileInfo>
#include <QMenu>
#include <QMimeData>
#include <QStyle>
#include <QUrl>
#include <algorithm>

#include "przebieg/OstatniePliki.h"
#include "okna/glowne/TPanelElementow.h"
#include "okna/glowne/TGlowneOkno.h"
#include "okna/wspolne/TUstawieniaOkna.h"

namespace {
// Ścieżka jedynego przeciąganego pliku roboczego (*.PTV, *.ptv); pusta dla innych danych.
QString PrzeciaganyPlik(const QMimeData* dane)
{
    if (!dane || dane->urls().size() != 1 || !dane->urls().first().isLocalFile()) return {};
    const QString plik = dane->urls().first().toLocalFile();
    return QFileInfo(plik).suffix().compare(QLatin1String("ptv"), Qt::CaseInsensitive) == 0 ? plik : QString();
}
}  // namespace

void TGlowneOkno::PrzygotujPulpit()
{
    setAcceptDrops(true);
    OdswiezOstatnie();
    // Zapisany rozmiar obejmuje panel "Elementy", jeśli był pokazany: panel pokazany razem
    // z oknem nie dokłada już wysokości, a dostaje to, co zostaje nad panelami danych.
    if (TUstawieniaOkna().PrzywrocGeometrie(*this) && elementy_->isVisibleTo(this)) {
        zPanelem_ = true;
        const int separator = style()->pixelMetric(QStyle::PM_DockWidgetSeparatorExtent, nullptr, this);
        wysokoscPanelu_ = std::max(elementy_->minimumSizeHint().height(), height() - rozmiar_.height() - separator);
        rozmiar_ = QSize(width(), std::max(rozmiar_.height(), height() - wysokoscPanelu_ - separator));
        resizeDocks({elementy_}, {wysokoscPanelu_}, Qt::Vertical);
        zPanelemRozmiar_ = size();
    }
}

// Kontrolki, które upuszczania nie przyjmują (np. obszar komunikatów), przekazują je tu.
void TGlowneOkno::dragEnterEvent(QDragEnterEvent* zdarzenie) { dragMoveEvent(zdarzenie); }

void TGlowneOkno::dragMoveEvent(QDragMoveEvent* zdarzenie)
{
    if (PrzeciaganyPlik(zdarzenie->mimeData()).isEmpty())
        zdarzenie->ignore();
    else
        zdarzenie->acceptProposedAction();
}

void TGlowneOkno::dropEvent(QDropEvent* zdarzenie)
{
    const QString plik = PrzeciaganyPlik(zdarzenie->mimeData());
    if (plik.isEmpty()) return zdarzenie->ignore();
    zdarzenie->acceptProposedAction();
    // Wczytanie (i ewentualny komunikat) dopiero po zakończeniu przeciągania.
    QMetaObject::invokeMethod(this, [this, plik] { OtworzPlik(plik); }, Qt::QueuedConnection);
}

// Jak polecenie "Wczytaj": plik, który nie jest czytelnym plikiem roboczym, odrzuca przebieg
// komunikatem z nazwą pliku, a pola okna zostają bez zmian.
bool TGlowneOkno::OtworzPlik(const QString& sciezka)
{
    ZakonczEdycje();
    if (!przebieg_->PorzucZmiany([this] { return Zapisz(); })) return false;
    // Pełna ścieżka: "Zapisz" pisze do tego pliku także po zmianie katalogu bieżącego i po ponownym uruchomieniu.
    const QString plik = sciezka.isEmpty() ? sciezka : QFileInfo(sciezka).absoluteFilePath();
    if (!przebieg_->WczytajDane(plik.toStdString())) return false;
    ZapamietajPlik(plik);
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
