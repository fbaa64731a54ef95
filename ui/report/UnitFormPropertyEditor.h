#pragma once
// The property editor: one row per property of a page or page item, with the caption (and unit)
// and the value in its text form; values are typed, picked from a list, or chosen in the colour,
// picture or the property's own window, and written back through the property's kind.
#include "UnitProperty.h"

#include <QWidget>
#include <functional>

class QLabel;
class QTableWidget;

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
    // The pick list of a row (empty when the value is typed): booleans, choices, colours, brush
    // and pen styles, and the suggestions of other properties.
    QStringList PickList(int row) const;
    // Double-click on a value: the colour dialog for colours, else the next entry of the pick list.
    void ValueDoubleClick(int row);
    // The picture dialog or the property's own window.
    void OpenEditor(int row);

    // Called after a value was stored.
    std::function<void()> OnCommitted;
    // Dialog hooks (tests answer them): the colour dialog and the "Select Picture" dialog.
    std::function<bool(QColor &colour)> PickColour;
    std::function<QString()> PickPictureFile;

private:
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
    friend class TPropertyDelegate;
};

// Filter of the "Select Picture" dialog.
QString PictureFileFilter();
