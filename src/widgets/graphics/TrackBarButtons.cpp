#include "widgets/graphics/TrackBarButtons.h"

#include "platform/runtime/ClassBuilder.h"

T_IMPLEMENT_CLASS(TTrackBarButtons)
{
    using T = TTrackBarButtons;
    b.Bool("Visible", &T::Visible, &T::SetVisible).Default(false);
    b.Enum("Shape", &T::Shape, &T::SetShape, TrackButtonShapeNames).Default(bsRound);
    b.Int("Size", &T::Size, &T::SetSize).Default(20);
    b.Int("Spacing", &T::Spacing, &T::SetSpacing).Default(2);
    b.Int("Step", &T::Step, &T::SetStep).Default(1);
    b.Bool("RepeatClick", &T::RepeatClick, &T::SetRepeatClick).Default(true);
    b.Int("InitRepeatPause", &T::InitRepeatPause, &T::SetInitRepeatPause).Default(400);
    b.Int("RepeatPause", &T::RepeatPause, &T::SetRepeatPause).Default(100);
    b.Bool("RotateText", &T::RotateText, &T::SetRotateText).Default(true);
    const TColorProperty<T> colors[] = {
        {"Color", &T::Color, &T::SetColor, 15653832},
        {"ColorTo", &T::ColorTo, &T::SetColorTo, 16178633},
        {"BorderColor", &T::BorderColor, &T::SetBorderColor, 9262895},
        {"ColorHot", &T::ColorHot, &T::SetColorHot, 15465983},
        {"ColorHotTo", &T::ColorHotTo, &T::SetColorHotTo, 11332863},
        {"BorderColorHot", &T::BorderColorHot, &T::SetBorderColorHot, 10079963},
        {"ColorDown", &T::ColorDown, &T::SetColorDown, 7778289},
        {"ColorDownTo", &T::ColorDownTo, &T::SetColorDownTo, 4296947},
        {"BorderColorDown", &T::BorderColorDown, &T::SetBorderColorDown, 4548219},
        // Stream defaults other than the initial values 15586496 and 16245200.
        {"ColorMirror", &T::ColorMirror, &T::SetColorMirror, 12632256},
        {"ColorMirrorTo", &T::ColorMirrorTo, &T::SetColorMirrorTo, 16777215},
        {"ColorMirrorHot", &T::ColorMirrorHot, &T::SetColorMirrorHot, 5888767},
        {"ColorMirrorHotTo", &T::ColorMirrorHotTo, &T::SetColorMirrorHotTo, 10807807},
        {"ColorMirrorDown", &T::ColorMirrorDown, &T::SetColorMirrorDown, 946929},
        {"ColorMirrorDownTo", &T::ColorMirrorDownTo, &T::SetColorMirrorDownTo, 5021693},
    };
    DescribeColors(b, colors);
    b.Enum("Gradient", &T::Gradient, &T::SetGradient, GDIPGradientNames).Default(ggVertical);
    b.Enum("GradientMirror", &T::GradientMirror, &T::SetGradientMirror, GDIPGradientNames).Default(ggVertical);
    b.Object("MinPicture", &T::MinPicture, &T::SetMinPicture);
    b.Object("MaxPicture", &T::MaxPicture, &T::SetMaxPicture);
    b.Object("MinPictureHot", &T::MinPictureHot, &T::SetMinPictureHot);
    b.Object("MinPictureDown", &T::MinPictureDown, &T::SetMinPictureDown);
    b.Object("MaxPictureHot", &T::MaxPictureHot, &T::SetMaxPictureHot);
    b.Object("MaxPictureDown", &T::MaxPictureDown, &T::SetMaxPictureDown);
}

TTrackBarButtons::TTrackBarButtons()
{
    const auto sized = [this] { UpdateSize(); };
    const auto quiet = [] {};
    FIMaxPictureHot = MakePicture(quiet);
    FIMaxPictureDown = MakePicture(quiet);
    FIMinPicture = MakePicture(sized);
    FIMaxPicture = MakePicture(sized);
    FIMinPictureHot = MakePicture(quiet);
    FIMinPictureDown = MakePicture(quiet);
}

TTrackBarButtons::~TTrackBarButtons() = default;

void TTrackBarButtons::SetSize(int v)
{
    if (FIMinPicture->Empty() && FIMaxPicture->Empty())
        Set(FSize, v);
}

void TTrackBarButtons::UpdateSize()
{
    if (!FAdvTrackBar)
        return;
    int width = 0, height = 0;
    if (PictureSize(FIMinPicture.get(), width, height) || PictureSize(FIMaxPicture.get(), width, height))
        FSize = Vertical() ? height : width;
    Changed();
}

void TTrackBarButtons::Assign(TPersistent *Source)
{
    auto *src = dynamic_cast<TTrackBarButtons *>(Source);
    if (!src) {
        inherited::Assign(Source);
        return;
    }
    SetColor(src->FColor);
    SetColorTo(src->FColorTo);
    SetBorderColor(src->FBorderColor);
    SetColorHot(src->FColorHot);
    SetColorHotTo(src->FColorHotTo);
    SetBorderColorHot(src->FBorderColorHot);
    SetColorDown(src->FColorDown);
    SetColorDownTo(src->FColorDownTo);
    SetBorderColorDown(src->FBorderColorDown);
    FColorMirror = src->FColorMirror;
    FColorMirrorTo = src->FColorMirrorTo;
    FColorMirrorHot = src->FColorMirrorHot;
    FColorMirrorHotTo = src->FColorMirrorHotTo;
    FColorMirrorDown = src->FColorMirrorDown;
    FColorMirrorDownTo = src->FColorMirrorDownTo;
    SetMinPicture(src->MinPicture());
    SetMaxPicture(src->MaxPicture());
    SetMinPictureHot(src->MinPictureHot());
    SetMinPictureDown(src->MinPictureDown());
    SetMaxPictureHot(src->MaxPictureHot());
    SetMaxPictureDown(src->MaxPictureDown());
    SetVisible(src->FVisible);
    // Size as it stands: it matches the copied pictures when there are any.
    FSize = src->FSize;
    SetShape(src->FShape);
    FCornerRadius = src->FCornerRadius;
    FRepeatClick = src->FRepeatClick;
    FRepeatPause = src->FRepeatPause;
    SetRotateText(src->FRotateText);
    FInitRepeatPause = src->FInitRepeatPause;
    SetSpacing(src->FSpacing);
    FStep = src->FStep;
    SetGradient(src->FGradient);
    SetGradientMirror(src->FGradientMirror);
    Changed();
}
