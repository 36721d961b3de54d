#include "rejestr/Zestawienie.h"

#include <cstdint>

#include "common/Csv.h"
#include "common/Formatowanie.h"
#include "common/Utf8.h"
#include "reports/VanRTF.h"
#include "system/Pliki.h"

const std::array<const char*, LiczbaKategoriiRejestru> NazwyKategoriiRejestru = {
    "42 t", "32 t", "24 t", "16 t", "10 t", "poniżej 10 t", "odrzucone"};

const char* const NaglowekZestawienia = "plik;JNI;NrP;Droga;Km;Najblizsza;Przeszkoda;normatyw;klasa;przekroj;schemat;"
                                        "przesla;najdluzsze;KATEGORIA;najgorszy;etap;komunikat";

// Kodowanie pliku CSV: UTF-8 ze znacznikiem BOM. Po znaczniku arkusz (także polski Excel,
// który bez niego zgaduje stronę kodową systemu) czyta polskie litery poprawnie, a UTF-8
// zachowuje każdy znak nazwy pliku i tekstów obiektu (Windows-1250 zamieniłby część na "?").
// Na standardowe wyjście ten sam CSV idzie bez znacznika: skrypt czyta tam czysty UTF-8 jak
// z pozostałych poleceń pontiva-cli, a pierwsze pole nagłówka to dosłownie "plik".
const char* const ZnacznikUtf8 = "\xEF\xBB\xBF";

namespace {

const int ProgiKategorii[] = {42, 32, 24, 16, 10};
constexpr int KategoriaPonizej10 = 5;
constexpr int KategoriaOdrzucone = 6;

const char* const TytulZestawienia = "Zestawienie nośności obiektów";
const char* const BezFiltra = "bez filtra";
const char* const WzorFiltraTekstu = "tekst „%s”";
const char* const WzorFiltraPonizej = "nośność poniżej %s t";
const char* const KomNieznanyFormat = "Nieznany format zestawienia (.csv albo .rtf): ";

// Tabela RTF na stronie A4 (16 cm między marginesami): JNI, NrP, droga, km, miejscowość,
// przeszkoda, normatyw, klasa, KATEGORIA, element rozstrzygający; w wierszu odmowy dwie
// ostatnie kolumny są jedną komórką z etapem i komunikatem.
const char* const KolumnyRtf = "1.6;0.8;1.1;1.3;2.0;2.0;1.8;1.2;2.0;2.2;";
const char* const KolumnyOdmowyRtf = "1.6;0.8;1.1;1.3;2.0;2.0;1.8;1.2;4.2;";
const char* const NaglowkiRtf = "JNI;NrP;Droga;Km;Miejscowość;Przeszkoda;Normatyw;Klasa;KATEGORIA [t];Element rozstrzygający;";
const char* const RamkaRtf = "brdrw10";
const char* const WzorOdmowyRtf = "odrzucony (%s): %s";
const char* const WzorLiczbyObiektow = "Liczba obiektów: %d";
const char* const WzorKatalogu = "Katalog: %s";
const char* const WzorDaty = "Data: %s";
const char* const WzorFiltra = "Filtr: %s";

// Mała litera znaku: ASCII, Latin-1 i Latin Extended-A (w tym wszystkie polskie litery).
std::uint32_t MalaLitera(std::uint32_t z)
{
    if ((z >= 'A' && z <= 'Z') || (z >= 0xC0 && z <= 0xDE && z != 0xD7)) return z + 0x20;
    const bool parzystaWielka = (z >= 0x100 && z <= 0x137) || (z >= 0x14A && z <= 0x177);
    const bool nieparzystaWielka = (z >= 0x139 && z <= 0x148) || (z >= 0x179 && z <= 0x17E);
    if ((parzystaWielka && z % 2 == 0) || (nieparzystaWielka && z % 2 == 1)) return z + 1;
    return z;
}

// Tekst do porównania bez względu na wielkość liter (błędne bajty jako U+FFFD).
std::string MaleLitery(std::string_view s)
{
    std::string wynik;
    wynik.reserve(s.size());
    for (size_t i = 0; i < s.size();) {
        std::uint32_t z = 0xFFFD;
        if (!CzytajZnakUtf8(s, i, z)) z = 0xFFFD;
        DopiszZnakUtf8(wynik, MalaLitera(z));
    }
    return wynik;
}

void WierszCsv(std::string& o, const tWierszRejestru& w)
{
    IdentyfikacjaCsv(o, w);
    for (const std::string* t : {&w.Normatyw, &w.Klasa, &w.Przekroj, &w.Schemat}) KomorkaCsv(o, *t);
    o += ';';
    if (w.Wczytany) o += std::to_string(w.Przesla);
    o += ';';
    if (w.Wczytany && w.Przesla > 0) o += LiczbaOgolna(w.Najdluzsze);
    o += ';';
    if (w.Poprawny) o += w.KategoriaTekst;
    KomorkaCsv(o, w.Poprawny ? w.NazwaNajgorszego : std::string());
    KomorkaCsv(o, w.Etap);
    o += ';';
    DopiszKomorkeCsv(o, KomunikatWiersza(w));
    o += '\n';
}

void WierszRtf(TRtfDoc& doc, const tWierszRejestru& w)
{
    // Plik nieczytelny nie ma identyfikacji: jego nazwa stoi w kolumnie JNI.
    std::string komorki = KomorkaRtf(w.Wczytany ? w.Info.JNI : w.Plik) + ";";
    for (const std::string* t : {&w.Info.NrP, &w.Info.Droga, &w.Info.Km, &w.Info.Najblizsza, &w.Info.Przeszkoda,
                                 &w.Normatyw, &w.Klasa})
        komorki += KomorkaRtf(*t) + ";";
    if (w.Poprawny) {
        komorki += KomorkaRtf(w.KategoriaTekst) + ";" + KomorkaRtf(w.NazwaNajgorszego) + ";";
        doc.WriteTableRow(KolumnyRtf, komorki, RamkaRtf);
    } else {
        komorki += KomorkaRtf(Format(WzorOdmowyRtf, {w.Etap, KomunikatWiersza(w)})) + ";";
        doc.WriteTableRow(KolumnyOdmowyRtf, komorki, RamkaRtf);
    }
}

bool KonczySieNa(std::string_view s, std::string_view koncowka)
{
    if (s.size() < koncowka.size()) return false;
    s = s.substr(s.size() - koncowka.size());
    for (size_t i = 0; i < s.size(); ++i)
        if (static_cast<char>(s[i] | 0x20) != koncowka[i]) return false;
    return true;
}

}  // namespace

std::string KomunikatWiersza(const tWierszRejestru& w) { return TekstWidoczny(JedenWiersz(w.Komunikat)); }

void KomorkaCsv(std::string& o, std::string_view tekst)
{
    o += ';';
    DopiszKomorkeCsv(o, TekstWidoczny(tekst));
}

void IdentyfikacjaCsv(std::string& o, const tWierszRejestru& w)
{
    DopiszKomorkeCsv(o, TekstWidoczny(w.Plik));
    for (const std::string* t : {&w.Info.JNI, &w.Info.NrP, &w.Info.Droga, &w.Info.Km, &w.Info.Najblizsza, &w.Info.Przeszkoda})
        KomorkaCsv(o, *t);
}

std::string KomorkaRtf(std::string_view tekst)
{
    std::string t = TekstWidoczny(JedenWiersz(std::string(tekst)));
    for (char& z : t)
        if (z == ';') z = ',';
    return TekstRtf(t);
}

bool tFiltrRejestru::Przyjmuje(const tWierszRejestru& w) const
{
    if (ZPonizej && w.Poprawny && !(w.Kategoria < Ponizej)) return false;
    if (Tekst.empty()) return true;
    const std::string szukany = MaleLitery(Tekst);
    for (const std::string* t : {&w.Info.JNI, &w.Info.NrP, &w.Info.Droga, &w.Info.Km, &w.Info.Najblizsza, &w.Info.Przeszkoda})
        if (MaleLitery(*t).find(szukany) != std::string::npos) return true;
    return false;
}

std::string tFiltrRejestru::Opis() const
{
    std::string opis;
    if (!Tekst.empty()) opis = Format(WzorFiltraTekstu, {TekstWidoczny(Tekst)});
    if (ZPonizej) opis += (opis.empty() ? "" : ", ") + Format(WzorFiltraPonizej, {LiczbaOgolna(Ponizej)});
    return opis.empty() ? BezFiltra : opis;
}

int KategoriaRejestru(const tWierszRejestru& w)
{
    if (!w.Poprawny) return KategoriaOdrzucone;
    for (int i = 0; i < KategoriaPonizej10; ++i)
        if (w.Kategoria >= ProgiKategorii[i]) return i;
    return KategoriaPonizej10;
}

std::array<int, LiczbaKategoriiRejestru> Podsumowanie(const std::vector<const tWierszRejestru*>& wiersze)
{
    std::array<int, LiczbaKategoriiRejestru> liczby{};
    for (const auto* w : wiersze) ++liczby[KategoriaRejestru(*w)];
    return liczby;
}

std::string ZestawienieCsv(const std::vector<const tWierszRejestru*>& wiersze)
{
    std::string o = NaglowekZestawienia;
    o += '\n';
    for (const auto* w : wiersze) WierszCsv(o, *w);
    return o;
}

std::string ZestawienieRtf(const std::vector<const tWierszRejestru*>& wiersze, const std::string& katalog,
                           const std::string& data, const tFiltrRejestru& filtr)
{
    std::string bajty;
    TRtfDoc doc;
    doc.OpenPamiec(bajty, TytulZestawienia, KomorkaRtf(data), true);
    doc.AlignCenter();
    doc.SetFontSize(14);
    doc.SetBold();
    doc.WriteParagraph(TytulZestawienia);
    doc.SetPlain();
    doc.WriteParBreak();
    doc.AlignLeft();
    doc.SetFontSize(10);
    doc.WriteParagraph(Format(WzorKatalogu, {KomorkaRtf(katalog)}));
    doc.WriteParagraph(Format(WzorDaty, {KomorkaRtf(data)}));
    doc.WriteParagraph(Format(WzorFiltra, {KomorkaRtf(filtr.Opis())}));
    doc.WriteParagraph(Format(WzorLiczbyObiektow, {static_cast<int>(wiersze.size())}));
    doc.WriteParBreak();
    doc.SetFontSize(8);
    doc.SetBold();
    doc.WriteTableRow(KolumnyRtf, NaglowkiRtf, RamkaRtf);
    doc.SetPlain();
    for (const auto* w : wiersze) WierszRtf(doc, *w);
    doc.Close();
    return bajty;
}

tFormatZestawienia FormatZestawienia(const std::string& sciezka)
{
    return KonczySieNa(sciezka, ".csv")   ? tFormatZestawienia::Csv
           : KonczySieNa(sciezka, ".rtf") ? tFormatZestawienia::Rtf
                                          : tFormatZestawienia::Nieznany;
}

bool ZapiszZestawienie(const std::string& sciezka, const std::vector<const tWierszRejestru*>& wiersze,
                       const std::string& katalog, const std::string& data, const tFiltrRejestru& filtr,
                       std::string& blad)
{
    std::string bajty;
    switch (FormatZestawienia(sciezka)) {
    case tFormatZestawienia::Csv: bajty = ZnacznikUtf8 + ZestawienieCsv(wiersze); break;
    case tFormatZestawienia::Rtf: bajty = ZestawienieRtf(wiersze, katalog, data, filtr); break;
    case tFormatZestawienia::Nieznany: blad = KomNieznanyFormat + sciezka; return false;
    }
    return ZapiszPlik(sciezka, bajty, blad);
}
