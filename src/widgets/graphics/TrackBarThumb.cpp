#include "widgets/graphics/TrackBarThumb.h"

#include "platform/runtime/ClassBuilder.h"
#include "widgets/graphics/AdvTrackBar.h"

T_IMPLEMENT_CLASS(TTrackBarThumb)
{
    using T = TTrackBarThumb;
    const TColorProperty<T> colors[] = {
        {"Color", &T::Color, &T::SetColor, 15653832},
        {"ColorTo", &T::ColorTo, &T::SetColorTo, 16178633},
        {"ColorMirror", &T::ColorMirror, &T::SetColorMirror, 15586496},
        {"ColorMirrorTo", &T::ColorMirrorTo, &T::SetColorMirrorTo, 16245200},
        {"BorderColor", &T::BorderColor, &T::SetBorderColor, 10317632},
        {"ColorHot", &T::ColorHot, &T::SetColorHot, 15465983},
        {"ColorHotTo", &T::ColorHotTo, &T::SetColorHotTo, 11332863},
        {"BorderColorHot", &T::BorderColorHot, &T::SetBorderColorHot, 10079963},
        {"ColorMirrorHot", &T::ColorMirrorHot, &T::SetColorMirrorHot, 5888767},
        {"ColorMirrorHotTo", &T::ColorMirrorHotTo, &T::SetColorMirrorHotTo, 10807807},
        {"ColorDown", &T::ColorDown, &T::SetColorDown, 7778289},
        {"ColorDownTo", &T::ColorDownTo, &T::SetColorDownTo, 4296947},
        {"BorderColorDown", &T::BorderColorDown, &T::SetBorderColorDown, 4548219},
        {"ColorMirrorDown", &T::ColorMirrorDown, &T::SetColorMirrorDown, 946929},
        {"ColorMirrorDownTo", &T::ColorMirrorDownTo, &T::SetColorMirrorDownTo, 5021693},
        {"ColorDisabled", &T::ColorDisabled, &T::SetColorDisabled, clBlack},
        {"ColorDisabledTo", &T::ColorDisabledTo, &T::SetColorDisabledTo, clBlack},
        {"BorderColorDisabled", &T::BorderColorDisabled, &T::SetBorderColorDisabled, clBlack},
        {"ColorMirrorDisabled", &T::ColorMirrorDisabled, &T::SetColorMirrorDisabled, clBlack},
        {"ColorMirrorDisabledTo", &T::ColorMirrorDisabledTo, &T::SetColorMirrorDisabledTo, clBlack},
    };
    DescribeColors(b, colors);
    b.Enum("Gradient", &T::Gradient, &T::SetGradient, GDIPGradientNames).Default(ggVertical);
    b.Enum("GradientMirror", &T::GradientMirror, &T::SetGradientMirror, GDIPGradientNames).Default(ggRadial);
    b.Object("Picture", &T::Picture, &T::SetPicture);
    b.Object("PictureHot", &T::PictureHot, &T::SetPictureHot);
    b.Object("PictureDown", &T::PictureDown, &T::SetPictureDown);
    b.Object("PictureDisabled", &T::PictureDisabled, &T::SetPictureDisabled);
    b.Enum("Shape", &T::Shape, &T::SetShape, ThumbShapeNames).Default(tsPointer);
    b.Int("Size", &T::Size, &T::SetSize).Default(15);
    b.Int("Width", &T::Width, &T::SetWidth).Default(10);
    b.Bool("ShowAtMinMax", &T::ShowAtMinMax, &T::SetShowAtMinMax).Default(true);
    b.Enum("ThumbPointer", &T::ThumbPointer, &T::SetThumbPointer, ThumbPointerNames).Default(tpCenter);
}

TTrackBarThumb::TTrackBarThumb()
{
    const auto changed = [this] { UpdateSize(); };
    FIPicture = MakePicture(changed);
    FIPictureDisabled = MakePicture(changed);
    FIPictureDown = MakePicture(changed);
    FIPictureHot = MakePicture(changed);
}

TTrackBarThumb::~TTrackBarThumb() = default;

void TTrackBarThumb::UpdateSize()
{
    int width = 0, height = 0;
    if (!FAdvTrackBar || !PictureSize(FIPicture.get(), width, height))
        return;
    if (Vertical()) {
        FWidth = height;
        FSize = width;
    } else {
        FSize = height;
        FWidth = width;
    }
    Changed();
}

void TTrackBarThumb::SetSize(int v)
{
    if (FIPicture->Empty())
        Set(FSize, v);
}

void TTrackBarThumb::SetWidth(int v)
{
    if (FIPicture->Empty())
        Set(FWidth, v);
}

void TTrackBarThumb::SetThumbPointer(TThumbPointer v)
{
    if (FAdvTrackBar && FAdvTrackBar->AllowThumbPointer(this, v))
        Set(FThumbPointer, v);
}

void TTrackBarThumb::Assign(TPersistent *Source)
{
    auto *src = dynamic_cast<TTrackBarThumb *>(Source);
    if (!src)
        return;
    FColor = src->FColor;
    FColorTo = src->FColorTo;
    FColorMirror = src->FColorMirror;
    FColorMirrorTo = src->FColorMirrorTo;
    FBorderColor = src->FBorderColor;
    FColorHot = src->FColorHot;
    FColorHotTo = src->FColorHotTo;
    FBorderColorHot = src->FBorderColorHot;
    FColorMirrorHot = src->FColorMirrorHot;
    FColorMirrorHotTo = src->FColorMirrorHotTo;
    FColorDown = src->FColorDown;
    FColorDownTo = src->FColorDownTo;
    FBorderColorDown = src->FBorderColorDown;
    FColorMirrorDown = src->FColorMirrorDown;
    FColorMirrorDownTo = src->FColorMirrorDownTo;
    FColorDisabled = src->FColorDisabled;
    FColorDisabledTo = src->FColorDisabledTo;
    FBorderColorDisabled = src->FBorderColorDisabled;
    FColorMirrorDisabled = src->FColorMirrorDisabled;
    FColorMirrorDisabledTo = src->FColorMirrorDisabledTo;
    FGradient = src->FGradient;
    FGradientMirror = src->FGradientMirror;
    FSteps = src->FSteps;
    SetPicture(src->Picture());
    SetPictureHot(src->PictureHot());
    SetPictureDown(src->PictureDown());
    SetPictureDisabled(src->PictureDisabled());
    // Width and Size are copied as they stand: they match the copied picture when there is one.
    FWidth = src->FWidth;
    SetShape(src->FShape);
    SetStyle(src->FStyle);
    FSize = src->FSize;
    SetThumbPointer(src->FThumbPointer);
    SetShowAtMinMax(src->FShowAtMinMax);
    Changed();
}
