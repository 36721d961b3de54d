// pontiva-cli przejazd: czy pojazd nienormatywny z pliku *.PJZ może przejechać przez obiekty
// z plików roboczych (pliki i katalogi jak w oblicz, każdy oceniony jak w rejestrze).
#include <cstdio>

#include "cli/ArgumentyPolecenia.h"
#include "cli/Dzisiaj.h"
#include "cli/KomendaOblicz.h"
#include "cli/KomendyRejestru.h"
#include "cli/Wyjscie.h"
#include "common/Formatowanie.h"
#include "persistence/PlikPojazdu.h"
#include "rejestr/Przejazd.h"
#include "rejestr/Zestawienie.h"

namespace {

const char* const UzyciePrzejazd =
    "Użycie: pontiva-cli przejazd --pojazd POJAZD.PJZ [--sam] [--format tekst|csv|json] [--separator ,|.]\n"
    "                             [-o RAPORT.rtf|ZESTAWIENIE.csv] PLIK.PTV|KATALOG...\n";
const char* const BladFormatu = "pontiva-cli: nieznany format \"%s\" (tekst, csv albo json)";
const char* const BladFormatuPliku = "pontiva-cli: format oceny przejazdu wynika z rozszerzenia .rtf albo .csv: %s";
const char* const BladFormatuIPliku =
    "pontiva-cli: --format dotyczy standardowego wyjścia, a z -o format wynika z rozszerzenia pliku\n";
const char* const BladPojazdu = "pontiva-cli: %s";
const char* const BladZapisu = "pontiva-cli: %s";
const char* const WzorZapisano = "Ocena przejazdu zapisana: %s (obiektów: %d)\n";

const char* const WzorNazwy = "Pojazd: %s\n";
const char* const WzorNaciskow = "Naciski osi [t]: %s\n";
const char* const WzorRozstawow = "Rozstawy osi [m]: %s\n";
const char* const WzorObciazenia = "Obciążenie: %s\n";
const char* const WzorPliku = "Plik: %s\n";
const char* const WzorObiektu = "JNI: %s; NrP: %s; KATEGORIA: %s [T]\n";
const char* const WzorWykorzystania = "Wykorzystanie: %s\n";
const char* const WzorElementu = "Element rozstrzygający: %d %s, efekt %s\n";
const char* const WzorMasy = "Największa masa pojazdu o tym układzie osi: %s t\n";
const char* const WzorOdmowy = "Obiekt odrzucony (etap %s): %s\n";

enum class tFormat { Tekst, Csv, Json };

void Blad(const char* wzor, const std::string& arg) { Pisz(stderr, Format(wzor, {arg})); }

std::string Lista(const std::vector<double>& v)
{
    std::string t;
    for (double x : v) t += (t.empty() ? "" : "; ") + LiczbaOgolna(x);
    return t;
}

void PojazdTekst(std::string& o, const tPojazd& p, double q)
{
    o += Wiersze(Format(WzorNazwy, {p.Nazwa}));
    o += OpisPojazdu(p) + "\n";  // ten sam opis co w raporcie RTF i oknie pojazdu
    o += Format(WzorNaciskow, {Lista(p.Naciski)});
    if (!p.Rozstawy.empty()) o += Format(WzorRozstawow, {Lista(p.Rozstawy)});
    o += Format(WzorObciazenia, {OpisObciazenia(q)}) + "\n";
}

void WierszTekst(std::string& o, const tWierszPrzejazdu& w)
{
    const tWierszRejestru& r = w.Obiekt;
    const tOcenaPrzejazdu& oc = w.Ocena;
    o += Wiersze(Format(WzorPliku, {r.Sciezka}));
    if (r.Poprawny) o += Wiersze(Format(WzorObiektu, {r.Info.JNI, r.Info.NrP, r.KategoriaTekst}));
    o += TekstWerdyktu(w.Dopuszczalny());
    o += '\n';
    if (!r.Poprawny) {
        o += Wiersze(Format(WzorOdmowy, {r.Etap, r.Komunikat}));
    } else {
        o += Format(WzorWykorzystania, {TekstWykorzystania(oc)});
        if (oc.Najgorszy > 0) o += Wiersze(Format(WzorElementu, {oc.Najgorszy, oc.Elementy[oc.Najgorszy - 1].Nazwa, std::string(1, oc.Efekt)}));
        o += Format(WzorMasy, {TekstMasy(oc.MasaDopuszczalna())});
    }
    o += '\n';
}

void Klucz(std::string& o, const char* nazwa)
{
    o += ",\"";
    o += nazwa;
    o += "\":";
}

void Liczba(std::string& o, const char* nazwa, double v, bool jest = true)
{
    Klucz(o, nazwa);
    if (jest)
        DopiszJsonLiczbe(o, v);
    else
        o += "null";
}

void Napis(std::string& o, const char* nazwa, const std::string& v, bool jest = true)
{
    Klucz(o, nazwa);
    if (jest)
        DopiszJsonNapis(o, v);
    else
        o += "null";
}

void WierszJson(std::string& o, const tWierszPrzejazdu& w, const tPojazd& p, double q)
{
    const tWierszRejestru& r = w.Obiekt;
    const tOcenaPrzejazdu& oc = w.Ocena;
    const bool ok = r.Poprawny;
    o += "{\"plik\":";
    DopiszJsonNapis(o, r.Sciezka);
    Napis(o, "JNI", r.Info.JNI);
    Napis(o, "NrP", r.Info.NrP);
    Klucz(o, "ok");
    o += ok ? "true" : "false";
    Napis(o, "etap", r.Etap, !ok);
    Napis(o, "komunikat", r.Komunikat, !ok);
    Napis(o, "pojazd", p.Nazwa);
    Liczba(o, "masa", p.Masa());
    Liczba(o, "q", q);
    Klucz(o, "dopuszczalny");
    o += w.Dopuszczalny() ? "true" : "false";
    Liczba(o, "wykorzystanie", oc.U, oc.Nosnosc);  // ocena obiektu odrzuconego nie ma nośności
    Klucz(o, "najgorszy");
    o += std::to_string(ok ? oc.Najgorszy : -1);
    Napis(o, "efekt", std::string(1, oc.Efekt), ok && oc.Efekt);
    Liczba(o, "masa_dopuszczalna", oc.MasaDopuszczalna(), ok);
    Klucz(o, "elementy");
    o += '[';
    for (const auto& e : ok ? oc.Elementy : std::vector<tPrzejazdElementu>{}) {
        if (e.Nr > 1) o += ',';
        o += "{\"nr\":" + std::to_string(e.Nr);
        Napis(o, "nazwa", e.Nazwa);
        Liczba(o, "LM", e.LM);
        Liczba(o, "LT", e.LT);
        Liczba(o, "M", e.Efekty.M.Razem());
        Liczba(o, "T", e.Efekty.T.Razem());
        Liczba(o, "MP", e.MP);
        Liczba(o, "TP", e.TP);
        Liczba(o, "wykorzystanie", e.Wykorzystanie.U, e.Wykorzystanie.Nosnosc && e.Wykorzystanie.Efekt);
        o += '}';
    }
    o += "]}\n";
}

}  // namespace

int KomendaPrzejazd(const std::vector<std::string>& argumenty)
{
    tArgumentyPolecenia a;
    if (!RozbierzArgumenty(argumenty, {"--pojazd", "--format", "--separator", "-o"}, a, {"--sam"}) ||
        !a.Opcje.count("--pojazd") || a.Pozycyjne.empty()) {
        std::fputs(UzyciePrzejazd, stderr);
        return KodUzycie;
    }
    if (!SeparatorZOpcji(a)) return KodUzycie;
    tFormat format = tFormat::Tekst;
    if (a.Opcje.count("--format")) {
        const std::string& f = a.Opcje["--format"];
        if (f == "csv")
            format = tFormat::Csv;
        else if (f == "json")
            format = tFormat::Json;
        else if (f != "tekst") {
            Blad(BladFormatu, f);
            return KodUzycie;
        }
    }
    const bool doPliku = a.Opcje.count("-o") > 0;
    const std::string plikWyjscia = doPliku ? a.Opcje["-o"] : "";
    if (doPliku && a.Opcje.count("--format")) {
        std::fputs(BladFormatuIPliku, stderr);
        return KodUzycie;
    }
    if (doPliku && FormatZestawienia(plikWyjscia) == tFormatZestawienia::Nieznany) {
        Blad(BladFormatuPliku, plikWyjscia);
        return KodUzycie;
    }
    tPojazd pojazd;
    std::string blad;
    if (!WczytajPojazd(a.Opcje["--pojazd"], pojazd, blad)) {
        Blad(BladPojazdu, blad);
        return KodUzycie;
    }
    const double q = a.Opcje.count("--sam") ? 0 : ObciazenieZRuchem;

    tWyjscie wyjscie;
    if (!doPliku && format == tFormat::Tekst) PojazdTekst(wyjscie.Bufor(), pojazd, q);
    if (!doPliku && format == tFormat::Csv) wyjscie.Dopisz(std::string(NaglowekPrzejazdu) + "\n");
    wyjscie.Zapisano();
    int kod = KodPoprawny;
    tOceniacz oceniacz;
    std::vector<tWierszPrzejazdu> wiersze;
    for (const auto& arg : a.Pozycyjne) {
        std::vector<std::string> pliki;
        std::fflush(stdout);
        if (!ZbierzPliki(arg, pliki)) {
            kod = KodUzycie;
            continue;
        }
        for (const auto& plik : pliki) {
            tWierszPrzejazdu w = OcenPrzejazdPliku(oceniacz, plik, plik, pojazd, q);
            if (!w.Dopuszczalny() && kod == KodPoprawny) kod = KodOdrzucone;
            if (!doPliku) {
                std::string& o = wyjscie.Bufor();
                if (format == tFormat::Tekst) WierszTekst(o, w);
                if (format == tFormat::Csv) {
                    const std::string csv = PrzejazdCsv({&w});
                    o += csv.substr(csv.find('\n') + 1);
                }
                if (format == tFormat::Json) WierszJson(o, w, pojazd, q);
                wyjscie.Zapisano();
            }
            wiersze.push_back(std::move(w));
        }
    }
    std::vector<const tWierszPrzejazdu*> wskazania;
    for (const auto& w : wiersze) wskazania.push_back(&w);
    if (!doPliku) {
        if (format == tFormat::Tekst) wyjscie.Dopisz(PodsumowaniePrzejazdu(wskazania) + "\n");
        return kod;
    }
    if (!ZapiszOcenePrzejazdu(plikWyjscia, wskazania, pojazd, q, Dzisiaj(), blad)) {
        Blad(BladZapisu, blad);
        return KodUzycie;
    }
    wyjscie.Dopisz(Format(WzorZapisano, {plikWyjscia, static_cast<int>(wskazania.size())}));
    return kod;
}
