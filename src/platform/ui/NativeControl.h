#pragma once
// TNativeControl: the base of the standard controls that show a Qt widget of their own (an edit,
// a list, a button ...). The control's state lives in the control; the widget shows it and
// reports what the user did, which the control turns into the framework's events. Input arrives
// as the framework's messages first (ControlsWinControl.h); what the handlers leave goes on to
// the widget, and after the widget has painted the control gets WM_PAINT over its pixels. The
// widget's font and text colour follow the control's Font; the control's Color fills the
// widget's own area (the field, the list), while its buttons and scroll bars keep the system
// colours of the application's classic look (UseClassicLook).

#include "platform/ui/ControlsWinControl.h"

#include <QColor>
#include <QPalette>

#include <functional>

class QWidget;

class TNativeControl : public TWinControl {
    T_DECLARE_CLASS(TNativeControl, TWinControl)

public:
    explicit TNativeControl(TComponent *AOwner);

protected:  // message handlers, registered by number in the class description
    void CMLookChanged(TMessage &m);

public:
    // Painting into a canvas makes the widget first; everything else as for any windowed control.
    void DefaultHandler(TMessage &message) override;

protected:
    bool NativeWidget() const override { return true; }
    // Whether a press with the left button focuses the control (true but for display-only ones).
    virtual bool TakesFocusOnClick() const { return true; }
    QWidget *CreateWidget(QWidget *parent) final;
    // Makes the widget and shows the control's current state in it.
    virtual QWidget *CreateNative(QWidget *parent) = 0;
    // Font and colours onto the widget (also after CM_FONTCHANGED and CM_COLORCHANGED).
    virtual void UpdateLook();
    // The same for a given widget (CreateWidget calls it before the widget is the control's).
    virtual void UpdateLookOf(QWidget *widget);
    // The widget, when it exists.
    template <class W>
    W *Native() const
    {
        return static_cast<W *>(WidgetIfCreated());
    }
    // Runs a Qt notification as the framework would run an event: exceptions go to the
    // application's handler instead of through Qt.
    void Guarded(const std::function<void()> &step);

};

// The Qt colour of a framework colour (system colours resolved).
QColor QColorOf(TColor color);

// The palette of the framework's system colours (button face 240,240,240 and so on), the same
// for active and inactive windows; disabled text in the grey-text colour.
QPalette SystemColorPalette();
// Gives the whole application Qt's classic "Windows" style and the system colour palette, so
// native widgets look like the framework's own controls around them and render the same
// offscreen, under Xvfb and on every desktop theme. Needs a QApplication; does nothing otherwise.
void UseClassicLook();
