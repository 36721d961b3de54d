#include "reports/SprawdzRaport.h"

#include <optional>
#include <string_view>
#include <vector>

#include "common/Cp1250.h"
#include "reports/Raport.h"

namespace {

const char* const OpisBrakJNI = "brak wiersza z numerem JNI";
const char* const OpisBrakNrP = "brak wiersza z numerem pierwszego przęsła";
const char* const OpisBrakRozpietosci = "brak wiersza rozpiętości przęseł";
const char* const OpisBrakNosnosci = "brak nośności obiektu";
const char* const OpisBrakKodu = "brak kodu kontrolnego MAC";

// Te same etykiety, które pisze raport.
const std::string_view EtykietaJNI = "1.1. Numer JNI                : ";
const std::string_view EtykietaNrP = "1.2. Numer pierwszego przęsła : ";
const std::string_view PozycjaRozpietosci = "2.5.;";
const std::string_view EtykietaNosnosci = "Obliczona Pontiva obiektu mostowego  [T] :  ";
const std::string_view PoczatekKodu = "MAC [";

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

std::vector<std::string_view> Linie(const std::string& bajty)
{
    std::vector<std::string_view> w;
    std::string_view t = bajty;
    while (!t.empty()) {
        size_t k = t.find('\n');
        std::string_view l = t.substr(0, k);
        if (!l.empty() && l.back() == '\r') l.remove_suffix(1);
        w.push_back(l);
        if (k == std::string_view::npos) break;
        t.remove_prefix(k + 1);
    }
    return w;
}

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

}  // namespace

tWynikSprawdzeniaRaportu SprawdzRaport(const std::string& BajtyRtf)
{
    tWynikSprawdzeniaRaportu wynik;
    std::optional<std::string> jni, nrp, nosnosc;
    std::optional<int> elementy;
    std::vector<std::string> komorki;
    const auto linie = Linie(BajtyRtf);
    if (linie.empty() || linie.front().rfind("{\\rtf1", 0) != 0) {
        wynik.Opis = "to nie jest dokument RTF";
        return wynik;
    }
    for (size_t i = 0; i < linie.size(); ++i) {
        if (linie[i] == WnetrzeTabeli || linie[i] == WnetrzeTabeliLewe) {
            std::string wiersz;
            for (++i; i < linie.size() && linie[i].rfind(KoniecWiersza, 0) != 0; ++i)
                if (auto k = TekstPrzebiegu(linie[i], KoniecKomorki)) wiersz += *k + ";";
            if (wiersz.rfind(PozycjaRozpietosci, 0) == 0) elementy = LiczbaDlugosci(wiersz);
            komorki.push_back(wiersz);
            continue;
        }
        if (auto run = TekstPrzebiegu(linie[i], "}"); run && *run == EtykietaNosnosci && i + 1 < linie.size()) {
            nosnosc = TekstPrzebiegu(linie[i + 1], KoniecAkapitu);
            continue;
        }
        auto akapit = TekstPrzebiegu(linie[i], KoniecAkapitu);
        if (!akapit) continue;
        std::string_view a = *akapit;
        if (a.rfind(EtykietaJNI, 0) == 0 && !jni) jni = std::string(a.substr(EtykietaJNI.size()));
        if (a.rfind(EtykietaNrP, 0) == 0 && !nrp) nrp = std::string(a.substr(EtykietaNrP.size()));
        if (a.rfind(PoczatekKodu, 0) == 0 && a.back() == ']')
            wynik.KodWydrukowany = std::string(a.substr(PoczatekKodu.size(), a.size() - PoczatekKodu.size() - 1));
    }
    const std::pair<bool, const char*> wymagane[] = {
        {jni.has_value(), OpisBrakJNI},         {nrp.has_value(), OpisBrakNrP},
        {elementy.has_value(), OpisBrakRozpietosci}, {nosnosc.has_value(), OpisBrakNosnosci},
        {!wynik.KodWydrukowany.empty(), OpisBrakKodu},
    };
    for (const auto& [jest, opis] : wymagane) {
        if (!jest) {
            wynik.Opis = opis;
            return wynik;
        }
    }
    wynik.KodObliczony = KodKontrolny(TekstKontrolny(*jni, *nrp, *elementy, komorki, *nosnosc));
    wynik.Stan = wynik.KodObliczony == wynik.KodWydrukowany ? tStanRaportu::Zgodny : tStanRaportu::Niezgodny;
    return wynik;
}
