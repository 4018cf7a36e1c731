#include "platform/ui/Application.h"

#include "platform/ui/ClassBuilder.h"
#include "platform/ui/Messages.h"
#include "platform/ui/TestScript.h"
#include "platform/ui/TypInfo.h"

#include <QAbstractEventDispatcher>
#include <QApplication>
#include <QMessageBox>
#include <QThread>

#include <cstdio>

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
    const unsigned buttons = flags & 0x0F;
    if (TestScript::Active()) {
        TModalResult cancel = buttons == MB_OK ? mrOk : buttons == MB_YESNO ? mrNo : mrCancel;
        return TestScript::MessageShown(caption, text, cancel);
    }
    if (!qobject_cast<QApplication *>(QCoreApplication::instance())) {
        std::fprintf(stderr, "%s: %s\n", caption.toUtf8().constData(), text.toUtf8().constData());
        return buttons == MB_YESNO || buttons == MB_YESNOCANCEL ? IDYES : IDOK;
    }
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    switch (flags & 0xF0) {
    case MB_ICONSTOP: icon = QMessageBox::Critical; break;
    case MB_ICONQUESTION: icon = QMessageBox::Question; break;
    case MB_ICONWARNING: icon = QMessageBox::Warning; break;
    case MB_ICONINFORMATION: icon = QMessageBox::Information; break;
    default: break;
    }
    QMessageBox::StandardButtons std = QMessageBox::Ok;
    if (buttons == MB_OKCANCEL)
        std = QMessageBox::Ok | QMessageBox::Cancel;
    else if (buttons == MB_YESNO)
        std = QMessageBox::Yes | QMessageBox::No;
    else if (buttons == MB_YESNOCANCEL)
        std = QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
    QMessageBox box(icon, caption, text, std);
    ++FModalLevel;
    int r = box.exec();
    --FModalLevel;
    switch (r) {
    case QMessageBox::Cancel: return IDCANCEL;
    case QMessageBox::Yes: return IDYES;
    case QMessageBox::No: return IDNO;
    default: return IDOK;
    }
}
