// The passive windows and the small boxes: the message box, the quit confirmation with the main
// window's close rule, the factory-default and PEQ-reset confirmations, the message list and the
// raw-traffic monitor.

#include "DialogsFixture.h"

#include "platform/runtime/StringList.h"
#include "platform/ui/Button.h"
#include "platform/ui/ControlsRender.h"
#include "platform/ui/Label.h"
#include "platform/ui/ListBox.h"
#include "platform/ui/Memo.h"
#include "platform/ui/StatusBar.h"
#include "widgets/graphics/AdvProgressBar.h"
#include "widgets/skinned/RzBmpBtn.h"

namespace {

// Clicks a button of the modal form being shown.
std::function<void(TCustomForm &)> Clicking(TRzBmpButton *button)
{
    return [button](TCustomForm &) { button->Click(); };
}

TEST_F(DialogsTest, TheMessageBoxShowsTheTextItWasGivenLast)
{
    fmInformation->lbMessage->SetCaption(host.GetLangText("SID_INFO_CON_FIRST"));
    TestScript::ExpectModal("fmInformation", Clicking(fmInformation->btnOK));
    fmInformation->ShowModal();
    TestScript::ExpectModal("fmInformation", [](TCustomForm &f) {
        EXPECT_EQ(static_cast<TfmInformation &>(f).lbMessage->Caption(), "You Must Connect First !!");
        static_cast<TfmInformation &>(f).btnOK->Click();
    });
    fmInformation->ShowModal();
    EXPECT_FALSE(fmInformation->Visible());
}

// The main window's close rule, as it uses the quit confirmation: a close request shows the box
// without waiting and keeps the window unless the close was confirmed.
class ExitTest : public DialogsTest {
protected:
    void SetUp() override
    {
        DialogsTest::SetUp();
        mainForm = new TForm(owner.get());
        mainForm->OnClose = [this](TObject *, TCloseAction &action) {
            if (!host.closeAllowed.empty() && host.closeAllowed.back() == 1)
                return;
            fmExit->Show();
            action = caNone;
        };
        host.onCall = [this](const std::string &call) {
            if (call == "CloseMainWindow")
                mainForm->Close();
        };
        mainForm->Show();
    }

    TForm *mainForm = nullptr;
};

TEST_F(ExitTest, ACloseRequestAsksWithoutBlockingAndCancelKeepsAsking)
{
    mainForm->Close();
    EXPECT_TRUE(fmExit->Visible());
    EXPECT_TRUE(mainForm->Visible());

    fmExit->btnCancel->Click();
    EXPECT_FALSE(fmExit->Visible());
    EXPECT_EQ(host.closeAllowed, std::vector<int>{0});
    EXPECT_TRUE(mainForm->Visible());

    mainForm->Close();
    EXPECT_TRUE(fmExit->Visible());
    EXPECT_TRUE(mainForm->Visible());
    fmExit->Close();
}

TEST_F(ExitTest, OkAllowsTheCloseBeforeItClosesTheMainWindow)
{
    mainForm->Close();
    ASSERT_TRUE(fmExit->Visible());
    fmExit->btnOK->Click();
    EXPECT_EQ(host.calls, (std::vector<std::string>{"SetCloseAllowed", "CloseMainWindow"}));
    EXPECT_EQ(host.closeAllowed, std::vector<int>{1});
    EXPECT_FALSE(mainForm->Visible());
    fmExit->Close();
}

TEST_F(DialogsTest, TheFactoryResetStartsOnlyOnOk)
{
    TestScript::ExpectModal("fmFactory", Clicking(fmFactory->bnCancel));
    fmFactory->ShowModal();
    EXPECT_TRUE(host.calls.empty());

    TestScript::ExpectModal("fmFactory", Clicking(fmFactory->btnOK));
    fmFactory->ShowModal();
    EXPECT_EQ(host.calls, std::vector<std::string>{"StartFactoryReset"});
    EXPECT_FALSE(fmFactory->Visible());
}

TEST_F(DialogsTest, ThePeqResetBoxIsOffTheScreenBeforeTheChannelIsReset)
{
    fmPeqRst->SetChannel(4);  // Out 3
    TestScript::ExpectModal("fmPeqRst", Clicking(fmPeqRst->btnCancel));
    fmPeqRst->ShowModal();
    EXPECT_TRUE(host.calls.empty());

    bool visibleDuringReset = true;
    host.onCall = [&](const std::string &call) {
        if (call == "SendPeqReset")
            visibleDuringReset = fmPeqRst->Visible();
    };
    TestScript::ExpectModal("fmPeqRst", Clicking(fmPeqRst->btnOK));
    fmPeqRst->ShowModal();
    EXPECT_EQ(host.peqResets, std::vector<int>{4});
    EXPECT_FALSE(visibleDuringReset);
    EXPECT_FALSE(fmPeqRst->Visible());
}

TEST_F(DialogsTest, TheTrafficMonitorKeepsLinesOnlyWhileVisibleAndFollowsTheNewest)
{
    EXPECT_FALSE(fmHidData->AddTrafficLine("NET W 10 02 "));
    EXPECT_EQ(fmHidData->hbHidData->Count(), 0);

    fmHidData->Show();
    for (const char *line : {"NET W 10 02 00 01 01 10 10 03 11 ", "NET R 10 02 01 00 01 10 10 03 11 ", "COM W 10 02 "})
        EXPECT_TRUE(fmHidData->AddTrafficLine(line));
    EXPECT_EQ(fmHidData->hbHidData->Count(), 3);
    EXPECT_EQ(fmHidData->hbHidData->ItemIndex(), 2);

    fmHidData->Close();
    EXPECT_FALSE(fmHidData->AddTrafficLine("COM R 10 02 "));
    fmHidData->Show();
    EXPECT_EQ(fmHidData->hbHidData->Count(), 3);
    EXPECT_EQ(fmHidData->hbHidData->Items()->Get(0), "NET W 10 02 00 01 01 10 10 03 11 ");

    fmHidData->bnClear->Click();
    EXPECT_EQ(fmHidData->hbHidData->Count(), 0);
    EXPECT_TRUE(fmHidData->AddTrafficLine("USB W 00  10 02 "));
    EXPECT_EQ(fmHidData->hbHidData->ItemIndex(), 0);
    fmHidData->Close();
}

TEST_F(DialogsTest, TheMessageListHoldsItsFirstLineUntilCleared)
{
    fmMemo->Show();
    EXPECT_EQ(fmMemo->Memo->Lines()->Count(), 1);
    EXPECT_EQ(fmMemo->Memo->Lines()->Get(0), "Memo");
    fmMemo->bnClearMemo->Click();
    EXPECT_EQ(fmMemo->Memo->Lines()->Count(), 0);
    fmMemo->Close();
}

TEST_F(DialogsTest, TheProgressWindowShowsWhatTheMainWindowSetsAndClosesHarmlesslyWhenHidden)
{
    EXPECT_EQ(fmProcess->ProgressBar->Position(), 0);
    EXPECT_EQ(fmProcess->ProgressBar->Level1Perc(), 70);
    EXPECT_EQ(fmProcess->ProgressBar->Level2Perc(), 90);
    EXPECT_TRUE(fmProcess->ProgressBar->ShowBorder());
    EXPECT_EQ(fmProcess->StatusBar->SimpleText(), "download now");
    EXPECT_EQ(fmProcess->FormStyle(), fsStayOnTop);

    fmProcess->Close();
    EXPECT_FALSE(fmProcess->Visible());

    fmProcess->ProgressBar->SetMax(31);
    fmProcess->ProgressBar->SetPosition(0);
    fmProcess->StatusBar->SetSimpleText(host.GetLangText("SID_STORE_PRESET"));
    TestScript::ExpectModal("fmProcess", [](TCustomForm &f) {
        EXPECT_EQ(f.Caption(), "Process");
        fmProcess->ProgressBar->SetPosition(40);  // clamped to Max
        EXPECT_EQ(fmProcess->ProgressBar->Position(), 31);
        EXPECT_EQ(fmProcess->ProgressBar->Percent(), 100);
        f.Close();
    });
    fmProcess->ShowModal();
    EXPECT_FALSE(fmProcess->Visible());
    fmProcess->Close();
    EXPECT_FALSE(fmProcess->Visible());

    // A picture of a running exchange, for a person to look at.
    fmProcess->ProgressBar->SetMax(100);
    fmProcess->ProgressBar->SetPosition(75);
    fmProcess->Show();
    RenderControlImage(fmProcess).save("dialog_fmProcess_running.png");
    fmProcess->Close();
    EXPECT_FALSE(fmProcess->Visible());
}

}  // namespace
