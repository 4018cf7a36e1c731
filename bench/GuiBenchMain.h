#pragma once
// The main of benchmarks that paint or measure text: the benchmarks run on the GUI thread of the
// program's application (classic look, 96 DPI) on the offscreen platform.

#include "platform/ui/Application.h"

#include <QApplication>

#include <benchmark/benchmark.h>

inline int RunBenchmarksOnGuiApplication(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qputenv("QT_FONT_DPI", "96");
    QApplication app(argc, argv);
    Application->Initialize();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
