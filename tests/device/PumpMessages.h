#pragma once
// For tests whose own thread plays the GUI thread: deliver the queued window messages until
// something holds.

#include "platform/runtime/Messages.h"

#include <chrono>
#include <thread>

// Delivers queued messages until `pred` holds, `ms` milliseconds at most; answers `pred()`.
template <class Pred>
bool PumpUntil(Pred pred, int ms = 5000)
{
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(ms);
    for (;;) {
        DeliverQueuedMessages();
        if (pred())
            return true;
        if (std::chrono::steady_clock::now() > deadline)
            return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
}

// Delivers queued messages for a while, for checks that something does not happen.
inline void PumpFor(int ms)
{
    PumpUntil([] { return false; }, ms);
}
