#pragma once
// Puts the templates window into the main window: the pane of the Templates node with its tool
// bar buttons, both upload entry points wired to the gauge pane, and template rows dropped on
// the gauge node uploaded.
#include <QObject>
#include <QPointer>

class TFormCalvaneK27;
class TFormMain;
class TFormTemplates;

class TTemplatesPaneLink : public QObject {
    Q_OBJECT
public:
    // Owned by the window; owns the pane. `gauge` is the gauge contents pane.
    TTemplatesPaneLink(TFormMain *form, TFormCalvaneK27 *gauge);
    ~TTemplatesPaneLink() override;

    TFormTemplates *Pane() const;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    TFormMain *FForm;
    QPointer<TFormTemplates> FPane;
};
