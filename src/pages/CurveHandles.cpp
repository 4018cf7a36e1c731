#include "pages/CurveHandles.h"

#include "curves/LMyFFTDrawPhase.h"
#include "curves/MyPEQAllpass.h"
#include "curves/Plot.h"
#include "device/GlobalConstants.h"
#include "device/LUnitControl.h"
#include "pages/CrossoverEditor.h"
#include "pages/CurveSynthesis.h"
#include "pages/PageControls.h"
#include "platform/runtime/Timer.h"
#include "platform/ui/CanvasGdi.h"
#include "platform/ui/Label.h"
#include "widgets/graphics/AdvTrackBar.h"
#include "widgets/graphics/CurvyEdit.h"
#include "widgets/skinned/RzBmpBtn.h"
#include "widgets/skinned/RzCmboBx.h"

#include <algorithm>
#include <cmath>

namespace {

// A handle is hit within 4 pixels left or right and less than 2 dB above or below it.
constexpr int HitPixels = 5;
constexpr int HitDb = 2;
// A band is dragged within the processor's range; frequencies snap to the 1/30-octave grid.
constexpr double DragGainLimit = 12.0;
constexpr double LowestDragFreq = 19.6;
constexpr double LowestGridFreq = 19.7;
constexpr double HighestDragFreq = 20160.0;
constexpr int HighestFreqIndex = 300;
constexpr TColor DraggedEditColour = 0x008000;
constexpr TColor EditColour = 0x000000;

// The x position on the curves' point axis under control pixel x.
double CurveXAt(const LMyFFTDrawPhase &plot, int x)
{
    return plot.XMin() +
           static_cast<double>(x - plot.GetPlotOrigin().X) / plot.GetPlotWidth() * (plot.XMax() - plot.XMin());
}

// The plot's value at control pixel y, negated (the y axis grows downward).
double NegatedValueAt(const LMyFFTDrawPhase &plot, int y)
{
    return plot.YMin() +
           static_cast<double>(y - plot.GetPlotOrigin().Y) / plot.GetPlotHeight() * (plot.YMax() - plot.YMin());
}

// The negated gain of a marker slot: the band's table row, 0 dB for the crossovers.
double NegatedMarkerGain(const TMyPEQAllpass &table, int slot)
{
    return slot < PlotCurveSlots::HighPassTotal ? -table.GetGainValue(slot) : 0.0;
}

}  // namespace

double CurveHandles::HoverScale()
{
    return GetDeviceCaps(nullptr, LOGPIXELSX) == 96 ? 1.5 : 1.0;
}

LMyFFTDrawPhase *CurveHandles::ChannelPlot(TObject *sender) const
{
    auto *plot = SenderAs<LMyFFTDrawPhase>(sender);
    if (!plot || plot != FindChannelControl<LMyFFTDrawPhase>(host_, "fftDraw", TagChannel(*plot)))
        return nullptr;
    return plot->GetPlotWidth() > 0 && plot->GetPlotHeight() > 0 ? plot : nullptr;
}

std::vector<int> CurveHandles::HandleSlots(const TMyPEQAllpass &table) const
{
    std::vector<int> handles{PlotCurveSlots::LowPassTotal, PlotCurveSlots::HighPassTotal};
    for (int band = std::min(table.GetChannelNumber(), PlotCurveSlots::LastBand + 1) - 1; band >= 0; --band)
        handles.push_back(band);
    return handles;
}

bool CurveHandles::Hit(const LMyFFTDrawPhase &plot, const TMyPEQAllpass &table, int slot, int x, int y,
                       double scale) const
{
    const TPoint marker = plot.GetBlockPos(slot);
    const auto px = static_cast<int>(std::trunc(marker.X * scale));
    const auto mx = static_cast<int>(std::trunc((x - plot.GetPlotOrigin().X) * scale));
    const double g = NegatedMarkerGain(table, slot);
    double yl = std::trunc(static_cast<double>(y - plot.GetPlotOrigin().Y) / plot.GetPlotHeight() *
                           (plot.YMax() - plot.YMin())) +
                plot.YMin();
    if (g > 0)
        yl += 1;
    const auto d = static_cast<int>(std::trunc(std::abs(yl - g)));
    return std::abs(mx - px) < HitPixels && d < HitDb;
}

// ---- Press -----------------------------------------------------------------------------------------

void CurveHandles::fftDrawInAMouseDown(TObject *Sender, TMouseButton Button, TShiftState, int X, int Y)
{
    peq_.SetDragHandle(-1);
    dragPlot_ = nullptr;
    LMyFFTDrawPhase *plot = ChannelPlot(Sender);
    const int c = plot ? TagChannel(*plot) : -1;
    auto *table = FindChannelControl<TMyPEQAllpass>(host_, "peqPeq", c);
    if (!table || Button != mbLeft)
        return;
    WatchCapture(*plot);
    for (int slot : HandleSlots(*table)) {
        if (!Hit(*plot, *table, slot, X, Y, 1.0))
            continue;
        peq_.SetDragHandle(slot);
        dragPlot_ = plot;
        // A crossover square wins over every band marker below it.
        auto *button = PeqBandButton(host_, c, slot);
        if (slot >= PlotCurveSlots::HighPassTotal || !button)
            return;
        // Selected as by the user's click on the band button; overlapping bands leave the lowest.
        button->SetDown(true);
        button->Click();
    }
}

// ---- Hover and drag --------------------------------------------------------------------------------

void CurveHandles::fftDrawInAMouseMove(TObject *Sender, TShiftState, int X, int Y)
{
    if (TPoint(X, Y) == lastMouse_)
        return;
    lastMouse_ = TPoint(X, Y);
    auto *control = SenderAs<LMyFFTDrawPhase>(Sender);
    LMyFFTDrawPhase *plot = ChannelPlot(Sender);
    const int c = plot ? TagChannel(*plot) : -1;
    auto *table = FindChannelControl<TMyPEQAllpass>(host_, "peqPeq", c);
    const int k = peq_.GetDragHandle();
    if (k == -1) {
        if (!control)
            return;
        control->SetCursor(crDefault);
        if (!table)
            return;
        const double scale = HoverScale();
        for (int slot : HandleSlots(*table))
            if (Hit(*plot, *table, slot, X, Y, scale)) {
                control->SetCursor(crCross);
                return;
            }
        return;
    }
    if (!table || plot != dragPlot_)
        return;
    double yv = NegatedValueAt(*plot, Y);
    if (NegatedMarkerGain(*table, k) > 0)
        yv += 1;
    yv = std::clamp(yv, -DragGainLimit, DragGainLimit);
    const double gain = std::trunc(-yv * 10) * 0.1;
    double freq = std::pow(10.0, std::log10(48000.0) * CurveXAt(*plot, X) * (1.0 / ResponsePointCount));
    freq = IndexToFreq(FreqToIndex(freq));
    if (freq < LowestDragFreq)
        freq = LowestGridFreq;
    else if (freq > HighestDragFreq)
        freq = HighestDragFreq;
    if (k < PlotCurveSlots::HighPassTotal)
        DragBand(*plot, *table, k, freq, gain);
    else
        DragCrossover(c, *table, k == PlotCurveSlots::HighPassTotal, freq);
}

void CurveHandles::DragBand(LMyFFTDrawPhase &plot, TMyPEQAllpass &table, int band, double freq, double gain)
{
    const int c = TagChannel(plot);
    auto *button = PeqBandButton(host_, c, band);
    auto *timer = FindPageControl<TTimer>(host_, QStringLiteral("tmMouseEqCurve"));
    if (!button || !timer || !FindChannelControl<TLabel>(host_, "lbFftParam", c))
        return;
    const double q = table.GetQValue(band);
    const int type = table.GetTypeValue(band);
    // The table's change handling does nothing while a handle is dragged.
    table.SetFreqValue(band, freq);
    table.SetGainValue(band, gain);
    button->SetDown(true);
    const bool bypass = table.GetBypassValue(band);
    timer->SetEnabled(true);
    pending_ = {.Pending = true,
                .Channel = c,
                .Slot = band,
                .Freq = freq,
                .Gain = gain,
                .Q = q,
                .Type = type,
                .Bypass = bypass};
    PeqBandRecord record{};
    record.Freq = static_cast<std::uint16_t>(std::min(FreqToIndex(freq), HighestFreqIndex));
    record.Gain = static_cast<std::uint16_t>(GainToIndex(gain));
    record.Q = static_cast<std::uint8_t>(QToIndex(q));
    // A row showing no type (one beyond the list) keeps the model's type byte.
    record.Type = type >= 0 ? static_cast<std::uint8_t>(type) : host_.UnitControl().GetPeqBand(c, band).Type;
    table.SetNowIndex(band);
    host_.UnitControl().SetPeqBand(c, band, record, bypass ? 1 : 0);
}

void CurveHandles::DragCrossover(int channel, TMyPEQAllpass &table, bool highPass, double freq)
{
    const FilterControls &names = highPass ? HighPassControls : LowPassControls;
    const auto controls = FindChannelControls<TCurvyEdit, TRzBmpButton, TRzComboBox, TAdvTrackBar>(
        host_, channel, names.Edit, names.Bypass, names.Slope, names.Bar);
    if (!controls)
        return;
    const auto [edit, bypass, slope, bar] = *controls;
    if (highPass)
        edit->SetText(EqFrequencyText(freq));
    // The bar's change handling shows the text, sends the filter and draws it one tick later.
    bar->SetPosition(FreqToIndex(freq));
    const CrossoverRecord crossover = host_.UnitControl().GetCrossover(channel);
    const PassFilterRecord &filter = highPass ? crossover.HighPass : crossover.LowPass;
    const std::uint32_t word = filter.Type | static_cast<std::uint32_t>(static_cast<std::uint16_t>(bar->Position()))
                                                 << 16;
    if (highPass)
        host_.UnitControl().SetHighPass(channel, word);
    else
        host_.UnitControl().SetLowPass(channel, word);
    // No band looks selected while a crossover moves.
    if (const int row = table.GetNowIndex(); row != NoBandRow) {
        auto *button = PeqBandButton(host_, channel, row);
        if (!button)
            return;
        table.SetNowIndex(-1);
        button->SetDown(false);
    }
    edit->Font()->SetColor(DraggedEditColour);
}

void CurveHandles::tmMouseEqCurveTimer(TObject *Sender)
{
    if (auto *timer = SenderAs<TTimer>(Sender))
        timer->SetEnabled(false);
    if (!pending_.Pending)
        return;
    pending_.Pending = false;
    const PendingHandleEdit &e = pending_;
    peq_.ShowEqBandValues(e.Channel, true, e.Q, e.Gain, e.Freq);
    peq_.FocusEqFreqEdit(e.Channel);
    Plot &curves = host_.GetPlot(e.Channel);
    SetBandCurve(*curves.Filters[static_cast<std::size_t>(e.Slot)], e.Gain, e.Freq, e.Q, e.Type, e.Bypass);
    curves.ShowBlock(e.Slot, static_cast<float>(e.Gain), bkCircle);
    curves.ShowSelectedBand(e.Type, e.Slot, static_cast<float>(e.Gain), static_cast<float>(e.Q), true);
    curves.DrawTotal(e.Channel);
    auto *hint = FindChannelControl<TLabel>(host_, "lbFftParam", e.Channel);
    if (!hint)
        return;
    hint->SetVisible(true);
    if (auto *plot = FindChannelControl<LMyFFTDrawPhase>(host_, "fftDraw", e.Channel))
        plot->UpdateCurvePage();
}

// ---- Release ---------------------------------------------------------------------------------------

void CurveHandles::fftDrawInAMouseUp(TObject *Sender, TMouseButton, TShiftState, int, int)
{
    auto *plot = SenderAs<LMyFFTDrawPhase>(Sender);
    EndDrag(plot ? TagChannel(*plot) : -1);
}

void CurveHandles::EndDrag(int channel)
{
    peq_.SetDragHandle(-1);
    dragPlot_ = nullptr;
    for (const char *name : {HighPassControls.Edit, LowPassControls.Edit})
        if (auto *edit = FindChannelControl<TCurvyEdit>(host_, name, channel))
            edit->Font()->SetColor(EditColour);
}

void CurveHandles::WatchCapture(LMyFFTDrawPhase &plot)
{
    if (std::find(watched_.begin(), watched_.end(), &plot) != watched_.end())
        return;
    watched_.push_back(&plot);
    // The plot owns the procedure, so the plot is alive whenever it runs; the pages outlive the
    // form's controls.
    plot.WindowProc = [this, &plot, previous = plot.WindowProc](TMessage &message) {
        if (message.Msg == WM_CAPTURECHANGED && peq_.GetDragHandle() != -1)
            EndDrag(TagChannel(plot));
        previous(message);
    };
}
