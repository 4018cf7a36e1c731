#pragma once
// TCustomListBox and TListBox: a list of strings with attached objects.
//
// Items->Add answers the new item's index. Writing ItemIndex or Selected by code fires nothing; a
// selection change by the user (click, arrow keys) fires OnClick, a double click on an item
// OnDblClick, both through CN_COMMAND with LBN_SELCHANGE and LBN_DBLCLK. With
// MultiSelect several items can be selected (ItemIndex is then the item with the focus). Owner-drawn
// styles paint each item through DrawItem/OnDrawItem on Canvas.

#include "platform/ui/ComboBox.h"
#include "platform/ui/ListControlItems.h"
#include "platform/ui/NativeControl.h"
#include "platform/ui/StdCtrlsTypes.h"

#include <memory>
#include <vector>

class QListWidget;

// Notification codes of a list box (the high word of CN_COMMAND's WParam): the user changed the
// selection, or double-clicked an item.
constexpr WORD LBN_SELCHANGE = 1;
constexpr WORD LBN_DBLCLK = 2;

class TCustomListBox : public TNativeControl {
    T_DECLARE_CLASS(TCustomListBox, TNativeControl)

public:
    explicit TCustomListBox(TComponent *AOwner);
    ~TCustomListBox() override;

    TStrings *Items() const { return FItems.get(); }
    void SetItems(TStrings *value) { FItems->Assign(value); }
    int Count() const { return FItems->Count(); }
    int ItemIndex() const { return FItemIndex; }
    void SetItemIndex(int value);
    bool MultiSelect() const { return FMultiSelect; }
    void SetMultiSelect(bool value);
    bool ExtendedSelect() const { return FExtendedSelect; }
    void SetExtendedSelect(bool value) { FExtendedSelect = value; ApplySelectionMode(); }
    bool Selected(int index) const;
    void SetSelected(int index, bool value);
    int SelCount() const;
    bool Sorted() const { return FItems->Sorted(); }
    void SetSorted(bool value) { FItems->SetSorted(value); }
    TListBoxStyle Style() const { return FStyle; }
    void SetStyle(TListBoxStyle value);
    int ItemHeight() const { return FItemHeight; }
    void SetItemHeight(int value);
    TBorderStyle BorderStyle() const { return FBorderStyle; }
    void SetBorderStyle(TBorderStyle value);
    int TopIndex() const;
    void SetTopIndex(int value);

    void Clear() { FItems->Clear(); }
    void ClearSelection();
    void SelectAll();
    void DeleteSelected();
    // The item at a client point (-1, or with `existing` false the count, when none).
    int ItemAtPos(const TPoint &pos, bool existing) const;
    TRect ItemRect(int index) const;

    TCanvas *Canvas() const { return FCanvas.get(); }

    TDrawItemEvent OnDrawItem;
    TMeasureItemEvent OnMeasureItem;

    void Loaded() override;

protected:  // message handlers, registered by number in the class description
    void CNCommand(TMessage &m);
    void CMMouseWheel(TMessage &m);
    void WMGetDlgCode(TMessage &m);

protected:
    virtual void DrawItem(int index, const TRect &rect, TOwnerDrawState state);
    virtual void MeasureItem(int index, int &height);
    QWidget *CreateNative(QWidget *parent) override;
    QListWidget *List() const;
    void ApplySelectionMode();
    // The user changed the selection in the widget.
    void UserSelectionChanged();

private:
    void ItemInserted(int index);
    void ItemDeleted(int index);
    void ItemsCleared();
    void RebuildWidget();
    void ShowSelection();

    std::unique_ptr<TListControlItems> FItems;
    std::unique_ptr<TCanvas> FCanvas;
    std::vector<bool> FSelected;  // per item, with MultiSelect
    int FItemIndex = -1;
    bool FMultiSelect = false;
    bool FExtendedSelect = true;
    TListBoxStyle FStyle = lbStandard;
    int FItemHeight = 16;
    TBorderStyle FBorderStyle = bsSingle;
    int FTopIndex = 0;
    bool FSyncing = false;
};

class TListBox : public TCustomListBox {
    T_DECLARE_CLASS(TListBox, TCustomListBox)

public:
    explicit TListBox(TComponent *AOwner) : TCustomListBox(AOwner) {}
};
