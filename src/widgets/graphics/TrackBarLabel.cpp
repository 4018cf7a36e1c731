#include "widgets/graphics/TrackBarLabel.h"

#include "platform/runtime/ClassBuilder.h"

T_IMPLEMENT_CLASS(TTrackBarLabel)
{
    using T = TTrackBarLabel;
    b.Bool("Visible", &T::Visible, &T::SetVisible).Default(false);
    b.Str("Format", &T::Format, &T::SetFormat).Default("Pos: %d");
    b.Enum("Position", &T::Position, &T::SetPosition, LabelPositionNames).Default(lpTopCenter);
    b.Object("Font", &T::Font, &T::SetFont);
    b.Int("Spacing", &T::Spacing, &T::SetSpacing).Default(4);
}

TTrackBarLabel::TTrackBarLabel() : FFont(std::make_unique<TFont>())
{
    FFont->SetName(QStringLiteral("Tahoma"));
    FFont->OnChange = [this](TObject *) { Changed(); };
}

TTrackBarLabel::~TTrackBarLabel() = default;

void TTrackBarLabel::SetFont(TFont *v)
{
    if (v != FFont.get())
        FFont->Assign(v);
}

void TTrackBarLabel::Assign(TPersistent *Source)
{
    auto *src = dynamic_cast<TTrackBarLabel *>(Source);
    if (!src) {
        inherited::Assign(Source);
        return;
    }
    FVisible = src->FVisible;
    SetFormat(src->FFormat);
    SetFont(src->Font());
    SetPosition(src->FPosition);
    SetSpacing(src->FSpacing);
    Changed();
}
