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
// Tests: SetIdleHook(f) calls f(modalLevel) each time a loop runs out of work, instead of waiting;
// with the manual clock a test advances time there (TManualClock::Advance) so that timers fire
// inside whichever modal loop is running. Message boxes take their answers from
// ScriptedAnswers() when there is one.

#include "platform/runtime/Classes.h"
#include "platform/runtime/Events.h"
#include "platform/runtime/Exception.h"

#include <QString>

#include <exception>
#include <functional>
#include <new>

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

    TExceptionEvent OnException;
    TIdleEvent OnIdle;

    using TIdleHook = std::function<void(int modalLevel)>;
    void SetIdleHook(TIdleHook hook) { FIdleHook = std::move(hook); }

    void Notification(TComponent *AComponent, TOperation Operation) override;

private:
    bool ProcessMessage();
    void Idle();

    QString FTitle;
    bool FMainFormOnTaskBar = false;
    bool FShowMainForm = true;
    bool FTerminated = false;
    int FModalLevel = 0;
    TComponent *FMainForm = nullptr;
    TIdleHook FIdleHook;
};

extern TApplication *Application;
