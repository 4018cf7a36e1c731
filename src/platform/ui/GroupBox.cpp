#include "platform/ui/GroupBox.h"

#include "platform/ui/Bitmap.h"
#include "platform/runtime/ClassBuilder.h"
#include "platform/ui/Label.h"

T_IMPLEMENT_CLASS(TCustomGroupBox)
{
    b.Message(CM_DIALOGCHAR, &TCustomGroupBox::CMDialogChar);
    b.Message(CM_TEXTCHANGED, &TCustomGroupBox::CMTextChanged);
}

T_IMPLEMENT_CLASS(TGroupBox)
{
    b.Str("Caption", &TGroupBox::Caption, &TGroupBox::SetCaption);
}

TCustomGroupBox::TCustomGroupBox(TComponent *AOwner) : TCustomControl(AOwner)
{
    FControlStyle = TControlStyle{csAcceptsControls, csCaptureMouse, csClickEvents, csSetCaption, csDoubleClicks,
                                  csReplicatable, csParentBackground};
    SetBounds(0, 0, 185, 105);
}

int TCustomGroupBox::CaptionHeight()
{
    TBitmap measure(1, 1);
    measure.Canvas()->SetFont(Font());
    return measure.Canvas()->TextHeight(QStringLiteral("0"));
}

void TCustomGroupBox::AdjustClientRect(TRect &rect)
{
    TCustomControl::AdjustClientRect(rect);
    rect.Top += CaptionHeight();
    rect.Inflate(-2, -2);
}

void TCustomGroupBox::Paint()
{
    TCanvas *canvas = Canvas();
    canvas->SetFont(Font());
    const int h = canvas->TextHeight(QStringLiteral("0"));
    // The etched frame: a highlight frame one pixel right and down, a shadow frame on it.
    TRect r(1, h / 2, Width(), Height());
    canvas->Brush()->SetColor(clBtnHighlight);
    canvas->FrameRect(r);
    r.Offset(-1, -1);
    canvas->Brush()->SetColor(clBtnShadow);
    canvas->FrameRect(r);
    if (Caption().isEmpty())
        return;
    TRect text(8, 0, 0, h);
    canvas->DrawText(Caption(), text, DT_SINGLELINE | DT_CALCRECT);
    canvas->Brush()->SetColor(Color());
    canvas->DrawText(Caption(), text, DT_SINGLELINE);
}

void TCustomGroupBox::CMDialogChar(TMessage &m)
{
    if (IsAccel(QChar(static_cast<char16_t>(m.WParam)), Caption()) && CanFocus()) {
        SelectNext(this, true, true);
        m.Result = 1;
        return;
    }
    DispatchFrom(inherited::StaticClass(), m);
}

void TCustomGroupBox::CMTextChanged(TMessage &m)
{
    DispatchFrom(inherited::StaticClass(), m);
    Invalidate();
    Realign();
}
