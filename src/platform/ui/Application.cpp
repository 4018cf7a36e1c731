#include "platform/ui/Application.h"

#include "platform/runtime/ClassBuilder.h"
#include "platform/ui/ControlsInput.h"
#include "platform/ui/ControlsWinControl.h"
#include "platform/ui/Dialogs.h"
#include "platform/ui/HintWindow.h"
#include "platform/runtime/Messages.h"
#include "platform/ui/NativeControl.h"
#include "platform/ui/Screen.h"
#include "platform/runtime/TimerService.h"
#include "platform/runtime/TypInfo.h"

#include <QAbstractEventDispatcher>
#include <QApplication>
#include <QThread>

#include <algorithm>

T_IMPLEMENT_CLASS(TApplication) {}

namespace {

void QueuedException(std::exception_ptr error)
{
    Application->HandleException(nullptr, error);
}

QAbstractEventDispatcher *Dispatcher()
{
    return QCoreApplication::instance() ? QThread::currentThread()->eventDispatcher() : nullptr;
}

}  // namespace

TApplication *Application = new TApplication(nullptr);

TApplication::TApplication(TComponent *AOwner) : TComponent(AOwner)
{
    SetQueuedMessageExceptionHandler(&QueuedException);
}

TApplication::~TApplication()
{
    DeallocateHWnd(FHintTimerWnd);
}

void TApplication::Initialize()
{
    if (!QCoreApplication::instance()) {
        static int argc = 1;
        static char name[] = "trov316";
        static char *argv[] = {name, nullptr};
        new QApplication(argc, argv);
    }
    UseClassicLook();
    FTerminated = false;
}

void TApplication::Notification(TComponent *AComponent, TOperation Operation)
{
    TComponent::Notification(AComponent, Operation);
    if (Operation != opRemove)
        return;
    if (AComponent == FMainForm)
        FMainForm = nullptr;
    if (AComponent == FHintWindow)
        FHintWindow = nullptr;
    if (AComponent == FHintControl) {
        FHintControl = nullptr;
        CancelHint();
    }
}

void TApplication::Run()
{
    if (FMainForm && FShowMainForm && IsPublishedProp(FMainForm, QStringLiteral("Visible")))
        SetOrdProp(FMainForm, QStringLiteral("Visible"), 1);
    while (!FTerminated)
        HandleMessage();
}

void TApplication::Terminate()
{
    FTerminated = true;
    if (QAbstractEventDispatcher *d = Dispatcher())
        d->wakeUp();
}

bool TApplication::ProcessMessage()
{
    bool any = false;
    try {
        any = DeliverQueuedMessages() > 0;
        if (QAbstractEventDispatcher *d = Dispatcher())
            any = d->processEvents(QEventLoop::AllEvents) || any;
    } catch (...) {
        HandleException(this, std::current_exception());
        any = true;
    }
    return any;
}

void TApplication::ProcessMessages()
{
    while (ProcessMessage()) {
    }
}

void TApplication::Idle()
{
    bool done = true;
    try {
        HintIdle();
        if (OnIdle)
            OnIdle(this, done);
        if (FIdleHook) {
            FIdleHook(FModalLevel);
            return;  // the test drives time; never wait for real events
        }
    } catch (...) {
        HandleException(this, std::current_exception());
        return;
    }
    if (!done || FTerminated)
        return;
    if (QAbstractEventDispatcher *d = Dispatcher()) {
        try {
            d->processEvents(QEventLoop::WaitForMoreEvents);
        } catch (...) {
            HandleException(this, std::current_exception());
        }
    }
}

void TApplication::HandleMessage()
{
    if (!ProcessMessage())
        Idle();
}

void TApplication::ModalLoop(const std::function<bool()> &finished)
{
    ++FModalLevel;
    try {
        while (!finished() && !FTerminated)
            HandleMessage();
    } catch (...) {
        --FModalLevel;
        throw;
    }
    --FModalLevel;
}

void TApplication::HandleException(TObject *Sender)
{
    HandleException(Sender, std::current_exception());
}

void TApplication::HandleException(TObject *Sender, std::exception_ptr error)
{
    if (!error)
        return;
    try {
        std::rethrow_exception(error);
    } catch (const EAbort &) {
    } catch (const Exception &e) {
        if (OnException)
            OnException(Sender, e);
        else
            ShowException(e);
    } catch (const std::exception &e) {
        Exception wrapped(QString::fromUtf8(e.what()));
        if (OnException)
            OnException(Sender, wrapped);
        else
            ShowException(wrapped);
    } catch (...) {
        Exception wrapped{QString()};
        if (OnException)
            OnException(Sender, wrapped);
        else
            ShowException(wrapped);
    }
}

void TApplication::ShowException(const Exception &E)
{
    QString message = E.Message();
    if (!message.isEmpty() && message.back() > u'.')
        message += u'.';
    MessageBox(message, FTitle, MB_OK | MB_ICONSTOP);
}

void TApplication::Guarded(TObject *Sender, const std::function<void()> &step)
{
    try {
        step();
    } catch (...) {
        HandleException(Sender, std::current_exception());
    }
}

int TApplication::MessageBox(const QString &text, const QString &caption, unsigned flags)
{
    return ::MessageBox(text, caption, flags);
}

// ---- Hints -------------------------------------------------------------------------------------

namespace {

// The pointer's hot spot lies this far above the bottom of the arrow; the hint goes below that.
constexpr int kCursorHeightMargin = 20;

// The hint text of a control: its own, else the first one up its parents.
QString HintOf(TControl *control)
{
    for (TControl *c = control; c; c = c->Parent())
        if (!c->Hint().isEmpty())
            return c->Hint();
    return QString();
}

// The control a hint over `control` belongs to: the first one up its parents that shows hints.
TControl *HintControlOf(TControl *control)
{
    TControl *c = control;
    while (c && !c->ShowHint())
        c = c->Parent();
    return c;
}

// The control under a screen point in the window tree `control` lives in, disabled ones included.
TControl *ControlUnder(TControl *control, TPoint screen)
{
    return TInputRouter::FindControlAt(TInputRouter::TopWindow(control), screen, true);
}

}  // namespace

void TApplication::SetShowHint(bool value)
{
    if (FShowHint == value)
        return;
    FShowHint = value;
    if (!value)
        CancelHint();
}

void TApplication::SetHint(const QString &value)
{
    if (FHint == value)
        return;
    FHint = value;
    if (OnHint)
        OnHint(this);
}

void TApplication::HintIdle()
{
    TControl *control = TInputRouter::MouseControl();
    if (FShowHint && !control)
        CancelHint();
    SetHint(GetLongHint(HintOf(control)));
}

void TApplication::SetHintControl(TControl *control)
{
    if (FHintControl == control)
        return;
    if (FHintControl)
        FHintControl->RemoveFreeNotification(this);
    FHintControl = control;
    if (control)
        control->FreeNotification(this);
}

void TApplication::HintMouseMessage(TControl *control, const TMessage &message)
{
    if (!control)
        return;
    const TPoint screen = control->ClientToScreen(LParamToPoint(message.LParam));
    TControl *hinted = HintControlOf(ControlUnder(control, screen));
    if (!FShowHint || !hinted) {
        CancelHint();
        return;
    }
    if (hinted == FHintControl && FHintCursorRect.Contains(screen))
        return;
    // Once a hint has shown, the next control's follows at once.
    const bool wasActive = FHintActive;
    CancelHint();
    FHintActive = wasActive;
    SetHintControl(hinted);
    StartHintTimer(wasActive ? FHintShortPause : FHintPause, THintTimer::Show);
}

void TApplication::CancelHint()
{
    HideHint();
    StopHintTimer();
    SetHintControl(nullptr);
    FHintActive = false;
    FHintCursorRect = TRect();
}

void TApplication::HideHint()
{
    if (FHintWindow && FHintWindow->Visible())
        FHintWindow->ReleaseHandle();
}

void TApplication::ActivateHint(TPoint cursorPos)
{
    FHintActive = false;
    if (!FShowHint || !FHintControl || HintControlOf(ControlUnder(FHintControl, cursorPos)) != FHintControl) {
        CancelHint();
        return;
    }
    TControl *control = FHintControl;
    THintInfo info;
    info.HintControl = control;
    info.HintPos = TPoint(cursorPos.X, cursorPos.Y + kCursorHeightMargin);
    info.HintMaxWidth = Screen->Width();
    info.HintColor = clInfoBk;
    // The control's bounds in its own client coordinates.
    const TPoint parentOrigin = control->Parent() ? control->Parent()->ClientOrigin() : TPoint(0, 0);
    const TPoint clientOrigin = control->ClientOrigin();
    info.CursorRect = control->BoundsRect();
    info.CursorRect.Offset(parentOrigin.X - clientOrigin.X, parentOrigin.Y - clientOrigin.Y);
    info.CursorPos = control->ScreenToClient(cursorPos);
    info.HintStr = GetShortHint(HintOf(control));
    info.HideTimeout = FHintHidePause;
    const bool canShow = control->Perform(CM_HINTSHOW, 0, reinterpret_cast<LPARAM>(&info)) == 0;
    // The handler may have taken the control away.
    if (!canShow || FHintControl != control || info.HintStr.isEmpty()) {
        CancelHint();
        return;
    }
    FHintActive = true;
    if (!FHintWindow)
        FHintWindow = new THintWindow(this);
    TRect r = FHintWindow->CalcHintRect(info.HintMaxWidth, info.HintStr, info.HintData);
    r.Offset(info.HintPos.X, info.HintPos.Y);
    // Wholly on the screen.
    const TRect desktop = Screen->DesktopRect();
    r.Offset(std::min(0, desktop.Right - r.Right), std::min(0, desktop.Bottom - r.Bottom));
    r.Offset(std::max(0, desktop.Left - r.Left), std::max(0, desktop.Top - r.Top));
    const TPoint topLeft = control->ClientToScreen(info.CursorRect.TopLeft());
    const TPoint bottomRight = control->ClientToScreen(info.CursorRect.BottomRight());
    FHintCursorRect = TRect(topLeft.X, topLeft.Y, bottomRight.X, bottomRight.Y);
    FHintWindow->SetColor(info.HintColor);
    FHintWindow->ActivateHint(r, info.HintStr);
    if (info.HideTimeout > 0)
        StartHintTimer(info.HideTimeout, THintTimer::Hide);
    else
        StopHintTimer();
}

void TApplication::StartHintTimer(int milliseconds, THintTimer mode)
{
    if (!FHintTimerWnd)
        FHintTimerWnd = AllocateHWnd([this](TMessage &m) {
            if (m.Msg == WM_TIMER)
                HintTimerExpired();
        });
    FHintTimerMode = mode;
    SetTimer(FHintTimerWnd, 1, static_cast<UINT>(std::max(0, milliseconds)));
}

void TApplication::StopHintTimer()
{
    if (FHintTimerWnd)
        KillTimer(FHintTimerWnd, 1);
}

void TApplication::HintTimerExpired()
{
    StopHintTimer();
    if (FHintTimerMode == THintTimer::Hide) {
        // The hint goes; the pointer still rests on it, so nothing new shows until it moves on.
        HideHint();
        return;
    }
    TPoint cursor;
    GetCursorPos(cursor);
    ActivateHint(cursor);
}
