#include "platform/ui/OwnerDrawDelegate.h"

#include "platform/ui/Bitmap.h"

#include <QPainter>

TOwnerDrawState TOwnerDrawDelegate::StateOf(const QStyleOptionViewItem &option)
{
    TOwnerDrawState state;
    if (option.state & QStyle::State_Selected)
        state << odSelected;
    if (option.state & QStyle::State_HasFocus)
        state << odFocused;
    if (!(option.state & QStyle::State_Enabled))
        state << odDisabled << odGrayed;
    return state;
}

QImage TOwnerDrawDelegate::PaintItem(const TDraw &draw, int index, QSize size, TOwnerDrawState state)
{
    TBitmap bitmap(std::max(1, size.width()), std::max(1, size.height()));
    draw(index, TRect(0, 0, size.width(), size.height()), state, bitmap.Canvas());
    return bitmap.Image();
}

void TOwnerDrawDelegate::paint(QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const
{
    const QImage image = PaintItem(draw_, index.row(), option.rect.size(), StateOf(option));
    painter->drawImage(option.rect.topLeft(), image);
}

QSize TOwnerDrawDelegate::sizeHint(const QStyleOptionViewItem &option, const QModelIndex &index) const
{
    QSize size = QStyledItemDelegate::sizeHint(option, index);
    if (measure_) {
        const int height = measure_(index.row());
        if (height > 0)
            size.setHeight(height);
    }
    return size;
}
