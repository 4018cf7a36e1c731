// Start of the editor, offscreen: the time from starting the program until its main window is
// shown with every window created, and the peak resident memory (VmHWM) at that moment, each
// beside a baseline measured in the same run: the application with one empty form. Goals: at most
// 300 ms and 120 MB.
//
// Every start is a fresh process (this program again, in the role named by its first argument),
// so that each one pays for loading and for the first use of everything. The editor connects by
// itself 300 ms after its start: run this through scripts/isolated (it refuses otherwise), e.g.
//
//   scripts/isolated build/release/bench/start_bench

#include "BenchSupport.h"
#include "app/WinMain.h"
#include "mainwindow/FMain.h"
#include "platform/ui/Application.h"
#include "platform/ui/Forms.h"

#include <QTemporaryDir>

#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <functional>
#include <string>
#include <vector>

extern char **environ;

namespace {

constexpr const char *EditorRole = "--start-editor";
constexpr const char *BaselineRole = "--start-baseline";

// The peak resident memory of this process, in KiB.
long PeakRssKiB()
{
    std::ifstream status("/proc/self/status");
    for (std::string line; std::getline(status, line);)
        if (line.rfind("VmHWM:", 0) == 0)
            return std::strtol(line.c_str() + 6, nullptr, 10);
    return -1;
}

// In the started process: once the loop first runs out of work with the main form shown, the peak
// memory goes to the pipe and the process ends at once.
void ReportWhenShown(int pipe, const std::function<bool()> &shown)
{
    Application->SetIdleHook([pipe, shown](int) {
        if (!shown())
            return;
        const long kib = PeakRssKiB();
        if (::write(pipe, &kib, sizeof kib) != sizeof kib)
            std::_Exit(2);
        std::_Exit(0);
    });
}

int RunEditor(int pipe)
{
    ReportWhenShown(pipe, [] { return fmMain && fmMain->Visible(); });
    return WinMain();
}

int RunBaseline(int pipe)
{
    Application->Initialize();
    TForm *form = nullptr;
    Application->CreateForm(form);
    ReportWhenShown(pipe, [&form] { return form->Visible(); });
    Application->Run();
    return 0;
}

struct Start {
    double seconds = 0;
    long peakKiB = 0;
};

// Starts this program in `role` and waits for its report.
Start StartProcess(const char *role, const std::string &runtimeFolder)
{
    int fds[2];
    if (::pipe(fds) != 0)
        return {};
    const std::string fd = "TROV_START_PIPE=" + std::to_string(fds[1]);
    const std::string runtime = "XDG_RUNTIME_DIR=" + runtimeFolder;
    std::vector<char *> envp;
    for (char **e = environ; *e; ++e)
        if (std::strncmp(*e, "XDG_RUNTIME_DIR=", 16) != 0 && std::strncmp(*e, "QT_QPA_PLATFORM=", 16) != 0)
            envp.push_back(*e);
    std::string offscreen = "QT_QPA_PLATFORM=offscreen";
    envp.push_back(const_cast<char *>(fd.c_str()));
    envp.push_back(const_cast<char *>(runtime.c_str()));
    envp.push_back(offscreen.data());
    envp.push_back(nullptr);
    char self[] = "/proc/self/exe";
    std::string roleText = role;
    char *argv[] = {self, roleText.data(), nullptr};

    const auto start = std::chrono::steady_clock::now();
    pid_t pid = -1;
    if (posix_spawn(&pid, self, nullptr, nullptr, argv, envp.data()) != 0) {
        ::close(fds[0]);
        ::close(fds[1]);
        return {};
    }
    ::close(fds[1]);
    long kib = 0;
    const bool reported = ::read(fds[0], &kib, sizeof kib) == sizeof kib;
    const auto end = std::chrono::steady_clock::now();
    ::close(fds[0]);
    int status = 0;
    ::waitpid(pid, &status, 0);
    if (!reported)
        return {};
    return {std::chrono::duration<double>(end - start).count(), kib};
}

void EditorStart(benchmark::State &state)
{
    QTemporaryDir folder;
    double editorSeconds = 0, baselineSeconds = 0, editorKiB = 0, baselineKiB = 0;
    for (auto _ : state) {
        const Start baseline = StartProcess(BaselineRole, folder.path().toStdString());
        const Start editor = StartProcess(EditorRole, folder.path().toStdString());
        if (editor.seconds <= 0 || baseline.seconds <= 0) {
            state.SkipWithError("a started process did not report");
            return;
        }
        state.SetIterationTime(editor.seconds);
        editorSeconds += editor.seconds;
        baselineSeconds += baseline.seconds;
        editorKiB += static_cast<double>(editor.peakKiB);
        baselineKiB += static_cast<double>(baseline.peakKiB);
    }
    const double n = static_cast<double>(state.iterations());
    using benchmark::Counter;
    state.counters["baseline_ms"] = Counter(1000 * baselineSeconds / n);
    state.counters["time_ratio"] = Counter(editorSeconds / baselineSeconds);
    state.counters["peak_MB"] = Counter(editorKiB / 1024 / n);
    state.counters["baseline_peak_MB"] = Counter(baselineKiB / 1024 / n);
    state.counters["peak_ratio"] = Counter(editorKiB / baselineKiB);
}
BENCHMARK(EditorStart)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(10);

}  // namespace

int main(int argc, char **argv)
{
    if (argc > 1 && (std::strcmp(argv[1], EditorRole) == 0 || std::strcmp(argv[1], BaselineRole) == 0)) {
        const char *pipe = std::getenv("TROV_START_PIPE");
        if (!pipe)
            return 2;
        const int fd = std::atoi(pipe);
        return std::strcmp(argv[1], EditorRole) == 0 ? RunEditor(fd) : RunBaseline(fd);
    }
    if (const char *isolated = std::getenv("TROV_ISOLATED"); !isolated || std::strcmp(isolated, "1") != 0) {
        std::fprintf(stderr, "start_bench starts the editor, which connects by itself: run it through "
                             "scripts/isolated\n");
        return 1;
    }
    return RunBenchmarksOnGuiThread(argc, argv);
}
