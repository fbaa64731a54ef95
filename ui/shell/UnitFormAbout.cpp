#include "UnitFormAbout.h"
#include "UnitException.h"

#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QLabel>
#include <QLinearGradient>
#include <QPainter>
#include <QPushButton>
#include <QVBoxLayout>

namespace {
// The banner drawn in place of a stored bitmap: a deep blue gradient with cover-meter bars.
QPixmap AboutPicture()
{
    QPixmap picture(360, 120);
    QPainter p(&picture);
    QLinearGradient gradient(0, 0, 360, 120);
    gradient.setColorAt(0, QColor(0x10, 0x2a, 0x5c));
    gradient.setColorAt(1, QColor(0x2f, 0x6d, 0xb5));
    p.fillRect(picture.rect(), gradient);
    p.setPen(Qt::NoPen);
    for (int i = 0; i < 9; ++i) {
        p.setBrush(QColor(255, 255, 255, 40 + i * 12));
        p.drawRect(30 + i * 34, 90 - (i % 4) * 14, 18, 20 + (i % 4) * 14);
    }
    p.setPen(Qt::white);
    QFont f = p.font();
    f.setPixelSize(34);
    f.setBold(true);
    p.setFont(f);
    p.drawText(QRect(0, 10, 360, 60), Qt::AlignCenter, QStringLiteral("Ventrax K27"));
    return picture;
}
} // namespace

QString ProductVersionText()
{
    const QString version = QCoreApplication::applicationVersion();
    return version.isEmpty() ? QStringLiteral("1.05") : version;
}

void BuildAboutContent(QWidget *parent)
{
    auto *layout = new QVBoxLayout(parent);
    auto *picture = new QLabel(parent);
    picture->setObjectName(QStringLiteral("ImagePicture"));
    picture->setPixmap(AboutPicture());
    layout->addWidget(picture, 0, Qt::AlignHCenter);
    auto *title = new QLabel(QStringLiteral("Orvalis"), parent);
    title->setObjectName(QStringLiteral("LabelTitle"));
    QFont f = title->font();
    f.setPixelSize(22);
    f.setBold(true);
    title->setFont(f);
    layout->addWidget(title, 0, Qt::AlignHCenter);
    auto *version = new QLabel(Tr("Version : %1").arg(ProductVersionText()), parent);
    version->setObjectName(QStringLiteral("LabelVersion"));
    layout->addWidget(version, 0, Qt::AlignHCenter);
    auto *link = new QLabel(QStringLiteral("www.ventrax.example"), parent);
    link->setObjectName(QStringLiteral("LabelLink"));
    link->setStyleSheet(QStringLiteral("QLabel { color: #C0C0C0; }"));
    layout->addWidget(link, 0, Qt::AlignHCenter);
}

TFormAbout::TFormAbout(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("FormAbout"));
    setWindowTitle(Tr("About"));
    auto *content = new QWidget(this);
    BuildAboutContent(content);
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
    buttons->button(QDialogButtonBox::Ok)->setObjectName(QStringLiteral("ButtonOK"));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(content);
    layout->addWidget(buttons);
}
