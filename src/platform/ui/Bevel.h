#pragma once
// TBevel: a windowless lowered or raised box, frame or single line (top, bottom, left, right).

#include "platform/runtime/EnumNames.h"
#include "platform/ui/ControlsGraphicControl.h"

enum TBevelStyle { bsLowered, bsRaised };
inline constexpr auto BevelStyleNames = EnumNames<TBevelStyle>("bsLowered", "bsRaised");
enum TBevelShape { bsBox, bsFrame, bsTopLine, bsBottomLine, bsLeftLine, bsRightLine, bsSpacer };
inline constexpr auto BevelShapeNames =
    EnumNames<TBevelShape>("bsBox", "bsFrame", "bsTopLine", "bsBottomLine", "bsLeftLine", "bsRightLine", "bsSpacer");

class TBevel : public TGraphicControl {
    T_DECLARE_CLASS(TBevel, TGraphicControl)

public:
    explicit TBevel(TComponent *AOwner);

    TBevelShape Shape() const { return FShape; }
    void SetShape(TBevelShape value);
    TBevelStyle Style() const { return FStyle; }
    void SetStyle(TBevelStyle value);

protected:
    void Paint() override;

private:
    TBevelShape FShape = bsBox;
    TBevelStyle FStyle = bsLowered;
};
