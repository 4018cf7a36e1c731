#pragma once
// THintWindow: the small window that shows a hint: a top-level window without frame in the hint
// colours, placed at a screen rectangle by ActivateHint and hidden by ReleaseHandle. It takes no
// input and never becomes the active window. The application shows control hints in one
// (Application.h); a control may show its own (a slider's drag hint).

#include "platform/ui/ControlsCustomControl.h"

class THintWindow : public TCustomControl {
    T_DECLARE_CLASS(THintWindow, TCustomControl)

public:
    explicit THintWindow(TComponent *AOwner);

    // Shows the hint text in the screen rectangle.
    virtual void ActivateHint(TRect rect, const QString &hint);
    // The size the hint text needs, at most maxWidth wide (word-wrapped).
    virtual TRect CalcHintRect(int maxWidth, const QString &hint, void *data);
    // Hides the window.
    void ReleaseHandle();

protected:
    void Paint() override;
    QWidget *CreateWidget(QWidget *parent) override;
};
