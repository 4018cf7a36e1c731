#pragma once
// The plot library's toolbox of free functions: shaded colours, text drawing (plain, disabled and
// rotated), gradient fills and frames, text measurement, small geometry helpers, decimal places
// and time spans for value texts, the property text lines of the library's configuration files,
// and keyboard, focus, form, page and paper-size queries. No state of its own; GUI thread.
//
// Property text lines. A published property is saved as one line "Path = Value", the path being
// the property name, preceded by the owning object's prefix and a dot for properties of
// sub-objects ("Channel0.Font.Color"). Values by kind:
//   ordinal (integer, Boolean, enumeration, set, colour)  decimal ordinal: Booleans 0/1,
//                                                         enumerations by position, sets as bit
//                                                         masks, colours as signed 32-bit numbers
//   float                                                 general format, 15 digits, "."
//   string                                                CR written "#13", LF written "#10"
//   class (owned sub-object)                              its own lines under its path
// Component references, events and other kinds are not written. A line is at most 255 bytes in
// the system code page (cut at a character boundary); a string value is cut to 255 characters
// before its line breaks are replaced. Reading takes "," or "." as decimal separator and "#13"/
// "#10" back to line breaks; an unknown path is passed over silently, a value that does not
// convert raises the framework's EConvertError.

#include "platform/ui/Canvas.h"
#include "platform/runtime/PropInfo.h"
#include "plotlib/base/iTypes.h"

#include <QString>

#include <cstdint>
#include <functional>
#include <utility>

class TComponent;
class TPageControl;
class TPersistent;
class TStrings;
class TWinControl;
class TReader;
class TWriter;

// ---- Text flags of iDrawText ---------------------------------------------------------------------
// The library's own 16-bit flags; each set bit adds one DrawText format flag, except the prefix
// bit: without it ampersands are shown as they are.
constexpr std::uint16_t iTextLeft = 0x0001;
constexpr std::uint16_t iTextCenter = 0x0002;
constexpr std::uint16_t iTextRight = 0x0004;
constexpr std::uint16_t iTextTop = 0x0008;
constexpr std::uint16_t iTextVCenter = 0x0010;
constexpr std::uint16_t iTextBottom = 0x0020;
constexpr std::uint16_t iTextWordBreak = 0x0040;
constexpr std::uint16_t iTextSingleLine = 0x0080;
constexpr std::uint16_t iTextExpandTabs = 0x0100;
constexpr std::uint16_t iTextNoClip = 0x0200;
constexpr std::uint16_t iTextPrefix = 0x0400;
constexpr std::uint16_t iTextCalcRect = 0x0800;
constexpr std::uint16_t iTextEndEllipsis = 0x1000;
constexpr std::uint16_t iTextPathEllipsis = 0x2000;
constexpr std::uint16_t iTextWordEllipsis = 0x4000;
constexpr std::uint16_t iTextModifyString = 0x8000;

// Frame styles of iDrawEdge.
constexpr std::uint8_t iEdgeSunken = 0;
constexpr std::uint8_t iEdgeRaised = 1;
constexpr std::uint8_t iEdgeFlat = 2;

// ---- Colours and drawing ---------------------------------------------------------------------------

// The colour (system colours resolved) with Amount added to (Lighter) or taken from each of red,
// green and blue, each kept within 0..255.
TColor iShadeColor(TColor Color, std::uint8_t Amount, bool Lighter);
// The DrawText format of the library's text flags.
UINT iTextFormat(std::uint16_t Flags);
// Draws the text into Rect with the canvas's font and returns the text height. Disabled text on
// a background other than black is drawn twice: a light shade moved by (1, 1), then a dark shade
// in place (both from the button face colour). With iTextCalcRect it only measures: Rect grows
// to the text and nothing is drawn.
int iDrawText(TCanvas *Canvas, const QString &Text, TRect &Rect, TColor BackColor, bool Enabled, std::uint16_t Flags);
// Draws the text centred in Rect, turned by Rotation (counter-clockwise), and returns in TextRect
// the area the text takes: W x H (text width and height) for ira000 and ira180, H x W for ira090
// and ira270, centred on Rect's centre. Unrotated text is aligned as Alignment says (TextRect
// stays centred) and breaks into lines at carriage returns; rotated text is one line.
void iDrawRotatedText(TCanvas *Canvas, const QString &Text, const TRect &Rect, TRect &TextRect, TColor BackColor,
                      bool Enabled, TiAlignmentHorizontal Alignment, TiRotationAngle Rotation);
// Fills Rect with lines (or, for the rectangle and circle directions, nested outlines) running
// from StartColor to StopColor; see TiFillDirection. The diagonal, rectangle and circle fills
// place their shapes from (0, 0): pass a rectangle whose top-left corner is (0, 0) for them.
// Leaves the brush clear and the pen in the last colour.
void iFillGradient(TCanvas *Canvas, const TRect &Rect, TiFillDirection Direction, TColor StartColor, TColor StopColor);
// A sunken or raised 3D frame, or a flat frame in the button shadow colour (filled with the
// current brush); other styles draw nothing.
void iDrawEdge(TCanvas *Canvas, const TRect &Rect, std::uint8_t Style);
void iDrawFocusRectangle(TCanvas *Canvas, const TRect &Rect);

// ---- Text measurement --------------------------------------------------------------------------------

// The widest line (lines end at CR, LF or CR LF); 0 for an empty text.
int iTextWidthMultiLine(TCanvas *Canvas, const QString &Text);
// Height of all lines of the text.
int iTextHeightMultiLine(TCanvas *Canvas, const QString &Text);
// Height of the text wrapped at Width pixels.
int iTextHeightWrapped(TCanvas *Canvas, const QString &Text, int Width);

// ---- Geometry ----------------------------------------------------------------------------------------

// (A, B), or (B, A) when Reversed.
TPoint iOrientedPoint(bool Reversed, int A, int B);
void iNormalizedRect(int X1, int Y1, int X2, int Y2, TRect &Rect);
// iNormalizedRect, with X and Y exchanged when Reversed.
void iOrientedRect(bool Reversed, int X1, int Y1, int X2, int Y2, TRect &Rect);
void iSwapIntegers(int &A, int &B);
std::pair<double, double> iMakeDoublePoint(double X, double Y);

// ---- Numbers and time spans --------------------------------------------------------------------------

// Decimals of a value text: Precision itself for fixed decimals; for significant digits the
// digits Precision leaves after the integer digits of |A - B| (one more below 1, at least 0; a
// span of 0 gives 1); 0 for Precision 0 or less.
int iGetDecimalPlaces(int Precision, TiPrecisionStyle Style, double A, double B);
// A span of days as a whole count. A negative span, or one too large for a 32-bit count, gives
// 2147483647 (minutes: 10000).
int iSpanToMilliseconds(double Span);
int iSpanToSeconds(double Span);
int iSpanToMinutes(double Span);
int iSpanToHours(double Span);

// ---- Published properties by name --------------------------------------------------------------------

// The object held by the published class property Name, or nullptr.
TObject *iGetObjectProperty(TObject *Instance, const QString &Name);
// Adds a line per stored, writable published property of Instance (ancestors' first, each class
// in declaration order), descending into owned sub-objects. With SkipDefaults an ordinal equal to
// its declared default is left out. Paths listed in Exclude (any letter case) are left out.
void iWritePropertiesToList(TObject *Instance, const QString &Prefix, TStrings *Lines, bool SkipDefaults,
                            TStrings *Exclude);
// Sets the property at the dotted Path from its text; DecimalSeparator is the one floats are read
// with. A path that leads nowhere changes nothing; a path through a non-persistent object raises
// EInvalidCast.
void iSetPropertyFromText(TObject *Instance, const QString &Path, const QString &Value, QChar DecimalSeparator);
// Applies the lines at the front of Lines that carry Prefix (all lines for an empty prefix) and
// deletes each applied line; the first line of another prefix stops it, so one list can be handed
// to several objects in turn.
void iReadPropertiesFromList(TObject *Instance, const QString &Prefix, TStrings *Lines);
// Splits the first path part off Path when it equals Prefix (without regard to case); Head
// receives it, or stays empty.
void iStripObjectPrefix(const QString &Prefix, QString &Path, QString &Head);
// Left and Right of the first Separator, both trimmed; both empty without a separator.
void iSplitAt(const QString &Text, const QString &Separator, QString &Left, QString &Right);
// Finds the first line "Key = ..." (Key in any letter case), deletes it and gives its value.
bool iExtractValue(const QString &Key, QString &Value, TStrings *Lines);
// The stored read/write published properties and the defined properties of Instance, inside the
// writer's current collection item. A framework exception ends the writing silently.
void iWritePropertiesToWriter(TWriter &Writer, TPersistent *Instance);
// A collection value of Count items; WriteItem(Index) writes the properties of each item.
void iWriteCollection(TWriter &Writer, int Count, const std::function<void(int Index)> &WriteItem);
// Reads a collection value: Make gives the object that takes the next item's property
// assignments, Done receives it once they are read. A value that is no collection is passed over.
// When an item fails to read, Failed (when given) receives its object and the error passes on.
void iReadCollection(TReader &Reader, const std::function<TPersistent *()> &Make,
                     const std::function<void(TPersistent *)> &Done,
                     const std::function<void(TPersistent *)> &Failed = {});

// The property lines saved as a file in the system code page with CR LF, written atomically:
// on failure the old file stays whole and EWriteError carries the reason.
void iSaveLinesToFile(TStrings *Lines, const QString &FileName);

// ---- Keyboard, focus, forms and pages ----------------------------------------------------------------

bool iShiftDown();
bool iCtrlDown();
void iSetFocusToControl(TWinControl *Control);
// Up the owner chain from the component's owner: the first form, else the outermost windowed
// control, else nullptr.
TWinControl *iGetParentForm(TComponent *Component);
// Activates page Index when it is below the page count.
void iSetActivePageIndex(TPageControl *PageControl, int Index);
// -1 when no page is active.
int iGetActivePageIndex(TPageControl *PageControl);

// ---- Printer paper -----------------------------------------------------------------------------------

// Width and height in inches of a printer paper code (the system's paper numbers 1 to 68);
// unknown and reserved codes give letter size, 8.5 x 11.
void iGetPaperSize(std::uint16_t PaperCode, double &Width, double &Height);
// The paper of the framework's current printer in inches, width and height exchanged for
// landscape; "Could not initialize printer DeviceMode Structure" when there is no printer.
void iGetPrinterPaperSize(double &Width, double &Height);
