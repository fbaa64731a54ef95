// The picture text decoder. The first byte picks the input: the text as it stands in a report
// file, or the rest packed as the writer packs it (so the fuzzer reaches the stored length and
// the picture bytes behind zlib and Base64). Whatever decodes must load as a picture, and encode
// and decode to the same bytes.
#include "FuzzSupport.h"
#include "UnitProperty.h"

#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QtEndian>
#include <zlib.h>

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static int qtArgc = 1;
    static char name[] = "fuzz_picturetext";
    static char *qtArgv[] = {name, nullptr};
    new QGuiApplication(qtArgc, qtArgv); // lives for the whole run
    return 0;
}

namespace {
// zlib and Base64 of the bytes as they are: the first four are taken as the stored length.
QString Pack(const QByteArray &plain)
{
    uLongf size = compressBound(static_cast<uLong>(plain.size()));
    QByteArray packed(static_cast<qsizetype>(size), '\0');
    if (compress2(reinterpret_cast<Bytef *>(packed.data()), &size, reinterpret_cast<const Bytef *>(plain.constData()),
                  static_cast<uLong>(plain.size()), 9) != Z_OK)
        return {};
    packed.truncate(static_cast<qsizetype>(size));
    return QString::fromLatin1(packed.toBase64());
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size == 0)
        return 0;
    const QByteArray rest = FuzzBytes(data + 1, size - 1);
    const QString text = (data[0] & 1) ? Pack(rest) : QString::fromLatin1(rest);
    const QByteArray decoded = DecodePictureText(text);
    if (decoded.isEmpty())
        return 0;
    FUZZ_CHECK(DecodePictureText(EncodePictureText(decoded)) == decoded);
    TVentraxGraphic graphic;
    graphic.LoadFromString(decoded);
    (void)graphic.Size();
    const QByteArray again = graphic.SaveToString();
    TVentraxGraphic reloaded;
    reloaded.LoadFromString(again);
    if (data[0] & 2) {
        QImage image(32, 32, QImage::Format_RGB32);
        QPainter painter(&image);
        graphic.Draw(painter, QRectF(0, 0, 32, 32));
    }
    return 0;
}
