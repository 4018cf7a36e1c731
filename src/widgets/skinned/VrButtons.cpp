#include "widgets/skinned/VrButtons.h"

#include "platform/runtime/ClassBuilder.h"
#include "platform/ui/ControlsInput.h"
#include "platform/ui/Label.h"
#include "widgets/skinned/VrDrawUtils.h"

#include <algorithm>

T_IMPLEMENT_CLASS(TVrPowerButton)
{
    using C = TVrPowerButton;
    b.Bool("Active", &C::Active, &C::SetActive).Default(false);
    b.Int("LedWidth", &C::LedWidth, &C::SetLedWidth).Default(12);
    b.Int("LedHeight", &C::LedHeight, &C::SetLedHeight).Default(12);
    b.Enum("Layout", &C::Layout, &C::SetLayout, VrImageTextLayoutNames).Default(ImageLeft);
    b.Int("Margin", &C::Margin, &C::SetMargin).Default(-1);
    b.Int("Spacing", &C::Spacing, &C::SetSpacing).Default(5);
    b.Object("Palette", &C::Palette, &C::SetPalette);
    b.Color("FocusColor", &C::FocusColor, &C::SetFocusColor).Default(clBlue).Idents(ColorIdents());
    b.Color("OutlineColor", &C::OutlineColor, &C::SetOutlineColor).Default(clBlack).Idents(ColorIdents());
    b.Int("OutlineWidth", &C::OutlineWidth, &C::SetOutlineWidth).Default(1);
    b.Color("HighlightColor", &C::HighlightColor, &C::SetHighlightColor).Default(clBtnHighlight).Idents(ColorIdents());
    b.Color("ShadowColor", &C::ShadowColor, &C::SetShadowColor).Default(clBtnShadow).Idents(ColorIdents());
    b.Int("BevelWidth", &C::BevelWidth, &C::SetBevelWidth).Default(2);
    b.Str("Caption", &C::Caption, &C::SetCaption);
    b.Color("Color", &C::Color, &C::SetColor).Default(clBtnFace).Idents(ColorIdents()).Stored([](const C &c) {
        return !c.ParentColor();
    });
    b.Bool("ParentColor", &C::ParentColor, &C::SetParentColor).Default(false);
    b.Bool("TabStop", &C::TabStop, &C::SetTabStop).Default(false);
    b.Int("Height", &C::Height, &C::SetHeight).Default(25);
    b.Int("Width", &C::Width, &C::SetWidth).Default(125);

    b.Message(WM_SIZE, &C::WMSize);
    b.Message(CM_TEXTCHANGED, &C::CMTextChanged);
    b.Message(CM_DIALOGCHAR, &C::CMDialogChar);
}

TVrPowerButton::TVrPowerButton(TComponent *AOwner)
    : TVrCustomImageControl(AOwner), FPalette(std::make_unique<TVrPalette>())
{
    FControlStyle = TControlStyle{csCaptureMouse, csClickEvents, csSetCaption, csOpaque, csReplicatable};
    FColor = clBtnFace;
    FParentColor = false;
    FTabStop = false;
    FPalette->OnChange = SettingsChangedEvent();
    SetBounds(Left(), Top(), 125, 25);
}

TVrPowerButton::~TVrPowerButton()
{
    FPalette->OnChange = nullptr;
}

// ---- Properties ----------------------------------------------------------------------------------

void TVrPowerButton::SetActive(bool value)
{
    if (value == FActive)
        return;
    FActive = value;
    UpdateControl();
}

void TVrPowerButton::SetLedWidth(int value)
{
    if (value >= 1 && Changes(FLedWidth, value))
        CalcLayout(true);
}

void TVrPowerButton::SetLedHeight(int value)
{
    if (value >= 1 && Changes(FLedHeight, value))
        CalcLayout(true);
}

void TVrPowerButton::SetLayout(TVrImageTextLayout value)
{
    if (Changes(FLayout, value))
        CalcLayout(true);
}

void TVrPowerButton::SetMargin(int value)
{
    if (Changes(FMargin, value))
        CalcLayout(true);
}

void TVrPowerButton::SetSpacing(int value)
{
    if (Changes(FSpacing, value))
        CalcLayout(true);
}

void TVrPowerButton::SetFocusColor(TColor value)
{
    StoreAndUpdate(FFocusColor, value);
}

void TVrPowerButton::SetOutlineColor(TColor value)
{
    StoreAndUpdate(FOutlineColor, value);
}

void TVrPowerButton::SetOutlineWidth(int value)
{
    StoreAndUpdate(FOutlineWidth, std::clamp(value, 0, 255));
}

void TVrPowerButton::SetHighlightColor(TColor value)
{
    StoreAndUpdate(FHighlightColor, value);
}

void TVrPowerButton::SetShadowColor(TColor value)
{
    StoreAndUpdate(FShadowColor, value);
}

void TVrPowerButton::SetBevelWidth(int value)
{
    StoreAndUpdate(FBevelWidth, std::clamp(value, 0, 255));
}

// ---- Layout and painting -------------------------------------------------------------------------

void TVrPowerButton::CalcLayout(bool repaint)
{
    TBitmap *image = BitmapImage();
    if (image->Empty())
        image->SetSize(1, 1);
    TCanvas *c = ImageCanvas();
    c->SetFont(Font());
    TRect area = ClientRect();
    area.Inflate(-(FBevelWidth + FOutlineWidth), -(FBevelWidth + FOutlineWidth));
    TPoint led;
    CalcImageTextLayout(c, area, Caption(), static_cast<int>(FLayout) + 1, FMargin, FSpacing,
                        TPoint(FLedWidth, FLedHeight), led, TextBounds);
    ImageRect = Bounds(led.X, led.Y, FLedWidth, FLedHeight);
    if (repaint)
        UpdateControl();
}

void TVrPowerButton::Paint()
{
    PrepareImage();
    TCanvas *c = ImageCanvas();
    TRect r = ClientRect();
    const TColor outline = FocusedNow() ? FFocusColor : FOutlineColor;
    DrawFrame3D(c, r, outline, FOutlineWidth, outline);
    if (FPressed) {
        r = ClientRect();
        DrawFrame3D(c, r, FOutlineColor, FOutlineWidth, FHighlightColor);
        DrawFrame3D(c, r, FShadowColor, FBevelWidth, FOutlineColor);
    } else {
        DrawFrame3D(c, r, FHighlightColor, FBevelWidth, FShadowColor);
    }
    DrawLed();
    c->SetFont(Font());
    DrawButtonText(c, Caption(), TextBounds, Enabled());
    inherited::Paint();
}

void TVrPowerButton::DrawLed()
{
    TCanvas *c = ImageCanvas();
    TRect r = ImageRect;
    DrawFrame3D(c, r, FShadowColor, 1, FHighlightColor);
    DrawFrame3D(c, r, clBlack, 1, clBlack);
    c->Brush()->SetStyle(bsSolid);
    c->Brush()->SetColor(!Enabled() ? Color() : FPalette->GetColor(FActive ? 1 : 0));
    c->FillRect(r);
}

// ---- Input ---------------------------------------------------------------------------------------

void TVrPowerButton::MouseDown(TMouseButton button, TShiftState shift, int x, int y)
{
    if (button == mbLeft) {
        FDown = true;
        FPressed = true;
        UpdateControl();
        if (TabStop() && CanFocus())
            SetFocus();
    }
    inherited::MouseDown(button, shift, x, y);
}

void TVrPowerButton::MouseUp(TMouseButton button, TShiftState shift, int x, int y)
{
    FDown = false;
    const bool toggled = FPressed;
    if (toggled) {
        FPressed = false;
        Toggle();
    }
    inherited::MouseUp(button, shift, x, y);
    if (toggled)
        FireClick();
}

void TVrPowerButton::MouseEnter()
{
    if (FDown)
        FPressed = true;
    UpdateControl();
    inherited::MouseEnter();
}

void TVrPowerButton::MouseLeave()
{
    if (FDown)
        FPressed = false;
    UpdateControl();
    inherited::MouseLeave();
}

void TVrPowerButton::KeyDown(WORD &key, TShiftState shift)
{
    inherited::KeyDown(key, shift);
    if (key == VK_SPACE) {
        FSpaceArmed = true;
        FPressed = true;
        UpdateControl();
    }
}

void TVrPowerButton::KeyUp(WORD &key, TShiftState shift)
{
    inherited::KeyUp(key, shift);
    if (key != VK_SPACE)
        return;
    SetMouseCapture(false);
    FPressed = false;
    if (!std::exchange(FSpaceArmed, false)) {
        UpdateControl();
        return;
    }
    Toggle();
    FireClick();
}

void TVrPowerButton::FontChanged()
{
    inherited::FontChanged();
    CalcLayout(true);
}

void TVrPowerButton::CreateWnd()
{
    inherited::CreateWnd();
    CalcLayout(false);
}

void TVrPowerButton::WMSize(TMessage &m)
{
    DispatchFrom(inherited::StaticClass(), m);
    CalcLayout(true);
}

void TVrPowerButton::CMTextChanged(TMessage &m)
{
    DispatchFrom(inherited::StaticClass(), m);
    if (HandleAllocated())
        CalcLayout(true);
}

void TVrPowerButton::CMDialogChar(TMessage &m)
{
    if (Enabled() && IsAccel(QChar(static_cast<char16_t>(m.WParam)), Caption()))
        FireClick();
    DispatchFrom(inherited::StaticClass(), m);
}

void TVrPowerButton::FocusChanged()
{
    if (!FocusedNow() && FSpaceArmed) {
        // The Space press that armed the button no longer belongs to it.
        FSpaceArmed = false;
        FPressed = FDown;
    }
    inherited::FocusChanged();
}
