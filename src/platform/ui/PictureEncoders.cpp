#include "platform/ui/PictureEncoders.h"

#include <QPainter>

#include <zlib.h>

#include <algorithm>
#include <csetjmp>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <vector>

extern "C" {
#include <jpeglib.h>
}

namespace {

// ---- PNG ---------------------------------------------------------------------------------------

void PutBigEndian32(char *out, std::uint32_t v)
{
    out[0] = static_cast<char>(v >> 24);
    out[1] = static_cast<char>(v >> 16);
    out[2] = static_cast<char>(v >> 8);
    out[3] = static_cast<char>(v);
}

// Appends a chunk: length, type, data, CRC of type and data.
void AppendChunk(QByteArray &out, const char *type, const char *data, std::size_t size)
{
    char head[8];
    PutBigEndian32(head, static_cast<std::uint32_t>(size));
    std::memcpy(head + 4, type, 4);
    out.append(head, 8);
    out.append(data, static_cast<qsizetype>(size));
    uLong crc = crc32(0, reinterpret_cast<const Bytef *>(type), 4);
    // (zlib answers its initial value for a null buffer, so an empty chunk adds nothing.)
    if (size > 0)
        crc = crc32(crc, reinterpret_cast<const Bytef *>(data), static_cast<uInt>(size));
    char tail[4];
    PutBigEndian32(tail, static_cast<std::uint32_t>(crc));
    out.append(tail, 4);
}

// Deflates the rows as PNG filter-type-0 scan lines (a zero byte, then R G B (A) per pixel) one
// row at a time, so no copy of the whole picture is made; empty bytes when zlib fails.
QByteArray DeflateScanLines(const QImage &img, bool alpha, int level)
{
    const int width = img.width();
    const int channels = alpha ? 4 : 3;
    const std::size_t stride = static_cast<std::size_t>(width) * channels + 1;
    std::vector<std::uint8_t> row(stride);
    z_stream zs{};
    if (deflateInit(&zs, level) != Z_OK)
        return QByteArray();
    QByteArray packed(static_cast<qsizetype>(deflateBound(&zs, static_cast<uLong>(stride * img.height()))),
                      Qt::Uninitialized);
    zs.next_out = reinterpret_cast<Bytef *>(packed.data());
    zs.avail_out = static_cast<uInt>(packed.size());
    bool ok = true;
    for (int y = 0; y < img.height() && ok; ++y) {
        const auto *line = reinterpret_cast<const QRgb *>(img.constScanLine(y));
        std::uint8_t *out = row.data();
        *out++ = 0;
        for (int x = 0; x < width; ++x) {
            const QRgb p = line[x];
            out[0] = static_cast<std::uint8_t>(qRed(p));
            out[1] = static_cast<std::uint8_t>(qGreen(p));
            out[2] = static_cast<std::uint8_t>(qBlue(p));
            if (alpha)
                out[3] = static_cast<std::uint8_t>(qAlpha(p));
            out += channels;
        }
        zs.next_in = row.data();
        zs.avail_in = static_cast<uInt>(stride);
        ok = deflate(&zs, Z_NO_FLUSH) == Z_OK && zs.avail_in == 0;
    }
    ok = ok && deflate(&zs, Z_FINISH) == Z_STREAM_END;
    const uLong size = zs.total_out;
    deflateEnd(&zs);
    if (!ok)
        return QByteArray();
    packed.resize(static_cast<qsizetype>(size));
    return packed;
}

// ---- JPEG --------------------------------------------------------------------------------------

struct JpegError {
    jpeg_error_mgr Manager;
    std::jmp_buf Jump;
};

// libjpeg ends the process on an error unless its handler leaves: jump back to the encoder.
void JpegErrorExit(j_common_ptr info)
{
    std::longjmp(reinterpret_cast<JpegError *>(info->err)->Jump, 1);
}

// Runs the compression; false when libjpeg reported an error. Kept free of C++ objects with
// destructors, since an error leaves it by longjmp.
bool CompressJpeg(jpeg_compress_struct &cinfo, JpegError &error, const QImage &img, const TJpegSettings &s,
                  unsigned char **buffer, unsigned long *size)
{
    cinfo.err = jpeg_std_error(&error.Manager);
    error.Manager.error_exit = JpegErrorExit;
    if (setjmp(error.Jump)) {
        jpeg_destroy_compress(&cinfo);
        return false;
    }
    jpeg_create_compress(&cinfo);
    jpeg_mem_dest(&cinfo, buffer, size);
    cinfo.image_width = static_cast<JDIMENSION>(img.width());
    cinfo.image_height = static_cast<JDIMENSION>(img.height());
    // The image's own memory order, read without copying: 0xffRRGGBB words.
    cinfo.input_components = 4;
    cinfo.in_color_space = Q_BYTE_ORDER == Q_LITTLE_ENDIAN ? JCS_EXT_BGRX : JCS_EXT_XRGB;
    jpeg_set_defaults(&cinfo);
    jpeg_set_quality(&cinfo, std::clamp(s.Quality, 1, 100), TRUE);
    cinfo.write_JFIF_header = TRUE;
    cinfo.optimize_coding = FALSE;
    cinfo.dct_method = s.FastDct ? JDCT_IFAST : JDCT_ISLOW;
    // 4:2:0: luminance sampled 2 x 2 against each chroma sample.
    cinfo.comp_info[0].h_samp_factor = 2;
    cinfo.comp_info[0].v_samp_factor = 2;
    cinfo.comp_info[1].h_samp_factor = cinfo.comp_info[1].v_samp_factor = 1;
    cinfo.comp_info[2].h_samp_factor = cinfo.comp_info[2].v_samp_factor = 1;
    if (s.Progressive)
        jpeg_simple_progression(&cinfo);
    jpeg_start_compress(&cinfo, TRUE);
    while (cinfo.next_scanline < cinfo.image_height) {
        JSAMPROW row = const_cast<JSAMPROW>(img.constScanLine(static_cast<int>(cinfo.next_scanline)));
        jpeg_write_scanlines(&cinfo, &row, 1);
    }
    jpeg_finish_compress(&cinfo);
    jpeg_destroy_compress(&cinfo);
    return true;
}

// True when a pixel of a 32-bit image is not fully opaque.
bool HasTransparentPixel(const QImage &image)
{
    if (!image.hasAlphaChannel())
        return false;
    const int width = image.width();
    for (int y = 0; y < image.height(); ++y) {
        const auto *line = reinterpret_cast<const QRgb *>(image.constScanLine(y));
        for (int x = 0; x < width; ++x)
            if (qAlpha(line[x]) != 255)
                return true;
    }
    return false;
}

}  // namespace

QByteArray EncodePng(const QImage &image, int level)
{
    if (image.isNull())
        return QByteArray();
    // 32-bit pixels as they are (straight alpha); other formats converted once.
    const QImage img =
        image.format() == QImage::Format_RGB32 || image.format() == QImage::Format_ARGB32
            ? image
            : image.convertToFormat(image.hasAlphaChannel() ? QImage::Format_ARGB32 : QImage::Format_RGB32);
    const bool alpha = HasTransparentPixel(img);
    const QByteArray packed = DeflateScanLines(img, alpha, std::clamp(level, 0, 9));
    if (packed.isEmpty())
        return QByteArray();

    char header[13];
    PutBigEndian32(header, static_cast<std::uint32_t>(img.width()));
    PutBigEndian32(header + 4, static_cast<std::uint32_t>(img.height()));
    header[8] = 8;                                 // bits per sample
    header[9] = static_cast<char>(alpha ? 6 : 2);  // RGBA or RGB
    header[10] = header[11] = header[12] = 0;      // deflate, adaptive filtering, no interlace
    QByteArray out("\x89PNG\r\n\x1a\n", 8);
    out.reserve(packed.size() + 64);
    AppendChunk(out, "IHDR", header, sizeof header);
    AppendChunk(out, "IDAT", packed.constData(), static_cast<std::size_t>(packed.size()));
    AppendChunk(out, "IEND", nullptr, 0);
    return out;
}

QByteArray EncodeJpeg(const QImage &image, const TJpegSettings &settings)
{
    if (image.isNull())
        return QByteArray();
    QImage img = image.format() == QImage::Format_RGB32 || image.format() == QImage::Format_ARGB32
                     ? image
                     : image.convertToFormat(image.hasAlphaChannel() ? QImage::Format_ARGB32 : QImage::Format_RGB32);
    if (HasTransparentPixel(img)) {
        QImage opaque(image.size(), QImage::Format_RGB32);
        opaque.fill(Qt::white);
        QPainter p(&opaque);
        p.drawImage(0, 0, img);
        p.end();
        img = opaque;
    }
    jpeg_compress_struct cinfo;
    JpegError error;
    unsigned char *buffer = nullptr;
    unsigned long size = 0;
    const bool ok = CompressJpeg(cinfo, error, img, settings, &buffer, &size);
    QByteArray out;
    if (ok && buffer)
        out = QByteArray(reinterpret_cast<const char *>(buffer), static_cast<qsizetype>(size));
    std::free(buffer);
    return out;
}
