#include "UnitFormViewReport.h"
#include "UnitKeyboardAccess.h"

#include "UnitDialogHooks.h"
#include "UnitException.h"
#include "UnitFileOperations.h"
#include "UnitFormPageDesign.h"
#include "UnitMAPIMail.h"
#include "UnitMyReports.h"
#include "UnitPageDesigner.h"
#include "UnitPageThumbnailList.h"
#include "UnitPrompt.h"
#include "UnitSettings.h"
#include "UnitTextFile.h"
#include "UnitWorkingReport.h"

#include <QAbstractItemView>
#include <QAction>
#include <QComboBox>
#include <QDir>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>
#include <QSplitter>
#include <QStackedWidget>
#include <QStandardItemModel>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>

namespace {
const QString ReportViewZoomSetting = QStringLiteral("ReportViewZoom");
const QString SelectedReportsSetting = QStringLiteral("SelectedReports");
const QString ThumbnailQualitySetting = QStringLiteral("ThumbnailQuality");
const QString LastPdfFileSetting = QStringLiteral("LastPDFFile");
const QString EmailReportFormatSetting = QStringLiteral("EmailReportFormat");
// Attachment files keep this name whatever the language, as mail readers show it.
const QString AttachmentBaseName = QStringLiteral("Orvalis Report");
constexpr int ZoomEntryCount = 10;
// The file of a report row: the ticks belong to files, never to positions in the list.
constexpr int FileRole = Qt::UserRole + 1;
} // namespace

std::function<bool()> &TFormViewReport::PrinterAvailable()
{
    static std::function<bool()> available = [] { return !QPrinterInfo::availablePrinterNames().isEmpty(); };
    return available;
}

TFormViewReport::TFormViewReport(TSettings &settings, TMyReports *myReports, QWidget *parent)
    : QWidget(parent), FSettings(settings), FMyReports(myReports)
{
    setObjectName(QStringLiteral("FormViewReport"));
    FMailAvailable = MailAvailable();
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);

    auto makeAction = [this](const char *name, const char *caption) {
        auto *a = new QAction(Tr(caption), this);
        a->setObjectName(QLatin1String(name));
        addAction(a);
        return a;
    };
    ActionPrint = makeAction("ActionPrint", QT_TRID_NOOP("Print"));
    ActionPDF = makeAction("ActionPDF", QT_TRID_NOOP("PDF"));
    ActionMail = makeAction("ActionMail", QT_TRID_NOOP("Mail"));
    ActionCopy = makeAction("ActionCopy", QT_TRID_NOOP("Copy"));
    ActionPrint->setIcon(QIcon::fromTheme(QStringLiteral("document-print")));
    ActionPDF->setIcon(QIcon::fromTheme(QStringLiteral("application-pdf")));
    ActionMail->setIcon(QIcon::fromTheme(QStringLiteral("mail-send")));
    ActionCopy->setIcon(QIcon::fromTheme(QStringLiteral("edit-copy")));
    connect(ActionPrint, &QAction::triggered, this, [this] { ActionPrintExecute(); });
    connect(ActionPDF, &QAction::triggered, this, [this] { ActionPDFExecute(); });
    connect(ActionMail, &QAction::triggered, this, [this] { ActionMailExecute(); });
    connect(ActionCopy, &QAction::triggered, this, [this] { ActionCopyExecute(); });

    // The tool bar band: mode area, zoom, and the three output buttons.
    auto *band = new QWidget(this);
    band->setObjectName(QStringLiteral("PanelToolBar"));
    band->setFixedHeight(38);
    auto *bandLayout = new QHBoxLayout(band);
    bandLayout->setContentsMargins(6, 2, 6, 2);
    FModeArea = new QStackedWidget(band);
    FCustomArea = new QWidget(FModeArea);
    auto *customLayout = new QHBoxLayout(FCustomArea);
    customLayout->setContentsMargins(0, 0, 0, 0);
    auto *labelReports = new QLabel(Tr("Reports:"), FCustomArea);
    ComboBoxReports = new QComboBox(FCustomArea);
    ComboBoxReports->setObjectName(QStringLiteral("ComboBoxReports"));
    ComboBoxReports->setMinimumWidth(220);
    FReportModel = new QStandardItemModel(ComboBoxReports);
    ComboBoxReports->setModel(FReportModel);
    // The line shows the ticked names; it is never typed into.
    ComboBoxReports->setEditable(true);
    ComboBoxReports->lineEdit()->setReadOnly(true);
    ComboBoxReports->lineEdit()->setAccessibleName(Tr("Reports"));
    // Ticks change only by a click (or Enter, Space) in the open list: the wheel and the arrow
    // keys would step through the entries and toggle each in passing.
    ComboBoxReports->setInsertPolicy(QComboBox::NoInsert);
    ComboBoxReports->installEventFilter(this);
    ComboBoxReports->lineEdit()->installEventFilter(this);
    labelReports->setBuddy(ComboBoxReports);
    customLayout->addWidget(labelReports);
    customLayout->addWidget(ComboBoxReports, 1);
    LabelStandardReport = new QLabel(Tr("Standard Report"), FModeArea);
    LabelStandardReport->setObjectName(QStringLiteral("LabelStandardReport"));
    LabelStandardReport->setStyleSheet(QStringLiteral("QLabel { color: grey; font-weight: bold; font-size: 13px; }"));
    FModeArea->addWidget(FCustomArea);
    FModeArea->addWidget(LabelStandardReport);
    bandLayout->addWidget(FModeArea, 1);
    auto *labelZoom = new QLabel(Tr("Zoom:"), band);
    ComboBoxZoom = new QComboBox(band);
    ComboBoxZoom->setObjectName(QStringLiteral("ComboBoxZoom"));
    ComboBoxZoom->addItems(ZoomListEntries());
    labelZoom->setBuddy(ComboBoxZoom);
    bandLayout->addWidget(labelZoom);
    bandLayout->addWidget(ComboBoxZoom);
    for (QAction *a : {ActionPrint, ActionPDF, ActionMail}) {
        auto *button = new QToolButton(band);
        button->setObjectName(QStringLiteral("Button") + a->objectName().mid(6));
        button->setDefaultAction(a);
        button->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
        button->setIconSize(QSize(24, 24));
        button->setAutoRaise(true);
        bandLayout->addWidget(button);
    }
    layout->addWidget(band);

    // Page list, splitter, preview.
    FSplitter = new QSplitter(Qt::Horizontal, this);
    FSplitter->setObjectName(QStringLiteral("Splitter"));
    ListViewPages = new TPageThumbnailList(FSplitter);
    ListViewPages->setObjectName(QStringLiteral("ListViewPages"));
    ListViewPages->setMinimumWidth(60);
    ListViewPages->setHeaderHidden(true);
    ListViewPages->SetColumnAlignment(0, Qt::AlignCenter);
    PageDesigner = new TPageDesigner(FSplitter);
    PageDesigner->setObjectName(QStringLiteral("PageDesigner"));
    PageEditor = new TPageEditor;
    PageEditor->setObjectName(QStringLiteral("PageEditor"));
    PageEditor->ReadOnly = true;
    PageEditor->SetGrid(false);
    PageDesigner->SetPageEditor(PageEditor);
    FSplitter->addWidget(ListViewPages);
    FSplitter->addWidget(PageDesigner);
    FSplitter->setStretchFactor(0, 0);
    FSplitter->setStretchFactor(1, 1);
    FSplitter->setSizes({122, 800});
    layout->addWidget(FSplitter, 1);

    auto *menu = new QMenu(this);
    menu->setObjectName(QStringLiteral("PopupMenuPages"));
    menu->addAction(ActionCopy);
    for (QWidget *w : {static_cast<QWidget *>(ListViewPages), static_cast<QWidget *>(PageEditor)}) {
        w->setContextMenuPolicy(Qt::CustomContextMenu);
        connect(w, &QWidget::customContextMenuRequested, this,
                [menu, w](const QPoint &at) { menu->popup(w->mapToGlobal(at)); });
    }

    connect(ListViewPages, &TPageThumbnailList::SelectedPageChanged, this, [this](int index) { PageSelected(index); });
    connect(ComboBoxZoom, &QComboBox::currentIndexChanged, this, [this](int index) {
        if (!FUpdating)
            ZoomChanged(index);
    });
    // A click on an entry toggles its tick.
    connect(ComboBoxReports, &QComboBox::activated, this, [this](int index) {
        if (QStandardItem *item = FReportModel->item(index))
            item->setCheckState(item->checkState() == Qt::Checked ? Qt::Unchecked : Qt::Checked);
        ShowTickSummary();
    });
    // Moving through the entries (or choosing one) puts the current entry's name into the line:
    // the line shows the ticked names whatever the current entry is.
    connect(ComboBoxReports->lineEdit(), &QLineEdit::textChanged, this, [this] { ShowTickSummary(); });
    connect(FReportModel, &QStandardItemModel::itemChanged, this, [this] {
        if (!FUpdating)
            TicksChanged();
    });
    FModeArea->setCurrentWidget(FCustomArea);
    if (FMyReports) {
        // Others reload the list too (the reports window, the folder watcher): the rows follow it.
        TFileListNotifier &notifier = FMyReports->List().Notifier();
        connect(&notifier, &TFileListNotifier::Reloaded, this, &TFormViewReport::ReportListReloaded);
    }
    UpdateActions();
    MakeKeyboardAccessible(this);
}

TFormViewReport::~TFormViewReport()
{
    // The list outlives the working report (children go after the members).
    ListViewPages->SetReport(nullptr);
}

void TFormViewReport::SetStandardMode(bool standard)
{
    if (standard == FStandardMode && !standard)
        return;
    FStandardMode = standard;
    FModeArea->setCurrentWidget(standard ? static_cast<QWidget *>(LabelStandardReport) : FCustomArea);
    if (standard)
        LabelStandardReport->setText(FStandardReport.Name);
}

QStringList TFormViewReport::ReportNames() const
{
    QStringList names;
    for (int i = 0; i < FReportModel->rowCount(); ++i)
        names << FReportModel->item(i)->text();
    return names;
}

QStringList TFormViewReport::TickedReports() const
{
    QStringList names;
    for (int i = 0; i < FReportModel->rowCount(); ++i)
        if (FReportModel->item(i)->checkState() == Qt::Checked)
            names << FReportModel->item(i)->text();
    return names;
}

void TFormViewReport::SetReportTicked(int index, bool ticked)
{
    if (QStandardItem *item = FReportModel->item(index))
        item->setCheckState(ticked ? Qt::Checked : Qt::Unchecked);
    ShowTickSummary();
}

void TFormViewReport::ShowTickSummary()
{
    const QString summary = TickedReports().join(QStringLiteral(", "));
    if (ComboBoxReports->lineEdit()->text() != summary)
        ComboBoxReports->lineEdit()->setText(summary);
    ComboBoxReports->lineEdit()->setCursorPosition(0);
}

void TFormViewReport::FillReportRows(const std::function<bool(const QString &file, const QString &name)> &ticked)
{
    const bool updating = FUpdating;
    FUpdating = true;
    FReportModel->clear();
    if (FMyReports) {
        TFileList &list = FMyReports->List();
        // Loading announces a reload of the list, which comes back here: loaded first, listed after.
        for (int i = 0; i < list.Count(); ++i) {
            TFileItem *entry = list.Items(i);
            if (entry->LoadState == LoadStateNone || entry->IsChanged())
                entry->Load();
        }
        for (int i = 0; i < list.Count(); ++i) {
            const TFileItem *entry = list.Items(i);
            const TReport *report = ReportOf(*entry);
            const QString name = report ? report->Name : NameWithoutExtension(entry->FileName);
            auto *item = new QStandardItem(name);
            item->setData(entry->FileName, FileRole);
            item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsUserCheckable);
            item->setCheckState(ticked(entry->FileName, name) ? Qt::Checked : Qt::Unchecked);
            FReportModel->appendRow(item);
        }
    }
    ShowTickSummary();
    FUpdating = updating;
}

QStringList TFormViewReport::TickedFiles() const
{
    QStringList files;
    for (int i = 0; i < FReportModel->rowCount(); ++i)
        if (FReportModel->item(i)->checkState() == Qt::Checked)
            files << FReportModel->item(i)->data(FileRole).toString();
    return files;
}

void TFormViewReport::ReportListReloaded()
{
    // Before the first ShowReports there are no rows to keep; during it, it fills them itself.
    if (FUpdating || !FShown)
        return;
    const QStringList before = TickedFiles();
    FillReportRows([&before](const QString &file, const QString &) { return before.contains(file); });
    // The working report is a copy: only a ticked report that is gone makes it out of date.
    if (!FStandardMode && TickedFiles() != before)
        BuildWorkingReport();
}

void TFormViewReport::ShowReports()
{
    FUpdating = true;
    FShown = true;
    const QStringList selected = CommaTextList(FSettings[SelectedReportsSetting].AsString());
    FillReportRows([&selected](const QString &, const QString &name) { return selected.contains(name); });
    ComboBoxZoom->setCurrentIndex(std::clamp(FSettings[ReportViewZoomSetting].AsInteger(), 0, ZoomEntryCount - 1));
    FUpdating = false;
    BuildWorkingReport();
    ApplyZoomEntry(*PageDesigner, ComboBoxZoom->currentIndex());
}

std::vector<const TReport *> TFormViewReport::Designs() const
{
    std::vector<const TReport *> designs;
    if (FStandardMode) {
        designs.push_back(&FStandardReport);
    } else if (FMyReports && !FMyReports->List().Reloading()) {
        // In the list's order; the ticks belong to files, so equal names stay apart.
        for (const QString &file : TickedFiles())
            if (const TFileItem *entry = FMyReports->EntryOf(file))
                if (const TReport *report = ReportOf(*entry))
                    designs.push_back(report);
    }
    return designs;
}

void TFormViewReport::BuildWorkingReport()
{
    const int previous = FSelectedPage;
    // The list must not draw pages that are being replaced.
    ListViewPages->SetReport(nullptr);
    try {
        AssembleWorkingReport(FWorkingReport, Designs(), FBatches);
    } catch (const Exception &e) {
        FWorkingReport.Clear();
        Prompt().Error(e.Message());
    }
    ListViewPages->SetQuality(std::clamp(FSettings[ThumbnailQualitySetting].AsInteger(), 0, 2));
    ListViewPages->SetReport(&FWorkingReport);
    // Same designs, other batches: nothing drawn before shows what the pages hold now.
    ListViewPages->ClearThumbnails();
    FSelectedPage = -1;
    SelectPage(ReselectedPage(FWorkingReport, previous));
    UpdateActions();
}

void TFormViewReport::SelectPage(int index)
{
    if (index < 0 || index >= FWorkingReport.Count())
        index = -1;
    if (ListViewPages->SelectedPage() != index)
        ListViewPages->SelectPage(index); // reports back through PageSelected
    if (FSelectedPage != index || index < 0)
        PageSelected(index);
}

void TFormViewReport::PageSelected(int index)
{
    if (index >= 0 && index < FWorkingReport.Count()) {
        PageEditor->Page().Assign(FWorkingReport.Pages(index));
        FSelectedPage = index;
    } else {
        PageEditor->Page().Clear();
        PageEditor->Page().ClearBatches();
        FSelectedPage = -1;
    }
    PageEditor->UpdatePageRect();
    ApplyZoomEntry(*PageDesigner, ComboBoxZoom->currentIndex());
    PageDesigner->UpdateLayout();
    PageEditor->update();
    UpdateActions();
}

void TFormViewReport::SetZoomIndex(int index) { ComboBoxZoom->setCurrentIndex(index); }
int TFormViewReport::ZoomIndex() const { return ComboBoxZoom->currentIndex(); }

void TFormViewReport::ZoomChanged(int index)
{
    if (index < 0)
        return;
    FSettings[ReportViewZoomSetting].SetAsInteger(index);
    ApplyZoomEntry(*PageDesigner, index);
}

void TFormViewReport::TicksChanged()
{
    FSettings[SelectedReportsSetting].SetAsString(CommaText(TickedReports()));
    ShowTickSummary();
    BuildWorkingReport();
}

void TFormViewReport::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    SelectPage(FSelectedPage);
    // The zoom again once the window has its final size.
    QTimer::singleShot(0, this, [this] {
        ApplyZoomEntry(*PageDesigner, std::clamp(FSettings[ReportViewZoomSetting].AsInteger(), 0, ZoomEntryCount - 1));
    });
}

bool TFormViewReport::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == ComboBoxReports || watched == ComboBoxReports->lineEdit()) {
        if (event->type() == QEvent::Wheel)
            return true;
        if (event->type() == QEvent::KeyPress) {
            switch (static_cast<QKeyEvent *>(event)->key()) {
            case Qt::Key_Up:
            case Qt::Key_Down:
            case Qt::Key_PageUp:
            case Qt::Key_PageDown:
            case Qt::Key_Home:
            case Qt::Key_End:
                // Alt+Down (and F4) open the list as in any drop-down.
                if (static_cast<QKeyEvent *>(event)->modifiers() & Qt::AltModifier)
                    break;
                return true;
            case Qt::Key_Return:
            case Qt::Key_Enter:
                return true;
            default:
                break;
            }
        }
    }
    return QWidget::eventFilter(watched, event);
}

void TFormViewReport::UpdateActions()
{
    const bool pages = FWorkingReport.Count() > 0;
    ActionPrint->setEnabled(pages && PrinterAvailable()());
    ActionPDF->setEnabled(pages);
    // Nothing to attach without pages.
    ActionMail->setEnabled(FMailAvailable && pages);
    ActionCopy->setEnabled(FSelectedPage >= 0);
}

void TFormViewReport::ActionPrintExecute()
{
    UpdateActions();
    if (!ActionPrint->isEnabled())
        return;
    try {
        QPrinter printer(QPrinter::HighResolution);
        QPrintDialog dialog(&printer, this);
        dialog.setOption(QAbstractPrintDialog::PrintCollateCopies, true);
        dialog.setMinMax(1, FWorkingReport.Count());
        if (ExecDialog(dialog) != QDialog::Accepted)
            return;
        // The dialog offers a page range; the printer leaves honouring it to us.
        int first = 0, last = FWorkingReport.Count() - 1;
        if (printer.printRange() == QPrinter::PageRange && printer.fromPage() > 0) {
            first = printer.fromPage() - 1;
            last = std::min(std::max(printer.toPage(), printer.fromPage()), FWorkingReport.Count()) - 1;
        }
        if (first > last)
            return;
        TBusyCursor busy;
        FWorkingReport.PrintPages(Tr("Orvalis Report"), first, last, &printer);
    } catch (const Exception &e) {
        Prompt().Error(e.Message());
    }
}

void TFormViewReport::ActionPDFExecute()
{
    UpdateActions();
    if (!ActionPDF->isEnabled())
        return;
    const QString path = DialogHooks().SaveFileName(this, Tr("Save PDF Report As"), FSettings[LastPdfFileSetting].AsString(),
                                                    Tr("PDF Files (*.pdf);;All Files (*.*)"), QStringLiteral("pdf"));
    if (path.isEmpty())
        return;
    FSettings[LastPdfFileSetting].SetAsString(path);
    try {
        {
            TBusyCursor busy;
            FWorkingReport.SaveToPdf(false, Tr("Orvalis Report"), path);
        }
        DialogHooks().OpenFile(path);
    } catch (const Exception &e) {
        Prompt().Error(e.Message());
    }
}

void TFormViewReport::ActionMailExecute()
{
    UpdateActions();
    if (!ActionMail->isEnabled())
        return;
    TMAPIMail mail;
    mail.Subject = Tr("Orvalis Report");
    QString folder;
    try {
        TBusyCursor busy;
        // The attachments stay in their own folder after the compose window opened: the mail
        // client reads them when the user sends. Old folders go at a later start.
        folder = NewMailFolder();
        if (FSettings[EmailReportFormatSetting].AsInteger() == 1) {
            QStringList files;
            FWorkingReport.SaveToJpegFiles(folder + AttachmentBaseName, files);
            mail.Attachments = files;
        } else {
            const QString pdf = folder + AttachmentBaseName + QStringLiteral(".pdf");
            FWorkingReport.SaveToPdf(false, Tr("Orvalis Report"), pdf);
            mail.Attachments << pdf;
        }
    } catch (const Exception &e) {
        if (!folder.isEmpty())
            QDir(folder).removeRecursively();
        Prompt().Error(e.Message());
        return;
    }
    QString body = Tr("Please find attached a report on the following batches:") + QStringLiteral("\r\n");
    for (int i = 0; i < FBatches.Count(); ++i) {
        const TBatchItem &b = *FBatches.Items(i);
        body += QStringLiteral("\r\n%1 (%2)").arg(b.ID, BatchTypeName(b.BatchType));
    }
    mail.Body = body;
    mail.EditDialog = true;
    // The window goes on while xdg-email runs; its failure is reported when it ends.
    const auto reportFailure = [](int result) {
        if (result != 0 && result != 1)
            Prompt().Error(Tr("MAPI Error %1: %2").arg(result).arg(TMAPIMail::ErrorText(result)));
    };
    TMailJob *job = TMailJob::Start(mail, MailWaitLimit());
    if (!job) {
        reportFailure(mail.LastError);
        return;
    }
    FMailJob = job;
    connect(job, &TMailJob::Finished, this, reportFailure);
}

int &TFormViewReport::MailWaitLimit()
{
    static int limit = 30000;
    return limit;
}

bool TFormViewReport::MailPending() const { return FMailJob && !FMailJob->Reported(); }

void TFormViewReport::ActionCopyExecute()
{
    if (FSelectedPage < 0 || FSelectedPage >= FWorkingReport.Count())
        return;
    try {
        TBusyCursor busy;
        FWorkingReport.CopyPageToClipboard(FSelectedPage);
    } catch (const Exception &e) {
        Prompt().Error(e.Message());
    }
}
