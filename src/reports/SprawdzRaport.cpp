#include "reports/SprawdzRaport.h"

#include <optional>
#include <string_view>

#include "common/Cp1250.h"
#include "common/Utf8.h"
#include "reports/Raport.h"
#include "reports/ZgodnoscSladu.h"

namespace {

const char* const OpisBrakJNI = "brak wiersza z numerem JNI";
const char* const OpisBrakNrP = "brak wiersza z numerem pierwszego przęsła";
const char* const OpisBrakRozpietosci = "brak wiersza rozpiętości przęseł";
const char* const OpisBrakNosnosci = "brak nośności obiektu";
const char* const OpisBrakKodu = "brak kodu kontrolnego MAC";

const std::string_view PozycjaRozpietosci = "2.5.;";
const std::string_view PoczatekDaty = "Data ";
const std::string_view EtykietaNosnosci = "Obliczona Pontiva obiektu mostowego  [T] :  ";
const std::string_view PoczatekSladu = "Wydruk śladu obliczeń";
const std::string_view PoczatekKodu = "MAC [";

constexpr std::size_t NajdluzszyWiersz = 160;  // różnica dokumentów: tyle znaków wiersza

const std::string_view KoniecAkapitu = "\\par }";
const std::string_view KoniecKomorki = "\\cell}";
// Wiersze tabel z jawnym \ql i bez niego (raporty zapisane wcześniej).
const std::string_view WnetrzeTabeli = "\\widctlpar\\intbl";
const std::string_view WnetrzeTabeliLewe = "\\ql\\widctlpar\\intbl";
const std::string_view KoniecWiersza = "\\pard\\widctlpar\\intbl\\row\\pard";

bool KonczySie(std::string_view t, std::string_view k)
{
    return t.size() >= k.size() && t.substr(t.size() - k.size()) == k;
}

// Tekst przebiegu "{przedrostek tekst<koniec>": przedrostek to słowa sterujące do
// pierwszego odstępu. Znaki "\\", "\{", "\}" wracają do postaci dosłownej.
std::optional<std::string> TekstPrzebiegu(std::string_view linia, std::string_view koniec)
{
    if (linia.empty() || linia.front() != '{' || linia.size() < 2 || linia[1] != '\\' || !KonczySie(linia, koniec))
        return std::nullopt;
    linia = linia.substr(0, linia.size() - koniec.size());
    size_t odstep = linia.find(' ');
    if (odstep == std::string_view::npos) return std::nullopt;
    std::string_view surowy = linia.substr(odstep + 1);
    std::string t;
    for (size_t i = 0; i < surowy.size(); ++i) {
        if (surowy[i] == '\\' && i + 1 < surowy.size() &&
            (surowy[i + 1] == '\\' || surowy[i + 1] == '{' || surowy[i + 1] == '}'))
            ++i;
        t += surowy[i];
    }
    return Cp1250DoUtf8(t);
}

// Kolejne wiersze dokumentu bez końców wierszy, bez kopiowania (plik z samych końców
// wierszy nie zajmuje wielokrotności swojej wielkości).
class tWiersze {
public:
    explicit tWiersze(std::string_view t) : reszta_(t) {}
    bool Nastepny(std::string_view& linia)
    {
        if (koniec_) return false;
        const size_t k = reszta_.find('\n');
        linia = reszta_.substr(0, k);
        if (!linia.empty() && linia.back() == '\r') linia.remove_suffix(1);
        if (k == std::string_view::npos) koniec_ = true;
        else reszta_.remove_prefix(k + 1);
        if (reszta_.empty()) koniec_ = true;
        return true;
    }

private:
    std::string_view reszta_;
    bool koniec_ = false;
};

int LiczbaDlugosci(std::string_view komorki)
{
    // "2.5.;etykieta;:; 12,00 15,00;": wartości w czwartej komórce, rozdzielone odstępami.
    for (int i = 0; i < 3; ++i) komorki.remove_prefix(komorki.find(';') + 1);
    komorki = komorki.substr(0, komorki.find(';'));
    int ile = 0;
    bool wSlowie = false;
    for (char z : komorki) {
        if (z != ' ' && !wSlowie) ++ile;
        wSlowie = z != ' ';
    }
    return ile;
}

// Treść odczytana z dokumentu tak, jak pisze ją raport; czego brakuje, mówi pusta część.
struct tOdczyt {
    tTrescRaportu Tresc;
    std::optional<std::string> Identyfikacja[6], Nosnosc, Data;
    std::optional<int> Elementy;
    bool WSladzie = false;
};

void CzytajAkapit(tOdczyt& o, std::string_view a)
{
    if (!o.Data && a.starts_with(PoczatekDaty)) o.Data = std::string(a.substr(PoczatekDaty.size()));
    if (a.starts_with(PoczatekKodu) && a.back() == ']') {
        o.WSladzie = false;
        o.Tresc.Kod = std::string(a.substr(PoczatekKodu.size(), a.size() - PoczatekKodu.size() - 1));
        return;
    }
    if (o.WSladzie) {
        o.Tresc.Slad.emplace_back(a);
        return;
    }
    if (a == PoczatekSladu) o.WSladzie = true;
    for (int k = 0; k < 6; ++k) {
        const std::string_view etykieta = EtykietyLokalizacji[k];
        if (!o.Identyfikacja[k] && a.starts_with(etykieta)) o.Identyfikacja[k] = std::string(a.substr(etykieta.size()));
    }
}

void CzytajWierszTabeli(tOdczyt& o, tWiersze& wiersze)
{
    std::string komorki;
    std::string_view linia;
    while (wiersze.Nastepny(linia) && !linia.starts_with(KoniecWiersza))
        if (auto k = TekstPrzebiegu(linia, KoniecKomorki)) komorki += *k + ";";
    if (komorki.starts_with(PozycjaRozpietosci)) o.Elementy = LiczbaDlugosci(komorki);
    // Wiersze sekcji 2 zaczynają się numerem pozycji "2.x.", wiersze wymiarów pustą komórką.
    if (komorki.starts_with("2."))
        o.Tresc.Dane.push_back({SzerokosciPozycji, komorki});
    else
        o.Tresc.Wymiary.push_back({SzerokosciWymiaru, komorki});
}

}  // namespace

std::string BezRodzajuKoncowWierszy(std::string_view Bajty)
{
    std::string t;
    t.reserve(Bajty.size());
    for (std::size_t i = 0; i < Bajty.size(); ++i) {
        if (Bajty[i] == '\r' && i + 1 < Bajty.size() && Bajty[i + 1] == '\n') continue;
        t += Bajty[i] == '\r' ? '\n' : Bajty[i];
    }
    while (!t.empty() && t.back() == '\n') t.pop_back();
    return t;
}

tWynikSprawdzeniaRaportu SprawdzRaport(const std::string& BajtyRtf)
{
    tWynikSprawdzeniaRaportu wynik;
    if (!BajtyRtf.starts_with("{\\rtf1")) {
        wynik.Opis = "to nie jest dokument RTF";
        return wynik;
    }
    const std::string bajty = BezRodzajuKoncowWierszy(BajtyRtf);
    tOdczyt o;
    tWiersze wiersze(bajty);
    std::string_view linia;
    bool poEtykiecieNosnosci = false;
    while (wiersze.Nastepny(linia)) {
        if (linia == WnetrzeTabeli || linia == WnetrzeTabeliLewe) {
            CzytajWierszTabeli(o, wiersze);
            continue;
        }
        if (poEtykiecieNosnosci && !o.Nosnosc) o.Nosnosc = TekstPrzebiegu(linia, KoniecAkapitu);
        poEtykiecieNosnosci = false;
        if (auto run = TekstPrzebiegu(linia, "}"); run && *run == EtykietaNosnosci) {
            poEtykiecieNosnosci = true;
            continue;
        }
        if (auto akapit = TekstPrzebiegu(linia, KoniecAkapitu)) CzytajAkapit(o, *akapit);
    }
    const std::pair<bool, const char*> wymagane[] = {
        {o.Identyfikacja[0].has_value(), OpisBrakJNI},  {o.Identyfikacja[1].has_value(), OpisBrakNrP},
        {o.Elementy.has_value(), OpisBrakRozpietosci}, {o.Nosnosc.has_value(), OpisBrakNosnosci},
        {!o.Tresc.Kod.empty(), OpisBrakKodu},
    };
    for (const auto& [jest, opis] : wymagane) {
        if (!jest) {
            wynik.Opis = opis;
            return wynik;
        }
    }
    wynik.KodWydrukowany = o.Tresc.Kod;
    for (int k = 0; k < 6; ++k) o.Tresc.Identyfikacja[k] = o.Identyfikacja[k].value_or("");
    o.Tresc.Data = wynik.Data = o.Data.value_or("");
    o.Tresc.Nosnosc = *o.Nosnosc;
    // Nośność to "0.00" z separatorem regionalnym: trzeci znak od końca.
    if (const std::string& n = o.Tresc.Nosnosc; n.size() >= 3 && (n[n.size() - 3] == ',' || n[n.size() - 3] == '.'))
        wynik.Separator = n[n.size() - 3];
    std::vector<std::string> komorki;
    for (const auto* tabela : {&o.Tresc.Dane, &o.Tresc.Wymiary})
        for (const auto& w : *tabela) komorki.push_back(w.Komorki);
    wynik.KodObliczony = KodKontrolny(
        TekstKontrolny(o.Tresc.Identyfikacja[0], o.Tresc.Identyfikacja[1], *o.Elementy, komorki, o.Tresc.Nosnosc));
    // Zgodny jest tylko dokument, który zapis pisze z tej treści bajt po bajcie (poza końcami
    // wierszy): grupa ukryta, zmieniony przedrostek przebiegu albo dopisany akapit nie przejdą.
    const bool jakZapis = bajty == BezRodzajuKoncowWierszy(DokumentRaportu(o.Tresc)) ||
                          bajty == BezRodzajuKoncowWierszy(DokumentRaportu(o.Tresc, true));
    wynik.Stan = tStanRaportu::Niezgodny;
    if (!jakZapis || wynik.KodObliczony != wynik.KodWydrukowany) return wynik;
    // Ślad nie wchodzi do kodu: zgadzać się musi z tym, co kod obejmuje.
    wynik.Opis = NiezgodnoscSladu(o.Tresc);
    if (wynik.Opis.empty()) wynik.Stan = tStanRaportu::Zgodny;
    return wynik;
}

namespace {

// Wiersz dokumentu do pokazania: skrócony, w UTF-8, bez znaków sterujących.
std::string DoPokazania(std::string_view wiersz)
{
    const bool dlugi = wiersz.size() > NajdluzszyWiersz;
    return TekstWidoczny(Cp1250DoUtf8(std::string(wiersz.substr(0, NajdluzszyWiersz)))) + (dlugi ? "…" : "");
}

}  // namespace

tRoznicaDokumentow PorownajDokumenty(std::string_view Raport, std::string_view Przeliczony)
{
    const std::string a = BezRodzajuKoncowWierszy(Raport), b = BezRodzajuKoncowWierszy(Przeliczony);
    tRoznicaDokumentow r;
    if (a == b) return r;
    tWiersze wa(a), wb(b);
    std::string_view la, lb;
    for (;;) {
        ++r.Wiersz;
        r.KoniecRaportu = !wa.Nastepny(la);
        r.KoniecPrzeliczonego = !wb.Nastepny(lb);
        if (r.KoniecRaportu || r.KoniecPrzeliczonego || la != lb) break;
    }
    r.Rowne = false;
    if (!r.KoniecRaportu) r.WRaporcie = DoPokazania(la);
    if (!r.KoniecPrzeliczonego) r.WPrzeliczonym = DoPokazania(lb);
    return r;
}
