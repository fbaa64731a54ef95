#pragma once
// The splash window shown while the main window is created.
#include <QWidget>

class TFormSplash : public QWidget {
    Q_OBJECT
public:
    explicit TFormSplash(QWidget *parent = nullptr);
};
