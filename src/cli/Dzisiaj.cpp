#include "cli/Dzisiaj.h"

#include <ctime>

#include "common/Regionalne.h"
#include "system/System.h"

std::string Dzisiaj()
{
    const std::tm czas = os::CzasLokalny(std::time(nullptr));
    return FormatujDate(czas.tm_year + 1900, czas.tm_mon + 1, czas.tm_mday);
}
