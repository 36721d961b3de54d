// Nagłówki i etykiety śladu obliczeń, które pisze obliczenie, a sprawdzenie raportu szuka ich
// w dołączonym śladzie: obie strony biorą je stąd.
#pragma once

inline constexpr const char* TekstSladuLiczbaElementow = "Liczba elementów : ";
inline constexpr const char* TekstSladuSchemat = "SCHEMAT : ";
inline constexpr const char* TekstSladuElement = "ELEMENT ";
inline constexpr const char* TekstSladuDlaSily = "Obliczenia dla siły";
inline constexpr const char* TekstSladuPrzeciazenia = "Współczynniki przeciążenia";
inline constexpr const char* TekstSladuAproksymacji = "Aproksymacja pojazdu";
inline constexpr const char* TekstSladuWariantu = "Wyznaczenie najbardziej niekorzystnego wariantu";
inline constexpr const char* TekstSladuNajgorszy = "Najgorszy element ";
inline constexpr const char* TekstSladuNieDotyczy = "NIE DOTYCZY";
