#include "platform/ui/ControlsWidget.h"

#include <QApplication>
#include <QChildEvent>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QWheelEvent>

#include <utility>

#include "platform/ui/Application.h"
#include "platform/ui/ControlsInput.h"
#include "platform/ui/ControlsWinControl.h"

namespace {

bool gForwarding = false;
bool gNativeRendering = false;
const char *const kControlProperty = "trovControl";

struct KeyPair {
    int Qt;
    WORD Vk;
};

// Keys whose code is not their character.
constexpr KeyPair kKeys[] = {
    {Qt::Key_Backspace, VK_BACK},   {Qt::Key_Tab, VK_TAB},         {Qt::Key_Backtab, VK_TAB},
    {Qt::Key_Return, VK_RETURN},    {Qt::Key_Enter, VK_RETURN},    {Qt::Key_Shift, VK_SHIFT},
    {Qt::Key_Control, VK_CONTROL},  {Qt::Key_Alt, VK_MENU},        {Qt::Key_Pause, VK_PAUSE},
    {Qt::Key_CapsLock, VK_CAPITAL}, {Qt::Key_Escape, VK_ESCAPE},   {Qt::Key_Space, VK_SPACE},
    {Qt::Key_PageUp, VK_PRIOR},     {Qt::Key_PageDown, VK_NEXT},   {Qt::Key_End, VK_END},
    {Qt::Key_Home, VK_HOME},        {Qt::Key_Left, VK_LEFT},       {Qt::Key_Up, VK_UP},
    {Qt::Key_Right, VK_RIGHT},      {Qt::Key_Down, VK_DOWN},       {Qt::Key_Print, VK_SNAPSHOT},
    {Qt::Key_Insert, VK_INSERT},    {Qt::Key_Delete, VK_DELETE},   {Qt::Key_Help, VK_HELP},
    {Qt::Key_Menu, VK_APPS},        {Qt::Key_NumLock, VK_NUMLOCK}, {Qt::Key_ScrollLock, VK_SCROLL},
    {Qt::Key_Semicolon, VK_OEM_1},  {Qt::Key_Colon, VK_OEM_1},     {Qt::Key_Equal, VK_OEM_PLUS},
    {Qt::Key_Plus, VK_OEM_PLUS},    {Qt::Key_Comma, VK_OEM_COMMA}, {Qt::Key_Less, VK_OEM_COMMA},
    {Qt::Key_Minus, VK_OEM_MINUS},  {Qt::Key_Underscore, VK_OEM_MINUS}, {Qt::Key_Period, VK_OEM_PERIOD},
    {Qt::Key_Greater, VK_OEM_PERIOD}, {Qt::Key_Slash, VK_OEM_2},   {Qt::Key_Question, VK_OEM_2},
    {Qt::Key_QuoteLeft, VK_OEM_3},  {Qt::Key_AsciiTilde, VK_OEM_3}, {Qt::Key_BracketLeft, VK_OEM_4},
    {Qt::Key_BraceLeft, VK_OEM_4},  {Qt::Key_Backslash, VK_OEM_5}, {Qt::Key_Bar, VK_OEM_5},
    {Qt::Key_BracketRight, VK_OEM_6}, {Qt::Key_BraceRight, VK_OEM_6}, {Qt::Key_Apostrophe, VK_OEM_7},
    {Qt::Key_QuoteDbl, VK_OEM_7},
};

// Keypad keys carry the keypad modifier in Qt and have codes of their own.
constexpr KeyPair kKeypad[] = {
    {Qt::Key_0, VK_NUMPAD0}, {Qt::Key_1, VK_NUMPAD1}, {Qt::Key_2, VK_NUMPAD2}, {Qt::Key_3, VK_NUMPAD3},
    {Qt::Key_4, VK_NUMPAD4}, {Qt::Key_5, VK_NUMPAD5}, {Qt::Key_6, VK_NUMPAD6}, {Qt::Key_7, VK_NUMPAD7},
    {Qt::Key_8, VK_NUMPAD8}, {Qt::Key_9, VK_NUMPAD9}, {Qt::Key_Asterisk, VK_MULTIPLY}, {Qt::Key_Plus, VK_ADD},
    {Qt::Key_Minus, VK_SUBTRACT}, {Qt::Key_Period, VK_DECIMAL}, {Qt::Key_Slash, VK_DIVIDE},
};

TMouseButton ButtonOf(Qt::MouseButton b)
{
    return b == Qt::RightButton ? mbRight : b == Qt::MiddleButton ? mbMiddle : mbLeft;
}

// A point of `widget` in the client coordinates of its control, through the screen: the widget
// may lie outside the control's own (a form's window around its client area).
QPoint ClientPoint(QWidget *widget, TWinControl *control, QPointF pos)
{
    return control->Widget()->mapFromGlobal(widget->mapToGlobal(pos.toPoint()));
}

// Routes the input of every widget of a control through the framework.
class InputFilter : public QObject {
public:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (gForwarding)
            return false;
        auto *widget = qobject_cast<QWidget *>(watched);
        if (!widget)
            return false;
        switch (event->type()) {
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonRelease:
        case QEvent::MouseButtonDblClick:
        case QEvent::MouseMove:
            return Mouse(widget, static_cast<QMouseEvent *>(event));
        case QEvent::Wheel:
            return Wheel(widget, static_cast<QWheelEvent *>(event));
        case QEvent::KeyPress:
        case QEvent::KeyRelease:
            return Key(static_cast<QKeyEvent *>(event));
        case QEvent::ShortcutOverride:
            // The framework decides what a key does (a menu's shortcut first, then the focused
            // control, then the form's dialog keys): no widget claims a key before the key
            // event, as an edit or an open list would.
            return !widget->isWindow();
        case QEvent::FocusIn:
        case QEvent::FocusOut: return Focus(widget, static_cast<QFocusEvent *>(event));
        case QEvent::InputMethod: return InputMethod(widget, static_cast<QInputMethodEvent *>(event));
        case QEvent::Leave:
            if (!widget->window()->geometry().contains(QCursor::pos()))
                Guard(widget, [] { TInputRouter::MouseLeft(); });
            return false;
        default:
            return false;
        }
    }

private:
    template <class F>
    static void Guard(QWidget *widget, F f)
    {
        TWinControl *c = FindControlOfWidget(widget);
        if (Application)
            Application->Guarded(c, f);
        else
            f();
    }

    static bool Mouse(QWidget *widget, QMouseEvent *e)
    {
        TWinControl *control = FindControlOfWidget(widget);
        if (!control)
            return false;
        const QPoint local = ClientPoint(widget, control, e->position());
        const TPoint pos(local.x(), local.y());
        const TShiftState shift = ShiftStateOf(e->modifiers(), e->buttons());
        Guard(widget, [&] {
            switch (e->type()) {
            case QEvent::MouseButtonPress:
                TInputRouter::MouseDown(control, ButtonOf(e->button()), shift, pos);
                break;
            case QEvent::MouseButtonDblClick:
                TInputRouter::MouseDoubleClick(control, ButtonOf(e->button()), shift, pos);
                break;
            case QEvent::MouseButtonRelease:
                TInputRouter::MouseUp(control, ButtonOf(e->button()), shift, pos);
                break;
            default:
                TInputRouter::MouseMove(control, shift, pos);
                break;
            }
        });
        return true;
    }

    static bool Wheel(QWidget *widget, QWheelEvent *e)
    {
        TWinControl *control = FindControlOfWidget(widget);
        if (!control)
            return false;
        const QPoint local = ClientPoint(widget, control, e->position());
        Guard(widget, [&] {
            TInputRouter::MouseWheel(control, e->angleDelta().y(), ShiftStateOf(e->modifiers(), e->buttons()),
                                     TPoint(local.x(), local.y()));
        });
        return true;
    }

    static bool Key(QKeyEvent *e)
    {
        const WORD vk = VirtualKeyOf(*e);
        TShiftState shift = ShiftStateOf(e->modifiers());
        if (e->key() == Qt::Key_Backtab)
            shift << ssShift;
        Guard(nullptr, [&] {
            if (e->type() == QEvent::KeyPress) {
                if (vk)
                    TInputRouter::KeyDown(vk, shift);
                // A key the dialog handling consumed types no character.
                const QString text = e->text();
                if (!text.isEmpty() && !(vk && TInputRouter::LastKeyConsumed()))
                    for (QChar c : text)
                        TInputRouter::Char(c);
            } else if (vk && !e->isAutoRepeat()) {
                TInputRouter::KeyUp(vk, shift);
            }
        });
        return true;
    }

    // Whatever moved Qt's focus, a native widget hears of it as of a focus that came by a click
    // (in) or went with its window's deactivation (out): selection and caret are the framework's
    // business (AutoSelect, SelectAll ...), so an edit keeps its selection when the focus leaves
    // it, as a focused editor does, and a list picks no current item when the focus arrives.
    static bool Focus(QWidget *widget, QFocusEvent *e)
    {
        if (widget->isWindow() || e->reason() == Qt::ActiveWindowFocusReason || e->reason() == Qt::PopupFocusReason)
            return false;
        QFocusEvent plain(e->type(), e->type() == QEvent::FocusIn ? Qt::MouseFocusReason : Qt::ActiveWindowFocusReason);
        ForwardEventToWidget(widget, &plain);
        return true;
    }

    // Text the desktop's input method composed goes the way typed text goes: each character as
    // WM_CHAR to the focused control (key events, the control's typing rules). The composition
    // that is still going on (preedit) shows in the widget; a commit that replaces text around
    // the caret is the widget's own business.
    static bool InputMethod(QWidget *widget, QInputMethodEvent *e)
    {
        if (e->commitString().isEmpty() || e->replacementLength() != 0)
            return false;
        QInputMethodEvent endComposition;
        ForwardEventToWidget(widget, &endComposition);
        const QString text = e->commitString();
        Guard(widget, [&] {
            for (QChar c : text)
                TInputRouter::Char(c);
        });
        return true;
    }
};

InputFilter *Filter()
{
    static InputFilter *filter = new InputFilter;
    return filter;
}

}  // namespace

TControlWidget::TControlWidget(TWinControl *control, QWidget *parent) : QWidget(parent), control_(control)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    setAttribute(Qt::WA_NoSystemBackground);
    setFocusPolicy(Qt::NoFocus);
}

void TControlWidget::paintEvent(QPaintEvent *event)
{
    if (control_)
        control_->WidgetPaint(event->region());
}

TNativeOverlay::TNativeOverlay(TWinControl *control, QWidget *native) : QWidget(native), control_(control)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
    setGeometry(native->rect());
    native->installEventFilter(this);
    show();
    raise();
}

bool TNativeOverlay::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == parent()) {
        if (event->type() == QEvent::Resize)
            setGeometry(parentWidget()->rect());
        else if (event->type() == QEvent::ChildAdded && static_cast<QChildEvent *>(event)->child() != this)
            raise();
    }
    return false;
}

void TNativeOverlay::paintEvent(QPaintEvent *event)
{
    if (!control_ || gNativeRendering)
        return;
    QPainter painter(this);
    if (Application)
        Application->Guarded(control_, [&] { control_->PaintOverNative(painter, event->region()); });
    else
        control_->PaintOverNative(painter, event->region());
}

bool NativeRendering()
{
    return gNativeRendering;
}

TNativeRenderingScope::TNativeRenderingScope() : was_(std::exchange(gNativeRendering, true)) {}

TNativeRenderingScope::~TNativeRenderingScope()
{
    gNativeRendering = was_;
}

void AttachControlWidget(QWidget *widget, TWinControl *control)
{
    widget->setProperty(kControlProperty, QVariant::fromValue(static_cast<void *>(control)));
    widget->setMouseTracking(true);
    widget->installEventFilter(Filter());
    for (QWidget *child : widget->findChildren<QWidget *>()) {
        child->setMouseTracking(true);
        child->installEventFilter(Filter());
    }
}

void DetachControlWidget(QWidget *widget)
{
    widget->setProperty(kControlProperty, QVariant());
    if (auto *own = dynamic_cast<TControlWidget *>(widget))
        own->Detach();
    for (QObject *child : widget->children())
        if (auto *overlay = dynamic_cast<TNativeOverlay *>(child))
            overlay->Detach();
    // Notifications of the widget and of its parts are connected with the widget as context.
    widget->removeEventFilter(Filter());
    QObject::disconnect(widget, nullptr, widget, nullptr);
    for (QObject *child : widget->findChildren<QObject *>()) {
        child->removeEventFilter(Filter());
        QObject::disconnect(child, nullptr, widget, nullptr);
    }
}

TWinControl *FindControlOfWidget(QWidget *widget)
{
    for (QWidget *w = widget; w; w = w->parentWidget()) {
        const QVariant v = w->property(kControlProperty);
        if (v.isValid())
            return static_cast<TWinControl *>(v.value<void *>());
    }
    return nullptr;
}

bool WidgetForwarding()
{
    return gForwarding;
}

void ForwardEventToWidget(QWidget *widget, QEvent *event)
{
    const bool was = gForwarding;
    gForwarding = true;
    QCoreApplication::sendEvent(widget, event);
    gForwarding = was;
}

void ForwardMouseToWidget(QWidget *widget, UINT msg, QPoint pos, WPARAM mouseKeys)
{
    QEvent::Type type = QEvent::MouseButtonPress;
    Qt::MouseButton button = Qt::NoButton;
    switch (msg) {
    case WM_LBUTTONDOWN: button = Qt::LeftButton; break;
    case WM_RBUTTONDOWN: button = Qt::RightButton; break;
    case WM_MBUTTONDOWN: button = Qt::MiddleButton; break;
    case WM_LBUTTONDBLCLK: type = QEvent::MouseButtonDblClick, button = Qt::LeftButton; break;
    case WM_RBUTTONDBLCLK: type = QEvent::MouseButtonDblClick, button = Qt::RightButton; break;
    case WM_MBUTTONDBLCLK: type = QEvent::MouseButtonDblClick, button = Qt::MiddleButton; break;
    case WM_LBUTTONUP: type = QEvent::MouseButtonRelease, button = Qt::LeftButton; break;
    case WM_RBUTTONUP: type = QEvent::MouseButtonRelease, button = Qt::RightButton; break;
    case WM_MBUTTONUP: type = QEvent::MouseButtonRelease, button = Qt::MiddleButton; break;
    case WM_MOUSEMOVE: type = QEvent::MouseMove; break;
    default: return;
    }
    Qt::MouseButtons buttons;
    if (mouseKeys & MK_LBUTTON)
        buttons |= Qt::LeftButton;
    if (mouseKeys & MK_RBUTTON)
        buttons |= Qt::RightButton;
    if (mouseKeys & MK_MBUTTON)
        buttons |= Qt::MiddleButton;
    const Qt::KeyboardModifiers modifiers = (mouseKeys & MK_SHIFT ? Qt::ShiftModifier : Qt::NoModifier) |
                                            (mouseKeys & MK_CONTROL ? Qt::ControlModifier : Qt::NoModifier);
    QWidget *target = widget->childAt(pos);
    if (!target)
        target = widget;
    const QPointF local = target->mapFrom(widget, pos);
    QMouseEvent e(type, local, target->mapToGlobal(local), button, buttons, modifiers);
    ForwardEventToWidget(target, &e);
}

WORD VirtualKeyOf(const QKeyEvent &event)
{
    const int key = event.key();
    if (event.modifiers() & Qt::KeypadModifier)
        for (const KeyPair &k : kKeypad)
            if (k.Qt == key)
                return k.Vk;
    for (const KeyPair &k : kKeys)
        if (k.Qt == key)
            return k.Vk;
    if (key >= Qt::Key_F1 && key <= Qt::Key_F12)
        return static_cast<WORD>(VK_F1 + (key - Qt::Key_F1));
    if ((key >= Qt::Key_A && key <= Qt::Key_Z) || (key >= Qt::Key_0 && key <= Qt::Key_9))
        return static_cast<WORD>(key);
    return 0;
}

int QtKeyOf(WORD vk)
{
    for (const KeyPair &k : kKeys)
        if (k.Vk == vk)
            return k.Qt;
    for (const KeyPair &k : kKeypad)
        if (k.Vk == vk)
            return k.Qt;
    if (vk >= VK_F1 && vk <= VK_F12)
        return Qt::Key_F1 + (vk - VK_F1);
    if ((vk >= 'A' && vk <= 'Z') || (vk >= '0' && vk <= '9'))
        return vk;
    return 0;
}

TShiftState ShiftStateOf(Qt::KeyboardModifiers modifiers, Qt::MouseButtons buttons)
{
    TShiftState s;
    if (modifiers & Qt::ShiftModifier)
        s << ssShift;
    if (modifiers & Qt::ControlModifier)
        s << ssCtrl;
    if (modifiers & Qt::AltModifier)
        s << ssAlt;
    if (buttons & Qt::LeftButton)
        s << ssLeft;
    if (buttons & Qt::RightButton)
        s << ssRight;
    if (buttons & Qt::MiddleButton)
        s << ssMiddle;
    return s;
}
