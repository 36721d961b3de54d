#include "okna/glowne/TPoleLiczbowe.h"

#include <QApplication>
#include <QLineEdit>
#include <QWheelEvent>
#include <algorithm>
#include <charconv>
#include <cmath>

#include "common/Formatowanie.h"
#include "okna/wspolne/SkrotyOkna.h"

bool CzytajLiczbe(const QString& tekst, double& wynik)
{
    std::string t = tekst.trimmed().toStdString();
    std::replace(t.begin(), t.end(), ',', '.');
    const char* p = t.data();
    const char* k = t.data() + t.size();
    if (p != k && *p == '+') ++p;
    double v = 0;
    auto [gdzie, blad] = std::from_chars(p, k, v, std::chars_format::general);
    if (p == k || blad != std::errc() || gdzie != k || !std::isfinite(v)) return false;
    wynik = v;
    return true;
}

TPoleLiczbowe::TPoleLiczbowe(tPole pole, QWidget* rodzic) : QAbstractSpinBox(rodzic), pole_(pole)
{
    setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    setAccelerated(true);
    // Kółko nie daje fokusu (domyślne Qt::WheelFocus zmieniałoby pole przy przewijaniu listy).
    setFocusPolicy(Qt::StrongFocus);
    setObjectName(QStringLiteral("Pole%1").arg(static_cast<int>(pole)));
    lineEdit()->setText(QString::fromStdString(LiczbaStala(WartoscUstawiana(pole_, 0), OpisPola(pole_).Miejsca)));
    connect(lineEdit(), &QLineEdit::textChanged, this, [this] { emit Zmieniono(); });
    connect(this, &QAbstractSpinBox::editingFinished, this, &TPoleLiczbowe::PoEdycji);
}

double TPoleLiczbowe::Wartosc() const
{
    double v = 0;
    return CzytajLiczbe(lineEdit()->text(), v) ? v : OpisPola(pole_).Min;
}

bool TPoleLiczbowe::JestLiczba() const
{
    double v = 0;
    return lineEdit()->text().trimmed().isEmpty() || CzytajLiczbe(lineEdit()->text(), v);
}

void TPoleLiczbowe::OznaczBlad(bool blad)
{
    if (blad == blad_) return;
    blad_ = blad;
    QPalette paleta = QApplication::palette(this);
    if (blad) {
        paleta.setColor(QPalette::Base, Qt::red);
        paleta.setColor(QPalette::Text, Qt::white);
    }
    setPalette(paleta);
}

QString TPoleLiczbowe::Tekst() const { return lineEdit()->text(); }

void TPoleLiczbowe::UstawWartosc(double v)
{
    const QString t = QString::fromStdString(LiczbaStala(WartoscUstawiana(pole_, v), OpisPola(pole_).Miejsca));
    if (t != lineEdit()->text()) lineEdit()->setText(t);
}

void TPoleLiczbowe::UstawWartoscWpisana(double v)
{
    const QString t = QString::fromStdString(TekstWpisanej(pole_, v));
    if (t != lineEdit()->text()) lineEdit()->setText(t);
}

void TPoleLiczbowe::stepBy(int kroki) { UstawWartosc(Wartosc() + kroki * OpisPola(pole_).Krok); }

QValidator::State TPoleLiczbowe::validate(QString&, int&) const
{
    // Pole niczego nie odrzuca: błędne dane pokazuje przeliczenie.
    return QValidator::Acceptable;
}

QAbstractSpinBox::StepEnabled TPoleLiczbowe::stepEnabled() const
{
    if (isReadOnly()) return StepNone;
    const tOpisPola& o = OpisPola(pole_);
    const double v = Wartosc();
    StepEnabled s = StepNone;
    if (v < o.Max) s |= StepUpEnabled;
    if (v > o.Min) s |= StepDownEnabled;
    return s;
}

bool TPoleLiczbowe::event(QEvent* zdarzenie)
{
    if (OddajSkrotOknu(zdarzenie)) return true;
    return QAbstractSpinBox::event(zdarzenie);
}

void TPoleLiczbowe::wheelEvent(QWheelEvent* zdarzenie)
{
    if (!hasFocus()) {
        zdarzenie->ignore();  // trafia do rodzica: przewija panel
        return;
    }
    QAbstractSpinBox::wheelEvent(zdarzenie);
}

void TPoleLiczbowe::PoEdycji()
{
    // Przycięta wartość opisywałaby inny most: liczba spoza zakresu zostaje, tylko w formacie
    // pola, a przeliczenie ją odrzuca z zakresem pola.
    double v = 0;
    if (!CzytajLiczbe(lineEdit()->text(), v)) return;
    const QString t = QString::fromStdString(LiczbaStala(WartoscPola(pole_, v), OpisPola(pole_).Miejsca));
    if (t != lineEdit()->text()) lineEdit()->setText(t);
}
