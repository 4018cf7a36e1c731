// The Comp page: slider texts, the typed-entry rules, the record sent to the device, linked
// outputs, the transfer curve on ipComp and the selection of the plotted output.

#include "PagesFixture.h"

#include "pages/CompressorPage.h"
#include "platform/ui/Label.h"
#include "plotlib/plot/iXYPlot.h"

#include <optional>
#include <utility>
#include <vector>

namespace {

TEST(CompressorTexts, SliderPositions)
{
    EXPECT_EQ(CompThresholdText(-180), QStringLiteral("-90.0dB"));
    EXPECT_EQ(CompThresholdText(40), QStringLiteral("+20.0dB"));
    EXPECT_EQ(CompThresholdText(0), QStringLiteral("+0.0dB"));
    EXPECT_EQ(CompRatioText(15), QStringLiteral("Limit"));
    EXPECT_EQ(CompRatioText(9), QStringLiteral("1:4.0"));
    EXPECT_EQ(CompTimeText(0), QStringLiteral("  1ms"));
    EXPECT_EQ(CompTimeText(998), QStringLiteral("999ms"));
    EXPECT_EQ(TypedThresholdText(-7), QStringLiteral("-3.5dB"));
    EXPECT_EQ(TypedThresholdText(0), QStringLiteral("+0.0dB"));
    EXPECT_EQ(TypedTimeText(249), QStringLiteral("250ms"));
}

enum class Entry { Ratio, Threshold, Time };

struct TypedCase {
    const char *name;
    Entry entry;
    const char *text;
    int current;
    std::optional<int> position;
};

TEST(CompressorTypedEntry, TextToPositionOrRejected)
{
    const TypedCase cases[] = {
        {.name = "ratio", .entry = Entry::Ratio, .text = "4", .current = 0, .position = 9},
        {.name = "ratio with 1:", .entry = Entry::Ratio, .text = "1:4", .current = 0, .position = 9},
        {.name = "ratio snaps up", .entry = Entry::Ratio, .text = "4.2", .current = 0, .position = 10},
        {.name = "ratio beyond 20", .entry = Entry::Ratio, .text = "25", .current = 0, .position = 15},
        {.name = "ratio below 1", .entry = Entry::Ratio, .text = "0.5", .current = 3, .position = 0},
        {.name = "ratio with its unit", .entry = Entry::Ratio, .text = "4dB", .current = 0, .position = 9},
        {.name = "ratio not from 1", .entry = Entry::Ratio, .text = "2:1", .current = 0, .position = std::nullopt},
        {.name = "ratio 1: alone", .entry = Entry::Ratio, .text = "1:", .current = 0, .position = std::nullopt},
        {.name = "ratio two points", .entry = Entry::Ratio, .text = "1.5.", .current = 0, .position = std::nullopt},
        {.name = "ratio points together",
         .entry = Entry::Ratio,
         .text = "1..5",
         .current = 0,
         .position = std::nullopt},
        {.name = "ratio unit after 1:", .entry = Entry::Ratio, .text = "1:4dB", .current = 0, .position = std::nullopt},
        {.name = "ratio ending in its point",
         .entry = Entry::Ratio,
         .text = "4.",
         .current = 0,
         .position = std::nullopt},
        {.name = "ratio empty", .entry = Entry::Ratio, .text = "", .current = 0, .position = std::nullopt},
        {.name = "ratio a letter", .entry = Entry::Ratio, .text = "4x", .current = 0, .position = std::nullopt},
        {.name = "threshold cut to the grid", .entry = Entry::Threshold, .text = "3.7dB", .current = 0, .position = 7},
        {.name = "threshold negative", .entry = Entry::Threshold, .text = "-3.7", .current = 0, .position = -7},
        {.name = "threshold low fraction", .entry = Entry::Threshold, .text = "3.2", .current = 0, .position = 6},
        {.name = "threshold half", .entry = Entry::Threshold, .text = "3.5", .current = 0, .position = 7},
        {.name = "threshold below the range",
         .entry = Entry::Threshold,
         .text = "-100",
         .current = 0,
         .position = -180},
        {.name = "threshold above the range", .entry = Entry::Threshold, .text = "30", .current = 0, .position = 40},
        {.name = "threshold unchanged",
         .entry = Entry::Threshold,
         .text = "+0",
         .current = 0,
         .position = std::nullopt},
        {.name = "threshold lone plus", .entry = Entry::Threshold, .text = "+", .current = 0, .position = std::nullopt},
        {.name = "threshold minus point",
         .entry = Entry::Threshold,
         .text = "-.",
         .current = 0,
         .position = std::nullopt},
        {.name = "threshold minus low fraction",
         .entry = Entry::Threshold,
         .text = "-.3",
         .current = 4,
         .position = std::nullopt},
        {.name = "threshold sign after",
         .entry = Entry::Threshold,
         .text = "3-",
         .current = 0,
         .position = std::nullopt},
        {.name = "threshold point alone",
         .entry = Entry::Threshold,
         .text = ".",
         .current = 0,
         .position = std::nullopt},
        {.name = "time at least 1 ms", .entry = Entry::Time, .text = "0", .current = 5, .position = 0},
        {.name = "time at most 999 ms", .entry = Entry::Time, .text = "1500", .current = 0, .position = 998},
        {.name = "time with its unit", .entry = Entry::Time, .text = "250ms", .current = 0, .position = 249},
        {.name = "time huge", .entry = Entry::Time, .text = "99999999999999999999999", .current = 0, .position = 998},
        {.name = "time a fraction", .entry = Entry::Time, .text = "5.5", .current = 0, .position = std::nullopt},
        {.name = "time unchanged", .entry = Entry::Time, .text = "1", .current = 0, .position = std::nullopt},
        {.name = "time a sign", .entry = Entry::Time, .text = "-5", .current = 0, .position = std::nullopt},
    };
    for (const TypedCase &c : cases) {
        std::optional<int> position;
        switch (c.entry) {
        case Entry::Ratio: position = TypedRatioPosition(c.text); break;
        case Entry::Threshold: position = TypedThresholdPosition(c.text, c.current); break;
        case Entry::Time: position = TypedTimePosition(c.text, c.current); break;
        }
        EXPECT_EQ(position, c.position) << c.name;
    }
}

TEST(CompressorCurve, KneeAndLimiter)
{
    const CompressorCurve curve = CompressorTransferCurve(-40, 9, 15);
    EXPECT_DOUBLE_EQ(curve.Points[0].X, 20);
    EXPECT_DOUBLE_EQ(curve.Points[0].Y, -10);
    EXPECT_DOUBLE_EQ(curve.Points[1].X, -20);
    EXPECT_DOUBLE_EQ(curve.Points[1].Y, -20);
    EXPECT_DOUBLE_EQ(curve.Points[2].X, -100);
    EXPECT_DOUBLE_EQ(curve.Points[2].Y, -100);
    EXPECT_DOUBLE_EQ(curve.Marker.X, -19.8);
    EXPECT_DOUBLE_EQ(curve.Marker.Y, -20.4);
    EXPECT_DOUBLE_EQ(CompressorTransferCurve(-40, 15, 15).Points[0].Y, -20);
}

class CompressorPageTest : public PagesTest {
protected:
    void SetUp() override { Load("PageTestComp"); }

    TAdvTrackBar &Slider(const char *name) { return Control<TAdvTrackBar>(QString::fromLatin1(name)); }
    TCurvyEdit &Edit(const char *name) { return Control<TCurvyEdit>(QString::fromLatin1(name)); }

    void Type(const char *name, const char *text)
    {
        TCurvyEdit &edit = Edit(name);
        edit.SetText(QString::fromLatin1(text));
        WORD key = VK_RETURN;
        edit.OnKeyDown(&edit, key, {});
    }

    std::vector<std::pair<double, double>> Points(int channel)
    {
        auto &plot = Control<TiXYPlot>(QStringLiteral("ipComp"));
        std::vector<std::pair<double, double>> points;
        TiXYPlotChannel *ch = plot.GetChannel(channel);
        for (int i = 0; i < ch->Count(); ++i)
            points.emplace_back(ch->GetX(i), ch->GetY(i));
        return points;
    }
};

TEST_F(CompressorPageTest, ThresholdSliderSendsTheWholeRecordOfTheOutput)
{
    CompressorRecord before = form->Model.GetCompressor(ChOut1);
    Slider("isCompThresholdOut1").SetPosition(-40);
    ASSERT_EQ(form->Sent.size(), 1u);
    EXPECT_EQ(form->Sent[0].KeepDuplicates, 0);
    EXPECT_EQ(TakeFrames()[0],
              Frame(48, {2, static_cast<std::uint8_t>(before.Ratio), static_cast<std::uint8_t>(before.Ratio >> 8),
                         static_cast<std::uint8_t>(before.Attack), static_cast<std::uint8_t>(before.Attack >> 8),
                         static_cast<std::uint8_t>(before.Release), static_cast<std::uint8_t>(before.Release >> 8),
                         0x8C, 0x00}));
    EXPECT_EQ(form->Model.GetCompressor(ChOut1).Threshold, 140);
    EXPECT_EQ(Edit("cvdCompThresholdOut1").Text(), QStringLiteral("-20.0dB"));
    EXPECT_EQ(form->Pages.GetSelectedCompChannel(), ChOut1);
    EXPECT_FALSE(form->ControlsUpdating);
}

TEST_F(CompressorPageTest, LinkedOutputsStoreTheRecordAndFollowWithOneCommand)
{
    form->Model.SetLinkMask(ChOut1, 0b0011);
    form->Model.SetLinkMask(ChOut2, 0);
    form->Sent.clear();
    Slider("isCompRatioOut1").SetPosition(12);
    EXPECT_EQ(form->Sent.size(), 1u);
    EXPECT_EQ(form->Model.GetCompressor(ChOut1).Ratio, 12);
    EXPECT_EQ(form->Model.GetCompressor(ChOut2).Ratio, 12);
    EXPECT_EQ(Slider("isCompRatioOut2").Position(), 12);
    EXPECT_EQ(Edit("cvdCompRatioOut2").Text(), QStringLiteral("1:8.0"));
    EXPECT_NE(Slider("isCompRatioOut3").Position(), 12);
    EXPECT_FALSE(form->ControlsUpdating);
}

TEST_F(CompressorPageTest, TypedEntriesMoveTheSliderOrShowTheValueAgain)
{
    Type("cvdCompRatioOut2", "4");
    EXPECT_EQ(Slider("isCompRatioOut2").Position(), 9);
    EXPECT_EQ(Edit("cvdCompRatioOut2").Text(), QStringLiteral("1:4.0"));
    EXPECT_EQ(TakeFrames().size(), 1u);

    Type("cvdCompRatioOut2", "1:4dB");
    EXPECT_EQ(Slider("isCompRatioOut2").Position(), 9);
    EXPECT_EQ(Edit("cvdCompRatioOut2").Text(), QStringLiteral("1:4.0"));
    EXPECT_EQ(Edit("cvdCompRatioOut2").Edit()->SelStart(), 5);
    EXPECT_TRUE(TakeFrames().empty());

    Type("cvdCompAttackOut3", "250ms");
    EXPECT_EQ(Slider("isCompAttackOut3").Position(), 249);
    EXPECT_EQ(Edit("cvdCompAttackOut3").Text(), QStringLiteral("250ms"));
    Type("cvdCompAttackOut3", "5.5");
    EXPECT_EQ(Edit("cvdCompAttackOut3").Text(), QStringLiteral("250ms"));

    Slider("isCompThresholdOut4").SetPosition(0);
    TakeFrames();
    Type("cvdCompThresholdOut4", "+0");
    EXPECT_EQ(Edit("cvdCompThresholdOut4").Text(), QStringLiteral("+0.0dB"));
    EXPECT_TRUE(TakeFrames().empty());
    Type("cvdCompThresholdOut4", "-3.7");
    EXPECT_EQ(Slider("isCompThresholdOut4").Position(), -7);
    EXPECT_EQ(Edit("cvdCompThresholdOut4").Text(), QStringLiteral("-3.5dB"));
    EXPECT_EQ(TakeFrames().size(), 1u);
}

TEST_F(CompressorPageTest, TransferCurveReplacesWhateverThePlotHeld)
{
    auto &plot = Control<TiXYPlot>(QStringLiteral("ipComp"));
    // Empty channels, and more points than a curve has: a redraw works from both.
    for (int extra = 0; extra < 2; ++extra) {
        plot.GetChannel(0)->Clear();
        plot.GetChannel(1)->Clear();
        for (int i = 0; i < extra * 5; ++i) {
            plot.GetChannel(0)->AddXY(i, i);
            plot.GetChannel(1)->AddXY(i, i);
        }
        Slider("isCompRatioOut1").SetPosition(9);
        Slider("isCompThresholdOut1").SetPosition(-40);
        EXPECT_EQ(Points(0), (std::vector<std::pair<double, double>>{{20, -10}, {-20, -20}, {-100, -100}}));
        ASSERT_EQ(Points(1).size(), 1u);
        EXPECT_DOUBLE_EQ(Points(1)[0].first, -19.8);
        EXPECT_DOUBLE_EQ(Points(1)[0].second, -20.4);
        Slider("isCompThresholdOut1").SetPosition(0);
    }
    EXPECT_EQ(Control<TLabel>(QStringLiteral("lbCompName")).Caption(), QStringLiteral("Out 1  Compressor"));
    Slider("isCompThresholdOut1").SetPosition(-40);
    Slider("isCompRatioOut1").SetPosition(15);
    EXPECT_EQ(Points(0)[0], std::make_pair(20.0, -20.0));
}

TEST_F(CompressorPageTest, MouseDownSelectsTheOutput)
{
    Slider("isCompThresholdOut3").SetPosition(-40);
    Slider("isCompRatioOut3").SetPosition(9);
    form->Pages.SelectCompressorChannel(ChOut1);
    auto &edit = Edit("cvdCompAttackOut3");
    edit.OnMouseDown(&edit, mbLeft, {}, 2, 2);
    EXPECT_EQ(form->Pages.GetSelectedCompChannel(), ChOut3);
    EXPECT_EQ(Control<TLabel>(QStringLiteral("lbHeadCompOut")).Caption(), QStringLiteral("Out 3"));
    EXPECT_EQ(Control<TLabel>(QStringLiteral("lbCompName")).Caption(), QStringLiteral("Out 3  Compressor"));
    EXPECT_EQ(Points(0)[0], std::make_pair(20.0, -10.0));
    auto &title = Control<TLabel>(QStringLiteral("lbCompOut4"));
    title.OnMouseDown(&title, mbLeft, {}, 2, 2);
    EXPECT_EQ(form->Pages.GetSelectedCompChannel(), ChOut4);
    EXPECT_TRUE(form->Sent.size() <= 4u);  // the slider moves only
}

TEST_F(CompressorPageTest, RendersWithItsTransferCurve)
{
    Slider("isCompRatioOut1").SetPosition(9);
    Slider("isCompThresholdOut1").SetPosition(-40);
    Type("cvdCompAttackOut1", "25");
    Type("cvdCompReleaseOut1", "300");
    form->Pages.SelectCompressorChannel(ChOut1);
    const QImage image = RenderControlImage(form.get());
    ASSERT_FALSE(image.isNull());
    image.save(QStringLiteral("pages_PageTestComp.png"));
}

}  // namespace
