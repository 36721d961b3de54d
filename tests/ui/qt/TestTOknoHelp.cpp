// Przeglądarka tekstu: tylko do odczytu, pliki Windows-1250, ślad obliczeń, zapis,
// wydruk z tytułem okna, polecenia i ich skróty.
#include <QAction>
#include <QApplication>
#include <QFile>
#include <QFileDialog>
#include <QFontDialog>
#include <QPrintDialog>
#include <QTimer>
#include <QFontInfo>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPrinter>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QToolBar>
#include <QtTest>

#include "ZrzutyOkien.h"
#include "common/Cp1250.h"
#include "common/Slad.h"
#include "ui/qt/TOknoHelp.h"

namespace {
const QString Uwaga = QString::fromUtf8("To nie jest okno edycyjne !\rMożesz w nim tylko przeglądać raporty.");

QByteArray Czytaj(const QString& sciezka)
{
    QFile f(sciezka);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void Zapisz(const QString& sciezka, const std::string& bajty)
{
    QFile f(sciezka);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(bajty.data(), static_cast<qint64>(bajty.size()));
}
} // namespace

class TestTOknoHelp : public QObject {
    Q_OBJECT
    QTemporaryDir katalog;

private slots:
    void initTestCase()
    {
        SprawdzCzcionki();
        QVERIFY(katalog.isValid());
    }

    void WygladPoczatkowy()
    {
        TOknoHelp okno;
        QCOMPARE(okno.size(), QSize(711, 475));
        QVERIFY(okno.Memo->isReadOnly());
        QVERIFY(QFontInfo(okno.Memo->font()).fixedPitch());
        QCOMPARE(okno.Memo->font().pointSize(), 10);
        QCOMPARE(okno.Memo->lineWrapMode(), QPlainTextEdit::NoWrap);
        QCOMPARE(okno.Memo->horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
        QCOMPARE(okno.Memo->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
    }

    void PoleceniaMenuIPasek()
    {
        TOknoHelp okno;
        struct {
            QAction* a;
            const char *napis, *podpowiedz, *skrot;
        } const akcje[] = {{okno.acZapisz, "Zapisz jako ...", "Zapisanie do zbioru", "Ctrl+Z"},
                           {okno.acDrukuj, "Drukuj", "Wydruk", "Ctrl+D"},
                           {okno.acCzcionka, "Czcionka", "Zmiana czcionki", "Ctrl+C"},
                           {okno.acKoniec, "Zamknij okno", "Zamknięcie okna", "Ctrl+K"}};
        for (const auto& a : akcje) {
            QCOMPARE(a.a->text(), QString::fromUtf8(a.napis));
            QCOMPARE(a.a->toolTip(), QString::fromUtf8(a.podpowiedz));
            QCOMPARE(a.a->shortcut(), QKeySequence(QString::fromLatin1(a.skrot)));
        }
        const QList<QAction*> menu = okno.menuBar()->actions();
        QCOMPARE(menu.size(), 2);
        QCOMPARE(menu[0]->text(), QString::fromUtf8("&Zbiór"));
        QCOMPARE(menu[1]->text(), QString("Parametry"));
        const QList<QAction*> zbior = menu[0]->menu()->actions();
        QCOMPARE(zbior.size(), 4);
        QCOMPARE(zbior[0], okno.acZapisz);
        QCOMPARE(zbior[1], okno.acDrukuj);
        QVERIFY(zbior[2]->isSeparator());
        QCOMPARE(zbior[3], okno.acKoniec);
        QCOMPARE(menu[1]->menu()->actions(), QList<QAction*>{okno.acCzcionka});
        const QList<QAction*> pasek = okno.findChild<QToolBar*>()->actions();
        QCOMPARE(pasek.size(), 6);
        QCOMPARE(pasek[0], okno.acDrukuj);
        QCOMPARE(pasek[1], okno.acZapisz);
        QVERIFY(pasek[2]->isSeparator());
        QCOMPARE(pasek[3], okno.acCzcionka);
        QVERIFY(pasek[4]->isSeparator());
        QCOMPARE(pasek[5], okno.acKoniec);
    }

    void PisanieOdrzucone_data()
    {
        QTest::addColumn<int>("klawisz");
        QTest::addColumn<QString>("tekst");
        QTest::newRow("litera") << int(Qt::Key_A) << "a";
        QTest::newRow("polska litera") << int(Qt::Key_unknown) << QString::fromUtf8("ż");
        QTest::newRow("Enter") << int(Qt::Key_Return) << "\r";
        QTest::newRow("Backspace") << int(Qt::Key_Backspace) << "\b";
        QTest::newRow("odstęp") << int(Qt::Key_Space) << " ";
    }

    void PisanieOdrzucone()
    {
        QFETCH(int, klawisz);
        QFETCH(QString, tekst);
        TOknoHelp okno;
        QStringList tytuly, tresci;
        okno.PokazUwage = [&](const QString& t, const QString& k) {
            tytuly << t;
            tresci << k;
        };
        SladWyczysc();
        SladDodaj("wiersz pierwszy");
        SladDodaj("wiersz drugi");
        okno.PokazSlad();
        okno.Memo->moveCursor(QTextCursor::End);
        QTest::sendKeyEvent(QTest::Click, okno.Memo, Qt::Key(klawisz), tekst, Qt::NoModifier);
        QCOMPARE(tytuly, QStringList{"UWAGA"});
        QCOMPARE(tresci, QStringList{Uwaga});
        QCOMPARE(okno.Tekst(), QString("wiersz pierwszy\nwiersz drugi"));
        // strzałki nie są pisaniem
        QTest::keyClick(okno.Memo, Qt::Key_Up);
        QCOMPARE(tytuly.size(), 1);
    }

    // Skrót wciśnięty w polu tekstu otwiera okno swojej akcji; okno modalne jest
    // oglądane i zamykane z kolejki zdarzeń.
    void SkrotyOtwierajaOkna()
    {
        TOknoHelp okno;
        SladWyczysc();
        SladDodaj("Przęsło nr 1");
        okno.PokazSlad();
        QApplication::setActiveWindow(&okno);
        QVERIFY(QTest::qWaitForWindowActive(&okno));
        // z zaznaczeniem pole tekstu chciałoby skopiować je przez Ctrl+C
        okno.Memo->selectAll();
        QString otwarte;
        QStringList filtry;
        QString rozszerzenie;
        bool pytaONadpisanie = false;
        auto zamknij = [&] {
            QWidget* w = QApplication::activeModalWidget();
            if (!w) return;
            otwarte = QString::fromLatin1(w->metaObject()->className());
            if (auto* d = qobject_cast<QFileDialog*>(w)) {
                filtry = d->nameFilters();
                rozszerzenie = d->defaultSuffix();
                pytaONadpisanie = !d->testOption(QFileDialog::DontConfirmOverwrite);
            }
            qobject_cast<QDialog*>(w)->reject();
        };
        const struct {
            Qt::Key klawisz;
            const char* klasa;
        } skroty[] = {{Qt::Key_C, "QFontDialog"}, {Qt::Key_Z, "QFileDialog"}, {Qt::Key_D, "QPrintDialog"}};
        for (const auto& s : skroty) {
            // po zamknięciu okna modalnego aktywność wraca do przeglądarki
            QApplication::setActiveWindow(&okno);
            okno.Memo->setFocus();
            otwarte.clear();
            QTimer::singleShot(50, zamknij);
            QTest::keyClick(okno.Memo, s.klawisz, Qt::ControlModifier);
            QCOMPARE(otwarte, QString::fromLatin1(s.klasa));
        }
        QCOMPARE(filtry, QStringList{"Zbiory tekstowe (*.TXT)"});
        QCOMPARE(rozszerzenie, QString("txt"));
        QVERIFY(pytaONadpisanie);
        QCOMPARE(okno.Tekst(), QString::fromUtf8("Przęsło nr 1"));
        QApplication::setActiveWindow(&okno);
        okno.Memo->setFocus();
        QTest::keyClick(okno.Memo, Qt::Key_K, Qt::ControlModifier);
        QVERIFY(!okno.isVisible());
    }

    void PokazPlikWindows1250()
    {
        const QString sciezka = katalog.filePath("PTU.TXT");
        Zapisz(sciezka, Utf8DoCp1250("Zestawienie nośności\r\nŻÓŁW ąęśćńźż\r\n  klasa \"A\"\r\n"));
        TOknoHelp okno;
        okno.PokazPlik(QString::fromUtf8("Różne normy"), sciezka);
        QVERIFY(okno.isVisible());
        QCOMPARE(okno.windowTitle(), QString::fromUtf8("Różne normy"));
        QCOMPARE(okno.Tekst(), QString::fromUtf8("Zestawienie nośności\nŻÓŁW ąęśćńźż\n  klasa \"A\""));
        // brak pliku: nic się nie zmienia
        okno.close();
        okno.PokazPlik("Inny", katalog.filePath("BRAK.TXT"));
        QVERIFY(!okno.isVisible());
        QCOMPARE(okno.windowTitle(), QString::fromUtf8("Różne normy"));
        QCOMPARE(okno.Tekst(), QString::fromUtf8("Zestawienie nośności\nŻÓŁW ąęśćńźż\n  klasa \"A\""));
    }

    void PokazSladIZamkniecieOdObliczen()
    {
        TOknoHelp okno;
        SladWyczysc();
        SladDodaj("Element: Przęsło nr 1");
        SladWartosc("L", 12.5);
        SladWartosc("TN", NieDotyczy);
        okno.PokazSlad();
        QVERIFY(okno.isVisible());
        QCOMPARE(okno.windowTitle(), QString::fromUtf8("Ślad obliczeń"));
        const std::vector<std::string> linie = Slad().Linie();
        QStringList oczekiwane;
        for (const std::string& l : linie) oczekiwane << QString::fromStdString(l);
        QCOMPARE(okno.Tekst(), oczekiwane.join('\n'));
        QVERIFY(okno.Tekst().contains("NIE DOTYCZY"));
        // rdzeń zamyka okno na początku każdego obliczenia
        SladZamknijOkno();
        QVERIFY(!okno.isVisible());
    }

    void ZapisWindows1250ZCrLf()
    {
        TOknoHelp okno;
        SladWyczysc();
        SladDodaj("Ślad: przęsło");
        SladDodaj("");
        SladDodaj("koniec");
        okno.PokazSlad();
        const QString sciezka = katalog.filePath("slad.txt");
        QVERIFY(okno.ZapiszDoPliku(sciezka));
        const std::string oczekiwane = Utf8DoCp1250("Ślad: przęsło\r\n\r\nkoniec\r\n");
        QCOMPARE(Czytaj(sciezka), QByteArray(oczekiwane.data(), static_cast<qsizetype>(oczekiwane.size())));
        // zapisany plik czyta się z powrotem bez zmian
        TOknoHelp drugie;
        drugie.PokazPlik("x", sciezka);
        QCOMPARE(drugie.Tekst(), okno.Tekst());
        QVERIFY(!okno.ZapiszDoPliku(katalog.filePath("brak/katalogu.txt")));
    }

    void DrukTytulemOkna()
    {
        TOknoHelp okno;
        SladWyczysc();
        SladDodaj("Przęsło nr 1");
        okno.PokazSlad();
        QPrinter drukarka;
        drukarka.setOutputFormat(QPrinter::PdfFormat);
        const QString pdf = katalog.filePath("wydruk.pdf");
        drukarka.setOutputFileName(pdf);
        okno.Drukuj(drukarka);
        QCOMPARE(drukarka.docName(), QString::fromUtf8("Ślad obliczeń"));
        const QByteArray bajty = Czytaj(pdf);
        QVERIFY(bajty.startsWith("%PDF"));
        // tytuł dokumentu PDF (UTF-16BE) to tytuł okna
        const QString tytul = QString::fromUtf8("Ślad obliczeń");
        QByteArray utf16 = "\xFE\xFF";
        for (QChar z : tytul) utf16 += char(z.unicode() >> 8), utf16 += char(z.unicode() & 0xFF);
        QVERIFY(bajty.contains(utf16) || bajty.contains(tytul.toUtf8()));
    }

    void Zrzut()
    {
        TOknoHelp okno;
        SladWyczysc();
        SladDodaj("Obiekt: Belka swobodnie podparta, PN-85/S-10030 klasa \"A\"");
        SladDodaj("Element: Przęsło nr 1  (Długość przęsła)");
        SladWartosc("L", 12.5);
        SladWartosc("Fi", 1.2875);
        SladWartosc("Gamma 1", 0.4567891);
        SladWartosc("TN", NieDotyczy);
        SladCalkowita("N", 6);
        SladDodaj("Zażółć gęślą jaźń — ZAŻÓŁĆ GĘŚLĄ JAŹŃ");
        okno.PokazSlad();
        QVERIFY(QTest::qWaitForWindowExposed(&okno));
        QVERIFY(!ZapiszZrzut(okno, "TOknoHelp").isEmpty());
    }
};

QTEST_MAIN(TestTOknoHelp)
#include "TestTOknoHelp.moc"
