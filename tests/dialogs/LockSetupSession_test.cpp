// The lock setup against the simulated processor over USB: closing the link after a new lock
// password never drops the lock command, even when it waits behind a request whose answer is
// late. The dialog's timer runs on the manual clock, the link in real time.

#include "SessionDialogHost.h"
#include "dialogs/FLockSetup.h"
#include "mainwindow/SessionFixture.h"
#include "platform/ui/StdTestApp.h"
#include "widgets/skinned/RzBmpBtn.h"

#include <algorithm>

namespace {

class LockSetupSessionTest : public SessionTest {
protected:
    void SetUp() override
    {
        SessionTest::SetUp();
        host = std::make_unique<SessionDialogHost>(*session);
        SetDialogHost(host.get());
        fmLockSetup = new TfmLockSetup(nullptr);
    }
    void TearDown() override
    {
        delete fmLockSetup;
        fmLockSetup = nullptr;
        SetDialogHost(nullptr);
        SessionTest::TearDown();
    }

    bool Received(std::uint8_t command) const
    {
        const auto log = Log();
        return std::any_of(log.begin(), log.end(), [&](const devsim::LoggedFrame &f) { return f.command == command; });
    }
    // Real time passes for the link while the manual clock keeps pace for the dialog's timer.
    bool RunUntil(const std::function<bool()> &done, int ms)
    {
        for (int elapsed = 0; elapsed < ms; elapsed += 10) {
            PumpFor(10);
            TManualClock::Advance(10);
            if (done())
                return true;
        }
        return false;
    }

    std::unique_ptr<SessionDialogHost> host;
};

TEST_F(LockSetupSessionTest, TheLockCommandReachesAProcessorThatAnswersLateBeforeTheLinkCloses)
{
    ConnectAndRead();
    // Delayed replies go out from the simulator's own thread.
    std::string error;
    ASSERT_TRUE(sim.Start(&error)) << error;
    devsim::FaultSettings faults;
    faults.delayMs = 500;
    SetFaults(faults);
    // A level request in flight; its answer comes 500 ms late.
    session->SendCommand(CM_MCS_CMD(1, CMD_LEVELS), 0, 1);
    ASSERT_TRUE(PumpUntil([&] { return Received(CMD_LEVELS); }));

    fmLockSetup->Show();
    fmLockSetup->btnOK->Click();
    ASSERT_TRUE(host->IsCommandWaiting(CMD_SET_LOCK));
    ASSERT_TRUE(RunUntil([&] { return !fmLockSetup->Visible(); }, 5000));

    EXPECT_TRUE(Received(CMD_SET_LOCK));
    EXPECT_EQ(host->disconnects, 1);
    EXPECT_FALSE(session->HasTransport());
    const auto log = Log();
    const auto lock =
        std::find_if(log.begin(), log.end(), [](const devsim::LoggedFrame &f) { return f.command == CMD_SET_LOCK; });
    ASSERT_NE(lock, log.end());
    EXPECT_EQ(lock->payload, (devsim::Bytes{'5', '8', '3', '1'}));
}

}  // namespace
