#pragma once
// The report viewer under the batch view's report tabs: assembles the working report from the
// chosen designs and the selected batches, lists its pages, previews one, and prints it, writes
// it as PDF, mails it or copies a page. Standard mode shows one tab report; custom mode the
// reports ticked from "My Reports".
#include "UnitBatchList.h"
#include "UnitReport.h"

#include <QPointer>
#include <QWidget>
#include <functional>

class QAction;
class QComboBox;
class QLabel;
class QSplitter;
class QStackedWidget;
class QStandardItemModel;
class QToolButton;
class TMyReports;
class TMailJob;
class TPageDesigner;
class TPageEditor;
class TPageThumbnailList;
class TSettings;

class TFormViewReport : public QWidget {
    Q_OBJECT
public:
    // `myReports` is the reports window's list (custom mode offers its entries, ticked by file);
    // mail is offered
    // when the mail client can be reached, asked once here.
    TFormViewReport(TSettings &settings, TMyReports *myReports, QWidget *parent = nullptr);
    ~TFormViewReport() override;

    // Copies of the selected batches, filled by the batch view before ShowReports.
    TBatchList &Batches() { return FBatches; }
    // The tab report of standard mode, copied in by the batch view.
    TReport &StandardReport() { return FStandardReport; }
    TReport &WorkingReport() { return FWorkingReport; }

    void SetStandardMode(bool standard);
    bool StandardMode() const { return FStandardMode; }
    // Rebuilds the report list, restores the zoom and assembles the working report.
    void ShowReports();
    // Assembles the working report again from the current designs and batches.
    void BuildWorkingReport();

    int SelectedPage() const { return FSelectedPage; }
    void SelectPage(int index);
    // Custom mode: ticks or unticks an entry of the report list (as the user would).
    void SetReportTicked(int index, bool ticked);
    QStringList ReportNames() const;
    QStringList TickedReports() const;
    void SetZoomIndex(int index);
    int ZoomIndex() const;

    // Brings the enabled state of the actions up to date.
    void UpdateActions();

    TPageThumbnailList *ListViewPages;
    TPageDesigner *PageDesigner;
    TPageEditor *PageEditor;
    QComboBox *ComboBoxReports;
    QComboBox *ComboBoxZoom;
    QLabel *LabelStandardReport;
    QAction *ActionPrint;
    QAction *ActionPDF;
    QAction *ActionMail;
    QAction *ActionCopy;

    // Whether a printer can be printed on (replaceable for tests).
    static std::function<bool()> &PrinterAvailable();
    // How long a mail's xdg-email run is watched for a failure, in milliseconds.
    static int &MailWaitLimit();
    // True while the last mail's xdg-email run is watched.
    bool MailPending() const;

protected:
    void showEvent(QShowEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void ActionPrintExecute();
    void ActionPDFExecute();
    void ActionMailExecute();
    void ActionCopyExecute();
    void PageSelected(int index);
    void ZoomChanged(int index);
    void TicksChanged();
    void ShowTickSummary();
    // Rows for the entries of "My Reports" (each carrying its file), ticked as `ticked` says.
    void FillReportRows(const std::function<bool(const QString &file, const QString &name)> &ticked);
    QStringList TickedFiles() const;
    // "My Reports" was reloaded: the rows follow it, the ticks stay with their files.
    void ReportListReloaded();
    std::vector<const TReport *> Designs() const;

    TSettings &FSettings;
    TMyReports *FMyReports;
    TBatchList FBatches;
    TReport FWorkingReport;
    TReport FStandardReport;
    bool FStandardMode = false;
    bool FMailAvailable = false;
    int FSelectedPage = -1;
    bool FUpdating = false;
    bool FShown = false;
    QStandardItemModel *FReportModel;
    QStackedWidget *FModeArea;
    QWidget *FCustomArea;
    QSplitter *FSplitter;
    QPointer<TMailJob> FMailJob;
};
