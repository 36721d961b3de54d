#pragma once
// Okno główne: pasek narzędzi, menu, panel przekroju poprzecznego, panel schematu
// z edytorem rozpiętości i szkicem, panel wyników. Okno niczego nie liczy: każda zmiana
// pola idzie do przebiegu przeliczenia, który odpowiada przez widok TWidokQt.
#include <QMainWindow>
#include <functional>
#include <memory>

#include "przebieg/Przebieg.h"
#include "reports/Raport.h"
#include "okna/glowne/TWidokQt.h"

class QAction;
class QDragEnterEvent;
class QDragMoveEvent;
class QDropEvent;
class QMenu;
class QStatusBar;
class TOknoPomocy;
class TOknoRejestru;
class TAboutBox;
class TObrazekPrzekroju;
class TOknoHelp;
class TOknoWykresu;
class TPanelElementow;
class TSzkic;
class TZapiszJNI;

class TGlowneOkno : public QMainWindow {
    Q_OBJECT
public:
    explicit TGlowneOkno(QWidget* rodzic = nullptr);
    ~TGlowneOkno() override;

    tGlownyPrzebieg& Przebieg() { return *przebieg_; }
    TOknoHelp& OknoTekstu() { return *oknoTekstu_; }
    TZapiszJNI& OknoJNI() { return *oknoJNI_; }
    TAboutBox& OknoOProgramie() { return *oknoAbout_; }
    TObrazekPrzekroju& OknoPrzekroju() { return *oknoPrzekroju_; }
    TOknoPomocy& Pomoc() { return *oknoPomocy_; }
    TPanelElementow& PanelElementow() { return *elementy_; }
    // Okno "Rejestr obiektów", tworzone przy pierwszym użyciu.
    TOknoRejestru& OknoRejestru();
    const tKontrolkiOkna& Kontrolki() const { return k_; }
    QStatusBar* LiniaStatusu() const { return status_; }

    // Pokazanie zapisanego raportu w przeglądarce systemu; gdy się nie uda (także później,
    // gdy program otwierający zakończy się błędem), woła nieWyswietlono. Testy podstawiają
    // własne, by nie uruchamiać edytora.
    std::function<void(const QString& plik, std::function<void()> nieWyswietlono)> OtworzRaport;

    // Plik roboczy wczytany tak jak poleceniem "Wczytaj" (wiersz poleceń, upuszczenie na
    // okno, "Ostatnio otwierane"): przy niezapisanych zmianach najpierw pytanie; pliku,
    // którego nie ma albo nie da się czytać, nie wczytuje: okno komunikatu i false.
    bool OtworzPlik(const QString& sciezka);
    // Argumenty programu (QApplication::arguments): plik roboczy po nazwie programu.
    void OtworzArgumenty(const QStringList& argumenty);

protected:
    void showEvent(QShowEvent* zdarzenie) override;
    void closeEvent(QCloseEvent* zdarzenie) override;
    bool eventFilter(QObject* obiekt, QEvent* zdarzenie) override;
    // Upuszczenie pliku roboczego na okno go wczytuje (TGlowneOknoPliki.cpp).
    void dragEnterEvent(QDragEnterEvent* zdarzenie) override;
    void dragMoveEvent(QDragMoveEvent* zdarzenie) override;
    void dropEvent(QDropEvent* zdarzenie) override;

private:
    static constexpr int CzasDymka = 10000;  // ms, dymki wszystkich kontrolek okna

    // Połączenie kontrolek z przebiegiem przeliczenia (TGlowneOkno.cpp).
    void Polacz();

    // Pasek narzędzi i menu (TGlowneOknoAkcje.cpp).
    void BudujAkcje();
    QAction* Akcja(const char* nazwa, const char* podpis, const char* dymek, int ikona, const char* skrot);
    void OdswiezEdycje();

    // Panele danych i wyników (TGlowneOknoPanele.cpp).
    QWidget* BudujPanelPrzekroju();
    QWidget* BudujPanelSchematu();
    QWidget* BudujEdytorPrzesel();
    QWidget* BudujPanelWynikow();
    void UstawDymki();

    // Panel "Elementy" i rozmiar okna przy nim (TGlowneOknoElementy.cpp).
    void BudujPanelElementow();
    void DopasujRozmiar();

    // Polecenia (TGlowneOknoPolecenia.cpp).
    void Informacje();
    void Wczytaj();
    void Raport();
    bool Zapisz();
    bool ZapiszJako();
    bool ZapiszDoPliku(const std::string& sciezka);
    // Pole z fokusem kończy edycję (format pola) przed poleceniem, które czyta dane.
    void ZakonczEdycje();
    void RaportBezPodgladu(const QString& plik);
    tIstniejacyRaport PytanieORaport(const std::string& plik, const std::string& obok);
    void RozneNormy();
    void SladObliczen();
    void PomocNaTemat();
    void OProgramie();
    void PokazPrzekroj();
    void Rejestr();
    void PomocKontekstowa();
    bool OknoIdentyfikacji(const char* przycisk);
    void Komunikat(const std::string& tytul, const std::string& tekst, bool ostrzezenie);

    // Zwyczaje programu na pulpicie (TGlowneOknoPliki.cpp): upuszczanie plików, położenie
    // okna, ostatnio otwierane pliki i katalog.
    void PrzygotujPulpit();
    void OdswiezOstatnie();
    void ZapamietajPlik(const QString& sciezka);

    tKontrolkiOkna k_;
    QStatusBar* status_ = nullptr;
    std::unique_ptr<TWidokQt> widok_;
    std::unique_ptr<tGlownyPrzebieg> przebieg_;
    // Okna pomocnicze tworzone przy starcie, po oknie głównym.
    std::unique_ptr<TOknoHelp> oknoTekstu_;
    TAboutBox* oknoAbout_ = nullptr;
    TObrazekPrzekroju* oknoPrzekroju_ = nullptr;
    TZapiszJNI* oknoJNI_ = nullptr;
    TOknoPomocy* oknoPomocy_ = nullptr;
    TOknoWykresu* oknoWykresu_ = nullptr;  // wykres "Różnych norm", tworzony przy pierwszym użyciu
    TOknoRejestru* oknoRejestru_ = nullptr;
    QWidget* panelSchematu_ = nullptr;
    QMenu* protokoly_ = nullptr;
    QAction* acCofnij_ = nullptr;
    QAction* acPonow_ = nullptr;
    TPanelElementow* elementy_ = nullptr;
    TSzkic* szkic_ = nullptr;
    QSize rozmiar_;          // rozmiar okna bez panelu "Elementy", do przywrócenia po jego schowaniu
    QSize zPanelemRozmiar_;  // rozmiar okna zaraz po pokazaniu panelu
    int wysokoscPanelu_ = 0;  // ostatnia wysokość zadokowanego panelu; 0: jeszcze nie pokazany
    bool zPanelem_ = false;  // rozmiar okna obejmuje zadokowany panel "Elementy"
    QMenu* menuOstatnie_ = nullptr;
    bool uruchomione_ = false;
    bool zamkniete_ = false;
};
