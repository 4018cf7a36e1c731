// The preset exchanges against the simulated processor over USB: store, recall, upload into a unit
// file, download of a unit file, factory reset, and how each ends when the link fails under it.

#include "SessionFixture.h"

#include "device/FakeDeviceHost.h"
#include "devsim/ImageLayout.h"
#include "devsim/StateFile.h"
#include "platform/serial/PortTable.h"

#include <QDir>

#include <cstring>
#include <functional>

namespace {

// A program image that differs from the factory one in every byte that travels.
devsim::Image PatternImage(int seed)
{
    devsim::Image image{};
    for (std::size_t i = 0; i < image.size(); ++i)
        image[i] = static_cast<std::uint8_t>(seed * 31 + i * 7);
    image[devsim::kUsedMark] = 0xFF;
    return image;
}

// A unit file with the given records stored (positions 1 to 31), each holding PatternImage of its
// position, and the header bytes 1 to 18.
QByteArray UnitFile(std::initializer_list<int> stored)
{
    QByteArray file(FileMagic.data(), static_cast<qsizetype>(FileMagic.size()));
    for (int i = 1; i <= 18; ++i)
        file.append(static_cast<char>(i));
    for (int position = 1; position <= 31; ++position) {
        if (std::find(stored.begin(), stored.end(), position) != stored.end()) {
            const devsim::Image image = PatternImage(position);
            file.append(static_cast<char>(position));
            file.append(reinterpret_cast<const char *>(image.data()), 537);
        } else
            file.append(538, static_cast<char>(0x64));
        file.append("\r\n");
    }
    return file;
}

// --- Store and recall ----------------------------------------------------------------------------

TEST_F(ExchangeTest, StoreSendsTheNameThenTheStoreAndPollsAgain)
{
    ConnectIdle();
    session->StorePreset(4, "Main");
    EXPECT_EQ(view.texts["lbPstNum"], "U05");
    EXPECT_EQ(view.texts["lbPstName"], "Main");
    EXPECT_EQ(view.progressStatus, "Store preset now , please wait...");
    EXPECT_EQ(view.progressMax, 2);
    EXPECT_EQ(view.progressModalShows, 1);
    ExpectLogged(3);
    ASSERT_TRUE(PumpUntil([&] { return !view.progressVisible; }));

    const auto log = Log();
    ASSERT_EQ(log.size(), 3u);
    EXPECT_EQ(log[0].bytes, Bytes({0x10, 0x02, 0x00, 0x01, 0x0F, 0x26, 0x4D, 0x61, 0x69, 0x6E, 0x20, 0x20,
                                   0x20, 0x20, 0x20, 0x20, 0x20, 0x20, 0x20, 0x20, 0x10, 0x03, 0x02}));
    EXPECT_EQ(log[1].bytes, Bytes({0x10, 0x02, 0x00, 0x01, 0x02, 0x21, 0x05, 0x10, 0x03, 0x26}));
    EXPECT_EQ(log[2].bytes, Request(CMD_POLL));
    EXPECT_EQ(view.progressPositions, (std::vector<int>{0, 1, 2}));
    EXPECT_EQ(session->GetSessionStep(), SessionStep::Idle);
    EXPECT_TRUE(session->Model().IsPresetStored(4));

    const devsim::ProcessorState state = Processor();
    EXPECT_TRUE(state.stored[4]);
    const std::string name(state.presets[4].begin() + devsim::kPresetName,
                           state.presets[4].begin() + devsim::kPresetName + 14);
    EXPECT_EQ(name, "Main          ");
    EXPECT_TRUE(LevelPollRuns());
}

TEST_F(ExchangeTest, RecallReadsTheRecalledProgram)
{
    sim.WithProcessor([](devsim::Processor &p) { PutText(p.State().program, devsim::kPresetName, "Edited        "); });
    ConnectIdle();
    const int refreshes = view.refreshes;
    session->RecallPreset(0);
    EXPECT_EQ(view.progressStatus, "Load preset now , please wait...");
    EXPECT_EQ(view.progressMax, 11);
    EXPECT_EQ(view.progressModalShows, 1);
    ASSERT_TRUE(PumpUntil([&] { return view.refreshes == refreshes + 1; }));
    ExpectLogged(13);

    const auto log = Log();
    ASSERT_EQ(log.size(), 13u);
    EXPECT_EQ(log[0].bytes, Bytes({0x10, 0x02, 0x00, 0x01, 0x02, 0x20, 0x00, 0x10, 0x03, 0x22}));
    for (std::uint8_t b = 0; b <= 10; ++b)
        EXPECT_EQ(log[1 + b].bytes, Request(CMD_READ_PROGRAM_BLOCK, {b})) << "block " << int(b);
    EXPECT_EQ(log[12].bytes, Request(CMD_POLL));
    EXPECT_FALSE(view.progressVisible);
    EXPECT_EQ(session->GetCurrentPreset(), 0);
    // The factory program, name and all, is what the model holds now.
    const devsim::Image factory = devsim::FactoryImage();
    const auto *model = reinterpret_cast<const std::uint8_t *>(&session->Model().GetImage());
    EXPECT_TRUE(std::equal(factory.begin() + 2, factory.end(), model + 2));
    EXPECT_TRUE(LevelPollRuns());
}

// Without a link nothing goes out and no step waits for an acknowledgement of a later link.
TEST_F(ExchangeTest, ExchangesWithoutALinkSendNothing)
{
    struct Case {
        const char *name;
        std::function<void(DeviceSession &)> start;
        const char *message;  // null: none
    };
    const Case cases[] = {
        {.name = "store", .start = [](DeviceSession &s) { s.StorePreset(4, "Main"); }, .message = nullptr},
        {.name = "recall", .start = [](DeviceSession &s) { s.RecallPreset(0); }, .message = nullptr},
        {.name = "factory reset", .start = [](DeviceSession &s) { s.StartFactoryReset(); }, .message = nullptr},
        {.name = "upload",
         .start = [](DeviceSession &s) { s.UploadAllPresets(); },
         .message = "You Must Connect First !!"},
        {.name = "download",
         .start = [](DeviceSession &s) { s.DownloadAllPresets(); },
         .message = "You Must Connect First !!"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        view = FakeSessionView();
        c.start(*session);
        EXPECT_EQ(session->GetSessionStep(), SessionStep::Idle);
        EXPECT_EQ(view.progressModalShows + view.progressModelessShows, 0);
        EXPECT_EQ(view.informations, c.message ? std::vector<QString>{c.message} : std::vector<QString>{});
    }
    PumpFor(20);
    EXPECT_EQ(Logged(), 0u);
}

// The device header, preset blocks and download acknowledgements belong to their exchange alone.
TEST_F(ExchangeTest, RepliesOfAnExchangeOutsideItChangeNothing)
{
    struct Case {
        const char *name;
        std::uint8_t reply;
        BSTM payload;
    };
    BSTM block = {0};
    block.resize(51, 0x55);
    const Case cases[] = {
        {.name = "device header", .reply = CMD_READ_EEPROM, .payload = BSTM(18, 0x77)},
        {.name = "preset block", .reply = CMD_READ_PRESET_BLOCK, .payload = block},
        {.name = "last preset block", .reply = CMD_READ_PRESET_BLOCK, .payload = BSTM(39, 10)},
        {.name = "download block acknowledged", .reply = CMD_DOWNLOAD, .payload = {0}},
        {.name = "last download block acknowledged", .reply = CMD_DOWNLOAD, .payload = {10}},
    };
    ConnectIdle();
    const auto header = session->Model().GetEepromHeader();
    const auto buffer = session->Model().GetBlockBuffer();
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        Inject(c.reply, c.payload);
        EXPECT_EQ(session->GetSessionStep(), SessionStep::Idle);
        EXPECT_FALSE(view.progressVisible);
    }
    PumpFor(20);
    TManualClock::Advance(1000);
    // Only the level poll went out.
    const auto log = Log();
    EXPECT_TRUE(
        std::all_of(log.begin(), log.end(), [](const devsim::LoggedFrame &f) { return f.command == CMD_LEVELS; }));
    EXPECT_EQ(session->Model().GetEepromHeader(), header);
    EXPECT_EQ(session->Model().GetBlockBuffer(), buffer);
    EXPECT_EQ(TestScript::Pending(), 0);
}

// --- Upload --------------------------------------------------------------------------------------

TEST_F(ExchangeTest, UploadReadsEveryStoredPresetIntoAUnitFile)
{
    sim.WithProcessor([](devsim::Processor &p) {
        devsim::ProcessorState &s = p.State();
        for (int slot : {2, 6}) {
            s.presets[static_cast<std::size_t>(slot)] = PatternImage(slot);
            s.stored[static_cast<std::size_t>(slot)] = true;
        }
        for (std::size_t i = 0; i < s.eepromHeader.size(); ++i)
            s.eepromHeader[i] = static_cast<std::uint8_t>(0xA0 + i);
    });
    ConnectIdle();
    session->UploadAllPresets();
    EXPECT_EQ(view.progressStatus, "Upload preset now , please wait...");
    EXPECT_EQ(view.progressMax, 2);
    ASSERT_TRUE(PumpUntil([&] { return !view.progressVisible; }));
    ExpectLogged(26);

    std::vector<BSTM> expected = {Bytes({0x10, 0x02, 0x00, 0x01, 0x04, 0x19, 0x00, 0x00, 0x12, 0x10, 0x03, 0x0F})};
    for (std::uint8_t preset : {3, 7}) {
        expected.push_back(Request(CMD_SELECT_PRESET, {preset}));
        for (std::uint8_t b = 0; b <= 10; ++b)
            expected.push_back(Request(CMD_READ_PRESET_BLOCK, {b}));
    }
    expected.push_back(Request(CMD_POLL));
    const auto log = Log();
    ASSERT_EQ(log.size(), expected.size());
    for (std::size_t i = 0; i < expected.size(); ++i)
        EXPECT_EQ(log[i].bytes, expected[i]) << "request " << i;
    EXPECT_EQ(view.progressPositions, (std::vector<int>{0, 1}));

    // The unit file is asked for 300 ms later.
    TestScript::ExpectSaveFile(Path("show.1.unt"));
    TManualClock::Advance(299);
    EXPECT_EQ(TestScript::Pending(), 1);
    TManualClock::Advance(1);
    EXPECT_EQ(TestScript::Pending(), 0);
    QFile file(Path("show.unt"));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray written = file.readAll();
    ASSERT_EQ(written.size(), 16774);
    const devsim::Bytes image = devsim::StateFileBytes(Processor());
    EXPECT_TRUE(std::equal(written.begin(), written.end(), image.begin(),
                           [](char a, std::uint8_t b) { return static_cast<std::uint8_t>(a) == b; }));
    EXPECT_TRUE(view.informations.empty());
    EXPECT_TRUE(LevelPollRuns());
}

TEST_F(ExchangeTest, UploadWithNothingStoredSaysSo)
{
    ConnectIdle();
    session->UploadAllPresets();
    EXPECT_EQ(view.informations, (std::vector<QString>{"No Saving Preset Exist !!"}));
    PumpFor(20);
    EXPECT_EQ(Logged(), 0u);
}

TEST_F(ExchangeTest, UnitFileThatCannotBeWrittenSaysSo)
{
    sim.WithProcessor([](devsim::Processor &p) { p.State().stored[0] = true; });
    ConnectIdle();
    // The target's folder is a file.
    WriteFile("plain", "x");
    session->UploadAllPresets();
    ASSERT_TRUE(PumpUntil([&] { return !view.progressVisible; }));
    TestScript::ExpectSaveFile(Path("plain/show"));
    TManualClock::Advance(300);
    EXPECT_EQ(view.informations, (std::vector<QString>{"Open File Error !!"}));
    EXPECT_TRUE(LevelPollRuns());
}

// A preset whose blocks do not all arrive would go into the unit file half stale.
TEST_F(ExchangeTest, UploadOfAnIncompletePresetFails)
{
    {
        // Whether a short block counts as missing is the model's rule.
        FakeDeviceHost host;
        LUnitControl model(host);
        for (std::uint8_t b = 0; b < 10; ++b)
            model.StorePresetBlock(1, devsim::ImageBlock(devsim::FactoryImage(), b));
        if (model.StorePresetBlock(1, BSTM{10, 1, 2}) == BlockStoreResult::Committed)
            GTEST_SKIP() << "the model still counts a short block as arrived";
    }
    sim.WithProcessor([](devsim::Processor &p) { p.State().stored[0] = true; });
    ConnectIdle();
    Refuse({CMD_READ_PRESET_BLOCK});
    session->UploadAllPresets();
    ASSERT_TRUE(PumpUntil([&] { return LastRequestIs(CMD_READ_PRESET_BLOCK, 0); }));
    for (std::uint8_t b = 0; b < 10; ++b) {
        Answer(CMD_READ_PRESET_BLOCK, devsim::ImageBlock(devsim::FactoryImage(), b));
        ASSERT_TRUE(PumpUntil([&] { return LastRequestIs(CMD_READ_PRESET_BLOCK, b + 1); }));
    }
    Answer(CMD_READ_PRESET_BLOCK, {10, 1, 2});
    ASSERT_TRUE(PumpUntil([&] { return !session->HasTransport(); }));
    ExpectClosedAndIdle();
    TManualClock::Advance(1000);
    EXPECT_EQ(TestScript::Pending(), 0);
    EXPECT_EQ(view.linkBrokenCalls, 1);
}

// --- Download ------------------------------------------------------------------------------------

TEST_F(ExchangeTest, DownloadWritesTheStoredRecordsThenClosesTheLink)
{
    const QByteArray file = UnitFile({2, 31});
    ConnectIdle();
    TestScript::ExpectOpenFile(WriteFile("show.unt", file));
    session->DownloadAllPresets();
    EXPECT_FALSE(view.mainEnabled);
    EXPECT_EQ(view.progressModelessShows, 1);
    EXPECT_EQ(view.progressStatus, "Download preset now , please wait...");
    EXPECT_EQ(view.progressMax, 2);
    ASSERT_TRUE(PumpUntil([&] { return LastRequestIs(CMD_MCU_RESET); }));

    const auto *bytes = reinterpret_cast<const std::uint8_t *>(file.constData());
    auto record = [&](int position) { return bytes + 34 + 540 * (position - 1); };
    std::vector<BSTM> expected = {Bytes({0x10, 0x02, 0x00, 0x01, 0x01, 0x23, 0x10, 0x03, 0x22})};
    BSTM header = {0x00, 0x00, 0x12};
    header.insert(header.end(), bytes + 16, bytes + 34);
    expected.push_back(Request(CMD_WRITE_EEPROM, header));
    for (int position : {2, 31})
        for (std::uint8_t b = 0; b <= 10; ++b) {
            BSTM payload = {b, static_cast<std::uint8_t>(position - 1)};
            const std::uint8_t *from = record(position) + 1 + 50 * b;
            payload.insert(payload.end(), from, from + (b < 10 ? 50 : 28));
            expected.push_back(Request(CMD_DOWNLOAD, payload));
        }
    expected.push_back(Bytes({0x10, 0x02, 0x00, 0x01, 0x01, 0x04, 0x10, 0x03, 0x05}));
    const auto log = Log();
    ASSERT_EQ(log.size(), expected.size());
    for (std::size_t i = 0; i < expected.size(); ++i)
        EXPECT_EQ(log[i].bytes, expected[i]) << "request " << i;
    EXPECT_EQ(log[2].bytes[4], 53);   // block 0: block, slot and 50 bytes
    EXPECT_EQ(log[12].bytes[4], 31);  // block 10: block, slot and 28 bytes

    EXPECT_TRUE(view.mainEnabled);
    EXPECT_EQ(view.mainFocuses, 1);
    EXPECT_FALSE(view.progressVisible);
    EXPECT_EQ(view.progressStatus, "");
    const devsim::ProcessorState state = Processor();
    for (int position : {2, 31}) {
        const devsim::Image &preset = state.presets[static_cast<std::size_t>(position - 1)];
        EXPECT_TRUE(std::equal(preset.begin(), preset.begin() + 528, record(position) + 1)) << "preset " << position;
        EXPECT_TRUE(state.stored[static_cast<std::size_t>(position - 1)]);
    }
    EXPECT_TRUE(std::equal(state.eepromHeader.begin(), state.eepromHeader.end(), bytes + 16));

    // The link closes 300 ms after the restart.
    TManualClock::Advance(299);
    EXPECT_TRUE(session->HasTransport());
    TManualClock::Advance(1);
    ExpectClosedAndIdle();
    EXPECT_EQ(view.linkBrokenCalls, 1);
}

TEST_F(ExchangeTest, UnitFilesThatCannotBeDownloadedSendNothing)
{
    QByteArray cutStored = UnitFile({2, 31}).left(16712);
    QByteArray wrongNumber = UnitFile({2});
    wrongNumber[34 + 540] = 3;
    QByteArray wrongTag = UnitFile({2});
    wrongTag[0] = '#';
    struct Case {
        const char *name;
        QByteArray file;
    };
    const Case cases[] = {
        {.name = "16,711 bytes", .file = UnitFile({2}).left(16711)},
        {.name = "another tag", .file = wrongTag},
        {.name = "record 31 stored but cut", .file = cutStored},
        {.name = "record 2 numbered 3", .file = wrongNumber},
    };
    ConnectIdle();
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        view.informations.clear();
        TestScript::ExpectOpenFile(WriteFile("bad.unt", c.file));
        session->DownloadAllPresets();
        EXPECT_EQ(view.informations, (std::vector<QString>{"Download File Error !!"}));
        EXPECT_TRUE(view.mainEnabled);
        EXPECT_EQ(session->GetSessionStep(), SessionStep::Idle);
    }
    PumpFor(20);
    EXPECT_EQ(Logged(), 0u);
}

// Cut records that are not stored, and bytes after the 31st record, do not matter.
TEST_F(ExchangeTest, UnitFilesWithUnstoredCutRecordsOrTrailingBytesDownload)
{
    struct Case {
        const char *name;
        QByteArray file;
    };
    const Case cases[] = {
        {.name = "16,712 bytes", .file = UnitFile({2}).left(16712)},
        {.name = "bytes after the last record", .file = UnitFile({2}) + QByteArray(100, '\xFF')},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        ConnectIdle();
        TestScript::ExpectOpenFile(WriteFile("good.unt", c.file));
        session->DownloadAllPresets();
        ASSERT_TRUE(PumpUntil([&] { return LastRequestIs(CMD_MCU_RESET); }));
        EXPECT_EQ(Logged(), 2u + 11u + 1u);
        EXPECT_TRUE(view.informations.empty());
        TManualClock::Advance(300);
        ExpectClosedAndIdle();
    }
}

// --- Factory reset -------------------------------------------------------------------------------

TEST_F(ExchangeTest, FactoryResetReadsTheProcessorAgain)
{
    sim.WithProcessor([](devsim::Processor &p) { p.State().stored[3] = true; });
    ConnectIdle();
    const int refreshes = view.refreshes;
    session->StartFactoryReset();
    ASSERT_TRUE(PumpUntil([&] { return view.refreshes == refreshes + 1; }, 20000));
    ExpectLogged(46);
    const auto log = Log();
    EXPECT_EQ(log.at(0).bytes, Bytes({0x10, 0x02, 0x00, 0x01, 0x01, 0x23, 0x10, 0x03, 0x22}));
    const std::vector<std::uint8_t> commands = Commands();
    EXPECT_EQ(std::vector<std::uint8_t>(commands.begin() + 1, commands.begin() + 3),
              (std::vector<std::uint8_t>{CMD_SYSTEM_PARAMS, CMD_CURRENT_PRESET}));
    EXPECT_EQ(std::count(commands.begin(), commands.end(), CMD_READ_PRESET_NAME), 31);
    EXPECT_EQ(std::count(commands.begin(), commands.end(), CMD_READ_PROGRAM_BLOCK), 11);
    EXPECT_EQ(commands.back(), CMD_POLL);
    EXPECT_FALSE(session->Model().IsPresetStored(3));
    EXPECT_TRUE(LevelPollRuns());
}

// --- Failures ------------------------------------------------------------------------------------

// However an exchange loses its processor, it ends with the link closed, nothing waiting, the main
// window usable, no file written and the scan dialog saying the link broke.
TEST_F(ExchangeTest, ExchangesThatLoseTheProcessorEndCleanly)
{
    enum class Exchange { Store, Upload, Download };
    struct Case {
        const char *name;
        Exchange exchange;
        devsim::FaultSettings faults;
        // How long a silent processor is waited for: over USB with 2 resends, seven time-outs (2
        // resends, 4 extra waits, the report) and one reply wait more, of the longest reply wait.
        unsigned silenceMs = 0;
    };
    auto silentAfter = [](int frames) {
        devsim::FaultSettings f;
        f.silentAfterFrames = frames;
        return f;
    };
    // The link drops after `frames` answers, and the exchange's next request is never answered,
    // so that it cannot end by itself before the drop is seen.
    auto droppedAfter = [](int frames, std::uint8_t next) {
        devsim::FaultSettings f;
        f.dropAfterFrames = frames;
        f.refused = {next};
        return f;
    };
    devsim::FaultSettings otherAddress;
    otherAddress.wrongSource = 2;
    const Case cases[] = {
        {.name = "store, silent", .exchange = Exchange::Store, .faults = silentAfter(1), .silenceMs = 80000},
        {.name = "upload, silent", .exchange = Exchange::Upload, .faults = silentAfter(5), .silenceMs = 40000},
        {.name = "download, silent", .exchange = Exchange::Download, .faults = silentAfter(6), .silenceMs = 80000},
        {.name = "store, dropped", .exchange = Exchange::Store, .faults = droppedAfter(1, CMD_STORE_PRESET)},
        {.name = "upload, dropped", .exchange = Exchange::Upload, .faults = droppedAfter(2, CMD_READ_PRESET_BLOCK)},
        {.name = "download, dropped", .exchange = Exchange::Download, .faults = droppedAfter(2, CMD_DOWNLOAD)},
        {.name = "store, answers from another address",
         .exchange = Exchange::Store,
         .faults = otherAddress,
         .silenceMs = 80000},
    };
    sim.WithProcessor([](devsim::Processor &p) { p.State().stored[1] = true; });
    const QString unit = WriteFile("show.unt", UnitFile({2, 5}));
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        view = FakeSessionView();
        ConnectIdle();
        const auto device = sim.HidDevice();
        SetFaults(c.faults);
        switch (c.exchange) {
        case Exchange::Store: session->StorePreset(1, "Lost"); break;
        case Exchange::Upload: session->UploadAllPresets(); break;
        case Exchange::Download:
            TestScript::ExpectOpenFile(unit);
            session->DownloadAllPresets();
            break;
        }
        // A dropped USB link is a removed device; a silent one runs out of time.
        if (c.faults.dropAfterFrames >= 0) {
            ASSERT_TRUE(PumpUntil([&] { return sim.HidDevice() != device; }));
            session->HidController().DeviceChange();
            PumpFor(20);
            TManualClock::Advance(300);
        } else {
            PumpFor(50);
            TManualClock::Advance(c.silenceMs - 1);
            EXPECT_TRUE(session->HasTransport());
            TManualClock::Advance(1);
        }
        ASSERT_TRUE(PumpUntil([&] { return !session->HasTransport(); }));
        ExpectClosedAndIdle();
        EXPECT_EQ(view.linkBrokenCalls, 1);
        EXPECT_EQ(view.scanModalShows, 1);
        TManualClock::Advance(1000);
        EXPECT_EQ(TestScript::Pending(), 0);
        EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files), QStringList{"show.unt"});
        SetFaults({});
        ASSERT_TRUE(PumpUntil([&] { return session->HasHidDevice(); }));
    }
}

// The exchange never gives up on a request the transport is still waiting for: over the serial link
// (reply wait 1 s, 2 resends) the transport writes the request three times and takes an answer
// until its third time-out, so a processor that answers 2.5 s late is still heard. Only once that
// cycle and one reply wait more have passed without progress does the exchange fail.
class SerialExchangeTest : public ExchangeTest {
protected:
    // Connected over the serial link (a pseudo-terminal to the processor), read and idle, with one
    // preset stored for an upload to read.
    void ConnectIdleOverSerial()
    {
        sim.WithProcessor([](devsim::Processor &p) { p.State().stored[1] = true; });
        ASSERT_TRUE(sim.OpenPty());
        ASSERT_TRUE(sim.Start());
        const int port = serial::PortTable::Instance().Add(sim.PtyPath());
        ASSERT_GT(port, 0);
        session->SetComPortName(QString::fromStdString(serial::PortTable::Name(port)));
        session->ConnectCom();
        ASSERT_TRUE(PumpUntil([&] { return ReadDone() || !session->HasTransport(); }, 20000));
        ASSERT_TRUE(ReadDone());
        ASSERT_TRUE(PumpUntil([&] { return !session->CommTransport()->Busy(); }));
    }
};

TEST_F(SerialExchangeTest, AnExchangeOverTheSerialLinkWaitsOutTheTransportsResendCycle)
{
    ConnectIdleOverSerial();
    if (HasFatalFailure())
        return;

    Refuse({CMD_READ_EEPROM});
    sim.ClearFrameLog();
    session->UploadAllPresets();
    ASSERT_TRUE(PumpUntil([&] { return LastRequestIs(CMD_READ_EEPROM); }));
    // 2.5 s: the transport would still take the answer.
    TManualClock::Advance(2500);
    EXPECT_TRUE(session->IsExchangeRunning());
    // Three time-outs of 1 s (2 resends, the report) and one more.
    TManualClock::Advance(1499);
    EXPECT_TRUE(session->IsExchangeRunning());
    EXPECT_TRUE(session->HasTransport());
    TManualClock::Advance(1);
    ASSERT_TRUE(PumpUntil([&] { return !session->HasTransport(); }));
    ExpectClosedAndIdle();
    EXPECT_EQ(view.linkBrokenCalls, 1);
}

// The processor's answer to the upload's first request comes only after 2.5 s of the session's
// clock (held back in real time while the clock moves on): the exchange takes it and completes,
// and the link stays up.
TEST_F(SerialExchangeTest, AnAnswerTwoAndAHalfSecondsLateCompletesTheUpload)
{
    ConnectIdleOverSerial();
    if (HasFatalFailure())
        return;

    devsim::FaultSettings late;
    late.delayMs = 500;
    SetFaults(late);
    sim.ClearFrameLog();
    session->UploadAllPresets();
    ASSERT_TRUE(PumpUntil([&] { return LastRequestIs(CMD_READ_EEPROM); }));
    TManualClock::Advance(2500);
    EXPECT_TRUE(session->IsExchangeRunning());
    EXPECT_TRUE(view.progressVisible);
    SetFaults({});  // the answer on its way stays late; the rest come at once
    ASSERT_TRUE(PumpUntil([&] { return !view.progressVisible; }, 10000));
    EXPECT_TRUE(PumpUntil([&] { return LastRequestIs(CMD_POLL); }));  // the upload's last request
    EXPECT_TRUE(session->IsConnected());
    EXPECT_EQ(view.linkBrokenCalls, 0);
}

}  // namespace
