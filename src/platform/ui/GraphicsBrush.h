#pragma once
// The brush of a canvas: fill colour and style (solid, clear, six hatches) or an 8 x 8 pattern
// bitmap, which the brush references but does not own.

#include "platform/runtime/Colors.h"
#include "platform/runtime/EnumNames.h"
#include "platform/ui/GraphicsObject.h"

class TBitmap;

enum TBrushStyle { bsSolid, bsClear, bsHorizontal, bsVertical, bsFDiagonal, bsBDiagonal, bsCross, bsDiagCross };
inline constexpr auto BrushStyleNames = EnumNames<TBrushStyle>("bsSolid", "bsClear", "bsHorizontal", "bsVertical",
                                                               "bsFDiagonal", "bsBDiagonal", "bsCross", "bsDiagCross");

class TBrush : public TGraphicsObject {
    T_DECLARE_CLASS(TBrush, TGraphicsObject)
    TBrush() = default;

    TColor Color() const { return color_; }
    void SetColor(TColor value);
    // Setting a colour makes a clear brush solid; setting bsClear resets the colour to white.
    TBrushStyle Style() const { return style_; }
    void SetStyle(TBrushStyle value);
    // Pattern bitmap; while set it replaces the style. The caller keeps ownership.
    TBitmap *Bitmap() const { return bitmap_; }
    void SetBitmap(TBitmap *value);

    void Assign(TPersistent *Source) override;

private:
    TColor color_ = clWhite;
    TBrushStyle style_ = bsSolid;
    TBitmap *bitmap_ = nullptr;
};
