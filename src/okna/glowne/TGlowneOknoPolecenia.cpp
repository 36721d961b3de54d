// Polecenia okna głównego: akcje paska narzędzi i menu.
#include <QComboBox>
#include <QDate>
#include <QDesktopServices>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QPushButton>
#include <QStatusBar>
#include <QUrl>
#include <memory>

#include "common/Formatowanie.h"
#include "common/Regionalne.h"
#include "persistence/Katalogi.h"
#include "reports/Porownanie.h"
#include "reports/Raport.h"
#include "okna/pomocnicze/TOknoPomocy.h"
#include "okna/rysunki/TSzkic.h"
#include "okna/pomocnicze/TAboutBox.h"
#include "okna/pomocnicze/TObrazekPrzekroju.h"
#include "okna/glowne/TGlowneOkno.h"
#include "okna/glowne/TPoleLiczbowe.h"
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
const char* const TytulZapiszJako = "Zapisz jako";
const char* const RozszerzeniePliku = "PTV";
const char* const Zapisano = "Zapisano plik %s";
const char* const RaportIstnieje = "Plik %s zawiera inny raport tego obiektu.\rZastąpić go nowym raportem czy zachować oba (nowy jako %s)?";
const char* const PrzyciskZastap = "Zastąp";
const char* const PrzyciskOba = "Zachowaj oba";
const char* const PrzyciskAnuluj = "Anuluj";

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

void TGlowneOkno::ZakonczEdycje()
{
    for (QWidget* w = focusWidget(); w; w = w->parentWidget())
        if (auto* pole = qobject_cast<TPoleLiczbowe*>(w)) return pole->ZakonczEdycje();
}

// Plik wczytany spoza katalogu JNI (albo zapisany poleceniem "Zapisz jako") jest zapisywany
// z powrotem tam, skąd pochodzi; nowy obiekt i obiekt z katalogu JNI – pod nazwą z identyfikacji.
bool TGlowneOkno::Zapisz()
{
    ZakonczEdycje();
    if (const std::string plik = przebieg_->PlikDoZapisu(); !plik.empty()) return ZapiszDoPliku(plik);
    if (!OknoIdentyfikacji(PrzyciskZapisz) || !przebieg_->Zapisz(oknoJNI_->Dane())) return false;
    ZapamietajPlik(Tekst(tGlownyPrzebieg::SciezkaZapisu(przebieg_->Info())));
    return true;
}

bool TGlowneOkno::ZapiszJako()
{
    ZakonczEdycje();
    QFileDialog okno(this, Tekst(TytulZapiszJako), TUstawieniaOkna().OstatniKatalog(), Tekst(FiltrPliku));
    okno.setAcceptMode(QFileDialog::AcceptSave);
    okno.setDefaultSuffix(QString::fromLatin1(RozszerzeniePliku));  // "most" zapisuje most.PTV
    const tInfoObiektu& info = przebieg_->Info();
    if (!info.JNI.empty()) okno.selectFile(Tekst(info.JNI + "_" + info.NrP + ".PTV"));
    if (okno.exec() != QDialog::Accepted || okno.selectedFiles().isEmpty()) return false;
    return ZapiszDoPliku(okno.selectedFiles().first().toStdString());
}

bool TGlowneOkno::ZapiszDoPliku(const std::string& sciezka)
{
    if (!przebieg_->ZapiszJako(sciezka)) return false;
    ZapamietajPlik(Tekst(sciezka));
    status_->showMessage(Tekst(Format(Zapisano, {QDir::toNativeSeparators(Tekst(sciezka)).toStdString()})));
    return true;
}

void TGlowneOkno::Wczytaj()
{
    ZakonczEdycje();
    const QString plik = QFileDialog::getOpenFileName(this, Tekst(TytulWczytaj), TUstawieniaOkna().OstatniKatalog(),
                                                      Tekst(FiltrPliku));
    if (!plik.isEmpty()) OtworzPlik(plik);
}

void TGlowneOkno::Raport()
{
    ZakonczEdycje();
    if (!przebieg_->PolaPoprawne(TytulBleduRaportu)) return;
    tInfoObiektu info = przebieg_->Info();
    const tWynikRaportu wynik = PolecenieRaport(
        info, [this](tObiektMostowy& o) { PobierzDane(*widok_, o); }, KatalogRaportow(), Dzis(),
        [this](const std::string& plik, const std::string& obok) { return PytanieORaport(plik, obok); });
    przebieg_->UstawInfoBezZmian(info);  // numer przęsła mógł zostać poprawiony na "1"
    if (wynik.Anulowany) return;
    if (!wynik.Zapisany) {
        Komunikat(TytulBleduRaportu, wynik.Komunikat, true);
        return;
    }
    // Bez przeglądarki RTF w systemie pokazujemy przynajmniej, gdzie jest raport.
    const QString plik = Tekst(wynik.Plik);
    OtworzRaport(plik, [this, plik] { RaportBezPodgladu(plik); });
}

// Wcześniejszy raport tego obiektu (może ten wysłany do zarządcy) nie znika bez pytania;
// domyślnie zostają oba.
tIstniejacyRaport TGlowneOkno::PytanieORaport(const std::string& plik, const std::string& obok)
{
    const QString tekst = Tekst(Format(RaportIstnieje, {QDir::toNativeSeparators(Tekst(plik)).toStdString(),
                                                        QFileInfo(Tekst(obok)).fileName().toStdString()}));
    QMessageBox okno(QMessageBox::Question, Tekst(TytulRaportu), tekst, QMessageBox::NoButton, this);
    QPushButton* zastap = okno.addButton(Tekst(PrzyciskZastap), QMessageBox::DestructiveRole);
    QPushButton* oba = okno.addButton(Tekst(PrzyciskOba), QMessageBox::AcceptRole);
    QPushButton* anuluj = okno.addButton(Tekst(PrzyciskAnuluj), QMessageBox::RejectRole);
    okno.setDefaultButton(oba);
    okno.setEscapeButton(anuluj);
    okno.exec();
    if (okno.clickedButton() == zastap) return tIstniejacyRaport::Zastap;
    return okno.clickedButton() == oba ? tIstniejacyRaport::ZachowajOba : tIstniejacyRaport::Anuluj;
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
    ZakonczEdycje();
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
