// The list box and the pickers of the editor controls: colour, font, open file, save file and
// value converter.

#include "plotlib/editor/iEditorBasicComponents.h"

#include "platform/runtime/ClassBuilder.h"
#include "platform/runtime/Exception.h"
#include "plotlib/base/iScopeExit.h"
#include "plotlib/editor/iDialogs.h"
#include "plotlib/editor/iValueConverterEditForm.h"

#include <memory>

T_IMPLEMENT_CLASS(TiComponentEditorListBox)
{
    using L = TiComponentEditorListBox;
    b.Enum("Style", &L::Style, &L::SetStyle, ListBoxStyleNames).Default(lbOwnerDrawFixed);
    b.Bool("Sorted", &L::Sorted, &L::SetSorted).Default(false);
    b.Event("OnGetData", &L::OnGetData);
    b.Event("OnItemMove", &L::OnItemMove);
    b.Enum("DragMode", &L::DragMode, &L::DragMode, DragModeNames).Default(dmAutomatic);
    b.Message(WM_GETDLGCODE, &L::WMGetDlgCode);
}

T_IMPLEMENT_CLASS(TiComponentEditorColorPicker)
{
    b.Event("OnChange", &TiComponentEditorColorPicker::OnChange);
    b.Message(WM_GETDLGCODE, &TiComponentEditorColorPicker::WMGetDlgCode);
}

T_IMPLEMENT_CLASS(TiComponentEditorFontPicker)
{
    b.Event("OnChange", &TiComponentEditorFontPicker::OnChange);
    b.Message(WM_GETDLGCODE, &TiComponentEditorFontPicker::WMGetDlgCode);
}

T_IMPLEMENT_CLASS(TiComponentEditorOpenPicker)
{
    using P = TiComponentEditorOpenPicker;
    b.Str("FileName", &P::FileName, &P::SetFileName);
    b.Str("Filter", &P::Filter, &P::SetFilter);
    b.Str("DefaultExt", &P::DefaultExt, &P::SetDefaultExt);
    b.Str("DefaultDir", &P::DefaultDir, &P::SetDefaultDir);
    b.Bool("FileMustExist", &P::FileMustExist, &P::SetFileMustExist).Default(false);
    b.Bool("AllowMultiSelect", &P::AllowMultiSelect, &P::SetAllowMultiSelect).Default(false);
    b.Event("OnChange", &P::OnChange);
    b.Bool("TabStop", &P::TabStop, &P::SetTabStop).Default(true);
    b.Message(WM_GETDLGCODE, &P::WMGetDlgCode);
}

T_IMPLEMENT_CLASS(TiComponentEditorSavePicker)
{
    using P = TiComponentEditorSavePicker;
    b.Str("FileName", &P::FileName, &P::SetFileName);
    b.Str("Filter", &P::Filter, &P::SetFilter);
    b.Int("FilterIndex", &P::FilterIndex, &P::SetFilterIndex).Default(0);
    b.Str("DefaultExt", &P::DefaultExt, &P::SetDefaultExt);
    b.Str("DefaultDir", &P::DefaultDir, &P::SetDefaultDir);
    b.Event("OnChange", &P::OnChange);
    b.Bool("TabStop", &P::TabStop, &P::SetTabStop).Default(true);
    b.Message(WM_GETDLGCODE, &P::WMGetDlgCode);
}

T_IMPLEMENT_CLASS(TiComponentEditorValueConverterPicker)
{
    using P = TiComponentEditorValueConverterPicker;
    b.Ref("Associate", &P::Associate, &P::SetAssociate);
    b.Float("DateTime", &P::DateTime, &P::SetDateTime);
    b.Event("OnChange", &P::OnChange);
    b.Bool("TabStop", &P::TabStop, &P::SetTabStop).Default(true);
    b.Enum("DefaultPage", &P::DefaultPage, &P::SetDefaultPage, iValueConverterPageTypeNames).Default(ivcptInterval);
    b.Event("TranslationMethod", &P::TranslationMethod);
}

namespace {

// The initial file name of the file pickers: a folder gets "Untitled".
QString InitialFileName(const QString &fileName)
{
    return fileName.endsWith(u'\\') || fileName.endsWith(u'/') ? fileName + QStringLiteral("Untitled") : fileName;
}

// The answer of the pickers and the list box to WM_GETDLGCODE: Tab and all keys are theirs.
constexpr LRESULT PickerDlgCode = 6;

}  // namespace

// ---- List box -----------------------------------------------------------------------------------

TiComponentEditorListBox::TiComponentEditorListBox(TComponent *AOwner) : TCustomListBox(AOwner)
{
    SetStyle(lbOwnerDrawFixed);
    DragMode = dmAutomatic;
}

void TiComponentEditorListBox::DrawItem(int index, const TRect &rect, TOwnerDrawState state)
{
    if (OnDrawItem) {
        inherited::DrawItem(index, rect, state);
        return;
    }
    bool drawColorBox = true;
    TColor color = 255;
    QString text = Items()->Strings(index);
    if (OnGetData)
        OnGetData(index, drawColorBox, color, text);
    TCanvas *canvas = Canvas();
    canvas->Brush()->SetStyle(bsSolid);
    const bool selected = state.Contains(odSelected);
    canvas->Brush()->SetColor(selected ? TColor(8421376) : clWindow);
    canvas->Font()->SetColor(selected ? clWhite : clBlack);
    canvas->FillRect(rect);
    if (drawColorBox) {
        canvas->TextOut(rect.Left + 22, rect.Top, text);
        canvas->Brush()->SetColor(color);
        canvas->Pen()->SetStyle(psSolid);
        canvas->Pen()->SetColor(clBlack);
        canvas->Rectangle(rect.Left + 2, rect.Top + 1, rect.Left + 18, rect.Bottom - 1);
    } else {
        canvas->TextOut(rect.Left + 2, rect.Top, text);
    }
}

void TiComponentEditorListBox::SelectLast()
{
    SetItemIndex(Count() - 1);
}

void TiComponentEditorListBox::DeleteSelectedObject()
{
    if (Count() == 0)
        return;
    const int index = ItemIndex();
    if (index < 0 || index >= Count())
        throw EStringListError(QStringLiteral("List index out of bounds (%1)").arg(index));
    std::unique_ptr<TObject> object(Items()->Objects(index));
    Items()->Delete(index);
    if (Count() > 0)
        SetItemIndex(index < Count() ? index : index - 1);
}

void TiComponentEditorListBox::DeleteObjectIndex(TObject *AObject)
{
    const int found = Items()->IndexOfObject(AObject);
    if (found < 0)
        return;
    const int selected = ItemIndex();
    Items()->Delete(found);
    if (Count() > 0)
        SetItemIndex(selected < Count() ? selected : Count() - 1);
}

bool TiComponentEditorListBox::DragOver(TObject *Source, int, int)
{
    return Source == this;
}

void TiComponentEditorListBox::DragDrop(TObject *Source, int, int Y)
{
    if (Source != this || Count() == 0 || ItemIndex() < 0)
        return;
    const int itemHeight = std::max(ItemHeight(), 1);
    const int target = std::min((Y + TopIndex() * itemHeight) / itemHeight, Count() - 1);
    if (target == ItemIndex())
        return;
    Items()->Move(ItemIndex(), target);
    SetItemIndex(target);
    if (OnItemMove)
        OnItemMove(this);
}

void TiComponentEditorListBox::MouseDown(TMouseButton button, TShiftState shift, int x, int y)
{
    inherited::MouseDown(button, shift, x, y);
    if (button == mbLeft && DragMode == dmAutomatic && ItemAtPos(TPoint(x, y), true) >= 0)
        FDragStartY = y;
}

void TiComponentEditorListBox::MouseUp(TMouseButton button, TShiftState shift, int x, int y)
{
    inherited::MouseUp(button, shift, x, y);
    const int start = FDragStartY;
    FDragStartY = -1;
    // A press on an item released on another one (within the list) drops it there.
    if (button == mbLeft && start >= 0 && std::abs(y - start) >= ItemHeight() / 2 && x >= 0 && x < Width() && y >= 0 &&
        y < Height() && DragOver(this, x, y))
        DragDrop(this, x, y);
}

void TiComponentEditorListBox::KeyPress(QChar &key)
{
    iEditorTabNavigation(this, key);
    inherited::KeyPress(key);
}

void TiComponentEditorListBox::WMGetDlgCode(TMessage &m)
{
    m.Result = PickerDlgCode;
}

// ---- Colour picker ------------------------------------------------------------------------------

TiComponentEditorColorPicker::TiComponentEditorColorPicker(TComponent *AOwner)
    : TCustomControl(AOwner), FButton(new TButton(this))
{
    SetControlStyle(TControlStyle{csCaptureMouse, csClickEvents, csOpaque, csDoubleClicks, csReplicatable});
    FButton->SetParent(this);
    FButton->SetCaption(QStringLiteral("..."));
    FButton->Font()->SetStyle(TFontStyles{fsBold});
    FButton->OnClick = [this](TObject *) { Pick(); };
    SetBounds(Left(), Top(), 47, 21);
}

void TiComponentEditorColorPicker::SetBounds(int ALeft, int ATop, int AWidth, int AHeight)
{
    inherited::SetBounds(ALeft, ATop, AWidth, AHeight);
    if (FButton)
        FButton->SetBounds(AWidth - 21, 0, 21, AHeight);
}

void TiComponentEditorColorPicker::SetColor(TColor Value)
{
    if (Value == FColor)
        return;
    FColor = Value;
    Invalidate();
}

void TiComponentEditorColorPicker::Paint()
{
    TCanvas *canvas = Canvas();
    canvas->Brush()->SetStyle(bsSolid);
    canvas->Brush()->SetColor(Enabled() ? FColor : clBtnFace);
    canvas->Pen()->SetStyle(psSolid);
    canvas->Pen()->SetColor(clBlack);
    canvas->Rectangle(0, 0, Width() - FButton->Width() - 1, Height());
}

void TiComponentEditorColorPicker::Pick()
{
    auto dialog = std::make_unique<TiColorDialog>(this);
    dialog->SetColor(FColor);
    if (!dialog->Execute())
        return;
    FColor = dialog->Color();
    iEditorUserChange(this);
    Invalidate();
    if (OnChange)
        OnChange(this);
}

void TiComponentEditorColorPicker::DblClick()
{
    inherited::DblClick();
    Pick();
}

void TiComponentEditorColorPicker::Disable()
{
    SetEnabled(false);
    FButton->SetEnabled(false);
    Invalidate();
}

void TiComponentEditorColorPicker::Enable()
{
    SetEnabled(true);
    FButton->SetEnabled(true);
    Invalidate();
}

void TiComponentEditorColorPicker::KeyPress(QChar &key)
{
    iEditorTabNavigation(this, key);
    inherited::KeyPress(key);
}

void TiComponentEditorColorPicker::WMGetDlgCode(TMessage &m)
{
    m.Result = PickerDlgCode;
}

// ---- Font picker --------------------------------------------------------------------------------

TiComponentEditorFontPicker::TiComponentEditorFontPicker(TComponent *AOwner)
    : TiComponentEditorButton(AOwner), FFont(std::make_unique<TFont>())
{
    SetCaption(QStringLiteral("Font"));
    SetBounds(Left(), Top(), 75, 25);
}

void TiComponentEditorFontPicker::Click()
{
    inherited::Click();
    auto dialog = std::make_unique<TiFontDialog>(this);
    dialog->SetFont(FFont.get());
    if (!dialog->Execute())
        return;
    FFont->Assign(dialog->Font());
    iEditorUserChange(this);
    Invalidate();
    if (OnChange)
        OnChange(this);
}

void TiComponentEditorFontPicker::WMGetDlgCode(TMessage &m)
{
    m.Result = PickerDlgCode;
}

// ---- Open picker --------------------------------------------------------------------------------

TiComponentEditorOpenPicker::TiComponentEditorOpenPicker(TComponent *AOwner)
    : TiComponentEditorButton(AOwner), FFiles(std::make_unique<TStringList>())
{
    SetCaption(QStringLiteral("Open"));
    SetBounds(Left(), Top(), 75, 25);
    SetTabStop(true);
}

void TiComponentEditorOpenPicker::Click()
{
    inherited::Click();
    auto dialog = std::make_unique<TiOpenDialog>(this);
    dialog->SetFileMustExist(FFileMustExist);
    dialog->SetFileName(InitialFileName(FFileName));
    dialog->SetFilter(FFilter);
    dialog->SetDefaultExt(FDefaultExt);
    dialog->SetDefaultDir(FDefaultDir);
    FDefaultDirUsed = true;
    dialog->SetAllowMultiSelect(FAllowMultiSelect);
    if (!dialog->Execute())
        return;
    FFileName = dialog->FileName();
    FFiles->Assign(dialog->Files());
    iEditorUserChange(this);
    Invalidate();
    if (OnChange)
        OnChange(this);
}

void TiComponentEditorOpenPicker::WMGetDlgCode(TMessage &m)
{
    m.Result = PickerDlgCode;
}

// ---- Save picker --------------------------------------------------------------------------------

TiComponentEditorSavePicker::TiComponentEditorSavePicker(TComponent *AOwner) : TiComponentEditorButton(AOwner)
{
    SetCaption(QStringLiteral("Save"));
    SetBounds(Left(), Top(), 75, 25);
    SetTabStop(true);
}

bool TiComponentEditorSavePicker::Execute()
{
    auto dialog = std::make_unique<TiSaveDialog>(this);
    dialog->SetFileName(InitialFileName(FFileName));
    dialog->SetFilter(FFilter);
    dialog->SetFilterIndex(FFilterIndex);
    dialog->SetDefaultExt(FDefaultExt);
    // The folder only the first time: later the dialog stays where the user last was.
    if (!FDefaultDirUsed) {
        dialog->SetDefaultDir(FDefaultDir);
        FDefaultDirUsed = true;
    }
    if (!dialog->Execute())
        return false;
    FFileName = dialog->FileName();
    iEditorUserChange(this);
    Invalidate();
    if (OnChange)
        OnChange(this);
    return true;
}

void TiComponentEditorSavePicker::Click()
{
    inherited::Click();
    Execute();
}

void TiComponentEditorSavePicker::WMGetDlgCode(TMessage &m)
{
    m.Result = PickerDlgCode;
}

// ---- Value converter picker ---------------------------------------------------------------------

TiComponentEditorValueConverterPicker::TiComponentEditorValueConverterPicker(TComponent *AOwner)
    : TiComponentEditorButton(AOwner)
{
    SetCaption(QStringLiteral("..."));
    SetBounds(Left(), Top(), 21, 21);
    SetTabStop(true);
}

TiComponentEditorValueConverterPicker::~TiComponentEditorValueConverterPicker()
{
    SetAssociate(nullptr);
}

void TiComponentEditorValueConverterPicker::SetAssociate(TiComponentEditorEdit *Value)
{
    iSetEditorAssociate(this, FAssociate, Value);
}

void TiComponentEditorValueConverterPicker::Notification(TComponent *AComponent, TOperation Operation)
{
    inherited::Notification(AComponent, Operation);
    if (Operation == opRemove && AComponent == FAssociate)
        FAssociate = nullptr;
}

void TiComponentEditorValueConverterPicker::Click()
{
    inherited::Click();
    auto form = std::make_unique<TiValueConverterEditForm>(this);
    TTabSheet *pages[] = {form->IntervalTabSheet, form->DateTimeTabSheet, form->Price32TabSheet};
    form->PageControl->SetActivePage(pages[FDefaultPage]);
    if (TranslationMethod)
        TranslationMethod(form.get());
    form->SetValue(FAssociate ? FAssociate->AsFloat() : FDateTime);
    if (form->ShowModal() != mrOk)
        return;
    FDateTime = form->Value();
    if (FAssociate)
        FAssociate->SetDoubleWithEvent(FDateTime);
    if (OnChange)
        OnChange(this);
}
