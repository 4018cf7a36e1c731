// Copies between response plot controls, clearing and the curve-area width, and the mouse pan and
// zoom with its read-out.

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <memory>
#include <vector>

#include "curves/LMyFFTDraw.h"
#include "curves/LMyFFTDrawPhase.h"
#include "platform/runtime/FormReader.h"
#include "platform/runtime/TypInfo.h"
#include "platform/ui/ControlsWinControl.h"
#include "platform/ui/PaintBox.h"
#include "tests/curves/CurvesTestSupport.h"
#include "tests/platform/ui/ControlsTestApp.h"

using curvestest::At;

namespace {

// A channel plot, and a plot with every published property away from its construction value.
constexpr char PlotsForm[] = R"(object fmPlotHost: TForm
  ClientWidth = 1100
  ClientHeight = 600
  object fftDraw: LMyFFTDrawPhase
    Left = 10
    Top = 10
    Width = 1070
    Height = 255
    AxisColor = $00880000
    YAutoScale = False
    XAutoScale = False
    XMax = 3840.0
    XMin = 966.0
    GridColor = $00580000
  end
  object fftDrawOther: LMyFFTDrawPhase
    Left = 10
    Top = 300
    Width = 600
    Height = 200
    AutoRedraw = False
    AxisColor = $00123456
    AxisStyle = LB
    XAxisFormat = Log
    YAxisFormat = Log
    ShowXLabel = False
    ShowYLabel = False
    ShowCoordinates = False
    YAutoScale = False
    XAutoScale = False
    MouseControl = False
    PointSize = 7
    YLabelScale = 10.0
    YMax = 500.0
    YMin = 5.0
    XMax = 3000.0
    XMin = 100.0
    XLabelPrecision = 3
    YLabelPrecision = 2
    XLabelDigits = 1
    YLabelDigits = 2
    YLabelFormat = sffFixed
    XLabelFormat = sffExponent
    ShowVertGrid = False
    ShowHorzGrid = False
    NumVertGrid = 4
    NumHorzGrid = 5
    ShowVertTicks = False
    ShowHorzTicks = False
    VertTickLength = 6
    HorzTickLength = 8
    GridColor = $00654321
    ShowXTitle = True
    ShowYTitle = True
    ShowPlotTitle = True
    XTitle = 'Hz'
    YTitle = 'Level'
    YLabel = 'deg'
    PlotTitle = 'Copy me'
    PlotTitleFont.Height = -15
    AxisTitleFont.Height = -20
    AxisLabelFont.Color = clRed
    MouseCoordFont.Color = clBlue
    FFTNuimber = n1024
    SampleRate = n192000
  end
end
)";

struct PlotCopyTest : ::testing::Test {
    std::unique_ptr<TComponent> form{CreateComponentFromText(QString::fromUtf8(PlotsForm), "plots.dfm", nullptr)};
    LMyFFTDrawPhase *plot = dynamic_cast<LMyFFTDrawPhase *>(form->FindComponent("fftDraw"));
    LMyFFTDrawPhase *other = dynamic_cast<LMyFFTDrawPhase *>(form->FindComponent("fftDrawOther"));
    int renders = 0;

    void SetUp() override
    {
        ASSERT_NE(plot, nullptr);
        ASSERT_NE(other, nullptr);
        plot->ResizePaintPage();
        plot->Redraw();
    }
    // The colour a plot's curve page shows at a data point.
    static TColor PageAt(const LResponsePlot &p, double x, double y)
    {
        return At(p.GetPlotPage()->Bitmap()->Image(), static_cast<int>(p.ScreenX(x)), static_cast<int>(p.ScreenY(y)));
    }
    // Control pixels of a point of the curve area.
    TPoint AreaPoint(int x, int y) const { return plot->GetPlotOrigin() + TPoint(x, y); }
    struct Ranges {
        double xMin, xMax, yMin, yMax;
    };
    Ranges RangesOf(const LResponsePlot &p) const { return {p.XMin(), p.XMax(), p.YMin(), p.YMax()}; }
};

void ExpectRanges(const LResponsePlot &p, double xMin, double xMax, double yMin, double yMax, const char *name)
{
    EXPECT_DOUBLE_EQ(p.XMin(), xMin) << name;
    EXPECT_DOUBLE_EQ(p.XMax(), xMax) << name;
    EXPECT_DOUBLE_EQ(p.YMin(), yMin) << name;
    EXPECT_DOUBLE_EQ(p.YMax(), yMax) << name;
}

}  // namespace

TEST_F(PlotCopyTest, ACopyOfTheCurvesListsThemTheOtherWayRound)
{
    // A, then B over the same points: there A lies on top.
    const std::vector<double> level(4096, 3.0);
    plot->FFTDraw(level.data(), 4096, 1, clRed, PlotStyleLine);
    plot->FFTDraw(level.data(), 4096, 2, clWhite, PlotStyleLine);
    ASSERT_EQ(PageAt(*plot, 2000, 3.0), clRed);

    auto target = std::make_unique<LMyFFTDrawPhase>(form.get());
    target->SetBounds(0, 0, 1070, 255);
    target->AssignPlotProperties(*plot);
    target->AssignPlotData(*plot);
    EXPECT_EQ(PageAt(*target, 2000, 3.0), clWhite);

    // The copy holds its own points.
    plot->RemovePlot(2);
    int count = 0;
    EXPECT_TRUE(target->GetPlotNumPoints(count, 2));
    EXPECT_EQ(count, 4096);

    // Appending stores every curve of the other control from its head: id 1 gets the new points
    // and keeps its colour and place, id 3 is new and goes to the head.
    const std::vector<double> higher(4096, 6.0);
    plot->FFTDraw(higher.data(), 4096, 3, clBlue, PlotStyleLine);
    plot->FFTDraw(higher.data(), 4096, 1, clGreen, PlotStyleLine);
    target->AppendPlotData(*plot);
    TColor colour = 0;
    ASSERT_TRUE(target->GetPlotColor(colour, 1));
    EXPECT_EQ(colour, clRed);
    EXPECT_EQ(PageAt(*target, 2000, 6.0), clRed);
    EXPECT_EQ(PageAt(*target, 2000, 3.0), clWhite);

    // A copy of itself keeps the order of its curves.
    target->AppendPlotData(*target);
    EXPECT_EQ(PageAt(*target, 2000, 6.0), clRed);
    target->AssignPlotData(*target);
    EXPECT_EQ(PageAt(*target, 2000, 6.0), clBlue);
}

TEST_F(PlotCopyTest, TheCopyConstructorTakesCurvesAndPropertiesButNotTheSize)
{
    const std::vector<double> level(4096, 3.0);
    other->FFTDraw(level.data(), 4096, 1, clRed, PlotStyleLine);
    other->FFTDraw(level.data(), 4096, 2, clWhite, PlotStyleLine);
    auto copy = std::make_unique<LMyFFTDrawPhase>(*other);
    EXPECT_EQ(copy->Owner(), other->Owner());
    EXPECT_EQ(copy->PlotTitle(), "Copy me");
    EXPECT_EQ(copy->YLabel(), "deg");
    EXPECT_EQ(copy->YLabelScale(), 10.0);
    EXPECT_EQ(copy->SampleRate(), n48000);
    EXPECT_EQ(copy->Width(), 105);
    EXPECT_EQ(copy->Height(), 105);
    TColor colour = 0;
    EXPECT_TRUE(copy->GetPlotColor(colour, 2));
    // A copy of a Log plot converts with the original's bounds.
    EXPECT_DOUBLE_EQ(copy->PlotX(copy->GetPlotOrigin().X), 100.0);

    // The twin copies in the same way.
    LMyFFTDraw twin(form.get());
    twin.FFTDraw(level.data(), 4096, 5, clRed, PlotStyleLine);
    twin.SetXTitle(QStringLiteral("Twin"));
    LMyFFTDraw twinCopy(twin);
    EXPECT_EQ(twinCopy.XTitle(), "Twin");
    EXPECT_TRUE(twinCopy.GetPlotColor(colour, 5));
}

TEST_F(PlotCopyTest, AssignPlotPropertiesCopiesEveryPublishedValueButTheSampleRate)
{
    LMyFFTDrawPhase fresh(form.get());
    LMyFFTDrawPhase target(form.get());
    target.AssignPlotProperties(*other);
    const std::size_t inherited = GetPropList(new TPaintBox(form.get())).size();
    const std::vector<TPropInfo> &props = GetPropList(&target);
    ASSERT_GT(props.size(), inherited);
    const auto text = [](TObject *o, const QString &path) { return GetPropValueText(o, path); };
    for (std::size_t i = inherited; i < props.size(); ++i) {
        const TPropInfo &p = props[i];
        if (p.Kind == TTypeKind::Method || !p.Writable())
            continue;  // OnChange, MouseX, MouseY
        QStringList paths{p.Name};
        if (p.Kind == TTypeKind::Class)
            paths = {p.Name + ".Name", p.Name + ".Height", p.Name + ".Color"};
        bool changed = false;
        for (const QString &path : paths) {
            changed = changed || text(other, path) != text(&fresh, path);
            if (p.Name == "SampleRate")
                EXPECT_EQ(text(&target, path), text(&fresh, path));
            else
                EXPECT_EQ(text(&target, path), text(other, path)) << path.toStdString();
        }
        // The form sets every property away from the construction value, so each check counts.
        EXPECT_TRUE(changed) << p.Name.toStdString();
    }
}

TEST_F(PlotCopyTest, ClearingAndTheCurveAreaWidth)
{
    const std::vector<double> level(4096, 3.0);
    plot->FFTDraw(level.data(), 4096, 1, clRed, PlotStyleLine);
    const TPoint origin = plot->GetPlotOrigin();
    EXPECT_TRUE(plot->SetPlotWidth(300));
    EXPECT_EQ(plot->GetPlotWidth(), 300);
    EXPECT_EQ(plot->GetPlotOrigin(), origin);
    plot->ClearPlot();
    const QImage page = plot->GetPlotPage()->Bitmap()->Image();
    for (int x = 0; x < page.width(); x += 7)
        for (int y = 0; y < page.height(); y += 5)
            ASSERT_EQ(At(page, x, y), clBlack);
    EXPECT_TRUE(plot->SetPlotWidth(-4));
    EXPECT_EQ(plot->GetPlotWidth(), 0);
}

TEST_F(PlotCopyTest, AControlDragZoomsToTheRectangle)
{
    struct Row {
        const char *name;
        TPoint from, to;
    };
    // The rectangle is the box the two corners span, whichever way the drag went.
    const Row rows[] = {
        {.name = "down and right", .from = {100, 50}, .to = {400, 150}},
        {.name = "up and left", .from = {400, 150}, .to = {100, 50}},
    };
    for (const Row &r : rows) {
        plot->SetXYMinMax(966.0, 3840.0, -18.0, 18.0);
        const TPoint from = AreaPoint(r.from.X, r.from.Y), to = AreaPoint(r.to.X, r.to.Y);
        plot->MouseDown1(mbLeft, {ssCtrl, ssLeft}, from.X, from.Y);
        ASSERT_NE(plot->GetZoomRect(), nullptr) << r.name;
        EXPECT_EQ(*plot->GetZoomRect(), TRect(from.X, from.Y, from.X + 2, from.Y + 2)) << r.name;
        plot->MouseMove1({ssCtrl, ssLeft}, to.X, to.Y);
        const TPoint lo = AreaPoint(100, 50), hi = AreaPoint(400, 150);
        EXPECT_EQ(*plot->GetZoomRect(), TRect(lo, hi)) << r.name;
        EXPECT_EQ(plot->XMin(), 966.0) << r.name;  // the ranges wait for the release
        EXPECT_DOUBLE_EQ(plot->MouseX(), plot->PlotX(to.X)) << r.name;
        EXPECT_DOUBLE_EQ(plot->MouseY(), plot->PlotY(to.Y)) << r.name;
        const double xMin = plot->PlotX(lo.X), xMax = plot->PlotX(hi.X);
        const double yMin = plot->PlotY(hi.Y), yMax = plot->PlotY(lo.Y);
        plot->MouseUp1(mbLeft, {ssCtrl}, to.X, to.Y);
        EXPECT_EQ(plot->GetZoomRect(), nullptr) << r.name;
        ExpectRanges(*plot, xMin, xMax, yMin, yMax, r.name);
    }
    // The data value under a pixel: the curve area's corners are its bounds.
    EXPECT_DOUBLE_EQ(plot->PlotX(plot->GetPlotOrigin().X), plot->XMin());
    EXPECT_DOUBLE_EQ(plot->PlotY(plot->GetPlotOrigin().Y + plot->GetPlotHeight()), plot->YMin());
}

TEST_F(PlotCopyTest, PanAndStretchDragsMoveTheRanges)
{
    struct Row {
        const char *name;
        TShiftState shift;
        bool log;
        // Expected ranges from the ranges before, the drag in data units (rx, ry: decades on a
        // Log axis) and whether the axes are Log.
        std::function<Ranges(const Ranges &, double rx, double ry)> expected;
    };
    const auto moved = [](double v, double d, bool log) { return log ? v * std::pow(10.0, d) : v + d; };
    const Row rows[] = {
        {.name = "pan (a drag with Ctrl and Shift)",
         .shift = {ssCtrl, ssShift, ssLeft},
         .log = false,
         .expected =
             [&](const Ranges &r, double rx, double ry) {
                 return Ranges{r.xMin - rx, r.xMax - rx, r.yMin + ry, r.yMax + ry};
             }},
        {.name = "stretch",
         .shift = {ssAlt, ssLeft},
         .log = false,
         .expected =
             [&](const Ranges &r, double rx, double ry) {
                 return Ranges{r.xMin + rx, r.xMax - rx, r.yMin - ry, r.yMax + ry};
             }},
        {.name = "pan on Log axes",
         .shift = {ssLeft},
         .log = true,
         .expected =
             [&](const Ranges &r, double rx, double ry) {
                 return Ranges{moved(r.xMin, -rx, true), moved(r.xMax, -rx, true), moved(r.yMin, ry, true),
                               moved(r.yMax, ry, true)};
             }},
        {.name = "stretch on Log axes",
         .shift = {ssAlt, ssRight},
         .log = true,
         .expected =
             [&](const Ranges &r, double rx, double ry) {
                 return Ranges{moved(r.xMin, rx, true), moved(r.xMax, -rx, true), moved(r.yMin, -ry, true),
                               moved(r.yMax, ry, true)};
             }},
    };
    for (const Row &r : rows) {
        const TMyAxisFormat format = r.log ? TMyAxisFormat::Log : TMyAxisFormat::Linear;
        plot->SetXAxisFormat(format);
        plot->SetYAxisFormat(format);
        plot->SetXYMinMax(r.log ? 10.0 : 966.0, r.log ? 20000.0 : 3840.0, r.log ? 1.0 : -18.0, r.log ? 100.0 : 18.0);
        const Ranges before = RangesOf(*plot);
        const double w = plot->GetPlotWidth(), h = plot->GetPlotHeight();
        const double rx = 30 * (r.log ? std::log10(before.xMax / before.xMin) : before.xMax - before.xMin) / w;
        const double ry = 20 * (r.log ? std::log10(before.yMax / before.yMin) : before.yMax - before.yMin) / h;
        const TPoint start = AreaPoint(200, 100);
        plot->MouseDown1(mbLeft, r.shift, start.X, start.Y);
        plot->MouseMove1(r.shift, start.X + 30, start.Y + 20);
        const Ranges want = r.expected(before, rx, ry);
        EXPECT_NEAR(plot->XMin(), want.xMin, 1e-9 * std::abs(want.xMin)) << r.name;
        EXPECT_NEAR(plot->XMax(), want.xMax, 1e-9 * std::abs(want.xMax)) << r.name;
        EXPECT_NEAR(plot->YMin(), want.yMin, 1e-9 * std::abs(want.yMin)) << r.name;
        EXPECT_NEAR(plot->YMax(), want.yMax, 1e-9 * std::abs(want.yMax)) << r.name;
        EXPECT_EQ(plot->GetZoomRect(), nullptr) << r.name;
        // The release ends the drag: a later move changes nothing.
        plot->MouseUp1(mbLeft, {}, start.X + 30, start.Y + 20);
        plot->MouseMove1({}, start.X + 90, start.Y + 90);
        EXPECT_NEAR(plot->XMin(), want.xMin, 1e-9 * std::abs(want.xMin)) << r.name;
    }
}

TEST_F(PlotCopyTest, WithoutMouseControlTheRangesStayAndThePositionFollows)
{
    plot->SetMouseControl(false);
    plot->SetXAutoScale(true);
    plot->SetYAutoScale(true);
    plot->SetXYMinMax(966.0, 3840.0, -18.0, 18.0);
    int downs = 0, moves = 0, ups = 0, doubles = 0;
    plot->OnMouseDown = [&](TObject *, TMouseButton, TShiftState, int, int) { ++downs; };
    plot->OnMouseMove = [&](TObject *, TShiftState, int, int) { ++moves; };
    plot->OnMouseUp = [&](TObject *, TMouseButton, TShiftState, int, int) { ++ups; };
    plot->OnDblClick = [&](TObject *) { ++doubles; };
    for (TShiftState shift : {TShiftState{ssCtrl, ssLeft}, TShiftState{ssLeft}, TShiftState{ssAlt, ssLeft}}) {
        const TPoint a = AreaPoint(100, 60), b = AreaPoint(300, 160);
        plot->MouseDown1(mbLeft, shift, a.X, a.Y);
        EXPECT_EQ(plot->GetZoomRect(), nullptr);
        plot->MouseMove1(shift, b.X, b.Y);
        EXPECT_DOUBLE_EQ(plot->MouseX(), plot->PlotX(b.X));
        EXPECT_DOUBLE_EQ(plot->MouseY(), plot->PlotY(b.Y));
        plot->MouseUp1(mbLeft, shift, b.X, b.Y);
        plot->DblClick1();
        ExpectRanges(*plot, 966.0, 3840.0, -18.0, 18.0, "no mouse control");
    }
    EXPECT_EQ(downs, 3);
    EXPECT_EQ(moves, 3);
    EXPECT_EQ(ups, 3);
    EXPECT_EQ(doubles, 3);

    // With mouse control a double click lets the ranges follow the curves again.
    plot->SetMouseControl(true);
    const std::vector<double> level(4096, 3.0);
    plot->FFTDraw(level.data(), 4096, 1, clRed, PlotStyleLine);
    plot->SetXYMinMax(966.0, 3840.0, -18.0, 18.0);
    plot->DblClick1();
    ExpectRanges(*plot, 0.0, 4095.0, 3.0, 4.0, "double click");
}

TEST_F(PlotCopyTest, ACurveAreaWithoutPixelsChangesNothing)
{
    plot->SetPlotWidth(0);
    const TPoint a = AreaPoint(100, 60);
    for (TShiftState shift : {TShiftState{ssLeft}, TShiftState{ssAlt, ssLeft}, TShiftState{ssCtrl, ssLeft}}) {
        plot->MouseDown1(mbLeft, shift, a.X, a.Y);
        plot->MouseMove1(shift, a.X + 50, a.Y + 40);
        plot->MouseUp1(mbLeft, shift, a.X + 50, a.Y + 40);
        ExpectRanges(*plot, 966.0, 3840.0, -18.0, 18.0, "no width");
        EXPECT_EQ(plot->MouseX(), 0.0);
        EXPECT_EQ(plot->MouseY(), 0.0);
    }
    EXPECT_EQ(plot->PlotX(500), 966.0);
}

TEST_F(PlotCopyTest, TheZoomRectangleShowsOnTheFormWhileDraggingAndGoesAtTheRelease)
{
    auto *host = dynamic_cast<TWinControl *>(form.get());
    ASSERT_NE(host, nullptr);
    // Without AutoRedraw the zoom leaves the curve page as it is: the release only removes the
    // rectangle.
    plot->SetAutoRedraw(false);
    const TPoint from = AreaPoint(100, 40), to = AreaPoint(400, 150);
    // Pixels of the rectangle's top edge on the form's image that are not the curve area's black.
    const auto edge = [&] {
        const QImage &image = host->BackingImage();
        int lit = 0;
        for (int x = from.X + 4; x < to.X - 4; ++x)
            lit += At(image, plot->Left() + x, plot->Top() + from.Y) != clBlack;
        return lit;
    };
    const int before = edge();
    plot->MouseDown1(mbLeft, {ssCtrl, ssLeft}, from.X, from.Y);
    plot->MouseMove1({ssCtrl, ssLeft}, to.X, to.Y);
    EXPECT_GT(edge(), before + 50);
    if (qEnvironmentVariableIsSet("TROV_SCREENSHOT_DIR"))
        host->BackingImage().save(qEnvironmentVariable("TROV_SCREENSHOT_DIR") + "/ZoomRectangle.png");
    plot->MouseUp1(mbLeft, {ssCtrl}, to.X, to.Y);
    EXPECT_EQ(edge(), before);
    EXPECT_NE(plot->XMin(), 966.0);
}
