#pragma once
// One Qt core application for the runtime tests (message loop, posted messages, real timers),
// created before the first test and kept until the end; and a catcher for the exceptions that
// escape message handlers and timers.

#include "platform/runtime/Exception.h"
#include "platform/runtime/Messages.h"

#include <QCoreApplication>
#include <QStringList>

#include <gtest/gtest.h>

namespace runtimetest {

class CoreApplicationEnvironment : public ::testing::Environment {
public:
    void SetUp() override
    {
        if (!QCoreApplication::instance()) {
            static int argc = 1;
            static char name[] = "runtime_tests";
            static char *argv[] = {name, nullptr};
            new QCoreApplication(argc, argv);
        }
    }
};

inline ::testing::Environment *const kCoreEnvironment =
    ::testing::AddGlobalTestEnvironment(new CoreApplicationEnvironment);

// While it exists, the messages of exceptions handed to the queued-message exception handler (the
// place the application object takes in a program) are collected in `shown`.
class ExceptionCapture {
public:
    ExceptionCapture()
    {
        Current() = this;
        SetQueuedMessageExceptionHandler(&Collect);
    }
    ~ExceptionCapture()
    {
        SetQueuedMessageExceptionHandler(nullptr);
        Current() = nullptr;
    }
    ExceptionCapture(const ExceptionCapture &) = delete;
    ExceptionCapture &operator=(const ExceptionCapture &) = delete;

    QStringList shown;

private:
    static ExceptionCapture *&Current()
    {
        static ExceptionCapture *current = nullptr;
        return current;
    }
    static void Collect(std::exception_ptr error)
    {
        try {
            std::rethrow_exception(error);
        } catch (const Exception &e) {
            Current()->shown << e.Message();
        } catch (...) {
            Current()->shown << QStringLiteral("(not an Exception)");
        }
    }
};

}  // namespace runtimetest
