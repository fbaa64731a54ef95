#include "UnitfocClipboard.h"

#include "UnitException.h"
#include "UnitStorage.h"

#include <QApplication>
#include <QClipboard>
#include <QMimeData>
#include <QUrl>
#include <QtEndian>

namespace {
const QString CopiedFilesType = QStringLiteral("x-special/gnome-copied-files");
} // namespace

QByteArray EncodeClipboardStream(const QByteArray &stream)
{
    QByteArray block(4, '\0');
    qToLittleEndian<quint32>(static_cast<quint32>(stream.size()), block.data());
    return block + stream;
}

QByteArray DecodeClipboardStream(const QByteArray &block)
{
    if (block.size() < 4)
        return {};
    const quint32 size = qFromLittleEndian<quint32>(block.constData());
    // A length beyond the block (data from a faulty writer) is cut to what is there.
    return block.mid(4, static_cast<qsizetype>(std::min<quint64>(size, quint64(block.size() - 4))));
}

TfocClipboard &TfocClipboard::Instance()
{
    static TfocClipboard instance;
    return instance;
}

void TfocClipboard::Open()
{
    if (FOpenCount == 0 && !QGuiApplication::clipboard())
        throw Exception(Tr("Cannot open clipboard"));
    ++FOpenCount;
}

void TfocClipboard::Close()
{
    if (FOpenCount > 0 && --FOpenCount == 0)
        FPending = nullptr;
}

void TfocClipboard::PutStream(const QByteArray &stream, const QString &format)
{
    Open();
    // The first write after the outermost open starts a new clipboard content.
    // Also when the content written so far is gone (another program took the clipboard).
    if (!FPending || QGuiApplication::clipboard()->mimeData() != FPending) {
        FPending = new QMimeData;
        FPending->setData(format, EncodeClipboardStream(stream));
        QGuiApplication::clipboard()->setMimeData(FPending);
    } else {
        auto *next = new QMimeData;
        for (const QString &f : FPending->formats())
            next->setData(f, FPending->data(f));
        next->setData(format, EncodeClipboardStream(stream));
        FPending = next;
        QGuiApplication::clipboard()->setMimeData(next);
    }
    Close();
}

QByteArray TfocClipboard::GetStream(const QString &format) const
{
    const QMimeData *mime = QGuiApplication::clipboard() ? QGuiApplication::clipboard()->mimeData() : nullptr;
    if (!mime || !mime->hasFormat(format))
        return {};
    return DecodeClipboardStream(mime->data(format));
}

bool TfocClipboard::HasFormat(const QString &format) const
{
    const QMimeData *mime = QGuiApplication::clipboard() ? QGuiApplication::clipboard()->mimeData() : nullptr;
    return mime && mime->hasFormat(format);
}

QMimeData *FileListMimeData(const QStringList &paths, bool cut)
{
    auto *mime = new QMimeData;
    QList<QUrl> urls;
    QByteArray copied = cut ? "cut" : "copy";
    for (const QString &path : paths) {
        const QUrl url = QUrl::fromLocalFile(ExcludeTrailingSlash(path));
        urls << url;
        copied += '\n' + url.toEncoded();
    }
    mime->setUrls(urls);
    mime->setData(CopiedFilesType, copied);
    return mime;
}

bool ReadFileList(const QMimeData *mime, QStringList &paths, bool &cut)
{
    paths.clear();
    cut = false;
    if (!mime)
        return false;
    if (mime->hasFormat(CopiedFilesType)) {
        const QList<QByteArray> lines = mime->data(CopiedFilesType).split('\n');
        cut = !lines.isEmpty() && lines.first().trimmed() == "cut";
        for (int i = 1; i < lines.size(); ++i) {
            const QUrl url = QUrl::fromEncoded(lines[i].trimmed());
            if (url.isLocalFile())
                paths << ExcludeTrailingSlash(url.toLocalFile());
        }
    }
    if (paths.isEmpty())
        for (const QUrl &url : mime->urls())
            if (url.isLocalFile())
                paths << ExcludeTrailingSlash(url.toLocalFile());
    return !paths.isEmpty();
}

void ClearFileListClipboard()
{
    QClipboard *clipboard = QGuiApplication::clipboard();
    if (clipboard && clipboard->mimeData() && clipboard->mimeData()->hasFormat(CopiedFilesType))
        clipboard->clear();
}
