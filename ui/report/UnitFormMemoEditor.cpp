#include "UnitFormMemoEditor.h"

#include "UnitException.h"
#include "UnitPageItemMemo.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStatusBar>
#include <QVBoxLayout>

namespace {
constexpr int FieldColumns = 8;
}

TFormMemoEditor::TFormMemoEditor(QWidget *parent) : TPropertyForm(parent)
{
    setObjectName(QStringLiteral("FormMemoEditor"));
    setWindowTitle(Tr("Text Editor"));
    resize(640, 420);
    auto *outer = new QVBoxLayout(this);
    outer->setContentsMargins(0, 0, 0, 0);
    auto *body = new QVBoxLayout;
    body->setContentsMargins(4, 4, 4, 0);
    outer->addLayout(body, 1);
    MemoText = new QPlainTextEdit(this);
    MemoText->setObjectName(QStringLiteral("MemoText"));
    MemoText->setAccessibleName(Tr("Text"));
    MemoText->setLineWrapMode(QPlainTextEdit::NoWrap);
    MemoText->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    MemoText->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    body->addWidget(MemoText, 1);
    auto *fields = new QGridLayout;
    fields->setSpacing(2);
    for (int i = 0; i < MemoFieldCount; ++i) {
        auto *b = new QPushButton(MemoFieldButtonCaption(i), this);
        b->setObjectName(QStringLiteral("ButtonField%1").arg(i));
        b->setAutoDefault(false);
        // Tab reaches the buttons; a click leaves the focus in the text.
        b->setFocusPolicy(Qt::TabFocus);
        connect(b, &QPushButton::clicked, this, [this, i] { InsertField(i); });
        fields->addWidget(b, i / FieldColumns, i % FieldColumns);
    }
    body->addLayout(fields);
    auto *buttons = new QHBoxLayout;
    buttons->setSpacing(4);
    buttons->addStretch(1);
    ButtonOK = new QPushButton(Tr("OK"), this);
    ButtonOK->setObjectName(QStringLiteral("ButtonOK"));
    ButtonOK->setAutoDefault(false);
    ButtonCancel = new QPushButton(Tr("Cancel"), this);
    ButtonCancel->setObjectName(QStringLiteral("ButtonCancel"));
    ButtonCancel->setAutoDefault(false);
    buttons->addWidget(ButtonOK);
    buttons->addWidget(ButtonCancel);
    body->addLayout(buttons);
    connect(ButtonOK, &QPushButton::clicked, this, &TFormMemoEditor::ButtonOKClick);
    connect(ButtonCancel, &QPushButton::clicked, this, &QDialog::reject);
    StatusBar = new QStatusBar(this);
    StatusBar->setObjectName(QStringLiteral("StatusBar"));
    StatusBar->setSizeGripEnabled(false);
    outer->addWidget(StatusBar);
}

QPushButton *TFormMemoEditor::FieldButton(int field) const
{
    return findChild<QPushButton *>(QStringLiteral("ButtonField%1").arg(field));
}

void TFormMemoEditor::InsertField(int field)
{
    MemoText->insertPlainText(QLatin1Char('[') + MemoFieldDisplayName(field) + QLatin1Char(']'));
    MemoText->setFocus();
}

void TFormMemoEditor::showEvent(QShowEvent *event)
{
    StatusBar->showMessage(EditProperty ? EditProperty->DisplayCaption() : QString());
    MemoText->setPlainText(EditProperty ? TPageItemMemo::ToDisplayText(EditProperty->AsString()) : QString());
    MemoText->setFocus();
    TPropertyForm::showEvent(event);
}

void TFormMemoEditor::ButtonOKClick()
{
    if (EditProperty)
        EditProperty->SetString(TPageItemMemo::ToStoredText(MemoText->toPlainText()));
    accept();
}
