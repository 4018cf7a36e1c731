#pragma once
// The whole editor started in process (WinMain) for a test, on this thread as the GUI thread:
// offscreen at 96 DPI, the manual clock for every timer, the HID test backend, a serial port table
// of the test's own that names no port (so nothing can reach a real serial device), a private
// runtime folder for the single-instance files, and scripted answers for modal windows.
//
// The test describes what a user does as steps. Each time a message loop runs out of work (the
// main loop or a modal one), the current step's condition is checked: when it holds, the step's
// action runs; until then the manual clock advances by the step's tick (0 holds time still). A step
// that does not come within its real-time limit fails the test and ends the editor.
//
//   EditorRun run;
//   run.Step("shown", [] { return fmMain->Visible(); }, [&] { ...checks... });
//   run.Step("closed", ...);
//   run.Start();    // returns when the editor has ended (WinMain's status)

#include "app/WinMain.h"
#include "device/HidFixture.h"
#include "device/LCmd.h"
#include "mainwindow/DeviceSession.h"
#include "mainwindow/FMain.h"
#include "platform/runtime/TimerService.h"
#include "platform/serial/PortTable.h"
#include "platform/ui/Application.h"
#include "platform/ui/StdTestApp.h"
#include "platform/ui/TestScript.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <chrono>
#include <cstdint>
#include <cstdlib>
#include <functional>
#include <memory>
#include <string>
#include <thread>
#include <utility>
#include <vector>

class EditorRun {
public:
    using Condition = std::function<bool()>;
    using Action = std::function<void()>;

    // The single-instance files go into `runtimeFolder`, else into a folder of this run's own.
    explicit EditorRun(std::string runtimeFolder = {}) : runtimeFolder_(std::move(runtimeFolder))
    {
        EXPECT_TRUE(folder_.isValid());
        if (runtimeFolder_.empty())
            runtimeFolder_ = folder_.path().toStdString();
        const char *runtime = std::getenv("XDG_RUNTIME_DIR");
        hadRuntime_ = runtime != nullptr;
        runtime_ = runtime ? runtime : "";
        ::setenv("XDG_RUNTIME_DIR", runtimeFolder_.c_str(), 1);
        backend_ = std::make_shared<hid::TestBackend>();
        previousBackend_ = hid::SetCurrentBackend(backend_);
        ports_ = std::make_unique<serial::PortTable>(folder_.filePath("no-tty-class").toStdString(),
                                                     folder_.filePath("no-dev").toStdString());
        previousPorts_ = serial::PortTable::Install(ports_.get());
        script_.SetFailureHandler([](const std::string &failure) { ADD_FAILURE() << failure; });
    }
    ~EditorRun()
    {
        serial::PortTable::Install(previousPorts_);
        hid::SetCurrentBackend(previousBackend_);
        if (hadRuntime_)
            ::setenv("XDG_RUNTIME_DIR", runtime_.c_str(), 1);
        else
            ::unsetenv("XDG_RUNTIME_DIR");
    }
    EditorRun(const EditorRun &) = delete;
    EditorRun &operator=(const EditorRun &) = delete;

    // The folder of the single-instance files (and anything else the test keeps there).
    const std::string &RuntimeFolder() const { return runtimeFolder_; }
    std::shared_ptr<hid::TestBackend> HidBackend() const { return backend_; }

    // Waits for `ready` (advancing the clock by `tickMs` each time the loop is idle), then runs
    // `act`; at most `limitMs` of real time.
    EditorRun &Step(std::string name, Condition ready, Action act, unsigned tickMs = 0, int limitMs = 20000)
    {
        steps_.push_back({std::move(name), std::move(ready), std::move(act), tickMs, limitMs});
        return *this;
    }
    // Lets `ms` of the clock pass, then runs `act`.
    EditorRun &After(std::string name, unsigned ms, Action act)
    {
        auto start = std::make_shared<std::uint64_t>(0);
        auto started = std::make_shared<bool>(false);
        return Step(
            std::move(name),
            [ms, start, started] {
                if (!*started) {
                    *started = true;
                    *start = TManualClock::Milliseconds();
                }
                return TManualClock::Milliseconds() >= *start + ms;
            },
            std::move(act), 10);
    }
    // The confirmed exit: the editor closes as the exit box's OK closes it.
    EditorRun &Close()
    {
        return Step(
            "close", [] { return true; },
            [] {
                fmMain->SetCloseAllowed(1);
                fmMain->Close();
            });
    }

    // Runs the editor through the steps; the result of WinMain.
    int Start()
    {
        Application->SetIdleHook([this](int) { Idle(); });
        const int status = WinMain();
        Application->SetIdleHook(nullptr);
        Application->Initialize();  // ready for the next start
        EXPECT_EQ(next_, steps_.size()) << "the editor ended before step " << StepName();
        return status;
    }
    // Steps done so far.
    std::size_t Done() const { return next_; }

    TScriptSession &Script() { return script_; }

private:
    struct StepInfo {
        std::string name;
        Condition ready;
        Action act;
        unsigned tickMs;
        int limitMs;
    };

    std::string StepName() const { return next_ < steps_.size() ? steps_[next_].name : std::string("(none)"); }

    void Idle()
    {
        if (next_ >= steps_.size() || Application->Terminated())
            return;
        StepInfo &step = steps_[next_];
        const auto now = std::chrono::steady_clock::now();
        if (next_ != timedStep_) {
            timedStep_ = next_;
            since_ = now;
        }
        if (step.ready()) {
            ++next_;  // first: the action may run a nested loop that goes on with the next step
            step.act();
            return;
        }
        if (now - since_ > std::chrono::milliseconds(step.limitMs)) {
            ADD_FAILURE() << "step \"" << step.name << "\" did not come within " << step.limitMs << " ms";
            next_ = steps_.size();
            Application->Terminate();
            return;
        }
        // Replies and the transports' workers run in real time: each round gives them a moment, so
        // that the clock runs at most about ten times as fast as the real one.
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
        if (step.tickMs > 0)
            TManualClock::Advance(step.tickMs);
    }

    QTemporaryDir folder_;
    std::string runtimeFolder_;
    std::string runtime_;
    bool hadRuntime_ = false;
    std::shared_ptr<hid::TestBackend> backend_;
    std::shared_ptr<hid::Backend> previousBackend_;
    std::unique_ptr<serial::PortTable> ports_;
    serial::PortTable *previousPorts_ = nullptr;
    TManualClockScope clock_;
    TScriptSession script_;
    std::vector<StepInfo> steps_;
    std::size_t next_ = 0;
    std::size_t timedStep_ = static_cast<std::size_t>(-1);
    std::chrono::steady_clock::time_point since_;
};

// No modal window (message box, dialog, progress window) is running its loop.
inline bool NoModalLoop()
{
    return Application->ModalLevel() == 0;
}

// The requests of the full read, in order: the code, and the index for names and blocks.
inline std::vector<std::pair<std::uint8_t, int>> FullRead()
{
    std::vector<std::pair<std::uint8_t, int>> read = {{CMD_HANDSHAKE, -1},
                                                      {CMD_IDENTITY, -1},
                                                      {CMD_LOCK_STATUS, -1},
                                                      {CMD_SYSTEM_PARAMS, -1},
                                                      {CMD_CURRENT_PRESET, -1}};
    for (int name = 0; name < PresetCount; ++name)
        read.emplace_back(CMD_READ_PRESET_NAME, name);
    for (int block = 0; block <= LastImageBlock; ++block)
        read.emplace_back(CMD_READ_PROGRAM_BLOCK, block);
    read.emplace_back(CMD_POLL, -1);
    return read;
}

// Checks that the processor's frame log begins with the full read's requests, in their order.
template <class FrameLog>
void ExpectFullReadFirst(const FrameLog &log)
{
    const auto expected = FullRead();
    ASSERT_GE(log.size(), expected.size());
    for (std::size_t i = 0; i < expected.size(); ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(log[i].command, expected[i].first);
        if (expected[i].second >= 0) {
            ASSERT_FALSE(log[i].payload.empty());
            EXPECT_EQ(log[i].payload[0], expected[i].second);
        }
    }
}
