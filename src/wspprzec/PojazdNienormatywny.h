#pragma once
// Pojazd nienormatywny: osie o podanych naciskach i rozstawach. Jego efekty na rozpiętościach
// zastępczych elementu są w tej samej mierze co efekty pojazdów umownych (moment maksymalny
// na belce swobodnie podpartej przez rozpiętość, największa reakcja podpory), więc porównuje
// się je wprost z MP i TP elementu.
#include <limits>
#include <string>
#include <vector>

constexpr int MaksOsiPojazdu = 100;
// Tona jako siła, jak w pojazdach umownych (pojazd 16 t to osie 100 i 60 kN).
constexpr double KNNaTone = 10;
// Obciążenie równomierne towarzyszące pojazdowi "z ruchem" [kN/m]: to najcięższego pojazdu umownego.
constexpr double ObciazenieZRuchem = 5;

struct tPojazd {
    std::string Nazwa;
    std::vector<double> Naciski;   // P_i [t], osie 1..n
    std::vector<double> Rozstawy;  // S_i [m] między osią i a i + 1 (n − 1 wartości)
    double Masa() const;           // suma nacisków [t]
    double Dlugosc() const;        // od pierwszej do ostatniej osi [m]
};

// Osie jako siły [kN] w położeniach od pierwszej osi [m] (niemalejących), z sumami narastającymi.
class tPociag {
public:
    tPociag(std::vector<double> silyKN, std::vector<double> polozenia);
    explicit tPociag(const tPojazd& pojazd);
    int LiczbaOsi() const { return static_cast<int>(P_.size()); }
    // Największy moment zginający [kNm] na belce swobodnie podpartej o rozpiętości L: po każdym
    // położeniu pojazdu i każdym przekroju, osie poza przęsłem pominięte. Dokładnie: między
    // położeniami, w których któraś oś wjeżdża na przęsło albo z niego zjeżdża, moment pod osią k
    // jest parabolą wklęsłą o wierzchołku, gdy środek przęsła dzieli na pół odcinek od osi k do
    // wypadkowej osi na przęśle; wierzchołek poza przedziałem daje jego koniec.
    double MomentMaksymalny(double L) const;
    // Największa reakcja podpory [kN] (którejkolwiek; oś stojąca na podporze liczy się w całości).
    double ReakcjaMaksymalna(double L) const;

private:
    // Dla każdego przedziału położeń pierwszej osi [d0, d1] z osiami a..b na przęśle.
    template <class F>
    void Przedzialy(double L, F&& f) const;

    std::vector<double> P_, X_;
    std::vector<double> SumaP_, SumaPX_;  // sumy narastające: SumaP_[i] = P_0 + … + P_{i−1}
};

// Efekt pojazdu: część od osi i część od obciążenia równomiernego q.
struct tEfekt {
    double Osie = 0;
    double Q = 0;
    // NieDotyczy, gdy rozpiętość zastępcza nie dotyczy elementu.
    double Razem() const { return Osie + Q; }
};

struct tEfektyPojazdu {
    tEfekt M;  // moment na rozpiętości LM przez LM, q·LM/8
    tEfekt T;  // reakcja na rozpiętości LT, q·LT/2
};

// Efekty na rozpiętościach zastępczych; rozpiętość NieDotyczy (albo nie dodatnia) daje efekt NieDotyczy.
tEfektyPojazdu EfektyPojazdu(const tPociag& pociag, double LM, double LT, double q);

constexpr double BezOgraniczenia = std::numeric_limits<double>::infinity();

// Wykorzystanie nośności elementu przez pojazd.
struct tWykorzystanie {
    // false: któraś nośność (MP albo TP) jest ≤ 0 – element nie przenosi pojazdu, wykorzystania
    // nie ma ("brak nośności").
    bool Nosnosc = true;
    double U = 0;     // max(M / MP, T / TP) po efektach z nośnością
    char Efekt = 0;   // 'M', 'T' albo 0, gdy żaden efekt nie ma nośności ani nie dotyczy
    // Mnożnik nacisków osi, przy którym element jest wykorzystany w pełni: najmniejszy po efektach
    // z nośnością (nośność − część q) / część osi, nie mniejszy niż 0.
    double Lambda = BezOgraniczenia;
};

// Efekt, którego nośność albo efekt pojazdu to NieDotyczy, nie rozstrzyga. Przy równych
// wykorzystaniach rozstrzyga moment.
tWykorzystanie WykorzystanieElementu(const tEfektyPojazdu& efekty, double MP, double TP);
