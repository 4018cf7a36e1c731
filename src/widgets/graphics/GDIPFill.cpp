#include "widgets/graphics/GDIPFill.h"

#include <cmath>

#include "platform/settings/MemIniFile.h"
#include "platform/runtime/ClassBuilder.h"
#include "platform/ui/Clipbrd.h"
#include "platform/runtime/Exception.h"
#include "platform/runtime/FormReader.h"
#include "platform/runtime/FormWriter.h"

T_IMPLEMENT_CLASS(TGDIPFill)
{
    using F = TGDIPFill;
    b.Color("Color", &F::Color, &F::SetColor).Default(0xC0C0C0);
    b.Color("ColorTo", &F::ColorTo, &F::SetColorTo).Default(0x808080);
    b.Color("ColorMirror", &F::ColorMirror, &F::SetColorMirror).Default(clNone);
    b.Color("ColorMirrorTo", &F::ColorMirrorTo, &F::SetColorMirrorTo).Default(clNone);
    b.Enum("GradientType", &F::GradientType, &F::SetGradientType, AdvGradientTypeNames).Default(gtVertical);
    b.Enum("GradientMirrorType", &F::GradientMirrorType, &F::SetGradientMirrorType, AdvGradientTypeNames)
        .Default(gtSolid);
    b.Enum("HatchStyle", &F::HatchStyle, &F::SetHatchStyle, HatchStyleNames).Default(HatchStyleHorizontal);
    b.Enum("HatchStyleMirror", &F::HatchStyleMirror, &F::SetHatchStyleMirror, HatchStyleNames)
        .Default(HatchStyleHorizontal);
    b.Bool("BackGroundPictureAspectRatio", &F::BackGroundPictureAspectRatio, &F::SetBackGroundPictureAspectRatio)
        .Default(false);
    b.Enum("BackGroundPictureMode", &F::BackGroundPictureMode, &F::SetBackGroundPictureMode,
           FillPictureModeNames)
        .Default(pmOutsideFill);
    b.Object("BackGroundPicture", &F::BackGroundPicture, &F::SetBackGroundPicture);
    b.Enum("BackGroundPicturePosition", &F::BackGroundPicturePosition, &F::SetBackGroundPicturePosition,
           FillPicturePositionNames)
        .Default(ppTopLeft);
    b.Int("BackGroundPictureLeft", &F::BackGroundPictureLeft, &F::SetBackGroundPictureLeft).Default(0);
    b.Int("BackGroundPictureTop", &F::BackGroundPictureTop, &F::SetBackGroundPictureTop).Default(0);
    b.Enum("BackGroundPictureAspectMode", &F::BackGroundPictureAspectMode, &F::SetBackGroundPictureAspectMode,
           PictureModeNames)
        .Default(pmStretch);
    b.Object("Picture", &F::Picture, &F::SetPicture);
    b.Enum("PicturePosition", &F::PicturePosition, &F::SetPicturePosition, FillPicturePositionNames).Default(ppTopLeft);
    b.Int("PictureLeft", &F::PictureLeft, &F::SetPictureLeft).Default(0);
    b.Int("PictureTop", &F::PictureTop, &F::SetPictureTop).Default(0);
    b.Enum("PictureSize", &F::PictureSize, &F::SetPictureSize, FillPictureSizeNames).Default(psOriginal);
    b.Int("PictureWidth", &F::PictureWidth, &F::SetPictureWidth).Default(50);
    b.Int("PictureHeight", &F::PictureHeight, &F::SetPictureHeight).Default(50);
    b.Bool("PictureAspectRatio", &F::PictureAspectRatio, &F::SetPictureAspectRatio).Default(false);
    b.Enum("PictureAspectMode", &F::PictureAspectMode, &F::SetPictureAspectMode, PictureModeNames).Default(pmStretch);
    b.Int("Opacity", &F::Opacity, &F::SetOpacity).Default(255);
    b.Int("OpacityTo", &F::OpacityTo, &F::SetOpacityTo).Default(255);
    b.Int("OpacityMirror", &F::OpacityMirror, &F::SetOpacityMirror).Default(255);
    b.Int("OpacityMirrorTo", &F::OpacityMirrorTo, &F::SetOpacityMirrorTo).Default(255);
    b.Color("BorderColor", &F::BorderColor, &F::SetBorderColor).Default(clNone);
    b.Int("BorderOpacity", &F::BorderOpacity, &F::SetBorderOpacity).Default(255);
    b.Int("BorderWidth", &F::BorderWidth, &F::SetBorderWidth).Default(1);
    b.Int("Rounding", &F::Rounding, &F::SetRounding).Default(0);
    b.Enum("RoundingType", &F::RoundingType, &F::SetRoundingType,
           FillRoundingTypeNames)
        .Default(rtBoth);
    b.Color("ShadowColor", &F::ShadowColor, &F::SetShadowColor).Default(0x808080);
    b.Int("ShadowOffset", &F::ShadowOffset, &F::SetShadowOffset).Default(0);
    b.Enum("ShadowType", &F::ShadowType, &F::SetShadowType, ShadowTypeNames)
        .Default(stRightBottom);
    b.Int("Angle", &F::Angle, &F::SetAngle).Default(0);
    b.Event("OnChange", &F::OnChange);
    b.Enum("Glow", &F::Glow, &F::SetGlow, GlowModeNames).Default(gmNone);
    b.Color("GlowGradientColor", &F::GlowGradientColor, &F::SetGlowGradientColor).Default(0xFFFFFF);
    b.Color("GlowRadialColor", &F::GlowRadialColor, &F::SetGlowRadialColor).Default(0xFFFFFF);
}

T_IMPLEMENT_CLASS(TSaver)
{
    b.Object("SaveObject", &TSaver::SaveObject, &TSaver::SetSaveObject);
}

namespace {

const QString kClipboardFormatName = QStringLiteral("GDI+ Fill");

// The clipboard format, registered once when the program starts.
TClipboardFormat ClipboardFormat()
{
    static const TClipboardFormat format = RegisterClipboardFormat(kClipboardFormatName);
    return format;
}
const TClipboardFormat registeredFormat = ClipboardFormat();

int Round(double v)
{
    return static_cast<int>(std::nearbyint(v));
}

// Which corners of a rounding type are round: top-left, top-right, bottom-right, bottom-left.
struct Corners {
    bool tl, tr, br, bl;
};
Corners CornersOf(TFillRoundingType t)
{
    switch (t) {
    case rtNone: return {false, false, false, false};
    case rtTop: return {true, true, false, false};
    case rtBottom: return {false, false, true, true};
    case rtBoth: return {true, true, true, true};
    case rtLeft: return {true, false, false, true};
    case rtRight: return {false, true, true, false};
    }
    return {};
}

// The rounding of one part of a two-part fill.
TFillRoundingType PartRounding(TFillRoundingType t, bool mirror)
{
    if (t == rtLeft || t == rtRight)
        return t;
    if (!mirror)
        return (t == rtTop || t == rtBoth) ? rtTop : rtNone;
    return (t == rtBottom || t == rtBoth) ? rtBottom : rtNone;
}

// The soft radial part: a rounded shape in one colour, then a path gradient over an ellipse
// 1.5 times as high, centred on the middle of the top (or bottom) edge, clipped to the shape.
void FillRoundedRadial(TGPGraphics *g, const TGPRectF &r, TColor colorA, TFillRoundingType roundingType, int radius,
                       bool fromTop, BYTE alpha1, BYTE alpha2, TColor colorB)
{
    std::unique_ptr<TGPGraphicsPath> shape(CreateRoundRectPath(r, radius, roundingType));
    TGPSolidBrush solid(fromTop ? ARGBFromAlphaColor(alpha2, colorA) : ARGBFromAlphaColor(alpha1, colorB));
    g->FillPath(&solid, shape.get());
    g->SetClip(shape.get());
    TGPGraphicsPath ellipse;
    const REAL ey = fromTop ? r.Y - r.Height / 2 : r.Y;
    ellipse.AddEllipse(r.X, ey, r.Width, r.Height * 1.5f);
    TGPPathGradientBrush brush(&ellipse);
    brush.SetCenterPoint(MakePoint(r.X + r.Width / 2, fromTop ? r.Y : r.Y + r.Height));
    const ARGB centre = fromTop ? ARGBFromAlphaColor(alpha1, colorB) : ARGBFromAlphaColor(alpha2, colorA);
    const ARGB surround = fromTop ? ARGBFromAlphaColor(alpha2, colorA) : ARGBFromAlphaColor(alpha1, colorB);
    brush.SetCenterColor(centre);
    INT count = 1;
    brush.SetSurroundColors(&surround, count);
    g->FillRectangle(&brush, r);
    g->ResetClip();
}

// Size of a picture stretched into an area keeping its aspect ratio (0 x 0 for empty sizes).
void GetAspectSize(int areaW, int areaH, int picW, int picH, TPictureMode mode, int &w, int &h)
{
    w = h = 0;
    if (areaW <= 0 || areaH <= 0 || picW <= 0 || picH <= 0)
        return;
    if (mode == pmNormal && picW < areaW && picH < areaH) {
        w = picW;
        h = picH;
        return;
    }
    if (static_cast<double>(areaW) / areaH > static_cast<double>(picW) / picH) {
        h = areaH;
        w = Round(static_cast<double>(picW) * areaH / picH);
    }
    else {
        w = areaW;
        h = Round(static_cast<double>(picH) * areaW / picW);
    }
}

// Places a picture of w x h in the area L, T, R, B by its position (tiled pictures are painted
// as the body's texture instead).
void DrawFillPicture(TGPGraphics *g, TAdvGDIPPicture *picture, int L, int T, int R, int B, int w, int h,
                     TFillPicturePosition position, int customLeft, int customTop, bool aspectRatio,
                     TPictureMode aspectMode)
{
    if (!picture || picture->Empty() || position == ppTiled)
        return;
    int x = L, y = T;
    const int midX = L + (R - L - w) / 2, midY = T + (B - T - h) / 2;
    switch (position) {
    case ppTopLeft: break;
    case ppTopCenter: x = midX; break;
    case ppTopRight: x = R - w; break;
    case ppBottomLeft: y = B - h; break;
    case ppBottomCenter:
        x = midX;
        y = B - h;
        break;
    case ppBottomRight:
        x = R - w;
        y = B - h;
        break;
    case ppCenterLeft: y = midY; break;
    case ppCenterCenter:
        x = midX;
        y = midY;
        break;
    case ppCenterRight:
        x = R - w;
        y = midY;
        break;
    case ppCustom:
        x = customLeft;
        y = customTop;
        break;
    case ppStretched:
        if (!aspectRatio) {
            picture->GDIPDraw(g, TRect(L, T, R, B));
            return;
        }
        GetAspectSize(R - L, B - T, w, h, aspectMode, w, h);
        x = L + (R - L - w) / 2;
        y = T + (B - T - h) / 2;
        break;
    case ppTiled: return;
    }
    picture->GDIPDraw(g, TRect(x, y, x + w, y + h));
}

// Hexadecimal text to bytes, two digits per byte (a last odd digit is ignored).
QByteArray HexToBytes(const QString &text)
{
    QByteArray out;
    out.reserve(text.size() / 2);
    auto digit = [](QChar c) {
        const int v = QStringView(&c, 1).toInt(nullptr, 16);
        const bool ok = (c >= u'0' && c <= u'9') || (c >= u'a' && c <= u'f') || (c >= u'A' && c <= u'F');
        if (!ok)
            throw EConvertError(QStringLiteral("No Hex-Number"));
        return v;
    };
    for (qsizetype i = 0; i + 1 < text.size(); i += 2)
        out.append(static_cast<char>(digit(text[i]) * 16 + digit(text[i + 1])));
    return out;
}

}  // namespace

TGPGraphicsPath *CreateRoundRectPath(const TGPRectF &r, int radius, TFillRoundingType roundingType)
{
    auto *path = new TGPGraphicsPath();
    const Corners c = radius > 0 ? CornersOf(roundingType) : Corners{};
    const REAL d = static_cast<REAL>(2 * radius);
    const REAL x = r.X, y = r.Y, right = r.X + r.Width, bottom = r.Y + r.Height;
    auto corner = [&](bool round, REAL ax, REAL ay, REAL start, REAL px, REAL py) {
        if (round)
            path->AddArc(ax, ay, d, d, start, 90);
        else
            path->AddLine(px, py, px, py);
    };
    corner(c.tl, x, y, 180, x, y);
    corner(c.tr, right - d, y, 270, right, y);
    corner(c.br, right - d, bottom - d, 0, right, bottom);
    corner(c.bl, x, bottom - d, 90, x, bottom);
    path->CloseFigure();
    return path;
}

// ---- Properties ----------------------------------------------------------------------------------

TGDIPFill::TGDIPFill()
    : FBackGroundPicture(std::make_unique<TAdvGDIPPicture>()), FPicture(std::make_unique<TAdvGDIPPicture>())
{
    FBackGroundPicture->OnChange = TNotifyEvent(this, &TGDIPFill::PictureChanged);
    FPicture->OnChange = TNotifyEvent(this, &TGDIPFill::PictureChanged);
}

TGDIPFill::~TGDIPFill() = default;

void TGDIPFill::Changed()
{
    if (OnChange && FUpdateCount == 0)
        OnChange(this);
}

void TGDIPFill::SetBackGroundPicture(TAdvGDIPPicture *v)
{
    if (v != FBackGroundPicture.get())
        FBackGroundPicture->Assign(v);
}

void TGDIPFill::SetPicture(TAdvGDIPPicture *v)
{
    if (v != FPicture.get())
        FPicture->Assign(v);
}

void TGDIPFill::Assign(TPersistent *Source)
{
    auto *f = dynamic_cast<TGDIPFill *>(Source);
    if (!f || f == this)
        return;
    BeginUpdate();
    FColor = f->FColor;
    FColorTo = f->FColorTo;
    FColorMirror = f->FColorMirror;
    FColorMirrorTo = f->FColorMirrorTo;
    FGradientType = f->FGradientType;
    FGradientMirrorType = f->FGradientMirrorType;
    FHatchStyle = f->FHatchStyle;
    FHatchStyleMirror = f->FHatchStyleMirror;
    FBackGroundPictureAspectRatio = f->FBackGroundPictureAspectRatio;
    FBackGroundPictureMode = f->FBackGroundPictureMode;
    FBackGroundPicture->Assign(f->FBackGroundPicture.get());
    FBackGroundPicturePosition = f->FBackGroundPicturePosition;
    FBackGroundPictureLeft = f->FBackGroundPictureLeft;
    FBackGroundPictureTop = f->FBackGroundPictureTop;
    FBackGroundPictureAspectMode = f->FBackGroundPictureAspectMode;
    FPicture->Assign(f->FPicture.get());
    FPicturePosition = f->FPicturePosition;
    FPictureLeft = f->FPictureLeft;
    FPictureTop = f->FPictureTop;
    FPictureSize = f->FPictureSize;
    FPictureWidth = f->FPictureWidth;
    FPictureHeight = f->FPictureHeight;
    FPictureAspectRatio = f->FPictureAspectRatio;
    FPictureAspectMode = f->FPictureAspectMode;
    FOpacity = f->FOpacity;
    FOpacityTo = f->FOpacityTo;
    FOpacityMirror = f->FOpacityMirror;
    FOpacityMirrorTo = f->FOpacityMirrorTo;
    FBorderColor = f->FBorderColor;
    FBorderOpacity = f->FBorderOpacity;
    FBorderWidth = f->FBorderWidth;
    FRounding = f->FRounding;
    FRoundingType = f->FRoundingType;
    FShadowColor = f->FShadowColor;
    FShadowOffset = f->FShadowOffset;
    FShadowType = f->FShadowType;
    FAngle = f->FAngle;
    FGlow = f->FGlow;
    FGlowGradientColor = f->FGlowGradientColor;
    FGlowRadialColor = f->FGlowRadialColor;
    EndUpdate();
    Changed();
}

TGDIPFill::Opacities TGDIPFill::Current() const
{
    return FFilling ? *FFilling : Opacities{FBorderOpacity, FOpacity, FOpacityTo, FOpacityMirror, FOpacityMirrorTo};
}

// ---- Painting ------------------------------------------------------------------------------------

void TGDIPFill::DrawGradientBackGround(TGPGraphics *graphics, const TGPRectF &R, bool mirror)
{
    if (!graphics)
        return;
    const Opacities o = Current();
    TGDIPFillParams p;
    p.Graphics = graphics;
    p.Rect = R;
    p.GradientType = mirror ? FGradientMirrorType : FGradientType;
    p.Color = mirror ? FColorMirror : FColor;
    p.ColorTo = mirror ? FColorMirrorTo : FColorTo;
    p.Opacity = mirror ? o.Mirror : o.Main;
    p.OpacityTo = mirror ? o.MirrorTo : o.MainTo;
    p.Hatch = mirror ? FHatchStyleMirror : FHatchStyle;
    if (p.Color == clNone)
        p.GradientType = gtNone;
    else if (p.ColorTo == clNone)
        p.GradientType = gtSolid;
    p.Angle = FAngle;
    p.Picture = FBackGroundPicturePosition == ppTiled ? FBackGroundPicture.get() : nullptr;
    p.BorderColor = clNone;
    p.BorderWidth = 0;
    p.BorderDashStyle = DashStyleSolid;
    p.Mirror = mirror;
    std::unique_ptr<TGPGraphicsPath> path;
    if (FRounding != 0) {
        const TFillRoundingType rounding = FColorMirror == clNone ? FRoundingType : PartRounding(FRoundingType, mirror);
        path.reset(CreateRoundRectPath(R, FRounding, rounding));
        p.Path = path.get();
        p.UsePath = true;
    }
    const SmoothingMode before = graphics->GetSmoothingMode();
    if (p.UsePath)
        graphics->SetSmoothingMode(SmoothingModeAntiAlias);
    DrawGDIPFill(p);
    if (p.UsePath)
        graphics->SetSmoothingMode(before);
}

TGPRectF TGDIPFill::Fill(TGPGraphics *graphics, const TGPRectF &R, BYTE ABorderOpacity, BYTE AOpacity, BYTE AOpacityTo,
                         BYTE AOpacityMirror, BYTE AOpacityMirrorTo)
{
    auto pick = [](BYTE given, BYTE property) { return given == 255 ? property : given; };
    FFilling = Opacities{pick(ABorderOpacity, FBorderOpacity), pick(AOpacity, FOpacity), pick(AOpacityTo, FOpacityTo),
                         pick(AOpacityMirror, FOpacityMirror), pick(AOpacityMirrorTo, FOpacityMirrorTo)};
    struct Done {
        std::optional<Opacities> &f;
        ~Done() { f.reset(); }
    } done{FFilling};
    const Opacities o = *FFilling;
    REAL x = R.X, y = R.Y, w = R.Width, h = R.Height;
    if (!graphics)
        return R;
    const bool line = h == 1 || w == 1;
    if (line) {
        if (FBorderWidth > 0 && FBorderColor != clNone) {
            TGPPen pen(ARGBFromAlphaColor(o.Border, FBorderColor), static_cast<REAL>(FBorderWidth));
            graphics->DrawLine(&pen, x, y, x + w, y + h);
        }
    }
    else {
        // Shadow.
        const int s = FShadowOffset;
        if (s > 0 && FShadowColor != clNone) {
            if (FShadowType == stBottom) {
                FillRoundedRadial(graphics, MakeRect(x, y + h - 2 * s, w, static_cast<REAL>(2 * s)), FShadowColor,
                                  rtBottom, FRounding, true, 255, 0, FShadowColor);
                h -= s;
            }
            else {
                const bool surround = FShadowType == stSurround;
                std::unique_ptr<TGPGraphicsPath> shape(CreateRoundRectPath(
                    MakeRect(x, y, w, h), surround ? s : FRounding, surround ? rtBoth : FRoundingType));
                TGPPathGradientBrush brush(shape.get());
                brush.SetWrapMode(WrapModeClamp);
                const ARGB shade = ARGBFromAlphaColor(180, FShadowColor);
                const ARGB colors[3] = {0x00000000, shade, shade};
                const REAL positions[3] = {0.0f, 0.1f, 1.0f};
                brush.SetInterpolationColors(colors, positions, 3);
                graphics->FillPath(&brush, shape.get());
                if (surround) {
                    x += s;
                    y += s;
                    w -= 2 * s;
                    h -= 2 * s;
                }
                else {
                    w -= s;
                    h -= s;
                }
            }
        }
        const TGPRectF body = MakeRect(x, y, w, h);
        // Body: one part, or an upper part and a mirrored lower part.
        if (FGradientType == gtHatch || FGradientType == gtTexture || FColorMirror == clNone) {
            if (FGradientType == gtRadial) {
                if (FColor != clNone)
                    FillRoundedRadial(graphics, body, FColor, FRoundingType, FRounding, true, o.MainTo, o.Main,
                                      FColorTo != clNone ? FColorTo : FColor);
            }
            else {
                DrawGradientBackGround(graphics, body, false);
            }
        }
        else {
            const TGPRectF upper = MakeRect(x, y, w, h / 2 + 1);
            const TGPRectF lower = MakeRect(x, y + h / 2 - 1, w, h / 2 + 1);
            if (FGradientType == gtRadial)
                FillRoundedRadial(graphics, upper, FColor, rtTop, FRounding, true, o.MainTo, o.Main,
                                  FColorTo != clNone ? FColorTo : FColor);
            else
                DrawGradientBackGround(graphics, upper, false);
            if (FGradientMirrorType == gtRadial) {
                if (FColorMirror != clNone)
                    FillRoundedRadial(graphics, lower, FColorMirror, rtBottom, FRounding, false, o.MirrorTo, o.Mirror,
                                      FColorMirrorTo != clNone ? FColorMirrorTo : FColorMirror);
            }
            else {
                DrawGradientBackGround(graphics, lower, true);
            }
        }
        // Background picture inside the shape.
        if (FBackGroundPictureMode == pmInsideFill && FGradientType == gtTexture) {
            std::unique_ptr<TGPGraphicsPath> shape(CreateRoundRectPath(body, FRounding, FRoundingType));
            graphics->SetClip(shape.get());
            DrawFillPicture(graphics, FBackGroundPicture.get(), Round(x), Round(y), Round(x + w), Round(y + h),
                            FBackGroundPicture->Width(), FBackGroundPicture->Height(), FBackGroundPicturePosition,
                            FBackGroundPictureLeft, FBackGroundPictureTop, FBackGroundPictureAspectRatio,
                            FBackGroundPictureAspectMode);
            graphics->ResetClip();
        }
        // Border.
        if (FBorderWidth > 0 && FBorderColor != clNone) {
            std::unique_ptr<TGPGraphicsPath> shape(CreateRoundRectPath(body, FRounding, FRoundingType));
            TGPPen pen(ARGBFromAlphaColor(o.Border, FBorderColor), static_cast<REAL>(FBorderWidth));
            graphics->DrawPath(&pen, shape.get());
        }
    }
    const TGPRectF work = MakeRect(x, y, w, h);
    DrawGlow(graphics, work);
    // Focus outline inside the border.
    const REAL bw = static_cast<REAL>(FBorderWidth);
    FFocusRect = MakeRect(x + bw, y + bw, w - 2 * bw, h - 2 * bw);
    if (FFocus) {
        std::unique_ptr<TGPGraphicsPath> shape(
            CreateRoundRectPath(FFocusRect, FRounding - FBorderWidth, FRoundingType));
        TGPPen pen(ARGBFromAlphaColor(o.Main, FFocusColor), 1);
        pen.SetDashStyle(DashStyleDot);
        const SmoothingMode before = graphics->GetSmoothingMode();
        graphics->SetSmoothingMode(SmoothingModeNone);
        graphics->DrawPath(&pen, shape.get());
        graphics->SetSmoothingMode(before);
    }
    if (FBackGroundPictureMode == pmOutsideFill && FGradientType == gtTexture)
        DrawFillPicture(graphics, FBackGroundPicture.get(), Round(x), Round(y), Round(x + w), Round(y + h),
                        FBackGroundPicture->Width(), FBackGroundPicture->Height(), FBackGroundPicturePosition,
                        FBackGroundPictureLeft, FBackGroundPictureTop, FBackGroundPictureAspectRatio,
                        FBackGroundPictureAspectMode);
    if (!FPicture->Empty()) {
        const bool own = FPictureSize == psOriginal;
        DrawFillPicture(graphics, FPicture.get(), Round(x), Round(y), Round(x + w), Round(y + h),
                        own ? FPicture->Width() : FPictureWidth, own ? FPicture->Height() : FPictureHeight,
                        FPicturePosition, FPictureLeft, FPictureTop, FPictureAspectRatio, FPictureAspectMode);
    }
    return work;
}

void TGDIPFill::DrawGlow(TGPGraphics *graphics, const TGPRectF &R)
{
    if (!graphics || FGlow == gmNone)
        return;
    TGPRegion clip(R);
    graphics->SetClip(&clip);
    const REAL x = R.X + 1, y = R.Y + 1, w = R.Width - 2, h = R.Height - 2;
    if (FGlow == gmGradient || FGlow == gmRadialGradient) {
        std::unique_ptr<TGPGraphicsPath> shape(CreateRoundRectPath(MakeRect(x, y, w, h), FRounding, FRoundingType));
        TGPPen pen(ARGBFromAlphaColor(200, FGlowGradientColor), 1);
        graphics->DrawPath(&pen, shape.get());
        // A band along an edge, fading away from it, with a triangle at each end.
        auto band = [&](REAL by, REAL bh, BYTE alphaFrom, BYTE alphaTo, REAL edge, REAL inner) {
            const TGPRectF r = MakeRect(x + 5, by, w - 10, bh);
            TGPLinearGradientBrush brush(MakeRect(r.X - 1, r.Y - 1, r.Width + 2, r.Height + 2),
                                         ARGBFromAlphaColor(alphaFrom, FGlowGradientColor),
                                         ARGBFromAlphaColor(alphaTo, FGlowGradientColor), LinearGradientModeVertical);
            const TGPPointF left[3] = {{x, edge}, {x + 5, edge}, {x + 5, inner}};
            const TGPPointF right[3] = {{x + w, edge}, {x + w - 5, edge}, {x + w - 5, inner}};
            graphics->FillPolygon(&brush, left, 3);
            graphics->FillPolygon(&brush, right, 3);
            graphics->FillRectangle(&brush, r);
        };
        band(y, 4, 175, 0, y, y + 4);
        band(y + h - 7, 7, 0, 220, y + h, y + h - 7);
    }
    if (FGlow == gmRadial || FGlow == gmRadialGradient) {
        TGPGraphicsPath ellipse;
        ellipse.AddEllipse(x + 10, y - h / 2, w - 20, 3 * h);
        TGPPathGradientBrush brush(&ellipse);
        brush.SetCenterPoint(MakePoint(x + 10 + (w - 20) / 2, y - h / 2 + 3 * h / 2));
        brush.SetCenterColor(ARGBFromAlphaColor(150, FGlowRadialColor));
        const ARGB surround = ARGBFromAlphaColor(0, FColor);
        INT count = 1;
        brush.SetSurroundColors(&surround, count);
        graphics->FillPath(&brush, &ellipse);
    }
    graphics->ResetClip();
}

// ---- Clipboard -----------------------------------------------------------------------------------

void TGDIPFill::SaveToClipBoard()
{
    TSaver saver(nullptr);
    saver.SetSaveObject(this);
    const QByteArray data = WriteComponentToText(&saver).toUtf8();
    Clipboard()->SetAsHandle(ClipboardFormat(), data);
}

void TGDIPFill::LoadFromClipBoard()
{
    if (!Clipboard()->HasFormat(ClipboardFormat()))
        return;
    const QString text = QString::fromUtf8(Clipboard()->GetAsHandle(ClipboardFormat()));
    TSaver saver(nullptr);
    saver.SetSaveObject(this);
    ReadComponentFromText(&saver, text, kClipboardFormatName);
}

// ---- INI section ---------------------------------------------------------------------------------

namespace {

// The integer keys of a fill's INI section, in the order they are written.
struct IniKey {
    const char *name;
    int (*get)(const TGDIPFill &);
    void (*set)(TGDIPFill &, int);
};

#define INI_KEY(Name, Type)                                                                                            \
    IniKey                                                                                                             \
    {                                                                                                                  \
#Name, [](const TGDIPFill                                                                                      \
                      &f) { return static_cast<int>(f.Name()); }, [](TGDIPFill & f,                                    \
                                                                     int v) { f.Set##Name(static_cast<Type>(v)); }     \
    }

const IniKey kIniKeys[] = {
    INI_KEY(Color, TColor),
    INI_KEY(ColorTo, TColor),
    INI_KEY(ColorMirror, TColor),
    INI_KEY(ColorMirrorTo, TColor),
    INI_KEY(GradientType, TAdvGradientType),
    INI_KEY(GradientMirrorType, TAdvGradientType),
    INI_KEY(HatchStyle, ::HatchStyle),
    INI_KEY(HatchStyleMirror, ::HatchStyle),
    INI_KEY(BackGroundPictureMode, TFillPictureMode),
    INI_KEY(BackGroundPicturePosition, TFillPicturePosition),
    INI_KEY(BackGroundPictureLeft, int),
    INI_KEY(BackGroundPictureTop, int),
    INI_KEY(PicturePosition, TFillPicturePosition),
    INI_KEY(PictureLeft, int),
    INI_KEY(PictureTop, int),
    INI_KEY(PictureSize, TFillPictureSize),
    INI_KEY(PictureWidth, int),
    INI_KEY(PictureHeight, int),
    INI_KEY(Opacity, BYTE),
    INI_KEY(OpacityTo, BYTE),
    INI_KEY(OpacityMirror, BYTE),
    INI_KEY(OpacityMirrorTo, BYTE),
    INI_KEY(BorderColor, TColor),
    INI_KEY(BorderOpacity, BYTE),
    INI_KEY(BorderWidth, int),
    INI_KEY(Rounding, int),
    INI_KEY(RoundingType, TFillRoundingType),
    INI_KEY(ShadowOffset, int),
    INI_KEY(ShadowColor, TColor),
    INI_KEY(Angle, int),
    INI_KEY(Glow, TGlowMode),
    INI_KEY(GlowGradientColor, TColor),
    INI_KEY(GlowRadialColor, TColor),
};

// A picture's bytes as upper-case hexadecimal text.
QString PictureText(TAdvGDIPPicture *picture)
{
    TMemoryStream s;
    picture->SaveToStream(&s);
    return QString::fromLatin1(s.Bytes().toHex().toUpper());
}

// The picture text under `key`, `sizeKey` characters of it. An older section kept the length
// under "PictureSize" only; without the size key the whole text is taken.
QByteArray ReadPictureBytes(TCustomIniFile *ini, const QString &section, const QString &key, const QString &sizeKey)
{
    const QString text = ini->ReadString(section, key, QString());
    int length =
        ini->ValueExists(section, sizeKey) ? ini->ReadInteger(section, sizeKey, 0) : static_cast<int>(text.size());
    if (length <= 0)
        return QByteArray();
    return HexToBytes(text.left(length));
}

}  // namespace

void TGDIPFill::SaveToFile(const QString &fileName, const QString &section)
{
    TIniFile ini(fileName);
    SaveToFile(&ini, section);
}

void TGDIPFill::LoadFromFile(const QString &fileName, const QString &section)
{
    TIniFile ini(fileName);
    LoadFromFile(&ini, section);
}

void TGDIPFill::SaveToFile(TCustomIniFile *ini, const QString &section)
{
    if (!ini)
        return;
    for (const IniKey &k : kIniKeys)
        ini->WriteInteger(section, QString::fromLatin1(k.name), k.get(*this));
    const QString picture = PictureText(FPicture.get());
    ini->WriteString(section, QStringLiteral("Picture"), picture);
    ini->WriteInteger(section, QStringLiteral("PictureDataSize"), static_cast<int>(picture.size()));
    const QString background = PictureText(FBackGroundPicture.get());
    ini->WriteString(section, QStringLiteral("BackgroundPicture"), background);
    ini->WriteInteger(section, QStringLiteral("BackgroundPictureSize"), static_cast<int>(background.size()));
}

void TGDIPFill::LoadFromFile(TCustomIniFile *ini, const QString &section)
{
    if (!ini)
        return;
    // Everything is read and decoded first: a bad picture text leaves this fill untouched.
    TGDIPFill loaded;
    loaded.Assign(this);
    for (const IniKey &k : kIniKeys) {
        const QString name = QString::fromLatin1(k.name);
        int v = ini->ReadInteger(section, name, k.get(loaded));
        // A section written by older code holds a text length under "PictureSize".
        if (name == QLatin1String("PictureSize") && v != psOriginal && v != psCustom)
            v = k.get(loaded);
        k.set(loaded, v);
    }
    const QByteArray picture =
        ReadPictureBytes(ini, section, QStringLiteral("Picture"), QStringLiteral("PictureDataSize"));
    const QByteArray background =
        ReadPictureBytes(ini, section, QStringLiteral("BackgroundPicture"), QStringLiteral("BackgroundPictureSize"));
    TMemoryStream ps(picture), bs(background);
    if (!picture.isEmpty())
        loaded.FPicture->LoadFromStream(&ps);
    if (!background.isEmpty())
        loaded.FBackGroundPicture->LoadFromStream(&bs);
    Assign(&loaded);
}
