#include "widgets/graphics/TrackBarTick.h"

#include "platform/runtime/ClassBuilder.h"

T_IMPLEMENT_CLASS(TTrackBarTick)
{
    using T = TTrackBarTick;
    b.Color("Color", &T::Color, &T::SetColor).Default(clBlack).Idents(ColorIdents());
    b.Color("ColorDisabled", &T::ColorDisabled, &T::SetColorDisabled).Default(clBlack).Idents(ColorIdents());
    b.Enum("Position", &T::Position, &T::SetPosition, TickMarkNames).Default(tmBottomRight);
    b.Enum("Style", &T::Style, &T::SetStyle, TickStyleNames).Default(tsAuto);
    b.Int("Size", &T::Size, &T::SetSize).Default(4);
    b.Int("Spacing", &T::Spacing, &T::SetSpacing).Default(8);
    b.Bool("ShowText", &T::ShowText, &T::SetShowText).Default(false);
    b.Object("Font", &T::Font, &T::SetFont);
    b.Bool("RotateFontVert", &T::RotateFontVert, &T::SetRotateFontVert).Default(true);
    b.Bool("Line3D", &T::Line3D, &T::SetLine3D).Default(false);
    b.Bool("ShowImageAtThumbOnly", &T::ShowImageAtThumbOnly, &T::SetShowImageAtThumbOnly).Default(false);
    b.Int("ShowImageAtSteps", &T::ShowImageAtSteps, &T::SetShowImageAtSteps).Default(1);
    b.Object("Picture", &T::Picture, &T::SetPicture);
    b.Object("PictureDisabled", &T::PictureDisabled, &T::SetPictureDisabled);
}

TTrackBarTick::TTrackBarTick() : FFont(std::make_unique<TFont>())
{
    const auto changed = [this] { Changed(); };
    FIPicture = MakePicture(changed);
    FIPictureDisabled = MakePicture(changed);
    FFont->SetName(QStringLiteral("Tahoma"));
    FFont->OnChange = [this](TObject *) { Changed(); };
}

TTrackBarTick::~TTrackBarTick() = default;

void TTrackBarTick::SetFont(TFont *v)
{
    if (v != FFont.get())
        FFont->Assign(v);
}

void TTrackBarTick::Assign(TPersistent *Source)
{
    auto *src = dynamic_cast<TTrackBarTick *>(Source);
    if (!src) {
        inherited::Assign(Source);
        return;
    }
    SetColor(src->FColor);
    SetColorDisabled(src->FColorDisabled);
    SetSize(src->FSize);
    SetPosition(src->FPosition);
    SetStyle(src->FStyle);
    SetPicture(src->Picture());
    SetPictureDisabled(src->PictureDisabled());
    SetFont(src->Font());
    SetShowText(src->FShowText);
    SetLine3D(src->FLine3D);
    FShowImageAtThumbOnly = src->FShowImageAtThumbOnly;
    FShowImageAtSteps = src->FShowImageAtSteps;
    SetSpacing(src->FSpacing);
    SetRotateFontVert(src->FRotateFontVert);
    Changed();
}
