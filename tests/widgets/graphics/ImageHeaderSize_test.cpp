// Sizes read from image file headers, without decoding: every reader on good headers and a table
// of damaged ones, which must give 0 x 0 without reading past the end of the file.

#include <gtest/gtest.h>

#include <initializer_list>

#include "widgets/graphics/AdvGDIPPicture.h"

namespace {

QByteArray PngHeader(std::uint32_t w, std::uint32_t h)
{
    QByteArray b("\x89PNG\r\n\x1a\n\0\0\0\x0dIHDR", 16);
    for (std::uint32_t v : {w, h})
        for (int s = 24; s >= 0; s -= 8)
            b.append(static_cast<char>(v >> s));
    b.append(QByteArray("\x08\x02\0\0\0", 5));
    return b;
}

// A JPEG from its segments: SOI, then each (marker, payload).
QByteArray Jpeg(std::initializer_list<std::pair<int, QByteArray>> segments)
{
    QByteArray b("\xFF\xD8", 2);
    for (const auto &[marker, payload] : segments) {
        b.append('\xFF');
        b.append(static_cast<char>(marker));
        const int len = static_cast<int>(payload.size()) + 2;
        b.append(static_cast<char>(len >> 8));
        b.append(static_cast<char>(len));
        b.append(payload);
    }
    return b;
}

// Start-of-frame payload: precision, height, width.
QByteArray Frame(int w, int h)
{
    return QByteArray::fromHex(QByteArray::number(0x08, 16).rightJustified(2, '0') +
                               QByteArray::number(h, 16).rightJustified(4, '0') +
                               QByteArray::number(w, 16).rightJustified(4, '0') + "030111");
}

// A bitmap file header and the start of its info header.
QByteArray Bmp(std::int32_t w, std::int32_t h)
{
    QByteArray b("BM");
    for (std::uint32_t v : {1000u, 0u, 54u, 40u, static_cast<std::uint32_t>(w), static_cast<std::uint32_t>(h)})
        for (int s = 0; s < 32; s += 8)
            b.append(static_cast<char>(v >> s));
    return b;
}

QByteArray Tiff(bool bigEndian, std::uint32_t dirOffset, int entries, std::uint32_t w, std::uint32_t h)
{
    QByteArray b;
    auto u16 = [&](std::uint32_t v) {
        if (bigEndian) {
            b.append(static_cast<char>(v >> 8));
            b.append(static_cast<char>(v));
        }
        else {
            b.append(static_cast<char>(v));
            b.append(static_cast<char>(v >> 8));
        }
    };
    auto u32 = [&](std::uint32_t v) {
        if (bigEndian) {
            u16(v >> 16);
            u16(v & 0xFFFF);
        }
        else {
            u16(v & 0xFFFF);
            u16(v >> 16);
        }
    };
    b.append(bigEndian ? "MM" : "II");
    u16(42);
    u32(dirOffset);
    u16(static_cast<std::uint32_t>(entries));
    // ImageWidth as a SHORT, ImageLength as a LONG.
    u16(256), u16(3), u32(1), u16(w), u16(0);
    u16(257), u16(4), u32(1), u32(h);
    return b;
}

TEST(ImageHeaderSize, ReadersGiveSizesAndDamagedHeadersGiveZero)
{
    const QByteArray progressive =
        Jpeg({{0xE0, QByteArray(14, 'j')}, {0xDB, QByteArray(65, 'q')}, {0xC2, Frame(33, 17)}});
    QByteArray gifNoImage("GIF89a\x05\x00\x03\x00\x00\x00\x00;", 14);
    const struct {
        const char *name;
        QByteArray file;
        const char *ext;
        int w, h;
    } cases[] = {
        {"png 70000 wide keeps the low 16 bits", PngHeader(70000, 20), ".PNG", 4464, 20},
        {"png signature wrong", PngHeader(10, 20).replace(1, 1, "Q"), ".PNG", 0, 0},
        {"png cut short", PngHeader(10, 20).left(20), ".PNG", 0, 0},
        {"baseline jpeg", Jpeg({{0xE0, QByteArray(14, 'j')}, {0xC0, Frame(640, 100)}}), ".JPG", 640, 100},
        {"progressive jpeg", progressive, ".JPEG", 33, 17},
        {"jpeg with only lossless frames", Jpeg({{0xC3, Frame(64, 64)}}), ".JPG", 0, 0},
        {"jpeg segment length 0", Jpeg({{0xE0, QByteArray()}}).replace(6, 2, QByteArray(2, '\0')), ".JPG", 0, 0},
        {"jpeg segment length 1", Jpeg({{0xE0, QByteArray()}}).replace(6, 2, QByteArray("\0\1", 2)), ".JPG", 0, 0},
        {"jpeg segment past the end", Jpeg({{0xE0, QByteArray(10, 'x')}}).left(9), ".JPG", 0, 0},
        {"jpeg frame cut short", Jpeg({{0xC0, Frame(640, 100)}}).left(8), ".JPG", 0, 0},
        {"jpeg without its start", QByteArray("\xFF\xE0\0\x10", 4), ".JPG", 0, 0},
        {"bmp", Bmp(21, 9), ".BMP", 21, 9},
        {"bmp 70000 wide keeps the low 16 bits", Bmp(70000, -9), ".BMP", 4464, 0xFFF7},
        {"bmp cut short", Bmp(21, 9).left(20), ".BMP", 0, 0},
        {"bmp signature wrong", Bmp(21, 9).replace(0, 1, "X"), ".BMP", 0, 0},
        {"tiff little-endian", Tiff(false, 8, 2, 300, 200), ".TIFF", 300, 200},
        {"tiff big-endian", Tiff(true, 8, 2, 300, 200), ".TIFF", 300, 200},
        {"tiff directory past the end", Tiff(false, 4000, 2, 300, 200), ".TIFF", 0, 0},
        {"tiff entry count past the end", Tiff(false, 8, 900, 300, 200), ".TIFF", 0, 0},
        {"gif",
         QByteArray("GIF89a\x01\x00\x01\x00\x80\x00\x00\xff\x00\x00\x00\x00\x00,\x00\x00\x00\x00\x07\x00"
                    "\x05\x00\x00\x02\x02\x44\x01\x00;",
                    35),
         ".GIF", 7, 5},
        {"gif without an image", gifNoImage, ".GIF", 0, 0},
        {"unknown extension", PngHeader(10, 20), ".ICO", 0, 0},
    };
    for (const auto &c : cases) {
        const TImageHeaderSize s = ReadImageHeaderSize(c.file, QString::fromLatin1(c.ext));
        EXPECT_EQ(s.Width, c.w) << c.name;
        EXPECT_EQ(s.Height, c.h) << c.name;
    }
}

}  // namespace
