#pragma once
// Testy przebiegu: obiekt opisany tak, jak go opisuje okno (listy, czternaście pól
// szerokości, długości wierszy edytora), i okno w pamięci z przebiegiem.
#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "Wspolne.h"
#include "przebieg/Przebieg.h"
#include "przebieg/WidokPamieci.h"

using namespace testy;

struct tOpisObiektu {
    int Normatyw = 5, Klasa = 1, Przekroj = 0, Schemat = 0, Przesla = 1;
    // A1 A2 B BB C1 C2 E1 E2 K1 K2 P G1 G2 N; c1 + a1 + b + a2 + c2 = e1 + B + e2 = 11 m
    std::vector<double> Szerokosci = {0.5, 0.5, 7.0, 8.4, 1.5, 1.5, 1.3, 1.3, 0, 0, 0, 0, 0, 5};
    std::vector<double> Dlugosci = {0, 18, 0};
};

// Okno w pamięci z przebiegiem; okno z pliku to tOkno po WczytajDane.
struct tOkno {
    std::unique_ptr<tWidokPamieci> w = std::make_unique<tWidokPamieci>();
    std::unique_ptr<tGlownyPrzebieg> p = std::make_unique<tGlownyPrzebieg>(*w);
    tOkno() = default;
    explicit tOkno(const std::string& plik) { p->WczytajDane(plik); }
    explicit tOkno(const tOpisObiektu& o) { Ustaw(o); }

    // Wybory czterech list w kolejności tLista.
    std::vector<int> Wybory() const { return {w->Listy[0].Wybor, w->Listy[1].Wybor, w->Listy[2].Wybor, w->Listy[3].Wybor}; }
    // Pokazane okna komunikatów: tytuł|tekst|ikona (I informacja, O ostrzeżenie), po ";".
    std::string Okienka() const
    {
        std::string t;
        for (const auto& k : w->OknaKomunikatow) t += k.Tytul + "|" + k.Tekst + (k.Ikona == tIkona::Informacja ? "|I;" : "|O;");
        return t;
    }

    // Listy i pola tak, jak by je ustawił użytkownik (bez przeliczenia).
    void Ustaw(const tOpisObiektu& o)
    {
        w->UstawWybor(tLista::CBSchemat, o.Schemat);
        w->UstawWartosc(IlePrzesel, o.Przesla);
        w->UstawWybor(tLista::CBNormatyw, o.Normatyw);
        RegulaListyKlas(*w);
        w->UstawWybor(tLista::CBKlasa, o.Klasa);
        w->UstawWybor(tLista::CBPrzeslo, o.Przekroj);
        for (size_t i = 0; i < o.Szerokosci.size(); ++i) w->UstawWartosc(static_cast<tPole>(i), o.Szerokosci[i]);
        for (int i = 1; i <= MaksWierszy; ++i)
            w->UstawWartosc(PoleDlugosci(i), i <= static_cast<int>(o.Dlugosci.size()) ? o.Dlugosci[i - 1] : 0.0);
        BudujPrzesla(*w);
        UstawWidocznosc(*w);
    }
};
