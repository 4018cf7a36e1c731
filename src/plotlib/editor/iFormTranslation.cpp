// The master manager's translation of a form's texts (the preview, its settings and the editor's
// sub-forms).

#include "plotlib/plot/iPlotMasterManager.h"

#include "platform/ui/Forms.h"
#include "platform/ui/MenuItem.h"
#include "platform/ui/Menus.h"
#include "plotlib/editor/iEditorBasicComponents.h"

void TiPlotMasterManager::TranslateForm(TCustomForm *Form)
{
    if (!Form || !FTranslationManager || FTranslationManager->Count() == 0)
        return;
    const auto translated = [this](const QString &text) { return FTranslationManager->FindReplacement(text); };
    auto translateItems = [&](TStrings *items) {
        for (int i = 0; i < items->Count(); ++i)
            items->Put(i, translated(items->Strings(i)));
    };
    Form->SetCaption(translated(Form->Caption()));
    for (int i = 0; i < Form->ComponentCount(); ++i) {
        TComponent *component = Form->Components(i);
        // A combo box shows its item: the items are translated and the choice kept.
        if (auto *combo = dynamic_cast<TiComponentEditorComboBox *>(component)) {
            const int index = combo->ItemIndex();
            translateItems(combo->Items());
            combo->SetAsInteger(index);
            continue;
        }
        // A check box's and a radio group's caption is their text.
        if (auto *control = dynamic_cast<TControl *>(component))
            control->SetText(translated(control->Text()));
        if (auto *group = dynamic_cast<TiComponentEditorRadioGroup *>(component))
            translateItems(group->Items());
        if (auto *menu = dynamic_cast<TPopupMenu *>(component))
            for (int j = 0; j < menu->Items()->Count(); ++j)
                menu->Items()->Items(j)->SetCaption(translated(menu->Items()->Items(j)->Caption()));
    }
}
