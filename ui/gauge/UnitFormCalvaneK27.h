#pragma once
// The gauge contents pane: owns the connection to the gauge, lists the batches it stores and
// downloads or deletes them. What it needs from the main window goes through IGaugePaneHost.
#include "UnitVentraxK27.h"

#include <QElapsedTimer>
#include <QString>
#include <QWidget>
#include <cstdint>
#include <functional>
#include <memory>

class QAction;
class QLabel;
class QMenu;
class QPushButton;
class QTimer;
class QTreeWidget;
class TCommK27Thread;
class TDemoGauge;

// The main window's side of the pane.
class IGaugePaneHost {
public:
    virtual ~IGaugePaneHost() = default;
    // The number of the serial port chosen in the preferences (0: no gauge).
    virtual int ComPort() = 0;
    // First panel of the status bar.
    virtual void SetStatusText(const QString &text) = 0;
    // The gauge node of the folder tree: caption and picture (6 not connected, 1 connected).
    virtual void SetGaugeNodeCaption(const QString &caption) = 0;
    virtual void SetGaugeNodeImage(int picture) = 0;
    // Whether the gauge node is the selected one; ShowGaugeNode makes the tree visible and selects it.
    virtual bool GaugeNodeSelected() = 0;
    virtual void ShowGaugeNode() = 0;
    // The busy state with its "Please Wait..." window.
    virtual void SetBusy(bool busy) = 0;
    virtual void SetPleaseWaitProgress(const QString &message, int position) = 0;
    virtual void SetPleaseWaitCancelHandler(const std::function<void()> &handler) = 0;
    // Brings the tree's nodes of a folder up to date after the download dialog changed it.
    virtual void RescanFolderNodes(const QString &folder, bool recursive) = 0;
};

// What the pane tells about its connection, above its list and in the status bar.
enum class TGaugeState {
    NoPort,     // "No Gauge" chosen
    Opening,    // the port is being opened
    Polling,    // opened, looking for a gauge
    OpenFailed, // the port (or the demonstration gauge) could not be opened
    Ended,      // the connection ended with an error after the port had opened
    Connected,  // a gauge answered
};

// The drag format of gauge rows; the data is empty: a drop downloads the pane's selected rows.
QString GaugeBatchesMimeType();

class TFormCalvaneK27 : public QWidget {
    Q_OBJECT
public:
    explicit TFormCalvaneK27(IGaugePaneHost *host, QWidget *parent = nullptr);
    ~TFormCalvaneK27() override;

    // Replaces the connection by a new one on the chosen port.
    void StartConnection();
    // Ends the connection (serving its last events) and empties the list.
    void StopConnection();
    // Shows the busy state and gives the command to the thread as soon as it takes one.
    void RunCommand(std::uint8_t code);
    // Cancel of a running command: the connection is restarted.
    void AbortCommand();
    void FillGaugeList();
    // Downloads the batches of the selected rows into `folder`.
    void DownloadTo(const QString &folder);

    bool Connected() const { return FConnected; }
    // Connected on a connection that still runs, to a gauge that takes at least one batch type in
    // templates: when either Upload may start.
    bool TakesTemplates() const;
    std::uint8_t GaugeModel() const { return FGaugeModel; }
    const TTemplateSupportBatchType &TemplateBatchTypes() const { return FTemplateBatchTypes; }
    QString DownloadFolder() const { return FDownloadFolder; }
    // The current connection, nullptr when stopped.
    TCommK27Thread *Thread() const { return FThread.get(); }

    QTreeWidget *ListViewGauge() const { return FList; }
    QAction *ActionDownload() const { return FActionDownload; }
    QAction *ActionUploadTemplate() const { return FActionUploadTemplate; }
    QAction *ActionRefreshBatchList() const { return FActionRefreshBatchList; }
    QAction *ActionDeleteBatch() const { return FActionDeleteBatch; }
    QMenu *PopupMenu() const { return FPopup; }
    // Re-evaluates the actions' enabled states.
    void UpdateActions();

    // Chooses the folder of a download; by default the "Select Data Folder" dialog. Returns the
    // folder with a trailing separator, or an empty text when cancelled.
    std::function<QString()> ChooseDownloadFolder;
    // The template upload; until it is set the Upload action stays disabled.
    std::function<void()> UploadTemplates;
    // Opens Preferences at the port page (the button of the "no port" state).
    std::function<void()> ChoosePort;

    TGaugeState State() const { return FState; }
    // The text the pane shows for its state (lines separated by "\n").
    QString StateText() const;
    QPushButton *ButtonChoosePort() const { return FButtonChoosePort; }
    // The demonstration gauge's simulator, running only while it is the chosen port.
    const TDemoGauge &DemoGauge() const { return *FDemoGauge; }

private:
    void ConnectEvents();
    // Shows a state: its text over the list and its first line (with the message) in the status bar.
    void ShowState(TGaugeState state, const QString &message = QString());
    void UpdatePollingState();
    // "COM3 (/dev/ttyUSB0)" or "Demonstration gauge (/dev/pts/4)".
    QString PortCaption() const;
    void OnError(TCommK27Thread *thread);
    void OnConnected();
    void OnBatchList();
    void OnBatchReadings();
    void OnBatchExists();
    void OnStageEnded();
    void IssuePendingCommand();
    // Tags the entries of the selected rows; the list lock must be held.
    int TagSelectedEntries();
    void ActionDownloadExecute();
    void ActionDeleteBatchExecute();

    IGaugePaneHost *FHost;
    std::unique_ptr<TCommK27Thread> FThread;
    bool FConnected = false;
    std::uint8_t FGaugeModel = 3;
    TTemplateSupportBatchType FTemplateBatchTypes;
    QString FDownloadFolder;
    std::uint8_t FPendingCommand = 0;
    bool FClosing = false;
    QTimer *FCommandTimer;
    std::unique_ptr<TDemoGauge> FDemoGauge;
    TGaugeState FState = TGaugeState::NoPort;
    QString FStateMessage; // the link's message of a failed state
    QElapsedTimer FPollClock;
    QTimer *FStateTimer;
    QWidget *FStatePanel;
    QLabel *FStateIcon, *FStateLabel;
    QPushButton *FButtonChoosePort;

    QTreeWidget *FList;
    QMenu *FPopup;
    QAction *FActionDownload, *FActionUploadTemplate, *FActionRefreshBatchList, *FActionDeleteBatch;
};
