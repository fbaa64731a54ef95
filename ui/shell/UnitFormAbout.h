#pragma once
// The about box and the picture, title, version and web address it shares with the splash window.
#include <QDialog>

// The version text shown as "Version : %s".
QString ProductVersionText();

// Lays the shared about content (picture, "Orvalis", version, web address) into `parent`.
void BuildAboutContent(QWidget *parent);

class TFormAbout : public QDialog {
    Q_OBJECT
public:
    explicit TFormAbout(QWidget *parent = nullptr);
};
