#pragma once
// Scripted answers for the windows that wait for a user: modal forms, message boxes, file, colour
// and font dialogs and popup menus. A test queues what the user would do, in the order the windows
// will appear; each window takes the next answer instead of waiting. A window that appears when
// the next answer is for another window (or when none is queued) is reported as unexpected and
// answered as if cancelled, so a test fails promptly instead of blocking.
//
// Scripting is on while a TScriptSession exists, and always on the offscreen platform, where no
// user could ever answer. The windows reach it through the framework's TScriptedAnswers
// (ScriptedAnswers.h), where it installs itself the first time a test uses it. Everything here
// runs on the GUI thread.
//
//   TScriptSession script;                      // failures go to the handler, by default stderr
//   script.Failures(...)                        // or script.SetFailureHandler(ADD_FAILURE-like)
//   TestScript::ExpectModal("fmLockSetup", [](TCustomForm &f) { ... click OK ... });
//   TestScript::ExpectMessage("Password Error!!", mrOk);
//   TestScript::ExpectOpenFile("/tmp/a.unt");   TestScript::ExpectFileCancel();
//   ... code under test ...
//   EXPECT_TRUE(script.Failures().empty());     // the session also reports unused answers

#include "platform/runtime/Colors.h"
#include "platform/ui/ModalResult.h"
#include "platform/ui/ScriptedAnswers.h"

#include <QString>
#include <QStringList>

#include <functional>
#include <string>
#include <vector>

class TCustomForm;
class TFont;
class TPopupMenu;
class TMenuItem;

enum class TScriptWindow { ModalForm, Message, FileDialog, ColorDialog, FontDialog, PopupMenu };

class TestScript {
public:
    // True while answers are scripted (a session exists or the platform is offscreen).
    static bool Active();

    // ---- Queueing answers ----
    // The next modal form, matched by its name (empty: any form). `action` runs once the form is
    // shown; it sets controls and clicks buttons. When it leaves the form open (no ModalResult
    // set) the form is reported and ended with mrCancel, unless `keepOpen`: then the modal loop
    // runs on until the form is closed by the program (for example by a reply or a timer), and
    // only a form still open after `keepOpenMs` of real time is reported and cancelled.
    static void ExpectModal(const QString &formName, std::function<void(TCustomForm &)> action,
                            bool keepOpen = false, int keepOpenMs = 10000);
    // The next message box, matched when its text contains `textPart` (empty: any message); it is
    // answered with `result` (mrOk, mrYes, mrNo, mrCancel ...).
    static void ExpectMessage(const QString &textPart, TModalResult result = mrOk);
    // The next open or save dialog answers with the file(s), or is cancelled.
    static void ExpectOpenFile(const QString &file, int filterIndex = 0);
    static void ExpectOpenFiles(const QStringList &files);
    static void ExpectSaveFile(const QString &file, int filterIndex = 0);
    static void ExpectFileCancel();
    // The next colour dialog chooses `color` (or is cancelled).
    static void ExpectColor(TColor color);
    static void ExpectColorCancel();
    // The next font dialog lets `change` edit the font (or is cancelled).
    static void ExpectFont(std::function<void(TFont &)> change);
    static void ExpectFontCancel();
    // The next popup menu chooses the item with that name or caption (a path "Sub/Item" reaches
    // into sub-menus; accelerators are ignored), or is dismissed when `item` is empty.
    static void ExpectPopup(const QString &item);

    // Answers still queued.
    static int Pending();
    // Every window shown while scripting, one line each ("message: Password Error!!").
    static const QStringList &Log();

    // ---- The answers the windows take through TScriptedAnswers (not called by tests) ----
    // A modal form was shown and its loop is about to run. Returns the result to end it with at
    // once (mrCancel for an unexpected form, the form's ModalResult after its action), or mrNone
    // to let the modal loop run (keepOpen).
    static TModalResult ModalFormShown(TCustomForm &form);
    // A message box: the answer, or `cancelResult` when unexpected.
    static TModalResult MessageShown(const QString &caption, const QString &text, TModalResult cancelResult);
    static TFileDialogAnswer FileDialogShown(const TFileDialogRequest &request);
    static bool ColorDialogShown(TColor &color);
    static bool FontDialogShown(TFont &font);
    // The item to click, or nullptr for a dismissed menu.
    static TMenuItem *PopupShown(TPopupMenu &menu);

    // The answer for the modal form of that name, taken from the queue; false (and the form
    // reported) when it is unexpected. ModalFormShown uses it.
    struct TModalAnswer {
        std::function<void(TCustomForm &)> Action;
        bool KeepOpen = false;
        int KeepOpenMs = 0;
    };
    static bool TakeModal(const QString &formName, TModalAnswer &answer);

    // Reports a failure of the script (unexpected window, unused answer ...).
    static void Fail(const QString &message);
};

// A test's scripting session: turns scripting on, collects failures, and on destruction reports
// answers that were never used. Sessions do not nest.
class TScriptSession {
public:
    TScriptSession();
    ~TScriptSession();
    TScriptSession(const TScriptSession &) = delete;
    TScriptSession &operator=(const TScriptSession &) = delete;

    // Failures go to the handler as they happen (besides being kept); e.g. a gtest ADD_FAILURE.
    void SetFailureHandler(std::function<void(const std::string &)> handler);
    const std::vector<std::string> &Failures() const;
    // Drops queued answers and the log, keeps the failures.
    void Reset();
};
