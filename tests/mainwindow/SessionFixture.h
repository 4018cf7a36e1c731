#pragma once
// A device session over USB against the simulated processor: the simulator's device in the HID
// test backend, a recording view, and the manual clock for the session's timers (the transports'
// reply waits run in real time). This thread plays the GUI thread.

#include "FakeSessionView.h"
#include "device/HidFixture.h"
#include "devsim/Simulator.h"
#include "mainwindow/DeviceSession.h"
#include "platform/runtime/TimerService.h"
#include "platform/ui/TestScript.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cstring>
#include <set>

// Bytes written out by hand.
inline BSTM Bytes(std::initializer_list<int> values)
{
    BSTM out;
    for (int v : values)
        out.push_back(static_cast<std::uint8_t>(v));
    return out;
}

// A request as the session frames it.
inline BSTM Request(std::uint8_t command, BSTM payload = {}, std::uint8_t address = 1)
{
    return BuildDeviceFrame(0, address, command, payload);
}

// Text put into a simulator image at `offset`.
inline void PutText(devsim::Image &image, std::size_t offset, const std::string &text)
{
    std::memcpy(image.data() + offset, text.data(), text.size());
}

class SessionTest : public hidtest::HidFixture {
protected:
    void SetUp() override
    {
        HidFixture::SetUp();
        ASSERT_TRUE(sim.PlugHid(backend));
        session = std::make_unique<DeviceSession>(view);
        ASSERT_TRUE(PumpUntil([&] { return session->HasHidDevice(); }));
    }
    void TearDown() override
    {
        session.reset();
        HidFixture::TearDown();
    }

    bool ReadDone() const { return view.refreshes > 0; }
    // Connects over USB and waits for the end of the full read.
    void ConnectAndRead()
    {
        session->ConnectUsb();
        ASSERT_TRUE(PumpUntil([&] { return ReadDone() || !session->HasTransport(); }, 20000));
        ASSERT_TRUE(ReadDone());
    }
    // Requests with these codes get no answer from now on.
    void Refuse(std::set<std::uint8_t> commands)
    {
        devsim::FaultSettings faults = sim.Faults();
        faults.refused = std::move(commands);
        sim.SetFaults(faults);
    }
    void SetFaults(const devsim::FaultSettings &faults) { sim.SetFaults(faults); }

    // The frames the processor received, and how many.
    std::vector<devsim::LoggedFrame> Log() const { return sim.FrameLog(); }
    std::size_t Logged() const { return sim.FrameLog().size(); }
    // Serves the GUI thread until the processor has received `count` frames in all.
    void ExpectLogged(std::size_t count)
    {
        EXPECT_TRUE(PumpUntil([&] { return Logged() >= count; })) << Logged() << " frames";
    }
    bool LastRequestIs(std::uint8_t command, int argument = -1) const
    {
        const auto log = Log();
        if (log.empty() || log.back().command != command)
            return false;
        return argument < 0 || (!log.back().payload.empty() && log.back().payload[0] == argument);
    }

    // A reply handed straight to the session, as a transport's frame message brings it.
    void Inject(std::uint8_t command, const BSTM &payload, std::uint8_t source = 1)
    {
        const BSTM frame = BuildDeviceFrame(source, 0, command, payload);
        TMessage m;
        m.Msg = WM_DEVICE_FRAME;
        m.WParam = reinterpret_cast<WPARAM>(&frame);
        session->OnDeviceFrame(m);
    }
    // A reply the processor's USB device sends (one input report), answering the request in flight.
    void Answer(std::uint8_t command, const BSTM &payload)
    {
        BSTM report(65, 0);
        const BSTM frame = BuildDeviceFrame(1, 0, command, payload);
        std::copy(frame.begin(), frame.end(), report.begin() + 1);
        ASSERT_TRUE(sim.HidDevice()->PushInput(report));
    }

    // Every way of leaving the link ends like this: nothing open, nothing left waiting.
    void ExpectClosedAndIdle()
    {
        EXPECT_FALSE(session->HasTransport());
        EXPECT_FALSE(session->IsConnected());
        EXPECT_FALSE(session->IsHandshakePending());
        EXPECT_EQ(session->GetSessionStep(), SessionStep::Idle);
        EXPECT_FALSE(view.progressVisible);
        EXPECT_EQ(view.scanModalShowsWhileVisible, 0);
        EXPECT_TRUE(view.mainEnabled);
    }

    TManualClockScope clock;
    devsim::Simulator sim;
    FakeSessionView view;
    std::unique_ptr<DeviceSession> session;
};

// The same for the exchanges and files: scripted file dialogs, a temporary folder, and helpers for
// a connected, idle session.
class ExchangeTest : public SessionTest {
protected:
    void SetUp() override
    {
        SessionTest::SetUp();
        script.SetFailureHandler([](const std::string &failure) { ADD_FAILURE() << failure; });
        ASSERT_TRUE(folder.isValid());
    }

    // Connected and idle, with the processor's log and the view's records empty.
    void ConnectIdle()
    {
        ConnectAndRead();
        ExpectLogged(48);
        ASSERT_TRUE(PumpUntil([&] { return !session->UsbTransport()->Busy(); }));
        sim.ClearFrameLog();
        view.progressPositions.clear();
        view.progressModalShows = 0;
    }
    std::vector<std::uint8_t> Commands() const
    {
        std::vector<std::uint8_t> out;
        for (const devsim::LoggedFrame &frame : Log())
            out.push_back(frame.command);
        return out;
    }
    QString Path(const QString &name) const { return folder.filePath(name); }
    QString WriteFile(const QString &name, const QByteArray &bytes) const
    {
        QFile file(Path(name));
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
        return Path(name);
    }
    bool LevelPollRuns()
    {
        const std::size_t before = Logged();
        TManualClock::Advance(300);
        return PumpUntil([&] { return Logged() > before && LastRequestIs(CMD_LEVELS); }, 1000);
    }
    devsim::ProcessorState Processor()
    {
        return sim.WithProcessor([](devsim::Processor &p) { return p.State(); });
    }

    TScriptSession script;
    QTemporaryDir folder;
};
