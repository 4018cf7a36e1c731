#include "platform/ui/BitmapCodec.h"

#include "platform/ui/DecodeCache.h"

#include <algorithm>
#include <cstdint>
#include <map>

namespace {

constexpr int kMaxDimension = 32768;
constexpr std::int64_t kMaxPixels = std::int64_t{1} << 26;

class Reader {
public:
    explicit Reader(const QByteArray &d) : d_(d) {}
    bool Has(std::int64_t pos, std::int64_t n) const { return pos >= 0 && n >= 0 && pos + n <= d_.size(); }
    std::uint8_t U8(std::int64_t pos) const { return static_cast<std::uint8_t>(d_[static_cast<int>(pos)]); }
    std::uint16_t U16(std::int64_t pos) const { return static_cast<std::uint16_t>(U8(pos) | (U8(pos + 1) << 8)); }
    std::uint32_t U32(std::int64_t pos) const
    {
        return static_cast<std::uint32_t>(U16(pos)) | (static_cast<std::uint32_t>(U16(pos + 2)) << 16);
    }
    std::int32_t I32(std::int64_t pos) const { return static_cast<std::int32_t>(U32(pos)); }

private:
    const QByteArray &d_;
};

// Channel value (0..255) of a pixel under a bit-field mask.
int MaskChannel(std::uint32_t v, std::uint32_t mask)
{
    if (mask == 0)
        return 0;
    int shift = 0;
    while (((mask >> shift) & 1u) == 0)
        ++shift;
    const std::uint32_t m = mask >> shift;
    const std::uint32_t c = (v & mask) >> shift;
    return static_cast<int>((c * 255u + m / 2) / m);
}

std::optional<TBmpDecoded> Fail(QString *error, const char *message)
{
    if (error)
        *error = QString::fromLatin1(message);
    return std::nullopt;
}

// Decodes RLE8 (bits 8) or RLE4 (bits 4) data into palette indexes, row 0 = bottom row.
bool DecodeRle(const Reader &in, std::int64_t pos, std::int64_t end, int bits, int width, int height,
               std::vector<std::uint8_t> &indexes)
{
    indexes.assign(static_cast<std::size_t>(width) * height, 0);
    int x = 0, y = 0;
    auto put = [&](std::uint8_t v) {
        if (x < width && y < height)
            indexes[static_cast<std::size_t>(y) * width + x] = v;
        ++x;
    };
    while (pos + 1 < end && y < height) {
        const std::uint8_t count = in.U8(pos), value = in.U8(pos + 1);
        pos += 2;
        if (count > 0) {
            for (int i = 0; i < count; ++i)
                put(bits == 8 ? value : static_cast<std::uint8_t>((i % 2 == 0) ? (value >> 4) : (value & 0x0F)));
            continue;
        }
        if (value == 0) {  // end of line
            x = 0;
            ++y;
        } else if (value == 1) {  // end of bitmap
            return true;
        } else if (value == 2) {  // delta
            if (pos + 1 >= end)
                return false;
            x += in.U8(pos);
            y += in.U8(pos + 1);
            pos += 2;
        } else {  // absolute run of `value` pixels, padded to a 16-bit boundary
            const int n = value;
            const std::int64_t bytes = bits == 8 ? n : (n + 1) / 2;
            if (pos + bytes > end)
                return false;
            for (int i = 0; i < n; ++i) {
                const std::uint8_t b = in.U8(pos + (bits == 8 ? i : i / 2));
                put(bits == 8 ? b : static_cast<std::uint8_t>((i % 2 == 0) ? (b >> 4) : (b & 0x0F)));
            }
            pos += (bytes + 1) & ~std::int64_t{1};
        }
    }
    return true;
}

}  // namespace

namespace {

std::optional<TBmpDecoded> Decode(const QByteArray &data, QString *error)
{
    const Reader in(data);
    if (!in.Has(0, 18) || in.U8(0) != 'B' || in.U8(1) != 'M')
        return Fail(error, "Bitmap image is not valid");
    const std::uint32_t offBits = in.U32(10);
    const std::uint32_t headerSize = in.U32(14);
    if (headerSize < 12 || !in.Has(14, headerSize))
        return Fail(error, "Bitmap image is not valid");

    std::int64_t width = 0, height = 0;
    int bits = 0;
    std::uint32_t compression = 0, colorsUsed = 0;
    std::uint32_t masks[4] = {0, 0, 0, 0};
    bool core = headerSize == 12;
    if (core) {
        width = in.U16(18);
        height = in.U16(20);
        bits = in.U16(24);
    } else {
        if (headerSize < 40)
            return Fail(error, "Bitmap image is not valid");
        width = in.I32(18);
        height = in.I32(22);
        bits = in.U16(28);
        compression = in.U32(30);
        colorsUsed = in.U32(46);
    }
    const bool topDown = height < 0;
    height = std::abs(height);
    if (width <= 0 || height <= 0 || width > kMaxDimension || height > kMaxDimension || width * height > kMaxPixels)
        return Fail(error, "Bitmap image is not valid");
    if (bits != 1 && bits != 4 && bits != 8 && bits != 16 && bits != 24 && bits != 32)
        return Fail(error, "Bitmap image is not valid");

    std::int64_t after = 14 + headerSize;
    if (!core && (compression == 3 || compression == 6)) {
        const int n = compression == 6 ? 4 : 3;
        if (headerSize >= 52) {
            for (int i = 0; i < n; ++i)
                masks[i] = in.U32(54 + 4 * i);
            if (headerSize >= 56)
                masks[3] = in.U32(66);
        } else {
            if (!in.Has(after, 4 * n))
                return Fail(error, "Bitmap image is not valid");
            for (int i = 0; i < n; ++i)
                masks[i] = in.U32(after + 4 * i);
            after += 4 * n;
        }
    } else if (bits == 16) {
        masks[0] = 0x7C00;
        masks[1] = 0x03E0;
        masks[2] = 0x001F;
    } else if (bits == 32) {
        masks[0] = 0x00FF0000;
        masks[1] = 0x0000FF00;
        masks[2] = 0x000000FF;
        if (!core && headerSize >= 56)
            masks[3] = in.U32(66);
    }
    if (!core && compression != 0 && compression != 1 && compression != 2 && compression != 3 && compression != 6)
        return Fail(error, "Bitmap image is not valid");
    if ((compression == 1 && bits != 8) || (compression == 2 && bits != 4))
        return Fail(error, "Bitmap image is not valid");

    TBmpDecoded out;
    out.BitCount = bits;
    if (bits <= 8) {
        std::int64_t count = colorsUsed ? colorsUsed : (std::int64_t{1} << bits);
        count = std::min<std::int64_t>(count, std::int64_t{1} << bits);
        const int entry = core ? 3 : 4;
        if (!in.Has(after, count * entry))
            return Fail(error, "Bitmap image is not valid");
        for (std::int64_t i = 0; i < count; ++i) {
            const std::int64_t p = after + i * entry;
            out.Palette.push_back(qRgb(in.U8(p + 2), in.U8(p + 1), in.U8(p)));
        }
        after += count * entry;
        out.Monochrome = bits == 1 && out.Palette.size() == 2 &&
                         ((out.Palette[0] == qRgb(0, 0, 0) && out.Palette[1] == qRgb(255, 255, 255)) ||
                          (out.Palette[0] == qRgb(255, 255, 255) && out.Palette[1] == qRgb(0, 0, 0)));
    }
    const std::int64_t pixels = (offBits >= after && offBits < static_cast<std::uint32_t>(data.size())) ? offBits : after;
    const int w = static_cast<int>(width), h = static_cast<int>(height);
    const std::int64_t stride = ((width * bits + 31) / 32) * 4;
    // Uncompressed rows must all be there before anything is allocated for them.
    if (compression != 1 && compression != 2 && !in.Has(pixels, stride * height))
        return Fail(error, "Bitmap image is not valid");
    const bool alpha = bits == 32 && masks[3] != 0;
    out.Image = QImage(w, h, alpha ? QImage::Format_ARGB32 : QImage::Format_RGB32);
    if (out.Image.isNull())
        return Fail(error, "Out of system resources");

    auto paletteColor = [&](unsigned index) -> QRgb {
        return index < out.Palette.size() ? out.Palette[index] : qRgb(0, 0, 0);
    };
    auto rowOf = [&](int fileRow) { return topDown ? fileRow : h - 1 - fileRow; };

    if (compression == 1 || compression == 2) {
        std::vector<std::uint8_t> indexes;
        if (!DecodeRle(in, pixels, data.size(), bits, w, h, indexes))
            return Fail(error, "Bitmap image is not valid");
        for (int y = 0; y < h; ++y) {
            auto *line = reinterpret_cast<QRgb *>(out.Image.scanLine(rowOf(y)));
            for (int x = 0; x < w; ++x)
                line[x] = paletteColor(indexes[static_cast<std::size_t>(y) * w + x]);
        }
        return out;
    }

    for (int y = 0; y < h; ++y) {
        const std::int64_t row = pixels + stride * y;
        auto *line = reinterpret_cast<QRgb *>(out.Image.scanLine(rowOf(y)));
        for (int x = 0; x < w; ++x) {
            switch (bits) {
            case 1: line[x] = paletteColor((in.U8(row + x / 8) >> (7 - x % 8)) & 1u); break;
            case 4: line[x] = paletteColor((in.U8(row + x / 2) >> (x % 2 == 0 ? 4 : 0)) & 0x0Fu); break;
            case 8: line[x] = paletteColor(in.U8(row + x)); break;
            case 16: {
                const std::uint32_t v = in.U16(row + 2 * x);
                line[x] = qRgb(MaskChannel(v, masks[0]), MaskChannel(v, masks[1]), MaskChannel(v, masks[2]));
                break;
            }
            case 24: line[x] = qRgb(in.U8(row + 3 * x + 2), in.U8(row + 3 * x + 1), in.U8(row + 3 * x)); break;
            default: {
                const std::uint32_t v = in.U32(row + 4 * x);
                line[x] = qRgba(MaskChannel(v, masks[0]), MaskChannel(v, masks[1]), MaskChannel(v, masks[2]),
                                alpha ? MaskChannel(v, masks[3]) : 255);
                break;
            }
            }
        }
    }
    return out;
}

TDecodeCache<TBmpDecoded> &Decoded()
{
    static TDecodeCache<TBmpDecoded> cache(16 << 20);
    return cache;
}

}  // namespace

std::optional<TBmpDecoded> DecodeBmp(const QByteArray &data, QString *error)
{
    if (std::optional<TBmpDecoded> known = Decoded().Find({}, data))
        return known;
    std::optional<TBmpDecoded> decoded = Decode(data, error);
    if (decoded)
        Decoded().Add({}, data, *decoded, decoded->Image.sizeInBytes());
    return decoded;
}

namespace {

void Put16(QByteArray &b, std::uint16_t v)
{
    b.append(static_cast<char>(v & 0xFF));
    b.append(static_cast<char>(v >> 8));
}

void Put32(QByteArray &b, std::uint32_t v)
{
    Put16(b, static_cast<std::uint16_t>(v & 0xFFFF));
    Put16(b, static_cast<std::uint16_t>(v >> 16));
}

// A palette of at most `size` colours for the image: its own colours when they fit, else the
// most frequent ones.
std::vector<QRgb> BuildPalette(const QImage &img, int size)
{
    std::map<QRgb, int> counts;
    for (int y = 0; y < img.height(); ++y) {
        const auto *line = reinterpret_cast<const QRgb *>(img.constScanLine(y));
        for (int x = 0; x < img.width(); ++x)
            ++counts[line[x] | 0xFF000000u];
    }
    std::vector<std::pair<int, QRgb>> byCount;
    for (auto &[c, n] : counts)
        byCount.emplace_back(-n, c);
    std::sort(byCount.begin(), byCount.end());
    std::vector<QRgb> palette;
    for (std::size_t i = 0; i < byCount.size() && static_cast<int>(i) < size; ++i)
        palette.push_back(byCount[i].second);
    return palette;
}

unsigned Nearest(const std::vector<QRgb> &palette, QRgb c)
{
    unsigned best = 0;
    int bestDist = INT32_MAX;
    for (unsigned i = 0; i < palette.size(); ++i) {
        const int dr = qRed(palette[i]) - qRed(c), dg = qGreen(palette[i]) - qGreen(c), db = qBlue(palette[i]) - qBlue(c);
        const int d = dr * dr + dg * dg + db * db;
        if (d < bestDist) {
            bestDist = d;
            best = i;
            if (d == 0)
                break;
        }
    }
    return best;
}

}  // namespace

QByteArray EncodeBmp(const QImage &source, int bitCount, const std::vector<QRgb> &givenPalette)
{
    const bool alpha = bitCount == 32 && source.hasAlphaChannel();
    const QImage img = source.convertToFormat(alpha ? QImage::Format_ARGB32 : QImage::Format_RGB32);
    const int w = img.width(), h = img.height();
    std::vector<QRgb> palette;
    if (bitCount == 1) {
        palette = {qRgb(0, 0, 0), qRgb(255, 255, 255)};
    } else if (bitCount == 4 || bitCount == 8) {
        palette = givenPalette.empty() ? BuildPalette(img, 1 << bitCount) : givenPalette;
        palette.resize(std::min<std::size_t>(palette.size(), std::size_t{1} << bitCount));
        if (palette.empty())
            palette.push_back(qRgb(0, 0, 0));
    }
    const std::int64_t stride = ((static_cast<std::int64_t>(w) * bitCount + 31) / 32) * 4;
    const std::uint32_t headerBytes = 14 + 40 + static_cast<std::uint32_t>(palette.size()) * 4;
    const std::uint32_t imageBytes = static_cast<std::uint32_t>(stride * h);

    QByteArray b;
    b.reserve(static_cast<int>(headerBytes + imageBytes));
    b.append("BM");
    Put32(b, headerBytes + imageBytes);
    Put32(b, 0);
    Put32(b, headerBytes);
    Put32(b, 40);
    Put32(b, static_cast<std::uint32_t>(w));
    Put32(b, static_cast<std::uint32_t>(h));
    Put16(b, 1);
    Put16(b, static_cast<std::uint16_t>(bitCount));
    Put32(b, 0);  // uncompressed
    Put32(b, imageBytes);
    Put32(b, 3780);  // 96 pixels per inch
    Put32(b, 3780);
    Put32(b, static_cast<std::uint32_t>(palette.size()));
    Put32(b, 0);
    for (QRgb c : palette) {
        b.append(static_cast<char>(qBlue(c)));
        b.append(static_cast<char>(qGreen(c)));
        b.append(static_cast<char>(qRed(c)));
        b.append('\0');
    }
    std::map<QRgb, unsigned> indexCache;
    auto indexOf = [&](QRgb c) {
        c |= 0xFF000000u;
        auto it = indexCache.find(c);
        if (it != indexCache.end())
            return it->second;
        const unsigned i = Nearest(palette, c);
        indexCache.emplace(c, i);
        return i;
    };
    for (int y = h - 1; y >= 0; --y) {
        const auto *line = reinterpret_cast<const QRgb *>(img.constScanLine(y));
        QByteArray row(static_cast<int>(stride), '\0');
        auto *r = reinterpret_cast<unsigned char *>(row.data());
        for (int x = 0; x < w; ++x) {
            const QRgb c = line[x];
            switch (bitCount) {
            case 1:
                if (indexOf(c))
                    r[x / 8] |= static_cast<unsigned char>(0x80 >> (x % 8));
                break;
            case 4: r[x / 2] |= static_cast<unsigned char>(indexOf(c) << (x % 2 == 0 ? 4 : 0)); break;
            case 8: r[x] = static_cast<unsigned char>(indexOf(c)); break;
            case 16: {
                const unsigned v = ((qRed(c) >> 3) << 10) | ((qGreen(c) >> 3) << 5) | (qBlue(c) >> 3);
                r[2 * x] = static_cast<unsigned char>(v & 0xFF);
                r[2 * x + 1] = static_cast<unsigned char>(v >> 8);
                break;
            }
            case 24:
                r[3 * x] = static_cast<unsigned char>(qBlue(c));
                r[3 * x + 1] = static_cast<unsigned char>(qGreen(c));
                r[3 * x + 2] = static_cast<unsigned char>(qRed(c));
                break;
            default:
                r[4 * x] = static_cast<unsigned char>(qBlue(c));
                r[4 * x + 1] = static_cast<unsigned char>(qGreen(c));
                r[4 * x + 2] = static_cast<unsigned char>(qRed(c));
                r[4 * x + 3] = static_cast<unsigned char>(alpha ? qAlpha(c) : 0);
                break;
            }
        }
        b.append(row);
    }
    return b;
}
