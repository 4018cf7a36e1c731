#include "platform/ui/ControlsInput.h"

#include <QApplication>
#include <QWidget>

#include <array>
#include <utility>

#include "platform/ui/ControlsWidget.h"
#include "platform/ui/ControlsWinControl.h"
#include "platform/ui/Forms.h"
#include "platform/ui/Screen.h"

namespace {

struct RouterState {
    TControl *capture = nullptr;
    TControl *mouseControl = nullptr;
    TWinControl *focused = nullptr;
    TPoint cursor;
    std::array<bool, 256> keys{};
    bool lastKeyConsumed = false;
};

// Moves a role (the capture, the pointer, the focus) from its holder to `next`: `lost` tells the
// control that loses it, then `gained` (with the previous holder) the one that gains it, unless
// the first notification already moved the role elsewhere.
template <class T, class Lost, class Gained>
void MoveRole(T *&holder, T *next, Lost lost, Gained gained)
{
    if (holder == next)
        return;
    T *old = std::exchange(holder, next);
    if (old)
        lost(old);
    if (next && holder == next)
        gained(next, old);
}

RouterState &State()
{
    static RouterState s;
    return s;
}

void SetKeyDown(int key, bool down)
{
    if (key >= 0 && key < 256)
        State().keys[static_cast<std::size_t>(key)] = down;
}

// The keyboard state follows the shift state each input reports.
void TakeShiftState(TShiftState shift)
{
    SetKeyDown(VK_SHIFT, shift.Contains(ssShift));
    SetKeyDown(VK_CONTROL, shift.Contains(ssCtrl));
    SetKeyDown(VK_MENU, shift.Contains(ssAlt));
}

// A mouse input at `pos` of `window`: the keyboard state and the cursor position follow it.
// Answers the screen position.
TPoint TakePointer(TWinControl *window, TShiftState shift, TPoint pos)
{
    TakeShiftState(shift);
    const TPoint screen = window->ClientToScreen(pos);
    State().cursor = screen;
    return screen;
}

WPARAM MouseKeys()
{
    const auto &k = State().keys;
    WPARAM w = 0;
    if (k[VK_LBUTTON]) w |= MK_LBUTTON;
    if (k[VK_RBUTTON]) w |= MK_RBUTTON;
    if (k[VK_MBUTTON]) w |= MK_MBUTTON;
    if (k[VK_SHIFT]) w |= MK_SHIFT;
    if (k[VK_CONTROL]) w |= MK_CONTROL;
    return w;
}

int ButtonKey(TMouseButton b)
{
    return b == mbLeft ? VK_LBUTTON : b == mbRight ? VK_RBUTTON : VK_MBUTTON;
}

UINT DownMessage(TMouseButton b)
{
    return b == mbLeft ? WM_LBUTTONDOWN : b == mbRight ? WM_RBUTTONDOWN : WM_MBUTTONDOWN;
}

// Input for a window the running modal forms block is dropped: a form that was there when one of
// them started, or a window of no form.
bool BlockedByModal(TWinControl *window)
{
    if (!Screen || !Screen->ModalForm())
        return false;
    TCustomForm *form = GetParentForm(window);
    return !form || Screen->BlockedByModal(form);
}

// Every windowed ancestor (and the control itself, if windowed) is enabled.
bool WindowsEnabled(TControl *c)
{
    for (TControl *p = c; p; p = p->Parent())
        if (dynamic_cast<TWinControl *>(p) && !p->Enabled())
            return false;
    return true;
}

// Tells the old and new control under the pointer (whoever holds the capture).
void MouseIdle(TControl *hover)
{
    MoveRole(
        State().mouseControl, hover, [](TControl *old) { old->Perform(CM_MOUSELEAVE); },
        [](TControl *now, TControl *) { now->Perform(CM_MOUSEENTER); });
}

// The cursor shape of the control under the pointer.
void UpdateCursor(TControl *hover)
{
    if (!Screen)
        return;
    TCursor cursor = crDefault;
    for (TControl *c = hover; c && cursor == crDefault; c = c->Parent())
        cursor = c->Cursor();
    TWinControl *window = nullptr;
    for (TControl *c = hover; c && !window; c = c->Parent())
        window = dynamic_cast<TWinControl *>(c);
    if (window && window->WidgetIfCreated())
        window->WidgetIfCreated()->setCursor(Screen->CursorShape(cursor));
}

// While a popup window of the window system is open (a combo box's dropped list), it holds the
// mouse: every mouse input goes to it, to its part under the pointer or else to the popup itself
// (which closes on a press outside it), and the framework's capture ends as the popup took it.
// False when no popup is open.
bool ToPopup(TWinControl *window, UINT msg, TPoint pos)
{
    QWidget *popup = QApplication::activePopupWidget();
    QWidget *from = window->WidgetIfCreated();
    if (!popup || !from)
        return false;
    TInputRouter::SetCaptureControl(nullptr);
    MouseIdle(nullptr);
    ForwardMouseToWidget(popup, msg, popup->mapFromGlobal(from->mapToGlobal(QPoint(pos.X, pos.Y))), MouseKeys());
    return true;
}

}  // namespace

TWinControl *TInputRouter::TopWindow(TControl *control)
{
    TWinControl *top = nullptr;
    for (TControl *p = control; p; p = p->Parent())
        if (auto *w = dynamic_cast<TWinControl *>(p))
            top = w;
    return top;
}

TControl *TInputRouter::FindControlAt(TWinControl *top, TPoint screen, bool allowDisabled)
{
    if (!top || !top->Visible())
        return nullptr;
    if (!top->GetClientRect().Contains(top->ScreenToClient(screen)))
        return nullptr;
    TWinControl *w = top;
    for (;;) {
        const TPoint p = w->ScreenToClient(screen);
        // A windowed child covers what lies below it, enabled or not.
        TControl *any = w->ControlAtPos(p, true, true, false);
        if (auto *child = dynamic_cast<TWinControl *>(any)) {
            if (!allowDisabled && !child->Enabled())
                return child;
            w = child;
            continue;
        }
        // A disabled windowless control lets the input through.
        TControl *graphic = w->ControlAtPos(p, allowDisabled, false, false);
        return graphic ? graphic : w;
    }
}

void TInputRouter::Button(TWinControl *window, UINT msg, TMouseButton button, TShiftState shift, TPoint pos, bool up)
{
    RouterState &s = State();
    if (!window)
        return;
    const TPoint screen = TakePointer(window, shift, pos);
    TWinControl *top = TopWindow(window);
    if (!up && !QApplication::activePopupWidget() && BlockedByModal(window)) {
        MouseIdle(nullptr);
        return;
    }
    SetKeyDown(ButtonKey(button), !up);
    if (ToPopup(window, msg, pos))
        return;
    TControl *hover = FindControlAt(top, screen, true);
    TControl *target = s.capture ? s.capture : FindControlAt(top, screen, false);
    if (target && !s.capture && (!target->Enabled() || !WindowsEnabled(target)))
        target = nullptr;
    if (target) {
        if (!up)
            if (TCustomForm *form = GetParentForm(target);
                form && !form->NoActivate() && Screen && Screen->ActiveCustomForm() != form)
                Screen->ActivateForm(form);
        const TPoint local = target->ScreenToClient(screen);
        target->Perform(msg, MouseKeys(), PointToLParam(local));
        if (up && button == mbRight) {
            // The context menu follows the release, from the control up to its parents.
            for (TControl *c = target; c; c = c->Parent())
                if (c->Perform(WM_CONTEXTMENU, 0, PointToLParam(screen)) != 0)
                    break;
        }
    }
    MouseIdle(hover);
}

void TInputRouter::MouseDown(TWinControl *window, TMouseButton button, TShiftState shift, TPoint pos)
{
    Button(window, DownMessage(button), button, shift, pos, false);
}

void TInputRouter::MouseDoubleClick(TWinControl *window, TMouseButton button, TShiftState shift, TPoint pos)
{
    Button(window, DownMessage(button) + (WM_LBUTTONDBLCLK - WM_LBUTTONDOWN), button, shift, pos, false);
}

void TInputRouter::MouseUp(TWinControl *window, TMouseButton button, TShiftState shift, TPoint pos)
{
    Button(window, DownMessage(button) + (WM_LBUTTONUP - WM_LBUTTONDOWN), button, shift, pos, true);
}

void TInputRouter::MouseMove(TWinControl *window, TShiftState shift, TPoint pos)
{
    RouterState &s = State();
    if (!window)
        return;
    const TPoint screen = TakePointer(window, shift, pos);
    if (ToPopup(window, WM_MOUSEMOVE, pos))
        return;
    TWinControl *top = TopWindow(window);
    TControl *hover = BlockedByModal(window) ? nullptr : FindControlAt(top, screen, true);
    TControl *target = s.capture ? s.capture : FindControlAt(top, screen, false);
    if (target && !s.capture && (BlockedByModal(window) || !target->Enabled() || !WindowsEnabled(target)))
        target = nullptr;
    if (target)
        target->Perform(WM_MOUSEMOVE, MouseKeys(), PointToLParam(target->ScreenToClient(screen)));
    MouseIdle(hover);
    UpdateCursor(hover);
}

void TInputRouter::MouseWheel(TWinControl *window, int delta, TShiftState shift, TPoint pos)
{
    if (!window || BlockedByModal(window))
        return;
    TakeShiftState(shift);
    const TPoint screen = window->ClientToScreen(pos);
    TControl *target = State().focused;
    if (!target || TopWindow(target) != TopWindow(window))
        target = GetParentForm(window) ? static_cast<TControl *>(GetParentForm(window)) : TopWindow(window);
    const WPARAM w = (static_cast<WPARAM>(static_cast<std::uint16_t>(delta)) << 16) | (MouseKeys() & 0xFFFF);
    target->Perform(CM_MOUSEWHEEL, w, PointToLParam(screen));
}

void TInputRouter::MouseLeft()
{
    MouseIdle(nullptr);
}

void TInputRouter::Click(TWinControl *window, TPoint pos, TMouseButton button)
{
    MouseDown(window, button, {}, pos);
    MouseUp(window, button, {}, pos);
}

namespace {

// The control keys go to: the focused window, else the active form.
TWinControl *KeyTarget()
{
    if (TWinControl *f = State().focused)
        return f;
    return Screen ? Screen->ActiveCustomForm() : nullptr;
}

LPARAM KeyData(bool up)
{
    LPARAM l = 1;
    if (GetKeyState(VK_MENU) < 0)
        l |= 1 << 29;
    if (up)
        l |= static_cast<LPARAM>(3) << 30;
    return l;
}

}  // namespace

void TInputRouter::KeyDown(WORD key, TShiftState shift)
{
    RouterState &s = State();
    TakeShiftState(shift);
    SetKeyDown(key, true);
    s.lastKeyConsumed = false;
    TWinControl *target = KeyTarget();
    if (!target)
        return;
    const bool alt = shift.Contains(ssAlt);
    const LPARAM data = KeyData(false);
    if (target->Perform(alt ? CN_SYSKEYDOWN : CN_KEYDOWN, key, data) != 0) {
        s.lastKeyConsumed = true;
        return;
    }
    // A handler may have moved the focus; the key stays with the control it was meant for.
    target->Perform(alt ? WM_SYSKEYDOWN : WM_KEYDOWN, key, data);
}

void TInputRouter::KeyUp(WORD key, TShiftState shift)
{
    TakeShiftState(shift);
    SetKeyDown(key, false);
    if (TWinControl *target = KeyTarget())
        target->Perform(shift.Contains(ssAlt) ? WM_SYSKEYUP : WM_KEYUP, key, KeyData(true));
}

bool TInputRouter::LastKeyConsumed()
{
    return State().lastKeyConsumed;
}

void TInputRouter::Char(QChar ch)
{
    TWinControl *target = KeyTarget();
    if (!target)
        return;
    if (target->Perform(CN_CHAR, ch.unicode(), KeyData(false)) != 0)
        return;
    target->Perform(WM_CHAR, ch.unicode(), KeyData(false));
}

void TInputRouter::Key(WORD key, TShiftState shift, QChar ch)
{
    KeyDown(key, shift);
    if (!ch.isNull() && !LastKeyConsumed())
        Char(ch);
    KeyUp(key, shift);
}

TControl *TInputRouter::CaptureControl()
{
    return State().capture;
}

void TInputRouter::SetCaptureControl(TControl *control)
{
    MoveRole(
        State().capture, control,
        [control](TControl *old) { old->Perform(WM_CAPTURECHANGED, 0, reinterpret_cast<LPARAM>(control)); },
        [](TControl *, TControl *) {});
}

TControl *TInputRouter::MouseControl()
{
    return State().mouseControl;
}

TWinControl *TInputRouter::FocusedWindow()
{
    return State().focused;
}

void TInputRouter::SetFocusedWindow(TWinControl *window)
{
    MoveRole(
        State().focused, window,
        [window](TWinControl *old) { old->Perform(WM_KILLFOCUS, reinterpret_cast<WPARAM>(window)); },
        [](TWinControl *now, TWinControl *old) {
            now->Perform(WM_SETFOCUS, reinterpret_cast<WPARAM>(old));
            if (State().focused == now)
                SyncWidgetFocus();
        });
}

QWidget *TInputRouter::FocusWidgetOf(TWinControl *window)
{
    if (!window)
        return nullptr;
    if (window->NativeWidget())
        if (QWidget *w = window->WidgetIfCreated())
            return w;
    TCustomForm *form = GetParentForm(window);
    return form ? form->Window() : nullptr;
}

void TInputRouter::SyncWidgetFocus()
{
    // Qt moves its focus only where the framework says: native widgets refuse Qt's own focus moves
    // (NoFocus), but take it when given. In a window that is not active this only marks the widget
    // that gets the focus when the window is activated.
    QWidget *w = FocusWidgetOf(State().focused);
    if (w && w->isEnabled() && QApplication::focusWidget() != w)
        w->setFocus(Qt::OtherFocusReason);
}

TPoint TInputRouter::CursorPos()
{
    return State().cursor;
}

void TInputRouter::SetCursorPos(TPoint screenPos)
{
    State().cursor = screenPos;
}

short TInputRouter::KeyState(int key)
{
    if (key < 0 || key >= 256)
        return 0;
    return State().keys[static_cast<std::size_t>(key)] ? static_cast<short>(0x8000) : 0;
}

void TInputRouter::ControlDestroyed(TControl *control)
{
    RouterState &s = State();
    if (s.capture == control)
        s.capture = nullptr;
    if (s.mouseControl == control)
        s.mouseControl = nullptr;
    if (s.focused == control)
        s.focused = nullptr;
}

short GetKeyState(int key)
{
    return TInputRouter::KeyState(key);
}

bool GetCursorPos(TPoint &point)
{
    point = TInputRouter::CursorPos();
    return true;
}
