#pragma once
// File operations of the folder store (copy, move and delete of files and folder trees with their
// confirmations, generated names) and the small name and file-type helpers shared with the gauge
// download and the windows. Questions go through the prompt service; failures raise Exception.
#include <QRect>
#include <QString>
#include <memory>

// Folders the desktop provides.
enum class TShellFolder {
    Personal,      // the user's documents folder
    CommonAppData, // the first shared data folder ($XDG_DATA_DIRS)
    Temp,          // the folder for temporary files
};

// The folder for that identifier with a trailing "/", created if missing.
QString ShellFolderPath(TShellFolder folder);

// Copies a file or a folder tree. `yesToAll` is shared by the whole operation: any prompt may set
// it, and while it is set nothing more is asked and existing files are replaced. Raises
// "Destination same as source folder", "Copy of file and folders canceled" (the user chose Cancel;
// what was done so far stays), "Unable to create directories" and
// "Cannot read from the source file or disk".
void CopyTree(const QString &source, const QString &destination, bool &yesToAll);

// Moves a file or a folder tree with the prompts of CopyTree. A file the user declines to replace
// stays where it was, together with the folders that hold it: a move never loses a file. Raises
// the messages of CopyTree and "Unable to delete file %1", "Unable to move file %1".
void MoveTree(const QString &source, const QString &destination, bool &yesToAll);

// Deletes a file or a folder tree. Raises "Unable to delete file %1" (the file's name) or
// "Unable to delete directory %1" (the folder's path). Symbolic links are removed, never followed.
void DeleteTree(const QString &path);

// A free name for a copy of `path` in its own folder: "Copy of <name>", then
// "Copy (2) of <name>" ... "Copy (200) of <name>". Raises
// "Unable to copy, too many \"Copy of\" files" when all are taken. Returns the full path.
QString CopyName(const QString &path);

// A free name for a new item: folder + base + extension, then folder + base + " (2)" + extension
// up to 200. Raises "Unable to create file/folder, too many default named items.". `extension`
// includes its dot, or is empty for folders. Returns the full path.
QString DefaultName(const QString &folder, const QString &base, const QString &extension);

// True when a file or a folder of that name exists.
bool PathExists(const QString &path);

// The file name without folder and without its last extension.
QString NameWithoutExtension(const QString &path);

// The text without characters below code 32 (tabs, line breaks and other control characters).
QString StripControlChars(const QString &text);

// True for \ / : * ? " < > | (the characters a file or folder name may not hold).
bool IsForbiddenNameChar(QChar c);
bool HasForbiddenNameChar(const QString &text);
// A name a file or folder can be given in place: not empty, no forbidden character, not "." or "..".
bool IsAcceptableName(const QString &name);

// The text with each character a file name cannot hold (double quote, "*", "/", ":", "<", ">",
// "?", backslash, vertical bar) replaced by a blank. Used on batch identifiers from the gauge.
QString MakeFileNameSafe(const QString &text);

// Extension (any letter case) of a picture the program can show or embed.
bool IsPictureFile(const QString &path);
bool IsPdfFile(const QString &path);

// The folder for temporary files, with a trailing "/".
QString TempFolder();

// True for batch type 0 (cover), false for 1 (half-cell); raises "Invalid Batch Type" otherwise.
bool IsCoverBatchType(int batchType);

// Whether mail can be handed to the user's mail client (xdg-email is on the PATH).
bool MailAvailable();

// The command registered to open spreadsheet (".xls") files, without its file placeholders;
// empty when nothing is registered.
QString SpreadsheetApplication();

// Runs the registered spreadsheet program with `path` as its argument when the program exists.
// Returns true when it was started.
bool OpenInSpreadsheetApplication(const QString &path);

// Text in the system code page to UTF-8: this platform keeps Unicode, so the text is returned as is.
QString ToUtf8(const QString &text);

// Each edge of `rect` moved inside `bounds`.
QRect ClampRect(const QRect &rect, const QRect &bounds);

// Whether a folder answers: looked at on a thread of its own, so that a file system that does
// not answer (a server that cannot be reached, a stopped FUSE process) holds up only that thread,
// never its caller. One look runs at a time; a look still waiting for an old answer is not
// repeated, so a file system that hangs costs one thread however often it is asked.
enum class TFolderAnswer {
    Pending,     // no answer yet
    Present,     // listed
    Missing,     // the folder (or a folder above it) does not exist
    Unreachable, // the file system answered with an error of a lost connection
};

class TFolderProbe {
public:
    TFolderProbe();
    ~TFolderProbe(); // does not wait for a look that hangs
    TFolderProbe(const TFolderProbe &) = delete;
    TFolderProbe &operator=(const TFolderProbe &) = delete;

    // Starts a look at the folder unless one is running or its answer has not been handed out;
    // then waits for the answer at most `ms` (0: not at all) and hands it out. Pending when none
    // came in time: a later call hands it out once it comes.
    TFolderAnswer Ask(const QString &folder, int ms);

private:
    struct TState;
    std::shared_ptr<TState> FState;
};
