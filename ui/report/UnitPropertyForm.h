#pragma once
// The base of the editing windows that a property brings along, and the shared instances of the
// anchor and memo text editors that the page items name.
#include "UnitProperty.h"

#include <QDialog>

class TPropertyForm : public QDialog {
    Q_OBJECT
public:
    using QDialog::QDialog;
    TProperty *EditProperty = nullptr;
};

// Creates the anchor and text editor windows once and hands them to the page items created from
// then on; they live until the application ends.
void InstallPropertyEditorForms();
