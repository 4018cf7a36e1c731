#include "platform/ui/NativeControl.h"

#include "platform/ui/Application.h"
#include "platform/ui/ClassBuilder.h"

#include "platform/ui/ControlsWidget.h"

#include <QGuiApplication>
#include <QMouseEvent>
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
    QWidget *w = WidgetIfCreated();
    QEvent::Type type = QEvent::None;
    Qt::MouseButton button = Qt::NoButton;
    switch (message.Msg) {
    case WM_LBUTTONDOWN: type = QEvent::MouseButtonPress; button = Qt::LeftButton; break;
    case WM_RBUTTONDOWN: type = QEvent::MouseButtonPress; button = Qt::RightButton; break;
    case WM_LBUTTONDBLCLK: type = QEvent::MouseButtonDblClick; button = Qt::LeftButton; break;
    case WM_LBUTTONUP: type = QEvent::MouseButtonRelease; button = Qt::LeftButton; break;
    case WM_RBUTTONUP: type = QEvent::MouseButtonRelease; button = Qt::RightButton; break;
    case WM_MOUSEMOVE: type = QEvent::MouseMove; break;
    default: break;
    }
    const TPoint p = LParamToPoint(message.LParam);
    QWidget *target = w ? w->childAt(p.X, p.Y) : nullptr;
    if (type == QEvent::None || !target) {
        TWinControl::DefaultHandler(message);
        return;
    }
    Qt::MouseButtons buttons;
    if (message.WParam & MK_LBUTTON)
        buttons |= Qt::LeftButton;
    if (message.WParam & MK_RBUTTON)
        buttons |= Qt::RightButton;
    if (message.WParam & MK_MBUTTON)
        buttons |= Qt::MiddleButton;
    const Qt::KeyboardModifiers mods = (message.WParam & MK_SHIFT ? Qt::ShiftModifier : Qt::NoModifier) |
                                       (message.WParam & MK_CONTROL ? Qt::ControlModifier : Qt::NoModifier);
    const QPointF local = target->mapFrom(w, QPoint(p.X, p.Y));
    QMouseEvent e(type, local, target->mapToGlobal(local), button, buttons, mods);
    ForwardEventToWidget(target, &e);
}
