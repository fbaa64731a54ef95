#pragma once
// Helpers of the chart tests: batches built cell by cell, pictures rendered into images and SVG.
#include "TestBatchCells.h"
#include "UnitBatchList.h"
#include "UnitChartCanvas.h"
#include "UnitUnits.h"

#include <QBuffer>
#include <QImage>
#include <QLocale>
#include <QPainter>
#include <QRegularExpression>
#include <QSvgGenerator>
#include <functional>
#include <gtest/gtest.h>
#include <optional>
#include <vector>

// A batch of the given size whose cells, row by row, are `cells` (the rest stay empty).
inline TBatchItem MakeBatch(std::uint8_t type, std::uint8_t format, int columns, int rows,
                            const std::vector<TCell> &cells = {}, double grid = 100)
{
    TBatchItem b;
    b.BatchType = type;
    b.BatchFormat = format;
    b.Columns = columns;
    b.Rows = rows;
    b.Grid = grid;
    b.SetSize();
    SetCells(b, cells);
    return b;
}

// A linear batch: readings in column 0, one per row.
inline TBatchItem MakeLinear(std::uint8_t type, const std::vector<TCell> &cells, int rows = -1)
{
    return MakeBatch(type, BatchFormatLinear, 1, rows < 0 ? int(cells.size()) : rows, cells, 0);
}

// Every cell valid with value f(column, row).
inline TBatchItem MakeGrid(int columns, int rows, double grid, const std::function<double(int, int)> &f,
                           std::uint8_t type = BatchTypeCover)
{
    TBatchItem b = MakeBatch(type, BatchFormatGrid, columns, rows, {}, grid);
    for (int c = 0; c < columns; ++c)
        for (int r = 0; r < rows; ++r)
            SetCell(b, c, r, V(f(c, r)));
    b.Readings = b.ValidCount();
    return b;
}

// Millimetres, "." decimals; restored afterwards.
class ChartTest : public ::testing::Test {
protected:
    void SetUp() override { QLocale::setDefault(QLocale::c()); }
    TCoverUnitsScope Units{0};
};

// A white 96-dpi image with something drawn on it.
inline QImage Render(int w, int h, const std::function<void(QPainter &)> &draw)
{
    QImage image(w, h, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter p(&image);
    draw(p);
    p.end();
    return image;
}

inline QColor Pixel(const QImage &image, int x, int y) { return QColor(image.pixel(x, y)); }

inline bool IsWhite(const QImage &image, const QRect &r)
{
    for (int y = r.top(); y <= r.bottom(); ++y)
        for (int x = r.left(); x <= r.right(); ++x)
            if (image.pixel(x, y) != qRgb(255, 255, 255))
                return false;
    return true;
}

// Bounding box of the pixels of one colour inside a region.
inline QRect Extent(const QImage &image, const QRect &region, QRgb colour)
{
    QRect found;
    for (int y = region.top(); y <= region.bottom(); ++y)
        for (int x = region.left(); x <= region.right(); ++x)
            if (image.pixel(x, y) == colour)
                found |= QRect(x, y, 1, 1);
    return found;
}

// The texts a drawing writes, in order, captured through an SVG canvas.
inline QStringList DrawnTexts(int w, int h, const std::function<void(QPainter &)> &draw)
{
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    QSvgGenerator svg;
    svg.setOutputDevice(&buffer);
    svg.setSize(QSize(w, h));
    svg.setViewBox(QRect(0, 0, w, h));
    svg.setResolution(96);
    QPainter p(&svg);
    draw(p);
    p.end();
    QStringList texts;
    static const QRegularExpression re(QStringLiteral("<text[^>]*>([^<]*)</text>"));
    for (auto it = re.globalMatch(QString::fromUtf8(buffer.data())); it.hasNext();)
    {
        QString t = it.next().captured(1).trimmed();
        t.replace(QLatin1String("&gt;"), QLatin1String(">")).replace(QLatin1String("&lt;"), QLatin1String("<"));
        t.replace(QLatin1String("&quot;"), QLatin1String("\"")).replace(QLatin1String("&amp;"), QLatin1String("&"));
        texts << t;
    }
    return texts;
}

inline void PrintTo(const TEdges &e, std::ostream *os)
{
    *os << "(" << e.Left << ", " << e.Top << ", " << e.Right << ", " << e.Bottom << ")";
}

// Readable colours in test output.
QT_BEGIN_NAMESPACE
inline void PrintTo(const QColor &c, std::ostream *os)
{
    *os << "RGB(" << c.red() << ", " << c.green() << ", " << c.blue() << ")";
}
QT_END_NAMESPACE
