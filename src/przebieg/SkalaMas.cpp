#include "przebieg/SkalaMas.h"

#include <algorithm>
#include <cmath>

#include "common/Formatowanie.h"
#include "przebieg/TabelaElementow.h"
#include "wspprzec/Pojazdy.h"

namespace {
// Czerwony – żółty – niebieski: końce rozróżnialne także przy zaburzeniach widzenia barw.
const std::array<tKolor, 3> Barwy = {tKolor{215, 48, 39}, tKolor{254, 224, 144}, tKolor{69, 117, 180}};

int Posrednia(int a, int b, double t) { return static_cast<int>(std::lround(a + (b - a) * t)); }
}  // namespace

tSkalaMas SkalaMas(const tTabelaElementow& tabela)
{
    tSkalaMas s{MasyPojazdow[1], MasyPojazdow[1]};
    for (const tWierszElementu& w : tabela.Wiersze) s.Od = std::min(s.Od, w.Masa);
    return s;
}

tKolor KolorMasy(const tSkalaMas& s, double masa)
{
    const double t = s.Jednolita() ? 1.0 : std::clamp((masa - s.Od) / (s.Do - s.Od), 0.0, 1.0);
    const tKolor& a = Barwy[t < 0.5 ? 0 : 1];
    const tKolor& b = Barwy[t < 0.5 ? 1 : 2];
    const double u = t < 0.5 ? 2 * t : 2 * t - 1;
    return {Posrednia(a.R, b.R, u), Posrednia(a.G, b.G, u), Posrednia(a.B, b.B, u)};
}

tKolor KolorWykorzystania(double u) { return KolorMasy({0, 1}, 1 - u); }

const std::array<tKolor, 3>& BarwySkali() { return Barwy; }

std::string PodpisMasy(double masa) { return LiczbaStala(masa, 2) + " t"; }
