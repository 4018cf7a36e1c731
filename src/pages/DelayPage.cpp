#include "pages/DelayPage.h"

#include "device/GlobalConstants.h"
#include "device/LUnitControl.h"
#include "pages/PageControls.h"
#include "platform/os/CodePage.h"
#include "platform/runtime/Format.h"
#include "platform/ui/Image.h"
#include "platform/ui/Label.h"
#include "widgets/graphics/AdvTrackBar.h"
#include "widgets/graphics/CurvyEdit.h"
#include "widgets/skinned/RzBmpBtn.h"

#include <algorithm>
#include <array>
#include <cstdlib>
#include <string>

namespace {

enum DelayUnit { UnitMs = 0, UnitMetre = 1, UnitFeet = 2 };

constexpr double MetresPerFoot = 3.2808;
// The picture's left at delay 0, and how much of the line label the picture's travel leaves out.
constexpr int PictureStart = 40;
constexpr int LineMargin = 90;
constexpr int DashWidth = 6;
constexpr int MaxDashes = 132;
// The grab point lies this far left of the picture's left, at the middle of the label's height;
// a press within GrabReach of it (and within HoverReach for the hand cursor) grabs the picture.
constexpr int GrabOffset = 25;
constexpr int GrabReach = 15;
constexpr int HoverReach = 14;
// While dragging, the picture's foot stays within the label: x runs from 0 to width - 90.
constexpr int DragRightMargin = 75;
constexpr int DragLeftOffset = 15;
// A typed value beyond this is beyond the longest delay in every unit; it is clamped before it
// becomes samples so that no conversion leaves the range of the numbers.
constexpr double LargestTypedDelay = 1.0e6;

struct UnitSuffixes {
    std::array<std::string_view, 4> spellings;
    std::size_t count;
    std::size_t dropped;  // characters each spelling found drops from the end
};

UnitSuffixes SuffixesOf(int unit)
{
    switch (unit) {
    case UnitMetre: return {{UnitTexts.DelayMetre[0], UnitTexts.DelayMetre[1]}, UnitTexts.DelayMetre.size(), 1};
    case UnitFeet: return {UnitTexts.DelayFeet, UnitTexts.DelayFeet.size(), 2};
    default: return {UnitTexts.DelayMs, UnitTexts.DelayMs.size(), 2};
    }
}

// A decimal number: digits with at most one point, at least one digit.
bool IsDecimalNumber(std::string_view text)
{
    if (text.empty() || !IsNumericText(text))
        return false;
    return std::count(text.begin(), text.end(), '.') <= 1 && text.find_first_of("0123456789") != std::string_view::npos;
}

}  // namespace

int ShownDelayUnit(int unit)
{
    return unit == UnitMetre || unit == UnitFeet ? unit : UnitMs;
}

QString DelayText(int samples, int unit)
{
    const double ms = samples * (1.0 / SamplesPerMs);
    const double metres = samples * static_cast<double>(DelaySoundSpeed) * (1.0 / SamplesPerMs) * 0.001;
    switch (ShownDelayUnit(unit)) {
    case UnitMetre: return Format("%4.3f m", {metres});
    case UnitFeet:
        return Format("%4.3f ft",
                      {samples * static_cast<double>(DelaySoundSpeed) * (1.0 / SamplesPerMs) * MetresPerFoot * 0.001});
    default: return Format("%4.3f ms", {ms});
    }
}

int DelayPictureLeft(int position, int lineWidth, int max)
{
    if (max <= 0)
        return PictureStart;
    return position * (lineWidth - LineMargin) / max + PictureStart;
}

QString DelayDashes(int count)
{
    return QString(std::clamp(count, 0, MaxDashes), u'-');
}

std::optional<int> TypedDelaySamples(std::string_view ansiText, int unit, int min, int max)
{
    std::string text(ansiText);
    const UnitSuffixes suffixes = SuffixesOf(ShownDelayUnit(unit));
    for (std::size_t i = 0; i < suffixes.count; ++i)
        if (text.find(suffixes.spellings[i]) != std::string::npos)
            text.resize(text.size() - std::min(text.size(), suffixes.dropped));
    if (!IsDecimalNumber(text))
        return std::nullopt;
    const double value = std::min(std::strtod(text.c_str(), nullptr), LargestTypedDelay);
    const int samples = DelayToSamples(value, ShownDelayUnit(unit));
    return samples <= min ? min : samples >= max ? max : samples;
}

QString DelayPage::ModelDelayText(int samples) const
{
    return DelayText(samples, host_.UnitControl().GetDelayUnit());
}

// ---- Slider ----------------------------------------------------------------------------------------

void DelayPage::isDelayInAChange(TObject *Sender)
{
    if (host_.IsControlsUpdating())
        return;
    auto *slider = SenderAs<TAdvTrackBar>(Sender);
    if (!slider)
        return;
    const int c = TagChannel(*slider);
    const int position = slider->Position();
    const auto controls = FindChannelControls<TCurvyEdit, TImage, TLabel, TLabel>(host_, c, "cvdDelay", "imDelay",
                                                                                  "lbDelayLine", "lbFftDelayTime");
    if (!controls)
        return;
    const auto [edit, picture, line, time] = *controls;
    // Captured by name: clang (the fuzz build) cannot capture a structured binding yet.
    const auto placeTime = [picture = picture, time = time] {
        time->SetBounds(picture->Left() + picture->Width(), picture->Top() + picture->Height() / 4, time->Width(),
                        time->Height());
    };
    const int left = DelayPictureLeft(position, line->Width(), slider->Max());
    picture->SetLeft(left);
    placeTime();
    const QString text = ModelDelayText(position);
    edit->SetText(text);
    time->SetCaption(text);
    placeTime();
    host_.UnitControl().SetDelay(c, position);
    MirrorDelayToLinked(c, position, left);
}

void DelayPage::UpdateDelayLine(int channel)
{
    const auto controls =
        FindChannelControls<TImage, TLabel, TLabel>(host_, channel, "imDelay", "lbDelayLine", "lbFftDelayTime");
    if (!controls)
        return;
    const auto [picture, line, time] = *controls;
    time->SetBounds(picture->Left() + picture->Width(), picture->Top() + picture->Height() / 4, time->Width(),
                    time->Height());
    line->SetCaption(DelayDashes((picture->Left() - PictureStart) / DashWidth));
}

void DelayPage::MirrorDelayToLinked(int channel, int samples, int pictureLeft)
{
    const QString text = ModelDelayText(samples);
    links_.MirrorToGroup(channel, LinkGroups::Flag::Set, [&](int k) {
        const auto controls = FindChannelControls<TImage, TLabel, TLabel, TCurvyEdit, TAdvTrackBar>(
            host_, k, "imDelay", "lbFftDelayTime", "lbDelayLine", "cvdDelay", "isDelay");
        if (!controls)
            return false;
        const auto [picture, time, line, edit, slider] = *controls;
        picture->SetLeft(pictureLeft);
        time->SetLeft(picture->Left() + picture->Width());
        UpdateDelayLine(k);
        edit->SetText(text);
        time->SetCaption(text);
        slider->SetPosition(samples);
        return true;
    });
}

// ---- Unit ------------------------------------------------------------------------------------------

void DelayPage::rzbUnit0Click(TObject *Sender)
{
    auto *button = SenderAs<TRzBmpButton>(Sender);
    if (!button || button->Tag() < UnitMs || button->Tag() > UnitFeet)
        return;
    const int unit = static_cast<int>(button->Tag());
    for (int c = 0; c < ChannelCount; ++c) {
        const auto controls =
            FindChannelControls<TCurvyEdit, TAdvTrackBar, TLabel>(host_, c, "cvdDelay", "isDelay", "lbFftDelayTime");
        if (!controls)
            return;
        const auto [edit, slider, time] = *controls;
        const QString text = DelayText(slider->Position(), unit);
        edit->SetText(text);
        time->SetCaption(text);
    }
    if (!host_.IsControlsUpdating())
        host_.UnitControl().SetDelayUnit(static_cast<std::uint16_t>(unit));
}

// ---- Typed entry -----------------------------------------------------------------------------------

void DelayPage::cvdDelayInBKeyDown(TObject *Sender, WORD &Key, TShiftState)
{
    if (Key == VK_RETURN)
        TypedDelay(Sender);
}

void DelayPage::cvdDelayInAExit(TObject *Sender)
{
    TypedDelay(Sender);
}

void DelayPage::TypedDelay(TObject *sender)
{
    auto *edit = SenderAs<TCurvyEdit>(sender);
    if (!edit)
        return;
    auto *slider = FindChannelControl<TAdvTrackBar>(host_, "isDelay", TagChannel(*edit));
    if (!slider)
        return;
    const int unit = ShownDelayUnit(host_.UnitControl().GetDelayUnit());
    const std::optional<int> samples =
        TypedDelaySamples(os::Utf8ToAnsi(edit->Text().toStdString()), unit, slider->Min(), slider->Max());
    edit->SetText(QString());
    if (samples) {
        slider->SetPosition(*samples);
        edit->SetText(DelayText(slider->Position(), unit));
    } else {
        ShowRejectedEntry(*edit, DelayText(slider->Position(), unit));
    }
}

// ---- Drag of a speaker picture ---------------------------------------------------------------------

void DelayPage::lbDelayLineInAMouseDown(TObject *Sender, TMouseButton, TShiftState, int X, int Y)
{
    auto *sender = SenderAs<TComponent>(Sender);
    if (!sender)
        return;
    const int c = TagChannel(*sender);
    const auto controls = FindChannelControls<TImage, TLabel>(host_, c, "imDelay", "lbDelayLine");
    if (!controls)
        return;
    const auto [picture, line] = *controls;
    if (std::abs(X - (picture->Left() - GrabOffset)) < GrabReach && std::abs(Y - line->Height() / 2) < GrabReach) {
        dragging_ = true;
        // Every button drags; the framework captures the mouse for the left one only.
        line->SetMouseCapture(true);
    }
}

void DelayPage::lbDelayLineInAMouseMove(TObject *Sender, TShiftState, int X, int Y)
{
    auto *line = SenderAs<TLabel>(Sender);
    if (!line)
        return;
    if (dragging_ && !line->MouseCapture())
        dragging_ = false;  // the capture went elsewhere: the release will never come here
    const int c = TagChannel(*line);
    if (!dragging_) {
        auto *picture = FindChannelControl<TImage>(host_, "imDelay", c);
        if (!picture)
            return;
        line->SetCursor(crDefault);
        if (std::abs(X - (picture->Left() - GrabOffset)) <= HoverReach && std::abs(Y - line->Height() / 2) < GrabReach)
            line->SetCursor(crHandPoint);
        return;
    }
    auto *slider = FindChannelControl<TAdvTrackBar>(host_, "isDelay", c);
    const int travel = line->Width() - LineMargin;
    if (!slider || travel <= 0)
        return;
    const int x = std::min(X, line->Width() - DragRightMargin) - DragLeftOffset;
    slider->SetPosition(static_cast<int>(static_cast<double>(x) * slider->Max() / travel));
    line->SetCaption(DelayDashes(x / DashWidth));
}

void DelayPage::lbDelayLineInAMouseUp(TObject *Sender, TMouseButton, TShiftState, int, int)
{
    dragging_ = false;
    if (auto *line = SenderAs<TLabel>(Sender); line && line->MouseCapture())
        line->SetMouseCapture(false);
}
