#include "widgets/graphics/TrackHintWindow.h"

#include "platform/runtime/ClassBuilder.h"
#include "platform/ui/Bitmap.h"
#include "platform/ui/Screen.h"

T_IMPLEMENT_CLASS(TTrackHintWindow) {}

TTrackHintWindow::TTrackHintWindow(TComponent *AOwner) : THintWindow(AOwner) {}

TSize TTrackHintWindow::CaptionSize()
{
    TBitmap measure(1, 1);
    measure.Canvas()->SetFont(Font());
    return measure.Canvas()->TextExtent(Caption());
}

void TTrackHintWindow::ActivateHint(TRect rect, const QString &hint)
{
    SetCaption(hint);
    const TSize size = CaptionSize();
    FTextWidth = size.cx;
    FTextHeight = size.cy;
    rect.Right = rect.Left + FTextWidth + 16;
    rect.Bottom = rect.Top + FTextHeight + 4;
    // One screen: it stands for the monitor nearest to the rectangle.
    const TRect monitor = Screen->DesktopRect();
    if (rect.Right - monitor.Left > monitor.Width()) {
        rect.Left = monitor.Left + monitor.Width() - rect.Width() - 2;
        rect.Right = rect.Left + FTextWidth + 16;
    }
    if (rect.Bottom - monitor.Top > monitor.Height()) {
        rect.Bottom = monitor.Top + monitor.Height() - 2;
        rect.Top = rect.Bottom - FTextHeight - 4;
    }
    THintWindow::ActivateHint(rect, hint);
}

TRect TTrackHintWindow::CalcHintRect(int, const QString &, void *)
{
    const TSize size = CaptionSize();
    return TRect(0, 0, size.cx, size.cy);
}

void TTrackHintWindow::Paint()
{
    TCanvas *canvas = Canvas();
    const TRect r = ClientRect();
    canvas->FillRect(r, Color());
    canvas->Pen()->SetColor(cl3DLight);
    canvas->Polyline({TPoint(r.Left, r.Bottom - 2), TPoint(r.Left, r.Top), TPoint(r.Right - 1, r.Top)});
    canvas->Pen()->SetColor(cl3DDkShadow);
    canvas->Polyline({TPoint(r.Left, r.Bottom - 1), TPoint(r.Right - 1, r.Bottom - 1), TPoint(r.Right - 1, r.Top - 1)});
    canvas->SetFont(Font());
    canvas->Brush()->SetStyle(bsClear);
    TRect text = r;
    canvas->DrawText(Caption(), text, DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
    canvas->Brush()->SetStyle(bsSolid);
}
