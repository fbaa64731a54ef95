// The report loader on the hostile designs, then what every output does with a design: fill a
// copy with batches, add the continuation pages and draw each page. Each step ends with a bounded
// number of pages drawn or with the program's own message; a runaway loop meets the test's time-out.
#include "TestSupport.h"
#include "UnitReport.h"

#include <QDir>
#include <QMap>

namespace {
// No design needs more sheets than this for two small batches.
constexpr int PageLimit = 200;

class HostileReport : public IsolatedTest {};
} // namespace

TEST_F(HostileReport, DesignsLoadFillAndDrawOrRefuse)
{
    InstallPrinterPaperProvider();
    TBatchItem cover, halfCell;
    cover.LoadFromFile(TestDataFile(QStringLiteral("ChartCover10x10.vcb")));
    halfCell.LoadFromFile(TestDataFile(QStringLiteral("ChartHalfCell5x5.vch")));
    const QDir hostile(TestDataFile(QStringLiteral("hostile")));
    QStringList loaded;
    QMap<QString, QString> refused;
    for (const QString &name : hostile.entryList({QStringLiteral("*.vcr")}, QDir::Files, QDir::Name)) {
        SCOPED_TRACE(name.toStdString());
        try {
            TReport stored;
            stored.LoadFromFile(hostile.filePath(name));
            loaded << name;
            TReport report;
            report.Assign(&stored);
            report.FillWithBatches(&cover, &halfCell);
            EXPECT_LE(report.Count(), PageLimit);
            for (int i = 0; i < report.Count(); ++i) {
                const QImage picture = TReport::RenderJpegPicture(*report.Pages(i));
                EXPECT_FALSE(picture.isNull());
            }
        } catch (const Exception &e) {
            EXPECT_FALSE(e.Message().trimmed().isEmpty());
            refused[name] = e.Message();
        }
    }
    // Designs sound in form, if strange in their values, still load.
    for (const char *name : {"report-zero-paging.vcr", "report-huge-values.vcr", "report-bad-pictures.vcr", "report-picture-length-lie.vcr", "report-windows1252.vcr"})
        EXPECT_TRUE(loaded.contains(QLatin1String(name))) << name << ": " << refused.value(QLatin1String(name)).toStdString();
}
