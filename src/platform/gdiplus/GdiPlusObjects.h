#pragma once
// The objects behind the flat interface's handles (internal to the stand-in's sources).

#include <QBrush>
#include <QByteArray>
#include <QFont>
#include <QImage>
#include <QPainterPath>
#include <QPen>
#include <QRegion>
#include <QString>
#include <QTransform>

#include <array>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

#include "platform/gdiplus/GdiPlusFlat.h"

struct GpMatrix {
    QTransform M;
};

// A path as GDI+ builds it: figures of lines and cubic Béziers. `Open` tells whether the next
// added segment continues the last figure (joined by a line) or starts a new one.
struct GpPath {
    QPainterPath Path;
    bool Open = false;
    FillMode Fill = FillModeAlternate;
};

// A region: an area in world coordinates. An infinite region is a very large rectangle.
struct GpRegion {
    QPainterPath Area;
};

struct GpImage {
    QImage Pixels;  // any QImage format; drawn through ARGB32 premultiplied
    GUID RawFormat = ImageFormatMemoryBMP;
    PixelFormat Format = PixelFormat32bppARGB;
};

// One set of colour adjustments (for bitmaps, brushes, pens, text, or the default).
struct GpColorAdjust {
    bool Any = false;  // something was set for this category
    bool NoOp = false;
    std::optional<ColorMatrix> Matrix;
    std::optional<ColorMatrix> GrayMatrix;
    ColorMatrixFlags MatrixFlags = ColorMatrixFlagsDefault;
    std::optional<REAL> Threshold;
    std::optional<REAL> Gamma;
    std::optional<std::pair<ARGB, ARGB>> ColorKey;
    std::optional<ColorChannelFlags> OutputChannel;
    std::vector<ColorMap> Remap;
};

struct GpImageAttributes {
    std::array<GpColorAdjust, ColorAdjustTypeCount> Adjust;
    WrapMode Wrap = WrapModeClamp;
    ARGB WrapColor = 0;
    bool WrapClamp = false;
};

struct GpBrush {
    BrushType Type = BrushTypeSolidColor;
    // Solid, and the foreground of a hatch.
    ARGB Color = 0;
    // Hatch.
    HatchStyle Hatch = HatchStyleHorizontal;
    ARGB BackColor = 0;
    // Texture: the image part the brush tiles (ARGB32 premultiplied) and its placement.
    std::shared_ptr<GpImage> Image;
    QImage Tile;
    QTransform Transform;
    WrapMode Wrap = WrapModeTile;
    // Linear gradient: blend position t = GradA * x + GradB * y + GradC (world coordinates).
    double GradA = 0, GradB = 0, GradC = 0;
    ARGB Color2 = 0;
    bool Gamma = false;
    std::vector<ARGB> BlendColors;
    std::vector<REAL> BlendPositions;
    // Path gradient.
    QPainterPath Shape;
    FillMode ShapeFill = FillModeAlternate;
    int PointCount = 0;
    QPointF Center;
    ARGB CenterColor = 0xFFFFFFFF;
    std::vector<ARGB> Surround;  // one per point (at least one)
};

struct GpPen {
    ARGB Color = 0xFF000000;
    REAL Width = 1;
    Unit_ Unit = UnitWorld;
    DashStyle Dash = DashStyleSolid;
    LineCap StartCap = LineCapFlat;
    LineCap EndCap = LineCapFlat;
    std::unique_ptr<GpBrush> Brush;  // set: the pen paints with this brush instead of Color
};

struct GpFontFamily {
    QString Name;          // as asked for
    QString Family;        // the installed family drawing it
    bool Generic = false;  // one of the three shared families: deleting it does nothing
};

struct GpFont {
    QString Family;
    REAL EmSize = 0;
    INT Style = 0;
    Unit_ Unit = UnitPoint;
    // The font at its size in pixels (96 per inch).
    QFont Native() const;
    double EmPixels() const;
};

struct GpFontCollection {};

struct GpStringFormat {
    INT Flags = 0;
    LANGID Language = 0;
    StringAlignment Align = StringAlignmentNear;
    StringAlignment LineAlign = StringAlignmentNear;
    StringTrimming Trimming = StringTrimmingCharacter;
    INT HotkeyPrefix = HotkeyPrefixNone;
};

struct GpGraphics {
    TCanvas *Canvas = nullptr;  // a graphics on a device context
    GpImage *Target = nullptr;  // a graphics on an image
    QTransform World;
    std::optional<QPainterPath> Clip;  // device coordinates (pixel centres on whole numbers)
    SmoothingMode Smoothing = SmoothingModeNone;
    TextRenderingHint TextHint = TextRenderingHintSystemDefault;
    CompositingQuality Compositing = CompositingQualityDefault;
    bool AntiAlias() const
    {
        return Smoothing == SmoothingModeAntiAlias || Smoothing == SmoothingModeHighQuality ||
               Smoothing == SmoothingModeAntiAlias8x8;
    }
};

namespace gdiplus_detail {

// A colour of the flat interface as a Qt colour.
inline QColor ToQColor(ARGB c)
{
    return QColor((c >> 16) & 0xFF, (c >> 8) & 0xFF, c & 0xFF, (c >> 24) & 0xFF);
}

// Colour at blend position t (0 to 1) between a and b, optionally in linear light.
ARGB Blend(ARGB a, ARGB b, double t, bool gamma);
// Colour at position t of a preset blend (positions rising from 0 to 1).
ARGB PresetColor(const std::vector<ARGB> &colors, const std::vector<REAL> &positions, double t, bool gamma);

// The 8 x 8 pattern of a hatch style: 8 rows, bit 7 the leftmost pixel.
const std::uint8_t *HatchPattern(HatchStyle style);

// The brush as a Qt brush for a painter whose world-to-image transform is `toImage`;
// `imageOffset` is where device (0, 0) lies in the image. Path gradients are rendered here for
// the part of the image inside `imageBounds`. `clampArea` receives, for brushes that paint only
// part of the plane (clamped textures, path gradients), that part in image coordinates.
QBrush MakeQBrush(const GpBrush &brush, const QTransform &toImage, QPoint imageOffset, const QRect &imageBounds,
                  bool antiAlias, std::optional<QPainterPath> *clampArea);

// The pen as a Qt pen (world units) for a painter with transform `toImage`.
QPen MakeQPen(const GpPen &pen, const QTransform &toImage, QPoint imageOffset, const QRect &imageBounds,
              bool antiAlias);

// Adjusts the pixels (ARGB32) of an image by the attributes' bitmap settings.
void ApplyAttributes(QImage &image, const GpImageAttributes &attributes, ColorAdjustType type);

// Images: decoded from file bytes; nullptr with the reason in `status`.
std::unique_ptr<GpImage> DecodeImage(const QByteArray &bytes, Status &status);
// The pixels as ARGB32 premultiplied.
QImage Premultiplied(const GpImage &image);

// Runs `draw` in a drawing session on the graphics (painter, world-to-image transform,
// anti-aliasing, and a maker of Qt brushes for it); `worldBounds` is what may change.
void PaintText(GpGraphics &g,
               const std::function<void(QPainter &, const QTransform &, bool,
                                        const std::function<QBrush(const GpBrush &)> &)> &draw,
               const QRectF &worldBounds);

// Adds a cardinal spline through the points to the path (continuing its figure).
void AddCardinal(GpPath &path, const QPointF *points, int count, double tension, bool closed);

}  // namespace gdiplus_detail
