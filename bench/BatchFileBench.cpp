// Loading and saving a 255 x 255 grid batch file, side by side with libxml2's xmllint parsing
// the same file. Prints the figures; build in Release for meaningful numbers.
#include "UnitBatchList.h"
#include "UnitException.h"
#include "UnitXml.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QProcess>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

namespace {
struct TFigures {
    double Min = 0;
    double Median = 0;
};

TFigures Measure(int runs, const std::function<void()> &f)
{
    std::vector<double> ms;
    for (int i = 0; i < runs; ++i) {
        QElapsedTimer t;
        t.start();
        f();
        ms.push_back(t.nsecsElapsed() / 1e6);
    }
    std::sort(ms.begin(), ms.end());
    return {ms.front(), ms[ms.size() / 2]};
}

void Print(const char *what, const TFigures &f)
{
    std::printf("%-46s min %8.2f ms   median %8.2f ms\n", what, f.Min, f.Median);
}

void FillBatch(TBatchItem &b)
{
    b.SetNewBatchDefaults(BatchTypeCover, BatchFormatGrid);
    b.ID = QStringLiteral("Bench 255");
    b.Columns = 255;
    b.Rows = 255;
    b.SetSize();
    QRandomGenerator rnd(27);
    for (int c = 0; c < b.Columns; ++c)
        for (int r = 0; r < b.Rows; ++r) {
            const int kind = rnd.bounded(100);
            b.SetReadingType(c, r, kind < 3 ? ReadingTypeEmpty : ReadingTypeReading);
            if (kind == 3) {
                b.SetMeasureType(c, r, MeasureTypeOverRange);
                b.SetValue(c, r, OverRangeValue);
            } else {
                // Mostly whole millimetres, some with a decimal as the gauge sends them.
                const double v = 20 + rnd.bounded(600) / 10.0;
                b.SetValue(c, r, kind < 60 ? static_cast<int>(v) : v);
            }
        }
    b.Readings = b.ValidCount();
}

// Milliseconds per parse of xmllint: one run of --repeat (100 parses) and one plain run.
bool XmlLint(const QString &file, double &perParse, double &wholeProcess)
{
    auto run = [&](const QStringList &args, double &ms) {
        QProcess p;
        QElapsedTimer t;
        t.start();
        p.start(QStringLiteral("xmllint"), args);
        if (!p.waitForFinished(60000) || p.exitCode() != 0)
            return false;
        ms = t.nsecsElapsed() / 1e6;
        return true;
    };
    double repeated = 0, single = 0, best = 1e300;
    for (int i = 0; i < 5; ++i) {
        if (!run({QStringLiteral("--noout"), file}, single))
            return false;
        best = std::min(best, single);
    }
    wholeProcess = best;
    if (!run({QStringLiteral("--noout"), QStringLiteral("--repeat"), file}, repeated))
        return false;
    perParse = (repeated - best) / 99.0; // the repeated run parses 100 times in one process
    return true;
}
} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    try {
        QTemporaryDir dir;
        TBatchItem batch;
        FillBatch(batch);
        const QString file = dir.path() + QLatin1Char('/') + batch.FileName();
        batch.SaveToFile(file);
        std::printf("255 x 255 grid batch file: %lld bytes\n", static_cast<long long>(QFileInfo(file).size()));

        const int runs = 30;
        const TFigures save = Measure(runs, [&] { batch.SaveToFile(file); });
        const TFigures build = Measure(runs, [&] {
            XmlDocument doc;
            batch.SaveToXml(doc.Nodes);
            const QByteArray bytes = doc.SaveToBytes();
            if (bytes.isEmpty())
                std::abort();
        });
        const TFigures tree = Measure(runs, [&] {
            XmlDocument doc;
            batch.SaveToXml(doc.Nodes);
        });
        const TFigures load = Measure(runs, [&] {
            TBatchItem b;
            b.LoadFromFile(file);
        });
        const TFigures parse = Measure(runs, [&] {
            XmlDocument doc;
            doc.LoadFromFile(file);
        });
        Print("SaveToFile (build, format, atomic write)", save);
        Print("  of which document and bytes in memory", build);
        Print("    of which the document tree alone", tree);
        Print("LoadFromFile (read, parse, matrices)", load);
        Print("  of which XML document parse", parse);

        double perParse = 0, process = 0;
        if (XmlLint(file, perParse, process)) {
            std::printf("%-46s %8.2f ms per parse (from --repeat)\n", "xmllint --noout", perParse);
            std::printf("%-46s %8.2f ms (best of 5, whole process)\n", "xmllint --noout", process);
            std::printf("LoadFromFile median / xmllint whole process: %.2f\n", load.Median / process);
        } else {
            std::printf("xmllint not available (install libxml2-utils)\n");
        }
        std::printf("targets: load <= 30 ms, save <= 30 ms\n");
    } catch (const Exception &e) {
        std::fprintf(stderr, "%s\n", e.Message().toLocal8Bit().constData());
        return 1;
    }
    return 0;
}
