#include "platform/ui/Image.h"

#include "platform/ui/Bitmap.h"
#include "platform/runtime/ClassBuilder.h"

T_IMPLEMENT_CLASS(TImage)
{
    b.Bool("AutoSize", &TImage::AutoSize, &TImage::SetAutoSize).Default(false);
    b.Bool("Center", &TImage::Center, &TImage::SetCenter).Default(false);
    b.Object("Picture", &TImage::Picture, &TImage::SetPicture);
    b.Bool("Proportional", &TImage::Proportional, &TImage::SetProportional).Default(false);
    b.Bool("Stretch", &TImage::Stretch, &TImage::SetStretch).Default(false);
    b.Bool("Transparent", &TImage::Transparent, &TImage::SetTransparent).Default(false);
}

TImage::TImage(TComponent *AOwner) : TGraphicControl(AOwner), FPicture(std::make_unique<TPicture>())
{
    FControlStyle << csReplicatable;
    FPicture->OnChange = TNotifyEvent(this, &TImage::PictureChanged);
    SetBounds(0, 0, 105, 105);
}

TImage::~TImage() = default;

void TImage::PictureChanged(TObject *)
{
    if (FAutoSize && !FPicture->Empty())
        SetBounds(Left(), Top(), FPicture->Width(), FPicture->Height());
    if (TGraphic *g = FPicture->Graphic())
        g->SetTransparent(FTransparent);
    // An opaque picture covering the whole control hides the parent under it.
    const bool covers = !FTransparent && !FPicture->Empty() &&
                        (FStretch || (FPicture->Width() >= Width() && FPicture->Height() >= Height()));
    if (covers)
        FControlStyle << csOpaque;
    else
        FControlStyle >> csOpaque;
    Invalidate();
}

TRect TImage::DestRect() const
{
    int w = FPicture->Width();
    int h = FPicture->Height();
    const int cw = Width();
    const int ch = Height();
    if (FStretch || (FProportional && (w > cw || h > ch))) {
        if (FProportional && w > 0 && h > 0) {
            const double xyaspect = static_cast<double>(w) / h;
            if (w > h) {
                w = cw;
                h = static_cast<int>(cw / xyaspect);
                if (h > ch) {
                    h = ch;
                    w = static_cast<int>(ch * xyaspect);
                }
            } else {
                h = ch;
                w = static_cast<int>(ch * xyaspect);
                if (w > cw) {
                    w = cw;
                    h = static_cast<int>(cw / xyaspect);
                }
            }
        } else {
            w = cw;
            h = ch;
        }
    }
    TRect r(0, 0, w, h);
    if (FCenter)
        r.Offset((cw - w) / 2, (ch - h) / 2);
    return r;
}

void TImage::Paint()
{
    if (TGraphic *g = FPicture->Graphic(); g && !g->Empty())
        g->Draw(Canvas(), DestRect());
}

TCanvas *TImage::PictureCanvas()
{
    if (FPicture->Empty()) {
        TBitmap bitmap(Width(), Height());
        FPicture->SetGraphic(&bitmap);
    }
    return FPicture->Bitmap()->Canvas();
}

void TImage::SetStretch(bool value)
{
    FStretch = value;
    PictureChanged(nullptr);
}

void TImage::SetCenter(bool value)
{
    FCenter = value;
    Invalidate();
}

void TImage::SetProportional(bool value)
{
    FProportional = value;
    Invalidate();
}

void TImage::SetTransparent(bool value)
{
    FTransparent = value;
    PictureChanged(nullptr);
}

void TImage::SetAutoSize(bool value)
{
    FAutoSize = value;
    PictureChanged(nullptr);
}
