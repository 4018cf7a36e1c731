#pragma once
// TCustomLabel and TLabel: windowless text. The caption is drawn with the label's font, aligned
// left, right or centred, at the top, centre or bottom (Layout), word-wrapped or not; "&x" marks an
// accelerator unless ShowAccelChar is off. AutoSize (default on) makes the label exactly as big as
// its text, keeping the right edge for a right-aligned label. A label that is not Transparent fills
// its area with Color first; a disabled one draws its text embossed.

#include "platform/ui/ControlsGraphicControl.h"
#include "platform/ui/ControlsWinControl.h"
#include "platform/ui/StdCtrlsTypes.h"

class TCustomLabel : public TGraphicControl {
    T_DECLARE_CLASS(TCustomLabel, TGraphicControl)

public:
    explicit TCustomLabel(TComponent *AOwner);

    TAlignment Alignment() const { return FAlignment; }
    void SetAlignment(TAlignment value);
    bool AutoSize() const { return FAutoSize; }
    virtual void SetAutoSize(bool value);
    TTextLayout Layout() const { return FLayout; }
    void SetLayout(TTextLayout value);
    bool WordWrap() const { return FWordWrap; }
    void SetWordWrap(bool value);
    bool Transparent() const { return !FControlStyle.Contains(csOpaque); }
    void SetTransparent(bool value);
    bool ShowAccelChar() const { return FShowAccelChar; }
    void SetShowAccelChar(bool value);
    TWinControl *FocusControl() const { return FFocusControl; }
    void SetFocusControl(TWinControl *value);

    void Loaded() override;
    void Notification(TComponent *AComponent, TOperation Operation) override;

protected:  // message handlers, registered by number in the class description
    void CMTextChanged(TMessage &m);
    void CMFontChanged(TMessage &m);
    void CMDialogChar(TMessage &m);

protected:
    // Sizes the label to its text when AutoSize is on (not while the form is being read).
    virtual void AdjustBounds();
    // The text drawn (the caption).
    virtual QString GetLabelText() const { return Caption(); }
    // Draws (or with DT_CALCRECT measures) the text into rect with the label's font.
    virtual void DoDrawText(TRect &rect, UINT flags);
    void Paint() override;

    TAlignment FAlignment = taLeftJustify;
    bool FAutoSize = true;
    TTextLayout FLayout = tlTop;
    bool FWordWrap = false;
    bool FShowAccelChar = true;
    TWinControl *FFocusControl = nullptr;
};

class TLabel : public TCustomLabel {
    T_DECLARE_CLASS(TLabel, TCustomLabel)

public:
    explicit TLabel(TComponent *AOwner) : TCustomLabel(AOwner) {}
};

// True when `ch` is the accelerator of `caption` ("&File" has 'F'), case ignored.
bool IsAccel(QChar ch, const QString &caption);
