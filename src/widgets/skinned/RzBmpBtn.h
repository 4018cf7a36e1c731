#pragma once
// TRzBmpButton: a picture button. It shows one picture of its TRzButtonBitmaps set by state, draws
// its caption over it and can belong to a group of mutually exclusive buttons (GroupIndex) on the
// same parent, kept exclusive by the CM_BMPBUTTONPRESSED broadcast to every control of the parent.
//
// Pictures by state: up Hot (pointer over it), else UpAndFocused (focused, ShowFocus), else Up;
// pressed Down, else Up; latched (Down True) StayDown, else Down, else Up; disabled Disabled, else
// an embossed grey copy of Up. A picture counts only when it is not empty. Pixels of
// Bitmaps.TransparentColor are left out, so the parent's image shows there (a borderless button
// paints the parent's image behind itself first).
//
// What fires when:
//   - Writing Down fires nothing. Ungrouped (GroupIndex 0) a button is never down. A down button
//     of a group whose AllowAllUp is False cannot be released by code. A button going down pops
//     up the down button of its group.
//   - Click(): the form's ModalResult becomes the button's (also 0), then OnClick.
//   - A user's release inside: OnMouseUp, then a grouped button toggles Down as a write would
//     (after its group copied its AllowAllUp), then Click(); OnClick therefore sees the new Down.
//     A release outside fires nothing more; moving back inside before it shows the pressed picture.
//   - Space pressed and released works like a click inside; Return clicks at once.
// Painting builds the picture off screen and copies it in one step, without any pause.

#include "platform/runtime/EnumNames.h"
#include "platform/ui/Bitmap.h"
#include "platform/ui/Buttons.h"
#include "platform/ui/ControlsCustomControl.h"
#include "platform/ui/ModalResult.h"

#include <memory>

// Broadcast to the parent's controls when a grouped picture button goes down: WParam the group,
// LParam the button.
constexpr UINT CM_BMPBUTTONPRESSED = 9248;

enum TButtonBorder { bbNone, bbSingle, bbButton };
inline constexpr auto ButtonBorderNames = EnumNames<TButtonBorder>("bbNone", "bbSingle", "bbButton");
enum TBtnSize { bszNeither, bszButtonToBitmap, bszStretchToButton, bszTileToButton };
inline constexpr auto BtnSizeNames = EnumNames<TBtnSize>(
    "bszNeither", "bszButtonToBitmap", "bszStretchToButton", "bszTileToButton");

class TRzButtonBitmaps : public TPersistent {
    T_DECLARE_CLASS(TRzButtonBitmaps, TPersistent)
    TRzButtonBitmaps();
    ~TRzButtonBitmaps() override;

    // Each write copies the picture (the caller keeps its own) and fires OnChange.
    TBitmap *Up() const { return FUp.get(); }
    virtual void SetUp(TBitmap *value) { FUp->Assign(value); }
    TBitmap *UpAndFocused() const { return FUpAndFocused.get(); }
    virtual void SetUpAndFocused(TBitmap *value) { FUpAndFocused->Assign(value); }
    TBitmap *Disabled() const { return FDisabled.get(); }
    virtual void SetDisabled(TBitmap *value) { FDisabled->Assign(value); }
    TBitmap *Down() const { return FDown.get(); }
    virtual void SetDown(TBitmap *value) { FDown->Assign(value); }
    TBitmap *StayDown() const { return FStayDown.get(); }
    virtual void SetStayDown(TBitmap *value) { FStayDown->Assign(value); }
    TBitmap *Hot() const { return FHot.get(); }
    virtual void SetHot(TBitmap *value) { FHot->Assign(value); }
    TColor TransparentColor() const { return FTransparentColor; }
    virtual void SetTransparentColor(TColor value);

    // Fired with the set as sender when a picture or the transparent colour changes.
    TNotifyEvent OnChange;

private:
    void BitmapChanged(TObject *Sender);

    std::unique_ptr<TBitmap> FUp, FUpAndFocused, FDisabled, FDown, FStayDown, FHot;
    TColor FTransparentColor = clOlive;
};

class TRzBmpButton : public TCustomControl {
    T_DECLARE_CLASS(TRzBmpButton, TCustomControl)
    explicit TRzBmpButton(TComponent *AOwner);
    ~TRzBmpButton() override;

    bool AllowAllUp() const { return FAllowAllUp; }
    virtual void SetAllowAllUp(bool value);
    int CaptionDownOffset() const { return FCaptionDownOffset; }
    virtual void SetCaptionDownOffset(int value);
    TModalResult ModalResult() const { return FModalResult; }
    void SetModalResult(TModalResult value) { FModalResult = value; }
    int GroupIndex() const { return FGroupIndex; }
    virtual void SetGroupIndex(int value);
    bool Down() const { return FDown; }
    // The write of Down (the windows call it to show page and toggle states); fires nothing.
    virtual void SetDown(bool value);
    TRzButtonBitmaps *Bitmaps() const { return FBitmaps.get(); }
    void SetBitmaps(TRzButtonBitmaps *value);
    TButtonBorder ButtonBorder() const { return FButtonBorder; }
    virtual void SetButtonBorder(TButtonBorder value);
    bool ShowDownPattern() const { return FShowDownPattern; }
    virtual void SetShowDownPattern(bool value);
    bool ShowFocus() const { return FShowFocus; }
    virtual void SetShowFocus(bool value);
    TBtnSize ButtonSize() const { return FButtonSize; }
    virtual void SetButtonSize(TBtnSize value);
    TButtonStyle ButtonStyle() const { return FButtonStyle; }
    virtual void SetButtonStyle(TButtonStyle value);
    TButtonLayout Layout() const { return FLayout; }
    virtual void SetLayout(TButtonLayout value);
    int Margin() const { return FMargin; }
    // Values below -1 are ignored.
    virtual void SetMargin(int value);
    int Spacing() const { return FSpacing; }
    virtual void SetSpacing(int value);

    TButtonState State() const { return FState; }
    bool MouseOverButton() const { return FMouseOverButton; }

    // Copies ModalResult to the form, then fires OnClick (also for a click by code).
    void Click() override;
    void Loaded() override;

    // Where the caption (and, for bszNeither, the picture) goes inside `client`.
    void CalcLayout(const TRect &client, TBitmap *glyph, TRect &glyphRect, TRect &textRect);

    // The shared 8 x 8 pattern of latched bordered buttons: white where x and y are both even or
    // both odd, clBtnFace elsewhere. Exists while any bitmap button does.
    static TBitmap *DownPatternBitmap();

protected:
    void Paint() override;
    void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
    void MouseMove(TShiftState shift, int x, int y) override;
    void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;
    void KeyDown(WORD &key, TShiftState shift) override;
    void KeyUp(WORD &key, TShiftState shift) override;
    // Pops the group's other down button up (broadcast), or for an ungrouped button shows it up.
    void UpdateExclusive();
    virtual void DoRelease(bool inside);
    // Sizes the button to its Up picture (bszButtonToBitmap) and repaints.
    void SizeToBitmap();
    bool NewStyle() const;

protected:  // message handlers, registered by number in the class description
    void CMButtonPressed(TMessage &m);
    void WMSize(TMessage &m);
    void WMEraseBkgnd(TMessage &m);
    void WMSetFocus(TMessage &m);
    void WMKillFocus(TMessage &m);
    void WMLButtonDblClk(TMessage &m);
    void CMMouseEnter(TMessage &m);
    void CMMouseLeave(TMessage &m);
    void CMDialogChar(TMessage &m);
    void CMRepaintNeeded(TMessage &m);

private:
    void BitmapsChanged(TObject *Sender);
    TBitmap *ChooseBitmap(std::unique_ptr<TBitmap> &disabled);

    int FGroupIndex = 0;
    std::unique_ptr<TRzButtonBitmaps> FBitmaps;
    bool FDown = false;
    int FCaptionDownOffset = 1;
    bool FDragging = false;
    bool FAllowAllUp = false;
    TButtonLayout FLayout = blGlyphLeft;
    int FSpacing = 4;
    int FMargin = -1;
    TButtonStyle FButtonStyle = bsAutoDetect;
    TButtonBorder FButtonBorder = bbNone;
    TBtnSize FButtonSize = bszButtonToBitmap;
    bool FShowFocus = true;
    bool FShowDownPattern = true;
    bool IsFocused = false;
    TModalResult FModalResult = mrNone;
    TButtonState FState = bsUp;
    bool FMouseOverButton = false;
};

// The embossed grey picture of a disabled button without its own: black pixels of `up` in
// clBtnShadow with a white copy one pixel right and down, everything else clBtnFace.
std::unique_ptr<TBitmap> CreateDisabledBitmap(TBitmap *up);
