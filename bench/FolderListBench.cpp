// Listing a folder of many batch files: the first listing (no cache: every batch is opened) and a
// second listing (cache current, nothing changed: one directory enumeration and one cache read,
// no batch file opened). Opens are counted by the kernel (inotify IN_OPEN on the folder).
//
// usage: FolderListBench [COUNT] [FOLDER]   (default 10000 batches in a temporary folder)
#include "UnitBatchList.h"
#include "UnitFileList.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <cstdio>
#include <poll.h>
#include <sys/inotify.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// Identical consecutive events are merged by the kernel, so only distinct files count exactly.
struct TOpens {
    int Batches = 0;
    int Cache = 0;
};

// Reads every pending open event of the watch.
TOpens CountOpens(int fd)
{
    TOpens opens;
    alignas(inotify_event) char buffer[64 * 1024];
    for (;;) {
        const ssize_t n = ::read(fd, buffer, sizeof buffer);
        if (n <= 0)
            break;
        for (ssize_t at = 0; at < n;) {
            const auto *e = reinterpret_cast<const inotify_event *>(buffer + at);
            at += static_cast<ssize_t>(sizeof(inotify_event) + e->len);
            if (e->mask & IN_Q_OVERFLOW)
                std::printf("warning: inotify queue overflowed, counts are low\n");
            if (!(e->mask & IN_OPEN))
                continue;
            const QByteArray name = e->len ? QByteArray(e->name) : QByteArray();
            if (name.endsWith(".vcb") || name.endsWith(".vch"))
                ++opens.Batches;
            else if (name.startsWith("cache.vcc"))
                ++opens.Cache;
        }
    }
    return opens;
}

ino_t CacheInode(const QString &folder)
{
    struct stat st {};
    return ::stat(QFile::encodeName(folder + QStringLiteral("/cache.vcc")).constData(), &st) == 0 ? st.st_ino : 0;
}

// The folder view's listing with every row shown.
double ListOnce(const QString &folder, int &count)
{
    QElapsedTimer timer;
    timer.start();
    TFileList list;
    list.Refresh(folder);
    list.LoadRange(0, list.Count() - 1);
    count = list.Count();
    return timer.nsecsElapsed() / 1e6;
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    const int count = args.size() > 1 ? args.at(1).toInt() : 10000;
    QTemporaryDir temp;
    const QString folder = args.size() > 2 ? args.at(2) : temp.path() + QStringLiteral("/batches");
    QDir().mkpath(folder);

    // One 10 x 10 cover batch, copied under every name.
    TBatchItem batch;
    batch.SetNewBatchDefaults(BatchTypeCover, BatchFormatGrid);
    batch.Columns = 10;
    batch.Rows = 10;
    batch.SetSize();
    for (int c = 0; c < 10; ++c)
        for (int r = 0; r < 10; ++r) {
            batch.SetReadingType(c, r, ReadingTypeReading);
            batch.SetValue(c, r, 20 + c + r);
        }
    batch.Readings = batch.ValidCount();
    const QString model = temp.path() + QStringLiteral("/model.vcb");
    batch.SaveToFile(model);
    for (int i = 0; i < count; ++i)
        QFile::copy(model, folder + QStringLiteral("/Wall %1.vcb").arg(i, 5, 10, QLatin1Char('0')));
    QFile::remove(folder + QStringLiteral("/cache.vcc"));

    const int fd = ::inotify_init1(IN_NONBLOCK | IN_CLOEXEC);
    if (fd < 0 || ::inotify_add_watch(fd, QFile::encodeName(folder).constData(), IN_OPEN) < 0) {
        std::fprintf(stderr, "cannot watch %s\n", qPrintable(folder));
        return 1;
    }

    int listed = 0;
    const double first = ListOnce(folder, listed);
    const TOpens firstOpens = CountOpens(fd);
    const double cacheSize = QFileInfo(folder + QStringLiteral("/cache.vcc")).size() / 1024.0;

    // The second listing, repeated to show its spread. An atomic rewrite of the cache would give
    // it a new inode.
    const ino_t cacheInode = CacheInode(folder);
    double second = 1e300, secondTotal = 0;
    TOpens secondOpens;
    const int repeats = 5;
    for (int i = 0; i < repeats; ++i) {
        const double ms = ListOnce(folder, listed);
        second = std::min(second, ms);
        secondTotal += ms;
        const TOpens o = CountOpens(fd);
        if (i == 0)
            secondOpens = o;
    }

    std::printf("entries                         %d\n", listed);
    std::printf("cache file                      %.0f KiB\n", cacheSize);
    std::printf("first listing (no cache)        %.1f ms  (batch files opened: %d)\n", first, firstOpens.Batches);
    std::printf("second listing (cache current)  %.1f ms best, %.1f ms mean of %d  (batch files opened: %d, cache "
                "opened: %s, cache rewritten: %s)\n",
                second, secondTotal / repeats, repeats, secondOpens.Batches, secondOpens.Cache > 0 ? "yes" : "no",
                CacheInode(folder) != cacheInode ? "yes" : "no");
    std::printf("ratio first / second            %.1f\n", first / second);
    ::close(fd);
    return secondOpens.Batches == 0 ? 0 : 1;
}
