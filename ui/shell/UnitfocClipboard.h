#pragma once
// Clipboard access: byte streams under a named clipboard format (a MIME type), stored as a
// 32-bit little-endian length followed by the bytes, and the file lists that cut and copy put
// there for file managers.
#include <QByteArray>
#include <QMimeData>
#include <QPointer>
#include <QString>
#include <QStringList>


class TfocClipboard {
public:
    // The one object of the program, created on first use.
    static TfocClipboard &Instance();

    // Opens and closes with a nesting count; the first write after the outermost open empties
    // the clipboard. Raises "Cannot open clipboard" when there is no clipboard.
    void Open();
    void Close();

    // Puts the bytes on the clipboard under `format` (other formats already written since the
    // open are kept).
    void PutStream(const QByteArray &stream, const QString &format);
    // The bytes held under `format` (empty when none); a block shorter than its length field
    // gives the bytes that are there.
    QByteArray GetStream(const QString &format) const;
    bool HasFormat(const QString &format) const;

private:
    TfocClipboard() = default;
    int FOpenCount = 0;
    // Written since the outermost open. The clipboard owns it and deletes it when another program
    // takes the clipboard, so the pointer is a guarded one.
    QPointer<QMimeData> FPending;
};

// Encodes and decodes the stored form of a stream: length (32-bit little-endian), then bytes.
QByteArray EncodeClipboardStream(const QByteArray &stream);
QByteArray DecodeClipboardStream(const QByteArray &block);

// File lists: text/uri-list plus x-special/gnome-copied-files ("copy" or "cut", then one URL a
// line), so that cut and copy interoperate with file managers.
QMimeData *FileListMimeData(const QStringList &paths, bool cut);
// The local paths of a file list and whether they were cut; false when `mime` holds none.
bool ReadFileList(const QMimeData *mime, QStringList &paths, bool &cut);
// After files have been moved (pasted from a cut, or dragged): a file list on the clipboard no
// longer says where they are, so it is emptied.
void ClearFileListClipboard();
