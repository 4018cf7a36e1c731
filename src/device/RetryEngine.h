#pragma once
// What a transport's worker does when its wait times out: resend the pending frame, write it once
// more for the serial link's extra writes, report that it got no answer, or nothing.
//
// Time-outs count only while a frame awaits its answer: an answered frame is never written again,
// and an idle link never reports. Once the resends are used up the serial link reports at the next
// time-out; USB and network wait four more time-outs first, unless the frame's command is 5.
// Not thread-safe: the transport's lock guards it.

#include <cstdint>

enum class RetryRules : std::uint8_t { UsbOrNetwork, Serial };
enum class TimeoutAction : std::uint8_t { None, Resend, ExtraWrite, Report };

class RetryEngine {
public:
    static constexpr int DefaultRetryLimit = 2;
    static constexpr int ExtraWaitsBeforeReport = 4;
    static constexpr std::uint8_t ReportAtOnceCommand = 5;

    explicit RetryEngine(RetryRules rules) : rules_(rules) {}

    // A new frame was handed over; its counts start afresh.
    void FrameGiven();
    // The worker wrote the frame that was handed over.
    void FrameWritten() { RetryCounter = 0; }
    // Its answer arrived, or it was given up (reported, or its write failed).
    void FrameDone() { awaiting_ = false; }
    bool Awaiting() const { return awaiting_; }

    // One time-out of the worker's wait, for a pending frame with command byte `command`.
    // Report also ends the wait for that frame.
    TimeoutAction OnTimeout(std::uint8_t command);
    // Silent time-outs from the write of a frame until its failure is reported, with the counts as
    // they stand now: the serial link's extra writes, the resends, the four extra waits of USB and
    // network, and the time-out that reports. A frame with command 5 is reported sooner.
    std::int64_t TimeoutsUntilReport() const;

    int RetryCounter = 0;  // resends made for the pending frame; a full int, as the limit is
    int RetryLimit = DefaultRetryLimit;
    int ExtraWrites = 0;           // serial only: writes owed on the next time-outs

private:
    RetryRules rules_;
    bool awaiting_ = false;
    int extraWaits_ = 0;
};
