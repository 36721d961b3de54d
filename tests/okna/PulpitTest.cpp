// Program na pulpicie: plik z wiersza poleceń i upuszczony na okno, ostatnio otwierane,
// ustawienia okna poza PT.INI, wydruk przeglądarki z nagłówkiem, polskie napisy Qt.
// Ustawienia okna (QSettings) w katalogu tymczasowym, nie u użytkownika.
#include <QDialogButtonBox>
#include <QLibraryInfo>
#include <QMenuBar>
#include <QMimeData>
#include <QPrinter>
#include <QPushButton>
#include <QStandardPaths>

#include "OknoTestowe.h"
#include "common/Slad.h"
#include "okna/pomocnicze/TOknoHelp.h"
#include "okna/pomocnicze/TOknoPojazdu.h"
#include "okna/wspolne/TlumaczenieQt.h"
#include "okna/wspolne/TUstawieniaOkna.h"

namespace {
const QString Belka = QStringLiteral(PONTIVA_DANE_TESTOWE "/../../przyklady/belka.PTV");
const QString Plyta = QStringLiteral(PONTIVA_DANE_TESTOWE "/../../przyklady/pn66_plyta.PTV");
const QString Zuraw = QStringLiteral(PONTIVA_DANE_TESTOWE "/../../przyklady/pojazdy/zuraw_60t.PJZ");

QByteArray Bajty(const QString& sciezka)
{
    QFile f(sciezka);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// Wszystko, co okno pokazuje o moście.
QStringList Stan(TGlowneOkno& okno)
{
    QStringList s{okno.windowTitle(), Komunikaty(okno)};
    for (int l = 0; l < 4; ++l) s << QString::number(Lista(okno, static_cast<tLista>(l))->currentIndex());
    for (int p = 0; p < LiczbaPol; ++p) s << Pole(okno, static_cast<tPole>(p))->Tekst();
    for (int i = 0; i < 5; ++i) s << Wynik(okno, i);
    return s;
}

// Przeciąga plik na kontrolkę i upuszcza go; true, gdy przeciąganie przyjęto.
bool Upusc(QWidget* cel, const QString& plik)
{
    QMimeData dane;
    dane.setUrls({QUrl::fromLocalFile(plik)});
    dane.setText(plik);  // menedżery plików dają też ścieżkę jako tekst
    QDragEnterEvent wejscie(QPoint(4, 4), Qt::CopyAction, &dane, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(cel, &wejscie);
    QDropEvent upuszczenie(QPointF(4, 4), Qt::CopyAction, &dane, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(cel, &upuszczenie);
    QApplication::processEvents();
    return wejscie.isAccepted();
}
}  // namespace

class TestPulpit : public QObject {
    Q_OBJECT

    QTemporaryDir ustawienia_;
    std::unique_ptr<tOknoTestowe> t_;
    TGlowneOkno& Okno() { return t_->Okno(); }
    QString Kopia(const QString& zrodlo, const QString& nazwa)
    {
        QFile::copy(zrodlo, t_->Plik(nazwa.toStdString()));
        return t_->Plik(nazwa.toStdString());
    }

private slots:
    void initTestCase()
    {
        QCoreApplication::setOrganizationName("Pontiva");
        QCoreApplication::setApplicationName("Pontiva");
        QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, ustawienia_.path());
    }

    void init()
    {
        QSettings().clear();
        t_ = std::make_unique<tOknoTestowe>();
    }

    void cleanup() { t_.reset(); }

    // "pontiva PLIK.PTV" po PT.INI, więc plik wygrywa, i tak jak "Wczytaj".
    void plikZWierszaPolecen()
    {
        QFile::copy(Plyta, t_->Plik("PT.INI"));
        QVERIFY(t_->Otworz());
        Okno().OtworzArgumenty({"pontiva", Belka});
        const QStringList zArgumentu = Stan(Okno());
        QVERIFY(zArgumentu.first().contains("[JNI: 12010001 NrP: 1]"));
        Okno().Przebieg().WczytajDane(Plyta.toStdString());
        Okno().Przebieg().WczytajDane(Belka.toStdString());
        QCOMPARE(Stan(Okno()), zArgumentu);
    }

    void upuszczenie_data()
    {
        QTest::addColumn<QString>("nazwa");
        QTest::addColumn<bool>("naKomunikaty");
        QTest::addColumn<bool>("wczytany");
        QTest::newRow(".PTV na okno") << "most.PTV" << false << true;
        QTest::newRow(".ptv na komunikaty") << "most.ptv" << true << true;
        QTest::newRow(".txt na okno") << "most.txt" << false << false;
        QTest::newRow(".txt na komunikaty") << "most.txt" << true << false;
    }

    void upuszczenie()
    {
        QFETCH(QString, nazwa);
        QFETCH(bool, naKomunikaty);
        QFETCH(bool, wczytany);
        QVERIFY(t_->Otworz());
        TPoleLiczbowe* b = Pole(Okno(), RxSE_B);
        // Obszar komunikatów przyjmuje upuszczanie sam, więc nie przekazuje go oknu.
        QWidget* cel = naKomunikaty ? Okno().Kontrolki().Komunikaty->viewport() : static_cast<QWidget*>(&Okno());
        QCOMPARE(Upusc(cel, Kopia(Belka, nazwa)), wczytany);
        // Pierwsze uruchomienie pokazuje przykład (te same dane), wczytany plik już nim nie jest.
        QCOMPARE(b->Tekst() + QString::number(Okno().windowTitle().endsWith(QString::fromUtf8("– przykład"))),
                 QString::fromLatin1(wczytany ? "7,000" : "7,001"));
    }

    // "pontiva PLIK.PJZ" i plik pojazdu upuszczony na okno: okno pojazdu z tym pojazdem.
    void plikPojazdu()
    {
        QVERIFY(t_->Otworz());
        Okno().OtworzArgumenty({"pontiva", Zuraw});
        QVERIFY(Okno().OknoPojazdu().isVisible());
        QCOMPARE(Okno().OknoPojazdu().Edycja().Plik(), Zuraw.toStdString());
        const QString kopia = Kopia(Zuraw, "zuraw.pjz");
        QVERIFY(Upusc(&Okno(), kopia));
        QCOMPARE(Okno().OknoPojazdu().Edycja().Plik(), kopia.toStdString());
    }

    // Zmieniony obiekt: "Wczytaj", plik z "Ostatnio otwierane" i upuszczony plik pytają
    // "Zapisać zmiany…?"; Anuluj zostawia edycję (pokazaną w formacie pola po utracie fokusu),
    // Nie wczytuje plik.
    void niezapisaneZmiany()
    {
        QVERIFY(t_->Otworz());
        const QString plik = Kopia(Belka, "a.PTV");
        TUstawieniaOkna().DodajOstatni(plik);
        QMenu* dane = Okno().menuBar()->actions().first()->menu();
        const std::function<void()> drogi[] = {
            [&] {
                GdyOkno<QFileDialog>(this, [&](QFileDialog& d) { d.selectFile(plik), static_cast<QDialog&>(d).accept(); });
                Okno().findChild<QAction*>("acWczytaj")->trigger();
            },
            [&] { emit dane->aboutToShow(), dane->findChild<QMenu*>()->actions().at(0)->trigger(); },
            [&] { Upusc(&Okno(), plik); },
        };
        for (const auto& droga : drogi) {
            for (auto [przycisk, tekst] : {std::pair{QMessageBox::Cancel, "3,50"}, {QMessageBox::No, "7,00"}}) {
                Wpisz(Pole(Okno(), RxSE_B), QStringLiteral("3,5"), true);
                QString pytanie;
                // Okno pliku zamyka się przed pytaniem: pytanie łapie drugi krok kolejki.
                std::function<void()> odpowiedz = [&, przycisk] {
                    auto* m = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
                    if (!m) return QTimer::singleShot(0, this, odpowiedz);
                    pytanie = m->text(), m->button(przycisk)->click();
                };
                QTimer::singleShot(0, this, odpowiedz);
                droga();
                QApplication::processEvents();
                QVERIFY2(pytanie.startsWith(QString::fromUtf8("Zapisać zmiany w obiekcie")), qPrintable(pytanie));
                QCOMPARE(Pole(Okno(), RxSE_B)->Tekst(), QString::fromLatin1(tekst));
            }
        }
    }

    // Podmenu wczytuje wybrany plik; plik, którego już nie ma, jest wyszarzony.
    void ostatnioOtwierane()
    {
        QVERIFY(t_->Otworz());
        const QString a = Kopia(Belka, "a.PTV"), b = Kopia(Plyta, "b.PTV");
        QMenu* dane = Okno().menuBar()->actions().first()->menu();
        QMenu* ostatnie = dane->findChild<QMenu*>();  // "Ostatnio otwierane"
        for (const QString& p : {a, b}) QVERIFY(Okno().OtworzPlik(p));
        emit dane->aboutToShow();
        ostatnie->actions().at(1)->trigger();
        QCOMPARE(Pole(Okno(), RxSE_BB)->Tekst(), QStringLiteral("8,40"));
        QFile::remove(b);
        emit dane->aboutToShow();
        QStringList pozycje;
        for (QAction* p : ostatnie->actions()) pozycje << p->text() + (p->isEnabled() ? "" : " (wyszarzony)");
        QCOMPARE(pozycje, QStringList({"&1 " + QDir::toNativeSeparators(a), "&2 " + QDir::toNativeSeparators(b) + " (wyszarzony)"}));
    }

    // Sesja, która zmienia tylko ustawienia okna, zostawia PT.INI bajt w bajt; położenie
    // okna wraca w następnej sesji.
    void ustawieniaPozaPlikiemStanu()
    {
        QVERIFY(t_->Otworz());
        QVERIFY(Okno().OtworzPlik(Belka));
        Okno().close();
        const QByteArray stan = Bajty(t_->Plik("PT.INI"));
        QVERIFY(t_->Otworz());
        Okno().move(123, 77);
        TUstawieniaOkna().UstawPanelElementow(true);
        Okno().close();
        QCOMPARE(Bajty(t_->Plik("PT.INI")), stan);
        QVERIFY(t_->Otworz());
        QCOMPARE(Okno().pos(), QPoint(123, 77));
        QVERIFY(QSettings().value(QStringLiteral("okno/elementy")).toBool());
    }

    // Położenie i rozmiar zapisane na większym ekranie wracają na ekran testów (1366 × 768):
    // okno z ramką w całości na ekranie, nie mniejsze niż najmniejsze (okno, które się mieści,
    // wraca bez zmian: ustawieniaPozaPlikiemStanu).
    void polozenieNaEkranie()
    {
        QVERIFY(t_->Otworz());
        const QSize m = Okno().minimumSize();
        const struct {
            QRect zapisane;
            int szerokosc;  // 0: najmniejsze okno
        } przypadki[] = {
            {{1500, 900, 2400, 1600}, 1366 - 4},  // z większego ekranu: na całą szerokość (ramka 2 + 2)
            {{1000, 600, m.width(), m.height()}, 0},  // wystaje w prawo i w dół
            {{-300, -200, 300, 200}, 0},          // za małe i nad ekranem
        };
        for (const auto& p : przypadki) {
            Okno().setGeometry(p.zapisane);
            Okno().close();
            QVERIFY(t_->Otworz());
            QVERIFY2(Okno().screen()->availableGeometry().contains(Okno().frameGeometry()),
                     qPrintable(QDebug::toString(Okno().frameGeometry())));
            QCOMPARE(Okno().width(), p.szerokosc ? p.szerokosc : m.width());
            QVERIFY(Okno().height() >= m.height() && (p.szerokosc || Okno().height() == m.height()));
        }
    }

    // 150 wierszy śladu: każda strona zaczyna się nagłówkiem, żaden wiersz nie ginie.
    void naglowekWydruku()
    {
        if (QStandardPaths::findExecutable("pdftotext").isEmpty()) QSKIP("brak pdftotext (pakiet poppler-utils)");
        TOknoHelp okno;
        SladWyczysc();
        QStringList wiersze;
        for (int i = 1001; i <= 1150; ++i) SladDodaj("wiersz " + std::to_string(i)), wiersze << QString("wiersz %1").arg(i);
        okno.PokazSlad();
        okno.JNI = "12345678";
        QPrinter drukarka;
        drukarka.setOutputFormat(QPrinter::PdfFormat);
        drukarka.setOutputFileName(ustawienia_.filePath("slad.pdf"));
        okno.Drukuj(drukarka);
        QProcess p;
        p.start("pdftotext", {"-layout", drukarka.outputFileName(), "-"});
        QVERIFY(p.waitForFinished());
        const QStringList strony = QString::fromUtf8(p.readAllStandardOutput()).split('\f', Qt::SkipEmptyParts);
        QVERIFY(strony.size() >= 3);
        QString tresc;
        for (int n = 1; n <= strony.size(); ++n) {
            QStringList w = strony[n - 1].trimmed().split('\n');
            QCOMPARE(w.takeFirst().simplified(),
                     QString::fromUtf8("JNI: 12345678 Ślad obliczeń strona %1 z %2").arg(n).arg(strony.size()));
            tresc += w.join(' ') + ' ';
        }
        QCOMPARE(tresc.simplified(), wiersze.join(' '));
    }

    void napisyQtPoPolsku()
    {
        if (!QFile::exists(QLibraryInfo::path(QLibraryInfo::TranslationsPath) + "/qtbase_pl.qm"))
            QSKIP("brak qtbase_pl.qm (pakiet qt6-translations-l10n)");
        QVERIFY(ZainstalujTlumaczenieQt(*QCoreApplication::instance()));
        QDialogButtonBox przyciski(QDialogButtonBox::Open | QDialogButtonBox::Cancel);
        QCOMPARE(przyciski.button(QDialogButtonBox::Open)->text().remove('&'), QString::fromUtf8("Otwórz"));
        QCOMPARE(przyciski.button(QDialogButtonBox::Cancel)->text().remove('&'), QStringLiteral("Anuluj"));
    }
};

TEST_OKIEN(TestPulpit)
#include "PulpitTest.moc"
