// Marked-up text: its layout (line breaks, heights, widths and plain text), the tags that change it,
// the entities, hit tests on anchors and what drawing leaves out.

#include <memory>

#include "platform/ui/Canvas.h"
#include "tests/widgets/graphics/GraphicsTestApp.h"
#include "widgets/graphics/HtmlTextRenderer.h"

using graphicstest::Board;

namespace {

struct Outcome {
    bool result = false;
    QString anchor, plain, focus;
    int width = 0, height = 0, anchors = 0, mouseAnchor = -1;
    TRect hover;
};

// One call as the splash window makes it (line spacing 2, word wrap on), in measure, draw or
// hit-test mode.
Outcome Render(TGPGraphics *g, TFont *font, const QString &text, const TRect &r, bool measure, bool hitTest = false,
               TPoint hit = TPoint(0, 0), bool wordWrap = true)
{
    Outcome o;
    o.result = RenderHTML(g, font, text, r, nullptr, hit.X, hit.Y, -1, -1, 5, hitTest, measure, false, false, false,
                          false, wordWrap, 1.0, clBlue, clNone, clNone, clGray, o.anchor, o.plain, o.focus, o.width,
                          o.height, o.anchors, o.mouseAnchor, o.hover, nullptr, nullptr, 2);
    return o;
}

std::unique_ptr<TFont> Font(int size, TColor color = clBlack)
{
    auto f = std::make_unique<TFont>();
    f->SetName(QStringLiteral("Tahoma"));
    f->SetSize(size);
    f->SetColor(color);
    return f;
}

int Gh(TGPGraphics *g, TFont *font)
{
    return g->TextHeight(QStringLiteral("gh"), font);
}

// Width the renderer gives a chunk of text.
int ChunkWidth(TGPGraphics *g, const QString &text, TFont *font)
{
    TRect r(0, 0, 1000, 100);
    g->DrawText(text, -1, r, font, DT_CALCRECT);
    return r.Right - r.Left;
}

// Columns of the board with a pixel other than white between two rows.
std::pair<int, int> InkColumns(const Board &b, int top, int bottom)
{
    int first = -1, last = -1;
    for (int x = 0; x < b.bmp.Width(); ++x)
        for (int y = top; y < bottom; ++y)
            if (b.At(x, y) != clWhite) {
                if (first < 0)
                    first = x;
                last = x;
                break;
            }
    return {first, last};
}

TEST(HtmlLayout, EmptyTextReportsOneLineOfGhAndNoWidth)
{
    Board b(10, 10);
    auto font = Font(8);
    const Outcome o = Render(b.g.get(), font.get(), QString(), TRect(0, 0, 300, 100), true);
    EXPECT_EQ(o.height, Gh(b.g.get(), font.get()) + 2);
    EXPECT_EQ(o.width, 0);
    EXPECT_EQ(o.plain, "");
    EXPECT_EQ(o.mouseAnchor, -1);
}

TEST(HtmlLayout, SplashLineGivesTwoEmptyLinesThenATwentyPointLine)
{
    Board b(10, 10);
    auto font = Font(8);
    auto big = Font(20);
    const QString text = "<BR><BR><FONT SIZE=\"20\" COLOR=\"clWhite\">Loading Program....</FONT><BR>";
    const Outcome o = Render(b.g.get(), font.get(), text, TRect(0, 0, 500, 250), true);
    const int gh = Gh(b.g.get(), font.get());
    const int third = std::max({gh, b.g->TextHeight("Loading ", big.get()), b.g->TextHeight("Program....", big.get())});
    EXPECT_GT(third, gh);
    EXPECT_EQ(o.height, (gh + 2) + (gh + 2) + third + 2);
    EXPECT_EQ(o.width,
              ChunkWidth(b.g.get(), "Loading ", big.get()) + ChunkWidth(b.g.get(), "Program....", big.get()) + 2);
    EXPECT_EQ(o.plain, "\r\rLoading Program....\r");
}

// Texts, each laid out in a rectangle `width` wide, with the number of lines they take.
struct LayoutCase {
    const char *name;
    const char *text;
    int width;  // 0: wide enough for anything
    int lines;
    const char *plain;
};

class HtmlLineBreaks : public ::testing::TestWithParam<LayoutCase> {};

TEST_P(HtmlLineBreaks, TakeTheExpectedLines)
{
    const LayoutCase &c = GetParam();
    Board b(10, 10);
    auto font = Font(8);
    const int gh = Gh(b.g.get(), font.get());
    const int width = c.width ? c.width : 2000;
    const Outcome o = Render(b.g.get(), font.get(), QString::fromUtf8(c.text), TRect(0, 0, width, 400), true);
    // Every line here is as high as "gh"; all but the last have the 2 pixels of spacing.
    EXPECT_EQ(o.height, c.lines * gh + (c.lines - 1) * 2 + 2);
    EXPECT_EQ(o.plain, QString::fromUtf8(c.plain));
}

INSTANTIATE_TEST_SUITE_P(
    Cases, HtmlLineBreaks,
    ::testing::Values(
        LayoutCase{.name = "words_wrap_at_blanks",
                   .text = "one two three four five six",
                   .width = 60,
                   .lines = 3,
                   .plain = "one two three four five six"},
        LayoutCase{.name = "over_wide_word_stays_on_its_line",
                   .text = "a extraordinarilylongwordthatneverfits b",
                   .width = 40,
                   .lines = 2,
                   .plain = "a extraordinarilylongwordthatneverfits b"},
        LayoutCase{.name = "no_wrap_breaks_only_at_tags",
                   .text = "one two three<BR>four",
                   .width = 0,
                   .lines = 2,
                   .plain = "one two three\rfour"},
        LayoutCase{
            .name = "paragraph_end_and_hr_end_lines", .text = "a</P>b<HR>c", .width = 0, .lines = 3, .plain = "abc"},
        LayoutCase{.name = "entities_show_their_characters",
                   .text = "&lt;B&gt;x &amp; &quot;q&quot; &copy;",
                   .width = 0,
                   .lines = 1,
                   .plain = "<B>x & \"q\" \u00A9"},
        LayoutCase{.name = "an_entity_made_by_another_stays_text",
                   .text = "&amp;lt; &AMP;amp;",
                   .width = 0,
                   .lines = 1,
                   .plain = "&lt; &amp;"},
        LayoutCase{
            .name = "non_breaking_blank_joins_words", .text = "ab&nbsp;cd", .width = 0, .lines = 1, .plain = "ab cd"},
        LayoutCase{
            .name = "tag_without_end_drops_the_rest", .text = "abc<B def ghi", .width = 0, .lines = 1, .plain = "abc"},
        LayoutCase{.name = "hidden_text_takes_no_room",
                   .text = "a<Z>hidden</Z>b",
                   .width = 0,
                   .lines = 1,
                   .plain = "ahiddenb"},
        LayoutCase{
            .name = "carriage_returns_are_line_breaks", .text = "a\r\nb", .width = 0, .lines = 2, .plain = "a\rb"}),
    stdtest::ParamName());

TEST(HtmlLayout, AWordSplitByTagsNeverBreaks)
{
    Board b(10, 10);
    auto font = Font(8);
    const int gh = Gh(b.g.get(), font.get());
    // Room for the whole word alone, not for the word after "xx ".
    const int room = ChunkWidth(b.g.get(), "aaaabbbbcccc", font.get()) + 4;
    ASSERT_LT(ChunkWidth(b.g.get(), "xx aaaa", font.get()), room);
    const TRect r(0, 0, room + 1, 400);
    const Outcome plain = Render(b.g.get(), font.get(), "xx aaaabbbbcccc", r, true);
    const Outcome tagged = Render(b.g.get(), font.get(), "xx aaaa<B>bbbb</B>cccc", r, true);
    EXPECT_EQ(plain.height, 2 * gh + 2 + 2);  // the word moves to a line of its own
    EXPECT_EQ(tagged.height, gh + 2);         // the parts after the tags stay with it
    EXPECT_EQ(tagged.plain, "xx aaaabbbbcccc");
    EXPECT_GT(tagged.width, room);
}

TEST(HtmlLayout, EntitiesForATagShowTheCharactersAndChangeNoStyle)
{
    Board b(10, 10);
    auto font = Font(8);
    const Outcome o = Render(b.g.get(), font.get(), "&lt;B&gt;bold?", TRect(0, 0, 500, 100), true);
    EXPECT_EQ(o.plain, "<B>bold?");
    EXPECT_EQ(o.width, ChunkWidth(b.g.get(), "<B>bold?", font.get()) + 2);
}

// FONT SIZE: 1 to 5 are HTML's sizes, anything else points.
struct SizeCase {
    const char *name;
    const char *size;
    int points;
};

class HtmlFontSize : public ::testing::TestWithParam<SizeCase> {};

TEST_P(HtmlFontSize, LineTakesTheHeightOfThatSize)
{
    const SizeCase &c = GetParam();
    Board b(10, 10);
    auto font = Font(8);
    auto sized = Font(c.points);
    const QString text = QStringLiteral("<FONT SIZE=\"%1\">gh</FONT>").arg(QString::fromLatin1(c.size));
    const Outcome o = Render(b.g.get(), font.get(), text, TRect(0, 0, 500, 300), true);
    EXPECT_EQ(o.height, std::max(Gh(b.g.get(), font.get()), Gh(b.g.get(), sized.get())) + 2);
}

INSTANTIATE_TEST_SUITE_P(Sizes, HtmlFontSize,
                         ::testing::Values(SizeCase{.name = "html_size_1", .size = "1", .points = 8},
                                           SizeCase{.name = "html_size_3", .size = "3", .points = 12},
                                           SizeCase{.name = "html_size_5", .size = "5", .points = 16},
                                           SizeCase{.name = "points_30", .size = "30", .points = 30}),
                         stdtest::ParamName());

TEST(HtmlColours, HexColoursReadEachChannelOnItsOwn)
{
    EXPECT_EQ(HTMLHexColor("#FF0000"), 0x0000FF);
    EXPECT_EQ(HTMLHexColor("#123456"), 0x563412);
    EXPECT_EQ(HTMLHexColor("#abcdef"), 0xEFCDAB);
    // A pair that is no hexadecimal number gives 0 for its own channel only.
    EXPECT_EQ(HTMLHexColor("#GG00FF"), 0xFF0000);
    EXPECT_EQ(HTMLHexColor("#12GG34"), 0x340012);
    EXPECT_EQ(HTMLHexColor("#FF"), 0x0000FF);  // missing channels are 0
    EXPECT_EQ(HTMLColorByName("clbtnface"), static_cast<TColor>(0xFF00000F));
    EXPECT_EQ(HTMLColorByName("clteal"), 0x808000);
    EXPECT_EQ(HTMLColorByName("nonsense"), 0);
}

TEST(HtmlDrawing, FontColourAndParagraphCentringHoldForFollowingLines)
{
    Board b(300, 80);
    auto font = Font(10);
    const QString text = "<P ALIGN=\"CENTER\"><FONT COLOR=\"#00C000\">mm</FONT><BR>mm<BR>mm";
    Render(b.g.get(), font.get(), text, TRect(0, 0, 300, 80), false);
    const int gh = Gh(b.g.get(), font.get());
    for (int line = 0; line < 3; ++line) {
        const int top = line * (gh + 2);
        const auto [first, last] = InkColumns(b, top, top + gh);
        ASSERT_GE(first, 0) << line;
        EXPECT_NEAR((first + last) / 2, 150, 6) << line;
    }
    int green = 0;
    for (int y = 0; y < gh; ++y)
        for (int x = 0; x < 300; ++x)
            green += b.At(x, y) == 0x00C000;
    EXPECT_GT(green, 5);
}

TEST(HtmlDrawing, LinesBelowTheRectangleAreNotDrawnButMeasured)
{
    Board b(200, 100);
    auto font = Font(10);
    const int gh = Gh(b.g.get(), font.get());
    // Room for the first line and most of the second.
    const TRect r(0, 0, 200, 2 * gh + 1);
    const Outcome drawn = Render(b.g.get(), font.get(), "first<BR>second<BR>third", r, false);
    const Outcome measured = Render(b.g.get(), font.get(), "first<BR>second<BR>third", r, true);
    EXPECT_EQ(drawn.height, gh + 2 + 2);
    EXPECT_EQ(measured.height, 3 * gh + 2 * 2 + 2);
    EXPECT_GT(b.Painted(), 0);
    for (int y = gh + 2; y < 100; ++y)
        for (int x = 0; x < 200; ++x)
            ASSERT_EQ(b.At(x, y), clWhite) << x << "," << y;
}

TEST(HtmlAnchors, HitTestFindsTheAnchorUnderThePoint)
{
    Board b(300, 60);
    auto font = Font(10);
    const QString text = "see <A HREF=\"help.htm\">the help</A> now <A HREF=\"two\">two</A>";
    const TRect r(0, 0, 300, 60);
    const int onLink = ChunkWidth(b.g.get(), "see ", font.get()) + 8;
    const Outcome hit = Render(b.g.get(), font.get(), text, r, false, true, TPoint(onLink, 5));
    EXPECT_TRUE(hit.result);
    EXPECT_EQ(hit.anchor, "help.htm");
    EXPECT_EQ(hit.mouseAnchor, 1);
    EXPECT_EQ(hit.anchors, 2);
    EXPECT_EQ(hit.hover.Top, 0);
    EXPECT_GT(hit.hover.Right, onLink);
    const Outcome miss = Render(b.g.get(), font.get(), text, r, false, true, TPoint(2, 5));
    EXPECT_FALSE(miss.result);
    EXPECT_EQ(miss.anchor, "");
    EXPECT_EQ(miss.mouseAnchor, -1);
    EXPECT_EQ(b.Painted(), 0);  // hit-testing draws nothing
}

TEST(HtmlShellIcons, ABareIconNumberGivesNoIconAndNoRoom)
{
    TSize size(5, 5);
    DrawShellIcon(nullptr, 0, 0, size, 1.0, false, false, true, "12");
    EXPECT_EQ(size.cx, 0);
    EXPECT_EQ(size.cy, 0);
    DrawShellIcon(nullptr, 0, 0, size, 1.0, false, false, false, "/no/such/file.txt");
    EXPECT_EQ(size.cx, 16);
    DrawShellIcon(nullptr, 0, 0, size, 1.0, false, false, true, "/no/such/file.txt");
    EXPECT_EQ(size.cy, 32);

    Board b(10, 10);
    auto font = Font(8);
    const Outcome numbered = Render(b.g.get(), font.get(), "a<IMG SRC=\"SSYS:3\">b", TRect(0, 0, 300, 50), true);
    EXPECT_EQ(numbered.width, ChunkWidth(b.g.get(), "a", font.get()) + ChunkWidth(b.g.get(), "b", font.get()) + 2);
    const Outcome file = Render(b.g.get(), font.get(), "a<IMG SRC=\"LSYS:/tmp\">b", TRect(0, 0, 300, 50), true);
    EXPECT_EQ(file.width, numbered.width + 32);
    EXPECT_EQ(file.height, 32 + 2);
}

}  // namespace
