#include "plotlib/plot/iPlotMasterManager.h"

#include "platform/runtime/Filer.h"

#include <utility>

// ---- Life ---------------------------------------------------------------------------------------

template <class M>
M *TiPlotMasterManager::MakeManager()
{
    return new M(FOwner, TNotifyEvent(this, &TiPlotMasterManager::ChangeHandler),
                 TNotifyEvent(this, &TiPlotMasterManager::InsertHandler),
                 TNotifyEvent(this, &TiPlotMasterManager::RemoveHandler),
                 TNotifyEvent(this, &TiPlotMasterManager::RenameHandler));
}

TiPlotMasterManager::TiPlotMasterManager(TWinControl *AOwner) : FOwner(AOwner)
{
    // Each manager announces itself while it is made; it takes its field once it is whole.
    FPlotObjectManager = MakeManager<TiPlotObjectManager>();
    FToolBarManager = MakeManager<TiPlotToolBarManager>();
    FLegendManager = MakeManager<TiPlotLegendManager>();
    FTableManager = MakeManager<TiPlotTableManager>();
    FChannelManager = MakeManager<TiPlotChannelManager>();
    FDataCursorManager = MakeManager<TiPlotDataCursorManager>();
    FDataViewManager = MakeManager<TiPlotDataViewManager>();
    FXAxisManager = MakeManager<TiPlotXAxisManager>();
    FYAxisManager = MakeManager<TiPlotYAxisManager>();
    FLimitManager = MakeManager<TiPlotLimitManager>();
    FLabelManager = MakeManager<TiPlotLabelManager>();
    FAnnotationManager = MakeManager<TiPlotAnnotationManager>();
    FLayoutManager = MakeManager<TiPlotLayoutManager>();
    FTranslationManager = new TiPlotTranslationManager(TNotifyEvent(this, &TiPlotMasterManager::InsertHandler),
                                                       TNotifyEvent(this, &TiPlotMasterManager::RemoveHandler));

    FChannelManager->XAxisManager = FXAxisManager;
    FChannelManager->YAxisManager = FYAxisManager;
    FDataViewManager->XAxisManager = FXAxisManager;
    FDataViewManager->YAxisManager = FYAxisManager;
    FLimitManager->XAxisManager = FXAxisManager;
    FLimitManager->YAxisManager = FYAxisManager;
    FDataCursorManager->ChannelManager = FChannelManager;
    FDataCursorManager->DataViewManager = FDataViewManager;
}

template <class M>
void TiPlotMasterManager::FreeManager(M *&Field)
{
    M *manager = std::exchange(Field, nullptr);
    if (!manager)
        return;
    // The managers that refer to it forget it first.
    for (TiPlotObjectManagerCustom *sibling : std::initializer_list<TiPlotObjectManagerCustom *>{
             FChannelManager, FDataViewManager, FDataCursorManager, FLimitManager})
        if (sibling)
            sibling->NotificationRemove(manager);
    delete manager;
}

TiPlotMasterManager::~TiPlotMasterManager()
{
    FreeEditorForms();
    FreeManager(FToolBarManager);
    FreeManager(FLegendManager);
    FreeManager(FTableManager);
    FreeManager(FChannelManager);
    FreeManager(FXAxisManager);
    FreeManager(FYAxisManager);
    FreeManager(FDataViewManager);
    FreeManager(FDataCursorManager);
    FreeManager(FLimitManager);
    FreeManager(FLabelManager);
    FreeManager(FAnnotationManager);
    FreeManager(FTranslationManager);
    FreeManager(FPlotObjectManager);
    FreeManager(FLayoutManager);
}

// ---- Manager orders -----------------------------------------------------------------------------

std::vector<TiPlotObjectManagerCustom *> TiPlotMasterManager::SettingsOrder() const
{
    return {FChannelManager, FXAxisManager,      FYAxisManager, FDataViewManager, FToolBarManager,   FLegendManager,
            FTableManager,   FDataCursorManager, FLimitManager, FLabelManager,    FAnnotationManager};
}

std::vector<TiPlotObjectManagerCustom *> TiPlotMasterManager::FanOutOrder() const
{
    return {FToolBarManager,  FLegendManager,     FTableManager, FXAxisManager, FYAxisManager,      FChannelManager,
            FDataViewManager, FDataCursorManager, FLimitManager, FLabelManager, FAnnotationManager, FLayoutManager};
}

// ---- Notifications ------------------------------------------------------------------------------

void TiPlotMasterManager::InsertHandler(TObject *Sender)
{
    if (auto *object = dynamic_cast<TiPlotObject *>(Sender)) {
        if (FPlotObjectManager)
            FPlotObjectManager->NotificationInsert(object);
        if (FLayoutManager && dynamic_cast<TiPlotLayoutObject *>(object))
            FLayoutManager->NotificationInsert(object);
        // The manager of its kind.
        for (TiPlotObjectManagerCustom *manager : std::initializer_list<TiPlotObjectManagerCustom *>{
                 FToolBarManager, FLegendManager, FTableManager, FXAxisManager, FYAxisManager, FChannelManager,
                 FDataViewManager, FDataCursorManager, FLimitManager, FLabelManager, FAnnotationManager})
            if (manager)
                manager->NotificationInsert(object);
        object->OnSetFocus = TNotifyEvent(this, &TiPlotMasterManager::SetFocusHandler);
        object->OnInvalidateNow = TNotifyEvent(this, &TiPlotMasterManager::InvalidateNowHandler);
        object->SetUserCanEdit(FUserCanEditObjects);
        object->OnEdit = TNotifyEvent(this, &TiPlotMasterManager::EditHandler);
        object->SetXYAxesReversed(FXYAxesReverse);
        if (FEditorForm && !FEditorForm->IsClosing())
            FEditorForm->ObjectInserted(object);
    } else if (FTranslationManager && dynamic_cast<TiPlotTranslationObject *>(Sender)) {
        FTranslationManager->NotificationInsert(Sender);
    }
    if (OnInsert)
        OnInsert(Sender);
}

void TiPlotMasterManager::RemoveHandler(TObject *Sender)
{
    if (OnRemove)
        OnRemove(Sender);
    if (dynamic_cast<TiPlotTranslationObject *>(Sender)) {
        if (FTranslationManager)
            FTranslationManager->NotificationRemove(Sender);
        return;
    }
    if (dynamic_cast<TiPlotObject *>(Sender)) {
        if (FEditorForm && !FEditorForm->IsClosing())
            FEditorForm->ObjectRemoved(Sender);
        for (TiPlotObjectManagerCustom *manager : std::initializer_list<TiPlotObjectManagerCustom *>{
                 FPlotObjectManager, FLayoutManager, FToolBarManager, FLegendManager, FTableManager, FXAxisManager,
                 FYAxisManager, FChannelManager, FDataViewManager, FDataCursorManager, FLimitManager, FLabelManager,
                 FAnnotationManager})
            if (manager)
                manager->NotificationRemove(Sender);
        return;
    }
    // A manager destroyed by someone else.
    auto forget = [Sender](auto *&field) {
        if (field && static_cast<TObject *>(field) == Sender)
            field = nullptr;
    };
    forget(FToolBarManager);
    forget(FLegendManager);
    forget(FTableManager);
    forget(FXAxisManager);
    forget(FYAxisManager);
    forget(FChannelManager);
    forget(FDataViewManager);
    forget(FDataCursorManager);
    forget(FLimitManager);
    forget(FLabelManager);
    forget(FAnnotationManager);
    forget(FTranslationManager);
    forget(FLayoutManager);
    forget(FPlotObjectManager);
}

void TiPlotMasterManager::RenameHandler(TObject *Sender)
{
    for (TiPlotObjectManagerCustom *manager : FanOutOrder())
        if (manager)
            manager->NotificationRename(Sender);
    if (auto *object = dynamic_cast<TiPlotObject *>(Sender); object && FEditorForm && !FEditorForm->IsClosing())
        FEditorForm->ObjectRenamed(object);
}

void TiPlotMasterManager::ChangeHandler(TObject *)
{
    if (OnChange)
        OnChange(this);
}

void TiPlotMasterManager::SetFocusHandler(TObject *Sender)
{
    for (TiPlotObjectManagerCustom *manager : FanOutOrder())
        if (manager)
            manager->NotificationSetFocus(Sender);
}

void TiPlotMasterManager::InvalidateNowHandler(TObject *Sender)
{
    if (OnInvalidateNow)
        OnInvalidateNow(Sender);
}

// ---- Adding -------------------------------------------------------------------------------------

template <class M>
int TiPlotMasterManager::AddTo(M *Manager)
{
    if (!Manager)
        return -1;
    TiPlotObject *object = Manager->CreateObject();
    object->DoInsert();
    return Manager->GetIndex(object);
}

int TiPlotMasterManager::AddChannel()
{
    return AddTo(FChannelManager);
}

int TiPlotMasterManager::AddDataView()
{
    return AddTo(FDataViewManager);
}

int TiPlotMasterManager::AddDataCursor()
{
    return AddTo(FDataCursorManager);
}

int TiPlotMasterManager::AddLimit()
{
    return AddTo(FLimitManager);
}

int TiPlotMasterManager::AddLabel()
{
    return AddTo(FLabelManager);
}

int TiPlotMasterManager::AddAnnotation()
{
    return AddTo(FAnnotationManager);
}

int TiPlotMasterManager::AddLegend()
{
    return AddTo(FLegendManager);
}

int TiPlotMasterManager::AddTable()
{
    return AddTo(FTableManager);
}

int TiPlotMasterManager::AddToolBar()
{
    return AddTo(FToolBarManager);
}

int TiPlotMasterManager::AddXAxis()
{
    return AddTo(FXAxisManager);
}

int TiPlotMasterManager::AddYAxis()
{
    return AddTo(FYAxisManager);
}

int TiPlotMasterManager::AddTranslation()
{
    return FTranslationManager ? FTranslationManager->Add() : -1;
}

// ---- Settings of all objects --------------------------------------------------------------------

void TiPlotMasterManager::SetUserCanEditObjects(bool Value)
{
    FUserCanEditObjects = Value;
    for (TiPlotObjectManagerCustom *manager : SettingsOrder())
        if (manager)
            for (int i = 0; i < manager->Count(); ++i)
                manager->Items(i)->SetUserCanEdit(Value);
}

void TiPlotMasterManager::SetXYAxesReverse(bool Value)
{
    FXYAxesReverse = Value;
    if (FLayoutManager)
        FLayoutManager->SetXYAxesReverse(Value);
    for (TiPlotObjectManagerCustom *manager : SettingsOrder())
        if (manager)
            for (int i = 0; i < manager->Count(); ++i)
                manager->Items(i)->SetXYAxesReversed(Value);
    if (OnInvalidateNow)
        OnInvalidateNow(this);
}

void TiPlotMasterManager::SetChannelClass(const TiPlotChannelClass &Value)
{
    FChannelClass = Value;
    if (FChannelManager)
        FChannelManager->ChannelClass = Value;
}

void TiPlotMasterManager::ShowToolBars(bool Value)
{
    if (!FToolBarManager)
        return;
    for (int i = 0; i < FToolBarManager->Count(); ++i)
        FToolBarManager->Items(i)->SetVisible(Value);
}

void TiPlotMasterManager::DefineCollections(TFiler *Filer)
{
    auto define = [Filer](const char *Name, TiPlotObjectManagerCustom *Manager) {
        Filer->DefineProperty(
            QString::fromLatin1(Name), [Manager](TReader &Reader) { Manager->ReadFromStream(Reader); },
            [Manager](TWriter &Writer) { Manager->WriteToStream(Writer); }, Manager->DoWriteToStream());
    };
    define("ToolBarManager", FToolBarManager);
    define("LegendManager", FLegendManager);
    define("TableManager", FTableManager);
    define("XAxisManager", FXAxisManager);
    define("YAxisManager", FYAxisManager);
    define("ChannelManager", FChannelManager);
    define("DataViewManager", FDataViewManager);
    define("DataCursorManager", FDataCursorManager);
    define("LimitManager", FLimitManager);
    define("LabelManager", FLabelManager);
    TiPlotTranslationManager *translations = FTranslationManager;
    Filer->DefineProperty(
        QStringLiteral("TranslationManager"), [translations](TReader &Reader) { translations->ReadFromStream(Reader); },
        [translations](TWriter &Writer) { translations->WriteToStream(Writer); }, translations->DoWriteToStream());
}

void TiPlotMasterManager::ClearAllData()
{
    if (FChannelManager)
        for (int i = 0; i < FChannelManager->Count(); ++i)
            FChannelManager->Items(i)->Clear();
    if (FXAxisManager)
        for (int i = 0; i < FXAxisManager->Count(); ++i)
            FXAxisManager->Items(i)->ResetFirstAlign();
    if (FYAxisManager)
        for (int i = 0; i < FYAxisManager->Count(); ++i)
            FYAxisManager->Items(i)->ResetFirstAlign();
}

void TiPlotMasterManager::SetAllTrackingEnabled(bool Value)
{
    for (TiPlotObjectManagerCustom *manager :
         std::initializer_list<TiPlotObjectManagerCustom *>{FXAxisManager, FYAxisManager})
        if (manager)
            for (int i = 0; i < manager->Count(); ++i)
                static_cast<TiPlotAxis *>(manager->Items(i))->SetTrackingEnabled(Value);
}

void TiPlotMasterManager::DeSelectAll()
{
    if (FPlotObjectManager)
        FPlotObjectManager->ClearAllUserSelections();
}

bool TiPlotMasterManager::SelectModeActive() const
{
    return FToolBarManager && FToolBarManager->Count() > 0 && FToolBarManager->Items(0)->SelectActive();
}
