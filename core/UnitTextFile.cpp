#include "UnitTextFile.h"
#include "UnitException.h"

#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QStringDecoder>
#include <algorithm>
#include <cctype>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <ctime>
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

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

QString TemporarySaveName(const QString &target, const QString &tag)
{
    const QFileInfo info(target);
    QString name = info.absolutePath() + QStringLiteral("/.") + info.fileName();
    if (!tag.isEmpty())
        name += QLatin1Char('.') + tag;
    return name + QStringLiteral(".part");
}

bool IsTemporarySaveName(const QString &fileName)
{
    const QString name = QFileInfo(fileName).fileName();
    return name.size() > 6 && name.startsWith(QLatin1Char('.')) && name.endsWith(QLatin1String(".part"));
}

bool IsTemporaryFileName(const QString &name)
{
    if (IsTemporarySaveName(name))
        return true;
    if (name.startsWith(QLatin1String("~$")))
        return name.size() > 2;
    if (!name.startsWith(QLatin1Char('.')))
        return false;
    if (name.startsWith(QLatin1String(".~lock.")) && name.endsWith(QLatin1Char('#')))
        return true;
    if (name.startsWith(QLatin1String(".fuse_hidden")))
        return true;
    if (name.startsWith(QLatin1String(".nfs")) && name.size() > 4) {
        for (qsizetype i = 4; i < name.size(); ++i)
            if (!isxdigit(name[i].toLatin1()) || name[i].unicode() > 0x7f)
                return false;
        return true;
    }
    return name.size() > 5 && name.endsWith(QLatin1String(".tmp"), Qt::CaseInsensitive);
}

namespace {

QString ErrorText(int error) { return QString::fromLocal8Bit(std::strerror(error)); }

// Temporaries of this target that a killed save left behind. A save still running holds its
// name for milliseconds, never for a minute. Only names of the right form are looked at, so a
// large folder costs one pass over its names.
void RemoveStaleTemporaries(const QFileInfo &target)
{
    const QByteArray prefix = '.' + QFile::encodeName(target.fileName()) + '.';
    const QByteArray folder = QFile::encodeName(target.absolutePath());
    DIR *dir = ::opendir(folder.constData());
    if (!dir)
        return;
    const time_t limit = ::time(nullptr) - 60;
    while (const dirent *entry = ::readdir(dir)) {
        const QByteArray name(entry->d_name);
        if (!name.startsWith(prefix) || !name.endsWith(".part"))
            continue;
        struct stat st {};
        if (::fstatat(::dirfd(dir), entry->d_name, &st, AT_SYMLINK_NOFOLLOW) == 0 && S_ISREG(st.st_mode) && st.st_mtime < limit)
            ::unlinkat(::dirfd(dir), entry->d_name, 0);
    }
    ::closedir(dir);
}

QString UniqueTag()
{
    static const char letters[] = "abcdefghijklmnopqrstuvwxyz0123456789";
    QString tag;
    for (int i = 0; i < 6; ++i)
        tag += QLatin1Char(letters[QRandomGenerator::global()->bounded(36)]);
    return tag;
}

bool WriteAll(int fd, const QByteArray &bytes)
{
    qsizetype done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.constData() + done, static_cast<size_t>(bytes.size() - done));
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return false;
        done += n;
    }
    return ::fdatasync(fd) == 0 || errno == EINVAL;
}

// Gives the unnamed file `fd` a name; false (errno set) when the system cannot.
bool LinkUnnamed(int fd, const QString &name)
{
    const QByteArray path = QFile::encodeName(name);
    const QByteArray self = "/proc/self/fd/" + QByteArray::number(fd);
    if (::linkat(AT_FDCWD, self.constData(), AT_FDCWD, path.constData(), AT_SYMLINK_FOLLOW) == 0)
        return true;
    if (errno == EEXIST)
        return false;
    return ::linkat(fd, "", AT_FDCWD, path.constData(), AT_EMPTY_PATH) == 0;
}

} // namespace

void WriteFileAtomic(const QString &fileName, const QByteArray &bytes)
{
    const QFileInfo given(fileName);
    const QFileInfo target(given.isSymLink() ? given.symLinkTarget() : given.absoluteFilePath());
    const QString targetPath = target.absoluteFilePath();
    const QByteArray encodedTarget = QFile::encodeName(targetPath);
    RemoveStaleTemporaries(target);
    struct stat existing {};
    const bool exists = ::stat(encodedTarget.constData(), &existing) == 0;
    auto cannotCreate = [&](int error) {
        return Exception(Tr("Cannot create file \"%1\". %2").arg(fileName, ErrorText(error)));
    };
    auto cannotWrite = [&](int error) {
        return Exception(Tr("Cannot write file \"%1\". %2").arg(fileName, ErrorText(error)));
    };

    // Written without a name first, where the file system allows: a process killed while
    // writing then leaves nothing behind at all.
    int fd = ::open(QFile::encodeName(target.absolutePath()).constData(), O_TMPFILE | O_WRONLY | O_CLOEXEC, 0666);
    const bool unnamed = fd >= 0;
    QString temp;
    if (!unnamed) {
        for (int attempt = 0; fd < 0 && attempt < 20; ++attempt) {
            temp = TemporarySaveName(targetPath, UniqueTag());
            fd = ::open(QFile::encodeName(temp).constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
            if (fd < 0 && errno != EEXIST)
                break;
        }
        if (fd < 0)
            throw cannotCreate(errno);
    }
    if (exists)
        ::fchmod(fd, existing.st_mode & 07777);
    if (!WriteAll(fd, bytes)) {
        const int error = errno;
        ::close(fd);
        if (!temp.isEmpty())
            QFile::remove(temp);
        throw cannotWrite(error);
    }
    if (unnamed) {
        // A new file takes its name in one step. A file replaced needs a name of its own first,
        // to be renamed over the old one.
        bool linked = !exists && LinkUnnamed(fd, targetPath);
        if (linked) {
            ::close(fd);
            return;
        }
        for (int attempt = 0; !linked && attempt < 20; ++attempt) {
            temp = TemporarySaveName(targetPath, UniqueTag());
            linked = LinkUnnamed(fd, temp);
            if (!linked && errno != EEXIST)
                break;
        }
        const int error = errno;
        ::close(fd);
        if (!linked) {
            // No way to name an unnamed file here (no /proc): write it under a name instead.
            if (error == ENOENT || error == EPERM || error == EACCES || error == EINVAL || error == EOPNOTSUPP) {
                temp = TemporarySaveName(targetPath, UniqueTag());
                fd = ::open(QFile::encodeName(temp).constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
                if (fd < 0)
                    throw cannotCreate(errno);
                if (exists)
                    ::fchmod(fd, existing.st_mode & 07777);
                const bool written = WriteAll(fd, bytes);
                const int writeError = errno;
                ::close(fd);
                if (!written) {
                    QFile::remove(temp);
                    throw cannotWrite(writeError);
                }
            } else {
                throw cannotCreate(error);
            }
        }
    } else {
        ::close(fd);
    }
    if (std::rename(QFile::encodeName(temp).constData(), encodedTarget.constData()) != 0) {
        const int error = errno;
        QFile::remove(temp);
        throw cannotWrite(error);
    }
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
    const QString temp = TemporarySaveName(dest.absoluteFilePath());
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
