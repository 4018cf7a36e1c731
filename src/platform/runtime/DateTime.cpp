#include "platform/runtime/DateTime.h"

#include "platform/runtime/Exception.h"
#include "platform/runtime/FloatFormat.h"
#include "platform/runtime/TimerService.h"

#include <QDateTime>

#include <algorithm>
#include <cmath>
#include <utility>
#include <vector>

namespace {

constexpr int kDaysBeforeMonth[2][13] = {{0, 31, 59, 90, 120, 151, 181, 212, 243, 273, 304, 334, 365},
                                         {0, 31, 60, 91, 121, 152, 182, 213, 244, 274, 305, 335, 366}};
constexpr const char *kShortDays[] = {"Sun", "Mon", "Tue", "Wed", "Thu", "Fri", "Sat"};
constexpr const char *kLongDays[] = {"Sunday", "Monday", "Tuesday", "Wednesday", "Thursday", "Friday", "Saturday"};
constexpr const char *kShortMonths[] = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                        "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
constexpr const char *kLongMonths[] = {"January", "February", "March",     "April",   "May",      "June",
                                       "July",    "August",   "September", "October", "November", "December"};

// Days since 1 January of year 1 for day 30 December 1899.
constexpr long kDelta = 693594;

long DateToDays(int year, int month, int day)
{
    int y = year - 1;
    return static_cast<long>(y) * 365 + y / 4 - y / 100 + y / 400 + kDaysBeforeMonth[IsLeapYear(year)][month - 1] + day;
}

// Milliseconds of the time of day, rounded as the framework does.
long TimeMilliseconds(TDateTime value)
{
    double frac = std::fabs(value - std::trunc(value));
    return std::lround(frac * 86400000.0);
}

}  // namespace

bool IsLeapYear(int year)
{
    return year % 4 == 0 && (year % 100 != 0 || year % 400 == 0);
}

TDateTime EncodeDate(int year, int month, int day)
{
    if (year < 1 || year > 9999 || month < 1 || month > 12 || day < 1 ||
        day > kDaysBeforeMonth[IsLeapYear(year)][month] - kDaysBeforeMonth[IsLeapYear(year)][month - 1])
        throw EConvertError(QStringLiteral("Invalid argument to date encode"));
    return static_cast<double>(DateToDays(year, month, day) - kDelta);
}

TDateTime IncMonth(TDateTime value, int NumberOfMonths)
{
    int year = 0, month = 0, day = 0;
    DecodeDate(value, year, month, day);
    const long long months = static_cast<long long>(year) * 12 + (month - 1) + NumberOfMonths;
    const long long newYear = months >= 0 ? months / 12 : (months - 11) / 12;
    const int newMonth = static_cast<int>(months - newYear * 12) + 1;
    if (newYear < 1 || newYear > 9999)
        throw EConvertError(QStringLiteral("Invalid argument to date encode"));
    const int *table = kDaysBeforeMonth[IsLeapYear(static_cast<int>(newYear))];
    day = std::min(day, table[newMonth] - table[newMonth - 1]);
    const TDateTime date = EncodeDate(static_cast<int>(newYear), newMonth, day);
    const double time = std::fabs(value - std::trunc(value));
    return date >= 0 ? date + time : date - time;
}

TDateTime EncodeTime(int hour, int minute, int second, int msec)
{
    if (hour < 0 || hour > 23 || minute < 0 || minute > 59 || second < 0 || second > 59 || msec < 0 || msec > 999)
        throw EConvertError(QStringLiteral("Invalid argument to time encode"));
    return (hour * 3600000.0 + minute * 60000.0 + second * 1000.0 + msec) / 86400000.0;
}

void DecodeDate(TDateTime value, int &year, int &month, int &day)
{
    long days = static_cast<long>(std::floor(value)) + kDelta;  // 1 = 1 January of year 1
    long d = days - 1;
    long y400 = d / 146097;
    d %= 146097;
    long y100 = std::min(d / 36524, 3L);
    d -= y100 * 36524;
    long y4 = d / 1461;
    d %= 1461;
    long y1 = std::min(d / 365, 3L);
    d -= y1 * 365;
    year = static_cast<int>(y400 * 400 + y100 * 100 + y4 * 4 + y1 + 1);
    const int *table = kDaysBeforeMonth[IsLeapYear(year)];
    month = 1;
    while (month < 12 && d >= table[month])
        ++month;
    day = static_cast<int>(d - table[month - 1] + 1);
}

void DecodeTime(TDateTime value, int &hour, int &minute, int &second, int &msec)
{
    long ms = TimeMilliseconds(value) % 86400000;
    hour = static_cast<int>(ms / 3600000);
    minute = static_cast<int>(ms / 60000 % 60);
    second = static_cast<int>(ms / 1000 % 60);
    msec = static_cast<int>(ms % 1000);
}

int DayOfWeek(TDateTime value)
{
    long days = static_cast<long>(std::floor(value));
    return static_cast<int>(((days - 1) % 7 + 7) % 7) + 1;  // day 0 (30 Dec 1899) was a Saturday
}

TDateTime Now()
{
    if (TManualClock::Active())
        return TManualClock::NowDateTime();
    QDateTime now = QDateTime::currentDateTime();
    QDate d = now.date();
    QTime t = now.time();
    return EncodeDate(d.year(), d.month(), d.day()) + EncodeTime(t.hour(), t.minute(), t.second(), t.msec());
}

TDateTime Date()
{
    return std::floor(Now());
}

TDateTime Time()
{
    TDateTime n = Now();
    return n - std::floor(n);
}

namespace {

QString Pad(int v, int width)
{
    return QStringLiteral("%1").arg(v, width, 10, QChar(u'0'));
}

bool StartsWithCI(const QString &s, int i, const char *word)
{
    QString w = QString::fromLatin1(word);
    return s.mid(i, w.size()).compare(w, Qt::CaseInsensitive) == 0;
}

void Append(QString &out, const QString &format, TDateTime value, int depth);

// True when the format holds an am/pm specifier (the hour is then 12-hour).
bool HasAmPm(const QString &format)
{
    return format.contains(QStringLiteral("am/pm"), Qt::CaseInsensitive) ||
           format.contains(QStringLiteral("a/p"), Qt::CaseInsensitive) ||
           format.contains(QStringLiteral("ampm"), Qt::CaseInsensitive);
}

void Append(QString &out, const QString &format, TDateTime value, int depth)
{
    if (depth > 2)
        return;
    const TFormatSettings &fs = FormatSettings();
    int year, month, day, hour, minute, second, msec;
    DecodeDate(value, year, month, day);
    DecodeTime(value, hour, minute, second, msec);
    bool twelve = HasAmPm(format);
    bool lastWasHour = false;
    const int n = static_cast<int>(format.size());
    for (int i = 0; i < n;) {
        QChar c = format[i];
        QChar u = c.toUpper();
        int run = 1;
        while (i + run < n && format[i + run].toUpper() == u)
            ++run;
        bool hourNow = false;
        if (c == u'\'' || c == u'"') {
            int end = static_cast<int>(format.indexOf(c, i + 1));
            if (end < 0)
                end = n;
            out += format.mid(i + 1, end - i - 1);
            i = end + 1;
            continue;
        }
        if (u == u'A' && StartsWithCI(format, i, "am/pm")) {
            QString t = hour < 12 ? QStringLiteral("am") : QStringLiteral("pm");
            out += format[i].isUpper() ? t.toUpper() : t;
            i += 5;
            continue;
        }
        if (u == u'A' && StartsWithCI(format, i, "a/p")) {
            QString t = hour < 12 ? QStringLiteral("a") : QStringLiteral("p");
            out += format[i].isUpper() ? t.toUpper() : t;
            i += 3;
            continue;
        }
        if (u == u'A' && StartsWithCI(format, i, "ampm")) {
            out += hour < 12 ? fs.TimeAMString : fs.TimePMString;
            i += 4;
            continue;
        }
        switch (u.unicode()) {
        case u'C':
            Append(out, fs.ShortDateFormat, value, depth + 1);
            if (value - std::floor(value) != 0) {
                out += u' ';
                Append(out, fs.LongTimeFormat, value, depth + 1);
            }
            run = 1;
            break;
        case u'D':
            if (run == 1)
                out += QString::number(day);
            else if (run == 2)
                out += Pad(day, 2);
            else if (run == 3)
                out += QString::fromLatin1(kShortDays[DayOfWeek(value) - 1]);
            else if (run == 4)
                out += QString::fromLatin1(kLongDays[DayOfWeek(value) - 1]);
            else if (run == 5)
                Append(out, fs.ShortDateFormat, value, depth + 1);
            else
                Append(out, fs.LongDateFormat, value, depth + 1), run = 6;
            break;
        case u'M':
            if (lastWasHour && run <= 2) {
                out += run == 1 ? QString::number(minute) : Pad(minute, 2);
            } else if (run == 1) {
                out += QString::number(month);
            } else if (run == 2) {
                out += Pad(month, 2);
            } else if (run == 3) {
                out += QString::fromLatin1(kShortMonths[month - 1]);
            } else {
                out += QString::fromLatin1(kLongMonths[month - 1]);
                run = 4;
            }
            break;
        case u'Y':
            if (run <= 2)
                out += Pad(year % 100, 2);
            else
                out += Pad(year, 4), run = 4;
            break;
        case u'H': {
            int h = hour;
            if (twelve) {
                h = hour % 12;
                if (h == 0)
                    h = 12;
            }
            run = std::min(run, 2);
            out += run == 1 ? QString::number(h) : Pad(h, 2);
            hourNow = true;
            break;
        }
        case u'N':
            run = std::min(run, 2);
            out += run == 1 ? QString::number(minute) : Pad(minute, 2);
            break;
        case u'S':
            run = std::min(run, 2);
            out += run == 1 ? QString::number(second) : Pad(second, 2);
            break;
        case u'Z':
            run = run >= 3 ? 3 : 1;
            out += run == 1 ? QString::number(msec) : Pad(msec, 3);
            break;
        case u'T':
            run = std::min(run, 2);
            Append(out, run == 1 ? fs.ShortTimeFormat : fs.LongTimeFormat, value, depth + 1);
            break;
        case u'/':
            out += fs.DateSeparator;
            run = 1;
            break;
        case u':':
            out += fs.TimeSeparator;
            run = 1;
            break;
        default:
            out += c;
            run = 1;
            break;
        }
        // "m" after an hour (with only separators between) means minutes.
        if (hourNow)
            lastWasHour = true;
        else if (u != u':' && u != u' ')
            lastWasHour = false;
        i += run;
    }
}

}  // namespace

QString FormatDateTime(const QString &format, TDateTime value)
{
    QString out;
    Append(out, format.isEmpty() ? QStringLiteral("c") : format, value, 0);
    return out;
}

QString DateToStr(TDateTime value)
{
    return FormatDateTime(FormatSettings().ShortDateFormat, value);
}

QString TimeToStr(TDateTime value)
{
    return FormatDateTime(FormatSettings().LongTimeFormat, value);
}

QString DateTimeToStr(TDateTime value)
{
    return FormatDateTime(QStringLiteral("c"), value);
}

// ---- Reading -----------------------------------------------------------------------------------

namespace {

[[noreturn]] void NotADateTime(const QString &text)
{
    throw EConvertError(QStringLiteral("'%1' is not a valid date and time").arg(text));
}

// "h[:mm[:ss[.zzz]]] [AM|PM]" as a fraction of a day; false when the text is no time.
bool ReadTime(QString text, TDateTime &value)
{
    const TFormatSettings &fs = FormatSettings();
    text = text.trimmed();
    int pm = -1;
    for (const auto &[marker, isPm] : {std::pair{fs.TimeAMString, 0}, std::pair{fs.TimePMString, 1},
                                       std::pair{QStringLiteral("AM"), 0}, std::pair{QStringLiteral("PM"), 1}})
        if (!marker.isEmpty() && text.endsWith(marker, Qt::CaseInsensitive)) {
            text.chop(marker.size());
            text = text.trimmed();
            pm = isPm;
            break;
        }
    QStringList parts = text.split(fs.TimeSeparator);
    // A bare number is an hour only with AM or PM.
    if (parts.size() > 3 || (parts.size() == 1 && pm < 0))
        return false;
    int msec = 0;
    if (parts.size() == 3 && parts[2].contains(u'.')) {
        const QStringList secParts = parts[2].split(u'.');
        bool ok = false;
        msec = secParts.value(1).toInt(&ok);
        if (secParts.size() != 2 || !ok)
            return false;
        parts[2] = secParts[0];
    }
    int fields[3] = {0, 0, 0};
    for (int i = 0; i < parts.size(); ++i) {
        bool ok = false;
        fields[i] = parts[i].trimmed().toInt(&ok);
        if (!ok || fields[i] < 0)
            return false;
    }
    int hour = fields[0];
    if (pm >= 0) {
        if (hour < 1 || hour > 12)
            return false;
        hour = hour % 12 + (pm ? 12 : 0);
    }
    if (hour > 23 || fields[1] > 59 || fields[2] > 59 || msec > 999)
        return false;
    value = EncodeTime(hour, fields[1], fields[2], msec);
    return true;
}

// A date in the order of ShortDateFormat; false when the text is no date.
bool ReadDate(const QString &text, TDateTime &value)
{
    const TFormatSettings &fs = FormatSettings();
    const QStringList parts = text.trimmed().split(fs.DateSeparator);
    if (parts.size() < 2 || parts.size() > 3)
        return false;
    int numbers[3] = {0, 0, 0};
    for (int i = 0; i < parts.size(); ++i) {
        bool ok = false;
        numbers[i] = parts[i].trimmed().toInt(&ok);
        if (!ok || numbers[i] < 0)
            return false;
    }
    // The order of day, month and year in the short date format.
    const QString order = fs.ShortDateFormat.toLower();
    std::vector<std::pair<int, QChar>> positions;
    for (QChar c : {QChar(u'd'), QChar(u'm'), QChar(u'y')})
        positions.emplace_back(static_cast<int>(order.indexOf(c)), c);
    std::sort(positions.begin(), positions.end());
    int day = 0, month = 0, year = 0;
    int y0 = 0, m0 = 0, d0 = 0;
    DecodeDate(Date(), y0, m0, d0);
    year = y0;
    int next = 0;
    for (const auto &[position, c] : positions) {
        if (c == u'y' && parts.size() == 2)
            continue;
        const int n = numbers[next++];
        if (c == u'd')
            day = n;
        else if (c == u'm')
            month = n;
        else
            year = parts[next - 1].trimmed().size() <= 2 ? (n < 50 ? 2000 + n : 1900 + n) : n;
    }
    try {
        value = EncodeDate(year, month, day);
    } catch (const EConvertError &) {
        return false;
    }
    return true;
}

}  // namespace

TDateTime StrToDateTime(const QString &text)
{
    const QString trimmed = text.trimmed();
    const TFormatSettings &fs = FormatSettings();
    TDateTime date = 0, time = 0;
    if (trimmed.contains(fs.DateSeparator)) {
        const qsizetype space = trimmed.indexOf(u' ');
        const QString datePart = space < 0 ? trimmed : trimmed.left(space);
        const QString timePart = space < 0 ? QString() : trimmed.mid(space + 1);
        if (!ReadDate(datePart, date) || (!timePart.trimmed().isEmpty() && !ReadTime(timePart, time)))
            NotADateTime(text);
        return date + time;
    }
    if (trimmed.isEmpty() || !ReadTime(trimmed, time))
        NotADateTime(text);
    return time;
}
