// The trov316-sim program: options, links, control lines, and a clean stop on SIGINT/SIGTERM.

#include "SimTestUtil.h"

#include <arpa/inet.h>
#include <chrono>
#include <csignal>
#include <fcntl.h>
#include <filesystem>
#include <netinet/in.h>
#include <poll.h>
#include <spawn.h>
#include <sys/socket.h>
#include <sys/wait.h>
#include <unistd.h>

extern char **environ;

namespace devsim::test {
namespace {

constexpr int kWaitMs = 10000;  // an upper bound only

// The program run with pipes on its standard input, output and error.
class Program {
public:
    explicit Program(std::vector<std::string> args)
    {
        int in[2], out[2], err[2];
        EXPECT_EQ(::pipe2(in, O_CLOEXEC) | ::pipe2(out, O_CLOEXEC) | ::pipe2(err, O_CLOEXEC), 0);
        posix_spawn_file_actions_t actions;
        posix_spawn_file_actions_init(&actions);
        posix_spawn_file_actions_adddup2(&actions, in[0], 0);
        posix_spawn_file_actions_adddup2(&actions, out[1], 1);
        posix_spawn_file_actions_adddup2(&actions, err[1], 2);
        args.insert(args.begin(), TROV316_SIM);
        std::vector<char *> argv;
        for (std::string &a : args)
            argv.push_back(a.data());
        argv.push_back(nullptr);
        EXPECT_EQ(::posix_spawn(&pid_, TROV316_SIM, &actions, nullptr, argv.data(), environ), 0);
        posix_spawn_file_actions_destroy(&actions);
        ::close(in[0]);
        ::close(out[1]);
        ::close(err[1]);
        stdin_ = in[1];
        stdout_ = out[0];
        stderr_ = err[0];
    }
    ~Program()
    {
        if (pid_ > 0) {
            ::kill(pid_, SIGKILL);
            Wait();
        }
        for (int fd : {stdin_, stdout_, stderr_})
            if (fd >= 0)
                ::close(fd);
    }

    // The next line of standard output (empty at its end or after kWaitMs).
    std::string Line()
    {
        const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(kWaitMs);
        for (;;) {
            if (const std::size_t end = out_.find('\n'); end != std::string::npos) {
                std::string line = out_.substr(0, end);
                out_.erase(0, end + 1);
                return line;
            }
            const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - std::chrono::steady_clock::now());
            pollfd p{stdout_, POLLIN, 0};
            char buffer[512];
            ssize_t n = 0;
            if (left.count() <= 0 || ::poll(&p, 1, static_cast<int>(left.count())) <= 0 ||
                (n = ::read(stdout_, buffer, sizeof buffer)) <= 0)
                return {};
            out_.append(buffer, static_cast<std::size_t>(n));
        }
    }
    // Lines until one containing `text`; that line, or empty.
    std::string LineWith(const std::string &text)
    {
        for (std::string line = Line(); !line.empty(); line = Line())
            if (line.find(text) != std::string::npos)
                return line;
        return {};
    }
    void Send(const std::string &line) { ASSERT_EQ(::write(stdin_, line.data(), line.size()), static_cast<ssize_t>(line.size())); }
    void Signal(int sig) { ::kill(pid_, sig); }
    // Exit code, or -1 when it did not end normally.
    int Wait()
    {
        int status = 0;
        ::waitpid(pid_, &status, 0);
        pid_ = -1;
        return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    }
    std::string Errors()
    {
        std::string text;
        char buffer[512];
        for (ssize_t n; (n = ::read(stderr_, buffer, sizeof buffer)) > 0;)
            text.append(buffer, static_cast<std::size_t>(n));
        return text;
    }

private:
    pid_t pid_ = -1;
    int stdin_ = -1, stdout_ = -1, stderr_ = -1;
    std::string out_;
};

std::vector<ReplyFrame> Exchange(int fd, const Bytes &request)
{
    EXPECT_EQ(::write(fd, request.data(), request.size()), static_cast<ssize_t>(request.size()));
    Bytes got;
    while (ParseReplies(got).empty()) {
        pollfd p{fd, POLLIN, 0};
        std::uint8_t buffer[256];
        ssize_t n = 0;
        if (::poll(&p, 1, kWaitMs) <= 0 || (n = ::read(fd, buffer, sizeof buffer)) <= 0)
            break;
        got.insert(got.end(), buffer, buffer + n);
    }
    return ParseReplies(got);
}

TEST(SimProgram, HelpAndBadOptions)
{
    Program help({"--help"});
    EXPECT_NE(help.Line().find("Usage: trov316-sim"), std::string::npos);
    EXPECT_EQ(help.Wait(), 0);

    for (std::vector<std::string> bad : {std::vector<std::string>{"--frobnicate"}, {"--tcp", "nowhere"}, {}}) {
        Program p(bad);
        EXPECT_EQ(p.Wait(), 2);
        const std::string errors = p.Errors();
        EXPECT_NE(errors.find("trov316-sim: "), std::string::npos) << errors;
        EXPECT_NE(errors.find("--help"), std::string::npos) << errors;
    }
}

TEST(SimProgram, ServesTcpTakesControlLinesAndStopsOnSigterm)
{
    Program sim({"--tcp", "127.0.0.1:0", "--id", "5"});
    const std::string listening = sim.LineWith("TCP 127.0.0.1:");
    ASSERT_FALSE(listening.empty());
    const int port = std::stoi(listening.substr(listening.rfind(':') + 1));

    const int fd = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    sockaddr_in addr{};
    addr.sin_family = AF_INET;
    addr.sin_port = htons(static_cast<std::uint16_t>(port));
    addr.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    ASSERT_EQ(::connect(fd, reinterpret_cast<sockaddr *>(&addr), sizeof addr), 0);
    auto replies = Exchange(fd, Request(CMD_HANDSHAKE, {}, 5));
    ASSERT_EQ(replies.size(), 1u);
    EXPECT_EQ(replies[0].source, 5);
    EXPECT_FALSE(sim.LineWith("HANDSHAKE").empty());  // the trace

    sim.Send("identity \"VELMTROV316 V099\"\n");
    EXPECT_EQ(sim.LineWith("trov316-sim:"), "trov316-sim: ok");
    replies = Exchange(fd, Request(CMD_IDENTITY, {}, 5));
    ASSERT_EQ(replies.size(), 1u);
    EXPECT_EQ(std::string(replies[0].payload.begin(), replies[0].payload.end()), "VELMTROV316 V099");
    sim.Send("--tcp 1.2.3.4:5\n");
    EXPECT_NE(sim.LineWith("trov316-sim:").find("only be given at start"), std::string::npos);

    sim.Signal(SIGTERM);
    EXPECT_FALSE(sim.LineWith("stopped").empty());
    EXPECT_EQ(sim.Wait(), 0);
    ::close(fd);
}

TEST(SimProgram, ServesAPseudoTerminalAndStopsOnSigint)
{
    const std::string link = (std::filesystem::temp_directory_path() / ("devsim-prog-" + std::to_string(::getpid()))).string();
    const std::string state = link + ".unt";
    Program sim({"--pty", link, "--quiet", "--save", state});
    ASSERT_FALSE(sim.LineWith("pseudo-terminal").empty());
    const int fd = ::open(link.c_str(), O_RDWR | O_NOCTTY | O_CLOEXEC);
    ASSERT_GE(fd, 0);
    EXPECT_EQ(Exchange(fd, Request(CMD_HANDSHAKE)).size(), 1u);
    EXPECT_EQ(Exchange(fd, Request(CMD_STORE_PRESET, {4})).size(), 1u);
    ::close(fd);
    sim.Signal(SIGINT);
    EXPECT_EQ(sim.Wait(), 0);
    EXPECT_FALSE(std::filesystem::is_symlink(link));

    // The saved state starts the next run with the stored preset.
    Simulator again;
    ASSERT_TRUE(again.LoadState(state));
    again.WithProcessor([](Processor &p) { EXPECT_TRUE(p.State().stored[3]); });
    std::filesystem::remove(state);
}

}  // namespace
}  // namespace devsim::test
