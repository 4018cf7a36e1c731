// The serial and network transports against the simulated processor, with the framework's
// messages between the workers and a test owner window on this thread (the GUI thread). The
// owner does what the main window does on connecting: the handshake and the whole read request
// sequence, each request sent from the handler of the reply before it.
// Serial: a pseudo-terminal of the simulator, added to the port table, at 115200 8N1.
// Network: the platform's client socket to the simulator on 127.0.0.1.

#include "FakeTransportSink.h"
#include "PumpMessages.h"
#include "devsim/Simulator.h"
#include "device/LComm.h"
#include "device/LNet.h"
#include "platform/net/ClientSocket.h"
#include "platform/serial/PortTable.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <mutex>
#include <thread>

namespace {

struct Step {
    std::uint8_t request;
    std::int16_t argument;  // -1: no payload
    std::uint8_t reply;
};

// The connection exchange: handshake, identity, lock state, preset flags, current preset, the 31
// preset names and the 11 blocks of the current program.
std::vector<Step> ReadSequence()
{
    std::vector<Step> steps = {{CMD_HANDSHAKE, -1, CMD_HANDSHAKE},
                               {CMD_IDENTITY, -1, CMD_IDENTITY},
                               {CMD_LOCK_STATUS, -1, CMD_LOCK_STATUS},
                               {CMD_SYSTEM_PARAMS, -1, CMD_SYSTEM_PARAMS},
                               {CMD_CURRENT_PRESET, -1, CMD_CURRENT_PRESET}};
    for (std::int16_t i = 0; i < 31; ++i)
        steps.push_back({CMD_READ_PRESET_NAME, i, CMD_READ_PRESET_NAME});
    for (std::int16_t b = 0; b <= 10; ++b)
        steps.push_back({CMD_READ_PROGRAM_BLOCK, b, CMD_SELECT_PRESET});
    return steps;
}

BSTM RequestFrame(const Step &s)
{
    BSTM payload;
    if (s.argument >= 0)
        payload.push_back(static_cast<std::uint8_t>(s.argument));
    return BuildDeviceFrame(0, 1, s.request, payload);
}

// The main window's part in the test: owner of the transport's messages and its host.
class TestWindow : public FakeLinkHost {
public:
    TestWindow()
    {
        EnsureEventLoop();  // the socket is watched by the GUI thread's event loop
        handle = AllocateHWnd([this](TMessage &m) {
            if (m.Msg == WM_DEVICE_FRAME)
                OnFrame(*reinterpret_cast<const BSTM *>(m.WParam));
            else if (m.Msg == WM_DEVICE_ERROR)
                errors.push_back({static_cast<std::uint32_t>(m.WParam), static_cast<std::uint32_t>(m.LParam)});
        });
        socket.SetAddress("127.0.0.1");
        socket.OnRead = [this](net::ClientSocket &s) {
            std::uint8_t buffer[100];
            const int n = s.ReceiveBuf(buffer, sizeof buffer);
            if (net && n > 0)
                net->OnReceived(buffer, n);
        };
    }
    ~TestWindow() override { DeallocateHWnd(handle); }

    bool NetWrite(const std::uint8_t *bytes, int count) override
    {
        FakeLinkHost::NetWrite(bytes, count);
        return socket.SendBuf(bytes, count) == count;
    }

    template <class Link>
    void Begin(Link &link)
    {
        send = [&link](const BSTM &frame) { link.SendFrame(frame, true); };
        next = 0;
        send(RequestFrame(steps[next]));
    }
    bool Done() const { return replies.size() == steps.size(); }

    // As the dispatcher: a frame from another device address is dropped.
    void OnFrame(const BSTM &frame)
    {
        LCmd reply(frame, 1);
        ASSERT_TRUE(reply.IsValid());
        if (reply.GetAddress() != 1) {
            ++foreign;
            return;
        }
        replies.push_back(reply);
        if (send && ++next < steps.size())
            send(RequestFrame(steps[next]));
    }

    void ExpectEveryReplyInOrder()
    {
        ASSERT_EQ(replies.size(), steps.size());
        for (std::size_t i = 0; i < steps.size(); ++i) {
            EXPECT_EQ(replies[i].GetCommand(), steps[i].reply) << "step " << i;
            if (steps[i].argument >= 0 && !replies[i].GetPayload().empty()) {
                EXPECT_EQ(replies[i].GetPayload()[0], steps[i].argument) << "step " << i;
            }
        }
        const std::string identity(replies[1].GetPayload().begin(), replies[1].GetPayload().end());
        EXPECT_EQ(identity.substr(0, 16), "VELMTROV316 V011");
        EXPECT_TRUE(errors.empty());
    }

    HWND handle;
    net::ClientSocket socket;
    LNetProc *net = nullptr;
    std::vector<Step> steps = ReadSequence();
    std::size_t next = 0;
    std::function<void(const BSTM &)> send;
    std::vector<LCmd> replies;
    int foreign = 0;  // frames from another device address
    std::vector<std::pair<std::uint32_t, std::uint32_t>> errors;
};

class WithSimulator : public ::testing::Test {
protected:
    void StartPty()
    {
        ASSERT_TRUE(sim.OpenPty());
        ASSERT_TRUE(sim.Start());
        port = serial::PortTable::Instance().Add(sim.PtyPath());
        ASSERT_GT(port, 0);
    }
    void StartTcp()
    {
        ASSERT_TRUE(sim.ListenTcp("127.0.0.1", 0));
        ASSERT_TRUE(sim.Start());
        window.socket.SetPort(sim.TcpPort());
        window.socket.Open();
        ASSERT_TRUE(PumpUntil([&] { return window.socket.Connected(); }));
    }

    void Silence()
    {
        devsim::FaultSettings faults;
        faults.silent = true;
        sim.SetFaults(faults);
    }
    // Every reply carries device ID 9 where the editor talks to device 1.
    void AnswerFromAnotherId()
    {
        devsim::FaultSettings faults;
        faults.wrongSource = 9;
        sim.SetFaults(faults);
    }
    std::uint16_t ProgramGain(int ch)
    {
        return sim.WithProcessor([&](devsim::Processor &p) {
            return devsim::Word(p.State().program, devsim::ChannelOffset(ch, &devsim::ChannelFields::gain));
        });
    }
    std::uint16_t PresetGain(int slot, int ch)
    {
        return sim.WithProcessor([&](devsim::Processor &p) {
            return devsim::Word(p.State().presets[static_cast<std::size_t>(slot)],
                                devsim::ChannelOffset(ch, &devsim::ChannelFields::gain));
        });
    }
    // Runs `body` with a serial transport open on the simulator's pseudo-terminal at 115200 8N1.
    template <class Body>
    void OnSerial(Body body)
    {
        StartPty();
        LCommProc link(window.handle, window);
        ASSERT_TRUE(link.Open(port, 115200, 8, 0, 0));
        body(link);
        link.Close();
    }
    // Runs `body` with a network transport open, its bytes coming through the window's socket.
    template <class Body>
    void OnNetwork(Body body)
    {
        StartTcp();
        LNetProc link(window.handle, window);
        window.net = &link;
        ASSERT_TRUE(link.Open());
        body(link);
        link.Close();
        window.net = nullptr;
    }
    // The handshake to a processor that gives no answer: written once, resent twice, then reported.
    template <class Link>
    void ExpectReportAfterTwoResends(Link &link)
    {
        link.SetTimeout(20);
        link.SetRetryCount(2);
        link.SendFrame(RequestFrame({CMD_HANDSHAKE, -1, 0}), true);
        ASSERT_TRUE(PumpUntil([&] { return !window.errors.empty(); }));
        EXPECT_EQ(window.errors[0], std::make_pair(std::uint32_t{LINK_ERR_TIMEOUT}, std::uint32_t{1}));
        EXPECT_TRUE(sim.WaitForFrames(3, 5000));
        EXPECT_EQ(sim.FrameLog().size(), 3u);
    }

    devsim::Simulator sim;
    TestWindow window;
    int port = 0;
};

TEST_F(WithSimulator, SerialReadSequence)
{
    OnSerial([&](LCommProc &link) {
        link.SetTimeout(1000);
        link.SetRetryCount(2);
        window.Begin(link);
        ASSERT_TRUE(PumpUntil([&] { return window.Done(); }));
        window.ExpectEveryReplyInOrder();
    });
}

TEST_F(WithSimulator, NetworkReadSequenceWithStrayBytesAndSplitReplies)
{
    devsim::FaultSettings faults;
    faults.garbageBytes = 3;
    faults.splitBytes = 5;
    sim.SetFaults(faults);
    OnNetwork([&](LNetProc &link) {
        link.SetTimeout(4000);
        link.SetRetryCount(2);
        window.Begin(link);
        ASSERT_TRUE(PumpUntil([&] { return window.Done(); }));
        window.ExpectEveryReplyInOrder();
    });
}

TEST_F(WithSimulator, SilentSerialProcessorIsReportedAfterTheResends)
{
    Silence();
    OnSerial([&](LCommProc &link) { ExpectReportAfterTwoResends(link); });
}

TEST_F(WithSimulator, SilentNetworkProcessorIsReportedAfterTheResends)
{
    Silence();
    OnNetwork([&](LNetProc &link) { ExpectReportAfterTwoResends(link); });
}

// Each reply comes from another device ID: delivered (and dropped by the owner), but no answer to
// the frame, which is resent and then reported as on a silent link.
TEST_F(WithSimulator, SerialAnswerFromAnotherIdIsResentAndReported)
{
    AnswerFromAnotherId();
    OnSerial([&](LCommProc &link) {
        ExpectReportAfterTwoResends(link);
        // The answer to the last write may come after the report: it is waited for.
        EXPECT_TRUE(PumpUntil([&] { return window.foreign >= 3; }));
    });
    EXPECT_EQ(window.foreign, 3) << "the answer to each write was delivered";
}

TEST_F(WithSimulator, NetworkAnswerFromAnotherIdIsResentAndReported)
{
    AnswerFromAnotherId();
    OnNetwork([&](LNetProc &link) {
        ExpectReportAfterTwoResends(link);
        // The answer to the last write may come after the report: it is waited for.
        EXPECT_TRUE(PumpUntil([&] { return window.foreign >= 3; }));
    });
    EXPECT_EQ(window.foreign, 3) << "the answer to each write was delivered";
}

// A slider held behind a stalled frame: 1030 edits of four gains wait, and when the answer comes
// the processor gets the last value of each. An edit given after a store never jumps ahead of it.
TEST_F(WithSimulator, EditsBehindAStalledFrameKeepTheLastValueOfEachParameter)
{
    devsim::FaultSettings slow;
    slow.delayMs = 300;
    sim.SetFaults(slow);
    OnSerial([&](LCommProc &link) {
        link.SetTimeout(10000);
        link.SetRetryCount(0);
        link.SendFrame(RequestFrame({CMD_HANDSHAKE, -1, 0}), true);
        ASSERT_TRUE(sim.WaitForFrames(1, 5000));
        sim.SetFaults({});  // the handshake's answer is still on its way; the rest come at once

        constexpr int Edits = 1030;
        std::uint16_t last[6] = {};
        for (int i = 0; i < Edits; ++i) {
            const int ch = 2 + i % 4;
            last[ch] = static_cast<std::uint16_t>(i);
            link.SendFrame(CM_MCS_GAIN(1, ch, i).ToBytes(1), false);
        }
        link.SendFrame(CM_MCS_GAIN(1, 2, 2000).ToBytes(1), false);
        link.SendFrame(CM_MCS_CMD(1, CMD_STORE_PRESET, 3).ToBytes(1), true);
        link.SendFrame(CM_MCS_GAIN(1, 2, 3000).ToBytes(1), false);
        EXPECT_EQ(link.QueuedFrames().size(), 6u) << "one frame per gain, the store, the gain after it";

        ASSERT_TRUE(PumpUntil([&] { return sim.FrameLog().size() == 7 && !link.Busy(); }));
        EXPECT_TRUE(window.errors.empty());
        EXPECT_EQ(ProgramGain(2), 3000);
        for (int ch = 3; ch <= 5; ++ch) {
            EXPECT_EQ(ProgramGain(ch), last[ch]) << "channel " << ch;
            EXPECT_EQ(PresetGain(2, ch), last[ch]) << "stored, channel " << ch;
        }
        EXPECT_EQ(PresetGain(2, 2), 2000) << "stored before the gain given after the store";
    });
}

// A user's sweep of a slider over the network, behind a processor that answers after 2 ms: the
// 100 steps come faster than the replies, yet the processor never has more than one frame out at
// once (each frame waits for the reply to the one before, the steps between taking its place),
// receives far fewer than 100 frames, and ends with the sweep's last value.
TEST_F(WithSimulator, ASweepSendsAtMostOneFramePerRoundTripAndItsLastValueArrives)
{
    // Frames received and not yet answered, counted on the simulator's thread.
    struct InFlight {
        std::mutex mutex;
        int out = 0, most = 0;
    };
    auto inFlight = std::make_shared<InFlight>();
    sim.SetTrace([inFlight](const std::string &line) {
        std::lock_guard lock(inFlight->mutex);
        if (line.rfind("<- [", 0) == 0)
            inFlight->most = std::max(inFlight->most, ++inFlight->out);
        else if (line.rfind("-> [", 0) == 0)
            --inFlight->out;
    });
    devsim::FaultSettings slow;
    slow.delayMs = 2;
    sim.SetFaults(slow);
    OnNetwork([&](LNetProc &link) {
        link.SetTimeout(5000);
        link.SetRetryCount(0);
        for (int step = 1; step <= 100; ++step) {
            link.SendFrame(CM_MCS_GAIN(1, 2, 100 + step).ToBytes(1), false);
            PumpUntil([] { return false; }, 0);  // the window's messages between two mouse moves
        }
        ASSERT_TRUE(PumpUntil([&] { return !link.Busy() && ProgramGain(2) == 200; }));
        EXPECT_TRUE(window.errors.empty());
        EXPECT_LT(sim.FrameLog().size(), 50u);
        for (const devsim::LoggedFrame &frame : sim.FrameLog())
            EXPECT_EQ(frame.command, CMD_GAIN);
    });
    std::lock_guard lock(inFlight->mutex);
    EXPECT_EQ(inFlight->most, 1);
}

}  // namespace
