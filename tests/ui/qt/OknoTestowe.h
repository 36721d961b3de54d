#pragma once
// Wspólne dla testów okna głównego: dostęp do kontrolek po nazwie i typowy most.
#include <QComboBox>
#include <QLineEdit>
#include <QTextEdit>
#include <QtTest>

#include "ZrzutyOkien.h"
#include "common/Regionalne.h"
#include "persistence/Katalogi.h"
#include "ui/qt/PoleLiczbowe.h"
#include "ui/qt/TGlowneOkno.h"

inline void PrzygotujTesty()
{
    SprawdzCzcionki();
    Regionalne().SeparatorDziesietny = ',';
}

inline TPoleLiczbowe* Pole(TGlowneOkno& okno, tPole pole) { return okno.Kontrolki().Pola[pole]; }
inline QComboBox* Lista(TGlowneOkno& okno, tLista lista) { return okno.Kontrolki().Listy[static_cast<int>(lista)]; }
inline QLineEdit* Wynik(TGlowneOkno& okno, int i) { return okno.Kontrolki().Wyniki[i]; }
inline QString Komunikaty(TGlowneOkno& okno) { return okno.Kontrolki().Komunikaty->toPlainText(); }

// Most wielodźwigarowy z krawężnikami, belka swobodnie podparta 16 m, PN-85 klasa A.
inline void UstawMostWielodzwigarowy(TGlowneOkno& okno)
{
    Lista(okno, tLista::CBNormatyw)->setCurrentIndex(5);
    Lista(okno, tLista::CBKlasa)->setCurrentIndex(0);
    Lista(okno, tLista::CBPrzeslo)->setCurrentIndex(0);
    Lista(okno, tLista::CBSchemat)->setCurrentIndex(0);
    const std::pair<tPole, double> wartosci[] = {
        {RxSE_A1, 0.5}, {RxSE_A2, 0.5}, {RxSE_B, 7},   {RxSE_BB, 9},  {RxSE_C1, 1.5},
        {RxSE_C2, 1.5}, {RxSE_E1, 1},   {RxSE_E2, 1},  {RxSE_N, 5},   {PoleDlugosci(2), 16},
    };
    for (auto [p, v] : wartosci) Pole(okno, p)->UstawWartosc(v);
}
