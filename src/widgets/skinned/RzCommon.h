#pragma once
// The shared vocabulary of the skinned controls: frame styles and sides, the colour arithmetic on
// a 0..240 hue/saturation/luminance scale, the colour-scheme and version queries, and the frame
// and bevel painters.
//
// Painters: every frame routine takes a rectangle (right and bottom exclusive) and a set of sides,
// draws inside the rectangle on those sides only, and returns what remains inside what it drew,
// so routines chain from the outside in. A line colour of clNone is not drawn (the rectangle still
// shrinks). Given no sides a routine draws nothing and returns the rectangle unchanged.
//
// Platform answers: there is no theme service here, so themes are never on and the themed colours
// are the plain ones; the version tests answer for NT 6.1; the screen is always full colour.
// System colours are resolved with ColorToRGB before any arithmetic.

#include "platform/runtime/EnumNames.h"
#include "platform/runtime/Set.h"
#include "platform/runtime/StoreChanged.h"
#include "platform/ui/Canvas.h"
#include "platform/ui/GraphicsFont.h"

#include "widgets/skinned/FramedGraphicsRoutines.h"

#include <QString>

#include <cstdint>
#include <memory>

// ---- Framing types -------------------------------------------------------------------------------

enum TFrameStyleEx : std::uint8_t {
    fsNone,
    fsFlat,
    fsGroove,
    fsBump,
    fsLowered,
    fsButtonDown,
    fsRaised,
    fsButtonUp,
    fsStatus,
    fsPopup,
    fsFlatBold,
    fsFlatRounded
};
// The range fsNone..fsFlatBold of the same values.
using TFrameStyle = TFrameStyleEx;
inline constexpr auto FrameStyleNames = EnumNames<TFrameStyleEx>(
    "fsNone", "fsFlat", "fsGroove", "fsBump", "fsLowered", "fsButtonDown", "fsRaised", "fsButtonUp", "fsStatus",
    "fsPopup", "fsFlatBold");
inline constexpr auto FrameStyleExNames = EnumNames<TFrameStyleEx>(
    "fsNone", "fsFlat", "fsGroove", "fsBump", "fsLowered", "fsButtonDown", "fsRaised", "fsButtonUp", "fsStatus",
    "fsPopup", "fsFlatBold", "fsFlatRounded");

enum TSide { sdLeft, sdTop, sdRight, sdBottom };
using TSides = TSet<TSide>;
constexpr TSides sdAllSides{sdLeft, sdTop, sdRight, sdBottom};
inline constexpr auto SideNames = EnumNames<TSide>("sdLeft", "sdTop", "sdRight", "sdBottom");

enum TAlignmentVertical { avTop, avCenter, avBottom };
inline constexpr auto AlignmentVerticalNames = EnumNames<TAlignmentVertical>("avTop", "avCenter", "avBottom");

// The look of a caption: plain, raised or recessed (a highlight and a shadow copy one pixel apart),
// or with a drop shadow.
enum TTextStyle { tsNormal, tsRaised, tsRecessed, tsShadow };
inline constexpr auto TextStyleNames = EnumNames<TTextStyle>("tsNormal", "tsRaised", "tsRecessed", "tsShadow");

enum TRzVisualStyle { vsClassic, vsWinXP, vsGradient };
inline constexpr auto RzVisualStyleNames = EnumNames<TRzVisualStyle>("vsClassic", "vsWinXP", "vsGradient");

enum TRzGradientColorStyle { gcsSystem, gcsMSOffice, gcsCustom };
inline constexpr auto RzGradientColorStyleNames = EnumNames<TRzGradientColorStyle>(
    "gcsSystem", "gcsMSOffice", "gcsCustom");

// ---- Colours -------------------------------------------------------------------------------------

// The desktop colour scheme: 0 default (blue), 1 olive, 2 silver. Set when the program starts and
// again by every framed panel on a theme change.
extern std::uint8_t XPColorScheme;
// True: the screen has no palette.
extern bool IsFullColor;
// Whether the platform's visual-style themes are on: never here.
constexpr bool ThemesEnabled()
{
    return false;
}

void ColorToHSL(TColor color, std::uint8_t &h, std::uint8_t &s, std::uint8_t &l);
std::uint8_t HueOfColor(TColor color);
// H = 239 lands in the first sextant like H = 0.
TColor ColorFromHSL(std::uint8_t h, std::uint8_t s, std::uint8_t l);
// Luminance down by n (not below 0) / up by n (values past 240 saturate at white per channel).
TColor DarkenColor(TColor color, int n);
TColor LightenColor(TColor color, int n);
// a < 0 darkens by -a modulo 256, a > 0 lightens by a modulo 256, 0 returns the colour as it is
// (a system colour stays one).
TColor AdjustColor(TColor color, int a);
// weight 255: c1 only; 0: c2 only.
TColor BlendColors(TColor c1, TColor c2, int weight);
bool ColorsAreSimilar(TColor c1, TColor c2);
TColor ComplementColor(TColor color, std::uint8_t luminance);
// Colours of the theme's elements (0..7; others clWhite); clBtnFace for every index while themes are off.
TColor XPThemeColor(int index);
// Reads the scheme's name from the settings store (HKEY_CURRENT_USER
// \Software\Microsoft\Windows\CurrentVersion\ThemeManager, "ColorName"): "HOMESTEAD" 1,
// "METALLIC" 2, anything else (nothing stored included) 0.
std::uint8_t DetectXPColorScheme();
void GradientColorsForStyle(TRzGradientColorStyle style, TColor &start, TColor &stop);
TColor FrameColorForStyle(TRzGradientColorStyle style);
void BannerColorsForStyle(TRzGradientColorStyle style, TColor &stop, TColor &start, TColor &pen);
bool IsFullColorDisplay();

inline int IntMin(int a, int b)
{
    return a < b ? a : b;
}
inline int IntMax(int a, int b)
{
    return a > b ? a : b;
}
// Windows version tests by index (0: 95, 1: NT 4, 2: 98, 3: Me, 4: 2000, 5: XP, 6: 2003, 7: Vista,
// 8: 7), answered for NT 6.1.
bool IsWindowsVersion(int index);
bool IsWindowsVersionAtLeast(int index);

// ---- Frame and bevel painters ----------------------------------------------------------------------

// Left and top lines in `ul`, right and bottom lines in `lr`.
TRect DrawSideLines(TCanvas *canvas, const TRect &r, TColor ul, TColor lr, TSides sides);
TRect DrawBevelRings(TCanvas *canvas, const TRect &r, TColor ul, TColor lr, int width, TSides sides);
TRect DrawRaisedSunkenSides(TCanvas *canvas, const TRect &r, bool sunken, TSides sides);
TRect DrawButtonFrame(TCanvas *canvas, const TRect &r, bool down);
TRect DrawButtonFrameSides(TCanvas *canvas, const TRect &r, bool down, TSides sides);
TRect DrawColorButtonFrame(TCanvas *canvas, const TRect &r, TColor face, bool down);
TRect DrawColorButtonFrameSides(TCanvas *canvas, const TRect &r, TColor face, TSides sides, bool down);
// fsFlatRounded draws like fsFlat.
TRect DrawFrameStyle(TCanvas *canvas, const TRect &r, TFrameStyle style);
TRect DrawFrameStyleSides(TCanvas *canvas, const TRect &r, TFrameStyle style, TSides sides);
TRect DrawColorFrameStyle(TCanvas *canvas, const TRect &r, TColor face, TFrameStyle style);
TRect DrawColorFrameStyleSides(TCanvas *canvas, const TRect &r, TColor face, TSides sides, TFrameStyle style);
TRect DrawFlatRect(TCanvas *canvas, const TRect &r, TColor color);
TRect DrawDottedRect(TCanvas *canvas, const TRect &r);
TRect DrawRoundedFlatFrame(TCanvas *canvas, const TRect &r, TColor color, TSides sides);

// The whole frame of a framed panel: outer style, a border of `borderWidth` rings, inner style.
struct TFramedBorders {
    TFrameStyleEx outer = fsNone;
    TFrameStyleEx inner = fsNone;
    int borderWidth = 0;
    TSides sides = sdAllSides;
    int bevelWidth = 1;
    TColor borderColor = clBtnFace;
    TColor highlight = clBtnHighlight;
    TColor shadow = clBtnShadow;
    TColor flatColor = clBtnShadow;
    int flatAdjustment = 30;
    TColor faceColor = clBtnFace;
    TColor parentColor = clBtnFace;
    bool transparent = false;
    bool roundedInner = false;
};
TRect DrawFramedBorders(TCanvas *canvas, const TRect &r, const TFramedBorders &f);
// How wide a frame style is drawn: fsNone 0, fsFlat 1, fsStatus and fsPopup `bevelWidth`, any
// other style 2.
int FrameStyleWidth(TFrameStyleEx style, int bevelWidth);
// The rectangle less the outer and inner style widths on the frame's sides (and less borderWidth
// on all four sides when asked): the inside of what DrawFramedBorders draws.
TRect ShrinkRectByFramedBorders(const TRect &r, const TFramedBorders &f, bool includeBorderWidth);

// The drop-down triangle of a combo box centred in `r` (style 0, 1, 2; on this system always 2).
void DrawDropDownArrow(TCanvas *canvas, const TRect &r, int style, bool enabled);
// A 2-pixel gradient ring along the inside of `r`.
void DrawGradientBorder(TCanvas *canvas, const TRect &r, TGradientDirection direction, TColor start, TColor stop);

// ---- Text and fonts --------------------------------------------------------------------------------

// A copy of the font turned by `angle` degrees counter-clockwise; the caller owns it.
std::unique_ptr<TFont> CreateRotatedFont(const TFont *font, int angle);
bool IsTrueTypeFont(const TFont *font);
QChar LastCharOf(const QString &text);
// Single '&' removed, "&&" kept as one '&', a last '&' kept.
QString StripAccelChars(const QString &text);
// DrawText into `r` (updated with DT_CALCRECT); returns the text height.
int DrawTextInRect(TCanvas *canvas, const QString &text, TRect &r, UINT flags);
// Single line, centred both ways.
int DrawTextCentered(TCanvas *canvas, const QString &text, const TRect &r);
