#pragma once
// Drawing routines of the track bar (AdvTrackBar.h): band gradients, colour mixing, 3-D frames,
// GDI+ rounded and pointer paths, the two-part "mirror" fill of thumbs and step buttons, the
// dotted focus frame and the triangle and corner-pointer thumbs. Everything draws on the canvas
// (or the GDI+ graphics) it is given with GDI's rules: right and bottom edges are left out.
//
// The track bar's gradient directions live in namespace trackbar because the skinned control set
// declares a TGradientDirection of its own.

#include "platform/runtime/EnumNames.h"
#include "platform/ui/Canvas.h"
#include "widgets/graphics/AdvGDIP.h"

// Kind of a GDI+ thumb or button fill.
enum TGDIPGradient { ggRadial, ggVertical, ggDiagonalForward, ggDiagonalBackward };
inline constexpr auto GDIPGradientNames =
    EnumNames<TGDIPGradient>("ggRadial", "ggVertical", "ggDiagonalForward", "ggDiagonalBackward");

namespace trackbar {

enum TGradientDirection { gdHorizontal, gdVertical, gdHorizontalInOut, gdVerticalInOut };
inline constexpr auto GradientDirectionNames =
    EnumNames<TGradientDirection>("gdHorizontal", "gdVertical", "gdHorizontalInOut", "gdVerticalInOut");

// Outlines drawn by DrawMirrorFill and DrawMirrorBorder: a circle in the square of the smaller
// side, or the rectangle.
enum class TMirrorKind { Round, Rectangle };

// Steps bands from `from` to `to` over r less its last pixel along the gradient (left to right
// when `horizontal`, else top to bottom); 0 steps count as 1.
void DrawBandGradient(TCanvas *canvas, TColor from, TColor to, bool horizontal, TRect r, int steps);
// Band gradient by direction; the in-out directions run from `from` to `to` and back, split at
// the middle.
void DrawDirectionalGradient(TCanvas *canvas, TColor from, TColor to, TGradientDirection direction, const TRect &r,
                             int steps);
// Text size in `font`; the canvas keeps its own font.
void MeasureText(TCanvas *canvas, TFont *font, const QString &text, int &width, int &height);
// Percent of a and the rest of b, per channel; 100 or more gives a, 0 or less b.
TColor MixColors(TColor a, TColor b, int percent);
// A two-line 3-D frame on r: raised has its dark lines outside.
void Draw3DFrame(TCanvas *canvas, const TRect &r, bool raised, TColor light, TColor dark);
// The colour, opaque, as a GDI+ colour.
ARGB ColorToARGB(TColor color);
// Closed path of four quarter arcs of the radius joined by the edges. Owned by the caller.
TGPGraphicsPath *CreateRoundRectPath(int x, int y, int width, int height, int radius);
void DrawRoundRectPath(TGPGraphics *graphics, int x, int y, int width, int height, int radius, TColor color);
// The pointer thumb's outline: a body with a point at the middle of each side named (top/left
// side when `first`, bottom/right when `second`), `half` pixels deep. Owned by the caller.
TGPGraphicsPath *CreatePointerPath(const TRect &r, bool vertical, bool first, bool second, int half);
// One half of a mirror fill: radial (from the middle of the outer edge) or linear.
void FillMirrorHalf(TGPGraphics *graphics, const TRect &r, TColor color, bool upper, TGDIPGradient gradient,
                    TColor colorTo);
void DrawMirrorBorder(TGPGraphics *graphics, const TRect &r, TMirrorKind kind, TColor border, TColor light);
// Upper half Color to ColorTo by `gradient`, lower half Mirror to MirrorTo by `gradientMirror`
// (when all four are set), then the outlines.
void DrawMirrorFill(TGPGraphics *graphics, const TRect &r, TGDIPGradient gradientMirror, TGDIPGradient gradient,
                    TColor mirrorTo, TColor mirror, TColor colorTo, TColor color, TColor border, TColor light,
                    TMirrorKind kind);
// The four edges of r, every other pixel.
void DrawFocusRectangle(TCanvas *canvas, const TRect &r, TColor color);

// A thumb drawn as a polygon: filled with a band gradient clipped to it, then outlined.
struct TPolygonThumbLook {
    TColor Color, ColorTo, Border;
    TGDIPGradient Gradient;
    int Steps;
};
// Kinds: 0 points right, 1 left, 2 up, 3 down, 4 and 5 a diamond.
void DrawTriangleThumb(TCanvas *canvas, const TRect &r, int kind, const TPolygonThumbLook &look);
// Pointers with one square corner and a point on the tick side (kinds as DrawTriangleThumb).
void DrawPointerThumbLeftUp(TCanvas *canvas, const TRect &r, int kind, const TPolygonThumbLook &look);
void DrawPointerThumbRightUp(TCanvas *canvas, const TRect &r, int kind, const TPolygonThumbLook &look);

}  // namespace trackbar
