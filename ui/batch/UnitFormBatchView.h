#pragma once
// The batch view shown for the selected batch files: a tab strip ("Header", "Measurements", one
// tab per tab report, "My Reports") over a dock that holds the view of the chosen tab. The report
// tabs show the report viewer on the selected batches.
#include "UnitFileList.h"
#include "UnitSettings.h"

#include <QWidget>
#include <functional>
#include <vector>

class IFolderViewHost;
class QLabel;
class QStackedWidget;
class QTabBar;
class QToolButton;
class TFormHeaderView;
class TFormReadingsView;
class TFormViewReport;

class TFormBatchView : public QWidget {
    Q_OBJECT
public:
    explicit TFormBatchView(IFolderViewHost *host, QWidget *parent = nullptr);
    ~TFormBatchView() override;

    // Copies the selected entries, rebuilds the tabs, fills the views and restores the tab
    // stored in "BatchTab" (clamped to the tabs there are).
    void ShowBatches(const std::vector<const TFileItem *> &entries);
    // Saves an edited entry (asking first when another program changed the file since it was
    // shown; No reloads the file instead), replaces this view's copy and tells the folder view
    // (`OnBatchSaved`), then shows the batches again without reading the files.
    void BatchChanged(const TFileItem &entry);
    // Reads the batch file again (after the user chose to keep another program's change) and
    // shows it; the folder view takes the new content through `OnBatchSaved`.
    void ReloadBatch(const QString &fileName);
    // Puts a batch into the shown entries of its file and both views, and into the folder view
    // when `toFolderView` (its content is what the file holds).
    void TakeBatch(const TFileItem &batch, bool toFolderView);
    // Redraws the editing views (after the display units changed).
    void Invalidate();

    TFileList &Batches() { return FBatches; }
    int TabIndex() const;
    void SetTabIndex(int index);
    int TabCount() const;
    QString TabText(int index) const;
    // The text shown in the dock when several batches are selected (empty when hidden).
    QString DockText() const;
    // The view docked now: the header view, the readings view, the dock text or a report page.
    QWidget *DockedView() const;

    // Called after an edited entry was saved (the folder view replaces its own copy).
    std::function<void(const TFileItem &)> OnBatchSaved;

    TFormHeaderView *HeaderView;
    TFormReadingsView *ReadingsView;
    TFormViewReport *ViewReport;
    QTabBar *TabControlBatch;
    QToolButton *ButtonEnlarge;

private:
    void TabChanged(int index);
    // Tabs for the tab reports, each carrying its report's file.
    void RebuildTabs();
    void TabReportsReloaded();
    void ShowReportTab(int index);
    TSettings &Settings();

    IFolderViewHost *FHost;
    TFileList FBatches;
    QStackedWidget *FDock;
    QLabel *FLabelMultiple;
    TSettings FOwnSettings; // without a host
    bool FUpdating = false;
};
