#pragma once
// Enumerations of the framework's picture buttons: where the glyph sits, the button's state and
// drawing style, and how many glyphs a glyph bitmap holds.

#include "platform/runtime/EnumNames.h"
#include "platform/runtime/Messages.h"

class TControl;

enum TButtonLayout { blGlyphLeft, blGlyphRight, blGlyphTop, blGlyphBottom };
inline constexpr auto ButtonLayoutNames =
    EnumNames<TButtonLayout>("blGlyphLeft", "blGlyphRight", "blGlyphTop", "blGlyphBottom");
enum TButtonState { bsUp, bsDisabled, bsDown, bsExclusive };
enum TButtonStyle { bsAutoDetect, bsWin31, bsNew };
inline constexpr auto ButtonStyleNames = EnumNames<TButtonStyle>("bsAutoDetect", "bsWin31", "bsNew");
using TNumGlyphs = int;  // 1 to 4: up, disabled, down, stay-down

// Writing Down of a button that may belong to a group (GroupIndex): an ungrouped button is never
// down, and a down button of a group without AllowAllUp stays down. True when `value` (corrected)
// is to be stored, false when the write changes nothing.
inline bool GroupedDownChanges(int groupIndex, bool down, bool allowAllUp, bool &value)
{
    if (groupIndex == 0)
        value = false;
    return value != down && !(down && !allowAllUp);
}

// The same write carried out: a changed value is stored with its state (bsExclusive down, bsUp
// up); false when nothing changed. The button then repaints and, gone down, tells its group.
inline bool WriteGroupedDown(int groupIndex, bool allowAllUp, bool &down, TButtonState &state, bool value)
{
    if (!GroupedDownChanges(groupIndex, down, allowAllUp, value))
        return false;
    down = value;
    state = value ? bsExclusive : bsUp;
    return true;
}

// Tells every control of the button's parent that it went down in group `groupIndex` (`msg`: the
// group message of its kind of button, WParam the group, LParam the button). Nothing for an
// ungrouped or parentless button: false then.
bool BroadcastGroupDown(TControl *button, UINT msg, int groupIndex);

// The group message as `self` (a button of group `groupIndex`) receives it from a button of its
// kind: a down button pops up when the sender is down too, and every button of the group takes
// the sender's AllowAllUp. Messages of other groups and the button's own change nothing. True
// when the button popped up (it then repaints).
template <class Button>
bool ReceiveGroupDown(const TMessage &m, const Button *self, int groupIndex, bool &down, bool &allowAllUp,
                      TButtonState &state)
{
    const auto *sender = reinterpret_cast<const Button *>(m.LParam);
    if (m.WParam != static_cast<WPARAM>(groupIndex) || !sender || sender == self)
        return false;
    const bool popped = sender->Down() && down;
    if (popped) {
        down = false;
        state = bsUp;
    }
    allowAllUp = sender->AllowAllUp();
    return popped;
}
