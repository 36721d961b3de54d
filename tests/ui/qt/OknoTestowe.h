#pragma once
// Wspólne dla testów okna głównego: dostęp do kontrolek, typowy most i wynik wzorcowy
// policzony wprost na obiekcie mostowym (bez okna i bez przebiegu).
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTextEdit>
#include <QtTest>
#include <array>
#include <map>
#include <memory>
#include <string>

#include "ZrzutyOkien.h"
#include "common/Formatowanie.h"
#include "common/Regionalne.h"
#include "core/ObiektMostowy.h"
#include "core/UkladElementow.h"
#include "persistence/Katalogi.h"
#include "ui/qt/PoleLiczbowe.h"
#include "ui/qt/TGlowneOkno.h"

inline void PrzygotujTesty()
{
    SprawdzCzcionki();
    Regionalne().SeparatorDziesietny = ',';
}

// Okno główne pokazane offscreen, z katalogiem danych (PT.INI, JNI, Raporty) w katalogu
// tymczasowym, który znika razem z obiektem.
class tOknoTestowe {
public:
    tOknoTestowe() { UstawKatalogDanych(dane_.path().toStdString()); }
    ~tOknoTestowe()
    {
        okno_.reset();
        UstawKatalogDanych("");
    }
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
    QString Katalog() const { return dane_.path(); }

private:
    QTemporaryDir dane_;
    std::unique_ptr<TGlowneOkno> okno_;
};

inline TPoleLiczbowe* Pole(TGlowneOkno& okno, tPole pole) { return okno.Kontrolki().Pola[pole]; }
inline QComboBox* Lista(TGlowneOkno& okno, tLista lista) { return okno.Kontrolki().Listy[static_cast<int>(lista)]; }
inline QString Wynik(TGlowneOkno& okno, int i) { return okno.Kontrolki().Wyniki[i]->text(); }
inline QString Komunikaty(TGlowneOkno& okno) { return okno.Kontrolki().Komunikaty->toPlainText(); }

// Dane mostu w postaci niezależnej od okna.
struct tMost {
    int Normatyw = 5, Klasa = 0, Przekroj = 0, Schemat = 0, Przesla = 1;
    std::map<tPole, double> Szerokosci;
    std::map<int, double> Dlugosci;  // wiersz edytora -> długość
};

// Most wielodźwigarowy z krawężnikami, belka swobodnie podparta 16 m, PN-85 klasa A;
// c1 + a1 + b + a2 + c2 = e1 + B + e2 = 11 m.
inline tMost MostWielodzwigarowy()
{
    tMost m;
    m.Szerokosci = {{RxSE_A1, 0.5}, {RxSE_A2, 0.5}, {RxSE_B, 7}, {RxSE_BB, 9}, {RxSE_C1, 1.5},
                    {RxSE_C2, 1.5}, {RxSE_E1, 1},   {RxSE_E2, 1}, {RxSE_N, 5}};
    m.Dlugosci = {{2, 16}};
    return m;
}

// Ustawia most w oknie tak, jak zrobiłby to użytkownik listami i polami.
inline void UstawMost(TGlowneOkno& okno, const tMost& m)
{
    Lista(okno, tLista::CBNormatyw)->setCurrentIndex(m.Normatyw);
    Lista(okno, tLista::CBKlasa)->setCurrentIndex(m.Klasa);
    Lista(okno, tLista::CBPrzeslo)->setCurrentIndex(m.Przekroj);
    Lista(okno, tLista::CBSchemat)->setCurrentIndex(m.Schemat);
    Pole(okno, IlePrzesel)->UstawWartosc(m.Przesla);
    for (int p = 0; p < LiczbaPolSzerokosci; ++p) {
        auto it = m.Szerokosci.find(static_cast<tPole>(p));
        Pole(okno, static_cast<tPole>(p))->UstawWartosc(it == m.Szerokosci.end() ? 0 : it->second);
    }
    for (int w = 1; w <= MaksWierszy; ++w) {
        auto it = m.Dlugosci.find(w);
        Pole(okno, PoleDlugosci(w))->UstawWartosc(it == m.Dlugosci.end() ? 0 : it->second);
    }
}

// Wynik wzorcowy: obiekt wypełniony wprost przez UstawDane i DodajElementy.
struct tWzorzec {
    bool Poprawne = false;
    std::array<QString, 5> Pola;  // M1N, TN, MP, TP, KATEGORIA jak w oknie
};

inline tWzorzec Wzorzec(const tMost& m)
{
    auto s = [&](tPole p) {
        auto it = m.Szerokosci.find(p);
        return it == m.Szerokosci.end() ? 0.0 : it->second;
    };
    auto o = std::make_unique<tObiektMostowy>();
    o->UstawDane(m.Normatyw, m.Klasa, m.Przekroj, s(RxSE_A1), s(RxSE_A2), s(RxSE_B), s(RxSE_BB), s(RxSE_C1),
                 s(RxSE_C2), s(RxSE_E1), s(RxSE_E2), s(RxSE_K1), s(RxSE_K2), s(RxSE_P), s(RxSE_G1), s(RxSE_G2),
                 static_cast<int>(s(RxSE_N)), m.Schemat);
    std::array<double, MaksWierszy> dl{};
    for (auto [w, d] : m.Dlugosci) dl[w - 1] = d;
    DodajElementy(*o, m.Schemat, m.Przesla, dl);
    std::string msg;
    tWzorzec w;
    w.Poprawne = o->SprawdzParametry(msg) && o->SprawdzSumy(msg) && o->SprawdzDlugosci(msg) && o->Oblicz(msg);
    if (!w.Poprawne) return w;
    auto liczba = [](double v) { return v == 1e20 ? QString() : QString::fromStdString(" " + LiczbaStala(v, 4)); };
    w.Pola = {liczba(o->PodajM1N()), liczba(o->PodajTN()), liczba(o->PodajMP()), liczba(o->PodajTP()),
              QString::fromStdString(" " + LiczbaStala(o->PodajMase(), 0) + " [T]")};
    return w;
}

inline void SprawdzWyniki(TGlowneOkno& okno, const tWzorzec& w)
{
    QVERIFY(w.Poprawne);
    for (int i = 0; i < 5; ++i) QCOMPARE(Wynik(okno, i), w.Pola[i]);
    QCOMPARE(Komunikaty(okno), QStringLiteral("\nOBLICZENIA POPRAWNE"));
}

// keyClicks przyjmuje tylko Latin-1; każdy znak jako osobne zdarzenie klawisza.
inline void Wpisz(QWidget* pole, const QString& tekst)
{
    for (QChar z : tekst) QTest::sendKeyEvent(QTest::Click, pole, Qt::Key_unknown, QString(z), Qt::NoModifier);
}

inline void Wyczysc(TPoleLiczbowe* pole)
{
    pole->setFocus();
    QTest::keyClick(pole, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(pole, Qt::Key_Backspace);
}
