#include "system/Pliki.h"

#include <cstdint>
#include <cstdio>
#include <ctime>
#include <vector>

#include "system/System.h"

namespace {

const char* const KomNieMoznaOdczytac = "Nie można odczytać pliku: ";
const char* const KomNieZwykly = "To nie jest zwykły plik: ";
const char* const KomZaDuzy = "Plik jest za duży (ponad %zu MiB): ";
const char* const KomNieMoznaZapisac = "Nie można zapisać pliku: ";
const char* const KomTylkoDoOdczytu = "Plik jest tylko do odczytu: ";
const char* const KomNieMoznaOdlozyc = "Nie można zmienić nazwy pliku: ";
const char* const KomWyjscieToWejscie = "Plik wyjściowy jest plikiem wejściowym: ";
const char* const PowodBrakMiejsca = " (brak miejsca na dysku)";
const char* const PowodBrakUprawnien = " (brak uprawnień)";
const char* const PowodZaDlugaNazwa = " (za długa nazwa)";
const char* const PowodZajety = " (plik jest otwarty w innym programie)";
const char* const PowodNiedozwolonaNazwa = " (niedozwolona nazwa pliku)";
const char* const PowodPetla = " (pętla dowiązań symbolicznych)";
const char* const PowodKatalog = " (to jest katalog)";
const char* const PowodBrakKatalogu = " (nie ma takiego katalogu)";
const char* const PowodZaDuzyPlik = " (plik przekroczyłby największą wielkość dozwoloną w systemie)";
const char* const KomWierszZaDlugi = "Wiersz dłuższy niż %zu KiB w pliku: ";
const char* const PowodZniknal = " (plik tymczasowy usunął w trakcie zapisu inny program)";

// Przedrostek nazw plików tymczasowych programu; za nim skrót nazwy celu i 6 znaków mkstemp.
const char* const PrzedrostekTymczasowych = ".pontiva-";
constexpr int MaksDowiazan = 40;
constexpr std::size_t Porcja = std::size_t{1} << 16;

std::string Powod(os::tBlad b)
{
    switch (b) {
    case os::tBlad::NieMa: return PowodBrakKatalogu;
    case os::tBlad::BrakMiejsca: return PowodBrakMiejsca;
    case os::tBlad::BrakUprawnien: return PowodBrakUprawnien;
    case os::tBlad::ZaDlugaNazwa: return PowodZaDlugaNazwa;
    case os::tBlad::Zajety: return PowodZajety;
    case os::tBlad::NiedozwolonaNazwa: return PowodNiedozwolonaNazwa;
    case os::tBlad::ZaDuzyPlik: return PowodZaDuzyPlik;
    default: return {};
    }
}

std::string Katalog(const std::string& sciezka)
{
    const auto u = sciezka.find_last_of(os::SeparatoryKatalogow());
    if (u == std::string::npos) return ".";
    return u == 0 ? "/" : sciezka.substr(0, u);
}

std::string Nazwa(const std::string& sciezka)
{
    const auto u = sciezka.find_last_of(os::SeparatoryKatalogow());
    return u == std::string::npos ? sciezka : sciezka.substr(u + 1);
}

// Cel za dowiązaniami symbolicznymi (dowiązanie zostaje, zapisujemy plik, na który wskazuje);
// false, gdy łańcuch dowiązań się nie kończy (pętla): takiego celu nie zastępujemy.
bool CelDowiazan(std::string sciezka, std::string& wynik)
{
    std::string cel;
    for (int i = 0; i < MaksDowiazan && os::Dowiazanie(sciezka, cel); ++i)
        sciezka = !cel.empty() && cel.front() == '/' ? cel : Katalog(sciezka) + "/" + cel;
    wynik = sciezka;
    return !os::Dowiazanie(sciezka, cel);
}

// Wzór nazw plików tymczasowych jednego celu: krótki, niezależny od długości nazwy celu.
std::string PrzedrostekCelu(const std::string& nazwa)
{
    std::uint32_t h = 2166136261u;  // FNV-1a
    for (unsigned char z : nazwa) h = (h ^ z) * 16777619u;
    char skrot[9];
    std::snprintf(skrot, sizeof skrot, "%08x", static_cast<unsigned>(h));
    return std::string(PrzedrostekTymczasowych) + skrot + "-";
}

}  // namespace

tStanOdczytu CzytajPlik(const std::string& sciezka, std::size_t limit, std::string& bajty, std::string& komunikat)
{
    os::tBlad blad = os::tBlad::Brak;
    switch (os::CzytajZwykly(sciezka, limit, bajty, blad)) {
    case os::tOdczyt::Przeczytany: return tStanOdczytu::Przeczytany;
    case os::tOdczyt::NieMa: komunikat = KomNieMoznaOdczytac + sciezka; return tStanOdczytu::Brak;
    case os::tOdczyt::NieZwykly: komunikat = KomNieZwykly + sciezka; break;
    case os::tOdczyt::ZaDuzy: {
        char tekst[96];
        std::snprintf(tekst, sizeof tekst, KomZaDuzy, limit >> 20);
        komunikat = tekst + sciezka;
        break;
    }
    case os::tOdczyt::Blad: komunikat = KomNieMoznaOdczytac + sciezka + Powod(blad); break;
    }
    return tStanOdczytu::Blad;
}

std::string OdmowaWyjsciaNaWejscie(const std::string& wyjscie, const std::vector<std::string>& wejscia)
{
    // Wyjścia, którego nie ma, nie ma też wśród wejść.
    if (os::Opis(wyjscie).Rodzaj == os::tRodzaj::NieMa) return {};
    for (const auto& w : wejscia)
        if (os::TenSamPlik(w, wyjscie)) return KomWyjscieToWejscie + wyjscie;
    return {};
}

tCzytnikWierszy::~tCzytnikWierszy()
{
    os::tBlad blad = os::tBlad::Brak;
    if (plik_ >= 0) os::Zamknij(plik_, blad);
}

bool tCzytnikWierszy::Otworz(const std::string& sciezka)
{
    sciezka_ = sciezka;
    os::tOdczyt stan = os::tOdczyt::Przeczytany;
    os::tBlad blad = os::tBlad::Brak;
    plik_ = os::OtworzStrumien(sciezka, stan, blad);
    if (plik_ >= 0) return true;
    komunikat_ = stan == os::tOdczyt::NieZwykly ? KomNieZwykly + sciezka
                 : stan == os::tOdczyt::NieMa     ? KomNieMoznaOdczytac + sciezka
                                                  : KomNieMoznaOdczytac + sciezka + Powod(blad);
    return false;
}

tCzytnikWierszy::tStan tCzytnikWierszy::ZaDlugi()
{
    char tekst[96];
    std::snprintf(tekst, sizeof tekst, KomWierszZaDlugi, limit_ >> 10);
    komunikat_ = tekst + sciezka_;
    return tStan::Blad;
}

tCzytnikWierszy::tStan tCzytnikWierszy::Nastepny(std::string& wiersz)
{
    for (;;) {
        const size_t lf = bufor_.find('\n', pozycja_);
        const size_t koniec = lf != std::string::npos ? lf : koniecPliku_ ? bufor_.size() : std::string::npos;
        // Wiersz (z CR przed LF) dłuższy niż limit nie zostaje w pamięci, nawet niedokończony.
        if ((koniec == std::string::npos ? bufor_.size() : koniec) - pozycja_ > limit_ + 1) return ZaDlugi();
        if (koniec != std::string::npos) {
            if (lf == std::string::npos && pozycja_ == bufor_.size()) return tStan::Koniec;
            wiersz.assign(bufor_, pozycja_, koniec - pozycja_);
            if (!wiersz.empty() && wiersz.back() == '\r') wiersz.pop_back();
            pozycja_ = lf == std::string::npos ? bufor_.size() : lf + 1;
            return wiersz.size() <= limit_ ? tStan::Wiersz : ZaDlugi();
        }
        if (plik_ < 0) return tStan::Blad;
        // Przeczytana część bufora odchodzi, zanim dojdzie następna porcja.
        bufor_.erase(0, pozycja_);
        pozycja_ = 0;
        const size_t stary = bufor_.size();
        bufor_.resize(stary + Porcja);
        os::tBlad blad = os::tBlad::Brak;
        const long long n = os::CzytajKawalek(plik_, bufor_.data() + stary, Porcja, blad);
        bufor_.resize(stary + static_cast<size_t>(n > 0 ? n : 0));
        if (n < 0) {
            komunikat_ = KomNieMoznaOdczytac + sciezka_ + Powod(blad);
            return tStan::Blad;
        }
        koniecPliku_ = n == 0;
    }
}

bool tZapisAtomowy::Blad(const std::string& komunikat)
{
    komunikat_ = komunikat;
    Porzuc();
    return false;
}

bool tZapisAtomowy::Otworz(const std::string& sciezka)
{
    Porzuc();
    komunikat_.clear();
    bufor_.clear();
    sciezka_ = sciezka;
    const bool koniecDowiazan = CelDowiazan(sciezka, cel_);
    katalog_ = Katalog(cel_);
    const os::tOpis opis = os::Opis(cel_);
    if (!koniecDowiazan) return Blad(KomNieZwykly + sciezka + PowodPetla);
    if (opis.Rodzaj == os::tRodzaj::Katalog) return Blad(KomNieMoznaZapisac + sciezka + PowodKatalog);
    if (opis.Rodzaj != os::tRodzaj::NieMa && opis.Rodzaj != os::tRodzaj::Zwykly)
        return Blad(KomNieZwykly + sciezka);
    if (opis.Rodzaj == os::tRodzaj::Zwykly && opis.TylkoDoOdczytu) return Blad(KomTylkoDoOdczytu + sciezka);

    tymczasowy_ = katalog_ + "/" + PrzedrostekCelu(Nazwa(cel_)) + "XXXXXX";
    os::tBlad blad = os::tBlad::Brak;
    plik_ = os::UtworzTymczasowy(tymczasowy_, blad);
    if (plik_ < 0) return Blad(KomNieMoznaZapisac + sciezka + Powod(blad));
    // Prawa jak dotychczasowego pliku albo zwykłego nowego (mkstemp daje 0600).
    os::UstawTryb(plik_, opis.Rodzaj == os::tRodzaj::Zwykly ? opis.Tryb : os::TrybNowegoPliku());
    dobrze_ = true;
    return true;
}

bool tZapisAtomowy::Oproznij()
{
    os::tBlad blad = os::tBlad::Brak;
    if (dobrze_ && !bufor_.empty() && !os::Pisz(plik_, bufor_, blad)) {
        komunikat_ = KomNieMoznaZapisac + sciezka_ + Powod(blad);
        dobrze_ = false;
    }
    bufor_.clear();
    return dobrze_;
}

void tZapisAtomowy::Dopisz(std::string_view bajty)
{
    if (plik_ < 0 || !dobrze_) return;
    bufor_.append(bajty);
    if (bufor_.size() >= Porcja) Oproznij();
}

bool tZapisAtomowy::Zatwierdz()
{
    if (plik_ < 0) return false;
    os::tBlad blad = os::tBlad::Brak;
    if (!Oproznij()) return Blad(komunikat_);
    const bool zapisany = os::Synchronizuj(plik_, blad);
    const bool zamkniety = os::Zamknij(plik_, blad);
    plik_ = -1;
    if (!zapisany || !zamkniety || !os::ZmienNazwe(tymczasowy_, cel_, blad)) {
        os::Usun(tymczasowy_);
        // Brak przy zmianie nazwy: plik tymczasowy usunięto w trakcie zapisu.
        komunikat_ = KomNieMoznaZapisac + sciezka_ + (blad == os::tBlad::NieMa ? PowodZniknal : Powod(blad));
        return false;
    }
    os::SynchronizujKatalog(katalog_);
    // Pozostałości przerwanych zapisów tego samego celu.
    const std::string przedrostek = PrzedrostekCelu(Nazwa(cel_));
    for (const auto& n : os::NazwyWKatalogu(katalog_))
        if (n.size() == przedrostek.size() + 6 && n.compare(0, przedrostek.size(), przedrostek) == 0)
            os::UsunPorzucony(katalog_ + "/" + n);
    return true;
}

void tZapisAtomowy::Porzuc()
{
    if (plik_ < 0) return;
    os::tBlad blad = os::tBlad::Brak;
    os::Zamknij(plik_, blad);
    os::Usun(tymczasowy_);
    plik_ = -1;
}

bool ZapiszPlik(const std::string& sciezka, std::string_view bajty, std::string& komunikat)
{
    tZapisAtomowy z;
    if (z.Otworz(sciezka)) {
        z.Dopisz(bajty);
        if (z.Zatwierdz()) return true;
    }
    komunikat = z.Komunikat();
    return false;
}

bool OdlozNaBok(const std::string& sciezka, std::string& nowa, std::string& komunikat)
{
    const std::tm t = os::CzasLokalny(std::time(nullptr));
    char data[40];
    std::snprintf(data, sizeof data, ".%04d-%02d-%02d_%02d%02d%02d", t.tm_year + 1900, t.tm_mon + 1, t.tm_mday, t.tm_hour,
                  t.tm_min, t.tm_sec);
    nowa = sciezka + data;
    for (int i = 2; i < 100 && os::Opis(nowa).Rodzaj != os::tRodzaj::NieMa; ++i) nowa = sciezka + data + "-" + std::to_string(i);
    os::tBlad blad = os::tBlad::Brak;
    if (os::Opis(nowa).Rodzaj == os::tRodzaj::NieMa && os::ZmienNazwe(sciezka, nowa, blad)) return true;
    komunikat = KomNieMoznaOdlozyc + sciezka + Powod(blad);
    return false;
}
