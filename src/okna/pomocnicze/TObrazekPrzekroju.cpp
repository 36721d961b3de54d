#include "okna/pomocnicze/TObrazekPrzekroju.h"

#include "okna/wspolne/SkrotyOkna.h"
#include "okna/wspolne/TUstawieniaOkna.h"

#include <QPainter>
#include <QTabBar>

#include "core/Nazwy.h"
#include "okna/rysunki/RysunekWSkali.h"
#include "okna/wspolne/Tekst.h"

namespace {
constexpr int Szerokosc = 426;
constexpr int Wysokosc = 300;
const char* const ZakladkaWSkali = "W skali";
const char* const ZakladkaOznaczenia = "Oznaczenia wymiarów";
} // namespace

TObrazekPrzekroju::TObrazekPrzekroju(QWidget* rodzic) : QWidget(rodzic, Qt::Tool)
{
    ZamykanieEsc(*this);
    PamietajPolozenie(*this);
    setObjectName("ObrazekPrzekroju");
    resize(Szerokosc, Wysokosc);
    setAutoFillBackground(false);
    rysunek_ = OpisPrzekroju(typ_);
    setWindowTitle(QString::fromStdString(NazwaPrzekroju(typ_)));
    zakladki_ = new QTabBar(this);
    zakladki_->setObjectName(QStringLiteral("ZakladkiPrzekroju"));
    zakladki_->addTab(Tekst(ZakladkaWSkali));
    zakladki_->addTab(Tekst(ZakladkaOznaczenia));
    zakladki_->setDrawBase(false);
    zakladki_->resize(zakladki_->sizeHint());
    zakladki_->hide();
    // Zakładki rosną z czcionką: okno co najmniej tak szerokie jak one.
    resize(size().expandedTo(QSize(zakladki_->width(), 0)));
    connect(zakladki_, &QTabBar::currentChanged, this, [this] {
        Odswiez();
        update();
    });
}

void TObrazekPrzekroju::PokazPrzekroj(int typ)
{
    if (typ < 0 || typ >= LiczbaPrzekrojow) return;
    typ_ = typ;
    rysunek_ = OpisPrzekroju(typ);
    setWindowTitle(QString::fromStdString(NazwaPrzekroju(typ)));
    update();
    show();
    Odswiez();
}

void TObrazekPrzekroju::UstawObiekt(const tObiektMostowy* obiekt)
{
    obiekt_ = obiekt;
    zakladki_->setVisible(obiekt_ != nullptr);
}

bool TObrazekPrzekroju::WSkali() const { return obiekt_ && zakladki_->currentIndex() == 0; }

void TObrazekPrzekroju::PokazWSkali(bool wSkali) { zakladki_->setCurrentIndex(wSkali ? 0 : 1); }

void TObrazekPrzekroju::Odswiez()
{
    if (!isVisible() || !WSkali()) return;
    wSkali_ = PrzekrojWSkali(*obiekt_);
    update();
}

void TObrazekPrzekroju::paintEvent(QPaintEvent*)
{
    QPainter malarz(this);
    malarz.fillRect(rect(), Qt::white);
    QRectF obszar(rect());
    if (zakladki_->isVisible()) obszar.setTop(zakladki_->sizeHint().height());
    if (WSkali())
        RysujPrzekrojWSkali(malarz, wSkali_, obszar);
    else
        RysujPrzekroj(malarz, rysunek_, obszar);
}
