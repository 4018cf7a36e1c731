#pragma once
// One QApplication for a whole test executable of the standard controls (offscreen platform,
// 96 DPI, the program's look), created before the first test and kept until the end.

#include <QApplication>

#include "platform/ui/Application.h"

#include <gtest/gtest.h>

#include <cctype>
#include <string>

namespace stdtest {

class QtApplicationEnvironment : public ::testing::Environment {
public:
    void SetUp() override
    {
        if (!qApp) {
            qputenv("QT_QPA_PLATFORM", "offscreen");
            qputenv("QT_FONT_DPI", "96");
            static int argc = 1;
            static char name[] = "ui_std_tests";
            static char *argv[] = {name, nullptr};
            app_ = new QApplication(argc, argv);
            Application->Initialize();  // the program's look, as the editor starts with it
        }
    }

private:
    QApplication *app_ = nullptr;
};

// A test parameter's name (its `name` field) as gtest accepts it: letters and digits, '_' else.
struct ParamName {
    template <class Info>
    std::string operator()(const Info &info) const
    {
        std::string n = info.param.name;
        for (char &c : n)
            if (!std::isalnum(static_cast<unsigned char>(c)))
                c = '_';
        return n;
    }
};

inline ::testing::Environment *const kQtEnvironment =
    ::testing::AddGlobalTestEnvironment(new QtApplicationEnvironment);

}  // namespace stdtest
