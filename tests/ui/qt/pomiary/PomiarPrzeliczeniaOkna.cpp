// Pomiar: jedna zmiana pola w prawdziwym oknie (offscreen) na belce przegubowej
// z 45 przęsłami (91 elementów), razem z polami wyników i przerysowaniem szkicu.
// Uruchamianie: QT_QPA_PLATFORM=offscreen ./pomiar_qt_PomiarPrzeliczeniaOkna
// (mediana z N serii: -median N -iterations 200; czas procesora: -perf -perfcounter taskclock).
#include <QApplication>
#include <QTemporaryDir>

#include "OknoTestowe.h"
#include "ui/qt/Szkic.h"

class PomiarPrzeliczeniaOkna : public QObject {
    Q_OBJECT

    QTemporaryDir dane_;
    std::unique_ptr<TGlowneOkno> okno_;

private slots:
    void initTestCase()
    {
        PrzygotujTesty();
        UstawKatalogDanych(dane_.path().toStdString());
        okno_ = std::make_unique<TGlowneOkno>();
        okno_->show();
        QVERIFY(QTest::qWaitForWindowExposed(okno_.get()));
        tMost m = MostWielodzwigarowy();
        m.Schemat = 5;
        m.Przesla = 45;
        m.Dlugosci.clear();
        for (int w = 1; w <= 91; ++w) m.Dlugosci[w] = (w == 1 || w == 91) ? 2 : (w % 2 == 0 ? 15 : 3);
        UstawMost(*okno_, m);
        QCOMPARE(okno_->Przebieg().Obiekt().LiczbaElementow, 91);
        QVERIFY(okno_->Przebieg().OstatniWynik().Poprawne());
    }

    // Jedna zmiana pola na obrót pętli (krok strzałki w górę, w następnym obrocie w dół)
    // i obsługa wszystkich zaległych zdarzeń: pola wyników, komunikaty i szkic odmalowane.
    void zmianaPola()
    {
        TPoleLiczbowe* a1 = Pole(*okno_, RxSE_A1);
        int kierunek = 1;
        QBENCHMARK {
            a1->stepBy(kierunek);
            kierunek = -kierunek;
            QCoreApplication::processEvents();
        }
        QVERIFY(okno_->Przebieg().OstatniWynik().Poprawne());
    }

    // Dla porównania: samo przeliczenie przebiegu na tym samym widoku, bez odmalowania.
    void samoPrzeliczenie()
    {
        QBENCHMARK { okno_->Przebieg().Przelicz(); }
    }

    void cleanupTestCase()
    {
        okno_.reset();
        UstawKatalogDanych("");
    }
};

QTEST_MAIN(PomiarPrzeliczeniaOkna)
#include "PomiarPrzeliczeniaOkna.moc"
