// TGPGraphics, the text operations on framework fonts, and DrawGDIPFill.

#include <algorithm>
#include <cmath>
#include <memory>
#include <string>

#include "platform/ui/Canvas.h"
#include "platform/ui/GraphicsFont.h"
#include "widgets/graphics/AdvGDIP.h"
#include "widgets/graphics/AdvGDIPChars.h"
#include "widgets/graphics/AdvGDIPPicture.h"

using namespace advgdip_detail;

namespace {

int Round(double v)
{
    return static_cast<int>(std::nearbyint(v));
}

}  // namespace

// ---- Graphics ------------------------------------------------------------------------------------

TGPGraphics::TGPGraphics(HDC hdc)
{
    GpGraphics *g = nullptr;
    lastResult = GdipCreateFromHDC(hdc, &g);
    StoreHandle(g);
}

TGPGraphics::TGPGraphics(TGPImage *image)
{
    if (!image)
        return;
    GpGraphics *g = nullptr;
    lastResult = GdipGetImageGraphicsContext(image->nativeImage, &g);
    StoreHandle(g);
}

TGPGraphics::~TGPGraphics()
{
    GdipDeleteGraphics(nativeGraphics);
}

TGPGraphics *TGPGraphics::FromImage(TGPImage *image)
{
    return new TGPGraphics(image);
}

Status TGPGraphics::Flush(FlushIntention intention)
{
    return GdipFlush(nativeGraphics, intention);
}

Status TGPGraphics::Clear(ARGB color)
{
    return RecordStatus(GdipGraphicsClear(nativeGraphics, color));
}

HDC TGPGraphics::GetHDC()
{
    HDC dc = nullptr;
    RecordStatus(GdipGetDC(nativeGraphics, &dc));
    return dc;
}

Status TGPGraphics::ReleaseHDC(HDC hdc)
{
    return RecordStatus(GdipReleaseDC(nativeGraphics, hdc));
}

Status TGPGraphics::SetTransform(TGPMatrix *matrix)
{
    return RecordStatus(GdipSetWorldTransform(nativeGraphics, matrix ? matrix->nativeMatrix : nullptr));
}

Status TGPGraphics::ResetTransform()
{
    return RecordStatus(GdipResetWorldTransform(nativeGraphics));
}

SmoothingMode TGPGraphics::GetSmoothingMode()
{
    SmoothingMode m = SmoothingModeInvalid;
    RecordStatus(GdipGetSmoothingMode(nativeGraphics, &m));
    return m;
}

Status TGPGraphics::SetSmoothingMode(SmoothingMode smoothingMode)
{
    return RecordStatus(GdipSetSmoothingMode(nativeGraphics, smoothingMode));
}

TextRenderingHint TGPGraphics::GetTextRenderingHint()
{
    TextRenderingHint h = TextRenderingHintSystemDefault;
    RecordStatus(GdipGetTextRenderingHint(nativeGraphics, &h));
    return h;
}

Status TGPGraphics::SetTextRenderingHint(TextRenderingHint newMode)
{
    return RecordStatus(GdipSetTextRenderingHint(nativeGraphics, newMode));
}

CompositingQuality TGPGraphics::GetCompositingQuality()
{
    CompositingQuality q = CompositingQualityDefault;
    RecordStatus(GdipGetCompositingQuality(nativeGraphics, &q));
    return q;
}

Status TGPGraphics::SetCompositingQuality(CompositingQuality compositingQuality)
{
    return RecordStatus(GdipSetCompositingQuality(nativeGraphics, compositingQuality));
}

#define PEN(p) ((p) ? (p)->nativePen : nullptr)
#define BRUSH(b) ((b) ? (b)->nativeBrush : nullptr)
#define IMAGE(i) ((i) ? (i)->nativeImage : nullptr)
#define PATH(p) ((p) ? (p)->nativePath : nullptr)

Status TGPGraphics::DrawLine(TGPPen *pen, REAL x1, REAL y1, REAL x2, REAL y2)
{
    return RecordStatus(GdipDrawLine(nativeGraphics, PEN(pen), x1, y1, x2, y2));
}

Status TGPGraphics::DrawLine(TGPPen *pen, const TGPPointF &pt1, const TGPPointF &pt2)
{
    return DrawLine(pen, pt1.X, pt1.Y, pt2.X, pt2.Y);
}

Status TGPGraphics::DrawArc(TGPPen *pen, const TGPRectF &rect, REAL startAngle, REAL sweepAngle)
{
    return DrawArc(pen, rect.X, rect.Y, rect.Width, rect.Height, startAngle, sweepAngle);
}

Status TGPGraphics::DrawArc(TGPPen *pen, REAL x, REAL y, REAL width, REAL height, REAL startAngle, REAL sweepAngle)
{
    return RecordStatus(GdipDrawArc(nativeGraphics, PEN(pen), x, y, width, height, startAngle, sweepAngle));
}

Status TGPGraphics::DrawRectangle(TGPPen *pen, const TGPRectF &rect)
{
    return DrawRectangle(pen, rect.X, rect.Y, rect.Width, rect.Height);
}

Status TGPGraphics::DrawRectangle(TGPPen *pen, REAL x, REAL y, REAL width, REAL height)
{
    return RecordStatus(GdipDrawRectangle(nativeGraphics, PEN(pen), x, y, width, height));
}

Status TGPGraphics::DrawEllipse(TGPPen *pen, const TGPRectF &rect)
{
    return DrawEllipse(pen, rect.X, rect.Y, rect.Width, rect.Height);
}

Status TGPGraphics::DrawEllipse(TGPPen *pen, REAL x, REAL y, REAL width, REAL height)
{
    return RecordStatus(GdipDrawEllipse(nativeGraphics, PEN(pen), x, y, width, height));
}

Status TGPGraphics::DrawEllipse(TGPPen *pen, INT x, INT y, INT width, INT height)
{
    return RecordStatus(GdipDrawEllipseI(nativeGraphics, PEN(pen), x, y, width, height));
}

Status TGPGraphics::DrawPath(TGPPen *pen, TGPGraphicsPath *path)
{
    return RecordStatus(GdipDrawPath(nativeGraphics, PEN(pen), PATH(path)));
}

Status TGPGraphics::FillRectangle(TGPBrush *brush, const TGPRectF &rect)
{
    return FillRectangle(brush, rect.X, rect.Y, rect.Width, rect.Height);
}

Status TGPGraphics::FillRectangle(TGPBrush *brush, REAL x, REAL y, REAL width, REAL height)
{
    return RecordStatus(GdipFillRectangle(nativeGraphics, BRUSH(brush), x, y, width, height));
}

Status TGPGraphics::FillEllipse(TGPBrush *brush, const TGPRectF &rect)
{
    return FillEllipse(brush, rect.X, rect.Y, rect.Width, rect.Height);
}

Status TGPGraphics::FillEllipse(TGPBrush *brush, REAL x, REAL y, REAL width, REAL height)
{
    return RecordStatus(GdipFillEllipse(nativeGraphics, BRUSH(brush), x, y, width, height));
}

Status TGPGraphics::FillEllipse(TGPBrush *brush, INT x, INT y, INT width, INT height)
{
    return RecordStatus(GdipFillEllipseI(nativeGraphics, BRUSH(brush), x, y, width, height));
}

Status TGPGraphics::FillPolygon(TGPBrush *brush, const TGPPointF *points, INT count, FillMode fillMode)
{
    return RecordStatus(GdipFillPolygon(nativeGraphics, BRUSH(brush), points, count, fillMode));
}

Status TGPGraphics::FillPolygon(TGPBrush *brush, const TGPPoint *points, INT count, FillMode fillMode)
{
    return RecordStatus(GdipFillPolygonI(nativeGraphics, BRUSH(brush), points, count, fillMode));
}

Status TGPGraphics::FillPath(TGPBrush *brush, TGPGraphicsPath *path)
{
    return RecordStatus(GdipFillPath(nativeGraphics, BRUSH(brush), PATH(path)));
}

Status TGPGraphics::DrawImage(TGPImage *image, INT x, INT y)
{
    return RecordStatus(GdipDrawImageI(nativeGraphics, IMAGE(image), x, y));
}

Status TGPGraphics::DrawImage(TGPImage *image, const TGPRectF &rect)
{
    return DrawImage(image, rect.X, rect.Y, rect.Width, rect.Height);
}

Status TGPGraphics::DrawImage(TGPImage *image, REAL x, REAL y, REAL width, REAL height)
{
    return RecordStatus(GdipDrawImageRect(nativeGraphics, IMAGE(image), x, y, width, height));
}

Status TGPGraphics::DrawImage(TGPImage *image, const TGPRectF &destRect, REAL srcx, REAL srcy, REAL srcwidth,
                              REAL srcheight, Unit_ srcUnit, TGPImageAttributes *imageAttributes,
                              DrawImageAbort callback, void *callbackData)
{
    return RecordStatus(GdipDrawImageRectRect(
        nativeGraphics, IMAGE(image), destRect.X, destRect.Y, destRect.Width, destRect.Height, srcx, srcy, srcwidth,
        srcheight, srcUnit, imageAttributes ? imageAttributes->nativeImageAttr : nullptr, callback, callbackData));
}

Status TGPGraphics::DrawImageRect(TGPImage *image, INT x, INT y, INT width, INT height)
{
    return RecordStatus(GdipDrawImageRect(nativeGraphics, IMAGE(image), static_cast<REAL>(x), static_cast<REAL>(y),
                                          static_cast<REAL>(width), static_cast<REAL>(height)));
}

Status TGPGraphics::DrawImageRect(TGPImage *image, const TGPRectF &rect)
{
    return DrawImageRect(image, Round(rect.X), Round(rect.Y), Round(rect.Width), Round(rect.Height));
}

Status TGPGraphics::SetClip(TGPRegion *region, CombineMode combineMode)
{
    return RecordStatus(GdipSetClipRegion(nativeGraphics, region ? region->nativeRegion : nullptr, combineMode));
}

Status TGPGraphics::SetClip(TGPGraphicsPath *path, CombineMode combineMode)
{
    return RecordStatus(GdipSetClipPath(nativeGraphics, PATH(path), combineMode));
}

Status TGPGraphics::ExcludeClip(const TGPRectF &rect)
{
    return RecordStatus(GdipSetClipRect(nativeGraphics, rect.X, rect.Y, rect.Width, rect.Height, CombineModeExclude));
}

Status TGPGraphics::ExcludeClip(TGPRegion *region)
{
    return RecordStatus(GdipSetClipRegion(nativeGraphics, region ? region->nativeRegion : nullptr, CombineModeExclude));
}

Status TGPGraphics::ResetClip()
{
    return RecordStatus(GdipResetClip(nativeGraphics));
}

Status TGPGraphics::MeasureString(const QString &text, INT length, TGPFont *font, const TGPRectF &layoutRect,
                                  TGPStringFormat *stringFormat, TGPRectF &boundingBox, INT *codepointsFitted,
                                  INT *linesFilled)
{
    const std::u16string chars = Chars(text);
    return RecordStatus(GdipMeasureString(
        nativeGraphics, chars.c_str(), FitLength(length, text), font ? font->nativeFont : nullptr, &layoutRect,
        stringFormat ? stringFormat->nativeFormat : nullptr, &boundingBox, codepointsFitted, linesFilled));
}

Status TGPGraphics::MeasureString(const QString &text, INT length, TGPFont *font, const TGPPointF &origin,
                                  TGPStringFormat *stringFormat, TGPRectF &boundingBox)
{
    return MeasureString(text, length, font, MakeRect(origin.X, origin.Y, 0.0f, 0.0f), stringFormat, boundingBox);
}

Status TGPGraphics::MeasureString(const QString &text, INT length, TGPFont *font, const TGPRectF &layoutRect,
                                  TGPRectF &boundingBox)
{
    return MeasureString(text, length, font, layoutRect, nullptr, boundingBox);
}

Status TGPGraphics::DrawString(const QString &text, INT length, TGPFont *font, const TGPRectF &layoutRect,
                               TGPStringFormat *stringFormat, TGPBrush *brush)
{
    const std::u16string chars = Chars(text);
    return RecordStatus(GdipDrawString(nativeGraphics, chars.c_str(), FitLength(length, text),
                                       font ? font->nativeFont : nullptr, &layoutRect,
                                       stringFormat ? stringFormat->nativeFormat : nullptr, BRUSH(brush)));
}

Status TGPGraphics::DrawString(const QString &text, INT length, TGPFont *font, const TGPRectF &layoutRect,
                               TGPBrush *brush)
{
    return DrawString(text, length, font, layoutRect, nullptr, brush);
}

Status TGPGraphics::DrawString(const QString &text, INT length, TGPFont *font, const TGPPointF &origin, TGPBrush *brush)
{
    return DrawString(text, length, font, MakeRect(origin.X, origin.Y, 0.0f, 0.0f), nullptr, brush);
}

Status TGPGraphics::DrawString(const QString &text, INT length, TGPFont *font, const TGPPointF &origin,
                               TGPStringFormat *stringFormat, TGPBrush *brush)
{
    return DrawString(text, length, font, MakeRect(origin.X, origin.Y, 0.0f, 0.0f), stringFormat, brush);
}

// ---- Text on framework fonts ---------------------------------------------------------------------

TGPFont *TGPGraphics::MakeFont(TFont *font)
{
    auto *family = new TGPFontFamily(font->Name());
    if (family->lastResult == FontFamilyNotFound || family->lastResult == FontStyleNotFound) {
        delete family;
        family = new TGPFontFamily(QStringLiteral("Arial"));
    }
    INT style = FontStyleRegular;
    const TFontStyles s = font->Style();
    if (s.Contains(fsBold))
        style |= FontStyleBold;
    if (s.Contains(fsItalic))
        style |= FontStyleItalic;
    if (s.Contains(fsUnderline))
        style |= FontStyleUnderline;
    if (s.Contains(fsStrikeOut))
        style |= FontStyleStrikeout;
    auto *result = new TGPFont(family, static_cast<REAL>(font->Size()), style, UnitPoint);
    delete family;
    return result;
}

int TGPGraphics::TextWidth(const QString &text, TFont *font)
{
    std::unique_ptr<TGPFont> f(MakeFont(font));
    TGPRectF box{};
    MeasureString(text, static_cast<INT>(text.size()), f.get(), MakeRect(0.0f, 0.0f, 10000.0f, 10000.0f), box);
    return Round(box.Width);
}

int TGPGraphics::TextHeight(const QString &text, TFont *font)
{
    std::unique_ptr<TGPFont> f(MakeFont(font));
    TGPRectF box{};
    MeasureString(text, static_cast<INT>(text.size()), f.get(), MakeRect(0.0f, 0.0f, 10000.0f, 10000.0f), box);
    return Round(box.Height);
}

int TGPGraphics::DrawText(const QString &text, int length, TRect &r, TFont *font, UINT format, TColor background)
{
    std::unique_ptr<TGPFont> f(MakeFont(font));
    if ((format & DT_CALCRECT) || background != clNone) {
        QString working = text;
        // Measuring drops a trailing blank: measure it as a narrow letter instead.
        const int size = font->Size();
        const int extra = size > 8 ? 2 + Round((size - 8) / 1.5) : 2;
        if (working.size() > 1 && working.endsWith(u' '))
            working[working.size() - 1] = u'i';
        TGPRectF box{};
        MeasureString(working, length, f.get(),
                      MakeRect(static_cast<REAL>(r.Left), static_cast<REAL>(r.Top),
                               static_cast<REAL>(r.Right - r.Left + 1000), static_cast<REAL>(r.Bottom - r.Top)),
                      box);
        r.Right = r.Left + Round(box.Width - extra);
        r.Bottom = r.Top + Round(box.Height);
        if (background != clNone) {
            TGPSolidBrush brush(ARGBFromColor(background));
            FillRectangle(&brush, static_cast<REAL>(r.Left + 1), static_cast<REAL>(r.Top), box.Width - extra + 1,
                          box.Height);
        }
    }
    if (!(format & DT_CALCRECT)) {
        TGPSolidBrush brush(ARGBFromColor(font->Color()));
        DrawString(text, length, f.get(), MakePoint(static_cast<REAL>(r.Left), static_cast<REAL>(r.Top)), &brush);
    }
    return r.Bottom - r.Top;
}

// ---- One fill description ------------------------------------------------------------------------

void DrawGDIPFill(TGDIPFillParams p)
{
    TGPGraphics *g = p.Graphics;
    if (!g)
        return;
    const ARGB a = ARGBFromAlphaColor(p.Opacity, p.Color);
    const ARGB b = ARGBFromAlphaColor(p.OpacityTo, p.ColorTo);
    const bool usePath = p.UsePath && p.Path;
    auto fill = [&](TGPBrush *brush) {
        if (usePath)
            g->FillPath(brush, p.Path);
        else
            g->FillRectangle(brush, p.Rect);
    };
    const TGPRectF grown = MakeRect(p.Rect.X - 1, p.Rect.Y - 1, p.Rect.Width + 2, p.Rect.Height + 2);
    switch (p.GradientType) {
    case gtSolid: {
        TGPSolidBrush brush(a);
        fill(&brush);
        break;
    }
    case gtVertical:
    case gtHorizontal:
    case gtForwardDiagonal:
    case gtBackwardDiagonal: {
        // The gradient kinds in the order of their modes.
        const LinearGradientMode mode = p.GradientType == gtVertical          ? LinearGradientModeVertical
                                        : p.GradientType == gtHorizontal      ? LinearGradientModeHorizontal
                                        : p.GradientType == gtForwardDiagonal ? LinearGradientModeForwardDiagonal
                                                                              : LinearGradientModeBackwardDiagonal;
        TGPLinearGradientBrush brush(grown, a, b, mode);
        brush.SetGammaCorrection(-1);
        fill(&brush);
        if (p.Mirror) {
            TGPSolidBrush line(a);
            g->FillRectangle(&line, MakeRect(p.Rect.X, p.Rect.Y, p.Rect.Width, 1.0f));
        }
        break;
    }
    case gtAngle: {
        TGPLinearGradientBrush brush(grown, a, b, static_cast<REAL>(p.Angle), -1);
        brush.SetGammaCorrection(-1);
        fill(&brush);
        break;
    }
    case gtHatch: {
        TGPHatchBrush brush(p.Hatch, a, b);
        fill(&brush);
        break;
    }
    case gtTexture:
        if (p.Picture) {
            if (usePath)
                p.Picture->FillPath(g, p.Path);
            else
                p.Picture->FillRect(g, p.Rect);
        }
        break;
    case gtRadial:
    case gtPath:
    case gtNone: break;
    }
    if (p.BorderColor != clNone) {
        TGPPen pen(ARGBFromAlphaColor(p.Opacity, p.BorderColor), static_cast<REAL>(p.BorderWidth));
        pen.SetDashStyle(p.BorderDashStyle);
        if (usePath)
            g->DrawPath(&pen, p.Path);
        else
            g->DrawRectangle(&pen, p.Rect);
    }
}
