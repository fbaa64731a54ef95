#pragma once
// Mouse events for the page designer tests: sent straight to a widget, with the buttons and
// modifiers the real device would report.
#include <QApplication>
#include <QMouseEvent>
#include <QWidget>

inline void SendMouse(QWidget *widget, QEvent::Type type, const QPoint &at, Qt::MouseButton button,
                      Qt::MouseButtons buttons, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
{
    const QPointF local(at);
    QMouseEvent event(type, local, widget->mapToGlobal(local), button, buttons, modifiers);
    QApplication::sendEvent(widget, &event);
}

inline void Press(QWidget *w, const QPoint &at, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
{
    SendMouse(w, QEvent::MouseButtonPress, at, Qt::LeftButton, Qt::LeftButton, modifiers);
}

inline void Drag(QWidget *w, const QPoint &at)
{
    SendMouse(w, QEvent::MouseMove, at, Qt::NoButton, Qt::LeftButton);
}

inline void Hover(QWidget *w, const QPoint &at) { SendMouse(w, QEvent::MouseMove, at, Qt::NoButton, Qt::NoButton); }

inline void Release(QWidget *w, const QPoint &at, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
{
    SendMouse(w, QEvent::MouseButtonRelease, at, Qt::LeftButton, Qt::NoButton, modifiers);
}

inline void Click(QWidget *w, const QPoint &at, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
{
    Press(w, at, modifiers);
    Release(w, at, modifiers);
}
