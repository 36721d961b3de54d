// Ikony PNG programu w rozmiarach motywu hicolor, z tego samego rysunku, którego używa
// okno (IkonaProgramu.cpp): KATALOG/<rozmiar>/pontiva.png.
#include <QDir>
#include <QGuiApplication>
#include <QPixmap>

#include "okna/wspolne/IkonaProgramu.h"

int main(int argc, char* argv[])
{
    QGuiApplication aplikacja(argc, argv);
    if (argc != 2) return 2;
    for (int rozmiar : {16, 22, 24, 32, 48, 64, 128, 256}) {
        const QString katalog = QString::fromLocal8Bit(argv[1]) + '/' + QString::number(rozmiar);
        if (!QDir().mkpath(katalog) || !RysunekIkony(rozmiar).save(katalog + QStringLiteral("/pontiva.png")))
            return 1;
    }
    return 0;
}
