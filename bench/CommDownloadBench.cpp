// Download speed of the communication thread against the simulated gauge at 19200 baud with 16
// readings per packet: ten 20 x 20 grid batches and one linear batch of 1000 readings. The time
// is compared with the time the exchanged bytes need on the line (10 bits a byte) plus the
// protocol's fixed waits (1 ms before every reply is read).
#include "UnitCommK27Thread.h"
#include "UnitK27Simulator.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QTemporaryDir>
#include <QTimer>
#include <cstdio>

namespace {

constexpr int Baud = 19200;

QList<TSimBatch> BenchBatches()
{
    QList<TSimBatch> batches;
    for (int b = 0; b < 11; ++b) {
        TSimBatch batch;
        batch.Slot = b;
        batch.ID = QByteArray("BENCH-") + QByteArray::number(b);
        batch.CreationDate = batch.UpdateDate = TK27Simulator::PackDate(2026, 3, 4, 10, 30);
        batch.ProbeSerialNumber = "P-1";
        batch.ProbeType = "STANDARD";
        batch.Site = "Bench";
        batch.HighLimit = 60;
        batch.LowLimit = 20;
        batch.Grid = 200;
        batch.BarSize = 16;
        const bool linear = b == 10;
        batch.BatchFormat = linear ? 1 : 0;
        batch.Columns = linear ? 1 : 20;
        batch.Rows = linear ? 1000 : 20;
        const int count = linear ? 1000 : 400;
        for (int i = 0; i < count; ++i)
            batch.Items << TK27Simulator::ReadingItem(0x30, 250 + (i * 37) % 300);
        batches << batch;
    }
    return batches;
}

bool Pump(const std::function<bool()> &condition, int limitMs)
{
    QEventLoop loop;
    QTimer check;
    QObject::connect(&check, &QTimer::timeout, &loop, [&] {
        if (condition())
            loop.quit();
    });
    QTimer::singleShot(limitMs, &loop, &QEventLoop::quit);
    check.start(1);
    if (!condition())
        loop.exec();
    return condition();
}

// Bytes of traced text: "[XX]" is one byte, any other character one byte.
struct TTraceCount {
    qint64 Out = 0;
    qint64 In = 0;
    qint64 Replies = 0; // replies read: each ends with ACK, NAK, BEL, DC4 or ETB
};

TTraceCount CountTrace(const QStringList &lines, int fromLine, int fromColumn)
{
    TTraceCount count;
    bool output = true;
    for (int l = 0; l < lines.size(); ++l) {
        const QString &line = lines[l];
        if (line.endsWith(QLatin1String(": Output"))) {
            output = true;
            continue;
        }
        if (line.endsWith(QLatin1String(": Input"))) {
            output = false;
            continue;
        }
        if (l < fromLine)
            continue;
        for (int i = l == fromLine ? fromColumn : 0; i < line.size(); ++i) {
            QString token = line.mid(i, 1);
            if (line[i] == QLatin1Char('[') && i + 3 < line.size() && line[i + 3] == QLatin1Char(']')) {
                token = line.mid(i, 4);
                i += 3;
            }
            (output ? count.Out : count.In) += 1;
            if (!output && (token == QLatin1String("[06]") || token == QLatin1String("[15]") || token == QLatin1String("[07]")
                            || token == QLatin1String("[14]") || token == QLatin1String("[17]")))
                ++count.Replies;
        }
    }
    return count;
}

struct TRunResult {
    bool Ok = false;
    double Seconds = 0;
    TTraceCount Trace;
};

TRunResult RunDownload(const QString &device, bool trace)
{
    TRunResult result;
    auto thread = std::make_unique<TCommK27Thread>(device);
    TCommK27Thread &t = *thread;
    t.Tracing = trace;
    bool done = false;
    QString error;
    QElapsedTimer timer;
    int statuses = 0;
    t.OnStatus = [&] { ++statuses; };
    t.OnError = [&] { error = t.ErrorText; };
    t.OnBatchReadings = [&] {
        result.Seconds = timer.nsecsElapsed() / 1e9;
        done = true;
    };
    t.start();
    if (!Pump([&] { return t.Ready() || t.isFinished(); }, 60000) || !t.Ready()) {
        std::fprintf(stderr, "no connection: %s\n", qPrintable(error));
        StopCommThread(thread);
        return result;
    }
    // Idle: the link is untouched until the command, so its trace can be read here.
    const QStringList &lines = t.Link.TraceLines();
    const int fromLine = static_cast<int>(lines.size()) - 1;
    const int fromColumn = fromLine >= 0 ? static_cast<int>(lines[fromLine].size()) : 0;
    {
        QMutexLocker guard(&t.BatchList.Mutex());
        for (int i = 0; i < t.BatchList.Count(); ++i)
            t.BatchList.Items(i)->Tagged = true;
    }
    timer.start();
    t.SetCommand(cmdDownload);
    result.Ok = Pump([&] { return done || t.isFinished(); }, 600000) && done;
    t.TerminateAndWait();
    if (trace)
        result.Trace = CountTrace(t.Link.TraceLines(), std::max(0, fromLine), fromLine >= 0 ? fromColumn : 0);
    if (!error.isEmpty())
        std::fprintf(stderr, "error: %s\n", qPrintable(error));
    StopCommThread(thread);
    return result;
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    QTemporaryDir scratch;
    // A traced link leaves its trace file in the current folder.
    QDir::setCurrent(scratch.path());

    TK27Simulator sim;
    const QString device = sim.OpenPty();
    sim.SetBatches(BenchBatches());
    TSimOptions options;
    options.OnlyBaud = Baud;
    options.Pace = true;
    options.ItemsPerPacket = 16;
    sim.SetOptions(options);
    sim.Start();

    // The traced run counts the bytes; the untraced one is the program as users run it.
    const TRunResult traced = RunDownload(device, true);
    const TRunResult plain = RunDownload(device, false);
    sim.Stop();
    if (!traced.Ok || !plain.Ok) {
        std::fprintf(stderr, "download failed\n");
        return 1;
    }
    const qint64 bytes = traced.Trace.Out + traced.Trace.In;
    const double wire = bytes * 10.0 / Baud;
    const double waits = traced.Trace.Replies * 0.001;
    const double budget = wire + waits;
    std::printf("download of 10 grid batches 20 x 20 and 1 linear batch of 1000 readings at %d baud, 16 readings a packet\n", Baud);
    std::printf("bytes exchanged:     %lld (%lld sent, %lld received)\n", static_cast<long long>(bytes),
                static_cast<long long>(traced.Trace.Out), static_cast<long long>(traced.Trace.In));
    std::printf("replies read:        %lld (1 ms fixed wait each)\n", static_cast<long long>(traced.Trace.Replies));
    std::printf("wire time:           %.3f s\n", wire);
    std::printf("wire time + waits:   %.3f s\n", budget);
    std::printf("measured (traced):   %.3f s  ratio %.3f\n", traced.Seconds, traced.Seconds / budget);
    std::printf("measured:            %.3f s  ratio %.3f (target at most 1.15)\n", plain.Seconds, plain.Seconds / budget);
    return 0;
}
