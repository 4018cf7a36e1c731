#include "widgets/skinned/VrDemoButton.h"

#include "platform/runtime/ClassBuilder.h"
#include "platform/ui/Label.h"
#include "widgets/skinned/VrDrawUtils.h"

#include <algorithm>

T_IMPLEMENT_CLASS(TVrDemoButton)
{
    using C = TVrDemoButton;
    b.Object("FontEnter", &C::FontEnter, &C::SetFontEnter);
    b.Object("FontLeave", &C::FontLeave, &C::SetFontLeave);
    b.Object("Bitmap", &C::Bitmap, &C::SetBitmap);
    b.Color("OutlineColor", &C::OutlineColor, &C::SetOutlineColor).Default(clBlack).Idents(ColorIdents());
    b.Color("ShadowColor", &C::ShadowColor, &C::SetShadowColor).Default(clBtnShadow).Idents(ColorIdents());
    b.Color("HighlightColor", &C::HighlightColor, &C::SetHighlightColor).Default(clBtnHighlight).Idents(ColorIdents());
    b.Int("BevelWidth", &C::BevelWidth, &C::SetBevelWidth).Default(2);
    b.Int("OutlineWidth", &C::OutlineWidth, &C::SetOutlineWidth).Default(1);
    b.Enum("TextAlignment", &C::TextAlignment, &C::SetTextAlignment, VrTextAlignmentNames).Default(vtaCenter);
    b.Color("DisabledTextColor", &C::DisabledTextColor, &C::SetDisabledTextColor)
        .Default(clInactiveCaption)
        .Idents(ColorIdents());
    b.Color("FocusColor", &C::FocusColor, &C::SetFocusColor).Default(clBlue).Idents(ColorIdents());
    b.Object("Font3D", &C::Font3D, &C::SetFont3D);
    b.Bool("Flat", &C::Flat, &C::SetFlat).Default(false);
    b.Str("Caption", &C::Caption, &C::SetCaption);
    b.Color("Color", &C::Color, &C::SetColor).Default(clBtnFace).Idents(ColorIdents()).Stored([](const C &c) {
        return !c.ParentColor();
    });
    b.Bool("ParentColor", &C::ParentColor, &C::SetParentColor).Default(false);
    b.Bool("TabStop", &C::TabStop, &C::SetTabStop).Default(false);
    b.Int("Height", &C::Height, &C::SetHeight).Default(25);
    b.Int("Width", &C::Width, &C::SetWidth).Default(150);

    b.Message(WM_LBUTTONDOWN, &C::WMLButtonDown);
    b.Message(WM_LBUTTONDBLCLK, &C::WMLButtonDown);
    b.Message(WM_MOUSEMOVE, &C::WMMouseMove);
    b.Message(WM_LBUTTONUP, &C::WMLButtonUp);
    b.Message(CM_DIALOGCHAR, &C::CMDialogChar);
}

namespace {

// DrawText placement of each TextAlignment (always on one line).
constexpr UINT AlignmentFlags[] = {
    DT_LEFT | DT_VCENTER, DT_CENTER | DT_VCENTER, DT_RIGHT | DT_VCENTER, DT_TOP | DT_LEFT,     DT_TOP | DT_CENTER,
    DT_TOP | DT_RIGHT,    DT_BOTTOM | DT_LEFT,    DT_BOTTOM | DT_CENTER, DT_BOTTOM | DT_RIGHT,
};

void SetButtonFont(TFont &font, TColor color)
{
    font.SetName(QStringLiteral("Arial"));
    font.SetSize(12);
    font.SetColor(color);
    font.SetStyle(font.Style() + fsBold);
}

}  // namespace

TVrDemoButton::TVrDemoButton(TComponent *AOwner)
    : TVrCustomImageControl(AOwner), FBitmap(std::make_unique<TBitmap>()), FFontEnter(std::make_unique<TFont>()),
      FFontLeave(std::make_unique<TFont>()), FFont3D(std::make_unique<TVrFont3D>())
{
    FControlStyle << csOpaque;
    FControlStyle >> csDoubleClicks;
    FColor = clBtnFace;
    FParentColor = false;
    SetButtonFont(*FFontEnter, clRed);
    SetButtonFont(*FFontLeave, clBlack);
    const TNotifyEvent changed = SettingsChangedEvent();
    FBitmap->OnChange = changed;
    FFont3D->OnChange = changed;
    FFontEnter->OnChange = changed;
    FFontLeave->OnChange = changed;
    SetBounds(Left(), Top(), 150, 25);
}

TVrDemoButton::~TVrDemoButton()
{
    FBitmap->OnChange = nullptr;
    FFont3D->OnChange = nullptr;
    FFontEnter->OnChange = nullptr;
    FFontLeave->OnChange = nullptr;
}

// ---- Properties ----------------------------------------------------------------------------------

void TVrDemoButton::SetOutlineColor(TColor value)
{
    StoreAndUpdate(FOutlineColor, value);
}

void TVrDemoButton::SetShadowColor(TColor value)
{
    StoreAndUpdate(FShadowColor, value);
}

void TVrDemoButton::SetHighlightColor(TColor value)
{
    StoreAndUpdate(FHighlightColor, value);
}

void TVrDemoButton::SetBevelWidth(int value)
{
    StoreAndUpdate(FBevelWidth, std::clamp(value, 0, 255));
}

void TVrDemoButton::SetOutlineWidth(int value)
{
    StoreAndUpdate(FOutlineWidth, value);
}

void TVrDemoButton::SetTextAlignment(TVrTextAlignment value)
{
    StoreAndUpdate(FTextAlignment, value);
}

void TVrDemoButton::SetDisabledTextColor(TColor value)
{
    StoreAndUpdate(FDisabledTextColor, value);
}

void TVrDemoButton::SetFocusColor(TColor value)
{
    StoreAndUpdate(FFocusColor, value);
}

void TVrDemoButton::SetFlat(bool value)
{
    StoreAndUpdate(FFlat, value);
}

// ---- Painting ------------------------------------------------------------------------------------

void TVrDemoButton::Paint()
{
    PrepareImage();
    TCanvas *c = ImageCanvas();
    TRect r = ClientRect();
    if (FDown)
        r.Offset(1, 1);
    if (!FBitmap->Empty())
        TileBitmap(c, r, FBitmap.get());
    r = ClientRect();
    const TColor outline = FocusedNow() ? FFocusColor : FOutlineColor;
    DrawFrame3D(c, r, outline, FOutlineWidth, outline);
    if (FDown)
        DrawFrame3D(c, r, FShadowColor, FBevelWidth, FHighlightColor);
    else if (!FFlat || FHasMouse)
        DrawFrame3D(c, r, FHighlightColor, FBevelWidth, FShadowColor);
    else
        r.Inflate(-FBevelWidth, -FBevelWidth);
    c->SetFont(FHasMouse && Enabled() ? FFontEnter.get() : FFontLeave.get());
    if (!Enabled())
        c->Font()->SetColor(FDisabledTextColor);
    c->Brush()->SetStyle(bsClear);
    if (FDown)
        r.Offset(1, 1);
    FFont3D->Paint(c, r, DT_SINGLELINE | AlignmentFlags[FTextAlignment], Caption());
    inherited::Paint();
}

// ---- Input ---------------------------------------------------------------------------------------

void TVrDemoButton::BeginPress(TPoint p)
{
    if (!Inside(p))
        return;
    FPressed = true;
    FDown = true;
    SetMouseCapture(true);
    if (TabStop() && CanFocus())
        SetFocus();
    UpdateControl();
}

void TVrDemoButton::WMLButtonDown(TMessage &m)
{
    DispatchFrom(inherited::StaticClass(), m);
    BeginPress(LParamToPoint(m.LParam));
}

void TVrDemoButton::WMMouseMove(TMessage &m)
{
    DispatchFrom(inherited::StaticClass(), m);
    if (FPressed && Changes(FDown, Inside(LParamToPoint(m.LParam))))
        UpdateControl();
}

void TVrDemoButton::WMLButtonUp(TMessage &m)
{
    SetMouseCapture(false);
    const bool fire = FPressed && FDown;
    FPressed = false;
    FDown = false;
    if (fire) {
        UpdateControl();
        FireClick();
    }
    DispatchFrom(inherited::StaticClass(), m);
}

void TVrDemoButton::KeyDown(WORD &key, TShiftState shift)
{
    inherited::KeyDown(key, shift);
    if (key == VK_SPACE && !FDown)
        BeginPress(TPoint(0, 0));
}

void TVrDemoButton::KeyUp(WORD &key, TShiftState shift)
{
    inherited::KeyUp(key, shift);
    if (key != VK_SPACE)
        return;
    SetMouseCapture(false);
    if (FPressed && FDown) {
        FDown = false;
        UpdateControl();
        FireClick();
    }
    FPressed = false;
}

void TVrDemoButton::MouseEnter()
{
    inherited::MouseEnter();
    FHasMouse = true;
    UpdateControl();
}

void TVrDemoButton::MouseLeave()
{
    inherited::MouseLeave();
    FHasMouse = false;
    UpdateControl();
}

void TVrDemoButton::TextChanged()
{
    inherited::TextChanged();
    UpdateControl();
}

void TVrDemoButton::CMDialogChar(TMessage &m)
{
    if (Enabled() && IsAccel(QChar(static_cast<char16_t>(m.WParam)), Caption()))
        FireClick();
    DispatchFrom(inherited::StaticClass(), m);
}
