#pragma once
// One QApplication (offscreen platform) for a whole test executable of the drawing and control
// classes, created before the first test and kept until the end.

#include <QApplication>

#include <gtest/gtest.h>

namespace controlstest {

class QtEnvironment : public ::testing::Environment {
public:
    void SetUp() override
    {
        if (!qApp) {
            qputenv("QT_QPA_PLATFORM", "offscreen");
            static int argc = 1;
            static char name[] = "ui_controls_tests";
            static char *argv[] = {name, nullptr};
            new QApplication(argc, argv);
        }
    }
};

inline ::testing::Environment *const kQtEnvironment = ::testing::AddGlobalTestEnvironment(new QtEnvironment);

}  // namespace controlstest
