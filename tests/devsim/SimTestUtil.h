#pragma once
// Shared helpers of the simulator tests: the editor's end of an in-process link, reply parsing.

#include "devsim/Simulator.h"
#include "device/DeviceFrame.h"
#include "device/FrameAssembler.h"
#include "device/LCmd.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

namespace devsim::test {

struct ReplyFrame {
    std::uint8_t source = 0, destination = 0, command = 0;
    Bytes payload;
    bool checksumOk = false;
};

// Every whole frame in a byte stream, as the editor's receive side would find them.
inline std::vector<ReplyFrame> ParseReplies(const Bytes &stream)
{
    std::vector<ReplyFrame> out;
    FrameAssembler assembler;
    for (std::uint8_t b : stream)
        assembler.Add(b, FrameAssembler::FramedMode, [&](const BSTM &frame) {
            const auto f = ParseDeviceFrame(frame);
            if (f)
                out.push_back({f->Source, f->Destination, f->Command, Bytes(f->Payload.begin(), f->Payload.end()), f->ChecksumOk});
        });
    return out;
}

inline Bytes Request(std::uint8_t command, Bytes payload = {}, std::uint8_t address = 1)
{
    return BuildDeviceFrame(0, address, command, payload);
}

inline Bytes Text(const std::string &s)
{
    return Bytes(s.begin(), s.end());
}

// A simulator with one in-process link, answering in the test's thread.
class InProcessTest : public ::testing::Test {
protected:
    Simulator sim;
    std::unique_ptr<InProcessLink> link = sim.ConnectInProcess();

    // Sends the bytes and returns every frame that came back at once.
    std::vector<ReplyFrame> Send(const Bytes &bytes)
    {
        link->Write(bytes);
        return ParseReplies(link->ReadAll());
    }
    // A request that must get exactly one reply.
    ReplyFrame Ask(const Bytes &request)
    {
        const std::vector<ReplyFrame> replies = Send(request);
        EXPECT_EQ(replies.size(), 1u);
        return replies.empty() ? ReplyFrame{} : replies.front();
    }
    ReplyFrame Ask(const LCmd &cmd) { return Ask(cmd.ToBytes(1)); }
    ReplyFrame Ask(std::uint8_t command, Bytes payload = {}) { return Ask(Request(command, std::move(payload))); }

    Image Program()
    {
        return sim.WithProcessor([](Processor &p) { return p.State().program; });
    }
};

}  // namespace devsim::test
