#pragma once
// Komórki CSV czytane przez arkusze: wspólne dla pontiva-cli i zestawienia rejestru.
#include <string>
#include <string_view>

// Tekstowa komórka CSV z separatorem ";", znaki jak TekstWidoczny (sterujące jako "?"): w cudzysłowach, gdy zawiera ";", cudzysłów albo
// koniec wiersza; z apostrofem na początku, gdy zaczyna się od =, +, -, @, tabulatora albo
// CR (arkusz nie weźmie jej za formułę). Liczby nie przechodzą tędy.
void DopiszKomorkeCsv(std::string& cel, std::string_view tekst);
