#include "common/Csv.h"

#include "common/Utf8.h"

namespace {

const std::string_view PoczatekFormuly = "=+-@\t\r";

}  // namespace

void DopiszKomorkeCsv(std::string& cel, std::string_view tekst)
{
    const std::string widoczny = TekstWidoczny(tekst);
    const std::string_view t = widoczny;
    const std::string_view apostrof = !t.empty() && PoczatekFormuly.find(t.front()) != std::string_view::npos ? "'" : "";
    if (t.find_first_of(";\"\r\n") == std::string_view::npos) {
        cel.append(apostrof).append(t);
        return;
    }
    cel += '"';
    cel += apostrof;
    for (char c : t) {
        if (c == '"') cel += '"';
        cel += c;
    }
    cel += '"';
}
