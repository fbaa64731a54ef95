// The batch file (.vcb / .vch): one "Batch" element whose children are written in a fixed
// order, with the three cell matrices as comma text in row order.
#include "UnitBatchList.h"
#include "UnitException.h"
#include "UnitXml.h"

#include <QFileInfo>
#include <algorithm>
#include <charconv>
#include <cmath>

namespace {
// Splits comma text as the string lists of the file writer join it: items end at a comma or
// at an unquoted blank or control character; a quoted item may hold commas and blanks, a
// doubled quote standing for one. `visit` gets each item in order and returns false to stop.
template <typename Visit>
void SplitCommaText(const QString &text, Visit visit)
{
    const QChar *p = text.constData();
    const QChar *const end = p + text.size();
    auto isBlank = [](QChar c) { return c.unicode() >= 1 && c.unicode() <= ' '; };
    while (p < end && isBlank(*p))
        ++p;
    QString quoted;
    while (p < end) {
        const QChar *itemStart;
        qsizetype itemLength;
        if (*p == QLatin1Char('"')) {
            quoted.clear();
            ++p;
            while (p < end) {
                if (*p == QLatin1Char('"')) {
                    if (p + 1 < end && p[1] == QLatin1Char('"')) {
                        quoted += QLatin1Char('"');
                        p += 2;
                        continue;
                    }
                    ++p;
                    break;
                }
                quoted += *p++;
            }
            itemStart = quoted.constData();
            itemLength = quoted.size();
        } else {
            itemStart = p;
            while (p < end && p->unicode() > ' ' && *p != QLatin1Char(','))
                ++p;
            itemLength = p - itemStart;
        }
        if (!visit(QStringView(itemStart, itemLength)))
            return;
        while (p < end && isBlank(*p))
            ++p;
        if (p < end && *p == QLatin1Char(',')) {
            if (p + 1 == end) {
                visit(QStringView()); // a trailing comma ends with an empty item
                return;
            }
            do
                ++p;
            while (p < end && isBlank(*p));
        }
    }
}

bool ParseInteger(QStringView item, int &value)
{
    char buf[32] = {};
    if (item.isEmpty() || item.size() >= static_cast<qsizetype>(sizeof buf))
        return false;
    qsizetype n = 0;
    for (const QChar c : item) {
        if (c.unicode() > 127)
            return false;
        buf[n++] = static_cast<char>(c.unicode());
    }
    const char *first = buf;
    if (*first == '+')
        ++first;
    const auto result = std::from_chars(first, buf + n, value);
    return result.ec == std::errc() && result.ptr == buf + n;
}

bool ParseFloat(QStringView item, double &value)
{
    char buf[64] = {};
    if (item.isEmpty() || item.size() >= static_cast<qsizetype>(sizeof buf))
        return false;
    qsizetype n = 0;
    for (const QChar c : item) {
        const char16_t u = c.unicode();
        // Plain decimal text only: no "inf", "nan", hexadecimal or locale forms.
        if (!((u >= '0' && u <= '9') || u == '.' || u == '-' || u == '+' || u == 'e' || u == 'E'))
            return false;
        buf[n++] = static_cast<char>(u);
    }
    const char *first = buf;
    if (*first == '+')
        ++first;
    const auto result = std::from_chars(first, buf + n, value, std::chars_format::general);
    return result.ec == std::errc() && result.ptr == buf + n && std::isfinite(value);
}

// Reads one matrix element into the cells through `store` (column, row, item). Fails with a
// message naming the element when an item is malformed or the element holds too few items.
template <typename Store>
void ReadMatrix(const XmlNodeList &batch, const char *element, int columns, int rows, Store store)
{
    const qint64 cells = static_cast<qint64>(columns) * rows;
    const QString name = QString::fromLatin1(element);
    qint64 k = 0;
    SplitCommaText(batch.FindByName(name).AsString(), [&](QStringView item) {
        if (k >= cells)
            return false; // items beyond the matrix are ignored
        if (!store(static_cast<int>(k % columns), static_cast<int>(k / columns), item))
            throw Exception(Tr("The batch file's %1 holds an invalid item \"%2\" at position %3")
                                .arg(name, item.toString())
                                .arg(k + 1));
        ++k;
        return true;
    });
    if (k < cells)
        throw Exception(Tr("The batch file's %1 holds %2 items where %3 cells are expected")
                            .arg(name)
                            .arg(k)
                            .arg(cells));
}

TDateTime ReadDate(const XmlNodeList &batch, const char *element)
{
    const QString name = QString::fromLatin1(element);
    const QString text = batch.FindByName(name).AsString();
    try {
        return FileTextToDateTime(text);
    } catch (const Exception &) {
        throw Exception(Tr("The batch file's %1 \"%2\" is not a valid date and time").arg(name, text));
    }
}

// Appends the file text of an integer or a value. Matrices hold up to a million items, so the
// text goes straight into the element without a string per item.
void AppendInteger(QString &out, long long value)
{
    char buf[24];
    const auto r = std::to_chars(buf, buf + sizeof buf, value);
    out.append(QLatin1StringView(buf, r.ptr));
}

void AppendNumber(QString &out, double value)
{
    if (value == std::trunc(value) && std::fabs(value) < 1e15) {
        // Whole numbers below 1E15: the same digits as the general 15-digit form.
        AppendInteger(out, static_cast<long long>(value));
        return;
    }
    char buf[64];
    const auto r = std::to_chars(buf, buf + sizeof buf, value, std::chars_format::general, 15);
    if (r.ec == std::errc() && std::find(buf, r.ptr, 'e') == r.ptr)
        out.append(QLatin1StringView(buf, r.ptr));
    else
        out += FloatToFileText(value); // exponent form and non-finite values
}
} // namespace

void TBatchItem::SaveToXml(XmlNodeList &nodes) const
{
    XmlNode &batch = nodes.AddChild(QStringLiteral("Batch"));
    XmlNodeList &c = batch.Children();
    XmlFieldWriter w(c);
    auto date = [&](const char *name, TDateTime v) { w.Text(name, DateTimeToFileText(v)); };

    w.Integer("Slot", Slot);
    w.Integer("Columns", Columns);
    w.Integer("Rows", Rows);
    w.Integer("Readings", Readings);
    w.Boolean("Tagged", Tagged);
    date("CreationDate", CreationDate);
    date("UpdateDate", UpdateDate);
    w.Text("ProbeSerialNumber", ProbeSerialNumber);
    w.Text("ProbeType", ProbeType);
    w.Text("ProbeSide0Type", ProbeSide0Type);
    w.Text("ProbeSide1Type", ProbeSide1Type);
    w.Integer("BatchType", BatchType);
    w.Integer("BatchFormat", BatchFormat);
    w.Float("HighLimit", HighLimit);
    w.Float("LowLimit", LowLimit);
    w.Float("GaugeHighLimit", GaugeHighLimit);
    w.Float("GaugeLowLimit", GaugeLowLimit);
    w.Boolean("HighLimitApplied", HighLimitApplied);
    w.Boolean("LowLimitApplied", LowLimitApplied);
    w.Text("Site", Site);
    w.Text("Location", Location);
    w.Float("Grid", Grid);
    w.Text("Area", Area);
    w.Text("Engineer", Engineer);
    w.Text("Customer", Customer);
    w.Text("Note", Note);
    w.Integer("BarSeries", BarSeries);
    w.Float("BarSize", BarSize);
    w.Text("GaugeSerialNumber", GaugeSerialNumber);
    w.Integer("GaugeType", GaugeType);
    w.Text("CellType", CellType);
    w.Float("Temperature", Temperature);
    w.Integer("BarGrade", BarGrade);
    w.Text("GaugeCellType", GaugeCellType);

    // Row order: row 0 from column 0 to the last column, then row 1, and so on.
    QString &readingType = c.AddChild(QStringLiteral("DataReadingType")).Text;
    QString &measureType = c.AddChild(QStringLiteral("DataMeasureType")).Text;
    QString &value = c.AddChild(QStringLiteral("DataValue")).Text;
    const qsizetype cells = static_cast<qsizetype>(FCellColumns) * FCellRows;
    readingType.reserve(cells * 2);
    measureType.reserve(cells * 2);
    value.reserve(cells * 5);
    for (int r = 0; r < FCellRows; ++r)
        for (int col = 0; col < FCellColumns; ++col) {
            const size_t i = static_cast<size_t>(col) * FCellRows + r;
            if (r != 0 || col != 0) {
                readingType += QLatin1Char(',');
                measureType += QLatin1Char(',');
                value += QLatin1Char(',');
            }
            AppendInteger(readingType, FReadingType[i]);
            AppendInteger(measureType, FMeasureType[i]);
            AppendNumber(value, FValue[i]);
        }
}

void TBatchItem::LoadFromXml(const XmlNodeList &nodes)
{
    const XmlNodeList &c = nodes.FindByName(QStringLiteral("Batch")).Children();
    const XmlFieldReader fields(c);

    // Read into a fresh record so a failing load leaves this one as it was.
    TBatchItem b;
    b.ID = ID;
    b.Path = Path;
    b.Slot = fields.Node("Slot").AsInteger();
    b.Columns = fields.Node("Columns").AsInteger();
    b.Rows = fields.Node("Rows").AsInteger();
    b.Readings = fields.Node("Readings").AsInteger();
    b.Tagged = fields.Node("Tagged").AsBoolean();
    b.CreationDate = ReadDate(c, "CreationDate");
    b.UpdateDate = ReadDate(c, "UpdateDate");
    b.ProbeSerialNumber = fields.Node("ProbeSerialNumber").AsString();
    b.ProbeType = fields.Node("ProbeType").AsString();
    b.ProbeSide0Type = fields.Node("ProbeSide0Type").AsString();
    b.ProbeSide1Type = fields.Node("ProbeSide1Type").AsString();
    b.BatchType = fields.Byte("BatchType");
    b.BatchFormat = fields.Byte("BatchFormat");
    b.HighLimit = fields.Node("HighLimit").AsFloat();
    b.LowLimit = fields.Node("LowLimit").AsFloat();
    b.GaugeHighLimit = fields.Node("GaugeHighLimit").AsFloat();
    b.GaugeLowLimit = fields.Node("GaugeLowLimit").AsFloat();
    b.HighLimitApplied = fields.Node("HighLimitApplied").AsBoolean();
    b.LowLimitApplied = fields.Node("LowLimitApplied").AsBoolean();
    b.Site = fields.Node("Site").AsString();
    b.Location = fields.Node("Location").AsString();
    b.Grid = fields.Node("Grid").AsFloat();
    b.Area = fields.Node("Area").AsString();
    b.Engineer = fields.Node("Engineer").AsString();
    b.Customer = fields.Node("Customer").AsString();
    b.Note = fields.Node("Note").AsString();
    b.BarSeries = fields.Byte("BarSeries");
    b.BarSize = fields.Node("BarSize").AsFloat();
    b.GaugeSerialNumber = fields.Node("GaugeSerialNumber").AsString();
    b.GaugeType = fields.Byte("GaugeType");
    b.CellType = fields.Node("CellType").AsString();
    b.Temperature = fields.Node("Temperature").AsFloat();
    b.BarGrade = fields.Byte("BarGrade");
    // Files written before the element existed read as if the gauge used the current cell type.
    const XmlNode &gaugeCell = fields.Node("GaugeCellType");
    b.GaugeCellType = gaugeCell.IsNull() ? b.CellType : gaugeCell.AsString();

    if (b.Columns < 0 || b.Rows < 0 || static_cast<qint64>(b.Columns) * b.Rows > MaxBatchCells)
        throw Exception(Tr("The batch file's size of %1 columns by %2 rows is not valid (at most %3 cells)")
                            .arg(b.Columns)
                            .arg(b.Rows)
                            .arg(MaxBatchCells));
    if (b.Columns > 0 || b.Rows > 0) {
        b.SetSize();
        if (b.HasCells()) {
            const int rows = b.Rows;
            auto at = [rows](int column, int row) { return static_cast<size_t>(column) * rows + row; };
            // The two code matrices keep the low byte of each integer.
            auto codesInto = [&](std::vector<std::uint8_t> &codes) {
                return [&at, target = &codes](int col, int row, QStringView item) {
                    int v = 0;
                    if (!ParseInteger(item, v))
                        return false;
                    (*target)[at(col, row)] = static_cast<std::uint8_t>(v & 0xFF);
                    return true;
                };
            };
            ReadMatrix(c, "DataReadingType", b.Columns, b.Rows, codesInto(b.FReadingType));
            ReadMatrix(c, "DataMeasureType", b.Columns, b.Rows, codesInto(b.FMeasureType));
            ReadMatrix(c, "DataValue", b.Columns, b.Rows, [&](int col, int row, QStringView item) {
                return ParseFloat(item, b.FValue[at(col, row)]);
            });
        }
    }
    *this = b;
}

void CheckBatchFileSize(const QString &fileName)
{
    const QFileInfo info(fileName);
    if (info.isFile() && info.size() > MaxBatchFileBytes)
        throw Exception(Tr("The file \"%1\" is larger than any batch file can be (at most %2 MB)")
                            .arg(fileName)
                            .arg(MaxBatchFileBytes / (1024 * 1024)));
}

void TBatchItem::LoadFromFile(const QString &fileName)
{
    CheckBatchFileSize(fileName);
    XmlDocument doc;
    doc.LoadFromFile(fileName);
    const QFileInfo info(fileName);
    const QString oldID = ID, oldPath = Path;
    ID = info.completeBaseName();
    Path = info.absolutePath();
    if (!Path.endsWith(QLatin1Char('/')))
        Path += QLatin1Char('/');
    try {
        LoadFromXml(doc.Nodes);
    } catch (...) {
        ID = oldID;
        Path = oldPath;
        throw;
    }
}

void TBatchItem::SaveToFile(const QString &fileName) const
{
    XmlDocument doc;
    SaveToXml(doc.Nodes);
    doc.SaveToFile(fileName);
}
