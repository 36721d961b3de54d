#include "ui/qt/TOknoWykresu.h"

#include <QFileDialog>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QMessageBox>
#include <QPushButton>
#include <QVBoxLayout>

#include "persistence/Katalogi.h"
#include "reports/WykresSvg.h"
#include "ui/qt/IkonaProgramu.h"
#include "ui/qt/WidokQt.h"
#include "ui/qt/WykresQt.h"

namespace {
const char* const Tytul = "Nośność dla różnych norm";
const char* const PrzyciskPng = "Zapisz PNG";
const char* const PrzyciskSvg = "Zapisz SVG";
const char* const PrzyciskZamknij = "Zamknij";
const char* const TytulZapisu = "Zapisz wykres";
const char* const FiltrPng = "Obraz PNG (*.png)";
const char* const FiltrSvg = "Rysunek SVG (*.svg)";
const char* const NazwaPliku = "PTU";
const char* const TytulBledu = "BŁĄD";

constexpr int Szerokosc = 1060;
constexpr int Wysokosc = 620;

// Nazwa domyślna obok PTU.TXT, z rozszerzeniem formatu.
QString Domyslna(const char* rozszerzenie)
{
    return QFileInfo(Tekst(SciezkaPorownania())).absolutePath() + '/' + QString::fromLatin1(NazwaPliku) +
           QString::fromLatin1(rozszerzenie);
}
} // namespace

TOknoWykresu::TOknoWykresu(QWidget* rodzic) : QWidget(rodzic, Qt::Window)
{
    setObjectName(QStringLiteral("OknoWykresu"));
    setWindowTitle(Tekst(Tytul));
    setWindowIcon(IkonaProgramu());
    resize(Szerokosc, Wysokosc);
    WybierzPlik = [this](const QString& tytul, const QString& nazwa, const QString& filtr) {
        return QFileDialog::getSaveFileName(this, tytul, nazwa, filtr);
    };
    wykres_ = new TWykres(this);
    auto* przyciski = new QHBoxLayout;
    przyciski->addStretch(1);
    auto przycisk = [&](const char* nazwa, const char* podpis, auto slot) {
        auto* b = new QPushButton(Tekst(podpis), this);
        b->setObjectName(QString::fromLatin1(nazwa));
        przyciski->addWidget(b);
        connect(b, &QPushButton::clicked, this, slot);
    };
    przycisk("btZapiszPng", PrzyciskPng, &TOknoWykresu::ZapiszPng);
    przycisk("btZapiszSvg", PrzyciskSvg, &TOknoWykresu::ZapiszSvg);
    przycisk("btZamknij", PrzyciskZamknij, &QWidget::close);
    auto* uklad = new QVBoxLayout(this);
    uklad->addWidget(wykres_, 1);
    uklad->addLayout(przyciski);
}

void TOknoWykresu::Pokaz(const tWykresPorownania& wykres)
{
    wykres_->UstawWykres(wykres);
    show();
    raise();
}

void TOknoWykresu::Blad(const std::string& komunikat)
{
    QMessageBox(QMessageBox::Warning, Tekst(TytulBledu), Tekst(komunikat), QMessageBox::Ok, this).exec();
}

void TOknoWykresu::ZapiszPng()
{
    const QString plik = WybierzPlik(Tekst(TytulZapisu), Domyslna(".png"), Tekst(FiltrPng));
    if (plik.isEmpty()) return;
    if (!wykres_->Obraz().save(plik, "PNG")) Blad(KomBladZapisuPorownania + plik.toStdString());
}

void TOknoWykresu::ZapiszSvg()
{
    const QString plik = WybierzPlik(Tekst(TytulZapisu), Domyslna(".svg"), Tekst(FiltrSvg));
    std::string komunikat;
    if (!plik.isEmpty() && !ZapiszWykresSvg(wykres_->Wykres(), plik.toStdString(), komunikat)) Blad(komunikat);
}
