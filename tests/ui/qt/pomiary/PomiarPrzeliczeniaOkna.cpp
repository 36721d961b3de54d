// Pomiar: jedna zmiana pola w prawdziwym oknie (offscreen) na belce przegubowej
// z 45 przęsłami (91 elementów), razem z polami wyników i przerysowaniem szkicu.
// Uruchamianie: QT_QPA_PLATFORM=offscreen ./pomiar_qt_PomiarPrzeliczeniaOkna
// (mediana z N serii: -median N -iterations 200; czas procesora: -perf -perfcounter taskclock).
#include <QApplication>

#include "OknoTestowe.h"
#include "ui/qt/Szkic.h"

class PomiarPrzeliczeniaOkna : public QObject {
    Q_OBJECT

    std::unique_ptr<tOknoTestowe> t_;

private slots:
    void initTestCase()
    {
        PrzygotujTesty();
        t_ = std::make_unique<tOknoTestowe>();
        QVERIFY(t_->Otworz());
        tMost m = MostWielodzwigarowy();
        m.Schemat = 5;
        m.Przesla = 45;
        m.Dlugosci.clear();
        for (int w = 1; w <= 91; ++w) m.Dlugosci[w] = (w == 1 || w == 91) ? 2 : (w % 2 == 0 ? 15 : 3);
        UstawMost(t_->Okno(), m);
        QCOMPARE(t_->Okno().Przebieg().Obiekt().LiczbaElementow, 91);
        QVERIFY(t_->Okno().Przebieg().OstatniWynik().Poprawne());
    }

    // Jedna zmiana pola na obrót pętli (krok strzałki w górę, w następnym obrocie w dół)
    // i obsługa wszystkich zaległych zdarzeń: pola wyników, komunikaty i szkic odmalowane.
    void zmianaPola()
    {
        TPoleLiczbowe* a1 = Pole(t_->Okno(), RxSE_A1);
        int kierunek = 1;
        QBENCHMARK {
            a1->stepBy(kierunek);
            kierunek = -kierunek;
            QCoreApplication::processEvents();
        }
        QVERIFY(t_->Okno().Przebieg().OstatniWynik().Poprawne());
    }

    // To samo dla pola długości przęsła: zmiana długości przebudowuje też edytor (91 wierszy).
    void zmianaDlugosci()
    {
        TPoleLiczbowe* przeslo = Pole(t_->Okno(), PoleDlugosci(46));
        int kierunek = 1;
        QBENCHMARK {
            przeslo->stepBy(kierunek);
            kierunek = -kierunek;
            QCoreApplication::processEvents();
        }
        QVERIFY(t_->Okno().Przebieg().OstatniWynik().Poprawne());
    }

    // Dla porównania: samo przeliczenie przebiegu na tym samym widoku, bez odmalowania.
    void samoPrzeliczenie()
    {
        QBENCHMARK { t_->Okno().Przebieg().Przelicz(); }
    }

    void cleanupTestCase() { t_.reset(); }
};

QTEST_MAIN(PomiarPrzeliczeniaOkna)
#include "PomiarPrzeliczeniaOkna.moc"
