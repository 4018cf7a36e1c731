#include "platform/ui/Application.h"

#include "platform/runtime/ClassBuilder.h"
#include "platform/ui/Dialogs.h"
#include "platform/runtime/Messages.h"
#include "platform/runtime/TypInfo.h"

#include <QAbstractEventDispatcher>
#include <QApplication>
#include <QThread>


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

TApplication::~TApplication() = default;

void TApplication::Initialize()
{
    if (!QCoreApplication::instance()) {
        static int argc = 1;
        static char name[] = "trov316";
        static char *argv[] = {name, nullptr};
        new QApplication(argc, argv);
    }
    FTerminated = false;
}

void TApplication::Notification(TComponent *AComponent, TOperation Operation)
{
    TComponent::Notification(AComponent, Operation);
    if (Operation == opRemove && AComponent == FMainForm)
        FMainForm = nullptr;
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
