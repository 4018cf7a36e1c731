// The level progress bar: the percentage and what a position write repaints, the blocks and level
// colours it draws (pixels of the rendered bar), its text, infinite mode and its form properties.

#include "widgets/graphics/AdvProgressBar.h"

#include "platform/runtime/FormReader.h"
#include "platform/runtime/FormWriter.h"
#include "platform/runtime/SysUtils.h"
#include "platform/runtime/TimerService.h"
#include "platform/ui/ControlsRender.h"
#include "platform/ui/Forms.h"
#include "tests/widgets/graphics/GraphicsTestApp.h"

#include <string>
#include <vector>

namespace {

using graphicstest::At;

// Counts the bar's paints (direct ones and those of its parent's paint alike).
class TCountingBar : public TAdvProgressBar {
public:
    using TAdvProgressBar::TAdvProgressBar;
    int paints = 0;

protected:
    void Paint() override
    {
        ++paints;
        TAdvProgressBar::Paint();
    }
};

// The progress window's bar: 431 x 41 on a shown form, levels at 70 and 90 %.
struct Bar : ::testing::Test {
    TForm *form = new TForm(nullptr);
    TCountingBar *bar = new TCountingBar(form);

    Bar()
    {
        form->SetBounds(0, 0, 460, 480);
        bar->SetParent(form);
        bar->SetBounds(10, 10, 431, 41);
        form->Show();
    }
    ~Bar() override { delete form; }
    QImage Shot() { return RenderControlImage(bar); }
    // The columns of a row that are not the bar's background, as runs "from-to".
    static std::string Runs(const QImage &img, int y, TColor background = clWhite)
    {
        std::string runs;
        for (int x = 1; x < img.width() - 1; ++x) {
            if (At(img, x, y) == background || (x > 1 && At(img, x - 1, y) != background))
                continue;
            int end = x;
            while (end + 1 < img.width() - 1 && At(img, end + 1, y) != background)
                ++end;
            runs += (runs.empty() ? "" : " ") + std::to_string(x) + "-" + std::to_string(end);
        }
        return runs;
    }
    // Paints caused by one write.
    int PaintsOf(int position)
    {
        bar->paints = 0;
        bar->SetPosition(position);
        return bar->paints;
    }
};

TEST_F(Bar, HalfWayDrawsTwentyFourBlocksAndAPartialOneInLevelZeroGreen)
{
    bar->SetPosition(50);
    const QImage shot = Shot();
    std::string want = "2-8";
    for (int left = 11; left <= 200; left += 9)
        want += " " + std::to_string(left) + "-" + std::to_string(left + 6);
    want += " 209-214";
    EXPECT_EQ(Runs(shot, 5), want);
    const TColor c = At(shot, 5, 5);
    EXPECT_EQ(GetGValue(c), 255);
    EXPECT_EQ(GetRValue(c), GetBValue(c));
    EXPECT_LT(GetRValue(c), 255);
    EXPECT_EQ(At(shot, 10, 5), clWhite);
    EXPECT_EQ(At(shot, 216, 5), clWhite);
    EXPECT_EQ(At(shot, 5, 20), 0x00FF00) << "the middle row is the pure level colour";
    EXPECT_EQ(At(shot, 5, 2), 0xE1FFE1) << "the edges take the second colour";
    EXPECT_EQ(At(shot, 0, 20), 0x808080) << "border";
}

TEST_F(Bar, TheLevelColoursSwitchAtTheirThresholds)
{
    struct Case {
        const char *name;
        int position;
        TColor color;
    } cases[] = {
        {.name = "69 % level 0", .position = 69, .color = 0x00FF00},
        {.name = "70 % level 1", .position = 70, .color = 0x00FFFF},
        {.name = "89 % level 1", .position = 89, .color = 0x00FFFF},
        {.name = "90 % level 2", .position = 90, .color = 0x53A9FF},
        {.name = "99 % level 2", .position = 99, .color = 0x53A9FF},
        {.name = "100 % level 3", .position = 100, .color = 0x0000FF},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        bar->SetPosition(c.position);
        EXPECT_EQ(At(Shot(), 5, 20), c.color);
    }
}

TEST_F(Bar, FillLengthsOfEighteenAndTwentyOneEndOnAFullBlockAndATwoPixelBlock)
{
    // 102 pixels wide: the usable length is 100, so the fill length equals the percentage.
    bar->SetWidth(102);
    struct Case {
        const char *name;
        int position;
        const char *runs;
    } cases[] = {
        {.name = "one pixel: nothing", .position = 1, .runs = ""},
        {.name = "short: one block", .position = 5, .runs = "2-5"},
        {.name = "18: two blocks", .position = 18, .runs = "2-8 11-17"},
        {.name = "21: two blocks and two pixels", .position = 21, .runs = "2-8 11-17 20-21"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        bar->SetPosition(c.position);
        EXPECT_EQ(Runs(Shot(), 5), c.runs);
    }
}

TEST_F(Bar, AnEmptyRangeDrawsNoFillAndZeroPercent)
{
    bar->SetPosition(0);
    const QImage zero = Shot();
    bar->SetMax(0);
    EXPECT_EQ(bar->Percent(), 0);
    EXPECT_EQ(Shot(), zero) << "the same picture as 0 of 100: no fill, \"0%\"";
    EXPECT_EQ(Runs(zero, 5), "");
    EXPECT_NE(Runs(zero, 20), "") << "the text is there";
}

TEST_F(Bar, ZeroStepsDrawEachHalfInOneColour)
{
    bar->SetSteps(0);
    bar->SetPosition(50);
    const QImage shot = Shot();
    for (int y = 2; y < 39; ++y)
        EXPECT_EQ(At(shot, 4, y), y < 20 ? 0xE1FFE1 : 0x00FF00) << y;
}

TEST_F(Bar, ThePercentageCountsFromMin)
{
    bar->SetMin(50);
    bar->SetMax(150);
    bar->SetPosition(100);
    EXPECT_EQ(bar->Percent(), 50);
    EXPECT_EQ(Runs(Shot(), 5).substr(0, 3), "2-8");
    bar->SetPosition(150);
    EXPECT_EQ(bar->Percent(), 100);
}

TEST_F(Bar, AMaxBelowThePositionKeepsThePositionAndDrawsAFullBar)
{
    bar->SetPosition(80);
    bar->SetMax(40);
    EXPECT_EQ(bar->Position(), 80) << "Max does not clamp the position";
    EXPECT_EQ(bar->Percent(), 100);
    const QImage shot = Shot();
    EXPECT_EQ(At(shot, 5, 20), 0x0000FF) << "level 3";
    EXPECT_EQ(At(shot, 430, 20), 0x808080) << "the border stays";
    bar->SetMax(100);
    bar->SetMin(90);
    EXPECT_EQ(bar->Percent(), 0) << "a Min above the position shows 0 %";
}

TEST_F(Bar, APositionWriteRepaintsWhenTheShownValueChanges)
{
    struct Step {
        int position;
        int paints;
    };
    struct Case {
        const char *name;
        int max;
        std::vector<Step> steps;
    } cases[] = {
        {.name = "Max 11: every change", .max = 11, .steps = {{1, 1}, {2, 1}, {3, 1}, {3, 1}, {11, 1}}},
        {.name = "Max 1000: a new percent or block",
         .max = 1000,
         .steps = {{1, 0}, {2, 0}, {5, 0}, {6, 1}, {9, 0}, {10, 1}, {11, 0}, {20, 1}}},
        {.name = "clamped writes show too", .max = 1000, .steps = {{-5, 1}, {1001, 1}}},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        bar->SetPosition(0);
        bar->SetMax(c.max);
        PaintsOf(0);
        for (const Step &s : c.steps)
            EXPECT_EQ(PaintsOf(s.position), s.paints) << "position " << s.position;
    }
    EXPECT_EQ(bar->Position(), 1000);
    PaintsOf(-5);
    EXPECT_EQ(bar->Position(), 0);
}

TEST_F(Bar, ARawPositionTextRepaintsOnEveryStep)
{
    bar->SetMax(1000);
    bar->SetShowPercentage(false);
    PaintsOf(0);
    EXPECT_EQ(PaintsOf(1), 1);
    EXPECT_EQ(PaintsOf(2), 1);
}

TEST_F(Bar, TheTextFollowsFormatAndAFormatThatDoesNotFitShowsThePercentage)
{
    bar->SetPosition(50);
    const QImage percent = Shot();
    bar->SetFormat("%d of %d");
    const QImage formatted = Shot();
    EXPECT_NE(formatted, percent);
    bar->SetFormat("%s and %s %s");
    EXPECT_EQ(Shot(), percent);
    bar->SetFormat("");
    EXPECT_NE(Runs(percent, 20), Runs(percent, 5)) << "text in the middle row";
    bar->SetShowPosition(false);
    const QImage none = Shot();
    EXPECT_EQ(Runs(none, 20), Runs(none, 5)) << "only blocks";
}

TEST_F(Bar, AVerticalBarFillsFromTheBottom)
{
    bar->SetBounds(10, 10, 41, 431);
    bar->SetOrientation(goVertical);
    bar->SetPosition(50);
    const QImage shot = Shot();
    EXPECT_EQ(At(shot, 20, 425), 0x00FF00) << "first block: rows 422 to 428";
    EXPECT_EQ(At(shot, 20, 421), clWhite);
    EXPECT_EQ(At(shot, 20, 429), clWhite);
    EXPECT_EQ(At(shot, 2, 425), 0xE1FFE1);
}

TEST_F(Bar, StackedLevelsLieSideBySide)
{
    bar->SetWidth(102);
    bar->SetStacked(true);
    bar->SetShowGradient(false);
    bar->SetShowPosition(false);
    bar->SetPosition(95);
    const QImage shot = Shot();
    EXPECT_EQ(At(shot, 69, 20), 0x00FF00);
    EXPECT_EQ(At(shot, 70, 20), 0x00FFFF);
    EXPECT_EQ(At(shot, 89, 20), 0x00FFFF);
    EXPECT_EQ(At(shot, 90, 20), 0x53A9FF);
    EXPECT_EQ(At(shot, 94, 20), 0x53A9FF);
    EXPECT_EQ(At(shot, 95, 20), clWhite);
}

TEST_F(Bar, LevelZonesColourTheBackground)
{
    bar->SetWidth(102);
    bar->SetShowPosition(false);
    bar->SetPosition(0);
    bar->SetLevel1BkColor(clSilver);
    const QImage shot = Shot();
    EXPECT_EQ(At(shot, 69, 20), clWhite);
    EXPECT_EQ(At(shot, 70, 20), clSilver);
    EXPECT_EQ(At(shot, 89, 1), clSilver);
    EXPECT_EQ(At(shot, 90, 20), clWhite);
}

TEST_F(Bar, InfiniteModeSlidesAWindowWhileAnimated)
{
    TManualClockScope clock;
    bar->SetPosition(0);
    bar->SetShowPosition(false);
    bar->SetInfinite(true);
    TManualClock::Advance(500);
    EXPECT_EQ(bar->InfinitePos(), 0) << "not animated: no timer";
    bar->SetAnimated(true);
    TManualClock::Advance(50);
    EXPECT_EQ(bar->InfinitePos(), 0) << "the first step turns at 0";
    TManualClock::Advance(150);
    EXPECT_EQ(bar->InfinitePos(), 12);
    TManualClock::Advance(50 * 25);
    EXPECT_EQ(bar->InfinitePos(), 88) << "turned at 100";
    const int O = static_cast<int>(Round(88 / 100.0 * (431 - 4)));
    const QImage shot = Shot();
    EXPECT_EQ(At(shot, O - 11, 20), clWhite);
    EXPECT_EQ(At(shot, O, 20), 0x00FF00) << "the window keeps level 0 colours";
    EXPECT_EQ(At(shot, O + 12, 20), clWhite);
    bar->SetInfinite(false);
    EXPECT_EQ(Runs(Shot(), 20), "") << "back to the 0 % position";
}

TEST(ProgressBarForm, TheProgressWindowsDefinitionLoadsAndWritesBack)
{
    const QString text = "object ProgressBar: TAdvProgressBar\n"
                         "  Left = 8\n"
                         "  Top = 40\n"
                         "  Width = 431\n"
                         "  Height = 41\n"
                         "  Level0Color = clLime\n"
                         "  Level0ColorTo = 14811105\n"
                         "  Level1ColorTo = 13303807\n"
                         "  Level2Color = 5483007\n"
                         "  Level2ColorTo = 11064319\n"
                         "  Level3ColorTo = 13290239\n"
                         "  Level1Perc = 70\n"
                         "  Level2Perc = 90\n"
                         "  Position = 0\n"
                         "  ShowBorder = True\n"
                         "  Font.Charset = DEFAULT_CHARSET\n"
                         "  Font.Color = clWindowText\n"
                         "  Font.Height = -13\n"
                         "  Font.Name = 'Verdana'\n"
                         "  Font.Style = []\n"
                         "  Version = '1.2.0.1'\n"
                         "end\n";
    TAdvProgressBar bar(nullptr);
    ReadComponentFromText(&bar, text, QStringLiteral("progress.dfm"));
    EXPECT_EQ(bar.Width(), 431);
    EXPECT_EQ(bar.Position(), 0);
    EXPECT_EQ(bar.Level2Color(), 0x53A9FF);
    EXPECT_EQ(bar.FontPercentage()->Height(), -13);
    EXPECT_EQ(bar.FontPercentage()->Name(), "Verdana");
    EXPECT_EQ(bar.Version(), "1.2.0.1");
    EXPECT_EQ(TAdvProgressBar::GetVersionNr(), 0x01020001);

    const QString written = WriteComponentToText(&bar);
    for (const char *stored : {"Position = 0", "Level1Perc = 70", "ShowBorder = True", "Level0ColorTo = $00E1FFE1"})
        EXPECT_TRUE(written.contains(stored)) << stored << "\n" << written.toStdString();
    for (const char *left : {"Level0Color ", "Max ", "Steps ", "Rounded "})
        EXPECT_FALSE(written.contains(left)) << left << "\n" << written.toStdString();
}

TEST(ProgressBarForm, ANewBarHasTheConstructorsValues)
{
    TAdvProgressBar bar(nullptr);
    EXPECT_EQ(bar.Width(), 128);
    EXPECT_EQ(bar.Height(), 18);
    EXPECT_EQ(bar.Position(), 50);
    EXPECT_EQ(bar.Max(), 100);
    EXPECT_EQ(bar.FontPercentage()->Name(), "Verdana");
    EXPECT_EQ(bar.FontPercentage()->Size(), 10);
    bar.SetVersion("9");
    EXPECT_EQ(bar.Version(), "1.2.0.1");
}

}  // namespace
