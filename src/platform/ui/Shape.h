#pragma once
// TShape: a windowless rectangle, square, rounded rectangle or square, ellipse or circle, drawn
// with its Pen and filled with its Brush.

#include "platform/runtime/EnumNames.h"
#include "platform/ui/ControlsGraphicControl.h"
#include "platform/ui/GraphicsBrush.h"
#include "platform/ui/GraphicsPen.h"

#include <memory>

enum TShapeType { stRectangle, stSquare, stRoundRect, stRoundSquare, stEllipse, stCircle };
inline constexpr auto ShapeTypeNames =
    EnumNames<TShapeType>("stRectangle", "stSquare", "stRoundRect", "stRoundSquare", "stEllipse", "stCircle");

class TShape : public TGraphicControl {
    T_DECLARE_CLASS(TShape, TGraphicControl)

public:
    explicit TShape(TComponent *AOwner);
    ~TShape() override;

    TShapeType Shape() const { return FShape; }
    void SetShape(TShapeType value);
    TPen *Pen() const { return FPen.get(); }
    void SetPen(TPen *value) { FPen->Assign(value); }
    TBrush *Brush() const { return FBrush.get(); }
    void SetBrush(TBrush *value) { FBrush->Assign(value); }

protected:
    void Paint() override;

private:
    std::unique_ptr<TPen> FPen;
    std::unique_ptr<TBrush> FBrush;
    TShapeType FShape = stRectangle;
};
