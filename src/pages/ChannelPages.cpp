#include "pages/ChannelPages.h"

void ChannelPages::MarkCurveChanged(int channel)
{
    if (!IsChannel(channel))
        return;
    const int bit = 1 << channel;
    for (int k = 0; k < SideChannelCount(channel); ++k)
        OverlayDirtyMasks[static_cast<std::size_t>(SideChannel(channel, k))] |= bit;
    GainPageDirtyMasks[IsInput(channel) ? 0 : 1] |= bit;
}

void ChannelPages::CopyClick(TObject *)
{
    pageHost_.ShowCopyDialog();
}
