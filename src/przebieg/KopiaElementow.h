#pragma once
// Wiersze panelu "Elementy" jako tekst do wklejenia w arkusz kalkulacyjny.
#include <string>
#include <vector>

struct tTabelaElementow;

// Wiersz nagłówków i podane wiersze tabeli (od 0; brak – wszystkie), komórki tak jak
// w panelu (separator regionalny), rozdzielone tabulatorem, każdy wiersz zakończony LF.
std::string TekstDoArkusza(const tTabelaElementow& tabela, const std::vector<int>& wiersze);
