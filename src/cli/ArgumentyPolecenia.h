#pragma once
// Rozbiór argumentów poleceń rejestr i roznice: opcje z wartością ("--opcja W", "--opcja=W",
// "-o W"), "--" kończy opcje, reszta to argumenty pozycyjne w kolejności.
#include <initializer_list>
#include <map>
#include <string>
#include <vector>

struct tArgumentyPolecenia {
    std::map<std::string, std::string> Opcje;  // nazwa opcji ("--ponizej", "-o") → wartość
    std::vector<std::string> Pozycyjne;
};

// false po komunikacie o błędzie użycia (nieznana albo powtórzona opcja, opcja bez wartości,
// przełącznik z wartością). Przełączniki (opcje bez wartości, np. "--sam") trafiają do Opcje
// z pustą wartością.
bool RozbierzArgumenty(const std::vector<std::string>& argumenty, std::initializer_list<const char*> opcje,
                       tArgumentyPolecenia& wynik, std::initializer_list<const char*> przelaczniki = {});

// Separator dziesiętny z opcji --separator (bez niej z ustawień regionalnych); false po
// komunikacie o złym separatorze.
bool SeparatorZOpcji(const tArgumentyPolecenia& a);
