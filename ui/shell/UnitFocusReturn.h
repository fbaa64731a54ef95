#pragma once
// Hands the focus back to the control that took it from a list or tree. An in-place editor that
// closes, or a rescan that rebuilds the list, can pull the focus back to the list after the user
// has clicked elsewhere; the click must win. A combo box clicked into also gets its list dropped
// down, as the click meant.
#include <QObject>
#include <QPointer>

class QWidget;

class TFocusReturn : public QObject {
    Q_OBJECT
public:
    // Watches `source` (and its in-place editors, which are its children) for losing the focus.
    explicit TFocusReturn(QWidget *source);

    // The control that last took the focus from the source (nullptr when gone).
    QWidget *ReturnControl() const { return FControl; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void FocusChanged(QWidget *old, QWidget *now);
    void ReturnFocus();

    QWidget *FSource;
    QPointer<QWidget> FControl;
    Qt::FocusReason FReason = Qt::OtherFocusReason;
    Qt::FocusReason FSourceOutReason = Qt::OtherFocusReason;
    bool FPending = false;
};
