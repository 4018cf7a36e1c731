#include "widgets/graphics/TrackBarSlider.h"

#include "platform/runtime/ClassBuilder.h"

T_IMPLEMENT_CLASS(TTrackBarSlider)
{
    using T = TTrackBarSlider;
    const TColorProperty<T> colors[] = {
        {"Color", &T::Color, &T::SetColor, clWhite},
        {"ColorTo", &T::ColorTo, &T::SetColorTo, clBlack},
        {"BorderColor", &T::BorderColor, &T::SetBorderColor, 12752500},
        {"ColorDisabled", &T::ColorDisabled, &T::SetColorDisabled, clBlack},
        {"ColorDisabledTo", &T::ColorDisabledTo, &T::SetColorDisabledTo, clBlack},
        {"BorderColorDisabled", &T::BorderColorDisabled, &T::SetBorderColorDisabled, clBlack},
        {"ColorCompleted", &T::ColorCompleted, &T::SetColorCompleted, clNone},
        {"ColorCompletedTo", &T::ColorCompletedTo, &T::SetColorCompletedTo, clNone},
        {"ColorCompletedDisabled", &T::ColorCompletedDisabled, &T::SetColorCompletedDisabled, clNone},
        {"ColorCompletedDisabledTo", &T::ColorCompletedDisabledTo, &T::SetColorCompletedDisabledTo, clNone},
    };
    DescribeColors(b, colors);
    b.Enum("Direction", &T::Direction, &T::SetDirection, trackbar::GradientDirectionNames)
        .Default(trackbar::gdHorizontal);
    b.Object("Picture", &T::Picture, &T::SetPicture);
    b.Object("PictureDisabled", &T::PictureDisabled, &T::SetPictureDisabled);
    b.Object("PictureCompleted", &T::PictureCompleted, &T::SetPictureCompleted);
    b.Object("PictureCompletedDisabled", &T::PictureCompletedDisabled, &T::SetPictureCompletedDisabled);
    b.Bool("PictureStretched", &T::PictureStretched, &T::SetPictureStretched).Default(false);
    b.Int("Size", &T::Size, &T::SetSize).Default(2);
    b.Bool("Border3D", &T::Border3D, &T::SetBorder3D).Default(true);
    b.Bool("Rounded", &T::Rounded, &T::SetRounded).Default(false);
    b.Bool("Visible", &T::Visible, &T::SetVisible).Default(true);
    b.Int("Offset", &T::Offset, &T::SetOffset).Default(10);
}

TTrackBarSlider::TTrackBarSlider()
{
    const auto changed = [this] { PictureChanged(); };
    FIPicture = MakePicture(changed);
    FIPictureDisabled = MakePicture(changed);
    FPictureCompletedDisabled = MakePicture(changed);
    FPictureCompleted = MakePicture(changed);
}

TTrackBarSlider::~TTrackBarSlider() = default;

void TTrackBarSlider::PictureChanged()
{
    int width = 0, height = 0;
    if (PictureSize(FIPicture.get(), width, height)) {
        FSize = Vertical() ? width : height;
        SetBorderColor(clNone);
    }
    Changed();
}

void TTrackBarSlider::Assign(TPersistent *Source)
{
    auto *src = dynamic_cast<TTrackBarSlider *>(Source);
    if (!src) {
        inherited::Assign(Source);
        return;
    }
    FColor = src->FColor;
    FColorTo = src->FColorTo;
    FBorderColor = src->FBorderColor;
    FColorDisabled = src->FColorDisabled;
    FColorDisabledTo = src->FColorDisabledTo;
    FBorderColorDisabled = src->FBorderColorDisabled;
    FColorCompleted = src->FColorCompleted;
    FColorCompletedTo = src->FColorCompletedTo;
    FColorCompletedDisabled = src->FColorCompletedDisabled;
    FColorCompletedDisabledTo = src->FColorCompletedDisabledTo;
    FDirection = src->FDirection;
    FSize = src->FSize;
    FRounded = src->FRounded;
    SetBorder3D(src->FBorder3D);
    SetVisible(src->FVisible);
    SetPicture(src->Picture());
    SetPictureDisabled(src->PictureDisabled());
    SetPictureCompleted(src->PictureCompleted());
    SetPictureCompletedDisabled(src->PictureCompletedDisabled());
    FPictureStretched = src->FPictureStretched;
    SetOffset(src->FOffset);
    // The pictures may have reset the border: the copy takes the source's as it stands.
    FBorderColor = src->FBorderColor;
    FSize = src->FSize;
    Changed();
}
