#pragma once
// TDrawing: a picture kept as the list of drawing operations that made it, so that it can be
// drawn again onto any canvas or painter at that target's own resolution: a metafile's content,
// and the content of a printed page.
//
// A drawing is recorded through a canvas surface (TCanvasSurface::Recording): every canvas
// drawing on that surface, through whatever device context, adds what it draws as records in
// the surface's pixel coordinates (the drawing's frame, Width x Height), with the pen, brush,
// font, colours and modes of the moment resolved to plain values. Operations that have no record
// of their own (flood fills, raster operations that read the destination, GDI+ drawing) leave
// the pixels they changed as a bitmap record, so that the list always holds the whole picture.
// Each record is drawn within the clip of the last Clip record (the frame at the start).
//
// Playing maps the frame onto a target rectangle. On a canvas (PlayDrawing) the records are
// drawn again with the canvas's own operations: at the size recorded the pixels come out as
// they were recorded. Stretched, coordinates and font heights scale, pens of width 1 stay one
// device pixel wide and wider pens scale. On a painter (PaintDrawing), as printers and PDF files
// need, shapes become paths, text stays text and thin pens are cosmetic lines; operations that
// invert what lies below are left out there, since such devices cannot read it back.
// GUI thread.

#include <QImage>
#include <QRegion>
#include <QString>

#include <cstdint>
#include <memory>
#include <vector>

#include "platform/runtime/Colors.h"
#include "platform/runtime/GraphicsTypes.h"
#include "platform/ui/GraphicsBrush.h"
#include "platform/ui/GraphicsFont.h"
#include "platform/ui/GraphicsPen.h"
#include "platform/ui/Region.h"

class QPainter;
class QRectF;
class TCanvas;

enum class TDrawKind : std::uint8_t {
    Clip,       // Region: what the records after it may draw on
    Line,       // Points[0] to Points[1], the end point left out
    Polyline,   // Points
    Polygon,    // Points, outlined and filled
    Rectangle,  // Box
    RoundRect,  // Box, corner ellipse Points[0] (width, height)
    Ellipse,    // Box
    Arc,        // Box, from Points[0] to Points[1] counter-clockwise
    Pie,
    Chord,
    Fill,       // Box with the brush alone
    Gradient,   // Box from Brush.Color to Color2, Vertical: top to bottom
    Invert,     // Box inverted
    FocusRect,  // Box as a dotted focus frame
    Text,       // Text at Points[0], see TDrawText
    Image,      // Picture stretched onto Box
};

struct TDrawPen {
    TColor Color = clBlack;  // RGB
    TPenStyle Style = psSolid;
    int Width = 1;
    friend bool operator==(const TDrawPen &, const TDrawPen &) = default;
};

struct TDrawBrush {
    TColor Color = clWhite;  // RGB
    TBrushStyle Style = bsSolid;
    QImage Pattern;  // an 8 x 8 colour pattern in place of the style, null for none
    bool operator==(const TDrawBrush &o) const
    {
        return Color == o.Color && Style == o.Style && Pattern.cacheKey() == o.Pattern.cacheKey();
    }
};

struct TDrawText {
    QString Text;
    std::shared_ptr<const TFont> Font;
    unsigned Align = 0;   // TA_* of the reference point (never TA_UPDATECP)
    bool FillBk = false;  // the text cell is painted in BkColor first
    bool Clipped = false;
    TRect ClipRect;
    int UnderlineFrom = -1;  // the character underlined as a mnemonic
    int UnderlineCount = 0;
};

struct TDrawRecord {
    TDrawKind Kind = TDrawKind::Fill;
    TRect Box;
    std::vector<TPoint> Points;
    TDrawPen Pen;
    TDrawBrush Brush;
    int Rop2 = 13;  // R2_COPYPEN
    TPolyFillMode FillMode = TPolyFillMode::Alternate;
    TPoint BrushOrg;
    TColor TextColor = clBlack;  // RGB
    TColor BkColor = clWhite;    // RGB: behind text, hatches and the gaps of styled pens
    bool OpaqueBk = true;
    TColor Color2 = clBlack;
    bool Vertical = false;
    std::shared_ptr<const TDrawText> Text;
    QImage Picture;  // Format_RGB32, or Format_ARGB32 where it has transparent parts
    QRegion Region;
};

class TDrawing {
public:
    TDrawing(int width, int height);

    int Width() const { return width_; }
    int Height() const { return height_; }
    const std::vector<TDrawRecord> &Records() const { return records_; }
    bool operator==(const TDrawing &) const = delete;

    // Adds a record drawn within `visible` (frame pixels); a Clip record goes first when the clip
    // changed since the last record.
    void Add(TDrawRecord record, const QRegion &visible);
    // Adds the pixels of `r` of `surface` as a bitmap record: what an operation without a record
    // of its own left there.
    void AddPixels(const QImage &surface, const QRect &r, const QRegion &visible);

private:
    int width_;
    int height_;
    QRegion clip_;
    std::vector<TDrawRecord> records_;
};

// Draws the drawing's frame stretched onto `dest` (logical coordinates of the canvas), within
// the canvas's clip; the canvas's pen, brush, font and modes are as before afterwards.
void PlayDrawing(const TDrawing &drawing, TCanvas *canvas, const TRect &dest);
// The same on a painter of any device, `dest` in the painter's coordinates.
void PaintDrawing(const TDrawing &drawing, QPainter &painter, const QRectF &dest);
