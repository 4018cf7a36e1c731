#pragma once
// One QApplication (offscreen platform, the program's look) for a whole test executable of the
// drawing and control classes, created before the first test and kept until the end.

#include <QApplication>

#include "platform/ui/Application.h"

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
            Application->Initialize();  // the program's look, as the editor starts with it
        }
    }
};

inline ::testing::Environment *const kQtEnvironment = ::testing::AddGlobalTestEnvironment(new QtEnvironment);

}  // namespace controlstest
