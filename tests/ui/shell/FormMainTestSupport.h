#pragma once
// Shared fixture of the main window tests: a window on a temporary storage root, scripted dialogs
// and a stand-in folder view whose selection and focus the test sets.
#include "TestSupport.h"
#include "UnitDialogHooks.h"
#include "UnitFolderViewLink.h"
#include "UnitFormMain.h"
#include "UnitStorage.h"
#include "UnitThreadDirectory.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QDeadlineTimer>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QMap>
#include <QTreeWidget>
#include <functional>
#include <memory>

// Counts the emissions of one signal.
class TSignalCount {
public:
    template <class Sender, class Signal> TSignalCount(Sender *sender, Signal signal)
    {
        QObject::connect(sender, signal, &FContext, [this] { ++FCount; });
    }
    int size() const { return FCount; }
    bool isEmpty() const { return FCount == 0; }

private:
    QObject FContext;
    int FCount = 0;
};

class TFakeFolderView : public IFolderView {
public:
    QLabel Pane{QStringLiteral("folder view")};
    QString Folder;
    QStringList Selection;
    bool Focused = false;
    bool Visible = true;
    int Refreshes = 0;
    QString Edited;

    QWidget *Widget() override { return &Pane; }
    void SetFolder(const QString &folder) override { Folder = folder; }
    std::function<void()> OnRefresh;
    void RefreshView() override
    {
        ++Refreshes;
        if (OnRefresh)
            OnRefresh();
    }
    bool ListHasFocus() const override { return Focused; }
    bool ListVisible() const override { return Visible; }
    void SetListVisible(bool visible) override { Visible = visible; }
    QStringList SelectedPaths() const override { return Selection; }
    QMap<QString, const TFileItem *> Entries; // what BatchEntry hands out
    const TFileItem *BatchEntry(const QString &path) const override { return Entries.value(path); }
    void EditSelectedCaption() override { Edited = Selection.value(0); }
    void SelectAll() override {}
    int Deletes = 0;
    void DeleteSelection() override { ++Deletes; }
    void SelectAndEdit(const QString &path) override { Edited = path; }
    void SelectPath(const QString &path) override { Selection = {path}; }
};

class FormMainTest : public IsolatedTest {
protected:
    void SetUp() override
    {
        ResetDialogHooks();
        DialogHooks().ExecDialog = [this](QDialog &d) { return Dialog ? Dialog(d) : int(QDialog::Rejected); };
        DialogHooks().OpenSpreadsheet = [this](const QString &p) { Opened << p; return true; };
        DialogHooks().OpenFile = [this](const QString &p) { Opened << p; return true; };
    }
    void TearDown() override
    {
        Form.reset();
        ResetDialogHooks();
        QApplication::clipboard()->clear();
    }
    // Creates the window and runs its show-time work without showing it.
    void Start(bool withView = true)
    {
        Form = std::make_unique<TFormMain>();
        Form->SetWatcherPauseMs(50);
        if (withView)
            Form->SetFolderView(&View);
        Form->StartupRefresh();
    }
    QAction *Action(const char *name) const { return Form->findChild<QAction *>(QLatin1String(name)); }
    // Triggers an action after re-evaluating the enabled states; false when it was disabled.
    bool Run(const char *name)
    {
        Form->UpdateActions();
        QAction *a = Action(name);
        if (!a || !a->isEnabled())
            return false;
        a->trigger();
        return true;
    }
    QTreeWidgetItem *Node(const QString &relative) const { return Form->NodeOfFolder(LocalFolder() + relative); }
    static void MakeDir(const QString &path) { ASSERT_TRUE(QDir().mkpath(path)) << path.toStdString(); }
    static void WriteFile(const QString &path, const QByteArray &data = "x")
    {
        QFile f(path);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly)) << path.toStdString();
        f.write(data);
    }
    static QString ReadText(const QString &path)
    {
        QFile f(path);
        return f.open(QIODevice::ReadOnly) ? QString::fromUtf8(f.readAll()) : QString();
    }
    static QStringList ChildTexts(QTreeWidgetItem *node)
    {
        QStringList texts;
        for (int i = 0; node && i < node->childCount(); ++i)
            texts << node->child(i)->text(0);
        return texts;
    }
    // Processes events until the condition holds or the time limit passes.
    static bool WaitUntil(const std::function<bool()> &condition, int ms = 10000)
    {
        return ServeEventsUntil(condition, ms);
    }

    // Waits until both watchers are armed on these folders (re-arming them), so that a change
    // made next is seen.
    bool WatchersArmed(const QString &folder, const QString &parent)
    {
        TThreadDirectory *watchers[2] = {Form->FolderWatcher(), Form->ParentWatcher()};
        const QString folders[2] = {folder, parent};
        if (!watchers[0] || !watchers[1])
            return false;
        QObject context;
        int state[2] = {0, 0};
        for (int i = 0; i < 2; ++i) {
            QObject::connect(watchers[i], &TThreadDirectory::Watching, &context, [&state, &folders, i](const QString &f) {
                state[i] = QDir::cleanPath(f) == QDir::cleanPath(folders[i]) ? 1 : 0;
            });
            QObject::connect(watchers[i], &TThreadDirectory::WaitingForChange, &context, [&state, i] {
                if (state[i] == 1)
                    state[i] = 2;
            });
            watchers[i]->Wake();
        }
        return WaitUntil([&] { return state[0] == 2 && state[1] == 2; });
    }

    std::unique_ptr<TFormMain> Form;
    TFakeFolderView View;
    std::function<int(QDialog &)> Dialog;
    QStringList Opened;
};
