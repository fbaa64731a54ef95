// The cost of watching a shared folder by polling: a folder of many batch files on a FUSE mount
// (bindfs of a local folder, standing in for a network drive), watched by the folder watcher with
// its default timing while nothing changes. Prints the CPU time per minute of this program (the
// watcher's listings) and of the file system process (the server side of each listing), and the
// time one listing takes.
//
// usage: SharedFolderPollBench [COUNT] [SECONDS]   (default 10000 batches, 60 s; run as root or
//        with FUSE permissions; bindfs must be installed)
#include "UnitThreadDirectory.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QThread>
#include <QTimer>
#include <csignal>
#include <cstdio>
#include <dirent.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

double OwnCpuSeconds()
{
    rusage usage {};
    ::getrusage(RUSAGE_SELF, &usage);
    return usage.ru_utime.tv_sec + usage.ru_stime.tv_sec + (usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

// User and system time of another process from /proc (clock ticks).
double ProcessCpuSeconds(qint64 pid)
{
    QFile stat(QStringLiteral("/proc/%1/stat").arg(pid));
    if (!stat.open(QIODevice::ReadOnly))
        return 0;
    const QByteArray text = stat.readAll();
    const QList<QByteArray> fields = text.mid(text.lastIndexOf(')') + 2).split(' ');
    // After the name: state is field 3, utime 14 and stime 15 (1-based in proc(5)).
    if (fields.size() < 13)
        return 0;
    return (fields[11].toDouble() + fields[12].toDouble()) / static_cast<double>(::sysconf(_SC_CLK_TCK));
}

bool Mounted(const QString &path)
{
    QFile mounts(QStringLiteral("/proc/self/mountinfo"));
    return mounts.open(QIODevice::ReadOnly) && mounts.readAll().contains(' ' + QFile::encodeName(path) + ' ');
}

// One listing as the watcher makes it: names and the attributes of every entry.
double ListingMs(const QString &folder)
{
    QElapsedTimer timer;
    timer.start();
    DIR *dir = ::opendir(QFile::encodeName(folder).constData());
    if (!dir)
        return -1;
    while (const dirent *entry = ::readdir(dir)) {
        struct stat st {};
        ::fstatat(::dirfd(dir), entry->d_name, &st, 0);
    }
    ::closedir(dir);
    return timer.nsecsElapsed() / 1e6;
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const int count = argc > 1 ? QString::fromLocal8Bit(argv[1]).toInt() : 10000;
    const int seconds = argc > 2 ? QString::fromLocal8Bit(argv[2]).toInt() : 60;
    const QString bindfs = QStandardPaths::findExecutable(QStringLiteral("bindfs"));
    if (bindfs.isEmpty() || ::access("/dev/fuse", R_OK | W_OK) != 0) {
        std::fprintf(stderr, "SharedFolderPollBench: needs bindfs and a usable /dev/fuse\n");
        return 2;
    }
    QTemporaryDir dir;
    const QString source = dir.path() + QStringLiteral("/source"), mount = dir.path() + QStringLiteral("/mount");
    QDir().mkpath(source);
    QDir().mkpath(mount);
    // Small files are enough: the watcher only lists names, sizes and times.
    for (int i = 0; i < count; ++i) {
        QFile f(source + QStringLiteral("/Batch %1.vcb").arg(i, 5, 10, QLatin1Char('0')));
        if (!f.open(QIODevice::WriteOnly))
            return 1;
        f.write("<Batch/>");
    }

    QProcess fs;
    fs.start(bindfs, {QStringLiteral("-f"), QStringLiteral("--no-allow-other"), source, mount});
    if (!fs.waitForStarted(10000))
        return 1;
    QElapsedTimer wait;
    wait.start();
    while (!Mounted(mount) && wait.elapsed() < 10000)
        QThread::msleep(20);
    if (!Mounted(mount)) {
        std::fprintf(stderr, "SharedFolderPollBench: bindfs did not mount\n");
        return 1;
    }
    const auto unmount = [&] {
        QString fusermount = QStandardPaths::findExecutable(QStringLiteral("fusermount3"));
        if (fusermount.isEmpty())
            fusermount = QStandardPaths::findExecutable(QStringLiteral("fusermount"));
        QProcess::execute(fusermount, {QStringLiteral("-u"), QStringLiteral("-z"), mount});
        if (!fs.waitForFinished(5000)) {
            ::kill(static_cast<pid_t>(fs.processId()), SIGTERM);
            fs.waitForFinished(5000);
        }
    };

    const double firstListing = ListingMs(mount);
    const double nextListing = ListingMs(mount);
    int changes = 0, listings = 0;
    {
        TThreadDirectory watcher(mount);
        watcher.OnChange = [&] { ++changes; };
        QObject::connect(&watcher, &TThreadDirectory::Listed, &app, [&] { ++listings; }, Qt::QueuedConnection);
        const double ownBefore = OwnCpuSeconds();
        const double fsBefore = ProcessCpuSeconds(fs.processId());
        QElapsedTimer timer;
        timer.start();
        watcher.Start();
        QTimer::singleShot(seconds * 1000, &app, &QCoreApplication::quit);
        app.exec();
        const double minutes = timer.elapsed() / 60000.0;
        const double own = (OwnCpuSeconds() - ownBefore) / minutes;
        const double server = (ProcessCpuSeconds(fs.processId()) - fsBefore) / minutes;
        watcher.Stop();
        std::printf("shared folder: %d batch files on a FUSE mount, watched %.0f s (%s), %d listings, %d reports\n",
                    count, minutes * 60, watcher.Kind() == TWatchKind::Polling ? "polling" : "not polling", listings,
                    changes);
        std::printf("one listing: %.1f ms first, %.1f ms next\n", firstListing, nextListing);
        std::printf("CPU while idle: %.3f s/min in the program, %.3f s/min in the file system process, %.3f s/min in all\n",
                    own, server, own + server);
    }
    unmount();
    return 0;
}
