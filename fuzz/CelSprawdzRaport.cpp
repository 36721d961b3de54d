// Cel fuzzingu: dowolne bajty jako raport do sprawdzenia (polecenie "sprawdz"). Wynik
// musi być jednym z trzech stanów, a kod wydrukowany jest w raporcie zgodnym. Te same bajty
// jako wiersze śladu obliczeń przy tabelach mostu testowego (sprawdzenie zgodności śladu) i,
// rozcięte na pół, jako raport i dokument przeliczony (pierwsza różnica wierszy).
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "reports/SprawdzRaport.h"
#include "reports/ZgodnoscSladu.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* dane, std::size_t rozmiar)
{
    const std::string bajty(reinterpret_cast<const char*>(dane), rozmiar);
    const tWynikSprawdzeniaRaportu w = SprawdzRaport(bajty);
    if (w.Stan == tStanRaportu::Zgodny && (w.KodWydrukowany.size() != 32 || w.KodWydrukowany != w.KodObliczony))
        std::abort();

    tTrescRaportu t;
    t.Dane = {{"", "2.3.;Schemat;:;Belka ciągła wieloprzęsłowa;"},
              {"", "2.4.;Przekrój;:;Wielodźwigarowe - jezdnia z krawężnikami;"},
              {"", "2.5.;Rozpiętości;:; 12,00 15,00 12,00;"}};
    t.Nosnosc = "42,00";
    for (std::size_t p = 0; p <= bajty.size();) {
        const std::size_t k = std::min(bajty.find('\n', p), bajty.size());
        t.Slad.push_back(bajty.substr(p, k - p));
        p = k + 1;
    }
    NiezgodnoscSladu(t);

    const std::string a = bajty.substr(0, rozmiar / 2), b = bajty.substr(rozmiar / 2);
    const tRoznicaDokumentow r = PorownajDokumenty(a, b);
    if (r.Rowne != (BezRodzajuKoncowWierszy(a) == BezRodzajuKoncowWierszy(b)) || (!r.Rowne && r.Wiersz == 0)) std::abort();
    return 0;
}
