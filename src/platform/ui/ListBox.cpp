#include "platform/ui/ListBox.h"

#include "platform/runtime/ClassBuilder.h"
#include "platform/ui/OwnerDrawDelegate.h"

#include <QListWidget>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QWheelEvent>

#include <algorithm>

T_IMPLEMENT_CLASS(TCustomListBox)
{
    b.Message(CN_COMMAND, &TCustomListBox::CNCommand);
    b.Message(CM_MOUSEWHEEL, &TCustomListBox::CMMouseWheel);
    b.Message(WM_GETDLGCODE, &TCustomListBox::WMGetDlgCode);
}

T_IMPLEMENT_CLASS(TListBox)
{
    b.Enum("BorderStyle", &TListBox::BorderStyle, &TListBox::SetBorderStyle, FormBorderStyleNames).Default(bsSingle);
    b.Bool("ExtendedSelect", &TListBox::ExtendedSelect, &TListBox::SetExtendedSelect).Default(true);
    b.Int("ItemHeight", &TListBox::ItemHeight, &TListBox::SetItemHeight).Default(16);
    b.Int("ItemIndex", &TListBox::ItemIndex, &TListBox::SetItemIndex).Default(-1);
    b.Object("Items", &TListBox::Items, &TListBox::SetItems);
    b.Bool("MultiSelect", &TListBox::MultiSelect, &TListBox::SetMultiSelect).Default(false);
    b.Bool("ParentColor", &TListBox::ParentColor, &TListBox::SetParentColor).Default(false);
    b.Bool("Sorted", &TListBox::Sorted, &TListBox::SetSorted).Default(false);
    b.Enum("Style", &TListBox::Style, &TListBox::SetStyle, ListBoxStyleNames).Default(lbStandard);
    b.Bool("TabStop", &TListBox::TabStop, &TListBox::SetTabStop).Default(true);
    b.Event("OnDrawItem", &TListBox::OnDrawItem);
    b.Event("OnMeasureItem", &TListBox::OnMeasureItem);
}

TCustomListBox::TCustomListBox(TComponent *AOwner)
    : TNativeControl(AOwner), FItems(std::make_unique<TListControlItems>()), FCanvas(std::make_unique<TCanvas>())
{
    FParentColor = false;
    FColor = clWindow;
    FTabStop = true;
    // Clicks come from selection changes, not from every release.
    FControlStyle = TControlStyle{csSetCaption, csDoubleClicks, csCaptureMouse};
    FItems->OnInserted = [this](int i) { ItemInserted(i); };
    FItems->OnDeleted = [this](int i) { ItemDeleted(i); };
    FItems->OnCleared = [this] { ItemsCleared(); };
    FItems->OnChangedAt = [this](int i) {
        if (QListWidget *list = List(); list && FItems->UpdateCount() == 0)
            list->item(i)->setText(FItems->Get(i));
    };
    FItems->OnReordered = [this] {
        FItemIndex = -1;
        FSelected.assign(static_cast<std::size_t>(Count()), false);
        RebuildWidget();
    };
    FItems->OnEndUpdate = [this] { RebuildWidget(); };
    SetBounds(0, 0, 121, 97);
}

TCustomListBox::~TCustomListBox()
{
    Destroying();
    if (QListWidget *list = List())
        QObject::disconnect(list, nullptr, nullptr, nullptr);
}

QListWidget *TCustomListBox::List() const
{
    return Native<QListWidget>();
}

// ---- Items and selection -----------------------------------------------------------------------

void TCustomListBox::ItemInserted(int index)
{
    FSelected.insert(FSelected.begin() + std::min<std::size_t>(static_cast<std::size_t>(index), FSelected.size()), false);
    // While a form is read, ItemIndex waits for Loaded and the items only arrive.
    if (!ComponentState().Contains(csLoading))
        FItemIndex = SelectionAfterInsert(FItemIndex, index);
    QListWidget *list = List();
    if (!list || FItems->UpdateCount() > 0)
        return;
    const QSignalBlocker block(list);
    list->insertItem(index, FItems->Get(index));
    ShowSelection();
}

void TCustomListBox::ItemDeleted(int index)
{
    if (static_cast<std::size_t>(index) < FSelected.size())
        FSelected.erase(FSelected.begin() + index);
    if (!ComponentState().Contains(csLoading))
        FItemIndex = SelectionAfterDelete(FItemIndex, index);
    QListWidget *list = List();
    if (!list || FItems->UpdateCount() > 0)
        return;
    const QSignalBlocker block(list);
    delete list->takeItem(index);
    ShowSelection();
}

void TCustomListBox::ItemsCleared()
{
    FSelected.clear();
    if (!ComponentState().Contains(csLoading))
        FItemIndex = -1;
    FTopIndex = 0;
    if (QListWidget *list = List(); list && FItems->UpdateCount() == 0) {
        const QSignalBlocker block(list);
        list->clear();
    }
}

void TCustomListBox::SetItemIndex(int value)
{
    if (ComponentState().Contains(csLoading)) {
        FItemIndex = value;  // applied in Loaded, once the items are there
        return;
    }
    if (value < -1 || value >= Count())
        value = -1;
    FItemIndex = value;
    if (!FMultiSelect) {
        FSelected.assign(static_cast<std::size_t>(Count()), false);
        if (value >= 0)
            FSelected[static_cast<std::size_t>(value)] = true;
    }
    ShowSelection();
}

void TCustomListBox::Loaded()
{
    const int index = FItemIndex;
    FItemIndex = -1;
    TNativeControl::Loaded();
    SetItemIndex(index);
}

bool TCustomListBox::Selected(int index) const
{
    if (index < 0 || index >= Count())
        FItems->Get(index);  // the list's index error
    return FMultiSelect ? FSelected[static_cast<std::size_t>(index)] : index == FItemIndex;
}

void TCustomListBox::SetSelected(int index, bool value)
{
    if (index < 0 || index >= Count())
        FItems->Get(index);
    if (!FMultiSelect) {
        SetItemIndex(value ? index : (index == FItemIndex ? -1 : FItemIndex));
        return;
    }
    FSelected[static_cast<std::size_t>(index)] = value;
    ShowSelection();
}

int TCustomListBox::SelCount() const
{
    if (!FMultiSelect)
        return -1;  // as the framework answers for a single-selection list
    return static_cast<int>(std::count(FSelected.begin(), FSelected.end(), true));
}

void TCustomListBox::ClearSelection()
{
    FSelected.assign(static_cast<std::size_t>(Count()), false);
    if (!FMultiSelect)
        FItemIndex = -1;
    ShowSelection();
}

void TCustomListBox::SelectAll()
{
    if (!FMultiSelect)
        return;
    FSelected.assign(static_cast<std::size_t>(Count()), true);
    ShowSelection();
}

void TCustomListBox::DeleteSelected()
{
    FItems->BeginUpdate();
    for (int i = Count() - 1; i >= 0; --i)
        if (Selected(i))
            FItems->Delete(i);
    FItems->EndUpdate();
}

void TCustomListBox::SetMultiSelect(bool value)
{
    FMultiSelect = value;
    FSelected.assign(static_cast<std::size_t>(Count()), false);
    if (FItemIndex >= 0)
        FSelected[static_cast<std::size_t>(FItemIndex)] = true;
    ApplySelectionMode();
}

void TCustomListBox::ApplySelectionMode()
{
    if (QListWidget *list = List())
        list->setSelectionMode(!FMultiSelect    ? QAbstractItemView::SingleSelection
                               : FExtendedSelect ? QAbstractItemView::ExtendedSelection
                                                 : QAbstractItemView::MultiSelection);
}

void TCustomListBox::SetStyle(TListBoxStyle value)
{
    if (FStyle == value)
        return;
    FStyle = value;
    if (WidgetIfCreated()) {
        DestroyWnd();
        CreateWnd();
    }
}

void TCustomListBox::SetItemHeight(int value)
{
    if (value <= 0)
        return;
    FItemHeight = value;
    if (QListWidget *list = List())
        list->doItemsLayout();
}

void TCustomListBox::SetBorderStyle(TBorderStyle value)
{
    FBorderStyle = value == bsNone ? bsNone : bsSingle;
    if (QListWidget *list = List())
        list->setFrameShape(FBorderStyle == bsNone ? QFrame::NoFrame : QFrame::StyledPanel);
}

int TCustomListBox::TopIndex() const
{
    if (QListWidget *list = List()) {
        const QModelIndex top = list->indexAt(QPoint(1, 1));
        return top.isValid() ? top.row() : 0;
    }
    return FTopIndex;
}

void TCustomListBox::SetTopIndex(int value)
{
    FTopIndex = std::clamp(value, 0, std::max(0, Count() - 1));
    if (QListWidget *list = List(); list && Count() > 0)
        list->scrollToItem(list->item(FTopIndex), QAbstractItemView::PositionAtTop);
}

int TCustomListBox::ItemAtPos(const TPoint &pos, bool existing) const
{
    if (QListWidget *list = List()) {
        const QModelIndex index = list->indexAt(list->viewport()->mapFrom(list, QPoint(pos.X, pos.Y)));
        if (index.isValid())
            return index.row();
    } else if (FStyle != lbOwnerDrawVariable && pos.Y >= 0) {
        const int row = FTopIndex + pos.Y / FItemHeight;
        if (row < Count())
            return row;
    }
    return existing ? -1 : Count();
}

TRect TCustomListBox::ItemRect(int index) const
{
    if (QListWidget *list = List(); list && index >= 0 && index < Count()) {
        QRect r = list->visualItemRect(list->item(index));
        r.translate(list->viewport()->pos());
        return TRect(r.left(), r.top(), r.right() + 1, r.bottom() + 1);
    }
    const int top = (index - FTopIndex) * FItemHeight;
    return TRect(0, top, Width(), top + FItemHeight);
}

// ---- Painting and events ------------------------------------------------------------------------

void TCustomListBox::DrawItem(int index, const TRect &rect, TOwnerDrawState state)
{
    DrawListItem(this, *FCanvas, *FItems, OnDrawItem, index, rect, state);
}

void TCustomListBox::MeasureItem(int index, int &height)
{
    if (FStyle == lbOwnerDrawVariable && OnMeasureItem)
        OnMeasureItem(this, index, height);
}

void TCustomListBox::UserSelectionChanged()
{
    QListWidget *list = List();
    if (FSyncing || !list)
        return;
    const int current = list->currentRow();
    std::vector<bool> selected(static_cast<std::size_t>(Count()), false);
    for (QListWidgetItem *item : list->selectedItems())
        selected[static_cast<std::size_t>(list->row(item))] = true;
    const int index = FMultiSelect ? current : (list->selectedItems().isEmpty() ? -1 : current);
    if (index == FItemIndex && (!FMultiSelect || selected == FSelected))
        return;
    FItemIndex = index;
    FSelected = selected;
    Perform(CN_COMMAND, static_cast<WPARAM>(LBN_SELCHANGE) << 16, 0);
}

void TCustomListBox::CNCommand(TMessage &m)
{
    switch (static_cast<WORD>(m.WParam >> 16)) {
    case LBN_SELCHANGE:
        Click();
        break;
    case LBN_DBLCLK:
        DblClick();
        break;
    default:
        break;
    }
}

void TCustomListBox::CMMouseWheel(TMessage &m)
{
    int delta = 0;
    m.Result = 1;
    if (DoMouseWheelMessage(m, delta))
        return;
    // The list's own handling: it scrolls.
    if (QListWidget *list = List())
        list->verticalScrollBar()->setValue(list->verticalScrollBar()->value() - delta / 40);
}

void TCustomListBox::WMGetDlgCode(TMessage &m)
{
    m.Result = DLGC_WANTARROWS | DLGC_WANTCHARS;
}

QWidget *TCustomListBox::CreateNative(QWidget *parent)
{
    auto *list = new QListWidget(parent);
    list->setUniformItemSizes(FStyle != lbOwnerDrawVariable);
    list->setFrameShape(FBorderStyle == bsNone ? QFrame::NoFrame : QFrame::StyledPanel);
    list->setSelectionMode(!FMultiSelect    ? QAbstractItemView::SingleSelection
                           : FExtendedSelect ? QAbstractItemView::ExtendedSelection
                                             : QAbstractItemView::MultiSelection);
    if (FStyle != lbStandard && FStyle != lbVirtual) {
        list->setItemDelegate(new TOwnerDrawDelegate(
            list,
            [this](int i, const TRect &r, TOwnerDrawState s, TCanvas *c) {
                FCanvas->SetHandle(c->Handle());
                Guarded([&] { DrawItem(i, r, s); });
                FCanvas->SetHandle(nullptr);
            },
            [this](int i) {
                int h = FItemHeight;
                MeasureItem(i, h);
                return h;
            }));
    }
    QObject::connect(list, &QListWidget::itemSelectionChanged, list, [this] { Guarded([this] { UserSelectionChanged(); }); });
    QObject::connect(list, &QListWidget::currentRowChanged, list, [this](int) { Guarded([this] { UserSelectionChanged(); }); });
    QObject::connect(list, &QListWidget::itemDoubleClicked, list, [this] {
        Guarded([this] { Perform(CN_COMMAND, static_cast<WPARAM>(LBN_DBLCLK) << 16, 0); });
    });
    FSyncing = true;
    for (int i = 0; i < Count(); ++i)
        list->addItem(FItems->Get(i));
    FSyncing = false;
    return list;
}

void TCustomListBox::RebuildWidget()
{
    QListWidget *list = List();
    if (!list || FItems->UpdateCount() > 0)
        return;
    const QSignalBlocker block(list);
    list->clear();
    for (int i = 0; i < Count(); ++i)
        list->addItem(FItems->Get(i));
    if (FSelected.size() != static_cast<std::size_t>(Count()))
        FSelected.assign(static_cast<std::size_t>(Count()), false);
    if (FItemIndex >= Count())
        FItemIndex = -1;
    ShowSelection();
}

void TCustomListBox::ShowSelection()
{
    QListWidget *list = List();
    if (!list)
        return;
    const QSignalBlocker block(list);
    FSyncing = true;
    list->clearSelection();
    list->setCurrentRow(FItemIndex, QItemSelectionModel::NoUpdate);
    for (int i = 0; i < Count() && i < list->count(); ++i)
        if (FMultiSelect ? FSelected[static_cast<std::size_t>(i)] : i == FItemIndex)
            list->item(i)->setSelected(true);
    if (FItemIndex >= 0 && FItemIndex < list->count())
        list->scrollToItem(list->item(FItemIndex));
    FSyncing = false;
    list->viewport()->update();
}
