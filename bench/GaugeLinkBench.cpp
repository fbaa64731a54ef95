// Download speed of the gauge link against k27sim: a whole download of the demo set at the
// gauge's line rate, and the cost of one command exchange with an unpaced simulator.
#include "UnitBatchList.h"
#include "UnitVentraxK27.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QProcess>
#include <cstdio>
#include <memory>
#include <vector>

namespace {

QString Simulator()
{
    const QString dir = QCoreApplication::applicationDirPath();
    for (const QString &candidate : {dir + QStringLiteral("/../tools/k27sim/k27sim"), dir + QStringLiteral("/k27sim")})
        if (QFileInfo::exists(candidate))
            return candidate;
    return QString();
}

QString Start(QProcess &process, const QStringList &arguments)
{
    process.start(Simulator(), arguments);
    process.waitForStarted(10000);
    QElapsedTimer timer;
    timer.start();
    while (!process.canReadLine() && timer.elapsed() < 10000)
        process.waitForReadyRead(100);
    return QString::fromLocal8Bit(process.readLine()).trimmed();
}

// One download of everything the gauge holds; returns the number of readings.
int Download(TVentraxK27Interface &link)
{
    std::vector<std::unique_ptr<TBatchItem>> batches;
    link.RequestBatchList();
    for (;;) {
        auto batch = std::make_unique<TBatchItem>();
        if (!link.ReadBatchListEntry(*batch))
            break;
        batches.push_back(std::move(batch));
    }
    int readings = 0;
    for (auto &batch : batches) {
        link.ReadBatchHeader(batch->Slot, *batch);
        link.RequestReadings(batch->Slot);
        int column = 0, row = 0;
        while (int n = link.ReadReadingsPacket(column, row, *batch))
            readings += n;
    }
    return readings;
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    if (Simulator().isEmpty()) {
        std::fprintf(stderr, "k27sim not found beside the benchmark\n");
        return 1;
    }
    try {
        for (const int baud : {19200, 9600}) {
            QProcess sim;
            const QString path = Start(sim, {});
            TVentraxK27Interface link;
            link.OpenDevice(path, false);
            link.SetBaudAndWake(baud);
            link.Identify();
            QElapsedTimer timer;
            timer.start();
            const int readings = Download(link);
            const qint64 ms = timer.elapsed();
            std::printf("download of the demo set at %5d baud: %d readings in %lld ms (%.1f readings/s)\n", baud,
                        readings, static_cast<long long>(ms), readings * 1000.0 / std::max<qint64>(1, ms));
            link.Close();
            sim.terminate();
            sim.waitForFinished(5000);
        }

        QProcess sim;
        const QString path = Start(sim, {QStringLiteral("--no-pace")});
        TVentraxK27Interface link;
        link.OpenDevice(path, false);
        const int rounds = 200;
        QElapsedTimer timer;
        timer.start();
        for (int i = 0; i < rounds; ++i)
            link.SendCommand({"D", "A", "BENCH"});
        const qint64 ms = timer.elapsed();
        std::printf("command exchange without line pacing: %.2f ms each (%d rounds)\n", double(ms) / rounds, rounds);
        QElapsedTimer whole;
        whole.start();
        const int readings = Download(link);
        std::printf("download of the demo set without line pacing: %d readings in %lld ms\n", readings,
                    static_cast<long long>(whole.elapsed()));
        link.Close();
        sim.terminate();
        sim.waitForFinished(5000);
    } catch (const Exception &e) {
        std::fprintf(stderr, "%s\n", qPrintable(e.Message()));
        return 1;
    }
    return 0;
}
