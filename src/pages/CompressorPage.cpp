#include "pages/CompressorPage.h"

#include "device/GlobalConstants.h"
#include "device/LUnitControl.h"
#include "pages/PageControls.h"
#include "platform/os/CodePage.h"
#include "platform/runtime/Format.h"
#include "platform/ui/Label.h"
#include "plotlib/plot/iXYPlot.h"
#include "widgets/graphics/AdvTrackBar.h"
#include "widgets/graphics/CurvyEdit.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstdlib>
#include <string>

namespace {

constexpr int ThresholdOffset = 180;  // the record holds threshold position + 180 (0 to 220)
constexpr int LimiterPosition = 15;
constexpr double ThresholdLow = -90.0;
constexpr double ThresholdHigh = 20.0;
constexpr int TimeLow = 1;
constexpr int TimeHigh = 999;
// The curve runs from this input level down to the bottom of the plot.
constexpr double CurveTop = 20.0;
constexpr double CurveBottom = -100.0;

constexpr std::array<std::string_view, 4> LevelSuffixes = {"dB", "DB", "db", "Db"};
constexpr std::array<std::string_view, 4> TimeSuffixes = {"ms", "Ms", "mS", "MS"};

// Each spelling found anywhere in the text drops the text's last two characters.
std::string DropUnitSuffix(std::string_view text, const std::array<std::string_view, 4> &spellings)
{
    std::string result(text);
    for (std::string_view spelling : spellings)
        if (result.find(spelling) != std::string::npos)
            result.resize(result.size() - std::min<std::size_t>(result.size(), 2));
    return result;
}

// The whole text as a number, or none (nothing converted, or something left over).
std::optional<double> ToNumber(const std::string &text)
{
    if (text.empty())
        return std::nullopt;
    char *end = nullptr;
    const double value = std::strtod(text.c_str(), &end);
    if (end != text.c_str() + text.size() || !std::isfinite(value))
        return std::nullopt;
    return value;
}

bool OnlyCharacters(std::string_view text, std::string_view allowed)
{
    return std::all_of(text.begin(), text.end(),
                       [&](char ch) { return (ch >= '0' && ch <= '9') || allowed.find(ch) != std::string_view::npos; });
}

std::size_t CountOf(std::string_view text, char ch)
{
    return static_cast<std::size_t>(std::count(text.begin(), text.end(), ch));
}

const char *const SliderFamily[] = {"isCompThreshold", "isCompAttack", "isCompRelease", "isCompRatio"};
const char *const EditFamily[] = {"cvdCompThreshold", "cvdCompAttack", "cvdCompRelease", "cvdCompRatio"};

QString SliderText(int field, int position)
{
    switch (field) {
    case CompressorPage::Threshold: return CompThresholdText(position);
    case CompressorPage::Ratio: return CompRatioText(position);
    default: return CompTimeText(position);
    }
}

QString TypedText(int field, int position)
{
    switch (field) {
    case CompressorPage::Threshold: return TypedThresholdText(position);
    case CompressorPage::Ratio: return CompRatioText(position);
    default: return TypedTimeText(position);
    }
}

}  // namespace

QString CompThresholdText(int position)
{
    return Format("%+1.1fdB", {position * 0.5});
}

QString CompRatioText(int position)
{
    if (position == LimiterPosition)
        return QStringLiteral("Limit");
    return QStringLiteral("1:") + QString::fromLatin1(CompRatioTextAt(position));
}

QString CompTimeText(int position)
{
    return Format("%3dms", {position + 1});
}

QString TypedThresholdText(int position)
{
    return position < 0 ? Format("%1.1fdB", {position * 0.5}) : Format("+%1.1fdB", {position * 0.5});
}

QString TypedTimeText(int position)
{
    return QString::number(position + 1) + QStringLiteral("ms");
}

std::optional<int> TypedRatioPosition(std::string_view ansiText)
{
    const std::string text = DropUnitSuffix(ansiText, LevelSuffixes);
    if (text.empty() || text == ":" || text == "." || !OnlyCharacters(text, ":.") || CountOf(text, '.') > 1 ||
        CountOf(text, ':') > 1)
        return std::nullopt;
    std::string number = text;
    if (text.find(':') != std::string::npos) {
        if (text[0] != '1')
            return std::nullopt;
        // The part after "1:" is taken from the text as typed, unit and all.
        number = ansiText.size() > 2 ? std::string(ansiText.substr(2)) : std::string();
    }
    if (const std::size_t point = text.find('.'); point != std::string::npos && point + 1 == text.size())
        return std::nullopt;
    const std::optional<double> x = ToNumber(number);
    if (!x)
        return std::nullopt;
    for (int i = 0; i < static_cast<int>(CompRatioValues.size()); ++i)
        if (*x <= CompRatioValues[static_cast<std::size_t>(i)])
            return i;
    return LimiterPosition;
}

std::optional<int> TypedThresholdPosition(std::string_view ansiText, int current)
{
    std::string text = DropUnitSuffix(ansiText, LevelSuffixes);
    if (text.empty() || text == "-" || text == "." || !OnlyCharacters(text, ".-+") || CountOf(text, '.') > 1 ||
        CountOf(text, '-') > 1)
        return std::nullopt;
    if (const std::size_t point = text.find('.'); point != std::string::npos) {
        if (point + 1 >= text.size() || text[point + 1] < '0' || text[point + 1] > '9')
            return std::nullopt;
        // Onto the 0.5 dB grid: below .5 the whole number, .5 as it is, above cut after that digit.
        const char first = text[point + 1];
        if (first < '5')
            text.resize(point);
        else if (first > '5')
            text.resize(point + 2);
    }
    const std::optional<double> number = ToNumber(text);
    if (!number)
        return std::nullopt;
    const double x = std::clamp(*number, ThresholdLow, ThresholdHigh);
    if (x * 2 == current)
        return std::nullopt;
    return static_cast<int>(std::trunc(x * 2));
}

std::optional<int> TypedTimePosition(std::string_view ansiText, int current)
{
    const std::string text = DropUnitSuffix(ansiText, TimeSuffixes);
    if (text.empty() || !IsNumericText(text))
        return std::nullopt;
    // A whole number only; a run of digits beyond the range is the longest time.
    long long value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (end != text.data() + text.size() || (error != std::errc() && error != std::errc::result_out_of_range))
        return std::nullopt;
    const int v = error == std::errc::result_out_of_range
                      ? TimeHigh
                      : static_cast<int>(std::clamp<long long>(value, TimeLow, TimeHigh));
    if (v == current + 1)
        return std::nullopt;
    return v - 1;
}

CompressorCurve CompressorTransferCurve(int thresholdPosition, int ratioPosition, int limiterRatio)
{
    const double t = thresholdPosition * 0.5;
    const double y20 = ratioPosition == limiterRatio ? t : t + (CurveTop - t) / CompRatioValueAt(ratioPosition);
    return {{{CurveTop, y20}, {t, t}, {CurveBottom, CurveBottom}}, {t + 0.2, t - 0.4}};
}

// ---- Transfer curve and selection ------------------------------------------------------------------

bool CompressorPage::DrawCompressorCurve(int channel)
{
    const auto sliders =
        FindChannelControls<TAdvTrackBar, TAdvTrackBar>(host_, channel, "isCompThreshold", "isCompRatio");
    auto *plot = FindPageControl<TiXYPlot>(host_, QStringLiteral("ipComp"));
    auto *title = FindPageControl<TLabel>(host_, QStringLiteral("lbCompName"));
    if (!sliders || !plot || !title || plot->ChannelCount() < 2)
        return false;
    const auto [threshold, ratio] = *sliders;
    const CompressorCurve curve = CompressorTransferCurve(threshold->Position(), ratio->Position(), ratio->Max());
    // Each channel is emptied whatever it held, so that a redraw never depends on an earlier one.
    TiXYPlotChannel *line = plot->GetChannel(0);
    line->Clear();
    for (const CompressorCurve::Point &point : curve.Points)
        line->AddXY(point.X, point.Y);
    TiXYPlotChannel *knee = plot->GetChannel(1);
    knee->Clear();
    knee->AddXY(curve.Marker.X, curve.Marker.Y);
    title->SetCaption(QStringLiteral("Out ") + ChannelCharacter(channel) + QStringLiteral("  ") +
                      host_.GetLangText(QStringLiteral("SID_COMP")));
    return true;
}

void CompressorPage::SelectCompressorChannel(int channel)
{
    if (!DrawCompressorCurve(channel))
        return;
    auto *head = FindPageControl<TLabel>(host_, QStringLiteral("lbHeadCompOut"));
    if (!head)
        return;
    head->SetCaption(QStringLiteral("Out ") + ChannelCharacter(channel));
    host_.SetSelectedCompChannel(channel);
}

void CompressorPage::isCompThresholdOut1MouseDown(TObject *Sender, TMouseButton, TShiftState, int, int)
{
    if (auto *slider = SenderAs<TAdvTrackBar>(Sender))
        SelectCompressorChannel(TagChannel(*slider));
}

void CompressorPage::cvdCompThresholdOut1MouseDown(TObject *Sender, TMouseButton, TShiftState, int, int)
{
    if (auto *edit = SenderAs<TCurvyEdit>(Sender))
        SelectCompressorChannel(TagChannel(*edit));
}

void CompressorPage::lbCompOut1MouseDown(TObject *Sender, TMouseButton, TShiftState, int, int)
{
    if (auto *title = SenderAs<TLabel>(Sender))
        SelectCompressorChannel(TagChannel(*title));
}

// ---- Sliders ---------------------------------------------------------------------------------------

void CompressorPage::isCompThresholdOut1Change(TObject *Sender)
{
    SliderChange(Sender, Threshold);
}

void CompressorPage::isCompRatioOut1Change(TObject *Sender)
{
    SliderChange(Sender, Ratio);
}

void CompressorPage::isCompAttackOut1Change(TObject *Sender)
{
    SliderChange(Sender, Attack);
}

void CompressorPage::isCompReleaseOut1Change(TObject *Sender)
{
    SliderChange(Sender, Release);
}

void CompressorPage::SliderChange(TObject *sender, Field field)
{
    if (host_.IsControlsUpdating())
        return;
    auto *slider = SenderAs<TAdvTrackBar>(sender);
    if (!slider)
        return;
    const int c = TagChannel(*slider);
    if (LinkGroups::SideChannelCount(c) != 4)
        return;
    host_.SetSelectedCompChannel(c);
    auto *edit = FindChannelControl<TCurvyEdit>(host_, EditFamily[field], c);
    if (!edit)
        return;
    const int position = slider->Position();
    edit->SetText(SliderText(field, position));
    if (!DrawCompressorCurve(c))
        return;
    SetCompressorParam(c, field, position);
    MirrorCompressorToLinked(c, field, position);
}

void CompressorPage::SetCompressorParam(int channel, int field, int position)
{
    CompressorRecord record = host_.UnitControl().GetCompressor(channel);
    switch (field) {
    case Attack: record.Attack = static_cast<std::uint16_t>(position); break;
    case Release: record.Release = static_cast<std::uint16_t>(position); break;
    case Ratio: record.Ratio = static_cast<std::uint16_t>(position); break;
    case Threshold: {
        auto *slider = FindChannelControl<TAdvTrackBar>(host_, "isCompThreshold", channel);
        if (!slider)
            return;
        {
            ControlsUpdateScope updating(host_);
            slider->SetPosition(position);
        }
        record.Threshold = static_cast<std::uint16_t>(position + ThresholdOffset);
        break;
    }
    default: return;
    }
    if (!host_.IsControlsUpdating())
        host_.UnitControl().SetCompressor(channel, record);
}

void CompressorPage::MirrorCompressorToLinked(int channel, int field, int position)
{
    if (field < Threshold || field > Ratio)
        return;
    const QString text = SliderText(field, position);
    links_.MirrorToGroup(channel, LinkGroups::Flag::Set, [&](int k) {
        const auto controls =
            FindChannelControls<TAdvTrackBar, TCurvyEdit>(host_, k, SliderFamily[field], EditFamily[field]);
        if (!controls)
            return false;
        const auto [slider, edit] = *controls;
        slider->SetPosition(position);
        edit->SetText(text);
        return true;
    });
}

// ---- Typed entries ---------------------------------------------------------------------------------

void CompressorPage::cvdCompThresholdOut1KeyDown(TObject *Sender, WORD &Key, TShiftState)
{
    if (Key == VK_RETURN)
        TypedEntry(Sender, Threshold);
}

void CompressorPage::cvdCompRatioOut1KeyDown(TObject *Sender, WORD &Key, TShiftState)
{
    if (Key == VK_RETURN)
        TypedEntry(Sender, Ratio);
}

void CompressorPage::cvdCompAttackOut1KeyDown(TObject *Sender, WORD &Key, TShiftState)
{
    if (Key == VK_RETURN)
        TypedEntry(Sender, Attack);
}

void CompressorPage::cvdCompReleaseOut1KeyDown(TObject *Sender, WORD &Key, TShiftState)
{
    if (Key == VK_RETURN)
        TypedEntry(Sender, Release);
}

void CompressorPage::cvdCompThresholdOut1Exit(TObject *Sender)
{
    TypedEntry(Sender, Threshold);
}

void CompressorPage::cvdCompRatioOut1Exit(TObject *Sender)
{
    TypedEntry(Sender, Ratio);
}

void CompressorPage::cvdCompAttackOut1Exit(TObject *Sender)
{
    TypedEntry(Sender, Attack);
}

void CompressorPage::cvdCompReleaseOut1Exit(TObject *Sender)
{
    TypedEntry(Sender, Release);
}

void CompressorPage::TypedEntry(TObject *sender, Field field)
{
    auto *edit = SenderAs<TCurvyEdit>(sender);
    if (!edit)
        return;
    auto *slider = FindChannelControl<TAdvTrackBar>(host_, SliderFamily[field], TagChannel(*edit));
    if (!slider)
        return;
    const std::string text = os::Utf8ToAnsi(edit->Text().toStdString());
    std::optional<int> position;
    switch (field) {
    case Threshold: position = TypedThresholdPosition(text, slider->Position()); break;
    case Ratio: position = TypedRatioPosition(text); break;
    default: position = TypedTimePosition(text, slider->Position()); break;
    }
    edit->SetText(QString());
    if (position) {
        slider->SetPosition(*position);
        edit->SetText(TypedText(field, slider->Position()));
    } else {
        ShowRejectedEntry(*edit, TypedText(field, slider->Position()));
    }
}
