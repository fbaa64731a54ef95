#include "UnitPageItemMemo.h"

#include "UnitEvaluation.h"
#include "UnitException.h"
#include "UnitUnits.h"

#include <QDate>
#include <QFontMetrics>
#include <QLocale>
#include <QPainter>
#include <cmath>

namespace {
const char *const kFieldNames[MemoAllFieldCount] = {
    QT_TRID_NOOP("BatchID"),         QT_TRID_NOOP("FilePath"),         QT_TRID_NOOP("TodaysDate"),        QT_TRID_NOOP("Rows"),         QT_TRID_NOOP("Columns"),
    QT_TRID_NOOP("Readings"),        QT_TRID_NOOP("CreateDate"),       QT_TRID_NOOP("UpdateDate"),        QT_TRID_NOOP("BatchFormat"),  QT_TRID_NOOP("HighLimit"),
    QT_TRID_NOOP("LowLimit"),        QT_TRID_NOOP("Site"),             QT_TRID_NOOP("Location"),          QT_TRID_NOOP("GridSpacing"),  QT_TRID_NOOP("Area"),
    QT_TRID_NOOP("Engineer"),        QT_TRID_NOOP("Customer"),         QT_TRID_NOOP("Note"),              QT_TRID_NOOP("BarSeries"),    QT_TRID_NOOP("Size"),
    QT_TRID_NOOP("MeanAverage"),     QT_TRID_NOOP("StandardDeviation"), QT_TRID_NOOP("Max"),              QT_TRID_NOOP("Min"),          QT_TRID_NOOP("Range"),
    QT_TRID_NOOP("BelowLowLimit"),   QT_TRID_NOOP("AboveHighLimit"),   QT_TRID_NOOP("PerBelowLowLimit"),  QT_TRID_NOOP("PerAboveHighLimit"), QT_TRID_NOOP("PageNumber"),
    QT_TRID_NOOP("Units"),           QT_TRID_NOOP("OverRange"),        QT_TRID_NOOP("UnderRange"),        QT_TRID_NOOP("PerOverRange"), QT_TRID_NOOP("PerUnderRange"),
    QT_TRID_NOOP("CellType"),        QT_TRID_NOOP("Temperature"),      QT_TRID_NOOP("Threshold"),         QT_TRID_NOOP("BarGrade"),
    QT_TRID_NOOP("CorrosionLow"),    QT_TRID_NOOP("CorrosionIntermediate"), QT_TRID_NOOP("CorrosionHigh"), QT_TRID_NOOP("PerCorrosionLow"), QT_TRID_NOOP("PerCorrosionIntermediate"),
    QT_TRID_NOOP("PerCorrosionHigh"), QT_TRID_NOOP("Quantile5"),       QT_TRID_NOOP("Quantile10"),        QT_TRID_NOOP("NormalQuantile5"), QT_TRID_NOOP("Quantile5MeetsLowLimit")};
const char *const kButtonCaptions[MemoAllFieldCount] = {
    QT_TRID_NOOP("Batch ID"),  QT_TRID_NOOP("File Path"),  QT_TRID_NOOP("Todays Date"), QT_TRID_NOOP("Rows"),        QT_TRID_NOOP("Columns"),    QT_TRID_NOOP("Readings"),   QT_TRID_NOOP("Create Date"),
    QT_TRID_NOOP("Update Date"), QT_TRID_NOOP("Batch Format"), QT_TRID_NOOP("High Limit"), QT_TRID_NOOP("Low Limit"), QT_TRID_NOOP("Site"),      QT_TRID_NOOP("Location"),   QT_TRID_NOOP("Grid Spacing"),
    QT_TRID_NOOP("Area"),      QT_TRID_NOOP("Engineer"),   QT_TRID_NOOP("Customer"),    QT_TRID_NOOP("Note"),        QT_TRID_NOOP("Bar Series"), QT_TRID_NOOP("Bar Size"),   QT_TRID_NOOP("Average"),
    QT_TRID_NOOP("Std. Dev."), QT_TRID_NOOP("Max"),        QT_TRID_NOOP("Min"),         QT_TRID_NOOP("Range"),       QT_TRID_NOOP("n < Limit"),  QT_TRID_NOOP("n > Limit"),  QT_TRID_NOOP("% < Limit"),
    QT_TRID_NOOP("% > Limit"), QT_TRID_NOOP("Page No."),   QT_TRID_NOOP("Units"),       QT_TRID_NOOP("n >>"),        QT_TRID_NOOP("n <<"),       QT_TRID_NOOP("% >>"),       QT_TRID_NOOP("% <<"),
    QT_TRID_NOOP("Cell Type"), QT_TRID_NOOP("Temperature"), QT_TRID_NOOP("Threshold"),  QT_TRID_NOOP("Bar Grade"),
    QT_TRID_NOOP("n Low"),     QT_TRID_NOOP("n Intermediate"), QT_TRID_NOOP("n High"),  QT_TRID_NOOP("% Low"),       QT_TRID_NOOP("% Intermediate"), QT_TRID_NOOP("% High"),
    QT_TRID_NOOP("5 % Quantile"), QT_TRID_NOOP("10 % Quantile"), QT_TRID_NOOP("Normal 5 %"), QT_TRID_NOOP("5 % Check")};
// The order in which the batch fields are put in.
constexpr int kBatchFieldOrder[] = {0,  1,  3,  4,  13, 5,  6,  7,  8,  9,  26, 28, 10, 25, 27, 11, 12, 14, 15,
                                    16, 17, 20, 21, 22, 23, 24, 30, 31, 32, 33, 34, 35, 36, 37, 18, 19, 38,
                                    39, 40, 41, 42, 43, 44, 45, 46, 47, 48};

QString Percent(double v) { return FormatDisplay("%.1f", v) + QLatin1Char('%'); }
} // namespace

QString MemoFieldName(int index) { return QString::fromLatin1(kFieldNames[index]); }
QString MemoFieldDisplayName(int index) { return Tr(kFieldNames[index]); }
QString MemoFieldButtonCaption(int index) { return Tr(kButtonCaptions[index]); }

std::vector<TMemoLine> LayoutMemoLines(const QString &text, const QFontMetrics &metrics, int limit, bool wrap)
{
    std::vector<TMemoLine> lines;
    TMemoLine current;
    int w = 0;
    const auto close = [&] {
        current.Width = metrics.horizontalAdvance(current.Text);
        lines.push_back(current);
        current = TMemoLine();
        w = 0;
    };
    qsizetype i = 0;
    while (i < text.size()) {
        qsizetype end = i;
        bool endsLine = false;
        while (end < text.size()) {
            const QChar c = text.at(end++);
            if (c == QLatin1Char(' '))
                break;
            if (c == QLatin1Char('\n')) {
                endsLine = true;
                break;
            }
        }
        QString word = text.mid(i, end - i);
        i = end;
        word.removeIf([](QChar c) { return c.unicode() < 32; });
        const int ww = metrics.horizontalAdvance(word);
        if (wrap && w > 0 && w + ww > limit)
            close();
        current.Text += word;
        if (endsLine)
            close();
        else
            w += ww;
    }
    if (!current.Text.isEmpty())
        close();
    return lines;
}

TPageItemMemo::TPageItemMemo(TPage *page) : TPageItemSingleData(page)
{
    Properties.Add(QStringLiteral("FontName"), pkString, QStringLiteral("Arial"));
    QStringList sizes;
    for (int s = 2; s <= 72; ++s)
        sizes << QString::number(s);
    Properties.Add(QStringLiteral("FontSize"), pkInteger, 8, sizes);
    Properties.Add(QStringLiteral("FontColor"), pkColour, 0x000000, {}, Tr("FontColour"));
    Properties.Add(QStringLiteral("Bold"), pkBoolean, false);
    Properties.Add(QStringLiteral("Italic"), pkBoolean, false);
    Properties.Add(QStringLiteral("Underline"), pkBoolean, false);
    Properties.Add(QStringLiteral("Strikeout"), pkBoolean, false);
    Properties.Add(QStringLiteral("WordWrap"), pkBoolean, false);
    TProperty &text = Properties.Add(QStringLiteral("Text"), pkMemo, QString());
    text.InlineEdit = true;
    text.Editor = PropertyEditorForms().MemoText;
    Properties.Add(QStringLiteral("Alignment"), pkChoice, 0, AlignmentChoices());
    FinishCreate(QStringLiteral("Memo"));
    Properties["Text"].Value = Name();
}

QString TPageItemMemo::ToDisplayText(const QString &stored)
{
    QString t = stored;
    for (int i = 0; i < MemoAllFieldCount; ++i)
        t.replace(QLatin1Char('[') + MemoFieldName(i) + QLatin1Char(']'),
                  QLatin1Char('[') + MemoFieldDisplayName(i) + QLatin1Char(']'));
    return t;
}

QString TPageItemMemo::ToStoredText(const QString &display)
{
    QString t = display;
    for (int i = 0; i < MemoAllFieldCount; ++i)
        t.replace(QLatin1Char('[') + MemoFieldDisplayName(i) + QLatin1Char(']'),
                  QLatin1Char('[') + MemoFieldName(i) + QLatin1Char(']'));
    return t;
}

QString TPageItemMemo::SubstituteField(const QString &text, int field, const QString &value) const
{
    QString t = text;
    const QString marker = QLatin1Char('[') + MemoFieldName(field) + QLatin1Char(']');
    return t.replace(marker, Page->IsInner() ? value : Tr("Data values only available on inner pages"));
}

QString TPageItemMemo::SubstitutedText() const
{
    QString t = Properties["Text"].AsString();
    t = SubstituteField(t, 2, QLocale().toString(QDate::currentDate(), QLocale::ShortFormat));
    t = SubstituteField(t, 29, QString::number(Page->PageNumber));
    const TBatchItem &b = Batch();
    const bool loaded = !b.ID.isEmpty();
    const bool grid = b.BatchFormat == BatchFormatGrid;
    const bool cover = b.BatchType == BatchTypeCover;
    const QString dash = Tr("-");
    const QString units = b.UnitName();
    const auto withUnits = [&](const QString &v) { return v + QLatin1Char(' ') + units; };
    // The evaluations go over every reading too: worked out once, when a field asks for them.
    std::optional<TCorrosionClasses> classes;
    std::optional<TCharacteristicCover> characteristic;
    const auto corrosion = [&]() -> const TCorrosionClasses & {
        if (!classes)
            classes = CorrosionClasses(b);
        return *classes;
    };
    const auto coverValues = [&]() -> const TCharacteristicCover & {
        if (!characteristic)
            characteristic = CharacteristicCover(b);
        return *characteristic;
    };
    const auto coverValue = [&](const std::optional<double> &v) { return v ? withUnits(b.FormatValueFine(*v)) : dash; };
    for (const int f : kBatchFieldOrder) {
        // A field missing from the text at its turn is not worked out: the statistics go over
        // every reading, and most memos show none of them.
        if (!t.contains(QLatin1Char('[') + MemoFieldName(f) + QLatin1Char(']')))
            continue;
        QString v;
        if (loaded && Page->IsInner())
            switch (f) {
            case 0: v = b.ID; break;
            case 1: v = b.Path; break;
            case 3: v = grid ? QString::number(b.Rows) : dash; break;
            case 4: v = grid ? QString::number(b.Columns) : dash; break;
            case 5: v = QString::number(b.Readings); break;
            case 6: v = DateTimeToDisplayText(b.CreationDate); break;
            case 7: v = DateTimeToDisplayText(b.UpdateDate); break;
            case 8: v = BatchFormatName(b.BatchFormat); break;
            case 9: v = b.HighLimitApplied ? withUnits(b.FormatValueRounded(b.HighLimit)) : dash; break;
            case 10: v = b.LowLimitApplied ? withUnits(b.FormatValueRounded(b.LowLimit)) : dash; break;
            case 11: v = b.Site; break;
            case 12: v = b.Location; break;
            case 13: v = grid ? FormatCover(b.Grid) + QLatin1Char(' ') + CoverUnitName() : dash; break;
            case 14: v = b.Area; break;
            case 15: v = b.Engineer; break;
            case 16: v = b.Customer; break;
            case 17: v = b.Note; break;
            case 18: v = cover ? BarSeriesName(b.BarSeries) : QString(); break;
            case 19: v = cover ? b.BarSizeName() : QString(); break;
            case 20: v = withUnits(b.FormatValueFine(b.Mean())); break;
            case 21: v = withUnits(b.FormatValueFine(b.StandardDeviation())); break;
            case 22: v = withUnits(b.FormatValueRounded(b.Max())); break;
            case 23: v = withUnits(b.FormatValueRounded(b.Min())); break;
            case 24: v = withUnits(b.FormatValueRounded(b.Range())); break;
            case 25: v = b.LowLimitApplied ? QString::number(b.CountBelowLow()) : dash; break;
            case 26: v = b.HighLimitApplied ? QString::number(b.CountAboveHigh()) : dash; break;
            case 27: v = b.LowLimitApplied ? Percent(b.PercentBelowLow()) : dash; break;
            case 28: v = b.HighLimitApplied ? Percent(b.PercentAboveHigh()) : dash; break;
            case 30: v = units; break;
            case 31: v = QString::number(b.CountOverRange()); break;
            case 32: v = QString::number(b.CountUnderRange()); break;
            case 33: v = Percent(b.PercentOverRange()); break;
            case 34: v = Percent(b.PercentUnderRange()); break;
            case 35: v = cover ? QString() : b.CellType; break;
            case 36:
                if (!cover) {
                    const QString t = FormatTemperature(b.Temperature);
                    v = t.isEmpty() ? QString() : t + TemperatureUnitName();
                }
                break;
            case 37:
                v = cover ? FormatCover(ReportSettingFloat(QStringLiteral("ThresholdCover")))
                          : FormatHalfCell(ReportSettingFloat(QStringLiteral("ThresholdHalfCell")));
                break;
            case 38: v = BarGradeName(b.BarGrade); break;
            // Half-cell fields are empty on a cover batch and cover fields on a half-cell batch,
            // as the cell type and the bar fields are.
            case 39:
            case 40:
            case 41:
                v = cover ? QString() : QString::number(corrosion().Count[f - 39]);
                break;
            case 42:
            case 43:
            case 44:
                v = cover ? QString() : Percent(corrosion().Percent(f - 42));
                break;
            case 45: v = cover ? coverValue(coverValues().Quantile5) : QString(); break;
            case 46: v = cover ? coverValue(coverValues().Quantile10) : QString(); break;
            case 47: v = cover ? coverValue(coverValues().NormalQuantile5) : QString(); break;
            case 48: v = cover ? QuantileCheckText(coverValues().Check) : QString(); break;
            default: break;
            }
        t = SubstituteField(t, f, v);
    }
    return t;
}

double TPageItemMemo::LinePitch() const
{
    return Page->PixelsPerInch() * Properties["FontSize"].AsInteger() / 72.0;
}

int TPageItemMemo::FontPixelHeight() const
{
    return static_cast<int>(std::trunc(std::max(1.0, LinePitch())));
}

void TPageItemMemo::Draw()
{
    TPageItem::Draw();
    Lines.clear();
    LastBlock = QRect();
    if (!(Width() > 0 && Height() > 0) || !Page->Canvas)
        return;
    QPainter &c = *Page->Canvas;
    const QRect r = PixelRect();
    const QString text = SubstitutedText();

    QFont font(Properties["FontName"].AsString());
    font.setPixelSize(FontPixelHeight());
    font.setBold(Properties["Bold"].AsBoolean());
    font.setItalic(Properties["Italic"].AsBoolean());
    font.setUnderline(Properties["Underline"].AsBoolean());
    font.setStrikeOut(Properties["Strikeout"].AsBoolean());
    const QFontMetrics fm(font, c.device());
    const std::vector<TMemoLine> lines = LayoutMemoLines(text, fm, r.width(), Properties["WordWrap"].AsBoolean());
    int blockWidth = 0;
    for (const auto &l : lines)
        blockWidth = std::max(blockWidth, l.Width);
    const int blockHeight = static_cast<int>(lines.size()) * fm.height();
    const int alignment = Properties["Alignment"].AsInteger();
    const QRect block = PlaceRect(r, blockWidth, blockHeight, alignment);
    LastBlock = block;

    c.save();
    c.setBrush(Qt::NoBrush);
    c.setFont(font);
    c.setPen(ColourFromInt(Properties["FontColor"].AsColour()));
    c.setClipRect(r, Qt::IntersectClip);
    const double pitch = LinePitch();
    for (size_t d = 0; d < lines.size(); ++d) {
        const TMemoLine &l = lines[d];
        Lines << l.Text;
        const int top = block.top() + RoundHalfUp(pitch * static_cast<double>(d));
        int left = block.left();
        if (alignment % 3 == 1)
            left = block.left() + block.width() / 2 - l.Width / 2;
        else if (alignment % 3 == 2)
            left = block.left() + block.width() - l.Width;
        c.drawText(left, top + fm.ascent(), l.Text);
    }
    c.restore();
}
