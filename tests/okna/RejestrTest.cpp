// Okno "Rejestr obiektów": wiersze jak z rejestru bez Qt, sortowanie (liczby jak liczby,
// teksty w polskim porządku), filtr z linią stanu, podsumowanie kategorii, otwarcie wiersza
// w oknie głównym, śledzenie katalogu JNI i zapis zestawienia w pokazanej kolejności.
#include "OknoTestowe.h"
#include "okna/rejestr/TModelRejestru.h"
#include "okna/rejestr/TOknoRejestru.h"
#include "okna/rejestr/TPrzegladKatalogu.h"
#include "okna/rejestr/TWykresKategorii.h"
#include "rejestr/Rejestr.h"
#include "rejestr/Zestawienie.h"

using namespace testy;

namespace {
const QString Przyklady = QStringLiteral(PONTIVA_DANE_TESTOWE "/../../przyklady");

// Obiekty katalogu testu: plik, miejscowość, droga, przykład (KATEGORIA, najdłuższe przęsło);
// do tego plik, który nie jest plikiem roboczym.
struct tObiekt {
    const char* Plik;
    const char* Miejscowosc;
    const char* Droga;
    const char* Przyklad;
};
const tObiekt Obiekty[] = {
    {"10000001_1.PTV", "Malbork", "DW791", "belka.PTV"},           // 42 t
    {"10000002_1.PTV", "Łódź", "DK1", "n1945_plyta.PTV"},          // 17 t
    {"10000003_1.PTV", "Lublin", "DW791", "n1952_dwudzwigarowy.PTV"},  // 33 t
    {"10000004_1.PTV", "Ełk", "S7", "n1956_ciagla.PTV"},           // 20 t
};
const char* const Zly = "zly.PTV";

QStringList Pliki(const TModelRejestru& m)
{
    QStringList p;
    for (const tWierszRejestru* w : m.Pokazane()) p << QString::fromStdString(w->Plik);
    return p;
}
}  // namespace

class TestRejestru : public QObject {
    Q_OBJECT
    std::unique_ptr<tOknoTestowe> t_;
    tKatalogTymczasowy kat_;

    TOknoRejestru& Rejestr() { return t_->Okno().OknoRejestru(); }
    // Okno rejestru na katalogu; true po ocenie wszystkich plików.
    bool Otworz(const QString& katalog)
    {
        Rejestr().OtworzKatalog(katalog);
        Rejestr().show();
        return QTest::qWaitFor([this] { return !Rejestr().Przeglad().Trwa(); }, 20000);
    }

private slots:
    void initTestCase()
    {
        t_ = std::make_unique<tOknoTestowe>();
        QVERIFY(t_->Otworz());
        for (const tObiekt& o : Obiekty) {
            QVERIFY(t_->Okno().Przebieg().WczytajDane((Przyklady + '/' + o.Przyklad).toStdString()));
            t_->Okno().Przebieg().UstawInfo({std::string(o.Plik, 8), "1", o.Droga, "1+000", o.Miejscowosc, "rzeka"});
            QVERIFY(t_->Okno().Przebieg().ZapiszDane(kat_ / o.Plik));
        }
        ZapiszPlik(kat_ / Zly, "to nie jest plik roboczy");
    }

    // Przykłady: tyle wierszy co plików, każdy równy wierszowi rejestru bez Qt.
    void przyklady()
    {
        QVERIFY(Otworz(Przyklady));
        std::vector<tWierszRejestru> oczekiwane;
        QVERIFY(OcenKatalog(Przyklady.toStdString(), oczekiwane));
        QCOMPARE(Rejestr().Model().Wszystkie(), 8);
        std::vector<const tWierszRejestru*> pokazane = Rejestr().Model().Pokazane(), wzor;
        std::sort(pokazane.begin(), pokazane.end(), [](auto* a, auto* b) { return a->Plik < b->Plik; });
        for (const auto& w : oczekiwane) wzor.push_back(&w);
        QCOMPARE(QString::fromStdString(ZestawienieCsv(pokazane)), QString::fromStdString(ZestawienieCsv(wzor)));
    }

    // Liczby jak liczby (tekstem "16,00" stałoby przed "6,00"), teksty po polsku (Ł po L,
    // przed M); wiersz odrzucony bez liczb i tekstów na początku rosnąco.
    void sortowanie_data()
    {
        QTest::addColumn<int>("kolumna");
        QTest::addColumn<int>("kierunek");
        QTest::addColumn<QStringList>("pliki");
        const QStringList miejscowosci = {"zly.PTV", "10000004_1.PTV", "10000003_1.PTV", "10000002_1.PTV", "10000001_1.PTV"};
        QTest::newRow("miejscowość rosnąco") << int(rMiejscowosc) << int(Qt::AscendingOrder) << miejscowosci;
        QTest::newRow("najdłuższe rosnąco") << int(rNajdluzsze) << int(Qt::AscendingOrder)
                                            << QStringList{"zly.PTV", "10000002_1.PTV", "10000004_1.PTV", "10000001_1.PTV", "10000003_1.PTV"};
        QTest::newRow("KATEGORIA malejąco") << int(rKategoria) << int(Qt::DescendingOrder)
                                            << QStringList{"10000001_1.PTV", "10000003_1.PTV", "10000004_1.PTV", "10000002_1.PTV", "zly.PTV"};
    }
    void sortowanie()
    {
        QFETCH(int, kolumna);
        QFETCH(int, kierunek);
        QFETCH(QStringList, pliki);
        QVERIFY(Otworz(QString::fromStdString(kat_.Sciezka())));
        Rejestr().Tabela()->sortByColumn(kolumna, static_cast<Qt::SortOrder>(kierunek));
        QCOMPARE(Pliki(Rejestr().Model()), pliki);
    }

    // Filtr tekstu i nośności z pól okna (sam filtr sprawdza test zestawienia): linia stanu
    // i podsumowanie kategorii (42, 32, 24, 16, 10, poniżej 10 t, odrzucone) pokazanych wierszy.
    void filtr_data()
    {
        QTest::addColumn<QString>("tekst");
        QTest::addColumn<int>("ponizej");  // 0: bez filtra nośności
        QTest::addColumn<QString>("stan");
        QTest::addColumn<QList<int>>("kategorie");
        QTest::newRow("wszystkie") << "" << 0 << "5 z 5 obiektów, w tym odrzuconych: 1" << QList<int>{1, 1, 0, 2, 0, 0, 1};
        QTest::newRow("poniżej 24 t") << "" << 24 << "3 z 5 obiektów, w tym odrzuconych: 1"
                                      << QList<int>{0, 0, 0, 2, 0, 0, 1};
        QTest::newRow("droga i poniżej 40 t") << "DW791" << 40 << "1 z 5 obiektów" << QList<int>{0, 1, 0, 0, 0, 0, 0};
    }
    void filtr()
    {
        QFETCH(QString, tekst);
        QFETCH(int, ponizej);
        QFETCH(QString, stan);
        QFETCH(QList<int>, kategorie);
        QVERIFY(Otworz(QString::fromStdString(kat_.Sciezka())));
        Rejestr().Ponizej()->setChecked(false);
        Wpisz(Rejestr().PoleFiltra(), tekst, true);
        if (ponizej) Rejestr().Prog()->setValue(ponizej), Rejestr().Ponizej()->setChecked(true);
        QTRY_COMPARE(Rejestr().LiniaStanu()->text(), stan);
        const auto& liczby = Rejestr().Wykres()->Liczby();
        QCOMPARE(QList<int>(liczby.begin(), liczby.end()), kategorie);
        // Barwa KATEGORII to barwa kategorii, bez względu na to, co filtr ukrył.
        for (int r = 0; r < Rejestr().Model().rowCount(); ++r) {
            const tWierszRejestru& w = *Rejestr().Model().Pokazane()[r];
            const tKolor k = BarwaKategoriiRejestru(KategoriaRejestru(w));
            const QVariant tlo = Rejestr().Model().index(r, rKategoria).data(Qt::BackgroundRole);
            QCOMPARE(tlo.isValid() ? tlo.value<QBrush>().color() : QColor(), w.Poprawny ? QColor(k.R, k.G, k.B) : QColor());
        }
    }

    // Enter na wierszu wczytuje obiekt w oknie głównym drogą "Wczytaj": przy niezapisanych
    // zmianach najpierw pytanie "Zapisać zmiany…?" (tu: Nie).
    void otwarcieWiersza()
    {
        QVERIFY(Otworz(QString::fromStdString(kat_.Sciezka())));
        Wpisz(Rejestr().PoleFiltra(), QString(), true);
        Rejestr().Ponizej()->setChecked(false);
        QTRY_COMPARE(Rejestr().Model().rowCount(), 5);
        Rejestr().Tabela()->sortByColumn(rPlik, Qt::AscendingOrder);
        Wpisz(Pole(t_->Okno(), RxSE_B), QStringLiteral("3,5"), true);
        QString pytanie;
        GdyOkno<QMessageBox>(this, [&](QMessageBox& m) { pytanie = m.text(), m.button(QMessageBox::No)->click(); });
        Rejestr().Tabela()->setFocus();
        Rejestr().Tabela()->setCurrentIndex(Rejestr().Model().index(2, 0));
        QTest::keyClick(Rejestr().Tabela(), Qt::Key_Return);
        QVERIFY2(pytanie.startsWith(QString::fromUtf8("Zapisać zmiany")), qPrintable(pytanie));
        QCOMPARE(QString::fromStdString(t_->Okno().Przebieg().Info().JNI), QStringLiteral("10000003"));
        QCOMPARE(Lista(t_->Okno(), tLista::CBPrzeslo)->currentIndex(), 2);  // przykład dwudźwigarowy
    }

    // Zestawienie: format z wpisanego rozszerzenia, a bez niego z filtra okna pliku; wiersze
    // pokazane w pokazanej kolejności; ścieżka w linii stanu; następny zapis zaczyna w tym
    // samym katalogu.
    void zestawienie_data()
    {
        QTest::addColumn<QString>("nazwa");
        QTest::addColumn<bool>("filtrRtf");
        QTest::addColumn<QString>("plik");
        QTest::newRow("CSV z filtra") << "zestawienie" << false << "zestawienie.csv";
        QTest::newRow("RTF z filtra") << "zestawienie" << true << "zestawienie.rtf";
        QTest::newRow("RTF wpisany przy filtrze CSV") << "zest.RTF" << false << "zest.RTF";
    }
    void zestawienie()
    {
        QFETCH(QString, nazwa);
        QFETCH(bool, filtrRtf);
        QFETCH(QString, plik);
        const bool rtf = plik.endsWith(QStringLiteral("rtf"), Qt::CaseInsensitive);
        QVERIFY(Otworz(QString::fromStdString(kat_.Sciezka())));
        Wpisz(Rejestr().PoleFiltra(), QStringLiteral("DW791"), true);
        QTRY_COMPARE(Rejestr().Model().rowCount(), 2);
        Rejestr().Tabela()->sortByColumn(rKategoria, Qt::AscendingOrder);
        tKatalogTymczasowy cel;
        Rejestr().WybierzPlik = [&](const QString&, const QString&, const QString& filtry, QString* wybrany) {
            *wybrany = filtry.split(QStringLiteral(";;")).at(filtrRtf ? 1 : 0);
            return QString::fromStdString(cel / nazwa.toStdString());
        };
        Rejestr().ZapiszZestawienie();
        const std::string tresc = CzytajPlik(cel / plik.toStdString());
        QVERIFY(Rejestr().LiniaStanu()->text().endsWith(
            QString::fromUtf8("; zestawienie zapisano w pliku ") + QDir::toNativeSeparators(QString::fromStdString(cel / plik.toStdString()))));
        QString poczatek;
        Rejestr().WybierzPlik = [&](const QString&, const QString& p, const QString&, QString*) { return poczatek = p, QString(); };
        Rejestr().ZapiszZestawienie();
        QCOMPARE(QFileInfo(poczatek).absolutePath(), QString::fromStdString(cel.Sciezka()));
        if (rtf) {
            QVERIFY(tresc.rfind("{\\rtf", 0) == 0);
            QVERIFY(tresc.find("DW791") != std::string::npos);
        } else {
            QCOMPARE(QString::fromStdString(tresc), "\xEF\xBB\xBF" + QString::fromStdString(ZestawienieCsv(Rejestr().Model().Pokazane())));
            QVERIFY(tresc.find("10000003_1.PTV") < tresc.find("10000001_1.PTV"));
        }
    }

    // "Przerwij" przed pierwszym krokiem oceny: żaden plik nie jest oceniony ani oceniany
    // później, linia stanu podaje pominięte.
    void przerwanie()
    {
        Rejestr().OtworzKatalog(QString::fromStdString(kat_.Sciezka()));
        QVERIFY(Rejestr().Przeglad().Trwa());
        QTest::mouseClick(Rejestr().findChild<QPushButton*>(QStringLiteral("btPrzerwij")), Qt::LeftButton);
        QCoreApplication::processEvents();  // krok oceny, gdyby został w kolejce zdarzeń
        QCOMPARE(Rejestr().Model().Wszystkie(), 0);
        QCOMPARE(Rejestr().LiniaStanu()->text(), QStringLiteral("0 z 0 obiektów; przerwano: nieocenionych plików 5"));
    }

    // Katalog JNI z menu (Ctrl+O) śledzony bez ponownego otwierania: plik zapisany, zmieniony
    // w miejscu przez inny program i usunięty; katalog usunięty opróżnia tabelę z komunikatem,
    // a przywrócony wraca.
    void sledzenieKatalogu()
    {
        QVERIFY(t_->Otworz());
        QTest::keyClick(&t_->Okno(), Qt::Key_O, Qt::ControlModifier);
        QTRY_VERIFY(Rejestr().isVisible());
        QCOMPARE(Rejestr().Przeglad().Katalog(), QString::fromStdString(KatalogJNI()));
        QTRY_COMPARE(Rejestr().LiniaStanu()->text(), QStringLiteral("0 z 0 obiektów"));
        QVERIFY(t_->Okno().Przebieg().WczytajDane(kat_ / Obiekty[0].Plik));
        const std::string plik = tGlownyPrzebieg::SciezkaZapisu(t_->Okno().Przebieg().Info());
        QVERIFY(t_->Okno().Przebieg().ZapiszDane(plik));
        QTRY_COMPARE(Rejestr().Model().rowCount(), 1);
        QVERIFY(Rejestr().Model().Pokazane()[0]->Poprawny);
        ZapiszPlik(plik, "zepsuty");
        QTRY_VERIFY(!Rejestr().Model().Pokazane()[0]->Poprawny);
        fs::remove(plik);
        QTRY_COMPARE(Rejestr().Model().rowCount(), 0);
        ZapiszPlik(plik, "zepsuty");
        QTRY_COMPARE(Rejestr().Model().rowCount(), 1);
        if (qEnvironmentVariableIsSet("PONTIVA_POD_WINE")) QSKIP("Wine nie zgłasza usunięcia obserwowanego katalogu");
        fs::remove_all(KatalogJNI());
        QTRY_VERIFY(Rejestr().LiniaStanu()->text().contains(QString::fromUtf8("nie ma")));
        QCOMPARE(Rejestr().Model().Wszystkie(), 0);
        QVERIFY(UtworzKatalog(KatalogJNI()));
        QTRY_COMPARE(Rejestr().LiniaStanu()->text(), QStringLiteral("0 z 0 obiektów"));
    }
};

TEST_OKIEN(TestRejestru)
#include "RejestrTest.moc"
