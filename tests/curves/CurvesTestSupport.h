#pragma once
// What the tests of the curve controls share: pixels of a rendered image as colours, the texts a
// plot drew, and rendering a control with an optional copy kept on disk.

#include <gtest/gtest.h>

#include <QDir>
#include <QImage>

#include <vector>

#include "curves/ResponsePlot.h"
#include "platform/ui/ControlsRender.h"

namespace curvestest {

// The pixel as a colour value 0x00BBGGRR.
inline TColor At(const QImage &image, int x, int y)
{
    const QRgb p = image.pixel(x, y);
    return RGB(qRed(p), qGreen(p), qBlue(p));
}

inline std::vector<QString> Texts(const std::vector<TDrawnText> &drawn)
{
    std::vector<QString> texts;
    for (const TDrawnText &d : drawn)
        texts.push_back(d.Text);
    return texts;
}

// The control as it appears. With TROV_SCREENSHOT_DIR set, every rendering is kept there as
// <test>-<n>.png, n counting the renderings of the running test.
inline QImage Render(TControl *control, int &renders)
{
    const QImage image = RenderControlImage(control);
    if (const QByteArray dir = qgetenv("TROV_SCREENSHOT_DIR"); !dir.isEmpty()) {
        const QString test = QString::fromLatin1(::testing::UnitTest::GetInstance()->current_test_info()->name());
        image.save(QDir(QString::fromLocal8Bit(dir)).filePath(test + "-" + QString::number(++renders) + ".png"));
    }
    return image;
}

}  // namespace curvestest
