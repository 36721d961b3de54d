#pragma once
// Widok okna głównego widziany przez przebieg przeliczenia: listy, pola liczbowe,
// edytor rozpiętości, wyniki i obszar komunikatów. Bez zestawu narzędzi okienkowych;
// implementują go okno Qt i widok w pamięci (CLI, testy).
//
// Przebieg ustawia pola i wybory także podczas wczytywania. Okno może wtedy zgłaszać
// swoje zdarzenia zmian i przekazywać je do przebiegu: przebieg jest na to odporny
// (przy wyłączonym przeliczaniu zdarzenia nie przeliczają).
#include <string>
#include <vector>

#include "core/UkladElementow.h"
#include "przebieg/PolaLiczbowe.h"

enum class tLista : int {
    CBPrzeslo = 0,   // rodzaj przekroju poprzecznego
    CBSchemat = 1,   // schemat statyczny
    CBNormatyw = 2,  // normatyw
    CBKlasa = 3,     // klasa obciążeń
};

enum class tIkona : int {
    Informacja = 0,
    Ostrzezenie = 1,
};

// Odpowiedź na pytanie okna (Tak / Nie / Anuluj).
enum class tOdpowiedz : int {
    Tak = 0,
    Nie = 1,
    Anuluj = 2,
};

// Pięć tekstów panelu wyników; pusty tekst to puste pole.
struct tTekstyWynikow {
    std::string M1N, TN, MP, TP, Kategoria;
};

class Widok {
public:
    virtual ~Widok() = default;

    // Listy: pozycje od 0; -1 to brak wyboru.
    virtual void UstawPozycjeListy(tLista lista, const std::vector<std::string>& pozycje) = 0;
    virtual int LiczbaPozycjiListy(tLista lista) const = 0;
    // Pozycja spoza listy daje brak wyboru (-1).
    virtual void UstawWybor(tLista lista, int pozycja) = 0;
    virtual int Wybor(tLista lista) const = 0;

    // Pola liczbowe. UstawWartosc przyjmuje wartość przez WartoscUstawiana (zakres
    // i zaokrąglenie z tablicy pól); Wartosc zwraca to, co pole ma teraz.
    virtual double Wartosc(tPole pole) const = 0;
    virtual void UstawWartosc(tPole pole, double wartosc) = 0;
    // Wartość tak, jak ją wpisano (cofnięcie zmiany, plik stanu): bez przycięcia do zakresu
    // i bez zaokrąglenia; Wartosc zwraca ją potem bez zmian.
    virtual void UstawWartoscWpisana(tPole pole, double wartosc) = 0;
    // Czy tekst pola czyta się jako liczba (pusty tekst tak: to minimum pola). Wpisany
    // tekst nieliczbowy jest błędem danych, nie zerem.
    virtual bool JestLiczba(tPole pole) const = 0;
    // Pole oznaczone barwą błędu (przeliczenie odrzuciło jego tekst) albo zwykłe.
    virtual void OznaczBlad(tPole pole, bool blad) = 0;

    // Widoczność pól szerokości (i pola "Liczba przęseł") oraz podpisów ich wierszy.
    virtual void PokazPole(tPole pole, bool widoczne) = 0;
    virtual void PokazPodpisWiersza(tWierszPol wiersz, bool widoczny) = 0;

    // Edytor rozpiętości: wiersze 1..k widoczne z podpisami i nazwami elementów
    // (wiersze[i] to wiersz i + 1), pozostałe ukryte z zachowaniem wartości.
    virtual void UstawWierszePrzesel(const std::vector<tWierszPrzesla>& wiersze) = 0;

    virtual void UstawTytul(const std::string& tytul) = 0;
    virtual void UstawWyniki(const tTekstyWynikow& wyniki) = 0;

    // Obszar komunikatów: ukrycie z usunięciem wierszy, albo pokazanie wierszy
    // w barwach błędu (czerwone tło, biały pogrubiony tekst) lub zwykłych.
    virtual void UkryjKomunikaty() = 0;
    virtual void PokazKomunikaty(const std::vector<std::string>& linie, bool blad) = 0;

    // Szkic podłużny czyta obiekt mostowy przebiegu; przebieg prosi o przerysowanie.
    virtual void OdswiezSzkic() = 0;
    // Tabela wyników elementów przebiegu (Tabela()) zmieniła się po przeliczeniu.
    virtual void OdswiezElementy() = 0;

    // Okno komunikatu z tytułem i ikoną; CR w tekście rozdziela wiersze.
    virtual void PokazKomunikat(const std::string& tytul, const std::string& tekst, tIkona ikona) = 0;
    // Pytanie z przyciskami Tak i Nie (i Anuluj, gdy zAnuluj); CR rozdziela wiersze.
    virtual tOdpowiedz Zapytaj(const std::string& tytul, const std::string& tekst, bool zAnuluj) = 0;
};
