#include "TestSupport.h"
#include "UnitBusyCursor.h"
#include "UnitFontSize.h"

#include <QCursor>
#include <QGuiApplication>
#include <stdexcept>

TEST(BusyCursor, RestoresThePreviousCursorHoweverItEnds)
{
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
    try {
        TBusyCursor busy;
        ASSERT_NE(QGuiApplication::overrideCursor(), nullptr);
        EXPECT_EQ(QGuiApplication::overrideCursor()->shape(), Qt::WaitCursor);
        {
            TBusyCursor nested; // already shown: stays the hourglass
            EXPECT_EQ(QGuiApplication::overrideCursor()->shape(), Qt::WaitCursor);
        }
        EXPECT_EQ(QGuiApplication::overrideCursor()->shape(), Qt::WaitCursor);
        throw std::runtime_error("failure");
    } catch (const std::runtime_error &) {
    }
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
    EXPECT_EQ(SetBusyCursor(Qt::CrossCursor), Qt::ArrowCursor);
    EXPECT_EQ(SetBusyCursor(Qt::ArrowCursor), Qt::CrossCursor);
}

TEST(FontSize, TinySizesStayVisible)
{
    QFont font;
    SetFontSizeVisible(font, 8, 96);
    EXPECT_EQ(font.pointSizeF(), 8.0);
    SetFontSizeVisible(font, 0.2, 96); // would round to 0 pixels
    EXPECT_EQ(font.pixelSize(), 1);
}
