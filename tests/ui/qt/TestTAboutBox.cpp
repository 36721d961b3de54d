// Okno "O programie": napisy, kolory, wersja i zamykanie kliknięciem w tło.
#include <QCoreApplication>
#include <QLabel>
#include <QtTest>

#include "ZrzutyOkien.h"
#include "ui/qt/IkonaProgramu.h"
#include "ui/qt/TAboutBox.h"

class TestTAboutBox : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { SprawdzCzcionki(); }

    void NapisyIKolory()
    {
        TAboutBox okno;
        QCOMPARE(okno.windowTitle(), QString("O programie"));
        QVERIFY(okno.windowFlags().testFlag(Qt::Tool));
        QCOMPARE(okno.palette().color(QPalette::Window), QColor(0, 0, 128));
        QCOMPARE(okno.Nazwa->text(), QString("Pontiva"));
        QCOMPARE(okno.Opis->text(), QString::fromUtf8("Program służy do wyznaczania nośności\n"
                                                      "użytkowej standardowych obiektów mostowych."));
        QCOMPARE(okno.Opis->palette().color(QPalette::WindowText), QColor(255, 255, 0));
        QVERIFY(!okno.Ikona->pixmap().isNull());
    }

    void WersjaPrzyPokazaniu()
    {
        TAboutBox okno;
        QCoreApplication::setApplicationVersion(QStringLiteral("2.3.4"));
        okno.show();
        QCOMPARE(okno.Wersja->text(), QString("Wersja: 2.3.4"));
        okno.close();
        // bez wersji aplikacji: wersja wpisana przy budowie
        QCoreApplication::setApplicationVersion(QString());
        okno.show();
#ifdef PONTIVA_WERSJA
        QCOMPARE(okno.Wersja->text(), QString("Wersja: " PONTIVA_WERSJA));
#endif
        QVERIFY(okno.Wersja->text().startsWith("Wersja: "));
    }

    void ZamykaKlikniecieWTlo()
    {
        TAboutBox okno;
        okno.show();
        QVERIFY(QTest::qWaitForWindowExposed(&okno));
        // napis i ikona nie zamykają
        QTest::mouseClick(okno.Opis, Qt::LeftButton);
        QTest::mouseClick(okno.Ikona, Qt::LeftButton);
        QTest::mouseClick(okno.Nazwa, Qt::LeftButton);
        QVERIFY(okno.isVisible());
        QTest::mouseClick(&okno, Qt::LeftButton, {}, QPoint(3, 3));
        QVERIFY(!okno.isVisible());
    }

    void Zrzuty()
    {
        TAboutBox okno;
        QCoreApplication::setApplicationVersion(QStringLiteral("1.0.0"));
        okno.show();
        QVERIFY(QTest::qWaitForWindowExposed(&okno));
        QVERIFY(!ZapiszZrzut(okno, "TAboutBox").isEmpty());
        const QString sciezka = QStringLiteral(PONTIVA_KATALOG_BUDOWY "/zrzuty/ikona.png");
        QVERIFY(RysunekIkony(256).save(sciezka));
        QCOMPARE(IkonaProgramu().availableSizes().size(), 7);
    }
};

QTEST_MAIN(TestTAboutBox)
#include "TestTAboutBox.moc"
