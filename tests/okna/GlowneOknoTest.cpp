// Okno główne offscreen: wpisywanie, strzałki i utrata fokusu, kółko myszy tylko z fokusem,
// barwy obszaru komunikatów, linia statusu, skróty okna w polu, wiersze edytora, ustawienia
// regionalne, układ, rozmiar; polecenia od początku do końca: Informacje, Zapisz, Wczytaj,
// Raport, Różne normy, Ślad obliczeń, Koniec, okno przekroju, O programie, pomoc F1.
#include <QWheelEvent>

#include "OknoTestowe.h"
#include "okna/pomocnicze/TOknoPomocy.h"
#include "okna/wspolne/RegionalneQt.h"
#include "okna/pomocnicze/TAboutBox.h"
#include "okna/pomocnicze/TObrazekPrzekroju.h"
#include "okna/pomocnicze/TOknoHelp.h"
#include "okna/pomocnicze/TZapiszJNI.h"
#include "okna/pomocnicze/TPodgladRaportu.h"

namespace {
const QString BladSum = QString::fromUtf8("BŁĄD WYMIARÓW PRZEKROJU POPRZECZNEGO");
const QString Tytul = QString::fromUtf8("Pontiva obiektów mostowych ");
}  // namespace

class TestGlowneOkno : public QObject {
    Q_OBJECT

    std::unique_ptr<tOknoTestowe> t_;
    TGlowneOkno& Okno() { return t_->Okno(); }
    void Wywolaj(const char* akcja) { Okno().findChild<QAction*>(akcja)->trigger(); }

    // Okno identyfikacji wypełnione (JNI, NrP, Droga, Km) i zamknięte przyciskiem; zwraca
    // napis przycisku bbOK i komunikat pokazany po zamknięciu okna.
    void Identyfikacja(QString& przycisk, QStringList pola, bool zatwierdz, tKomunikat* potem = nullptr)
    {
        GdyOkno<TZapiszJNI>(this, [=, this, &przycisk](TZapiszJNI& d) {
            przycisk = d.bbOK->text();
            QLineEdit* edycje[] = {d.edJNI, d.edNrP, d.edDroga, d.edKm};
            for (int i = 0; i < pola.size(); ++i) edycje[i]->setText(pola[i]);
            if (potem) PrzechwycKomunikat(this, *potem);
            (zatwierdz ? d.bbOK : d.bbAnuluj)->click();
        });
    }

private slots:
    void init()
    {
        t_ = std::make_unique<tOknoTestowe>();
        QVERIFY(t_->Otworz());
        UstawMost(Okno(), tMost{});
    }

    void cleanup() { t_.reset(); }

    // Kroki użytkownika: "=tekst" czyści pole i wpisuje znak po znaku, "+tekst" dopisuje,
    // "↑"/"↓" to strzałki, "→" przenosi fokus dalej. Każdy znak i krok przelicza; tekst
    // zostaje jak wpisany, a utrata fokusu pokazuje go w formacie pola (to też przelicza), bez
    // przycinania: liczba spoza zakresu i tekst nieliczbowy są błędem oznaczonego pola.
    void krokiWPolach()
    {
        const QString zakres = QString::fromUtf8("BŁĄD PRZEKROJU POPRZECZNEGO\nSzerokość użytkowa nawierzchni (b): dozwolone od 0 do 100");
        const QString nieLiczba = QString::fromUtf8("BŁĄD PRZEKROJU POPRZECZNEGO\nWysięg prawego wspornika chodnikowego (e2): to nie jest liczba");
        const struct {
            tPole pole;
            const char *akcja, *tekst;
            double wartosc;
            const QString* blad;  // nullptr: obliczenia poprawne
            bool oznaczone;
        } kroki[] = {
            {RxSE_B, "=6,5", "6,5", 6.5, &BladSum, false},      {RxSE_BB, "=8", "8", 8, &BladSum, false},
            {RxSE_BB, "+.5", "8.5", 8.5, nullptr, false},       {RxSE_BB, "→", "8,50", 8.5, nullptr, false},
            {RxSE_A1, "↓", "0,40", 0.4, &BladSum, false},       {RxSE_A1, "↑", "0,50", 0.5, nullptr, false},
            {RxSE_N, "↑", "6", 6, nullptr, false},              {PoleDlugosci(2), "↑", "17,00", 17, nullptr, false},
            {RxSE_B, "=150", "150", 150, &zakres, true},        {RxSE_B, "→", "150,00", 150, &zakres, true},
            {RxSE_E1, "↑", "1,10", 1.1, &zakres, false},        {RxSE_B, "=7", "7", 7, &BladSum, false},
            {RxSE_E2, "=x1", "x1", -100, &nieLiczba, true},     {RxSE_E2, "→", "x1", -100, &nieLiczba, true},
            {RxSE_E2, "=1e999", "1e999", -100, &nieLiczba, true}, {RxSE_E2, "=inf", "inf", -100, &nieLiczba, true},
        };
        for (const auto& k : kroki) {
            TPoleLiczbowe* p = Pole(Okno(), k.pole);
            const QString akcja = QString::fromUtf8(k.akcja);
            p->setFocus();
            if (akcja[0] == '=' || akcja[0] == '+') Wpisz(p, akcja.mid(1), akcja[0] == '=');
            if (akcja == "↑" || akcja == "↓") QTest::keyClick(p, akcja == "↑" ? Qt::Key_Up : Qt::Key_Down);
            if (akcja == "→") Lista(Okno(), tLista::CBSchemat)->setFocus();
            QCOMPARE(p->Tekst(), QString::fromUtf8(k.tekst));
            QCOMPARE(Okno().Przebieg().WidokOkna().Wartosc(k.pole), k.wartosc);
            if (!k.blad) SprawdzPoprawne(Okno());
            QVERIFY2(!k.blad || (Komunikaty(Okno()).startsWith(*k.blad) && Wynik(Okno(), 0).isEmpty()), k.akcja);
            QCOMPARE(p->Oznaczone(), k.oznaczone);
        }
    }

    // Barwy tak, jak je widać (piksel tła), przy pierwszym i kolejnym błędzie i po nim. Szkic
    // wyróżnia przęsło decydujące (pióro 5 sięga wiersza y − 2) tylko przy poprawnych danych.
    void barwyObszaruKomunikatow()
    {
        QWidget* szkic = Okno().findChild<QWidget*>(QStringLiteral("Szkic"));
        QTextEdit* k = Okno().Kontrolki().Komunikaty;
        auto barwy = [k] {
            const QImage obraz = k->viewport()->grab().toImage();
            return obraz.pixelColor(2, obraz.height() - 2).name() + " " + k->palette().color(QPalette::Text).name() +
                   (k->font().bold() ? " pogrubiony" : "");
        };
        const QString zwykle = barwy(), bledu = QStringLiteral("#ff0000 #ffffff pogrubiony");
        QCOMPARE(zwykle, QApplication::palette(k).color(QPalette::Base).name() + " " +
                             QApplication::palette(k).color(QPalette::Text).name());
        for (auto [c1, n, oczekiwane] : {std::tuple{2.0, 5.0, bledu}, {2.0, 1.0, bledu}, {1.5, 5.0, zwykle}}) {
            Pole(Okno(), RxSE_N)->UstawWartosc(n);
            Pole(Okno(), RxSE_C1)->UstawWartosc(c1);
            QCOMPARE(barwy(), oczekiwane);
            QCOMPARE(szkic->grab().toImage().pixelColor(156, 3) == QColor(Qt::blue), oczekiwane == zwykle);
        }
    }

    // Pole KATEGORIA pokazuje nośność obciętą do pełnych ton (16,5475 t to 16, nie 17); przęsło
    // 0 to czerwony komunikat z nazwą wiersza.
    void kategoriaIPrzesloBezRozpietosci()
    {
        QVERIFY(Okno().Przebieg().WczytajDane(PONTIVA_DANE_TESTOWE "/../../przyklady/n1945_plyta.PTV"));
        QCOMPARE(Wynik(Okno(), 4), QStringLiteral(" 16 [T]"));
        Pole(Okno(), PoleDlugosci(2))->UstawWartosc(0);
        QCOMPARE(Komunikaty(Okno()), QString::fromUtf8("BŁĄD PRZEKROJU PODŁUŻNEGO\nPrzęsło: brak rozpiętości (0,00 m) – podaj rozpiętość przęsła"));
    }

    // Linia statusu opisuje pole z fokusem; fokus poza polami szerokości ją czyści. Ctrl+litera
    // w polu to skrót okna (Ctrl+Z "Zapisz", nie cofanie edycji); litera bez Ctrl należy do
    // pola, także gdy okno ma na nią skrót (wykładnik "1E1").
    void liniaStatusuISkrotyWPolu()
    {
        Lista(Okno(), tLista::CBPrzeslo)->setCurrentIndex(5);
        for (auto [pole, opis] : {std::pair<QWidget*, const char*>{Pole(Okno(), RxSE_G2), " Szerokość prawej bariery ochronnej(g)"},
                                  {Lista(Okno(), tLista::CBPrzeslo), " Rodzaj przekroju poprzecznego przęsła"},
                                  {Lista(Okno(), tLista::CBSchemat), ""}}) {
            pole->setFocus();
            QCOMPARE(Okno().LiniaStatusu()->currentMessage(), QString::fromUtf8(opis));
        }

        TPoleLiczbowe* b = Pole(Okno(), RxSE_B);
        QAction litera(QStringLiteral("E"), &Okno());
        litera.setShortcut(QKeySequence(QStringLiteral("E")));
        Okno().addAction(&litera);
        QSignalSpy wywolania(&litera, &QAction::triggered);
        Wpisz(b, {}, true);
        QTest::keyClicks(b, QStringLiteral("1E1"));
        QCOMPARE(b->Tekst() + " " + QString::number(wywolania.count()), QStringLiteral("1E1 0"));
        QCOMPARE(Obiekt(Okno()).b, 10.0);
        litera.setShortcut(QKeySequence(QStringLiteral("Ctrl+A")));  // pierwsza litera też należy do okna
        QTest::keyClick(b, Qt::Key_A, Qt::ControlModifier);
        QCOMPARE(b->Tekst() + " " + QString::number(wywolania.count()), QStringLiteral("1E1 1"));
        QString przycisk;
        Identyfikacja(przycisk, {}, false);
        QTest::keyClick(b, Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(przycisk, QStringLiteral("Zapisz"));
        Okno().removeAction(&litera);
        // Każdy skrót okna należy do jednego polecenia (dwa na jednym klawiszu: żadne nie działa).
        QMap<QString, QString> skroty;
        for (QAction* a : Okno().findChildren<QAction*>(Qt::FindDirectChildrenOnly))
            for (const QKeySequence& k : a->shortcuts()) {
                const QString klawisz = k.toString();
                if (a == &litera) continue;
                QVERIFY2(!skroty.contains(klawisz), qPrintable(klawisz + ": " + skroty[klawisz] + ", " + a->objectName()));
                skroty[klawisz] = a->objectName();
            }
    }

    // Okno pokazuje dokładnie wiersze 1..k edytora (pole i podpis), przewijane do ostatniego.
    void edytorPokazujeWierszeWUzyciu()
    {
        for (auto [schemat, przesla, k] : {std::tuple{2, 3, 5}, {2, 2, 4}, {5, 45, 91}, {0, 45, 3}}) {
            Lista(Okno(), tLista::CBSchemat)->setCurrentIndex(schemat);
            Pole(Okno(), IlePrzesel)->UstawWartosc(przesla);
            QString widoczne;
            for (int i = 0; i < MaksWierszy; ++i)
                widoczne += QString::number(Pole(Okno(), PoleDlugosci(i + 1))->isVisibleTo(&Okno()) +
                                            Okno().Kontrolki().PodpisyPrzesel[i]->isVisibleTo(&Okno()));
            QCOMPARE(widoczne, QString(k, '2') + QString(MaksWierszy - k, '0'));
            QCOMPARE(Okno().Kontrolki().PodpisyPrzesel[0]->parentWidget()->height(), k * 20 + 10);
        }
    }

    // Kółko nad polem długości bez fokusu przewija edytor rozpiętości (zdarzenie idzie do
    // rodzica), z fokusem zmienia wartość o krok.
    void kolkoZmieniaTylkoPoleZFokusem()
    {
        TPoleLiczbowe* pole = Pole(Okno(), PoleDlugosci(2));
        auto kolko = [pole] {
            const QPointF srodek(pole->width() / 2.0, pole->height() / 2.0);
            QWheelEvent z(srodek, pole->mapToGlobal(srodek), {}, {0, -120}, Qt::NoButton, Qt::NoModifier,
                          Qt::NoScrollPhase, false);
            QApplication::sendEvent(pole, &z);
            return z.isAccepted();
        };
        Lista(Okno(), tLista::CBSchemat)->setFocus();
        QVERIFY(!kolko());
        QCOMPARE(pole->Tekst(), QString("16,00"));
        pole->setFocus();
        QVERIFY(kolko());
        QCOMPARE(pole->Tekst(), QString("15,00"));
    }

    // Separator dziesiętny i krótka data z ustawień regionalnych użytkownika; kontrolki
    // paneli nie zachodzą na siebie, panel wyników biegnie wzdłuż całego okna; każde
    // polecenie paska jest też w menu, tak jak "Koniec"; dymki żółte i widoczne 10 s.
    void regionalneIUklad()
    {
        const tUstawieniaRegionalne stare = Regionalne();
        QString ustawienia;
        for (QLocale l : {QLocale(QLocale::English, QLocale::UnitedStates), QLocale(QLocale::Polish, QLocale::Poland)}) {
            UstawRegionalne(l);
            Pole(Okno(), RxSE_B)->UstawWartosc(7.25);
            ustawienia += Pole(Okno(), RxSE_B)->Tekst() + " " + QString::fromStdString(Regionalne().FormatDatyKrotkiej) + " ";
        }
        Regionalne() = stare;
        QCOMPARE(ustawienia, QStringLiteral("7.25 M/d/yy 7,25 d.MM.yyyy "));

        Lista(Okno(), tLista::CBPrzeslo)->setCurrentIndex(6);
        for (const char* panel : {"PanelPrzekroju", "PanelSchematu", "PanelWynikow"})
            QVERIFY2(!ZachodzaNaSiebie(Okno().findChild<QWidget*>(panel)), panel);
        QCOMPARE(Okno().findChild<QWidget*>("PanelWynikow")->width(), Okno().centralWidget()->layout()->contentsRect().width());
        QList<QAction*> wMenu, polecenia = Okno().findChild<QToolBar*>()->actions();
        for (QAction* m : Okno().menuBar()->actions()) wMenu += m->menu()->actions();
        for (QAction* a : polecenia << Okno().findChild<QAction*>("acKoniec"))
            QVERIFY2(a->isSeparator() || wMenu.contains(a), qPrintable(a->text()));
        QVERIFY(Lista(Okno(), tLista::CBNormatyw)->toolTipDuration() == 10000 && QToolTip::palette().color(QPalette::ToolTipBase) == Qt::yellow);
    }

    // Okno otwiera się w rozmiarze, w którym widać wszystkie pola bez przewijania. W większym
    // panel przekroju zostaje jak był, całą dodaną wysokość biorą edytor przęseł (więcej)
    // i obszar komunikatów, a dodaną szerokość obszar komunikatów. W mniejszym panele danych
    // się przewijają, a panel wyników zostaje cały widoczny.
    void rozmiarOkna()
    {
        const QSize poczatkowy = Okno().size();
        auto* panele = Okno().findChild<QScrollArea*>("PaneleDanych");
        QWidget* przekroj = Okno().findChild<QWidget*>("PanelPrzekroju");
        QWidget* wyniki = Okno().findChild<QWidget*>("PanelWynikow");
        QWidget* edytor = Okno().findChild<QWidget*>("EdytorPrzesel");
        QWidget* komunikaty = Okno().Kontrolki().Komunikaty;
        QVERIFY(!panele->verticalScrollBar()->isVisible() && !panele->horizontalScrollBar()->isVisible());
        const QRect p = przekroj->geometry();
        const QSize e = edytor->size(), k = komunikaty->size();
        Okno().resize(poczatkowy + QSize(200, 150));
        QCOMPARE(przekroj->geometry(), p);
        const QSize de = edytor->size() - e, dk = komunikaty->size() - k;
        QCOMPARE(de.height() + dk.height(), 150);
        QVERIFY2(de.height() > dk.height() && dk.height() > 0, qPrintable(QString::number(dk.height())));
        QCOMPARE(dk.width(), 200);
        Okno().resize(poczatkowy - QSize(150, 200));
        QTRY_VERIFY(panele->verticalScrollBar()->isVisible() && panele->horizontalScrollBar()->isVisible());
        QCOMPARE(wyniki->visibleRegion().boundingRect(), wyniki->rect());
    }

    // Informacje: przycisk "OK", zatwierdzenie ustawia tytuł, Anuluj niczego nie zmienia.
    // Zapisz: okno wypełnione identyfikacją z przyciskiem "Zapisz", plik w katalogu JNI,
    // komunikat pierwszego zapisu. Wczytaj: okno wyboru pliku otwarte w katalogu JNI, plik
    // przywraca zmienione pole i identyfikację.
    void informacjeZapiszIWczytaj()
    {
        QString przycisk, katalog;
        const QString plik = t_->Plik("JNI/12345678_2.PTV"), tytul = Tytul + "[JNI: 12345678 NrP: 2](dr:DK7 km: 12+300)";
        Identyfikacja(przycisk, {"12345678", "2", " DK7 ", "12+300"}, true);
        Wywolaj("acInfo");
        QCOMPARE(przycisk + " " + Okno().windowTitle(), "OK *" + tytul);  // zmiana niezapisana, już nie przykład
        Identyfikacja(przycisk, {"11111111"}, false);
        Wywolaj("acInfo");
        QCOMPARE(Okno().windowTitle(), "*" + tytul);
        tKomunikat k;
        Identyfikacja(przycisk, {}, true, &k);
        Wywolaj("acZapisz");
        QCOMPARE(przycisk + " " + k.Tytul + "|" + k.Tekst,
                 QString::fromUtf8("Zapisz INFO|Dane o obiekcie zostały zapisane\ndo podkatalogu o nazwie JNI\n") + plik);
        QVERIFY(k.Ikona == QMessageBox::Information && QFile::exists(plik) && Okno().windowTitle() == tytul);
        Pole(Okno(), RxSE_BB)->UstawWartosc(0);
        Okno().Przebieg().UstawInfo({});
        GdyOkno<QFileDialog>(this, [&](QFileDialog& d) {
            katalog = d.directory().absolutePath();
            d.selectFile(plik);
            GdyOkno<QMessageBox>(this, [](QMessageBox& m) { m.button(QMessageBox::No)->click(); });
            static_cast<QDialog&>(d).accept();  // QFileDialog::accept jest chronione
        });
        Wywolaj("acWczytaj");
        QCOMPARE(katalog, t_->Plik("JNI"));
        QCOMPARE(Pole(Okno(), RxSE_BB)->Tekst() + " " + Okno().windowTitle(), "9,00 " + tytul);
        SprawdzPoprawne(Okno());
    }

    // Raport bieżących danych zapisany w katalogu Raporty idzie do przeglądarki systemu; gdy
    // jej nie ma albo zgłosi błąd, okno podaje pełną ścieżkę, przycisk folderu i podglądu. Odmowa (bez
    // JNI, pole z tekstem, który nie jest liczbą) w okienku ostrzeżenia, bez pliku.
    void raport()
    {
        const struct {
            bool jni, przegladarka;
            const char* rozpietosc;
            const char* komunikat;  // tytuł|początek treści; pusty: bez komunikatu
        } przypadki[] = {
            {false, true, "16", "BŁĄD|BRAK JNI\n"},
            {true, true, "16m", "BŁĄD|BŁĄD PRZEKROJU PODŁUŻNEGO\nRozpiętość przęsła: to nie jest liczba"},
            {true, true, "16", ""},
            {true, false, "16", "Raport|Raport zapisano w pliku:\n"},
        };
        const QString plik = t_->Plik("Raporty/12345678@2.RTF");
        for (const auto& p : przypadki) {
            Okno().Przebieg().UstawInfo(p.jni ? tInfoObiektu{"12345678", "2", "DK7", "12+300", "Kraków", "rzeka Wisła"} : tInfoObiektu{});
            Wpisz(Pole(Okno(), PoleDlugosci(2)), QString::fromUtf8(p.rozpietosc), true);
            QString otwarty, folder;
            Okno().OtworzRaport = [&](const QString& plik, std::function<void()> nieWyswietlono) {
                otwarty = plik;
                if (!p.przegladarka) nieWyswietlono();
            };
            tKomunikat k;
            if (*p.komunikat && p.przegladarka) PrzechwycKomunikat(this, k);
            if (!p.przegladarka)
                GdyOkno<QMessageBox>(this, [&](QMessageBox& m) {
                    k = {m.windowTitle(), m.text(), m.icon()};
                    for (QAbstractButton* b : m.buttons()) folder += b->text() + ";";
                    m.buttons().at(folder.split(';').indexOf(QString::fromUtf8("Podgląd raportu")))->click();
                });
            Wywolaj("acRaport");
            const bool zapisany = !*p.komunikat || !p.przegladarka;
            QCOMPARE(QFile::exists(plik), zapisany);
            QCOMPARE(otwarty, zapisany ? plik : QString());
            QVERIFY2((k.Tytul + "|" + k.Tekst).startsWith(QString::fromUtf8(p.komunikat)), qPrintable(k.Tekst));
            if (*p.komunikat) QCOMPARE(k.Ikona, p.przegladarka ? QMessageBox::Warning : QMessageBox::Information);
            // Bez przeglądarki: ścieżka, "Otwórz folder" i podgląd zapisanego raportu.
            if (!p.przegladarka)
                QVERIFY(k.Tekst.contains(QDir::toNativeSeparators(plik) + "\n") && folder.contains(QString::fromUtf8("Otwórz folder")) &&
                        Okno().OknoPodgladu()->isVisible());
        }
        // Inny raport pod tą nazwą: pytanie z trzema przyciskami, domyślnie zostają oba.
        Wpisz(Pole(Okno(), PoleDlugosci(2)), QStringLiteral("17"), true);
        QString pytanie, otwarty;
        Okno().OtworzRaport = [&](const QString& p, std::function<void()>) { otwarty = p; };
        GdyOkno<QMessageBox>(this, [&](QMessageBox& m) {
            pytanie = m.text();
            for (QAbstractButton* b : m.buttons()) pytanie += "|" + b->text();
            m.defaultButton()->click();
        });
        Wywolaj("acRaport");
        QCOMPARE(otwarty, t_->Plik("Raporty/12345678@2_2.RTF"));
        for (const char* czesc : {"Plik ", " zawiera inny raport tego obiektu.\n", "|Zastąp", "|Zachowaj oba", "|Anuluj"})
            QVERIFY2(pytanie.contains(QString::fromUtf8(czesc)), qPrintable(pytanie));
    }

    // Ctrl+Shift+S: okno zapisu w dowolnym katalogu z rozszerzeniem PTV; potem Ctrl+Z zapisuje
    // ten plik wprost, bez okna identyfikacji. Alt+Backspace i Ctrl+Y w polu cofają i ponawiają
    // zmianę całego obiektu (nie tekstu pola), "*" w tytule znaczy niezapisane zmiany.
    void zapiszJakoCofnijPonow()
    {
        TPoleLiczbowe* l2 = Pole(Okno(), PoleDlugosci(2));
        const QString plik = t_->Plik("inny/most");
        QDir().mkpath(t_->Plik("inny"));
        Wpisz(l2, QStringLiteral("20"), true);
        GdyOkno<QFileDialog>(this, [&](QFileDialog& d) { d.selectFile(plik), static_cast<QDialog&>(d).accept(); });
        QTest::keyClick(l2, Qt::Key_S, Qt::ControlModifier | Qt::ShiftModifier);
        QCOMPARE(Okno().LiniaStatusu()->currentMessage(), "Zapisano plik " + QDir::toNativeSeparators(plik + ".PTV"));
        QApplication::setActiveWindow(&Okno());  // po oknie modalnym (offscreen nie robi tego sam)
        Wpisz(l2, QStringLiteral("21"), true);
        QCOMPARE(Okno().windowTitle().left(1), QStringLiteral("*"));
        bool okno = false;
        GdyOkno<QDialog>(this, [&](QDialog& d) { okno = true, d.reject(); });
        QTest::keyClick(l2, Qt::Key_Z, Qt::ControlModifier);
        QApplication::processEvents();
        QVERIFY(!okno && !Okno().windowTitle().startsWith('*'));
        QFile f(plik + ".PTV");
        QVERIFY(f.open(QIODevice::ReadOnly) && f.readAll().contains("\r\nL2=21\r\n"));
        QTest::keyClick(l2, Qt::Key_Backspace, Qt::AltModifier);
        QCOMPARE(l2->Tekst() + Okno().windowTitle().left(1), QStringLiteral("20,00*"));
        QTest::keyClick(l2, Qt::Key_Y, Qt::ControlModifier);
        QCOMPARE(l2->Tekst() + Okno().windowTitle().left(1), QStringLiteral("21,00P"));
        QVERIFY(!Okno().findChild<QAction*>("acPonow")->isEnabled());
        auto* edycja = qobject_cast<QMenu*>(Okno().findChild<QAction*>("acCofnij")->associatedObjects().value(0));
        QVERIFY(edycja && edycja->title() == "&Edycja");
    }

    // Porównanie norm (PTU.TXT) i ślad w przeglądarce tekstu; pola okna się nie zmieniają.
    // Ślad należy do bieżących danych: polecenie przelicza tuż przed pokazaniem.
    void rozneNormyISlad()
    {
        TOknoHelp& t = Okno().OknoTekstu();
        Wywolaj("acNormy");
        QVERIFY(QFile::exists(t_->Plik("PTU.TXT")) && t.isVisible());
        QCOMPARE(t.windowTitle(), QString::fromUtf8("Przeliczenie dla różnych norm"));
        QVERIFY(t.Tekst().contains(QStringLiteral("PN-85/S-10030")));
        QCOMPARE(Lista(Okno(), tLista::CBNormatyw)->currentIndex(), 5);
        Okno().Przebieg().WlaczPrzeliczanie(false);
        Pole(Okno(), PoleDlugosci(2))->UstawWartosc(18);
        Wywolaj("acSlad");
        QCOMPARE(t.windowTitle(), QString::fromUtf8("Ślad obliczeń"));
        QVERIFY(t.Tekst().contains(QString::fromUtf8("\n  [Długość] = 18,0000000\n")));
        SprawdzPoprawne(Okno());
    }

    // Koniec zamyka okno i zapisuje PT.INI; następne okno odtwarza ostatni most.
    void koniecZapisujeStan()
    {
        Lista(Okno(), tLista::CBKlasa)->setCurrentIndex(2);
        Pole(Okno(), PoleDlugosci(2))->UstawWartosc(17);
        Wywolaj("acKoniec");
        QVERIFY(!Okno().isVisible() && QFile::exists(t_->Plik("PT.INI")));
        QVERIFY(t_->Otworz());
        QCOMPARE(Lista(Okno(), tLista::CBKlasa)->currentText() + " " + Pole(Okno(), PoleDlugosci(2))->Tekst(),
                 QStringLiteral("Klasa \"C\" 17,00"));
        SprawdzPoprawne(Okno());
    }

    // "..." otwiera rysunek wybranego przekroju, zmiana przekroju go przełącza, drugie "..."
    // zamyka, a zamknięte okno nie śledzi zmian. "O programie" nie blokuje okna głównego.
    void oknaPomocnicze()
    {
        auto* przycisk = Okno().findChild<QToolButton*>("btPrzekroj");
        TObrazekPrzekroju& rysunek = Okno().OknoPrzekroju();
        Lista(Okno(), tLista::CBPrzeslo)->setCurrentIndex(2);
        przycisk->click();
        QVERIFY(rysunek.isVisible() && rysunek.Typ() == 2);
        Lista(Okno(), tLista::CBPrzeslo)->setCurrentIndex(0);
        QCOMPARE(rysunek.windowTitle(), QString::fromUtf8("Wielodźwigarowe - jezdnia z krawężnikami"));
        przycisk->click();
        Lista(Okno(), tLista::CBPrzeslo)->setCurrentIndex(1);
        QVERIFY(!rysunek.isVisible() && rysunek.Typ() == 0);
        Wywolaj("acAbout");
        QVERIFY(Okno().OknoOProgramie().isVisible() && !QApplication::activeModalWidget());
    }

    // Okna pomocnicze otwierają się na środku okna głównego. Esc zamyka każde okno pomocnicze
    // i okno identyfikacji; "O programie" zamyka też Enter.
    void escZamykaKazdeOkno()
    {
        Okno().Przebieg().UstawInfo({"12345678", "2", "", "", "", ""});
        Wywolaj("acPodglad");
        Okno().Przebieg().UstawInfo({});
        Wywolaj("acNormy");  // przeglądarka tekstu i wykres (obliczenie zamyka przeglądarkę: po podglądzie)
        Wywolaj("acNaTemat");
        Wywolaj("acRejestr");
        Okno().findChild<QToolButton*>("btPrzekroj")->click();
        QWidgetList okna;
        for (QWidget* w : QApplication::topLevelWidgets())
            if (w->isVisible() && w != &Okno()) okna << w;
        QCOMPARE(okna.size(), 6);
        Wywolaj("acAbout");
        okna << &Okno().OknoOProgramie();
        for (QWidget* w : okna) {
            // Pierwsze pokazanie nad oknem głównym (na środku, o ile mieści się ekran), nie w rogu ekranu.
            QVERIFY2(w == &Okno().OknoPrzekroju() || Okno().frameGeometry().contains(w->frameGeometry().center()),
                     qPrintable(w->windowTitle()));
            QApplication::setActiveWindow(w);
            QTest::keyClick(w->focusWidget() ? w->focusWidget() : w, Qt::Key_Escape);
            QVERIFY2(!w->isVisible(), qPrintable(w->windowTitle()));
        }
        Wywolaj("acAbout");
        QApplication::setActiveWindow(&Okno().OknoOProgramie());
        QTest::keyClick(Okno().OknoOProgramie().focusWidget(), Qt::Key_Return);
        QVERIFY(!Okno().OknoOProgramie().isVisible());
        Okno().findChild<QToolButton*>("btPrzekroj")->click();
        Okno().OknoPrzekroju().PokazWSkali(true);
        QApplication::setActiveWindow(&Okno().OknoPrzekroju());
        QTest::keyClick(&Okno().OknoPrzekroju(), Qt::Key_Escape);
        QVERIFY(!Okno().OknoPrzekroju().isVisible());

        // Okna modalne: identyfikacja, komunikat, raport bez podglądu, pytanie o zmiany (Esc to "Anuluj").
        const QString plik = t_->Plik("a.PTV");
        QFile::copy(QStringLiteral(PONTIVA_DANE_TESTOWE "/../../przyklady/belka.PTV"), plik);
        const std::pair<const char*, std::function<void()>> modalne[] = {
            {"identyfikacja", [&] { Wywolaj("acInfo"); }},
            {"komunikat", [&] { Okno().Przebieg().UstawInfo({}), Wywolaj("acRaport"); }},
            {"raport bez podglądu",
             [&] {
                 Okno().Przebieg().UstawInfo({"12345678", "2", "", "", "", ""});
                 Okno().OtworzRaport = [](const QString&, std::function<void()> nieWyswietlono) { nieWyswietlono(); };
                 Wywolaj("acRaport");
             }},
            {"pytanie o zmiany", [&] { Pole(Okno(), RxSE_B)->UstawWartosc(3.5), Okno().OtworzPlik(plik); }},
        };
        for (const auto& [nazwa, otworz] : modalne) {
            bool zamkniete = false;
            GdyOkno<QDialog>(this, [&](QDialog& d) {
                QTest::keyClick(d.focusWidget() ? d.focusWidget() : &d, Qt::Key_Escape);
                if (!(zamkniete = !d.isVisible())) d.reject();
            });
            otworz();
            QVERIFY2(zamkniete, nazwa);
        }
        QCOMPARE(Pole(Okno(), RxSE_B)->Tekst(), QStringLiteral("3,50"));
    }

    // "Zapisz" nad plikiem innego obiektu pyta "Zastąpić…?": Nie i Esc zostawiają plik, Tak go zastępuje.
    void zapisNadInnymObiektem()
    {
        const QString plik = t_->Plik("JNI/12010001_1.PTV");
        QFile::copy(QStringLiteral(PONTIVA_DANE_TESTOWE "/../../przyklady/belka.PTV"), plik);
        auto bajty = [&plik] { QFile f(plik); return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray(); };
        const QByteArray inny = bajty();
        Okno().Przebieg().UstawInfo({"12010001", "1", "", "", "", ""});
        for (auto [klawisz, zastapiony] : {std::pair{Qt::Key_N, false}, {Qt::Key_Escape, false}, {Qt::Key_T, true}}) {
            QString pytanie, przycisk;
            tKomunikat zapisano;
            Identyfikacja(przycisk, {}, true);
            std::function<void()> odpowiedz = [&, klawisz] {
                auto* m = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
                if (!m) return QTimer::singleShot(0, this, odpowiedz);
                pytanie = m->text();
                if (klawisz == Qt::Key_T) PrzechwycKomunikat(this, zapisano);  // komunikat pierwszego zapisu
                if (klawisz == Qt::Key_Escape) return QTest::keyClick(m, klawisz);
                m->button(klawisz == Qt::Key_T ? QMessageBox::Yes : QMessageBox::No)->click();
            };
            QTimer::singleShot(0, this, odpowiedz);
            Wywolaj("acZapisz");
            QVERIFY2(pytanie.contains(QString::fromUtf8("zawiera inne dane")), qPrintable(pytanie));
            QCOMPARE(bajty() == inny, !zastapiony);
        }
    }

    // "Raport" pokazuje zapisany raport programem, który system przypisał plikom RTF (tu
    // xdg-open z katalogu testu na początku PATH zapisuje, co dostał).
    void raportPokazanyProgramemSystemu()
    {
#ifdef Q_OS_WIN
        QSKIP("Windows otwiera plik przez powłokę (ShellExecute), bez programu z PATH do podstawienia");
#endif
        const QString otwarty = t_->Plik("otwarty"), xdg = t_->Plik("bin/xdg-open");
        QDir().mkpath(t_->Plik("bin"));
        testy::ZapiszPlik(xdg.toStdString(), "#!/bin/sh\necho \"$1\" > '" + otwarty.toStdString() + "'\n");
        QFile::setPermissions(xdg, QFile::ReadOwner | QFile::ExeOwner);
        const QByteArray sciezki = qgetenv("PATH");
        qputenv("PATH", t_->Plik("bin").toLocal8Bit() + ':' + sciezki);
        Okno().Przebieg().UstawInfo({"12345678", "2", "", "", "", ""});
        Wywolaj("acRaport");
        qputenv("PATH", sciezki);
        QTRY_COMPARE(QString::fromStdString(testy::CzytajPlik(otwarty.toStdString())), t_->Plik("Raporty/12345678@2.RTF") + "\n");
    }

    // "Pomoc na temat": spis treści; F1: temat 1 w lewym panelu, temat 2 w prawym.
    void pomoc()
    {
        QTextBrowser* tekst = Okno().Pomoc().Tekst;
        auto naglowek = [tekst] { return tekst->cursorForPosition(QPoint(4, 4)).block().text().trimmed(); };
        Wywolaj("acNaTemat");
        QVERIFY(QTest::qWaitForWindowExposed(&Okno().Pomoc()));
        QCOMPARE(tekst->geometry(), Okno().Pomoc().rect());  // tekst wypełnia całe okno
        QCOMPARE(naglowek(), QString::fromUtf8("Pontiva – wyznaczanie nośności użytkowej obiektów mostowych"));
        QApplication::setActiveWindow(&Okno());
        for (QWidget* w : {static_cast<QWidget*>(Pole(Okno(), RxSE_B)), static_cast<QWidget*>(Lista(Okno(), tLista::CBNormatyw))}) {
            w->setFocus();
            QTest::keyClick(&Okno(), Qt::Key_F1);
            QCOMPARE(naglowek(), QString::fromUtf8(w == Pole(Okno(), RxSE_B) ? "Lewy panel: przekrój poprzeczny i okna dialogowe"
                                                                             : "Prawy panel: schemat, rozpiętości, normatyw i klasa"));
        }
    }
};

TEST_OKIEN(TestGlowneOkno)
#include "GlowneOknoTest.moc"
