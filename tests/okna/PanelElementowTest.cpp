// Panel "Elementy" w oknie offscreen: przełączany akcją i zapamiętany w magazynie ustawień
// dla nowego okna, kopiowanie do schowka, Ctrl+C nadal "Wczytaj", dymki elementów szkicu
// i widoku podłużnego. Zrzuty panelu robi program tools/zrzuty.
#include <QAction>
#include <QClipboard>
#include <QDockWidget>
#include <QFileDialog>
#include <QHelpEvent>
#include <QItemSelectionModel>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QSettings>
#include <QSignalSpy>
#include <QTableView>
#include <QTimer>
#include <QToolTip>

#include "OknoTestowe.h"
#include "okna/glowne/TPanelElementow.h"
#include "okna/rysunki/TSzkic.h"
#include "okna/rysunki/TWidokPodluzny.h"

namespace {
QString Przypadek(const char* nazwa)
{
    return QStringLiteral(PONTIVA_DANE_TESTOWE "/przypadki/%1/obiekt.PTV").arg(QString::fromLatin1(nazwa));
}

// Tekst dymka, który widżet pokazuje nad punktem.
QString Dymek(QWidget* w, QPoint punkt)
{
    QToolTip::hideText();
    QHelpEvent zdarzenie(QEvent::ToolTip, punkt, w->mapToGlobal(punkt));
    QApplication::sendEvent(w, &zdarzenie);
    return QToolTip::text();
}
}  // namespace

class TestPanelElementow : public QObject {
    Q_OBJECT

    QTemporaryDir ustawienia_;
    std::unique_ptr<tOknoTestowe> t_;
    TGlowneOkno& Okno() { return t_->Okno(); }
    QAction* AkcjaElementy() { return Okno().findChild<QAction*>(QStringLiteral("acElementy")); }

private slots:
    void initTestCase()
    {
        QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, ustawienia_.path());
    }

    void init()
    {
        QSettings().clear();  // każdy test zaczyna od ukrytego panelu
        t_ = std::make_unique<tOknoTestowe>();
        QVERIFY(t_->Otworz());
    }

    void cleanup() { t_.reset(); }

    // Domyślnie ukryty; pokazany poszerza okno do całej tabeli i dokłada mu wysokości tyle, ile
    // zmieści ekran testów (768 pikseli, mniej niż okno z całym panelem; resztę przewijają
    // panele danych: EkranTest). Nowe okno pamięta panel i rozmiar z nim (panel nie dokłada
    // drugi raz), a schowany panel oddaje oknu poprzedni rozmiar. Wysokość panelu ustawiona
    // przez użytkownika i szerokość okna zostają po schowaniu i ponownym pokazaniu panelu.
    void przelaczanyIZapamietany()
    {
        QVERIFY(Okno().PanelElementow().isHidden());
        const QSize rozmiar = Okno().size();
        AkcjaElementy()->trigger();
        TPanelElementow& panel = Okno().PanelElementow();
        QVERIFY(panel.isVisible());
        QCOMPARE(panel.Tabela()->horizontalScrollBar()->maximum(), 0);
        const QRect ekran = Okno().screen()->availableGeometry();
        QCOMPARE(Okno().frameGeometry().top(), ekran.top());
        QCOMPARE(Okno().frameGeometry().bottom(), ekran.bottom());
        Okno().setGeometry({QPoint(100, 40), rozmiar + QSize(0, 140)});  // niższe niż z całym panelem
        const QRect zPanelem = Okno().frameGeometry();
        Okno().close();
        QVERIFY(t_->Otworz());
        QVERIFY(Okno().PanelElementow().isVisible());
        QVERIFY(AkcjaElementy()->isChecked());
        QCOMPARE(Okno().frameGeometry(), zPanelem);
        AkcjaElementy()->trigger();
        QTRY_COMPARE(Okno().size(), rozmiar);

        AkcjaElementy()->trigger();
        const int wysokosc = Okno().PanelElementow().height() + 40;
        Okno().resize(Okno().width() + 30, Okno().height());
        QCoreApplication::processEvents();
        Okno().resizeDocks({&Okno().PanelElementow()}, {wysokosc}, Qt::Vertical);
        QTRY_COMPARE(Okno().PanelElementow().height(), wysokosc);
        const int szerokosc = Okno().width();
        AkcjaElementy()->trigger();
        QTRY_COMPARE(Okno().height(), rozmiar.height());  // panele danych jak przed pokazaniem panelu
        QCOMPARE(Okno().width(), szerokosc);
        AkcjaElementy()->trigger();
        QTRY_COMPARE(Okno().PanelElementow().height(), wysokosc);
        QCOMPARE(Okno().width(), szerokosc);
        QVERIFY(t_->Otworz());
        AkcjaElementy()->trigger();
        QVERIFY(t_->Otworz());
        QVERIFY(Okno().PanelElementow().isHidden());
        QCOMPARE(QSettings().value(QStringLiteral("okno/elementy")).toBool(), false);
    }

    // Przy domyślnym rozmiarze nic nie jest ucięte: nazwa każdego rodzaju elementu mieści się
    // w kolumnie "Rodzaj", długi powód odrzucenia danych łamie się w wierszu stanu.
    void nicNieUciete()
    {
        AkcjaElementy()->trigger();
        QTableView* tabela = Okno().PanelElementow().Tabela();
        for (const char* przypadek : {"pn85_przegubowa_lewe_ramie", "pn85_p0"}) {
            Okno().Przebieg().WczytajDane(Przypadek(przypadek).toStdString());
            for (int w = 0; w < tabela->model()->rowCount(); ++w) {
                const QString rodzaj = tabela->model()->index(w, 2).data().toString();
                QVERIFY2(tabela->fontMetrics().horizontalAdvance(rodzaj) < tabela->columnWidth(2), qPrintable(rodzaj));
            }
        }
        Pole(Okno(), RxSE_C1)->UstawWartosc(Pole(Okno(), RxSE_C1)->Wartosc() + 1);
        auto* stan = Okno().PanelElementow().findChild<QWidget*>(QStringLiteral("StanElementow"));
        QFont pogrubiona = stan->font();
        pogrubiona.setBold(true);
        const QRect potrzebny = QFontMetrics(pogrubiona).boundingRect(stan->rect(), Qt::TextWordWrap, stan->toolTip());
        QVERIFY2(stan->toolTip().startsWith(QStringLiteral("Dane odrzucone")) && potrzebny.height() <= stan->height() &&
                     potrzebny.width() <= stan->width(),
                 qPrintable(stan->toolTip()));
    }

    // Przycisk i menu podręczne: zaznaczone wiersze, bez zaznaczenia cała tabela.
    void kopiujeDoSchowka()
    {
        Okno().Przebieg().WczytajDane(Przypadek("pn85_przegubowa_lewe_ramie").toStdString());
        AkcjaElementy()->trigger();
        TPanelElementow& panel = Okno().PanelElementow();
        QItemSelectionModel* zaznaczenie = panel.Tabela()->selectionModel();
        for (int w : {2, 4})
            zaznaczenie->select(panel.Tabela()->model()->index(w, 0),
                                QItemSelectionModel::Select | QItemSelectionModel::Rows);
        QTest::mouseClick(panel.PrzyciskKopiuj(), Qt::LeftButton);
        QStringList wiersze = QApplication::clipboard()->text().split('\n', Qt::SkipEmptyParts);
        QCOMPARE(wiersze.size(), 3);
        QVERIFY(wiersze[0].startsWith(QStringLiteral("Nr\tElement\t")));
        QVERIFY(wiersze[1].startsWith(QString::fromUtf8("3\tWspornik nr 1\t")));
        QVERIFY(wiersze[2].startsWith(QString::fromUtf8("▼ 5\tWspornik nr 2\t")));
        zaznaczenie->clearSelection();
        panel.Tabela()->findChild<QAction*>(QStringLiteral("acKopiujElementy"))->trigger();
        QCOMPARE(QApplication::clipboard()->text().count('\n'), 8);
        // Przeliczenie z tą samą liczbą wierszy: zmienione wiersze odświeżone, zaznaczenie zostaje.
        zaznaczenie->select(panel.Tabela()->model()->index(1, 0), QItemSelectionModel::Select | QItemSelectionModel::Rows);
        QSignalSpy zmiany(panel.Tabela()->model(), &QAbstractItemModel::dataChanged);
        Pole(Okno(), PoleDlugosci(2))->UstawWartosc(21);
        QVERIFY(!zmiany.isEmpty() && zaznaczenie->isRowSelected(1));
    }

    // Ctrl+C w tabeli otwiera "Wczytaj" jak wszędzie w oknie, niczego nie kopiuje.
    void ctrlCWTabeliWczytuje()
    {
        AkcjaElementy()->trigger();
        QTableView* tabela = Okno().PanelElementow().Tabela();
        tabela->setFocus();
        tabela->setCurrentIndex(tabela->model()->index(0, 0));
        QApplication::clipboard()->clear();
        QString otwarte;
        QTimer::singleShot(50, [&] {
            if (auto* d = qobject_cast<QFileDialog*>(QApplication::activeModalWidget())) {
                otwarte = d->windowTitle();
                d->reject();
            }
        });
        QTest::keyClick(tabela, Qt::Key_C, Qt::ControlModifier);
        QCOMPARE(otwarte, QStringLiteral("Wczytaj"));
        QVERIFY(QApplication::clipboard()->text().isEmpty());
    }

    // Nad elementem szkicu: dymek ogólny, a pod nim nazwa, długość i masa elementu; widok
    // podłużny rośnie z czcionką.
    // Przęsło nr 1 belki (2 + 20 + … = 69,3 m) leży na x = 5 + 303 · 2/69,3 … 5 + 303 · 22/69,3.
    void dymkiElementow()
    {
        Okno().Przebieg().WczytajDane(Przypadek("pn85_przegubowa_lewe_ramie").toStdString());
        TSzkic* szkic = Okno().findChild<TSzkic*>(QStringLiteral("Szkic"));
        QCOMPARE(Dymek(szkic, {60, 5}), szkic->toolTip() + QString::fromUtf8("\n\nPrzęsło nr 1\nDługość: 20,00 m\n"
                                                                             "Masa pojazdu: 42,00 t"));
        QCOMPARE(Dymek(szkic, {2, 5}), szkic->toolTip());
        AkcjaElementy()->trigger();
        TWidokPodluzny* widok = Okno().PanelElementow().WidokPodluzny();
        const tProstokat& p = widok->Rysunek().Elementy[4].Pole;
        QVERIFY(Dymek(widok, {p.X + p.Szer / 2, p.Y + 2}).startsWith(QString::fromUtf8("Nr: ▼ 5\nElement: Wspornik nr 2\n")));
        // Większa czcionka: wyższy widok i rysunek na nowo.
        const int wysokosc = widok->height(), belka = widok->Rysunek().Belka.Y;
        QFont f = widok->font();
        f.setPointSizeF(f.pointSizeF() * 2);
        widok->setFont(f);
        QCOMPARE(widok->height() > wysokosc, true);
        QCOMPARE(widok->Rysunek().Belka.Y > belka, true);
    }
};

TEST_OKIEN(TestPanelElementow)
#include "PanelElementowTest.moc"
