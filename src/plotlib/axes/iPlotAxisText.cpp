// TiPlotAxis: the value texts of tick labels, cursors and legends, and the widths they need.

#include "plotlib/axes/iPlotAxis.h"

#include "platform/runtime/DateTime.h"
#include "platform/runtime/Exception.h"
#include "platform/runtime/FloatFormat.h"
#include "platform/runtime/Format.h"
#include "platform/runtime/SysUtils.h"
#include "platform/ui/Canvas.h"
#include "plotlib/axes/iPlotMath.h"
#include "plotlib/base/iHelpers.h"
#include "plotlib/base/iScopeExit.h"
#include "plotlib/plot/iPlotHost.h"

#include <array>
#include <cmath>

namespace {

// n digits after the decimal point.
QString Fixed(int Decimals, double Value)
{
    return Trim(Format(QStringLiteral("%.") + QString::number(Decimals) + u'f', {Value}));
}

// n significant digits: one before the point, then "E", a sign and at least three digits.
QString Scientific(int Digits, double Value)
{
    return Trim(Format(QStringLiteral("%.") + QString::number(Digits) + u'e', {Value}));
}

// The engineering prefixes from 10^24 down to 10^-24, one per third power of ten.
// clang-format off
constexpr std::array<const char16_t *, 17> Prefixes = {
    u"Y", u"Z", u"E", u"P", u"T", u"G", u"M", u"K", u"", u"m", u"\u00B5", u"n", u"p", u"f", u"a", u"z", u"y"};
// clang-format on

// A date-time value beyond the framework's calendar (years 1 to 9999) fails to convert.
double CheckDate(double Value)
{
    if (!(Value >= -693593 && Value < 2958466))
        throw EConvertError(QStringLiteral("Invalid date"));
    return Value;
}

// A price in whole units, 32nds and eighths of a 32nd ("101.160" is 101 16/32): rounded to the
// nearest eighth of a 32nd. A negative price is the positive one with a minus sign.
QString Price32nds(double Value)
{
    if (Value < 0)
        return u'-' + Price32nds(-Value);
    const double v = Value + 1.0 / 512;
    const double fraction = v - std::trunc(v);
    const auto k = static_cast<qint64>(std::nearbyint(fraction * 1024));
    const qint64 thirtySeconds = k / 32;
    const qint64 eighths = (k % 32) / 4;
    return Format("%.0f", {std::trunc(v)}) + u'.' + QString::number(thirtySeconds).rightJustified(2, u'0') +
           QString::number(eighths);
}

// Carriage return plus line feed, then every remaining carriage return, become one space.
QString OneLine(QString Text)
{
    Text.replace(QStringLiteral("\r\n"), QStringLiteral(" "));
    Text.replace(u'\r', u' ');
    return Text;
}

}  // namespace

void TiPlotAxis::FormatAxisValue(TiPlotTextFormat FormatStyle, const QString &ADateTimeFormat, double Value,
                                 TiPrecisionStyle PrecisionStyle, int Precision, bool MinLengthAutoAdjust,
                                 double &MinLength, QString &Text)
{
    Text = QStringLiteral("Unknown");
    auto decimals = [&](double A) { return iGetDecimalPlaces(Precision, PrecisionStyle, A, 0); };
    // A span of 0 is stored as the smallest span; its texts take the decimals of a zero span
    // rather than as many as the format allows.
    const double span = FSpan <= 1e-300 ? 0 : FSpan;
    try {
        switch (FormatStyle) {
        case iptfValue:
            if (FScaleType == ipstLog10) {
                if (Value <= 0)
                    return;
                int n = FLabelsPrecision;
                if (FLabelsPrecisionStyle != ipsFixedDecimalPoints)
                    n = FLabelsPrecision - 1 - static_cast<int>(std::trunc(Log10(Value)));
                Text = Fixed(std::max(n, 0), Value);
            } else {
                // The decimals follow the span, not the value.
                Text = Fixed(decimals(span), Value);
            }
            break;
        case iptfExponent:
            if (PrecisionStyle == ipsSignificantDigits)
                Text = Scientific(Precision, Value);
            else if (PrecisionStyle == ipsFixedDecimalPoints)
                Text = Scientific(Precision + 1, Value);
            break;
        case iptfPrefix: {
            // The exponent is cut toward zero: values between 0.001 and 1 carry no prefix.
            const double e = Value == 0 ? 0 : 3 * std::trunc(Log10(std::fabs(Value)) / 3);
            const double s = Value / Power(10, e);
            const int n = decimals(s);
            for (std::size_t i = 0; i < Prefixes.size(); ++i)
                if (e == 24 - 3 * static_cast<double>(i)) {
                    Text = Fixed(n, s) + QString::fromUtf16(Prefixes[i]);
                    break;
                }
            if (FSpan > 1e-10 && Value > -1e-12 && Value < 1e-12)
                Text = QStringLiteral("0.") + QString(n, u'0');
            break;
        }
        case iptfDateTime:
            // A leading "J" shows the whole days as a number before the rest of the format.
            if (ADateTimeFormat.left(1).toUpper() == QStringLiteral("J"))
                Text = Trim(QString::number(static_cast<qint64>(std::trunc(CheckDate(Value)))) + u' ' +
                            FormatDateTime(ADateTimeFormat.mid(1), Value));
            else
                Text = Trim(FormatDateTime(ADateTimeFormat, CheckDate(Value)));
            break;
        case iptfPrice32nds: Text = Price32nds(Value); break;
        case iptfThousands: {
            const int n = decimals(span);
            QString pattern = QStringLiteral("#,#0");
            if (n > 0)
                pattern += u'.' + QString(n, u'0');
            Text = Trim(FormatFloat(pattern, Value));
            break;
        }
        }
    } catch (const Exception &) {
        Text = QStringLiteral("Error");
    }

    FCustomizeLabelEventModified = false;
    FCustomizeLabelEventText = Text;
    if (TiPlotHost *host = Host())
        host->DoAxisCustomizeLabel(this, Text, Value);
    // Set by the handler meanwhile: it wins over the event's text.
    if (FCustomizeLabelEventModified)
        Text = FCustomizeLabelEventText;
    if (MinLengthAutoAdjust && FAllowLabelMinAdjust && Text.size() > MinLength)
        MinLength = static_cast<double>(Text.size());
}

void TiPlotAxis::SetCustomizeLabelEventText(const QString &Value)
{
    FCustomizeLabelEventText = Value;
    FCustomizeLabelEventModified = true;
}

TiPlotAxis::TextSettings TiPlotAxis::LabelSettings()
{
    return {FLabelsFormatStyle,         FDateTimeFormat, FLabelsPrecisionStyle, FLabelsPrecision,
            FLabelsMinLengthAutoAdjust, FLabelsMinLength};
}

TiPlotAxis::TextSettings TiPlotAxis::CursorSettings()
{
    if (FCursorUseDefaultFormat)
        return LabelSettings();
    return {FCursorFormatStyle, FCursorDateTimeFormat,      FCursorPrecisionStyle,
            FCursorPrecision,   FCursorMinLengthAutoAdjust, FCursorMinLength};
}

TiPlotAxis::TextSettings TiPlotAxis::LegendSettings()
{
    if (FLegendUseDefaultFormat)
        return LabelSettings();
    return {FLegendFormatStyle, FLegendDateTimeFormat,      FLegendPrecisionStyle,
            FLegendPrecision,   FLegendMinLengthAutoAdjust, FLegendMinLength};
}

QString TiPlotAxis::FormatWith(const TextSettings &Settings, double Value)
{
    QString text;
    FormatAxisValue(Settings.Format, Settings.DateTimeFormat, Value, Settings.PrecisionStyle, Settings.Precision,
                    Settings.MinLengthAutoAdjust, Settings.MinLength, text);
    return text;
}

QString TiPlotAxis::GetLabelText(double Value)
{
    return FormatWith(LabelSettings(), Value);
}

QString TiPlotAxis::GetLabelTextAdjusting(double Value)
{
    FAllowLabelMinAdjust = true;
    const TiScopeExit clear([this] { FAllowLabelMinAdjust = false; });
    return GetLabelText(Value);
}

QString TiPlotAxis::GetCursorText(double Value)
{
    return OneLine(FormatWith(CursorSettings(), Value));
}

QString TiPlotAxis::GetCursorValueText(double Value)
{
    TextSettings settings = CursorSettings();
    settings.Format = iptfValue;
    settings.DateTimeFormat.clear();
    return OneLine(FormatWith(settings, Value));
}

QString TiPlotAxis::GetLegendText(double Value)
{
    return OneLine(FormatWith(LegendSettings(), Value));
}

int TiPlotAxis::GetLabelsMaxWidth(TCanvas *Canvas, TFont *Font)
{
    Canvas->Font()->Assign(Font);
    int widest = static_cast<int>(std::nearbyint(Canvas->TextWidth(QStringLiteral("0")) * FLabelsMinLength));
    // A label of the scale's order of magnitude; it may grow the reserve as well.
    const double sample = FSpan + std::trunc(FMin / FSpan) * FSpan;
    widest = std::max(widest, iTextWidthMultiLine(Canvas, GetLabelTextAdjusting(sample)));
    for (const auto &tick : FTickList)
        widest = std::max(widest, iTextWidthMultiLine(Canvas, tick->Text));
    return widest;
}

int TiPlotAxis::GetLegendTextWidth(TCanvas *Canvas, TFont *Font)
{
    Canvas->Font()->Assign(Font);
    const double length = LegendSettings().MinLength;
    return static_cast<int>(std::nearbyint(iTextWidthMultiLine(Canvas, QStringLiteral("0")) * length));
}

int TiPlotAxis::GetCursorTextWidth(TCanvas *Canvas, TFont *Font)
{
    Canvas->Font()->Assign(Font);
    const double length = CursorSettings().MinLength;
    return static_cast<int>(std::nearbyint(iTextWidthMultiLine(Canvas, QStringLiteral("0")) * length));
}
