#include "platform/ui/NativeControl.h"

#include "platform/ui/Application.h"
#include "platform/runtime/ClassBuilder.h"

#include "platform/ui/ControlsWidget.h"

#include <QAbstractScrollArea>
#include <QApplication>
#include <QPalette>
#include <QStyle>
#include <QStyleFactory>
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

QPalette SystemColorPalette()
{
    struct RoleColor {
        QPalette::ColorRole Role;
        TColor Color;
    };
    // Each palette role and the system colour that paints it.
    static constexpr RoleColor kRoles[] = {
        {QPalette::Window, clBtnFace},
        {QPalette::WindowText, clWindowText},
        {QPalette::Base, clWindow},
        {QPalette::AlternateBase, clBtnFace},
        {QPalette::ToolTipBase, clInfoBk},
        {QPalette::ToolTipText, clInfoText},
        {QPalette::PlaceholderText, clGrayText},
        {QPalette::Text, clWindowText},
        {QPalette::Button, clBtnFace},
        {QPalette::ButtonText, clBtnText},
        {QPalette::BrightText, clBtnHighlight},
        {QPalette::Light, clBtnHighlight},
        {QPalette::Midlight, cl3DLight},
        {QPalette::Dark, clBtnShadow},
        {QPalette::Mid, clBtnShadow},
        {QPalette::Shadow, cl3DDkShadow},
        {QPalette::Highlight, clHighlight},
        {QPalette::HighlightedText, clHighlightText},
        {QPalette::Link, clHotLight},
        {QPalette::LinkVisited, clPurple},
    };
    // Roles that change when a control is disabled.
    static constexpr RoleColor kDisabled[] = {
        {QPalette::WindowText, clGrayText},
        {QPalette::Text, clGrayText},
        {QPalette::ButtonText, clGrayText},
        {QPalette::Base, clBtnFace},
    };
    QPalette palette;
    for (const RoleColor &r : kRoles)
        palette.setColor(r.Role, QColorOf(r.Color));
    for (const RoleColor &r : kDisabled)
        palette.setColor(QPalette::Disabled, r.Role, QColorOf(r.Color));
    return palette;
}

void UseClassicLook()
{
    if (!qobject_cast<QApplication *>(QCoreApplication::instance()))
        return;
    if (QApplication::style()->name().compare(QLatin1String("windows"), Qt::CaseInsensitive) != 0)
        if (QStyle *style = QStyleFactory::create(QStringLiteral("Windows")))
            QApplication::setStyle(style);
    QApplication::setPalette(SystemColorPalette());
}

TNativeControl::TNativeControl(TComponent *AOwner) : TWinControl(AOwner) {}

QWidget *TNativeControl::CreateWidget(QWidget *parent)
{
    QWidget *w = CreateNative(parent);
    // The framework moves the focus (TInputRouter::SyncWidgetFocus); Qt never does by itself.
    w->setFocusPolicy(Qt::NoFocus);
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
    // The control's colour fills its own area; buttons, scroll bars and the corner between them
    // keep the system colours.
    p.setColor(QPalette::Base, back);
    if (!qobject_cast<QAbstractScrollArea *>(w))
        p.setColor(QPalette::Window, back);
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
    // A press focuses the control first, as a standard control's own window procedure does: the
    // keys typed next go to it.
    if ((message.Msg == WM_LBUTTONDOWN || message.Msg == WM_LBUTTONDBLCLK) && TakesFocusOnClick() && !Focused() &&
        CanFocus())
        SetFocus();
    TWinControl::DefaultHandler(message);
}
