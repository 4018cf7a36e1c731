// The controls of the library's editor forms: committing and restoring the edit box's text, its
// typed values and silent setters, the up/down arrows with their clamping and auto-repeat, the
// list box's reordering and deleting, the change reports of the check box and combo box, Tab
// navigation and the pickers' dialogs.

#include "PlotTestHelpers.h"
#include "platform/ui/StdTestApp.h"

#include "platform/runtime/Exception.h"
#include "platform/runtime/TimerService.h"
#include "platform/ui/ControlsInput.h"
#include "platform/ui/ControlsRender.h"
#include "platform/ui/ScriptedAnswers.h"
#include "platform/ui/TestScript.h"
#include "plotlib/editor/iEditorBasicComponents.h"
#include "plotlib/editor/iValueConverterEditForm.h"

#include <QDir>

#include <gtest/gtest.h>

#include <memory>

namespace {

// An editor form that counts the changes its controls report.
class CountingForm : public TiCustomEditorForm {
public:
    using TiCustomEditorForm::TiCustomEditorForm;
    int Changes = 0;
    void UserChange() override { ++Changes; }
};

// Answers the windows as the test script does and keeps every file dialog's request.
class RecordingAnswers : public TScriptedAnswers {
public:
    std::vector<TFileDialogRequest> FileRequests;
    RecordingAnswers() : previous_(SetScriptedAnswers(this)) {}
    ~RecordingAnswers() override { SetScriptedAnswers(previous_); }
    bool Active() const override { return true; }
    TModalResult ModalFormShown(TCustomForm &form) override { return TestScript::ModalFormShown(form); }
    TModalResult MessageShown(const QString &caption, const QString &text, TModalResult cancel) override
    {
        return TestScript::MessageShown(caption, text, cancel);
    }
    TFileDialogAnswer FileDialogShown(const TFileDialogRequest &request) override
    {
        FileRequests.push_back(request);
        return TestScript::FileDialogShown(request);
    }
    bool ColorDialogShown(TColor &color) override { return TestScript::ColorDialogShown(color); }
    bool FontDialogShown(TFont &font) override { return TestScript::FontDialogShown(font); }
    TMenuItem *PopupShown(TPopupMenu &menu) override { return TestScript::PopupShown(menu); }
    void Refused(const QString &problem) override { TestScript::Fail(problem); }

private:
    TScriptedAnswers *previous_;
};

struct EditorControls : ::testing::Test {
    TScriptSession script;
    std::vector<std::string> failures;
    CountingForm *form = new CountingForm(nullptr);
    TiComponentEditorEdit *edit = new TiComponentEditorEdit(form);
    TiUpDown *arrows = new TiUpDown(form);
    TiComponentEditorEdit *other = new TiComponentEditorEdit(form);
    int updates = 0;
    int changes = 0;

    EditorControls()
    {
        script.SetFailureHandler([this](const std::string &m) { failures.push_back(m); });
        form->SetBounds(0, 0, 400, 300);
        for (TControl *c : std::initializer_list<TControl *>{edit, arrows, other})
            c->SetParent(form);
        edit->SetBounds(10, 10, 80, 21);
        arrows->SetAssociate(edit);
        other->SetBounds(10, 50, 80, 21);
        edit->OnUpdate = [this](TObject *) { ++updates; };
        edit->OnChange = [this](TObject *) { ++changes; };
        form->Show();
        TInputRouter::SetFocusedWindow(edit);
    }
    ~EditorControls() override
    {
        delete form;
        EXPECT_TRUE(failures.empty());
    }

    static void Type(const QString &text)
    {
        for (QChar ch : text)
            TInputRouter::Key(static_cast<WORD>(ch.toUpper().unicode()), {}, ch);
    }
    static void Enter() { TInputRouter::Key(VK_RETURN, {}, QChar(u'\r')); }
    // A press on the up (or down) arrow, in the form's coordinates.
    TPoint Arrow(bool up) const
    {
        return TPoint(arrows->Left() + arrows->Width() / 2, arrows->Top() + (up ? 2 : arrows->Height() - 3));
    }
    void ClickArrow(bool up)
    {
        TInputRouter::MouseDown(form, mbLeft, {}, Arrow(up));
        TInputRouter::MouseUp(form, mbLeft, {}, Arrow(up));
    }
};

TEST_F(EditorControls, EnterCommitsOnlyAChangedTextAndEscBringsTheCommittedTextBack)
{
    Enter();
    EXPECT_EQ(updates, 0);
    Type(QStringLiteral("12"));
    Enter();
    EXPECT_EQ(updates, 1);
    EXPECT_EQ(form->Changes, 1);
    Enter();
    EXPECT_EQ(updates, 1);

    // Enter selected the whole text; typing after it at the end adds to it.
    TInputRouter::Key(VK_END);
    Type(QStringLiteral("3"));
    EXPECT_EQ(edit->Text(), QStringLiteral("123"));
    TInputRouter::Key(VK_ESCAPE, {}, QChar(27));
    EXPECT_EQ(edit->Text(), QStringLiteral("12"));
    // Leaving the edit commits as Enter does.
    TInputRouter::Key(VK_END);
    Type(QStringLiteral("4"));
    TInputRouter::SetFocusedWindow(other);
    EXPECT_EQ(updates, 2);
    EXPECT_EQ(edit->OriginalText(), QStringLiteral("124"));
}

TEST_F(EditorControls, TypedValuesReadZeroForTextsThatAreNoNumbers)
{
    struct Case {
        const char *text;
        int integer;
        double number;
    };
    const Case cases[] = {
        {" 42 ", 42, 42}, {"x", 0, 0}, {"", 0, 0}, {"2.5", 0, 2.5}, {"-7", -7, -7},
    };
    for (const Case &c : cases) {
        edit->SetAsString(QString::fromLatin1(c.text));
        EXPECT_EQ(edit->AsInteger(), c.integer) << c.text;
        EXPECT_DOUBLE_EQ(edit->AsFloat(), c.number) << c.text;
    }
    edit->SetAsString(QStringLiteral("3/5/2024"));
    EXPECT_DOUBLE_EQ(edit->AsDateTime(), EncodeDate(2024, 3, 5));
    edit->SetAsString(QStringLiteral("soon"));
    EXPECT_THROW(edit->AsDateTime(), EConvertError);
}

TEST_F(EditorControls, SilentSettersFireNothingNowOrAtTheNextCommit)
{
    edit->SetAsInteger(5);
    edit->SetAsFloat(2.5);
    edit->SetAsString(QStringLiteral("text"));
    EXPECT_EQ(changes, 0);
    Enter();
    EXPECT_EQ(updates, 0);
    EXPECT_EQ(form->Changes, 0);
    edit->Disable();
    EXPECT_FALSE(edit->Enabled());
    EXPECT_TRUE(edit->Text().isEmpty());
    EXPECT_EQ(edit->Color(), clBtnFace);
    EXPECT_EQ(changes, 0);
    edit->Enable();
    EXPECT_EQ(edit->Color(), clWindow);
    EXPECT_TRUE(static_cast<bool>(edit->OnChange));  // put back after each silent change
}

TEST_F(EditorControls, SettingWithTheEventReportsTheChangeTwiceAndUpdatesOnce)
{
    edit->SetStringWithEvent(QStringLiteral("7"));
    EXPECT_EQ(form->Changes, 2);
    EXPECT_EQ(updates, 1);
    edit->SetIntegerWithEvent(7);
    EXPECT_EQ(form->Changes, 3);
    EXPECT_EQ(updates, 1);
}

TEST_F(EditorControls, TheArrowsClampToMinAndMaxUnlessBothAreZero)
{
    struct Case {
        const char *name;
        int min, max, start;
        bool up;
        int expected;
    };
    const Case cases[] = {
        {.name = "at the maximum", .min = 0, .max = 100, .start = 100, .up = true, .expected = 100},
        {.name = "at the minimum", .min = 0, .max = 100, .start = 0, .up = false, .expected = 0},
        {.name = "unbounded", .min = 0, .max = 0, .start = 0, .up = false, .expected = -1},
        {.name = "within", .min = 0, .max = 23, .start = 22, .up = true, .expected = 23},
    };
    for (const Case &c : cases) {
        arrows->SetMin(c.min);
        arrows->SetMax(c.max);
        edit->SetAsInteger(c.start);
        ClickArrow(c.up);
        EXPECT_EQ(edit->AsInteger(), c.expected) << c.name;
    }
    // The user's steps go through the edit's event.
    EXPECT_GT(form->Changes, 0);
    EXPECT_EQ(arrows->Left(), edit->Left() + edit->Width());
}

TEST_F(EditorControls, AHeldArrowStepsAtOnceAfterHalfASecondThenEveryFiftyMilliseconds)
{
    TManualClockScope clock;
    edit->SetAsInteger(0);
    arrows->SetMax(0);
    TInputRouter::MouseDown(form, mbLeft, {}, Arrow(true));
    EXPECT_EQ(edit->AsInteger(), 1);
    TManualClock::Advance(499);
    EXPECT_EQ(edit->AsInteger(), 1);
    TManualClock::Advance(1);
    EXPECT_EQ(edit->AsInteger(), 2);
    TManualClock::Advance(49);
    EXPECT_EQ(edit->AsInteger(), 2);
    TManualClock::Advance(1);
    EXPECT_EQ(edit->AsInteger(), 3);
    // Held over the down arrow it turns round.
    TInputRouter::MouseMove(form, {ssLeft}, Arrow(false));
    TManualClock::Advance(50);
    EXPECT_EQ(edit->AsInteger(), 2);
    TInputRouter::MouseUp(form, mbLeft, {}, Arrow(false));
    TManualClock::Advance(500);
    EXPECT_EQ(edit->AsInteger(), 2);
}

TEST_F(EditorControls, TabMovesTheFocusThroughTheForm)
{
    TInputRouter::Key(VK_TAB, {}, QChar(u'\t'));
    EXPECT_EQ(TInputRouter::FocusedWindow(), other);
    TInputRouter::Key(VK_TAB, {ssShift}, QChar(u'\t'));
    EXPECT_EQ(TInputRouter::FocusedWindow(), edit);
}

TEST_F(EditorControls, TheListBoxMovesADroppedItemAndDeletesWithItsObjects)
{
    auto *list = new TiComponentEditorListBox(form);
    list->SetParent(form);
    list->SetBounds(150, 10, 100, 120);
    for (const char *name : {"A", "B", "C"})
        list->Items()->AddObject(QString::fromLatin1(name), new TObject);
    int moves = 0;
    list->OnItemMove = [&](TObject *) { ++moves; };
    list->SetItemIndex(0);
    list->DragDrop(list, 5, 200);  // below the last item
    EXPECT_EQ(list->Items()->ToStringList(), QStringList({"B", "C", "A"}));
    EXPECT_EQ(list->ItemIndex(), 2);
    EXPECT_EQ(moves, 1);
    list->DragDrop(form, 5, 0);  // only the list itself may be dropped
    EXPECT_EQ(moves, 1);

    list->DeleteSelectedObject();  // the last of three
    EXPECT_EQ(list->Count(), 2);
    EXPECT_EQ(list->ItemIndex(), 1);
    TObject kept;
    list->Items()->AddObject(QStringLiteral("D"), &kept);
    list->SetItemIndex(2);
    list->DeleteObjectIndex(&kept);
    EXPECT_EQ(list->ItemIndex(), 1);
    list->SetItemIndex(-1);
    EXPECT_THROW(list->DeleteSelectedObject(), EStringListError);
    for (int i = 0; i < list->Count(); ++i)
        delete list->Items()->Objects(i);
    list->Items()->Clear();
    EXPECT_NO_THROW(list->DeleteSelectedObject());
}

TEST_F(EditorControls, CheckBoxAndComboBoxReportTheUsersChangesOnly)
{
    auto *box = new TiComponentEditorCheckBox(form);
    box->SetParent(form);
    box->SetBounds(10, 100, 100, 20);
    auto *combo = new TiComponentEditorComboBox(form);
    combo->SetParent(form);
    combo->SetBounds(10, 140, 100, 21);
    combo->SetStyle(csDropDownList);
    combo->Items()->SetText(QStringLiteral("Tab\nComma"));
    QStringList events;
    box->OnClick = [&](TObject *) { events << "box click"; };
    combo->OnClick = [&](TObject *) { events << "combo click"; };
    combo->OnChange = [&](TObject *) { events << "combo change"; };

    box->SetAsBoolean(true);
    combo->SetAsInteger(0);
    EXPECT_TRUE(events.isEmpty());
    EXPECT_EQ(form->Changes, 0);

    TInputRouter::Click(form, TPoint(15, 110));
    EXPECT_FALSE(box->AsBoolean());
    EXPECT_EQ(form->Changes, 1);
    TInputRouter::SetFocusedWindow(combo);
    TInputRouter::Key(VK_DOWN);
    EXPECT_EQ(combo->AsInteger(), 1);
    EXPECT_EQ(form->Changes, 2);
    EXPECT_EQ(events, QStringList({"box click", "combo change"}));

    combo->Disable();
    EXPECT_EQ(combo->AsInteger(), -1);
    EXPECT_TRUE(combo->AsString().isEmpty());
    EXPECT_EQ(form->Changes, 2);
}

TEST_F(EditorControls, ASavePickerGivesItsFolderOnlyTheFirstTimeAndAnOpenPickerEveryTime)
{
    RecordingAnswers answers;
    auto *save = new TiComponentEditorSavePicker(form);
    auto *open = new TiComponentEditorOpenPicker(form);
    save->SetDefaultDir(QStringLiteral("/data/plots"));
    open->SetDefaultDir(QStringLiteral("/data/logs"));
    save->SetFileName(QStringLiteral("/data/plots/"));
    int saved = 0;
    save->OnChange = [&](TObject *) { ++saved; };
    for (int i = 0; i < 2; ++i) {
        TestScript::ExpectSaveFile(QStringLiteral("/tmp/plot%1.txt").arg(i));
        EXPECT_TRUE(save->Execute());
        TestScript::ExpectFileCancel();
        open->Click();
    }
    ASSERT_EQ(answers.FileRequests.size(), 4u);
    EXPECT_EQ(answers.FileRequests[0].FileName, QStringLiteral("/data/plots/Untitled"));
    EXPECT_EQ(answers.FileRequests[0].InitialDir, QStringLiteral("/data/plots"));
    EXPECT_EQ(answers.FileRequests[2].InitialDir, QString());
    EXPECT_EQ(answers.FileRequests[1].InitialDir, QStringLiteral("/data/logs"));
    EXPECT_EQ(answers.FileRequests[3].InitialDir, QStringLiteral("/data/logs"));
    EXPECT_EQ(save->FileName(), QStringLiteral("/tmp/plot1.txt"));
    EXPECT_EQ(saved, 2);
    EXPECT_EQ(form->Changes, 2);
}

TEST_F(EditorControls, TheValueConverterPickerGivesTheConfirmedValueToItsEdit)
{
    auto *picker = new TiComponentEditorValueConverterPicker(form);
    picker->SetParent(form);
    picker->SetAssociate(other);
    picker->SetDefaultPage(ivcptPrice32nd);
    other->SetAsFloat(1.5);
    int otherUpdates = 0;
    other->OnUpdate = [&](TObject *) { ++otherUpdates; };
    TestScript::ExpectModal(QString(), [](TCustomForm &f) {
        auto &converter = dynamic_cast<TiValueConverterEditForm &>(f);
        EXPECT_EQ(converter.PageControl->ActivePage(), converter.Price32TabSheet);
        EXPECT_EQ(converter.Price32ndsEdit->AsInteger(), 16);
        converter.Price32ndsEdit->SetStringWithEvent(QStringLiteral("8"));
        converter.OkButton->Click();
    });
    picker->Click();
    EXPECT_DOUBLE_EQ(other->AsFloat(), 1.25);
    EXPECT_DOUBLE_EQ(picker->DateTime(), 1.25);
    EXPECT_EQ(otherUpdates, 1);
    EXPECT_EQ(picker->Left(), other->Left() + other->Width());
}

TEST_F(EditorControls, TheyLookAsTheEditorFormsShowThem)
{
    edit->SetAsInteger(42);
    auto *colour = new TiComponentEditorColorPicker(form);
    colour->SetParent(form);
    colour->SetBounds(150, 10, 60, 21);
    colour->SetColor(0x00FF00);
    auto *font = new TiComponentEditorFontPicker(form);
    font->SetParent(form);
    font->SetBounds(150, 40, 75, 25);
    auto *list = new TiComponentEditorListBox(form);
    list->SetParent(form);
    list->SetBounds(240, 10, 140, 80);
    list->Items()->SetText(QStringLiteral("Channel 1\nChannel 2"));
    list->OnGetData = [](int index, bool &, TColor &color, QString &) { color = index == 0 ? 0xFF0000 : 0x0000FF; };
    list->SetItemIndex(1);
    const QImage image = RenderControlImage(form);
    Keep(image, "editor_controls");
    // The colour picker's swatch and the list's colour boxes.
    EXPECT_EQ(image.pixel(colour->Left() + 10, colour->Top() + 10), qRgb(0, 255, 0));
    EXPECT_EQ(image.pixel(arrows->Left() + 7, arrows->Top() + 5), qRgb(0, 0, 0));  // the up arrow
}

}  // namespace
