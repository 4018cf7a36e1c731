#pragma once
// The Qt side of windowed controls (internal to the control sources): the widget that shows a
// control's backing image, the event filter that turns Qt's mouse and keyboard events into calls
// of the input router, and the conversions between Qt keys and virtual-key codes.

#include <QWidget>

#include "platform/runtime/Events.h"

class TWinControl;
class QKeyEvent;

// Shows the backing image of its control.
class TControlWidget : public QWidget {
public:
    TControlWidget(TWinControl *control, QWidget *parent);

    void Detach() { control_ = nullptr; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    TWinControl *control_;
};

// The topmost child of a native control's widget, transparent for input: it paints after the
// widget and all its parts, and hands the pixels they painted to the control's paint message
// (TWinControl::PaintOverNative). It keeps the widget's size and stays above parts the widget
// adds later.
class TNativeOverlay : public QWidget {
public:
    TNativeOverlay(TWinControl *control, QWidget *native);

    void Detach() { control_ = nullptr; }

protected:
    void paintEvent(QPaintEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    TWinControl *control_;
};

// True while the framework renders a native widget into an image itself (its overlay stays out:
// the paint message follows the rendering there).
bool NativeRendering();
class TNativeRenderingScope {
public:
    TNativeRenderingScope();
    ~TNativeRenderingScope();
    TNativeRenderingScope(const TNativeRenderingScope &) = delete;
    TNativeRenderingScope &operator=(const TNativeRenderingScope &) = delete;

private:
    bool was_;
};

// Ties a widget to its control and routes the widget's input through the framework.
void AttachControlWidget(QWidget *widget, TWinControl *control);
// Cuts a widget that is going away off its control: no input, painting or notification of the
// widget or of its children reaches the control any more (the widget may outlive it until Qt
// deletes it).
void DetachControlWidget(QWidget *widget);

// While true, events sent to widgets are passed through to them (a control forwarding input to
// its native widget) instead of being routed again.
bool WidgetForwarding();
// Sends an event to a widget past the router.
void ForwardEventToWidget(QWidget *widget, QEvent *event);

// Virtual-key code of a Qt key event (0 when there is none) and the shift state of its modifiers.
WORD VirtualKeyOf(const QKeyEvent &event);
TShiftState ShiftStateOf(Qt::KeyboardModifiers modifiers, Qt::MouseButtons buttons = Qt::NoButton);
// Qt key of a virtual-key code (for forwarding keys to native widgets).
int QtKeyOf(WORD key);
// Sends a mouse message (a button pressed, released or double-clicked, or a move; others are
// ignored) as a Qt mouse event at `pos`, in `widget`'s coordinates, with the buttons and modifiers
// of `mouseKeys` (MK_LBUTTON, MK_SHIFT ...), past the router, to the part of the widget under the
// pointer (a list's viewport, the edit part of a combo box ...) or else to the widget itself.
void ForwardMouseToWidget(QWidget *widget, UINT msg, QPoint pos, WPARAM mouseKeys);
