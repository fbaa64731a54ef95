#include "UnitFormCalvaneK27.h"
#include "UnitKeyboardAccess.h"

#include "UnitBatchList.h"
#include "UnitCommK27Thread.h"
#include "UnitDemoGauge.h"
#include "UnitDialogHooks.h"
#include "UnitDownloadSaver.h"
#include "UnitEnumComPort.h"
#include "UnitException.h"
#include "UnitFormDownloadBatches.h"
#include "UnitListLayout.h"
#include "UnitPrompt.h"

#include <QAction>
#include <QStyle>
#include <QApplication>
#include <QDrag>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QHeaderView>
#include <QMenu>
#include <QMimeData>
#include <QMutexLocker>
#include <QPainter>
#include <QSet>
#include <QTimer>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace {

constexpr int EntryRole = Qt::UserRole;
// Columns, Rows and Readings.
const QList<int> NumberColumns{3, 4, 5};

// Rows drag as a request to download them, never as a move that would remove them.
class TGaugeListView : public QTreeWidget {
public:
    using QTreeWidget::QTreeWidget;

protected:
    void startDrag(Qt::DropActions) override
    {
        if (selectedItems().isEmpty())
            return;
        auto *mime = new QMimeData;
        mime->setData(GaugeBatchesMimeType(), QByteArray());
        auto *drag = new QDrag(this);
        drag->setMimeData(mime);
        drag->exec(Qt::CopyAction, Qt::CopyAction);
    }
};

// A small badge per batch type: "C" on blue for cover, "H" on orange for half-cell.
QIcon BatchTypeIcon(int batchType)
{
    QPixmap pixmap(16, 16);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setBrush(batchType == BatchTypeCover ? QColor(40, 90, 170) : QColor(205, 110, 20));
    painter.setPen(Qt::NoPen);
    painter.drawRoundedRect(QRectF(0.5, 0.5, 15, 15), 3, 3);
    painter.setPen(Qt::white);
    QFont font = painter.font();
    font.setPixelSize(11);
    font.setBold(true);
    painter.setFont(font);
    painter.drawText(QRect(0, 0, 16, 16), Qt::AlignCenter,
                     batchType == BatchTypeCover ? QStringLiteral("C") : QStringLiteral("H"));
    return QIcon(pixmap);
}

} // namespace

QString GaugeBatchesMimeType() { return QStringLiteral("application/x-orvalis-gauge-batches"); }

TFormCalvaneK27::TFormCalvaneK27(IGaugePaneHost *host, QWidget *parent)
    : QWidget(parent), FHost(host), FCommandTimer(new QTimer(this)), FDemoGauge(std::make_unique<TDemoGauge>()),
      FStateTimer(new QTimer(this)), FStatePanel(new QFrame(this)), FStateIcon(new QLabel(FStatePanel)),
      FStateLabel(new QLabel(FStatePanel)), FButtonChoosePort(new QPushButton(FStatePanel)),
      FList(new TGaugeListView(this)), FPopup(new QMenu(this))
{
    setObjectName(QStringLiteral("FormCalvaneK27"));
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);

    // The state line above the list: what the connection is doing, and what to do about it.
    FStatePanel->setObjectName(QStringLiteral("PanelGaugeState"));
    static_cast<QFrame *>(FStatePanel)->setFrameShape(QFrame::StyledPanel);
    FStatePanel->setAutoFillBackground(true);
    FStatePanel->setBackgroundRole(QPalette::AlternateBase);
    FStateIcon->setObjectName(QStringLiteral("ImageGaugeState"));
    FStateIcon->setAlignment(Qt::AlignTop);
    FStateLabel->setObjectName(QStringLiteral("LabelGaugeState"));
    FStateLabel->setWordWrap(true);
    FStateLabel->setTextInteractionFlags(Qt::TextSelectableByMouse);
    FButtonChoosePort->setObjectName(QStringLiteral("ButtonChoosePort"));
    FButtonChoosePort->setText(Tr("Choose Port..."));
    connect(FButtonChoosePort, &QPushButton::clicked, this, [this] {
        if (ChoosePort)
            ChoosePort();
    });
    auto *stateLayout = new QHBoxLayout(FStatePanel);
    stateLayout->setContentsMargins(8, 6, 8, 6);
    stateLayout->addWidget(FStateIcon);
    stateLayout->addWidget(FStateLabel, 1);
    stateLayout->addWidget(FButtonChoosePort, 0, Qt::AlignVCenter);
    layout->addWidget(FStatePanel);
    layout->addWidget(FList, 1);
    FStateTimer->setInterval(500);
    connect(FStateTimer, &QTimer::timeout, this, &TFormCalvaneK27::UpdatePollingState);

    FList->setObjectName(QStringLiteral("ListViewGauge"));
    FList->setAccessibleName(Tr("Batches"));
    FList->setRootIsDecorated(false);
    FList->setUniformRowHeights(true);
    FList->setAllColumnsShowFocus(true);
    FList->setSelectionMode(QAbstractItemView::ExtendedSelection);
    FList->setSelectionBehavior(QAbstractItemView::SelectRows);
    FList->setEditTriggers(QAbstractItemView::NoEditTriggers);
    FList->setDragEnabled(true);
    FList->setDragDropMode(QAbstractItemView::DragOnly);
    FList->setContextMenuPolicy(Qt::CustomContextMenu);
    FList->setHeaderLabels({Tr("Name"), Tr("Type"), Tr("Format"), Tr("Columns"), Tr("Rows"), Tr("Readings")});
    FList->setColumnWidth(0, 180);
    ArrangeNumberColumns(FList, NumberColumns);

    auto makeAction = [this](const char *name, const QString &caption, const std::function<void()> &execute) {
        auto *action = new QAction(caption, this);
        action->setObjectName(QString::fromLatin1(name));
        action->setShortcutContext(Qt::WidgetWithChildrenShortcut);
        connect(action, &QAction::triggered, this, [execute] { execute(); });
        addAction(action);
        return action;
    };
    FActionDownload = makeAction("ActionDownload", Tr("Download"), [this] { ActionDownloadExecute(); });
    FActionUploadTemplate = makeAction("ActionUploadTemplate", Tr("Upload"), [this] {
        if (UploadTemplates)
            UploadTemplates();
    });
    FActionRefreshBatchList = makeAction("ActionRefreshBatchList", Tr("Refresh"), [this] { StartConnection(); });
    FActionDeleteBatch = makeAction("ActionDeleteBatch", Tr("Delete"), [this] { ActionDeleteBatchExecute(); });
    FActionDeleteBatch->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_D));
    // Pictures like the other panes' tool buttons.
    QStyle *style = QApplication::style();
    FActionDownload->setIcon(style->standardIcon(QStyle::SP_ArrowDown));
    FActionUploadTemplate->setIcon(style->standardIcon(QStyle::SP_ArrowUp));
    FActionRefreshBatchList->setIcon(style->standardIcon(QStyle::SP_BrowserReload));
    FActionDeleteBatch->setIcon(style->standardIcon(QStyle::SP_TrashIcon));

    FPopup->addAction(FActionDownload);
    FPopup->addAction(FActionUploadTemplate);
    FPopup->addSeparator();
    FPopup->addAction(FActionRefreshBatchList);
    FPopup->addSeparator();
    FPopup->addAction(FActionDeleteBatch);
    connect(FList, &QWidget::customContextMenuRequested, this,
            [this](const QPoint &p) { FPopup->popup(FList->viewport()->mapToGlobal(p)); });
    connect(FList, &QTreeWidget::itemSelectionChanged, this, &TFormCalvaneK27::UpdateActions);

    FCommandTimer->setInterval(10);
    connect(FCommandTimer, &QTimer::timeout, this, &TFormCalvaneK27::IssuePendingCommand);

    ChooseDownloadFolder = [this] {
        TFormDownloadBatches dialog(this);
        dialog.RescanFolderNodes = [this](const QString &folder, bool recursive) {
            FHost->RescanFolderNodes(folder, recursive);
        };
        return ExecDialog(dialog) == QDialog::Accepted ? dialog.SelectedFolder() : QString();
    };
    ShowState(TGaugeState::NoPort);
    UpdateActions();
    MakeKeyboardAccessible(this);
}

TFormCalvaneK27::~TFormCalvaneK27()
{
    // The thread's events refer to this pane: they must not outlive it.
    FClosing = true;
    FCommandTimer->stop();
    if (FThread)
        StopCommThread(FThread, TCommK27Thread::TServing::OwnEventsOnly);
    FDemoGauge->Stop();
}

void TFormCalvaneK27::StartConnection()
{
    StopConnection();
    const int port = FHost->ComPort();
    // The simulator runs only while the demonstration gauge is the chosen port.
    if (port != DemoGaugePort)
        FDemoGauge->Stop();
    if (port == DemoGaugePort) {
        try {
            FThread = std::make_unique<TCommK27Thread>(FDemoGauge->Start());
        } catch (const Exception &e) {
            ShowState(TGaugeState::OpenFailed, e.Message());
            Prompt().Error(e.Message());
            return;
        }
    } else {
        FThread = std::make_unique<TCommK27Thread>(port);
    }
    ShowState(port == 0 ? TGaugeState::NoPort : TGaugeState::Opening);
    // A connection that fails keeps its list and its Connected state, but takes no more commands.
    connect(FThread.get(), &QThread::finished, this, &TFormCalvaneK27::UpdateActions);
    ConnectEvents();
    FThread->start();
}

void TFormCalvaneK27::StopConnection()
{
    FCommandTimer->stop();
    FPendingCommand = cmdIdle;
    if (FThread)
        StopCommThread(FThread);
    FConnected = false;
    FList->clear();
    UpdateActions();
}

void TFormCalvaneK27::ConnectEvents()
{
    TCommK27Thread *t = FThread.get();
    // While the pane goes away the window around it may be half gone: the last events are dropped.
    auto live = [this](std::function<void()> handler) {
        return [this, handler] {
            if (!FClosing)
                handler();
        };
    };
    // A connection being stopped (Cancel, Refresh) has already been let go of: what it still
    // finishes is not this pane's any more, and a cut-short download must not be saved.
    auto current = [this, t, live](std::function<void()> handler) {
        return live([this, t, handler] {
            if (FThread.get() == t)
                handler();
        });
    };
    t->OnStatus = current([this, t] { FHost->SetPleaseWaitProgress(t->Status, t->Progress); });
    // Its error is still told, also while it is being stopped.
    t->OnError = live([this, t] { OnError(t); });
    t->OnConnected = current([this] { OnConnected(); });
    t->OnBatchList = current([this] { OnBatchList(); });
    t->OnBatchReadings = current([this] { OnBatchReadings(); });
    t->OnTemplatesWritten = current([this] { OnStageEnded(); });
    t->OnBatchesDeleted = current([this] { OnStageEnded(); });
    t->OnBatchExists = [this, t] {
        if (FClosing || FThread.get() != t)
            t->ExistingBatchAnswer = ebCancel;
        else
            OnBatchExists();
    };
}

void TFormCalvaneK27::OnError(TCommK27Thread *thread)
{
    if (FThread.get() == thread)
        ShowState(thread->PortOpened() ? TGaugeState::Ended : TGaugeState::OpenFailed, thread->ErrorText);
    Prompt().Error(thread->ErrorText);
}

void TFormCalvaneK27::OnConnected()
{
    FConnected = true;
    FGaugeModel = FThread->GaugeModel;
    FTemplateBatchTypes = FThread->TemplateBatchTypes;
    FHost->SetGaugeNodeCaption(GaugeModelCaption(FGaugeModel, FTemplateBatchTypes));
    FHost->SetGaugeNodeImage(1);
    ShowState(TGaugeState::Connected);
    UpdateActions();
}

QString TFormCalvaneK27::PortCaption() const
{
    if (!FThread)
        return FHost->ComPort() == DemoGaugePort ? Tr("Demonstration gauge") : QString();
    if (FHost->ComPort() == DemoGaugePort)
        return Tr("Demonstration gauge (%1)").arg(FThread->Device);
    const QString device = FThread->Device.isEmpty() ? ComPortDevice(FThread->PortNumber) : FThread->Device;
    const QString name = QStringLiteral("COM%1").arg(FThread->PortNumber);
    return device.isEmpty() ? name : QStringLiteral("%1 (%2)").arg(name, device);
}

QString TFormCalvaneK27::StateText() const
{
    // Messages of the link keep their "\r\n" breaks; the label takes plain ones.
    QString message = FStateMessage;
    message.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    while (message.contains(QStringLiteral("\n\n")))
        message.replace(QStringLiteral("\n\n"), QStringLiteral("\n"));
    switch (FState) {
    case TGaugeState::NoPort:
        return Tr("No gauge port is chosen.") + QLatin1Char('\n') +
               Tr("Choose the port your gauge is connected to, or the demonstration gauge, in Preferences.");
    case TGaugeState::Opening:
        return Tr("Opening %1...").arg(PortCaption());
    case TGaugeState::Polling: {
        const int baud = FThread ? FThread->PollBaudRate() : 0;
        const qint64 seconds = FPollClock.isValid() ? FPollClock.elapsed() / 1000 : 0;
        return Tr("Looking for a gauge on %1: trying %2 baud, %3 s so far.").arg(PortCaption()).arg(baud).arg(seconds) +
               QLatin1Char('\n') + Tr("Check that the gauge is switched on and its cable is plugged in.");
    }
    case TGaugeState::OpenFailed:
        return Tr("%1 cannot be opened.").arg(PortCaption()) + QLatin1Char('\n') + message;
    case TGaugeState::Ended:
        return Tr("The connection on %1 has ended.").arg(PortCaption()) + QLatin1Char('\n') + message +
               QLatin1Char('\n') + Tr("Choose Refresh to try again.");
    case TGaugeState::Connected: {
        QString text = Tr("Connected to %1, serial number %2.")
                           .arg(GaugeModelCaption(FGaugeModel, FTemplateBatchTypes),
                                FThread ? FThread->GaugeSerialNumber : QString());
        if (FHost->ComPort() == DemoGaugePort)
            text += QLatin1Char('\n') + Tr("This is the demonstration gauge: its batches are sample data.");
        return text;
    }
    }
    return QString();
}

void TFormCalvaneK27::ShowState(TGaugeState state, const QString &message)
{
    if (state != FState || state != TGaugeState::Polling)
        FPollClock.invalidate();
    FState = state;
    FStateMessage = message;
    const bool waiting = state == TGaugeState::Opening || state == TGaugeState::Polling;
    if (waiting && !FStateTimer->isActive())
        FStateTimer->start();
    else if (!waiting)
        FStateTimer->stop();
    if (state == TGaugeState::Polling && !FPollClock.isValid())
        FPollClock.start();

    const QString text = StateText();
    FStateLabel->setText(text);
    QStyle *style = QApplication::style();
    const QStyle::StandardPixmap picture = state == TGaugeState::OpenFailed || state == TGaugeState::Ended
                                               ? QStyle::SP_MessageBoxWarning
                                               : QStyle::SP_MessageBoxInformation;
    const int size = style->pixelMetric(QStyle::PM_SmallIconSize) * 2;
    FStateIcon->setPixmap(style->standardIcon(picture).pixmap(size, size));
    FButtonChoosePort->setVisible(state == TGaugeState::NoPort || state == TGaugeState::OpenFailed);
    // The status bar has one line: the state's lines run on in it.
    FHost->SetStatusText(QString(text).replace(QLatin1Char('\n'), QLatin1Char(' ')));
    SetEmptyListHint(FList, state == TGaugeState::Connected
                                ? Tr("The gauge holds no batches. Batches measured with the gauge are listed here.")
                                : QString());
}

void TFormCalvaneK27::UpdatePollingState()
{
    if (!FThread || (FState != TGaugeState::Opening && FState != TGaugeState::Polling))
        return;
    if (FThread->PollBaudRate() > 0 || FState == TGaugeState::Polling)
        ShowState(TGaugeState::Polling);
}

void TFormCalvaneK27::OnBatchList()
{
    if (!FHost->GaugeNodeSelected())
        FHost->ShowGaugeNode();
    FillGaugeList();
    FList->selectAll();
    UpdateActions();
}

void TFormCalvaneK27::OnBatchReadings()
{
    FHost->SetBusy(false);
    // A file that cannot be written is the user's problem, not the connection's: tell and keep it.
    try {
        SaveDownloadedBatches(FThread->BatchList, FDownloadFolder);
    } catch (const Exception &e) {
        Prompt().Error(e.Message());
    }
}

void TFormCalvaneK27::OnBatchExists()
{
    QString id;
    {
        QMutexLocker guard(&FThread->BatchList.Mutex());
        const int index = FThread->ExistingBatchIndex;
        if (index >= 0 && index < FThread->BatchList.Count())
            id = FThread->BatchList.Items(index)->ID;
    }
    const TPromptAnswer answer = Prompt().YesNoCancelAll(
        Tr("The gauge already contains a batch named '%1'\r\n\r\nWould you like to replace the existing batch?").arg(id));
    switch (answer) {
    case TPromptAnswer::Yes: FThread->ExistingBatchAnswer = ebReplace; break;
    case TPromptAnswer::YesToAll: FThread->ExistingBatchAnswer = ebReplaceAll; break;
    case TPromptAnswer::Cancel: FThread->ExistingBatchAnswer = ebCancel; break;
    default: FThread->ExistingBatchAnswer = ebSkip; break;
    }
}

void TFormCalvaneK27::OnStageEnded()
{
    FHost->SetBusy(false);
    FillGaugeList();
}

void TFormCalvaneK27::RunCommand(std::uint8_t code)
{
    if (!FThread)
        return;
    FHost->SetPleaseWaitCancelHandler([this] { AbortCommand(); });
    FHost->SetPleaseWaitProgress(Tr("Please Wait..."), 0);
    FHost->SetBusy(true);
    FPendingCommand = code;
    IssuePendingCommand();
}

void TFormCalvaneK27::IssuePendingCommand()
{
    // The thread drops a command given before it is ready or while another one is pending, so
    // the command waits here until the thread takes commands.
    if (!FThread || FPendingCommand == cmdIdle) {
        FCommandTimer->stop();
        return;
    }
    if (FThread->Ready() && FThread->GetCommand() == cmdIdle) {
        FThread->SetCommand(FPendingCommand);
        FPendingCommand = cmdIdle;
        FCommandTimer->stop();
    } else if (!FCommandTimer->isActive()) {
        FCommandTimer->start();
    }
}

void TFormCalvaneK27::AbortCommand()
{
    StopConnection();
    FHost->SetBusy(false);
    StartConnection();
}

void TFormCalvaneK27::FillGaugeList()
{
    FList->clear();
    if (FThread) {
        QMutexLocker guard(&FThread->BatchList.Mutex());
        const TBatchList &list = FThread->BatchList;
        QList<QTreeWidgetItem *> rows;
        for (int i = 0; i < list.Count(); ++i) {
            const TBatchItem *entry = list.Items(i);
            const bool linear = entry->BatchFormat == BatchFormatLinear;
            auto *row = new QTreeWidgetItem(
                {entry->ID, BatchTypeName(entry->BatchType), BatchFormatName(entry->BatchFormat),
                 linear ? QStringLiteral("-") : QString::number(entry->Columns),
                 linear ? QStringLiteral("-") : QString::number(entry->Rows), QString::number(entry->Readings)});
            row->setIcon(0, BatchTypeIcon(entry->BatchType));
            AlignNumberCells(row, NumberColumns);
            row->setData(0, EntryRole, QVariant::fromValue(reinterpret_cast<quintptr>(entry)));
            rows << row;
        }
        FList->addTopLevelItems(rows);
    }
    UpdateActions();
}

int TFormCalvaneK27::TagSelectedEntries()
{
    QSet<quintptr> selected;
    for (const QTreeWidgetItem *row : FList->selectedItems())
        selected.insert(row->data(0, EntryRole).value<quintptr>());
    // Marks left from an interrupted command must not add batches the user did not choose.
    int count = 0;
    TBatchList &list = FThread->BatchList;
    for (int i = 0; i < list.Count(); ++i) {
        TBatchItem *entry = list.Items(i);
        entry->Tagged = selected.contains(reinterpret_cast<quintptr>(entry));
        count += entry->Tagged ? 1 : 0;
    }
    return count;
}

void TFormCalvaneK27::DownloadTo(const QString &folder)
{
    if (!FThread)
        return;
    {
        QMutexLocker guard(&FThread->BatchList.Mutex());
        if (TagSelectedEntries() == 0)
            return;
    }
    FDownloadFolder = folder.endsWith(QLatin1Char('/')) ? folder : folder + QLatin1Char('/');
    RunCommand(cmdDownload);
}

void TFormCalvaneK27::UpdateActions()
{
    const bool selected = !FList->selectedItems().isEmpty();
    FActionDownload->setEnabled(selected);
    FActionDeleteBatch->setEnabled(selected);
    FActionUploadTemplate->setEnabled(TakesTemplates() && FGaugeModel == 2 && UploadTemplates);
}

bool TFormCalvaneK27::TakesTemplates() const
{
    // A connection that has ended (a basic model is named, then refused) takes no command.
    return FConnected && !FTemplateBatchTypes.IsEmpty() && FThread && !FThread->isFinished();
}

void TFormCalvaneK27::ActionDownloadExecute()
{
    if (FList->selectedItems().isEmpty())
        return;
    const QString folder = ChooseDownloadFolder ? ChooseDownloadFolder() : QString();
    if (!folder.isEmpty())
        DownloadTo(folder);
}

void TFormCalvaneK27::ActionDeleteBatchExecute()
{
    const QList<QTreeWidgetItem *> rows = FList->selectedItems();
    if (rows.isEmpty() || !FThread)
        return;
    const QString question = rows.size() == 1
                                 ? Tr("Are you sure you want to delete '%1'?").arg(rows.first()->text(0))
                                 : Tr("Are you sure you want to delete these %1 batches?").arg(rows.size());
    if (Prompt().YesNo(question) != TPromptAnswer::Yes)
        return;
    {
        QMutexLocker guard(&FThread->BatchList.Mutex());
        if (TagSelectedEntries() == 0)
            return;
    }
    RunCommand(cmdDeleteBatches);
}
