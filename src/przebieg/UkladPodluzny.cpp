#include "przebieg/UkladPodluzny.h"

#include <cmath>

#include "common/Wyliczenia.h"
#include "core/ObiektMostowy.h"

tWezel WezelMiedzy(int rodzajLewy, int rodzajPrawy)
{
    if (rodzajLewy < 0) return rodzajPrawy < 0 || JestWspornikiem(rodzajPrawy) ? tWezel::Brak : tWezel::Podpora;
    if (rodzajPrawy < 0) return JestWspornikiem(rodzajLewy) ? tWezel::Brak : tWezel::Podpora;
    return rodzajLewy == rWspornikPrawy || rodzajPrawy == rWspornikLewy ? tWezel::Przegub : tWezel::Podpora;
}

std::vector<tOdcinekUkladu> OdcinkiObiektu(const tObiektMostowy& obiekt)
{
    std::vector<tOdcinekUkladu> el;
    for (int i = 1; i <= obiekt.LiczbaElementow; ++i) {
        const tElement& e = obiekt.Elementy[i];
        // Przęsło do 0,1 m (bez rozpiętości, obiekt odrzucony) nie ma czego rysować, jak wspornik.
        if (e.Dlugosc > 0.1) el.push_back({i, e.Rodzaj, e.Dlugosc});
    }
    return el;
}

std::vector<int> KonceOdcinkow(const std::vector<double>& dlugosci, int x0, int W)
{
    double T = 0;
    for (double d : dlugosci) T += d;
    if (T < 0.01) return {};
    std::vector<int> x(dlugosci.size() + 1, x0);
    double C = 0;
    for (size_t i = 0; i < dlugosci.size(); ++i) {
        C += dlugosci[i];
        x[i + 1] = static_cast<int>(std::lround(x0 + C / T * W));
    }
    return x;
}

int OdcinekPodX(const std::vector<int>& konce, int x)
{
    if (konce.empty() || x < konce.front() || x > konce.back()) return -1;
    for (size_t i = 1; i < konce.size(); ++i)
        if (x <= konce[i]) return static_cast<int>(i) - 1;
    return -1;
}
