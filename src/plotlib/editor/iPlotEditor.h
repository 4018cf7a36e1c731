#pragma once
// TiPlotEditorForm: the run-time property editor of one plot control (TiPlot or TiXYPlot). The
// plot's master manager opens it (EditProperties: from the objects' "Edit..." item, the toolbar's
// edit button or code) and keeps it bound to itself and the plot for its whole life. The form
// edits the plot's live objects: every change of a control is written into the object at once;
// there is no working copy and no OK, Cancel or Apply.
//
// Pages: "Control" (the plot itself), "Layout" (the schematic, TiPlotLayoutViewer), and one page
// per object kind: "Channels", "Cursors", "Limits", "Labels", "X-Axes", "Y-Axes", "Legend",
// "Tables", "ToolBar", "Data View". Each kind's list holds the kind's objects in manager order;
// the selected item is the object its page edits (the toolbar, legend and data view lists are
// hidden: their pages edit the first object of the kind, or the last one added meanwhile). The
// look is the form definition TiPlotEditorForm, written with the page tables by
// tools/forms/plot_editor_form.py; handlers are bound by name.
//
// Rules a caller must know:
//  - Loading a page sets its controls from the selected object with the silent setters, so it
//    stores nothing; with no object selected the page's controls are disabled and emptied.
//  - Any change of a page's control stores the whole page into the selected object of that page's
//    own list, by property name, in table order; a list without a selection stores nothing. A
//    list or radio control without a choice leaves its property as it is. Properties an object
//    does not publish are left out on both ways.
//  - Refresh after a store: toolbar, legend, axes, data view and channel pages reload every page
//    (UpdateAll); cursors, limits and labels reload their own page; tables reload nothing.
//  - The master manager keeps the lists in step with the plot while the form is open and not
//    closing (TiPlotEditorLink): an object added anywhere is appended and selected and its page
//    loaded; one removed anywhere leaves its list (the same index stays selected) and every page
//    is reloaded once the removal is done; a renamed axis or channel is followed by the name lists
//    that showed it.
//  - Failures of the file and logging commands are not caught here: they reach the framework's
//    exception handler and the form stays as it was.
//  - Destroying the form raises the plot's OnAfterCloseEditor (Sender: the form) and tells the
//    master manager; the master frees it only after its close processing has finished.
// GUI thread.

#include "platform/ui/Label.h"
#include "platform/ui/Menus.h"
#include "plotlib/editor/iEditorBasicComponents.h"
#include "plotlib/editor/iPlotEditorTables.h"
#include "plotlib/editor/iPlotLayoutViewer.h"
#include "plotlib/plot/iPlotMasterManager.h"

#include <QHash>

class TiPlotComponent;

// Posted to the form after an object left a list: every page is loaded again.
constexpr UINT CM_PLOTEDITORREFRESH = WM_APP + 0x160;

class TiPlotEditorForm : public TiCustomEditorForm, public TiPlotEditorLink {
    T_DECLARE_CLASS(TiPlotEditorForm, TiCustomEditorForm)
    explicit TiPlotEditorForm(TComponent *AOwner);
    ~TiPlotEditorForm() override;

    // The plot's master manager and the plot; neither is owned.
    TiPlotMasterManager *Master = nullptr;
    TWinControl *PlotComponent = nullptr;

    // The component of that name (any letter case) when it is a T, else nullptr.
    template <class T>
    T *Control(const QString &Name) const
    {
        return dynamic_cast<T *>(FComponents.value(Name.toLower()));
    }

    // ---- What the master manager calls ----
    // The ten page loaders in the order toolbar, legend, X axes, Y axes, channel, data view, data
    // cursor, limit, label, table ("Control" is loaded by the master manager).
    void UpdateAll();
    void UpdateToolBarEdit();
    void UpdateLegendEdit();
    void UpdateTableEdit();
    void UpdateXAxesEdit();
    void UpdateYAxesEdit();
    void UpdateDataViewEdit();
    void UpdateChannelEdit();
    void UpdateDataCursorEdit();
    void UpdateLimitEdit();
    void UpdateLabelEdit();
    // Every value-converter picker of the form translates its dialog with Method.
    void SetFormTranslationMethod(const TFormTranslationMethod &Method);
    // The list of the object's kind, or nullptr (annotations and data view placeholders).
    TiComponentEditorListBox *ListOf(const TObject *Object) const;
    // Selects the object in its kind's list, makes its page the active one and loads it; false
    // for kinds without a page.
    bool ShowObject(TiPlotObject *Object);
    // The log controls of the "Control" page follow the plot's logging.
    void UpdateControlLogControls();

    // ---- TiPlotEditorLink ----
    bool IsClosing() const override { return FIsClosing; }
    void ObjectInserted(TiPlotObject *Object) override;
    void ObjectRemoved(TObject *Object) override;
    void ObjectRenamed(TiPlotObject *Object) override;

    // The object of the last press on the schematic (nullptr over empty space, after its removal,
    // and once the menu opened without a press).
    TiPlotLayoutObject *RightClickObject() const { return FRightClickObject; }

    // ---- Handlers: frame (bound by the form definition) ----
    void FormCreate(TObject *Sender);
    void iCustomEditorFormClose(TObject *Sender, TCloseAction &Action);
    void ToolBarListBoxClick(TObject *Sender);
    void LegendListBoxClick(TObject *Sender);
    void TableListBoxClick(TObject *Sender);
    void XAxisListBoxClick(TObject *Sender);
    void YAxisListBoxClick(TObject *Sender);
    void DataViewListBoxClick(TObject *Sender);
    void ChannelListBoxClick(TObject *Sender);
    void DataCursorListBoxClick(TObject *Sender);
    void LimitListBoxClick(TObject *Sender);
    void LabelListBoxClick(TObject *Sender);
    void ToolBarListBoxGetData(int Index, bool &DrawColorBox, TColor &AColor, QString &AText);
    void LegendListBoxGetData(int Index, bool &DrawColorBox, TColor &AColor, QString &AText);
    void TableListBoxGetData(int Index, bool &DrawColorBox, TColor &AColor, QString &AText);
    void XAxisListBoxGetData(int Index, bool &DrawColorBox, TColor &AColor, QString &AText);
    void YAxisListBoxGetData(int Index, bool &DrawColorBox, TColor &AColor, QString &AText);
    void DataViewListBoxGetData(int Index, bool &DrawColorBox, TColor &AColor, QString &AText);
    void ChannelListBoxGetData(int Index, bool &DrawColorBox, TColor &AColor, QString &AText);
    void DataCursorListBoxGetData(int Index, bool &DrawColorBox, TColor &AColor, QString &AText);
    void LimitListBoxGetData(int Index, bool &DrawColorBox, TColor &AColor, QString &AText);
    void LabelListBoxGetData(int Index, bool &DrawColorBox, TColor &AColor, QString &AText);
    void iChannelAddButtonClick(TObject *Sender);
    void iDataCursorAddButtonClick(TObject *Sender);
    void iLimitAddButtonClick(TObject *Sender);
    void iLabelAddButtonClick(TObject *Sender);
    void XAxesAddButtonClick(TObject *Sender);
    void YAxesAddButtonClick(TObject *Sender);
    void iTableAddButtonClick(TObject *Sender);
    void ChannelRemoveButtonClick(TObject *Sender);
    void DataCursorRemoveButtonClick(TObject *Sender);
    void LimitRemoveButtonClick(TObject *Sender);
    void LabelRemoveButtonClick(TObject *Sender);
    void XAxisRemoveButtonClick(TObject *Sender);
    void YAxisRemoveButtonClick(TObject *Sender);
    void TableRemoveButtonClick(TObject *Sender);
    // Name lists: each keeps its text, refills its items and selects the text again.
    void XAxisNameComboBoxDropDown(TObject *Sender);
    void YAxisNameComboBoxDropDown(TObject *Sender);
    void DataViewGridXAxisNameComboBoxDropDown(TObject *Sender);
    void DataViewGridYAxisNameComboBoxDropDown(TObject *Sender);
    void ChannelNameComboBoxDropDown(TObject *Sender);
    void DataCursorChannelNameComboBoxDropDown(TObject *Sender);
    void iPlotLayoutViewerMouseDown(TObject *Sender, TMouseButton Button, TShiftState Shift, int X, int Y);
    void iPlotLayoutViewerChange(TObject *Sender);
    void LayoutPopupMenuPopup(TObject *Sender);
    void XYAxesReverseMenuItemClick(TObject *Sender);
    void AddXAxisMenuItemClick(TObject *Sender);
    void AddYAxisMenuItemClick(TObject *Sender);
    void AddLabelMenuItemClick(TObject *Sender);
    void DeleteMenuItemClick(TObject *Sender);
    void VisibleMenuItemClick(TObject *Sender);
    void EditMenuItemClick(TObject *Sender);

    // ---- Handlers: page stores ----
    void ToolBarChange(TObject *Sender);
    void LegendChange(TObject *Sender);
    void TableChange(TObject *Sender);
    void XAxisChange(TObject *Sender);
    void YAxisChange(TObject *Sender);
    void DataViewChange(TObject *Sender);
    void ChannelChange(TObject *Sender);
    void DataCursorChange(TObject *Sender);
    void LimitChange(TObject *Sender);
    void LabelChange(TObject *Sender);

    // ---- Handlers: axis pages ----
    void XAxisCursorCopyDefaultButtonClick(TObject *Sender);
    void XAxisLegendCopyDefaultButtonClick(TObject *Sender);
    void YAxisCursorCopyDefaultButtonClick(TObject *Sender);
    void YAxisLegendCopyDefaultButtonClick(TObject *Sender);

    // ---- Handlers and steps: channel page ----
    // Every statistics display shows "Click Refresh" (empty without a selected channel).
    void ResetChannelStats();
    void RefreshChannelStats();
    void ChannelStatsRefreshButtonClick(TObject *Sender);
    void ChannelPropertiesOpenPickerChange(TObject *Sender);
    void ChannelPropertiesSavePickerChange(TObject *Sender);
    void ChannelDataOpenPickerChange(TObject *Sender);
    void ChannelDataSavePickerChange(TObject *Sender);
    void ChannelLogFileNamePickerChange(TObject *Sender);
    void ChannelLogActivateButtonClick(TObject *Sender);
    void ChannelLogDeactivateButtonClick(TObject *Sender);

    // ---- Handlers: "Control" page ----
    void GeneralChanged(TObject *Sender);
    void TitleChange(TObject *Sender);
    void ControlPropertiesOpenPickerChange(TObject *Sender);
    void ControlPropertiesSavePickerChange(TObject *Sender);
    void ControlDataOpenPickerChange(TObject *Sender);
    void ControlDataSavePickerChange(TObject *Sender);
    void ControlAnnotationOpenPickerChange(TObject *Sender);
    void ControlAnnotationSavePickerChange(TObject *Sender);
    void ControlLogFileNamePickerChange(TObject *Sender);
    void ControlLogActivateButtonClick(TObject *Sender);
    void ControlLogDeactivateButtonClick(TObject *Sender);

    // ---- Loading and storing rows by property name (iPlotEditorRows.cpp) ----
    // Sets each row's control from Object's property, silently.
    void LoadRows(std::span<const TiEditorRow> Rows, TObject *Object);
    // Writes each row's control into Object's property, in row order.
    void StoreRows(std::span<const TiEditorRow> Rows, TObject *Object);
    // Enable or Disable (clearing) of each control named.
    void EnableControls(std::span<const char *const> Names, bool Enabled);

    // ---- Components (set by the form reader) ----
    TiComponentEditorPageControl *PageControl = nullptr;
    TiPlotLayoutViewer *iPlotLayoutViewer = nullptr;
    TPopupMenu *LayoutPopupMenu = nullptr;
    TMenuItem *XYAxesReverseMenuItem = nullptr;
    TMenuItem *AddXAxisMenuItem = nullptr;
    TMenuItem *AddYAxisMenuItem = nullptr;
    TMenuItem *AddLabelMenuItem = nullptr;
    TMenuItem *DeleteMenuItem = nullptr;
    TMenuItem *VisibleMenuItem = nullptr;
    TMenuItem *EditMenuItem = nullptr;
    TiComponentEditorListBox *ToolBarListBox = nullptr;
    TiComponentEditorListBox *LegendListBox = nullptr;
    TiComponentEditorListBox *TableListBox = nullptr;
    TiComponentEditorListBox *XAxisListBox = nullptr;
    TiComponentEditorListBox *YAxisListBox = nullptr;
    TiComponentEditorListBox *DataViewListBox = nullptr;
    TiComponentEditorListBox *ChannelListBox = nullptr;
    TiComponentEditorListBox *DataCursorListBox = nullptr;
    TiComponentEditorListBox *LimitListBox = nullptr;
    TiComponentEditorListBox *LabelListBox = nullptr;
    TiComponentEditorButton *iChannelAddButton = nullptr;
    TiComponentEditorButton *ChannelRemoveButton = nullptr;
    TiComponentEditorButton *LabelRemoveButton = nullptr;

protected:
    // The window became the active one: a stay-on-top editor shows what changed meanwhile.
    void Activate() override;

private:
    // The plot as the plot control, or nullptr.
    TiPlotComponent *Plot() const;
    // The selected object of a list, or nullptr.
    static TiPlotObject *Selected(const TiComponentEditorListBox *List);
    // Text and colour box of an item: the object's name, and the colour of the published
    // property named (a colour, or a font's colour); no box without one.
    static void ListItemData(const TiComponentEditorListBox *List, int Index, bool &DrawColorBox, TColor &AColor,
                             QString &AText, const char *ColourProperty);
    // Enables or disables a page's controls by its list's selection; answers the selected object.
    TiPlotObject *EnablePage(const TiEditorPageTable &Table, const TiComponentEditorListBox *List);
    // Runs the loader of the object's kind.
    void LoadPageOf(const TObject *Object);
    // Fills a name list: the header, the names of the manager's objects, the trailer; the text it
    // showed stays selected when it is still there. Nothing without the manager.
    void FillNameList(TiComponentEditorComboBox *Combo, const TiPlotObjectManagerCustom *Manager, const QString &Header,
                      const QString &Trailer);
    QString Translated(const QString &Text) const;
    // "Copy Default" of an axis page: the "(Default)" format settings into the cursor's
    // ("Cursor") or the legend's ("Legend") controls, then the page's store.
    void CopyDefaultFormat(const QString &Prefix, const QString &Target);
    // The axis loader for the prefix "XAxis" or "YAxis".
    void UpdateAxisEdit(bool XAxis);
    // Enables the log controls of a page as logging is on or off; the file name keeps its text.
    void SetLogControls(const QString &Prefix, bool LoggingActive);
    // The selected channel, or nullptr.
    TiPlotChannelCustom *SelectedChannel() const;
    // Reloads every page once a removal has run its course (posted by ObjectRemoved).
    void CMRefreshAfterRemoval(TMessage &m);
    // Runs Apply(kind, property, control) for each row whose control and property exist.
    template <class Step>
    void ForEachRow(std::span<const TiEditorRow> Rows, const TObject *Object, Step &&Apply) const;

    bool FIsClosing = false;
    TiPlotLayoutObject *FRightClickObject = nullptr;
    // A press on the schematic came since the menu last opened.
    bool FPressBeforePopup = false;
    bool FRefreshPosted = false;
    // Components by lower-case name.
    QHash<QString, TComponent *> FComponents;
};
