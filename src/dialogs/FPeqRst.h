#pragma once
// TfmPeqRst: the confirmation before the parametric equaliser of one channel is reset. A channel
// page's EQ-reset button sets the channel and opens the box modally. OK hides the box first, so
// it is off the screen while the bands are sent and the curves redrawn, then resets the channel.

#include "platform/ui/Forms.h"

class TImage;
class TLabel;
class TRzBmpButton;
class TRzGroupBox;

class TfmPeqRst : public TForm {
    T_DECLARE_CLASS(TfmPeqRst, TForm)
    explicit TfmPeqRst(TComponent *AOwner);

    TImage *imBackground = nullptr;
    TRzGroupBox *gbReset = nullptr;
    TLabel *lbReset = nullptr;
    TRzBmpButton *btnOK = nullptr;
    TRzBmpButton *btnCancel = nullptr;

    // The channel (0..5) whose equaliser OK resets.
    void SetChannel(int channel) { Channel = channel; }
    int GetChannel() const { return Channel; }

    void FormShow(TObject *Sender);
    void btnOKClick(TObject *Sender);
    void btnCancelClick(TObject *Sender);

private:
    int Channel = 0;
};

extern TfmPeqRst *fmPeqRst;
