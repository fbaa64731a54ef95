#pragma once
// The gauge pane against a simulated gauge on a pty, with a recording stand-in for the main window.
#include "../gauge/CommThreadSupport.h"
#include "UnitFormCalvaneK27.h"
#include "UnitStorage.h"

#include <QDir>
#include <QTreeWidget>

class TRecordingHost : public IGaugePaneHost {
public:
    int Port = 0;
    QString Status, Caption;
    int Image = 6;
    bool GaugeSelected = true;
    int ShowGaugeNodeCalls = 0;
    bool Busy = false;
    int BusyOffCount = 0;
    QStringList Progress;
    std::function<void()> CancelHandler;
    QStringList Rescans;

    int ComPort() override { return Port; }
    void SetStatusText(const QString &text) override { Status = text; }
    void SetGaugeNodeCaption(const QString &caption) override { Caption = caption; }
    void SetGaugeNodeImage(int picture) override { Image = picture; }
    bool GaugeNodeSelected() override { return GaugeSelected; }
    void ShowGaugeNode() override
    {
        ++ShowGaugeNodeCalls;
        GaugeSelected = true;
    }
    void SetBusy(bool busy) override
    {
        if (Busy && !busy)
            ++BusyOffCount;
        Busy = busy;
    }
    void SetPleaseWaitProgress(const QString &message, int) override
    {
        Progress << message;
        if (ProgressHook)
            ProgressHook(message);
    }
    // Runs inside the thread's status event, with the communication thread waiting.
    std::function<void(const QString &)> ProgressHook;
    void SetPleaseWaitCancelHandler(const std::function<void()> &handler) override { CancelHandler = handler; }
    void RescanFolderNodes(const QString &folder, bool recursive) override
    {
        Rescans << folder + (recursive ? QStringLiteral(" recursive") : QString());
    }
};

class GaugePaneTest : public IsolatedTest {
protected:
    static constexpr int SimPort = 7;

    void SetUp() override
    {
        Path = Sim.OpenPty();
        Sim.SetBatches(TK27Simulator::DemoBatches());
        Sim.Start();
        RegisterComPort(SimPort, Path);
        Host.Port = SimPort;
        Folder = IncludeTrailingSlash(LocalFolder()) + QStringLiteral("Site/");
        QDir().mkpath(Folder);
        Pane = std::make_unique<TFormCalvaneK27>(&Host);
        Pane->ChooseDownloadFolder = [this] { return Folder; };
    }
    void TearDown() override
    {
        Pane.reset();
        Sim.Stop();
    }

    QTreeWidget &List() { return *Pane->ListViewGauge(); }

    // Starts the connection and waits until the list is shown and the thread takes commands.
    bool Connect(const TSimOptions &options = TSimOptions())
    {
        Sim.SetOptions(options);
        const int expected = Sim.Batches().size();
        Pane->StartConnection();
        return PumpUntil([&] {
            return (Pane->Thread() && Pane->Thread()->Ready() && List().topLevelItemCount() == expected) ||
                   (Pane->Thread() && Pane->Thread()->isFinished());
        }) && Pane->Thread()->Ready();
    }

    QStringList RowTexts(int row)
    {
        QStringList texts;
        for (int c = 0; c < List().columnCount(); ++c)
            texts << List().topLevelItem(row)->text(c);
        return texts;
    }

    void Select(const QStringList &ids)
    {
        List().clearSelection();
        for (int i = 0; i < List().topLevelItemCount(); ++i)
            List().topLevelItem(i)->setSelected(ids.contains(List().topLevelItem(i)->text(0)));
    }

    // Runs an action on the selected rows and waits until the busy state it starts has ended.
    bool RunUntilIdle(const std::function<void()> &action, int limitMs = 30000)
    {
        const int before = Host.BusyOffCount;
        action();
        return PumpUntil([&] { return Host.BusyOffCount > before; }, limitMs);
    }

    int TaggedCount()
    {
        QMutexLocker guard(&Pane->Thread()->BatchList.Mutex());
        return Pane->Thread()->BatchList.TaggedCount();
    }

    QStringList FilesIn(const QString &folder) { return QDir(folder).entryList(QDir::Files, QDir::Name); }

    TK27Simulator Sim;
    QString Path;
    QString Folder;
    TRecordingHost Host;
    std::unique_ptr<TFormCalvaneK27> Pane;
};
