// The frame of the plot editor: the object lists and their pages, adding and removing objects, the
// name lists, the menu of the layout schematic, activation and the master manager's link.

#include "plotlib/editor/iPlotEditor.h"

#include "platform/runtime/ClassBuilder.h"
#include "platform/runtime/TypInfo.h"
#include "plotlib/plot/iPlotComponent.h"

T_IMPLEMENT_CLASS(TiPlotEditorForm)
{
    using F = TiPlotEditorForm;
    b.Handler("FormCreate", &F::FormCreate);
    b.Handler("iCustomEditorFormClose", &F::iCustomEditorFormClose);
    b.Handler("ToolBarListBoxClick", &F::ToolBarListBoxClick);
    b.Handler("LegendListBoxClick", &F::LegendListBoxClick);
    b.Handler("TableListBoxClick", &F::TableListBoxClick);
    b.Handler("XAxisListBoxClick", &F::XAxisListBoxClick);
    b.Handler("YAxisListBoxClick", &F::YAxisListBoxClick);
    b.Handler("DataViewListBoxClick", &F::DataViewListBoxClick);
    b.Handler("ChannelListBoxClick", &F::ChannelListBoxClick);
    b.Handler("DataCursorListBoxClick", &F::DataCursorListBoxClick);
    b.Handler("LimitListBoxClick", &F::LimitListBoxClick);
    b.Handler("LabelListBoxClick", &F::LabelListBoxClick);
    b.Handler("ToolBarListBoxGetData", &F::ToolBarListBoxGetData);
    b.Handler("LegendListBoxGetData", &F::LegendListBoxGetData);
    b.Handler("TableListBoxGetData", &F::TableListBoxGetData);
    b.Handler("XAxisListBoxGetData", &F::XAxisListBoxGetData);
    b.Handler("YAxisListBoxGetData", &F::YAxisListBoxGetData);
    b.Handler("DataViewListBoxGetData", &F::DataViewListBoxGetData);
    b.Handler("ChannelListBoxGetData", &F::ChannelListBoxGetData);
    b.Handler("DataCursorListBoxGetData", &F::DataCursorListBoxGetData);
    b.Handler("LimitListBoxGetData", &F::LimitListBoxGetData);
    b.Handler("LabelListBoxGetData", &F::LabelListBoxGetData);
    b.Handler("iChannelAddButtonClick", &F::iChannelAddButtonClick);
    b.Handler("iDataCursorAddButtonClick", &F::iDataCursorAddButtonClick);
    b.Handler("iLimitAddButtonClick", &F::iLimitAddButtonClick);
    b.Handler("iLabelAddButtonClick", &F::iLabelAddButtonClick);
    b.Handler("XAxesAddButtonClick", &F::XAxesAddButtonClick);
    b.Handler("YAxesAddButtonClick", &F::YAxesAddButtonClick);
    b.Handler("iTableAddButtonClick", &F::iTableAddButtonClick);
    b.Handler("ChannelRemoveButtonClick", &F::ChannelRemoveButtonClick);
    b.Handler("DataCursorRemoveButtonClick", &F::DataCursorRemoveButtonClick);
    b.Handler("LimitRemoveButtonClick", &F::LimitRemoveButtonClick);
    b.Handler("LabelRemoveButtonClick", &F::LabelRemoveButtonClick);
    b.Handler("XAxisRemoveButtonClick", &F::XAxisRemoveButtonClick);
    b.Handler("YAxisRemoveButtonClick", &F::YAxisRemoveButtonClick);
    b.Handler("TableRemoveButtonClick", &F::TableRemoveButtonClick);
    b.Handler("XAxisNameComboBoxDropDown", &F::XAxisNameComboBoxDropDown);
    b.Handler("YAxisNameComboBoxDropDown", &F::YAxisNameComboBoxDropDown);
    b.Handler("DataViewGridXAxisNameComboBoxDropDown", &F::DataViewGridXAxisNameComboBoxDropDown);
    b.Handler("DataViewGridYAxisNameComboBoxDropDown", &F::DataViewGridYAxisNameComboBoxDropDown);
    b.Handler("ChannelNameComboBoxDropDown", &F::ChannelNameComboBoxDropDown);
    b.Handler("DataCursorChannelNameComboBoxDropDown", &F::DataCursorChannelNameComboBoxDropDown);
    b.Handler("iPlotLayoutViewerMouseDown", &F::iPlotLayoutViewerMouseDown);
    b.Handler("iPlotLayoutViewerChange", &F::iPlotLayoutViewerChange);
    b.Handler("LayoutPopupMenuPopup", &F::LayoutPopupMenuPopup);
    b.Handler("XYAxesReverseMenuItemClick", &F::XYAxesReverseMenuItemClick);
    b.Handler("AddXAxisMenuItemClick", &F::AddXAxisMenuItemClick);
    b.Handler("AddYAxisMenuItemClick", &F::AddYAxisMenuItemClick);
    b.Handler("AddLabelMenuItemClick", &F::AddLabelMenuItemClick);
    b.Handler("DeleteMenuItemClick", &F::DeleteMenuItemClick);
    b.Handler("VisibleMenuItemClick", &F::VisibleMenuItemClick);
    b.Handler("EditMenuItemClick", &F::EditMenuItemClick);
    b.Handler("ToolBarChange", &F::ToolBarChange);
    b.Handler("LegendChange", &F::LegendChange);
    b.Handler("TableChange", &F::TableChange);
    b.Handler("XAxisChange", &F::XAxisChange);
    b.Handler("YAxisChange", &F::YAxisChange);
    b.Handler("DataViewChange", &F::DataViewChange);
    b.Handler("ChannelChange", &F::ChannelChange);
    b.Handler("DataCursorChange", &F::DataCursorChange);
    b.Handler("LimitChange", &F::LimitChange);
    b.Handler("LabelChange", &F::LabelChange);
    b.Handler("XAxisCursorCopyDefaultButtonClick", &F::XAxisCursorCopyDefaultButtonClick);
    b.Handler("XAxisLegendCopyDefaultButtonClick", &F::XAxisLegendCopyDefaultButtonClick);
    b.Handler("YAxisCursorCopyDefaultButtonClick", &F::YAxisCursorCopyDefaultButtonClick);
    b.Handler("YAxisLegendCopyDefaultButtonClick", &F::YAxisLegendCopyDefaultButtonClick);
    b.Handler("ChannelStatsRefreshButtonClick", &F::ChannelStatsRefreshButtonClick);
    b.Handler("ChannelPropertiesOpenPickerChange", &F::ChannelPropertiesOpenPickerChange);
    b.Handler("ChannelPropertiesSavePickerChange", &F::ChannelPropertiesSavePickerChange);
    b.Handler("ChannelDataOpenPickerChange", &F::ChannelDataOpenPickerChange);
    b.Handler("ChannelDataSavePickerChange", &F::ChannelDataSavePickerChange);
    b.Handler("ChannelLogFileNamePickerChange", &F::ChannelLogFileNamePickerChange);
    b.Handler("ChannelLogActivateButtonClick", &F::ChannelLogActivateButtonClick);
    b.Handler("ChannelLogDeactivateButtonClick", &F::ChannelLogDeactivateButtonClick);
    b.Handler("GeneralChanged", &F::GeneralChanged);
    b.Handler("TitleChange", &F::TitleChange);
    b.Handler("ControlPropertiesOpenPickerChange", &F::ControlPropertiesOpenPickerChange);
    b.Handler("ControlPropertiesSavePickerChange", &F::ControlPropertiesSavePickerChange);
    b.Handler("ControlDataOpenPickerChange", &F::ControlDataOpenPickerChange);
    b.Handler("ControlDataSavePickerChange", &F::ControlDataSavePickerChange);
    b.Handler("ControlAnnotationOpenPickerChange", &F::ControlAnnotationOpenPickerChange);
    b.Handler("ControlAnnotationSavePickerChange", &F::ControlAnnotationSavePickerChange);
    b.Handler("ControlLogFileNamePickerChange", &F::ControlLogFileNamePickerChange);
    b.Handler("ControlLogActivateButtonClick", &F::ControlLogActivateButtonClick);
    b.Handler("ControlLogDeactivateButtonClick", &F::ControlLogDeactivateButtonClick);
    b.Field("PageControl", &F::PageControl);
    b.Field("iPlotLayoutViewer", &F::iPlotLayoutViewer);
    b.Field("LayoutPopupMenu", &F::LayoutPopupMenu);
    b.Field("XYAxesReverseMenuItem", &F::XYAxesReverseMenuItem);
    b.Field("AddXAxisMenuItem", &F::AddXAxisMenuItem);
    b.Field("AddYAxisMenuItem", &F::AddYAxisMenuItem);
    b.Field("AddLabelMenuItem", &F::AddLabelMenuItem);
    b.Field("DeleteMenuItem", &F::DeleteMenuItem);
    b.Field("VisibleMenuItem", &F::VisibleMenuItem);
    b.Field("EditMenuItem", &F::EditMenuItem);
    b.Field("ToolBarListBox", &F::ToolBarListBox);
    b.Field("LegendListBox", &F::LegendListBox);
    b.Field("TableListBox", &F::TableListBox);
    b.Field("XAxisListBox", &F::XAxisListBox);
    b.Field("YAxisListBox", &F::YAxisListBox);
    b.Field("DataViewListBox", &F::DataViewListBox);
    b.Field("ChannelListBox", &F::ChannelListBox);
    b.Field("DataCursorListBox", &F::DataCursorListBox);
    b.Field("LimitListBox", &F::LimitListBox);
    b.Field("LabelListBox", &F::LabelListBox);
    b.Field("iChannelAddButton", &F::iChannelAddButton);
    b.Field("ChannelRemoveButton", &F::ChannelRemoveButton);
    b.Field("LabelRemoveButton", &F::LabelRemoveButton);
    b.Message(CM_PLOTEDITORREFRESH, &F::CMRefreshAfterRemoval);
}

namespace {

// Each object kind with a page: how to tell it, its list, its tab sheet and its loader.
struct KindPage {
    bool (*Is)(const TObject *);
    TiComponentEditorListBox *TiPlotEditorForm::*List;
    const char *Sheet;
    void (TiPlotEditorForm::*Load)();
};

template <class T>
bool IsA(const TObject *Object)
{
    return dynamic_cast<const T *>(Object) != nullptr;
}

const KindPage KindPages[] = {
    {IsA<TiPlotToolBar>, &TiPlotEditorForm::ToolBarListBox, "ToolBarTabSheet", &TiPlotEditorForm::UpdateToolBarEdit},
    {IsA<TiPlotLegend>, &TiPlotEditorForm::LegendListBox, "LegendTabSheet", &TiPlotEditorForm::UpdateLegendEdit},
    {IsA<TiPlotTable>, &TiPlotEditorForm::TableListBox, "TablesTabSheet", &TiPlotEditorForm::UpdateTableEdit},
    {IsA<TiPlotXAxis>, &TiPlotEditorForm::XAxisListBox, "XAxesTabSheet", &TiPlotEditorForm::UpdateXAxesEdit},
    {IsA<TiPlotYAxis>, &TiPlotEditorForm::YAxisListBox, "YAxesTabSheet", &TiPlotEditorForm::UpdateYAxesEdit},
    {IsA<TiPlotDataView>, &TiPlotEditorForm::DataViewListBox, "DataViewTabSheet",
     &TiPlotEditorForm::UpdateDataViewEdit},
    {IsA<TiPlotChannelCustom>, &TiPlotEditorForm::ChannelListBox, "ChannelsTabSheet",
     &TiPlotEditorForm::UpdateChannelEdit},
    {IsA<TiPlotDataCursor>, &TiPlotEditorForm::DataCursorListBox, "DataCursorTabSheet",
     &TiPlotEditorForm::UpdateDataCursorEdit},
    {IsA<TiPlotLimit>, &TiPlotEditorForm::LimitListBox, "LimitTabSheet", &TiPlotEditorForm::UpdateLimitEdit},
    {IsA<TiPlotLabel>, &TiPlotEditorForm::LabelListBox, "LabelsTabSheet", &TiPlotEditorForm::UpdateLabelEdit},
};

const KindPage *KindPageOf(const TObject *Object)
{
    for (const KindPage &kind : KindPages)
        if (kind.Is(Object))
            return &kind;
    return nullptr;
}

}  // namespace

// ---- Life ---------------------------------------------------------------------------------------

TiPlotEditorForm::TiPlotEditorForm(TComponent *AOwner) : TiCustomEditorForm(AOwner)
{
    InitializeForm();
    for (int i = 0; i < ComponentCount(); ++i)
        FComponents.insert(Components(i)->Name().toLower(), Components(i));
}

TiPlotEditorForm::~TiPlotEditorForm()
{
    if (TiPlotComponent *plot = Plot(); plot && plot->OnAfterCloseEditor)
        plot->OnAfterCloseEditor(this);
    if (Master)
        Master->EditorFormDestroyed(this);
}

TiPlotComponent *TiPlotEditorForm::Plot() const
{
    return dynamic_cast<TiPlotComponent *>(Master ? Master->Owner() : PlotComponent);
}

void TiPlotEditorForm::FormCreate(TObject *)
{
    SetBorderStyle(bsDialog);
}

void TiPlotEditorForm::iCustomEditorFormClose(TObject *, TCloseAction &)
{
    FIsClosing = true;
}

void TiPlotEditorForm::Activate()
{
    inherited::Activate();
    if (FormStyle() == fsStayOnTop)
        UpdateAll();
}

void TiPlotEditorForm::SetFormTranslationMethod(const TFormTranslationMethod &Method)
{
    for (int i = 0; i < ComponentCount(); ++i)
        if (auto *picker = dynamic_cast<TiComponentEditorValueConverterPicker *>(Components(i)))
            picker->TranslationMethod = Method;
}

QString TiPlotEditorForm::Translated(const QString &Text) const
{
    TiPlotTranslationManager *translations = Master ? Master->TranslationManager() : nullptr;
    return translations ? translations->FindReplacement(Text) : Text;
}

// ---- Lists and pages ----------------------------------------------------------------------------

TiPlotObject *TiPlotEditorForm::Selected(const TiComponentEditorListBox *List)
{
    if (!List)
        return nullptr;
    const int index = List->ItemIndex();
    if (index < 0 || index >= List->Count())
        return nullptr;
    return static_cast<TiPlotObject *>(List->Items()->Objects(index));
}

TiComponentEditorListBox *TiPlotEditorForm::ListOf(const TObject *Object) const
{
    const KindPage *kind = KindPageOf(Object);
    return kind ? this->*kind->List : nullptr;
}

void TiPlotEditorForm::LoadPageOf(const TObject *Object)
{
    if (const KindPage *kind = KindPageOf(Object))
        (this->*kind->Load)();
}

TiPlotObject *TiPlotEditorForm::EnablePage(const TiEditorPageTable &Table, const TiComponentEditorListBox *List)
{
    TiPlotObject *object = Selected(List);
    EnableControls(Table.Controls, object != nullptr);
    return object;
}

bool TiPlotEditorForm::ShowObject(TiPlotObject *Object)
{
    const KindPage *kind = KindPageOf(Object);
    TiComponentEditorListBox *list = kind ? this->*kind->List : nullptr;
    if (!list)
        return false;
    if (auto *sheet = Control<TTabSheet>(QString::fromLatin1(kind->Sheet)))
        PageControl->SetActivePage(sheet);
    list->SetItemIndex(list->Items()->IndexOfObject(Object));
    (this->*kind->Load)();
    return true;
}

void TiPlotEditorForm::UpdateAll()
{
    UpdateToolBarEdit();
    UpdateLegendEdit();
    UpdateXAxesEdit();
    UpdateYAxesEdit();
    UpdateChannelEdit();
    UpdateDataViewEdit();
    UpdateDataCursorEdit();
    UpdateLimitEdit();
    UpdateLabelEdit();
    UpdateTableEdit();
    // The schematic shows the layout as it is now.
    if (iPlotLayoutViewer)
        iPlotLayoutViewer->Invalidate();
}

void TiPlotEditorForm::ListItemData(const TiComponentEditorListBox *List, int Index, bool &DrawColorBox, TColor &AColor,
                                    QString &AText, const char *ColourProperty)
{
    const TObject *item = Index >= 0 && Index < List->Count() ? List->Items()->Objects(Index) : nullptr;
    auto *object = dynamic_cast<const TiPlotObject *>(item);
    DrawColorBox = false;
    if (!object)
        return;
    AText = object->Name();
    const TPropInfo *prop = ColourProperty ? GetPropInfo(object, QString::fromLatin1(ColourProperty)) : nullptr;
    if (!prop)
        return;
    if (prop->Kind == TTypeKind::Class) {
        if (auto *font = dynamic_cast<TFont *>(prop->GetObject(*object))) {
            DrawColorBox = true;
            AColor = font->Color();
        }
    } else if (prop->GetOrd) {
        DrawColorBox = true;
        AColor = static_cast<TColor>(prop->GetOrd(*object));
    }
}

void TiPlotEditorForm::ToolBarListBoxGetData(int Index, bool &DrawColorBox, TColor &AColor, QString &AText)
{
    ListItemData(ToolBarListBox, Index, DrawColorBox, AColor, AText, nullptr);
}

void TiPlotEditorForm::LegendListBoxGetData(int Index, bool &DrawColorBox, TColor &AColor, QString &AText)
{
    ListItemData(LegendListBox, Index, DrawColorBox, AColor, AText, nullptr);
}

void TiPlotEditorForm::TableListBoxGetData(int Index, bool &DrawColorBox, TColor &AColor, QString &AText)
{
    ListItemData(TableListBox, Index, DrawColorBox, AColor, AText, nullptr);
}

void TiPlotEditorForm::XAxisListBoxGetData(int Index, bool &DrawColorBox, TColor &AColor, QString &AText)
{
    ListItemData(XAxisListBox, Index, DrawColorBox, AColor, AText, "LabelsFont");
}

void TiPlotEditorForm::YAxisListBoxGetData(int Index, bool &DrawColorBox, TColor &AColor, QString &AText)
{
    ListItemData(YAxisListBox, Index, DrawColorBox, AColor, AText, "LabelsFont");
}

void TiPlotEditorForm::DataViewListBoxGetData(int Index, bool &DrawColorBox, TColor &AColor, QString &AText)
{
    ListItemData(DataViewListBox, Index, DrawColorBox, AColor, AText, nullptr);
}

void TiPlotEditorForm::ChannelListBoxGetData(int Index, bool &DrawColorBox, TColor &AColor, QString &AText)
{
    ListItemData(ChannelListBox, Index, DrawColorBox, AColor, AText, "Color");
}

void TiPlotEditorForm::DataCursorListBoxGetData(int Index, bool &DrawColorBox, TColor &AColor, QString &AText)
{
    ListItemData(DataCursorListBox, Index, DrawColorBox, AColor, AText, "Color");
}

void TiPlotEditorForm::LimitListBoxGetData(int Index, bool &DrawColorBox, TColor &AColor, QString &AText)
{
    ListItemData(LimitListBox, Index, DrawColorBox, AColor, AText, "Color");
}

void TiPlotEditorForm::LabelListBoxGetData(int Index, bool &DrawColorBox, TColor &AColor, QString &AText)
{
    ListItemData(LabelListBox, Index, DrawColorBox, AColor, AText, nullptr);
}

void TiPlotEditorForm::ToolBarListBoxClick(TObject *)
{
    UpdateToolBarEdit();
}

void TiPlotEditorForm::LegendListBoxClick(TObject *)
{
    UpdateLegendEdit();
}

void TiPlotEditorForm::TableListBoxClick(TObject *)
{
    UpdateTableEdit();
}

void TiPlotEditorForm::XAxisListBoxClick(TObject *)
{
    UpdateXAxesEdit();
}

void TiPlotEditorForm::YAxisListBoxClick(TObject *)
{
    UpdateYAxesEdit();
}

void TiPlotEditorForm::DataViewListBoxClick(TObject *)
{
    UpdateDataViewEdit();
}

void TiPlotEditorForm::ChannelListBoxClick(TObject *)
{
    UpdateChannelEdit();
    ResetChannelStats();
}

void TiPlotEditorForm::DataCursorListBoxClick(TObject *)
{
    UpdateDataCursorEdit();
}

void TiPlotEditorForm::LimitListBoxClick(TObject *)
{
    UpdateLimitEdit();
}

void TiPlotEditorForm::LabelListBoxClick(TObject *)
{
    UpdateLabelEdit();
}

// ---- Adding and removing ------------------------------------------------------------------------

void TiPlotEditorForm::iChannelAddButtonClick(TObject *)
{
    Master->AddChannel();
    ChannelListBox->SelectLast();
    UpdateChannelEdit();
    ResetChannelStats();
}

void TiPlotEditorForm::iDataCursorAddButtonClick(TObject *)
{
    Master->AddDataCursor();
    DataCursorListBox->SelectLast();
    UpdateDataCursorEdit();
}

void TiPlotEditorForm::iLimitAddButtonClick(TObject *)
{
    Master->AddLimit();
    LimitListBox->SelectLast();
    UpdateLimitEdit();
}

void TiPlotEditorForm::iLabelAddButtonClick(TObject *)
{
    Master->AddLabel();
    LabelListBox->SelectLast();
    UpdateLabelEdit();
}

void TiPlotEditorForm::XAxesAddButtonClick(TObject *)
{
    Master->AddXAxis();
    XAxisListBox->SelectLast();
    UpdateXAxesEdit();
}

void TiPlotEditorForm::YAxesAddButtonClick(TObject *)
{
    Master->AddYAxis();
    YAxisListBox->SelectLast();
    UpdateYAxesEdit();
}

void TiPlotEditorForm::iTableAddButtonClick(TObject *)
{
    Master->AddTable();
    TableListBox->SelectLast();
    UpdateTableEdit();
}

void TiPlotEditorForm::ChannelRemoveButtonClick(TObject *)
{
    ChannelListBox->DeleteSelectedObject();
    UpdateChannelEdit();
    ResetChannelStats();
}

void TiPlotEditorForm::DataCursorRemoveButtonClick(TObject *)
{
    DataCursorListBox->DeleteSelectedObject();
    UpdateDataCursorEdit();
}

void TiPlotEditorForm::LimitRemoveButtonClick(TObject *)
{
    LimitListBox->DeleteSelectedObject();
    UpdateLimitEdit();
}

void TiPlotEditorForm::LabelRemoveButtonClick(TObject *)
{
    // The plot's title is not removed here (the button is disabled for it).
    if (LabelListBox->ItemIndex() == 0)
        return;
    LabelListBox->DeleteSelectedObject();
    UpdateLabelEdit();
}

void TiPlotEditorForm::XAxisRemoveButtonClick(TObject *)
{
    XAxisListBox->DeleteSelectedObject();
    UpdateChannelEdit();
    UpdateXAxesEdit();
}

void TiPlotEditorForm::YAxisRemoveButtonClick(TObject *)
{
    YAxisListBox->DeleteSelectedObject();
    UpdateChannelEdit();
    UpdateYAxesEdit();
}

void TiPlotEditorForm::TableRemoveButtonClick(TObject *)
{
    TableListBox->DeleteSelectedObject();
    UpdateTableEdit();
}

// ---- Name lists ---------------------------------------------------------------------------------

void TiPlotEditorForm::FillNameList(TiComponentEditorComboBox *Combo, const TiPlotObjectManagerCustom *Manager,
                                    const QString &Header, const QString &Trailer)
{
    if (!Combo || !Manager)
        return;
    const QString kept = Combo->Text();
    TStrings *items = Combo->Items();
    items->Clear();
    items->Add(Translated(Header));
    for (int i = 0; i < Manager->Count(); ++i)
        items->Add(Manager->Items(i)->Name());
    if (!Trailer.isEmpty())
        items->Add(Translated(Trailer));
    Combo->SetAsInteger(items->IndexOf(kept));
}

void TiPlotEditorForm::XAxisNameComboBoxDropDown(TObject *Sender)
{
    FillNameList(dynamic_cast<TiComponentEditorComboBox *>(Sender), Master ? Master->XAxisManager() : nullptr,
                 QStringLiteral("<None>"), QString());
}

void TiPlotEditorForm::YAxisNameComboBoxDropDown(TObject *Sender)
{
    FillNameList(dynamic_cast<TiComponentEditorComboBox *>(Sender), Master ? Master->YAxisManager() : nullptr,
                 QStringLiteral("<None>"), QString());
}

void TiPlotEditorForm::DataViewGridXAxisNameComboBoxDropDown(TObject *Sender)
{
    FillNameList(dynamic_cast<TiComponentEditorComboBox *>(Sender), Master ? Master->XAxisManager() : nullptr,
                 QStringLiteral("<None>"), QStringLiteral("<All>"));
}

void TiPlotEditorForm::DataViewGridYAxisNameComboBoxDropDown(TObject *Sender)
{
    FillNameList(dynamic_cast<TiComponentEditorComboBox *>(Sender), Master ? Master->YAxisManager() : nullptr,
                 QStringLiteral("<None>"), QStringLiteral("<All>"));
}

void TiPlotEditorForm::ChannelNameComboBoxDropDown(TObject *Sender)
{
    FillNameList(dynamic_cast<TiComponentEditorComboBox *>(Sender), Master ? Master->ChannelManager() : nullptr,
                 QStringLiteral("<None>"), QString());
}

void TiPlotEditorForm::DataCursorChannelNameComboBoxDropDown(TObject *Sender)
{
    FillNameList(dynamic_cast<TiComponentEditorComboBox *>(Sender), Master ? Master->ChannelManager() : nullptr,
                 QStringLiteral("<All>"), QString());
}

// ---- The master manager's link ------------------------------------------------------------------

void TiPlotEditorForm::ObjectInserted(TiPlotObject *Object)
{
    const KindPage *kind = KindPageOf(Object);
    TiComponentEditorListBox *list = kind ? this->*kind->List : nullptr;
    if (!list)
        return;
    list->Items()->AddObject(QString(), Object);
    list->SelectLast();
    (this->*kind->Load)();
}

void TiPlotEditorForm::ObjectRemoved(TObject *Object)
{
    if (Object == FRightClickObject)
        FRightClickObject = nullptr;
    if (iPlotLayoutViewer)
        iPlotLayoutViewer->ObjectRemoved(Object);
    bool listed = false;
    for (const KindPage &kind : KindPages) {
        TiComponentEditorListBox *list = this->*kind.List;
        if (list && list->Items()->IndexOfObject(Object) >= 0) {
            list->DeleteObjectIndex(Object);
            listed = true;
        }
    }
    // The pages show what the lists selected before; they are loaded again once the object and
    // every reference to it are gone.
    if (listed && !FRefreshPosted)
        FRefreshPosted = PostMessage(Handle(), CM_PLOTEDITORREFRESH, 0, 0);
}

void TiPlotEditorForm::CMRefreshAfterRemoval(TMessage &)
{
    FRefreshPosted = false;
    if (!FIsClosing)
        UpdateAll();
}

void TiPlotEditorForm::ObjectRenamed(TiPlotObject *Object)
{
    // The name lists that showed the old name follow the new one.
    struct NameList {
        const char *Combo;
        void (TiPlotEditorForm::*Fill)(TObject *);
    };
    static constexpr NameList XAxisLists[] = {
        {"ChannelXAxisNameComboBox", &TiPlotEditorForm::XAxisNameComboBoxDropDown},
        {"LimitXAxisNameComboBox", &TiPlotEditorForm::XAxisNameComboBoxDropDown},
        {"DataViewGridXAxisNameComboBox", &TiPlotEditorForm::DataViewGridXAxisNameComboBoxDropDown}};
    static constexpr NameList YAxisLists[] = {
        {"ChannelYAxisNameComboBox", &TiPlotEditorForm::YAxisNameComboBoxDropDown},
        {"LimitYAxisNameComboBox", &TiPlotEditorForm::YAxisNameComboBoxDropDown},
        {"DataViewGridYAxisNameComboBox", &TiPlotEditorForm::DataViewGridYAxisNameComboBoxDropDown}};
    static constexpr NameList ChannelLists[] = {
        {"DataCursorChannelNameComboBox", &TiPlotEditorForm::DataCursorChannelNameComboBoxDropDown}};
    std::span<const NameList> lists;
    if (IsA<TiPlotXAxis>(Object))
        lists = XAxisLists;
    else if (IsA<TiPlotYAxis>(Object))
        lists = YAxisLists;
    else if (IsA<TiPlotChannelCustom>(Object))
        lists = ChannelLists;
    for (const NameList &entry : lists) {
        auto *combo = Control<TiComponentEditorComboBox>(QString::fromLatin1(entry.Combo));
        if (!combo || combo->Text() != Object->NameOld())
            continue;
        (this->*entry.Fill)(combo);
        combo->SetAsInteger(combo->Items()->IndexOf(Object->Name()));
    }
    if (TiComponentEditorListBox *list = ListOf(Object))
        list->Invalidate();
}

// ---- Layout page --------------------------------------------------------------------------------

void TiPlotEditorForm::iPlotLayoutViewerMouseDown(TObject *, TMouseButton Button, TShiftState, int X, int Y)
{
    FRightClickObject = iPlotLayoutViewer->GetMouseOverBlock(X, Y);
    // The menu that follows a right press is the press's menu.
    FPressBeforePopup = Button == mbRight;
}

void TiPlotEditorForm::iPlotLayoutViewerChange(TObject *)
{
    UpdateAll();
}

void TiPlotEditorForm::LayoutPopupMenuPopup(TObject *)
{
    // Opened without a press (from the keyboard): there is no object to act on.
    if (!FPressBeforePopup)
        FRightClickObject = nullptr;
    FPressBeforePopup = false;
    XYAxesReverseMenuItem->SetChecked(Master && Master->XYAxesReverse());
    DeleteMenuItem->SetEnabled(false);
    VisibleMenuItem->SetEnabled(false);
    VisibleMenuItem->SetChecked(false);
    EditMenuItem->SetEnabled(false);
    TiPlotLayoutObject *object = FRightClickObject;
    if (!object)
        return;
    const bool title = Master && Master->LabelManager() && Master->LabelManager()->GetIndex(object) == 0;
    DeleteMenuItem->SetEnabled(IsA<TiPlotAxis>(object) || IsA<TiPlotTable>(object) ||
                               (IsA<TiPlotLabel>(object) && !title));
    VisibleMenuItem->SetEnabled(!IsA<TiPlotDataView>(object));
    VisibleMenuItem->SetChecked(object->Visible());
    EditMenuItem->SetEnabled(true);
}

void TiPlotEditorForm::XYAxesReverseMenuItemClick(TObject *)
{
    Master->SetXYAxesReverse(!Master->XYAxesReverse());
    iPlotLayoutViewer->Invalidate();
}

void TiPlotEditorForm::AddXAxisMenuItemClick(TObject *)
{
    Master->AddXAxis();
    iPlotLayoutViewer->Invalidate();
}

void TiPlotEditorForm::AddYAxisMenuItemClick(TObject *)
{
    Master->AddYAxis();
    iPlotLayoutViewer->Invalidate();
}

void TiPlotEditorForm::AddLabelMenuItemClick(TObject *)
{
    Master->AddLabel();
    iPlotLayoutViewer->Invalidate();
}

void TiPlotEditorForm::DeleteMenuItemClick(TObject *)
{
    TiPlotLayoutObject *object = std::exchange(FRightClickObject, nullptr);
    if (!object)
        return;
    // The title stays (the menu offers no "Delete" for it).
    if (IsA<TiPlotLabel>(object) && Master->LabelManager()->GetIndex(object) == 0)
        return;
    object->Free();
    UpdateAll();
}

void TiPlotEditorForm::VisibleMenuItemClick(TObject *)
{
    if (!FRightClickObject)
        return;
    FRightClickObject->SetVisible(!FRightClickObject->Visible());
    UpdateAll();
}

void TiPlotEditorForm::EditMenuItemClick(TObject *)
{
    if (FRightClickObject)
        ShowObject(FRightClickObject);
}
