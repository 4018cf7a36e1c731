#pragma once
// The graphics device interface calls the program makes through a canvas's handle
// (`Canvas->Handle()`), as plain functions on the canvas that is its own device context.

#include <QString>

#include "platform/ui/Canvas.h"

constexpr int MM_TEXT = 1;
constexpr int NULLREGION = 1;
constexpr int SIMPLEREGION = 2;
constexpr int COMPLEXREGION = 3;

// GetDeviceCaps indexes.
constexpr int HORZRES = 8;
constexpr int VERTRES = 10;
constexpr int BITSPIXEL = 12;
constexpr int PLANES = 14;
constexpr int NUMCOLORS = 24;
constexpr int LOGPIXELSX = 88;
constexpr int LOGPIXELSY = 90;
// Of a printer: the paper's size and the printable area's offsets from its edges.
constexpr int PHYSICALWIDTH = 110;
constexpr int PHYSICALHEIGHT = 111;
constexpr int PHYSICALOFFSETX = 112;
constexpr int PHYSICALOFFSETY = 113;

inline int SaveDC(HDC dc) { return dc ? dc->SaveDC() : 0; }
inline bool RestoreDC(HDC dc, int level) { return dc && dc->RestoreDC(level); }

inline bool SetViewportOrgEx(HDC dc, int x, int y, TPoint *old)
{
    const TPoint p = dc->SetViewportOrg(TPoint(x, y));
    if (old)
        *old = p;
    return true;
}
inline bool GetViewportOrgEx(HDC dc, TPoint *org)
{
    *org = dc->ViewportOrg();
    return true;
}
inline bool SetWindowOrgEx(HDC dc, int x, int y, TPoint *old)
{
    const TPoint p = dc->SetWindowOrg(TPoint(x, y));
    if (old)
        *old = p;
    return true;
}
inline bool GetWindowOrgEx(HDC dc, TPoint *org)
{
    *org = dc->WindowOrg();
    return true;
}
// Only the text mapping mode exists: one logical unit is one pixel, y grows downwards.
inline int SetMapMode(HDC, int) { return MM_TEXT; }

inline int ClipResult(HDC dc)
{
    const TRect box = dc->ClipRect();
    return box.IsEmpty() ? NULLREGION : COMPLEXREGION;
}
inline int IntersectClipRect(HDC dc, int l, int t, int r, int b)
{
    dc->IntersectClipRect(TRect(l, t, r, b));
    return ClipResult(dc);
}
inline int ExcludeClipRect(HDC dc, int l, int t, int r, int b)
{
    dc->ExcludeClipRect(TRect(l, t, r, b));
    return ClipResult(dc);
}
// nullptr removes the clip region.
inline int SelectClipRgn(HDC dc, const TRegion *rgn)
{
    dc->SelectClipRegion(rgn);
    return ClipResult(dc);
}
inline bool PtVisible(HDC dc, int x, int y) { return dc->PtVisible(x, y); }
inline bool RectVisible(HDC dc, const TRect &r) { return dc->RectVisible(r); }

inline TColor SetTextColor(HDC dc, TColor c) { return dc->SetTextColor(c); }
inline TColor SetBkColor(HDC dc, TColor c) { return dc->SetBkColor(c); }
inline int SetBkMode(HDC dc, int mode) { return dc->SetBkMode(mode); }
inline UINT SetTextAlign(HDC dc, UINT align) { return dc->SetTextAlign(align); }
inline int SetROP2(HDC dc, int rop2) { return dc->SetRop2(rop2); }
inline bool GetTextMetrics(HDC dc, TTextMetric *tm)
{
    *tm = dc->TextMetrics();
    return true;
}

inline int DrawTextW(HDC dc, const QString &text, TRect *r, UINT format) { return dc->DrawText(text, *r, format); }
inline int DrawText(HDC dc, const QString &text, TRect *r, UINT format) { return dc->DrawText(text, *r, format); }
inline bool DrawEdge(HDC dc, TRect *r, UINT edge, UINT flags) { return dc->DrawEdge(*r, edge, flags); }
inline bool DrawFocusRect(HDC dc, const TRect *r)
{
    dc->DrawFocusRect(*r);
    return true;
}
inline bool InvertRect(HDC dc, const TRect *r)
{
    dc->InvertRect(*r);
    return true;
}
inline bool BitBlt(HDC dst, int x, int y, int w, int h, HDC src, int sx, int sy, DWORD rop)
{
    dst->BitBlt(x, y, w, h, src, sx, sy, rop);
    return true;
}
inline bool StretchBlt(HDC dst, int x, int y, int w, int h, HDC src, int sx, int sy, int sw, int sh, DWORD rop)
{
    dst->StretchBlt(Bounds(x, y, w, h), src, Bounds(sx, sy, sw, sh), rop);
    return true;
}
inline bool PatBlt(HDC dc, int x, int y, int w, int h, DWORD rop)
{
    dc->PatBlt(Bounds(x, y, w, h), rop);
    return true;
}

// The screen's answers: 96 pixels per inch, true colour (no palette); a printer's canvas answers
// for its printer (Printers.h).
int GetDeviceCaps(HDC dc, int index);
