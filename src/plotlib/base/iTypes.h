#pragma once
// Enumerations shared by the plot library's controls and plot objects. Their ordinal values are
// stored in form definitions and in property files (enumerations by position), so the order of
// the values never changes. Each published enumeration has its names beside it, in the same
// order, for the class descriptions.

// clang-format off
enum TiOrientation { ioVertical, ioHorizontal };
#define TI_ORIENTATION_NAMES {"ioVertical", "ioHorizontal"}

enum TiOrientationSide { iosBottomRight, iosTopLeft };
#define TI_ORIENTATIONSIDE_NAMES {"iosBottomRight", "iosTopLeft"}

// Direction of a gradient fill (iFillGradient): from the first named side or corner (start
// colour) to the second (stop colour); the rectangle and circle fills grow from the centre
// outwards (Out) or shrink towards it (In).
enum TiFillDirection {
    ifdTopBottom, ifdBottomTop, ifdLeftRight, ifdRightLeft, ifdTopLeftBottomRight, ifdBottomRightTopLeft,
    ifdBottomLeftTopRight, ifdTopRightBottomLeft, ifdRectangleOut, ifdRectangleIn, ifdCircleOut, ifdCircleIn
};
#define TI_FILLDIRECTION_NAMES                                                                                       \
    {"ifdTopBottom", "ifdBottomTop", "ifdLeftRight", "ifdRightLeft", "ifdTopLeftBottomRight", "ifdBottomRightTopLeft", \
     "ifdBottomLeftTopRight", "ifdTopRightBottomLeft", "ifdRectangleOut", "ifdRectangleIn", "ifdCircleOut",           \
     "ifdCircleIn"}

enum TiPlotMarkerStyle {
    ipmsCircle, ipmsSquare, ipmsDiamond, ipmsCross, ipmsPlus, ipmsTriangleUp, ipmsTriangleDown, ipmsTriangleLeft,
    ipmsTriangleRight, ipmsVerticalLine, ipmsHorizontalLine, ipmsCharacter
};
#define TI_PLOTMARKERSTYLE_NAMES                                                                                \
    {"ipmsCircle", "ipmsSquare", "ipmsDiamond", "ipmsCross", "ipmsPlus", "ipmsTriangleUp", "ipmsTriangleDown", \
     "ipmsTriangleLeft", "ipmsTriangleRight", "ipmsVerticalLine", "ipmsHorizontalLine", "ipmsCharacter"}

enum TiPlotLineStyle { iplsSolid, iplsDash, iplsDot, iplsDashDot, iplsDashDotDot };
#define TI_PLOTLINESTYLE_NAMES {"iplsSolid", "iplsDash", "iplsDot", "iplsDashDot", "iplsDashDotDot"}

// Clipboard format of a plot's picture.
enum TiPlotExportFormat { ipefMetaFile, ipefBitmap, ipefJPEG };
#define TI_PLOTEXPORTFORMAT_NAMES {"ipefMetaFile", "ipefBitmap", "ipefJPEG"}

// Rotation of drawn text, counter-clockwise (iDrawRotatedText).
enum TiRotationAngle { ira000, ira090, ira180, ira270 };
#define TI_ROTATIONANGLE_NAMES {"ira000", "ira090", "ira180", "ira270"}

// Border of a library control.
enum TiBevelStyle { ibsNone, ibsRaised, ibsLowered };
#define TI_BEVELSTYLE_NAMES {"ibsNone", "ibsRaised", "ibsLowered"}

enum TiAlignmentVertical { iavCenter, iavTop, iavBottom };
#define TI_ALIGNMENTVERTICAL_NAMES {"iavCenter", "iavTop", "iavBottom"}

enum TiAlignmentHorizontal { iahCenter, iahLeft, iahRight };
#define TI_ALIGNMENTHORIZONTAL_NAMES {"iahCenter", "iahLeft", "iahRight"}

// How a value text is rounded: to a number of significant digits over a span, or to a fixed
// number of decimals (iGetDecimalPlaces).
enum TiPrecisionStyle { ipsSignificantDigits, ipsFixedDecimalPoints };
#define TI_PRECISIONSTYLE_NAMES {"ipsSignificantDigits", "ipsFixedDecimalPoints"}

// The point store a channel keeps its data in.
enum TiPlotDataStyle { ipdsStandard, ipdsCompact, ipdsCompactInterval, ipdsFullFeature };
#define TI_PLOTDATASTYLE_NAMES {"ipdsStandard", "ipdsCompact", "ipdsCompactInterval", "ipdsFullFeature"}

// A valid point is drawn and counted, a null point breaks the trace, an empty point is skipped
// without breaking it.
enum TiPlotDataPointStatus { ipdpsValid, ipdpsNull, ipdpsEmpty };
#define TI_PLOTDATAPOINTSTATUS_NAMES {"ipdpsValid", "ipdpsNull", "ipdpsEmpty"}
// clang-format on
