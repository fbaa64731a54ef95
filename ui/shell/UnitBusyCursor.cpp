#include "UnitBusyCursor.h"

#include <QCursor>
#include <QGuiApplication>

Qt::CursorShape SetBusyCursor(Qt::CursorShape cursor)
{
    const QCursor *current = QGuiApplication::overrideCursor();
    const Qt::CursorShape previous = current ? current->shape() : Qt::ArrowCursor;
    // One override at a time: the program's cursor is a single setting, not a stack.
    while (QGuiApplication::overrideCursor())
        QGuiApplication::restoreOverrideCursor();
    if (cursor != Qt::ArrowCursor)
        QGuiApplication::setOverrideCursor(QCursor(cursor));
    return previous;
}
