#include "pages/LinkGroups.h"

#include "device/LUnitControl.h"
#include "widgets/skinned/RzBmpBtn.h"

int LinkGroups::SideChannelCount(int channel)
{
    return IsInput(channel) ? InputCount : IsOutput(channel) ? OutputCount : 0;
}

int LinkGroups::SideChannel(int channel, int k)
{
    return (IsInput(channel) ? ChInA : ChOut1) + k;
}

int LinkGroups::OwnBit(int channel)
{
    return 1 << SideIndex(channel);
}

int LinkGroups::GetLinkGroupMask(int channel) const
{
    return GroupMask(host_.UnitControl(), channel);
}

int LinkGroups::GroupMask(const LUnitControl &model, int channel)
{
    if (!IsChannel(channel))
        return 0;
    const int sideBits = (1 << SideChannelCount(channel)) - 1;
    const int own = OwnBit(channel);
    const int mask = model.GetLinkMask(channel) & sideBits;
    if ((mask & own) != 0)
        return mask;
    for (int k = 0; k < SideIndex(channel); ++k) {
        const int head = model.GetLinkMask(SideChannel(channel, k)) & sideBits;
        if ((head & own) != 0)
            return head;
    }
    return own;
}

void LinkGroups::SetChannelLink(int channel, int mask)
{
    host_.UnitControl().SetLinkMask(channel, static_cast<std::uint16_t>(mask));
}

void LinkGroups::SetChannelButtonCaption(int head, int channel)
{
    SetChannelButtonCaption(host_.PageForm(), head, channel);
}

void LinkGroups::SetChannelButtonCaption(TComponent &form, int head, int channel)
{
    if (!IsChannel(head) || !IsChannel(channel) || IsInput(head) != IsInput(channel))
        return;
    auto *button = dynamic_cast<TRzBmpButton *>(form.FindComponent(ChannelControlName("rzbMenu", channel)));
    if (!button)
        return;
    if (head == channel)
        button->SetCaption(ChannelSuffix(channel));
    else
        button->SetCaption(QString(ChannelCharacter(channel)) + u'=' + ChannelCharacter(head));
}
