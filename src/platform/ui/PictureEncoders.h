#pragma once
// Writing PNG and JPEG files with fixed settings, on zlib and libjpeg themselves (not Qt's
// writers), so that the bytes depend only on the picture and the settings given here.
//
//  - PNG: 8-bit RGB (RGBA when a pixel is not fully opaque), no interlace, filter None on every
//    row, all image data in one IDAT chunk, and no chunks but IHDR, IDAT and IEND; the deflate
//    level is the caller's (0 stores, 9 packs hardest).
//  - JPEG: baseline (or progressive by the library's simple progression), JFIF header, YCbCr with
//    4:2:0 subsampling, the standard Huffman tables (progressive files get optimised ones, which
//    the library requires), quality as given; the slow integer DCT for best quality, the fast
//    integer DCT for best speed. Transparent pixels are written over white.
// Both answer empty bytes when the library fails; they hold no state and run on any thread.

#include <QByteArray>
#include <QImage>

// Level 0 to 9 (outside: clamped).
QByteArray EncodePng(const QImage &image, int level);

struct TJpegSettings {
    int Quality = 90;  // 1 to 100 (outside: clamped)
    bool Progressive = false;
    bool FastDct = false;
};
QByteArray EncodeJpeg(const QImage &image, const TJpegSettings &settings);
