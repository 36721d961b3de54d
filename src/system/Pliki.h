#pragma once
// Jedyny czytnik i jedyny zapis plików programu. Czytnik przyjmuje tylko zwykły plik nie
// większy niż limit jego rodzaju. Zapis jest atomowy: plik tymczasowy obok celu, zapis,
// fsync, zmiana nazwy, fsync katalogu; przy każdym błędzie stary plik zostaje, plik
// tymczasowy znika, a komunikat nazywa plik i przyczynę.
#include <cstddef>
#include <string>
#include <string_view>

constexpr std::size_t LimitPlikuRoboczego = std::size_t{1} << 20;  // plik roboczy i plik stanu
// Raport RTF i tekstowy: największy, jaki program pisze z pliku roboczego w jego limicie
// (teksty identyfikacji po zamianie na RTF najwyżej 4 bajty na znak), mieści się z zapasem.
constexpr std::size_t LimitRaportu = std::size_t{8} << 20;

enum class tStanOdczytu { Przeczytany, Brak, Blad };

// Brak: pliku nie ma (komunikat i tak ustawiony; wywołujący decyduje, czy to błąd).
tStanOdczytu CzytajPlik(const std::string& sciezka, std::size_t limit, std::string& bajty, std::string& komunikat);

// Zapis pliku kawałkami (raport RTF) z zatwierdzeniem na końcu. Cel będący dowiązaniem
// symbolicznym jest zapisywany przez dowiązanie; cel tylko do odczytu albo niebędący
// zwykłym plikiem jest odrzucany. Po udanym zatwierdzeniu znikają też pliki tymczasowe
// tego celu pozostawione przez przerwany wcześniej zapis (nie te, które inny zapis ma otwarte).
class tZapisAtomowy {
public:
    tZapisAtomowy() = default;
    ~tZapisAtomowy() { Porzuc(); }
    tZapisAtomowy(const tZapisAtomowy&) = delete;
    tZapisAtomowy& operator=(const tZapisAtomowy&) = delete;

    bool Otworz(const std::string& sciezka);
    // Zapamiętuje pierwszy błąd; Zatwierdz go zgłosi.
    void Dopisz(std::string_view bajty);
    bool Zatwierdz();
    bool Otwarty() const { return plik_ >= 0; }
    const std::string& Komunikat() const { return komunikat_; }

private:
    // Usuwa plik tymczasowy; cel zostaje nietknięty.
    void Porzuc();
    bool Oproznij();
    bool Blad(const std::string& komunikat);

    int plik_ = -1;
    bool dobrze_ = false;
    std::string sciezka_, cel_, katalog_, tymczasowy_, bufor_, komunikat_;
};

bool ZapiszPlik(const std::string& sciezka, std::string_view bajty, std::string& komunikat);

// Odkłada plik albo katalog, którego program nie może użyć: zmienia jego nazwę na
// "nazwa.RRRR-MM-DD_GGMMSS" (czas lokalny, z "-2", "-3"…, gdy taka już jest), nic nie usuwa.
// false i komunikat z przyczyną, gdy się nie da.
bool OdlozNaBok(const std::string& sciezka, std::string& nowa, std::string& komunikat);
