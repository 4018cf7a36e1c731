#include "widgets/skinned/RzLabel.h"

#include "platform/runtime/ClassBuilder.h"
#include "platform/runtime/Filer.h"
#include "platform/ui/Bitmap.h"

#include <cmath>
#include <numbers>

T_IMPLEMENT_CLASS(TRzLabel)
{
    using C = TRzLabel;
    b.Int("Angle", &C::Angle, &C::SetAngle).Default(0);
    b.Bool("Blinking", &C::Blinking, &C::SetBlinking).Default(false);
    b.Color("BlinkColor", &C::BlinkColor, &C::SetBlinkColor).Default(clHighlight).Idents(ColorIdents());
    b.Int("BlinkIntervalOff", &C::BlinkIntervalOff, &C::SetBlinkIntervalOff).Default(500);
    b.Int("BlinkIntervalOn", &C::BlinkIntervalOn, &C::SetBlinkIntervalOn).Default(500);
    b.Int("BevelWidth", &C::BevelWidth, &C::SetBevelWidth).Default(1);
    b.Color("BorderColor", &C::BorderColor, &C::SetBorderColor).Default(clBtnFace).Idents(ColorIdents());
    b.Color("BorderHighlight", &C::BorderHighlight, &C::SetBorderHighlight)
        .Default(clBtnHighlight)
        .Idents(ColorIdents());
    b.Enum("BorderInner", &C::BorderInner, &C::SetBorderInner, FrameStyleExNames).Default(fsNone);
    b.Enum("BorderOuter", &C::BorderOuter, &C::SetBorderOuter, FrameStyleExNames).Default(fsNone);
    b.Color("BorderShadow", &C::BorderShadow, &C::SetBorderShadow).Default(clBtnShadow).Idents(ColorIdents());
    b.Set("BorderSides", &C::BorderSides, &C::SetBorderSides, SideNames).Default(sdAllSides);
    b.Int("BorderWidth", &C::BorderWidth, &C::SetBorderWidth).Default(0);
    b.Enum("CenterPoint", &C::CenterPoint, &C::SetCenterPoint, CenterPointNames).Default(cpCenter);
    b.Color("Color", &C::Color, &C::SetColor).Default(clBtnFace).Idents(ColorIdents()).Stored([](const C &c) {
        return !c.ParentColor();
    });
    b.Enum("CondenseCaption", &C::CondenseCaption, &C::SetCondenseCaption, RzCondenseCaptionNames).Default(ccNone);
    b.Color("FlatColor", &C::FlatColor, &C::SetFlatColor).Default(clBtnShadow).Idents(ColorIdents());
    b.Int("FlatColorAdjustment", &C::FlatColorAdjustment, &C::SetFlatColorAdjustment).Default(30);
    b.Color("FlyByColor", &C::FlyByColor, &C::SetFlyByColor).Default(clHighlight).Idents(ColorIdents());
    b.Bool("FlyByEnabled", &C::FlyByEnabled, &C::SetFlyByEnabled).Default(false);
    b.Ref("FrameController", &C::FrameController, &C::SetFrameController);
    b.Set("FrameControllerNotifications", &C::FrameControllerNotifications, &C::SetFrameControllerNotifications,
          RzFrameControllerPropertyNames)
        .Default(fccAll);
    b.Color("HighlightColor", &C::HighlightColor, &C::SetHighlightColor).Default(clBtnHighlight).Idents(ColorIdents());
    b.Bool("LightTextStyle", &C::LightTextStyle, &C::SetLightTextStyle).Default(false);
    b.Enum("Rotation", &C::Rotation, &C::SetRotation, RotationNames).Default(roNone);
    b.Color("ShadowColor", &C::ShadowColor, &C::SetShadowColor).Default(clBtnShadow).Idents(ColorIdents());
    b.Int("ShadowDepth", &C::ShadowDepth, &C::SetShadowDepth).Default(2);
    b.Int("TextMargin", &C::TextMargin, &C::SetTextMargin).Default(0);
    b.Enum("TextStyle", &C::TextStyle, &C::SetTextStyle, TextStyleNames).Default(tsNormal);

    b.Message(CM_ISBLINKING, &C::CMIsBlinking);
    b.Message(CM_BLINKSTATECHANGED, &C::CMBlinkStateChanged);
    b.Message(CM_FONTCHANGED, &C::CMFontChanged);
    b.Message(CM_TEXTCHANGED, &C::CMTextChanged);
    b.Message(CM_MOUSEENTER, &C::CMMouseEnter);
    b.Message(CM_MOUSELEAVE, &C::CMMouseLeave);
    b.Message(CM_PARENTCOLORCHANGED, &C::CMParentColorChanged);
}

TRzLabel::TRzLabel(TComponent *AOwner) : TLabel(AOwner)
{
    FControlStyle << csOpaque;
    NeedBlinkingList()->Add(this);
    FFontColor = FCurrentColor = Font()->Color();
    // The parent's colour arriving while the colours are set here is not the label's business.
    struct InitColor {
        bool &flag;
        ~InitColor() { flag = false; }
    } init{FInitColor};
    FInitColor = true;
    SetColor(clBtnFace);
    SetParentColor(true);
}

TRzLabel::~TRzLabel()
{
    SetControlFrameController(this, FFrameController, nullptr);
    if (BlinkingControls) {
        BlinkingControls->Remove(this);
        ReleaseBlinkingList();
    }
}

template <class T>
void TRzLabel::Store(T &field, T value)
{
    if (field == value)
        return;
    field = value;
    Invalidate();
}

template <class T>
void TRzLabel::StoreAndSize(T &field, T value)
{
    if (field == value)
        return;
    field = value;
    AdjustBounds();
}

// ---- Text properties -------------------------------------------------------------------------------

void TRzLabel::NeedTrueTypeFont()
{
    if (!IsTrueTypeFont(Font()))
        Font()->SetName(QStringLiteral("Verdana"));
}

void TRzLabel::SetAngle(int value)
{
    if (value == FAngle)
        return;
    if (!ComponentState().Contains(csLoading) && value != 0)
        NeedTrueTypeFont();
    // A negative angle counts back from a full turn; every angle ends in 0..359.
    FAngle = (value % 360 + 360) % 360;
    if (FAngle != 0 && FRotation == roNone)
        FRotation = roFlat;
    AdjustBounds();
    Repaint();
}

void TRzLabel::SetRotation(TRotation value)
{
    // roNone and roFlat always leave the label at angle 0 (roFlat centred), also when it already
    // has that rotation: an angle written earlier made it roFlat without asking.
    const bool resets =
        (value == roNone && FAngle != 0) || (value == roFlat && (FAngle != 0 || FCenterPoint != cpCenter));
    if (value == FRotation && !resets)
        return;
    if (!ComponentState().Contains(csLoading) && value != roNone)
        NeedTrueTypeFont();
    FRotation = value;
    if (value != roCurve)
        FAngle = 0;
    if (value == roFlat)
        FCenterPoint = cpCenter;
    Invalidate();
}

void TRzLabel::SetCenterPoint(TCenterPoint value)
{
    Store(FCenterPoint, value);
}
void TRzLabel::SetTextStyle(TTextStyle value)
{
    Store(FTextStyle, value);
}
void TRzLabel::SetLightTextStyle(bool value)
{
    Store(FLightTextStyle, value);
}
void TRzLabel::SetHighlightColor(TColor value)
{
    Store(FHighlightColor, value);
}
void TRzLabel::SetShadowColor(TColor value)
{
    Store(FShadowColor, value);
}
void TRzLabel::SetShadowDepth(int value)
{
    Store(FShadowDepth, value);
}
void TRzLabel::SetTextMargin(int value)
{
    Store(FTextMargin, value);
}

void TRzLabel::SetCondenseCaption(TRzCondenseCaption value)
{
    if (value == FCondenseCaption)
        return;
    FCondenseCaption = value;
    if (value != ccNone)
        SetAutoSize(false);
    Invalidate();
}

UINT TRzLabel::CondenseFlag() const
{
    static constexpr UINT Flags[] = {0, DT_END_ELLIPSIS, DT_PATH_ELLIPSIS};
    return Flags[FCondenseCaption];
}

// ---- Fly-by and blinking -----------------------------------------------------------------------------

void TRzLabel::SetFlyByEnabled(bool value)
{
    if (value == FFlyByEnabled)
        return;
    FFlyByEnabled = value;
    if (!value)
        Font()->SetColor(FOrigColor);
    Invalidate();
}

void TRzLabel::SetFlyByColor(TColor value)
{
    Store(FFlyByColor, value);
}

void TRzLabel::SetBlinking(bool value)
{
    if (value == FBlinking)
        return;
    FBlinking = value;
    if (!value) {
        FBlinkState = bsOff;
        FCurrentColor = FFontColor;
        Repaint();
    }
}

void TRzLabel::SetBlinkColor(TColor value)
{
    Store(FBlinkColor, value);
}

int TRzLabel::BlinkIntervalOff() const
{
    return NeedBlinkingList()->IntervalOff();
}

void TRzLabel::SetBlinkIntervalOff(int value)
{
    NeedBlinkingList()->SetIntervalOff(static_cast<std::uint16_t>(value));
}

int TRzLabel::BlinkIntervalOn() const
{
    return NeedBlinkingList()->IntervalOn();
}

void TRzLabel::SetBlinkIntervalOn(int value)
{
    NeedBlinkingList()->SetIntervalOn(static_cast<std::uint16_t>(value));
}

void TRzLabel::BlinkStateChanged(TBlinkState listState)
{
    if (listState == bsOn) {
        FBlinkState = bsOff;
        FCurrentColor = FFontColor;
    } else {
        FBlinkState = bsOn;
        FCurrentColor = FBlinkColor;
    }
    Refresh();
}

void TRzLabel::CMIsBlinking(TMessage &m)
{
    DispatchFrom(inherited::StaticClass(), m);
    m.Result = FBlinking ? 1 : 0;
}

void TRzLabel::CMBlinkStateChanged(TMessage &m)
{
    DispatchFrom(inherited::StaticClass(), m);
    if (FBlinking)
        BlinkStateChanged(static_cast<TBlinkState>(m.WParam));
}

// ---- Frame ---------------------------------------------------------------------------------------

void TRzLabel::SetBevelWidth(int value)
{
    StoreAndSize(FBevelWidth, value);
}
void TRzLabel::SetBorderInner(TFrameStyleEx value)
{
    StoreAndSize(FBorderInner, value);
}
void TRzLabel::SetBorderOuter(TFrameStyleEx value)
{
    StoreAndSize(FBorderOuter, value);
}
void TRzLabel::SetBorderSides(TSides value)
{
    StoreAndSize(FBorderSides, value);
}
void TRzLabel::SetBorderWidth(int value)
{
    StoreAndSize(FBorderWidth, value);
}
void TRzLabel::SetBorderColor(TColor value)
{
    Store(FBorderColor, value);
}
void TRzLabel::SetBorderHighlight(TColor value)
{
    Store(FBorderHighlight, value);
}
void TRzLabel::SetBorderShadow(TColor value)
{
    Store(FBorderShadow, value);
}
void TRzLabel::SetFlatColor(TColor value)
{
    Store(FFlatColor, value);
}
void TRzLabel::SetFlatColorAdjustment(int value)
{
    Store(FFlatColorAdjustment, value);
}

void TRzLabel::SetFrameController(TRzFrameController *value)
{
    SetControlFrameController(this, FFrameController, value);
}

void TRzLabel::FrameControllerChanged()
{
    if (TakeFrameControllerSettings(
            this, FFrameController, FFrameControllerNotifications,
            {FBorderOuter, FBorderSides, FFlatColor, FFlatColorAdjustment, FBorderHighlight, FBorderShadow}))
        Invalidate();
}

void TRzLabel::Notification(TComponent *AComponent, TOperation Operation)
{
    inherited::Notification(AComponent, Operation);
    if (Operation == opRemove && AComponent == FFrameController)
        FFrameController = nullptr;
}

void TRzLabel::DefineProperties(TFiler *Filer)
{
    inherited::DefineProperties(Filer);
    Filer->DefineProperty(QStringLiteral("FrameSides"), &TRzOldPropReader::ReadOldSetProp,
                          &TRzOldPropReader::WriteOldProp, false);
}

TFramedBorders TRzLabel::Frame() const
{
    TFramedBorders f;
    f.outer = FBorderOuter;
    f.inner = FBorderInner;
    f.borderWidth = FBorderWidth;
    f.sides = FBorderSides;
    f.bevelWidth = FBevelWidth;
    f.borderColor = FBorderColor;
    f.highlight = FBorderHighlight;
    f.shadow = FBorderShadow;
    f.flatColor = FFlatColor;
    f.flatAdjustment = FFlatColorAdjustment;
    f.faceColor = Color();
    f.parentColor = Parent() ? Parent()->Color() : clBtnFace;
    f.transparent = Transparent();
    return f;
}

TRect TRzLabel::ShrinkRectByBorders(const TRect &rect, bool includeBorderWidth) const
{
    return ShrinkRectByFramedBorders(rect, Frame(), includeBorderWidth);
}

TRect TRzLabel::GrowRectByBorders(const TRect &rect) const
{
    TRect r = rect;
    // The text is inset by BorderWidth and TextMargin on all four sides, by the styles on BorderSides.
    const int styles = FrameStyleWidth(FBorderOuter, FBevelWidth) + FrameStyleWidth(FBorderInner, FBevelWidth);
    const int all = FBorderWidth + FTextMargin;
    r.Right += 2 * all + (FBorderSides.Contains(sdLeft) ? styles : 0) + (FBorderSides.Contains(sdRight) ? styles : 0);
    r.Bottom += 2 * all + (FBorderSides.Contains(sdTop) ? styles : 0) + (FBorderSides.Contains(sdBottom) ? styles : 0);
    if (FRotation == roNone && FTextStyle == tsShadow) {
        r.Right += FShadowDepth;
        r.Bottom += FShadowDepth;
    }
    if (FRotation == roFlat && FAngle != 0 && FAngle != 180) {
        if (FTextStyle == tsShadow) {
            r.Right += FShadowDepth / 2;
            r.Bottom += FShadowDepth / 2;
        }
        // The bounding box of the turned text.
        const double w = r.Right, h = r.Bottom, a = FAngle * std::numbers::pi / 180.0;
        const double c = std::abs(std::cos(a)), s = std::abs(std::sin(a));
        r.Right = static_cast<int>(std::nearbyint(w * c + h * s));
        r.Bottom = static_cast<int>(std::nearbyint(w * s + h * c));
    }
    return r;
}

// ---- Size ----------------------------------------------------------------------------------------

void TRzLabel::AdjustBounds()
{
    if (ComponentState().Contains(csReading) || ComponentState().Contains(csLoading) || !AutoSize())
        return;
    TRect r = ShrinkRectByBorders(ClientRect(), true);
    r = TRect(0, 0, r.Width(), r.Height());
    // Measured on a canvas of its own, as the framework measures with the screen's device context.
    TBitmap measure(1, 1);
    TCanvas *canvas = measure.Canvas();
    canvas->SetFont(Font());
    QString text = GetLabelText();
    if (text.isEmpty() || (ShowAccelChar() && text == QLatin1String("&")))
        text += QLatin1Char(' ');
    canvas->DrawText(text, r,
                     DT_CALCRECT | DT_EXPANDTABS | (WordWrap() ? DT_WORDBREAK : 0) | CondenseFlag() |
                         (ShowAccelChar() ? 0 : DT_NOPREFIX));
    r = GrowRectByBorders(r);
    int x = Left();
    const bool mirrored = BiDiMode == bdRightToLeft;
    if ((Alignment() == taRightJustify) != (mirrored && Alignment() != taCenter))
        x += Width() - r.Right;
    SetBounds(x, Top(), r.Right, r.Bottom);
}

// ---- Painting ------------------------------------------------------------------------------------

void TRzLabel::Paint()
{
    TCanvas *c = Canvas();
    TRect r = DrawFramedBorders(c, TRect(0, 0, Width(), Height()), Frame());
    c->Brush()->SetStyle(bsSolid);
    c->Brush()->SetColor(Color());
    if (!Transparent())
        c->FillRect(r);
    c->Brush()->SetStyle(bsClear);
    if (FRotation == roCurve)
        DrawCurvedText();
    else
        DrawStraightText();
}

void TRzLabel::DrawStraightText()
{
    TCanvas *c = Canvas();
    TRect r = ShrinkRectByBorders(ClientRect(), true);
    r.Inflate(-FTextMargin, -FTextMargin);
    // Right-to-left reading mirrors the alignment.
    TAlignment alignment = Alignment();
    if (BiDiMode == bdRightToLeft && alignment != taCenter)
        alignment = alignment == taLeftJustify ? taRightJustify : taLeftJustify;
    static constexpr UINT AlignmentFlags[] = {DT_LEFT, DT_RIGHT, DT_CENTER};
    const UINT flags = AlignmentFlags[alignment] | DT_EXPANDTABS | (BiDiMode != bdLeftToRight ? DT_RTLREADING : 0) |
                       (WordWrap() ? DT_WORDBREAK : 0) | (ShowAccelChar() ? 0 : DT_NOPREFIX) | CondenseFlag();
    c->SetFont(Font());
    const QString text = GetLabelText();
    const bool flat = FRotation == roFlat;

    TPoint p;
    int e = 0;
    UINT oldAlign = c->TextAlign();
    TRect shifted = r;
    if (flat) {
        p = TPoint(Width() / 2, Height() / 2);
        e = FTextStyle == tsShadow ? FShadowDepth / 2 : 0;
        const int pp = c->TextHeight(QStringLiteral("Pp"));
        const int tw = c->TextWidth(text) + e, th = pp + e;
        const double q = pp / 4.0;
        const double theta = FAngle * std::numbers::pi / 180.0 + std::numbers::pi / 2.0;
        const int dx = static_cast<int>(std::nearbyint(std::cos(theta) * q));
        UINT align = oldAlign;
        switch (FAngle) {
        case 0:
            if (alignment == taCenter)
                align = TA_CENTER;
            else if (alignment == taRightJustify)
                p.X = r.Right - tw - e;
            else
                p.X = r.Left + e;
            p.Y -= th / 2;
            break;
        case 90:
            p.X -= dx;
            p.Y = alignment == taCenter         ? r.Bottom - (r.Bottom - tw) / 2
                  : alignment == taRightJustify ? r.Top + tw + e
                                                : r.Bottom - e;
            align = TA_BASELINE;
            break;
        case 180:
            p.X = alignment == taCenter         ? r.Right - (r.Right - tw) / 2
                  : alignment == taRightJustify ? r.Left + tw
                                                : r.Right - e;
            p.Y -= th / 4;
            align = TA_BASELINE;
            break;
        case 270:
            p.X -= dx;
            p.Y = alignment == taCenter         ? (r.Bottom - tw) / 2
                  : alignment == taRightJustify ? r.Bottom - tw - e
                                                : r.Top + e;
            align = TA_BASELINE;
            break;
        default:
            p.X -= dx;
            p.Y += static_cast<int>(std::nearbyint(std::sin(theta) * q));
            align = TA_CENTER | TA_BASELINE;
            break;
        }
        c->SetTextAlign(align);
        c->SetFont(CreateRotatedFont(Font(), FAngle).get());
    } else {
        if (Layout() != tlTop) {
            TRect calc = r;
            c->DrawText(text, calc, flags | DT_CALCRECT);
            int shift = r.Height() - calc.Height();
            if (Layout() == tlCenter)
                shift /= 2;
            shifted.Offset(0, shift);
        }
        if (FTextStyle == tsShadow) {
            if (flags & DT_RIGHT)
                shifted.Offset(-FShadowDepth, 0);
            if (Layout() == tlBottom)
                shifted.Offset(0, -FShadowDepth);
        }
    }

    // One pass of the text in `color`, moved by (d, d).
    auto pass = [&](TColor color, int d) {
        c->Font()->SetColor(color);
        if (flat) {
            c->TextRect(r, p.X + d, p.Y + d, text);
            return;
        }
        TRect moved = shifted;
        moved.Offset(d, d);
        c->DrawText(text, moved, flags);
    };
    if (Enabled()) {
        switch (FTextStyle) {
        case tsRaised:
            if (!FLightTextStyle)
                pass(FShadowColor, 1);
            pass(FHighlightColor, -1);
            break;
        case tsRecessed:
            pass(FHighlightColor, 1);
            if (!FLightTextStyle)
                pass(FShadowColor, -1);
            break;
        case tsShadow: pass(FShadowColor, flat ? e : FShadowDepth); break;
        case tsNormal: break;
        }
        pass(FCurrentColor, flat && FTextStyle == tsShadow ? -e : 0);
    } else {
        pass(clGrayText, 0);
    }
    if (flat)
        c->SetTextAlign(oldAlign);
}

void TRzLabel::DrawCurvedText()
{
    TCanvas *c = Canvas();
    const int b = FBorderWidth, w = Width(), h = Height(), a = 2 * b;
    // Rotation origin and radii of each centre point.
    struct Geometry {
        TPoint origin;
        int rx, ry;
    };
    const Geometry geometry[] = {
        {{b, b}, w - a, h - a},                  // cpUpperLeft
        {{w / 2, b}, w / 2 - a, h - a},          // cpUpperCenter
        {{w - b, b}, w - a, h - a},              // cpUpperRight
        {{b, h / 2}, w - a, h / 2 - a},          // cpLeftCenter
        {{w / 2, h / 2}, w / 2 - a, h / 2 - a},  // cpCenter
        {{w - b, h / 2}, w - a, h / 2 - a},      // cpRightCenter
        {{b, h - b}, w - a, h - a},              // cpLowerLeft
        {{w / 2, h - b}, w / 2 - a, h - a},      // cpLowerCenter
        {{w - b, h - b}, w - a, h - a},          // cpLowerRight
    };
    const Geometry &g = geometry[FCenterPoint];
    // A label too small for a radius bends its text around a one-pixel one.
    const double rx = std::max(g.rx, 1);
    c->SetFont(Font());
    const UINT oldAlign = c->SetTextAlign(TA_CENTER | TA_BASELINE);
    TFont description;
    description.Assign(Font());
    double theta = FAngle * std::numbers::pi / 180.0;
    const QString text = GetLabelText();
    for (qsizetype i = 0; i < text.size(); ++i) {
        // A surrogate pair is one character.
        const qsizetype n = text[i].isHighSurrogate() && i + 1 < text.size() ? 2 : 1;
        const QString ch = text.mid(i, n);
        i += n - 1;
        const int ty = c->TextHeight(QStringLiteral("Yy"));
        const int x = g.origin.X - static_cast<int>(std::nearbyint(std::sin(theta) * (g.rx - ty)));
        const int y = g.origin.Y - static_cast<int>(std::nearbyint(std::cos(theta) * (g.ry - ty)));
        TFont turned;
        turned.Assign(&description);
        turned.SetOrientation(static_cast<int>(std::nearbyint(theta * 1800.0 / std::numbers::pi)));
        c->SetFont(&turned);
        auto put = [&](TColor color, int dx, int dy) {
            c->Font()->SetColor(color);
            c->TextOut(x + dx, y + dy, ch);
        };
        if (Enabled()) {
            switch (FTextStyle) {
            case tsRaised:
                if (!FLightTextStyle)
                    put(FShadowColor, 1, 1);
                put(FHighlightColor, -1, -1);
                break;
            case tsRecessed:
                put(FHighlightColor, 1, 1);
                if (!FLightTextStyle)
                    put(FShadowColor, -1, -1);
                break;
            case tsShadow: put(FShadowColor, FShadowDepth, FShadowDepth); break;
            case tsNormal: break;
            }
            put(FCurrentColor, 0, 0);
        } else {
            put(clBtnHighlight, 1, 1);
            put(clBtnShadow, 0, 0);
        }
        theta -= (c->TextWidth(QStringLiteral("w")) + 2) / rx;
    }
    c->SetTextAlign(oldAlign);
}

// ---- Messages ------------------------------------------------------------------------------------

void TRzLabel::Loaded()
{
    inherited::Loaded();
    if (FRotation == roNone && FAngle != 0)
        FRotation = roFlat;
    if (FRotation != roNone)
        NeedTrueTypeFont();
    FFontColor = FCurrentColor = Font()->Color();
    if (ComponentState().Contains(csDesigning))
        Repaint();
}

void TRzLabel::CMFontChanged(TMessage &m)
{
    DispatchFrom(inherited::StaticClass(), m);
    if (ComponentState().Contains(csLoading))
        return;
    if (!FBlinking)
        FFontColor = FCurrentColor = Font()->Color();
    if (FAngle != 0 && !IsTrueTypeFont(Font()))
        FAngle = 0;
}

void TRzLabel::CMTextChanged(TMessage &m)
{
    DispatchFrom(inherited::StaticClass(), m);
    Repaint();
}

void TRzLabel::CMMouseEnter(TMessage &m)
{
    if (ComponentState().Contains(csDesigning))
        return;
    if (FFlyByEnabled) {
        FOrigColor = Font()->Color();
        Font()->SetColor(FFlyByColor);
    }
    DispatchFrom(inherited::StaticClass(), m);
}

void TRzLabel::CMMouseLeave(TMessage &m)
{
    if (FFlyByEnabled)
        Font()->SetColor(FOrigColor);
    DispatchFrom(inherited::StaticClass(), m);
}

void TRzLabel::CMParentColorChanged(TMessage &m)
{
    if (!FInitColor)
        DispatchFrom(inherited::StaticClass(), m);
}
