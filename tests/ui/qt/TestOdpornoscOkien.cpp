// Okna wobec nieostrożnego użytkownika: kółko myszy nad polem liczbowym bez fokusu
// przewija panel zamiast zmieniać wartość; zapis przeglądarki tekstu, który się nie
// udał, nie udaje sukcesu.
#include <QLineEdit>
#include <QScrollArea>
#include <QVBoxLayout>
#include <QWheelEvent>
#include <QtTest>

#include "ui/qt/PoleLiczbowe.h"
#include "ui/qt/TOknoHelp.h"

class TestOdpornoscOkien : public QObject {
    Q_OBJECT
private slots:
    void kolkoZmieniaTylkoPoleZFokusem()
    {
        QScrollArea panel;
        auto* wnetrze = new QWidget;
        auto* uklad = new QVBoxLayout(wnetrze);
        auto* inne = new QLineEdit;
        uklad->addWidget(inne);
        TPoleLiczbowe* pola[10];
        for (auto*& p : pola) uklad->addWidget(p = new TPoleLiczbowe(PoleDlugosci(1)));
        panel.setWidget(wnetrze);
        panel.resize(200, 150);
        panel.show();
        QVERIFY(QTest::qWaitForWindowExposed(&panel));
        TPoleLiczbowe* pole = pola[1];
        pole->UstawWartosc(16);
        inne->setFocus();

        // Zdarzenie nieprzyjęte przez pole Qt przekazuje rodzicowi, czyli przewijanemu panelowi.
        auto kolko = [&] {
            const QPointF srodek(pole->width() / 2.0, pole->height() / 2.0);
            QWheelEvent z(srodek, pole->mapToGlobal(srodek), {}, {0, -120}, Qt::NoButton, Qt::NoModifier,
                          Qt::NoScrollPhase, false);
            QApplication::sendEvent(pole, &z);
            return z.isAccepted();
        };
        QVERIFY(!kolko());
        QCOMPARE(pole->Tekst(), QString("16,00"));

        pole->setFocus();
        QVERIFY(kolko());
        QCOMPARE(pole->Tekst(), QString("15,00"));
    }

    void nieudanyZapisPrzegladarkiZgloszony()
    {
        TOknoHelp okno;
        std::string komunikat;
        QVERIFY(!okno.ZapiszDoPliku("/dev/full", komunikat));
        QCOMPARE(QString::fromStdString(komunikat), QString::fromUtf8("To nie jest zwykły plik: /dev/full"));
    }
};

QTEST_MAIN(TestOdpornoscOkien)
#include "TestOdpornoscOkien.moc"
