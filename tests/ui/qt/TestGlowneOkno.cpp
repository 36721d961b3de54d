// Okno główne offscreen: wpisywanie i strzałki przeliczają, wyniki i obszar komunikatów,
// przycinanie przy utracie fokusu, lista klas, tytuł, plik stanu; zrzuty do PNG.
#include <QApplication>
#include <QDialog>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QToolBar>
#include <QPushButton>
#include <QStyleOptionSpinBox>
#include <QTemporaryDir>
#include <QTimer>
#include <QToolTip>
#include <memory>

#include "OknoTestowe.h"
#include "ui/qt/RegionalneQt.h"
#include "ui/qt/Szkic.h"
#include "ui/qt/TZapiszJNI.h"

namespace {
const QString BladSum = QString::fromUtf8("BŁĄD WYMIARÓW PRZEKROJU POPRZECZNEGO");
}

class TestGlowneOkno : public QObject {
    Q_OBJECT

    std::unique_ptr<tOknoTestowe> t_;
    TGlowneOkno& Okno() { return t_->Okno(); }

private slots:
    void initTestCase() { PrzygotujTesty(); }

    void init()
    {
        t_ = std::make_unique<tOknoTestowe>();
        QVERIFY(t_->Otworz());
    }

    void cleanup() { t_.reset(); }

    // Pierwsze uruchomienie w pustym katalogu: pierwsze pozycje list, jedno przęsło, zera.
    void pierwszeUruchomienie()
    {
        QVERIFY(QDir(t_->Katalog() + "/JNI").exists());
        for (int l = 0; l < 4; ++l) QCOMPARE(Lista(Okno(), static_cast<tLista>(l))->currentIndex(), 0);
        QCOMPARE(Lista(Okno(), tLista::CBKlasa)->count(), 3);
        QCOMPARE(Pole(Okno(), IlePrzesel)->Tekst(), QStringLiteral("1"));
        QCOMPARE(Pole(Okno(), RxSE_B)->Tekst(), QStringLiteral("0,00"));
        QCOMPARE(Okno().windowTitle(), QString::fromUtf8("Pontiva obiektów mostowych "));
        QVERIFY(Okno().Kontrolki().Komunikaty->isVisible());
        for (int i = 0; i < 5; ++i) QVERIFY(Wynik(Okno(), i).isEmpty());
    }

    // Każdy wpisany znak przelicza: w trakcie wpisywania B widać błąd sum, po ostatnim
    // znaku wynik zgodny z obiektem policzonym wprost.
    void wpisywaniePrzeliczaPoKazdymZnaku()
    {
        tMost m = MostWielodzwigarowy();
        UstawMost(Okno(), m);
        SprawdzWyniki(Okno(), Wzorzec(m));

        TPoleLiczbowe* b = Pole(Okno(), RxSE_B);
        Wyczysc(b);
        Wpisz(b, QStringLiteral("6,5"));
        QCOMPARE(b->Tekst(), QStringLiteral("6,5"));
        QVERIFY(Komunikaty(Okno()).startsWith(BladSum + "\n\n"));
        QVERIFY(Wynik(Okno(), 0).isEmpty());

        TPoleLiczbowe* B = Pole(Okno(), RxSE_BB);
        Wyczysc(B);
        Wpisz(B, QStringLiteral("8"));
        QVERIFY(Komunikaty(Okno()).startsWith(BladSum));
        Wpisz(B, QStringLiteral(".5"));  // kropka też jest separatorem
        m.Szerokosci[RxSE_B] = 6.5;
        m.Szerokosci[RxSE_BB] = 8.5;
        SprawdzWyniki(Okno(), Wzorzec(m));
        QCOMPARE(B->Tekst(), QStringLiteral("8.5"));  // tekst zostaje taki, jak wpisany
    }

    void bladWBarwachBledu()
    {
        tMost m = MostWielodzwigarowy();
        UstawMost(Okno(), m);
        QTextEdit* k = Okno().Kontrolki().Komunikaty;
        QVERIFY(!k->font().bold());
        QCOMPARE(k->palette().color(QPalette::Base), QApplication::palette().color(QPalette::Base));

        Pole(Okno(), RxSE_C1)->UstawWartosc(2);
        const QStringList linie = Komunikaty(Okno()).split('\n');
        QCOMPARE(linie.size(), 4);  // nagłówek, pusty wiersz, dwie części komunikatu
        QCOMPARE(linie[0], BladSum);
        QVERIFY(linie[1].isEmpty());
        QVERIFY(k->font().bold());
        QCOMPARE(k->palette().color(QPalette::Base), QColor(Qt::red));
        QCOMPARE(k->palette().color(QPalette::Text), QColor(Qt::white));
        for (int i = 0; i < 5; ++i) QVERIFY(Wynik(Okno(), i).isEmpty());
        ZapiszZrzut(Okno(), QStringLiteral("glowne_okno_blad"));

        Pole(Okno(), RxSE_C1)->UstawWartosc(1.5);
        QVERIFY(!k->font().bold());
        QCOMPARE(k->palette().color(QPalette::Base), QApplication::palette().color(QPalette::Base));
    }

    // Strzałka klawiatury i kliknięcie strzałki pola: krok z tablicy pól, dwa miejsca,
    // przeliczenie po każdym kroku, przycięcie na granicy zakresu.
    void strzalkiPrzeliczaja()
    {
        tMost m = MostWielodzwigarowy();
        UstawMost(Okno(), m);

        TPoleLiczbowe* przeslo = Pole(Okno(), PoleDlugosci(2));
        przeslo->setFocus();
        QTest::keyClick(przeslo, Qt::Key_Up);
        QCOMPARE(przeslo->Tekst(), QStringLiteral("17,00"));
        m.Dlugosci[2] = 17;
        SprawdzWyniki(Okno(), Wzorzec(m));

        TPoleLiczbowe* n = Pole(Okno(), RxSE_N);
        QStyleOptionSpinBox opcje;
        opcje.initFrom(n);
        opcje.subControls = QStyle::SC_SpinBoxUp | QStyle::SC_SpinBoxDown | QStyle::SC_SpinBoxFrame;
        opcje.stepEnabled = QAbstractSpinBox::StepUpEnabled | QAbstractSpinBox::StepDownEnabled;
        const QRect gora = n->style()->subControlRect(QStyle::CC_SpinBox, &opcje, QStyle::SC_SpinBoxUp, n);
        QTest::mouseClick(n, Qt::LeftButton, {}, gora.center());
        QCOMPARE(n->Tekst(), QStringLiteral("6"));
        m.Szerokosci[RxSE_N] = 6;
        SprawdzWyniki(Okno(), Wzorzec(m));

        n->UstawWartosc(39.6);  // ustawiane przez program: zaokrąglone do liczby całkowitej
        QCOMPARE(n->Tekst(), QStringLiteral("40"));
        n->stepBy(1);
        QCOMPARE(n->Tekst(), QStringLiteral("40"));
        TPoleLiczbowe* e1 = Pole(Okno(), RxSE_E1);
        e1->UstawWartosc(-99.96);
        e1->stepBy(-1);
        QCOMPARE(e1->Tekst(), QStringLiteral("-100,00"));
        Pole(Okno(), RxSE_A1)->UstawWartosc(0.126);
        QCOMPARE(Pole(Okno(), RxSE_A1)->Tekst(), QStringLiteral("0,13"));
    }

    // Tekst spoza zakresu liczy się tak, jak wpisany, do utraty fokusu; potem zostaje
    // przycięty. Tekst nieliczbowy czyta się jako minimum i zostaje.
    void utrataFokusuPrzycina()
    {
        UstawMost(Okno(), MostWielodzwigarowy());
        TPoleLiczbowe* b = Pole(Okno(), RxSE_B);
        Wyczysc(b);
        Wpisz(b, QStringLiteral("150"));
        QCOMPARE(b->Wartosc(), 150.0);
        QCOMPARE(Okno().Przebieg().Obiekt().b, 150.0);
        Pole(Okno(), RxSE_BB)->setFocus();
        QCOMPARE(b->Tekst(), QStringLiteral("100,00"));
        QCOMPARE(Okno().Przebieg().Obiekt().b, 100.0);  // przycięcie też przelicza

        TPoleLiczbowe* e2 = Pole(Okno(), RxSE_E2);
        Wyczysc(e2);
        Wpisz(e2, QStringLiteral("x1"));
        QCOMPARE(e2->Wartosc(), -100.0);
        QCOMPARE(Okno().Przebieg().Obiekt().e2, -100.0);
        b->setFocus();
        QCOMPARE(e2->Tekst(), QStringLiteral("x1"));
    }

    // Przekrój płytowy: siła poprzeczna nie dotyczy, więc TN i TP są puste, a moment
    // i nośność widoczne.
    void plytaBezSilyPoprzecznej()
    {
        tMost m;
        m.Przekroj = 4;
        m.Szerokosci = {{RxSE_A1, 0.5}, {RxSE_A2, 0.5}, {RxSE_B, 7}, {RxSE_P, 8}};
        m.Dlugosci = {{2, 12}};
        UstawMost(Okno(), m);
        const tWzorzec w = Wzorzec(m);
        QVERIFY(w.Pola[1].isEmpty());
        SprawdzWyniki(Okno(), w);
        QVERIFY(!Wynik(Okno(), 0).isEmpty());
        QVERIFY(!Wynik(Okno(), 4).isEmpty());
    }

    // Reguła listy klas: między normatywami innymi niż PN-85/S-10030 wybór zostaje,
    // przejście na PN-85/S-10030 i z powrotem wraca do pierwszej klasy.
    void listaKlas()
    {
        QComboBox* normatyw = Lista(Okno(), tLista::CBNormatyw);
        QComboBox* klasa = Lista(Okno(), tLista::CBKlasa);
        const QStringList rzymskie = {"Klasa I", "Klasa II", "Klasa III"};
        auto pozycje = [&] {
            QStringList l;
            for (int i = 0; i < klasa->count(); ++i) l << klasa->itemText(i);
            return l;
        };
        QCOMPARE(pozycje(), rzymskie);
        klasa->setCurrentIndex(2);
        normatyw->setCurrentIndex(4);
        QCOMPARE(klasa->currentIndex(), 2);
        normatyw->setCurrentIndex(5);
        QCOMPARE(pozycje(), QStringList({"Klasa \"A\"", "Klasa \"B\"", "Klasa \"C\"", "Klasa \"D\"", "Klasa \"E\""}));
        QCOMPARE(klasa->currentIndex(), 0);
        klasa->setCurrentIndex(4);
        QCOMPARE(Okno().Przebieg().Obiekt().Klasa, 4);
        normatyw->setCurrentIndex(6);
        QCOMPARE(pozycje(), rzymskie);
        QCOMPARE(klasa->currentIndex(), 0);
        QCOMPARE(Okno().Przebieg().Obiekt().Normatyw, 6);
    }

    void tytulZInformacji()
    {
        QTimer::singleShot(0, this, [this] {
            TZapiszJNI& d = Okno().OknoJNI();
            QCOMPARE(d.bbOK->text(), QStringLiteral("OK"));
            d.edJNI->setText("99999999");
            d.edNrP->setText("1");
            d.edDroga->setText(" DK7 ");
            d.edKm->setText("12+300");
            d.bbOK->click();
        });
        Okno().findChild<QAction*>("acInfo")->trigger();
        QCOMPARE(Okno().windowTitle(),
                 QString::fromUtf8("Pontiva obiektów mostowych [JNI: 99999999 NrP: 1](dr:DK7 km: 12+300)"));
    }

    // Zamknięcie zapisuje PT.INI; następne okno odtwarza ostatni most.
    void plikStanu()
    {
        tMost m = MostWielodzwigarowy();
        m.Klasa = 2;
        UstawMost(Okno(), m);
        Okno().close();
        QVERIFY(QFile::exists(t_->Katalog() + "/PT.INI"));
        QVERIFY(t_->Otworz());
        QCOMPARE(Lista(Okno(), tLista::CBNormatyw)->currentIndex(), 5);
        QCOMPARE(Lista(Okno(), tLista::CBKlasa)->currentIndex(), 2);
        QCOMPARE(Pole(Okno(), RxSE_BB)->Tekst(), QStringLiteral("9,00"));
        QCOMPARE(Pole(Okno(), PoleDlugosci(2))->Tekst(), QStringLiteral("16,00"));
        SprawdzWyniki(Okno(), Wzorzec(m));
    }

    void akcje_data()
    {
        QTest::addColumn<QString>("nazwa");
        QTest::addColumn<QString>("podpis");
        QTest::addColumn<QString>("dymek");
        QTest::addColumn<QString>("skrot");
        auto wiersz = [](const char* n, const char* p, const char* d, const char* s) {
            QTest::newRow(n) << QString(n) << QString::fromUtf8(p) << QString::fromUtf8(d) << QString(s);
        };
        wiersz("acInfo", "Informacje", "Informacje o obiekcie", "Ctrl+I");
        wiersz("acWczytaj", "Wczytaj", "Wczytanie danych", "Ctrl+C");
        wiersz("acRaport", "Raport", "Wyświetlenie raportu", "Ctrl+R");
        wiersz("acZapisz", "Zapisz", "Zapisanie danych", "Ctrl+Z");
        wiersz("acNormy", "Różne normy", "Przeliczenia dla różnych norm", "Ctrl+N");
        wiersz("acSlad", "Ślad obliczeń", "Szczegółowy ślad obliczeń", "");
        wiersz("acNaTemat", "Pomoc na temat", "Pomoc do programu", "");
        wiersz("acAbout", "O programie", "O programie", "");
    }

    void akcje()
    {
        QFETCH(QString, nazwa);
        QFETCH(QString, podpis);
        QFETCH(QString, dymek);
        QFETCH(QString, skrot);
        auto* a = Okno().findChild<QAction*>(nazwa);
        QVERIFY(a);
        QCOMPARE(a->text(), podpis);
        QCOMPARE(a->toolTip(), dymek);
        QCOMPARE(a->shortcut().toString(), skrot);
    }

    void paskiIMenu()
    {
        auto nazwy = [](const QList<QAction*>& akcje) {
            QStringList l;
            for (QAction* a : akcje) l << (a->isSeparator() ? QStringLiteral("|") : a->text());
            return l;
        };
        auto* pasek = Okno().findChild<QToolBar*>("PasekNarzedzi");
        QCOMPARE(nazwy(pasek->actions()).join(','), QString::fromUtf8("Informacje,Wczytaj,Raport,Zapisz,|,Różne normy,"
                                                                      "Ślad obliczeń,|,Pomoc na temat,O programie"));
        QStringList menu;
        for (QAction* m : Okno().menuBar()->actions()) menu << m->text() + ":" + nazwy(m->menu()->actions()).join(',');
        QCOMPARE(menu, QStringList({"&Dane:Informacje,Raport,Zapisz,Wczytaj,Ostatnio otwierane,|,Koniec",
                                    QString::fromUtf8("P&rotokoły:Różne normy,Ślad obliczeń"),
                                    "&Pomoc:Pomoc na temat,O programie"}));
        QCOMPARE(Okno().findChild<QAction*>("acKoniec")->shortcut().toString(), QStringLiteral("Ctrl+K"));
        QCOMPARE(pasek->widgetForAction(pasek->actions()[0])->toolTipDuration(), 10000);
    }

    // Ctrl+Z w polu liczbowym to "Zapisz" okna, nie cofanie edycji.
    void skrotOknaWPolu()
    {
        bool wywolane = false;
        QTimer::singleShot(0, this, [&] {
            wywolane = Okno().OknoJNI().isVisible();
            QCOMPARE(Okno().OknoJNI().bbOK->text(), QStringLiteral("Zapisz"));
            Okno().OknoJNI().reject();
        });
        TPoleLiczbowe* b = Pole(Okno(), RxSE_B);
        b->setFocus();
        QTest::keyClick(b, Qt::Key_Z, Qt::ControlModifier);
        QVERIFY(wywolane);
    }

    // Dymki: żółte tło, 10 s, teksty list z podziałem wierszy.
    void dymki()
    {
        QCOMPARE(QToolTip::palette().color(QPalette::ToolTipBase), QColor(Qt::yellow));
        QComboBox* normatyw = Lista(Okno(), tLista::CBNormatyw);
        QCOMPARE(normatyw->toolTipDuration(), 10000);
        QCOMPARE(normatyw->toolTip().split('\n').size(), 3);
        QCOMPARE(Lista(Okno(), tLista::CBSchemat)->toolTip(),
                 QString::fromUtf8("Wybierz schemat statyczny obiektu\nz rozwijalnej listy."));
        QCOMPARE(Okno().findChild<QWidget*>("PanelPrzekroju")->toolTip(),
                 QString::fromUtf8("Wszystkie wymiary podawaj w metrach"));
        QCOMPARE(Okno().findChild<QWidget*>("PanelWynikow")->toolTip(), QStringLiteral("OKNO WYNIKOWE"));
        QVERIFY(Okno().Kontrolki().Szkic->toolTip().startsWith(QString::fromUtf8("Szkic przekroju podłużnego.\n1. ")));

        QToolTip::showText(normatyw->mapToGlobal(QPoint(5, 5)), normatyw->toolTip(), normatyw, {},
                           normatyw->toolTipDuration());
        QWidget* dymek = nullptr;
        for (QWidget* w : QApplication::topLevelWidgets())
            if (w->inherits("QTipLabel") && w->isVisible()) dymek = w;
        QVERIFY(dymek);
        const QImage obraz = dymek->grab().toImage();
        QCOMPARE(obraz.pixelColor(obraz.width() / 2, 2), QColor(Qt::yellow));
        ZapiszZrzut(*dymek, QStringLiteral("dymek_normatywu"));
        QToolTip::hideText();
    }

    // Separator dziesiętny i krótka data z ustawień regionalnych użytkownika.
    void regionalne()
    {
        UstawRegionalne(QLocale(QLocale::English, QLocale::UnitedStates));
        QCOMPARE(Regionalne().SeparatorDziesietny, '.');
        QCOMPARE(Regionalne().FormatDatyKrotkiej, std::string("M/d/yy"));
        Pole(Okno(), RxSE_B)->UstawWartosc(7.25);
        QCOMPARE(Pole(Okno(), RxSE_B)->Tekst(), QStringLiteral("7.25"));
        UstawRegionalne(QLocale(QLocale::Polish, QLocale::Poland));
        QCOMPARE(Regionalne().SeparatorDziesietny, ',');
        QCOMPARE(Regionalne().FormatDatyKrotkiej, std::string("d.MM.yyyy"));
        Pole(Okno(), RxSE_B)->UstawWartosc(7.5);
        QCOMPARE(Pole(Okno(), RxSE_B)->Tekst(), QStringLiteral("7,50"));
    }

    // "Koniec" zamyka okno i zapisuje plik stanu.
    void koniec()
    {
        Okno().findChild<QAction*>("acKoniec")->trigger();
        QVERIFY(!Okno().isVisible());
        QVERIFY(QFile::exists(t_->Katalog() + "/PT.INI"));
    }

    void zrzuty()
    {
        tMost m = MostWielodzwigarowy();
        UstawMost(Okno(), m);
        ZapiszZrzut(Okno(), QStringLiteral("glowne_okno"));
        m.Przekroj = 5;
        m.Schemat = 6;
        m.Przesla = 3;
        m.Szerokosci[RxSE_G1] = 0.5;
        m.Szerokosci[RxSE_G2] = 0.5;
        m.Dlugosci = {{1, 2}, {2, 12}, {3, 3}, {4, 14}, {5, 3}, {6, 12}, {7, 2}};
        UstawMost(Okno(), m);
        ZapiszZrzut(Okno(), QStringLiteral("glowne_okno_przegubowa"));
    }
};

QTEST_MAIN(TestGlowneOkno)
#include "TestGlowneOkno.moc"
