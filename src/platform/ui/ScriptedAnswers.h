#pragma once
// Answers given by a script instead of a user, for the windows that wait for one: modal forms,
// message boxes, file, colour and font dialogs and popup menus.
//
// Before such a window waits for a user it asks ScriptedAnswers(). When that returns an object,
// the window does not wait: it takes the object's answer (and a modal form runs its loop only
// when the answer leaves it open). The test scripting (TestScript.h) installs itself here. On the
// offscreen platform, where nobody could ever answer, a window with no script installed is
// answered as if cancelled and reported on the error output, so that nothing waits for ever.
// Everything here runs on the GUI thread.

#include "platform/runtime/Colors.h"
#include "platform/ui/ModalResult.h"

#include <QString>
#include <QStringList>

class TCustomForm;
class TFont;
class TMenuItem;
class TPopupMenu;

// What a file dialog is asked (for matching and the log) and what it answers.
struct TFileDialogRequest {
    bool Save = false;
    QString Title;
    QString Filter;
    QString FileName;  // the name the dialog starts with
    QString InitialDir;  // the folder it starts in (empty: the dialog's own choice)
};

struct TFileDialogAnswer {
    bool Ok = false;
    QStringList Files;    // chosen files, the first one is FileName
    int FilterIndex = 0;  // 0: leave the dialog's own
};

class TScriptedAnswers {
public:
    virtual ~TScriptedAnswers() = default;

    // False while this object gives no answers: windows then wait for a user.
    virtual bool Active() const = 0;
    // A modal form was shown and its loop is about to run. Returns the result to end it with at
    // once (mrCancel for a form nobody expected), or mrNone to let the modal loop run.
    virtual TModalResult ModalFormShown(TCustomForm &form) = 0;
    // A message box: the button's result, or `cancelResult` when the box was not expected.
    virtual TModalResult MessageShown(const QString &caption, const QString &text, TModalResult cancelResult) = 0;
    virtual TFileDialogAnswer FileDialogShown(const TFileDialogRequest &request) = 0;
    // True with `color` (or `font`) changed when the dialog is confirmed; false when cancelled.
    virtual bool ColorDialogShown(TColor &color) = 0;
    virtual bool FontDialogShown(TFont &font) = 0;
    // The item to click, or nullptr for a dismissed menu.
    virtual TMenuItem *PopupShown(TPopupMenu &menu) = 0;
    // An answer the window could not take (a message box without the scripted button).
    virtual void Refused(const QString &problem) = 0;
};

// The answers in force, or nullptr when windows wait for a user.
TScriptedAnswers *ScriptedAnswers();
// Installs `answers` (nullptr removes them) and returns the object installed before, so that a
// caller can put it back; the object must stay alive while installed.
TScriptedAnswers *SetScriptedAnswers(TScriptedAnswers *answers);
