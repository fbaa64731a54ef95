// The focus goes back to the control the user moved it to when a list or tree pulls it back, and a
// combo box clicked into drops its list down.
#include "TestSupport.h"
#include "UnitFocusReturn.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <functional>

namespace {

class FocusReturnTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        auto *layout = new QVBoxLayout(&Window);
        Tree = new QTreeWidget(&Window);
        Edit = new QLineEdit(&Window);
        Combo = new QComboBox(&Window);
        Combo->addItems({QStringLiteral("Cover"), QStringLiteral("Half Cell")});
        layout->addWidget(Tree);
        layout->addWidget(Edit);
        layout->addWidget(Combo);
        new TFocusReturn(Tree);
        Window.show();
        Window.activateWindow();
        ASSERT_TRUE(ServeEventsUntil([this] { return Window.isActiveWindow(); }));
        Tree->setFocus(Qt::OtherFocusReason);
        ASSERT_TRUE(ServeEventsUntil([this] { return Tree->hasFocus(); }));
    }
    void TearDown() override { Combo->hidePopup(); }

    QWidget Window;
    QTreeWidget *Tree = nullptr;
    QLineEdit *Edit = nullptr;
    QComboBox *Combo = nullptr;
};

TEST_F(FocusReturnTest, TheControlThatTookTheFocusGetsItBackFromTheTree)
{
    Edit->setFocus(Qt::MouseFocusReason);
    Tree->setFocus(Qt::OtherFocusReason); // e.g. a closing editor or a rescan
    EXPECT_TRUE(ServeEventsUntil([this] { return Edit->hasFocus(); }));
    EXPECT_FALSE(Combo->view()->isVisible());

    // Focus the program moves on to a third control is left there.
    Tree->setFocus(Qt::OtherFocusReason);
    Edit->setFocus(Qt::MouseFocusReason);
    Combo->setFocus(Qt::OtherFocusReason);
    QCoreApplication::processEvents();
    QCoreApplication::processEvents();
    EXPECT_TRUE(Combo->hasFocus());
    EXPECT_FALSE(Combo->view()->isVisible());
}

TEST_F(FocusReturnTest, AComboBoxClickedIntoDropsItsListButNotWhenTabbedInto)
{
    Combo->setFocus(Qt::TabFocusReason);
    QCoreApplication::processEvents();
    QCoreApplication::processEvents();
    EXPECT_TRUE(Combo->hasFocus());
    EXPECT_FALSE(Combo->view()->isVisible());

    Tree->setFocus(Qt::OtherFocusReason);
    Combo->setFocus(Qt::MouseFocusReason);
    EXPECT_TRUE(ServeEventsUntil([this] { return Combo->view()->isVisible(); }));
}

} // namespace
