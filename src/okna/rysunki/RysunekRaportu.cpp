#include "okna/rysunki/RysunekRaportu.h"

#include <QFontMetricsF>
#include <QPageSize>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPrinter>
#include <QStringList>
#include <algorithm>
#include <cmath>

#include "okna/wspolne/CzcionkaStala.h"
#include "okna/wspolne/Tekst.h"
#include "reports/UkladRaportu.h"

namespace {

// Miary strony dokumentu RTF w twipach (1/1440 cala): A4, marginesy 2,5 cm, nagłówek 1,25 cm
// od góry, stopka 1,55 cm od dołu, odstęp szpalt, odstęp tekstu od brzegu komórki tabeli
// (pierwsza komórka zaczyna się o tyle przed marginesem).
constexpr double SzerokoscStrony = 11906, WysokoscStrony = 16838;
constexpr double Margines = 1417;
constexpr double OdGoryNaglowka = 709, OdDoluStopki = 879;
constexpr double OdstepSzpalt = 720;
constexpr double OdstepKomorki = 70;
constexpr double TwipyNaCm = 567;
// Komórka, w której na tekst zostaje mniej (kolumna dwukropka): tekst bez łamania na jej środku.
constexpr double WaskaKomorka = 200;
constexpr int RozmiarNaglowka = 10;  // nagłówek, stopka i pusty akapit: krój szeryfowy 10 pt

QFont CzcionkaNaglowka()
{
    QFont f(QStringLiteral("Times New Roman"));
    f.setPointSize(RozmiarNaglowka);
    f.setStyleHint(QFont::Serif);
    return f;
}

QFont Czcionka(const tCzescRaportu& c)
{
    QFont f = CzcionkaStala(c.Rozmiar);
    f.setBold(c.Pogrubiony);
    return f;
}

// Tekst jednym krojem pisma: przebieg akapitu, komórka albo kawałek linii.
struct tKawalek {
    QString Tekst;
    QFont Czcionka;
};

struct tLinia {
    std::vector<tKawalek> Kawalki;
    double Szerokosc = 0;  // bez odstępów na końcu
    double Wysokosc = 0, Wznios = 0;
};

QString BezOdstepowNaKoncu(QString t)
{
    while (t.endsWith(' ')) t.chop(1);
    return t;
}

class tUkladacz {
public:
    explicit tUkladacz(QPaintDevice& u) : u_(u), k_(u.logicalDpiX() / 1440.0), kY_(u.logicalDpiY() / 1440.0)
    {
        NowaStrona();
    }

    std::vector<tStronaRaportu> Uloz(const tUkladRaportu& uklad)
    {
        std::vector<tKawalek> akapit;
        for (size_t i = 0; i < uklad.Czesci.size(); ++i) {
            const tCzescRaportu& c = uklad.Czesci[i];
            const int czesc = static_cast<int>(i);
            switch (c.Rodzaj) {
            case tRodzajCzesci::Wyrownanie: wyrownanie_ = c.Wyrownanie; break;
            case tRodzajCzesci::Przebieg: akapit.push_back({Tekst(c.Tekst), Czcionka(c)}); break;
            case tRodzajCzesci::Akapit:
                akapit.push_back({Tekst(c.Tekst), Czcionka(c)});
                Akapit(czesc, akapit);
                akapit.clear();
                break;
            case tRodzajCzesci::PustyAkapit: {
                const double h = QFontMetricsF(CzcionkaNaglowka(), &u_).lineSpacing();
                Miejsce(h);
                y_ += h;
                break;
            }
            case tRodzajCzesci::WierszTabeli: WierszTabeli(czesc, c); break;
            case tRodzajCzesci::Szpalty:
                NowaStrona();
                szpalty_ = 2;
                break;
            }
        }
        return NaglowkiIStopki(uklad);
    }

private:
    double SzerokoscSzpalty() const
    {
        const double tresc = SzerokoscStrony - 2 * Margines;
        return szpalty_ == 1 ? tresc : (tresc - OdstepSzpalt) / 2;
    }
    double Lewo() const { return Margines + szpalta_ * (SzerokoscSzpalty() + OdstepSzpalt); }

    void NowaStrona()
    {
        strony_.emplace_back();
        szpalta_ = 0;
        y_ = Margines * kY_;
    }

    // Następna szpalta albo strona, gdy wysokość h już się nie mieści (na pustej się mieści).
    void Miejsce(double h)
    {
        if (y_ + h <= (WysokoscStrony - Margines) * kY_ || y_ <= Margines * kY_) return;
        if (++szpalta_ < szpalty_) {
            y_ = Margines * kY_;
            return;
        }
        NowaStrona();
    }

    // Przebiegi łamane na słowach (odstępy zostają przy słowie przed nimi) w linie o danej
    // szerokości; słowo dłuższe od linii dzielone na znakach.
    std::vector<tLinia> Lam(const std::vector<tKawalek>& przebiegi, double szerokosc) const
    {
        std::vector<tLinia> linie(1);
        double x = 0;
        auto dopisz = [&](const QString& t, const QFont& f, double w) {
            std::vector<tKawalek>& k = linie.back().Kawalki;
            if (!k.empty() && k.back().Czcionka == f)
                k.back().Tekst += t;
            else
                k.push_back({t, f});
            x += w;
        };
        for (const tKawalek& p : przebiegi) {
            const QFontMetricsF m(p.Czcionka, &u_);
            for (qsizetype i = 0; i < p.Tekst.size();) {
                qsizetype j = i;
                while (j < p.Tekst.size() && p.Tekst[j] != ' ') ++j;
                while (j < p.Tekst.size() && p.Tekst[j] == ' ') ++j;
                QString slowo = p.Tekst.mid(i, j - i);
                if (x > 0 && x + m.horizontalAdvance(BezOdstepowNaKoncu(slowo)) > szerokosc) linie.emplace_back(), x = 0;
                while (x == 0 && slowo.size() > 1 && m.horizontalAdvance(BezOdstepowNaKoncu(slowo)) > szerokosc) {
                    qsizetype ile = 1;
                    while (ile < slowo.size() && m.horizontalAdvance(slowo.left(ile + 1)) <= szerokosc) ++ile;
                    dopisz(slowo.left(ile), p.Czcionka, 0);
                    linie.emplace_back(), x = 0;
                    slowo = slowo.mid(ile);
                }
                dopisz(slowo, p.Czcionka, m.horizontalAdvance(slowo));
                i = j;
            }
        }
        for (tLinia& l : linie) {
            std::vector<QFont> kroje;
            for (const tKawalek& k : l.Kawalki) kroje.push_back(k.Czcionka);
            if (kroje.empty() && !przebiegi.empty()) kroje.push_back(przebiegi.back().Czcionka);
            for (const QFont& f : kroje) {
                const QFontMetricsF m(f, &u_);
                l.Wysokosc = std::max(l.Wysokosc, m.lineSpacing());
                l.Wznios = std::max(l.Wznios, m.ascent());
            }
            for (size_t i = 0; i < l.Kawalki.size(); ++i) {
                const QString& t = l.Kawalki[i].Tekst;
                l.Szerokosc += QFontMetricsF(l.Kawalki[i].Czcionka, &u_)
                                   .horizontalAdvance(i + 1 == l.Kawalki.size() ? BezOdstepowNaKoncu(t) : t);
            }
        }
        return linie;
    }

    // Linia od x (lewy brzeg miejsca o szerokości szerokosc) wyrównana jak akapit.
    void Linia(const tLinia& l, double x, double szerokosc, tWyrownanieAkapitu wyrownanie, int czesc, int komorka,
               double y)
    {
        if (wyrownanie == tWyrownanieAkapitu::DoSrodka) x += (szerokosc - l.Szerokosc) / 2;
        if (wyrownanie == tWyrownanieAkapitu::DoPrawej) x += szerokosc - l.Szerokosc;
        for (const tKawalek& k : l.Kawalki) {
            strony_.back().push_back({QPointF(x, y + l.Wznios), k.Tekst, k.Czcionka, czesc, komorka});
            x += QFontMetricsF(k.Czcionka, &u_).horizontalAdvance(k.Tekst);
        }
    }

    void Akapit(int czesc, const std::vector<tKawalek>& przebiegi)
    {
        for (const tLinia& l : Lam(przebiegi, SzerokoscSzpalty() * k_)) {
            Miejsce(l.Wysokosc);
            Linia(l, Lewo() * k_, SzerokoscSzpalty() * k_, wyrownanie_, czesc, 0, y_);
            y_ += l.Wysokosc;
        }
    }

    // Komórki w kolumnach o szerokościach dokumentu (każda obcięta do całych twipów), tekst
    // o odstęp od brzegów komórki; cały wiersz na jednej stronie.
    void WierszTabeli(int czesc, const tCzescRaportu& c)
    {
        const QStringList szerokosci = Tekst(c.Szerokosci).split(';', Qt::SkipEmptyParts);
        const QStringList komorki = Tekst(c.Tekst).split(';');
        const QFont f = Czcionka(c);
        struct tKomorka {
            double Lewo, Prawo;
            std::vector<tLinia> Linie;
            double Wysokosc = 0;
        };
        std::vector<tKomorka> wiersz;
        double brzeg = -OdstepKomorki;
        for (qsizetype i = 0; i < szerokosci.size(); ++i) {
            const double prawy = std::max(0.0, brzeg) + std::trunc(szerokosci[i].toDouble() * TwipyNaCm);
            tKomorka k{brzeg + OdstepKomorki, prawy - OdstepKomorki, {}};
            const QString tekst = komorki.value(i);
            if (k.Prawo - k.Lewo < WaskaKomorka) {
                k.Linie = Lam({{tekst, f}}, 1e9);
                k.Lewo = k.Prawo = (brzeg + prawy) / 2;  // środek komórki
            } else {
                k.Linie = Lam({{tekst, f}}, (k.Prawo - k.Lewo) * k_);
            }
            for (const tLinia& l : k.Linie) k.Wysokosc += l.Wysokosc;
            wiersz.push_back(std::move(k));
            brzeg = prawy;
        }
        double h = 0;
        for (const tKomorka& k : wiersz) h = std::max(h, k.Wysokosc);
        Miejsce(h);
        for (size_t i = 0; i < wiersz.size(); ++i) {
            const tKomorka& k = wiersz[i];
            const bool srodek = k.Lewo == k.Prawo;
            double y = y_;
            for (const tLinia& l : k.Linie) {
                Linia(l, (Lewo() + k.Lewo) * k_, (k.Prawo - k.Lewo) * k_,
                      srodek ? tWyrownanieAkapitu::DoSrodka : tWyrownanieAkapitu::DoLewej, czesc, static_cast<int>(i), y);
                y += l.Wysokosc;
            }
        }
        y_ += h;
    }

    // Każda strona: nagłówek na środku, treść, stopka z datą na środku i numerem strony z prawej.
    std::vector<tStronaRaportu> NaglowkiIStopki(const tUkladRaportu& uklad) const
    {
        const QFont f = CzcionkaNaglowka();
        const QFontMetricsF m(f, &u_);
        const QString naglowek = Tekst(uklad.Naglowek), stopka = Tekst(uklad.Stopka);
        const double srodek = SzerokoscStrony / 2 * k_;
        const double linia = (WysokoscStrony - OdDoluStopki) * kY_ - m.descent();
        std::vector<tStronaRaportu> strony;
        for (size_t n = 0; n < strony_.size(); ++n) {
            tStronaRaportu s;
            s.push_back({QPointF(srodek - m.horizontalAdvance(naglowek) / 2, OdGoryNaglowka * kY_ + m.ascent()), naglowek, f});
            s.insert(s.end(), strony_[n].begin(), strony_[n].end());
            s.push_back({QPointF(srodek - m.horizontalAdvance(stopka) / 2, linia), stopka, f});
            const QString numer = QString::number(n + 1);
            s.push_back({QPointF((SzerokoscStrony - Margines) * k_ - m.horizontalAdvance(numer), linia), numer, f});
            strony.push_back(std::move(s));
        }
        return strony;
    }

    QPaintDevice& u_;
    const double k_, kY_;  // pikseli urządzenia na twip w poziomie i w pionie
    std::vector<tStronaRaportu> strony_;
    double y_ = 0;
    int szpalty_ = 1, szpalta_ = 0;
    tWyrownanieAkapitu wyrownanie_ = tWyrownanieAkapitu::DoLewej;
};

}  // namespace

std::vector<tStronaRaportu> StronyRaportu(const tUkladRaportu& uklad, QPaintDevice& urzadzenie)
{
    return tUkladacz(urzadzenie).Uloz(uklad);
}

void UstawStroneRaportu(QPagedPaintDevice& urzadzenie)
{
    // Drukarka rysuje od rogu kartki, nie od swoich najmniejszych marginesów.
    if (auto* drukarka = dynamic_cast<QPrinter*>(&urzadzenie)) drukarka->setFullPage(true);
    urzadzenie.setPageSize(QPageSize(QPageSize::A4));
    urzadzenie.setPageOrientation(QPageLayout::Portrait);
    urzadzenie.setPageMargins(QMarginsF());
}

bool RysujRaport(QPagedPaintDevice& urzadzenie, const tUkladRaportu& uklad, int od, int doStrony)
{
    QPainter p;
    if (!p.begin(&urzadzenie)) return false;
    const std::vector<tStronaRaportu> strony = StronyRaportu(uklad, urzadzenie);
    const int pierwsza = std::max(1, od);
    const int ostatnia = doStrony > 0 ? std::min(doStrony, static_cast<int>(strony.size())) : static_cast<int>(strony.size());
    for (int n = pierwsza; n <= ostatnia; ++n) {
        if (n > pierwsza) urzadzenie.newPage();
        for (const tNapisRaportu& napis : strony[n - 1]) {
            p.setFont(napis.Czcionka);
            p.drawText(napis.Punkt, napis.Tekst);
        }
    }
    return p.end();
}
