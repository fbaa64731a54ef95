#include "UnitFormPropertyEditor.h"

#include "UnitDialogHooks.h"
#include "UnitException.h"
#include "UnitPageItemMemo.h"
#include "UnitPrompt.h"
#include "UnitPropertyForm.h"

#include <QAction>
#include <QColorDialog>
#include <QComboBox>
#include <QFileDialog>
#include <QFontDatabase>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStyledItemDelegate>
#include <QTableWidget>
#include <QTimer>
#include <QVBoxLayout>

namespace {
const char *const kColourNames[] = {"clAqua",   "clBlack", "clBlue",   "clFuchsia", "clGray",   "clGreen",
                                    "clLime",   "clMaroon", "clNavy",  "clOlive",   "clPurple", "clRed",
                                    "clSilver", "clTeal",  "clWhite",  "clYellow"};
} // namespace

QString PictureFileFilter()
{
    return Tr("All Graphics (*.jpg *.jpeg *.bmp *.png *.svg);;Bitmaps (*.bmp *.jpg *.jpeg *.png);;"
              "Metafiles (*.svg);;All Files (*)");
}

class TPropertyDelegate : public QStyledItemDelegate {
public:
    explicit TPropertyDelegate(TFormPropertyEditor *owner) : QStyledItemDelegate(owner), FOwner(owner) {}

    QWidget *createEditor(QWidget *parent, const QStyleOptionViewItem &, const QModelIndex &index) const override
    {
        const int row = index.row();
        TProperty &p = FOwner->PropertyAt(row);
        // The editor's value belongs to this property of this list, whatever is shown later.
        const TFormPropertyEditor::TTarget target = FOwner->TargetOf(row);
        QWidget *editor = MakeEditor(parent, p, row, target);
        FOwner->FCellEditor = editor;
        FOwner->FCellTarget = target;
        return editor;
    }

    void setEditorData(QWidget *editor, const QModelIndex &index) const override
    {
        const QString text = index.data(Qt::EditRole).toString();
        if (auto *combo = qobject_cast<QComboBox *>(editor))
            combo->setCurrentText(text);
        else if (auto *edit = qobject_cast<QLineEdit *>(editor))
            edit->setText(text);
    }

    void setModelData(QWidget *editor, QAbstractItemModel *, const QModelIndex &) const override
    {
        QString text;
        if (auto *combo = qobject_cast<QComboBox *>(editor))
            text = combo->currentText();
        else if (auto *edit = qobject_cast<QLineEdit *>(editor))
            text = edit->text();
        else
            return;
        if (editor == FOwner->FCellEditor)
            FOwner->StoreTyped(FOwner->FCellTarget, text);
    }

private:
    QWidget *MakeEditor(QWidget *parent, TProperty &p, int row, const TFormPropertyEditor::TTarget &target) const
    {
        const bool ownWindow = p.Editor != nullptr || p.Kind == pkPicture;
        // A memo text with line breaks is edited in its window only: a line box would lose them.
        const bool inlineText = !ownWindow || (p.InlineEdit && !(p.Kind == pkMemo && p.AsString().contains(QLatin1Char('\n'))));
        const auto openWindow = [owner = FOwner, target] {
            QTimer::singleShot(0, owner, [owner, target] { owner->OpenEditor(owner->RowOf(target)); });
        };
        if (!inlineText) {
            auto *button = new QPushButton(QStringLiteral("..."), parent);
            button->setObjectName(QStringLiteral("ButtonPropertyEditor"));
            QObject::connect(button, &QPushButton::clicked, FOwner, openWindow);
            return button;
        }
        const QStringList list = FOwner->PickList(row);
        if (!list.isEmpty()) {
            auto *combo = new QComboBox(parent);
            combo->setEditable(true);
            combo->addItems(list);
            combo->setInsertPolicy(QComboBox::NoInsert);
            QObject::connect(combo, &QComboBox::activated, combo, [this, combo] {
                auto *self = const_cast<TPropertyDelegate *>(this);
                emit self->commitData(combo);
                emit self->closeEditor(combo);
            });
            return combo;
        }
        auto *edit = new QLineEdit(parent);
        if (ownWindow) {
            QAction *more = edit->addAction(QIcon(), QLineEdit::TrailingPosition);
            more->setText(QStringLiteral("..."));
            more->setObjectName(QStringLiteral("ActionPropertyEditor"));
            QObject::connect(more, &QAction::triggered, FOwner, openWindow);
        }
        return edit;
    }

    TFormPropertyEditor *FOwner;
};

TFormPropertyEditor::TFormPropertyEditor(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("FormPropertyEditor"));
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    FHeader = new QLabel(Tr("Property Editor"), this);
    FHeader->setObjectName(QStringLiteral("LabelPropertyEditor"));
    FHeader->setMargin(3);
    QFont bold = FHeader->font();
    bold.setBold(true);
    FHeader->setFont(bold);
    layout->addWidget(FHeader);
    FGrid = new QTableWidget(0, 2, this);
    FGrid->setObjectName(QStringLiteral("GridProperties"));
    FGrid->setAccessibleName(Tr("Property Editor"));
    FGrid->horizontalHeader()->hide();
    FGrid->verticalHeader()->hide();
    FGrid->horizontalHeader()->setStretchLastSection(true);
    FGrid->verticalHeader()->setDefaultSectionSize(FGrid->fontMetrics().height() + 6);
    FGrid->setSelectionBehavior(QAbstractItemView::SelectRows);
    FGrid->setSelectionMode(QAbstractItemView::SingleSelection);
    FGrid->setEditTriggers(QAbstractItemView::SelectedClicked | QAbstractItemView::EditKeyPressed
                           | QAbstractItemView::AnyKeyPressed);
    FDelegate = new TPropertyDelegate(this);
    FGrid->setItemDelegateForColumn(1, FDelegate);
    connect(FDelegate, &QAbstractItemDelegate::closeEditor, this, [this](QWidget *editor) {
        if (editor == FCellEditor)
            FCellEditor = nullptr;
    });
    layout->addWidget(FGrid, 1);
    connect(FGrid, &QTableWidget::cellDoubleClicked, this, [this](int row, int column) {
        if (column == 1)
            ValueDoubleClick(row);
    });
    connect(FGrid, &QTableWidget::currentCellChanged, this, [this](int row) {
        if (!FFilling && FList && row >= 0 && row < FList->Count())
            FLastName = FList->Items(row).Name;
    });
    PickColour = [this](QColor &colour) {
        const QColor chosen = QColorDialog::getColor(colour, this);
        if (!chosen.isValid())
            return false;
        colour = chosen;
        return true;
    };
    PickPictureFile = [this] {
        return QFileDialog::getOpenFileName(this, Tr("Select Picture"), QString(), PictureFileFilter());
    };
    hide();
}

TFormPropertyEditor::~TFormPropertyEditor()
{
    // The list's owner may be on its way out: let go of it without storing anything.
    FCellEditor = nullptr;
    if (FList)
        FList->OnChange = nullptr;
    FList = nullptr;
}

void TFormPropertyEditor::ShowProperties(TPropertyList *list)
{
    // What is being typed belongs to the list shown now.
    FinishEditing();
    if (FList)
        FList->OnChange = nullptr;
    FList = list;
    ++FShown;
    if (FList)
        FList->OnChange = [this](TPropertyList &, int index) {
            if (!FFilling)
                RefreshRow(index);
        };
    Fill();
    setVisible(FList != nullptr);
}

QString TFormPropertyEditor::CellText(const TProperty &p) const
{
    if (p.Kind == pkMemo)
        return TPageItemMemo::ToDisplayText(p.AsString());
    return p.DisplayText();
}

void TFormPropertyEditor::Fill()
{
    FFilling = true;
    FGrid->clearContents();
    FGrid->setRowCount(FList ? FList->Count() : 0);
    if (FList) {
        for (int i = 0; i < FList->Count(); ++i) {
            const TProperty &p = FList->Items(i);
            auto *caption = new QTableWidgetItem(p.DisplayCaption());
            caption->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
            FGrid->setItem(i, 0, caption);
            auto *value = new QTableWidgetItem(CellText(p));
            value->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsEditable);
            FGrid->setItem(i, 1, value);
        }
        FGrid->resizeColumnToContents(0);
        int row = RowOf(FLastName);
        if (row < 0)
            row = RowOf(QStringLiteral("Name"));
        if (row < 0 && FList->Count() > 0)
            row = 0;
        if (row >= 0)
            FGrid->setCurrentCell(row, 1);
    }
    FFilling = false;
}

int TFormPropertyEditor::RowOf(const QString &name) const { return FList && !name.isEmpty() ? FList->IndexOf(name) : -1; }

void TFormPropertyEditor::RefreshRow(int row)
{
    if (!FList || row < 0 || row >= FList->Count() || row >= FGrid->rowCount())
        return;
    if (QTableWidgetItem *item = FGrid->item(row, 1))
        item->setText(CellText(FList->Items(row)));
}

void TFormPropertyEditor::Committed()
{
    if (OnCommitted)
        OnCommitted();
}

TFormPropertyEditor::TTarget TFormPropertyEditor::TargetOf(int row) const
{
    if (!FList || row < 0 || row >= FList->Count())
        return {};
    return {FShown, FList->Items(row).Name};
}

int TFormPropertyEditor::RowOf(const TTarget &target) const
{
    return FList && target.Shown == FShown ? RowOf(target.Name) : -1;
}

QString TFormPropertyEditor::Store(int row, const QString &text)
{
    TProperty &p = PropertyAt(row);
    try {
        if (p.Kind == pkMemo)
            p.SetString(TPageItemMemo::ToStoredText(text));
        else
            p.SetDisplayText(text);
    } catch (const Exception &e) {
        RefreshRow(row);
        return e.Message();
    }
    RefreshRow(row);
    return {};
}

bool TFormPropertyEditor::CommitText(int row, const QString &text)
{
    if (!FList || row < 0 || row >= FList->Count())
        return false;
    const QString error = Store(row, text);
    if (!error.isEmpty()) {
        Prompt().Error(error);
        return false;
    }
    Committed();
    return true;
}

void TFormPropertyEditor::StoreTyped(const TTarget &target, const QString &text)
{
    const int row = RowOf(target);
    if (row < 0 || text == CellText(PropertyAt(row)))
        return; // gone, or unchanged: nothing to convert or report
    const QString error = Store(row, text);
    // The message and the window's follow-up wait until the cell editor has gone, so that neither
    // a message box nor a rebuilt list cuts into the focus change that ends the edit.
    QTimer::singleShot(0, this, [this, error] {
        if (error.isEmpty())
            Committed();
        else
            Prompt().Error(error);
    });
}

void TFormPropertyEditor::FinishEditing()
{
    QWidget *editor = FCellEditor;
    if (!editor)
        return;
    emit FDelegate->commitData(editor);
    emit FDelegate->closeEditor(editor, QAbstractItemDelegate::NoHint);
    FCellEditor = nullptr;
}

QStringList TFormPropertyEditor::PickList(int row) const
{
    if (!FList || row < 0 || row >= FList->Count())
        return {};
    const TProperty &p = FList->Items(row);
    switch (p.Kind) {
    case pkBoolean:
        return {QStringLiteral("True"), QStringLiteral("False")};
    case pkColour: {
        QStringList names;
        for (const char *n : kColourNames)
            names << QString::fromLatin1(n);
        return names;
    }
    case pkBrushStyle: {
        QStringList names;
        for (int s = 0; s < 8; ++s)
            names << BrushStyleName(s);
        return names;
    }
    case pkPenStyle: {
        QStringList names;
        for (int s = 0; s < 7; ++s)
            names << PenStyleName(s);
        return names;
    }
    case pkPicture:
        return {};
    default:
        // A property with its own window is edited there, never by stepping through a list.
        if (p.Editor)
            return {};
        // The installed fonts are the suggestions of a font name.
        if (p.Choices.isEmpty() && p.Name == QLatin1String("FontName"))
            return QFontDatabase::families();
        return p.Choices;
    }
}

void TFormPropertyEditor::ValueDoubleClick(int row)
{
    if (!FList || row < 0 || row >= FList->Count())
        return;
    TProperty &p = PropertyAt(row);
    if (p.Editor || p.Kind == pkPicture) {
        OpenEditor(row);
        return;
    }
    if (p.Kind == pkColour) {
        QColor colour = ColourFromInt(p.AsColour());
        if (PickColour && PickColour(colour))
            CommitText(row, ColourToText(ColourToInt(colour)));
        return;
    }
    const QStringList list = PickList(row);
    if (list.isEmpty())
        return;
    const int i = list.indexOf(CellText(p));
    CommitText(row, list.at((i + 1) % list.size()));
}

void TFormPropertyEditor::OpenEditor(int row)
{
    if (!FList || row < 0 || row >= FList->Count())
        return;
    TProperty &p = PropertyAt(row);
    if (p.Kind == pkPicture) {
        const QString file = PickPictureFile ? PickPictureFile() : QString();
        if (file.isEmpty())
            return;
        try {
            TVentraxGraphic graphic;
            graphic.LoadFromFile(file);
            p.SetGraphic(graphic);
        } catch (const Exception &e) {
            Prompt().Error(e.Message());
            return;
        }
        RefreshRow(row);
        Committed();
        return;
    }
    if (!p.Editor)
        return;
    p.Editor->EditProperty = &p;
    try {
        ExecDialog(*p.Editor);
    } catch (const Exception &e) {
        Prompt().Error(e.Message());
    }
    p.Editor->EditProperty = nullptr;
    RefreshRow(row);
    Committed();
}
