#include "UnitFormPleaseWait.h"
#include "UnitException.h"

#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>

TFormPleaseWait::TFormPleaseWait(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("FormPleaseWait"));
    setWindowTitle(Tr("Please Wait..."));
    setModal(false);
    FMessage = new QLabel(this);
    FMessage->setObjectName(QStringLiteral("LabelMessage"));
    FProgress = new QProgressBar(this);
    FProgress->setObjectName(QStringLiteral("ProgressBar"));
    FProgress->setRange(0, 100);
    FProgress->setTextVisible(false);
    FProgress->setVisible(false);
    FCancel = new QPushButton(Tr("Cancel"), this);
    FCancel->setObjectName(QStringLiteral("ButtonCancel"));
    connect(FCancel, &QPushButton::clicked, this, &TFormPleaseWait::reject);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(FMessage);
    layout->addWidget(FProgress);
    layout->addWidget(FCancel, 0, Qt::AlignHCenter);
    setFixedWidth(320);
}

void TFormPleaseWait::SetProgress(const QString &message, int position)
{
    FMessage->setText(message);
    FProgress->setVisible(position >= -1);
    if (position == -1) {
        FProgress->setRange(0, 0); // marquee: busy with no known progress
    } else if (position >= 0) {
        FProgress->setRange(0, FMaximum);
        FProgress->setValue(qMin(position, FMaximum));
    }
}

void TFormPleaseWait::SetMaximum(int maximum)
{
    FMaximum = qMax(1, maximum);
    if (FProgress->maximum() != 0)
        FProgress->setRange(0, FMaximum);
}

void TFormPleaseWait::reject()
{
    if (!CancelHandler)
        return;
    CancelHandler();
    QDialog::reject();
}

QString TFormPleaseWait::Message() const { return FMessage->text(); }

void TFormPleaseWait::showEvent(QShowEvent *event)
{
    FCancel->setVisible(static_cast<bool>(CancelHandler));
    setFixedHeight(CancelHandler ? 92 : 66);
    QDialog::showEvent(event);
}
