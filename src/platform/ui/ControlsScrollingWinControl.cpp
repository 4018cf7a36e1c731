#include "platform/ui/ControlsScrollingWinControl.h"

#include <QScrollBar>

#include <algorithm>

#include "platform/runtime/ClassBuilder.h"

T_IMPLEMENT_CLASS(TControlScrollBar)
{
    b.Int("ButtonSize", &TControlScrollBar::ButtonSize, &TControlScrollBar::ButtonSize).Default(0);
    b.Color("Color", &TControlScrollBar::Color, &TControlScrollBar::Color).Default(clBtnHighlight).Idents(ColorIdents());
    b.Int("Increment", &TControlScrollBar::Increment, &TControlScrollBar::SetIncrement).Default(8);
    b.Int("Margin", &TControlScrollBar::Margin, &TControlScrollBar::SetMargin).Default(0);
    b.Bool("ParentColor", &TControlScrollBar::ParentColor, &TControlScrollBar::ParentColor).Default(true);
    b.Int("Position", &TControlScrollBar::Position, &TControlScrollBar::SetPosition).Default(0);
    // With AutoScroll the range follows the controls and is not written.
    b.Int("Range", &TControlScrollBar::Range, &TControlScrollBar::SetRange)
        .Default(0)
        .Stored([](const TControlScrollBar &s) { return !s.control_->AutoScroll(); });
    b.Bool("Smooth", &TControlScrollBar::Smooth, &TControlScrollBar::Smooth).Default(false);
    b.Int("Size", &TControlScrollBar::Size, &TControlScrollBar::Size).Default(0);
    b.Enum("Style", &TControlScrollBar::Style, &TControlScrollBar::Style, ScrollBarStyleNames).Default(ssRegular);
    b.Int("ThumbSize", &TControlScrollBar::ThumbSize, &TControlScrollBar::ThumbSize).Default(0);
    b.Bool("Tracking", &TControlScrollBar::Tracking, &TControlScrollBar::Tracking).Default(false);
    b.Bool("Visible", &TControlScrollBar::Visible, &TControlScrollBar::SetVisible).Default(true);
}

void TControlScrollBar::SetPosition(int value)
{
    const TRect cr = control_->GetClientRect();
    const int client = kind_ == sbHorizontal ? cr.Width() : cr.Height();
    value = shown_ ? std::clamp(value, 0, std::max(0, range_ - client)) : 0;
    if (value == position_)
        return;
    const int delta = position_ - value;
    position_ = value;
    if (kind_ == sbHorizontal)
        control_->ScrollBy(delta, 0);
    else
        control_->ScrollBy(0, delta);
    control_->PlaceScrollBars();
}

void TControlScrollBar::SetRange(int value)
{
    value = std::max(0, value);
    if (value == range_)
        return;
    range_ = value;
    control_->UpdateScrollBars();
}

void TControlScrollBar::SetVisible(bool value)
{
    if (value == visible_)
        return;
    visible_ = value;
    control_->UpdateScrollBars();
}

void TControlScrollBar::Assign(TPersistent *Source)
{
    if (auto *s = dynamic_cast<TControlScrollBar *>(Source)) {
        increment_ = s->increment_;
        margin_ = s->margin_;
        visible_ = s->visible_;
        SetRange(s->range_);
        SetPosition(s->position_);
        return;
    }
    inherited::Assign(Source);
}

T_IMPLEMENT_CLASS(TScrollingWinControl)
{
    b.Bool("AutoScroll", &TScrollingWinControl::AutoScroll, &TScrollingWinControl::SetAutoScroll).Default(true);
    b.Object("HorzScrollBar", &TScrollingWinControl::HorzScrollBar, &TScrollingWinControl::SetHorzScrollBar);
    b.Object("VertScrollBar", &TScrollingWinControl::VertScrollBar, &TScrollingWinControl::SetVertScrollBar);
}

TScrollingWinControl::TScrollingWinControl(TComponent *AOwner)
    : TWinControl(AOwner), FHorz(std::make_unique<TControlScrollBar>(this, sbHorizontal)),
      FVert(std::make_unique<TControlScrollBar>(this, sbVertical))
{
}

TScrollingWinControl::~TScrollingWinControl()
{
    delete FHorzWidget.data();
    delete FVertWidget.data();
}

void TScrollingWinControl::SetAutoScroll(bool value)
{
    if (FAutoScroll == value)
        return;
    FAutoScroll = value;
    UpdateScrollBars();
}

TRect TScrollingWinControl::ClientAreaWithoutScrollBars() const
{
    return TRect(0, 0, FWidth, FHeight);
}

TRect TScrollingWinControl::GetClientRect() const
{
    TRect r = ClientAreaWithoutScrollBars();
    if (FVert->shown_)
        r.Right = std::max(r.Left, r.Right - ScrollBarSize);
    if (FHorz->shown_)
        r.Bottom = std::max(r.Top, r.Bottom - ScrollBarSize);
    return r;
}

void TScrollingWinControl::ScrollBy(int dx, int dy)
{
    ShiftControls(dx, dy);
}

void TScrollingWinControl::ScrollInView(TControl *control)
{
    if (!control || !ContainsControl(control) || control == this)
        return;
    const TPoint tl = control->ClientToParent(TPoint(0, 0), this);
    TRect r = Bounds(tl.X, tl.Y, control->Width(), control->Height());
    r.Inflate(FHorz->margin_, FVert->margin_);
    const TRect cr = GetClientRect();
    auto bring = [](TControlScrollBar *bar, int low, int high, int client) {
        if (low < 0)
            bar->SetPosition(bar->position_ + low);
        else if (high > client)
            bar->SetPosition(bar->position_ + std::min(high - low, client) + low - client);
    };
    bring(FHorz.get(), r.Left, r.Right, cr.Width());
    bring(FVert.get(), r.Top, r.Bottom, cr.Height());
}

void TScrollingWinControl::AlignControls(TControl *AControl, TRect &rect)
{
    inherited::AlignControls(AControl, rect);
    UpdateScrollBars();
}

void TScrollingWinControl::UpdateScrollBars()
{
    if (FUpdatingBars)
        return;
    FUpdatingBars = true;
    if (FAutoScroll) {
        // The content reaches as far as the farthest child (in content coordinates).
        int right = 0, bottom = 0;
        for (int i = 0; i < ControlCount(); ++i) {
            TControl *c = Controls(i);
            if (!c->Visible())
                continue;
            if (c->Align() == alNone || c->Align() == alLeft || c->Align() == alRight)
                right = std::max(right, c->Left() + c->Width() + FHorz->position_);
            if (c->Align() == alNone || c->Align() == alTop || c->Align() == alBottom)
                bottom = std::max(bottom, c->Top() + c->Height() + FVert->position_);
        }
        FHorz->range_ = right + FHorz->margin_;
        FVert->range_ = bottom + FVert->margin_;
    }
    const TRect area = ClientAreaWithoutScrollBars();
    bool h = false, v = false;
    for (int pass = 0; pass < 2; ++pass) {
        const int w = area.Width() - (v ? ScrollBarSize : 0);
        const int hh = area.Height() - (h ? ScrollBarSize : 0);
        h = FHorz->visible_ && FHorz->range_ > w;
        v = FVert->visible_ && FVert->range_ > hh;
    }
    const bool changed = h != FHorz->shown_ || v != FVert->shown_;
    FHorz->shown_ = h;
    FVert->shown_ = v;
    // Keep the positions valid for the new sizes (scrolling back when a bar disappears).
    const int hp = FHorz->position_, vp = FVert->position_;
    const TRect cr = GetClientRect();
    const int newH = h ? std::clamp(hp, 0, std::max(0, FHorz->range_ - cr.Width())) : 0;
    const int newV = v ? std::clamp(vp, 0, std::max(0, FVert->range_ - cr.Height())) : 0;
    if (newH != hp || newV != vp) {
        FHorz->position_ = newH;
        FVert->position_ = newV;
        ScrollBy(hp - newH, vp - newV);
    }
    FUpdatingBars = false;
    if (changed) {
        ResizeBacking();
        UpdateWidgetGeometry();
        Realign();
    }
    PlaceScrollBars();
}

QWidget *TScrollingWinControl::ScrollBarHost()
{
    return FParent ? FParent->WidgetIfCreated() : nullptr;
}

TPoint TScrollingWinControl::ClientOffsetInHost()
{
    return TPoint(FLeft, FTop);
}

void TScrollingWinControl::PlaceScrollBars()
{
    QWidget *host = ScrollBarHost();
    if (!host)
        return;
    const TRect cr = GetClientRect();
    const TPoint o = ClientOffsetInHost();
    auto place = [&](QPointer<QScrollBar> &bar, TControlScrollBar *model, Qt::Orientation orientation,
                     const QRect &geometry, int client) {
        if (!model->shown_ || !FVisible) {
            if (bar)
                bar->hide();
            return;
        }
        if (!bar) {
            bar = new QScrollBar(orientation, host);
            const TScrollBarKind kind = model->kind_;
            QObject::connect(bar, &QScrollBar::valueChanged, bar, [this, kind](int value) { ScrollBarMoved(kind, value); });
        }
        if (bar->parentWidget() != host)
            bar->setParent(host);
        const QSignalBlocker block(bar);
        bar->setRange(0, std::max(0, model->range_ - client));
        bar->setPageStep(std::max(1, client));
        bar->setSingleStep(std::max(1, model->increment_));
        bar->setValue(model->position_);
        bar->setGeometry(geometry);
        bar->show();
    };
    place(FHorzWidget, FHorz.get(), Qt::Horizontal, QRect(o.X, o.Y + cr.Height(), cr.Width(), ScrollBarSize),
          cr.Width());
    place(FVertWidget, FVert.get(), Qt::Vertical, QRect(o.X + cr.Width(), o.Y, ScrollBarSize, cr.Height()),
          cr.Height());
}

void TScrollingWinControl::ScrollBarMoved(TScrollBarKind kind, int value)
{
    (kind == sbHorizontal ? FHorz : FVert)->SetPosition(value);
}

QRect TScrollingWinControl::WidgetRect()
{
    const TRect cr = GetClientRect();
    return QRect(FLeft, FTop, std::max(0, cr.Width()), std::max(0, cr.Height()));
}

void TScrollingWinControl::UpdateWidgetGeometry()
{
    inherited::UpdateWidgetGeometry();
    PlaceScrollBars();
}

void TScrollingWinControl::UpdateWidgetVisibility()
{
    inherited::UpdateWidgetVisibility();
    PlaceScrollBars();
}

void TScrollingWinControl::DestroyWnd()
{
    delete FHorzWidget.data();
    delete FVertWidget.data();
    inherited::DestroyWnd();
}
