#pragma once
// Reading and writing device-independent bitmap files (".bmp"): 1, 4, 8, 16, 24 and 32 bits per
// pixel, RLE4/RLE8 and bit-field compression, bottom-up and top-down rows. Every size, offset and
// run is checked against the data, so a damaged file is rejected instead of read past its end.

#include <QByteArray>
#include <QImage>
#include <QString>

#include <optional>
#include <vector>

struct TBmpDecoded {
    QImage Image;              // Format_RGB32, or Format_ARGB32 when the file carries alpha
    int BitCount = 24;
    bool Monochrome = false;   // 1 bit per pixel with a black and white palette
    std::vector<QRgb> Palette; // for 8 bits or less
};

// Decodes a bitmap file, starting with its 14-byte "BM" file header.
std::optional<TBmpDecoded> DecodeBmp(const QByteArray &data, QString *error = nullptr);

// Encodes an image as a bitmap file with the given bits per pixel (1, 4, 8, 16, 24 or 32). For 4
// and 8 bits `palette` is used when it is given, else one is built from the image's colours.
QByteArray EncodeBmp(const QImage &image, int bitCount, const std::vector<QRgb> &palette = {});
