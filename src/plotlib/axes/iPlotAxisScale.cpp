// TiPlotAxis: the scale rectangle, the mapping between values and pixels, and the ticks.

#include "plotlib/axes/iPlotAxis.h"

#include "platform/runtime/DateTime.h"
#include "platform/runtime/Exception.h"
#include "platform/ui/Canvas.h"
#include "plotlib/axes/iPlotMath.h"
#include "plotlib/base/iHelpers.h"
#include "plotlib/base/iScopeExit.h"

#include <array>
#include <cmath>
#include <limits>

namespace {

constexpr int MaxTicks = 5000;

// A pixel computed in double, kept within [Low, High] before it becomes an integer; a value that
// is no number takes Fallback.
int ToPixel(double Value, double Low, double High, int Fallback)
{
    if (std::isnan(Value))
        return Fallback;
    return static_cast<int>(std::clamp(Value, Low, High));
}

double Round(double Value)
{
    return std::nearbyint(Value);
}

// Integer division of whole numbers held as doubles, toward zero.
double Div(double A, double B)
{
    return std::trunc(A / B);
}

// The steps of one calendar unit: the span counted in whole units, the candidate steps, and the
// length of one unit in days (months and years: the span in days is compared with each step's
// length in days and the increment counts whole months or years).
struct CalendarUnit {
    int (*Count)(double Span);
    std::array<double, 9> Steps;
    int StepCount;
    double DaysPerUnit;
};

// clang-format off
const CalendarUnit CalendarUnits[] = {
    {iSpanToMilliseconds, {1, 2, 5, 10, 20, 50, 100, 200, 500}, 9, 1.0 / 86400000},
    {iSpanToSeconds,      {1, 2, 5, 10, 15, 20, 30},            7, 1.0 / 86400},
    {iSpanToMinutes,      {1, 2, 5, 10, 15, 20, 30},            7, 1.0 / 1440},
    {iSpanToHours,        {1, 2, 4, 6, 12},                     5, 1.0 / 24},
    {nullptr,             {1, 7, 14},                           3, 1},
};
// Month steps in days, and the whole months each stands for.
constexpr std::array<double, 4> MonthStepDays = {31, 61, 92, 183};
constexpr std::array<double, 4> MonthStepMonths = {1, 2, 3, 6};
// clang-format on

// The oldest and the latest day the framework's calendar knows (1 January 1, 31 December 9999);
// the month and year steps need dates within them.
void CheckCalendarDate(double Value)
{
    if (!(Value >= -693593 && Value < 2958466))
        throw EConvertError(QStringLiteral("Invalid date for a calendar step"));
}

// 1 January of Year at Value's time of day.
double YearStart(int Year, double Value)
{
    return EncodeDate(Year, 1, 1) + std::fabs(Value - std::trunc(Value));
}

}  // namespace

// ---- Scale rectangle ----------------------------------------------------------------------------

void TiPlotAxis::CalcScaleRect(TCanvas *Canvas)
{
    const bool cartesian = FCartesianStyle != ipcsNone;
    if (cartesian)
        FQuadSide = Horizontal() ? iqsBottom : iqsRight;
    else if (Horizontal())
        FQuadSide = ReverseSide() ? iqsTop : iqsBottom;
    else
        FQuadSide = ReverseSide() ? iqsRight : iqsLeft;
    Canvas->Font()->Assign(FLabelsFont.get());
    const TRect d = DrawRect();
    const bool quarterTurn = FLabelsRotation == ira090 || FLabelsRotation == ira270;
    const bool straight = FLabelsRotation == ira000 || FLabelsRotation == ira180;
    int start = 0;
    int stop = 0;
    if (Horizontal()) {
        FScaleRect.Top = d.Top;
        FScaleRect.Bottom = d.Bottom;
        FFocusRect.Top = d.Top + 2;
        FFocusRect.Bottom = d.Bottom - 2;
        const int b = iTextWidthMultiLine(Canvas, QStringLiteral("0"));
        int c = 0;
        if (FLabelsVisible && quarterTurn)
            c = iTextHeightMultiLine(Canvas, GetLabelText(FMin));
        else if (FLabelsVisible && straight)
            c = GetLabelsMaxWidth(Canvas, FLabelsFont.get());
        const int e = cartesian ? 0 : static_cast<int>(Round(c / 2.0) + Round(b * FStackingEndsMargin));
        FScaleRect.Left = StartStacked() ? d.Left + e : d.Left;
        FScaleRect.Right = StopStacked() ? d.Right - e : d.Right;
        FFocusRect.Left = FScaleRect.Left - e;
        FFocusRect.Right = FScaleRect.Right + e;
        start = FScaleRect.Left;
        stop = FScaleRect.Right;
    } else {
        FScaleRect.Left = d.Left;
        FScaleRect.Right = d.Right;
        FFocusRect.Left = d.Left + 2;
        FFocusRect.Right = d.Right - 2;
        const int b = iTextHeightMultiLine(Canvas, QStringLiteral("0"));
        // Unlike a horizontal axis, the label extent counts here also while labels are hidden.
        int c = 0;
        if (quarterTurn)
            c = GetLabelsMaxWidth(Canvas, FLabelsFont.get());
        else if (straight)
            c = iTextHeightMultiLine(Canvas, GetLabelText(FMin));
        const int e = cartesian ? 0 : (c + static_cast<int>(Round(b * FStackingEndsMargin))) / 2;
        FScaleRect.Bottom = StartStacked() ? d.Bottom - e : d.Bottom;
        FScaleRect.Top = StopStacked() ? d.Top + e : d.Top;
        FFocusRect.Bottom = FScaleRect.Bottom + e;
        FFocusRect.Top = FScaleRect.Top - e;
        start = FScaleRect.Bottom;
        stop = FScaleRect.Top;
    }
    if (FReverseScale)
        std::swap(start, stop);
    FActualStart = start;
    FActualStop = stop;
    FPixelsPerSpanUnit = (start - stop) / FSpan;
    if (!(std::fabs(FPixelsPerSpanUnit) <= 1e300))
        FPixelsPerSpanUnit = 0;
}

int TiPlotAxis::GetScaleLength() const
{
    return Horizontal() ? FScaleRect.Width() : FScaleRect.Height();
}

// ---- Values and pixels --------------------------------------------------------------------------

int TiPlotAxis::OtherPositionToPixels(double Value) const
{
    const int middle = (FActualStart + FActualStop) / 2;
    if (FActualStart == FActualStop || FSpan <= 1e-300)
        return middle;
    const double m = FMin <= 0 ? 1 : FMin;
    const double s = FSpan <= 0 ? 1 : FSpan;
    const double decades = Log10(m + s) - Log10(m);
    if (decades == 0)
        return 0;
    const double v = Value <= 0 ? 1 : Value;
    // A tiny span stretches a decade over more pixels than 32 bits hold.
    return ToPixel(FActualStart - Round((Log10(v) - Log10(m)) * (FActualStart - FActualStop) / decades),
                   std::numeric_limits<int>::min(), std::numeric_limits<int>::max(), middle);
}

double TiPlotAxis::PixelsToPosition(int Value) const
{
    const TRect &r = FScaleRect;
    double length = 0;
    double fraction = 0;
    if (Horizontal()) {
        length = r.Right - r.Left;
        fraction = FReverseScale ? (r.Right - Value) / length : (Value - r.Left) / length;
    } else {
        length = r.Bottom - r.Top;
        fraction = FReverseScale ? (Value - r.Top) / length : (r.Bottom - Value) / length;
    }
    if (length == 0)
        return FMin;
    if (FScaleType == ipstLog10)
        return Power(10, Log10(FMin) + fraction * (Log10(Max()) - Log10(FMin)));
    return FMin + FSpan * fraction;
}

int TiPlotAxis::WidthToPixels(double Value) const
{
    return std::abs(PositionToPixels(FMin + Value) - PositionToPixels(FMin));
}

double TiPlotAxis::PositionToPercent(double Value) const
{
    return FReverseScale ? (Max() - Value) / FSpan : (Value - FMin) / FSpan;
}

double TiPlotAxis::PercentToPosition(double Value) const
{
    const double extent = StopPercent() - StartPercent();
    if (extent <= 0)
        return 0;
    if (FScaleType == ipstLog10) {
        const double f = FReverseScale ? 1 - Value : Value;
        return Power(10, Log10(FMin) + f * (Log10(Max()) - Log10(FMin)));
    }
    if (FReverseScale)
        return Max() - Value * FSpan;
    return ((Value * 100 - StartPercent()) / extent) * FSpan + FMin;
}

bool TiPlotAxis::PointOnScale(double Value) const
{
    const int p = PositionToPixels(Value);
    if (Horizontal())
        return p >= FScaleRect.Left && p <= FScaleRect.Right;
    return p >= FScaleRect.Top && p <= FScaleRect.Bottom;
}

// ---- Tick list ----------------------------------------------------------------------------------

int TiPlotAxis::TickListAdd(double Position, const QString &ALabel, TiPlotTickType Style)
{
    if (FScaleType == ipstLog10 && Position <= 0)
        throw Exception(QStringLiteral("Log Scale Requires Position to be Greater Than Zero"));
    auto tick = std::make_unique<TiPlotTickObject>();
    tick->TickType = Style;
    tick->Position = Position;
    tick->Text = ALabel;
    FTickList.push_back(std::move(tick));
    DoChange();
    return TickListCount() - 1;
}

void TiPlotAxis::TickListClear()
{
    FreeTicks();
    DoChange();
}

TiPlotTickObject *TiPlotAxis::GetTick(int Index) const
{
    if (Index < 0 || Index >= TickListCount())
        throw EListError(QStringLiteral("List index out of bounds (%1)").arg(Index));
    return FTickList[static_cast<std::size_t>(Index)].get();
}

void TiPlotAxis::FreeTicks()
{
    FTickList.clear();
}

void TiPlotAxis::AddTick(TiPlotTickType TickType, double Position)
{
    if (!PointOnScale(Position) || (FScaleType == ipstLog10 && Position <= 0))
        return;
    auto tick = std::make_unique<TiPlotTickObject>();
    tick->TickType = TickType;
    tick->Position = Position;
    if (TickType == ipttMajor)
        tick->Text = GetLabelText(Position);
    FTickList.push_back(std::move(tick));
}

void TiPlotAxis::UpdateTickPixels()
{
    for (const auto &tick : FTickList) {
        tick->Show = PointOnScale(tick->Position);
        if (tick->Show)
            tick->PositionPixels = PositionToPixels(tick->Position);
    }
}

// ---- Tick computation ---------------------------------------------------------------------------

void TiPlotAxis::CalcTicks(TCanvas *Canvas)
{
    FMonthModeEnabled = false;
    FYearModeEnabled = false;
    CalcScaleRect(Canvas);
    // Whatever happens below, the ticks get the pixels of the scale as it stands.
    const TiScopeExit pixels([this] { UpdateTickPixels(); });
    if (FTickListCustom)
        return;
    FreeTicks();
    Canvas->Font()->Assign(FLabelsFont.get());

    // The pitch of one label along the axis, and how many labels fit.
    const bool straight = FLabelsRotation == ira000 || FLabelsRotation == ira180;
    const bool quarterTurn = FLabelsRotation == ira090 || FLabelsRotation == ira270;
    double pitch = 0;
    if ((Horizontal() && straight) || (!Horizontal() && quarterTurn))
        pitch = Round(GetLabelsMaxWidth(Canvas, FLabelsFont.get()) +
                      iTextWidthMultiLine(Canvas, QStringLiteral("0")) * (FLabelSeparation + 1));
    else if (straight || quarterTurn)
        pitch = Round(iTextHeightMultiLine(Canvas, QStringLiteral("0")) * (FLabelSeparation + 1));
    if (pitch < 1)
        pitch = 1;
    int maxTicks = std::max(1, static_cast<int>(std::trunc(GetScaleLength() / pitch)));

    if (FScaleType == ipstLog10 && Log10(Max()) - Log10(FMin) > 1) {
        CalcLogTicks(maxTicks);
        return;
    }

    FMajorIncrement = 0;
    int count = 0;
    if (FSpan <= 1e-299) {
        count = 1;
        FMajorIncrement = FSpan;
    }
    if (FDesiredIncrement != 0 && count == 0) {
        const double intervals = FSpan / FDesiredIncrement;
        if ((!FLabelsVisible && intervals < GetScaleLength() / (FMinorCount + 1.0)) || maxTicks > intervals) {
            count = static_cast<int>(std::min(Round(intervals), 2147483647.0));
            FMajorIncrement = FDesiredIncrement;
            maxTicks = count;
        }
        maxTicks = std::max(maxTicks, 1);
    }
    if (count == 0) {
        switch (FLabelsFormatStyle) {
        case iptfDateTime: CalcCalendarIncrement(maxTicks, count); break;
        case iptfPrice32nds: CalcPriceIncrement(maxTicks, count); break;
        default: CalcDecimalIncrement(maxTicks, count); break;
        }
    }
    if (count < 2 && maxTicks > 1) {
        FMajorIncrement /= 2;
        count = 2;
    }
    if (maxTicks < count) {
        count = maxTicks;
        FMajorIncrement = FSpan / maxTicks;
    }
    FMinorIncrement = FMajorIncrement / (FMinorCount + 1);
    const bool minors = FMinorCount >= 1 && !FMonthModeEnabled && !FYearModeEnabled && FMinorIncrement != 0;

    // The first major position, at or below Min.
    double p = 0;
    const int calendarStep = static_cast<int>(std::clamp(Round(FMajorIncrement), 1.0, 1e6));
    if (FDesiredStart != 0 && FDesiredStart >= FMin && FDesiredStart <= Max()) {
        p = FDesiredStart;
        while (p > FMin) {
            const double before = p;
            p -= FMajorIncrement;
            if (p == before)
                break;
        }
    } else if (FMonthModeEnabled || FYearModeEnabled) {
        // Calendar steps work on dates the calendar knows: these write the scale directly.
        FMin = std::clamp(FMin, FMonthModeEnabled ? 0.0 : -182625.0, 2593224.0);
        FSpan = std::min(FSpan, 36525.0);
        FMajorIncrement = std::max(FMajorIncrement, 1.0);
        int year = 0, month = 0, day = 0;
        DecodeDate(FMin, year, month, day);
        const double timeOfDay = std::fabs(FMin - std::trunc(FMin));
        const int k = static_cast<int>(Round(FMajorIncrement));
        if (FMonthModeEnabled) {
            const int m = std::max(1, (month / k) * k);
            p = IncMonth(EncodeDate(year, m, 1) + timeOfDay, -k);
        } else {
            if (k != 0)
                year = (year / k) * k;
            p = YearStart(year - k, FMin);
        }
    } else {
        p = std::trunc(FMin / FMajorIncrement) * FMajorIncrement - FMajorIncrement;
    }

    while (p <= Max() + FMajorIncrement) {
        AddTick(ipttMajor, p);
        if (minors) {
            for (int i = 0; i < FMinorCount; ++i) {
                p += FMinorIncrement;
                AddTick(ipttMinor, p);
            }
        } else {
            const double before = p;
            if (FMonthModeEnabled) {
                CheckCalendarDate(p);
                p = IncMonth(p, calendarStep);
            } else if (FYearModeEnabled) {
                CheckCalendarDate(p);
                p = IncMonth(p, 12 * calendarStep);
            } else {
                p += FMajorIncrement;
            }
            if (p == before)
                break;
        }
        if (TickListCount() > MaxTicks || p + FMinorIncrement == p) {
            FreeTicks();
            AddTick(ipttMajor, FMin + FSpan / 2);
            return;
        }
        if (minors)
            p += FMinorIncrement;
    }
}

void TiPlotAxis::CalcLogTicks(int MaxTicks)
{
    const double decades = Log10(Max()) - Log10(FMin);
    const double e = FMin <= 0 ? 1 : FMin;
    double step = 1;
    double g = 0;
    if (MaxTicks >= decades) {
        g = std::trunc(Log10(FMin)) - 1;
    } else {
        step = 200;
        for (double candidate : {2.0, 5.0, 10.0, 20.0, 50.0, 100.0})
            if (MaxTicks >= decades / candidate) {
                step = candidate;
                break;
            }
        g = std::trunc(Log10(e));
    }
    while (Power(10, g) <= FSpan + e) {
        const double v = Power(10, g);
        AddTick(ipttMajor, v);
        if (step == 1)
            for (int i = 2; i <= 9; ++i)
                AddTick(ipttMinor, i * v);
        g += step;
    }
}

void TiPlotAxis::CalcDecimalIncrement(int MaxTicks, int &Count)
{
    double d = std::trunc(Log10(FSpan) - 1 - Log10(MaxTicks));
    for (;;) {
        const double p = Power(10, d);
        for (double m : {1.0, 2.0, 5.0})
            if (MaxTicks >= FSpan / (m * p)) {
                FMajorIncrement = m * p;
                Count = static_cast<int>(Round(FSpan / (m * p)));
                return;
            }
        d += 1;
    }
}

void TiPlotAxis::CalcPriceIncrement(int MaxTicks, int &Count)
{
    for (double i : {1.0 / 256, 1.0 / 128, 1.0 / 64, 1.0 / 32, 1.0 / 16, 1.0 / 8, 1.0 / 4, 1.0 / 2})
        if (MaxTicks >= FSpan / i) {
            FMajorIncrement = i;
            Count = static_cast<int>(std::trunc(FSpan / i));
            return;
        }
    for (double k = 0;; k += 1) {
        const double p = std::trunc(Power(10, k));
        for (double s : {p, 2 * p, 5 * p})
            if (MaxTicks >= FSpan / s) {
                FMajorIncrement = s;
                Count = static_cast<int>(std::trunc(FSpan / s));
                return;
            }
    }
}

void TiPlotAxis::CalcCalendarIncrement(int MaxTicks, int &Count)
{
    const double a = MaxTicks - 1;
    // A step fits when no more than `a` whole steps lie in the span.
    auto take = [&](double units, double step, double increment) {
        if (a < Div(units, step))
            return false;
        FMajorIncrement = increment;
        Count = std::max(1, static_cast<int>(Div(units, step)));
        return true;
    };
    for (const CalendarUnit &unit : CalendarUnits) {
        const double units = unit.Count ? unit.Count(FSpan) : std::trunc(FSpan);
        for (int i = 0; i < unit.StepCount; ++i) {
            const double step = unit.Steps[static_cast<std::size_t>(i)];
            if (take(units, step, step * unit.DaysPerUnit))
                return;
        }
    }
    const double days = std::trunc(FSpan);
    for (std::size_t i = 0; i < MonthStepDays.size(); ++i)
        if (take(days, MonthStepDays[i], MonthStepMonths[i])) {
            FMonthModeEnabled = true;
            return;
        }
    for (double q = 1;; q *= 10)
        for (double years : {1.0, 2.0, 5.0})
            if (take(days, 365 * years * q, years * q)) {
                FYearModeEnabled = true;
                return;
            }
}
