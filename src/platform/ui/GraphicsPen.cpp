#include "platform/ui/GraphicsPen.h"

#include "platform/runtime/ClassBuilder.h"

T_IMPLEMENT_CLASS(TPen)
{
    b.Color("Color", &TPen::Color, &TPen::SetColor).Default(clBlack).Idents(ColorIdents());
    b.Enum("Mode", &TPen::Mode, &TPen::SetMode, PenModeNames).Default(pmCopy);
    b.Enum("Style", &TPen::Style, &TPen::SetStyle, PenStyleNames).Default(psSolid);
    b.Int("Width", &TPen::Width, &TPen::SetWidth).Default(1);
}

void TPen::SetColor(TColor value)
{
    if (color_ == value)
        return;
    color_ = value;
    Changed();
}

void TPen::SetWidth(int value)
{
    if (value < 0 || width_ == value)
        return;
    width_ = value;
    Changed();
}

void TPen::SetStyle(TPenStyle value)
{
    if (style_ == value)
        return;
    style_ = value;
    Changed();
}

void TPen::SetMode(TPenMode value)
{
    if (mode_ == value)
        return;
    mode_ = value;
    Changed();
}

void TPen::Assign(TPersistent *Source)
{
    if (auto *p = dynamic_cast<TPen *>(Source)) {
        if (p == this)
            return;
        color_ = p->color_;
        width_ = p->width_;
        style_ = p->style_;
        mode_ = p->mode_;
        Changed();
        return;
    }
    inherited::Assign(Source);
}

int PenModeToRop2(TPenMode mode)
{
    // R2_* numbers in the order of TPenMode.
    static constexpr int kRop2[] = {1, 16, 11, 6, 13, 4, 14, 5, 12, 3, 15, 2, 9, 8, 7, 10};
    return kRop2[static_cast<int>(mode)];
}
