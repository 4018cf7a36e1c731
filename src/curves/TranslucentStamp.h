#pragma once
// TranslucentStamp: one translucent figure painted many times over on a page of a response plot
// control, the selected band's fill: an outline path stroked with a pen 1.0 wide, then a figure
// path filled, pen and brush of one GDI+ colour. Every overlay pass paints it again over what the
// page holds, so the fill grows denser until the next plot pass.
//
// Rasterising thousands of spline segments costs far more than blending the pixels they cover.
// So the first painting of a figure records, on a black scratch page, which pixels the stroke and
// the fill blend and how many times each; that and every later painting blend exactly those
// pixels as many times with the colour. The blend of one pixel is taken from the drawing itself:
// for each colour the stamp measures what one fill does to every level of each channel, and
// checks that table against the drawing on pixels of mixed channels. A colour whose table does
// not hold, or whose repeated blends over black cannot be told apart, is painted from the paths
// each time; so is a figure that blends some pixel more often than the record can count.
//
// The page is a 32-bit colour bitmap whose canvas is not clipped; the caller forgets the record
// whenever the paths change. GUI thread only.

#include <cstdint>
#include <memory>
#include <vector>

#include "platform/gdiplus/GdiPlusFlat.h"

class TBitmap;
class TCanvas;

struct GpPathRelease {
    void operator()(GpPath *path) const { GdipDeletePath(path); }
};
using GpPathPtr = std::unique_ptr<GpPath, GpPathRelease>;

class TranslucentStamp {
public:
    TranslucentStamp();
    ~TranslucentStamp();
    TranslucentStamp(TranslucentStamp &&) noexcept;
    TranslucentStamp &operator=(TranslucentStamp &&) noexcept;

    // The paths changed: the next painting records again.
    void Forget();
    // Strokes `outline` and then fills `figure`, both in `colour`, on the page.
    void Paint(TBitmap *page, GpPath *outline, GpPath *figure, ARGB colour);
    // Whether the last painting blended the recorded pixels (false: painted from the paths).
    bool Recorded() const { return recorded_ && usable_; }

    // What one blend of the colour does to each channel level; opaque to callers.
    struct BlendTable;

private:
    // A run of pixels of one row blended the same number of times.
    struct Run {
        int Y;
        int From;
        int To;
        int Blends;
    };
    bool Record(GpPath *outline, GpPath *figure);

    bool recorded_ = false;
    bool usable_ = false;
    int width_ = 0;
    int height_ = 0;
    std::vector<Run> runs_;
    ARGB colour_ = 0;
    const BlendTable *table_ = nullptr;  // of colour_, measured once for the program
    // The page the record paints on, kept for the next record, and whether it is all black.
    std::unique_ptr<TBitmap> scratch_;
    bool scratchBlack_ = false;
};

// Strokes `outline` with a pen 1.0 wide and then fills `figure`, both in `colour`, on `canvas`.
void PaintTranslucentFigure(TCanvas *canvas, GpPath *outline, GpPath *figure, ARGB colour);
