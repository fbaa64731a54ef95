#include "UnitFormAnchor.h"

#include "UnitException.h"
#include "UnitPage.h"

#include <QGridLayout>
#include <QPushButton>

TFormAnchor::TFormAnchor(QWidget *parent) : TPropertyForm(parent)
{
    setObjectName(QStringLiteral("FormAnchor"));
    setWindowTitle(Tr("Anchor"));
    setWindowFlags(Qt::Tool | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    auto *grid = new QGridLayout(this);
    const auto button = [this](const char *name, const char *caption) {
        auto *b = new QPushButton(Tr(caption), this);
        b->setObjectName(QString::fromLatin1(name));
        b->setCheckable(true);
        b->setAutoDefault(false);
        return b;
    };
    ButtonTop = button("ButtonTop", QT_TRID_NOOP("Top"));
    ButtonLeft = button("ButtonLeft", QT_TRID_NOOP("Left"));
    ButtonRight = button("ButtonRight", QT_TRID_NOOP("Right"));
    ButtonBottom = button("ButtonBottom", QT_TRID_NOOP("Bottom"));
    grid->addWidget(ButtonTop, 0, 1);
    grid->addWidget(ButtonLeft, 1, 0);
    grid->addWidget(ButtonRight, 1, 2);
    grid->addWidget(ButtonBottom, 2, 1);
}

int TFormAnchor::Value() const
{
    return (ButtonLeft->isChecked() ? AnchorLeft : 0) | (ButtonTop->isChecked() ? AnchorTop : 0)
           | (ButtonRight->isChecked() ? AnchorRight : 0) | (ButtonBottom->isChecked() ? AnchorBottom : 0);
}

void TFormAnchor::showEvent(QShowEvent *event)
{
    const int bits = EditProperty ? EditProperty->AsInteger() : 0;
    ButtonLeft->setChecked(bits & AnchorLeft);
    ButtonTop->setChecked(bits & AnchorTop);
    ButtonRight->setChecked(bits & AnchorRight);
    ButtonBottom->setChecked(bits & AnchorBottom);
    FShown = true;
    TPropertyForm::showEvent(event);
}

void TFormAnchor::done(int result)
{
    // However the window closes, the property takes the pressed buttons.
    if (EditProperty && FShown)
        EditProperty->SetInteger(Value());
    FShown = false;
    TPropertyForm::done(result);
}
