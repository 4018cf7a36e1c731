#pragma once
// TTreeView with TTreeNodes and TTreeNode: a tree of text nodes, each with a Data pointer and an
// image index into the view's Images. A change of the selected node, by the user or by writing
// Selected, fires OnChange with the node. With SortType stText or stBoth, siblings stay in the
// order of their texts (compared without regard to case): a new node goes to its place among
// them, and switching sorting on orders the nodes already there.

#include "platform/ui/NativeControl.h"

#include <memory>
#include <vector>

class QTreeWidget;
class QTreeWidgetItem;
class TCustomImageList;
class TTreeNodes;
class TTreeView;

enum TSortType { stNone, stData, stText, stBoth };
inline constexpr auto SortTypeNames = EnumNames<TSortType>("stNone", "stData", "stText", "stBoth");

class TTreeNode {
public:
    TTreeNode(TTreeNodes *owner, TTreeNode *parent, const QString &text, void *data);
    ~TTreeNode();
    TTreeNode(const TTreeNode &) = delete;
    TTreeNode &operator=(const TTreeNode &) = delete;

    const QString &Text() const { return FText; }
    void SetText(const QString &value);
    void *Data() const { return FData; }
    void SetData(void *value) { FData = value; }
    int ImageIndex() const { return FImageIndex; }
    void SetImageIndex(int value);
    TTreeNode *Parent() const { return FParent; }
    int Count() const { return static_cast<int>(FChildren.size()); }
    TTreeNode *Item(int index) const { return FChildren.at(static_cast<std::size_t>(index)); }
    int Index() const;
    int Level() const;
    bool HasChildren() const { return !FChildren.empty(); }
    bool Expanded() const { return FExpanded; }
    void SetExpanded(bool value);
    void Expand(bool recurse);
    void Collapse(bool recurse);
    bool Selected() const;
    void SetSelected(bool value);
    TTreeNode *GetFirstChild() const { return FChildren.empty() ? nullptr : FChildren.front(); }
    TTreeNode *GetNextSibling() const;
    // Removes the node and its children from the tree.
    void Delete();

private:
    friend class TTreeNodes;
    friend class TTreeView;
    TTreeNodes *FOwner;
    TTreeNode *FParent;
    std::vector<TTreeNode *> FChildren;
    QString FText;
    void *FData;
    int FImageIndex = -1;
    bool FExpanded = false;
    QTreeWidgetItem *FItem = nullptr;
};

class TTreeNodes {
public:
    explicit TTreeNodes(TTreeView *view) : FView(view) {}
    ~TTreeNodes();

    // Added as the last sibling of `sibling` (a root when nullptr), or as the last child of `parent`.
    TTreeNode *Add(TTreeNode *sibling, const QString &text) { return AddObject(sibling, text, nullptr); }
    TTreeNode *AddObject(TTreeNode *sibling, const QString &text, void *data);
    TTreeNode *AddChild(TTreeNode *parent, const QString &text) { return AddChildObject(parent, text, nullptr); }
    TTreeNode *AddChildObject(TTreeNode *parent, const QString &text, void *data);
    void Delete(TTreeNode *node);
    void Clear();
    // All nodes, in display order.
    int Count() const;
    TTreeNode *Item(int index) const;
    TTreeNode *GetFirstNode() const { return FRoots.empty() ? nullptr : FRoots.front(); }
    TTreeView *Owner() const { return FView; }

private:
    friend class TTreeNode;
    friend class TTreeView;
    void Flatten(std::vector<TTreeNode *> &out, const std::vector<TTreeNode *> &level) const;
    TTreeView *FView;
    std::vector<TTreeNode *> FRoots;
};

using TTVChangedEvent = TEvent<void(TObject *Sender, TTreeNode *Node)>;

class TTreeView : public TNativeControl {
    T_DECLARE_CLASS(TTreeView, TNativeControl)

public:
    explicit TTreeView(TComponent *AOwner);
    ~TTreeView() override;

    TTreeNodes *Items() const { return FItems.get(); }
    TTreeNode *Selected() const { return FSelected; }
    void SetSelected(TTreeNode *node);
    void FullExpand();
    void FullCollapse();
    TSortType SortType() const { return FSortType; }
    void SetSortType(TSortType value);
    TCustomImageList *Images() const { return FImages; }
    void SetImages(TCustomImageList *value);

    TTVChangedEvent OnChange;

    void Notification(TComponent *AComponent, TOperation Operation) override;

protected:
    virtual void Change(TTreeNode *node);
    QWidget *CreateNative(QWidget *parent) override;

private:
    friend class TTreeNode;
    friend class TTreeNodes;
    QTreeWidget *Tree() const;
    void NodeAdded(TTreeNode *node);
    void NodeRemoving(TTreeNode *node);
    void BuildItems(QTreeWidget *tree);
    static void MakeItem(QTreeWidget *tree, TTreeNode *node);
    void UserSelected();
    bool SortsByText() const { return FSortType == stText || FSortType == stBoth; }
    // Index among its siblings at which a node with this text goes.
    static std::size_t SortedPlace(const std::vector<TTreeNode *> &level, const QString &text);
    void ShowImage(TTreeNode *node) const;
    // Makes the widget's items again from the nodes (after their order or images changed).
    void RebuildItems();

    std::unique_ptr<TTreeNodes> FItems;
    TSortType FSortType = stNone;
    TCustomImageList *FImages = nullptr;
    TTreeNode *FSelected = nullptr;
    bool FSyncing = false;
};
