#pragma once
// Lista ostatnio otwieranych i zapisywanych plików roboczych (podmenu "Ostatnio
// otwierane"): najnowszy pierwszy, bez powtórzeń, najwyżej Maks pozycji. Ścieżki są
// bezwzględne, więc ten sam plik podany inaczej ("./a.PTV", "x/../a.PTV") to jedna pozycja.
#include <string>
#include <vector>

class tOstatniePliki {
public:
    static constexpr size_t Maks = 8;

    // Lista zapamiętana (np. w ustawieniach okna); powtórzenia i nadmiar odpadają.
    explicit tOstatniePliki(const std::vector<std::string>& zapamietane = {});

    // Plik otwarty albo zapisany: na początek listy.
    void Dodaj(const std::string& sciezka);
    const std::vector<std::string>& Pliki() const { return pliki_; }

    // false dla pliku, którego nie ma (pozycja menu wyszarzona, ale zostaje na liście:
    // plik na odłączonym dysku może wrócić).
    static bool Dostepny(const std::string& sciezka);

private:
    std::vector<std::string> pliki_;
};
