#pragma once
// The communication thread against a simulated gauge on a pty: a fixture that records every
// event the thread raises, and event pumping with a time limit.
#include "GaugeTestSupport.h"
#include "UnitCommK27Thread.h"
#include "UnitEnumComPort.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QTimer>
#include <memory>

// Serves queued events (the thread's synchronized calls among them) until the condition holds
// or the limit passes; true when it held.
inline bool PumpUntil(const std::function<bool()> &condition, int limitMs = 20000)
{
    return ServeEventsUntil(condition, limitMs);
}

// One status report of the thread.
struct TStatusReport {
    QString Status;
    int Progress = 0;
};

class CommThreadTest : public IsolatedTest {
protected:
    static constexpr int SimPort = 7;

    void SetUp() override
    {
        Path = Sim.OpenPty();
        Sim.SetBatches(TK27Simulator::DemoBatches());
        Sim.Start();
        RegisterComPort(SimPort, Path);
    }
    void TearDown() override
    {
        StopCommThread(Thread);
        Sim.Stop();
    }

    // A thread on the simulator's port with every event recorded; not started.
    TCommK27Thread &Make(const TSimOptions &options = TSimOptions(), int port = SimPort)
    {
        Sim.SetOptions(options);
        Thread = std::make_unique<TCommK27Thread>(port);
        TCommK27Thread *t = Thread.get();
        auto record = [this](const char *name) { return [this, name] { Events << QString::fromLatin1(name); }; };
        t->OnStatus = [this, t] {
            Statuses.push_back({t->Status, t->Progress});
            if (StatusHook)
                StatusHook(*t);
        };
        t->OnError = [this, t] {
            Events << QStringLiteral("Error");
            Errors << t->ErrorText;
        };
        t->OnConnected = record("Connected");
        t->OnBatchList = record("BatchList");
        t->OnBatchHeaders = record("Headers");
        t->OnBatchReadings = record("Readings");
        t->OnBatchesDeleted = record("Deleted");
        t->OnTemplatesWritten = record("Written");
        t->OnBatchExists = [this, t] {
            Events << QStringLiteral("Exists");
            QMutexLocker guard(&t->BatchList.Mutex());
            Asked << t->BatchList.Items(t->ExistingBatchIndex)->ID;
            t->ExistingBatchAnswer = Answers.empty() ? std::uint8_t(ebSkip) : Answers.front();
            if (!Answers.empty())
                Answers.pop_front();
        };
        return *t;
    }

    // Starts the thread and waits until it takes commands.
    bool Connect(const TSimOptions &options = TSimOptions())
    {
        Make(options).start();
        return PumpUntil([this] { return Thread->Ready() || Thread->isFinished(); }) && Thread->Ready();
    }

    // Gives a command once the thread is idle and waits for the event that ends its stage.
    bool RunStage(std::uint8_t command, const char *endEvent, int limitMs = 30000)
    {
        if (!PumpUntil([this] { return Thread->Ready() && Thread->GetCommand() == cmdIdle; }))
            return false;
        const qsizetype before = Events.count(QString::fromLatin1(endEvent));
        Thread->SetCommand(command);
        return PumpUntil([&] { return Events.count(QString::fromLatin1(endEvent)) > before || Thread->isFinished(); }, limitMs)
               && Events.count(QString::fromLatin1(endEvent)) > before;
    }

    // Tags the entries with these IDs.
    void Tag(const QStringList &ids)
    {
        QMutexLocker guard(&Thread->BatchList.Mutex());
        for (int i = 0; i < Thread->BatchList.Count(); ++i)
            Thread->BatchList.Items(i)->Tagged = ids.contains(Thread->BatchList.Items(i)->ID);
    }

    QStringList ListIDs()
    {
        QMutexLocker guard(&Thread->BatchList.Mutex());
        QStringList ids;
        for (int i = 0; i < Thread->BatchList.Count(); ++i)
            ids << Thread->BatchList.Items(i)->ID;
        return ids;
    }

    // Command letters (with their first argument) the simulator received.
    QStringList SimCommands(const QByteArray &letter)
    {
        QStringList found;
        for (const TSimCommand &c : Sim.Commands())
            if (c.value(0) == letter)
                found << QString::fromLatin1(c.mid(0, 2).join(' '));
        return found;
    }

    QList<int> ProgressOf(const QString &status) const
    {
        QList<int> values;
        for (const TStatusReport &r : Statuses)
            if (r.Status == status)
                values << r.Progress;
        return values;
    }

    TK27Simulator Sim;
    QString Path;
    std::unique_ptr<TCommK27Thread> Thread;
    QStringList Events;
    QStringList Errors;
    std::vector<TStatusReport> Statuses;
    // Runs in the status handler, on this thread, while the communication thread waits.
    std::function<void(TCommK27Thread &)> StatusHook;
    std::deque<std::uint8_t> Answers;
    QStringList Asked;
};
