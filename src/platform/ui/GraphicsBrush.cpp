#include "platform/ui/GraphicsBrush.h"

#include "platform/runtime/ClassBuilder.h"

T_IMPLEMENT_CLASS(TBrush)
{
    b.Color("Color", &TBrush::Color, &TBrush::SetColor).Default(clWhite).Idents(ColorIdents());
    b.Enum("Style", &TBrush::Style, &TBrush::SetStyle, BrushStyleNames).Default(bsSolid);
}

void TBrush::SetColor(TColor value)
{
    // A colour makes a clear brush solid again.
    if (color_ == value && style_ != bsClear)
        return;
    color_ = value;
    if (style_ == bsClear)
        style_ = bsSolid;
    Changed();
}

void TBrush::SetStyle(TBrushStyle value)
{
    if (style_ == value)
        return;
    style_ = value;
    // A clear brush forgets its colour, as the framework's brush cache does.
    if (style_ == bsClear)
        color_ = clWhite;
    Changed();
}

void TBrush::SetBitmap(TBitmap *value)
{
    if (bitmap_ == value)
        return;
    bitmap_ = value;
    Changed();
}

void TBrush::Assign(TPersistent *Source)
{
    if (auto *p = dynamic_cast<TBrush *>(Source)) {
        if (p == this)
            return;
        color_ = p->color_;
        style_ = p->style_;
        bitmap_ = p->bitmap_;
        Changed();
        return;
    }
    inherited::Assign(Source);
}
