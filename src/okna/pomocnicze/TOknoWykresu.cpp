#include "okna/pomocnicze/TOknoWykresu.h"

#include "okna/wspolne/SkrotyOkna.h"

#include <QBuffer>
#include <QFileDialog>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QMessageBox>
#include <QPushButton>
#include <QVBoxLayout>

#include "reports/Porownanie.h"
#include "reports/WykresSvg.h"
#include "system/Pliki.h"
#include "okna/wspolne/IkonaProgramu.h"
#include "okna/wspolne/TUstawieniaOkna.h"
#include "okna/wspolne/Tekst.h"
#include "okna/rysunki/TWykres.h"

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

// Nazwa domyślna w katalogu, w którym startują wszystkie okna wyboru pliku.
QString Domyslna(const char* rozszerzenie)
{
    return TUstawieniaOkna().OstatniKatalog() + '/' + QString::fromLatin1(NazwaPliku) + QString::fromLatin1(rozszerzenie);
}
} // namespace

TOknoWykresu::TOknoWykresu(QWidget* rodzic) : QWidget(rodzic, Qt::Window)
{
    ZamykanieEsc(*this);
    PamietajPolozenie(*this);
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

QString TOknoWykresu::Wybierz(const char* rozszerzenie, const char* filtr)
{
    const QString plik = WybierzPlik(Tekst(TytulZapisu), Domyslna(rozszerzenie), Tekst(filtr));
    if (!plik.isEmpty()) TUstawieniaOkna().UstawOstatniKatalog(QFileInfo(plik).absolutePath());
    return plik;
}

void TOknoWykresu::ZapiszPng()
{
    const QString plik = Wybierz(".png", FiltrPng);
    if (plik.isEmpty()) return;
    // Obraz zakodowany w pamięci, na dysk zapisem atomowym jak każdy plik programu.
    QByteArray png;
    QBuffer bufor(&png);
    std::string powod;
    if (!bufor.open(QIODevice::WriteOnly) || !wykres_->Obraz().save(&bufor, "PNG") ||
        !ZapiszPlik(plik.toStdString(), std::string_view(png.constData(), static_cast<size_t>(png.size())), powod))
        Blad(KomBladZapisuPorownania + plik.toStdString());
}

void TOknoWykresu::ZapiszSvg()
{
    const QString plik = Wybierz(".svg", FiltrSvg);
    std::string komunikat;
    if (!plik.isEmpty() && !ZapiszWykresSvg(wykres_->Wykres(), plik.toStdString(), komunikat)) Blad(komunikat);
}
