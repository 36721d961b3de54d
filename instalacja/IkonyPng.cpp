// Ikony PNG programu w rozmiarach motywu hicolor, z tego samego rysunku, którego używa
// okno (IkonaProgramu.cpp): KATALOG/<rozmiar>/pontiva.png. Z drugim argumentem także ikona
// Windows (plik .ico z obrazami PNG w kilku rozmiarach) do zasobu pontiva.exe.
#include <QBuffer>
#include <QDataStream>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QPixmap>
#include <utility>
#include <vector>

#include "okna/wspolne/IkonaProgramu.h"

namespace {

QByteArray Png(int rozmiar)
{
    QByteArray bajty;
    QBuffer bufor(&bajty);
    bufor.open(QIODevice::WriteOnly);
    RysunekIkony(rozmiar).save(&bufor, "PNG");
    return bajty;
}

// Nagłówek ICO, katalog obrazów i obrazy PNG (Windows Vista i nowsze czytają PNG w ICO).
bool ZapiszIco(const QString& sciezka)
{
    std::vector<std::pair<int, QByteArray>> obrazy;
    for (int rozmiar : {16, 24, 32, 48, 64, 128, 256}) obrazy.emplace_back(rozmiar, Png(rozmiar));
    QFile plik(sciezka);
    if (!plik.open(QIODevice::WriteOnly)) return false;
    QDataStream s(&plik);
    s.setByteOrder(QDataStream::LittleEndian);
    s << quint16(0) << quint16(1) << quint16(obrazy.size());
    quint32 polozenie = 6 + 16 * quint32(obrazy.size());
    for (const auto& [rozmiar, png] : obrazy) {
        const quint8 bok = rozmiar >= 256 ? 0 : quint8(rozmiar);  // 0 znaczy 256
        s << bok << bok << quint8(0) << quint8(0) << quint16(1) << quint16(32) << quint32(png.size()) << polozenie;
        polozenie += quint32(png.size());
    }
    for (const auto& obraz : obrazy) s.writeRawData(obraz.second.constData(), int(obraz.second.size()));
    return s.status() == QDataStream::Ok && plik.flush();
}

}  // namespace

int main(int argc, char* argv[])
{
    QGuiApplication aplikacja(argc, argv);
    if (argc != 2 && argc != 3) return 2;
    for (int rozmiar : {16, 22, 24, 32, 48, 64, 128, 256}) {
        const QString katalog = QString::fromLocal8Bit(argv[1]) + '/' + QString::number(rozmiar);
        if (!QDir().mkpath(katalog) || !RysunekIkony(rozmiar).save(katalog + QStringLiteral("/pontiva.png")))
            return 1;
    }
    if (argc == 3 && !ZapiszIco(QString::fromLocal8Bit(argv[2]))) return 1;
    return 0;
}
