#pragma once
// Puts the folder view into the main window: the view shows every node under Local and takes the
// settings, tab reports, "My Reports", browse panes and tree refreshes from the window.
#include <memory>

class TFormLocal;
class TFormMain;
class TMainFolderHost;
class TMyReports;

class TFolderViewPlug {
public:
    // `myReports` is the "My Reports" list the batch view's last tab offers.
    explicit TFolderViewPlug(TFormMain &main, TMyReports *myReports = nullptr);
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
