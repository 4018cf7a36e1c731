#include "platform/ui/SpeedButton.h"

#include "platform/runtime/ClassBuilder.h"
#include "platform/ui/ControlsWinControl.h"

T_IMPLEMENT_CLASS(TSpeedButton)
{
    b.Bool("AllowAllUp", &TSpeedButton::AllowAllUp, &TSpeedButton::SetAllowAllUp).Default(false);
    b.Str("Caption", &TSpeedButton::Caption, &TSpeedButton::SetCaption);
    b.Bool("Down", &TSpeedButton::Down, &TSpeedButton::SetDown).Default(false);
    b.Bool("Flat", &TSpeedButton::Flat, &TSpeedButton::SetFlat).Default(false);
    b.Object("Glyph", &TSpeedButton::Glyph, &TSpeedButton::SetGlyph);
    b.Int("GroupIndex", &TSpeedButton::GroupIndex, &TSpeedButton::SetGroupIndex).Default(0);
    b.Enum("Layout", &TSpeedButton::Layout, &TSpeedButton::SetLayout, ButtonLayoutNames).Default(blGlyphLeft);
    b.Int("Margin", &TSpeedButton::Margin, &TSpeedButton::SetMargin).Default(-1);
    b.Int("NumGlyphs", &TSpeedButton::NumGlyphs, &TSpeedButton::SetNumGlyphs).Default(1);
    b.Int("Spacing", &TSpeedButton::Spacing, &TSpeedButton::SetSpacing).Default(4);
    b.Message(CM_BUTTONPRESSED, &TSpeedButton::CMButtonPressed);
    b.Message(CM_TEXTCHANGED, &TSpeedButton::CMTextChanged);
}

TSpeedButton::TSpeedButton(TComponent *AOwner) : TGraphicControl(AOwner), FGlyph(std::make_unique<TBitmap>())
{
    FControlStyle = TControlStyle{csCaptureMouse, csDoubleClicks};
    FGlyph->OnChange = [this](TObject *) { Invalidate(); };
    SetBounds(0, 0, 23, 22);
}

TSpeedButton::~TSpeedButton() = default;

void TSpeedButton::SetAllowAllUp(bool value)
{
    if (FAllowAllUp == value)
        return;
    FAllowAllUp = value;
    UpdateExclusive();
}

void TSpeedButton::SetGroupIndex(int value)
{
    if (FGroupIndex == value)
        return;
    FGroupIndex = value;
    UpdateExclusive();
}

void TSpeedButton::SetDown(bool value)
{
    if (!WriteGroupedDown(FGroupIndex, FAllowAllUp, FDown, FState, value))
        return;
    Invalidate();
    if (FDown)
        UpdateExclusive();
}

void TSpeedButton::SetFlat(bool value)
{
    FFlat = value;
    Invalidate();
}

void TSpeedButton::SetNumGlyphs(TNumGlyphs value)
{
    FNumGlyphs = std::clamp(value, 1, 4);
    Invalidate();
}

void TSpeedButton::SetLayout(TButtonLayout value)
{
    FLayout = value;
    Invalidate();
}

void TSpeedButton::SetMargin(int value)
{
    FMargin = value;
    Invalidate();
}

void TSpeedButton::SetSpacing(int value)
{
    FSpacing = value;
    Invalidate();
}

void TSpeedButton::UpdateExclusive()
{
    BroadcastGroupDown(this, CM_BUTTONPRESSED, FGroupIndex);
}

void TSpeedButton::CMButtonPressed(TMessage &m)
{
    if (ReceiveGroupDown(m, this, FGroupIndex, FDown, FAllowAllUp, FState))
        Invalidate();
}

void TSpeedButton::CMTextChanged(TMessage &m)
{
    DispatchFrom(inherited::StaticClass(), m);
    Invalidate();
}

void TSpeedButton::MouseDown(TMouseButton button, TShiftState shift, int x, int y)
{
    TGraphicControl::MouseDown(button, shift, x, y);
    if (button != mbLeft || !Enabled())
        return;
    if (!FDown) {
        FState = bsDown;
        Invalidate();
    }
    FDragging = true;
}

void TSpeedButton::MouseUp(TMouseButton button, TShiftState shift, int x, int y)
{
    TGraphicControl::MouseUp(button, shift, x, y);
    if (!FDragging)
        return;
    FDragging = false;
    const bool doClick = x >= 0 && x < Width() && y >= 0 && y <= Height();
    if (FGroupIndex == 0) {
        FState = bsUp;
        Invalidate();
    } else if (doClick) {
        SetDown(!FDown);
    } else {
        FState = FDown ? bsExclusive : bsUp;
        Invalidate();
    }
    if (doClick)
        Click();
}

void TSpeedButton::MouseEnter()
{
    FMouseInControl = true;
    if (FFlat)
        Invalidate();
    TGraphicControl::MouseEnter();
}

void TSpeedButton::MouseLeave()
{
    FMouseInControl = false;
    if (FFlat)
        Invalidate();
    TGraphicControl::MouseLeave();
}

void TSpeedButton::Paint()
{
    TCanvas *canvas = Canvas();
    TRect r = ClientRect();
    const bool pressed = FState == bsDown || FState == bsExclusive;
    if (!FFlat || FMouseInControl || pressed) {
        canvas->Brush()->SetColor(clBtnFace);
        canvas->FillRect(r);
        TRect edge = r;
        canvas->DrawEdge(edge, pressed ? EDGE_SUNKEN : EDGE_RAISED, BF_RECT);
    }
    const int shift = pressed ? 1 : 0;
    // The glyph of the state (up, disabled, down, stay-down) from the strip of NumGlyphs.
    int gw = 0, gh = 0;
    if (!FGlyph->Empty()) {
        gw = FGlyph->Width() / FNumGlyphs;
        gh = FGlyph->Height();
    }
    canvas->SetFont(Font());
    const QString caption = Caption();
    const int tw = caption.isEmpty() ? 0 : canvas->TextWidth(caption);
    const int th = caption.isEmpty() ? 0 : canvas->TextHeight(caption);
    const bool horizontal = FLayout == blGlyphLeft || FLayout == blGlyphRight;
    const int gap = gw > 0 && tw > 0 ? FSpacing : 0;
    const int totalW = horizontal ? gw + gap + tw : std::max(gw, tw);
    const int totalH = horizontal ? std::max(gh, th) : gh + gap + th;
    int x = (Width() - totalW) / 2 + shift;
    int y = (Height() - totalH) / 2 + shift;
    int gx = x, gy = y, tx = x, ty = y;
    switch (FLayout) {
    case blGlyphLeft: gy = y + (totalH - gh) / 2; tx = x + gw + gap; ty = y + (totalH - th) / 2; break;
    case blGlyphRight: tx = x; gx = x + tw + gap; gy = y + (totalH - gh) / 2; ty = y + (totalH - th) / 2; break;
    case blGlyphTop: gx = x + (totalW - gw) / 2; tx = x + (totalW - tw) / 2; ty = y + gh + gap; break;
    case blGlyphBottom: tx = x + (totalW - tw) / 2; gx = x + (totalW - gw) / 2; gy = y + th + gap; break;
    }
    if (gw > 0) {
        int index = 0;
        if (!Enabled() && FNumGlyphs > 1)
            index = 1;
        else if (FState == bsDown && FNumGlyphs > 2)
            index = 2;
        else if (FState == bsExclusive && FNumGlyphs > 3)
            index = 3;
        canvas->DrawImage(TRect(gx, gy, gx + gw, gy + gh), FGlyph->Image(), TRect(index * gw, 0, (index + 1) * gw, gh),
                          false, FGlyph->TransparentColor());
    }
    if (tw > 0) {
        canvas->Brush()->SetStyle(bsClear);
        canvas->Font()->SetColor(Enabled() ? Font()->Color() : clGrayText);
        canvas->TextOut(tx, ty, caption);
    }
}
