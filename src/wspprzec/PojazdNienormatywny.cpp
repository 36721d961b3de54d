#include "wspprzec/PojazdNienormatywny.h"

#include <algorithm>
#include <numeric>

#include "common/Asercja.h"
#include "common/Slad.h"

namespace {

const char* const TekstZlyPociag = "Pociąg sił: położenia osi nierosnące albo różna liczba sił i położeń";

std::vector<double> Polozenia(const tPojazd& p)
{
    std::vector<double> x(p.Naciski.size(), 0.0);
    for (size_t i = 1; i < x.size(); ++i) x[i] = x[i - 1] + (i - 1 < p.Rozstawy.size() ? p.Rozstawy[i - 1] : 0.0);
    return x;
}

std::vector<double> Sily(const tPojazd& p)
{
    std::vector<double> s(p.Naciski);
    for (double& v : s) v *= KNNaTone;
    return s;
}

bool RozpietoscDotyczy(double L) { return L > 0 && L < NieDotyczy; }

}  // namespace

double tPojazd::Masa() const { return std::accumulate(Naciski.begin(), Naciski.end(), 0.0); }

double tPojazd::Dlugosc() const { return std::accumulate(Rozstawy.begin(), Rozstawy.end(), 0.0); }

tPociag::tPociag(std::vector<double> silyKN, std::vector<double> polozenia) : P_(std::move(silyKN)), X_(std::move(polozenia))
{
    Asercja(P_.size() == X_.size() && std::is_sorted(X_.begin(), X_.end()), TekstZlyPociag);
    SumaP_.assign(P_.size() + 1, 0);
    SumaPX_.assign(P_.size() + 1, 0);
    for (size_t i = 0; i < P_.size(); ++i) {
        SumaP_[i + 1] = SumaP_[i] + P_[i];
        SumaPX_[i + 1] = SumaPX_[i] + P_[i] * X_[i];
    }
}

tPociag::tPociag(const tPojazd& pojazd) : tPociag(Sily(pojazd), Polozenia(pojazd)) {}

// Położenie pojazdu to d: oś i stoi w d + x_i od lewej podpory. Oś i jest na przęśle dla
// d z [−x_i, L − x_i]; końce tych przedziałów dzielą oś d na przedziały o stałym zbiorze osi
// na przęśle, a ten jest zawsze ciągiem kolejnych osi a..b.
template <class F>
void tPociag::Przedzialy(double L, F&& f) const
{
    const size_t n = P_.size();
    std::vector<double> t;
    t.reserve(2 * n);
    for (double x : X_) {
        t.push_back(-x);
        t.push_back(L - x);
    }
    std::sort(t.begin(), t.end());
    for (size_t j = 0; j + 1 < t.size(); ++j) {
        const double d0 = t[j], d1 = t[j + 1];
        if (!(d1 > d0)) continue;
        const double d = 0.5 * (d0 + d1);
        // Na przęśle: −d ≤ x_i ≤ L − d (wewnątrz przedziału żadna oś nie stoi na podporze).
        const size_t a = std::lower_bound(X_.begin(), X_.end(), -d) - X_.begin();
        const size_t b = std::upper_bound(X_.begin(), X_.end(), L - d) - X_.begin();
        if (a < b) f(d0, d1, a, b);
    }
}

double tPociag::MomentMaksymalny(double L) const
{
    double maks = 0;
    Przedzialy(L, [&](double d0, double d1, size_t a, size_t b) {
        const double W = SumaP_[b] - SumaP_[a], WX = SumaPX_[b] - SumaPX_[a];
        if (!(W > 0)) return;  // same osie zerowe: nie ma wypadkowej
        for (size_t k = a; k < b; ++k) {
            const double xk = X_[k];
            // Moment pod osią k: R_A · (d + x_k) − Σ_{a≤j<k} P_j (x_k − x_j), R_A = (W (L − d) − WX) / L.
            const double lewe = (SumaP_[k] - SumaP_[a]) * xk - (SumaPX_[k] - SumaPX_[a]);
            const double d = std::clamp(0.5 * (L - WX / W - xk), d0, d1);
            maks = std::max(maks, (W * (L - d) - WX) * (d + xk) / L - lewe);
        }
    });
    return maks;
}

double tPociag::ReakcjaMaksymalna(double L) const
{
    double maks = 0;
    // R_A maleje z d, R_B rośnie: największe na lewym i prawym końcu przedziału.
    Przedzialy(L, [&](double d0, double d1, size_t a, size_t b) {
        const double W = SumaP_[b] - SumaP_[a], WX = SumaPX_[b] - SumaPX_[a];
        maks = std::max({maks, (W * (L - d0) - WX) / L, (W * d1 + WX) / L});
    });
    return maks;
}

tEfektyPojazdu EfektyPojazdu(const tPociag& pociag, double LM, double LT, double q)
{
    tEfektyPojazdu e;
    if (RozpietoscDotyczy(LM))
        e.M = {pociag.MomentMaksymalny(LM) / LM, q * LM / 8};
    else
        e.M = {NieDotyczy, 0};
    if (RozpietoscDotyczy(LT))
        e.T = {pociag.ReakcjaMaksymalna(LT), q * LT / 2};
    else
        e.T = {NieDotyczy, 0};
    return e;
}

tWykorzystanie WykorzystanieElementu(const tEfektyPojazdu& efekty, double MP, double TP)
{
    tWykorzystanie w;
    const struct {
        const tEfekt& E;
        double Nosnosc;
        char Nazwa;
    } pary[] = {{efekty.M, MP, 'M'}, {efekty.T, TP, 'T'}};
    for (const auto& p : pary) {
        if (p.Nosnosc >= NieDotyczy || p.E.Razem() >= NieDotyczy) continue;
        if (p.E.Osie > 0) w.Lambda = std::min(w.Lambda, std::max(0.0, (p.Nosnosc - p.E.Q) / p.E.Osie));
        if (p.Nosnosc <= 0) {
            if (w.Nosnosc) w.Efekt = p.Nazwa;
            w.Nosnosc = false;
            w.Lambda = 0;
            continue;
        }
        const double u = p.E.Razem() / p.Nosnosc;
        if (w.Nosnosc && (w.Efekt == 0 || u > w.U)) {
            w.U = u;
            w.Efekt = p.Nazwa;
        }
    }
    return w;
}
