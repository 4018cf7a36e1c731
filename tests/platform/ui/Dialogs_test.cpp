// Message boxes and common dialogs under test scripting: scripted answers, the framework's
// results, refused choices that ask again, and windows nobody expected; the windows' answers come
// from whatever implements the framework's scripted answers.

#include "platform/ui/ColorDialog.h"
#include "platform/ui/Dialogs.h"
#include "platform/ui/FontDialog.h"
#include "platform/ui/OpenDialog.h"
#include "platform/ui/ScriptedAnswers.h"
#include "platform/ui/TestScript.h"

#include "StdTestApp.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

struct DialogsTest : ::testing::Test {
    TScriptSession script;
    TComponent owner{nullptr};
};

TEST_F(DialogsTest, MessageBoxesAnswerWithTheFrameworksResults)
{
    TestScript::ExpectMessage("Password Error!!", mrOk);
    TestScript::ExpectMessage("sure", mrNo);
    TestScript::ExpectMessage("", mrYes);
    TestScript::ExpectMessage("Retry", mrRetry);
    EXPECT_EQ(MessageBox("Password Error!!", "Information", MB_OK | MB_ICONINFORMATION), IDOK);
    EXPECT_EQ(MessageBox("Are you sure?", "Confirm", MB_YESNOCANCEL), IDNO);
    EXPECT_EQ(MessageDlg("Replace it?", mtConfirmation, mbYesNo), mrYes);
    EXPECT_EQ(MessageDlg("Retry now?", mtError, mbAbortRetryIgnore), mrRetry);
    EXPECT_TRUE(script.Failures().empty());
    EXPECT_EQ(TestScript::Log().size(), 4);
    EXPECT_TRUE(TestScript::Log().front().contains("Password Error!!"));
}

TEST_F(DialogsTest, TheApplicationsBoxIsTheSameBox)
{
    // Every button set, not only the ones with OK, Yes and No.
    TestScript::ExpectMessage("upload", mrRetry);
    EXPECT_EQ(Application->MessageBox("Retry the upload?", "Error", MB_ABORTRETRYIGNORE | MB_DEFBUTTON2), IDRETRY);
    TestScript::ExpectMessage("went wrong", mrOk);
    Application->ShowException(Exception("It went wrong"));
    EXPECT_TRUE(script.Failures().empty());
    EXPECT_EQ(TestScript::Pending(), 0);
}

// Another implementation of the scripted answers in the test script's place: the windows take its
// answers, and a box told to press a button it lacks reports the refusal.
struct FixedAnswers final : TScriptedAnswers {
    TModalResult message = mrNone;
    QStringList seen;
    QStringList refused;

    bool Active() const override { return true; }
    TModalResult ModalFormShown(TCustomForm &) override { return mrCancel; }
    TModalResult MessageShown(const QString &caption, const QString &text, TModalResult) override
    {
        seen << caption + ": " + text;
        return message;
    }
    TFileDialogAnswer FileDialogShown(const TFileDialogRequest &request) override
    {
        seen << "file " + request.Title;
        return {.Ok = true, .Files = {"/tmp/chosen.unt"}};
    }
    bool ColorDialogShown(TColor &color) override
    {
        color = clRed;
        return true;
    }
    bool FontDialogShown(TFont &) override { return false; }
    TMenuItem *PopupShown(TPopupMenu &) override { return nullptr; }
    void Refused(const QString &problem) override { refused << problem; }
};

struct InstalledAnswers {
    explicit InstalledAnswers(TScriptedAnswers *answers) : previous(SetScriptedAnswers(answers)) {}
    ~InstalledAnswers() { SetScriptedAnswers(previous); }
    TScriptedAnswers *previous;
};

TEST_F(DialogsTest, WindowsTakeTheAnswersOfWhateverIsInstalled)
{
    FixedAnswers fixed;
    InstalledAnswers installed(&fixed);
    fixed.message = mrYes;
    EXPECT_EQ(MessageBox("Save the preset?", "Confirm", MB_YESNO), IDYES);
    EXPECT_EQ(MessageBox("Done", "Information", MB_OK), IDOK);  // no Yes button: closed as OK
    EXPECT_EQ(fixed.seen, (QStringList{"Confirm: Save the preset?", "Information: Done"}));
    EXPECT_EQ(fixed.refused.size(), 1);

    TOpenDialog open(&owner);
    open.SetTitle("Open Preset");
    EXPECT_TRUE(open.Execute());
    EXPECT_EQ(open.FileName(), "/tmp/chosen.unt");
    TColorDialog color(&owner);
    EXPECT_TRUE(color.Execute());
    EXPECT_EQ(color.Color(), clRed);
    EXPECT_TRUE(script.Failures().empty());  // the test script was not asked
}

TEST(OffscreenWithoutScript, EveryWindowIsCancelledInsteadOfWaiting)
{
    InstalledAnswers none(nullptr);
    ASSERT_NE(ScriptedAnswers(), nullptr);
    EXPECT_EQ(MessageBox("Quit?", "", MB_YESNOCANCEL), IDCANCEL);
    EXPECT_EQ(MessageBox("Check Time Out!", "Information", MB_OK), IDOK);
    TComponent owner(nullptr);
    TOpenDialog open(&owner);
    EXPECT_FALSE(open.Execute());
    TFontDialog font(&owner);
    EXPECT_FALSE(font.Execute());
}

TEST_F(DialogsTest, UnexpectedOrUnanswerableBoxesFailAndCloseAtOnce)
{
    // Nothing scripted: reported, and closed as Cancel, No or OK in that order of preference.
    EXPECT_EQ(MessageBox("Check Time Out!", "Information", MB_OK), IDOK);
    EXPECT_EQ(MessageBox("Quit?", "", MB_YESNO), IDNO);
    EXPECT_EQ(MessageDlg("Save?", mtConfirmation, mbYesNoCancel), mrCancel);
    EXPECT_EQ(script.Failures().size(), 3u);

    // An answer the box has no button for.
    TestScript::ExpectMessage("Only OK", mrYes);
    EXPECT_EQ(MessageBox("Only OK", "", MB_OK), IDOK);
    EXPECT_EQ(script.Failures().size(), 4u);

    // An answer for another text stays queued and the box is reported.
    TestScript::ExpectMessage("something else", mrOk);
    ShowMessage("Hello");
    EXPECT_EQ(TestScript::Pending(), 1);
    EXPECT_EQ(script.Failures().size(), 5u);
    script.Reset();
}

TEST_F(DialogsTest, BeepsAreCounted)
{
    const int before = MessageBeepCount();
    MessageBeep();
    EXPECT_EQ(MessageBeepCount(), before + 1);
}

struct FileDialogTest : DialogsTest {
    QTemporaryDir dir;
    QString Path(const char *name) const { return QDir(dir.path()).filePath(QString::fromLatin1(name)); }
    void Touch(const char *name) const
    {
        QFile f(Path(name));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    }
};

TEST_F(FileDialogTest, OpenDialogChoosesOrIsCancelled)
{
    TOpenDialog open(&owner);
    open.SetFilter("*.unt|*.unt");
    Touch("a.unt");
    TestScript::ExpectOpenFile(Path("a.unt"));
    TestScript::ExpectFileCancel();
    ASSERT_TRUE(open.Execute());
    EXPECT_EQ(open.FileName(), Path("a.unt"));
    EXPECT_EQ(open.Files(), QStringList{Path("a.unt")});
    EXPECT_FALSE(open.Execute());
    EXPECT_EQ(open.FileName(), Path("a.unt"));  // a cancelled dialog keeps the last choice
    EXPECT_TRUE(script.Failures().empty());
}

TEST_F(FileDialogTest, OpenDialogRefusesAMissingFileAndAsksAgain)
{
    TOpenDialog open(&owner);
    open.SetOptions(open.Options() + ofFileMustExist);
    Touch("there.prs");
    TestScript::ExpectOpenFile(Path("missing.prs"));
    TestScript::ExpectMessage("File not found", mrOk);
    TestScript::ExpectOpenFile(Path("there.prs"));
    ASSERT_TRUE(open.Execute());
    EXPECT_EQ(open.FileName(), Path("there.prs"));
    EXPECT_TRUE(script.Failures().empty());
}

TEST_F(FileDialogTest, SaveDialogAddsTheDefaultExtensionAndAsksBeforeOverwriting)
{
    TSaveDialog save(&owner);
    save.SetDefaultExt("prs");
    save.SetOptions(save.Options() + ofOverwritePrompt);
    Touch("old.prs");

    TestScript::ExpectSaveFile(Path("new"));
    ASSERT_TRUE(save.Execute());
    EXPECT_EQ(save.FileName(), Path("new.prs"));

    TestScript::ExpectSaveFile(Path("old"));
    TestScript::ExpectMessage("already exists", mrNo);   // no: back to the choice
    TestScript::ExpectSaveFile(Path("other.txt"), 2);   // an extension of its own is kept
    ASSERT_TRUE(save.Execute());
    EXPECT_EQ(save.FileName(), Path("other.txt"));
    EXPECT_EQ(save.FilterIndex(), 2);

    TestScript::ExpectSaveFile(Path("old.prs"));
    TestScript::ExpectMessage("already exists", mrYes);
    ASSERT_TRUE(save.Execute());
    EXPECT_EQ(save.FileName(), Path("old.prs"));
    EXPECT_TRUE(script.Failures().empty());
}

TEST_F(FileDialogTest, AnOpenAnswerDoesNotServeASaveDialog)
{
    TSaveDialog save(&owner);
    TestScript::ExpectOpenFile(Path("x"));
    EXPECT_FALSE(save.Execute());
    EXPECT_EQ(script.Failures().size(), 1u);
    script.Reset();
}

TEST(FileDialogFilters, FrameworkFiltersBecomeQtNameFilters)
{
    EXPECT_EQ(QtNameFilters("Unit files (*.unt)|*.unt|Pictures|*.bmp;*.png"),
              (QStringList{"Unit files (*.unt)", "Pictures (*.bmp *.png)"}));
    EXPECT_EQ(QtNameFilters("*.prs|*.prs"), QStringList{"*.prs (*.prs)"});
    EXPECT_TRUE(QtNameFilters("").isEmpty());
}

TEST_F(DialogsTest, ColourAndFontDialogs)
{
    TColorDialog colour(&owner);
    colour.SetColor(clRed);
    TestScript::ExpectColor(clBlue);
    TestScript::ExpectColorCancel();
    EXPECT_TRUE(colour.Execute());
    EXPECT_EQ(colour.Color(), clBlue);
    EXPECT_FALSE(colour.Execute());
    EXPECT_EQ(colour.Color(), clBlue);

    TFontDialog font(&owner);
    font.Font()->SetName("Arial");
    TestScript::ExpectFont([](TFont &f) { f.SetStyle({fsBold}); });
    TestScript::ExpectFontCancel();
    EXPECT_TRUE(font.Execute());
    EXPECT_TRUE(font.Font()->Style().Contains(fsBold));
    EXPECT_EQ(font.Font()->Name(), "Arial");
    EXPECT_FALSE(font.Execute());
    EXPECT_TRUE(script.Failures().empty());
}

TEST(ScriptSessionEnd, UnusedAnswersAreReported)
{
    std::vector<std::string> reported;
    {
        TScriptSession script;
        script.SetFailureHandler([&](const std::string &m) { reported.push_back(m); });
        TestScript::ExpectMessage("never shown");
    }
    ASSERT_EQ(reported.size(), 1u);
    EXPECT_NE(reported[0].find("never used"), std::string::npos);
}

}  // namespace
