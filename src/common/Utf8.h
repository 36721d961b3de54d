#pragma once
// Ścisłe czytanie UTF-8 i teksty bezpieczne dla wyjść czytanych przez ludzi i arkusze.
// Błędna sekwencja (bajt, który nie zaczyna znaku, niepełna sekwencja – wtedy sam jej
// pierwszy bajt –, postać nadmiarowa, surogat, wartość ponad U+10FFFF) to jeden błędny znak.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

// Czyta znak od pozycji i i przesuwa i za niego; false, gdy sekwencja jest błędna.
bool CzytajZnakUtf8(std::string_view tekst, std::size_t& i, std::uint32_t& znak);
void DopiszZnakUtf8(std::string& cel, std::uint32_t znak);

// Znaki sterujące (C0, DEL, C1): na terminalu i w arkuszu działają, zamiast być widoczne.
constexpr bool ZnakSterujacy(std::uint32_t z) { return z < 0x20 || (z >= 0x7F && z < 0xA0); }

// Poprawny UTF-8: błędna sekwencja jako U+FFFD, reszta bez zmian.
std::string PoprawnyUtf8(std::string_view tekst);
// Tekst do pokazania: jak PoprawnyUtf8, a znaki sterujące jako "?".
std::string TekstWidoczny(std::string_view tekst);
