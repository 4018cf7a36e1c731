#pragma once
// TiPlotMasterManager: the one object behind a plot control's objects. It makes and owns the
// plot object manager, one manager per kind, the layout manager and the translation list; it is
// the single receiver of every notification that objects, pairs and managers raise and fans them
// out to the managers.
//
// What reaches the plot control (the events it assigns right after making the master):
//   OnInsert         an object, pair or manager was added (every object, also those read from
//                    the form stream; Sender is the object)
//   OnRemove         an object, pair or manager is going; raised before the managers let it go
//   OnChange         something visible changed (Sender is the master manager)
//   OnInvalidateNow  repaint at once (a selection changed, the axes were swapped)
// Renames reach the managers only.
//
// Rules a caller must know:
//  - Add<Kind> makes an object of the kind (channels of ChannelClass), files, names and wires it
//    and answers its index in its manager.
//  - A notification that arrives while the manager it concerns does not exist (yet or any more)
//    skips that manager. The master frees each manager after taking it out of its field, so a
//    manager is never asked about objects while it is being destroyed.
//  - The plot's property editor (editor/iPlotEditor.h) plugs in through TiPlotEditorLink. While
//    it is open and not closing, every object added, removed or renamed is passed on to it.
//    EditProperties, BasicPropertyChanged and the editor's opening live with the editor
//    (editor/iPlotEditorOpening.cpp).
// GUI thread.

#include "plotlib/channels/iPlotChannelCustom.h"
#include "plotlib/plot/iPlotLayoutManager.h"
#include "plotlib/plot/iPlotManagers.h"
#include "plotlib/plot/iPlotTranslation.h"

#include <array>
#include <vector>

class TCustomForm;

// The plot's property editor form as the master manager sees it.
class TiPlotEditorLink {
public:
    virtual ~TiPlotEditorLink() = default;
    // The form is closing: it is neither kept in step nor translated any more.
    virtual bool IsClosing() const = 0;
    // An object was filed: it joins its kind's list, selected, and its page is loaded.
    virtual void ObjectInserted(TiPlotObject *Object) = 0;
    // An object is going (while it is still whole or from its destructor): it leaves its list.
    virtual void ObjectRemoved(TObject *Object) = 0;
    // An object was renamed (its NameOld is the name it had).
    virtual void ObjectRenamed(TiPlotObject *Object) = 0;
};

class TiPlotMasterManager : public TObject {
public:
    explicit TiPlotMasterManager(TWinControl *AOwner);
    ~TiPlotMasterManager() override;

    TWinControl *Owner() const { return FOwner; }

    TNotifyEvent OnInvalidateNow;
    TNotifyEvent OnChange;
    TNotifyEvent OnInsert;
    TNotifyEvent OnRemove;

    // ---- Managers (nullptr only while the master is made or destroyed) --------------------------
    TiPlotToolBarManager *ToolBarManager() const { return FToolBarManager; }
    TiPlotLegendManager *LegendManager() const { return FLegendManager; }
    TiPlotTableManager *TableManager() const { return FTableManager; }
    TiPlotXAxisManager *XAxisManager() const { return FXAxisManager; }
    TiPlotYAxisManager *YAxisManager() const { return FYAxisManager; }
    TiPlotChannelManager *ChannelManager() const { return FChannelManager; }
    TiPlotDataViewManager *DataViewManager() const { return FDataViewManager; }
    TiPlotDataCursorManager *DataCursorManager() const { return FDataCursorManager; }
    TiPlotLimitManager *LimitManager() const { return FLimitManager; }
    TiPlotLabelManager *LabelManager() const { return FLabelManager; }
    TiPlotAnnotationManager *AnnotationManager() const { return FAnnotationManager; }
    TiPlotTranslationManager *TranslationManager() const { return FTranslationManager; }
    TiPlotLayoutManager *LayoutManager() const { return FLayoutManager; }
    TiPlotObjectManager *ObjectManager() const { return FPlotObjectManager; }
    TiPlotEditorLink *EditorForm() const { return FEditorForm; }

    // ---- Adding objects: the index of the new object in its manager -----------------------------
    int AddChannel();
    int AddDataView();
    int AddDataCursor();
    int AddLimit();
    int AddLabel();
    int AddAnnotation();
    int AddLegend();
    int AddTable();
    int AddToolBar();
    int AddXAxis();
    int AddYAxis();
    // The index of the new pair (0).
    int AddTranslation();

    // ---- Settings of all objects ----
    bool UserCanEditObjects() const { return FUserCanEditObjects; }
    // Sets UserCanEdit of every object ("Edit..." in its popup menu).
    void SetUserCanEditObjects(bool Value);
    bool XYAxesReverse() const { return FXYAxesReverse; }
    // Moves the axes into the other stacks, tells every object and repaints at once.
    void SetXYAxesReverse(bool Value);
    const TiPlotChannelClass &ChannelClass() const { return FChannelClass; }
    void SetChannelClass(const TiPlotChannelClass &Value);
    void ShowToolBars(bool Value);
    // Defines the streams of the plot's form that carry the objects: "ToolBarManager",
    // "LegendManager", "TableManager", "XAxisManager", "YAxisManager", "ChannelManager",
    // "DataViewManager", "DataCursorManager", "LimitManager", "LabelManager" (each written while
    // its manager holds objects) and "TranslationManager" (while it holds pairs). Annotations
    // are not streamed.
    void DefineCollections(TFiler *Filer);
    // Clears every channel and resets the first alignment of every axis.
    void ClearAllData();
    // Tracking of every X axis, then every Y axis, on or off.
    void SetAllTrackingEnabled(bool Value);
    void DeSelectAll();

    // ---- The property editor (editor/iPlotEditorOpening.cpp) --------------------------------------
    // Opens the editor form (made on first use, only for a plot control) with every page loaded,
    // modally or stay-on-top as the plot's EditorFormStyle says; a modal form is freed when it
    // closes, also when opening fails. A stay-on-top form open already is shown again, refreshed.
    void EditProperties();
    // Writes the editor's "Control" page into the plot (the title controls through TitleVisible,
    // TitleMargin, TitleText, TitleFont) and sets its log controls; nothing without an open editor.
    void BasicPropertyChanged();
    // The editor form is being destroyed: the master forgets it.
    void EditorFormDestroyed(TiPlotEditorLink *Form);
    // The active page of each of the editor's page controls when it was last shown.
    const std::array<int, 14> &EditorPageIndices() const { return FPageIndices; }

    // Toolbar 0's select button is down (false without a toolbar): objects that interact only in
    // select mode may take the mouse.
    bool SelectModeActive() const;
    // Replaces the form's texts by their translations (editor/iFormTranslation.cpp): its caption,
    // the text of each control it owns, the items of its editor radio groups and combo boxes and
    // the top-level items of its popup menus. Nothing happens without translations, nor for an
    // editor form that is closing.
    void TranslateForm(TCustomForm *Form);

private:
    // ---- Notification handlers (Sender: an object, a pair or a manager) -------------------------
    void InsertHandler(TObject *Sender);
    void RemoveHandler(TObject *Sender);
    void RenameHandler(TObject *Sender);
    void ChangeHandler(TObject *Sender);
    void SetFocusHandler(TObject *Sender);
    void EditHandler(TObject *Sender);
    void InvalidateNowHandler(TObject *Sender);

    // The owning managers in the order the settings visit them.
    std::vector<TiPlotObjectManagerCustom *> SettingsOrder() const;
    // The managers that hear renames and selections, in their order.
    std::vector<TiPlotObjectManagerCustom *> FanOutOrder() const;
    template <class M>
    int AddTo(M *Manager);
    template <class M>
    M *MakeManager();
    // Takes the manager out of its field, lets the others forget it, then frees it.
    template <class M>
    void FreeManager(M *&Field);
    // ---- The property editor (editor/iPlotEditorOpening.cpp) ----
    // The open editor form, made with its lists filled and its pages restored when there is none;
    // nullptr when the owner is no plot control.
    TiPlotEditorLink *EnsureEditorForm();
    // The close handler the master gives the form.
    void EditorFormClose(TObject *Sender, TCloseAction &Action);
    void RememberEditorPages();
    // Frees the open form and any released one still waiting for its destruction.
    void FreeEditorForms();

    TWinControl *FOwner;
    bool FUserCanEditObjects = true;
    TiPlotToolBarManager *FToolBarManager = nullptr;
    TiPlotLegendManager *FLegendManager = nullptr;
    TiPlotTableManager *FTableManager = nullptr;
    TiPlotXAxisManager *FXAxisManager = nullptr;
    TiPlotYAxisManager *FYAxisManager = nullptr;
    TiPlotChannelManager *FChannelManager = nullptr;
    TiPlotDataViewManager *FDataViewManager = nullptr;
    TiPlotDataCursorManager *FDataCursorManager = nullptr;
    TiPlotLimitManager *FLimitManager = nullptr;
    TiPlotLabelManager *FLabelManager = nullptr;
    TiPlotAnnotationManager *FAnnotationManager = nullptr;
    TiPlotTranslationManager *FTranslationManager = nullptr;
    TiPlotLayoutManager *FLayoutManager = nullptr;
    TiPlotObjectManager *FPlotObjectManager = nullptr;
    TiPlotChannelClass FChannelClass;
    TiPlotEditorLink *FEditorForm = nullptr;
    // Stay-on-top forms closed by the user, destroyed once their close processing has finished.
    std::vector<TiPlotEditorLink *> FReleasedEditorForms;
    std::array<int, 14> FPageIndices{};
    bool FXYAxesReverse = false;
};
