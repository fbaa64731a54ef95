#include "UnitFormSplash.h"
#include "UnitFormAbout.h"

#include <QGuiApplication>
#include <QScreen>

TFormSplash::TFormSplash(QWidget *parent) : QWidget(parent, Qt::SplashScreen | Qt::FramelessWindowHint)
{
    setObjectName(QStringLiteral("FormSplash"));
    setAutoFillBackground(true);
    BuildAboutContent(this);
    adjustSize();
    if (QScreen *screen = QGuiApplication::primaryScreen())
        move(screen->geometry().center() - rect().center());
}
