#pragma once
// Skala barw masy pojazdu elementu: od najmniejszej masy obiektu (czerwony) przez żółty
// do 42 t (niebieski). Widok podłużny barwi nią elementy i pokazuje ją w legendzie.
#include <array>
#include <string>

struct tTabelaElementow;

struct tKolor {
    int R = 0, G = 0, B = 0;
    bool operator==(const tKolor&) const = default;
};

struct tSkalaMas {
    double Od = 0;  // najmniejsza masa elementu obiektu
    double Do = 0;  // masa najcięższego pojazdu umownego (42 t)
    // Wszystkie elementy mają tę samą masę: jedna barwa, bez przejścia.
    bool Jednolita() const { return Do - Od <= 1e-9; }
    bool operator==(const tSkalaMas&) const = default;
};

// Skala dla mas elementów tabeli; bez elementów Od = Do.
tSkalaMas SkalaMas(const tTabelaElementow& tabela);
// Barwa masy: liniowo między trzema barwami legendy (Od, środek, Do); skala jednolita
// ma barwę górnego końca.
tKolor KolorMasy(const tSkalaMas& skala, double masa);
// Barwa wykorzystania nośności przez pojazd nienormatywny w tej samej skali: u ≥ 1 (i brak
// nośności, u nieskończone) czerwony, 0,5 żółty, 0 niebieski.
tKolor KolorWykorzystania(double u);
// Barwy legendy na początku, w środku i na końcu skali.
const std::array<tKolor, 3>& BarwySkali();
// Podpis końca legendy ("12,40 t", "42,00 t").
std::string PodpisMasy(double masa);
