#include "pages/ChannelNames.h"

#include "device/LUnitControl.h"
#include "pages/PageControls.h"
#include "platform/os/CodePage.h"
#include "platform/ui/Label.h"
#include "widgets/skinned/RzBmpBtn.h"
#include "widgets/skinned/VrDemoButton.h"

QString DeviceTextToWindow(std::string_view bytes, std::size_t limit)
{
    std::string_view text = bytes.substr(0, std::min(limit, bytes.size()));
    text = text.substr(0, text.find('\0'));
    return QString::fromStdU16String(os::AnsiToUnicode(text));
}

const std::uint8_t *ChannelNames::GetChannelName(int channel) const
{
    return host_.UnitControl().GetChannelRecord(channel);
}

void ChannelNames::SetChannelName(int channel, std::string_view name)
{
    const auto controls = FindChannelControls<TLabel, TRzBmpButton>(host_, channel, "lbMatrixChName", "rzbMenu");
    if (!controls)
        return;
    const auto [label, button] = *controls;
    const QString text = DeviceTextToWindow(name, ChannelNameSize);
    label->SetCaption(text);
    button->SetHint(text);
    host_.UnitControl().SetChannelName(channel, name.substr(0, std::min(name.size(), ChannelNameSize)));
}

void ChannelNames::lbMatrixChNameInAClick(TObject *Sender)
{
    auto *label = SenderAs<TLabel>(Sender);
    if (!label || TagChannel(*label) < 0)
        return;
    host_.ShowChannelNameDialog(TagChannel(*label), os::Utf8ToAnsi(label->Caption().toStdString()));
}

void ChannelNames::lbMatrixChNameInAMouseMove(TObject *Sender, TShiftState, int, int)
{
    if (auto *label = SenderAs<TLabel>(Sender))
        label->SetCursor(crHandPoint);
}

void ChannelNames::lbMatrixChNameInAMouseLeave(TObject *Sender)
{
    if (auto *label = SenderAs<TLabel>(Sender))
        label->SetCursor(crDefault);
}

void ChannelNames::vrbEqResetInAClick(TObject *Sender)
{
    if (auto *button = SenderAs<TVrDemoButton>(Sender); button && TagChannel(*button) >= 0)
        host_.ShowPeqResetBox(TagChannel(*button));
}
