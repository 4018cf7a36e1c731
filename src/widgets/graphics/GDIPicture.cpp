#include "widgets/graphics/GDIPicture.h"

#include "platform/ui/Canvas.h"
#include "platform/runtime/ClassBuilder.h"
#include "platform/ui/Picture.h"

T_IMPLEMENT_CLASS(TGDIPPicture) {}

namespace {
const bool registered =
    (RegisterGraphicClass("TGDIPPicture",
                          []() -> std::unique_ptr<TGraphic> { return std::make_unique<TGDIPPicture>(); }),
     true);
}  // namespace

TGDIPPicture::TGDIPPicture() = default;

void TGDIPPicture::ReadData(TStream *stream)
{
    TGDIPPictureBase::ReadData(stream);
}

void TGDIPPicture::DrawImage(TGPGraphics *graphics, int x, int y)
{
    TOpened opened = OpenImage();
    if (graphics && opened.Image)
        graphics->DrawImage(opened.Image.get(), x, y);
}

void TGDIPPicture::DrawImageRect(TGPGraphics *graphics, int x, int y, int width, int height)
{
    TOpened opened = OpenImage();
    if (graphics && opened.Image)
        graphics->DrawImage(opened.Image.get(), static_cast<REAL>(x), static_cast<REAL>(y), static_cast<REAL>(width),
                            static_cast<REAL>(height));
}

void TGDIPPicture::DrawBitmapFile(TCanvas *canvas, const TRect &r, TGraphic *bitmap)
{
    canvas->StretchDraw(r, bitmap);
}
