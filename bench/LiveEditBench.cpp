// Speed of a live edit on the real main window, started in process (WinMain, offscreen, the manual
// clock so that no level poll runs while it measures) and connected over TCP to the simulated
// processor on 192.168.1.101:9761, as a user's start connects:
//  - slider move to frame bytes on the socket: one step of Out 1's gain slider by the keyboard (the
//    key goes through the framework's input routing to the focused slider: page handler, model,
//    transport, worker, socket), timed until the simulator's reader holds the whole gain frame.
//    Beside it, in the same run and to the same reader, a plain client on a connection of its own
//    writes the same frame with one blocking write. Goal: p50 at most 0.5 ms.
//  - a 100-step sweep of the same slider, the steps given as fast as the window takes them, with
//    the simulator answering each frame after 1 ms: the frames the processor received, the most in
//    flight at once (goal: 1, at most one frame per round trip), whether the last value arrived
//    (goal: always), and the time until it had, beside the plain client sending the 100 values one
//    by one, each after the reply to the one before.
//  - one drag step of a PEQ marker on the real main window at 1118 x 720 (Out 1's page): the mouse
//    move through the input routing, the tmMouseEqCurve tick and the window image brought up to
//    date. Goal: at most 4 ms. Beside it, the plot's area drawn once as an image onto the window
//    image, the least a step that changes those pixels has to do.
//
// It opens TCP connections: run it inside the private network namespace,
//   scripts/isolated build/release/bench/live_edit_bench

#include "app/WinMain.h"
#include "curves/LMyFFTDrawPhase.h"
#include "device/LCmd.h"
#include "device/LNet.h"
#include "devsim/ImageLayout.h"
#include "devsim/Simulator.h"
#include "mainwindow/DeviceSession.h"
#include "mainwindow/FMain.h"
#include "pages/ChannelPages.h"
#include "platform/runtime/Timer.h"
#include "platform/runtime/TimerService.h"
#include "platform/ui/Application.h"
#include "platform/ui/ControlsInput.h"
#include "platform/ui/Forms.h"
#include "soak/InProcessEditor.h"
#include "widgets/graphics/AdvTrackBar.h"
#include "widgets/skinned/RzBmpBtn.h"

#include <QPainter>

#include <arpa/inet.h>
#include <netinet/in.h>
#include <netinet/tcp.h>
#include <sys/socket.h>
#include <unistd.h>

#include <benchmark/benchmark.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <mutex>
#include <thread>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

constexpr int Out1 = 2;  // the model's channel of Out 1
constexpr const char *GainSlider = "isGainOut1";

// The simulator's reader as the benchmark sees it: when each frame arrived, and how many frames
// were out at once on the link that sent them (received, not yet answered).
class Arrivals {
public:
    void OnTrace(const std::string &line)
    {
        const bool received = line.rfind("<- [", 0) == 0;
        const bool sent = line.rfind("-> [", 0) == 0;
        if (!received && !sent)
            return;
        std::lock_guard lock(mutex_);
        if (received) {
            last_ = Clock::now();
            ++count_;
            maxOut_ = std::max(maxOut_, ++out_);
        } else {
            --out_;
        }
    }
    std::uint64_t Count() const
    {
        std::lock_guard lock(mutex_);
        return count_;
    }
    Clock::time_point Last() const
    {
        std::lock_guard lock(mutex_);
        return last_;
    }
    int MaxOut() const
    {
        std::lock_guard lock(mutex_);
        return maxOut_;
    }
    void ResetMaxOut()
    {
        std::lock_guard lock(mutex_);
        maxOut_ = out_;
    }

private:
    mutable std::mutex mutex_;
    std::uint64_t count_ = 0;
    Clock::time_point last_;
    int out_ = 0;
    int maxOut_ = 0;
};

// A second client of the simulator: one blocking socket on this thread.
class PlainClient {
public:
    explicit PlainClient(std::uint16_t port)
    {
        fd_ = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
        sockaddr_in to{};
        to.sin_family = AF_INET;
        to.sin_port = htons(port);
        ::inet_pton(AF_INET, "192.168.1.101", &to.sin_addr);
        const int one = 1;
        ::setsockopt(fd_, IPPROTO_TCP, TCP_NODELAY, &one, sizeof one);
        connected_ = ::connect(fd_, reinterpret_cast<const sockaddr *>(&to), sizeof to) == 0;
    }
    ~PlainClient() { ::close(fd_); }
    bool Connected() const { return connected_; }
    bool Write(const BSTM &frame) const
    {
        return ::send(fd_, frame.data(), frame.size(), MSG_NOSIGNAL) == static_cast<ssize_t>(frame.size());
    }
    // Reads until one whole reply is in.
    bool ReadReply()
    {
        std::uint8_t buffer[256];
        while (true) {
            bool whole = false;
            for (std::size_t i = 0; i < pending_.size(); ++i) {
                assembler_.Add(pending_[i], FrameAssembler::FramedMode, [&](const BSTM &) { whole = true; });
                if (whole) {
                    pending_.erase(pending_.begin(), pending_.begin() + static_cast<long>(i) + 1);
                    return true;
                }
            }
            pending_.clear();
            const ssize_t n = ::recv(fd_, buffer, sizeof buffer, 0);
            if (n <= 0)
                return false;
            pending_.assign(buffer, buffer + n);
        }
    }

private:
    int fd_ = -1;
    bool connected_ = false;
    FrameAssembler assembler_;
    std::vector<std::uint8_t> pending_;
};

struct Harness {
    Arrivals arrivals;  // before the simulator, whose thread reports to it until it stops
    devsim::Simulator sim;
    TAdvTrackBar *slider = nullptr;
    bool failed = false;

    std::uint16_t ProcessorGain()
    {
        return sim.WithProcessor([](devsim::Processor &p) {
            return devsim::Word(p.State().program, devsim::ChannelOffset(Out1, &devsim::ChannelFields::gain));
        });
    }
    static bool LinkIdle()
    {
        LNetProc *link = fmMain->Session().NetTransport();
        return link && !link->Busy() && link->QueuedFrames().empty();
    }
    // Serves the window's messages until `done` holds; false after two seconds.
    template <class Pred>
    static bool PumpUntil(Pred done)
    {
        const auto limit = Clock::now() + std::chrono::seconds(2);
        while (!done()) {
            Application->ProcessMessages();
            if (Clock::now() > limit)
                return false;
        }
        return true;
    }
    // One keyboard step of the focused slider towards `up`; false when it cannot move that way.
    bool Step(bool up)
    {
        const int before = slider->Position();
        if ((up && before >= slider->Max()) || (!up && before <= slider->Min()))
            return false;
        TInputRouter::Key(up ? VK_UP : VK_DOWN);
        return slider->Position() != before;
    }
};

Harness *harness = nullptr;
std::vector<double> editorSamplesUs, plainSamplesUs;

double Percentile(std::vector<double> samples, double p)
{
    if (samples.empty())
        return 0;
    std::sort(samples.begin(), samples.end());
    return samples[static_cast<std::size_t>(p * static_cast<double>(samples.size() - 1))];
}

void SliderMoveToSocket(benchmark::State &state)
{
    Harness &h = *harness;
    bool up = h.slider->Position() < h.slider->Max();
    for (auto _ : state) {
        const std::uint64_t before = h.arrivals.Count();
        const auto start = Clock::now();
        if (!h.Step(up)) {
            up = !up;
            if (!h.Step(up)) {
                state.SkipWithError("the slider does not move");
                return;
            }
        }
        if (!Harness::PumpUntil([&] { return h.arrivals.Count() > before; })) {
            state.SkipWithError("no frame reached the processor");
            return;
        }
        const double seconds = std::chrono::duration<double>(h.arrivals.Last() - start).count();
        state.SetIterationTime(seconds);
        editorSamplesUs.push_back(seconds * 1e6);
        // The reply handled and the link idle again before the next move.
        if (!Harness::PumpUntil(Harness::LinkIdle)) {
            state.SkipWithError("the link did not come back to idle");
            return;
        }
    }
}

void PlainWriteToSocket(benchmark::State &state)
{
    Harness &h = *harness;
    PlainClient client(h.sim.TcpPort());
    if (!client.Connected()) {
        state.SkipWithError("the plain client could not connect");
        return;
    }
    int value = h.ProcessorGain();
    for (auto _ : state) {
        value = value > 100 ? value - 1 : value + 1;
        const BSTM frame = CM_MCS_GAIN(1, Out1, value).ToBytes(1);
        const std::uint64_t before = h.arrivals.Count();
        const auto start = Clock::now();
        if (!client.Write(frame)) {
            state.SkipWithError("the plain write failed");
            return;
        }
        while (h.arrivals.Count() == before)
            ;
        const double seconds = std::chrono::duration<double>(h.arrivals.Last() - start).count();
        state.SetIterationTime(seconds);
        plainSamplesUs.push_back(seconds * 1e6);
        if (!client.ReadReply()) {
            state.SkipWithError("the plain client had no reply");
            return;
        }
    }
}

struct SweepResult {
    int steps = 0;
    std::uint64_t frames = 0;
    int maxOut = 0;
    bool lastArrived = false;
    double editorMs = 0, plainMs = 0;
};
std::vector<SweepResult> sweeps;

void SliderSweep(benchmark::State &state)
{
    Harness &h = *harness;
    devsim::FaultSettings slow;
    slow.delayMs = 1;
    h.sim.SetFaults(slow);
    for (auto _ : state) {
        SweepResult r;
        const bool up = h.slider->Max() - h.slider->Position() >= 100;
        h.arrivals.ResetMaxOut();
        const std::uint64_t before = h.arrivals.Count();
        const auto start = Clock::now();
        for (int i = 0; i < 100; ++i) {
            r.steps += h.Step(up) ? 1 : 0;
            Application->ProcessMessages();
        }
        const std::uint16_t last = static_cast<std::uint16_t>(fmMain->Session().Model().GetGain(Out1));
        Harness::PumpUntil([&] { return Harness::LinkIdle() && h.ProcessorGain() == last; });
        r.editorMs = std::chrono::duration<double, std::milli>(Clock::now() - start).count();
        r.frames = h.arrivals.Count() - before;
        r.maxOut = h.arrivals.MaxOut();
        r.lastArrived = h.ProcessorGain() == last;

        // The plain client: the same 100 values, each written after the reply to the one before.
        PlainClient client(h.sim.TcpPort());
        int value = last;
        const auto plainStart = Clock::now();
        for (int i = 0; i < 100 && client.Connected(); ++i) {
            value += up ? -1 : 1;
            if (!client.Write(CM_MCS_GAIN(1, Out1, value).ToBytes(1)) || !client.ReadReply())
                break;
        }
        r.plainMs = std::chrono::duration<double, std::milli>(Clock::now() - plainStart).count();
        // The model and the processor agree again before the next sweep.
        h.sim.WithProcessor([&](devsim::Processor &p) {
            devsim::SetWord(p.State().program, devsim::ChannelOffset(Out1, &devsim::ChannelFields::gain), last);
        });
        state.SetIterationTime(r.editorMs / 1000);
        sweeps.push_back(r);
        if (!r.lastArrived)
            h.failed = true;
    }
    h.sim.SetFaults({});
}

// Where a control's top left lies in the main window's client area.
TPoint InWindowOf(TControl *control)
{
    return fmMain->ScreenToClient(control->ClientToScreen(TPoint(0, 0)));
}

// Band 5's marker on Out 1's curve, in the main window's client coordinates.
struct DragSetup {
    LMyFFTDrawPhase *plot = nullptr;
    TTimer *timer = nullptr;
    TPoint at;
    bool Grab()
    {
        plot = dynamic_cast<LMyFFTDrawPhase *>(fmMain->FindComponent(QStringLiteral("fftDrawOut1")));
        timer = dynamic_cast<TTimer *>(fmMain->FindComponent(QStringLiteral("tmMouseEqCurve")));
        if (!plot || !timer || !plot->Visible())
            return false;
        const TPoint origin = plot->GetPlotOrigin(), marker = plot->GetBlockPos(4);
        at = fmMain->ScreenToClient(plot->ClientToScreen(TPoint(origin.X + marker.X, origin.Y + marker.Y)));
        (void)fmMain->BackingImage();
        TInputRouter::MouseDown(fmMain, mbLeft, {}, at);
        return fmMain->Pages().GetDragHandle() == 4;
    }
    void Release()
    {
        TInputRouter::MouseUp(fmMain, mbLeft, {}, at);
        Harness::PumpUntil(Harness::LinkIdle);
    }
};

void PeqMarkerDragStepOnMainWindow(benchmark::State &state)
{
    DragSetup drag;
    if (!drag.Grab()) {
        state.SkipWithError("no marker grabbed on Out 1's curve");
        return;
    }
    int step = 0;
    for (auto _ : state) {
        const int d = (step++ % 2 == 0) ? 12 : -12;
        TInputRouter::MouseMove(fmMain, {ssLeft}, TPoint(drag.at.X + d, drag.at.Y - d));
        fmMain->Pages().tmMouseEqCurveTimer(drag.timer);
        benchmark::DoNotOptimize(fmMain->BackingImage().constBits());
    }
    drag.Release();
}

// The baseline: the plot's area of the window image drawn once as an image onto the window image,
// the least a step that changes those pixels has to do.
void PlotAreaBlitOnMainWindow(benchmark::State &state)
{
    auto *plot = dynamic_cast<TControl *>(fmMain->FindComponent(QStringLiteral("fftDrawOut1")));
    if (!plot) {
        state.SkipWithError("no plot");
        return;
    }
    QImage window = fmMain->BackingImage().copy();
    const TPoint at = InWindowOf(plot);
    QImage area = window.copy(at.X, at.Y, plot->Width(), plot->Height());
    int step = 0;
    for (auto _ : state) {
        area.setPixel(step % area.width(), 0, static_cast<QRgb>(step));
        ++step;
        QPainter painter(&window);
        painter.drawImage(at.X, at.Y, area);
        painter.end();
        benchmark::DoNotOptimize(window.constBits());
    }
}

void Report()
{
    const double editor = Percentile(editorSamplesUs, 0.5), plain = Percentile(plainSamplesUs, 0.5);
    if (!editorSamplesUs.empty() && !plainSamplesUs.empty())
        std::printf("slider move to frame on the socket: p50 %.1f us (p90 %.1f us), plain write p50 %.1f us, "
                    "ratio %.2f; goal p50 <= 500 us\n",
                    editor, Percentile(editorSamplesUs, 0.9), plain, editor / plain);
    for (const SweepResult &r : sweeps)
        std::printf("100-step sweep, 1 ms answers: %d steps, %llu frames sent, at most %d in flight (goal 1), last "
                    "value %s (goal: arrives), %.1f ms beside the plain client's 100 round trips %.1f ms "
                    "(ratio %.2f)\n",
                    r.steps, static_cast<unsigned long long>(r.frames), r.maxOut, r.lastArrived ? "arrived" : "LOST",
                    r.editorMs, r.plainMs, r.editorMs / r.plainMs);
}

// Clicks a control of the main window at a point of it.
void ClickOn(const char *name, TPoint at)
{
    auto *control = dynamic_cast<TControl *>(fmMain->FindComponent(QString::fromLatin1(name)));
    if (control)
        TInputRouter::Click(fmMain, fmMain->ScreenToClient(control->ClientToScreen(at)));
}

}  // namespace

int main(int argc, char **argv)
{
    if (!InProcessEditor::Isolated("live_edit_bench"))
        return 1;
    benchmark::Initialize(&argc, argv);
    InProcessEditor editor;
    Harness h;
    harness = &h;
    h.sim.SetTrace([&h](const std::string &line) { h.arrivals.OnTrace(line); });
    if (!InProcessEditor::Listen(h.sim))
        return 1;

    // The start connects by itself: the clock runs while the scan and the read go on, then holds
    // still; the benchmarks run once the read has ended and the scan dialog has closed.
    bool ran = false;
    const auto limit = Clock::now() + std::chrono::seconds(60);
    Application->SetIdleHook([&](int modalLevel) {
        if (ran || Application->Terminated())
            return;
        if (Clock::now() > limit) {
            std::fprintf(stderr, "live_edit_bench: the editor did not connect\n");
            h.failed = true;
            ran = true;
            Application->Terminate();
            return;
        }
        const bool ready = fmMain && fmMain->Visible() && modalLevel == 0 && fmMain->Session().IsConnected() &&
                           fmMain->rzbMenuLink->Enabled() && Harness::LinkIdle();
        if (!ready) {
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
            TManualClock::Advance(10);
            return;
        }
        ran = true;
        ClickOn("rzbMenuOut1", TPoint(20, 10));
        h.slider = dynamic_cast<TAdvTrackBar *>(fmMain->FindComponent(QString::fromLatin1(GainSlider)));
        if (!h.slider || !h.slider->Visible()) {
            std::fprintf(stderr, "live_edit_bench: no visible %s\n", GainSlider);
            h.failed = true;
        } else {
            h.slider->SetFocus();
            benchmark::RegisterBenchmark("SliderMoveToSocket", SliderMoveToSocket)
                ->UseManualTime()
                ->Unit(benchmark::kMicrosecond)
                ->Iterations(400);
            benchmark::RegisterBenchmark("PlainWriteToSocket", PlainWriteToSocket)
                ->UseManualTime()
                ->Unit(benchmark::kMicrosecond)
                ->Iterations(400);
            benchmark::RegisterBenchmark("SliderSweep100", SliderSweep)
                ->UseManualTime()
                ->Unit(benchmark::kMillisecond)
                ->Iterations(5);
            benchmark::RegisterBenchmark("PeqMarkerDragStepOnMainWindow", PeqMarkerDragStepOnMainWindow)
                ->Unit(benchmark::kMillisecond);
            benchmark::RegisterBenchmark("PlotAreaBlitOnMainWindow", PlotAreaBlitOnMainWindow)
                ->Unit(benchmark::kMillisecond);
            benchmark::RunSpecifiedBenchmarks();
            benchmark::Shutdown();
            Report();
        }
        fmMain->SetCloseAllowed(1);
        fmMain->Close();
    });
    WinMain();
    Application->SetIdleHook(nullptr);
    return h.failed ? 1 : 0;
}
