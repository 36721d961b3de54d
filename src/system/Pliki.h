#pragma once
// Jedyny czytnik i jedyny zapis plików programu. Czytnik przyjmuje tylko zwykły plik nie
// większy niż limit jego rodzaju. Zapis jest atomowy: plik tymczasowy obok celu, zapis,
// fsync, zmiana nazwy, fsync katalogu; przy każdym błędzie stary plik zostaje, plik
// tymczasowy znika, a komunikat nazywa plik i przyczynę.
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

constexpr std::size_t LimitPlikuRoboczego = std::size_t{1} << 20;  // plik roboczy i plik stanu
// Raport RTF i tekstowy: największy, jaki program pisze z pliku roboczego w jego limicie
// (teksty identyfikacji po zamianie na RTF najwyżej 4 bajty na znak), mieści się z zapasem.
constexpr std::size_t LimitRaportu = std::size_t{8} << 20;

enum class tStanOdczytu { Przeczytany, Brak, Blad };

// Brak: pliku nie ma (komunikat i tak ustawiony; wywołujący decyduje, czy to błąd).
tStanOdczytu CzytajPlik(const std::string& sciezka, std::size_t limit, std::string& bajty, std::string& komunikat);

// Odmowa zapisu na plik, który jest (także przez dowiązanie albo drugą nazwę) jednym z wejść
// polecenia – zapis zniszczyłby dane: komunikat; pusty, gdy wyjście nie jest żadnym z nich.
std::string OdmowaWyjsciaNaWejscie(const std::string& wyjscie, const std::vector<std::string>& wejscia);

// Plik albo potok czytany wierszami (wejście, które może nie mieścić się w pamięci): w pamięci
// jest najwyżej porcja odczytu i jeden wiersz, nie dłuższy niż limit. Wiersze rozdziela LF
// (CR LF też); koniec wiersza na końcu pliku nie daje pustego wiersza.
class tCzytnikWierszy {
public:
    enum class tStan { Wiersz, Koniec, Blad };
    explicit tCzytnikWierszy(std::size_t LimitWiersza) : limit_(LimitWiersza) {}
    ~tCzytnikWierszy();
    tCzytnikWierszy(const tCzytnikWierszy&) = delete;
    tCzytnikWierszy& operator=(const tCzytnikWierszy&) = delete;

    // Komunikaty jak CzytajPlik; kolejka FIFO czeka na piszącego.
    bool Otworz(const std::string& sciezka);
    // Następny wiersz bez końca wiersza; Blad z komunikatem (błąd odczytu, wiersz ponad limit).
    tStan Nastepny(std::string& wiersz);
    const std::string& Komunikat() const { return komunikat_; }

private:
    tStan ZaDlugi();

    int plik_ = -1;
    std::size_t limit_, pozycja_ = 0;
    bool koniecPliku_ = false;
    std::string sciezka_, bufor_, komunikat_;
};

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
