#include "platform/runtime/FloatFormat.h"

#include "platform/runtime/SysUtils.h"

#include <QStringList>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

const TFormatSettings &FormatSettings()
{
    static const TFormatSettings settings;
    return settings;
}

TFloatRec FloatToDecimal(double value, int precision, int decimals)
{
    TFloatRec rec;
    if (std::isnan(value)) {
        rec.Nan = true;
        return rec;
    }
    rec.Negative = std::signbit(value);
    if (std::isinf(value)) {
        rec.Inf = true;
        return rec;
    }
    if (value == 0) {
        rec.Negative = false;
        return rec;
    }
    // 18 significant digits of the exact binary value, then the framework's rounding.
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.17e", std::fabs(value));
    std::string digits;
    for (const char *p = buffer; *p && *p != 'e'; ++p)
        if (*p >= '0' && *p <= '9')
            digits.push_back(*p);
    int exponent = std::atoi(std::strchr(buffer, 'e') + 1) + 1;

    precision = std::clamp(precision, 1, 18);
    long keep = std::min<long>(precision, static_cast<long>(exponent) + decimals);
    if (keep < 0) {
        rec.Negative = false;
        return rec;
    }
    bool roundUp = static_cast<std::size_t>(keep) < digits.size() && digits[static_cast<std::size_t>(keep)] >= '5';
    digits.resize(static_cast<std::size_t>(keep));
    if (roundUp) {
        int i = static_cast<int>(keep) - 1;
        while (i >= 0 && digits[static_cast<std::size_t>(i)] == '9') {
            digits[static_cast<std::size_t>(i)] = '0';
            --i;
        }
        if (i >= 0) {
            ++digits[static_cast<std::size_t>(i)];
        } else {
            digits.insert(digits.begin(), '1');  // 99.9 -> 100: the zeros go below
            ++exponent;
        }
    }
    while (!digits.empty() && digits.back() == '0')
        digits.pop_back();
    if (digits.empty()) {
        rec.Negative = false;
        return rec;
    }
    rec.Exponent = exponent;
    rec.Digits = QString::fromLatin1(digits.data(), static_cast<qsizetype>(digits.size()));
    return rec;
}

namespace {

QChar DigitAt(const QString &digits, int i)
{
    return i >= 0 && i < digits.size() ? digits[i] : QChar(u'0');
}

QString ExponentText(int exponent, int minDigits, bool plusSign)
{
    QString text = QString::number(std::abs(exponent));
    if (text.size() < minDigits)
        text.prepend(QString(minDigits - text.size(), u'0'));
    if (exponent < 0)
        return u'-' + text;
    return plusSign ? u'+' + text : text;
}

QString GroupThousands(const QString &integerPart)
{
    QString out;
    int n = static_cast<int>(integerPart.size());
    for (int i = 0; i < n; ++i) {
        out += integerPart[i];
        int left = n - 1 - i;
        if (left > 0 && left % 3 == 0)
            out += FormatSettings().ThousandSeparator;
    }
    return out;
}

// Integer and decimal digits of a rounded value for the fixed formats.
void FixedParts(const TFloatRec &rec, int decimals, QString &integerPart, QString &fraction)
{
    integerPart.clear();
    fraction.clear();
    if (rec.Exponent <= 0 || rec.Digits.isEmpty())
        integerPart = QStringLiteral("0");
    else
        for (int i = 0; i < rec.Exponent; ++i)
            integerPart += DigitAt(rec.Digits, i);
    for (int i = 0; i < decimals; ++i)
        fraction += DigitAt(rec.Digits, rec.Exponent + i);
}

QString SpecialText(const TFloatRec &rec)
{
    if (rec.Nan)
        return QStringLiteral("NAN");
    return rec.Negative ? QStringLiteral("-INF") : QStringLiteral("INF");
}

QString Scientific(const TFloatRec &rec, int digitCount, int expDigits, bool plusSign, bool padDigits)
{
    QString text;
    if (rec.Negative)
        text += u'-';
    int shown = padDigits ? digitCount : std::max(1, static_cast<int>(rec.Digits.size()));
    text += DigitAt(rec.Digits, 0);
    if (shown > 1) {
        text += FormatSettings().DecimalSeparator;
        for (int i = 1; i < shown; ++i)
            text += DigitAt(rec.Digits, i);
    }
    int exponent = rec.Digits.isEmpty() ? 0 : rec.Exponent - 1;
    return text + u'E' + ExponentText(exponent, expDigits, plusSign);
}

QString General(const TFloatRec &rec, int precision, int digits)
{
    if (rec.Digits.isEmpty())
        return QStringLiteral("0");
    if (rec.Exponent > precision || rec.Exponent < -3)
        return Scientific(rec, 0, digits, false, false);
    QString text = rec.Negative ? QStringLiteral("-") : QString();
    if (rec.Exponent <= 0) {
        text += u'0';
        text += FormatSettings().DecimalSeparator;
        text += QString(-rec.Exponent, u'0');
        text += rec.Digits;
        return text;
    }
    for (int i = 0; i < rec.Exponent; ++i)
        text += DigitAt(rec.Digits, i);
    if (rec.Digits.size() > rec.Exponent)
        text += FormatSettings().DecimalSeparator + rec.Digits.mid(rec.Exponent);
    return text;
}

QString CurrencyWrap(const QString &number, bool negative)
{
    const TFormatSettings &fs = FormatSettings();
    const QString &c = fs.CurrencyString;
    if (!negative) {
        switch (fs.CurrencyFormat) {
        case 1: return number + c;
        case 2: return c + u' ' + number;
        case 3: return number + u' ' + c;
        default: return c + number;
        }
    }
    switch (fs.NegCurrFormat) {
    case 1: return u'-' + c + number;
    case 2: return c + u'-' + number;
    case 3: return c + number + u'-';
    case 5: return u'-' + number + c;
    case 8: return u'-' + number + u' ' + c;
    case 9: return u'-' + c + u' ' + number;
    default: return u'(' + c + number + u')';
    }
}

}  // namespace

QString FloatToStrF(double value, TFloatFormat format, int precision, int digits)
{
    precision = std::clamp(precision, 1, 18);
    switch (format) {
    case ffGeneral:
    case ffExponent: {
        digits = std::clamp(digits, 0, 4);
        TFloatRec rec = FloatToDecimal(value, precision, 9999);
        if (rec.Nan || rec.Inf)
            return SpecialText(rec);
        if (format == ffGeneral)
            return General(rec, precision, digits);
        return Scientific(rec, precision, digits, true, true);
    }
    case ffFixed:
    case ffNumber:
    case ffCurrency: {
        digits = std::clamp(digits, 0, 18);
        TFloatRec rec = FloatToDecimal(value, precision, digits);
        if (rec.Nan || rec.Inf)
            return SpecialText(rec);
        if (rec.Exponent > precision)
            return General(FloatToDecimal(value, precision, 9999), precision, 0);
        QString integerPart, fraction;
        FixedParts(rec, digits, integerPart, fraction);
        if (format != ffFixed)
            integerPart = GroupThousands(integerPart);
        QString number = integerPart;
        if (digits > 0)
            number += FormatSettings().DecimalSeparator + fraction;
        if (format == ffCurrency)
            return CurrencyWrap(number, rec.Negative);
        return rec.Negative ? u'-' + number : number;
    }
    }
    return QString();
}

QString CurrToStr(double value)
{
    return FloatToStrF(value, ffGeneral, 15, 0);
}

// ---- FormatFloat ---------------------------------------------------------------------------------

namespace {

struct Picture {
    QString prefix, suffix;  // literal text before the first and after the last placeholder
    int intZeros = 0;        // minimum integer digits
    int decZeros = 0;        // minimum decimals
    int decPlaces = 0;       // maximum decimals
    bool thousands = false;
    bool scientific = false;
    bool expPlus = false;
    int expZeros = 0;
    bool any = false;        // holds a digit placeholder
};

// Splits at ';' outside quotes.
QStringList Sections(const QString &pattern)
{
    QStringList out;
    QString current;
    QChar quote;
    for (QChar c : pattern) {
        if (!quote.isNull()) {
            current += c;
            if (c == quote)
                quote = QChar();
        } else if (c == u'\'' || c == u'"') {
            quote = c;
            current += c;
        } else if (c == u';') {
            out << current;
            current.clear();
        } else {
            current += c;
        }
    }
    out << current;
    return out;
}

Picture Analyse(const QString &section)
{
    Picture p;
    bool afterPoint = false, inNumber = false, done = false;
    QString pending;  // literals met inside the number part go after it
    for (int i = 0; i < section.size(); ++i) {
        QChar c = section[i];
        if (c == u'\'' || c == u'"') {
            int end = static_cast<int>(section.indexOf(c, i + 1));
            if (end < 0)
                end = static_cast<int>(section.size());
            QString lit = section.mid(i + 1, end - i - 1);
            (inNumber || done ? pending : p.prefix) += lit;
            i = end;
            continue;
        }
        if (!done && (c == u'0' || c == u'#')) {
            inNumber = true;
            p.any = true;
            if (afterPoint) {
                ++p.decPlaces;
                if (c == u'0')
                    p.decZeros = p.decPlaces;
            } else if (c == u'0' || p.intZeros > 0) {
                ++p.intZeros;
            }
            continue;
        }
        if (!done && c == u'.' && !afterPoint) {
            afterPoint = true;
            inNumber = true;
            continue;
        }
        if (!done && c == u',') {
            p.thousands = true;
            continue;
        }
        if (inNumber && !done && (c == u'E' || c == u'e') && i + 1 < section.size() &&
            (section[i + 1] == u'+' || section[i + 1] == u'-')) {
            p.scientific = true;
            p.expPlus = section[i + 1] == u'+';
            i += 2;
            while (i < section.size() && section[i] == u'0') {
                ++p.expZeros;
                ++i;
            }
            --i;
            done = true;
            continue;
        }
        if (inNumber)
            done = true;
        (inNumber || done ? pending : p.prefix) += c;
    }
    p.suffix = pending;
    return p;
}

QString FormatWith(const Picture &p, double value, bool withSign)
{
    QString number;
    bool negative = false;
    if (p.scientific) {
        int digitsShown = std::max(1, p.intZeros) + p.decPlaces;
        TFloatRec rec = FloatToDecimal(value, std::min(digitsShown, 18), 9999);
        negative = rec.Negative;
        int intDigits = std::max(1, p.intZeros);
        int exponent = rec.Digits.isEmpty() ? 0 : rec.Exponent - intDigits;
        for (int i = 0; i < intDigits; ++i)
            number += DigitAt(rec.Digits, i);
        QString fraction;
        for (int i = 0; i < p.decPlaces; ++i)
            fraction += DigitAt(rec.Digits, intDigits + i);
        while (fraction.size() > p.decZeros && fraction.endsWith(u'0'))
            fraction.chop(1);
        if (!fraction.isEmpty())
            number += FormatSettings().DecimalSeparator + fraction;
        number += u'E' + ExponentText(exponent, p.expZeros, p.expPlus);
    } else {
        TFloatRec rec = FloatToDecimal(value, 18, p.decPlaces);
        negative = rec.Negative;
        QString integerPart, fraction;
        FixedParts(rec, p.decPlaces, integerPart, fraction);
        if (integerPart == QStringLiteral("0") && p.intZeros == 0)
            integerPart.clear();
        if (integerPart.size() < p.intZeros)
            integerPart.prepend(QString(p.intZeros - integerPart.size(), u'0'));
        if (p.thousands)
            integerPart = GroupThousands(integerPart);
        while (fraction.size() > p.decZeros && fraction.endsWith(u'0'))
            fraction.chop(1);
        number = integerPart;
        if (!fraction.isEmpty())
            number += FormatSettings().DecimalSeparator + fraction;
    }
    QString text = p.prefix + number + p.suffix;
    return negative && withSign ? u'-' + text : text;
}

}  // namespace

QString FormatFloat(const QString &pattern, double value)
{
    if (std::isnan(value) || std::isinf(value) || pattern.isEmpty())
        return FloatToStrF(value, ffGeneral, 15, 0);
    QStringList sections = Sections(pattern);
    Picture positive = Analyse(sections[0]);
    if (!positive.any && sections.size() == 1)
        return positive.prefix + positive.suffix;
    // Zero (after rounding to the positive section) takes the third section when there is one.
    bool isZero = FloatToDecimal(value, 18, positive.scientific ? 9999 : positive.decPlaces).Digits.isEmpty();
    if (isZero && sections.size() >= 3 && !sections[2].isEmpty())
        return FormatWith(Analyse(sections[2]), 0.0, false);
    if (value < 0 && sections.size() >= 2 && !sections[1].isEmpty())
        return FormatWith(Analyse(sections[1]), -value, false);
    return FormatWith(positive, value, true);
}
