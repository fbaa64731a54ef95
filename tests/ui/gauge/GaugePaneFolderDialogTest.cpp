// "Select Data Folder": the folders under Local, loaded lazily, with New Folder and rename.
#include "../gauge/CommThreadSupport.h"
#include "UnitFormDownloadBatches.h"
#include "UnitStorage.h"

#include <QApplication>
#include <QDir>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QTreeWidget>

class FolderDialogTest : public IsolatedTest {
protected:
    void SetUp() override
    {
        Local = IncludeTrailingSlash(LocalFolder());
        for (const char *name : {"beta", "Alpha", "Alpha/Inner", "gamma"})
            QDir().mkpath(Local + QString::fromLatin1(name));
        Dialog = std::make_unique<TFormDownloadBatches>();
        Dialog->RescanFolderNodes = [this](const QString &folder, bool recursive) {
            Rescans << folder + (recursive ? QStringLiteral(" recursive") : QString());
        };
        Dialog->show();
    }

    QTreeWidget &Tree() { return *Dialog->TreeViewDownload(); }

    static QStringList Captions(const QTreeWidgetItem *node)
    {
        QStringList names;
        for (int i = 0; i < node->childCount(); ++i)
            names << node->child(i)->text(0);
        return names;
    }
    QTreeWidgetItem *Child(const QTreeWidgetItem *node, const QString &caption)
    {
        for (int i = 0; i < node->childCount(); ++i)
            if (node->child(i)->text(0) == caption)
                return node->child(i);
        return nullptr;
    }
    QLineEdit *Editor() { return Tree().findChild<QLineEdit *>(QStringLiteral("EditFolderCaption")); }

    // Types into the open caption editor and ends the edit with Return.
    void TypeAndCommit(const QString &text)
    {
        QLineEdit *editor = Editor();
        ASSERT_NE(editor, nullptr);
        editor->selectAll();
        for (QChar c : text) {
            QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, QString(c));
            QApplication::sendEvent(editor, &press);
        }
        QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
        QApplication::sendEvent(editor, &enter);
    }

    QString Local;
    QStringList Rescans;
    std::unique_ptr<TFormDownloadBatches> Dialog;
};

TEST_F(FolderDialogTest, DataRootListsLocalFoldersSortedAndLoadsChildrenOnExpand)
{
    EXPECT_EQ(Dialog->windowTitle(), QStringLiteral("Select Data Folder"));
    QTreeWidgetItem *root = Dialog->RootNode();
    EXPECT_EQ(root->text(0), QStringLiteral("Data"));
    EXPECT_TRUE(root->isExpanded());
    EXPECT_EQ(Tree().currentItem(), root);
    EXPECT_TRUE(Dialog->ButtonOk()->isEnabled());
    EXPECT_EQ(Dialog->SelectedFolder(), Local);
    EXPECT_EQ(Captions(root), QStringList({"Alpha", "beta", "gamma"}));

    // Not loaded before it is opened; opened, it shows what the disk holds now.
    QTreeWidgetItem *alpha = Child(root, "Alpha");
    EXPECT_EQ(alpha->childCount(), 0);
    QDir().mkpath(Local + "Alpha/Added");
    alpha->setExpanded(true);
    EXPECT_EQ(Captions(alpha), QStringList({"Added", "Inner"}));
    Tree().setCurrentItem(Child(alpha, "Inner"));
    EXPECT_EQ(Dialog->SelectedFolder(), Local + "Alpha/Inner/");

    // A reload drops folders gone from disk and reloads the open children too.
    QDir(Local + "gamma").removeRecursively();
    QDir().mkpath(Local + "Alpha/Zed");
    Dialog->LoadNode(root);
    EXPECT_EQ(Captions(root), QStringList({"Alpha", "beta"}));
    EXPECT_EQ(Captions(alpha), QStringList({"Added", "Inner", "Zed"}));
    EXPECT_TRUE(alpha->isExpanded());

    Tree().clearSelection();
    EXPECT_FALSE(Dialog->ButtonOk()->isEnabled());
    EXPECT_TRUE(Dialog->SelectedFolder().isEmpty());
}

TEST_F(FolderDialogTest, NewFolderTakesTheFirstFreeDefaultNameAndStartsEditing)
{
    QTreeWidgetItem *root = Dialog->RootNode();
    Dialog->ButtonNewFolder()->click();
    EXPECT_TRUE(QDir(Local + "New Folder").exists());
    ASSERT_NE(Tree().currentItem(), nullptr);
    EXPECT_EQ(Tree().currentItem()->text(0), QStringLiteral("New Folder"));
    EXPECT_NE(Editor(), nullptr);
    EXPECT_EQ(Rescans, QStringList({Local + " recursive"}));

    Tree().setCurrentItem(root);
    Dialog->NewFolder();
    EXPECT_TRUE(QDir(Local + "New Folder (2)").exists());
    EXPECT_EQ(Captions(root), QStringList({"Alpha", "beta", "gamma", "New Folder", "New Folder (2)"}));

    // Past " (200)" nothing more is made.
    Tree().setCurrentItem(Child(root, "beta"));
    QDir().mkpath(Local + "beta/New Folder");
    for (int i = 2; i <= 200; ++i)
        QDir().mkpath(Local + QStringLiteral("beta/New Folder (%1)").arg(i));
    Dialog->NewFolder();
    EXPECT_EQ(Prompts.Errors, QStringList({"Unable to create file/folder, too many default named items."}));
    EXPECT_EQ(QDir(Local + "beta").entryList(QDir::Dirs | QDir::NoDotAndDotDot).size(), 200);
}

TEST_F(FolderDialogTest, RenameDropsUnsafeCharactersAndRefusesAnExistingName)
{
    QTreeWidgetItem *root = Dialog->RootNode();
    EXPECT_FALSE(root->flags() & Qt::ItemIsEditable);

    QTreeWidgetItem *beta = Child(root, "beta");
    Tree().setCurrentItem(beta);
    Tree().editItem(beta, 0);
    TypeAndCommit(QStringLiteral("de:l*ta?"));
    ASSERT_TRUE(PumpUntil([&] { return QDir(Local + "delta").exists(); }, 5000));
    EXPECT_EQ(beta->text(0), QStringLiteral("delta"));
    EXPECT_FALSE(QDir(Local + "beta").exists());
    EXPECT_EQ(Captions(root), QStringList({"Alpha", "delta", "gamma"}));
    EXPECT_EQ(Rescans, QStringList({Local + " recursive"}));

    // The name of a sibling: the message, the old name, and editing again. The sibling (even an
    // empty folder) is never replaced.
    Rescans.clear();
    QTreeWidgetItem *gamma = Child(root, "gamma");
    Tree().setCurrentItem(gamma);
    Tree().editItem(gamma, 0);
    TypeAndCommit(QStringLiteral("Alpha"));
    ASSERT_TRUE(PumpUntil([&] { return !Prompts.Errors.isEmpty(); }, 5000));
    EXPECT_EQ(Prompts.Errors,
              QStringList({"A folder with the name you specified already exists. Specify a different name."}));
    EXPECT_EQ(gamma->text(0), QStringLiteral("gamma"));
    EXPECT_TRUE(QDir(Local + "gamma").exists());
    EXPECT_TRUE(QDir(Local + "Alpha/Inner").exists());
    EXPECT_NE(Editor(), nullptr);
    EXPECT_EQ(Rescans, QStringList({Local + " recursive"}));

    EXPECT_FALSE(Dialog->RenameNode(Child(root, "delta"), QStringLiteral("gamma")));
    EXPECT_TRUE(QDir(Local + "delta").exists());

}

TEST_F(FolderDialogTest, AnEmptiedNameFailsLikeATakenOne)
{
    QTreeWidgetItem *beta = Child(Dialog->RootNode(), "beta");
    Tree().setCurrentItem(beta);
    Tree().editItem(beta, 0);
    ASSERT_NE(Editor(), nullptr);
    Editor()->clear();
    QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
    QApplication::sendEvent(Editor(), &enter);
    ASSERT_TRUE(PumpUntil([&] { return !Prompts.Errors.isEmpty(); }, 5000));
    EXPECT_EQ(Prompts.Errors,
              QStringList({"A folder with the name you specified already exists. Specify a different name."}));
    EXPECT_EQ(beta->text(0), QStringLiteral("beta"));
    EXPECT_TRUE(QDir(Local + "beta").exists());
    EXPECT_NE(Editor(), nullptr) << "editing starts again";
}
