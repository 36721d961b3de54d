// Szkic przekroju podłużnego: kolory elementów, grubość najgorszego, podpory i przeguby
// w miejscach wynikających ze skali; szkic okna po wypełnieniu obiektu.
#include <QImage>
#include <QPainter>
#include <memory>

#include "OknoTestowe.h"
#include "ui/qt/Szkic.h"

namespace {
const QColor Czerwony(255, 0, 0), Niebieski(0, 0, 255), Granatowy(0, 0, 128), Bialy(255, 255, 255),
    Czarny(0, 0, 0), Tlo(200, 200, 200);
constexpr int Y = 5;        // linia belki
constexpr int YPodpory = 14;  // wnętrze trójkąta podpory (y + 5 .. y + 12)

// Obiekt z elementami o podanych rodzajach i długościach.
std::unique_ptr<tObiektMostowy> Obiekt(std::initializer_list<std::pair<tRodzajElementu, double>> el, int najgorszy)
{
    auto o = std::make_unique<tObiektMostowy>();
    for (auto [r, d] : el) o->DodajElement("E", r, d);
    o->Najgorszy = najgorszy;
    return o;
}

QImage Rysuj(const tObiektMostowy& o)
{
    QImage obraz(313, 20, QImage::Format_RGB32);
    obraz.fill(Tlo);
    QPainter p(&obraz);
    RysujSzkic(p, obraz.size(), o);
    return obraz;
}

// Punkt końcowy elementu: x0 + C / T * W zaokrąglone, x0 = 5, W = 303.
int X(double C, double T) { return static_cast<int>(std::lround(5 + C / T * 303)); }
}  // namespace

class TestGlowneOknoSzkic : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { PrzygotujTesty(); }

    // Belka swobodna bez wsporników: jedna niebieska linia od x0 do x1, podpory na końcach.
    void belkaBezWspornikow()
    {
        auto o = Obiekt({{rBelkaSwobodnie, 16}}, -1);
        const QImage s = Rysuj(*o);
        QCOMPARE(s.pixelColor(5, Y), Niebieski);
        QCOMPARE(s.pixelColor(156, Y), Niebieski);
        QCOMPARE(s.pixelColor(308, Y), Niebieski);
        QCOMPARE(s.pixelColor(5, YPodpory), Czarny);
        QCOMPARE(s.pixelColor(308, YPodpory), Czarny);
        QCOMPARE(s.pixelColor(156, YPodpory), Bialy);
        QCOMPARE(s.pixelColor(156, Y + 2), Bialy);  // pióro 3: y - 1 .. y + 1
        QCOMPARE(s.pixelColor(0, 0), Bialy);        // tło całego pola
    }

    // Wsporniki 2 m i przęsło 16 m: czerwony, niebieski, czerwony; podpory na 10 % i 90 %
    // szerokości (x = 5 + 0,1 * 303 = 35,3 -> 35 i 5 + 0,9 * 303 = 277,7 -> 278), na końcach brak.
    void wspornikiIPrzeslo()
    {
        auto o = Obiekt({{rWspornikSwobodny, 2}, {rBelkaSwobodnie, 16}, {rWspornikSwobodny, 2}}, 2);
        QCOMPARE(X(2, 20), 35);
        QCOMPARE(X(18, 20), 278);
        const QImage s = Rysuj(*o);
        QCOMPARE(s.pixelColor(20, Y), Czerwony);
        QCOMPARE(s.pixelColor(156, Y), Niebieski);
        QCOMPARE(s.pixelColor(293, Y), Czerwony);
        QCOMPARE(s.pixelColor(35, YPodpory), Czarny);
        QCOMPARE(s.pixelColor(278, YPodpory), Czarny);
        QCOMPARE(s.pixelColor(5, YPodpory), Bialy);
        QCOMPARE(s.pixelColor(308, YPodpory), Bialy);
        // Najgorszy element (przęsło) piórem 5: y - 2 .. y + 2; wsporniki piórem 3.
        QCOMPARE(s.pixelColor(156, Y + 2), Niebieski);
        QCOMPARE(s.pixelColor(20, Y + 2), Bialy);
    }

    // Schemat 6, trzy przęsła: przęsło 2 zawieszone między prawym i lewym wspornikiem jest
    // czerwone między dwoma przegubami; przęsła 1 i 3 niebieskie, wsporniki granatowe.
    void belkaPrzegubowa()
    {
        auto o = Obiekt({{rWspornikSwobodny, 2},
                         {rBelkaSwobodnie, 12},
                         {rWspornikPrawy, 3},
                         {rBelkaSwobodnie, 14},
                         {rWspornikLewy, 3},
                         {rBelkaSwobodnie, 12},
                         {rWspornikSwobodny, 2}},
                        -1);
        const double T = 48;
        const QImage s = Rysuj(*o);
        const int x2 = X(14, T), x3 = X(17, T), x4 = X(31, T), x5 = X(34, T);
        QCOMPARE(s.pixelColor((x3 + x4) / 2, Y), Czerwony);
        QCOMPARE(s.pixelColor((X(2, T) + x2) / 2, Y), Niebieski);
        QCOMPARE(s.pixelColor((x5 + X(46, T)) / 2, Y), Niebieski);
        QCOMPARE(s.pixelColor((x2 + x3) / 2, Y), Granatowy);
        QCOMPARE(s.pixelColor((x4 + x5) / 2, Y), Granatowy);
        for (int x : {x3, x4}) {  // przeguby: białe koło z czarnym obrysem, bez podpory
            QCOMPARE(s.pixelColor(x, Y), Bialy);
            QCOMPARE(s.pixelColor(x, Y - 3), Czarny);
            QCOMPARE(s.pixelColor(x, YPodpory), Bialy);
        }
        for (int x : {X(2, T), x2, x5, X(46, T)}) QCOMPARE(s.pixelColor(x, YPodpory), Czarny);
    }

    // Brak elementów dłuższych od 0,1 m: nic, nawet białego tła.
    void pustyObiekt()
    {
        auto o = Obiekt({{rBelkaSwobodnie, 0.1}, {rWspornikSwobodny, 0}}, -1);
        QCOMPARE(o->LiczbaElementow, 0);
        const QImage s = Rysuj(*o);
        QCOMPARE(s.pixelColor(0, 0), Tlo);
        QCOMPARE(s.pixelColor(156, Y), Tlo);
    }

    // Szkic w oknie idzie za obiektem przebiegu po każdej zmianie długości.
    void szkicOknaPoZmianie()
    {
        tOknoTestowe t;
        QVERIFY(t.Otworz());
        TGlowneOkno& okno = t.Okno();
        tMost m = MostWielodzwigarowy();
        m.Dlugosci = {{1, 2}, {2, 16}, {3, 2}};
        UstawMost(okno, m);
        QImage s = okno.Kontrolki().Szkic->grab().toImage();
        QCOMPARE(s.pixelColor(20, Y), Czerwony);
        QCOMPARE(s.pixelColor(35, YPodpory), Czarny);
        Pole(okno, PoleDlugosci(1))->UstawWartosc(0);
        s = okno.Kontrolki().Szkic->grab().toImage();
        QCOMPARE(s.pixelColor(5, YPodpory), Czarny);  // bez lewego wspornika podpora na początku
    }
};

QTEST_MAIN(TestGlowneOknoSzkic)
#include "TestGlowneOknoSzkic.moc"
