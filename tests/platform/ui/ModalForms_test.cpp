// A modal dialog driven through the test scripting hook: what the script types, chooses and
// clicks decides the modal result; a modal window nobody expected ends at once with a failure.

#include "platform/ui/Button.h"
#include "platform/ui/ComboBox.h"
#include "platform/ui/ControlsCustomControl.h"
#include "platform/ui/ControlsInput.h"
#include "platform/ui/DialogButton.h"
#include "platform/ui/Edit.h"
#include "platform/ui/Forms.h"
#include "platform/ui/TestScript.h"

#include "StdTestApp.h"

#include <QPointer>
#include <QTest>
#include <QWidget>
#include <QWindow>

#include <gtest/gtest.h>

#include <map>

namespace {

struct Dialog {
    TForm *form = new TForm(nullptr);
    TEdit *edit = new TEdit(form);
    TComboBox *combo = new TComboBox(form);
    TButton *ok = new TButton(form);
    TButton *cancel = new TButton(form);

    Dialog()
    {
        form->SetName("fmName");
        form->SetBounds(0, 0, 300, 150);
        for (TWinControl *c : std::initializer_list<TWinControl *>{edit, combo, ok, cancel})
            c->SetParent(form);
        edit->SetBounds(10, 10, 120, 22);
        combo->SetBounds(10, 40, 120, 22);
        combo->SetStyle(csDropDownList);
        combo->Items()->SetText("F00\nU01\nU02");
        combo->SetItemIndex(0);
        ok->SetBounds(10, 100, 75, 25);
        ok->SetCaption("OK");
        ok->SetModalResult(mrOk);
        ok->SetDefault(true);
        cancel->SetBounds(100, 100, 75, 25);
        cancel->SetCaption("Cancel");
        cancel->SetModalResult(mrCancel);
        cancel->SetCancel(true);
    }
    ~Dialog() { delete form; }
};

struct ModalFormTest : ::testing::Test {
    TScriptSession script;
    std::vector<std::string> failures;
    Dialog d;
    ModalFormTest()
    {
        script.SetFailureHandler([this](const std::string &m) { failures.push_back(m); });
    }
};

TEST_F(ModalFormTest, TheScriptTypesChoosesAndClicksOk)
{
    TestScript::ExpectModal("fmName", [this](TCustomForm &f) {
        d.edit->SetFocus();
        for (QChar ch : QStringLiteral("Main"))
            TInputRouter::Key(static_cast<WORD>(ch.toUpper().unicode()), {}, ch);
        d.combo->SetFocus();
        TInputRouter::Key(VK_DOWN);
        TInputRouter::Click(&f, Point(20, 110));  // OK
    });
    EXPECT_EQ(d.form->ShowModal(), mrOk);
    EXPECT_EQ(d.edit->Text(), "Main");
    EXPECT_EQ(d.combo->ItemIndex(), 1);
    EXPECT_FALSE(d.form->Visible());
    EXPECT_TRUE(failures.empty());
}

TEST_F(ModalFormTest, CancelByButtonEscOrCodeAndOkByEnter)
{
    TestScript::ExpectModal("fmName", [](TCustomForm &f) { TInputRouter::Click(&f, Point(110, 110)); });
    EXPECT_EQ(d.form->ShowModal(), mrCancel);
    TestScript::ExpectModal("fmName", [this](TCustomForm &) {
        d.edit->SetFocus();
        TInputRouter::Key(VK_ESCAPE);
    });
    EXPECT_EQ(d.form->ShowModal(), mrCancel);
    TestScript::ExpectModal("fmName", [this](TCustomForm &) {
        d.edit->SetFocus();
        TInputRouter::Key(VK_RETURN, {}, QChar(13));
    });
    EXPECT_EQ(d.form->ShowModal(), mrOk);
    TestScript::ExpectModal("fmName", [this](TCustomForm &) { d.ok->Click(); });
    EXPECT_EQ(d.form->ShowModal(), mrOk);
    EXPECT_TRUE(failures.empty());
}

TEST_F(ModalFormTest, AnUnexpectedModalWindowFailsPromptly)
{
    EXPECT_EQ(d.form->ShowModal(), mrCancel);  // nothing scripted: no waiting
    ASSERT_EQ(failures.size(), 1u);
    EXPECT_NE(failures[0].find("fmName"), std::string::npos);

    TestScript::ExpectModal("fmOther", [](TCustomForm &f) { f.SetModalResult(mrOk); });
    EXPECT_EQ(d.form->ShowModal(), mrCancel);  // the answer was for another window
    EXPECT_EQ(failures.size(), 2u);
    EXPECT_EQ(TestScript::Pending(), 1);
    script.Reset();
}

TEST_F(ModalFormTest, AScriptThatLeavesTheFormOpenIsReported)
{
    TestScript::ExpectModal("fmName", [](TCustomForm &) {});
    EXPECT_EQ(d.form->ShowModal(), mrCancel);
    EXPECT_EQ(failures.size(), 1u);
}

TEST_F(ModalFormTest, AFormAllowedToStayOpenIsClosedByTheProgram)
{
    // The program closes the form later (a reply, a timer): here a message posted to the form.
    TestScript::ExpectModal(
        "fmName", [this](TCustomForm &) { PostMessage(d.ok->Handle(), WM_LBUTTONDOWN, 0, 0); }, true, 5000);
    d.ok->WindowProc = [this](TMessage &m) {
        if (m.Msg == WM_LBUTTONDOWN && m.WParam == 0)
            d.ok->Click();
        else
            d.ok->WndProc(m);
    };
    EXPECT_EQ(d.form->ShowModal(), mrOk);
    EXPECT_TRUE(failures.empty());
}

// Several dialogs one after another in one process: each destroyed form takes its top-level
// window with it, so a later modal loop never delivers a window event to a form that is gone.
TEST(ModalFormSequence, ADestroyedFormLeavesNoWindowBehind)
{
    TScriptSession script;
    std::vector<std::string> failures;
    script.SetFailureHandler([&](const std::string &m) { failures.push_back(m); });
    QPointer<QWidget> window;
    {
        Dialog first;
        TestScript::ExpectModal("fmName", [](TCustomForm &f) { TInputRouter::Click(&f, Point(20, 110)); });
        EXPECT_EQ(first.form->ShowModal(), mrOk);
        first.form->Show();  // left showing (and active) when it is destroyed
        window = first.form->Window();
        ASSERT_TRUE(window);
    }
    EXPECT_TRUE(!window || !window->isVisible());
    Dialog second;
    TestScript::ExpectModal(
        "fmName", [&](TCustomForm &) { PostMessage(second.ok->Handle(), WM_LBUTTONDOWN, 0, 0); }, true, 5000);
    second.ok->WindowProc = [&](TMessage &m) {
        if (m.Msg == WM_LBUTTONDOWN && m.WParam == 0)
            second.ok->Click();
        else
            second.ok->WndProc(m);
    };
    EXPECT_EQ(second.form->ShowModal(), mrOk);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(window.isNull());
    EXPECT_TRUE(failures.empty());
}

// A control of class T on `form`.
template <class T>
T *Put(TCustomForm &form, int left, int top, int width, int height)
{
    auto *c = new T(&form);
    c->SetParent(&form);
    c->SetBounds(left, top, width, height);
    return c;
}

// Real window-system input: Qt decides at that level whether a window is blocked by a modal one.
void ClickWindow(TCustomForm *form, TPoint client)
{
    QTest::mouseClick(form->Window()->windowHandle(), Qt::LeftButton, {}, QPoint(client.X, client.Y));
}

void TypeIntoWindow(TCustomForm *form, const char *text)
{
    for (const char *c = text; *c; ++c)
        QTest::keyClick(form->Window()->windowHandle(), *c);
}

// A form shown without blocking while a modal form runs (a name asked for from a modal list)
// takes the user's input as any window does; the windows that were there when the modal form
// started take none until it ends.
TEST(ModalFormWindows, AFormShownDuringAModalLoopTakesInputWhileEarlierWindowsStayBlocked)
{
    TScriptSession script;
    std::vector<std::string> failures;
    script.SetFailureHandler([&](const std::string &m) { failures.push_back(m); });
    TForm main(nullptr);
    main.SetBounds(0, 0, 300, 150);
    auto *mainButton = Put<TButton>(main, 10, 10, 75, 25);
    int mainClicks = 0;
    mainButton->OnClick = [&](TObject *) { ++mainClicks; };
    TForm name(nullptr);
    name.SetBounds(400, 0, 200, 100);
    auto *edit = Put<TEdit>(name, 10, 10, 150, 22);
    Dialog list;
    main.Show();

    TestScript::ExpectModal("fmName", [&](TCustomForm &) {
        ASSERT_TRUE(list.ok->WidgetIfCreated()->isVisible()) << "the modal form's controls are on screen";
        name.Show();
        ClickWindow(&name, Point(20, 20));
        TypeIntoWindow(&name, "Main");
        EXPECT_EQ(edit->Text(), "Main");
        ClickWindow(&main, Point(20, 20));
        EXPECT_EQ(mainClicks, 0) << "the main window was there before the modal form";
        ClickWindow(list.form, Point(20, 110));  // OK
    });
    EXPECT_EQ(list.form->ShowModal(), mrOk);
    ClickWindow(&main, Point(20, 20));
    EXPECT_EQ(mainClicks, 1) << "the main window takes input again after the modal form";
    ClickWindow(&name, Point(150, 20));  // behind the text
    TypeIntoWindow(&name, "!");
    EXPECT_EQ(edit->Text(), "Main!");
    EXPECT_TRUE(failures.empty());
}

// A modal form started from a window that took input beside an outer modal form blocks that
// window too, until it ends.
TEST(ModalFormWindows, ANestedModalFormBlocksTheWindowsShownBesideTheOuterOne)
{
    TScriptSession script;
    std::vector<std::string> failures;
    script.SetFailureHandler([&](const std::string &m) { failures.push_back(m); });
    TForm name(nullptr);
    name.SetBounds(400, 0, 200, 100);
    auto *edit = Put<TEdit>(name, 10, 10, 150, 22);
    TForm confirm(nullptr);
    confirm.SetName("fmConfirm");
    Dialog list;

    TestScript::ExpectModal("fmName", [&](TCustomForm &) {
        name.Show();
        TestScript::ExpectModal("fmConfirm", [&](TCustomForm &) {
            ClickWindow(&name, Point(150, 20));
            TypeIntoWindow(&name, "x");
            confirm.SetModalResult(mrOk);
        });
        confirm.ShowModal();
        EXPECT_EQ(edit->Text(), "");
        ClickWindow(&name, Point(150, 20));
        TypeIntoWindow(&name, "y");
        EXPECT_EQ(edit->Text(), "y");
        list.form->SetModalResult(mrOk);
    });
    EXPECT_EQ(list.form->ShowModal(), mrOk);
    EXPECT_TRUE(failures.empty());
}

// A press on a part of a form's window outside its client area (the corner between the scroll
// bars) reaches nothing and harms nothing.
TEST(FormWindowInput, APressBetweenTheScrollBarsIsHarmless)
{
    TForm form(nullptr);
    form.SetBounds(0, 0, 200, 150);
    Put<TButton>(form, 400, 400, 75, 25);  // beyond the client area: both scroll bars show
    form.Show();
    const QSize window = form.Window()->size();
    ClickWindow(&form, Point(window.width() - 2, window.height() - 2));
    EXPECT_TRUE(form.Visible());
}

// A push button class of the program's own, drawn by itself, that takes the form's dialog keys.
class TOwnButton : public TCustomControl, public TDialogButton {
public:
    explicit TOwnButton(TComponent *AOwner) : TCustomControl(AOwner) { FTabStop = true; }
    bool IsDefaultButton() const override { return Default; }
    bool IsCancelButton() const override { return Cancel; }
    void DialogKeyClick(WORD) override { Click(); }
    bool Default = false;
    bool Cancel = false;
};

// Enter clicks the focused push button of any class, or the default one while another kind of
// control has the focus; Esc the cancel button.
TEST(DialogKeys, EveryPushButtonClassTakesEnterAndEsc)
{
    struct Case {
        const char *name;
        bool ownDefault;  // else the framework's button is the default one
        bool ownCancel;
        const char *focus;  // "own", "native" or "edit"
        WORD key;
        const char *clicked;
    };
    const Case cases[] = {
        {.name = "own button focused",
         .ownDefault = false,
         .ownCancel = false,
         .focus = "own",
         .key = VK_RETURN,
         .clicked = "own"},
        {.name = "own default, edit focused",
         .ownDefault = true,
         .ownCancel = false,
         .focus = "edit",
         .key = VK_RETURN,
         .clicked = "own"},
        {.name = "own default, framework's button focused",
         .ownDefault = true,
         .ownCancel = false,
         .focus = "native",
         .key = VK_RETURN,
         .clicked = "native"},
        {.name = "own cancel button",
         .ownDefault = false,
         .ownCancel = true,
         .focus = "native",
         .key = VK_ESCAPE,
         .clicked = "own"},
    };
    for (const Case &c : cases) {
        TForm form(nullptr);
        form.SetBounds(0, 0, 300, 150);
        auto *native = Put<TButton>(form, 10, 10, 75, 25);
        native->SetDefault(!c.ownDefault);
        auto *edit = Put<TEdit>(form, 10, 40, 75, 22);
        auto *own = Put<TOwnButton>(form, 10, 70, 75, 25);
        own->Default = c.ownDefault;
        own->Cancel = c.ownCancel;
        std::vector<std::string> clicks;
        native->OnClick = [&](TObject *) { clicks.push_back("native"); };
        own->OnClick = [&](TObject *) { clicks.push_back("own"); };
        form.Show();
        const std::map<std::string, TWinControl *> controls{{"own", own}, {"native", native}, {"edit", edit}};
        controls.at(c.focus)->SetFocus();
        TInputRouter::Key(c.key);
        EXPECT_EQ(clicks, std::vector<std::string>{c.clicked}) << c.name;
    }
}

}  // namespace
