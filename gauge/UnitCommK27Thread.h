#pragma once
// The background thread that owns one connection to the gauge: it opens the port, finds the
// gauge by cycling baud rates, reads the batch list and then works on the commands of its owner.
// Its events run on the owner's thread while the communication thread waits.
#include "UnitBatchList.h"
#include "UnitTemplateList.h"
#include "UnitVentraxK27.h"

#include <QMutex>
#include <QString>
#include <QThread>
#include <atomic>
#include <cstdint>
#include <functional>
#include <memory>

// Commands; only the low 7 bits count, higher codes do nothing.
enum TCommK27Command : std::uint8_t {
    cmdIdle = 0,
    cmdPoll = 1,
    cmdBatchList = 2,
    cmdDownload = 3,
    cmdHeaders = 4,
    cmdReadings = 5,
    cmdWriteTemplates = 6,
    cmdDeleteBatches = 7,
};

// Answers to OnBatchExists.
enum TExistingBatchAnswer : std::uint8_t {
    ebReplace = 0,
    ebReplaceAll = 1,
    ebSkip = 2,
    ebCancel = 3,
};

// Baud rates tried while polling, in order, then again from the start.
inline constexpr int PollBaudRates[] = {9600, 19200, 14400, 4800, 2400, 1200};

class TCommK27Thread : public QThread {
    Q_OBJECT
public:
    using TEvent = std::function<void()>;

    // Port 0 ("No Gauge") idles without opening anything until terminated.
    explicit TCommK27Thread(int portNumber, QObject *parent = nullptr);
    // Opens a device path (a pty, /dev/ttyUSB0) instead of a numbered port.
    explicit TCommK27Thread(const QString &device, QObject *parent = nullptr);
    // A running thread is terminated and waited for, serving its pending events.
    ~TCommK27Thread() override;

    // Events, assigned before start() and left alone afterwards. Each runs on the thread that
    // created this object while the communication thread waits; an exception a handler raises
    // ends the run through OnError. OnStatus is called while the batch list is locked: its
    // handler must not take that lock. The others are called with the lock free.
    TEvent OnStatus;
    TEvent OnError;
    TEvent OnConnected;
    TEvent OnBatchList;
    TEvent OnBatchHeaders;
    TEvent OnBatchReadings;
    TEvent OnBatchesDeleted;
    TEvent OnTemplatesWritten;
    TEvent OnBatchExists; // answer in ExistingBatchAnswer

    TVentraxK27Interface Link;

    // Stores the code when it is cmdIdle or when no command is pending; otherwise ignored.
    // A command stays pending until all of its work is done and its last event has run; only
    // then does the thread take the next one. Returns whether the code was stored.
    bool SetCommand(std::uint8_t code);
    std::uint8_t GetCommand() const;
    // True while the thread waits for commands after reading the batch list; a command given
    // before then is dropped when the connection starts taking commands.
    bool Ready() const { return FReady; }
    // What the owner may show while the gauge is looked for: whether the port has been opened in
    // this run, and the baud rate being tried (0 when not polling). Read from any thread.
    bool PortOpened() const { return FPortOpened; }
    int PollBaudRate() const { return FPollBaudRate; }

    // Asks the thread to end; the link's next wait then fails within about 5 ms.
    void Terminate() { requestInterruption(); }
    bool Terminated() const { return isInterruptionRequested(); }
    // Terminates the thread and waits for it while serving its synchronized events, so a pending
    // event never deadlocks the wait. Called from inside one of this thread's own handlers it
    // cannot wait: the thread is then left to end on its own, its later events are skipped, and
    // false is returned (the caller must not destroy it; see StopCommThread).
    // An owner being destroyed serves only the thread's own events: anything else pending (a
    // repaint, a polish of a widget half gone with the window around it) must not run then.
    enum class TServing { AllEvents, OwnEventsOnly };
    bool TerminateAndWait(TServing serving = TServing::AllEvents);

    // Whether the link records a trace; from the command line ("-trace" first), may be changed
    // before start().
    bool Tracing = false;

    // Exchanged around the events; read them in the handlers.
    int PortNumber = 0;
    QString Device;
    QString Status;
    int Progress = 0; // 0-100, or -1 when no progress can be given
    QString ErrorText;
    QString FirmwareVersion;
    int IdentField1 = 0, IdentField2 = 0, IdentField3 = 0, IdentField4 = 0;
    QString GaugeSerialNumber;
    std::uint8_t GaugeModel = 3; // 0 basic, 1, 2; 3 = none accepted
    bool SupportsBarGrades = false;
    TTemplateSupportBatchFormat TemplateFormats;
    TTemplateSupportBatchType TemplateBatchTypes;

    // The batches stored in the gauge, and the templates to write; each has its own lock.
    TBatchList BatchList;
    TUploadTemplateList UploadList;

    int ExistingBatchIndex = -1; // entry of BatchList that blocks a write
    std::uint8_t ExistingBatchAnswer = ebSkip;

protected:
    void run() override;

private:
    void Poll();
    void ReadBatchList();
    void ReadHeaders();
    void ReadReadings();
    void WriteTemplates();
    void DeleteBatches();
    void EndTemplateStage();

    void SetStatus(const QString &text);
    void ReportError(const QString &message);
    // Runs the handler on the owner's thread while this thread waits; rethrows its exception.
    void Synchronize(const TEvent &event);
    void SleepUnlessTerminated(int ms);
    // Raises the link's read failure once the thread has been asked to end.
    void CheckTerminated() const;
    // The pending command and the number of the setting that stored it.
    std::uint8_t TakeCommand(quint64 &serial) const;
    // Back to idle after the command's work, unless a newer command was stored meanwhile.
    void EndCommand(quint64 serial);

    mutable QMutex CommandLock;
    std::uint8_t Command = cmdIdle;
    quint64 FCommandSerial = 0;
    std::atomic<bool> FReady{false};
    std::atomic<bool> FPortOpened{false};
    std::atomic<int> FPollBaudRate{0};
    // Owner's side only.
    int FHandlerDepth = 0;
    bool FDetached = false;
};

// The owner's way to end a connection: terminate, wait while serving the thread's events,
// destroy. The pointer is cleared before the wait, so a stop reached again from an event served
// during the wait finds nothing to stop. From inside one of the thread's own handlers the thread
// is left to end by itself and is deleted when it has finished.
void StopCommThread(std::unique_ptr<TCommK27Thread> &thread,
                    TCommK27Thread::TServing serving = TCommK27Thread::TServing::AllEvents);

// The gauge node's caption: "Ventrax K27 " followed by "B", "S" or "T" (model code 0, 1, 2) when
// the gauge takes cover templates, "H" when it takes half-cell ones, and "M" for a model code 2
// gauge without cover templates.
QString GaugeModelCaption(int modelCode, const TTemplateSupportBatchType &types);
