#include "UnitDisplayNumber.h"

#include "UnitUnits.h"

#include <QLocale>

bool ReadDisplayNumber(const QString &text, double &value)
{
    bool ok = false;
    value = DisplayTextToFloat(text, &ok);
    return ok;
}

bool ReadDisplayWhole(const QString &text, int &value)
{
    bool ok = false;
    value = QLocale().toInt(text.trimmed(), &ok);
    return ok;
}
