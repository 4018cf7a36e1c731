// The plot editor's rows: controls loaded from and stored into published properties by name, and
// the enabling of a page's controls.

#include "plotlib/editor/iPlotEditor.h"

#include "platform/runtime/TypInfo.h"
#include "platform/ui/GraphicsFont.h"

namespace {

// The published property of that name with both accessors of its kind, or nullptr.
const TPropInfo *Property(const TObject *Object, const char *Name)
{
    return GetPropInfo(Object, QString::fromLatin1(Name));
}

// The item index to show for an ordinal: none when the list has no such item.
int ItemIndexOf(std::int64_t Ordinal, int Count)
{
    return Ordinal >= 0 && Ordinal < Count ? static_cast<int>(Ordinal) : -1;
}

}  // namespace

template <class Step>
void TiPlotEditorForm::ForEachRow(std::span<const TiEditorRow> Rows, const TObject *Object, Step &&Apply) const
{
    for (const TiEditorRow &row : Rows) {
        const TPropInfo *prop = Property(Object, row.Property);
        TComponent *control = FComponents.value(QString::fromLatin1(row.Control).toLower());
        if (prop && control)
            Apply(row.Kind, prop, control);
    }
}

void TiPlotEditorForm::LoadRows(std::span<const TiEditorRow> Rows, TObject *Object)
{
    ForEachRow(Rows, Object, [Object](TiEditorKind Kind, const TPropInfo *prop, TComponent *control) {
        switch (Kind) {
        case TiEditorKind::Text:
            if (auto *edit = dynamic_cast<TiComponentEditorEdit *>(control))
                edit->SetAsString(prop->GetStr(*Object));
            break;
        case TiEditorKind::Integer:
            if (auto *edit = dynamic_cast<TiComponentEditorEdit *>(control))
                edit->SetAsInteger(static_cast<int>(prop->GetOrd(*Object)));
            break;
        case TiEditorKind::Number:
            if (auto *edit = dynamic_cast<TiComponentEditorEdit *>(control))
                edit->SetAsFloat(prop->GetFloat(*Object));
            break;
        case TiEditorKind::Check:
            if (auto *check = dynamic_cast<TiComponentEditorCheckBox *>(control))
                check->SetAsBoolean(prop->GetOrd(*Object) != 0);
            break;
        case TiEditorKind::List:
            if (auto *combo = dynamic_cast<TiComponentEditorComboBox *>(control))
                combo->SetAsInteger(ItemIndexOf(prop->GetOrd(*Object), combo->Items()->Count()));
            break;
        case TiEditorKind::EditableList:
            if (auto *combo = dynamic_cast<TiComponentEditorComboBox *>(control))
                combo->SetAsString(prop->GetStr(*Object));
            break;
        case TiEditorKind::NameList:
            // A name no item carries leaves the list without a choice.
            if (auto *combo = dynamic_cast<TiComponentEditorComboBox *>(control))
                combo->SetAsInteger(combo->Items()->IndexOf(prop->GetStr(*Object)));
            break;
        case TiEditorKind::Radio:
            if (auto *radio = dynamic_cast<TiComponentEditorRadioGroup *>(control))
                radio->SetAsInteger(ItemIndexOf(prop->GetOrd(*Object), radio->Items()->Count()));
            break;
        case TiEditorKind::Colour:
            if (auto *picker = dynamic_cast<TiComponentEditorColorPicker *>(control))
                picker->SetColor(static_cast<TColor>(prop->GetOrd(*Object)));
            break;
        case TiEditorKind::Font:
            if (auto *picker = dynamic_cast<TiComponentEditorFontPicker *>(control))
                if (auto *font = dynamic_cast<TFont *>(prop->GetObject(*Object)))
                    picker->SetFont(font);
            break;
        }
    });
}

void TiPlotEditorForm::StoreRows(std::span<const TiEditorRow> Rows, TObject *Object)
{
    ForEachRow(Rows, Object, [Object](TiEditorKind Kind, const TPropInfo *prop, TComponent *control) {
        switch (Kind) {
        case TiEditorKind::Text:
            if (auto *edit = dynamic_cast<TiComponentEditorEdit *>(control); edit && prop->SetStr)
                prop->SetStr(*Object, edit->AsString());
            break;
        case TiEditorKind::Integer:
            if (auto *edit = dynamic_cast<TiComponentEditorEdit *>(control); edit && prop->SetOrd)
                prop->SetOrd(*Object, edit->AsInteger());
            break;
        case TiEditorKind::Number:
            if (auto *edit = dynamic_cast<TiComponentEditorEdit *>(control); edit && prop->SetFloat)
                prop->SetFloat(*Object, edit->AsFloat());
            break;
        case TiEditorKind::Check:
            if (auto *check = dynamic_cast<TiComponentEditorCheckBox *>(control); check && prop->SetOrd)
                prop->SetOrd(*Object, check->AsBoolean() ? 1 : 0);
            break;
        case TiEditorKind::List:
            // Without a choice there is no ordinal to write: the property keeps its value.
            if (auto *combo = dynamic_cast<TiComponentEditorComboBox *>(control);
                combo && prop->SetOrd && combo->AsInteger() >= 0)
                prop->SetOrd(*Object, combo->AsInteger());
            break;
        case TiEditorKind::EditableList:
        case TiEditorKind::NameList:
            if (auto *combo = dynamic_cast<TiComponentEditorComboBox *>(control); combo && prop->SetStr)
                prop->SetStr(*Object, combo->AsString());
            break;
        case TiEditorKind::Radio:
            if (auto *radio = dynamic_cast<TiComponentEditorRadioGroup *>(control);
                radio && prop->SetOrd && radio->AsInteger() >= 0)
                prop->SetOrd(*Object, radio->AsInteger());
            break;
        case TiEditorKind::Colour:
            if (auto *picker = dynamic_cast<TiComponentEditorColorPicker *>(control); picker && prop->SetOrd)
                prop->SetOrd(*Object, picker->Color());
            break;
        case TiEditorKind::Font:
            if (auto *picker = dynamic_cast<TiComponentEditorFontPicker *>(control))
                if (auto *font = dynamic_cast<TFont *>(prop->GetObject(*Object)))
                    font->Assign(picker->Font());
            break;
        }
    });
}

void TiPlotEditorForm::EnableControls(std::span<const char *const> Names, bool Enabled)
{
    auto apply = [Enabled](auto *control) {
        if (Enabled)
            control->Enable();
        else
            control->Disable();
    };
    for (const char *name : Names) {
        TComponent *component = FComponents.value(QString::fromLatin1(name).toLower());
        if (auto *edit = dynamic_cast<TiComponentEditorEdit *>(component))
            apply(edit);
        else if (auto *combo = dynamic_cast<TiComponentEditorComboBox *>(component))
            apply(combo);
        else if (auto *check = dynamic_cast<TiComponentEditorCheckBox *>(component))
            apply(check);
        else if (auto *radio = dynamic_cast<TiComponentEditorRadioGroup *>(component))
            apply(radio);
        else if (auto *colour = dynamic_cast<TiComponentEditorColorPicker *>(component))
            apply(colour);
        else if (auto *font = dynamic_cast<TiComponentEditorFontPicker *>(component))
            apply(font);
        else if (auto *arrows = dynamic_cast<TiUpDown *>(component))
            apply(arrows);
        else if (auto *control = dynamic_cast<TControl *>(component))
            control->SetEnabled(Enabled);
    }
}
