// The unlock dialog's submission and verdict polling, and the lock setup's command and the wait
// before it closes the link, on the manual clock.

#include "DialogsFixture.h"

#include "platform/runtime/TimerService.h"
#include "platform/ui/ControlsInput.h"
#include "platform/ui/Edit.h"
#include "platform/ui/Label.h"
#include "widgets/skinned/RzBmpBtn.h"

namespace {

const BSTM kSubmit5831 = {0x10, 0x02, 0x00, 0x01, 0x06, 0x2D, 0x00, 0x35, 0x38, 0x33, 0x31, 0x10, 0x03, 0x24};
const BSTM kPresetFlagsRequest = {0x10, 0x02, 0x00, 0x01, 0x01, 0x22, 0x10, 0x03, 0x23};

class UnlockTest : public DialogsTest {
protected:
    void SetUp() override
    {
        DialogsTest::SetUp();
        host.connected = true;
        fmLockPassWord->Show();
    }
    void TearDown() override
    {
        fmLockPassWord->Close();
        EXPECT_EQ(TestScript::Pending(), 0);
        DialogsTest::TearDown();
    }
    void Submit(const char *password)
    {
        fmLockPassWord->edName->SetText(password);
        fmLockPassWord->btnOK->Click();
    }

    TManualClockScope clock;
};

TEST_F(UnlockTest, SubmitsThePasswordAndLetsTheUserTryAgainAfterAWrongOne)
{
    EXPECT_EQ(fmLockPassWord->edName->Text(), "****");
    Submit("5831");
    ASSERT_EQ(host.sent.size(), 1u);
    EXPECT_EQ(host.sent[0].frame, kSubmit5831);
    EXPECT_EQ(host.sent[0].keepDuplicates, 1);
    EXPECT_EQ(fmLockPassWord->GetPasswordResult(), TfmLockPassWord::VerdictPending);

    fmLockPassWord->SetPasswordResult(0);
    TestScript::ExpectMessage("Password Error!!");
    TManualClock::Advance(100);
    EXPECT_EQ(fmLockPassWord->edName->Text(), "****");
    EXPECT_EQ(fmLockPassWord->edName->SelLength(), 4);
    EXPECT_TRUE(fmLockPassWord->Visible());

    // Polling has ended: nothing more happens until the next submission.
    TManualClock::Advance(5000);
    EXPECT_EQ(host.sent.size(), 1u);
    EXPECT_EQ(host.Count("DisconnectLink"), 0);
}

TEST_F(UnlockTest, EnterInTheFieldSubmits)
{
    fmLockPassWord->edName->SetText("1234");
    TInputRouter::SetFocusedWindow(fmLockPassWord->edName);
    TInputRouter::Key(VK_RETURN, {}, QChar(13));
    ASSERT_EQ(host.sent.size(), 1u);
    EXPECT_EQ(BSTM(host.sent[0].frame.begin() + 7, host.sent[0].frame.begin() + 11), (BSTM{'1', '2', '3', '4'}));
}

TEST_F(UnlockTest, AnAcceptedPasswordAsksForThePresetFlagsAndCloses)
{
    Submit("5831");
    fmLockPassWord->SetPasswordResult(1);
    TManualClock::Advance(199);
    EXPECT_EQ(host.sent.size(), 1u);
    EXPECT_TRUE(fmLockPassWord->Visible());
    TManualClock::Advance(1);
    ASSERT_EQ(host.sent.size(), 2u);
    EXPECT_EQ(host.sent[1].frame, kPresetFlagsRequest);
    EXPECT_EQ(host.sent[1].keepDuplicates, 0);
    EXPECT_FALSE(fmLockPassWord->Visible());
    EXPECT_EQ(host.Count("DisconnectLink"), 0);
}

TEST_F(UnlockTest, NoVerdictTimesOutAtTheThirtyFirstPollAndALateOneChangesNothing)
{
    Submit("5831");
    TManualClock::Advance(3000);
    EXPECT_TRUE(fmLockPassWord->Visible());
    EXPECT_EQ(host.Count("DisconnectLink"), 0);

    TestScript::ExpectMessage("Check Time Out!");
    TManualClock::Advance(100);
    EXPECT_EQ(host.Count("DisconnectLink"), 1);
    EXPECT_FALSE(fmLockPassWord->Visible());

    fmLockPassWord->SetPasswordResult(1);
    TManualClock::Advance(1000);
    EXPECT_EQ(host.sent.size(), 1u);
    EXPECT_EQ(host.Count("DisconnectLink"), 1);
}

TEST_F(UnlockTest, ASecondSubmissionStartsTheCountAgainAndOverwritesAVerdict)
{
    Submit("1111");
    TManualClock::Advance(2050);
    fmLockPassWord->SetPasswordResult(0);  // arrives between the two submissions
    Submit("5831");
    TManualClock::Advance(3000);
    EXPECT_TRUE(fmLockPassWord->Visible());
    TestScript::ExpectMessage("Check Time Out!");
    TManualClock::Advance(100);
    EXPECT_FALSE(fmLockPassWord->Visible());
    EXPECT_EQ(host.sent.size(), 2u);
}

TEST_F(UnlockTest, CancelClosesTheLinkAndEndsThePolling)
{
    Submit("5831");
    TManualClock::Advance(250);
    fmLockPassWord->bnCancel->Click();
    EXPECT_EQ(host.Count("DisconnectLink"), 1);
    EXPECT_FALSE(fmLockPassWord->Visible());
    // No time-out message and no second disconnect later on.
    TManualClock::Advance(5000);
    EXPECT_EQ(host.Count("DisconnectLink"), 1);
}

class LockSetupTest : public DialogsTest {
protected:
    void SetUp() override
    {
        DialogsTest::SetUp();
        host.connected = true;
        fmLockSetup->Show();
    }
    void TearDown() override
    {
        fmLockSetup->Close();
        DialogsTest::TearDown();
    }

    TManualClockScope clock;
};

TEST_F(LockSetupTest, SendsExactlyFourPasswordBytes)
{
    struct Case {
        const char *name;
        const char *typed;
        BSTM frame;
    };
    const Case cases[] = {
        {.name = "four digits",
         .typed = "5831",
         .frame = {0x10, 0x02, 0x00, 0x01, 0x05, 0x2F, 0x35, 0x38, 0x33, 0x31, 0x10, 0x03, 0x25}},
        {.name = "two letters, blank-padded",
         .typed = "ab",
         .frame = {0x10, 0x02, 0x00, 0x01, 0x05, 0x2F, 0x41, 0x42, 0x20, 0x20, 0x10, 0x03, 0x29}},
        {.name = "empty",
         .typed = "",
         .frame = {0x10, 0x02, 0x00, 0x01, 0x05, 0x2F, 0x20, 0x20, 0x20, 0x20, 0x10, 0x03, 0x2A}},
    };
    EXPECT_EQ(fmLockSetup->edName->Text(), "5831");
    for (const Case &c : cases) {
        host.sent.clear();
        fmLockSetup->edName->SetText(c.typed);
        fmLockSetup->btnOK->Click();
        ASSERT_EQ(host.sent.size(), 1u) << c.name;
        EXPECT_EQ(host.sent[0].frame, c.frame) << c.name;
        EXPECT_EQ(host.sent[0].keepDuplicates, 1) << c.name;
    }
}

TEST_F(LockSetupTest, ClosesTheLinkOnlyOnceTheCommandHasLeftTheQueue)
{
    fmLockSetup->btnOK->Click();
    host.waiting = {CMD_SET_LOCK};
    TManualClock::Advance(100);
    TManualClock::Advance(400);
    EXPECT_EQ(host.Count("DisconnectLink"), 0);
    EXPECT_TRUE(fmLockSetup->Visible());

    host.waiting.clear();
    TManualClock::Advance(100);
    EXPECT_EQ(host.Count("DisconnectLink"), 1);
    EXPECT_FALSE(fmLockSetup->Visible());
}

TEST_F(LockSetupTest, ClosesTheLinkAtTheEarliestAfterAHundredMilliseconds)
{
    fmLockSetup->btnOK->Click();
    TManualClock::Advance(99);
    EXPECT_EQ(host.Count("DisconnectLink"), 0);
    TManualClock::Advance(1);
    EXPECT_EQ(host.Count("DisconnectLink"), 1);
    EXPECT_FALSE(fmLockSetup->Visible());
}

TEST_F(LockSetupTest, ALinkThatFailsMeanwhileIsLeftToItsOwnFailurePath)
{
    fmLockSetup->btnOK->Click();
    host.waiting = {CMD_SET_LOCK};
    TManualClock::Advance(300);
    host.connected = false;  // the session closed the failed transport, queue and all
    host.waiting.clear();
    TManualClock::Advance(100);
    EXPECT_EQ(host.Count("DisconnectLink"), 0);
    EXPECT_FALSE(fmLockSetup->Visible());
}

TEST_F(LockSetupTest, CancelSendsNothing)
{
    fmLockSetup->btnExit->Click();
    TManualClock::Advance(500);
    EXPECT_TRUE(host.calls.empty());
    EXPECT_FALSE(fmLockSetup->Visible());
}

}  // namespace
