#pragma once
// TVrDemoButton: a flat text push button. Its caption is drawn in FontEnter while the pointer is
// over the enabled button and in FontLeave otherwise (in DisabledTextColor when disabled), with the
// 3-D look of Font3D and placed by TextAlignment; an optional Bitmap is tiled behind it. A Flat
// button shows its raised bevel only under the pointer.
//
// What fires when:
//   - A left press inside (left and top edges inside, right and bottom outside) captures the
//     mouse and draws the button down; moving out draws it up, moving back in down again, each
//     with one repaint.
//   - A left release while it is drawn down fires OnClick, then OnMouseUp. A release outside fires
//     only OnMouseUp and repaints nothing (the move outside already did).
//   - Space pressed and released does the same as a press and release inside; the caption's
//     accelerator fires OnClick.
// The framework's own click on a release is switched off; the button fires OnClick itself. There
// is no published Font: the caption takes FontEnter or FontLeave.

#include "platform/runtime/EnumNames.h"
#include "widgets/skinned/VrClasses.h"
#include "widgets/skinned/VrControls.h"

#include <memory>

enum TVrTextAlignment {
    vtaLeft,
    vtaCenter,
    vtaRight,
    vtaTopLeft,
    vtaTop,
    vtaTopRight,
    vtaBottomLeft,
    vtaBottom,
    vtaBottomRight
};
inline constexpr auto VrTextAlignmentNames =
    EnumNames<TVrTextAlignment>("vtaLeft", "vtaCenter", "vtaRight", "vtaTopLeft", "vtaTop", "vtaTopRight",
                                "vtaBottomLeft", "vtaBottom", "vtaBottomRight");

class TVrDemoButton : public TVrCustomImageControl {
    T_DECLARE_CLASS(TVrDemoButton, TVrCustomImageControl)
    explicit TVrDemoButton(TComponent *AOwner);
    ~TVrDemoButton() override;

    TFont *FontEnter() const { return FFontEnter.get(); }
    void SetFontEnter(TFont *value) { FFontEnter->Assign(value); }
    TFont *FontLeave() const { return FFontLeave.get(); }
    void SetFontLeave(TFont *value) { FFontLeave->Assign(value); }
    TBitmap *Bitmap() const { return FBitmap.get(); }
    void SetBitmap(TBitmap *value) { FBitmap->Assign(value); }
    TColor OutlineColor() const { return FOutlineColor; }
    void SetOutlineColor(TColor value);
    TColor ShadowColor() const { return FShadowColor; }
    void SetShadowColor(TColor value);
    TColor HighlightColor() const { return FHighlightColor; }
    void SetHighlightColor(TColor value);
    int BevelWidth() const { return FBevelWidth; }
    // 0..255; other values are clamped.
    void SetBevelWidth(int value);
    int OutlineWidth() const { return FOutlineWidth; }
    void SetOutlineWidth(int value);
    TVrTextAlignment TextAlignment() const { return FTextAlignment; }
    void SetTextAlignment(TVrTextAlignment value);
    TColor DisabledTextColor() const { return FDisabledTextColor; }
    void SetDisabledTextColor(TColor value);
    TColor FocusColor() const { return FFocusColor; }
    void SetFocusColor(TColor value);
    TVrFont3D *Font3D() const { return FFont3D.get(); }
    void SetFont3D(TVrFont3D *value) { FFont3D->Assign(value); }
    bool Flat() const { return FFlat; }
    void SetFlat(bool value);

    // Drawn down (a press is tracked and the pointer is inside), and whether a press is tracked.
    bool Down() const { return FDown; }
    bool Pressed() const { return FPressed; }
    bool HasMouse() const { return FHasMouse; }

    // The framework's click on a release does nothing here; OnClick comes from the button.
    void Click() override {}

protected:
    void Paint() override;
    void KeyDown(WORD &key, TShiftState shift) override;
    void KeyUp(WORD &key, TShiftState shift) override;
    void MouseEnter() override;
    void MouseLeave() override;
    void TextChanged() override;

protected:  // message handlers, registered by number in the class description
    void WMLButtonDown(TMessage &m);
    void WMMouseMove(TMessage &m);
    void WMLButtonUp(TMessage &m);
    void CMDialogChar(TMessage &m);

private:
    void FireClick() { TVrCustomImageControl::Click(); }
    // Starts tracking a press at a client point inside the button.
    void BeginPress(TPoint p);
    bool Inside(TPoint p) const { return ClientRect().Contains(p); }

    std::unique_ptr<TBitmap> FBitmap;
    std::unique_ptr<TFont> FFontEnter;
    std::unique_ptr<TFont> FFontLeave;
    int FBevelWidth = 2;
    int FOutlineWidth = 1;
    TColor FOutlineColor = clBlack;
    TColor FShadowColor = clBtnShadow;
    TColor FHighlightColor = clBtnHighlight;
    TColor FFocusColor = clBlue;
    TVrTextAlignment FTextAlignment = vtaCenter;
    TColor FDisabledTextColor = clInactiveCaption;
    std::unique_ptr<TVrFont3D> FFont3D;
    bool FFlat = false;
    bool FHasMouse = false;
    bool FDown = false;
    bool FPressed = false;
};
