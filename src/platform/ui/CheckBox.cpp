#include "platform/ui/CheckBox.h"

#include "platform/runtime/ClassBuilder.h"

#include <QCheckBox>
#include <QPalette>

namespace {

Qt::CheckState QtCheckState(TCheckBoxState state)
{
    return state == cbChecked ? Qt::Checked : state == cbGrayed ? Qt::PartiallyChecked : Qt::Unchecked;
}

}  // namespace

T_IMPLEMENT_CLASS(TCheckBox)
{
    b.Enum("Alignment", &TCheckBox::Alignment, &TCheckBox::SetAlignment, AlignmentNames).Default(taRightJustify);
    b.Bool("AllowGrayed", &TCheckBox::AllowGrayed, &TCheckBox::SetAllowGrayed).Default(false);
    b.Str("Caption", &TCheckBox::Caption, &TCheckBox::SetCaption);
    b.Bool("Checked", &TCheckBox::Checked, &TCheckBox::SetChecked).Default(false);
    b.Enum("State", &TCheckBox::State, &TCheckBox::SetState, CheckBoxStateNames).Default(cbUnchecked);
    b.Bool("TabStop", &TCheckBox::TabStop, &TCheckBox::SetTabStop).Default(true);
}

TCheckBox::TCheckBox(TComponent *AOwner) : TNativeControl(AOwner)
{
    FControlStyle = TControlStyle{csSetCaption, csDoubleClicks, csCaptureMouse};
    FTabStop = true;
    SetBounds(0, 0, 97, 17);
}

QWidget *TCheckBox::CreateNative(QWidget *parent)
{
    auto *box = new QCheckBox(FText, parent);
    box->setTristate(true);
    // The control's Color fills its whole area (Qt's buttons would fill it with the button colour).
    box->setAutoFillBackground(true);
    box->setBackgroundRole(QPalette::Window);
    box->setLayoutDirection(CaptionDirection(FAlignment));
    box->setCheckState(QtCheckState(FState));
    QObject::connect(box, &QCheckBox::clicked, box, [this] {
        ShowState();  // the box follows State only; the click decides the next one
        Guarded([this] { Toggle(); });
    });
    return box;
}

void TCheckBox::ShowState()
{
    if (auto *box = Native<QCheckBox>())
        box->setCheckState(QtCheckState(FState));
}

void TCheckBox::SetTextValue(const QString &value)
{
    FText = value;
    if (auto *box = Native<QCheckBox>())
        box->setText(value);
}

void TCheckBox::SetAlignment(TLeftRight value)
{
    FAlignment = value;
    if (auto *box = Native<QCheckBox>())
        box->setLayoutDirection(CaptionDirection(value));
}

void TCheckBox::SetState(TCheckBoxState value)
{
    if (FState == value)
        return;
    FState = value;
    ShowState();
    Click();
}

void TCheckBox::Toggle()
{
    switch (FState) {
    case cbUnchecked:
        SetState(FAllowGrayed ? cbGrayed : cbChecked);
        break;
    case cbChecked:
        SetState(cbUnchecked);
        break;
    case cbGrayed:
        SetState(cbChecked);
        break;
    }
}
