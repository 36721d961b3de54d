#include "rejestr/Przejazd.h"

#include "common/Formatowanie.h"
#include "common/Utf8.h"
#include "przebieg/RysunekPojazdu.h"
#include "reports/ObrazWmf.h"
#include "reports/VanRTF.h"
#include "rejestr/Zestawienie.h"
#include "system/Pliki.h"

const char* const NaglowekPrzejazdu = "plik;JNI;NrP;Droga;Km;Najblizsza;Przeszkoda;KATEGORIA;wykorzystanie;dopuszczalny;"
                                      "najgorszy;efekt;masa_dopuszczalna;etap;komunikat";

namespace {

const char* const Tytul = "Ocena przejazdu pojazdu nienormatywnego";
const char* const WzorDaty = "Data: %s";
const char* const WzorPojazdu = "Pojazd: %s";
const char* const WzorMasy = "Masa całkowita: %s t; liczba osi: %d; rozstaw skrajnych osi: %s m";
const char* const WzorObciazenia = "Przypadek obciążenia: %s.";
const char* const WzorPodsumowania = "Przejazd dopuszczalny przez %d z %d obiektów";
const char* const WzorElementu = "%d %s (%s)";
const char* const WzorOdmowy = "odrzucony (%s): %s";
const char* const Brak = "–";
const char* const Tak = "TAK";
const char* const Nie = "NIE";
const char* const Dopuszczalny = "dopuszczalny";
const char* const Niedopuszczalny = "niedopuszczalny";
const char* const ZalozeniaMetody =
    "Efekty pojazdu to dokładne największe momenty zginające (przez rozpiętość) i reakcje podporowe belki "
    "swobodnie podpartej o rozpiętościach zastępczych każdego elementu, z obciążeniem równomiernym q, porównane "
    "z nośnościami MP i TP, z których wynika KATEGORIA obiektu; przejazd jest dopuszczalny, gdy wykorzystanie "
    "żadnego elementu nie przekracza 1. Przyjęto, jak przy przeliczeniu na pojazdy umowne, że pojazd stoi "
    "w przekroju poprzecznym tam, gdzie stało obciążenie normowe w rozkładzie poprzecznym (ten sam współczynnik "
    "przeciążenia), a naciski osi wchodzą bez dodatkowych współczynników.";
const char* const KomNieznanyFormat = "Nieznany format oceny przejazdu (.csv albo .rtf): ";

const char* const KolumnyOsi = "1.5;2.5;4.5;";
const char* const NaglowkiOsi = "Oś;Nacisk [t];Rozstaw do następnej osi [m];";
// Tabela obiektów na 16 cm; wiersz odmowy ma etap i komunikat w kolumnie elementu.
const char* const KolumnyObiektow = "1.6;0.8;1.0;1.4;2.0;2.1;2.1;2.3;2.7;";
const char* const NaglowkiObiektow = "JNI;NrP;Droga;Km;Przeszkoda;KATEGORIA [t];Wykorzystanie;Przejazd;Element rozstrzygający;";
const char* const Ramka = "brdrw10";
// Rysunek pojazdu na szerokość strony [mm], napisy 3,5 mm; szerokość cyfry kroju bezszeryfowego.
constexpr double SzerokoscRysunku = 160, WysokoscNapisow = 3.5, SzerokoscZnaku = 0.56;

std::string ElementRozstrzygajacy(const tOcenaPrzejazdu& o)
{
    for (const auto& e : o.Elementy)
        if (e.Nr == o.Najgorszy) return Format(WzorElementu, {e.Nr, e.Nazwa, std::string(1, o.Efekt)});
    return "";
}

void WierszCsv(std::string& o, const tWierszPrzejazdu& w)
{
    const tOcenaPrzejazdu& oc = w.Ocena;
    const bool ok = w.Obiekt.Poprawny;
    IdentyfikacjaCsv(o, w.Obiekt);
    o += ';';
    if (ok) o += w.Obiekt.KategoriaTekst;
    KomorkaCsv(o, ok ? TekstWykorzystania(oc) : "");
    o += ';';
    o += w.Dopuszczalny() ? Tak : Nie;
    const bool jestNajgorszy = ok && oc.Najgorszy > 0;
    KomorkaCsv(o, jestNajgorszy ? oc.Elementy[oc.Najgorszy - 1].Nazwa : "");
    KomorkaCsv(o, jestNajgorszy ? std::string(1, oc.Efekt) : "");
    KomorkaCsv(o, ok ? TekstMasy(oc.MasaDopuszczalna()) : "");
    KomorkaCsv(o, w.Obiekt.Etap);
    KomorkaCsv(o, KomunikatWiersza(w.Obiekt));
    o += '\n';
}

double MiaraNapisu(const std::string& t)
{
    size_t znaki = 0;
    for (size_t i = 0; i < t.size();) {
        std::uint32_t z = 0;
        CzytajZnakUtf8(t, i, z);
        ++znaki;
    }
    return static_cast<double>(znaki) * SzerokoscZnaku * WysokoscNapisow;
}

void Pojazd(TRtfDoc& doc, const tPojazd& p, double q)
{
    doc.WriteParagraph(Format(WzorPojazdu, {KomorkaRtf(p.Nazwa)}));
    doc.WriteParagraph(Format(WzorMasy, {LiczbaOgolna(p.Masa()), static_cast<int>(p.Naciski.size()), LiczbaOgolna(p.Dlugosc())}));
    doc.WriteParBreak();
    doc.SetBold();
    doc.WriteTableRow(KolumnyOsi, NaglowkiOsi, Ramka);
    doc.SetPlain();
    for (size_t i = 0; i < p.Naciski.size(); ++i)
        doc.WriteTableRow(KolumnyOsi,
                          std::to_string(i + 1) + ";" + LiczbaOgolna(p.Naciski[i]) + ";" +
                              (i < p.Rozstawy.size() ? LiczbaOgolna(p.Rozstawy[i]) : "") + ";",
                          Ramka);
    doc.WriteParBreak();
    doc.WriteRaw(ObrazRtf(RysunekPojazdu(p, SzerokoscRysunku, WysokoscNapisow, MiaraNapisu)));
    doc.WriteParBreak();
    doc.WriteParBreak();
    doc.WriteParagraph(Format(WzorObciazenia, {OpisObciazenia(q)}));
}

void WierszRtf(TRtfDoc& doc, const tWierszPrzejazdu& w)
{
    const tWierszRejestru& r = w.Obiekt;
    std::string komorki = KomorkaRtf(r.Wczytany ? r.Info.JNI : r.Plik) + ";";
    for (const std::string* t : {&r.Info.NrP, &r.Info.Droga, &r.Info.Km, &r.Info.Przeszkoda}) komorki += KomorkaRtf(*t) + ";";
    if (r.Poprawny)
        komorki += KomorkaRtf(r.KategoriaTekst) + ";" + KomorkaRtf(TekstWykorzystania(w.Ocena)) + ";";
    else
        komorki += std::string(Brak) + ";" + Brak + ";";
    komorki += std::string(w.Dopuszczalny() ? Dopuszczalny : Niedopuszczalny) + ";";
    komorki += KomorkaRtf(r.Poprawny ? ElementRozstrzygajacy(w.Ocena) : Format(WzorOdmowy, {r.Etap, KomunikatWiersza(r)})) + ";";
    doc.WriteTableRow(KolumnyObiektow, komorki, Ramka);
}

}  // namespace

tWierszPrzejazdu OcenPrzejazdPliku(tOceniacz& oceniacz, const std::string& sciezka, const std::string& nazwa,
                                   const tPojazd& pojazd, double q)
{
    tWierszPrzejazdu w{oceniacz.Ocen(sciezka, nazwa), {}};
    if (w.Obiekt.Poprawny) w.Ocena = OcenPrzejazd(oceniacz.Obiekt(), pojazd, q);
    return w;
}

std::string PodsumowaniePrzejazdu(const std::vector<const tWierszPrzejazdu*>& wiersze)
{
    int dopuszczalnych = 0;
    for (const auto* w : wiersze) dopuszczalnych += w->Dopuszczalny();
    return Format(WzorPodsumowania, {dopuszczalnych, static_cast<int>(wiersze.size())});
}

std::string PrzejazdCsv(const std::vector<const tWierszPrzejazdu*>& wiersze)
{
    std::string o = NaglowekPrzejazdu;
    o += '\n';
    for (const auto* w : wiersze) WierszCsv(o, *w);
    return o;
}

std::string RaportPrzejazdu(const std::vector<const tWierszPrzejazdu*>& wiersze, const tPojazd& pojazd, double q,
                            const std::string& data)
{
    std::string bajty;
    TRtfDoc doc;
    doc.OpenPamiec(bajty, Tytul, KomorkaRtf(data), true);
    doc.AlignCenter();
    doc.SetFontSize(14);
    doc.SetBold();
    doc.WriteParagraph(Tytul);
    doc.SetPlain();
    doc.WriteParBreak();
    doc.AlignLeft();
    doc.SetFontSize(10);
    doc.WriteParagraph(Format(WzorDaty, {KomorkaRtf(data)}));
    Pojazd(doc, pojazd, q);
    doc.WriteParBreak();
    doc.SetFontSize(8);
    doc.SetBold();
    doc.WriteTableRow(KolumnyObiektow, NaglowkiObiektow, Ramka);
    doc.SetPlain();
    for (const auto* w : wiersze) WierszRtf(doc, *w);
    doc.SetFontSize(10);
    doc.WriteParBreak();
    doc.SetBold();
    doc.WriteParagraph(PodsumowaniePrzejazdu(wiersze));
    doc.SetPlain();
    doc.WriteParBreak();
    doc.WriteParagraph(ZalozeniaMetody);
    doc.Close();
    return bajty;
}

bool ZapiszOcenePrzejazdu(const std::string& sciezka, const std::vector<const tWierszPrzejazdu*>& wiersze,
                          const tPojazd& pojazd, double q, const std::string& data, std::string& blad)
{
    std::string bajty;
    switch (FormatZestawienia(sciezka)) {
    case tFormatZestawienia::Csv: bajty = ZnacznikUtf8 + PrzejazdCsv(wiersze); break;
    case tFormatZestawienia::Rtf: bajty = RaportPrzejazdu(wiersze, pojazd, q, data); break;
    case tFormatZestawienia::Nieznany: blad = KomNieznanyFormat + sciezka; return false;
    }
    return ZapiszPlik(sciezka, bajty, blad);
}
