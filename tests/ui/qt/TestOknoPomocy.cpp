// Okno pomocy: plik pomocy się znajduje, tematy 1 i 2 otwierają swoje rozdziały,
// tekst opisuje pliki programu.
#include <QScrollBar>
#include <QTextBlock>
#include <QTextBrowser>
#include <QtTest>

#include "ZrzutyOkien.h"
#include "ui/qt/OknoPomocy.h"

namespace {
// Pierwszy wiersz widoczny u góry okna tekstu.
QString WierszUGory(QTextBrowser* t)
{
    return t->cursorForPosition(QPoint(4, 4)).block().text().trimmed();
}
} // namespace

class TestOknoPomocy : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { SprawdzCzcionki(); }

    void TekstPomocy()
    {
        QVERIFY(!OknoPomocy::AdresPomocy().isEmpty());
        OknoPomocy okno;
        okno.PokazSpis();
        const QString tekst = okno.Tekst->toPlainText();
        for (const char* s : {"JNI", "PT.INI", "Raporty", "PTU.TXT", "M1N", "KATEGORIA", "PN-85/S-10030",
                              "Klasa „A”", "e = z − d", "Informacje o moście", "Ślad obliczeń"})
            QVERIFY2(tekst.contains(QString::fromUtf8(s)), s);
        QCOMPARE(okno.Tekst->verticalScrollBar()->value(), 0);
    }

    void Tematy_data()
    {
        QTest::addColumn<int>("temat");
        QTest::addColumn<QString>("naglowek");
        QTest::newRow("1") << 1 << QString::fromUtf8("Lewy panel: przekrój poprzeczny i okna dialogowe");
        QTest::newRow("2") << 2 << QString::fromUtf8("Prawy panel: schemat, rozpiętości, normatyw i klasa");
        QTest::newRow("spis") << 0 << QString::fromUtf8("Pontiva – wyznaczanie nośności użytkowej obiektów mostowych");
    }

    void Tematy()
    {
        QFETCH(int, temat);
        QFETCH(QString, naglowek);
        OknoPomocy okno;
        okno.show();
        QVERIFY(QTest::qWaitForWindowExposed(&okno));
        // najpierw inny temat, by sprawdzić przewinięcie w obie strony
        okno.PokazTemat(temat == 2 ? 1 : 2);
        okno.PokazTemat(temat);
        QVERIFY(okno.isVisible());
        QCOMPARE(WierszUGory(okno.Tekst), naglowek);
        if (temat == 2) ZapiszZrzut(okno, "OknoPomocy_temat2");
    }
};

QTEST_MAIN(TestOknoPomocy)
#include "TestOknoPomocy.moc"
