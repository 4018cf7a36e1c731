#pragma once
// TFontDialog: lets the user choose a font; Execute answers whether one was chosen (in Font).

#include "platform/ui/Dialogs.h"
#include "platform/ui/GraphicsFont.h"

class TFontDialog : public TCommonDialog {
    T_DECLARE_CLASS(TFontDialog, TCommonDialog)

public:
    explicit TFontDialog(TComponent *AOwner);

    bool Execute() override;

    TFont *Font() { return &FFont; }
    const TFont *Font() const { return &FFont; }
    void SetFont(TFont *value) { FFont.Assign(value); }

private:
    TFont FFont;
};
