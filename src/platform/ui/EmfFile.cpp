// Writing a drawing as enhanced metafile records and reading such records back (EmfFile.h).

#include "platform/ui/EmfFile.h"

#include <QFontMetrics>
#include <QtEndian>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <map>
#include <optional>
#include <set>
#include <vector>

#include "platform/ui/Graphics.h"

namespace {

// ---- Record types and constants ------------------------------------------------------------------

enum : std::uint32_t {
    EmrHeader = 1,
    EmrPolygon = 3,
    EmrPolyline = 4,
    EmrSetBrushOrgEx = 13,
    EmrEof = 14,
    EmrSetBkMode = 18,
    EmrSetPolyFillMode = 19,
    EmrSetRop2 = 20,
    EmrSetTextAlign = 22,
    EmrSetTextColor = 24,
    EmrSetBkColor = 25,
    EmrMoveToEx = 27,
    EmrExcludeClipRect = 29,
    EmrIntersectClipRect = 30,
    EmrSaveDC = 33,
    EmrRestoreDC = 34,
    EmrSelectObject = 37,
    EmrCreatePen = 38,
    EmrCreateBrushIndirect = 39,
    EmrDeleteObject = 40,
    EmrEllipse = 42,
    EmrRectangle = 43,
    EmrRoundRect = 44,
    EmrArc = 45,
    EmrChord = 46,
    EmrPie = 47,
    EmrLineTo = 54,
    EmrExtSelectClipRgn = 75,
    EmrBitBlt = 76,
    EmrStretchDIBits = 81,
    EmrExtCreateFontIndirectW = 82,
    EmrExtTextOutW = 84,
    EmrPolygon16 = 86,
    EmrPolyline16 = 87,
    EmrCreateDibPatternBrushPt = 94,
    EmrAlphaBlend = 114,
    EmrGradientFill = 118,
};

constexpr std::uint32_t EmfSignature = 0x464D4520;  // " EMF"
constexpr std::uint32_t EmfVersion = 0x10000;
constexpr std::uint32_t SrcCopy = 0x00CC0020;
constexpr std::uint32_t DstInvert = 0x00550009;
constexpr std::uint32_t PatCopy = 0x00F00021;
constexpr std::uint32_t NullBrush = 0x80000005;
constexpr std::uint32_t NullPen = 0x80000008;
constexpr std::uint32_t RgnCopy = 5;
constexpr std::uint32_t EtoOpaque = 2;
constexpr std::uint32_t EtoClipped = 4;
// ENHMETAHEADER with both extensions (pixel format and micrometres).
constexpr std::uint32_t HeaderSize = 108;
constexpr std::uint32_t BitmapInfoSize = 40;
// The reference device: a 96 dpi screen of 1920 x 1080 pixels.
constexpr int RefWidthPixels = 1920;
constexpr int RefHeightPixels = 1080;
constexpr int RefWidthMm = 508;
constexpr int RefHeightMm = 286;
constexpr int MaxSide = 65535;

// Pixels at 96 dpi in units of 0.01 mm.
int HundredthsOfMm(int pixels)
{
    return static_cast<int>(std::lround(pixels * 2540.0 / 96.0));
}

std::uint32_t Padded4(std::uint32_t n)
{
    return (n + 3) & ~3u;
}

// Pen styles of the file, in the order of TPenStyle.
constexpr std::uint32_t PenStyleCodes[] = {0, 1, 2, 3, 4, 5, 6, 0, 2};

// ---- Writing --------------------------------------------------------------------------------------

class Out {
public:
    QByteArray Bytes;
    std::uint32_t Records = 0;

    void U32(std::uint32_t v)
    {
        const std::uint32_t le = qToLittleEndian(v);
        Bytes.append(reinterpret_cast<const char *>(&le), 4);
    }
    void I32(std::int32_t v) { U32(static_cast<std::uint32_t>(v)); }
    void U16(std::uint16_t v)
    {
        const std::uint16_t le = qToLittleEndian(v);
        Bytes.append(reinterpret_cast<const char *>(&le), 2);
    }
    void F32(float v)
    {
        std::uint32_t bits = 0;
        std::memcpy(&bits, &v, 4);
        U32(bits);
    }
    void Rect(const TRect &r)
    {
        I32(r.Left);
        I32(r.Top);
        I32(r.Right);
        I32(r.Bottom);
    }
    void Point(const TPoint &p)
    {
        I32(p.X);
        I32(p.Y);
    }
    void Pad() { Bytes.append(QByteArray(static_cast<qsizetype>(Padded4(Bytes.size()) - Bytes.size()), '\0')); }
    // Starts a record; End fills in its size.
    qsizetype Begin(std::uint32_t type)
    {
        const qsizetype at = Bytes.size();
        U32(type);
        U32(0);
        ++Records;
        return at;
    }
    void End(qsizetype at)
    {
        Pad();
        qToLittleEndian(static_cast<std::uint32_t>(Bytes.size() - at), Bytes.data() + at + 4);
    }
    void Simple(std::uint32_t type, std::uint32_t value)
    {
        const qsizetype at = Begin(type);
        U32(value);
        End(at);
    }
};

// A BITMAPINFOHEADER and bottom-up bits of a picture: 24 bits, or 32 bits premultiplied.
struct Dib {
    QByteArray Info;
    QByteArray Bits;
};

Dib MakeDib(const QImage &picture, bool alpha)
{
    const QImage img = picture.convertToFormat(alpha ? QImage::Format_ARGB32_Premultiplied : QImage::Format_RGB32);
    const int w = img.width(), h = img.height();
    const int bpp = alpha ? 32 : 24;
    const qsizetype stride = ((static_cast<qsizetype>(w) * bpp + 31) / 32) * 4;
    Dib dib;
    Out info;
    info.U32(BitmapInfoSize);
    info.I32(w);
    info.I32(h);  // bottom-up
    info.U16(1);
    info.U16(static_cast<std::uint16_t>(bpp));
    info.U32(0);  // BI_RGB
    info.U32(static_cast<std::uint32_t>(stride * h));
    info.I32(3780);  // 96 dpi in pixels per metre
    info.I32(3780);
    info.U32(0);
    info.U32(0);
    dib.Info = info.Bytes;
    dib.Bits = QByteArray(stride * h, '\0');
    for (int y = 0; y < h; ++y) {
        const auto *line = reinterpret_cast<const QRgb *>(img.constScanLine(h - 1 - y));
        auto *row = reinterpret_cast<uchar *>(dib.Bits.data() + stride * y);
        for (int x = 0; x < w; ++x) {
            *row++ = static_cast<uchar>(qBlue(line[x]));
            *row++ = static_cast<uchar>(qGreen(line[x]));
            *row++ = static_cast<uchar>(qRed(line[x]));
            if (alpha)
                *row++ = static_cast<uchar>(qAlpha(line[x]));
        }
    }
    return dib;
}

class Writer {
public:
    Writer(Out &out, const TDrawing &drawing) : o_(out), frame_(0, 0, drawing.Width(), drawing.Height()) {}

    void Write(const TDrawRecord &r)
    {
        switch (r.Kind) {
        case TDrawKind::Clip: Clip(r.Region); break;
        case TDrawKind::Line: {
            Pen(r);
            qsizetype at = o_.Begin(EmrMoveToEx);
            o_.Point(r.Points.at(0));
            o_.End(at);
            at = o_.Begin(EmrLineTo);
            o_.Point(r.Points.at(1));
            o_.End(at);
            break;
        }
        case TDrawKind::Polyline:
        case TDrawKind::Polygon: {
            Pen(r);
            if (r.Kind == TDrawKind::Polygon) {
                Brush(r);
                Mode(fillMode_, EmrSetPolyFillMode, r.FillMode == TPolyFillMode::Winding ? 2u : 1u);
            }
            const qsizetype at = o_.Begin(r.Kind == TDrawKind::Polygon ? EmrPolygon : EmrPolyline);
            o_.Rect(Bounds(r.Points));
            o_.U32(static_cast<std::uint32_t>(r.Points.size()));
            for (const TPoint &p : r.Points)
                o_.Point(p);
            o_.End(at);
            break;
        }
        case TDrawKind::Rectangle:
        case TDrawKind::Ellipse: {
            Pen(r);
            Brush(r);
            const qsizetype at = o_.Begin(r.Kind == TDrawKind::Rectangle ? EmrRectangle : EmrEllipse);
            o_.Rect(r.Box);
            o_.End(at);
            break;
        }
        case TDrawKind::RoundRect: {
            Pen(r);
            Brush(r);
            const qsizetype at = o_.Begin(EmrRoundRect);
            o_.Rect(r.Box);
            o_.Point(r.Points.at(0));
            o_.End(at);
            break;
        }
        case TDrawKind::Arc:
        case TDrawKind::Pie:
        case TDrawKind::Chord: {
            Pen(r);
            if (r.Kind != TDrawKind::Arc)
                Brush(r);
            const qsizetype at = o_.Begin(r.Kind == TDrawKind::Arc   ? EmrArc
                                          : r.Kind == TDrawKind::Pie ? EmrPie
                                                                     : EmrChord);
            o_.Rect(r.Box);
            o_.Point(r.Points.at(0));
            o_.Point(r.Points.at(1));
            o_.End(at);
            break;
        }
        case TDrawKind::Fill: Fill(r, r.Box); break;
        case TDrawKind::Gradient: Gradient(r); break;
        case TDrawKind::Invert: Invert(r.Box); break;
        case TDrawKind::FocusRect: {
            const TRect &b = r.Box;
            Invert(TRect(b.Left, b.Top, b.Right, b.Top + 1));
            if (b.Height() > 1)
                Invert(TRect(b.Left, b.Bottom - 1, b.Right, b.Bottom));
            if (b.Height() > 2) {
                Invert(TRect(b.Left, b.Top + 1, b.Left + 1, b.Bottom - 1));
                if (b.Width() > 1)
                    Invert(TRect(b.Right - 1, b.Top + 1, b.Right, b.Bottom - 1));
            }
            break;
        }
        case TDrawKind::Text: Text(r); break;
        case TDrawKind::Image: Image(r); break;
        }
    }

    std::uint32_t Handles() const { return maxHandle_ + 1; }

private:
    static TRect Bounds(const std::vector<TPoint> &points)
    {
        TRect b(points.at(0).X, points.at(0).Y, points.at(0).X, points.at(0).Y);
        for (const TPoint &p : points) {
            b.Left = std::min(b.Left, p.X);
            b.Top = std::min(b.Top, p.Y);
            b.Right = std::max(b.Right, p.X);
            b.Bottom = std::max(b.Bottom, p.Y);
        }
        return b;
    }

    void Mode(std::optional<std::uint32_t> &current, std::uint32_t type, std::uint32_t value)
    {
        if (current == value)
            return;
        current = value;
        o_.Simple(type, value);
    }

    std::uint32_t NewHandle()
    {
        std::uint32_t h = 1;
        while (used_.contains(h))
            ++h;
        used_.insert(h);
        maxHandle_ = std::max(maxHandle_, h);
        return h;
    }

    // Selects a new object in place of `current` and deletes the one it replaces.
    void Select(std::optional<std::uint32_t> &current, std::uint32_t handle)
    {
        o_.Simple(EmrSelectObject, handle);
        if (current && !(*current & 0x80000000u)) {
            o_.Simple(EmrDeleteObject, *current);
            used_.erase(*current);
        }
        current = handle;
    }

    void Pen(const TDrawRecord &r)
    {
        Mode(rop2_, EmrSetRop2, static_cast<std::uint32_t>(r.Rop2));
        const bool styled = r.Pen.Style != psSolid && r.Pen.Style != psInsideFrame && r.Pen.Style != psClear;
        if (styled) {
            Mode(bkMode_, EmrSetBkMode, r.OpaqueBk ? 2u : 1u);
            Mode(bkColor_, EmrSetBkColor, r.BkColor & 0xFFFFFF);
        }
        if (pen_ && penValue_ == r.Pen)
            return;
        penValue_ = r.Pen;
        if (r.Pen.Style == psClear) {
            Select(pen_, NullPen);
            return;
        }
        const std::uint32_t h = NewHandle();
        const qsizetype at = o_.Begin(EmrCreatePen);
        o_.U32(h);
        o_.U32(PenStyleCodes[std::clamp(static_cast<int>(r.Pen.Style), 0, 8)]);
        o_.I32(r.Pen.Width <= 1 ? 0 : r.Pen.Width);
        o_.I32(0);
        o_.U32(r.Pen.Color & 0xFFFFFF);
        o_.End(at);
        Select(pen_, h);
    }

    void NoPen()
    {
        if (pen_ == NullPen)
            return;
        penValue_ = TDrawPen{clBlack, psClear, 1};
        Select(pen_, NullPen);
    }

    void Brush(const TDrawRecord &r)
    {
        if (r.Brush.Style != bsSolid || !r.Brush.Pattern.isNull()) {
            Mode(bkMode_, EmrSetBkMode, r.OpaqueBk ? 2u : 1u);
            Mode(bkColor_, EmrSetBkColor, r.BkColor & 0xFFFFFF);
        }
        if (!r.Brush.Pattern.isNull() && brushOrg_ != r.BrushOrg) {
            brushOrg_ = r.BrushOrg;
            const qsizetype at = o_.Begin(EmrSetBrushOrgEx);
            o_.Point(r.BrushOrg);
            o_.End(at);
        }
        if (brush_ && brushValue_ == r.Brush)
            return;
        brushValue_ = r.Brush;
        if (r.Brush.Pattern.isNull() && r.Brush.Style == bsClear) {
            Select(brush_, NullBrush);
            return;
        }
        const std::uint32_t h = NewHandle();
        if (!r.Brush.Pattern.isNull()) {
            const Dib dib = MakeDib(r.Brush.Pattern, false);
            const qsizetype at = o_.Begin(EmrCreateDibPatternBrushPt);
            o_.U32(h);
            o_.U32(0);  // DIB_RGB_COLORS
            o_.U32(32);
            o_.U32(BitmapInfoSize);
            o_.U32(32 + BitmapInfoSize);
            o_.U32(static_cast<std::uint32_t>(dib.Bits.size()));
            o_.Bytes += dib.Info;
            o_.Bytes += dib.Bits;
            o_.End(at);
        } else {
            const qsizetype at = o_.Begin(EmrCreateBrushIndirect);
            o_.U32(h);
            const bool solid = r.Brush.Style == bsSolid;
            o_.U32(solid ? 0u : 2u);  // BS_SOLID, BS_HATCHED
            o_.U32(r.Brush.Color & 0xFFFFFF);
            o_.U32(solid ? 0u : static_cast<std::uint32_t>(r.Brush.Style - bsHorizontal));
            o_.End(at);
        }
        Select(brush_, h);
    }

    void Font(const std::shared_ptr<const TFont> &font)
    {
        if (font_ && fontValue_ && fontValue_->SameAs(*font))
            return;
        fontValue_ = font;
        const std::uint32_t h = NewHandle();
        const qsizetype at = o_.Begin(EmrExtCreateFontIndirectW);
        o_.U32(h);
        o_.I32(font->Height());
        o_.I32(0);
        o_.I32(font->Orientation());  // escapement
        o_.I32(font->Orientation());
        o_.I32(font->Style().Contains(fsBold) ? 700 : 400);
        const auto byte = [this](int v) { o_.Bytes.append(static_cast<char>(v)); };
        byte(font->Style().Contains(fsItalic));
        byte(font->Style().Contains(fsUnderline));
        byte(font->Style().Contains(fsStrikeOut));
        byte(font->Charset());
        byte(0);  // out precision
        byte(0);  // clip precision
        byte(static_cast<int>(font->Quality()));
        byte(font->Pitch() == fpFixed ? 1 : font->Pitch() == fpVariable ? 2 : 0);
        const QString face = font->Name().left(31);
        for (int i = 0; i < 32; ++i)
            o_.U16(i < face.size() ? face[i].unicode() : 0);
        o_.End(at);
        Select(font_, h);
    }

    void Clip(const QRegion &region)
    {
        const QRegion within = region & QRegion(ToQRect(frame_));
        const qsizetype at = o_.Begin(EmrExtSelectClipRgn);
        if (within == QRegion(ToQRect(frame_))) {
            o_.U32(0);
            o_.U32(RgnCopy);
        } else {
            const auto count = static_cast<std::uint32_t>(within.rectCount());
            o_.U32(32 + 16 * count);
            o_.U32(RgnCopy);
            o_.U32(32);  // RGNDATAHEADER
            o_.U32(1);   // RDH_RECTANGLES
            o_.U32(count);
            o_.U32(16 * count);
            o_.Rect(FromQRect(within.boundingRect()));
            for (const QRect &part : within)
                o_.Rect(FromQRect(part));
        }
        o_.End(at);
    }

    void Fill(const TDrawRecord &r, const TRect &box)
    {
        TDrawRecord solid = r;
        solid.Rop2 = 13;
        Mode(rop2_, EmrSetRop2, 13);
        NoPen();
        Brush(solid);
        // With the null pen a rectangle leaves out one more pixel on the right and at the bottom.
        const qsizetype at = o_.Begin(EmrRectangle);
        o_.Rect(TRect(box.Left, box.Top, box.Right + 1, box.Bottom + 1));
        o_.End(at);
    }

    void Gradient(const TDrawRecord &r)
    {
        const qsizetype at = o_.Begin(EmrGradientFill);
        o_.Rect(r.Box);
        o_.U32(2);                   // vertices
        o_.U32(1);                   // rectangles
        o_.U32(r.Vertical ? 1 : 0);  // GRADIENT_FILL_RECT_V, _H
        const auto vertex = [this](const TPoint &p, TColor c) {
            o_.Point(p);
            o_.U16(static_cast<std::uint16_t>(GetRValue(c) << 8));
            o_.U16(static_cast<std::uint16_t>(GetGValue(c) << 8));
            o_.U16(static_cast<std::uint16_t>(GetBValue(c) << 8));
            o_.U16(0);
        };
        vertex(TPoint(r.Box.Left, r.Box.Top), r.Brush.Color);
        vertex(TPoint(r.Box.Right, r.Box.Bottom), r.Color2);
        o_.U32(0);
        o_.U32(1);
        o_.End(at);
    }

    void Invert(const TRect &box)
    {
        const qsizetype at = o_.Begin(EmrBitBlt);
        o_.Rect(box);
        o_.I32(box.Left);
        o_.I32(box.Top);
        o_.I32(box.Width());
        o_.I32(box.Height());
        o_.U32(DstInvert);
        o_.I32(0);  // source x, y
        o_.I32(0);
        for (float v : {1.0f, 0.0f, 0.0f, 1.0f, 0.0f, 0.0f})
            o_.F32(v);
        o_.U32(0);  // source background
        o_.U32(0);  // DIB_RGB_COLORS
        for (int i = 0; i < 4; ++i)
            o_.U32(0);  // no source bitmap
        o_.End(at);
    }

    void Text(const TDrawRecord &r)
    {
        const TDrawText &t = *r.Text;
        Font(t.Font);
        Mode(textColor_, EmrSetTextColor, r.TextColor & 0xFFFFFF);
        Mode(bkMode_, EmrSetBkMode, t.FillBk ? 2u : 1u);
        if (t.FillBk)
            Mode(bkColor_, EmrSetBkColor, r.BkColor & 0xFFFFFF);
        Mode(textAlign_, EmrSetTextAlign, t.Align);
        // The advance of each character, as readers lay the text out by them.
        const QFontMetrics fm(t.Font->NativeFont());
        std::vector<std::int32_t> dx;
        dx.reserve(static_cast<std::size_t>(t.Text.size()));
        for (qsizetype i = 0; i < t.Text.size(); ++i) {
            if (t.Text[i].isHighSurrogate() && i + 1 < t.Text.size()) {
                dx.push_back(fm.horizontalAdvance(t.Text.mid(i, 2)));
                dx.push_back(0);
                ++i;
            } else {
                dx.push_back(fm.horizontalAdvance(t.Text[i]));
            }
        }
        const auto chars = static_cast<std::uint32_t>(t.Text.size());
        const std::uint32_t stringOffset = 76;
        const std::uint32_t dxOffset = stringOffset + Padded4(chars * 2);
        const TPoint at = r.Points.at(0);
        const qsizetype start = o_.Begin(EmrExtTextOutW);
        o_.Rect(t.Clipped ? t.ClipRect : frame_);
        o_.U32(1);  // GM_COMPATIBLE
        o_.F32(0);
        o_.F32(0);
        o_.Point(at);
        o_.U32(chars);
        o_.U32(stringOffset);
        o_.U32(t.Clipped ? EtoClipped : 0);
        o_.Rect(t.Clipped ? t.ClipRect : TRect());
        o_.U32(dxOffset);
        for (QChar c : t.Text)
            o_.U16(c.unicode());
        o_.Pad();
        for (std::int32_t v : dx)
            o_.I32(v);
        o_.End(start);
        if (t.UnderlineFrom >= 0 && t.UnderlineCount > 0 && t.UnderlineFrom < t.Text.size() && (t.Align & 30) == 0) {
            // The mnemonic's underline, one pixel under the baseline of a left, top anchored text.
            const TTextMetric m = t.Font->Metrics();
            const int ux = at.X + fm.horizontalAdvance(t.Text.left(t.UnderlineFrom));
            const int uw = fm.horizontalAdvance(t.Text.mid(t.UnderlineFrom, t.UnderlineCount));
            TDrawRecord line = r;
            line.Brush = {r.TextColor, bsSolid, QImage()};
            Fill(line, TRect(ux, at.Y + m.tmAscent + 1, ux + uw, at.Y + m.tmAscent + 2));
        }
    }

    void Image(const TDrawRecord &r)
    {
        const QImage &pic = r.Picture;
        const bool alpha = pic.hasAlphaChannel();
        const Dib dib = MakeDib(pic, alpha);
        const TRect &b = r.Box;
        if (!alpha) {
            const std::uint32_t fixed = 80;
            const qsizetype at = o_.Begin(EmrStretchDIBits);
            o_.Rect(b);
            o_.I32(b.Left);
            o_.I32(b.Top);
            o_.I32(0);  // source x, y, width, height
            o_.I32(0);
            o_.I32(pic.width());
            o_.I32(pic.height());
            o_.U32(fixed);
            o_.U32(BitmapInfoSize);
            o_.U32(fixed + BitmapInfoSize);
            o_.U32(static_cast<std::uint32_t>(dib.Bits.size()));
            o_.U32(0);  // DIB_RGB_COLORS
            o_.U32(SrcCopy);
            o_.I32(b.Width());
            o_.I32(b.Height());
            o_.Bytes += dib.Info;
            o_.Bytes += dib.Bits;
            o_.End(at);
            return;
        }
        const std::uint32_t fixed = 108;
        const qsizetype at = o_.Begin(EmrAlphaBlend);
        o_.Rect(b);
        o_.I32(b.Left);
        o_.I32(b.Top);
        o_.I32(b.Width());
        o_.I32(b.Height());
        o_.U32(0x01FF0000);  // AC_SRC_OVER, constant alpha 255, AC_SRC_ALPHA
        o_.I32(0);
        o_.I32(0);
        for (float v : {1.0f, 0.0f, 0.0f, 1.0f, 0.0f, 0.0f})
            o_.F32(v);
        o_.U32(0);
        o_.U32(0);  // DIB_RGB_COLORS
        o_.U32(fixed);
        o_.U32(BitmapInfoSize);
        o_.U32(fixed + BitmapInfoSize);
        o_.U32(static_cast<std::uint32_t>(dib.Bits.size()));
        o_.I32(pic.width());
        o_.I32(pic.height());
        o_.Bytes += dib.Info;
        o_.Bytes += dib.Bits;
        o_.End(at);
    }

    Out &o_;
    TRect frame_;
    std::set<std::uint32_t> used_;
    std::uint32_t maxHandle_ = 0;
    std::optional<std::uint32_t> pen_, brush_, font_;
    TDrawPen penValue_;
    TDrawBrush brushValue_;
    std::shared_ptr<const TFont> fontValue_;
    std::optional<std::uint32_t> rop2_, fillMode_, bkMode_, bkColor_, textColor_, textAlign_;
    std::optional<TPoint> brushOrg_;
};

// ---- Reading --------------------------------------------------------------------------------------

// Little-endian reads with bounds checks: every read of a damaged file is refused, not overrun.
class In {
public:
    explicit In(const QByteArray &data) : data_(data) {}
    bool Has(qsizetype offset, qsizetype size) const
    {
        return offset >= 0 && size >= 0 && offset <= data_.size() && size <= data_.size() - offset;
    }
    void Need(qsizetype offset, qsizetype size) const
    {
        if (!Has(offset, size))
            Fail();
    }
    std::uint32_t U32(qsizetype offset) const
    {
        Need(offset, 4);
        return qFromLittleEndian<std::uint32_t>(data_.constData() + offset);
    }
    std::int32_t I32(qsizetype offset) const { return static_cast<std::int32_t>(U32(offset)); }
    std::uint16_t U16(qsizetype offset) const
    {
        Need(offset, 2);
        return qFromLittleEndian<std::uint16_t>(data_.constData() + offset);
    }
    std::int16_t I16(qsizetype offset) const { return static_cast<std::int16_t>(U16(offset)); }
    std::uint8_t U8(qsizetype offset) const
    {
        Need(offset, 1);
        return static_cast<std::uint8_t>(data_[offset]);
    }
    const uchar *At(qsizetype offset, qsizetype size) const
    {
        Need(offset, size);
        return reinterpret_cast<const uchar *>(data_.constData() + offset);
    }
    TRect Rect(qsizetype offset) const
    {
        return TRect(I32(offset), I32(offset + 4), I32(offset + 8), I32(offset + 12));
    }
    TPoint Point(qsizetype offset) const { return TPoint(I32(offset), I32(offset + 4)); }
    [[noreturn]] static void Fail() { throw EInvalidGraphic(QStringLiteral("Metafile is not valid")); }

private:
    const QByteArray &data_;
};

// The picture of a DIB (BITMAPINFOHEADER and bits) of 24 or 32 bits per pixel; `alpha`: 32-bit
// pixels carry premultiplied alpha.
QImage DecodeDib(const In &in, qsizetype infoOffset, qsizetype bitsOffset, std::uint32_t bitsSize, bool alpha)
{
    if (in.U32(infoOffset) < BitmapInfoSize)
        In::Fail();
    const std::int32_t width = in.I32(infoOffset + 4);
    const std::int32_t rawHeight = in.I32(infoOffset + 8);
    const int bitCount = in.U16(infoOffset + 14);
    const std::uint32_t compression = in.U32(infoOffset + 16);
    if (width <= 0 || rawHeight == 0 || rawHeight == INT32_MIN || (bitCount != 24 && bitCount != 32) ||
        compression != 0 || width > MaxSide || std::abs(rawHeight) > MaxSide)
        In::Fail();
    const int height = std::abs(rawHeight);
    const qsizetype stride = ((static_cast<qsizetype>(width) * bitCount + 31) / 32) * 4;
    if (static_cast<qsizetype>(bitsSize) < stride * height)
        In::Fail();
    const uchar *bits = in.At(bitsOffset, stride * height);
    const bool withAlpha = alpha && bitCount == 32;
    QImage image(width, height, withAlpha ? QImage::Format_ARGB32_Premultiplied : QImage::Format_RGB32);
    const int bytesPerPixel = bitCount / 8;
    for (int y = 0; y < height; ++y) {
        const uchar *src = bits + stride * (rawHeight > 0 ? height - 1 - y : y);
        auto *dst = reinterpret_cast<QRgb *>(image.scanLine(y));
        for (int x = 0; x < width; ++x, src += bytesPerPixel)
            dst[x] = withAlpha ? qRgba(src[2], src[1], src[0], src[3]) : qRgb(src[2], src[1], src[0]);
    }
    return withAlpha ? image.convertToFormat(QImage::Format_ARGB32) : image;
}

// The records of one file played into a drawing, with the device-context state they change.
class Reader {
public:
    Reader(const In &in, TEmfContent &out, TPoint origin) : in_(in), d_(*out.Drawing), origin_(origin)
    {
        s_.Clip = QRegion(0, 0, d_.Width(), d_.Height());
        s_.Font = std::make_shared<TFont>();
    }

    // One record at `at` of `size` bytes; false at the end record.
    bool Read(std::uint32_t type, qsizetype at, std::uint32_t size)
    {
        const auto need = [&](std::uint32_t n) {
            if (size < n)
                In::Fail();
        };
        switch (type) {
        case EmrEof: return false;
        case EmrSetBkMode:
            need(12);
            s_.OpaqueBk = in_.U32(at + 8) == 2;
            break;
        case EmrSetPolyFillMode:
            need(12);
            s_.FillMode = in_.U32(at + 8) == 2 ? TPolyFillMode::Winding : TPolyFillMode::Alternate;
            break;
        case EmrSetRop2: {
            need(12);
            const std::uint32_t rop = in_.U32(at + 8);
            s_.Rop2 = rop >= 1 && rop <= 16 ? static_cast<int>(rop) : 13;
            break;
        }
        case EmrSetTextAlign:
            need(12);
            s_.TextAlign = in_.U32(at + 8) & 0x11F;
            break;
        case EmrSetTextColor:
            need(12);
            s_.TextColor = in_.U32(at + 8) & 0xFFFFFF;
            break;
        case EmrSetBkColor:
            need(12);
            s_.BkColor = in_.U32(at + 8) & 0xFFFFFF;
            break;
        case EmrSetBrushOrgEx:
            need(16);
            s_.BrushOrg = Dev(in_.Point(at + 8));
            break;
        case EmrMoveToEx:
            need(16);
            s_.Pos = Dev(in_.Point(at + 8));
            break;
        case EmrLineTo: {
            need(16);
            const TPoint to = Dev(in_.Point(at + 8));
            TDrawRecord r = New(TDrawKind::Line);
            r.Points = {s_.Pos, to};
            Add(std::move(r));
            s_.Pos = to;
            break;
        }
        case EmrPolyline:
        case EmrPolygon:
        case EmrPolyline16:
        case EmrPolygon16: {
            need(28);
            const bool small = type == EmrPolyline16 || type == EmrPolygon16;
            const std::uint32_t count = in_.U32(at + 24);
            const std::uint32_t each = small ? 4 : 8;
            if (count > (size - 28) / each)
                In::Fail();
            const bool polygon = type == EmrPolygon || type == EmrPolygon16;
            if (count < 2)
                break;
            TDrawRecord r = New(polygon ? TDrawKind::Polygon : TDrawKind::Polyline);
            r.Points.reserve(count);
            for (std::uint32_t i = 0; i < count; ++i) {
                const qsizetype p = at + 28 + static_cast<qsizetype>(i) * each;
                r.Points.push_back(small ? Dev(TPoint(in_.I16(p), in_.I16(p + 2))) : Dev(in_.Point(p)));
            }
            Add(std::move(r));
            break;
        }
        case EmrRectangle:
        case EmrEllipse: {
            need(24);
            TDrawRecord r = New(type == EmrRectangle ? TDrawKind::Rectangle : TDrawKind::Ellipse);
            r.Box = Dev(in_.Rect(at + 8));
            Add(std::move(r));
            break;
        }
        case EmrRoundRect: {
            need(32);
            TDrawRecord r = New(TDrawKind::RoundRect);
            r.Box = Dev(in_.Rect(at + 8));
            r.Points = {in_.Point(at + 24)};
            Add(std::move(r));
            break;
        }
        case EmrArc:
        case EmrChord:
        case EmrPie: {
            need(40);
            TDrawRecord r = New(type == EmrArc ? TDrawKind::Arc : type == EmrPie ? TDrawKind::Pie : TDrawKind::Chord);
            r.Box = Dev(in_.Rect(at + 8));
            r.Points = {Dev(in_.Point(at + 24)), Dev(in_.Point(at + 32))};
            Add(std::move(r));
            break;
        }
        case EmrSaveDC: saved_.push_back(s_); break;
        case EmrRestoreDC: {
            need(12);
            const std::int32_t level = in_.I32(at + 8);
            const qsizetype count = static_cast<qsizetype>(saved_.size());
            const qsizetype index = level < 0 ? count + level : level - 1;
            if (index >= 0 && index < count) {
                s_ = saved_[static_cast<std::size_t>(index)];
                saved_.resize(static_cast<std::size_t>(index));
            }
            break;
        }
        case EmrSelectObject:
            need(12);
            Select(in_.U32(at + 8));
            break;
        case EmrDeleteObject:
            need(12);
            objects_.erase(in_.U32(at + 8));
            break;
        case EmrCreatePen: {
            need(28);
            Object o;
            const std::uint32_t style = in_.U32(at + 12) & 0xF;
            static constexpr TPenStyle styles[] = {psSolid,      psDash,  psDot,        psDashDot,
                                                   psDashDotDot, psClear, psInsideFrame};
            o.Pen = TDrawPen{static_cast<TColor>(in_.U32(at + 24) & 0xFFFFFF), style < 7 ? styles[style] : psSolid,
                             std::clamp(in_.I32(at + 16), 1, 1000)};
            objects_[in_.U32(at + 8)] = std::move(o);
            break;
        }
        case EmrCreateBrushIndirect: {
            need(24);
            Object o;
            const std::uint32_t style = in_.U32(at + 12);
            const std::uint32_t hatch = in_.U32(at + 20);
            TDrawBrush b;
            b.Color = in_.U32(at + 16) & 0xFFFFFF;
            b.Style = style == 1                ? bsClear
                      : style == 2 && hatch < 6 ? static_cast<TBrushStyle>(bsHorizontal + static_cast<int>(hatch))
                                                : bsSolid;
            o.Brush = b;
            objects_[in_.U32(at + 8)] = std::move(o);
            break;
        }
        case EmrCreateDibPatternBrushPt: {
            need(32);
            Object o;
            TDrawBrush b;
            b.Pattern = Dib(at, size, in_.U32(at + 16), in_.U32(at + 24), in_.U32(at + 28), false);
            o.Brush = b;
            objects_[in_.U32(at + 8)] = std::move(o);
            break;
        }
        case EmrExtCreateFontIndirectW: {
            need(104);
            auto font = std::make_shared<TFont>();
            font->SetHeight(in_.I32(at + 12) != 0 ? in_.I32(at + 12) : -11);
            font->SetOrientation(in_.I32(at + 20));
            TFontStyles style;
            if (in_.I32(at + 28) >= 600)
                style.Include(fsBold);
            if (in_.U8(at + 32))
                style.Include(fsItalic);
            if (in_.U8(at + 33))
                style.Include(fsUnderline);
            if (in_.U8(at + 34))
                style.Include(fsStrikeOut);
            font->SetStyle(style);
            font->SetCharset(in_.U8(at + 35));
            font->SetQuality(static_cast<TFontQuality>(std::min<int>(in_.U8(at + 38), fqClearTypeNatural)));
            const int pitch = in_.U8(at + 39) & 3;
            font->SetPitch(pitch == 1 ? fpFixed : pitch == 2 ? fpVariable : fpDefault);
            QString face;
            for (int i = 0; i < 32; ++i) {
                const std::uint16_t c = in_.U16(at + 40 + 2 * i);
                if (c == 0)
                    break;
                face += QChar(c);
            }
            if (!face.isEmpty())
                font->SetName(face);
            Object o;
            o.Font = std::move(font);
            objects_[in_.U32(at + 8)] = std::move(o);
            break;
        }
        case EmrExtTextOutW: Text(at, size); break;
        case EmrExtSelectClipRgn: {
            need(16);
            const std::uint32_t dataSize = in_.U32(at + 8);
            const std::uint32_t mode = in_.U32(at + 12);
            if (dataSize > size - 16)
                In::Fail();
            const QRegion frame(0, 0, d_.Width(), d_.Height());
            if (dataSize == 0) {
                if (mode == RgnCopy)
                    s_.Clip = frame;
                break;
            }
            if (dataSize < 32)
                In::Fail();
            const std::uint32_t count = in_.U32(at + 16 + 8);
            if (count > (dataSize - 32) / 16)
                In::Fail();
            QRegion region;
            for (std::uint32_t i = 0; i < count; ++i) {
                const TRect part = Dev(in_.Rect(at + 48 + static_cast<qsizetype>(i) * 16));
                if (!part.IsEmpty())
                    region += ToQRect(part) & frame.boundingRect();
            }
            switch (mode) {
            case 1: s_.Clip &= region; break;  // RGN_AND
            case 2: s_.Clip |= region; break;  // RGN_OR
            case 3: s_.Clip ^= region; break;  // RGN_XOR
            case 4: s_.Clip -= region; break;  // RGN_DIFF
            default: s_.Clip = region; break;
            }
            break;
        }
        case EmrIntersectClipRect:
        case EmrExcludeClipRect: {
            need(24);
            const TRect r = Dev(in_.Rect(at + 8));
            const QRegion part = r.IsEmpty() ? QRegion() : QRegion(ToQRect(r));
            if (type == EmrIntersectClipRect)
                s_.Clip &= part;
            else
                s_.Clip -= part;
            break;
        }
        case EmrBitBlt: {
            need(100);
            const TRect box(in_.I32(at + 24), in_.I32(at + 28), in_.I32(at + 24) + in_.I32(at + 32),
                            in_.I32(at + 28) + in_.I32(at + 36));
            const std::uint32_t rop = in_.U32(at + 40);
            const std::uint32_t bmiSize = in_.U32(at + 88);
            if (bmiSize == 0) {
                if (rop == DstInvert || rop == PatCopy) {
                    TDrawRecord r = New(rop == DstInvert ? TDrawKind::Invert : TDrawKind::Fill);
                    r.Box = Dev(box);
                    Add(std::move(r));
                }
                break;
            }
            if (((rop >> 16) & 0xFF) != 0xCC)
                break;
            const QImage picture = Dib(at, size, in_.U32(at + 84), in_.U32(at + 92), in_.U32(at + 96), false);
            Picture(box, picture.copy(in_.I32(at + 44), in_.I32(at + 48), box.Width(), box.Height()));
            break;
        }
        case EmrStretchDIBits: {
            need(80);
            const std::uint32_t rop = in_.U32(at + 68);
            if (((rop >> 16) & 0xFF) == 0xCC)
                Stretched(at, size,
                          {.Dest = 24,
                           .DestSize = 72,
                           .Source = 32,
                           .SourceSize = 40,
                           .Info = 48,
                           .Bits = 56,
                           .BitsSize = 60,
                           .Alpha = false});
            break;
        }
        case EmrAlphaBlend:
            need(108);
            Stretched(at, size,
                      {.Dest = 24,
                       .DestSize = 32,
                       .Source = 44,
                       .SourceSize = 100,
                       .Info = 84,
                       .Bits = 92,
                       .BitsSize = 96,
                       .Alpha = true});
            break;
        case EmrGradientFill: {
            need(36);
            const std::uint32_t vertices = in_.U32(at + 24);
            const std::uint32_t shapes = in_.U32(at + 28);
            const std::uint32_t mode = in_.U32(at + 32);
            if (vertices > (size - 36) / 16 || shapes > (size - 36 - vertices * 16) / 8)
                In::Fail();
            if (mode > 1)
                break;  // triangles are not read
            const auto vertex = [&](std::uint32_t i, TPoint &p, TColor &c) {
                const qsizetype v = at + 36 + static_cast<qsizetype>(i) * 16;
                p = Dev(in_.Point(v));
                c = RGB(in_.U16(v + 8) >> 8, in_.U16(v + 10) >> 8, in_.U16(v + 12) >> 8);
            };
            for (std::uint32_t i = 0; i < shapes; ++i) {
                const qsizetype g = at + 36 + static_cast<qsizetype>(vertices) * 16 + static_cast<qsizetype>(i) * 8;
                const std::uint32_t a = in_.U32(g), b = in_.U32(g + 4);
                if (a >= vertices || b >= vertices)
                    In::Fail();
                TPoint pa, pb;
                TColor ca = 0, cb = 0;
                vertex(a, pa, ca);
                vertex(b, pb, cb);
                TDrawRecord r = New(TDrawKind::Gradient);
                r.Box = TRect(pa.X, pa.Y, pb.X, pb.Y);
                r.Brush = {ca, bsSolid, QImage()};
                r.Color2 = cb;
                r.Vertical = mode == 1;
                if (!r.Box.IsEmpty())
                    Add(std::move(r));
            }
            break;
        }
        default: break;
        }
        return true;
    }

private:
    struct Object {
        std::optional<TDrawPen> Pen;
        std::optional<TDrawBrush> Brush;
        std::shared_ptr<const TFont> Font;
    };
    struct State {
        TDrawPen Pen;
        TDrawBrush Brush;
        std::shared_ptr<const TFont> Font;
        TColor TextColor = clBlack;
        TColor BkColor = clWhite;
        bool OpaqueBk = true;
        unsigned TextAlign = 0;
        int Rop2 = 13;
        TPolyFillMode FillMode = TPolyFillMode::Alternate;
        TPoint BrushOrg;
        TPoint Pos;
        QRegion Clip;
    };

    TPoint Dev(const TPoint &p) const { return TPoint(p.X - origin_.X, p.Y - origin_.Y); }
    TRect Dev(const TRect &r) const
    {
        return TRect(r.Left - origin_.X, r.Top - origin_.Y, r.Right - origin_.X, r.Bottom - origin_.Y);
    }

    // The DIB of a record: header and bits at offsets from the record's start, inside the record.
    QImage Dib(qsizetype at, std::uint32_t size, std::uint32_t infoOffset, std::uint32_t bitsOffset,
               std::uint32_t bitsSize, bool alpha) const
    {
        if (infoOffset > size || size - infoOffset < BitmapInfoSize || bitsOffset > size ||
            bitsSize > size - bitsOffset)
            In::Fail();
        return DecodeDib(in_, at + infoOffset, at + bitsOffset, bitsSize, alpha);
    }

    void Select(std::uint32_t handle)
    {
        // Stock objects: the brushes white to black and null, the pens white, black and null.
        static constexpr TColor stockBrushes[] = {0xFFFFFF, 0xC0C0C0, 0x808080, 0x404040, 0x000000};
        if (handle & 0x80000000u) {
            const std::uint32_t stock = handle & 0x7FFFFFFFu;
            if (stock < 5)
                s_.Brush = TDrawBrush{stockBrushes[stock], bsSolid, QImage()};
            else if (stock == 5)
                s_.Brush = TDrawBrush{clWhite, bsClear, QImage()};
            else if (stock == 6 || stock == 7)
                s_.Pen = TDrawPen{stock == 6 ? clWhite : clBlack, psSolid, 1};
            else if (stock == 8)
                s_.Pen = TDrawPen{clBlack, psClear, 1};
            return;
        }
        const auto it = objects_.find(handle);
        if (it == objects_.end())
            return;
        if (it->second.Pen)
            s_.Pen = *it->second.Pen;
        if (it->second.Brush)
            s_.Brush = *it->second.Brush;
        if (it->second.Font)
            s_.Font = it->second.Font;
    }

    TDrawRecord New(TDrawKind kind) const
    {
        TDrawRecord r;
        r.Kind = kind;
        r.Pen = s_.Pen;
        r.Brush = s_.Brush;
        r.Rop2 = s_.Rop2;
        r.FillMode = s_.FillMode;
        r.BrushOrg = s_.BrushOrg;
        r.TextColor = s_.TextColor;
        r.BkColor = s_.BkColor;
        r.OpaqueBk = s_.OpaqueBk;
        return r;
    }

    void Add(TDrawRecord r) { d_.Add(std::move(r), s_.Clip); }

    // Where the fields of a record that stretches a DIB lie, from the record's start.
    struct StretchFields {
        qsizetype Dest, DestSize, Source, SourceSize, Info, Bits, BitsSize;
        bool Alpha;
    };

    void Stretched(qsizetype at, std::uint32_t size, const StretchFields &f)
    {
        const QImage picture =
            Dib(at, size, in_.U32(at + f.Info), in_.U32(at + f.Bits), in_.U32(at + f.BitsSize), f.Alpha);
        const TPoint dest = in_.Point(at + f.Dest);
        const TRect box(dest.X, dest.Y, dest.X + in_.I32(at + f.DestSize), dest.Y + in_.I32(at + f.DestSize + 4));
        const QRect source(in_.I32(at + f.Source), in_.I32(at + f.Source + 4), in_.I32(at + f.SourceSize),
                           in_.I32(at + f.SourceSize + 4));
        Picture(box, source == picture.rect() ? picture : picture.copy(source));
    }

    void Picture(const TRect &box, const QImage &picture)
    {
        if (box.Width() == 0 || box.Height() == 0 || picture.isNull())
            return;
        TDrawRecord r = New(TDrawKind::Image);
        const TRect d = Dev(box);
        r.Box = TRect(std::min(d.Left, d.Right), std::min(d.Top, d.Bottom), std::max(d.Left, d.Right),
                      std::max(d.Top, d.Bottom));
        r.Picture = picture.mirrored(box.Width() < 0, box.Height() < 0);
        Add(std::move(r));
    }

    void Text(qsizetype at, std::uint32_t size)
    {
        if (size < 76)
            In::Fail();
        const TPoint reference = Dev(in_.Point(at + 36));
        const std::uint32_t chars = in_.U32(at + 44);
        const std::uint32_t offset = in_.U32(at + 48);
        const std::uint32_t options = in_.U32(at + 52);
        const TRect rect = Dev(in_.Rect(at + 56));
        if (offset > size || chars > (size - offset) / 2)
            In::Fail();
        QString text;
        text.reserve(chars);
        for (std::uint32_t i = 0; i < chars; ++i)
            text += QChar(in_.U16(at + offset + 2 * static_cast<qsizetype>(i)));
        if ((options & EtoOpaque) && !rect.IsEmpty()) {
            TDrawRecord fill = New(TDrawKind::Fill);
            fill.Box = rect;
            fill.Brush = {s_.BkColor, bsSolid, QImage()};
            Add(std::move(fill));
        }
        auto t = std::make_shared<TDrawText>();
        t->Text = text;
        t->Font = s_.Font;
        t->Align = s_.TextAlign & ~1u;
        t->FillBk = s_.OpaqueBk && !(options & EtoOpaque);
        t->Clipped = (options & EtoClipped) != 0;
        t->ClipRect = rect;
        TDrawRecord r = New(TDrawKind::Text);
        r.Points = {(s_.TextAlign & 1) ? s_.Pos : reference};
        r.Text = std::move(t);
        Add(std::move(r));
    }

    const In &in_;
    TDrawing &d_;
    TPoint origin_;
    State s_;
    std::vector<State> saved_;
    std::map<std::uint32_t, Object> objects_;
};

}  // namespace

QByteArray EncodeEmf(const TDrawing &drawing, const QString &createdBy, const QString &description)
{
    const int width = drawing.Width(), height = drawing.Height();
    const QString text = createdBy + QChar(0) + description + QChar(0) + QChar(0);
    const auto descriptionChars = static_cast<std::uint32_t>(text.size());

    Out o;
    const qsizetype header = o.Begin(EmrHeader);
    o.Rect(TRect(0, 0, width - 1, height - 1));
    o.Rect(TRect(0, 0, HundredthsOfMm(width) - 1, HundredthsOfMm(height) - 1));
    o.U32(EmfSignature);
    o.U32(EmfVersion);
    o.U32(0);  // nBytes, filled in below
    o.U32(0);  // nRecords
    o.U16(0);  // nHandles
    o.U16(0);
    o.U32(descriptionChars);
    o.U32(HeaderSize);
    o.U32(0);  // palette entries
    o.I32(RefWidthPixels);
    o.I32(RefHeightPixels);
    o.I32(RefWidthMm);
    o.I32(RefHeightMm);
    o.U32(0);  // pixel format descriptor: none
    o.U32(0);
    o.U32(0);  // not OpenGL
    o.I32(RefWidthMm * 1000);
    o.I32(RefHeightMm * 1000);
    for (QChar c : text)
        o.U16(c.unicode());
    o.End(header);

    Writer writer(o, drawing);
    for (const TDrawRecord &r : drawing.Records())
        writer.Write(r);

    const qsizetype eof = o.Begin(EmrEof);
    o.U32(0);   // palette entries
    o.U32(16);  // offset of the palette
    o.U32(20);  // size of the record again
    o.End(eof);

    qToLittleEndian(static_cast<std::uint32_t>(o.Bytes.size()), o.Bytes.data() + 48);
    qToLittleEndian(o.Records, o.Bytes.data() + 52);
    qToLittleEndian(static_cast<std::uint16_t>(std::min<std::uint32_t>(writer.Handles(), 0xFFFF)), o.Bytes.data() + 56);
    return o.Bytes;
}

TEmfContent DecodeEmf(const QByteArray &data)
{
    const In in(data);
    if (in.U32(0) != EmrHeader || in.U32(40) != EmfSignature)
        In::Fail();
    const std::uint32_t headerRecord = in.U32(4);
    const TRect bounds = in.Rect(8);
    const std::int64_t width = std::int64_t(bounds.Right) - bounds.Left + 1;
    const std::int64_t height = std::int64_t(bounds.Bottom) - bounds.Top + 1;
    if (width <= 0 || height <= 0 || width > MaxSide || height > MaxSide || headerRecord < 88 || headerRecord % 4 != 0)
        In::Fail();
    TEmfContent out;
    const std::uint32_t chars = in.U32(60);
    const std::uint32_t textOffset = in.U32(64);
    if (chars > 0) {
        in.Need(textOffset, static_cast<qsizetype>(chars) * 2);
        QString text;
        for (std::uint32_t i = 0; i < chars; ++i)
            text += QChar(in.U16(textOffset + static_cast<qsizetype>(i) * 2));
        const QStringList parts = text.split(QChar(0));
        out.CreatedBy = parts.value(0);
        out.Description = parts.value(1);
    }
    out.Drawing = std::make_shared<TDrawing>(static_cast<int>(width), static_cast<int>(height));
    Reader reader(in, out, TPoint(bounds.Left, bounds.Top));
    qsizetype at = headerRecord;
    for (;;) {
        const std::uint32_t type = in.U32(at);
        const std::uint32_t size = in.U32(at + 4);
        if (size < 8 || size % 4 != 0 || !in.Has(at, size))
            In::Fail();
        if (!reader.Read(type, at, size))
            break;
        at += size;
    }
    return out;
}
