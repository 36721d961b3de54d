// Zaślepka: polecenia raportów dochodzą razem z raportami.
#include "cli/KomendyRaportow.h"

#include <cstdio>

namespace {
int Niedostepne()
{
    std::fputs("Polecenie jeszcze niedostępne\n", stderr);
    return 2;
}
}  // namespace

int KomendaRaport(const std::vector<std::string>&) { return Niedostepne(); }
int KomendaNormy(const std::vector<std::string>&) { return Niedostepne(); }
int KomendaSprawdz(const std::vector<std::string>&) { return Niedostepne(); }
