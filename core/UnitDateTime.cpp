#include "UnitDateTime.h"
#include "UnitException.h"

#include <QLocale>
#include <QRegularExpression>
#include <cmath>

namespace {
constexpr qint64 MSecsPerDay = 86400000;

qint64 EpochJulianDay() { return QDate(1899, 12, 30).toJulianDay(); }

// Splits a date-time into whole days and milliseconds of the day. As in the stored form, the
// integer part counts days and the fraction (taken as its magnitude) is the time of day, also
// for dates before the epoch.
void Split(TDateTime value, qint64 &days, qint64 &msecs)
{
    if (!std::isfinite(value) || std::fabs(value) > 3.0e6) {
        days = 0;
        msecs = 0;
        return;
    }
    const double whole = std::trunc(value);
    days = static_cast<qint64>(whole);
    msecs = std::llround(std::fabs(value - whole) * MSecsPerDay);
    if (msecs >= MSecsPerDay) {
        msecs -= MSecsPerDay;
        days += value < 0 ? -1 : 1;
    }
}

int Piece(const QString &text, int from, int length, bool &ok)
{
    // Positions count from 1 as in the file form description.
    const QString part = text.mid(from - 1, length);
    bool good = part.size() == length;
    for (const QChar c : part)
        good = good && c >= QLatin1Char('0') && c <= QLatin1Char('9');
    if (!good) {
        ok = false;
        return 0;
    }
    return part.toInt();
}
} // namespace

TDateTime DateTimeNow() { return QDateTimeToDateTime(QDateTime::currentDateTime()); }

TDateTime EncodeDateTime(int year, int month, int day, int hour, int minute, int second, int msec)
{
    const QDate date(year, month, day);
    if (!date.isValid() || hour < 0 || hour > 23 || minute < 0 || minute > 59 || second < 0 || second > 59
        || msec < 0 || msec > 999)
        throw Exception(Tr("Invalid argument to date encode"));
    const double days = static_cast<double>(date.toJulianDay() - EpochJulianDay());
    const double frac = ((hour * 60.0 + minute) * 60.0 + second + msec / 1000.0) / 86400.0;
    return days < 0 ? days - frac : days + frac;
}

QDateTime DateTimeToQDateTime(TDateTime value)
{
    qint64 days = 0, msecs = 0;
    Split(value, days, msecs);
    const QDate date = QDate::fromJulianDay(EpochJulianDay() + days);
    return QDateTime(date, QTime::fromMSecsSinceStartOfDay(static_cast<int>(msecs)));
}

TDateTime QDateTimeToDateTime(const QDateTime &value)
{
    if (!value.isValid())
        return 0;
    const QDateTime local = value.toLocalTime();
    const double days = static_cast<double>(local.date().toJulianDay() - EpochJulianDay());
    const double frac = local.time().msecsSinceStartOfDay() / static_cast<double>(MSecsPerDay);
    return days < 0 ? days - frac : days + frac;
}

QString DateTimeToFileText(TDateTime value)
{
    qint64 days = 0, msecs = 0;
    Split(value, days, msecs);
    const QDate date = QDate::fromJulianDay(EpochJulianDay() + days);
    const qint64 secs = msecs / 1000;
    return QString::asprintf("%04d-%02d-%02d %02d:%02d:%02d", date.year(), date.month(), date.day(),
                             static_cast<int>(secs / 3600), static_cast<int>(secs / 60 % 60),
                             static_cast<int>(secs % 60));
}

TDateTime FileTextToDateTime(const QString &text)
{
    bool ok = true;
    const int year = Piece(text, 1, 4, ok);
    const int month = Piece(text, 6, 2, ok);
    const int day = Piece(text, 9, 2, ok);
    const int hour = Piece(text, 12, 2, ok);
    const int minute = Piece(text, 15, 2, ok);
    const int second = Piece(text, 18, 2, ok);
    const QDate date(year, month, day);
    if (!ok || !date.isValid() || hour > 23 || minute > 59 || second > 59)
        throw Exception(Tr("'%1' is not a valid date and time").arg(text));
    return EncodeDateTime(year, month, day, hour, minute, second);
}

QString DateTimeToDisplayText(TDateTime value)
{
    const QDateTime dt = DateTimeToQDateTime(value);
    const QLocale locale;
    // The long time form with seconds, but without the time zone that Qt's long form adds:
    // the stored times carry no zone.
    QString timeFormat = locale.timeFormat(QLocale::LongFormat);
    timeFormat.remove(QRegularExpression(QStringLiteral("\\s*\\(?\\bt+\\b\\)?")));
    return locale.toString(dt.date(), QLocale::ShortFormat) + QLatin1Char(' ')
           + locale.toString(dt.time(), timeFormat.trimmed());
}
