#include "UnitExtInterface.h"
#include "UnitException.h"
#include "UnitMyReports.h"
#include "UnitReport.h"
#include "UnitStorage.h"
#include "UnitUnits.h"

#include <QGuiApplication>

TOrvalisInterface::TOrvalisInterface(TMyReports &reports) : FReports(reports) {}
TOrvalisInterface::~TOrvalisInterface() = default;

void TOrvalisInterface::OpenBatch(const QString &fileName) { FBatch.LoadFromFile(fileName); }

void TOrvalisInterface::CheckCell(int column, int row) const
{
    // The header's size is what the client was told; the matrices are checked against it.
    if (column < 0 || column >= FBatch.Columns || row < 0 || row >= FBatch.Rows)
        throw Exception(Tr("Cell index out of range (%1, %2)").arg(column).arg(row));
}

std::uint8_t TOrvalisInterface::ReadingType(int column, int row) const
{
    CheckCell(column, row);
    return FBatch.ReadingType(column, row);
}

std::uint8_t TOrvalisInterface::MeasureType(int column, int row) const
{
    CheckCell(column, row);
    return FBatch.MeasureType(column, row);
}

double TOrvalisInterface::Value(int column, int row) const
{
    CheckCell(column, row);
    return FBatch.Value(column, row);
}

QString TOrvalisInterface::FormattedValue(int column, int row, int units) const
{
    // Only the two unit systems exist; a larger number must not wrap onto one of them.
    if (units != 0 && units != 1)
        throw Exception(Tr("Unknown unit system %1: 0 is metric, 1 imperial").arg(units));
    CheckCell(column, row);
    TCoverUnitsScope scope(static_cast<std::uint8_t>(units));
    return FBatch.FormatValue(FBatch.Value(column, row));
}

std::unique_ptr<TReport> TOrvalisInterface::FilledReport(const QString &name) const
{
    // Reports added or changed since the last call are seen: only changed files are read again.
    // The list is the automation's own, so reloading it frees nothing a window shows.
    FReports.Reload();
    const TReport &design = FReports.ByName(name);
    auto report = std::make_unique<TReport>();
    report->Assign(&design);
    const bool halfCell = FBatch.BatchType == BatchTypeHalfCell;
    report->FillWithBatches(halfCell ? nullptr : &FBatch, halfCell ? &FBatch : nullptr);
    return report;
}

void TOrvalisInterface::PrintPage(const QString &report, int page) const
{
    FilledReport(report)->PrintPage(QStringLiteral("%1 %2").arg(report).arg(page), page);
}

void TOrvalisInterface::Print(const QString &report) const { FilledReport(report)->Print(report); }

void TOrvalisInterface::CopyPageToClipboard(const QString &report, int page) const
{
    // A start outside a desktop session draws on the "offscreen" platform, whose clipboard no
    // other program can read: the page would be copied nowhere.
    const QString platform = QGuiApplication::platformName();
    if (!qGuiApp || platform == QLatin1String("offscreen") || platform == QLatin1String("minimal"))
        throw Exception(Tr("There is no display: no other program could paste a page from this clipboard"));
    FilledReport(report)->CopyPageToClipboard(page);
}

int TOrvalisInterface::PageCount(const QString &report) const { return FilledReport(report)->Count(); }

// ---------------------------------------------------------------- the method table

QString TAutomationMethod::InSignature() const
{
    QString signature;
    for (const TAutomationArgument &a : In)
        signature += QLatin1Char(a.Type);
    return signature;
}

namespace {
using TCall = std::function<QVariant(TOrvalisInterface &, const QVariantList &)>;
constexpr TAutomationArgument None{nullptr, 0};

int Int(const QVariantList &a, int i) { return a.at(i).toInt(); }
QString Str(const QVariantList &a, int i) { return a.at(i).toString(); }
QVariant Bool(bool b) { return b ? AutomationTrue : AutomationFalse; }

// A method that reads one field or statistic of the open batch.
template <class F>
TCall Read(F read)
{
    return [read](TOrvalisInterface &o, const QVariantList &) { return QVariant(read(o.Batch())); };
}

std::vector<TAutomationMethod> BuildMethods()
{
    const TAutomationArgument report{"AReport", 's'}, page{"APage", 'i'}, column{"AColumn", 'i'},
        row{"ARow", 'i'};
    std::vector<TAutomationMethod> m = {
        {201, "PrintPage", {report, page}, None, "Print a page of a report of open batch to current printer",
         [](TOrvalisInterface &o, const QVariantList &a) {
             o.PrintPage(Str(a, 0), Int(a, 1));
             return QVariant();
         }},
        {202, "Print", {report}, None, "Print a report of open batch to current printer",
         [](TOrvalisInterface &o, const QVariantList &a) {
             o.Print(Str(a, 0));
             return QVariant();
         }},
        {203, "OpenBatch", {{"ABatch", 's'}}, None, "Opens a batch for printing and viewing",
         [](TOrvalisInterface &o, const QVariantList &a) {
             o.OpenBatch(Str(a, 0));
             return QVariant();
         }},
        {204, "GetBatchID", {}, {"ABatchID", 's'}, "Returns the open batch ID", Read([](const TBatchItem &b) { return b.ID; })},
        {205, "GetBatchColumns", {}, {"AColumns", 'i'}, "Returns the number of columns in open batch",
         Read([](const TBatchItem &b) { return int(b.Columns); })},
        {206, "GetBatchRows", {}, {"ARows", 'i'}, "Returns the number of rows in the open batch",
         Read([](const TBatchItem &b) { return int(b.Rows); })},
        {207, "GetBatchReadings", {}, {"AReadings", 'i'}, "Returns the number of valid readings in the open batch",
         Read([](const TBatchItem &b) { return int(b.Readings); })},
        {208, "GetBatchCreationDate", {}, {"ACreationDate", 'd'}, "Returns the date of when the open batch was created",
         Read([](const TBatchItem &b) { return double(b.CreationDate); })},
        {209, "GetBatchUpdateDate", {}, {"AUpdateDate", 'd'}, "Returns the date of when the open batch was last updated",
         Read([](const TBatchItem &b) { return double(b.UpdateDate); })},
        {210, "GetBatchType", {}, {"AType", 'i'}, "Returns the type of the open batch",
         Read([](const TBatchItem &b) { return int(b.BatchType); })},
        {211, "GetBatchFormat", {}, {"AFormat", 'i'}, "Returns the format of the open batch",
         Read([](const TBatchItem &b) { return int(b.BatchFormat); })},
        {212, "GetBatchHighLimit", {}, {"AHighLimit", 'd'}, "Returns the high limit of the open batch",
         Read([](const TBatchItem &b) { return b.HighLimit; })},
        {213, "GetBatchLowLimit", {}, {"ALowLimit", 'd'}, "Returns the low limit of the open batch",
         Read([](const TBatchItem &b) { return b.LowLimit; })},
        {214, "GetBatchHighLimitApplied", {}, {"AHighLimitApplied", 'i'},
         "Returns whether the high limit is applied on the open batch",
         [](TOrvalisInterface &o, const QVariantList &) { return Bool(o.Batch().HighLimitApplied); }},
        {215, "GetBatchLowLimitApplied", {}, {"ALowLimitApplied", 'i'},
         "Returns whether the low limit is applied on the open batch",
         [](TOrvalisInterface &o, const QVariantList &) { return Bool(o.Batch().LowLimitApplied); }},
        {216, "GetBatchTagSite", {}, {"ATagSite", 's'}, "Returns the site tag of the open batch",
         Read([](const TBatchItem &b) { return b.Site; })},
        {217, "GetBatchTagLocation", {}, {"ATagLocation", 's'}, "Returns the location tag of the open batch",
         Read([](const TBatchItem &b) { return b.Location; })},
        {218, "GetBatchTagArea", {}, {"ATagArea", 's'}, "Returns the area tag of the open batch",
         Read([](const TBatchItem &b) { return b.Area; })},
        {219, "GetBatchTagEngineer", {}, {"ATagEngineer", 's'}, "Returns the engineer tag of the open batch",
         Read([](const TBatchItem &b) { return b.Engineer; })},
        {220, "GetBatchTagCustomer", {}, {"ATagCustomer", 's'}, "Returns the customer tag of the open batch",
         Read([](const TBatchItem &b) { return b.Customer; })},
        {221, "GetBatchTagNote", {}, {"ATagNote", 's'}, "Returns the note tag of the open batch",
         Read([](const TBatchItem &b) { return b.Note; })},
        {222, "GetBatchBarSeries", {}, {"ABarSeries", 'i'}, "Returns the bar series used to take the data of the open batch",
         Read([](const TBatchItem &b) { return int(b.BarSeries); })},
        {223, "GetBatchBarSize", {}, {"ABarSize", 's'}, "Returns the bar size of the open batch",
         Read([](const TBatchItem &b) { return b.BarSizeName(); })},
        {224, "GetBatchReadingType", {column, row}, {"AReadingType", 'i'},
         "Return the reading type for a specific row and column of the open batch",
         [](TOrvalisInterface &o, const QVariantList &a) { return QVariant(int(o.ReadingType(Int(a, 0), Int(a, 1)))); }},
        {225, "GetBatchMeasureType", {column, row}, {"AMeasureType", 'i'},
         "Return the measure type for a specific row and column of the open batch",
         [](TOrvalisInterface &o, const QVariantList &a) { return QVariant(int(o.MeasureType(Int(a, 0), Int(a, 1)))); }},
        {226, "GetBatchReadingValue", {column, row}, {"AReadingValue", 'd'},
         "Return the reading value for a specific row and column of the open batch",
         [](TOrvalisInterface &o, const QVariantList &a) { return QVariant(o.Value(Int(a, 0), Int(a, 1))); }},
        {227, "GetBatchMean", {}, {"AMean", 'd'}, "Returns the mean of all the valid readings for the open batch",
         Read([](const TBatchItem &b) { return b.Mean(); })},
        {228, "GetBatchStandardDeviation", {}, {"AStandardDeviation", 'd'},
         "Return the standard deviation of the valid readings for the open batch",
         Read([](const TBatchItem &b) { return b.StandardDeviation(); })},
        {229, "GetBatchMaxValue", {}, {"AMaxValue", 'd'}, "Returns the maximum value of the valid readings of the open batch",
         Read([](const TBatchItem &b) { return b.Max(); })},
        {230, "GetBatchMinValue", {}, {"AMinValue", 'd'}, "Returns the minimum value of the valid readings of the open batch",
         Read([](const TBatchItem &b) { return b.Min(); })},
        {231, "GetBatchReadingsBelowLow", {}, {"AReadingsBelowLow", 'i'},
         "Returns the number of readings below the low limit for the open batch",
         Read([](const TBatchItem &b) { return b.CountBelowLow(); })},
        {232, "GetBatchReadingsAboveHigh", {}, {"AReadingsAboveHigh", 'i'},
         "Returns the number of readings above the high limit for the open batch",
         Read([](const TBatchItem &b) { return b.CountAboveHigh(); })},
        {233, "GetBatchPercentBelowLow", {}, {"APercentBelowLow", 'd'},
         "Returns the percentage of readings below the low limit for the open batch",
         Read([](const TBatchItem &b) { return b.PercentBelowLow(); })},
        {234, "GetBatchPercentAboveHigh", {}, {"APercentAboveHigh", 'd'},
         "Returns the percentage of readings above the high limit for the open batch",
         Read([](const TBatchItem &b) { return b.PercentAboveHigh(); })},
        {235, "GetBatchOverRangeReadings", {}, {"AOverRangeReadings", 'i'},
         "Returns the number of readings overrange in the open batch",
         Read([](const TBatchItem &b) { return b.CountOverRange(); })},
        {236, "GetBatchUnderRangeReadings", {}, {"AUnderRangeReadings", 'i'},
         "Returns the number of readings underrange in the open batch",
         Read([](const TBatchItem &b) { return b.CountUnderRange(); })},
        {237, "GetBatchPercentOverRange", {}, {"APercentOverRange", 'd'},
         "Returns the percentage of readings overrange in the open batch",
         Read([](const TBatchItem &b) { return b.PercentOverRange(); })},
        {238, "GetBatchPercentUnderRange", {}, {"APercentUnderRange", 'd'},
         "Returns the percentage of readings underrange in the open batch",
         Read([](const TBatchItem &b) { return b.PercentUnderRange(); })},
        {239, "GetBatchGrid", {}, {"AGrid", 'd'}, "Returns the grid spacing for the open batch",
         Read([](const TBatchItem &b) { return b.Grid; })},
        {240, "GetLocalPath", {}, {"APath", 's'}, "Returns the root path in which the data files are located",
         [](TOrvalisInterface &, const QVariantList &) { return QVariant(LocalFolder()); }},
        {241, "GetBatchReadingValueFormated", {column, row, {"AUnits", 'i'}}, {"AValue", 's'},
         "Returns reading value as a formatted string",
         [](TOrvalisInterface &o, const QVariantList &a) {
             return QVariant(o.FormattedValue(Int(a, 0), Int(a, 1), Int(a, 2)));
         }},
        {242, "CopyPageToClipboard", {report, page}, None, "Copys specified page to the windows clipboard",
         [](TOrvalisInterface &o, const QVariantList &a) {
             o.CopyPageToClipboard(Str(a, 0), Int(a, 1));
             return QVariant();
         }},
        {243, "GetPageCount", {report}, {"APageCount", 'i'}, "Returns number of pages for open batch and report",
         [](TOrvalisInterface &o, const QVariantList &a) { return QVariant(o.PageCount(Str(a, 0))); }},
        {244, "GetBatchTagCellType", {}, {"ATagCellType", 's'}, nullptr, Read([](const TBatchItem &b) { return b.CellType; })},
        {245, "GetBatchTagTemperature", {}, {"ATagTemperature", 'd'}, nullptr,
         Read([](const TBatchItem &b) { return b.Temperature; })},
    };
    return m;
}

QString XmlEscaped(const char *text) { return QString::fromUtf8(text).toHtmlEscaped(); }
} // namespace

const std::vector<TAutomationMethod> &AutomationMethods()
{
    static const std::vector<TAutomationMethod> methods = BuildMethods();
    return methods;
}

const TAutomationMethod *FindAutomationMethod(const QString &name)
{
    for (const TAutomationMethod &m : AutomationMethods())
        if (name == QLatin1String(m.Name))
            return &m;
    return nullptr;
}

QString AutomationIntrospection()
{
    QString xml = QStringLiteral("  <interface name=\"%1\">\n").arg(AutomationInterfaceName());
    const auto arg = [](const TAutomationArgument &a, const char *direction) {
        return QStringLiteral("      <arg name=\"%1\" type=\"%2\" direction=\"%3\"/>\n")
            .arg(QLatin1String(a.Name), QString(QLatin1Char(a.Type)), QLatin1String(direction));
    };
    for (const TAutomationMethod &m : AutomationMethods()) {
        xml += QStringLiteral("    <method name=\"%1\">\n").arg(QLatin1String(m.Name));
        for (const TAutomationArgument &a : m.In)
            xml += arg(a, "in");
        if (m.Out.Name)
            xml += arg(m.Out, "out");
        if (m.Help)
            xml += QStringLiteral("      <annotation name=\"org.gtk.GDBus.DocString\" value=\"%1\"/>\n").arg(XmlEscaped(m.Help));
        xml += QStringLiteral("    </method>\n");
    }
    xml += QStringLiteral("  </interface>\n");
    return xml;
}
