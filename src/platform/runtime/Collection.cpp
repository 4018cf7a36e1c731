#include "platform/runtime/Collection.h"

#include "platform/runtime/ClassBuilder.h"
#include "platform/runtime/Exception.h"

#include <algorithm>

T_IMPLEMENT_CLASS(TCollectionItem) {}
T_IMPLEMENT_CLASS(TCollection) {}

TCollectionItem::TCollectionItem(TCollection *Collection)
{
    SetCollection(Collection);
}

TCollectionItem::~TCollectionItem()
{
    SetCollection(nullptr);
}

void TCollectionItem::SetCollection(TCollection *value)
{
    if (FCollection == value)
        return;
    if (FCollection)
        FCollection->RemoveItem(this);
    if (value)
        value->InsertItem(this);
}

int TCollectionItem::Index() const
{
    if (!FCollection)
        return -1;
    auto &items = FCollection->FItems;
    auto it = std::find(items.begin(), items.end(), this);
    return it == items.end() ? -1 : static_cast<int>(it - items.begin());
}

void TCollectionItem::SetIndex(int value)
{
    int current = Index();
    if (current < 0 || value < 0 || current == value)
        return;
    auto &items = FCollection->FItems;
    value = std::min(value, static_cast<int>(items.size()) - 1);
    items.erase(items.begin() + current);
    items.insert(items.begin() + value, this);
    Changed(true);
}

QString TCollectionItem::DisplayName() const
{
    return ClassName();
}

TPersistent *TCollectionItem::GetOwner()
{
    return FCollection;
}

QString TCollectionItem::GetNamePath()
{
    if (!FCollection)
        return ClassName();
    return QStringLiteral("%1[%2]").arg(FCollection->GetNamePath()).arg(Index());
}

void TCollectionItem::Changed(bool AllItems)
{
    if (FCollection && FCollection->FUpdateCount == 0)
        FCollection->Update(AllItems ? nullptr : this);
}

TCollection::TCollection(TPersistent *Owner, TItemFactory factory) : FOwner(Owner), FFactory(std::move(factory)) {}

TCollection::~TCollection()
{
    FUpdateCount = 1;  // no change reports while tearing down
    while (!FItems.empty())
        delete FItems.back();
}

TCollectionItem *TCollection::Add()
{
    TCollectionItem *item = FFactory(this);
    if (item->FCollection != this)
        item->SetCollection(this);
    Changed();
    return item;
}

TCollectionItem *TCollection::Insert(int index)
{
    TCollectionItem *item = Add();
    item->SetIndex(index);
    return item;
}

void TCollection::Delete(int index)
{
    delete Items(index);
}

void TCollection::Clear()
{
    if (FItems.empty())
        return;
    BeginUpdate();
    while (!FItems.empty())
        delete FItems.back();
    EndUpdate();
}

TCollectionItem *TCollection::Items(int index) const
{
    if (index < 0 || index >= Count())
        throw EListError(QStringLiteral("List index out of bounds (%1)").arg(index));
    return FItems[static_cast<std::size_t>(index)];
}

TCollectionItem *TCollection::FindItemID(int id) const
{
    for (TCollectionItem *item : FItems)
        if (item->FID == id)
            return item;
    return nullptr;
}

void TCollection::Exchange(int index1, int index2)
{
    std::swap(FItems.at(static_cast<std::size_t>(index1)), FItems.at(static_cast<std::size_t>(index2)));
    Changed();
}

void TCollection::BeginUpdate()
{
    ++FUpdateCount;
}

void TCollection::EndUpdate()
{
    if (FUpdateCount > 0 && --FUpdateCount == 0)
        Changed();
}

void TCollection::Assign(TPersistent *Source)
{
    auto *other = dynamic_cast<TCollection *>(Source);
    if (!other) {
        TPersistent::Assign(Source);
        return;
    }
    BeginUpdate();
    try {
        Clear();
        for (TCollectionItem *item : other->FItems)
            Add()->Assign(item);
    } catch (...) {
        EndUpdate();
        throw;
    }
    EndUpdate();
}

QString TCollection::GetNamePath()
{
    return FOwner ? FOwner->GetNamePath() : ClassName();
}

void TCollection::Update(TCollectionItem *) {}

void TCollection::Notify(TCollectionItem *, bool) {}

void TCollection::Changed()
{
    if (FUpdateCount == 0)
        Update(nullptr);
}

void TCollection::InsertItem(TCollectionItem *item)
{
    FItems.push_back(item);
    item->FCollection = this;
    item->FID = FNextID++;
    Notify(item, true);
    Changed();
}

void TCollection::RemoveItem(TCollectionItem *item)
{
    Notify(item, false);
    auto it = std::find(FItems.begin(), FItems.end(), item);
    if (it != FItems.end())
        FItems.erase(it);
    item->FCollection = nullptr;
    Changed();
}
