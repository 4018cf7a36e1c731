#pragma once
// TRzPanelDockManager: the dock manager of a framed panel that is a dock site. With the panel's
// ShowDockClientCaptions each docked control gets a 14-pixel caption bar: across the top of its
// zone when the panel is not aligned along the top or bottom of its parent, down the left (the
// caption reading bottom to top) when it is. The bar shows the control's caption in the active
// caption colours while the control (a windowed one) has the focus or is window-less, in the
// inactive ones otherwise, and a close cross at its end. Without ShowDockClientCaptions the
// framework's grabber is drawn.
//
// The manager hooks the panel's window procedure: a command or a mouse activation repaints the
// panel first, so the caption colours follow the focus. Dragging controls into the site is not
// part of the framework; controls are docked by code (TDockTree::InsertControl).

#include "platform/runtime/Messages.h"
#include "platform/ui/DockTree.h"
#include "platform/ui/GraphicsFont.h"

#include <memory>

class TRzCustomPanel;

class TRzPanelDockManager : public TDockTree {
public:
    static constexpr int CaptionBarSize = 14;

    // `dockSite` must be a framed panel (EInvalidCast otherwise).
    explicit TRzPanelDockManager(TWinControl *dockSite);
    ~TRzPanelDockManager() override;

    void AdjustDockRect(TControl *control, TRect &rect) override;
    void PaintDockFrame(TCanvas *canvas, TControl *control, const TRect &rect) override;
    void PaintSite(HDC dc) override { TDockTree::PaintSite(dc); }

    TFont *Font() const { return FFont.get(); }
    TFont *CloseFont() const { return FCloseFont.get(); }
    int GrabberSize() const { return FGrabberSize; }

private:
    // Along the top or bottom edge of its parent: the bars run down the left.
    bool PanelAlongTopOrBottom() const;
    // The close glyph (a cross) in `rect` in the canvas's font colour.
    void DrawCloseGlyph(TCanvas *canvas, const TRect &rect) const;

    TRzCustomPanel *FPanel;
    TWindowProcedure FOldWndProc;
    bool FHooked = false;
    std::unique_ptr<TFont> FFont;
    std::unique_ptr<TFont> FCloseFont;
    int FGrabberSize = CaptionBarSize;
};
