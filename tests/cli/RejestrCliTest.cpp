// pontiva-cli rejestr i roznice: wiersze rejestru równe ocenie "oblicz --format json" dla
// każdego przypadku i przykładu, kody wyjścia i odmowy obu poleceń, ścisły odczyt JSON Lines.
#include <gtest/gtest.h>

#include <cmath>
#include <regex>

#include "Wspolne.h"
#include "common/Formatowanie.h"

namespace {

using namespace testy;

const std::string Przyklady = std::string(PONTIVA_KATALOG_ZRODEL) + "/przyklady";

// Pola wiersza CSV z ";" (pola w cudzysłowach z "" w środku).
std::vector<std::string> PolaCsv(const std::string& w)
{
    std::vector<std::string> pola(1);
    bool wCudzyslowie = false;
    for (size_t i = 0; i < w.size(); ++i) {
        if (w[i] == '"' && wCudzyslowie && i + 1 < w.size() && w[i + 1] == '"')
            pola.back() += w[++i];
        else if (w[i] == '"')
            wCudzyslowie = !wCudzyslowie;
        else if (w[i] == ';' && !wCudzyslowie)
            pola.emplace_back();
        else
            pola.back() += w[i];
    }
    return pola;
}

// Wartość pola JSON za kluczem od pozycji `od` (napis bez cudzysłowów i z rozwiniętymi
// \", \\, \r, \n; liczba, null jako tekst); `od` przechodzi za wartość.
std::string PoleJson(const std::string& linia, const std::string& klucz, size_t& od)
{
    size_t i = linia.find("\"" + klucz + "\":", od);
    if (i == std::string::npos) return "?";
    i += klucz.size() + 3;
    std::string w;
    if (linia[i] != '"') {
        while (i < linia.size() && linia[i] != ',' && linia[i] != '}') w += linia[i++];
    } else {
        for (++i; linia[i] != '"'; ++i) {
            if (linia[i] == '\\') {
                const char c = linia[++i];
                w += c == 'r' ? '\r' : c == 'n' ? '\n' : c;
            } else {
                w += linia[i];
            }
        }
    }
    od = i;
    return w;
}

std::string PoleJson(const std::string& linia, const std::string& klucz)
{
    size_t od = 0;
    return PoleJson(linia, klucz, od);
}

}  // namespace

// Każdy przypadek, każdy przykład i dwa pliki odrzucone w jednym katalogu: wiersz rejestru to
// ta sama ocena co "oblicz --format json" tego pliku.
TEST(RejestrCli, WierszeRowneOcenieOblicz)
{
    tKatalogTymczasowy kat;
    for (const auto& p : Przypadki()) fs::copy_file(DaneTestowe("przypadki/" + p + "/obiekt.PTV"), kat / (p + ".PTV"));
    for (const auto& wpis : fs::directory_iterator(Przyklady))
        if (wpis.is_regular_file()) fs::copy_file(wpis.path(), kat / ("przyklad_" + wpis.path().filename().string()));
    for (const char* n : {"sumy.PTV", "alg.PTV"}) fs::copy_file(DaneTestowe(std::string("cli/") + n), kat / n);
    const auto csv = UruchomCli({"rejestr", "--separator", ".", kat.Sciezka()});
    const auto json = UruchomCli({"oblicz", "--format", "json", kat.Sciezka()});
    ASSERT_EQ(csv.Kod, 0) << csv.Bledy;
    const auto wiersze = Wiersze(csv.Wyjscie), oceny = Wiersze(json.Wyjscie);
    ASSERT_EQ(wiersze.size(), oceny.size() + 1);
    ASSERT_GT(oceny.size(), Przypadki().size());
    for (size_t i = 0; i < oceny.size(); ++i) {
        const auto pola = PolaCsv(wiersze[i + 1]);
        const std::string& o = oceny[i];
        ASSERT_EQ(pola.size(), 17u) << wiersze[i + 1];
        EXPECT_EQ(kat / pola[0], PoleJson(o, "plik"));
        EXPECT_EQ(pola[1], PoleJson(o, "JNI")) << pola[0];
        EXPECT_EQ(pola[2], PoleJson(o, "NrP")) << pola[0];
        const std::string ptv = PoleJson(o, "PTV"), etap = PoleJson(o, "etap");
        if (ptv == "null") {
            EXPECT_EQ(pola[13] + pola[14], "") << pola[0];
            EXPECT_EQ(pola[15], etap) << pola[0];
            EXPECT_EQ(pola[16], JedenWiersz(PoleJson(o, "komunikat"))) << pola[0];
            continue;
        }
        EXPECT_EQ(etap, "null");
        EXPECT_EQ(pola[13], std::to_string(std::llround(std::stod(ptv)))) << pola[0];
        size_t od = o.find("\"elementy\":");
        std::string nazwa;
        for (int n = std::stoi(PoleJson(o, "najgorszy")); n > 0; --n) nazwa = PoleJson(o, "nazwa", od);
        EXPECT_EQ(pola[14], nazwa) << pola[0];
        EXPECT_EQ(pola[15] + pola[16], "") << pola[0];
    }
}

TEST(RejestrCli, KodyWyjsciaIOdmowy)
{
    tKatalogTymczasowy kat;
    const std::string stary = kat / "stary", nowy = kat / "nowy", json = kat / "stary.jsonl", pusty = kat / "pusty";
    fs::create_directories(pusty);
    fs::copy(Przyklady, stary);
    fs::copy(Przyklady, nowy);
    fs::remove(nowy + "/belka.PTV");
    fs::copy_file(DaneTestowe("cli/sumy.PTV"), nowy + "/pn66_plyta.PTV", fs::copy_options::overwrite_existing);
    fs::copy_file(DaneTestowe("przypadki/pn85_p0/obiekt.PTV"), nowy + "/n1945_plyta.PTV", fs::copy_options::overwrite_existing);
    fs::copy_file(DaneTestowe("przypadki/pn85_p1/obiekt.PTV"), nowy + "/x.PTV");
    const std::string ocena = UruchomCli({"oblicz", "--format", "json", stary}).Wyjscie;
    ZapiszPlik(json, ocena);
    const std::string belka = Wiersze(ocena).at(0);
    auto zly = [&](const std::string& nazwa, const std::string& tresc) {
        ZapiszPlik(kat / nazwa, tresc);
        return kat / nazwa;
    };
    auto zamien = [&](const std::string& z, const std::string& na) {
        std::string w = belka;
        return w.replace(w.find(z), z.size(), na);
    };
    const struct {
        std::vector<std::string> argumenty;
        int kod;
        std::string wBledach, wWyjsciu, nieWWyjsciu;
    } przypadki[] = {
        {{"rejestr"}, 2, "Użycie: pontiva-cli rejestr", "", ""},
        {{"rejestr", stary, nowy}, 2, "Użycie: pontiva-cli rejestr", "", ""},
        {{"rejestr", "--cos", stary}, 2, "nieznana opcja \"--cos\"", "", ""},
        {{"rejestr", stary, "-o"}, 2, "opcja -o wymaga wartości", "", ""},
        {{"rejestr", stary, "-o", "a.csv", "-o", "b.csv"}, 2, "opcja -o podana dwa razy", "", ""},
        {{"rejestr", kat / "brak"}, 2, "nie można odczytać katalogu: " + kat / "brak", "", ""},
        {{"rejestr", json}, 2, "nie można odczytać katalogu: " + json, "", ""},
        {{"rejestr", "--", "-o"}, 2, "nie można odczytać katalogu: -o", "", ""},
        {{"rejestr", stary, "-o", kat / "z.txt"}, 2, "rozszerzenia .csv albo .rtf: " + kat / "z.txt", "", ""},
        {{"rejestr", stary, "--ponizej", "24t"}, 2, "nieujemnej liczby ton, nie \"24t\"", "", ""},
        {{"rejestr", stary, "--separator", ";"}, 2, "nie \";\"", "", ""},
        {{"rejestr", stary, "-o", kat / "brak/z.csv"}, 2, kat / "brak/z.csv", "", ""},
        {{"rejestr", pusty}, 0, "", "plik;JNI;NrP;Droga;Km;Najblizsza;Przeszkoda;", "PTV"},
        {{"rejestr", "--ponizej=20", nowy}, 0, "", "\npn66_plyta.PTV;", "n1956"},
        {{"rejestr", "--ponizej", "20,5", nowy}, 0, "", "\nn1956_ciagla.PTV;", "przegubowa"},
        {{"rejestr", nowy, "-o", kat / "z.RTF"}, 0, "", "Zestawienie zapisane: " + kat / "z.RTF (obiektów: 8)", ""},
        {{"roznice", stary}, 2, "Użycie: pontiva-cli roznice STARY NOWY", "", ""},
        {{"roznice", kat / "brak.jsonl", stary}, 2, "Nie można odczytać pliku: " + kat / "brak.jsonl", "", ""},
        {{"roznice", stary, kat / "brak"}, 2, "Nie można odczytać pliku: " + kat / "brak", "", ""},
        {{"roznice", json, stary}, 0, "", "Różnice: zmienione 0, tylko w starym 0, tylko w nowym 0, bez zmian 8\n", "zmieniony"},
        {{"roznice", zly("pusty.jsonl", ""), pusty}, 0, "", "bez zmian 0\n", ""},
        {{"roznice", zly("o", zamien("belka.PTV", "\\ud83d\\ude00.PTV")), pusty}, 1, "", "tylko w starym: 😀.PTV (nośność ", ""},
        {{"roznice", zly("a", belka + "\n" + belka + "\n"), nowy}, 2, "a, wiersz 2: plik belka.PTV już był w wierszu 1", "", ""},
        {{"roznice", zly("b", "\n" + belka), nowy}, 2, "b, wiersz 1: pusty wiersz", "", ""},
        {{"roznice", zly("c", "{\"plik\":\"abc"), nowy}, 2, "c, wiersz 1: znak 13: niedokończony napis", "", ""},
        {{"roznice", zly("d", zamien("\"ok\":true", "\"ok\":1")), nowy}, 2, "d, wiersz 1: brak pola \"ok\"", "", ""},
        {{"roznice", zly("e", zamien("\"najgorszy\":1", "\"najgorszy\":9")), nowy}, 2, "\"najgorszy\" nie wskazuje", "", ""},
        {{"roznice", zly("f", zamien("\"PTV\":", "\"PTV\":1e999,\"x\":")), nowy}, 2, "liczba poza zakresem", "", ""},
        {{"roznice", zly("g", "{\"a\":1,\"a\":2}"), nowy}, 2, "znak 8: powtórzony klucz", "", ""},
        {{"roznice", zly("h", std::string(100, '[') + std::string(100, ']')), nowy}, 2, "za głębokie zagnieżdżenie", "", ""},
        {{"roznice", zly("i", "{\"plik\":\"\\ud800\"}"), nowy}, 2, "samotny surogat", "", ""},
        {{"roznice", zly("j", "{\"plik\":\"\xC0\x80\"}"), nowy}, 2, "błędna sekwencja UTF-8", "", ""},
        {{"roznice", zly("k", "{\"plik\":\"a\tb\"}"), nowy}, 2, "znak sterujący w napisie", "", ""},
        {{"roznice", zly("l", "{} {}"), nowy}, 2, "znak 4: nadmiarowy tekst", "", ""},
        {{"roznice", zly("m", "[1]"), nowy}, 2, "wiersz nie jest obiektem JSON", "", ""},
        {{"roznice", zly("n", "{\"plik\":\"\\x\"}"), nowy}, 2, "niepoprawna sekwencja ucieczki", "", ""},
    };
    for (const auto& p : przypadki) {
        std::string opis;
        for (const auto& a : p.argumenty) opis += a + " ";
        const auto w = UruchomCli(p.argumenty);
        EXPECT_EQ(w.Kod, p.kod) << opis << "\n" << w.Bledy;
        EXPECT_NE(w.Bledy.find(p.wBledach), std::string::npos) << opis << "\n" << w.Bledy;
        EXPECT_NE(w.Wyjscie.find(p.wWyjsciu), std::string::npos) << opis << "\n" << w.Wyjscie;
        if (!p.nieWWyjsciu.empty()) {
            EXPECT_EQ(w.Wyjscie.find(p.nieWWyjsciu), std::string::npos) << opis << "\n" << w.Wyjscie;
        }
    }
    EXPECT_FALSE(fs::exists(kat / "z.txt"));
    EXPECT_EQ(CzytajPlik(kat / "z.RTF").rfind("{\\rtf1", 0), 0u);
    EXPECT_EQ(std::distance(fs::directory_iterator(stary), fs::directory_iterator()), 8);  // rejestr nic tam nie pisze

    // Wiersz na obiekt zmieniony, usunięty i dodany, potem podsumowanie.
    const auto w = UruchomCli({"roznice", "--separator", ",", json, nowy});
    EXPECT_EQ(w.Kod, 1) << w.Bledy;
    const auto linie = Wiersze(w.Wyjscie);
    const char* const wzory[] = {
        "tylko w starym: belka\\.PTV \\(nośność \\d+,\\d\\d t\\)",
        "zmieniony: n1945_plyta\\.PTV; nośność \\d+,\\d\\d t → \\d+,\\d\\d t(; element rozstrzygający nr 1 „Przęsło” → nr \\d „.+”)?",
        "zmieniony: pn66_plyta\\.PTV; nośność \\d+,\\d\\d t → –; element rozstrzygający nr 1 „Przęsło” → –; etap – → „sumy”; "
        "komunikat – → „Niezgodna suma wymiarów dolnych z górnymi c1\\+a1\\+b\\+a2\\+c2 <> e1\\+B\\+e2”",
        "tylko w nowym: x\\.PTV \\(nośność \\d+,\\d\\d t\\)",
        "Różnice: zmienione 2, tylko w starym 1, tylko w nowym 1, bez zmian 5",
    };
    ASSERT_EQ(linie.size(), std::size(wzory)) << w.Wyjscie;
    for (size_t i = 0; i < linie.size(); ++i) EXPECT_TRUE(std::regex_match(linie[i], std::regex(wzory[i]))) << linie[i];
}
