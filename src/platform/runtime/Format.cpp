#include "platform/runtime/Format.h"

#include "platform/runtime/Exception.h"
#include "platform/runtime/FloatFormat.h"

#include <limits>

namespace {

[[noreturn]] void FormatError(const QString &format)
{
    throw EConvertError(QStringLiteral("Format '%1' invalid or incompatible with argument").arg(format));
}

QString Digits(std::uint64_t magnitude, int base, int minDigits)
{
    QString text = QString::number(magnitude, base).toUpper();
    if (text.size() < minDigits)
        text.prepend(QString(minDigits - text.size(), u'0'));
    return text;
}

// The argument as the unsigned bit pattern of its own width (32 bits for int).
std::uint64_t Pattern(const TVarRec &arg)
{
    if (arg.Bits() >= 64)
        return static_cast<std::uint64_t>(arg.Int());
    int bits = arg.Bits() < 32 ? 32 : arg.Bits();
    std::uint64_t mask = bits >= 64 ? ~std::uint64_t{0} : (std::uint64_t{1} << bits) - 1;
    return static_cast<std::uint64_t>(arg.Int()) & mask;
}

}  // namespace

QString Format(const QString &format, std::span<const TVarRec> args)
{
    QString out;
    std::size_t next = 0;
    const int n = static_cast<int>(format.size());
    auto take = [&]() -> const TVarRec & {
        if (next >= args.size())
            FormatError(format);
        return args[next++];
    };
    // A number of the specifier, or '*' for one from the arguments; -1 when absent.
    auto number = [&](int &i) -> int {
        if (i < n && format[i] == u'*') {
            ++i;
            const TVarRec &a = take();
            if (a.kind() != TVarRec::Kind::Integer)
                FormatError(format);
            return static_cast<int>(a.Int());
        }
        if (i >= n || !format[i].isDigit())
            return -1;
        int v = 0;
        while (i < n && format[i].isDigit())
            v = v * 10 + (format[i++].unicode() - u'0');
        return v;
    };

    for (int i = 0; i < n; ++i) {
        QChar c = format[i];
        if (c != u'%') {
            out += c;
            continue;
        }
        if (++i >= n)
            FormatError(format);
        if (format[i] == u'%') {
            out += u'%';
            continue;
        }
        // [index ":"] ["-"] [width] ["." prec] type
        int j = i, index = 0;
        while (j < n && format[j].isDigit())
            index = index * 10 + (format[j++].unicode() - u'0');
        if (j < n && format[j] == u':') {
            next = static_cast<std::size_t>(index);
            i = j + 1;
        }
        // Flags: '-' left-justifies; '0' pads numbers with zeros and '+' signs positive numbers, as
        // the program's byte dumps ("%02X ") and level texts ("%+1.1fdB") expect.
        bool left = false, zero = false, plus = false;
        for (; i < n; ++i) {
            if (format[i] == u'-')
                left = true;
            else if (format[i] == u'0')
                zero = true;
            else if (format[i] == u'+')
                plus = true;
            else
                break;
        }
        int width = number(i);
        int precision = -1;
        if (i < n && format[i] == u'.') {
            ++i;
            precision = number(i);
            if (precision < 0)
                precision = 0;
        }
        if (i >= n)
            FormatError(format);
        QChar type = format[i].toLower();
        const TVarRec &arg = take();
        QString text;
        switch (type.unicode()) {
        case u'd':
        case u'u': {
            if (arg.kind() != TVarRec::Kind::Integer)
                FormatError(format);
            bool negative = false;
            std::uint64_t magnitude = 0;
            if (type == u'u' || arg.Unsigned()) {
                magnitude = Pattern(arg);
            } else {
                negative = arg.Int() < 0;
                magnitude = negative ? 0 - static_cast<std::uint64_t>(arg.Int()) : static_cast<std::uint64_t>(arg.Int());
            }
            text = Digits(magnitude, 10, precision);
            if (negative)
                text.prepend(u'-');
            break;
        }
        case u'x':
            if (arg.kind() != TVarRec::Kind::Integer)
                FormatError(format);
            text = Digits(Pattern(arg), 16, precision);
            break;
        case u'p':
            if (arg.kind() != TVarRec::Kind::Pointer && arg.kind() != TVarRec::Kind::Integer)
                FormatError(format);
            text = Digits(static_cast<std::uint64_t>(arg.Int()), 16, 8);
            break;
        case u's':
            if (arg.kind() != TVarRec::Kind::String)
                FormatError(format);
            text = precision >= 0 ? arg.Str().left(precision) : arg.Str();
            break;
        case u'e':
        case u'f':
        case u'g':
        case u'n':
        case u'm': {
            if (arg.kind() != TVarRec::Kind::Float)
                FormatError(format);
            double v = arg.Float();
            if (type == u'e')
                text = FloatToStrF(v, ffExponent, precision < 0 || precision > 15 ? 15 : precision, 3);
            else if (type == u'g')
                text = FloatToStrF(v, ffGeneral, precision < 0 || precision > 15 ? 15 : precision, 3);
            else if (type == u'f')
                text = FloatToStrF(v, ffFixed, 18, precision < 0 ? 2 : precision);
            else if (type == u'n')
                text = FloatToStrF(v, ffNumber, 18, precision < 0 ? 2 : precision);
            else
                text = FloatToStrF(v, ffCurrency, 18, precision < 0 ? FormatSettings().CurrencyDecimals : precision);
            break;
        }
        default:
            FormatError(format);
        }
        const bool numeric = type != u's' && type != u'p';
        if (numeric && plus && !text.startsWith(u'-') && type != u'x' && type != u'u')
            text.prepend(u'+');
        if (width > text.size()) {
            if (numeric && zero && !left) {
                int sign = text.startsWith(u'-') || text.startsWith(u'+') ? 1 : 0;
                text.insert(sign, QString(width - text.size(), u'0'));
            } else {
                QString pad(width - text.size(), u' ');
                text = left ? text + pad : pad + text;
            }
        }
        out += text;
    }
    return out;
}
