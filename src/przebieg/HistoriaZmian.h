#pragma once
// Historia zmian danych okna dla poleceń "Cofnij" i "Ponów". Krok to stan wszystkich list
// i pól (cały obiekt, także ukryte wiersze edytora), nie pojedyncza zmiana. Kolejne zmiany
// jednego pola (wpisywanie znak po znaku, strzałki) są jednym krokiem, dopóki edycja pola
// się nie skończy; zmiana listy jest zawsze osobnym krokiem.
#include <array>
#include <cstddef>
#include <deque>

#include "przebieg/Widok.h"

struct tStanPol {
    std::array<int, 4> Listy{};            // wybory w kolejności tLista
    std::array<double, LiczbaPol> Pola{};  // wartości tak, jak je wpisano
    bool operator==(const tStanPol&) const = default;
};

// Stan list i pól widoku; false, gdy któreś pole ma tekst, który nie jest liczbą (takiego
// stanu nie da się przywrócić wartościami).
bool StanPol(const Widok& widok, tStanPol& stan);
// Ustawia listy (z regułą listy klas) i pola (wartości wpisane, bez przycięcia), bez przeliczenia.
void UstawStanPol(Widok& widok, const tStanPol& stan);

class tHistoriaZmian {
public:
    static constexpr std::size_t Glebokosc = 100;  // tyle kroków da się cofnąć

    // Nowy obiekt (start, wczytanie pliku): historia od tego stanu, bez kroków.
    void Poczatek(const tStanPol& stan);
    // Stan po zmianie wprowadzonej przez użytkownika; stan równy bieżącemu nie jest krokiem.
    void Zapamietaj(const tStanPol& stan);
    // Koniec edycji pola (utrata fokusu): następna zmiana tego pola to nowy krok.
    void ZakonczKrok() { scalaj_ = false; }
    bool MoznaCofnac() const { return biezacy_ > 0; }
    bool MoznaPonowic() const { return biezacy_ + 1 < stany_.size(); }
    // Stan do przywrócenia albo nullptr, gdy nie ma kroku.
    const tStanPol* Cofnij();
    const tStanPol* Ponow();

private:
    std::deque<tStanPol> stany_;  // stany_[biezacy_] to stan okna
    std::size_t biezacy_ = 0;
    bool scalaj_ = false;
};
