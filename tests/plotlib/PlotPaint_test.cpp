// The plot's paint, layout and input: the layout bands around the data view, the layer order of
// the objects inside it, the rendered axes and backgrounds, the data view's mapping and mouse, the
// data cursor, the axis's hint and scale lines, and the plot's own input handling through the
// framework's input router with the hint timing on the manual clock.

#include "PlotTestHelpers.h"
#include "TestPlotControl.h"
#include "platform/ui/StdTestApp.h"

#include "platform/runtime/Exception.h"
#include "platform/runtime/TimerService.h"
#include "platform/ui/Bitmap.h"
#include "platform/ui/Button.h"
#include "platform/ui/ControlsInput.h"
#include "platform/ui/ControlsRender.h"
#include "platform/ui/Forms.h"
#include "plotlib/plot/iXYPlot.h"

#include <QDir>

#include <gtest/gtest.h>

#include <cmath>
#include <memory>

namespace {

// Draws of the recording objects, in order.
QStringList *DrawLog = nullptr;

template <class Base>
class TRecording : public Base {
public:
    using Base::Base;
    void Draw(TCanvas *Canvas, TColor BackGroundColor) override
    {
        Base::Draw(Canvas, BackGroundColor);
        if (DrawLog)
            *DrawLog << Base::Name();
    }
};

// Adds a recording object of the kind to the manager, named Name on layer Layer.
template <class T, class M>
T *AddRecording(TiPlotComponent &Plot, M *Manager, const QString &Name, int Layer)
{
    auto *object = new TRecording<T>(&Plot, Manager->OnChange, Manager->OnInsert, Manager->OnRemove, Manager->OnRename);
    object->DoInsert();
    object->SetName(Name);
    object->SetLayer(Layer);
    return object;
}

TPoint Middle(const TRect &Rect)
{
    return TPoint((Rect.Left + Rect.Right) / 2, (Rect.Top + Rect.Bottom) / 2);
}

void Paint(TiPlotComponent &Plot)
{
    TBitmap bitmap(Plot.Width(), Plot.Height());
    Plot.DrawToCanvas(bitmap.Canvas());
}

// ---- Layout ---------------------------------------------------------------------------------------

TEST(PlotLayout, WithoutBandObjectsTheDataViewFillsTheMargins)
{
    TiXYPlot plot(nullptr);
    plot.SetBorderStyle(ibsNone);
    plot.SetOuterMarginLeft(5);
    plot.SetOuterMarginTop(5);
    plot.SetOuterMarginRight(5);
    plot.SetOuterMarginBottom(5);
    plot.GetToolBar(0)->SetVisible(false);
    plot.GetLegend(0)->SetVisible(false);
    plot.GetLabel(0)->SetVisible(false);
    plot.GetXAxis(0)->SetVisible(false);
    plot.GetYAxis(0)->SetVisible(false);
    Paint(plot);
    EXPECT_EQ(plot.GetDataView(0)->DrawRect(), TRect(5, 5, plot.Width() - 6, plot.Height() - 6));
}

TEST(PlotLayout, ObjectsOfOneZOrderShareARunAndOthersStackOutward)
{
    TiXYPlot plot(nullptr);
    plot.AddXAxis();
    TiPlotAxis *first = plot.GetXAxis(0);
    TiPlotAxis *second = plot.GetXAxis(1);
    first->SetStopPercent(50);
    second->SetStartPercent(50);
    second->SetZOrder(first->ZOrder());
    second->SetTitleShow(true);
    second->SetTitle(QStringLiteral("Thick"));
    Paint(plot);
    EXPECT_EQ(first->DrawRect().Top, second->DrawRect().Top);
    EXPECT_EQ(first->DrawRect().Bottom, second->DrawRect().Bottom) << "the thicker decides for both";
    EXPECT_EQ(first->DrawRect().Height(), second->GetRequiredWidth(TBitmap(10, 10).Canvas()));
    EXPECT_TRUE(first->StopStacked());
    EXPECT_FALSE(first->StartStacked());
    EXPECT_TRUE(second->StartStacked());
    EXPECT_FALSE(second->StopStacked());

    second->SetZOrder(first->ZOrder() + 1);
    Paint(plot);
    EXPECT_EQ(second->DrawRect().Bottom, first->DrawRect().Top) << "the higher z-order nearer the data view";
    EXPECT_FALSE(first->StopStacked());
    EXPECT_FALSE(second->StartStacked());
}

TEST(PlotLayout, ObjectsSpanTheirPercentOfTheBand)
{
    TiXYPlot plot(nullptr);
    TiPlotLegend *legend = plot.GetLegend(0);
    legend->SetHorizontal(true);
    legend->SetStartPercent(25);
    legend->SetStopPercent(75);
    Paint(plot);
    // The X axis spans the whole band: its extent is the data view's before it takes the scales.
    const TRect axis = plot.GetXAxis(0)->DrawRect();
    const int width = axis.Right - axis.Left;
    EXPECT_EQ(legend->DrawRect().Left, axis.Left + static_cast<int>(std::nearbyint(width * 0.25)));
    EXPECT_EQ(legend->DrawRect().Right, axis.Left + static_cast<int>(std::nearbyint(width * 0.75)));
}

TEST(PlotLayout, CartesianAndAxislessCases)
{
    TiXYPlot plot(nullptr);
    TiPlotAxis *child = plot.GetXAxis(0);
    child->SetCartesianStyle(ipcsChild);
    child->SetCartesianChildRefAxisName(QStringLiteral("No such axis"));
    Paint(plot);
    EXPECT_EQ(child->DrawRect(), TRect(0, 0, 0, 0));

    child->SetCartesianChildRefAxisName(plot.GetYAxis(0)->Name());
    child->SetCartesianChildRefValue(50);
    Paint(plot);
    const int y = plot.GetYAxis(0)->PositionToPixels(50);
    EXPECT_EQ(child->DrawRect().Top, y);
    EXPECT_EQ(child->DrawRect().Bottom, y);

    plot.RemoveAllYAxes();
    Paint(plot);
    EXPECT_EQ(plot.GetDataView(0)->DrawRect().Top, plot.Height());
    EXPECT_EQ(plot.GetDataView(0)->DrawRect().Bottom, 0);
}

// ---- Painting -------------------------------------------------------------------------------------

TEST(PlotPaint, ObjectsInsideTheDataViewPaintByLayerThenKind)
{
    TiXYPlot plot(nullptr);
    plot.RemoveAllChannels();
    plot.RemoveAllDataViews();
    TiPlotMasterManager *master = plot.Master();
    QStringList log;
    DrawLog = &log;
    AddRecording<TiPlotDataView>(plot, master->DataViewManager(), QStringLiteral("view"), 0);
    AddRecording<TiPlotAnnotation>(plot, master->AnnotationManager(), QStringLiteral("note 0"), 0);
    AddRecording<TiPlotAnnotation>(plot, master->AnnotationManager(), QStringLiteral("note 1"), 1);
    // A channel draws when it holds a point.
    AddRecording<TiXYPlotChannel>(plot, master->ChannelManager(), QStringLiteral("channel 1"), 1)->AddXY(0, 0);
    AddRecording<TiXYPlotChannel>(plot, master->ChannelManager(), QStringLiteral("channel 0"), 0)->AddXY(0, 0);
    AddRecording<TiPlotLimit>(plot, master->LimitManager(), QStringLiteral("line"), 0)->SetStyle(iplsLineX);
    auto *band = AddRecording<TiPlotLimit>(plot, master->LimitManager(), QStringLiteral("band"), 0);
    band->SetStyle(iplsBandX);
    band->SetFillStyle(bsSolid);
    auto *axis = AddRecording<TiPlotYAxis>(plot, master->YAxisManager(), QStringLiteral("cartesian"), 0);
    axis->SetCartesianStyle(ipcsMaster);
    auto *frame = AddRecording<TiPlotYAxis>(plot, master->YAxisManager(), QStringLiteral("frame axis"), 0);
    Paint(plot);
    DrawLog = nullptr;
    EXPECT_EQ(log, QStringList({"band", "view", "line", "cartesian", "channel 0", "note 0", "channel 1", "note 1",
                                "frame axis"}));
    (void)frame;
}

// An annotation whose drawing fails.
class TFailingAnnotation : public TiPlotAnnotation {
public:
    using TiPlotAnnotation::TiPlotAnnotation;
    void Draw(TCanvas *, TColor) override { throw Exception(QStringLiteral("broken")); }
};

TEST(PlotPaint, AFailingObjectLeavesNoClipBehind)
{
    TiXYPlot plot(nullptr);
    TiPlotAnnotationManager *manager = plot.Master()->AnnotationManager();
    (new TFailingAnnotation(&plot, manager->OnChange, manager->OnInsert, manager->OnRemove, manager->OnRename))
        ->DoInsert();
    TBitmap bitmap(plot.Width(), plot.Height());
    EXPECT_THROW(plot.DrawToCanvas(bitmap.Canvas()), Exception);
    EXPECT_FALSE(bitmap.Canvas()->ClipRegion().has_value());
}

TEST(PlotPaint, APlotMissingAToolbarStillPaintsItsBackground)
{
    TiXYPlot plot(nullptr);
    plot.SetBackGroundColor(clNavy);
    plot.GetDataView(0)->SetBackgroundTransparent(false);
    plot.RemoveAllToolBars();
    QImage image(plot.Width(), plot.Height(), QImage::Format_RGB32);
    image.fill(Qt::magenta);
    TBitmap bitmap(plot.Width(), plot.Height());
    bitmap.Canvas()->Brush()->SetColor(clFuchsia);
    bitmap.Canvas()->FillRect(TRect(0, 0, plot.Width(), plot.Height()));
    plot.DrawToCanvas(bitmap.Canvas());
    const QImage painted = bitmap.ToImage();
    EXPECT_EQ(At(painted, 250, 100), clNavy) << "background, no data view";
    EXPECT_NE(At(painted, 0, 0), clFuchsia) << "the border";
}

TEST(PlotPaint, TicksSitAtTheirPixelsAndTheDataViewHasItsBackground)
{
    TiXYPlot plot(nullptr);
    TiPlotDataView *view = plot.GetDataView(0);
    view->SetBackgroundTransparent(false);
    const QImage image = RenderControlImage(&plot);
    Keep(image, "xyplot-axes");
    int majors = 0;
    for (TiPlotAxis *axis :
         {static_cast<TiPlotAxis *>(plot.GetXAxis(0)), static_cast<TiPlotAxis *>(plot.GetYAxis(0))}) {
        const TRect band = axis->DrawRect();
        for (int i = 0; i < axis->TickListCount(); ++i) {
            const TiPlotTickObject *tick = axis->GetTick(i);
            if (tick->TickType != ipttMajor || !tick->Show)
                continue;
            ++majors;
            const int p = axis->PositionToPixels(tick->Position);
            const int across = axis->InnerMargin() + axis->MajorLength() / 2;
            const bool x = axis == plot.GetXAxis(0);
            EXPECT_EQ(x ? At(image, p, band.Top + across) : At(image, band.Right - across, p), axis->ScaleLinesColor())
                << (x ? "X" : "Y") << " tick at " << tick->Position;
        }
    }
    EXPECT_GT(majors, 4);
    const TRect r = view->DrawRect();
    const TiPlotAxis *xAxis = plot.GetXAxis(0);
    const TiPlotAxis *yAxis = plot.GetYAxis(0);
    // Midway between two grid lines.
    const int x = xAxis->PositionToPixels(xAxis->GetTick(0)->Position) + 3;
    const int y = (r.Top + r.Bottom) / 2 + 3;
    (void)yAxis;
    EXPECT_EQ(At(image, x, y), view->BackgroundColor());

    plot.SetBorderStyle(ibsNone);
    plot.SetBackGroundGradientEnabled(true);
    plot.SetBackGroundGradientDirection(ifdTopBottom);
    plot.SetBackGroundGradientStartColor(clRed);
    plot.SetBackGroundGradientStopColor(clBlue);
    plot.GetToolBar(0)->SetVisible(false);  // its band covers the top
    const QImage gradient = RenderControlImage(&plot);
    Keep(gradient, "xyplot-gradient");
    EXPECT_EQ(At(gradient, 100, 0), clRed);
    EXPECT_EQ(At(gradient, plot.Width() - 1, 0), clRed);
}

// ---- Data view ------------------------------------------------------------------------------------

TEST(PlotDataView, MapsPercentAndPixelsAndAnEmptyRectangleToItsEdge)
{
    TiXYPlot plot(nullptr);
    TiPlotDataView *view = plot.GetDataView(0);
    view->SetDrawRect(TRect(50, 20, 450, 120));
    EXPECT_EQ(view->PositionPercentToPixelsY(0), 120);
    EXPECT_EQ(view->PositionPercentToPixelsY(100), 20);
    EXPECT_EQ(view->PositionPercentToPixelsX(25), 150);
    EXPECT_DOUBLE_EQ(view->PixelsXToPositionPercent(250), 50);
    EXPECT_DOUBLE_EQ(view->PixelsYToPositionPercent(20), 100);

    view->SetDrawRect(TRect(30, 40, 30, 40));
    EXPECT_EQ(view->PositionPercentToPixelsX(70), 30);
    EXPECT_EQ(view->PositionPercentToPixelsY(70), 40);
    EXPECT_DOUBLE_EQ(view->PixelsXToPositionPercent(90), 0);
    EXPECT_DOUBLE_EQ(view->PixelsYToPositionPercent(90), 0);
}

TEST(PlotDataView, TheGridAxisNameFollowsARenameAndAllDrawsEveryAxis)
{
    TiXYPlot plot(nullptr);
    TiPlotDataView *view = plot.GetDataView(0);
    view->SetGridXAxisName(plot.GetXAxis(0)->Name());
    Paint(plot);
    plot.GetXAxis(0)->SetName(QStringLiteral("Time"));
    EXPECT_EQ(view->GridXAxisName(), QStringLiteral("Time"));

    // A second X axis over another range: its grid lines show only with "<all>".
    plot.AddXAxis();
    TiPlotAxis *other = plot.GetXAxis(1);
    other->SetMinSpan(0, 7);
    other->SetVisible(false);
    view->SetBackgroundTransparent(false);
    auto lineAt = [&](const QImage &Image) {
        const int y = view->DrawRect().Top + 5;
        for (int i = 0; i < other->TickListCount(); ++i) {
            const int p = other->PositionToPixels(other->GetTick(i)->Position);
            if (other->GetTick(i)->TickType == ipttMajor && p > view->DrawRect().Left + 2 &&
                p < view->DrawRect().Right - 2 && At(Image, p, y) == view->GridLineColor() &&
                At(Image, p - 1, y) == view->BackgroundColor())
                return true;
        }
        return false;
    };
    Paint(plot);
    other->SetVisible(true);
    const QImage one = RenderControlImage(&plot);
    view->SetGridXAxisName(QStringLiteral("<all>"));
    const QImage all = RenderControlImage(&plot);
    Keep(all, "xyplot-grid-all");
    EXPECT_FALSE(lineAt(one));
    EXPECT_TRUE(lineAt(all));
}

struct DataViewMouse : ::testing::Test {
    TiXYPlot plot{nullptr};
    TiPlotDataView *view = plot.GetDataView(0);
    int popups = 0;
    bool cancelZoom = false;

    DataViewMouse()
    {
        plot.OnPopupMenuDataView = [this](int, bool &Cancel, int, int) {
            ++popups;
            Cancel = true;
        };
        plot.OnBeforeZoomBox = [this](TRect &, bool &Cancel) { Cancel = cancelZoom; };
        Paint(plot);
    }
    TPoint Centre() const { return Middle(view->DrawRect()); }
    void Drag(TMouseButton Button, TPoint From, TPoint To)
    {
        const TShiftState held = Button == mbLeft ? TShiftState{ssLeft} : TShiftState{ssRight};
        TiHintData hint;
        view->iMouseDown(Button, {}, From.X, From.Y, From.X, From.Y, plot.PopupMenu());
        view->iMouseMove(hint, held, To.X, To.Y, To.X, To.Y, false);
        view->iMouseUp(Button, {}, To.X, To.Y, To.X, To.Y, false, plot.PopupMenu());
    }
    // Min of both axes.
    std::pair<double, double> Mins() const { return {plot.GetXAxis(0)->Min(), plot.GetYAxis(0)->Min()}; }
    std::pair<double, double> Spans() const { return {plot.GetXAxis(0)->Span(), plot.GetYAxis(0)->Span()}; }
};

TEST_F(DataViewMouse, WithoutAxesControlPressesAndWheelChangeNothing)
{
    const auto mins = Mins();
    Drag(mbLeft, Centre(), Centre() + TPoint(40, 30));
    EXPECT_FALSE(view->iMouseWheel(120, {}, Centre()));
    EXPECT_EQ(Mins(), mins);
    EXPECT_EQ(view->GetMouseCursor(Centre()), crDefault);
}

TEST_F(DataViewMouse, ARightDragOfMoreThanFivePixelsZoomsToItsBox)
{
    view->SetAxesControlEnabled(true);
    const auto spans = Spans();
    Drag(mbRight, Centre(), Centre() + TPoint(5, 5));
    EXPECT_EQ(Spans(), spans) << "5 pixels start no box";
    EXPECT_EQ(popups, 1) << "and the release shows the menu";

    Drag(mbRight, Centre(), Centre() + TPoint(6, 6));
    EXPECT_LT(Spans().first, spans.first / 10);
    EXPECT_EQ(popups, 1) << "a box shows no menu";

    const auto zoomed = Spans();
    Drag(mbRight, Centre() + TPoint(30, 30), Centre());
    EXPECT_EQ(Spans(), zoomed) << "dragged up and left";
    cancelZoom = true;
    Drag(mbRight, Centre(), Centre() + TPoint(30, 30));
    EXPECT_EQ(Spans(), zoomed) << "cancelled";
}

TEST_F(DataViewMouse, ALeftDragInAxesControlScrollsBothAxes)
{
    view->SetAxesControlEnabled(true);
    const auto mins = Mins();
    Drag(mbLeft, Centre(), Centre() + TPoint(40, 30));
    EXPECT_LT(Mins().first, mins.first);
    EXPECT_GT(Mins().second, mins.second);
    EXPECT_EQ(view->GetMouseCursor(Centre()), crHandPoint);
}

// ---- Data cursor ----------------------------------------------------------------------------------

TEST(PlotDataCursor, ANewCursorAndItsClampedPointers)
{
    TiXYPlot plot(nullptr);
    TiPlotDataCursor *cursor = plot.GetDataCursor(0);
    EXPECT_EQ(cursor->Pointer1Position(), 50);
    EXPECT_EQ(cursor->Pointer1Orientation(), ioVertical);
    EXPECT_EQ(cursor->Pointer2Position(), 60);
    EXPECT_EQ(cursor->Pointer2Orientation(), ioHorizontal);
    EXPECT_EQ(cursor->HintPosition(), 50);
    EXPECT_EQ(cursor->Style(), ipcsValueXY);
    EXPECT_FALSE(cursor->Visible());
    cursor->SetPointer1Position(150);
    EXPECT_EQ(cursor->Pointer1Position(), 100);
    cursor->SetPointer1Position(-3);
    EXPECT_EQ(cursor->Pointer1Position(), 0);
}

TEST(PlotDataCursor, InterpolatingAnXYChannelGivesNullAndChangesNothing)
{
    TiXYPlot plot(nullptr);
    TiXYPlotChannel *channel = plot.GetChannel(0);
    channel->AddXY(0, 0);
    channel->AddXY(10, 10);
    TiPlotDataCursor *cursor = plot.GetDataCursor(0);
    cursor->SetChannelName(QStringLiteral("<All>"));
    double y = 5;
    EXPECT_EQ(cursor->GetInterpolatedYValue(channel->Name(), 5, y), ipdpsNull);
    EXPECT_EQ(y, 0);
    EXPECT_FALSE(cursor->Visible());
    EXPECT_EQ(cursor->ChannelName(), QStringLiteral("<All>"));
    EXPECT_EQ(cursor->Pointer1Position(), 50);
}

TEST(PlotDataCursor, TheHintFlipsToStayInsideAndAllChannelsShowNone)
{
    TiXYPlot plot(nullptr);
    TiPlotDataCursor *cursor = plot.GetDataCursor(0);
    cursor->SetVisible(true);
    cursor->SetChannelName(plot.GetChannel(0)->Name());
    cursor->SetPointer1Position(97);
    plot.OnDataCursorCustomizeHint = [](int, QString &Text) { Text = QStringLiteral("A long enough hint"); };
    const QImage image = RenderControlImage(&plot);
    Keep(image, "xyplot-cursor");
    const TRect view = plot.GetDataView(0)->DrawRect();
    ASSERT_TRUE(cursor->HintShowing());
    EXPECT_EQ(cursor->HintOrientationSide(), iosTopLeft);
    EXPECT_LE(cursor->HintRect().Right, Middle(cursor->Pointer1Rect()).X);
    EXPECT_GE(cursor->HintRect().Left, view.Left);
    EXPECT_LE(cursor->HintRect().Right, view.Right);

    cursor->SetChannelName(QStringLiteral("<All>"));
    Paint(plot);
    EXPECT_FALSE(cursor->HintShowing());
}

TEST(PlotDataCursor, SnappingKeysOnAnXYPlotMoveAsWithoutSnapping)
{
    TiXYPlot plot(nullptr);
    TiPlotDataCursor *cursor = plot.GetDataCursor(0);
    cursor->SetVisible(true);
    Paint(plot);
    WORD right = VK_RIGHT;
    cursor->iKeyDown(right, {}, plot.PopupMenu());
    const double moved = cursor->Pointer1Position();
    EXPECT_GT(moved, 50);
    cursor->SetPointer1Position(50);
    cursor->SetSnapToDataPoint(true);
    cursor->iKeyDown(right, {}, plot.PopupMenu());
    EXPECT_DOUBLE_EQ(cursor->Pointer1Position(), moved);
    WORD end = VK_END;
    cursor->iKeyDown(end, {}, plot.PopupMenu());
    EXPECT_DOUBLE_EQ(cursor->Pointer1Position(), 100);
}

// ---- Axis wheel, keys, hint and drawing -------------------------------------------------------------

TEST(PlotAxisInput, AHiddenTitleShowsAsAHintAboveTheMouse)
{
    TiXYPlot plot(nullptr);
    TiPlotAxis *axis = plot.GetYAxis(0);
    axis->SetTitle(QStringLiteral("Gain"));
    TiPlotMouseData mouse;
    mouse.X = 20;
    mouse.Y = 100;
    TiHintData hint;
    axis->SetTitleShow(true);
    axis->DoMouseHint(mouse, hint);
    EXPECT_TRUE(hint.Text.isEmpty());
    axis->SetTitleShow(false);
    axis->DoMouseHint(mouse, hint);
    EXPECT_EQ(hint.Text, QStringLiteral("Gain"));
    EXPECT_EQ(hint.Left, 20);
    EXPECT_EQ(hint.Top, 80);
    EXPECT_GT(hint.Width, 4);
}

TEST(PlotAxisInput, WithoutScaleLinesAnAxisDrawsNoLineAndNoTicks)
{
    TiXYPlot plot(nullptr);
    TiPlotAxis *axis = plot.GetXAxis(0);
    axis->SetLabelsVisible(false);
    const QImage with = RenderControlImage(&plot);
    axis->SetScaleLinesShow(false);
    const QImage without = RenderControlImage(&plot);
    const TRect band = axis->DrawRect();
    int lit = 0;
    for (int y = band.Top + 1; y < band.Bottom; ++y)
        for (int x = band.Left; x <= band.Right; ++x)
            lit += At(without, x, y) == axis->ScaleLinesColor() ? 1 : 0;
    EXPECT_EQ(lit, 0);
    EXPECT_NE(with, without);
}

// ---- The plot's input through the framework ---------------------------------------------------------

struct PlotInput : ::testing::Test {
    TManualClockScope clock;
    TForm *form = new TForm(nullptr);
    TiXYPlot *plot = new TiXYPlot(form);
    QStringList events;

    PlotInput()
    {
        form->SetBounds(0, 0, 600, 300);
        plot->SetParent(form);
        plot->SetBounds(0, 0, 500, 200);
        form->Show();
        Paint(*plot);
        plot->OnClickDataView = [this](int) { events << QStringLiteral("click"); };
        plot->OnDblClickDataView = [this](int) { events << QStringLiteral("double click"); };
    }
    ~PlotInput() override
    {
        TInputRouter::MouseLeft();
        delete form;
    }
    TPoint OnYAxis() const { return Middle(plot->GetYAxis(0)->FocusRect()); }
    TPoint InView() const { return Middle(plot->GetDataView(0)->DrawRect()); }
};

TEST_F(PlotInput, AShiftClickSelectsAnAxisAndMovesDragNothingUntilRelease)
{
    TiPlotAxis *axis = plot->GetYAxis(0);
    const double min = axis->Min();
    TInputRouter::MouseDown(form, mbLeft, {ssShift}, OnYAxis());
    EXPECT_TRUE(axis->UserSelected());
    TInputRouter::MouseMove(form, {ssShift, ssLeft}, OnYAxis() + TPoint(0, 40));
    EXPECT_EQ(axis->Min(), min);
    TInputRouter::MouseUp(form, mbLeft, {ssShift}, OnYAxis() + TPoint(0, 40));
    TInputRouter::MouseDown(form, mbLeft, {}, OnYAxis());
    TInputRouter::MouseMove(form, {ssLeft}, OnYAxis() + TPoint(0, 40));
    TInputRouter::MouseUp(form, mbLeft, {}, OnYAxis() + TPoint(0, 40));
    EXPECT_NE(axis->Min(), min) << "a plain drag scrolls again";
}

TEST_F(PlotInput, ARightClickOnTheLegendClearsTheSelectionsAndCaptures)
{
    plot->OnPopupMenuLegend = [](int, bool &Cancel, int, int) { Cancel = true; };
    int legendDowns = 0;
    plot->OnMouseDownLegend = [&](int, TMouseButton, TShiftState, int, int) { ++legendDowns; };
    TInputRouter::Click(form, OnYAxis());
    ASSERT_TRUE(plot->GetYAxis(0)->UserSelected());
    // Below the legend's entries (an entry acts as its channel).
    const TRect legend = plot->GetLegend(0)->DrawRect();
    ASSERT_GT(legend.Height(), 40);
    const TPoint onLegend(legend.Left + 2, legend.Bottom - 3);
    TInputRouter::MouseDown(form, mbRight, {}, onLegend);
    EXPECT_FALSE(plot->GetYAxis(0)->UserSelected());
    EXPECT_EQ(TInputRouter::CaptureControl(), plot);
    EXPECT_EQ(legendDowns, 1);
    TInputRouter::MouseUp(form, mbRight, {}, onLegend);
}

TEST_F(PlotInput, AnAxisHintShowsAfterThePauseAndHidesLater)
{
    plot->GetYAxis(0)->SetTitleShow(false);
    plot->GetYAxis(0)->SetTitle(QStringLiteral("Level"));
    TInputRouter::MouseMove(form, {}, OnYAxis());
    TInputRouter::MouseMove(form, {}, OnYAxis() + TPoint(0, 1));
    TManualClock::Advance(plot->HintsPause() - 1);
    EXPECT_FALSE(plot->HintData().Visible);
    TManualClock::Advance(1);
    EXPECT_TRUE(plot->HintData().Visible);
    EXPECT_EQ(plot->HintData().Text, QStringLiteral("Level"));
    TManualClock::Advance(plot->HintsHidePause() - 1);
    EXPECT_TRUE(plot->HintData().Visible);
    TManualClock::Advance(1);
    EXPECT_FALSE(plot->HintData().Visible);
}

TEST_F(PlotInput, RemovingTheHintedObjectHidesAndForgetsTheHint)
{
    plot->AddYAxis();
    Paint(*plot);
    TiPlotAxis *axis = plot->GetYAxis(1);
    axis->SetTitleShow(false);
    axis->SetTitle(QStringLiteral("Level"));
    const TPoint on = Middle(axis->FocusRect());
    TInputRouter::MouseMove(form, {}, on);
    TManualClock::Advance(plot->HintsPause());
    ASSERT_TRUE(plot->HintData().Visible);
    plot->DeleteYAxis(1);
    EXPECT_FALSE(plot->HintData().Visible);
    TManualClock::Advance(plot->HintsHidePause() * 2);
    TInputRouter::MouseMove(form, {}, on + TPoint(0, 1));
    EXPECT_FALSE(plot->HintData().Visible);
}

TEST_F(PlotInput, TheReleaseAfterADoubleClickIsADoubleClick)
{
    TInputRouter::Click(form, InView());
    TInputRouter::MouseDoubleClick(form, mbLeft, {}, InView());
    TInputRouter::MouseUp(form, mbLeft, {}, InView());
    TInputRouter::Click(form, InView());
    EXPECT_EQ(events, QStringList({"click", "double click", "click"}));
}

TEST_F(PlotInput, ArrowKeysReachTheSelectedAxis)
{
    // A neighbour the arrows would move the focus to, were they not the plot's.
    auto *neighbour = new TButton(form);
    neighbour->SetParent(form);
    neighbour->SetBounds(510, 10, 75, 25);
    TInputRouter::Click(form, OnYAxis());
    ASSERT_EQ(TInputRouter::FocusedWindow(), plot);
    TiPlotAxis *axis = plot->GetYAxis(0);
    const double min = axis->Min();
    TInputRouter::KeyDown(VK_UP, {});
    EXPECT_NEAR(axis->Min(), min + axis->Span() / 100, 1e-9);
    TInputRouter::KeyDown(VK_DOWN, {});
    EXPECT_NEAR(axis->Min(), min, 1e-9);
    EXPECT_EQ(TInputRouter::FocusedWindow(), plot);
}

}  // namespace
