#include "UnitReportsPaneLink.h"

#include "UnitFormMain.h"
#include "UnitFormReports.h"

TReportsPaneLink::TReportsPaneLink(TFormMain *form, TMyReports &myReports)
    : QObject(form), FPane(new TFormReports(myReports, form->TabReports()))
{
    setObjectName(QStringLiteral("ReportsPaneLink"));
    FPane->Settings = &form->Settings();
    FPane->LoadTabReports = [form] { form->LoadTabReports(); };
    form->SetPane(TNodeKind::Reports, FPane,
                  {FPane->ActionNewReport, FPane->ActionDeleteReport, FPane->ActionRenameReport, FPane->ActionCopyReport});
    connect(form, &TFormMain::LoadReportList, FPane, &TFormReports::ReloadMyReports);
    connect(form, &TFormMain::ReportFoldersChanged, FPane, &TFormReports::FoldersChanged);
    connect(form, &TFormMain::ReportFileOpened, FPane, [this](const QString &path) {
        // A file just copied in is not listed yet.
        FPane->RefreshLists();
        FPane->SelectReportByPath(path);
    });
}

TReportsPaneLink::~TReportsPaneLink() { delete FPane; }

TFormReports *TReportsPaneLink::Pane() const { return FPane; }
