#include "UnitFormUploadWizard.h"
#include "UnitKeyboardAccess.h"

#include "UnitColourScheme.h"
#include "UnitListLayout.h"

#include "UnitBatchList.h"
#include "UnitException.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QStyle>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <algorithm>

namespace {
const char *const TagCaptions[] = {QT_TRID_NOOP("Site:"),     QT_TRID_NOOP("Location:"),
                                   QT_TRID_NOOP("Area:"),     QT_TRID_NOOP("Engineer:"),
                                   QT_TRID_NOOP("Customer:"), QT_TRID_NOOP("Note:"),
                                   QT_TRID_NOOP("Cell Type:"), QT_TRID_NOOP("Bar Grade:")};
const char *const TagNames[] = {"Site", "Location", "Area", "Engineer", "Customer", "Note", "CellType", "BarGrade"};

QString *TextTag(TTemplateItem &d, int tag)
{
    switch (tag) {
    case TFormUploadWizard::TagSite: return &d.Site;
    case TFormUploadWizard::TagLocation: return &d.Location;
    case TFormUploadWizard::TagArea: return &d.Area;
    case TFormUploadWizard::TagEngineer: return &d.Engineer;
    case TFormUploadWizard::TagCustomer: return &d.Customer;
    case TFormUploadWizard::TagNote: return &d.Note;
    case TFormUploadWizard::TagCellType: return &d.CellType;
    default: return nullptr;
    }
}

bool *UseDefaultFlag(TTemplateItem &d, int tag)
{
    switch (tag) {
    case TFormUploadWizard::TagSite: return &d.UseDefaultSite;
    case TFormUploadWizard::TagLocation: return &d.UseDefaultLocation;
    case TFormUploadWizard::TagArea: return &d.UseDefaultArea;
    case TFormUploadWizard::TagEngineer: return &d.UseDefaultEngineer;
    case TFormUploadWizard::TagCustomer: return &d.UseDefaultCustomer;
    case TFormUploadWizard::TagNote: return &d.UseDefaultNote;
    case TFormUploadWizard::TagCellType: return &d.UseDefaultCellType;
    default: return &d.UseDefaultBarGrade;
    }
}

// A stored text longer than its box's limit is shown and kept whole (the gauge link cuts what it
// sends); the user's edits may shorten it but never lengthen it, and typing stops at the limit.
void ShowTagText(QLineEdit *edit, int limit, const QString &text)
{
    edit->setMaxLength(std::max<int>(limit, static_cast<int>(text.size())));
    edit->setText(text);
}

// After an edit: the box's limit comes down with a shortened long text.
void LowerTagLimit(QLineEdit *edit, int limit)
{
    const int ceiling = std::max<int>(limit, static_cast<int>(edit->text().size()));
    if (edit->maxLength() == ceiling)
        return;
    // A new limit puts the text again and with it the cursor at the end.
    const int cursor = edit->cursorPosition();
    edit->setMaxLength(ceiling);
    edit->setCursorPosition(cursor);
}

// A bar grade the boxes do not know shows as none, so that an edit of another tag keeps it.
int BarGradeRow(std::uint8_t grade) { return grade < BarGradeCount ? grade : -1; }

void FillChoices(QComboBox *cellType, QComboBox *barGrade)
{
    cellType->clear();
    cellType->addItems({CellTypeName(CellTypeCuCuSO4), CellTypeName(CellTypeAgAgCl)});
    barGrade->clear();
    for (int i = 0; i < BarGradeCount; ++i)
        barGrade->addItem(BarGradeName(i));
}

// A ticked "use default" box greys its edit and disables it.
void ShowUsingDefault(QWidget *edit, bool usingDefault, bool enabled)
{
    edit->setEnabled(enabled && !usingDefault);
    ShowEditGreyed(edit, usingDefault || !enabled);
}

QLabel *Heading(QWidget *parent)
{
    auto *label = new QLabel(parent);
    QFont f = label->font();
    f.setBold(true);
    label->setFont(f);
    return label;
}
} // namespace

TFormUploadWizard::TFormUploadWizard(QWidget *parent)
    : TWizardDialog(parent), FIDsName(Heading(this)), FDefaultName(Heading(this)), FTagsName(Heading(this)),
      FBatchOrder(new QRadioButton(Tr("Use Batch Order"), this)),
      FUploadCount(new QRadioButton(Tr("Use Upload Count"), this)), FIDs(new QTreeWidget(this)),
      FTree(new QTreeWidget(this)), FDefaultCellType(new QComboBox(this)), FDefaultBarGrade(new QComboBox(this)),
      FBatchCellType(new QComboBox(this)), FBatchBarGrade(new QComboBox(this))
{
    setObjectName(QStringLiteral("FormUploadWizard"));
    setWindowTitle(Tr("Upload Wizard"));
    resize(620, 470);

    AddPage(nullptr, Tr("Welcome to the Upload Wizard"), Tr("This wizard will allow you to upload template(s) to a gauge."),
            true);

    // Batch IDs
    auto *ids = new QWidget(this);
    {
        auto *layout = new QVBoxLayout(ids);
        FIDsName->setObjectName(QStringLiteral("LabelBatchIDsTemplate"));
        layout->addWidget(FIDsName);
        FBatchOrder->setObjectName(QStringLiteral("RadioButtonBatchOrder"));
        FUploadCount->setObjectName(QStringLiteral("RadioButtonUploadCount"));
        auto addChoice = [&](QRadioButton *button, const QString &text) {
            layout->addWidget(button);
            auto *label = new QLabel(text, ids);
            label->setWordWrap(true);
            label->setContentsMargins(22, 0, 0, 4);
            layout->addWidget(label);
        };
        addChoice(FBatchOrder, Tr("The Batch ID is generated from the template name and the order of the batch "
                                  "definitions in the template."));
        addChoice(FUploadCount, Tr("The Batch ID is generated from the template name and the total number of times "
                                   "the template has been uploaded."));
        auto *group = new QButtonGroup(ids);
        group->addButton(FBatchOrder);
        group->addButton(FUploadCount);
        FIDs->setObjectName(QStringLiteral("ListViewBatchIDs"));
        FIDs->setAccessibleName(Tr("Batch IDs"));
        FIDs->setRootIsDecorated(false);
        FIDs->setSelectionMode(QAbstractItemView::NoSelection);
        FIDs->setHeaderLabels({Tr("Type"), Tr("Format"), Tr("Columns"), Tr("Rows"), Tr("Batch ID")});
        FIDs->setColumnWidth(0, 90);
        ArrangeNumberColumns(FIDs, {2, 3});
        layout->addWidget(FIDs, 1);
        auto clicked = [this] {
            if (FFilling || !CurrentTemplate())
                return;
            CurrentTemplate()->BatchNameType = FUploadCount->isChecked() ? 1 : 0;
            FillBatchIDs();
        };
        connect(FBatchOrder, &QRadioButton::clicked, this, clicked);
        connect(FUploadCount, &QRadioButton::clicked, this, clicked);
    }
    AddPage(ids, Tr("Batch IDs"), Tr("Specify the batch naming method "));

    // Default Tags
    auto *defaults = new QWidget(this);
    {
        auto *layout = new QVBoxLayout(defaults);
        FDefaultName->setObjectName(QStringLiteral("LabelDefaultTemplate"));
        layout->addWidget(FDefaultName);
        auto *text = new QLabel(Tr("Enter the default tags that will be copied to all the batches in this template."), defaults);
        text->setWordWrap(true);
        layout->addWidget(text);
        auto *grid = new QGridLayout;
        QList<QWidget *> tabOrder;
        for (int t = 0; t < TagCount; ++t) {
            auto *caption = new QLabel(Tr(TagCaptions[t]), defaults);
            grid->addWidget(caption, t, 0);
            QWidget *control = nullptr;
            if (t == TagCellType) {
                FDefaultCellType->setObjectName(QStringLiteral("ComboBoxDefaultCellType"));
                FDefaultCellType->setEditable(true);
                // A typed cell type is the tag's value, not a new choice for every other box.
                FDefaultCellType->setInsertPolicy(QComboBox::NoInsert);
                control = FDefaultCellType;
                connect(FDefaultCellType, &QComboBox::currentTextChanged, this, &TFormUploadWizard::DefaultTagEdited);
            } else if (t == TagBarGrade) {
                FDefaultBarGrade->setObjectName(QStringLiteral("ComboBoxDefaultBarGrade"));
                control = FDefaultBarGrade;
                connect(FDefaultBarGrade, &QComboBox::currentIndexChanged, this, &TFormUploadWizard::DefaultTagEdited);
            } else {
                auto *edit = new QLineEdit(defaults);
                edit->setObjectName(QStringLiteral("EditDefault") + QLatin1String(TagNames[t]));
                edit->setMaxLength(TagLength(TTag(t)));
                FDefaultEdits[t] = edit;
                control = edit;
                connect(edit, &QLineEdit::textChanged, this, &TFormUploadWizard::DefaultTagEdited);
            }
            grid->addWidget(control, t, 1);
            caption->setBuddy(control);
            tabOrder << control;
        }
        // The lists were made before the edit boxes: Tab follows the rows instead.
        ChainTabOrder(tabOrder);
        layout->addLayout(grid);
        layout->addStretch(1);
    }
    AddPage(defaults, Tr("Default Tags"), Tr("Enter the default tags"));

    // Batch Tags
    auto *tags = new QWidget(this);
    {
        auto *layout = new QVBoxLayout(tags);
        FTagsName->setObjectName(QStringLiteral("LabelBatchTagsTemplate"));
        layout->addWidget(FTagsName);
        auto *text = new QLabel(Tr("Enter the changes in tags from the default for the batches."), tags);
        text->setWordWrap(true);
        layout->addWidget(text);
        auto *row = new QHBoxLayout;
        FTree->setObjectName(QStringLiteral("TreeViewBatches"));
        FTree->setAccessibleName(Tr("Batches"));
        FTree->setHeaderHidden(true);
        FTree->setItemsExpandable(false);
        FTree->setRootIsDecorated(false);
        FTree->setMinimumWidth(170);
        row->addWidget(FTree, 2);
        auto *grid = new QGridLayout;
        QList<QWidget *> tabOrder{FTree};
        for (int t = 0; t < TagCount; ++t) {
            auto *check = new QCheckBox(Tr(TagCaptions[t]), tags);
            check->setObjectName(QStringLiteral("CheckBox") + QLatin1String(TagNames[t]));
            FChecks[t] = check;
            grid->addWidget(check, t, 0);
            QWidget *control = nullptr;
            if (t == TagCellType) {
                FBatchCellType->setObjectName(QStringLiteral("ComboBoxBatchCellType"));
                FBatchCellType->setEditable(true);
                // A typed cell type is the tag's value, not a new choice for every other box.
                FBatchCellType->setInsertPolicy(QComboBox::NoInsert);
                control = FBatchCellType;
                connect(FBatchCellType, &QComboBox::currentTextChanged, this, &TFormUploadWizard::BatchTagEdited);
            } else if (t == TagBarGrade) {
                FBatchBarGrade->setObjectName(QStringLiteral("ComboBoxBatchBarGrade"));
                control = FBatchBarGrade;
                connect(FBatchBarGrade, &QComboBox::currentIndexChanged, this, &TFormUploadWizard::BatchTagEdited);
            } else {
                auto *edit = new QLineEdit(tags);
                edit->setObjectName(QStringLiteral("EditBatch") + QLatin1String(TagNames[t]));
                edit->setMaxLength(TagLength(TTag(t)));
                FBatchEdits[t] = edit;
                control = edit;
                connect(edit, &QLineEdit::textEdited, this, &TFormUploadWizard::BatchTagEdited);
            }
            grid->addWidget(control, t, 1);
            // The box beside a tag's check box is named by it.
            control->setAccessibleName(check->text());
            tabOrder << check << control;
            connect(check, &QCheckBox::clicked, this, [this, t] { BatchCheckClicked(TTag(t)); });
        }
        grid->setRowStretch(TagCount, 1);
        ChainTabOrder(tabOrder);
        row->addLayout(grid, 3);
        layout->addLayout(row, 1);
        connect(FTree, &QTreeWidget::itemSelectionChanged, this, &TFormUploadWizard::FillBatchControls);
        // The tree stays fully open.
        connect(FTree, &QTreeWidget::itemCollapsed, this, [](QTreeWidgetItem *item) { item->setExpanded(true); });
    }
    AddPage(tags, Tr("Batch Tags"), Tr("Enter the tags for specific batches"));

    AddPage(nullptr, Tr("Completing the Upload Wizard"), Tr("The wizard is complete.\r\n\r\nClick Finish to return."), true);
}

TTemplateList *TFormUploadWizard::CurrentTemplate() const
{
    return FIndex >= 0 && FIndex < Templates.Count() ? Templates.Items(FIndex) : nullptr;
}

void TFormUploadWizard::showEvent(QShowEvent *event)
{
    if (!FPrepared)
        Prepare();
    TWizardDialog::showEvent(event);
}

void TFormUploadWizard::Prepare()
{
    FPrepared = true;
    FFilling = true;
    FillChoices(FDefaultCellType, FDefaultBarGrade);
    FillChoices(FBatchCellType, FBatchBarGrade);
    FFilling = false;
    FIndex = 0;
    ShowPage(PageWelcome);
}

int TFormUploadWizard::NextPageOf(int index) const
{
    if (index == PageBatchTags && FIndex < Templates.Count() - 1)
        return PageBatchIDs;
    return TWizardDialog::NextPageOf(index);
}

int TFormUploadWizard::PreviousPageOf(int index) const
{
    if (index == PageBatchIDs && FIndex > 0)
        return PageBatchTags;
    return TWizardDialog::PreviousPageOf(index);
}

void TFormUploadWizard::Moving(int from, int to, bool forward)
{
    if (forward && from == PageBatchTags && to == PageBatchIDs)
        ++FIndex;
    else if (!forward && from == PageBatchIDs && to == PageBatchTags)
        --FIndex;
}

void TFormUploadWizard::PageEntered(int index)
{
    switch (index) {
    case PageBatchIDs: FillBatchIDs(); break;
    case PageDefaultTags: FillDefaultTags(); break;
    case PageBatchTags: FillBatchTree(); break;
    default: break;
    }
}

bool TFormUploadWizard::LeavingForward(int index)
{
    if (index == PageDefaultTags && CurrentTemplate())
        CurrentTemplate()->ApplyDefaults();
    return true;
}

// --- Batch IDs

void TFormUploadWizard::FillBatchIDs()
{
    TTemplateList *templ = CurrentTemplate();
    FIDs->clear();
    if (!templ)
        return;
    FFilling = true;
    FIDsName->setText(templ->Name);
    FUploadCount->setChecked(templ->BatchNameType == 1);
    FBatchOrder->setChecked(templ->BatchNameType != 1);
    FFilling = false;
    templ->GenerateBatchIDs(false);
    for (int i = 0; i < templ->Count(); ++i) {
        const TTemplateItem *d = templ->Items(i);
        const bool linear = d->BatchFormat == BatchFormatLinear;
        auto *row = new QTreeWidgetItem(FIDs, {BatchTypeName(d->BatchType), BatchFormatName(d->BatchFormat),
                                               linear ? QStringLiteral("-") : QString::number(d->Columns),
                                               linear ? QStringLiteral("-") : QString::number(d->Rows), d->ID});
        AlignNumberCells(row, {2, 3});
    }
}

// --- Default Tags

void TFormUploadWizard::FillDefaultTags()
{
    TTemplateList *templ = CurrentTemplate();
    if (!templ)
        return;
    FFilling = true;
    FDefaultName->setText(templ->Name);
    TTemplateItem &d = templ->Default;
    for (int t = 0; t < TagCount; ++t)
        if (FDefaultEdits[t])
            ShowTagText(FDefaultEdits[t], TagLength(TTag(t)), *TextTag(d, t));
    FDefaultCellType->setEditText(d.CellType);
    FDefaultBarGrade->setCurrentIndex(BarGradeRow(d.BarGrade));
    FFilling = false;
}

void TFormUploadWizard::DefaultTagEdited()
{
    TTemplateList *templ = CurrentTemplate();
    if (FFilling || !templ)
        return;
    TTemplateItem &d = templ->Default;
    for (int t = 0; t < TagCount; ++t)
        if (FDefaultEdits[t]) {
            LowerTagLimit(FDefaultEdits[t], TagLength(TTag(t)));
            *TextTag(d, t) = FDefaultEdits[t]->text();
        }
    d.CellType = FDefaultCellType->currentText();
    if (FDefaultBarGrade->currentIndex() >= 0)
        d.BarGrade = static_cast<std::uint8_t>(FDefaultBarGrade->currentIndex());
}

// --- Batch Tags

void TFormUploadWizard::FillBatchTree()
{
    TTemplateList *templ = CurrentTemplate();
    FFilling = true;
    FTree->clear();
    FTagsName->setText(templ ? templ->Name : QString());
    auto *root = new QTreeWidgetItem(FTree, {Tr("Batches")});
    root->setFlags(Qt::ItemIsEnabled);
    if (templ)
        for (int i = 0; i < templ->Count(); ++i) {
            const TTemplateItem *d = templ->Items(i);
            auto *child = new QTreeWidgetItem(root, {QStringLiteral("%1 (%2, %3)")
                                                         .arg(BatchFormatName(d->BatchFormat))
                                                         .arg(d->Columns)
                                                         .arg(d->Rows)});
            child->setIcon(0, QIcon());
        }
    FTree->expandAll();
    FFilling = false;
    SelectDefinition(0);
    FillBatchControls();
}

void TFormUploadWizard::SelectDefinition(int index)
{
    QTreeWidgetItem *root = FTree->topLevelItem(0);
    FTree->clearSelection();
    if (root && index >= 0 && index < root->childCount()) {
        root->child(index)->setSelected(true);
        FTree->setCurrentItem(root->child(index));
    }
}

TTemplateItem *TFormUploadWizard::SelectedDefinition() const
{
    TTemplateList *templ = CurrentTemplate();
    QTreeWidgetItem *root = FTree->topLevelItem(0);
    if (!templ || !root)
        return nullptr;
    for (int i = 0; i < root->childCount() && i < templ->Count(); ++i)
        if (root->child(i)->isSelected())
            return templ->Items(i);
    return nullptr;
}

QWidget *TFormUploadWizard::BatchTagControl(TTag tag) const
{
    if (tag == TagCellType)
        return FBatchCellType;
    if (tag == TagBarGrade)
        return FBatchBarGrade;
    return FBatchEdits[tag];
}

void TFormUploadWizard::FillBatchControls()
{
    if (FFilling)
        return;
    FFilling = true;
    TTemplateItem *d = SelectedDefinition();
    const bool cover = d && d->BatchType == BatchTypeCover;
    FChecks[TagCellType]->setVisible(!d || !cover);
    FBatchCellType->setVisible(!d || !cover);
    FChecks[TagBarGrade]->setVisible(!d || cover);
    FBatchBarGrade->setVisible(!d || cover);
    for (int t = 0; t < TagCount; ++t) {
        FChecks[t]->setEnabled(d != nullptr);
        FChecks[t]->setChecked(d && *UseDefaultFlag(*d, t));
        if (FBatchEdits[t])
            ShowTagText(FBatchEdits[t], TagLength(TTag(t)), d ? *TextTag(*d, t) : QString());
        ShowUsingDefault(BatchTagControl(TTag(t)), d && *UseDefaultFlag(*d, t), d != nullptr);
    }
    FBatchCellType->setEditText(d ? d->CellType : QString());
    FBatchBarGrade->setCurrentIndex(d ? BarGradeRow(d->BarGrade) : 0);
    FFilling = false;
}

void TFormUploadWizard::BatchTagEdited()
{
    TTemplateItem *d = SelectedDefinition();
    if (FFilling || !d)
        return;
    for (int t = 0; t < TagCount; ++t)
        if (FBatchEdits[t]) {
            LowerTagLimit(FBatchEdits[t], TagLength(TTag(t)));
            *TextTag(*d, t) = FBatchEdits[t]->text();
        }
    d->CellType = FBatchCellType->currentText();
    if (FBatchBarGrade->currentIndex() >= 0)
        d->BarGrade = static_cast<std::uint8_t>(FBatchBarGrade->currentIndex());
}

void TFormUploadWizard::BatchCheckClicked(TTag tag)
{
    TTemplateItem *d = SelectedDefinition();
    if (FFilling || !d)
        return;
    for (int t = 0; t < TagCount; ++t)
        *UseDefaultFlag(*d, t) = FChecks[t]->isChecked();
    CurrentTemplate()->ApplyDefaults();
    FillBatchControls();
    if (!FChecks[tag]->isChecked())
        BatchTagControl(tag)->setFocus();
}
