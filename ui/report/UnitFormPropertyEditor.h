#pragma once
// The property editor: one row per property of a page or page item, with the caption (and unit)
// and the value in its text form; values are typed, picked from a list, or chosen in the colour,
// picture or the property's own window, and written back through the property's kind.
#include "UnitProperty.h"

#include <QPointer>
#include <QWidget>
#include <functional>

class QLabel;
class QTableWidget;
class TPropertyDelegate;

class TFormPropertyEditor : public QWidget {
    Q_OBJECT
public:
    explicit TFormPropertyEditor(QWidget *parent = nullptr);
    ~TFormPropertyEditor() override;

    // Shows a list (none hides the editor); values changed elsewhere refresh their cells.
    void ShowProperties(TPropertyList *list);
    TPropertyList *Properties() const { return FList; }
    QTableWidget *Grid() const { return FGrid; }
    int RowOf(const QString &name) const;

    // Converts the text by the property's kind and stores it; on failure the cell shows the
    // current value again and the error is shown. True when stored.
    bool CommitText(int row, const QString &text);
    // Stores the text being typed in a cell, if any, into the property it was typed for, and
    // closes the cell editor. Showing another list does this first.
    void FinishEditing();
    // The pick list of a row (empty when the value is typed): booleans, choices, colours, brush
    // and pen styles, and the suggestions of other properties.
    QStringList PickList(int row) const;
    // Double-click on a value: the property's own window (or the picture dialog), the colour
    // dialog for colours, else the next entry of the pick list.
    void ValueDoubleClick(int row);
    // The picture dialog or the property's own window.
    void OpenEditor(int row);

    // Called after a value was stored.
    std::function<void()> OnCommitted;
    // Dialog hooks (tests answer them): the colour dialog and the "Select Picture" dialog.
    std::function<bool(QColor &colour)> PickColour;
    std::function<QString()> PickPictureFile;

private:
    // Where a cell's value goes: the property of that name in the list shown as `Shown`. A
    // deferred action for a list no longer shown is dropped rather than sent to the new one.
    struct TTarget {
        quint64 Shown = 0;
        QString Name;
    };
    TTarget TargetOf(int row) const;
    // The row of the target while its list is still shown, else -1.
    int RowOf(const TTarget &target) const;
    // Converts and stores; on failure the cell shows the current value again. Empty when stored,
    // else the message.
    QString Store(int row, const QString &text);
    // The typed text of a closing cell editor: stored at once, reported after the editor has gone.
    void StoreTyped(const TTarget &target, const QString &text);
    void Fill();
    void RefreshRow(int row);
    QString CellText(const TProperty &p) const;
    void Committed();
    TProperty &PropertyAt(int row) const { return FList->Items(row); }

    QLabel *FHeader = nullptr;
    QTableWidget *FGrid = nullptr;
    TPropertyList *FList = nullptr;
    QString FLastName;
    bool FFilling = false;
    quint64 FShown = 0; // counts the lists shown
    TPropertyDelegate *FDelegate = nullptr;
    QPointer<QWidget> FCellEditor; // the open cell editor
    TTarget FCellTarget;          // and the property it edits
    friend class TPropertyDelegate;
};

// Filter of the "Select Picture" dialog.
QString PictureFileFilter();
