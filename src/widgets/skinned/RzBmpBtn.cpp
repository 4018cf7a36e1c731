#include "widgets/skinned/RzBmpBtn.h"

#include "platform/runtime/ClassBuilder.h"
#include "platform/ui/ControlsInput.h"
#include "platform/ui/Forms.h"
#include "platform/ui/Label.h"
#include "platform/ui/Panel.h"
#include "widgets/skinned/RzCommon.h"

// ---- Picture set ---------------------------------------------------------------------------------------

T_IMPLEMENT_CLASS(TRzButtonBitmaps)
{
    using C = TRzButtonBitmaps;
    b.Object("Disabled", &C::Disabled, &C::SetDisabled);
    b.Object("Down", &C::Down, &C::SetDown);
    b.Object("Hot", &C::Hot, &C::SetHot);
    b.Object("StayDown", &C::StayDown, &C::SetStayDown);
    b.Color("TransparentColor", &C::TransparentColor, &C::SetTransparentColor).Default(clOlive).Idents(ColorIdents());
    b.Object("Up", &C::Up, &C::SetUp);
    b.Object("UpAndFocused", &C::UpAndFocused, &C::SetUpAndFocused);
}

TRzButtonBitmaps::TRzButtonBitmaps()
{
    for (auto *p : {&FUp, &FUpAndFocused, &FDisabled, &FDown, &FStayDown, &FHot}) {
        *p = std::make_unique<TBitmap>();
        (*p)->OnChange = TNotifyEvent(this, &TRzButtonBitmaps::BitmapChanged);
    }
}

TRzButtonBitmaps::~TRzButtonBitmaps()
{
    OnChange = nullptr;
}

void TRzButtonBitmaps::SetTransparentColor(TColor value)
{
    if (value == FTransparentColor)
        return;
    FTransparentColor = value;
    BitmapChanged(this);
}

void TRzButtonBitmaps::BitmapChanged(TObject *)
{
    if (OnChange)
        OnChange(this);
}

// ---- Button --------------------------------------------------------------------------------------------

T_IMPLEMENT_CLASS(TRzBmpButton)
{
    using C = TRzBmpButton;
    b.Bool("AllowAllUp", &C::AllowAllUp, &C::SetAllowAllUp).Default(false);
    b.Int("CaptionDownOffset", &C::CaptionDownOffset, &C::SetCaptionDownOffset).Default(1);
    b.Int("ModalResult", &C::ModalResult, &C::SetModalResult).Default(mrNone);
    b.Int("GroupIndex", &C::GroupIndex, &C::SetGroupIndex).Default(0);
    b.Bool("Down", &C::Down, &C::SetDown).Default(false);
    b.Object("Bitmaps", &C::Bitmaps, &C::SetBitmaps);
    b.Color("Color", &C::Color, &C::SetColor).NoDefault().Idents(ColorIdents());
    b.Bool("ParentColor", &C::ParentColor, &C::SetParentColor).Default(false);
    b.Enum("ButtonBorder", &C::ButtonBorder, &C::SetButtonBorder, ButtonBorderNames).Default(bbNone);
    b.Bool("ShowDownPattern", &C::ShowDownPattern, &C::SetShowDownPattern).Default(true);
    b.Bool("ShowFocus", &C::ShowFocus, &C::SetShowFocus).Default(true);
    b.Enum("ButtonSize", &C::ButtonSize, &C::SetButtonSize,
           BtnSizeNames)
        .Default(bszButtonToBitmap);
    b.Enum("ButtonStyle", &C::ButtonStyle, &C::SetButtonStyle, ButtonStyleNames)
        .Default(bsAutoDetect);
    b.Enum("Layout", &C::Layout, &C::SetLayout, ButtonLayoutNames).Default(blGlyphLeft);
    b.Int("Margin", &C::Margin, &C::SetMargin).Default(-1);
    b.Int("Spacing", &C::Spacing, &C::SetSpacing).Default(4);
    b.Str("Caption", &C::Caption, &C::SetCaption);
    b.Int("Height", &C::Height, &C::SetHeight).Default(30);
    b.Int("Width", &C::Width, &C::SetWidth).Default(80);
    b.Bool("TabStop", &C::TabStop, &C::SetTabStop).Default(true);

    b.Message(CM_BMPBUTTONPRESSED, &C::CMButtonPressed);
    b.Message(WM_SIZE, &C::WMSize);
    b.Message(WM_ERASEBKGND, &C::WMEraseBkgnd);
    b.Message(WM_SETFOCUS, &C::WMSetFocus);
    b.Message(WM_KILLFOCUS, &C::WMKillFocus);
    b.Message(WM_LBUTTONDBLCLK, &C::WMLButtonDblClk);
    b.Message(CM_MOUSEENTER, &C::CMMouseEnter);
    b.Message(CM_MOUSELEAVE, &C::CMMouseLeave);
    b.Message(CM_DIALOGCHAR, &C::CMDialogChar);
    b.Message(CM_ENABLEDCHANGED, &C::CMRepaintNeeded);
    b.Message(CM_FONTCHANGED, &C::CMRepaintNeeded);
    b.Message(CM_TEXTCHANGED, &C::CMRepaintNeeded);
    b.Message(CM_SYSCOLORCHANGE, &C::CMRepaintNeeded);
}

namespace {

std::unique_ptr<TBitmap> gDownPattern;
int gInstanceCount = 0;

bool Present(const TBitmap *bitmap)
{
    return bitmap && !bitmap->Empty();
}

}  // namespace

TBitmap *TRzBmpButton::DownPatternBitmap()
{
    if (!gDownPattern) {
        gDownPattern = std::make_unique<TBitmap>(8, 8);
        TCanvas *c = gDownPattern->Canvas();
        for (int y = 0; y < 8; ++y)
            for (int x = 0; x < 8; ++x)
                c->SetPixel(x, y, (x % 2) == (y % 2) ? clWhite : clBtnFace);
    }
    return gDownPattern.get();
}

TRzBmpButton::TRzBmpButton(TComponent *AOwner) : TCustomControl(AOwner), FBitmaps(std::make_unique<TRzButtonBitmaps>())
{
    ++gInstanceCount;
    FControlStyle = TControlStyle{csCaptureMouse, csOpaque, csDoubleClicks};
    FBitmaps->OnChange = TNotifyEvent(this, &TRzBmpButton::BitmapsChanged);
    FColor = clBtnFace;
    FParentColor = false;
    FTabStop = true;
    SetBounds(Left(), Top(), 80, 30);
}

TRzBmpButton::~TRzBmpButton()
{
    FBitmaps->OnChange = nullptr;
    if (--gInstanceCount == 0)
        gDownPattern.reset();
}

// ---- Properties ----------------------------------------------------------------------------------------

void TRzBmpButton::SetAllowAllUp(bool value)
{
    if (value == FAllowAllUp)
        return;
    FAllowAllUp = value;
    UpdateExclusive();
}

void TRzBmpButton::SetGroupIndex(int value)
{
    if (value == FGroupIndex)
        return;
    FGroupIndex = value;
    UpdateExclusive();
}

void TRzBmpButton::SetCaptionDownOffset(int value)
{
    if (value != FCaptionDownOffset)
        FCaptionDownOffset = value, Invalidate();
}

void TRzBmpButton::SetBitmaps(TRzButtonBitmaps *value)
{
    if (!value)
        return;
    for (auto [get, set] : {std::pair{&TRzButtonBitmaps::Up, &TRzButtonBitmaps::SetUp},
                            std::pair{&TRzButtonBitmaps::UpAndFocused, &TRzButtonBitmaps::SetUpAndFocused},
                            std::pair{&TRzButtonBitmaps::Disabled, &TRzButtonBitmaps::SetDisabled},
                            std::pair{&TRzButtonBitmaps::Down, &TRzButtonBitmaps::SetDown},
                            std::pair{&TRzButtonBitmaps::StayDown, &TRzButtonBitmaps::SetStayDown},
                            std::pair{&TRzButtonBitmaps::Hot, &TRzButtonBitmaps::SetHot}})
        (FBitmaps.get()->*set)((value->*get)());
    FBitmaps->SetTransparentColor(value->TransparentColor());
}

void TRzBmpButton::SetButtonBorder(TButtonBorder value)
{
    if (value == FButtonBorder)
        return;
    FButtonBorder = value;
    SizeToBitmap();
    Invalidate();
}

void TRzBmpButton::SetButtonSize(TBtnSize value)
{
    if (value == FButtonSize)
        return;
    FButtonSize = value;
    SizeToBitmap();
    Invalidate();
}

void TRzBmpButton::SetButtonStyle(TButtonStyle value)
{
    if (value == FButtonStyle)
        return;
    FButtonStyle = value;
    SizeToBitmap();
    Invalidate();
}

void TRzBmpButton::SetShowDownPattern(bool value)
{
    if (value != FShowDownPattern)
        FShowDownPattern = value, Invalidate();
}

void TRzBmpButton::SetShowFocus(bool value)
{
    if (value != FShowFocus)
        FShowFocus = value, Invalidate();
}

void TRzBmpButton::SetLayout(TButtonLayout value)
{
    if (value != FLayout)
        FLayout = value, Invalidate();
}

void TRzBmpButton::SetMargin(int value)
{
    if (value != FMargin && value >= -1)
        FMargin = value, Invalidate();
}

void TRzBmpButton::SetSpacing(int value)
{
    if (value != FSpacing)
        FSpacing = value, Invalidate();
}

bool TRzBmpButton::NewStyle() const
{
    // The framework's new-style controls are always on here.
    return FButtonStyle == bsNew || FButtonStyle == bsAutoDetect;
}

void TRzBmpButton::BitmapsChanged(TObject *)
{
    if (FButtonSize == bszButtonToBitmap)
        SizeToBitmap();
    Invalidate();
}

void TRzBmpButton::SizeToBitmap()
{
    if (ComponentState().Contains(csLoading) || FButtonSize == bszNeither || !Present(FBitmaps->Up()))
        return;
    if (FButtonSize == bszButtonToBitmap) {
        const int border = FButtonBorder == bbNone ? 0 : FButtonBorder == bbSingle ? 1 : NewStyle() ? 2 : 3;
        SetBounds(Left(), Top(), FBitmaps->Up()->Width() + 2 * border, FBitmaps->Up()->Height() + 2 * border);
    }
    Invalidate();
}

void TRzBmpButton::WMSize(TMessage &)
{
    SizeToBitmap();
}

void TRzBmpButton::Loaded()
{
    inherited::Loaded();
    SizeToBitmap();
}

// ---- Down and the group --------------------------------------------------------------------------------

void TRzBmpButton::SetDown(bool value)
{
    if (!WriteGroupedDown(FGroupIndex, FAllowAllUp, FDown, FState, value))
        return;
    Invalidate();
    if (FDown)
        UpdateExclusive();
}

void TRzBmpButton::UpdateExclusive()
{
    if (!BroadcastGroupDown(this, CM_BMPBUTTONPRESSED, FGroupIndex))
        FState = bsUp;
}

void TRzBmpButton::CMButtonPressed(TMessage &m)
{
    if (ReceiveGroupDown(m, this, FGroupIndex, FDown, FAllowAllUp, FState))
        Invalidate();
}

void TRzBmpButton::Click()
{
    if (TCustomForm *form = GetParentForm(this))
        form->SetModalResult(FModalResult);
    inherited::Click();
}

// ---- Mouse and keys ------------------------------------------------------------------------------------

void TRzBmpButton::MouseDown(TMouseButton button, TShiftState shift, int x, int y)
{
    inherited::MouseDown(button, shift, x, y);
    if (Enabled() && !Focused() && IsShowing() && CanFocus())
        SetFocus();
    if (button == mbLeft && Enabled() && Focused()) {
        if (!FDown) {
            FState = bsDown;
            Repaint();
        }
        FDragging = true;
    }
}

void TRzBmpButton::MouseMove(TShiftState shift, int x, int y)
{
    inherited::MouseMove(shift, x, y);
    if (!FDragging)
        return;
    // The row just below the button still counts as inside, the column right of it does not.
    const bool inside = x >= 0 && x < ClientWidth() && y >= 0 && y <= ClientHeight();
    const TButtonState state = FDown ? bsExclusive : inside ? bsDown : bsUp;
    if (state != FState) {
        FState = state;
        Invalidate();
    }
}

void TRzBmpButton::MouseUp(TMouseButton button, TShiftState shift, int x, int y)
{
    inherited::MouseUp(button, shift, x, y);
    if (!FDragging)
        return;
    FDragging = false;
    const bool inside = x >= 0 && x < ClientWidth() && y >= 0 && y <= ClientHeight();
    UpdateExclusive();
    DoRelease(inside);
}

void TRzBmpButton::DoRelease(bool inside)
{
    if (FGroupIndex == 0) {
        Invalidate();
    }
    else if (inside) {
        SetDown(!FDown);
    }
    else {
        // Released outside: the latched look, or up (also when no move outside came first).
        FState = FDown ? bsExclusive : bsUp;
        Invalidate();
    }
    if (inside)
        Click();
}

void TRzBmpButton::KeyDown(WORD &key, TShiftState shift)
{
    inherited::KeyDown(key, shift);
    if (key == VK_RETURN) {
        Click();
    }
    else if (key == VK_SPACE && Enabled()) {
        if (!FDown) {
            FState = bsDown;
            Repaint();
        }
        FDragging = true;
    }
}

void TRzBmpButton::KeyUp(WORD &key, TShiftState shift)
{
    inherited::KeyUp(key, shift);
    if (!FDragging)
        return;
    FDragging = false;
    FState = bsUp;
    DoRelease(true);
}

void TRzBmpButton::WMLButtonDblClk(TMessage &m)
{
    DispatchFrom(inherited::StaticClass(), m);
    if (FDown && OnDblClick)
        OnDblClick(this);
}

void TRzBmpButton::WMSetFocus(TMessage &m)
{
    DispatchFrom(inherited::StaticClass(), m);
    IsFocused = true;
    Invalidate();
}

void TRzBmpButton::WMKillFocus(TMessage &m)
{
    DispatchFrom(inherited::StaticClass(), m);
    IsFocused = false;
    Invalidate();
}

void TRzBmpButton::CMMouseEnter(TMessage &m)
{
    FMouseOverButton = true;
    DispatchFrom(inherited::StaticClass(), m);
    if (Present(FBitmaps->Hot()))
        Invalidate();
}

void TRzBmpButton::CMMouseLeave(TMessage &m)
{
    FMouseOverButton = false;
    DispatchFrom(inherited::StaticClass(), m);
    if (Present(FBitmaps->Hot()))
        Invalidate();
}

void TRzBmpButton::CMDialogChar(TMessage &m)
{
    if (IsAccel(QChar(static_cast<char16_t>(m.WParam)), Caption()) && Enabled()) {
        Click();
        m.Result = 1;
        return;
    }
    DispatchFrom(inherited::StaticClass(), m);
}

void TRzBmpButton::CMRepaintNeeded(TMessage &m)
{
    DispatchFrom(inherited::StaticClass(), m);
    Invalidate();
}

void TRzBmpButton::WMEraseBkgnd(TMessage &m)
{
    // Paint covers every pixel.
    m.Result = 1;
}

// ---- Painting ------------------------------------------------------------------------------------------

std::unique_ptr<TBitmap> CreateDisabledBitmap(TBitmap *up)
{
    TBitmap mono;
    mono.Assign(up);
    if (mono.Monochrome()) {
        mono.Canvas()->Font()->SetColor(clWhite);
        mono.Canvas()->Brush()->SetColor(clWhite);
        mono.SetMonochrome(false);
    }
    // The black pixels of the picture become the set (white) ones of the mask.
    mono.Canvas()->Brush()->SetColor(clBlack);
    mono.SetMonochrome(true);

    auto result = std::make_unique<TBitmap>(up->Width(), up->Height());
    TCanvas *c = result->Canvas();
    c->Brush()->SetColor(clBtnFace);
    c->FillRect(TRect(0, 0, up->Width(), up->Height()));
    c->Brush()->SetColor(clBlack);
    c->Font()->SetColor(clWhite);
    c->SetCopyMode(MERGEPAINT);
    c->Draw(1, 1, &mono);
    c->SetCopyMode(SRCAND);
    c->Draw(0, 0, &mono);
    c->Brush()->SetColor(clBtnShadow);
    c->Font()->SetColor(clBlack);
    c->SetCopyMode(SRCPAINT);
    c->Draw(0, 0, &mono);
    c->SetCopyMode(SRCCOPY);
    return result;
}

TBitmap *TRzBmpButton::ChooseBitmap(std::unique_ptr<TBitmap> &disabled)
{
    TRzButtonBitmaps &b = *FBitmaps;
    switch (FState) {
    case bsDisabled:
        if (Present(b.Disabled()))
            return b.Disabled();
        if (!Present(b.Up()))
            return nullptr;
        disabled = CreateDisabledBitmap(b.Up());
        return disabled.get();
    case bsDown: return Present(b.Down()) ? b.Down() : b.Up();
    case bsExclusive: return Present(b.StayDown()) ? b.StayDown() : Present(b.Down()) ? b.Down() : b.Up();
    case bsUp: break;
    }
    if (FMouseOverButton && Present(b.Hot()))
        return b.Hot();
    if (IsFocused && FShowFocus && Present(b.UpAndFocused()))
        return b.UpAndFocused();
    return b.Up();
}

void TRzBmpButton::CalcLayout(const TRect &client, TBitmap *glyph, TRect &glyphRect, TRect &textRect)
{
    const int w = client.Width(), h = client.Height();
    const TSize g =
        glyph && Present(glyph) && FButtonSize == bszNeither ? TSize(glyph->Width(), glyph->Height()) : TSize(0, 0);
    TRect measured(0, 0, w, 0);
    TSize t(0, 0);
    if (!Caption().isEmpty()) {
        Canvas()->SetFont(Font());
        DrawTextInRect(Canvas(), Caption(), measured, DT_CALCRECT);
        t = TSize(measured.Width(), measured.Height());
    }
    const bool horizontal = FLayout == blGlyphLeft || FLayout == blGlyphRight;
    TPoint glyphPos, textPos;
    if (horizontal) {
        glyphPos.Y = h / 2 - g.cy / 2;
        textPos.Y = h / 2 - t.cy / 2;
    }
    else {
        glyphPos.X = w / 2 - g.cx / 2;
        textPos.X = w / 2 - t.cx / 2;
    }
    int spacing = FSpacing, margin = FMargin;
    if (t.cx == 0 || g.cx == 0)
        spacing = 0;
    const int extent = horizontal ? w : h;
    const int gAxis = horizontal ? g.cx : g.cy, tAxis = horizontal ? t.cx : t.cy;
    if (margin == -1) {
        if (spacing == -1) {
            margin = (extent - (gAxis + tAxis)) / 3;
            spacing = margin;
        }
        else {
            margin = extent / 2 - (gAxis + spacing + tAxis) / 2;
        }
    }
    else if (spacing == -1) {
        spacing = (extent - margin - gAxis) / 2 - tAxis / 2;
    }
    switch (FLayout) {
    case blGlyphLeft:
        glyphPos.X = margin;
        textPos.X = margin + g.cx + spacing;
        break;
    case blGlyphRight:
        glyphPos.X = w - margin - g.cx;
        textPos.X = glyphPos.X - spacing - t.cx;
        break;
    case blGlyphTop:
        glyphPos.Y = margin;
        textPos.Y = margin + g.cy + spacing;
        break;
    case blGlyphBottom:
        glyphPos.Y = h - margin - g.cy;
        textPos.Y = glyphPos.Y - spacing - t.cy;
        break;
    }
    textRect = measured;
    textRect.Offset(client.Left + textPos.X, client.Top + textPos.Y);
    glyphRect = g.cx && g.cy ? Bounds(client.Left + glyphPos.X, client.Top + glyphPos.Y, g.cx, g.cy) : TRect();
}

void TRzBmpButton::Paint()
{
    if (!Enabled()) {
        FState = bsDisabled;
        FDragging = false;
    }
    else if (FState == bsDisabled) {
        FState = FDown ? bsDown : bsUp;
    }
    const int w = Width(), h = Height();
    if (w <= 0 || h <= 0)
        return;
    TBitmap off(w, h);
    TCanvas *c = off.Canvas();
    TRect inner = ClientRect();
    c->Brush()->SetColor(Color());
    const bool pressed = FState == bsDown || FState == bsExclusive;
    const int bevel = NewStyle() ? 1 : 2;

    switch (FButtonBorder) {
    case bbNone:
        // The parent's image behind the button; pictures leave their transparent colour out over it.
        PaintParentBackgroundOnCanvas(this, c, false);
        break;
    case bbSingle:
        c->FillRect(inner);
        c->Brush()->SetColor(clBlack);
        c->FrameRect(inner);
        inner.Inflate(-1, -1);
        break;
    case bbButton: {
        c->Brush()->SetColor(clBtnFace);
        TRect face = inner;
        if (NewStyle()) {
            c->DrawEdge(face, pressed ? EDGE_SUNKEN : EDGE_RAISED, BF_RECT | BF_MIDDLE);
        }
        else {
            c->FillRect(face);
            c->Brush()->SetColor(clWindowFrame);
            c->FrameRect(face);
            for (const TPoint p : {TPoint(face.Left, face.Top), TPoint(face.Right - 1, face.Top),
                                   TPoint(face.Left, face.Bottom - 1), TPoint(face.Right - 1, face.Bottom - 1)})
                c->SetPixel(p.X, p.Y, clBtnFace);
            face.Inflate(-1, -1);
            if (IsFocused && FShowFocus) {
                c->FrameRect(face);
                face.Inflate(-1, -1);
            }
            if (pressed) {
                c->Pen()->SetColor(clBtnShadow);
                c->MoveTo(face.Left, face.Bottom - 1);
                c->LineTo(face.Left, face.Top);
                c->LineTo(face.Right, face.Top);
            }
            else {
                Frame3D(c, face, clBtnHighlight, clBtnShadow, bevel);
            }
            c->Brush()->SetColor(clBtnFace);
        }
        inner = TRect(inner.Left + 1, inner.Top + 1, inner.Right - 2, inner.Bottom - 2);
        if (pressed)
            inner.Offset(1, 1);
        inner.Inflate(-1, -1);
        break;
    }
    }

    if (FState == bsExclusive) {
        if (FShowDownPattern)
            c->Brush()->SetBitmap(DownPatternBitmap());
        if (FButtonBorder != bbNone) {
            const int less = NewStyle() ? 2 : 1;
            TRect area(inner.Left, inner.Top, inner.Right - less, inner.Bottom - less);
            area.Inflate(bevel, bevel);
            c->FillRect(area);
        }
        c->Brush()->SetBitmap(nullptr);
    }

    std::unique_ptr<TBitmap> disabled;
    TBitmap *picture = ChooseBitmap(disabled);
    // Without an Up picture only a disabled button's own picture is drawn.
    if (!Present(FBitmaps->Up()) && !(FState == bsDisabled && Present(FBitmaps->Disabled())))
        picture = nullptr;
    TRect glyphRect, textRect;
    CalcLayout(inner, picture, glyphRect, textRect);
    if (picture) {
        const TColor key = FBitmaps->TransparentColor();
        const TRect whole(0, 0, picture->Width(), picture->Height());
        switch (FButtonSize) {
        case bszNeither: DrawBitmapTransparent(c, picture, glyphRect, key, whole); break;
        case bszButtonToBitmap: StretchBitmapTransparent(c, picture, inner, key, whole); break;
        case bszStretchToButton: StretchWholeBitmapTransparent(c, picture, inner, key); break;
        case bszTileToButton: TileBitmapTransparent(c, picture, inner, key); break;
        }
    }

    if (!Caption().isEmpty()) {
        c->SetFont(Font());
        c->Brush()->SetStyle(bsClear);
        if (FState == bsDisabled) {
            TRect shadow = textRect;
            shadow.Offset(1, 1);
            c->Font()->SetColor(clWhite);
            DrawTextCentered(c, Caption(), shadow);
            c->Font()->SetColor(clGray);
            DrawTextCentered(c, Caption(), textRect);
        }
        else {
            if (pressed)
                textRect.Offset(FCaptionDownOffset, FCaptionDownOffset);
            DrawTextCentered(c, Caption(), textRect);
        }
        if (IsFocused && FShowFocus) {
            TRect focus = textRect;
            focus.Inflate(2, 2);
            c->Brush()->SetColor(clBtnFace);
            c->DrawFocusRect(focus);
        }
    }
    Canvas()->SetCopyMode(SRCCOPY);
    Canvas()->Draw(0, 0, &off);
}
