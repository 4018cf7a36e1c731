#pragma once
// TCustomRadioGroup and TRadioGroup: a group box holding one radio button per line of Items, laid
// out in Columns. ItemIndex is the checked one (-1 none). Choosing a button, by the user or by
// writing ItemIndex, fires OnClick.

#include "platform/ui/GroupBox.h"
#include "platform/runtime/StringList.h"

#include <memory>
#include <vector>

class TRadioButton;

class TCustomRadioGroup : public TCustomGroupBox {
    T_DECLARE_CLASS(TCustomRadioGroup, TCustomGroupBox)

public:
    explicit TCustomRadioGroup(TComponent *AOwner);
    ~TCustomRadioGroup() override;

    TStrings *Items() const { return FItems.get(); }
    void SetItems(TStrings *value) { FItems->Assign(value); }
    int ItemIndex() const { return FItemIndex; }
    void SetItemIndex(int value);
    int Columns() const { return FColumns; }
    void SetColumns(int value);
    // The radio button of an item.
    TRadioButton *Buttons(int index) const;

    void Loaded() override;
    void SetBounds(int ALeft, int ATop, int AWidth, int AHeight) override;

private:
    void ItemsChanged();
    void ArrangeButtons();
    void ButtonClick(TObject *Sender);

    std::unique_ptr<TStringList> FItems;
    std::vector<TRadioButton *> FButtons;
    int FItemIndex = -1;
    int FColumns = 1;
    bool FUpdating = false;
};

class TRadioGroup : public TCustomRadioGroup {
    T_DECLARE_CLASS(TRadioGroup, TCustomRadioGroup)

public:
    explicit TRadioGroup(TComponent *AOwner) : TCustomRadioGroup(AOwner) {}
};
