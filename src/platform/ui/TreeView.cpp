#include "platform/ui/TreeView.h"

#include "platform/runtime/ClassBuilder.h"
#include "platform/runtime/SysUtils.h"
#include "platform/ui/ImageList.h"

#include <QIcon>
#include <QPixmap>
#include <QSignalBlocker>
#include <QTreeWidget>

#include <algorithm>

T_IMPLEMENT_CLASS(TTreeView)
{
    b.Bool("TabStop", &TTreeView::TabStop, &TTreeView::SetTabStop).Default(true);
    b.Ref("Images", &TTreeView::Images, &TTreeView::SetImages);
    b.Enum("SortType", &TTreeView::SortType, &TTreeView::SetSortType, SortTypeNames)
        .Default(stNone);
    b.Event("OnChange", &TTreeView::OnChange);
}

// ---- TTreeNode ---------------------------------------------------------------------------------

TTreeNode::TTreeNode(TTreeNodes *owner, TTreeNode *parent, const QString &text, void *data)
    : FOwner(owner), FParent(parent), FText(text), FData(data)
{
}

TTreeNode::~TTreeNode()
{
    for (TTreeNode *child : FChildren)
        delete child;
}

void TTreeNode::SetText(const QString &value)
{
    FText = value;
    if (FItem)
        FItem->setText(0, value);
}

void TTreeNode::SetImageIndex(int value)
{
    FImageIndex = value;
    FOwner->FView->ShowImage(this);
}

int TTreeNode::Index() const
{
    const auto &level = FParent ? FParent->FChildren : FOwner->FRoots;
    return static_cast<int>(std::find(level.begin(), level.end(), this) - level.begin());
}

int TTreeNode::Level() const
{
    int level = 0;
    for (TTreeNode *p = FParent; p; p = p->FParent)
        ++level;
    return level;
}

TTreeNode *TTreeNode::GetNextSibling() const
{
    const auto &level = FParent ? FParent->FChildren : FOwner->FRoots;
    const int i = Index() + 1;
    return i < static_cast<int>(level.size()) ? level[static_cast<std::size_t>(i)] : nullptr;
}

void TTreeNode::SetExpanded(bool value)
{
    FExpanded = value;
    if (FItem)
        FItem->setExpanded(value);
}

void TTreeNode::Expand(bool recurse)
{
    SetExpanded(true);
    if (recurse)
        for (TTreeNode *c : FChildren)
            c->Expand(true);
}

void TTreeNode::Collapse(bool recurse)
{
    SetExpanded(false);
    if (recurse)
        for (TTreeNode *c : FChildren)
            c->Collapse(true);
}

bool TTreeNode::Selected() const
{
    return FOwner->FView->Selected() == this;
}

void TTreeNode::SetSelected(bool value)
{
    if (value)
        FOwner->FView->SetSelected(this);
    else if (Selected())
        FOwner->FView->SetSelected(nullptr);
}

void TTreeNode::Delete()
{
    FOwner->Delete(this);
}

// ---- TTreeNodes --------------------------------------------------------------------------------

TTreeNodes::~TTreeNodes()
{
    for (TTreeNode *n : FRoots)
        delete n;
}

TTreeNode *TTreeNodes::AddObject(TTreeNode *sibling, const QString &text, void *data)
{
    return AddChildObject(sibling ? sibling->FParent : nullptr, text, data);
}

TTreeNode *TTreeNodes::AddChildObject(TTreeNode *parent, const QString &text, void *data)
{
    auto *node = new TTreeNode(this, parent, text, data);
    auto &level = parent ? parent->FChildren : FRoots;
    const std::size_t place = FView->SortsByText() ? TTreeView::SortedPlace(level, text) : level.size();
    level.insert(level.begin() + static_cast<std::ptrdiff_t>(place), node);
    FView->NodeAdded(node);
    return node;
}

void TTreeNodes::Delete(TTreeNode *node)
{
    if (!node)
        return;
    FView->NodeRemoving(node);
    auto &level = node->FParent ? node->FParent->FChildren : FRoots;
    level.erase(std::find(level.begin(), level.end(), node));
    delete node;
}

void TTreeNodes::Clear()
{
    while (!FRoots.empty())
        Delete(FRoots.back());
}

void TTreeNodes::Flatten(std::vector<TTreeNode *> &out, const std::vector<TTreeNode *> &level) const
{
    for (TTreeNode *n : level) {
        out.push_back(n);
        Flatten(out, n->FChildren);
    }
}

int TTreeNodes::Count() const
{
    std::vector<TTreeNode *> all;
    Flatten(all, FRoots);
    return static_cast<int>(all.size());
}

TTreeNode *TTreeNodes::Item(int index) const
{
    std::vector<TTreeNode *> all;
    Flatten(all, FRoots);
    return all.at(static_cast<std::size_t>(index));
}

// ---- TTreeView ---------------------------------------------------------------------------------

TTreeView::TTreeView(TComponent *AOwner) : TNativeControl(AOwner), FItems(std::make_unique<TTreeNodes>(this))
{
    FParentColor = false;
    FColor = clWindow;
    FTabStop = true;
    SetBounds(0, 0, 121, 97);
}

TTreeView::~TTreeView()
{
    Destroying();
    if (QTreeWidget *tree = Tree())
        QObject::disconnect(tree, nullptr, nullptr, nullptr);
    FSelected = nullptr;
    FItems.reset();
}

QTreeWidget *TTreeView::Tree() const
{
    return Native<QTreeWidget>();
}

void TTreeView::NodeAdded(TTreeNode *node)
{
    QTreeWidget *tree = Tree();
    if (!tree)
        return;
    const QSignalBlocker block(tree);
    MakeItem(tree, node);
}

void TTreeView::MakeItem(QTreeWidget *tree, TTreeNode *node)
{
    auto *item = new QTreeWidgetItem;
    item->setText(0, node->FText);
    item->setData(0, Qt::UserRole, QVariant::fromValue(static_cast<void *>(node)));
    // The item goes to the node's place among its siblings (sorted trees insert in the middle).
    if (node->FParent && node->FParent->FItem)
        node->FParent->FItem->insertChild(node->Index(), item);
    else
        tree->insertTopLevelItem(node->Index(), item);
    node->FItem = item;
    item->setExpanded(node->FExpanded);
    node->FOwner->FView->ShowImage(node);
}

std::size_t TTreeView::SortedPlace(const std::vector<TTreeNode *> &level, const QString &text)
{
    return static_cast<std::size_t>(
        std::upper_bound(level.begin(), level.end(), text,
                         [](const QString &t, const TTreeNode *n) { return CompareText(t, n->Text()) < 0; }) -
        level.begin());
}

void TTreeView::ShowImage(TTreeNode *node) const
{
    if (!node->FItem)
        return;
    if (FImages && node->FImageIndex >= 0 && node->FImageIndex < FImages->Count())
        node->FItem->setIcon(0, QIcon(QPixmap::fromImage(FImages->ImageAt(node->FImageIndex))));
    else
        node->FItem->setIcon(0, QIcon());
}

void TTreeView::RebuildItems()
{
    QTreeWidget *tree = Tree();
    if (!tree)
        return;
    const QSignalBlocker block(tree);
    std::vector<TTreeNode *> all;
    FItems->Flatten(all, FItems->FRoots);
    for (TTreeNode *node : all)
        node->FItem = nullptr;
    tree->clear();
    BuildItems(tree);
}

void TTreeView::SetSortType(TSortType value)
{
    if (value == FSortType)
        return;
    FSortType = value;
    if (!SortsByText())
        return;
    const auto byText = [](const TTreeNode *a, const TTreeNode *b) { return CompareText(a->Text(), b->Text()) < 0; };
    std::stable_sort(FItems->FRoots.begin(), FItems->FRoots.end(), byText);
    std::vector<TTreeNode *> all;
    FItems->Flatten(all, FItems->FRoots);
    for (TTreeNode *node : all)
        std::stable_sort(node->FChildren.begin(), node->FChildren.end(), byText);
    RebuildItems();
}

void TTreeView::SetImages(TCustomImageList *value)
{
    if (value == FImages)
        return;
    if (FImages)
        FImages->RemoveFreeNotification(this);
    FImages = value;
    if (FImages)
        FImages->FreeNotification(this);
    RebuildItems();
}

void TTreeView::Notification(TComponent *AComponent, TOperation Operation)
{
    inherited::Notification(AComponent, Operation);
    if (Operation == opRemove && AComponent == FImages) {
        FImages = nullptr;
        RebuildItems();
    }
}

void TTreeView::NodeRemoving(TTreeNode *node)
{
    for (TTreeNode *p = FSelected; p; p = p->FParent)
        if (p == node) {
            FSelected = nullptr;
            Change(nullptr);
            break;
        }
    if (QTreeWidget *tree = Tree(); tree && node->FItem) {
        const QSignalBlocker block(tree);
        delete node->FItem;
    }
    std::vector<TTreeNode *> gone;
    FItems->Flatten(gone, {node});
    for (TTreeNode *n : gone)
        n->FItem = nullptr;
}

void TTreeView::SetSelected(TTreeNode *node)
{
    if (node == FSelected)
        return;
    FSelected = node;
    if (QTreeWidget *tree = Tree()) {
        const QSignalBlocker block(tree);
        tree->setCurrentItem(node ? node->FItem : nullptr);
    }
    Change(node);
}

void TTreeView::Change(TTreeNode *node)
{
    if (OnChange)
        OnChange(this, node);
}

void TTreeView::FullExpand()
{
    for (TTreeNode *n : FItems->FRoots)
        n->Expand(true);
}

void TTreeView::FullCollapse()
{
    for (TTreeNode *n : FItems->FRoots)
        n->Collapse(true);
}

void TTreeView::UserSelected()
{
    QTreeWidget *tree = Tree();
    if (!tree)
        return;
    QTreeWidgetItem *item = tree->currentItem();
    auto *node = item ? static_cast<TTreeNode *>(item->data(0, Qt::UserRole).value<void *>()) : nullptr;
    if (node == FSelected)
        return;
    FSelected = node;
    Change(node);
}

void TTreeView::BuildItems(QTreeWidget *tree)
{
    std::vector<TTreeNode *> all;
    FItems->Flatten(all, FItems->FRoots);
    for (TTreeNode *node : all)
        MakeItem(tree, node);
    if (FSelected)
        tree->setCurrentItem(FSelected->FItem);
}

QWidget *TTreeView::CreateNative(QWidget *parent)
{
    auto *tree = new QTreeWidget(parent);
    tree->setHeaderHidden(true);
    tree->setColumnCount(1);
    BuildItems(tree);
    QObject::connect(tree, &QTreeWidget::currentItemChanged, tree, [this] { Guarded([this] { UserSelected(); }); });
    return tree;
}
