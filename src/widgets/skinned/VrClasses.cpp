#include "widgets/skinned/VrClasses.h"

#include "platform/runtime/ClassBuilder.h"
#include "platform/ui/Bitmap.h"
#include "platform/ui/Canvas.h"

T_IMPLEMENT_CLASS(TVrPersistent) {}

T_IMPLEMENT_CLASS(TVrPalette)
{
    using C = TVrPalette;
    b.Color("High", &C::High, &C::SetHigh).Default(clLime).Idents(ColorIdents());
    b.Color("Low", &C::Low, &C::SetLow).Default(clGreen).Idents(ColorIdents());
}

T_IMPLEMENT_CLASS(TVrFont3D)
{
    using C = TVrFont3D;
    b.Enum("Style", &C::Style, &C::SetStyle, VrFont3DStyleNames).Default(f3dNone);
    b.Color("HighlightColor", &C::HighlightColor, &C::SetHighlightColor).Default(clBtnHighlight).Idents(ColorIdents());
    b.Color("ShadowColor", &C::ShadowColor, &C::SetShadowColor).Default(clBtnShadow).Idents(ColorIdents());
    b.Int("HighlightDepth", &C::HighlightDepth, &C::SetHighlightDepth).Default(1);
    b.Int("ShadowDepth", &C::ShadowDepth, &C::SetShadowDepth).Default(1);
}

// ---- TVrPersistent -------------------------------------------------------------------------------

void TVrPersistent::EndUpdate()
{
    if (FUpdateCount > 0)
        --FUpdateCount;
    Changed();
}

void TVrPersistent::Changed()
{
    if (FUpdateCount == 0 && OnChange)
        OnChange(this);
}

// ---- TVrPalette ----------------------------------------------------------------------------------

void TVrPalette::Assign(TPersistent *Source)
{
    auto *palette = dynamic_cast<TVrPalette *>(Source);
    if (!palette) {
        inherited::Assign(Source);
        return;
    }
    BeginUpdate();
    SetLow(palette->Low());
    SetHigh(palette->High());
    EndUpdate();
}

void TVrPalette::ToBMP(TBitmap *bitmap, TColor darkColor, TColor lightColor) const
{
    if (!bitmap || bitmap->Empty())
        return;
    const QRgb dark = ColorToPixel(darkColor), light = ColorToPixel(lightColor);
    const QRgb low = ColorToPixel(FLow), high = ColorToPixel(FHigh);
    QImage image = bitmap->Image().convertToFormat(QImage::Format_RGB32);
    for (int y = 0; y < image.height(); ++y) {
        auto *row = reinterpret_cast<QRgb *>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            const QRgb p = row[x] | 0xFF000000u;
            if (p == dark)
                row[x] = low;
            else if (p == light)
                row[x] = high;
        }
    }
    bitmap->SetImage(image);
}

// ---- TVrFont3D -----------------------------------------------------------------------------------

void TVrFont3D::Assign(TPersistent *Source)
{
    auto *font = dynamic_cast<TVrFont3D *>(Source);
    if (!font) {
        inherited::Assign(Source);
        return;
    }
    BeginUpdate();
    SetStyle(font->Style());
    SetHighlightColor(font->HighlightColor());
    SetShadowColor(font->ShadowColor());
    SetHighlightDepth(font->HighlightDepth());
    SetShadowDepth(font->ShadowDepth());
    EndUpdate();
}

void TVrFont3D::Paint(TCanvas *canvas, const TRect &r, unsigned format, const QString &text) const
{
    const TColor face = canvas->Font()->Color();
    canvas->Brush()->SetStyle(bsClear);
    auto pass = [&](TColor color, int d) {
        TRect moved = r;
        moved.Offset(d, d);
        canvas->Font()->SetColor(color);
        canvas->DrawText(text, moved, format);
    };
    switch (FStyle) {
    case f3dNone: break;
    case f3dRaised:
        pass(FShadowColor, FShadowDepth);
        pass(FHighlightColor, -FHighlightDepth);
        break;
    case f3dSunken:
        pass(FHighlightColor, FHighlightDepth);
        pass(FShadowColor, -FShadowDepth);
        break;
    case f3dShadow: pass(FShadowColor, FShadowDepth); break;
    }
    pass(face, 0);
}
