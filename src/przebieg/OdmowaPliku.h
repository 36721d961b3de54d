#pragma once
// Plik roboczy, którego wczytanie zmieniło choć jedną zapisaną wartość (tekst, który nie jest
// liczbą, liczba spoza zakresu pola albo pozycja spoza listy, liczba zaokrąglona przez pole)
// albo coś dopowiedziało (pusta wartość, brak klucza, klucz lub sekcja podane drugi raz, wiersze
// PD niezgodne ze schematem: persistence/KompletnoscPliku.h), nie jest podstawą oceny: okno go
// wczytuje z ostrzeżeniem, ale raport, porównanie norm i wynik wiersza poleceń (oblicz, slad,
// rejestr, każde nowe polecenie oceniające obiekt) go odmawiają, każdy tym samym komunikatem.
#include <string>
#include <vector>

#include "persistence/PlikRoboczy.h"
#include "przebieg/Widok.h"

// Nazwa etapu odmowy w wynikach wiersza poleceń i nagłówek jej komunikatu.
constexpr const char* EtapOdczytu = "odczyt";
constexpr const char* NaglowekOdczytu = "BŁĄD DANYCH PLIKU ROBOCZEGO";

// Dopisuje do listy (w kolejności kluczy pliku) każdą wartość obecną w pliku, którą okno po
// wczytaniu trzyma inaczej, niż ją przeczytano; klucze już na liście pomija.
void DopiszZmienione(const tPlikIni& ini, const tDanePliku& przeczytane, const Widok& widok,
                     std::vector<tNieczytelnaLiczba>& lista);

// Komunikat odmowy z kluczami zmienionych wartości (szczegóły mówią ostrzeżenia OpisNieczytelnej);
// pusty, gdy plik wczytano bez zmian.
std::string OdmowaPliku(const std::vector<tNieczytelnaLiczba>& zmienione);
