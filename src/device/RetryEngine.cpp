#include "device/RetryEngine.h"

void RetryEngine::FrameGiven()
{
    awaiting_ = true;
    RetryCounter = 0;
    extraWaits_ = 0;
}

TimeoutAction RetryEngine::OnTimeout(std::uint8_t command)
{
    if (!awaiting_)
        return TimeoutAction::None;
    const bool serial = rules_ == RetryRules::Serial;
    if (serial && ExtraWrites > 0) {
        --ExtraWrites;
        return TimeoutAction::ExtraWrite;
    }
    if (RetryCounter < RetryLimit) {
        extraWaits_ = 0;
        ++RetryCounter;
        return TimeoutAction::Resend;
    }
    if (serial || extraWaits_ >= ExtraWaitsBeforeReport || command == ReportAtOnceCommand) {
        RetryCounter = 0;
        awaiting_ = false;
        return TimeoutAction::Report;
    }
    ++extraWaits_;
    return TimeoutAction::None;
}

std::int64_t RetryEngine::TimeoutsUntilReport() const
{
    const std::int64_t resends = RetryLimit;
    if (rules_ == RetryRules::Serial)
        return std::int64_t{ExtraWrites} + resends + 1;
    return resends + ExtraWaitsBeforeReport + 1;
}
