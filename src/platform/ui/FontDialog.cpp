#include "platform/ui/FontDialog.h"

#include "platform/runtime/ClassBuilder.h"
#include "platform/ui/ScriptedAnswers.h"

#include <QApplication>
#include <QFontDialog>

T_IMPLEMENT_CLASS(TFontDialog)
{
    b.Object("Font", [](const TFontDialog &d) { return d.Font(); }, &TFontDialog::SetFont);
}

TFontDialog::TFontDialog(TComponent *AOwner) : TCommonDialog(AOwner) {}

bool TFontDialog::Execute()
{
    DoShow();
    bool chosen = false;
    if (TScriptedAnswers *script = ScriptedAnswers()) {
        TFont font;
        font.Assign(&FFont);
        chosen = script->FontDialogShown(font);
        if (chosen)
            FFont.Assign(&font);
    } else {
        QFontDialog dialog(FFont.NativeFont(), QApplication::activeWindow());
        dialog.setOption(QFontDialog::DontUseNativeDialog);
        chosen = ExecDialog(dialog) == QDialog::Accepted;
        const QFont picked = dialog.selectedFont();
        if (chosen) {
            FFont.SetName(picked.family());
            if (picked.pointSize() > 0)
                FFont.SetSize(picked.pointSize());
            TFontStyles style;
            if (picked.bold())
                style << fsBold;
            if (picked.italic())
                style << fsItalic;
            if (picked.underline())
                style << fsUnderline;
            if (picked.strikeOut())
                style << fsStrikeOut;
            FFont.SetStyle(style);
        }
    }
    DoClose();
    return chosen;
}
