// Every kind of control of the channel pages, moved by a user once with the mouse and once with the
// keyboard, on the whole editor connected to the simulated processor over TCP: each channel alone,
// then with two and with four outputs linked. After every move the value reaches the model (and
// the whole link group), the processor's image equals the model, and the curve model of the page's plot follows.

#include "EditorUser.h"

#include "curves/LMyFFTDrawPhase.h"
#include "curves/MyPEQAllpass.h"
#include "curves/Plot.h"
#include "device/GlobalConstants.h"
#include "devsim/ImageLayout.h"
#include "dialogs/FChannelName.h"
#include "dialogs/FLinkSel.h"
#include "pages/CurveSynthesis.h"
#include "pages/LinkGroups.h"
#include "pages/PageSwitch.h"
#include "platform/ui/Edit.h"
#include "platform/ui/Menus.h"
#include "widgets/graphics/CurvyEdit.h"
#include "widgets/skinned/RzBmpBtn.h"
#include "widgets/skinned/RzButton.h"
#include "widgets/skinned/RzCmboBx.h"

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
                 Type(QStringLiteral("10.5"));
             },
         .expected = [](int) { return std::optional<std::int64_t>(504); }},
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
    // A slope of each family (items 0-7 Butterworth, 8-15 Bessel, 16-19 Linkwitz-Riley) on both.
    struct Slope {
        const char *family;
        int item;
    };
    for (const Slope slope : {Slope{"Butterworth", 3}, Slope{"Bessel", 10}, Slope{"Linkwitz-Riley", 17}}) {
        for (const bool highPass : {true, false}) {
            const char *combo = highPass ? "rzcLowCutSlop" : "rzcHighCutSlop";
            cases.push_back(
                {.name = std::string(highPass ? "high-pass " : "low-pass ") + slope.family + " slope",
                 .page = OwnPage,
                 .input = Input::Keyboard,
                 .value = FieldRecord(highPass ? &devsim::ChannelFields::highPass : &devsim::ChannelFields::lowPass),
                 .act =
                     [combo, slope, highPass](int ch) {
                         // A bypassed filter takes no slope: its bypass goes off first.
                         auto &bypass = Control<TRzBmpButton>(highPass ? "rzbLowCutBypass" : "rzbHighCutBypass", ch);
                         if (bypass.Down())
                             Click(bypass);
                         ComboByKeys(Control<TRzComboBox>(combo, ch), slope.item);
                     },
                 .expected =
                     [highPass, slope](int ch) {
                         const CrossoverRecord x = fmMain->Session().Model().GetCrossover(ch);
                         const PassFilterRecord f = highPass ? x.HighPass : x.LowPass;
                         return std::optional<std::int64_t>(std::int64_t{slope.item + 1} | std::int64_t{f.Freq} << 16);
                     }});
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

// --- The run ---------------------------------------------------------------------------------------------

struct Configuration {
    const char *name;
    // Rows of the link dialog's Out 1 column pressed before the cases (2: Out 2 ... 4: Out 4).
    std::vector<int> linkedRows;
    // The pages edited, and whether every band is edited on each.
    std::vector<int> pages;
    bool everyBand;
};

// Links the outputs through the link dialog: the rows' buttons in the Out 1 column, then Set.
void LinkSteps(EditorRun &run, SimulatedProcessor &processor, const Configuration &config)
{
    run.Step(std::string(config.name) + ": link", SessionSettled, [&processor, rows = config.linkedRows] {
        processor.sim.ClearFrameLog();
        TestScript::ExpectModal("fmLinkSel", [rows](TCustomForm &form) {
            for (int row : rows) {
                auto *button =
                    dynamic_cast<TRzBmpButton *>(form.FindComponent(QStringLiteral("rzb%1LinkOut1").arg(row)));
                ASSERT_NE(button, nullptr) << row;
                TInputRouter::Click(&form, form.ScreenToClient(button->ClientToScreen(Centre(*button))));
                EXPECT_TRUE(button->Down()) << row;
            }
            TInputRouter::Click(&form,
                                form.ScreenToClient(fmLinkSel->bnSet->ClientToScreen(Centre(*fmLinkSel->bnSet))));
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
    run.Step(std::string(config.name) + ": masks", SessionSettled, [rows = config.linkedRows] {
        int mask = 1;
        for (int row : rows)
            mask |= 1 << (row - 1);
        EXPECT_EQ(fmMain->Session().Model().GetLinkMask(ChOut1), mask);
        for (int row : rows)
            EXPECT_EQ(fmMain->Session().Model().GetLinkMask(ChOut1 + row - 1), 0) << row;
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
            // A channel page shows the head's plot: its curve model follows the device model.
            if (fmMain->Pages().GetCurrentPage() < PageComp)
                ExpectCurveModelFollows(head, name);
        },
        1, 10000);
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
    };
    for (const Configuration &config : configurations) {
        if (!config.linkedRows.empty())
            LinkSteps(run, processor, config);
        for (int page : config.pages)
            for (const ControlCase &c : Cases(config.everyBand))
                if (!c.outputsOnly || IsOutput(page))
                    CaseSteps(run, processor, config, page, c);
    }
    run.Close();
    EXPECT_EQ(run.Start(), 0);
    EXPECT_TRUE(run.Script().Failures().empty());
}

}  // namespace
