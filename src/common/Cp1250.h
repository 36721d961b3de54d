#pragma once
// Strona kodowa Windows-1250 na granicy plików: pliki robocze, PT.INI, PTU.TXT, RTF
// i bajty skrótu MD5. Wewnątrz programu napisy są w UTF-8.
#include <string>
#include <string_view>

// Znak bez odpowiednika w Windows-1250 i każda błędna sekwencja UTF-8 (Utf8.h) stają się '?'.
std::string Utf8DoCp1250(std::string_view utf8);
// Bajty nieprzypisane w Windows-1250 (0x81, 0x83, 0x88, 0x90, 0x98) stają się '?'.
std::string Cp1250DoUtf8(std::string_view cp1250);
