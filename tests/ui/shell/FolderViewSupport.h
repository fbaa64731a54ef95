#pragma once
// A stand-in for the main window around the folder view and batch views, and small helpers that
// write batch files into a temporary folder.
#include "TestSupport.h"
#include "UnitBatchList.h"
#include "UnitFolderViewHost.h"
#include "UnitSettings.h"

#include <QDir>
#include <QFile>

class TFakeFolderHost : public IFolderViewHost {
public:
    TSettings Store;
    QStringList Titles;
    bool PanesVisible = true;
    QStringList Changed;
    QStringList Renamed;
    QString Selected;
    int WatchStops = 0, WatchStarts = 0;

    TSettings &Settings() override { return Store; }
    QStringList TabReportTitles() override { return Titles; }
    bool BrowsePanesVisible() const override { return PanesVisible; }
    void SetBrowsePanesVisible(bool visible) override { PanesVisible = visible; }
    void FoldersChanged(const QStringList &folders) override { Changed << folders; }
    void FolderRenamed(const QString &oldPath, const QString &newPath) override { Renamed << oldPath << newPath; }
    void SelectFolder(const QString &folder) override { Selected = folder; }
    void SetWatching(bool watching) override { (watching ? WatchStarts : WatchStops)++; }
    QTreeWidgetItem *NodeOfFolder(const QString &) override { return nullptr; }
};

// A batch of `columns` x `rows` whose cell (c, r) holds 10 + c + r (internal units).
inline TBatchItem MakeBatch(std::uint8_t type, std::uint8_t format, int columns, int rows)
{
    TBatchItem b;
    b.SetNewBatchDefaults(type, format);
    b.Columns = columns;
    b.Rows = rows;
    b.SetSize();
    for (int c = 0; c < columns; ++c)
        for (int r = 0; r < rows; ++r) {
            b.SetReadingType(c, r, ReadingTypeReading);
            b.SetMeasureType(c, r, MeasureTypeInRange);
            b.SetValue(c, r, 10 + c + r);
        }
    b.Readings = b.ValidCount();
    return b;
}

inline QString WriteBatch(const QString &folder, const QString &name, const TBatchItem &batch)
{
    QDir().mkpath(folder);
    const QString path = folder + name + batch.FileExtension();
    batch.SaveToFile(path);
    return path;
}

inline void WriteText(const QString &path, const QByteArray &bytes)
{
    QFile f(path);
    f.open(QIODevice::WriteOnly);
    f.write(bytes);
}
