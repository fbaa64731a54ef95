// CAD drawings of batches: one AutoCAD DXF drawing (R2000) per batch, written with dxflib.
#include "UnitExport.h"

#include "UnitBatchList.h"
#include "UnitCNumeric.h"
#include "UnitContour.h"
#include "UnitException.h"
#include "UnitReadingLook.h"
#include "UnitTextFile.h"

#include <QFile>
#include <QFileInfo>
#include <QScopeGuard>
#include <dl_codes.h>
#include <dl_dxf.h>
#include <algorithm>
#include <limits>
#include <memory>
#include <string>

namespace {

const char *const LayerGrid = "Grid";
const char *const LayerCells = "Cells";
const char *const LayerReadings = "Readings";
const char *const LayerTitle = "Title";

// Layer colours (AutoCAD colour index): grey outlines, blue isolines, the rest black on white.
constexpr int ColourGrid = 8;
constexpr int ColourContour = 5;
constexpr int ColourDefault = 7;

// Text for an R2000 drawing: its code page is Windows-1252; a character outside it goes as a
// "\U+XXXX" escape, which CAD programs show as the character. Line breaks and other control
// characters become blanks: a TEXT entity holds one line.
std::string DxfText(const QString &text)
{
    std::string out;
    for (int i = 0; i < text.size(); ++i) {
        const QChar ch = text.at(i);
        const char16_t u = ch.unicode();
        if (u < 0x20 || (u >= 0x7F && u < 0xA0)) {
            out += ' ';
            continue;
        }
        if (u < 0x7F) {
            out += static_cast<char>(u);
            continue;
        }
        if (ch.isHighSurrogate() && i + 1 < text.size() && text.at(i + 1).isLowSurrogate()) {
            // Beyond the escape's four digits.
            out += '?';
            ++i;
            continue;
        }
        const QByteArray encoded = EncodeWindows1252(QString(ch));
        if (encoded.size() == 1 && encoded[0] != '?')
            out += encoded[0];
        else
            out += QStringLiteral("\\U+%1").arg(int(u), 4, 16, QLatin1Char('0')).toUpper().toStdString();
    }
    return out;
}

// The nearest colour of the AutoCAD index (1 .. 255) to an RGB colour, for programs that ignore
// true colour.
int NearestIndexColour(const TRgb &c)
{
    int best = 7;
    double bestDistance = std::numeric_limits<double>::max();
    for (int i = 1; i <= 255; ++i) {
        const double dr = dxfColors[i][0] * 255 - c.Red;
        const double dg = dxfColors[i][1] * 255 - c.Green;
        const double db = dxfColors[i][2] * 255 - c.Blue;
        const double d = dr * dr + dg * dg + db * db;
        if (d < bestDistance) {
            bestDistance = d;
            best = i;
        }
    }
    return best;
}

// A layer name as CAD programs accept it: none of <>/\":;?*|=` and no control character.
std::string LayerName(const QString &name)
{
    QString clean = name;
    for (QChar &ch : clean)
        if (QStringLiteral("<>/\\\":;?*|=`").contains(ch) || ch.unicode() < 0x20)
            ch = QLatin1Char('_');
    return DxfText(clean);
}

struct TDxfCell {
    int Column = 0; // in the batch's matrices
    int Row = 0;
    double X = 0;   // centre, millimetres
    double Y = 0;
};

struct TDxfContour {
    std::string Layer;
    QList<TContourLine> Lines;
};

// Everything one drawing shows, gathered before the file is opened so that a failure (a batch
// type without units) writes nothing.
struct TDxfDrawing {
    double Spacing = 0;
    std::vector<TDxfCell> Positions; // every cell position, outlined
    std::vector<TDxfCell> Readings;  // the positions that hold a reading
    std::vector<std::string> Texts;  // the readings' display texts
    std::vector<TRgb> Colours;       // and their fill colours
    std::vector<TDxfContour> Contours;
    std::vector<std::string> Title;
};

TDxfDrawing BuildDrawing(const TBatchItem &batch)
{
    TDxfDrawing d;
    const double s = ContourGridSpacing(batch);
    d.Spacing = s;
    const bool linear = batch.BatchFormat == BatchFormatLinear;
    if (batch.HasCells()) {
        if (linear) {
            // Position k of the run, as the gauge fills it: along x.
            const int count = batch.LastReadingPosition();
            for (int k = 0; k < count; ++k) {
                const int c = k % batch.Columns;
                const int r = k / batch.Columns;
                d.Positions.push_back({c, r, k * s, 0});
            }
        } else {
            for (int r = 0; r < batch.Rows; ++r)
                for (int c = 0; c < batch.Columns; ++c)
                    d.Positions.push_back({c, r, c * s, -r * s});
        }
    }
    const TColourScale scale = DefaultMapColourScale(batch);
    for (const TDxfCell &p : d.Positions) {
        if (ReadingIsEmpty(batch, p.Column, p.Row))
            continue;
        d.Readings.push_back(p);
        d.Texts.push_back(DxfText(ReadingDisplayText(batch, p.Column, p.Row)));
        d.Colours.push_back(scale.ColourFor(batch, batch.Value(p.Column, p.Row)));
    }
    // Isolines need a grid of at least two rows and two columns.
    if (!linear && batch.Columns >= 2 && batch.Rows >= 2) {
        const QList<TContourLevel> levels = ContourLines(batch, ContourDefaultLevels(batch));
        for (const TContourLevel &level : levels) {
            const std::string layer = LayerName(QStringLiteral("Contour ") + batch.FormatValue(level.Value));
            // Two levels the display shows alike share their layer.
            auto same = std::find_if(d.Contours.begin(), d.Contours.end(),
                                     [&](const TDxfContour &c) { return c.Layer == layer; });
            if (same == d.Contours.end())
                d.Contours.push_back({layer, level.Lines});
            else
                same->Lines += level.Lines;
        }
    }
    d.Title.push_back(DxfText(Tr("Batch: %1 (%2)").arg(batch.ID, BatchTypeName(batch.BatchType))));
    d.Title.push_back(DxfText(Tr("Site: %1").arg(batch.Site)));
    d.Title.push_back(DxfText(Tr("Location: %1").arg(batch.Location)));
    d.Title.push_back(DxfText(Tr("Created: %1, updated: %2")
                                  .arg(DateTimeToDisplayText(batch.CreationDate), DateTimeToDisplayText(batch.UpdateDate))));
    d.Title.push_back(DxfText(Tr("Units: %1").arg(batch.UnitName())));
    return d;
}

DL_Attributes OnLayer(const char *layer) { return DL_Attributes(layer, 256, -1, -1, "BYLAYER"); }
DL_Attributes OnLayer(const std::string &layer) { return DL_Attributes(layer, 256, -1, -1, "BYLAYER"); }

void WriteSquare(DL_Dxf &dxf, DL_WriterA &dw, double x, double y, double half, const DL_Attributes &a)
{
    dxf.writePolyline(dw, DL_PolylineData(4, 0, 0, 1), a);
    dxf.writeVertex(dw, DL_VertexData(x - half, y - half));
    dxf.writeVertex(dw, DL_VertexData(x + half, y - half));
    dxf.writeVertex(dw, DL_VertexData(x + half, y + half));
    dxf.writeVertex(dw, DL_VertexData(x - half, y + half));
    dxf.writePolylineEnd(dw);
}

void WriteText(DL_Dxf &dxf, DL_WriterA &dw, double x, double y, double height, int hJustification,
               int vJustification, const std::string &text, const DL_Attributes &a)
{
    dxf.writeText(dw, DL_TextData(x, y, 0, x, y, 0, height, 1, 0, hJustification, vJustification, text, "Standard", 0),
                  a);
}

// The table and section sequence is dxflib's documented one for an R2000 drawing.
void WriteDrawing(const TDxfDrawing &d, const QByteArray &path, const QString &fileName)
{
    DL_Dxf dxf;
    std::unique_ptr<DL_WriterA> writer(dxf.out(path.constData(), DL_Codes::AC1015));
    if (!writer || writer->openFailed())
        throw Exception(Tr("Cannot create file \"%1\". %2").arg(fileName, Tr("The file could not be opened")));
    DL_WriterA &dw = *writer;

    dxf.writeHeader(dw);
    dw.dxfString(9, "$DWGCODEPAGE");
    dw.dxfString(3, "ANSI_1252");
    // Millimetres, metric drawing.
    dw.dxfString(9, "$INSUNITS");
    dw.dxfInt(70, 4);
    dw.dxfString(9, "$MEASUREMENT");
    dw.dxfInt(70, 1);
    dw.sectionEnd();

    dw.sectionTables();
    dxf.writeVPort(dw);
    dw.tableLinetypes(3);
    dxf.writeLinetype(dw, DL_LinetypeData("BYBLOCK", "BYBLOCK", 0, 0, 0.0));
    dxf.writeLinetype(dw, DL_LinetypeData("BYLAYER", "BYLAYER", 0, 0, 0.0));
    dxf.writeLinetype(dw, DL_LinetypeData("CONTINUOUS", "Continuous", 0, 0, 0.0));
    dw.tableEnd();
    dw.tableLayers(5 + static_cast<int>(d.Contours.size()));
    const auto layer = [&](const std::string &name, int colour) {
        // The default line weight: the lines stay thin at any cell size.
        dxf.writeLayer(dw, DL_LayerData(name, 0), DL_Attributes(std::string(), colour, -3, "CONTINUOUS", 1.0));
    };
    layer("0", ColourDefault);
    layer(LayerGrid, ColourGrid);
    layer(LayerCells, ColourDefault);
    layer(LayerReadings, ColourDefault);
    for (const TDxfContour &c : d.Contours)
        layer(c.Layer, ColourContour);
    layer(LayerTitle, ColourDefault);
    dw.tableEnd();
    dw.tableStyle(1);
    dxf.writeStyle(dw, DL_StyleData("Standard", 0, 0.0, 1.0, 0.0, 0, 2.5, "txt", ""));
    dw.tableEnd();
    dxf.writeView(dw);
    dxf.writeUcs(dw);
    dw.tableAppid(1);
    dxf.writeAppid(dw, "ACAD");
    dw.tableEnd();
    dxf.writeDimStyle(dw, 1, 1, 1, 1, 1);
    dxf.writeBlockRecord(dw);
    dw.tableEnd();
    dw.sectionEnd();

    dw.sectionBlocks();
    dxf.writeBlock(dw, DL_BlockData("*Model_Space", 0, 0.0, 0.0, 0.0));
    dxf.writeEndBlock(dw, "*Model_Space");
    dxf.writeBlock(dw, DL_BlockData("*Paper_Space", 0, 0.0, 0.0, 0.0));
    dxf.writeEndBlock(dw, "*Paper_Space");
    dxf.writeBlock(dw, DL_BlockData("*Paper_Space0", 0, 0.0, 0.0, 0.0));
    dxf.writeEndBlock(dw, "*Paper_Space0");
    dw.sectionEnd();

    dw.sectionEntities();
    const double s = d.Spacing;
    const double half = s / 2;
    // Fills first, so outlines, texts and isolines stay visible on top of them.
    for (size_t k = 0; k < d.Readings.size(); ++k) {
        const TDxfCell &p = d.Readings[k];
        const TRgb &c = d.Colours[k];
        const DL_Attributes a(LayerCells, NearestIndexColour(c), (c.Red << 16) | (c.Green << 8) | c.Blue, -1,
                              "BYLAYER");
        // A SOLID's corners go first, second, then the third and fourth across: a Z.
        dxf.writeSolid(dw,
                       DL_SolidData(p.X - half, p.Y + half, 0, p.X + half, p.Y + half, 0, p.X - half, p.Y - half, 0,
                                    p.X + half, p.Y - half, 0, 0),
                       a);
    }
    for (const TDxfCell &p : d.Positions)
        WriteSquare(dxf, dw, p.X, p.Y, half, OnLayer(LayerGrid));
    for (size_t k = 0; k < d.Readings.size(); ++k)
        WriteText(dxf, dw, d.Readings[k].X, d.Readings[k].Y, s * 0.2, 1, 2, d.Texts[k], OnLayer(LayerReadings));
    for (const TDxfContour &contour : d.Contours)
        for (const TContourLine &line : contour.Lines) {
            if (line.size() < 2)
                continue;
            dxf.writePolyline(dw, DL_PolylineData(static_cast<int>(line.size()), 0, 0, 0), OnLayer(contour.Layer));
            // The isolines count rows down; the drawing's y grows up.
            for (const QPointF &pt : line)
                dxf.writeVertex(dw, DL_VertexData(pt.x(), -pt.y()));
            dxf.writePolylineEnd(dw);
        }
    // The title above the first row, its first line on top.
    const double height = s * 0.3;
    double y = half + height + (static_cast<double>(d.Title.size()) - 1) * height * 1.6;
    for (const std::string &line : d.Title) {
        WriteText(dxf, dw, -half, y, height, 0, 0, line, OnLayer(LayerTitle));
        y -= height * 1.6;
    }
    dw.sectionEnd();

    dxf.writeObjects(dw);
    dxf.writeObjectsEnd(dw);
    dw.dxfEOF();
    dw.close();
}

void ExportOneDrawing(const TBatchItem &batch, const QString &fileName)
{
    const TDxfDrawing drawing = BuildDrawing(batch);
    // dxflib writes to a file of its own; its bytes are then saved like every other file, so a
    // failure leaves the previous drawing.
    const QString temp = TemporarySaveName(QFileInfo(fileName).absoluteFilePath(), QStringLiteral("dxflib"));
    const auto cleanUp = qScopeGuard([&] { QFile::remove(temp); });
    {
        const TCNumericScope numbers;
        WriteDrawing(drawing, QFile::encodeName(temp), fileName);
    }
    const QByteArray bytes = ReadWholeFile(temp);
    // A stream that failed on the way (a full disk) leaves the end marker out.
    if (!bytes.endsWith("EOF\n"))
        throw Exception(Tr("Cannot write file \"%1\". %2").arg(fileName, Tr("The drawing is incomplete")));
    WriteFileAtomic(fileName, bytes);
}

} // namespace

QStringList ExportDxf(const TBatchList &list, const QString &fileName)
{
    if (list.Count() == 0)
        throw Exception(Tr("There are no batches to export"));
    const QStringList files =
        list.Count() == 1 ? QStringList{fileName} : ExportFileNames(list, fileName, QStringLiteral(".dxf"));
    QStringList written;
    for (int k = 0; k < list.Count(); ++k) {
        ExportOneDrawing(*list.Items(k), files[k]);
        written << files[k];
    }
    return written;
}
