// trov316-sim: the simulated processor as a program. It serves the links named on its command line
// until SIGINT or SIGTERM, printing a trace of every frame, and takes further options as lines on
// its standard input while it runs.

#include "devsim/SimOptions.h"
#include "devsim/Simulator.h"

#include <cerrno>
#include <csignal>
#include <cstdio>
#include <poll.h>
#include <string>
#include <sys/signalfd.h>
#include <unistd.h>
#include <vector>

namespace {

constexpr char kProgram[] = "trov316-sim";

void Say(const std::string &line)
{
    std::fprintf(stdout, "%s\n", line.c_str());
    std::fflush(stdout);
}

int BadUsage(const std::string &error)
{
    std::fprintf(stderr, "%s: %s\nTry '%s --help'.\n", kProgram, error.c_str(), kProgram);
    return 2;
}

int Failure(const std::string &error)
{
    std::fprintf(stderr, "%s: %s\n", kProgram, error.c_str());
    return 1;
}

enum class ControlState { Open, Closed, Quit };

// Reads control lines from standard input and applies each.
ControlState Control(devsim::Simulator &sim, std::string &pending)
{
    char buffer[512];
    const ssize_t n = ::read(STDIN_FILENO, buffer, sizeof buffer);
    if (n < 0 && errno == EINTR)
        return ControlState::Open;
    if (n <= 0)
        return ControlState::Closed;
    pending.append(buffer, static_cast<std::size_t>(n));
    for (std::size_t end; (end = pending.find('\n')) != std::string::npos;) {
        const std::vector<std::string> words = devsim::SplitControlLine(pending.substr(0, end));
        pending.erase(0, end + 1);
        if (words.empty())
            continue;
        devsim::SimOptions options;
        options.faults = sim.Faults();
        std::string error;
        if (const auto bad = devsim::ParseSimOptions(words, options, true)) {
            Say(std::string(kProgram) + ": " + *bad);
            continue;
        }
        if (options.quit)
            return ControlState::Quit;
        if (!devsim::ApplySimOptions(sim, options, &error) ||
            (!options.saveFile.empty() && !sim.SaveState(options.saveFile, &error)))
            Say(std::string(kProgram) + ": " + error);
        else
            Say(std::string(kProgram) + ": ok");
    }
    return ControlState::Open;
}

}  // namespace

int main(int argc, char **argv)
{
    const std::vector<std::string> args(argv + 1, argv + argc);
    devsim::SimOptions options;
    if (const auto error = devsim::ParseSimOptions(args, options, false))
        return BadUsage(*error);
    if (options.help) {
        std::fputs(devsim::SimUsage().c_str(), stdout);
        return 0;
    }
    if (!options.tcp && !options.pty)
        return BadUsage("give at least one link: --tcp ADDRESS:PORT or --pty PATH");

    // The signals are taken through a descriptor; blocked before any thread starts, so that none
    // of the simulator's threads is interrupted by them.
    sigset_t stopSignals;
    sigemptyset(&stopSignals);
    sigaddset(&stopSignals, SIGINT);
    sigaddset(&stopSignals, SIGTERM);
    sigprocmask(SIG_BLOCK, &stopSignals, nullptr);
    const int signalFd = ::signalfd(-1, &stopSignals, SFD_CLOEXEC);
    if (signalFd < 0)
        return Failure("cannot watch for signals");

    devsim::Simulator sim(options.seed);
    std::string error;
    if (!devsim::ApplySimOptions(sim, options, &error))
        return Failure(error);
    if (!options.quiet)
        sim.SetTrace(Say);
    if (options.tcp) {
        if (!sim.ListenTcp(options.tcpAddress, options.tcpPort, &error))
            return Failure(error);
        Say(std::string(kProgram) + ": TCP " + options.tcpAddress + ":" + std::to_string(sim.TcpPort()));
    }
    if (options.pty) {
        if (!sim.OpenPty(options.ptyLink, &error))
            return Failure(error);
        Say(std::string(kProgram) + ": pseudo-terminal " + sim.PtyPath() + " at " + options.ptyLink);
    }
    if (!sim.Start(&error))
        return Failure(error);

    // Serve until a signal or "quit"; the end of standard input only ends the control lines.
    std::string pending;
    ControlState control = ControlState::Open;
    while (control != ControlState::Quit) {
        pollfd fds[2] = {{signalFd, POLLIN, 0}, {STDIN_FILENO, POLLIN, 0}};
        if (::poll(fds, control == ControlState::Open ? 2 : 1, -1) < 0 && errno != EINTR)
            break;
        if (fds[0].revents)
            break;
        if (control == ControlState::Open && fds[1].revents)
            control = Control(sim, pending);
    }
    sim.Stop();
    ::close(signalFd);
    if (!options.saveFile.empty() && !sim.SaveState(options.saveFile, &error))
        return Failure(error);
    Say(std::string(kProgram) + ": stopped");
    return 0;
}
