#include "UnitKeyboardAccess.h"
#include "FormMainTestSupport.h"
#include "UnitBatchList.h"
#include "UnitThreadDirectory.h"
#include "UnitNameValidator.h"
#include "UnitTreeViewMain.h"

#include <QDragEnterEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMimeData>
#include <QTemporaryDir>
#include <QTest>
#include <QToolBar>

TEST_F(FormMainTest, TreeIsBuiltFromTheFolderTreeOnDisk)
{
    const QString work = DefaultStorageRoot() + QStringLiteral("Local/Work/");
    MakeDir(work + QStringLiteral("Beta/Deep"));
    MakeDir(work + QStringLiteral("alpha"));
    WriteFile(work + QStringLiteral("Wall.vcb"));     // batches are listed by the folder view only
    WriteFile(work + QStringLiteral("notes.txt"));    // and so are unknown files
    WriteFile(work + QStringLiteral("Plan.vct"));     // templates lying here do show up
    Start();

    EXPECT_EQ(Form->RootNode()->text(0), QStringLiteral("My DozazEdivo Data"));
    EXPECT_EQ(ChildTexts(Form->RootNode()),
              (QStringList{QStringLiteral("Ventrax K27"), QStringLiteral("Templates"), QStringLiteral("Reports"),
                           QStringLiteral("Local")}));
    EXPECT_EQ(Form->SelectedNode(), Form->LocalNode());
    EXPECT_TRUE(Form->LocalNode()->isExpanded());
    QTreeWidgetItem *workNode = Node(QStringLiteral("Work"));
    ASSERT_NE(workNode, nullptr);
    QStringList children = ChildTexts(workNode);
    children.sort();
    EXPECT_EQ(children, (QStringList{QStringLiteral("Beta"), QStringLiteral("Plan.vct"), QStringLiteral("alpha")}));
    EXPECT_EQ(Form->FolderPathOfNode(workNode), LocalFolder() + QStringLiteral("Work/"));
    EXPECT_EQ(Form->FolderPathOfNode(Form->LocalNode()), LocalFolder());
    EXPECT_EQ(Form->FolderPathOfNode(Form->GaugeNode()), QString());
    EXPECT_TRUE(Form->IsUnderLocal(workNode));
    EXPECT_TRUE(Form->IsUnderLocal(Form->LocalNode()));
    EXPECT_FALSE(Form->IsUnderLocal(Form->TemplatesNode()));
    EXPECT_EQ(Node(QStringLiteral("work")), nullptr) << "node names are matched exactly";

    // Expanding reads the next level.
    QTreeWidgetItem *beta = Node(QStringLiteral("Work/Beta"));
    ASSERT_NE(beta, nullptr);
    EXPECT_EQ(beta->childCount(), 0);
    workNode->setExpanded(true);
    beta->setExpanded(true);
    EXPECT_EQ(ChildTexts(beta), QStringList{QStringLiteral("Deep")});
    EXPECT_EQ(Form->Tree()->indexOfTopLevelItem(Form->RootNode()), 0);
    EXPECT_EQ(Form->NodeOfFolder(LocalFolder() + QStringLiteral("Work/Beta/Deep/")), beta->child(0));
}

TEST_F(FormMainTest, TreeSortsLikeTheFolderViewWithLetterCaseIgnored)
{
    const QString work = DefaultStorageRoot() + QStringLiteral("Local/Work/");
    for (const char *name : {"Zeta", "alpha", "Beta"})
        MakeDir(work + QLatin1String(name));
    Start();
    QTreeWidgetItem *workNode = Node(QStringLiteral("Work"));
    ASSERT_NE(workNode, nullptr);
    workNode->setExpanded(true);
    EXPECT_EQ(ChildTexts(workNode), (QStringList{"alpha", "Beta", "Zeta"}));
    // A folder made by another program joins in its place.
    MakeDir(work + QStringLiteral("gamma"));
    Form->RescanFolderNodes(work, false);
    EXPECT_EQ(ChildTexts(workNode), (QStringList{"alpha", "Beta", "gamma", "Zeta"}));
    // So does a renamed one.
    ASSERT_TRUE(Form->RenameFolderNode(Node(QStringLiteral("Work/Zeta")), QStringLiteral("delta")));
    EXPECT_EQ(ChildTexts(workNode), (QStringList{"alpha", "Beta", "delta", "gamma"}));
}

TEST_F(FormMainTest, SelectionShowsTheNodesLabelButtonsPaneAndCommands)
{
    MakeDir(DefaultStorageRoot() + QStringLiteral("Local/Site A/Deck"));
    Start();
    auto *label = Form->findChild<QLabel *>(QStringLiteral("LabelSelectedFolder"));
    ASSERT_NE(label, nullptr);
    Form->Tree()->setFocus();

    Form->SelectNode(Form->RootNode());
    Form->UpdateActions();
    EXPECT_TRUE(Form->ToolBarActions().isEmpty());
    EXPECT_EQ(Form->CurrentPane(), nullptr);
    EXPECT_TRUE(Action("ActionChangeStorageDirectory")->isEnabled());
    for (const char *name : {"ActionNewFolder", "ActionDeleteFolderFile", "ActionRenameFolderFile",
                             "ActionCutFolderFile", "ActionCopyFolderFile", "ActionPasteFolderFile",
                             "ActionBack", "ActionExportToExcel", "ActionNewRectangularBatchCover"})
        EXPECT_FALSE(Action(name)->isEnabled()) << name;

    QTreeWidgetItem *site = Node(QStringLiteral("Site A"));
    site->setExpanded(true);
    QTreeWidgetItem *deck = Node(QStringLiteral("Site A/Deck"));
    ASSERT_NE(deck, nullptr);
    Form->SelectNode(deck);
    EXPECT_EQ(label->text(), QStringLiteral("Local/Site A/Deck"));
    EXPECT_EQ(View.Folder, LocalFolder() + QStringLiteral("Site A/Deck/"));
    EXPECT_EQ(Form->CurrentPane(), View.Widget());
    QStringList buttons;
    for (QAction *a : Form->ToolBarActions())
        buttons << WithoutMnemonic(a->text());
    EXPECT_EQ(buttons, (QStringList{QStringLiteral("New Folder"), QStringLiteral("Delete"), QStringLiteral("Rename"),
                                    QStringLiteral("Cut"), QStringLiteral("Copy"), QStringLiteral("Paste"),
                                    QStringLiteral("Export")}));
    Form->UpdateActions();
    EXPECT_FALSE(Action("ActionChangeStorageDirectory")->isEnabled());
    for (const char *name : {"ActionNewFolder", "ActionDeleteFolderFile", "ActionRenameFolderFile",
                             "ActionCutFolderFile", "ActionCopyFolderFile", "ActionBack"})
        EXPECT_TRUE(Action(name)->isEnabled()) << name;
    EXPECT_EQ(Action("ActionDeleteFolderFile")->shortcut(), QKeySequence(QStringLiteral("Ctrl+D")));
    EXPECT_EQ(Action("ActionPasteFolderFile")->shortcut(), QKeySequence(QStringLiteral("Ctrl+V")));
    EXPECT_EQ(Action("ActionSelectAll")->shortcut(), QKeySequence(QStringLiteral("Ctrl+A")));

    ASSERT_TRUE(Run("ActionBack"));
    EXPECT_EQ(Form->SelectedNode(), site);
    Form->SelectNode(Form->LocalNode());
    EXPECT_EQ(label->text(), QStringLiteral("Local"));
    Form->UpdateActions();
    EXPECT_FALSE(Action("ActionBack")->isEnabled());
    EXPECT_FALSE(Action("ActionDeleteFolderFile")->isEnabled()) << "the Local node itself cannot be deleted";

    // Nodes without their own pane yet show their caption.
    Form->SelectNode(Form->GaugeNode());
    auto *placeholder = qobject_cast<QLabel *>(Form->CurrentPane());
    ASSERT_NE(placeholder, nullptr);
    EXPECT_EQ(placeholder->text(), QStringLiteral("Ventrax K27"));
    QLabel gaugePane(QStringLiteral("gauge"));
    QAction download(QStringLiteral("Download"));
    Form->SetPane(TNodeKind::Gauge, &gaugePane, {&download});
    EXPECT_EQ(Form->CurrentPane(), &gaugePane);
    EXPECT_EQ(Form->ToolBarActions(), QList<QAction *>{&download});
    Form->SetPane(TNodeKind::Gauge, nullptr);

    // Hiding the browse panes disables the commands that need them.
    Form->SelectNode(deck);
    Form->SetBrowsePanesVisible(false);
    EXPECT_FALSE(Form->BrowsePanesVisible());
    Form->UpdateActions();
    EXPECT_FALSE(Action("ActionNewFolder")->isEnabled());
    EXPECT_FALSE(Action("ActionPreferences")->isEnabled());
    Form->SetBrowsePanesVisible(true);
    EXPECT_TRUE(Form->BrowsePanesVisible());
}

TEST_F(FormMainTest, WatchersRescanAfterOutsideChanges)
{
    MakeDir(DefaultStorageRoot() + QStringLiteral("Local/Work"));
    Start();
    QTreeWidgetItem *work = Node(QStringLiteral("Work"));
    ASSERT_NE(work, nullptr);
    // Changes are made once both watchers are armed on their new folders.
    auto armed = [&](TThreadDirectory *w, const QString &folder) {
        auto state = std::make_shared<int>(0);
        QObject::connect(w, &TThreadDirectory::Watching, Form.get(), [state, folder](const QString &f) {
            *state = QDir::cleanPath(f) == QDir::cleanPath(folder) ? 1 : 0;
        });
        QObject::connect(w, &TThreadDirectory::WaitingForChange, Form.get(), [state] {
            if (*state == 1)
                *state = 2;
        });
        return state;
    };
    ASSERT_NE(Form->FolderWatcher(), nullptr);
    auto folderArmed = armed(Form->FolderWatcher(), LocalFolder() + QStringLiteral("Work"));
    auto parentArmed = armed(Form->ParentWatcher(), LocalFolder());
    Form->SelectNode(work);
    ASSERT_TRUE(WaitUntil([&] { return *folderArmed == 2 && *parentArmed == 2; }));
    const int refreshes = View.Refreshes;

    // A folder made by another program inside the selected folder...
    MakeDir(LocalFolder() + QStringLiteral("Work/From outside"));
    EXPECT_TRUE(WaitUntil([&] { return Node(QStringLiteral("Work/From outside")) != nullptr; }));
    EXPECT_TRUE(WaitUntil([&] { return View.Refreshes > refreshes; }));
    // ...and beside it, in the parent folder.
    MakeDir(LocalFolder() + QStringLiteral("Sibling"));
    EXPECT_TRUE(WaitUntil([&] { return Node(QStringLiteral("Sibling")) != nullptr; }));
    // A folder removed from outside leaves the tree.
    ASSERT_TRUE(QDir(LocalFolder() + QStringLiteral("Sibling")).removeRecursively());
    EXPECT_TRUE(WaitUntil([&] { return Node(QStringLiteral("Sibling")) == nullptr; }));
}

TEST_F(FormMainTest, WatchersStoppedFromInsideTheirOwnNoticeDoNotHang)
{
    MakeDir(DefaultStorageRoot() + QStringLiteral("Local/Work"));
    Start();
    Form->SelectNode(Node(QStringLiteral("Work")));
    ASSERT_TRUE(WatchersArmed(LocalFolder() + QStringLiteral("Work"), LocalFolder()));
    // The refresh inside the selected folder's notice stops the watchers, as a delete chosen
    // while a message box of that refresh is open would.
    int stops = 0;
    View.OnRefresh = [&] {
        if (stops++ == 0)
            Form->SetWatching(false);
    };
    WriteFile(LocalFolder() + QStringLiteral("Work/new.txt"));
    ASSERT_TRUE(WaitUntil([&] { return stops == 1; }));
    View.OnRefresh = nullptr;
    EXPECT_EQ(Form->FolderWatcher(), nullptr);
    EXPECT_EQ(Form->ParentWatcher(), nullptr);
    // Watching again afterwards works as ever.
    Form->SetWatching(true);
    ASSERT_TRUE(WatchersArmed(LocalFolder() + QStringLiteral("Work"), LocalFolder()));
    MakeDir(LocalFolder() + QStringLiteral("Work/Later"));
    EXPECT_TRUE(WaitUntil([&] { return Node(QStringLiteral("Work/Later")) != nullptr; }));
}

TEST_F(FormMainTest, NewFolderPicksFreeNames)
{
    Start();
    Form->Tree()->setFocus();
    for (int i = 0; i < 3; ++i) {
        Form->SelectNode(Form->LocalNode());
        ASSERT_TRUE(Run("ActionNewFolder"));
    }
    for (const char *name : {"New Folder", "New Folder (2)", "New Folder (3)"}) {
        EXPECT_TRUE(QFileInfo(LocalFolder() + QLatin1String(name)).isDir()) << name;
        EXPECT_NE(Node(QLatin1String(name)), nullptr) << name;
    }
    // With the focus in the tree the new node is selected for naming.
    EXPECT_EQ(Form->SelectedNode(), Node(QStringLiteral("New Folder (3)")));
}

TEST_F(FormMainTest, NewBatchesHaveTheirDefaults)
{
    MakeDir(DefaultStorageRoot() + QStringLiteral("Local/Empty"));
    Start();
    Form->SelectNode(Node(QStringLiteral("Empty")));
    ASSERT_TRUE(Run("ActionNewRectangularBatchCover"));
    ASSERT_TRUE(Run("ActionNewLinearBatchHalfCell"));
    ASSERT_TRUE(Run("ActionNewRectangularBatchCover"));
    const QString folder = LocalFolder() + QStringLiteral("Empty/");
    EXPECT_EQ(View.Edited, folder + QStringLiteral("New Batch (2).vcb")) << "the new batch is named at once";

    TBatchItem cover;
    cover.LoadFromFile(folder + QStringLiteral("New Batch.vcb"));
    EXPECT_EQ(cover.BatchType, BatchTypeCover);
    EXPECT_EQ(cover.BatchFormat, BatchFormatGrid);
    EXPECT_EQ(cover.Columns, 4);
    EXPECT_EQ(cover.Rows, 3);
    EXPECT_EQ(cover.LowLimit, 1);
    EXPECT_EQ(cover.HighLimit, 250);
    EXPECT_EQ(cover.Grid, 100);

    TBatchItem halfCell;
    halfCell.LoadFromFile(folder + QStringLiteral("New Batch.vch"));
    EXPECT_EQ(halfCell.BatchType, BatchTypeHalfCell);
    EXPECT_EQ(halfCell.BatchFormat, BatchFormatLinear);
    EXPECT_EQ(halfCell.Columns, 1);
    EXPECT_EQ(halfCell.Rows, 1000);
    EXPECT_EQ(halfCell.LowLimit, -999);
    EXPECT_EQ(halfCell.HighLimit, 999);
}

TEST_F(FormMainTest, DeleteAsksAndDeletes)
{
    const QString work = DefaultStorageRoot() + QStringLiteral("Local/Work/");
    MakeDir(work + QStringLiteral("Old/Inner"));
    WriteFile(work + QStringLiteral("Old/Inner/a.vcb"));
    WriteFile(work + QStringLiteral("one.vcb"));
    WriteFile(work + QStringLiteral("two.vcb"));
    Start();
    Form->Tree()->setFocus();
    Node(QStringLiteral("Work"))->setExpanded(true);
    QTreeWidgetItem *old = Node(QStringLiteral("Work/Old"));
    ASSERT_NE(old, nullptr);
    Form->SelectNode(old);

    // No keeps everything.
    Prompts.Answers = {TPromptAnswer::No};
    ASSERT_TRUE(Run("ActionDeleteFolderFile"));
    EXPECT_EQ(Prompts.Questions,
              QStringList{QStringLiteral("Are you sure you want to remove the folder named 'Old' and all its contents?")});
    EXPECT_TRUE(QFileInfo::exists(work + QStringLiteral("Old/Inner/a.vcb")));

    Prompts.Answers = {TPromptAnswer::Yes};
    ASSERT_TRUE(Run("ActionDeleteFolderFile"));
    EXPECT_FALSE(QFileInfo::exists(work + QStringLiteral("Old")));
    EXPECT_EQ(Node(QStringLiteral("Work/Old")), nullptr);
    EXPECT_EQ(Form->SelectedNode(), Node(QStringLiteral("Work")));

    // In the folder view the view itself asks and deletes.
    View.Focused = true;
    View.Selection = {work + QStringLiteral("one.vcb")};
    ASSERT_TRUE(Run("ActionDeleteFolderFile"));
    EXPECT_EQ(View.Deletes, 1);
    EXPECT_TRUE(Prompts.Errors.isEmpty()) << Prompts.Errors.join(QLatin1Char('|')).toStdString();
}

TEST_F(FormMainTest, CutAndPasteMovesAFolder)
{
    const QString work = DefaultStorageRoot() + QStringLiteral("Local/Work/");
    MakeDir(work + QStringLiteral("Mover"));
    WriteFile(work + QStringLiteral("Mover/data.vcb"), "payload");
    MakeDir(work + QStringLiteral("Target"));
    Start();
    Form->Tree()->setFocus();
    Node(QStringLiteral("Work"))->setExpanded(true);
    Form->SelectNode(Node(QStringLiteral("Work/Mover")));
    Form->UpdateActions();
    EXPECT_FALSE(Action("ActionPasteFolderFile")->isEnabled()) << "nothing on the clipboard yet";
    ASSERT_TRUE(Run("ActionCutFolderFile"));
    const QMimeData *clip = QApplication::clipboard()->mimeData();
    ASSERT_NE(clip, nullptr);
    EXPECT_TRUE(clip->data(QStringLiteral("x-special/gnome-copied-files")).startsWith("cut\nfile://"));
    ASSERT_EQ(clip->urls().size(), 1);
    EXPECT_EQ(clip->urls().constFirst().toLocalFile(), work + QStringLiteral("Mover"));

    Form->SelectNode(Node(QStringLiteral("Work/Target")));
    ASSERT_TRUE(Run("ActionPasteFolderFile"));
    EXPECT_EQ(ReadText(work + QStringLiteral("Target/Mover/data.vcb")), QStringLiteral("payload"));
    EXPECT_FALSE(QFileInfo::exists(work + QStringLiteral("Mover")));
    EXPECT_EQ(Node(QStringLiteral("Work/Mover")), nullptr);
    EXPECT_NE(Node(QStringLiteral("Work/Target/Mover")), nullptr);
    EXPECT_FALSE(QApplication::clipboard()->mimeData() &&
                 QApplication::clipboard()->mimeData()->hasFormat(QStringLiteral("x-special/gnome-copied-files")))
        << "a pasted cut is used up";
    EXPECT_TRUE(Prompts.Errors.isEmpty());
}

TEST_F(FormMainTest, CopyAndPasteAsksBeforeReplacingAndNamesCopiesInTheSameFolder)
{
    const QString work = DefaultStorageRoot() + QStringLiteral("Local/Work/");
    MakeDir(work + QStringLiteral("Src"));
    WriteFile(work + QStringLiteral("Src/a.vcb"), "new");
    MakeDir(work + QStringLiteral("Dst/Src"));
    WriteFile(work + QStringLiteral("Dst/Src/a.vcb"), "old");
    Start();
    Form->Tree()->setFocus();
    Node(QStringLiteral("Work"))->setExpanded(true);
    Form->SelectNode(Node(QStringLiteral("Work/Src")));
    ASSERT_TRUE(Run("ActionCopyFolderFile"));

    // Onto an existing name: the folder question, then the file question; No keeps the old file.
    Form->SelectNode(Node(QStringLiteral("Work/Dst")));
    Prompts.Answers = {TPromptAnswer::Yes, TPromptAnswer::No};
    ASSERT_TRUE(Run("ActionPasteFolderFile"));
    ASSERT_EQ(Prompts.Questions.size(), 2);
    EXPECT_TRUE(Prompts.Questions[0].startsWith(QStringLiteral("The folder already contains a folder named 'Src'")));
    EXPECT_TRUE(Prompts.Questions[1].startsWith(QStringLiteral("The folder already contains a file named 'a.vcb'")));
    EXPECT_EQ(ReadText(work + QStringLiteral("Dst/Src/a.vcb")), QStringLiteral("old"));
    EXPECT_EQ(ReadText(work + QStringLiteral("Src/a.vcb")), QStringLiteral("new")) << "a copy leaves the source";

    // Into its own parent: a copy name.
    Form->SelectNode(Node(QStringLiteral("Work")));
    ASSERT_TRUE(Run("ActionPasteFolderFile"));
    EXPECT_EQ(ReadText(work + QStringLiteral("Copy of Src/a.vcb")), QStringLiteral("new"));
    EXPECT_NE(Node(QStringLiteral("Work/Copy of Src")), nullptr);
    EXPECT_TRUE(Prompts.Errors.isEmpty()) << Prompts.Errors.join(QLatin1Char('|')).toStdString();
}

TEST_F(FormMainTest, RenameRefusesExistingAndForbiddenNames)
{
    const QString work = DefaultStorageRoot() + QStringLiteral("Local/Work/");
    MakeDir(work + QStringLiteral("First"));
    MakeDir(work + QStringLiteral("Second"));
    Start();
    Node(QStringLiteral("Work"))->setExpanded(true);
    QTreeWidgetItem *first = Node(QStringLiteral("Work/First"));
    Form->SelectNode(first);

    EXPECT_FALSE(Form->RenameFolderNode(first, QStringLiteral("Second")));
    EXPECT_EQ(Prompts.Errors,
              QStringList{QStringLiteral("A folder with the name you specified already exists. Specify a different name.")});
    EXPECT_EQ(first->text(0), QStringLiteral("First"));
    EXPECT_TRUE(QFileInfo(work + QStringLiteral("First")).isDir());
    EXPECT_FALSE(Form->RenameFolderNode(first, QStringLiteral("a:b")));
    EXPECT_TRUE(QFileInfo(work + QStringLiteral("First")).isDir());

    EXPECT_TRUE(Form->RenameFolderNode(first, QStringLiteral("Renamed")));
    EXPECT_TRUE(QFileInfo(work + QStringLiteral("Renamed")).isDir());
    EXPECT_FALSE(QFileInfo::exists(work + QStringLiteral("First")));
    EXPECT_EQ(first->text(0), QStringLiteral("Renamed"));
    EXPECT_EQ(Form->findChild<QLabel *>(QStringLiteral("LabelSelectedFolder"))->text(), QStringLiteral("Local/Work/Renamed"));
    // The fixed nodes cannot be renamed.
    EXPECT_FALSE(Form->RenameFolderNode(Form->LocalNode(), QStringLiteral("Elsewhere")));
    EXPECT_TRUE(QFileInfo(LocalFolder()).isDir());
}

TEST_F(FormMainTest, EmptyingANodesNameInTheEditorTellsAndEditsAgain)
{
    const QString work = DefaultStorageRoot() + QStringLiteral("Local/Work/");
    MakeDir(work + QStringLiteral("First"));
    Start();
    Form->show();
    Node(QStringLiteral("Work"))->setExpanded(true);
    QTreeWidgetItem *first = Node(QStringLiteral("Work/First"));
    Form->SelectNode(first);
    Form->Tree()->setFocus();
    QTest::keyClick(Form->Tree(), Qt::Key_F2);
    auto *editor = Form->Tree()->findChild<QLineEdit *>(QStringLiteral("EditFolderName"));
    ASSERT_NE(editor, nullptr);
    editor->clear();
    QTest::keyClick(editor, Qt::Key_Return);
    ASSERT_TRUE(WaitUntil([&] { return !Prompts.Errors.isEmpty(); }));
    EXPECT_EQ(Prompts.Errors,
              QStringList{QStringLiteral("A folder with the name you specified already exists. Specify a different name.")});
    EXPECT_EQ(first->text(0), QStringLiteral("First"));
    EXPECT_TRUE(QFileInfo(work + QStringLiteral("First")).isDir());
    EXPECT_TRUE(WaitUntil([&] { return Form->Tree()->findChild<QLineEdit *>(QStringLiteral("EditFolderName")) != nullptr; }))
        << "editing starts again";
}

TEST_F(FormMainTest, TypingAForbiddenCharacterInANameIsRefused)
{
    QLineEdit edit;
    edit.setValidator(new TFolderNameValidator(&edit));
    auto type = [&](int key, const QString &text) {
        QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, text);
        QApplication::sendEvent(&edit, &press);
    };
    type(Qt::Key_A, QStringLiteral("a"));
    for (const char *c : {":", "\\", "/", "*", "?", "\"", "<", ">", "|"})
        type(Qt::Key_unknown, QLatin1String(c));
    type(Qt::Key_B, QStringLiteral("b"));
    EXPECT_EQ(edit.text(), QStringLiteral("ab"));
    type(Qt::Key_Backspace, QString());
    EXPECT_EQ(edit.text(), QStringLiteral("a"));
    type(Qt::Key_Space, QStringLiteral(" "));
    type(Qt::Key_Period, QStringLiteral("."));
    EXPECT_EQ(edit.text(), QStringLiteral("a ."));
}

TEST_F(FormMainTest, DroppingFilesFromOtherProgramsCopiesThem)
{
    QTemporaryDir outside;
    WriteFile(outside.path() + QStringLiteral("/Dropped.vcb"), "dropped");
    MakeDir(outside.path() + QStringLiteral("/Folder/Sub"));
    MakeDir(DefaultStorageRoot() + QStringLiteral("Local/Work"));
    Start();
    QTreeWidgetItem *work = Node(QStringLiteral("Work"));

    QMimeData mime;
    mime.setUrls({QUrl::fromLocalFile(outside.path() + QStringLiteral("/Dropped.vcb")),
                  QUrl::fromLocalFile(outside.path() + QStringLiteral("/Folder"))});
    Form->SetDragSourceFolder(&mime);
    EXPECT_EQ(Form->ChooseDropAction(work, Qt::ControlModifier, Qt::CopyAction | Qt::MoveAction), Qt::CopyAction);
    EXPECT_EQ(Form->ChooseDropAction(work, Qt::ShiftModifier, Qt::CopyAction | Qt::MoveAction), Qt::MoveAction);
    EXPECT_EQ(Form->ChooseDropAction(work, Qt::ControlModifier | Qt::ShiftModifier, Qt::CopyAction | Qt::LinkAction),
              Qt::IgnoreAction) << "links are never made";
    EXPECT_EQ(Form->ChooseDropAction(Form->GaugeNode(), Qt::NoModifier, Qt::CopyAction), Qt::IgnoreAction);
    Form->DropFiles(&mime, work, Qt::CopyAction);
    EXPECT_EQ(ReadText(LocalFolder() + QStringLiteral("Work/Dropped.vcb")), QStringLiteral("dropped"));
    EXPECT_TRUE(QFileInfo(LocalFolder() + QStringLiteral("Work/Folder/Sub")).isDir());
    EXPECT_TRUE(QFileInfo::exists(outside.path() + QStringLiteral("/Dropped.vcb")));
    EXPECT_NE(Node(QStringLiteral("Work/Folder")), nullptr);
}

TEST_F(FormMainTest, DraggingAFolderWithinTheTree)
{
    const QString work = DefaultStorageRoot() + QStringLiteral("Local/Work/");
    MakeDir(work + QStringLiteral("Moving"));
    MakeDir(work + QStringLiteral("Into"));
    Start();
    Node(QStringLiteral("Work"))->setExpanded(true);
    QTreeWidgetItem *into = Node(QStringLiteral("Work/Into"));
    std::unique_ptr<QMimeData> mime(TFormMain::FileListMimeData({work + QStringLiteral("Moving")}, false));
    EXPECT_TRUE(mime->hasFormat(QStringLiteral("text/uri-list")));
    Form->SetDragSourceFolder(mime.get());

    // Onto its own parent: refused. Same file system, no key: moved.
    EXPECT_EQ(Form->ChooseDropAction(Node(QStringLiteral("Work")), Qt::NoModifier, Qt::CopyAction | Qt::MoveAction),
              Qt::IgnoreAction);
    const Qt::DropAction action = Form->ChooseDropAction(into, Qt::NoModifier, Qt::CopyAction | Qt::MoveAction);
    EXPECT_EQ(action, Qt::MoveAction);
    Form->DropFiles(mime.get(), into, action);
    EXPECT_TRUE(QFileInfo(work + QStringLiteral("Into/Moving")).isDir());
    EXPECT_FALSE(QFileInfo::exists(work + QStringLiteral("Moving")));
    EXPECT_EQ(Node(QStringLiteral("Work/Moving")), nullptr);
}

TEST_F(FormMainTest, DropEventsOnTheTreeCopyFilesIntoTheFolderUnderTheMouse)
{
    QTemporaryDir outside;
    WriteFile(outside.path() + QStringLiteral("/Outside.vch"), "half-cell");
    MakeDir(DefaultStorageRoot() + QStringLiteral("Local/Work"));
    Form = std::make_unique<TFormMain>();
    Form->Settings().ItemByName(QStringLiteral("ComPort")).SetAsInteger(0);
    Form->SetFolderView(&View);
    Form->show();
    QTreeWidgetItem *work = Node(QStringLiteral("Work"));
    ASSERT_NE(work, nullptr);
    QWidget *viewport = Form->Tree()->viewport();
    const QPoint at = Form->Tree()->visualItemRect(work).center();
    ASSERT_FALSE(at.isNull());

    QMimeData mime;
    mime.setUrls({QUrl::fromLocalFile(outside.path() + QStringLiteral("/Outside.vch"))});
    const Qt::DropActions offered = Qt::CopyAction | Qt::MoveAction;
    QDragEnterEvent enter(at, offered, &mime, Qt::LeftButton, Qt::ControlModifier);
    QApplication::sendEvent(viewport, &enter);
    EXPECT_TRUE(enter.isAccepted());
    QDragMoveEvent move(at, offered, &mime, Qt::LeftButton, Qt::ControlModifier);
    QApplication::sendEvent(viewport, &move);
    EXPECT_TRUE(move.isAccepted());
    EXPECT_EQ(move.dropAction(), Qt::CopyAction);
    // The node under the mouse is marked as the drop target, drawn as a highlighted node.
    auto *tree = static_cast<TTreeViewMain *>(Form->Tree());
    EXPECT_EQ(tree->DropTarget(), work);
    const QRect row = Form->Tree()->visualItemRect(work);
    auto marked = [&] {
        const QColor pixel = viewport->grab().toImage().pixelColor(row.right() - 2, row.center().y());
        const QPalette palette = Form->Tree()->palette();
        return pixel == palette.color(QPalette::Active, QPalette::Highlight) ||
               pixel == palette.color(QPalette::Inactive, QPalette::Highlight);
    };
    EXPECT_TRUE(marked());
    QDropEvent drop(QPointF(at), offered, &mime, Qt::LeftButton, Qt::ControlModifier);
    QApplication::sendEvent(viewport, &drop);
    EXPECT_EQ(tree->DropTarget(), nullptr) << "the mark is cleared after the drop";
    EXPECT_FALSE(marked());
    EXPECT_EQ(ReadText(LocalFolder() + QStringLiteral("Work/Outside.vch")), QStringLiteral("half-cell"));
    EXPECT_TRUE(QFileInfo::exists(outside.path() + QStringLiteral("/Outside.vch"))) << "Ctrl copies";

    // Over a fixed node other than Local nothing may be dropped.
    const QPoint gauge = Form->Tree()->visualItemRect(Form->GaugeNode()).center();
    QDragMoveEvent refused(gauge, offered, &mime, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(viewport, &refused);
    EXPECT_FALSE(refused.isAccepted());
}
