#include "UnitCommK27Thread.h"

#include "UnitCommandLine.h"
#include "UnitDateTime.h"
#include "UnitEnumComPort.h"
#include "UnitGaugeText.h"
#include "UnitUnits.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QMutexLocker>
#include <exception>

namespace {

int Percent(double done, double total) { return total > 0 ? RoundHalfUp(done / total * 100.0) : 0; }

bool FormatAccepted(const TTemplateSupportBatchFormat &formats, int batchFormat)
{
    return batchFormat == BatchFormatGrid ? formats.Grid : batchFormat == BatchFormatLinear ? formats.Linear : false;
}

// Holds a batch list's lock for a scope.
class TListLock {
public:
    explicit TListLock(TBatchList &list) : FList(list) { FList.Lock(); }
    ~TListLock() { FList.Unlock(); }
    TListLock(const TListLock &) = delete;
    TListLock &operator=(const TListLock &) = delete;

private:
    TBatchList &FList;
};

} // namespace

TCommK27Thread::TCommK27Thread(int portNumber, QObject *parent) : QThread(parent), PortNumber(portNumber)
{
    Tracing = TraceRequested();
    // Every wait of the link ends within about 5 ms once the thread has been asked to end.
    Link.OnTimeoutContinue = [this](TVentraxK27Interface *, bool &timeoutContinue) {
        timeoutContinue = !isInterruptionRequested();
    };
}

TCommK27Thread::TCommK27Thread(const QString &device, QObject *parent)
    : TCommK27Thread(PortNumberFromName(device), parent)
{
    Device = device;
}

TCommK27Thread::~TCommK27Thread()
{
    if (isRunning())
        TerminateAndWait();
    wait();
}

bool TCommK27Thread::SetCommand(std::uint8_t code)
{
    QMutexLocker guard(&CommandLock);
    if (code != cmdIdle && Command != cmdIdle)
        return false;
    Command = code;
    if (code != cmdIdle)
        ++FCommandSerial;
    return true;
}

std::uint8_t TCommK27Thread::GetCommand() const
{
    QMutexLocker guard(&CommandLock);
    return Command;
}

std::uint8_t TCommK27Thread::TakeCommand(quint64 &serial) const
{
    QMutexLocker guard(&CommandLock);
    serial = FCommandSerial;
    return Command;
}

void TCommK27Thread::EndCommand(quint64 serial)
{
    // The owner may give the next command as soon as the last event of this one has run, before
    // this thread gets here; that command must not be wiped.
    QMutexLocker guard(&CommandLock);
    if (FCommandSerial == serial)
        Command = cmdIdle;
}

bool TCommK27Thread::TerminateAndWait(TServing serving)
{
    Terminate();
    if (QThread::currentThread() == this)
        return false;
    if (FHandlerDepth > 0) {
        // The communication thread waits for the handler we are in: it can only end after we
        // return. Let it end on its own; its owner no longer hears from it.
        FDetached = true;
        return false;
    }
    const bool owner = QThread::currentThread() == thread();
    while (!wait(QDeadlineTimer(5))) {
        if (!owner)
            continue;
        if (serving == TServing::OwnEventsOnly)
            QCoreApplication::sendPostedEvents(this, QEvent::MetaCall);
        else
            QCoreApplication::processEvents(QEventLoop::AllEvents);
    }
    return true;
}

void StopCommThread(std::unique_ptr<TCommK27Thread> &thread, TCommK27Thread::TServing serving)
{
    std::unique_ptr<TCommK27Thread> stopping = std::move(thread);
    if (!stopping)
        return;
    if (stopping->TerminateAndWait(serving))
        return; // destroyed here
    TCommK27Thread *orphan = stopping.release();
    QObject::connect(orphan, &QThread::finished, orphan, &QObject::deleteLater);
    if (orphan->isFinished())
        orphan->deleteLater();
}

QString GaugeModelCaption(int modelCode, const TTemplateSupportBatchType &types)
{
    QString caption = QStringLiteral("Ventrax K27 ");
    if (types.Cover) {
        if (modelCode == 0)
            caption += QLatin1Char('B');
        else if (modelCode == 1)
            caption += QLatin1Char('S');
        else if (modelCode == 2)
            caption += QLatin1Char('T');
    }
    if (types.HalfCell)
        caption += QLatin1Char('H');
    if (!types.Cover && modelCode == 2)
        caption += QLatin1Char('M');
    return caption;
}

// ---------------------------------------------------------------------------------------------
// Events

void TCommK27Thread::Synchronize(const TEvent &event)
{
    if (!event)
        return;
    std::exception_ptr failure;
    auto call = [this, &event, &failure] {
        if (FDetached)
            return;
        ++FHandlerDepth;
        try {
            event();
        } catch (...) {
            failure = std::current_exception();
        }
        --FHandlerDepth;
    };
    if (QThread::currentThread() == thread())
        call(); // run() called directly: nothing to wait for
    else
        QMetaObject::invokeMethod(this, call, Qt::BlockingQueuedConnection);
    if (failure)
        std::rethrow_exception(failure);
}

void TCommK27Thread::SetStatus(const QString &text)
{
    if (!OnStatus)
        return;
    Status = text;
    Synchronize(OnStatus);
}

void TCommK27Thread::ReportError(const QString &message)
{
    if (!OnError)
        return;
    ErrorText = message;
    try {
        Synchronize(OnError);
    } catch (...) {
        // Nothing is left to tell a failing error handler about.
    }
}

void TCommK27Thread::CheckTerminated() const
{
    // The link notices the request only when it has to wait; a gauge that sends fast enough
    // would otherwise let a cut-short stage pass for a finished one.
    if (Terminated())
        throw VentraxK27Exception(Tr("Communications Error: (%1)").arg(Tr("Read data timeout")));
}

void TCommK27Thread::SleepUnlessTerminated(int ms)
{
    QDeadlineTimer deadline(ms);
    while (!Terminated() && !deadline.hasExpired())
        QThread::msleep(static_cast<unsigned long>(std::min<qint64>(10, std::max<qint64>(1, deadline.remainingTime()))));
}

// ---------------------------------------------------------------------------------------------
// Run

void TCommK27Thread::run()
{
    Progress = 0;
    FReady = false;
    FPortOpened = false;
    FPollBaudRate = 0;
    if (PortNumber == 0 && Device.isEmpty()) {
        while (!Terminated())
            SleepUnlessTerminated(100);
        return;
    }

    bool opened = false;
    QString failure;
    bool failed = false;
    auto fail = [&](const QString &message) {
        if (!failed) {
            failed = true;
            failure = message;
        }
    };
    try {
        if (Device.isEmpty())
            Link.Open(PortNumber, Tracing);
        else
            Link.OpenDevice(Device, Tracing);
        opened = true;
        FPortOpened = true;
        Poll();
        if (!Terminated()) {
            if (GaugeModel == 0)
                throw Exception(Tr("Basic model not supported."));
            if (GaugeModel != 3) {
                ReadBatchList();
                SetCommand(cmdIdle);
                FReady = true;
                while (!Terminated()) {
                    // The command stays pending through all of its stages (a download is two),
                    // so the owner cannot slip in another one that the end would then wipe.
                    quint64 serial = 0;
                    const std::uint8_t command = TakeCommand(serial) & 0x7F;
                    switch (command) {
                    case cmdIdle:
                        QThread::msleep(10);
                        break;
                    case cmdPoll:
                        Poll();
                        break;
                    case cmdBatchList:
                        ReadBatchList();
                        break;
                    case cmdDownload:
                        ReadHeaders();
                        ReadReadings();
                        break;
                    case cmdHeaders:
                        ReadHeaders();
                        break;
                    case cmdReadings:
                        ReadReadings();
                        break;
                    case cmdWriteTemplates:
                        WriteTemplates();
                        break;
                    case cmdDeleteBatches:
                        DeleteBatches();
                        break;
                    default:
                        // An unknown code would otherwise stay pending for ever, spinning the
                        // loop and shutting out every later command.
                        QThread::msleep(10);
                        break;
                    }
                    if (command != cmdIdle && !Terminated())
                        EndCommand(serial);
                }
            }
        }
    } catch (const Exception &e) {
        fail(e.Message());
    } catch (const std::exception &e) {
        fail(QString::fromLocal8Bit(e.what()));
    } catch (...) {
        fail(Tr("Unexpected error"));
    }
    FReady = false;

    if (opened) {
        // Leave the gauge out of its remote mode, whatever happened before.
        try {
            Link.SendDle();
            Link.SendEsc();
        } catch (const Exception &e) {
            fail(e.Message());
        } catch (const std::exception &e) {
            fail(QString::fromLocal8Bit(e.what()));
        }
        QThread::msleep(500);
        Link.Close();
    }
    if (failed)
        ReportError(failure);
}

void TCommK27Thread::Poll()
{
    Link.SendDle();
    QThread::msleep(250);
    SetStatus(Device.isEmpty() ? Tr("Polling on Port %1").arg(PortNumber) : Tr("Polling on %1").arg(Device));

    std::size_t entry = 0;
    while (!Terminated()) {
        FPollBaudRate = PollBaudRates[entry];
        Link.SetBaudAndWake(PollBaudRates[entry]);
        bool answered = false;
        TGaugeIdentity id;
        try {
            Link.WaitForBytes(1, 250);
            id = Link.Identify();
            answered = true;
        } catch (const std::exception &) {
            entry = (entry + 1) % std::size(PollBaudRates);
        }
        if (!answered)
            continue;
        FirmwareVersion = id.Version;
        IdentField1 = id.Field1;
        IdentField2 = id.Field2;
        IdentField3 = id.Field3;
        IdentField4 = id.Field4;
        GaugeSerialNumber = id.SerialNumber;
        GaugeModel = static_cast<std::uint8_t>(id.ModelCode);
        TemplateBatchTypes = id.TemplateBatchTypes;
        SupportsBarGrades = id.TemplateBarGrades;
        Link.TemplateSupportBatchType = TemplateBatchTypes;
        Link.TemplateSupportBarGrades = SupportsBarGrades;
        TemplateFormats = TemplateSupportBatchFormats(id.ModelCode, id.Version);
        if (id.Accepted) {
            SetCommand(cmdIdle);
            Synchronize(OnConnected);
        } else {
            Link.SendEsc();
        }
        break;
    }
    FPollBaudRate = 0;
    SetStatus(QString());
}

// ---------------------------------------------------------------------------------------------
// Stages

void TCommK27Thread::ReadBatchList()
{
    {
        TListLock lock(BatchList);
        BatchList.Clear();
    }
    Progress = -1;
    SetStatus(Tr("Retrieving Batch List..."));
    Link.RequestBatchList();
    for (;;) {
        CheckTerminated();
        TBatchItem entry;
        if (!Link.ReadBatchListEntry(entry))
            break;
        TListLock lock(BatchList);
        BatchList.Add()->Assign(&entry);
    }
    {
        TListLock lock(BatchList);
        BatchList.Sort();
    }
    SetStatus(QString());
    Synchronize(OnBatchList);
}

void TCommK27Thread::ReadHeaders()
{
    Progress = 0;
    const QString status = Tr("Retrieving Batch Headers...");
    SetStatus(status);
    {
        TListLock lock(BatchList);
        const int tagged = BatchList.TaggedCount();
        int done = 0;
        for (int i = 0; i < BatchList.Count(); ++i) {
            TBatchItem *entry = BatchList.Items(i);
            if (!entry->Tagged)
                continue;
            CheckTerminated();
            Link.ReadBatchHeader(entry->Slot, *entry);
            entry->GaugeSerialNumber = GaugeSerialNumber;
            entry->GaugeType = GaugeModel;
            if (GaugeModel != 2) {
                // These gauges keep no dates of their own.
                entry->UpdateDate = DateTimeNow();
                entry->CreationDate = entry->UpdateDate;
            }
            ++done;
            Progress = Percent(done, tagged);
            SetStatus(status);
        }
    }
    SetStatus(QString());
    Synchronize(OnBatchHeaders);
}

void TCommK27Thread::ReadReadings()
{
    Progress = 0;
    const QString status = Tr("Retrieving Batch Readings...");
    SetStatus(status);
    {
        TListLock lock(BatchList);
        const int cells = BatchList.TaggedCellCount();
        qint64 total = 0;
        for (int i = 0; i < BatchList.Count(); ++i) {
            TBatchItem *entry = BatchList.Items(i);
            if (!entry->Tagged)
                continue;
            Link.RequestReadings(entry->Slot);
            int column = 0;
            int row = 0;
            int received = 0;
            for (;;) {
                CheckTerminated();
                const int n = Link.ReadReadingsPacket(column, row, *entry);
                if (n == 0)
                    break;
                received += n;
                total += n;
                Progress = Percent(static_cast<double>(total), cells);
                SetStatus(status);
            }
            // The gauge told how many readings it holds. A stream that ends short of them was cut
            // (an end byte in the middle of a packet ends it like the gauge's own end), and the
            // rest of the batch must not pass for empty cells.
            if (received < entry->Readings)
                throw VentraxK27Exception(Tr("Communications Error: (%1)").arg(Tr("Batch readings incomplete")));
        }
    }
    SetStatus(QString());
    Synchronize(OnBatchReadings);
}

void TCommK27Thread::EndTemplateStage()
{
    {
        TListLock lock(BatchList);
        BatchList.Sort();
    }
    SetStatus(QString());
    Synchronize(OnTemplatesWritten);
}

void TCommK27Thread::WriteTemplates()
{
    Progress = 0;
    const QString status = Tr("Writing Templates...");
    SetStatus(status);
    {
        QMutexLocker uploadLock(&UploadList.Mutex());
        bool replaceAll = false;
        const int total = UploadList.TotalBatchCount();
        int done = 0;
        bool stop = false;
        for (int t = 0; t < UploadList.Count() && !stop; ++t) {
            const TTemplateList *templ = UploadList.Items(t);
            for (int i = 0; i < templ->Count() && !stop; ++i) {
                if (Terminated()) {
                    stop = true;
                    break;
                }
                const TTemplateItem &d = *templ->Items(i);
                if (TemplateBatchTypes.Contains(d.BatchType) && FormatAccepted(TemplateFormats, d.BatchFormat)) {
                    bool write = true;
                    int found = -1;
                    {
                        TListLock lock(BatchList);
                        found = BatchList.IndexOf(d.ID, d.BatchType);
                    }
                    ExistingBatchIndex = found;
                    if (found >= 0 && !replaceAll) {
                        if (!OnBatchExists)
                            throw Exception(Tr("Unable to handle existing batch"));
                        // A handler that gives no answer must not cost the gauge a batch.
                        ExistingBatchAnswer = ebSkip;
                        Synchronize(OnBatchExists);
                        switch (ExistingBatchAnswer) {
                        case ebReplace:
                            break;
                        case ebReplaceAll:
                            replaceAll = true;
                            break;
                        case ebCancel:
                            stop = true;
                            break;
                        default:
                            write = false;
                            break;
                        }
                        if (stop)
                            break;
                    }
                    if (found >= 0 && write) {
                        TListLock lock(BatchList);
                        // The owner may have changed the list while it was asked.
                        const int index = BatchList.IndexOf(d.ID, d.BatchType);
                        if (index >= 0) {
                            Link.DeleteBatch(BatchList.Items(index)->Slot);
                            BatchList.Delete(index);
                        }
                    }
                    if (write) {
                        int slot = 0;
                        try {
                            slot = Link.WriteTemplate(d);
                        } catch (const VentraxK27MemoryFullException &e) {
                            ReportError(e.Message());
                            stop = true;
                            break;
                        } catch (const VentraxK27BatchExistsException &e) {
                            ReportError(e.Message());
                            stop = true;
                            break;
                        }
                        const unsigned language =
                            Link.TextLanguage < 0 ? CurrentPrimaryLanguage() : static_cast<unsigned>(Link.TextLanguage);
                        TListLock lock(BatchList);
                        // The gauge never hands out a slot that holds a batch: such a reply was
                        // garbled, and listing it would point a later delete at the other batch.
                        for (int k = 0; k < BatchList.Count(); ++k)
                            if (BatchList.Items(k)->Slot == slot)
                                throw VentraxK27Exception(Tr("Communications Error: (%1)").arg(Tr("Invalid slot number")));
                        TBatchItem *entry = BatchList.Add();
                        entry->ID = GaugeToPcText(PcToGaugeText(d.ID), language);
                        entry->Slot = slot;
                        entry->BatchFormat = d.BatchFormat;
                        entry->BatchType = d.BatchType;
                        entry->Columns = d.Columns;
                        entry->Rows = d.Rows;
                        entry->Readings = 0;
                        entry->SetSize();
                    }
                }
                ++done;
                Progress = Percent(done, total);
                SetStatus(status);
            }
        }
    }
    EndTemplateStage();
}

void TCommK27Thread::DeleteBatches()
{
    Progress = 0;
    const QString status = Tr("Deleting Batches...");
    SetStatus(status);
    {
        TListLock lock(BatchList);
        const int tagged = BatchList.TaggedCount();
        int done = 0;
        for (int i = BatchList.Count() - 1; i >= 0; --i) {
            if (!BatchList.Items(i)->Tagged)
                continue;
            CheckTerminated();
            Link.DeleteBatch(BatchList.Items(i)->Slot);
            ++done;
            Progress = Percent(done, tagged);
            SetStatus(status);
            BatchList.Delete(i);
        }
    }
    SetStatus(QString());
    Synchronize(OnBatchesDeleted);
}
