#pragma once
// Porównanie obrazu z zatwierdzonym wzorcem, odporne na maszynę, nie na błąd. Silnik rastrowy
// Qt wygładza krawędzie inną ścieżką na innym procesorze: ten sam rysunek różni się wtedy
// o jeden poziom barwy w pojedynczych pikselach. Przesunięta linia albo napis i zmieniona
// barwa zmieniają piksele o dziesiątki poziomów: takie różnice wychodzą zawsze.
#include <QDir>
#include <QImage>
#include <QString>
#include <algorithm>
#include <cstdlib>

// Kanał (R, G, B, A) może się różnić o tyle poziomów (zmierzone: 1 poziom na innym
// procesorze; czterokrotny zapas).
inline constexpr int TolerancjaKanalu = 4;
// Pikseli poza tolerancją wolno jeden na 100 000 (zaokrąglone w dół: ikona i rysunek przekroju
// żadnego, okno około dziesięciu), mniej niż zmienia napis przesunięty o piksel (ponad 30).
inline constexpr int PozaNa100000 = 1;

struct tRoznicaObrazow {
    bool Zgodne = false;
    int Poza = 0;        // pikseli z kanałem poza tolerancją
    int Najwieksza = 0;  // największa różnica kanału
    QImage Roznica;      // piksele poza tolerancją czerwone na bladym wzorcu
};

inline tRoznicaObrazow PorownajObrazy(const QImage& terazWe, const QImage& wzorWe)
{
    tRoznicaObrazow w;
    if (terazWe.size() != wzorWe.size() || terazWe.isNull()) return w;
    const QImage teraz = terazWe.convertToFormat(QImage::Format_ARGB32);
    const QImage wzor = wzorWe.convertToFormat(QImage::Format_ARGB32);
    w.Roznica = QImage(teraz.size(), QImage::Format_ARGB32);
    for (int y = 0; y < teraz.height(); ++y) {
        const QRgb* a = reinterpret_cast<const QRgb*>(teraz.constScanLine(y));
        const QRgb* b = reinterpret_cast<const QRgb*>(wzor.constScanLine(y));
        QRgb* r = reinterpret_cast<QRgb*>(w.Roznica.scanLine(y));
        for (int x = 0; x < teraz.width(); ++x) {
            const int d = std::max({std::abs(qRed(a[x]) - qRed(b[x])), std::abs(qGreen(a[x]) - qGreen(b[x])),
                                    std::abs(qBlue(a[x]) - qBlue(b[x])), std::abs(qAlpha(a[x]) - qAlpha(b[x]))});
            w.Najwieksza = std::max(w.Najwieksza, d);
            const int jasny = 192 + qGray(b[x]) / 4;
            r[x] = d > TolerancjaKanalu ? (++w.Poza, qRgb(255, 0, 0)) : qRgb(jasny, jasny, jasny);
        }
    }
    w.Zgodne = w.Poza <= static_cast<qint64>(teraz.width()) * teraz.height() * PozaNa100000 / 100000;
    return w;
}

// Obraz równy zatwierdzonemu plikowi wzorzec (w granicach tolerancji). Inny zapisuje w katalogu
// budowy obrazy-inne/NAZWA.png (nowy obraz) i NAZWA_roznica.png; opis mówi, ile i gdzie.
inline bool JakZatwierdzony(const QImage& teraz, const QString& wzorzec, QString& opis)
{
    const QImage wzor(wzorzec);
    const tRoznicaObrazow r = PorownajObrazy(teraz, wzor);
    if (r.Zgodne) return true;
    const QString katalog = QStringLiteral(PONTIVA_KATALOG_BUDOWY "/obrazy-inne/");
    const QString nazwa = QFileInfo(wzorzec).completeBaseName();
    QDir().mkpath(katalog);
    teraz.save(katalog + nazwa + QStringLiteral(".png"));
    if (!r.Roznica.isNull()) r.Roznica.save(katalog + nazwa + QStringLiteral("_roznica.png"));
    opis += wzor.size() != teraz.size()
                ? QStringLiteral("%1: rozmiar %2 × %3 zamiast %4 × %5; nowy obraz: %6%1.png\n")
                      .arg(nazwa).arg(teraz.width()).arg(teraz.height()).arg(wzor.width()).arg(wzor.height()).arg(katalog)
                : QStringLiteral("%1: %2 pikseli poza tolerancją (różnica do %3 poziomów); %4%1.png, %4%1_roznica.png\n")
                      .arg(nazwa).arg(r.Poza).arg(r.Najwieksza).arg(katalog);
    return false;
}
