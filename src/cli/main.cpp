#include <cstdio>
#include <string>
#include <vector>

#include "cli/KomendyRaportow.h"

int main(int argc, char** argv)
{
    std::vector<std::string> argumenty(argv + 1, argv + argc);
    if (argumenty.empty()) return 2;
    const std::string polecenie = argumenty.front();
    argumenty.erase(argumenty.begin());
    if (polecenie == "raport") return KomendaRaport(argumenty);
    if (polecenie == "normy") return KomendaNormy(argumenty);
    if (polecenie == "sprawdz") return KomendaSprawdz(argumenty);
    return 2;
}
