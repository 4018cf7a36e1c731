#include "widgets/graphics/TrackBarAppearance.h"

#include "platform/runtime/ClassBuilder.h"
#include "widgets/graphics/AdvTrackBar.h"

T_IMPLEMENT_CLASS(TTrackBarAppearance)
{
    b.Event("OnChange", &TTrackBarAppearance::OnChange);
}

TPersistent *TTrackBarAppearance::GetOwner()
{
    return FAdvTrackBar;
}

bool TTrackBarAppearance::PictureSize(TGDIPPicture *picture, int &width, int &height)
{
    if (!picture || picture->Empty() || !picture->GetImageSizes())
        return false;
    width = picture->Width();
    height = picture->Height();
    return true;
}

bool TTrackBarAppearance::Vertical() const
{
    return FAdvTrackBar && FAdvTrackBar->Orientation() == trVertical;
}
