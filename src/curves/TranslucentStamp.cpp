#include "curves/TranslucentStamp.h"

#include <QRect>

#include <algorithm>
#include <array>
#include <map>

#include "platform/ui/Bitmap.h"
#include "platform/ui/Canvas.h"

namespace {

// Blends of one pixel a record tells apart; the fill's figures blend a pixel at most twice.
constexpr int MaxBlends = 8;
constexpr std::uint32_t Black = 0xFF000000u;

// Channel c (0 red, 1 green, 2 blue) of a pixel.
constexpr int ChannelShift[3] = {16, 8, 0};
std::uint8_t Channel(std::uint32_t pixel, int c)
{
    return static_cast<std::uint8_t>(pixel >> ChannelShift[c]);
}

// Fills the rectangle of the bitmap with the colour through the GDI+ layer, as the figures are.
void FillWith(TBitmap &bitmap, ARGB colour, int x, int y, int width, int height)
{
    GpGraphics *graphics = nullptr;
    GpSolidFill *brush = nullptr;
    if (GdipCreateFromHDC(bitmap.Canvas()->Handle(), &graphics) == Ok && GdipCreateSolidFill(colour, &brush) == Ok)
        GdipFillRectangleI(graphics, brush, x, y, width, height);
    GdipDeleteBrush(brush);
    GdipDeleteGraphics(graphics);
}

}  // namespace

struct TranslucentStamp::BlendTable {
    bool Usable = false;
    // The alpha bits every blended pixel carries.
    std::uint32_t Alpha = Black;
    // Channel levels after 1, 2, ... MaxBlends - 1 blends.
    std::array<std::array<std::array<std::uint8_t, 256>, 3>, MaxBlends - 1> Powers{};
    // Black blended 0, 1, ... MaxBlends - 1 times.
    std::array<std::uint32_t, MaxBlends> OfBlack{};

    std::uint32_t Blend(std::uint32_t pixel, int blends) const
    {
        const auto &p = Powers[static_cast<std::size_t>(blends - 1)];
        return Alpha | static_cast<std::uint32_t>(p[0][Channel(pixel, 0)]) << 16 |
               static_cast<std::uint32_t>(p[1][Channel(pixel, 1)]) << 8 | p[2][Channel(pixel, 2)];
    }
};

namespace {

using BlendTable = TranslucentStamp::BlendTable;

// The probe's pixel at column i, row y: row 0 holds every grey level (and black first), the
// other rows mix the channels so that each channel runs through every level against varied
// others. Columns past 255 repeat levels, so that the fill's rows have odd lengths.
constexpr int ProbeWidth = 259;
constexpr int ProbeHeight = 17;
std::uint32_t ProbePixel(int i, int y)
{
    const int level = i & 255;
    if (y == 0)
        return Black | static_cast<std::uint32_t>(level * 0x010101);
    const auto c = [&](int mul, int add) { return static_cast<std::uint32_t>((level * mul + y * add) & 255); };
    return Black | c(1, 0) << 16 | c(37, 11) << 8 | c(101, 53);
}

// Measures one blend of the colour on every level of each channel and checks the table on mixed
// pixels, on a second blend and on pixels blended one by one.
BlendTable MeasureBlends(ARGB colour)
{
    BlendTable t;
    TBitmap probe;
    probe.SetSize(ProbeWidth, ProbeHeight);
    const auto fillProbe = [&] {
        for (int y = 0; y < ProbeHeight; ++y) {
            std::uint32_t *row = probe.ScanLine(y);
            for (int i = 0; i < ProbeWidth; ++i)
                row[i] = ProbePixel(i, y);
        }
    };
    fillProbe();
    FillWith(probe, colour, 0, 0, ProbeWidth, ProbeHeight);
    const std::uint32_t *grey = probe.ScanLine(0);
    t.Alpha = grey[0] & 0xFF000000u;
    for (int c = 0; c < 3; ++c)
        for (int level = 0; level < 256; ++level)
            t.Powers[0][static_cast<std::size_t>(c)][static_cast<std::size_t>(level)] = Channel(grey[level], c);
    for (std::size_t k = 1; k < t.Powers.size(); ++k)
        for (std::size_t c = 0; c < 3; ++c)
            for (std::size_t level = 0; level < 256; ++level)
                t.Powers[k][c][level] = t.Powers[0][c][t.Powers[k - 1][c][level]];

    const auto matches = [&](int blends) {
        for (int y = 0; y < ProbeHeight; ++y) {
            const std::uint32_t *row = probe.ScanLine(y);
            for (int i = 0; i < ProbeWidth; ++i)
                if (row[i] != t.Blend(ProbePixel(i, y), blends))
                    return false;
        }
        return true;
    };
    if (!matches(1))
        return t;
    FillWith(probe, colour, 0, 0, ProbeWidth, ProbeHeight);
    if (!matches(2))
        return t;
    // Pixels blended one at a time, as a thin outline blends them.
    fillProbe();
    for (int i = 0; i < ProbeWidth; i += 7)
        FillWith(probe, colour, i, 5, 1, 1);
    const std::uint32_t *row = probe.ScanLine(5);
    for (int i = 0; i < ProbeWidth; ++i)
        if (row[i] != (i % 7 == 0 ? t.Blend(ProbePixel(i, 5), 1) : ProbePixel(i, 5)))
            return t;

    // Repeated blends of black must be told apart to count them.
    t.OfBlack[0] = Black;
    for (int k = 1; k < MaxBlends; ++k)
        t.OfBlack[static_cast<std::size_t>(k)] = t.Blend(Black, k);
    std::array<std::uint32_t, MaxBlends> sorted = t.OfBlack;
    std::sort(sorted.begin(), sorted.end());
    t.Usable = std::adjacent_find(sorted.begin(), sorted.end()) == sorted.end() && t.Alpha == Black;
    return t;
}

// The table of a colour, measured once.
const BlendTable &BlendsOf(ARGB colour)
{
    static std::map<ARGB, BlendTable> tables;
    auto it = tables.find(colour);
    if (it == tables.end())
        it = tables.emplace(colour, MeasureBlends(colour)).first;
    return it->second;
}

// A black bitmap of the given size, as the scratch page of a record.
void MakeBlack(TBitmap &bitmap, int width, int height)
{
    bitmap.SetSize(width, height);
    TCanvas *c = bitmap.Canvas();
    c->Brush()->SetStyle(bsSolid);
    c->Brush()->SetColor(clBlack);
    c->FillRect(TRect(0, 0, width, height));
}

}  // namespace

void PaintTranslucentFigure(TCanvas *canvas, GpPath *outline, GpPath *figure, ARGB colour)
{
    GpGraphics *graphics = nullptr;
    GpSolidFill *brush = nullptr;
    GpPen *pen = nullptr;
    if (GdipCreateFromHDC(canvas->Handle(), &graphics) == Ok && GdipCreateSolidFill(colour, &brush) == Ok &&
        GdipCreatePen1(colour, 1.0f, UnitWorld, &pen) == Ok) {
        GdipDrawPath(graphics, pen, outline);
        GdipFillPath(graphics, brush, figure);
    }
    GdipDeletePen(pen);
    GdipDeleteBrush(brush);
    GdipDeleteGraphics(graphics);
}

TranslucentStamp::TranslucentStamp() = default;
TranslucentStamp::~TranslucentStamp() = default;
TranslucentStamp::TranslucentStamp(TranslucentStamp &&) noexcept = default;
TranslucentStamp &TranslucentStamp::operator=(TranslucentStamp &&) noexcept = default;

void TranslucentStamp::Forget()
{
    recorded_ = false;
    usable_ = false;
    runs_.clear();
}

bool TranslucentStamp::Record(GpPath *outline, GpPath *figure)
{
    runs_.clear();
    if (!table_->Usable || width_ <= 0 || height_ <= 0)
        return false;
    if (!scratch_)
        scratch_ = std::make_unique<TBitmap>();
    TBitmap &scratch = *scratch_;
    if (!scratchBlack_ || scratch.Width() != width_ || scratch.Height() != height_)
        MakeBlack(scratch, width_, height_);
    scratchBlack_ = false;
    // The drawing reports the pixels it changed, as it does to a window: only those are read.
    QRect painted;
    scratch.Surface()->OnDrawn = [&painted](const QRect &r) { painted |= r; };
    PaintTranslucentFigure(scratch.Canvas(), outline, figure, colour_);
    scratch.Surface()->OnDrawn = nullptr;
    painted &= QRect(0, 0, width_, height_);

    // Runs of pixels blended the same number of times; the scratch page turns black again for
    // the next record.
    const auto &ofBlack = table_->OfBlack;
    const int left = painted.left();
    const int right = painted.left() + painted.width();
    for (int y = painted.top(); y < painted.top() + painted.height(); ++y) {
        std::uint32_t *row = scratch.ScanLine(y);
        int runStart = left;
        int runBlends = 0;
        for (int x = left; x <= right; ++x) {
            int blends = 0;
            if (x < right && row[x] != Black) {
                // A pixel blended MaxBlends times or more, or one no count of blends gives,
                // cannot be recorded.
                blends = 1;
                while (blends < MaxBlends && ofBlack[static_cast<std::size_t>(blends)] != row[x])
                    ++blends;
                if (blends == MaxBlends)
                    return false;
                row[x] = Black;
            }
            if (blends == runBlends && x < right)
                continue;
            if (runBlends > 0)
                runs_.push_back({y, runStart, x, runBlends});
            runStart = x;
            runBlends = blends;
        }
    }
    scratchBlack_ = true;
    return true;
}

void TranslucentStamp::Paint(TBitmap *page, GpPath *outline, GpPath *figure, ARGB colour)
{
    if (!table_ || colour != colour_) {
        table_ = &BlendsOf(colour);
        colour_ = colour;
        recorded_ = false;
    }
    if (!recorded_ || page->Width() != width_ || page->Height() != height_) {
        recorded_ = true;
        width_ = page->Width();
        height_ = page->Height();
        usable_ = Record(outline, figure);
    }
    if (!usable_) {
        PaintTranslucentFigure(page->Canvas(), outline, figure, colour);
        return;
    }
    for (const Run &run : runs_) {
        std::uint32_t *row = page->ScanLine(run.Y);
        for (int x = run.From; x < run.To; ++x)
            row[x] = table_->Blend(row[x], run.Blends);
    }
}
