// The automation object without the bus.
#include "TestSupport.h"
#include "UnitExtInterface.h"
#include "UnitMyReports.h"
#include "UnitUnits.h"

#include <QClipboard>
#include <QGuiApplication>

class ExtInterfaceTest : public IsolatedTest {
protected:
    void SetUp() override
    {
        TBatchItem b;
        b.SetNewBatchDefaults(BatchTypeCover, BatchFormatGrid);
        b.SetValue(1, 0, 25.4);
        b.SetReadingType(1, 0, ReadingTypeReading);
        File = Home.Path() + QStringLiteral("/Inch.vcb");
        b.SaveToFile(File);
        Object.OpenBatch(File);
    }
    void TearDown() override { CurrentCoverUnits = 0; }
    QString File;
    TMyReports Reports;
    TOrvalisInterface Object{Reports};
};

TEST_F(ExtInterfaceTest, FormattedValueRestoresTheUnitsHoweverItEnds)
{
    for (std::uint8_t own : {0, 1}) {
        CurrentCoverUnits = own;
        EXPECT_EQ(Object.FormattedValue(1, 0, 1), QLocale().toString(1.0, 'f', 2));
        EXPECT_EQ(CurrentCoverUnits, own);
        EXPECT_EQ(Object.FormattedValue(1, 0, 0), QStringLiteral("25"));
        EXPECT_EQ(CurrentCoverUnits, own);
        EXPECT_FALSE(MessageOf([&] { Object.FormattedValue(99, 0, 1); }).isEmpty());
        EXPECT_FALSE(MessageOf([&] { Object.FormattedValue(1, 0, 2); }).isEmpty());
        EXPECT_EQ(CurrentCoverUnits, own);
    }
}

// The tests draw on the "offscreen" platform, like a server started outside a desktop session.
TEST_F(ExtInterfaceTest, CopyPageToClipboardWithoutADisplayFailsAndLeavesTheClipboard)
{
    QGuiApplication::clipboard()->setText(QStringLiteral("kept"));
    EXPECT_EQ(MessageOf([&] { Object.CopyPageToClipboard(QStringLiteral("Cover Survey Report"), 0); }),
              QStringLiteral("There is no display: no other program could paste a page from this clipboard"));
    EXPECT_EQ(QGuiApplication::clipboard()->text(), QStringLiteral("kept"));
}
