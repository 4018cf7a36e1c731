#pragma once
// The framework's message boxes (MessageBox with MB_* flags, MessageDlg, ShowMessage),
// MessageBeep, and TCommonDialog, the base of the file, colour and font dialogs.
//
// Every box and dialog is modal and takes its answer from ScriptedAnswers() when there is one
// (tests, the offscreen platform): it never waits for a user there. Otherwise Qt's dialogs show
// them.

#include "platform/ui/Application.h"
#include "platform/runtime/Classes.h"
#include "platform/runtime/Events.h"
#include "platform/runtime/Messages.h"
#include "platform/runtime/Set.h"
#include "platform/ui/ModalResult.h"

#include <QString>

// ---- MessageBox ----------------------------------------------------------------------------
// Buttons (low four bits), icon (next four) and default button (MB_DEFBUTTONn) of a box.
constexpr UINT MB_OK = 0x00;
constexpr UINT MB_OKCANCEL = 0x01;
constexpr UINT MB_ABORTRETRYIGNORE = 0x02;
constexpr UINT MB_YESNOCANCEL = 0x03;
constexpr UINT MB_YESNO = 0x04;
constexpr UINT MB_RETRYCANCEL = 0x05;
constexpr UINT MB_ICONSTOP = 0x10;
constexpr UINT MB_ICONERROR = MB_ICONSTOP;
constexpr UINT MB_ICONHAND = MB_ICONSTOP;
constexpr UINT MB_ICONQUESTION = 0x20;
constexpr UINT MB_ICONWARNING = 0x30;
constexpr UINT MB_ICONEXCLAMATION = MB_ICONWARNING;
constexpr UINT MB_ICONINFORMATION = 0x40;
constexpr UINT MB_ICONASTERISK = MB_ICONINFORMATION;
constexpr UINT MB_DEFBUTTON1 = 0x000;
constexpr UINT MB_DEFBUTTON2 = 0x100;
constexpr UINT MB_DEFBUTTON3 = 0x200;
// The button pressed.
constexpr int IDOK = 1;
constexpr int IDCANCEL = 2;
constexpr int IDABORT = 3;
constexpr int IDRETRY = 4;
constexpr int IDIGNORE = 5;
constexpr int IDYES = 6;
constexpr int IDNO = 7;

// A message box with the buttons and icon of `flags`; answers the ID of the button pressed
// (IDCANCEL, or IDOK for a box that has only OK, when the box is closed otherwise). Without a
// window system (a console program) the text goes to the error output and the default button
// answers.
int MessageBox(const QString &text, const QString &caption, UINT flags = MB_OK);

// ---- MessageDlg ----------------------------------------------------------------------------
enum TMsgDlgType { mtWarning, mtError, mtInformation, mtConfirmation, mtCustom };
enum TMsgDlgBtn { mbYes, mbNo, mbOK, mbCancel, mbAbort, mbRetry, mbIgnore, mbAll, mbNoToAll, mbYesToAll, mbHelp, mbClose };
using TMsgDlgButtons = TSet<TMsgDlgBtn>;
inline const TMsgDlgButtons mbYesNo{mbYes, mbNo};
inline const TMsgDlgButtons mbYesNoCancel{mbYes, mbNo, mbCancel};
inline const TMsgDlgButtons mbOKCancel{mbOK, mbCancel};
inline const TMsgDlgButtons mbAbortRetryIgnore{mbAbort, mbRetry, mbIgnore};

// A box captioned by its type ("Warning", "Error", "Information", "Confirm"; the application
// title for mtCustom) with the buttons given; answers the modal result of the button pressed.
TModalResult MessageDlg(const QString &msg, TMsgDlgType type, TMsgDlgButtons buttons, int helpCtx = 0);
// An information box with one OK button, captioned with the application title.
void ShowMessage(const QString &msg);

// The title of the application the boxes use (the application object's Title).
QString ApplicationTitle();

// Runs a Qt dialog modally inside the application's message loop (so timers and window messages
// keep flowing) and answers its result.
class QDialog;
int ExecDialog(QDialog &dialog);

// ---- MessageBeep -----------------------------------------------------------------------------
void MessageBeep(UINT type = 0);
// Beeps so far (tests check that an invalid key beeped).
int MessageBeepCount();

// ---- TCommonDialog ---------------------------------------------------------------------------
class TCommonDialog : public TComponent {
    T_DECLARE_CLASS(TCommonDialog, TComponent)

public:
    explicit TCommonDialog(TComponent *AOwner);

    // Shows the dialog modally; true when the user confirmed a choice.
    virtual bool Execute() = 0;

    TNotifyEvent OnShow;
    TNotifyEvent OnClose;

protected:
    void DoShow();
    void DoClose();
};
