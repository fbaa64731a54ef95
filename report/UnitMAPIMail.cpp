#include "UnitMAPIMail.h"

#include "UnitException.h"
#include "UnitFileOperations.h"
#include "UnitStorage.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QCoreApplication>
#include <QUuid>
#include <cerrno>
#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

extern char **environ;

namespace {
const char *const ErrorTexts[] = {
    nullptr,
    QT_TRID_NOOP("User cancelled request"),
    QT_TRID_NOOP("General MAPI failure"),
    QT_TRID_NOOP("Logon failure"),
    QT_TRID_NOOP("Disk full"),
    QT_TRID_NOOP("Insufficient memory"),
    QT_TRID_NOOP("Access denied"),
    nullptr,
    QT_TRID_NOOP("Too many sessions"),
    QT_TRID_NOOP("Too many files open"),
    QT_TRID_NOOP("Too many recipients"),
    QT_TRID_NOOP("Attachment not found"),
    QT_TRID_NOOP("Failed to open attachment"),
    QT_TRID_NOOP("Failed to write attachment"),
    QT_TRID_NOOP("Unknown recipient"),
    QT_TRID_NOOP("Invalid recipient type"),
    QT_TRID_NOOP("No messages"),
    QT_TRID_NOOP("Invalid message"),
    QT_TRID_NOOP("Text too large."),
    QT_TRID_NOOP("Invalid session"),
    QT_TRID_NOOP("Type not supported"),
    QT_TRID_NOOP("Ambiguous recipient"),
    QT_TRID_NOOP("Message in use"),
    QT_TRID_NOOP("Network failure"),
    QT_TRID_NOOP("Invalid edit fields"),
    QT_TRID_NOOP("Invalid recipients"),
    QT_TRID_NOOP("Not supported"),
};

constexpr int MapiUserAbort = 1;
constexpr int MapiFailure = 2;
constexpr int MapiAttachmentNotFound = 11;

// The address without its "CC:" / "BCC:" prefix, and the xdg-email option for its class (empty
// for a main recipient).
QString RecipientOption(const QString &entry, QString &address)
{
    if (entry.startsWith(QLatin1String("CC:"), Qt::CaseInsensitive)) {
        address = entry.mid(3).trimmed();
        return QStringLiteral("--cc");
    }
    if (entry.startsWith(QLatin1String("BCC:"), Qt::CaseInsensitive)) {
        address = entry.mid(4).trimmed();
        return QStringLiteral("--bcc");
    }
    address = entry.trimmed();
    return QString();
}
} // namespace

QString TMAPIMail::ErrorText(int code)
{
    if (code > 0 && code < int(std::size(ErrorTexts)) && ErrorTexts[code])
        return Tr(ErrorTexts[code]);
    return Tr("Unknown Error Code: ") + QString::number(code);
}

int TMAPIMail::ResultOfExitStatus(int status)
{
    // xdg-email: 1 bad arguments, 2 a file that does not exist, 3 no tool found, 4 the action failed.
    switch (status) {
    case 0:
        return 0;
    case 2:
        return MapiAttachmentNotFound;
    default:
        return MapiFailure;
    }
}

QStringList TMAPIMail::Arguments(const QString &folder) const
{
    QStringList args{QStringLiteral("--utf8")};
    QStringList to;
    for (const QString &entry : Recipients) {
        QString address;
        const QString option = RecipientOption(entry, address);
        if (address.isEmpty())
            continue;
        if (option.isEmpty())
            to << address;
        else
            args << option << address;
    }
    if (!Subject.isEmpty())
        args << QStringLiteral("--subject") << Subject;
    if (!Body.isEmpty())
        args << QStringLiteral("--body") << Body;
    for (int i = 0; i < Attachments.size(); ++i) {
        QString path = QFileInfo(Attachments[i]).absoluteFilePath();
        const QString name = i < AttachmentNames.size() ? AttachmentNames[i].trimmed() : QString();
        // The client shows a file under its own name: one with a display name of its own is
        // linked (or copied) under that name.
        if (!name.isEmpty() && name != QFileInfo(path).fileName() && !folder.isEmpty()) {
            const QString sub = IncludeTrailingSlash(folder) + QString::number(i + 1) + QLatin1Char('/');
            const QString target = sub + MakeFileNameSafe(name);
            if (QDir().mkpath(sub) &&
                (::link(QFile::encodeName(path).constData(), QFile::encodeName(target).constData()) == 0 ||
                 QFile::copy(path, target)))
                path = target;
        }
        args << QStringLiteral("--attach") << path;
    }
    args << to;
    return args;
}

bool TMAPIMail::PrepareRun(QString &program, QStringList &arguments)
{
    program = QStandardPaths::findExecutable(QStringLiteral("xdg-email"));
    if (program.isEmpty()) {
        LastError = MapiUserAbort; // as with a mail system that cannot be loaded
        return false;
    }
    QString folder;
    for (const QString &name : AttachmentNames)
        if (!name.trimmed().isEmpty()) {
            try {
                folder = NewMailFolder();
            } catch (const Exception &) {
                // The files then go under their own names.
            }
            break;
        }
    arguments = Arguments(folder);
    return true;
}

bool TMAPIMail::Send()
{
    QString program;
    QStringList arguments;
    if (!PrepareRun(program, arguments))
        return false;
    QProcess process;
    process.setProgram(program);
    process.setArguments(arguments);
    process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    process.setStandardOutputFile(QProcess::nullDevice());
    process.start();
    if (!process.waitForStarted(-1) || !process.waitForFinished(-1) || process.exitStatus() != QProcess::NormalExit)
        LastError = MapiFailure;
    else
        LastError = ResultOfExitStatus(process.exitCode());
    return LastError == 0;
}

// ---------------------------------------------------------------- TMailJob

TMailJob *TMailJob::Start(TMAPIMail &mail, int timeLimitMs)
{
    QString program;
    QStringList arguments;
    if (!mail.PrepareRun(program, arguments))
        return nullptr;
    // A child of ours, not of a QProcess: QProcess would kill it when it goes.
    std::vector<QByteArray> args{QFile::encodeName(program)};
    for (const QString &a : arguments)
        args.push_back(a.toUtf8());
    std::vector<char *> argv;
    for (QByteArray &a : args)
        argv.push_back(a.data());
    argv.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
    pid_t pid = 0;
    const int failed = posix_spawn(&pid, argv[0], &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    if (failed != 0) {
        mail.LastError = MapiFailure;
        return nullptr;
    }
    mail.LastError = 0;
    // Owned by the application so that it outlives the window that sent the mail and still
    // reaps the program.
    auto *job = new TMailJob(pid, timeLimitMs);
    if (QCoreApplication::instance())
        job->setParent(QCoreApplication::instance());
    return job;
}

TMailJob::TMailJob(pid_t pid, int timeLimitMs) : FPid(pid), FLimit(timeLimitMs)
{
    FClock.start();
    FTimer.setInterval(50);
    connect(&FTimer, &QTimer::timeout, this, &TMailJob::Poll);
    FTimer.start();
}

TMailJob::~TMailJob()
{
    // A program still running is left alone (it may be the user's mail client); one that has
    // ended by now is reaped, and init reaps the rest once this program ends.
    if (FPid > 0)
        waitpid(FPid, nullptr, WNOHANG);
}

void TMailJob::Poll()
{
    int status = 0;
    const pid_t done = waitpid(FPid, &status, WNOHANG);
    if (done < 0 && errno == EINTR)
        return;
    if (done != 0) {
        // Ended (or no longer ours to wait for): its status is the result.
        FPid = 0;
        FTimer.stop();
        Report(done > 0 && WIFEXITED(status) ? TMAPIMail::ResultOfExitStatus(WEXITSTATUS(status)) : MapiFailure);
        deleteLater();
        return;
    }
    if (!FReported && FClock.elapsed() >= FLimit) {
        // Still running: the client keeps it and its compose window is up. Only reap it from now on.
        FTimer.setInterval(1000);
        Report(0);
    }
}

void TMailJob::Report(int result)
{
    if (FReported)
        return;
    FReported = true;
    emit Finished(result);
}

QString MailFoldersRoot()
{
    QString cache = QStandardPaths::writableLocation(QStandardPaths::GenericCacheLocation);
    if (cache.isEmpty())
        cache = QDir::tempPath();
    return IncludeTrailingSlash(cache) + QStringLiteral("Orvalis/mail/");
}

QString NewMailFolder()
{
    const QString root = MailFoldersRoot();
    const QString folder =
        root + QDateTime::currentDateTimeUtc().toString(QStringLiteral("yyyyMMdd-hhmmss-")) +
        QUuid::createUuid().toString(QUuid::Id128).left(8) + QLatin1Char('/');
    if (!QDir().mkpath(folder))
        throw Exception(Tr("Unable to create directories"));
    QFile::setPermissions(folder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    return folder;
}

void DeleteOldMailFolders(const QDateTime &now)
{
    const QDir root(MailFoldersRoot());
    if (!root.exists())
        return;
    const QDateTime limit = now.addDays(-1);
    for (const QFileInfo &info : root.entryInfoList(QDir::Dirs | QDir::NoDotAndDotDot | QDir::Hidden)) {
        if (info.isSymLink() || info.lastModified() >= limit)
            continue;
        QDir(info.absoluteFilePath()).removeRecursively();
    }
}
