#include "pages/ChannelCopy.h"

#include "device/LCmd.h"
#include "device/LUnitControl.h"
#include "pages/LinkGroups.h"
#include "pages/ModelRefresh.h"
#include "pages/PageControls.h"
#include "widgets/skinned/RzBmpBtn.h"

void ChannelCopy::CopyChannel(int source, int destination, bool refresh)
{
    const int side = LinkGroups::SideChannelCount(source);
    if (source == destination || side == 0 || side != LinkGroups::SideChannelCount(destination))
        return;
    if (host_.IsConnected()) {
        if (refresh)
            host_.SetReloadSent();
        host_.SendCommand(CM_MCS_CMD(static_cast<std::uint8_t>(host_.GetDeviceId()), CMD_COPY_CHANNEL,
                                     static_cast<std::uint8_t>(source), static_cast<std::uint8_t>(destination)),
                          1, 1);
        return;
    }
    const int group = links_.GetLinkGroupMask(destination);
    for (int k = 0; k < side; ++k)
        if ((group >> k & 1) != 0)
            host_.UnitControl().CopyChannelSettings(source, LinkGroups::SideChannel(destination, k));
    if (refresh)
        refresh_.RefreshFromModel();
}

void ChannelCopy::ReloadAllParameters()
{
    if (!host_.IsConnected()) {
        refresh_.RefreshFromModel();
        return;
    }
    host_.StopLevelPoll();
    host_.SetReloadSent();
    host_.SendCommand(CM_MCS_CMD(static_cast<std::uint8_t>(host_.GetDeviceId()), CMD_POLL), 1, 1);
    if (auto *link = FindPageControl<TRzBmpButton>(host_, QStringLiteral("rzbMenuLink")); link && link->CanFocus())
        link->SetFocus();
}
