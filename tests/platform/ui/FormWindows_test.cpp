// A shown form is exactly one top-level window, with every control inside it; a modal dialog over
// it adds one more, modal for the window system too, and takes it away again when it closes. A
// form brought to the foreground is restored from minimised to the state it had and made active.

#include "platform/ui/Button.h"
#include "platform/ui/Edit.h"
#include "platform/ui/Forms.h"
#include "platform/ui/Panel.h"
#include "platform/ui/Screen.h"
#include "platform/ui/TestScript.h"

#include "StdTestApp.h"

#include <QApplication>
#include <QWidget>

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

}  // namespace
