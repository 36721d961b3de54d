// Okno "Informacje o moście": pola, ograniczenia, wielkie litery JNI, komunikaty
// sprawdzenia i zatwierdzenie przyciskiem ustawionym przez wywołującego.
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

#include "ZrzutyOkien.h"
#include "ui/qt/TZapiszJNI.h"

namespace {
const QString Dlugosc = QString::fromUtf8("Za mała ilość znaków w polu JNI\rJNI musi mieć 8 znaków.");
const QString FormatJNI = QString::fromUtf8("Zły format danych w polu JNI\rTo musi być liczba.");
const QString FormatNrP = QString::fromUtf8("Zły format danych w polu \"numer przęsła\"\rTo musi być liczba.");
const QString ZaDuzy = QString::fromUtf8("Za duży numer przęsła (>45).");
const QString Rzeka = QString::fromUtf8("Rzeka pisze się przez \"rz\".");
const QString Row = QString::fromUtf8("Rów pisze się przez \"ó\".");

// keyClicks przyjmuje tylko Latin-1; polskie litery idą jako zdarzenia z tekstem.
void Wpisz(QWidget* pole, const QString& tekst)
{
    for (QChar z : tekst) QTest::sendKeyEvent(QTest::Click, pole, Qt::Key_unknown, QString(z), Qt::NoModifier);
}
} // namespace

class TestTZapiszJNI : public QObject {
    Q_OBJECT

    struct tOkno {
        TZapiszJNI okno;
        QStringList tytuly, komunikaty;
        tOkno()
        {
            okno.PokazBlad = [this](const QString& t, const QString& k) {
                tytuly << t;
                komunikaty << k;
            };
        }
    };

private slots:
    void initTestCase() { SprawdzCzcionki(); }

    void PolaIOgraniczenia()
    {
        TZapiszJNI okno;
        QCOMPARE(okno.windowTitle(), QString::fromUtf8("Informacje o moście"));
        QCOMPARE(okno.edJNI->maxLength(), 8);
        QCOMPARE(okno.edNrP->maxLength(), 3);
        QCOMPARE(okno.edDroga->maxLength(), 8);
        QCOMPARE(okno.edKm->maxLength(), 7);
        QVERIFY(okno.edNajblizsza->maxLength() >= 32767);
        QVERIFY(okno.edPrzeszkoda->maxLength() >= 32767);
        QCOMPARE(okno.bbAnuluj->text(), QString("Anuluj"));
        QStringList etykiety;
        for (QLabel* l : okno.findChildren<QLabel*>()) etykiety << l->text();
        for (const char* e : {"JNI", "Numer pierwszego przęsła", "Numer drogi", "Kilometraż (pikietaż)",
                              "Najbliższa miejscowość", "Przeszkoda"})
            QVERIFY2(etykiety.contains(QString::fromUtf8(e)), e);
    }

    void WielkieLiteryJNIPrzyPisaniu()
    {
        TZapiszJNI okno;
        okno.show();
        Wpisz(okno.edJNI, QString::fromUtf8("ab1ż"));
        QCOMPARE(okno.edJNI->text(), QString::fromUtf8("AB1Ż"));
        QCOMPARE(okno.edJNI->cursorPosition(), 4);
        Wpisz(okno.edJNI, QString::fromUtf8("cdefgh"));
        QCOMPARE(okno.edJNI->text(), QString::fromUtf8("AB1ŻCDEF"));
        // pozostałe pola zostają, jak wpisano
        Wpisz(okno.edPrzeszkoda, QString::fromUtf8("żeka"));
        QCOMPARE(okno.edPrzeszkoda->text(), QString::fromUtf8("żeka"));
    }

    void Sprawdzenia_data()
    {
        QTest::addColumn<QString>("jni");
        QTest::addColumn<QString>("nrp");
        QTest::addColumn<QString>("przeszkoda");
        QTest::addColumn<QString>("komunikat");
        QTest::addColumn<QString>("plik");
        const QString brak;
        QTest::newRow("siedem cyfr") << "1234567" << "1" << "" << Dlugosc << brak;
        QTest::newRow("pusty JNI") << "" << "1" << "" << Dlugosc << brak;
        QTest::newRow("osiem liter") << "ABCDEFGH" << "1" << "" << FormatJNI << brak;
        QTest::newRow("osiem zer") << "00000000" << "1" << "" << FormatJNI << brak;
        QTest::newRow("przęsło 0") << "12345678" << "0" << "" << FormatNrP << brak;
        QTest::newRow("przęsło litera") << "12345678" << "X" << "" << FormatNrP << brak;
        QTest::newRow("przęsło 46") << "12345678" << "46" << "" << ZaDuzy << brak;
        QTest::newRow("żeka wisła") << "12345678" << "1" << QString::fromUtf8("  żeka wisła") << Rzeka << brak;
        QTest::newRow("Rów") << "12345678" << "2" << QString::fromUtf8("Rów") << "" << "12345678_2.PTV";
        QTest::newRow("ruw") << "12345678" << "1" << QString::fromUtf8("ruw") << Row << brak;
        QTest::newRow("poprawne z odstępami") << "01234567" << "45" << " potok " << "" << "01234567_45.PTV";
    }

    void Sprawdzenia()
    {
        QFETCH(QString, jni);
        QFETCH(QString, nrp);
        QFETCH(QString, przeszkoda);
        QFETCH(QString, komunikat);
        QFETCH(QString, plik);
        tOkno t;
        t.okno.bbOK->setText("Zapisz");
        t.okno.UstawDane({jni.toStdString(), nrp.toStdString(), "DW 780", "3+450", "Kraków",
                          przeszkoda.toStdString()});
        t.okno.show();
        QTest::mouseClick(t.okno.bbOK, Qt::LeftButton);
        if (komunikat.isEmpty()) {
            QVERIFY(t.komunikaty.isEmpty());
            QCOMPARE(t.okno.result(), int(QDialog::Accepted));
            QVERIFY(!t.okno.isVisible());
            QCOMPARE(t.okno.NazwaPliku(), plik);
        } else {
            QCOMPARE(t.komunikaty, QStringList{komunikat});
            QCOMPARE(t.tytuly, QStringList{QString::fromUtf8("Błąd")});
            // okno zostaje otwarte z wpisanym tekstem
            QVERIFY(t.okno.isVisible());
            QCOMPARE(t.okno.result(), int(QDialog::Rejected));
            QCOMPARE(t.okno.edJNI->text(), jni);
            QCOMPARE(t.okno.edPrzeszkoda->text(), przeszkoda);
        }
    }

    void DaneObcieteIAnuluj()
    {
        tOkno t;
        t.okno.UstawDane({"12345678", " 3", " DK 7 ", "12+300 ", " Kraków ", " rzeka Wisła "});
        const tInfoObiektu d = t.okno.Dane();
        QCOMPARE(QString::fromStdString(d.NrP), QString("3"));
        QCOMPARE(QString::fromStdString(d.Droga), QString("DK 7"));
        QCOMPARE(QString::fromStdString(d.Km), QString("12+300"));
        QCOMPARE(QString::fromStdString(d.Najblizsza), QString::fromUtf8("Kraków"));
        QCOMPARE(QString::fromStdString(d.Przeszkoda), QString::fromUtf8("rzeka Wisła"));
        t.okno.show();
        QTest::mouseClick(t.okno.bbAnuluj, Qt::LeftButton);
        QCOMPARE(t.okno.result(), int(QDialog::Rejected));
        QVERIFY(!t.okno.isVisible());
        QVERIFY(t.komunikaty.isEmpty());
    }

    void Zrzut()
    {
        TZapiszJNI okno;
        okno.bbOK->setText("Zapisz");
        okno.UstawDane({"12345678", "1", "DK 7", "12+300", "Kraków", "rzeka Wisła"});
        okno.show();
        QVERIFY(QTest::qWaitForWindowExposed(&okno));
        QVERIFY(!ZapiszZrzut(okno, "TZapiszJNI").isEmpty());
    }
};

QTEST_MAIN(TestTZapiszJNI)
#include "TestTZapiszJNI.moc"
