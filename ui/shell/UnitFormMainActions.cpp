// The main window's commands: folder and file actions, clipboard, drag and drop, export,
// storage directory, preferences, help and about.
#include "UnitBatchList.h"
#include "UnitDialogHooks.h"
#include "UnitException.h"
#include "UnitExport.h"
#include "UnitFileOperations.h"
#include "UnitFolderViewLink.h"
#include "UnitFormAbout.h"
#include "UnitFormMain.h"
#include "UnitFormPreferences.h"
#include "UnitPrompt.h"
#include "UnitDropEffect.h"
#include "UnitStorage.h"
#include "UnitThreadDirectory.h"
#include "UnitTreeViewMain.h"
#include "UnitUnits.h"
#include "UnitfocClipboard.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QFileInfo>
#include <QMimeData>
#include <QStyle>
#include <QUrl>
#include <utility>

namespace {
const char *CopiedFilesType = "x-special/gnome-copied-files";


QStringList LocalPathsOf(const QMimeData *mime)
{
    QStringList paths;
    if (!mime)
        return paths;
    for (const QUrl &url : mime->urls())
        if (url.isLocalFile())
            paths << ExcludeTrailingSlash(url.toLocalFile());
    return paths;
}

// The preferred effect of a file-list clipboard: true for a cut.
bool ClipboardIsCut(const QMimeData *mime)
{
    const QByteArray data = mime ? mime->data(QLatin1String(CopiedFilesType)) : QByteArray();
    return data.startsWith("cut");
}
} // namespace

QAction *TFormMain::NewAction(const char *name, const QString &caption, const std::function<void()> &execute)
{
    auto *action = new QAction(caption, this);
    action->setObjectName(QLatin1String(name));
    connect(action, &QAction::triggered, this, [this, action, execute] {
        // The enabled state is evaluated when the user interface is idle; a trigger arriving
        // before that (a shortcut, a script) is checked against the current state.
        UpdateActions();
        if (!action->isEnabled())
            return;
        try {
            execute();
        } catch (const Exception &e) {
            Prompt().Error(e.Message());
        }
        UpdateActions();
    });
    return action;
}

void TFormMain::CreateActions()
{
    QStyle *style = QApplication::style();
    auto set = [](QAction *a, const QIcon &icon, const QKeySequence &key = {}) {
        a->setIcon(icon);
        if (!key.isEmpty()) {
            a->setShortcut(key);
            a->setShortcutContext(Qt::WindowShortcut);
        }
        return a;
    };
    set(NewAction("ActionNewFolder", Tr("New Folder"), [this] { ActionNewFolderExecute(); }),
        style->standardIcon(QStyle::SP_FileDialogNewFolder));
    set(NewAction("ActionNewFolderMenu", Tr("Folder"), [this] { ActionNewFolderExecute(); }),
        style->standardIcon(QStyle::SP_FileDialogNewFolder));
    set(NewAction("ActionDeleteFolderFile", Tr("Delete"), [this] { ActionDeleteFolderFileExecute(); }),
        style->standardIcon(QStyle::SP_TrashIcon), QKeySequence(Qt::CTRL | Qt::Key_D));
    set(NewAction("ActionRenameFolderFile", Tr("Rename"), [this] { ActionRenameFolderFileExecute(); }),
        style->standardIcon(QStyle::SP_FileDialogInfoView));
    set(NewAction("ActionCutFolderFile", Tr("Cut"), [this] { ActionCutFolderFileExecute(); }),
        QIcon::fromTheme(QStringLiteral("edit-cut"), style->standardIcon(QStyle::SP_DialogDiscardButton)),
        QKeySequence(Qt::CTRL | Qt::Key_X));
    set(NewAction("ActionCopyFolderFile", Tr("Copy"), [this] { ActionCopyFolderFileExecute(); }),
        QIcon::fromTheme(QStringLiteral("edit-copy"), style->standardIcon(QStyle::SP_FileLinkIcon)),
        QKeySequence(Qt::CTRL | Qt::Key_C));
    set(NewAction("ActionPasteFolderFile", Tr("Paste"), [this] { ActionPasteFolderFileExecute(); }),
        QIcon::fromTheme(QStringLiteral("edit-paste"), style->standardIcon(QStyle::SP_DialogSaveButton)),
        QKeySequence(Qt::CTRL | Qt::Key_V));
    set(NewAction("ActionSelectAll", Tr("Select All"), [this] { ActionSelectAllExecute(); }), {},
        QKeySequence(Qt::CTRL | Qt::Key_A));
    // Shown as an arrow only; the text names the button for a screen reader. Alt+Up goes to the
    // parent folder, as in file managers.
    set(NewAction("ActionBack", Tr("Back"), [this] { ActionBackExecute(); }), style->standardIcon(QStyle::SP_ArrowBack),
        QKeySequence(Qt::ALT | Qt::Key_Up))
        ->setToolTip(Tr("Back"));
    const struct {
        const char *name;
        const char *caption;
        std::uint8_t type, format;
    } batches[] = {{"ActionNewRectangularBatchCover", QT_TRID_NOOP("Grid Batch"), BatchTypeCover, BatchFormatGrid},
                   {"ActionNewRectangularBatchHalfCell", QT_TRID_NOOP("Grid Batch"), BatchTypeHalfCell, BatchFormatGrid},
                   {"ActionNewLinearBatchCover", QT_TRID_NOOP("Linear Batch"), BatchTypeCover, BatchFormatLinear},
                   {"ActionNewLinearBatchHalfCell", QT_TRID_NOOP("Linear Batch"), BatchTypeHalfCell, BatchFormatLinear}};
    for (const auto &b : batches)
        set(NewAction(b.name, Tr(b.caption), [this, b] { NewBatch(b.type, b.format); }),
            style->standardIcon(QStyle::SP_FileIcon));
    set(NewAction("ActionExportToExcel", Tr("Export"), [this] { ExportToSpreadsheet(); }),
        style->standardIcon(QStyle::SP_DialogSaveButton));
    set(NewAction("ActionChangeStorageDirectory", Tr("Change Storage Directory"),
[this] { ActionChangeStorageDirectoryExecute(); }),
        style->standardIcon(QStyle::SP_DirOpenIcon));
    NewAction("ActionPreferences", Tr("Preferences"), [this] { ActionPreferencesExecute(); });
    NewAction("ActionExit", Tr("Exit"), [this] { close(); });
    set(NewAction("ActionHelp", Tr("Orvalis Help"), [this] { ActionHelpExecute(); }),
        style->standardIcon(QStyle::SP_DialogHelpButton), QKeySequence::HelpContents);
    NewAction("ActionAbout", Tr("About"), [this] { ActionAboutExecute(); });
}

// --- enabled states

bool TFormMain::ListFocused() const { return FFolderView && FFolderView->ListHasFocus(); }

bool TFormMain::TreeFocused() const
{
    if (FTree->hasFocus())
        return true;
    // Without keyboard focus anywhere in the window (a window in the background, a test), the
    // side last focused counts.
    return !ListFocused() && FTreeHadFocus;
}

void TFormMain::UpdateActions()
{
    auto enable = [this](const char *name, bool on) {
        if (QAction *a = findChild<QAction *>(QLatin1String(name)))
            a->setEnabled(on);
    };
    QTreeWidgetItem *node = SelectedNode();
    const bool browse = BrowsePanesVisible();
    const bool tree = TreeFocused();
    const bool list = !tree && ListFocused();
    const bool underLocal = IsUnderLocal(node) && browse;
    const bool listSelection = list && !FFolderView->SelectedPaths().isEmpty();
    const bool folderFile = (tree && IsBelowLocal(node)) || listSelection;
    const QMimeData *clip = QApplication::clipboard()->mimeData();
    const bool clipFiles = clip && clip->hasFormat(QLatin1String(CopiedFilesType)) && clip->hasUrls();
    bool exportable = false;
    if (!tree && underLocal && FFolderView)
        for (const QString &path : FFolderView->SelectedPaths())
            exportable = exportable || (QFileInfo(path).isFile() && FileTypeOfName(path) == FileTypeBatch);

    enable("ActionNewFolder", underLocal);
    enable("ActionNewFolderMenu", underLocal);
    enable("ActionSelectAll", underLocal);
    enable("ActionNewRectangularBatchCover", underLocal);
    enable("ActionNewRectangularBatchHalfCell", underLocal);
    enable("ActionNewLinearBatchCover", underLocal);
    enable("ActionNewLinearBatchHalfCell", underLocal);
    enable("ActionDeleteFolderFile", folderFile);
    enable("ActionRenameFolderFile", folderFile);
    enable("ActionCutFolderFile", folderFile);
    enable("ActionCopyFolderFile", folderFile);
    enable("ActionPasteFolderFile", clipFiles && ((tree && IsUnderLocal(node)) || list));
    enable("ActionBack", IsBelowLocal(node) && browse);
    enable("ActionExportToExcel", exportable);
    enable("ActionChangeStorageDirectory", NodeKind(node) == TNodeKind::Root);
    enable("ActionPreferences", browse);
}

// --- folder and file actions

void TFormMain::ActionNewFolderExecute()
{
    QTreeWidgetItem *node = SelectedNode();
    FTree->EndEditing();
    const QString folder = FolderPathOfNode(node);
    const QString path = DefaultName(folder, Tr("New Folder"), QString());
    if (!QDir().mkpath(path))
        throw Exception(Tr("Unable to create directories"));
    RescanNode(node, true);
    if (FFolderView)
        FFolderView->RefreshView();
    node->setExpanded(true);
    QTreeWidgetItem *created = NodeOfFolder(path);
    if (TreeFocused() || !FFolderView) {
        if (created) {
            SelectNode(created);
            FTree->editItem(created, 0);
        }
    } else {
        FFolderView->SelectAndEdit(path);
    }
}

void TFormMain::NewBatch(std::uint8_t batchType, std::uint8_t batchFormat)
{
    const QString folder = FolderPathOfNode(SelectedNode());
    const QString extension = batchType == BatchTypeCover ? QStringLiteral(".vcb") : QStringLiteral(".vch");
    const QString path = DefaultName(folder, Tr("New Batch"), extension);
    TBatchItem batch;
    batch.SetNewBatchDefaults(batchType, batchFormat);
    batch.SaveToFile(path);
    if (FFolderView) {
        FFolderView->RefreshView();
        FFolderView->SelectAndEdit(path);
    }
}

void TFormMain::ActionDeleteFolderFileExecute()
{
    StopWatchers();
    struct TRewatch {
        TFormMain *Form;
        ~TRewatch() { Form->WatchNode(Form->SelectedNode()); }
    } rewatch{this};
    if (TreeFocused()) {
        QTreeWidgetItem *node = SelectedNode();
        if (!IsBelowLocal(node))
            return;
        if (Prompt().YesNo(Tr("Are you sure you want to remove the folder named '%1' and all its contents?")
                               .arg(node->text(0))) != TPromptAnswer::Yes)
            return;
        QTreeWidgetItem *parent = node->parent();
        const QString path = ExcludeTrailingSlash(FolderPathOfNode(node));
        try {
            TBusyCursor busy;
            if (PathExists(path))
                DeleteTree(path);
        } catch (...) {
            RescanNode(parent, true);
            throw;
        }
        SelectNode(parent);
        if (FFolderView)
            FFolderView->RefreshView();
        RescanNode(parent, true);
        return;
    }
    // The view names a single item by its caption, as its list shows it.
    if (FFolderView)
        FFolderView->DeleteSelection();
}

void TFormMain::ActionRenameFolderFileExecute()
{
    if (TreeFocused()) {
        if (QTreeWidgetItem *node = SelectedNode(); IsBelowLocal(node))
            FTree->editItem(node, 0);
    } else if (FFolderView) {
        FFolderView->EditSelectedCaption();
    }
}

QStringList TFormMain::ActionPaths() const
{
    if (TreeFocused()) {
        QTreeWidgetItem *node = SelectedNode();
        return IsBelowLocal(node) ? QStringList{ExcludeTrailingSlash(FolderPathOfNode(node))} : QStringList();
    }
    return FFolderView ? FFolderView->SelectedPaths() : QStringList();
}

QMimeData *TFormMain::FileListMimeData(const QStringList &paths, bool cut) { return ::FileListMimeData(paths, cut); }

void TFormMain::ActionCutFolderFileExecute()
{
    const QStringList paths = ActionPaths();
    if (!paths.isEmpty())
        QApplication::clipboard()->setMimeData(FileListMimeData(paths, true));
}

void TFormMain::ActionCopyFolderFileExecute()
{
    const QStringList paths = ActionPaths();
    if (!paths.isEmpty())
        QApplication::clipboard()->setMimeData(FileListMimeData(paths, false));
}

void TFormMain::ActionPasteFolderFileExecute()
{
    const QMimeData *clip = QApplication::clipboard()->mimeData();
    if (!clip)
        return;
    QTreeWidgetItem *target = SelectedNode();
    if (!IsUnderLocal(target))
        return;
    SetDragSourceFolder(clip);
    DropFiles(clip, target, ClipboardIsCut(clip) ? Qt::MoveAction : Qt::CopyAction);
}

void TFormMain::ActionSelectAllExecute()
{
    if (FFolderView)
        FFolderView->SelectAll();
}

void TFormMain::ActionBackExecute()
{
    if (QTreeWidgetItem *node = SelectedNode(); IsBelowLocal(node))
        SelectNode(node->parent());
}

// --- drag and drop

void TFormMain::SetDragSourceFolder(const QMimeData *mime)
{
    const QStringList paths = LocalPathsOf(mime);
    FDragSourceFolder = paths.isEmpty() ? QString() : IncludeTrailingSlash(QFileInfo(paths.constFirst()).absolutePath());
}

Qt::DropAction TFormMain::ChooseDropAction(QTreeWidgetItem *target, Qt::KeyboardModifiers modifiers,
                                           Qt::DropActions offered) const
{
    if (!IsUnderLocal(target))
        return Qt::IgnoreAction;
    return ::ChooseDropAction(FolderPathOfNode(target), FDragSourceFolder, modifiers, offered);
}

void TFormMain::DropFiles(const QMimeData *mime, QTreeWidgetItem *target, Qt::DropAction action)
{
    if (!IsUnderLocal(target) || (action != Qt::CopyAction && action != Qt::MoveAction))
        return;
    const QStringList paths = LocalPathsOf(mime);
    if (paths.isEmpty())
        return;
    const QString targetFolder = FolderPathOfNode(target);
    StopWatchers();
    QStringList parents;
    QString failure;
    {
        TBusyCursor busy;
        bool yesToAll = false;
        try {
            for (const QString &path : paths) {
                QString destination = targetFolder + QFileInfo(path).fileName();
                const QString parent = IncludeTrailingSlash(QFileInfo(path).absolutePath());
                if (!parents.contains(parent))
                    parents << parent;
                if (action == Qt::MoveAction) {
                    if (QDir::cleanPath(destination) != QDir::cleanPath(path))
                        MoveTree(path, destination, yesToAll);
                } else {
                    if (QDir::cleanPath(destination) == QDir::cleanPath(path))
                        destination = CopyName(path);
                    CopyTree(path, destination, yesToAll);
                }
            }
        } catch (const Exception &e) {
            failure = e.Message();
        }
    }
    for (const QString &parent : std::as_const(parents))
        RescanFolderNodes(parent, true);
    if (action == Qt::MoveAction)
        ClearFileListClipboard();
    RescanFolderNodes(targetFolder, true);
    if (FFolderView)
        FFolderView->RefreshView();
    WatchNode(SelectedNode());
    FDragSourceFolder.clear();
    if (!failure.isEmpty())
        Prompt().Error(failure);
}

// --- export

void TFormMain::ExportToSpreadsheet()
{
    if (!FFolderView)
        return;
    // What is exported is what was selected when asked, by name: the dialogs serve events, and the
    // folder view's list may be refreshed meanwhile.
    const QStringList paths = FFolderView->SelectedPaths();
    TSettingsItem &last = FSettings.ItemByName(QStringLiteral("LastExcelExport"));
    // The form of the last export is offered first.
    const QString fileName = DialogHooks().SaveFileName(this, Tr("Export"), last.AsString(),
                                                        ExportDialogFilter(last.AsString()),
                                                        ExportDefaultSuffix(last.AsString()));
    if (fileName.isEmpty())
        return;
    last.SetAsString(fileName);
    if (QFileInfo::exists(fileName) &&
        Prompt().YesNo(Tr("Would you like to replace the existing file?")) != TPromptAnswer::Yes)
        return;
    TBusyCursor busy;
    TBatchList list;
    for (const QString &path : paths) {
        if (!QFileInfo(path).isFile() || FileTypeOfName(path) != FileTypeBatch)
            continue;
        TBatchItem *batch = list.Add();
        try {
            batch->LoadFromFile(path);
        } catch (const Exception &) {
            // Exported from what its entry holds (the header values, from the cache perhaps).
            if (const TFileItem *entry = FFolderView->BatchEntry(path))
                *batch = entry->Batch;
            if (batch->ID.isEmpty())
                batch->ID = QFileInfo(path).completeBaseName();
        }
    }
    const TExportForm form = ExportFormOf(fileName);
    if (form != TExportForm::None)
        ExportSpreadsheet(list, fileName);
    // A drawing is for the CAD program, not the spreadsheet program.
    if (form != TExportForm::Dxf)
        DialogHooks().OpenSpreadsheet(fileName);
}

// --- storage directory, preferences, help, about

void TFormMain::ActionChangeStorageDirectoryExecute()
{
    const QString path = DialogHooks().BrowseFolder(
        this, Tr("Select the directory in which to store application data"), GetStorageRoot());
    if (path.isEmpty())
        return;
    // The connection is replaced: the new one polls the gauge and reads its list again.
    emit GaugeLinkStop();
    StopWatchers();
    SetStorageRoot(path, FSettings, [this] { BuildTree(); }, [this] { LoadTabReports(); });
    SelectNode(FLocalNode);
    emit GaugeLinkStart();
}

void TFormMain::ActionPreferencesExecute()
{
    TFormPreferences preferences(this);
    preferences.Settings().Assign(&FSettings);
    const int oldPort = FSettings.ItemByName(QStringLiteral("ComPort")).AsInteger();
    preferences.Prepare();
    preferences.ShowPage(std::exchange(FPreferencesPage, -1));
    const int result = ExecDialog(preferences);
    if (result == QDialog::Accepted) {
        SelectNode(FRootNode);
        FSettings.Assign(&preferences.Settings());
        ApplyUnitSettings(FSettings);
        if (FSettings.ItemByName(QStringLiteral("ComPort")).AsInteger() != oldPort) {
            emit GaugeLinkStop();
            emit GaugeLinkStart();
        }
        emit UnitsChanged();
    }
    emit PreferencesClosed(result);
}

void TFormMain::ShowPreferences(int page)
{
    // Through the action, so that it runs only where the action may.
    QAction *action = findChild<QAction *>(QStringLiteral("ActionPreferences"));
    if (!action || !action->isEnabled())
        return;
    FPreferencesPage = page;
    action->trigger();
    FPreferencesPage = -1;
}

void TFormMain::ActionHelpExecute()
{
    const QString help = HelpFileName();
    if (help.isEmpty() || !DialogHooks().OpenFile(help))
        Prompt().Error(Tr("Unable to open the help file %1").arg(help.isEmpty() ? QStringLiteral("index.html") : help));
}

void TFormMain::ActionAboutExecute()
{
    TFormAbout about(this);
    ExecDialog(about);
}
