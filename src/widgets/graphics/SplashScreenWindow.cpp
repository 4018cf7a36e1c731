#include "widgets/graphics/SplashScreenWindow.h"

#include <algorithm>
#include <cmath>
#include <new>
#include <vector>

#include "platform/os/Clock.h"
#include "platform/runtime/ClassBuilder.h"
#include "platform/runtime/Exception.h"
#include "platform/runtime/Streams.h"
#include "platform/ui/Application.h"
#include "platform/ui/Bitmap.h"
#include "platform/ui/ImageList.h"
#include "platform/ui/Region.h"
#include "widgets/graphics/AdvSmoothSplashScreen.h"
#include "widgets/graphics/HtmlTextRenderer.h"

T_IMPLEMENT_CLASS(TSplashScreenWindow) {}

namespace {

int Round(double v)
{
    return static_cast<int>(std::nearbyint(v));
}

TSplashSleep &SleepFunction()
{
    static TSplashSleep sleep = [](unsigned ms) { os::Sleep(ms); };
    return sleep;
}

// How far a fill's border reaches in: 1 for a width of 1, else half the width rounded up.
int BorderInset(const TGDIPFill *fill)
{
    return fill->BorderWidth() == 1 ? 1 : (fill->BorderWidth() + 1) / 2;
}

TextRenderingHint RenderingHint(int textRendering)
{
    switch (textRendering) {
    case 0: return TextRenderingHintAntiAlias;
    case 1: return TextRenderingHintAntiAliasGridFit;
    default: return TextRenderingHintClearTypeGridFit;
    }
}

// The list lines and top-layer texts all call the renderer with these settings.
struct HtmlCall {
    TGPGraphics *g;
    TFont *font;
    TCustomImageList *images;
    TGDIPPictureContainer *container;
    TColor urlColor;
    TColor shadowColor;
    int shadowOffset;

    // Measures (`measure`) or draws the text in `r`; gives the extent it reports.
    TSize Run(const QString &text, const TRect &r, bool measure) const
    {
        QString anchor, plain, focus;
        int w = 0, h = 0, anchors = 0, mouseAnchor = -1;
        TRect hover;
        RenderHTML(g, font, text, r, images, 0, 0, -1, -1, shadowOffset, false, measure, false, false, false, false,
                   true, 1.0, urlColor, clNone, clNone, shadowColor, anchor, plain, focus, w, h, anchors, mouseAnchor,
                   hover, nullptr, container, 2);
        return TSize(w, h);
    }
};

}  // namespace

TSplashSleep SetSplashSleep(TSplashSleep sleep)
{
    TSplashSleep old = SleepFunction();
    SleepFunction() = sleep ? std::move(sleep) : [](unsigned ms) { os::Sleep(ms); };
    return old;
}

void SplashSleep(unsigned milliseconds)
{
    SleepFunction()(milliseconds);
}

// ---- Free drawing routines ----------------------------------------------------------------------------

void AlignInRect(int &x, int &y, const TGPRectF &box, TAdvSmoothSplashScreenLocation location, int h, int w)
{
    // The nine places run row by row (top, centre, bottom), each row left, centre, right: the share
    // of the room left before the text is 0, a half or all of it.
    const int place = location == cpCustom ? 0 : static_cast<int>(location);
    const auto offset = [](int share, int room) { return share == 0 ? 0 : share == 1 ? room / 2 : room; };
    x = offset(place % 3, Round(box.Width) - w) + Round(box.X);
    y = offset(place / 3, Round(box.Height) - h) + Round(box.Y);
}

void DrawGradientText(TGPGraphics *g, const QString &text, TPoint position, TSize &size, int textRendering, int angle,
                      bool measureOnly, TColor endColor, TColor startColor, std::uint8_t endOpacity,
                      std::uint8_t startOpacity, HatchStyle hatchStyle, TAdvGDIPPicture *picture,
                      TAdvGradientType gradientType, TFont *font)
{
    size = TSize();
    if (text.isEmpty() || !g || !font)
        return;
    g->SetTextRenderingHint(RenderingHint(textRendering));
    // The family (Arial when GDI+ does not know it), bold, italic, underline and strike-out.
    std::unique_ptr<TGPFont> gpFont(g->MakeFont(font));
    TGPStringFormat format;
    format.SetAlignment(StringAlignmentNear);
    const REAL x = static_cast<REAL>(position.X), y = static_cast<REAL>(position.Y);
    TGPRectF box{};
    g->MeasureString(text, -1, gpFont.get(), MakeRect(x, y, 1500.0f, 500.0f), &format, box);
    size = TSize(Round(box.Width), Round(box.Height));
    if (measureOnly)
        return;
    const ARGB start = ARGBFromAlphaColor(startOpacity, startColor);
    const ARGB end = ARGBFromAlphaColor(endOpacity, endColor);
    if (endColor == clNone && gradientType != gtTexture && gradientType != gtNone)
        gradientType = gtSolid;
    const REAL w = static_cast<REAL>(size.cx), h = static_cast<REAL>(size.cy);
    std::unique_ptr<TGPBrush> brush;
    std::unique_ptr<TGPImage> texture;
    std::unique_ptr<TMemoryStream> textureBytes;
    switch (gradientType) {
    case gtSolid: brush = std::make_unique<TGPSolidBrush>(start); break;
    case gtVertical:
        brush = std::make_unique<TGPLinearGradientBrush>(MakePoint(x, y), MakePoint(x + w, y), start, end);
        break;
    case gtHorizontal:
        brush = std::make_unique<TGPLinearGradientBrush>(MakePoint(x, y), MakePoint(x, y + h), start, end);
        break;
    case gtForwardDiagonal:
        brush = std::make_unique<TGPLinearGradientBrush>(MakePoint(x, y), MakePoint(x + w, y + h), start, end);
        break;
    case gtBackwardDiagonal:
        brush = std::make_unique<TGPLinearGradientBrush>(MakePoint(x + w, y), MakePoint(x, y + h), end, start);
        break;
    case gtAngle: {
        auto angled = std::make_unique<TGPLinearGradientBrush>(MakeRect(x, y, static_cast<REAL>(Round(w + 10)), h + 10),
                                                               start, end, static_cast<REAL>(angle), 1);
        angled->SetGammaCorrection(1);
        brush = std::move(angled);
        break;
    }
    case gtHatch: brush = std::make_unique<TGPHatchBrush>(hatchStyle, start, end); break;
    case gtTexture:
        if (picture && !picture->Empty()) {
            textureBytes = std::make_unique<TMemoryStream>();
            picture->SaveToStream(textureBytes.get());
            textureBytes->SetPosition(0);
            texture = std::make_unique<TGPImage>(textureBytes.get());
            brush = std::make_unique<TGPTextureBrush>(texture.get(), WrapModeTile);
        }
        break;
    case gtRadial:
    case gtPath:
    case gtNone: break;
    }
    if (!brush)
        return;
    g->DrawString(text, -1, gpFont.get(), MakeRect(x, y, static_cast<REAL>(Round(w + 10)), h + 10), &format,
                  brush.get());
}

void DrawSplashPicture(TGPGraphics *g, TPoint position, TAdvGDIPPicture *picture)
{
    if (!g || !picture || picture->Empty())
        return;
    TMemoryStream bytes;
    try {
        picture->SaveToStream(&bytes);
        bytes.SetPosition(0);
    } catch (const std::bad_alloc &) {
        throw Exception(QStringLiteral("Could not allocate memory for image"));
    }
    TGPImage image(&bytes);
    if (image.GetLastStatus() != Ok)
        return;
    const INT w = static_cast<INT>(image.GetWidth()), h = static_cast<INT>(image.GetHeight());
    if (image.GetFormat() == ifPNG) {
        g->DrawImageRect(&image, position.X, position.Y, w, h);
        return;
    }
    // Any other format leaves out the colour of its bottom-left pixel.
    bytes.SetPosition(0);
    TGPBitmap pixels(&bytes);
    ARGB key = 0;
    pixels.GetPixel(0, h - 1, key);
    TGPImageAttributes attributes;
    attributes.SetColorKey(key, key);
    g->DrawImage(&image,
                 MakeRect(static_cast<REAL>(position.X), static_cast<REAL>(position.Y), static_cast<REAL>(w),
                          static_cast<REAL>(h)),
                 0, 0, static_cast<REAL>(w), static_cast<REAL>(h), UnitPixel, &attributes);
}

// ---- The window ---------------------------------------------------------------------------------------

TSplashScreenWindow::TSplashScreenWindow(TComponent *AOwner) : TForm(AOwner)
{
    // The window never takes the focus (the extended style is exactly WS_EX_NOACTIVATE).
    SetNoActivate(true);
}

TSplashScreenWindow::~TSplashScreenWindow()
{
    FMainBuffer.reset();
}

void TSplashScreenWindow::Click()
{
    TForm::Click();
    if (FSplashScreen && FSplashScreen->OnClick)
        FSplashScreen->OnClick(FSplashScreen);
}

void TSplashScreenWindow::Paint()
{
    TForm::Paint();
    if (!FSplashScreen || FForcedTransparent)
        return;
    TGPGraphics g(Canvas()->Handle());
    PaintContent(&g);
}

void TSplashScreenWindow::Refresh()
{
    if (FForcedTransparent)
        Render();
    else
        TForm::Refresh();
}

void TSplashScreenWindow::EnterLayeredMode()
{
    if (!FMainBuffer)
        FMainBuffer = std::make_unique<TGPBitmap>(Width(), Height(), PixelFormat32bppARGB);
    if (!Layered())
        SetLayered(true);
    FForcedTransparent = true;
    Render();
}

void TSplashScreenWindow::Render()
{
    if (!FMainBuffer || !FSplashScreen)
        return;
    {
        TGPGraphics g(FMainBuffer.get());
        g.Clear(0);
        // The window stays on top only when the component asks for it.
        if (FSplashScreen->StayOnTop() && FormStyle() != fsStayOnTop)
            SetFormStyle(fsStayOnTop);
        PaintContent(&g);
    }
    UpdateLayeredWindow();
}

void TSplashScreenWindow::UpdateLayeredWindow()
{
    if (!FMainBuffer)
        return;
    HBITMAP pixels = nullptr;
    if (FMainBuffer->GetHBITMAP(0, pixels) != Ok || !pixels)
        return;
    UpdateLayered(pixels->Image(), FOpacity);
    delete pixels;
}

void TSplashScreenWindow::SetWindowShape()
{
    const TGDIPFill *fill = FSplashScreen->Fill();
    if (!HandleAllocated() || fill->Rounding() <= 0 || fill->RoundingType() == rtNone)
        return;
    const TRect c = ClientRect();
    const int w = 2 * fill->Rounding();
    TRegion region;
    switch (fill->RoundingType()) {
    case rtTop:
        region = TRegion::RoundRect(TRect(c.Left, c.Top, c.Right + 1, c.Bottom), w, w) |
                 TRegion(TRect(c.Left, c.Top + w, c.Right, c.Bottom));
        break;
    case rtBottom:
        region = TRegion::RoundRect(TRect(c.Left, c.Top, c.Right + 1, c.Bottom), w, w) |
                 TRegion(TRect(c.Left, c.Top, c.Right, c.Bottom - w));
        break;
    case rtBoth: region = TRegion::RoundRect(TRect(0, 0, c.Right - c.Left, c.Bottom - c.Top), w, w); break;
    case rtLeft:
        region = TRegion::RoundRect(TRect(c.Left, c.Top, c.Right, c.Bottom + 1), w, w) |
                 TRegion(TRect(c.Left + w, c.Top, c.Right, c.Bottom));
        break;
    case rtRight:
        region = TRegion::RoundRect(TRect(c.Left, c.Top, c.Right, c.Bottom + 1), w, w) |
                 TRegion(TRect(c.Left, c.Top, c.Right - w, c.Bottom));
        break;
    case rtNone: return;
    }
    SetWindowRegion(&region);
}

void TSplashScreenWindow::FadeIn(int step, int pause, int target)
{
    Fade(step, static_cast<unsigned>(pause), target, true);
}

void TSplashScreenWindow::FadeOut(int step, int wait, int target)
{
    Fade(step, static_cast<unsigned>(FForcedTransparent ? wait : 3 * wait), target, false);
}

void TSplashScreenWindow::Fade(int step, unsigned pause, int target, bool up)
{
    target = std::clamp(target, 0, 255);
    const auto apply = [this](int v) {
        if (FForcedTransparent) {
            FOpacity = static_cast<std::uint8_t>(v);
            UpdateLayeredWindow();
        } else {
            SetAlphaBlendValue(static_cast<std::uint8_t>(v));
        }
    };
    int value = FForcedTransparent ? FOpacity : AlphaBlendValue();
    while (up ? value < target : value > target) {
        // The last step lands on the target; a step that moves nothing would never get there.
        const int next = up ? value + step : value - step;
        if (step <= 0 || (up ? next >= target : next <= target)) {
            apply(target);
            return;
        }
        value = next;
        apply(value);
        SplashSleep(pause);
    }
}

// ---- Content ------------------------------------------------------------------------------------------

void TSplashScreenWindow::PaintContent(TGPGraphics *g)
{
    TAdvSmoothSplashScreen *s = FSplashScreen;
    TGDIPFill *fill = s->Fill();
    const int W = Width(), H = Height();
    // The fill rectangle, the content inside the fill's border, and the text rectangle left of and
    // above the fill's shadow.
    TRect content(0, 0, W - 1, H - 1);
    if (fill->BorderColor() != clNone) {
        const int b = BorderInset(fill);
        content = TRect(content.Left + b, content.Top + b, content.Right - b, content.Bottom - b);
    }
    const int shadow = fill->ShadowColor() != clNone ? fill->ShadowOffset() : 0;
    const TRect text(content.Left, content.Top, content.Right - shadow, content.Bottom - shadow);

    g->SetSmoothingMode(SmoothingModeAntiAlias);
    fill->Fill(g, MakeRect(0.0f, 0.0f, static_cast<REAL>(W - 1), static_cast<REAL>(H - 1)));
    DrawHeadings(g, text);
    DrawListItems(g);
    DrawTopLayerItems(g, content);
    DrawItems(g);
    if (FForcedTransparent && s->ProgressBar()->Visible() && FSplashProgressBar) {
        TAdvSplashProgressBar *bar = FSplashProgressBar;
        bar->Appearance()->Draw(g, bar->BoundsRect(), bar->Minimum(), bar->Maximum(), bar->Position());
    }
}

void TSplashScreenWindow::DrawHeadings(TGPGraphics *g, const TRect &text)
{
    TAdvSmoothSplashScreen *s = FSplashScreen;
    const int rendering = static_cast<int>(s->TextRendering());
    TBasicProgramInfo *info = s->BasicProgramInfo();
    TSplashHeadingText *name = info->ProgramName();
    TSplashHeadingText *version = info->ProgramVersion();
    const int d = s->Fill()->Rounding() / 2;
    const TRect c(text.Left + d, text.Top + d, text.Right - d - 5, text.Bottom - d);

    const auto measure = [&](TSplashHeadingText *h) {
        TSize size;
        DrawGradientText(g, h->Text(), TPoint(0, 0), size, rendering, h->Angle(), true, h->ColorEnd(), h->ColorStart(),
                         h->OpacityEnd(), h->OpacityStart(), h->HatchStyle(), h->Picture(), h->GradientType(),
                         h->Font());
        return size;
    };
    const TSize n = measure(name), v = measure(version);
    TSize cr;
    if (!info->CopyRight().isEmpty()) {
        Canvas()->Font()->Assign(info->CopyRightFont());
        cr = TSize(Canvas()->TextWidth(info->CopyRight()), Canvas()->TextHeight(info->CopyRight()));
    }
    const TItemLocation nl = name->Location(), vl = version->Location(), cl = info->CopyRightLocation();
    const auto centred = [&](int width) { return c.Left + (c.Right - c.Left - width) / 2; };

    TPoint np;
    switch (nl) {
    case ilTopLeft: np = TPoint(c.Left, c.Top); break;
    case ilTopCenter: np = TPoint(centred(n.cx), c.Top); break;
    case ilTopRight: np = TPoint(c.Right - n.cx - (vl == ilTopRight && v.cx > 0 ? v.cx + 1 : 0), c.Top); break;
    case ilBottomLeft: np = TPoint(c.Left, c.Bottom - n.cy - (cl == ilBottomLeft && cr.cy > 0 ? cr.cy + 3 : 0)); break;
    case ilBottomCenter:
        np = TPoint(centred(n.cx), c.Bottom - n.cy - (cl == ilBottomCenter ? cr.cy + 3 + v.cy : 0));
        break;
    case ilBottomRight:
        np = TPoint(c.Right - n.cx - (vl == ilBottomRight && v.cx > 0 ? v.cx + 1 : 0),
                    c.Bottom - n.cy - (cl == ilBottomRight && cr.cy > 0 ? cr.cy + 3 : 0));
        break;
    case ilCustom: np = TPoint(name->PosX(), name->PosY()); break;
    }

    // The version beside or below the name where they share a place, above the copyright.
    const auto bottomY = [&](TItemLocation where) {
        int y = n.cy >= 1 ? c.Bottom - n.cy : c.Bottom - v.cy;
        if (cl == where && cr.cy > 0)
            y -= cr.cy + 3;
        return y;
    };
    TPoint vp;
    switch (vl) {
    case ilTopLeft:
        if (nl == ilTopLeft && n.cx >= 1)
            vp = TPoint(c.Left + n.cx + 1, c.Top + (n.cy - v.cy) / 2);
        else
            vp = TPoint(c.Left, c.Top);
        break;
    case ilTopCenter: vp = TPoint(centred(v.cx), c.Top + (nl == ilTopCenter ? n.cy + v.cy : 0)); break;
    case ilTopRight: vp = TPoint(c.Right - v.cx, c.Top); break;
    case ilBottomLeft: {
        const bool beside = nl == ilBottomLeft && n.cx > 0;
        int y = beside ? c.Bottom - n.cy : c.Bottom - v.cy;
        if (cl == ilBottomLeft && cr.cy > 0)
            y -= cr.cy + 3;
        vp = TPoint(beside ? c.Left + n.cx + 1 : c.Left, y);
        break;
    }
    case ilBottomCenter: vp = TPoint(centred(v.cx), bottomY(ilBottomCenter)); break;
    case ilBottomRight: vp = TPoint(c.Right - v.cx, bottomY(ilBottomRight)); break;
    case ilCustom: vp = TPoint(version->PosX(), version->PosY()); break;
    }

    TPoint cp;
    switch (cl) {
    case ilTopLeft:
    case ilTopCenter:
    case ilTopRight: {
        const int x = cl == ilTopLeft ? c.Left : cl == ilTopCenter ? centred(cr.cx) : c.Right - cr.cx;
        int y = c.Top;
        if (nl == cl && n.cy > 0)
            y += n.cy + 3;
        else if (vl == cl && v.cy > 0)
            y += v.cy + 3;
        cp = TPoint(x, y);
        break;
    }
    case ilBottomLeft:
    case ilBottomCenter:
    case ilBottomRight: {
        const int x = cl == ilBottomLeft ? c.Left : cl == ilBottomCenter ? centred(cr.cx) : c.Right - cr.cx;
        cp = TPoint(x, c.Bottom - cr.cy);
        break;
    }
    case ilCustom: cp = TPoint(info->CopyRightPosX(), info->CopyRightPosY()); break;
    }

    TSize drawn;
    for (const auto &[heading, at] : {std::pair{name, np}, std::pair{version, vp}})
        DrawGradientText(g, heading->Text(), at, drawn, rendering, heading->Angle(), false, heading->ColorEnd(),
                         heading->ColorStart(), heading->OpacityEnd(), heading->OpacityStart(), heading->HatchStyle(),
                         heading->Picture(), heading->GradientType(), heading->Font());
    TFont *crFont = info->CopyRightFont();
    DrawGradientText(g, info->CopyRight(), cp, drawn, rendering, 0, false, clNone, crFont->Color(), 255, 255,
                     HatchStyleHorizontal, nullptr, gtSolid, crFont);
}

void TSplashScreenWindow::DrawListItems(TGPGraphics *g)
{
    TAdvSmoothSplashScreen *s = FSplashScreen;
    TSplashListItems *lines = s->ListItems();
    TSplashListItemsSettings *settings = s->ListItemsSettings();
    const TListItemsRect *rect = settings->Rect();
    const TRect q = rect->GetRect();
    const int n = lines->Count();
    if (n == 0)
        return;
    g->SetTextRenderingHint(RenderingHint(static_cast<int>(s->TextRendering())));
    const HtmlCall html{g,
                        settings->HTMLFont(),
                        s->Images(),
                        s->PictureContainer(),
                        settings->HTMLURLColor(),
                        settings->HTMLShadowColor(),
                        settings->HTMLShadowOffset()};
    std::vector<int> heights(static_cast<std::size_t>(n));
    int y = q.Top;
    for (int i = 0; i < n; ++i) {
        TSplashListItem *line = lines->Items(i);
        const TSize size = line->HTMLText().isEmpty()
                               ? TSize()
                               : html.Run(line->HTMLText(), TRect(0, 0, rect->Width(), rect->Height()), true);
        heights[static_cast<std::size_t>(i)] = size.cy;
        line->SetDisplayRect(TRect(q.Left, y, q.Right, y + size.cy));
        y += size.cy + settings->Space();
    }
    // Lines that overflow the rectangle push the oldest out: the newest show from the top.
    int first = 0;
    int overflow = lines->Items(n - 1)->DisplayRect().Bottom - q.Bottom;
    if (overflow > 0) {
        while (overflow > 0 && first < n - 1) {
            lines->Items(first)->SetDisplayRect(TRect(-1, -1, -1, -1));
            overflow -= heights[static_cast<std::size_t>(first)] + settings->Space();
            ++first;
        }
        const int shift = lines->Items(first)->DisplayRect().Top - rect->Top();
        for (int i = first; i < n; ++i) {
            TRect r = lines->Items(i)->DisplayRect();
            r.Top -= shift;
            r.Bottom -= shift;
            lines->Items(i)->SetDisplayRect(r);
        }
    }
    for (int i = first; i < n; ++i) {
        TSplashListItem *line = lines->Items(i);
        if (line->HTMLText().isEmpty())
            continue;
        const TRect r = line->DisplayRect();
        html.Run(line->HTMLText(), TRect(r.Left, r.Top, r.Left + rect->Width(), r.Top + rect->Height()), false);
    }
}

void TSplashScreenWindow::DrawTopLayerItems(TGPGraphics *g, const TRect &content)
{
    TAdvSmoothSplashScreen *s = FSplashScreen;
    TAdvSplashTopLayerItems *items = s->TopLayerItems();
    // The content rectangle's edges.
    const REAL X = static_cast<REAL>(content.Left), Y = static_cast<REAL>(content.Top);
    const REAL W = static_cast<REAL>(content.Right), H = static_cast<REAL>(content.Bottom);
    for (int i = 0; i < items->Count(); ++i) {
        TAdvSplashTopLayerItem *item = items->Items(i);
        if (!item->Visible())
            continue;
        TGDIPFill *fill = item->Fill();
        if (fill->Rounding() > 0 && fill->RoundingType() != rtNone)
            g->SetSmoothingMode(SmoothingModeAntiAlias);
        const REAL iw = static_cast<REAL>(item->Width()), ih = static_cast<REAL>(item->Height());
        TGPRectF box{};
        switch (item->Align()) {
        case alTop: box = MakeRect(X, Y, W - X, ih); break;
        case alBottom: box = MakeRect(X, Y + H - ih, W - X, ih); break;
        case alLeft: box = MakeRect(X, Y, iw, H); break;
        case alRight: box = MakeRect(W - iw, Y, iw, H); break;
        case alClient: box = MakeRect(X, Y, W - X, H); break;
        case alCustom:
            box = MakeRect(X + static_cast<REAL>(item->Left()), Y + static_cast<REAL>(item->Top()), iw, ih);
            break;
        case alNone: continue;  // a box without alignment has no place
        }
        if (fill->BorderColor() == clNone || fill->BorderWidth() == 0)
            box.Height += 1;
        fill->Fill(g, box);
        TAdvSplashHTMLText *text = item->HTMLText();
        if (text->Text().isEmpty())
            continue;
        g->SetTextRenderingHint(RenderingHint(static_cast<int>(s->TextRendering())));
        const HtmlCall html{g,
                            text->Font(),
                            s->Images(),
                            s->PictureContainer(),
                            text->URLColor(),
                            text->ShadowColor(),
                            text->ShadowOffset()};
        const TSize size = html.Run(text->Text(), TRect(0, 0, Round(box.Width), Round(box.Height)), true);
        int x = text->Left(), y = text->Top();
        if (text->Location() != cpCustom)
            AlignInRect(x, y, box, text->Location(), size.cy, size.cx);
        html.Run(text->Text(), TRect(x, y, x + size.cx, y + size.cy), false);
    }
}

void TSplashScreenWindow::DrawItems(TGPGraphics *g)
{
    TAdvSmoothSplashScreen *s = FSplashScreen;
    TSplashItems *items = s->Items();
    const int rendering = static_cast<int>(s->TextRendering());
    for (int i = 0; i < items->Count(); ++i) {
        TSplashItem *item = items->Items(i);
        int x = item->PosX();
        if (!item->Picture()->Empty()) {
            DrawSplashPicture(g, TPoint(item->PosX(), item->PosY()), item->Picture());
            item->Picture()->GetImageSizes();
            x += item->Picture()->Width() + s->PictureGap();
        } else if (s->Images() && item->ImageIndex() >= 0) {
            // On the window's canvas, which a layered window does not show.
            s->Images()->Draw(Canvas(), item->PosX(), item->PosY(), item->ImageIndex());
            x += s->Images()->Width() + s->PictureGap();
        }
        if (item->Text().isEmpty())
            continue;
        TSize drawn;
        TFont *font = item->Font();
        DrawGradientText(g, item->Text(), TPoint(x, item->PosY()), drawn, rendering, 0, false, clNone, font->Color(),
                         255, 255, HatchStyleHorizontal, nullptr, gtSolid, font);
    }
}

// ---- Creation ---------------------------------------------------------------------------------------------

TSplashScreenWindow *CreateSplashWindow(TAdvSmoothSplashScreen *component)
{
    if (!component || component->Showing())
        return nullptr;
    TGDIPFill *fill = component->Fill();
    const bool layered = fill->Opacity() < 255 || fill->OpacityTo() < 255;
    auto *w = new TSplashScreenWindow(Application);
    w->SetVisible(false);
    w->SetSplashScreen(component);
    w->SetBorderIcons(TBorderIcons());
    w->SetBorderStyle(bsNone);
    if (component->StayOnTop())
        w->SetFormStyle(fsStayOnTop);
    w->SetColor(clWhite);
    // The window system makes a layered window's pixels when it makes the window.
    w->SetLayered(layered);

    int width = component->Width(), height = component->Height();
    TAdvGDIPPicture *picture = fill->Picture();
    if (component->AutoAdaptPictureSize() && !picture->Empty()) {
        picture->GetImageSizes();
        const int b = BorderInset(fill);
        width = picture->Width() + 2 * b;
        height = picture->Height() + 2 * b;
    }
    w->SetBounds(component->DisplayPosX(), component->DisplayPosY(), width, height);
    w->SetDoubleBuffered(true);
    w->SetPosition(component->DisplayLocation() == dlCenter ? poScreenCenter : poDesigned);

    auto *bar = new TAdvSplashProgressBar(w);
    bar->SetVisible(false);
    bar->SetParent(w);
    w->FSplashProgressBar = bar;
    bar->Appearance()->Assign(component->ProgressBar());
    bar->OnPositionChanged = [component](TObject *, double value) {
        if (component->OnProgressPositionChanged)
            component->OnProgressPositionChanged(component, value);
    };
    bar->OnChange = [component](TObject *) {
        if (component->OnProgressChange)
            component->OnProgressChange(component);
    };

    const bool fade = component->DisplayStyle() == TDisplayStyle::dsFadeInOut;
    if (fade && layered) {
        w->FOpacity = 5;
    } else if (fade) {
        w->SetAlphaBlend(true);
        w->SetAlphaBlendValue(5);
    } else {
        w->FOpacity = 255;
    }

    component->FShowing = true;
    component->FSplashWindow = w;
    try {
        w->Show();
        w->SetWindowShape();
        if (layered) {
            w->EnterLayeredMode();
            w->Render();
        } else {
            w->Repaint();
        }
    } catch (...) {
        // A picture that cannot be drawn leaves no half-made window behind.
        component->FShowing = false;
        component->FSplashWindow = nullptr;
        delete w;
        throw;
    }

    if (!layered) {
        if (fade)
            w->FadeIn(5, 5, component->MaxOpacity());
        w->SetAlphaBlendValue(component->MaxOpacity());
    } else if (fade) {
        w->FadeIn(20, 5, 255);
    }

    TTimer *timer = component->CloseTimer();
    timer->SetEnabled(false);
    timer->SetInterval(static_cast<unsigned>(component->TimeOut()));
    timer->SetEnabled(component->CloseOnTimeout());
    return w;
}
