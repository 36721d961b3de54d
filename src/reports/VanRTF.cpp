#include "reports/VanRTF.h"

#include <charconv>
#include <cmath>
#include <filesystem>
#include <iostream>

#include "common/Cp1250.h"
#include "common/Regionalne.h"
#include "system/SciezkaUtf8.h"
#include "system/System.h"

namespace {

const char* const TytulBledu = "Błąd [moduł VanRTF]";
const char* const KomPustaNazwa = "Pusta nazwa zbioru.";
const char* const KomBrakKartoteki = "Nieprawidłowa nazwa zbioru. \rBrak kartoteki ";
const char* const KomBladOtwarcia = "Błąd otwarcia zbioru.\r";

const char* const TablicaCzcionek =
    "{\\rtf1\\ansi \\deff4\\deflang1033{\\fonttbl{\\f1\\froman\\fcharset2\\fprq2 Symbol;}"
    "{\\f4\\froman\\fcharset238\\fprq2 Times New Roman CE;}{\\f5\\fswiss\\fcharset238\\fprq2 Arial CE;}"
    "{\\f11\\fmodern\\fcharset238\\fprq1 Courier New CE;}}";

const char* const TablicaKolorow =
    "{\\colortbl;\\red0\\green0\\blue0;\\red0\\green0\\blue255;\\red0\\green255\\blue255;"
    "\\red0\\green255\\blue0;\\red255\\green0\\blue255;\\red255\\green0\\blue0;\\red255\\green255\\blue0;"
    "\\red255\\green255\\blue255;\\red0\\green0\\blue128;\\red0\\green128\\blue128;\\red0\\green128\\blue0;"
    "\\red128\\green0\\blue128;\\red128\\green0\\blue0;\\red128\\green128\\blue0;\\red128\\green128\\blue128;"
    "\\red192\\green192\\blue192;}";

const char* const StylNormalny = "{\\stylesheet{\\qc\\widctlpar\\f4\\fs20\\lang1045\\snext0 Normal;}"
                                 "{\\*\\cs10\\additive Default Paragraph Font;}";
const char* const StylNaglowka =
    "{\\s15\\qc\\widctlpar\\tqc\\tx4536\\tqr\\tx9072\\f4\\fs20\\lang1045\\sbasedon0\\snext15 header;}";
const char* const StylStopki =
    "{\\s16\\qc\\widctlpar\\tqc\\tx4536\\tqr\\tx9072\\f4\\fs20\\lang1045\\sbasedon0\\snext16 footer;}";
const char* const StylNumeruStrony = "{\\*\\cs17\\additive\\sbasedon10 page number;}";

const char* const UkladStrony[] = {
    " \\paperw11906\\paperh16838\\margl1417\\margr1417\\margt1417\\margb1417",
    " \\deftab708\\widowctrl\\ftnbj\\aenddoc\\hyphhotz425\\formshade \\fet0\\sectd",
    " \\linex0\\headery709\\footery879\\colsx709\\endnhere",
};

const char* const Naglowek = "{\\header\\pard\\plain\\s15\\qc\\widctlpar\\tqc\\tx4536\\tqr\\tx9072\\f4\\fs20\\lang1045 ";
const char* const Stopka = "{\\footer\\pard\\plain\\s16\\qc\\widctlpar\\tqc\\tx4536\\tqr\\tx9072\\f4\\fs20\\lang1045 ";
const char* const StopkaZNumerem[] = {
    "{\\footer\\pard\\plain\\s16\\qc\\widctlpar\\tqc\\tx4536\\tqr\\tx9072\\pvpara\\phmrg\\posxr\\posy0\\f4\\fs20\\lang1045",
    "{\\field{\\*\\fldinst{\\cs17 PAGE}}{\\fldrslt{\\cs17\\lang1024 1}}}{\\cs17\\par}",
    "\\pard\\s16\\qc\\widctlpar\\tqc\\tx4536\\tqr\\tx9072 ",
};

const char* const PoziomyList[] = {
    "{\\*\\pnseclvl1\\pnucrm\\pnstart1\\pnindent720\\pnhang{\\pntxta .}}",
    "{\\*\\pnseclvl2\\pnucltr\\pnstart1\\pnindent720\\pnhang{\\pntxta .}}",
    "{\\*\\pnseclvl3\\pndec\\pnstart1\\pnindent720\\pnhang{\\pntxta .}}",
    "{\\*\\pnseclvl4\\pnlcltr\\pnstart1\\pnindent720\\pnhang{\\pntxta )}}",
    "{\\*\\pnseclvl5\\pndec\\pnstart1\\pnindent720\\pnhang{\\pntxtb (}{\\pntxta )}}",
    "{\\*\\pnseclvl6\\pnlcltr\\pnstart1\\pnindent720\\pnhang{\\pntxtb (}{\\pntxta )}}",
    "{\\*\\pnseclvl7\\pnlcrm\\pnstart1\\pnindent720\\pnhang{\\pntxtb (}{\\pntxta )}}",
    "{\\*\\pnseclvl8\\pnlcltr\\pnstart1\\pnindent720\\pnhang{\\pntxtb (}{\\pntxta )}}",
    "{\\*\\pnseclvl9\\pnlcrm\\pnstart1\\pnindent720\\pnhang{\\pntxtb (}{\\pntxta )}}",
};

// Jawne \ql: edytory, które po \pard wracają do stylu Normal (wyśrodkowanego),
// też wyrównują treść do lewej; w pozostałych \ql to i tak ustawienie domyślne.
// Drugie wartości: układ raportów zapisanych przed jawnym \ql.
const char* const PierwszyAkapit[] = {" \\pard\\plain \\ql\\widctlpar \\f4\\fs20\\lang1045 ",
                                      " \\pard\\plain \\widctlpar \\f4\\fs20\\lang1045 "};

const char* const PoczatekWiersza = "\\trowd \\trgaph70\\trleft-70";
const char* const WnetrzeTabeli[] = {"\\ql\\widctlpar\\intbl", "\\widctlpar\\intbl"};
const char* const KoniecWiersza[] = {"\\pard\\widctlpar\\intbl\\row\\pard\\ql\\widctlpar",
                                     "\\pard\\widctlpar\\intbl\\row\\pard\\widctlpar"};
const char* const DoLewej[] = {"\\pard \\ql\\widctlpar", "\\pard \\widctlpar"};

// Twipów na centymetr.
constexpr double TwipyNaCm = 567;

tPokazKomunikat& Komunikaty()
{
    static tPokazKomunikat pokaz;
    return pokaz;
}

void PokazBlad(const std::string& tekst)
{
    if (Komunikaty()) {
        Komunikaty()(TytulBledu, tekst);
        return;
    }
    std::string wiersze = tekst;
    for (char& z : wiersze)
        if (z == '\r') z = '\n';
    std::cerr << TytulBledu << ": " << wiersze << '\n';
}

// Odcina z początku tekstu fragment przed pierwszym ";" (razem ze średnikiem);
// false, gdy średnika nie ma.
bool OdetnijPole(std::string_view& tekst, std::string_view& pole)
{
    size_t p = tekst.find(';');
    if (p == std::string_view::npos) return false;
    pole = tekst.substr(0, p);
    tekst.remove_prefix(p + 1);
    return true;
}

// Szerokość kolumny: liczba z separatorem regionalnym (odstępy na brzegach pomijane).
bool CzytajSzerokosc(std::string_view pole, double& wartosc)
{
    while (!pole.empty() && pole.front() == ' ') pole.remove_prefix(1);
    while (!pole.empty() && pole.back() == ' ') pole.remove_suffix(1);
    std::string liczba(pole);
    const char sep = Regionalne().SeparatorDziesietny;
    for (char& z : liczba) {
        if (z == sep)
            z = '.';
        else if (z == '.')
            return false;  // kropka obok innego separatora nie jest liczbą
    }
    if (!liczba.empty() && liczba.front() == '+') liczba.erase(0, 1);
    const char* koniec = liczba.data() + liczba.size();
    auto [p, blad] = std::from_chars(liczba.data(), koniec, wartosc, std::chars_format::general);
    return blad == std::errc() && p == koniec && std::isfinite(wartosc) && std::fabs(wartosc) < 1e6;
}

}  // namespace

void UstawKomunikatyRtf(tPokazKomunikat pokaz) { Komunikaty() = std::move(pokaz); }

std::string TekstRtf(std::string_view tekst)
{
    std::string wynik;
    wynik.reserve(tekst.size());
    for (char z : tekst) {
        if (z == '\\' || z == '{' || z == '}') wynik += '\\';
        wynik += z;
    }
    return wynik;
}

void TRtfDoc::Ustaw(const std::string& Naglowek, const std::string& Stopka, bool NumeryStron)
{
    Underline = Bold = Italic = false;
    Colour = 1;
    FontSize = 24;
    FontNo = 4;
    HeaderText = Naglowek;
    FooterText = Stopka;
    HasHeader = !Naglowek.empty();
    HasFooter = !Stopka.empty();
    PageNumbers = NumeryStron;
}

void TRtfDoc::OpenPamiec(std::string& Cel, const std::string& Naglowek, const std::string& Stopka, bool NumeryStron)
{
    Ustaw(Naglowek, Stopka, NumeryStron);
    FileName.clear();
    pamiec_ = &Cel;
    PiszRamke();
}

bool TRtfDoc::Open(const std::string& Nazwa, const std::string& Naglowek, const std::string& Stopka, bool NumeryStron)
{
    Ustaw(Naglowek, Stopka, NumeryStron);
    FileName = Nazwa;
    pamiec_ = nullptr;
    if (Nazwa.empty()) {
        PokazBlad(KomPustaNazwa);
        return false;
    }
    size_t ukosnik = Nazwa.find_last_of(os::SeparatoryKatalogow());
    if (ukosnik != std::string::npos) {
        std::string katalog = Nazwa.substr(0, ukosnik + 1);
        std::error_code blad;
        if (!std::filesystem::is_directory(SciezkaUtf8(katalog), blad)) {
            PokazBlad(KomBrakKartoteki + katalog);
            return false;
        }
    }
    // Zapis do pliku tymczasowego obok; poprzedni raport zostaje aż do udanego Close.
    if (!plik_.Otworz(Nazwa)) {
        PokazBlad(KomBladOtwarcia + plik_.Komunikat());  // komunikat nazywa plik i przyczynę
        return false;
    }
    PiszRamke();
    return true;
}

void TRtfDoc::PiszRamke()
{
    Wiersz(TablicaCzcionek);
    Wiersz(TablicaKolorow);
    std::string style = StylNormalny;
    if (HasHeader) style += StylNaglowka;
    if (HasFooter) style += StylStopki;
    if (PageNumbers) style += StylNumeruStrony;
    style += "}";
    Wiersz(style);
    for (const char* w : UkladStrony) Wiersz(w);
    if (HasHeader) {
        Wiersz(std::string(Naglowek) + HeaderText + "\\par");
        Wiersz("}");
    }
    if (HasFooter && !PageNumbers) {
        Wiersz(std::string(Stopka) + FooterText + "\\par");
        Wiersz("}");
    }
    if (PageNumbers) {
        Wiersz(StopkaZNumerem[0]);
        Wiersz(StopkaZNumerem[1]);
        Wiersz(std::string(StopkaZNumerem[2]) + FooterText + "\\par}");
    }
    for (const char* w : PoziomyList) Wiersz(w);
    Wiersz(PierwszyAkapit[BezJawnegoQl]);
}

bool TRtfDoc::Close()
{
    if (pamiec_) {
        Wiersz(" \\par }");
        pamiec_ = nullptr;
        return true;
    }
    if (!plik_.Otwarty()) return false;
    Wiersz(" \\par }");
    if (plik_.Zatwierdz()) return true;
    PokazBlad(plik_.Komunikat());
    return false;
}

void TRtfDoc::Wiersz(std::string_view tekst)
{
    if (pamiec_) {
        pamiec_->append(Utf8DoCp1250(tekst)).append("\r\n");
        return;
    }
    plik_.Dopisz(Utf8DoCp1250(tekst));
    plik_.Dopisz("\r\n");
}

std::string TRtfDoc::PrzedrostekPrzebiegu() const
{
    std::string p = "\\f" + std::to_string(FontNo) + "\\fs" + std::to_string(FontSize);
    if (Bold) p += "\\b";
    if (Italic) p += "\\i";
    if (Underline) p += "\\ul";
    p += "\\cf" + std::to_string(Colour) + " ";
    return p;
}

void TRtfDoc::WriteParagraph(std::string_view Tekst)
{
    Wiersz("{" + PrzedrostekPrzebiegu() + std::string(Tekst) + "\\par }");
}

void TRtfDoc::WriteText(std::string_view Tekst) { Wiersz("{" + PrzedrostekPrzebiegu() + std::string(Tekst) + "}"); }

void TRtfDoc::WriteCell(std::string_view Tekst)
{
    Wiersz("{" + PrzedrostekPrzebiegu() + std::string(Tekst) + "\\cell}");
}

void TRtfDoc::WriteRaw(std::string_view Tekst) { Wiersz(Tekst); }
void TRtfDoc::WriteParBreak() { Wiersz("\\par"); }
void TRtfDoc::AlignLeft() { Wiersz(DoLewej[BezJawnegoQl]); }
void TRtfDoc::AlignRight() { Wiersz("\\pard \\qr\\widctlpar"); }
void TRtfDoc::AlignCenter() { Wiersz("\\pard \\qc\\widctlpar"); }

void TRtfDoc::SetPlain()
{
    Bold = Italic = Underline = false;
    Colour = 1;
}

void TRtfDoc::WriteTableRow(std::string_view Szerokosci, std::string_view Komorki, std::string_view Ramka)
{
    // Szerokości pisane z kropką czytamy niezależnie od separatora regionalnego.
    std::string szerokosci(Szerokosci);
    for (char& z : szerokosci)
        if (z == '.') z = Regionalne().SeparatorDziesietny;

    Wiersz(PoczatekWiersza);
    std::string_view reszta = szerokosci;
    std::string_view pole;
    long long x = 0;
    int kolumny = 0;
    while (!reszta.empty() && OdetnijPole(reszta, pole)) {
        double cm = 0;
        if (!CzytajSzerokosc(pole, cm)) break;
        ++kolumny;
        // Każda szerokość obcięta osobno do całych twipów, dopiero potem sumowana.
        x += static_cast<long long>(std::trunc(cm * TwipyNaCm));
        std::string definicja;
        if (!Ramka.empty()) {
            const std::string r(Ramka);
            definicja = "\\clbrdrt\\brdrs\\" + r + " \\clbrdrl\\brdrs\\" + r + " \\clbrdrb\\brdrs\\" + r +
                        " \\clbrdrr\\brdrs\\" + r;
        }
        Wiersz(definicja + "\\cellx" + std::to_string(x) + " \\pard");
    }
    Wiersz(WnetrzeTabeli[BezJawnegoQl]);
    std::string_view komorki = Komorki;
    for (int i = 0; i < kolumny; ++i) {
        if (OdetnijPole(komorki, pole))
            WriteCell(pole);
        else
            WriteCell("");
    }
    Wiersz(KoniecWiersza[BezJawnegoQl]);
}
