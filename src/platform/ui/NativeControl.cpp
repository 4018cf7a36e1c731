#include "platform/ui/NativeControl.h"

#include "platform/ui/Application.h"
#include "platform/runtime/ClassBuilder.h"

#include "platform/ui/ControlsWidget.h"

#include <QPalette>
#include <QWidget>

T_IMPLEMENT_CLASS(TNativeControl)
{
    b.Message(CM_FONTCHANGED, &TNativeControl::CMLookChanged);
    b.Message(CM_COLORCHANGED, &TNativeControl::CMLookChanged);
}

QColor QColorOf(TColor color)
{
    const TColor rgb = ColorToRGB(color);
    return QColor(GetRValue(rgb), GetGValue(rgb), GetBValue(rgb));
}

TNativeControl::TNativeControl(TComponent *AOwner) : TWinControl(AOwner) {}

QWidget *TNativeControl::CreateWidget(QWidget *parent)
{
    QWidget *w = CreateNative(parent);
    w->setFocusPolicy(Qt::NoFocus);  // the framework keeps the focus; keys reach the widget through it
    w->setContextMenuPolicy(Qt::NoContextMenu);
    UpdateLookOf(w);
    return w;
}

void TNativeControl::UpdateLook()
{
    if (QWidget *w = WidgetIfCreated())
        UpdateLookOf(w);
}

void TNativeControl::UpdateLookOf(QWidget *w)
{
    w->setFont(Font()->NativeFont());
    QPalette p = w->palette();
    const QColor back = QColorOf(Color());
    const QColor text = QColorOf(Font()->Color());
    for (QPalette::ColorRole role : {QPalette::Base, QPalette::Window, QPalette::Button})
        p.setColor(role, back);
    for (QPalette::ColorRole role : {QPalette::Text, QPalette::WindowText, QPalette::ButtonText})
        p.setColor(QPalette::Active, role, text), p.setColor(QPalette::Inactive, role, text);
    w->setPalette(p);
}

void TNativeControl::Guarded(const std::function<void()> &step)
{
    if (Application)
        Application->Guarded(this, step);
    else
        step();
}

void TNativeControl::CMLookChanged(TMessage &m)
{
    DispatchFrom(inherited::StaticClass(), m);
    UpdateLook();
}

void TNativeControl::DefaultHandler(TMessage &message)
{
    // Painting into a canvas (PaintTo, offscreen rendering) needs the widget that shows the control.
    if (message.Msg == WM_PAINT && !WidgetIfCreated() && message.WParam != 0)
        HandleNeeded();
    TWinControl::DefaultHandler(message);
}
