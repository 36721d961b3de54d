#include "okna/wspolne/SkrotyOkna.h"

#include <QAction>
#include <QKeyEvent>
#include <QWidget>

bool OddajSkrotOknu(QEvent* zdarzenie)
{
    if (zdarzenie->type() != QEvent::ShortcutOverride) return false;
    auto* k = static_cast<QKeyEvent*>(zdarzenie);
    const bool litera = k->key() >= Qt::Key_A && k->key() <= Qt::Key_Z &&
                        (k->modifiers() == Qt::ControlModifier || k->modifiers() == (Qt::ControlModifier | Qt::ShiftModifier));
    const bool cofnij = k->key() == Qt::Key_Backspace && k->modifiers() == Qt::AltModifier;
    if (!litera && !cofnij) return false;
    zdarzenie->ignore();
    return true;
}

void ZamykanieEsc(QWidget& okno)
{
    auto* esc = new QAction(&okno);
    esc->setObjectName(QStringLiteral("acEsc"));
    esc->setShortcut(QKeySequence(Qt::Key_Escape));
    esc->setShortcutContext(Qt::WidgetWithChildrenShortcut);
    QObject::connect(esc, &QAction::triggered, &okno, &QWidget::close);
    okno.addAction(esc);
}
