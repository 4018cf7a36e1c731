#pragma once
// LResponsePlot: the body shared by the response plot controls (LMyFFTDrawPhase and its
// magnitude-only twin). A windowless paint box that draws any number of curves, each a list of
// (x, y) points kept under an integer id, over a grid with frequency labels along the bottom and
// value labels along the left, and on top of that up to 50 band markers, the selected band's
// parameter text and translucent fill, optional parameter texts at every marker, a vertical line
// and one free text.
//
// Everything is drawn into off-screen pages (TPaintPage), one per area of the control, and a page
// reaches the screen only when it is copied onto the control's canvas (UpdatePaintPage). Outside
// painting the canvas of this windowless control draws onto its parent's image under it, which is
// how the copies show at once; without a parent they go nowhere.
//
// Every copy of a page to the screen is preceded by the overlay pass on the curve page (markers,
// vertical line, free text, then the selected band's text and fill). The overlay pass adds to what
// the page holds; only the plot pass (DrawAllPlots) clears it, so a marker that moved stays visible
// at its old place until the next plot pass and a fill painted twice grows denser. The passes of a
// drag tick paint the same fill again and again: its figure is built and recorded once and then
// blended again pixel by pixel (TranslucentStamp), which leaves every pixel as painting it does.
//
// Curve changes (FFTDraw, RemovePlot) rebuild the curve page and both label pages when AutoRedraw
// is set but do not copy the curve page to the screen: the caller does that with UpdateCurvePage.
// Coordinates reported (ScreenX/ScreenY, GetBlockPos) are curve-area pixels: x from the curve
// area's left edge, y from its top edge; GetPlotOrigin says where the curve area lies on the
// control.
//
// What the two controls do differently is behind the protected hooks: the Y label values and
// suffix, the lines of the parameter texts and their offsets, and the type a marker's parameter
// text is drawn with. GUI thread only; nothing reports an error.

#include <QString>

#include <array>
#include <cstdint>
#include <initializer_list>
#include <memory>
#include <optional>
#include <span>
#include <string_view>
#include <vector>

#include "curves/PaintPage.h"
#include "curves/PlotAxisTypes.h"
#include "curves/PlotList.h"
#include "curves/TranslucentStamp.h"
#include "platform/ui/PaintBox.h"

// Shape of a band marker.
enum BlockKind : int {
    bkSquare,    // square, caption slot + 1
    bkCircle,    // circle, caption slot + 1; parameter text while ParameterDisplay is on
    bkLowPass,   // square, caption "LPF"
    bkHighPass,  // square, caption "HPF"
};
inline constexpr int BlockSlotCount = 50;
// Points of the selected band's fill curve.
inline constexpr int FillPointCount = 4096;

// A text a drawing pass put on a page: what and where (page pixels, top-left of the text).
struct TDrawnText {
    QString Text;
    int X = 0;
    int Y = 0;
    friend bool operator==(const TDrawnText &, const TDrawnText &) = default;
};

// The lines of a band's parameter text: which value each line shows and its offset from the
// marker's y.
enum class ParamLineKind { Q, Frequency, Gain };
struct ParamLine {
    ParamLineKind Kind;
    int Offset;
};
struct ParamLineSet {
    std::array<ParamLine, 3> Lines{};
    int Count = 0;
};

class LResponsePlot : public TPaintBox {
    T_DECLARE_CLASS(LResponsePlot, TPaintBox)
    ~LResponsePlot() override;

    // ---- Published properties (getters; the virtual setters follow in their slot order) ----
    bool AutoRedraw() const { return FAutoRedraw; }
    TColor AxisColor() const { return FAxisColor; }
    TMyAxisStyle AxisStyle() const { return FAxisStyle; }
    TMyAxisFormat XAxisFormat() const { return FXAxisFormat; }
    TMyAxisFormat YAxisFormat() const { return FYAxisFormat; }
    bool ShowXLabel() const { return FShowXLabel; }
    bool ShowYLabel() const { return FShowYLabel; }
    bool ShowCoordinates() const { return FShowCoordinates; }
    bool YAutoScale() const { return FYAutoScale; }
    bool XAutoScale() const { return FXAutoScale; }
    bool MouseControl() const { return FMouseControl; }
    void SetMouseControl(bool value) { FMouseControl = value; }
    int PointSize() const { return FPointSize; }
    double YMax() const { return FYMax; }
    double YMin() const { return FYMin; }
    double XMax() const { return FXMax; }
    double XMin() const { return FXMin; }
    double MouseX() const { return FMouseX; }
    double MouseY() const { return FMouseY; }
    int XLabelPrecision() const { return FXLabelPrecision; }
    int YLabelPrecision() const { return FYLabelPrecision; }
    int XLabelDigits() const { return FXLabelDigits; }
    int YLabelDigits() const { return FYLabelDigits; }
    TStringFloatFormat YLabelFormat() const { return FYLabelFormat; }
    TStringFloatFormat XLabelFormat() const { return FXLabelFormat; }
    bool ShowVertGrid() const { return FShowVertGrid; }
    bool ShowHorzGrid() const { return FShowHorzGrid; }
    int NumVertGrid() const { return FNumVertGrid; }
    int NumHorzGrid() const { return FNumHorzGrid; }
    bool ShowVertTicks() const { return FShowVertTicks; }
    bool ShowHorzTicks() const { return FShowHorzTicks; }
    int VertTickLength() const { return FVertTickLength; }
    int HorzTickLength() const { return FHorzTickLength; }
    TColor GridColor() const { return FGridColor; }
    bool ShowXTitle() const { return FShowXTitle; }
    bool ShowYTitle() const { return FShowYTitle; }
    bool ShowPlotTitle() const { return FShowPlotTitle; }
    const QString &XTitle() const { return FXTitle; }
    const QString &YTitle() const { return FYTitle; }
    const QString &PlotTitle() const { return FPlotTitle; }
    TFont *PlotTitleFont() const { return FPlotTitleFont.get(); }
    TFont *AxisTitleFont() const { return FAxisTitleFont.get(); }
    TFont *AxisLabelFont() const { return FAxisLabelFont.get(); }
    TFont *MouseCoordFont() const { return FMouseCoordFont.get(); }
    TFFTNumber FFTNuimber() const { return FFFTNuimber; }
    void SetFFTNuimber(TFFTNumber value) { FFFTNuimber = value; }
    TSampleRate SampleRate() const { return FSampleRate; }
    void SetSampleRate(TSampleRate value) { FSampleRate = value; }

    // Calls OnChange when assigned; nothing in the program calls it.
    virtual void Change();
    // Draws the axis at once, whatever AutoRedraw.
    virtual void SetAxisColor(TColor value);
    virtual void SetAxisStyle(TMyAxisStyle value);
    // Switching to Log replaces non-positive bounds (max <= 0: 10 and 1; else min <= 0: 0.1 x max).
    virtual void SetYAxisFormat(TMyAxisFormat value);
    virtual void SetXAxisFormat(TMyAxisFormat value);
    // The label format setters re-apply ShowYLabel (resp. ShowXLabel) with its own value.
    virtual void SetYLabelFormat(TStringFloatFormat value);
    virtual void SetXLabelFormat(TStringFloatFormat value);
    virtual void SetYLabelPrecision(int value);
    virtual void SetXLabelPrecision(int value);
    virtual void SetYLabelDigits(int value);
    virtual void SetXLabelDigits(int value);
    // The Show... setters lay the pages out again and redraw.
    virtual void SetShowXLabel(bool value);
    virtual void SetShowYLabel(bool value);
    virtual void SetShowCoordinates(bool value);
    virtual void SetYAutoScale(bool value);
    virtual void SetXAutoScale(bool value);
    // Bounds: equal bounds are separated (max = min + 1, or min x 10 on a Log axis).
    virtual void SetYMax(double value);
    virtual void SetYMin(double value);
    virtual void SetXMax(double value);
    virtual void SetXMin(double value);
    // Kept within 1 to 10.
    virtual void SetPointSize(int value);
    virtual void SetShowHorzGrid(bool value);
    virtual void SetShowVertGrid(bool value);
    virtual void SetShowHorzTicks(bool value);
    virtual void SetShowVertTicks(bool value);
    // Kept within 0 and Width (resp. Height).
    virtual void SetHorzTickLength(int value);
    virtual void SetVertTickLength(int value);
    // Negative counts as 0.
    virtual void SetNumHorzGrid(int value);
    virtual void SetNumVertGrid(int value);
    virtual void SetGridColor(TColor value);
    // Turning it on redraws everything.
    virtual void SetAutoRedraw(bool value);
    virtual void SetShowXTitle(bool value);
    virtual void SetShowYTitle(bool value);
    virtual void SetShowPlotTitle(bool value);
    virtual void SetXTitle(const QString &value);
    virtual void SetYTitle(const QString &value);
    virtual void SetPlotTitle(const QString &value);
    // The fonts take a copy of `value` and hand it to their pages.
    virtual void SetPlotTitleFont(TFont *value);
    virtual void SetAxisTitleFont(TFont *value);
    virtual void SetAxisLabelFont(TFont *value);
    virtual void SetMouseCoordFont(TFont *value);

    TNotifyEvent OnChange;

    // ---- Curves ----
    // Stores the curve with x = 0, 1, ..., n - 1 and, with AutoRedraw, rebuilds the curve and label
    // pages (the curve page is not copied to the screen). True when an existing id was replaced
    // (its colour and style kept). n < 1 stores nothing and answers false.
    bool FFTDraw(const double *y, int n, int id, TColor colour, TMyPlotStyle style);
    // The same with the caller's x values.
    bool FFTDraw(const double *x, const double *y, int n, int id, TColor colour, TMyPlotStyle style);
    // The same with x evenly from x0 to x1 (a single point lies at x0).
    bool FFTDraw(const double *y, int n, double x0, double x1, int id, TColor colour, TMyPlotStyle style);
    // False, and nothing else, when the id is not on the plot.
    bool RemovePlot(int id);
    bool GetPlotStyle(TMyPlotStyle &style, int id) const;
    bool GetPlotColor(TColor &colour, int id) const;
    bool GetPlotNumPoints(int &count, int id) const;
    // Copy the curve's values into `out`, at most out.size() of them.
    bool GetPlotX(std::span<double> out, int id) const;
    bool GetPlotY(std::span<double> out, int id) const;
    bool SetPlotStyle(TMyPlotStyle style, int id);
    bool SetPlotColor(TColor colour, int id);

    // ---- Drawing passes ----
    // Clears the curve page and draws grid, ticks, axis and every curve (nothing while hidden).
    void DrawAllPlots();
    void DrawXAxisLabels();
    void DrawYAxisLabels();
    void DrawPlotsAndLabelsNoUpdate();
    void DrawPlotsAndLabels();
    void DrawTitles();
    void Redraw();
    // The overlay pass, then the page copied onto the control's canvas at its place.
    void UpdatePaintPage(TPaintPage *page);
    void RedrawScreen();
    // Lays the pages out for the control's size and the areas switched on.
    void ResizePaintPage();
    void DrawGrid();
    void DrawTicks();
    void DrawAxis();
    void DrawOnePlot(const TPlotListMember &plot);
    void FindXMaxMin();
    void FindYMaxMin();
    void CalculateLogMaxMin();
    void CompareMaxMin();

    // ---- Curve area ----
    int GetPlotWidth() const;
    int GetPlotHeight() const;
    // Top-left corner of the curve area on the control, as the last layout placed it.
    TPoint GetPlotOrigin() const;
    // Curve-area pixels of a data value (truncate toward zero for a pixel position).
    double ScreenX(double x) const;
    double ScreenY(double y) const;
    double FFTScreenX(double x) const { return ScreenX(x); }
    double FFTScreenY(double y) const { return ScreenY(y); }

    // ---- Band markers (slots 0 to 49; other slots are ignored) ----
    // Stores the marker and draws it at once, also when hidden (hidden only keeps later overlay
    // passes from drawing it).
    void DrawBlock(double y, double x, TColor colour, int slot, bool hidden, int kind);
    // The values of the slot's parameter text.
    void SetBlockParameter(int slot, double freq, double gain, double q, int filterType);
    void SetBlockPosition(double sx, double sy, int slot);
    // The marker's position in curve-area pixels; (0, 0) for a slot outside 0 to 49.
    TPoint GetBlockPos(int slot) const;
    void BlockPaint();

    // ---- Selected band ----
    // Stores the band's values and draws its parameter text at once.
    void DrawParam(int type, double gain, double x, float freq, double q, TColor colour);
    // Draws a parameter text; stores nothing.
    void ShowParam(int type, double gain, double x, float freq, double q, TColor colour);
    // Copies y[0 .. n-1] (at most 4096 points) as the band's fill curve and draws its fill at
    // once; the fill's baseline follows the last DrawParam, not `type`. The painting itself waits
    // for the next use of the curve page (any drawing on it, a copy, GetPlotPage): a plot pass
    // before that paints the page over, and the fill would not show anyway.
    void DrawCurveFill(int type, const double *y, int n);
    // Whether the overlay pass draws the selected band's text and fill.
    void SetCurveDisplay(bool value) { CurveDisplay = value; }
    void CuveDisplayPaint();
    // Whether the overlay pass writes the parameter text at every circle marker.
    void SetParameterDisplay(bool value) { ParameterDisplay = value; }
    bool GetParameterDisplay() const { return ParameterDisplay; }

    // ---- Free text, vertical line ----
    // Replaces the one free text (8-bit font name and text) and draws it at once.
    void DrawTextA(int x, int y, int size, TColor colour, std::string_view fontName, std::string_view text);
    void TextPaint();
    void DrawLine(double x, TColor colour, bool marker);
    void LinePaint();
    void SetLineSize(int value);

    // The overlay pass on the curve page, then the curve page on the screen.
    void UpdateCurvePage();

    // ---- Clearing, curve-area width (nothing in the program calls them) ----
    // Clears every page that is shown to the control colour; nothing reaches the screen.
    void ClearPlot();
    // The curve page's bitmap becomes `width` pixels wide (negative counts as 0); where the page
    // sits on the control stays. Always true.
    bool SetPlotWidth(int width);

    // ---- Mouse pan and zoom with a read-out of the position --------------------------------------
    // Plain operations: the framework's mouse input never reaches them. Each first runs the paint
    // box's own handling of the event (firing OnMouseDown, OnMouseMove, OnMouseUp or OnDblClick).
    // A press of the left button picks the drag: exactly {Alt, left} or {Alt, right} stretches the
    // ranges, else exactly {Ctrl, left} drags a zoom rectangle, else the ranges pan. The ranges
    // change only while MouseControl is set; MouseX and MouseY follow every move. With a curve area
    // of no width or height nothing changes but the last mouse position.
    virtual void MouseMove1(TShiftState shift, int x, int y);
    virtual void MouseDown1(TMouseButton button, TShiftState shift, int x, int y);
    virtual void MouseUp1(TMouseButton button, TShiftState shift, int x, int y);
    // With MouseControl: both ranges follow the curves again (auto-scale permitting) and redraw.
    virtual void DblClick1();
    // Data value under control pixel x (resp. y); the curve area's left (resp. bottom) bound when
    // the area has no width (resp. height).
    double PlotX(double x) const;
    double PlotY(double y) const;
    // Stores the four bounds (log bounds recomputed, equal bounds separated); redraws with
    // AutoRedraw.
    void SetXYMinMax(double xMin, double xMax, double yMin, double yMax);
    // Writes "x = ..." and "y = ..." of MouseX and MouseY on the coordinate page while
    // ShowCoordinates is set and the control is visible.
    void DrawMouseCoord();
    // The zoom rectangle while a zoom drag lasts (control pixels); null otherwise.
    const TRect *GetZoomRect() const { return ZoomRect.get(); }

    // ---- What the last passes drew, in drawing order (for tests and screenshots) ----
    const std::vector<TDrawnText> &DrawnXLabels() const { return drawnXLabels_; }
    const std::vector<TDrawnText> &DrawnYLabels() const { return drawnYLabels_; }
    // Parameter texts since the last overlay pass or DrawParam began (curve-page pixels).
    const std::vector<TDrawnText> &DrawnParamTexts() const { return drawnParamTexts_; }
    // The curve page, with the fill DrawCurveFill asked for painted on it.
    TPaintPage *GetPlotPage() const;

protected:
    explicit LResponsePlot(TComponent *AOwner);
    // Construction of a copy: a paint box of `AOwner` with empty titles, keeping the paint box's own
    // size and colour; the copy constructors then take everything else from the original.
    struct CopyConstruction {};
    LResponsePlot(TComponent *AOwner, CopyConstruction);
    void Paint() override;

    // ---- Copies from another control of the same class (the derived classes' typed operations) ----
    // New plot list, pages and fonts, then a copy of the curves, the properties, the bounds found
    // again, the layout and, with AutoRedraw, a redraw.
    void AssignPlotFrom(const LResponsePlot &other);
    // The curves become a copy of other's, listed in reverse order (so the one drawn last there,
    // on top, is drawn first here); then the bounds, the layout and, with AutoRedraw, a redraw.
    void AssignPlotDataFrom(const LResponsePlot &other);
    // Other's curves are stored here, from its most recent one: an id already here gets the new
    // points and keeps colour, style and place. Then as AssignPlotDataFrom.
    void AppendPlotDataFrom(const LResponsePlot &other);
    // Copies the published properties' values without their setters (not SampleRate, MouseX,
    // MouseY), the fonts' contents included; then Redraw with AutoRedraw.
    void AssignPlotPropertiesFrom(const LResponsePlot &other);
    // Copies the values of the properties a derived class adds (called by the copy above).
    virtual void CopyOwnProperties(const LResponsePlot &) {}

    // ---- What the two controls do differently ----
    // A Y label shows value x this, followed by the suffix.
    virtual double YLabelValueScale() const { return 1.0; }
    virtual QString YLabelSuffix() const { return QStringLiteral("dB"); }
    // Lines of a parameter text drawn by ShowParam.
    virtual ParamLineSet ParamTextLines(int type, double gain) const = 0;
    // Lines of the selected band's text drawn by the overlay pass.
    virtual ParamLineSet SelectedParamTextLines(int type, double gain) const = 0;
    // The type a circle marker's parameter text is drawn with, from its stored filter type.
    virtual int MarkerParamType(double filterType) const = 0;

private:
    // A font setter: copy `value` into `font`, hand it to the pages, lay out, redraw everything
    // (or only the plot and labels) when AutoRedraw.
    void TakeFont(TFont &font, TFont *value, std::initializer_list<TPaintPage *> pages, bool everything);
    double LabelScaledY(double v) const { return v * YLabelValueScale(); }
    QString XLabelText(double value) const;
    QString YLabelText(double value) const;
    void CopyToScreen(TPaintPage *page);
    void OverlayPass();
    void DrawMarker(TCanvas *c, double sx, double sy, int slot, int kind);
    void DrawParamLines(const ParamLineSet &lines, double gain, double x, float freq, double q, TColor colour);
    // The selected band's fill of the overlay pass, from FillCurve.
    void PaintSelectedFill();
    // Whether a marker at curve-page pixel (sx, sy), with its caption and parameter text, lies
    // wholly outside the page.
    bool MarkerOffPage(double sx, double sy) const;
    // Where the selected band's fill lies on the curve page: the curve's integer points, the
    // baseline (left, right, zero and edge) and the band type that chooses its segments.
    struct FillShape {
        std::vector<GpPoint> Points;
        std::array<REAL, 4> Baseline{};
        int Type = 0;
    };
    // The figure of a fill shape as GDI+ paths: the spline alone and the spline with its
    // baseline segments, and the record of the overlay passes' painting of them.
    struct FillFigure {
        FillShape Shape;
        GpPathPtr Curve;
        GpPathPtr Figure;
        TranslucentStamp Stamp;
    };
    // What the shape of the selected band's fill follows: the fill curve (counted by its
    // changes), the page size, the axes and the band's type and gain.
    struct FillInputs {
        std::uint64_t CurveVersion = 0;
        int Width = 0, Height = 0;
        double XMin = 0, XMax = 0, YMin = 0, YMax = 0;
        TMyAxisFormat XFormat = TMyAxisFormat::Linear, YFormat = TMyAxisFormat::Linear;
        double LogXMin = 0, LogXMax = 0, LogYMin = 0, LogYMax = 0;
        int Type = 0;
        double Gain = 0;
        friend bool operator==(const FillInputs &, const FillInputs &) = default;
    };
    FillShape ShapeOfFill(const double *y, int n) const;
    FillInputs SelectedFillInputs() const;
    // The figure of `shape`, built again only when it differs from the last one; null when GDI+
    // cannot make its paths.
    FillFigure *FigureOf(const FillShape &shape) const;
    // The curve page's canvas, for drawing on it: a fill that waits is painted first.
    TCanvas *PlotCanvas();
    void FlushPendingFill() const;
    void DrawVerticalLine(TPenStyle style);
    // Y values of the horizontal grid lines and x values (point axis) of the vertical ones, the
    // latter with whether the line is drawn in AxisColor.
    std::vector<double> HorzGridValues() const;
    struct VertGridLine {
        double X;
        bool Decade;
    };
    std::vector<VertGridLine> VertGridLines() const;
    int LayoutPass(bool &tooLow, bool &tooNarrow);
    // The plot list, pages and fonts as a new control has them.
    void CreatePlotObjects();
    // After the curves changed as a whole: bounds, layout, redraw with AutoRedraw.
    void CurvesReplaced();
    // The zoom rectangle drawn on the control's canvas in inverting mode (a second draw removes it).
    void InvertZoomRect();
    // Whether the curve area has pixels to convert from.
    bool HasPlotArea() const { return GetPlotWidth() > 0 && GetPlotHeight() > 0; }

    // Published property storage.
    bool FAutoRedraw = true;
    TColor FAxisColor = 0x008C00;
    TMyAxisStyle FAxisStyle = TMyAxisStyle::CenteredBox;
    TMyAxisFormat FXAxisFormat = TMyAxisFormat::Linear;
    TMyAxisFormat FYAxisFormat = TMyAxisFormat::Linear;
    bool FShowXLabel = true;
    bool FShowYLabel = true;
    bool FShowCoordinates = true;
    bool FYAutoScale = true;
    bool FXAutoScale = true;
    bool FMouseControl = true;
    int FPointSize = 2;
    double FYMax = 18.0;
    double FYMin = -18.0;
    double FXMax = 4130.0;
    double FXMin = 1030.0;
    double FMouseX = 0.0;
    double FMouseY = 0.0;
    int FXLabelPrecision = 4;
    int FYLabelPrecision = 5;
    int FXLabelDigits = 4;
    int FYLabelDigits = 4;
    TStringFloatFormat FYLabelFormat = sffGeneral;
    TStringFloatFormat FXLabelFormat = sffGeneral;
    bool FShowVertGrid = true;
    bool FShowHorzGrid = true;
    int FNumVertGrid = 10;
    int FNumHorzGrid = 11;
    bool FShowVertTicks = true;
    bool FShowHorzTicks = true;
    int FVertTickLength = 0;
    int FHorzTickLength = 0;
    TColor FGridColor = 0x004800;
    bool FShowXTitle = false;
    bool FShowYTitle = false;
    bool FShowPlotTitle = false;
    QString FXTitle;
    QString FYTitle;
    QString FPlotTitle;
    std::unique_ptr<TFont> FPlotTitleFont;
    std::unique_ptr<TFont> FAxisTitleFont;
    std::unique_ptr<TFont> FAxisLabelFont;
    std::unique_ptr<TFont> FMouseCoordFont;
    TFFTNumber FFFTNuimber = n4096;
    TSampleRate FSampleRate = n48000;

    int LineSize = 0;
    std::unique_ptr<TPlotList> PlotList;
    int LastWidth = 0;
    int LastHeight = 0;
    // log10 of the axis bounds while an axis is Log.
    double LogXMin = 0, LogXMax = 0, LogYMin = 0, LogYMax = 0;
    // Mouse pan and zoom: the last position and where a zoom drag began (control pixels), the drag
    // under way, and the rectangle of a zoom drag.
    int LastMouseX = 0, LastMouseY = 0;
    int ZoomAnchorX = 0, ZoomAnchorY = 0;
    bool PanMode = false;
    bool StretchMode = false;
    bool ZoomMode = false;
    std::unique_ptr<TRect> ZoomRect;

    // Pages, in the order they are created.
    std::unique_ptr<TPaintPage> PlotPage;
    std::unique_ptr<TPaintPage> XLabelPage;
    std::unique_ptr<TPaintPage> YLabelPage;
    std::unique_ptr<TPaintPage> PlotTitlePage;
    std::unique_ptr<TPaintPage> XTitlePage;
    std::unique_ptr<TPaintPage> YTitlePage;
    std::unique_ptr<TPaintPage> MarginPage;
    std::unique_ptr<TPaintPage> YTitleTextPage;
    std::unique_ptr<TPaintPage> CoordPage;

    // Marker slots: x and y on the plot axes, parameter-text values, colour, truncated position.
    std::array<double, BlockSlotCount> BlockX{};
    std::array<double, BlockSlotCount> BlockY{};
    std::array<double, BlockSlotCount> BlockFreq{};
    std::array<double, BlockSlotCount> BlockGain{};
    std::array<double, BlockSlotCount> BlockQ{};
    std::array<double, BlockSlotCount> BlockFilterType{};
    std::array<TColor, BlockSlotCount> BlockColor{};
    std::array<TPoint, BlockSlotCount> BlockPos{};
    std::array<double, BlockSlotCount> BlockScreenX{};
    std::array<double, BlockSlotCount> BlockScreenY{};
    std::array<bool, BlockSlotCount> BlockHidden{};
    std::array<int, BlockSlotCount> BlockKinds{};

    // Selected band.
    bool CurveDisplay = false;
    int ParamType = 0;
    double ParamGain = 0.0;
    double ParamX = 0.0;
    float ParamFreq = 0.0f;
    double ParamQ = 0.0;
    TColor ParamColor = 0;
    std::array<double, FillPointCount> FillCurve{};
    bool ParameterDisplay = false;

    // Vertical line.
    double LineX = 0.0;
    bool LineMarker = false;
    bool LineShown = false;

    // Free text.
    int TextX = 0;
    int TextY = 0;
    int TextSize = 0;
    QString TextFontName;
    TColor TextColor = 0;
    QString FreeText;

    // The fill curve's changes, counted; the shape of the overlay passes' fill and what it was
    // found from; the figure last built.
    std::uint64_t fillCurveVersion_ = 0;
    std::optional<FillInputs> selectedFillInputs_;
    FillShape selectedFillShape_;
    mutable FillFigure fillFigure_;
    // The fill DrawCurveFill drew, waiting for the next use of the curve page. The plot pass
    // paints the whole page over, so a fill still waiting then is never painted at all.
    mutable std::optional<FillShape> pendingFill_;

    std::vector<double> pointIndexes_;  // 0, 1, 2 ... for the y-only FFTDraw
    std::vector<TDrawnText> drawnXLabels_;
    std::vector<TDrawnText> drawnYLabels_;
    std::vector<TDrawnText> drawnParamTexts_;
};
