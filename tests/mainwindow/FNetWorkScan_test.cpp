// The connection scan dialog with a real session: the simulated processor on the HID test backend
// and on a pseudo-terminal, silent pseudo-terminals as serial ports of a port table that holds
// nothing else, and the manual clock for every timer of the dialog and the session (the
// transports' reply waits run in real time). Rescan runs only with the automatic address setting
// on, which keeps the network link shut.

#include "ScanFixture.h"

#include "platform/ui/ControlsRender.h"

#include <QFile>

namespace {

// --- Candidates ----------------------------------------------------------------------------------

TEST_F(ScanTest, PortsAreTriedInPortNumberOrderUntilTheProcessorAnswers)
{
    ASSERT_EQ(AddSilentPort(), 1);
    SkipPort();
    ASSERT_EQ(AddSilentPort(), 3);
    for (int i = 4; i < 10; ++i)
        SkipPort();
    ASSERT_TRUE(sim.OpenPty());
    ASSERT_TRUE(sim.Start());
    ASSERT_EQ(table->Add(sim.PtyPath()), 10);

    dialog->Show();
    dialog->RestartScan();
    EXPECT_TRUE(ButtonsDisabled());
    QStringList tried;
    for (const char *counter : {"1/3", "2/3"}) {
        EXPECT_EQ(Counter(), counter);
        tried << session->GetComPortName();
        RunAttempt();
        EXPECT_EQ(view.connectResults.back(), 0);
        TManualClock::Advance(100);
    }
    EXPECT_EQ(Counter(), "3/3");
    EXPECT_EQ(Status(), "ScaningCOM10 ......");
    tried << session->GetComPortName();
    EXPECT_EQ(tried, (QStringList{"COM1", "COM3", "COM10"}));

    TManualClock::Advance(100);
    ASSERT_TRUE(PumpUntil([&] { return view.refreshes > 0; }, 20000));
    EXPECT_EQ(view.caption, "TROV316 DSP Processor Editor V1.1    Connected Port => COM10");
    // The identity arrived: the next step closes the dialog.
    TManualClock::Advance(100);
    EXPECT_FALSE(dialog->Visible());
    EXPECT_TRUE(session->IsOnline());
}

TEST_F(ScanTest, UsbGoesBeforeThePortsAndEachCandidateIsCounted)
{
    PlugProcessor();
    devsim::FaultSettings faults;
    faults.refused = {CMD_HANDSHAKE};
    sim.SetFaults(faults);
    AddSilentPort();
    AddSilentPort();

    dialog->RestartScan();
    EXPECT_EQ(Status(), "Scan USB");
    EXPECT_EQ(Counter(), "1/3");
    EXPECT_EQ(dialog->pbScan->Max(), 3);
    EXPECT_EQ(dialog->pbScan->Position(), 1);
    // Three resends 100 ms apart, then the fifth wait after them: about 800 ms.
    EXPECT_GE(RunAttempt().count(), 700);
    EXPECT_EQ(session->UsbTransport(), nullptr);

    for (int position : {2, 3}) {
        TManualClock::Advance(100);
        EXPECT_EQ(Counter(), QStringLiteral("%1/3").arg(position));
        EXPECT_EQ(dialog->pbScan->Position(), position);
        EXPECT_EQ(Status(), QStringLiteral("ScaningCOM%1 ......").arg(position - 1));
        EXPECT_EQ(session->GetComPortName(), QStringLiteral("COM%1").arg(position - 1));
        RunAttempt();
    }
    EXPECT_EQ(view.connectResults, (std::vector<std::uint8_t>{0, 0, 0}));
    EXPECT_TRUE(ButtonsDisabled());
    TManualClock::Advance(100);
    EXPECT_EQ(Status(), "No Device found.");
    EXPECT_EQ(Counter(), "");
    EXPECT_EQ(dialog->pbScan->Position(), 3);
    EXPECT_TRUE(ButtonsEnabled());
    EXPECT_FALSE(session->HasTransport());
}

TEST_F(ScanTest, NothingToTrySaysSoAtOnce)
{
    dialog->RestartScan();
    EXPECT_EQ(Status(), "No Device found.");
    EXPECT_EQ(Counter(), "");
    TManualClock::Advance(100);
    EXPECT_TRUE(ButtonsEnabled());
    EXPECT_FALSE(session->HasTransport());
}

TEST_F(ScanTest, PortThatCannotOpenShowsTheBrokenLinkUntilItsWatchdogMovesOn)
{
    AddVanishingPort("unplugged");
    AddSilentPort();
    dialog->RestartScan();
    ASSERT_TRUE(QFile::remove(folder.filePath("unplugged")));
    TManualClock::Advance(200);
    EXPECT_EQ(Status(), "Link Broken");
    EXPECT_EQ(Counter(), "");
    EXPECT_TRUE(ButtonsEnabled());
    EXPECT_FALSE(session->HasTransport());

    TManualClock::Advance(9799);
    EXPECT_EQ(Status(), "Link Broken");
    TManualClock::Advance(101);
    EXPECT_EQ(Status(), "ScaningCOM2 ......");
    EXPECT_EQ(Counter(), "2/2");
}

// A candidate that answers from another address is not the processor, but only the scan drops it.
TEST_F(ScanTest, ProcessorAtAnotherAddressIsDroppedWhileTheDialogShows)
{
    PlugProcessor();
    devsim::FaultSettings faults;
    faults.wrongSource = 2;
    sim.SetFaults(faults);
    dialog->Show();
    dialog->RestartScan();
    TManualClock::Advance(100);
    ASSERT_TRUE(PumpUntil([&] {
        TManualClock::Advance(1);
        return !view.connectResults.empty();
    }));
    EXPECT_EQ(view.connectResults, (std::vector<std::uint8_t>{0}));
    EXPECT_FALSE(session->HasTransport());
    TManualClock::Advance(100);
    EXPECT_EQ(Status(), "No Device found.");
}

// A watchdog left from a candidate that took only part of its time must not cut the next one short.
TEST_F(ScanTest, EveryCandidateGetsItsWholeWatchdog)
{
    AddSilentPort();
    AddVanishingPort("unplugged");
    dialog->RestartScan();
    RunAttempt();  // the first port fails after its reply wait, long before its watchdog
    ASSERT_TRUE(QFile::remove(folder.filePath("unplugged")));
    TManualClock::Advance(100);
    ASSERT_EQ(Counter(), "2/2");
    TManualClock::Advance(9999);
    EXPECT_EQ(Status(), "Link Broken");
    TManualClock::Advance(101);
    EXPECT_EQ(Status(), "No Device found.");
}

// Once the processor is found the scan is over: a watchdog still running must not try the next
// candidate after that link has gone.
TEST_F(ScanTest, FoundProcessorEndsTheScan)
{
    PlugProcessor();
    AddSilentPort();
    dialog->Show();
    dialog->RestartScan();
    TManualClock::Advance(100);
    ASSERT_TRUE(PumpUntil([&] { return view.refreshes > 0; }, 20000));
    TManualClock::Advance(100);
    ASSERT_FALSE(dialog->Visible());
    session->rzbMenuLinkClick();  // online: the link closes 300 ms later
    TManualClock::Advance(400);
    ASSERT_FALSE(session->HasTransport());
    TManualClock::Advance(10000);
    EXPECT_FALSE(session->HasTransport());
    EXPECT_EQ(session->GetComPortName(), "");
    EXPECT_EQ(Status(), "Link Broken");
}

// --- Buttons -------------------------------------------------------------------------------------

TEST_F(ScanTest, ShownDialogTakesItsTextsFromTheLanguage)
{
    session->SetLanguageName("ChineseGB");
    dialog->Show();
    EXPECT_EQ(dialog->Caption(), session->GetLangText("SID_CONNECT"));
    EXPECT_EQ(dialog->btnExit->Caption(), session->GetLangText("SID_DEMO"));
    dialog->Hide();
    session->SetLanguageName("English");
    dialog->Show();
    EXPECT_EQ(dialog->Caption(), "Connect");
    EXPECT_EQ(dialog->btnOK->Caption(), "Scaning");
    EXPECT_EQ(dialog->btnExit->Caption(), "Demo");
    EXPECT_EQ(dialog->btnId->Caption(), "Set");
}

TEST_F(ScanTest, DemoLeavesTheEditorOfflineWithTheLinkButtonEnabled)
{
    AddVanishingPort("unplugged");
    dialog->Show();
    dialog->RestartScan();
    QFile::remove(folder.filePath("unplugged"));
    TManualClock::Advance(200);
    ASSERT_TRUE(ButtonsEnabled());
    dialog->btnExit->Click();
    EXPECT_FALSE(dialog->Visible());
    EXPECT_TRUE(view.enabled["rzbMenuLink"]);
    EXPECT_TRUE(view.enabled["Connect"]);
    // Nothing of the scan goes on behind the user's back.
    TManualClock::Advance(20000);
    EXPECT_FALSE(session->HasTransport());
    EXPECT_FALSE(session->IsOnline());
    EXPECT_EQ(Status(), "Link Broken");
}

TEST_F(ScanTest, SetOpensTheAddressDialog)
{
    dialog->btnId->Click();
    EXPECT_EQ(view.networkSetupShows, 1);
}

TEST_F(ScanTest, RescanWithTheAutomaticAddressOffersNoNetwork)
{
    session->SetIpAddress(0xC0A80165);
    session->SetAutoIpSetting(1);
    AddSilentPort();
    dialog->btnOK->Click();
    EXPECT_FALSE(session->HasIpAddress());
    EXPECT_FALSE(session->ClientSocket().Active());
    EXPECT_EQ(Status(), "ScaningCOM1 ......");
    EXPECT_EQ(Counter(), "1/1");
}

// --- The link button -----------------------------------------------------------------------------

TEST_F(ScanTest, LinkButtonOfflineScansAndShowsTheDialogOnce)
{
    session->SetAutoIpSetting(1);
    session->StartAutoConnect();
    TManualClock::Advance(299);
    EXPECT_EQ(view.scanModalShows, 0);
    TManualClock::Advance(1);
    EXPECT_EQ(view.rescanClicks, 1);
    EXPECT_EQ(view.scanModalShows, 1);
    EXPECT_TRUE(dialog->Visible());
    EXPECT_EQ(view.texts["Connect"], "Disconnect");
    EXPECT_FALSE(view.enabled["rzbMenuLink"]);
    EXPECT_EQ(view.downs.back(), std::make_pair(QString("rzbMenuLink"), false));
    EXPECT_EQ(Status(), "No Device found.");

    // Clicked again while the dialog shows: it scans again but is not shown a second time.
    session->rzbMenuLinkClick();
    EXPECT_EQ(view.rescanClicks, 2);
    EXPECT_EQ(view.scanModalShowsWhileVisible, 0);
}

TEST_F(ScanTest, LinkButtonOnlineDisconnectsAfter300ms)
{
    PlugProcessor();
    session->SetAutoIpSetting(1);
    session->rzbMenuLinkClick();
    TManualClock::Advance(100);
    ASSERT_TRUE(PumpUntil([&] { return view.refreshes > 0; }, 20000));
    TManualClock::Advance(100);
    ASSERT_FALSE(dialog->Visible());
    ASSERT_TRUE(session->IsOnline());

    session->rzbMenuLinkClick();
    EXPECT_FALSE(view.enabled["rzbMenuLink"]);
    EXPECT_EQ(view.texts["Connect"], "Connect");
    TManualClock::Advance(299);
    EXPECT_TRUE(session->HasTransport());
    TManualClock::Advance(1);
    EXPECT_FALSE(session->HasTransport());
    EXPECT_FALSE(session->IsOnline());
    EXPECT_EQ(view.texts["rzbMenuLink"], "OffLine");
    EXPECT_TRUE(view.enabled["rzbMenuLink"]);
    // The hidden dialog now says the link broke, ready for the next click.
    TManualClock::Advance(100);
    EXPECT_FALSE(dialog->Visible());
    EXPECT_EQ(Status(), "Link Broken");
    EXPECT_EQ(view.scanModalShows, 1);
}

// --- Looks ---------------------------------------------------------------------------------------

// Renders the dialog while it scans and after the link broke into scan_dialog*.png (in the working
// folder) for a person to look at.
TEST_F(ScanTest, DialogRendersItsPictureTextsAndButtons)
{
    AddSilentPort();
    AddVanishingPort("unplugged");
    dialog->Show();
    dialog->RestartScan();
    const QImage scanning = RenderControlImage(dialog.get());
    ASSERT_FALSE(scanning.isNull());
    EXPECT_TRUE(scanning.save("scan_dialog_scanning.png"));
    ASSERT_GE(scanning.width(), 380);
    ASSERT_GE(scanning.height(), 180);
    // The background's frame, and a button face where the Rescan button sits.
    EXPECT_EQ(scanning.pixel(0, 90) & 0xFFFFFF, 0x96AAC8u);
    EXPECT_NE(scanning.pixel(75, 130) & 0xFFFFFF, scanning.pixel(20, 130) & 0xFFFFFF);

    RunAttempt();
    QFile::remove(folder.filePath("unplugged"));
    TManualClock::Advance(300);
    ASSERT_EQ(Status(), "Link Broken");
    EXPECT_TRUE(RenderControlImage(dialog.get()).save("scan_dialog_broken.png"));
}

}  // namespace
