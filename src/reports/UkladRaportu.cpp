#include "reports/UkladRaportu.h"

#include "reports/Raport.h"

namespace {

const char* const NaglowekStrony = "JNI: ";
const char* const Wypelnienie = "....................";
const char* const Osoby[] = {"   Oddziałowy Inspektor Mostowy       : ", "   Naczelnik Wydziału Mostów          : ",
                               "   Dyrektor Oddziału                  : "};

// Kolejne części z bieżącym krojem pisma, jak zmienia go pisanie dokumentu.
class tBudowa {
public:
    explicit tBudowa(tUkladRaportu& u) : u_(u) {}
    void Rozmiar(int punkty) { rozmiar_ = punkty; }
    void Pogrubienie(bool tak) { pogrubiony_ = tak; }
    void Wyrownaj(tWyrownanieAkapitu w) { Dodaj(tRodzajCzesci::Wyrownanie, {}).Wyrownanie = w; }
    void Akapit(std::string tekst) { Dodaj(tRodzajCzesci::Akapit, std::move(tekst)); }
    void Przebieg(std::string tekst) { Dodaj(tRodzajCzesci::Przebieg, std::move(tekst)); }
    void Szpalty() { Dodaj(tRodzajCzesci::Szpalty, {}); }
    void Przerwy(int ile)
    {
        for (int i = 0; i < ile; ++i) Dodaj(tRodzajCzesci::PustyAkapit, {});
    }
    void Tabela(const std::vector<tWierszTabeli>& wiersze)
    {
        for (const tWierszTabeli& w : wiersze) Dodaj(tRodzajCzesci::WierszTabeli, w.Komorki).Szerokosci = w.Szerokosci;
    }
    // Nagłówek sekcji: pogrubiony akapit i pusty akapit pod nim.
    void Naglowek(const char* tekst)
    {
        Pogrubienie(true);
        Akapit(tekst);
        Pogrubienie(false);
        Przerwy(1);
    }

private:
    tCzescRaportu& Dodaj(tRodzajCzesci rodzaj, std::string tekst)
    {
        tCzescRaportu c;
        c.Rodzaj = rodzaj;
        c.Tekst = std::move(tekst);
        c.Rozmiar = rozmiar_;
        c.Pogrubiony = pogrubiony_;
        u_.Czesci.push_back(std::move(c));
        return u_.Czesci.back();
    }

    tUkladRaportu& u_;
    int rozmiar_ = 12;
    bool pogrubiony_ = false;
};

void Tytul(tBudowa& b, const tTrescRaportu& t)
{
    b.Wyrownaj(tWyrownanieAkapitu::DoPrawej);
    b.Rozmiar(12);
    b.Akapit("Data " + t.Data);
    b.Przerwy(2);
    b.Wyrownaj(tWyrownanieAkapitu::DoLewej);
    b.Akapit("DAZOZIZOV UVIDIRUR IDUD");
    b.Akapit("KRAJOWYCH I AUTOSTRAD");
    b.Akapit(std::string("Oddział w ") + Wypelnienie);
    b.Przerwy(4);
    b.Wyrownaj(tWyrownanieAkapitu::DoSrodka);
    b.Rozmiar(16);
    b.Pogrubienie(true);
    b.Akapit("RAPORT");
    b.Akapit("z określenia nośności użytkowej");
    b.Akapit("drogowego obiektu mostowego");
    b.Pogrubienie(false);
    b.Rozmiar(10);
    b.Wyrownaj(tWyrownanieAkapitu::DoLewej);
    b.Przerwy(5);
}

// Sekcje 1–5: identyfikacja, dane, wymiary, sposób ustalenia nośności i nośność.
void Dane(tBudowa& b, const tTrescRaportu& t)
{
    b.Naglowek("1. LOKALIZACJA OBIEKTU");
    for (int i = 0; i < 6; ++i) b.Akapit(EtykietyLokalizacji[i] + t.Identyfikacja[i]);
    b.Przerwy(2);
    b.Naglowek("2. DANE WYJŚCIOWE");
    b.Tabela(t.Dane);
    b.Przerwy(2);
    b.Naglowek("3. PARAMETRY GEOMETRYCZNE PRZEKROJU POPRZECZNEGO PRZĘSŁA ([m])");
    b.Tabela(t.Wymiary);
    b.Przerwy(2);
    b.Naglowek("4. SPOSÓB USTALENIA NOŚNOŚCI UŻYTKOWEJ");
    b.Akapit("   Metoda uproszczona KWS-IBDiM z wykorzystaniem programu");
    b.Akapit("   Pontiva firmy Vantor");
    b.Akapit(std::string("   Inny sposób : ") + Wypelnienie);
    b.Przerwy(2);
    b.Naglowek("5. PONTIVA OBIEKTU");
    b.Przebieg("Obliczona Pontiva obiektu mostowego  [T] :  ");
    b.Pogrubienie(true);
    b.Akapit(t.Nosnosc);
    b.Pogrubienie(false);
    b.Przerwy(1);
}

// Sekcje 6–8: miejsca na uwagi i podpisy.
void Podpisy(tBudowa& b)
{
    b.Pogrubienie(true);
    b.Akapit("6. UWAGI");
    b.Pogrubienie(false);
    for (int i = 0; i < 4; ++i) b.Akapit(std::string(70, '.'));
    b.Przerwy(1);
    b.Pogrubienie(true);
    b.Akapit("7. WYKONAWCA OBLICZEŃ");
    b.Pogrubienie(false);
    b.Przerwy(2);
    b.Akapit(std::string("   Imię i nazwisko wykonawcy obliczeń : ") + Wypelnienie);
    b.Przerwy(2);
    b.Pogrubienie(true);
    b.Akapit("8. Z WYNIKAMI OBLICZEŃ ZAPOZNALI SIĘ");
    b.Pogrubienie(false);
    for (const char* podpis : Osoby) {
        b.Przerwy(3);
        b.Akapit(podpis + std::string(Wypelnienie));
    }
}

// Załącznik w dwóch szpaltach: ślad obliczeń i kod kontrolny.
void Zalacznik(tBudowa& b, const tTrescRaportu& t)
{
    b.Szpalty();
    b.Pogrubienie(true);
    b.Rozmiar(14);
    b.Akapit("ZAŁĄCZNIK DO RAPORTU");
    b.Przerwy(1);
    b.Rozmiar(12);
    b.Akapit("Wydruk śladu obliczeń");
    b.Rozmiar(10);
    b.Pogrubienie(false);
    b.Przerwy(2);
    for (const std::string& linia : t.Slad) b.Akapit(linia);
    b.Przerwy(2);
    b.Rozmiar(8);
    b.Akapit("MAC [" + t.Kod + "]");
    b.Przerwy(1);
    b.Akapit("[KONIEC ŚLADU OBLICZEŃ]");
}

}  // namespace

tUkladRaportu UkladRaportu(const tTrescRaportu& Tresc)
{
    tUkladRaportu u;
    u.Naglowek = NaglowekStrony + Tresc.Identyfikacja[0];
    u.Stopka = Tresc.Data;
    tBudowa b(u);
    Tytul(b, Tresc);
    Dane(b, Tresc);
    Podpisy(b);
    Zalacznik(b, Tresc);
    return u;
}
