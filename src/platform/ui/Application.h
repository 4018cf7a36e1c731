#pragma once
// TApplication: the program's message loop and its settings (the framework's Application object).
//
//   int main()
//   {
//       Application->Initialize();                  // creates the Qt application when needed
//       Application->SetMainFormOnTaskBar(true);
//       Application->SetTitle("TROV316 DSP Processor Editor V1.1");
//       Application->CreateForm(fmMain);            // the first form is the main form
//       Application->CreateForm(fmExit);
//       Application->Run();                         // until Terminate (closing the main form)
//   }
//
// The loop delivers queued window messages (PostMessage/SendMessage from other threads), Qt's
// events (input, painting, real timers) and, when nothing is left, runs the idle handling and
// waits. An exception that reaches the loop goes to HandleException: OnException when assigned,
// otherwise ShowException (its message in a message box titled with the application title),
// EAbort silently; the loop keeps running.
//
// Modal loops: ModalLoop(finished) runs the same loop until finished() is true (or the
// application terminates); loops nest, so a modal form can open another from a handler, and
// timers and messages keep flowing inside the inner loop. TForm::ShowModal uses it.
//
// Hints: after HintPause ms of the pointer on a control whose ShowHint is set (its own, or its
// parent's through ParentShowHint; a control without it passes to its parent), the short part of
// the control's Hint (the first one up its parents) shows in a hint window below the pointer, for
// HintHidePause ms. The pointer moving within the control shows nothing new; moving to another
// control while a hint was on shows that one's after HintShortPause. A key, a mouse button or the
// wheel ends the hint. Before it shows, the control gets CM_HINTSHOW with a THintInfo (Controls.h)
// to change the text, the place or the time, or to refuse it. The idle handling keeps Hint, the
// long part of the hint of the control under the pointer; a change fires OnHint. The pauses run
// on window timers, so the manual test clock drives them.
//
// Tests: SetIdleHook(f) calls f(modalLevel) each time a loop runs out of work, instead of waiting;
// with the manual clock a test advances time there (TManualClock::Advance) so that timers fire
// inside whichever modal loop is running. Message boxes take their answers from
// ScriptedAnswers() when there is one.

#include "platform/runtime/Classes.h"
#include "platform/runtime/Events.h"
#include "platform/runtime/Exception.h"
#include "platform/runtime/GraphicsTypes.h"
#include "platform/runtime/Messages.h"

#include <QString>

#include <exception>
#include <functional>
#include <new>

class TControl;
class THintWindow;

using TExceptionEvent = TEvent<void(TObject *Sender, const Exception &E)>;
using TIdleEvent = TEvent<void(TObject *Sender, bool &Done)>;

class TApplication : public TComponent {
    T_DECLARE_CLASS(TApplication, TComponent)
    explicit TApplication(TComponent *AOwner);
    ~TApplication() override;

    void Initialize();
    const QString &Title() const { return FTitle; }
    void SetTitle(const QString &value) { FTitle = value; }
    bool MainFormOnTaskBar() const { return FMainFormOnTaskBar; }
    void SetMainFormOnTaskBar(bool value) { FMainFormOnTaskBar = value; }
    bool ShowMainForm() const { return FShowMainForm; }
    void SetShowMainForm(bool value) { FShowMainForm = value; }
    TComponent *MainForm() const { return FMainForm; }

    // Creates a form owned by the application; `reference` points at the object before its
    // constructor runs, so the form's own start-up code can use its global. The first form
    // created becomes the main form.
    template <class T>
    void CreateForm(T *&reference)
    {
        void *memory = ::operator new(sizeof(T));
        reference = static_cast<T *>(memory);
        T *instance = nullptr;
        try {
            instance = new (memory) T(this);
        } catch (...) {
            reference = nullptr;
            ::operator delete(memory);
            throw;
        }
        if (!FMainForm)
            FMainForm = instance;
    }

    // Runs the message loop until Terminate; shows the main form first when ShowMainForm.
    void Run();
    void Terminate();
    bool Terminated() const { return FTerminated; }
    // Handles everything that is pending, without waiting.
    void ProcessMessages();
    // One round of the loop: pending work, or the idle handling and a wait.
    void HandleMessage();
    void ModalLoop(const std::function<bool()> &finished);
    int ModalLevel() const { return FModalLevel; }

    // The exception being handled (call from a catch block), or a given one.
    void HandleException(TObject *Sender);
    void HandleException(TObject *Sender, std::exception_ptr error);
    void ShowException(const Exception &E);
    // Runs `step`, handing any exception to HandleException (for Qt entry points of controls).
    void Guarded(TObject *Sender, const std::function<void()> &step);

    // The message box of Dialogs.h (MB_* flags, ID* answers there).
    int MessageBox(const QString &text, const QString &caption, unsigned flags);

    // ---- Hints ----
    bool ShowHint() const { return FShowHint; }
    // Off hides a showing hint and shows none until it is on again.
    void SetShowHint(bool value);
    int HintPause() const { return FHintPause; }
    void SetHintPause(int value) { FHintPause = value; }
    int HintShortPause() const { return FHintShortPause; }
    void SetHintShortPause(int value) { FHintShortPause = value; }
    int HintHidePause() const { return FHintHidePause; }
    void SetHintHidePause(int value) { FHintHidePause = value; }
    const QString &Hint() const { return FHint; }
    // Fires OnHint when the text changes.
    void SetHint(const QString &value);
    // A mouse move of `control` (WM_MOUSEMOVE, client position in LParam): starts the pause of the
    // hint under the pointer, or ends a hint the pointer has left. TControl::WndProc calls it.
    void HintMouseMessage(TControl *control, const TMessage &message);
    // Hides the hint and forgets it (the next one waits the full pause).
    void CancelHint();
    // Hides the hint window only.
    void HideHint();
    // Shows the hint of the control under `cursorPos` (screen) when it is still the one waited for.
    void ActivateHint(TPoint cursorPos);
    // The window hints show in (nullptr before the first hint).
    THintWindow *HintWindow() const { return FHintWindow; }

    TExceptionEvent OnException;
    TIdleEvent OnIdle;
    TNotifyEvent OnHint;

    using TIdleHook = std::function<void(int modalLevel)>;
    void SetIdleHook(TIdleHook hook) { FIdleHook = std::move(hook); }

    void Notification(TComponent *AComponent, TOperation Operation) override;

private:
    enum class THintTimer { Show, Hide };

    bool ProcessMessage();
    void Idle();
    // The hint part of the idle handling: the control under the pointer gives Hint.
    void HintIdle();
    void StartHintTimer(int milliseconds, THintTimer mode);
    void StopHintTimer();
    void HintTimerExpired();
    void SetHintControl(TControl *control);

    QString FTitle;
    bool FMainFormOnTaskBar = false;
    bool FShowMainForm = true;
    bool FTerminated = false;
    int FModalLevel = 0;
    TComponent *FMainForm = nullptr;
    TIdleHook FIdleHook;

    bool FShowHint = true;
    int FHintPause = 500;
    int FHintShortPause = 50;
    int FHintHidePause = 2500;
    QString FHint;
    TControl *FHintControl = nullptr;  // the control whose hint is waited for or showing
    bool FHintActive = false;          // a hint showed and the pointer has not left hinted controls
    TRect FHintCursorRect;             // screen: moving inside it shows no new hint
    THintWindow *FHintWindow = nullptr;
    HWND FHintTimerWnd = nullptr;
    THintTimer FHintTimerMode = THintTimer::Show;
};

extern TApplication *Application;
