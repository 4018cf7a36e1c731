#include "platform/runtime/Colors.h"

#include <array>
#include <cstdio>
#include <cstdlib>
#include <strings.h>

namespace {

// The fixed system palette, index = system colour number.
constexpr std::array<TColor, 31> kSystemPalette = {
    RGB(200, 200, 200),  // 0 scroll bar
    RGB(0, 0, 0),        // 1 desktop background
    RGB(153, 180, 209),  // 2 active caption
    RGB(191, 205, 219),  // 3 inactive caption
    RGB(240, 240, 240),  // 4 menu
    RGB(255, 255, 255),  // 5 window
    RGB(100, 100, 100),  // 6 window frame
    RGB(0, 0, 0),        // 7 menu text
    RGB(0, 0, 0),        // 8 window text
    RGB(0, 0, 0),        // 9 caption text
    RGB(180, 180, 180),  // 10 active border
    RGB(244, 247, 252),  // 11 inactive border
    RGB(171, 171, 171),  // 12 application workspace
    RGB(51, 153, 255),   // 13 highlight
    RGB(255, 255, 255),  // 14 highlight text
    RGB(240, 240, 240),  // 15 button face
    RGB(160, 160, 160),  // 16 button shadow
    RGB(109, 109, 109),  // 17 grey text
    RGB(0, 0, 0),        // 18 button text
    RGB(67, 78, 84),     // 19 inactive caption text
    RGB(255, 255, 255),  // 20 button highlight
    RGB(105, 105, 105),  // 21 3-D dark shadow
    RGB(227, 227, 227),  // 22 3-D light
    RGB(0, 0, 0),        // 23 tooltip text
    RGB(255, 255, 225),  // 24 tooltip background
    RGB(0, 0, 0),        // 25 unused
    RGB(0, 102, 204),    // 26 hot light
    RGB(185, 209, 234),  // 27 active caption gradient
    RGB(215, 228, 242),  // 28 inactive caption gradient
    RGB(51, 153, 255),   // 29 menu highlight
    RGB(240, 240, 240),  // 30 menu bar
};

constexpr TIdentMapEntry kColorNames[] = {
    {clBlack, "clBlack"}, {clMaroon, "clMaroon"}, {clGreen, "clGreen"}, {clOlive, "clOlive"},
    {clNavy, "clNavy"}, {clPurple, "clPurple"}, {clTeal, "clTeal"}, {clGray, "clGray"},
    {clSilver, "clSilver"}, {clRed, "clRed"}, {clLime, "clLime"}, {clYellow, "clYellow"},
    {clBlue, "clBlue"}, {clFuchsia, "clFuchsia"}, {clAqua, "clAqua"}, {clWhite, "clWhite"},
    {clMoneyGreen, "clMoneyGreen"}, {clSkyBlue, "clSkyBlue"}, {clCream, "clCream"},
    {clMedGray, "clMedGray"}, {clNone, "clNone"}, {clDefault, "clDefault"},
    {clScrollBar, "clScrollBar"}, {clBackground, "clBackground"},
    {clActiveCaption, "clActiveCaption"}, {clInactiveCaption, "clInactiveCaption"},
    {clMenu, "clMenu"}, {clWindow, "clWindow"}, {clWindowFrame, "clWindowFrame"},
    {clMenuText, "clMenuText"}, {clWindowText, "clWindowText"}, {clCaptionText, "clCaptionText"},
    {clActiveBorder, "clActiveBorder"}, {clInactiveBorder, "clInactiveBorder"},
    {clAppWorkSpace, "clAppWorkSpace"}, {clHighlight, "clHighlight"},
    {clHighlightText, "clHighlightText"}, {clBtnFace, "clBtnFace"}, {clBtnShadow, "clBtnShadow"},
    {clGrayText, "clGrayText"}, {clBtnText, "clBtnText"},
    {clInactiveCaptionText, "clInactiveCaptionText"}, {clBtnHighlight, "clBtnHighlight"},
    {cl3DDkShadow, "cl3DDkShadow"}, {cl3DLight, "cl3DLight"}, {clInfoText, "clInfoText"},
    {clInfoBk, "clInfoBk"}, {clHotLight, "clHotLight"},
    {clGradientActiveCaption, "clGradientActiveCaption"},
    {clGradientInactiveCaption, "clGradientInactiveCaption"}, {clMenuHighlight, "clMenuHighlight"},
    {clMenuBar, "clMenuBar"},
};

}  // namespace

TIdentMap ColorIdents() { return kColorNames; }

TColor GetSysColor(int index) {
    if (index < 0 || index >= static_cast<int>(kSystemPalette.size())) return 0;
    return kSystemPalette[static_cast<std::size_t>(index)];
}

TColor ColorToRGB(TColor color) {
    if (color < 0) return GetSysColor(color & 0xFF);
    return color;
}

std::uint32_t ColorToPixel(TColor color) {
    const TColor c = ColorToRGB(color);
    return 0xFF000000u | (static_cast<std::uint32_t>(GetRValue(c)) << 16) |
           (static_cast<std::uint32_t>(GetGValue(c)) << 8) | static_cast<std::uint32_t>(GetBValue(c));
}

std::optional<std::string> ColorToIdent(TColor color) {
    for (const TIdentMapEntry& n : kColorNames)
        if (n.Value == color) return std::string(n.Name);
    return std::nullopt;
}

std::optional<TColor> IdentToColor(const std::string& ident) {
    for (const TIdentMapEntry& n : kColorNames)
        if (strcasecmp(n.Name, ident.c_str()) == 0) return static_cast<TColor>(n.Value);
    return std::nullopt;
}

std::string ColorToString(TColor color) {
    if (auto ident = ColorToIdent(color)) return *ident;
    char buf[16];
    std::snprintf(buf, sizeof buf, "$%08X", static_cast<unsigned>(color));
    return buf;
}

std::optional<TColor> StringToColor(const std::string& text) {
    if (auto c = IdentToColor(text)) return c;
    if (text.empty()) return std::nullopt;
    const bool hex = text[0] == '$';
    const char* begin = text.c_str() + (hex ? 1 : 0);
    if (*begin == '\0') return std::nullopt;
    char* end = nullptr;
    const long long v = std::strtoll(begin, &end, hex ? 16 : 10);
    if (*end != '\0' || v < INT32_MIN || v > UINT32_MAX) return std::nullopt;
    return static_cast<TColor>(static_cast<std::uint32_t>(v));
}
