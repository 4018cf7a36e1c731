#pragma once
// The main of benchmarks that paint or measure text: the benchmarks run on the GUI thread of a Qt
// GUI application on the offscreen platform.

#include <QGuiApplication>

#include <benchmark/benchmark.h>

inline int RunBenchmarksOnGuiApplication(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
