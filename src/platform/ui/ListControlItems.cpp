#include "platform/ui/ListControlItems.h"

#include "platform/runtime/ClassBuilder.h"

#include <algorithm>

T_IMPLEMENT_CLASS(TListControlItems) {}

void TListControlItems::CheckIndex(int index, bool allowEnd) const
{
    if (index < 0 || index > Count() || (!allowEnd && index == Count()))
        Error(QStringLiteral("List index out of bounds (%1)"), index);
}

QString TListControlItems::Get(int index) const
{
    CheckIndex(index, false);
    return FItems[static_cast<std::size_t>(index)].text;
}

void TListControlItems::Put(int index, const QString &s)
{
    CheckIndex(index, false);
    FItems[static_cast<std::size_t>(index)].text = s;
    if (OnChangedAt)
        OnChangedAt(index);
}

TObject *TListControlItems::GetObject(int index) const
{
    CheckIndex(index, false);
    return FItems[static_cast<std::size_t>(index)].object;
}

void TListControlItems::PutObject(int index, TObject *object)
{
    CheckIndex(index, false);
    FItems[static_cast<std::size_t>(index)].object = object;
}

void TListControlItems::Insert(int index, const QString &s)
{
    InsertObject(index, s, nullptr);
}

void TListControlItems::InsertObject(int index, const QString &s, TObject *object)
{
    CheckIndex(index, true);
    FItems.insert(FItems.begin() + index, Item{s, object});
    if (OnInserted)
        OnInserted(index);
}

void TListControlItems::Delete(int index)
{
    CheckIndex(index, false);
    if (OnDeleting)
        OnDeleting(index);
    FItems.erase(FItems.begin() + index);
    if (OnDeleted)
        OnDeleted(index);
}

void TListControlItems::Clear()
{
    if (OnDeleting)
        for (int i = Count() - 1; i >= 0; --i)
            OnDeleting(i);
    FItems.clear();
    if (OnCleared)
        OnCleared();
}

int TListControlItems::SortedIndexOf(const QString &s) const
{
    const auto it = std::upper_bound(FItems.begin(), FItems.end(), s, [](const QString &a, const Item &b) {
        return a.compare(b.text, Qt::CaseInsensitive) < 0;
    });
    return static_cast<int>(it - FItems.begin());
}

int TListControlItems::Add(const QString &s)
{
    return AddObject(s, nullptr);
}

int TListControlItems::AddObject(const QString &s, TObject *object)
{
    const int index = FSorted ? SortedIndexOf(s) : Count();
    InsertObject(index, s, object);
    return index;
}

void TListControlItems::SetSorted(bool value)
{
    if (FSorted == value)
        return;
    FSorted = value;
    if (!value)
        return;
    std::stable_sort(FItems.begin(), FItems.end(),
                     [](const Item &a, const Item &b) { return a.text.compare(b.text, Qt::CaseInsensitive) < 0; });
    if (OnReordered)
        OnReordered();
}

void TListControlItems::SetUpdateState(bool updating)
{
    if (!updating && OnEndUpdate)
        OnEndUpdate();
}

int SelectionAfterInsert(int selected, int index)
{
    return selected >= 0 && index <= selected ? selected + 1 : selected;
}

int SelectionAfterDelete(int selected, int index)
{
    return index == selected ? -1 : index < selected ? selected - 1 : selected;
}
