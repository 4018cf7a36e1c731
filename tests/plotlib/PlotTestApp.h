#pragma once
// One QApplication (offscreen platform, 96 DPI) for a plot library test executable, created before
// the first test and kept until the end.

#include <QApplication>

#include <gtest/gtest.h>

namespace plottest {

class QtEnvironment : public ::testing::Environment {
public:
    void SetUp() override
    {
        if (!qApp) {
            qputenv("QT_QPA_PLATFORM", "offscreen");
            qputenv("QT_FONT_DPI", "96");
            static int argc = 1;
            static char name[] = "plotlib_tests";
            static char *argv[] = {name, nullptr};
            new QApplication(argc, argv);
        }
    }
};

inline ::testing::Environment *const kQtEnvironment = ::testing::AddGlobalTestEnvironment(new QtEnvironment);

}  // namespace plottest
