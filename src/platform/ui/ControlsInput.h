#pragma once
// The input router: mouse and keyboard input as it arrives from the window system (or from a test)
// becomes window messages to the right control.
//
//  - Mouse: the control under the pointer gets the message, a windowed control before the
//    windowless ones below it, a disabled windowless control lets it through to its parent; while
//    a control holds the capture every mouse message goes to it, in its own client coordinates
//    (also outside it). A double click arrives as the second press (WM_xBUTTONDBLCLK) for controls
//    with csDoubleClicks, as a plain press for the others. After each mouse message the control
//    under the pointer is compared with the previous one: the old one hears CM_MOUSELEAVE, the new
//    one CM_MOUSEENTER, whoever holds the capture. A right-button release is followed by
//    WM_CONTEXTMENU. The wheel goes to the focused control (CM_MOUSEWHEEL), then up its parents.
//  - A popup window of the window system (a combo box's dropped list) holds the mouse while it is
//    open: every mouse input goes to its part under the pointer, or to the popup itself when the
//    pointer is outside it (a press there closes it and reaches nothing else); the framework's
//    capture ends when the popup opens, and no control hears of the pointer meanwhile.
//  - Keys go to the focused windowed control (else the active form): CN_KEYDOWN (dialog keys),
//    then WM_KEYDOWN, then WM_CHAR for each typed character unless the dialog key consumed it.
//    Text the desktop's input method composes comes as WM_CHAR for each character, as if typed.
//  - Focus: the focused control's native widget (else its form's window) also holds Qt's keyboard
//    focus, so that the desktop delivers keys and input method text to it and it keeps its
//    selection through activations; Qt never moves that focus by itself.
//  - Modal forms: while one runs, presses and the wheel are dropped for the forms it blocks (the
//    ones that were there when it started, TScreen::BlockedByModal) and for windows of no form.
//
// Tests drive the same entry points: positions are client coordinates of `window` (normally the
// form); the shift state given becomes the keyboard state GetKeyState reports.
//
//   TInputRouter::MouseDown(form, mbLeft, {}, Point(20, 30));
//   TInputRouter::MouseMove(form, {ssLeft}, Point(200, 30));   // outside the pressed control
//   TInputRouter::MouseUp(form, mbLeft, {}, Point(200, 30));
//   TInputRouter::KeyDown(VK_TAB, {});  TInputRouter::Char(u'a');

#include <QChar>

#include "platform/ui/Controls.h"

class QWidget;
class TWinControl;

class TInputRouter {
public:
    static void MouseDown(TWinControl *window, TMouseButton button, TShiftState shift, TPoint pos);
    static void MouseDoubleClick(TWinControl *window, TMouseButton button, TShiftState shift, TPoint pos);
    static void MouseUp(TWinControl *window, TMouseButton button, TShiftState shift, TPoint pos);
    static void MouseMove(TWinControl *window, TShiftState shift, TPoint pos);
    // One wheel notch is 120 (positive: away from the user).
    static void MouseWheel(TWinControl *window, int delta, TShiftState shift, TPoint pos);
    // The pointer left every window of the program.
    static void MouseLeft();
    // A full click (press and release) at a position.
    static void Click(TWinControl *window, TPoint pos, TMouseButton button = mbLeft);

    // A key pressed or released; `shift` is the state of the modifier keys at that moment.
    static void KeyDown(WORD key, TShiftState shift);
    static void KeyUp(WORD key, TShiftState shift);
    // True when the last KeyDown was consumed as a dialog key or shortcut (it types nothing).
    static bool LastKeyConsumed();
    // A typed character (as a key press produces after its WM_KEYDOWN).
    static void Char(QChar ch);
    // Key down, the character it types (if any), key up.
    static void Key(WORD key, TShiftState shift = {}, QChar ch = QChar());

    static TControl *CaptureControl();
    static void SetCaptureControl(TControl *control);
    static TControl *MouseControl();
    // The windowed control with the keyboard focus.
    static TWinControl *FocusedWindow();
    // Moves the keyboard focus (WM_KILLFOCUS to the old window, WM_SETFOCUS to the new one); then
    // Qt's keyboard focus follows (SyncWidgetFocus).
    static void SetFocusedWindow(TWinControl *window);
    // The widget that holds Qt's keyboard focus for a focused window: a native control's own widget
    // (so that it keeps its selection and caret as a focused editor does, and the desktop's input
    // method delivers to it), else the window of the control's form; nullptr when there is none.
    static QWidget *FocusWidgetOf(TWinControl *window);
    // Gives Qt's keyboard focus to FocusWidgetOf(FocusedWindow()) (after the window's widget was
    // made, or anew). Qt never moves its focus on its own: the framework decides.
    static void SyncWidgetFocus();
    static TPoint CursorPos();
    static void SetCursorPos(TPoint screenPos);
    // Bit 15 set while the key (VK_SHIFT, VK_CONTROL, VK_MENU, VK_LBUTTON ...) is held.
    static short KeyState(int key);
    // Forgets a control that is going away.
    static void ControlDestroyed(TControl *control);

    // The deepest visible control under a screen point within the window tree of `top`
    // (disabled ones included when `allowDisabled`); nullptr outside.
    static TControl *FindControlAt(TWinControl *top, TPoint screen, bool allowDisabled);
    // The outermost windowed control `control` lives in (nullptr for a free windowless control).
    static TWinControl *TopWindow(TControl *control);

private:
    static void Button(TWinControl *window, UINT downMsg, TMouseButton button, TShiftState shift, TPoint pos, bool up);
};

// The framework's keyboard and pointer state queries.
short GetKeyState(int key);
bool GetCursorPos(TPoint &point);
