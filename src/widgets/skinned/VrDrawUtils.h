#pragma once
// Drawing routines of the LED widget set: bevel frames, bitmap tiling, button captions and the
// placement of an image beside a caption. Rectangles exclude their right and bottom edges.

#include "platform/runtime/Colors.h"
#include "platform/runtime/GraphicsTypes.h"

#include <QString>

class TCanvas;
class TBitmap;

// `width` rings along the inside of `rect`, each with its left and top lines in `topColor` and its
// right and bottom lines in `bottomColor`; `rect` becomes the interior. Width 0 draws nothing.
// A light top colour gives a raised bevel, a dark one a sunken bevel.
void DrawFrame3D(TCanvas *canvas, TRect &rect, TColor topColor, int width, TColor bottomColor);

// Copies of a non-empty bitmap from the top-left of `rect` across and down it; the last column and
// row may reach past the rectangle.
void TileBitmap(TCanvas *canvas, const TRect &rect, TBitmap *bitmap);

// The text on one line, centred in `rect` in the canvas's font colour; disabled, embossed from
// `rect`'s top-left corner (a highlight copy one pixel right and down, then the shadow copy).
void DrawButtonText(TCanvas *canvas, const QString &text, const TRect &rect, bool enabled);

// Where an image of `imageSize` and the caption go inside `client` (layout 1 image left, 2 image
// right, 3 image top, 4 image bottom). Margin -1 centres the group, Spacing -1 spreads it; the
// other axis centres each part. `imagePos` and `textBounds` come back in `client`'s coordinates
// system (absolute). The caption is measured with the canvas's font; empty, it takes no room.
void CalcImageTextLayout(TCanvas *canvas, const TRect &client, const QString &caption, int layout, int margin,
                         int spacing, const TPoint &imageSize, TPoint &imagePos, TRect &textBounds);
