// Polecenia okna głównego: akcje paska narzędzi i menu.
#include <QComboBox>
#include <QDate>
#include <QDesktopServices>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QPushButton>
#include <QUrl>
#include <memory>

#include "common/Regionalne.h"
#include "persistence/Katalogi.h"
#include "reports/Porownanie.h"
#include "reports/Raport.h"
#include "okna/pomocnicze/TOknoPomocy.h"
#include "okna/rysunki/TSzkic.h"
#include "okna/pomocnicze/TAboutBox.h"
#include "okna/pomocnicze/TObrazekPrzekroju.h"
#include "okna/glowne/TGlowneOkno.h"
#include "okna/pomocnicze/TOknoHelp.h"
#include "okna/rejestr/TOknoRejestru.h"
#include "okna/pomocnicze/TOknoWykresu.h"
#include "okna/pomocnicze/TZapiszJNI.h"
#include "okna/wspolne/TUstawieniaOkna.h"

namespace {
const char* const TytulWczytaj = "Wczytaj";
const char* const FiltrPliku = "Plik roboczy (*.PTV *.ptv)";
const char* const PrzyciskOK = "OK";
const char* const PrzyciskZapisz = "Zapisz";
const char* const TytulRaportu = "Raport";
const char* const RaportZapisany = "Raport zapisano w pliku:\r";
const char* const NieWyswietlono = "\rNie udało się go wyświetlić: brak programu do plików RTF albo jego błąd.";
const char* const PrzyciskFolder = "Otwórz folder";
const char* const TytulBleduPorownania = "BŁĄD";

std::string Dzis()
{
    const QDate d = QDate::currentDate();
    return FormatujDate(d.year(), d.month(), d.day());
}
}  // namespace


void TGlowneOkno::Komunikat(const std::string& tytul, const std::string& tekst, bool ostrzezenie)
{
    widok_->PokazKomunikat(tytul, tekst, ostrzezenie ? tIkona::Ostrzezenie : tIkona::Informacja);
}

bool TGlowneOkno::OknoIdentyfikacji(const char* przycisk)
{
    oknoJNI_->UstawDane(przebieg_->Info());
    oknoJNI_->bbOK->setText(Tekst(przycisk));
    return oknoJNI_->exec() == QDialog::Accepted;
}

void TGlowneOkno::Informacje()
{
    if (OknoIdentyfikacji(PrzyciskOK))
        przebieg_->UstawInfo(oknoJNI_->Dane());
    else
        przebieg_->UstawTytul();
}

bool TGlowneOkno::Zapisz()
{
    if (!OknoIdentyfikacji(PrzyciskZapisz) || !przebieg_->Zapisz(oknoJNI_->Dane())) return false;
    ZapamietajPlik(Tekst(tGlownyPrzebieg::SciezkaZapisu(przebieg_->Info())));
    return true;
}

void TGlowneOkno::Wczytaj()
{
    const QString plik = QFileDialog::getOpenFileName(this, Tekst(TytulWczytaj), TUstawieniaOkna().OstatniKatalog(),
                                                      Tekst(FiltrPliku));
    if (!plik.isEmpty()) OtworzPlik(plik);
}

void TGlowneOkno::Raport()
{
    if (!przebieg_->PolaPoprawne(TytulBleduRaportu)) return;
    tInfoObiektu info = przebieg_->Info();
    const tWynikRaportu wynik =
        PolecenieRaport(info, [this](tObiektMostowy& o) { PobierzDane(*widok_, o); }, KatalogRaportow(), Dzis());
    przebieg_->UstawInfoBezZmian(info);  // numer przęsła mógł zostać poprawiony na "1"
    if (!wynik.Zapisany) {
        Komunikat(TytulBleduRaportu, wynik.Komunikat, true);
        return;
    }
    // Bez przeglądarki RTF w systemie pokazujemy przynajmniej, gdzie jest raport.
    const QString plik = Tekst(wynik.Plik);
    OtworzRaport(plik, [this, plik] { RaportBezPodgladu(plik); });
}

void TGlowneOkno::RaportBezPodgladu(const QString& plik)
{
    QMessageBox okno(QMessageBox::Information, Tekst(TytulRaportu),
                     Tekst(RaportZapisany) + QDir::toNativeSeparators(plik) + Tekst(NieWyswietlono), QMessageBox::Ok, this);
    QPushButton* folder = okno.addButton(Tekst(PrzyciskFolder), QMessageBox::ActionRole);
    okno.setEscapeButton(QMessageBox::Ok);  // przy dwóch przyciskach Qt nie wybiera go sam
    okno.exec();
    if (okno.clickedButton() == folder)
        QDesktopServices::openUrl(QUrl::fromLocalFile(QFileInfo(plik).absolutePath()));
}

void TGlowneOkno::RozneNormy()
{
    if (!przebieg_->PolaPoprawne(TytulBleduPorownania)) return;
    auto naglowek = std::make_unique<tObiektMostowy>();
    PobierzDane(*widok_, *naglowek);
    std::string blad;
    const std::string sciezka = SciezkaPorownania();
    tPorownanie przeliczenia;
    const bool zapisane =
        ZapiszPorownanie(*naglowek, przebieg_->Obiekt(), przebieg_->Info(), sciezka, blad, &przeliczenia);
    szkic_->update();
    if (!zapisane) {
        Komunikat(TytulBleduPorownania, blad, true);
        return;
    }
    oknoTekstu_->JNI = Tekst(przebieg_->Info().JNI);
    oknoTekstu_->PokazPlik(Tekst(TytulPorownania), Tekst(sciezka));
    if (!oknoWykresu_) oknoWykresu_ = new TOknoWykresu(this);
    oknoWykresu_->Pokaz(UkladWykresu(przeliczenia, naglowek->Normatyw, naglowek->Klasa, przebieg_->Info()));
}

void TGlowneOkno::SladObliczen()
{
    przebieg_->Przelicz();
    oknoTekstu_->JNI = Tekst(przebieg_->Info().JNI);
    oknoTekstu_->PokazSlad();
}

void TGlowneOkno::PomocNaTemat()
{
    oknoPomocy_->PokazSpis();
}

// F1: temat 2 dla prawego panelu (schemat, przęsła, normatyw), temat 1 dla reszty okna.
void TGlowneOkno::PomocKontekstowa()
{
    QWidget* fokus = focusWidget();
    const bool prawy = fokus && (fokus == panelSchematu_ || panelSchematu_->isAncestorOf(fokus));
    oknoPomocy_->PokazTemat(prawy ? 2 : 1);
}

void TGlowneOkno::OProgramie()
{
    oknoAbout_->show();
    oknoAbout_->raise();
}

void TGlowneOkno::PokazPrzekroj()
{
    if (oknoPrzekroju_->isVisible())
        oknoPrzekroju_->close();
    else
        oknoPrzekroju_->PokazPrzekroj(k_.Listy[static_cast<int>(tLista::CBPrzeslo)]->currentIndex());
}

// Wiersz rejestru wczytany jak "Wczytaj"; po wczytaniu okno główne na wierzchu.
TOknoRejestru& TGlowneOkno::OknoRejestru()
{
    if (!oknoRejestru_) {
        oknoRejestru_ = new TOknoRejestru(this);
        oknoRejestru_->OtworzPlik = [this](const QString& plik) {
            if (!OtworzPlik(plik)) return false;
            raise();
            activateWindow();
            return true;
        };
    }
    return *oknoRejestru_;
}

void TGlowneOkno::Rejestr() { OknoRejestru().Pokaz(); }
