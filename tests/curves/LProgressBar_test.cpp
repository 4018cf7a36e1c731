// The segmented level meter: which segments a position lights, rebuilding the column when a count
// changes, colours, layout after a resize and the pixels of the main window's meters.

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <vector>

#include "curves/LProgressBar.h"
#include "platform/runtime/FormReader.h"
#include "platform/ui/ControlsWinControl.h"
#include "platform/ui/Shape.h"
#include "tests/curves/CurvesTestSupport.h"
#include "tests/platform/ui/ControlsTestApp.h"

using curvestest::At;

namespace {

// An input meter and a limiter lamp as the main window places them.
constexpr char MetersForm[] = R"(object fmMeters: TForm
  ClientWidth = 80
  ClientHeight = 240
  Color = clGray
  object pbLevelInA: LProgressBar
    Left = 10
    Top = 10
    Width = 14
    Height = 199
    BevelInner = bvLowered
    BevelOuter = bvLowered
    Color = clBlack
    FirstNum = 1
    SecondNum = 2
    ThirdNum = 6
    Max = 9
    Min = 0
  end
  object pbLimitOut1: LProgressBar
    Tag = 3
    Left = 40
    Top = 10
    Width = 14
    Height = 22
    Color = clBlack
    SecondColor = 20123
    FirstNum = 0
    SecondNum = 1
    ThirdNum = 0
    Max = 1
    LSecondColor = 4629503
  end
end
)";

// Counts a meter's paints.
class CountingMeter : public LProgressBar {
public:
    using LProgressBar::LProgressBar;
    int Paints = 0;
    void WndProc(TMessage &message) override
    {
        if (message.Msg == WM_PAINT)
            ++Paints;
        LProgressBar::WndProc(message);
    }
};

struct MeterTest : ::testing::Test {
    std::unique_ptr<TComponent> owner = std::make_unique<TComponent>(nullptr);
    int renders = 0;

    // A meter of the given counts and maximum on a panel of its own.
    LProgressBar *Meter(int first, int second, int third, int max)
    {
        auto *meter = new LProgressBar(owner.get());
        meter->SetFirstNum(first);
        meter->SetSecondNum(second);
        meter->SetThirdNum(third);
        meter->SetMax(max);
        return meter;
    }
    // How many segments are lit, checking that they are the bottom ones and that every segment
    // shows its own group's colour.
    static int Lit(const LProgressBar &meter)
    {
        const int n = meter.SegmentCount();
        const TColor unlit[] = {meter.FirstColor(), meter.SecondColor(), meter.ThirdColor()};
        const TColor lit[] = {meter.LFirstColor(), meter.LSecondColor(), meter.LThirdColor()};
        int count = 0;
        for (int k = 0; k < n; ++k) {
            const int g = k < meter.FirstNum() ? 0 : k < meter.FirstNum() + meter.SecondNum() ? 1 : 2;
            const TColor c = meter.Segment(k)->Brush()->Color();
            if (c == lit[g])
                ++count;
            else
                EXPECT_EQ(c, unlit[g]) << "segment " << k;
            EXPECT_EQ(c == lit[g], count > 0) << "segment " << k << " lit above an unlit one";
        }
        return count;
    }
    static std::vector<QString> Names(const LProgressBar &meter)
    {
        std::vector<QString> names;
        for (int i = 0; i < meter.ComponentCount(); ++i)
            names.push_back(meter.Components(i)->Name());
        std::sort(names.begin(), names.end());
        return names;
    }
};

}  // namespace

TEST_F(MeterTest, PositionsLightSegmentsFromTheBottom)
{
    struct Row {
        const char *name;
        int first, second, third, max, min;
        std::vector<int> positions;
        std::vector<int> lit;
    };
    const Row rows[] = {
        {.name = "default",
         .first = 1,
         .second = 1,
         .third = 3,
         .max = 100,
         .min = 0,
         .positions = {0, 19, 20, 59, 99, 100, 150, -5},
         .lit = {0, 0, 1, 2, 4, 5, 5, 0}},
        {.name = "input meter",
         .first = 1,
         .second = 2,
         .third = 6,
         .max = 9,
         .min = 0,
         .positions = {1, 2, 3, 4, 5, 6, 7, 8, 9, 12, 0},
         .lit = {1, 2, 3, 4, 5, 6, 7, 8, 9, 9, 0}},
        {.name = "output meter",
         .first = 1,
         .second = 3,
         .third = 4,
         .max = 8,
         .min = 0,
         .positions = {5, 8},
         .lit = {5, 8}},
        {.name = "lamp", .first = 0, .second = 1, .third = 0, .max = 1, .min = 0, .positions = {1, 0}, .lit = {1, 0}},
        // A step that is no whole number: at or above Max everything is lit all the same.
        {.name = "seven over three",
         .first = 1,
         .second = 1,
         .third = 1,
         .max = 7,
         .min = 0,
         .positions = {2, 3, 6, 7},
         .lit = {0, 1, 2, 3}},
        {.name = "negative minimum",
         .first = 1,
         .second = 1,
         .third = 3,
         .max = 100,
         .min = -50,
         .positions = {-30, 30},
         .lit = {0, 1}},
        {.name = "no maximum",
         .first = 1,
         .second = 1,
         .third = 3,
         .max = 0,
         .min = 0,
         .positions = {5, -3},
         .lit = {0, 0}},
        {.name = "negative maximum",
         .first = 1,
         .second = 1,
         .third = 3,
         .max = -4,
         .min = -9,
         .positions = {-2, -6},
         .lit = {0, 0}},
        {.name = "no segment",
         .first = 0,
         .second = 0,
         .third = 0,
         .max = 5,
         .min = 0,
         .positions = {3, 9},
         .lit = {0, 0}},
    };
    for (const Row &r : rows) {
        LProgressBar *meter = Meter(r.first, r.second, r.third, r.max);
        meter->SetMin(r.min);
        for (std::size_t i = 0; i < r.positions.size(); ++i) {
            meter->SetPosition(r.positions[i]);
            EXPECT_EQ(Lit(*meter), r.lit[i]) << r.name << ", position " << r.positions[i];
            EXPECT_EQ(meter->Position(), std::clamp(r.positions[i], r.min, r.max)) << r.name;
        }
    }

    // The output meter at 5: the four green segments and the lowest yellow one.
    LProgressBar *output = Meter(1, 3, 4, 8);
    output->SetPosition(5);
    const std::vector<TColor> colours = {0x000080, 0x008080, 0x008080, 0x00FFFF,
                                         0x00FF00, 0x00FF00, 0x00FF00, 0x00FF00};
    for (int k = 0; k < 8; ++k)
        EXPECT_EQ(output->Segment(k)->Brush()->Color(), colours[static_cast<std::size_t>(k)]) << k;
}

TEST_F(MeterTest, GroupsSharingAColourLightInTheirOwnColours)
{
    LProgressBar *meter = Meter(1, 2, 2, 5);
    meter->SetSecondColor(meter->FirstColor());
    meter->SetThirdColor(meter->FirstColor());
    meter->SetPosition(4);
    EXPECT_EQ(meter->Segment(0)->Brush()->Color(), meter->FirstColor());
    EXPECT_EQ(meter->Segment(1)->Brush()->Color(), meter->LSecondColor());
    EXPECT_EQ(meter->Segment(4)->Brush()->Color(), meter->LThirdColor());
    meter->SetPosition(0);
    EXPECT_EQ(Lit(*meter), 0);
}

TEST_F(MeterTest, ColourChangesRecolourTheirGroup)
{
    LProgressBar *meter = Meter(1, 1, 3, 5);
    meter->SetPosition(4);
    // A new lit colour keeps the lit segments lit; a new unlit colour shows on all of the group.
    meter->SetLThirdColor(clWhite);
    EXPECT_EQ(meter->Segment(4)->Brush()->Color(), clWhite);
    EXPECT_EQ(Lit(*meter), 4);
    meter->SetSecondColor(clBlue);
    EXPECT_EQ(meter->Segment(1)->Brush()->Color(), clBlue);
    meter->SetPosition(5);
    EXPECT_EQ(Lit(*meter), 5);
}

TEST_F(MeterTest, TheSamePositionTwiceRepaintsNothing)
{
    auto *host = new TWinControl(owner.get());
    host->SetBounds(0, 0, 40, 200);
    auto *meter = new CountingMeter(owner.get());
    meter->SetParent(host);
    meter->SetMax(9);
    host->BackingImage();
    meter->BackingImage();
    const int paints = meter->Paints;
    meter->SetPosition(7);
    meter->BackingImage();
    EXPECT_EQ(meter->Paints, paints + 1);
    meter->SetPosition(7);
    meter->BackingImage();
    EXPECT_EQ(meter->Paints, paints + 1);
}

TEST_F(MeterTest, ChangingACountRenumbersTheColumnWithoutGapsAndUnlitsIt)
{
    LProgressBar *meter = Meter(3, 1, 3, 7);
    meter->SetPosition(7);
    ASSERT_EQ(Lit(*meter), 7);
    TShape *yellow = meter->Segment(3);

    meter->SetFirstNum(1);
    EXPECT_EQ(meter->SegmentCount(), 5);
    EXPECT_EQ(Names(*meter), (std::vector<QString>{"shape1", "shape2", "shape3", "shape4", "shape5"}));
    EXPECT_EQ(meter->Segment(1), yellow);  // the released segments were the red ones
    const std::vector<TColor> colours = {0x000080, 0x008080, 0x008000, 0x008000, 0x008000};
    for (int k = 0; k < 5; ++k)
        EXPECT_EQ(meter->Segment(k)->Brush()->Color(), colours[static_cast<std::size_t>(k)]) << k;
    // Position is kept, so the same value lights nothing; another one relights from scratch.
    meter->SetPosition(7);
    EXPECT_EQ(Lit(*meter), 0);
    meter->SetPosition(6);
    EXPECT_EQ(Lit(*meter), 4);

    // Growing the middle group inserts below the yellow segment; a negative count counts as 0.
    meter->SetSecondNum(3);
    EXPECT_EQ(Names(*meter).size(), 7u);
    EXPECT_EQ(meter->Segment(1), yellow);
    EXPECT_EQ(meter->Segment(3)->Brush()->Color(), 0x008080);
    EXPECT_EQ(meter->Segment(4)->Brush()->Color(), 0x008000);
    meter->SetThirdNum(-2);
    EXPECT_EQ(meter->ThirdNum(), 0);
    EXPECT_EQ(meter->SegmentCount(), 4);
    EXPECT_EQ(Names(*meter), (std::vector<QString>{"shape1", "shape2", "shape3", "shape4"}));
    // Every segment is placed for its new count: 132 / 4 + 2 high.
    EXPECT_EQ(meter->Segment(3)->BoundsRect(), TRect(0, 98, 14, 98 + 35));
}

TEST_F(MeterTest, SegmentsFollowAResizeWithTheirColours)
{
    LProgressBar *meter = Meter(1, 2, 6, 9);
    meter->SetPosition(5);
    meter->SetBounds(0, 0, 20, 199);
    for (int k = 0; k < 9; ++k) {
        const int top = static_cast<int>(199.0 / 9 * k) - 1;
        EXPECT_EQ(meter->Segment(k)->BoundsRect(), TRect(0, top, 20, top + 199 / 9 + 2)) << k;
    }
    EXPECT_EQ(Lit(*meter), 5);
}

TEST_F(MeterTest, PixelsOfTheMainWindowsMeters)
{
    std::unique_ptr<TComponent> form{CreateComponentFromText(QString::fromUtf8(MetersForm), "meters.dfm", nullptr)};
    auto *input = dynamic_cast<LProgressBar *>(form->FindComponent("pbLevelInA"));
    auto *lamp = dynamic_cast<LProgressBar *>(form->FindComponent("pbLimitOut1"));
    ASSERT_NE(input, nullptr);
    ASSERT_NE(lamp, nullptr);
    EXPECT_EQ(input->SegmentCount(), 9);
    EXPECT_EQ(lamp->SegmentCount(), 1);
    // The size from the form data reached the segments.
    EXPECT_EQ(input->Segment(8)->BoundsRect().Bottom, static_cast<int>(199.0 / 9 * 8) - 1 + 199 / 9 + 2);

    input->SetPosition(7);
    const auto centre = [](const QImage &image, const TShape *segment) {
        const TRect r = segment->BoundsRect();
        return At(image, (r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2);
    };
    QImage image = curvestest::Render(input, renders);
    EXPECT_EQ(centre(image, input->Segment(1)), RGB(128, 128, 0));
    EXPECT_EQ(centre(image, input->Segment(2)), RGB(255, 255, 0));
    EXPECT_EQ(centre(image, input->Segment(8)), RGB(0, 255, 0));
    EXPECT_EQ(centre(image, input->Segment(0)), RGB(128, 0, 0));

    lamp->SetPosition(1);
    EXPECT_EQ(centre(curvestest::Render(lamp, renders), lamp->Segment(0)), RGB(255, 163, 70));
    lamp->SetPosition(0);
    EXPECT_EQ(centre(curvestest::Render(lamp, renders), lamp->Segment(0)), RGB(155, 78, 0));

    // After a resize the segments follow with their colours.
    input->SetBounds(input->Left(), input->Top(), 14, 122);
    image = curvestest::Render(input, renders);
    EXPECT_EQ(input->Segment(8)->BoundsRect().Bottom, static_cast<int>(122.0 / 9 * 8) - 1 + 122 / 9 + 2);
    EXPECT_EQ(centre(image, input->Segment(2)), RGB(255, 255, 0));
    EXPECT_EQ(centre(image, input->Segment(1)), RGB(128, 128, 0));
    curvestest::Render(dynamic_cast<TWinControl *>(form.get()), renders);
}
