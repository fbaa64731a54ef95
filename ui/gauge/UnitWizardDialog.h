#pragma once
// The frame the wizards share: a header with the page's title and description (or a side bar on
// the first and last pages), the pages, and the buttons "< Back", "Next >", "Finish", "Cancel".
// Unlike QWizard, a page may be walked more than once (the upload wizard visits its middle pages
// once per template), so the order is decided by the wizard itself.
#include <QDialog>
#include <QString>
#include <QVector>

class QLabel;
class QPushButton;
class QStackedWidget;
class QWidget;

class TWizardDialog : public QDialog {
    Q_OBJECT
public:
    explicit TWizardDialog(QWidget *parent = nullptr);

    int CurrentPage() const { return FCurrent; }
    int PageCount() const { return static_cast<int>(FPages.size()); }
    QWidget *Page(int index) const;
    // The page's title as shown ("Batch IDs"); the first and last pages show theirs in the body.
    QString PageTitle(int index) const;
    bool PageEnabled(int index) const;
    // A disabled page is skipped by Next and Back.
    void SetPageEnabled(int index, bool enabled);
    // Shows a page and runs its entry work.
    void ShowPage(int index);

    QPushButton *ButtonBack() const { return FBack; }
    QPushButton *ButtonNext() const { return FNext; }
    QPushButton *ButtonFinish() const { return FFinish; }
    QPushButton *ButtonCancel() const { return FCancel; }

    // The buttons' work, also for tests that walk a wizard.
    void Next();
    void Back();

protected:
    // Adds a page; `exterior` pages (first and last) show the side bar and their title in the body.
    int AddPage(QWidget *page, const QString &title, const QString &description, bool exterior = false);
    // Work done when a page is entered, whichever way.
    virtual void PageEntered(int index);
    // Next on a page: false keeps the wizard on it (the page has told the user why).
    virtual bool LeavingForward(int index);
    // The pages Next and Back go to; by default the next or previous enabled page.
    virtual int NextPageOf(int index) const;
    virtual int PreviousPageOf(int index) const;
    // Told before Next or Back goes from one page to another.
    virtual void Moving(int from, int to, bool forward);
    void UpdateButtons();

private:
    struct TPage {
        QWidget *Widget;
        QString Title, Description;
        bool Exterior;
        bool Enabled = true;
    };
    QVector<TPage> FPages;
    int FCurrent = -1;
    QWidget *FHeader;
    QLabel *FTitle, *FDescription;
    QWidget *FSideBar;
    QStackedWidget *FStack;
    QPushButton *FBack, *FNext, *FFinish, *FCancel;
};

// A text for a label: the program's "\r\n" line breaks as the label shows them.
QString LabelText(const QString &text);
