#include "okna/rejestr/TWykresKategorii.h"

#include <QPainter>
#include <algorithm>

#include "przebieg/SkalaMas.h"
#include "okna/wspolne/KolorOdmowy.h"
#include "okna/wspolne/Tekst.h"

namespace {
const char* const Tytul = "Kategorie pokazanych obiektów";
// Masy kategorii na skali barw od 10 do 42 t (jak KATEGORIA w tabeli).
const double MasyKategorii[LiczbaKategoriiRejestru - 1] = {42, 32, 24, 16, 10, 0};
const tSkalaMas SkalaKategorii{10, 42};
constexpr int NajkrotszySlupek = 60;  // [px] słupka najliczniejszej kategorii, co najmniej
constexpr int Odstep = 6;

QColor Barwa(int kategoria)
{
    if (kategoria == LiczbaKategoriiRejestru - 1) return KolorOdmowy;
    const tKolor k = KolorMasy(SkalaKategorii, MasyKategorii[kategoria]);
    return {k.R, k.G, k.B};
}
}  // namespace

TWykresKategorii::TWykresKategorii(QWidget* rodzic) : QWidget(rodzic)
{
    setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Preferred);
}

void TWykresKategorii::Ustaw(const std::array<int, LiczbaKategoriiRejestru>& liczby)
{
    if (liczby == liczby_) return;
    liczby_ = liczby;
    QString dymek = Tekst(Tytul) + ':';
    for (int i = 0; i < LiczbaKategoriiRejestru; ++i)
        dymek += QStringLiteral("\n%1: %2").arg(Tekst(NazwyKategoriiRejestru[i])).arg(liczby_[i]);
    setToolTip(dymek);
    update();
}

int TWykresKategorii::SzerokoscPodpisow() const
{
    int s = 0;
    for (const char* n : NazwyKategoriiRejestru) s = std::max(s, fontMetrics().horizontalAdvance(Tekst(n)));
    return s;
}

QSize TWykresKategorii::minimumSizeHint() const
{
    const QFontMetrics fm = fontMetrics();
    const int liczba = fm.horizontalAdvance(QStringLiteral("99999"));
    QFont tytul = font();
    tytul.setBold(true);
    return {std::max(SzerokoscPodpisow() + NajkrotszySlupek + liczba + 3 * Odstep,
                     QFontMetrics(tytul).horizontalAdvance(Tekst(Tytul)) + 2 * Odstep),
            (LiczbaKategoriiRejestru + 1) * (fm.height() + Odstep) + Odstep};
}

QSize TWykresKategorii::sizeHint() const { return minimumSizeHint() + QSize(NajkrotszySlupek / 3, 0); }

void TWykresKategorii::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing, false);
    const QFontMetrics fm = fontMetrics();
    const int wiersz = fm.height() + Odstep;
    const int podpisy = SzerokoscPodpisow();
    const int liczba = fm.horizontalAdvance(QStringLiteral("99999"));
    const int x0 = Odstep + podpisy + Odstep;
    const int dlugosc = std::max(1, width() - x0 - Odstep - liczba - Odstep);
    const int najwiecej = std::max(1, *std::max_element(liczby_.begin(), liczby_.end()));
    QFont tytul = font();
    tytul.setBold(true);
    p.setFont(tytul);
    p.setPen(palette().color(QPalette::WindowText));
    p.drawText(QRect(Odstep, Odstep / 2, width() - 2 * Odstep, wiersz), Qt::AlignLeft | Qt::AlignVCenter,
               QFontMetrics(tytul).elidedText(Tekst(Tytul), Qt::ElideRight, width() - 2 * Odstep));
    p.setFont(font());
    for (int i = 0; i < LiczbaKategoriiRejestru; ++i) {
        const int y = (i + 1) * wiersz + Odstep / 2;
        p.setPen(palette().color(QPalette::WindowText));
        p.drawText(QRect(Odstep, y, podpisy, wiersz), Qt::AlignRight | Qt::AlignVCenter, Tekst(NazwyKategoriiRejestru[i]));
        const int s = static_cast<int>(static_cast<long long>(dlugosc) * liczby_[i] / najwiecej);
        if (s > 0) p.fillRect(QRect(x0, y + Odstep / 2, s, wiersz - Odstep), Barwa(i));
        p.drawText(QRect(x0 + s + Odstep / 2, y, liczba + Odstep, wiersz), Qt::AlignLeft | Qt::AlignVCenter,
                   QString::number(liczby_[i]));
    }
}
