#pragma once
// TVrPowerButton: a toggle button with a small square LED beside its caption. The LED shows
// Palette.High while Active, Palette.Low while not, and the control's Color while the button is
// disabled; it sits in a sunken one-pixel frame and a black one inside it.
//
// What fires when:
//   - Writing Active (SetActive) stores a differing value and repaints; it fires nothing.
//   - A left press arms the button (drawn pressed); leaving disarms it and coming back re-arms it.
//     The release (of any button) of an armed button toggles Active, fires OnMouseUp and then
//     OnClick, so OnClick reads the new Active. A release after the pointer left changes nothing
//     and fires only OnMouseUp.
//   - Space pressed on the button arms it; its release toggles Active and fires OnClick. A Space
//     release whose press went elsewhere (or that outlived the button's focus) does nothing.
//   - The caption's accelerator fires OnClick without toggling.
// The framework's own click on a mouse release is switched off; the button fires OnClick itself.
//
// Layout: LED and caption are placed by CalcImageTextLayout inside the client area less
// BevelWidth + OutlineWidth on each side. BevelWidth and OutlineWidth writes only repaint: the
// layout follows them at the next size, font, caption, LED size, layout, margin or spacing change.

#include "platform/runtime/EnumNames.h"
#include "widgets/skinned/VrClasses.h"
#include "widgets/skinned/VrControls.h"

#include <memory>

enum TVrImageTextLayout { ImageLeft, ImageRight, ImageTop, ImageBottom };
inline constexpr auto VrImageTextLayoutNames =
    EnumNames<TVrImageTextLayout>("ImageLeft", "ImageRight", "ImageTop", "ImageBottom");

class TVrPowerButton : public TVrCustomImageControl {
    T_DECLARE_CLASS(TVrPowerButton, TVrCustomImageControl)
    explicit TVrPowerButton(TComponent *AOwner);
    ~TVrPowerButton() override;

    bool Active() const { return FActive; }
    virtual void SetActive(bool value);
    int LedWidth() const { return FLedWidth; }
    // Values below 1 are ignored (as the LED sizes of forms are positive).
    void SetLedWidth(int value);
    int LedHeight() const { return FLedHeight; }
    void SetLedHeight(int value);
    TVrImageTextLayout Layout() const { return FLayout; }
    void SetLayout(TVrImageTextLayout value);
    int Margin() const { return FMargin; }
    void SetMargin(int value);
    int Spacing() const { return FSpacing; }
    void SetSpacing(int value);
    TVrPalette *Palette() const { return FPalette.get(); }
    void SetPalette(TVrPalette *value) { FPalette->Assign(value); }
    TColor FocusColor() const { return FFocusColor; }
    void SetFocusColor(TColor value);
    TColor OutlineColor() const { return FOutlineColor; }
    void SetOutlineColor(TColor value);
    int OutlineWidth() const { return FOutlineWidth; }
    // 0..255; other values are clamped.
    void SetOutlineWidth(int value);
    TColor HighlightColor() const { return FHighlightColor; }
    void SetHighlightColor(TColor value);
    TColor ShadowColor() const { return FShadowColor; }
    void SetShadowColor(TColor value);
    int BevelWidth() const { return FBevelWidth; }
    // 0..255; other values are clamped.
    void SetBevelWidth(int value);

    // Where the LED and the caption were put by the last layout.
    const TRect &LedRect() const { return ImageRect; }
    const TRect &CaptionRect() const { return TextBounds; }
    // Drawn pressed: a press (mouse or Space) is armed.
    bool Pressed() const { return FPressed; }

    // The framework's click on a release does nothing here; OnClick comes from the button.
    void Click() override {}

protected:
    void Paint() override;
    void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
    void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;
    void MouseEnter() override;
    void MouseLeave() override;
    void KeyDown(WORD &key, TShiftState shift) override;
    void KeyUp(WORD &key, TShiftState shift) override;
    void FontChanged() override;
    // Losing the focus disarms a Space press.
    void FocusChanged() override;
    // A new window is laid out as a resized one.
    void CreateWnd() override;
    // Places the LED and the caption; with `repaint`, repaints.
    void CalcLayout(bool repaint);
    virtual void DrawLed();

protected:  // message handlers, registered by number in the class description
    void WMSize(TMessage &m);
    void CMTextChanged(TMessage &m);
    void CMDialogChar(TMessage &m);

private:
    // OnClick through the framework's click (which also runs an action).
    void FireClick() { TVrCustomImageControl::Click(); }
    void Toggle() { SetActive(!FActive); }

    bool FActive = false;
    int FLedWidth = 12;
    int FLedHeight = 12;
    std::unique_ptr<TVrPalette> FPalette;
    int FBevelWidth = 2;
    TColor FHighlightColor = clBtnHighlight;
    TColor FShadowColor = clBtnShadow;
    TColor FOutlineColor = clBlack;
    int FOutlineWidth = 1;
    int FSpacing = 5;
    int FMargin = -1;
    TVrImageTextLayout FLayout = ImageLeft;
    TColor FFocusColor = clBlue;
    bool FDown = false;        // the left button is held after a press on the button
    bool FPressed = false;     // drawn pressed: a release now toggles
    bool FSpaceArmed = false;  // Space went down on this button
    TRect TextBounds;
    TRect ImageRect;
};
