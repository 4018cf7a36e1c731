// A shown form is exactly one top-level window, with every control inside it; a modal dialog over
// it adds one more, modal for the window system too, and takes it away again when it closes. A
// form brought to the foreground is restored from minimised to the state it had and made active.

#include "platform/ui/Button.h"
#include "platform/ui/Dialogs.h"
#include "platform/ui/Edit.h"
#include "platform/ui/Forms.h"
#include "platform/ui/Panel.h"
#include "platform/ui/Screen.h"
#include "platform/ui/TestScript.h"

#include "StdTestApp.h"

#include <QApplication>
#include <QWidget>
#include <QWindow>

#include <gtest/gtest.h>

namespace {

int VisibleTopLevelWidgets()
{
    int n = 0;
    for (QWidget *w : QApplication::topLevelWidgets())
        if (w->isVisible())
            ++n;
    return n;
}

struct FormWithControls {
    TForm *form = new TForm(nullptr);
    TPanel *panel = new TPanel(form);
    TEdit *edit = new TEdit(form);
    TButton *button = new TButton(form);

    FormWithControls()
    {
        form->SetBounds(100, 100, 300, 200);
        panel->SetParent(form);
        panel->SetBounds(10, 10, 200, 80);
        edit->SetParent(panel);
        edit->SetBounds(10, 10, 120, 22);
        button->SetParent(form);
        button->SetBounds(10, 120, 75, 25);
    }
    ~FormWithControls() { delete form; }
};

TEST(FormWindows, AShownFormIsOneTopLevelWindowHoldingAllItsControls)
{
    const int before = VisibleTopLevelWidgets();
    FormWithControls f;
    f.form->Show();
    EXPECT_EQ(VisibleTopLevelWidgets(), before + 1);
    for (TWinControl *c : std::initializer_list<TWinControl *>{f.form, f.panel, f.edit, f.button})
        EXPECT_EQ(c->Widget()->window(), f.form->Window()) << c->ClassName().toStdString();

    // Moving, resizing and a new border keep it one window.
    f.form->SetBounds(50, 60, 400, 300);
    f.form->SetBorderStyle(bsDialog);
    f.form->SetCaption("Renamed");
    EXPECT_EQ(VisibleTopLevelWidgets(), before + 1);
    EXPECT_EQ(f.form->Widget()->window(), f.form->Window());

    f.form->Hide();
    EXPECT_EQ(VisibleTopLevelWidgets(), before);
}

TEST(FormWindows, AModalDialogOverAFormIsOneMoreModalWindowUntilItCloses)
{
    const int before = VisibleTopLevelWidgets();
    FormWithControls main;
    main.form->Show();
    FormWithControls dialog;
    dialog.form->SetBorderStyle(bsDialog);

    TScriptSession script;
    int whileModal = -1;
    bool modalForTheWindowSystem = false;
    dialog.form->SetName("fmDialog");
    TestScript::ExpectModal("fmDialog", [&](TCustomForm &shown) {
        whileModal = VisibleTopLevelWidgets();
        modalForTheWindowSystem = shown.Window()->isModal();
        shown.SetModalResult(mrOk);
    });
    const TModalResult result = dialog.form->ShowModal();

    EXPECT_TRUE(script.Failures().empty());
    EXPECT_EQ(result, mrOk);
    EXPECT_EQ(whileModal, before + 2);
    EXPECT_TRUE(modalForTheWindowSystem);
    EXPECT_EQ(VisibleTopLevelWidgets(), before + 1);
    EXPECT_FALSE(dialog.form->Window()->isModal());
}

struct ForegroundCase {
    const char *name;
    TWindowState before;  // the state before the window system minimised it
};

TEST(FormWindows, BroughtToTheForegroundAMinimisedFormIsRestoredAndActive)
{
    for (const ForegroundCase &c : {ForegroundCase{.name = "normal", .before = wsNormal},
                                    ForegroundCase{.name = "maximised", .before = wsMaximized}}) {
        SCOPED_TRACE(c.name);
        FormWithControls main, other;
        main.form->Show();
        main.form->SetWindowState(c.before);
        other.form->Show();
        // The user minimises it: the window system says so.
        main.form->Window()->setWindowState(main.form->Window()->windowState() | Qt::WindowMinimized);
        EXPECT_EQ(main.form->WindowState(), wsMinimized);
        EXPECT_EQ(Screen->ActiveCustomForm(), other.form);

        main.form->BringToForeground();
        EXPECT_EQ(main.form->WindowState(), c.before);
        EXPECT_FALSE(main.form->Window()->isMinimized());
        EXPECT_EQ(Screen->ActiveCustomForm(), main.form);
    }
}

// A window shown while modal forms run stays above the innermost one that does not block it, and
// so does a message box; the window system keeps it above that owner window.
TEST(FormWindows, AWindowShownDuringAModalFormIsOwnedByIt)
{
    TScriptSession script;
    FormWithControls outer, inner, beside;
    outer.form->SetName("fmOuter");
    inner.form->SetName("fmInner");
    auto ownerWindow = [](FormWithControls &f) { return f.form->Window()->windowHandle()->transientParent(); };

    TestScript::ExpectModal("fmOuter", [&](TCustomForm &) {
        EXPECT_EQ(outer.form->OwnerForm(), nullptr);  // no main form here
        beside.form->Show();
        EXPECT_EQ(beside.form->OwnerForm(), outer.form);
        EXPECT_EQ(ownerWindow(beside), outer.form->Window()->windowHandle());
        EXPECT_EQ(DialogOwnerWindow(), outer.form->Window());
        TestScript::ExpectModal("fmInner", [&](TCustomForm &) {
            EXPECT_EQ(inner.form->OwnerForm(), outer.form);
            EXPECT_EQ(ownerWindow(inner), outer.form->Window()->windowHandle());
            EXPECT_EQ(beside.form->OwnerForm(), outer.form);  // blocked by the inner one only
            EXPECT_EQ(DialogOwnerWindow(), inner.form->Window());
            inner.form->SetModalResult(mrOk);
        });
        inner.form->ShowModal();
        outer.form->SetModalResult(mrOk);
    });
    outer.form->ShowModal();
    EXPECT_TRUE(script.Failures().empty());
}

struct FrameCase {
    const char *name;
    TFormBorderStyle style;
    TBorderIcons icons;
    Qt::WindowFlags kind;
    Qt::WindowFlags buttons;  // of minimise, maximise, close and context help
};

void PrintTo(const FrameCase &c, std::ostream *os)
{
    *os << c.name;
}

constexpr Qt::WindowFlags kButtons = Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint |
                                     Qt::WindowCloseButtonHint | Qt::WindowContextHelpButtonHint;

const FrameCase kFrames[] = {
    {"dialog without icons", bsDialog, {}, Qt::Dialog, {}},
    {"dialog with every icon has only close and help",
     bsDialog,
     {biSystemMenu, biMinimize, biMaximize, biHelp},
     Qt::Dialog,
     Qt::WindowCloseButtonHint | Qt::WindowContextHelpButtonHint},
    {"sizeable window with every icon",
     bsSizeable,
     {biSystemMenu, biMinimize, biMaximize},
     Qt::Window,
     Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint | Qt::WindowCloseButtonHint},
    {"sizeable window without the system menu has no buttons", bsSizeable, {biMinimize, biMaximize}, Qt::Window, {}},
    {"single frame with the system menu only", bsSingle, {biSystemMenu}, Qt::Window, Qt::WindowCloseButtonHint},
    {"tool window never minimises", bsToolWindow, {biSystemMenu, biMinimize}, Qt::Tool, Qt::WindowCloseButtonHint},
};

class FormFrames : public ::testing::TestWithParam<FrameCase> {};

TEST_P(FormFrames, TheTitleBarHasExactlyTheButtonsOfItsBorder)
{
    const FrameCase &c = GetParam();
    FormWithControls f;
    f.form->SetBorderIcons(c.icons);
    f.form->SetBorderStyle(c.style);
    f.form->Show();
    const Qt::WindowFlags flags = f.form->Window()->windowFlags();
    EXPECT_EQ(flags & Qt::WindowType_Mask, c.kind & Qt::WindowType_Mask);
    EXPECT_TRUE(flags.testFlag(Qt::CustomizeWindowHint)) << "the window system's default buttons stay away";
    EXPECT_EQ(flags & kButtons, c.buttons);
    const bool fixed = c.style != bsSizeable;
    EXPECT_EQ(f.form->Window()->minimumSize() == f.form->Window()->maximumSize(), fixed);
}

INSTANTIATE_TEST_SUITE_P(Frames, FormFrames, ::testing::ValuesIn(kFrames), stdtest::ParamName());

}  // namespace
