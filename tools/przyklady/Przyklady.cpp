// pontiva-przyklady: pliki robocze katalogu przyklady/ i pliki do pomiaru wydajności
// pontiva-cli, zapisane przebiegiem okna (ZapiszDane). Narzędzie budowane z projektem,
// nie część programu.
//   pontiva-przyklady przyklady KATALOG
//   pontiva-przyklady generuj KATALOG LICZBA
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

#include "common/Formatowanie.h"
#include "common/Regionalne.h"
#include "persistence/Katalogi.h"
#include "persistence/PlikIni.h"
#include "przebieg/Przebieg.h"
#include "przebieg/WidokPamieci.h"

namespace {

constexpr int KodPoprawny = 0;
constexpr int KodBledu = 2;
const char* const Uzycie = "Użycie: pontiva-przyklady przyklady KATALOG | generuj KATALOG LICZBA\n";
const char* const BladZapisu = "pontiva-przyklady: nie można zapisać pliku %s\n";

// Przekrój poprzeczny: wartości pól RxSE_A1 … RxSE_N.
struct tPrzekrojDane {
    double a, b, BB, c, e, k, P, g1, g2, n;
};

struct tPrzyklad {
    const char* Plik;
    tInfoObiektu Info;
    int Normatyw, Klasa, Przekroj, Schemat, Przesla;
    tPrzekrojDane Przekroj_;
    std::vector<double> Dlugosci;
};

void Ustaw(tGlownyPrzebieg& p, int normatyw, int klasa, int przekroj, int schemat, int przesla,
           const tPrzekrojDane& d, const std::vector<double>& dlugosci)
{
    Widok& w = p.WidokOkna();
    w.UstawWybor(tLista::CBSchemat, schemat);
    w.UstawWartosc(IlePrzesel, przesla);
    w.UstawWybor(tLista::CBNormatyw, normatyw);
    RegulaListyKlas(w);
    w.UstawWybor(tLista::CBKlasa, klasa);
    w.UstawWybor(tLista::CBPrzeslo, przekroj);
    const double pola[LiczbaPolSzerokosci] = {d.a, d.a, d.b, d.BB, d.c, d.c, d.e, d.e, d.k, d.k, d.P, d.g1, d.g2, d.n};
    for (int i = 0; i < LiczbaPolSzerokosci; ++i) w.UstawWartosc(static_cast<tPole>(i), pola[i]);
    for (int i = 0; i < MaksWierszy; ++i)
        w.UstawWartosc(PoleDlugosci(i + 1), i < static_cast<int>(dlugosci.size()) ? dlugosci[i] : 0.0);
    UstawWidocznosc(w);
    BudujPrzesla(w);
}

// Realne obiekty: po jednym na normatyw i belka przegubowa. Sumy szerokości się zgadzają.
const std::vector<tPrzyklad>& Przyklady()
{
    static const std::vector<tPrzyklad> lista = {
        {"belka.PTV", {"12010001", "1", "7", "412+350", "Jędrzejów", "rzeka Nida"}, 5, 1, 0, 0, 1,
         {0.5, 7.0, 8.4, 1.5, 1.3, 0, 0, 0, 0, 5}, {0, 18, 0}},
        {"pn66_plyta.PTV", {"12010002", "1", "78", "23+100", "Łęczyca", "potok Gać"}, 4, 0, 3, 0, 1,
         {0.25, 6.0, 0, 0.75, 0, 0, 8.0, 0, 0, 0}, {0, 12, 0}},
        {"n1956_ciagla.PTV", {"12010003", "1", "94", "301+720", "Olkusz", "linia kolejowa"}, 3, 1, 1, 1, 2,
         {0.5, 6.0, 6.0, 0, 0.5, 0, 0, 0, 0, 4}, {0, 15, 15, 0}},
        {"n1952_dwudzwigarowy.PTV", {"12010004", "2", "79", "118+040", "Sandomierz", "rzeka Koprzywianka"}, 2, 0, 2,
         0, 1, {0.25, 6.0, 7.7, 1.0, 0, 0.3, 0, 0.6, 0, 2}, {0, 30, 0}},
        {"n1945_plyta.PTV", {"12010005", "1", "A4", "5+800", "Żabno", "rów melioracyjny"}, 1, 2, 3, 0, 1,
         {0.5, 6.0, 0, 0.5, 0, 0, 8.0, 0, 0, 0}, {0, 8, 0}},
        {"n1926_wieloprzeslowa.PTV", {"12010006", "1", "44", "62+500", "Oświęcim", "rzeka Soła"}, 0, 1, 0, 2, 3,
         {0.5, 6.0, 7.0, 1.0, 1.0, 0, 0, 0, 0, 5}, {1.5, 12, 15, 12, 1.5}},
        {"din1072_rama.PTV", {"12010007", "1", "61", "12+300", "Ełk", "rzeka Ełk"}, 6, 0, 0, 3, 2,
         {0.5, 6.0, 7.6, 1.0, 0.7, 0, 0, 0, 0, 6}, {0, 14, 14, 0}},
        {"przegubowa.PTV", {"12010008", "3", "8", "201+150", "Kłodzko", "rzeka Nysa Kłodzka"}, 5, 0, 5, 5, 3,
         {0.5, 7.0, 8.2, 1.5, 1.4, 0.2, 0, 0.4, 0.4, 6}, {2, 20, 4, 16, 4, 20, 2}},
    };
    return lista;
}

// Liczby pseudolosowe powtarzalne między przebiegami.
struct tLosowe {
    std::uint64_t stan;
    double Z(double od, double doW, double krok)
    {
        stan = stan * 6364136223846793005ULL + 1442695040888963407ULL;
        const int kroki = static_cast<int>((doW - od) / krok + 0.5);
        return od + static_cast<double>((stan >> 33) % static_cast<std::uint64_t>(kroki + 1)) * krok;
    }
};

// Przekrój danego rodzaju z wymiarami dolnymi zgodnymi z górnymi.
tPrzekrojDane LosowyPrzekroj(int rodzaj, tLosowe& r)
{
    tPrzekrojDane d{r.Z(0.25, 0.75, 0.25), r.Z(6, 9, 0.5), 0, r.Z(0.75, 2, 0.25), r.Z(0.5, 1.5, 0.1), 0, 0, 0, 0,
                    r.Z(3, 8, 1)};
    const double gora = 2 * d.a + d.b;
    switch (rodzaj) {
    case 0: d.BB = gora + 2 * d.c - 2 * d.e; break;
    case 1: d.c = 0; d.BB = gora - 2 * d.e; break;
    case 2: d.k = 0.3; d.g1 = 0.6; d.e = 0; d.BB = d.g1 + 2 * d.k + gora; d.n = 2; break;
    case 3: d.e = 0; d.P = gora + 2 * d.c; break;
    case 4: d.c = 0; d.e = 0; d.P = gora; break;
    case 5: d.k = 0.2; d.g1 = d.g2 = 0.4; d.BB = gora + 2 * d.c - 2 * d.e; break;
    default: d.k = 0.2; d.g1 = d.g2 = 0.4; d.e = 0; d.P = gora + 2 * d.c; break;
    }
    return d;
}

std::vector<double> LosoweDlugosci(int schemat, int przesla, tLosowe& r)
{
    const int k = LiczbaWierszy(schemat, przesla);
    std::vector<double> l(k);
    const bool przegubowa = schemat == 5 || schemat == 6;
    for (int i = 0; i < k; ++i) {
        const bool skrajny = i == 0 || i == k - 1;
        if (skrajny)
            l[i] = r.Z(0, 1, 1) > 0 ? r.Z(1.5, 3, 0.5) : 0;
        else if (przegubowa && i % 2 == 0)
            l[i] = r.Z(2, 5, 0.5);
        else
            l[i] = r.Z(6, 36, 0.5);
    }
    return l;
}

bool Zapisz(tGlownyPrzebieg& p, const std::string& sciezka)
{
    if (p.ZapiszDane(sciezka)) return true;
    std::fprintf(stderr, BladZapisu, sciezka.c_str());
    return false;
}


int Przyklady(const std::vector<std::string>& argumenty)
{
    if (argumenty.size() != 1) return KodBledu;
    // Pliki przykładów zawsze z przecinkiem, jak pod polskimi ustawieniami.
    Regionalne().SeparatorDziesietny = ',';
    if (!UtworzKatalog(argumenty[0])) return KodBledu;
    auto widok = std::make_unique<tWidokPamieci>();
    tGlownyPrzebieg p(*widok);
    for (const auto& x : Przyklady()) {
        p.UstawInfo(x.Info);
        Ustaw(p, x.Normatyw, x.Klasa, x.Przekroj, x.Schemat, x.Przesla, x.Przekroj_, x.Dlugosci);
        if (!Zapisz(p, argumenty[0] + "/" + x.Plik)) return KodBledu;
    }
    return KodPoprawny;
}

int Generuj(const std::vector<std::string>& argumenty)
{
    if (argumenty.size() != 2) return KodBledu;
    const int ile = std::atoi(argumenty[1].c_str());
    Regionalne().SeparatorDziesietny = ',';
    if (ile <= 0 || !UtworzKatalog(argumenty[0])) return KodBledu;
    auto widok = std::make_unique<tWidokPamieci>();
    tGlownyPrzebieg p(*widok);
    tLosowe r{20261206};
    for (int i = 0; i < ile; ++i) {
        // Jak w rejestrze zarządcy: obiekty, które program ocenia. Losujemy ponownie, gdy
        // dane odpadają na sprawdzeniu albo normatyw nie ma modelu dla przekroju.
        for (int proba = 0; proba < 50; ++proba) {
            const int normatyw = static_cast<int>(r.Z(0, 6, 1));
            const int klasa = static_cast<int>(r.Z(0, normatyw == 5 ? 4 : 2, 1));
            const int przekroj = static_cast<int>(r.Z(0, 6, 1));
            const int schemat = static_cast<int>(r.Z(0, 6, 1));
            const int przesla = static_cast<int>(r.Z(1, 6, 1));
            Ustaw(p, normatyw, klasa, przekroj, schemat, przesla, LosowyPrzekroj(przekroj, r),
                  LosoweDlugosci(schemat, przesla, r));
            if (p.Przelicz().Poprawne()) break;
        }
        const std::string jni = Format("%08d", {30000000 + i});
        p.UstawInfo({jni, "1", "", "", "", ""});
        // Bez zapisu atomowego z fsync: tysiące plików pomiarowych powstają w sekundy.
        tPlikIni ini;
        p.ZapiszIni(ini);
        const std::string sciezka = argumenty[0] + "/" + jni + "_1.PTV";
        std::FILE* f = std::fopen(sciezka.c_str(), "wb");
        const std::string bajty = ini.Zawartosc();
        const bool dobrze = f && std::fwrite(bajty.data(), 1, bajty.size(), f) == bajty.size();
        if (f) std::fclose(f);
        if (!dobrze) {
            std::fprintf(stderr, BladZapisu, sciezka.c_str());
            return KodBledu;
        }
    }
    return KodPoprawny;
}

}  // namespace

int main(int argc, char** argv)
{
    std::vector<std::string> argumenty(argv + 1, argv + argc);
    const std::string polecenie = argumenty.empty() ? "" : argumenty.front();
    if (!argumenty.empty()) argumenty.erase(argumenty.begin());
    const int kod = polecenie == "przyklady" ? Przyklady(argumenty)
                    : polecenie == "generuj" ? Generuj(argumenty)
                                             : KodBledu;
    if (kod != KodPoprawny) std::fputs(Uzycie, stderr);
    return kod;
}
