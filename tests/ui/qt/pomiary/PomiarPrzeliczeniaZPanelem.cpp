// Pomiar jak PomiarPrzeliczeniaOkna (belka przegubowa, 45 przęseł, 91 elementów), ale
// z pokazanym panelem "Elementy": przeliczenie, tabela, widok podłużny i szkic odmalowane.
// Uruchamianie: QT_QPA_PLATFORM=offscreen ./pomiar_qt_PomiarPrzeliczeniaZPanelem -median 9 -iterations 200
#include <QAction>
#include <QApplication>
#include <QSettings>
#include <QTemporaryDir>

#include "OknoTestowe.h"
#include "ui/qt/PanelElementow.h"

class PomiarPrzeliczeniaZPanelem : public QObject {
    Q_OBJECT

    QTemporaryDir ustawienia_;
    std::unique_ptr<tOknoTestowe> t_;

    void Zmiany(tPole pole)
    {
        TPoleLiczbowe* p = Pole(t_->Okno(), pole);
        int kierunek = 1;
        QBENCHMARK {
            p->stepBy(kierunek);
            kierunek = -kierunek;
            QCoreApplication::processEvents();
        }
        QVERIFY(t_->Okno().Przebieg().OstatniWynik().Poprawne());
    }

private slots:
    void initTestCase()
    {
        PrzygotujTesty();
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, ustawienia_.path());
        t_ = std::make_unique<tOknoTestowe>();
        QVERIFY(t_->Otworz());
        tMost m = MostWielodzwigarowy();
        m.Schemat = 5;
        m.Przesla = 45;
        for (int w = 1; w <= 91; ++w) m.Dlugosci[w] = (w == 1 || w == 91) ? 2 : (w % 2 == 0 ? 15 : 3);
        UstawMost(t_->Okno(), m);
        t_->Okno().findChild<QAction*>(QStringLiteral("acElementy"))->trigger();
        QCoreApplication::processEvents();
        QVERIFY(t_->Okno().PanelElementow().isVisible());
        QCOMPARE(t_->Okno().Przebieg().Tabela().Wiersze.size(), size_t(91));
    }

    // Jedna zmiana pola na obrót pętli (strzałka w górę, potem w dół) i wszystkie zaległe
    // zdarzenia: pola wyników, komunikaty, szkic, tabela i widok podłużny odmalowane.
    // Opaska a1 + 0,1 psuje sumę szerokości: co drugi krok dane są odrzucone, więc panel
    // na zmianę traci i odzyskuje 91 wierszy (najgorszy przypadek).
    void zmianaPolaZPanelem() { Zmiany(RxSE_A1); }

    // Długość przęsła: każdy krok poprawny, tabela zmienia tylko komórki.
    void zmianaDlugosciZPanelem() { Zmiany(PoleDlugosci(46)); }

    void cleanupTestCase() { t_.reset(); }
};

QTEST_MAIN(PomiarPrzeliczeniaZPanelem)
#include "PomiarPrzeliczeniaZPanelem.moc"
