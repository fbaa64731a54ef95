#include "UnitWizardDialog.h"

#include "UnitException.h"

#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QLinearGradient>
#include <QPainter>
#include <QPushButton>
#include <QStackedWidget>
#include <QVBoxLayout>

namespace {
// The picture beside the first and last pages: a blue band with the program's name.
class TWizardSideBar : public QWidget {
public:
    using QWidget::QWidget;

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter p(this);
        QLinearGradient g(0, 0, 0, height());
        g.setColorAt(0, QColor(30, 70, 140));
        g.setColorAt(1, QColor(110, 160, 220));
        p.fillRect(rect(), g);
        p.setPen(Qt::white);
        QFont f = font();
        f.setPixelSize(18);
        f.setBold(true);
        p.setFont(f);
        p.translate(22, height() - 20);
        p.rotate(-90);
        p.drawText(0, 0, QStringLiteral("Ventrax Orvalis"));
    }
};
} // namespace

QString LabelText(const QString &text)
{
    QString shown = text;
    shown.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    return shown;
}

TWizardDialog::TWizardDialog(QWidget *parent)
    : QDialog(parent), FHeader(new QWidget(this)), FTitle(new QLabel(FHeader)), FDescription(new QLabel(FHeader)),
      FSideBar(new TWizardSideBar(this)), FStack(new QStackedWidget(this)),
      FBack(new QPushButton(Tr("< &Back"), this)), FNext(new QPushButton(Tr("&Next >"), this)),
      FFinish(new QPushButton(Tr("&Finish"), this)), FCancel(new QPushButton(Tr("Cancel"), this))
{
    FHeader->setObjectName(QStringLiteral("PanelHeader"));
    FHeader->setAutoFillBackground(true);
    // The header band is drawn like an edit field (white in a light palette), in the palette's
    // own field colours so that a dark palette keeps it readable.
    QPalette pal;
    for (QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
        pal.setColor(group, QPalette::Window, FHeader->palette().color(group, QPalette::Base));
        pal.setColor(group, QPalette::WindowText, FHeader->palette().color(group, QPalette::Text));
    }
    FHeader->setPalette(pal);
    FTitle->setObjectName(QStringLiteral("LabelTitle"));
    QFont bold = FTitle->font();
    bold.setBold(true);
    FTitle->setFont(bold);
    FDescription->setObjectName(QStringLiteral("LabelDescription"));
    FDescription->setWordWrap(true);
    auto *headerLayout = new QVBoxLayout(FHeader);
    headerLayout->setContentsMargins(16, 8, 16, 8);
    headerLayout->addWidget(FTitle);
    headerLayout->addWidget(FDescription);

    FSideBar->setFixedWidth(120);
    auto *body = new QHBoxLayout;
    body->setContentsMargins(0, 0, 0, 0);
    body->addWidget(FSideBar);
    body->addWidget(FStack, 1);

    auto *line = new QFrame(this);
    line->setFrameShape(QFrame::HLine);
    line->setFrameShadow(QFrame::Sunken);

    FBack->setObjectName(QStringLiteral("ButtonBack"));
    FNext->setObjectName(QStringLiteral("ButtonNext"));
    FFinish->setObjectName(QStringLiteral("ButtonFinish"));
    FCancel->setObjectName(QStringLiteral("ButtonCancel"));
    for (QPushButton *b : {FBack, FNext, FFinish, FCancel})
        b->setAutoDefault(false);
    auto *buttons = new QHBoxLayout;
    buttons->setContentsMargins(8, 8, 8, 8);
    buttons->addStretch(1);
    buttons->addWidget(FBack);
    buttons->addWidget(FNext);
    buttons->addWidget(FFinish);
    buttons->addSpacing(8);
    buttons->addWidget(FCancel);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(FHeader);
    layout->addLayout(body, 1);
    layout->addWidget(line);
    layout->addLayout(buttons);

    connect(FBack, &QPushButton::clicked, this, &TWizardDialog::Back);
    connect(FNext, &QPushButton::clicked, this, &TWizardDialog::Next);
    connect(FFinish, &QPushButton::clicked, this, &QDialog::accept);
    connect(FCancel, &QPushButton::clicked, this, &QDialog::reject);
    resize(560, 400);
}

int TWizardDialog::AddPage(QWidget *page, const QString &title, const QString &description, bool exterior)
{
    if (exterior) {
        // The first and last pages carry their title and text in the body, beside the side bar.
        auto *frame = new QWidget(this);
        auto *layout = new QVBoxLayout(frame);
        layout->setContentsMargins(16, 16, 16, 16);
        auto *heading = new QLabel(title, frame);
        heading->setObjectName(QStringLiteral("LabelWelcome"));
        QFont f = heading->font();
        f.setPixelSize(18);
        f.setBold(true);
        heading->setFont(f);
        heading->setWordWrap(true);
        auto *text = new QLabel(LabelText(description), frame);
        text->setObjectName(QStringLiteral("LabelWelcomeText"));
        text->setWordWrap(true);
        layout->addWidget(heading);
        layout->addSpacing(12);
        layout->addWidget(text);
        if (page)
            layout->addWidget(page);
        layout->addStretch(1);
        page = frame;
    }
    FStack->addWidget(page);
    FPages.push_back({page, title, description, exterior});
    return static_cast<int>(FPages.size()) - 1;
}

QWidget *TWizardDialog::Page(int index) const { return index >= 0 && index < PageCount() ? FPages[index].Widget : nullptr; }
QString TWizardDialog::PageTitle(int index) const { return index >= 0 && index < PageCount() ? FPages[index].Title : QString(); }
bool TWizardDialog::PageEnabled(int index) const { return index >= 0 && index < PageCount() && FPages[index].Enabled; }

void TWizardDialog::SetPageEnabled(int index, bool enabled)
{
    if (index >= 0 && index < PageCount())
        FPages[index].Enabled = enabled;
}

void TWizardDialog::ShowPage(int index)
{
    if (index < 0 || index >= PageCount())
        return;
    FCurrent = index;
    const TPage &page = FPages[index];
    FStack->setCurrentWidget(page.Widget);
    FHeader->setVisible(!page.Exterior);
    FSideBar->setVisible(page.Exterior);
    FTitle->setText(page.Title);
    FDescription->setText(LabelText(page.Description));
    PageEntered(index);
    UpdateButtons();
}

void TWizardDialog::UpdateButtons()
{
    const bool last = NextPageOf(FCurrent) < 0;
    FBack->setEnabled(PreviousPageOf(FCurrent) >= 0);
    FNext->setVisible(!last);
    FFinish->setVisible(last);
    (last ? FFinish : FNext)->setDefault(true);
}

void TWizardDialog::Next()
{
    if (FCurrent < 0 || !LeavingForward(FCurrent))
        return;
    const int next = NextPageOf(FCurrent);
    if (next >= 0) {
        Moving(FCurrent, next, true);
        ShowPage(next);
    }
}

void TWizardDialog::Back()
{
    const int previous = PreviousPageOf(FCurrent);
    if (previous >= 0) {
        Moving(FCurrent, previous, false);
        ShowPage(previous);
    }
}

void TWizardDialog::PageEntered(int) {}
void TWizardDialog::Moving(int, int, bool) {}
bool TWizardDialog::LeavingForward(int) { return true; }

int TWizardDialog::NextPageOf(int index) const
{
    for (int i = index + 1; i < PageCount(); ++i)
        if (FPages[i].Enabled)
            return i;
    return -1;
}

int TWizardDialog::PreviousPageOf(int index) const
{
    for (int i = index - 1; i >= 0; --i)
        if (FPages[i].Enabled)
            return i;
    return -1;
}
