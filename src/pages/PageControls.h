#pragma once
// The per-channel controls of the channel pages: their names, their lookup on the host's form, the
// channel in their Tag, and the guard that switches the host's controls-updating flag.
//
// Every per-channel control is named by a kind prefix followed by the channel suffix, "InA",
// "InB", "Out1" to "Out4" for channels 0 to 5 (isGain + Out3 = isGainOut3), and carries its
// channel in Tag. One handler serves a control family for all six channels: it takes the channel
// from the Sender's Tag, looks its sibling controls up by name (without regard to case) with a
// class check, and ends silently at the first that is missing or of another class. A Tag that
// names no channel finds nothing.

#include "device/GlobalConstants.h"
#include "pages/PageHost.h"
#include "platform/runtime/Classes.h"

#include <QChar>
#include <QString>

#include <optional>
#include <tuple>

class TCurvyEdit;

// ChannelSuffix (device/GlobalConstants.h): "InA", "InB", "Out1" to "Out4"; empty for a number outside 0 to 5.
// The prefix followed by the channel's suffix; empty for a number outside 0 to 5.
QString ChannelControlName(const char *prefix, int channel);
// The channel's character within its side ('A', 'B', '1' to '4'), as member captions show it
// ("3=1"); a blank for a number outside 0 to 5.
QChar ChannelCharacter(int channel);

// The channel a control's Tag names, or -1 when it names none.
int TagChannel(const TComponent &control);

// The Sender of an event as the class a handler expects, or null.
template <class T>
T *SenderAs(TObject *sender)
{
    return dynamic_cast<T *>(sender);
}

// The component of that name on the host's form when it is a T; null when it is missing or of
// another class.
template <class T>
T *FindPageControl(PageHost &host, const QString &name)
{
    return name.isEmpty() ? nullptr : dynamic_cast<T *>(host.PageForm().FindComponent(name));
}

// The channel's control of the family `prefix`; null when it is missing or of another class.
template <class T>
T *FindChannelControl(PageHost &host, const char *prefix, int channel)
{
    return FindPageControl<T>(host, ChannelControlName(prefix, channel));
}

// The channel's controls of several families at once (the classes in the order of the prefixes);
// none when any is missing or of another class.
template <class... T, class... Prefix>
std::optional<std::tuple<T *...>> FindChannelControls(PageHost &host, int channel, Prefix... prefixes)
{
    static_assert(sizeof...(T) == sizeof...(Prefix), "one class per prefix");
    std::tuple<T *...> found{FindChannelControl<T>(host, prefixes, channel)...};
    if (!std::apply([](auto *...control) { return ((control != nullptr) && ...); }, found))
        return std::nullopt;
    return found;
}

// Sets the host's controls-updating flag for its lifetime and puts back what it was on every way
// out, so that the sliders code moves meanwhile do not react and the model's setters do not send.
class ControlsUpdateScope {
public:
    explicit ControlsUpdateScope(PageHost &host) : host_(host), previous_(host.IsControlsUpdating())
    {
        host_.SetControlsUpdating(true);
    }
    ~ControlsUpdateScope() { host_.SetControlsUpdating(previous_); }
    ControlsUpdateScope(const ControlsUpdateScope &) = delete;
    ControlsUpdateScope &operator=(const ControlsUpdateScope &) = delete;

private:
    PageHost &host_;
    bool previous_;
};

// Shows a rejected typed entry again: the text, with the caret after its last character.
void ShowRejectedEntry(TCurvyEdit &edit, const QString &text);
