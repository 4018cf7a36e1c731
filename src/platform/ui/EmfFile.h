#pragma once
// The enhanced metafile (".emf") form of a drawing: what TMetafile saves, reads and puts on the
// clipboard.
//
// Writing turns each record of the drawing into the metafile records that draw it on the
// original platform, in pixels of a 96 dpi reference device (MM_TEXT):
//   EMR_HEADER        bounds (0, 0, W - 1, H - 1), frame in 0.01 mm, nBytes, nRecords, nHandles,
//                     the description in UTF-16LE: creator, NUL, description, NUL, NUL
//   state             EMR_CREATEPEN, EMR_CREATEBRUSHINDIRECT, EMR_CREATEDIBPATTERNBRUSHPT,
//                     EMR_EXTCREATEFONTINDIRECTW, EMR_SELECTOBJECT, EMR_DELETEOBJECT,
//                     EMR_SETTEXTCOLOR, EMR_SETBKCOLOR, EMR_SETBKMODE, EMR_SETTEXTALIGN,
//                     EMR_SETROP2, EMR_SETPOLYFILLMODE, EMR_SETBRUSHORGEX, EMR_EXTSELECTCLIPRGN,
//                     each written only when what it sets changes
//   shapes            EMR_MOVETOEX + EMR_LINETO, EMR_POLYLINE, EMR_POLYGON, EMR_RECTANGLE,
//                     EMR_ROUNDRECT, EMR_ELLIPSE, EMR_ARC, EMR_PIE, EMR_CHORD; a brush fill is a
//                     rectangle with the null pen, a gradient EMR_GRADIENTFILL
//   text              EMR_EXTTEXTOUTW with character advances (and a filled rectangle for a
//                     mnemonic underline)
//   pictures          EMR_STRETCHDIBITS (24-bit DIB) for opaque ones, EMR_ALPHABLEND (32-bit
//                     premultiplied) where they have transparent parts
//   inversions        EMR_BITBLT with DSTINVERT (a focus frame is inverted solid)
//   EMR_EOF
// Pens one pixel wide are written with width 0, the device's thinnest line.
//
// Reading takes these records (and the 16-bit polyline and polygon records, EMR_INTERSECTCLIPRECT,
// EMR_EXCLUDECLIPRECT, EMR_SAVEDC and EMR_RESTOREDC) back into a drawing of the bounds' size,
// passes over records it does not know, and raises EInvalidGraphic for a damaged file without
// reading past its end.

#include <QByteArray>
#include <QString>

#include <memory>

#include "platform/ui/Drawing.h"

struct TEmfContent {
    std::shared_ptr<TDrawing> Drawing;
    QString CreatedBy;
    QString Description;
};

// The file's bytes; the frame is the drawing's Width x Height.
QByteArray EncodeEmf(const TDrawing &drawing, const QString &createdBy, const QString &description);
// Raises EInvalidGraphic for bytes that are not such a file.
TEmfContent DecodeEmf(const QByteArray &bytes);
