#include "platform/ui/Button.h"

#include "platform/runtime/ClassBuilder.h"
#include "platform/ui/Forms.h"

#include <QPushButton>

T_IMPLEMENT_CLASS(TButton)
{
    b.Str("Caption", &TButton::Caption, &TButton::SetCaption);
    b.Bool("Cancel", &TButton::Cancel, &TButton::SetCancel).Default(false);
    b.Bool("Default", &TButton::Default, &TButton::SetDefault).Default(false);
    b.Int("ModalResult", &TButton::ModalResult, &TButton::SetModalResult).Default(mrNone);
    b.Bool("TabStop", &TButton::TabStop, &TButton::SetTabStop).Default(true);
}

TButton::TButton(TComponent *AOwner) : TNativeControl(AOwner)
{
    // The click comes from the button itself (pressed and released inside), not from every release.
    FControlStyle = TControlStyle{csSetCaption, csDoubleClicks, csCaptureMouse};
    FTabStop = true;
    SetBounds(0, 0, 75, 25);
}

QWidget *TButton::CreateNative(QWidget *parent)
{
    auto *button = new QPushButton(FText, parent);
    button->setAutoDefault(false);
    button->setDefault(FDefault);
    QObject::connect(button, &QPushButton::clicked, button, [this] { Guarded([this] { Click(); }); });
    return button;
}

void TButton::SetTextValue(const QString &value)
{
    FText = value;
    if (auto *button = Native<QPushButton>())
        button->setText(value);
}

void TButton::SetDefault(bool value)
{
    FDefault = value;
    if (auto *button = Native<QPushButton>())
        button->setDefault(value);
}

void TButton::Click()
{
    if (TCustomForm *form = GetParentForm(this))
        form->SetModalResult(FModalResult);
    TNativeControl::Click();
}
