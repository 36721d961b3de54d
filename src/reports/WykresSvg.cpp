#include "reports/WykresSvg.h"

#include "common/Formatowanie.h"
#include "reports/Porownanie.h"
#include "system/Pliki.h"

namespace {

const char* const Czcionka = "DejaVu Sans, Arial, Helvetica, sans-serif";
const char* const Kotwice[] = {"start", "middle", "end"};

// Tekst jako treść lub wartość atrybutu XML. Znaki sterujące (poza końcem wiersza
// w dymkach) są w XML 1.0 niedozwolone: zamieniamy je na odstęp.
std::string Xml(const std::string& tekst)
{
    std::string w;
    w.reserve(tekst.size());
    for (char z : tekst) {
        switch (z) {
        case '&': w += "&amp;"; break;
        case '<': w += "&lt;"; break;
        case '>': w += "&gt;"; break;
        case '"': w += "&quot;"; break;
        case '\'': w += "&apos;"; break;
        default: w += (static_cast<unsigned char>(z) < 0x20 && z != '\n') ? ' ' : z;
        }
    }
    return w;
}

// Współrzędna zawsze z kropką, niezależnie od separatora regionalnego.
std::string L(double v)
{
    std::string s;
    DopiszLiczbeStala(s, v, 2, '.');
    return s;
}

std::string Tytul(const std::string& opis) { return opis.empty() ? "" : "<title>" + Xml(opis) + "</title>"; }

void Figura(std::string& s, const tFiguraWykresu& f)
{
    const std::string kontur = f.Kontur.empty() ? "" : " stroke=\"" + f.Kontur + "\" stroke-width=\"" + L(f.GruboscKonturu) +
                                                         "\"" + (f.Przerywany ? " stroke-dasharray=\"5,3\"" : "");
    if (f.Odcinek) {
        s += "<line x1=\"" + L(f.x1) + "\" y1=\"" + L(f.y1) + "\" x2=\"" + L(f.x2) + "\" y2=\"" + L(f.y2) + "\"" + kontur;
    } else {
        // Obszar bez barwy z opisem ma dymek: przezroczyste wypełnienie łapie wskaźnik.
        const std::string wypelnienie = !f.Wypelnienie.empty() ? "fill=\"" + f.Wypelnienie + "\""
                                        : f.Opis.empty()       ? "fill=\"none\""
                                                               : "fill=\"#ffffff\" fill-opacity=\"0\"";
        s += "<rect x=\"" + L(f.x1) + "\" y=\"" + L(f.y1) + "\" width=\"" + L(f.x2 - f.x1) + "\" height=\"" +
             L(f.y2 - f.y1) + "\" " + wypelnienie + kontur;
    }
    s += f.Opis.empty() ? "/>\n" : ">" + Tytul(f.Opis) + (f.Odcinek ? "</line>\n" : "</rect>\n");
}

void Napis(std::string& s, const tNapisWykresu& n)
{
    s += "<text x=\"" + L(n.x) + "\" y=\"" + L(n.y) + "\" font-size=\"" + L(n.Rozmiar) + "\"";
    if (n.Pogrubiony) s += " font-weight=\"bold\"";
    if (n.Wyrownanie != tWyrownanie::Lewo)
        s += std::string(" text-anchor=\"") + Kotwice[static_cast<int>(n.Wyrownanie)] + "\"";
    s += " fill=\"" + n.Kolor + "\"";
    if (n.Pionowy) s += " transform=\"rotate(-90 " + L(n.x) + " " + L(n.y) + ")\"";
    s += ">" + Tytul(n.Opis) + Xml(n.Tekst) + "</text>\n";
}

}  // namespace

std::string WykresSvg(const tWykresPorownania& w)
{
    std::string s = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n";
    s += "<svg xmlns=\"http://www.w3.org/2000/svg\" version=\"1.1\" width=\"" + L(w.Szerokosc) + "\" height=\"" +
         L(w.Wysokosc) + "\" viewBox=\"0 0 " + L(w.Szerokosc) + " " + L(w.Wysokosc) + "\">\n";
    s += "<rect x=\"0\" y=\"0\" width=\"" + L(w.Szerokosc) + "\" height=\"" + L(w.Wysokosc) + "\" fill=\"#ffffff\"/>\n";
    s += std::string("<g font-family=\"") + Czcionka + "\">\n";
    for (const tFiguraWykresu& f : w.Figury) Figura(s, f);
    for (const tNapisWykresu& n : w.Napisy) Napis(s, n);
    s += "</g>\n</svg>\n";
    return s;
}

bool ZapiszWykresSvg(const tWykresPorownania& Wykres, const std::string& Sciezka, std::string& Komunikat)
{
    std::string powod;
    if (ZapiszPlik(Sciezka, WykresSvg(Wykres), powod)) return true;
    Komunikat = KomBladZapisuPorownania + powod;  // powod nazywa plik i przyczynę
    return false;
}
