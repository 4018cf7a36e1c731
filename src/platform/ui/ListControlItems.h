#pragma once
// TListControlItems: the Items of a combo box or list box. A string list with attached objects
// that tells its control about every change, so that the control keeps its selection on the same
// item (an insertion before the selected item moves the selection along, deleting the selected
// item leaves nothing selected) and its widget in step. With Sorted, Add puts a string where it
// belongs (case ignored), as a sorted list window does.

#include "platform/runtime/StringList.h"

#include <functional>
#include <vector>

class TListControlItems : public TStrings {
    T_DECLARE_CLASS(TListControlItems, TStrings)

public:
    TListControlItems() = default;

    int Count() const override { return static_cast<int>(FItems.size()); }
    QString Get(int index) const override;
    void Put(int index, const QString &s) override;
    TObject *GetObject(int index) const override;
    void PutObject(int index, TObject *object) override;
    void Insert(int index, const QString &s) override;
    void InsertObject(int index, const QString &s, TObject *object) override;
    void Delete(int index) override;
    void Clear() override;
    int Add(const QString &s) override;
    int AddObject(const QString &s, TObject *object) override;

    bool Sorted() const { return FSorted; }
    // Sorting an existing list reorders it (the control is told as after Clear and re-adding).
    void SetSorted(bool value);

    // What the control hears (each optional), also inside BeginUpdate/EndUpdate; a control may
    // leave its widget alone while UpdateCount() > 0 and catch up at OnEndUpdate.
    std::function<void(int index)> OnInserted;
    std::function<void(int index)> OnDeleting;  // before an item goes (by Delete or Clear)
    std::function<void(int index)> OnDeleted;
    std::function<void(int index)> OnChangedAt;  // the string of an item changed
    std::function<void()> OnCleared;
    std::function<void()> OnReordered;          // sorting moved the items
    std::function<void()> OnEndUpdate;

protected:
    void SetUpdateState(bool updating) override;

private:
    struct Item {
        QString text;
        TObject *object = nullptr;
    };
    void CheckIndex(int index, bool allowEnd) const;
    int SortedIndexOf(const QString &s) const;

    std::vector<Item> FItems;
    bool FSorted = false;
};

// The selected index of a list control after an item was inserted at, or deleted from, `index`
// (-1: nothing selected): the selection stays on the same item, or goes with it.
int SelectionAfterInsert(int selected, int index);
int SelectionAfterDelete(int selected, int index);
