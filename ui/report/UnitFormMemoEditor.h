#pragma once
// The "Text Editor" window of memo texts: the text with its field markers shown in the user's
// language, and one button per field that inserts its marker.
#include "UnitPropertyForm.h"

class QPlainTextEdit;
class QPushButton;
class QStatusBar;

class TFormMemoEditor : public TPropertyForm {
    Q_OBJECT
public:
    explicit TFormMemoEditor(QWidget *parent = nullptr);
    QPlainTextEdit *MemoText = nullptr;
    QPushButton *ButtonOK = nullptr;
    QPushButton *ButtonCancel = nullptr;
    QStatusBar *StatusBar = nullptr;
    QPushButton *FieldButton(int field) const;
    // Replaces the selection (or inserts at the caret) with the field's marker.
    void InsertField(int field);
    void ButtonOKClick();

protected:
    void showEvent(QShowEvent *event) override;
};
