#include "BatchTestSupport.h"
#include "TestSupport.h"
#include "UnitTemplateList.h"
#include "UnitTextFile.h"
#include "UnitXml.h"

#include <QDir>
#include <QFileInfo>
#include <QThread>
#include <atomic>

namespace {
class Templates : public IsolatedTest {
protected:
    void TearDown() override { QLocale::setDefault(QLocale::system()); }
    QString Temp(const QString &name) const { return Home.Path() + QLatin1Char('/') + name; }
};

class OtherPersistent : public TPersistent {
public:
    void Assign(const TPersistent *) override {}
};

QStringList IDs(const TTemplateList &t)
{
    QStringList ids;
    for (int i = 0; i < t.Count(); ++i)
        ids << t.Items(i)->ID;
    return ids;
}

// A template of definitions given as (batch type, grouped) pairs.
void Define(TTemplateList &t, const std::vector<std::pair<std::uint8_t, bool>> &defs)
{
    t.Clear();
    for (auto [type, grouped] : defs) {
        TTemplateItem *item = t.Add();
        item->BatchType = type;
        item->Grouped = grouped;
    }
}
} // namespace

TEST_F(Templates, ReadsTheFixtureAndWritesItBackByteForByte)
{
    QLocale::setDefault(QLocale(QLocale::German));
    const QString source = TestDataFile(QStringLiteral("BridgeDeck.vct"));
    TTemplateList t;
    t.LoadFromFile(source);
    EXPECT_EQ(t.Name, QStringLiteral("BridgeDeck"));
    EXPECT_EQ(t.AutoInc, 43);
    EXPECT_EQ(t.BatchNameType, 1);
    EXPECT_EQ(t.Default.Site, QStringLiteral("Harbour & Quay"));
    EXPECT_EQ(t.Default.BarGrade, 1);
    ASSERT_EQ(t.Count(), 3);
    const TTemplateItem &cover = *t.Items(0);
    EXPECT_EQ(cover.Columns, 20);
    EXPECT_EQ(cover.LowLimit, 25.5);
    EXPECT_TRUE(cover.Grouped);
    EXPECT_FALSE(cover.UseDefaultArea);
    EXPECT_EQ(cover.Area, QStringLiteral("Soffit"));
    EXPECT_EQ(t.Items(1)->BatchType, 1);
    EXPECT_EQ(t.Items(1)->LowLimit, -350);
    EXPECT_EQ(t.Items(2)->Note, QStringLiteral("Parapet <east>"));
    EXPECT_EQ(t.Items(2)->BatchFormat, 1);

    const QString copy = Temp(QStringLiteral("Copy of deck.vct"));
    t.SaveToFile(copy);
    EXPECT_EQ(t.Name, QStringLiteral("Copy of deck"));
    EXPECT_EQ(ReadWholeFile(copy), ReadWholeFile(source));
}

TEST_F(Templates, NumberingExamples)
{
    TTemplateList t;
    t.Name = QStringLiteral("Bridge Deck North");
    t.BatchNameType = 0;
    t.AutoInc = 41;
    Define(t, {{0, false}, {0, false}, {1, false}});
    t.GenerateBatchIDs(true);
    EXPECT_EQ(IDs(t), (QStringList{QStringLiteral("Bridge Dec 00001"), QStringLiteral("Bridge Dec 00002"),
                                   QStringLiteral("Bridge Dec 00003")}));
    EXPECT_EQ(t.AutoInc, 41); // numbering from 1 never touches AutoInc

    // Continued numbering: a grouped cover definition shares its number with the next one.
    t.BatchNameType = 1;
    Define(t, {{1, false}, {0, true}, {1, false}, {0, false}});
    t.GenerateBatchIDs(false);
    EXPECT_EQ(IDs(t), (QStringList{QStringLiteral("Bridge Dec 00041"), QStringLiteral("Bridge Dec 00042"),
                                   QStringLiteral("Bridge Dec 00042"), QStringLiteral("Bridge Dec 00043")}));
    EXPECT_EQ(t.AutoInc, 41); // a preview commits nothing
    t.GenerateBatchIDs(true);
    EXPECT_EQ(t.AutoInc, 44);

    // A grouped half-cell definition does not share its number.
    t.AutoInc = 1;
    Define(t, {{1, true}, {0, false}});
    t.GenerateBatchIDs(true);
    EXPECT_EQ(IDs(t), (QStringList{QStringLiteral("Bridge Dec 00001"), QStringLiteral("Bridge Dec 00002")}));
    EXPECT_EQ(t.AutoInc, 3);

    // A grouped cover definition at the end used its number: the next run starts after it.
    t.AutoInc = 7;
    Define(t, {{1, false}, {0, true}});
    t.GenerateBatchIDs(true);
    EXPECT_EQ(IDs(t), (QStringList{QStringLiteral("Bridge Dec 00007"), QStringLiteral("Bridge Dec 00008")}));
    EXPECT_EQ(t.AutoInc, 9);
    Define(t, {{1, false}, {0, false}});

    // Numbers above 99999 keep all their digits; short names are used whole.
    t.Name = QStringLiteral("Ab");
    t.AutoInc = 99999;
    t.GenerateBatchIDs(true);
    EXPECT_EQ(IDs(t), (QStringList{QStringLiteral("Ab 99999"), QStringLiteral("Ab 100000")}));
}

TEST_F(Templates, PrefixCountsCharactersNotCodeUnits)
{
    TTemplateList t;
    t.Name = QString::fromUtf8("Brücke 😀😀😀😀😀 Süd"); // the faces lie outside the basic plane
    t.Add();
    t.GenerateBatchIDs(false);
    EXPECT_EQ(t.Items(0)->ID, QString::fromUtf8("Brücke 😀😀😀 00001"));
    EXPECT_TRUE(t.Items(0)->ID.toUtf8().isValidUtf8());
}

TEST_F(Templates, AbsentElementsAndMissingRoot)
{
    XmlDocument doc;
    doc.Parse(QStringLiteral("<Template><Header><AutoInc>5</AutoInc><Default><Site>S</Site></Default></Header>"
                             "<Batches><Item><Columns>3</Columns></Item><Batch><Grouped>1</Grouped>"
                             "<UseDefaultBarGrade>0</UseDefaultBarGrade></Batch></Batches></Template>"));
    TTemplateList t;
    t.Add();
    t.LoadFromXml(doc.Nodes);
    EXPECT_EQ(t.AutoInc, 5);
    EXPECT_EQ(t.BatchNameType, 0);
    EXPECT_EQ(t.Default.Site, QStringLiteral("S"));
    ASSERT_EQ(t.Count(), 2); // every child of Batches, whatever its name
    const TTemplateItem &first = *t.Items(0);
    EXPECT_EQ(first.Columns, 3);
    EXPECT_FALSE(first.UseDefaultSite);
    EXPECT_FALSE(first.UseDefaultCellType);
    EXPECT_TRUE(first.UseDefaultBarGrade); // kept when absent
    EXPECT_FALSE(t.Items(1)->UseDefaultBarGrade);
    EXPECT_TRUE(t.Items(1)->Grouped);

    XmlDocument none;
    none.Parse(QStringLiteral("<Other/>"));
    t.LoadFromXml(none.Nodes);
    EXPECT_EQ(t.Count(), 0);
    EXPECT_EQ(t.AutoInc, 0);
    EXPECT_EQ(t.Default.Site, QString());
    EXPECT_FALSE(t.Default.UseDefaultSite);

    EXPECT_FALSE(MessageOf([&] { t.LoadFromFile(Temp(QStringLiteral("missing.vct"))); }).isEmpty());
}

TEST_F(Templates, ApplyDefaultsCopiesOnlyTheFlaggedTexts)
{
    TTemplateList t;
    t.LoadFromFile(TestDataFile(QStringLiteral("BridgeDeck.vct")));
    t.ApplyDefaults();
    const TTemplateItem &cover = *t.Items(0);
    EXPECT_EQ(cover.Site, QStringLiteral("Harbour & Quay"));
    EXPECT_EQ(cover.Engineer, QStringLiteral("J. Smith"));
    EXPECT_EQ(cover.CellType, QStringLiteral("CU/CUSO4"));
    EXPECT_EQ(cover.BarGrade, 1);
    EXPECT_EQ(cover.Area, QStringLiteral("Soffit")); // its own area
    EXPECT_EQ(t.Items(2)->Note, QStringLiteral("Parapet <east>"));
    EXPECT_EQ(t.Items(2)->Area, QStringLiteral("Deck"));
    // Size, limits, grid, types and series are never inherited.
    EXPECT_EQ(cover.Columns, 20);
    EXPECT_EQ(cover.Rows, 10);
    EXPECT_EQ(cover.HighLimit, 80);
    EXPECT_EQ(cover.LowLimit, 25.5);
    EXPECT_EQ(cover.Grid, 150);
    EXPECT_EQ(t.Items(1)->BatchType, 1);
}

TEST_F(Templates, AssignAndUnits)
{
    TTemplateItem item;
    OtherPersistent other;
    EXPECT_EQ(MessageOf([&] { item.Assign(&other); }), QStringLiteral("Cannot assign object to Template item"));
    TTemplateItem source;
    source.Site = QStringLiteral("x");
    source.UseDefaultNote = false;
    item.Assign(&source);
    EXPECT_EQ(item.Site, QStringLiteral("x"));
    EXPECT_FALSE(item.UseDefaultNote);

    TTemplateList a;
    a.Name = QStringLiteral("A");
    a.AutoInc = 7;
    a.BatchNameType = 1;
    a.Default.Site = QStringLiteral("d");
    a.Add()->Rows = 9;
    TTemplateList b;
    b.Add();
    b.Add();
    b.Assign(&a);
    EXPECT_EQ(b.Name, QStringLiteral("A"));
    EXPECT_EQ(b.AutoInc, 7);
    EXPECT_EQ(b.Default.Site, QStringLiteral("d"));
    ASSERT_EQ(b.Count(), 1);
    EXPECT_NE(b.Items(0), a.Items(0));
    EXPECT_EQ(b.Items(0)->Rows, 9);
    b.Assign(&other); // ignored
    EXPECT_EQ(b.Count(), 1);
    EXPECT_EQ(MessageOf([&] { b.Items(1); }), QStringLiteral("List index out of bounds (1)"));

    TTemplateItem unit;
    EXPECT_EQ(unit.UnitName(), QStringLiteral("mm"));
    unit.BatchType = 1;
    EXPECT_EQ(unit.FormatValueRounded(-350.4), QStringLiteral("-350"));
    EXPECT_EQ(unit.CompareValues(-350.4, -350), 0);
    unit.BatchType = 3;
    EXPECT_EQ(MessageOf([&] { unit.FromDisplay(1); }), QStringLiteral("Invalid Batch Type"));
}

TEST_F(Templates, UploadListCopiesAndLocks)
{
    TUploadTemplateList up;
    TTemplateList *t = up.Add();
    t->Add();
    t->Add();
    up.Add()->Add();
    EXPECT_EQ(up.TotalBatchCount(), 3);

    TUploadTemplateList copy;
    copy.Add();
    copy.Assign(&up);
    ASSERT_EQ(copy.Count(), 2);
    EXPECT_EQ(copy.TotalBatchCount(), 3);
    EXPECT_NE(copy.Items(0), up.Items(0));
    TTemplateList notAnUploadList;
    copy.Assign(&notAnUploadList); // ignored
    EXPECT_EQ(copy.Count(), 2);

    up.Lock();
    up.Lock();
    std::atomic<bool> got{true};
    QThread *other = QThread::create([&] { got = up.Mutex().tryLock(); });
    other->start();
    ASSERT_TRUE(other->wait(10000));
    delete other;
    EXPECT_FALSE(got);
    up.Unlock();
    up.Unlock();
    up.Clear();
    EXPECT_EQ(up.Count(), 0);
}

// Every shipped template, in every language folder: read and written back unchanged, its stored
// identifiers what numbering gives, and each group a flagged cover definition directly followed
// by a flagged half-cell one.
TEST_F(Templates, ShippedTemplatesLoadWriteBackUnchangedAndGroupInPairs)
{
    const QString root = QStringLiteral(ORVALIS_RESOURCE_DIR "/Orvalis/Template/");
    QStringList files;
    for (const QString &language : QDir(root).entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
        const QString folder = root + language + QStringLiteral("/Templates/");
        for (const QString &name : QDir(folder).entryList(QStringList{QStringLiteral("*.vct")}, QDir::Files))
            files << folder + name;
    }
    ASSERT_GE(files.size(), 1);
    for (const QString &file : files) {
        SCOPED_TRACE(file.toStdString());
        TTemplateList t;
        t.LoadFromFile(file);
        EXPECT_GT(t.Count(), 0);
        const QString copy = Temp(QFileInfo(file).fileName());
        t.SaveToFile(copy);
        EXPECT_EQ(ReadWholeFile(copy), ReadWholeFile(file));
        const QStringList stored = IDs(t);
        t.GenerateBatchIDs(false);
        EXPECT_EQ(IDs(t), stored);
        for (int i = 0; i < t.Count(); ++i) {
            const TTemplateItem *d = t.Items(i);
            if (!d->Grouped)
                continue;
            const int partner = d->BatchType == 0 ? i + 1 : i - 1;
            ASSERT_TRUE(partner >= 0 && partner < t.Count()) << "definition " << i;
            EXPECT_TRUE(t.Items(partner)->Grouped) << "definition " << i;
            EXPECT_NE(t.Items(partner)->BatchType, d->BatchType) << "definition " << i;
        }
    }
}

TEST_F(Templates, SavedAndReloadedUnderACommaCLocale)
{
    TCommaLocale comma;
    ASSERT_TRUE(comma.Available());
    const QString source = TestDataFile(QStringLiteral("BridgeDeck.vct"));
    TTemplateList t;
    t.LoadFromFile(source);
    EXPECT_EQ(t.Items(0)->LowLimit, 25.5);
    t.Items(0)->Grid = 152.4; // six inches
    const QString copy = Temp(QStringLiteral("comma.vct"));
    t.SaveToFile(copy);
    const QByteArray text = ReadWholeFile(copy);
    EXPECT_TRUE(text.contains("<LowLimit>25.5</LowLimit>")) << text.toStdString();
    EXPECT_TRUE(text.contains("<Grid>152.4</Grid>"));
    TTemplateList back;
    back.LoadFromFile(copy);
    EXPECT_EQ(back.Items(0)->LowLimit, 25.5);
    EXPECT_EQ(back.Items(0)->Grid, 152.4);
}
