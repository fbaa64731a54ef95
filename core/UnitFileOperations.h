#pragma once
// File operations of the folder store and the name helpers shared with the gauge download and the windows.
#include <QString>

// The text without characters below code 32 (tabs, line breaks and other control characters).
QString StripControlChars(const QString &text);

// The text with each character a file name cannot hold (double quote, "*", "/", ":", "<", ">",
// "?", backslash, vertical bar) replaced by a blank. Used on batch identifiers from the gauge.
QString MakeFileNameSafe(const QString &text);
