#include "pages/PeqEditor.h"

#include "curves/LMyFFTDrawPhase.h"
#include "curves/MyPEQAllpass.h"
#include "curves/PeqBandTexts.h"
#include "curves/Plot.h"
#include "device/GlobalConstants.h"
#include "device/LCmd.h"
#include "device/LUnitControl.h"
#include "pages/CurveSynthesis.h"
#include "pages/PageControls.h"
#include "platform/runtime/Timer.h"
#include "platform/ui/Label.h"
#include "widgets/graphics/AdvTrackBar.h"
#include "widgets/graphics/CurvyEdit.h"
#include "widgets/skinned/RzBmpBtn.h"

namespace {

// Virtual key codes of the frequency text's keys.
constexpr WORD KeyLeft = 37;
constexpr WORD KeyUp = 38;
constexpr WORD KeyRight = 39;
constexpr WORD KeyDown = 40;
constexpr WORD KeyPadPlus = 107;
constexpr WORD KeyPadMinus = 109;
constexpr WORD KeyPlus = 187;
constexpr WORD KeyMinus = 189;

// Largest Q position of the shelves and the band's own low and high pass (Q 3.0).
constexpr int ShelfCutMaxQIndex = 35;
constexpr int TypeChangeQIndex = 10;

// Peak and the two all-passes keep any Q; the shelves and the band's own passes do not.
bool KeepsAnyQ(int peqType)
{
    return peqType == 0 || peqType == 5 || peqType == 6;
}

bool IsShelfOrPass(int peqType)
{
    return peqType >= 1 && peqType <= 4;
}

void Repaint(LMyFFTDrawPhase *plot)
{
    if (plot)
        plot->UpdateCurvePage();
}

}  // namespace

TRzBmpButton *PeqBandButton(PageHost &host, int channel, int band)
{
    const QString suffix = ChannelSuffix(channel);
    if (suffix.isEmpty())
        return nullptr;
    return FindPageControl<TRzBmpButton>(host, QStringLiteral("rzbEq%1").arg(band + 1) + suffix);
}

QString EqFrequencyText(double hz)
{
    if (hz >= 1000.0)
        return QString::asprintf("%4.2f", hz * 0.001) + QStringLiteral("KHz");
    return QString::asprintf(" %4.1f", hz) + QStringLiteral("Hz");
}

QString EqGainText(int gainIndex)
{
    const double dB = (gainIndex - 120) * 0.1;
    return QString::asprintf(gainIndex >= 120 ? "+%3.1f" : "%4.1f", dB) + QStringLiteral("dB");
}

QString EqQText(int qIndex)
{
    return QText(qIndex);
}

// ---- Selecting a band ------------------------------------------------------------------------------

void PeqEditor::SelectBand(int channel, int band, Selection how)
{
    auto *table = FindChannelControl<TMyPEQAllpass>(host_, "peqPeq", channel);
    auto *button = table ? PeqBandButton(host_, channel, band) : nullptr;
    auto *hint = button && how != Selection::First ? FindChannelControl<TLabel>(host_, "lbFftParam", channel) : nullptr;
    if (!button || (how != Selection::First && !hint))
        return;
    button->SetDown(true);
    const double hz = table->GetFreqValue(band);
    const double gain = table->GetGainValue(band);
    const double q = table->GetQValue(band);
    const int type = table->GetTypeValue(band);
    table->SetNowIndex(band);
    ShowEqBandValues(channel, true, q, gain, hz);
    Plot &curves = host_.GetPlot(channel);
    curves.ShowBlock(band, static_cast<float>(gain), bkCircle);
    curves.ShowSelectedBand(type, band, static_cast<float>(gain), static_cast<float>(q), true);
    curves.DrawTotal(channel);
    Repaint(FindChannelControl<LMyFFTDrawPhase>(host_, "fftDraw", channel));
    if (how == Selection::First)
        return;
    hint->SetVisible(true);
    if (how == Selection::Button)
        FocusEqFreqEdit(channel);
}

void PeqEditor::rzbEq1InAClick(TObject *Sender)
{
    if (auto *button = SenderAs<TRzBmpButton>(Sender))
        SelectBand(button->GroupIndex() - 1, static_cast<int>(button->Tag()), Selection::Button);
}

void PeqEditor::peqPeqInAEditMouseDown(TObject *Sender, TMouseButton, TShiftState, int, int)
{
    if (auto *table = SenderAs<TMyPEQAllpass>(Sender))
        SelectBand(TagChannel(*table), table->GetNowIndex(), Selection::Table);
}

void PeqEditor::peqPeqInAPeqTypeMouseWheel(TObject *, TShiftState, int, TPoint, bool &Handled)
{
    Handled = true;
}

void PeqEditor::ShowEqBandValues(int channel, bool enable, double q, double gainDb, double freqHz)
{
    if (host_.IsControlsUpdating())
        return;
    const auto controls =
        FindChannelControls<TAdvTrackBar, TAdvTrackBar, TAdvTrackBar, TCurvyEdit, TCurvyEdit, TCurvyEdit>(
            host_, channel, "isEqFreq", "isEqBw", "isEqGain", "cvdEqFreq", "cvdEqBw", "cvdEqGain");
    if (!controls)
        return;
    const auto [freqBar, qBar, gainBar, freqEdit, qEdit, gainEdit] = *controls;
    ControlsUpdateScope updating(host_);
    freqBar->SetPosition(FreqToIndex(freqHz));
    freqBar->SetEnabled(enable);
    freqEdit->SetText(EqFrequencyText(freqHz));
    gainBar->SetPosition(GainToIndex(gainDb));
    gainBar->SetEnabled(enable);
    gainEdit->SetText(EqGainText(gainBar->Position()));
    qBar->SetPosition(QToIndex(q));
    qBar->SetEnabled(enable);
    qEdit->SetText(EqQText(qBar->Position()));
}

void PeqEditor::FocusEqFreqEdit(int channel)
{
    if (auto *edit = FindChannelControl<TCurvyEdit>(host_, "cvdEqFreq", channel))
        edit->SetFocus();
}

void PeqEditor::ResetEqDisplay()
{
    for (int c = 0; c < ChannelCount; ++c) {
        auto *table = FindChannelControl<TMyPEQAllpass>(host_, "peqPeq", c);
        const int row = table && table->GetNowIndex() != NoBandRow ? table->GetNowIndex() : 0;
        auto *button = table ? PeqBandButton(host_, c, row) : nullptr;
        if (!button)
            return;
        button->SetDown(false);
        ShowEqBandValues(c, false, 0.4, 0.0, 19.7);
        table->SetNowIndex(NoBandRow);
        table->SetNowIndex(-1);
        Plot &curves = host_.GetPlot(c);
        curves.ShowSelectedBand(1, 0, 0.0f, 0.4f, false);
        curves.DrawTotal(c);
        Repaint(FindChannelControl<LMyFFTDrawPhase>(host_, "fftDraw", c));
    }
}

void PeqEditor::SelectFirstEqBand()
{
    for (int c = 0; c < ChannelCount; ++c) {
        if (!FindChannelControl<TMyPEQAllpass>(host_, "peqPeq", c) || !PeqBandButton(host_, c, 0))
            return;
        SelectBand(c, 0, Selection::First);
    }
}

// ---- Table changes ---------------------------------------------------------------------------------

bool PeqEditor::ApplyQRules(TMyPEQAllpass &table, int channel, int row, int type)
{
    const float q = static_cast<float>(table.GetQValue(row));
    const bool typeChanged = host_.UnitControl().GetPeqBand(channel, row).Type != type;
    int corrected = -1;
    if (KeepsAnyQ(type)) {
        const int factoryQ = LUnitControl::GetDefaultPeqBand(channel, row).Q;
        if (typeChanged && q != QfactorAt(factoryQ))
            corrected = factoryQ;
    } else if (IsShelfOrPass(type)) {
        if (!typeChanged && q > static_cast<float>(ShelfCutMaxQ))
            corrected = QToIndex(ShelfCutMaxQ);
        else if (typeChanged && q != static_cast<float>(TypeChangeQ))
            corrected = TypeChangeQIndex;
    }
    if (corrected < 0)
        return false;
    // The table reports the correction, so this handler runs once more (nested) with the new Q.
    table.SetQValue(row, corrected);
    return true;
}

void PeqEditor::peqPeqInAChange(TObject *Sender)
{
    if (dragHandle_ != -1)
        return;
    auto *table = SenderAs<TMyPEQAllpass>(Sender);
    if (!table)
        return;
    const int row = table->GetNowIndex();
    auto *plot = FindChannelControl<LMyFFTDrawPhase>(host_, "fftDraw", TagChannel(*table));
    auto *button = plot ? PeqBandButton(host_, TagChannel(*table), row) : nullptr;
    auto *hint = button ? FindChannelControl<TLabel>(host_, "lbFftParam", TagChannel(*table)) : nullptr;
    const int c = plot ? TagChannel(*plot) : -1;
    if (!hint || c < 0)
        return;
    const int type = table->GetTypeValue(row);
    ApplyQRules(*table, c, row, type);
    const double hz = table->GetFreqValue(row);
    const double gain = table->GetGainValue(row);
    const double q = table->GetQValue(row);
    const bool bypass = table->GetBypassValue(row);
    PeqBandRecord record{};
    record.Freq = static_cast<std::uint16_t>(FreqToIndex(hz));
    record.Gain = static_cast<std::uint16_t>(GainToIndex(gain));
    record.Q = static_cast<std::uint8_t>(QToIndex(q));
    // A row showing no type (the processor or a file stored one beyond the list) keeps the
    // model's type byte.
    record.Type = type >= 0 ? static_cast<std::uint8_t>(type) : host_.UnitControl().GetPeqBand(c, row).Type;
    if (host_.IsControlsUpdating())
        return;
    button->SetDown(true);
    table->SetNowIndex(row);
    Plot &curves = host_.GetPlot(c);
    const int shownType = table->GetTypeValue(row);
    SetBandCurve(*curves.Filters[static_cast<std::size_t>(row)], gain, hz, q, shownType, bypass);
    curves.ShowBlock(row, static_cast<float>(gain), bkCircle);
    curves.ShowSelectedBand(shownType, row, static_cast<float>(gain), static_cast<float>(q), true);
    curves.DrawTotal(c);
    plot->UpdateCurvePage();
    host_.UnitControl().SetPeqBand(c, row, record, bypass ? 1 : 0);
    ShowEqBandValues(c, true, q, gain, hz);
}

// ---- Band editor -----------------------------------------------------------------------------------

void PeqEditor::isEqFreqInAChange(TObject *Sender)
{
    EditorChange(Sender, EditKind::Frequency);
}

void PeqEditor::isEqBwInAChange(TObject *Sender)
{
    EditorChange(Sender, EditKind::Q);
}

void PeqEditor::isEqGainInAChange(TObject *Sender)
{
    EditorChange(Sender, EditKind::Gain);
}

void PeqEditor::EditorChange(TObject *sender, EditKind kind)
{
    if (host_.IsControlsUpdating())
        return;
    auto *bar = SenderAs<TAdvTrackBar>(sender);
    if (!bar)
        return;
    const int c = TagChannel(*bar);
    static constexpr const char *EditPrefixes[] = {"cvdEqFreq", "cvdEqBw", "cvdEqGain"};
    const auto controls =
        FindChannelControls<TCurvyEdit, TMyPEQAllpass>(host_, c, EditPrefixes[static_cast<int>(kind)], "peqPeq");
    auto *timer = FindPageControl<TTimer>(host_, QStringLiteral("tmEqCurve"));
    if (!controls || !timer)
        return;
    const auto [edit, table] = *controls;
    switch (kind) {
    case EditKind::Frequency: {
        const auto hz = static_cast<float>(IndexToFreq(bar->Position()));
        edit->SetText(EqFrequencyText(hz));
        pending_.Freq = hz;
        break;
    }
    case EditKind::Q:
        // Q 3.0 is the largest of the shelves and passes; the bar's change runs this again.
        if (!KeepsAnyQ(table->GetTypeValue(table->GetNowIndex())) && bar->Position() > ShelfCutMaxQIndex)
            bar->SetPosition(ShelfCutMaxQIndex);
        edit->SetText(EqQText(bar->Position()));
        pending_.Q = bar->Position();
        break;
    case EditKind::Gain:
        edit->SetText(EqGainText(bar->Position()));
        pending_.Gain = IndexToGain(bar->Position());
        break;
    }
    timer->SetEnabled(true);
    pending_.Pending = true;
    pending_.Kind = kind;
    pending_.Channel = c;
}

void PeqEditor::tmEqCurveTimer(TObject *Sender)
{
    if (auto *timer = SenderAs<TTimer>(Sender))
        timer->SetEnabled(false);
    if (!pending_.Pending)
        return;
    pending_.Pending = false;
    auto *table = FindChannelControl<TMyPEQAllpass>(host_, "peqPeq", pending_.Channel);
    if (!table)
        return;
    const int row = table->GetNowIndex();
    switch (pending_.Kind) {
    case EditKind::Frequency: table->SetFreqValue(row, pending_.Freq); break;
    case EditKind::Q: table->SetQValue(row, pending_.Q); break;
    case EditKind::Gain: table->SetGainValue(row, pending_.Gain); break;
    }
}

void PeqEditor::cvdEqFreqInAKeyDown(TObject *Sender, WORD &Key, TShiftState)
{
    auto *edit = SenderAs<TCurvyEdit>(Sender);
    const int c = edit ? TagChannel(*edit) : -1;
    const auto controls = FindChannelControls<TAdvTrackBar, TAdvTrackBar, TAdvTrackBar, TMyPEQAllpass, TLabel>(
        host_, c, "isEqFreq", "isEqBw", "isEqGain", "peqPeq", "lbFftParam");
    if (!controls)
        return;
    const auto [freqBar, qBar, gainBar, table, hint] = *controls;
    TAdvTrackBar *bar = nullptr;
    int step = 0;
    switch (Key) {
    case KeyLeft: bar = freqBar, step = -1; break;
    case KeyRight: bar = freqBar, step = 1; break;
    case KeyPadPlus:
    case KeyPlus: bar = qBar, step = 1; break;
    case KeyPadMinus:
    case KeyMinus: bar = qBar, step = -1; break;
    case KeyUp: bar = gainBar, step = 1; break;
    case KeyDown: bar = gainBar, step = -1; break;
    default: return;
    }
    // Only a position inside the bar's range: a request beyond an end would still report a
    // change of the bar and send the band again.
    const int position = bar->Position() + step;
    if (position >= bar->Min() && position <= bar->Max())
        bar->SetPosition(position);
}

void PeqEditor::cvdEqFreqInAExit(TObject *) {}

// ---- Reset -----------------------------------------------------------------------------------------

void PeqEditor::SendPeqReset(int channel)
{
    auto *table = FindChannelControl<TMyPEQAllpass>(host_, "peqPeq", channel);
    if (!table)
        return;
    table->SetNowIndex(0);
    Plot &curves = host_.GetPlot(channel);
    const auto address = static_cast<std::uint8_t>(host_.GetDeviceId());
    for (int b = BandCount(channel) - 1; b >= 0; --b) {
        const PeqBandRecord rec = LUnitControl::GetDefaultPeqBand(channel, b);
        host_.SendCommand(CM_MCS_PEQ(address, channel, b, rec, 0), 1, 1);
        const double hz = IndexToFreq(rec.Freq);
        const double gain = IndexToGain(rec.Gain);
        table->SetEqParamValue(b, hz, rec.Q, gain, rec.Type, false);
        SetBandCurve(*curves.Filters[static_cast<std::size_t>(b)], gain, hz, QfactorAt(rec.Q), rec.Type, false);
        curves.ShowBlock(b, static_cast<float>(gain), bkCircle);
    }
    // The table's change handling stored band 0 only; the model takes every factory band for the
    // channel's link group, so that a preset saved now holds what the processor holds. The frames
    // above already carry them.
    ControlsUpdateScope updating(host_);
    for (int b = 0; b < BandCount(channel); ++b)
        host_.UnitControl().SetPeqBand(channel, b, LUnitControl::GetDefaultPeqBand(channel, b), 0);
}
