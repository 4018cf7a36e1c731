#pragma once
// TScrollingWinControl: a windowed control whose children may extend past its client area, with a
// horizontal and a vertical scroll bar (TControlScrollBar). With AutoScroll the ranges follow the
// children; a scroll bar shows while its range exceeds the client size and then takes its width
// (17 pixels) from the client area. Scrolling moves the children: Position p shows the content
// from p onwards.

#include <QPointer>

#include <memory>

#include "platform/runtime/EnumNames.h"
#include "platform/ui/ControlsWinControl.h"

class QScrollBar;
class TScrollingWinControl;

enum TScrollBarKind { sbHorizontal, sbVertical };
enum TScrollBarStyle { ssRegular, ssFlat, ssHotTrack };
inline constexpr auto ScrollBarStyleNames = EnumNames<TScrollBarStyle>("ssRegular", "ssFlat", "ssHotTrack");

constexpr int ScrollBarSize = 17;

class TControlScrollBar : public TPersistent {
    T_DECLARE_CLASS(TControlScrollBar, TPersistent)
    TControlScrollBar(TScrollingWinControl *control, TScrollBarKind kind) : control_(control), kind_(kind) {}

    TScrollBarKind Kind() const { return kind_; }
    int Increment() const { return increment_; }
    void SetIncrement(int v) { increment_ = v; }
    int Margin() const { return margin_; }
    void SetMargin(int v) { margin_ = v; }
    int Position() const { return position_; }
    // Scrolls the control (the position is kept within 0 .. Range - client size).
    void SetPosition(int value);
    int Range() const { return range_; }
    void SetRange(int value);
    bool Visible() const { return visible_; }
    void SetVisible(bool value);
    // Shown now (Visible and the range exceeds the client size).
    bool IsScrollBarVisible() const { return shown_; }
    int ScrollPos() const { return shown_ ? position_ : 0; }

    // Accepted from form definitions.
    int ButtonSize = 0;
    TColor Color = clBtnHighlight;
    bool ParentColor = true;
    bool Smooth = false;
    int Size = 0;
    TScrollBarStyle Style = ssRegular;
    int ThumbSize = 0;
    bool Tracking = false;

    void Assign(TPersistent *Source) override;

private:
    friend class TScrollingWinControl;
    TScrollingWinControl *control_;
    TScrollBarKind kind_;
    int increment_ = 8;
    int margin_ = 0;
    int position_ = 0;
    int range_ = 0;
    bool visible_ = true;
    bool shown_ = false;
};

class TScrollingWinControl : public TWinControl {
    T_DECLARE_CLASS(TScrollingWinControl, TWinControl)
    explicit TScrollingWinControl(TComponent *AOwner);
    ~TScrollingWinControl() override;

    TControlScrollBar *HorzScrollBar() const { return FHorz.get(); }
    void SetHorzScrollBar(TControlScrollBar *v) { FHorz->Assign(v); }
    TControlScrollBar *VertScrollBar() const { return FVert.get(); }
    void SetVertScrollBar(TControlScrollBar *v) { FVert->Assign(v); }
    bool AutoScroll() const { return FAutoScroll; }
    void SetAutoScroll(bool value);

    // Moves every child by (dx, dy).
    void ScrollBy(int dx, int dy);
    // Scrolls so that the child is inside the client area.
    void ScrollInView(TControl *control);
    TRect GetClientRect() const override;

protected:
    // The client area before the scroll bars take their part (forms take their frame off).
    virtual TRect ClientAreaWithoutScrollBars() const;
    // Recomputes ranges (with AutoScroll) and which bars show.
    void UpdateScrollBars();
    void AlignControls(TControl *AControl, TRect &rect) override;
    void UpdateWidgetGeometry() override;
    void UpdateWidgetVisibility() override;
    QRect WidgetRect() override;
    void DestroyWnd() override;
    // The widget the scroll bars are placed in and where the client area lies in it.
    virtual QWidget *ScrollBarHost();
    virtual TPoint ClientOffsetInHost();

private:
    friend class TControlScrollBar;
    void PlaceScrollBars();
    void ScrollBarMoved(TScrollBarKind kind, int value);

    std::unique_ptr<TControlScrollBar> FHorz;
    std::unique_ptr<TControlScrollBar> FVert;
    bool FAutoScroll = true;
    bool FUpdatingBars = false;
    QPointer<QScrollBar> FHorzWidget;
    QPointer<QScrollBar> FVertWidget;
};
