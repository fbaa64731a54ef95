// The report loader on any bytes, followed by what every output does with a design: fill a copy
// with a cover and a half-cell batch, add the continuation pages and draw the first page into a
// small picture. A report that loads must also save a text that loads to the same text.
#include "FuzzSupport.h"
#include "UnitBatchList.h"
#include "UnitException.h"
#include "UnitReport.h"
#include "UnitSettings.h"
#include "UnitStorage.h"
#include "UnitTextFile.h"

#include <QApplication>
#include <QImage>
#include <QPainter>

namespace {
TBatchItem Cover, HalfCell;
TSettings Settings;
} // namespace

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static int qtArgc = 1;
    static char name[] = "fuzz_report";
    static char *qtArgv[] = {name, nullptr};
    new QApplication(qtArgc, qtArgv); // the charts draw through widgets; lives for the whole run
    Cover.LoadFromFile(QStringLiteral(ORVALIS_TEST_DATA "/ChartCover10x10.vcb"));
    HalfCell.LoadFromFile(QStringLiteral(ORVALIS_TEST_DATA "/ChartHalfCell5x5.vch"));
    Settings.Clear();
    ApplyUnitSettings(Settings);
    SetReportSettings(&Settings);
    InstallPrinterPaperProvider();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    XmlDocument doc;
    doc.Parse(DecodeFileText(FuzzBytes(data, size)));
    TReport stored;
    try {
        stored.LoadFromXml(doc.Nodes);
    } catch (const Exception &) {
        return 0;
    }
    const QString saved = SavedText([&](XmlNodeList &nodes) { stored.SaveToXml(nodes); });
    {
        XmlDocument again;
        again.Parse(saved);
        TReport reloaded;
        reloaded.LoadFromXml(again.Nodes); // a saved report must always load
        FUZZ_CHECK(SavedText([&](XmlNodeList &nodes) { reloaded.SaveToXml(nodes); }) == saved);
    }

    TReport report;
    report.Assign(&stored);
    try {
        report.FillWithBatches(&Cover, &HalfCell, &Cover, &HalfCell);
    } catch (const Exception &) {
        return 0;
    }
    if (report.Count() == 0)
        return 0;
    TPage &page = *report.Pages(0);
    QImage image(96, 136, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    page.Canvas = &painter;
    page.PageRect = image.rect();
    try {
        page.Draw();
    } catch (const Exception &) {
    }
    page.Canvas = nullptr;
    return 0;
}
