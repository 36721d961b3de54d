#include "ui/qt/UstawieniaOkna.h"

#include <QFileInfo>
#include <QWidget>

#include "persistence/Katalogi.h"
#include "ui/OstatniePliki.h"

namespace {
const char* const KluczOstatnie = "pliki/ostatnie";
const char* const KluczKatalog = "pliki/katalog";
const char* const KluczGeometria = "okno/geometria";
const char* const KluczElementy = "okno/elementy";

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

void TUstawieniaOkna::ZapiszGeometrie(const QWidget& okno) { s_.setValue(KluczGeometria, okno.saveGeometry()); }

void TUstawieniaOkna::PrzywrocGeometrie(QWidget& okno) const
{
    const QByteArray g = s_.value(KluczGeometria).toByteArray();
    if (!g.isEmpty()) okno.restoreGeometry(g);
}

bool TUstawieniaOkna::PanelElementow(bool domyslnie) const { return s_.value(KluczElementy, domyslnie).toBool(); }

void TUstawieniaOkna::UstawPanelElementow(bool widoczny) { s_.setValue(KluczElementy, widoczny); }
