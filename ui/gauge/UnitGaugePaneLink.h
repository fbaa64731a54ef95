#pragma once
// Puts the gauge contents pane into the main window: the pane of the gauge node, its connection
// started and stopped with the window's gauge link signals, and gauge rows dropped on a folder
// of the tree downloaded there.
#include "UnitFormCalvaneK27.h"

#include <QObject>
#include <QPointer>

class TFormMain;

class TGaugePaneLink : public QObject, public IGaugePaneHost {
    Q_OBJECT
public:
    // Owned by the window; owns the pane. Create it before the window is first shown.
    explicit TGaugePaneLink(TFormMain *form);
    ~TGaugePaneLink() override;

    TFormCalvaneK27 *Pane() const { return FPane; }

    int ComPort() override;
    void SetStatusText(const QString &text) override;
    void SetGaugeNodeCaption(const QString &caption) override;
    void SetGaugeNodeImage(int picture) override;
    bool GaugeNodeSelected() override;
    void ShowGaugeNode() override;
    void SetBusy(bool busy) override;
    void SetPleaseWaitProgress(const QString &message, int position) override;
    void SetPleaseWaitCancelHandler(const std::function<void()> &handler) override;
    void RescanFolderNodes(const QString &folder, bool recursive) override;

protected:
    // Drags of gauge rows over the tree: the tree itself only takes files.
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    TFormMain *FForm;
    QPointer<TFormCalvaneK27> FPane;
};
