#pragma once
// TColorDialog: lets the user choose a colour; Execute answers whether one was chosen (in Color).

#include "platform/runtime/Colors.h"
#include "platform/ui/Dialogs.h"

class TColorDialog : public TCommonDialog {
    T_DECLARE_CLASS(TColorDialog, TCommonDialog)

public:
    explicit TColorDialog(TComponent *AOwner);

    bool Execute() override;

    TColor Color() const { return FColor; }
    void SetColor(TColor value) { FColor = value; }

private:
    TColor FColor = clBlack;
};
