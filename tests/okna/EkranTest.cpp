// Okno główne na ekranie tego przebiegu (CMakeLists.txt: 1366 × 768 przy 100 % oraz
// 1280 × 720 pikseli logicznych przy 150 % i 200 %): najmniejsze okno mieści się na ekranie
// z panelem "Elementy" i bez niego, a pokazany panel nie wypycha okna poza ekran ani nie
// chowa panelu wyników, tabeli, widoku podłużnego czy przycisku "Kopiuj".
#include "OknoTestowe.h"
#include "okna/glowne/TPanelElementow.h"
#include "okna/rysunki/TWidokPodluzny.h"

namespace {
// Kontrolka widoczna w całości (nie przycięta przez przewijany obszar ani brzeg okna).
bool CalaWidoczna(QWidget* w) { return w->isVisible() && w->visibleRegion().boundingRect() == w->rect(); }
}  // namespace

class TestEkran : public QObject {
    Q_OBJECT

    QTemporaryDir ustawienia_;

private slots:
    void initTestCase() { QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, ustawienia_.path()); }

    void oknoIPanelNaEkranie()
    {
        tOknoTestowe t;
        QVERIFY(t.Otworz());
        TGlowneOkno& okno = t.Okno();
        const QRect ekran = okno.screen()->availableGeometry();
        qInfo("ekran %d × %d przy skali %g", ekran.width(), ekran.height(), okno.devicePixelRatioF());
        for (bool panel : {false, true}) {
            if (panel) okno.findChild<QAction*>(QStringLiteral("acElementy"))->trigger();
            QCoreApplication::processEvents();
            const QString opis = panel ? "z panelem" : "bez panelu";
            QVERIFY2(okno.minimumSize().width() <= ekran.width() && okno.minimumSize().height() <= ekran.height(),
                     qPrintable(opis + QDebug::toString(okno.minimumSize())));
            QVERIFY2(ekran.contains(okno.frameGeometry()), qPrintable(opis + QDebug::toString(okno.frameGeometry())));
            QVERIFY2(CalaWidoczna(okno.findChild<QWidget*>(QStringLiteral("PanelWynikow"))), qPrintable(opis));
        }
        TPanelElementow& p = okno.PanelElementow();
        for (QWidget* w : {static_cast<QWidget*>(p.Tabela()), static_cast<QWidget*>(p.WidokPodluzny()),
                           static_cast<QWidget*>(p.PrzyciskKopiuj())})
            QVERIFY2(CalaWidoczna(w), w->metaObject()->className());
    }
};

TEST_OKIEN(TestEkran)
#include "EkranTest.moc"
