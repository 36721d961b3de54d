#include "okna/wspolne/CzcionkaStala.h"

#include <QFontDatabase>
#include <QFontInfo>

QFont CzcionkaStala(qreal punkty)
{
    QFont f(QStringLiteral("Courier New"));
    f.setPointSizeF(punkty);
    f.setStyleHint(QFont::TypeWriter);
    if (QFontInfo(f).fixedPitch()) return f;
    QFont z = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    z.setPointSizeF(punkty);
    return z;
}
