#pragma once
// Enumerations shared by the plot library's controls and plot objects. Their ordinal values are
// stored in form definitions and in property files (enumerations by position), so the order of
// the values never changes. Each published enumeration has its table of names beside it, in the
// order of the values, for the class descriptions.

#include "platform/runtime/EnumNames.h"

// clang-format off
enum TiOrientation { ioVertical, ioHorizontal };
inline constexpr auto iOrientationNames = EnumNames<TiOrientation>("ioVertical", "ioHorizontal");

enum TiOrientationSide { iosBottomRight, iosTopLeft };
inline constexpr auto iOrientationSideNames = EnumNames<TiOrientationSide>("iosBottomRight", "iosTopLeft");

// Direction of a gradient fill (iFillGradient): from the first named side or corner (start
// colour) to the second (stop colour); the rectangle and circle fills grow from the centre
// outwards (Out) or shrink towards it (In).
enum TiFillDirection {
    ifdTopBottom, ifdBottomTop, ifdLeftRight, ifdRightLeft, ifdTopLeftBottomRight, ifdBottomRightTopLeft,
    ifdBottomLeftTopRight, ifdTopRightBottomLeft, ifdRectangleOut, ifdRectangleIn, ifdCircleOut, ifdCircleIn
};
inline constexpr auto iFillDirectionNames = EnumNames<TiFillDirection>(
    "ifdTopBottom", "ifdBottomTop", "ifdLeftRight", "ifdRightLeft", "ifdTopLeftBottomRight",
    "ifdBottomRightTopLeft", "ifdBottomLeftTopRight", "ifdTopRightBottomLeft", "ifdRectangleOut", "ifdRectangleIn",
    "ifdCircleOut", "ifdCircleIn");

enum TiPlotMarkerStyle {
    ipmsCircle, ipmsSquare, ipmsDiamond, ipmsCross, ipmsPlus, ipmsTriangleUp, ipmsTriangleDown, ipmsTriangleLeft,
    ipmsTriangleRight, ipmsVerticalLine, ipmsHorizontalLine, ipmsCharacter
};
inline constexpr auto iPlotMarkerStyleNames = EnumNames<TiPlotMarkerStyle>(
    "ipmsCircle", "ipmsSquare", "ipmsDiamond", "ipmsCross", "ipmsPlus", "ipmsTriangleUp", "ipmsTriangleDown",
    "ipmsTriangleLeft", "ipmsTriangleRight", "ipmsVerticalLine", "ipmsHorizontalLine", "ipmsCharacter");

enum TiPlotLineStyle { iplsSolid, iplsDash, iplsDot, iplsDashDot, iplsDashDotDot };
inline constexpr auto iPlotLineStyleNames = EnumNames<TiPlotLineStyle>(
    "iplsSolid", "iplsDash", "iplsDot", "iplsDashDot", "iplsDashDotDot");

// Clipboard format of a plot's picture.
enum TiPlotExportFormat { ipefMetaFile, ipefBitmap, ipefJPEG };
inline constexpr auto iPlotExportFormatNames = EnumNames<TiPlotExportFormat>("ipefMetaFile", "ipefBitmap", "ipefJPEG");

// Rotation of drawn text, counter-clockwise (iDrawRotatedText).
enum TiRotationAngle { ira000, ira090, ira180, ira270 };
inline constexpr auto iRotationAngleNames = EnumNames<TiRotationAngle>("ira000", "ira090", "ira180", "ira270");

// Border of a library control.
enum TiBevelStyle { ibsNone, ibsRaised, ibsLowered };
inline constexpr auto iBevelStyleNames = EnumNames<TiBevelStyle>("ibsNone", "ibsRaised", "ibsLowered");

enum TiAlignmentVertical { iavCenter, iavTop, iavBottom };
inline constexpr auto iAlignmentVerticalNames = EnumNames<TiAlignmentVertical>("iavCenter", "iavTop", "iavBottom");

enum TiAlignmentHorizontal { iahCenter, iahLeft, iahRight };
inline constexpr auto iAlignmentHorizontalNames = EnumNames<TiAlignmentHorizontal>("iahCenter", "iahLeft", "iahRight");

// How a value text is rounded: to a number of significant digits over a span, or to a fixed
// number of decimals (iGetDecimalPlaces).
enum TiPrecisionStyle { ipsSignificantDigits, ipsFixedDecimalPoints };
inline constexpr auto iPrecisionStyleNames = EnumNames<TiPrecisionStyle>(
    "ipsSignificantDigits", "ipsFixedDecimalPoints");

// The point store a channel keeps its data in.
enum TiPlotDataStyle { ipdsStandard, ipdsCompact, ipdsCompactInterval, ipdsFullFeature };
inline constexpr auto iPlotDataStyleNames = EnumNames<TiPlotDataStyle>(
    "ipdsStandard", "ipdsCompact", "ipdsCompactInterval", "ipdsFullFeature");

// A valid point is drawn and counted, a null point breaks the trace, an empty point is skipped
// without breaking it.
enum TiPlotDataPointStatus { ipdpsValid, ipdpsNull, ipdpsEmpty };
inline constexpr auto iPlotDataPointStatusNames = EnumNames<TiPlotDataPointStatus>(
    "ipdpsValid", "ipdpsNull", "ipdpsEmpty");
// clang-format on
