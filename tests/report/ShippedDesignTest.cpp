// The shipped report designs are drawn on A4 and take the printer's paper ("Default") when they
// are loaded: on US Letter, 17.6 mm shorter and 5.9 mm wider, their anchors must keep every item
// on the sheet and keep apart what is apart on A4.
#include "TestSupport.h"
#include "UnitReport.h"
#include "UnitUnits.h"

#include <QDir>
#include <QRectF>
#include <vector>

namespace {
struct TItemBox {
    QString Name;
    QRectF Box; // millimetres
};

struct TPageBoxes {
    QSizeF Size;
    std::vector<TItemBox> Items;
};

std::vector<TPageBoxes> LoadBoxes(const QString &file)
{
    TReport report;
    report.LoadFromFile(file);
    // What the windows and outputs work on is a copy of the stored report.
    TReport copy;
    copy.Assign(&report);
    std::vector<TPageBoxes> pages;
    for (int i = 0; i < copy.Count(); ++i) {
        const TPage &page = *copy.Pages(i);
        TPageBoxes boxes{QSizeF(page.PageWidth(), page.PageHeight()), {}};
        for (int j = 0; j < page.Count(); ++j) {
            const TPageItem &item = *page.Item(j);
            boxes.Items.push_back({item.Name(), QRectF(item.Left(), item.Top(), item.Width(), item.Height())});
        }
        pages.push_back(boxes);
    }
    return pages;
}

// Rectangles overlap when their insides meet; touching edges do not count.
bool Overlap(const QRectF &a, const QRectF &b)
{
    constexpr double e = 1e-6;
    return a.left() < b.right() - e && b.left() < a.right() - e && a.top() < b.bottom() - e && b.top() < a.bottom() - e;
}

bool Inside(const QRectF &inner, const QRectF &outer)
{
    constexpr double e = 1e-6;
    return inner.left() >= outer.left() - e && inner.top() >= outer.top() - e && inner.right() <= outer.right() + e &&
           inner.bottom() <= outer.bottom() + e;
}

class ShippedDesignTest : public IsolatedTest {
protected:
    ~ShippedDesignTest() override { SetPrinterPaperProvider(nullptr); }
};
} // namespace

TEST_F(ShippedDesignTest, EveryItemStaysOnTheSheetOnA4AndOnLetter)
{
    const QString root = QStringLiteral(ORVALIS_RESOURCE_DIR "/Orvalis/Template/EN/");
    const QStringList designs{QStringLiteral("Reports/Cover Survey Report.vcr"),
                              QStringLiteral("Reports/Half Cell Survey Report.vcr"),
                              QStringLiteral("Settings/Cover Summary.vcr"),
                              QStringLiteral("Settings/Half Cell Summary.vcr"),
                              QStringLiteral("Reports/Cover Evaluation Report.vcr"),
                              QStringLiteral("Reports/Half Cell Evaluation Report.vcr")};
    const TPrinterPaperInfo letterPrinter{true, 215.9, 279.4, 0};
    const TPrinterPaperInfo a4Printer{true, 210.0, 297.0, 0};
    struct Paper {
        const char *Name;
        std::uint8_t Units;
        const TPrinterPaperInfo *Printer; // none: no printer installed
        QSizeF Size;
    };
    // The paper "Default" comes from the printer, else from the units.
    const Paper papers[] = {
        {"A4, millimetres, no printer", 0, nullptr, QSizeF(210, 297)},
        {"Letter, inches, no printer", 1, nullptr, QSizeF(215.9, 279.4)},
        {"Letter printer, millimetres", 0, &letterPrinter, QSizeF(215.9, 279.4)},
        {"A4 printer, inches", 1, &a4Printer, QSizeF(210, 297)},
    };

    for (const QString &design : designs) {
        SCOPED_TRACE(design.toStdString());
        SetPrinterPaperProvider(nullptr);
        std::vector<TPageBoxes> a4;
        {
            TCoverUnitsScope mm(0);
            a4 = LoadBoxes(root + design);
        }
        ASSERT_FALSE(a4.empty());
        for (const Paper &paper : papers) {
            SCOPED_TRACE(paper.Name);
            TCoverUnitsScope units(paper.Units);
            if (paper.Printer) {
                const TPrinterPaperInfo info = *paper.Printer;
                SetPrinterPaperProvider([info] { return info; });
            } else {
                SetPrinterPaperProvider(nullptr);
            }
            const std::vector<TPageBoxes> pages = LoadBoxes(root + design);
            ASSERT_EQ(pages.size(), a4.size());
            for (size_t p = 0; p < pages.size(); ++p) {
                SCOPED_TRACE("page " + std::to_string(p + 1));
                const TPageBoxes &page = pages[p];
                EXPECT_NEAR(page.Size.width(), paper.Size.width(), 1e-9);
                EXPECT_NEAR(page.Size.height(), paper.Size.height(), 1e-9);
                const QRectF sheet(QPointF(0, 0), page.Size);
                ASSERT_EQ(page.Items.size(), a4[p].Items.size());
                for (size_t i = 0; i < page.Items.size(); ++i) {
                    const TItemBox &item = page.Items[i];
                    EXPECT_TRUE(Inside(item.Box, sheet)) << item.Name.toStdString();
                    EXPECT_GT(item.Box.width(), 0) << item.Name.toStdString();
                    EXPECT_GT(item.Box.height(), 0) << item.Name.toStdString();
                    for (size_t j = 0; j < page.Items.size(); ++j) {
                        if (i == j)
                            continue;
                        const TItemBox &other = page.Items[j];
                        const QRectF &was = a4[p].Items[i].Box, &otherWas = a4[p].Items[j].Box;
                        // The frame around everything, the charts under the title...
                        if (Inside(was, otherWas)) {
                            EXPECT_TRUE(Inside(item.Box, other.Box))
                                << item.Name.toStdString() << " left " << other.Name.toStdString();
                        }
                        // ...and no footer over a chart, no chart over another.
                        if (!Overlap(was, otherWas)) {
                            EXPECT_FALSE(Overlap(item.Box, other.Box))
                                << item.Name.toStdString() << " runs into " << other.Name.toStdString();
                        }
                    }
                }
            }
        }
    }
}
