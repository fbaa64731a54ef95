#pragma once
// Date-times as the data files and the gauge keep them: a double counting days since
// 30 December 1899, the fraction being the local time of day.
#include <QDateTime>
#include <QString>

using TDateTime = double;

// The current local date and time.
TDateTime DateTimeNow();

// Builds a date-time from its parts; raises Exception when they do not form a valid date and
// time (month 1-12, day within the month, hour 0-23, minute and second 0-59).
TDateTime EncodeDateTime(int year, int month, int day, int hour = 0, int minute = 0, int second = 0,
                         int msec = 0);

// Conversions to and from local QDateTime (milliseconds rounded). An invalid QDateTime gives 0.
QDateTime DateTimeToQDateTime(TDateTime value);
TDateTime QDateTimeToDateTime(const QDateTime &value);

// File form "yyyy-mm-dd hh:nn:ss", fractions of a second dropped, independent of the locale.
QString DateTimeToFileText(TDateTime value);

// Reads the file form, cut by position (year 1-4, month 6-7, day 9-10, hour 12-13, minute 15-16,
// second 18-19, counting from 1). Raises Exception naming the text when a piece is not a whole
// number or the whole is not a valid date and time.
TDateTime FileTextToDateTime(const QString &text);

// Display form in the user's locale: short date and long time.
QString DateTimeToDisplayText(TDateTime value);
