#pragma once
// The "Page Design" window: one page of a report design edited on the designer surface, with
// the tool box of item kinds, the item list, the property editor and the cover / half-cell
// switches. The page is a copy; only Save writes it back into the report and its file.
#include "UnitFileList.h"
#include "UnitPageDesigner.h"

#include <QDialog>

class QAction;
class QActionGroup;
class QComboBox;
class QLabel;
class QMenu;
class QMenuBar;
class QPushButton;
class TFormPageItemList;
class TFormPropertyEditor;
class TReport;
class TSettings;

// How the window ended: saved, abandoned, or closed with its close box.
constexpr int PageDesignResultOK = QDialog::Accepted;
constexpr int PageDesignResultAbort = 3;
constexpr int PageDesignResultCancel = QDialog::Rejected;

// The zoom list of the design window and the report viewer: "Page Width", "Full Page", "500%" ...
// "10%", and what each one sets on a designer.
QStringList ZoomListEntries();
void ApplyZoomEntry(TPageDesigner &designer, int index);

class TFormPageDesign : public QDialog {
    Q_OBJECT
public:
    explicit TFormPageDesign(TSettings *settings = nullptr, QWidget *parent = nullptr);
    ~TFormPageDesign() override;

    // The caller copies its report entry in and sets the page index before showing the window,
    // and reads the page index back afterwards (saving may move the page).
    void SetReportEntry(const TFileItem &entry) { FEntry.Assign(&entry); }
    TFileItem &ReportEntry() { return FEntry; }
    TReport *Report() const;
    int PageIndex = 0;

    // What showing the window does: the page copied in, switches, grid and snap, the lists.
    void Prepare();
    // Writes the page into the report and its file; false (after the message) when the file
    // could not be written, the page then still counting as modified.
    bool Save();
    void ApplyZoom();
    void UpdateActions();
    void UpdateBatchButtons();
    void ButtonCoverClick();
    void ButtonHalfcellClick();
    void ToolClick(int tool);
    void BringToFront();
    void SendToBack();
    // The context menu of the surface and the item list, its zoom entry checked.
    QMenu *ContextMenu();

    TPageEditor *Editor() const { return FEditor; }
    TPageDesigner *Designer() const { return FDesigner; }
    TPageRuler *TopRuler() const { return FTopRuler; }
    TPageRuler *LeftRuler() const { return FLeftRuler; }
    TFormPageItemList *ItemList() const { return FItemList; }
    TFormPropertyEditor *PropertyEditor() const { return FPropertyEditor; }
    QComboBox *ZoomList() const { return FZoom; }
    QPushButton *ButtonCover() const { return FButtonCover; }
    QPushButton *ButtonHalfcell() const { return FButtonHalfcell; }
    QLabel *StatusPanel(int index) const { return FStatus[index]; }
    QAction *Tool(int index) const { return FTools[index]; }
    static constexpr int ToolCount = 10;

    QAction *ActionSave, *ActionSaveAndExit, *ActionAbandonAndExit, *ActionDelete, *ActionCut, *ActionCopy,
        *ActionPaste, *ActionGrid, *ActionSnap, *ActionBringToFront, *ActionSendToBack;

protected:
    void showEvent(QShowEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void reject() override;
    void done(int result) override;

private:
    QAction *MakeAction(const char *name, const char *caption, const QKeySequence &shortcut = {});
    void SelectionChanged();
    void ItemsAdded();
    // One selected item shows its properties, none the page's; several show nothing when chosen
    // on the surface, the page's when chosen in the item list.
    void ShowSelectedProperties(bool fromList = false);
    void ValueCommitted();
    void SwitchBatchType(int type, bool down);
    void Delete();
    void SaveAndExit();
    void AbandonAndExit();
    void SetSetting(const QString &name, bool value);
    bool Setting(const QString &name) const;
    void Relayout();

    TSettings *FSettings;
    TFileItem FEntry;
    QMenuBar *FMenuBar = nullptr;
    QComboBox *FZoom = nullptr;
    TPageDesigner *FDesigner = nullptr;
    TPageEditor *FEditor = nullptr;
    TPageRuler *FTopRuler = nullptr;
    TPageRuler *FLeftRuler = nullptr;
    TFormPageItemList *FItemList = nullptr;
    TFormPropertyEditor *FPropertyEditor = nullptr;
    QPushButton *FButtonCover = nullptr;
    QPushButton *FButtonHalfcell = nullptr;
    QLabel *FStatus[3] = {};
    QAction *FTools[ToolCount] = {};
    QActionGroup *FToolGroup = nullptr;
    QMenu *FContextMenu = nullptr;
    QList<QAction *> FZoomActions;
    bool FClosing = false;
};
