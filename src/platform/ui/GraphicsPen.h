#pragma once
// The pen of a canvas: colour, width (0 and 1 both draw a cosmetic one-pixel line), line style and
// the binary raster operation applied where it draws.

#include "platform/runtime/Colors.h"
#include "platform/runtime/EnumNames.h"
#include "platform/ui/GraphicsObject.h"

enum TPenStyle { psSolid, psDash, psDot, psDashDot, psDashDotDot, psClear, psInsideFrame, psUserStyle, psAlternate };
inline constexpr auto PenStyleNames = EnumNames<TPenStyle>("psSolid", "psDash", "psDot", "psDashDot", "psDashDotDot",
                                                           "psClear", "psInsideFrame", "psUserStyle", "psAlternate");

enum TPenMode {
    pmBlack, pmWhite, pmNop, pmNot, pmCopy, pmNotCopy, pmMergePenNot, pmMaskPenNot,
    pmMergeNotPen, pmMaskNotPen, pmMerge, pmNotMerge, pmMask, pmNotMask, pmXor, pmNotXor
};
inline constexpr auto PenModeNames = EnumNames<TPenMode>(
    "pmBlack", "pmWhite", "pmNop", "pmNot", "pmCopy", "pmNotCopy", "pmMergePenNot", "pmMaskPenNot", "pmMergeNotPen",
    "pmMaskNotPen", "pmMerge", "pmNotMerge", "pmMask", "pmNotMask", "pmXor", "pmNotXor");

class TPen : public TGraphicsObject {
    T_DECLARE_CLASS(TPen, TGraphicsObject)
    TPen() = default;

    TColor Color() const { return color_; }
    void SetColor(TColor value);
    int Width() const { return width_; }
    void SetWidth(int value);
    TPenStyle Style() const { return style_; }
    void SetStyle(TPenStyle value);
    TPenMode Mode() const { return mode_; }
    void SetMode(TPenMode value);

    void Assign(TPersistent *Source) override;

private:
    TColor color_ = clBlack;
    int width_ = 1;
    TPenStyle style_ = psSolid;
    TPenMode mode_ = pmCopy;
};

// The binary raster operation number (R2_BLACK 1 .. R2_WHITE 16) of a pen mode.
int PenModeToRop2(TPenMode mode);
