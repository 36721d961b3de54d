#include "okna/wspolne/SkrotyOkna.h"

#include <QAction>
#include <QKeyEvent>
#include <QWidget>

bool OddajSkrotOknu(QEvent* zdarzenie)
{
    if (zdarzenie->type() != QEvent::ShortcutOverride) return false;
    auto* k = static_cast<QKeyEvent*>(zdarzenie);
    if (k->modifiers() != Qt::ControlModifier || k->key() < Qt::Key_A || k->key() > Qt::Key_Z) return false;
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
