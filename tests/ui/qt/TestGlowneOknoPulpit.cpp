// Okno główne jak program na pulpicie: plik z wiersza poleceń, upuszczanie plików,
// "Ostatnio otwierane", ustawienia okna poza PT.INI, mnemoniki menu, widoczny fokus.
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QMimeData>
#include <QPushButton>
#include <QTimer>

#include "OknoTestowe.h"
#include "UstawieniaTestowe.h"
#include "ui/qt/TZapiszJNI.h"
#include "ui/qt/UstawieniaOkna.h"

namespace {
const QString Belka = QStringLiteral(PONTIVA_KATALOG_ZRODEL "/przyklady/belka.PTV");
const QString Plyta = QStringLiteral(PONTIVA_KATALOG_ZRODEL "/przyklady/pn66_plyta.PTV");

QByteArray Bajty(const QString& sciezka)
{
    QFile f(sciezka);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// Wszystko, co okno pokazuje o moście: listy, pola, tytuł, wyniki i komunikaty.
QStringList Stan(TGlowneOkno& okno)
{
    QStringList s{okno.windowTitle(), Komunikaty(okno)};
    for (int l = 0; l < 4; ++l) s << QString::number(Lista(okno, static_cast<tLista>(l))->currentIndex());
    for (int p = 0; p < LiczbaPol; ++p) s << Pole(okno, static_cast<tPole>(p))->Tekst();
    for (int i = 0; i < 5; ++i) s << Wynik(okno, i);
    return s;
}

// Zamyka pierwsze okno komunikatu, które się pokaże; zwraca jego tytuł i treść.
QStringList* Komunikat(QObject* kontekst)
{
    static QStringList wynik;
    wynik.clear();
    QTimer::singleShot(0, kontekst, [] {
        if (auto* m = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            wynik = {m->windowTitle(), m->text(), m->icon() == QMessageBox::Warning ? "ostrzeżenie" : "informacja"};
            m->accept();
        }
    });
    return &wynik;
}

void Przeciagnij(QWidget* cel, const QStringList& pliki, bool& przyjete)
{
    QMimeData dane;
    QList<QUrl> adresy;
    for (const QString& p : pliki) adresy << QUrl::fromLocalFile(p);
    dane.setUrls(adresy);
    dane.setText(pliki.join('\n'));  // menedżery plików dają też ścieżkę jako tekst
    QDragEnterEvent wejscie(QPoint(4, 4), Qt::CopyAction, &dane, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(cel, &wejscie);
    przyjete = wejscie.isAccepted();
    QDropEvent upuszczenie(QPointF(4, 4), Qt::CopyAction, &dane, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(cel, &upuszczenie);
    QApplication::processEvents();
}
}  // namespace

class TestGlowneOknoPulpit : public QObject {
    Q_OBJECT

    std::unique_ptr<tUstawieniaTestowe> ustawienia_;
    std::unique_ptr<tOknoTestowe> t_;
    TGlowneOkno& Okno() { return t_->Okno(); }
    QString Kopia(const QString& zrodlo, const QString& nazwa)
    {
        const QString cel = t_->Katalog() + '/' + nazwa;
        QFile::copy(zrodlo, cel);
        return cel;
    }
    QMenu* MenuDane() { return Okno().menuBar()->actions().first()->menu(); }
    QMenu* MenuOstatnie() { return MenuDane()->actions().at(4)->menu(); }

private slots:
    void initTestCase()
    {
        PrzygotujTesty();
        ustawienia_ = std::make_unique<tUstawieniaTestowe>();
    }

    void init()
    {
        QSettings().clear();
        t_ = std::make_unique<tOknoTestowe>();
    }

    void cleanup() { t_.reset(); }

    // "pontiva PLIK.PTV": po PT.INI, więc plik wygrywa; wynik taki sam jak po "Wczytaj".
    void plikZWierszaPolecen()
    {
        QFile::copy(Plyta, t_->Katalog() + "/PT.INI");
        QVERIFY(t_->Otworz());
        QVERIFY(Okno().windowTitle().contains("[JNI: 12010002"));
        Okno().OtworzArgumenty({"pontiva", Belka});
        QVERIFY(Okno().windowTitle().contains("[JNI: 12010001 NrP: 1]"));
        const QStringList zArgumentu = Stan(Okno());
        Okno().Przebieg().WczytajDane(Plyta.toStdString());
        Okno().Przebieg().WczytajDane(Belka.toStdString());
        QCOMPARE(zArgumentu, Stan(Okno()));
        // sama nazwa programu: okno bez zmian
        Okno().OtworzArgumenty({"pontiva"});
        QCOMPARE(Stan(Okno()), zArgumentu);
    }

    void plikNieDoOdczytu_data()
    {
        QTest::addColumn<QString>("sciezka");
        QTest::newRow("brak pliku") << QStringLiteral("/nie/ma/takiego.PTV");
        QTest::newRow("katalog") << QStringLiteral(PONTIVA_KATALOG_ZRODEL "/przyklady");
    }

    void plikNieDoOdczytu()
    {
        QFETCH(QString, sciezka);
        QVERIFY(t_->Otworz());
        UstawMost(Okno(), MostWielodzwigarowy());
        const QStringList przed = Stan(Okno());
        QStringList* k = Komunikat(this);
        Okno().OtworzArgumenty({"pontiva", sciezka});
        QCOMPARE(*k, QStringList({QString::fromUtf8("Błąd"), QString::fromUtf8("Nie można odczytać pliku\n") + sciezka,
                                  QString::fromUtf8("ostrzeżenie")}));
        QCOMPARE(Stan(Okno()), przed);
        QVERIFY(TUstawieniaOkna().OstatniePliki().isEmpty());
    }

    void upuszczenie_data()
    {
        QTest::addColumn<QStringList>("nazwy");
        QTest::addColumn<bool>("naPole");
        QTest::addColumn<bool>("wczytany");
        QTest::newRow(".PTV na okno") << QStringList{"most.PTV"} << false << true;
        QTest::newRow(".ptv na pole") << QStringList{"most.ptv"} << true << true;
        QTest::newRow(".txt na okno") << QStringList{"most.txt"} << false << false;
        QTest::newRow(".txt na pole") << QStringList{"most.txt"} << true << false;
        QTest::newRow("dwa pliki .PTV") << QStringList{"a.PTV", "b.PTV"} << false << false;
    }

    void upuszczenie()
    {
        QFETCH(QStringList, nazwy);
        QFETCH(bool, naPole);
        QFETCH(bool, wczytany);
        QVERIFY(t_->Otworz());
        QStringList pliki;
        for (const QString& n : nazwy) pliki << Kopia(Belka, n);
        TPoleLiczbowe* b = Pole(Okno(), RxSE_B);
        QWidget* cel = naPole ? b->findChild<QLineEdit*>() : static_cast<QWidget*>(&Okno());
        bool przyjete = false;
        Przeciagnij(cel, pliki, przyjete);
        QCOMPARE(przyjete, wczytany);
        QCOMPARE(Okno().windowTitle().contains("[JNI: 12010001"), wczytany);
        QCOMPARE(b->Tekst(), QString::fromLatin1(wczytany ? "7,00" : "0,00"));
    }

    // Otwarte i zapisane pliki: najnowszy pierwszy, plik usunięty wyszarzony, wybór wczytuje.
    void ostatnioOtwierane()
    {
        QVERIFY(t_->Otworz());
        QVERIFY(!MenuOstatnie()->isEnabled());
        const QString a = Kopia(Belka, "a.PTV"), b = Kopia(Plyta, "b.PTV"), c = Kopia(Belka, "c.PTV");
        for (const QString& p : {a, b, c, b}) QVERIFY(Okno().OtworzPlik(p));
        QFile::remove(c);
        QTimer::singleShot(0, this, [this] {
            TZapiszJNI& d = Okno().OknoJNI();
            d.edJNI->setText("99999999");
            d.edNrP->setText("1");
            Komunikat(this);  // komunikat pierwszego zapisu
            d.bbOK->click();
        });
        Okno().findChild<QAction*>("acZapisz")->trigger();
        const QString zapisany = t_->Katalog() + "/JNI/99999999_1.PTV";
        emit MenuDane()->aboutToShow();
        QStringList pozycje;
        for (QAction* p : MenuOstatnie()->actions()) pozycje << p->text() + (p->isEnabled() ? "" : " (wyszarzony)");
        QCOMPARE(pozycje, QStringList({"&1 " + zapisany, "&2 " + b, "&3 " + c + " (wyszarzony)", "&4 " + a}));
        MenuOstatnie()->actions().at(3)->trigger();
        QCOMPARE(Pole(Okno(), RxSE_BB)->Tekst(), QStringLiteral("8,40"));
        QCOMPARE(TUstawieniaOkna().OstatniePliki().first(), a);
        QCOMPARE(TUstawieniaOkna().OstatniKatalog(), t_->Katalog());
    }

    // Ustawienia okna nie trafiają do PT.INI: sesja, która zmienia tylko je, zostawia
    // PT.INI bajt w bajt; położenie okna wraca w następnej sesji.
    void ustawieniaPozaPlikiemStanu()
    {
        QVERIFY(t_->Otworz());
        QVERIFY(Okno().OtworzPlik(Kopia(Belka, "most.PTV")));
        Okno().close();
        const QByteArray stan = Bajty(t_->Katalog() + "/PT.INI");
        QVERIFY(stan.contains("JNI=12010001"));

        QVERIFY(t_->Otworz());
        Okno().move(123, 77);
        TUstawieniaOkna().UstawOstatniKatalog(QDir::tempPath());
        TUstawieniaOkna().UstawPanelElementow(true);
        emit MenuDane()->aboutToShow();
        Okno().close();
        QCOMPARE(Bajty(t_->Katalog() + "/PT.INI"), stan);
        for (const char* obce : {"okno", "pliki", "geometria", "most.PTV"}) QVERIFY2(!stan.contains(obce), obce);

        QVERIFY(t_->Otworz());
        QCOMPARE(Okno().pos(), QPoint(123, 77));
        const QByteArray zapisane = Bajty(ustawienia_->Plik());
        for (const char* klucz : {"[okno]", "geometria=", "elementy=true", "[pliki]", "most.PTV"})
            QVERIFY2(zapisane.contains(klucz), zapisane.constData());
    }

    // Alt+D otwiera "Dane", Alt+R "Protokoły" (jak Alt+P "Pomoc").
    void mnemonikiMenu()
    {
        QVERIFY(t_->Otworz());
        const QList<QAction*> menu = Okno().menuBar()->actions();
        const struct {
            Qt::Key klawisz;
            int menu;
        } mnemoniki[] = {{Qt::Key_D, 0}, {Qt::Key_R, 1}, {Qt::Key_P, 2}};
        for (const auto& m : mnemoniki) {
            QTest::keyClick(&Okno(), m.klawisz, Qt::AltModifier);
            QTRY_VERIFY(menu[m.menu]->menu()->isVisible());
            menu[m.menu]->menu()->close();
        }
    }

    // Każdy przystanek Tab rysuje się inaczej z fokusem niż bez niego.
    void fokusWidoczny()
    {
        QVERIFY(t_->Otworz());
        QVERIFY(QTest::qWaitForWindowActive(&Okno()));
        // Styl rysuje fokus list dopiero po pierwszym Tab w oknie.
        Okno().setAttribute(Qt::WA_KeyboardFocusChange);
        QWidget* pierwszy = Lista(Okno(), tLista::CBPrzeslo);
        pierwszy->setFocus(Qt::TabFocusReason);
        QStringList niewidoczne;
        int przystanki = 0;
        do {
            QWidget* w = QApplication::focusWidget();
            QVERIFY(w);
            w->clearFocus();
            const QImage bez = w->grab().toImage();
            w->setFocus(Qt::TabFocusReason);
            if (w->grab().toImage() == bez) niewidoczne << w->objectName();
            QTest::keyClick(w, Qt::Key_Tab);
        } while (QApplication::focusWidget() != pierwszy && ++przystanki < 100);
        QVERIFY(przystanki > 15);
        QCOMPARE(niewidoczne.join(','), QString());
    }
};

QTEST_MAIN(TestGlowneOknoPulpit)
#include "TestGlowneOknoPulpit.moc"
