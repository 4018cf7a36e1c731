// Pixel rules of the canvas on small bitmaps.

#include <functional>
#include <string>
#include <vector>

#include "platform/ui/Bitmap.h"
#include "platform/ui/Canvas.h"
#include "platform/ui/CanvasGdi.h"
#include "platform/ui/ImageList.h"
#include "platform/ui/Picture.h"
#include "platform/ui/PictureEncoded.h"
#include "platform/runtime/Streams.h"
#include "tests/platform/ui/ControlsTestApp.h"

namespace {

// A white bitmap of the given size and its canvas.
struct Board {
    TBitmap bmp;
    TCanvas *c;
    Board(int w, int h, TColor fill = clWhite) : bmp(w, h), c(bmp.Canvas())
    {
        c->Brush()->SetColor(fill);
        c->FillRect(Rect(0, 0, w, h));
    }
    // Read from the pixels themselves: Pixels() answers clNone outside the clip.
    TColor At(int x, int y) { return PixelToColor(bmp.Image().pixel(x, y)); }
    // The pixels of one row as '#' (not white) and '.' (white).
    std::string Row(int y)
    {
        std::string s;
        for (int x = 0; x < bmp.Width(); ++x)
            s += At(x, y) == clWhite ? '.' : '#';
        return s;
    }
};

TEST(CanvasLines, LineToLeavesOutItsEndPoint)
{
    struct Case {
        TPoint from, to;
        std::vector<TPoint> drawn, notDrawn;
    };
    const Case cases[] = {
        {{1, 1}, {5, 1}, {{1, 1}, {4, 1}}, {{5, 1}, {0, 1}}},
        {{5, 1}, {1, 1}, {{5, 1}, {2, 1}}, {{1, 1}}},
        {{2, 0}, {2, 4}, {{2, 0}, {2, 3}}, {{2, 4}}},
        {{0, 0}, {4, 4}, {{0, 0}, {3, 3}}, {{4, 4}}},
        {{3, 3}, {3, 3}, {}, {{3, 3}}},
    };
    for (const Case &k : cases) {
        Board b(8, 6);
        b.c->MoveTo(k.from.X, k.from.Y);
        b.c->LineTo(k.to.X, k.to.Y);
        for (TPoint p : k.drawn)
            EXPECT_EQ(b.At(p.X, p.Y), clBlack) << p.X << "," << p.Y;
        for (TPoint p : k.notDrawn)
            EXPECT_EQ(b.At(p.X, p.Y), clWhite) << p.X << "," << p.Y;
        EXPECT_EQ(b.c->PenPos(), k.to);
    }
}

TEST(CanvasLines, XorPenTwiceRestoresAndPolylineVerticesAreDrawnOnce)
{
    Board b(10, 10, RGB(10, 200, 30));
    b.c->Pen()->SetMode(pmXor);
    b.c->Pen()->SetColor(clWhite);
    const std::vector<TPoint> pts = {{1, 1}, {8, 1}, {8, 8}, {1, 8}};
    b.c->Polyline(pts);
    // Each vertex inverted once (not twice, which would restore it); the last point is left out.
    EXPECT_EQ(b.At(8, 1), RGB(245, 55, 225));
    EXPECT_EQ(b.At(8, 8), RGB(245, 55, 225));
    EXPECT_EQ(b.At(1, 8), RGB(10, 200, 30));
    b.c->Polyline(pts);
    for (int y = 0; y < 10; ++y)
        for (int x = 0; x < 10; ++x)
            ASSERT_EQ(b.At(x, y), RGB(10, 200, 30)) << x << "," << y;
}

TEST(CanvasLines, DottedPenFillsItsGapsOnlyWithAnOpaqueBackground)
{
    Board b(12, 2);
    b.c->Pen()->SetStyle(psDot);
    b.c->Brush()->SetColor(clRed);  // solid brush: opaque background in the brush colour
    b.c->MoveTo(0, 0);
    b.c->LineTo(12, 0);
    EXPECT_EQ(b.At(0, 0), clBlack);
    EXPECT_EQ(b.At(2, 0), clBlack);
    EXPECT_EQ(b.At(3, 0), clRed);
    b.c->Brush()->SetStyle(bsClear);
    b.c->MoveTo(0, 1);
    b.c->LineTo(12, 1);
    EXPECT_EQ(b.At(3, 1), clWhite);
    EXPECT_EQ(b.At(6, 1), clBlack);
}

TEST(CanvasRects, FillRectAndFrameRectLeaveOutRightAndBottomEdge)
{
    Board b(8, 7);
    b.c->Brush()->SetColor(clBlack);
    b.c->FillRect(Rect(1, 1, 4, 3));
    EXPECT_EQ(b.Row(0), "........");
    EXPECT_EQ(b.Row(1), ".###....");
    EXPECT_EQ(b.Row(2), ".###....");
    EXPECT_EQ(b.Row(3), "........");

    Board f(8, 7);
    f.c->Brush()->SetColor(clBlack);
    f.c->FrameRect(Rect(1, 1, 6, 5));
    EXPECT_EQ(f.Row(1), ".#####..");
    EXPECT_EQ(f.Row(2), ".#...#..");
    EXPECT_EQ(f.Row(3), ".#...#..");
    EXPECT_EQ(f.Row(4), ".#####..");
    EXPECT_EQ(f.Row(5), "........");
}

TEST(CanvasRects, RectangleOutlineAndTheInteriorWithoutPen)
{
    Board b(8, 6);
    b.c->Brush()->SetColor(clRed);
    b.c->Rectangle(1, 1, 6, 5);
    EXPECT_EQ(b.At(1, 1), clBlack);
    EXPECT_EQ(b.At(5, 4), clBlack);
    EXPECT_EQ(b.At(3, 2), clRed);
    EXPECT_EQ(b.At(6, 2), clWhite);

    Board n(8, 6);
    n.c->Pen()->SetStyle(psClear);
    n.c->Brush()->SetColor(clRed);
    n.c->Rectangle(1, 1, 6, 5);
    // Without a pen the filled area is one pixel narrower and lower.
    EXPECT_EQ(n.At(1, 1), clRed);
    EXPECT_EQ(n.At(4, 3), clRed);
    EXPECT_EQ(n.At(5, 3), clWhite);
    EXPECT_EQ(n.At(4, 4), clWhite);
}

TEST(CanvasRects, DrawFocusRectTwiceRestoresThePixels)
{
    Board b(9, 7);
    for (int y = 0; y < 7; ++y)
        for (int x = 0; x < 9; ++x)
            b.c->Pixels(x, y) = RGB(x * 20, y * 30, 77);
    b.c->DrawFocusRect(Rect(1, 1, 8, 6));
    int changed = 0;
    for (int y = 0; y < 7; ++y)
        for (int x = 0; x < 9; ++x)
            if (b.At(x, y) != RGB(x * 20, y * 30, 77)) {
                ++changed;
                const bool onFrame = (x == 1 || x == 7 || y == 1 || y == 5) && x >= 1 && x <= 7 && y >= 1 && y <= 5;
                EXPECT_TRUE(onFrame) << x << "," << y;
                EXPECT_EQ(b.At(x, y), RGB(255 - x * 20, 255 - y * 30, 255 - 77));
            }
    EXPECT_EQ(changed, 10);  // every other pixel of the 20-pixel frame
    b.c->DrawFocusRect(Rect(1, 1, 8, 6));
    for (int y = 0; y < 7; ++y)
        for (int x = 0; x < 9; ++x)
            ASSERT_EQ(b.At(x, y), RGB(x * 20, y * 30, 77));
}

TEST(CanvasCopy, EachCopyModeFollowsItsTruthTable)
{
    struct Mode {
        const char *name;
        DWORD rop;
        std::function<unsigned(unsigned p, unsigned s, unsigned d)> f;
    };
    const Mode modes[] = {
        {"SRCCOPY", SRCCOPY, [](unsigned, unsigned s, unsigned) { return s; }},
        {"SRCAND", SRCAND, [](unsigned, unsigned s, unsigned d) { return s & d; }},
        {"SRCPAINT", SRCPAINT, [](unsigned, unsigned s, unsigned d) { return s | d; }},
        {"SRCINVERT", SRCINVERT, [](unsigned, unsigned s, unsigned d) { return s ^ d; }},
        {"MERGEPAINT", MERGEPAINT, [](unsigned, unsigned s, unsigned d) { return ~s | d; }},
        {"NOTSRCCOPY", NOTSRCCOPY, [](unsigned, unsigned s, unsigned) { return ~s; }},
        {"DSPDxax", ROP_DSPDxax, [](unsigned p, unsigned s, unsigned d) { return (s & p) | (~s & d); }},
    };
    const TColor sources[] = {RGB(0x12, 0x34, 0x56), RGB(0xF0, 0x0F, 0xAA), clBlack, clWhite};
    const TColor dests[] = {RGB(0x9C, 0x63, 0x3C), RGB(0x0F, 0xF0, 0x55), clWhite, clBlack};
    const TColor pattern = RGB(0x81, 0x42, 0x24);
    for (const Mode &m : modes) {
        Board src(4, 1), dst(4, 1);
        for (int i = 0; i < 4; ++i) {
            src.c->Pixels(i, 0) = sources[i];
            dst.c->Pixels(i, 0) = dests[i];
        }
        dst.c->Brush()->SetColor(pattern);
        dst.c->SetCopyMode(m.rop);
        dst.c->CopyRect(Rect(0, 0, 4, 1), src.c, Rect(0, 0, 4, 1));
        for (int i = 0; i < 4; ++i) {
            const unsigned expected = m.f(static_cast<unsigned>(pattern), static_cast<unsigned>(sources[i]),
                                          static_cast<unsigned>(dests[i])) &
                                      0xFFFFFFu;
            EXPECT_EQ(static_cast<unsigned>(dst.At(i, 0)), expected) << m.name << " pixel " << i;
        }
    }
}

TEST(CanvasCopy, StretchedCopyPicksNearestPixels)
{
    Board src(2, 1), dst(4, 2);
    src.c->Pixels(0, 0) = clRed;
    src.c->Pixels(1, 0) = clBlue;
    dst.c->CopyRect(Rect(0, 0, 4, 2), src.c, Rect(0, 0, 2, 1));
    EXPECT_EQ(dst.At(0, 1), clRed);
    EXPECT_EQ(dst.At(1, 0), clRed);
    EXPECT_EQ(dst.At(2, 1), clBlue);
    EXPECT_EQ(dst.At(3, 0), clBlue);
}

TEST(CanvasCopy, PlainCopyLeavesPixelsWithoutSourceAndCopiesWithinOneBitmapFromBefore)
{
    // Source columns 1 and 2 exist, 3 and 4 lie beyond the source's right edge; the destination
    // clip cuts the last column off.
    Board src(3, 2), dst(6, 3, clGray);
    src.c->Pixels(1, 0) = clRed;
    src.c->Pixels(2, 0) = clBlue;
    src.c->Pixels(1, 1) = clLime;
    dst.c->IntersectClipRect(Rect(0, 0, 4, 3));
    dst.c->CopyRect(Rect(1, 1, 5, 3), src.c, Rect(1, 0, 5, 2));
    const std::vector<std::vector<TColor>> expected = {
        {clGray, clGray, clGray, clGray, clGray, clGray},
        {clGray, clRed, clBlue, clGray, clGray, clGray},
        {clGray, clLime, clWhite, clGray, clGray, clGray},
    };
    for (int y = 0; y < 3; ++y)
        for (int x = 0; x < 6; ++x)
            EXPECT_EQ(dst.At(x, y), expected[y][x]) << "pixel " << x << ", " << y;

    // Shifting a row by one within its own bitmap reads every pixel as it was before the copy.
    Board row(4, 1);
    const TColor colours[] = {clRed, clLime, clBlue, clYellow};
    for (int x = 0; x < 4; ++x)
        row.c->Pixels(x, 0) = colours[x];
    row.c->CopyRect(Rect(1, 0, 4, 1), row.c, Rect(0, 0, 3, 1));
    EXPECT_EQ(row.At(0, 0), clRed);
    EXPECT_EQ(row.At(1, 0), clRed);
    EXPECT_EQ(row.At(2, 0), clLime);
    EXPECT_EQ(row.At(3, 0), clBlue);
}

TEST(CanvasMono, ConversionUsesTheBackgroundAndTextColours)
{
    TBitmap b(3, 1);
    b.Canvas()->Pixels(0, 0) = clLime;
    b.Canvas()->Pixels(1, 0) = clRed;
    b.Canvas()->Pixels(2, 0) = clWhite;
    b.Canvas()->Brush()->SetColor(clLime);
    b.SetMonochrome(true);
    EXPECT_TRUE(b.Monochrome());
    EXPECT_EQ(b.PixelFormat(), pf1bit);
    EXPECT_EQ(b.Canvas()->Pixels(0, 0), clWhite);  // the background colour
    EXPECT_EQ(b.Canvas()->Pixels(1, 0), clBlack);
    EXPECT_EQ(b.Canvas()->Pixels(2, 0), clBlack);  // white is not the background here

    // Back to colour: black takes the font colour, white the brush colour.
    b.Canvas()->Font()->SetColor(clNavy);
    b.Canvas()->Brush()->SetColor(clYellow);
    b.SetMonochrome(false);
    EXPECT_EQ(b.Canvas()->Pixels(0, 0), clYellow);
    EXPECT_EQ(b.Canvas()->Pixels(1, 0), clNavy);
}

TEST(CanvasMono, MonochromeSourceDrawsInTheTargetsTextAndBackgroundColours)
{
    TBitmap mono(2, 1);
    mono.Canvas()->Pixels(0, 0) = clBlack;
    mono.SetMonochrome(true);  // (0,0) black, (1,0) white
    Board dst(2, 1);
    dst.c->Font()->SetColor(clRed);
    dst.c->Brush()->SetColor(clBlue);
    dst.c->Draw(0, 0, &mono);
    EXPECT_EQ(dst.At(0, 0), clRed);
    EXPECT_EQ(dst.At(1, 0), clBlue);
    // Drawing a colour on a monochrome bitmap picks black or white.
    mono.Canvas()->Pixels(1, 0) = RGB(30, 30, 30);
    EXPECT_EQ(mono.Canvas()->Pixels(1, 0), clBlack);
}

TEST(CanvasClip, ExcludedAndIntersectedAreasStayUntouched)
{
    Board b(6, 4);
    b.c->ExcludeClipRect(Rect(1, 1, 3, 3));
    b.c->Brush()->SetColor(clBlack);
    b.c->FillRect(Rect(0, 0, 6, 4));
    EXPECT_EQ(b.Row(0), "######");
    EXPECT_EQ(b.Row(1), "#..###");
    EXPECT_EQ(b.Row(2), "#..###");
    EXPECT_EQ(b.c->ClipRect(), Rect(0, 0, 6, 4));

    Board s(6, 2);
    const int level = s.c->SaveDC();
    s.c->IntersectClipRect(Rect(2, 0, 4, 2));
    EXPECT_EQ(s.c->ClipRect(), Rect(2, 0, 4, 2));
    s.c->Brush()->SetColor(clBlack);
    s.c->FillRect(Rect(0, 0, 6, 1));
    EXPECT_TRUE(s.c->RestoreDC(level));
    EXPECT_EQ(s.c->Brush()->Color(), clWhite);  // the saved brush is back
    s.c->Brush()->SetColor(clBlack);
    s.c->FillRect(Rect(0, 1, 6, 2));
    EXPECT_EQ(s.Row(0), "..##..");
    EXPECT_EQ(s.Row(1), "######");
    EXPECT_FALSE(s.c->RestoreDC(-1));
}

TEST(CanvasClip, ViewportOriginMovesDrawingButNotTheClipRegion)
{
    Board b(8, 4);
    b.c->IntersectClipRect(Rect(0, 0, 5, 4));
    b.c->SetViewportOrg(Point(3, 1));
    b.c->Brush()->SetColor(clBlack);
    b.c->FillRect(Rect(0, 0, 4, 2));
    EXPECT_EQ(b.Row(0), "........");
    EXPECT_EQ(b.Row(1), "...##...");
    EXPECT_EQ(b.Row(2), "...##...");
    EXPECT_EQ(b.c->ClipRect(), Rect(-3, -1, 2, 3));
}

TEST(CanvasText, BaselineAlignmentLiftsTheTextByItsAscent)
{
    auto bottomRow = [](UINT align) {
        Board b(40, 40);
        b.c->Font()->SetHeight(-16);
        b.c->Brush()->SetStyle(bsClear);
        b.c->SetTextAlign(align);
        b.c->TextOut(5, 20, QStringLiteral("H"));
        int bottom = -1;
        for (int y = 0; y < 40; ++y)
            for (int x = 0; x < 40; ++x)
                if (b.At(x, y) != clWhite)
                    bottom = y;
        return std::make_pair(bottom, b.c->TextMetrics().tmAscent);
    };
    const auto [top, ascent] = bottomRow(TA_TOP);
    const auto [baseline, ascent2] = bottomRow(TA_BASELINE);
    ASSERT_GT(top, 20);
    EXPECT_EQ(ascent, ascent2);
    // The capital's foot rests on the baseline: one row above it.
    EXPECT_EQ(baseline, 19);
    EXPECT_EQ(top - baseline, ascent);
}

TEST(CanvasText, SolidBrushPaintsBehindTextAndClearBrushDoesNot)
{
    Board b(60, 20);
    b.c->Brush()->SetColor(clYellow);
    b.c->TextOut(0, 0, QStringLiteral("i"));
    EXPECT_EQ(b.At(0, b.c->TextHeight(QStringLiteral("i")) - 1), clYellow);
    EXPECT_EQ(b.c->PenPos(), Point(b.c->TextWidth(QStringLiteral("i")), 0));
    // A colour on a clear brush makes it solid again; bsClear resets the colour to white.
    b.c->Brush()->SetStyle(bsClear);
    EXPECT_EQ(b.c->Brush()->Color(), clWhite);
    b.c->Brush()->SetColor(clRed);
    EXPECT_EQ(b.c->Brush()->Style(), bsSolid);
}

TEST(CanvasText, DrawTextMeasuresAlignsAndBreaks)
{
    Board b(200, 100);
    const QString word = QStringLiteral("Volume");
    TRect r(10, 10, 10, 10);
    const int h = b.c->DrawText(word, r, DT_CALCRECT | DT_SINGLELINE);
    EXPECT_EQ(r.Width(), b.c->TextWidth(word));
    EXPECT_EQ(r.Height(), b.c->TextHeight(word));
    EXPECT_EQ(h, r.Height());

    // Prefix characters: "&&" shows one ampersand, "&x" only x.
    TRect p(0, 0, 0, 0);
    b.c->DrawText(QStringLiteral("A&&B"), p, DT_CALCRECT | DT_SINGLELINE);
    EXPECT_EQ(p.Width(), b.c->TextWidth(QStringLiteral("A&B")));
    b.c->DrawText(QStringLiteral("A&&B"), p, DT_CALCRECT | DT_SINGLELINE | DT_NOPREFIX);
    EXPECT_EQ(p.Width(), b.c->TextWidth(QStringLiteral("A&&B")));

    // Word break: three words that fit only one per line.
    const int lineHeight = b.c->TextHeight(word);
    TRect w(0, 0, b.c->TextWidth(word) + 2, 0);
    EXPECT_EQ(b.c->DrawText(QStringLiteral("Volume Volume Volume"), w, DT_CALCRECT | DT_WORDBREAK), 3 * lineHeight);

    // Vertical centring of a single line answers the offset of the text's bottom.
    TRect box(0, 0, 100, 40);
    const int offset = b.c->DrawText(word, box, DT_SINGLELINE | DT_VCENTER | DT_CENTER);
    EXPECT_EQ(offset, (40 - lineHeight) / 2 + lineHeight);

    // End ellipsis keeps the text inside the rectangle.
    TRect narrow(0, 0, b.c->TextWidth(word) - 4, 20);
    TRect calc = narrow;
    b.c->DrawText(word, calc, DT_CALCRECT | DT_SINGLELINE | DT_END_ELLIPSIS);
    EXPECT_LE(calc.Width(), narrow.Width());
}

TEST(CanvasText, DrawTextClipsToItsRectangleUnlessNoClip)
{
    Board b(60, 30);
    b.c->Brush()->SetStyle(bsClear);
    TRect r(0, 0, 3, 30);
    b.c->DrawText(QStringLiteral("WWWW"), r, DT_SINGLELINE);
    for (int y = 0; y < 30; ++y)
        for (int x = 3; x < 60; ++x)
            ASSERT_EQ(b.At(x, y), clWhite);
    b.c->DrawText(QStringLiteral("WWWW"), r, DT_SINGLELINE | DT_NOCLIP);
    bool beyond = false;
    for (int y = 0; y < 30; ++y)
        for (int x = 3; x < 60; ++x)
            beyond = beyond || b.At(x, y) != clWhite;
    EXPECT_TRUE(beyond);
}

TEST(CanvasBrush, HatchWithTransparentBackgroundLeavesTheGaps)
{
    Board b(8, 8, clGreen);
    b.c->Brush()->SetColor(clRed);
    b.c->Brush()->SetStyle(bsHorizontal);
    b.c->FillRect(Rect(0, 0, 8, 8));
    int red = 0, green = 0;
    for (int y = 0; y < 8; ++y)
        for (int x = 0; x < 8; ++x)
            (b.At(x, y) == clRed ? red : green) += 1;
    EXPECT_EQ(red, 8);
    EXPECT_EQ(green, 56);
}

TEST(CanvasShapes, EllipseStaysInsideItsBoxAndGradientRunsEdgeToEdge)
{
    Board b(12, 12);
    b.c->Brush()->SetColor(clRed);
    b.c->Ellipse(1, 1, 11, 11);
    EXPECT_EQ(b.At(6, 6), clRed);
    EXPECT_EQ(b.At(1, 6), clBlack);
    EXPECT_EQ(b.At(11, 6), clWhite);
    EXPECT_EQ(b.At(1, 1), clWhite);

    Board g(3, 5);
    g.c->GradientFill(Rect(0, 0, 3, 5), clBlack, RGB(200, 100, 40), TGradientFillDirection::Vertical);
    EXPECT_EQ(g.At(1, 0), clBlack);
    EXPECT_EQ(g.At(1, 2), RGB(100, 50, 20));
    EXPECT_EQ(g.At(2, 4), RGB(200, 100, 40));
}

// Every box-bound shape keeps inside its box (right and bottom edge left out), takes its corners in
// either order, and draws nothing for an empty box.
TEST(CanvasShapes, BoxShapesStayInsideTheirBoxInEitherCornerOrder)
{
    using Shape = std::function<void(TCanvas *, int, int, int, int)>;
    const std::pair<const char *, Shape> shapes[] = {
        {"Ellipse", [](TCanvas *c, int a, int b, int x, int y) { c->Ellipse(a, b, x, y); }},
        {"RoundRect", [](TCanvas *c, int a, int b, int x, int y) { c->RoundRect(a, b, x, y, 4, 4); }},
        {"Arc", [](TCanvas *c, int a, int b, int x, int y) { c->Arc(a, b, x, y, 14, 6, 0, 6); }},
        {"Pie", [](TCanvas *c, int a, int b, int x, int y) { c->Pie(a, b, x, y, 14, 6, 0, 6); }},
        {"Chord", [](TCanvas *c, int a, int b, int x, int y) { c->Chord(a, b, x, y, 14, 6, 0, 6); }},
    };
    auto picture = [](const Shape &draw, int x1, int y1, int x2, int y2) {
        Board b(16, 14);
        b.c->Brush()->SetColor(clRed);
        draw(b.c, x1, y1, x2, y2);
        std::vector<std::string> rows;
        for (int y = 0; y < 14; ++y)
            rows.push_back(b.Row(y));
        return rows;
    };
    for (const auto &[name, draw] : shapes) {
        const auto ordered = picture(draw, 2, 2, 12, 10);
        int painted = 0;
        for (int y = 0; y < 14; ++y)
            for (int x = 0; x < 16; ++x) {
                const bool inside = x >= 2 && x < 12 && y >= 2 && y < 10;
                if (ordered[y][x] == '#') {
                    ++painted;
                    EXPECT_TRUE(inside) << name << " at " << x << "," << y;
                }
            }
        EXPECT_GT(painted, 0) << name;
        EXPECT_EQ(picture(draw, 12, 10, 2, 2), ordered) << name;
        const auto empty = picture(draw, 5, 2, 5, 10);
        EXPECT_EQ(empty, picture([](TCanvas *, int, int, int, int) {}, 0, 0, 0, 0)) << name;
    }
}

TEST(CanvasShapes, DrawEdgeRaisedAndAdjust)
{
    Board b(6, 6);
    TRect r(0, 0, 6, 6);
    b.c->DrawEdge(r, EDGE_RAISED, BF_RECT | BF_ADJUST);
    EXPECT_EQ(r, Rect(2, 2, 4, 4));
    EXPECT_EQ(b.At(0, 0), ColorToRGB(cl3DLight));
    EXPECT_EQ(b.At(5, 0), ColorToRGB(cl3DDkShadow));
    EXPECT_EQ(b.At(1, 1), ColorToRGB(clBtnHighlight));
    EXPECT_EQ(b.At(4, 4), ColorToRGB(clBtnShadow));
    EXPECT_EQ(b.At(2, 2), clWhite);
}

TEST(BitmapDraw, TransparentBitmapLeavesOutItsBottomLeftColour)
{
    TBitmap pic(2, 2);
    pic.Canvas()->Pixels(0, 0) = clRed;
    pic.Canvas()->Pixels(1, 0) = clTeal;
    pic.Canvas()->Pixels(0, 1) = clTeal;  // bottom-left: the automatic transparent colour
    pic.Canvas()->Pixels(1, 1) = clBlue;
    pic.SetTransparent(true);
    EXPECT_EQ(pic.TransparentColor(), clTeal);
    Board b(2, 2, clLime);
    b.c->Draw(0, 0, &pic);
    EXPECT_EQ(b.At(0, 0), clRed);
    EXPECT_EQ(b.At(1, 0), clLime);
    EXPECT_EQ(b.At(0, 1), clLime);
    EXPECT_EQ(b.At(1, 1), clBlue);
}

TEST(BitmapFile, RoundTripsInEveryPixelFormat)
{
    for (TPixelFormat pf : {pf1bit, pf4bit, pf8bit, pf24bit, pf32bit}) {
        TBitmap b(5, 3);
        for (int x = 0; x < 5; ++x)
            b.Canvas()->Pixels(x, x % 3) = x % 2 ? clBlack : clRed;
        b.SetPixelFormat(pf);
        TMemoryStream s;
        b.SaveToStream(&s);
        s.SetPosition(0);
        TBitmap back;
        back.LoadFromStream(&s);
        ASSERT_EQ(back.Width(), 5);
        ASSERT_EQ(back.Height(), 3);
        EXPECT_EQ(back.PixelFormat(), pf);
        for (int y = 0; y < 3; ++y)
            for (int x = 0; x < 5; ++x)
                EXPECT_EQ(back.Canvas()->Pixels(x, y), b.Canvas()->Pixels(x, y)) << int(pf) << " " << x << "," << y;
    }
}

QByteArray Le32(std::uint32_t v)
{
    QByteArray b;
    for (int i = 0; i < 4; ++i)
        b.append(static_cast<char>((v >> (8 * i)) & 0xFF));
    return b;
}

TEST(BitmapFile, RunLengthEncodedFileDecodes)
{
    // A 4 x 2 8-bit RLE bitmap: bottom row 4 x index 1, top row index 0, 1, 0, 1 (absolute run).
    QByteArray palette = QByteArray::fromHex("0000FF00" "00FF0000");  // 0 red, 1 green
    QByteArray pixels = QByteArray::fromHex("0401" "0000" "000400010001" "0001");
    QByteArray header = QByteArray::fromHex("424D") + Le32(14 + 40 + 8 + pixels.size()) + Le32(0) +
                        Le32(14 + 40 + 8) + Le32(40) + Le32(4) + Le32(2) + QByteArray::fromHex("01000800") +
                        Le32(1) + Le32(pixels.size()) + Le32(0) + Le32(0) + Le32(2) + Le32(0);
    TBitmap b;
    b.LoadFromBytes(header + palette + pixels);
    ASSERT_EQ(b.Width(), 4);
    EXPECT_EQ(b.Canvas()->Pixels(0, 1), clLime);
    EXPECT_EQ(b.Canvas()->Pixels(3, 1), clLime);
    EXPECT_EQ(b.Canvas()->Pixels(0, 0), clRed);
    EXPECT_EQ(b.Canvas()->Pixels(1, 0), clLime);
}

TEST(BitmapFile, DamagedFilesAreRejectedAndLeaveTheBitmapAsItWas)
{
    TBitmap good(3, 2);
    const QByteArray file = good.SaveToBytes();
    std::vector<QByteArray> bad = {
        QByteArray(),
        file.left(20),                 // header cut short
        file.left(file.size() - 4),    // pixel rows cut short
        QByteArray("XX") + file.mid(2),
    };
    QByteArray huge = file;
    huge.replace(18, 4, Le32(100000));  // width beyond any sane size
    bad.push_back(huge);
    QByteArray bits = file;
    bits.replace(28, 2, QByteArray::fromHex("0700"));  // 7 bits per pixel
    bad.push_back(bits);
    for (const QByteArray &data : bad) {
        TBitmap b(1, 1);
        b.Canvas()->Pixels(0, 0) = clRed;
        EXPECT_THROW(b.LoadFromBytes(data), EInvalidGraphic);
        EXPECT_EQ(b.Width(), 1);
        EXPECT_EQ(b.Canvas()->Pixels(0, 0), clRed);
    }
}

// Many controls load the same picture; what one of them draws on its copy never reaches the
// others, nor a bitmap that loads the same file afterwards.
TEST(BitmapFile, BitmapsLoadedFromTheSameFileKeepTheirOwnPixels)
{
    TBitmap source(3, 2);
    source.Canvas()->Pixels(1, 1) = clBlue;
    const QByteArray file = source.SaveToBytes();
    TBitmap first, second;
    first.LoadFromBytes(file);
    second.LoadFromBytes(QByteArray(file.constData(), file.size()));  // the same bytes, another array
    first.Canvas()->Pixels(1, 1) = clRed;
    first.Canvas()->Pixels(0, 0) = clLime;
    TBitmap third;
    third.LoadFromBytes(file);
    for (TBitmap *b : {&second, &third}) {
        EXPECT_EQ(b->Canvas()->Pixels(1, 1), clBlue);
        EXPECT_EQ(b->Canvas()->Pixels(0, 0), source.Canvas()->Pixels(0, 0));
    }
    EXPECT_EQ(first.Canvas()->Pixels(1, 1), clRed);
}

TEST(BitmapFile, AnyDamagedHeaderByteIsRejectedOrReadSafely)
{
    TBitmap source(5, 3);
    source.SetPixelFormat(pf8bit);
    const QByteArray file = source.SaveToBytes();
    int rejected = 0;
    for (int pos = 0; pos < 70 && pos < file.size(); ++pos)
        for (char value : {'\x00', '\x01', '\x7F', '\x80', '\xFF'}) {
            QByteArray damaged = file;
            damaged[pos] = value;
            TBitmap b;
            try {
                b.LoadFromBytes(damaged);
                EXPECT_LE(b.Width() * b.Height(), 1 << 28);
            } catch (const EInvalidGraphic &) {
                ++rejected;
            }
        }
    EXPECT_GT(rejected, 0);
}

TEST(BitmapFile, FormDataCarriesTheSizeBeforeTheFile)
{
    TBitmap b(2, 2);
    b.Canvas()->Pixels(1, 1) = clBlue;
    TMemoryStream s;
    b.WriteData(&s);
    EXPECT_EQ(s.Size(), 4 + b.SaveToBytes().size());
    s.SetPosition(0);
    TBitmap back;
    back.ReadData(&s);
    EXPECT_EQ(back.Canvas()->Pixels(1, 1), clBlue);
}

TEST(Fonts, OriginalNamesMapOntoInstalledFamilies)
{
    EXPECT_EQ(MapFontFamily(QStringLiteral("Arial")), QStringLiteral("Liberation Sans"));
    EXPECT_EQ(MapFontFamily(QStringLiteral("tahoma")), QStringLiteral("Liberation Sans"));
    EXPECT_EQ(MapFontFamily(QStringLiteral("Times New Roman")), QStringLiteral("Liberation Serif"));
    EXPECT_EQ(MapFontFamily(QStringLiteral("Courier New")), QStringLiteral("Liberation Mono"));
    EXPECT_EQ(MapFontFamily(QString::fromUtf8("宋体")), QStringLiteral("WenQuanYi Micro Hei"));
    EXPECT_EQ(MapFontFamily(QStringLiteral("Nonexistent Face")), QStringLiteral("Liberation Sans"));
    TFont f;
    f.SetSize(8);
    EXPECT_EQ(f.Height(), -11);
    EXPECT_EQ(f.Size(), 8);
    const TTextMetric m = f.Metrics();
    EXPECT_TRUE(m.tmPitchAndFamily & TMPF_TRUETYPE);
    EXPECT_EQ(m.tmHeight, m.tmAscent + m.tmDescent);
    EXPECT_GE(m.tmHeight, 11);
    EXPECT_EQ(GetDeviceCaps(nullptr, LOGPIXELSX), 96);
}

TEST(Regions, CombineAndClipToAnEllipse)
{
    const TRegion a(Rect(0, 0, 4, 4)), b(Rect(2, 2, 6, 6));
    EXPECT_TRUE((a & b).Contains(Point(3, 3)));
    EXPECT_FALSE((a & b).Contains(Point(1, 1)));
    EXPECT_TRUE(TRegion::Combine(a, b, TRegionCombine::Xor).Contains(Point(1, 1)));
    EXPECT_FALSE(TRegion::Combine(a, b, TRegionCombine::Xor).Contains(Point(3, 3)));
    EXPECT_EQ((a | b).BoundingBox(), Rect(0, 0, 6, 6));
    EXPECT_FALSE((a - b).Contains(Point(2, 2)));

    Board c(10, 10);
    const TRegion ellipse = TRegion::Ellipse(Rect(0, 0, 10, 10));
    c.c->SelectClipRegion(&ellipse);
    c.c->Brush()->SetColor(clBlack);
    c.c->FillRect(Rect(0, 0, 10, 10));
    EXPECT_EQ(c.At(5, 5), clBlack);
    EXPECT_EQ(c.At(0, 0), clWhite);
    EXPECT_EQ(c.At(9, 9), clWhite);
    EXPECT_EQ(c.c->Pixels(0, 0), clNone);  // outside the clip nothing can be read
}

TEST(Pictures, PngJpegAndBitmapKeepTheirKindThroughStreams)
{
    TBitmap src(4, 3);
    src.Canvas()->Pixels(1, 1) = clRed;
    TPngImage png;
    png.Assign(&src);
    ASSERT_FALSE(png.Bytes().isEmpty());
    TMemoryStream s;
    png.SaveToStream(&s);
    s.SetPosition(0);
    TPicture pic;
    pic.LoadFromStream(&s);  // found by its signature
    ASSERT_NE(dynamic_cast<TPngImage *>(pic.Graphic()), nullptr);
    EXPECT_EQ(pic.Width(), 4);
    Board b(4, 3);
    b.c->Draw(0, 0, pic.Graphic());
    EXPECT_EQ(b.At(1, 1), clRed);

    // Form data: the class name, then the graphic's own data.
    TMemoryStream data;
    pic.WriteData(&data);
    EXPECT_EQ(data.Bytes().mid(1, 9), QByteArray("TPngImage"));
    data.SetPosition(0);
    TPicture back;
    back.ReadData(&data);
    EXPECT_EQ(back.Graphic()->ClassName(), QStringLiteral("TPngImage"));

    TJPEGImage jpeg;
    jpeg.Assign(&src);
    TMemoryStream j;
    jpeg.WriteData(&j);
    j.SetPosition(0);
    TJPEGImage jback;
    jback.ReadData(&j);
    EXPECT_EQ(jback.Width(), 4);

    EXPECT_THROW(pic.LoadFromFile(QStringLiteral("/nonexistent/picture.xyz")), EInvalidGraphic);
    TMemoryStream junk(QByteArray("not a picture"));
    EXPECT_THROW(png.LoadFromStream(&junk), EInvalidGraphic);
    EXPECT_EQ(png.Width(), 4);  // unchanged by the failed load
    // Asking a picture for its bitmap replaces any other kind of graphic.
    EXPECT_EQ(pic.Bitmap()->Width(), 0);
}

TEST(ImageLists, MaskedImagesAndTheDisabledLook)
{
    TImageList list(nullptr);
    list.SetWidth(3);
    list.SetHeight(2);
    TBitmap strip(6, 2);  // two images side by side; fuchsia is the mask colour
    for (int y = 0; y < 2; ++y)
        for (int x = 0; x < 6; ++x)
            strip.Canvas()->Pixels(x, y) = clFuchsia;
    strip.Canvas()->Pixels(0, 0) = clNavy;
    strip.Canvas()->Pixels(4, 1) = clWhite;
    EXPECT_EQ(list.AddMasked(&strip, clFuchsia), 0);
    EXPECT_EQ(list.Count(), 2);

    Board b(8, 4, clGreen);
    list.Draw(b.c, 0, 0, 0);
    EXPECT_EQ(b.At(0, 0), clNavy);
    EXPECT_EQ(b.At(1, 0), clGreen);  // masked pixel keeps the background
    list.Draw(b.c, 4, 0, 0, false);
    EXPECT_EQ(b.At(4, 0), ColorToRGB(clBtnShadow));
    EXPECT_EQ(b.At(5, 1), ColorToRGB(clBtnHighlight));
    EXPECT_EQ(b.At(6, 0), clGreen);
    list.Draw(b.c, 4, 2, 1, false);  // white pixels leave no ink
    EXPECT_EQ(b.At(5, 3), clGreen);
    list.Draw(b.c, 0, 0, 7);  // a bad index draws nothing
}

}  // namespace

// Shapes drawn with a wide pen look the same wherever they stand, and no two different shapes
// look alike: the marker-sized shapes a plot draws over and over are drawn from kept masks.
TEST(CanvasShapes, WidePenShapesLookTheSameWhereverTheyStandAndEachItsOwnWay)
{
    struct Shape {
        const char *name;
        int width, height, pen;
        TPenStyle style;
        std::function<void(TCanvas *, int, int, int, int)> draw;
    };
    const auto rect = [](TCanvas *c, int a, int b, int x, int y) { c->Rectangle(a, b, x, y); };
    const auto ellipse = [](TCanvas *c, int a, int b, int x, int y) { c->Ellipse(a, b, x, y); };
    const auto pie = [](TCanvas *c, int a, int b, int x, int y) { c->Pie(a, b, x, y, x, b, a, b); };
    const Shape shapes[] = {
        {.name = "marker square", .width = 6, .height = 6, .pen = 5, .style = psSolid, .draw = rect},
        {.name = "wider square", .width = 7, .height = 6, .pen = 5, .style = psSolid, .draw = rect},
        {.name = "thinner pen", .width = 6, .height = 6, .pen = 3, .style = psSolid, .draw = rect},
        {.name = "inside the frame", .width = 9, .height = 9, .pen = 3, .style = psInsideFrame, .draw = rect},
        {.name = "marker circle", .width = 6, .height = 6, .pen = 5, .style = psSolid, .draw = ellipse},
        {.name = "oval", .width = 11, .height = 7, .pen = 2, .style = psSolid, .draw = ellipse},
        {.name = "pie", .width = 11, .height = 7, .pen = 2, .style = psSolid, .draw = pie},
    };
    // The painted pixels as rows of '#' and '.', cut to the smallest rectangle holding them.
    const auto picture = [](const Shape &s, int left, int top) {
        Board b(40, 30);
        b.c->Pen()->SetWidth(s.pen);
        b.c->Pen()->SetStyle(s.style);
        b.c->Pen()->SetColor(clBlue);
        b.c->Brush()->SetColor(clRed);
        s.draw(b.c, left, top, left + s.width, top + s.height);
        std::vector<std::string> rows;
        for (int y = 0; y < 30; ++y)
            if (b.Row(y).find('#') != std::string::npos)
                rows.push_back(b.Row(y));
        std::size_t from = std::string::npos, to = 0;
        for (const std::string &row : rows) {
            from = std::min(from, row.find('#'));
            to = std::max(to, row.rfind('#') + 1);
        }
        for (std::string &row : rows)
            row = row.substr(from, to - from);
        return rows;
    };
    std::vector<std::vector<std::string>> seen;
    for (const Shape &s : shapes) {
        const auto here = picture(s, 5, 6);
        EXPECT_EQ(picture(s, 23, 17), here) << s.name;
        EXPECT_EQ(std::count(seen.begin(), seen.end(), here), 0) << s.name;
        seen.push_back(here);
    }
}

TEST(CanvasText, WidthsFollowTheFontAndTheText)
{
    Board b(10, 10);
    const QString texts[] = {QStringLiteral("10"), QStringLiteral("HPF"), QStringLiteral("1.00KHz")};
    std::vector<int> small, large;
    for (const QString &t : texts) {
        b.c->Font()->SetSize(8);
        small.push_back(b.c->TextWidth(t));
        b.c->Font()->SetSize(20);
        large.push_back(b.c->TextWidth(t));
        b.c->Font()->SetStyle(TFontStyles{fsBold});
        EXPECT_GE(b.c->TextWidth(t), large.back()) << t.toStdString();
        b.c->Font()->SetStyle(TFontStyles{});
    }
    for (std::size_t i = 0; i < small.size(); ++i) {
        EXPECT_LT(small[i], large[i]);
        b.c->Font()->SetSize(8);
        EXPECT_EQ(b.c->TextWidth(texts[i]), small[i]);
    }
    EXPECT_LT(small[0], small[1]);
    EXPECT_LT(small[1], small[2]);
}

TEST(CanvasLines, AStyledPolylineKeepsItsStepsThroughPartsOutsideTheBitmap)
{
    // Four dotted pixels left of the bitmap, then the line comes in: the dots go on where they
    // left off (three on, three off).
    Board b(8, 3);
    b.c->Pen()->SetStyle(psDot);
    b.c->Brush()->SetStyle(bsClear);
    const TPoint points[] = {{-5, 1}, {-1, 1}, {7, 1}};
    b.c->Polyline(points, 3);
    EXPECT_EQ(b.Row(1), ".###....");
}
