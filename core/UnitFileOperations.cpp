#include "UnitFileOperations.h"

QString StripControlChars(const QString &text)
{
    QString result;
    result.reserve(text.size());
    for (const QChar c : text)
        if (c.unicode() >= 32)
            result += c;
    return result;
}

QString MakeFileNameSafe(const QString &text)
{
    static const QString unsafe = QStringLiteral("\"*/:<>?\\|");
    QString result = text;
    for (QChar &c : result)
        if (unsafe.contains(c))
            c = QLatin1Char(' ');
    return result;
}
