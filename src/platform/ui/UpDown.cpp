#include "platform/ui/UpDown.h"

#include "platform/runtime/ClassBuilder.h"

#include <QLocale>

#include <algorithm>

T_IMPLEMENT_CLASS(TUpDown)
{
    b.Ref("Associate", &TUpDown::Associate, &TUpDown::SetAssociate);
    b.Int("Increment", &TUpDown::Increment, &TUpDown::SetIncrement).Default(1);
    b.Int("Max", &TUpDown::Max, &TUpDown::SetMax).Default(100);
    b.Int("Min", &TUpDown::Min, &TUpDown::SetMin).Default(0);
    b.Enum("Orientation", &TUpDown::Orientation, &TUpDown::SetOrientation, UDOrientationNames).Default(udVertical);
    b.Int("Position", &TUpDown::Position, &TUpDown::SetPosition).Default(0);
    b.Bool("Thousands", &TUpDown::Thousands, &TUpDown::SetThousands).Default(true);
    b.Bool("Wrap", &TUpDown::Wrap, &TUpDown::SetWrap).Default(false);
    b.Event("OnChanging", &TUpDown::OnChanging);
    b.Event("OnClick", &TUpDown::OnClick);
}

TUpDown::TUpDown(TComponent *AOwner) : TCustomControl(AOwner)
{
    FControlStyle = TControlStyle{csCaptureMouse, csDoubleClicks, csOpaque};
    FColor = clBtnFace;
    FParentColor = false;
    SetBounds(0, 0, 17, 25);
}

void TUpDown::SetPosition(int value)
{
    FPosition = std::clamp(value, std::min(FMin, FMax), std::max(FMin, FMax));
    ShowInAssociate();
    Invalidate();
}

void TUpDown::SetThousands(bool value)
{
    FThousands = value;
    ShowInAssociate();
}

void TUpDown::SetOrientation(TUDOrientation value)
{
    FOrientation = value;
    Invalidate();
}

void TUpDown::SetAssociate(TWinControl *value)
{
    if (FAssociate == value)
        return;
    FAssociate = value;
    if (!value)
        return;
    value->FreeNotification(this);
    // The arrows sit right of the control they step, as tall as it.
    if (Parent() == value->Parent())
        SetBounds(value->Left() + value->Width(), value->Top(), Width(), value->Height());
    ShowInAssociate();
}

void TUpDown::Notification(TComponent *AComponent, TOperation Operation)
{
    TCustomControl::Notification(AComponent, Operation);
    if (Operation == opRemove && AComponent == FAssociate)
        FAssociate = nullptr;
}

void TUpDown::ShowInAssociate()
{
    if (!FAssociate)
        return;
    QString text = QString::number(FPosition);
    if (FThousands && std::abs(FPosition) >= 1000)
        text = QLocale(QLocale::English).toString(FPosition);
    FAssociate->SetText(text);
}

void TUpDown::Step(TUDBtnType button)
{
    bool allow = true;
    if (OnChanging)
        OnChanging(this, allow);
    if (!allow)
        return;
    const int lo = std::min(FMin, FMax);
    const int hi = std::max(FMin, FMax);
    int next = FPosition + (button == btNext ? FIncrement : -FIncrement);
    if (next > hi)
        next = FWrap ? lo : hi;
    else if (next < lo)
        next = FWrap ? hi : lo;
    FPosition = next;
    ShowInAssociate();
    Invalidate();
    if (OnClick)
        OnClick(this, button);
}

void TUpDown::MouseDown(TMouseButton button, TShiftState shift, int x, int y)
{
    TCustomControl::MouseDown(button, shift, x, y);
    if (button != mbLeft || !Enabled())
        return;
    // Vertical: the upper half steps up; horizontal: the right half.
    const bool next = FOrientation == udVertical ? y < Height() / 2 : x >= Width() / 2;
    FPressed = next ? 0 : 1;
    Step(next ? btNext : btPrev);
}

void TUpDown::MouseUp(TMouseButton button, TShiftState shift, int x, int y)
{
    TCustomControl::MouseUp(button, shift, x, y);
    FPressed = -1;
    Invalidate();
}

void TUpDown::Paint()
{
    TCanvas *canvas = Canvas();
    const bool vertical = FOrientation == udVertical;
    const TRect halves[2] = {vertical ? TRect(0, 0, Width(), Height() / 2) : TRect(Width() / 2, 0, Width(), Height()),
                             vertical ? TRect(0, Height() / 2, Width(), Height()) : TRect(0, 0, Width() / 2, Height())};
    for (int i = 0; i < 2; ++i) {
        TRect r = halves[i];
        canvas->Brush()->SetColor(clBtnFace);
        canvas->FillRect(r);
        canvas->DrawEdge(r, FPressed == i ? EDGE_SUNKEN : EDGE_RAISED, BF_RECT);
        const int cx = (r.Left + r.Right) / 2;
        const int cy = (r.Top + r.Bottom) / 2;
        const int s = std::max(1, std::min(r.Width(), r.Height()) / 5);
        const TColor c = Enabled() ? clBtnText : clGrayText;
        canvas->Pen()->SetColor(c);
        canvas->Brush()->SetColor(c);
        if (vertical && i == 0)
            canvas->Polygon({TPoint(cx - s, cy + s / 2), TPoint(cx, cy - s / 2), TPoint(cx + s, cy + s / 2)});
        else if (vertical)
            canvas->Polygon({TPoint(cx - s, cy - s / 2), TPoint(cx + s, cy - s / 2), TPoint(cx, cy + s / 2)});
        else if (i == 0)
            canvas->Polygon({TPoint(cx - s / 2, cy - s), TPoint(cx + s / 2, cy), TPoint(cx - s / 2, cy + s)});
        else
            canvas->Polygon({TPoint(cx + s / 2, cy - s), TPoint(cx - s / 2, cy), TPoint(cx + s / 2, cy + s)});
    }
}
