// Every kind of control of the channel pages, moved by a user once with the mouse and once with the
// keyboard, on the whole editor connected to the simulated processor over TCP: each channel alone,
// then with two and with four outputs linked, then unlinked again; a few of them also over the
// pseudo-terminal and HID links. After every move the value reaches the model (and the whole link
// group), the processor's image and presets equal what the editor holds, the curve model of the
// page's plot follows, and the plot draws it: markers at their bands' frequencies, the texts beside
// them, the total through the curve model's pixels.

#include "EditorUser.h"

#include "curves/LMyFFTDrawPhase.h"
#include "curves/MyPEQAllpass.h"
#include "curves/Plot.h"
#include "device/GlobalConstants.h"
#include "devsim/ImageLayout.h"
#include "dialogs/FChannelName.h"
#include "dialogs/FLinkSel.h"
#include "dialogs/FRecallPreset.h"
#include "dialogs/FStorePreset.h"
#include "pages/CurveSynthesis.h"
#include "pages/LinkGroups.h"
#include "pages/PageControls.h"
#include "pages/PageSwitch.h"
#include "platform/ui/ControlsRender.h"
#include "platform/ui/Edit.h"
#include "platform/ui/Image.h"
#include "platform/ui/Label.h"
#include "platform/ui/Menus.h"
#include "widgets/graphics/CurvyEdit.h"
#include "widgets/skinned/RzBmpBtn.h"
#include "widgets/skinned/RzButton.h"
#include "widgets/skinned/RzCmboBx.h"
#include "widgets/skinned/VrButtons.h"

#include <QApplication>
#include <QImage>
#include <QScrollBar>

#include <gmock/gmock.h>

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <functional>
#include <optional>
#include <stdexcept>

namespace {

using namespace editor_user;

enum class Input { Mouse, Keyboard };

// A value of the processor's image for a channel, as one number.
using Value = std::function<std::int64_t(const devsim::Image &, int channel)>;

Value FieldWord(std::size_t devsim::ChannelFields::*field, std::size_t extra = 0)
{
    return [field, extra](const devsim::Image &img, int ch) {
        return std::int64_t{devsim::Word(img, devsim::ChannelOffset(ch, field) + extra)};
    };
}
Value FieldRecord(std::size_t devsim::ChannelFields::*field)  // a crossover: type and frequency
{
    return [field](const devsim::Image &img, int ch) {
        const std::size_t at = devsim::ChannelOffset(ch, field);
        return std::int64_t{devsim::Word(img, at)} | std::int64_t{devsim::Word(img, at + 2)} << 16;
    };
}
Value MaskBit(std::size_t (*offset)(int))
{
    return [offset](const devsim::Image &img, int ch) {
        return std::int64_t{devsim::Word(img, offset(ch)) >> devsim::SideIndex(ch) & 1};
    };
}
Value Band(int band)
{
    return [band](const devsim::Image &img, int ch) {
        const std::size_t at = devsim::BandOffset(ch, band);
        return std::int64_t{devsim::Word(img, at)} | std::int64_t{devsim::Word(img, at + 2)} << 16 |
               std::int64_t{img[at + 4]} << 32 | std::int64_t{img[at + 5]} << 40;
    };
}
Value BandBypass(int band)
{
    return [band](const devsim::Image &img, int ch) {
        return std::int64_t{devsim::Word(img, devsim::BandBypassOffset(ch)) >> band & 1};
    };
}
Value Name()
{
    return [](const devsim::Image &img, int ch) {
        std::int64_t out = 0;
        std::memcpy(&out, img.data() + devsim::ChannelOffset(ch, &devsim::ChannelFields::name), 8);
        return out;
    };
}
Value DelayUnit()
{
    return [](const devsim::Image &img, int) { return std::int64_t{devsim::Word(img, devsim::kDelayUnit)}; };
}

// --- The controls the user touches -----------------------------------------------------------------

QString Named(const char *prefix, int ch)
{
    return QString::fromLatin1(prefix) + ChannelSuffix(ch);
}

template <class T>
T &Control(const QString &name)
{
    T *control = Find<T>(name);
    EXPECT_NE(control, nullptr) << name.toStdString();
    if (!control)
        throw std::runtime_error("no control " + name.toStdString());
    return *control;
}

template <class T>
T &Control(const char *prefix, int ch)
{
    return Control<T>(Named(prefix, ch));
}

// The page shown by a click on its button.
void ShowPage(int page)
{
    if (fmMain->Pages().GetCurrentPage() == page)
        return;
    Click(Control<TRzBmpButton>(QStringLiteral("rzbMenu") + PageSuffix(page)));
    EXPECT_EQ(fmMain->Pages().GetCurrentPage(), page);
}

TMyPEQAllpass &Table(int ch)
{
    return Control<TMyPEQAllpass>("peqPeq", ch);
}

void SliderByMouse(const char *prefix, int ch)
{
    ClickTrackAway(Control<TAdvTrackBar>(prefix, ch));
}
void SliderByKeys(const char *prefix, int ch)
{
    auto &bar = Control<TAdvTrackBar>(prefix, ch);
    Keys(bar, {ArrowAway(bar)});
}
void ButtonByKeys(TWinControl &button)
{
    Keys(button, {VK_SPACE});
}
// The combo moves to `item` with the arrow keys.
void ComboByKeys(TRzComboBox &combo, int item)
{
    Focus(combo);
    while (combo.ItemIndex() != item) {
        const int before = combo.ItemIndex();
        TInputRouter::Key(combo.ItemIndex() < item ? VK_DOWN : VK_UP);
        if (combo.ItemIndex() == before) {
            ADD_FAILURE() << combo.Name().toStdString() << " stays at " << before;
            return;
        }
    }
}
// The user opens the combo's list with a click on its arrow, scrolls the list with its scroll
// bar's arrows until the item shows, and clicks the item.
void ComboByMouse(TRzComboBox &combo, int item)
{
    Click(combo, TPoint(combo.Width() - 6, combo.Height() / 2));
    QWidget *list = QApplication::activePopupWidget();
    ASSERT_TRUE(combo.DroppedDown() && list) << combo.Name().toStdString();
    // A point of the list's window system coordinates as the main window's client point.
    const auto onMain = [](QWidget *widget, QPoint at) {
        const QPoint p = fmMain->Widget()->mapFromGlobal(widget->mapToGlobal(at));
        return TPoint(p.x(), p.y());
    };
    for (int clicks = 0; combo.DroppedItemRect(item).IsEmpty() && clicks < combo.Count(); ++clicks) {
        QScrollBar *bar = nullptr;
        for (QScrollBar *b : list->findChildren<QScrollBar *>())
            if (b->isVisible() && b->orientation() == Qt::Vertical)
                bar = b;
        ASSERT_NE(bar, nullptr) << "the list has no scroll bar";
        const int arrow = bar->width() / 2;
        const bool down = item > combo.DroppedTopIndex();
        TInputRouter::Click(fmMain, onMain(bar, QPoint(arrow, down ? bar->height() - arrow : arrow)));
    }
    const TRect r = combo.DroppedItemRect(item);
    ASSERT_FALSE(r.IsEmpty()) << "item " << item << " is not shown";
    const TPoint at = OnMain(combo, TPoint((r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2));
    TInputRouter::MouseMove(fmMain, {}, at);
    TInputRouter::Click(fmMain, at);
    EXPECT_FALSE(combo.DroppedDown()) << combo.Name().toStdString();
    EXPECT_EQ(QApplication::activePopupWidget(), nullptr);
}
// Selects a band by its button, as the user does before using the band editor.
void SelectBand(int ch, int band)
{
    Click(Control<TRzBmpButton>(QStringLiteral("rzbEq%1").arg(band + 1) + ChannelSuffix(ch)));
}
// Drags a band's marker (or a crossover's square) on the channel's plot.
void DragMarker(int ch, int slot, int dx, int dy)
{
    auto &plot = Control<LMyFFTDrawPhase>("fftDraw", ch);
    const TPoint origin = plot.GetPlotOrigin();
    const TPoint marker = plot.GetBlockPos(slot);
    const TPoint from(origin.X + marker.X, origin.Y + marker.Y);
    const TPoint to(from.X + dx, from.Y + dy);
    TInputRouter::MouseMove(fmMain, {}, OnMain(plot, from));
    TInputRouter::MouseDown(fmMain, mbLeft, {}, OnMain(plot, from));
    EXPECT_EQ(fmMain->Pages().GetDragHandle(), slot)
        << "marker " << slot << " at " << from.X << ", " << from.Y << " of " << plot.Width() << " x " << plot.Height();
    for (int i = 1; i <= 4; ++i)
        TInputRouter::MouseMove(fmMain, {ssLeft}, OnMain(plot, TPoint(from.X + dx * i / 4, from.Y + dy * i / 4)));
    TInputRouter::MouseUp(fmMain, mbLeft, {}, OnMain(plot, to));
}
// Types a text into a table field of a band (focused by the keyboard), Enter at the end.
void TypeIntoTable(TEdit *field, const QString &text)
{
    ASSERT_NE(field, nullptr);
    Focus(*field);
    Type(text);
}

// --- The cases ---------------------------------------------------------------------------------------

struct ControlCase {
    std::string name;
    int page;  // -1: the edited channel's own page
    Input input;
    Value value;
    // What the user does on the controls of channel `ch` (the head of the group the page shows).
    std::function<void(int ch)> act;
    bool outputsOnly = false;
    bool followsLink = true;  // the whole link group takes the value
    // The value the model must then hold, when it is known beforehand.
    std::function<std::optional<std::int64_t>(int ch)> expected = {};
};

constexpr int OwnPage = -1;
// Where the speaker picture is dropped on its delay line (points of the line).
constexpr int SpeakerDragX = 200;

std::vector<ControlCase> Cases(bool everyBand)
{
    using C = ControlCase;
    std::vector<C> cases = {
        {.name = "gain slider",
         .page = OwnPage,
         .input = Input::Mouse,
         .value = FieldWord(&devsim::ChannelFields::gain),
         .act = [](int ch) { SliderByMouse("isGain", ch); }},
        {.name = "gain slider",
         .page = OwnPage,
         .input = Input::Keyboard,
         .value = FieldWord(&devsim::ChannelFields::gain),
         .act = [](int ch) { SliderByKeys("isGain", ch); }},
        {.name = "Gain page slider",
         .page = PageGain,
         .input = Input::Mouse,
         .value = FieldWord(&devsim::ChannelFields::gain),
         .act = [](int ch) { SliderByMouse("isGainBackup", ch); }},
        {.name = "Gain page slider",
         .page = PageGain,
         .input = Input::Keyboard,
         .value = FieldWord(&devsim::ChannelFields::gain),
         .act = [](int ch) { SliderByKeys("isGainBackup", ch); }},
        {.name = "mute",
         .page = OwnPage,
         .input = Input::Mouse,
         .value = MaskBit(devsim::MuteMaskOffset),
         .act = [](int ch) { Click(Control<TRzBmpButton>("rzbMute", ch)); }},
        {.name = "mute",
         .page = OwnPage,
         .input = Input::Keyboard,
         .value = MaskBit(devsim::MuteMaskOffset),
         .act = [](int ch) { ButtonByKeys(Control<TRzBmpButton>("rzbMute", ch)); }},
        {.name = "polarity",
         .page = OwnPage,
         .input = Input::Mouse,
         .value = FieldWord(&devsim::ChannelFields::polarity),
         .act = [](int ch) { Click(Control<TRzBmpButton>("rzbPhase", ch)); }},
        {.name = "polarity",
         .page = OwnPage,
         .input = Input::Keyboard,
         .value = FieldWord(&devsim::ChannelFields::polarity),
         .act = [](int ch) { ButtonByKeys(Control<TRzBmpButton>("rzbPhase", ch)); }},
        {.name = "Gain page mute",
         .page = PageGain,
         .input = Input::Mouse,
         .value = MaskBit(devsim::MuteMaskOffset),
         .act = [](int ch) { Click(Control<TRzBmpButton>("rzbMuteBackup", ch)); }},
        {.name = "Gain page polarity",
         .page = PageGain,
         .input = Input::Keyboard,
         .value = FieldWord(&devsim::ChannelFields::polarity),
         .act = [](int ch) { ButtonByKeys(Control<TRzBmpButton>("rzbPhaseBackup", ch)); }},
        // Delay: the slider, then typed in each unit.
        {.name = "delay slider",
         .page = PageDelay,
         .input = Input::Mouse,
         .value = FieldWord(&devsim::ChannelFields::delay),
         .act = [](int ch) { SliderByMouse("isDelay", ch); }},
        {.name = "delay slider",
         .page = PageDelay,
         .input = Input::Keyboard,
         .value = FieldWord(&devsim::ChannelFields::delay),
         .act = [](int ch) { SliderByKeys("isDelay", ch); }},
        {.name = "delay unit m",
         .page = PageDelay,
         .input = Input::Mouse,
         .value = DelayUnit(),
         .act = [](int) { Click(Control<TRzBmpButton>(QStringLiteral("rzbUnit1"))); },
         .expected = [](int) { return std::optional<std::int64_t>(1); }},
        {.name = "delay typed in m",
         .page = PageDelay,
         .input = Input::Keyboard,
         .value = FieldWord(&devsim::ChannelFields::delay),
         .act =
             [](int ch) {
                 Focus(Control<TCurvyEdit>("cvdDelay", ch));
                 SelectAllByKeys();
                 Type(QStringLiteral("2"));
             }},
        {.name = "delay unit ft",
         .page = PageDelay,
         .input = Input::Keyboard,
         .value = DelayUnit(),
         .act = [](int) { ButtonByKeys(Control<TRzBmpButton>(QStringLiteral("rzbUnit2"))); },
         .expected = [](int) { return std::optional<std::int64_t>(2); }},
        {.name = "delay typed in ft",
         .page = PageDelay,
         .input = Input::Keyboard,
         .value = FieldWord(&devsim::ChannelFields::delay),
         .act =
             [](int ch) {
                 Focus(Control<TCurvyEdit>("cvdDelay", ch));
                 SelectAllByKeys();
                 Type(QStringLiteral("3"));
             }},
        {.name = "delay unit ms",
         .page = PageDelay,
         .input = Input::Mouse,
         .value = DelayUnit(),
         .act = [](int) { Click(Control<TRzBmpButton>(QStringLiteral("rzbUnit0"))); },
         .expected = [](int) { return std::optional<std::int64_t>(0); }},
        {.name = "delay typed in ms",
         .page = PageDelay,
         .input = Input::Keyboard,
         .value = FieldWord(&devsim::ChannelFields::delay),
         .act =
             [](int ch) {
                 Focus(Control<TCurvyEdit>("cvdDelay", ch));
                 SelectAllByKeys();
                 Type(QStringLiteral("10.5"));
             },
         .expected = [](int) { return std::optional<std::int64_t>(504); }},
        // The speaker picture grabbed where it stands on its line and dragged along it: the delay
        // follows the pointer's place on the line, and the picture stands there.
        {.name = "delay speaker dragged",
         .page = PageDelay,
         .input = Input::Mouse,
         .value = FieldWord(&devsim::ChannelFields::delay),
         .act =
             [](int ch) {
                 auto &line = Control<TLabel>("lbDelayLine", ch);
                 const TPoint grab(Control<TImage>("imDelay", ch).Left() - 25, line.Height() / 2);
                 Drag(line, grab, TPoint(SpeakerDragX, grab.Y));
             },
         .expected =
             [](int ch) {
                 const int width = Control<TLabel>("lbDelayLine", ch).Width();
                 const int x = std::min(SpeakerDragX, width - 75) - 15;
                 const auto samples = static_cast<std::int64_t>(x * 32640.0 / (width - 90));
                 EXPECT_EQ(Control<TImage>("imDelay", ch).Left(), samples * (width - 90) / 32640 + 40);
                 return std::optional<std::int64_t>(samples);
             }},
        // Crossovers: frequency sliders, bypass buttons, a slope of each family, the squares on the curve.
    };
    // Each bypass button twice, so that it ends as it was.
    for (const bool highPass : {true, false}) {
        const char *button = highPass ? "rzbLowCutBypass" : "rzbHighCutBypass";
        const Value value = FieldRecord(highPass ? &devsim::ChannelFields::highPass : &devsim::ChannelFields::lowPass);
        const std::string which = highPass ? "high-pass bypass" : "low-pass bypass";
        cases.push_back(
            {.name = which, .page = OwnPage, .input = Input::Mouse, .value = value, .act = [button](int ch) {
                 Click(Control<TRzBmpButton>(button, ch));
             }});
        cases.push_back(
            {.name = which, .page = OwnPage, .input = Input::Keyboard, .value = value, .act = [button](int ch) {
                 ButtonByKeys(Control<TRzBmpButton>(button, ch));
             }});
    }
    // A slope of each family on both filters, chosen with the keyboard and with the mouse in the
    // dropped list (items "BW -6", "BL -6", "BW -12", "BL -12", "LK -12", ... "LK -48"); the list
    // shows 8 items, so that the mouse scrolls it down to "BW -48" and up to "BL -6".
    struct Slope {
        const char *family;
        int keysItem;
        int mouseItem;
    };
    for (const Slope slope : {Slope{"Butterworth", 2, 17}, Slope{"Bessel", 11, 1}, Slope{"Linkwitz-Riley", 19, 14}}) {
        for (const Input input : {Input::Keyboard, Input::Mouse}) {
            for (const bool highPass : {true, false}) {
                const char *combo = highPass ? "rzcLowCutSlop" : "rzcHighCutSlop";
                const int item = input == Input::Mouse ? slope.mouseItem : slope.keysItem;
                cases.push_back(
                    {.name = std::string(highPass ? "high-pass " : "low-pass ") + slope.family + " slope",
                     .page = OwnPage,
                     .input = input,
                     .value =
                         FieldRecord(highPass ? &devsim::ChannelFields::highPass : &devsim::ChannelFields::lowPass),
                     .act =
                         [combo, item, input, highPass](int ch) {
                             // A bypassed filter takes no slope: its bypass goes off first.
                             auto &bypass =
                                 Control<TRzBmpButton>(highPass ? "rzbLowCutBypass" : "rzbHighCutBypass", ch);
                             if (bypass.Down())
                                 Click(bypass);
                             if (input == Input::Mouse)
                                 ComboByMouse(Control<TRzComboBox>(combo, ch), item);
                             else
                                 ComboByKeys(Control<TRzComboBox>(combo, ch), item);
                         },
                     .expected =
                         [highPass, item](int ch) {
                             const CrossoverRecord x = fmMain->Session().Model().GetCrossover(ch);
                             const PassFilterRecord f = highPass ? x.HighPass : x.LowPass;
                             return std::optional<std::int64_t>(std::int64_t{item + 1} | std::int64_t{f.Freq} << 16);
                         }});
            }
        }
    }
    for (const bool highPass : {true, false}) {
        const char *bar = highPass ? "isLowCutFreq" : "isHighCutFreq";
        const auto field = highPass ? &devsim::ChannelFields::highPass : &devsim::ChannelFields::lowPass;
        const std::string which = highPass ? "high-pass" : "low-pass";
        cases.push_back({.name = which + " frequency slider",
                         .page = OwnPage,
                         .input = Input::Mouse,
                         .value = FieldRecord(field),
                         .act = [bar](int ch) { SliderByMouse(bar, ch); }});
        cases.push_back({.name = which + " frequency slider",
                         .page = OwnPage,
                         .input = Input::Keyboard,
                         .value = FieldRecord(field),
                         .act = [bar](int ch) { SliderByKeys(bar, ch); }});
        cases.push_back({.name = which + " square dragged",
                         .page = OwnPage,
                         .input = Input::Mouse,
                         .value = FieldRecord(field),
                         .act = [highPass](int ch) {
                             DragMarker(ch, highPass ? PlotCurveSlots::HighPassTotal : PlotCurveSlots::LowPassTotal,
                                        highPass ? 40 : -120, 0);
                         }});
    }
    // Every band by its table, by the band editor's sliders and by its marker.
    const int lastBand = OutputBandCount - 1;
    for (int band = 0; band <= lastBand; ++band) {
        if (!everyBand && band != 1 && band != lastBand)
            continue;
        const std::string b = "band " + std::to_string(band + 1);
        const bool outputsOnly = band >= InputBandCount;
        cases.push_back({.name = b + " frequency typed in its table",
                         .page = OwnPage,
                         .input = Input::Keyboard,
                         .value = Band(band),
                         .act =
                             [band](int ch) {
                                 // A frequency a sixth of an octave away from the band's.
                                 const int index = fmMain->Session().Model().GetPeqBand(ch, band).Freq;
                                 const double hz = IndexToFreq(index < 200 ? index + 5 : index - 5);
                                 TypeIntoTable(Table(ch).FrequencyEdit(band), QString::number(std::lround(hz)));
                             },
                         .outputsOnly = outputsOnly});
        cases.push_back(
            {.name = b + " gain typed in its table",
             .page = OwnPage,
             .input = Input::Keyboard,
             .value = Band(band),
             .act =
                 [band](int ch) {
                     const bool was = fmMain->Session().Model().GetPeqBand(ch, band).Gain == 165;
                     TypeIntoTable(Table(ch).GainEdit(band), was ? QStringLiteral("-3.5") : QStringLiteral("4.5"));
                 },
             .outputsOnly = outputsOnly,
             .expected =
                 [band](int ch) {
                     const PeqBandRecord rec = fmMain->Session().Model().GetPeqBand(ch, band);
                     const int gain = rec.Gain == 85 ? 85 : 165;  // -3.5 dB or +4.5 dB
                     return std::optional<std::int64_t>(std::int64_t{gain} | std::int64_t{rec.Freq} << 16 |
                                                        std::int64_t{rec.Q} << 32 | std::int64_t{rec.Type} << 40);
                 }});
        cases.push_back({.name = b + " gain slider",
                         .page = OwnPage,
                         .input = Input::Mouse,
                         .value = Band(band),
                         .act =
                             [band](int ch) {
                                 SelectBand(ch, band);
                                 SliderByMouse("isEqGain", ch);
                             },
                         .outputsOnly = outputsOnly});
        cases.push_back({.name = b + " frequency slider",
                         .page = OwnPage,
                         .input = Input::Keyboard,
                         .value = Band(band),
                         .act =
                             [band](int ch) {
                                 SelectBand(ch, band);
                                 SliderByKeys("isEqFreq", ch);
                             },
                         .outputsOnly = outputsOnly});
        cases.push_back({.name = b + " Q slider",
                         .page = OwnPage,
                         .input = Input::Mouse,
                         .value = Band(band),
                         .act =
                             [band](int ch) {
                                 SelectBand(ch, band);
                                 SliderByMouse("isEqBw", ch);
                             },
                         .outputsOnly = outputsOnly});
        cases.push_back({.name = b + " marker dragged",
                         .page = OwnPage,
                         .input = Input::Mouse,
                         .value = Band(band),
                         .act = [band](int ch) { DragMarker(ch, band, 30, -25); },
                         .outputsOnly = outputsOnly});
    }
    const std::vector<C> rest = {
        {.name = "band 1 type in its table",
         .page = OwnPage,
         .input = Input::Keyboard,
         .value = Band(0),
         .act =
             [](int ch) {
                 TRzComboBox *list = Table(ch).TypeList(0);
                 ASSERT_NE(list, nullptr);
                 ComboByKeys(*list, list->ItemIndex() == 0 ? 1 : 0);
             }},
        {.name = "band 2 bypass",
         .page = OwnPage,
         .input = Input::Mouse,
         .value = BandBypass(1),
         .act = [](int ch) { Click(*Table(ch).BypassButton(1)); }},
        {.name = "band 2 bypass",
         .page = OwnPage,
         .input = Input::Keyboard,
         .value = BandBypass(1),
         .act = [](int ch) { ButtonByKeys(*Table(ch).BypassButton(1)); }},
        {.name = "EQ bypass",
         .page = OwnPage,
         .input = Input::Mouse,
         .value = MaskBit(devsim::EqBypassMaskOffset),
         .act = [](int ch) { Click(Control<TControl>("vrbEqBypass", ch)); }},
        {.name = "EQ bypass off",
         .page = OwnPage,
         .input = Input::Mouse,
         .value = MaskBit(devsim::EqBypassMaskOffset),
         .act = [](int ch) { Click(Control<TControl>("vrbEqBypass", ch)); }},
        // The compressor page.
        {.name = "compressor threshold",
         .page = PageComp,
         .input = Input::Mouse,
         .value = FieldWord(&devsim::ChannelFields::comp, 6),
         .act = [](int ch) { SliderByMouse("isCompThreshold", ch); },
         .outputsOnly = true},
        {.name = "compressor threshold",
         .page = PageComp,
         .input = Input::Keyboard,
         .value = FieldWord(&devsim::ChannelFields::comp, 6),
         .act = [](int ch) { SliderByKeys("isCompThreshold", ch); },
         .outputsOnly = true},
        {.name = "compressor ratio",
         .page = PageComp,
         .input = Input::Mouse,
         .value = FieldWord(&devsim::ChannelFields::comp, 0),
         .act = [](int ch) { SliderByMouse("isCompRatio", ch); },
         .outputsOnly = true},
        {.name = "compressor ratio",
         .page = PageComp,
         .input = Input::Keyboard,
         .value = FieldWord(&devsim::ChannelFields::comp, 0),
         .act = [](int ch) { SliderByKeys("isCompRatio", ch); },
         .outputsOnly = true},
        {.name = "compressor attack",
         .page = PageComp,
         .input = Input::Mouse,
         .value = FieldWord(&devsim::ChannelFields::comp, 2),
         .act = [](int ch) { SliderByMouse("isCompAttack", ch); },
         .outputsOnly = true},
        {.name = "compressor attack",
         .page = PageComp,
         .input = Input::Keyboard,
         .value = FieldWord(&devsim::ChannelFields::comp, 2),
         .act = [](int ch) { SliderByKeys("isCompAttack", ch); },
         .outputsOnly = true},
        {.name = "compressor release",
         .page = PageComp,
         .input = Input::Mouse,
         .value = FieldWord(&devsim::ChannelFields::comp, 4),
         .act = [](int ch) { SliderByMouse("isCompRelease", ch); },
         .outputsOnly = true},
        {.name = "compressor release",
         .page = PageComp,
         .input = Input::Keyboard,
         .value = FieldWord(&devsim::ChannelFields::comp, 4),
         .act = [](int ch) { SliderByKeys("isCompRelease", ch); },
         .outputsOnly = true},
        // Routing: each output's own, never its group's.
        {.name = "In A routing",
         .page = PageMatrix,
         .input = Input::Mouse,
         .value = FieldWord(&devsim::ChannelFields::source),
         .act = [](int ch) { Click(Control<TRzBmpButton>("rzbAMatrix", ch)); },
         .outputsOnly = true,
         .followsLink = false},
        {.name = "In B routing",
         .page = PageMatrix,
         .input = Input::Keyboard,
         .value = FieldWord(&devsim::ChannelFields::source),
         .act = [](int ch) { ButtonByKeys(Control<TRzBmpButton>("rzbBMatrix", ch)); },
         .outputsOnly = true,
         .followsLink = false},
        // Names: a click on the name label opens the name dialog; OK by the mouse or Enter.
        {.name = "channel name",
         .page = PageMatrix,
         .input = Input::Mouse,
         .value = Name(),
         .act =
             [](int ch) {
                 TestScript::ExpectModal("fmChannelName", [](TCustomForm &) {
                     Focus(*fmChannelName->edName);
                     for (QChar c : QStringLiteral("Mouse"))
                         TInputRouter::Char(c);
                     TInputRouter::Click(fmChannelName,
                                         fmChannelName->ScreenToClient(
                                             fmChannelName->btnOK->ClientToScreen(Centre(*fmChannelName->btnOK))));
                 });
                 Click(Control<TControl>("lbMatrixChName", ch));
             },
         .followsLink = false,
         .expected =
             [](int) {
                 std::int64_t v = 0;
                 std::memcpy(&v, "Mouse\0\0\0", 8);
                 return std::optional<std::int64_t>(v);
             }},
        {.name = "channel name",
         .page = PageMatrix,
         .input = Input::Keyboard,
         .value = Name(),
         .act =
             [](int ch) {
                 TestScript::ExpectModal("fmChannelName", [](TCustomForm &) {
                     Focus(*fmChannelName->edName);
                     Type(QStringLiteral("Keys1234"));
                 });
                 Click(Control<TControl>("lbMatrixChName", ch));
             },
         .followsLink = false,
         .expected =
             [](int) {
                 std::int64_t v = 0;
                 std::memcpy(&v, "Keys1234", 8);
                 return std::optional<std::int64_t>(v);
             }},
    };
    cases.insert(cases.end(), rest.begin(), rest.end());
    return cases;
}

// --- The curves ----------------------------------------------------------------------------------------

// The window's curve model of the channel follows the device model: every band slot holds its
// band's frequency and gain (a bypassed band is flat), each crossover total its frequency.
void ExpectCurveModelFollows(int ch, const std::string &name)
{
    const LUnitControl &model = fmMain->Session().Model();
    const Plot &plot = *fmMain->GetPlot(ch);
    for (int band = 0; band < BandCount(ch); ++band) {
        const PeqBandRecord rec = model.GetPeqBand(ch, band);
        const PlotFilter &slot = *plot.Filters[static_cast<std::size_t>(band)];
        EXPECT_NEAR(slot.Frequency, IndexToFreq(rec.Freq), IndexToFreq(rec.Freq) * 1e-4)
            << name << ": band " << band + 1;
        if (!model.IsPeqBandBypassed(ch, band) && rec.Type <= static_cast<int>(PeqType::HighShelf)) {
            EXPECT_NEAR(slot.Gain, IndexToGain(rec.Gain), 0.06) << name << ": band " << band + 1;
        }
    }
    const CrossoverRecord x = model.GetCrossover(ch);
    EXPECT_NEAR(plot.Filters[PlotCurveSlots::HighPassTotal]->Frequency, IndexToFreq(x.HighPass.Freq),
                IndexToFreq(x.HighPass.Freq) * 1e-4)
        << name;
    EXPECT_NEAR(plot.Filters[PlotCurveSlots::LowPassTotal]->Frequency, IndexToFreq(x.LowPass.Freq),
                IndexToFreq(x.LowPass.Freq) * 1e-4)
        << name;
}

// Whether a rendered pixel shows a framework colour: the selected band's translucent fill may lie
// over it and tint it.
bool Shows(QRgb pixel, TColor colour)
{
    constexpr int Tint = 0x50;
    const auto c = static_cast<std::uint32_t>(colour);
    return std::abs(qRed(pixel) - static_cast<int>(c & 0xFF)) <= Tint &&
           std::abs(qGreen(pixel) - static_cast<int>(c >> 8 & 0xFF)) <= Tint &&
           std::abs(qBlue(pixel) - static_cast<int>(c >> 16 & 0xFF)) <= Tint;
}

// The text the plot writes for a frequency.
QString FrequencyText(double hz)
{
    const auto f = static_cast<double>(static_cast<float>(hz));
    return f < 1000 ? QString::asprintf("%4.1fHz", f) : QString::asprintf("%4.2fKHz", f * 0.001);
}

// What the shown plot of the channel draws follows the model: each band's marker stands at its
// band's frequency (its place, and its pixels where no later marker covers them), the selected
// band's text names that frequency beside its marker, and the channel total runs through the
// pixels of the curve model at a few frequencies.
void ExpectPlotDrawsTheModel(int ch, const std::string &name)
{
    const LUnitControl &model = fmMain->Session().Model();
    const Plot &plot = *fmMain->GetPlot(ch);
    LMyFFTDrawPhase &control = *plot.Control;
    const QImage image = RenderControlImage(&control).convertToFormat(QImage::Format_RGB32);
    const TPoint origin = control.GetPlotOrigin();
    // Curve-area pixels.
    const auto pixel = [&](int x, int y) {
        return image.valid(origin.X + x, origin.Y + y) ? image.pixel(origin.X + x, origin.Y + y) : QRgb{};
    };
    const auto inArea = [&](TPoint p) {
        return p.X >= 0 && p.Y >= 0 && p.X < control.GetPlotWidth() && p.Y < control.GetPlotHeight();
    };
    // The markers in their drawing order: the bands, then the crossovers' squares.
    std::vector<int> drawn;
    for (int band = 0; band < BandCount(ch); ++band)
        drawn.push_back(band);
    drawn.push_back(PlotCurveSlots::HighPassTotal);
    drawn.push_back(PlotCurveSlots::LowPassTotal);
    const auto near = [](TPoint a, TPoint b, int reach) {
        return std::abs(a.X - b.X) < reach && std::abs(a.Y - b.Y) < reach;
    };
    for (std::size_t k = 0; k < drawn.size() && drawn[k] < PlotCurveSlots::HighPassTotal; ++k) {
        const int band = drawn[k];
        const double x = control.ScreenX(FrequencyToCurveX(IndexToFreq(model.GetPeqBand(ch, band).Freq)));
        const TPoint marker = control.GetBlockPos(band);
        EXPECT_NEAR(marker.X, x, 1.0) << name << ": band " << band + 1 << " marker";
        const bool covered = std::any_of(drawn.begin() + static_cast<std::ptrdiff_t>(k) + 1, drawn.end(),
                                         [&](int later) { return near(control.GetBlockPos(later), marker, 12); });
        if (covered || !inArea(marker))
            continue;
        // The marker's ring in its band's colour, centred on the band's frequency.
        const auto colour = static_cast<TColor>(BandColorAt(band));
        double sum = 0;
        int count = 0;
        for (int dy = -6; dy <= 6; ++dy)
            for (int dx = -6; dx <= 6; ++dx)
                if (Shows(pixel(marker.X + dx, marker.Y + dy), colour)) {
                    sum += marker.X + dx;
                    ++count;
                }
        ASSERT_GT(count, 0) << name << ": band " << band + 1 << " marker not drawn";
        EXPECT_NEAR(sum / count, marker.X, 1.0) << name << ": band " << band + 1 << " marker drawn off its place";
    }
    // A band's (or crossover's) text stands beside its marker and names its frequency.
    const CrossoverRecord crossover = model.GetCrossover(ch);
    const auto frequencyOf = [&](int slot) {
        return IndexToFreq(slot == PlotCurveSlots::HighPassTotal  ? crossover.HighPass.Freq
                           : slot == PlotCurveSlots::LowPassTotal ? crossover.LowPass.Freq
                                                                  : model.GetPeqBand(ch, slot).Freq);
    };
    for (const TDrawnText &text : control.DrawnParamTexts()) {
        if (!text.Text.endsWith(QStringLiteral("Hz")))
            continue;
        std::vector<std::string> beside;
        for (int slot : drawn)
            if (control.GetBlockPos(slot).X == text.X + 20)
                beside.push_back(FrequencyText(frequencyOf(slot)).toStdString());
        EXPECT_THAT(beside, ::testing::Contains(text.Text.toStdString()))
            << name << ": the text at " << text.X << ", " << text.Y;
    }
    // The total where no marker, marker caption or parameter text lies over it.
    const auto covered = [&](TPoint at) {
        const bool byMarker = std::any_of(drawn.begin(), drawn.end(), [&](int slot) {
            const int dx = at.X - control.GetBlockPos(slot).X;
            const int dy = at.Y - control.GetBlockPos(slot).Y;
            return (std::abs(dx) <= 6 && std::abs(dy) <= 6) || (dx >= -10 && dx <= 18 && dy >= -26 && dy <= -8);
        });
        const auto &texts = control.DrawnParamTexts();
        return byMarker || std::any_of(texts.begin(), texts.end(), [&](const TDrawnText &t) {
                   return at.X > t.X - 3 && at.X < t.X + 60 && at.Y > t.Y - 3 && at.Y < t.Y + 16;
               });
    };
    TColor total = clNone;
    ASSERT_TRUE(control.GetPlotColor(total, PlotCurveSlots::ChannelTotal)) << name;
    const ResponseCurve &curve = plot.Filters[PlotCurveSlots::ChannelTotal]->Response;
    int checked = 0;
    const double first = FrequencyToCurveX(22.0), last = FrequencyToCurveX(20000.0);
    for (int k = 0; k < 24; ++k) {
        const auto i = static_cast<std::size_t>(first + (last - first) * k / 23);
        const TPoint at(static_cast<int>(control.ScreenX(static_cast<double>(i))),
                        static_cast<int>(control.ScreenY(curve[i])));
        if (!inArea(at) || covered(at))
            continue;
        bool found = false;
        bool underText = false;  // a white text (a caption, "BYPASS") over the curve
        for (int dy = -2; dy <= 2 && !found; ++dy) {
            found = Shows(pixel(at.X, at.Y + dy), total);
            underText = underText || qGray(pixel(at.X, at.Y + dy)) >= 0xE0;
        }
        if (underText && !found)
            continue;
        EXPECT_TRUE(found) << name << ": total curve not drawn at " << CurveFrequency(static_cast<int>(i)) << " Hz ("
                           << at.X << ", " << at.Y << ")";
        ++checked;
    }
    EXPECT_GE(checked, 4) << name << ": too few points of the total in sight";
}

// --- The presets -----------------------------------------------------------------------------------------

// The editor holds the processor's presets: each slot's stored flag, and its name in the store and
// recall lists.
void ExpectPresetsEqual(SimulatedProcessor &processor, const std::string &name)
{
    const devsim::ProcessorState state = processor.State();
    const LUnitControl &model = fmMain->Session().Model();
    for (int slot = 0; slot < PresetCount; ++slot) {
        const auto &preset = state.presets[static_cast<std::size_t>(slot)];
        std::string presetName(reinterpret_cast<const char *>(preset.data()) + devsim::kPresetName,
                               devsim::kPresetNameSize);
        std::replace(presetName.begin(), presetName.end(), '\0', ' ');
        EXPECT_EQ(model.IsPresetStored(slot), state.stored[static_cast<std::size_t>(slot)])
            << name << ": preset " << slot;
        EXPECT_EQ(fmStorePreset->RowName(slot), presetName) << name << ": preset " << slot;
        EXPECT_EQ(fmRecallPreset->RowName(slot + 1), presetName) << name << ": preset " << slot;
    }
}

// --- The run ---------------------------------------------------------------------------------------------

struct Configuration {
    const char *name;
    // Rows of the link dialog's Out 1 column pressed before the cases (2: Out 2 ... 4: Out 4).
    std::vector<int> linkedRows;
    // Instead the rows' own buttons are pressed: their channels leave the group.
    bool unlink = false;
    // The pages edited, and whether every band is edited on each.
    std::vector<int> pages;
    bool everyBand;
};

// Links the outputs through the link dialog: the rows' buttons in the Out 1 column (or, to unlink
// them, in their own column), then Set.
void LinkSteps(EditorRun &run, SimulatedProcessor &processor, const Configuration &config)
{
    run.Step(std::string(config.name) + ": link", SessionSettled,
             [&processor, rows = config.linkedRows, unlink = config.unlink] {
                 processor.sim.ClearFrameLog();
                 TestScript::ExpectModal("fmLinkSel", [rows, unlink](TCustomForm &form) {
                     for (int row : rows) {
                         auto *button = dynamic_cast<TRzBmpButton *>(
                             form.FindComponent(QStringLiteral("rzb%1LinkOut%2").arg(row).arg(unlink ? row : 1)));
                         ASSERT_NE(button, nullptr) << row;
                         TInputRouter::Click(&form, form.ScreenToClient(button->ClientToScreen(Centre(*button))));
                         EXPECT_TRUE(button->Down()) << row;
                     }
                     TInputRouter::Click(
                         &form, form.ScreenToClient(fmLinkSel->bnSet->ClientToScreen(Centre(*fmLinkSel->bnSet))));
                 });
                 // The new members take their head's settings and the processor is read again, behind the
                 // progress window.
                 TestScript::ExpectModal(
                     "fmProcess", [](TCustomForm &) {}, true, 15000);
                 auto *entry = dynamic_cast<TMenuItem *>(fmMain->FindComponent(QStringLiteral("Link")));
                 ASSERT_NE(entry, nullptr);
                 entry->Click();
             });
    // Linking reads the processor again: the last program block, then the level poll once more.
    run.Step(
        std::string(config.name) + ": read again",
        [&processor] {
            const auto log = processor.sim.FrameLog();
            const auto last = std::find_if(log.rbegin(), log.rend(), [](const devsim::LoggedFrame &f) {
                return f.command == CMD_READ_PROGRAM_BLOCK && !f.payload.empty() && f.payload[0] == LastImageBlock;
            });
            return last != log.rend() && std::any_of(log.rbegin(), last, [](const devsim::LoggedFrame &f) {
                       return f.command == CMD_LEVELS;
                   });
        },
        [] {}, 10, 15000);
    SettledStep(run, processor, std::string(config.name) + ": linked", 10, 15000);
    run.Step(std::string(config.name) + ": masks", SessionSettled, [rows = config.linkedRows, unlink = config.unlink] {
        int mask = 1;
        for (int row : rows)
            mask |= unlink ? 0 : 1 << (row - 1);
        EXPECT_EQ(fmMain->Session().Model().GetLinkMask(ChOut1), mask);
        for (int row : rows)
            EXPECT_EQ(fmMain->Session().Model().GetLinkMask(ChOut1 + row - 1), unlink ? 1 << (row - 1) : 0) << row;
    });
}

void CaseSteps(EditorRun &run, SimulatedProcessor &processor, const Configuration &config, int page,
               const ControlCase &c)
{
    const std::string name = std::string(config.name) + ", page " + PageSuffix(page).toStdString() + ": " + c.name +
                             (c.input == Input::Mouse ? " by the mouse" : " by the keyboard");
    struct State {
        int head = 0;
        std::int64_t before = 0;
        std::uint64_t movedAt = 0;  // the clock when the user acted
    };
    auto state = std::make_shared<State>();
    run.Step(name, SessionSettled, [state, page, c, name] {
        if (std::getenv("SCENARIO_TRACE"))
            std::fprintf(stderr, "CASE %s\n", name.c_str());
        const int head = fmMain->Pages().ShownChannel(page);
        state->head = head;
        ShowPage(page);
        if (c.page != OwnPage)
            ShowPage(c.page);
        state->before = c.value(ModelImage(), head);
        try {
            c.act(head);
        } catch (const std::exception &) {
        }
        state->movedAt = TManualClock::Milliseconds();
    });
    auto since = std::make_shared<std::chrono::steady_clock::time_point>();
    auto started = std::make_shared<bool>(false);
    run.Step(
        name + ": processor equals model",
        [&processor, state, c, since, started] {
            const auto now = std::chrono::steady_clock::now();
            if (!*started) {
                *started = true;
                *since = now;
            }
            if (now - *since > std::chrono::milliseconds(1500))
                return true;
            // The curves follow one tick of their 1 ms timers after the move.
            if (TManualClock::Milliseconds() < state->movedAt + 2)
                return false;
            const devsim::Image model = ModelImage();
            return SessionSettled() && c.value(model, state->head) != state->before && model == processor.Program();
        },
        [&processor, state, c, name] {
            const devsim::Image model = ModelImage();
            const devsim::Image device = processor.Program();
            const int head = state->head;
            const std::int64_t now = c.value(model, head);
            EXPECT_NE(now, state->before) << name << ": the model did not change";
            if (c.expected) {
                if (const auto expected = c.expected(head)) {
                    EXPECT_EQ(now, *expected) << name;
                }
            }
            EXPECT_TRUE(model == device) << name << ":" << Differences(model, device);
            if (c.followsLink) {
                const int group = fmMain->Pages().GetLinkGroupMask(head);
                for (int k = 0; k < LinkGroups::SideChannelCount(head); ++k) {
                    if (group >> k & 1) {
                        EXPECT_EQ(c.value(model, LinkGroups::SideChannel(head, k)), now)
                            << name << ": channel " << LinkGroups::SideChannel(head, k);
                    }
                }
            }
            ExpectPresetsEqual(processor, name);
            // A channel page shows the head's plot: its curve model follows the device model, and
            // the plot draws it.
            if (fmMain->Pages().GetCurrentPage() < PageComp) {
                ExpectCurveModelFollows(head, name);
                ExpectPlotDrawsTheModel(head, name);
            }
        },
        1, 10000);
}

// Every output page of a linked group shows the head's plot, and once unlinked each its own: on
// the page of the member the bands were edited on and on its partners' pages, the plot draws the
// model. The Gain page draws the total of every channel whose switch is on, and offers no switch
// for a member (a member's own plot is not kept while it is linked, and shows nowhere).
void GroupPagesSteps(EditorRun &run, const Configuration &config)
{
    std::vector<int> pages = {ChOut1};
    for (int row : config.linkedRows)
        pages.push_back(ChOut1 + row - 1);
    const bool unlink = config.unlink;
    for (int page : pages) {
        const std::string name = std::string(config.name) + ", page " + PageSuffix(page).toStdString();
        run.Step(name + ": shown", SessionSettled, [page] { ShowPage(page); });
        run.After(name + ": drawn", 20, [page, name, unlink] {
            const int shown = fmMain->Pages().ShownChannel(page);
            EXPECT_EQ(shown, unlink ? page : ChOut1) << name;
            ExpectCurveModelFollows(shown, name);
            ExpectPlotDrawsTheModel(shown, name);
        });
    }
    const std::string name = std::string(config.name) + ", Gain page";
    run.Step(name + ": shown", SessionSettled, [] { ShowPage(PageGain); });
    run.After(name + ": drawn", 20, [pages, name, unlink] {
        auto *gainPlot = Find<LMyFFTDrawPhase>(QStringLiteral("fftDrawGainOut"));
        ASSERT_NE(gainPlot, nullptr);
        for (int channel : pages) {
            std::vector<double> shown(ResponsePointCount);
            const bool drawn = gainPlot->GetPlotY(shown, channel);
            const std::string which = name + ": the curve of " + PageSuffix(channel).toStdString();
            // A member's switch went off when it joined the group, and stays off when it leaves.
            auto *toggle = Find<TVrPowerButton>(QStringLiteral("vrbShow") + ChannelCharacter(channel) + "Gain");
            ASSERT_NE(toggle, nullptr) << which;
            EXPECT_EQ(toggle->Visible(), unlink || channel == ChOut1) << which;
            EXPECT_EQ(drawn, toggle->Active()) << which;
            if (!drawn)
                continue;
            const ResponseCurve &total = fmMain->GetPlot(channel)->Filters[PlotCurveSlots::ChannelTotal]->Response;
            EXPECT_TRUE(std::equal(shown.begin(), shown.end(), total.begin())) << which;
        }
    });
}

TEST(ScenarioPages, EveryControlOfEveryPageReachesTheProcessorAloneAndLinked)
{
    EditorRun run;
    SimulatedProcessor processor(Link::Tcp, run);
    if (std::getenv("SCENARIO_TRACE"))
        processor.sim.SetTrace([](const std::string &line) { std::fprintf(stderr, "SIM %s\n", line.c_str()); });
    ConnectSteps(run, processor);
    SettledStep(run, processor, "connected");
    const Configuration configurations[] = {
        {.name = "alone", .linkedRows = {}, .pages = {ChInA, ChInB, ChOut1, ChOut2, ChOut3, ChOut4}, .everyBand = true},
        {.name = "two outputs linked", .linkedRows = {2}, .pages = {ChOut2}, .everyBand = false},
        {.name = "four outputs linked", .linkedRows = {2, 3, 4}, .pages = {ChOut4}, .everyBand = false},
        {.name = "unlinked again", .linkedRows = {2, 3, 4}, .unlink = true, .pages = {}, .everyBand = false},
    };
    for (const Configuration &config : configurations) {
        if (!config.linkedRows.empty())
            LinkSteps(run, processor, config);
        for (int page : config.pages)
            for (const ControlCase &c : Cases(config.everyBand))
                if (!c.outputsOnly || IsOutput(page))
                    CaseSteps(run, processor, config, page, c);
        if (!config.linkedRows.empty())
            GroupPagesSteps(run, config);
    }
    run.Close();
    EXPECT_EQ(run.Start(), 0);
    EXPECT_TRUE(run.Script().Failures().empty());
}

}  // namespace

namespace {

// A few of the cases over the other two links: the pseudo-terminal given to the serial port table
// and the HID test backend.
TEST(ScenarioPages, AFewControlsReachTheProcessorOverThePseudoTerminalAndHid)
{
    struct Pick {
        const char *name;
        Input input;
    };
    const Pick picks[] = {{"gain slider", Input::Mouse},
                          {"band 2 gain typed in its table", Input::Keyboard},
                          {"high-pass frequency slider", Input::Mouse},
                          {"low-pass Linkwitz-Riley slope", Input::Mouse},
                          {"In A routing", Input::Mouse}};
    for (const Link link : {Link::Pty, Link::Hid}) {
        SCOPED_TRACE(LinkName(link));
        EditorRun run;
        SimulatedProcessor processor(link, run);
        ConnectSteps(run, processor);
        SettledStep(run, processor, "connected");
        const Configuration config{.name = LinkName(link), .linkedRows = {}, .pages = {ChOut1}, .everyBand = false};
        int picked = 0;
        for (const ControlCase &c : Cases(false)) {
            const bool wanted = std::any_of(std::begin(picks), std::end(picks),
                                            [&c](const Pick &p) { return c.name == p.name && c.input == p.input; });
            if (wanted) {
                CaseSteps(run, processor, config, ChOut1, c);
                ++picked;
            }
        }
        EXPECT_EQ(picked, static_cast<int>(std::size(picks)));
        run.Close();
        EXPECT_EQ(run.Start(), 0);
        EXPECT_TRUE(run.Script().Failures().empty());
    }
}

}  // namespace
