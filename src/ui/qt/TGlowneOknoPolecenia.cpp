// Polecenia okna głównego: akcje paska narzędzi i menu.
#include <QMessageBox>

#include "ui/qt/TGlowneOkno.h"

namespace {
const char* const TekstNiedostepne = "Funkcja jeszcze niedostępna.";
}  // namespace

void TGlowneOkno::Niedostepne() { QMessageBox::information(this, Tekst("INFO"), Tekst(TekstNiedostepne)); }

void TGlowneOkno::Informacje() { Niedostepne(); }
void TGlowneOkno::Wczytaj() { Niedostepne(); }
void TGlowneOkno::Raport() { Niedostepne(); }
void TGlowneOkno::Zapisz() { Niedostepne(); }
void TGlowneOkno::RozneNormy() { Niedostepne(); }

void TGlowneOkno::SladObliczen()
{
    przebieg_->Przelicz();
    Niedostepne();
}

void TGlowneOkno::PomocNaTemat() { Niedostepne(); }
void TGlowneOkno::OProgramie() { Niedostepne(); }
void TGlowneOkno::PokazPrzekroj() { Niedostepne(); }
