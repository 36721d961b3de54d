#include "reports/ObrazWmf.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

#include "common/Cp1250.h"

namespace {

// Funkcje rekordów metapliku.
enum : std::uint16_t {
    SetMapMode = 0x0103,
    SetWindowOrg = 0x020B,
    SetWindowExt = 0x020C,
    SetBkMode = 0x0102,
    SetTextAlign = 0x012E,
    CreatePen = 0x02FA,
    CreateBrush = 0x02FC,
    CreateFont = 0x02FB,
    SelectObject = 0x012D,
    MoveTo = 0x0214,
    LineTo = 0x0213,
    Polygon = 0x0324,
    Rectangle = 0x041B,
    Ellipse = 0x0418,
    TextOut = 0x0521,
    Eof = 0x0000,
};
constexpr std::uint16_t MapaAnizotropowa = 8, TloPrzezroczyste = 1;
constexpr std::uint16_t DoLewej = 0, DoPrawej = 2, DoSrodka = 6;  // TA_TOP
constexpr std::uint16_t PedzelPelny = 0, PedzelPusty = 1;
constexpr std::uint16_t PioroPuste = 5;
// Obiekty w kolejności tworzenia: pióro, pióro puste, pędzel czarny, pędzel pusty, czcionka.
enum : std::uint16_t { Pioro, PioroBezLinii, PedzelCzarny, PedzelBezWypelnienia, Czcionka, LiczbaObiektow };
constexpr double JednostekNaMm = 100;     // jednostka logiczna 0,01 mm, jak \picw
constexpr double TwipowNaMm = 1440 / 25.4;
constexpr double GruboscLinii = 0.25;     // [mm]
const char* const KrojPisma = "Arial";
constexpr std::uint8_t EuropaSrodkowa = 238, Bezszeryfowa = 0x22;

class tMetaplik {
public:
    void Rekord(std::uint16_t funkcja, std::initializer_list<std::int32_t> slowa, std::string_view bajty = {})
    {
        const std::size_t rozmiar = 3 + slowa.size() + (bajty.size() + 1) / 2;
        maks_ = std::max(maks_, rozmiar);
        Dword(static_cast<std::uint32_t>(rozmiar));
        Slowo(funkcja);
        for (auto s : slowa) Slowo(static_cast<std::uint16_t>(s));
        tresc_ += bajty;
        if (bajty.size() % 2) tresc_ += '\0';
    }
    // Rekord z bajtami przed słowami (TextOut: długość, tekst, potem y i x).
    void Tekst(std::int32_t x, std::int32_t y, const std::string& tekst)
    {
        const std::size_t rozmiar = 3 + 1 + (tekst.size() + 1) / 2 + 2;
        maks_ = std::max(maks_, rozmiar);
        Dword(static_cast<std::uint32_t>(rozmiar));
        Slowo(TextOut);
        Slowo(static_cast<std::uint16_t>(tekst.size()));
        tresc_ += tekst;
        if (tekst.size() % 2) tresc_ += '\0';
        Slowo(static_cast<std::uint16_t>(y));
        Slowo(static_cast<std::uint16_t>(x));
    }
    // Nagłówek (9 słów) i rekordy zakończone rekordem końca.
    std::string Bajty()
    {
        Rekord(Eof, {});
        std::string naglowek;
        for (std::uint16_t s : {1, 9, 0x0300}) Slowo(naglowek, s);  // w pamięci, 9 słów, wersja 3
        Dword(naglowek, static_cast<std::uint32_t>(9 + tresc_.size() / 2));
        Slowo(naglowek, LiczbaObiektow);
        Dword(naglowek, static_cast<std::uint32_t>(maks_));
        Slowo(naglowek, 0);
        return naglowek + tresc_;
    }

private:
    static void Slowo(std::string& cel, std::uint16_t s)
    {
        cel += static_cast<char>(s & 0xFF);
        cel += static_cast<char>(s >> 8);
    }
    static void Dword(std::string& cel, std::uint32_t d)
    {
        Slowo(cel, static_cast<std::uint16_t>(d & 0xFFFF));
        Slowo(cel, static_cast<std::uint16_t>(d >> 16));
    }
    void Slowo(std::uint16_t s) { Slowo(tresc_, s); }
    void Dword(std::uint32_t d) { Dword(tresc_, d); }
    std::string tresc_;
    std::size_t maks_ = 0;
};

std::int32_t J(double mm) { return static_cast<std::int32_t>(std::lround(std::clamp(mm * JednostekNaMm, -32000.0, 32000.0))); }

std::string OpisCzcionki(double wysokosc)
{
    std::string lf;
    auto slowo = [&](std::int32_t s) {
        lf += static_cast<char>(s & 0xFF);
        lf += static_cast<char>((s >> 8) & 0xFF);
    };
    slowo(-J(wysokosc));  // ujemna: wysokość znaku bez odstępu nad nim
    for (std::int32_t s : {0, 0, 0, 400}) slowo(s);
    for (std::uint8_t b : {std::uint8_t{0}, std::uint8_t{0}, std::uint8_t{0}, EuropaSrodkowa, std::uint8_t{0},
                           std::uint8_t{0}, std::uint8_t{0}, Bezszeryfowa})
        lf += static_cast<char>(b);
    lf += KrojPisma;
    lf += '\0';
    return lf;
}

}  // namespace

std::string MetaplikWmf(const tFigury& f)
{
    tMetaplik m;
    m.Rekord(SetMapMode, {MapaAnizotropowa});
    m.Rekord(SetWindowOrg, {0, 0});
    m.Rekord(SetWindowExt, {J(f.Wysokosc), J(f.Szerokosc)});
    m.Rekord(SetBkMode, {TloPrzezroczyste});
    m.Rekord(CreatePen, {0, J(GruboscLinii), 0, 0, 0});
    m.Rekord(CreatePen, {PioroPuste, 0, 0, 0, 0});
    m.Rekord(CreateBrush, {PedzelPelny, 0, 0, 0});
    m.Rekord(CreateBrush, {PedzelPusty, 0, 0, 0});
    m.Rekord(CreateFont, {}, OpisCzcionki(f.WysokoscTekstu));
    // Niewidoczna ramka całego obrazu: edytor, który sam liczy granice metapliku, dostaje cały obraz.
    m.Rekord(SelectObject, {PioroBezLinii});
    m.Rekord(SelectObject, {PedzelBezWypelnienia});
    m.Rekord(Rectangle, {J(f.Wysokosc), J(f.Szerokosc), 0, 0});
    m.Rekord(SelectObject, {Pioro});
    m.Rekord(SelectObject, {Czcionka});
    for (const auto& o : f.Odcinki) {
        m.Rekord(MoveTo, {J(o.A.Y), J(o.A.X)});
        m.Rekord(LineTo, {J(o.B.Y), J(o.B.X)});
    }
    m.Rekord(SelectObject, {PedzelCzarny});
    for (const auto& w : f.Wielokaty) {
        std::string punkty;
        for (const auto& p : w.Punkty)
            for (std::int32_t s : {J(p.X), J(p.Y)}) {
                punkty += static_cast<char>(s & 0xFF);
                punkty += static_cast<char>((s >> 8) & 0xFF);
            }
        m.Rekord(Polygon, {static_cast<std::int32_t>(w.Punkty.size())}, punkty);
    }
    m.Rekord(SelectObject, {PedzelBezWypelnienia});
    for (const auto& p : f.Prostokaty) m.Rekord(Rectangle, {J(p.Y + p.Wys), J(p.X + p.Szer), J(p.Y), J(p.X)});
    for (const auto& k : f.Kola)
        m.Rekord(Ellipse, {J(k.Srodek.Y + k.Promien), J(k.Srodek.X + k.Promien), J(k.Srodek.Y - k.Promien),
                           J(k.Srodek.X - k.Promien)});
    for (const auto& n : f.Napisy) {
        const std::uint16_t wyr = n.Wyrownanie == tFigury::tWyrownanie::DoLewej    ? DoLewej
                                  : n.Wyrownanie == tFigury::tWyrownanie::DoPrawej ? DoPrawej
                                                                                    : DoSrodka;
        m.Rekord(SetTextAlign, {wyr});
        m.Tekst(J(n.Punkt.X), J(n.Punkt.Y), Utf8DoCp1250(n.Tekst));
    }
    return m.Bajty();
}

std::string ObrazRtf(const tFigury& f)
{
    static const char* const Cyfry = "0123456789abcdef";
    std::string o = "{\\pict\\wmetafile8\\picw" + std::to_string(J(f.Szerokosc)) + "\\pich" + std::to_string(J(f.Wysokosc)) +
                    "\\picwgoal" + std::to_string(std::lround(f.Szerokosc * TwipowNaMm)) + "\\pichgoal" +
                    std::to_string(std::lround(f.Wysokosc * TwipowNaMm));
    const std::string bajty = MetaplikWmf(f);
    for (std::size_t i = 0; i < bajty.size(); ++i) {
        if (i % 64 == 0) o += "\r\n";
        const auto b = static_cast<unsigned char>(bajty[i]);
        o += Cyfry[b >> 4];
        o += Cyfry[b & 15];
    }
    return o + "}";
}
