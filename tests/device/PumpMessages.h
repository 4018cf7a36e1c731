#pragma once
// For tests whose own thread plays the GUI thread: deliver the queued window messages (and run
// the Qt event loop's watchers, when the test has made an application) until something holds.

#include "platform/runtime/Messages.h"

#include <QCoreApplication>

#include <chrono>
#include <thread>

// The Qt application of a test whose code needs the GUI thread's event loop (a client socket
// watches its descriptor there). Made once, on the calling thread, which becomes the GUI thread.
inline void EnsureEventLoop()
{
    if (!QCoreApplication::instance()) {
        static int argc = 1;
        static char name[] = "test";
        static char *argv[] = {name, nullptr};
        new QCoreApplication(argc, argv);  // lives as long as the process
    }
}

// Delivers queued messages until `pred` holds, `ms` milliseconds at most; answers `pred()`.
template <class Pred>
bool PumpUntil(Pred pred, int ms = 5000)
{
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(ms);
    for (;;) {
        if (QCoreApplication::instance())
            QCoreApplication::processEvents();
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
