#pragma once
// Drawing routines shared by the skinned controls: the parent's image behind a transparent
// control, gradient fills of ten shapes, and picture copies that leave one colour out.
//
// Parent image: a windowed control asks its parent to erase and paint its client area into the
// control's device context at the shifted origin (the framework's print-client path). That image
// holds the parent's background, its own painting and its windowless children (which always lie
// below the windowed ones), never windowed siblings. A transparent parent paints its own parent's
// image first, so any depth of transparent boxes shows the form's picture. A windowless control
// paints straight onto its parent's image, which already holds everything behind it: for such a
// control there is nothing to paint.
//
// Transparent copies: every pixel of the (stretched or tiled) picture that has the transparent
// colour keeps the destination; every other pixel is the picture's. The picture is sampled at the
// nearest source pixel when stretched.

#include "platform/runtime/EnumNames.h"
#include "platform/ui/Bitmap.h"
#include "platform/ui/Canvas.h"

class TControl;

enum TGradientDirection {
    gdDiagonalUp,
    gdDiagonalDown,
    gdHorizontalEnd,
    gdHorizontalCenter,
    gdHorizontalBox,
    gdVerticalEnd,
    gdVerticalCenter,
    gdVerticalBox,
    gdSquareBox,
    gdBigSquareBox
};
inline constexpr auto GradientDirectionNames = EnumNames<TGradientDirection>(
    "gdDiagonalUp", "gdDiagonalDown", "gdHorizontalEnd", "gdHorizontalCenter", "gdHorizontalBox", "gdVerticalEnd",
    "gdVerticalCenter", "gdVerticalBox", "gdSquareBox", "gdBigSquareBox");

// Paints the parent's image under `control` into `dc` (the control's client coordinates). With
// `invalidateParent`, a parent that is neither a custom control nor a form is invalidated too.
void PaintParentBackground(TControl *control, HDC dc, bool invalidateParent);
void PaintParentBackgroundOnCanvas(TControl *control, TCanvas *canvas, bool invalidateParent);

// Gradient from `start` to `stop` over `r`:
//   gdHorizontalEnd  start at the top, stop at the bottom (each row one colour)
//   gdVerticalEnd    start at the left, stop at the right
//   gdHorizontalCenter / gdVerticalCenter  stop along the middle row / column, start at both edges
//   gdSquareBox, gdHorizontalBox, gdVerticalBox, gdBigSquareBox  rings from start at the edges to
//     stop at a centre point, a horizontal line of half the width, a vertical line of half the
//     height, a rectangle of half the width and height
//   gdDiagonalUp     start at the bottom-left corner, stop at the top-right one
//   gdDiagonalDown   start at the top-left corner, stop at the bottom-right one
// An empty rectangle draws nothing.
void FillGradient(TCanvas *canvas, const TRect &r, TGradientDirection direction, TColor start, TColor stop);

// The part `source` of the bitmap stretched into `dest`, pixels of `transparent` left out.
void DrawBitmapTransparent(TCanvas *canvas, TBitmap *bitmap, const TRect &dest, TColor transparent,
                           const TRect &source);
void StretchWholeBitmapTransparent(TCanvas *canvas, TBitmap *bitmap, const TRect &dest, TColor transparent);
// Tiles of the bitmap's size from the top-left of `dest`, the last column and row cut.
void TileBitmapTransparent(TCanvas *canvas, TBitmap *bitmap, const TRect &dest, TColor transparent);
void StretchBitmapTransparent(TCanvas *canvas, TBitmap *bitmap, const TRect &dest, TColor transparent,
                              const TRect &source);
