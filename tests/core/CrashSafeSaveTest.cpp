// Saves killed at random moments: afterwards every file holds its old or its new content, never
// a part of one, and no temporary file shows among the folder's files.
#include "TestSupport.h"
#include "UnitFileList.h"
#include "UnitTextFile.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRandomGenerator>
#include <QThread>
#include <csignal>
#include <sys/stat.h>
#include <utime.h>

namespace {

const QStringList SavedFiles{QStringLiteral("Kill.vcb"), QStringLiteral("Kill.vcr"), QStringLiteral("Kill.vct"),
                             QStringLiteral("cache.vcc"), QStringLiteral("settings.xml")};

QString Writer() { return BuiltProgram(QStringLiteral("orvalis_saveloop")); }

bool SaveOnce(const QString &folder, int version)
{
    QDir().mkpath(folder);
    QProcess writer;
    writer.start(Writer(), {folder, QStringLiteral("--once"), QString::number(version)});
    return writer.waitForFinished(60000) && writer.exitStatus() == QProcess::NormalExit && writer.exitCode() == 0;
}

QMap<QString, QByteArray> Contents(const QString &folder)
{
    QMap<QString, QByteArray> files;
    for (const QString &name : SavedFiles) {
        QFile file(folder + QLatin1Char('/') + name);
        if (file.open(QIODevice::ReadOnly))
            files.insert(name, file.readAll());
    }
    return files;
}

// The names the folder view lists.
QStringList Listed(const QString &folder)
{
    TFileList list;
    TFileList::ListFolder(folder, list);
    QStringList names;
    for (int i = 0; i < list.Count(); ++i)
        names << list.Items(i)->NameOnly();
    names.sort();
    return names;
}

} // namespace

class CrashSafeSave : public IsolatedTest {};

TEST_F(CrashSafeSave, KilledWritersLeaveOldOrNewFilesAndNoTemporaries)
{
    ASSERT_FALSE(Writer().isEmpty());
    const QString oldFolder = Home.Path() + QStringLiteral("/old");
    const QString newFolder = Home.Path() + QStringLiteral("/new");
    const QString folder = Home.Path() + QStringLiteral("/killed");
    ASSERT_TRUE(SaveOnce(oldFolder, 0));
    ASSERT_TRUE(SaveOnce(newFolder, 1));
    ASSERT_TRUE(SaveOnce(folder, 0));
    const QMap<QString, QByteArray> oldFiles = Contents(oldFolder);
    const QMap<QString, QByteArray> newFiles = Contents(newFolder);
    ASSERT_EQ(oldFiles.keys(), newFiles.keys());
    ASSERT_EQ(oldFiles.size(), SavedFiles.size());
    for (const QString &name : SavedFiles)
        ASSERT_NE(oldFiles[name], newFiles[name]) << name.toStdString();
    ASSERT_EQ(Contents(folder), oldFiles);

    QStringList expected = SavedFiles;
    expected.sort();
    int mixed = 0; // rounds that ended with some files new and some old
    for (int round = 0; round < 300; ++round) {
        QProcess writer;
        writer.start(Writer(), {folder});
        ASSERT_TRUE(writer.waitForStarted(20000));
        ASSERT_TRUE(writer.waitForReadyRead(20000)) << "round " << round;
        // The moment of the kill is the point of the test: somewhere within a few rounds of saves.
        QThread::usleep(QRandomGenerator::global()->bounded(40000u));
        ::kill(static_cast<pid_t>(writer.processId()), SIGKILL);
        ASSERT_TRUE(writer.waitForFinished(20000));
        ASSERT_EQ(writer.exitStatus(), QProcess::CrashExit) << "the writer ended by itself: " << writer.readAllStandardError().toStdString();

        const QMap<QString, QByteArray> now = Contents(folder);
        int fresh = 0;
        for (const QString &name : SavedFiles) {
            ASSERT_TRUE(now.contains(name)) << name.toStdString() << " gone after round " << round;
            const QByteArray &bytes = now[name];
            ASSERT_TRUE(bytes == oldFiles[name] || bytes == newFiles[name])
                << name.toStdString() << " holds " << bytes.size() << " bytes of neither version after round " << round;
            fresh += bytes == newFiles[name] ? 1 : 0;
        }
        mixed += fresh > 0 && fresh < SavedFiles.size() ? 1 : 0;
        ASSERT_EQ(Listed(folder), expected) << "round " << round;
    }
    // The kills fell in the middle of the saving, not only before or after it.
    EXPECT_GT(mixed, 0);
}

TEST_F(CrashSafeSave, LeftTemporariesAreHiddenAndTheNextSaveClearsOldOnes)
{
    const QString target = Home.Path() + QStringLiteral("/A.vcb");
    WriteFileAtomic(target, "one");
    const QString stale = TemporarySaveName(target, QStringLiteral("abc123"));
    const QString fresh = TemporarySaveName(target, QStringLiteral("xyz789"));
    const QString other = TemporarySaveName(Home.Path() + QStringLiteral("/B.vcb"), QStringLiteral("abc123"));
    for (const QString &name : {stale, fresh, other})
        WriteFileAtomic(name, "left by a killed save");
    // Two of them from a save cut short an hour ago.
    for (const QString &name : {stale, other}) {
        const utimbuf old{::time(nullptr) - 3600, ::time(nullptr) - 3600};
        ASSERT_EQ(::utime(QFile::encodeName(name).constData(), &old), 0);
    }
    EXPECT_TRUE(IsTemporarySaveName(stale));
    EXPECT_FALSE(IsTemporarySaveName(QStringLiteral(".part")));
    EXPECT_FALSE(IsTemporarySaveName(QStringLiteral("A.vcb.part")));
    EXPECT_EQ(Listed(Home.Path()).filter(QStringLiteral(".part")), QStringList());

    // The next save of A removes A's old leftover only: a younger one may belong to a save running.
    WriteFileAtomic(target, "two");
    EXPECT_EQ(ReadWholeFile(target), QByteArray("two"));
    EXPECT_FALSE(QFile::exists(stale));
    EXPECT_TRUE(QFile::exists(fresh));
    EXPECT_TRUE(QFile::exists(other));
}

TEST_F(CrashSafeSave, ReplacingKeepsPermissionsAndLinks)
{
    const QString real = Home.Path() + QStringLiteral("/real.vct");
    const QString link = Home.Path() + QStringLiteral("/link.vct");
    WriteFileAtomic(real, "one");
    ASSERT_TRUE(QFile::setPermissions(real, QFile::ReadOwner | QFile::WriteOwner));
    ASSERT_TRUE(QFile::link(real, link));
    WriteFileAtomic(link, "two");
    EXPECT_TRUE(QFileInfo(link).isSymLink());
    EXPECT_EQ(ReadWholeFile(real), QByteArray("two"));
    struct stat st {};
    ASSERT_EQ(::stat(QFile::encodeName(real).constData(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0600u);
    QStringList left = QDir(Home.Path()).entryList(QDir::Files | QDir::Hidden);
    left.sort();
    EXPECT_EQ(left, QStringList({QStringLiteral("link.vct"), QStringLiteral("real.vct")}));
    // A folder that is not there fails with the file's name in the message.
    EXPECT_TRUE(MessageOf([&] { WriteFileAtomic(Home.Path() + QStringLiteral("/none/x.vcb"), "x"); }).contains(QStringLiteral("x.vcb")));
}
