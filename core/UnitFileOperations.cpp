#include "UnitFileOperations.h"
#include "UnitTextFile.h"
#include "UnitException.h"
#include "UnitPrompt.h"
#include "UnitStorage.h"

#include <algorithm>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QTextStream>
#include <cerrno>
#include <condition_variable>
#include <cstdio>
#include <dirent.h>
#include <mutex>
#include <sys/stat.h>
#include <thread>

namespace {


QString FileNameOf(const QString &path) { return QFileInfo(ExcludeTrailingSlash(path)).fileName(); }

// The full form of a folder path with a trailing "/": absolute, "." and ".." resolved, and
// symbolic links resolved as far as the path exists, so that two spellings of one folder compare
// equal.
QString FullFolderPath(const QString &path)
{
    QString clean = QDir::cleanPath(QFileInfo(path).absoluteFilePath());
    QString rest;
    while (!clean.isEmpty()) {
        const QFileInfo info(clean);
        if (info.exists()) {
            const QString canonical = info.canonicalFilePath();
            return IncludeTrailingSlash((canonical.isEmpty() ? clean : canonical) + rest);
        }
        const int slash = clean.lastIndexOf(QLatin1Char('/'));
        if (slash <= 0)
            break;
        rest = clean.mid(slash) + rest;
        clean = clean.left(slash);
    }
    return IncludeTrailingSlash(QDir::cleanPath(QFileInfo(path).absoluteFilePath()));
}

// A real folder, not a symbolic link to one: trees are walked without following links, so a
// link can never lead a copy into a loop or a delete outside the tree.
bool IsRealFolder(const QFileInfo &info) { return info.isDir() && !info.isSymLink(); }

bool EntryExists(const QString &path)
{
    const QFileInfo info(ExcludeTrailingSlash(path));
    return info.exists() || info.isSymLink();
}

QFileInfoList Entries(const QString &folder, QDir::Filters kind)
{
    QDir dir(folder);
    return dir.entryInfoList(kind | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot, QDir::Name);
}

// Sub-folders (real ones) and everything else, links included.
void SplitEntries(const QString &folder, QFileInfoList &folders, QFileInfoList &files)
{
    for (const QFileInfo &info : Entries(folder, QDir::AllEntries)) {
        if (IsRealFolder(info))
            folders << info;
        else
            files << info;
    }
}

[[noreturn]] void RaiseCanceled() { throw Exception(Tr("Copy of file and folders canceled")); }

QString FolderPrompt(const QString &destinationFolder)
{
    return Tr("The folder already contains a folder named '%1'\r\n\r\nIf the files in the existing folder "
              "have the same name as the files in the\r\nfolder you are moving or copying, they will be "
              "replaced.  Do you still\r\nwant to move or copy the folder?")
        .arg(FileNameOf(destinationFolder));
}

QString FilePrompt(const QString &destinationFile)
{
    return Tr("The folder already contains a file named '%1'\r\n\r\nWould you like to replace the existing file?")
        .arg(FileNameOf(destinationFile));
}

// Asks whether to replace what exists, unless "Yes to all" was chosen before. Returns false
// for No, raises the cancel message for Cancel and remembers "Yes to all".
bool ConfirmReplace(const QString &question, bool &yesToAll)
{
    if (yesToAll)
        return true;
    switch (Prompt().YesNoCancelAll(question)) {
    case TPromptAnswer::Cancel:
        RaiseCanceled();
    case TPromptAnswer::No:
        return false;
    case TPromptAnswer::YesToAll:
        yesToAll = true;
        break;
    default:
        break;
    }
    return true;
}

// The folder checks shared by copy and move. Returns false when the user chose No for an
// existing destination folder.
bool PrepareFolderTransfer(QString &source, QString &destination, bool &yesToAll)
{
    source = FullFolderPath(source);
    destination = FullFolderPath(destination);
    if (destination.startsWith(source))
        throw Exception(Tr("Destination same as source folder"));
    return !QFileInfo(destination).isDir() || ConfirmReplace(FolderPrompt(destination), yesToAll);
}

void CreateFolders(const QString &folder)
{
    if (!QDir().mkpath(folder))
        throw Exception(Tr("Unable to create directories"));
}

// Copies one file (a link is copied as a link), keeping the last-write time as file copies on
// the desktop do, so that a copied folder's cache stays current.
bool CopyOneFile(const QFileInfo &source, const QString &destination, bool replace)
{
    if (EntryExists(destination)) {
        if (!replace || QFileInfo(destination).isDir())
            return false;
        // Never delete first: a copy that fails must leave the old file.
        if (!CopyFileOver(source.filePath(), destination))
            return false;
        if (source.isSymLink())
            return true;
    } else if (source.isSymLink()) {
        return QFile::link(source.symLinkTarget(), destination);
    } else if (!QFile::copy(source.filePath(), destination)) {
        return false;
    }
    QFile copy(destination);
    if (copy.open(QIODevice::ReadWrite)) {
        copy.setPermissions(source.permissions() | QFileDevice::WriteOwner);
        copy.setFileTime(source.lastModified(), QFileDevice::FileModificationTime);
    }
    return true;
}

// True when the destination names the source file itself (replacing it would delete it).
bool SameFile(const QFileInfo &source, const QString &destination)
{
    const QFileInfo target(destination);
    if (!target.exists())
        return false;
    return QFileInfo(source.absoluteFilePath()).canonicalFilePath() == target.canonicalFilePath() ||
           QDir::cleanPath(source.absoluteFilePath()) == QDir::cleanPath(target.absoluteFilePath());
}

void CopyFile(const QString &source, const QString &destination, bool &yesToAll)
{
    const QFileInfo info(source);
    if (!info.exists() && !info.isSymLink())
        throw Exception(Tr("Cannot read from the source file or disk"));
    if (SameFile(info, destination))
        return;
    if (CopyOneFile(info, destination, yesToAll))
        return;
    // Only an existing destination is worth a question; any other failure is reported as such.
    if (!EntryExists(destination))
        throw Exception(Tr("Cannot read from the source file or disk"));
    if (!ConfirmReplace(FilePrompt(destination), yesToAll))
        return;
    if (!CopyOneFile(info, destination, true))
        throw Exception(Tr("Cannot read from the source file or disk"));
}

void MoveFile(const QString &source, const QString &destination, bool &yesToAll)
{
    const QFileInfo info(source);
    if (!info.exists() && !info.isSymLink())
        throw Exception(Tr("Cannot read from the source file or disk"));
    // Replacing a file by itself would delete it.
    if (SameFile(info, destination))
        return;
    if (EntryExists(destination)) {
        if (!ConfirmReplace(FilePrompt(destination), yesToAll))
            return;
        const QFileInfo target(destination);
        if (target.isDir() && !target.isSymLink())
            throw Exception(Tr("Unable to delete file %1").arg(FileNameOf(destination)));
        // Replaced in one step (rename(2)) or, across file systems, through a temporary copy:
        // the old file stays until the new one is complete.
        if (std::rename(QFile::encodeName(source).constData(), QFile::encodeName(destination).constData()) == 0)
            return;
        if (!CopyFileOver(source, destination))
            throw Exception(Tr("Unable to move file %1").arg(FileNameOf(destination)));
        if (!info.isSymLink()) {
            QFile copy(destination);
            if (copy.open(QIODevice::ReadWrite)) {
                copy.setPermissions(info.permissions() | QFileDevice::WriteOwner);
                copy.setFileTime(info.lastModified(), QFileDevice::FileModificationTime);
            }
        }
        if (!QFile::remove(source))
            throw Exception(Tr("Unable to delete file %1").arg(FileNameOf(source)));
        return;
    }
    if (!QFile::rename(source, destination))
        throw Exception(Tr("Unable to move file %1").arg(FileNameOf(destination)));
}

// Copy and move walk a tree the same way; a move hands each file to MoveFile and afterwards
// removes every folder it left empty.
void TransferTree(const QString &source, const QString &destination, bool &yesToAll, bool move)
{
    const QFileInfo info(ExcludeTrailingSlash(source));
    if (!IsRealFolder(info)) {
        if (move)
            MoveFile(ExcludeTrailingSlash(source), ExcludeTrailingSlash(destination), yesToAll);
        else
            CopyFile(ExcludeTrailingSlash(source), ExcludeTrailingSlash(destination), yesToAll);
        return;
    }
    QString from = source, to = destination;
    if (!PrepareFolderTransfer(from, to, yesToAll))
        return;
    QFileInfoList folders, files;
    SplitEntries(from, folders, files);
    // Sub-folders of a move are moved (not copied) so that a file the user declines to replace
    // stays in its source folder, and only folders left empty are removed afterwards: a move
    // never loses a file.
    for (const QFileInfo &sub : folders)
        TransferTree(sub.filePath(), to + sub.fileName(), yesToAll, move);
    CreateFolders(to);
    for (const QFileInfo &file : files)
        TransferTree(file.filePath(), to + file.fileName(), yesToAll, move);
    if (!move)
        return;
    const QString emptied = ExcludeTrailingSlash(from);
    if (Entries(emptied, QDir::AllEntries).isEmpty() && !QDir().rmdir(emptied))
        throw Exception(Tr("Unable to delete directory %1").arg(emptied));
}

} // namespace

QString ShellFolderPath(TShellFolder folder)
{
    QString path;
    switch (folder) {
    case TShellFolder::Personal:
        path = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
        break;
    case TShellFolder::CommonAppData: {
        const QStringList dirs = qEnvironmentVariable("XDG_DATA_DIRS").split(QLatin1Char(':'), Qt::SkipEmptyParts);
        path = dirs.isEmpty() ? QStringLiteral("/usr/local/share") : dirs.first();
        break;
    }
    case TShellFolder::Temp:
        path = QDir::tempPath();
        break;
    }
    QDir().mkpath(path);
    return IncludeTrailingSlash(path);
}

void CopyTree(const QString &source, const QString &destination, bool &yesToAll)
{
    TransferTree(source, destination, yesToAll, false);
}

void MoveTree(const QString &source, const QString &destination, bool &yesToAll)
{
    TransferTree(source, destination, yesToAll, true);
}

void DeleteTree(const QString &path)
{
    const QString target = ExcludeTrailingSlash(path);
    const QFileInfo info(target);
    if (!IsRealFolder(info)) {
        if (!QFile::remove(target))
            throw Exception(Tr("Unable to delete file %1").arg(info.fileName()));
        return;
    }
    QFileInfoList folders, files;
    SplitEntries(target, folders, files);
    for (const QFileInfo &sub : folders)
        DeleteTree(sub.filePath());
    for (const QFileInfo &file : files)
        DeleteTree(file.filePath());
    if (!QDir().rmdir(target))
        throw Exception(Tr("Unable to delete directory %1").arg(target));
}

QString CopyName(const QString &path)
{
    const QFileInfo info(ExcludeTrailingSlash(path));
    const QString folder = IncludeTrailingSlash(info.path());
    const QString name = info.fileName();
    QString candidate = folder + Tr("Copy of %1").arg(name);
    if (!EntryExists(candidate))
        return candidate;
    for (int n = 2; n <= 200; ++n) {
        candidate = folder + Tr("Copy (%1) of %2").arg(n).arg(name);
        if (!EntryExists(candidate))
            return candidate;
    }
    throw Exception(Tr("Unable to copy, too many \"Copy of\" files"));
}

QString DefaultName(const QString &folder, const QString &base, const QString &extension)
{
    const QString prefix = IncludeTrailingSlash(folder) + base;
    QString candidate = prefix + extension;
    if (!EntryExists(candidate))
        return candidate;
    for (int n = 2; n <= 200; ++n) {
        candidate = prefix + QStringLiteral(" (%1)").arg(n) + extension;
        if (!EntryExists(candidate))
            return candidate;
    }
    throw Exception(Tr("Unable to create file/folder, too many default named items."));
}

bool PathExists(const QString &path) { return !path.isEmpty() && EntryExists(path); }

QString NameWithoutExtension(const QString &path)
{
    const QString name = FileNameOf(path);
    const int dot = name.lastIndexOf(QLatin1Char('.'));
    return dot < 0 ? name : name.left(dot);
}

QString StripControlChars(const QString &text)
{
    QString result;
    result.reserve(text.size());
    for (const QChar c : text)
        if (c.unicode() >= 32)
            result += c;
    return result;
}

bool IsForbiddenNameChar(QChar c) { return QStringLiteral("\\/:*?\"<>|").contains(c); }

bool HasForbiddenNameChar(const QString &text) { return std::any_of(text.begin(), text.end(), IsForbiddenNameChar); }

bool IsAcceptableName(const QString &name)
{
    return !name.isEmpty() && !HasForbiddenNameChar(name) && name != QLatin1String(".") && name != QLatin1String("..");
}

QString MakeFileNameSafe(const QString &text)
{
    QString result = text;
    for (QChar &c : result)
        if (IsForbiddenNameChar(c))
            c = QLatin1Char(' ');
    return result;
}

bool IsPictureFile(const QString &path)
{
    static const QStringList extensions = {QStringLiteral("jpg"), QStringLiteral("jpeg"), QStringLiteral("bmp"),
                                           QStringLiteral("png"), QStringLiteral("svg"),  QStringLiteral("wmf"),
                                           QStringLiteral("emf")};
    return extensions.contains(QFileInfo(path).suffix().toLower());
}

bool IsPdfFile(const QString &path) { return QFileInfo(path).suffix().toLower() == QLatin1String("pdf"); }

QString TempFolder() { return IncludeTrailingSlash(QDir::tempPath()); }

bool IsCoverBatchType(int batchType)
{
    if (batchType == 0)
        return true;
    if (batchType == 1)
        return false;
    throw Exception(Tr("Invalid Batch Type"));
}

bool MailAvailable() { return !QStandardPaths::findExecutable(QStringLiteral("xdg-email")).isEmpty(); }

namespace {

QStringList ApplicationFolders()
{
    QStringList result;
    QString home = qEnvironmentVariable("XDG_DATA_HOME");
    if (home.isEmpty())
        home = QDir::homePath() + QStringLiteral("/.local/share");
    result << home;
    QString dirs = qEnvironmentVariable("XDG_DATA_DIRS");
    if (dirs.isEmpty())
        dirs = QStringLiteral("/usr/local/share:/usr/share");
    result << dirs.split(QLatin1Char(':'), Qt::SkipEmptyParts);
    for (QString &dir : result)
        dir = IncludeTrailingSlash(dir) + QStringLiteral("applications/");
    return result;
}

// The desktop file of an application id; "vendor-app.desktop" may also live in "vendor/app.desktop".
QString FindDesktopFile(const QString &id)
{
    for (const QString &dir : ApplicationFolders()) {
        if (QFileInfo::exists(dir + id))
            return dir + id;
        const int dash = id.indexOf(QLatin1Char('-'));
        if (dash > 0) {
            const QString nested = dir + id.left(dash) + QLatin1Char('/') + id.mid(dash + 1);
            if (QFileInfo::exists(nested))
                return nested;
        }
    }
    return QString();
}

QString DesktopExecLine(const QString &desktopFile)
{
    QFile file(desktopFile);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return QString();
    QTextStream in(&file);
    bool inEntry = false;
    while (!in.atEnd()) {
        const QString line = in.readLine().trimmed();
        if (line.startsWith(QLatin1Char('[')))
            inEntry = line == QLatin1String("[Desktop Entry]");
        else if (inEntry && line.startsWith(QLatin1String("Exec=")))
            return line.mid(5);
    }
    return QString();
}

// The command without its field codes (%f, %U and the like); "%%" stands for a percent sign.
QString WithoutFieldCodes(const QString &exec)
{
    QString result;
    for (int i = 0; i < exec.size(); ++i) {
        if (exec.at(i) == QLatin1Char('%') && i + 1 < exec.size()) {
            if (exec.at(i + 1) == QLatin1Char('%'))
                result += QLatin1Char('%');
            ++i;
            continue;
        }
        result += exec.at(i);
    }
    return result.simplified();
}

} // namespace

QString SpreadsheetApplication()
{
    // The registered type of ".xls" files; named here because the desktop's type database may be
    // missing (and an unknown type would ask for the default program of every file).
    const QString mime = QStringLiteral("application/vnd.ms-excel");
    QProcess query;
    query.start(QStringLiteral("xdg-mime"), {QStringLiteral("query"), QStringLiteral("default"), mime});
    if (!query.waitForFinished(10000)) {
        query.kill();
        query.waitForFinished(1000);
        return QString();
    }
    const QString id = QString::fromLocal8Bit(query.readAllStandardOutput()).trimmed().section(QLatin1Char(';'), 0, 0);
    if (id.isEmpty())
        return QString();
    const QString desktopFile = FindDesktopFile(id);
    if (desktopFile.isEmpty())
        return QString();
    return WithoutFieldCodes(DesktopExecLine(desktopFile));
}

bool OpenInSpreadsheetApplication(const QString &path)
{
    QStringList command = QProcess::splitCommand(SpreadsheetApplication());
    if (command.isEmpty())
        return false;
    const QString program = command.takeFirst();
    const QString executable = program.contains(QLatin1Char('/')) ? program : QStandardPaths::findExecutable(program);
    if (executable.isEmpty() || !QFileInfo(executable).isExecutable())
        return false;
    return QProcess::startDetached(executable, command << QFileInfo(path).absoluteFilePath());
}

QString ToUtf8(const QString &text) { return text; }

QRect ClampRect(const QRect &rect, const QRect &bounds)
{
    const auto clamp = [](int v, int low, int high) { return v < low ? low : (v > high ? high : v); };
    QRect result;
    result.setLeft(clamp(rect.left(), bounds.left(), bounds.right()));
    result.setRight(clamp(rect.right(), bounds.left(), bounds.right()));
    result.setTop(clamp(rect.top(), bounds.top(), bounds.bottom()));
    result.setBottom(clamp(rect.bottom(), bounds.top(), bounds.bottom()));
    return result;
}

// --- TFolderProbe

struct TFolderProbe::TState {
    std::mutex Lock;
    std::condition_variable Done;
    bool Running = false;
    bool HasAnswer = false; // an answer not yet handed out
    TFolderAnswer Answer = TFolderAnswer::Pending;
};

TFolderProbe::TFolderProbe() : FState(std::make_shared<TState>()) {}

TFolderProbe::~TFolderProbe() = default;

namespace {

TFolderAnswer LookAtFolder(const QByteArray &path)
{
    // The attributes of a folder may come from the kernel's cache; listing it asks the server.
    struct stat st {};
    if (::stat(path.constData(), &st) == 0) {
        if (DIR *dir = ::opendir(path.constData())) {
            errno = 0;
            ::readdir(dir);
            const int error = errno;
            ::closedir(dir);
            if (error == 0)
                return TFolderAnswer::Present;
            errno = error;
        }
    }
    switch (errno) {
    case ENOENT:
    case ENOTDIR:
        return TFolderAnswer::Missing;
    case ENOTCONN:
    case EIO:
    case ETIMEDOUT:
    case EHOSTDOWN:
    case EHOSTUNREACH:
    case ENETDOWN:
    case ENETUNREACH:
    case ECONNABORTED:
    case ECONNREFUSED:
    case ECONNRESET:
    case ESTALE:
    case ENOMEDIUM:
        return TFolderAnswer::Unreachable;
    default:
        // Refused for another reason (permissions): present for the caller, whose own calls
        // then fail with their usual messages.
        return TFolderAnswer::Present;
    }
}

} // namespace

TFolderAnswer TFolderProbe::Ask(const QString &folder, int ms)
{
    std::unique_lock lock(FState->Lock);
    if (!FState->Running && !FState->HasAnswer) {
        FState->Running = true;
        FState->Answer = TFolderAnswer::Pending;
        // Detached and sharing the state: a look that hangs outlives the probe harmlessly.
        std::thread([state = FState, path = QFile::encodeName(folder)] {
            const TFolderAnswer answer = LookAtFolder(path);
            const std::lock_guard guard(state->Lock);
            state->Answer = answer;
            state->HasAnswer = true;
            state->Running = false;
            state->Done.notify_all();
        }).detach();
    }
    if (ms > 0)
        FState->Done.wait_for(lock, std::chrono::milliseconds(ms), [&] { return !FState->Running; });
    if (FState->Running)
        return TFolderAnswer::Pending;
    FState->HasAnswer = false;
    return FState->Answer;
}
