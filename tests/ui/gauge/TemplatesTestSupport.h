#pragma once
// The templates window and the upload wizards offscreen: a window on the temporary storage
// root's "Templates" folder, with its modal dialogs answered by the test.
#include "TestSupport.h"
#include "UnitDialogHooks.h"
#include "UnitFileOperations.h"
#include "UnitFormTemplateBatchWizard.h"
#include "UnitFormTemplates.h"
#include "UnitFormUploadWizard.h"
#include "UnitStorage.h"
#include "UnitTemplateList.h"

#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QTreeWidget>
#include <functional>
#include <memory>

class TemplatesTest : public IsolatedTest {
protected:
    void SetUp() override
    {
        ResetDialogHooks();
        // A dialog shown by the code under test is shown (offscreen) and handed to the test's
        // script, which walks it and returns its result; without a script it is cancelled.
        DialogHooks().ExecDialog = [this](QDialog &d) {
            ++DialogCount;
            d.show();
            const int result = Dialog ? Dialog(d) : int(QDialog::Rejected);
            d.hide();
            return result;
        };
        QDir().mkpath(TemplatesFolder());
    }
    void TearDown() override
    {
        Window.reset();
        ResetDialogHooks();
    }

public:

    static QString TemplateFile(const QString &name) { return IncludeTrailingSlash(TemplatesFolder()) + name + QStringLiteral(".vct"); }

    // A template file with definitions given as (type, format) pairs; grid definitions 4 x 3.
    static void WriteTemplate(const QString &name, const QList<std::pair<int, int>> &definitions,
                              const std::function<void(TTemplateList &)> &change = {})
    {
        TTemplateList t;
        for (const auto &[type, format] : definitions) {
            TTemplateItem *d = t.Add();
            d->BatchType = static_cast<std::uint8_t>(type);
            d->BatchFormat = static_cast<std::uint8_t>(format);
            d->Columns = format == 1 ? 1 : 4;
            d->Rows = format == 1 ? 1000 : 3;
            d->Grid = 200;
            d->HighLimit = type == 0 ? 75 : -200;
            d->LowLimit = type == 0 ? 30 : -350;
            d->HighLimitApplied = true;
        }
        if (change)
            change(t);
        t.SaveToFile(TemplateFile(name));
    }
    static std::unique_ptr<TTemplateList> ReadTemplate(const QString &name)
    {
        auto t = std::make_unique<TTemplateList>();
        t->LoadFromFile(TemplateFile(name));
        return t;
    }

    // The window, shown offscreen so that its show-time refresh runs.
    TFormTemplates &Open()
    {
        Window = std::make_unique<TFormTemplates>();
        Window->resize(800, 600);
        Window->show();
        return *Window;
    }
    QStringList TemplateNames() const
    {
        QStringList names;
        for (int i = 0; i < Window->ListViewTemplates()->topLevelItemCount(); ++i)
            names << Window->ListViewTemplates()->topLevelItem(i)->text(0);
        return names;
    }
    QStringList BatchRow(int row) const
    {
        QStringList texts;
        QTreeWidgetItem *item = Window->ListViewBatches()->topLevelItem(row);
        for (int c = 0; item && c < Window->ListViewBatches()->columnCount(); ++c)
            texts << item->text(c);
        return texts;
    }
    // Triggers an action after re-evaluating the enabled states; false when it was disabled.
    bool Run(QAction *action)
    {
        Window->UpdateActions();
        if (!action->isEnabled())
            return false;
        action->trigger();
        return true;
    }
    // The open name editor of the template list, or nullptr.
    QLineEdit *NameEditor() const
    {
        return Window->ListViewTemplates()->findChild<QLineEdit *>(QStringLiteral("EditTemplateName"));
    }

    std::unique_ptr<TFormTemplates> Window;
    std::function<int(QDialog &)> Dialog;
    int DialogCount = 0;
};

// Types text into a widget key by key, as the user would.
inline void TypeText(QWidget *widget, const QString &text)
{
    for (const QChar c : text) {
        QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, QString(c));
        QApplication::sendEvent(widget, &press);
        QKeyEvent release(QEvent::KeyRelease, 0, Qt::NoModifier, QString(c));
        QApplication::sendEvent(widget, &release);
    }
}

// Walks the template batch wizard: `fill` sets the pages' controls, and Next is pressed until the
// last page, where Finish is pressed. Returns Rejected when a page refused (the refusal stays in
// the prompts), Accepted otherwise.
inline int WalkBatchWizard(QDialog &d, const std::function<void(TFormTemplateBatchWizard &)> &fill = {})
{
    auto *w = dynamic_cast<TFormTemplateBatchWizard *>(&d);
    if (!w)
        return QDialog::Rejected;
    if (fill)
        fill(*w);
    for (int guard = 0; guard < 10 && w->CurrentPage() != TFormTemplateBatchWizard::PageCompleted; ++guard) {
        const int before = w->CurrentPage();
        w->ButtonNext()->click();
        if (w->CurrentPage() == before)
            return QDialog::Rejected;
    }
    w->ButtonFinish()->click();
    return w->result();
}
