// The PNG and JPEG writers with fixed settings, checked on the bytes they write: the chunks and
// rows of a PNG file, the markers, tables and sampling of a JPEG file.

#include "platform/ui/PictureEncoders.h"

#include <QImage>

#include <zlib.h>

#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

namespace {

std::uint32_t BigEndian32(const QByteArray &b, qsizetype at)
{
    const auto *p = reinterpret_cast<const std::uint8_t *>(b.constData() + at);
    return std::uint32_t(p[0]) << 24 | std::uint32_t(p[1]) << 16 | std::uint32_t(p[2]) << 8 | p[3];
}

struct Chunk {
    QByteArray Type;
    QByteArray Data;
    bool CrcValid;
};

// The chunks after the signature; a chunk running past the end ends the list.
std::vector<Chunk> Chunks(const QByteArray &png)
{
    std::vector<Chunk> out;
    qsizetype at = 8;
    while (at + 12 <= png.size()) {
        const qsizetype length = BigEndian32(png, at);
        if (at + 12 + length > png.size())
            break;
        const QByteArray typeAndData = png.mid(at + 4, 4 + length);
        const uLong crc =
            crc32(0, reinterpret_cast<const Bytef *>(typeAndData.constData()), static_cast<uInt>(typeAndData.size()));
        out.push_back({typeAndData.left(4), typeAndData.mid(4), crc == BigEndian32(png, at + 8 + length)});
        at += 12 + length;
    }
    return out;
}

// A picture with a different colour in every pixel.
QImage Gradient(int width, int height)
{
    QImage image(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            image.setPixel(x, y,
                           qRgb(x * 255 / std::max(width - 1, 1), y * 255 / std::max(height - 1, 1), (x * y) % 256));
    return image;
}

QByteArray Inflate(const QByteArray &packed, qsizetype expected)
{
    QByteArray raw(expected + 16, '\0');
    uLongf size = static_cast<uLongf>(raw.size());
    if (uncompress(reinterpret_cast<Bytef *>(raw.data()), &size, reinterpret_cast<const Bytef *>(packed.constData()),
                   static_cast<uLong>(packed.size())) != Z_OK)
        return QByteArray();
    raw.resize(static_cast<qsizetype>(size));
    return raw;
}

// ---- PNG ---------------------------------------------------------------------------------------

TEST(PngWriter, WritesTheSignatureAndOnlyHeaderDataAndEndChunksWithValidChecksums)
{
    const QByteArray png = EncodePng(Gradient(5, 3), 6);
    ASSERT_TRUE(png.startsWith(QByteArray("\x89PNG\r\n\x1a\n", 8)));
    const std::vector<Chunk> chunks = Chunks(png);
    ASSERT_EQ(chunks.size(), 3u);
    EXPECT_EQ(chunks[0].Type, "IHDR");
    EXPECT_EQ(chunks[1].Type, "IDAT");
    EXPECT_EQ(chunks[2].Type, "IEND");
    for (const Chunk &c : chunks)
        EXPECT_TRUE(c.CrcValid) << c.Type.constData();
    // Width 5, height 3, 8 bits, RGB, deflate, no filter method variant, no interlace.
    EXPECT_EQ(chunks[0].Data, QByteArray("\0\0\0\x05\0\0\0\x03\x08\x02\0\0\0", 13));
    EXPECT_TRUE(chunks[2].Data.isEmpty());
    // Nothing follows the end chunk.
    EXPECT_EQ(png.size(), 8 + 25 + 12 + chunks[1].Data.size() + 12);
}

TEST(PngWriter, StoredRowsStartWithFilterNoneAndHoldThePixels)
{
    const QImage image = Gradient(4, 3);
    const std::vector<Chunk> chunks = Chunks(EncodePng(image, 0));
    ASSERT_EQ(chunks.size(), 3u);
    const QByteArray raw = Inflate(chunks[1].Data, 3 * (1 + 4 * 3));
    ASSERT_EQ(raw.size(), 3 * (1 + 4 * 3));
    for (int y = 0; y < 3; ++y) {
        const qsizetype row = y * 13;
        EXPECT_EQ(raw[row], '\0') << "row " << y;
        for (int x = 0; x < 4; ++x) {
            const QRgb p = image.pixel(x, y);
            EXPECT_EQ(std::uint8_t(raw[row + 1 + x * 3]), qRed(p)) << x << "," << y;
            EXPECT_EQ(std::uint8_t(raw[row + 2 + x * 3]), qGreen(p)) << x << "," << y;
            EXPECT_EQ(std::uint8_t(raw[row + 3 + x * 3]), qBlue(p)) << x << "," << y;
        }
    }
}

TEST(PngWriter, TheLevelPacksHarderUpToNineAndIsClampedOutsideTheRange)
{
    const QImage image = Gradient(64, 64);
    const QByteArray stored = EncodePng(image, 0);
    const QByteArray packed = EncodePng(image, 9);
    EXPECT_LT(packed.size(), stored.size());
    EXPECT_EQ(EncodePng(image, -3), stored);
    EXPECT_EQ(EncodePng(image, 12), packed);
}

TEST(PngWriter, AnImageWithTransparentPixelsKeepsItsAlpha)
{
    QImage image(2, 1, QImage::Format_ARGB32);
    image.setPixel(0, 0, qRgba(10, 20, 30, 40));
    image.setPixel(1, 0, qRgba(50, 60, 70, 255));
    const std::vector<Chunk> chunks = Chunks(EncodePng(image, 0));
    ASSERT_EQ(chunks.size(), 3u);
    EXPECT_EQ(chunks[0].Data[9], '\x06');
    EXPECT_EQ(Inflate(chunks[1].Data, 9), QByteArray("\0\x0a\x14\x1e\x28\x32\x3c\x46\xff", 9));
    // An alpha channel whose pixels are all opaque is written as RGB.
    image.setPixel(0, 0, qRgba(10, 20, 30, 255));
    EXPECT_EQ(Chunks(EncodePng(image, 0))[0].Data[9], '\x02');
    EXPECT_TRUE(EncodePng(QImage(), 6).isEmpty());
}

// ---- JPEG --------------------------------------------------------------------------------------

struct Segment {
    std::uint8_t Marker;
    QByteArray Data;  // without the length bytes
};

// The marker segments up to the start of the scan.
std::vector<Segment> Segments(const QByteArray &jpeg)
{
    std::vector<Segment> out;
    qsizetype at = 2;
    while (at + 4 <= jpeg.size() && std::uint8_t(jpeg[at]) == 0xFF) {
        const std::uint8_t marker = std::uint8_t(jpeg[at + 1]);
        const qsizetype length = std::uint8_t(jpeg[at + 2]) << 8 | std::uint8_t(jpeg[at + 3]);
        out.push_back({marker, jpeg.mid(at + 4, length - 2)});
        if (marker == 0xDA)
            break;
        at += 2 + length;
    }
    return out;
}

const Segment *Find(const std::vector<Segment> &segments, std::uint8_t marker)
{
    for (const Segment &s : segments)
        if (s.Marker == marker)
            return &s;
    return nullptr;
}

TEST(JpegWriter, StartsWithAJfifHeaderAndEndsWithTheEndOfImage)
{
    const QByteArray jpeg = EncodeJpeg(Gradient(16, 16), {});
    ASSERT_GT(jpeg.size(), 20);
    EXPECT_EQ(jpeg.left(4), QByteArray("\xFF\xD8\xFF\xE0", 4));
    EXPECT_EQ(jpeg.mid(6, 5), QByteArray("JFIF\0", 5));
    EXPECT_EQ(jpeg.right(2), QByteArray("\xFF\xD9", 2));
}

TEST(JpegWriter, ProgressiveFilesHaveAProgressiveFrameAndBaselineFilesABaselineOne)
{
    struct Case {
        const char *name;
        bool progressive;
        std::uint8_t present, absent;
    };
    const Case cases[] = {
        {.name = "baseline", .progressive = false, .present = 0xC0, .absent = 0xC2},
        {.name = "progressive", .progressive = true, .present = 0xC2, .absent = 0xC0},
    };
    for (const Case &c : cases) {
        const std::vector<Segment> segments = Segments(EncodeJpeg(Gradient(32, 32), {.Progressive = c.progressive}));
        EXPECT_NE(Find(segments, c.present), nullptr) << c.name;
        EXPECT_EQ(Find(segments, c.absent), nullptr) << c.name;
    }
}

TEST(JpegWriter, ColourIsSampledFourTwoZero)
{
    const std::vector<Segment> segments = Segments(EncodeJpeg(Gradient(32, 32), {}));
    const Segment *frame = Find(segments, 0xC0);
    ASSERT_NE(frame, nullptr);
    ASSERT_EQ(frame->Data.size(), 6 + 3 * 3);
    EXPECT_EQ(frame->Data[5], '\x03');
    EXPECT_EQ(std::uint8_t(frame->Data[7]), 0x22);   // luminance 2 x 2
    EXPECT_EQ(std::uint8_t(frame->Data[10]), 0x11);  // each chroma component 1 x 1
    EXPECT_EQ(std::uint8_t(frame->Data[13]), 0x11);
}

TEST(JpegWriter, QualityScalesTheStandardQuantisationTables)
{
    struct Case {
        int quality;
        std::uint8_t firstLuminanceValue;
    };
    // The standard luminance table starts with 16; quality 50 keeps it, 100 makes every value 1,
    // and a quality outside 1..100 is clamped.
    const Case cases[] = {{50, 16}, {100, 1}, {250, 1}, {75, 8}};
    for (const Case &c : cases) {
        const std::vector<Segment> segments = Segments(EncodeJpeg(Gradient(16, 16), {.Quality = c.quality}));
        const Segment *tables = Find(segments, 0xDB);
        ASSERT_NE(tables, nullptr) << c.quality;
        EXPECT_EQ(std::uint8_t(tables->Data[1]), c.firstLuminanceValue) << c.quality;
    }
}

TEST(JpegWriter, BaselineFilesCarryTheStandardHuffmanTables)
{
    const std::vector<Segment> segments = Segments(EncodeJpeg(Gradient(16, 16), {}));
    const Segment *huffman = Find(segments, 0xC4);
    ASSERT_NE(huffman, nullptr);
    // The first table: DC luminance with the standard code counts and symbols 0 to 11.
    const QByteArray standardDcLuminance("\x00\x00\x01\x05\x01\x01\x01\x01\x01\x01\x00\x00\x00\x00\x00\x00\x00"
                                         "\x00\x01\x02\x03\x04\x05\x06\x07\x08\x09\x0a\x0b",
                                         29);
    EXPECT_EQ(huffman->Data.left(29), standardDcLuminance);
}

TEST(JpegWriter, BestSpeedAndBestQualityTransformDifferently)
{
    const QImage image = Gradient(64, 64);
    EXPECT_NE(EncodeJpeg(image, {.Quality = 95, .FastDct = true}), EncodeJpeg(image, {.Quality = 95}));
    EXPECT_TRUE(EncodeJpeg(QImage(), {}).isEmpty());
}

}  // namespace
