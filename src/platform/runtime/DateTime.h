#pragma once
// Date and time values of the framework: days since 30 December 1899 as a double, the time of day
// as the fraction. Now() follows the manual test clock while it is on (TimerService.h).
//
// FormatDateTime specifiers (any letter case): c, d, dd, ddd, dddd, ddddd, dddddd, m, mm, mmm,
// mmmm (minutes when right after an hour specifier), yy, yyyy, h, hh, n, nn, s, ss, z, zzz, t, tt,
// am/pm, a/p, ampm, '/' and ':' (separators), 'quoted' and "quoted" literals.

#include <QString>

using TDateTime = double;

TDateTime EncodeDate(int year, int month, int day);  // EConvertError for an invalid date
TDateTime EncodeTime(int hour, int minute, int second, int msec);
void DecodeDate(TDateTime value, int &year, int &month, int &day);
void DecodeTime(TDateTime value, int &hour, int &minute, int &second, int &msec);
int DayOfWeek(TDateTime value);  // 1 = Sunday
// The same day and time of day NumberOfMonths later (earlier when negative), the day cut to the
// length of the target month; EConvertError when the target lies outside years 1 to 9999.
TDateTime IncMonth(TDateTime value, int NumberOfMonths);
bool IsLeapYear(int year);

TDateTime Now();
TDateTime Date();
TDateTime Time();

QString FormatDateTime(const QString &format, TDateTime value);
QString DateToStr(TDateTime value);
QString TimeToStr(TDateTime value);
QString DateTimeToStr(TDateTime value);
// Reads what DateTimeToStr writes: a date in the order of ShortDateFormat (the year may be left
// out, or given with two digits), a time of day "h[:mm[:ss[.zzz]]]" with AM/PM or 24 hours, or a
// date followed by a time; surrounding blanks are ignored. Other text raises EConvertError
// "'<text>' is not a valid date and time".
TDateTime StrToDateTime(const QString &text);
