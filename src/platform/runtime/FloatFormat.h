#pragma once
// Float to text as the framework does it: FloatToStrF with its five formats, FormatFloat with
// picture strings, and the settings they use ("." decimal separator always).
//
//  ffGeneral   shortest text with at most Precision significant digits; scientific ("1.5E-10",
//              exponent without '+', at least Digits digits) when the decimal exponent exceeds
//              Precision or the value is below 1E-4.
//  ffExponent  d.ddd...E+nnn with Precision digits in all and at least Digits exponent digits.
//  ffFixed     Digits decimals; ffNumber adds thousands separators; ffCurrency is ffNumber with
//              the currency string and Digits decimals.
// Values are first taken to 18 significant digits, then rounded half away from zero at the
// requested digit (the framework's decimal rounding, not the round-half-even of C's printf).

#include <QString>

enum TFloatFormat { ffGeneral, ffExponent, ffFixed, ffNumber, ffCurrency };

struct TFormatSettings {
    QChar DecimalSeparator = u'.';
    QChar ThousandSeparator = u',';
    QString CurrencyString = QStringLiteral("$");
    int CurrencyFormat = 0;  // 0 "$1", 1 "1$", 2 "$ 1", 3 "1 $"
    int NegCurrFormat = 0;   // 0 "($1)", 1 "-$1", 2 "$-1", 3 "$1-", 5 "-1$", 8 "-1 $", 9 "-$ 1"
    int CurrencyDecimals = 2;
    QChar DateSeparator = u'/';
    QChar TimeSeparator = u':';
    QString ShortDateFormat = QStringLiteral("M/d/yyyy");
    QString LongDateFormat = QStringLiteral("dddd, MMMM d, yyyy");
    QString ShortTimeFormat = QStringLiteral("h:mm AMPM");
    QString LongTimeFormat = QStringLiteral("h:mm:ss AMPM");
    QString TimeAMString = QStringLiteral("AM");
    QString TimePMString = QStringLiteral("PM");
};

// The settings every formatting function uses.
const TFormatSettings &FormatSettings();

QString FloatToStrF(double value, TFloatFormat format, int precision, int digits);
// Picture formats: '0' and '#' digit places, '.', ',' (grouping), "E+"/"E-" exponents, quoted
// literals, up to three sections "positive;negative;zero".
QString FormatFloat(const QString &pattern, double value);
QString CurrToStr(double value);

// Decimal digits of a value: value = 0.Digits x 10^Exponent; Digits without trailing zeros and
// empty for zero. `precision` significant digits at most, `decimals` digits after the point at
// most (rounding half away from zero).
struct TFloatRec {
    int Exponent = 0;
    bool Negative = false;
    QString Digits;
    bool Nan = false;
    bool Inf = false;
};
TFloatRec FloatToDecimal(double value, int precision, int decimals);
