#include "widgets/skinned/RzButton.h"

#include "platform/runtime/ClassBuilder.h"
#include "platform/runtime/Filer.h"
#include "platform/ui/Bitmap.h"
#include "platform/ui/ControlsInput.h"
#include "platform/ui/Forms.h"
#include "platform/ui/Label.h"
#include "widgets/skinned/RzFrameController.h"

T_IMPLEMENT_CLASS(TRzCustomButton)
{
    using C = TRzCustomButton;
    b.Message(CM_MOUSEENTER, &C::CMMouseEnter);
    b.Message(CM_MOUSELEAVE, &C::CMMouseLeave);
    b.Message(CM_ENABLEDCHANGED, &C::CMEnabledChanged);
    b.Message(CM_TEXTCHANGED, &C::CMTextChanged);
    b.Message(WM_SETFOCUS, &C::WMSetFocus);
    b.Message(WM_KILLFOCUS, &C::WMKillFocus);
    b.Message(WM_ERASEBKGND, &C::WMEraseBkgnd);
}

T_IMPLEMENT_CLASS(TRzButton)
{
    using C = TRzButton;
    b.Enum("Alignment", &C::Alignment, &C::SetAlignment, AlignmentNames).Default(taCenter);
    b.Enum("AlignmentVertical", &C::AlignmentVertical, &C::SetAlignmentVertical, AlignmentVerticalNames)
        .Default(avCenter);
    b.Bool("AllowAllUp", &C::AllowAllUp, &C::SetAllowAllUp).Default(false);
    b.Bool("Cancel", &C::Cancel, &C::SetCancel).Default(false);
    b.Str("Caption", &C::Caption, &C::SetCaption);
    b.Color("Color", &C::Color, &C::SetColor).Default(clBtnFace).Idents(ColorIdents()).Stored([](const C &c) {
        return !c.ParentColor();
    });
    b.Bool("Default", &C::Default, &C::SetDefault).Default(false);
    b.Bool("DropDownOnEnter", &C::DropDownOnEnter, &C::SetDropDownOnEnter).Default(true);
    b.Int("GroupIndex", &C::GroupIndex, &C::SetGroupIndex).Default(0);
    b.Bool("Down", &C::Down, &C::SetDown).Default(false);
    b.Color("FrameColor", &C::FrameColor, &C::SetFrameColor).Default(cl3DDkShadow).Idents(ColorIdents());
    b.Int("Height", &C::Height, &C::SetHeight).Default(25);
    b.Color("HighlightColor", &C::HighlightColor, &C::SetHighlightColor).Default(clHighlight).Idents(ColorIdents());
    b.Bool("HotTrack", &C::HotTrack, &C::SetHotTrack).Default(false);
    b.Color("HotTrackColor", &C::HotTrackColor, &C::SetHotTrackColor).Default(0x149BF0).Idents(ColorIdents());
    b.Enum("HotTrackColorType", &C::HotTrackColorType, &C::SetHotTrackColorType, RzHotTrackColorTypeNames)
        .Default(htctActual);
    b.Bool("LightTextStyle", &C::LightTextStyle, &C::SetLightTextStyle).Default(false);
    b.Int("ModalResult", &C::ModalResult, &C::SetModalResult).Default(mrNone);
    b.Bool("ParentColor", &C::ParentColor, &C::SetParentColor).Default(false);
    b.Bool("ShowDownPattern", &C::ShowDownPattern, &C::SetShowDownPattern).Default(true);
    b.Bool("ShowFocusRect", &C::ShowFocusRect, &C::SetShowFocusRect).Default(true);
    b.Bool("TabStop", &C::TabStop, &C::SetTabStop).Default(true);
    b.Color("TextHighlightColor", &C::TextHighlightColor, &C::SetTextHighlightColor)
        .Default(clBtnHighlight)
        .Idents(ColorIdents());
    b.Color("TextShadowColor", &C::TextShadowColor, &C::SetTextShadowColor).Default(clBtnShadow).Idents(ColorIdents());
    b.Int("TextShadowDepth", &C::TextShadowDepth, &C::SetTextShadowDepth).Default(2);
    b.Enum("TextStyle", &C::TextStyle, &C::SetTextStyle, TextStyleNames).Default(tsNormal);
    b.Bool("ThemeAware", &C::ThemeAware, &C::SetThemeAware).Default(true);
    b.Int("Width", &C::Width, &C::SetWidth).Default(75);
    b.Event("OnEnter", &C::OnEnter);
    b.Event("OnExit", &C::OnExit);
    b.Event("OnKeyDown", &C::OnKeyDown);
    b.Event("OnKeyPress", &C::OnKeyPress);
    b.Event("OnKeyUp", &C::OnKeyUp);

    b.Message(CM_DIALOGCHAR, &C::CMDialogChar);
    b.Message(CM_FOCUSCHANGED, &C::CMFocusChanged);
    b.Message(CM_PUSHBUTTONPRESSED, &C::CMButtonPressed);
}

// ---- TRzCustomButton -----------------------------------------------------------------------------

TRzCustomButton::TRzCustomButton(TComponent *AOwner) : TCustomControl(AOwner)
{
    FControlStyle = TControlStyle{csCaptureMouse, csSetCaption, csOpaque, csDoubleClicks, csReplicatable, csReflector};
    FTabStop = true;
    SetBounds(Left(), Top(), 115, 17);
}

void TRzCustomButton::SetAlignmentVertical(TAlignmentVertical value)
{
    Store(FAlignmentVertical, value);
}
void TRzCustomButton::SetHotTrackColor(TColor value)
{
    Store(FHotTrackColor, value);
}
void TRzCustomButton::SetHotTrackColorType(TRzHotTrackColorType value)
{
    Store(FHotTrackColorType, value);
}
void TRzCustomButton::SetHighlightColor(TColor value)
{
    Store(FHighlightColor, value);
}
void TRzCustomButton::SetLightTextStyle(bool value)
{
    Store(FLightTextStyle, value);
}
void TRzCustomButton::SetTextStyle(TTextStyle value)
{
    Store(FTextStyle, value);
}
void TRzCustomButton::SetTextHighlightColor(TColor value)
{
    Store(FTextHighlightColor, value);
}
void TRzCustomButton::SetTextShadowColor(TColor value)
{
    Store(FTextShadowColor, value);
}
void TRzCustomButton::SetTextShadowDepth(int value)
{
    Store(FTextShadowDepth, value);
}
void TRzCustomButton::SetThemeAware(bool value)
{
    Store(FThemeAware, value);
}
void TRzCustomButton::SetHotTrack(bool value)
{
    Store(FHotTrack, value);
}

void TRzCustomButton::SetTransparent(bool value)
{
    if (value == FTransparent)
        return;
    FTransparent = value;
    if (value)
        FControlStyle >> csOpaque;
    else
        FControlStyle << csOpaque;
    Invalidate();
}

bool TRzCustomButton::UsingThemes() const
{
    return FThemeAware && ThemesEnabled();
}

void TRzCustomButton::DrawCaption(TCanvas *canvas, TRect r, UINT flags)
{
    canvas->Brush()->SetStyle(bsClear);
    canvas->SetFont(Font());
    const QString caption = Caption();
    TRect measured = r;
    const int h =
        DrawTextInRect(canvas, caption, measured, DT_CALCRECT | DT_WORDBREAK | DT_EXPANDTABS | DT_VCENTER | DT_CENTER);
    switch (FAlignmentVertical) {
    case avTop: r.Bottom = r.Top + h; break;
    case avCenter:
        r.Top = (r.Top + r.Bottom - h) / 2;
        r.Bottom = r.Top + h;
        break;
    case avBottom: r.Top = r.Bottom - h - 1; break;
    }
    if (BiDiMode != bdLeftToRight)
        flags |= DT_RTLREADING;
    auto pass = [&](TColor color, int dx, int dy) {
        canvas->Font()->SetColor(color);
        TRect moved = r;
        moved.Offset(dx, dy);
        DrawTextInRect(canvas, caption, moved, flags);
    };
    if (Enabled()) {
        const bool right = (flags & DT_RIGHT) != 0;
        switch (FTextStyle) {
        case tsRaised:
            if (!FLightTextStyle)
                pass(FTextShadowColor, 1, 1);
            pass(FTextHighlightColor, -1, -1);
            break;
        case tsRecessed:
            pass(FTextHighlightColor, 1, 1);
            if (!FLightTextStyle)
                pass(FTextShadowColor, -1, -1);
            break;
        case tsShadow: pass(FTextShadowColor, right ? 0 : FTextShadowDepth, FTextShadowDepth); break;
        case tsNormal: break;
        }
        canvas->Font()->SetColor(Font()->Color());
        if (right)
            r.Offset(-FTextShadowDepth, 0);
    } else {
        canvas->Font()->SetColor(ColorsAreSimilar(Color(), clGrayText) ? cl3DDkShadow : clGrayText);
    }
    DrawTextInRect(canvas, caption, r, flags);
    canvas->Brush()->SetStyle(bsSolid);
}

// ---- Pressing ------------------------------------------------------------------------------------

void TRzCustomButton::MouseDown(TMouseButton button, TShiftState shift, int x, int y)
{
    inherited::MouseDown(button, shift, x, y);
    if (button != mbLeft || !Enabled())
        return;
    if (!Focused() && CanFocus())
        SetFocus();
    if (!Focused())
        return;
    FShowDownVersion = true;
    UpdateDisplay();
    FDragging = true;
}

void TRzCustomButton::MouseMove(TShiftState shift, int x, int y)
{
    inherited::MouseMove(shift, x, y);
    if (!FDragging)
        return;
    // The row just below the button still counts as inside, the column right of it does not.
    const bool inside = x >= 0 && x < ClientWidth() && y >= 0 && y <= ClientHeight();
    if (inside != FShowDownVersion) {
        FShowDownVersion = inside;
        UpdateDisplay();
    }
}

void TRzCustomButton::MouseUp(TMouseButton button, TShiftState shift, int x, int y)
{
    inherited::MouseUp(button, shift, x, y);
    if (!FDragging)
        return;
    FDragging = false;
    FShowDownVersion = false;
    if (TRect(0, 0, ClientWidth(), ClientHeight()).Contains(TPoint(x, y)))
        ButtonClick();
    UpdateDisplay();
}

void TRzCustomButton::KeyDown(WORD &key, TShiftState shift)
{
    if (key == VK_SPACE && !shift.Contains(ssAlt)) {
        FKeyToggle = true;
        FShowDownVersion = true;
        UpdateDisplay();
    }
    inherited::KeyDown(key, shift);
}

void TRzCustomButton::KeyUp(WORD &key, TShiftState shift)
{
    if (key == VK_SPACE) {
        FShowDownVersion = false;
        if (std::exchange(FKeyToggle, false))
            ButtonClick();
        UpdateDisplay();
    }
    inherited::KeyUp(key, shift);
}

// ---- Messages ------------------------------------------------------------------------------------

void TRzCustomButton::CMMouseEnter(TMessage &m)
{
    if (ComponentState().Contains(csDesigning))
        return;
    if (m.LParam == 0)
        FMouseOverButton = true;
    DispatchFrom(inherited::StaticClass(), m);
    if (m.LParam == 0 && (FHotTrack || UsingThemes()))
        InvalidateRect(GetHotTrackRect());
}

void TRzCustomButton::CMMouseLeave(TMessage &m)
{
    if (m.LParam == 0)
        FMouseOverButton = false;
    DispatchFrom(inherited::StaticClass(), m);
    if (m.LParam == 0 && (FHotTrack || UsingThemes()))
        InvalidateRect(GetHotTrackRect());
}

void TRzCustomButton::CMEnabledChanged(TMessage &m)
{
    DispatchFrom(inherited::StaticClass(), m);
    Invalidate();
}

void TRzCustomButton::CMTextChanged(TMessage &m)
{
    DispatchFrom(inherited::StaticClass(), m);
    Repaint();
}

void TRzCustomButton::WMSetFocus(TMessage &m)
{
    DispatchFrom(inherited::StaticClass(), m);
    Repaint();
}

void TRzCustomButton::WMKillFocus(TMessage &m)
{
    DispatchFrom(inherited::StaticClass(), m);
    // A Space press armed on this button no longer belongs to it.
    if (std::exchange(FKeyToggle, false))
        FShowDownVersion = false;
    Repaint();
}

void TRzCustomButton::WMEraseBkgnd(TMessage &m)
{
    if (!FTransparent) {
        DispatchFrom(inherited::StaticClass(), m);
        return;
    }
    DrawBackground(reinterpret_cast<HDC>(m.WParam));
    m.Result = 1;
}

// ---- TRzButton: properties -----------------------------------------------------------------------

TRzButton::TRzButton(TComponent *AOwner) : TRzCustomButton(AOwner)
{
    FColor = clBtnFace;
    FParentColor = false;
    SetBounds(Left(), Top(), 75, 25);
}

void TRzButton::SetAlignment(TAlignment value)
{
    Store(FAlignment, value);
}
void TRzButton::SetFrameColor(TColor value)
{
    Store(FFrameColor, value);
}
void TRzButton::SetShowDownPattern(bool value)
{
    Store(FShowDownPattern, value);
}
void TRzButton::SetShowFocusRect(bool value)
{
    Store(FShowFocusRect, value);
}

void TRzButton::SetHotTrack(bool value)
{
    inherited::SetHotTrack(value);
    // The hot look leaves its corners to the parent's image.
    SetTransparent(FHotTrack);
    Invalidate();
}

void TRzButton::SetDefault(bool value)
{
    FDefault = value;
    if (!HandleAllocated()) {
        FActive = value;
        return;
    }
    // Every button works out again which one Enter clicks.
    if (TCustomForm *form = GetParentForm(this))
        form->Perform(CM_FOCUSCHANGED, 0, reinterpret_cast<LPARAM>(form->ActiveControl()));
}

void TRzButton::SetAllowAllUp(bool value)
{
    if (value == FAllowAllUp)
        return;
    FAllowAllUp = value;
    UpdateExclusive();
}

void TRzButton::SetGroupIndex(int value)
{
    if (value == FGroupIndex)
        return;
    FGroupIndex = value;
    UpdateExclusive();
}

void TRzButton::SetDown(bool value)
{
    if (!WriteGroupedDown(FGroupIndex, FAllowAllUp, FDown, FState, value))
        return;
    Invalidate();
    if (FDown)
        UpdateExclusive();
}

void TRzButton::UpdateExclusive()
{
    BroadcastGroupDown(this, CM_PUSHBUTTONPRESSED, FGroupIndex);
}

void TRzButton::CMButtonPressed(TMessage &m)
{
    if (ReceiveGroupDown(m, this, FGroupIndex, FDown, FAllowAllUp, FState))
        Invalidate();
}

// ---- TRzButton: clicking -------------------------------------------------------------------------

void TRzButton::Click()
{
    if (TCustomForm *form = GetParentForm(this))
        form->SetModalResult(FModalResult);
    inherited::Click();
}

void TRzButton::DefineProperties(TFiler *Filer)
{
    inherited::DefineProperties(Filer);
    Filer->DefineProperty(
        QStringLiteral("FrameFlat"), [this](TReader &r) { SetHotTrack(r.ReadBoolean()); },
        &TRzOldPropReader::WriteOldProp, false);
}

void TRzButton::ButtonClick()
{
    if (FGroupIndex != 0)
        SetDown(!FDown);
    else
        UpdateDisplay();
    const bool clicking = std::exchange(FClicking, true);
    struct Restore {
        bool &field;
        bool value;
        ~Restore() { field = value; }
    } restore{FClicking, clicking};
    Click();
}

void TRzButton::DialogKeyClick(WORD key)
{
    FKeyWasPressed = key == VK_RETURN && !FDropDownOnEnter;
    Click();
    FKeyWasPressed = false;
}

void TRzButton::CMDialogChar(TMessage &m)
{
    if (IsAccel(QChar(static_cast<char16_t>(m.WParam)), Caption()) && CanFocus()) {
        Click();
        m.Result = 1;
        return;
    }
    DispatchFrom(inherited::StaticClass(), m);
}

void TRzButton::CMFocusChanged(TMessage &m)
{
    if (!ComponentState().Contains(csDestroying)) {
        auto *focused = reinterpret_cast<TWinControl *>(m.LParam);
        const bool pushButton = dynamic_cast<TDialogButton *>(focused) != nullptr;
        const bool active = pushButton ? focused == this : FDefault;
        if (active != FActive) {
            FActive = active;
            Repaint();
        }
    }
    DispatchFrom(inherited::StaticClass(), m);
}

// ---- TRzButton: painting -------------------------------------------------------------------------

std::unique_ptr<TBitmap> TRzButton::CreateDownPattern() const
{
    auto pattern = std::make_unique<TBitmap>(8, 8);
    const TColor dot = ColorToRGB(Color()) == ColorToRGB(clSilver) ? clGray : clSilver;
    TCanvas *c = pattern->Canvas();
    for (int y = 0; y < 8; ++y)
        for (int x = 0; x < 8; ++x)
            c->SetPixel(x, y, x % 2 == y % 2 ? dot : Color());
    return pattern;
}

TRect TRzButton::GetCaptionRect() const
{
    TRect r = ClientRect();
    r.Inflate(-5, -5);
    const bool pressed =
        FGroupIndex != 0 ? FState == bsDown || FState == bsExclusive || FShowDownVersion : FShowDownVersion;
    if (pressed && !FHotTrack && !UsingThemes())
        r.Offset(1, 1);
    return r;
}

void TRzButton::DrawButtonCaption()
{
    TAlignment alignment = FAlignment;
    if (BiDiMode == bdRightToLeft && alignment != taCenter)
        alignment = alignment == taLeftJustify ? taRightJustify : taLeftJustify;
    static constexpr UINT AlignmentFlags[] = {DT_LEFT, DT_RIGHT, DT_CENTER};
    DrawCaption(Canvas(), GetCaptionRect(), AlignmentFlags[alignment] | DT_WORDBREAK | DT_EXPANDTABS);
}

void TRzButton::PaintHotTrack(TRect &b, bool pressedLook)
{
    TCanvas *c = Canvas();
    const TColor parent = Parent() ? Parent()->Color() : clBtnFace;
    auto line = [c](TColor color, int x1, int y1, int x2, int y2) {
        c->Pen()->SetColor(color);
        c->MoveTo(x1, y1);
        c->LineTo(x2, y2);
    };
    // Outer ring, its lines stopping short of the corners, a dot inside each corner.
    const TColor dark = Enabled() ? DarkenColor(parent, 20) : parent;
    const TColor light = Enabled() ? LightenColor(parent, 20) : parent;
    line(dark, b.Left, b.Top + 2, b.Left, b.Bottom - 2);
    line(dark, b.Left + 2, b.Top, b.Right - 2, b.Top);
    line(light, b.Right - 1, b.Top + 2, b.Right - 1, b.Bottom - 2);
    line(light, b.Left + 2, b.Bottom - 1, b.Right - 2, b.Bottom - 1);
    c->SetPixel(b.Left + 1, b.Top + 1, dark);
    c->SetPixel(b.Right - 2, b.Top + 1, dark);
    c->SetPixel(b.Left + 1, b.Bottom - 2, dark);
    c->SetPixel(b.Right - 2, b.Bottom - 2, light);
    // Inner ring in FrameColor without its corner pixels.
    const TColor frame = Enabled()                                      ? FFrameColor
                         : ColorToRGB(Color()) == ColorToRGB(clBtnFace) ? LightenColor(clBtnShadow, 30)
                                                                        : DarkenColor(Color(), 80);
    const TRect in(b.Left + 1, b.Top + 1, b.Right - 1, b.Bottom - 1);
    line(frame, in.Left, in.Top + 1, in.Left, in.Bottom - 1);
    line(frame, in.Left + 1, in.Top, in.Right - 1, in.Top);
    line(frame, in.Right - 1, in.Top + 1, in.Right - 1, in.Bottom - 1);
    line(frame, in.Left + 1, in.Bottom - 1, in.Right - 1, in.Bottom - 1);
    b.Inflate(-2, -2);
    if (!Enabled()) {
        c->FillRect(b, Color());
        return;
    }
    auto hotFace = [&] {
        line(DarkenColor(Color(), 20), b.Left, b.Bottom - 2, b.Right, b.Bottom - 2);
        line(DarkenColor(Color(), 30), b.Left, b.Bottom - 1, b.Right, b.Bottom - 1);
        const TRect face(b.Left, b.Top, b.Right, b.Bottom - 2);
        if (IsFullColor)
            FillGradient(c, face, gdHorizontalEnd, LightenColor(Color(), 30), DarkenColor(Color(), 10));
        else
            c->FillRect(face, Color());
    };
    if (pressedLook) {
        c->FillRect(b, DarkenColor(Color(), 10));
    } else if (FMouseOverButton) {
        hotFace();
        if (FHotTrackColorType == htctActual) {
            DrawGradientBorder(c, b, gdHorizontalEnd, BlendColors(clWhite, FHotTrackColor, 190), FHotTrackColor);
        } else {
            const TColor complement = ComplementColor(FHotTrackColor, 180);
            DrawGradientBorder(c, b, gdHorizontalEnd, complement, DarkenColor(complement, 30));
        }
    } else if (FGroupIndex != 0 || (!FActive && !Focused())) {
        hotFace();
    } else {
        hotFace();
        const TColor h =
            ColorsAreSimilar(FHighlightColor, clBtnFace) ? DarkenColor(FHighlightColor, 30) : FHighlightColor;
        const TColor l = LightenColor(Color(), 30);
        DrawGradientBorder(c, b, gdHorizontalEnd, BlendColors(h, l, 60), BlendColors(h, l, 160));
    }
}

void TRzButton::PaintClassic(TRect &b, bool pressedLook)
{
    TCanvas *c = Canvas();
    const bool grouped = FGroupIndex != 0;
    if ((!grouped && (FActive || Focused()) && !FShowDownVersion) || FClicking) {
        DrawSideLines(c, b, clWindowFrame, clWindowFrame, sdAllSides);
        b.Inflate(-1, -1);
    }
    if (ColorToRGB(Color()) == ColorToRGB(clBtnFace))
        b = grouped ? DrawFrameStyle(c, b, pressedLook ? fsLowered : fsButtonUp)
                    : DrawButtonFrame(c, b, FShowDownVersion);
    else if (grouped)
        b = pressedLook ? DrawColorFrameStyle(c, b, Color(), fsLowered) : DrawColorButtonFrame(c, b, Color(), false);
    else
        b = DrawColorButtonFrame(c, b, Color(), FShowDownVersion);
    c->FillRect(b, Color());
}

void TRzButton::Paint()
{
    TCanvas *c = Canvas();
    const bool grouped = FGroupIndex != 0;
    const bool pressedLook = FState == bsDown || FState == bsExclusive || FShowDownVersion;
    TRect focus = ClientRect();
    const int focusInset = FHotTrack || UsingThemes() ? 3 : 4;
    focus.Inflate(-focusInset, -focusInset);
    if (grouped && pressedLook)
        focus.Offset(1, 1);
    TRect b = ClientRect();
    c->Brush()->SetStyle(bsSolid);
    if (FHotTrack && !UsingThemes())
        PaintHotTrack(b, pressedLook);
    else
        PaintClassic(b, pressedLook);
    if (grouped && FState == bsExclusive && FShowDownPattern) {
        const std::unique_ptr<TBitmap> pattern = CreateDownPattern();
        c->Brush()->SetBitmap(pattern.get());
        c->FillRect(b);
        c->Brush()->SetBitmap(nullptr);
    }
    c->SetFont(Font());
    c->Brush()->SetColor(Color());
    DrawButtonCaption();
    if (Focused() && FShowFocusRect)
        DrawDottedRect(c, focus);
}

void TRzButton::DrawBackground(HDC dc)
{
    // Everything but the corners (enabled) or the outer ring (disabled) is the button's own.
    TRect r = ClientRect();
    const int inset = Enabled() ? 1 : 2;
    r.Inflate(-inset, -inset);
    const TRect wide(r.Left - 1, r.Top + 1, r.Right + 1, r.Bottom - 1);
    const TRect tall(wide.Left + 2, wide.Top - 2, wide.Right - 2, wide.Bottom + 2);
    dc->SaveDC();
    dc->ExcludeClipRect(r);
    dc->ExcludeClipRect(wide);
    dc->ExcludeClipRect(tall);
    PaintParentBackground(this, dc, true);
    dc->RestoreDC(-1);
}
