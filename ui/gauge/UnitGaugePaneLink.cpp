#include "UnitGaugePaneLink.h"

#include "UnitFormMain.h"
#include "UnitFormPleaseWait.h"
#include "UnitFormPreferences.h"
#include "UnitTreeViewMain.h"

#include <QAction>
#include <QApplication>
#include <QDragMoveEvent>
#include <QDropEvent>
#include <QMimeData>
#include <QStyle>
#include <QTreeWidget>

TGaugePaneLink::TGaugePaneLink(TFormMain *form) : QObject(form), FForm(form), FPane(new TFormCalvaneK27(this))
{
    setObjectName(QStringLiteral("GaugePaneLink"));
    form->SetPane(TNodeKind::Gauge, FPane,
                  {FPane->ActionDownload(), FPane->ActionUploadTemplate(), FPane->ActionRefreshBatchList(),
                   FPane->ActionDeleteBatch()});
    connect(form, &TFormMain::GaugeLinkStart, this, [this] {
        if (FPane)
            FPane->StartConnection();
    });
    connect(form, &TFormMain::GaugeLinkStop, this, [this] {
        if (FPane)
            FPane->StopConnection();
    });
    FPane->ChoosePort = [form] { form->ShowPreferences(TFormPreferences::PageGauge); };
    form->Tree()->viewport()->installEventFilter(this);
}

TGaugePaneLink::~TGaugePaneLink()
{
    // The window lets go of its panes as it is destroyed; the pane is ours. Its connection ends
    // quietly, without calling back into the half-destroyed window.
    delete FPane;
}

int TGaugePaneLink::ComPort() { return FForm->Settings().ItemByName(QStringLiteral("ComPort")).AsInteger(); }

void TGaugePaneLink::SetStatusText(const QString &text) { FForm->SetStatusText(0, text); }

void TGaugePaneLink::SetGaugeNodeCaption(const QString &caption)
{
    if (QTreeWidgetItem *node = FForm->GaugeNode())
        node->setText(0, caption);
}

void TGaugePaneLink::SetGaugeNodeImage(int picture)
{
    QTreeWidgetItem *node = FForm->GaugeNode();
    if (!node)
        return;
    QStyle *style = QApplication::style();
    node->setIcon(0, style->standardIcon(picture == 1 ? QStyle::SP_DriveNetIcon : QStyle::SP_ComputerIcon));
}

bool TGaugePaneLink::GaugeNodeSelected()
{
    return FForm->GaugeNode() && FForm->SelectedNode() == FForm->GaugeNode();
}

void TGaugePaneLink::ShowGaugeNode()
{
    if (!FForm->BrowsePanesVisible())
        FForm->SetBrowsePanesVisible(true);
    FForm->SelectNode(FForm->GaugeNode());
}

void TGaugePaneLink::SetBusy(bool busy) { FForm->SetBusy(busy); }

void TGaugePaneLink::SetPleaseWaitProgress(const QString &message, int position)
{
    FForm->PleaseWait()->SetProgress(message, position);
}

void TGaugePaneLink::SetPleaseWaitCancelHandler(const std::function<void()> &handler)
{
    FForm->PleaseWait()->CancelHandler = handler;
}

void TGaugePaneLink::RescanFolderNodes(const QString &folder, bool recursive)
{
    FForm->RescanFolderNodes(folder, recursive);
}

bool TGaugePaneLink::eventFilter(QObject *watched, QEvent *event)
{
    const QEvent::Type type = event->type();
    if (type != QEvent::DragEnter && type != QEvent::DragMove && type != QEvent::Drop)
        return QObject::eventFilter(watched, event);
    auto *drop = static_cast<QDropEvent *>(event);
    if (!FPane || !drop->mimeData() || !drop->mimeData()->hasFormat(GaugeBatchesMimeType()))
        return QObject::eventFilter(watched, event);
    if (type == QEvent::DragEnter) {
        drop->setDropAction(Qt::CopyAction);
        drop->accept();
        return true;
    }
    // Only folders of the storage tree take batches.
    auto *tree = static_cast<TTreeViewMain *>(FForm->Tree());
    QTreeWidgetItem *target = tree->itemAt(drop->position().toPoint());
    const QString folder = target && FForm->IsUnderLocal(target) ? FForm->FolderPathOfNode(target) : QString();
    tree->SetDropTarget(type == QEvent::DragMove && !folder.isEmpty() ? target : nullptr);
    if (folder.isEmpty()) {
        drop->ignore();
        return true;
    }
    drop->setDropAction(Qt::CopyAction);
    drop->accept();
    if (type == QEvent::Drop)
        FPane->DownloadTo(folder);
    return true;
}
