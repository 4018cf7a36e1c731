#pragma once
// The standard controls' application object (offscreen, 96 DPI), a white board to paint on,
// small picture files made on the fly and the committed widget pictures.

#include <QBuffer>
#include <QFile>
#include <QImageWriter>

#include <gtest/gtest.h>

#include <cstdlib>

#include "platform/runtime/Streams.h"
#include "platform/ui/Bitmap.h"
#include "platform/ui/Image.h"
#include "platform/ui/Panel.h"
#include "tests/platform/ui/StdTestApp.h"
#include "widgets/graphics/AdvGDIP.h"

namespace graphicstest {

// A bitmap filled with one colour, and a TGPGraphics on its canvas.
struct Board {
    TBitmap bmp;
    std::unique_ptr<TGPGraphics> g;
    Board(int w, int h, TColor fill = clWhite) : bmp(w, h)
    {
        bmp.Canvas()->Brush()->SetColor(fill);
        bmp.Canvas()->FillRect(Rect(0, 0, w, h));
        g = std::make_unique<TGPGraphics>(bmp.Canvas()->Handle());
    }
    TColor At(int x, int y) const { return PixelToColor(bmp.Image().pixel(x, y)); }
    // Pixels of the board that are not `background`.
    int Painted(TColor background = clWhite) const
    {
        int n = 0;
        for (int y = 0; y < bmp.Height(); ++y)
            for (int x = 0; x < bmp.Width(); ++x)
                n += At(x, y) != background;
        return n;
    }
};

// The colour of a pixel of a rendered image.
inline TColor At(const QImage &img, int x, int y)
{
    return PixelToColor(img.pixel(x, y));
}

// The bytes of a picture file of resources/images/widgets (fader_thumb_normal.png ...).
inline QByteArray WidgetPictureBytes(const char *name)
{
    const char *root = std::getenv("TROV_SOURCE_DIR");
    QFile file(QString::fromUtf8(root ? root : TROV_TEST_SOURCE_ROOT) + "/resources/images/widgets/" + name);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << name;
    return file.readAll();
}

inline QImage WidgetImage(const char *name)
{
    return QImage::fromData(WidgetPictureBytes(name)).convertToFormat(QImage::Format_ARGB32);
}

// Loads a picture file of resources/images/widgets into a picture.
inline void LoadWidgetPicture(TGraphic *picture, const char *name)
{
    TMemoryStream s(WidgetPictureBytes(name));
    picture->LoadFromStream(&s);
}

// Column x of the striped picture the controls are tested over.
inline TColor Stripe(int x)
{
    return (x / 2) % 2 ? RGB(200, 40, 40) : RGB(40, 40, 200);
}

// A panel without bevel at `bounds` of `parent`, covered by a picture of vertical stripes (a
// windowless image): what transparent controls placed on it show of their parent.
inline TPanel *StripedPanel(TWinControl *parent, TComponent *owner, const TRect &bounds)
{
    auto *panel = new TPanel(owner);
    panel->SetParent(parent);
    panel->SetBoundsRect(bounds);
    panel->SetBevelOuter(bvNone);
    auto *image = new TImage(owner);
    image->SetParent(panel);
    image->SetBounds(0, 0, bounds.Width(), bounds.Height());
    TBitmap *b = image->Picture()->Bitmap();
    b->SetSize(bounds.Width(), bounds.Height());
    for (int x = 0; x < bounds.Width(); ++x)
        b->Canvas()->FillRect(TRect(x, 0, x + 1, bounds.Height()), Stripe(x));
    return panel;
}

// The image in a file format ("png", "bmp", "jpeg", "tiff").
inline QByteArray Encoded(const QImage &img, const char *format, bool progressive = false)
{
    QByteArray bytes;
    QBuffer buf(&bytes);
    buf.open(QIODevice::WriteOnly);
    QImageWriter w(&buf, format);
    w.setProgressiveScanWrite(progressive);
    EXPECT_TRUE(w.write(img)) << format;
    return bytes;
}

inline QImage Solid(int w, int h, QColor c)
{
    QImage img(w, h, QImage::Format_RGB32);
    img.fill(c);
    return img;
}

}  // namespace graphicstest
