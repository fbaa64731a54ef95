#include "UnitPictureLoader.h"
#include "UnitException.h"

#include <QFile>
#include <QFileInfo>
#include <QtEndian>

namespace {
quint32 Le32(const QByteArray &b, int at) { return qFromLittleEndian<quint32>(b.constData() + at); }
quint16 Le16(const QByteArray &b, int at) { return qFromLittleEndian<quint16>(b.constData() + at); }
} // namespace

QByteArray MendBitmapBytes(const QByteArray &bytes)
{
    constexpr int kHeaders = 14 + 40;
    if (bytes.size() < kHeaders || !bytes.startsWith("BM"))
        return bytes;
    const quint32 fileSize = Le32(bytes, 2);
    const quint32 offset = Le32(bytes, 10);
    const quint32 infoSize = Le32(bytes, 14);
    const quint16 bitCount = Le16(bytes, 28);
    const quint32 coloursUsed = Le32(bytes, 46);
    if (bitCount != 24 || offset == kHeaders || !(infoSize < 36 || coloursUsed == 0))
        return bytes;
    if (offset < kHeaders || offset > static_cast<quint32>(bytes.size()))
        return bytes; // nothing sensible to move; let the decoder judge the file
    // A size field of 0 or one beyond the end must not read past the data that is there.
    quint32 pixelBytes = fileSize > offset ? fileSize - offset : 0;
    const quint32 available = static_cast<quint32>(bytes.size()) - offset;
    if (pixelBytes == 0 || pixelBytes > available)
        pixelBytes = available;
    QByteArray mended = bytes.left(kHeaders);
    qToLittleEndian<quint32>(kHeaders, mended.data() + 10);
    qToLittleEndian<quint32>(40, mended.data() + 14); // the copy holds exactly the 40-byte header
    qToLittleEndian<quint32>(kHeaders + pixelBytes, mended.data() + 2);
    mended.append(bytes.constData() + offset, pixelBytes);
    return mended;
}

QImage LoadBitmapFile(const QString &fileName)
{
    QFile file(fileName);
    if (!file.exists() || !file.open(QIODevice::ReadOnly))
        return QImage();
    return QImage::fromData(MendBitmapBytes(file.readAll()), "BMP");
}

QImage LoadPictureFile(const QString &fileName)
{
    if (QFileInfo(fileName).suffix().compare(QLatin1String("bmp"), Qt::CaseInsensitive) == 0)
        return LoadBitmapFile(fileName);
    return QImage(fileName);
}

QString BitmapFileFilter() { return Tr("Bitmaps") + QStringLiteral(" (*.bmp)"); }
