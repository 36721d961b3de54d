#include "okna/SkrotyOkna.h"

#include <QKeyEvent>

bool OddajSkrotOknu(QEvent* zdarzenie)
{
    if (zdarzenie->type() != QEvent::ShortcutOverride) return false;
    auto* k = static_cast<QKeyEvent*>(zdarzenie);
    if (k->modifiers() != Qt::ControlModifier || k->key() < Qt::Key_A || k->key() > Qt::Key_Z) return false;
    zdarzenie->ignore();
    return true;
}
