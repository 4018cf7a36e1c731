// The control the framework focuses also holds Qt's keyboard focus: an edit keeps its selection and
// caret while its window is activated, deactivated and activated again, and text the desktop's
// input method composes reaches it the way typed text does.

#include "platform/ui/Button.h"
#include "platform/ui/ComboBox.h"
#include "platform/ui/ControlsInput.h"
#include "platform/ui/Dialogs.h"
#include "platform/ui/Edit.h"
#include "platform/ui/Forms.h"

#include "StdTestApp.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QGuiApplication>
#include <QInputMethodEvent>
#include <QMessageBox>
#include <QTimer>
#include <QWidget>

#include <gtest/gtest.h>

#include <functional>
#include <string>

namespace {

// Lets Qt deliver what is queued (activation, focus) for a moment, or until `done`.
void Settle(
    const std::function<bool()> &done = [] { return false; }, int ms = 100)
{
    QElapsedTimer t;
    t.start();
    while (!done() && t.elapsed() < ms)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
}

struct EditForm {
    TForm *form = new TForm(nullptr);
    TEdit *edit = new TEdit(form);
    TButton *button = new TButton(form);
    std::string keys;  // characters the edit's OnKeyPress saw

    EditForm()
    {
        form->SetBounds(100, 100, 300, 200);
        edit->SetParent(form);
        edit->SetBounds(10, 10, 120, 22);
        edit->OnKeyPress = [this](TObject *, QChar &key) { keys += QString(key).toStdString(); };
        button->SetParent(form);
        button->SetBounds(10, 60, 75, 25);
        form->Show();
        edit->SetFocus();
        Settle([this] { return form->Window()->isActiveWindow(); });
    }
    ~EditForm() { delete form; }

    QWidget *EditWidget() const { return edit->WidgetIfCreated(); }
};

TEST(WindowFocus, TheFocusedNativeControlHoldsQtsFocusAndFollowsTheFramework)
{
    EditForm f;
    ASSERT_TRUE(f.form->Window()->isActiveWindow());
    EXPECT_EQ(QApplication::focusWidget(), f.EditWidget());
    f.button->SetFocus();
    EXPECT_EQ(QApplication::focusWidget(), f.button->WidgetIfCreated());
    f.edit->SetFocus();
    EXPECT_EQ(QApplication::focusWidget(), f.EditWidget());
    EXPECT_TRUE(f.edit->Focused());
}

struct Interruption {
    const char *name;
    std::function<void(EditForm &)> run;
};

void PrintTo(const Interruption &c, std::ostream *os)
{
    *os << c.name;
}

const Interruption kInterruptions[] = {
    {"the window activated anew",
     [](EditForm &f) {
         QApplication::setActiveWindow(f.form->Window());
         Settle();
     }},
    {"a switch to another program and back",
     [](EditForm &f) {
         QApplication::setActiveWindow(nullptr);
         Settle();
         QApplication::setActiveWindow(f.form->Window());
         Settle();
     }},
    {"a message box closing over it",
     [](EditForm &f) {
         // The box the framework's message functions run (they answer a test's script instead).
         QMessageBox box(QMessageBox::Information, "TROV316", "Password Error!!", QMessageBox::Ok, DialogOwnerWindow());
         QTimer::singleShot(50, &box, [&box] { box.close(); });
         ExecDialog(box);
         QApplication::setActiveWindow(f.form->Window());
         Settle();
     }},
};

class KeptSelection : public ::testing::TestWithParam<Interruption> {};

TEST_P(KeptSelection, TheEditKeepsItsSelectionAndCaret)
{
    EditForm f;
    f.edit->SetText("5831");
    f.edit->SelectAll();
    GetParam().run(f);
    EXPECT_EQ(f.edit->SelStart(), 0);
    EXPECT_EQ(f.edit->SelLength(), 4);
    EXPECT_EQ(QApplication::focusWidget(), f.EditWidget());

    f.edit->SetSelStart(2);
    GetParam().run(f);
    EXPECT_EQ(f.edit->SelStart(), 2);
    EXPECT_EQ(f.edit->SelLength(), 0);
}

INSTANTIATE_TEST_SUITE_P(Interruptions, KeptSelection, ::testing::ValuesIn(kInterruptions), stdtest::ParamName());

TEST(WindowFocus, TypingOverTheKeptSelectionReplacesIt)
{
    // The lock password field: four upper-case characters, its old text selected.
    // As the dialog shows: its field gets the old text selected, then the window is activated.
    EditForm f;
    f.form->Hide();
    Settle();
    f.edit->SetMaxLength(4);
    f.edit->SetCharCase(ecUpperCase);
    f.form->OnShow = [&f](TObject *) {
        f.edit->SetText("5831");
        f.form->FocusControl(f.edit);
        f.edit->SelectAll();
    };
    f.form->Show();
    Settle([&f] { return f.form->Window()->isActiveWindow(); });
    Settle();
    for (QChar ch : QStringLiteral("ab12"))
        TInputRouter::Key(ch.isLetter() ? static_cast<WORD>(ch.toUpper().unicode()) : static_cast<WORD>(ch.unicode()),
                          {}, ch);
    EXPECT_EQ(f.edit->Text(), "AB12");
}

// An input method's events, sent as Qt sends them: to the object with the focus.
void Compose(const QString &preedit, const QString &commit)
{
    QInputMethodEvent e(preedit, {});
    e.setCommitString(commit);
    QCoreApplication::sendEvent(QGuiApplication::focusObject(), &e);
}

struct Composition {
    const char *name;
    int maxLength;
    TEditCharCase charCase;
    std::vector<std::pair<QString, QString>> events;  // preedit, commit
    QString text;
    std::string keys;
};

void PrintTo(const Composition &c, std::ostream *os)
{
    *os << c.name;
}

const Composition kCompositions[] = {
    {.name = "a channel name in Chinese",
     .maxLength = 8,
     .charCase = ecNormal,
     .events = {{"zuo", ""}, {"zuosheng", ""}, {"", "左声"}, {"dao", ""}, {"", "道"}},
     .text = "左声道",
     .keys = "左声道"},
    {.name = "the length limit cuts what does not fit",
     .maxLength = 4,
     .charCase = ecUpperCase,
     .events = {{"", "ab12x"}},
     .text = "AB12",
     .keys = "ab12x"},
    {.name = "a composition still going on is no text yet",
     .maxLength = 0,
     .charCase = ecNormal,
     .events = {{"zhong", ""}},
     .text = "",
     .keys = ""},
};

class InputMethodText : public ::testing::TestWithParam<Composition> {};

TEST_P(InputMethodText, ReachesTheFocusedEditAsTypedText)
{
    const Composition &c = GetParam();
    EditForm f;
    f.edit->SetMaxLength(c.maxLength);
    f.edit->SetCharCase(c.charCase);
    int changes = 0;
    f.edit->OnChange = [&](TObject *) { ++changes; };
    ASSERT_EQ(QGuiApplication::focusObject(), f.EditWidget());
    for (const auto &[preedit, commit] : c.events)
        Compose(preedit, commit);
    EXPECT_EQ(f.edit->Text(), c.text);
    EXPECT_EQ(f.keys, c.keys);
    EXPECT_EQ(changes > 0, !c.text.isEmpty());
    EXPECT_TRUE(f.edit->Modified() || c.text.isEmpty());
}

INSTANTIATE_TEST_SUITE_P(Compositions, InputMethodText, ::testing::ValuesIn(kCompositions), stdtest::ParamName());

TEST(InputMethodText, ReachesTheEditPartOfAComboBox)
{
    EditForm f;
    auto *combo = new TComboBox(f.form);
    combo->SetParent(f.form);
    combo->SetBounds(150, 10, 120, 22);
    combo->Items()->SetText("BW -6\nLK -48");
    combo->SetFocus();
    ASSERT_EQ(QGuiApplication::focusObject(), combo->WidgetIfCreated());
    Compose("", "预设");
    EXPECT_EQ(combo->Text(), "预设");
}

}  // namespace
