// Okno "Pojazd nienormatywny" (Ctrl+Shift+P) i przejazd wybranego pojazdu: tabela osi przez widok
// (wpis odrzucony z komunikatem pliku), przyciski osi, rysunek, zapis w Pojazdy/ z pytaniem
// o plik zmieniony na dysku, wiersz okna wynikowego przy każdej zmianie, kolumna
// "Wykorzystanie" panelu "Elementy" i kolumna z filtrem i zestawieniami w rejestrze. Teksty
// i liczby sprawdzają testy przebiegu i rejestru; tu to, że okna je pokazują i przenoszą.
#include "OknoTestowe.h"
#include "okna/glowne/TPanelElementow.h"
#include "okna/pomocnicze/TOknoPojazdu.h"
#include "okna/rejestr/TModelRejestru.h"
#include "okna/rejestr/TOknoRejestru.h"
#include "okna/rejestr/TPrzegladKatalogu.h"
#include "okna/rysunki/TRysunekPojazdu.h"
#include "przebieg/SkalaMas.h"
#include "system/SciezkaUtf8.h"

using namespace testy;

namespace {
const QString Przyklady = QStringLiteral(PONTIVA_DANE_TESTOWE "/../../przyklady");
const QString Zuraw = Przyklady + QStringLiteral("/pojazdy/zuraw_60t.PJZ");

// Wpis w komórce tabeli osi tak, jak użytkownik: zaznaczenie, pisanie, Enter.
void Wpisz(QTableView* t, int wiersz, int kolumna, const QString& tekst)
{
    t->setCurrentIndex(t->model()->index(wiersz, kolumna));
    t->edit(t->currentIndex());
    auto* edytor = qobject_cast<QLineEdit*>(t->indexWidget(t->currentIndex()));
    QVERIFY(edytor);
    edytor->selectAll();
    QTest::keyClicks(edytor, tekst);
    QTest::keyClick(edytor, Qt::Key_Return);
    QCoreApplication::processEvents();  // widok zatwierdza wpis w kolejce zdarzeń
}

QString Komorka(QTableView* t, int wiersz, int kolumna) { return t->model()->index(wiersz, kolumna).data().toString(); }
}  // namespace

class TestPojazdu : public QObject {
    Q_OBJECT
    QTemporaryDir ustawienia_;
    std::unique_ptr<tOknoTestowe> t_;
    TGlowneOkno& Okno() { return t_->Okno(); }
    TOknoPojazdu& Pojazd() { return Okno().OknoPojazdu(); }
    QLabel* Przejazd() { return Okno().findChild<QLabel*>(QStringLiteral("lbPrzejazd")); }
    void Kliknij(const char* przycisk) { Pojazd().findChild<QPushButton*>(QString::fromLatin1(przycisk))->click(); }

private slots:
    void initTestCase() { QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, ustawienia_.path()); }
    void init()
    {
        QSettings().clear();  // panel "Elementy" ukryty
        t_ = std::make_unique<tOknoTestowe>();
        QVERIFY(t_->Otworz());
        QVERIFY(Okno().OtworzPlik(Przyklady + QStringLiteral("/belka.PTV")));
    }
    void cleanup() { t_.reset(); }

    // Ctrl+Shift+P; tabela osi przez widok i przyciski; każda zmiana od razu w oknie wynikowym.
    void tabelaOsiIWierszWynikow()
    {
        const QRect polaBezPojazdu = Okno().Kontrolki().Wyniki[0]->geometry();
        QTest::keyClick(&Okno(), Qt::Key_P, Qt::ControlModifier | Qt::ShiftModifier);
        QVERIFY(Pojazd().isVisible());
        QVERIFY(Przejazd()->isHidden());
        Kliknij("btDodajOs");
        Kliknij("btDodajOs");
        QTableView* t = Pojazd().TabelaOsi();
        Wpisz(t, 0, 1, QStringLiteral("12t"));
        QCOMPARE(Pojazd().Komunikat()->text(), QStringLiteral("[POJAZD] P1 = \"12t\": to nie jest liczba"));
        QCOMPARE(Komorka(t, 0, 1), QStringLiteral("10"));
        Wpisz(t, 0, 1, QStringLiteral("30.5"));
        Wpisz(t, 0, 2, QStringLiteral("4"));
        QCOMPARE(Komorka(t, 0, 1), QStringLiteral("30,5"));
        QVERIFY(!(t->model()->flags(t->model()->index(1, 2)) & Qt::ItemIsEditable));  // ostatnia oś
        QCOMPARE(Pojazd().Opis()->text(), QStringLiteral("Masa całkowita: 40,5 t; liczba osi: 2; rozstaw skrajnych osi: 4 m"));
        QCOMPARE(Pojazd().Rysunek()->Figury().Kola.size(), 2u);
        t->setCurrentIndex(t->model()->index(0, 1));
        Kliknij("btWDol");
        QCOMPARE(Komorka(t, 1, 1), QStringLiteral("30,5"));
        QCOMPARE(t->currentIndex().row(), 1);
        // Wiersz wyników z tekstem przebiegu; zmiana przypadku i wyboru przelicza od razu.
        const auto wynik = [&] { return WynikPrzejazdu(*Pojazd().Edycja().Wybrany(), nullptr).Tekst; };
        QVERIFY(Przejazd()->isVisible());
        QVERIFY(Przejazd()->text().contains(QStringLiteral("z ruchem")));
        Pojazd().Sam()->click();
        QVERIFY(Przejazd()->text().endsWith(QStringLiteral("sam na obiekcie")));
        Pole(Okno(), PoleDlugosci(2))->UstawWartosc(130);
        QCOMPARE(Przejazd()->text(), QString::fromStdString(wynik()));
        QCOMPARE(Przejazd()->palette().color(QPalette::WindowText), QColor(192, 0, 0));
        Pojazd().Ocena()->click();
        QVERIFY(Przejazd()->isHidden());
        QCOMPARE(Okno().Kontrolki().Wyniki[0]->geometry(), polaBezPojazdu);
    }

    // Zapis w Pojazdy/ pod nazwą pojazdu; plik zmieniony na dysku zastąpiony dopiero po "Tak";
    // plik, którego nie da się przyjąć, odrzucony komunikatem odczytu.
    void plikiPojazdu()
    {
        QString poczatek;
        Pojazd().WybierzPlikZapisu = [&](const QString&, const QString& p, const QString&) { return poczatek = p; };
        Kliknij("btDodajOs");
        Wpisz(Pojazd().PoleNazwy(), QStringLiteral("Dźwig"));
        QCOMPARE(Pojazd().windowTitle(), QStringLiteral("Pojazd nienormatywny *"));
        const QString plik = QString::fromStdString(KatalogPojazdow()) + QStringLiteral("/Dźwig.PJZ");
        Kliknij("btZapisz");  // bez pliku jak "Zapisz jako…"
        QCOMPARE(poczatek, plik);
        QVERIFY(QFileInfo::exists(plik));
        QCOMPARE(Pojazd().windowTitle(), QStringLiteral("Pojazd nienormatywny – Dźwig.PJZ"));
        ZapiszPlik(SciezkaUtf8(plik.toStdString()), "[POJAZD]\r\nOSIE=1\r\nP1=7\r\n");
        tKomunikat pytanie;
        GdyOkno<QMessageBox>(&Pojazd(), [&](QMessageBox& m) {
            pytanie = {m.windowTitle(), m.text(), m.icon()};
            m.button(QMessageBox::No)->click();
        });
        QVERIFY(!Pojazd().Zapisz());
        QCOMPARE(pytanie.Tytul, QStringLiteral("UWAGA"));
        QVERIFY(pytanie.Tekst.contains(QStringLiteral("zmienił się na dysku")));
        QCOMPARE(QString::fromStdString(CzytajPlik(SciezkaUtf8(plik.toStdString()))), QStringLiteral("[POJAZD]\r\nOSIE=1\r\nP1=7\r\n"));
        tKomunikat blad;
        PrzechwycKomunikat(&Pojazd(), blad);
        QVERIFY(!Pojazd().Otworz(QStringLiteral(PONTIVA_DANE_TESTOWE "/przypadki/n1956_p0/obiekt.PTV")));
        QCOMPARE(blad.Tytul, QStringLiteral("Błąd"));
        QVERIFY(blad.Tekst.startsWith(QStringLiteral("To nie jest plik pojazdu")));
    }

    // Kolumna "Wykorzystanie" w barwie skali tylko z pojazdem.
    void kolumnaElementow()
    {
        Okno().findChild<QAction*>(QStringLiteral("acElementy"))->trigger();
        QTableView* t = Okno().PanelElementow().Tabela();
        QVERIFY(t->isColumnHidden(kWykorzystanie));
        QVERIFY(Okno().OtworzPojazd(Zuraw));
        QVERIFY(!t->isColumnHidden(kWykorzystanie));
        const tWierszElementu& w = Okno().Przebieg().Tabela().Wiersze[0];
        QCOMPARE(Komorka(t, 0, kWykorzystanie), QString::fromStdString(TekstWykorzystania(w.Wykorzystanie)));
        const tKolor k = KolorWykorzystania(w.Wykorzystanie.U);
        QCOMPARE(t->model()->index(0, kWykorzystanie).data(Qt::BackgroundRole).value<QBrush>().color(), QColor(k.R, k.G, k.B));
    }

    // Rejestr: kolumna "Przejazd" i filtr tylko z pojazdem; zestawienie CSV z kolumnami przejazdu
    // i raport oceny przejazdu pokazanych wierszy.
    void rejestr()
    {
        TOknoRejestru& r = Okno().OknoRejestru();
        r.OtworzKatalog(Przyklady);
        r.show();
        QVERIFY(QTest::qWaitFor([&r] { return !r.Przeglad().Trwa(); }, 20000));
        QVERIFY(r.Tabela()->isColumnHidden(rPrzejazd) && r.Niedopuszczalne()->isHidden());
        QVERIFY(Okno().OtworzPojazd(Zuraw));
        QVERIFY(!r.Tabela()->isColumnHidden(rPrzejazd) && r.Niedopuszczalne()->isVisible());
        const TModelRejestru& m = r.Model();
        const size_t wszystkie = m.Pokazane().size();
        r.Niedopuszczalne()->click();
        const size_t niedopuszczalne = m.Pokazane().size();
        QVERIFY(niedopuszczalne > 0 && niedopuszczalne < wszystkie);
        for (size_t i = 0; i < niedopuszczalne; ++i) {
            const tWierszRejestru* w = m.Pokazane()[i];
            QVERIFY(!w->Poprawny || !m.Ocena(w)->Dopuszczalny());
            QCOMPARE(r.Tabela()->model()->index(static_cast<int>(i), rPrzejazd).data().toString(),
                     QString::fromStdString(TekstPrzejazdu(*w, *m.Ocena(w))));
        }
        tKatalogTymczasowy kat;
        r.WybierzPlik = [&kat](const QString&, const QString&, const QString&, QString*) {
            return QString::fromStdString(kat / "z.csv");
        };
        r.ZapiszZestawienie();
        const tPrzejazdZestawienia p = m.PrzejazdPokazanych();
        QCOMPARE(CzytajPlik(kat / "z.csv"), ZnacznikUtf8 + ZestawienieCsv(m.Pokazane(), &p));
        r.WybierzPlik = [&kat](const QString&, const QString&, const QString&, QString*) {
            return QString::fromStdString(kat / "ocena");
        };
        r.findChild<QPushButton*>(QStringLiteral("btOcenaPrzejazdu"))->click();
        const std::string rtf = CzytajPlik(kat / "ocena.rtf");
        QVERIFY(rtf.find("Przejazd dopuszczalny przez 0 z " + std::to_string(niedopuszczalne)) != std::string::npos);
    }
};

TEST_OKIEN(TestPojazdu)
#include "PojazdTest.moc"
