#pragma once
// Enumerations of the framework's picture buttons: where the glyph sits, the button's state and
// drawing style, and how many glyphs a glyph bitmap holds.

#include "platform/runtime/EnumNames.h"

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

