// The modal-form part of the test scripting: runs a form's scripted action and guards a form
// that is allowed to stay open for a while.

#include "platform/ui/TestScript.h"

#include "platform/ui/Forms.h"

#include <QApplication>
#include <QTimer>

namespace {

// Ends a form that stayed open past its deadline; forgets it when the form goes first.
class TModalGuard : public TComponent {
public:
    TModalGuard(TCustomForm &form, int ms) : TComponent(nullptr), form_(&form)
    {
        form.FreeNotification(this);
        QTimer::singleShot(ms, qApp, [this] { Expire(); });
    }

    void Notification(TComponent *AComponent, TOperation Operation) override
    {
        TComponent::Notification(AComponent, Operation);
        if (Operation == opRemove && AComponent == form_)
            form_ = nullptr;
    }

private:
    void Expire()
    {
        if (form_ && form_->Visible() && form_->ModalResult() == mrNone) {
            TestScript::Fail(QStringLiteral("modal form %1 still open after its time").arg(form_->Name()));
            form_->SetModalResult(mrCancel);
        }
        if (form_)
            form_->RemoveFreeNotification(this);
        delete this;
    }

    TCustomForm *form_;
};

}  // namespace

TModalResult TestScript::ModalFormShown(TCustomForm &form)
{
    TModalAnswer answer;
    if (!TakeModal(form.Name(), answer))
        return mrCancel;
    if (answer.Action)
        answer.Action(form);
    if (form.ModalResult() != mrNone)
        return form.ModalResult();
    if (answer.KeepOpen) {
        new TModalGuard(form, answer.KeepOpenMs);
        return mrNone;
    }
    Fail(QStringLiteral("modal form %1 still open after its scripted action").arg(form.Name()));
    return mrCancel;
}
