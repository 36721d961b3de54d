#pragma once
// Widok w pamięci: trzyma wszystko, co okno by pokazało. Używają go CLI i testy.
#include <array>
#include <string>
#include <vector>

#include "przebieg/Widok.h"

class tWidokPamieci : public Widok {
public:
    tWidokPamieci();

    void UstawPozycjeListy(tLista lista, const std::vector<std::string>& pozycje) override;
    int LiczbaPozycjiListy(tLista lista) const override;
    void UstawWybor(tLista lista, int pozycja) override;
    int Wybor(tLista lista) const override;

    double Wartosc(tPole pole) const override;
    void UstawWartosc(tPole pole, double wartosc) override;
    void UstawWartoscWpisana(tPole pole, double wartosc) override;
    // Pola widoku w pamięci trzymają liczby; tekst nieliczbowy odrzuca już czytnik pliku.
    bool JestLiczba(tPole) const override { return true; }
    void OznaczBlad(tPole pole, bool blad) override;

    void PokazPole(tPole pole, bool widoczne) override;
    void PokazPodpisWiersza(tWierszPol wiersz, bool widoczny) override;
    void UstawWierszePrzesel(const std::vector<tWierszPrzesla>& wiersze) override;
    void UstawTytul(const std::string& tytul) override { Tytul = tytul; }
    void UstawWyniki(const tTekstyWynikow& wyniki) override { Wyniki = wyniki; }
    void UkryjKomunikaty() override;
    void PokazKomunikaty(const std::vector<std::string>& linie, bool blad) override;
    void OdswiezSzkic() override { ++Przerysowania; }
    void OdswiezElementy() override {}
    void PokazKomunikat(const std::string& tytul, const std::string& tekst, tIkona ikona) override;
    // Pytanie zapamiętane w OknaKomunikatow; odpowiedź z pola Odpowiedz.
    tOdpowiedz Zapytaj(const std::string& tytul, const std::string& tekst, bool zAnuluj) override;

    struct tListaPamieci {
        std::vector<std::string> Pozycje;
        int Wybor = -1;
    };
    struct tOknoKomunikatu {
        std::string Tytul, Tekst;
        tIkona Ikona;
    };

    std::array<tListaPamieci, 4> Listy;
    std::array<double, LiczbaPol> Pola{};
    std::array<bool, PierwszePoleDlugosci> PoleWidoczne{};
    std::array<bool, LiczbaWierszyPol> PodpisWidoczny{};
    std::vector<tWierszPrzesla> WierszePrzesel;  // wiersze 1..k edytora
    std::string Tytul;
    tTekstyWynikow Wyniki;
    std::vector<std::string> Komunikaty;
    bool KomunikatyWidoczne = false;
    bool KomunikatyBledu = false;
    int Przerysowania = 0;
    std::vector<tOknoKomunikatu> OknaKomunikatow;
    std::array<bool, LiczbaPol> Oznaczone{};
    tOdpowiedz Odpowiedz = tOdpowiedz::Anuluj;
};
