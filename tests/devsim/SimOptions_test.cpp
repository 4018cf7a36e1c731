// Command-line and control-line options of trov316-sim.

#include "devsim/SimOptions.h"
#include "devsim/Simulator.h"

#include <gtest/gtest.h>

namespace devsim {
namespace {

std::optional<std::string> Parse(std::vector<std::string> args, SimOptions &o, bool running = false)
{
    return ParseSimOptions(args, o, running);
}

TEST(SimOptions, LinksProcessorAndFaults)
{
    SimOptions o;
    ASSERT_FALSE(Parse({"--tcp", "127.0.0.1:0", "--pty=/tmp/x", "--id", "7", "--identity", "VELMTROV316 V010",
                        "--lock", "1234", "--delay", "10:50", "--split", "3:2", "--merge", "2", "--refuse", "34",
                        "--refuse", "gain", "--silent-after", "5", "--wrong-source", "9", "--garbage", "4",
                        "--drop-after", "8", "--bad-checksum", "--seed", "99"},
                       o));
    EXPECT_TRUE(o.tcp);
    EXPECT_EQ(o.tcpAddress, "127.0.0.1");
    EXPECT_EQ(o.tcpPort, 0);
    EXPECT_TRUE(o.pty);
    EXPECT_EQ(o.ptyLink, "/tmp/x");
    EXPECT_EQ(o.deviceId, 7);
    EXPECT_EQ(o.identity, "VELMTROV316 V010");
    EXPECT_EQ(o.lockPassword, "1234");
    EXPECT_EQ(o.seed, 99u);
    FaultSettings f;
    f.delayMs = 10;
    f.delayMaxMs = 50;
    f.splitBytes = 3;
    f.splitGapMs = 2;
    f.mergeFrames = 2;
    f.mergeHoldMs = 200;
    f.refused = {34, 52};
    f.silentAfterFrames = 5;
    f.wrongSource = 9;
    f.garbageBytes = 4;
    f.dropAfterFrames = 8;
    f.badChecksum = true;
    EXPECT_EQ(o.faults, f);
}

TEST(SimOptions, BadOptionsSayWhatIsWrong)
{
    const struct {
        std::vector<std::string> args;
        const char *says;
    } cases[] = {
        {{"--bogus"}, "unknown option '--bogus'"},
        {{"stray"}, "unexpected argument 'stray'"},
        {{"--tcp", "localhost"}, "--tcp needs ADDRESS:PORT"},
        {{"--tcp", "1.2.3.4:70000"}, "--tcp needs ADDRESS:PORT"},
        {{"--tcp"}, "--tcp needs ADDRESS:PORT"},
        {{"--id", "0"}, "--id needs a device ID 1..250"},
        {{"--lock", "12345"}, "--lock needs a 4-character password"},
        {{"--delay", "50:10"}, "--delay needs MS or MIN:MAX"},
        {{"--refuse", "NOPE"}, "--refuse needs a command code or name"},
        {{"--silent=yes"}, "--silent takes no value"},
        {{"--level", "loud"}, "--level needs a level in dB"},
        {{"--garbage", "x"}, "--garbage needs a number, got 'x'"},
        {{"--split", "0"}, "--split needs N or N:GAP"},
        {{"--merge", "2:"}, "--merge needs N or N:HOLD"},
    };
    for (const auto &c : cases) {
        SimOptions o;
        const auto error = Parse(c.args, o);
        ASSERT_TRUE(error) << c.args[0];
        EXPECT_NE(error->find(c.says), std::string::npos) << *error;
    }
}

TEST(SimOptions, ControlLinesChangeFaultsButNotLinks)
{
    SimOptions o;
    o.faults.silent = true;
    EXPECT_FALSE(Parse(SplitControlLine("delay 200  refuse LEVELS"), o, true));
    EXPECT_TRUE(o.faults.silent);  // kept: a line changes only what it names
    EXPECT_EQ(o.faults.delayMs, 200);
    EXPECT_EQ(o.faults.refused, std::set<std::uint8_t>{64});
    EXPECT_FALSE(Parse({"no-faults"}, o, true));
    EXPECT_EQ(o.faults, FaultSettings{});
    EXPECT_TRUE(Parse({"--tcp", "127.0.0.1:1"}, o, true));
    EXPECT_FALSE(Parse({"quit"}, o, true));
    EXPECT_TRUE(o.quit);
    EXPECT_EQ(SplitControlLine("identity \"VELMTROV316 V012\"  x"),
              (std::vector<std::string>{"identity", "VELMTROV316 V012", "x"}));
}

TEST(SimOptions, ApplyingSetsTheProcessor)
{
    SimOptions o;
    ASSERT_FALSE(Parse({"--id", "12", "--lock", "4321", "--identity", "OTHER", "--silent"}, o));
    Simulator sim;
    std::string error;
    ASSERT_TRUE(ApplySimOptions(sim, o, &error)) << error;
    sim.WithProcessor([](Processor &p) {
        EXPECT_EQ(p.State().deviceId, 12);
        EXPECT_TRUE(p.State().lockOn);
        EXPECT_EQ(p.State().password, "4321");
        EXPECT_EQ(p.State().identity, "OTHER");
    });
    EXPECT_TRUE(sim.Faults().silent);
}

TEST(SimOptions, UsageNamesEveryOption)
{
    const std::string usage = SimUsage();
    for (const char *name : {"--tcp", "--pty", "--id", "--identity", "--lock", "--no-lock", "--state", "--save",
                             "--silent", "--silent-after", "--delay", "--wrong-source", "--bad-checksum", "--garbage",
                             "--split", "--merge", "--drop-after", "--refuse", "--no-faults", "--seed", "--level",
                             "--noise", "--quiet", "--help"})
        EXPECT_NE(usage.find(name), std::string::npos) << name;
}

}  // namespace
}  // namespace devsim
