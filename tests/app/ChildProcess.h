#pragma once
// A program the test starts (the editor, the simulated processor, the demo script), with its
// output (standard output and error together) in a file, extra environment variables, and a look
// at whether it has ended that never waits. A child still running when the object goes is killed.

#include "device/PumpMessages.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <fstream>
#include <iterator>
#include <string>
#include <utility>
#include <vector>

extern char **environ;

class ChildProcess {
public:
    // `environment` entries ("NAME=value") replace the test's own variables of those names.
    ChildProcess(const std::string &program, std::vector<std::string> arguments, const std::string &outputFile,
                 const std::vector<std::string> &environment = {})
        : outputFile_(outputFile)
    {
        std::vector<std::string> env;
        for (char **e = environ; *e; ++e) {
            const std::string entry = *e;
            const bool replaced = std::any_of(environment.begin(), environment.end(), [&](const std::string &own) {
                return entry.compare(0, own.find('=') + 1, own, 0, own.find('=') + 1) == 0;
            });
            if (!replaced)
                env.push_back(entry);
        }
        env.insert(env.end(), environment.begin(), environment.end());
        std::vector<char *> envp;
        for (std::string &entry : env)
            envp.push_back(entry.data());
        envp.push_back(nullptr);
        std::string path = program;
        arguments.insert(arguments.begin(), program);
        std::vector<char *> argv;
        for (std::string &argument : arguments)
            argv.push_back(argument.data());
        argv.push_back(nullptr);
        posix_spawn_file_actions_t actions;
        posix_spawn_file_actions_init(&actions);
        posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, outputFile.c_str(), O_WRONLY | O_CREAT | O_TRUNC,
                                         0600);
        posix_spawn_file_actions_adddup2(&actions, STDOUT_FILENO, STDERR_FILENO);
        EXPECT_EQ(posix_spawn(&pid_, path.c_str(), &actions, nullptr, argv.data(), envp.data()), 0) << path;
        posix_spawn_file_actions_destroy(&actions);
    }
    ~ChildProcess()
    {
        if (pid_ > 0 && !Ended()) {
            ::kill(pid_, SIGKILL);
            ::waitpid(pid_, &status_, 0);
        }
    }
    ChildProcess(const ChildProcess &) = delete;
    ChildProcess &operator=(const ChildProcess &) = delete;

    pid_t Pid() const { return pid_; }
    // True once it has ended.
    bool Ended()
    {
        if (!ended_ && pid_ > 0 && ::waitpid(pid_, &status_, WNOHANG) == pid_)
            ended_ = true;
        return ended_ || pid_ <= 0;
    }
    // Serves this thread's message queue meanwhile; false when it still runs after `ms`.
    bool WaitEnded(int ms)
    {
        return PumpUntil([&] { return Ended(); }, ms);
    }
    // The exit status, or -1 when it was ended by a signal (or still runs).
    int ExitStatus() const { return ended_ && WIFEXITED(status_) ? WEXITSTATUS(status_) : -1; }
    int EndingSignal() const { return ended_ && WIFSIGNALED(status_) ? WTERMSIG(status_) : 0; }
    void Signal(int signal) { ::kill(pid_, signal); }
    std::string Output() const
    {
        std::ifstream in(outputFile_);
        return std::string(std::istreambuf_iterator<char>(in), {});
    }
    // How many times `part` occurs in the output so far.
    int Count(const std::string &part) const
    {
        const std::string text = Output();
        int n = 0;
        for (std::size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + part.size()))
            ++n;
        return n;
    }

private:
    std::string outputFile_;
    pid_t pid_ = -1;
    int status_ = 0;
    bool ended_ = false;
};
