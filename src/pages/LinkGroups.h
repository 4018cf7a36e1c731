#pragma once
// Link groups: channels of one side edited together. The model keeps a link mask per channel
// (bit k names the k-th channel of the side: inputs In A, In B; outputs Out 1 to Out 4) and writes
// every setter's value into each channel its mask names. A group head is the lowest channel of its
// group, its mask holds its own bit and its members'; a member's mask is 0; a channel alone holds
// only its own bit.
//
// The group of a channel is its own mask when that holds its own bit, else the mask of the first
// channel of the side, from In A or Out 1 upward, that holds it. When no channel holds it (masks a
// processor reports may be inconsistent) the channel is alone. Mask bits beyond the side's
// channels are ignored everywhere.
//
// The mirror rule: after an edit every page shows the new value on the controls of every channel
// of the edited channel's group, in channel order, the edited channel included; a missing control
// ends the walk. Mirrors that move sliders do it with the controls-updating flag set, so that the
// sliders' own change handlers return at once; the flag is back as it was on every way out.

#include "pages/PageControls.h"
#include "pages/PageHost.h"

#include <optional>

class LinkGroups {
public:
    explicit LinkGroups(PageHost &host) : host_(host) {}

    // The link group mask of the channel (above); 0 for a number outside 0 to 5.
    int GetLinkGroupMask(int channel) const;
    // The same from a model: the session's channel copy takes its groups from here too.
    static int GroupMask(const LUnitControl &model, int channel);
    // Stores the mask for that channel only and sends the link command (keep-duplicates 1).
    void SetChannelLink(int channel, int mask);
    // The page button of `channel` shows its plain name when `head` is the channel itself, else the
    // member's character, "=" and the head's ("3=1"). Nothing for a missing button or channels of
    // different sides.
    void SetChannelButtonCaption(int head, int channel);
    // The same on a form's page buttons: the main window's dialog service comes here too.
    static void SetChannelButtonCaption(TComponent &form, int head, int channel);

    enum class Flag { Untouched, Set };
    // Calls show(k) for every channel k of the channel's group in channel order until one returns
    // false; with Flag::Set the controls-updating flag is set meanwhile.
    template <class Show>
    void MirrorToGroup(int channel, Flag flag, Show &&show)
    {
        std::optional<ControlsUpdateScope> updating;
        if (flag == Flag::Set)
            updating.emplace(host_);
        const int group = GetLinkGroupMask(channel);
        for (int k = 0; k < SideChannelCount(channel); ++k)
            if ((group >> k & 1) != 0 && !show(SideChannel(channel, k)))
                return;
    }

    // The number of channels on the channel's side (2 or 4; 0 for no channel), the channel of bit k
    // on that side, and the channel's own bit.
    static int SideChannelCount(int channel);
    static int SideChannel(int channel, int k);
    static int OwnBit(int channel);

private:
    PageHost &host_;
};
