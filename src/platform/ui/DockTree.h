#pragma once
// TDockTree: the dock manager of a dock site (a windowed control with DockSite and UseDockManager).
// It keeps the controls docked into the site, each with its zone (the site's client coordinates),
// and paints a grabber for each one in the part of the zone the control leaves free.
//
// Docking here is done by code: InsertControl places a control into a zone. The framework has no
// dragging of controls between sites. A descendant changes where the grabber goes
// (AdjustDockRect) and how it looks (PaintDockFrame); the site calls PaintSite after its own
// painting.

#include "platform/runtime/GraphicsTypes.h"

#include <vector>

class TCanvas;
class TControl;
class TWinControl;
using HDC = TCanvas *;

class TDockTree {
public:
    // The framework's grabber: 12 pixels across the top of a zone.
    static constexpr int GrabberSize = 12;

    explicit TDockTree(TWinControl *dockSite);
    virtual ~TDockTree();
    TDockTree(const TDockTree &) = delete;
    TDockTree &operator=(const TDockTree &) = delete;

    TWinControl *DockSite() const { return FDockSite; }

    // Docks `control` into `zone`: it becomes a child of the site and takes the zone less its
    // grabber (AdjustDockRect). Docking a docked control again moves it to the new zone.
    void InsertControl(TControl *control, const TRect &zone);
    // Forgets a docked control (it stays where it is); unknown controls are ignored.
    void RemoveControl(TControl *control);
    int DockClientCount() const { return static_cast<int>(FZones.size()); }
    TControl *DockClients(int index) const { return FZones.at(static_cast<std::size_t>(index)).Control; }
    // The zone of a docked control; an empty rectangle for any other control.
    TRect ZoneOf(const TControl *control) const;

    // Shrinks a zone to the part its control takes (leaves room for the grabber).
    virtual void AdjustDockRect(TControl *control, TRect &rect);
    // Paints the grabber of `control` inside its zone `rect`: two raised bars across the top.
    virtual void PaintDockFrame(TCanvas *canvas, TControl *control, const TRect &rect);
    // Paints the grabber of every visible docked control into `dc` (the site's client coordinates).
    virtual void PaintSite(HDC dc);

private:
    struct Zone {
        TControl *Control = nullptr;
        TRect Rect;
    };
    TWinControl *FDockSite;
    std::vector<Zone> FZones;
};
