#include "platform/runtime/SysUtils.h"

#include "platform/runtime/Exception.h"
#include "platform/runtime/FloatFormat.h"

#include <QFileInfo>

#include <cctype>
#include <charconv>
#include <cmath>
#include <cstdlib>
#include <limits>
#include <string>

QString IntToStr(std::int64_t value)
{
    return QString::number(value);
}

int HexDigitValue(QChar c)
{
    const char16_t u = c.unicode();
    if (u >= u'0' && u <= u'9')
        return u - u'0';
    if (u >= u'a' && u <= u'f')
        return u - u'a' + 10;
    if (u >= u'A' && u <= u'F')
        return u - u'A' + 10;
    return -1;
}

QString IntToHex(std::int64_t value, int digits)
{
    QString text = QString::number(static_cast<std::uint64_t>(value), 16).toUpper();
    if (text.size() < digits)
        text.prepend(QString(digits - text.size(), u'0'));
    return text;
}

bool TryStrToInt64(const QString &text, std::int64_t &value)
{
    QString s = text;
    int i = 0;
    while (i < s.size() && s[i] == u' ')
        ++i;
    bool negative = false;
    if (i < s.size() && (s[i] == u'-' || s[i] == u'+')) {
        negative = s[i] == u'-';
        ++i;
    }
    int base = 10;
    if (i < s.size() && s[i] == u'$') {
        base = 16;
        ++i;
    } else if (i + 1 < s.size() && s[i] == u'0' && (s[i + 1] == u'x' || s[i + 1] == u'X')) {
        base = 16;
        i += 2;
    }
    if (i >= s.size())
        return false;
    std::uint64_t acc = 0;
    for (; i < s.size(); ++i) {
        int d = -1;
        QChar c = s[i];
        if (c >= u'0' && c <= u'9')
            d = c.unicode() - u'0';
        else if (base == 16 && c >= u'a' && c <= u'f')
            d = c.unicode() - u'a' + 10;
        else if (base == 16 && c >= u'A' && c <= u'F')
            d = c.unicode() - u'A' + 10;
        if (d < 0)
            return false;
        if (acc > (std::numeric_limits<std::uint64_t>::max() - static_cast<unsigned>(d)) / static_cast<unsigned>(base))
            return false;
        acc = acc * static_cast<unsigned>(base) + static_cast<unsigned>(d);
    }
    if (base == 10) {
        std::uint64_t limit = negative ? std::uint64_t{1} << 63 : (std::uint64_t{1} << 63) - 1;
        if (acc > limit)
            return false;
    }
    value = negative ? static_cast<std::int64_t>(0 - acc) : static_cast<std::int64_t>(acc);
    return true;
}

bool TryStrToInt(const QString &text, int &value)
{
    std::int64_t v = 0;
    if (!TryStrToInt64(text, v))
        return false;
    // Hexadecimal text may give the bit pattern of a negative 32-bit number.
    if (v > std::numeric_limits<std::uint32_t>::max() || v < std::numeric_limits<std::int32_t>::min())
        return false;
    if (v > std::numeric_limits<std::int32_t>::max() && !text.contains(u'$') && !text.contains(u'x') &&
        !text.contains(u'X'))
        return false;
    value = static_cast<int>(static_cast<std::uint32_t>(v));
    return true;
}

namespace {

// The value of `text` through `tryConvert`, or EConvertError "'text' is not a valid <what>".
template <class T>
T ConvertOrRaise(const QString &text, bool (*tryConvert)(const QString &, T &), const char *what)
{
    T v{};
    if (!tryConvert(text, v))
        throw EConvertError(QStringLiteral("'%1' is not a valid %2").arg(text, QLatin1String(what)));
    return v;
}

template <class T>
T ConvertOr(const QString &text, bool (*tryConvert)(const QString &, T &), T fallback)
{
    T v{};
    return tryConvert(text, v) ? v : fallback;
}

}  // namespace

std::int64_t StrToInt64(const QString &text)
{
    return ConvertOrRaise(text, &TryStrToInt64, "integer value");
}

int StrToInt(const QString &text)
{
    return ConvertOrRaise(text, &TryStrToInt, "integer value");
}

int StrToIntDef(const QString &text, int fallback)
{
    return ConvertOr(text, &TryStrToInt, fallback);
}

bool TryStrToFloat(const QString &text, double &value)
{
    return TryStrToFloat(QStringView(text), value);
}

bool TryStrToFloat(QStringView text, double &value)
{
    const QStringView t = Trim(text);
    if (t.isEmpty())
        return false;
    // Digits, one '.', an exponent: nothing else (no "inf", "nan", hex floats or ',').
    const auto at = [&t](qsizetype i) { return t[i].unicode(); };
    const auto digit = [&](qsizetype i) { return at(i) >= u'0' && at(i) <= u'9'; };
    qsizetype i = 0;
    if (at(i) == u'+' || at(i) == u'-')
        ++i;
    int digits = 0;
    while (i < t.size() && digit(i)) {
        ++i;
        ++digits;
    }
    if (i < t.size() && at(i) == u'.') {
        ++i;
        while (i < t.size() && digit(i)) {
            ++i;
            ++digits;
        }
    }
    if (digits == 0)
        return false;
    if (i < t.size() && (at(i) == u'e' || at(i) == u'E')) {
        ++i;
        if (i < t.size() && (at(i) == u'+' || at(i) == u'-'))
            ++i;
        int expDigits = 0;
        while (i < t.size() && digit(i)) {
            ++i;
            ++expDigits;
        }
        if (expDigits == 0)
            return false;
    }
    if (i != t.size())
        return false;
    // Only ASCII is left: the number as bytes, on the stack when it is short.
    char shortText[64];
    std::string longText;
    char *bytes = shortText;
    if (t.size() >= static_cast<qsizetype>(sizeof shortText)) {
        longText.resize(static_cast<std::size_t>(t.size()));
        bytes = longText.data();
    }
    for (qsizetype k = 0; k < t.size(); ++k)
        bytes[k] = static_cast<char>(at(k));
    bytes[t.size()] = '\0';
    // The correctly rounded value either way; strtod only for what from_chars leaves (a sign
    // of '+', numbers beyond the range of doubles).
    double v = 0;
    const char *first = bytes + (bytes[0] == '+' ? 1 : 0);
    const auto [end, error] = std::from_chars(first, bytes + t.size(), v);
    if (error != std::errc() || end != bytes + t.size())
        v = std::strtod(bytes, nullptr);
    if (std::isinf(v))
        return false;
    value = v;
    return true;
}

double StrToFloat(const QString &text)
{
    return ConvertOrRaise(text, &TryStrToFloat, "floating point value");
}

double StrToFloatDef(const QString &text, double fallback)
{
    return ConvertOr(text, &TryStrToFloat, fallback);
}

QString FloatToStr(double value)
{
    return FloatToStrF(value, ffGeneral, 15, 0);
}

bool StrToBool(const QString &text)
{
    QString t = Trim(text);
    if (SameText(t, QStringLiteral("True")))
        return true;
    if (SameText(t, QStringLiteral("False")))
        return false;
    double v = 0;
    if (TryStrToFloat(t, v))
        return v != 0;
    throw EConvertError(QStringLiteral("'%1' is not a valid boolean value").arg(text));
}

QString BoolToStr(bool value, bool useBoolStrs)
{
    if (useBoolStrs)
        return value ? QStringLiteral("True") : QStringLiteral("False");
    return value ? QStringLiteral("-1") : QStringLiteral("0");
}

QString TrimLeft(const QString &text)
{
    int i = 0;
    while (i < text.size() && text[i] <= u' ')
        ++i;
    return text.mid(i);
}

QString TrimRight(const QString &text)
{
    int n = static_cast<int>(text.size());
    while (n > 0 && text[n - 1] <= u' ')
        --n;
    return text.left(n);
}

QString Trim(const QString &text)
{
    return TrimLeft(TrimRight(text));
}

QStringView Trim(QStringView text)
{
    qsizetype first = 0;
    qsizetype end = text.size();
    while (end > 0 && text[end - 1] <= u' ')
        --end;
    while (first < end && text[first] <= u' ')
        ++first;
    return text.sliced(first, end - first);
}

QString UpperCase(const QString &text)
{
    QString r = text;
    for (QChar &c : r)
        if (c >= u'a' && c <= u'z')
            c = QChar(c.unicode() - 32);
    return r;
}

QString LowerCase(const QString &text)
{
    QString r = text;
    for (QChar &c : r)
        if (c >= u'A' && c <= u'Z')
            c = QChar(c.unicode() + 32);
    return r;
}

int CompareText(const QString &a, const QString &b)
{
    return UpperCase(a).compare(UpperCase(b));
}

bool SameText(const QString &a, const QString &b)
{
    return SameText(QStringView(a), QStringView(b));
}

bool SameText(QStringView a, QStringView b)
{
    if (a.size() != b.size())
        return false;
    const auto upper = [](QChar c) { return c >= u'a' && c <= u'z' ? c.unicode() - 32 : c.unicode(); };
    for (qsizetype i = 0; i < a.size(); ++i)
        if (upper(a[i]) != upper(b[i]))
            return false;
    return true;
}

int CompareStr(const QString &a, const QString &b)
{
    return a.compare(b);
}

QString QuotedStr(const QString &text)
{
    QString r = text;
    r.replace(u'\'', QStringLiteral("''"));
    return u'\'' + r + u'\'';
}

QString StringOfChar(QChar c, int count)
{
    return count > 0 ? QString(count, c) : QString();
}

std::int64_t Round(double value)
{
    return static_cast<std::int64_t>(std::nearbyint(value));
}

std::int64_t Trunc(double value)
{
    return static_cast<std::int64_t>(std::trunc(value));
}

double Frac(double value)
{
    return value - std::trunc(value);
}

double Int(double value)
{
    return std::trunc(value);
}

QString ExtractFilePath(const QString &fileName)
{
    int slash = static_cast<int>(fileName.lastIndexOf(u'/'));
    return fileName.left(slash + 1);
}

QString ExtractFileDir(const QString &fileName)
{
    int slash = static_cast<int>(fileName.lastIndexOf(u'/'));
    if (slash < 0)
        return QString();
    return slash == 0 ? QStringLiteral("/") : fileName.left(slash);
}

QString ExtractFileName(const QString &fileName)
{
    return fileName.mid(fileName.lastIndexOf(u'/') + 1);
}

QString ExtractFileExt(const QString &fileName)
{
    QString name = ExtractFileName(fileName);
    int dot = static_cast<int>(name.lastIndexOf(u'.'));
    return dot < 0 ? QString() : name.mid(dot);
}

QString ChangeFileExt(const QString &fileName, const QString &extension)
{
    QString ext = ExtractFileExt(fileName);
    return fileName.left(fileName.size() - ext.size()) + extension;
}

QString IncludeTrailingPathDelimiter(const QString &path)
{
    return path.endsWith(u'/') ? path : path + u'/';
}

bool FileExists(const QString &fileName)
{
    QFileInfo info(fileName);
    return info.exists() && !info.isDir();
}

bool DirectoryExists(const QString &path)
{
    return QFileInfo(path).isDir();
}
