#pragma once
// Reading picture files. Bitmaps go through a loader that mends 24-bit files whose pixel data
// does not start right after the 54 bytes of headers, as some older programs wrote them.
#include <QByteArray>
#include <QImage>
#include <QString>

// Returns the bytes to decode for a ".bmp" file: a mended copy when the file needs it, else
// the bytes unchanged.
QByteArray MendBitmapBytes(const QByteArray &bytes);
// Loads a bitmap file through MendBitmapBytes; a null image when the file does not exist.
QImage LoadBitmapFile(const QString &fileName);
// Loads any picture file the program reads; bitmaps through LoadBitmapFile.
QImage LoadPictureFile(const QString &fileName);
// File-type description of bitmaps in open dialogs: "Bitmaps (*.bmp)".
QString BitmapFileFilter();
