// Every window as a screen reader walks it: each control a user can operate has a name, and each
// menu can be worked from the keyboard.
#include "AccessibilitySupport.h"
#include "FolderViewSupport.h"
#include "FormMainTestSupport.h"
#include "UnitFolderViewPlug.h"
#include "UnitFormAbout.h"
#include "UnitFormAnchor.h"
#include "UnitFormBatchView.h"
#include "UnitFormCalvaneK27.h"
#include "UnitFormDownloadBatches.h"
#include "UnitFormLocal.h"
#include "UnitFormMemoEditor.h"
#include "UnitFormPageDesign.h"
#include "UnitFormPleaseWait.h"
#include "UnitFormPreferences.h"
#include "UnitFormReports.h"
#include "UnitFormTemplateBatchWizard.h"
#include "UnitFormTemplates.h"
#include "UnitFormUploadTemplate.h"
#include "UnitFormUploadWizard.h"
#include "UnitFormViewReport.h"
#include "UnitGaugePaneLink.h"
#include "UnitKeyboardAccess.h"
#include "UnitMyReports.h"
#include "UnitPage.h"
#include "UnitPageItemChart.h"
#include "UnitPageItemMemo.h"
#include "UnitPageItemShape.h"
#include "UnitReport.h"
#include "UnitReportsPaneLink.h"
#include "UnitTemplatesPaneLink.h"

#include <QRegularExpression>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>

namespace {

class AccessibilityTest : public FormMainTest {
protected:
    void SetUp() override
    {
        FormMainTest::SetUp();
        RegisterReportDocument();
        RegisterPageItemClasses();
        Reports = Home.Path() + QStringLiteral("/Reports/");
        QDir().mkpath(Reports);
        TReport r;
        for (int type : {PageTypeOpening, PageTypeInner}) {
            TPage *p = r.AddPage();
            p->Properties["PageType"].SetInteger(type);
            p->AddItem<TPageItemShape>();
            p->AddItem<TPageItemMemo>()->Properties["Text"].SetString(QStringLiteral("Inner"));
            if (type == PageTypeInner)
                p->AddItem<TPageItemChartRun>();
        }
        r.SaveToFile(Reports + QStringLiteral("Design.vcr"));
        My.Reload(Reports);
    }
    void TearDown() override
    {
        Plug.reset();
        FormMainTest::TearDown();
    }
    // Shows a window and lists its nameless controls, each prefixed with the state walked.
    static QStringList Walk(QWidget *window, const QString &state)
    {
        if (!window->isVisible()) {
            window->resize(900, 700);
            window->show();
        }
        QCoreApplication::processEvents();
        QStringList found;
        for (const QString &control : NamelessControls(window) + UnreachableToolButtons(window))
            found << state + QStringLiteral(": ") + control;
        return found;
    }
    // The main window as the program puts it together, on a storage root with one batch.
    void StartProgram()
    {
        MakeDir(LocalFolder() + QStringLiteral("Site"));
        WriteBatch(LocalFolder() + QStringLiteral("Site/"), QStringLiteral("Deck"),
                   MakeBatch(BatchTypeCover, BatchFormatGrid, 3, 3));
        Form = std::make_unique<TFormMain>();
        Form->SetWatcherPauseMs(50);
        Plug = std::make_unique<TFolderViewPlug>(*Form, &My);
        auto *gauge = new TGaugePaneLink(Form.get());
        new TTemplatesPaneLink(Form.get(), gauge->Pane());
        new TReportsPaneLink(Form.get(), My);
        Form->resize(1000, 700);
        Form->show();
        ASSERT_TRUE(WaitUntil([&] { return Form->SelectedNode() != nullptr; }));
    }
    QString Reports;
    TMyReports My;
    std::unique_ptr<TFolderViewPlug> Plug;
};

// The main window as the program puts it together, walked on every node and on a batch.
TEST_F(AccessibilityTest, MainWindowOnEveryNode)
{
    StartProgram();
    QStringList found;
    const std::pair<const char *, QTreeWidgetItem *> nodes[] = {
        {"root", Form->RootNode()},         {"gauge", Form->GaugeNode()}, {"templates", Form->TemplatesNode()},
        {"reports", Form->ReportsNode()},   {"local", Form->LocalNode()},
    };
    for (const auto &[name, node] : nodes) {
        Form->SelectNode(node);
        found << Walk(Form.get(), QLatin1String(name));
    }
    // A batch selected: the batch view's tabs one after the other.
    Form->RescanFolderNodes(LocalFolder(), true);
    Form->SelectNode(Node(QStringLiteral("Site")));
    TFormLocal *view = Plug->View();
    ASSERT_EQ(view->Files().Count(), 1);
    view->SelectRows({0});
    ASSERT_TRUE(WaitUntil([&] { return view->BatchView->isVisible(); }));
    for (int tab = 0; tab < view->BatchView->TabCount(); ++tab) {
        view->BatchView->SetTabIndex(tab);
        found << Walk(Form.get(), QStringLiteral("batch tab %1").arg(tab));
    }
    EXPECT_TRUE(found.isEmpty()) << found.join(QLatin1Char('\n')).toStdString();
}

// Every other window and dialog, made as its caller makes it.
TEST_F(AccessibilityTest, EveryWindowAndDialog)
{
    TSettings settings;
    TFileList tabReports;
    TFileItem design;
    design.FileName = Reports + QStringLiteral("Design.vcr");
    design.FileType = FileTypeReport;
    ASSERT_TRUE(design.Load());
    struct TWindow {
        const char *Name;
        std::function<std::unique_ptr<QWidget>()> Make;
    };
    const std::vector<TWindow> windows = {
        {"Preferences", [] { return std::make_unique<TFormPreferences>(); }},
        {"About", [] { return std::make_unique<TFormAbout>(); }},
        {"Please wait", [] { return std::make_unique<TFormPleaseWait>(); }},
        {"Anchor", [] { return std::make_unique<TFormAnchor>(); }},
        {"Memo editor", [] { return std::make_unique<TFormMemoEditor>(); }},
        {"Download batches", [] { return std::make_unique<TFormDownloadBatches>(); }},
        {"Template batch wizard", [] { return std::make_unique<TFormTemplateBatchWizard>(); }},
        {"Upload template", [] { return std::make_unique<TFormUploadTemplate>(); }},
        {"Upload wizard", [] { return std::make_unique<TFormUploadWizard>(); }},
        {"Templates", [] { return std::make_unique<TFormTemplates>(); }},
        {"Reports", [&] { return std::make_unique<TFormReports>(My, tabReports); }},
        {"Report viewer", [&] { return std::make_unique<TFormViewReport>(settings, &My); }},
        {"Page design",
         [&] {
             auto form = std::make_unique<TFormPageDesign>(&settings);
             form->SetReportEntry(design);
             form->PageIndex = 1;
             return form;
         }},
    };
    QStringList found;
    for (const TWindow &w : windows) {
        std::unique_ptr<QWidget> window = w.Make();
        found << Walk(window.get(), QLatin1String(w.Name));
        // Every page of a tabbed or stacked window.
        for (QTabWidget *tabs : window->findChildren<QTabWidget *>())
            for (int i = 0; i < tabs->count(); ++i) {
                tabs->setCurrentIndex(i);
                found << Walk(window.get(), QStringLiteral("%1 tab %2").arg(QLatin1String(w.Name)).arg(i));
            }
    }
    found.removeDuplicates();
    EXPECT_TRUE(found.isEmpty()) << found.join(QLatin1Char('\n')).toStdString();
}

// Every menu of every window, context menus too: each entry has an underlined letter that no
// other entry of its menu has.
TEST_F(AccessibilityTest, MenuMnemonicsAreUniqueInEveryMenu)
{
    StartProgram();
    TSettings settings;
    TFileList tabReports;
    TFormPageDesign design(&settings);
    TFormReports reports(My, tabReports);
    TFormViewReport viewer(settings, &My);
    TFormTemplates templates;
    const std::pair<const char *, QWidget *> windows[] = {
        {"main window", Form.get()}, {"folder view", Plug->View()}, {"page design", &design},
        {"reports", &reports},       {"report viewer", &viewer},    {"templates", &templates},
    };
    QStringList faults;
    int menus = 0;
    for (const auto &[name, window] : windows) {
        // Menus and the context menus Qt makes from a control's actions.
        QList<QPair<QString, QList<QAction *>>> lists;
        for (QMenuBar *bar : window->findChildren<QMenuBar *>())
            lists.append({QStringLiteral("menu bar"), bar->actions()});
        for (QMenu *menu : MenusOf(window))
            lists.append({menu->objectName() + QLatin1Char(' ') + menu->title(), menu->actions()});
        QList<QWidget *> widgets = window->findChildren<QWidget *>();
        widgets << window;
        for (QWidget *w : widgets)
            if (w->contextMenuPolicy() == Qt::ActionsContextMenu)
                lists.append({w->objectName() + QStringLiteral(" context menu"), w->actions()});
        for (const auto &[menu, actions] : lists) {
            ++menus;
            QMap<QChar, QString> used;
            for (QAction *a : actions) {
                if (a->isSeparator() || a->text().isEmpty())
                    continue;
                const QString where = QStringLiteral("%1 / %2: \"%3\"").arg(QLatin1String(name), menu, a->text());
                const QChar m = MnemonicOf(a->text());
                // Zoom steps ("500%", "50%") are told apart by the arrow keys, not by letters.
                const bool letters = WithoutMnemonic(a->text()).contains(QRegularExpression(QStringLiteral("\\p{L}")));
                if (m.isNull() && letters)
                    faults << where + QStringLiteral(" has no mnemonic");
                else if (!m.isNull() && used.contains(m))
                    faults << where + QStringLiteral(" shares its mnemonic with \"%1\"").arg(used[m]);
                else if (!m.isNull())
                    used[m] = a->text();
            }
        }
    }
    EXPECT_GT(menus, 8);
    EXPECT_TRUE(faults.isEmpty()) << faults.join(QLatin1Char('\n')).toStdString();
}

} // namespace
