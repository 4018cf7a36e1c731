#include "device/RetryEngine.h"

#include <gtest/gtest.h>

#include <string>

namespace {

// One letter per time-out: R resend, E extra write, P report, . nothing.
std::string TimeOuts(RetryEngine &e, int timeouts, std::uint8_t command = 16)
{
    std::string out;
    for (int i = 0; i < timeouts; ++i) {
        switch (e.OnTimeout(command)) {
        case TimeoutAction::Resend: out += 'R'; break;
        case TimeoutAction::ExtraWrite: out += 'E'; break;
        case TimeoutAction::Report: out += 'P'; break;
        case TimeoutAction::None: out += '.'; break;
        }
    }
    return out;
}

struct Case {
    const char *name;
    RetryRules rules;
    int limit;
    int extraWrites;
    std::uint8_t command;
    std::string expected;  // 14 time-outs after the frame was given and written
};

TEST(RetryEngine, ResendsAndReportsPerLink)
{
    const auto usb = RetryRules::UsbOrNetwork, com = RetryRules::Serial;
    const Case cases[] = {
        {"USB handshake: 3 resends, report at the fifth wait after", usb, 3, 0, 16, "RRR....P......"},
        {"USB, no resends: report at the fifth time-out", usb, 0, 0, 16, "....P........."},
        {"USB command 5: report right after the resends", usb, 2, 0, 5, "RRP..........."},
        {"network command 5 without resends", usb, 0, 0, 5, "P............."},
        {"serial: report at the first time-out after the resends", com, 2, 0, 16, "RRP..........."},
        {"serial handshake setting", com, 0, 0, 16, "P............."},
        {"serial extra write first, not counted as a resend", com, 2, 1, 16, "ERRP.........."},
        {"extra writes mean nothing on USB", usb, 1, 3, 16, "R....P........"},
    };
    for (const Case &c : cases) {
        RetryEngine e(c.rules);
        e.RetryLimit = c.limit;
        e.ExtraWrites = c.extraWrites;
        e.FrameGiven();
        e.FrameWritten();
        // The whole cycle, as callers that wait on the link count it; command 5 ends it sooner.
        const std::int64_t cycle = e.TimeoutsUntilReport();
        EXPECT_EQ(TimeOuts(e, 14, c.command), c.expected) << c.name;
        const auto reportedAt = static_cast<std::int64_t>(c.expected.find('P') + 1);
        if (c.command == RetryEngine::ReportAtOnceCommand)
            EXPECT_LE(reportedAt, cycle) << c.name;
        else
            EXPECT_EQ(reportedAt, cycle) << c.name;
        EXPECT_FALSE(e.Awaiting()) << c.name << ": a report settles the frame, it never repeats";
    }
}

TEST(RetryEngine, AnAnsweredFrameIsNeverResent)
{
    for (RetryRules rules : {RetryRules::UsbOrNetwork, RetryRules::Serial}) {
        RetryEngine e(rules);
        e.ExtraWrites = 1;
        EXPECT_EQ(TimeOuts(e, 8), "........") << "idle link: nothing, ever";
        EXPECT_EQ(e.ExtraWrites, 1) << "extra writes wait for a pending frame";
        e.FrameGiven();
        e.FrameWritten();
        e.ExtraWrites = 0;
        EXPECT_EQ(TimeOuts(e, 1), "R");
        e.FrameDone();
        EXPECT_EQ(TimeOuts(e, 10), "..........");
    }
}

TEST(RetryEngine, ANewFrameStartsItsCountsAfresh)
{
    RetryEngine e(RetryRules::UsbOrNetwork);
    e.RetryLimit = 0;
    e.FrameGiven();
    EXPECT_EQ(TimeOuts(e, 3), "...");
    e.FrameDone();
    e.FrameGiven();  // the next frame of the queue
    EXPECT_EQ(TimeOuts(e, 5), "....P");
}

TEST(RetryEngine, ALimitAbove127StillEnds)
{
    RetryEngine e(RetryRules::Serial);
    e.RetryLimit = 200;
    e.FrameGiven();
    e.FrameWritten();
    EXPECT_EQ(TimeOuts(e, 202), std::string(200, 'R') + "P.");
}

TEST(RetryEngine, AWriteResetsTheResendCount)
{
    RetryEngine e(RetryRules::Serial);
    e.FrameGiven();
    EXPECT_EQ(TimeOuts(e, 2), "RR");
    e.FrameWritten();
    EXPECT_EQ(TimeOuts(e, 3), "RRP");
}

}  // namespace
