#pragma once
// One off-screen layer of a response plot control: a bitmap and the place where it sits on the
// control. The control draws each of its areas (curves, labels, titles, margin) into its own page
// and copies a page onto its canvas only when that area changed, so the screen never shows a
// half-drawn plot. A page has an empty bitmap until it is first placed. Each page holds a GDI+
// start-up of its own for its whole life (the selected band's fill is drawn with GDI+).

#include <memory>

#include "platform/gdiplus/GdiPlusFlat.h"
#include "platform/ui/Bitmap.h"

class TPaintPage {
public:
    TPaintPage();
    ~TPaintPage();
    TPaintPage(const TPaintPage &) = delete;
    TPaintPage &operator=(const TPaintPage &) = delete;

    // The bitmap becomes (right - left) x (bottom - top) pixels, PageRect (0, 0, width, height),
    // ScreenRect (left, top, right, bottom). A negative extent counts as 0: the page is then
    // empty at (left, top).
    void Place(int left, int top, int right, int bottom);
    // Only the bitmap's width changes (negative counts as 0); PageRect and ScreenRect stay.
    void SetBitmapWidth(int width);
    // Fills PageRect with a solid brush of the colour.
    void Clear(TColor colour);
    // The canvas's font takes a copy of `font`.
    void SetFont(TFont *font);

    TBitmap *Bitmap() const { return bitmap_.get(); }
    TCanvas *Canvas() const { return bitmap_->Canvas(); }
    // Where the page sits on the control (control pixels).
    const TRect &ScreenRect() const { return screenRect_; }
    const TRect &PageRect() const { return pageRect_; }

private:
    GdiplusStartupInput startupInput_;
    ULONG_PTR token_ = 0;
    std::unique_ptr<TBitmap> bitmap_;
    TRect screenRect_;
    TRect pageRect_;
};
