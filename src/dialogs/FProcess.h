#pragma once
// TfmProcess: the progress window of the main window's exchanges (store, recall, upload, download,
// factory reset). The main window sets ProgressBar's Max and Position and StatusBar's simple text,
// shows the window (modally, at once or from a timer), advances Position and closes or hides it
// at the end. It has no logic of its own beyond its caption; closing it when it is not shown is
// harmless.

#include "platform/ui/Forms.h"

class TAdvProgressBar;
class TStatusBar;

class TfmProcess : public TForm {
    T_DECLARE_CLASS(TfmProcess, TForm)
    explicit TfmProcess(TComponent *AOwner);

    TAdvProgressBar *ProgressBar = nullptr;
    TStatusBar *StatusBar = nullptr;

    // Caption "SID_PROCESS".
    void FormShow(TObject *Sender);
};

extern TfmProcess *fmProcess;
