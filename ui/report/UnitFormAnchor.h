#pragma once
// The "Anchor" window: four toggles for the sides of the page an item keeps its distance to.
#include "UnitPropertyForm.h"

class QPushButton;

class TFormAnchor : public TPropertyForm {
    Q_OBJECT
public:
    explicit TFormAnchor(QWidget *parent = nullptr);
    QPushButton *ButtonTop = nullptr;
    QPushButton *ButtonLeft = nullptr;
    QPushButton *ButtonRight = nullptr;
    QPushButton *ButtonBottom = nullptr;
    // The anchor bits of the pressed buttons.
    int Value() const;
    void done(int result) override;

protected:
    void showEvent(QShowEvent *event) override;

private:
    bool FShown = false;
};
