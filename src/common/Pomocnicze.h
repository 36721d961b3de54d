#pragma once
// Wspólne operacje obliczeniowe modeli obciążeń.
#include <initializer_list>
#include <string>

// Współczynnik dynamiczny: 1,35 − 0,005·L dla L ≤ 70, dalej 1,0; pisze wiersz śladu.
double Fi(double L);
// Część całkowita x + 1e-10 (liczba pasów, której zaokrąglenie nie może zgubić).
int Obetnij(double x);
// true, gdy klasa należy do zbioru (Msg czyszczony); inaczej "Zła klasa : N".
bool SprawdzKlase(int klasa, std::initializer_list<int> dozwolone, std::string& Msg);
// true oznacza ODMOWĘ: L równe dokładnie 270.
bool SprawdzL270(std::string& Msg, double L);
// Prosta przez (x1, y1), (x2, y2) w punkcie x; |x1 − x2| > 1e-10 albo BladAsercji.
double Interpoluj(double x1, double y1, double x2, double y2, double x);
// Liczba z tekstu: "," i "." jako separator; tekst nieliczbowy (także nan, inf) daje 0
// i false, pusty tekst 0 i true.
bool NaLiczbe(const std::string& tekst, double& wynik);
