#pragma once
// TNativeControl: the base of the standard controls that show a Qt widget of their own (an edit,
// a list, a button ...). The control's state lives in the control; the widget shows it and
// reports what the user did, which the control turns into the framework's events. Input arrives
// as the framework's messages first (ControlsWinControl.h); what the handlers leave goes on to
// the widget. Font and colours follow the control's Font and Color.

#include "platform/ui/ControlsWinControl.h"

#include <QColor>

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
