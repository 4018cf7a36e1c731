#pragma once
// PEQ band editing. Every channel page shows its equaliser four ways that this part keeps in
// step: the band table (peqPeq + suffix, a TMyPEQAllpass whose current row is the selected band),
// the band buttons (rzbEq1 to rzbEq8 or rzbEq9 + suffix, Tag = band, GroupIndex = channel + 1),
// the band editor (track bars isEqFreq, isEqBw, isEqGain with the read-only texts cvdEqFreq,
// cvdEqBw, cvdEqGain) and the band's marker and curve on the channel's response plot (fftDraw).
// Band b is row b of the table and slot b of the channel's Plot; row 15 of a table is never shown
// and stands for "no band selected".
//
// Every band change goes through the table: its change handler applies the Q rules of the band
// types, draws the band and hands it to the model, which stores it for the channel's link group
// and sends one band command. The band editor's track bars only write their text at once; the
// table follows one tick of tmEqCurve later, so a drag updates the curve and the processor once
// per tick. The pending editor change is this part's own: a crossover move in the same tick
// (CrossoverEditor) has a record of its own and cannot be applied as a band edit.
//
// Values the processor or a file stored outside the tables are never looked up: a band type above
// 6 (the table shows none) draws flat and an edit of its row keeps the model's type byte.

#include "pages/PageHost.h"
#include "platform/runtime/Events.h"

#include <QString>

class TMyPEQAllpass;
class TRzBmpButton;

// The band editor's texts: a frequency from 1 kHz on in kHz with two decimals ("1.00KHz"), below
// with a leading blank and one decimal (" 19.7Hz"); a gain index (120 = 0 dB, 0.1 dB steps) signed
// with one decimal ("+0.0dB", "-12.0dB"); a Q index as its Q with two decimals ("0.71").
QString EqFrequencyText(double hz);
QString EqGainText(int gainIndex);
QString EqQText(int qIndex);

// The band button of a channel's band ("rzbEq3Out2" for band 2 of Out 2); null when missing.
TRzBmpButton *PeqBandButton(PageHost &host, int channel, int band);

// The current row that stands for no selected band.
inline constexpr int NoBandRow = 15;

class PeqEditor {
public:
    explicit PeqEditor(PageHost &host) : host_(host) {}

    // --- Operations of the window ----------------------------------------------------------------
    // Shows one band in the channel's band editor: track bar positions, their Enabled and texts,
    // with the controls-updating flag set meanwhile. Nothing while it is already set.
    void ShowEqBandValues(int channel, bool enable, double q, double gainDb, double freqHz);
    // Gives the channel's frequency text the keyboard, where the arrow keys edit the band.
    void FocusEqFreqEdit(int channel);
    // Every channel to no selected band: no band button down, no green row, the editor disabled
    // at " 19.7Hz", "+0.0dB", "0.40", no selected-band text or fill. Stops at the first channel
    // without its table or band button.
    void ResetEqDisplay();
    // Band 1 selected on every channel (button, row, editor, marker, selected-band display);
    // stops at the first channel without its table or band button.
    void SelectFirstEqBand();
    // The channel's bands back to the factory bands: one band command per band, last band first,
    // each kept in the transport queue; the table, the curves and the model (for the channel's
    // link group) follow.
    void SendPeqReset(int channel);

    // --- Handlers ----------------------------------------------------------------------------------
    // OnClick of the band buttons: selects the button's band and gives the frequency text the
    // keyboard.
    void rzbEq1InAClick(TObject *Sender);
    // OnEditMouseDown of the tables (the clicked row is current): selects that row's band.
    void peqPeqInAEditMouseDown(TObject *Sender, TMouseButton Button, TShiftState Shift, int X, int Y);
    // OnChange of the tables: the current row changed.
    void peqPeqInAChange(TObject *Sender);
    // The wheel never changes a band type.
    void peqPeqInAPeqTypeMouseWheel(TObject *Sender, TShiftState Shift, int WheelDelta, TPoint MousePos, bool &Handled);
    // OnChange of the band editor's track bars; nothing while controls update.
    void isEqFreqInAChange(TObject *Sender);
    void isEqBwInAChange(TObject *Sender);
    void isEqGainInAChange(TObject *Sender);
    // tmEqCurve: the pending editor change into the table's current row.
    void tmEqCurveTimer(TObject *Sender);
    // Keys of the frequency text: Left/Right the frequency, plus/minus the Q, Up/Down the gain,
    // one step each; the key goes on to the edit.
    void cvdEqFreqInAKeyDown(TObject *Sender, WORD &Key, TShiftState Shift);
    void cvdEqFreqInAExit(TObject *Sender);

    // The curve handle being dragged on a plot, -1 for none. While a drag runs the table's change
    // handler does nothing: the drag sets the table and draws itself.
    int GetDragHandle() const { return dragHandle_; }
    void SetDragHandle(int handle) { dragHandle_ = handle; }

    // Makes a band the selected one of its channel: its button down, its row current and green,
    // the band editor at its values, its marker, text and fill on the plot, the channel total.
    // Chosen by its button also shows the key hint and gives the frequency text the keyboard; by
    // the table the hint only; First neither. Nothing without the table, the button or (but
    // First) the hint label.
    enum class Selection { Button, Table, First };
    void SelectBand(int channel, int band, Selection how);

private:
    enum class EditKind { Frequency, Q, Gain };
    void EditorChange(TObject *sender, EditKind kind);
    // Applies the Q rules of the row's type; true when the table was corrected (which ran this
    // handler again).
    bool ApplyQRules(TMyPEQAllpass &table, int channel, int row, int type);

    // The band editor change waiting for tmEqCurve.
    struct PendingBandEdit {
        bool Pending = false;
        EditKind Kind = EditKind::Frequency;
        int Channel = 0;
        float Freq = 0;   // Hz
        int Q = 0;        // Q index
        double Gain = 0;  // dB
    };

    PageHost &host_;
    PendingBandEdit pending_;
    int dragHandle_ = -1;
};
