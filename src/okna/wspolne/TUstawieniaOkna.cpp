#include "okna/wspolne/TUstawieniaOkna.h"

#include <QApplication>
#include <QEvent>
#include <QFileInfo>
#include <QGuiApplication>
#include <QScreen>
#include <QStyle>
#include <QWidget>
#include <algorithm>
#include <cmath>

#include "persistence/Katalogi.h"
#include "przebieg/OstatniePliki.h"

namespace {
const char* const KluczOstatnie = "pliki/ostatnie";
const char* const KluczKatalog = "pliki/katalog";
const char* const KluczGeometria = "okno/geometria";
const char* const KluczElementy = "okno/elementy";
const char* const KluczRamka = "okno/ramka";

tOstatniePliki Zapamietane(const QSettings& s)
{
    std::vector<std::string> pliki;
    for (const QString& p : s.value(KluczOstatnie).toStringList()) pliki.push_back(p.toStdString());
    return tOstatniePliki(pliki);
}

QStringList Napisy(const tOstatniePliki& lista)
{
    QStringList wynik;
    for (const std::string& p : lista.Pliki()) wynik << QString::fromStdString(p);
    return wynik;
}
}  // namespace

TUstawieniaOkna::TUstawieniaOkna() = default;

QStringList TUstawieniaOkna::OstatniePliki() const { return Napisy(Zapamietane(s_)); }

void TUstawieniaOkna::DodajOstatni(const QString& sciezka)
{
    tOstatniePliki lista = Zapamietane(s_);
    lista.Dodaj(sciezka.toStdString());
    s_.setValue(KluczOstatnie, Napisy(lista));
}

QString TUstawieniaOkna::OstatniKatalog() const
{
    const QString katalog = s_.value(KluczKatalog).toString();
    if (!katalog.isEmpty() && QFileInfo(katalog).isDir()) return katalog;
    return QString::fromStdString(KatalogJNI());
}

void TUstawieniaOkna::UstawOstatniKatalog(const QString& katalog) { s_.setValue(KluczKatalog, katalog); }

// Ramka razem z położeniem: przed pokazaniem okna menedżer okien jeszcze jej nie podał.
void TUstawieniaOkna::ZapiszGeometrie(const QWidget& okno)
{
    s_.setValue(KluczGeometria, okno.saveGeometry());
    const QMargins m = Ramka(okno);
    s_.setValue(KluczRamka, QVariantList{m.left(), m.top(), m.right(), m.bottom()});
}

bool TUstawieniaOkna::PrzywrocGeometrie(QWidget& okno) const
{
    const QByteArray g = s_.value(KluczGeometria).toByteArray();
    if (g.isEmpty() || !okno.restoreGeometry(g)) return false;
    const QVariantList m = s_.value(KluczRamka).toList();
    NaEkranie(okno, m.size() == 4 ? QMargins(m[0].toInt(), m[1].toInt(), m[2].toInt(), m[3].toInt()) : QMargins());
    return true;
}

bool TUstawieniaOkna::PanelElementow(bool domyslnie) const { return s_.value(KluczElementy, domyslnie).toBool(); }

void TUstawieniaOkna::UstawPanelElementow(bool widoczny) { s_.setValue(KluczElementy, widoczny); }

QMargins Ramka(const QWidget& okno)
{
    const QRect r = okno.geometry(), f = okno.frameGeometry();
    return {r.left() - f.left(), r.top() - f.top(), f.right() - r.right(), f.bottom() - r.bottom()};
}

void NaEkranie(QWidget& okno, QMargins ramka)
{
    if (okno.isMaximized() || okno.isFullScreen()) return;
    if (!Ramka(okno).isNull()) ramka = Ramka(okno);
    // Ramki jeszcze nie ma i nie zapamiętano jej: pasek tytułu i brzegi szacuje styl, raczej
    // z nadmiarem, i tylko do rozmiaru; miejsce takiemu oknu wybiera menedżer okien.
    const bool szacowana = ramka.isNull();
    if (szacowana) {
        const int brzeg = okno.style()->pixelMetric(QStyle::PM_MdiSubWindowFrameWidth);
        ramka = {brzeg, okno.style()->pixelMetric(QStyle::PM_TitleBarHeight), brzeg, brzeg};
    }
    const QRect r = okno.geometry();
    QRect f = r.marginsAdded(ramka);
    const QScreen* ekran = QGuiApplication::screenAt(f.center());
    QRect obszar = (ekran ? ekran : okno.screen())->availableGeometry();
    // Przy skali ułamkowej (150 %) ramka w pikselach logicznych jest zaokrąglona: piksel zapasu.
    const qreal skala = okno.devicePixelRatioF();
    if (skala != std::round(skala)) obszar.adjust(0, 0, -1, -1);
    const QSize rozmiar = r.size().boundedTo(obszar.size().shrunkBy(ramka)).expandedTo(okno.minimumSize());
    if (szacowana) return okno.resize(rozmiar);
    f.setSize(rozmiar.grownBy(ramka));
    // Wystające okno wraca na ekran; szersze (wyższe) od ekranu przylega do lewego (górnego) brzegu.
    const QPoint o(std::max(obszar.left() - f.left(), std::min(0, obszar.right() - f.right())),
                   std::max(obszar.top() - f.top(), std::min(0, obszar.bottom() - f.bottom())));
    // Położenie wnętrza okna, jak po restoreGeometry (położenie z ramką nie jest jeszcze znane).
    if (rozmiar != r.size() || !o.isNull()) okno.setGeometry(QRect(r.topLeft() + o, rozmiar));
}

namespace {
class tPolozenieOkna : public QObject {
public:
    explicit tPolozenieOkna(QWidget& okno) : QObject(&okno), okno_(okno) { okno.installEventFilter(this); }

    bool eventFilter(QObject* obiekt, QEvent* zdarzenie) override
    {
        if (obiekt != &okno_) return false;
        // Schowane okno Qt pokazuje znowu w tym samym miejscu: ustawiamy tylko pierwsze pokazanie.
        if (zdarzenie->type() == QEvent::Show && !umieszczone_) {
            umieszczone_ = true;
            QWidget* glowne = okno_.parentWidget() ? okno_.parentWidget()->window() : QApplication::activeWindow();
            if (glowne && glowne != &okno_) {
                // Najpierw rozmiar na ekran, potem środek: okno szersze od ekranu, wyśrodkowane
                // przed zmniejszeniem, zostałoby lewym brzegiem poza ekranem.
                NaEkranie(okno_);
                okno_.move(NaSrodku(*glowne));
                NaEkranie(okno_);
            }
        }
        return false;
    }

private:
    // Położenie okna na środku okna głównego, ale w dostępnym obszarze ekranu (ramka szacowana
    // jak w NaEkranie): okno główne większe od ekranu wypchnęłoby je pod pasek zadań.
    QPoint NaSrodku(const QWidget& glowne) const
    {
        const QRect obszar = glowne.screen()->availableGeometry();
        const int brzeg = okno_.style()->pixelMetric(QStyle::PM_MdiSubWindowFrameWidth);
        const int pasek = okno_.style()->pixelMetric(QStyle::PM_TitleBarHeight);
        const QPoint p = glowne.frameGeometry().center() - okno_.rect().center();
        // Ramki jeszcze nie ma: położenie to położenie wnętrza okna.
        const int x0 = obszar.left() + brzeg, y0 = obszar.top() + pasek;
        return {std::clamp(p.x(), x0, std::max(x0, obszar.right() + 1 - okno_.width() - brzeg)),
                std::clamp(p.y(), y0, std::max(y0, obszar.bottom() + 1 - okno_.height() - brzeg))};
    }

    QWidget& okno_;
    bool umieszczone_ = false;
};
}  // namespace

void PamietajPolozenie(QWidget& okno) { new tPolozenieOkna(okno); }
