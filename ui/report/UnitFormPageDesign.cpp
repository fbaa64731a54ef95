#include "UnitFormPageDesign.h"

#include "UnitException.h"
#include "UnitFormPageItemList.h"
#include "UnitFormPropertyEditor.h"
#include "UnitPrompt.h"
#include "UnitPropertyForm.h"
#include "UnitReport.h"
#include "UnitSettings.h"
#include "UnitUnits.h"
#include "UnitfocClipboard.h"

#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>
#include <QShowEvent>
#include <QSplitter>
#include <QStatusBar>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace {
constexpr int RulerSize = 22;

struct TToolEntry {
    const char *Name;
    const char *Caption;
    const char *Class; // none for "Select"
    bool Readings;
};
const TToolEntry kTools[TFormPageDesign::ToolCount] = {
    {"ActionToolSelect", QT_TRID_NOOP("Select"), nullptr, false},
    {"ActionToolShape", QT_TRID_NOOP("Shape"), "TPageItemShape", false},
    {"ActionToolMemo", QT_TRID_NOOP("Memo"), "TPageItemMemo", false},
    {"ActionToolGraphic", QT_TRID_NOOP("Graphic"), "TPageItemGraphic", false},
    {"ActionToolOverview", QT_TRID_NOOP("Overview"), "TPageItemChartOverview", false},
    {"ActionToolReadings", QT_TRID_NOOP("Readings"), "TPageItemChartOverview", true},
    {"ActionToolHistogram", QT_TRID_NOOP("Histogram"), "TPageItemChartHistogram", false},
    {"ActionToolRun", QT_TRID_NOOP("Run"), "TPageItemChartRun", false},
    {"ActionToolCombinedOverview", QT_TRID_NOOP("Combined Overview"), "TPageItemChartCombinedOverview",
     false},
    {"ActionToolContour", QT_TRID_NOOP("Contour"), "TPageItemChartContour", false},
};

const double kZoomValues[] = {5, 2, 1.5, 1, 0.75, 0.5, 0.25, 0.1};
} // namespace

QStringList ZoomListEntries()
{
    return {Tr("Page Width"), Tr("Full Page"), Tr("500%"), Tr("200%"), Tr("150%"),
            Tr("100%"),       Tr("75%"),       Tr("50%"),  Tr("25%"),  Tr("10%")};
}

void ApplyZoomEntry(TPageDesigner &designer, int index)
{
    if (index == 0) {
        designer.SetZoomType(ztPageWidth);
    } else if (index == 1) {
        designer.SetZoomType(ztFullPage);
    } else if (index >= 2 && index < 10) {
        designer.SetZoomType(ztPercentage);
        designer.SetZoomValue(kZoomValues[index - 2]);
    }
}

TFormPageDesign::TFormPageDesign(TSettings *settings, QWidget *parent) : QDialog(parent), FSettings(settings)
{
    InstallPropertyEditorForms();
    setObjectName(QStringLiteral("FormPageDesign"));
    setWindowTitle(Tr("Page Design"));
    setWindowFlags(windowFlags() | Qt::WindowMinMaxButtonsHint);
    resize(781, 531);

    ActionSave = MakeAction("ActionSave", QT_TRID_NOOP("Save"));
    ActionSaveAndExit = MakeAction("ActionSaveAndExit", QT_TRID_NOOP("Save and Exit"));
    ActionAbandonAndExit = MakeAction("ActionAbandonAndExit", QT_TRID_NOOP("Abandon and Exit"));
    ActionDelete = MakeAction("ActionDelete", QT_TRID_NOOP("Delete"), QKeySequence(Qt::CTRL | Qt::Key_D));
    ActionCut = MakeAction("ActionCut", QT_TRID_NOOP("Cut"), QKeySequence(Qt::CTRL | Qt::Key_X));
    ActionCopy = MakeAction("ActionCopy", QT_TRID_NOOP("Copy"), QKeySequence(Qt::CTRL | Qt::Key_C));
    ActionPaste = MakeAction("ActionPaste", QT_TRID_NOOP("Paste"), QKeySequence(Qt::CTRL | Qt::Key_V));
    ActionGrid = MakeAction("ActionGrid", QT_TRID_NOOP("Grid"));
    ActionSnap = MakeAction("ActionSnap", QT_TRID_NOOP("Snap"));
    ActionGrid->setCheckable(true);
    ActionSnap->setCheckable(true);
    ActionBringToFront = MakeAction("ActionBringToFront", QT_TRID_NOOP("Bring to Front"));
    ActionSendToBack = MakeAction("ActionSendToBack", QT_TRID_NOOP("Send to Back"));

    auto *outer = new QVBoxLayout(this);
    outer->setContentsMargins(0, 0, 0, 0);
    outer->setSpacing(0);
    FMenuBar = new QMenuBar(this);
    FMenuBar->setObjectName(QStringLiteral("MainMenu"));
    QMenu *report = FMenuBar->addMenu(Tr("Report"));
    report->setObjectName(QStringLiteral("MenuReport"));
    report->addAction(ActionSave);
    report->addAction(ActionSaveAndExit);
    report->addSeparator();
    report->addAction(ActionAbandonAndExit);
    outer->setMenuBar(FMenuBar);

    // Zoom list and tool bar.
    auto *top = new QHBoxLayout;
    top->setContentsMargins(4, 2, 4, 2);
    auto *zoomLabel = new QLabel(Tr("Zoom:"), this);
    top->addWidget(zoomLabel);
    FZoom = new QComboBox(this);
    FZoom->setObjectName(QStringLiteral("ComboBoxZoom"));
    FZoom->addItems(ZoomListEntries());
    FZoom->setCurrentIndex(0);
    zoomLabel->setBuddy(FZoom);
    top->addWidget(FZoom);
    auto *toolBar = new QToolBar(this);
    toolBar->setObjectName(QStringLiteral("ToolBarDesign"));
    toolBar->setToolButtonStyle(Qt::ToolButtonTextOnly);
    toolBar->addAction(ActionSave);
    toolBar->addSeparator();
    toolBar->addAction(ActionDelete);
    toolBar->addAction(ActionCut);
    toolBar->addAction(ActionCopy);
    toolBar->addAction(ActionPaste);
    toolBar->addSeparator();
    toolBar->addAction(ActionGrid);
    toolBar->addAction(ActionSnap);
    top->addWidget(toolBar, 1);
    outer->addLayout(top);

    auto *middle = new QHBoxLayout;
    middle->setContentsMargins(0, 0, 0, 0);
    middle->setSpacing(2);
    outer->addLayout(middle, 1);

    // Tool box of mutually exclusive toggles.
    auto *toolBox = new QWidget(this);
    toolBox->setObjectName(QStringLiteral("ToolBox"));
    toolBox->setFixedWidth(200);
    auto *toolLayout = new QVBoxLayout(toolBox);
    toolLayout->setContentsMargins(2, 2, 2, 2);
    toolLayout->setSpacing(1);
    FToolGroup = new QActionGroup(this);
    FToolGroup->setExclusive(true);
    for (int i = 0; i < ToolCount; ++i) {
        QAction *a = MakeAction(kTools[i].Name, kTools[i].Caption);
        a->setCheckable(true);
        FToolGroup->addAction(a);
        FTools[i] = a;
        auto *b = new QToolButton(toolBox);
        b->setDefaultAction(a);
        b->setToolButtonStyle(Qt::ToolButtonTextOnly);
        b->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
        toolLayout->addWidget(b);
        connect(a, &QAction::triggered, this, [this, i] { ToolClick(i); });
    }
    toolLayout->addStretch(1);
    middle->addWidget(toolBox);

    // Design area: rulers along the top and left, the designer filling the rest.
    auto *area = new QWidget(this);
    area->setObjectName(QStringLiteral("PanelDesign"));
    auto *grid = new QGridLayout(area);
    grid->setContentsMargins(0, 0, 1, 1);
    grid->setSpacing(0);
    FTopRuler = new TPageRuler(area);
    FTopRuler->setObjectName(QStringLiteral("RulerTop"));
    FTopRuler->setFixedHeight(RulerSize);
    FLeftRuler = new TPageRuler(area);
    FLeftRuler->setObjectName(QStringLiteral("RulerLeft"));
    FLeftRuler->SetRulerType(rtVertical);
    FLeftRuler->setFixedWidth(RulerSize);
    auto *corner = new QWidget(area);
    corner->setFixedSize(RulerSize, RulerSize);
    FDesigner = new TPageDesigner(area);
    FEditor = new TPageEditor;
    FDesigner->SetPageEditor(FEditor);
    FDesigner->SetTopRuler(FTopRuler);
    FDesigner->SetLeftRuler(FLeftRuler);
    grid->addWidget(corner, 0, 0);
    grid->addWidget(FTopRuler, 0, 1);
    grid->addWidget(FLeftRuler, 1, 0);
    grid->addWidget(FDesigner, 1, 1);
    middle->addWidget(area, 1);

    // Item list above the property editor, then the batch switches.
    auto *right = new QWidget(this);
    right->setObjectName(QStringLiteral("PanelRight"));
    right->setFixedWidth(230);
    auto *rightLayout = new QVBoxLayout(right);
    rightLayout->setContentsMargins(0, 0, 0, 0);
    auto *splitter = new QSplitter(Qt::Vertical, right);
    FItemList = new TFormPageItemList(splitter);
    FPropertyEditor = new TFormPropertyEditor(splitter);
    splitter->addWidget(FItemList);
    splitter->addWidget(FPropertyEditor);
    splitter->setStretchFactor(1, 2);
    rightLayout->addWidget(splitter, 1);
    auto *switches = new QHBoxLayout;
    FButtonCover = new QPushButton(Tr("Cover"), right);
    FButtonCover->setObjectName(QStringLiteral("ButtonCover"));
    FButtonHalfcell = new QPushButton(Tr("Halfcell"), right);
    FButtonHalfcell->setObjectName(QStringLiteral("ButtonHalfcell"));
    for (QPushButton *b : {FButtonCover, FButtonHalfcell}) {
        b->setCheckable(true);
        b->setAutoDefault(false);
        switches->addWidget(b);
    }
    rightLayout->addLayout(switches);
    middle->addWidget(right);

    auto *status = new QStatusBar(this);
    status->setObjectName(QStringLiteral("StatusBar"));
    for (int i = 0; i < 3; ++i) {
        FStatus[i] = new QLabel(status);
        status->addWidget(FStatus[i], i == 2 ? 1 : 0);
    }
    FStatus[0]->setFixedWidth(220);
    FStatus[1]->setFixedWidth(30);
    FStatus[1]->setAlignment(Qt::AlignCenter);
    outer->addWidget(status);

    // Context menu of the surface and the item list.
    FContextMenu = new QMenu(this);
    FContextMenu->setObjectName(QStringLiteral("PopupMenuDesign"));
    QMenu *zoomMenu = FContextMenu->addMenu(Tr("Zoom"));
    auto *zoomGroup = new QActionGroup(this);
    const QStringList zooms = ZoomListEntries();
    for (int i = 0; i < zooms.size(); ++i) {
        QAction *a = zoomMenu->addAction(zooms.at(i));
        a->setObjectName(QStringLiteral("ActionZoom%1").arg(i));
        a->setCheckable(true);
        zoomGroup->addAction(a);
        connect(a, &QAction::triggered, this, [this, i] { FZoom->setCurrentIndex(i); });
        FZoomActions << a;
    }
    FContextMenu->addSeparator();
    FContextMenu->addAction(ActionBringToFront);
    FContextMenu->addAction(ActionSendToBack);
    FContextMenu->addSeparator();
    FContextMenu->addAction(ActionCut);
    FContextMenu->addAction(ActionCopy);
    FContextMenu->addAction(ActionPaste);
    FContextMenu->addSeparator();
    FContextMenu->addAction(FTools[0]);
    FContextMenu->addSeparator();
    QMenu *newMenu = FContextMenu->addMenu(Tr("New"));
    for (int i = 1; i <= 4; ++i)
        newMenu->addAction(FTools[i]);
    for (QWidget *w : {static_cast<QWidget *>(FEditor), static_cast<QWidget *>(FItemList->List())}) {
        w->setContextMenuPolicy(Qt::CustomContextMenu);
        connect(w, &QWidget::customContextMenuRequested, this,
                [this, w](const QPoint &p) { ContextMenu()->popup(w->mapToGlobal(p)); });
    }

    connect(FZoom, &QComboBox::currentIndexChanged, this, [this] { ApplyZoom(); });
    connect(ActionSave, &QAction::triggered, this, [this] { Save(); });
    connect(ActionSaveAndExit, &QAction::triggered, this, &TFormPageDesign::SaveAndExit);
    connect(ActionAbandonAndExit, &QAction::triggered, this, &TFormPageDesign::AbandonAndExit);
    connect(ActionDelete, &QAction::triggered, this, &TFormPageDesign::Delete);
    connect(ActionCut, &QAction::triggered, this, [this] {
        FPropertyEditor->ShowProperties(&FEditor->Page().Properties);
        FEditor->CutSelection();
    });
    connect(ActionCopy, &QAction::triggered, this, [this] {
        FEditor->CopySelection();
        UpdateActions();
    });
    connect(ActionPaste, &QAction::triggered, this, [this] {
        try {
            FEditor->Paste();
        } catch (const Exception &e) {
            Prompt().Error(e.Message());
        }
        FItemList->Rebuild();
    });
    connect(ActionGrid, &QAction::triggered, this, [this](bool on) {
        FEditor->SetGrid(on);
        SetSetting(QStringLiteral("Grid"), on);
        UpdateActions();
    });
    connect(ActionSnap, &QAction::triggered, this, [this](bool on) {
        FEditor->Page().SnapToGrid = on;
        FEditor->Page().StructureChanged = true;
        SetSetting(QStringLiteral("Snap"), on);
        UpdateActions();
    });
    connect(ActionBringToFront, &QAction::triggered, this, &TFormPageDesign::BringToFront);
    connect(ActionSendToBack, &QAction::triggered, this, &TFormPageDesign::SendToBack);
    connect(FButtonCover, &QPushButton::clicked, this, &TFormPageDesign::ButtonCoverClick);
    connect(FButtonHalfcell, &QPushButton::clicked, this, &TFormPageDesign::ButtonHalfcellClick);
    if (QClipboard *clipboard = QGuiApplication::clipboard())
        connect(clipboard, &QClipboard::dataChanged, this, &TFormPageDesign::UpdateActions);

    FEditor->OnSelectItem = [this] { SelectionChanged(); };
    FEditor->OnAddedItem = [this] { ItemsAdded(); };
    FItemList->OnSelectionChanged = [this] {
        ShowSelectedProperties(true);
        FEditor->update();
        UpdateActions();
    };
    FPropertyEditor->OnCommitted = [this] { ValueCommitted(); };
    // The enabled states follow the page while the window is idle (mouse edits included).
    auto *idle = new QTimer(this);
    idle->setInterval(150);
    connect(idle, &QTimer::timeout, this, &TFormPageDesign::UpdateActions);
    idle->start();
}

TFormPageDesign::~TFormPageDesign()
{
    FEditor->OnSelectItem = nullptr;
    FEditor->OnAddedItem = nullptr;
    FPropertyEditor->ShowProperties(nullptr);
}

QAction *TFormPageDesign::MakeAction(const char *name, const char *caption, const QKeySequence &shortcut)
{
    auto *a = new QAction(Tr(caption), this);
    a->setObjectName(QString::fromLatin1(name));
    if (!shortcut.isEmpty()) {
        a->setShortcut(shortcut);
        a->setShortcutContext(Qt::WindowShortcut);
    }
    addAction(a);
    return a;
}

TReport *TFormPageDesign::Report() const { return ReportOf(FEntry); }

bool TFormPageDesign::Setting(const QString &name) const
{
    return FSettings && FSettings->IndexOf(name) >= 0 && FSettings->ItemByName(name).AsBoolean();
}

void TFormPageDesign::SetSetting(const QString &name, bool value)
{
    if (FSettings)
        FSettings->ItemByName(name).SetAsBoolean(value);
}

void TFormPageDesign::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (!event->spontaneous()) {
        if (QScreen *screen = this->screen())
            move(screen->availableGeometry().center() - rect().center());
        Prepare();
    }
}

void TFormPageDesign::Prepare()
{
    FClosing = false;
    TPage &page = FEditor->Page();
    TReport *report = Report();
    if (report && PageIndex >= 0 && PageIndex < report->Count())
        page.Assign(report->Pages(PageIndex));
    UpdateBatchButtons();
    ActionGrid->setChecked(Setting(QStringLiteral("Grid")));
    FEditor->SetGridSpacing(DesignerGridSpacing());
    FEditor->SetGrid(ActionGrid->isChecked());
    ActionSnap->setChecked(Setting(QStringLiteral("Snap")));
    page.SnapToGrid = ActionSnap->isChecked();
    page.ClearModified();
    FItemList->SetPage(&page);
    FStatus[0]->setText(report ? report->Name : QString());
    FStatus[1]->setText(QString::number(PageIndex + 1));
    FPropertyEditor->ShowProperties(&page.Properties);
    ApplyZoom();
    FTools[0]->setChecked(true);
    ToolClick(0);
    UpdateActions();
    // Once the window has its final size, lay the surface out again.
    QTimer::singleShot(0, this, &TFormPageDesign::Relayout);
}

void TFormPageDesign::Relayout()
{
    FDesigner->UpdateLayout();
    FDesigner->InvalidateAll();
}

void TFormPageDesign::ApplyZoom()
{
    ApplyZoomEntry(*FDesigner, FZoom->currentIndex());
}

QMenu *TFormPageDesign::ContextMenu()
{
    UpdateActions();
    const int zoom = FZoom->currentIndex();
    if (zoom >= 0 && zoom < FZoomActions.size())
        FZoomActions.at(zoom)->setChecked(true);
    return FContextMenu;
}

void TFormPageDesign::UpdateActions()
{
    // The tool box follows the editor, which may end an insertion itself (a failed one).
    if (FEditor->InsertState() == TPageEditor::isIdle && !FTools[0]->isChecked())
        FTools[0]->setChecked(true);
    const TPage &page = FEditor->Page();
    const bool selected = page.SelectedCount() > 0;
    ActionDelete->setEnabled(selected);
    ActionCut->setEnabled(selected);
    ActionCopy->setEnabled(selected);
    ActionBringToFront->setEnabled(selected);
    ActionSendToBack->setEnabled(selected);
    ActionPaste->setEnabled(FEditor->CanPaste());
    const bool modified = page.IsModified();
    ActionSave->setEnabled(modified);
    ActionSaveAndExit->setEnabled(modified);
}

void TFormPageDesign::UpdateBatchButtons()
{
    const TPage &page = FEditor->Page();
    const int used = page.UsedBatchTypes();
    FButtonCover->setChecked(used & (1 << BatchTypeCover));
    FButtonHalfcell->setChecked(used & (1 << BatchTypeHalfCell));
    const bool inner = page.IsInner();
    FButtonCover->setEnabled(inner);
    FButtonHalfcell->setEnabled(inner);
}

void TFormPageDesign::ShowSelectedProperties(bool fromList)
{
    TPage &page = FEditor->Page();
    const int n = page.SelectedCount();
    if (n == 1)
        FPropertyEditor->ShowProperties(&page.CurrentItem()->Properties);
    else if (n == 0 || fromList)
        FPropertyEditor->ShowProperties(&page.Properties);
    else
        FPropertyEditor->ShowProperties(nullptr);
}

void TFormPageDesign::SelectionChanged()
{
    ShowSelectedProperties();
    FItemList->Rebuild();
    FItemList->ScrollToSelected();
    UpdateActions();
}

void TFormPageDesign::ItemsAdded()
{
    FTools[0]->setChecked(true);
    FEditor->CancelInsert();
    FItemList->Rebuild();
    FItemList->ScrollToSelected();
    UpdateBatchButtons();
    UpdateActions();
}

void TFormPageDesign::ValueCommitted()
{
    ApplyZoom();
    FItemList->Rebuild();
    UpdateBatchButtons();
    FEditor->update();
    UpdateActions();
}

void TFormPageDesign::ToolClick(int tool)
{
    if (tool < 0 || tool >= ToolCount)
        return;
    FTools[tool]->setChecked(true);
    TPropertyList &presets = FEditor->Presets();
    presets.Clear();
    if (!kTools[tool].Class) {
        FEditor->CancelInsert();
        return;
    }
    if (kTools[tool].Readings) {
        // A table of reading values rather than a colour map.
        presets.Add(QStringLiteral("CellColor"), pkBoolean, false);
        presets.Add(QStringLiteral("CellText"), pkBoolean, true);
        presets.Add(QStringLiteral("GridLines"), pkBoolean, false);
    }
    FEditor->BeginInsert(QString::fromLatin1(kTools[tool].Class));
}

void TFormPageDesign::BringToFront()
{
    TPage &page = FEditor->Page();
    std::vector<TPageItem *> selected;
    for (int i = 0; i < page.Count(); ++i)
        if (page.Item(i)->Selected)
            selected.push_back(page.Item(i));
    for (TPageItem *item : selected)
        page.Move(page.IndexOf(item), page.Count() - 1);
    FItemList->Rebuild();
    FEditor->update();
    UpdateActions();
}

void TFormPageDesign::SendToBack()
{
    TPage &page = FEditor->Page();
    std::vector<TPageItem *> selected;
    for (int i = 0; i < page.Count(); ++i)
        if (page.Item(i)->Selected)
            selected.push_back(page.Item(i));
    for (size_t k = 0; k < selected.size(); ++k)
        page.Move(page.IndexOf(selected[k]), static_cast<int>(k));
    FItemList->Rebuild();
    FEditor->update();
    UpdateActions();
}

void TFormPageDesign::Delete()
{
    TPage &page = FEditor->Page();
    const int n = page.SelectedCount();
    if (n == 0)
        return;
    const QString question = n == 1 ? Tr("Are you sure you want to delete '%1'?").arg(page.CurrentItem()->Name())
                                    : Tr("Are you sure you want to delete these %1 page items?").arg(n);
    if (Prompt().YesNo(question) != TPromptAnswer::Yes)
        return;
    FPropertyEditor->ShowProperties(&page.Properties);
    FEditor->DeleteSelection();
}

void TFormPageDesign::SwitchBatchType(int type, bool down)
{
    TPage &page = FEditor->Page();
    const int other = 1 - type;
    const int from = down ? type : other;
    const int to = down ? other : type;
    const QString question = Tr("Are you sure you wish to switch all the page items that support %1 to %2")
                                 .arg(BatchTypeName(static_cast<std::uint8_t>(from)),
                                      BatchTypeName(static_cast<std::uint8_t>(to)));
    if (Prompt().YesNo(question) == TPromptAnswer::Yes) {
        page.SwitchBatchType(from, to);
        // The shown values may have changed under the property editor.
        FPropertyEditor->ShowProperties(FPropertyEditor->Properties());
    }
    FEditor->update();
    UpdateBatchButtons();
    UpdateActions();
}

void TFormPageDesign::ButtonCoverClick()
{
    // The click has already toggled the button: it was down when it is up now.
    SwitchBatchType(BatchTypeCover, !FButtonCover->isChecked());
}

void TFormPageDesign::ButtonHalfcellClick() { SwitchBatchType(BatchTypeHalfCell, !FButtonHalfcell->isChecked()); }

bool TFormPageDesign::Save()
{
    TReport *report = Report();
    if (!report)
        return false;
    // A value still being typed is part of the page.
    FPropertyEditor->FinishEditing();
    TPage &page = FEditor->Page();
    const int type = page.PageType();
    if (PageIndex >= 0 && PageIndex < report->Count() && report->Pages(PageIndex)->PageType() == type) {
        report->Pages(PageIndex)->Assign(&page);
    } else {
        if (PageIndex >= 0 && PageIndex < report->Count())
            report->DeletePage(PageIndex);
        // After the last page of the same or a lower type, so that pages stay grouped by type.
        int at = 0;
        for (int i = 0; i < report->Count(); ++i)
            if (report->Pages(i)->PageType() <= type)
                at = i + 1;
        report->InsertPage(at)->Assign(&page);
        PageIndex = at;
    }
    report->NumberPages();
    FStatus[1]->setText(QString::number(PageIndex + 1));
    bool saved = FEntry.Save();
    if (!saved) {
        // The entry keeps no message: write once more to show the file's own.
        try {
            report->SaveToFile(FEntry.FileName);
            saved = true;
        } catch (const Exception &e) {
            Prompt().Error(e.Message());
        }
    }
    // Unsaved, the page stays modified: this window's copy is then the only one of the edits, and
    // closing must still ask about them.
    if (saved)
        page.ClearModified();
    UpdateActions();
    return saved;
}

void TFormPageDesign::SaveAndExit()
{
    if (Prompt().YesNo(Tr("Are you sure you wish to save the changes to the page design?")) != TPromptAnswer::Yes)
        return;
    if (!Save())
        return;
    FClosing = true;
    done(PageDesignResultOK);
}

void TFormPageDesign::AbandonAndExit()
{
    FPropertyEditor->FinishEditing();
    if (FEditor->Page().IsModified()
        && Prompt().YesNo(Tr("Are you sure you wish to abandon the changes to the page design?")) != TPromptAnswer::Yes)
        return;
    FClosing = true;
    done(PageDesignResultAbort);
}

void TFormPageDesign::keyPressEvent(QKeyEvent *event)
{
    // Esc first drops an armed tool, as "Select" does; only then is it the dialog's close key.
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier
        && FEditor->InsertState() != TPageEditor::isIdle) {
        FTools[0]->setChecked(true);
        ToolClick(0);
        FEditor->update();
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

void TFormPageDesign::reject()
{
    FPropertyEditor->FinishEditing();
    if (!FClosing && FEditor->Page().IsModified()) {
        switch (Prompt().YesNoCancel(Tr("Save changes to this page?"))) {
        case TPromptAnswer::Yes:
            if (!Save())
                return;
            FClosing = true;
            done(PageDesignResultOK);
            return;
        case TPromptAnswer::No:
            break;
        default:
            return;
        }
    }
    FClosing = true;
    done(PageDesignResultCancel);
}

void TFormPageDesign::done(int result)
{
    FEditor->CancelInsert();
    FEditor->SelectItem(nullptr);
    QDialog::done(result);
}
