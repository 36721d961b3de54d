// Pola okna głównego: widoczność pól i podpisów dla każdego rodzaju przekroju, wiersze
// edytora rozpiętości dla schematów i liczby przęseł, linia statusu przy fokusie.
#include <QApplication>
#include <QLabel>
#include <QScrollArea>
#include <QStatusBar>
#include <QTemporaryDir>
#include <memory>

#include "OknoTestowe.h"
#include "ui/qt/Szkic.h"

namespace {
QString PodpisWiersza(TGlowneOkno& okno, int wiersz) { return okno.Kontrolki().PodpisyPrzesel[wiersz - 1]->text(); }
bool WierszWidoczny(TGlowneOkno& okno, int wiersz)
{
    return Pole(okno, PoleDlugosci(wiersz))->isVisibleTo(&okno) &&
           okno.Kontrolki().PodpisyPrzesel[wiersz - 1]->isVisibleTo(&okno);
}
}  // namespace

class TestGlowneOknoPola : public QObject {
    Q_OBJECT

    std::unique_ptr<tOknoTestowe> t_;
    TGlowneOkno& Okno() { return t_->Okno(); }

private slots:
    void initTestCase() { PrzygotujTesty(); }

    void init()
    {
        t_ = std::make_unique<tOknoTestowe>();
        QVERIFY(t_->Otworz());
    }

    void cleanup() { t_.reset(); }

    void widocznosc_data()
    {
        QTest::addColumn<int>("przekroj");
        QTest::addColumn<QString>("widoczne");
        QTest::newRow("0 wielodźwigarowe z krawężnikami") << 0 << "C1 C2 A1 A2 B E1 E2 BB N";
        QTest::newRow("1 wielodźwigarowe bez krawężników") << 1 << "A1 A2 B E1 E2 BB N";
        QTest::newRow("2 dwudźwigarowe") << 2 << "C1 C2 G1 K1 K2 A1 A2 B BB";
        QTest::newRow("3 płytowe z krawężnikami") << 3 << "C1 C2 A1 A2 B E1 E2 P";
        QTest::newRow("4 płytowe bez krawężników") << 4 << "A1 A2 B P";
        QTest::newRow("5 wielodźwigarowe z barierami") << 5 << "C1 C2 G1 G2 K1 K2 A1 A2 B E1 E2 BB N";
        QTest::newRow("6 płytowe z barierami") << 6 << "C1 C2 G1 G2 K1 K2 A1 A2 B E1 E2 BB P";
    }

    // Pola widoczne dla rodzaju przekroju; podpis wiersza widoczny razem z pierwszym polem.
    void widocznosc()
    {
        QFETCH(int, przekroj);
        QFETCH(QString, widoczne);
        Lista(Okno(), tLista::CBPrzeslo)->setCurrentIndex(przekroj);
        const QStringList oczekiwane = widoczne.split(' ');
        for (int p = 0; p < LiczbaPolSzerokosci; ++p) {
            const QString nazwa = Pole(Okno(), static_cast<tPole>(p))->objectName().mid(5);
            QVERIFY2(Pole(Okno(), static_cast<tPole>(p))->isVisibleTo(&Okno()) == oczekiwane.contains(nazwa),
                     qPrintable(nazwa));
        }
        for (int w = wChodnik; w <= wLiczbaDzwigarow; ++w) {
            const tOpisWiersza& opis = OpisWiersza(static_cast<tWierszPol>(w));
            QCOMPARE(Okno().Kontrolki().PodpisyWierszy[w]->isVisibleTo(&Okno()),
                     Pole(Okno(), opis.Lewe)->isVisibleTo(&Okno()));
        }
        ZapiszZrzut(Okno(), QStringLiteral("glowne_okno_przekroj_%1").arg(przekroj));
    }

    void wierszeEdytora_data()
    {
        QTest::addColumn<int>("schemat");
        QTest::addColumn<int>("przesla");
        QTest::addColumn<int>("k");
        QTest::addColumn<bool>("liczbaPrzesel");
        QTest::addColumn<QStringList>("podpisy");  // wiersze 1, 2, 3 i k
        QTest::addColumn<QString>("nazwaDrugiego");
        const QString lewy = QString::fromUtf8("Długość lewego skrajnego wspornika");
        const QString prawy = QString::fromUtf8("Długość prawego skrajnego wspornika");
        QTest::newRow("0") << 0 << 4 << 3 << false
                           << QStringList{lewy, QString::fromUtf8("Rozpiętość przęsła"), prawy, prawy}
                           << QString::fromUtf8("Przęsło");
        QTest::newRow("1") << 1 << 4 << 4 << false
                           << QStringList{lewy, QString::fromUtf8("Rozpiętość lewego przęsła"),
                                          QString::fromUtf8("Rozpiętość prawego przęsła"), prawy}
                           << QString::fromUtf8("Lewe przęsło");
        QTest::newRow("2 n=3") << 2 << 3 << 5 << true
                               << QStringList{lewy, QString::fromUtf8("Rozpiętość przęsła nr 1"),
                                              QString::fromUtf8("Rozpiętość przęsła nr 2"), prawy}
                               << QString::fromUtf8("Przęsło nr 1");
        QTest::newRow("3") << 3 << 7 << 4 << false
                           << QStringList{lewy, QString::fromUtf8("Rozpiętość lewego przęsła"),
                                          QString::fromUtf8("Rozpiętość prawego przęsła"), prawy}
                           << QString::fromUtf8("Lewe przęsło");
        QTest::newRow("4 n=45") << 4 << 45 << 47 << true
                                << QStringList{lewy, QString::fromUtf8("Rozpiętość przęsła nr 1"),
                                               QString::fromUtf8("Rozpiętość przęsła nr 2"), prawy}
                                << QString::fromUtf8("Przęsło nr 1");
        QTest::newRow("5 n=3") << 5 << 3 << 7 << true
                               << QStringList{lewy, QString::fromUtf8("Rozpiętość przęsła nr 1"),
                                              QString::fromUtf8("Długość wspornika nr 1"), prawy}
                               << QString::fromUtf8("Przęsło nr 1");
        QTest::newRow("6 n=45") << 6 << 45 << 91 << true
                                << QStringList{lewy, QString::fromUtf8("Rozpiętość przęsła nr 1"),
                                               QString::fromUtf8("Długość wspornika nr 1"), prawy}
                                << QString::fromUtf8("Przęsło nr 1");
    }

    // Wiersze 1..k widoczne z podpisami schematu, dalsze ukryte; nazwy elementów w obiekcie.
    void wierszeEdytora()
    {
        QFETCH(int, schemat);
        QFETCH(int, przesla);
        QFETCH(int, k);
        QFETCH(bool, liczbaPrzesel);
        QFETCH(QStringList, podpisy);
        QFETCH(QString, nazwaDrugiego);
        for (int w = 1; w <= MaksWierszy; ++w) Pole(Okno(), PoleDlugosci(w))->UstawWartosc(5);
        Lista(Okno(), tLista::CBSchemat)->setCurrentIndex(schemat);
        Pole(Okno(), IlePrzesel)->UstawWartosc(przesla);
        QCOMPARE(Pole(Okno(), IlePrzesel)->isVisibleTo(&Okno()), liczbaPrzesel);
        QCOMPARE(Okno().Kontrolki().PodpisyWierszy[wLiczbaPrzesel]->isVisibleTo(&Okno()), liczbaPrzesel);
        for (int w = 1; w <= MaksWierszy; ++w) QCOMPARE(WierszWidoczny(Okno(), w), w <= k);
        QCOMPARE(PodpisWiersza(Okno(), 1), podpisy[0]);
        QCOMPARE(PodpisWiersza(Okno(), 2), podpisy[1]);
        QCOMPARE(PodpisWiersza(Okno(), 3), podpisy[2]);
        QCOMPARE(PodpisWiersza(Okno(), k), podpisy[3]);
        const tObiektMostowy& o = Okno().Przebieg().Obiekt();
        QCOMPARE(QString::fromStdString(o.Elementy[2].Nazwa), nazwaDrugiego);
        // Edytor przewija się dokładnie do ostatniego wiersza w użyciu.
        QCOMPARE(Okno().Kontrolki().PodpisyPrzesel[0]->parentWidget()->height(), k * 20 + 10);
    }

    // Zmiana liczby przęseł 3 -> 2 w schemacie 2 ukrywa wiersz 5, a wiersz 4 staje się
    // prawym skrajnym wspornikiem ze starą wartością; ponowne 3 pokazuje wiersz 5 z wartością.
    void ukryteWierszeZachowujaWartosci()
    {
        Lista(Okno(), tLista::CBSchemat)->setCurrentIndex(2);
        Pole(Okno(), IlePrzesel)->UstawWartosc(3);
        for (int w = 1; w <= 5; ++w) Pole(Okno(), PoleDlugosci(w))->UstawWartosc(w * 1.5);
        TPoleLiczbowe* ile = Pole(Okno(), IlePrzesel);
        ile->setFocus();
        QTest::keyClick(ile, Qt::Key_Down);
        QCOMPARE(ile->Tekst(), QStringLiteral("2"));
        QVERIFY(!WierszWidoczny(Okno(), 5));
        QCOMPARE(PodpisWiersza(Okno(), 4), QString::fromUtf8("Długość prawego skrajnego wspornika"));
        QCOMPARE(Pole(Okno(), PoleDlugosci(4))->Tekst(), QStringLiteral("6,00"));
        QCOMPARE(Okno().Przebieg().Obiekt().LiczbaElementow, 4);
        QTest::keyClick(ile, Qt::Key_Up);
        QVERIFY(WierszWidoczny(Okno(), 5));
        QCOMPARE(Pole(Okno(), PoleDlugosci(5))->Tekst(), QStringLiteral("7,50"));
    }

    // Geometria wierszy edytora: pole (5, (i-1)*20+5) szerokości 80, podpis w x = 100.
    void geometriaWierszy()
    {
        for (int i : {1, 2, 50, 91}) {
            QCOMPARE(Pole(Okno(), PoleDlugosci(i))->geometry().topLeft(), QPoint(5, (i - 1) * 20 + 5));
            QCOMPARE(Pole(Okno(), PoleDlugosci(i))->width(), 80);
            QCOMPARE(Okno().Kontrolki().PodpisyPrzesel[i - 1]->geometry().topLeft(), QPoint(100, (i - 1) * 20 + 8));
        }
        QCOMPARE(Okno().Kontrolki().Szkic->size(), QSize(313, 20));
    }

    void liniaStatusu_data()
    {
        QTest::addColumn<int>("pole");  // -1: lista przekrojów
        QTest::addColumn<QString>("opis");
        QTest::newRow("CBPrzeslo") << -1 << QString::fromUtf8(" Rodzaj przekroju poprzecznego przęsła");
        QTest::newRow("A1") << int(RxSE_A1) << QString::fromUtf8(" Szerokość lewej opaski nawierzchni (a1)");
        QTest::newRow("A2") << int(RxSE_A2) << QString::fromUtf8(" Szerokość prawej opaski nawierzchni (a2)");
        QTest::newRow("B") << int(RxSE_B) << QString::fromUtf8(" Szerokość użytkowa nawierzchni (b)");
        QTest::newRow("BB") << int(RxSE_BB) << QString::fromUtf8(" Rozstaw osiowy skrajnych dźwigarów (B)");
        QTest::newRow("E1") << int(RxSE_E1) << QString::fromUtf8(" Wysięg lewego wspornika chodnikowego (e1)");
        QTest::newRow("K1") << int(RxSE_K1) << QString::fromUtf8(" Szerokość lewego krawężnika (k1)");
        QTest::newRow("K2") << int(RxSE_K2) << QString::fromUtf8(" Szerokość prawego krawężnika (k2)");
        QTest::newRow("G1") << int(RxSE_G1)
                            << QString::fromUtf8(" Szerokość dźwigara lub lewej bariery ochronnej(g)");
        QTest::newRow("G2") << int(RxSE_G2) << QString::fromUtf8(" Szerokość prawej bariery ochronnej(g)");
        QTest::newRow("N") << int(RxSE_N) << QString::fromUtf8(" Liczba dźwigarów głównych (n)");
    }

    // Fokus w polu: spacja i opis pola; fokus poza polami szerokości: pusta linia.
    void liniaStatusu()
    {
        QFETCH(int, pole);
        QFETCH(QString, opis);
        Lista(Okno(), tLista::CBPrzeslo)->setCurrentIndex(5);  // wszystkie pola oprócz P widoczne
        QWidget* w = pole < 0 ? static_cast<QWidget*>(Lista(Okno(), tLista::CBPrzeslo))
                              : Pole(Okno(), static_cast<tPole>(pole));
        w->setFocus();
        QCOMPARE(Okno().LiniaStatusu()->currentMessage(), opis);
        Lista(Okno(), tLista::CBSchemat)->setFocus();
        QCOMPARE(Okno().LiniaStatusu()->currentMessage(), QString());
    }
};

QTEST_MAIN(TestGlowneOknoPola)
#include "TestGlowneOknoPola.moc"
