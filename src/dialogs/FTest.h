#pragma once
// TfmTest: the signal the processor feeds into its inputs: the analogue inputs, pink noise, white
// noise or a sine at one of 31 third-octave frequencies. Every choice the user makes is sent at
// once as a work-mode command (mode, sine index; the index goes with every mode), keeping
// duplicates; nothing is sent while the main window updates its controls, which is how the
// refresh from the model shows the processor's choice (ShowSignal) without echoing it. Closing
// changes nothing, and the choice stays between showings.
//
// Choosing a frequency checks the sine first; when that changes the choice it sends one command
// of its own, so a frequency chosen while another signal runs is sent twice.

#include "platform/ui/Forms.h"

class TComboBox;
class TGroupBox;
class TImage;
class TRadioButton;
class TRzBmpButton;

class TfmTest : public TForm {
    T_DECLARE_CLASS(TfmTest, TForm)
    explicit TfmTest(TComponent *AOwner);

    // Signal modes: the radio buttons' Tag and the first byte of the work-mode command.
    enum SignalMode { AnalogIn = 0, PinkNoise = 1, WhiteNoise = 2, SineWave = 3 };
    static constexpr int SineFrequencies = 31;

    TImage *imBackground = nullptr;
    TGroupBox *gbSignal = nullptr;
    TRadioButton *rbAnalogIn = nullptr;
    TRadioButton *rbPinkNoise = nullptr;
    TRadioButton *rbWhiteNoise = nullptr;
    TRadioButton *rbSineWave = nullptr;
    TComboBox *cbSineFreq = nullptr;
    TRzBmpButton *bnExit = nullptr;

    // The processor's choice, as the refresh from the model shows it (with the main window's
    // controls-updating flag set): modes 0..2 check their button; mode 3 checks the sine and
    // selects the frequency when it is one of the list (0..30). Other modes change nothing.
    void ShowSignal(int mode, int sineIndex);

    void FormShow(TObject *Sender);
    void rbAnalogInClick(TObject *Sender);
    void cbSineFreqSelect(TObject *Sender);
    void bnExitClick(TObject *Sender);

private:
    void SendWorkMode(int mode);
};

extern TfmTest *fmTest;
