#pragma once
// Numbers typed into the windows' edit boxes: in the user's locale, or with "." as the program
// writes them itself in another locale.
#include <QString>

bool ReadDisplayNumber(const QString &text, double &value);
// A whole number in the user's locale.
bool ReadDisplayWhole(const QString &text, int &value);
