#include "UnitFocusReturn.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QFocusEvent>
#include <QTimer>
#include <QWidget>

namespace {

bool Inside(const QWidget *widget, const QWidget *container)
{
    return widget && container && (widget == container || container->isAncestorOf(widget));
}

} // namespace

TFocusReturn::TFocusReturn(QWidget *source) : QObject(source), FSource(source)
{
    connect(qApp, &QApplication::focusChanged, this, &TFocusReturn::FocusChanged);
    source->installEventFilter(this);
}

bool TFocusReturn::eventFilter(QObject *watched, QEvent *event)
{
    // The focus-out event comes before the change is announced and carries its reason.
    if (watched == FSource && event->type() == QEvent::FocusOut)
        FSourceOutReason = static_cast<QFocusEvent *>(event)->reason();
    return QObject::eventFilter(watched, event);
}

void TFocusReturn::FocusChanged(QWidget *old, QWidget *now)
{
    if (!Inside(old, FSource) || !now || Inside(now, FSource))
        return;
    // A popup (a combo's own list, a menu) is not a control to come back to.
    if (now->window()->windowType() == Qt::Popup)
        return;
    FControl = now;
    // An in-place editor's reason is not seen here; a held button tells a click.
    FReason = old == FSource                          ? FSourceOutReason
              : QApplication::mouseButtons() != Qt::NoButton ? Qt::MouseFocusReason
                                                            : Qt::OtherFocusReason;
    if (!FPending) {
        FPending = true;
        QTimer::singleShot(0, this, &TFocusReturn::ReturnFocus);
    }
}

void TFocusReturn::ReturnFocus()
{
    FPending = false;
    QWidget *control = FControl;
    if (!control || !control->isVisible() || !control->isEnabled())
        return;
    // Only a pull back into the source is undone; focus the program moved on elsewhere stays.
    if (Inside(QApplication::focusWidget(), FSource) && !QApplication::activePopupWidget())
        control->setFocus(FReason);
    if (QApplication::focusWidget() != control)
        return;
    if (auto *combo = qobject_cast<QComboBox *>(control))
        if (FReason == Qt::MouseFocusReason && combo->count() > 0 && !combo->view()->isVisible())
            combo->showPopup();
}
