#pragma once
// TRzCustomButton and TRzButton: a push button drawn by the control itself, in a classic look
// that follows its Color (the themes of the original never apply here) or, with HotTrack, a flat
// look with a gradient face and a hot frame under the pointer. The caption may be raised,
// recessed or shadowed and aligned at the top, centre or bottom.
//
// Pressing:
//   - A left press takes the focus; once focused the button is drawn pressed and tracks the
//     pointer: pressed while 0 <= x < ClientWidth and 0 <= y <= ClientHeight (the row below the
//     button still counts), up elsewhere. The release fires OnMouseUp first, then clicks when it
//     lies inside (0, 0, ClientWidth, ClientHeight) with the right and bottom edges outside.
//   - Space pressed on the button arms it (drawn pressed); its release clicks. Losing the focus
//     disarms it, so a Space released after the focus moved clicks nothing.
//   - Enter clicks the active button, Esc a Cancel button, only without Shift, Ctrl or Alt (the
//     form decides, DialogButton.h). The active button is the focused push button (of any class
//     that takes the dialog keys) or, while another kind of control has the focus, the Default
//     one.
//   - The caption's accelerator clicks.
// A click: a grouped button toggles Down (as a write would), then Click(): the form's ModalResult
// becomes the button's (also 0) and OnClick fires.
//
// Groups: a grouped button (GroupIndex not 0) that goes down pops up the down button of its group
// on the same parent (CM_PUSHBUTTONPRESSED); the group takes the AllowAllUp of the button that
// went down. Writing Down fires nothing; an ungrouped button is never down, and the down button
// of a group without AllowAllUp cannot be released by code. A latched button shows the down
// pattern (ShowDownPattern).

#include "platform/runtime/EnumNames.h"
#include "platform/ui/Buttons.h"
#include "platform/ui/ControlsCustomControl.h"
#include "platform/ui/DialogButton.h"
#include "platform/ui/ModalResult.h"
#include "platform/ui/StdCtrlsTypes.h"
#include "widgets/skinned/RzCommon.h"

#include <memory>

// Broadcast to the parent's controls when a grouped push button goes down: WParam the group,
// LParam the button.
constexpr UINT CM_PUSHBUTTONPRESSED = 9249;

enum TRzHotTrackColorType { htctComplement, htctActual };
inline constexpr auto RzHotTrackColorTypeNames = EnumNames<TRzHotTrackColorType>("htctComplement", "htctActual");

class TRzCustomButton : public TCustomControl {
    T_DECLARE_CLASS(TRzCustomButton, TCustomControl)
    explicit TRzCustomButton(TComponent *AOwner);

    TAlignmentVertical AlignmentVertical() const { return FAlignmentVertical; }
    virtual void SetAlignmentVertical(TAlignmentVertical value);
    bool HotTrack() const { return FHotTrack; }
    virtual void SetHotTrack(bool value);
    TColor HotTrackColor() const { return FHotTrackColor; }
    void SetHotTrackColor(TColor value);
    TRzHotTrackColorType HotTrackColorType() const { return FHotTrackColorType; }
    void SetHotTrackColorType(TRzHotTrackColorType value);
    TColor HighlightColor() const { return FHighlightColor; }
    virtual void SetHighlightColor(TColor value);
    bool LightTextStyle() const { return FLightTextStyle; }
    virtual void SetLightTextStyle(bool value);
    TTextStyle TextStyle() const { return FTextStyle; }
    virtual void SetTextStyle(TTextStyle value);
    TColor TextHighlightColor() const { return FTextHighlightColor; }
    virtual void SetTextHighlightColor(TColor value);
    TColor TextShadowColor() const { return FTextShadowColor; }
    virtual void SetTextShadowColor(TColor value);
    int TextShadowDepth() const { return FTextShadowDepth; }
    virtual void SetTextShadowDepth(int value);
    bool ThemeAware() const { return FThemeAware; }
    // Stores a differing value and repaints. The band table sets False so that Color shows.
    virtual void SetThemeAware(bool value);
    bool Transparent() const { return FTransparent; }
    virtual void SetTransparent(bool value);

    // Drawn pressed, and whether the pointer is over the button.
    bool ShowDownVersion() const { return FShowDownVersion; }
    bool MouseOverButton() const { return FMouseOverButton; }

protected:
    // Paints the parent's image into the parts of `dc` the button leaves (while transparent).
    virtual void DrawBackground(HDC dc) { (void)dc; }
    // Shows a changed pressed or hot state.
    virtual void UpdateDisplay() { Repaint(); }
    virtual void RepaintFocus() { Repaint(); }
    virtual TRect GetHotTrackRect() const { return ClientRect(); }
    // The system's visual styles draw the button: never here.
    virtual bool UsingThemes() const;
    // The caption in `r` with the DrawText `flags`, placed by AlignmentVertical and drawn in the
    // text style (embossed in a grey when disabled).
    virtual void DrawCaption(TCanvas *canvas, TRect r, UINT flags);
    // A click by the mouse or a key.
    virtual void ButtonClick() {}

    void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
    void MouseMove(TShiftState shift, int x, int y) override;
    void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;
    void KeyDown(WORD &key, TShiftState shift) override;
    void KeyUp(WORD &key, TShiftState shift) override;

protected:  // message handlers, registered by number in the class description
    void CMMouseEnter(TMessage &m);
    void CMMouseLeave(TMessage &m);
    void CMEnabledChanged(TMessage &m);
    void CMTextChanged(TMessage &m);
    void WMSetFocus(TMessage &m);
    void WMKillFocus(TMessage &m);
    void WMEraseBkgnd(TMessage &m);

protected:
    template <class T>
    void Store(T &field, T value)
    {
        if (field == value)
            return;
        field = value;
        Invalidate();
    }

    TAlignmentVertical FAlignmentVertical = avCenter;
    TColor FHotTrackColor = 0x149BF0;
    TRzHotTrackColorType FHotTrackColorType = htctActual;
    TColor FHighlightColor = clHighlight;
    bool FLightTextStyle = false;
    TTextStyle FTextStyle = tsNormal;
    TColor FTextHighlightColor = clBtnHighlight;
    TColor FTextShadowColor = clBtnShadow;
    int FTextShadowDepth = 2;
    bool FDragging = false;
    bool FHotTrack = false;
    bool FMouseOverButton = false;
    bool FShowDownVersion = false;
    bool FTransparent = false;
    bool FThemeAware = true;
    bool FKeyToggle = false;  // Space went down on the button
};

class TRzButton : public TRzCustomButton, public TDialogButton {
    T_DECLARE_CLASS(TRzButton, TRzCustomButton)
    explicit TRzButton(TComponent *AOwner);

    TAlignment Alignment() const { return FAlignment; }
    virtual void SetAlignment(TAlignment value);
    bool AllowAllUp() const { return FAllowAllUp; }
    virtual void SetAllowAllUp(bool value);
    bool Cancel() const { return FCancel; }
    void SetCancel(bool value) { FCancel = value; }
    bool Default() const { return FDefault; }
    virtual void SetDefault(bool value);
    bool DropDownOnEnter() const { return FDropDownOnEnter; }
    void SetDropDownOnEnter(bool value) { FDropDownOnEnter = value; }
    int GroupIndex() const { return FGroupIndex; }
    virtual void SetGroupIndex(int value);
    bool Down() const { return FDown; }
    // Fires nothing (see the header).
    virtual void SetDown(bool value);
    TColor FrameColor() const { return FFrameColor; }
    virtual void SetFrameColor(TColor value);
    TModalResult ModalResult() const { return FModalResult; }
    void SetModalResult(TModalResult value) { FModalResult = value; }
    bool ShowDownPattern() const { return FShowDownPattern; }
    virtual void SetShowDownPattern(bool value);
    bool ShowFocusRect() const { return FShowFocusRect; }
    virtual void SetShowFocusRect(bool value);
    void SetHotTrack(bool value) override;

    TButtonState State() const { return FState; }
    // Enter clicks this button.
    bool IsActive() const { return FActive; }
    // The last click came from Enter while DropDownOnEnter is off.
    bool KeyWasPressed() const { return FKeyWasPressed; }

    // Copies ModalResult to the form (also 0), then the framework's click (OnClick).
    void Click() override;
    bool IsDefaultButton() const override { return FDefault; }
    bool IsCancelButton() const override { return FCancel; }
    void DialogKeyClick(WORD key) override;
    // Old forms: "FrameFlat" is read into HotTrack.
    void DefineProperties(TFiler *Filer) override;

protected:
    void Paint() override;
    void DrawBackground(HDC dc) override;
    void UpdateDisplay() override { Invalidate(); }
    void ButtonClick() override;
    virtual TRect GetCaptionRect() const;
    virtual void DrawButtonCaption();
    // An 8 x 8 pattern in Color with clSilver (clGray on a clSilver button) where x and y are both
    // even or both odd.
    virtual std::unique_ptr<TBitmap> CreateDownPattern() const;
    void UpdateExclusive();

protected:  // message handlers, registered by number in the class description
    void CMDialogChar(TMessage &m);
    void CMFocusChanged(TMessage &m);
    void CMButtonPressed(TMessage &m);

private:
    void PaintHotTrack(TRect &b, bool pressedLook);
    void PaintClassic(TRect &b, bool pressedLook);

    TAlignment FAlignment = taCenter;
    bool FClicking = false;
    bool FDefault = false;
    bool FCancel = false;
    bool FActive = false;
    TModalResult FModalResult = mrNone;
    bool FAllowAllUp = false;
    bool FDown = false;
    int FGroupIndex = 0;
    bool FShowDownPattern = true;
    bool FShowFocusRect = true;
    bool FDropDownOnEnter = true;
    TColor FFrameColor = cl3DDkShadow;
    TButtonState FState = bsUp;
    bool FKeyWasPressed = false;
};
