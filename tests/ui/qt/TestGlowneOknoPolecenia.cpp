// Polecenia okna głównego: okno przekroju ("..."), O programie, pomoc z tematem panelu,
// ślad obliczeń, porównanie norm, raport (z odmową i z zapisem), Zapisz.
#include <QApplication>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTextBrowser>
#include <QTimer>
#include <QToolButton>
#include <memory>

#include "OknoTestowe.h"
#include "ui/qt/OknoPomocy.h"
#include "ui/qt/TAboutBox.h"
#include "ui/qt/TObrazekPrzekroju.h"
#include "ui/qt/TOknoHelp.h"
#include "ui/qt/TZapiszJNI.h"

namespace {
struct tOknoKomunikatu {
    QString Tytul, Tekst;
    QMessageBox::Icon Ikona = QMessageBox::NoIcon;
};

// Zapamiętuje i zamyka pierwsze okno komunikatu, które się pokaże.
void PrzechwycKomunikat(QObject* kontekst, tOknoKomunikatu& wynik)
{
    QTimer::singleShot(0, kontekst, [&wynik] {
        if (auto* m = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            wynik = {m->windowTitle(), m->text(), m->icon()};
            m->accept();
        }
    });
}

const tInfoObiektu Identyfikacja = {"12345678", "2", "DK7", "12+300", "Kraków", "rzeka Wisła"};
}  // namespace

class TestGlowneOknoPolecenia : public QObject {
    Q_OBJECT

    std::unique_ptr<tOknoTestowe> t_;
    TGlowneOkno& Okno() { return t_->Okno(); }
    void Wywolaj(const char* akcja) { Okno().findChild<QAction*>(akcja)->trigger(); }

private slots:
    void initTestCase() { PrzygotujTesty(); }

    void init()
    {
        t_ = std::make_unique<tOknoTestowe>();
        QVERIFY(t_->Otworz());
        UstawMost(Okno(), MostWielodzwigarowy());
    }

    void cleanup() { t_.reset(); }

    // "..." otwiera rysunek wybranego przekroju, zmiana przekroju go przełącza, drugie
    // "..." zamyka.
    void oknoPrzekroju()
    {
        auto* przycisk = Okno().findChild<QToolButton*>("btPrzekroj");
        Lista(Okno(), tLista::CBPrzeslo)->setCurrentIndex(2);
        przycisk->click();
        QVERIFY(Okno().OknoPrzekroju().isVisible());
        QCOMPARE(Okno().OknoPrzekroju().Typ(), 2);
        Lista(Okno(), tLista::CBPrzeslo)->setCurrentIndex(6);
        QCOMPARE(Okno().OknoPrzekroju().Typ(), 6);
        przycisk->click();
        QVERIFY(!Okno().OknoPrzekroju().isVisible());
        Lista(Okno(), tLista::CBPrzeslo)->setCurrentIndex(1);
        QCOMPARE(Okno().OknoPrzekroju().Typ(), 6);  // zamknięte okno nie śledzi zmian
    }

    void oProgramie()
    {
        Wywolaj("acAbout");
        QVERIFY(Okno().OknoOProgramie().isVisible());
        QVERIFY(Okno().isEnabled());  // nie blokuje okna głównego
    }

    // F1: temat 1 w lewym panelu, temat 2 w prawym; "Pomoc na temat" otwiera spis treści.
    void pomoc()
    {
        // Temat widać po przewinięciu tekstu do jego kotwicy.
        OknoPomocy& pomoc = Okno().Pomoc();
        auto przewiniecie = [&] { return pomoc.Tekst->verticalScrollBar()->value(); };
        auto kotwica = [&](int temat) {
            pomoc.PokazTemat(temat);
            return przewiniecie();
        };
        const int temat1 = kotwica(1), temat2 = kotwica(2);
        QVERIFY(temat1 != temat2);
        pomoc.hide();
        Wywolaj("acNaTemat");
        QVERIFY(pomoc.isVisible());
        QCOMPARE(przewiniecie(), 0);
        Pole(Okno(), RxSE_B)->setFocus();
        QTest::keyClick(&Okno(), Qt::Key_F1);
        QCOMPARE(przewiniecie(), temat1);
        Lista(Okno(), tLista::CBNormatyw)->setFocus();
        QTest::keyClick(&Okno(), Qt::Key_F1);
        QCOMPARE(przewiniecie(), temat2);
    }

    // Ślad obliczeń należy do bieżących danych: przeliczenie tuż przed pokazaniem.
    void sladObliczen()
    {
        Pole(Okno(), PoleDlugosci(2))->UstawWartosc(18);
        Wywolaj("acSlad");
        TOknoHelp& t = Okno().OknoTekstu();
        QVERIFY(t.isVisible());
        QCOMPARE(t.windowTitle(), QString::fromUtf8("Ślad obliczeń"));
        QVERIFY(t.Tekst().contains(QStringLiteral("18")));
    }

    void rozneNormy()
    {
        Okno().Przebieg().UstawInfo(Identyfikacja);
        Wywolaj("acNormy");
        QVERIFY(QFile::exists(t_->Katalog() + "/PTU.TXT"));
        TOknoHelp& t = Okno().OknoTekstu();
        QVERIFY(t.isVisible());
        QCOMPARE(t.windowTitle(), QString::fromUtf8("Przeliczenie dla różnych norm"));
        QVERIFY(t.Tekst().contains(QStringLiteral("PN-85/S-10030")));
        // Pola okna nie zmieniają się; obiekt okna zostaje z ostatnią parą porównania.
        QCOMPARE(Lista(Okno(), tLista::CBNormatyw)->currentIndex(), 5);
        QCOMPARE(Okno().Przebieg().Obiekt().Normatyw, 6);
    }

    void raportBezJNI()
    {
        QString otwarty;
        Okno().OtworzRaport = [&](const QString& plik) { return otwarty = plik, true; };
        tOknoKomunikatu k;
        PrzechwycKomunikat(this, k);
        Wywolaj("acRaport");
        QCOMPARE(k.Tytul, QString::fromUtf8("BŁĄD"));
        QCOMPARE(k.Ikona, QMessageBox::Warning);
        QVERIFY(k.Tekst.startsWith(QStringLiteral("BRAK JNI\n")));
        QVERIFY(otwarty.isEmpty());
    }

    // Zapisany raport idzie do przeglądarki; gdy jej nie ma, okno podaje ścieżkę pliku.
    void raportZapisany()
    {
        Okno().Przebieg().UstawInfo(Identyfikacja);
        QString otwarty;
        Okno().OtworzRaport = [&](const QString& plik) { return otwarty = plik, false; };
        tOknoKomunikatu k;
        PrzechwycKomunikat(this, k);
        Wywolaj("acRaport");
        const QString plik = t_->Katalog() + "/Raporty/12345678@2.RTF";
        QCOMPARE(otwarty, plik);
        QVERIFY(QFile::exists(plik));
        QVERIFY(k.Tekst.endsWith(plik));
        QCOMPARE(k.Ikona, QMessageBox::Information);
    }

    // Dane, które nie przechodzą sprawdzeń, nie dają raportu; pliku nie ma.
    void raportBledneDane()
    {
        Okno().Przebieg().UstawInfo(Identyfikacja);
        Wyczysc(Pole(Okno(), RxSE_BB));
        Wpisz(Pole(Okno(), RxSE_BB), QStringLiteral("0"));
        QVERIFY(Komunikaty(Okno()).startsWith(QString::fromUtf8("BŁĄD")));
        QString otwarty;
        Okno().OtworzRaport = [&](const QString& plik) { return otwarty = plik, true; };
        tOknoKomunikatu k;
        PrzechwycKomunikat(this, k);
        Wywolaj("acRaport");
        QCOMPARE(k.Tytul, QString::fromUtf8("BŁĄD"));
        QCOMPARE(k.Tekst, QString::fromUtf8("Błędne dane\nUsuń przyczynę błędu i ponownie wywołaj to polecenie."));
        QVERIFY(otwarty.isEmpty());
        QVERIFY(!QFile::exists(t_->Katalog() + "/Raporty/12345678@2.RTF"));
    }

    // Zapisz i wczytanie zapisanego pliku przywracają zmienione pole i identyfikację.
    void zapiszIWczytaj()
    {
        Okno().Przebieg().UstawInfo(Identyfikacja);
        const QString przed = Wynik(Okno(), 4);
        tOknoKomunikatu k;
        QTimer::singleShot(0, this, [&] {
            PrzechwycKomunikat(this, k);  // komunikat pierwszego zapisu
            Okno().OknoJNI().bbOK->click();
        });
        Wywolaj("acZapisz");
        const QString plik = t_->Katalog() + "/JNI/12345678_2.PTV";
        QVERIFY(QFile::exists(plik));
        Wyczysc(Pole(Okno(), RxSE_BB));
        Wpisz(Pole(Okno(), RxSE_BB), QStringLiteral("0"));
        Okno().Przebieg().UstawInfo({});
        QVERIFY(Wynik(Okno(), 4).isEmpty());
        Okno().Przebieg().WczytajDane(plik.toStdString());
        QCOMPARE(Wynik(Okno(), 4), przed);
        QCOMPARE(QString::fromStdString(Okno().Przebieg().Info().Przeszkoda), QString::fromUtf8("rzeka Wisła"));
        QVERIFY(Okno().windowTitle().contains(QStringLiteral("[JNI: 12345678 NrP: 2]")));
    }

    // Zapisz: okno identyfikacji z przyciskiem "Zapisz", plik w katalogu JNI, komunikat
    // pierwszego zapisu.
    void zapisz()
    {
        tOknoKomunikatu k;
        QTimer::singleShot(0, this, [&] {
            TZapiszJNI& d = Okno().OknoJNI();
            QCOMPARE(d.bbOK->text(), QStringLiteral("Zapisz"));
            d.edJNI->setText("99999999");
            d.edNrP->setText("1");
            PrzechwycKomunikat(this, k);  // komunikat pojawia się po zamknięciu okna danych
            d.bbOK->click();
        });
        Wywolaj("acZapisz");
        QCOMPARE(k.Tytul, QStringLiteral("INFO"));
        QCOMPARE(k.Tekst, QString::fromUtf8("Dane o obiekcie zostały zapisane\ndo podkatalogu o nazwie JNI\n") +
                              t_->Katalog() + "/JNI/99999999_1.PTV");
        QVERIFY(QFile::exists(t_->Katalog() + "/JNI/99999999_1.PTV"));
        QVERIFY(Okno().windowTitle().contains(QStringLiteral("[JNI: 99999999 NrP: 1]")));
    }
};

QTEST_MAIN(TestGlowneOknoPolecenia)
#include "TestGlowneOknoPolecenia.moc"
