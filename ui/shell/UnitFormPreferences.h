#pragma once
// The Preferences dialog: gauge port, display units, e-mail report format, thumbnail quality and
// the two overview thresholds, edited on a private copy of the settings store.
#include "UnitSettings.h"

#include <QDialog>
#include <cstdint>

class QComboBox;
class QLabel;
class QLineEdit;
class QStackedWidget;
class QTreeWidget;
class QTreeWidgetItem;

class TFormPreferences : public QDialog {
    Q_OBJECT
public:
    explicit TFormPreferences(QWidget *parent = nullptr);
    // The dialog's own store (auto-save off); the caller assigns the main store before Prepare.
    TSettings &Settings() { return FSettings; }
    // Fills the controls from the store (done each time before the dialog is shown).
    void Prepare();
    // Writes the controls into the store; false (the dialog stays open) when a threshold is not
    // a number. Closes the dialog with Accepted on success.
    bool ButtonOKClick();
    // The page shown: 0 General, 1 Interface, 2 gauge.
    int PageIndex() const;
    // Shows a page (numbered as PageIndex); call after Prepare.
    void ShowPage(int page);
    static constexpr int PageGauge = 2;

private:
    void ShowThresholds();
    void TreeSelectionChanged();
    TSettings FSettings;
    QTreeWidget *FTree = nullptr;
    QTreeWidgetItem *FNodes[4] = {};
    QStackedWidget *FPages = nullptr;
    QComboBox *FCoverUnits = nullptr, *FTemperatureUnits = nullptr, *FEmailFormat = nullptr,
              *FThumbnailQuality = nullptr, *FComPort = nullptr;
    QLineEdit *FThresholdCover = nullptr, *FThresholdHalfCell = nullptr;
    QLabel *FLabelCover = nullptr, *FLabelHalfCell = nullptr;
    std::uint8_t FShownCoverUnits = 0; // the unit the cover threshold box shows
};
