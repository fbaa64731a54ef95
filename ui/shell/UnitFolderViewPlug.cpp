#include "UnitFolderViewPlug.h"
#include "UnitKeyboardAccess.h"

#include "UnitException.h"
#include "UnitFileOperations.h"
#include "UnitFolderViewHost.h"
#include "UnitFormLocal.h"
#include "UnitFormMain.h"
#include "UnitReport.h"
#include "UnitStorage.h"

#include <QAction>
#include <QFileInfo>
#include <QMenu>
#include <QTreeWidgetItem>

class TMainFolderHost : public IFolderViewHost {
public:
    TMainFolderHost(TFormMain &main, TMyReports *myReports) : FMain(main), FMyReports(myReports) {}

    TSettings &Settings() override { return FMain.Settings(); }
    QStringList TabReportTitles() override
    {
        QStringList titles;
        TFileList &reports = FMain.TabReports();
        for (int i = 0; i < reports.Count(); ++i)
            titles << NameWithoutExtension(reports.Items(i)->FileName);
        return titles;
    }
    QStringList TabReportFiles() override
    {
        QStringList files;
        TFileList &reports = FMain.TabReports();
        for (int i = 0; i < reports.Count(); ++i)
            files << reports.Items(i)->FileName;
        return files;
    }
    TReport *TabReport(const QString &file) override
    {
        TFileList &reports = FMain.TabReports();
        const int at = reports.Reloading() ? -1 : reports.IndexOf(file, FileTypeReport);
        return at < 0 ? nullptr : ReportOf(*reports.Items(at));
    }
    TFileListNotifier *TabReportsNotifier() override { return &FMain.TabReports().Notifier(); }
    TMyReports *MyReports() override { return FMyReports; }
    bool BrowsePanesVisible() const override { return FMain.BrowsePanesVisible(); }
    void SetBrowsePanesVisible(bool visible) override { FMain.SetBrowsePanesVisible(visible); }
    void FoldersChanged(const QStringList &folders) override
    {
        for (const QString &folder : folders)
            FMain.RescanFolderNodes(folder, true);
    }
    void FolderRenamed(const QString &oldPath, const QString &newPath) override
    {
        // The node takes the new text, so that it keeps its open subtree.
        QTreeWidgetItem *node = FMain.NodeOfFolder(IncludeTrailingSlash(oldPath));
        if (node && node->parent() && FMain.IsBelowLocal(node)) {
            node->setText(0, QFileInfo(newPath).fileName());
            node->parent()->sortChildren(0, Qt::AscendingOrder);
        }
        FMain.RescanFolderNodes(QFileInfo(newPath).path() + QLatin1Char('/'), false);
    }
    void SelectFolder(const QString &folder) override
    {
        QString path = folder;
        while (path.endsWith(QLatin1Char('/')))
            path.chop(1);
        FMain.RescanFolderNodes(QFileInfo(path).path() + QLatin1Char('/'), false);
        if (QTreeWidgetItem *node = FMain.NodeOfFolder(path + QLatin1Char('/')))
            FMain.SelectNode(node);
    }
    void SetWatching(bool watching) override { FMain.SetWatching(watching); }
    QTreeWidgetItem *NodeOfFolder(const QString &folder) override { return FMain.NodeOfFolder(folder); }

private:
    TFormMain &FMain;
    TMyReports *FMyReports;
};

TFolderViewPlug::TFolderViewPlug(TFormMain &main, TMyReports *myReports)
    : FMain(main), FHost(std::make_unique<TMainFolderHost>(main, myReports)), FView(new TFormLocal(FHost.get()))
{
    auto action = [&main](const char *name) { return main.findChild<QAction *>(QLatin1String(name)); };
    auto *menu = new QMenu(FView);
    auto add = [&](QMenu *m, const char *name) {
        if (QAction *a = action(name))
            m->addAction(a);
    };
    add(menu, "ActionCutFolderFile");
    add(menu, "ActionCopyFolderFile");
    add(menu, "ActionPasteFolderFile");
    menu->addSeparator();
    add(menu, "ActionRenameFolderFile");
    add(menu, "ActionDeleteFolderFile");
    menu->addSeparator();
    QMenu *newMenu = menu->addMenu(Tr("New"));
    add(newMenu, "ActionNewFolderMenu");
    newMenu->addSeparator();
    QMenu *cover = newMenu->addMenu(Tr("Cover"));
    add(cover, "ActionNewRectangularBatchCover");
    add(cover, "ActionNewLinearBatchCover");
    QMenu *halfCell = newMenu->addMenu(Tr("Half Cell"));
    add(halfCell, "ActionNewRectangularBatchHalfCell");
    add(halfCell, "ActionNewLinearBatchHalfCell");
    AssignMnemonics(menu);
    FView->SetContextActions(menu);

    QObject::connect(&main, &TFormMain::UnitsChanged, FView, [this] { FView->UnitsChanged(); });
    QObject::connect(FView->ListViewLocal->selectionModel(), &QItemSelectionModel::selectionChanged, &main,
                     [&main] { main.UpdateActions(); });
    main.SetFolderView(FView);
}

TFolderViewPlug::~TFolderViewPlug()
{
    if (FMain.FolderView() == FView)
        FMain.SetFolderView(nullptr);
    delete FView;
}
