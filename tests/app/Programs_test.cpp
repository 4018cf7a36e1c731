// The real programs, offscreen, inside the private network namespace: the editor against
// trov316-sim reads the processor and polls its levels, and SIGTERM ends both; `make demo`'s script
// does the same in one command and ends the processor when the editor closes.

#include "ChildProcess.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <signal.h>

#include <fstream>
#include <sstream>
#include <string>

namespace {

const std::vector<std::string> Offscreen = {"QT_QPA_PLATFORM=offscreen"};

// The requests of the full read as the simulator's trace names them, with how often each comes.
struct Request {
    const char *name;
    int count;
};
constexpr Request FullRead[] = {
    {"HANDSHAKE", 1},      {"IDENTITY", 1},          {"LOCK_STATUS", 1},         {"SYSTEM_PARAMS", 1},
    {"CURRENT_PRESET", 1}, {"READ_PRESET_NAME", 31}, {"READ_PROGRAM_BLOCK", 11},
};

// Requests the simulator received of a kind: its trace has a line "<- [link] bytes  NAME" for each.
int Received(const ChildProcess &sim, const std::string &name)
{
    std::istringstream lines(sim.Output());
    int n = 0;
    for (std::string line; std::getline(lines, line);)
        n += line.rfind("<- ", 0) == 0 && line.size() > name.size() + 2 &&
             line.compare(line.size() - name.size() - 2, std::string::npos, "  " + name) == 0;
    return n;
}

// Each request of the full read arrived, and level polls after it.
bool ReadAndPolled(const ChildProcess &sim)
{
    for (const Request &request : FullRead)
        if (Received(sim, request.name) < request.count)
            return false;
    return Received(sim, "LEVELS") >= 2;
}

class Programs : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(folder.isValid()); }
    std::string File(const char *name) const { return folder.filePath(name).toStdString(); }
    // The editor's private runtime folder, so that no editor of the user counts as running.
    std::vector<std::string> Environment() const
    {
        std::vector<std::string> env = Offscreen;
        env.push_back("XDG_RUNTIME_DIR=" + folder.path().toStdString());
        return env;
    }

    QTemporaryDir folder;
};

TEST_F(Programs, TheEditorReadsTheSimulatedProcessorAndSigtermEndsBoth)
{
    ChildProcess sim(TROV_SIM_PROGRAM, {"--tcp", "192.168.1.101:9761"}, File("sim.log"));
    ASSERT_TRUE(PumpUntil([&] { return sim.Count("TCP 192.168.1.101:9761") > 0 || sim.Ended(); }, 10000));
    ASSERT_FALSE(sim.Ended()) << sim.Output();
    ChildProcess editor(TROV_EDITOR_PROGRAM, {}, File("editor.log"), Environment());

    EXPECT_TRUE(PumpUntil([&] { return ReadAndPolled(sim) || editor.Ended(); }, 30000)) << sim.Output();
    EXPECT_FALSE(editor.Ended()) << editor.Output();

    editor.Signal(SIGTERM);
    ASSERT_TRUE(editor.WaitEnded(10000));
    EXPECT_EQ(editor.EndingSignal(), SIGTERM);
    EXPECT_TRUE(PumpUntil([&] { return sim.Count("client closed") > 0; })) << sim.Output();
    sim.Signal(SIGTERM);
    ASSERT_TRUE(sim.WaitEnded(10000));
    EXPECT_EQ(sim.ExitStatus(), 0);
}

// The editor started by the demo script, found among the script's children.
pid_t EditorOf(pid_t script)
{
    const std::string children = "/proc/" + std::to_string(script) + "/task/" + std::to_string(script) + "/children";
    std::ifstream in(children);
    for (pid_t child; in >> child;) {
        std::ifstream comm("/proc/" + std::to_string(child) + "/comm");
        std::string name;
        comm >> name;
        if (name.rfind("trov316-editor", 0) == 0 || name.rfind("trov316-edit", 0) == 0)
            return child;
    }
    return 0;
}

TEST_F(Programs, TheDemoConnectsTheEditorAndEndsTheProcessorWhenTheEditorCloses)
{
    ChildProcess demo(TROV_SOURCE_DIR "/scripts/demo", {TROV_BUILD_DIR}, File("demo.log"), Environment());
    EXPECT_TRUE(PumpUntil([&] { return ReadAndPolled(demo) || demo.Ended(); }, 30000)) << demo.Output();
    ASSERT_FALSE(demo.Ended()) << demo.Output();

    const pid_t editor = EditorOf(demo.Pid());
    ASSERT_GT(editor, 0);
    ::kill(editor, SIGTERM);  // the editor closes
    ASSERT_TRUE(demo.WaitEnded(15000)) << demo.Output();
    EXPECT_GT(demo.Count("trov316-sim: stopped"), 0) << demo.Output();
    EXPECT_GT(demo.Count("demo: ended"), 0) << demo.Output();
}

}  // namespace
