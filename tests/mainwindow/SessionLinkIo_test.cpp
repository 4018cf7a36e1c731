// The session's level meters, traffic lines, device ID, acknowledgement steps and serial link,
// against the simulated processor.

#include "SessionFixture.h"

#include "mainwindow/LinkTexts.h"
#include "platform/serial/PortTable.h"

namespace {

bool HasLine(const std::vector<QString> &lines, const char *line)
{
    return std::find(lines.begin(), lines.end(), QString::fromLatin1(line)) != lines.end();
}

// --- Levels --------------------------------------------------------------------------------------

// In A 00 3F 80 (-6 dB), In B 80 3F 00 (0 dB), Out 1 silent, Out 2 -6 dB, Out 3 0 dB, Out 4 with
// the sign bit set; Out 1 and Out 3 report limiting.
const BSTM LevelPayload = {0x00, 0x3F, 0x80, 0x80, 0x3F, 0x00, 0x00, 0x00, 0x00, 0x00,
                           0x3F, 0x80, 0x80, 0x3F, 0x00, 0x00, 0xBF, 0x80, 0x05};

TEST_F(SessionTest, LevelReplySetsTheMetersAndLampsOfEveryPage)
{
    view.sliders = {{"isCompRatioOut1", 0}, {"isCompRatioOut2", 3}, {"isCompRatioOut3", 3}, {"isCompRatioOut4", 3}};
    session->SetSelectedCompChannel(4);
    Inject(CMD_LEVELS, LevelPayload);

    const std::map<QString, int> expected = {
        {"pbLevelInA", 7},        {"pbLevelBackupInA", 7},  {"pbLevelInB", 8},        {"pbLevelBackupInB", 8},
        {"pbLevelOut1", 0},       {"pbLevelBackupOut1", 0}, {"pbLevelCompOut1", 0},   {"pbLimitOut1", 0},
        {"pbLimitBackupOut1", 0}, {"pbLimitCompOut1", 0},   {"pbLevelOut2", 6},       {"pbLevelBackupOut2", 6},
        {"pbLevelCompOut2", 6},   {"pbLimitOut2", 0},       {"pbLimitBackupOut2", 0}, {"pbLimitCompOut2", 0},
        {"pbLevelOut3", 7},       {"pbLevelBackupOut3", 7}, {"pbLevelCompOut3", 7},   {"pbLimitOut3", 1},
        {"pbLimitBackupOut3", 1}, {"pbLimitCompOut3", 1},   {"pbLevelOut4", 0},       {"pbLevelBackupOut4", 0},
        {"pbLevelCompOut4", 0},   {"pbLimitOut4", 0},       {"pbLimitBackupOut4", 0}, {"pbLimitCompOut4", 0},
        {"pbLevelCompOut", 7},    {"pbLimitCompOut", 1},
    };
    EXPECT_EQ(view.meters, expected);
}

TEST_F(SessionTest, MissingMeterEndsTheLevelUpdate)
{
    view.missing = {"pbLevelBackupOut2"};
    Inject(CMD_LEVELS, LevelPayload);
    EXPECT_EQ(view.meters.count("pbLevelOut1"), 1u);
    EXPECT_EQ(view.meters.count("pbLevelCompOut2"), 1u);
    EXPECT_EQ(view.meters.count("pbLevelOut2"), 0u);
    EXPECT_EQ(view.meters.count("pbLevelOut3"), 0u);
}

TEST_F(SessionTest, ResetSetsEveryMeterAndLampToZero)
{
    for (auto &[name, position] : view.meters)
        position = 5;
    session->ResetLevelMeters();
    EXPECT_EQ(view.meters.size(), 30u);
    for (const auto &[name, position] : view.meters)
        EXPECT_EQ(position, 0) << name.toStdString();
}

// After a preset file was applied online, the next level reply ends that transfer, once.
TEST_F(SessionTest, LevelReplyEndsAFileLoadOnce)
{
    ConnectAndRead();
    ExpectLogged(48);
    ASSERT_TRUE(PumpUntil([&] { return !session->UsbTransport()->Busy(); }));
    sim.ClearFrameLog();
    session->SetFileLoadStep(12);
    const int closes = view.progressCloses;
    Inject(CMD_LEVELS, LevelPayload);
    ExpectLogged(1);
    EXPECT_TRUE(LastRequestIs(CMD_POLL));
    EXPECT_EQ(session->GetFileLoadStep(), 0);
    EXPECT_EQ(view.progressCloses, closes + 1);
    Inject(CMD_LEVELS, LevelPayload);
    PumpFor(50);
    EXPECT_EQ(Logged(), 1u);
}

// --- Traffic -------------------------------------------------------------------------------------------

TEST_F(SessionTest, TrafficLinesOnlyWhileTheMonitorShows)
{
    ConnectAndRead();
    PumpFor(20);
    EXPECT_TRUE(view.trafficLines.empty());
    session->DisconnectLink();

    view.trafficVisible = true;
    session->ConnectUsb();
    ASSERT_TRUE(PumpUntil([&] { return view.refreshes == 2; }, 20000));
    PumpFor(20);
    EXPECT_TRUE(HasLine(view.trafficLines, "USB W 00  10 02 00 01 01 10 10 03 11 "));
    EXPECT_TRUE(HasLine(view.trafficLines, "USB R 00  10 02 01 00 01 10 10 03 11 "));
    EXPECT_TRUE(HasLine(view.trafficLines, "USB W 00  10 02 00 01 02 27 0A 10 03 2F "));
}

// --- USB reports ---------------------------------------------------------------------------------

// A report carries one frame from its first byte: the transport gets (and the traffic line shows)
// that frame, no more than the report holds and no more than 100 bytes; a report too short to hold
// the frame's length byte is dropped.
TEST_F(SessionTest, UsbReportHandsOverTheFrameItStartsWith)
{
    // The processor's device in turn with reports of other widths (the platform fills a report up
    // to its width); the session takes each one as it comes.
    std::shared_ptr<hid::TestDevice> device = sim.HidDevice();
    auto useDevice = [&](std::uint16_t width) {
        backend->Unplug(device);
        hid::TestDevice::Profile profile = hidtest::ProcessorProfile();
        profile.inputLength = static_cast<std::uint16_t>(width + 1);  // with the report ID
        device = backend->Plug(profile);
        session->HidController().DeviceChange();
        return PumpUntil([&] { return session->HasHidDevice(); });
    };
    auto push = [&](const BSTM &data) {
        BSTM report = {0};  // the report ID
        report.insert(report.end(), data.begin(), data.end());
        return device->PushInput(report);
    };
    // The lines of received reports; the written frames have theirs too.
    auto readLines = [&] {
        std::vector<QString> lines;
        for (const QString &line : view.trafficLines)
            if (line.startsWith(QLatin1String("USB R")))
                lines.push_back(line);
        return lines;
    };
    auto readLine = [](BSTM data, std::size_t count) {
        data.resize(count);
        return TrafficText(QStringLiteral("USB R 00  "), data);
    };
    view.trafficVisible = true;

    // The handshake reply with a whole identity reply behind it in the same report: only the first
    // frame reaches the transport, so the read goes on to ask for the identity.
    ASSERT_TRUE(useDevice(200));
    session->ConnectUsb();
    session->SetLinkTimeout(5000);  // nothing answers but this test: a wide margin for the handshake
    const BSTM handshake = BuildDeviceFrame(1, 0, CMD_HANDSHAKE, {});
    const std::string identity(DeviceSession::UnitIdentity);
    BSTM both = handshake;
    const BSTM identityReply = BuildDeviceFrame(1, 0, CMD_IDENTITY, BSTM(identity.begin(), identity.end()));
    both.insert(both.end(), identityReply.begin(), identityReply.end());
    ASSERT_TRUE(push(both));
    ASSERT_TRUE(PumpUntil([&] { return session->IsConnected(); }));
    PumpFor(100);
    EXPECT_TRUE(view.connectResults.empty());
    EXPECT_EQ(readLines(), (std::vector<QString>{readLine(both, handshake.size())}));

    struct Case {
        const char *name;
        std::uint16_t width;     // data bytes of each report
        std::uint8_t length;     // the length byte of the frame it starts with
        std::size_t handedOver;  // 0: dropped
    };
    const Case cases[] = {
        {.name = "length byte past the report's end", .width = 20, .length = 0x30, .handedOver = 20},
        {.name = "length byte past the receive buffer", .width = 200, .length = 0xF0, .handedOver = 100},
        {.name = "four bytes", .width = 4, .length = 0x01, .handedOver = 0},
        {.name = "five bytes", .width = 5, .length = 0x01, .handedOver = 5},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        ASSERT_TRUE(useDevice(c.width));
        view.trafficLines.clear();
        BSTM data(c.width, 0x55);
        const BSTM start = {0x10, 0x02, 0x01, 0x00, c.length};
        std::copy_n(start.begin(), std::min<std::size_t>(c.width, start.size()), data.begin());
        ASSERT_TRUE(push(data));
        if (c.handedOver > 0) {
            ASSERT_TRUE(PumpUntil([&] { return !readLines().empty(); }));
            EXPECT_EQ(readLines(), (std::vector<QString>{readLine(data, c.handedOver)}));
        } else {
            PumpFor(100);
            EXPECT_TRUE(readLines().empty());
        }
        // None of it is a reply: the read still waits for the identity.
        EXPECT_TRUE(session->IsConnected());
        EXPECT_TRUE(view.connectResults.empty());
    }
    session->DisconnectLink();
}

// --- Device ID ---------------------------------------------------------------------------------------

TEST_F(SessionTest, DeviceIdOutsideItsRangeChangesNothing)
{
    session->SetDeviceId(0);
    session->SetDeviceId(255);
    EXPECT_EQ(session->GetDeviceId(), 1);
    EXPECT_EQ(view.texts.count("lbShowIdNumber"), 0u);
    session->SetDeviceId(254);
    EXPECT_EQ(session->GetDeviceId(), 254);
}

TEST_F(SessionTest, NewDeviceIdNamesTheIdlePollsTarget)
{
    ConnectAndRead();
    ExpectLogged(48);
    ASSERT_TRUE(PumpUntil([&] { return !session->UsbTransport()->Busy(); }));
    session->SetDeviceId(7);
    EXPECT_EQ(view.texts["lbShowIdNumber"], "ID : 7");
    sim.ClearFrameLog();
    session->UsbTransport()->OnPollTimer();
    ExpectLogged(1);
    EXPECT_EQ(Log().at(0).bytes, BuildDeviceFrame(0, 7, CMD_POLL, {}));
}

// --- Acknowledgement steps -------------------------------------------------------------------------

TEST_F(SessionTest, AcknowledgementContinuesTheStepsExchange)
{
    struct Case {
        const char *name;
        SessionStep step;
        std::vector<std::uint8_t> requests;  // after the poll whose acknowledgement continues
        int refreshes;                       // full reads that followed
    };
    const Case cases[] = {
        {.name = "store: name sent",
         .step = SessionStep::PresetNameSent,
         .requests = {CMD_POLL, CMD_STORE_PRESET, CMD_POLL},
         .refreshes = 0},
        {.name = "reload",
         .step = SessionStep::ReloadSent,
         .requests = {CMD_POLL, CMD_SYSTEM_PARAMS, CMD_CURRENT_PRESET, CMD_READ_PRESET_NAME},
         .refreshes = 1},
        {.name = "lock dialog pending", .step = SessionStep::OperationLocked, .requests = {CMD_POLL}, .refreshes = 0},
    };
    ConnectAndRead();
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        ASSERT_TRUE(PumpUntil([&] { return !session->UsbTransport()->Busy(); }));
        sim.ClearFrameLog();
        const int refreshes = view.refreshes;
        session->SetSessionStep(c.step);
        session->SendCommand(LCmd(1, CMD_POLL), 1, 1);
        ExpectLogged(c.requests.size());
        ASSERT_TRUE(PumpUntil([&] { return view.refreshes == refreshes + c.refreshes; }, 20000));
        PumpFor(50);
        const auto log = Log();
        ASSERT_GE(log.size(), c.requests.size());
        for (std::size_t i = 0; i < c.requests.size(); ++i)
            EXPECT_EQ(log[i].command, c.requests[i]) << "request " << i;
        EXPECT_EQ(session->GetSessionStep(), SessionStep::Idle);
        EXPECT_FALSE(view.progressVisible);
    }
}

// --- Serial link --------------------------------------------------------------------------------------

TEST_F(SessionTest, SerialConnectReadsOverAPseudoTerminal)
{
    ASSERT_TRUE(sim.OpenPty());
    ASSERT_TRUE(sim.Start());
    const int port = serial::PortTable::Instance().Add(sim.PtyPath());
    ASSERT_GT(port, 0);
    const QString name = QString::fromStdString(serial::PortTable::Name(port));
    session->SetComPortName(name);
    view.trafficVisible = true;
    session->ConnectCom();
    EXPECT_EQ(session->LinkTimeout(), 1000u);
    EXPECT_EQ(session->LinkRetries(), 0u);
    ASSERT_TRUE(PumpUntil([&] { return ReadDone() || !session->HasTransport(); }, 20000));
    ASSERT_TRUE(ReadDone());
    EXPECT_EQ(view.caption, "TROV316 DSP Processor Editor V1.1    Connected Port => " + name);
    EXPECT_EQ(session->LinkTimeout(), 1000u);
    EXPECT_EQ(session->LinkRetries(), 2u);
    EXPECT_TRUE(HasLine(view.trafficLines, "COM W 10 02 00 01 01 10 10 03 11 "));
    EXPECT_TRUE(HasLine(view.trafficLines, "COM R 10 02 01 00 01 10 10 03 11 "));
    session->DisconnectLink();
    EXPECT_FALSE(session->HasTransport());
}

TEST_F(SessionTest, SerialPortThatCannotOpenShowsTheBrokenLink)
{
    session->SetComPortName("COM99");
    session->ConnectCom();
    EXPECT_EQ(view.linkBrokenCalls, 1);
    EXPECT_TRUE(view.connectResults.empty());
    ExpectClosedAndIdle();
}

}  // namespace
