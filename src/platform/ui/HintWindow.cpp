#include "platform/ui/HintWindow.h"

#include "platform/ui/Bitmap.h"
#include "platform/runtime/ClassBuilder.h"

#include <QWidget>

T_IMPLEMENT_CLASS(THintWindow) {}

THintWindow::THintWindow(TComponent *AOwner) : TCustomControl(AOwner)
{
    FColor = clInfoBk;
    FParentColor = false;
    FParentFont = false;
    Font()->SetColor(clInfoText);
    FVisible = false;
    SetBounds(0, 0, 1, 1);
}

QWidget *THintWindow::CreateWidget(QWidget *parent)
{
    QWidget *w = TCustomControl::CreateWidget(parent);
    // The pointer passes through a hint to what lies below it.
    w->setWindowFlags(Qt::ToolTip | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint | Qt::WindowTransparentForInput);
    w->setAttribute(Qt::WA_TransparentForMouseEvents);
    w->setAttribute(Qt::WA_ShowWithoutActivating);
    return w;
}

TRect THintWindow::CalcHintRect(int maxWidth, const QString &hint, void *)
{
    TBitmap measure(1, 1);
    measure.Canvas()->SetFont(Font());
    TRect r(0, 0, maxWidth, 0);
    measure.Canvas()->DrawText(hint, r, DT_CALCRECT | DT_LEFT | DT_WORDBREAK | DT_NOPREFIX);
    r.Right += 6;
    r.Bottom += 2;
    return r;
}

void THintWindow::ActivateHint(TRect rect, const QString &hint)
{
    SetCaption(hint);
    SetBounds(rect.Left, rect.Top, rect.Width(), rect.Height());
    HandleNeeded();
    SetVisible(true);
    Invalidate();
}

void THintWindow::ReleaseHandle()
{
    SetVisible(false);
}

void THintWindow::Paint()
{
    TCanvas *canvas = Canvas();
    canvas->Brush()->SetColor(Color());
    canvas->FillRect(ClientRect());
    canvas->Brush()->SetColor(clWindowFrame);
    canvas->FrameRect(ClientRect());
    canvas->Brush()->SetStyle(bsClear);
    canvas->SetFont(Font());
    TRect r = ClientRect();
    r.Left += 2;
    r.Top += 2;
    canvas->DrawText(Caption(), r, DT_LEFT | DT_NOPREFIX | DT_WORDBREAK);
}
