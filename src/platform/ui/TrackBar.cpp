#include "platform/ui/TrackBar.h"

#include "platform/runtime/ClassBuilder.h"

#include <QSignalBlocker>
#include <QSlider>

#include <algorithm>

T_IMPLEMENT_CLASS(TTrackBar)
{
    b.Int("Frequency", &TTrackBar::Frequency, &TTrackBar::SetFrequency).Default(1);
    b.Int("LineSize", &TTrackBar::LineSize, &TTrackBar::SetLineSize).Default(1);
    b.Int("Max", &TTrackBar::Max, &TTrackBar::SetMax).Default(10);
    b.Int("Min", &TTrackBar::Min, &TTrackBar::SetMin).Default(0);
    b.Enum("Orientation", &TTrackBar::Orientation, &TTrackBar::SetOrientation, TrackBarOrientationNames)
        .Default(trHorizontal);
    b.Int("PageSize", &TTrackBar::PageSize, &TTrackBar::SetPageSize).Default(2);
    b.Int("Position", &TTrackBar::Position, &TTrackBar::SetPosition).Default(0);
    b.Bool("TabStop", &TTrackBar::TabStop, &TTrackBar::SetTabStop).Default(true);
    b.Enum("TickMarks", &TTrackBar::TickMarks, &TTrackBar::SetTickMarks, TickMarkNames).Default(tmBottomRight);
    b.Enum("TickStyle", &TTrackBar::TickStyle, &TTrackBar::SetTickStyle, TickStyleNames).Default(tsAuto);
    b.Event("OnChange", &TTrackBar::OnChange);
}

TTrackBar::TTrackBar(TComponent *AOwner) : TNativeControl(AOwner)
{
    FTabStop = true;
    SetBounds(0, 0, 150, 45);
}

QWidget *TTrackBar::CreateNative(QWidget *parent)
{
    auto *slider = new QSlider(parent);
    ShowIn(slider);
    QObject::connect(slider, &QSlider::valueChanged, slider, [this](int v) { Guarded([&] { UserMoved(v); }); });
    return slider;
}

void TTrackBar::Show() const
{
    if (auto *slider = Native<QSlider>())
        ShowIn(slider);
}

void TTrackBar::ShowIn(QSlider *slider) const
{
    const QSignalBlocker block(slider);
    slider->setRange(FMin, FMax);
    slider->setValue(FPosition);
    slider->setOrientation(FOrientation == trVertical ? Qt::Vertical : Qt::Horizontal);
    slider->setSingleStep(FLineSize);
    slider->setPageStep(FPageSize);
    slider->setTickInterval(FFrequency);
    slider->setTickPosition(FTickStyle == tsNone ? QSlider::NoTicks
                            : FTickMarks == tmBoth ? QSlider::TicksBothSides
                            : FTickMarks == tmTopLeft ? QSlider::TicksAbove
                                                      : QSlider::TicksBelow);
}

void TTrackBar::UserMoved(int value)
{
    if (FSyncing || value == FPosition)
        return;
    FPosition = value;
    Changed();
}

void TTrackBar::Changed()
{
    if (OnChange)
        OnChange(this);
}

void TTrackBar::SetPosition(int value)
{
    value = std::clamp(value, FMin, std::max(FMin, FMax));
    if (value == FPosition)
        return;
    FPosition = value;
    Show();
    Changed();
}

void TTrackBar::SetMin(int value)
{
    FMin = value;
    FPosition = std::max(FPosition, FMin);
    Show();
}

void TTrackBar::SetMax(int value)
{
    FMax = value;
    FPosition = std::min(FPosition, std::max(FMin, FMax));
    Show();
}

void TTrackBar::SetFrequency(int value)
{
    FFrequency = value;
    Show();
}

void TTrackBar::SetLineSize(int value)
{
    FLineSize = value;
    Show();
}

void TTrackBar::SetPageSize(int value)
{
    FPageSize = value;
    Show();
}

void TTrackBar::SetOrientation(TTrackBarOrientation value)
{
    FOrientation = value;
    Show();
}

void TTrackBar::SetTickMarks(TTickMark value)
{
    FTickMarks = value;
    Show();
}

void TTrackBar::SetTickStyle(TTickStyle value)
{
    FTickStyle = value;
    Show();
}
