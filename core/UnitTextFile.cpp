#include "UnitTextFile.h"
#include "UnitException.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStringDecoder>
#include <algorithm>
#include <cstdio>

namespace {
// Code points of the bytes 0x80..0x9F in Windows-1252; 0 marks the five unassigned bytes.
const char16_t kCp1252High[32] = {
    0x20AC, 0, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160, 0x2039,
    0x0152, 0, 0x017D, 0, 0, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0, 0x017E, 0x0178};
} // namespace

QString DecodeWindows1252(const QByteArray &bytes)
{
    QString out;
    out.resize(bytes.size());
    QChar *d = out.data();
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        const auto b = static_cast<unsigned char>(bytes[i]);
        char16_t c = b;
        if (b >= 0x80 && b <= 0x9F && kCp1252High[b - 0x80] != 0)
            c = kCp1252High[b - 0x80];
        d[i] = QChar(c);
    }
    return out;
}

QByteArray EncodeWindows1252(const QString &text)
{
    QByteArray out;
    out.reserve(text.size());
    for (const QChar ch : text) {
        const char16_t u = ch.unicode();
        if (u < 0x80 || (u >= 0xA0 && u <= 0xFF)) {
            out.append(static_cast<char>(u));
            continue;
        }
        char mapped = '?';
        for (int k = 0; k < 32; ++k)
            if (kCp1252High[k] == u && u != 0) {
                mapped = static_cast<char>(0x80 + k);
                break;
            }
        out.append(mapped);
    }
    return out;
}

QString DecodeFileText(const QByteArray &bytes)
{
    QByteArrayView view(bytes);
    if (view.startsWith("\xEF\xBB\xBF"))
        view = view.sliced(3);
    QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString text = decoder.decode(view);
    if (!decoder.hasError())
        return text;
    return DecodeWindows1252(view.toByteArray());
}

void WriteFileAtomic(const QString &fileName, const QByteArray &bytes)
{
    QSaveFile file(fileName);
    if (!file.open(QIODevice::WriteOnly))
        throw Exception(Tr("Cannot create file \"%1\". %2").arg(fileName, file.errorString()));
    if (file.write(bytes) != bytes.size()) {
        const QString why = file.errorString();
        file.cancelWriting();
        throw Exception(Tr("Cannot write file \"%1\". %2").arg(fileName, why));
    }
    if (!file.commit())
        throw Exception(Tr("Cannot write file \"%1\". %2").arg(fileName, file.errorString()));
}

QByteArray ReadWholeFile(const QString &fileName)
{
    // A device or a pipe would never end (/dev/zero) or block for ever (a FIFO).
    const QFileInfo info(fileName);
    if (info.exists() && !info.isFile())
        throw Exception(Tr("Cannot open file \"%1\". %2").arg(fileName, Tr("It is not a file.")));
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly))
        throw Exception(Tr("Cannot open file \"%1\". %2").arg(fileName, file.errorString()));
    QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        throw Exception(Tr("Cannot read from the source file or disk"));
    return bytes;
}

bool CopyFileOver(const QString &source, const QString &target)
{
    const QFileInfo info(source);
    const QFileInfo dest(target);
    const QString temp = dest.absolutePath() + QStringLiteral("/.") + dest.fileName() + QStringLiteral(".part");
    QFile::remove(temp);
    bool ok = false;
    if (info.isSymLink()) {
        ok = QFile::link(info.symLinkTarget(), temp);
    } else {
        QFile in(source);
        QFile out(temp);
        if (in.open(QIODevice::ReadOnly) && out.open(QIODevice::WriteOnly | QIODevice::NewOnly)) {
            // Read to the end rather than to the size: some files (in /proc) report none.
            for (;;) {
                const QByteArray chunk = in.read(1 << 20);
                if (chunk.isEmpty()) {
                    ok = in.error() == QFileDevice::NoError;
                    break;
                }
                if (out.write(chunk) != chunk.size())
                    break;
            }
            ok = ok && out.flush();
            out.close();
            ok = ok && out.error() == QFileDevice::NoError;
        }
    }
    // rename(2) replaces the target in one step, a link as well as a file.
    if (ok)
        ok = std::rename(QFile::encodeName(temp).constData(), QFile::encodeName(target).constData()) == 0;
    if (!ok)
        QFile::remove(temp);
    return ok;
}

QString CommaText(const QStringList &list)
{
    QStringList parts;
    for (const QString &entry : list) {
        const bool quote = entry.isEmpty() || std::any_of(entry.begin(), entry.end(), [](QChar c) {
            return c.unicode() <= 32 || c == QLatin1Char(',') || c == QLatin1Char('"');
        });
        if (quote) {
            QString q = entry;
            q.replace(QLatin1Char('"'), QStringLiteral("\"\""));
            parts << QLatin1Char('"') + q + QLatin1Char('"');
        } else {
            parts << entry;
        }
    }
    return parts.join(QLatin1Char(','));
}

QStringList CommaTextList(const QString &text)
{
    QStringList result;
    const auto blank = [](QChar c) { return c.unicode() <= 32; };
    int i = 0;
    const int n = text.size();
    while (i < n && blank(text[i]))
        ++i;
    while (i < n) {
        QString entry;
        if (text[i] == QLatin1Char('"')) {
            ++i;
            while (i < n) {
                if (text[i] == QLatin1Char('"')) {
                    if (i + 1 < n && text[i + 1] == QLatin1Char('"')) {
                        entry += QLatin1Char('"');
                        i += 2;
                        continue;
                    }
                    ++i;
                    break;
                }
                entry += text[i++];
            }
        } else {
            while (i < n && text[i] != QLatin1Char(',') && !blank(text[i]))
                entry += text[i++];
        }
        result << entry;
        while (i < n && blank(text[i]))
            ++i;
        if (i < n && text[i] == QLatin1Char(',')) {
            ++i;
            while (i < n && blank(text[i]))
                ++i;
            if (i == n)
                result << QString(); // a trailing comma ends in an empty entry
        }
    }
    return result;
}
