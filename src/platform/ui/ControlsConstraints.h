#pragma once
// Size limits of a control (TSizeConstraints) and the inner spacing of a windowed control that
// aligned children keep from its edges (TPadding). Both report changes through OnChange.

#include "platform/runtime/Classes.h"
#include "platform/runtime/Events.h"
#include "platform/runtime/GraphicsTypes.h"

class TSizeConstraints : public TPersistent {
    T_DECLARE_CLASS(TSizeConstraints, TPersistent)
    TSizeConstraints() = default;
    TNotifyEvent OnChange;

    // 0: no limit.
    int MaxHeight() const { return maxHeight_; }
    void SetMaxHeight(int v) { Set(maxHeight_, v); }
    int MaxWidth() const { return maxWidth_; }
    void SetMaxWidth(int v) { Set(maxWidth_, v); }
    int MinHeight() const { return minHeight_; }
    void SetMinHeight(int v) { Set(minHeight_, v); }
    int MinWidth() const { return minWidth_; }
    void SetMinWidth(int v) { Set(minWidth_, v); }

    // Applies the limits to a proposed size.
    void Constrain(int &width, int &height) const;
    void Assign(TPersistent *Source) override;

private:
    void Set(int &field, int value);
    int maxHeight_ = 0, maxWidth_ = 0, minHeight_ = 0, minWidth_ = 0;
};

class TPadding : public TPersistent {
    T_DECLARE_CLASS(TPadding, TPersistent)
    TPadding() = default;
    TNotifyEvent OnChange;

    int Left() const { return r_.Left; }
    void SetLeft(int v) { Set(r_.Left, v); }
    int Top() const { return r_.Top; }
    void SetTop(int v) { Set(r_.Top, v); }
    int Right() const { return r_.Right; }
    void SetRight(int v) { Set(r_.Right, v); }
    int Bottom() const { return r_.Bottom; }
    void SetBottom(int v) { Set(r_.Bottom, v); }

    // Shrinks a rectangle by the padding.
    void Apply(TRect &r) const;
    void Assign(TPersistent *Source) override;

private:
    void Set(int &field, int value);
    TRect r_;
};
