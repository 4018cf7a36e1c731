#pragma once
// The application a fuzz target of windowed code runs in: one offscreen QApplication at 96 DPI with
// the program's look, made at the first call and kept until the process ends. Any thread but the
// first call's must not use it.

#include <QApplication>
#include <QtGlobal>

#include "platform/ui/Application.h"

namespace fuzz {

inline void StartApplication()
{
    if (qApp)
        return;
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qputenv("QT_FONT_DPI", "96");
    static int argc = 1;
    static char name[] = "fuzz";
    static char *argv[] = {name, nullptr};
    new QApplication(argc, argv);
    Application->Initialize();
}

}  // namespace fuzz
