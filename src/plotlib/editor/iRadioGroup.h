#pragma once
// TiRadioGroup: the library's owner-drawn radio group (an etched frame with a caption and round
// buttons in columns), used by the editor forms through TiComponentEditorRadioGroup.
//
// Items fill the first column top to bottom, then the next; with N items in C columns there are
// N div C rows, one more when N mod C is not 0. ItemIndex is -1 (none) or an item; writing it is
// clamped into that range. A click (press and release on the same item) selects the item as the
// user's change; the arrow keys step to the next (Right, Down) or previous (Left, Up) item round
// the ends, which does not count as the user's. Every change of ItemIndex raises
// OnChangeProtected (Sender, "ItemIndex"), OnChange, and OnChangeUser for the user's; a change of
// Items or Font only clamps ItemIndex, silently. Nothing fires while the control loads. GUI thread.

#include "platform/runtime/StringList.h"
#include "plotlib/base/iVCLComponent.h"

#include <memory>

class TiRadioGroup : public TiCustomComponent {
    T_DECLARE_CLASS(TiRadioGroup, TiCustomComponent)
    explicit TiRadioGroup(TComponent *AOwner);
    ~TiRadioGroup() override;

    TStrings *Items() const { return FItems.get(); }
    void SetItems(TStrings *Value) { FItems->Assign(Value); }
    int ItemIndex() const { return FItemIndex; }
    void SetItemIndex(int Value);
    int Columns() const { return FColumns; }
    // Values below 1 are ignored.
    void SetColumns(int Value);
    // Caption and SetCaption (the control's text) repaint the control.

    TNotifyEvent OnChange;
    TNotifyEvent OnChangeUser;

    void DrawToCanvas(TCanvas *Canvas) override;
    // The item at a point of the control, by the layout of the last paint; may lie outside the
    // items.
    int ItemAt(int X, int Y) const;
    // The centre of an item's button by the same layout.
    TPoint ItemCenter(int Index) const;
    // Rows per column of the last paint.
    int MaxRows() const { return FMaxRows; }

protected:
    // The change notification (see above).
    virtual void DoChange();
    void iGotFocus() override;
    void iLostFocus() override;
    void iWantSpecialKey(WORD &CharCode, LRESULT &Result) override;
    void iKeyUp(WORD &Key, TShiftState Shift) override;
    void iKeyDown(WORD &Key, TShiftState Shift) override;
    void iMouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void iMouseMove(TShiftState Shift, int X, int Y) override;
    void iMouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    QString GetText() const override { return FCaption; }
    void SetTextValue(const QString &Value) override;
    void CMFontChanged(TMessage &m);

private:
    // ItemIndex kept within the items, without an event.
    void ItemsChanged(TObject *);
    // The layout of the items for the control's size and font.
    void ComputeLayout(TCanvas *Canvas);
    // An item's centre by the layout last computed.
    TPoint CenterOf(int Index) const;

    bool FMouseDown = false;
    int FMouseDownIndex = -1;
    bool FKeyDown = false;
    int FItemsRowStart = 0;
    double FItemsRowSpacing = 0;
    int FItemsColStart = 14;
    double FItemsColSpacing = 0;
    int FMaxRows = 0;
    QString FCaption = QStringLiteral("Radio Group");
    std::unique_ptr<TStringList> FItems;
    int FItemIndex = -1;
    int FColumns = 1;
};
