// Pixel copies of TCanvas: the raster-operation copies (CopyRect, StretchBlt, PatBlt), picture
// drawing and copies of Qt images with transparency or alpha.

#include <algorithm>
#include <cmath>
#include <optional>
#include <vector>

#include "platform/ui/Canvas.h"
#include "platform/ui/CanvasPainter.h"
#include "platform/ui/Graphics.h"

using namespace canvasraster;

namespace {

// Source coordinate of destination pixel `i` of `dn` when `sn` source pixels are stretched over
// them (nearest pixel; negative sizes mirror).
int SourceIndex(int i, int dn, int sn)
{
    return static_cast<int>(std::floor((i + 0.5) * sn / dn));
}

}  // namespace

void TCanvas::StretchBltImage(const TRect &dest, const QImage &source, bool sourceMono, TColor sourceBk,
                              const TRect &sourceRect, DWORD rop)
{
    if (!Ready() || dest.Width() == 0 || dest.Height() == 0)
        return;
    const bool usesSource = Rop3UsesSource(rop);
    if (usesSource && (source.isNull() || sourceRect.Width() == 0 || sourceRect.Height() == 0))
        return;
    const QImage src = usesSource ? source.convertToFormat(QImage::Format_RGB32) : QImage();
    // Copies and brush fills record themselves; other raster operations read the destination and
    // are left to the pixels they change.
    std::optional<RecordScope> recording;
    if (surface_->Recording) {
        const unsigned code = (rop >> 16) & 0xFF;
        const TRect d = ToSurface(TRect(std::min(dest.Left, dest.Right), std::min(dest.Top, dest.Bottom),
                                        std::max(dest.Left, dest.Right), std::max(dest.Top, dest.Bottom)));
        if (code == 0xCC) {
            // Pixels beyond the source keep what lies below: transparent in the record.
            const QImage &from =
                src.rect().contains(ToQRect(sourceRect)) ? src : src.convertToFormat(QImage::Format_ARGB32);
            QImage picture = from.copy(ToQRect(sourceRect)).mirrored(dest.Width() < 0, dest.Height() < 0);
            if (sourceMono) {
                const QRgb fore = ColorToPixel(state_.TextColor), back = ColorToPixel(state_.BkColor);
                for (int y = 0; y < picture.height(); ++y) {
                    auto *line = reinterpret_cast<QRgb *>(picture.scanLine(y));
                    for (int x = 0; x < picture.width(); ++x)
                        line[x] = (line[x] & 0xFFFFFFu) == 0 ? fore : back;
                }
            }
            recording.emplace(*this);
            TDrawRecord r = NewRecord(TDrawKind::Image);
            r.Box = d;
            r.Picture = std::move(picture);
            Record(std::move(r));
        } else if (code == 0xF0 || code == 0x00 || code == 0xFF) {
            recording.emplace(*this);
            if (code == 0xF0) {
                TDrawRecord r = NewRecord(TDrawKind::Fill);
                r.Box = d;
                Record(std::move(r));
            } else {
                RecordSolid(d, code == 0 ? clBlack : clWhite);
            }
        }
    }
    Changing();
    {
        TCanvasPainter p(*this);
        const TRect d = TRect(std::min(dest.Left, dest.Right), std::min(dest.Top, dest.Bottom),
                              std::max(dest.Left, dest.Right), std::max(dest.Top, dest.Bottom));
        const QRect dq = p.R(d);
        const int dw = dest.Width(), dh = dest.Height();
        const int sw = sourceRect.Width(), sh = sourceRect.Height();
        const std::uint32_t text = p.ToPixel(state_.TextColor), bk = p.ToPixel(state_.BkColor);
        const std::uint32_t srcBk = ColorToPixel(sourceBk) & 0xFFFFFFu;
        const bool dstMono = p.Mono();
        // The copy goes through a snapshot of the source, so a copy within one surface reads the
        // pixels as they were before it. A plain copy between colour surfaces, of the same size
        // and orientation, takes every pixel straight from the snapshot.
        const bool plainCopy =
            ((rop >> 16) & 0xFF) == 0xCC && !sourceMono && !dstMono && dw == sw && dh == sh && dw > 0 && dh > 0;
        if (plainCopy)
            p.CopyPixels(dq, src, QPoint(sourceRect.Left - p.X(dest.Left), sourceRect.Top - p.Y(dest.Top)));
        else
            p.ForEach(QRegion(dq), [&](int x, int y, std::uint32_t dv) {
                std::uint32_t s = 0;
                if (usesSource) {
                    // Position inside the (possibly mirrored) destination.
                    const int ix = dw > 0 ? x - p.X(dest.Left) : p.X(dest.Left) - 1 - x;
                    const int iy = dh > 0 ? y - p.Y(dest.Top) : p.Y(dest.Top) - 1 - y;
                    const int u = sourceRect.Left + SourceIndex(ix, std::abs(dw), sw);
                    const int v = sourceRect.Top + SourceIndex(iy, std::abs(dh), sh);
                    if (u < 0 || v < 0 || u >= src.width() || v >= src.height())
                        return dv;
                    s = reinterpret_cast<const std::uint32_t *>(src.constScanLine(v))[u] & 0xFFFFFFu;
                    if (sourceMono && !dstMono)
                        s = s == 0 ? text : bk;
                    else if (!sourceMono && dstMono)
                        s = s == srcBk ? 0xFFFFFFu : 0u;
                }
                std::uint32_t pat = 0;
                if (Rop3UsesPattern(rop) && !p.BrushPixel(x, y, pat))
                    pat = bk;
                return Rop3(rop, pat, s, dv);
            });
    }
    Changed();
}

void TCanvas::StretchBlt(const TRect &dest, TCanvas *source, const TRect &sourceRect, DWORD rop)
{
    if (!Rop3UsesSource(rop)) {
        StretchBltImage(dest, QImage(), false, clWhite, sourceRect, rop);
        return;
    }
    if (!source || !source->Ready())
        return;
    // Source rectangle in the source's surface pixels, clipped by nothing but the surface.
    TRect sr = sourceRect;
    const TPoint o = source->Offset();
    sr.Offset(o.X, o.Y);
    StretchBltImage(dest, source->surface_->Image, source->surface_->Monochrome, source->state_.BkColor, sr, rop);
}

void TCanvas::CopyRect(const TRect &dest, TCanvas *source, const TRect &sourceRect)
{
    StretchBlt(dest, source, sourceRect, copyMode_);
}

void TCanvas::PatBlt(const TRect &r, DWORD rop)
{
    StretchBltImage(r, QImage(), false, clWhite, TRect(), rop);
}

void TCanvas::DrawImage(const TRect &dest, const QImage &image, const TRect &sourceRect, bool alpha,
                        TColor transparentColor, std::uint8_t opacity)
{
    if (!Ready() || image.isNull() || dest.IsEmpty() || sourceRect.IsEmpty())
        return;
    const QImage src = image.convertToFormat(QImage::Format_ARGB32);
    const bool keyed = transparentColor != clNone;
    const std::uint32_t key = ColorToPixel(transparentColor) & 0xFFFFFFu;
    const RecordScope recording(*this);
    if (recording) {
        // The picture as it lands: key colour and opacity folded into its alpha.
        QImage picture = src.copy(ToQRect(sourceRect));
        bool opaque = true;
        for (int y = 0; y < picture.height(); ++y) {
            auto *line = reinterpret_cast<QRgb *>(picture.scanLine(y));
            for (int x = 0; x < picture.width(); ++x) {
                unsigned a = alpha ? qAlpha(line[x]) : 255u;
                if (keyed && (line[x] & 0xFFFFFFu) == key)
                    a = 0;
                a = a * opacity / 255u;
                line[x] = (line[x] & 0xFFFFFFu) | (a << 24);
                opaque = opaque && a == 255;
            }
        }
        TDrawRecord r = NewRecord(TDrawKind::Image);
        r.Box = ToSurface(dest);
        r.Picture = opaque ? picture.convertToFormat(QImage::Format_RGB32) : std::move(picture);
        Record(std::move(r));
    }
    Changing();
    {
        TCanvasPainter p(*this);
        const QRect dq = p.R(dest);
        const int dw = dest.Width(), dh = dest.Height(), sw = sourceRect.Width(), sh = sourceRect.Height();
        // The source column of every destination column and the source row of every row, once.
        std::vector<int> columns(static_cast<std::size_t>(dw)), rows(static_cast<std::size_t>(dh));
        for (int i = 0; i < dw; ++i)
            columns[static_cast<std::size_t>(i)] = sourceRect.Left + SourceIndex(i, dw, sw);
        for (int i = 0; i < dh; ++i)
            rows[static_cast<std::size_t>(i)] = sourceRect.Top + SourceIndex(i, dh, sh);
        const uchar *bits = src.constBits();
        const qsizetype stride = src.bytesPerLine();
        const int srcWidth = src.width(), srcHeight = src.height();
        // The new colour of a surface pixel `dv` under source pixel `s`.
        const auto blend = [&](std::uint32_t s, std::uint32_t dv) -> std::uint32_t {
            if (keyed && (s & 0xFFFFFFu) == key)
                return dv;
            unsigned a = alpha ? (s >> 24) : 255u;
            a = a * opacity / 255u;
            if (a >= 255)
                return s;
            if (a == 0)
                return dv;
            std::uint32_t out = 0;
            for (int shift = 0; shift <= 16; shift += 8) {
                const unsigned sc = (s >> shift) & 0xFF, dc = (dv >> shift) & 0xFF;
                out |= ((sc * a + dc * (255 - a) + 127) / 255) << shift;
            }
            return out;
        };
        // Row by row, the source row found once per row (pages' backgrounds are large). The plain
        // case (every column inside the source, no key, full opacity, a colour surface) copies or
        // tests the alpha without the general steps; it gives the same pixels.
        const bool mono = p.Mono();
        const auto [firstColumn, lastColumn] = std::minmax_element(columns.begin(), columns.end());
        const bool plain = !keyed && !mono && opacity == 255 && *firstColumn >= 0 && *lastColumn < srcWidth;
        QImage &surface = p.Image();
        for (const QRect &part : p.Visible().intersected(QRegion(dq))) {
            for (int y = part.top(); y <= part.bottom(); ++y) {
                const int v = rows[static_cast<std::size_t>(y - dq.top())];
                const bool rowInside = v >= 0 && v < srcHeight;
                const auto *srcRow = rowInside ? reinterpret_cast<const std::uint32_t *>(bits + v * stride) : nullptr;
                auto *line = reinterpret_cast<std::uint32_t *>(surface.scanLine(y));
                if (plain && rowInside) {
                    const int *column = columns.data() + (part.left() - dq.left());
                    for (int x = part.left(); x <= part.right(); ++x, ++column) {
                        const std::uint32_t s = srcRow[*column];
                        const unsigned a = alpha ? (s >> 24) : 255u;
                        if (a == 255)
                            line[x] = 0xFF000000u | s;
                        else if (a == 0)
                            line[x] |= 0xFF000000u;
                        else
                            line[x] = 0xFF000000u | (blend(s, line[x] & 0xFFFFFFu) & 0xFFFFFFu);
                    }
                    continue;
                }
                for (int x = part.left(); x <= part.right(); ++x) {
                    const std::uint32_t dv = line[x] & 0xFFFFFFu;
                    const int u = columns[static_cast<std::size_t>(x - dq.left())];
                    std::uint32_t value = rowInside && u >= 0 && u < srcWidth ? blend(srcRow[u], dv) & 0xFFFFFFu : dv;
                    if (mono)
                        value = canvasraster::ToMono(value);
                    line[x] = 0xFF000000u | value;
                }
            }
            p.Touch(part);
        }
    }
    Changed();
}

void TCanvas::Draw(int x, int y, TGraphic *graphic)
{
    if (!graphic || graphic->Empty())
        return;
    graphic->Draw(this, Bounds(x, y, graphic->Width(), graphic->Height()));
}

void TCanvas::Draw(int x, int y, TGraphic *graphic, std::uint8_t opacity)
{
    if (!graphic || graphic->Empty())
        return;
    graphic->DrawTransparent(this, Bounds(x, y, graphic->Width(), graphic->Height()), opacity);
}

void TCanvas::StretchDraw(const TRect &r, TGraphic *graphic)
{
    if (!graphic || graphic->Empty())
        return;
    graphic->Draw(this, r);
}
