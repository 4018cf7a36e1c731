#pragma once
// TSpeedButton: a windowless button with a glyph and a caption. With a GroupIndex it stays down
// when clicked and releases the other down button of its group on the same parent (AllowAllUp lets
// a click release it again). Writing Down by code fires nothing; a click by the user fires OnClick.

#include "platform/ui/Bitmap.h"
#include "platform/ui/Buttons.h"
#include "platform/ui/ControlsGraphicControl.h"

#include <memory>

class TSpeedButton : public TGraphicControl {
    T_DECLARE_CLASS(TSpeedButton, TGraphicControl)

public:
    explicit TSpeedButton(TComponent *AOwner);
    ~TSpeedButton() override;

    bool AllowAllUp() const { return FAllowAllUp; }
    void SetAllowAllUp(bool value);
    int GroupIndex() const { return FGroupIndex; }
    void SetGroupIndex(int value);
    bool Down() const { return FDown; }
    void SetDown(bool value);
    bool Flat() const { return FFlat; }
    void SetFlat(bool value);
    TBitmap *Glyph() const { return FGlyph.get(); }
    void SetGlyph(TBitmap *value) { FGlyph->Assign(value); }
    TNumGlyphs NumGlyphs() const { return FNumGlyphs; }
    void SetNumGlyphs(TNumGlyphs value);
    TButtonLayout Layout() const { return FLayout; }
    void SetLayout(TButtonLayout value);
    int Margin() const { return FMargin; }
    void SetMargin(int value);
    int Spacing() const { return FSpacing; }
    void SetSpacing(int value);
    TButtonState State() const { return FState; }

protected:  // message handlers, registered by number in the class description
    void CMButtonPressed(TMessage &m);
    void CMTextChanged(TMessage &m);

protected:
    void Paint() override;
    void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
    void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;
    void MouseEnter() override;
    void MouseLeave() override;
    void UpdateExclusive();

private:
    std::unique_ptr<TBitmap> FGlyph;
    bool FAllowAllUp = false;
    int FGroupIndex = 0;
    bool FDown = false;
    bool FFlat = false;
    bool FMouseInControl = false;
    bool FDragging = false;
    TNumGlyphs FNumGlyphs = 1;
    TButtonLayout FLayout = blGlyphLeft;
    int FMargin = -1;
    int FSpacing = 4;
    TButtonState FState = bsUp;
};
