#include "widgets/graphics/AdvOfficeImage.h"

#include "platform/runtime/ClassBuilder.h"
#include "platform/ui/Canvas.h"
#include "widgets/graphics/VersionNumber.h"

T_IMPLEMENT_CLASS(TAdvOfficeImage)
{
    using C = TAdvOfficeImage;
    b.Object("Picture", &C::Picture, &C::SetPicture);
    b.Bool("Center", &C::Center, &C::SetCenter).Default(true);
    b.Bool("Stretch", &C::Stretch, &C::SetStretch).Default(false);
    b.Object("OfficeHint", &C::OfficeHint, &C::SetOfficeHint);
    b.Str("Version", &C::Version, &C::SetVersion);
    b.Bool("ShowHint", &C::ShowHint, &C::SetShowHint).Default(false);
}

TAdvOfficeImage::TAdvOfficeImage(TComponent *AOwner)
    : TGraphicControl(AOwner), FIPicture(std::make_unique<TGDIPPicture>()),
      FOfficeHint(std::make_unique<TAdvHintInfo>())
{
    FIPicture->OnChange = [this](TObject *) { Invalidate(); };
    FControlStyle = {csClickEvents, csDoubleClicks, csCaptureMouse};
    SetShowHint(false);
    SetBounds(Left(), Top(), 128, 128);
}

TAdvOfficeImage::~TAdvOfficeImage() = default;

void TAdvOfficeImage::SetPicture(TGDIPPicture *value)
{
    if (value != FIPicture.get())
        FIPicture->Assign(value);
    Invalidate();
}

void TAdvOfficeImage::SetCenter(bool value)
{
    if (FCenter == value)
        return;
    FCenter = value;
    Invalidate();
}

void TAdvOfficeImage::SetStretch(bool value)
{
    if (FStretch == value)
        return;
    FStretch = value;
    Invalidate();
}

int TAdvOfficeImage::GetVersionNr() const
{
    return PackVersionNumber(1, 1, 0, 0);
}

QString TAdvOfficeImage::Version() const
{
    return VersionNumberText(GetVersionNr());
}

void TAdvOfficeImage::Paint()
{
    TGraphicControl::Paint();
    DrawPicture(Canvas());
}

void TAdvOfficeImage::DrawPicture(TCanvas *canvas)
{
    if (!FIPicture->Empty()) {
        FIPicture->GetImageSizes();
        const int w = FIPicture->Width(), h = FIPicture->Height();
        if (FStretch) {
            canvas->StretchDraw(ClientRect(), FIPicture.get());
            return;
        }
        // Integer halving truncates toward zero, also for a picture larger than the control.
        const int x = FCenter ? (Width() - w) / 2 : 0;
        const int y = FCenter ? (Height() - h) / 2 : 0;
        canvas->StretchDraw(TRect(x, y, x + w, y + h), FIPicture.get());
        return;
    }
    if (Designing()) {
        canvas->Pen()->SetStyle(psDot);
        canvas->Pen()->SetColor(0xFF0000);
        canvas->Brush()->SetStyle(bsClear);
        canvas->Rectangle(ClientRect());
    }
}

void TAdvOfficeImage::MouseEnter()
{
    if (Designing())
        return;
    FMouseInControl = true;
    TGraphicControl::MouseEnter();
}

void TAdvOfficeImage::MouseLeave()
{
    if (Designing())
        return;
    FMouseInControl = false;
    TGraphicControl::MouseLeave();
}
