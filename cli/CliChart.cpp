// orvalis-cli chart: draws any chart of a batch into a PNG, SVG or PDF picture, so that a person
// or a script can look at it.
#include "CliCommands.h"
#include "UnitBatchList.h"
#include "UnitChartCombinedOverview.h"
#include "UnitChartContour.h"
#include "UnitChartCumulative.h"
#include "UnitChartDifference.h"
#include "UnitChartHistogram.h"
#include "UnitChartLinearView.h"
#include "UnitChartOverview.h"
#include "UnitChartRun.h"
#include "UnitEvaluation.h"
#include "UnitException.h"
#include "UnitTextFile.h"
#include "UnitUnits.h"

#include <QBuffer>
#include <QFileInfo>
#include <QImage>
#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>
#include <QSvgGenerator>
#include <functional>

namespace {
const char *kUsage =
    "chart overview|key|run|histogram|linear|combined|cumulative|difference|contour FILE [FILE2]\n"
    "      -o OUT.png|OUT.svg|OUT.pdf [--size WxH]\n"
    "      [--levels V1,V2,...] [--step N] [--no-fill] [--no-labels] (contour; mm or mV)\n"
    "      [--method none|warning|maxmin|limits|threshold] [--band N] [--threshold N] [--no-cell-colour]\n"
    "      [--cell-text] [--grey] [--grid-lines] [--grid-spacing MM|cell] [--window ROW,COL,ROWS,COLS]\n"
    "      [--no-square] [--key-steps N] [--type line|bar] [--3d] [--legend] [--grid] [--colour #RRGGBB]\n"
    "      [--bar-gap] [--mark-frame] [--font NAME] [--cell-font-size N] [--first-reading N]\n"
    "      [--table COLSxROWS] [--primary cover|halfcell] [--units mm|in]";

struct TOptions {
    QString Kind;
    QStringList Files;
    QString Out;
    QSize Size{800, 600};
    int Method = -1; // the chart's default
    std::optional<double> Band;
    double Threshold = 0;
    bool CellColour = true;
    bool CellText = false;
    bool Grey = false;
    bool GridLines = false;
    QString GridSpacing = QStringLiteral("0");
    std::optional<std::array<int, 4>> Window;
    bool Square = true;
    int KeySteps = 15;
    int ChartType = 0;
    bool View3D = false;
    bool Legend = false;
    bool Grid = false;
    QColor Colour = QColor(192, 192, 192);
    bool ColourGiven = false;
    bool BarGap = false;
    bool MarkFrame = false;
    QString Font = QStringLiteral("Arial");
    int CellFontSize = 8;
    int FirstReading = 0;
    QSize Table{10, 20};
    int Primary = 0;
    int Units = -1;
    QString Levels; // contour levels as given
    double Step = 0;
    bool Fill = true;
    bool ContourLabels = true;
};

[[noreturn]] void Fail(const QString &message) { throw Exception(message); }

double Number(const QString &text, const QString &option)
{
    bool ok = false;
    const double v = text.toDouble(&ok);
    if (!ok)
        Fail(QStringLiteral("%1 needs a number, not \"%2\"").arg(option, text));
    return v;
}

int Whole(const QString &text, const QString &option)
{
    bool ok = false;
    const int v = text.toInt(&ok);
    if (!ok)
        Fail(QStringLiteral("%1 needs a whole number, not \"%2\"").arg(option, text));
    return v;
}

QSize SizeOf(const QString &text, const QString &option)
{
    const QStringList parts = text.toLower().split(QLatin1Char('x'));
    if (parts.size() != 2)
        Fail(QStringLiteral("%1 needs WxH, not \"%2\"").arg(option, text));
    const QSize size(Whole(parts[0], option), Whole(parts[1], option));
    if (size.width() <= 0 || size.height() <= 0 || size.width() > 20000 || size.height() > 20000)
        Fail(QStringLiteral("%1: a size from 1x1 to 20000x20000, not \"%2\"").arg(option, text));
    return size;
}

TOptions Parse(const QStringList &args)
{
    TOptions o;
    const QStringList kinds{"overview", "key",        "run",        "histogram", "linear",
                            "combined", "cumulative", "difference", "contour"};
    const QStringList methods{"none", "warning", "maxmin", "limits", "threshold"};
    for (int i = 0; i < args.size(); ++i) {
        const QString &a = args[i];
        auto value = [&]() -> QString {
            if (i + 1 >= args.size())
                Fail(QStringLiteral("%1 needs a value").arg(a));
            return args[++i];
        };
        if (a == "-o")
            o.Out = value();
        else if (a == "--size")
            o.Size = SizeOf(value(), a);
        else if (a == "--method") {
            const QString m = value().toLower();
            o.Method = methods.indexOf(m);
            if (o.Method < 0)
                Fail(QStringLiteral("unknown colour method \"%1\"").arg(m));
        } else if (a == "--band")
            o.Band = Number(value(), a);
        else if (a == "--threshold")
            o.Threshold = Number(value(), a);
        else if (a == "--no-cell-colour")
            o.CellColour = false;
        else if (a == "--cell-text")
            o.CellText = true;
        else if (a == "--grey")
            o.Grey = true;
        else if (a == "--grid-lines")
            o.GridLines = true;
        else if (a == "--grid-spacing")
            o.GridSpacing = value();
        else if (a == "--window") {
            const QStringList parts = value().split(QLatin1Char(','));
            if (parts.size() != 4)
                Fail(QStringLiteral("--window needs ROW,COL,ROWS,COLS"));
            o.Window = std::array<int, 4>{Whole(parts[0], a), Whole(parts[1], a), Whole(parts[2], a), Whole(parts[3], a)};
        } else if (a == "--no-square")
            o.Square = false;
        else if (a == "--key-steps")
            o.KeySteps = Whole(value(), a);
        else if (a == "--type") {
            const QString t = value().toLower();
            if (t != "line" && t != "bar")
                Fail(QStringLiteral("--type is line or bar"));
            o.ChartType = t == "bar" ? 1 : 0;
        } else if (a == "--3d")
            o.View3D = true;
        else if (a == "--legend")
            o.Legend = true;
        else if (a == "--grid")
            o.Grid = true;
        else if (a == "--colour" || a == "--color") {
            o.Colour = QColor(value());
            if (!o.Colour.isValid())
                Fail(QStringLiteral("unknown colour \"%1\"").arg(args[i]));
            o.ColourGiven = true;
        } else if (a == "--bar-gap")
            o.BarGap = true;
        else if (a == "--mark-frame")
            o.MarkFrame = true;
        else if (a == "--font")
            o.Font = value();
        else if (a == "--cell-font-size")
            o.CellFontSize = Whole(value(), a);
        else if (a == "--first-reading")
            o.FirstReading = Whole(value(), a);
        else if (a == "--table")
            o.Table = SizeOf(value(), a);
        else if (a == "--primary") {
            const QString p = value().toLower();
            if (p != "cover" && p != "halfcell")
                Fail(QStringLiteral("--primary is cover or halfcell"));
            o.Primary = p == "halfcell" ? 1 : 0;
        } else if (a == "--units") {
            const QString u = value().toLower();
            if (u != "mm" && u != "in")
                Fail(QStringLiteral("--units is mm or in"));
            o.Units = u == "in" ? 1 : 0;
        } else if (a == "--levels")
            o.Levels = value();
        else if (a == "--step") {
            o.Step = Number(value(), a);
            if (!(o.Step > 0))
                Fail(QStringLiteral("--step needs a positive number"));
        } else if (a == "--no-fill")
            o.Fill = false;
        else if (a == "--no-labels")
            o.ContourLabels = false;
        else if (a.startsWith(QLatin1Char('-')))
            Fail(QStringLiteral("unknown option \"%1\"").arg(a));
        else if (o.Kind.isEmpty())
            o.Kind = a;
        else
            o.Files << a;
    }
    if (!kinds.contains(o.Kind))
        Fail(QStringLiteral("the chart is one of %1").arg(kinds.join(QStringLiteral(", "))));
    // A difference takes the earlier survey first, then the later one.
    const int needed = o.Kind == "combined" || o.Kind == "difference" ? 2 : 1;
    if (o.Files.size() != needed)
        Fail(QStringLiteral("the %1 chart needs %2 batch file(s)").arg(o.Kind).arg(needed));
    if (o.Out.isEmpty())
        Fail(QStringLiteral("-o OUT.png|OUT.svg|OUT.pdf is missing"));
    return o;
}

TBatchItem Load(const QString &file)
{
    TBatchItem batch;
    batch.LoadFromFile(file);
    return batch;
}

// The warning band a chart item would use: 30 mm for cover, 200 mV for half-cell batches.
double Band(const TOptions &o, const TBatchItem &b) { return o.Band ? *o.Band : (b.BatchType == BatchTypeHalfCell ? 200 : 30); }

double GridSpacing(const TOptions &o, const TBatchItem &b)
{
    if (o.GridSpacing.toLower() == "cell")
        return b.Grid;
    return Number(o.GridSpacing, QStringLiteral("--grid-spacing"));
}

// The options the single and the combined map take alike; `b` is the batch that sets the
// defaults (the primary one of a combined map).
template <class TMap>
void SetMapOptions(TMap &chart, const TOptions &o, const TBatchItem &b, std::uint8_t method)
{
    chart.FontName = o.Font;
    chart.CellFontSize = o.CellFontSize;
    chart.WarningBand = Band(o, b);
    chart.SquareCells = o.Square;
    chart.GridLineSpacing = GridSpacing(o, b);
    chart.GridLines = o.GridLines;
    chart.GreyScale = o.Grey;
    chart.Method = method;
    chart.Threshold = o.Threshold;
    const auto w = o.Window.value_or(std::array<int, 4>{0, 0, b.Rows, b.Columns});
    chart.FirstRow = w[0];
    chart.FirstColumn = w[1];
    chart.RowCount = w[2];
    chart.ColumnCount = w[3];
}

std::function<void(QPainter &, const QRect &)> MakeDrawing(const TOptions &o)
{
    const std::uint8_t method = o.Method < 0 ? std::uint8_t(cmNone) : std::uint8_t(o.Method);
    if (o.Kind == "combined") {
        TBatchItem first = Load(o.Files[0]);
        TBatchItem second = Load(o.Files[1]);
        if (first.BatchType == second.BatchType)
            Fail(QStringLiteral("the combined chart needs one cover and one half-cell batch"));
        auto chart = std::make_shared<TChartCombinedOverview>();
        chart->BatchOf(first.BatchType) = first;
        chart->BatchOf(second.BatchType) = second;
        chart->SetPrimary(std::uint8_t(o.Primary));
        SetMapOptions(*chart, o, chart->BatchOf(o.Primary), method);
        return [chart](QPainter &c, const QRect &r) { chart->Draw(c, r); };
    }
    if (o.Kind == "difference") {
        auto chart = std::make_shared<TChartDifference>();
        chart->Earlier = Load(o.Files[0]);
        chart->Later = Load(o.Files[1]);
        const TBatchItem &later = chart->Later;
        chart->FontName = o.Font;
        chart->CellFontSize = o.CellFontSize;
        chart->SquareCells = o.Square;
        chart->GridLineSpacing = GridSpacing(o, later);
        chart->GridLines = o.GridLines;
        chart->GreyScale = o.Grey;
        chart->Method = o.Method < 0 ? std::uint8_t(cmMaxMin) : method;
        chart->Threshold = o.Threshold;
        const auto w = o.Window.value_or(std::array<int, 4>{0, 0, later.Rows, later.Columns});
        chart->FirstRow = w[0];
        chart->FirstColumn = w[1];
        chart->RowCount = w[2];
        chart->ColumnCount = w[3];
        chart->CellText = o.CellText;
        chart->KeySteps = o.KeySteps;
        const QString problem = DifferenceProblem(chart->Earlier, later);
        if (!problem.isEmpty())
            Fail(problem);
        if (later.BatchFormat == BatchFormatLinear)
            Fail(QStringLiteral("the difference chart draws grid batches; these are linear"));
        return [chart](QPainter &c, const QRect &r) {
            // The key below the map, as on a report page: a strip of 10 mm with a gap of 10 mm.
            const int k = std::min(r.height() / 4, RoundHalfUp(10 / 25.4 * 96));
            chart->Draw(c, QRect(r.left(), r.top(), r.width(), r.height() - 2 * k),
                        QRect(r.left(), r.bottom() + 1 - k, r.width(), k));
        };
    }
    const TBatchItem batch = Load(o.Files[0]);
    if (o.Kind == "cumulative") {
        auto chart = std::make_shared<TChartCumulative>();
        chart->Batch = batch;
        chart->FontName = o.Font;
        chart->Grid = o.Grid;
        chart->ShowLegend = o.Legend;
        if (o.ColourGiven)
            chart->PointColour = o.Colour;
        return [chart](QPainter &c, const QRect &r) { chart->Draw(c, r); };
    }
    if (o.Kind == "contour") {
        auto chart = std::make_shared<TChartContour>();
        chart->Batch = batch;
        chart->FontName = o.Font;
        chart->LabelFontSize = o.CellFontSize;
        chart->Levels = ParseContourLevels(o.Levels);
        chart->Step = o.Step;
        chart->Filled = o.Fill;
        chart->Labels = o.ContourLabels;
        chart->SquareCells = o.Square;
        chart->GridLineSpacing = GridSpacing(o, batch);
        chart->GridLines = o.GridLines;
        chart->GreyScale = o.Grey;
        const auto w = o.Window.value_or(std::array<int, 4>{0, 0, batch.Rows, batch.Columns});
        chart->FirstRow = w[0];
        chart->FirstColumn = w[1];
        chart->RowCount = w[2];
        chart->ColumnCount = w[3];
        // Fails before any file is written, as for a linear batch.
        ContourFieldOf(batch);
        return [chart](QPainter &c, const QRect &r) { chart->Draw(c, r); };
    }
    if (o.Kind == "overview") {
        auto chart = std::make_shared<TChartOverview>();
        chart->Batch = batch;
        chart->CellColour = o.CellColour;
        chart->CellText = o.CellText;
        SetMapOptions(*chart, o, batch, method);
        return [chart](QPainter &c, const QRect &r) { chart->Draw(c, r); };
    }
    if (o.Kind == "key") {
        auto chart = std::make_shared<TChartOverviewKey>();
        chart->Batch = batch;
        chart->FontName = o.Font;
        chart->WarningBand = Band(o, batch);
        chart->KeySteps = o.KeySteps;
        chart->GreyScale = o.Grey;
        chart->Method = method;
        chart->Threshold = o.Threshold;
        return [chart](QPainter &c, const QRect &r) { chart->Draw(c, r); };
    }
    if (o.Kind == "linear") {
        auto chart = std::make_shared<TChartLinearView>();
        chart->Batch = batch;
        chart->FontName = o.Font;
        chart->CellFontSize = o.CellFontSize;
        chart->WarningBand = Band(o, batch);
        chart->CellColour = o.CellColour;
        chart->CellText = o.CellText;
        chart->GreyScale = o.Grey;
        chart->FirstReading = o.FirstReading;
        chart->TableColumns = o.Table.width();
        chart->RowsPerColumn = o.Table.height();
        chart->Method = method;
        chart->Threshold = o.Threshold;
        return [chart](QPainter &c, const QRect &r) { chart->Draw(c, r); };
    }
    if (o.Kind == "run") {
        auto chart = std::make_shared<TChartRun>();
        chart->Batch = batch;
        chart->FontName = o.Font;
        chart->View3D = o.View3D;
        chart->Grid = o.Grid;
        chart->LineColour = o.Colour;
        chart->ShowLegend = o.Legend;
        chart->ChartType = std::uint8_t(o.ChartType);
        return [chart](QPainter &c, const QRect &r) { chart->Draw(c, r); };
    }
    auto chart = std::make_shared<TChartHistogram>();
    chart->Batch = batch;
    chart->FontName = o.Font;
    chart->View3D = o.View3D;
    chart->Grid = o.Grid;
    chart->BarColour = o.Colour;
    chart->BarGap = o.BarGap;
    chart->ShowLegend = o.Legend;
    chart->ShowMarkFrame = o.MarkFrame;
    return [chart](QPainter &c, const QRect &r) { chart->Draw(c, r); };
}

void Write(const TOptions &o, const std::function<void(QPainter &, const QRect &)> &draw)
{
    const QString suffix = QFileInfo(o.Out).suffix().toLower();
    const QRect rect(QPoint(0, 0), o.Size);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    if (suffix == "png") {
        QImage image(o.Size, QImage::Format_RGB32);
        image.setDotsPerMeterX(3780); // 96 pixels per inch
        image.setDotsPerMeterY(3780);
        image.fill(Qt::white);
        QPainter p(&image);
        draw(p, rect);
        p.end();
        if (!image.save(&buffer, "PNG"))
            Fail(QStringLiteral("cannot write the picture"));
    } else if (suffix == "svg") {
        QSvgGenerator svg;
        svg.setOutputDevice(&buffer);
        svg.setSize(o.Size);
        svg.setViewBox(rect);
        svg.setResolution(96);
        QPainter p(&svg);
        draw(p, rect);
        p.end();
    } else if (suffix == "pdf") {
        QPdfWriter pdf(&buffer);
        pdf.setResolution(96);
        pdf.setPageLayout(QPageLayout(QPageSize(QSizeF(o.Size) * 72.0 / 96.0, QPageSize::Point), QPageLayout::Portrait, QMarginsF()));
        pdf.setCreator(QStringLiteral("Ventrax Orvalis"));
        QPainter p(&pdf);
        draw(p, rect);
        p.end();
    } else {
        Fail(QStringLiteral("the output is a .png, .svg or .pdf file"));
    }
    buffer.close();
    WriteFileAtomic(o.Out, bytes);
}

TCliRegistration reg("chart", kUsage, [](const QStringList &args) {
    const TOptions o = Parse(args);
    std::optional<TCoverUnitsScope> units;
    if (o.Units >= 0)
        units.emplace(std::uint8_t(o.Units));
    Write(o, MakeDrawing(o));
    return 0;
});
} // namespace
