// The two GDI+ picture classes: events, drawing of BMP files and transparent bitmaps, resources,
// sizes from file headers (damaged ones included) and the form stream.

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <string>
#include <vector>

#include "platform/ui/Picture.h"
#include "platform/ui/PictureEncoded.h"
#include "tests/widgets/graphics/GraphicsTestApp.h"
#include "widgets/graphics/AdvGDIPPicture.h"
#include "widgets/graphics/GDIPicture.h"

using graphicstest::Board;
using graphicstest::Encoded;
using graphicstest::Solid;

namespace {

// Records the order of a picture's events.
struct EventLog : TObject {
    std::vector<std::string> events;
    void Change(TObject *) { events.push_back("change"); }
    void Clear(TObject *) { events.push_back("clear"); }
    void Watch(TGDIPPictureBase &p)
    {
        p.OnChange = TNotifyEvent(this, &EventLog::Change);
        p.OnClear = TNotifyEvent(this, &EventLog::Clear);
    }
};

QString WriteFile(const QTemporaryDir &dir, const QString &name, const QByteArray &bytes)
{
    const QString path = dir.filePath(name);
    QFile f(path);
    EXPECT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(bytes);
    return path;
}

// A 4 x 3 BMP: red, with the bottom-left pixel (and two more) in the key colour green.
QByteArray KeyedBmp()
{
    QImage img = Solid(4, 3, QColor(255, 0, 0));
    img.setPixelColor(0, 2, QColor(0, 255, 0));
    img.setPixelColor(2, 0, QColor(0, 255, 0));
    return Encoded(img, "bmp");
}

template <class P>
void Load(P &p, const QByteArray &bytes)
{
    TMemoryStream s(bytes);
    p.LoadFromStream(&s);
}

TEST(GDIPPictures, ClearingFiresTheChangeThenOnClear)
{
    EventLog log;
    TGDIPPicture a;
    TAdvGDIPPicture b;
    for (TGDIPPictureBase *p : {static_cast<TGDIPPictureBase *>(&a), static_cast<TGDIPPictureBase *>(&b)}) {
        log.events.clear();
        log.Watch(*p);
        p->Assign(nullptr);
        EXPECT_EQ(log.events, (std::vector<std::string>{"change", "clear"})) << p->ClassName().toStdString();
        EXPECT_TRUE(p->Empty());
    }
}

TEST(GDIPPictures, LoadFromFileFiresOnClearFirstAndAFailureLeavesThePictureEmpty)
{
    QTemporaryDir dir;
    const QString png = WriteFile(dir, QStringLiteral("p.png"), Encoded(Solid(5, 4, Qt::blue), "png"));
    EventLog log;
    TGDIPPicture a;
    TAdvGDIPPicture b;
    for (TGDIPPictureBase *p : {static_cast<TGDIPPictureBase *>(&a), static_cast<TGDIPPictureBase *>(&b)}) {
        log.events.clear();
        log.Watch(*p);
        p->LoadFromFile(png);
        EXPECT_EQ(log.events, (std::vector<std::string>{"clear", "change"})) << p->ClassName().toStdString();
        EXPECT_FALSE(p->Empty());
        EXPECT_EQ(p->Width(), 5);
        EXPECT_EQ(p->Height(), 4);
        log.events.clear();
        p->LoadFromFile(dir.filePath(QStringLiteral("missing.png")));
        EXPECT_TRUE(p->Empty());
        EXPECT_TRUE(log.events.empty());
    }
}

TEST(GDIPPictures, BmpIsStretchedByOneClassAndKeepsItsSizeInTheOther)
{
    const QByteArray bmp = Encoded(Solid(4, 3, QColor(0, 0, 255)), "bmp");
    // The bottom-left colour is transparent: make it differ from the rest.
    QImage img = Solid(4, 3, QColor(0, 0, 255));
    img.setPixelColor(0, 2, QColor(0, 255, 0));
    const QByteArray keyed = Encoded(img, "bmp");
    TGDIPPicture stretched;
    TAdvGDIPPicture kept;
    Load(stretched, keyed);
    Load(kept, keyed);
    Board a(20, 20), b(20, 20);
    stretched.Draw(a.bmp.Canvas(), TRect(2, 2, 14, 11));
    kept.Draw(b.bmp.Canvas(), TRect(2, 2, 14, 11));
    EXPECT_EQ(a.At(12, 5), clBlue);
    EXPECT_EQ(b.At(12, 5), clWhite);
    EXPECT_EQ(b.At(3, 2), clBlue);
    EXPECT_EQ(b.At(6, 2), clWhite);
    EXPECT_EQ(b.At(2, 4), clWhite);  // the key colour is left out
}

TEST(GDIPPictures, OtherFormatsAreScaledIntoTheRectangle)
{
    TAdvGDIPPicture p;
    Load(p, Encoded(Solid(4, 3, QColor(255, 0, 0)), "png"));
    Board b(20, 20);
    p.Draw(b.bmp.Canvas(), TRect(2, 2, 14, 11));
    EXPECT_EQ(b.At(12, 9), clRed);
    EXPECT_EQ(b.At(15, 9), clWhite);
    Board g(20, 20);
    p.GDIPDraw(g.g.get(), MakeRect(1.4f, 1.4f, 8.0f, 6.0f));  // rounded to (1, 1, 8, 6)
    EXPECT_EQ(g.At(1, 1), clRed);
    EXPECT_EQ(g.At(8, 6), clRed);
    EXPECT_EQ(g.At(9, 7), clWhite);
}

TEST(GDIPPictures, TransparentBmpDropsItsKeyColour)
{
    struct Case {
        const char *name;
        TTransparentMode mode;
        TColor fixed;
        TColor atKeyPixel;
    };
    const Case cases[] = {
        {.name = "auto: the bottom-left colour", .mode = tmAuto, .fixed = clRed, .atKeyPixel = clWhite},
        {.name = "fixed: the given colour", .mode = tmFixed, .fixed = clRed, .atKeyPixel = clLime},
    };
    for (const Case &c : cases) {
        TAdvGDIPPicture p;
        Load(p, KeyedBmp());
        p.SetTransparent(true);
        p.SetBitmapTransparentMode(c.mode);
        p.SetBitmapTransparentColor(c.fixed);
        Board b(10, 10);
        p.GDIPDraw(b.g.get(), TRect(1, 1, 9, 9));
        EXPECT_EQ(b.At(1 + 2, 1 + 0), c.atKeyPixel) << c.name;
        EXPECT_EQ(b.At(1 + 1, 1 + 1), c.mode == tmAuto ? clRed : clWhite) << c.name;
        EXPECT_EQ(b.At(6, 6), clWhite) << c.name;  // its own size, not the rectangle's
        EXPECT_EQ(p.PixelDepth(), 24) << c.name;
        EXPECT_FALSE(p.HasAlpha()) << c.name;
    }
}

TEST(GDIPPictures, FillRectTilesFromTheGraphicsOrigin)
{
    TAdvGDIPPicture p;
    QImage tile = Solid(2, 2, QColor(0, 0, 0));
    tile.setPixelColor(1, 0, QColor(255, 255, 255));
    tile.setPixelColor(0, 1, QColor(255, 255, 255));
    Load(p, Encoded(tile, "png"));
    Board b(8, 8, clRed);
    p.FillRect(b.g.get(), MakeRect(1.0f, 1.0f, 6.0f, 6.0f));
    EXPECT_EQ(b.At(2, 2), clBlack);
    EXPECT_EQ(b.At(3, 2), clWhite);
    EXPECT_EQ(b.At(0, 0), clRed);
}

TEST(GDIPPictures, ResourcesAreFoundByNameInAnyPrefixCase)
{
    for (const char *url : {"RES://Logo.png", "res://Logo.png", "Res://Logo.png"}) {
        TGDIPPicture p;
        p.LoadFromURL(QString::fromLatin1(url));
        EXPECT_FALSE(p.Empty()) << url;
        EXPECT_EQ(p.Width(), 3) << url;
    }
    for (const char *url : {"res://", "res://missing.png", "http://example/logo.png", "Logo.png"}) {
        TGDIPPicture p;
        p.LoadFromURL(QString::fromLatin1(url));
        EXPECT_TRUE(p.Empty()) << url;
    }
    TGDIPPicture p;
    EXPECT_THROW(p.LoadFromResourceID(HInstance, 4711), EResNotFound);
}

TEST(GDIPPictures, EmptyStreamsAndOtherGraphicsDifferBetweenTheClasses)
{
    TMemoryStream empty;
    TGDIPPicture a;
    TAdvGDIPPicture b;
    a.LoadFromStream(&empty);
    b.LoadFromStream(&empty);
    EXPECT_FALSE(a.Empty());
    EXPECT_TRUE(a.Bytes().isEmpty());
    EXPECT_TRUE(b.Empty());
    Board board(5, 5);
    a.Draw(board.bmp.Canvas(), TRect(0, 0, 5, 5));  // draws nothing
    EXPECT_EQ(board.Painted(), 0);

    TPngImage png;
    png.LoadFromBytes(Encoded(Solid(3, 3, Qt::red), "png"));
    EventLog log;
    log.Watch(a);
    log.Watch(b);
    a.Assign(&png);
    EXPECT_TRUE(a.Empty());
    EXPECT_TRUE(log.events.empty());
    b.Assign(&png);
    EXPECT_FALSE(b.Empty());
    EXPECT_EQ(b.Width(), 3);
    EXPECT_EQ(log.events, std::vector<std::string>{"change"});
    a.SetWidth(40);
    b.SetHeight(40);
    EXPECT_EQ(b.Height(), 3);
}

TEST(GDIPPictures, DataPropertyHoldsTheFileBytesAndFormsCarryThePictures)
{
    const QByteArray jpeg = Encoded(Solid(6, 2, Qt::green), "jpeg");
    TGDIPPicture p;
    Load(p, jpeg);
    TMemoryStream out;
    p.WriteData(&out);
    EXPECT_EQ(out.Bytes(), jpeg);
    // A framework picture holder takes the class by name.
    TPicture holder;
    holder.SetGraphic(&p);
    ASSERT_NE(dynamic_cast<TGDIPPicture *>(holder.Graphic()), nullptr);
    EXPECT_EQ(static_cast<TGDIPPicture *>(holder.Graphic())->Bytes(), jpeg);
    // Read back from form data, the size stays unknown until it is asked for.
    TGDIPPicture read;
    TMemoryStream in(jpeg);
    read.ReadData(&in);
    EXPECT_EQ(read.Width(), 0);
    EXPECT_TRUE(read.GetImageSizes());
    EXPECT_EQ(read.Width(), 6);
}

// ---- Sizes from file headers ----

QByteArray PngHeader(std::uint32_t w, std::uint32_t h)
{
    QByteArray b("\x89PNG\r\n\x1a\n\0\0\0\x0dIHDR", 16);
    for (std::uint32_t v : {w, h})
        for (int s = 24; s >= 0; s -= 8)
            b.append(static_cast<char>(v >> s));
    b.append(QByteArray("\x08\x02\0\0\0", 5));
    return b;
}

TEST(GDIPPictures, LoadFromFileTakesTheSizeFromTheHeader)
{
    QTemporaryDir dir;
    const QString wide = WriteFile(dir, QStringLiteral("wide.png"), PngHeader(70000, 20));
    TAdvGDIPPicture adv;
    adv.LoadFromFile(wide);
    EXPECT_FALSE(adv.Empty());
    EXPECT_EQ(adv.Width(), 4464);
    EXPECT_EQ(adv.Height(), 20);
    TGDIPPicture plain;
    plain.LoadFromFile(wide);  // decodes: a header alone gives no size
    EXPECT_EQ(plain.Width(), 0);
    EXPECT_THROW(adv.GetImageSizesFromFileName(dir.filePath(QStringLiteral("none.bmp"))), EFOpenError);
}

}  // namespace
