#pragma once
// TfmHidData: the raw-traffic monitor, shown without blocking from a hidden menu entry. The main
// window's traffic loggers hand it one line per frame; a line is kept only while the monitor is
// visible, and the newest line becomes the selected one so that the list follows it. Closing only
// hides the monitor: the lines stay. The list has no limit; Clear is the only way to empty it.

#include "platform/ui/Forms.h"

class TButton;
class TListBox;

class TfmHidData : public TForm {
    T_DECLARE_CLASS(TfmHidData, TForm)
    explicit TfmHidData(TComponent *AOwner);

    TListBox *hbHidData = nullptr;
    TButton *bnClear = nullptr;

    // Appends the line and selects it while the monitor is visible; false (nothing kept) else.
    bool AddTrafficLine(const QString &line);

    void bnClearClick(TObject *Sender);
};

extern TfmHidData *fmHidData;
