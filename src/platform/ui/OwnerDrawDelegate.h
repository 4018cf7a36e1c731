#pragma once
// TOwnerDrawDelegate: draws the items of a combo box's or list box's widget through the
// framework's owner drawing: each item is painted by the control (OnDrawItem) onto a canvas over
// an image of the item's size, which is then put on the widget. Heights come from the control
// (a fixed ItemHeight, or OnMeasureItem per item).

#include "platform/ui/Canvas.h"
#include "platform/ui/StdCtrlsTypes.h"

#include <QStyledItemDelegate>

#include <functional>

class TOwnerDrawDelegate : public QStyledItemDelegate {
public:
    using TDraw = std::function<void(int index, const TRect &rect, TOwnerDrawState state, TCanvas *canvas)>;
    using TMeasure = std::function<int(int index)>;

    TOwnerDrawDelegate(QObject *parent, TDraw draw, TMeasure measure)
        : QStyledItemDelegate(parent), draw_(std::move(draw)), measure_(std::move(measure))
    {
    }

    void paint(QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const override;
    QSize sizeHint(const QStyleOptionViewItem &option, const QModelIndex &index) const override;

    // The owner-draw state of an item as Qt shows it.
    static TOwnerDrawState StateOf(const QStyleOptionViewItem &option);
    // Paints one item of `size` into an image through `draw`.
    static QImage PaintItem(const TDraw &draw, int index, QSize size, TOwnerDrawState state);

private:
    TDraw draw_;
    TMeasure measure_;
};
