#include "UnitFormMain.h"
#include "UnitKeyboardAccess.h"
#include "UnitApplicationNames.h"
#include "UnitDialogHooks.h"
#include "UnitException.h"
#include "UnitFileOperations.h"
#include "UnitFocusReturn.h"
#include "UnitFolderViewLink.h"
#include "UnitFormPleaseWait.h"
#include "UnitFormSplash.h"
#include "UnitPrompt.h"
#include "UnitStorage.h"
#include "UnitThreadDirectory.h"
#include "UnitTreeViewMain.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QCloseEvent>
#include <QDir>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenuBar>
#include <QMimeData>
#include <QSplitter>
#include <QStackedWidget>
#include <QStatusBar>
#include <QStyle>
#include <QTimer>
#include <QToolBar>
#include <QVBoxLayout>

namespace {
constexpr int KindRole = Qt::UserRole;
constexpr int PictureRole = Qt::UserRole + 1;

// Node pictures by index: 0 root, 2 templates, 3 reports, 4 local, 5 folder, 6 gauge.
QIcon NodeIcon(int picture)
{
    QStyle *style = QApplication::style();
    switch (picture) {
    case 0: return style->standardIcon(QStyle::SP_DirHomeIcon);
    case 2: return style->standardIcon(QStyle::SP_FileDialogDetailedView);
    case 3: return style->standardIcon(QStyle::SP_FileDialogContentsView);
    case 4: return style->standardIcon(QStyle::SP_DriveHDIcon);
    case 5: return style->standardIcon(QStyle::SP_DirIcon);
    case 6: return style->standardIcon(QStyle::SP_ComputerIcon);
    default: return {};
    }
}

// Tree nodes sort like the folder view lists its entries: by name, letter case ignored.
class TTreeNode : public QTreeWidgetItem {
public:
    using QTreeWidgetItem::QTreeWidgetItem;
    bool operator<(const QTreeWidgetItem &other) const override { return FileNameLess(text(0), other.text(0)); }
};

} // namespace

QString HelpFileName()
{
    const QString app = QCoreApplication::applicationDirPath();
    QStringList candidates = {app + QStringLiteral("/help/index.html")};
    if (!InstalledDataFolder().isEmpty())
        candidates << InstalledDataFolder() + QStringLiteral("Orvalis/help/index.html");
    candidates << QStringLiteral(ORVALIS_HELP_DIR "/index.html");
    for (const QString &candidate : candidates) {
        if (QFileInfo(candidate).isFile())
            return QFileInfo(candidate).absoluteFilePath();
    }
    return {};
}

TFormMain::TFormMain(QWidget *parent, bool withSplash) : QMainWindow(parent)
{
    setObjectName(QStringLiteral("FormMain"));
    setWindowTitle(ProgramTitle());
    resize(1000, 700);
    if (withSplash) {
        FSplash = new TFormSplash;
        FSplash->show();
        FSplash->repaint();
        QApplication::processEvents();
    }
    CreateActions();
    CreateLayout();
    MakeKeyboardAccessible(this);
    // A root on a server that cannot be reached would hold the window up at its first file call:
    // it is looked at on a thread of its own first, for a limited time.
    FStorageProbe = std::make_unique<TFolderProbe>();
    const TFolderAnswer answer = FStorageProbe->Ask(GetStorageRoot(), StorageAnswerMs);
    FStorageUnavailable = answer == TFolderAnswer::Pending || answer == TFolderAnswer::Unreachable;
    if (FStorageUnavailable)
        ShowStorageUnavailable();
    else
        RunStorageStartup(FSettings, [this] { LoadTabReports(); });
    FPleaseWait = new TFormPleaseWait(this);
    connect(FPleaseWait, &QDialog::rejected, this, [this] { FBusy = false; });
    connect(qApp, &QApplication::focusChanged, this, [this](QWidget *, QWidget *now) {
        if (now == FTree)
            FTreeHadFocus = true;
        else if (now && FFolderView && FFolderView->Widget()->isAncestorOf(now))
            FTreeHadFocus = false;
        UpdateActions();
    });
    connect(QApplication::clipboard(), &QClipboard::dataChanged, this, &TFormMain::UpdateActions);
}

TFormMain::~TFormMain()
{
    // Focus and clipboard notices must not reach a half-destroyed window.
    disconnect(qApp, nullptr, this, nullptr);
    disconnect(QApplication::clipboard(), nullptr, this, nullptr);
    StopWatchers();
    delete FSplash;
    if (FFolderView)
        FFolderView->Widget()->setParent(nullptr);
    for (QWidget *pane : std::as_const(FPanes))
        if (pane)
            pane->setParent(nullptr);
}

QTreeWidget *TFormMain::Tree() const { return FTree; }

void TFormMain::CreateLayout()
{
    // Band 1: the menu bar.
    QMenu *file = menuBar()->addMenu(Tr("File"));
    file->setObjectName(QStringLiteral("MenuFile"));
    file->addAction(findChild<QAction *>(QStringLiteral("ActionPreferences")));
    file->addSeparator();
    file->addAction(findChild<QAction *>(QStringLiteral("ActionExit")));
    QMenu *help = menuBar()->addMenu(Tr("Help"));
    help->setObjectName(QStringLiteral("MenuHelp"));
    help->addAction(findChild<QAction *>(QStringLiteral("ActionHelp")));
    help->addSeparator();
    help->addAction(findChild<QAction *>(QStringLiteral("ActionAbout")));

    // Select All is in no menu; its shortcut works through the window, whichever control has the focus.
    addAction(findChild<QAction *>(QStringLiteral("ActionSelectAll")));

    // Band 2: the node's buttons; band 3: the selected-folder bar.
    FToolBarMain = addToolBar(QStringLiteral("ToolBarMain"));
    FToolBarMain->setObjectName(QStringLiteral("ToolBarMain"));
    FToolBarMain->setAccessibleName(Tr("Commands"));
    FToolBarMain->setIconSize(QSize(32, 32));
    FToolBarMain->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    FToolBarMain->setMovable(false);
    FToolBarMain->setMinimumHeight(38);
    addToolBarBreak();
    QToolBar *folderBar = addToolBar(QStringLiteral("ToolBarSelectedFolder"));
    folderBar->setObjectName(QStringLiteral("ToolBarSelectedFolder"));
    folderBar->setAccessibleName(Tr("Selected Folder"));
    folderBar->setMovable(false);
    folderBar->setIconSize(QSize(16, 16));
    folderBar->addAction(findChild<QAction *>(QStringLiteral("ActionBack")));
    FImageSelectedFolder = new QLabel(folderBar);
    FImageSelectedFolder->setObjectName(QStringLiteral("ImageSelectedFolder"));
    FImageSelectedFolder->setFixedSize(20, 16);
    folderBar->addWidget(FImageSelectedFolder);
    FLabelSelectedFolder = new QLabel(folderBar);
    FLabelSelectedFolder->setObjectName(QStringLiteral("LabelSelectedFolder"));
    FLabelSelectedFolder->setStyleSheet(QStringLiteral("QLabel { font-weight: bold; font-size: 15px; color: grey; }"));
    folderBar->addWidget(FLabelSelectedFolder);

    // Left: "Folder List" over the tree; right: the pane of the selected node.
    FSplitter = new QSplitter(Qt::Horizontal, this);
    FSplitter->setObjectName(QStringLiteral("SplitterFolder"));
    FPanelFolder = new QWidget(FSplitter);
    FPanelFolder->setObjectName(QStringLiteral("PanelFolder"));
    auto *folderLayout = new QVBoxLayout(FPanelFolder);
    folderLayout->setContentsMargins(0, 0, 0, 0);
    folderLayout->setSpacing(0);
    auto *header = new QLabel(Tr("Folder List"), FPanelFolder);
    header->setObjectName(QStringLiteral("LabelFolderList"));
    header->setFrameShape(QFrame::StyledPanel);
    header->setContentsMargins(4, 3, 4, 3);
    folderLayout->addWidget(header);
    FTree = new TTreeViewMain(this, this);
    FTree->setAccessibleName(Tr("Folder List"));
    header->setBuddy(FTree);
    folderLayout->addWidget(FTree);
    FPanelInfoView = new QStackedWidget(FSplitter);
    FPanelInfoView->setObjectName(QStringLiteral("PanelInfoView"));
    auto *empty = new QWidget(FPanelInfoView);
    empty->setObjectName(QStringLiteral("PaneNone"));
    FPanelInfoView->addWidget(empty);
    FSplitter->addWidget(FPanelFolder);
    FSplitter->addWidget(FPanelInfoView);
    FSplitter->setStretchFactor(1, 1);
    FSplitter->setSizes({180, 820});
    setCentralWidget(FSplitter);

    for (int i = 0; i < 2; ++i) {
        FStatusPanels[i] = new QLabel(this);
        FStatusPanels[i]->setObjectName(QStringLiteral("StatusPanel%1").arg(i));
        // The first panel tells what the gauge connection is doing, in a whole sentence: it takes
        // the width the second leaves.
        // A long text is cut at the window's edge rather than widening the window.
        if (i == 0) {
            FStatusPanels[i]->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
            FStatusPanels[i]->setMinimumWidth(208);
        } else
            FStatusPanels[i]->setFixedWidth(100);
        statusBar()->addWidget(FStatusPanels[i], i == 0 ? 1 : 0);
    }

    connect(FTree, &QTreeWidget::itemSelectionChanged, this, &TFormMain::SelectionChanged);
    connect(FTree, &QTreeWidget::itemExpanded, this, [this](QTreeWidgetItem *node) {
        if (!IsUnderLocal(node))
            return;
        TBusyCursor busy;
        RescanNode(node, true);
        node->sortChildren(0, Qt::AscendingOrder);
    });
    FTree->installEventFilter(this);
    new TFocusReturn(FTree);
    FTree->setContextMenuPolicy(Qt::ActionsContextMenu);
    const char *contextActions[] = {"ActionChangeStorageDirectory", nullptr, "ActionCutFolderFile",
                                    "ActionCopyFolderFile", "ActionPasteFolderFile", nullptr,
                                    "ActionRenameFolderFile", "ActionDeleteFolderFile", nullptr,
                                    "ActionNewFolder"};
    for (const char *name : contextActions) {
        if (name) {
            FTree->addAction(findChild<QAction *>(QLatin1String(name)));
        } else {
            auto *separator = new QAction(FTree);
            separator->setSeparator(true);
            FTree->addAction(separator);
        }
    }
}

bool TFormMain::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == FTree && event->type() == QEvent::FocusIn) {
        FTreeHadFocus = true;
        UpdateActions();
    }
    return QMainWindow::eventFilter(watched, event);
}

// --- the tree

TNodeKind TFormMain::NodeKind(const QTreeWidgetItem *node) const
{
    return node ? static_cast<TNodeKind>(node->data(0, KindRole).toInt()) : TNodeKind::None;
}

bool TFormMain::IsUnderLocal(const QTreeWidgetItem *node) const
{
    const TNodeKind kind = NodeKind(node);
    return kind == TNodeKind::Local || kind == TNodeKind::Folder;
}

bool TFormMain::IsBelowLocal(const QTreeWidgetItem *node) const { return NodeKind(node) == TNodeKind::Folder; }

QString TFormMain::FolderPathOfNode(const QTreeWidgetItem *node) const
{
    if (!IsUnderLocal(node))
        return {};
    if (NodeKind(node) == TNodeKind::Local)
        return LocalFolder();
    return FolderPathOfNode(node->parent()) + node->text(0) + QLatin1Char('/');
}

QTreeWidgetItem *TFormMain::NodeOfFolder(const QString &folder) const
{
    if (!FLocalNode)
        return nullptr;
    const QString local = QDir::cleanPath(LocalFolder());
    const QString target = QDir::cleanPath(folder);
    if (target != local && !target.startsWith(local + QLatin1Char('/')))
        return nullptr;
    QTreeWidgetItem *node = FLocalNode;
    const QStringList parts = target.mid(local.size()).split(QLatin1Char('/'), Qt::SkipEmptyParts);
    for (const QString &part : parts) {
        QTreeWidgetItem *next = nullptr;
        for (int i = 0; i < node->childCount() && !next; ++i)
            if (node->child(i)->text(0) == part)
                next = node->child(i);
        if (!next)
            return nullptr;
        node = next;
    }
    return node;
}

QTreeWidgetItem *TFormMain::AddFixedNode(QTreeWidgetItem *parent, TNodeKind kind, const QString &text, int picture)
{
    auto *node = parent ? new TTreeNode(parent) : new TTreeNode(FTree);
    node->setText(0, text);
    node->setData(0, KindRole, static_cast<int>(kind));
    node->setData(0, PictureRole, picture);
    node->setIcon(0, NodeIcon(picture));
    node->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsDropEnabled);
    return node;
}

QTreeWidgetItem *TFormMain::AddFolderNode(QTreeWidgetItem *parent, const QString &name)
{
    QTreeWidgetItem *node = AddFixedNode(parent, TNodeKind::Folder, name, 5);
    node->setFlags(node->flags() | Qt::ItemIsEditable);
    return node;
}

void TFormMain::BuildTree()
{
    const QSignalBlocker blocker(FTree);
    FTree->setUpdatesEnabled(false);
    FTree->clear();
    FRootNode = AddFixedNode(nullptr, TNodeKind::Root, QFileInfo(ExcludeTrailingSlash(GetStorageRoot())).fileName(), 0);
    FGaugeNode = AddFixedNode(FRootNode, TNodeKind::Gauge, Tr("Ventrax K27"), 6);
    FTemplatesNode = AddFixedNode(FRootNode, TNodeKind::Templates, Tr("Templates"), 2);
    FReportsNode = AddFixedNode(FRootNode, TNodeKind::Reports, Tr("Reports"), 3);
    FLocalNode = AddFixedNode(FRootNode, TNodeKind::Local, Tr("Local"), 4);
    if (!FStorageUnavailable)
        RescanFolderNodes(LocalFolder(), true);
    FRootNode->setExpanded(true);
    FLocalNode->setExpanded(true);
    FTree->setUpdatesEnabled(true);
}

void TFormMain::RescanFolderNodes(const QString &folder, bool recursive)
{
    if (QTreeWidgetItem *node = NodeOfFolder(folder))
        RescanNode(node, recursive);
}

void TFormMain::RescanNode(QTreeWidgetItem *node, bool recursive)
{
    const QString folder = FolderPathOfNode(node);
    TFileList list;
    TFileList::ListFolder(folder, list);
    // Batches and unknown files are listed by the folder view, not by the tree.
    for (int i = list.Count() - 1; i >= 0; --i) {
        const std::uint8_t type = list.Items(i)->FileType;
        if (type == FileTypeBatch || type == FileTypeOther)
            list.Delete(i);
    }
    list.Sort();
    QStringList names;
    for (int i = 0; i < list.Count(); ++i)
        names << list.Items(i)->NameOnly();
    const bool updates = FTree->updatesEnabled();
    FTree->setUpdatesEnabled(false);
    QTreeWidgetItem *selected = SelectedNode();
    for (int i = node->childCount() - 1; i >= 0; --i) {
        QTreeWidgetItem *child = node->child(i);
        const int at = names.indexOf(child->text(0));
        if (at >= 0) {
            names.removeAt(at);
            continue;
        }
        // The selected folder, or one above it, has gone: the nearest node left takes the
        // selection, so that the window keeps its pane and tool bar and watches again.
        for (QTreeWidgetItem *p = selected; p; p = p->parent())
            if (p == child) {
                SelectNode(node);
                selected = node;
                break;
            }
        delete child;
    }
    for (const QString &name : std::as_const(names))
        AddFolderNode(node, name);
    if (node->isExpanded())
        node->sortChildren(0, Qt::AscendingOrder);
    FTree->setUpdatesEnabled(updates);
    if (recursive)
        for (int i = 0; i < node->childCount(); ++i)
            RescanNode(node->child(i), node->child(i)->isExpanded());
}

QTreeWidgetItem *TFormMain::SelectedNode() const
{
    const QList<QTreeWidgetItem *> selected = FTree->selectedItems();
    return selected.isEmpty() ? nullptr : selected.constFirst();
}

void TFormMain::SelectNode(QTreeWidgetItem *node)
{
    if (!node) {
        FTree->clearSelection();
        return;
    }
    if (node == SelectedNode()) {
        SelectionChanged();
        return;
    }
    FTree->setCurrentItem(node);
    node->setSelected(true);
}

bool TFormMain::RenameFolderNode(QTreeWidgetItem *node, const QString &newName)
{
    if (!IsBelowLocal(node) || newName == node->text(0))
        return false;
    const QString oldPath = ExcludeTrailingSlash(FolderPathOfNode(node));
    const QString newPath = FolderPathOfNode(node->parent()) + newName;
    bool ok = IsAcceptableName(newName) && !PathExists(newPath);
    StopWatchers();
    if (ok)
        ok = QDir().rename(oldPath, newPath);
    if (ok) {
        node->setText(0, newName);
        node->parent()->sortChildren(0, Qt::AscendingOrder);
        FTree->scrollToItem(node);
        if (FFolderView && IsUnderLocal(SelectedNode()))
            FFolderView->SetFolder(FolderPathOfNode(SelectedNode()));
    }
    WatchNode(SelectedNode());
    UpdateFolderLabel(SelectedNode());
    if (!ok) {
        Prompt().Error(Tr("A folder with the name you specified already exists. Specify a different name."));
        FTree->setFocus();
        QTimer::singleShot(0, this, [this, path = oldPath] {
            if (QTreeWidgetItem *again = NodeOfFolder(path))
                FTree->editItem(again, 0);
        });
    }
    return ok;
}

// --- selection and panes

void TFormMain::UpdateFolderLabel(QTreeWidgetItem *node)
{
    if (!node) {
        FLabelSelectedFolder->clear();
        FImageSelectedFolder->clear();
        return;
    }
    if (IsBelowLocal(node)) {
        const QString relative = QDir(LocalFolder()).relativeFilePath(ExcludeTrailingSlash(FolderPathOfNode(node)));
        FLabelSelectedFolder->setText(Tr("Local") + QLatin1Char('/') + relative);
    } else {
        FLabelSelectedFolder->setText(node->text(0));
    }
    FImageSelectedFolder->setPixmap(NodeIcon(node->data(0, PictureRole).toInt()).pixmap(16, 16));
}

void TFormMain::SelectionChanged()
{
    QTreeWidgetItem *node = SelectedNode();
    if (FStorageUnavailable) {
        // Every pane works on the root: the message stays until it answers.
        FPanelInfoView->setCurrentWidget(FStorageMessage);
        UpdateActions();
        return;
    }
    setUpdatesEnabled(false);
    UpdateFolderLabel(node);
    ShowToolBarOf(node);
    if (IsUnderLocal(node)) {
        if (FFolderView)
            FFolderView->SetFolder(FolderPathOfNode(node));
        WatchNode(node);
    } else if (NodeKind(node) == TNodeKind::Reports) {
        WatchNode(node);
    }
    ShowPaneOf(node);
    setUpdatesEnabled(true);
    UpdateActions();
    emit NodeSelected(node);
}

void TFormMain::ShowToolBarOf(QTreeWidgetItem *node)
{
    FToolBarMain->clear();
    FToolBarMain->addActions(ToolBarActions());
}

QList<QAction *> TFormMain::ToolBarActions() const
{
    QTreeWidgetItem *node = SelectedNode();
    const TNodeKind kind = NodeKind(node);
    if (IsUnderLocal(node)) {
        QList<QAction *> list;
        for (const char *name : {"ActionNewFolder", "ActionDeleteFolderFile", "ActionRenameFolderFile",
                                 "ActionCutFolderFile", "ActionCopyFolderFile", "ActionPasteFolderFile",
                                 "ActionExportToExcel"})
            list << findChild<QAction *>(QLatin1String(name));
        return list;
    }
    return FPaneButtons.value(kind);
}

void TFormMain::SetPane(TNodeKind kind, QWidget *pane, const QList<QAction *> &toolButtons)
{
    if (QWidget *old = FPanes.value(kind)) {
        FPanelInfoView->removeWidget(old);
        old->setParent(nullptr);
    }
    FPanes[kind] = pane;
    FPaneButtons[kind] = toolButtons;
    if (pane)
        FPanelInfoView->addWidget(pane);
    if (SelectedNode()) {
        ShowToolBarOf(SelectedNode());
        ShowPaneOf(SelectedNode());
    }
}

void TFormMain::SetFolderView(IFolderView *view)
{
    if (FFolderView)
        FPanelInfoView->removeWidget(FFolderView->Widget());
    FFolderView = view;
    if (view) {
        FPanelInfoView->addWidget(view->Widget());
        if (IsUnderLocal(SelectedNode()))
            view->SetFolder(FolderPathOfNode(SelectedNode()));
    }
    ShowPaneOf(SelectedNode());
}

void TFormMain::ShowPaneOf(QTreeWidgetItem *node)
{
    TNodeKind kind = NodeKind(node);
    if (kind == TNodeKind::Folder)
        kind = TNodeKind::Local;
    QWidget *pane = nullptr;
    if (kind == TNodeKind::Local && FFolderView)
        pane = FFolderView->Widget();
    else if (kind == TNodeKind::Gauge || kind == TNodeKind::Templates || kind == TNodeKind::Reports ||
             kind == TNodeKind::Local)
        pane = FPanes.value(kind);
    if (!pane && kind != TNodeKind::None && kind != TNodeKind::Root) {
        // Until the node's own pane is registered it shows its caption.
        pane = FPlaceholders.value(kind);
        if (!pane) {
            auto *label = new QLabel(FPanelInfoView);
            label->setObjectName(QStringLiteral("PanePlaceholder"));
            label->setAlignment(Qt::AlignCenter);
            label->setStyleSheet(QStringLiteral("QLabel { color: grey; font-size: 15px; }"));
            FPanelInfoView->addWidget(label);
            FPlaceholders[kind] = label;
            pane = label;
        }
        static_cast<QLabel *>(pane)->setText(node->text(0));
        if (kind == TNodeKind::Local)
            static_cast<QLabel *>(pane)->setText(Tr("Local"));
    }
    FPanelInfoView->setCurrentIndex(pane ? FPanelInfoView->indexOf(pane) : 0);
}

QWidget *TFormMain::CurrentPane() const
{
    QWidget *w = FPanelInfoView->currentWidget();
    return w && w->objectName() == QLatin1String("PaneNone") ? nullptr : w;
}

bool TFormMain::BrowsePanesVisible() const
{
    return !FPanelFolder->isHidden() && (!FFolderView || FFolderView->ListVisible());
}

void TFormMain::SetBrowsePanesVisible(bool visible)
{
    setUpdatesEnabled(false);
    FPanelFolder->setVisible(visible);
    if (FFolderView)
        FFolderView->SetListVisible(visible);
    setUpdatesEnabled(true);
    UpdateActions();
}

// --- folder watchers

void TFormMain::SetWatcherPauseMs(int ms)
{
    FWatcherPauseMs = ms;
    for (auto *w : {FWatcher.get(), FParentWatcher.get()})
        if (w)
            w->SetPauseMs(ms);
}

void TFormMain::WatchNode(QTreeWidgetItem *node)
{
    // The Reports node watches the folders of its two lists: Reports and Settings.
    const bool reports = NodeKind(node) == TNodeKind::Reports;
    if (!IsUnderLocal(node) && !reports)
        return;
    const QString folder = reports ? IncludeTrailingSlash(ReportsFolder()) : FolderPathOfNode(node);
    const QString parent = reports                                ? IncludeTrailingSlash(SettingsFolder())
                           : NodeKind(node) == TNodeKind::Local ? GetStorageRoot()
                                                                : FolderPathOfNode(node->parent());
    auto target = [this](std::unique_ptr<TThreadDirectory> &w, const QString &path, bool isParent) {
        if (w) {
            w->SetFolder(path);
            return;
        }
        w = std::make_unique<TThreadDirectory>(path);
        w->SetPauseMs(FWatcherPauseMs);
        w->OnChange = [this, isParent] { WatcherChanged(isParent); };
        w->Start();
    };
    target(FWatcher, folder, false);
    target(FParentWatcher, parent, true);
}

void TFormMain::SetWatching(bool watching)
{
    if (watching)
        WatchNode(SelectedNode());
    else
        StopWatchers();
}

void TFormMain::StopWatchers()
{
    // The watchers are re-created on the selected node afterwards (WatchNode). One stopped from
    // inside its own notice (a message box there serves events) cannot be waited for here.
    for (std::unique_ptr<TThreadDirectory> *w : {&FWatcher, &FParentWatcher}) {
        if (*w && (*w)->Notifying()) {
            w->release()->DeleteAfterNotice();
        } else if (*w && !(*w)->StopWithin(1000)) {
            // Held in a call on a folder that does not answer: it ends, and goes, once the
            // call returns, without reporting.
            TThreadDirectory *stuck = w->release();
            connect(stuck, &QThread::finished, stuck, &QObject::deleteLater);
            if (stuck->isFinished())
                stuck->deleteLater();
        }
        w->reset();
    }
}

void TFormMain::WatcherChanged(bool parent)
{
    TThreadDirectory *w = parent ? FParentWatcher.get() : FWatcher.get();
    if (!w)
        return;
    if (NodeKind(SelectedNode()) == TNodeKind::Reports) {
        emit ReportFoldersChanged();
        return;
    }
    const QString folder = w->GetFolder();
    QTreeWidgetItem *node = NodeOfFolder(folder);
    // A watched folder that has gone is dropped by the rescan of the nearest folder still there.
    while (node && IsBelowLocal(node) && !QFileInfo(FolderPathOfNode(node)).isDir())
        node = node->parent();
    if (!node)
        return;
    const bool gone = node != NodeOfFolder(folder);
    RescanNode(node, !parent || gone);
    if (!parent && !gone && FFolderView)
        FFolderView->RefreshView();
}

// --- status, busy, start-up

void TFormMain::SetStatusText(int panel, const QString &text)
{
    if (panel >= 0 && panel < 2)
        FStatusPanels[panel]->setText(text);
}

QString TFormMain::StatusText(int panel) const
{
    return panel >= 0 && panel < 2 ? FStatusPanels[panel]->text() : QString();
}

void TFormMain::SetBusy(bool busy)
{
    FBusy = busy;
    if (busy)
        QTimer::singleShot(0, this, &TFormMain::ShowPleaseWait);
    else
        FPleaseWait->hide();
}

void TFormMain::ShowPleaseWait()
{
    if (!FBusy || FPleaseWait->isVisible())
        return;
    FPleaseWait->setWindowModality(Qt::ApplicationModal);
    FPleaseWait->show();
}

void TFormMain::showEvent(QShowEvent *event)
{
    QMainWindow::showEvent(event);
    if (FStarted)
        return;
    // The folder panel starts 180 pixels wide; the splitter keeps the rest for the pane.
    FSplitter->setSizes({180, qMax(200, width() - 180)});
    StartupRefresh();
    QTimer::singleShot(250, this, &TFormMain::StartupTimer);
}

void TFormMain::StartupRefresh()
{
    if (FStarted)
        return;
    FStarted = true;
    emit GaugeLinkStart();
    if (FStorageUnavailable) {
        BuildTree();
        FPanelInfoView->setCurrentWidget(FStorageMessage);
        delete FSplash;
        FSplash = nullptr;
        return;
    }
    // The report list is there before anything can look a report up by name.
    emit LoadReportList();
    BuildTree();
    SelectNode(FLocalNode);
    delete FSplash;
    FSplash = nullptr;
}

void TFormMain::ShowStorageUnavailable()
{
    if (!FStorageMessage) {
        FStorageMessage = new QLabel(FPanelInfoView);
        FStorageMessage->setObjectName(QStringLiteral("LabelStorageUnavailable"));
        FStorageMessage->setAlignment(Qt::AlignCenter);
        FStorageMessage->setWordWrap(true);
        FStorageMessage->setMargin(24);
        FPanelInfoView->addWidget(FStorageMessage);
        FStorageRetry = new QTimer(this);
        FStorageRetry->setObjectName(QStringLiteral("TimerStorageRetry"));
        FStorageRetry->setInterval(3000);
        connect(FStorageRetry, &QTimer::timeout, this, &TFormMain::StorageRetry);
    }
    FStorageMessage->setText(Tr("The storage folder %1 does not answer. If it is on a network drive, the server "
                                "may not be reachable. The folders are shown as soon as it answers again.")
                                 .arg(ExcludeTrailingSlash(GetStorageRoot())));
    FPanelInfoView->setCurrentWidget(FStorageMessage);
    FStorageRetry->start();
}

QString TFormMain::StorageMessage() const
{
    return FStorageUnavailable && FStorageMessage ? FStorageMessage->text() : QString();
}

void TFormMain::SetStorageRetryMs(int ms)
{
    if (FStorageRetry)
        FStorageRetry->setInterval(ms);
}

void TFormMain::StorageRetry()
{
    // Asked without waiting: the answer of a look started at an earlier turn is handed out now.
    const TFolderAnswer answer = FStorageProbe->Ask(GetStorageRoot(), 0);
    if (answer == TFolderAnswer::Pending || answer == TFolderAnswer::Unreachable)
        return;
    FStorageRetry->stop();
    FStorageUnavailable = false;
    RunStorageStartup(FSettings, [this] { LoadTabReports(); });
    if (!FStarted)
        return;
    emit LoadReportList();
    BuildTree();
    SelectNode(FLocalNode);
    StartupTimer();
}

void TFormMain::StartupTimer()
{
    if (FStorageUnavailable)
        return;
    // First run: no port chosen yet, so the user is asked for it.
    if (FSettings.ItemByName(QStringLiteral("ComPort")).AsString().isEmpty()) {
        FSettings.ItemByName(QStringLiteral("ComPort")).SetAsInteger(0);
        findChild<QAction *>(QStringLiteral("ActionPreferences"))->trigger();
    }
}

void TFormMain::closeEvent(QCloseEvent *event)
{
    emit GaugeLinkStop();
    QMainWindow::closeEvent(event);
}

void TFormMain::LoadTabReports()
{
    TFileList::TReloadScope reload(FTabReports);
    TFileList listing;
    TFileList::ListFolder(SettingsFolder(), listing);
    for (int i = FTabReports.Count() - 1; i >= 0; --i) {
        TFileItem *item = FTabReports.Items(i);
        const int at = listing.IndexOf(item->FileName, FileTypeReport);
        if (at < 0)
            FTabReports.Delete(i);
        else
            listing.Delete(at);
    }
    for (int i = 0; i < listing.Count(); ++i) {
        TFileItem *entry = listing.Items(i);
        if (entry->FileType != FileTypeReport)
            continue;
        TFileItem *item = FTabReports.Add();
        item->FileType = entry->FileType;
        item->FileName = entry->FileName;
    }
    FTabReports.Sort();
    for (int i = 0; i < FTabReports.Count(); ++i) {
        TFileItem *item = FTabReports.Items(i);
        if (item->LoadState == LoadStateNone || item->IsChanged())
            item->Load();
    }
    // The batch view shows the tabs in the reverse of the sorted order.
    FTabReports.Reverse();
}
