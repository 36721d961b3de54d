// Przeglądarka tekstu: nagłówek drukowanych stron, okno czcionki z czcionką tekstu,
// okno zapisu w ostatnio używanym katalogu.
#include <QAction>
#include <QApplication>
#include <QFileDialog>
#include <QFontDialog>
#include <QFontInfo>
#include <QPlainTextEdit>
#include <QPrinter>
#include <QProcess>
#include <QStandardPaths>
#include <QTimer>
#include <QtTest>

#include "UstawieniaTestowe.h"
#include "ZrzutyOkien.h"
#include "common/Slad.h"
#include "ui/qt/TOknoHelp.h"
#include "ui/qt/UstawieniaOkna.h"

namespace {
// Tekst stron PDF (pdftotext); strony rozdziela znak nowej strony.
QStringList StronyPdf(const QString& pdf)
{
    QProcess p;
    p.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), pdf, QStringLiteral("-")});
    if (!p.waitForFinished(30000)) return {};
    QStringList strony = QString::fromUtf8(p.readAllStandardOutput()).split('\f');
    if (!strony.isEmpty() && strony.last().trimmed().isEmpty()) strony.removeLast();
    return strony;
}

// Pokazuje okno modalne otwarte akcją i zamyka je; zwraca je przez funkcję.
template <class Okno>
void ObejrzyjOkno(QObject* kontekst, QAction* akcja, const std::function<void(Okno*)>& ogladaj)
{
    bool widziane = false;
    QTimer::singleShot(0, kontekst, [&] {
        auto* o = qobject_cast<Okno*>(QApplication::activeModalWidget());
        if (!o) return;
        widziane = true;
        ogladaj(o);
        if (o->isVisible()) o->reject();
    });
    akcja->trigger();
    QVERIFY(widziane);
}
}  // namespace

class TestTOknoHelpWydruk : public QObject {
    Q_OBJECT
    std::unique_ptr<tUstawieniaTestowe> ustawienia_;
    QTemporaryDir katalog_;

private slots:
    void initTestCase()
    {
        SprawdzCzcionki();
        ustawienia_ = std::make_unique<tUstawieniaTestowe>();
    }

    // 150 wierszy śladu na kilku stronach: na każdej JNI, tytuł okna i "strona n z m";
    // żaden wiersz nie ginie ani nie powtarza się na granicy stron.
    void naglowekStron_data()
    {
        QTest::addColumn<QString>("jni");
        QTest::addColumn<QString>("naglowekJni");
        QTest::newRow("z JNI") << "12345678" << "JNI: 12345678";
        QTest::newRow("bez JNI") << "" << "";
    }

    void naglowekStron()
    {
        QFETCH(QString, jni);
        QFETCH(QString, naglowekJni);
        if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty())
            QSKIP("brak pdftotext (pakiet poppler-utils)");
        TOknoHelp okno;
        SladWyczysc();
        for (int i = 1; i <= 150; ++i) SladDodaj("wiersz " + std::to_string(1000 + i));
        okno.PokazSlad();
        okno.JNI = jni;
        QPrinter drukarka;
        drukarka.setOutputFormat(QPrinter::PdfFormat);
        const QString pdf = katalog_.filePath("slad.pdf");
        drukarka.setOutputFileName(pdf);
        okno.Drukuj(drukarka);
        const QStringList strony = StronyPdf(pdf);
        QVERIFY(strony.size() >= 3);
        QString tresc;
        for (int n = 1; n <= strony.size(); ++n) {
            const QString pierwszy = strony[n - 1].trimmed().section('\n', 0, 0).simplified();
            const QString naglowek = QStringList({naglowekJni, QString::fromUtf8("Ślad obliczeń"),
                                                  QStringLiteral("strona %1 z %2").arg(n).arg(strony.size())})
                                         .join(' ')
                                         .trimmed();
            QCOMPARE(pierwszy, naglowek);
            tresc += strony[n - 1].trimmed().section('\n', 1) + '\n';
        }
        QStringList wiersze;
        for (int i = 1; i <= 150; ++i) wiersze << QStringLiteral("wiersz %1").arg(1000 + i);
        QCOMPARE(tresc.simplified(), wiersze.join(' '));
    }

    // Okno czcionki zaczyna od czcionki, którą tekst jest pokazany, a nie od innej rodziny.
    void czcionkaTekstu()
    {
        TOknoHelp okno;
        SladWyczysc();
        SladDodaj("Przęsło nr 1");
        okno.PokazSlad();
        const QFontInfo pokazana(okno.Memo->font());
        ObejrzyjOkno<QFontDialog>(this, okno.acCzcionka, [&](QFontDialog* d) {
            QCOMPARE(d->currentFont().family(), pokazana.family());
            QCOMPARE(d->currentFont().pointSize(), 10);
            QVERIFY(QFontInfo(d->currentFont()).fixedPitch());
        });
    }

    // "Zapisz jako ..." zaczyna w ostatnim katalogu i zapamiętuje katalog zapisu.
    void katalogZapisu()
    {
        TOknoHelp okno;
        SladWyczysc();
        SladDodaj("Przęsło nr 1");
        okno.PokazSlad();
        QDir(katalog_.path()).mkpath("raporty");
        TUstawieniaOkna().UstawOstatniKatalog(katalog_.path());
        const QString plik = katalog_.filePath("raporty/slad.txt");
        ObejrzyjOkno<QFileDialog>(this, okno.acZapisz, [&](QFileDialog* d) {
            QCOMPARE(d->directory().absolutePath(), katalog_.path());
            d->selectFile(plik);
            QMetaObject::invokeMethod(d, "accept");
        });
        QVERIFY(QFile::exists(plik));
        QCOMPARE(TUstawieniaOkna().OstatniKatalog(), katalog_.filePath("raporty"));
    }
};

QTEST_MAIN(TestTOknoHelpWydruk)
#include "TestTOknoHelpWydruk.moc"
