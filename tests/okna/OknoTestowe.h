#pragma once
// Wspólne dla testów okien (Qt Test, platforma offscreen), pomiaru okna i zrzutów: program
// główny, okno główne z katalogiem danych w katalogu tymczasowym, dostęp do kontrolek,
// most ustawiany listami i polami jak przez użytkownika, okna modalne z kolejki zdarzeń.
#include <QtTest>
#include <QtWidgets>
#include <functional>

#include "Wspolne.h"
#include "persistence/Katalogi.h"
#include "okna/wspolne/IkonaProgramu.h"
#include "okna/glowne/TPoleLiczbowe.h"
#include "okna/rysunki/RysunkiPrzekrojow.h"
#include "okna/glowne/TGlowneOkno.h"

// "--skala 1.5" przed QApplication: skala ekranu (QT_SCALE_FACTOR), także pod Wine, które
// zmiennych QT_* z Linuksa programom nie przekazuje. Argument znika z argv.
inline void SkalaZArgumentow(int& argc, char** argv)
{
    for (int i = 1; i + 1 < argc; ++i) {
        if (qstrcmp(argv[i], "--skala") != 0) continue;
        qputenv("QT_SCALE_FACTOR", argv[i + 1]);
        for (int j = i; j + 2 <= argc; ++j) argv[j] = argv[j + 2];
        argc -= 2;
        return;
    }
}

// Program testu okien: bez czcionek każdy znak byłby pustym prostokątem, a testy i tak
// by przechodziły; separator dziesiętny i data jak w polskim systemie, raz dla programu.
#define TEST_OKIEN(Klasa)                                                              \
    int main(int argc, char** argv)                                                    \
    {                                                                                  \
        SkalaZArgumentow(argc, argv);                                                  \
        QApplication aplikacja(argc, argv);                                            \
        /* Ustawienia jak w programie, ale w pliku INI w katalogu tego przebiegu, także */ \
        /* na Windows: nic z poprzedniego przebiegu (ani z rejestru użytkownika). */   \
        QApplication::setOrganizationName(QStringLiteral("Pontiva"));                  \
        QSettings::setDefaultFormat(QSettings::IniFormat);                             \
        QTemporaryDir ustawienia;                                                      \
        QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, ustawienia.path()); \
        if (QFontDatabase::families().isEmpty()) return qCritical("Brak czcionek."), 1; \
        Regionalne() = {',', "dd.MM.yyyy"};                                            \
        Klasa test;                                                                    \
        return QTest::qExec(&test, argc, argv);                                        \
    }

// Okno główne pokazane offscreen, z katalogiem danych (PT.INI, JNI, Raporty) w katalogu
// tymczasowym, który znika razem z obiektem.
class tOknoTestowe {
public:
    tOknoTestowe() { UstawKatalogDanych(dane_.Sciezka()); }
    ~tOknoTestowe() { okno_.reset(), UstawKatalogDanych(""); }
    // Nowe okno (poprzednie zamknięte i zniszczone); false, gdy się nie pokazało.
    bool Otworz()
    {
        okno_.reset();
        okno_ = std::make_unique<TGlowneOkno>();
        okno_->show();
        QApplication::setActiveWindow(okno_.get());
        return QTest::qWaitForWindowExposed(okno_.get());
    }
    TGlowneOkno& Okno() { return *okno_; }
    QString Plik(const std::string& nazwa) const { return QString::fromStdString(dane_ / nazwa); }

private:
    testy::tKatalogTymczasowy dane_;
    std::unique_ptr<TGlowneOkno> okno_;
};

// Kontrolki okna głównego i obiekt jego przebiegu.
inline TPoleLiczbowe* Pole(TGlowneOkno& okno, tPole pole) { return okno.Kontrolki().Pola[pole]; }
inline QComboBox* Lista(TGlowneOkno& okno, tLista lista) { return okno.Kontrolki().Listy[static_cast<int>(lista)]; }
inline QString Wynik(TGlowneOkno& okno, int i) { return okno.Kontrolki().Wyniki[i]->text(); }
inline QString Komunikaty(TGlowneOkno& okno) { return okno.Kontrolki().Komunikaty->toPlainText(); }
inline const tObiektMostowy& Obiekt(TGlowneOkno& okno) { return okno.Przebieg().Obiekt(); }

// Most opisany listami i polami okna.
struct tMost {
    int Normatyw = 5, Klasa = 0, Przekroj = 0, Schemat = 0, Przesla = 1;
    // A1 A2 B BB C1 C2 E1 E2 K1 K2 P G1 G2 N; c1 + a1 + b + a2 + c2 = e1 + B + e2 = 11 m
    std::vector<double> Szerokosci = {0.5, 0.5, 7, 9, 1.5, 1.5, 1, 1, 0, 0, 0, 0, 0, 5};
    std::vector<double> Dlugosci = {0, 16, 0};
};

// Belka przegubowa z 45 przęsłami (91 elementów): wsporniki 2 m, przęsła 15 m, ramiona 3 m.
inline tMost MostPrzegubowy45()
{
    tMost m;
    m.Schemat = 5;
    m.Przesla = 45;
    m.Dlugosci.assign(MaksWierszy, 3);
    m.Dlugosci.front() = m.Dlugosci.back() = 2;
    for (int w = 2; w < MaksWierszy; w += 2) m.Dlugosci[w - 1] = 15;
    return m;
}

inline void UstawMost(TGlowneOkno& okno, const tMost& m)
{
    const int listy[] = {m.Przekroj, m.Schemat, m.Normatyw, m.Klasa};  // w kolejności tLista
    for (int l : {2, 3, 0, 1}) okno.Kontrolki().Listy[l]->setCurrentIndex(listy[l]);
    Pole(okno, IlePrzesel)->UstawWartosc(m.Przesla);
    for (int p = 0; p < LiczbaPolSzerokosci; ++p) Pole(okno, static_cast<tPole>(p))->UstawWartosc(m.Szerokosci[p]);
    for (int w = 1; w <= MaksWierszy; ++w)
        Pole(okno, PoleDlugosci(w))->UstawWartosc(w <= static_cast<int>(m.Dlugosci.size()) ? m.Dlugosci[w - 1] : 0);
}

// Panel wyników pokazuje wyniki obiektu okna i "OBLICZENIA POPRAWNE".
inline void SprawdzPoprawne(TGlowneOkno& okno)
{
    const tTekstyWynikow t = TekstyWynikow(Obiekt(okno));
    const std::string* teksty[5] = {&t.M1N, &t.TN, &t.MP, &t.TP, &t.Kategoria};
    for (int i = 0; i < 5; ++i) QCOMPARE(Wynik(okno, i), QString::fromStdString(*teksty[i]));
    QCOMPARE(Komunikaty(okno), QStringLiteral("\nOBLICZENIA POPRAWNE"));
}

// Każdy znak jako osobne zdarzenie klawisza (keyClicks przyjmuje tylko Latin-1), po
// wyczyszczeniu pola (zaznacz wszystko, Backspace), gdy trzeba.
inline void Wpisz(QWidget* pole, const QString& tekst, bool wyczysc = false)
{
    pole->setFocus();
    if (wyczysc) QTest::keyClick(pole, Qt::Key_A, Qt::ControlModifier), QTest::keyClick(pole, Qt::Key_Backspace);
    for (QChar z : tekst) QTest::sendKeyEvent(QTest::Click, pole, Qt::Key_unknown, QString(z), Qt::NoModifier);
}

// Gdy pokaże się okno modalne typu T (z pętli zdarzeń tego okna), wykonuje na nim działanie.
template <class T>
void GdyOkno(QObject* kontekst, std::function<void(T&)> dzialanie)
{
    QTimer::singleShot(0, kontekst, [dzialanie] {
        if (auto* okno = qobject_cast<T*>(QApplication::activeModalWidget())) dzialanie(*okno);
    });
}

// Zapamiętuje i zamyka najbliższe okno komunikatu.
struct tKomunikat {
    QString Tytul, Tekst;
    QMessageBox::Icon Ikona = QMessageBox::NoIcon;
};
inline void PrzechwycKomunikat(QObject* kontekst, tKomunikat& wynik)
{
    GdyOkno<QMessageBox>(kontekst, [&wynik](QMessageBox& m) { wynik = {m.windowTitle(), m.text(), m.icon()}, m.accept(); });
}

// Czy jakieś dwie kontrolki leżące wprost na rodzicu zachodzą na siebie (układ rozsypany).
inline bool ZachodzaNaSiebie(QWidget* rodzic)
{
    std::vector<QRect> zajete;
    for (QWidget* w : rodzic->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (w->isWindow() || w->geometry().isEmpty()) continue;
        for (const QRect& r : zajete)
            if (r.intersects(w->geometry())) return true;
        zajete.push_back(w->geometry());
    }
    return false;
}

// Zatwierdzone rysunki przekrojów i ikona (tests/dane/rysunki/): opis siedmiu rysunków jako
// tekst i rozmiary ikony. Nowe wzorce zapisuje program zrzutów (cel "zrzuty") do
// build/zrzuty/; po obejrzeniu zmiany kopiuje się je do tests/dane/rysunki/.
inline QString OpisRysunkowTekstem()
{
    auto p = [](QPointF x) { return QString::number(x.x(), 'f', 2) + ',' + QString::number(x.y(), 'f', 2); };
    QString t;
    for (int typ = 0; typ < 7; ++typ) {
        const tRysunek r = OpisPrzekroju(typ);
        t += QStringLiteral("[%1]\n").arg(typ);
        for (auto [nazwa, grupa] : {std::pair{"Beton", &r.Beton}, {"Nawierzchnia", &r.Nawierzchnia}, {"Stal", &r.Stal}}) {
            for (const QPolygonF& w : *grupa) {
                t += QString::fromLatin1(nazwa);
                for (QPointF x : w) t += ' ' + p(x);
                t += '\n';
            }
        }
        for (auto [nazwa, grupa] : {std::pair{"Linia", &r.Linie}, {"Os", &r.Osie}})
            for (const QLineF& l : *grupa) t += QString::fromLatin1(nazwa) + ' ' + p(l.p1()) + ' ' + p(l.p2()) + '\n';
        for (const tWymiar& w : r.Wymiary) t += "Wymiar " + p({w.x1, w.y}) + ' ' + p({w.x2, w.y}) + ' ' + w.Etykieta + '\n';
        for (const tNapis& n : r.Napisy) t += "Napis " + p(n.Srodek) + ' ' + n.Tekst + '\n';
    }
    return t;
}
inline const int RozmiaryIkony[] = {16, 24, 32, 48, 64, 128, 256};
inline QImage ObrazIkony(int rozmiar) { return IkonaProgramu().pixmap(rozmiar).toImage().convertToFormat(QImage::Format_ARGB32); }
