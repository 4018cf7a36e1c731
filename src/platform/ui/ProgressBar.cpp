#include "platform/ui/ProgressBar.h"

#include "platform/runtime/ClassBuilder.h"

#include <QProgressBar>

#include <algorithm>

T_IMPLEMENT_CLASS(TProgressBar)
{
    b.Int("Max", &TProgressBar::Max, &TProgressBar::SetMax).Default(100);
    b.Int("Min", &TProgressBar::Min, &TProgressBar::SetMin).Default(0);
    b.Enum("Orientation", &TProgressBar::Orientation, &TProgressBar::SetOrientation, ProgressBarOrientationNames)
        .Default(pbHorizontal);
    b.Int("Position", &TProgressBar::Position, &TProgressBar::SetPosition).Default(0);
    b.Bool("Smooth", &TProgressBar::Smooth, &TProgressBar::SetSmooth).Default(false);
    b.Int("Step", &TProgressBar::Step, &TProgressBar::SetStep).Default(10);
}

TProgressBar::TProgressBar(TComponent *AOwner) : TNativeControl(AOwner)
{
    SetBounds(0, 0, 150, 17);
}

QWidget *TProgressBar::CreateNative(QWidget *parent)
{
    auto *bar = new QProgressBar(parent);
    bar->setTextVisible(false);
    ShowIn(bar);
    return bar;
}

void TProgressBar::Show() const
{
    if (auto *bar = Native<QProgressBar>())
        ShowIn(bar);
}

void TProgressBar::ShowIn(QProgressBar *bar) const
{
    bar->setRange(FMin, FMax);
    bar->setValue(FPosition);
    bar->setOrientation(FOrientation == pbVertical ? Qt::Vertical : Qt::Horizontal);
}

void TProgressBar::SetMin(int value)
{
    FMin = value;
    FPosition = std::max(FPosition, FMin);
    Show();
}

void TProgressBar::SetMax(int value)
{
    FMax = value;
    FPosition = std::min(FPosition, FMax);
    Show();
}

void TProgressBar::SetPosition(int value)
{
    FPosition = std::clamp(value, FMin, std::max(FMin, FMax));
    Show();
}

void TProgressBar::SetOrientation(TProgressBarOrientation value)
{
    FOrientation = value;
    Show();
}
