#include "UnitFormBatchView.h"

#include "UnitException.h"
#include "UnitFolderViewHost.h"
#include "UnitFormHeaderView.h"
#include "UnitFormReadingsView.h"
#include "UnitFormViewReport.h"
#include "UnitPrompt.h"
#include "UnitSettings.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QStackedWidget>
#include <QTabBar>
#include <QToolButton>
#include <QVBoxLayout>
#include <algorithm>

namespace {
const QString BatchTabSetting = QStringLiteral("BatchTab");
}

TFormBatchView::TFormBatchView(IFolderViewHost *host, QWidget *parent) : QWidget(parent), FHost(host)
{
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    auto *strip = new QHBoxLayout;
    TabControlBatch = new QTabBar(this);
    TabControlBatch->setObjectName(QStringLiteral("TabControlBatch"));
    TabControlBatch->setExpanding(false);
    TabControlBatch->setAccessibleName(Tr("Views"));
    ButtonEnlarge = new QToolButton(this);
    ButtonEnlarge->setObjectName(QStringLiteral("ButtonEnlarge"));
    ButtonEnlarge->setText(Tr("Enlarge"));
    ButtonEnlarge->setToolTip(Tr("Show or hide the folder list"));
    ButtonEnlarge->setCheckable(true);
    strip->addWidget(TabControlBatch, 1);
    strip->addWidget(ButtonEnlarge);
    layout->addLayout(strip);

    FDock = new QStackedWidget(this);
    FDock->setFrameShape(QFrame::StyledPanel);
    HeaderView = new TFormHeaderView(FDock);
    ReadingsView = new TFormReadingsView(FDock);
    FLabelMultiple = new QLabel(FDock);
    FLabelMultiple->setAlignment(Qt::AlignCenter);
    ViewReport = new TFormViewReport(Settings(), FHost ? FHost->MyReports() : nullptr, FDock);
    for (QWidget *w : {static_cast<QWidget *>(HeaderView), static_cast<QWidget *>(ReadingsView),
                       static_cast<QWidget *>(FLabelMultiple), static_cast<QWidget *>(ViewReport)})
        FDock->addWidget(w);
    layout->addWidget(FDock, 1);

    HeaderView->OnBatchChanged = [this](const TFileItem &entry) { BatchChanged(entry); };
    ReadingsView->OnBatchChanged = [this](const TFileItem &entry) { BatchChanged(entry); };
    connect(TabControlBatch, &QTabBar::currentChanged, this, [this](int index) { TabChanged(index); });
    connect(ButtonEnlarge, &QToolButton::clicked, this, [this] {
        if (FHost)
            FHost->SetBrowsePanesVisible(!FHost->BrowsePanesVisible());
    });
    if (TFileListNotifier *notifier = FHost ? FHost->TabReportsNotifier() : nullptr)
        connect(notifier, &TFileListNotifier::Reloaded, this, &TFormBatchView::TabReportsReloaded);
    RebuildTabs();
}

TFormBatchView::~TFormBatchView() = default;

void TFormBatchView::RebuildTabs()
{
    FUpdating = true;
    QStringList titles{Tr("Header"), Tr("Measurements")};
    QStringList files{QString(), QString()};
    if (FHost) {
        const QStringList reports = FHost->TabReportTitles();
        const QStringList reportFiles = FHost->TabReportFiles();
        titles += reports;
        for (int i = 0; i < reports.size(); ++i)
            files << reportFiles.value(i);
    }
    titles << Tr("My Reports");
    files << QString();
    while (TabControlBatch->count() > titles.size())
        TabControlBatch->removeTab(TabControlBatch->count() - 1);
    for (int i = 0; i < titles.size(); ++i) {
        if (i < TabControlBatch->count())
            TabControlBatch->setTabText(i, titles[i]);
        else
            TabControlBatch->addTab(titles[i]);
        TabControlBatch->setTabData(i, files[i]);
    }
    FUpdating = false;
}

void TFormBatchView::TabReportsReloaded()
{
    // The tabs follow the list; the tab shown stays the same tab, a report tab by its file.
    const int index = TabControlBatch->currentIndex();
    const bool last = index == TabControlBatch->count() - 1;
    const QString file = TabControlBatch->tabData(index).toString();
    RebuildTabs();
    int now = index;
    if (last)
        now = TabControlBatch->count() - 1;
    else if (!file.isEmpty())
        now = -1;
    for (int i = 0; now < 0 && i < TabControlBatch->count(); ++i)
        if (TabControlBatch->tabData(i).toString() == file)
            now = i;
    if (now >= 0 && now == index)
        return;
    FUpdating = true;
    if (now >= 0)
        TabControlBatch->setCurrentIndex(now);
    FUpdating = false;
    // The report shown is gone: the tab at its place is shown instead.
    if (now < 0 && index >= 0)
        SetTabIndex(std::min(index, TabControlBatch->count() - 1));
}

int TFormBatchView::TabIndex() const { return TabControlBatch->currentIndex(); }
int TFormBatchView::TabCount() const { return TabControlBatch->count(); }
QString TFormBatchView::TabText(int index) const { return TabControlBatch->tabText(index); }
QWidget *TFormBatchView::DockedView() const { return FDock->currentWidget(); }

QString TFormBatchView::DockText() const
{
    return FDock->currentWidget() == FLabelMultiple ? FLabelMultiple->text() : QString();
}

void TFormBatchView::SetTabIndex(int index)
{
    if (TabControlBatch->currentIndex() == index)
        TabChanged(index);
    else
        TabControlBatch->setCurrentIndex(index);
}

void TFormBatchView::TabChanged(int index)
{
    if (FUpdating || index < 0)
        return;
    const bool single = FBatches.Count() == 1;
    if (index == 0 || index == 1) {
        if (single) {
            if (index == 0)
                HeaderView->ShowBatch(*FBatches.Items(0));
            else
                ReadingsView->ShowBatch(*FBatches.Items(0));
            FDock->setCurrentWidget(index == 0 ? static_cast<QWidget *>(HeaderView)
                                               : static_cast<QWidget *>(ReadingsView));
        } else {
            FLabelMultiple->setText(FBatches.Count() > 1 ? Tr("Unable to modify multiple batch items.")
                                                         : QString());
            FDock->setCurrentWidget(FLabelMultiple);
        }
    } else {
        ShowReportTab(index);
    }
    Settings()[BatchTabSetting].SetAsInteger(index);
}

TSettings &TFormBatchView::Settings() { return FHost ? FHost->Settings() : FOwnSettings; }

void TFormBatchView::ShowReportTab(int index)
{
    TBatchList &batches = ViewReport->Batches();
    batches.Clear();
    for (int i = 0; i < FBatches.Count(); ++i)
        *batches.Add() = FBatches.Items(i)->Batch;
    const bool custom = index == TabControlBatch->count() - 1;
    if (!custom) {
        const QString file = TabControlBatch->tabData(index).toString();
        TReport *design = FHost && !file.isEmpty() ? FHost->TabReport(file) : nullptr;
        TReport &standard = ViewReport->StandardReport();
        if (design)
            standard.Assign(design);
        else
            standard.Clear();
        if (!design)
            standard.Name = TabControlBatch->tabText(index);
    }
    ViewReport->SetStandardMode(!custom);
    ViewReport->ShowReports();
    FDock->setCurrentWidget(ViewReport);
}

void TFormBatchView::ShowBatches(const std::vector<const TFileItem *> &entries)
{
    // Copies first: the entries handed in may belong to this view's own list.
    std::vector<std::unique_ptr<TFileItem>> copies;
    for (const TFileItem *entry : entries) {
        copies.push_back(std::make_unique<TFileItem>());
        copies.back()->Assign(entry);
    }
    FBatches.Clear();
    for (const auto &copy : copies)
        FBatches.Add()->Assign(copy.get());
    RebuildTabs();
    if (FBatches.Count() == 1) {
        HeaderView->ShowBatch(*FBatches.Items(0));
        ReadingsView->ShowBatch(*FBatches.Items(0));
    }
    int tab = Settings()[BatchTabSetting].AsInteger();
    tab = std::clamp(tab, 0, std::max(0, TabControlBatch->count() - 1));
    SetTabIndex(tab);
}

void TFormBatchView::BatchChanged(const TFileItem &entry)
{
    TFileItem saved;
    saved.Assign(&entry);
    // On a shared folder another program may have replaced the file since it was shown: its
    // work is not overwritten unasked, and on No the views show what is on disk now. A file
    // removed meanwhile is written again as before (the edit is kept; nothing of the other's is lost).
    if (saved.ChangedOnDisk() && TFileStamp::Of(saved.FileName).Known() &&
        Prompt().YesNo(Tr("The batch file was changed by another program since it was shown. Replace it with your "
                          "change?")) != TPromptAnswer::Yes) {
        ReloadBatch(saved.FileName);
        return;
    }
    // A batch that cannot be written must not look saved: the user is told, and the views keep
    // showing the edit so that it can be tried again.
    const bool written = saved.Save();
    if (!written)
        Prompt().Error(Tr("Unable to save the batch file %1").arg(saved.FileName));
    // Only a written batch goes to the folder view, whose cache must describe the file on disk.
    TakeBatch(saved, written);
}

void TFormBatchView::ReloadBatch(const QString &fileName)
{
    TFileItem fresh;
    for (int i = 0; i < FBatches.Count(); ++i)
        if (FBatches.Items(i)->FileName == fileName && FBatches.Items(i)->FileType == FileTypeBatch)
            fresh.Assign(FBatches.Items(i));
    if (fresh.FileName.isEmpty())
        return;
    const bool loaded = fresh.Load();
    // The folder view takes the file's content too; a file that could not be read (removed by
    // the other program) is left to the folder view's own refresh.
    TakeBatch(fresh, loaded);
}

void TFormBatchView::TakeBatch(const TFileItem &batch, bool toFolderView)
{
    for (int i = 0; i < FBatches.Count(); ++i) {
        TFileItem *item = FBatches.Items(i);
        if (item->FileName == batch.FileName && item->FileType == FileTypeBatch)
            item->Assign(&batch);
    }
    if (OnBatchSaved && toFolderView)
        OnBatchSaved(batch);
    // Both views take the batch, even when its file time did not move (two saves within the two
    // seconds the stored time resolves), so that neither edits a stale copy.
    HeaderView->Invalidate();
    ReadingsView->Invalidate();
    std::vector<const TFileItem *> entries;
    for (int i = 0; i < FBatches.Count(); ++i)
        entries.push_back(FBatches.Items(i));
    ShowBatches(entries);
}

void TFormBatchView::Invalidate()
{
    HeaderView->Invalidate();
    ReadingsView->Invalidate();
    if (FBatches.Count() == 1) {
        HeaderView->ShowBatch(*FBatches.Items(0));
        ReadingsView->ShowBatch(*FBatches.Items(0));
    }
}
