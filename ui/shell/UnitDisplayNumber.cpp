#include "UnitDisplayNumber.h"

#include <QLocale>
#include <cmath>

bool ReadDisplayNumber(const QString &text, double &value)
{
    bool ok = false;
    value = QLocale().toDouble(text.trimmed(), &ok);
    if (!ok) // text written by the program itself in another locale, or typed with "."
        value = QLocale::c().toDouble(text.trimmed(), &ok);
    // "inf" and "nan" are not numbers a user means.
    return ok && std::isfinite(value);
}

bool ReadDisplayWhole(const QString &text, int &value)
{
    bool ok = false;
    value = QLocale().toInt(text.trimmed(), &ok);
    return ok;
}
