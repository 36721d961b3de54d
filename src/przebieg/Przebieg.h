#pragma once
// Przebieg przeliczenia okna głównego bez zestawu narzędzi okienkowych: wypełnienie
// obiektu mostowego z pól, sprawdzenia, Oblicz, wyniki i komunikaty, lista klas,
// widoczność pól, tytuł, edytor rozpiętości, pliki robocze i plik stanu PT.INI.
// Okno Qt przekazuje tu swoje zdarzenia; CLI i testy używają widoku w pamięci.
#include <functional>
#include <string>
#include <vector>

#include "core/InfoObiektu.h"
#include "core/ObiektMostowy.h"
#include "core/Przeliczenie.h"
#include "persistence/PlikRoboczy.h"
#include "przebieg/HistoriaZmian.h"
#include "przebieg/TabelaElementow.h"
#include "przebieg/Widok.h"

// Wypełnia obiekt z pól widoku: UstawDane, potem elementy wierszy 1..k edytora.
void PobierzDane(Widok& widok, tObiektMostowy& obiekt);

// Wiersze obszaru komunikatów dla wyniku (nagłówek błędu i komunikat albo
// pusty wiersz i "OBLICZENIA POPRAWNE").
std::vector<std::string> LinieKomunikatow(const tWynikPrzeliczenia& wynik);
// Teksty panelu wyników po udanym obliczeniu (" %0.4f", puste dla 1e20, " %0.0f [T]").
tTekstyWynikow TekstyWynikow(const tObiektMostowy& obiekt);

// Tytuł okna z danych identyfikacyjnych.
std::string TytulOkna(const tInfoObiektu& info);
// Reguła listy klas dla wybranego normatywu; true, gdy listę przebudowano.
bool RegulaListyKlas(Widok& widok);
// Widoczność pól szerokości i podpisów wierszy dla wybranego przekroju.
void UstawWidocznosc(Widok& widok);
// Wiersze edytora rozpiętości i widoczność pola "Liczba przęseł" dla schematu.
void BudujPrzesla(Widok& widok);
// Liczba wierszy edytora w użyciu (k) dla wybranego schematu i liczby przęseł.
int WierszeWUzyciu(const Widok& widok);

class tGlownyPrzebieg {
public:
    // Utworzenie okna: listy wypełnione, pierwsze pozycje wybrane, przeliczanie wyłączone,
    // komunikat pierwszego zapisu oczekuje.
    explicit tGlownyPrzebieg(Widok& widok);

    // Pierwsze pokazanie okna: katalogi danych, PT.INI (bez niego obiekt przykładowy),
    // przeliczenie.
    void Uruchom();
    // Zamknięcie okna: zapis PT.INI; błąd zapisu pokazany w oknie komunikatu z przyczyną. Plik
    // stanu, którego nie da się czytać, jest odkładany (nazwa z datą) z jednym komunikatem.
    bool Zamknij();

    // Zdarzenia okna.
    void ZmianaPrzekroju();
    void ZmianaSchematu();
    void ZmianaLiczbyPrzesel();
    void ZmianaDlugosci();
    void ZmianaNormatywu();
    void ZmianaKlasy();
    void ZmianaSzerokosci();

    // Przed raportem i porównaniem norm: pole z tekstem, który nie jest liczbą, albo liczba
    // przęseł spoza edytora odrzuca polecenie oknem komunikatu z tytułem polecenia (false).
    bool PolaPoprawne(const std::string& tytul);

    // Przeliczenie, gdy włączone (zdarzenia pól): krok historii zmian, przeliczenie, tytuł.
    void PrzeliczDane();
    // Pełne przeliczenie i pokazanie wyniku; zwraca wynik etapów.
    tWynikPrzeliczenia Przelicz();

    // Polecenie "Wczytaj" (ścieżka pełna): plik, którego nie da się przeczytać albo który
    // nie jest plikiem roboczym, jest odrzucany oknem komunikatu z nazwą pliku, a pola
    // okna zostają bez zmian (false). Po wczytaniu okno raz pokazuje nieczytelne liczby
    // i wartości, które pola albo listy przyjęły inaczej (przebieg/OdmowaPliku.h).
    bool WczytajDane(const std::string& sciezka);
    // To samo bez okien komunikatów (wiersz poleceń): odmowa w blad, nieczytelne i zmienione
    // wartości w liście.
    bool WczytajDane(const std::string& sciezka, std::string& blad, std::vector<tNieczytelnaLiczba>& nieczytelne);
    // Zapis pliku roboczego; przy błędzie stary plik zostaje, a blad mówi dlaczego.
    bool ZapiszDane(const std::string& sciezka, std::string& blad);
    bool ZapiszDane(const std::string& sciezka);
    // To samo na pliku INI w pamięci (WczytajDane i ZapiszDane bez dysku).
    void WczytajIni(const tPlikIni& ini, std::vector<tNieczytelnaLiczba>* nieczytelne = nullptr);
    // Zwraca, czy dane przeszły sprawdzenia (tylko wtedy plik dostaje wyniki CALC).
    bool ZapiszIni(tPlikIni& ini);

    // Czy obiekt różni się od ostatnio wczytanego albo zapisanego pliku roboczego (po starcie:
    // od stanu z PT.INI, chyba że ten zapamiętał niezapisane zmiany), także gdy pole ma tekst,
    // który nie jest liczbą. Tytuł okna zaczyna się wtedy od "*".
    bool Zmieniony() const;
    // Przed zastąpieniem obiektu innym (wczytanie): przy zmianach pytanie "Zapisać zmiany…?"
    // Tak / Nie / Anuluj; Tak woła zapisz (polecenie "Zapisz" okna). true: można zastąpić.
    bool PorzucZmiany(const std::function<bool()>& zapisz);

    // Polecenie "Informacje" po zatwierdzeniu okna: pola przycięte, tytuł.
    void UstawInfo(const tInfoObiektu& zOkna);
    // Polecenie "Zapisz" po zatwierdzeniu okna identyfikacji. Nie zapisuje, gdy pole ma tekst,
    // który nie jest liczbą; pyta, zanim zastąpi plik innego obiektu albo zapisze nad plikiem
    // dane odrzucone przez sprawdzenia.
    bool Zapisz(const tInfoObiektu& zOkna);
    // Ścieżka pliku polecenia "Zapisz" dla danych identyfikacyjnych.
    static std::string SciezkaZapisu(const tInfoObiektu& info);
    // Plik, do którego "Zapisz" zapisuje wprost (bez okna identyfikacji): wczytany albo
    // zapisany plik roboczy spoza katalogu JNI. Pusty: "Zapisz" pyta o identyfikację
    // i zapisuje JNI/JNI_NrP.PTV.
    std::string PlikDoZapisu() const;
    // Polecenie "Zapisz jako" (i "Zapisz" do PlikDoZapisu): zapis pod podaną ścieżką z tą samą
    // odmową pól i pytaniem o dane odrzucone przez sprawdzenia co "Zapisz"; o zastąpienie
    // pliku pyta już okno wyboru pliku.
    bool ZapiszJako(const std::string& sciezka);

    // Polecenia "Cofnij" i "Ponów": cały obiekt wraca do stanu sprzed (po) kroku; false, gdy
    // nie ma kroku. Koniec edycji pola zamyka krok wpisywania.
    bool Cofnij();
    bool Ponow();
    void ZakonczEdycjePola() { historia_.ZakonczKrok(); }
    const tHistoriaZmian& Historia() const { return historia_; }
    // Obiekt przykładowy pierwszego uruchomienia, jeszcze nie zapisany ani nie zastąpiony.
    bool Przyklad() const { return przyklad_; }

    void UstawTytul();

    Widok& WidokOkna() { return widok_; }
    tObiektMostowy& Obiekt() { return obiekt_; }
    const tObiektMostowy& Obiekt() const { return obiekt_; }
    const tInfoObiektu& Info() const { return info_; }
    void UstawInfoBezZmian(const tInfoObiektu& info) { info_ = info; }
    bool PrzeliczanieWlaczone() const { return przeliczanie_; }
    void WlaczPrzeliczanie(bool wlacz) { przeliczanie_ = wlacz; }
    bool KomunikatPierwszegoZapisu() const { return pierwszyZapis_; }
    const tWynikPrzeliczenia& OstatniWynik() const { return ostatni_; }
    // Wyniki elementów ostatniego przeliczenia okna (panel "Elementy", dymki szkicu).
    const tTabelaElementow& Tabela() const { return tabela_; }

private:
    // Dane okna tak, jak by je zapisał plik roboczy (bez wyników): do porównania zmian.
    std::string ZapisDanych() const;
    void ZapamietajPlik(const std::string& sciezka);
    bool PotwierdzZapis(const std::string& sciezka);
    bool PotwierdzBezWynikow(const std::string& sciezka, bool poprawne);
    bool ZapiszPlikDanych(const std::string& sciezka, std::string& blad, bool stan);
    // Wczytanie pliku roboczego albo stanu (wpisane: wartości bez przycięcia, jak je okno miało).
    void UstawDanePliku(const tPlikIni& ini, std::vector<tNieczytelnaLiczba>* nieczytelne, bool wpisane);
    void PrzywrocStan(const tStanPol* stan);

    Widok& widok_;
    tObiektMostowy obiekt_;
    tInfoObiektu info_;
    bool przeliczanie_ = false;
    bool pierwszyZapis_ = true;
    tWynikPrzeliczenia ostatni_;
    tTabelaElementow tabela_;
    std::string zapisane_;  // ZapisDanych() ostatniego wczytania albo zapisu; pusty: zmiany z PT.INI
    std::string plik_;      // ścieżka ostatnio wczytanego albo zapisanego pliku roboczego
    bool przyklad_ = false;
    tHistoriaZmian historia_;
};
