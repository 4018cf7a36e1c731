#include "platform/ui/DockTree.h"

#include "platform/ui/Canvas.h"
#include "platform/ui/ControlsWinControl.h"

#include <algorithm>

TDockTree::TDockTree(TWinControl *dockSite) : FDockSite(dockSite) {}

TDockTree::~TDockTree() = default;

void TDockTree::InsertControl(TControl *control, const TRect &zone)
{
    if (!control)
        return;
    RemoveControl(control);
    FZones.push_back({control, zone});
    if (control->Parent() != FDockSite)
        control->SetParent(FDockSite);
    TRect r = zone;
    AdjustDockRect(control, r);
    control->SetBoundsRect(r);
    FDockSite->Invalidate();
}

void TDockTree::RemoveControl(TControl *control)
{
    const auto it =
        std::find_if(FZones.begin(), FZones.end(), [control](const Zone &z) { return z.Control == control; });
    if (it != FZones.end())
        FZones.erase(it);
}

TRect TDockTree::ZoneOf(const TControl *control) const
{
    for (const Zone &z : FZones)
        if (z.Control == control)
            return z.Rect;
    return TRect();
}

void TDockTree::AdjustDockRect(TControl *, TRect &rect)
{
    rect.Top += GrabberSize;
}

void TDockTree::PaintDockFrame(TCanvas *canvas, TControl *, const TRect &rect)
{
    // Two raised bars, three pixels high, across the grabber.
    for (int y : {rect.Top + 3, rect.Top + 7}) {
        TRect bar(rect.Left + 2, y, rect.Right - 2, y + 3);
        canvas->DrawEdge(bar, BDR_RAISEDINNER, BF_RECT);
    }
}

void TDockTree::PaintSite(HDC dc)
{
    for (const Zone &z : FZones)
        if (z.Control->Visible())
            PaintDockFrame(dc, z.Control, z.Rect);
}
