// The simulator's frame handling and fault injection, in process and without its I/O thread.

#include "SimTestUtil.h"

#include "devsim/SimTrace.h"

namespace devsim::test {
namespace {

class SimulatorTest : public InProcessTest {
protected:
    void SetFaults(void (*change)(FaultSettings &))
    {
        FaultSettings f;
        change(f);
        sim.SetFaults(f);
    }
    // Every piece the simulator wrote, as written.
    std::vector<Bytes> Chunks()
    {
        std::vector<Bytes> chunks;
        while (auto chunk = link->Read(0))
            chunks.push_back(*chunk);
        return chunks;
    }
};

TEST_F(SimulatorTest, SplitAndMergedRequestsAreReassembled)
{
    const Bytes hello = Request(CMD_HANDSHAKE);
    link->Write(std::span(hello).first(3));
    link->Write(std::span(hello).subspan(3, 4));
    EXPECT_TRUE(Chunks().empty());
    link->Write(std::span(hello).subspan(7));
    EXPECT_EQ(ParseReplies(link->ReadAll()).size(), 1u);

    // Three frames in one write, with stray bytes (and a false start) before them.
    Bytes merged = {0x55, 0x10, 0x10, 0x02, 0x00};
    for (std::uint8_t code : {CMD_HANDSHAKE, CMD_IDENTITY, CMD_POLL}) {
        const Bytes f = Request(code);
        merged.insert(merged.end(), f.begin(), f.end());
    }
    link->Write(merged);
    const std::vector<Bytes> chunks = Chunks();
    ASSERT_EQ(chunks.size(), 3u);  // one write per reply
    EXPECT_EQ(ParseReplies(chunks[1]).at(0).command, CMD_IDENTITY);
    EXPECT_EQ(ParseReplies(chunks[2]).at(0).command, CMD_ACK);
}

TEST_F(SimulatorTest, FrameLogRecordsEveryFrameAndWhetherItWasAnswered)
{
    sim.WithProcessor([](Processor &p) { p.State().deviceId = 3; });
    Send(Request(CMD_HANDSHAKE, {}, 3));
    Send(Request(CMD_HANDSHAKE, {}, 4));  // another device's
    Bytes damaged = Request(CMD_GAIN, {2, 0x10, 0x01}, 3);
    damaged.back() ^= 0x5A;  // a wrong checksum: logged, not answered, not applied
    EXPECT_TRUE(Send(damaged).empty());
    EXPECT_EQ(Program()[240], 0x18);

    const std::vector<LoggedFrame> log = sim.FrameLog();
    ASSERT_EQ(log.size(), 3u);
    EXPECT_EQ(log[0].sequence, 1u);
    EXPECT_EQ(log[0].command, CMD_HANDSHAKE);
    EXPECT_EQ(log[0].destination, 3);
    EXPECT_TRUE(log[0].answered);
    EXPECT_FALSE(log[1].answered);
    EXPECT_EQ(log[2].payload, Bytes({2, 0x10, 0x01}));  // a 0x10 in the payload needs no escape
    EXPECT_FALSE(log[2].checksumOk);
    EXPECT_EQ(log[2].bytes, damaged);
    EXPECT_EQ(log[2].link, link->Id());
    sim.ClearFrameLog();
    EXPECT_TRUE(sim.FrameLog().empty());
}

TEST_F(SimulatorTest, SilenceAllOrAfterNFrames)
{
    SetFaults([](FaultSettings &f) { f.silent = true; });
    EXPECT_TRUE(Send(Request(CMD_HANDSHAKE)).empty());
    SetFaults([](FaultSettings &f) { f.silentAfterFrames = 2; });
    EXPECT_EQ(Send(Request(CMD_HANDSHAKE)).size(), 1u);
    EXPECT_EQ(Send(Request(CMD_POLL)).size(), 1u);
    EXPECT_TRUE(Send(Request(CMD_POLL)).empty());
    sim.SetFaults({});
    EXPECT_EQ(Send(Request(CMD_POLL)).size(), 1u);
}

TEST_F(SimulatorTest, WrongSourceBadChecksumAndIdentity)
{
    SetFaults([](FaultSettings &f) {
        f.wrongSource = 2;
        f.badChecksum = true;
    });
    sim.WithProcessor([](Processor &p) { p.State().identity = "VELMTROV316 V010"; });
    const ReplyFrame id = Ask(CMD_IDENTITY);
    EXPECT_EQ(id.source, 2);
    EXPECT_FALSE(id.checksumOk);
    EXPECT_EQ(std::string(id.payload.begin(), id.payload.end()), "VELMTROV316 V010");
}

TEST_F(SimulatorTest, GarbageSplitAndMergedReplies)
{
    SetFaults([](FaultSettings &f) { f.garbageBytes = 5; });
    link->Write(Request(CMD_HANDSHAKE));
    Bytes chunk = link->Read(0).value_or(Bytes{});
    ASSERT_EQ(chunk.size(), 5u + 9u);
    for (int i = 0; i < 5; ++i)
        EXPECT_NE(chunk[i], 0x10);
    EXPECT_EQ(ParseReplies(chunk).size(), 1u);

    SetFaults([](FaultSettings &f) { f.splitBytes = 4; });
    link->Write(Request(CMD_IDENTITY));  // a 25-byte reply
    std::vector<Bytes> pieces = Chunks();
    ASSERT_EQ(pieces.size(), 7u);
    EXPECT_EQ(pieces[0].size(), 4u);
    EXPECT_EQ(pieces[6].size(), 1u);

    SetFaults([](FaultSettings &f) { f.mergeFrames = 3; });
    link->Write(Request(CMD_POLL));
    link->Write(Request(CMD_POLL));
    EXPECT_TRUE(Chunks().empty());  // held
    link->Write(Request(CMD_LOCK_STATUS));
    pieces = Chunks();
    ASSERT_EQ(pieces.size(), 1u);
    const std::vector<ReplyFrame> replies = ParseReplies(pieces[0]);
    ASSERT_EQ(replies.size(), 3u);
    EXPECT_EQ(replies[2].command, CMD_LOCK_STATUS);
}

TEST_F(SimulatorTest, RefusedCommandsAreNeitherAnsweredNorApplied)
{
    SetFaults([](FaultSettings &f) { f.refused = {CMD_GAIN, CMD_SYSTEM_PARAMS}; });
    EXPECT_TRUE(Send(CM_MCS_GAIN(1, 2, 300).ToBytes(1)).empty());
    EXPECT_TRUE(Send(Request(CMD_SYSTEM_PARAMS)).empty());
    EXPECT_EQ(Program()[240], 0x18);
    EXPECT_EQ(Ask(CM_MCS_DELAY(1, 2, 5)).command, CMD_ACK);
}

TEST_F(SimulatorTest, DropAfterNFramesClosesTheLinkOnce)
{
    SetFaults([](FaultSettings &f) { f.dropAfterFrames = 2; });
    EXPECT_EQ(Send(Request(CMD_HANDSHAKE)).size(), 1u);
    EXPECT_FALSE(link->Dropped());
    EXPECT_EQ(Send(Request(CMD_IDENTITY)).size(), 1u);  // the last frame is still answered
    EXPECT_TRUE(link->Dropped());
    EXPECT_TRUE(Send(Request(CMD_POLL)).empty());
    EXPECT_EQ(sim.FrameLog().size(), 2u);
    // A new link is served: the fault has fired.
    auto again = sim.ConnectInProcess();
    again->Write(Request(CMD_POLL));
    again->Write(Request(CMD_POLL));
    again->Write(Request(CMD_POLL));
    EXPECT_EQ(ParseReplies(again->ReadAll()).size(), 3u);
    EXPECT_FALSE(again->Dropped());
}

TEST_F(SimulatorTest, TraceNamesFramesInBothDirections)
{
    std::vector<std::string> lines;
    sim.SetTrace([&](const std::string &line) { lines.push_back(line); });
    Send(Request(CMD_READ_PROGRAM_BLOCK, {0}));
    SetFaults([](FaultSettings &f) { f.silent = true; });
    Send(Request(CMD_POLL));
    ASSERT_EQ(lines.size(), 4u);
    EXPECT_EQ(lines[0], "<- [mem " + std::to_string(link->Id()) + "] " + HexBytes(Request(CMD_READ_PROGRAM_BLOCK, {0})) +
                            "  READ_PROGRAM_BLOCK");
    EXPECT_EQ(lines[1].substr(0, 3), "-> ");
    EXPECT_NE(lines[1].find("PROGRAM_BLOCK"), std::string::npos);
    EXPECT_NE(lines[3].find("silent"), std::string::npos);
}

}  // namespace
}  // namespace devsim::test
