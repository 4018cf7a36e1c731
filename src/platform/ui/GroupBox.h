#pragma once
// TCustomGroupBox and TGroupBox: an etched frame with the caption in its top edge, holding other
// controls inside the frame.

#include "platform/ui/ControlsCustomControl.h"

class TCustomGroupBox : public TCustomControl {
    T_DECLARE_CLASS(TCustomGroupBox, TCustomControl)

public:
    explicit TCustomGroupBox(TComponent *AOwner);

protected:  // message handlers, registered by number in the class description
    void CMDialogChar(TMessage &m);
    void CMTextChanged(TMessage &m);

protected:
    void Paint() override;
    void AdjustClientRect(TRect &rect) override;
    // Height of a line of the caption's font.
    int CaptionHeight();
};

class TGroupBox : public TCustomGroupBox {
    T_DECLARE_CLASS(TGroupBox, TCustomGroupBox)

public:
    explicit TGroupBox(TComponent *AOwner) : TCustomGroupBox(AOwner) {}
};
