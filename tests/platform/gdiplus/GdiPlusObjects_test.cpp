// Objects of the GDI+ stand-in: null handles, start-up counters, fonts, matrices, paths, and
// images decoded, saved and handed out as framework bitmaps.

#include <QBuffer>
#include <QImageWriter>

#include <cmath>

#include "platform/gdiplus/GdiPlusFlat.h"
#include "platform/runtime/Streams.h"
#include "tests/platform/gdiplus/GdiPlusTestApp.h"

namespace {

QByteArray Encoded(const QImage &img, const char *format)
{
    QByteArray bytes;
    QBuffer buf(&bytes);
    buf.open(QIODevice::WriteOnly);
    QImageWriter w(&buf, format);
    EXPECT_TRUE(w.write(img)) << format << ": " << w.errorString().toStdString();
    return bytes;
}

QImage Sample(int w, int h, bool alpha)
{
    QImage img(w, h, alpha ? QImage::Format_ARGB32 : QImage::Format_RGB32);
    img.fill(QColor(10, 200, 30, alpha ? 128 : 255));
    img.setPixelColor(0, 0, QColor(250, 0, 0));
    return img;
}

// A 1 x 1 GIF.
const QByteArray kGif("GIF89a\x01\x00\x01\x00\x80\x00\x00\xff\x00\x00\x00\x00\x00,\x00\x00\x00\x00\x01\x00\x01\x00"
                      "\x00\x02\x02\x44\x01\x00;",
                      35);

GpImage *Load(const QByteArray &bytes, Status *status = nullptr)
{
    TMemoryStream s(bytes);
    GpImage *img = nullptr;
    const Status st = GdipLoadImageFromStream(&s, &img);
    if (status)
        *status = st;
    return img;
}

TEST(GdiPlusObjects, NullHandlesAnswerInvalidParameter)
{
    REAL r = 0;
    UINT u = 0;
    SmoothingMode mode{};
    EXPECT_EQ(GdipFillRectangle(nullptr, nullptr, 0, 0, 1, 1), InvalidParameter);
    EXPECT_EQ(GdipDrawLine(nullptr, nullptr, 0, 0, 1, 1), InvalidParameter);
    EXPECT_EQ(GdipGetSmoothingMode(nullptr, &mode), InvalidParameter);
    EXPECT_EQ(GdipGetPenWidth(nullptr, &r), InvalidParameter);
    EXPECT_EQ(GdipGetImageWidth(nullptr, &u), InvalidParameter);
    EXPECT_EQ(GdipDeleteBrush(nullptr), InvalidParameter);
    EXPECT_EQ(GdipSetClipRegion(nullptr, nullptr, CombineModeReplace), InvalidParameter);
    EXPECT_EQ(GdipCreateFromHDC(nullptr, nullptr), InvalidParameter);
    GpGraphics *g = nullptr;
    EXPECT_EQ(GdipCreateFromHDC(nullptr, &g), InvalidParameter);
    EXPECT_EQ(g, nullptr);
}

TEST(GdiPlusObjects, StartUpAndShutDownKeepTheirCounters)
{
    const gdiplus::Counters before = gdiplus::GetCounters();
    GdiplusStartupInput in;
    in.SuppressBackgroundThread = -1;
    GdiplusStartupOutput out;
    ULONG_PTR token = 0;
    // Leaving out the background thread needs the hooks handed back.
    EXPECT_EQ(GdiplusStartup(&token, &in, nullptr), InvalidParameter);
    ASSERT_EQ(GdiplusStartup(&token, &in, &out), Ok);
    ASSERT_TRUE(out.NotificationHook);
    ULONG hook = 0;
    EXPECT_EQ(out.NotificationHook(&hook), Ok);
    out.NotificationUnhook(hook);
    void *block = GdipAlloc(16);
    ASSERT_NE(block, nullptr);
    EXPECT_EQ(gdiplus::GetCounters().LiveAllocations, before.LiveAllocations + 1);
    GdipFree(block);
    GdiplusShutdown(token);
    const gdiplus::Counters after = gdiplus::GetCounters();
    EXPECT_EQ(after.Startups, before.Startups + 1);
    EXPECT_EQ(after.Shutdowns, before.Shutdowns + 1);
    EXPECT_EQ(after.LiveAllocations, before.LiveAllocations);
    if (!gdiplus::Started()) {
        EXPECT_EQ(GdipAlloc(16), nullptr);
    }
}

TEST(GdiPlusObjects, FontFamiliesComeFromTheFontMapping)
{
    GpFontFamily *f = nullptr;
    EXPECT_EQ(GdipCreateFontFamilyFromName(u"No Such Family Here", nullptr, &f), FontFamilyNotFound);
    EXPECT_EQ(f, nullptr);
    ASSERT_EQ(GdipCreateFontFamilyFromName(u"Tahoma", nullptr, &f), Ok);
    WCHAR name[32] = {};
    GdipGetFamilyName(f, name, 0);
    EXPECT_EQ(QString::fromUtf16(name), QStringLiteral("Tahoma"));
    GpFont *font = nullptr;
    EXPECT_EQ(GdipCreateFont(f, 0, 0, UnitPoint, &font), InvalidParameter);
    ASSERT_EQ(GdipCreateFont(f, 9, FontStyleBold | FontStyleStrikeout, UnitPoint, &font), Ok);
    INT style = 0;
    GdipGetFontStyle(font, &style);
    EXPECT_EQ(style, FontStyleBold | FontStyleStrikeout);
    GdipDeleteFont(font);
    GdipDeleteFontFamily(f);
    GpFontFamily *sans = nullptr, *again = nullptr;
    GdipGetGenericFontFamilySansSerif(&sans);
    GdipDeleteFontFamily(sans);  // the shared family survives
    GdipGetGenericFontFamilySansSerif(&again);
    EXPECT_EQ(sans, again);
}

TEST(GdiPlusObjects, MeasuredStringsGrowWithTheirText)
{
    gdiplustest::Board b(4, 4);
    GpFontFamily *f = nullptr;
    GdipCreateFontFamilyFromName(u"Arial", nullptr, &f);
    GpFont *font = nullptr;
    GdipCreateFont(f, 10, 0, UnitPoint, &font);
    const GpRectF layout{0, 0, 10000, 10000};
    GpRectF empty{}, one{}, trailing{}, measuredTrailing{};
    GdipMeasureString(b.g, u"", 0, font, &layout, nullptr, &empty, nullptr, nullptr);
    GdipMeasureString(b.g, u"ab", 2, font, &layout, nullptr, &one, nullptr, nullptr);
    GdipMeasureString(b.g, u"ab ", 3, font, &layout, nullptr, &trailing, nullptr, nullptr);
    GpStringFormat *fmt = nullptr;
    GdipCreateStringFormat(StringFormatFlagsMeasureTrailingSpaces, 0, &fmt);
    GdipMeasureString(b.g, u"ab ", 3, font, &layout, fmt, &measuredTrailing, nullptr, nullptr);
    EXPECT_EQ(empty.Width, 0);
    EXPECT_GT(one.Width, 10);
    EXPECT_GT(one.Height, 10);
    EXPECT_FLOAT_EQ(trailing.Width, one.Width);  // trailing blanks are left out by default
    EXPECT_GT(measuredTrailing.Width, one.Width);
    GdipDeleteStringFormat(fmt);
    GdipDeleteFont(font);
    GdipDeleteFontFamily(f);
}

TEST(GdiPlusObjects, MatricesComposeInGdiPlusOrder)
{
    GpMatrix *m = nullptr;
    GdipCreateMatrix(&m);
    GdipTranslateMatrix(m, 10, 0, MatrixOrderPrepend);
    GdipScaleMatrix(m, 2, 2, MatrixOrderAppend);  // after the translation
    GpPointF p{1, 1};
    GdipTransformMatrixPoints(m, &p, 1);
    EXPECT_FLOAT_EQ(p.X, 22);
    EXPECT_FLOAT_EQ(p.Y, 2);
    GpPointF v{1, 1};
    GdipVectorTransformMatrixPoints(m, &v, 1);
    EXPECT_FLOAT_EQ(v.X, 2);
    GdipRotateMatrix(m, 90, MatrixOrderPrepend);
    REAL e[6];
    GdipGetMatrixElements(m, e);
    EXPECT_NEAR(e[0], 0, 1e-6);
    EXPECT_NEAR(e[1], 2, 1e-6);
    GpMatrix *singular = nullptr;
    GdipCreateMatrix2(1, 2, 2, 4, 0, 0, &singular);
    BOOL invertible = 1;
    GdipIsMatrixInvertible(singular, &invertible);
    EXPECT_EQ(invertible, 0);
    EXPECT_EQ(GdipInvertMatrix(singular), InvalidParameter);
    GdipDeleteMatrix(singular);
    GdipDeleteMatrix(m);
}

TEST(GdiPlusObjects, CardinalSplinePassesThroughItsPoints)
{
    GpPath *path = nullptr;
    GdipCreatePath(FillModeAlternate, &path);
    const GpPointF pts[4] = {{0, 0}, {10, 10}, {20, 0}, {30, 10}};
    ASSERT_EQ(GdipAddPathCurve2(path, pts, 4, 0.5f), Ok);
    INT count = 0;
    GdipGetPointCount(path, &count);
    EXPECT_EQ(count, 10);  // start point and three Béziers
    GpRectF bounds{};
    GdipGetPathWorldBounds(path, &bounds, nullptr, nullptr);
    EXPECT_FLOAT_EQ(bounds.Width, 30);  // through the first and the last point
    EXPECT_FLOAT_EQ(bounds.Height, 10);
    EXPECT_EQ(GdipAddPathCurve2(path, pts, 1, 0.5f), InvalidParameter);
    GdipDeletePath(path);
}

TEST(GdiPlusObjects, ImagesDecodeByTheirLeadingBytes)
{
    struct Case {
        const char *name;
        QByteArray bytes;
        GUID raw;
        UINT width;
        PixelFormat format;
    };
    const Case cases[] = {
        {.name = "png",
         .bytes = Encoded(Sample(5, 3, true), "png"),
         .raw = ImageFormatPNG,
         .width = 5,
         .format = PixelFormat32bppARGB},
        {.name = "jpeg",
         .bytes = Encoded(Sample(6, 3, false), "jpeg"),
         .raw = ImageFormatJPEG,
         .width = 6,
         .format = PixelFormat24bppRGB},
        {.name = "bmp",
         .bytes = Encoded(Sample(7, 3, false), "bmp"),
         .raw = ImageFormatBMP,
         .width = 7,
         .format = PixelFormat24bppRGB},
        {.name = "tiff",
         .bytes = Encoded(Sample(8, 3, false), "tiff"),
         .raw = ImageFormatTIFF,
         .width = 8,
         .format = PixelFormat24bppRGB},
        {.name = "ico",
         .bytes = Encoded(Sample(16, 16, true), "ico"),
         .raw = ImageFormatIcon,
         .width = 16,
         .format = PixelFormat32bppARGB},
        {.name = "gif", .bytes = kGif, .raw = ImageFormatGIF, .width = 1, .format = PixelFormat8bppIndexed},
    };
    for (const Case &c : cases) {
        Status st = GenericError;
        GpImage *img = Load(c.bytes, &st);
        ASSERT_EQ(st, Ok) << c.name;
        GUID raw{};
        UINT w = 0;
        PixelFormat pf = 0;
        GdipGetImageRawFormat(img, &raw);
        GdipGetImageWidth(img, &w);
        GdipGetImagePixelFormat(img, &pf);
        EXPECT_TRUE(raw == c.raw) << c.name;
        EXPECT_EQ(w, c.width) << c.name;
        EXPECT_EQ(pf, c.format) << c.name;
        GdipDisposeImage(img);
    }
}

TEST(GdiPlusObjects, MetafilesAndDamagedFilesAreRefused)
{
    QByteArray emf(88, '\0');
    emf[0] = 1;
    emf.replace(40, 4, " EMF");
    const struct {
        const char *name;
        QByteArray bytes;
        Status status;
    } cases[] = {
        {"emf", emf, UnknownImageFormat},
        {"wmf", QByteArray("\xD7\xCD\xC6\x9A\0\0\0\0\0\0\0\0", 12), UnknownImageFormat},
        {"text", QByteArray("hello"), UnknownImageFormat},
        {"empty", QByteArray(), InvalidParameter},
        {"cut png", Encoded(Sample(5, 3, true), "png").left(30), GenericError},
        {"cut bmp", Encoded(Sample(7, 3, false), "bmp").left(40), GenericError},
    };
    for (const auto &c : cases) {
        Status st = Ok;
        GpImage *img = Load(c.bytes, &st);
        EXPECT_EQ(st, c.status) << c.name;
        EXPECT_EQ(img, nullptr) << c.name;
    }
    GpImage *img = nullptr;
    EXPECT_EQ(GdipLoadImageFromFile(u"/nonexistent/picture.png", &img), FileNotFound);
}

TEST(GdiPlusObjects, SavedImagesReadBack)
{
    GpBitmap *bmp = nullptr;
    ASSERT_EQ(GdipCreateBitmapFromScan0(9, 4, 0, PixelFormat32bppARGB, nullptr, &bmp), Ok);
    GdipBitmapSetPixel(bmp, 2, 1, 0x80FF0000);
    GdipBitmapSetPixel(bmp, 3, 1, 0xFF00FF00);
    const struct {
        const char *name;
        CLSID clsid;
        GUID raw;
        bool exact;
    } cases[] = {
        {"png", EncoderClsidPNG, ImageFormatPNG, true},
        {"bmp", EncoderClsidBMP, ImageFormatBMP, true},
        {"jpeg", EncoderClsidJPEG, ImageFormatJPEG, false},
    };
    for (const auto &c : cases) {
        TMemoryStream s;
        ASSERT_EQ(GdipSaveImageToStream(bmp, &s, &c.clsid, nullptr), Ok) << c.name;
        s.SetPosition(0);
        GpImage *back = nullptr;
        ASSERT_EQ(GdipLoadImageFromStream(&s, &back), Ok) << c.name;
        GUID raw{};
        UINT w = 0, h = 0;
        GdipGetImageRawFormat(back, &raw);
        GdipGetImageWidth(back, &w);
        GdipGetImageHeight(back, &h);
        EXPECT_TRUE(raw == c.raw) << c.name;
        EXPECT_EQ(w, 9u);
        EXPECT_EQ(h, 4u);
        ARGB px = 0;
        GdipBitmapGetPixel(back, 3, 1, &px);
        if (c.exact) {
            EXPECT_EQ(px, 0xFF00FF00u) << c.name;
        }
        if (c.raw == ImageFormatPNG) {
            GdipBitmapGetPixel(back, 2, 1, &px);
            EXPECT_EQ(px, 0x80FF0000u);
        }
        GdipDisposeImage(back);
    }
    // A lower JPEG quality gives a smaller file.
    ULONG low = 10, high = 95;
    auto sizeAt = [&](ULONG *q) {
        EncoderParameters p{1, {{EncoderQuality, 1, EncoderParameterValueTypeLong, q}}};
        TMemoryStream s;
        GdipSaveImageToStream(bmp, &s, &EncoderClsidJPEG, &p);
        return s.Size();
    };
    EXPECT_LT(sizeAt(&low), sizeAt(&high));
    TMemoryStream s;
    EXPECT_EQ(GdipSaveImageToStream(bmp, &s, &EncoderClsidGIF, nullptr), UnknownImageFormat);
    GdipDisposeImage(bmp);
}

TEST(GdiPlusObjects, BitmapBecomesAFrameworkBitmapOverItsBackground)
{
    GpBitmap *bmp = nullptr;
    GdipCreateBitmapFromScan0(3, 2, 0, PixelFormat32bppARGB, nullptr, &bmp);
    GdipBitmapSetPixel(bmp, 0, 0, 0xFF0000FF);
    HBITMAP h = nullptr;
    ASSERT_EQ(GdipCreateHBITMAPFromBitmap(bmp, &h, 0xFFFFFF00), Ok);
    ASSERT_NE(h, nullptr);
    EXPECT_EQ(h->Width(), 3);
    EXPECT_EQ(h->Image().pixel(0, 0) | 0xFF000000u, 0xFF0000FFu);
    EXPECT_EQ(h->Image().pixel(1, 0) | 0xFF000000u, 0xFFFFFF00u);  // transparent: the background
    delete h;
    // A transparent background keeps the bitmap's alpha (a layered window's pixels).
    ASSERT_EQ(GdipCreateHBITMAPFromBitmap(bmp, &h, 0), Ok);
    EXPECT_EQ(h->Image().pixel(0, 0), 0xFF0000FFu);
    EXPECT_EQ(qAlpha(h->Image().pixel(1, 0)), 0);
    delete h;
    PixelFormat pf = 0;
    GdipGetImagePixelFormat(bmp, &pf);
    EXPECT_EQ(pf, 0x26200A);
    ARGB px = 0;
    EXPECT_EQ(GdipBitmapGetPixel(bmp, 3, 0, &px), InvalidParameter);
    GdipDisposeImage(bmp);
}

TEST(GdiPlusObjects, ImageAttributesAdjustColours)
{
    GpImageAttributes *attr = nullptr;
    GdipCreateImageAttributes(&attr);
    EXPECT_EQ(GdipSetImageAttributesOutputChannelColorProfile(attr, ColorAdjustTypeDefault, -1, u"x.icc"),
              NotImplemented);
    ColorMatrix swap{};
    // Red and blue trade places; alpha and green stay.
    swap.m[0][2] = swap.m[1][1] = swap.m[2][0] = swap.m[3][3] = swap.m[4][4] = 1;
    ASSERT_EQ(
        GdipSetImageAttributesColorMatrix(attr, ColorAdjustTypeDefault, -1, &swap, nullptr, ColorMatrixFlagsDefault),
        Ok);
    alignas(ColorPalette) unsigned char storage[sizeof(ColorPalette) + 2 * sizeof(ARGB)];
    auto *pal = reinterpret_cast<ColorPalette *>(storage);
    pal->Flags = 0;
    pal->Count = 2;
    pal->Entries[0] = 0xFFFF0000;
    pal->Entries[1] = 0xFF808080;
    ASSERT_EQ(GdipGetImageAttributesAdjustedPalette(attr, pal, ColorAdjustTypeBitmap), Ok);
    EXPECT_EQ(pal->Entries[0], 0xFF0000FFu);  // the bitmap category falls back to the default
    ASSERT_EQ(GdipSetImageAttributesThreshold(attr, ColorAdjustTypeBitmap, -1, 0.5f), Ok);
    pal->Entries[0] = 0xFF40C0FF;
    GdipGetImageAttributesAdjustedPalette(attr, pal, ColorAdjustTypeBitmap);
    EXPECT_EQ(pal->Entries[0], 0xFF00FFFFu);  // its own settings now: only the threshold
    GdipDisposeImageAttributes(attr);
}

}  // namespace
