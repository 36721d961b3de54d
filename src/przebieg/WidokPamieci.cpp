#include "przebieg/WidokPamieci.h"

namespace {
int Indeks(tLista lista) { return static_cast<int>(lista); }
bool PoprawnePole(tPole pole) { return pole >= 0 && pole < LiczbaPol; }
}  // namespace

tWidokPamieci::tWidokPamieci()
{
    // Pola nowego okna: zero, przycięte do zakresu (liczba przęseł od 1).
    for (int p = 0; p < LiczbaPol; ++p) Pola[p] = WartoscUstawiana(static_cast<tPole>(p), 0);
    PoleWidoczne.fill(true);
    PodpisWidoczny.fill(true);
}

void tWidokPamieci::UstawPozycjeListy(tLista lista, const std::vector<std::string>& pozycje)
{
    Listy[Indeks(lista)].Pozycje = pozycje;
    Listy[Indeks(lista)].Wybor = -1;
}

int tWidokPamieci::LiczbaPozycjiListy(tLista lista) const
{
    return static_cast<int>(Listy[Indeks(lista)].Pozycje.size());
}

void tWidokPamieci::UstawWybor(tLista lista, int pozycja)
{
    auto& l = Listy[Indeks(lista)];
    l.Wybor = pozycja >= 0 && pozycja < static_cast<int>(l.Pozycje.size()) ? pozycja : -1;
}

int tWidokPamieci::Wybor(tLista lista) const { return Listy[Indeks(lista)].Wybor; }

double tWidokPamieci::Wartosc(tPole pole) const { return PoprawnePole(pole) ? Pola[pole] : 0.0; }

void tWidokPamieci::UstawWartosc(tPole pole, double wartosc)
{
    if (PoprawnePole(pole)) Pola[pole] = WartoscUstawiana(pole, wartosc);
}

void tWidokPamieci::UstawWartoscWpisana(tPole pole, double wartosc)
{
    if (PoprawnePole(pole)) Pola[pole] = wartosc;
}

void tWidokPamieci::PokazPole(tPole pole, bool widoczne)
{
    if (pole >= 0 && pole < PierwszePoleDlugosci) PoleWidoczne[pole] = widoczne;
}

void tWidokPamieci::PokazPodpisWiersza(tWierszPol wiersz, bool widoczny)
{
    if (wiersz >= 0 && wiersz < LiczbaWierszyPol) PodpisWidoczny[wiersz] = widoczny;
}

void tWidokPamieci::UstawWierszePrzesel(const std::vector<tWierszPrzesla>& wiersze) { WierszePrzesel = wiersze; }

void tWidokPamieci::UkryjKomunikaty()
{
    Komunikaty.clear();
    KomunikatyWidoczne = false;
    KomunikatyBledu = false;
}

void tWidokPamieci::PokazKomunikaty(const std::vector<std::string>& linie, bool blad)
{
    Komunikaty = linie;
    KomunikatyWidoczne = true;
    KomunikatyBledu = blad;
}

void tWidokPamieci::PokazKomunikat(const std::string& tytul, const std::string& tekst, tIkona ikona)
{
    OknaKomunikatow.push_back({tytul, tekst, ikona});
}

void tWidokPamieci::OznaczBlad(tPole pole, bool blad)
{
    if (PoprawnePole(pole)) Oznaczone[pole] = blad;
}

tOdpowiedz tWidokPamieci::Zapytaj(const std::string& tytul, const std::string& tekst, bool)
{
    OknaKomunikatow.push_back({tytul, tekst, tIkona::Ostrzezenie});
    return Odpowiedz;
}
