#pragma once
// TRzCustomPanel and TRzPanel: a container whose frame is built from an outer frame style, a
// border of solid colour (BorderWidth rings in BorderColor) and an inner frame style, each drawn
// on BorderSides only; whose client area is filled with Color or a gradient, or left transparent
// so that the parent's image shows through; and which can draw a grid and a caption.
//
// Paint order: the frame, the client fill (unless Transparent or not PaintClientArea), the grid,
// the caption, then OnPaint with the panel as sender. A transparent panel's background erase
// paints the parent's image (FramedGraphicsRoutines.h) and the paint never fills its client area.
//
// Client area: ClientRect (and ClientWidth, ClientHeight) leaves out the frame (outer and inner
// style widths on BorderSides); children are aligned inside it and inside BorderWidth on all four
// sides. A dock site keeps the whole panel as ClientRect and takes the frame off in
// AdjustClientRect. The panel's image still covers the whole window (WindowClientRect): the frame
// is painted inside it.
//
// Enabling: disabling the panel disables every child and remembers which were enabled; enabling
// it again enables those (and children added meanwhile) and leaves the others disabled.
//
// Frame controller: a panel registered with a TRzFrameController whose FrameVisible is True takes
// its frame style, sides, frame colour and colour (as FrameControllerNotifications allows).
//
// Every property write returns at once for an unchanged value; otherwise it stores the value and
// repaints (the frame properties also realign the children).

#include "platform/runtime/EnumNames.h"
#include "platform/ui/Panel.h"
#include "platform/runtime/StringList.h"
#include "widgets/skinned/RzCommon.h"
#include "widgets/skinned/RzFrameController.h"

#include <memory>
#include <utility>
#include <vector>

class TRzPanelDockManager;

enum TRzGridStyle { gsDots, gsDottedLines, gsSolidLines };
inline constexpr auto RzGridStyleNames = EnumNames<TRzGridStyle>("gsDots", "gsDottedLines", "gsSolidLines");

class TRzCustomPanel : public TCustomPanel, public IFrameControllerClient {
    T_DECLARE_CLASS(TRzCustomPanel, TCustomPanel)
    explicit TRzCustomPanel(TComponent *AOwner);
    ~TRzCustomPanel() override;

    // ---- Frame ----
    TAlignmentVertical AlignmentVertical() const { return FAlignmentVertical; }
    virtual void SetAlignmentVertical(TAlignmentVertical value);
    TFrameStyleEx BorderInner() const { return FBorderInner; }
    virtual void SetBorderInner(TFrameStyleEx value);
    TFrameStyleEx BorderOuter() const { return FBorderOuter; }
    virtual void SetBorderOuter(TFrameStyleEx value);
    TSides BorderSides() const { return FBorderSides; }
    virtual void SetBorderSides(TSides value);
    TColor BorderColor() const { return FBorderColor; }
    virtual void SetBorderColor(TColor value);
    TColor BorderHighlight() const { return FBorderHighlight; }
    virtual void SetBorderHighlight(TColor value);
    TColor BorderShadow() const { return FBorderShadow; }
    virtual void SetBorderShadow(TColor value);
    TColor FlatColor() const { return FFlatColor; }
    virtual void SetFlatColor(TColor value);
    int FlatColorAdjustment() const { return FFlatColorAdjustment; }
    virtual void SetFlatColorAdjustment(int value);

    // ---- Client area ----
    bool PaintClientArea() const { return FPaintClientArea; }
    virtual void SetPaintClientArea(bool value);
    TRzVisualStyle VisualStyle() const { return FVisualStyle; }
    virtual void SetVisualStyle(TRzVisualStyle value);
    TRzGradientColorStyle GradientColorStyle() const { return FGradientColorStyle; }
    virtual void SetGradientColorStyle(TRzGradientColorStyle value);
    TColor GradientColorStart() const { return FGradientColorStart; }
    virtual void SetGradientColorStart(TColor value);
    TColor GradientColorStop() const { return FGradientColorStop; }
    virtual void SetGradientColorStop(TColor value);
    TGradientDirection GradientDirection() const { return FGradientDirection; }
    virtual void SetGradientDirection(TGradientDirection value);
    bool Transparent() const { return FTransparent; }
    virtual void SetTransparent(bool value);

    // ---- Grid and caption ----
    TColor GridColor() const { return FGridColor; }
    virtual void SetGridColor(TColor value);
    TRzGridStyle GridStyle() const { return FGridStyle; }
    virtual void SetGridStyle(TRzGridStyle value);
    int GridXSize() const { return FGridXSize; }
    virtual void SetGridXSize(int value);
    int GridYSize() const { return FGridYSize; }
    virtual void SetGridYSize(int value);
    void SetGridSize(int xSize, int ySize);
    bool ShowGrid() const { return FShowGrid; }
    virtual void SetShowGrid(bool value);
    int TextMargin() const { return FTextMargin; }
    virtual void SetTextMargin(int value);
    int TextMarginVertical() const { return FTextMarginVertical; }
    virtual void SetTextMarginVertical(int value);
    bool WordWrap() const { return FWordWrap; }
    virtual void SetWordWrap(bool value);
    bool ShowDockClientCaptions() const { return FShowDockClientCaptions; }
    void SetShowDockClientCaptions(bool value) { FShowDockClientCaptions = value; }
    // The dock manager of a panel that is a dock site using one (DockSite and UseDockManager),
    // made when first asked for; nullptr for any other panel. Its grabbers are painted after the
    // caption, before OnPaint.
    TRzPanelDockManager *DockManager();

    // ---- Frame controller ----
    TRzFrameController *FrameController() const { return FFrameController; }
    virtual void SetFrameController(TRzFrameController *value);
    TRzFrameControllerNotifications FrameControllerNotifications() const { return FFrameControllerNotifications; }
    void SetFrameControllerNotifications(TRzFrameControllerNotifications value)
    {
        FFrameControllerNotifications = value;
    }
    void FrameControllerChanged() override;

    // Fired last in every paint, with the panel as sender.
    TNotifyEvent OnPaint;

    // An alBottom panel keeps its bottom edge when its height changes, an alRight one its right
    // edge when its width changes.
    void SetBounds(int ALeft, int ATop, int AWidth, int AHeight) override;
    void Notification(TComponent *AComponent, TOperation Operation) override;
    void DefineProperties(TFiler *Filer) override;

    // The rectangle less the frame widths on BorderSides (and BorderWidth on all sides when asked).
    virtual TRect ShrinkRectByBorders(const TRect &rect, bool includeBorderWidth) const;

protected:
    void Paint() override;
    void AdjustClientRect(TRect &rect) override;
    TRect GetClientRect() const override;
    TRect WindowClientRect() const override { return TCustomPanel::GetClientRect(); }
    virtual TPoint GetMousePosition() const;
    virtual TRect GetPaintRect() const { return TRect(0, 0, Width(), Height()); }
    virtual TPoint GetResizeRepaintMargin() const { return TPoint(1, 1); }
    virtual void GetGradientColors(TColor &start, TColor &stop) const;
    virtual void GetFrameColors(TColor &flatColor, int &adjustment) const;
    virtual void DrawCaption(TRect rect);
    virtual void DrawGrid(const TRect &rect);
    // Realigns the children and repaints (frame properties).
    void FrameChanged();

protected:  // message handlers, registered by number in the class description
    void WMEraseBkgnd(TMessage &m);
    void WMWindowPosChanged(TMessage &m);
    void WMThemeChanged(TMessage &m);
    void CMEnabledChanged(TMessage &m);
    void CMVisibleChanged(TMessage &m);

protected:
    TAlignmentVertical FAlignmentVertical = avCenter;
    TFrameStyleEx FBorderInner = fsNone;
    TFrameStyleEx FBorderOuter = fsRaised;
    TSides FBorderSides = sdAllSides;
    TColor FBorderColor = clBtnFace;
    TColor FBorderHighlight = clBtnHighlight;
    TColor FBorderShadow = clBtnShadow;
    TColor FFlatColor = clBtnShadow;
    int FFlatColorAdjustment = 30;
    bool FPaintClientArea = true;
    TRzVisualStyle FVisualStyle = vsWinXP;
    TRzGradientColorStyle FGradientColorStyle = gcsSystem;
    TColor FGradientColorStart = clWhite;
    TColor FGradientColorStop = clBtnFace;
    TGradientDirection FGradientDirection = gdHorizontalEnd;
    TColor FGridColor = clBtnShadow;
    TRzGridStyle FGridStyle = gsDots;
    int FGridXSize = 8;
    int FGridYSize = 8;
    bool FShowGrid = false;
    bool FTransparent = false;
    int FTextMargin = 0;
    int FTextMarginVertical = 0;
    bool FWordWrap = true;
    bool FShowDockClientCaptions = true;
    // While disabled: each child and whether it was enabled before.
    std::vector<std::pair<TControl *, bool>> FEnabledList;
    TRzFrameController *FFrameController = nullptr;
    TRzFrameControllerNotifications FFrameControllerNotifications = fccAll;
    std::unique_ptr<TRzPanelDockManager> FDockManager;

private:
    template <class T>
    void Store(T &field, T value);
};

class TRzPanel : public TRzCustomPanel {
    T_DECLARE_CLASS(TRzPanel, TRzCustomPanel)
    explicit TRzPanel(TComponent *AOwner) : TRzCustomPanel(AOwner) {}
};

// Invalidates every child of the panel whose published "Transparent" is True.
void InvalidateTransparentChildren(TWinControl *panel);
