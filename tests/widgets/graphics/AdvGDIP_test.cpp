// The wrapper layer: the status rule, failed constructors, text on framework fonts and the
// painting of one fill description.

#include "platform/ui/Canvas.h"
#include "platform/ui/GraphicsFont.h"
#include "tests/widgets/graphics/GraphicsTestApp.h"
#include "widgets/graphics/AdvGDIP.h"

using graphicstest::Board;

namespace {

TEST(GdiPlusWrappers, InterpolationColorsWithoutColoursAreRefused)
{
    TGPLinearGradientBrush linear(MakeRect(0.0f, 0.0f, 10.0f, 10.0f), 0xFF000000, 0xFFFFFFFF,
                                  LinearGradientModeVertical);
    const ARGB colors[2] = {0xFF000000, 0xFFFFFFFF};
    const REAL positions[2] = {0, 1};
    EXPECT_EQ(linear.SetInterpolationColors(colors, positions, 0), InvalidParameter);
    EXPECT_EQ(linear.SetInterpolationColors(colors, positions, 2), Ok);
    TGPGraphicsPath path;
    path.AddEllipse(0.0f, 0.0f, 10.0f, 10.0f);
    TGPPathGradientBrush radial(&path);
    EXPECT_EQ(radial.SetInterpolationColors(colors, positions, 0), InvalidParameter);
    EXPECT_EQ(radial.SetInterpolationColors(nullptr, positions, 2), InvalidParameter);
}

TEST(GdiPlusWrappers, LastStatusGivesTheFailureOnceThenOk)
{
    TGPMatrix singular(1, 2, 2, 4, 0, 0);
    EXPECT_EQ(singular.Invert(), InvalidParameter);
    EXPECT_EQ(singular.Translate(1, 1), Ok);  // a success keeps the failure
    EXPECT_EQ(singular.GetLastStatus(), InvalidParameter);
    EXPECT_EQ(singular.GetLastStatus(), Ok);
    EXPECT_EQ(singular.Invert(), InvalidParameter);
    EXPECT_EQ(singular.Clone(), nullptr);  // the kept failure blocks the copy
}

TEST(GdiPlusWrappers, FailedConstructorLeavesANullHandleThatLaterCallsRefuse)
{
    TGPBitmap bitmap(0, 0);
    EXPECT_EQ(bitmap.GetLastStatus(), InvalidParameter);
    EXPECT_EQ(bitmap.GetWidth(), 0u);
    EXPECT_EQ(bitmap.GetLastStatus(), InvalidParameter);
    TGPFontFamily family(QStringLiteral("No Such Family Anywhere"));
    EXPECT_EQ(family.GetLastStatus(), FontFamilyNotFound);
    TGPFont font(&family, 10);
    EXPECT_EQ(font.GetLastStatus(), InvalidParameter);
    // From a name, a family GDI+ cannot make falls back to the generic sans-serif.
    TGPFont named(QStringLiteral("No Such Family Anywhere"), 10);
    EXPECT_EQ(named.GetLastStatus(), Ok);
    EXPECT_EQ(TGPFontFamily::GenericSansSerif(), TGPFontFamily::GenericSansSerif());
}

TEST(GdiPlusWrappers, GetterAnswersMinusOneOrZeroWhenGdiPlusFails)
{
    TGPGraphics g(static_cast<HDC>(nullptr));
    EXPECT_EQ(g.GetSmoothingMode(), SmoothingModeInvalid);
    TGPHatchBrush empty;
    EXPECT_EQ(empty.GetForegroundColor(), 0u);
    TGPBrush none;
    EXPECT_EQ(none.GetLastStatus(), NotImplemented);
}

TEST(GdiPlusWrappers, InstancesComeFromTheLayersAllocator)
{
    const int before = gdiplus::GetCounters().LiveAllocations;
    auto *pen = new TGPPen(0xFF000000u, 2.0f);
    EXPECT_EQ(gdiplus::GetCounters().LiveAllocations, before + 1);
    TGPBrush *brush = pen->GetBrush();
    ASSERT_NE(brush, nullptr);
    EXPECT_EQ(dynamic_cast<TGPSolidBrush *>(brush) != nullptr, true);
    delete brush;
    delete pen;
    EXPECT_EQ(gdiplus::GetCounters().LiveAllocations, before);
    EXPECT_TRUE(gdiplus::Started());
}

TEST(GdiPlusWrappers, MatrixRotatesAboutAPoint)
{
    for (const MatrixOrder order : {MatrixOrderPrepend, MatrixOrderAppend}) {
        TGPMatrix m;
        m.RotateAt(90, MakePoint(10.0f, 10.0f), order);
        TGPPointF p = MakePoint(20.0f, 10.0f);
        m.TransformPoints(&p);
        EXPECT_NEAR(p.X, 10, 1e-4) << order;
        EXPECT_NEAR(p.Y, 20, 1e-4) << order;
    }
    TGPMatrix t(1, 0, 0, 1, 7, -3);
    EXPECT_FLOAT_EQ(t.OffsetX(), 7);
    EXPECT_FLOAT_EQ(t.OffsetY(), -3);
}

TEST(GdiPlusWrappers, SurroundColoursFollowThePointCount)
{
    TGPGraphicsPath path;
    path.AddEllipse(0.0f, 0.0f, 10.0f, 10.0f);
    TGPPathGradientBrush brush(&path);
    const ARGB colors[2] = {0xFF0000FF, 0xFF00FF00};
    INT count = 2;
    ASSERT_EQ(brush.SetSurroundColors(colors, count), Ok);
    EXPECT_EQ(count, 2);
    INT tooMany = brush.GetPointCount() + 1;
    EXPECT_EQ(brush.SetSurroundColors(colors, tooMany), InvalidParameter);
    ARGB out[2] = {};
    INT small = 1;
    EXPECT_EQ(brush.GetSurroundColors(out, small), InsufficientBuffer);
    INT room = 2;
    ASSERT_EQ(brush.GetSurroundColors(out, room), Ok);
    EXPECT_EQ(out[1], 0xFF00FF00u);
    EXPECT_EQ(brush.GetSurroundColors(nullptr, room), InvalidParameter);
}

// ---- Text on framework fonts ----

// A framework font (it cannot be copied, so tests keep it where it was made).
struct FontOf : TFont {
    FontOf(const char *name, int size, TFontStyles style = {})
    {
        SetName(QString::fromLatin1(name));
        SetSize(size);
        SetStyle(style);
    }
};

TEST(GdiPlusText, UnknownFontNameIsDrawnInArial)
{
    Board b(10, 10);
    FontOf unknown("No Such Family Anywhere", 12);
    FontOf arial("Arial", 12);
    FontOf courier("Courier New", 12);
    const QString text = QStringLiteral("Wide text WWW");
    EXPECT_EQ(b.g->TextWidth(text, &unknown), b.g->TextWidth(text, &arial));
    EXPECT_NE(b.g->TextWidth(text, &courier), b.g->TextWidth(text, &arial));
    EXPECT_EQ(b.g->TextHeight(text, &unknown), b.g->TextHeight(text, &arial));
}

TEST(GdiPlusText, MakeFontCarriesEveryStyle)
{
    Board b(10, 10);
    FontOf f("Arial", 10, TFontStyles{fsBold, fsItalic, fsUnderline, fsStrikeOut});
    std::unique_ptr<TGPFont> font(b.g->MakeFont(&f));
    EXPECT_EQ(font->GetStyle(), FontStyleBold | FontStyleItalic | FontStyleUnderline | FontStyleStrikeout);
}

TEST(GdiPlusText, CalcRectMeasuresWithoutDrawing)
{
    Board b(200, 60);
    FontOf f("Arial", 10);
    TRect r(5, 7, 5, 7);
    const int height = b.g->DrawText(QStringLiteral("Measure"), -1, r, &f, DT_CALCRECT);
    EXPECT_EQ(b.Painted(), 0);
    EXPECT_GT(height, 10);
    EXPECT_EQ(r.Bottom - r.Top, height);
    EXPECT_GT(r.Right, r.Left + 20);
    TRect drawn(5, 7, 5, 7);
    b.g->DrawText(QStringLiteral("Measure"), -1, drawn, &f, 0);
    EXPECT_GT(b.Painted(), 20);
    EXPECT_EQ(drawn.Right, 5);  // only measuring moves the corner
}

TEST(GdiPlusText, TrailingBlankIsMeasuredAndTheWidthCorrectionGrowsWithTheSize)
{
    Board b(10, 10);
    struct Case {
        const char *name;
        int size;
        int correction;
    };
    const Case cases[] = {{.name = "8 points", .size = 8, .correction = 2},
                          {.name = "9 points", .size = 9, .correction = 3},
                          {.name = "14 points", .size = 14, .correction = 6}};
    for (const Case &c : cases) {
        FontOf f("Arial", c.size);
        TRect r(0, 0, 0, 0);
        b.g->DrawText(QStringLiteral("Value"), -1, r, &f, DT_CALCRECT);
        EXPECT_EQ(r.Right, b.g->TextWidth(QStringLiteral("Value"), &f) - c.correction) << c.name;
        TRect blank(0, 0, 0, 0);
        b.g->DrawText(QStringLiteral("Value "), -1, blank, &f, DT_CALCRECT);
        EXPECT_GT(blank.Right, r.Right) << c.name;
    }
    FontOf f("Arial", 10);
    TRect one(0, 0, 0, 0);
    b.g->DrawText(QStringLiteral(" "), -1, one, &f, DT_CALCRECT);  // measured as it is
    EXPECT_GE(one.Bottom, 0);
    EXPECT_EQ(b.g->TextWidth(QString(), &f), 0);
}

TEST(GdiPlusText, LengthBeyondTheTextIsCutToIt)
{
    Board b(120, 40);
    FontOf f("Arial", 10);
    TRect whole(0, 0, 0, 0), beyond(0, 0, 0, 0);
    b.g->DrawText(QStringLiteral("Short"), -1, whole, &f, DT_CALCRECT);
    b.g->DrawText(QStringLiteral("Short"), 4000, beyond, &f, DT_CALCRECT);
    EXPECT_EQ(beyond.Right, whole.Right);
    TGPFont font(QStringLiteral("Arial"), 10);
    TGPSolidBrush brush(0xFF000000);
    EXPECT_EQ(b.g->DrawString(QStringLiteral("Short"), 4000, &font, MakePoint(2.0f, 2.0f), &brush), Ok);
    EXPECT_GT(b.Painted(), 10);
}

TEST(GdiPlusText, BackgroundColourFillsTheMeasuredBox)
{
    Board b(120, 40);
    FontOf f("Arial", 10);
    f.SetColor(clBlack);
    TRect r(10, 10, 10, 10);
    b.g->DrawText(QStringLiteral("Boxed"), -1, r, &f, 0, clYellow);
    EXPECT_EQ(b.At(r.Left + 2, r.Top + 1), clYellow);
    EXPECT_EQ(b.At(r.Left, r.Top + 1), clWhite);  // the box starts one pixel in
    EXPECT_GT(r.Right, 20);
}

// ---- One fill description ----

TEST(GdiPlusFillDescription, RadialAndBorderlessTransparentFillsPaintNothing)
{
    struct Case {
        const char *name;
        TGDIPFillParams params;
        bool paints;
    };
    auto base = [](TAdvGradientType type) {
        TGDIPFillParams p;
        p.Rect = MakeRect(2.0f, 2.0f, 20.0f, 10.0f);
        p.GradientType = type;
        p.Color = clRed;
        p.ColorTo = clBlue;
        return p;
    };
    TGDIPFillParams radial = base(gtRadial);
    TGDIPFillParams invisibleBorder = base(gtNone);
    invisibleBorder.BorderColor = clBlack;
    invisibleBorder.BorderWidth = 1;
    invisibleBorder.Opacity = 0;
    TGDIPFillParams border = invisibleBorder;
    border.Opacity = 255;
    TGDIPFillParams solid = base(gtSolid);
    const Case cases[] = {
        {.name = "radial without border", .params = radial, .paints = false},
        {.name = "border of opacity 0", .params = invisibleBorder, .paints = false},
        {.name = "opaque border", .params = border, .paints = true},
        {.name = "solid", .params = solid, .paints = true},
    };
    for (const Case &c : cases) {
        Board b(30, 20);
        TGDIPFillParams p = c.params;
        p.Graphics = b.g.get();
        DrawGDIPFill(p);
        EXPECT_EQ(b.Painted() > 0, c.paints) << c.name;
    }
}

TEST(GdiPlusFillDescription, MirrorHalfStartsWithALineOfItsStartColour)
{
    Board b(10, 10);
    TGDIPFillParams p;
    p.Graphics = b.g.get();
    p.Rect = MakeRect(0.0f, 0.0f, 10.0f, 10.0f);
    p.GradientType = gtVertical;
    p.Color = clNavy;
    p.ColorTo = clWhite;
    p.Mirror = true;
    DrawGDIPFill(p);
    EXPECT_EQ(b.At(5, 0), clNavy);
    EXPECT_NE(b.At(5, 5), clNavy);
}

}  // namespace
