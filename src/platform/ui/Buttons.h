#pragma once
// Enumerations of the framework's picture buttons: where the glyph sits, the button's state and
// drawing style, and how many glyphs a glyph bitmap holds.

#include "platform/runtime/EnumNames.h"

enum TButtonLayout { blGlyphLeft, blGlyphRight, blGlyphTop, blGlyphBottom };
inline constexpr auto ButtonLayoutNames =
    EnumNames<TButtonLayout>("blGlyphLeft", "blGlyphRight", "blGlyphTop", "blGlyphBottom");
enum TButtonState { bsUp, bsDisabled, bsDown, bsExclusive };
enum TButtonStyle { bsAutoDetect, bsWin31, bsNew };
using TNumGlyphs = int;  // 1 to 4: up, disabled, down, stay-down
