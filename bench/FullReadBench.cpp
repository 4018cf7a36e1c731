// The whole full read of a connection (the handshake and the 47 requests that follow it, each sent
// from the handler of the reply before it) against the simulated processor over TCP on loopback,
// two ways in the same run and against the same simulator:
//  - the editor: the network transport (LNetProc) with its worker thread, the client socket, and
//    an owner window on this thread, which runs the Qt event loop as the GUI thread does;
//  - a plain client: one thread, a blocking socket, write a request, read until its reply is whole.
// Each iteration times one read of each, one after the other, so that both see the same machine.
// The benchmark's time is the editor's; the counters give the plain client's time, the ratio and
// what the editor adds to each exchange. The first argument is the simulator's answer delay in ms.
//
// Where the editor's extra time goes: each exchange passes four thread hand-offs that the design
// asks for, where the plain client wakes once. The answer wakes the GUI thread (its event loop
// watches the socket); the GUI thread hands the bytes to the worker; the worker assembles the
// frame and hands it to the GUI thread, waiting until the window has handled it; the handler's
// next request is queued, and the worker, woken again, writes it. Each hand-off costs a few
// microseconds when the processors are awake and much more when one has to be woken first (as
// after the 1 ms answer delay) or is busy with other work. Measured with timestamps at each step:
// with every thread of the run on one processor (taskset -c N) the editor is within 1% of the plain
// client at 1 ms, each hand-off a few microseconds; spread over idle processors each hand-off
// waits 30-70 us for the woken thread to run, and that is nearly all the difference. Spinning
// instead of sleeping was tried and made it worse on a loaded machine (the spinning thread holds
// the processor that the thread it waits for was woken on).
//
// The run with one_cpu:1 keeps every thread on one processor: beside the plain client in the same
// run it shows the editor's own cost, apart from what waking the other processors costs.
//
// It opens TCP connections: run it inside the private network namespace,
//   scripts/isolated build/release/bench/full_read_bench

#include "BenchSupport.h"
#include "device/FrameAssembler.h"
#include "device/LCmd.h"
#include "device/LNet.h"
#include "devsim/Simulator.h"
#include "platform/net/ClientSocket.h"
#include "platform/os/Clock.h"

#include <QEventLoop>

#include <arpa/inet.h>
#include <netinet/in.h>
#include <netinet/tcp.h>
#include <sched.h>
#include <sys/socket.h>
#include <unistd.h>

#include <optional>
#include <stdexcept>
#include <vector>

namespace {

// The requests of the full read: handshake, identity, lock state, preset flags, current preset,
// the 31 preset names and the 11 blocks of the current program.
std::vector<BSTM> FullReadRequests()
{
    std::vector<BSTM> requests;
    for (std::uint8_t command : {CMD_HANDSHAKE, CMD_IDENTITY, CMD_LOCK_STATUS, CMD_SYSTEM_PARAMS, CMD_CURRENT_PRESET})
        requests.push_back(CM_MCS_CMD(1, command).ToBytes(1));
    for (std::uint8_t i = 0; i < 31; ++i)
        requests.push_back(CM_MCS_CMD(1, CMD_READ_PRESET_NAME, i).ToBytes(1));
    for (std::uint8_t b = 0; b <= 10; ++b)
        requests.push_back(CM_MCS_CMD(1, CMD_READ_PROGRAM_BLOCK, b).ToBytes(1));
    return requests;
}

double Seconds(std::int64_t ticks)
{
    return static_cast<double>(ticks) / static_cast<double>(os::PerformanceFrequency());
}

// The main window's part: owner of the transport's messages, its socket and its network write.
class EditorSide : public QuietHost {
public:
    explicit EditorSide(std::uint16_t port) : requests_(FullReadRequests())
    {
        window_ = AllocateHWnd([this](TMessage &m) {
            if (m.Msg == WM_DEVICE_FRAME)
                OnFrame();
            else if (m.Msg == WM_DEVICE_ERROR)
                failed_ = true;
        });
        socket_.SetAddress("127.0.0.1");
        socket_.SetPort(port);
        socket_.OnRead = [this](net::ClientSocket &s) {
            std::uint8_t buffer[256];
            const int n = s.ReceiveBuf(buffer, sizeof buffer);
            if (n > 0)
                link_->OnReceived(buffer, n);
        };
        socket_.OnConnect = [this](net::ClientSocket &) { loop_.quit(); };
        link_ = std::make_unique<LNetProc>(window_, *this);
        socket_.Open();
        loop_.exec();
        if (!socket_.Connected() || !link_->Open())
            throw std::runtime_error("the editor side could not connect");
        link_->SetTimeout(5000);
        link_->SetRetryCount(2);
        link_->SetPollPaused(1);
    }
    ~EditorSide() override
    {
        link_->Close();
        link_.reset();
        socket_.Close();
        DeallocateHWnd(window_);
    }

    // One full read; false when the link reported a failure.
    bool Read()
    {
        next_ = 0;
        link_->SendFrame(requests_[0], true);
        loop_.exec();
        return !failed_;
    }

    // Worker thread.
    bool NetWrite(const std::uint8_t *bytes, int count) override { return socket_.SendBuf(bytes, count) == count; }

private:
    // GUI thread, inside the delivery of a reply: the next request, or the end of the read.
    void OnFrame()
    {
        if (++next_ < requests_.size())
            link_->SendFrame(requests_[next_], true);
        else
            loop_.quit();
    }

    std::vector<BSTM> requests_;
    std::size_t next_ = 0;
    bool failed_ = false;
    HWND window_ = nullptr;
    net::ClientSocket socket_;
    std::unique_ptr<LNetProc> link_;
    QEventLoop loop_;
};

// The same requests through a blocking socket on this thread.
class PlainSide {
public:
    explicit PlainSide(std::uint16_t port) : requests_(FullReadRequests())
    {
        fd_ = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
        sockaddr_in to{};
        to.sin_family = AF_INET;
        to.sin_port = htons(port);
        to.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        const int one = 1;
        ::setsockopt(fd_, IPPROTO_TCP, TCP_NODELAY, &one, sizeof one);
        if (::connect(fd_, reinterpret_cast<sockaddr *>(&to), sizeof to) != 0)
            throw std::runtime_error("the plain client could not connect");
    }
    ~PlainSide() { ::close(fd_); }

    bool Read()
    {
        for (const BSTM &request : requests_) {
            if (::send(fd_, request.data(), request.size(), MSG_NOSIGNAL) != static_cast<ssize_t>(request.size()))
                return false;
            bool whole = false;
            while (!whole) {
                std::uint8_t buffer[256];
                const ssize_t n = ::recv(fd_, buffer, sizeof buffer, 0);
                if (n <= 0)
                    return false;
                for (ssize_t i = 0; i < n; ++i)
                    assembler_.Add(buffer[i], FrameAssembler::FramedMode, [&](const BSTM &) { whole = true; });
            }
        }
        return true;
    }

private:
    std::vector<BSTM> requests_;
    int fd_ = -1;
    FrameAssembler assembler_;
};

// Keeps the calling thread, and every thread it starts meanwhile, on the processor it runs on, as
// long as it lives; the threads' earlier set of processors comes back at the end.
class OneProcessor {
public:
    OneProcessor()
    {
        pinned_ = ::sched_getaffinity(0, sizeof previous_, &previous_) == 0;
        cpu_set_t one;
        CPU_ZERO(&one);
        CPU_SET(::sched_getcpu(), &one);
        pinned_ = pinned_ && ::sched_setaffinity(0, sizeof one, &one) == 0;
    }
    ~OneProcessor()
    {
        if (pinned_)
            ::sched_setaffinity(0, sizeof previous_, &previous_);
    }
    OneProcessor(const OneProcessor &) = delete;
    OneProcessor &operator=(const OneProcessor &) = delete;

private:
    cpu_set_t previous_;
    bool pinned_ = false;
};

// Arguments: the simulator's answer delay in ms; 1 to run the simulator, the editor's threads and
// the plain client on one processor, where a hand-off between threads costs a context switch and no
// wake-up of another processor: what remains of the difference is the editor's own work.
void BM_FullRead(benchmark::State &state)
{
    std::optional<OneProcessor> oneProcessor;
    if (state.range(1) != 0)
        oneProcessor.emplace();
    devsim::Simulator sim;
    devsim::FaultSettings faults;
    faults.delayMs = static_cast<int>(state.range(0));
    sim.SetFaults(faults);
    if (!sim.ListenTcp("127.0.0.1", 0) || !sim.Start()) {
        state.SkipWithError("the simulator could not listen on 127.0.0.1");
        return;
    }
    EditorSide editor(sim.TcpPort());
    PlainSide plain(sim.TcpPort());
    const std::size_t exchanges = FullReadRequests().size();
    double editorSeconds = 0, plainSeconds = 0;
    for (auto _ : state) {
        std::int64_t start = os::PerformanceCounter();
        if (!editor.Read()) {
            state.SkipWithError("the editor's read failed");
            return;
        }
        const double e = Seconds(os::PerformanceCounter() - start);
        start = os::PerformanceCounter();
        if (!plain.Read()) {
            state.SkipWithError("the plain read failed");
            return;
        }
        plainSeconds += Seconds(os::PerformanceCounter() - start);
        editorSeconds += e;
        state.SetIterationTime(e);
    }
    const double n = static_cast<double>(state.iterations());
    state.counters["plain_ms"] = plainSeconds / n * 1e3;
    state.counters["ratio"] = editorSeconds / plainSeconds;
    state.counters["editor_us_per_exchange"] = editorSeconds / n / static_cast<double>(exchanges) * 1e6;
    state.counters["plain_us_per_exchange"] = plainSeconds / n / static_cast<double>(exchanges) * 1e6;
    state.counters["extra_us_per_exchange"] = (editorSeconds - plainSeconds) / n / static_cast<double>(exchanges) * 1e6;
}
BENCHMARK(BM_FullRead)
    ->ArgNames({"answer_delay_ms", "one_cpu"})
    ->Args({0, 0})
    ->Args({1, 0})
    ->Args({1, 1})
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char **argv)
{
    return RunBenchmarksOnGuiThread(argc, argv);
}
