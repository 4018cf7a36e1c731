#include "widgets/graphics/AdvHintInfo.h"

#include "platform/runtime/ClassBuilder.h"

T_IMPLEMENT_CLASS(TAdvHintInfo)
{
    using C = TAdvHintInfo;
    b.Str("Title", &C::Title, &C::SetTitle);
    b.Object("Notes", &C::Notes, &C::SetNotes);
    b.Object("Picture", &C::Picture, &C::SetPicture);
    b.Bool("ShowHelp", &C::ShowHelp, &C::SetShowHelp).Default(false);
}

TAdvHintInfo::TAdvHintInfo() : FPicture(std::make_unique<TGDIPPicture>()), FNotes(std::make_unique<TStringList>()) {}

TAdvHintInfo::~TAdvHintInfo() = default;

void TAdvHintInfo::SetPicture(TGDIPPicture *value)
{
    if (value != FPicture.get())
        FPicture->Assign(value);
}

void TAdvHintInfo::Assign(TPersistent *Source)
{
    auto *other = dynamic_cast<TAdvHintInfo *>(Source);
    if (!other)
        return;
    FTitle = other->FTitle;
    FNotes->Assign(other->FNotes.get());
    FShowHelp = other->FShowHelp;
    FPicture->Assign(other->FPicture.get());
    FWideTitle = other->FWideTitle;
    FWideNotes = other->FWideNotes;
}

bool TAdvHintInfo::IsEmpty() const
{
    return FTitle.isEmpty() && FNotes->Text().isEmpty();
}
