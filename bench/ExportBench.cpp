// Spreadsheet export: time and file size of each form for a list of large batches.
#include "UnitBatchList.h"
#include "UnitExport.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QTemporaryDir>
#include <cstdio>

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    constexpr int Batches = 20, Columns = 100, Rows = 100;
    TBatchList list;
    for (int k = 0; k < Batches; ++k) {
        TBatchItem &b = *list.Add();
        b.ID = QStringLiteral("Batch %1").arg(k + 1);
        b.BatchType = k % 2 ? BatchTypeHalfCell : BatchTypeCover;
        b.Temperature = TemperatureNotRecorded;
        b.Columns = Columns;
        b.Rows = Rows;
        b.SetSize();
        for (int c = 0; c < Columns; ++c)
            for (int r = 0; r < Rows; ++r) {
                b.SetReadingType(c, r, (c + r) % 17 ? ReadingTypeReading : ReadingTypeEmpty);
                b.SetMeasureType(c, r, (c * r) % 29 == 1 ? MeasureTypeOverRange : MeasureTypeInRange);
                b.SetValue(c, r, 20 + (c * 7 + r * 3) % 60);
            }
        b.Readings = b.ValidCount();
    }
    QTemporaryDir dir;
    std::printf("%d batches of %d x %d cells\n", Batches, Columns, Rows);
    for (const char *name : {"bench.xls", "bench.xml"}) {
        QElapsedTimer timer;
        timer.start();
        const QStringList files = ExportSpreadsheet(list, dir.filePath(QString::fromLatin1(name)));
        const qint64 ms = timer.elapsed();
        qint64 bytes = 0;
        for (const QString &f : files)
            bytes += QFileInfo(f).size();
        std::printf("%-11s %6lld ms  %9lld bytes in %lld file(s)\n", name, static_cast<long long>(ms),
                    static_cast<long long>(bytes), static_cast<long long>(files.size()));
    }
    return 0;
}
