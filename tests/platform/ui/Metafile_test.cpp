// The enhanced metafile writer and reader: the header's fields and description, a picture as a
// bottom-up 24-bit DIB, and damaged files refused without reading past their end.

#include "platform/runtime/Streams.h"
#include "platform/ui/EmfFile.h"
#include "platform/ui/Metafile.h"

#include <QImage>
#include <QtEndian>

#include <gtest/gtest.h>

#include <cstdint>
#include <functional>

namespace {

std::uint32_t U32(const QByteArray &b, qsizetype at)
{
    return qFromLittleEndian<std::uint32_t>(b.constData() + at);
}

std::int32_t I32(const QByteArray &b, qsizetype at)
{
    return static_cast<std::int32_t>(U32(b, at));
}

void PutU32(QByteArray &b, qsizetype at, std::uint32_t v)
{
    qToLittleEndian(v, b.data() + at);
}

// Three columns red, green, blue over two rows, the bottom row darker.
QImage Picture()
{
    QImage image(3, 2, QImage::Format_RGB32);
    const QRgb top[] = {qRgb(255, 0, 0), qRgb(0, 255, 0), qRgb(0, 0, 255)};
    const QRgb bottom[] = {qRgb(128, 0, 0), qRgb(0, 128, 0), qRgb(0, 0, 128)};
    for (int x = 0; x < 3; ++x) {
        image.setPixel(x, 0, top[x]);
        image.setPixel(x, 1, bottom[x]);
    }
    return image;
}

// A drawing of width x height holding the picture stretched over all of it.
TDrawing OnePicture(int width, int height)
{
    TDrawing drawing(width, height);
    TDrawRecord r;
    r.Kind = TDrawKind::Image;
    r.Box = TRect(0, 0, width, height);
    r.Picture = Picture();
    drawing.Add(std::move(r), QRegion(0, 0, width, height));
    return drawing;
}

TEST(MetafileWriter, TheHeaderCarriesBoundsFrameSizeAndDescription)
{
    const QByteArray emf = EncodeEmf(OnePicture(300, 200), QStringLiteral("Quorin"), QStringLiteral("Strip Chart"));
    EXPECT_EQ(U32(emf, 0), 1u);  // EMR_HEADER
    EXPECT_EQ((std::vector<std::int32_t>{I32(emf, 8), I32(emf, 12), I32(emf, 16), I32(emf, 20)}),
              (std::vector<std::int32_t>{0, 0, 299, 199}));
    // The frame in 0.01 mm at 96 dpi: 300 pixels are 7937.5, 200 pixels 5291.7.
    EXPECT_EQ((std::vector<std::int32_t>{I32(emf, 24), I32(emf, 28), I32(emf, 32), I32(emf, 36)}),
              (std::vector<std::int32_t>{0, 0, 7937, 5291}));
    EXPECT_EQ(U32(emf, 40), 0x464D4520u);  // " EMF"
    EXPECT_EQ(U32(emf, 44), 0x10000u);
    EXPECT_EQ(U32(emf, 48), static_cast<std::uint32_t>(emf.size()));  // nBytes
    EXPECT_EQ(U32(emf, 52), 3u);                                      // records
    const QString expected = QStringLiteral("Quorin") + QChar(0) + QStringLiteral("Strip Chart") + QChar(0) + QChar(0);
    ASSERT_EQ(U32(emf, 60), static_cast<std::uint32_t>(expected.size()));
    const qsizetype offset = U32(emf, 64);
    QString text;
    for (qsizetype i = 0; i < expected.size(); ++i)
        text += QChar(qFromLittleEndian<std::uint16_t>(emf.constData() + offset + 2 * i));
    EXPECT_EQ(text, expected);
    EXPECT_EQ(U32(emf, 4) % 4, 0u);
}

TEST(MetafileWriter, ThePictureIsOneStretchedBottomUpDibAndTheFileEndsWithEof)
{
    const QByteArray emf = EncodeEmf(OnePicture(30, 20), QStringLiteral("Quorin"), QString());
    const qsizetype at = U32(emf, 4);
    ASSERT_EQ(U32(emf, at), 81u);  // EMR_STRETCHDIBITS
    const std::uint32_t size = U32(emf, at + 4);
    EXPECT_EQ((std::vector<std::int32_t>{I32(emf, at + 40), I32(emf, at + 44)}), (std::vector<std::int32_t>{3, 2}));
    EXPECT_EQ((std::vector<std::int32_t>{I32(emf, at + 72), I32(emf, at + 76)}), (std::vector<std::int32_t>{30, 20}));
    const qsizetype info = at + U32(emf, at + 48);
    EXPECT_EQ(I32(emf, info + 8), 2);  // positive height: bottom-up
    EXPECT_EQ(qFromLittleEndian<std::uint16_t>(emf.constData() + info + 14), 24);
    const qsizetype bits = at + U32(emf, at + 56);
    // Rows of 3 pixels take 12 bytes; the first row stored is the bottom one, blue-green-red.
    EXPECT_EQ(emf.mid(bits, 12), QByteArray("\x00\x00\x80\x00\x80\x00\x80\x00\x00\x00\x00\x00", 12));
    EXPECT_EQ(emf.mid(bits + 12, 9), QByteArray("\x00\x00\xff\x00\xff\x00\xff\x00\x00", 9));
    EXPECT_EQ(U32(emf, at + size), 14u);  // EMR_EOF
    EXPECT_EQ(at + size + 20, emf.size());
}

TEST(MetafileReader, ReadsBackWhatTheWriterWrote)
{
    TMemoryStream stream(EncodeEmf(OnePicture(30, 20), QStringLiteral("Quorin"), QStringLiteral("iPlot")));
    TMetafile metafile;
    metafile.LoadFromStream(&stream);
    EXPECT_EQ(metafile.Width(), 30);
    EXPECT_EQ(metafile.Height(), 20);
    EXPECT_EQ(metafile.CreatedBy(), QStringLiteral("Quorin"));
    EXPECT_EQ(metafile.Description(), QStringLiteral("iPlot"));
    ASSERT_TRUE(metafile.Drawing());
    ASSERT_EQ(metafile.Drawing()->Records().size(), 1u);
    EXPECT_EQ(metafile.Drawing()->Records()[0].Picture, Picture());
    EXPECT_EQ(metafile.Drawing()->Records()[0].Box, TRect(0, 0, 30, 20));
    EXPECT_EQ(metafile.Bytes(), stream.Bytes());
}

TEST(MetafileReader, RefusesDamagedFilesAndKeepsWhatItHeld)
{
    const QByteArray good = EncodeEmf(OnePicture(30, 20), QStringLiteral("Quorin"), QString());
    const qsizetype stretch = U32(good, 4);
    const qsizetype eof = stretch + U32(good, stretch + 4);
    struct Case {
        const char *name;
        std::function<void(QByteArray &)> damage;
    };
    const Case cases[] = {
        {"cut inside the header", [](QByteArray &b) { b.truncate(50); }},
        {"no signature", [](QByteArray &b) { PutU32(b, 40, 0); }},
        {"empty bounds", [](QByteArray &b) { PutU32(b, 16, static_cast<std::uint32_t>(-5)); }},
        {"a record of size 0", [stretch](QByteArray &b) { PutU32(b, stretch + 4, 0); }},
        {"a record past the end", [stretch](QByteArray &b) { PutU32(b, stretch + 4, 0x7FFFFFF0); }},
        {"bits past the record", [stretch](QByteArray &b) { PutU32(b, stretch + 60, 0x10000); }},
        {"bits offset past the end", [stretch](QByteArray &b) { PutU32(b, stretch + 56, 0xFFFFFFF0); }},
        {"an 8-bit DIB", [stretch](QByteArray &b) { b[stretch + 80 + 14] = 8; }},
        {"a huge DIB", [stretch](QByteArray &b) { PutU32(b, stretch + 80 + 4, 0x7FFFFFFF); }},
        {"description past the end", [](QByteArray &b) { PutU32(b, 64, 0x7FFFFFF0); }},
        {"no end record", [eof](QByteArray &b) { PutU32(b, eof, 70); }},
        {"a clip region of more rectangles than it holds",
         [](QByteArray &b) {
             QByteArray clip;
             for (std::uint32_t v : {75u, 64u, 48u, 5u, 32u, 1u, 1000u, 16000u, 0u, 0u, 9u, 9u, 0u, 0u, 9u, 9u})
                 clip.append(reinterpret_cast<const char *>(&v), 4);
             b.insert(U32(b, 4), clip);
         }},
    };
    for (const Case &c : cases) {
        QByteArray bytes = good;
        c.damage(bytes);
        TMetafile metafile;
        metafile.SetWidth(7);
        TMemoryStream stream(bytes);
        EXPECT_THROW(metafile.LoadFromStream(&stream), EInvalidGraphic) << c.name;
        EXPECT_EQ(metafile.Width(), 7) << c.name;
        EXPECT_TRUE(metafile.Empty()) << c.name;
    }
}

}  // namespace
