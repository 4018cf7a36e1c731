#pragma once
// A test on the manual clock with timers owned by the test: each timer made here logs
// "name@milliseconds" when it fires, unless the test gives it another OnTimer.

#include "platform/runtime/Timer.h"
#include "platform/runtime/TimerService.h"

#include <QStringList>

#include <gtest/gtest.h>

struct ClockFixture : ::testing::Test {
    TManualClockScope clock;
    TComponent owner{nullptr};
    QStringList log;

    TTimer *MakeTimer(const QString &name, unsigned interval, bool enabled = true)
    {
        auto *t = new TTimer(&owner);
        t->SetName(name);
        t->SetInterval(interval);
        t->SetEnabled(enabled);
        t->OnTimer = [this](TObject *sender) {
            log << QStringLiteral("%1@%2")
                       .arg(static_cast<TComponent *>(sender)->Name())
                       .arg(TManualClock::Milliseconds());
        };
        return t;
    }
};
