// Pomiar: jedna zmiana pola w prawdziwym oknie (offscreen) na belce przegubowej
// z 45 przęsłami (91 elementów), razem z polami wyników i przerysowaniem szkicu.
// Budowany, gdy jest Qt 6; nie jest testem CTest. Uruchamianie z katalogu budowy:
//   QT_QPA_PLATFORM=offscreen ./pomiar_okna
// (mediana z 5 serii: -median 5; czas procesora: -perf -perfcounter taskclock).
// Obie wartości każdego zmienianego pola dają poprawny obiekt, więc przy każdej liczbie
// obrotów pętli mierzy się pełne przeliczenie, nigdy odrzucone dane. Te same zmiany
// mierzy się też z pokazanym panelem "Elementy" (tabela 91 wierszy i widok podłużny).
#include "OknoTestowe.h"
#include "okna/glowne/TPanelElementow.h"

class PomiarPrzeliczeniaOkna : public QObject {
    Q_OBJECT

    QTemporaryDir ustawienia_;  // widoczność panelu nie trafia do ustawień użytkownika
    std::unique_ptr<tOknoTestowe> t_;
    TGlowneOkno& Okno() { return t_->Okno(); }

    // Kroki pola na przemian w górę i w dół, każdy z obsługą zaległych zdarzeń (pola
    // wyników, komunikaty i szkic odmalowane); liczy przeliczenia odrzucone.
    int Kroki(TPoleLiczbowe* pole)
    {
        int kierunek = 1, odrzucone = 0;
        QBENCHMARK {
            pole->stepBy(kierunek);
            kierunek = -kierunek;
            QCoreApplication::processEvents();
            odrzucone += !Okno().Przebieg().OstatniWynik().Poprawne();
        }
        return odrzucone;
    }

private slots:
    void initTestCase()
    {
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, ustawienia_.path());
        t_ = std::make_unique<tOknoTestowe>();
        QVERIFY(t_->Otworz());
        UstawMost(Okno(), MostPrzegubowy45());
        QCOMPARE(Obiekt(Okno()).LiczbaElementow, 91);
        QVERIFY(Okno().Przebieg().OstatniWynik().Poprawne());
    }

    // Pole szerokości: liczba dźwigarów 5 ↔ 6.
    void zmianaPola() { QCOMPARE(Kroki(Pole(Okno(), RxSE_N)), 0); }

    // Pole długości przęsła 15 ↔ 16 m: zmiana długości przebudowuje też edytor (91 wierszy).
    void zmianaDlugosci() { QCOMPARE(Kroki(Pole(Okno(), PoleDlugosci(46))), 0); }

    // Dla porównania: samo przeliczenie przebiegu na tym samym widoku, bez odmalowania.
    void samoPrzeliczenie()
    {
        QBENCHMARK { Okno().Przebieg().Przelicz(); }
        QVERIFY(Okno().Przebieg().OstatniWynik().Poprawne());
    }

    // Te same zmiany z pokazanym panelem "Elementy".
    void zmianaPolaZPanelem()
    {
        if (Okno().PanelElementow().isHidden()) Okno().findChild<QAction*>(QStringLiteral("acElementy"))->trigger();
        // Cały panel widoczny, jak na wysokim ekranie: ekran offscreen (600 pikseli) zostawiłby
        // mu tylko kilka wierszy tabeli.
        Okno().resize(Okno().sizeHint());
        QCoreApplication::processEvents();
        QVERIFY(Okno().PanelElementow().isVisible());
        QCOMPARE(Kroki(Pole(Okno(), RxSE_N)), 0);
    }
    void zmianaDlugosciZPanelem() { QCOMPARE(Kroki(Pole(Okno(), PoleDlugosci(46))), 0); }

    void cleanupTestCase() { t_.reset(); }
};

TEST_OKIEN(PomiarPrzeliczeniaOkna)
#include "PomiarPrzeliczeniaOkna.moc"
