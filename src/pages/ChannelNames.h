#pragma once
// Channel names and the clickable overview labels of the Matrix page, and the EQ-reset button of
// each channel page.
//
// A channel's name is 8 bytes of device text (GBK) in the model, padded with zero bytes; it is
// shown up to its first zero byte, at most 8 bytes, on the channel's name label (lbMatrixChName +
// suffix) and as the hint of its page button (rzbMenu + suffix). A click on a name label opens the
// one-channel name dialog, whose OK comes back through SetChannelName; a click on an EQ-reset
// button (vrbEqReset + suffix) opens the PEQ-reset confirmation. Neither click sends anything.

#include "pages/PageHost.h"
#include "platform/runtime/Events.h"

#include <QString>

#include <cstdint>
#include <string_view>

// The window text of device text: the bytes up to the first zero byte, at most `limit` of them,
// decoded from GBK.
QString DeviceTextToWindow(std::string_view bytes, std::size_t limit);

class ChannelNames {
public:
    explicit ChannelNames(PageHost &host) : host_(host) {}

    // The channel's 8 name bytes in the model; null for a number outside 0 to 5.
    const std::uint8_t *GetChannelName(int channel) const;
    // Shows the name (its first 8 bytes, up to a zero byte) on the channel's name label and as its
    // page button's hint, then stores the 8 bytes for that channel only and sends the name
    // (keep-duplicates 1). Nothing at all when the label or the button is missing.
    void SetChannelName(int channel, std::string_view name);

    // OnClick of the six name labels: the name dialog for the label's channel with its text.
    void lbMatrixChNameInAClick(TObject *Sender);
    // OnMouseMove and OnMouseLeave of the clickable overview labels: the hand cursor over them.
    void lbMatrixChNameInAMouseMove(TObject *Sender, TShiftState Shift, int X, int Y);
    void lbMatrixChNameInAMouseLeave(TObject *Sender);
    // OnClick of the six EQ-reset buttons: the PEQ-reset box for the button's channel.
    void vrbEqResetInAClick(TObject *Sender);

private:
    PageHost &host_;
};
