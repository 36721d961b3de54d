// Przekrój w skali w oknie "..." i wykres "Różnych norm": przerysowanie po zmianie pola
// (i nic przy zamkniętym oknie), czerwona różnica sum na obrazie, okno wykresu po
// poleceniu, zapis PNG i SVG (ten sam co z pontiva-cli). Zrzuty obu widoków robi program
// tools/zrzuty.
#include <QFile>
#include <QPainter>
#include <QProcess>
#include <QPushButton>
#include <QTabBar>
#include <QToolButton>
#include <memory>
#include <tuple>

#include "OknoTestowe.h"
#include "okna/pomocnicze/TObrazekPrzekroju.h"
#include "okna/pomocnicze/TOknoWykresu.h"
#include "okna/rysunki/TWykres.h"

namespace {
// Piksele wyraźnie czerwone (opis różnicy sum).
int CzerwonePiksele(const QImage& obraz)
{
    int n = 0;
    for (int y = 0; y < obraz.height(); ++y)
        for (int x = 0; x < obraz.width(); ++x) {
            const QColor c = obraz.pixelColor(x, y);
            n += c.red() > 150 && c.green() < 80 && c.blue() < 80;
        }
    return n;
}

// Mosty przypadków przekroju w skali (tests/dane/przekroje/w_skali.txt): opis i czy sumy
// są niezgodne. "wymiary" to typ i czternaście pól szerokości w kolejności tPole.
std::vector<std::tuple<QString, tMost, bool>> Mosty()
{
    QFile plik(QStringLiteral(PONTIVA_DANE_TESTOWE "/przekroje/w_skali.txt"));
    if (!plik.open(QIODevice::ReadOnly)) return {};
    std::vector<std::tuple<QString, tMost, bool>> mosty;
    for (const QString& w : QString::fromUtf8(plik.readAll()).split('\n')) {
        if (w.startsWith('[')) mosty.push_back({w.mid(1, w.indexOf(':') - 1), tMost{}, false});
        if (w.startsWith(QStringLiteral("roznica = "))) std::get<2>(mosty.back()) = true;
        if (!w.startsWith(QStringLiteral("wymiary = "))) continue;
        const QStringList v = w.mid(10).replace(',', '.').split(' ');
        tMost& m = std::get<1>(mosty.back());
        m.Przekroj = v[0].toInt();
        for (int p = 0; p < LiczbaPolSzerokosci; ++p) m.Szerokosci[p] = v[p + 1].toDouble();
    }
    return mosty;
}
// Liczy zdarzenia danego typu, które dostaje widżet.
class tLicznikZdarzen : public QObject {
public:
    tLicznikZdarzen(QWidget& w, QEvent::Type typ, int& licznik) : typ_(typ), licznik_(licznik) { w.installEventFilter(this); }
    bool eventFilter(QObject*, QEvent* e) override
    {
        licznik_ += e->type() == typ_;
        return false;
    }

private:
    QEvent::Type typ_;
    int& licznik_;
};
} // namespace

class TestWidokiWSkaliIWykresu : public QObject {
    Q_OBJECT

    std::unique_ptr<tOknoTestowe> t_;
    TGlowneOkno& Okno() { return t_->Okno(); }
    TObrazekPrzekroju& Przekroj() { return Okno().OknoPrzekroju(); }
    TOknoWykresu* OknoWykresu() { return Okno().findChild<TOknoWykresu*>(); }
    void RozneNormy() { Okno().findChild<QAction*>("acNormy")->trigger(); }

private slots:
    // Jedno okno na wszystkie testy; każdy ustawia sobie most.
    void initTestCase()
    {
        t_ = std::make_unique<tOknoTestowe>();
        QVERIFY(t_->Otworz());
    }

    void cleanupTestCase() { t_.reset(); }

    // Otwarte okno rysuje w skali bieżące wymiary po każdej zmianie pola; zamknięte nic nie liczy.
    void przekrojPrzerysowanyPoZmianiePola()
    {
        UstawMost(Okno(), tMost{});
        auto c1 = [this] { return Przekroj().RysunekWSkali().Gora.at(0).Wartosc; };
        auto* przycisk = Okno().findChild<QToolButton*>("btPrzekroj");
        przycisk->click();
        QVERIFY(Przekroj().isVisible() && Przekroj().WSkali());
        QCOMPARE(c1(), std::string("1,50"));
        int malowania = 0;
        tLicznikZdarzen licznik(Przekroj(), QEvent::Paint, malowania);
        QTest::qWait(20);
        malowania = 0;
        Pole(Okno(), RxSE_C1)->UstawWartosc(2.0);
        QCOMPARE(c1(), std::string("2,00"));
        QTRY_VERIFY(malowania > 0);  // widok naprawdę przemalowany
        // Zakładka oznaczeń: rysunek wymiarowy jak dotąd, bez różnicy sum.
        Przekroj().findChild<QTabBar*>()->setCurrentIndex(1);
        QCOMPARE(CzerwonePiksele(Przekroj().grab().toImage()), 0);
        Przekroj().PokazWSkali(true);
        przycisk->click();
        Pole(Okno(), RxSE_C1)->UstawWartosc(1.7);
        QCOMPARE(c1(), std::string("2,00"));
        przycisk->click();
        QCOMPARE(c1(), std::string("1,70"));
    }

    // "Różne normy": PTU.TXT jak dotąd, a obok okno wykresu; PNG to obraz wykresu,
    // SVG ten sam co z pontiva-cli normy --wykres dla tego samego pliku.
    void wykresPoRoznychNormach()
    {
        const QString most = QStringLiteral(PONTIVA_DANE_TESTOWE "/raporty/most.ptv");
        Okno().Przebieg().WczytajDane(most.toStdString());
        RozneNormy();
        TOknoWykresu* okno = OknoWykresu();
        QVERIFY(okno && okno->isVisible());
        QCOMPARE(okno->Wykres().Wykres().Slupki.size(), size_t(23));

        QString wybrany;
        okno->WybierzPlik = [&](const QString&, const QString&, const QString&) { return wybrany; };
        wybrany = t_->Plik("wykres.png");
        okno->findChild<QPushButton*>("btZapiszPng")->click();
        const QImage png(wybrany);
        QCOMPARE(png, okno->Wykres().Obraz());
        // Każdy napis leży przy swoim punkcie zaczepienia: tam obraz bez napisów jest inny.
        tWykresPorownania bezNapisow = okno->Wykres().Wykres();
        bezNapisow.Napisy.clear();
        QImage tlo(png.size(), png.format());
        QPainter malarz(&tlo);
        RysujWykres(malarz, bezNapisow);
        malarz.end();
        for (const tNapisWykresu& n : okno->Wykres().Wykres().Napisy) {
            const QRect r = QRectF(n.x - 2 * n.Rozmiar, n.y - 1.2 * n.Rozmiar, 4 * n.Rozmiar, 1.4 * n.Rozmiar).toRect();
            QVERIFY2(png.copy(r) != tlo.copy(r), n.Tekst.c_str());
        }
        wybrany = t_->Plik("wykres.svg");
        okno->findChild<QPushButton*>("btZapiszSvg")->click();

        QProcess cli;
        cli.setWorkingDirectory(t_->Plik(""));
        cli.start(QStringLiteral(PONTIVA_CLI),
                  {"normy", most, "--wykres", "cli.svg", "--separator", ","});
        QVERIFY(cli.waitForFinished());
        QCOMPARE(cli.exitCode(), 0);
        QFile gui(wybrany), zCli(t_->Plik("cli.svg"));
        QVERIFY(gui.open(QIODevice::ReadOnly) && zCli.open(QIODevice::ReadOnly));
        QCOMPARE(gui.readAll(), zCli.readAll());
    }

    // Każdy rodzaj przekroju: rysunek w skali (czerwony tylko przy niezgodnych sumach)
    // i wykres porównania z dymkiem odrzuconego przeliczenia.
    void kazdyRodzajPrzekrojuIWykres()
    {
        const auto mosty = Mosty();
        QVERIFY(mosty.size() >= 13);
        for (const auto& [opis, most, niezgodne] : mosty) {
            UstawMost(Okno(), most);
            Przekroj().PokazPrzekroj(most.Przekroj);
            const QImage obraz = Przekroj().grab().toImage();
            QVERIFY2(!obraz.isNull(), qPrintable(opis));
            QCOMPARE(CzerwonePiksele(obraz) > 0, niezgodne);
            QCOMPARE(Przekroj().RysunekWSkali().Typ, most.Przekroj);

            RozneNormy();
            TOknoWykresu* okno = OknoWykresu();
            QVERIFY(okno);
            const TWykres& w = okno->Wykres();
            for (const tSlupek& s : w.Wykres().Slupki) {
                const QString dymek = w.OpisW(w.NaEkranie(QPointF((s.x1 + s.x2) / 2, w.Wykres().Dol - 2)));
                const std::string oczekiwany = s.Odrzucony ? w.Wykres().Przypisy.at(s.Przypis - 1) : " t\n";
                QVERIFY2(dymek.contains(Tekst(oczekiwany)), qPrintable(opis + ": " + dymek));
            }
        }
    }
};

TEST_OKIEN(TestWidokiWSkaliIWykresu)
#include "WidokiWSkaliIWykresuTest.moc"
