// Cel fuzzingu: dowolne bajty jako raport do sprawdzenia (polecenie "sprawdz"). Wynik
// musi być jednym z trzech stanów, a kod wydrukowany jest w raporcie zgodnym.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "reports/SprawdzRaport.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* dane, std::size_t rozmiar)
{
    const std::string bajty(reinterpret_cast<const char*>(dane), rozmiar);
    const tWynikSprawdzeniaRaportu w = SprawdzRaport(bajty);
    if (w.Stan == tStanRaportu::Zgodny && (w.KodWydrukowany.size() != 32 || w.KodWydrukowany != w.KodObliczony))
        std::abort();
    return 0;
}
