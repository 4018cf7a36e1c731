#pragma once
// TCollection / TCollectionItem: an owned, ordered list of persistent items of one class, streamed
// as "Name = < item ... end item ... end >" in form definitions.
//
//   class TPanelItem : public TCollectionItem { T_DECLARE_CLASS(TPanelItem, TCollectionItem) ... };
//   Panels = new TCollection(this, [](TCollection *c) { return new TPanelItem(c); });

#include "platform/runtime/Classes.h"

#include <functional>
#include <vector>

class TCollection;

class TCollectionItem : public TPersistent {
    T_DECLARE_CLASS(TCollectionItem, TPersistent)
    explicit TCollectionItem(TCollection *Collection);
    ~TCollectionItem() override;

    TCollection *Collection() const { return FCollection; }
    void SetCollection(TCollection *value);
    int Index() const;
    virtual void SetIndex(int value);
    int ID() const { return FID; }
    virtual QString DisplayName() const;
    TPersistent *GetOwner() override;
    QString GetNamePath() override;

protected:
    // Tells the collection that this item changed (all items when `AllItems`).
    void Changed(bool AllItems);

private:
    friend class TCollection;
    TCollection *FCollection = nullptr;
    int FID = 0;
};

class TCollection : public TPersistent {
    T_DECLARE_CLASS(TCollection, TPersistent)
    using TItemFactory = std::function<TCollectionItem *(TCollection *)>;

    TCollection(TPersistent *Owner, TItemFactory factory);
    ~TCollection() override;

    TCollectionItem *Add();
    TCollectionItem *Insert(int index);
    void Delete(int index);
    void Clear();
    int Count() const { return static_cast<int>(FItems.size()); }
    TCollectionItem *Items(int index) const;  // EListError for a bad index
    TCollectionItem *FindItemID(int id) const;
    void Exchange(int index1, int index2);

    void BeginUpdate();
    void EndUpdate();
    int UpdateCount() const { return FUpdateCount; }

    // Copies the items of another collection (item by item through Assign).
    void Assign(TPersistent *Source) override;
    TPersistent *GetOwner() override { return FOwner; }
    QString GetNamePath() override;
    // Changes are reported here (item nullptr: the whole collection); the default does nothing.
    virtual void Update(TCollectionItem *Item);
    // Called after an item was added (`added` true) or before it is removed.
    virtual void Notify(TCollectionItem *Item, bool added);

protected:
    void Changed();

private:
    friend class TCollectionItem;
    void InsertItem(TCollectionItem *item);
    void RemoveItem(TCollectionItem *item);

    TPersistent *FOwner;
    TItemFactory FFactory;
    std::vector<TCollectionItem *> FItems;
    int FUpdateCount = 0;
    int FNextID = 0;
};
