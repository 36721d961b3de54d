#include "reports/Raport.h"

#include <filesystem>
#include <memory>

#include "common/Cp1250.h"
#include "common/Formatowanie.h"
#include "common/Slad.h"
#include "common/Utf8.h"
#include "core/Nazwy.h"
#include "core/Przeliczenie.h"
#include "reports/MessageDigests.h"
#include "reports/Przekroje.h"
#include "reports/UkladRaportu.h"
#include "reports/VanRTF.h"
#include "system/SciezkaUtf8.h"

const char* const TytulBleduRaportu = "BŁĄD";
const char* const SzerokosciPozycji = "1;8.5;0.05;6.5;";
const char* const SzerokosciWymiaru = "0.3;1;11;0.05;4;";
// Sekcja 1: etykiety wyrównane odstępami do dwukropka w czcionce stałej szerokości.
const char* const EtykietyLokalizacji[6] = {
    "1.1. Numer JNI                : ", "1.2. Numer pierwszego przęsła : ", "1.3. Numer drogi              : ",
    "1.4. Kilometraż               : ", "1.5. Najbliższa miejscowość   : ", "1.6  Nazwa przeszkody         : ",
};

namespace {

const char* const KomBrakJNI = "BRAK JNI\rOkreśl JNI obiektu i ponownie wywołaj to polecenie.";
const char* const KomZlyJNI =
    "Nieprawidłowy JNI\rJNI musi mieć 8 znaków i być liczbą.\rPopraw dane obiektu i ponownie wywołaj to polecenie.";
const char* const KomZlyNrP = "Nieprawidłowy numer pierwszego przęsła\rNumer musi być liczbą od 1 do 45.\r"
                              "Popraw dane obiektu i ponownie wywołaj to polecenie.";
const char* const KomBledneDane = "Błędne dane\rUsuń przyczynę błędu i ponownie wywołaj to polecenie.";
const char* const KomBladZapisu =
    "Błąd zapisu pliku.\rZamknij wszytkie kopie tego pliku i ponownie wywołaj to polecenie.";

const char* const WzorPozycji = "%s;%s;:;%s;";
const char* const WzorLiczby = ";%s;%s;:;%0.2f;";
const char* const WzorCalkowitej = ";%s;%s;:;%d;";
const char* const WzorPary = ";%s;%s;:;%0.2f / %0.2f ;";

enum class tRodzajWiersza { Liczba, Calkowita, Para };

struct tWymiar {
    const char* Symbol;
    const char* Etykieta;
    tRodzajWiersza Rodzaj;
    double tObiektMostowy::*Lewa;
    double tObiektMostowy::*Prawa;
    unsigned Przekroje;
};

const tWymiar Wymiary[] = {
    {"a -", "szer. opaski zewnętrznej lub pobocza (L/P)", tRodzajWiersza::Para, &tObiektMostowy::a1,
     &tObiektMostowy::a2, ZbiorPrzekrojow({0, 1, 2, 3, 4, 5, 6})},
    {"b -", "szer. użytkowa jezdni", tRodzajWiersza::Liczba, &tObiektMostowy::b, nullptr,
     ZbiorPrzekrojow({0, 1, 2, 3, 4, 5, 6})},
    {"B -", "rozstaw osiowy skrajnych dźwigarów głównych", tRodzajWiersza::Liczba, &tObiektMostowy::B, nullptr,
     ZbiorPrzekrojow({0, 1, 2, 5, 6})},
    {"c -", "szer. chodnika (L/P)", tRodzajWiersza::Para, &tObiektMostowy::c1, &tObiektMostowy::c2,
     ZbiorPrzekrojow({0, 2, 3, 5, 6})},
    {"e -", "wysięg wspornika płyty (L/P)", tRodzajWiersza::Para, &tObiektMostowy::e1, &tObiektMostowy::e2,
     ZbiorPrzekrojow({0, 1, 3, 5, 6})},
    {"g -", "szer. dźwigara w obiekcie dwudźwigarowym z jezdnią dolną lub szer. bariery ochronnej(L/P)",
     tRodzajWiersza::Para, &tObiektMostowy::g1, &tObiektMostowy::g2, ZbiorPrzekrojow({2, 5, 6})},
    {"k -", "szer. krawężnika bezpieczeństwa konstrukcji(L/P)", tRodzajWiersza::Para, &tObiektMostowy::k1,
     &tObiektMostowy::k2, ZbiorPrzekrojow({2, 5, 6})},
    {"n -", "liczba dźwigarów głównych lub pasm płytowych", tRodzajWiersza::Calkowita, nullptr, nullptr,
     ZbiorPrzekrojow({0, 1, 5})},
    {"P -", "szer. płyty pomostu", tRodzajWiersza::Liczba, &tObiektMostowy::P, nullptr,
     ZbiorPrzekrojow({3, 4, 6})},
};

}  // namespace

std::vector<tWierszTabeli> WierszeDanychWyjsciowych(const tObiektMostowy& o)
{
    std::string dlugosci;
    for (int i = 1; i <= o.LiczbaElementow; ++i) dlugosci += Format(" %0.2f", {o.Elementy[i].Dlugosc});
    const std::string pozycje[][3] = {
        {"2.1.", "Normatyw projektowania", NazwaNormatywu(o.Normatyw)},
        {"2.2.", "Klasa obciążenia normowego", NazwaKlasy(o.Normatyw, o.Klasa)},
        {"2.3.", "Schemat statyczny konstrukcji obiektu", NazwaSchematu(o.Schemat)},
        {"2.4.", "Model przekroju poprzecznego przesła ", NazwaPrzekroju(o.Przekroj)},
        {"2.5.", "Rozpiętość teoretyczna przęseł [m]", dlugosci},
    };
    std::vector<tWierszTabeli> wiersze;
    for (const auto& p : pozycje) wiersze.push_back({SzerokosciPozycji, Format(WzorPozycji, {p[0], p[1], p[2]})});
    return wiersze;
}

std::vector<tWierszTabeli> WierszeWymiarow(const tObiektMostowy& o)
{
    std::vector<tWierszTabeli> wiersze;
    for (const auto& w : Wymiary) {
        if (!NalezyDoZbioru(w.Przekroje, o.Przekroj)) continue;
        std::string komorki;
        switch (w.Rodzaj) {
        case tRodzajWiersza::Liczba: komorki = Format(WzorLiczby, {w.Symbol, w.Etykieta, o.*w.Lewa}); break;
        case tRodzajWiersza::Calkowita: komorki = Format(WzorCalkowitej, {w.Symbol, w.Etykieta, o.n}); break;
        case tRodzajWiersza::Para:
            komorki = Format(WzorPary, {w.Symbol, w.Etykieta, o.*w.Lewa, o.*w.Prawa});
            break;
        }
        wiersze.push_back({SzerokosciWymiaru, komorki});
    }
    return wiersze;
}

std::string TekstKontrolny(std::string_view JNI, std::string_view NrP, int LiczbaElementow,
                           const std::vector<std::string>& KomorkiWierszy, std::string_view Nosnosc)
{
    std::string t;
    t.append(JNI).append(NrP).append(std::to_string(LiczbaElementow));
    for (const auto& k : KomorkiWierszy) t += k;
    t.append(Nosnosc);
    return t;
}

std::string KodKontrolny(std::string_view Tekst) { return MD5Hex(Utf8DoCp1250(Tekst)); }

std::string TekstNosnosci(const tObiektMostowy& Obiekt) { return LiczbaStala(Obiekt.PodajMase(), 2); }

namespace {

void Wyrownaj(TRtfDoc& doc, tWyrownanieAkapitu w)
{
    switch (w) {
    case tWyrownanieAkapitu::DoLewej: doc.AlignLeft(); break;
    case tWyrownanieAkapitu::DoPrawej: doc.AlignRight(); break;
    case tWyrownanieAkapitu::DoSrodka: doc.AlignCenter(); break;
    }
}

// Treść od otwarcia do zamknięcia dokumentu: części układu czcionką stałej szerokości,
// teksty jako dosłowny tekst RTF.
void PiszUklad(TRtfDoc& doc, const tUkladRaportu& u)
{
    doc.SetFixedFont();
    for (const tCzescRaportu& c : u.Czesci) {
        doc.SetPlain();
        if (c.Pogrubiony) doc.SetBold();
        doc.SetFontSize(c.Rozmiar);
        switch (c.Rodzaj) {
        case tRodzajCzesci::Wyrownanie: Wyrownaj(doc, c.Wyrownanie); break;
        case tRodzajCzesci::Akapit: doc.WriteParagraph(TekstRtf(c.Tekst)); break;
        case tRodzajCzesci::Przebieg: doc.WriteText(TekstRtf(c.Tekst)); break;
        case tRodzajCzesci::PustyAkapit: doc.WriteParBreak(); break;
        case tRodzajCzesci::WierszTabeli: doc.WriteTableRow(c.Szerokosci, TekstRtf(c.Tekst)); break;
        case tRodzajCzesci::Szpalty:
            for (const char* slowo : {"\\sect", "\\sectd", "\\cols2"}) doc.WriteRaw(slowo);
            break;
        }
    }
}

}  // namespace

std::string DokumentRaportu(const tTrescRaportu& Tresc, bool BezJawnegoQl)
{
    const tUkladRaportu u = UkladRaportu(Tresc);
    std::string bajty;
    TRtfDoc doc;
    doc.BezJawnegoQl = BezJawnegoQl;
    doc.OpenPamiec(bajty, TekstRtf(u.Naglowek), TekstRtf(u.Stopka), true);
    PiszUklad(doc, u);
    doc.Close();
    return bajty;
}

tTrescRaportu TrescRaportu(const tObiektMostowy& Obiekt, const tInfoObiektu& Info, const std::string& Dzis)
{
    // Teksty z zewnątrz (dane obiektu, data z wiersza poleceń) bez znaków sterujących i
    // błędnego UTF-8: w dokumencie i w kodzie kontrolnym stoi wtedy ten sam tekst.
    tTrescRaportu t;
    const std::string* dane[] = {&Info.JNI, &Info.NrP, &Info.Droga, &Info.Km, &Info.Najblizsza, &Info.Przeszkoda};
    for (int i = 0; i < 6; ++i) t.Identyfikacja[i] = TekstWidoczny(*dane[i]);
    t.Data = TekstWidoczny(Dzis);
    t.Dane = WierszeDanychWyjsciowych(Obiekt);
    t.Wymiary = WierszeWymiarow(Obiekt);
    t.Nosnosc = TekstNosnosci(Obiekt);
    SladKopiuj(t.Slad);
    std::vector<std::string> komorki;
    for (const auto* tabela : {&t.Dane, &t.Wymiary})
        for (const auto& w : *tabela) komorki.push_back(w.Komorki);
    t.Kod = KodKontrolny(TekstKontrolny(t.Identyfikacja[0], t.Identyfikacja[1], Obiekt.LiczbaElementow, komorki, t.Nosnosc));
    return t;
}

bool ZapiszRaport(const tTrescRaportu& Tresc, const std::string& FileName)
{
    const tUkladRaportu u = UkladRaportu(Tresc);
    TRtfDoc doc;
    if (!doc.Open(FileName, TekstRtf(u.Naglowek), TekstRtf(u.Stopka), true)) return false;
    PiszUklad(doc, u);
    return doc.Close();
}

bool UtworzRaport(const tObiektMostowy& Obiekt, const std::string& JNI, const std::string& NrP,
                  const std::string& Droga, const std::string& Km, const std::string& Najblizsza,
                  const std::string& Przeszkoda, const std::string& FileName, const std::string& Dzis)
{
    return ZapiszRaport(TrescRaportu(Obiekt, {JNI, NrP, Droga, Km, Najblizsza, Przeszkoda}, Dzis), FileName);
}

namespace {

// "R@1.RTF" → pierwsza wolna z "R@1_2.RTF", "R@1_3.RTF"…
std::string NastepnaWolnaNazwa(const std::string& plik)
{
    const std::string rdzen = plik.substr(0, plik.size() - 4);  // bez ".RTF"
    std::string nazwa;
    std::error_code blad;
    for (int n = 2;; ++n)
        if (nazwa = rdzen + "_" + std::to_string(n) + ".RTF"; !std::filesystem::exists(SciezkaUtf8(nazwa), blad)) return nazwa;
}

// Kroki polecenia; Plik daje nazwę pliku po ustaleniu numeru przęsła, a pusty Plik (podgląd)
// kończy na treści raportu, bez pliku. Raport o tej nazwie z inną treścią (choćby z inną datą)
// nie jest zastępiony bez pytania, gdy Pytanie jest; ten sam raport nie jest pisany drugi raz.
tWynikRaportu WykonajRaport(const tInfoObiektu& Info, const std::function<void(tObiektMostowy&)>& Wypelnij,
                            const std::function<std::string()>& Plik, const std::string& Dzis,
                            const tPytanieORaport& Pytanie = {})
{
    tWynikRaportu wynik;
    if (Info.JNI.empty()) {
        wynik.Komunikat = KomBrakJNI;
        return wynik;
    }
    // JNI trafia do nazwy pliku: tylko taki, jaki przyjmuje okno identyfikacji.
    if (!PoprawnyJNI(Info.JNI)) {
        wynik.Komunikat = KomZlyJNI;
        return wynik;
    }
    // Numer przęsła trafia do nazwy pliku i kodu kontrolnego: tylko taki, jaki przyjmuje okno
    // identyfikacji, bez zamiany nieliczby na przęsło 1 (raport poświadczałby inne przęsło).
    if (!PoprawnyNrP(Info.NrP)) {
        wynik.Komunikat = KomZlyNrP;
        return wynik;
    }
    const std::string plik = Plik ? Plik() : std::string();

    auto obiekt = std::make_unique<tObiektMostowy>();
    Wypelnij(*obiekt);
    if (!SprawdzIOblicz(*obiekt).Poprawne()) {
        wynik.Komunikat = KomBledneDane;
        return wynik;
    }
    wynik.Tresc = TrescRaportu(*obiekt, Info, Dzis);
    wynik.Gotowy = true;
    if (!Plik) return wynik;
    wynik.Plik = plik;
    if (std::string stary, komunikat; Pytanie && CzytajPlik(plik, LimitRaportu, stary, komunikat) != tStanOdczytu::Brak) {
        if (stary == DokumentRaportu(wynik.Tresc)) {
            wynik.Zapisany = true;
            return wynik;
        }
        const std::string obok = NastepnaWolnaNazwa(plik);
        switch (Pytanie(plik, obok)) {
        case tIstniejacyRaport::Zastap: break;
        case tIstniejacyRaport::ZachowajOba: wynik.Plik = obok; break;
        default: wynik.Plik.clear(); wynik.Anulowany = true; return wynik;
        }
    }
    if (!ZapiszRaport(wynik.Tresc, wynik.Plik)) {
        wynik.Plik.clear();
        wynik.Komunikat = KomBladZapisu;
        wynik.BladZapisu = true;
        return wynik;
    }
    wynik.Zapisany = true;
    return wynik;
}

}  // namespace

tWynikRaportu PolecenieRaport(const tInfoObiektu& Info, const std::function<void(tObiektMostowy&)>& Wypelnij,
                              const std::string& KatalogRaportow, const std::string& Dzis, const tPytanieORaport& Pytanie)
{
    return WykonajRaport(
        Info, Wypelnij,
        [&] {
            std::error_code blad;
            std::filesystem::create_directories(SciezkaUtf8(KatalogRaportow), blad);  // błąd wyjdzie przy otwarciu pliku
            return KatalogRaportow + "/" + Info.JNI + "@" + Info.NrP + ".RTF";
        },
        Dzis, Pytanie);
}

tWynikRaportu RaportDoPliku(const tInfoObiektu& Info, const std::function<void(tObiektMostowy&)>& Wypelnij,
                            const std::string& Plik, const std::string& Dzis)
{
    return WykonajRaport(Info, Wypelnij, [&] { return Plik; }, Dzis);
}

tWynikRaportu PodgladRaportu(const tInfoObiektu& Info, const std::function<void(tObiektMostowy&)>& Wypelnij,
                             const std::string& Dzis)
{
    return WykonajRaport(Info, Wypelnij, {}, Dzis);
}
