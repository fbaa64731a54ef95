#pragma once
// Puts the reports window into the main window: the pane of the Reports node with its tool bar
// buttons, the report list loaded at start-up, and the lists kept current while the Reports and
// Settings folders change on disk.
#include <QObject>
#include <QPointer>

class TFormMain;
class TFormReports;
class TMyReports;

class TReportsPaneLink : public QObject {
    Q_OBJECT
public:
    // Owned by the window; owns the pane. `myReports` is the program's "My Reports" list.
    TReportsPaneLink(TFormMain *form, TMyReports &myReports);
    ~TReportsPaneLink() override;

    TFormReports *Pane() const;

private:
    QPointer<TFormReports> FPane;
};
