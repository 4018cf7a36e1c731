#pragma once
// One QApplication (offscreen, 96 DPI) for the skinned control tests, and small helpers to read
// pixels of rendered images and to load the committed button pictures.

#include "platform/ui/Bitmap.h"
#include "platform/ui/Colors.h"

#include <QApplication>
#include <QImage>

#include <gtest/gtest.h>

#include <cstdlib>
#include <memory>

namespace skinnedtest {

class QtEnvironment : public ::testing::Environment {
public:
    void SetUp() override
    {
        if (!qApp) {
            qputenv("QT_QPA_PLATFORM", "offscreen");
            qputenv("QT_FONT_DPI", "96");
            static int argc = 1;
            static char name[] = "skinned_tests";
            static char *argv[] = {name, nullptr};
            new QApplication(argc, argv);
        }
    }
};

inline ::testing::Environment *const kQtEnvironment = ::testing::AddGlobalTestEnvironment(new QtEnvironment);

inline TColor At(const QImage &image, int x, int y)
{
    return PixelToColor(image.pixel(x, y));
}

inline TColor At(TBitmap &bitmap, int x, int y)
{
    return At(bitmap.Image(), x, y);
}

// A picture of resources/images/widgets (button_teal_up.bmp ...).
inline std::unique_ptr<TBitmap> WidgetPicture(const char *name)
{
    const char *root = std::getenv("TROV_SOURCE_DIR");
    auto bitmap = std::make_unique<TBitmap>();
    bitmap->LoadFromFile(QString::fromUtf8(root ? root : ".") + "/resources/images/widgets/" + name);
    return bitmap;
}

// A bitmap of one colour.
inline std::unique_ptr<TBitmap> Filled(int w, int h, TColor color)
{
    auto bitmap = std::make_unique<TBitmap>(w, h);
    bitmap->Canvas()->FillRect(TRect(0, 0, w, h), color);
    return bitmap;
}

}  // namespace skinnedtest
