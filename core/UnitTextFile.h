#pragma once
// File text helpers shared by every file format of the program.
#include <QByteArray>
#include <QString>
#include <QStringList>

// Decodes file bytes: UTF-8 when valid (a leading byte-order mark is dropped), otherwise
// Windows-1252 so files from older installations keep their accented letters.
QString DecodeFileText(const QByteArray &bytes);

// Decodes Windows-1252 bytes.
QString DecodeWindows1252(const QByteArray &bytes);

// Encodes text as Windows-1252; characters outside the code page become "?".
QByteArray EncodeWindows1252(const QString &text);

// Writes the bytes to a temporary file in the target's folder and renames it over the target,
// so a crash or a full disk never leaves a half-written file. Raises Exception on failure.
// Every file the program saves goes through here. A link is kept: the file it points at is
// replaced, and a file replaced keeps its permissions.
void WriteFileAtomic(const QString &fileName, const QByteArray &bytes);

// The name a save writes under before renaming it over `target`: hidden, beside the target,
// ".<name>[.<tag>].part". A process killed at the wrong moment can leave one behind; folder
// listings skip these names (IsTemporarySaveName), and the next save of the same target removes
// those older than a minute.
QString TemporarySaveName(const QString &target, const QString &tag = QString());
bool IsTemporarySaveName(const QString &fileName);
// True for a name (without folder) that a folder listing skips as a file being written or held
// open by this or another program: the save temporaries above, office lock and owner files
// (".~lock.<name>#", "~$<name>"), names NFS and FUSE give files deleted while open (".nfs<hex>",
// ".fuse_hidden<n>") and hidden ".tmp" files of synchronisation tools. Conservative: a name a
// user may have given a batch stays listed, and so do conflict copies of synchronisation tools.
bool IsTemporaryFileName(const QString &name);

// Reads a whole file; raises Exception with a clear message when it cannot be read.
QByteArray ReadWholeFile(const QString &fileName);

// Copies a file over another through a temporary name beside the target, renamed over it only
// once the copy is complete: a failed copy (full disk, unreadable source) leaves the old file.
// A link is copied as a link. False on failure, with the target as it was.
bool CopyFileOver(const QString &source, const QString &target);

// A list as comma text, the form settings keep name lists in: entries joined by commas, an entry
// holding a blank, comma, double quote or control character quoted ("", doubled inside).
QString CommaText(const QStringList &list);
// The entries of comma text: quoted entries as written, unquoted ones end at a comma or a blank.
QStringList CommaTextList(const QString &text);
