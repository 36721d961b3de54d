// Rysunki przekrojów: opisy wymiarów każdego rodzaju, tytuł okna, skalowanie
// i zrzuty siedmiu rysunków do PNG.
#include <QImage>
#include <QtTest>

#include "ZrzutyOkien.h"
#include "core/Nazwy.h"
#include "ui/qt/TObrazekPrzekroju.h"

namespace {
const QString W = QString::fromUtf8("…");

// Prostokąt pikseli innych niż białe.
QRect Zamalowane(const QImage& obraz)
{
    QRect r;
    for (int y = 0; y < obraz.height(); ++y)
        for (int x = 0; x < obraz.width(); ++x)
            if (obraz.pixelColor(x, y) != QColor(Qt::white)) r |= QRect(x, y, 1, 1);
    return r;
}
} // namespace

class TestTObrazekPrzekroju : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { SprawdzCzcionki(); }

    void Etykiety_data()
    {
        QTest::addColumn<int>("typ");
        QTest::addColumn<QStringList>("etykiety");
        QTest::newRow("0") << 0 << QStringList{"c1", "a1", "b", "a2", "c2", "e1", "B", "e2", "1", "2", "3", W, "n-1", "n"};
        QTest::newRow("1") << 1 << QStringList{"a1", "b", "a2", "e1", "B", "e2", "1", "2", "3", W, "n-1", "n"};
        QTest::newRow("2") << 2 << QStringList{"c1", "g", "k1", "a1", "b", "a2", "k2", "g", "c2", "B"};
        QTest::newRow("3") << 3 << QStringList{"c1", "a1", "b", "a2", "c2", "e1", "P", "e2", "1", "2", W, "n-1", "n"};
        QTest::newRow("4") << 4 << QStringList{"a1", "b", "a2", "P", "1", "2", "3", W, "n-1", "n"};
        QTest::newRow("5") << 5
                           << QStringList{"d1", "c1", "g1", "k1", "a1", "b",  "a2", "k2",
                                          "g2", "c2", "d2", "z1", "B",  "z2", "e = z - d"};
        QTest::newRow("6") << 6
                           << QStringList{"d1", "c1", "g1", "k1", "a1", "b", "a2", "k2", "g2", "c2", "d2",
                                          "Z1", "P",  "Z2", "1",  "2",  W,   "n-1", "n",  "e = z - d"};
    }

    void Etykiety()
    {
        QFETCH(int, typ);
        QFETCH(QStringList, etykiety);
        const tRysunek r = OpisPrzekroju(typ);
        QCOMPARE(EtykietyRysunku(r), etykiety);
        // wymiary łańcucha idą od lewej do prawej i nie mają zerowej długości
        for (const tWymiar& w : r.Wymiary) QVERIFY2(w.x2 > w.x1, qPrintable(w.Etykieta));
        for (const tWymiar& w : r.Wymiary) {
            QVERIFY(w.x1 >= 0 && w.x2 <= SzerokoscRysunku);
            QVERIFY(w.y > 0 && w.y < WysokoscRysunku);
        }
    }

    void TytulITyp()
    {
        TObrazekPrzekroju okno;
        QCOMPARE(okno.size(), QSize(426, 300));
        QVERIFY(okno.windowFlags().testFlag(Qt::Tool));
        okno.PokazPrzekroj(5);
        QVERIFY(okno.isVisible());
        QCOMPARE(okno.Typ(), 5);
        QCOMPARE(okno.windowTitle(), QString::fromUtf8("Wielodźwigarowe - jezdnia z barierami ochronnymi"));
        okno.PokazPrzekroj(7);
        okno.PokazPrzekroj(-1);
        QCOMPARE(okno.Typ(), 5);
        QCOMPARE(okno.windowTitle(), QString::fromUtf8("Wielodźwigarowe - jezdnia z barierami ochronnymi"));
    }

    void ZrzutyIPowiekszenie()
    {
        TObrazekPrzekroju okno;
        for (int typ = 0; typ < 7; ++typ) {
            okno.resize(426, 300);
            okno.PokazPrzekroj(typ);
            QCOMPARE(okno.windowTitle(), QString::fromStdString(NazwaPrzekroju(typ)));
            const QString nazwa = QStringLiteral("przekroj_%1").arg(typ);
            const QImage maly(ZapiszZrzut(okno, nazwa));
            QCOMPARE(maly.size(), QSize(426, 300));
            // rysunek zajmuje większość okna i stoi na jego środku
            const QRect m = Zamalowane(maly);
            QVERIFY2(m.width() > 300 && m.height() > 150, qPrintable(nazwa));
            QVERIFY(qAbs(m.center().x() - 213) < 8 && qAbs(m.center().y() - 150) < 8);
            // w dwa razy większym oknie rysunek jest dwa razy większy
            okno.resize(852, 600);
            const QImage duzy(ZapiszZrzut(okno, nazwa + QStringLiteral("_duzy")));
            QCOMPARE(duzy.size(), QSize(852, 600));
            const QRect d = Zamalowane(duzy);
            QVERIFY2(qAbs(d.width() - 2 * m.width()) < 12 && qAbs(d.height() - 2 * m.height()) < 12, qPrintable(nazwa));
        }
    }
};

QTEST_MAIN(TestTObrazekPrzekroju)
#include "TestTObrazekPrzekroju.moc"
