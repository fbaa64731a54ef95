#pragma once
// The modeless "Please Wait..." window: a message, a progress bar and an optional Cancel button.
#include <QDialog>
#include <functional>

class QLabel;
class QProgressBar;
class QPushButton;

class TFormPleaseWait : public QDialog {
    Q_OBJECT
public:
    explicit TFormPleaseWait(QWidget *parent = nullptr);
    // Shows the message; the bar shows position (clamped to its maximum) for position >= 0, runs
    // as a marquee for -1 and is hidden below that.
    void SetProgress(const QString &message, int position);
    void SetMaximum(int maximum);
    // Called by the Cancel button; the button is shown only when a handler is set at show time.
    std::function<void()> CancelHandler;

    QString Message() const;
    QProgressBar *ProgressBar() const { return FProgress; }
    QPushButton *ButtonCancel() const { return FCancel; }
    // Esc and the window's close button end here too: with a cancel handler they cancel as the
    // button does; without one the window stays, since the work it waits for goes on.
    void reject() override;

protected:
    void showEvent(QShowEvent *event) override;

private:
    QLabel *FMessage;
    QProgressBar *FProgress;
    QPushButton *FCancel;
    int FMaximum = 100;
};
