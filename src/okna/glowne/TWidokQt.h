#pragma once
// Widok okna głównego na kontrolkach Qt: przebieg przeliczenia ustawia i czyta przez
// niego listy, pola, edytor rozpiętości, wyniki i komunikaty.
#include <QString>
#include <array>
#include <functional>

#include "okna/wspolne/Tekst.h"
#include "przebieg/Widok.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QTextEdit;
class QWidget;
class TPoleLiczbowe;

// Kontrolki okna głównego, które widzi przebieg.
struct tKontrolkiOkna {
    QWidget* Okno = nullptr;
    std::array<QComboBox*, 4> Listy{};
    std::array<TPoleLiczbowe*, LiczbaPol> Pola{};
    std::array<QLabel*, LiczbaWierszyPol> PodpisyWierszy{};
    std::array<QLabel*, MaksWierszy> PodpisyPrzesel{};
    std::array<QLineEdit*, 5> Wyniki{};  // M1N, TN, MP, TP, KATEGORIA
    QTextEdit* Komunikaty = nullptr;
    int WierszEdytora = 20;  // odstęp wierszy edytora przęseł, większy przy większej czcionce
    // Okno główne odświeża szkic (i otwarte okno przekroju) po każdym wypełnieniu obiektu
    // z pól, a panel "Elementy" po każdym przeliczeniu; widok nie zna tych kontrolek.
    std::function<void()> OdswiezSzkic;
    std::function<void()> OdswiezElementy;
};

class TWidokQt : public Widok {
public:
    explicit TWidokQt(const tKontrolkiOkna& kontrolki);

    // Zmiany pól i list wykonywane przez przebieg nie wracają do niego jako zdarzenia
    // okna (przebieg sam wywołuje potrzebne kroki, jak przy widoku w pamięci).
    bool Ustawia() const { return ustawia_ > 0; }

    void UstawPozycjeListy(tLista lista, const std::vector<std::string>& pozycje) override;
    int LiczbaPozycjiListy(tLista lista) const override;
    void UstawWybor(tLista lista, int pozycja) override;
    int Wybor(tLista lista) const override;

    double Wartosc(tPole pole) const override;
    void UstawWartosc(tPole pole, double wartosc) override;
    void UstawWartoscWpisana(tPole pole, double wartosc) override;
    bool JestLiczba(tPole pole) const override;
    void OznaczBlad(tPole pole, bool blad) override;

    void PokazPole(tPole pole, bool widoczne) override;
    void PokazPodpisWiersza(tWierszPol wiersz, bool widoczny) override;
    void UstawWierszePrzesel(const std::vector<tWierszPrzesla>& wiersze) override;
    void UstawTytul(const std::string& tytul) override;
    void UstawWyniki(const tTekstyWynikow& wyniki) override;
    void UkryjKomunikaty() override;
    void PokazKomunikaty(const std::vector<std::string>& linie, bool blad) override;
    void OdswiezSzkic() override;
    void OdswiezElementy() override;
    void PokazKomunikat(const std::string& tytul, const std::string& tekst, tIkona ikona) override;
    tOdpowiedz Zapytaj(const std::string& tytul, const std::string& tekst, bool zAnuluj) override;

private:
    struct tUstawianie;
    void UstawTekstKomunikatow(const QString& tekst);

    tKontrolkiOkna k_;
    int wierszeWidoczne_ = -1;
    int ustawia_ = 0;
    int barwyBledu_ = -1;        // barwy obszaru komunikatów: -1 jeszcze nieustawione
    QString tekstKomunikatow_;  // pokazany tekst: ten sam tekst nie jest wstawiany ponownie
};
