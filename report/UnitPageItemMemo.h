#pragma once
// The text item of a report page: text with batch field markers such as [Site], replaced at
// drawing time by the values of the item's batch, today's date or the page number.
#include "UnitPage.h"

#include <QStringList>

class QFontMetrics;

// The fields of the text editor's buttons, 0-38.
constexpr int MemoFieldCount = 39;
// The survey evaluation fields follow them, 39-48: corrosion class counts and percentages of a
// half-cell batch, the characteristic cover values of a cover batch and their acceptance test.
constexpr int MemoEvaluationFieldFirst = MemoFieldCount;
constexpr int MemoAllFieldCount = 49;
// Stored (English) name and the name shown to the user, of field 0-48.
QString MemoFieldName(int index);
QString MemoFieldDisplayName(int index);
// Caption of the field's button in the text editor ("Batch ID" ... "Bar Grade", then the
// evaluation fields "n Low" ... "5 % Check").
QString MemoFieldButtonCaption(int index);

struct TMemoLine {
    QString Text;
    int Width = 0;
};
// Cuts text into words and lines: words end after a space or a line feed (which ends the line
// too), control characters are dropped; with wrap, a word that would pass `limit` starts a new
// line unless the line is empty.
std::vector<TMemoLine> LayoutMemoLines(const QString &text, const QFontMetrics &metrics, int limit, bool wrap);

class TPageItemMemo : public TPageItemSingleData {
public:
    explicit TPageItemMemo(TPage *page);
    QString ClassName() const override { return QStringLiteral("TPageItemMemo"); }
    void Draw() override;

    static QString ToDisplayText(const QString &stored);
    static QString ToStoredText(const QString &display);
    // Every marker of the field replaced by value on inner pages, by the inner-pages notice
    // elsewhere.
    QString SubstituteField(const QString &text, int field, const QString &value) const;
    // The stored text with every field substituted, as Draw shows it.
    QString SubstitutedText() const;
    // Pixel height of the font and the line pitch at the page's resolution.
    double LinePitch() const;
    int FontPixelHeight() const;

    QStringList Lines; // laid out by the last Draw
    QRect LastBlock;   // where the last Draw placed the block of lines
};
