#pragma once
// TDialogButton: what a push button class implements to take the dialog keys of its form. The
// form first offers Enter and Esc to its controls (CM_DIALOGKEY, broadcast); when none takes
// the key and neither Shift, Ctrl nor Alt is down, Enter clicks the focused dialog button, or,
// while the focus is on a control that is no dialog button, the first default one; Esc clicks
// the first cancel one. "First" is the order the form broadcasts in (each control, then the
// controls it holds, then its next sibling), and only a button that is visible and enabled,
// with all its parents, counts.
//
// A button class derives from its control class and from this one:
//
//   class TMyButton : public TCustomControl, public TDialogButton {
//       bool IsDefaultButton() const override { return FDefault; }
//       bool IsCancelButton() const override { return FCancel; }
//       void DialogKeyClick(WORD) override { Click(); }
//   };
//
// A button that shows whether Enter would click it follows CM_FOCUSCHANGED: it is the one while
// it has the focus, or while it is a default button and the focus is on no dialog button.

#include "platform/runtime/Messages.h"

class TDialogButton {
public:
    // Enter clicks this button while the focus is on a control that is no dialog button.
    virtual bool IsDefaultButton() const = 0;
    // Esc clicks this button.
    virtual bool IsCancelButton() const = 0;
    // Enter or Esc (`key`) chose this button: it clicks as its user's click would.
    virtual void DialogKeyClick(WORD key) = 0;

protected:
    ~TDialogButton() = default;
};
