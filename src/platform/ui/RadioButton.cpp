#include "platform/ui/RadioButton.h"

#include "platform/runtime/ClassBuilder.h"

#include <QPalette>
#include <QRadioButton>

T_IMPLEMENT_CLASS(TRadioButton)
{
    b.Enum("Alignment", &TRadioButton::Alignment, &TRadioButton::SetAlignment, AlignmentNames).Default(taRightJustify);
    b.Str("Caption", &TRadioButton::Caption, &TRadioButton::SetCaption);
    b.Bool("Checked", &TRadioButton::Checked, &TRadioButton::SetChecked).Default(false);
}

TRadioButton::TRadioButton(TComponent *AOwner) : TNativeControl(AOwner)
{
    FControlStyle = TControlStyle{csSetCaption, csDoubleClicks, csCaptureMouse};
    SetBounds(0, 0, 113, 17);
}

QWidget *TRadioButton::CreateNative(QWidget *parent)
{
    auto *radio = new QRadioButton(FText, parent);
    radio->setAutoExclusive(false);  // the siblings are switched off by the control
    // The control's Color fills its whole area (Qt's buttons would fill it with the button colour).
    radio->setAutoFillBackground(true);
    radio->setBackgroundRole(QPalette::Window);
    radio->setLayoutDirection(CaptionDirection(FAlignment));
    radio->setChecked(FChecked);
    QObject::connect(radio, &QRadioButton::clicked, radio, [this] {
        ShowChecked();
        Guarded([this] { SetChecked(true); });
    });
    return radio;
}

void TRadioButton::ShowChecked()
{
    if (auto *radio = Native<QRadioButton>())
        radio->setChecked(FChecked);
}

void TRadioButton::SetTextValue(const QString &value)
{
    FText = value;
    if (auto *radio = Native<QRadioButton>())
        radio->setText(value);
}

void TRadioButton::SetAlignment(TLeftRight value)
{
    FAlignment = value;
    if (auto *radio = Native<QRadioButton>())
        radio->setLayoutDirection(CaptionDirection(value));
}

void TRadioButton::SetChecked(bool value)
{
    if (FChecked == value)
        return;
    FChecked = value;
    SetTabStop(value);
    ShowChecked();
    if (!value)
        return;
    if (TWinControl *parent = Parent())
        for (int i = 0; i < parent->ControlCount(); ++i)
            if (auto *sibling = dynamic_cast<TRadioButton *>(parent->Controls(i)); sibling && sibling != this)
                sibling->SetChecked(false);
    Click();
}
