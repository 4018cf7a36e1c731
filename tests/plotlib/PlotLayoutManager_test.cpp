// The layout manager on objects added through the master manager: bands, side lists and the
// moves of objects between bands.

#include "TestPlotHost.h"

#include "platform/ui/StdTestApp.h"

#include <gtest/gtest.h>

namespace {

QStringList Names(const TStringList *list)
{
    QStringList names;
    for (int i = 0; i < list->Count(); ++i)
        names << static_cast<TiPlotObject *>(list->Objects(i))->Name() + u'@' +
                     QString::number(static_cast<TiPlotLayoutObject *>(list->Objects(i))->ZOrder());
    return names;
}

// A plot with the default objects of an XY plot, made as the plot control makes them.
struct DefaultPlot {
    TTestPlotHost host{nullptr};
    TiPlotMasterManager &master = *host.Master();
    TiPlotLayoutManager &layout = *master.LayoutManager();

    DefaultPlot()
    {
        layout.SetEnabled(false);
        master.ToolBarManager()->Items(master.AddToolBar())->SetZOrder(3);
        master.LegendManager()->Items(master.AddLegend())->SetZOrder(2);
        master.AddXAxis();
        master.AddYAxis();
        master.AddChannel();
        master.AddDataView();
        master.AddDataCursor();
        TiPlotLabel *title = master.LabelManager()->Items(master.AddLabel());
        title->SetZOrder(2);
        title->SetName(QStringLiteral("Title"));
        layout.SetEnabled(true);
    }
    TiPlotXAxis *XAxis(int Index) const { return master.XAxisManager()->Items(Index); }
};

struct PlotLayout : ::testing::Test, DefaultPlot {};

TEST_F(PlotLayout, TheDefaultObjectsSitAroundTheDataView)
{
    EXPECT_EQ(Names(layout.TopList()), (QStringList{"Title@2", "Toolbar 1@3"}));
    EXPECT_EQ(Names(layout.BottomList()), QStringList{"X-Axis 1@0"});
    EXPECT_EQ(Names(layout.LeftList()), QStringList{"Y-Axis 1@0"});
    EXPECT_EQ(Names(layout.RightList()), QStringList{"Legend 1@2"});
    EXPECT_EQ(layout.TopUniqueCount(), 2);
    EXPECT_EQ(layout.BottomUniqueCount(), 1);
    EXPECT_EQ(layout.DataViewHorz()->ZOrder(), 1);
    EXPECT_TRUE(master.LabelManager()->Items(0)->ReverseSide());
    EXPECT_FALSE(XAxis(0)->ReverseSide());
    EXPECT_TRUE(master.LegendManager()->Items(0)->ReverseSide());
    EXPECT_EQ(layout.VisibleCount(layout.TopList()), 2);
    master.ToolBarManager()->Items(0)->SetVisible(false);
    EXPECT_EQ(layout.VisibleCount(layout.TopList()), 1);
}

TEST_F(PlotLayout, ASecondAxisOfTheSameExtentOpensBandZero)
{
    master.AddXAxis();
    EXPECT_EQ(XAxis(1)->ZOrder(), 0);
    EXPECT_EQ(XAxis(0)->ZOrder(), 1);
    EXPECT_EQ(layout.DataViewHorz()->ZOrder(), 2);
    EXPECT_EQ(Names(layout.TopList()), (QStringList{"Title@3", "Toolbar 1@4"}));
    EXPECT_EQ(Names(layout.BottomList()), (QStringList{"X-Axis 2@0", "X-Axis 1@1"}));
    // The vertical stack is untouched.
    EXPECT_EQ(layout.DataViewVert()->ZOrder(), 1);
    EXPECT_EQ(master.LegendManager()->Items(0)->ZOrder(), 2);
}

TEST_F(PlotLayout, AxesOfTouchingExtentsShareABand)
{
    XAxis(0)->SetStopPercent(50);
    layout.SetEnabled(false);
    master.AddXAxis();
    XAxis(1)->SetStartPercent(50);
    layout.SetEnabled(true);
    layout.RemoveZOrder(XAxis(1));
    layout.InsertZOrder(XAxis(1), 0, iidMerge);
    EXPECT_EQ(XAxis(1)->ZOrder(), 0);
    EXPECT_EQ(XAxis(0)->ZOrder(), 0);
    EXPECT_EQ(Names(layout.BottomList()), (QStringList{"X-Axis 1@0", "X-Axis 2@0"}));
    EXPECT_EQ(layout.BottomUniqueCount(), 1);

    // One of two in a band leaves: no band closes.
    XAxis(0)->Free();
    EXPECT_EQ(XAxis(0)->ZOrder(), 0);
    EXPECT_EQ(layout.DataViewHorz()->ZOrder(), 1);
}

TEST_F(PlotLayout, RemovingTheOnlyObjectOfABandLowersTheHigherBands)
{
    master.LabelManager()->Items(0)->Free();
    EXPECT_EQ(master.ToolBarManager()->Items(0)->ZOrder(), 2);
    EXPECT_EQ(layout.DataViewHorz()->ZOrder(), 1);
    EXPECT_EQ(Names(layout.TopList()), QStringList{"Toolbar 1@2"});
    EXPECT_EQ(layout.TopUniqueCount(), 1);
}

TEST_F(PlotLayout, InsertingBelowOrAboveABandMovesTheBandsOutward)
{
    struct Case {
        const char *name;
        TiInsertDirection direction;
        int desired;
        QStringList top;
    };
    const Case cases[] = {
        {.name = "merge into the title's band",
         .direction = iidMerge,
         .desired = 2,
         .top = {"Label 1@2", "Title@3", "Toolbar 1@4"}},
        {.name = "below the title",
         .direction = iidBelow,
         .desired = 2,
         .top = {"Label 1@2", "Title@3", "Toolbar 1@4"}},
        {.name = "above the title",
         .direction = iidAbove,
         .desired = 2,
         .top = {"Title@2", "Label 1@3", "Toolbar 1@4"}},
        {.name = "above the toolbar",
         .direction = iidAbove,
         .desired = 3,
         .top = {"Title@2", "Toolbar 1@3", "Label 1@4"}},
    };
    for (const Case &c : cases) {
        DefaultPlot plot;
        TiPlotLabel *label = plot.master.LabelManager()->Items(plot.master.AddLabel());
        ASSERT_EQ(label->ZOrder(), 0);  // a new band 0 below the data view
        plot.layout.RemoveZOrder(label);
        plot.layout.InsertZOrder(label, c.desired, c.direction);
        EXPECT_EQ(Names(plot.layout.TopList()), c.top) << c.name;
        EXPECT_EQ(Names(plot.layout.BottomList()), QStringList{"X-Axis 1@0"}) << c.name;
    }
}

TEST_F(PlotLayout, SwappingTheAxesMovesThemIntoTheOtherStack)
{
    master.SetXYAxesReverse(true);
    EXPECT_FALSE(XAxis(0)->Horizontal());
    EXPECT_TRUE(master.YAxisManager()->Items(0)->Horizontal());
    EXPECT_EQ(Names(layout.BottomList()), QStringList{"Y-Axis 1@0"});
    EXPECT_EQ(Names(layout.LeftList()), QStringList{"X-Axis 1@0"});
    EXPECT_EQ(Names(layout.TopList()), (QStringList{"Title@2", "Toolbar 1@3"}));

    master.SetXYAxesReverse(false);
    EXPECT_EQ(Names(layout.BottomList()), QStringList{"X-Axis 1@0"});
    EXPECT_EQ(Names(layout.LeftList()), QStringList{"Y-Axis 1@0"});
}

TEST_F(PlotLayout, AChangeOfTheExtentAloneDoesNotResort)
{
    XAxis(0)->SetStopPercent(40);
    master.AddXAxis();
    layout.RemoveZOrder(XAxis(1));
    XAxis(1)->SetStartPercent(50);
    layout.InsertZOrder(XAxis(1), 0, iidMerge);
    ASSERT_EQ(Names(layout.BottomList()), (QStringList{"X-Axis 1@0", "X-Axis 2@0"}));

    XAxis(0)->SetStartStopPercent(60, 100);
    EXPECT_EQ(Names(layout.BottomList()), (QStringList{"X-Axis 1@0", "X-Axis 2@0"}));
    layout.RebuildSideLists();
    EXPECT_EQ(Names(layout.BottomList()), (QStringList{"X-Axis 2@0", "X-Axis 1@0"}));
}

TEST_F(PlotLayout, BandsSortByTheirNumberBeyondThreeDigits)
{
    layout.SetEnabled(false);
    master.LabelManager()->Items(0)->SetZOrder(999);
    master.ToolBarManager()->Items(0)->SetZOrder(1000);
    master.LegendManager()->Items(0)->SetZOrder(-1);
    layout.SetEnabled(true);
    EXPECT_EQ(Names(layout.TopList()), (QStringList{"Title@999", "Toolbar 1@1000"}));
    EXPECT_EQ(layout.TopUniqueCount(), 2);
    EXPECT_EQ(Names(layout.LeftList()), (QStringList{"Legend 1@-1", "Y-Axis 1@0"}));
    EXPECT_EQ(layout.LeftUniqueCount(), 2);
    // The stored values stay as they were.
    EXPECT_EQ(master.ToolBarManager()->Items(0)->ZOrder(), 1000);
}

TEST_F(PlotLayout, ADisabledManagerLeavesZOrdersAsSet)
{
    layout.SetEnabled(false);
    master.AddXAxis();
    EXPECT_EQ(XAxis(1)->ZOrder(), 0);
    EXPECT_EQ(XAxis(0)->ZOrder(), 0);
    EXPECT_EQ(Names(layout.BottomList()), QStringList{"X-Axis 1@0"});
    // Listed in filing order, each one before the entries of its key.
    layout.SetEnabled(true);
    EXPECT_EQ(Names(layout.BottomList()), (QStringList{"X-Axis 2@0", "X-Axis 1@0"}));
}

}  // namespace
