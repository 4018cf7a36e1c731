#pragma once
// One Qt core application for the runtime tests (message loop, posted messages, real timers),
// created before the first test and kept until the end.

#include <QCoreApplication>

#include <gtest/gtest.h>

namespace runtimetest {

class CoreApplicationEnvironment : public ::testing::Environment {
public:
    void SetUp() override
    {
        if (!QCoreApplication::instance()) {
            static int argc = 1;
            static char name[] = "ui_runtime_tests";
            static char *argv[] = {name, nullptr};
            new QCoreApplication(argc, argv);
        }
    }
};

inline ::testing::Environment *const kCoreEnvironment =
    ::testing::AddGlobalTestEnvironment(new CoreApplicationEnvironment);

}  // namespace runtimetest
