#include "platform/ui/ColorDialog.h"

#include "platform/runtime/ClassBuilder.h"
#include "platform/ui/GraphicsObject.h"
#include "platform/ui/ScriptedAnswers.h"

#include <QApplication>
#include <QColorDialog>

T_IMPLEMENT_CLASS(TColorDialog)
{
    b.Color("Color", &TColorDialog::Color, &TColorDialog::SetColor).Default(clBlack).Idents(ColorIdents());
}

TColorDialog::TColorDialog(TComponent *AOwner) : TCommonDialog(AOwner) {}

bool TColorDialog::Execute()
{
    DoShow();
    bool chosen = false;
    if (TScriptedAnswers *script = ScriptedAnswers()) {
        TColor color = FColor;
        chosen = script->ColorDialogShown(color);
        if (chosen)
            FColor = color;
    } else {
        const TColor rgb = ColorToRGB(FColor);
        QColorDialog dialog(QColor(GetRValue(rgb), GetGValue(rgb), GetBValue(rgb)), QApplication::activeWindow());
        dialog.setOption(QColorDialog::DontUseNativeDialog);
        const QColor picked = ExecDialog(dialog) == QDialog::Accepted ? dialog.selectedColor() : QColor();
        chosen = picked.isValid();
        if (chosen)
            FColor = RGB(picked.red(), picked.green(), picked.blue());
    }
    DoClose();
    return chosen;
}
