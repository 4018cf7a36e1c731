#pragma once
// TCanvas: drawing with the rules of the original platform's graphics device interface on a 32-bit
// image. A line leaves out its end point, a rectangle its right and bottom edge; nothing is
// anti-aliased; the pen mode and the copy mode combine colours bit by bit; text is anchored at its
// top-left corner unless the text-align mode says otherwise; a solid brush paints behind text.
//
// A canvas is also its own device context (HDC is TCanvas *): it keeps the viewport and window
// origins, the clip region, the text and background colours and modes, and a stack of saved
// states. Another canvas can be pointed at a device context with SetHandle(dc): it then draws on
// the same pixels through the same origin and clip, with its own pen, brush and font. That is how
// a windowless control paints into its parent and how a parent paints its background into a
// transparent child.

#include <QImage>
#include <QRegion>

#include <functional>
#include <memory>
#include <optional>
#include <vector>

#include "platform/runtime/Classes.h"
#include "platform/runtime/Colors.h"
#include "platform/runtime/Events.h"
#include "platform/runtime/GraphicsTypes.h"
#include "platform/ui/Drawing.h"
#include "platform/ui/GraphicsBrush.h"
#include "platform/ui/GraphicsFont.h"
#include "platform/ui/GraphicsPen.h"
#include "platform/ui/Region.h"

class TCanvas;
class TGraphic;
class TBitmap;
class TCanvasPainter;
using HDC = TCanvas *;

// The pixels a canvas draws on. A bitmap or a window owns it; every canvas drawing on it holds a
// reference. OnDrawn hears about pixels changed (device rectangle) unless painting is suspended.
// While Recording is set (a metafile's canvas, a printer's page) every canvas drawing here also
// adds its operations to that drawing; Vectored counts the operations under way that add a
// record of their own, and pixels changed outside them are added as bitmap records.
struct TCanvasSurface {
    QImage Image;            // Format_RGB32 or Format_ARGB32
    bool Monochrome = false;  // only black and white pixels
    std::function<void(const QRect &)> OnDrawn;
    int Suspended = 0;
    std::shared_ptr<TDrawing> Recording;
    int Vectored = 0;
    void Drawn(const QRect &r)
    {
        if (r.isEmpty())
            return;
        if (Recording && Vectored == 0)
            Recording->AddPixels(Image, r, QRegion(Image.rect()));
        if (Suspended == 0 && OnDrawn)
            OnDrawn(r);
    }
};

// What the pixel-level drawing of one canvas operation works from (CanvasPainter.h), taken from
// the canvas when the operation starts: the pixels, where logical (0, 0) and the visible part lie
// on them, and the pen, brush and background as they stand.
struct TCanvasPaintState {
    std::shared_ptr<TCanvasSurface> Surface;
    TPoint Offset;    // of logical coordinates on the surface
    QRegion Visible;  // surface coordinates
    TColor BkColor = clWhite;
    TColor TextColor = clBlack;
    bool OpaqueBk = true;
    int Rop2 = 13;    // R2_COPYPEN
    TPoint BrushOrg;  // surface coordinates
    TColor PenColor = clBlack;
    TPenStyle PenStyle = psSolid;
    int PenWidth = 1;
    TColor BrushColor = clWhite;
    TBrushStyle BrushStyle = bsSolid;
    QImage BrushPattern;  // the brush's bitmap, null for none
    bool BrushPatternMono = false;
};

// Ternary raster operations (copy modes) of CopyRect, Draw and the bit-block copies.
using TCopyMode = DWORD;
constexpr DWORD BLACKNESS = 0x00000042;
constexpr DWORD NOTSRCERASE = 0x001100A6;
constexpr DWORD NOTSRCCOPY = 0x00330008;
constexpr DWORD SRCERASE = 0x00440328;
constexpr DWORD DSTINVERT = 0x00550009;
constexpr DWORD PATINVERT = 0x005A0049;
constexpr DWORD SRCINVERT = 0x00660046;
constexpr DWORD SRCAND = 0x008800C6;
constexpr DWORD MERGEPAINT = 0x00BB0226;
constexpr DWORD MERGECOPY = 0x00C000CA;
constexpr DWORD SRCCOPY = 0x00CC0020;
constexpr DWORD SRCPAINT = 0x00EE0086;
constexpr DWORD PATCOPY = 0x00F00021;
constexpr DWORD PATPAINT = 0x00FB0A09;
constexpr DWORD WHITENESS = 0x00FF0062;
constexpr DWORD ROP_DSPDxax = 0x00E20746;
constexpr TCopyMode cmBlackness = BLACKNESS, cmDstInvert = DSTINVERT, cmMergeCopy = MERGECOPY,
                    cmMergePaint = MERGEPAINT, cmNotSrcCopy = NOTSRCCOPY, cmNotSrcErase = NOTSRCERASE,
                    cmPatCopy = PATCOPY, cmPatInvert = PATINVERT, cmPatPaint = PATPAINT, cmSrcAnd = SRCAND,
                    cmSrcCopy = SRCCOPY, cmSrcErase = SRCERASE, cmSrcInvert = SRCINVERT, cmSrcPaint = SRCPAINT,
                    cmWhiteness = WHITENESS;

// Background modes.
constexpr int TRANSPARENT = 1;
constexpr int OPAQUE = 2;

// Text-align modes of TextOut.
constexpr UINT TA_NOUPDATECP = 0;
constexpr UINT TA_UPDATECP = 1;
constexpr UINT TA_LEFT = 0;
constexpr UINT TA_RIGHT = 2;
constexpr UINT TA_CENTER = 6;
constexpr UINT TA_TOP = 0;
constexpr UINT TA_BOTTOM = 8;
constexpr UINT TA_BASELINE = 24;
constexpr UINT TA_RTLREADING = 256;

// DrawText format flags.
constexpr UINT DT_TOP = 0x0;
constexpr UINT DT_LEFT = 0x0;
constexpr UINT DT_CENTER = 0x1;
constexpr UINT DT_RIGHT = 0x2;
constexpr UINT DT_VCENTER = 0x4;
constexpr UINT DT_BOTTOM = 0x8;
constexpr UINT DT_WORDBREAK = 0x10;
constexpr UINT DT_SINGLELINE = 0x20;
constexpr UINT DT_EXPANDTABS = 0x40;
constexpr UINT DT_TABSTOP = 0x80;
constexpr UINT DT_NOCLIP = 0x100;
constexpr UINT DT_EXTERNALLEADING = 0x200;
constexpr UINT DT_CALCRECT = 0x400;
constexpr UINT DT_NOPREFIX = 0x800;
constexpr UINT DT_INTERNAL = 0x1000;
constexpr UINT DT_EDITCONTROL = 0x2000;
constexpr UINT DT_PATH_ELLIPSIS = 0x4000;
constexpr UINT DT_END_ELLIPSIS = 0x8000;
constexpr UINT DT_MODIFYSTRING = 0x10000;
constexpr UINT DT_RTLREADING = 0x20000;
constexpr UINT DT_WORD_ELLIPSIS = 0x40000;
constexpr UINT DT_HIDEPREFIX = 0x100000;
constexpr UINT DT_PREFIXONLY = 0x200000;

// DrawEdge: edges and sides.
constexpr UINT BDR_RAISEDOUTER = 0x1;
constexpr UINT BDR_SUNKENOUTER = 0x2;
constexpr UINT BDR_RAISEDINNER = 0x4;
constexpr UINT BDR_SUNKENINNER = 0x8;
constexpr UINT BDR_OUTER = 0x3;
constexpr UINT BDR_INNER = 0xC;
constexpr UINT BDR_RAISED = 0x5;
constexpr UINT BDR_SUNKEN = 0xA;
constexpr UINT EDGE_RAISED = BDR_RAISEDOUTER | BDR_RAISEDINNER;
constexpr UINT EDGE_SUNKEN = BDR_SUNKENOUTER | BDR_SUNKENINNER;
constexpr UINT EDGE_ETCHED = BDR_SUNKENOUTER | BDR_RAISEDINNER;
constexpr UINT EDGE_BUMP = BDR_RAISEDOUTER | BDR_SUNKENINNER;
constexpr UINT BF_LEFT = 0x1;
constexpr UINT BF_TOP = 0x2;
constexpr UINT BF_RIGHT = 0x4;
constexpr UINT BF_BOTTOM = 0x8;
constexpr UINT BF_TOPLEFT = BF_TOP | BF_LEFT;
constexpr UINT BF_TOPRIGHT = BF_TOP | BF_RIGHT;
constexpr UINT BF_BOTTOMLEFT = BF_BOTTOM | BF_LEFT;
constexpr UINT BF_BOTTOMRIGHT = BF_BOTTOM | BF_RIGHT;
constexpr UINT BF_RECT = BF_LEFT | BF_TOP | BF_RIGHT | BF_BOTTOM;
constexpr UINT BF_MIDDLE = 0x800;
constexpr UINT BF_SOFT = 0x1000;
constexpr UINT BF_ADJUST = 0x2000;
constexpr UINT BF_FLAT = 0x4000;
constexpr UINT BF_MONO = 0x8000;

// Direction of the two-colour gradient fill: Vertical runs from the top edge to the bottom edge
// (each row one colour), Horizontal from the left edge to the right edge.
enum class TGradientFillDirection { Horizontal, Vertical };

enum TFillStyle { fsSurface, fsBorder };

class TCanvas : public TPersistent {
    T_DECLARE_CLASS(TCanvas, TPersistent)
    TCanvas();
    ~TCanvas() override;

    // ---- Drawing tools ----
    TPen *Pen() const { return pen_.get(); }
    void SetPen(TPen *value) { pen_->Assign(value); }
    TBrush *Brush() const { return brush_.get(); }
    void SetBrush(TBrush *value) { brush_->Assign(value); }
    TFont *Font() const { return font_.get(); }
    void SetFont(TFont *value) { font_->Assign(value); }
    TCopyMode CopyMode() const { return copyMode_; }
    void SetCopyMode(TCopyMode value) { copyMode_ = value; }
    TPoint PenPos() const { return state_.PenPos; }
    void SetPenPos(const TPoint &p)
    {
        Handle();
        state_.PenPos = p;
    }
    // Bounding box of the visible (clipped) area in logical coordinates.
    TRect ClipRect();

    TNotifyEvent OnChange;
    TNotifyEvent OnChanging;

    // ---- Device context ----
    // This canvas as a device context, making sure it has pixels to draw on.
    HDC Handle();
    // Draw through another device context (its pixels, origin and clip); nullptr detaches.
    void SetHandle(HDC dc);
    bool HandleAllocated() const { return surface_ != nullptr; }
    // Serialises painting from several places; the framework's canvases are used on the GUI
    // thread only, so this only counts.
    void Lock() { ++lockCount_; }
    void Unlock() { --lockCount_; }
    bool TryLock() { Lock(); return true; }
    int LockCount() const { return lockCount_; }
    void Refresh() {}

    // ---- Lines and shapes ----
    void MoveTo(int x, int y) { SetPenPos(TPoint(x, y)); }
    void LineTo(int x, int y);
    void Polyline(const TPoint *points, int count);
    void Polyline(const std::vector<TPoint> &points) { Polyline(points.data(), static_cast<int>(points.size())); }
    void Polygon(const TPoint *points, int count);
    void Polygon(const std::vector<TPoint> &points) { Polygon(points.data(), static_cast<int>(points.size())); }
    void Rectangle(int x1, int y1, int x2, int y2);
    void Rectangle(const TRect &r) { Rectangle(r.Left, r.Top, r.Right, r.Bottom); }
    void RoundRect(int x1, int y1, int x2, int y2, int x3, int y3);
    void Ellipse(int x1, int y1, int x2, int y2);
    void Ellipse(const TRect &r) { Ellipse(r.Left, r.Top, r.Right, r.Bottom); }
    // Bounding box, then the start and end points of the arc, counter-clockwise.
    void Arc(int x1, int y1, int x2, int y2, int x3, int y3, int x4, int y4);
    void Pie(int x1, int y1, int x2, int y2, int x3, int y3, int x4, int y4);
    void Chord(int x1, int y1, int x2, int y2, int x3, int y3, int x4, int y4);
    void FloodFill(int x, int y, TColor color, TFillStyle style);

    // ---- Rectangles with the brush ----
    void FillRect(const TRect &r);
    // The rectangle in one solid colour, leaving the brush as it is.
    void FillRect(const TRect &r, TColor color);
    void FrameRect(const TRect &r);
    void InvertRect(const TRect &r);
    // Dotted frame drawn by inverting; drawing it twice restores the pixels.
    void DrawFocusRect(const TRect &r);
    // Raised/sunken/etched borders in the system colours; with BF_ADJUST r becomes the interior.
    bool DrawEdge(TRect &r, UINT edge, UINT flags);
    void GradientFill(const TRect &r, TColor startColor, TColor endColor, TGradientFillDirection dir);
    void FillRegion(const TRegion &rgn);
    void FrameRegion(const TRegion &rgn, int width, int height);
    void InvertRegion(const TRegion &rgn);

    // ---- Text ----
    void TextOut(int x, int y, const QString &text);
    // Text clipped to r (and r filled first with an opaque background).
    void TextRect(const TRect &r, int x, int y, const QString &text);
    int TextWidth(const QString &text);
    int TextHeight(const QString &text);
    TSize TextExtent(const QString &text);
    // Formatted text (DT_* flags); returns the text height, or with DT_VCENTER/DT_BOTTOM the offset
    // from r.Top to the bottom of the text. DT_CALCRECT measures into r and draws nothing.
    int DrawText(const QString &text, TRect &r, UINT format);
    TTextMetric TextMetrics();

    // ---- Pictures and pixel copies ----
    void Draw(int x, int y, TGraphic *graphic);
    void Draw(int x, int y, TGraphic *graphic, std::uint8_t opacity);
    void StretchDraw(const TRect &r, TGraphic *graphic);
    // Copies with CopyMode.
    void CopyRect(const TRect &dest, TCanvas *source, const TRect &sourceRect);
    // Copies a rectangle of `source` with a raster operation; stretched when the sizes differ.
    void StretchBlt(const TRect &dest, TCanvas *source, const TRect &sourceRect, DWORD rop);
    void BitBlt(int x, int y, int w, int h, TCanvas *source, int sx, int sy, DWORD rop)
    {
        StretchBlt(Bounds(x, y, w, h), source, Bounds(sx, sy, w, h), rop);
    }
    // The same from an image: `sourceRect` in image pixels; a monochrome source takes this
    // canvas's text colour for black and background colour for white; a colour source copied to a
    // monochrome canvas turns `sourceBk` white and everything else black.
    void StretchBltImage(const TRect &dest, const QImage &source, bool sourceMono, TColor sourceBk,
                         const TRect &sourceRect, DWORD rop);
    // Raster operation with the brush only (PATCOPY, PATINVERT, DSTINVERT, BLACKNESS ...).
    void PatBlt(const TRect &r, DWORD rop);
    // Copies the pixels of `image` (any Qt format, alpha ignored unless `alpha`), transparent
    // pixels of `transparentColor` left out when it is not clNone.
    void DrawImage(const TRect &dest, const QImage &image, const TRect &sourceRect, bool alpha = false,
                   TColor transparentColor = clNone, std::uint8_t opacity = 255);

    TColor Pixel(int x, int y);
    void SetPixel(int x, int y, TColor color);
    class PixelRef {
    public:
        PixelRef(TCanvas *c, int x, int y) : c_(c), x_(x), y_(y) {}
        operator TColor() const { return c_->Pixel(x_, y_); }
        PixelRef &operator=(TColor color)
        {
            c_->SetPixel(x_, y_, color);
            return *this;
        }

    private:
        TCanvas *c_;
        int x_, y_;
    };
    // Pixels(x, y) = clRed; TColor c = Pixels(x, y); (clNone outside the clip or the image)
    PixelRef Pixels(int x, int y) { return PixelRef(this, x, y); }

    // ---- Device-context state ----
    TColor TextColor() const { return state_.TextColor; }
    TColor SetTextColor(TColor c);
    TColor BkColor() const { return state_.BkColor; }
    TColor SetBkColor(TColor c);
    int BkMode() const { return state_.BkMode; }
    int SetBkMode(int mode);
    UINT TextAlign() const { return state_.TextAlign; }
    UINT SetTextAlign(UINT align);
    int Rop2() const { return state_.Rop2; }
    int SetRop2(int rop2);
    TPolyFillMode PolyFillMode() const { return state_.FillMode; }
    void SetPolyFillMode(TPolyFillMode mode)
    {
        Handle();
        state_.FillMode = mode;
    }
    TPoint BrushOrg() const { return state_.BrushOrg; }
    void SetBrushOrg(const TPoint &p)
    {
        Handle();
        state_.BrushOrg = p;
    }

    // Saves the whole state; returns its level (1 for the first).
    int SaveDC();
    // Restores level n, or with a negative n the n-th most recent; false when there is none.
    bool RestoreDC(int level);
    TPoint ViewportOrg() const { return state_.ViewportOrg; }
    TPoint SetViewportOrg(const TPoint &p);
    TPoint OffsetViewportOrg(int dx, int dy);
    TPoint WindowOrg() const { return state_.WindowOrg; }
    TPoint SetWindowOrg(const TPoint &p);

    // Clipping (rectangles in logical coordinates). SelectClipRegion(nullptr) removes the clip.
    void IntersectClipRect(const TRect &r);
    void ExcludeClipRect(const TRect &r);
    void SelectClipRegion(const TRegion *rgn);
    void CombineClipRegion(const TRegion &rgn, TRegionCombine mode);
    // The clip region in logical coordinates; nullopt when none is selected.
    std::optional<TRegion> ClipRegion() const;
    bool PtVisible(int x, int y);
    bool RectVisible(const TRect &r);

    // Logical to device (pixel of the surface) and back.
    TPoint LogicalToDevice(const TPoint &p) const;
    TPoint DeviceToLogical(const TPoint &p) const;

    // The image drawn on (nullptr without a handle).
    const QImage *TargetImage() const { return surface_ ? &surface_->Image : nullptr; }
    const std::shared_ptr<TCanvasSurface> &Surface() const { return surface_; }
    // The state a drawing operation starts from; call only while the canvas has a surface.
    TCanvasPaintState PaintState();

protected:
    // Called when a handle is needed and none is attached: a canvas of a bitmap or a window
    // attaches its surface here.
    virtual void CreateHandle() {}
    // Called before each use of the handle: a canvas whose pixels moved detaches here.
    virtual void ValidateHandle() {}
    // Draw on `surface`, with (0, 0) of the device at `origin` of the surface and only `clip`
    // (surface coordinates) visible. Resets origins, clip and the saved states.
    void AttachSurface(std::shared_ptr<TCanvasSurface> surface, TPoint origin, std::optional<QRegion> clip);
    void DetachSurface();

    virtual void Changing();
    virtual void Changed();

private:
    friend class TDrawingPlayer;
    // Marks an operation that records itself on a recording surface (see TCanvasSurface); true
    // when there is a drawing to add to.
    class RecordScope {
    public:
        explicit RecordScope(TCanvas &c);
        ~RecordScope();
        RecordScope(const RecordScope &) = delete;
        RecordScope &operator=(const RecordScope &) = delete;
        explicit operator bool() const { return surface_ != nullptr; }

    private:
        TCanvasSurface *surface_;
    };
    // A record of the kind with the pen, brush, colours and modes as they stand.
    TDrawRecord NewRecord(TDrawKind kind);
    // Adds it to the surface's drawing with the visible part as its clip.
    void Record(TDrawRecord record);
    // Records one colour over a surface rectangle.
    void RecordSolid(const TRect &r, TColor color);
    // Logical to surface coordinates.
    TPoint ToSurface(int x, int y) const { return TPoint(x + Offset().X, y + Offset().Y); }
    TRect ToSurface(const TRect &r) const
    {
        TRect d = r;
        d.Offset(Offset().X, Offset().Y);
        return d;
    }

    struct State {
        TPoint PenPos;
        TPoint ViewportOrg;
        TPoint WindowOrg;
        std::optional<QRegion> Clip;  // surface coordinates
        TColor TextColor = clBlack;
        TColor BkColor = clWhite;
        int BkMode = OPAQUE;
        UINT TextAlign = TA_LEFT | TA_TOP;
        int Rop2 = 13;  // R2_COPYPEN
        TPolyFillMode FillMode = TPolyFillMode::Alternate;
        TPoint BrushOrg;
    };
    struct Saved {
        State S;
        std::unique_ptr<TPen> Pen;
        std::unique_ptr<TBrush> Brush;
        std::unique_ptr<TFont> Font;
    };
    void PenChanged(TObject *);
    void BrushChanged(TObject *);
    void FontChanged(TObject *);
    bool Ready();
    // Runs `draw` with the box (x1, y1)-(x2, y2) put in order, as one change of the canvas; an
    // empty box or a canvas without pixels draws nothing.
    void DrawInBox(int x1, int y1, int x2, int y2, TDrawKind kind, std::vector<TPoint> points,
                   const std::function<void(TCanvasPainter &, const TRect &)> &draw);
    // Device offset of logical coordinates.
    TPoint Offset() const;
    // Visible part of the surface (surface coordinates).
    const QRegion &Visible();
    void InvalidateVisible() { visibleValid_ = false; }
    const QFont &CachedFont();
    // The width of the text in the canvas's font.
    int MeasuredWidth(const QString &text);
    const TTextMetric &CachedMetrics();
    // Draws one run of text at a reference point (logical) placed by TA_* `align`, rotated by the
    // font's escapement, clipped to `clip` (logical) when given; `fillBk` paints the text cell.
    // Answers the text's width (as TextWidth measures it).
    int RenderText(const QString &text, int x, int y, UINT align, const TRect *clip, bool fillBk,
                   int underlineFrom = -1, int underlineCount = 0);

    std::unique_ptr<TPen> pen_;
    std::unique_ptr<TBrush> brush_;
    std::unique_ptr<TFont> font_;
    TCopyMode copyMode_ = cmSrcCopy;
    int lockCount_ = 0;

    std::shared_ptr<TCanvasSurface> surface_;
    TPoint baseOrigin_;                  // where device (0, 0) lies on the surface
    std::optional<QRegion> baseClip_;    // surface coordinates
    State state_;
    std::vector<Saved> saved_;
    QRegion visible_;
    bool visibleValid_ = false;
    QFont nativeFont_;
    QString nativeFontKey_;  // identifies nativeFont_ among the widths measured before
    TTextMetric metrics_;
    bool nativeFontValid_ = false;
    std::shared_ptr<const TFont> recordedFont_;  // the font as text records take it
};
