// Image export of a library control: the compression ranges, the JPEG and PNG bytes and files,
// and the metafile file, all drawn afresh through DrawToCanvas.

#include "PlotTestHelpers.h"
#include "TestPlotControl.h"
#include "platform/ui/StdTestApp.h"

#include "platform/ui/Bitmap.h"
#include "platform/ui/Metafile.h"
#include "platform/ui/PictureEncoded.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtEndian>

#include <zlib.h>

#include <gtest/gtest.h>

#include <functional>

#include "tests/platform/os/FileSizeLimit.h"

namespace {

struct ImageExport : ::testing::Test {
    TTestPlotControl control{nullptr};
    QTemporaryDir dir;

    ImageExport() { control.SetBounds(0, 0, 40, 30); }
    QString File(const char *name) const { return QDir(dir.path()).filePath(QString::fromLatin1(name)); }
    static QByteArray Read(const QString &file)
    {
        QFile f(file);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
    // The control as DrawToCanvas paints it.
    QImage Rendered()
    {
        TBitmap bitmap(control.Width(), control.Height());
        control.DrawToCanvas(bitmap.Canvas());
        return bitmap.Image();
    }
};

TEST_F(ImageExport, CompressionOutsideItsRangeIsRefusedBeforeAnythingIsWritten)
{
    const QString jpegRange = QStringLiteral("Compression must be in the range of 1-100");
    const QString pngRange = QStringLiteral("Compression must be in the range of 0-9");
    struct Case {
        const char *name;
        std::function<void(ImageExport &, const QString &)> call;
        const QString *message;  // nullptr: accepted
    };
    const Case cases[] = {
        {"jpeg 0", [](ImageExport &t, const QString &f) { t.control.SaveImageToJPEG(f, 0, false); }, &jpegRange},
        {"jpeg 101", [](ImageExport &t, const QString &f) { t.control.SaveImageToJPEG(f, 101, false); }, &jpegRange},
        {"jpeg 1", [](ImageExport &t, const QString &f) { t.control.SaveImageToJPEG(f, 1, false); }, nullptr},
        {"jpeg 100", [](ImageExport &t, const QString &f) { t.control.SaveImageToJPEG(f, 100, true); }, nullptr},
        {"png -1", [](ImageExport &t, const QString &f) { t.control.SaveImageToPNG(f, -1); }, &pngRange},
        {"png 10", [](ImageExport &t, const QString &f) { t.control.SaveImageToPNG(f, 10); }, &pngRange},
        {"png 0", [](ImageExport &t, const QString &f) { t.control.SaveImageToPNG(f, 0); }, nullptr},
        {"png 9", [](ImageExport &t, const QString &f) { t.control.SaveImageToPNG(f, 9); }, nullptr},
        {"png bytes 10", [](ImageExport &t, const QString &) { t.control.GetBytesPNG(10); }, &pngRange},
        {"jpeg bytes 0", [](ImageExport &t, const QString &) { t.control.GetBytesJPEG(0, false); }, &jpegRange},
        {"jpeg image 101", [](ImageExport &t, const QString &) { t.control.MakeJPEGImage(101, false); }, &jpegRange},
    };
    for (const Case &c : cases) {
        const QString file = File(c.name);
        EXPECT_EQ(MessageOf([&] { c.call(*this, file); }), c.message ? *c.message : QString()) << c.name;
        EXPECT_EQ(QFile::exists(file), c.message == nullptr && !QString::fromLatin1(c.name).contains("bytes") &&
                                           !QString::fromLatin1(c.name).contains("image"))
            << c.name;
    }
    // The byte operations let go of the control's lock also when they refuse.
    EXPECT_FALSE(control.GetBytesPNG(6).isEmpty());
}

// A disk that fills up during an export: the export reports it and the file it was to replace
// stays whole.
TEST_F(ImageExport, ExportThatCannotBeWrittenWholeLeavesTheOldFile)
{
    struct Case {
        const char *name;
        std::function<void(ImageExport &, const QString &)> call;
    };
    const Case cases[] = {
        {"png", [](ImageExport &t, const QString &f) { t.control.SaveImageToPNG(f, 0); }},
        {"jpeg", [](ImageExport &t, const QString &f) { t.control.SaveImageToJPEG(f, 100, false); }},
        {"bitmap", [](ImageExport &t, const QString &f) { t.control.SaveImageToBitmap(f); }},
        {"metafile", [](ImageExport &t, const QString &f) { t.control.SaveImageToMetaFile(f); }},
    };
    const QByteArray old(100, 'o');
    qsizetype files = 0;
    for (const Case &c : cases) {
        ++files;
        const QString file = File(c.name);
        QFile f(file);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly) && f.write(old) == old.size());
        f.close();

        QString message;
        {
            const FileSizeLimit full(128);  // every export is larger
            message = MessageOf([&] { c.call(*this, file); });
        }
        EXPECT_TRUE(message.contains(QStringLiteral("File too large"))) << c.name << ": " << message.toStdString();
        EXPECT_EQ(Read(file), old) << c.name;
        EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden).size(), files) << c.name;  // no temporary
        // With room on the disk the same export replaces the file.
        c.call(*this, file);
        EXPECT_GT(Read(file).size(), 128) << c.name;
    }
}

TEST_F(ImageExport, JpegBytesStartWithTheJfifHeaderAndCarryTheFrameOfTheirKind)
{
    struct Case {
        const char *name;
        bool progressive;
        const char *frame, *otherFrame;
    };
    const Case cases[] = {{"baseline", false, "\xFF\xC0", "\xFF\xC2"}, {"progressive", true, "\xFF\xC2", "\xFF\xC0"}};
    for (const Case &c : cases) {
        const QByteArray jpeg = control.GetBytesJPEG(75, c.progressive);
        EXPECT_TRUE(jpeg.startsWith(QByteArray("\xFF\xD8\xFF\xE0", 4))) << c.name;
        EXPECT_TRUE(jpeg.contains(QByteArray(c.frame, 2))) << c.name;
        EXPECT_FALSE(jpeg.contains(QByteArray(c.otherFrame, 2))) << c.name;
        const QImage decoded = QImage::fromData(jpeg, "JPG");
        EXPECT_EQ(decoded.size(), QSize(40, 30)) << c.name;
    }
    // The clipboard's JPEG image: compressed, owned by the caller.
    const std::unique_ptr<TJPEGImage> image = control.MakeJPEGImage(100, false);
    EXPECT_TRUE(image->Bytes().startsWith(QByteArray("\xFF\xD8", 2)));
    EXPECT_EQ(image->Width(), 40);
}

TEST_F(ImageExport, PngBytesHoldTheRenderedPixelsInRowsWithoutFilter)
{
    const QByteArray png = control.GetBytesPNG(0);
    ASSERT_TRUE(png.startsWith(QByteArray("\x89PNG\r\n\x1a\n", 8)));
    EXPECT_EQ(png.mid(12, 4), QByteArray("IHDR"));
    EXPECT_EQ(png.mid(16, 13), QByteArray("\0\0\0\x28\0\0\0\x1e\x08\x02\0\0\0", 13));
    const qsizetype dataLength = qFromBigEndian<quint32>(png.constData() + 33);
    ASSERT_EQ(png.mid(37, 4), QByteArray("IDAT"));
    QByteArray raw(30 * (1 + 40 * 3), '\0');
    uLongf size = static_cast<uLongf>(raw.size());
    ASSERT_EQ(uncompress(reinterpret_cast<Bytef *>(raw.data()), &size,
                         reinterpret_cast<const Bytef *>(png.constData() + 41), static_cast<uLong>(dataLength)),
              Z_OK);
    ASSERT_EQ(static_cast<qsizetype>(size), raw.size());
    const QImage rendered = Rendered();
    for (int y = 0; y < 30; ++y) {
        const qsizetype row = y * (1 + 40 * 3);
        ASSERT_EQ(raw[row], '\0') << y;
        for (int x = 0; x < 40; ++x) {
            const QRgb p = rendered.pixel(x, y);
            ASSERT_EQ(qRgb(std::uint8_t(raw[row + 1 + 3 * x]), std::uint8_t(raw[row + 2 + 3 * x]),
                           std::uint8_t(raw[row + 3 + 3 * x])),
                      p)
                << x << "," << y;
        }
    }
    // The file is the same picture.
    control.SaveImageToPNG(File("control.png"), 0);
    EXPECT_EQ(QImage(File("control.png")), QImage::fromData(png, "PNG"));
}

TEST_F(ImageExport, TheMetafileCarriesTheCreatorTheBoundsAndItsOwnSize)
{
    control.SaveImageToMetaFile(File("control.emf"));
    const QByteArray emf = Read(File("control.emf"));
    ASSERT_GT(emf.size(), 108);
    EXPECT_EQ(qFromLittleEndian<qint32>(emf.constData() + 16), 39);
    EXPECT_EQ(qFromLittleEndian<qint32>(emf.constData() + 20), 29);
    EXPECT_EQ(qFromLittleEndian<quint32>(emf.constData() + 48), static_cast<quint32>(emf.size()));
    TMetafile metafile;
    metafile.LoadFromFile(File("control.emf"));
    EXPECT_EQ(metafile.CreatedBy(), QStringLiteral("Quorin"));
    EXPECT_EQ(metafile.Description(), QString());
    EXPECT_EQ(metafile.ToImage(), Rendered().convertToFormat(QImage::Format_RGB32));
}

}  // namespace
