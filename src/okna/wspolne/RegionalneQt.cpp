#include "okna/wspolne/RegionalneQt.h"

#include <QLocale>

#include "common/Regionalne.h"

void UstawRegionalne(const QLocale& ustawienia)
{
    const QString separator = ustawienia.decimalPoint();
    Regionalne().SeparatorDziesietny = separator == QStringLiteral(",") ? ',' : '.';
    Regionalne().FormatDatyKrotkiej = ustawienia.dateFormat(QLocale::ShortFormat).toStdString();
}
