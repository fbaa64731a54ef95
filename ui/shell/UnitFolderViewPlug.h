#pragma once
// Puts the folder view into the main window: the view shows every node under Local and takes the
// settings, tab reports, browse panes and tree refreshes from the window.
#include <memory>

class TFormLocal;
class TFormMain;
class TMainFolderHost;

class TFolderViewPlug {
public:
    explicit TFolderViewPlug(TFormMain &main);
    // Takes the view out of the window before it is destroyed.
    ~TFolderViewPlug();
    TFolderViewPlug(const TFolderViewPlug &) = delete;
    TFolderViewPlug &operator=(const TFolderViewPlug &) = delete;

    TFormLocal *View() const { return FView; }

private:
    TFormMain &FMain;
    std::unique_ptr<TMainFolderHost> FHost;
    TFormLocal *FView;
};
