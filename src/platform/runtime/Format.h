#pragma once
// The framework's Format: "%" [index ":"] [flags] [width] ["." precision] type, with '*' taking a
// width or precision from the arguments, "%%" for a percent sign. Flags: '-' left-justifies; as
// in C, '0' pads numbers with zeros to the width and '+' signs positive numbers ("%02X ",
// "%+1.1fdB"). Types:
//   d  signed integer (precision = minimum digits)      u  unsigned (32-bit values as unsigned)
//   x  hexadecimal, upper case (precision = min digits) s  text (precision = maximum characters)
//   e  scientific, precision = significant digits (15): "1.00000000000000E+003"
//   f  fixed, precision = decimals (2)                  g  general, precision = digits (15)
//   n  fixed with thousands separators (2)              m  currency (2)
//   p  pointer as hexadecimal
// A missing or mismatched argument raises EConvertError "Format 'X' invalid or incompatible with
// argument". Float arguments must be floating point; integers must be integral.
//
//   Format("%3dms", {n});  Format("%4.1fdB", {gain});  Format("%s=%s", {name, value});

#include <QString>

#include <cstdint>
#include <initializer_list>
#include <span>
#include <string>
#include <type_traits>

class TVarRec {
public:
    enum class Kind { Integer, Float, String, Pointer };

    template <class T, class = std::enable_if_t<std::is_integral_v<T> && !std::is_same_v<T, bool>>>
    TVarRec(T v) : kind_(Kind::Integer), int_(static_cast<std::int64_t>(v)), bits_(sizeof(T) * 8), unsigned_(std::is_unsigned_v<T>)
    {
    }
    TVarRec(bool v) : kind_(Kind::Integer), int_(v ? 1 : 0), bits_(32) {}
    TVarRec(double v) : kind_(Kind::Float), float_(v) {}
    TVarRec(float v) : kind_(Kind::Float), float_(v) {}
    TVarRec(long double v) : kind_(Kind::Float), float_(static_cast<double>(v)) {}
    TVarRec(const QString &v) : kind_(Kind::String), str_(v) {}
    TVarRec(const char *v) : kind_(Kind::String), str_(QString::fromUtf8(v)) {}
    TVarRec(const std::string &v) : kind_(Kind::String), str_(QString::fromStdString(v)) {}
    TVarRec(QChar v) : kind_(Kind::String), str_(v) {}
    TVarRec(const void *v) : kind_(Kind::Pointer), int_(static_cast<std::int64_t>(reinterpret_cast<std::uintptr_t>(v))), bits_(64) {}
    template <class E, class = std::enable_if_t<std::is_enum_v<E>>, class = void>
    TVarRec(E v) : TVarRec(static_cast<std::underlying_type_t<E>>(v))
    {
    }

    Kind kind() const { return kind_; }
    std::int64_t Int() const { return int_; }
    int Bits() const { return bits_; }
    bool Unsigned() const { return unsigned_; }
    double Float() const { return float_; }
    const QString &Str() const { return str_; }

private:
    Kind kind_;
    std::int64_t int_ = 0;
    int bits_ = 0;
    bool unsigned_ = false;
    double float_ = 0;
    QString str_;
};

QString Format(const QString &format, std::span<const TVarRec> args);
inline QString Format(const QString &format, std::initializer_list<TVarRec> args)
{
    return Format(format, std::span<const TVarRec>(args.begin(), args.size()));
}
inline QString Format(const char *format, std::initializer_list<TVarRec> args)
{
    return Format(QString::fromUtf8(format), std::span<const TVarRec>(args.begin(), args.size()));
}
