#include "platform/ui/ControlsConstraints.h"

#include <algorithm>

#include "platform/runtime/ClassBuilder.h"

T_IMPLEMENT_CLASS(TSizeConstraints)
{
    b.Int("MaxHeight", &TSizeConstraints::MaxHeight, &TSizeConstraints::SetMaxHeight).Default(0);
    b.Int("MaxWidth", &TSizeConstraints::MaxWidth, &TSizeConstraints::SetMaxWidth).Default(0);
    b.Int("MinHeight", &TSizeConstraints::MinHeight, &TSizeConstraints::SetMinHeight).Default(0);
    b.Int("MinWidth", &TSizeConstraints::MinWidth, &TSizeConstraints::SetMinWidth).Default(0);
}

void TSizeConstraints::Set(int &field, int value)
{
    value = std::max(0, value);
    if (field == value)
        return;
    field = value;
    if (OnChange)
        OnChange(this);
}

void TSizeConstraints::Constrain(int &width, int &height) const
{
    if (maxWidth_ > 0)
        width = std::min(width, maxWidth_);
    if (maxHeight_ > 0)
        height = std::min(height, maxHeight_);
    if (minWidth_ > 0)
        width = std::max(width, minWidth_);
    if (minHeight_ > 0)
        height = std::max(height, minHeight_);
}

void TSizeConstraints::Assign(TPersistent *Source)
{
    if (auto *c = dynamic_cast<TSizeConstraints *>(Source)) {
        maxHeight_ = c->maxHeight_;
        maxWidth_ = c->maxWidth_;
        minHeight_ = c->minHeight_;
        minWidth_ = c->minWidth_;
        if (OnChange)
            OnChange(this);
        return;
    }
    inherited::Assign(Source);
}

T_IMPLEMENT_CLASS(TPadding)
{
    b.Int("Left", &TPadding::Left, &TPadding::SetLeft).Default(0);
    b.Int("Top", &TPadding::Top, &TPadding::SetTop).Default(0);
    b.Int("Right", &TPadding::Right, &TPadding::SetRight).Default(0);
    b.Int("Bottom", &TPadding::Bottom, &TPadding::SetBottom).Default(0);
}

void TPadding::Set(int &field, int value)
{
    if (field == value)
        return;
    field = value;
    if (OnChange)
        OnChange(this);
}

void TPadding::Apply(TRect &r) const
{
    r = TRect(r.Left + r_.Left, r.Top + r_.Top, r.Right - r_.Right, r.Bottom - r_.Bottom);
}

void TPadding::Assign(TPersistent *Source)
{
    if (auto *p = dynamic_cast<TPadding *>(Source)) {
        r_ = p->r_;
        if (OnChange)
            OnChange(this);
        return;
    }
    inherited::Assign(Source);
}
