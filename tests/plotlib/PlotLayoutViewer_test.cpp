// The layout schematic of the plot editor on a default XY plot: the toolbar and the title above the
// data view, the Y axis left of it, the legend right of it and the X axis below it.

#include "PlotTestHelpers.h"
#include "platform/ui/StdTestApp.h"

#include "platform/ui/ControlsRender.h"
#include "plotlib/editor/iPlotLayoutViewer.h"
#include "plotlib/plot/iXYPlot.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <set>

namespace {

struct LayoutViewer : ::testing::Test {
    TiXYPlot plot{nullptr};
    TiPlotLayoutViewer viewer{nullptr};
    int changes = 0;

    LayoutViewer()
    {
        viewer.SetBounds(0, 0, 568, 244);
        viewer.SetLayoutManager(plot.Master()->LayoutManager());
        viewer.SetMaster(plot.Master());
        viewer.OnChange = [this](TObject *) { ++changes; };
        Paint();
    }

    // Mouse input as the window system delivers it.
    void Press(TMouseButton Button, int X, int Y)
    {
        viewer.Perform(Button == mbLeft ? WM_LBUTTONDOWN : WM_RBUTTONDOWN, Button == mbLeft ? MK_LBUTTON : MK_RBUTTON,
                       PointToLParam(TPoint(X, Y)));
    }
    void Move(WPARAM Keys, int X, int Y) { viewer.Perform(WM_MOUSEMOVE, Keys, PointToLParam(TPoint(X, Y))); }
    void Release(TMouseButton Button, int X, int Y)
    {
        viewer.Perform(Button == mbLeft ? WM_LBUTTONUP : WM_RBUTTONUP, 0, PointToLParam(TPoint(X, Y)));
    }
    // The geometry follows every paint.
    QImage Paint() { return RenderControlImage(&viewer); }
    static TPoint Centre(const TiPlotLayoutObject *Object)
    {
        const TRect r = Object->LayoutRect();
        return {(r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2};
    }
    // A left drag from one point to another, painting between the steps as the screen would.
    void Drag(TPoint From, TPoint To)
    {
        Move(0, From.X, From.Y);
        Press(mbLeft, From.X, From.Y);
        Paint();
        Move(MK_LBUTTON, To.X, To.Y);
        Paint();
        Release(mbLeft, To.X, To.Y);
        Paint();
    }
    TiPlotLabel *Title() const { return plot.GetLabel(0); }
    TiPlotLabel *NewLabel()
    {
        TiPlotLabel *label = plot.GetLabel(plot.AddLabel());
        Paint();
        return label;
    }
};

TEST_F(LayoutViewer, AnEndOfABlockWithinSixPixelsShowsTheSizingCursor)
{
    struct Case {
        const char *name;
        bool horizontalAxis;
        int offset;  // from the start end, inwards
        TCursor cursor;
    };
    const Case cases[] = {
        {.name = "six pixels right of a horizontal axis's left end",
         .horizontalAxis = true,
         .offset = 6,
         .cursor = crSizeWE},
        {.name = "seven pixels right of it", .horizontalAxis = true, .offset = 7, .cursor = crDefault},
        {.name = "six pixels above a vertical axis's bottom end",
         .horizontalAxis = false,
         .offset = 6,
         .cursor = crSizeNS},
        {.name = "seven pixels above it", .horizontalAxis = false, .offset = 7, .cursor = crDefault},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        const TRect r = c.horizontalAxis ? plot.GetXAxis(0)->LayoutRect() : plot.GetYAxis(0)->LayoutRect();
        if (c.horizontalAxis)
            Move(0, r.Left + c.offset, (r.Top + r.Bottom) / 2);
        else
            Move(0, (r.Left + r.Right) / 2, r.Bottom - c.offset);
        EXPECT_EQ(viewer.Cursor(), c.cursor);
    }
}

TEST_F(LayoutViewer, ResizingMovesAnEndInStepsOfTheDataViewMeasuredFromThePress)
{
    const int width = viewer.DataViewRect().Width();
    const int height = viewer.DataViewRect().Height();
    struct Case {
        const char *name;
        bool label;   // the title (spans the view) or the X axis (spans the data view)
        double move;  // percent of the data view's width
        double start;
    };
    const Case cases[] = {
        {.name = "an axis, 1.3 % rounds to one step", .label = false, .move = 1.3, .start = 1.25},
        {.name = "an axis, 1.9 % rounds to two steps", .label = false, .move = 1.9, .start = 2.5},
        {.name = "an axis, 10 %", .label = false, .move = 10, .start = 10},
        {.name = "the title, which spans the whole view, by the data view too", .label = true, .move = 10, .start = 10},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        TiPlotLayoutObject *object = c.label ? static_cast<TiPlotLayoutObject *>(Title()) : plot.GetXAxis(0);
        object->SetStartStopPercent(0, 100);
        Paint();
        const TRect r = object->LayoutRect();
        const int y = (r.Top + r.Bottom) / 2;
        const int press = r.Left + 2;
        Move(0, press, y);
        Press(mbLeft, press, y);
        // A first move away and back counts from the press, not from the step before.
        Move(MK_LBUTTON, press + width / 3, y);
        const int to = press + static_cast<int>(std::lround(width * c.move / 100));
        Move(MK_LBUTTON, to, y);
        Release(mbLeft, to, y);
        EXPECT_DOUBLE_EQ(object->StartPercent(), c.start);
        EXPECT_DOUBLE_EQ(object->StopPercent(), 100);
    }
    // A vertical object by the data view's height, its stop end at the top.
    TiPlotYAxis *axis = plot.GetYAxis(0);
    const TRect r = axis->LayoutRect();
    const int x = (r.Left + r.Right) / 2;
    Move(0, x, r.Top + 2);
    Press(mbLeft, x, r.Top + 2);
    Move(MK_LBUTTON, x, r.Top + 2 + static_cast<int>(std::lround(height * 0.2)));
    Release(mbLeft, x, r.Top + 2);
    EXPECT_DOUBLE_EQ(axis->StopPercent(), 80);
    EXPECT_EQ(changes, 5);
}

TEST_F(LayoutViewer, ALabelDroppedIntoTheMiddleThirdOfAnotherLabelsRowSharesIt)
{
    TiPlotLabel *label = NewLabel();
    const TRect title = Title()->LayoutRect();
    const int third = title.Height() / 3;
    Drag(Centre(label), {title.Left + 40, title.Top + third + 2});
    EXPECT_EQ(label->ZOrder(), Title()->ZOrder());
    EXPECT_EQ(label->Horizontal(), true);
    EXPECT_DOUBLE_EQ(Title()->StartPercent(), 0);
    EXPECT_DOUBLE_EQ(Title()->StopPercent(), 50);
    EXPECT_DOUBLE_EQ(label->StartPercent(), 50);
    EXPECT_DOUBLE_EQ(label->StopPercent(), 100);
    EXPECT_EQ(changes, 1);
}

TEST_F(LayoutViewer, OnlyLabelsLegendsAndTablesChangeTheirOrientationWhenDroppedAcross)
{
    plot.AddTable();
    Paint();
    struct Case {
        const char *name;
        std::function<TiPlotLayoutObject *()> object;
        std::function<TiPlotLayoutObject *()> target;  // an object of the row dropped into
        bool horizontal;                               // afterwards
    };
    const Case cases[] = {
        {.name = "an axis keeps its orientation",
         .object = [this] { return plot.GetXAxis(0); },
         .target = [this] { return plot.GetLegend(0); },
         .horizontal = true},
        {.name = "a label goes upright",
         .object = [this] { return Title(); },
         .target = [this] { return plot.GetLegend(0); },
         .horizontal = false},
        {.name = "a legend lies down",
         .object = [this] { return plot.GetLegend(0); },
         .target = [this] { return plot.GetXAxis(0); },
         .horizontal = true},
        {.name = "a table lies down",
         .object = [this] { return plot.GetTable(0); },
         .target = [this] { return plot.GetXAxis(0); },
         .horizontal = true},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        Paint();
        TiPlotLayoutObject *object = c.object();
        const TRect target = c.target()->LayoutRect();
        // A point near the inner end of the row's first half: below or left of it.
        Drag(Centre(object), {target.Left + 3, target.Top + 3});
        EXPECT_EQ(object->Horizontal(), c.horizontal);
    }
}

TEST_F(LayoutViewer, TheDataViewAndToolbarsCannotBePickedUpAndAToolbarRowTakesDropsOnlyBelowInItsLowerHalf)
{
    for (TiPlotLayoutObject *object :
         std::initializer_list<TiPlotLayoutObject *>{plot.GetDataView(0), plot.GetToolBar(0)}) {
        const TPoint p = Centre(object);
        Move(0, p.X, p.Y);
        Press(mbLeft, p.X, p.Y);
        EXPECT_EQ(viewer.EditMode(), ilemNone);
        EXPECT_EQ(viewer.SelectedBlock(), nullptr);
        Release(mbLeft, p.X, p.Y);
    }
    const TRect toolbar = plot.GetToolBar(0)->LayoutRect();
    EXPECT_EQ(viewer.GetMouseOverBlock2(toolbar.Left + 50, toolbar.Top + 1), nullptr);
    ASSERT_NE(viewer.GetMouseOverBlock2(toolbar.Left + 50, toolbar.Bottom - 1), nullptr);
    EXPECT_TRUE(viewer.GetMouseOverBlock2(toolbar.Left + 50, toolbar.Bottom - 1)->ToolBar);

    // The title dropped on the toolbar's lowest third goes below the toolbar.
    const int toolbarBand = plot.GetToolBar(0)->ZOrder();
    Drag(Centre(Title()), {toolbar.Left + 50, toolbar.Bottom - 1});
    EXPECT_EQ(Title()->ZOrder() + 1, plot.GetToolBar(0)->ZOrder());
    EXPECT_EQ(plot.GetToolBar(0)->ZOrder(), toolbarBand);
}

TEST_F(LayoutViewer, AHiddenBlockIsHatchedAndTheSelectedOneYellow)
{
    const QRgb silver = qRgb(0xC0, 0xC0, 0xC0);
    const QRgb yellow = qRgb(0xFF, 0xFF, 0x00);
    // Pixels of a block near its top-left corner, clear of its name.
    auto corner = [](const QImage &image, const TiPlotLayoutObject *object) {
        const TRect r = object->LayoutRect();
        std::set<QRgb> colours;
        for (int y = r.Top + 1; y < r.Top + 8; ++y)
            for (int x = r.Left + 1; x < r.Left + 8; ++x)
                colours.insert(image.pixel(x, y) & 0xFFFFFF);
        return colours;
    };
    EXPECT_EQ(corner(Paint(), plot.GetLegend(0)), std::set<QRgb>{silver & 0xFFFFFF});

    plot.GetLegend(0)->SetVisible(false);
    const std::set<QRgb> hatched = corner(Paint(), plot.GetLegend(0));
    EXPECT_TRUE(hatched.contains(silver & 0xFFFFFF));
    EXPECT_GT(hatched.size(), 1u);

    const TPoint p = Centre(Title());
    Move(0, p.X, p.Y);
    Press(mbLeft, p.X, p.Y);
    const QImage pressed = Paint();
    Keep(pressed, "layout_viewer_pressed");
    EXPECT_EQ(corner(pressed, Title()), std::set<QRgb>{yellow & 0xFFFFFF});
    EXPECT_EQ(corner(pressed, plot.GetXAxis(0)), std::set<QRgb>{silver & 0xFFFFFF});
    Release(mbLeft, p.X, p.Y);
}

TEST_F(LayoutViewer, ARightPressResetsTheInsertDirectionAndALeftPressKeepsIt)
{
    struct Case {
        const char *name;
        TMouseButton button;
        TiInsertDirection direction;
    };
    const Case cases[] = {
        {.name = "right press", .button = mbRight, .direction = iidMerge},
        {.name = "left press", .button = mbLeft, .direction = iidBelow},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        // A drag over the lowest part of the X axis's row chooses "below" (the label is dropped there).
        TiPlotLabel *label = NewLabel();
        const TRect axis = plot.GetXAxis(0)->LayoutRect();
        Drag(Centre(label), {axis.Left + 20, axis.Bottom - 1});
        ASSERT_EQ(viewer.InsertDirection(), iidBelow);
        const TPoint p = Centre(Title());
        Move(0, p.X, p.Y);
        Press(c.button, p.X, p.Y);
        EXPECT_EQ(viewer.InsertDirection(), c.direction);
        Release(c.button, p.X, p.Y);
    }
}

TEST_F(LayoutViewer, ResizingWhileTheDataViewHasNoWidthChangesNothing)
{
    // Exactly as wide as the rows beside the data view.
    const int c = viewer.CellWidth();
    viewer.SetBounds(0, 0, 10 + 2 * c, 244);
    Paint();
    ASSERT_EQ(viewer.DataViewRect().Width(), 0);
    const TRect title = Title()->LayoutRect();
    const int y = (title.Top + title.Bottom) / 2;
    Move(0, title.Left + 1, y);
    ASSERT_EQ(viewer.Cursor(), crSizeWE);
    Press(mbLeft, title.Left + 1, y);
    Move(MK_LBUTTON, title.Left + 3, y);
    Release(mbLeft, title.Left + 3, y);
    EXPECT_DOUBLE_EQ(Title()->StartPercent(), 0);
    EXPECT_DOUBLE_EQ(Title()->StopPercent(), 100);
}

TEST_F(LayoutViewer, ADropAcrossOntoARowWithoutAnObjectIsRefused)
{
    // The legend's band is moved out past the right rows: the row right of the data view holds
    // nothing (its z-order 2 has no object).
    plot.GetLegend(0)->SetZOrder(3);
    Paint();
    const TBlockObject *empty = nullptr;
    for (int i = 0; i < viewer.BlockCount(); ++i)
        if (!viewer.Block(i)->Horizontal && !viewer.Block(i)->DataView && viewer.Block(i)->ZOrder == 2)
            empty = viewer.Block(i);
    ASSERT_NE(empty, nullptr);
    const int band = Title()->ZOrder();
    Drag(Centre(Title()), {empty->ARect.Left + 2, empty->ARect.Top + 20});
    EXPECT_TRUE(Title()->Horizontal());
    EXPECT_EQ(Title()->ZOrder(), band);
    EXPECT_EQ(changes, 0);
}

TEST_F(LayoutViewer, ARemovedObjectIsForgottenInTheMiddleOfAGesture)
{
    TiPlotLabel *label = NewLabel();
    const TPoint p = Centre(label);
    Move(0, p.X, p.Y);
    Press(mbLeft, p.X, p.Y);
    ASSERT_EQ(viewer.SelectedBlock(), label);
    viewer.ObjectRemoved(label);
    label->Free();
    EXPECT_EQ(viewer.SelectedBlock(), nullptr);
    Move(MK_LBUTTON, p.X + 30, p.Y - 30);
    Release(mbLeft, p.X + 30, p.Y - 30);
    EXPECT_EQ(changes, 0);
}

}  // namespace
