#pragma once
// Helpers of the skinned control tests (which share the standard controls' offscreen, 96 DPI
// application): pixels of rendered images and the committed button pictures.

#include "platform/ui/Bitmap.h"
#include "platform/runtime/Colors.h"

#include "platform/ui/StdTestApp.h"

#include <QImage>

#include <gtest/gtest.h>

#include <cstdlib>
#include <memory>

namespace skinnedtest {

inline TColor At(const QImage &image, int x, int y)
{
    return PixelToColor(image.pixel(x, y));
}

inline TColor At(TBitmap &bitmap, int x, int y)
{
    return At(bitmap.Image(), x, y);
}

// A picture file of resources/images/widgets (button_teal_up.bmp ...), and the picture in it.
inline QString WidgetPicturePath(const char *name)
{
    const char *root = std::getenv("TROV_SOURCE_DIR");
    return QString::fromUtf8(root ? root : TROV_TEST_SOURCE_ROOT) + "/resources/images/widgets/" + name;
}

inline std::unique_ptr<TBitmap> WidgetPicture(const char *name)
{
    auto bitmap = std::make_unique<TBitmap>();
    bitmap->LoadFromFile(WidgetPicturePath(name));
    return bitmap;
}

// A control that counts its paints (a paint test asks the framework to paint what is invalid, then
// compares the counts).
template <class Control>
class PaintCounting : public Control {
public:
    using Control::Control;
    int Paints = 0;

protected:
    void Paint() override
    {
        ++Paints;
        Control::Paint();
    }
};

// A bitmap of one colour.
inline std::unique_ptr<TBitmap> Filled(int w, int h, TColor color)
{
    auto bitmap = std::make_unique<TBitmap>(w, h);
    bitmap->Canvas()->FillRect(TRect(0, 0, w, h), color);
    return bitmap;
}

}  // namespace skinnedtest
