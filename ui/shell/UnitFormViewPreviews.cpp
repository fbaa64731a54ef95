#include "UnitFormViewPreviews.h"

#include "UnitException.h"
#include "UnitFileList.h"

#include <QDesktopServices>
#include <QFileInfo>
#include <QImageReader>
#include <QLabel>
#include <QLocale>
#include <QMimeDatabase>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QUrl>
#include <QVBoxLayout>
#include <memory>
#include <poppler-qt6.h>

namespace {
void DesktopOpen(const QString &path) { QDesktopServices::openUrl(QUrl::fromLocalFile(path)); }
void (*ShellOpener)(const QString &) = DesktopOpen;
} // namespace

void OpenWithShell(const QString &path) { ShellOpener(path); }
void SetShellOpener(void (*opener)(const QString &path)) { ShellOpener = opener ? opener : DesktopOpen; }

TFormViewImage::TFormViewImage(QWidget *parent) : QWidget(parent)
{
    setAutoFillBackground(true);
}

void TFormViewImage::ShowFile(const QString &path)
{
    const std::int32_t time = PackedFileTime(path);
    if (path == FFileName && time == FFileTime)
        return;
    FFileName = path;
    FFileTime = time;
    QImageReader reader(path);
    reader.setAutoTransform(true);
    FImage = reader.read();
    ++FLoadCount;
    update();
}

void TFormViewImage::SetPicture(const QString &path, const QImage &image)
{
    FFileName = path;
    FImage = image;
    ++FLoadCount;
    update();
}

void TFormViewImage::paintEvent(QPaintEvent *)
{
    if (FImage.isNull())
        return;
    QPainter painter(this);
    const QSize size = FImage.size().scaled(this->size(), Qt::KeepAspectRatio);
    const QRect target((width() - size.width()) / 2, (height() - size.height()) / 2, size.width(), size.height());
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(target, FImage);
}

void TFormViewImage::mouseDoubleClickEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton && !FFileName.isEmpty())
        OpenWithShell(FFileName);
}

TFormViewPDF::TFormViewPDF(QWidget *parent) : TFormViewImage(parent)
{
    setObjectName(QStringLiteral("FormViewPDF"));
}

QImage TFormViewPDF::RenderFirstPage(const QString &path, double dpi)
{
    std::unique_ptr<Poppler::Document> document = Poppler::Document::load(path);
    if (!document || document->isLocked() || document->numPages() < 1)
        return {};
    document->setRenderHint(Poppler::Document::Antialiasing);
    document->setRenderHint(Poppler::Document::TextAntialiasing);
    std::unique_ptr<Poppler::Page> page = document->page(0);
    return page ? page->renderToImage(dpi, dpi) : QImage();
}

void TFormViewPDF::ShowFile(const QString &path)
{
    const std::int32_t time = PackedFileTime(path);
    if (path == FPdfName && time == FPdfTime)
        return;
    FPdfName = path;
    FPdfTime = time;
    // A page rendered at 96 dots per inch is sharp enough for a pane and quick to draw.
    SetPicture(path, RenderFirstPage(path, 96));
}

TFormViewOle::TFormViewOle(QWidget *parent) : QWidget(parent)
{
    auto *layout = new QVBoxLayout(this);
    FLabelDetails = new QLabel(this);
    FLabelDetails->setTextInteractionFlags(Qt::TextSelectableByMouse);
    FLabelDetails->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    FButtonOpen = new QPushButton(Tr("Open"), this);
    FButtonOpen->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    layout->addWidget(FLabelDetails);
    layout->addWidget(FButtonOpen);
    layout->addStretch(1);
    connect(FButtonOpen, &QPushButton::clicked, this, [this] {
        if (!FFileName.isEmpty())
            OpenWithShell(FFileName);
    });
}

void TFormViewOle::ShowFile(const QString &path)
{
    FFileName = path;
    const QFileInfo info(path);
    const QLocale locale;
    QStringList lines;
    lines << Tr("Name: %1").arg(info.fileName());
    lines << Tr("Type: %1").arg(QMimeDatabase().mimeTypeForFile(info).comment());
    if (info.exists()) {
        lines << Tr("Size: %1").arg(locale.formattedDataSize(info.size()));
        lines << Tr("Modified: %1").arg(locale.toString(info.lastModified(), QLocale::ShortFormat));
    }
    lines << Tr("Location: %1").arg(info.absolutePath());
    FLabelDetails->setText(lines.join(QLatin1Char('\n')));
    FButtonOpen->setEnabled(info.exists());
}

QString TFormViewOle::DetailsText() const { return FLabelDetails->text(); }

void TFormViewOle::mouseDoubleClickEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton && !FFileName.isEmpty())
        OpenWithShell(FFileName);
}
