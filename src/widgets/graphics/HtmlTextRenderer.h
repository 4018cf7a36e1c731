#pragma once
// Marked-up text on GDI+: RenderHTML lays a text with a small set of HTML tags and character
// entities out into lines within a rectangle, and draws it, or only measures it, or only tests a
// point against its anchors and images. Nothing survives a call: every call works on copies of
// the caller's font, so the font and the rectangle are never changed.
//
// Tags (the letter after "<" or "</" decides, any case): A HREF (anchor), B, I, U, S (bold,
// italic, underline, strike-out), BR, HR, P ALIGN= INDENT=, FONT FACE= COLOR= BGCOLOR= SIZE=
// (SIZE 1 to 5 are 8, 10, 12, 14 and 16 points, other numbers points), BODY BGCOLOR=, HI
// (highlight), E (error zigzag), SHAD (shadow), SUB, SUP, UL and LI (lists), IMG SRC= ("IDX:n" of
// the image list, "SSYS:path" / "LSYS:path" the desktop's small or large file icon, else a picture
// of the picture container by name), IND x=, OF x=, BLINK, Z (hidden text). Unknown tags and
// attributes are consumed and ignored; a tag without ">" swallows the rest of the text.
// Attribute values stand between double quotes; colours are "#RRGGBB" or framework colour names
// ("clRed", "clBtnFace", ...; unknown names give black).
//
// Entities: &amp; &quot; &sect; &permil; &reg; &copy; &para; &trade; &euro; (any letter case) and
// &nbsp; &lt; &gt; (lower case). Each entity in the text is replaced once, left to right, so the
// text "&amp;lt;" shows "&lt;"; "&lt;" never opens a tag and "&nbsp;" never ends a word.
//
// Layout: words break at blanks when word wrap is on; a word wider than the rectangle stays on the
// line where it falls and runs over its right edge; a word split by tags never breaks. Lines are
// top-aligned; every line but the last gets `lineSpacing` extra pixels. The reported height is the
// sum of the lines (the height of "gh" when there is none) plus 2, the width the widest line plus
// 2 (0 without text). Drawing stops at the first line that would pass the rectangle's bottom;
// measuring counts every line.

#include <QString>

#include "platform/runtime/Colors.h"
#include "platform/runtime/GraphicsTypes.h"

class TCanvas;
class TCustomImageList;
class TFont;
class TGDIPPictureContainer;
class TGPGraphics;

// Draws (or measures, or hit-tests) `text` in `rect` of the graphics. Returns true when the hit
// point lies on the text of an anchor (hit-test pass) or on an image. The outputs are cleared
// first (the mouse anchor to -1); `hoverRect` is written only when an anchor is hit.
//   hitX, hitY       the point to test (graphics coordinates)
//   focusedAnchor    zero-based index of the anchor with the keyboard focus, -1 none
//   hoveredAnchor    number (from 1) of the anchor under the mouse, -1 none
//   hitTestOnly      draw nothing; the second pass over each line only tests the point
//   measureOnly      draw nothing and lay out every line, whatever the rectangle's bottom
//   printing         image-list pictures are not drawn; shell icons are drawn scaled by `scale`
//   selected         tags leave the text colour and the background alone
//   blinkPhase       off: BLINK text takes the initial background colour (white)
//   hoverOnly        only the hovered anchor is styled as an anchor
//   pictureCache     not read
//   plainText        the text without tags, a carriage return for each BR
bool RenderHTML(TGPGraphics *graphics, TFont *font, const QString &text, const TRect &rect, TCustomImageList *images,
                int hitX, int hitY, int focusedAnchor, int hoveredAnchor, int shadowOffset, bool hitTestOnly,
                bool measureOnly, bool printing, bool selected, bool blinkPhase, bool hoverOnly, bool wordWrap,
                double scale, TColor anchorColor, TColor hoverBackground, TColor hoverTextColor, TColor shadowColor,
                QString &anchorValue, QString &plainText, QString &focusAnchorValue, int &width, int &height,
                int &anchorCount, int &mouseAnchor, TRect &hoverRect, void *pictureCache,
                TGDIPPictureContainer *pictureContainer, int lineSpacing);

// A colour name in lower case ("clred", "clbtnface", ...); 0 (black) for a name it does not know.
TColor HTMLColorByName(const QString &name);
// "#RRGGBB" (hexadecimal) as the colour 0x00BBGGRR. A channel whose two characters are not both
// hexadecimal digits, or are missing, is 0; the other channels keep their values.
TColor HTMLHexColor(const QString &value);

// Draws the desktop's icon of a file path, small (16) or large (32), at (x, y) of the canvas when
// `draw` is set (printing: stretched by `scale`, without transparency); `size` receives the
// icon size. A path that is a bare number names no icon: nothing is drawn and the size is 0 x 0.
void DrawShellIcon(TCanvas *canvas, int x, int y, TSize &size, double scale, bool printing, bool draw, bool large,
                   const QString &path);
