#include "TestSupport.h"
#include "UnitPictureLoader.h"
#include "UnitTextFile.h"

#include <QtEndian>

namespace {
// A 2 x 1 24-bit bitmap (blue pixel, red pixel) whose pixel data starts at `offset`.
QByteArray Bitmap(quint32 offset, quint32 coloursUsed)
{
    QByteArray b(static_cast<int>(offset), '\0');
    const QByteArray pixels("\xFF\x00\x00" "\x00\x00\xFF" "\x00\x00", 8); // BGR BGR + row padding
    b[0] = 'B';
    b[1] = 'M';
    qToLittleEndian<quint32>(offset + 8, b.data() + 2);
    qToLittleEndian<quint32>(offset, b.data() + 10);
    qToLittleEndian<quint32>(40, b.data() + 14);
    qToLittleEndian<qint32>(2, b.data() + 18);
    qToLittleEndian<qint32>(1, b.data() + 22);
    qToLittleEndian<quint16>(1, b.data() + 26);
    qToLittleEndian<quint16>(24, b.data() + 28);
    qToLittleEndian<quint32>(8, b.data() + 34);
    qToLittleEndian<quint32>(coloursUsed, b.data() + 46);
    if (offset > 54)
        b[54] = 'Z'; // junk between the headers and the pixels
    return b + pixels;
}
} // namespace

TEST(PictureLoader, BitmapWithLatePixelDataKeepsItsColours)
{
    TTempHome home;
    for (const quint32 offset : {54u, 58u, 70u}) {
        const QString file = home.Path() + QStringLiteral("/late%1.bmp").arg(offset);
        WriteFileAtomic(file, Bitmap(offset, 0));
        const QImage image = LoadPictureFile(file);
        ASSERT_FALSE(image.isNull()) << offset;
        EXPECT_EQ(image.size(), QSize(2, 1));
        EXPECT_EQ(image.pixel(0, 0), qRgb(0, 0, 255)) << offset;
        EXPECT_EQ(image.pixel(1, 0), qRgb(255, 0, 0)) << offset;
    }
    EXPECT_TRUE(LoadPictureFile(home.Path() + QStringLiteral("/missing.bmp")).isNull());
}

TEST(PictureLoader, MendsOnlyTheFilesThatNeedIt)
{
    const QByteArray late = Bitmap(58, 0);
    const QByteArray mended = MendBitmapBytes(late);
    EXPECT_EQ(mended.size(), 54 + 8);
    EXPECT_EQ(qFromLittleEndian<quint32>(mended.constData() + 10), 54u);
    EXPECT_EQ(mended.mid(54), late.mid(58));
    EXPECT_EQ(MendBitmapBytes(Bitmap(54, 0)), Bitmap(54, 0));
    EXPECT_EQ(MendBitmapBytes(Bitmap(58, 2)), Bitmap(58, 2)); // colour table counted: unchanged
    // Truncated or lying headers never read past the data.
    QByteArray lying = late;
    qToLittleEndian<quint32>(100000, lying.data() + 2);
    EXPECT_EQ(MendBitmapBytes(lying).size(), 54 + 8);
    EXPECT_EQ(MendBitmapBytes(QByteArray("BM")), QByteArray("BM"));
}
