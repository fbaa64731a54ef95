// A writer for the kill test: saves a batch, a template, a report, the settings and a folder
// cache into one folder, each in one of two versions, and goes on alternating until it is killed.
//   orvalis_saveloop FOLDER            saves version 1, 0, 1, ... for ever; "ready" once started
//   orvalis_saveloop FOLDER --once V   saves version V (0 or 1) once and ends
#include "UnitBatchList.h"
#include "UnitDateTime.h"
#include "UnitException.h"
#include "UnitFileList.h"
#include "UnitReport.h"
#include "UnitSettings.h"
#include "UnitTemplateList.h"

#include <QDir>
#include <QGuiApplication>
#include <cstdio>

namespace {

void SaveBatch(const QString &folder, int version)
{
    TBatchItem batch;
    batch.SetNewBatchDefaults(BatchTypeCover, BatchFormatGrid);
    batch.ID = QStringLiteral("Kill");
    batch.CreationDate = batch.UpdateDate = EncodeDateTime(2026, 1, 2, 3, 4);
    batch.Site = version == 0 ? QStringLiteral("Old site") : QStringLiteral("A new site with a longer name");
    // Versions of different sizes, so a cut file can never pass for the other one.
    const int columns = version == 0 ? 12 : 30;
    batch.Resize(columns, 10);
    for (int c = 0; c < columns; ++c)
        for (int r = 0; r < 10; ++r) {
            batch.SetReadingType(c, r, ReadingTypeReading);
            batch.SetMeasureType(c, r, MeasureTypeInRange);
            batch.SetValue(c, r, 20 + (c * 7 + r * 3 + version) % 40);
        }
    batch.Readings = batch.ValidCount();
    batch.SaveToFile(folder + QStringLiteral("Kill.vcb"));
}

void SaveTemplate(const QString &folder, int version)
{
    TTemplateList templ;
    for (int i = 0; i < 2 + version * 6; ++i) {
        TTemplateItem *d = templ.Add();
        d->ID = QStringLiteral("Def %1").arg(i);
        d->Columns = 5 + i;
        d->Rows = 4;
        d->Site = QStringLiteral("Site %1").arg(version);
    }
    templ.SaveToFile(folder + QStringLiteral("Kill.vct"));
}

void SaveReport(const QString &folder, int version)
{
    TReport report;
    report.Name = QStringLiteral("Kill");
    for (int i = 0; i < 1 + version * 4; ++i)
        report.AddPage();
    report.SaveToFile(folder + QStringLiteral("Kill.vcr"));
}

void SaveSettings(const QString &folder, int version)
{
    TSettings settings;
    settings[QStringLiteral("ComPort")].SetAsInteger(version + 1);
    settings[QStringLiteral("LastFolder")].SetAsString(version == 0 ? QStringLiteral("a") : QStringLiteral("a much longer folder name"));
    settings.Save(folder + QStringLiteral("settings.xml"));
}

void SaveCache(const QString &folder, int version)
{
    TFileList list;
    list.SetFolder(folder);
    list.Clear();
    for (int i = 0; i < 3 + version * 20; ++i) {
        TFileItem *item = list.Add();
        item->FileName = folder + QStringLiteral("Batch %1.vcb").arg(i);
        item->FileType = FileTypeBatch;
        item->FileModifiedTime = 1000 + version;
    }
    list.SaveCache();
}

void SaveAll(const QString &folder, int version)
{
    SaveBatch(folder, version);
    SaveTemplate(folder, version);
    SaveReport(folder, version);
    SaveSettings(folder, version);
    SaveCache(folder, version);
}

} // namespace

int main(int argc, char **argv)
{
    QGuiApplication app(argc, argv);
    const QStringList args = QCoreApplication::arguments();
    if (args.size() < 2) {
        std::fprintf(stderr, "usage: orvalis_saveloop FOLDER [--once 0|1]\n");
        return 2;
    }
    const QString folder = QDir(args[1]).absolutePath() + QLatin1Char('/');
    try {
        if (args.size() >= 4 && args[2] == QLatin1String("--once")) {
            SaveAll(folder, args[3].toInt() == 0 ? 0 : 1);
            return 0;
        }
        std::printf("ready\n");
        std::fflush(stdout);
        for (int version = 1;; version = 1 - version)
            SaveAll(folder, version);
    } catch (const Exception &e) {
        std::fprintf(stderr, "orvalis_saveloop: %s\n", qPrintable(e.Message()));
        return 1;
    }
}
