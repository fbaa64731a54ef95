// The program's own loaders on the hostile files: each loads or refuses with a message, in
// little time, and a record that fails to load keeps what it held.
#include "TestSupport.h"
#include "UnitBatchList.h"
#include "UnitFileList.h"
#include "UnitTemplateList.h"
#include "UnitTextFile.h"
#include "UnitXml.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <functional>

namespace {
constexpr int TimeLimitMs = 20000; // sanitizer build; a runaway loop takes far longer

QString Hostile(const QString &name) { return TestDataFile(QStringLiteral("hostile/")) + name; }

QStringList HostileFiles(const QString &pattern)
{
    return QDir(TestDataFile(QStringLiteral("hostile"))).entryList({pattern}, QDir::Files, QDir::Name);
}

// Runs a load; true when it loaded, false when it raised the program's exception with a message.
bool LoadsInTime(const QString &name, const std::function<void()> &load)
{
    QElapsedTimer timer;
    timer.start();
    bool loaded = true;
    try {
        load();
    } catch (const Exception &e) {
        loaded = false;
        EXPECT_FALSE(e.Message().trimmed().isEmpty()) << name.toStdString();
    }
    EXPECT_LT(timer.elapsed(), TimeLimitMs) << name.toStdString();
    return loaded;
}

class HostileLoad : public IsolatedTest {};
} // namespace

TEST_F(HostileLoad, BatchLoaderLoadsOrRefusesAndKeepsTheRecord)
{
    TBatchItem good;
    good.LoadFromFile(TestDataFile(QStringLiteral("BatchCover2x3.vcb")));
    const QString goodText = [&] {
        XmlDocument doc;
        good.SaveToXml(doc.Nodes);
        return doc.SaveToText();
    }();
    QStringList loaded;
    for (const QString &pattern : {QStringLiteral("*.vcb"), QStringLiteral("*.vch")})
        for (const QString &name : HostileFiles(pattern)) {
            TBatchItem batch;
            batch.LoadFromFile(TestDataFile(QStringLiteral("BatchCover2x3.vcb")));
            if (LoadsInTime(name, [&] { batch.LoadFromFile(Hostile(name)); })) {
                loaded << name;
                EXPECT_GE(batch.Columns, 0);
                EXPECT_GE(batch.Rows, 0);
                if (batch.Columns > 0 && batch.Rows > 0) { // the cells match the size
                    EXPECT_NO_THROW((void)batch.ReadingType(batch.Columns - 1, batch.Rows - 1)) << name.toStdString();
                }
                // What loads saves again and loads to the same record.
                XmlDocument doc;
                batch.SaveToXml(doc.Nodes);
                XmlDocument again;
                again.Parse(doc.SaveToText());
                TBatchItem reloaded;
                reloaded.LoadFromXml(again.Nodes);
                XmlDocument resaved;
                reloaded.SaveToXml(resaved.Nodes);
                EXPECT_EQ(resaved.SaveToText(), doc.SaveToText()) << name.toStdString();
            } else {
                XmlDocument doc;
                batch.SaveToXml(doc.Nodes);
                EXPECT_EQ(doc.SaveToText(), goodText) << name.toStdString() << " changed the record it failed to load into";
            }
        }
    // The files that are sound in form, if strange in content, still load.
    for (const char *name : {"batch-zero-size.vcb", "batch-columns-without-rows.vcb", "batch-odd-numbers-header.vch",
                             "batch-extreme-values.vcb", "batch-unknown-codes.vcb", "batch-windows1252.vcb",
                             "batch-absurd-counts.vcb"})
        EXPECT_TRUE(loaded.contains(QLatin1String(name))) << name;
    for (const char *name : {"batch-huge-size.vcb", "batch-odd-numbers-cells.vcb", "batch-empty.vcb", "batch-binary.vcb"})
        EXPECT_FALSE(loaded.contains(QLatin1String(name))) << name;
}

TEST_F(HostileLoad, TemplateLoaderLoadsOrRefusesInTime)
{
    for (const QString &name : HostileFiles(QStringLiteral("*.vct"))) {
        TTemplateList list;
        if (!LoadsInTime(name, [&] { list.LoadFromFile(Hostile(name)); }))
            continue;
        LoadsInTime(name, [&] { list.GenerateBatchIDs(false); });
        // What loads saves a text that loads to the same text.
        XmlDocument doc;
        list.SaveToXml(doc.Nodes);
        XmlDocument again;
        again.Parse(doc.SaveToText());
        TTemplateList reloaded;
        reloaded.LoadFromXml(again.Nodes);
        XmlDocument resaved;
        reloaded.SaveToXml(resaved.Nodes);
        EXPECT_EQ(resaved.SaveToText(), doc.SaveToText()) << name.toStdString();
    }
}

TEST_F(HostileLoad, CacheLoaderKeepsEntriesInsideTheFolder)
{
    QTemporaryDir dir;
    const QString folder = dir.path() + QStringLiteral("/Site/");
    ASSERT_TRUE(QDir().mkpath(folder));
    for (const QString &name : HostileFiles(QStringLiteral("*.vcc"))) {
        QFile::remove(folder + CacheFileName());
        ASSERT_TRUE(QFile::copy(Hostile(name), folder + CacheFileName()));
        TFileList list;
        QElapsedTimer timer;
        timer.start();
        list.LoadCache(folder + CacheFileName());
        EXPECT_LT(timer.elapsed(), TimeLimitMs) << name.toStdString();
        for (int i = 0; i < list.Count(); ++i) {
            const QString file = list.Items(i)->FileName;
            EXPECT_EQ(QFileInfo(file).absolutePath() + QLatin1Char('/'), folder) << name.toStdString() << ": " << file.toStdString();
            EXPECT_NE(list.Items(i)->NameOnly(), QStringLiteral("..")) << name.toStdString();
        }
    }
}
